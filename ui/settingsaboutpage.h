#pragma once

#include "ui/settingspage.h"

class QLabel;

// The About page of the preferences: the program's name, version, what it
// is for, links to the product's web site and its mobile apps, and the
// notice of the Qt licence.
class SettingsAboutPage : public SettingsPage
{
    Q_OBJECT

public:
    explicit SettingsAboutPage(QWidget *parent = nullptr);

    QLabel *versionLabel() const { return m_version; }
    QLabel *linksLabel() const { return m_links; }

protected:
    void changeEvent(QEvent *event) override;

private:
    // The link colour the palette lacks, readable in either theme.
    void showLinks();

    QLabel *m_version;
    QLabel *m_links;
};
