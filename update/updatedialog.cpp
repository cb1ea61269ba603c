#include "update/updatedialog.h"

#include "update/notesview.h"
#include "update/releasenotesfetcher.h"
#include "update/urlopener.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLoggingCategory>
#include <QPushButton>
#include <QVBoxLayout>

Q_LOGGING_CATEGORY(lcUpdateDialog, "orlupdate.dialog")

namespace OrlUpdate {

UpdateDialog::UpdateDialog(const Artifact &artifact, const QString &currentVersion, const QString &appName, QWidget *parent)
    : QDialog(parent)
    , m_downloadUrl(artifact.url)
{
    setWindowTitle(tr("Update available"));
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(tr("A new version of %1 is available.").arg(appName), this);
    heading->setObjectName(QStringLiteral("updateHeading"));
    QFont font = heading->font();
    font.setWeight(QFont::Bold);
    font.setPointSizeF(font.pointSizeF() + 1);
    heading->setFont(font);
    heading->setWordWrap(true);
    layout->addWidget(heading);

    auto *versions = new QLabel(tr("You have version %1. The latest version is %2.").arg(currentVersion, artifact.version), this);
    versions->setObjectName(QStringLiteral("updateVersions"));
    versions->setWordWrap(true);
    layout->addWidget(versions);

    if (artifact.releaseNotesUrl.isValid()) {
        m_notesView = new NotesView(this);
        m_notesView->setPlaceholderText(tr("Loading release notes…"));
        m_notesView->setMinimumHeight(150);
        layout->addWidget(m_notesView, 1);
        auto *fetcher = new ReleaseNotesFetcher(artifact.releaseNotesUrl, QStringLiteral("update-dialog"), this);
        connect(fetcher, &ReleaseNotesFetcher::notesReady, this, &UpdateDialog::onNotesReady);
        connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, this, &UpdateDialog::onNotesUnavailable);
        fetcher->fetch();
    }

    m_buttons = new QDialogButtonBox(this);
    QPushButton *download = m_buttons->addButton(tr("Download"), QDialogButtonBox::AcceptRole);
    download->setDefault(true);
    if (!artifact.mandatory)
        m_buttons->addButton(tr("Later"), QDialogButtonBox::RejectRole);
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &UpdateDialog::onDownloadClicked);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    if (m_notesView)
        resize(520, 420);
}

void UpdateDialog::onDownloadClicked()
{
    if (!m_downloadUrl.isValid() || m_downloadUrl.isEmpty())
        qCWarning(lcUpdateDialog) << "OrlUpdate: download URL is empty or invalid";
    else if (!UrlOpener::open(m_downloadUrl))
        qCWarning(lcUpdateDialog) << "OrlUpdate: QDesktopServices::openUrl failed for:" << m_downloadUrl.toString();
    accept();
}

void UpdateDialog::onNotesReady(const QString &markdown)
{
    if (m_notesView)
        m_notesView->showMarkdown(markdown);
}

void UpdateDialog::onNotesUnavailable()
{
    if (m_notesView)
        m_notesView->showMarkdown(tr("*Release notes are not available for this version.*"));
}

} // namespace OrlUpdate
