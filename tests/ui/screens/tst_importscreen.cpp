#include "app/appstate.h"
#include "common/testappstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/changejournal.h"
#include "data/database.h"
#include "data/importidrepository.h"
#include "data/transactionrepository.h"
#include "services/accountservice.h"
#include "services/importservice.h"
#include "services/undohistory.h"
#include "ui/accountformdialog.h"
#include "ui/messagebox.h"
#include "ui/screens/importpreviewmodel.h"
#include "ui/screens/importscreen.h"
#include "ui/thememanager.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

Q_DECLARE_METATYPE(ImportResult)

namespace {
const QString kChecking = QStringLiteral("acc-checking");
const QString kYen = QStringLiteral("acc-yen");

QByteArray ofxFixture(const QString &name)
{
    QFile file(QFINDTESTDATA(QStringLiteral("../../services/data/ofx/") + name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(name));
    return file.readAll();
}
} // namespace

class tst_ImportScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void preparedLayout();
    void formatSwitchShowsItsParts();
    void csvPreviewFillsCombosAndTable();
    void longCsvPreviewFillsInTheBackground();
    void secondCsvFileKeepsOrResetsColumns_data();
    void secondCsvFileKeepsOrResetsColumns();
    void csvImportShowsSummaryAndDone();
    void csvIntoYenAccount();
    void csvWithoutAccountCreatesOne();
    void csvWithoutAccountDeclined();
    void qifRowsAndPreselection();
    void qifCreatedAccountIsPreselectedNextTime();
    void ofxCreatedAccountIsPreselectedNextTime();
    void ofxRenamedAccountFoundByNumber();
    void skippedSourceReportsUnmapped();
    void progressIsApplicationModalAndLive();
    void cancelLeavesNothing_data();
    void cancelLeavesNothing();
    void failuresNeverSayComplete_data();
    void failuresNeverSayComplete();
    void summaryLines_data();
    void summaryLines();

private:
    QString writeFile(const QString &name, const QByteArray &bytes);
    void addAccount(const QString &id, const QString &name, Currency currency = Currency::USD);
    int transactionCount() const;
    int accountCount() const;
    QComboBox *combo(const QString &name) const { return m_screen->findChild<QComboBox *>(name); }
    QList<QComboBox *> sourceCombos() const;
    QString accountIdNamed(const QString &name) const;
    // Presses Cancel in the import's progress window once it reports `at`.
    void cancelAt(int at);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TestAppState> m_state;
    std::unique_ptr<ImportScreen> m_screen;
    QList<MessageBox::Request> m_boxes;
    QMessageBox::StandardButton m_answer = QMessageBox::Yes;
};

void tst_ImportScreen::initTestCase()
{
    TestAppState::redirectSettings();
    QCoreApplication::setOrganizationName("Orlindo");
    QCoreApplication::setApplicationName("QuillbyTest");
    MessageBox::setResponder([this](const MessageBox::Request &request) {
        m_boxes.append(request);
        return m_answer;
    });
}

void tst_ImportScreen::init()
{
    QApplication::setPalette(ThemeManager::lightPalette());
    m_boxes.clear();
    m_answer = QMessageBox::Yes;
    m_dir = std::make_unique<QTemporaryDir>();
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->initialize());
    addAccount(kChecking, "Checking");
    addAccount(kYen, "Tokyo Card", Currency::JPY);
    m_screen = std::make_unique<ImportScreen>(m_state.get());
    m_screen->resize(650, 600);
    m_screen->show();
    m_screen->prepare();
}

void tst_ImportScreen::cleanup()
{
    m_screen.reset();
    m_state.reset();
    m_dir.reset();
}

QString tst_ImportScreen::writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void tst_ImportScreen::addAccount(const QString &id, const QString &name, Currency currency)
{
    Account account;
    account.id = id;
    account.name = name;
    account.currency = currency;
    account.sortOrder = int(m_state->accountRepository()->findAll().size());
    account.createdAt = account.updatedAt = QDateTime::currentDateTimeUtc();
    QVERIFY(m_state->accountRepository()->insert(account));
}

int tst_ImportScreen::transactionCount() const
{
    QSqlQuery query(m_state->database()->connection());
    return query.exec("SELECT COUNT(*) FROM transactions WHERE deleted_at IS NULL") && query.next()
               ? query.value(0).toInt()
               : -1;
}

int tst_ImportScreen::accountCount() const
{
    return int(m_state->accountRepository()->findAll().size());
}

