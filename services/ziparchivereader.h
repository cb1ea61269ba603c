#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

struct zip;
struct zip_source;

// Reads a ZIP archive through libzip, held in memory or in a file, without
// trusting it. Opening checks that every entry's local header agrees with
// its central directory record (name, method, sizes, CRC), so a damaged
// directory cannot quietly rename or resize an entry. An entry is read into
// a buffer of at most its declared size: data that inflates to more than it
// declares is refused while inflating, and its CRC is verified.
//
// It reports what the archive declares; how much to accept (entry sizes,
// entry counts) is the caller's policy. Only stored and deflated entries are
// read; encrypted entries and other methods are refused.
class ZipArchiveReader
{
    Q_DECLARE_TR_FUNCTIONS(ZipArchiveReader)

public:
    enum class OpenStatus { Opened, NotZip, Inconsistent };

    struct Entry
    {
        QByteArray name;            // as stored, UTF-8
        qint64 size = 0;            // uncompressed, as the central directory declares
        qint64 compressedSize = 0;
        bool readable = false;      // stored or deflated, not encrypted
    };

    ZipArchiveReader() = default;
    ~ZipArchiveReader();
    ZipArchiveReader(const ZipArchiveReader &) = delete;
    ZipArchiveReader &operator=(const ZipArchiveReader &) = delete;

    // The bytes are not copied: they must outlive the reader.
    OpenStatus open(const QByteArray &archive);
    OpenStatus openFile(const QString &path);
    // libzip's words for why open() or read() failed, for logs and details.
    QString errorText() const { return m_error; }

    qint64 count() const;
    Entry entry(qint64 index) const;
    // The entry's data, which must be no larger than maxSize; false with
    // errorText() set when it is damaged, unreadable or too large.
    bool read(qint64 index, qint64 maxSize, QByteArray *data);

private:
    OpenStatus openSource(zip_source *source);
    void close();

    zip *m_archive = nullptr;
    QString m_error;
};
