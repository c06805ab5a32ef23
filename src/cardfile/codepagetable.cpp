#include "cardfile/codepagetable.h"

#include "cardfile/codepage.h"

#include <array>
#include <vector>

namespace codepage::table {
namespace {

struct Tables
{
    // Character of every byte; empty when the codec is not a one-byte code
    // page that maps its 256 bytes there and back.
    QString characters;
    // Byte of every UTF-16 unit, -1 where the code page has none.
    std::vector<qint16> bytes;
};

const Tables &tables()
{
    static const Tables built = [] {
        QByteArray all(256, '\0');
        for (int byte = 0; byte < 256; ++byte)
            all[byte] = char(byte);
        Tables result;
        const QString characters = codepage::decode(all);
        if (characters.size() != 256 || codepage::encode(characters) != all)
            return result;
        result.characters = characters;
        result.bytes.assign(0x10000, -1);
        for (int byte = 0; byte < 256; ++byte)
            result.bytes[characters[byte].unicode()] = qint16(byte);
        return result;
    }();
    return built;
}

} // namespace

QString decode(const QByteArray &bytes)
{
    const Tables &t = tables();
    if (t.characters.isEmpty())
        return codepage::decode(bytes);
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes)
        *out++ = t.characters[uchar(byte)];
    return text;
}

std::optional<QByteArray> encodeHeld(QStringView text)
{
    const Tables &t = tables();
    if (t.bytes.empty())
        return std::nullopt;
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (const QChar character : text) {
        const qint16 byte = t.bytes[character.unicode()];
        if (byte < 0)
            return std::nullopt;
        *out++ = char(byte);
    }
    return bytes;
}

bool holdsAll(QStringView text)
{
    const Tables &t = tables();
    if (t.bytes.empty())
        return false;
    for (const QChar character : text) {
        if (t.bytes[character.unicode()] < 0)
            return false;
    }
    return true;
}

} // namespace codepage::table
