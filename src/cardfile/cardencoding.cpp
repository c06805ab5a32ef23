#include "cardfile/cardencoding.h"

#include "cardfile/codepagetable.h"
#include "cardfile/fileerror.h"

#include <QStringDecoder>

namespace cardfile {
namespace {

const QByteArray kByteOrderMark("\xEF\xBB\xBF");

bool isCyrillicLetter(char16_t c)
{
    return c >= 0x0400 && c <= 0x04FF && QChar(c).isLetter();
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

// The text when `bytes` are valid UTF-8 that looks like a Ukrainian card.
std::optional<QString> asUkrainianUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    bool cyrillic = false;
    for (const QChar character : std::as_const(text)) {
        const char16_t c = character.unicode();
        if (c < 0x80)
            continue;
        if (isCyrillicLetter(c))
            cyrillic = true;
        else if (!isTextPunctuation(c))
            return std::nullopt;
    }
    if (!cyrillic)
        return std::nullopt;
    return text;
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
    qsizetype at = 0;
    while (at < text.size() && !blanked(text[at].unicode()))
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
        card.text = QString::fromUtf8(bytes.constData() + kByteOrderMark.size(),
                                      bytes.size() - kByteOrderMark.size());
        card.utf8 = true;
    } else if (hasHighBytes(bytes)) {
        if (std::optional<QString> text = asUkrainianUtf8(bytes)) {
            card.text = std::move(*text);
            card.utf8 = true;
        }
    }
    if (!card.utf8)
        card.text = codepage::table::decode(bytes);
    blankControls<isControlInLine>(card.text);
    return card;
}

QString blankedControls(QString text)
{
    blankControls<isControl>(text);
    return text;
}

QString utf8Notice(const QString &path)
{
    const QString file = path.isEmpty()
                             ? QStringLiteral("Картку")
                             : QStringLiteral("Картку з файлу «%1»").arg(displayPath(path));
    return QStringLiteral("%1 записано в кодуванні UTF-8. Її прочитано, а записано буде в "
                          "кодуванні Windows-1251, у якому картки передаються.")
        .arg(file);
}

} // namespace cardfile
