#include "ui/welcomescreen.h"

#include "ui/thememanager.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {
const QString kAccent = QStringLiteral("#4DB6AC");
}

WelcomeScreen::WelcomeScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
{
    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);

    auto *content = new QWidget;
    auto *contentLayout = new QVBoxLayout(content);
    contentLayout->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    contentLayout->setContentsMargins(40, 40, 40, 40);
    contentLayout->setSpacing(0);

    // The column's layout sets the column's minimum and maximum size from its
    // content, which would undo a maximum width given to the column itself;
    // the frame around it holds the column to 560 px, and wants that much in
    // both greetings so the page does not change width between them.
    auto *frame = new QWidget;
    frame->setMaximumWidth(560);
    frame->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    auto *frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->addWidget(frame);

    auto *column = new QWidget;
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetMinAndMaxSize);
    frameLayout->addWidget(column);

    auto *icon = new QLabel;
    icon->setPixmap(QIcon(QStringLiteral(":/icons/icons/app_icon.png")).pixmap(80, 80));
    icon->setAlignment(Qt::AlignCenter);
    layout->addWidget(icon);
    layout->addSpacing(20);

    m_title = new QLabel;
    applyFontRole(m_title, FontRole::LargeTitle);
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setWordWrap(true);
    layout->addWidget(m_title);
    layout->addSpacing(8);

    m_subtitle = new QLabel;
    applyFontRole(m_subtitle, FontRole::SectionTitle);
    m_subtitle->setAlignment(Qt::AlignCenter);
    m_subtitle->setStyleSheet(QStringLiteral("color: %1;").arg(isDarkPalette() ? QStringLiteral("#8FAF9F")
                                                                                : QStringLiteral("#4A6358")));
    layout->addWidget(m_subtitle);
    layout->addSpacing(16);

    m_signInAgain = new QLabel(tr("Your session has ended. Sign back in to keep syncing."));
    m_signInAgain->setAlignment(Qt::AlignCenter);
    m_signInAgain->setWordWrap(true);
    applyFontRole(m_signInAgain, FontRole::BodyStrong);
    m_signInAgain->setStyleSheet(QStringLiteral("color: %1;").arg(kAccent));
    m_signInAgain->hide();
    layout->addWidget(m_signInAgain);
    layout->addSpacing(8);

    m_howItWorks = buildHowItWorksCard();
    layout->addWidget(m_howItWorks);
    layout->addSpacing(16);

    auto *offline = new QLabel(tr("Works fully offline. Your data stays on this device."));
    offline->setAlignment(Qt::AlignCenter);
    offline->setWordWrap(true);
    applyFontRole(offline, FontRole::Caption);
    offline->setStyleSheet(QStringLiteral("color: #6E8A7E;"));
    layout->addWidget(offline);
    layout->addSpacing(24);

    m_createButton = new QPushButton;
    m_createButton->setCursor(Qt::PointingHandCursor);
    connect(m_createButton, &QPushButton::clicked, this, &WelcomeScreen::createAccountRequested);
    layout->addWidget(m_createButton);
    layout->addSpacing(20);
    layout->addSpacing(4);

    m_signInButton = new QPushButton;
    m_signInButton->setCursor(Qt::PointingHandCursor);
    connect(m_signInButton, &QPushButton::clicked, this, &WelcomeScreen::signInRequested);
    layout->addWidget(m_signInButton);

    scroll->setWidget(content);
    setReturningUser(false);
}

QWidget *WelcomeScreen::buildHowItWorksCard()
{
    auto *card = new QWidget;
    card->setObjectName(QStringLiteral("HowItWorksCard"));
    card->setAttribute(Qt::WA_StyledBackground, true);
    card->setStyleSheet(QStringLiteral("#HowItWorksCard { border: 1px solid %1; border-radius: 10px; }")
                            .arg(isDarkPalette() ? QStringLiteral("#2A4038") : QStringLiteral("#D8E0DB")));
    auto *layout = new QVBoxLayout(card);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(8);

    auto *heading = new QLabel(tr("How it works"));
    applyFontRole(heading, FontRole::SectionTitle);
    layout->addWidget(heading);
    layout->addSpacing(4);

    const QStringList steps = {
        tr("Add an account (checking, savings, credit card, or any account you'd like to track)."),
        tr("Record transactions as you spend."),
        tr("Reconcile when your statement arrives."),
    };
    for (int i = 0; i < steps.size(); ++i) {
        auto *row = new QHBoxLayout;
        row->setContentsMargins(0, 4, 0, 4);
        row->setSpacing(12);
        auto *number = new QLabel(QStringLiteral("%1.").arg(i + 1));
        applyFontRole(number, FontRole::BodyStrong);
        number->setStyleSheet(QStringLiteral("color: %1;").arg(kAccent));
        number->setFixedWidth(20);
        number->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        auto *text = new QLabel(steps.at(i));
        text->setWordWrap(true);
        row->addWidget(number);
        row->addWidget(text, 1);
        layout->addLayout(row);
    }
    return card;
}

void WelcomeScreen::makeProminent(QPushButton *button)
{
    button->setFlat(false);
    button->setStyleSheet(primaryButtonStyle());
    button->setMinimumHeight(40);
}

void WelcomeScreen::makeLink(QPushButton *button)
{
    button->setFlat(true);
    button->setStyleSheet(QStringLiteral("color: %1;").arg(kAccent));
    button->setMinimumHeight(0);
}

void WelcomeScreen::setReturningUser(bool returning)
{
    if (returning) {
        m_title->setText(tr("Welcome back"));
        m_subtitle->setText(tr("Sign in to keep your data synced across devices."));
        m_signInButton->setText(tr("Sign In"));
        makeProminent(m_signInButton);
        m_createButton->setText(tr("Create a different account"));
        makeLink(m_createButton);
    } else {
        m_title->setText(tr("Welcome to\nOrlindo Quillby"));
        m_subtitle->setText(tr("A digital quillby register."));
        m_signInButton->setText(tr("Already have an account? Sign In"));
        makeLink(m_signInButton);
        m_createButton->setText(tr("Create Your First Account"));
        makeProminent(m_createButton);
    }
    m_signInAgain->setVisible(returning);
    m_howItWorks->setVisible(!returning);
}

QString WelcomeScreen::titleText() const
{
    return m_title->text();
}

bool WelcomeScreen::isHowItWorksVisible() const
{
    return !m_howItWorks->isHidden();
}

bool WelcomeScreen::isSignInAgainVisible() const
{
    return !m_signInAgain->isHidden();
}
