#include "update/platformkey.h"

#include <QSysInfo>
#include <QTest>

// The manifest's name for the build of each system and processor.
class tst_PlatformKey : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void key_data();
    void key();
    void thisSystem();
};

void tst_PlatformKey::key_data()
{
    QTest::addColumn<QString>("kernel");
    QTest::addColumn<QString>("cpu");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Linux on x86-64") << "linux" << "x86_64" << "linux-x64";
    QTest::newRow("Linux on ARM64") << "linux" << "arm64" << "linux-arm64";
    QTest::newRow("Linux on 32-bit x86") << "linux" << "i386" << "";
    QTest::newRow("Linux on RISC-V") << "linux" << "riscv64" << "";
    QTest::newRow("Windows on x86-64") << "winnt" << "x86_64" << "windows-x64";
    QTest::newRow("Windows on ARM64") << "winnt" << "arm64" << "";
    QTest::newRow("macOS on x86-64") << "darwin" << "x86_64" << "";
    QTest::newRow("FreeBSD on x86-64") << "freebsd" << "x86_64" << "";
}

void tst_PlatformKey::key()
{
    QFETCH(QString, kernel);
    QFETCH(QString, cpu);
    QFETCH(QString, expected);
    QCOMPARE(OrlUpdate::platformKey(kernel, cpu), expected);
}

void tst_PlatformKey::thisSystem()
{
    QCOMPARE(OrlUpdate::currentPlatformKey(), OrlUpdate::platformKey(QSysInfo::kernelType(), QSysInfo::currentCpuArchitecture()));
#if defined(Q_OS_LINUX) && defined(Q_PROCESSOR_X86_64)
    QCOMPARE(OrlUpdate::currentPlatformKey(), QStringLiteral("linux-x64"));
#endif
}

QTEST_GUILESS_MAIN(tst_PlatformKey)
#include "tst_platformkey.moc"
