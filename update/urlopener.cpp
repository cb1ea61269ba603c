#include "update/urlopener.h"

#include <QDesktopServices>

namespace OrlUpdate {

namespace {

UrlOpener::Handler &handler()
{
    static UrlOpener::Handler installed;
    return installed;
}

} // namespace

bool UrlOpener::open(const QUrl &url)
{
    if (handler())
        return handler()(url);
    return QDesktopServices::openUrl(url);
}

void UrlOpener::setHandler(Handler newHandler)
{
    handler() = std::move(newHandler);
}

} // namespace OrlUpdate
