#include "app/application.h"
#include "app/appstate.h"
#include "app/datadirectory.h"
#include "app/instancechannel.h"
#include "app/startupoptions.h"
#include "data/database.h"
#include "ui/mainwindow.h"
#include "ui/importfileopener.h"
#include "ui/messagebox.h"
#include "ui/screens/importscreen.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

// Runs against a real Application (the test's own main below) so identity,
// translators and the start-up path are the program's.
class tst_Application : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void identity();
    void uiLanguage_data();
    void uiLanguage();
    void translationCatalogsLoad_data();
    void translationCatalogsLoad();
    void iconAndFontResources();
    void dataDirectoryIsCreatedOwnerOnly();
    void initializeCreatesDatabase();
    void setCurrentAccountIdEmitsOnce();
    void runShowsMainWindow();
    void corruptDatabaseShowsErrorAndKeepsFile();
    void unwritableLocationShowsError();
    void secondStartHandsOverAndEnds_data();
    void secondStartHandsOverAndEnds();
    void runningCopyTakesAFileFromAnotherProcess();
    void fileThatCannotBeOpenedIsToldAndStartGoesOn_data();
    void fileThatCannotBeOpenedIsToldAndStartGoesOn();
    void checkStartCreatesDatabaseWithoutShowing();
    void wrongCommandLineEndsWithStatusTwo();

private:
    static StartupOptions options(const QStringList &arguments);
    static QString writeCsv(const QTemporaryDir &dir);
    QTemporaryDir m_settingsDir;
    QList<MessageBox::Request> m_boxes;
};

void tst_Application::initTestCase()
{
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settingsDir.path());
    MessageBox::setResponder([this](const MessageBox::Request &request) {
        m_boxes.append(request);
        return QMessageBox::Ok;
    });
}

void tst_Application::cleanup()
{
    m_boxes.clear();
    QSettings().clear();
    qunsetenv("QUILLBY_DATA_DIR");
}

void tst_Application::identity()
{
    QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Orlindo"));
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Quillby"));
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.1.2"));
    QCOMPARE(Application::supportedLanguages(), (QStringList{"en", "es", "de", "fr", "ja"}));
}

void tst_Application::uiLanguage_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("systemLocale");
    QTest::addColumn<bool>("resolve");
    QTest::addColumn<QString>("expected");

    QTest::newRow("brazilianFallsBackToEnglish") << "system" << "pt_BR" << true << "en";
    QTest::newRow("austrianGerman") << "system" << "de_AT" << true << "de";
    QTest::newRow("japanese") << "system" << "ja_JP" << true << "ja";
    QTest::newRow("storedWins") << "fr" << "de_DE" << true << "fr";
    QTest::newRow("unresolvedSystem") << "system" << "de_DE" << false << "system";
    QTest::newRow("unsetIsSystem") << "" << "es_ES" << true << "es";
}

void tst_Application::uiLanguage()
{
    QFETCH(QString, stored);
    QFETCH(QString, systemLocale);
    QFETCH(bool, resolve);
    QFETCH(QString, expected);

    const QLocale saved;
    QLocale::setDefault(QLocale(systemLocale));
    if (!stored.isEmpty())
        Application::setUiLanguage(stored);
    const QString actual = Application::uiLanguage(resolve);
    QLocale::setDefault(saved);
    QCOMPARE(actual, expected);
}

void tst_Application::translationCatalogsLoad_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("title");
    QTest::newRow("de") << "de" << "Datenbankfehler";
    QTest::newRow("es") << "es" << "Error de base de datos";
    QTest::newRow("fr") << "fr" << "Erreur de base de données";
    QTest::newRow("ja") << "ja" << "データベースエラー";
}

void tst_Application::translationCatalogsLoad()
{
    QFETCH(QString, language);
    QFETCH(QString, title);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/quillby_%1.qm").arg(language)));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const QString translated = Application::tr("Database Error");
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(translated, title);
    QCOMPARE(Application::tr("Database Error"), QStringLiteral("Database Error"));
}

void tst_Application::iconAndFontResources()
{
    QVERIFY(QFile::exists(":/icons/icons/app_icon.png"));
    QVERIFY(QFileInfo(":/fonts/fonts/MaterialIcons-Regular.otf").size() > 10000);
    QVERIFY(!QApplication::windowIcon().isNull());
}

void tst_Application::dataDirectoryIsCreatedOwnerOnly()
{
    QTemporaryDir parent;
    const QString target = parent.filePath("a/b/data");
    qputenv("QUILLBY_DATA_DIR", target.toUtf8());
    QCOMPARE(dataDirectory(), target);
    QVERIFY(QFileInfo(target).isDir());
    const auto everyoneElse = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
                              | QFile::WriteOther | QFile::ExeOther;
    QCOMPARE(QFile::permissions(target) & everyoneElse, QFileDevice::Permissions());
    QCOMPARE(QFile::permissions(parent.filePath("a")) & everyoneElse, QFileDevice::Permissions());
    QCOMPARE(databasePath(), target + "/quillby.db");
}

