#include "app/application.h"

#include "account/authclient.h"
#include "account/client.h"
#include "app/appstate.h"
#include "app/datadirectory.h"
#include "app/quietloghandler.h"
#include "ui/mainwindow.h"
#include "ui/messagebox.h"

#include <QDesktopServices>
#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

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
    m_mainWindow->show();
    return exec();
}
