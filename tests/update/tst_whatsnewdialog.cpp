#include "update/urlopener.h"
#include "update/whatsnewdialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

using OrlUpdate::UrlOpener;
using OrlUpdate::WhatsNewDialog;

// The release notes dialog on the offscreen platform; the download address
// goes to a recording handler instead of a browser.
class tst_WhatsNewDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void texts();
    void buttons_data();
    void buttons();
    void downloadOpensTheAddressAndCloses();
    void closeOpensNothing();

private:
    QList<QUrl> m_opened;
};

void tst_WhatsNewDialog::initTestCase()
{
    UrlOpener::setHandler([this](const QUrl &url) {
        m_opened << url;
        return true;
    });
}

void tst_WhatsNewDialog::cleanupTestCase()
{
    UrlOpener::setHandler({});
}

void tst_WhatsNewDialog::init()
{
    m_opened.clear();
}

void tst_WhatsNewDialog::texts()
{
    WhatsNewDialog dialog(QStringLiteral("# Changes\n\n- Quicker **reports**"), QStringLiteral("1.2.0"), QStringLiteral("1.1.2"),
                          QStringLiteral("Orlindo Quillby"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("What's New in Orlindo Quillby 1.2.0"));
    QVERIFY(!dialog.isModal());
    QCOMPARE(dialog.size(), QSize(520, 420));
    const auto *heading = dialog.findChild<QLabel *>(QStringLiteral("whatsNewHeading"));
    QVERIFY(heading);
    QCOMPARE(heading->text(), QStringLiteral("What's new in Orlindo Quillby 1.2.0"));
    QCOMPARE(heading->font().weight(), QFont::Bold);
    QCOMPARE(heading->font().pointSizeF(), dialog.font().pointSizeF() + 2);
    QCOMPARE(dialog.runningLabel()->text(), QStringLiteral("You are running version 1.1.2"));
    QCOMPARE(dialog.runningLabel()->styleSheet(), QStringLiteral("color: gray; font-size: 11px;"));
    // Markdown, not its source text.
    QVERIFY(dialog.notesView()->toPlainText().contains(QStringLiteral("Quicker reports")));
    QVERIFY(!dialog.notesView()->toPlainText().contains(QLatin1Char('*')));
}

void tst_WhatsNewDialog::buttons_data()
{
    QTest::addColumn<QUrl>("download");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("running version's notes") << QUrl() << QStringList{"Close"};
    QTest::newRow("newer build's notes") << QUrl(QStringLiteral("https://downloads.example.org/q-1.2.0.tar.gz"))
                                         << QStringList{"Close", "Download 1.2.0"};
}

void tst_WhatsNewDialog::buttons()
{
    QFETCH(QUrl, download);
    QFETCH(QStringList, expected);
    WhatsNewDialog dialog(QStringLiteral("Notes"), QStringLiteral("1.2.0"), QStringLiteral("1.1.2"), QStringLiteral("Orlindo Quillby"), nullptr,
                          download);
    QStringList texts;
    for (const QAbstractButton *button : dialog.buttons()->buttons())
        texts << button->text().remove(QLatin1Char('&'));
    texts.sort();
    QCOMPARE(texts, expected);
}

void tst_WhatsNewDialog::downloadOpensTheAddressAndCloses()
{
    const QUrl address(QStringLiteral("https://downloads.example.org/q-1.2.0.tar.gz"));
    WhatsNewDialog dialog(QStringLiteral("Notes"), QStringLiteral("1.2.0"), QStringLiteral("1.1.2"), QStringLiteral("Orlindo Quillby"), nullptr,
                          address);
    dialog.show();
    QAbstractButton *download = nullptr;
    for (QAbstractButton *button : dialog.buttons()->buttons()) {
        if (button->text() == QLatin1String("Download 1.2.0"))
            download = button;
    }
    QVERIFY(download);
    QTest::mouseClick(download, Qt::LeftButton);
    QCOMPARE(m_opened, QList<QUrl>{address});
    QVERIFY(!dialog.isVisible());
}

void tst_WhatsNewDialog::closeOpensNothing()
{
    WhatsNewDialog dialog(QStringLiteral("Notes"), QStringLiteral("1.2.0"), QStringLiteral("1.1.2"), QStringLiteral("Orlindo Quillby"), nullptr,
                          QUrl(QStringLiteral("https://downloads.example.org/q-1.2.0.tar.gz")));
    dialog.show();
    QTest::mouseClick(dialog.buttons()->button(QDialogButtonBox::Close), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QVERIFY(m_opened.isEmpty());
}

QTEST_MAIN(tst_WhatsNewDialog)
#include "tst_whatsnewdialog.moc"
