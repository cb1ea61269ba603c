#pragma once

#include <QStringList>

// Splits a migration script into statements, line by line. Comment lines
// ("--") are dropped, a trigger from its BEGIN line to its "END;" line stays
// one statement with the semicolons of its body, and every other statement
// ends at a line ending in ";". Statements come back without the final ";".
QStringList splitSqlStatements(const QString &script);
