#pragma once

#include <QWidget>

class QToolButton;

// The up/down arrow button pair at the right edge of the spin editors. A left
// press first moves the focus to the focus control; a click emits upClick or
// downClick, and holding a button repeats the click after 400 ms and then
// every 100 ms. What a click does is the editor's business.
class SpinButtons : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kWidth = 15;
    static constexpr int kHeight = 17;
    static constexpr int kRepeatDelayMs = 400;
    static constexpr int kRepeatIntervalMs = 100;

    explicit SpinButtons(QWidget *parent = nullptr);

    void setFocusControl(QWidget *control) { m_focusControl = control; }
    QWidget *focusControl() const { return m_focusControl; }

    QToolButton *upButton() const { return m_up; }
    QToolButton *downButton() const { return m_down; }

signals:
    void upClick();
    void downClick();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    Q_DISABLE_COPY(SpinButtons)

    QToolButton *makeButton(Qt::ArrowType arrow);
    void focusTheControl();

    QWidget *m_focusControl = nullptr;
    QToolButton *m_up = nullptr;
    QToolButton *m_down = nullptr;
};
