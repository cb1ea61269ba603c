#include "app/application.h"
#include "common/testappstate.h"
#include "data/accountrepository.h"
#include "data/preferencesrepository.h"
#include "data/transactionrepository.h"
#include "services/accountservice.h"
#include "services/transactiondraft.h"
#include "services/transactionservice.h"
#include "services/undohistory.h"
#include "ui/messagebox.h"
#include "ui/settingsaboutpage.h"
#include "ui/settingsdatapage.h"
#include "ui/settingsdeletedaccounts.h"
#include "ui/settingsgeneralpage.h"
#include "ui/settingsregisterpage.h"
#include "ui/thememanager.h"
#include "ui/uisettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <memory>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

// The pages of the preferences window, each against a fresh database: what
// each shows from the stored preferences and what a change stores; backup
// export and restore with their failures; and the deleted accounts.
class tst_SettingsPages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void themeShowsAndStores_data();
    void themeShowsAndStores();
    void fontSizeShowsAndStores_data();
    void fontSizeShowsAndStores();
    void weekStartShowsAndStores_data();
    void weekStartShowsAndStores();
    void languageStoresAndExplainsOnlyAChange();
    void registerChecksShowAndStore_data();
    void registerChecksShowAndStore();
    void aboutShowsTheVersion();

    void exportWritesABackupThatRestores();
    void exportToAnUnwritablePathSaysSoAndKeepsNothing_data();
    void exportToAnUnwritablePathSaysSoAndKeepsNothing();
    void exportFailureLeavesAnEarlierFile();
    void exportProposesTodaysName();
    void importOfAMissingFileCannotRead();
    void importRefusedSaysWhy_data();
    void importRefusedSaysWhy();
    void importOffersKeepNewerFirst();
    void importModeDecidesWhoWins_data();
    void importModeDecidesWhoWins();
    void importCancelledAtTheModeChangesNothing();

    void deletedAccountsHiddenWhenNone();
    void restoreBringsBackTheAccountWithItsRows();

private:
    QString addAccount(const QString &name);
    QString addPayment(const QString &accountId, const QString &payee);
    std::unique_ptr<SettingsDataPage> makeDataPage();
    // Answers the next file dialog with `path` (or cancels it when empty),
    // then, when `mode` is not negative, the mode question with that row.
    void answerImportDialogs(const QString &path, int mode, QStringList *offered = nullptr, QString *preselected = nullptr);

    std::unique_ptr<TestAppState> m_state;
    std::unique_ptr<QTemporaryDir> m_dir;
    QList<MessageBox::Request> m_boxes;
};

