#pragma once

#include <QTextBrowser>

// The program's help in German: the commands and their keys, the lap
// contact's wiring and polarity, where the races are saved and what the
// trigger's states mean. One window per owner, made when first asked for.
class HelpWindow : public QTextBrowser
{
    Q_OBJECT

public:
    // Shows the owner's help window, making it first if need be.
    static HelpWindow *ShowFor(QWidget *owner, const QString &racesFolder);

private:
    HelpWindow(QWidget *owner, const QString &racesFolder);
    Q_DISABLE_COPY(HelpWindow)
};
