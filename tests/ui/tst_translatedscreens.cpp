#include "app/appstate.h"
#include "common/testappstate.h"
#include "data/account.h"
#include "data/accountrepository.h"
#include "data/clock.h"
#include "data/recurringrepository.h"
#include "data/recurringtransaction.h"
#include "data/splitline.h"
#include "data/transaction.h"
#include "data/transactionrepository.h"
#include "data/uuids.h"
#include "services/reconciliationservice.h"
#include "services/reportservice.h"
#include "ui/accountformdialog.h"
#include "ui/mainwindow.h"
#include "ui/messagebox.h"
#include "ui/register/spliteditordialog.h"
#include "ui/register/transactiondetailsdialog.h"
#include "ui/register/transactionformdialog.h"
#include "ui/screens/importscreen.h"
#include "ui/screens/payeescreen.h"
#include "ui/screens/reconciliationhistoryscreen.h"
#include "ui/screens/reconciliationscreen.h"
#include "ui/screens/recurringformdialog.h"
#include "ui/screens/recurringscreen.h"
#include "ui/screens/reportsscreen.h"
#include "ui/screens/searchscreen.h"
#include "ui/settingsaboutpage.h"
#include "ui/settingsdatapage.h"
#include "ui/settingsgeneralpage.h"
#include "ui/settingsregisterpage.h"
#include "ui/thememanager.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTranslator>
#include <QVBoxLayout>
#include <QXmlStreamReader>

#include <memory>

namespace {

// Removes keyboard accelerators ("&File" shows as "File"), keeps "&&" as "&".
QString withoutAccelerators(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size()) {
            ++i;
        }
        out.append(text.at(i));
    }
    return out.trimmed();
}

// The English texts of the German catalog whose translation differs from
// them: seeing one of them on a German screen means the text was shown
// without going through the catalog. Texts that are also a German
// translation somewhere ("Auto", "Status") prove nothing and are left out.
class EnglishTexts
{
public:
    bool load(const QString &catalogPath)
    {
        QFile file(catalogPath);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        QSet<QString> german;
        QList<QPair<QString, QString>> pairs;
        QXmlStreamReader xml(&file);
        QString source;
        QStringList forms;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QLatin1String("message")) {
                source.clear();
                forms.clear();
            } else if (xml.isStartElement() && xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.isStartElement() && xml.name() == QLatin1String("translation")) {
                const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                if (!text.isEmpty())
                    forms << text;
            } else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) {
                forms << xml.readElementText();
            } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
                for (const QString &form : std::as_const(forms)) {
                    german.insert(withoutAccelerators(form));
                    pairs.append({source, form});
                }
            }
        }
        if (xml.hasError())
            return false;
        static const QRegularExpression placeholder(QStringLiteral("%(n|[1-9][0-9]?)"));
        for (const auto &[english, translated] : std::as_const(pairs)) {
            const QString shown = withoutAccelerators(english);
            if (shown.isEmpty() || shown == withoutAccelerators(translated) || german.contains(shown))
                continue;
            if (!shown.contains(placeholder)) {
                m_exact.insert(shown);
                continue;
            }
            // "Total: %1" shows as "Total: 12.00": the words around the
            // placeholders must be long enough to say something.
            QString fixed = shown;
            fixed.remove(placeholder);
            if (fixed.count(QRegularExpression(QStringLiteral("[A-Za-z]"))) < 5)
                continue;
            QString pattern;
            qsizetype from = 0;
            for (const QRegularExpressionMatch &match : placeholder.globalMatch(shown)) {
                pattern += QRegularExpression::escape(shown.mid(from, match.capturedStart() - from))
                           + QStringLiteral(".+");
                from = match.capturedEnd();
            }
            pattern += QRegularExpression::escape(shown.mid(from));
            m_patterns.append(QRegularExpression(QStringLiteral("^%1$").arg(pattern),
                                                 QRegularExpression::DotMatchesEverythingOption));
        }
        return !m_exact.isEmpty();
    }

    bool isEnglish(const QString &text) const
    {
        const QString shown = withoutAccelerators(text);
        if (shown.isEmpty())
            return false;
        if (m_exact.contains(shown))
            return true;
        for (const QRegularExpression &pattern : m_patterns) {
            if (pattern.match(shown).hasMatch())
                return true;
        }
        return false;
    }

    qsizetype size() const { return m_exact.size() + m_patterns.size(); }

private:
    QSet<QString> m_exact;
    QList<QRegularExpression> m_patterns;
};

