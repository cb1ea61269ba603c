#include "app/application.h"
#include "app/appstate.h"
#include "app/datadirectory.h"
#include "data/database.h"
#include "ui/mainwindow.h"
#include "ui/messagebox.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
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

private:
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

int main(int argc, char **argv)
{
    qputenv("QUILLBY_VERBOSE", "1");
    Application app(argc, argv);
    tst_Application test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
