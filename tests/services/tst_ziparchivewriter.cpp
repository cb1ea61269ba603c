#include "services/ziparchivereader.h"
#include "services/ziparchivewriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <zip.h>

// The writer and reader together: produced entries are asked for while the
// archive is written and come back in order, a failed write keeps an
// earlier file, and the reader bounds what it inflates.
class tst_ZipArchiveWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void producedAndGivenEntriesRoundTrip();
    void repeatedNameIsRefused();
    void failedProducerKeepsEarlierFile();
    void readerBoundsAndMethods_data();
    void readerBoundsAndMethods();
};

void tst_ZipArchiveWriter::producedAndGivenEntriesRoundTrip()
{
    ZipArchiveWriter writer(QDateTime(QDate(2024, 3, 1), QTime(10, 0)));
    QVERIFY(writer.openBuffer());
    QList<quint64> asked;
    writer.setProducer([&asked](quint64 key, QByteArray *data) {
        asked.append(key);
        *data = QByteArray("row ") + QByteArray::number(key);
        return true;
    });
    QVERIFY(writer.addProduced("rows/b.json", 7, ZipArchiveWriter::Compression::Store));
    QVERIFY(writer.addData("empty.json", QByteArray(), ZipArchiveWriter::Compression::Store));
    QVERIFY(writer.addProduced("rows/a.json", 3, ZipArchiveWriter::Compression::Deflate));
    QVERIFY(writer.addData("manifest.json", QByteArray(4000, 'x'), ZipArchiveWriter::Compression::Deflate));
    QVERIFY(asked.isEmpty());   // nothing is produced before the archive is written
    QVERIFY2(writer.close(), qPrintable(writer.errorText()));
    QCOMPARE(asked, (QList<quint64>{7, 3}));
    const QByteArray archive = writer.takeBuffer();

    ZipArchiveReader reader;
    QCOMPARE(reader.open(archive), ZipArchiveReader::OpenStatus::Opened);
    QCOMPARE(reader.count(), 4);
    const QList<QByteArray> names{"rows/b.json", "empty.json", "rows/a.json", "manifest.json"};
    const QList<QByteArray> contents{"row 7", "", "row 3", QByteArray(4000, 'x')};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(reader.entry(i).name, names[i]);
        QByteArray data;
        QVERIFY2(reader.read(i, 1 << 20, &data), qPrintable(reader.errorText()));
        QCOMPARE(data, contents[i]);
    }
    QVERIFY(reader.entry(3).compressedSize < 100);
    QCOMPARE(reader.entry(0).compressedSize, 5);
}

void tst_ZipArchiveWriter::repeatedNameIsRefused()
{
    ZipArchiveWriter writer;
    QVERIFY(writer.openBuffer());
    QVERIFY(writer.addData("a.json", "first", ZipArchiveWriter::Compression::Store));
    QVERIFY(!writer.addData("a.json", "second", ZipArchiveWriter::Compression::Store));
    QVERIFY(writer.nameTaken());
    QVERIFY(!writer.addProduced("a.json", 1, ZipArchiveWriter::Compression::Store));
    QVERIFY(writer.nameTaken());
    QVERIFY(writer.close());

    ZipArchiveReader reader;
    QCOMPARE(reader.open(writer.takeBuffer()), ZipArchiveReader::OpenStatus::Opened);
    QCOMPARE(reader.count(), 1);
    QByteArray data;
    QVERIFY(reader.read(0, 100, &data));
    QCOMPARE(data, QByteArray("first"));
}

void tst_ZipArchiveWriter::failedProducerKeepsEarlierFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("backup.zip");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("earlier");
    }
    ZipArchiveWriter writer;
    QVERIFY(writer.openFile(path));
    writer.setProducer([](quint64 key, QByteArray *data) {
        *data = "fine";
        return key != 2;
    });
    for (quint64 key = 1; key <= 3; ++key)
        QVERIFY(writer.addProduced(QByteArray::number(key) + ".json", key, ZipArchiveWriter::Compression::Store));
    QVERIFY(!writer.close());
    QVERIFY(!writer.errorText().isEmpty());

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("earlier"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"backup.zip"});
}

void tst_ZipArchiveWriter::readerBoundsAndMethods_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<qint64>("maxSize");
    QTest::addColumn<bool>("readable");

    QTest::newRow("storedWithinBound") << int(ZIP_CM_STORE) << qint64(1000) << true;
    QTest::newRow("deflatedAtBound") << int(ZIP_CM_DEFLATE) << qint64(1000) << true;
    QTest::newRow("deflatedOverBound") << int(ZIP_CM_DEFLATE) << qint64(999) << false;
    if (zip_compression_method_supported(ZIP_CM_BZIP2, 1))
        QTest::newRow("bzip2Refused") << int(ZIP_CM_BZIP2) << qint64(1000) << false;
}

void tst_ZipArchiveWriter::readerBoundsAndMethods()
{
    QFETCH(int, method);
    QFETCH(qint64, maxSize);
    QFETCH(bool, readable);

    // Written with libzip itself, so any method it has can be tried.
    const QByteArray content(1000, 'q');
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *out = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t *archive = zip_open_from_source(out, ZIP_TRUNCATE, &error);
    QVERIFY(archive);
    zip_source_keep(out);
    const zip_int64_t index = zip_file_add(
        archive, "entry", zip_source_buffer(archive, content.constData(), zip_uint64_t(content.size()), 0), 0);
    QCOMPARE(zip_set_file_compression(archive, zip_uint64_t(index), method, 0), 0);
    QCOMPARE(zip_close(archive), 0);
    zip_stat_t stat;
    zip_stat_init(&stat);
    QCOMPARE(zip_source_stat(out, &stat), 0);
    QByteArray bytes(qsizetype(stat.size), Qt::Uninitialized);
    QCOMPARE(zip_source_open(out), 0);
    QCOMPARE(zip_source_read(out, bytes.data(), stat.size), zip_int64_t(stat.size));
    zip_source_close(out);
    zip_source_free(out);
    zip_error_fini(&error);

    ZipArchiveReader reader;
    QCOMPARE(reader.open(bytes), ZipArchiveReader::OpenStatus::Opened);
    QCOMPARE(reader.entry(0).size, 1000);
    QByteArray data;
    QCOMPARE(reader.read(0, maxSize, &data), readable);
    QCOMPARE(data, readable ? content : QByteArray());
}

QTEST_GUILESS_MAIN(tst_ZipArchiveWriter)
#include "tst_ziparchivewriter.moc"
