#include "ui/importfileopener.h"

#include "app/startupoptions.h"
#include "ui/mainwindow.h"
#include "ui/messagebox.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>
#include <QTimer>

namespace {

// Enough for a QIF header or an OFX SGML header with its blank lines, and
// for an XML prologue before the <?OFX ...?> processing instruction.
constexpr qint64 SniffBytes = 4096;

QByteArray withoutByteOrderMark(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    return bytes;
}

} // namespace

ImportFileOpener::ImportFileOpener(MainWindow *window, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_retry(new QTimer(this))
{
    m_retry->setInterval(250);
    connect(m_retry, &QTimer::timeout, this, &ImportFileOpener::openPending);
}

std::optional<ImportScreen::Format> ImportFileOpener::formatOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray head = file.read(SniffBytes);
    if (head.contains('\0'))
        return std::nullopt;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("csv"))
        return ImportScreen::Format::Csv;
    if (suffix == QLatin1String("qif"))
        return ImportScreen::Format::Qif;
    if (suffix == QLatin1String("ofx") || suffix == QLatin1String("qfx"))
        return ImportScreen::Format::Ofx;
    // A name that says nothing: the bytes decide, and plain text is taken as CSV
    // (banks hand out CSV as .txt too); the screen shows what it makes of it.
    const QByteArray start = withoutByteOrderMark(head).trimmed();
    if (start.startsWith("!Type:") || start.startsWith("!Account") || start.startsWith("!Option:"))
        return ImportScreen::Format::Qif;
    if (start.startsWith("OFXHEADER:") || (start.startsWith("<?xml") && head.contains("<?OFX ")))
        return ImportScreen::Format::Ofx;
    return ImportScreen::Format::Csv;
}

void ImportFileOpener::showProblem(QWidget *parent, const QString &problem)
{
    QString text = problem.toHtmlEscaped();
    text.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    MessageBox::warning(parent, tr("Cannot Open File"), QStringLiteral("<p>%1</p>").arg(text));
}

void ImportFileOpener::open(const QString &absolutePath)
{
    m_pending.append(absolutePath);
    // Never from inside whatever delivered the file: the socket's signal may
    // come while some other part of the program processes events.
    QTimer::singleShot(0, this, &ImportFileOpener::openPending);
}

void ImportFileOpener::raiseWindow()
{
    if (!m_window)
        return;
    if (m_window->isMinimized())
        m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

bool ImportFileOpener::windowIsBusy() const
{
    if (m_opening || QApplication::activeModalWidget() || QApplication::activePopupWidget())
        return true;
    // The import screen's reading and importing run under a progress window
    // that exists (perhaps not yet shown) for exactly as long as the work.
    const auto *screen = m_window->findChild<ImportScreen *>(QString(), Qt::FindDirectChildrenOnly);
    return screen && screen->findChild<QProgressDialog *>();
}

void ImportFileOpener::openPending()
{
    if (!m_window) {
        m_pending.clear();
        m_retry->stop();
        return;
    }
    if (m_pending.isEmpty()) {
        m_retry->stop();
        return;
    }
    if (windowIsBusy()) {
        m_retry->start();
        return;
    }
    m_retry->stop();
    const QString path = m_pending.takeFirst();
    openNow(path);
    if (!m_pending.isEmpty())
        QTimer::singleShot(0, this, &ImportFileOpener::openPending);
}

void ImportFileOpener::openNow(const QString &path)
{
    m_opening = true;
    raiseWindow();
    // Checked again here: the file may have gone while it waited.
    QString problem = StartupOptions::fileProblem(path);
    const std::optional<ImportScreen::Format> format = problem.isEmpty() ? formatOf(path) : std::nullopt;
    if (problem.isEmpty() && !format)
        problem = tr("\"%1\" is not a CSV, QIF or OFX file.").arg(QFileInfo(path).fileName());
    if (!problem.isEmpty()) {
        showProblem(m_window, problem);
        m_opening = false;
        Q_EMIT opened(path);
        return;
    }
    // The same path as File › Import..., so the screen starts afresh.
    auto *action = m_window->findChild<QAction *>(QStringLiteral("importAction"));
    if (action)
        action->trigger();
    auto *screen = m_window->findChild<ImportScreen *>(QString(), Qt::FindDirectChildrenOnly);
    if (screen) {
        switch (*format) {
        case ImportScreen::Format::Csv:
            screen->chooseCsvFile(path);
            break;
        case ImportScreen::Format::Qif:
            screen->chooseQifFiles({path});
            break;
        case ImportScreen::Format::Ofx:
            screen->chooseOfxFiles({path});
            break;
        }
    }
    m_opening = false;
    Q_EMIT opened(path);
}
