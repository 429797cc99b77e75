#pragma once

#include <QLabel>

// A one-line label that shortens its text at the end to the room it has; the whole
// text is its tool tip. For values that can be long beside fixed ones (status bar).
class ElidedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ElidedLabel(QWidget *parent = nullptr);

    void setFullText(const QString &text);
    QString fullText() const { return m_text; }

    QSize minimumSizeHint() const override;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void elide();

    QString m_text;
};
