#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include <functional>

struct zip;
struct zip_source;

// Writes a new ZIP archive through libzip, into memory or into a file. A
// file is written under a temporary name beside its final one and renamed
// over it only once complete, so a failed write leaves an earlier file as it
// was.
//
// Besides entries whose bytes are given up front, it takes produced entries:
// libzip asks the producer for an entry's bytes only while close() writes
// that entry, and they are dropped once written, so an archive of many
// entries never holds all its contents in memory at once. Entries are
// written in the order they were added. Every entry gets the same
// timestamp and the permissions rw------- of a regular file.
class ZipArchiveWriter
{
    Q_DECLARE_TR_FUNCTIONS(ZipArchiveWriter)

public:
    enum class Compression { Store, Deflate };
    // Gives the bytes of the produced entry added with `key`; false stops
    // the write, and close() fails.
    using Producer = std::function<bool(quint64 key, QByteArray *data)>;

    explicit ZipArchiveWriter(const QDateTime &timestamp = QDateTime::currentDateTime());
    ~ZipArchiveWriter();
    ZipArchiveWriter(const ZipArchiveWriter &) = delete;
    ZipArchiveWriter &operator=(const ZipArchiveWriter &) = delete;

    bool openBuffer();
    bool openFile(const QString &path);
    void setProducer(Producer producer) { m_producer = std::move(producer); }

    // Both fail (errorText() says why) when the name is already taken or
    // libzip refuses the entry.
    bool addData(const QByteArray &utf8Name, const QByteArray &data, Compression compression);
    bool addProduced(const QByteArray &utf8Name, quint64 key, Compression compression);
    // True when the last add failed because an entry of that name exists.
    bool nameTaken() const { return m_nameTaken; }

    // Writes the archive; nothing can be added afterwards.
    bool close();
    // The archive bytes after a successful close() of openBuffer().
    QByteArray takeBuffer();
    QString errorText() const { return m_error; }

private:
    bool finishAdd(qint64 index, Compression compression);
    void discard();

    zip *m_archive = nullptr;
    zip_source *m_buffer = nullptr;
    Producer m_producer;
    qint64 m_mtime = 0;
    QString m_error;
    bool m_nameTaken = false;
};
