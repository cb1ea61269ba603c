#pragma once

#include <QUrl>

#include <functional>

namespace OrlUpdate {

// Opens addresses in the user's browser (QDesktopServices). Tests install a
// handler that records the address instead, so no browser starts.
class UrlOpener
{
public:
    using Handler = std::function<bool(const QUrl &)>;

    static bool open(const QUrl &url);
    // Installs (or with an empty function removes) the test handler.
    static void setHandler(Handler handler);
};

} // namespace OrlUpdate