QList<QComboBox *> tst_ImportScreen::sourceCombos() const
{
    QList<QComboBox *> combos;
    for (int i = 0;; ++i) {
        auto *box = combo(QStringLiteral("sourceCombo%1").arg(i));
        if (!box)
            return combos;
        combos.append(box);
    }
}

QString tst_ImportScreen::accountIdNamed(const QString &name) const
{
    for (const Account &account : m_state->accountRepository()->findAll()) {
        if (account.name == name)
            return account.id;
    }
    return QString();
}

void tst_ImportScreen::cancelAt(int at)
{
    connect(m_screen->service(), &ImportService::importProgress, m_screen.get(), [this, at](int current, int) {
        if (current != at)
            return;
        auto *progress = m_screen->findChild<QProgressDialog *>(QStringLiteral("importProgress"));
        QVERIFY(progress);
        // Its Cancel button, as a person presses it.
        auto *button = progress->findChild<QPushButton *>();
        QVERIFY(button);
        button->click();
    });
}

void tst_ImportScreen::preparedLayout()
{
    QCOMPARE(m_screen->currentPage(), int(ImportScreen::SetupPage));
    QCOMPARE(m_screen->format(), ImportScreen::Format::Csv);
    QCOMPARE(m_screen->findChild<QLabel *>("fileLabel")->text(), QStringLiteral("No file selected"));
    QComboBox *accounts = combo("accountCombo");
    QCOMPARE(accounts->count(), 2);
    QCOMPARE(accounts->itemText(0), QStringLiteral("Checking"));
    QCOMPARE(accounts->itemData(1).toString(), kYen);
    QVERIFY(m_screen->findChild<QWidget *>("csvPart")->isVisible());
    QVERIFY(!m_screen->findChild<QWidget *>("sourcePart")->isVisible());
    QComboBox *formats = combo("dateFormat");
    QCOMPARE(formats->count(), 9);
    QCOMPARE(formats->itemData(0).toString(), QString());
    QCOMPARE(formats->itemData(8).toString(), QStringLiteral("MMMM d, yyyy"));
    QVERIFY(m_screen->findChild<QCheckBox *>("headerCheck")->isChecked());
    QVERIFY(m_screen->findChild<QFormLayout *>("qifMapRowsLayout"));
}

void tst_ImportScreen::formatSwitchShowsItsParts()
{
    m_screen->chooseCsvFile(writeFile("a.csv", "Date,Payee,Amount\n2024-01-05,Shop,-1\n"));
    QCOMPARE(m_screen->previewModel()->rowCount(), 2);
    m_screen->setFormat(ImportScreen::Format::Qif);
    QVERIFY(!m_screen->findChild<QWidget *>("csvPart")->isVisible());
    QVERIFY(!combo("accountCombo")->isVisible());
    // The CSV file is no QIF file: it is let go with its preview.
    QCOMPARE(m_screen->findChild<QLabel *>("fileLabel")->text(), QStringLiteral("No file selected"));
    QCOMPARE(m_screen->previewModel()->rowCount(), 0);

    m_screen->chooseQifFiles({writeFile("a.qif", "!Account\nNChecking\n^\n!Type:Bank\nD1/1/2024\nT5\n^\n")});
    QVERIFY(m_screen->findChild<QWidget *>("sourcePart")->isVisible());
    m_screen->setFormat(ImportScreen::Format::Csv);
    QVERIFY(!m_screen->findChild<QWidget *>("sourcePart")->isVisible());
    QCOMPARE(m_screen->findChild<QFormLayout *>("qifMapRowsLayout")->rowCount(), 0);
    QVERIFY(combo("accountCombo")->isVisible());
}

