#pragma once

#include <QFrame>

class QHBoxLayout;
class QLabel;
class QPushButton;

// A strip with a message and a few buttons laid over the bottom edge of a
// window: a question or a notice that leaves the window working. Its buttons
// never take the keyboard focus, so every key goes on to where it went
// before (the race commands' shortcuts, the focused command button). Bars
// of one window stack upwards in the order they were made. What a button
// does is its owner's business; the bar only shows and hides.
class MessageBar : public QFrame
{
    Q_OBJECT

public:
    explicit MessageBar(QWidget *window);

    void setText(const QString &text);
    QString text() const;
    QPushButton *addButton(const QString &text);
    // Shows the bar over the window's bottom edge, above any other bar.
    void showBar();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    Q_DISABLE_COPY(MessageBar)

    // Places the window's shown bars, the first made at the bottom.
    static void placeAll(QWidget *window);

    QLabel *m_text = nullptr;
    QHBoxLayout *m_buttons = nullptr;
};
