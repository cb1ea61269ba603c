#include "data/uuids.h"

QString newUuid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QString uuidV5(const QUuid &ns, const QString &name)
{
    return QUuid::createUuidV5(ns, name.toUtf8()).toString(QUuid::WithoutBraces);
}