void tst_SettingsPages::initTestCase()
{
    TestAppState::redirectSettings();
    qputenv("AUTH_BASE_URL", "http://127.0.0.1:9");
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    QCoreApplication::setOrganizationName(QStringLiteral("Orlindo"));
    QCoreApplication::setApplicationName(QStringLiteral("QuillbyTest"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.1.2"));
    MessageBox::setResponder([this](const MessageBox::Request &request) {
        m_boxes.append(request);
        return QMessageBox::Ok;
    });
}

void tst_SettingsPages::init()
{
    QSettings().clear();
    m_boxes.clear();
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->initialize());
    m_dir = std::make_unique<QTemporaryDir>();
}

void tst_SettingsPages::cleanup()
{
    m_state.reset();
    m_dir.reset();
    setFontScalePercent(kDefaultFontScalePercent);
}

QString tst_SettingsPages::addAccount(const QString &name)
{
    Account account;
    account.name = name;
    const Result<Account> created = m_state->accountService()->create(account);
    if (!created)
        qFatal("cannot create an account");
    return created->id;
}

QString tst_SettingsPages::addPayment(const QString &accountId, const QString &payee)
{
    TransactionDraft draft;
    draft.accountId = accountId;
    draft.date = QDate(2025, 3, 14);
    draft.payee = payee;
    draft.amount = -1250;
    const Result<Transaction> created = m_state->transactionService()->create(draft);
    if (!created)
        qFatal("cannot create a transaction");
    return created->id;
}

std::unique_ptr<SettingsDataPage> tst_SettingsPages::makeDataPage()
{
    auto page = std::make_unique<SettingsDataPage>(m_state.get(), nullptr);
    page->show();
    return page;
}

void tst_SettingsPages::answerImportDialogs(const QString &path, int mode, QStringList *offered, QString *preselected)
{
    QTimer::singleShot(0, this, [=, this] {
        auto *files = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(files);
        QCOMPARE(files->windowTitle(), QStringLiteral("Import Backup"));
        QCOMPARE(files->nameFilters(), QStringList{QStringLiteral("ZIP Files (*.zip)")});
        if (path.isEmpty()) {
            files->reject();
            return;
        }
        if (mode >= -1) {
            QTimer::singleShot(0, this, [=, this] {
                auto *question = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
                QVERIFY(question);
                QCOMPARE(question->windowTitle(), QStringLiteral("Import Mode"));
                QCOMPARE(question->labelText(), QStringLiteral("How should existing data be handled?"));
                QVERIFY(!question->isComboBoxEditable());
                if (offered)
                    *offered = question->comboBoxItems();
                if (preselected)
                    *preselected = question->textValue();
                if (mode < 0) {
                    question->reject();
                    return;
                }
                question->setTextValue(question->comboBoxItems().at(mode));
                question->accept();
            });
        }
        files->selectFile(path);
        static_cast<QDialog *>(files)->accept();
    });
}

void tst_SettingsPages::themeShowsAndStores_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("choose");
    QTest::addColumn<QString>("storedAfter");
    QTest::addColumn<bool>("darkAfter");
    QTest::newRow("nothing stored") << QString() << "System Default" << 2 << "dark" << true;
    QTest::newRow("light") << "light" << "Light" << 2 << "dark" << true;
    QTest::newRow("dark") << "dark" << "Dark" << 1 << "light" << false;
    QTest::newRow("unknown text") << "sepia" << "System Default" << 1 << "light" << false;
}

void tst_SettingsPages::themeShowsAndStores()
{
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QFETCH(int, choose);
    QFETCH(QString, storedAfter);
    QFETCH(bool, darkAfter);
    PreferencesRepository *prefs = m_state->preferencesRepository();
    if (!stored.isEmpty())
        QVERIFY(prefs->set(QStringLiteral("theme"), stored));
    ThemeManager themes(prefs);
    SettingsGeneralPage page(prefs, &themes);
    QCOMPARE(page.themeCombo()->currentText(), shown);
    QCOMPARE(page.themeCombo()->count(), 3);
    // Filling the page stores nothing.
    QCOMPARE(prefs->get(QStringLiteral("theme")), stored.isEmpty() ? std::nullopt : std::optional<QString>(stored));

    page.themeCombo()->setCurrentIndex(choose);
    QCOMPARE(prefs->getValue(QStringLiteral("theme"), QString()), storedAfter);
    QCOMPARE(isDarkPalette(), darkAfter);
    QCOMPARE(themes.theme(), darkAfter ? ThemeManager::Theme::Dark : ThemeManager::Theme::Light);
}

void tst_SettingsPages::fontSizeShowsAndStores_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<QString>("shown");
    QTest::newRow("small") << 85 << "Small";
    QTest::newRow("default") << 100 << "Default";
    QTest::newRow("medium") << 115 << "Medium";
    QTest::newRow("extra large") << 150 << "Extra Large";
    QTest::newRow("120 is no item") << 120 << "Default";
}

void tst_SettingsPages::fontSizeShowsAndStores()
{
    QFETCH(int, scale);
    QFETCH(QString, shown);
    PreferencesRepository *prefs = m_state->preferencesRepository();
    ThemeManager themes(prefs);
    themes.setFontScale(scale);
    SettingsGeneralPage page(prefs, &themes);
    QCOMPARE(page.fontSizeCombo()->currentText(), shown);

    page.fontSizeCombo()->setCurrentIndex(page.fontSizeCombo()->findText(QStringLiteral("Large")));
    QCOMPARE(fontScalePercent(), 130);
    QCOMPARE(prefs->getValue(QStringLiteral("fontScale"), QString()), QStringLiteral("130"));
    // Widgets with a font role follow at once.
    QCOMPARE(page.findChild<QLabel *>(QStringLiteral("pageTitle"))->font().pointSize(), fontForRole(FontRole::PageTitle).pointSize());
}