// Collects the texts a person sees on a window and its visible children:
// titles, labels, buttons, group boxes, tabs, menus and actions, place-holder
// texts, tool tips, combo box items, spin box affixes and item view headers
// and cells. Buttons of a QDialogButtonBox with a standard role carry Qt's own
// texts (qtbase catalog) and are left out.
class ScreenTexts
{
public:
    explicit ScreenTexts(const EnglishTexts &english)
        : m_english(english)
    {
    }

    QStringList englishOn(QWidget *window)
    {
        m_found.clear();
        m_seen.clear();
        walk(window);
        return m_found;
    }

private:
    // One finding per text: an action's tool tip repeats its text, a menu
    // bar lists its menus as actions of its own.
    void note(const QObject *owner, const QString &what, const QString &text)
    {
        if (!m_seen.contains(text) && m_english.isEnglish(text)) {
            m_seen.insert(text);
            m_found << QStringLiteral("%1 \"%2\" %3: %4")
                           .arg(QString::fromLatin1(owner->metaObject()->className()), owner->objectName(), what, text);
        }
    }

    void walkActions(const QObject *owner, const QList<QAction *> &actions)
    {
        for (QAction *action : actions) {
            note(owner, QStringLiteral("action"), action->text());
            note(owner, QStringLiteral("action tool tip"), action->toolTip());
            note(owner, QStringLiteral("action status tip"), action->statusTip());
            if (action->menu()) {
                note(action->menu(), QStringLiteral("menu title"), action->menu()->title());
                walkActions(action->menu(), action->menu()->actions());
            }
        }
    }

    void walkModel(const QAbstractItemView *view)
    {
        const QAbstractItemModel *model = view->model();
        if (!model)
            return;
        for (int column = 0; column < model->columnCount(); ++column)
            note(view, QStringLiteral("header"), model->headerData(column, Qt::Horizontal).toString());
        // Cells: status texts and placeholders live there too. Enough rows
        // to see every kind the fixture has.
        for (int row = 0; row < std::min(model->rowCount(), 40); ++row) {
            for (int column = 0; column < model->columnCount(); ++column) {
                const QModelIndex index = model->index(row, column);
                note(view, QStringLiteral("cell"), model->data(index).toString());
                note(view, QStringLiteral("cell tool tip"), model->data(index, Qt::ToolTipRole).toString());
            }
        }
    }

    void walk(QWidget *widget)
    {
        if (widget->isWindow())
            note(widget, QStringLiteral("window title"), widget->windowTitle());
        note(widget, QStringLiteral("tool tip"), widget->toolTip());
        walkActions(widget, widget->actions());
        if (auto *menuBar = qobject_cast<QMenuBar *>(widget))
            walkActions(menuBar, menuBar->actions());
        if (auto *label = qobject_cast<QLabel *>(widget))
            note(label, QStringLiteral("label"), label->text());
        if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            auto *box = qobject_cast<QDialogButtonBox *>(button->parentWidget());
            if (!box || box->standardButton(button) == QDialogButtonBox::NoButton)
                note(button, QStringLiteral("button"), button->text());
        }
        if (auto *group = qobject_cast<QGroupBox *>(widget))
            note(group, QStringLiteral("group box"), group->title());
        if (auto *edit = qobject_cast<QLineEdit *>(widget))
            note(edit, QStringLiteral("place-holder"), edit->placeholderText());
        if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            for (int i = 0; i < combo->count(); ++i)
                note(combo, QStringLiteral("item"), combo->itemText(i));
        }
        if (auto *spin = qobject_cast<QDoubleSpinBox *>(widget)) {
            note(spin, QStringLiteral("prefix"), spin->prefix());
            note(spin, QStringLiteral("suffix"), spin->suffix());
            note(spin, QStringLiteral("special value"), spin->specialValueText());
        }
        if (auto *spin = qobject_cast<QSpinBox *>(widget)) {
            note(spin, QStringLiteral("prefix"), spin->prefix());
            note(spin, QStringLiteral("suffix"), spin->suffix());
            note(spin, QStringLiteral("special value"), spin->specialValueText());
        }
        if (auto *tabs = qobject_cast<QTabBar *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                note(tabs, QStringLiteral("tab"), tabs->tabText(i));
                note(tabs, QStringLiteral("tab tool tip"), tabs->tabToolTip(i));
            }
        }
        // A header view shares its table's model; the table walks it.
        auto *view = qobject_cast<QAbstractItemView *>(widget);
        if (view && !qobject_cast<QHeaderView *>(view))
            walkModel(view);
        const QList<QWidget *> children = widget->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (QWidget *child : children) {
            // Menus are walked through their actions; hidden pages are not on screen.
            if (!child->isWindow() && child->isVisible())
                walk(child);
        }
    }

    const EnglishTexts &m_english;
    QStringList m_found;
    QSet<QString> m_seen;
};

