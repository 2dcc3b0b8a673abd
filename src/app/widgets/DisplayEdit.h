#pragma once

#include <QLineEdit>

// A read-only number field of the lap table's tab. A line edit lays its
// text out again in a new font at once, which loads that font; this one
// does so only when it is first shown or painted. Its font is set as any
// widget's (font() tells it at once), but a font that the window's first
// frame does not show costs nothing at start.
class DisplayEdit : public QLineEdit
{
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void layOutInFont();

    bool m_fontPending = false;
};
