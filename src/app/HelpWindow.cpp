#include "HelpWindow.h"

#include "AboutBox.h"

#include <QDir>
#include <QKeyEvent>

namespace {

// The help in sections, each translated as a whole.
constexpr const char *kHelpSections[] = {
    QT_TRANSLATE_NOOP("HelpWindow", R"(<h2>Rundaro</h2>
<p>Ein Rundenzeitmesser f&uuml;r Rennen auf der Ovalbahn. Esc schlie&szlig;t diese Hilfe.</p>)"),
    QT_TRANSLATE_NOOP("HelpWindow", R"(<h3>Befehle</h3>
<table cellspacing="0" cellpadding="3">
<tr><td><b>Strg+S</b></td><td>START: die Uhr l&auml;uft.</td></tr>
<tr><td><b>Strg+L</b></td><td>LAP: der L&auml;ufer &uuml;berquert die Linie, eine Runde ist genommen.</td></tr>
<tr><td><b>Strg+P</b></td><td>STOP: Ziel, die Uhr steht.</td></tr>
<tr><td><b>Strg+0</b></td><td>zur&uuml;ck auf 0:00, ein neues Rennen kann eingestellt werden.</td></tr>
<tr><td><b>Strg+Z</b></td><td>die letzte Runde (auch STOP) zur&uuml;cknehmen, als w&auml;re sie nie
genommen worden; mehrmals bis zur Startlinie. Auch im Kontextmen&uuml; der Rundentabelle.</td></tr>
<tr><td><b>F11</b></td><td>die Rennanzeige allein auf einem ganzen Bildschirm (siehe unten).</td></tr>
<tr><td><b>Alt+D</b></td><td>die Rundentabelle drucken (oder als PDF speichern).</td></tr>
<tr><td><b>Strg+O</b></td><td>Rennen&hellip;: die gespeicherten Rennen, nach L&auml;ufer und Strecke gefiltert;
&bdquo;&Ouml;ffnen&ldquo; zeigt eins anstelle der Rundentabelle, das laufende Rennen geht weiter.
Auf &bdquo;Vergleich&ldquo; steht das Rennen Runde f&uuml;r Runde gegen ein anderes derselben Strecke,
zuerst die Bestzeit des L&auml;ufers.</td></tr>
<tr><td><b>F1</b>, <b>Alt+I</b></td><td>diese Hilfe.</td></tr>
<tr><td><b>Umschalt+F1</b></td><td>&Uuml;ber Rundaro: Version, Lizenz, verwendete Bibliotheken.</td></tr>
<tr><td><b>Alt+B</b></td><td>beenden, wie mit dem Schlie&szlig;en-Knopf des Fensters; l&auml;uft die Uhr, fragt erst eine Leiste im Fenster.</td></tr>
</table>
<p>Die Kn&ouml;pfe antworten auch auf Alt mit ihrem unterstrichenen Buchstaben, der Knopf mit dem
Fokus auf Leertaste und Eingabe. Nach jedem Befehl steht der Fokus auf dem n&auml;chsten.</p>)"),
    QT_TRANSLATE_NOOP("HelpWindow", R"(<h3>Die Anzeige auf &bdquo;Inline&ldquo;</h3>
<ul>
<li><b>Das graue Feld links oben</b>: die Runden, die noch zu laufen sind. Vor dem Start die Zahl der
Runden; w&auml;hrend des Rennens nach dem Sollplan gez&auml;hlt: eine Runde gilt als gelaufen, sobald
ihre Sollzeit eine halbe Sollrunde vorbei ist. Ohne Sollrundenzeit z&auml;hlen die genommenen Runden.</li>
<li><b>Das schwarze Feld rechts oben</b>: wie viele ganze Sekunden der L&auml;ufer dem Sollplan voraus
ist (<b>+</b>, gr&uuml;n) oder hinter ihm liegt (<b>-</b>, rot), gerechnet bis zur n&auml;chsten
Solldurchfahrt. Vor dem Start steht dort &bdquo;+&ldquo; mit der gerundeten Startzugabe.</li>
<li><b>Die Ziffern</b>: die Laufzeit in Minuten, Sekunden und Hundertstel; f&uuml;hrende Nullen sind
dunkelgrau.</li>
<li><b>Das blaue Feld rechts</b>: die Sollrundenzeit in Sekunden, darunter die Soll-Durchschnittsgeschwindigkeit;
darunter der Zustand des Kontakts.</li>
</ul>)"),
    QT_TRANSLATE_NOOP("HelpWindow", R"(<h3>Die Einstellung des Rennens</h3>
<p>Die Felder unten h&auml;ngen zusammen: <b>Streckenl&auml;nge</b> = <b>Ergibt Runden</b> &times;
<b>Rundenl&auml;nge</b> + <b>Zusatzliche</b>; wer die Streckenl&auml;nge &auml;ndert, bekommt die
ganzen Runden und den Rest als zus&auml;tzliche Meter. <b>Gesamtsekunden</b> = <b>Minuten</b> &times; 60 +
<b>Sekunden</b>, in beide Richtungen. Die Sollrundenzeit ist die Gesamtzeit weniger der
<b>Startzugabe</b>, verteilt auf die Runden samt dem Anteil der zus&auml;tzlichen Meter.</p>
<p>Ein getippter Wert gilt, sobald er fertig ist: mit <b>Eingabe</b>, mit <b>Tab</b> (oder einem Klick
in ein anderes Feld), mit einem Schritt der <b>Pfeiltasten</b> oder der Pfeilkn&ouml;pfe, oder mit
<b>START</b>, das mit dem getippten Wert l&auml;uft. <b>Esc</b> holt den vorigen Wert zur&uuml;ck,
solange der getippte noch nicht gilt. W&auml;hrend des Rennens sind die Felder gesperrt.</p>
<p><b>Zusatzliche</b> Meter: liegt die Startlinie nicht auf der Ziellinie (etwa 500&nbsp;m auf der
400-m-Bahn), l&auml;uft der L&auml;ufer zuerst diese Meter. Die erste Durchfahrt schlie&szlig;t sie ab
(in der Tabelle die Zeile der Startlinie), danach folgen die ganzen Runden. Ihre Sollzeit ist ihr Anteil
an der Sollrunde zuz&uuml;glich der Startzugabe.</p>)"),
    QT_TRANSLATE_NOOP("HelpWindow", R"(<h3>Tabelle und Grafik</h3>
<p>&bdquo;Control&ldquo; zeigt den Sollplan und jede gelaufene Runde: Zeit, Rennzeit, Geschwindigkeit;
die Rundenzeit gr&uuml;n in der Sollzeit oder schneller, rot langsamer. &bdquo;Grafik&ldquo; zeigt jede
Runde als Balken in denselben Farben, die Sollrundenzeit als Linie und auf der rechten Achse, wie viele
Sekunden der L&auml;ufer bei jeder Durchfahrt voraus (+) oder zur&uuml;ck (-) war.</p>)"),
    QT_TRANSLATE_NOOP("HelpWindow", R"(<h3>T&ouml;ne</h3>
<p>Mit <b>Ton</b> auf &bdquo;Configuration&ldquo;: ein kurzer Ton bei START und bei jedem LAP, ein
eigenes Signal, wenn die letzte Runde beginnt, und ein drittes bei STOP. Die T&ouml;ne halten die Uhr
nie auf.</p>)"),
    QT_TRANSLATE_NOOP("HelpWindow", R"(<h3>Ansage</h3>
<p>Mit <b>Ansage</b> auf &bdquo;Configuration&ldquo; spricht das Programm nach jeder Durchfahrt, nach
dem Ton: die Rundenzeit auf die Zehntel, den Abstand zum Sollplan an dieser Linie (voraus oder
zur&uuml;ck) und die Runden, die nach den genommenen Runden noch zu laufen sind, etwa &bdquo;23,4 &ndash;
zwei Komma eins voraus &ndash; noch f&uuml;nf Runden&ldquo;; beginnt die letzte Runde, &bdquo;letzte
Runde&ldquo;; bei STOP die Endzeit. Eine Ansage, die mehr als eine Sekunde zu sp&auml;t k&auml;me,
entf&auml;llt; die Uhr wartet nie auf sie.</p>)"),
    QT_TRANSLATE_NOOP("HelpWindow", R"(<h3>Die Rennanzeige auf dem ganzen Bildschirm</h3>
<p><b>F11</b> zeigt die Rennanzeige allein und gro&szlig;: Laufzeit, Runden zu laufen, voraus/zur&uuml;ck,
Sollrunde und Kontakt. <b>F11</b> oder <b>Esc</b> f&uuml;hren zur&uuml;ck. Alle Befehlstasten
(Strg+S, Strg+L, Strg+P, Strg+0, Strg+Z, Leertaste, Alt mit dem Buchstaben) wirken dort wie im Fenster.</p>
<p>Mit mehr als einem Bildschirm kommt sie auf einen anderen als das Fenster, von sich aus auf den
gr&ouml;&szlig;ten; <b>Anzeige</b> auf &bdquo;Configuration&ldquo; w&auml;hlt ihn. Das Fenster bleibt daneben
bedienbar. Wird ihr Bildschirm abgezogen, kommt sie auf den Bildschirm des Fensters.</p>
<p>Mit <b>Letzte Runde gro&szlig;</b> steht nach jeder Durchfahrt zehn Sekunden lang die eben
gelaufene Runde neben der Sollrunde, gr&uuml;n oder rot wie in der Tabelle.</p>)"),
    QT_TRANSLATE_NOOP("HelpWindow", R"(<h3>Tafel an der Linie</h3>
<p>Mit <b>Tafel an der Linie</b> auf &bdquo;Configuration&ldquo; zeigen das Fenster und die Anzeige auf
dem ganzen Bildschirm ab der ersten Durchfahrt statt des laufenden Countdowns, wie viele Sekunden der
L&auml;ufer an der zuletzt &uuml;berquerten Linie voraus (+) oder zur&uuml;ck (-) war, bis zur
n&auml;chsten Durchfahrt; und zehn Sekunden lang nach jeder Durchfahrt statt der Sollrunde die eben
gelaufene Runde, gr&uuml;n oder rot wie in der Tabelle.</p>)"),
    QT_TRANSLATE_NOOP("HelpWindow", R"(<h3>Die Kontaktschleife</h3>
<p>Ein Schalter (Taster, Reedkontakt, Schaltmatte, Relaisausgang einer Lichtschranke) zwischen
<b>DTR</b> und <b>DSR</b> der seriellen Schnittstelle: beim 9-poligen Stecker Pin&nbsp;4 und
Pin&nbsp;6, beim 25-poligen Pin&nbsp;20 und Pin&nbsp;6. Masse (Pin&nbsp;5 bzw. 7) geh&ouml;rt nicht
zum Kreis. Das Programm sendet nichts, es schaltet nur DTR ein und beobachtet DSR.</p>
<p>Auf &bdquo;Configuration&ldquo; w&auml;hlt &bdquo;Hardware:&ldquo; die Schnittstelle und
&bdquo;Algorithm:&ldquo; die Polarit&auml;t: <b>On/Off</b> z&auml;hlt das Schlie&szlig;en des Kontakts,
<b>Off/On</b> das &Ouml;ffnen (Ruhekontakt, Lichtschranke, die beim Unterbrechen &ouml;ffnet). Jeder
gez&auml;hlte Wechsel gibt START, LAP oder STOP, je nachdem, was an der Reihe ist; danach ist die
Leitung eine Sekunde gesperrt, ein prellender Kontakt z&auml;hlt also einmal. Zur&uuml;ckgesetzt und
zur&uuml;ckgenommen wird nur von Hand.</p>)"),
    QT_TRANSLATE_NOOP("HelpWindow", R"(<h3>Ein Paar: zwei L&auml;ufer auf einer Uhr</h3>
<p>Mit <b>Paar</b> auf &bdquo;Configuration&ldquo; nimmt das Programm beide L&auml;ufer eines Paares:
&bdquo;L&auml;ufer&ldquo; &uuml;ber den Registern nennt L&auml;ufer A (Start innen), das Feld daneben
L&auml;ufer B (Start au&szlig;en). START startet beide; <b>Strg+L</b> (LAP, der Knopf &bdquo;A&ldquo;)
nimmt die Durchfahrt von A, <b>Strg+K</b> (der Knopf &bdquo;B&ldquo;) die von B. Wer seine letzte Linie
&uuml;berquert, ist im Ziel; die Uhr steht mit dem letzten. Jede Zeile der Anzeige
geh&ouml;rt einem L&auml;ufer: die Runden, die er nach seiner letzten Linie noch zu laufen hat, und
wie viele Sekunden er an ihr dem Sollplan voraus (+) oder zur&uuml;ck (-) war; vor der ersten Linie
der laufende Countdown, f&uuml;r beide gleich. <b>Strg+P</b> (STOP) h&auml;lt an, wer noch
l&auml;uft. <b>Strg+Z</b> nimmt die letzte Durchfahrt von A zur&uuml;ck, <b>Strg+Umschalt+Z</b> die von B.
Jeder L&auml;ufer bekommt seine eigene Renndatei. &bdquo;Grafik&ldquo; zeigt die Runden von A
und den Vorsprung beider L&auml;ufer an jeder Linie.</p>
<p><b>Kontakt je L&auml;ufer</b>: A zwischen DTR und DSR (Pin&nbsp;4 und 6), B zwischen RTS und CTS
(Pin&nbsp;7 und 8), je ein Handtaster; jeder Kontakt ist nach seinem Ausl&ouml;sen eine Sekunde
gesperrt, der andere nicht. <b>Kontakt je Bahn</b>: ein Sensor je Bahn an der Linie, innen an DSR,
au&szlig;en an CTS; jede Durchfahrt geh&ouml;rt dem L&auml;ufer, der dann auf dieser Bahn ist. Die
L&auml;ufer wechseln auf der Wechselgeraden jede Runde die Bahn. <b>je Bahn, Kreuzung vor der Linie</b>
w&auml;hlen, wenn die Wechselgerade zwischen dem Start und der ersten Durchfahrt liegt (der Start liegt
dann vor der Wechselgeraden): an der ersten Linie ist A dann schon au&szlig;en und B innen.</p>)"),
    QT_TRANSLATE_NOOP("HelpWindow", R"(<h3>Zust&auml;nde des Kontakts</h3>
<p>So stehen sie unter der Sollrunde und auf &bdquo;Configuration&ldquo;:</p>
<ul>
<li><b>Kontakt: kein Port</b>: &bdquo;None&ldquo; ist gew&auml;hlt, Runden nur &uuml;ber Tastatur und Kn&ouml;pfe.</li>
<li><b>Kontakt bereit</b>: die Schnittstelle ist offen, jeder Wechsel in der gew&auml;hlten Richtung z&auml;hlt.</li>
<li><b>GETRENNT</b> (rot, mit der Uhrzeit seit wann): der Adapter wurde abgezogen oder antwortet nicht mehr.
Die Uhr l&auml;uft weiter, Runden gehen weiter &uuml;ber Tastatur und Kn&ouml;pfe; ist der Adapter wieder
eingesteckt, &ouml;ffnet das Programm die Schnittstelle selbst wieder.</li>
<li><b>Kontakt-Fehler</b>: ein Wechsel wurde gez&auml;hlt, aber der Befehl schlug fehl; die Meldung steht dabei.</li>
</ul>)"),
    QT_TRANSLATE_NOOP("HelpWindow", R"(<h3>Gespeicherte Rennen</h3>
<p>Jedes Rennen steht ab der ersten Runde auf der Festplatte und wird nach jeder Runde, nach STOP und
nach jedem Zur&uuml;cknehmen neu geschrieben, im Ordner</p>
<p><code>%1</code></p>
<p>als CSV-Datei mit der Startzeit als Namen (<code>JJJJ-MM-TT_hh-mm-ss.csv</code>): oben die Einstellungen
des Rennens, darunter die Rundentabelle so, wie &bdquo;Control&ldquo; sie zeigt. &bdquo;Exportieren&hellip;&ldquo;
auf &bdquo;Control&ldquo; (oder im Kontextmen&uuml; der Tabelle) speichert das Rennen an einem Ort nach Wahl.
Der <code>Status</code> der Datei ist <code>l&auml;uft</code>, <code>beendet</code>, <code>abgebrochen</code> (vor dem Ende der Strecke mit STOP angehalten) oder <code>unterbrochen</code>:
ein Rennen, das nicht mit STOP endete, beh&auml;lt seine Zeiten; nach einem Absturz oder Stromausfall
nennt der n&auml;chste Start es einmal.</p>

<p><a href="about:rundaro">&Uuml;ber Rundaro</a></p>)"),
};

} // namespace

HelpWindow::HelpWindow(QWidget *owner, const QString &racesFolder)
    : QTextBrowser(owner)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowFlag(Qt::Window);
    setWindowTitle(tr("Rundaro – Hilfe"));
    setOpenExternalLinks(false);
    // The one link opens the About box; the help itself stays in place.
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, [this] { ShowAboutBox(this); });
    QString html;
    for (const char *section : kHelpSections)
        html += tr(section) + QLatin1Char('\n');
    setHtml(html.arg(QDir::toNativeSeparators(racesFolder).toHtmlEscaped()));
    resize(560, 620);
}

void HelpWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}

HelpWindow *HelpWindow::showFor(QWidget *owner, const QString &racesFolder)
{
    auto *help = owner->findChild<HelpWindow *>(QStringLiteral("HelpWindow"), Qt::FindDirectChildrenOnly);
    if (!help)
        help = new HelpWindow(owner, racesFolder);
    help->show();
    help->raise();
    help->activateWindow();
    return help;
}
