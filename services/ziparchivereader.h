#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

// Reads a ZIP archive held in memory without trusting it: the central
// directory is walked within its stated size (not by its 16-bit entry count,
// which wraps past 65,535 entries), every offset is checked against the
// archive, and an entry is inflated into a buffer of exactly its declared
// size, so data that inflates to more than it declares is refused instead of
// growing without bound. The CRC of every entry is verified.
//
// Supports stored and deflated entries in single-disk archives; no ZIP64
// sizes, no encryption. Entries are read by index, in constant time.
class ZipArchiveReader
{
    Q_DECLARE_TR_FUNCTIONS(ZipArchiveReader)

public:
    struct Entry
    {
        QString name;
        qint64 compressedSize = 0;
        qint64 uncompressedSize = 0;
        qint64 localHeaderOffset = 0;
        quint32 crc = 0;
        quint16 method = 0;
    };

    // Parses the central directory; false when the bytes are not a readable
    // archive or hold more than maxEntries entries (errorText() says which).
    bool open(const QByteArray &archive, qsizetype maxEntries);
    QString errorText() const { return m_error; }
    // True when open() stopped because of maxEntries.
    bool exceededEntryLimit() const { return m_exceededEntryLimit; }

    const QList<Entry> &entries() const { return m_entries; }
    // The entry's data; false with errorText() set when it is damaged.
    bool read(const Entry &entry, QByteArray *data);

private:
    bool fail(const QString &text);

    QByteArray m_archive;
    QList<Entry> m_entries;
    QString m_error;
    bool m_exceededEntryLimit = false;
};
