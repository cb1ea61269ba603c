#include "serverlog.h"

#include <QDateTime>
#include <QJsonDocument>

#include <atomic>
#include <cstdio>
#include <mutex>

namespace {

std::atomic_bool quietLog{false};
std::mutex writeLock;

void write(const char *level, const QString &event, const QJsonObject &fields)
{
    if (quietLog && qstrcmp(level, "info") == 0)
        return;
    QJsonObject line = fields;
    line.insert(QStringLiteral("ts"), QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
    line.insert(QStringLiteral("level"), QString::fromLatin1(level));
    line.insert(QStringLiteral("event"), event);
    const QByteArray text = QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n';
    const std::lock_guard guard(writeLock);
    std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
    std::fflush(stderr);
}

} // namespace

namespace ServerLog {

void info(const QString &event, const QJsonObject &fields) { write("info", event, fields); }
void warning(const QString &event, const QJsonObject &fields) { write("warning", event, fields); }
void error(const QString &event, const QJsonObject &fields) { write("error", event, fields); }
void setQuiet(bool quiet) { quietLog = quiet; }

} // namespace ServerLog
