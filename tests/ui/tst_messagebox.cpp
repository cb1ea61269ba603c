#include "ui/messagebox.h"

#include <QTest>

class tst_MessageBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultButton_data();
    void defaultButton();
    void requestCarriesDefaultAndTexts();
};

void tst_MessageBox::defaultButton_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QMessageBox::StandardButton>("named");
    QTest::addColumn<QMessageBox::StandardButton>("effective");

    const int yesNo = int(QMessageBox::Yes | QMessageBox::No);
    QTest::newRow("yesNoUnnamed") << yesNo << QMessageBox::NoButton << QMessageBox::No;
    QTest::newRow("yesNoNamedYes") << yesNo << QMessageBox::Yes << QMessageBox::Yes;
    QTest::newRow("namedButtonMissing") << yesNo << QMessageBox::Cancel << QMessageBox::No;
    QTest::newRow("okCancel") << int(QMessageBox::Ok | QMessageBox::Cancel) << QMessageBox::NoButton
                              << QMessageBox::Cancel;
    QTest::newRow("noBeforeCancel") << int(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)
                                    << QMessageBox::NoButton << QMessageBox::No;
    QTest::newRow("loneOk") << int(QMessageBox::Ok) << QMessageBox::NoButton << QMessageBox::NoButton;
}

void tst_MessageBox::defaultButton()
{
    QFETCH(int, buttons);
    QFETCH(QMessageBox::StandardButton, named);
    QFETCH(QMessageBox::StandardButton, effective);
    QCOMPARE(MessageBox::effectiveDefault(QMessageBox::StandardButtons(buttons), named), effective);
}

void tst_MessageBox::requestCarriesDefaultAndTexts()
{
    QList<MessageBox::Request> seen;
    MessageBox::setResponder([&seen](const MessageBox::Request &request) {
        seen.append(request);
        return request.defaultButton;
    });
    // A caller that names nothing gets No, so Return does not confirm.
    QCOMPARE(MessageBox::question(nullptr, "Delete", "Delete it?"), QMessageBox::No);
    QCOMPARE(MessageBox::question(nullptr, "Split", "Which?", QMessageBox::Yes | QMessageBox::Cancel,
                                  QMessageBox::Yes, {{QMessageBox::Yes, "Add Line"}}),
             QMessageBox::Yes);
    MessageBox::setResponder({});
    QCOMPARE(seen.size(), 2);
    QCOMPARE(seen.at(0).icon, QMessageBox::Question);
    QVERIFY(seen.at(0).buttonTexts.isEmpty());
    QCOMPARE(seen.at(1).buttonTexts.value(QMessageBox::Yes), QString("Add Line"));
}

QTEST_MAIN(tst_MessageBox)
#include "tst_messagebox.moc"