void tst_Application::initializeCreatesDatabase()
{
    QTemporaryDir dir;
    qputenv("QUILLBY_DATA_DIR", dir.filePath("fresh").toUtf8());
    {
        AppState state;
        QSignalSpy ready(&state, &AppState::databaseReady);
        QVERIFY(state.initialize());
        QCOMPARE(ready.size(), 1);
        QCOMPARE(state.database()->schemaVersion(), 5);
    }
    QVERIFY(QFile::exists(dir.filePath("fresh/quillby.db")));
}

void tst_Application::setCurrentAccountIdEmitsOnce()
{
    QTemporaryDir dir;
    qputenv("QUILLBY_DATA_DIR", dir.path().toUtf8());
    AppState state;
    QVERIFY(state.initialize());
    QSignalSpy changed(&state, &AppState::currentAccountChanged);
    state.setCurrentAccountId("abc");
    state.setCurrentAccountId("abc");
    QCOMPARE(changed.size(), 1);
    QCOMPARE(state.currentAccountId(), QStringLiteral("abc"));
}

void tst_Application::runShowsMainWindow()
{
    QTemporaryDir dir;
    qputenv("QUILLBY_DATA_DIR", dir.path().toUtf8());
    auto *app = static_cast<Application *>(qApp);
    QTimer::singleShot(0, app, [] { QCoreApplication::exit(0); });
    QCOMPARE(app->run(), 0);
    QVERIFY(m_boxes.isEmpty());
    QVERIFY(app->mainWindow());
    QVERIFY(app->mainWindow()->isVisible());
    app->mainWindow()->close();
    QVERIFY(QFile::exists(dir.filePath("quillby.db")));
    delete app->appState();
}

void tst_Application::corruptDatabaseShowsErrorAndKeepsFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("quillby.db");
    const QByteArray content = QByteArray("not a database at all").repeated(100);
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    qputenv("QUILLBY_DATA_DIR", dir.path().toUtf8());
    QCOMPARE(static_cast<Application *>(qApp)->run(), 1);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.at(0).title, QStringLiteral("Database Error"));
    QCOMPARE(m_boxes.at(0).icon, QMessageBox::Critical);
    QCOMPARE(m_boxes.at(0).text,
             QStringLiteral("Failed to initialize the database.\n\nData directory: %1\n\n"
                            "Please check file permissions and try again.")
                 .arg(dir.path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), content);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"quillby.db"});
}

