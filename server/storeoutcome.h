#pragma once

#include <QString>

// What a change asked of a store came to, with the text shown to the user
// when it was refused. The routes turn the kind into an HTTP status.
struct StoreOutcome
{
    enum class Kind { Done, Invalid, Forbidden, NotFound, Conflict, Unavailable };

    Kind kind = Kind::Done;
    QString message;

    bool ok() const { return kind == Kind::Done; }
    int httpStatus() const
    {
        switch (kind) {
        case Kind::Done: return 200;
        case Kind::Invalid: return 400;
        case Kind::Forbidden: return 403;
        case Kind::NotFound: return 404;
        case Kind::Conflict: return 409;
        case Kind::Unavailable: return 503;
        }
        return 500;
    }

    static StoreOutcome done() { return {}; }
    static StoreOutcome refused(Kind kind, const QString &message) { return {kind, message}; }
    static StoreOutcome unavailable() { return {Kind::Unavailable, QStringLiteral("The database is not available right now. Please try again.")}; }
};
