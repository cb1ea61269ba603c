#include "app/application.h"

#include "account/authclient.h"
#include "account/client.h"
#include "app/appstate.h"
#include "app/datadirectory.h"
#include "app/instancechannel.h"
#include "app/quietloghandler.h"
#include "app/updatewiring.h"
#include "app/startupoptions.h"
#include "ui/importfileopener.h"
#include "ui/mainwindow.h"
#include "ui/messagebox.h"

#include <QDesktopServices>
#include <QDir>
#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include <cstdio>

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
{
    if (qEnvironmentVariableIsEmpty("QUILLBY_VERBOSE"))
        QuietLogHandler::install();

    setOrganizationName(QStringLiteral("Orlindo"));
    setOrganizationDomain(QStringLiteral("orlindo.com"));
    setApplicationName(QStringLiteral("Quillby"));
    setApplicationVersion(QStringLiteral("1.1.2"));
    setApplicationDisplayName(QStringLiteral("Orlindo Quillby"));
    // The installed desktop entry's name: the desktop ties the windows to
    // its icon and menu entry by it.
    setDesktopFileName(QStringLiteral("com.orlindo.Quillby"));

    installTranslators();

    setWindowIcon(QIcon(QStringLiteral(":/icons/icons/app_icon.png")));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/fonts/MaterialIcons-Regular.otf"));
}

Application::~Application()
{
    delete m_mainWindow;
}

void Application::installTranslators()
{
    const QString language = uiLanguage(true);
    // Dates and numbers whose form is left to the locale follow the chosen
    // language. A language that is the system's own keeps the system locale,
    // region included (de_AT stays Austrian).
    if (QLocale().language() != QLocale(language).language())
        QLocale::setDefault(QLocale(language));
    if (language != QLatin1String("en")) {
        auto *qt = new QTranslator(this);
        if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            installTranslator(qt);
            m_qtTranslator = qt;
        } else {
            delete qt;
        }
    }
    auto *app = new QTranslator(this);
    if (app->load(QStringLiteral(":/i18n/quillby_%1.qm").arg(language))) {
        installTranslator(app);
        m_appTranslator = app;
    } else {
        delete app;
    }
}

QString Application::uiLanguage(bool resolveSystem)
{
    const QString stored = QSettings().value(QStringLiteral("ui/language"), QStringLiteral("system")).toString();
    if (resolveSystem && stored == QLatin1String("system")) {
        const QString code = QLocale().name().left(2);
        return supportedLanguages().contains(code) ? code : QStringLiteral("en");
    }
    return stored;
}

void Application::setUiLanguage(const QString &code)
{
    QSettings().setValue(QStringLiteral("ui/language"), code);
}

QStringList Application::supportedLanguages()
{
    return {QStringLiteral("en"), QStringLiteral("es"), QStringLiteral("de"), QStringLiteral("fr"),
            QStringLiteral("ja")};
}

int Application::run()
{
    return run(StartupOptions::parse(arguments(), QDir::currentPath()));
}

int Application::run(const StartupOptions &options)
{
    if (options.action == StartupOptions::Action::PrintAndExit) {
        std::fputs(options.message.toLocal8Bit().constData(), options.exitCode == 0 ? stdout : stderr);
        if (!options.message.endsWith(QLatin1Char('\n')))
            std::fputc('\n', options.exitCode == 0 ? stdout : stderr);
        return options.exitCode;
    }
    const bool checkOnly = options.action == StartupOptions::Action::CheckStart;

    // A file that cannot be opened is said at once; the program then starts
    // (or shows the running copy) as it would without it.
    QString file = options.file;
    if (!file.isEmpty()) {
        if (const QString problem = StartupOptions::fileProblem(file); !problem.isEmpty()) {
            ImportFileOpener::showProblem(nullptr, problem);
            file.clear();
        }
    }

    // A second run() (the tests) starts from a clean slate.
    delete m_opener;
    m_opener = nullptr;
    delete m_channel;
    m_channel = nullptr;
    if (!checkOnly) {
        m_channel = new InstanceChannel(InstanceChannel::nameFor(dataDirectory()), this);
        if (m_channel->handOver(file))
            return 0;
    }

    m_state = new AppState(this);
    if (!m_state->initialize()) {
        MessageBox::critical(nullptr, tr("Database Error"),
                             tr("Failed to initialize the database.\n\nData directory: %1\n\n"
                                "Please check file permissions and try again.")
                                 .arg(dataDirectory()));
        // Nothing uses the half-built state; closing its connection now keeps
        // the file untouched from here on.
        delete m_state;
        m_state = nullptr;
        return 1;
    }

    // The sign-in page opens in the user's own browser.
    m_state->client()->authClient()->setUrlOpener([](const QUrl &url) { return QDesktopServices::openUrl(url); });

    m_mainWindow = new MainWindow(m_state);
    if (checkOnly) {
        // Everything a start builds is built; only the window stays hidden
        // and the event loop never runs.
        std::printf("Database ready: %s\n", databasePath().toLocal8Bit().constData());
        std::fflush(stdout);
        return 0;
    }
    m_mainWindow->show();

    m_opener = new ImportFileOpener(m_mainWindow, this);
    if (m_channel->listen()) {
        connect(m_channel, &InstanceChannel::fileReceived, m_opener, &ImportFileOpener::open);
        connect(m_channel, &InstanceChannel::activationRequested, m_opener, &ImportFileOpener::raiseWindow);
    }
    if (!file.isEmpty())
        m_opener->open(file);

    // Belongs to the state, whose preferences it writes.
    auto *updates = new UpdateWiring(UpdateWiring::config(), m_state->preferencesRepository(), m_mainWindow, m_state);
    updates->runWhatsNewCheck();
    updates->scheduleUpdateCheck();
    return exec();
}
