#include "data/sqlitehandle.h"

#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

namespace SqliteHandle {

sqlite3 *of(const QSqlDatabase &db)
{
    if (!db.isValid() || !db.driver())
        return nullptr;
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.data());
}

bool inTransaction(const QSqlDatabase &db)
{
    if (!db.isOpen())
        return false;
    sqlite3 *native = of(db);
    return native && sqlite3_get_autocommit(native) == 0;
}

} // namespace SqliteHandle