void tst_ImportScreen::csvPreviewFillsCombosAndTable()
{
    m_screen->chooseCsvFile(writeFile("bank.csv", "Posted Date,Description of the transaction,Amount,Notes\n"
                                                  "2024-01-05,6\" Sub Shop,-7.50,lunch\n2024-01-06,Bakery,-3.00\n"));
    QCOMPARE(m_screen->findChild<QLabel *>("fileLabel")->text(), QStringLiteral("bank.csv"));
    ImportPreviewModel *model = m_screen->previewModel();
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(model->columnCount(), 4);
    QCOMPARE(model->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Col 3"));
    QCOMPARE(model->index(1, 1).data().toString(), QStringLiteral("6\" Sub Shop"));
    QCOMPARE(model->index(2, 3).data().toString(), QString());

    QCOMPARE(combo("payeeColumn")->itemText(1), QStringLiteral("Col 1: Description of the t"));
    QCOMPARE(combo("memoColumn")->itemText(0), QStringLiteral("(none)"));
    QCOMPARE(combo("memoColumn")->itemData(0).toInt(), -1);
    QCOMPARE(combo("memoColumn")->count(), 5);
    QCOMPARE(combo("dateColumn")->currentData().toInt(), 0);
    QCOMPARE(combo("payeeColumn")->currentData().toInt(), 1);
    QCOMPARE(combo("amountColumn")->currentData().toInt(), 2);
}

void tst_ImportScreen::longCsvPreviewFillsInTheBackground()
{
    QByteArray text = "Date,Payee,Amount\n";
    for (int i = 0; i < 2500; ++i)
        text += "2024-01-05,\"Payee\n" + QByteArray::number(i) + "\",-1" + (i == 2400 ? ",wide" : "") + "\n";
    ImportPreviewModel *model = m_screen->previewModel();
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    m_screen->chooseCsvFile(writeFile("long.csv", text));
    // The first rows show at once, before the rest is parsed.
    QCOMPARE(model->rowCount(), 1000);
    QCOMPARE(model->columnCount(), 3);
    QTRY_VERIFY(m_screen->isPreviewComplete());
    QCOMPARE(model->rowCount(), 2501);
    QCOMPARE(model->columnCount(), 4);
    QCOMPARE(model->index(2500, 1).data().toString(), QStringLiteral("Payee\n2499"));

    // A file chosen while the last one is still being parsed shows alone.
    m_screen->chooseCsvFile(writeFile("long2.csv", text));
    m_screen->chooseCsvFile(writeFile("short.csv", "Date,Payee,Amount\n2024-01-05,Shop,-1\n"));
    QVERIFY(m_screen->isPreviewComplete());
    QTest::qWait(200);
    QCOMPARE(model->rowCount(), 2);
    // Closing in the middle of a parse waits for it.
    m_screen->chooseCsvFile(writeFile("long3.csv", text));
    m_screen.reset();
}

void tst_ImportScreen::secondCsvFileKeepsOrResetsColumns_data()
{
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<int>("payee");

    QTest::newRow("sameColumnCount") << QByteArray("A,B,C,D\n1,2,3,4\n") << 3;
    QTest::newRow("otherColumnCount") << QByteArray("A,B,C,D,E\n1,2,3,4,5\n") << 1;
}

void tst_ImportScreen::secondCsvFileKeepsOrResetsColumns()
{
    QFETCH(QByteArray, second);
    QFETCH(int, payee);
    m_screen->chooseCsvFile(writeFile("first.csv", "W,X,Y,Z\n1,2,3,4\n"));
    combo("payeeColumn")->setCurrentIndex(3);
    m_screen->chooseCsvFile(writeFile("second.csv", second));
    QCOMPARE(combo("payeeColumn")->currentData().toInt(), payee);
}

void tst_ImportScreen::csvImportShowsSummaryAndDone()
{
    m_screen->chooseCsvFile(writeFile("bank.csv", "Date,Payee,Amount\n03/15/24,Shop,-4.50\n03/15/24,Shop,-4.50\n"
                                                  "bad,Shop,-1\n"));
    QSignalSpy completed(m_screen.get(), &ImportScreen::importCompleted);
    m_screen->runImport();
    QCOMPARE(m_screen->currentPage(), int(ImportScreen::SummaryPage));
    QCOMPARE(m_screen->summaryText(), QStringLiteral("Import complete!\n\n1 transaction(s) imported\n"
                                                     "1 duplicate(s) skipped\n1 record(s) skipped (unparseable)"));
    const QList<Transaction> rows = m_state->transactionRepository()->findByAccount(kChecking);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].date, QDate(2024, 3, 15));

    m_screen->findChild<QPushButton *>("doneButton")->click();
    QCOMPARE(completed.size(), 1);
    QCOMPARE(m_screen->currentPage(), int(ImportScreen::SetupPage));
    QVERIFY(!m_screen->isVisible());
    QCOMPARE(m_screen->findChild<QLabel *>("fileLabel")->text(), QStringLiteral("No file selected"));
}

