#include "ui/register/dialogfields.h"

#include "data/money.h"
#include "ui/messagebox.h"
#include "ui/register/splitlineswidget.h"

#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QLocale>
#include <QTableWidget>

namespace {

qint64 unitsPerMajor(Currency currency)
{
    return currencyDecimals(currency) == 0 ? 1 : 100;
}

} // namespace

void configureAmountSpinBox(QDoubleSpinBox *spin, Currency currency)
{
    const int decimals = currencyDecimals(currency);
    spin->setDecimals(decimals);
    spin->setRange(0.0, decimals == 0 ? 99999999.0 : 99999999.99);
    // The dollar prefix is a translatable text; other currencies show their symbol.
    const QString prefix = currency == Currency::USD
                               ? QCoreApplication::translate("TransactionFormDialog", "$ ")
                               : currencySymbol(currency) + QLatin1Char(' ');
    spin->setPrefix(prefix);
}

double amountToSpinValue(qint64 amount, Currency currency)
{
    // In unsigned arithmetic: the most negative amount has no positive twin.
    const quint64 magnitude = amount < 0 ? quint64(0) - quint64(amount) : quint64(amount);
    return double(magnitude) / double(unitsPerMajor(currency));
}

qint64 spinValueToAmount(double value, Currency currency)
{
    // The spin box keeps its value rounded to its decimals, so the shortest
    // text that reads back as the same double is the number it shows.
    const QString text = QString::number(value, 'g', QLocale::FloatingPointShortest);
    return parseMinorUnits(text, currencyDecimals(currency)).value_or(0);
}

std::optional<qint64> spinBoxAmount(const QDoubleSpinBox *spin, Currency currency)
{
    const QLocale locale = spin->locale();
    QString text = spin->cleanText();
    const QString group = locale.groupSeparator();
    if (!group.isEmpty())
        text.remove(group);
    text.replace(locale.decimalPoint(), QStringLiteral("."));
    text.replace(locale.negativeSign(), QStringLiteral("-"));
    text.replace(locale.positiveSign(), QStringLiteral("+"));
    return tryParseMoney(text, currency);
}

void configureCategoryCombo(QComboBox *combo)
{
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    QCompleter *completer = combo->completer();
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    QObject::connect(completer, qOverload<const QString &>(&QCompleter::activated), combo,
                     [combo](const QString &text) {
                         const int row = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
                         if (row >= 0)
                             combo->setCurrentIndex(row);
                     });
}

QString categoryIdOf(const QComboBox *combo)
{
    const QString text = combo->currentText();
    const int current = combo->currentIndex();
    if (current >= 0 && combo->itemText(current) == text)
        return combo->itemData(current).toString();
    const int row = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    return row >= 0 ? combo->itemData(row).toString() : QString();
}

bool selectCategoryId(QComboBox *combo, const QString &id)
{
    for (int row = 0; row < combo->count(); ++row) {
        if (combo->itemData(row).toString() == id) {
            combo->setCurrentIndex(row);
            return true;
        }
    }
    return false;
}

bool checkSplitCategories(QWidget *dialog, SplitLinesWidget *lines)
{
    const int row = lines->firstUncategorizedRow();
    if (row < 0)
        return true;
    MessageBox::warning(dialog, QCoreApplication::translate("SplitLinesWidget", "Split Transaction"),
                        QCoreApplication::translate("SplitLinesWidget",
                                                    "Choose a category for every split line with an amount."));
    lines->table()->setCurrentCell(row, SplitLinesWidget::CategoryColumn);
    lines->categoryCombo(row)->setFocus();
    return false;
}
