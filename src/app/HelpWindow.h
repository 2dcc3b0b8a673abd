#pragma once

#include <QTextBrowser>

// The program's help in its language, in the words the window shows: the commands
// and their keys, the display's panels, the linked set-up fields, the table,
// the chart, the sounds, the call-outs, the full-screen display and its
// keys, the lap contact's wiring and polarity, the trigger's states and
// where the races are saved. One window per owner, made when first asked
// for; Escape closes it.
class HelpWindow : public QTextBrowser
{
    Q_OBJECT

public:
    // Shows the owner's help window, making it first if need be.
    static HelpWindow *showFor(QWidget *owner, const QString &racesFolder);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    HelpWindow(QWidget *owner, const QString &racesFolder);
    Q_DISABLE_COPY(HelpWindow)
};