void tst_ImportScreen::csvIntoYenAccount()
{
    m_screen->chooseCsvFile(writeFile("yen.csv", "Date,Payee,Amount\n2024-02-03,Ramen,\"-¥1,200\"\n"
                                                 "2024-02-04,Tea,-480.5\n"));
    combo("accountCombo")->setCurrentIndex(combo("accountCombo")->findData(kYen));
    m_screen->runImport();
    QList<qint64> amounts;
    for (const Transaction &t : m_state->transactionRepository()->findByAccount(kYen))
        amounts << t.amount;
    std::sort(amounts.begin(), amounts.end());
    QCOMPARE(amounts, (QList<qint64>{-1200, -481}));
}

void tst_ImportScreen::csvWithoutAccountCreatesOne()
{
    m_state.reset();
    m_screen.reset();
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->initialize());
    m_screen = std::make_unique<ImportScreen>(m_state.get());
    m_screen->show();
    m_screen->prepare();
    QCOMPARE(combo("accountCombo")->count(), 0);
    m_screen->chooseCsvFile(writeFile("bank.csv", "Date,Payee,Amount\n2024-01-05,Shop,-4.50\n"));

    QTimer::singleShot(0, this, [] {
        auto *dialog = qobject_cast<AccountFormDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        for (QLineEdit *edit : dialog->findChildren<QLineEdit *>()) {
            if (edit->placeholderText() == "Account name")
                edit->setText("Everyday");
        }
        dialog->findChild<QDoubleSpinBox *>()->setValue(250.0);
        dialog->findChild<QDateEdit *>()->setDate(QDate(2024, 1, 1));
        dialog->accept();
    });
    m_screen->runImport();
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].title, QStringLiteral("No target account"));
    QCOMPARE(m_boxes[0].defaultButton, QMessageBox::Yes);

    const QString id = accountIdNamed("Everyday");
    QVERIFY(!id.isEmpty());
    QCOMPARE(m_state->accountRepository()->findById(id)->startingBalance, 0);
    QList<Transaction> rows = m_state->transactionRepository()->findByAccount(id);
    std::sort(rows.begin(), rows.end(), [](const Transaction &a, const Transaction &b) { return a.date < b.date; });
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].payee, QStringLiteral("Opening Balance"));
    QCOMPARE(rows[0].amount, 25000);
    QVERIFY(rows[0].cleared && rows[0].reconciled);
    QCOMPARE(rows[0].date, QDate(2024, 1, 1));
    QCOMPARE(rows[1].payee, QStringLiteral("Shop"));
    QCOMPARE(combo("accountCombo")->currentData().toString(), id);
    QVERIFY(m_screen->summaryText().startsWith("Import complete!"));
}

void tst_ImportScreen::csvWithoutAccountDeclined()
{
    QVERIFY(m_state->accountService()->remove(kChecking));
    QVERIFY(m_state->accountService()->remove(kYen));
    m_screen->prepare();
    m_screen->chooseCsvFile(writeFile("bank.csv", "Date,Payee,Amount\n2024-01-05,Shop,-4.50\n"));
    m_answer = QMessageBox::No;
    m_screen->runImport();
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_screen->currentPage(), int(ImportScreen::SetupPage));
    QCOMPARE(accountCount(), 0);
    QCOMPARE(transactionCount(), 0);
}

void tst_ImportScreen::qifRowsAndPreselection()
{
    addAccount("acc-upper", "CHECKING");
    const QString plain = writeFile("plain.qif", "!Type:Bank\nD1/1/2024\nT5\nPShop\n^\n");
    const QString named = writeFile("named.qif", "!Account\nNChecking\n^\n!Type:Bank\nD1/2/2024\nT6\nPShop\n^\n");
    m_screen->chooseQifFiles({plain, named});
    QCOMPARE(m_screen->findChild<QLabel *>("fileLabel")->text(), QStringLiteral("2 file(s) selected"));
    QCOMPARE(m_screen->findChild<QLabel *>("fileLabel")->toolTip(), plain + "\n" + named);
    auto *rows = m_screen->findChild<QFormLayout *>("qifMapRowsLayout");
    QCOMPARE(rows->rowCount(), 2);
    const auto *label = qobject_cast<QLabel *>(rows->itemAt(0, QFormLayout::LabelRole)->widget());
    QCOMPARE(label->text(), QStringLiteral("plain.qif (no account header)"));
    const QList<QComboBox *> combos = sourceCombos();
    QCOMPARE(combos[0]->itemText(0), QStringLiteral("\u2014 Create new account \"plain\" \u2014"));
    QCOMPARE(combos[0]->currentData().toString(), QStringLiteral("__create__"));
    QCOMPARE(combos[0]->itemData(1).toString(), QStringLiteral("__skip__"));
    QCOMPARE(combos[0]->count(), 2 + accountCount());
    // Named alike without regard to case: the last such account.
    QCOMPARE(combos[1]->currentData().toString(), QStringLiteral("acc-upper"));
}

