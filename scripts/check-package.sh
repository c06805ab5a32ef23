#!/usr/bin/env bash
# Builds the Debian package from the build folder given and checks what it
# holds: the program, the menu entry (valid by desktop-file-validate), the
# icons, the help text, the file type of card files (recognised by content
# through the shared mime database) and the declared dependencies.
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; exit 1; }
deb=$(ls "$work"/*.deb)

fail() { echo "package: $*" >&2; exit 1; }

contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for path in ./usr/bin/ovrida \
            ./usr/share/applications/ovrida.desktop \
            ./usr/share/mime/packages/ovrida.xml \
            ./usr/share/icons/hicolor/scalable/apps/ovrida.svg \
            ./usr/share/icons/hicolor/48x48/apps/ovrida.png \
            ./usr/share/doc/ovrida/help.txt; do
    grep -qxF "$path" <<<"$contents" || fail "$path is missing"
done

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6printsupport6 qt6-translations-l10n fonts-liberation2; do
    grep -qw -- "$package" <<<"$depends" || fail "$package is not a dependency: $depends"
done

dpkg-deb -x "$deb" "$work/root"
entry="$work/root/usr/share/applications/ovrida.desktop"
desktop-file-validate "$entry" || fail "the desktop entry is not valid"
for line in "Name=ОВРІДА" "Exec=ovrida %F" "Icon=ovrida" "Categories=Office;" \
            "MimeType=application/x-ovrida-card;"; do
    grep -qxF "$line" "$entry" || fail "the desktop entry lacks $line"
done
grep -qE '^Comment=.*(і|ї|є|ґ)' "$entry" || fail "the desktop entry has no Ukrainian comment"
file "$work/root/usr/share/icons/hicolor/48x48/apps/ovrida.png" | grep -q '48 x 48' ||
    fail "the PNG icon is not 48 pixels"
version=$("$work/root/usr/bin/ovrida" --version)
[ "$version" = "ovrida $(dpkg-deb -f "$deb" Version)" ] || fail "--version says: $version"

# The card file type in a mime database of its own: a card is known by its
# first line, with any name or with a byte-order mark; an ordinary text is not.
data="$work/root/usr/share"
update-mime-database "$data/mime" || fail "update-mime-database refused the card file type"
printf '5013\\01\r\n5418\\1\\12.05.24\r\n' >"$work/card.txt"
printf '5013\\04\r\n' >"$work/card-without-suffix"
printf '\xef\xbb\xbf5013\\02\r\n' >"$work/utf8-card.txt"
printf 'Звіт за рік\n5013\\01\n' >"$work/plain.txt"
typeof() { XDG_DATA_HOME="$data" XDG_DATA_DIRS=/usr/share gio info -a standard::content-type "$1" 2>/dev/null |
           sed -n 's/^ *standard::content-type: //p'; }
for card in card.txt card-without-suffix utf8-card.txt; do
    [ "$(typeof "$work/$card")" = application/x-ovrida-card ] ||
        fail "$card is not taken for a card file: $(typeof "$work/$card")"
done
[ "$(typeof "$work/plain.txt")" = text/plain ] || fail "an ordinary text is taken for $(typeof "$work/plain.txt")"
