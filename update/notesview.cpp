#include "update/notesview.h"

#include "update/urlopener.h"

#include <QEvent>
#include <QLoggingCategory>
#include <QTextBlock>
#include <QTextCursor>

Q_LOGGING_CATEGORY(lcNotesView, "orlupdate.notes")

namespace OrlUpdate {

NotesView::NotesView(QWidget *parent)
    : QTextBrowser(parent)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &NotesView::onAnchorClicked);
}

void NotesView::showMarkdown(const QString &markdown)
{
    m_markdown = markdown;
    setMarkdown(markdown);
    colourLinks();
}

QColor NotesView::linkColour() const
{
    const QColor base = palette().color(QPalette::Base);
    const QColor link = palette().color(QPalette::Link);
    // The usual dark blue of links vanishes on a dark background.
    if (base.lightness() < 128 && link.lightness() < 140)
        return QColor(0x8a, 0xb4, 0xf8);
    if (base.lightness() >= 128 && link.lightness() > 160)
        return QColor(0x1a, 0x5f, 0xb4);
    return link;
}

void NotesView::colourLinks()
{
    // Collected first: changing a format splits and merges the fragments.
    QList<QPair<int, int>> anchors;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid() && fragment.charFormat().isAnchor())
                anchors.append({fragment.position(), fragment.length()});
        }
    }
    QTextCharFormat colour;
    colour.setForeground(linkColour());
    for (const auto &[position, length] : anchors) {
        QTextCursor cursor(document());
        cursor.setPosition(position);
        cursor.setPosition(position + length, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(colour);
    }
}

void NotesView::changeEvent(QEvent *event)
{
    QTextBrowser::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && !m_markdown.isEmpty())
        showMarkdown(m_markdown);
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
