#include "ui/statusbar.h"

#include "ui/thememanager.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

StatusBar::StatusBar(QWidget *parent)
    : QStatusBar(parent)
    , m_syncLabel(new QLabel(tr("Offline"), this))
    , m_countLabel(new QLabel(this))
    , m_recurringLabel(new QLabel(this))
    , m_progressLabel(new QLabel(this))
    , m_busyBar(new QProgressBar(this))
    , m_signInOffer(new QWidget(this))
    , m_signInText(new QLabel(m_signInOffer))
    , m_signInButton(new QPushButton(tr("Sign In"), m_signInOffer))
{
    for (QLabel *label : {m_syncLabel, m_countLabel, m_recurringLabel, m_progressLabel})
        applyFontRole(label, FontRole::Body);

    m_busyBar->setRange(0, 0);
    m_busyBar->setMaximumWidth(100);
    m_busyBar->setMaximumHeight(14);
    m_busyBar->setTextVisible(false);
    m_busyBar->hide();
    m_progressLabel->hide();
    m_recurringLabel->hide();

    addWidget(m_countLabel);
    addWidget(m_recurringLabel);
    // Permanent, so no passing message hides the offer.
    auto *offerLayout = new QHBoxLayout(m_signInOffer);
    offerLayout->setContentsMargins(0, 0, 8, 0);
    offerLayout->setSpacing(6);
    offerLayout->addWidget(m_signInText);
    offerLayout->addWidget(m_signInButton);
    applyFontRole(m_signInText, FontRole::BodyStrong);
    m_signInButton->setCursor(Qt::PointingHandCursor);
    m_signInButton->setObjectName(QStringLiteral("signInAgain"));
    connect(m_signInButton, &QPushButton::clicked, this, &StatusBar::signInRequested);
    m_signInOffer->hide();
    addPermanentWidget(m_signInOffer);
    addPermanentWidget(m_progressLabel);
    addPermanentWidget(m_busyBar);
    addPermanentWidget(m_syncLabel);

    setStyleSheet(QStringLiteral("QStatusBar {  padding: 2px 4px;}QStatusBar::item { border: none; }"));
}

void StatusBar::setAccountCount(int count)
{
    m_countLabel->setText(tr("%n account(s)", nullptr, count));
}

void StatusBar::setRecurringDue(int count)
{
    if (count <= 0) {
        m_recurringLabel->hide();
        return;
    }
    m_recurringLabel->setText(tr("  •  %n recurring due", nullptr, count));
    m_recurringLabel->setStyleSheet(QStringLiteral("color: %1; font-weight: bold;")
                                        .arg(isDarkPalette() ? QStringLiteral("#FFA726")
                                                             : QStringLiteral("#E65100")));
    m_recurringLabel->show();
}

void StatusBar::setSyncText(const QString &text)
{
    m_syncLabel->setText(text);
}

void StatusBar::showTimedMessage(const QString &text, int milliseconds)
{
    hideProgress();
    showMessage(text, milliseconds);
}

void StatusBar::showProgress(const QString &text)
{
    m_progressLabel->setText(text);
    m_progressLabel->show();
    m_busyBar->show();
}

void StatusBar::hideProgress()
{
    m_progressLabel->hide();
    m_busyBar->hide();
}

void StatusBar::applyTheme()
{
    const QString style = QStringLiteral("color: %1;").arg(isDarkPalette() ? QStringLiteral("#8FAF9F")
                                                                           : QStringLiteral("#2A3D33"));
    m_syncLabel->setStyleSheet(style);
    m_countLabel->setStyleSheet(style);
}

void StatusBar::showSignInAgain(const QString &text)
{
    m_signInText->setText(text);
    m_signInOffer->show();
}

void StatusBar::hideSignInAgain()
{
    m_signInOffer->hide();
}

bool StatusBar::isSignInOfferVisible() const
{
    return !m_signInOffer->isHidden();
}

QString StatusBar::signInOfferText() const
{
    return m_signInText->text();
}

void StatusBar::showEvent(QShowEvent *event)
{
    QStatusBar::showEvent(event);
    // A message shown before the bar was visible did not hide the normal
    // widgets (they were not visible yet); hide them now as QStatusBar would,
    // leaving them to come back when the message clears.
    if (currentMessage().isEmpty())
        return;
    for (QLabel *label : {m_countLabel, m_recurringLabel}) {
        if (!label->isHidden()) {
            label->hide();
            label->setAttribute(Qt::WA_WState_ExplicitShowHide, false);
        }
    }
}

QString StatusBar::accountCountText() const
{
    return m_countLabel->text();
}

QString StatusBar::recurringDueText() const
{
    return m_recurringLabel->text();
}

bool StatusBar::isRecurringDueVisible() const
{
    return !m_recurringLabel->isHidden();
}

QString StatusBar::syncText() const
{
    return m_syncLabel->text();
}

bool StatusBar::isBusy() const
{
    return !m_busyBar->isHidden();
}
