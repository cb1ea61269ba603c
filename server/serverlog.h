#pragma once

#include <QJsonObject>
#include <QString>

// Structured log lines, one JSON object per line on standard error. Callers
// pass only what is safe to keep: never tokens, passwords or row contents.
namespace ServerLog {

void info(const QString &event, const QJsonObject &fields = {});
void warning(const QString &event, const QJsonObject &fields = {});
void error(const QString &event, const QJsonObject &fields = {});

// Tests and the command-line modes keep the output quiet.
void setQuiet(bool quiet);

} // namespace ServerLog
