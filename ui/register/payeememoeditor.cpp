#include "ui/register/payeememoeditor.h"

#include "ui/register/registerlineedit.h"
#include "ui/thememanager.h"

#include <QVBoxLayout>

PayeeMemoEditor::PayeeMemoEditor(QWidget *parent)
    : QWidget(parent)
    , m_payee(new RegisterLineEdit(this))
    , m_memo(new RegisterLineEdit(this))
{
    // The names are those the theme's style sheets and tools see.
    setObjectName(QStringLiteral("PayeeMemoEditor"));
    setFocusPolicy(Qt::ClickFocus);
    setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_payee->setObjectName(QStringLiteral("payeeEdit"));
    m_payee->setFocusPolicy(Qt::ClickFocus);
    layout->addWidget(m_payee);

    m_memo->setObjectName(QStringLiteral("memoEdit"));
    m_memo->setFocusPolicy(Qt::ClickFocus);
    m_memo->setPlaceholderText(tr("Memo"));
    m_memo->setProperty("orlFontItalic", true);
    applyFontRole(m_memo, FontRole::Caption);
    QFont font = m_memo->font();
    font.setItalic(true);
    m_memo->setFont(font);
    layout->addWidget(m_memo);

    setFocusProxy(m_payee);
}
