#pragma once

#include <QTextBrowser>

namespace OrlUpdate {

// Shows release notes from the network as Markdown. A clicked link opens in
// the browser only when it is an http or https address; nothing the notes
// name (images, local files) is ever loaded, so hostile notes cannot read
// files of this machine or stall the window. Links keep a colour that reads
// on the view's background, dark or light.
class NotesView : public QTextBrowser
{
    Q_OBJECT

public:
    explicit NotesView(QWidget *parent = nullptr);

    void showMarkdown(const QString &markdown);
    QColor linkColour() const;

    QVariant loadResource(int type, const QUrl &name) override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void onAnchorClicked(const QUrl &url);
    void colourLinks();

    QString m_markdown;
};

} // namespace OrlUpdate
