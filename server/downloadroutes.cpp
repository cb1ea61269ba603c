#include "downloadroutes.h"

#include "httpjson.h"
#include "serverlog.h"

#include <httplib.h>

namespace {

const char JsonType[] = "application/json";
const char SignatureType[] = "text/plain; charset=utf-8";
const char MarkdownType[] = "text/markdown; charset=utf-8";

void sendNotValid(httplib::Response &response)
{
    HttpJson::sendError(response, 400, QStringLiteral("The address names no release."));
}

} // namespace

DownloadRoutes::DownloadRoutes(const ServerConfig &config)
    : m_folder(config.releaseDirectory)
{
}

void DownloadRoutes::install(httplib::Server &server)
{
    // The captures take everything up to the file name, so that a name with
    // a "/" (plain or encoded) is refused by the patterns rather than
    // searched for.
    server.Get(R"(/quillby/(.*)/latest\.json)", [this](const httplib::Request &request, httplib::Response &response) {
        const QString channel = HttpJson::pathParameter(request, 1);
        if (!ReleaseFolder::isValidChannel(channel))
            return sendNotValid(response);
        serve(response, channel, QStringLiteral("latest.json"), JsonType);
    });
    server.Get(R"(/quillby/(.*)/latest\.json\.sig)", [this](const httplib::Request &request, httplib::Response &response) {
        const QString channel = HttpJson::pathParameter(request, 1);
        if (!ReleaseFolder::isValidChannel(channel))
            return sendNotValid(response);
        serve(response, channel, QStringLiteral("latest.json.sig"), SignatureType);
    });
    server.Get(R"(/quillby/(.*)/release-notes\.md)", [this](const httplib::Request &request, httplib::Response &response) {
        const QString version = HttpJson::pathParameter(request, 1);
        if (!ReleaseFolder::isValidVersion(version))
            return sendNotValid(response);
        serve(response, version, QStringLiteral("release-notes.md"), MarkdownType);
    });
    server.Get(R"(/quillby/(.*)/release-notes\.(.*)\.md)", [this](const httplib::Request &request, httplib::Response &response) {
        const QString version = HttpJson::pathParameter(request, 1);
        const QString language = HttpJson::pathParameter(request, 2);
        if (!ReleaseFolder::isValidVersion(version) || !ReleaseFolder::isValidLanguage(language))
            return sendNotValid(response);
        serve(response, version, QStringLiteral("release-notes.%1.md").arg(language), MarkdownType);
    });
}

void DownloadRoutes::serve(httplib::Response &response, const QString &folder, const QString &fileName, const char *contentType) const
{
    QByteArray content;
    switch (m_folder.read(folder, fileName, content)) {
    case ReleaseFolder::ReadResult::Ok:
        break;
    case ReleaseFolder::ReadResult::NotFound:
        HttpJson::sendError(response, 404, QStringLiteral("No such file."));
        return;
    case ReleaseFolder::ReadResult::TooLarge:
        ServerLog::warning(QStringLiteral("release_file_too_large"), {{QStringLiteral("folder"), folder}, {QStringLiteral("file"), fileName}});
        HttpJson::sendError(response, 500, QStringLiteral("The file is too large to publish."));
        return;
    case ReleaseFolder::ReadResult::Failed:
        ServerLog::warning(QStringLiteral("release_file_unreadable"), {{QStringLiteral("folder"), folder}, {QStringLiteral("file"), fileName}});
        HttpJson::sendError(response, 500, QStringLiteral("The file cannot be read."));
        return;
    }
    // Caches must ask again: a new release replaces these files in place.
    response.set_header("Cache-Control", "no-cache");
    response.set_header("X-Content-Type-Options", "nosniff");
    response.status = 200;
    response.set_content(content.constData(), size_t(content.size()), contentType);
}
