#include "ui/settingsaboutpage.h"

#include "ui/thememanager.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const QString ProductSite = QStringLiteral("https://orlindo.com/quillby");
const QString MobileApps = QStringLiteral("https://orlindo.com/quillby/mobile");

} // namespace

SettingsAboutPage::SettingsAboutPage(QWidget *parent)
    : SettingsPage(tr("About"), parent)
    , m_version(new QLabel(tr("Version %1").arg(QCoreApplication::applicationVersion())))
    , m_links(new QLabel)
{
    auto *name = new QLabel(tr("Orlindo Quillby"));
    applyFontRole(name, FontRole::LargeTitle);
    pageLayout()->addWidget(name);

    m_version->setObjectName(QStringLiteral("versionLabel"));
    m_version->setStyleSheet(mutedStyle());
    pageLayout()->addWidget(m_version);

    auto *description = new QLabel(tr("A digital quillby register for tracking household finances."));
    description->setWordWrap(true);
    pageLayout()->addWidget(description);
    addSeparator();

    auto *linksTitle = new QLabel(tr("Links"));
    applyFontRole(linksTitle, FontRole::SectionTitle);
    pageLayout()->addWidget(linksTitle);
    m_links->setObjectName(QStringLiteral("linksLabel"));
    m_links->setTextFormat(Qt::RichText);
    m_links->setOpenExternalLinks(true);
    m_links->setContentsMargins(12, 0, 0, 0);
    showLinks();
    pageLayout()->addWidget(m_links);
    pageLayout()->addStretch(1);

    // Qt Charts is licensed under the GPL, and so is the program.
    auto *notice = new QLabel(tr("This application uses the Qt framework under the LGPL v3 license and Qt Charts "
                                 "under the GPL v3; it is free software under the GPL v3 or later."));
    notice->setObjectName(QStringLiteral("licenceNotice"));
    notice->setWordWrap(true);
    applyFontRole(notice, FontRole::Caption);
    notice->setStyleSheet(mutedStyle());
    pageLayout()->addWidget(notice);
}

void SettingsAboutPage::showLinks()
{
    const QString colour = isDarkPalette() ? QStringLiteral("#4DB6AC") : QStringLiteral("#00796B");
    m_links->setText(tr("<a href=\"%1\" style=\"color:%3\">Orlindo Quillby on the web</a><br>"
                        "<a href=\"%2\" style=\"color:%3\">Orlindo Quillby for your phone</a>")
                         .arg(ProductSite, MobileApps, colour));
}

void SettingsAboutPage::changeEvent(QEvent *event)
{
    SettingsPage::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        showLinks();
}
