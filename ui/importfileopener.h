#pragma once

#include "ui/screens/importscreen.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <optional>

class MainWindow;
class QTimer;
class QWidget;

// Opens the main window's import screen with a file named from outside the
// window: on the command line or by a later start of the program. The file's
// name, else its first bytes, decide between CSV, QIF and OFX.
//
// A file that comes while a dialog is open, or while the import screen
// reads or imports (it runs its own event processing then), waits until
// that ends: the screen is never reset under its own feet. Files that come
// meanwhile are opened in turn, the last one staying on screen.
class ImportFileOpener : public QObject
{
    Q_OBJECT

public:
    explicit ImportFileOpener(MainWindow *window, QObject *parent = nullptr);

    // The format the file is imported as; none for a file that is not text
    // (a NUL byte among its first bytes) or cannot be read.
    static std::optional<ImportScreen::Format> formatOf(const QString &path);

    // Queues the file and opens it as soon as the window is free.
    void open(const QString &absolutePath);
    // Brings the main window to the front (a later start without a file).
    void raiseWindow();

    bool hasPending() const { return !m_pending.isEmpty(); }

    // The "Cannot Open File" warning. The text names a path that anyone may
    // have chosen, so it is shown as escaped text, never read as markup.
    static void showProblem(QWidget *parent, const QString &problem);

Q_SIGNALS:
    // After the import screen shows the file, or the person was told why not.
    void opened(const QString &absolutePath);

private:
    bool windowIsBusy() const;
    void openPending();
    void openNow(const QString &path);

    QPointer<MainWindow> m_window;
    QStringList m_pending;
    QTimer *m_retry = nullptr;
    bool m_opening = false;
};
