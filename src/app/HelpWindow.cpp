#include "HelpWindow.h"

#include <QDir>

namespace {

constexpr char16_t kHelpHtml[] = uR"(
<h2>Rundaro</h2>
<p>Ein Rundenzeitmesser f&uuml;r Rennen auf der Ovalbahn.</p>

<h3>Befehle</h3>
<table cellspacing="0" cellpadding="3">
<tr><td><b>Strg+S</b></td><td>START: die Uhr l&auml;uft.</td></tr>
<tr><td><b>Strg+L</b></td><td>LAP: der L&auml;ufer &uuml;berquert die Linie, eine Runde ist genommen.</td></tr>
<tr><td><b>Strg+P</b></td><td>STOP: Ziel, die Uhr steht.</td></tr>
<tr><td><b>Strg+0</b></td><td>zur&uuml;ck auf 0:00, ein neues Rennen kann eingestellt werden.</td></tr>
<tr><td><b>Strg+Z</b></td><td>die letzte Runde (auch STOP) zur&uuml;cknehmen, als w&auml;re sie nie
genommen worden; mehrmals bis zur Startlinie. Auch im Kontextmen&uuml; der Rundentabelle.</td></tr>
<tr><td><b>F11</b></td><td>die Rennanzeige allein auf dem ganzen Bildschirm; F11 oder Esc zur&uuml;ck.</td></tr>
<tr><td><b>Alt+D</b></td><td>die Rundentabelle drucken (oder als PDF speichern).</td></tr>
<tr><td><b>F1</b>, <b>Alt+I</b></td><td>diese Hilfe.</td></tr>
<tr><td><b>Alt+B</b></td><td>beenden, wie mit dem Schlie&szlig;en-Knopf des Fensters.</td></tr>
</table>
<p>Die Kn&ouml;pfe antworten auch auf Alt mit ihrem unterstrichenen Buchstaben, der Knopf mit dem
Fokus auf Leertaste und Eingabe. Nach jedem Befehl steht der Fokus auf dem n&auml;chsten.</p>

<h3>Die Kontaktschleife</h3>
<p>Ein Schalter (Taster, Reedkontakt, Schaltmatte, Relaisausgang einer Lichtschranke) zwischen
<b>DTR</b> und <b>DSR</b> der seriellen Schnittstelle: beim 9-poligen Stecker Pin&nbsp;4 und
Pin&nbsp;6, beim 25-poligen Pin&nbsp;20 und Pin&nbsp;6. Masse (Pin&nbsp;5 bzw. 7) geh&ouml;rt nicht
zum Kreis. Das Programm sendet nichts, es schaltet nur DTR ein und beobachtet DSR.</p>
<p>Auf &bdquo;Configuration&ldquo; w&auml;hlt &bdquo;Hardware:&ldquo; die Schnittstelle und
&bdquo;Algorithm:&ldquo; die Polarit&auml;t: <b>On/Off</b> z&auml;hlt das Schlie&szlig;en des Kontakts,
<b>Off/On</b> das &Ouml;ffnen (Ruhekontakt, Lichtschranke, die beim Unterbrechen &ouml;ffnet). Jeder
gez&auml;hlte Wechsel gibt START, LAP oder STOP, je nachdem, was an der Reihe ist; danach ist die
Leitung eine Sekunde gesperrt, ein prellender Kontakt z&auml;hlt also einmal. Zur&uuml;ckgesetzt und
zur&uuml;ckgenommen wird nur von Hand.</p>

<h3>Zust&auml;nde des Kontakts</h3>
<ul>
<li><b>keine Schnittstelle</b>: &bdquo;None&ldquo; ist gew&auml;hlt, Runden nur &uuml;ber Tastatur und Kn&ouml;pfe.</li>
<li><b>bereit</b>: die Schnittstelle ist offen, jeder Wechsel in der gew&auml;hlten Richtung z&auml;hlt.</li>
<li><b>verloren</b>: der Adapter wurde abgezogen oder antwortet nicht mehr. Die Uhr l&auml;uft weiter,
Runden gehen weiter &uuml;ber Tastatur und Kn&ouml;pfe; ist der Adapter wieder eingesteckt, &ouml;ffnet das
Programm die Schnittstelle selbst wieder.</li>
</ul>

<h3>Gespeicherte Rennen</h3>
<p>Jedes Rennen steht ab der ersten Runde auf der Festplatte und wird nach jeder Runde, nach STOP und
nach jedem Zur&uuml;cknehmen neu geschrieben, im Ordner</p>
<p><code>%1</code></p>
<p>als CSV-Datei mit der Startzeit als Namen (<code>JJJJ-MM-TT_hh-mm-ss.csv</code>): oben die Einstellungen
des Rennens, darunter die Rundentabelle so, wie &bdquo;Control&ldquo; sie zeigt. &bdquo;Exportieren&hellip;&ldquo;
auf &bdquo;Control&ldquo; (oder im Kontextmen&uuml; der Tabelle) speichert das Rennen an einem Ort nach Wahl.</p>
)";

} // namespace

HelpWindow::HelpWindow(QWidget *owner, const QString &racesFolder)
    : QTextBrowser(owner)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("Rundaro \u2013 Hilfe"));
    setOpenExternalLinks(false);
    setHtml(QString::fromUtf16(kHelpHtml).arg(QDir::toNativeSeparators(racesFolder).toHtmlEscaped()));
    resize(560, 620);
}

HelpWindow *HelpWindow::ShowFor(QWidget *owner, const QString &racesFolder)
{
    auto *help = owner->findChild<HelpWindow *>(QStringLiteral("HelpWindow"), Qt::FindDirectChildrenOnly);
    if (!help)
        help = new HelpWindow(owner, racesFolder);
    help->show();
    help->raise();
    help->activateWindow();
    return help;
}