void tst_ImportScreen::qifCreatedAccountIsPreselectedNextTime()
{
    const QString plain = writeFile("statement.qif", "!Type:Bank\nD1/1/2024\nT5\nPShop\n^\n");
    m_screen->chooseQifFiles({plain});
    m_screen->runImport();
    QVERIFY(m_screen->summaryText().startsWith("Import complete!"));
    const QString created = accountIdNamed("statement");
    QVERIFY(!created.isEmpty());
    QCOMPARE(m_state->transactionRepository()->findByAccount(created).size(), 1);

    m_screen->prepare();
    m_screen->chooseQifFiles({plain});
    QCOMPARE(sourceCombos().constFirst()->currentData().toString(), created);
    m_screen->runImport();
    QVERIFY(m_screen->summaryText().contains("1 duplicate(s) skipped"));
    QCOMPARE(accountCount(), 3);
}

void tst_ImportScreen::ofxCreatedAccountIsPreselectedNextTime()
{
    const QString path = writeFile("bank.ofx", ofxFixture("bank-sgml.ofx"));
    m_screen->chooseOfxFiles({path});
    QCOMPARE(m_screen->format(), ImportScreen::Format::Ofx);
    QCOMPARE(sourceCombos().size(), 1);
    QCOMPARE(sourceCombos()[0]->currentText(), QStringLiteral("\u2014 Create new account \"Checking 6789\" \u2014"));
    m_screen->runImport();
    QCOMPARE(m_screen->summaryText(), QStringLiteral("Import complete!\n\n5 transaction(s) imported"));
    const QString created = accountIdNamed("Checking 6789");
    QVERIFY(!created.isEmpty());
    const Account account = *m_state->accountRepository()->findById(created);
    QCOMPARE(account.accountNumberLast4, QStringLiteral("6789"));
    QCOMPARE(account.currency, Currency::USD);
    // Created inside the import: no undo step of its own.
    QVERIFY(!m_state->undoHistory()->canUndo());

    m_screen->prepare();
    m_screen->chooseOfxFiles({path});
    QCOMPARE(sourceCombos()[0]->currentData().toString(), created);
    m_screen->runImport();
    QCOMPARE(m_screen->summaryText(), QStringLiteral("Import complete!\n\n0 transaction(s) imported\n"
                                                     "5 duplicate(s) skipped"));
}

void tst_ImportScreen::ofxRenamedAccountFoundByNumber()
{
    const QString path = writeFile("card.ofx", ofxFixture("creditcard-xml.ofx"));
    Account card = *m_state->accountRepository()->findById(kYen);
    card.type = AccountType::CreditCard;
    card.accountNumberLast4 = "1111";
    QVERIFY(m_state->accountService()->edit(card));
    m_screen->chooseOfxFiles({path});
    QCOMPARE(sourceCombos()[0]->currentData().toString(), kYen);
    m_screen->runImport();
    QList<qint64> amounts;
    for (const Transaction &t : m_state->transactionRepository()->findByAccount(kYen))
        amounts << t.amount;
    std::sort(amounts.begin(), amounts.end());
    QCOMPARE(amounts, (QList<qint64>{-1200, -981, 5000}));
}

void tst_ImportScreen::skippedSourceReportsUnmapped()
{
    m_screen->chooseOfxFiles({writeFile("several.qfx", ofxFixture("several-accounts.qfx"))});
    const QList<QComboBox *> combos = sourceCombos();
    QCOMPARE(combos.size(), 3);
    for (QComboBox *box : combos)
        box->setCurrentIndex(box->findData(QStringLiteral("__skip__")));
    combos[0]->setCurrentIndex(combos[0]->findData(kChecking));
    m_screen->runImport();
    QCOMPARE(m_screen->summaryText(),
             QStringLiteral("Import complete!\n\n2 transaction(s) imported\n"
                            "3 record(s) skipped (unmapped source account)\n1 investment statement(s) not imported"));
    QCOMPARE(accountCount(), 2);
}

