#include "cardfile/cardencoding.h"

#include "cardfile/codepagetable.h"
#include "cardfile/fileerror.h"

#include <QStringDecoder>

#include <array>

namespace cardfile {
namespace {

const QByteArray kByteOrderMark("\xEF\xBB\xBF");

// Letters of today's Cyrillic alphabets (Ukrainian, Russian and their
// neighbours) whose UTF-8 starts with «Р» or «С» read as code page 1251:
// U+0400-U+045F, those of them code page 1251 holds, so that the card can be
// saved again (not Ѐ, Ѝ, ѐ, ѝ: «РЂ» is UTF-8 «Ѐ»). Old letters (ѣ, ѳ and
// their like) are what code page 1251 pairs such as «СЈ» give when read as
// UTF-8.
bool isSignatureLetter(char16_t c)
{
    return c >= 0x0400 && c <= 0x045F && codepage::table::holdsAll(QStringView(&c, 1));
}

// Ґ ґ start with «Т» instead: they may stand in Ukrainian text, but a text
// does not count as Ukrainian UTF-8 for them (code page 1251 «ТђТђ» is
// UTF-8 «ҐҐ»).
bool isGheWithUpturn(char16_t c)
{
    return c == 0x0490 || c == 0x0491;
}

bool isTextPunctuation(char16_t c)
{
    switch (c) {
    case u'\u00AB': // «
    case u'\u00BB': // »
    case u'\u2116': // №
    case u'\u2014': // —
    case u'\u2013': // –
    case u'\u2019': // ’
    case u'\u2018': // ‘
    case u'\u201C': // “
    case u'\u201D': // ”
    case u'\u201E': // „
    case u'\u2026': // …
    case u'\u00A0': // no-break space
        return true;
    default:
        return false;
    }
}

bool hasHighBytes(const QByteArray &bytes)
{
    for (const char byte : bytes)
        if (uchar(byte) >= 0x80)
            return true;
    return false;
}

// The text of `bytes` when they are valid UTF-8; nothing otherwise.
std::optional<QString> validUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// How many Cyrillic letters a text without a byte-order mark needs before it
// is taken as UTF-8: a card the program wrote in code page 1251 with a short
// value such as «Рі» (bytes D0 B3, UTF-8 for «г») must stay in code page 1251.
constexpr int kFewestLetters = 4;

// Whether code page 1251 reads the second byte of `letter`'s UTF-8 as
// something other than a letter. A clerk types words: when a text in code
// page 1251 happens to be valid UTF-8, its pairs are «Р» or «С» followed by a
// letter («РіРіРіРі» is UTF-8 «гггг»). UTF-8 of real text seen as code page
// 1251 shows a sign after them for about two letters in five
// («Р°» for «а», «С‚» for «т», «С–» for «і»).
bool secondByteReadsAsSign(char16_t letter)
{
    static const std::array<bool, 64> sign = [] {
        std::array<bool, 64> table{};
        for (int low = 0; low < 64; ++low) {
            const QString character = codepage::table::decode(QByteArray(1, char(0x80 | low)));
            table[std::size_t(low)] = character.size() != 1 || !character.front().isLetter();
        }
        return table;
    }();
    return sign[letter & 0x3F];
}

// Whether valid UTF-8 `text` plainly is Ukrainian card text: every character
// beyond ASCII is a Cyrillic letter of today or the punctuation of Ukrainian
// texts, there are at least kFewestLetters letters with the signature below,
// and they are most of those characters. Read as code page 1251, such text
// shows «Р» or «С» followed by a character of 0x80-0xBF for every one of its
// letters, and a sign rather than a letter for at least one letter in five:
// texts a clerk types in code page 1251 do neither.
bool looksLikeUkrainianUtf8(QStringView text)
{
    int letters = 0;
    int signs = 0;
    int others = 0;
    for (const QChar character : text) {
        const char16_t c = character.unicode();
        if (c < 0x80)
            continue;
        if (isSignatureLetter(c)) {
            ++letters;
            signs += secondByteReadsAsSign(c) ? 1 : 0;
        } else if (isGheWithUpturn(c) || isTextPunctuation(c)) {
            ++others;
        } else {
            return false;
        }
    }
    return letters >= kFewestLetters && letters > others && signs * 5 >= letters;
}

bool isControl(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

bool isControlInLine(char16_t c)
{
    return c != u'\r' && c != u'\n' && isControl(c);
}

template <bool (*blanked)(char16_t)> void blankControls(QString &text)
{
    // Looked at through a view: writable access would copy a shared text.
    const QStringView view(text);
    qsizetype at = 0;
    while (at < view.size() && !blanked(view[at].unicode()))
        ++at;
    if (at == text.size())
        return; // nothing to change: the text is not copied
    QChar *characters = text.data();
    for (; at < text.size(); ++at) {
        if (blanked(characters[at].unicode()))
            characters[at] = u' ';
    }
}

} // namespace

DecodedCard decodeCard(const QByteArray &bytes)
{
    DecodedCard card;
    if (bytes.startsWith(kByteOrderMark)) {
        const QByteArrayView body = QByteArrayView(bytes).sliced(kByteOrderMark.size());
        if (std::optional<QString> text = validUtf8(body)) {
            card.text = std::move(*text);
            card.encoding = CardEncoding::Utf8;
        } else {
            // The mark promises UTF-8 that does not follow: the body is taken
            // as code page 1251, never as replacement characters.
            card.text = codepage::table::decode(body.toByteArray());
            card.encoding = CardEncoding::MarkedCodePage;
        }
    } else if (hasHighBytes(bytes)) {
        std::optional<QString> text = validUtf8(bytes);
        if (text && looksLikeUkrainianUtf8(*text)) {
            card.text = std::move(*text);
            card.encoding = CardEncoding::Utf8;
        }
    }
    if (card.encoding == CardEncoding::CodePage)
        card.text = codepage::table::decode(bytes);
    blankControls<isControlInLine>(card.text);
    return card;
}

QString blankedControls(QString text)
{
    blankControls<isControl>(text);
    return text;
}

QString encodingNotice(CardEncoding encoding, const QString &path)
{
    if (encoding == CardEncoding::CodePage)
        return {};
    const QString file = path.isEmpty()
                             ? QStringLiteral("Картку")
                             : QStringLiteral("Картку з файлу «%1»").arg(displayPath(path));
    if (encoding == CardEncoding::MarkedCodePage)
        return QStringLiteral("%1 позначено як UTF-8, але записано не в UTF-8. Її прочитано в "
                              "кодуванні Windows-1251, у якому картки передаються.")
            .arg(file);
    return QStringLiteral("%1 записано в кодуванні UTF-8. Її прочитано, а записано буде в "
                          "кодуванні Windows-1251, у якому картки передаються.")
        .arg(file);
}

} // namespace cardfile
