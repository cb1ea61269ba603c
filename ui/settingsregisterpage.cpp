#include "ui/settingsregisterpage.h"

#include "data/preferencesrepository.h"

#include <QCheckBox>
#include <QVBoxLayout>

SettingsRegisterPage::SettingsRegisterPage(PreferencesRepository *preferences, QWidget *parent)
    : SettingsPage(tr("Register"), parent)
    , m_preferences(preferences)
    , m_twoLine(new QCheckBox(tr("Two-line rows")))
    , m_newestFirst(new QCheckBox(tr("Show newest transactions first")))
{
    m_twoLine->setObjectName(QStringLiteral("twoLineCheck"));
    m_newestFirst->setObjectName(QStringLiteral("newestFirstCheck"));
    if (m_preferences) {
        m_twoLine->setChecked(m_preferences->getBool(QStringLiteral("registerTwoLine"), false));
        m_newestFirst->setChecked(m_preferences->getBool(QStringLiteral("registerNewestFirst"), false));
    }

    addSectionHeader(tr("Display"), tr("How transactions appear in the register."));
    pageLayout()->addWidget(m_twoLine);
    addHint(tr("Show memo on a second line below the payee."));
    addSeparator();
    addSectionHeader(tr("Sorting"), tr("Control the order of transactions in the register."));
    pageLayout()->addWidget(m_newestFirst);
    addHint(tr("When enabled, the most recent transactions appear at the top."));
    finish();

    connect(m_twoLine, &QCheckBox::toggled, this, &SettingsRegisterPage::onTwoLineModeChanged);
    connect(m_newestFirst, &QCheckBox::toggled, this, &SettingsRegisterPage::onRegisterOrderChanged);
}

void SettingsRegisterPage::onRegisterOrderChanged(bool checked)
{
    if (m_preferences)
        m_preferences->setBool(QStringLiteral("registerNewestFirst"), checked);
}

void SettingsRegisterPage::onTwoLineModeChanged(bool checked)
{
    if (m_preferences)
        m_preferences->setBool(QStringLiteral("registerTwoLine"), checked);
}
