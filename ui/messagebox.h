#pragma once

#include <QMap>
#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

// Every message box of the program goes through here, so tests can answer
// them without a person: a test installs a responder, which then sees each
// box instead of the user and returns the button it "clicks".
//
// A box that offers No or Cancel and names no default button defaults to
// that answer (No before Cancel): Return on a confirmation must never be
// the step that deletes or writes something.
class MessageBox
{
public:
    // Texts that replace a standard button's own ("Yes" read as "Add Line"),
    // for a choice between actions; the button keeps its role and result.
    using ButtonTexts = QMap<QMessageBox::StandardButton, QString>;

    struct Request
    {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
        // The button Return presses, as the box is shown.
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        ButtonTexts buttonTexts = {};
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
    // A question whose buttons read as the actions they take.
    static QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton,
                                                const ButtonTexts &buttonTexts);

    // The button Return presses: the named one when the box has it, else
    // No, else Cancel, else none (the box's own choice, for a lone Ok).
    static QMessageBox::StandardButton effectiveDefault(QMessageBox::StandardButtons buttons,
                                                        QMessageBox::StandardButton defaultButton);

    // Installs (or with an empty function removes) the test responder.
    static void setResponder(Responder responder);

private:
    static QMessageBox::StandardButton show(QWidget *parent, Request request);
};
