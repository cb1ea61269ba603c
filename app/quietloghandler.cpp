#include "app/quietloghandler.h"

#include <cstdio>

namespace QuietLogHandler {

QByteArray format(QtMsgType type, const QString &message)
{
    switch (type) {
    case QtDebugMsg:
    case QtInfoMsg:
        return QByteArray();
    case QtWarningMsg:
        return "WARN: " + message.toLocal8Bit() + '\n';
    case QtCriticalMsg:
    case QtFatalMsg:
        break;
    }
    return message.toLocal8Bit() + '\n';
}

namespace {
void handle(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    const QByteArray bytes = format(type, message);
    if (!bytes.isEmpty()) {
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
        std::fflush(stderr);
    }
}
} // namespace

void install()
{
    qInstallMessageHandler(handle);
}

} // namespace QuietLogHandler
