#include "releaseserver.h"

#include "update/notesview.h"
#include "update/updatedialog.h"
#include "update/urlopener.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using OrlUpdate::Artifact;
using OrlUpdate::NotesView;
using OrlUpdate::UpdateDialog;
using OrlUpdate::UrlOpener;

namespace {

Artifact artifact(bool mandatory, const QUrl &notes = QUrl())
{
    Artifact artifact;
    artifact.version = QStringLiteral("1.2.0");
    artifact.url = QUrl(QStringLiteral("https://downloads.example.org/quillby-1.2.0.tar.gz"));
    artifact.size = 1000;
    artifact.sha256 = QString(64, QLatin1Char('a'));
    artifact.mandatory = mandatory;
    artifact.releaseNotesUrl = notes;
    return artifact;
}

QStringList buttonTexts(const QDialogButtonBox *box)
{
    QStringList texts;
    for (const QAbstractButton *button : box->buttons())
        texts << button->text();
    texts.sort();
    return texts;
}

} // namespace

// The dialog that offers a newer build, on the offscreen platform, with the
// release notes from a real quillby-server. Links and the download address
// go to a recording handler instead of a browser.
class tst_UpdateDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void buttons_data();
    void buttons();
    void texts();
    void withoutNotesTheDialogKeepsItsNaturalSize();
    void notes_data();
    void notes();
    void download_data();
    void download();
    void closingRejectsWithoutOpeningAnything();
    void linksInTheNotes_data();
    void linksInTheNotes();
    void theNotesLoadNothingTheyName();
    void linksReadOnEitherBackground_data();
    void linksReadOnEitherBackground();

private:
    ReleaseServer m_server;
    bool m_serverUp = false;
    QList<QUrl> m_opened;
    bool m_openSucceeds = true;
};

void tst_UpdateDialog::initTestCase()
{
    UrlOpener::setHandler([this](const QUrl &url) {
        m_opened << url;
        return m_openSucceeds;
    });
    QString error;
    m_serverUp = m_server.start(&error);
    if (!m_serverUp)
        qWarning("quillby-server is not available (%s); the notes cases skip", qPrintable(error));
}

void tst_UpdateDialog::init()
{
    m_opened.clear();
    m_openSucceeds = true;
}

void tst_UpdateDialog::cleanupTestCase()
{
    UrlOpener::setHandler({});
}

void tst_UpdateDialog::buttons_data()
{
    QTest::addColumn<bool>("mandatory");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("optional update") << false << QStringList{"Download", "Later"};
    QTest::newRow("mandatory update") << true << QStringList{"Download"};
}

void tst_UpdateDialog::buttons()
{
    QFETCH(bool, mandatory);
    QFETCH(QStringList, expected);
    UpdateDialog dialog(artifact(mandatory), QStringLiteral("1.1.2"), QStringLiteral("Orlindo Quillby"));
    QCOMPARE(buttonTexts(dialog.buttons()), expected);
    const auto *download = qobject_cast<QPushButton *>(dialog.buttons()->buttons().constFirst());
    QVERIFY(download);
    QCOMPARE(dialog.buttons()->buttonRole(const_cast<QPushButton *>(download)), QDialogButtonBox::AcceptRole);
    QCOMPARE(download->text(), QStringLiteral("Download"));
    QVERIFY(download->isDefault());
}