void tst_SettingsPages::weekStartShowsAndStores_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("sunday") << "7" << "Sunday";
    QTest::newRow("monday") << "1" << "Monday";
    QTest::newRow("saturday") << "6" << "Saturday";
    const QString locale = QLocale::system().firstDayOfWeek() == Qt::Sunday     ? QStringLiteral("Sunday")
                           : QLocale::system().firstDayOfWeek() == Qt::Saturday ? QStringLiteral("Saturday")
                                                                                : QStringLiteral("Monday");
    QTest::newRow("nothing stored: the locale's") << QString() << locale;
    QTest::newRow("a day not offered: the locale's") << "3" << locale;
    QTest::newRow("garbage: the locale's") << "soon" << locale;
}

void tst_SettingsPages::weekStartShowsAndStores()
{
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    PreferencesRepository *prefs = m_state->preferencesRepository();
    if (!stored.isEmpty())
        QVERIFY(prefs->set(QStringLiteral("weekStartDay"), stored));
    SettingsGeneralPage page(prefs, nullptr);
    QCOMPARE(page.weekStartCombo()->currentText(), shown);

    QSignalSpy changed(prefs, &PreferencesRepository::changed);
    const int other = page.weekStartCombo()->currentIndex() == 0 ? 2 : 0;
    const int day = other == 0 ? Qt::Sunday : Qt::Saturday;
    page.weekStartCombo()->setCurrentIndex(other);
    QCOMPARE(prefs->getValue(QStringLiteral("weekStartDay"), QString()), QString::number(day));
    QCOMPARE(int(firstDayOfWeek()), day);
    QCOMPARE(changed.size(), 1);
}

void tst_SettingsPages::languageStoresAndExplainsOnlyAChange()
{
    Application::setUiLanguage(QStringLiteral("de"));
    SettingsGeneralPage page(m_state->preferencesRepository(), nullptr);
    QComboBox *language = page.languageCombo();
    QCOMPARE(language->currentText(), QStringLiteral("Deutsch"));
    QCOMPARE(language->itemText(5), QStringLiteral("日本語"));

    language->setCurrentIndex(language->findData(QStringLiteral("fr")));
    QCOMPARE(Application::uiLanguage(false), QStringLiteral("fr"));
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.at(0).title, QStringLiteral("Language Changed"));
    QCOMPARE(m_boxes.at(0).text, QStringLiteral("The new language will take effect the next time you start Orlindo Quillby."));

    // The stored choice again (set elsewhere meanwhile) says nothing.
    Application::setUiLanguage(QStringLiteral("system"));
    language->setCurrentIndex(language->findData(QStringLiteral("system")));
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(Application::uiLanguage(false), QStringLiteral("system"));
}

void tst_SettingsPages::registerChecksShowAndStore_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("checked");
    QTest::newRow("two lines, nothing stored") << "registerTwoLine" << QString() << false;
    QTest::newRow("two lines, on") << "registerTwoLine" << "true" << true;
    QTest::newRow("two lines, off") << "registerTwoLine" << "0" << false;
    QTest::newRow("newest first, nothing stored") << "registerNewestFirst" << QString() << false;
    QTest::newRow("newest first, on") << "registerNewestFirst" << "1" << true;
}

void tst_SettingsPages::registerChecksShowAndStore()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(bool, checked);
    PreferencesRepository *prefs = m_state->preferencesRepository();
    if (!stored.isEmpty())
        QVERIFY(prefs->set(key, stored));
    SettingsRegisterPage page(prefs);
    QCheckBox *box = key == QLatin1String("registerTwoLine") ? page.twoLineCheck() : page.newestFirstCheck();
    QCheckBox *other = box == page.twoLineCheck() ? page.newestFirstCheck() : page.twoLineCheck();
    QCOMPARE(box->isChecked(), checked);
    QCOMPARE(other->isChecked(), false);

    QSignalSpy changed(prefs, &PreferencesRepository::changed);
    box->click();
    QCOMPARE(prefs->getBool(key, checked), !checked);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), key);
    box->click();
    QCOMPARE(prefs->getBool(key, !checked), checked);
}

