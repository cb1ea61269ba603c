#include "ui/messagebox.h"

#include <QAbstractButton>

namespace {
MessageBox::Responder &responder()
{
    static MessageBox::Responder instance;
    return instance;
}
} // namespace

void MessageBox::setResponder(Responder r)
{
    responder() = std::move(r);
}

QMessageBox::StandardButton MessageBox::effectiveDefault(QMessageBox::StandardButtons buttons,
                                                         QMessageBox::StandardButton defaultButton)
{
    if (defaultButton != QMessageBox::NoButton && buttons.testFlag(defaultButton))
        return defaultButton;
    if (buttons.testFlag(QMessageBox::No))
        return QMessageBox::No;
    if (buttons.testFlag(QMessageBox::Cancel))
        return QMessageBox::Cancel;
    return QMessageBox::NoButton;
}

QMessageBox::StandardButton MessageBox::show(QWidget *parent, Request request)
{
    request.defaultButton = effectiveDefault(request.buttons, request.defaultButton);
    if (responder())
        return responder()(request);
    QMessageBox box(request.icon, request.title, request.text, request.buttons, parent);
    for (auto it = request.buttonTexts.cbegin(); it != request.buttonTexts.cend(); ++it) {
        if (QAbstractButton *button = box.button(it.key()))
            button->setText(it.value());
    }
    if (request.defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(request.defaultButton);
    return QMessageBox::StandardButton(box.exec());
}

QMessageBox::StandardButton MessageBox::critical(QWidget *parent, const QString &title,
                                                 const QString &text)
{
    return show(parent, {QMessageBox::Critical, title, text, QMessageBox::Ok, QMessageBox::Ok});
}

QMessageBox::StandardButton MessageBox::warning(QWidget *parent, const QString &title,
                                                const QString &text, QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton)
{
    return show(parent, {QMessageBox::Warning, title, text, buttons, defaultButton});
}

QMessageBox::StandardButton MessageBox::information(QWidget *parent, const QString &title,
                                                    const QString &text)
{
    return show(parent, {QMessageBox::Information, title, text, QMessageBox::Ok, QMessageBox::Ok});
}

QMessageBox::StandardButton MessageBox::question(QWidget *parent, const QString &title,
                                                 const QString &text,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton)
{
    return show(parent, {QMessageBox::Question, title, text, buttons, defaultButton});
}

QMessageBox::StandardButton MessageBox::question(QWidget *parent, const QString &title, const QString &text,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton,
                                                 const ButtonTexts &buttonTexts)
{
    return show(parent, {QMessageBox::Question, title, text, buttons, defaultButton, buttonTexts});
}
