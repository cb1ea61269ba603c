#pragma once

#include <QWidget>

class RegisterLineEdit;

// The Payee cell's editor in the two-line layout: the payee line above the
// memo line, filled and written back together. The payee line takes the
// focus when the editor is given it. It handles no keys of its own: which
// line follows which on Tab is the row editor's to say.
class PayeeMemoEditor : public QWidget
{
    Q_OBJECT

public:
    explicit PayeeMemoEditor(QWidget *parent = nullptr);

    RegisterLineEdit *payeeEdit() const { return m_payee; }
    RegisterLineEdit *memoEdit() const { return m_memo; }

private:
    RegisterLineEdit *m_payee;
    RegisterLineEdit *m_memo;
};
