#pragma once

#include <QSqlDatabase>

struct sqlite3;

// Direct questions to SQLite that Qt's driver does not ask.
namespace SqliteHandle {

// The connection's native handle, or null when it is not an open SQLite one.
sqlite3 *of(const QSqlDatabase &db);

// True while the connection is inside a transaction. SQLite ends the whole
// transaction by itself after some failures (a trigger raising ROLLBACK, a
// full disk); writes after that would each commit on their own, so callers
// that group writes check this after a failed write.
bool inTransaction(const QSqlDatabase &db = QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection),
                                                                    false));

} // namespace SqliteHandle
