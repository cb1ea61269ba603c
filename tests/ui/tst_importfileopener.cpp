#include "ui/importfileopener.h"

#include "common/testappstate.h"
#include "ui/mainwindow.h"
#include "ui/messagebox.h"
#include "ui/screens/importpreviewmodel.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

// Files named from outside the window reach the import screen in the right
// format, and only when the window is free to take them.
class tst_ImportFileOpener : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void formatOf_data();
    void formatOf();
    void opensTheImportScreen_data();
    void opensTheImportScreen();
    void problemFilesAreToldNotOpened_data();
    void problemFilesAreToldNotOpened();
    void waitsForAnOpenDialog();
    void severalFilesOpenInTurn();
    void raiseWindowRestoresAMinimizedWindow();

private:
    QString writeFile(const QString &name, const QByteArray &bytes);
    ImportScreen *screen() const;

    std::unique_ptr<QTemporaryDir> m_files;
    std::unique_ptr<TestAppState> m_state;
    std::unique_ptr<MainWindow> m_window;
    QList<MessageBox::Request> m_boxes;
};

namespace {

const QByteArray Csv = "Date,Payee,Amount\n2024-01-05,Shop,-1.50\n2024-01-06,Salary,100\n";
const QByteArray Qif = "!Account\nNChecking\n^\n!Type:Bank\nD1/5/2024\nT-1.50\nPShop\n^\n";
const QByteArray OfxSgml = "OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\n\n<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS>"
                           "<CURDEF>USD<BANKACCTFROM><BANKID>1<ACCTID>42<ACCTTYPE>CHECKING</BANKACCTFROM>"
                           "<BANKTRANLIST><STMTTRN><TRNTYPE>DEBIT<DTPOSTED>20240105<TRNAMT>-1.50<FITID>F1"
                           "<NAME>Shop</STMTTRN></BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\n";
const QByteArray OfxXml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<?OFX OFXHEADER=\"200\" VERSION=\"211\" SECURITY=\"NONE\"?>\n<OFX></OFX>\n";

} // namespace

void tst_ImportFileOpener::initTestCase()
{
    TestAppState::redirectSettings();
    qputenv("AUTH_BASE_URL", "http://127.0.0.1:9");
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    QCoreApplication::setOrganizationName("Orlindo");
    QCoreApplication::setApplicationName("QuillbyTest");
    MessageBox::setResponder([this](const MessageBox::Request &request) {
        m_boxes.append(request);
        return QMessageBox::Ok;
    });
}

void tst_ImportFileOpener::init()
{
    m_boxes.clear();
    m_files = std::make_unique<QTemporaryDir>();
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->initialize());
    m_window = std::make_unique<MainWindow>(m_state.get());
    m_window->show();
}

void tst_ImportFileOpener::cleanup()
{
    m_window.reset();
    m_state.reset();
    m_files.reset();
}

QString tst_ImportFileOpener::writeFile(const QString &name, const QByteArray &bytes)
{
    QFile file(QDir(m_files->path()).filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(bytes);
    return file.fileName();
}

ImportScreen *tst_ImportFileOpener::screen() const
{
    return m_window->findChild<ImportScreen *>(QString(), Qt::FindDirectChildrenOnly);
}

void tst_ImportFileOpener::formatOf_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    // -1: not importable.
    QTest::addColumn<int>("format");

    const int csv = int(ImportScreen::Format::Csv);
    const int qif = int(ImportScreen::Format::Qif);
    const int ofx = int(ImportScreen::Format::Ofx);
    QTest::newRow("csvByName") << "bank.csv" << Csv << csv;
    QTest::newRow("qifByName") << "bank.qif" << Qif << qif;
    QTest::newRow("upperCaseName") << "BANK.QIF" << Qif << qif;
    QTest::newRow("ofxByName") << "bank.ofx" << OfxSgml << ofx;
    QTest::newRow("qfxByName") << "bank.qfx" << OfxSgml << ofx;
    // The name wins: a .csv holding QIF is shown as the CSV it claims to be.
    QTest::newRow("nameBeatsContent") << "odd.csv" << Qif << csv;
    QTest::newRow("qifByContent") << "statement.txt" << Qif << qif;
    QTest::newRow("qifTypeOnly") << "download" << QByteArray("!Type:Bank\nD1/5/2024\nT5\n^\n") << qif;
    QTest::newRow("qifWithByteOrderMark") << "statement.dat" << "\xEF\xBB\xBF" + Qif << qif;
    QTest::newRow("ofxSgmlByContent") << "statement.dat" << OfxSgml << ofx;
    QTest::newRow("ofxXmlByContent") << "statement.xml" << OfxXml << ofx;
    QTest::newRow("plainXmlIsText") << "other.xml" << QByteArray("<?xml version=\"1.0\"?>\n<a/>\n") << csv;
    QTest::newRow("plainTextIsCsv") << "notes.txt" << Csv << csv;
    QTest::newRow("emptyFile") << "empty.csv" << QByteArray() << csv;
    QTest::newRow("binaryEvenByName") << "image.csv" << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << -1;
    QTest::newRow("missing") << QString() << QByteArray() << -1;
}

void tst_ImportFileOpener::formatOf()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(int, format);
    const QString path = name.isEmpty() ? QDir(m_files->path()).filePath("missing.csv") : writeFile(name, bytes);
    const std::optional<ImportScreen::Format> found = ImportFileOpener::formatOf(path);
    QCOMPARE(found.has_value(), format >= 0);
    if (found)
        QCOMPARE(int(*found), format);
}