void tst_ImportScreen::progressIsApplicationModalAndLive()
{
    QByteArray text = "Date,Payee,Amount\n";
    for (int i = 0; i < 450; ++i)
        text += "2024-01-05,Payee " + QByteArray::number(i) + ",-1\n";
    m_screen->chooseCsvFile(writeFile("long.csv", text));
    QList<int> shown;
    bool modal = true;
    // Connected once the window is up, so it hears each report after the
    // window took it.
    connect(
        m_screen->service(), &ImportService::importStarted, m_screen.get(),
        [&] {
            connect(m_screen->service(), &ImportService::importProgress, m_screen.get(), [&](int current, int total) {
                auto *progress = m_screen->findChild<QProgressDialog *>(QStringLiteral("importProgress"));
                if (!progress || current == total)
                    return;
                modal = modal && progress->windowModality() == Qt::ApplicationModal;
                shown << progress->value();
            });
        },
        Qt::SingleShotConnection);
    m_screen->runImport();
    QVERIFY(modal);
    QCOMPARE(shown, (QList<int>{100, 200, 300, 400}));
    QVERIFY(!m_screen->findChild<QProgressDialog *>(QStringLiteral("importProgress")));
    QCOMPARE(transactionCount(), 450);
}

void tst_ImportScreen::cancelLeavesNothing_data()
{
    QTest::addColumn<int>("format");
    QTest::newRow("csv") << int(ImportScreen::Format::Csv);
    QTest::newRow("qifCreatingAnAccount") << int(ImportScreen::Format::Qif);
    QTest::newRow("ofxCreatingAnAccount") << int(ImportScreen::Format::Ofx);
}

void tst_ImportScreen::cancelLeavesNothing()
{
    QFETCH(int, format);
    QByteArray csv = "Date,Payee,Amount,Category\n";
    QByteArray qif = "!Type:Cat\nNHobbies\n^\n!Account\nNBrand New\n^\n!Type:Bank\n";
    QByteArray ofx = "OFXHEADER:100\n\n<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS><CURDEF>USD<BANKACCTFROM><BANKID>1"
                     "<ACCTID>42<ACCTTYPE>CHECKING</BANKACCTFROM><BANKTRANLIST>\n";
    for (int i = 0; i < 300; ++i) {
        const QByteArray n = QByteArray::number(i);
        csv += "2024-01-05,Payee " + n + ",-1,Category " + n + "\n";
        qif += "D1/5/2024\nT-1\nPPayee " + n + "\nLCategory " + n + "\n^\n";
        ofx += "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>20240105<TRNAMT>-1<FITID>F" + n + "<NAME>Payee " + n + "</STMTTRN>\n";
    }
    ofx += "</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\n";
    if (format == int(ImportScreen::Format::Csv))
        m_screen->chooseCsvFile(writeFile("long.csv", csv));
    else if (format == int(ImportScreen::Format::Qif))
        m_screen->chooseQifFiles({writeFile("long.qif", qif)});
    else
        m_screen->chooseOfxFiles({writeFile("long.ofx", ofx)});
    const int categories = int(m_state->categoryRepository()->findAll().size());
    cancelAt(200);
    m_screen->runImport();
    QCOMPARE(m_screen->summaryText(), QStringLiteral("Import cancelled.\n\nThe import was stopped and all changes were "
                                                     "rolled back. No transactions were added."));
    QCOMPARE(transactionCount(), 0);
    QCOMPARE(accountCount(), 2);
    QCOMPARE(int(m_state->categoryRepository()->findAll().size()), categories);
    QVERIFY(!m_state->database()->changes()->isWriting());
}

void tst_ImportScreen::failuresNeverSayComplete_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("detail");
    QTest::newRow("fileGoneBeforeImport") << "gone" << "could not be read";
    QTest::newRow("commitFails") << "commit" << "A database error stopped the import";
    QTest::newRow("truncatedOfx") << "truncated" << "cut off";
    QTest::newRow("unreadableQif") << "qif" << "could not be read";
}

