#pragma once

#include <QByteArray>

namespace httplib {
struct Request;
struct Response;
}

// JSON answers are compressed here, with gzip at a fast level, instead of by
// the HTTP library: that one picks brotli at its highest quality whenever a
// client accepts it, which on a page of synced rows costs many times more
// than building the page. The type is given with its charset, which the
// library does not compress again.
namespace ResponseCompression {

inline constexpr char JsonType[] = "application/json; charset=utf-8";

// Sets `body` as the answer; gzip-compressed when it is large enough to be
// worth it and the client accepts gzip.
void setJson(const httplib::Request &request, httplib::Response &response, const QByteArray &body);

// The gzip form of `data` (fast level), or empty on failure.
QByteArray gzip(const QByteArray &data);

} // namespace ResponseCompression
