#pragma once

#include <QLineEdit>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

// Every one-line text prompt of the program goes through here, so tests can
// answer them without a person: a test installs a responder, which then sees
// each prompt instead of the user and returns what the user "typed", or no
// value for Cancel. Without a responder the prompt is a modal input dialog.
class InputPrompt
{
public:
    struct Request
    {
        QString title;
        QString label;
        QLineEdit::EchoMode echoMode = QLineEdit::Normal;
        // What the field holds when the prompt opens.
        QString text;
    };
    using Responder = std::function<std::optional<QString>(const Request &)>;

    // The text entered, or no value when the prompt was cancelled. The text
    // comes back as typed; trimming is the caller's choice.
    static std::optional<QString> getText(QWidget *parent, const QString &title, const QString &label,
                                          const QString &text = {});
    // The same with the typing hidden.
    static std::optional<QString> getPassword(QWidget *parent, const QString &title, const QString &label);

    // Installs (or with an empty function removes) the test responder.
    static void setResponder(Responder responder);

private:
    static std::optional<QString> show(QWidget *parent, const Request &request);
};