void tst_ImportScreen::failuresNeverSayComplete()
{
    QFETCH(QString, how);
    QFETCH(QString, detail);
    if (how == "gone") {
        const QString path = writeFile("gone.csv", "Date,Payee,Amount\n2024-01-05,Shop,-1\n");
        m_screen->chooseCsvFile(path);
        QVERIFY(QFile::remove(path));
    } else if (how == "commit") {
        QSqlQuery query(m_state->database()->connection());
        QVERIFY(query.exec("CREATE TABLE parent (id TEXT PRIMARY KEY)"));
        QVERIFY(query.exec("CREATE TABLE child (parent_id TEXT REFERENCES parent(id) DEFERRABLE INITIALLY DEFERRED)"));
        QVERIFY(query.exec("CREATE TRIGGER orphan AFTER INSERT ON transactions BEGIN INSERT INTO child VALUES "
                           "('missing'); END"));
        m_screen->chooseCsvFile(writeFile("bank.csv", "Date,Payee,Amount\n2024-01-05,Shop,-1\n"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^CSV import aborted: commit failed"));
    } else if (how == "truncated") {
        const QByteArray bank = ofxFixture("bank-sgml.ofx");
        m_screen->chooseOfxFiles({writeFile("cut.ofx", bank.left(bank.size() - 40))});
        QVERIFY(m_screen->findChild<QLabel *>("messageLabel")->text().contains(detail));
    } else {
        const QString good = writeFile("good.qif", "!Account\nNChecking\n^\n!Type:Bank\nD1/1/2024\nT5\n^\n");
        const QString gone = writeFile("gone.qif", "!Type:Bank\nD1/1/2024\nT5\n^\n");
        m_screen->chooseQifFiles({good, gone});
        QVERIFY(QFile::remove(gone));
    }
    m_screen->runImport();
    QCOMPARE(m_screen->currentPage(), int(ImportScreen::SummaryPage));
    const QString summary = m_screen->summaryText();
    QVERIFY2(summary.startsWith("Import failed."), qPrintable(summary));
    QVERIFY2(summary.contains(detail), qPrintable(summary));
    QVERIFY(!summary.contains("complete"));
    QCOMPARE(transactionCount(), 0);
}

void tst_ImportScreen::summaryLines_data()
{
    QTest::addColumn<ImportResult>("result");
    QTest::addColumn<QStringList>("lines");

    ImportResult everything;
    everything.imported = 12;
    everything.transfersLinked = 3;
    everything.retroactiveLinked = 1;
    everything.duplicates = 2;
    everything.unparseable = 1;
    everything.metadataSkipped = 4;
    everything.unmappedSkipped = 5;
    everything.dbErrorSkipped = 6;
    QTest::newRow("everyCounter") << everything
                                  << QStringList{"Import complete!", "", "12 transaction(s) imported",
                                                 "3 transfer(s) linked across accounts",
                                                 "  (including 1 linked to previously imported row(s))",
                                                 "2 duplicate(s) skipped", "1 record(s) skipped (unparseable)",
                                                 "4 metadata record(s) skipped",
                                                 "5 record(s) skipped (unmapped source account)",
                                                 "6 record(s) skipped (database error \u2014 see log)"};
    ImportResult linkedOnly;
    linkedOnly.imported = 2;
    linkedOnly.transfersLinked = 1;
    QTest::newRow("noRetroactiveLine") << linkedOnly
                                       << QStringList{"Import complete!", "", "2 transaction(s) imported",
                                                      "1 transfer(s) linked across accounts"};
    QTest::newRow("nothingImported") << ImportResult()
                                     << QStringList{"Import complete!", "", "0 transaction(s) imported"};
    ImportResult aborted;
    aborted.aborted = true;
    aborted.error = "commit failed: disk full";
    QTest::newRow("aborted") << aborted
                             << QStringList{"Import failed.", "",
                                            "A database error stopped the import and all changes were rolled back. "
                                            "No transactions were added."};
    ImportResult refused;
    refused.error = "statement.csv could not be read.";
    QTest::newRow("refusedFile") << refused
                                 << QStringList{"Import failed.", "", "statement.csv could not be read.",
                                                "No transactions were added."};
    ImportResult cancelled;
    cancelled.aborted = true;
    cancelled.cancelled = true;
    QTest::newRow("cancelled") << cancelled
                               << QStringList{"Import cancelled.", "",
                                              "The import was stopped and all changes were rolled back. No "
                                              "transactions were added."};
}

void tst_ImportScreen::summaryLines()
{
    QFETCH(ImportResult, result);
    QFETCH(QStringList, lines);
    QCOMPARE(ImportScreen::summaryLines(result), lines);
}

QTEST_MAIN(tst_ImportScreen)
#include "tst_importscreen.moc"
