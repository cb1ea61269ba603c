#include "httpjson.h"

#include "responsecompression.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QRegularExpression>

#include <httplib.h>

namespace {

// QJsonDocument refuses deeper documents itself; our requests are all flat
// or two levels deep, so anything deeper than this is refused early.
constexpr int MaxDepth = 16;

bool tooDeep(const std::string &body)
{
    int depth = 0;
    bool inString = false;
    bool escaped = false;
    for (const char c : body) {
        if (inString) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                inString = false;
            continue;
        }
        if (c == '"')
            inString = true;
        else if (c == '{' || c == '[') {
            if (++depth > MaxDepth)
                return true;
        } else if (c == '}' || c == ']')
            --depth;
    }
    return false;
}

} // namespace

namespace HttpJson {

std::optional<QJsonObject> readObject(const httplib::Request &request, httplib::Response &response)
{
    if (request.body.empty())
        return QJsonObject{};
    if (tooDeep(request.body)) {
        sendError(response, 400, QStringLiteral("The request body is nested too deeply."));
        return std::nullopt;
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromRawData(request.body.data(), qsizetype(request.body.size())), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        sendError(response, 400, QStringLiteral("The request body is not a JSON object."));
        return std::nullopt;
    }
    return document.object();
}

void send(httplib::Response &response, int status, const QJsonObject &body)
{
    response.status = status;
    const QByteArray text = QJsonDocument(body).toJson(QJsonDocument::Compact);
    // Not the bare type: the HTTP library would brotli-compress it at its
    // slowest setting (see ResponseCompression).
    response.set_content(text.constData(), size_t(text.size()), ResponseCompression::JsonType);
}

void sendError(httplib::Response &response, int status, const QString &message)
{
    send(response, status, {{QStringLiteral("error"), message}});
}

bool isValidId(const QString &id)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9_-]{1,64}$"));
    return pattern.match(id).hasMatch();
}

QString pathParameter(const httplib::Request &request, int index)
{
    if (index >= int(request.matches.size()))
        return {};
    return QString::fromStdString(request.matches[size_t(index)].str());
}

QString isoTime(qint64 unixSeconds)
{
    return QDateTime::fromSecsSinceEpoch(unixSeconds, Qt::UTC).toString(Qt::ISODate);
}

} // namespace HttpJson