void tst_ImportFileOpener::opensTheImportScreen_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("format");
    QTest::newRow("csv") << "bank.csv" << Csv << int(ImportScreen::Format::Csv);
    QTest::newRow("qif") << "bank.qif" << Qif << int(ImportScreen::Format::Qif);
    QTest::newRow("ofx") << "bank.ofx" << OfxSgml << int(ImportScreen::Format::Ofx);
}

void tst_ImportFileOpener::opensTheImportScreen()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(int, format);
    const QString path = writeFile(name, bytes);
    ImportFileOpener opener(m_window.get());
    QSignalSpy opened(&opener, &ImportFileOpener::opened);
    opener.open(path);
    // Never from inside the call that delivered it.
    QVERIFY(!screen());
    QTRY_COMPARE(opened.size(), 1);
    QCOMPARE(opened.at(0).at(0).toString(), path);
    QVERIFY(m_boxes.isEmpty());
    ImportScreen *shown = screen();
    QVERIFY(shown);
    QVERIFY(shown->isVisible());
    QCOMPARE(int(shown->format()), format);
    if (format == int(ImportScreen::Format::Csv)) {
        QTRY_VERIFY(shown->isPreviewComplete());
        // Header and two rows.
        QCOMPARE(shown->previewModel()->rowCount(), 3);
    } else {
        // The accounts found in the file wait for where they go.
        QVERIFY(shown->findChild<QWidget *>(QStringLiteral("sourcePart"))->isVisible());
    }
}

void tst_ImportFileOpener::problemFilesAreToldNotOpened_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("expected");
    QTest::newRow("missing") << "missing" << "<p>The file &quot;%1&quot; does not exist.</p>";
    QTest::newRow("folder") << "folder" << "<p>&quot;%1&quot; is a folder, not a file.</p>";
    QTest::newRow("binary") << "binary" << "<p>&quot;%1&quot; is not a CSV, QIF or OFX file.</p>";
    QTest::newRow("markupInName") << "markup" << "<p>The file &quot;%1&quot; does not exist.</p>";
}

void tst_ImportFileOpener::problemFilesAreToldNotOpened()
{
    QFETCH(QString, kind);
    QFETCH(QString, expected);
    const QDir dir(m_files->path());
    QString path;
    if (kind == "missing")
        path = dir.filePath("gone.csv");
    else if (kind == "folder")
        path = m_files->path();
    else if (kind == "binary")
        path = writeFile("photo.csv", QByteArray("\xff\xd8\xff\xe0\0\x10JFIF\0", 11));
    else
        path = dir.filePath("<img src=\"x\">.csv");

    ImportFileOpener opener(m_window.get());
    QSignalSpy opened(&opener, &ImportFileOpener::opened);
    opener.open(path);
    QTRY_COMPARE(opened.size(), 1);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.at(0).icon, QMessageBox::Warning);
    QCOMPARE(m_boxes.at(0).title, QStringLiteral("Cannot Open File"));
    // A file that is there but not importable is named by its name alone.
    const QString named = kind == "binary" ? QFileInfo(path).fileName() : path;
    QCOMPARE(m_boxes.at(0).text, expected.arg(named.toHtmlEscaped()));
    QVERIFY(!screen() || !screen()->isVisible());
}

void tst_ImportFileOpener::waitsForAnOpenDialog()
{
    const QString path = writeFile("bank.csv", Csv);
    QDialog dialog(m_window.get());
    dialog.setModal(true);
    dialog.show();
    QTRY_VERIFY(QApplication::activeModalWidget() == &dialog);

    ImportFileOpener opener(m_window.get());
    QSignalSpy opened(&opener, &ImportFileOpener::opened);
    opener.open(path);
    QTest::qWait(600);
    QCOMPARE(opened.size(), 0);
    QVERIFY(opener.hasPending());
    QVERIFY(!screen());

    dialog.close();
    QTRY_COMPARE(opened.size(), 1);
    QVERIFY(!opener.hasPending());
    QVERIFY(screen() && screen()->isVisible());
}

void tst_ImportFileOpener::severalFilesOpenInTurn()
{
    const QString first = writeFile("first.qif", Qif);
    const QString second = writeFile("second.csv", Csv);
    ImportFileOpener opener(m_window.get());
    QSignalSpy opened(&opener, &ImportFileOpener::opened);
    opener.open(first);
    opener.open(second);
    QTRY_COMPARE(opened.size(), 2);
    QCOMPARE(opened.at(0).at(0).toString(), first);
    QCOMPARE(opened.at(1).at(0).toString(), second);
    // One screen, showing the last file.
    QCOMPARE(m_window->findChildren<ImportScreen *>().size(), 1);
    QCOMPARE(screen()->format(), ImportScreen::Format::Csv);
}

void tst_ImportFileOpener::raiseWindowRestoresAMinimizedWindow()
{
    m_window->showMinimized();
    QTRY_VERIFY(m_window->isMinimized());
    ImportFileOpener opener(m_window.get());
    opener.raiseWindow();
    QTRY_VERIFY(!m_window->isMinimized());
    QVERIFY(m_window->isVisible());
}

QTEST_MAIN(tst_ImportFileOpener)

#include "tst_importfileopener.moc"