void tst_SettingsPages::aboutShowsTheVersion()
{
    ThemeManager themes(m_state->preferencesRepository());
    themes.setTheme(ThemeManager::Theme::Light);
    SettingsAboutPage page;
    QCOMPARE(page.versionLabel()->text(), QStringLiteral("Version 1.1.2"));
    QVERIFY(page.linksLabel()->openExternalLinks());
    // The palette has no link colour of its own: the page keeps its links
    // readable in both themes.
    QVERIFY(page.linksLabel()->text().contains(QStringLiteral("color:#00796B")));
    themes.setTheme(ThemeManager::Theme::Dark);
    // What a running application does with a new palette; a test never runs
    // the application's event loop, so Qt leaves it out.
    QEvent changed(QEvent::ApplicationPaletteChange);
    QApplication::sendEvent(&page, &changed);
    QVERIFY(page.linksLabel()->text().contains(QStringLiteral("color:#4DB6AC")));
}

void tst_SettingsPages::exportWritesABackupThatRestores()
{
    const QString checking = addAccount(QStringLiteral("Checking"));
    addPayment(checking, QStringLiteral("Corner Shop"));
    auto page = makeDataPage();
    const QString path = m_dir->filePath(QStringLiteral("backup.zip"));
    page->exportBackupTo(path);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.at(0).title, QStringLiteral("Backup Complete"));
    QCOMPARE(m_boxes.at(0).text, QStringLiteral("Backup saved to:\n") + path);
    QCOMPARE(page->exportButton()->text(), QStringLiteral("Export Backup"));
    QVERIFY(page->exportButton()->isEnabled());
    // Only the finished file is left in the folder.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("backup.zip")});

    // The file restores what it was made of.
    QVERIFY(m_state->accountService()->remove(checking));
    QSignalSpy restored(page.get(), &SettingsDataPage::dataRestored);
    page->importBackupFrom(path, BackupImportMode::ReplaceAll);
    QCOMPARE(m_boxes.size(), 2);
    QCOMPARE(m_boxes.at(1).title, QStringLiteral("Import Complete"));
    QVERIFY2(m_boxes.at(1).text.startsWith(QLatin1String("Imported ")), qPrintable(m_boxes.at(1).text));
    QCOMPARE(restored.size(), 1);
    QVERIFY(!m_state->accountRepository()->findById(checking)->deletedAt);
    QCOMPARE(m_state->transactionRepository()->findRegisterRows(checking).size(), 1);
}

void tst_SettingsPages::exportToAnUnwritablePathSaysSoAndKeepsNothing_data()
{
    QTest::addColumn<QString>("relative");
    QTest::newRow("folder that is a file") << "plain-file/backup.zip";
    QTest::newRow("missing folder") << "no/such/folder/backup.zip";
    QTest::newRow("the path is a folder") << "a-folder";
}

void tst_SettingsPages::exportToAnUnwritablePathSaysSoAndKeepsNothing()
{
    QFETCH(QString, relative);
    QFile plain(m_dir->filePath(QStringLiteral("plain-file")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("a-folder")));
    addAccount(QStringLiteral("Checking"));
    auto page = makeDataPage();
    const QString path = m_dir->filePath(relative);
    page->exportBackupTo(path);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.at(0).icon, QMessageBox::Warning);
    QCOMPARE(m_boxes.at(0).title, QStringLiteral("Backup Failed"));
    QVERIFY2(m_boxes.at(0).text.startsWith(QStringLiteral("Could not write to:\n") + path), qPrintable(m_boxes.at(0).text));
    QCOMPARE(page->exportButton()->text(), QStringLiteral("Export Backup"));
    QVERIFY(page->exportButton()->isEnabled());
    QStringList left = QDir(m_dir->path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    left.sort();
    QCOMPARE(left, (QStringList{QStringLiteral("a-folder"), QStringLiteral("plain-file")}));
}

