#include "app/quietloghandler.h"

#include <QFile>
#include <QTemporaryFile>
#include <QTest>

#include <cstdio>
#include <unistd.h>

class tst_QuietLogHandler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void format_data();
    void format();
    void installedHandlerWritesToStandardError();
};

void tst_QuietLogHandler::format_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("debugDropped") << int(QtDebugMsg) << QByteArray();
    QTest::newRow("infoDropped") << int(QtInfoMsg) << QByteArray();
    QTest::newRow("warningPrefixed") << int(QtWarningMsg) << QByteArray("WARN: abc\n");
    QTest::newRow("criticalBare") << int(QtCriticalMsg) << QByteArray("abc\n");
    QTest::newRow("fatalBare") << int(QtFatalMsg) << QByteArray("abc\n");
}

void tst_QuietLogHandler::format()
{
    QFETCH(int, type);
    QFETCH(QByteArray, expected);
    QCOMPARE(QuietLogHandler::format(QtMsgType(type), QStringLiteral("abc")), expected);
}

// Points file descriptor 2 at a temporary file for the life of the object.
class StderrCapture
{
public:
    StderrCapture()
    {
        m_file.open();
        std::fflush(stderr);
        m_saved = dup(2);
        dup2(m_file.handle(), 2);
    }
    QByteArray finish()
    {
        std::fflush(stderr);
        dup2(m_saved, 2);
        close(m_saved);
        QFile reader(m_file.fileName());
        reader.open(QIODevice::ReadOnly);
        return reader.readAll();
    }

private:
    QTemporaryFile m_file;
    int m_saved = -1;
};

void tst_QuietLogHandler::installedHandlerWritesToStandardError()
{
    StderrCapture capture;
    QuietLogHandler::install();
    qDebug("hidden debug");
    qInfo("Opening database at: somewhere");
    qWarning("abc");
    qCritical("def");
    qInstallMessageHandler(nullptr);
    QCOMPARE(capture.finish(), QByteArray("WARN: abc\ndef\n"));
}

QTEST_GUILESS_MAIN(tst_QuietLogHandler)
#include "tst_quietloghandler.moc"
