#pragma once

#include <QApplication>
#include <QPointer>
#include <QStringList>

class AppState;
class MainWindow;
class QTranslator;

// The program's QApplication: identity, quiet logging, translators, icon and
// icon font; run() builds the AppState and shows the main window, or the
// "Database Error" box and exit status 1 when the data cannot be opened.
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int &argc, char **argv);
    ~Application() override;

    int run();

    static QString uiLanguage(bool resolveSystem);
    static void setUiLanguage(const QString &code);
    static QStringList supportedLanguages();

    AppState *appState() const { return m_state; }
    MainWindow *mainWindow() const { return m_mainWindow; }

private:
    void installTranslators();

    AppState *m_state = nullptr;
    MainWindow *m_mainWindow = nullptr;
    QTranslator *m_qtTranslator = nullptr;
    QTranslator *m_appTranslator = nullptr;
};