void tst_SettingsPages::exportFailureLeavesAnEarlierFile()
{
#ifdef Q_OS_UNIX
    // An earlier backup, and a disk that takes no more than a few hundred
    // bytes per file (as a full disk would): the export cannot be written
    // in full, says so, and the earlier file stays as it was.
    const QString path = m_dir->filePath(QStringLiteral("backup.zip"));
    QFile earlier(path);
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("the earlier backup");
    earlier.close();
    const QString checking = addAccount(QStringLiteral("Checking"));
    for (int i = 0; i < 20; ++i)
        addPayment(checking, QStringLiteral("Payee %1").arg(i));
    auto page = makeDataPage();

    rlimit before{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 300;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    page->exportBackupTo(path);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previousHandler);

    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.at(0).title, QStringLiteral("Backup Failed"));
    QVERIFY2(m_boxes.at(0).text.startsWith(QStringLiteral("Could not write to:\n") + path + QStringLiteral("\n\n")),
             qPrintable(m_boxes.at(0).text));
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), QByteArray("the earlier backup"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("backup.zip")});
#else
    QSKIP("The file size limit that stands in for a full disk exists on Unix only.");
#endif
}

void tst_SettingsPages::exportProposesTodaysName()
{
    auto page = makeDataPage();
    QString proposed;
    QStringList filters;
    QString title;
    QTimer::singleShot(0, this, [&] {
        auto *files = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!files)
            return;
        title = files->windowTitle();
        filters = files->nameFilters();
        proposed = files->selectedFiles().value(0);
        files->reject();
    });
    page->exportButton()->click();
    QCOMPARE(title, QStringLiteral("Export Backup"));
    QCOMPARE(filters, QStringList{QStringLiteral("ZIP Files (*.zip)")});
    QCOMPARE(QFileInfo(proposed).fileName(),
             QStringLiteral("quillby-backup-%1.zip").arg(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))));
    // Cancelled: nothing written, nothing said.
    QVERIFY(m_boxes.isEmpty());
    QVERIFY(!QFile::exists(proposed));
}

void tst_SettingsPages::importOfAMissingFileCannotRead()
{
    auto page = makeDataPage();
    QSignalSpy restored(page.get(), &SettingsDataPage::dataRestored);
    page->importBackupFrom(m_dir->filePath(QStringLiteral("gone.zip")), BackupImportMode::KeepNewer);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.at(0).title, QStringLiteral("Import Failed"));
    QCOMPARE(m_boxes.at(0).text, QStringLiteral("Could not read file."));
    QCOMPARE(restored.size(), 0);
    QCOMPARE(page->importButton()->text(), QStringLiteral("Import Backup"));
}

void tst_SettingsPages::importRefusedSaysWhy_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::newRow("not a zip") << QByteArray("this is a shopping list, not a backup") << "Failed to open ZIP archive";
    QTest::newRow("empty file") << QByteArray() << "Failed to open ZIP archive";
    // The start of a real archive, cut off.
    QTest::newRow("cut off") << QByteArray("PK\x03\x04\x14\x00\x00\x00", 8) << "Failed to open ZIP archive";
}

void tst_SettingsPages::importRefusedSaysWhy()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const QString checking = addAccount(QStringLiteral("Checking"));
    const QString path = m_dir->filePath(QStringLiteral("refused.zip"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    auto page = makeDataPage();
    QSignalSpy restored(page.get(), &SettingsDataPage::dataRestored);
    page->importBackupFrom(path, BackupImportMode::ReplaceAll);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.at(0).icon, QMessageBox::Warning);
    QCOMPARE(m_boxes.at(0).title, QStringLiteral("Import Failed"));
    QCOMPARE(m_boxes.at(0).text, reason);
    QCOMPARE(restored.size(), 0);
    QVERIFY(page->importButton()->isEnabled());
    QCOMPARE(m_state->accountRepository()->findAll().size(), 1);
    QVERIFY(m_state->accountRepository()->findById(checking));
}

void tst_SettingsPages::importOffersKeepNewerFirst()
{
    addAccount(QStringLiteral("Checking"));
    auto page = makeDataPage();
    const QString path = m_dir->filePath(QStringLiteral("backup.zip"));
    page->exportBackupTo(path);
    m_boxes.clear();
    QStringList offered;
    QString preselected;
    answerImportDialogs(path, -1, &offered, &preselected);
    page->importButton()->click();
    QCOMPARE(offered, (QStringList{QStringLiteral("Replace all with backup data"), QStringLiteral("Keep newer (compare timestamps)"),
                                   QStringLiteral("Skip existing items")}));
    QCOMPARE(preselected, QStringLiteral("Keep newer (compare timestamps)"));
    QCOMPARE(offered, SettingsDataPage::importModeNames());
}

