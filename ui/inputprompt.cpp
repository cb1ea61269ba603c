#include "ui/inputprompt.h"

#include <QInputDialog>

namespace {
InputPrompt::Responder &responder()
{
    static InputPrompt::Responder instance;
    return instance;
}
} // namespace

void InputPrompt::setResponder(Responder r)
{
    responder() = std::move(r);
}

std::optional<QString> InputPrompt::show(QWidget *parent, const Request &request)
{
    if (responder())
        return responder()(request);
    bool ok = false;
    const QString text = QInputDialog::getText(parent, request.title, request.label, request.echoMode, request.text, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> InputPrompt::getText(QWidget *parent, const QString &title, const QString &label,
                                            const QString &text)
{
    return show(parent, {title, label, QLineEdit::Normal, text});
}

std::optional<QString> InputPrompt::getPassword(QWidget *parent, const QString &title, const QString &label)
{
    return show(parent, {title, label, QLineEdit::Password, {}});
}