enum class Screen {
    Welcome,
    MainWindowRegister,
    TransactionForm,
    TransactionDetails,
    SplitEditor,
    AccountForm,
    Recurring,
    RecurringForm,
    Reports,
    Import,
    Reconciliation,
    ReconciliationHistory,
    Search,
    Payees,
    SettingsGeneral,
    SettingsRegister,
    SettingsData,
    SettingsAbout,
};

enum class Probe { Label, Button, Placeholder, ComboItem, Header, WindowTitle, MenuAction, ToolTip };

} // namespace

Q_DECLARE_METATYPE(Screen)
Q_DECLARE_METATYPE(Probe)

// Runs the main screens with the German catalog installed and fails for
// every text that is still the English source of a catalog entry whose
// German translation differs: a text that was never passed through tr(), or
// translated in one place and hard-coded in another.
class tst_TranslatedScreens : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void catalogIsInstalled();
    void englishTextsAreFound_data();
    void englishTextsAreFound();
    void screensShowNoEnglishText_data();
    void screensShowNoEnglishText();

private:
    std::unique_ptr<QWidget> open(Screen screen);
    QStringList englishOnAllTabs(QWidget *window);
    QString addAccount(const QString &name);
    Transaction addTransaction(const QString &payee, qint64 amount, bool cleared);

    QTranslator m_translator;
    EnglishTexts m_english;
    std::unique_ptr<TestAppState> m_state;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<ReportService> m_reportService;
    std::unique_ptr<ReconciliationService> m_reconciliationService;
    QString m_accountId;
    Transaction m_transaction;
};

void tst_TranslatedScreens::initTestCase()
{
    TestAppState::redirectSettings();
    qputenv("AUTH_BASE_URL", "http://127.0.0.1:9");
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    MessageBox::setResponder([](const MessageBox::Request &) { return QMessageBox::No; });
    Clock::setToday(QDate(2024, 6, 15));
    QVERIFY(m_translator.load(QStringLiteral(":/i18n/quillby_de.qm")));
    QVERIFY(QCoreApplication::installTranslator(&m_translator));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QVERIFY2(m_english.load(QStringLiteral(QUILLBY_I18N_DIR "/quillby_de.ts")),
             "the German catalog could not be read from the source tree");
}

void tst_TranslatedScreens::cleanupTestCase()
{
    QCoreApplication::removeTranslator(&m_translator);
    QLocale::setDefault(QLocale::c());
}

void tst_TranslatedScreens::init()
{
    QSettings().clear();
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->initialize());
    m_reportService = std::make_unique<ReportService>(m_state->database());
    m_reconciliationService = std::make_unique<ReconciliationService>(
        m_state->database(), m_state->accountRepository(), m_state->transactionRepository(),
        m_state->reconciliationRepository());
    m_accountId = addAccount(QStringLiteral("Haushaltskasse Müller"));
    m_transaction = addTransaction(QStringLiteral("Bäckerei Krume"), -1250, true);
    addTransaction(QStringLiteral("Gehalt Firma Zett"), 250000, false);

    RecurringTransaction recurring;
    recurring.id = newUuid();
    recurring.accountId = m_accountId;
    recurring.payee = QStringLiteral("Stadtwerke Nord");
    recurring.amount = -4500;
    recurring.frequency = Frequency::Monthly;
    recurring.startDate = recurring.nextDueDate = QDate(2024, 6, 20);
    recurring.isActive = true;
    recurring.createdAt = recurring.updatedAt = QDateTime::currentDateTimeUtc();
    QVERIFY(m_state->recurringRepository()->insert(recurring));
}

void tst_TranslatedScreens::cleanup()
{
    m_window.reset();
    m_reconciliationService.reset();
    m_reportService.reset();
    m_state.reset();
}

QString tst_TranslatedScreens::addAccount(const QString &name)
{
    Account account;
    account.id = newUuid();
    account.name = name;
    account.createdAt = account.updatedAt = QDateTime::currentDateTimeUtc();
    if (!m_state->accountRepository()->insert(account))
        qFatal("cannot insert account");
    return account.id;
}