void tst_Application::unwritableLocationShowsError()
{
    // A data directory below a plain file can never be created, whatever the
    // privileges of the user running the test.
    QTemporaryDir dir;
    QFile blocker(dir.filePath("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString target = dir.filePath("blocker/data");
    qputenv("QUILLBY_DATA_DIR", target.toUtf8());
    QCOMPARE(static_cast<Application *>(qApp)->run(), 1);
    QCOMPARE(m_boxes.size(), 1);
    QVERIFY(m_boxes.at(0).text.contains(target));
}

StartupOptions tst_Application::options(const QStringList &arguments)
{
    return StartupOptions::parse(QStringList{QStringLiteral("quillby")} + arguments, QDir::currentPath());
}

QString tst_Application::writeCsv(const QTemporaryDir &dir)
{
    QFile file(dir.filePath("statement.csv"));
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write("Date,Payee,Amount\n2024-01-05,Shop,-1.50\n");
    return file.fileName();
}

void tst_Application::secondStartHandsOverAndEnds_data()
{
    QTest::addColumn<bool>("withFile");
    QTest::newRow("file") << true;
    QTest::newRow("noFile") << false;
}

void tst_Application::secondStartHandsOverAndEnds()
{
    QFETCH(bool, withFile);
    QTemporaryDir data;
    QTemporaryDir files;
    qputenv("QUILLBY_DATA_DIR", data.path().toUtf8());
    // The copy already running over the same data directory.
    InstanceChannel running(InstanceChannel::nameFor(data.path()));
    QVERIFY(running.listen());
    QSignalSpy received(&running, &InstanceChannel::fileReceived);
    QSignalSpy shown(&running, &InstanceChannel::activationRequested);

    const QString file = withFile ? writeCsv(files) : QString();
    auto *app = static_cast<Application *>(qApp);
    QCOMPARE(app->run(options(withFile ? QStringList{file} : QStringList{})), 0);
    QCOMPARE(received.size(), withFile ? 1 : 0);
    if (withFile)
        QCOMPARE(received.at(0).at(0).toString(), file);
    QCOMPARE(shown.size(), withFile ? 0 : 1);
    // It ended before touching the data.
    QVERIFY(!QFile::exists(data.filePath("quillby.db")));
    QVERIFY(m_boxes.isEmpty());
}

void tst_Application::runningCopyTakesAFileFromAnotherProcess()
{
    QTemporaryDir data;
    QTemporaryDir files;
    const QString file = writeCsv(files);
    qputenv("QUILLBY_DATA_DIR", data.path().toUtf8());
    auto *app = static_cast<Application *>(qApp);

    // Once this copy runs, the real program starts a second time with the file.
    QProcess second;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    second.setProcessEnvironment(environment);
    int secondStatus = -1;
    connect(&second, &QProcess::finished, app, [&](int status, QProcess::ExitStatus how) {
        secondStatus = how == QProcess::NormalExit ? status : -2;
    });
    QStringList opened;
    QTimer::singleShot(0, app, [&] {
        QVERIFY(app->importFileOpener());
        connect(app->importFileOpener(), &ImportFileOpener::opened, app, [&](const QString &path) {
            opened.append(path);
            QCoreApplication::exit(0);
        });
        second.start(QStringLiteral(QUILLBY_PROGRAM), {file});
    });
    QTimer giveUp;
    giveUp.setSingleShot(true);
    connect(&giveUp, &QTimer::timeout, app, [] { QCoreApplication::exit(3); });
    giveUp.start(30000);
    QCOMPARE(app->run(options({})), 0);
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(secondStatus, 0);
    QCOMPARE(opened, QStringList{file});
    auto *screen = app->mainWindow()->findChild<ImportScreen *>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(screen);
    QVERIFY(screen->isVisible());
    QCOMPARE(screen->format(), ImportScreen::Format::Csv);
    QVERIFY(m_boxes.isEmpty());
    app->mainWindow()->close();
    delete app->appState();
}

void tst_Application::fileThatCannotBeOpenedIsToldAndStartGoesOn_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("folder") << "folder";
}

void tst_Application::fileThatCannotBeOpenedIsToldAndStartGoesOn()
{
    QFETCH(QString, kind);
    QTemporaryDir data;
    QTemporaryDir files;
    qputenv("QUILLBY_DATA_DIR", data.path().toUtf8());
    const QString path = kind == "missing" ? files.filePath("gone.csv") : files.path();
    auto *app = static_cast<Application *>(qApp);
    QTimer::singleShot(200, app, [] { QCoreApplication::exit(0); });
    QCOMPARE(app->run(options({path})), 0);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.at(0).title, QStringLiteral("Cannot Open File"));
    QVERIFY(m_boxes.at(0).text.contains(path.toHtmlEscaped()));
    QVERIFY(app->mainWindow()->isVisible());
    QVERIFY(!app->mainWindow()->findChild<ImportScreen *>(QString(), Qt::FindDirectChildrenOnly));
    QVERIFY(QFile::exists(data.filePath("quillby.db")));
    app->mainWindow()->close();
    delete app->appState();
}

void tst_Application::checkStartCreatesDatabaseWithoutShowing()
{
    QTemporaryDir data;
    qputenv("QUILLBY_DATA_DIR", data.filePath("new").toUtf8());
    auto *app = static_cast<Application *>(qApp);
    // No event loop runs: were it to, this would end it with another status.
    QTimer giveUp;
    giveUp.setSingleShot(true);
    connect(&giveUp, &QTimer::timeout, app, [] { QCoreApplication::exit(7); });
    giveUp.start(5000);
    QCOMPARE(app->run(options({"--check-start"})), 0);
    QVERIFY(QFile::exists(data.filePath("new/quillby.db")));
    QVERIFY(app->mainWindow());
    QVERIFY(!app->mainWindow()->isVisible());
    // It stays out of the way of a copy a person runs.
    QVERIFY(!app->instanceChannel());
    QVERIFY(m_boxes.isEmpty());
    delete app->appState();
}

void tst_Application::wrongCommandLineEndsWithStatusTwo()
{
    QTemporaryDir data;
    qputenv("QUILLBY_DATA_DIR", data.path().toUtf8());
    auto *app = static_cast<Application *>(qApp);
    QCOMPARE(app->run(options({"a.csv", "b.csv"})), 2);
    QCOMPARE(app->run(options({"--no-such-option"})), 2);
    QVERIFY(!QFile::exists(data.filePath("quillby.db")));
    QVERIFY(m_boxes.isEmpty());
}

int main(int argc, char **argv)
{
    qputenv("QUILLBY_VERBOSE", "1");
    Application app(argc, argv);
    tst_Application test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
