#pragma once

#include "releasefolder.h"
#include "servicecontext.h"

// The download service: each channel's manifest "latest.json" and its
// detached signature, and the release notes of each version, read from the
// release folder (--release-dir) on every request, so publishing is copying
// files. Needs no sign-in. Without a release folder every file is 404.
class DownloadRoutes : public RouteGroup
{
public:
    explicit DownloadRoutes(const ServerConfig &config);
    void install(httplib::Server &server) override;

private:
    void serve(httplib::Response &response, const QString &folder, const QString &fileName, const char *contentType) const;

    ReleaseFolder m_folder;
};