Transaction tst_TranslatedScreens::addTransaction(const QString &payee, qint64 amount, bool cleared)
{
    Transaction t;
    t.id = newUuid();
    t.accountId = m_accountId;
    t.date = QDate(2024, 6, 3);
    t.payee = payee;
    t.amount = amount;
    t.cleared = cleared;
    t.createdAt = t.updatedAt = QDateTime::currentDateTimeUtc();
    if (!m_state->transactionRepository()->insert(t))
        qFatal("cannot insert transaction");
    return t;
}

void tst_TranslatedScreens::catalogIsInstalled()
{
    QCOMPARE(MainWindow::tr("&File"), QStringLiteral("&Datei"));
    QVERIFY(m_english.size() > 500);
}

void tst_TranslatedScreens::englishTextsAreFound_data()
{
    QTest::addColumn<Probe>("probe");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("english");

    QTest::newRow("englishLabel") << Probe::Label << "Statement Date:" << true;
    QTest::newRow("germanLabel") << Probe::Label << "Auszugsdatum:" << false;
    QTest::newRow("accelerator") << Probe::Button << "&Delete" << true;
    QTest::newRow("germanButton") << Probe::Button << "&Löschen" << false;
    QTest::newRow("sameInBoth") << Probe::Button << "Auto" << false;
    QTest::newRow("data") << Probe::Label << "Bäckerei Krume" << false;
    QTest::newRow("withNumber") << Probe::Label << "Total: 12.00" << true;
    QTest::newRow("germanWithNumber") << Probe::Label << "Summe: 12.00" << false;
    QTest::newRow("plural") << Probe::Label << "3 transaction(s) found." << true;
    QTest::newRow("placeholder") << Probe::Placeholder << "Start typing to search payees..." << true;
    QTest::newRow("comboItem") << Probe::ComboItem << "This Month" << true;
    QTest::newRow("header") << Probe::Header << "Payee" << true;
    QTest::newRow("windowTitle") << Probe::WindowTitle << "Recurring Transactions" << true;
    QTest::newRow("menuAction") << Probe::MenuAction << "&Import..." << true;
    QTest::newRow("toolTip") << Probe::ToolTip << "Open calendar (F4)" << true;
    QTest::newRow("germanToolTip") << Probe::ToolTip << "Kalender öffnen (F4)" << false;
}

void tst_TranslatedScreens::englishTextsAreFound()
{
    QFETCH(Probe, probe);
    QFETCH(QString, text);
    QFETCH(bool, english);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Probe"));
    auto *layout = new QVBoxLayout(&window);
    QStandardItemModel model(1, 1);
    switch (probe) {
    case Probe::Label:
        layout->addWidget(new QLabel(text));
        break;
    case Probe::Button:
        layout->addWidget(new QPushButton(text));
        break;
    case Probe::Placeholder: {
        auto *edit = new QLineEdit;
        edit->setPlaceholderText(text);
        layout->addWidget(edit);
        break;
    }
    case Probe::ComboItem: {
        auto *combo = new QComboBox;
        combo->addItems({QStringLiteral("Zeitraum"), text});
        layout->addWidget(combo);
        break;
    }
    case Probe::Header: {
        model.setHorizontalHeaderLabels({text});
        auto *view = new QTableView;
        view->setModel(&model);
        layout->addWidget(view);
        break;
    }
    case Probe::WindowTitle:
        window.setWindowTitle(text);
        break;
    case Probe::MenuAction: {
        auto *menuBar = new QMenuBar;
        menuBar->addMenu(QStringLiteral("&Datei"))->addAction(text);
        layout->addWidget(menuBar);
        break;
    }
    case Probe::ToolTip: {
        auto *edit = new QLineEdit;
        edit->setToolTip(text);
        layout->addWidget(edit);
        break;
    }
    }
    window.show();
    const QStringList found = ScreenTexts(m_english).englishOn(&window);
    QVERIFY2(found.isEmpty() != english, qPrintable(found.join(QLatin1Char('\n'))));
}