void tst_UpdateDialog::texts()
{
    UpdateDialog dialog(artifact(false), QStringLiteral("1.1.2"), QStringLiteral("Orlindo Quillby"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Update available"));
    QVERIFY(dialog.isModal());
    const auto *heading = dialog.findChild<QLabel *>(QStringLiteral("updateHeading"));
    QVERIFY(heading);
    QCOMPARE(heading->text(), QStringLiteral("A new version of Orlindo Quillby is available."));
    QCOMPARE(heading->font().weight(), QFont::Bold);
    QCOMPARE(heading->font().pointSizeF(), dialog.font().pointSizeF() + 1);
    const auto *versions = dialog.findChild<QLabel *>(QStringLiteral("updateVersions"));
    QVERIFY(versions);
    QCOMPARE(versions->text(), QStringLiteral("You have version 1.1.2. The latest version is 1.2.0."));
}

void tst_UpdateDialog::withoutNotesTheDialogKeepsItsNaturalSize()
{
    UpdateDialog dialog(artifact(false), QStringLiteral("1.1.2"), QStringLiteral("Orlindo Quillby"));
    QVERIFY(!dialog.notesView());
    QVERIFY(!dialog.findChild<QTextBrowser *>());
    dialog.show();
    QVERIFY(dialog.height() < 420);
}

void tst_UpdateDialog::notes_data()
{
    QTest::addColumn<QByteArray>("published");
    QTest::addColumn<QString>("shown");
    QTest::newRow("notes published") << QByteArray("# Quillby 1.2.0\n\n- Faster **search**\n") << QStringLiteral("Faster search");
    QTest::newRow("notes missing") << QByteArray() << QStringLiteral("Release notes are not available for this version.");
    QTest::newRow("notes blank") << QByteArray(" \n") << QStringLiteral("Release notes are not available for this version.");
}

void tst_UpdateDialog::notes()
{
    if (!m_serverUp)
        QSKIP("quillby-server is not available");
    QFETCH(QByteArray, published);
    QFETCH(QString, shown);
    m_server.clear();
    if (!published.isNull())
        QVERIFY(m_server.writeFile(QStringLiteral("1.2.0/release-notes.md"), published));
    UpdateDialog dialog(artifact(false, m_server.url(QStringLiteral("/quillby/1.2.0/release-notes.md"))), QStringLiteral("1.1.2"),
                        QStringLiteral("Orlindo Quillby"));
    QTextBrowser *view = dialog.notesView();
    QVERIFY(view);
    QCOMPARE(view->placeholderText(), QStringLiteral("Loading release notes…"));
    QCOMPARE(view->minimumHeight(), 150);
    QCOMPARE(dialog.size(), QSize(520, 420));
    QTRY_VERIFY_WITH_TIMEOUT(view->toPlainText().contains(shown), 20000);
}

void tst_UpdateDialog::download_data()
{
    QTest::addColumn<QUrl>("address");
    QTest::addColumn<bool>("openSucceeds");
    QTest::addColumn<int>("opened");
    QTest::newRow("valid address") << QUrl(QStringLiteral("https://downloads.example.org/quillby-1.2.0.tar.gz")) << true << 1;
    QTest::newRow("browser fails to open") << QUrl(QStringLiteral("https://downloads.example.org/quillby-1.2.0.tar.gz")) << false << 1;
    QTest::newRow("empty address") << QUrl() << true << 0;
}

void tst_UpdateDialog::download()
{
    QFETCH(QUrl, address);
    QFETCH(bool, openSucceeds);
    QFETCH(int, opened);
    m_openSucceeds = openSucceeds;
    Artifact offered = artifact(true);
    offered.url = address;
    UpdateDialog dialog(offered, QStringLiteral("1.1.2"), QStringLiteral("Orlindo Quillby"));
    dialog.show();
    QSignalSpy finished(&dialog, &QDialog::finished);
    if (!address.isValid())
        QTest::ignoreMessage(QtWarningMsg, "OrlUpdate: download URL is empty or invalid");
    else if (!openSucceeds)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^OrlUpdate: QDesktopServices::openUrl failed for:")));
    QTest::mouseClick(dialog.buttons()->buttons().constFirst(), Qt::LeftButton);
    QCOMPARE(m_opened.size(), opened);
    if (opened)
        QCOMPARE(m_opened.constFirst(), address);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
}

void tst_UpdateDialog::closingRejectsWithoutOpeningAnything()
{
    UpdateDialog dialog(artifact(false), QStringLiteral("1.1.2"), QStringLiteral("Orlindo Quillby"));
    dialog.show();
    QPushButton *later = nullptr;
    for (QAbstractButton *button : dialog.buttons()->buttons()) {
        if (button->text() == QLatin1String("Later"))
            later = qobject_cast<QPushButton *>(button);
    }
    QVERIFY(later);
    QTest::mouseClick(later, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(m_opened.isEmpty());
}

void tst_UpdateDialog::linksInTheNotes_data()
{
    QTest::addColumn<QUrl>("link");
    QTest::addColumn<bool>("opened");
    QTest::newRow("https") << QUrl(QStringLiteral("https://example.org/changes")) << true;
    QTest::newRow("http") << QUrl(QStringLiteral("http://example.org/changes")) << true;
    QTest::newRow("local file") << QUrl(QStringLiteral("file:///etc/passwd")) << false;
    QTest::newRow("script") << QUrl(QStringLiteral("javascript:alert(1)")) << false;
    QTest::newRow("mail") << QUrl(QStringLiteral("mailto:someone@example.org")) << false;
    QTest::newRow("relative") << QUrl(QStringLiteral("changes.html")) << false;
    QTest::newRow("custom scheme") << QUrl(QStringLiteral("quillby-helper://run")) << false;
}

void tst_UpdateDialog::linksInTheNotes()
{
    QFETCH(QUrl, link);
    QFETCH(bool, opened);
    NotesView view;
    view.setMarkdown(QStringLiteral("[details](%1)").arg(link.toString()));
    view.resize(300, 100);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    if (!opened)
        QTest::ignoreMessage(QtWarningMsg, "OrlUpdate: link in the release notes not opened (not an http(s) address)");
    // Click the link as a person would: its first character.
    QTextCursor cursor(view.document());
    cursor.setPosition(1);
    const QPoint point = view.cursorRect(cursor).center();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, point);
    QCOMPARE(m_opened.size(), opened ? 1 : 0);
    if (opened)
        QCOMPARE(m_opened.constFirst(), link);
    // Never followed inside the view either.
    QVERIFY(view.source().isEmpty());
}

void tst_UpdateDialog::theNotesLoadNothingTheyName()
{
    NotesView view;
    QCOMPARE(view.loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("file:///dev/zero"))), QVariant());
    QCOMPARE(view.loadResource(QTextDocument::StyleSheetResource, QUrl(QStringLiteral("https://example.org/a.css"))), QVariant());
    view.setMarkdown(QStringLiteral("![picture](file:///dev/zero)\n\nText after the picture."));
    QVERIFY(view.toPlainText().contains(QStringLiteral("Text after the picture.")));
}

