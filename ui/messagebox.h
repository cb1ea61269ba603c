#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

// Every message box of the program goes through here, so tests can answer
// them without a person: a test installs a responder, which then sees each
// box instead of the user and returns the button it "clicks".
class MessageBox
{
public:
    struct Request
    {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
    };
    using Responder = std::function<QMessageBox::StandardButton(const Request &)>;

    static QMessageBox::StandardButton critical(QWidget *parent, const QString &title,
                                                const QString &text);
    static QMessageBox::StandardButton warning(
        QWidget *parent, const QString &title, const QString &text,
        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static QMessageBox::StandardButton information(QWidget *parent, const QString &title,
                                                   const QString &text);
    static QMessageBox::StandardButton question(
        QWidget *parent, const QString &title, const QString &text,
        QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    // Installs (or with an empty function removes) the test responder.
    static void setResponder(Responder responder);

private:
    static QMessageBox::StandardButton show(QWidget *parent, const Request &request,
                                            QMessageBox::StandardButton defaultButton);
};