void tst_TranslatedScreens::screensShowNoEnglishText_data()
{
    QTest::addColumn<Screen>("screen");
    QTest::newRow("welcome") << Screen::Welcome;
    QTest::newRow("mainWindowRegister") << Screen::MainWindowRegister;
    QTest::newRow("transactionForm") << Screen::TransactionForm;
    QTest::newRow("transactionDetails") << Screen::TransactionDetails;
    QTest::newRow("splitEditor") << Screen::SplitEditor;
    QTest::newRow("accountForm") << Screen::AccountForm;
    QTest::newRow("recurring") << Screen::Recurring;
    QTest::newRow("recurringForm") << Screen::RecurringForm;
    QTest::newRow("reports") << Screen::Reports;
    QTest::newRow("import") << Screen::Import;
    QTest::newRow("reconciliation") << Screen::Reconciliation;
    QTest::newRow("reconciliationHistory") << Screen::ReconciliationHistory;
    QTest::newRow("search") << Screen::Search;
    QTest::newRow("payees") << Screen::Payees;
    QTest::newRow("settingsGeneral") << Screen::SettingsGeneral;
    QTest::newRow("settingsRegister") << Screen::SettingsRegister;
    QTest::newRow("settingsData") << Screen::SettingsData;
    QTest::newRow("settingsAbout") << Screen::SettingsAbout;
}

std::unique_ptr<QWidget> tst_TranslatedScreens::open(Screen screen)
{
    switch (screen) {
    case Screen::Welcome:
        // Without accounts the window shows its welcome page.
        m_state->accountRepository()->softDelete(m_accountId);
        return std::make_unique<MainWindow>(m_state.get());
    case Screen::MainWindowRegister:
        return std::make_unique<MainWindow>(m_state.get());
    case Screen::TransactionForm:
        return std::make_unique<TransactionFormDialog>(m_state.get(), m_accountId);
    case Screen::TransactionDetails:
        return std::make_unique<TransactionDetailsDialog>(m_state.get(), m_transaction);
    case Screen::SplitEditor:
        return std::make_unique<SplitEditorDialog>(m_state.get(), -1250, QList<SplitLine>{}, Currency::USD);
    case Screen::AccountForm:
        return std::make_unique<AccountFormDialog>();
    case Screen::Recurring:
        return std::make_unique<RecurringScreen>(m_state.get(), m_state->recurringService());
    case Screen::RecurringForm:
        return std::make_unique<RecurringFormDialog>(m_state.get());
    case Screen::Reports:
        return std::make_unique<ReportsScreen>(m_state.get(), m_reportService.get());
    case Screen::Import:
        return std::make_unique<ImportScreen>(m_state.get());
    case Screen::Reconciliation: {
        auto reconciliation = std::make_unique<ReconciliationScreen>(m_state.get(), m_reconciliationService.get());
        reconciliation->setAccount(m_accountId);
        return reconciliation;
    }
    case Screen::ReconciliationHistory: {
        auto history = std::make_unique<ReconciliationHistoryScreen>(m_state.get());
        history->setAccount(m_accountId);
        return history;
    }
    case Screen::Search:
        return std::make_unique<SearchScreen>(m_state.get());
    case Screen::Payees:
        return std::make_unique<PayeeScreen>(m_state.get());
    case Screen::SettingsGeneral: {
        // The page needs the window's theme manager; the window stays open behind it.
        m_window = std::make_unique<MainWindow>(m_state.get());
        return std::make_unique<SettingsGeneralPage>(m_state->preferencesRepository(), m_window->themeManager());
    }
    case Screen::SettingsRegister:
        return std::make_unique<SettingsRegisterPage>(m_state->preferencesRepository());
    case Screen::SettingsData:
        return std::make_unique<SettingsDataPage>(m_state.get(), nullptr);
    case Screen::SettingsAbout:
        return std::make_unique<SettingsAboutPage>();
    }
    return {};
}

QStringList tst_TranslatedScreens::englishOnAllTabs(QWidget *window)
{
    ScreenTexts texts(m_english);
    QStringList found = texts.englishOn(window);
    // Each tab page is on screen only while it is the current one.
    const QList<QTabWidget *> tabWidgets = window->findChildren<QTabWidget *>();
    for (QTabWidget *tabs : tabWidgets) {
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QCoreApplication::processEvents();
            found += texts.englishOn(window);
        }
    }
    found.removeDuplicates();
    return found;
}

void tst_TranslatedScreens::screensShowNoEnglishText()
{
    QFETCH(Screen, screen);

    std::unique_ptr<QWidget> window = open(screen);
    QVERIFY(window);
    window->resize(1024, 700);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QStringList found = englishOnAllTabs(window.get());
    QVERIFY2(found.isEmpty(), qPrintable(QStringLiteral("shown in English:\n") + found.join(QLatin1Char('\n'))));
}

QTEST_MAIN(tst_TranslatedScreens)
#include "tst_translatedscreens.moc"