void tst_UpdateDialog::linksReadOnEitherBackground_data()
{
    QTest::addColumn<QColor>("base");
    QTest::addColumn<QColor>("link");
    QTest::addColumn<bool>("darkBackground");
    QTest::newRow("light background, dark link") << QColor(Qt::white) << QColor(0, 0, 255) << false;
    QTest::newRow("dark background, dark link") << QColor(0x1c, 0x26, 0x22) << QColor(0, 0, 255) << true;
    QTest::newRow("dark background, light link") << QColor(0x1c, 0x26, 0x22) << QColor(0x80, 0xcb, 0xc4) << true;
    QTest::newRow("light background, light link") << QColor(Qt::white) << QColor(0x80, 0xcb, 0xc4) << false;
}

void tst_UpdateDialog::linksReadOnEitherBackground()
{
    QFETCH(QColor, base);
    QFETCH(QColor, link);
    QFETCH(bool, darkBackground);
    NotesView view;
    QPalette palette = view.palette();
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Link, link);
    view.setPalette(palette);
    view.showMarkdown(QStringLiteral("Read [the list](https://example.org/changes) of changes."));
    QTextCursor cursor(view.document());
    cursor.setPosition(QStringLiteral("Read t").size());
    const QTextCharFormat format = cursor.charFormat();
    QVERIFY(format.isAnchor());
    const int lightness = format.foreground().color().lightness();
    // Far enough from the background's lightness to read.
    QVERIFY2(darkBackground ? lightness > 140 : lightness < 140, qPrintable(QString::number(lightness)));

    // A theme switch while the notes are shown recolours them.
    palette.setColor(QPalette::Base, darkBackground ? QColor(Qt::white) : QColor(0x1c, 0x26, 0x22));
    view.setPalette(palette);
    QTextCursor again(view.document());
    again.setPosition(QStringLiteral("Read t").size());
    const int switched = again.charFormat().foreground().color().lightness();
    QVERIFY2(darkBackground ? switched < 140 : switched > 140, qPrintable(QString::number(switched)));
}

QTEST_MAIN(tst_UpdateDialog)
#include "tst_updatedialog.moc"
