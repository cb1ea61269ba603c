#include "ui/screens/accountstatusline.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

AccountStatusLine::AccountStatusLine(QWidget *parent)
    : QLabel(parent)
    , m_clear(new QTimer(this))
{
    setObjectName(QStringLiteral("accountStatusLine"));
    setTextFormat(Qt::PlainText);
    setFixedHeight(24);
    applyFont();
    m_clear->setSingleShot(true);
    connect(m_clear, &QTimer::timeout, this, [this] {
        clear();
        m_error = false;
    });
}

void AccountStatusLine::showSuccess(const QString &text)
{
    m_error = false;
    showMessage(text, QStringLiteral("color: #2E7D32; padding: 4px;"), SuccessMs);
}

void AccountStatusLine::showError(const QString &text)
{
    m_error = true;
    showMessage(text, QStringLiteral("color: #C62828; padding: 4px;"), ErrorMs);
}

void AccountStatusLine::showMessage(const QString &text, const QString &style, int milliseconds)
{
    setStyleSheet(style);
    setText(text);
    m_clear->start(milliseconds);
}

void AccountStatusLine::applyFont()
{
    // One point under the application font, so it reads as a note.
    QFont small = QApplication::font();
    const int size = small.pointSize() > 0 ? small.pointSize() : 10;
    small.setPointSize(qMax(7, size - 1));
    setFont(small);
}

void AccountStatusLine::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::ApplicationFontChange)
        applyFont();
}
