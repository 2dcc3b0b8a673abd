#pragma once

#include <QList>
#include <QObject>

class QComboBox;
class QScreen;

// The screen the full-screen display goes to, as chosen in a drop-down list:
// 0 = automatic, n = the n-th screen in the system's order. Automatic is
// the largest screen other than the window's, or the window's own when it is
// the only one; a chosen screen that is not there counts as automatic, and
// the choice is kept for when it is plugged in again. The list follows the
// screens as they come and go.
class ScreenChoice : public QObject
{
    Q_OBJECT

public:
    explicit ScreenChoice(QComboBox *box);

    int value() const { return m_value; }
    void setValue(int value);

    // Where the display goes while the window is on `windowScreen`.
    QScreen *ScreenFor(QScreen *windowScreen) const;

private:
    void fill();

    QComboBox *m_box;
    int m_value = 0;
};

// The choice's rule on a given list of screens.
QScreen *PickScreen(const QList<QScreen *> &screens, QScreen *windowScreen, int choice);
