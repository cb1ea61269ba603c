#pragma once

#include <QLineEdit>

// The register's text editor. While its completer's list is open, Enter takes
// the highlighted suggestion and closes the list instead of committing the row;
// otherwise it is a plain line edit.
class RegisterLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit RegisterLineEdit(QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;
};
