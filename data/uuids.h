#pragma once

#include <QString>
#include <QUuid>

// Row ids are lowercase UUID text without braces.

QString newUuid();                                             // random, version 4
QString uuidV5(const QUuid &ns, const QString &name);         // over the UTF-8 bytes of name

// Namespaces of the name-based ids: default categories use the RFC 4122 DNS
// namespace; posted recurring occurrences have their own.
inline const QUuid kCategoryNamespace{"{6ba7b810-9dad-11d1-80b4-00c04fd430c8}"};
inline const QUuid kRecurringOccurrenceNamespace{"{a1b9f7f3-2f2a-4c6b-9e1a-8b7c6d5a3f2e}"};
