#include "ui/settingsaboutpage.h"

#include "ui/thememanager.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const QString ProductSite = QStringLiteral("https://orlindo.com/quillby");
const QString MobileApps = QStringLiteral("https://orlindo.com/quillby/mobile");

} // namespace

SettingsAboutPage::SettingsAboutPage(QWidget *parent)
    : SettingsPage(tr("About"), parent)
    , m_version(new QLabel(tr("Version %1").arg(QCoreApplication::applicationVersion())))
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
    auto *links = new QLabel(tr("<a href=\"%1\">Orlindo Quillby on the web</a><br>"
                                "<a href=\"%2\">Orlindo Quillby for your phone</a>")
                                 .arg(ProductSite, MobileApps));
    links->setObjectName(QStringLiteral("linksLabel"));
    links->setTextFormat(Qt::RichText);
    links->setOpenExternalLinks(true);
    links->setContentsMargins(12, 0, 0, 0);
    pageLayout()->addWidget(links);
    pageLayout()->addStretch(1);

    // Qt Charts is licensed under the GPL, and so is the program.
    auto *notice = new QLabel(tr("This application uses the Qt framework under the LGPL v3 license and Qt Charts "
                                 "under the GPL v3; it is free software under the GPL v3 or later."));
    notice->setObjectName(QStringLiteral("licenceNotice"));
    notice->setWordWrap(true);
    applyFontRole(notice, FontRole::Caption);
    notice->setEnabled(false);
    pageLayout()->addWidget(notice);
}