void tst_SettingsPages::importModeDecidesWhoWins_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("name");
    // The account was renamed after the backup, in the same second.
    QTest::newRow("replace all") << 0 << "Before";
    QTest::newRow("keep newer") << 1 << "After";
    QTest::newRow("skip existing") << 2 << "After";
}

void tst_SettingsPages::importModeDecidesWhoWins()
{
    QFETCH(int, mode);
    QFETCH(QString, name);
    const QString id = addAccount(QStringLiteral("Before"));
    auto page = makeDataPage();
    const QString path = m_dir->filePath(QStringLiteral("backup.zip"));
    page->exportBackupTo(path);
    Account renamed = *m_state->accountRepository()->findById(id);
    renamed.name = QStringLiteral("After");
    QVERIFY(m_state->accountService()->edit(renamed));
    QVERIFY(m_state->undoHistory()->canUndo());
    m_boxes.clear();

    answerImportDialogs(path, mode);
    page->importButton()->click();
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.at(0).title, QStringLiteral("Import Complete"));
    QCOMPARE(m_state->accountRepository()->findById(id)->name, name);
}

void tst_SettingsPages::importCancelledAtTheModeChangesNothing()
{
    const QString id = addAccount(QStringLiteral("Checking"));
    auto page = makeDataPage();
    const QString path = m_dir->filePath(QStringLiteral("backup.zip"));
    page->exportBackupTo(path);
    QVERIFY(m_state->accountService()->remove(id));
    m_boxes.clear();
    QSignalSpy restored(page.get(), &SettingsDataPage::dataRestored);
    answerImportDialogs(path, -1);
    page->importButton()->click();
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(restored.size(), 0);
    QVERIFY(m_state->accountRepository()->findById(id)->deletedAt);
}

void tst_SettingsPages::deletedAccountsHiddenWhenNone()
{
    addAccount(QStringLiteral("Checking"));
    auto page = makeDataPage();
    QVERIFY(page->deletedAccounts()->isHidden());
    QVERIFY(!page->deletedAccounts()->restoreButton()->isEnabled());
}

void tst_SettingsPages::restoreBringsBackTheAccountWithItsRows()
{
    const QString savings = addAccount(QStringLiteral("Savings"));
    const QString checking = addAccount(QStringLiteral("Checking"));
    addPayment(checking, QStringLiteral("Kept with the account"));
    const QString earlier = addPayment(checking, QStringLiteral("Deleted before"));
    QVERIFY(m_state->transactionService()->remove(earlier));
    QVERIFY(m_state->accountService()->remove(savings));
    QVERIFY(m_state->accountService()->remove(checking));

    auto page = makeDataPage();
    SettingsDeletedAccounts *block = page->deletedAccounts();
    QVERIFY(!block->isHidden());
    QCOMPARE(block->list()->count(), 2);
    // By name.
    QCOMPARE(block->list()->item(0)->text(), QStringLiteral("Checking"));
    QCOMPARE(block->list()->item(1)->text(), QStringLiteral("Savings"));
    QVERIFY(!block->restoreButton()->isEnabled());
    block->list()->setCurrentRow(0);
    QVERIFY(block->restoreButton()->isEnabled());

    QSignalSpy restored(page.get(), &SettingsDataPage::dataRestored);
    block->restoreButton()->click();
    QCOMPARE(restored.size(), 1);
    QVERIFY(!m_state->accountRepository()->findById(checking)->deletedAt);
    const QList<RegisterRow> rows = m_state->transactionRepository()->findRegisterRows(checking);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.at(0).payee, QStringLiteral("Kept with the account"));
    QCOMPARE(block->list()->count(), 1);
    QCOMPARE(block->list()->item(0)->text(), QStringLiteral("Savings"));
    QVERIFY(m_boxes.isEmpty());

    block->list()->setCurrentRow(0);
    block->restoreButton()->click();
    QVERIFY(block->isHidden());
    QCOMPARE(restored.size(), 2);
}

QTEST_MAIN(tst_SettingsPages)
#include "tst_settingspages.moc"
