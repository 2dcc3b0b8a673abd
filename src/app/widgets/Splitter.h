#pragma once

#include <QWidget>

// A thin vertical bar that the user drags to change the width of the
// control to its left; the control to its right takes what is left.
class Splitter : public QWidget
{
    Q_OBJECT

public:
    // `target` is the control to the bar's left, sized by fixed width.
    Splitter(QWidget *target, QWidget *parent);

    static constexpr int kWidth = 3;
    // Neither side becomes narrower than this while dragging.
    static constexpr int kMinSize = 30;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Q_DISABLE_COPY(Splitter)

    QWidget *m_target = nullptr;
    int m_pressX = 0;
    int m_startWidth = 0;
    bool m_dragging = false;
};
