#pragma once

class QUrl;

namespace OrlUpdate {

// Where the update client may fetch from and send people to: https
// addresses, and plain http only to this machine (127.0.0.0/8, ::1 or
// "localhost"), which is how a household's own server is reached before it
// has a certificate. Anything else could be changed on the way.
bool isTrustedAddress(const QUrl &url);

} // namespace OrlUpdate
