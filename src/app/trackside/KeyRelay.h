#pragma once

#include <QObject>

class QWidget;

// Hands the window's keys on to it while another top-level widget of the
// program (the full-screen display) has the keyboard: the window's own
// shortcuts (the hidden menu's), the keys of the window's actions (a pair's
// commands, also those it is given later), its buttons' mnemonics as long
// as the button can be seen, and Space or Enter to the window's focused
// button, which is clicked at the key press. The window decides, as ever,
// whether a command is enabled.
class KeyRelay : public QObject
{
    Q_OBJECT

public:
    // `pressKeys`: whether Space and Enter go to the window's focused
    // button too; not from a dialog, whose own buttons answer them.
    KeyRelay(QWidget *from, QWidget *window, bool pressKeys = true);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Q_DISABLE_COPY(KeyRelay)

    QWidget *m_window = nullptr;
};
