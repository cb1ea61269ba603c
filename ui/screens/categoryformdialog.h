#pragma once

#include "data/category.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

// The form for one category: new (top-level or under a parent) or edit. It
// only builds the category from its widgets; storing it is the caller's
// business. OK stays disabled while the name is blank. The type is expense
// or income; a transfer category being edited keeps its type as a third
// choice.
class CategoryFormDialog : public QDialog
{
    Q_OBJECT

public:
    // A new category; an empty parentId makes a top-level one.
    CategoryFormDialog(const QString &parentId, const QString &parentName, QWidget *parent = nullptr);
    // Edits `category`; parentName is shown when it has a parent.
    CategoryFormDialog(const Category &category, const QString &parentName, QWidget *parent = nullptr);

    // The category as the widgets describe it.
    Category category() const;

    bool isEditMode() const { return m_editMode; }
    QString parentId() const { return m_parentId; }

    QLabel *parentLabel() const { return m_parentLabel; }
    QLineEdit *nameField() const { return m_name; }
    QComboBox *typeCombo() const { return m_type; }
    QCheckBox *taxRelevantBox() const { return m_taxRelevant; }
    QLineEdit *taxCodeField() const { return m_taxCode; }
    QLabel *taxCodeLabel() const { return m_taxCodeLabel; }

public Q_SLOTS:
    void accept() override;

private:
    void buildUi(const QString &parentName);
    void load(const Category &category);
    void onTaxRelevantToggled(bool on);
    void updateOkButton();

    Category m_original;
    QString m_parentId;
    bool m_editMode = false;

    QLabel *m_parentLabel = nullptr;
    QLineEdit *m_name = nullptr;
    QComboBox *m_type = nullptr;
    QCheckBox *m_taxRelevant = nullptr;
    QLabel *m_taxCodeLabel = nullptr;
    QLineEdit *m_taxCode = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};
