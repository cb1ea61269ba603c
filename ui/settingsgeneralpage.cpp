#include "ui/settingsgeneralpage.h"

#include "app/application.h"
#include "data/preferencesrepository.h"
#include "ui/messagebox.h"
#include "ui/thememanager.h"
#include "ui/uisettings.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QFormLayout>
#include <QLocale>
#include <QSignalBlocker>

namespace {

// Selects the item carrying `value`; false when there is none.
bool selectData(QComboBox *combo, const QVariant &value)
{
    const int index = combo->findData(value);
    if (index < 0)
        return false;
    combo->setCurrentIndex(index);
    return true;
}

} // namespace

SettingsGeneralPage::SettingsGeneralPage(PreferencesRepository *preferences, ThemeManager *themeManager, QWidget *parent)
    : SettingsPage(tr("General"), parent)
    , m_preferences(preferences)
    , m_themeManager(themeManager)
    , m_theme(new QComboBox)
    , m_fontSize(new QComboBox)
    , m_weekStart(new QComboBox)
    , m_language(new QComboBox)
{
    m_theme->setObjectName(QStringLiteral("themeCombo"));
    m_theme->addItem(tr("System Default"), QStringLiteral("system"));
    m_theme->addItem(tr("Light"), QStringLiteral("light"));
    m_theme->addItem(tr("Dark"), QStringLiteral("dark"));

    m_fontSize->setObjectName(QStringLiteral("fontSizeCombo"));
    m_fontSize->addItem(tr("Small"), 85);
    m_fontSize->addItem(tr("Default"), 100);
    m_fontSize->addItem(tr("Medium"), 115);
    m_fontSize->addItem(tr("Large"), 130);
    m_fontSize->addItem(tr("Extra Large"), 150);

    m_weekStart->setObjectName(QStringLiteral("weekStartCombo"));
    m_weekStart->addItem(tr("Sunday"), int(Qt::Sunday));
    m_weekStart->addItem(tr("Monday"), int(Qt::Monday));
    m_weekStart->addItem(tr("Saturday"), int(Qt::Saturday));

    // Each language is named in itself, so it can be found whatever the
    // current language is.
    m_language->setObjectName(QStringLiteral("languageCombo"));
    m_language->addItem(tr("System Default"), QStringLiteral("system"));
    m_language->addItem(QStringLiteral("English"), QStringLiteral("en"));
    m_language->addItem(QStringLiteral("Español"), QStringLiteral("es"));
    m_language->addItem(QStringLiteral("Deutsch"), QStringLiteral("de"));
    m_language->addItem(QStringLiteral("Français"), QStringLiteral("fr"));
    m_language->addItem(QStringLiteral("日本語"), QStringLiteral("ja"));

    addSectionHeader(tr("Appearance"), tr("Control how Orlindo Quillby looks."));
    QFormLayout *appearance = addForm();
    appearance->addRow(tr("Theme"), m_theme);
    appearance->addRow(tr("Font size"), m_fontSize);
    addSeparator();
    addSectionHeader(tr("Regional"), tr("Date and calendar preferences."));
    QFormLayout *regional = addForm();
    regional->addRow(tr("Week starts on"), m_weekStart);
    regional->addRow(tr("Language"), m_language);
    finish();
    m_forms = {appearance, regional};
    alignForms();

    loadChoices();
    connect(m_theme, &QComboBox::currentIndexChanged, this, &SettingsGeneralPage::onThemeChanged);
    connect(m_fontSize, &QComboBox::currentIndexChanged, this, &SettingsGeneralPage::onFontScaleChanged);
    connect(m_weekStart, &QComboBox::currentIndexChanged, this, &SettingsGeneralPage::onWeekStartChanged);
    connect(m_language, &QComboBox::currentIndexChanged, this, &SettingsGeneralPage::onLanguageChanged);
}

void SettingsGeneralPage::alignForms()
{
    QList<QLabel *> labels;
    for (QFormLayout *form : std::as_const(m_forms)) {
        for (int row = 0; row < form->rowCount(); ++row) {
            if (auto *label = qobject_cast<QLabel *>(form->itemAt(row, QFormLayout::LabelRole)->widget()))
                labels << label;
        }
    }
    int width = 0;
    for (QLabel *label : std::as_const(labels)) {
        label->setMinimumWidth(0);
        width = qMax(width, label->sizeHint().width());
    }
    for (QLabel *label : std::as_const(labels))
        label->setMinimumWidth(width);
}

void SettingsGeneralPage::changeEvent(QEvent *event)
{
    SettingsPage::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::ApplicationFontChange)
        alignForms();
}

void SettingsGeneralPage::loadChoices()
{
    const QString theme = m_preferences ? m_preferences->getValue(QStringLiteral("theme"), QStringLiteral("system"))
                                        : QStringLiteral("system");
    if (!selectData(m_theme, theme))
        m_theme->setCurrentIndex(0);

    if (!selectData(m_fontSize, fontScalePercent()))
        selectData(m_fontSize, kDefaultFontScalePercent);

    // A stored day the list does not offer falls back to the locale's, and
    // that to Monday.
    bool stored = false;
    if (const std::optional<QString> day = m_preferences ? m_preferences->get(QStringLiteral("weekStartDay")) : std::nullopt) {
        bool ok = false;
        const int value = day->toInt(&ok);
        stored = ok && selectData(m_weekStart, value);
    }
    if (!stored && !selectData(m_weekStart, int(QLocale::system().firstDayOfWeek())))
        selectData(m_weekStart, int(Qt::Monday));

    if (!selectData(m_language, Application::uiLanguage(false)))
        m_language->setCurrentIndex(0);
}

void SettingsGeneralPage::onThemeChanged(int index)
{
    if (index >= 0 && m_themeManager)
        m_themeManager->setThemeName(m_theme->itemData(index).toString());
}

void SettingsGeneralPage::onFontScaleChanged(int index)
{
    if (index >= 0 && m_themeManager)
        m_themeManager->setFontScale(m_fontSize->itemData(index).toInt());
}

void SettingsGeneralPage::onWeekStartChanged(int index)
{
    if (index < 0)
        return;
    const int day = m_weekStart->itemData(index).toInt();
    // Applied before it is stored: the register reloads on the stored change
    // and must see the new day. A failed write still takes effect for this run.
    setFirstDayOfWeek(day);
    if (m_preferences)
        m_preferences->setInt(QStringLiteral("weekStartDay"), day);
}

void SettingsGeneralPage::onLanguageChanged(int index)
{
    if (index < 0)
        return;
    const QString code = m_language->itemData(index).toString();
    if (code == Application::uiLanguage(false))
        return;
    Application::setUiLanguage(code);
    MessageBox::information(this, tr("Language Changed"),
                            tr("The new language will take effect the next time you start Orlindo Quillby."));
}
