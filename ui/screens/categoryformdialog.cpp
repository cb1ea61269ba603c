#include "ui/screens/categoryformdialog.h"

#include "data/clock.h"
#include "data/uuids.h"
#include "services/categoryservice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

CategoryFormDialog::CategoryFormDialog(const QString &parentId, const QString &parentName, QWidget *parent)
    : QDialog(parent)
    , m_parentId(parentId)
{
    setWindowTitle(parentId.isEmpty() ? tr("New Category") : tr("New Subcategory"));
    buildUi(parentName);
}

CategoryFormDialog::CategoryFormDialog(const Category &category, const QString &parentName, QWidget *parent)
    : QDialog(parent)
    , m_original(category)
    , m_parentId(category.parentId)
    , m_editMode(true)
{
    setWindowTitle(tr("Edit Category"));
    buildUi(parentName);
    load(category);
}

void CategoryFormDialog::buildUi(const QString &parentName)
{
    setMinimumWidth(420);
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);

    if (!parentName.isEmpty()) {
        m_parentLabel = new QLabel(parentName, this);
        m_parentLabel->setTextFormat(Qt::PlainText);
        m_parentLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(tr("&Parent:"), m_parentLabel);
    }

    m_name = new QLineEdit(this);
    m_name->setPlaceholderText(tr("Category name"));
    m_name->setMaxLength(CategoryService::kMaxNameLength);
    form->addRow(tr("&Name:"), m_name);

    m_type = new QComboBox(this);
    m_type->addItem(tr("Expense"), categoryTypeToString(CategoryType::Expense));
    m_type->addItem(tr("Income"), categoryTypeToString(CategoryType::Income));
    form->addRow(tr("&Type:"), m_type);

    m_taxRelevant = new QCheckBox(tr("Tax-relevant"), this);
    m_taxRelevant->setToolTip(tr("Mark this category for inclusion in tax-time reports."));
    form->addRow(QString(), m_taxRelevant);

    m_taxCode = new QLineEdit(this);
    m_taxCode->setPlaceholderText(tr("e.g. charitable_contributions, mortgage_interest"));
    m_taxCode->setMaxLength(CategoryService::kMaxTaxCodeLength);
    m_taxCodeLabel = new QLabel(tr("Tax &Code:"), this);
    m_taxCodeLabel->setBuddy(m_taxCode);
    form->addRow(m_taxCodeLabel, m_taxCode);
    onTaxRelevantToggled(false);

    layout->addLayout(form);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(m_buttons);

    connect(m_taxRelevant, &QCheckBox::toggled, this, &CategoryFormDialog::onTaxRelevantToggled);
    connect(m_name, &QLineEdit::textChanged, this, &CategoryFormDialog::updateOkButton);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &CategoryFormDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &CategoryFormDialog::reject);
    updateOkButton();
    m_name->setFocus();
}

void CategoryFormDialog::load(const Category &category)
{
    // A longer name from elsewhere is shown whole, never cut on saving.
    m_name->setMaxLength(std::max<int>(CategoryService::kMaxNameLength, int(category.name.size())));
    m_taxCode->setMaxLength(std::max<int>(CategoryService::kMaxTaxCodeLength, int(category.taxCategory.size())));
    m_name->setText(category.name);
    const QString key = categoryTypeToString(category.type);
    int typeIndex = m_type->findData(key);
    if (typeIndex < 0) {
        // Only a transfer category gets here: it keeps its type unless the
        // person picks another.
        m_type->addItem(categoryTypeDisplayName(category.type), key);
        typeIndex = m_type->count() - 1;
    }
    m_type->setCurrentIndex(typeIndex);
    m_taxRelevant->setChecked(category.isTaxRelevant);
    m_taxCode->setText(category.taxCategory);
    onTaxRelevantToggled(category.isTaxRelevant);
}

void CategoryFormDialog::onTaxRelevantToggled(bool on)
{
    m_taxCode->setEnabled(on);
    m_taxCodeLabel->setEnabled(on);
    if (!on)
        m_taxCode->clear();
}

void CategoryFormDialog::updateOkButton()
{
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!m_name->text().trimmed().isEmpty());
}

void CategoryFormDialog::accept()
{
    // Return in the name field presses OK even while it is disabled.
    if (m_name->text().trimmed().isEmpty())
        return;
    QDialog::accept();
}

Category CategoryFormDialog::category() const
{
    Category category = m_original;
    if (!m_editMode) {
        category.id = newUuid();
        category.createdAt = Clock::now();
    }
    category.name = m_name->text().trimmed();
    category.type = categoryTypeFromString(m_type->currentData().toString());
    category.parentId = m_parentId;
    category.isTaxRelevant = m_taxRelevant->isChecked();
    category.taxCategory = category.isTaxRelevant ? m_taxCode->text().trimmed() : QString();
    category.updatedAt = Clock::now();
    category.syncStatus = SyncStatus::Pending;
    return category;
}
