#include "services/importencoding.h"

#include <QStringDecoder>

namespace ImportEncoding {

namespace {

// Windows-1252 bytes 80..9F. The five bytes the code page leaves unassigned
// keep their own value.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool startsWith(const QByteArray &bytes, std::initializer_list<unsigned char> prefix)
{
    if (bytes.size() < qsizetype(prefix.size()))
        return false;
    qsizetype i = 0;
    for (unsigned char b : prefix) {
        if (static_cast<unsigned char>(bytes.at(i++)) != b)
            return false;
    }
    return true;
}

QString decodeWindows1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char16_t(b));
    }
    return text;
}

QString decodeWith(QStringConverter::Encoding encoding, QByteArrayView bytes)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

} // namespace

bool isWellFormedUtf8(const QByteArray &bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const auto *end = p + bytes.size();
    while (p < end) {
        const unsigned char b = *p;
        if (b < 0x80) {
            ++p;
            continue;
        }
        int length = 0;
        char32_t codePoint = 0;
        char32_t minimum = 0;
        if (b >= 0xC2 && b <= 0xDF) {
            length = 2;
            codePoint = b & 0x1F;
            minimum = 0x80;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            codePoint = b & 0x0F;
            minimum = 0x800;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            codePoint = b & 0x07;
            minimum = 0x10000;
        } else {
            return false;   // a continuation byte, C0/C1 (always overlong) or F5..FF
        }
        if (end - p < length)
            return false;
        for (int i = 1; i < length; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            codePoint = (codePoint << 6) | (p[i] & 0x3F);
        }
        if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
            return false;
        p += length;
    }
    return true;
}

Encoding detect(const QByteArray &bytes)
{
    if (startsWith(bytes, {0xEF, 0xBB, 0xBF}))
        return Encoding::Utf8Bom;
    if (startsWith(bytes, {0xFF, 0xFE}))
        return Encoding::Utf16LE;
    if (startsWith(bytes, {0xFE, 0xFF}))
        return Encoding::Utf16BE;
    return isWellFormedUtf8(bytes) ? Encoding::Utf8 : Encoding::Windows1252;
}

QString decode(const QByteArray &bytes)
{
    const QByteArrayView view(bytes);
    switch (detect(bytes)) {
    case Encoding::Utf8Bom:
        return decodeWith(QStringConverter::Utf8, view.sliced(3));
    case Encoding::Utf16LE:
        return decodeWith(QStringConverter::Utf16LE, view.sliced(2));
    case Encoding::Utf16BE:
        return decodeWith(QStringConverter::Utf16BE, view.sliced(2));
    case Encoding::Utf8:
        return QString::fromUtf8(bytes);
    case Encoding::Windows1252:
        break;
    }
    return decodeWindows1252(bytes);
}

} // namespace ImportEncoding
