#pragma once

#include <QJsonObject>
#include <QString>

#include <optional>

namespace httplib {
struct Request;
struct Response;
} // namespace httplib

// Reading and answering JSON requests the same way everywhere.
namespace HttpJson {

// The request body as a JSON object: a zero-length body is an empty object.
// Anything else (not JSON, not an object, nested too deeply) answers 400 and
// returns nothing.
std::optional<QJsonObject> readObject(const httplib::Request &request, httplib::Response &response);

void send(httplib::Response &response, int status, const QJsonObject &body);
// {"error": message}
void sendError(httplib::Response &response, int status, const QString &message);

// Ids in paths and bodies: 1 to 64 characters of A-Z a-z 0-9 _ -.
bool isValidId(const QString &id);

// The n-th captured group of the route's pattern, decoded.
QString pathParameter(const httplib::Request &request, int index);

// "2026-12-10T16:41:41Z"
QString isoTime(qint64 unixSeconds);

} // namespace HttpJson
