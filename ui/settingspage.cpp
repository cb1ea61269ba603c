#include "ui/settingspage.h"

#include "ui/thememanager.h"

#include <QEvent>
#include <QFormLayout>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char *const SeparatorName = "settingsSeparator";
const char *const PrimaryProperty = "settingsPrimary";

} // namespace

SettingsPage::SettingsPage(const QString &title, QWidget *parent)
    : QWidget(parent)
    , m_layout(new QVBoxLayout(this))
{
    m_layout->setContentsMargins(24, 24, 24, 24);
    m_layout->setSpacing(8);
    auto *heading = new QLabel(title);
    heading->setObjectName(QStringLiteral("pageTitle"));
    applyFontRole(heading, FontRole::PageTitle);
    m_layout->addWidget(heading);
}

QString SettingsPage::mutedStyle()
{
    return QStringLiteral("color: %1;").arg(mutedTextColor().name().toUpper());
}

QWidget *SettingsPage::addSectionHeader(const QString &title, const QString &subtitle, QVBoxLayout *layout)
{
    QWidget *header = sectionHeader(title, subtitle);
    (layout ? layout : m_layout)->addWidget(header);
    return header;
}

QWidget *SettingsPage::sectionHeader(const QString &title, const QString &subtitle)
{
    auto *header = new QWidget;
    auto *column = new QVBoxLayout(header);
    column->setContentsMargins(0, 0, 0, 8);
    column->setSpacing(2);
    auto *name = new QLabel(title);
    name->setObjectName(QStringLiteral("sectionTitle"));
    applyFontRole(name, FontRole::SectionTitle);
    column->addWidget(name);
    if (!subtitle.isEmpty()) {
        auto *note = new QLabel(subtitle);
        note->setObjectName(QStringLiteral("sectionSubtitle"));
        note->setWordWrap(true);
        applyFontRole(note, FontRole::Caption);
        note->setStyleSheet(mutedStyle());
        column->addWidget(note);
    }
    return header;
}

QFrame *SettingsPage::addSeparator(QVBoxLayout *layout)
{
    auto *line = new QFrame;
    line->setObjectName(QLatin1String(SeparatorName));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    (layout ? layout : m_layout)->addWidget(line);
    applyThemeColours();
    return line;
}

QFormLayout *SettingsPage::addForm()
{
    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setHorizontalSpacing(16);
    form->setVerticalSpacing(12);
    form->setContentsMargins(12, 0, 0, 0);
    m_layout->addLayout(form);
    return form;
}

QLabel *SettingsPage::addHint(const QString &text)
{
    auto *hint = new QLabel(text);
    hint->setObjectName(QStringLiteral("hint"));
    hint->setWordWrap(true);
    hint->setStyleSheet(mutedStyle());
    hint->setContentsMargins(24, 0, 0, 0);
    m_layout->addWidget(hint);
    return hint;
}

void SettingsPage::finish()
{
    m_layout->addStretch(1);
}

QString SettingsPage::primaryStyle()
{
    // A disabled teal button must not look pressable.
    const QString disabled = isDarkPalette()
                                 ? QStringLiteral("QPushButton:disabled { background-color: #2E4A45; color: #7F9A92; }")
                                 : QStringLiteral("QPushButton:disabled { background-color: #C9DAD6; color: #F4F8F7; }");
    return primaryButtonStyle() + disabled;
}

QPushButton *SettingsPage::primaryButton(const QString &text)
{
    auto *button = new QPushButton(text);
    button->setProperty(PrimaryProperty, true);
    button->setStyleSheet(primaryStyle());
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

void SettingsPage::applyThemeColours()
{
    const QString lineStyle =
        QStringLiteral("color: %1;").arg(isDarkPalette() ? QStringLiteral("#2A4038") : QStringLiteral("#D8E0DB"));
    const QString buttonStyle = primaryStyle();
    m_styling = true;
    const QList<QFrame *> lines = findChildren<QFrame *>(QLatin1String(SeparatorName));
    for (QFrame *line : lines) {
        if (line->styleSheet() != lineStyle)
            line->setStyleSheet(lineStyle);
    }
    const QList<QPushButton *> buttons = findChildren<QPushButton *>();
    for (QPushButton *button : buttons) {
        if (button->property(PrimaryProperty).toBool() && button->styleSheet() != buttonStyle)
            button->setStyleSheet(buttonStyle);
    }
    m_styling = false;
}

void SettingsPage::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && !m_styling)
        applyThemeColours();
}
