#pragma once

#include <QLabel>

// A one-line label that may shrink to nothing: it keeps the full text and
// paints as much of it as fits, ending in an ellipsis; while it is cut short
// its tool tip shows the whole text (unless a tool tip of its own is set).
// The full text is the label's text, so setText and setFullText are the
// same. It does not wrap or show rich text.
class ElidedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ElidedLabel(QWidget *parent = nullptr);

    void setFullText(const QString &text);
    QString fullText() const { return text(); }
    // The text as it is painted at the current width.
    QString elidedText() const;
    bool isElided() const { return elidedText() != text(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
};
