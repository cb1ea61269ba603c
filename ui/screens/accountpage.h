#pragma once

#include "ui/screens/replyguard.h"

#include <QWidget>

class QFrame;
class QHBoxLayout;
class QLabel;
class QVBoxLayout;

namespace OrlAccount {

class Client;

// One page of the account screen: the title, and the pieces its sections are
// made of (headers, rows with a trailing button or badge, separators). Pages
// whose content comes from a list rebuild everything under the title on each
// refresh. Answers to a page's requests go through the screen's reply guard;
// how an action went is announced with succeeded() or failed().
class AccountPage : public QWidget
{
    Q_OBJECT

public:
    AccountPage(const QString &title, Client *client, const ReplyGuard *guard, QWidget *parent = nullptr);

    // Fetches what the page shows and rebuilds it.
    virtual void refresh() = 0;

    // Sizes relative to the application font: its point size plus `delta`
    // (at least 7), in the given weight. The font follows later changes of
    // the application font.
    static void setRelativeFont(QWidget *widget, int delta, int weight = -1);
    // The colour of secondary lines, readable on the palette in use.
    static QString secondaryColor();

Q_SIGNALS:
    void succeeded(const QString &text);
    void failed(const QString &text);

protected:
    // Everything under the title; emptied by clearContent().
    QVBoxLayout *content() const { return m_content; }
    void clearContent();

    QWidget *addSectionHeader(const QString &title, const QString &subtitle = {});
    QFrame *addSeparator();
    // A line of plain text (never read as markup) in the secondary colour.
    static QLabel *secondaryLabel(const QString &text);
    static QLabel *plainLabel(const QString &text);
    static QLabel *badge(const QString &text, const QString &color);
    // A row: the text block on the left, then a stretch and the trailing widgets.
    QHBoxLayout *addRow(QWidget *text, const QList<QWidget *> &trailing);
    // A row of buttons from the left, then a stretch.
    QHBoxLayout *addButtonRow(const QList<QWidget *> &buttons);

    template<typename... Args, typename Handler>
    std::function<void(Args...)> guarded(Handler handler)
    {
        return m_guard->guard<Args...>(this, std::move(handler));
    }

    void changeEvent(QEvent *event) override;

    Client *m_client;

private:
    const ReplyGuard *m_guard;
    QVBoxLayout *m_content;
};

} // namespace OrlAccount
