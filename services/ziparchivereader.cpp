#include "services/ziparchivereader.h"

#include <zlib.h>

#include <limits>

namespace {

constexpr quint32 kLocalHeaderSignature = 0x04034b50;
constexpr quint32 kCentralHeaderSignature = 0x02014b50;
constexpr quint32 kEndOfDirectorySignature = 0x06054b50;
constexpr qsizetype kLocalHeaderSize = 30;
constexpr qsizetype kCentralHeaderSize = 46;
constexpr qsizetype kEndOfDirectorySize = 22;
constexpr quint16 kMethodStored = 0;
constexpr quint16 kMethodDeflated = 8;
constexpr quint16 kFlagEncrypted = 0x0001;
constexpr quint16 kFlagUtf8Names = 0x0800;

quint16 readU16(const char *p)
{
    const auto *u = reinterpret_cast<const uchar *>(p);
    return quint16(u[0] | (u[1] << 8));
}

quint32 readU32(const char *p)
{
    const auto *u = reinterpret_cast<const uchar *>(p);
    return quint32(u[0]) | (quint32(u[1]) << 8) | (quint32(u[2]) << 16) | (quint32(u[3]) << 24);
}

} // namespace

bool ZipArchiveReader::fail(const QString &text)
{
    m_error = text;
    return false;
}

bool ZipArchiveReader::open(const QByteArray &archive, qsizetype maxEntries)
{
    m_archive = archive;
    m_entries.clear();
    m_error.clear();
    m_exceededEntryLimit = false;

    const qsizetype size = m_archive.size();
    const char *data = m_archive.constData();
    if (size < kEndOfDirectorySize)
        return fail(tr("not a ZIP archive"));

    // The end record sits at the very end, unless an archive comment (at
    // most 65,535 bytes) follows it.
    qsizetype end = -1;
    const qsizetype lowest = qMax<qsizetype>(0, size - kEndOfDirectorySize - 0xFFFF);
    for (qsizetype pos = size - kEndOfDirectorySize; pos >= lowest; --pos) {
        if (readU32(data + pos) == kEndOfDirectorySignature
            && pos + kEndOfDirectorySize + readU16(data + pos + 20) == size) {
            end = pos;
            break;
        }
    }
    if (end < 0)
        return fail(tr("no end of central directory"));
    if (readU16(data + end + 4) != 0 || readU16(data + end + 6) != 0)
        return fail(tr("multi-disk archives are not supported"));

    const qint64 directorySize = readU32(data + end + 12);
    const qint64 directoryOffset = readU32(data + end + 16);
    if (directoryOffset + directorySize > end)
        return fail(tr("central directory out of range"));

    qint64 pos = directoryOffset;
    const qint64 directoryEnd = directoryOffset + directorySize;
    while (pos < directoryEnd) {
        if (pos + kCentralHeaderSize > directoryEnd || readU32(data + pos) != kCentralHeaderSignature)
            return fail(tr("damaged central directory"));
        if (m_entries.size() >= maxEntries) {
            m_exceededEntryLimit = true;
            return fail(tr("too many entries"));
        }
        const char *h = data + pos;
        const quint16 flags = readU16(h + 8);
        const qint64 nameLength = readU16(h + 28);
        const qint64 extraLength = readU16(h + 30);
        const qint64 commentLength = readU16(h + 32);
        const qint64 next = pos + kCentralHeaderSize + nameLength + extraLength + commentLength;
        if (next > directoryEnd)
            return fail(tr("damaged central directory"));

        Entry entry;
        entry.method = readU16(h + 10);
        entry.crc = readU32(h + 16);
        entry.compressedSize = readU32(h + 20);
        entry.uncompressedSize = readU32(h + 24);
        entry.localHeaderOffset = readU32(h + 42);
        const QByteArrayView rawName(h + kCentralHeaderSize, nameLength);
        entry.name = (flags & kFlagUtf8Names) ? QString::fromUtf8(rawName) : QString::fromLatin1(rawName);
        if (flags & kFlagEncrypted)
            entry.method = 0xFFFF; // refused when read
        m_entries.append(std::move(entry));
        pos = next;
    }
    return true;
}

bool ZipArchiveReader::read(const Entry &entry, QByteArray *out)
{
    const qint64 size = m_archive.size();
    const char *data = m_archive.constData();
    const qint64 header = entry.localHeaderOffset;
    if (header + kLocalHeaderSize > size || readU32(data + header) != kLocalHeaderSignature)
        return fail(tr("damaged local header"));
    const qint64 start = header + kLocalHeaderSize + readU16(data + header + 26) + readU16(data + header + 28);
    if (start + entry.compressedSize > size)
        return fail(tr("entry data out of range"));
    if (entry.uncompressedSize > std::numeric_limits<uInt>::max() - 1)
        return fail(tr("entry too large"));

    QByteArray result;
    if (entry.method == kMethodStored) {
        if (entry.compressedSize != entry.uncompressedSize)
            return fail(tr("stored entry size mismatch"));
        result = QByteArray(data + start, entry.uncompressedSize);
    } else if (entry.method == kMethodDeflated) {
        // One byte of headroom shows whether the data inflates past its
        // declared size; it is never kept.
        result.resize(entry.uncompressedSize + 1);
        z_stream stream{};
        stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data + start));
        stream.avail_in = uInt(entry.compressedSize);
        stream.next_out = reinterpret_cast<Bytef *>(result.data());
        stream.avail_out = uInt(result.size());
        if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
            return fail(tr("cannot inflate"));
        const int status = inflate(&stream, Z_FINISH);
        const qint64 produced = qint64(stream.total_out);
        inflateEnd(&stream);
        if (status != Z_STREAM_END || produced != entry.uncompressedSize)
            return fail(tr("entry data does not match its declared size"));
        result.truncate(produced);
    } else {
        return fail(tr("unsupported compression method"));
    }

    if (crc32(0L, reinterpret_cast<const Bytef *>(result.constData()), uInt(result.size())) != entry.crc)
        return fail(tr("CRC mismatch"));
    *out = std::move(result);
    return true;
}
