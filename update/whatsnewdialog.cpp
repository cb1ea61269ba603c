#include "update/whatsnewdialog.h"

#include "update/notesview.h"
#include "update/urlopener.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLoggingCategory>
#include <QPushButton>
#include <QVBoxLayout>

Q_LOGGING_CATEGORY(lcWhatsNew, "orlupdate.whatsnew")

namespace OrlUpdate {

WhatsNewDialog::WhatsNewDialog(const QString &markdown, const QString &version, const QString &runningVersion, const QString &appName,
                               QWidget *parent, const QUrl &downloadUrl)
    : QDialog(parent)
    , m_downloadUrl(downloadUrl)
    , m_notesView(new NotesView(this))
    , m_running(new QLabel(tr("You are running version %1").arg(runningVersion), this))
    , m_buttons(new QDialogButtonBox(this))
{
    setWindowTitle(tr("What's New in %1 %2").arg(appName, version));
    setModal(false);
    resize(520, 420);

    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(tr("What's new in %1 %2").arg(appName, version), this);
    heading->setObjectName(QStringLiteral("whatsNewHeading"));
    QFont font = heading->font();
    font.setWeight(QFont::Bold);
    font.setPointSizeF(font.pointSizeF() + 2);
    heading->setFont(font);
    heading->setWordWrap(true);
    layout->addWidget(heading);

    m_notesView->showMarkdown(markdown);
    layout->addWidget(m_notesView, 1);

    auto *bottom = new QHBoxLayout;
    m_running->setStyleSheet(QStringLiteral("color: gray; font-size: 11px;"));
    bottom->addWidget(m_running);
    bottom->addStretch(1);
    if (m_downloadUrl.isValid() && !m_downloadUrl.isEmpty()) {
        QPushButton *download = m_buttons->addButton(tr("Download %1").arg(version), QDialogButtonBox::AcceptRole);
        connect(download, &QPushButton::clicked, this, &WhatsNewDialog::onDownloadClicked);
    }
    m_buttons->addButton(QDialogButtonBox::Close);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    bottom->addWidget(m_buttons);
    layout->addLayout(bottom);
}

void WhatsNewDialog::onDownloadClicked()
{
    if (!UrlOpener::open(m_downloadUrl))
        qCWarning(lcWhatsNew) << "OrlUpdate: QDesktopServices::openUrl failed for:" << m_downloadUrl.toString();
    close();
}

} // namespace OrlUpdate
