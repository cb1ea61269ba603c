#pragma once

#include <QComboBox>

// The register's category editor. A type of its own so the register can tell
// it apart from other combo boxes; it behaves like a plain QComboBox.
class RegisterComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit RegisterComboBox(QWidget *parent = nullptr);
};
