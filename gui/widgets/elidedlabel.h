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
    // Where the text gives way: at its end (the default) or in its middle, which keeps
    // both ends, such as a medium at the start and a port at the end.
    void setElideMode(Qt::TextElideMode mode);
    QString fullText() const { return m_text; }

    QSize minimumSizeHint() const override;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void elide();

    QString m_text;
    Qt::TextElideMode m_mode = Qt::ElideRight;
};
