#include "update/notesview.h"

#include "update/urlopener.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcNotesView, "orlupdate.notes")

namespace OrlUpdate {

NotesView::NotesView(QWidget *parent)
    : QTextBrowser(parent)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &NotesView::onAnchorClicked);
}

QVariant NotesView::loadResource(int, const QUrl &)
{
    return {};
}

void NotesView::onAnchorClicked(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")) || url.host().isEmpty()) {
        qCWarning(lcNotesView) << "OrlUpdate: link in the release notes not opened (not an http(s) address)";
        return;
    }
    UrlOpener::open(url);
}

} // namespace OrlUpdate
