// Names and descriptions for screen readers, in the program's language. The
// large panels keep no name of their own, so a reader announces their
// changing captions (laps to go, ahead/behind seconds); the time display
// names its time once a second.
#include "Main.h"

#include "ButtonWithColor.h"
#include "FlEdit.h"
#include "Panel.h"
#include "SortGrid.h"
#include "SpinButtons.h"
#include "SpinEdit.h"

#include <QFrame>
#include <QLineEdit>
#include <QToolButton>

void TFormMain::describeForScreenReaders()
{
    struct Description
    {
        QWidget *widget;
        const char *name;
        const char *description;
    };
    const Description descriptions[] = {
        {bStart, QT_TR_NOOP("Start"), QT_TR_NOOP("Startet die Rennuhr (Strg+S)")},
        {bLAP, QT_TR_NOOP("Runde"), QT_TR_NOOP("Nimmt eine Runde (Strg+L)")},
        {bStop, QT_TR_NOOP("Stopp"), QT_TR_NOOP("Hält die Rennuhr im Ziel an (Strg+P)")},
        {bReset, QT_TR_NOOP("Zurücksetzen"), QT_TR_NOOP("Setzt die Uhr auf null (Strg+0)")},
        {PanelKrugov, nullptr, QT_TR_NOOP("Noch zu laufende Runden")},
        {PanelPlusMin, nullptr, QT_TR_NOOP("Sekunden vor (plus) oder hinter (minus) dem Plan")},
        {PanelTimer, QT_TR_NOOP("Laufzeit 0 Min. 0 Sek."), QT_TR_NOOP("Laufende Rennzeit")},
        {pTimeOneKrug, nullptr, QT_TR_NOOP("Sollzeit einer Runde in Sekunden")},
        {pTimeAverSpeed, nullptr, QT_TR_NOOP("Geplante Durchschnittsgeschwindigkeit")},
        {seLength, QT_TR_NOOP("Streckenlänge in Metern"), nullptr},
        {seLenKrug, QT_TR_NOOP("Rundenlänge in Metern"), nullptr},
        {seKrugov, QT_TR_NOOP("Anzahl Runden"), nullptr},
        {seLengthDop, QT_TR_NOOP("Zusätzliche Meter vor der ersten Runde"), nullptr},
        {seMin, QT_TR_NOOP("Sollzeit Minuten"), nullptr},
        {seSek, QT_TR_NOOP("Sollzeit Sekunden"), nullptr},
        {seTime, QT_TR_NOOP("Sollzeit in Gesamtsekunden"), nullptr},
        {seDopTime, QT_TR_NOOP("Startzugabe in Sekunden"), nullptr},
        {eTimeKrug, QT_TR_NOOP("Sollzeit einer Runde in Sekunden"), nullptr},
        {eSpeedKrug, QT_TR_NOOP("Sollgeschwindigkeit einer Runde in km/h"), nullptr},
        {eSpeedSredn, QT_TR_NOOP("Durchschnittsgeschwindigkeit seit dem Start in km/h"), nullptr},
        {SortGrid1, QT_TR_NOOP("Rundentabelle"), QT_TR_NOOP("Sollzeiten links, gemessene Runden rechts")},
    };
    for (const Description &d : descriptions) {
        if (d.name)
            d.widget->setAccessibleName(tr(d.name));
        if (d.description)
            d.widget->setAccessibleDescription(tr(d.description));
    }
    // Each editor's arrows say what they step: "Mehr: Anzahl Runden".
    auto nameArrows = [](QWidget *editor, SpinButtons *arrows) {
        for (QToolButton *arrow : {arrows->upButton(), arrows->downButton()})
            arrow->setAccessibleName(arrow->accessibleName() + QStringLiteral(": ") + editor->accessibleName());
    };
    for (TSpinEdit *editor : {seLength, seLenKrug, seKrugov, seLengthDop, seMin, seSek, seTime})
        nameArrows(editor, editor->buttons());
    nameArrows(seDopTime, seDopTime->buttons());
}
