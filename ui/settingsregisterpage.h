#pragma once

#include "ui/settingspage.h"

class PreferencesRepository;
class QCheckBox;

// The Register page of the preferences: two-line rows and the newest
// transactions first. Each toggle is stored at once; the register reads
// both preferences itself and reloads when they change.
class SettingsRegisterPage : public SettingsPage
{
    Q_OBJECT

public:
    explicit SettingsRegisterPage(PreferencesRepository *preferences, QWidget *parent = nullptr);

    QCheckBox *twoLineCheck() const { return m_twoLine; }
    QCheckBox *newestFirstCheck() const { return m_newestFirst; }

public Q_SLOTS:
    void onRegisterOrderChanged(bool checked);
    void onTwoLineModeChanged(bool checked);

private:
    PreferencesRepository *m_preferences;
    QCheckBox *m_twoLine;
    QCheckBox *m_newestFirst;
};
