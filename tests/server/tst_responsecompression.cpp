#include "responsecompression.h"

#include <QTest>

#include <httplib.h>
#include <zlib.h>

namespace {

QByteArray gunzip(const std::string &data)
{
    z_stream stream{};
    if (inflateInit2(&stream, 15 + 16) != Z_OK)
        return {};
    QByteArray out(1 << 20, Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.data()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    const int result = inflate(&stream, Z_FINISH);
    out.truncate(qsizetype(stream.total_out));
    inflateEnd(&stream);
    return result == Z_STREAM_END ? out : QByteArray();
}

QByteArray page(int rows)
{
    QByteArray body = "{\"transactions\":[";
    for (int i = 0; i < rows; ++i)
        body += (i ? "," : "") + QByteArray("{\"id\":\"t") + QByteArray::number(i) + "\",\"payee\":\"Corner Grocer\"}";
    return body + "]}";
}

} // namespace

class tst_ResponseCompression : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answers_data()
    {
        QTest::addColumn<QString>("acceptEncoding");
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("gzipped");
        QTest::newRow("gzip accepted") << "gzip, deflate" << 200 << true;
        QTest::newRow("brotli first, gzip too") << "br, gzip" << 200 << true;
        QTest::newRow("with a weight") << "deflate, gzip;q=0.5" << 200 << true;
        QTest::newRow("gzip refused") << "gzip;q=0, deflate" << 200 << false;
        QTest::newRow("brotli only") << "br" << 200 << false;
        QTest::newRow("nothing accepted") << "" << 200 << false;
        QTest::newRow("too small to bother") << "gzip" << 1 << false;
    }

    void answers()
    {
        QFETCH(QString, acceptEncoding);
        QFETCH(int, rows);
        QFETCH(bool, gzipped);
        httplib::Request request;
        if (!acceptEncoding.isEmpty())
            request.set_header("Accept-Encoding", acceptEncoding.toStdString());
        httplib::Response response;
        const QByteArray body = page(rows);
        ResponseCompression::setJson(request, response, body);

        // Never left for the HTTP library to compress again.
        QCOMPARE(QByteArray::fromStdString(response.get_header_value("Content-Type")),
                 QByteArray(ResponseCompression::JsonType));
        QCOMPARE(response.has_header("Content-Encoding"), gzipped);
        if (gzipped) {
            QCOMPARE(QByteArray::fromStdString(response.get_header_value("Content-Encoding")), QByteArray("gzip"));
            QVERIFY(response.body.size() < size_t(body.size()));
            QCOMPARE(gunzip(response.body), body);
        } else {
            QCOMPARE(QByteArray::fromStdString(response.body), body);
        }
    }
};

QTEST_GUILESS_MAIN(tst_ResponseCompression)
#include "tst_responsecompression.moc"
