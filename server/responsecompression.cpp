#include "responsecompression.h"

#include <QByteArrayList>

#include <httplib.h>
#include <zlib.h>

namespace ResponseCompression {

namespace {

constexpr qsizetype MinimumSize = 1024;

bool acceptsGzip(const httplib::Request &request)
{
    const QByteArray header = QByteArray::fromStdString(request.get_header_value("Accept-Encoding")).toLower();
    for (const QByteArray &part : header.split(',')) {
        const QByteArrayList coding = part.trimmed().split(';');
        if (coding.first().trimmed() != "gzip")
            continue;
        // "gzip;q=0" refuses it.
        for (const QByteArray &parameter : coding.mid(1)) {
            const QByteArray value = parameter.trimmed();
            if (value.startsWith("q=") && value.mid(2).toDouble() <= 0)
                return false;
        }
        return true;
    }
    return false;
}

} // namespace

QByteArray gzip(const QByteArray &data)
{
    z_stream stream{};
    // 15 + 16: a gzip header and trailer around the deflate stream.
    if (deflateInit2(&stream, 1, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return {};
    QByteArray out(qsizetype(deflateBound(&stream, uLong(data.size()))), Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    const int result = deflate(&stream, Z_FINISH);
    const qsizetype written = qsizetype(stream.total_out);
    deflateEnd(&stream);
    if (result != Z_STREAM_END)
        return {};
    out.truncate(written);
    return out;
}

void setJson(const httplib::Request &request, httplib::Response &response, const QByteArray &body)
{
    if (body.size() >= MinimumSize && acceptsGzip(request)) {
        const QByteArray compressed = gzip(body);
        if (!compressed.isEmpty()) {
            response.set_header("Content-Encoding", "gzip");
            response.set_header("Vary", "Accept-Encoding");
            response.set_content(compressed.constData(), size_t(compressed.size()), JsonType);
            return;
        }
    }
    response.set_content(body.constData(), size_t(body.size()), JsonType);
}

} // namespace ResponseCompression
