#include "serverprocess.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>

#include <csignal>

ServerProcess::ServerProcess()
    : m_ownDataDirectory(std::make_unique<QTemporaryDir>())
{
}

ServerProcess::~ServerProcess()
{
    stop();
}

QString ServerProcess::binary()
{
    return QStringLiteral(QUILLBY_SERVER_BINARY);
}

QString ServerProcess::dataDirectory() const
{
    return m_sharedDataDirectory.isEmpty() ? m_ownDataDirectory->path() : m_sharedDataDirectory;
}

QStringList ServerProcess::storageArguments() const
{
    QStringList arguments{QStringLiteral("--data-dir"), dataDirectory()};
    if (!m_databaseUrl.isEmpty())
        arguments << QStringLiteral("--database") << m_databaseUrl;
    return arguments;
}

bool ServerProcess::start(QString *error)
{
    m_process = std::make_unique<QProcess>();
    m_process->setProgram(binary());
    m_process->setArguments(storageArguments() + QStringList{QStringLiteral("--listen"), QStringLiteral("127.0.0.1"), QStringLiteral("--port"), QStringLiteral("0")}
                            + m_extraArguments);
    // The server logs a line per request. Through a pipe nobody drains
    // between waits, a few hundred requests fill it and the server blocks
    // writing its log; a file takes any amount.
    m_process->setStandardErrorFile(m_ownDataDirectory->filePath(QStringLiteral("server-stderr.log")), QIODevice::Append);
    m_process->start();
    if (!m_process->waitForStarted(10000)) {
        if (error)
            *error = QStringLiteral("cannot start %1: %2").arg(binary(), m_process->errorString());
        return false;
    }
    static const QRegularExpression listening(QStringLiteral("listening on [^\\s:]+:(\\d+)"));
    QByteArray output;
    const QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired() && m_process->state() == QProcess::Running) {
        m_process->waitForReadyRead(200);
        output += m_process->readAllStandardOutput();
        const auto match = listening.match(QString::fromUtf8(output));
        if (match.hasMatch()) {
            m_port = match.captured(1).toInt();
            return true;
        }
    }
    if (error)
        *error = QStringLiteral("the server did not start: %1").arg(QString::fromUtf8(standardError().right(2000)));
    return false;
}

int ServerProcess::stop()
{
    if (!m_process)
        return -1;
    int code = -1;
    if (m_process->state() != QProcess::NotRunning) {
        ::kill(pid_t(m_process->processId()), SIGTERM);
        if (!m_process->waitForFinished(15000)) {
            m_process->kill();
            m_process->waitForFinished(5000);
        } else if (m_process->exitStatus() == QProcess::NormalExit) {
            code = m_process->exitCode();
        }
    } else if (m_process->exitStatus() == QProcess::NormalExit) {
        code = m_process->exitCode();
    }
    m_process.reset();
    return code;
}

bool ServerProcess::isRunning() const
{
    return m_process && m_process->state() == QProcess::Running;
}

QByteArray ServerProcess::standardError() const
{
    QFile log(m_ownDataDirectory->filePath(QStringLiteral("server-stderr.log")));
    return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
}

int ServerProcess::runOnce(const QStringList &arguments, const QByteArray &input, QByteArray *output) const
{
    QProcess process;
    process.start(binary(), storageArguments() + arguments);
    if (!process.waitForStarted(10000))
        return -1;
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    if (output)
        *output = process.readAllStandardOutput() + process.readAllStandardError();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QString ServerProcess::addUser(const QString &email, const QString &password) const
{
    QByteArray output;
    if (runOnce({QStringLiteral("--add-user"), email}, password.toUtf8() + '\n', &output) != 0)
        return {};
    static const QRegularExpression created(QStringLiteral("Created user ([0-9a-f-]{36})"));
    return created.match(QString::fromUtf8(output)).captured(1);
}

qint64 ServerProcess::processId() const
{
    return m_process ? m_process->processId() : 0;
}
