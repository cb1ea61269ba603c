#include "app/startupoptions.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

// The command line as the program reads it, and which files it refuses to
// hand to the import screen.
class tst_StartupOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void parse_data();
    void parse();
    void fileProblem_data();
    void fileProblem();
    void unreadableFile();

private:
    QTemporaryDir m_dir;
};

void tst_StartupOptions::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QCoreApplication::setApplicationName(QStringLiteral("Quillby"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.1.2"));
}

void tst_StartupOptions::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("exitCode");
    // Part of the message, for the rows that print one.
    QTest::addColumn<QString>("message");

    const int start = int(StartupOptions::Action::Start);
    const int check = int(StartupOptions::Action::CheckStart);
    const int print = int(StartupOptions::Action::PrintAndExit);
    const QString cwd = QStringLiteral("/home/someone/statements");

    QTest::newRow("nothing") << QStringList{} << start << QString() << 0 << QString();
    QTest::newRow("relativeFileResolvedAgainstWorkingDirectory")
        << QStringList{"bank.csv"} << start << cwd + "/bank.csv" << 0 << QString();
    QTest::newRow("absoluteFileKept") << QStringList{"/srv/x/bank.qif"} << start << "/srv/x/bank.qif" << 0 << QString();
    QTest::newRow("dotsCleanedAway") << QStringList{"../old/./bank.ofx"} << start << "/home/someone/old/bank.ofx" << 0
                                     << QString();
    QTest::newRow("nonAsciiName") << QStringList{"März Auszug.csv"} << start << cwd + "/März Auszug.csv" << 0 << QString();
    QTest::newRow("nameLikeAnOptionAfterDashes")
        << QStringList{"--", "-weird.csv"} << start << cwd + "/-weird.csv" << 0 << QString();
    QTest::newRow("checkStart") << QStringList{"--check-start"} << check << QString() << 0 << QString();
    QTest::newRow("checkStartWithFile") << QStringList{"--check-start", "bank.csv"} << print << QString() << 2
                                        << "--check-start takes no file.";
    QTest::newRow("twoFiles") << QStringList{"a.csv", "b.csv"} << print << QString() << 2
                              << "Give at most one file to import.";
    QTest::newRow("unknownOption") << QStringList{"--bogus"} << print << QString() << 2 << "bogus";
    QTest::newRow("emptyName") << QStringList{""} << print << QString() << 2 << "The file name is empty.";
    QTest::newRow("overlongName") << QStringList{QString(StartupOptions::MaxPathBytes + 1, QLatin1Char('a'))} << print
                                  << QString() << 2 << "The file name is too long.";
    // Three bytes a character in UTF-8: short in characters, too long in bytes.
    QTest::newRow("overlongInBytes") << QStringList{QString(StartupOptions::MaxPathBytes / 3 + 1, QChar(0x20AC))}
                                     << print << QString() << 2 << "The file name is too long.";
    QTest::newRow("help") << QStringList{"--help"} << print << QString() << 0 << "--check-start";
    QTest::newRow("version") << QStringList{"--version"} << print << QString() << 0 << "Quillby 1.1.2";
}

void tst_StartupOptions::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    QFETCH(QString, file);
    QFETCH(int, exitCode);
    QFETCH(QString, message);

    arguments.prepend(QStringLiteral("quillby"));
    const StartupOptions options = StartupOptions::parse(arguments, QStringLiteral("/home/someone/statements"));
    QCOMPARE(int(options.action), action);
    QCOMPARE(options.file, file);
    QCOMPARE(options.exitCode, exitCode);
    if (message.isEmpty())
        QVERIFY(options.message.isEmpty());
    else
        QVERIFY2(options.message.contains(message), qPrintable(options.message));
}

void tst_StartupOptions::fileProblem_data()
{
    QTest::addColumn<QString>("path");
    // %1 stands for the path; empty when the file is fine.
    QTest::addColumn<QString>("problem");

    const QDir dir(m_dir.path());
    auto write = [&dir](const QString &name) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write the fixture");
        file.write("Date,Payee,Amount\n");
        return file.fileName();
    };
    const QString plain = write("bank.csv");
    const QString markup = write("<b>bold&amp;.csv");
    const QString newline = write("two\nlines.qif");
    dir.mkdir("folder");
    const QString fifo = dir.filePath("pipe.csv");
    if (::mkfifo(QFile::encodeName(fifo).constData(), 0600) != 0)
        qFatal("mkfifo failed");
    QFile::link(plain, dir.filePath("link.csv"));
    QFile::link(dir.filePath("gone.csv"), dir.filePath("dangling.csv"));
    QFile::link(QStringLiteral("/dev/zero"), dir.filePath("device.csv"));

    QTest::newRow("regularFile") << plain << QString();
    QTest::newRow("markupInName") << markup << QString();
    QTest::newRow("newlineInName") << newline << QString();
    QTest::newRow("linkToFile") << dir.filePath("link.csv") << QString();
    QTest::newRow("missing") << dir.filePath("missing.csv") << "The file \"%1\" does not exist.";
    QTest::newRow("danglingLink") << dir.filePath("dangling.csv") << "The file \"%1\" does not exist.";
    QTest::newRow("folder") << dir.filePath("folder") << "\"%1\" is a folder, not a file.";
    QTest::newRow("fifo") << fifo << "\"%1\" is not a regular file.";
    QTest::newRow("linkToDevice") << dir.filePath("device.csv") << "\"%1\" is not a regular file.";
    QTest::newRow("relative") << "bank.csv" << "\"%1\" is not a file name this program can open.";
    QTest::newRow("empty") << QString() << "\"%1\" is not a file name this program can open.";
    QTest::newRow("overlong") << "/" + QString(StartupOptions::MaxPathBytes, QLatin1Char('a'))
                              << "\"%1\" is not a file name this program can open.";
}

void tst_StartupOptions::fileProblem()
{
    QFETCH(QString, path);
    QFETCH(QString, problem);
    QCOMPARE(StartupOptions::fileProblem(path), problem.isEmpty() ? QString() : problem.arg(path));
}

void tst_StartupOptions::unreadableFile()
{
    if (::geteuid() == 0)
        QSKIP("Running as root, which reads every file: an unreadable file cannot be made");
    const QString path = QDir(m_dir.path()).filePath("secret.csv");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(file.setPermissions(QFileDevice::WriteOwner));
    QCOMPARE(StartupOptions::fileProblem(path), QStringLiteral("The file \"%1\" cannot be read.").arg(path));
}

QTEST_GUILESS_MAIN(tst_StartupOptions)

#include "tst_startupoptions.moc"
