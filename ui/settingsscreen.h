#pragma once

#include "ui/screens/replyguard.h"

#include <QWidget>

class AppState;
class QListWidget;
class QStackedWidget;
class SettingsAboutPage;
class SettingsDataPage;
class SettingsGeneralPage;
class SettingsRegisterPage;
class SettingsSyncSection;
class SyncEngine;
class ThemeManager;

// The content of the Preferences window: a navigation list on the left and
// four pages on the right (General, Register, Data & Sync, About). The main
// window makes it once and calls refresh() before each showing. Answers from
// the online service that arrive after the window was closed are dropped.
class SettingsScreen : public QWidget
{
    Q_OBJECT

public:
    enum Page { GeneralPage, RegisterPage, DataPage, AboutPage };
    Q_ENUM(Page)

    // `themeManager` and `engine` may be null: the choices they serve then
    // change nothing and the sync section shows the engine as offline.
    SettingsScreen(AppState *state, ThemeManager *themeManager, SyncEngine *engine, QWidget *parent = nullptr);

    // The deleted accounts and the sign-in and sync state, read anew.
    void refresh();
    void selectPage(Page page);

    QListWidget *navigation() const { return m_navigation; }
    QStackedWidget *pageStack() const { return m_pages; }
    SettingsGeneralPage *generalPage() const { return m_general; }
    SettingsRegisterPage *registerPage() const { return m_register; }
    SettingsDataPage *dataPage() const { return m_data; }
    SettingsSyncSection *syncSection() const { return m_sync; }
    SettingsAboutPage *aboutPage() const { return m_about; }

    // The navigation list's style sheet for the palette in use.
    static QString navigationStyle();

Q_SIGNALS:
    // A deleted account came back, or a backup was restored.
    void deletedAccountRestored();

public Q_SLOTS:
    void onCategoryChanged(int row);

protected:
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void addPage(const QString &name, char16_t glyph, QWidget *page);
    void applyNavigationStyle();

    ReplyGuard m_guard;
    QListWidget *m_navigation;
    QStackedWidget *m_pages;
    SettingsGeneralPage *m_general;
    SettingsRegisterPage *m_register;
    SettingsSyncSection *m_sync;
    SettingsDataPage *m_data;
    SettingsAboutPage *m_about;
    bool m_styling = false;
};
