#include "ui/sharepersonrow.h"

#include <QApplication>
#include <QColor>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace OrlAccount {

namespace {

// Dark enough for white initials in both themes.
constexpr const char *AvatarColours[] = {"#00897B", "#5E35B1", "#3949AB", "#6D4C41", "#C2185B", "#2E7D32", "#EF6C00", "#00838F"};

QString placeholderStyle()
{
    return QStringLiteral("color: %1;").arg(QApplication::palette().color(QPalette::PlaceholderText).name());
}

} // namespace

SharePersonRow::SharePersonRow(const QString &name, const QString &email, const QString &buttonText, QWidget *parent)
    : QWidget(parent)
    , m_name(name.isEmpty() ? email : name)
    , m_button(new QPushButton(buttonText))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 4);
    layout->setSpacing(10);
    layout->addWidget(avatarLabel(name, email, 36));

    auto *text = new QVBoxLayout;
    text->setSpacing(0);
    auto *nameLabel = new QLabel(m_name);
    nameLabel->setObjectName(QStringLiteral("personName"));
    nameLabel->setTextFormat(Qt::PlainText);
    QFont font = nameLabel->font();
    font.setWeight(QFont::Medium);
    nameLabel->setFont(font);
    text->addWidget(nameLabel);
    if (!email.isEmpty() && email != m_name) {
        auto *emailLabel = new QLabel(email);
        emailLabel->setObjectName(QStringLiteral("personEmail"));
        emailLabel->setTextFormat(Qt::PlainText);
        emailLabel->setStyleSheet(placeholderStyle());
        text->addWidget(emailLabel);
    }
    layout->addLayout(text, 1);

    m_button->setCursor(Qt::PointingHandCursor);
    layout->addWidget(m_button, 0, Qt::AlignVCenter);
}

QString SharePersonRow::initialsFor(const QString &name, const QString &email)
{
    if (name.trimmed().isEmpty()) {
        // Whole characters only: an address may begin with one outside the BMP.
        const QString first = email.isEmpty() ? QString() : email.left(email.at(0).isHighSurrogate() ? 2 : 1);
        return first.isEmpty() ? QStringLiteral("?") : first.toUpper();
    }
    const QStringList words = name.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const auto initial = [](const QString &word) { return word.left(word.at(0).isHighSurrogate() ? 2 : 1).toUpper(); };
    if (words.size() == 1)
        return initial(words.first());
    return initial(words.first()) + initial(words.last());
}

QLabel *SharePersonRow::avatarLabel(const QString &name, const QString &email, int size)
{
    auto *label = new QLabel(initialsFor(name, email));
    label->setObjectName(QStringLiteral("avatar"));
    label->setTextFormat(Qt::PlainText);
    label->setFixedSize(size, size);
    label->setAlignment(Qt::AlignCenter);
    const QString key = email.isEmpty() ? name : email.toLower();
    const QColor colour(QLatin1String(AvatarColours[qHash(key) % std::size(AvatarColours)]));
    label->setStyleSheet(QStringLiteral("QLabel { background: %1; color: white; border-radius: %2px; font-weight: 600; }")
                             .arg(colour.name())
                             .arg(size / 2));
    QFont font = label->font();
    const int points = size / 3;
    font.setPointSize(points < 9 ? 8 : points);
    label->setFont(font);
    return label;
}

} // namespace OrlAccount
