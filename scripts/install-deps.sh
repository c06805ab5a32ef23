#!/usr/bin/env bash
# Installs the distribution packages the program needs to build, run and be
# tested, but only those that are missing, so a second run costs nothing.
set -euo pipefail

packages=(cmake make g++ qt6-base-dev qt6-translations-l10n fonts-liberation2
          libgl-dev xvfb xauth poppler-utils desktop-file-utils file
          shared-mime-info libglib2.0-bin)
# `install-deps.sh fuzz`: the compiler and libFuzzer for `make fuzz`.
if [ "${1:-}" = fuzz ]; then
    packages=(clang libclang-rt-dev)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null; then
        sudo="sudo"
    else
        echo "These packages are missing and this user cannot install them: ${missing[*]}" >&2
        echo "Ask an administrator to run: apt-get install ${missing[*]}" >&2
        exit 1
    fi
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
