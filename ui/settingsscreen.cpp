#include "ui/settingsscreen.h"

#include "account/client.h"
#include "app/appstate.h"
#include "ui/settingsaboutpage.h"
#include "ui/settingsdatapage.h"
#include "ui/settingsgeneralpage.h"
#include "ui/settingsregisterpage.h"
#include "ui/settingssyncsection.h"
#include "ui/thememanager.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QIcon>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QScrollArea>
#include <QStackedWidget>

namespace {

constexpr int IconSize = 20;

// A glyph of the icon font, centred on a transparent square.
QIcon materialIcon(char16_t glyph, int size, const QColor &colour)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("Material Icons"));
    font.setPixelSize(size);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QString(QChar(glyph)));
    return QIcon(pixmap);
}

QColor iconColour()
{
    return QColor(isDarkPalette() ? QStringLiteral("#8FAF9F") : QStringLiteral("#4A6358"));
}


} // namespace

SettingsScreen::SettingsScreen(AppState *state, ThemeManager *themeManager, SyncEngine *engine, QWidget *parent)
    : QWidget(parent)
    , m_navigation(new QListWidget)
    , m_pages(new QStackedWidget)
    , m_general(new SettingsGeneralPage(state->preferencesRepository(), themeManager))
    , m_register(new SettingsRegisterPage(state->preferencesRepository()))
    , m_sync(new SettingsSyncSection(state->client() ? state->client()->authClient() : nullptr, engine,
                                     state->preferencesRepository(), &m_guard))
    , m_data(new SettingsDataPage(state, m_sync))
    , m_about(new SettingsAboutPage)
{
    m_navigation->setObjectName(QStringLiteral("settingsNavigation"));
    m_navigation->setFixedWidth(180);
    m_navigation->setFrameShape(QFrame::NoFrame);
    m_navigation->setFocusPolicy(Qt::NoFocus);
    m_navigation->setSpacing(2);
    m_navigation->setIconSize(QSize(IconSize, IconSize));

    addPage(tr("General"), 0xE8B8, m_general);
    addPage(tr("Register"), 0xE8EF, m_register);
    addPage(tr("Data & Sync"), 0xE627, m_data);
    addPage(tr("About"), 0xE88E, m_about);
    applyNavigationStyle();
    connect(m_navigation, &QListWidget::currentRowChanged, this, &SettingsScreen::onCategoryChanged);
    m_navigation->setCurrentRow(GeneralPage);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_navigation, 0);
    layout->addWidget(m_pages, 1);

    connect(m_data, &SettingsDataPage::dataRestored, this, &SettingsScreen::deletedAccountRestored);
}

void SettingsScreen::addPage(const QString &name, char16_t glyph, QWidget *page)
{
    auto *item = new QListWidgetItem(name, m_navigation);
    item->setData(Qt::UserRole, int(glyph));
    // A small window scrolls the page rather than squeezing it.
    auto *scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(page);
    m_pages->addWidget(scroll);
}

void SettingsScreen::refresh()
{
    applyNavigationStyle();
    m_data->refresh();
    m_sync->refresh();
}

void SettingsScreen::selectPage(Page page)
{
    if (page >= GeneralPage && page <= AboutPage)
        m_navigation->setCurrentRow(page);
}

void SettingsScreen::onCategoryChanged(int row)
{
    if (row >= 0 && row < m_pages->count())
        m_pages->setCurrentIndex(row);
}

QString SettingsScreen::navigationStyle()
{
    const bool dark = isDarkPalette();
    return QStringLiteral("QListWidget {  background: %1;  border: none;  padding: 12px 8px;}"
                          "QListWidget::item {  color: %2;  padding: 8px 12px;  border-radius: 6px;}"
                          "QListWidget::item:hover {  background: %3;}"
                          "QListWidget::item:selected {  background: %4;  color: %5;}")
        .arg(dark ? QStringLiteral("#152420") : QStringLiteral("#F0F4F2"),
             dark ? QStringLiteral("#D8E8DF") : QStringLiteral("#1B2D26"),
             dark ? QStringLiteral("#1E3530") : QStringLiteral("#E0EBE5"),
             dark ? QStringLiteral("#26574A") : QStringLiteral("#00897B"), QStringLiteral("#FFFFFF"));
}

void SettingsScreen::applyNavigationStyle()
{
    const QString style = navigationStyle();
    m_styling = true;
    if (style != m_navigation->styleSheet()) {
        m_navigation->setStyleSheet(style);
        const QColor colour = iconColour();
        for (int row = 0; row < m_navigation->count(); ++row) {
            QListWidgetItem *item = m_navigation->item(row);
            item->setIcon(materialIcon(char16_t(item->data(Qt::UserRole).toInt()), IconSize, colour));
        }
    }
    m_styling = false;
}

void SettingsScreen::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    // Closed, not minimised: what is still on its way is of no use now; the
    // next showing asks again.
    if (!event->spontaneous())
        m_guard.invalidate();
}

void SettingsScreen::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && !m_styling)
        applyNavigationStyle();
}
