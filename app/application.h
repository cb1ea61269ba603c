#pragma once

#include <QApplication>
#include <QPointer>
#include <QStringList>

class AppState;
class ImportFileOpener;
class InstanceChannel;
class MainWindow;
class QTranslator;
class StartupOptions;

// The program's QApplication: identity, quiet logging, translators, icon and
// icon font; run() builds the AppState and shows the main window, or the
// "Database Error" box and exit status 1 when the data cannot be opened.
// A file named on the command line opens in the import screen; when the
// program already runs over the same data, the file goes to that copy
// instead, and this start ends with status 0.
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int &argc, char **argv);
    ~Application() override;

    // Reads the command line (see StartupOptions) and runs with it.
    int run();
    int run(const StartupOptions &options);

    static QString uiLanguage(bool resolveSystem);
    static void setUiLanguage(const QString &code);
    static QStringList supportedLanguages();

    AppState *appState() const { return m_state; }
    MainWindow *mainWindow() const { return m_mainWindow; }
    // Null until run() gets past the hand-over to a running copy.
    InstanceChannel *instanceChannel() const { return m_channel; }
    ImportFileOpener *importFileOpener() const { return m_opener; }

private:
    void installTranslators();

    AppState *m_state = nullptr;
    MainWindow *m_mainWindow = nullptr;
    InstanceChannel *m_channel = nullptr;
    ImportFileOpener *m_opener = nullptr;
    QTranslator *m_qtTranslator = nullptr;
    QTranslator *m_appTranslator = nullptr;
};
