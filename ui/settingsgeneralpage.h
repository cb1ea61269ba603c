#pragma once

#include "ui/settingspage.h"

class PreferencesRepository;
class QComboBox;
class QFormLayout;
class ThemeManager;

// The General page of the preferences: theme and font size (handed to the
// theme manager, which remembers them), the first day of the week (stored
// and applied to the date pickers at once) and the language of the next
// start. The choices are filled once, from what is stored.
class SettingsGeneralPage : public SettingsPage
{
    Q_OBJECT

public:
    SettingsGeneralPage(PreferencesRepository *preferences, ThemeManager *themeManager, QWidget *parent = nullptr);

    QComboBox *themeCombo() const { return m_theme; }
    QComboBox *fontSizeCombo() const { return m_fontSize; }
    QComboBox *weekStartCombo() const { return m_weekStart; }
    QComboBox *languageCombo() const { return m_language; }

public Q_SLOTS:
    void onThemeChanged(int index);
    void onFontScaleChanged(int index);
    void onWeekStartChanged(int index);
    void onLanguageChanged(int index);

protected:
    void changeEvent(QEvent *event) override;

private:
    void loadChoices();
    // Both forms' fields start at the same place.
    void alignForms();

    PreferencesRepository *m_preferences;
    ThemeManager *m_themeManager;
    QComboBox *m_theme;
    QComboBox *m_fontSize;
    QComboBox *m_weekStart;
    QComboBox *m_language;
    QList<QFormLayout *> m_forms;
};
