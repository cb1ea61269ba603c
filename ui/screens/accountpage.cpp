#include "ui/screens/accountpage.h"

#include "ui/thememanager.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace OrlAccount {

namespace {

const char *const FontDeltaProperty = "accountFontDelta";
const char *const FontWeightProperty = "accountFontWeight";

void applyRelativeFont(QWidget *widget)
{
    QFont font = QApplication::font();
    const int base = font.pointSize() > 0 ? font.pointSize() : 10;
    font.setPointSize(qMax(7, base + widget->property(FontDeltaProperty).toInt()));
    const int weight = widget->property(FontWeightProperty).toInt();
    if (weight > 0)
        font.setWeight(QFont::Weight(weight));
    widget->setFont(font);
}

} // namespace

AccountPage::AccountPage(const QString &title, Client *client, const ReplyGuard *guard, QWidget *parent)
    : QWidget(parent)
    , m_client(client)
    , m_guard(guard)
    , m_content(new QVBoxLayout)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(8);
    auto *heading = new QLabel(title);
    heading->setObjectName(QStringLiteral("pageTitle"));
    setRelativeFont(heading, 4, 600);
    layout->addWidget(heading);
    layout->addSpacing(12);
    m_content->setContentsMargins(0, 0, 0, 0);
    m_content->setSpacing(8);
    layout->addLayout(m_content);
    layout->addStretch(1);
}

void AccountPage::setRelativeFont(QWidget *widget, int delta, int weight)
{
    widget->setProperty(FontDeltaProperty, delta);
    widget->setProperty(FontWeightProperty, weight);
    applyRelativeFont(widget);
}

QString AccountPage::secondaryColor()
{
    return isDarkPalette() ? QStringLiteral("#8FAF9F") : QStringLiteral("#4A6358");
}

void AccountPage::clearContent()
{
    // The old rows leave the page at once, so nothing finds them any more,
    // and are deleted from the event loop: one of their buttons may still
    // be in the middle of its own click (a question box open on it).
    const auto discard = [](QWidget *widget) {
        widget->hide();
        widget->setParent(nullptr);
        widget->deleteLater();
    };
    while (QLayoutItem *item = m_content->takeAt(0)) {
        if (QWidget *widget = item->widget()) {
            discard(widget);
        } else if (QLayout *layout = item->layout()) {
            while (QLayoutItem *inner = layout->takeAt(0)) {
                if (QWidget *rowWidget = inner->widget())
                    discard(rowWidget);
                delete inner;
            }
        }
        delete item;
    }
}

QWidget *AccountPage::addSectionHeader(const QString &title, const QString &subtitle)
{
    auto *header = new QWidget;
    auto *layout = new QVBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto *name = plainLabel(title);
    name->setObjectName(QStringLiteral("sectionTitle"));
    setRelativeFont(name, 1, 500);
    layout->addWidget(name);
    if (!subtitle.isEmpty()) {
        auto *note = secondaryLabel(subtitle);
        note->setObjectName(QStringLiteral("sectionSubtitle"));
        note->setWordWrap(true);
        setRelativeFont(note, -2);
        layout->addWidget(note);
    }
    m_content->addWidget(header);
    return header;
}

QFrame *AccountPage::addSeparator()
{
    auto *line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    m_content->addWidget(line);
    return line;
}

QLabel *AccountPage::plainLabel(const QString &text)
{
    // Names, addresses and user agents come from the network: never markup.
    auto *label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel *AccountPage::secondaryLabel(const QString &text)
{
    auto *label = plainLabel(text);
    label->setStyleSheet(QStringLiteral("color: %1;").arg(secondaryColor()));
    return label;
}

QLabel *AccountPage::badge(const QString &text, const QString &color)
{
    auto *label = plainLabel(text);
    label->setObjectName(QStringLiteral("badge"));
    label->setStyleSheet(QStringLiteral("color: %1; font-weight: 600;").arg(color));
    return label;
}

QHBoxLayout *AccountPage::addRow(QWidget *text, const QList<QWidget *> &trailing)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(8);
    row->addWidget(text, 1);
    for (QWidget *widget : trailing)
        row->addWidget(widget, 0, Qt::AlignVCenter);
    m_content->addLayout(row);
    return row;
}

QHBoxLayout *AccountPage::addButtonRow(const QList<QWidget *> &buttons)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(8);
    for (QWidget *button : buttons)
        row->addWidget(button);
    row->addStretch(1);
    m_content->addLayout(row);
    return row;
}

void AccountPage::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ApplicationFontChange)
        return;
    const QList<QWidget *> sized = findChildren<QWidget *>();
    for (QWidget *widget : sized) {
        if (widget->property(FontDeltaProperty).isValid())
            applyRelativeFont(widget);
    }
}

} // namespace OrlAccount
