#include "data/sqlstatementsplitter.h"

namespace {

void flush(QString &current, QStringList &statements)
{
    QString statement = current.trimmed();
    current.clear();
    if (statement.isEmpty() || statement == QLatin1String(";"))
        return;
    if (statement.endsWith(QLatin1Char(';')))
        statement.chop(1);
    statement = statement.trimmed();
    if (!statement.isEmpty())
        statements.append(statement);
}

} // namespace

QStringList splitSqlStatements(const QString &script)
{
    QStringList statements;
    QString current;
    int depth = 0;

    const QStringList lines = script.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1String("--")))
            continue;
        current += line;
        current += QLatin1Char('\n');

        const QString upper = trimmed.toUpper();
        const bool opens = upper.contains(QLatin1String("BEGIN"));
        const bool closes = upper.startsWith(QLatin1String("END")) && depth + (opens ? 1 : 0) > 0;
        depth += (opens ? 1 : 0) - (closes ? 1 : 0);

        if (depth == 0 && trimmed.endsWith(QLatin1Char(';')))
            flush(current, statements);
    }
    flush(current, statements);
    return statements;
}
