#pragma once

#include <QWidget>

class QFormLayout;
class QFrame;
class QLabel;
class QPushButton;
class QVBoxLayout;

// One page of the preferences window: its title and the pieces the pages
// are made of (section headers, separators, forms and hints), laid out top
// down and closed with a stretch by finish(). Separator colours follow the
// palette when the theme changes while the window is open; fonts follow the
// font scale through their font roles.
class SettingsPage : public QWidget
{
    Q_OBJECT

public:
    explicit SettingsPage(const QString &title, QWidget *parent = nullptr);

    // The grey of hints and subtitles, the same in both themes.
    static QString mutedStyle();
    // The teal call-to-action look, greyed out while disabled.
    static QString primaryStyle();
    // A button in the primary style; the page around it restyles it when
    // the theme changes.
    static QPushButton *primaryButton(const QString &text);
    // A section's title and, when given, its word-wrapped subtitle.
    static QWidget *sectionHeader(const QString &title, const QString &subtitle = {});

protected:
    QVBoxLayout *pageLayout() const { return m_layout; }

    // A title (and, when given, a word-wrapped subtitle) added to `layout`,
    // the page itself when null.
    QWidget *addSectionHeader(const QString &title, const QString &subtitle = {}, QVBoxLayout *layout = nullptr);
    QFrame *addSeparator(QVBoxLayout *layout = nullptr);
    // A form whose fields grow, indented under its section.
    QFormLayout *addForm();
    // A grey explanation under a check box, indented to its text.
    QLabel *addHint(const QString &text);

    // The closing stretch; call once the page is complete.
    void finish();

    void changeEvent(QEvent *event) override;

private:
    void applyThemeColours();

    QVBoxLayout *m_layout;
    bool m_styling = false;
};
