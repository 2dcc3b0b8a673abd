// German names and descriptions for screen readers. The large panels keep
// no name of their own, so a reader announces their changing captions (laps
// to go, ahead/behind seconds); the time display names its time once a second.
#include "Main.h"

#include "ButtonWithColor.h"
#include "FlEdit.h"
#include "Panel.h"
#include "SortGrid.h"
#include "SpinEdit.h"

#include <QFrame>
#include <QLineEdit>

void TFormMain::describeForScreenReaders()
{
    struct Description
    {
        QWidget *widget;
        const char16_t *name;
        const char16_t *description;
    };
    const Description descriptions[] = {
        {bStart, u"Start", u"Startet die Rennuhr (Strg+S)"},
        {bLAP, u"Runde", u"Nimmt eine Runde (Strg+L)"},
        {bStop, u"Stopp", u"Hält die Rennuhr im Ziel an (Strg+P)"},
        {bReset, u"Zurücksetzen", u"Setzt die Uhr auf null (Strg+0)"},
        {PanelKrugov, nullptr, u"Noch zu laufende Runden"},
        {PanelPlusMin, nullptr, u"Sekunden vor (plus) oder hinter (minus) dem Plan"},
        {PanelTimer, u"Laufzeit 0 Min. 0 Sek.", u"Laufende Rennzeit"},
        {pTimeOneKrug, nullptr, u"Sollzeit einer Runde in Sekunden"},
        {pTimeAverSpeed, nullptr, u"Geplante Durchschnittsgeschwindigkeit"},
        {seLength, u"Streckenlänge in Metern", nullptr},
        {seLenKrug, u"Rundenlänge in Metern", nullptr},
        {seKrugov, u"Anzahl Runden", nullptr},
        {seLengthDop, u"Zusätzliche Meter vor der ersten Runde", nullptr},
        {seMin, u"Sollzeit Minuten", nullptr},
        {seSek, u"Sollzeit Sekunden", nullptr},
        {seTime, u"Sollzeit in Gesamtsekunden", nullptr},
        {seDopTime, u"Startzugabe in Sekunden", nullptr},
        {eTimeKrug, u"Sollzeit einer Runde in Sekunden", nullptr},
        {eSpeedKrug, u"Sollgeschwindigkeit einer Runde in km/h", nullptr},
        {eSpeedSredn, u"Durchschnittsgeschwindigkeit seit dem Start in km/h", nullptr},
        {SortGrid1, u"Rundentabelle", u"Sollzeiten links, gemessene Runden rechts"},
    };
    for (const Description &d : descriptions) {
        if (d.name)
            d.widget->setAccessibleName(QString::fromUtf16(d.name));
        if (d.description)
            d.widget->setAccessibleDescription(QString::fromUtf16(d.description));
    }
}
