#include "ui/register/amountentryguard.h"

#include "data/money.h"
#include "ui/register/dialogfields.h"

#include <QDoubleSpinBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolTip>

namespace {

const char *const kGuardName = "amountEntryGuard";

} // namespace

AmountEntryGuard::AmountEntryGuard(QDoubleSpinBox *field)
    : QObject(field)
    , m_field(field)
{
    setObjectName(QLatin1String(kGuardName));
    field->installEventFilter(this);
    if (auto *edit = field->findChild<QLineEdit *>()) {
        m_shownText = edit->text();
        connect(edit, &QLineEdit::inputRejected, this, &AmountEntryGuard::rejectInput);
        // Emitted before textChanged, so m_shownText is still the text before the edit.
        connect(edit, &QLineEdit::textEdited, this, [this](const QString &text) {
            // Taking away or typing over what was there corrects a refused
            // key; typing on after it ("5.5" in yen giving 55) does not.
            // Unreadable text is corrected once the text reads.
            if (m_rejected ? text.size() <= m_shownText.size() : textProblem().isEmpty())
                clearMark();
        });
        connect(edit, &QLineEdit::textChanged, this, [this](const QString &text) { m_shownText = text; });
    }
    // A value set by the dialog (a payee's last amount) replaces the entry.
    connect(field, &QDoubleSpinBox::valueChanged, this, [this] {
        if (!m_field->hasFocus())
            clearMark();
    });
}

AmountEntryGuard *AmountEntryGuard::attach(QDoubleSpinBox *field)
{
    if (AmountEntryGuard *guard = of(field))
        return guard;
    return new AmountEntryGuard(field);
}

AmountEntryGuard *AmountEntryGuard::of(const QDoubleSpinBox *field)
{
    return field ? field->findChild<AmountEntryGuard *>(QLatin1String(kGuardName), Qt::FindDirectChildrenOnly)
                 : nullptr;
}

Currency AmountEntryGuard::currency() const
{
    // The field's text carries no symbol; only its decimals matter here.
    return m_field->decimals() == 0 ? Currency::JPY : Currency::USD;
}

QString AmountEntryGuard::textProblem() const
{
    // Text the field itself reads is its value.
    QString shown = m_field->text();
    int position = 0;
    if (m_field->validate(shown, position) == QValidator::Acceptable)
        return QString();
    const Currency kind = currency();
    const QString text = m_field->cleanText().trimmed();
    const std::optional<qint64> amount = spinBoxAmount(m_field, kind);
    if (!amount)
        return text.isEmpty() ? tr("Enter an amount (0 for none).") : tr("\"%1\" is not an amount.").arg(text);
    if (*amount < 0 && m_field->minimum() >= 0)
        return tr("Enter the amount without a sign; the type says which way it goes.");
    const qint64 largest = spinValueToAmount(m_field->maximum(), kind);
    if (*amount > largest)
        return tr("Amounts go up to %1.").arg(formatAmount(largest, kind));
    return QString();
}

QString AmountEntryGuard::problem() const
{
    if (m_marked)
        return m_problem;
    return textProblem();
}

bool AmountEntryGuard::check()
{
    const QString message = problem();
    if (message.isEmpty())
        return true;
    mark(message);
    m_field->setFocus(Qt::OtherFocusReason);
    m_field->selectAll();
    return false;
}

bool AmountEntryGuard::eventFilter(QObject *watched, QEvent *event)
{
    // Seen before the spin box puts its last value back over the text. A
    // hidden field is leaving with its dialog, which may be destroying it
    // right now (the focus leaves it from the widget's destructor): there is
    // no entry left to note, and the spin box may be half gone.
    if (watched == m_field && m_field->isVisible()) {
        if (event->type() == QEvent::FocusOut) {
            noteUnreadableText();
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                noteUnreadableText();
        }
    }
    return QObject::eventFilter(watched, event);
}

void AmountEntryGuard::rejectInput()
{
    const qint64 largest = spinValueToAmount(m_field->maximum(), currency());
    const QString limit = formatAmount(largest, currency());
    m_rejected = true;
    mark(m_field->decimals() == 0 ? tr("Only a whole amount can be typed here, up to %1.").arg(limit)
                                  : tr("Only digits and one decimal point can be typed here, up to %1.").arg(limit));
}

void AmountEntryGuard::noteUnreadableText()
{
    if (m_marked || !m_field->isEnabled())
        return;
    const QString message = textProblem();
    if (!message.isEmpty())
        mark(message);
}

void AmountEntryGuard::mark(const QString &message)
{
    if (!m_marked) {
        m_toolTipBefore = m_field->toolTip();
        m_styleBefore = m_field->styleSheet();
    }
    m_marked = true;
    m_problem = message;
    m_field->setToolTip(message);
    m_field->setStyleSheet(QStringLiteral("QAbstractSpinBox { border: 1px solid #C62828; }"));
    if (m_field->isVisible())
        QToolTip::showText(m_field->mapToGlobal(QPoint(0, m_field->height())), message, m_field);
}

void AmountEntryGuard::clearMark()
{
    if (!m_marked)
        return;
    m_marked = false;
    m_rejected = false;
    m_problem.clear();
    m_field->setToolTip(m_toolTipBefore);
    m_field->setStyleSheet(m_styleBefore);
    QToolTip::hideText();
}
