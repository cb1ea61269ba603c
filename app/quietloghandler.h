#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The log output of a normal run: debug and info are dropped, warnings print
// as "WARN: text", critical and fatal messages as the text alone, all on
// standard error.
namespace QuietLogHandler {

// The bytes written for one message; empty for a dropped one.
QByteArray format(QtMsgType type, const QString &message);
void install();

} // namespace QuietLogHandler
