#pragma once

#include <QLabel>

// A one-line label that may shrink to nothing: it keeps the full text and
// paints as much of it as fits, ending in an ellipsis. It does not wrap or
// show rich text.
class ElidedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ElidedLabel(QWidget *parent = nullptr);

    void setFullText(const QString &text);
    QString fullText() const { return m_fullText; }
    // The text as it is painted at the current width.
    QString elidedText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QString m_fullText;
};
