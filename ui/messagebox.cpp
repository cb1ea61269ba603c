#include "ui/messagebox.h"

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

QMessageBox::StandardButton MessageBox::show(QWidget *parent, const Request &request,
                                             QMessageBox::StandardButton defaultButton)
{
    if (responder())
        return responder()(request);
    QMessageBox box(request.icon, request.title, request.text, request.buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return QMessageBox::StandardButton(box.exec());
}

QMessageBox::StandardButton MessageBox::critical(QWidget *parent, const QString &title,
                                                 const QString &text)
{
    return show(parent, {QMessageBox::Critical, title, text, QMessageBox::Ok}, QMessageBox::Ok);
}

QMessageBox::StandardButton MessageBox::warning(QWidget *parent, const QString &title,
                                                const QString &text, QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton)
{
    return show(parent, {QMessageBox::Warning, title, text, buttons}, defaultButton);
}

QMessageBox::StandardButton MessageBox::information(QWidget *parent, const QString &title,
                                                    const QString &text)
{
    return show(parent, {QMessageBox::Information, title, text, QMessageBox::Ok}, QMessageBox::Ok);
}

QMessageBox::StandardButton MessageBox::question(QWidget *parent, const QString &title,
                                                 const QString &text,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton)
{
    return show(parent, {QMessageBox::Question, title, text, buttons}, defaultButton);
}
