<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>AboutBox</name>
    <message>
        <source>Über Rundaro</source>
        <translation>About Rundaro</translation>
    </message>
    <message>
        <source>Rundenzeitmesser für Eisschnelllauf- und Inlinerennen auf der Ovalbahn.</source>
        <translation>Lap timer for speed skating and inline skating races on an oval track.</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Rundaro %1&lt;/h3&gt;&lt;p&gt;%2&lt;/p&gt;&lt;p&gt;Lizenz: proprietär, alle Rechte vorbehalten.&lt;/p&gt;&lt;p&gt;Verwendete Bibliotheken:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Qt %3 (Core, Gui, Widgets, Print Support): LGPL-3 oder GPL-2&lt;/li&gt;&lt;li&gt;Qt Multimedia, für die Klänge (Paket rundaro-sound): LGPL-3 oder GPL-2&lt;/li&gt;&lt;li&gt;GNU C++-Bibliothek: GPL-3 mit GCC-Runtime-Ausnahme&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Schriften: Liberation (SIL Open Font License 1.1), DejaVu (Bitstream-Vera-Lizenz).&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Rundaro %1&lt;/h3&gt;&lt;p&gt;%2&lt;/p&gt;&lt;p&gt;Licence: proprietary, all rights reserved.&lt;/p&gt;&lt;p&gt;Libraries used:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Qt %3 (Core, Gui, Widgets, Print Support): LGPL-3 or GPL-2&lt;/li&gt;&lt;li&gt;Qt Multimedia, for the sounds (package rundaro-sound): LGPL-3 or GPL-2&lt;/li&gt;&lt;li&gt;GNU C++ library: GPL-3 with the GCC Runtime Library Exception&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Fonts: Liberation (SIL Open Font License 1.1), DejaVu (Bitstream Vera licence).&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Unknown error</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Unbekanntes Argument „%1“.</source>
        <translation>Unknown argument &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>ComparePage</name>
    <message>
        <source>Im Vollbild statt Vorsprung/Rückstand</source>
        <translation>On full screen instead of ahead/behind</translation>
    </message>
    <message>
        <source>Runden</source>
        <translation>Laps</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Vergleich</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Differenz</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>Vergleich mit:</source>
        <translation>Compare with:</translation>
    </message>
    <message>
        <source>Bestzeit: %1</source>
        <translation>Best time: %1</translation>
    </message>
    <message>
        <source>kein gespeichertes Rennen dieser Strecke</source>
        <translation>no saved race of this distance</translation>
    </message>
    <message>
        <source>Der gewählte Vergleich (%1 m) hat eine andere Strecke als dieses Rennen (%2 m).</source>
        <translation>The chosen comparison (%1 m) has another distance than this race (%2 m).</translation>
    </message>
</context>
<context>
    <name>FullScreenView</name>
    <message>
        <source>Läufer %1</source>
        <translation>Skater %1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>&lt;h2&gt;Rundaro&lt;/h2&gt;
&lt;p&gt;Ein Rundenzeitmesser f&amp;uuml;r Rennen auf der Ovalbahn. Esc schlie&amp;szlig;t diese Hilfe.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Rundaro&lt;/h2&gt;
&lt;p&gt;A lap timer for races on an oval track. Esc closes this help.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Die Anzeige auf &amp;bdquo;Inline&amp;ldquo;&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Das graue Feld links oben&lt;/b&gt;: die Runden, die noch zu laufen sind. Vor dem Start die Zahl der
Runden; w&amp;auml;hrend des Rennens nach dem Sollplan gez&amp;auml;hlt: eine Runde gilt als gelaufen, sobald
ihre Sollzeit eine halbe Sollrunde vorbei ist. Ohne Sollrundenzeit z&amp;auml;hlen die genommenen Runden.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Das schwarze Feld rechts oben&lt;/b&gt;: wie viele ganze Sekunden der L&amp;auml;ufer dem Sollplan voraus
ist (&lt;b&gt;+&lt;/b&gt;, gr&amp;uuml;n) oder hinter ihm liegt (&lt;b&gt;-&lt;/b&gt;, rot), gerechnet bis zur n&amp;auml;chsten
Solldurchfahrt. Vor dem Start steht dort &amp;bdquo;+&amp;ldquo; mit der gerundeten Startzugabe.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Die Ziffern&lt;/b&gt;: die Laufzeit in Minuten, Sekunden und Hundertstel; f&amp;uuml;hrende Nullen sind
dunkelgrau.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Das blaue Feld rechts&lt;/b&gt;: die Sollrundenzeit in Sekunden, darunter die Soll-Durchschnittsgeschwindigkeit;
darunter der Zustand des Kontakts.&lt;/li&gt;
&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;The display on &amp;ldquo;Inline&amp;rdquo;&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;The grey field at the top left&lt;/b&gt;: the laps still to go. Before the start the number of
laps; during the race counted by the schedule: a lap counts as skated once its target time is half a
target lap past. Without a target lap time the laps taken count.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;The black field at the top right&lt;/b&gt;: how many whole seconds the skater is ahead of the schedule
(&lt;b&gt;+&lt;/b&gt;, green) or behind it (&lt;b&gt;-&lt;/b&gt;, red), reckoned up to the next scheduled passing. Before the
start it shows &amp;ldquo;+&amp;rdquo; with the rounded start allowance.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;The digits&lt;/b&gt;: the race time in minutes, seconds and hundredths; leading zeros are
dark grey.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;The blue field on the right&lt;/b&gt;: the target lap time in seconds, below it the planned average speed;
below that the state of the contact.&lt;/li&gt;
&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Die Einstellung des Rennens&lt;/h3&gt;
&lt;p&gt;Die Felder unten h&amp;auml;ngen zusammen: &lt;b&gt;Streckenl&amp;auml;nge&lt;/b&gt; = &lt;b&gt;Ergibt Runden&lt;/b&gt; &amp;times;
&lt;b&gt;Rundenl&amp;auml;nge&lt;/b&gt; + &lt;b&gt;Zusatzliche&lt;/b&gt;; wer die Streckenl&amp;auml;nge &amp;auml;ndert, bekommt die
ganzen Runden und den Rest als zus&amp;auml;tzliche Meter. &lt;b&gt;Gesamtsekunden&lt;/b&gt; = &lt;b&gt;Minuten&lt;/b&gt; &amp;times; 60 +
&lt;b&gt;Sekunden&lt;/b&gt;, in beide Richtungen. Die Sollrundenzeit ist die Gesamtzeit weniger der
&lt;b&gt;Startzugabe&lt;/b&gt;, verteilt auf die Runden samt dem Anteil der zus&amp;auml;tzlichen Meter.&lt;/p&gt;
&lt;p&gt;Ein getippter Wert gilt, sobald er fertig ist: mit &lt;b&gt;Eingabe&lt;/b&gt;, mit &lt;b&gt;Tab&lt;/b&gt; (oder einem Klick
in ein anderes Feld), mit einem Schritt der &lt;b&gt;Pfeiltasten&lt;/b&gt; oder der Pfeilkn&amp;ouml;pfe, oder mit
&lt;b&gt;START&lt;/b&gt;, das mit dem getippten Wert l&amp;auml;uft. &lt;b&gt;Esc&lt;/b&gt; holt den vorigen Wert zur&amp;uuml;ck,
solange der getippte noch nicht gilt. W&amp;auml;hrend des Rennens sind die Felder gesperrt.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Zusatzliche&lt;/b&gt; Meter: liegt die Startlinie nicht auf der Ziellinie (etwa 500&amp;nbsp;m auf der
400-m-Bahn), l&amp;auml;uft der L&amp;auml;ufer zuerst diese Meter. Die erste Durchfahrt schlie&amp;szlig;t sie ab
(in der Tabelle die Zeile der Startlinie), danach folgen die ganzen Runden. Ihre Sollzeit ist ihr Anteil
an der Sollrunde zuz&amp;uuml;glich der Startzugabe.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Setting up the race&lt;/h3&gt;
&lt;p&gt;The fields at the bottom belong together: &lt;b&gt;Distance&lt;/b&gt; = &lt;b&gt;Laps&lt;/b&gt; &amp;times;
&lt;b&gt;Lap length&lt;/b&gt; + &lt;b&gt;Extra&lt;/b&gt;; changing the distance gives the whole laps and the rest as extra
metres. &lt;b&gt;Total seconds&lt;/b&gt; = &lt;b&gt;Minutes&lt;/b&gt; &amp;times; 60 + &lt;b&gt;Seconds&lt;/b&gt;, both ways. The target lap
time is the total time less the &lt;b&gt;Allowance&lt;/b&gt;, spread over the laps including the share of the
extra metres.&lt;/p&gt;
&lt;p&gt;A typed value applies once it is complete: with &lt;b&gt;Enter&lt;/b&gt;, with &lt;b&gt;Tab&lt;/b&gt; (or a click in
another field), with a step of the &lt;b&gt;arrow keys&lt;/b&gt; or the arrow buttons, or with &lt;b&gt;START&lt;/b&gt;, which
runs with the typed value. &lt;b&gt;Esc&lt;/b&gt; brings back the previous value as long as the typed one does not
apply yet. During the race the fields are locked.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Extra&lt;/b&gt; metres: if the start line is not on the finish line (such as 500&amp;nbsp;m on a
400&amp;nbsp;m track), the skater first covers these metres. The first passing completes them (in the table
the start line&apos;s row), then the whole laps follow. Their target time is their share of the target lap
plus the start allowance.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tabelle und Grafik&lt;/h3&gt;
&lt;p&gt;&amp;bdquo;Control&amp;ldquo; zeigt den Sollplan und jede gelaufene Runde: Zeit, Rennzeit, Geschwindigkeit;
die Rundenzeit gr&amp;uuml;n in der Sollzeit oder schneller, rot langsamer. &amp;bdquo;Grafik&amp;ldquo; zeigt jede
Runde als Balken in denselben Farben, die Sollrundenzeit als Linie und auf der rechten Achse, wie viele
Sekunden der L&amp;auml;ufer bei jeder Durchfahrt voraus (+) oder zur&amp;uuml;ck (-) war.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Table and chart&lt;/h3&gt;
&lt;p&gt;&amp;ldquo;Control&amp;rdquo; shows the schedule and every lap skated: time, race time, speed; the lap time
green within the target time or faster, red when slower. &amp;ldquo;Chart&amp;rdquo; shows each lap as a bar
in the same colours, the target lap time as a line and, on the right axis, how many seconds the skater
was ahead (+) or behind (-) at each passing.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;T&amp;ouml;ne&lt;/h3&gt;
&lt;p&gt;Mit &lt;b&gt;Ton&lt;/b&gt; auf &amp;bdquo;Configuration&amp;ldquo;: ein kurzer Ton bei START und bei jedem LAP, ein
eigenes Signal, wenn die letzte Runde beginnt, und ein drittes bei STOP. Die T&amp;ouml;ne halten die Uhr
nie auf.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Sounds&lt;/h3&gt;
&lt;p&gt;With &lt;b&gt;Sound&lt;/b&gt; on &amp;ldquo;Configuration&amp;rdquo;: a short tone at START and at every LAP, a
signal of its own when the last lap begins, and a third at STOP. The sounds never hold up the
clock.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Ansage&lt;/h3&gt;
&lt;p&gt;Mit &lt;b&gt;Ansage&lt;/b&gt; auf &amp;bdquo;Configuration&amp;ldquo; spricht das Programm nach jeder Durchfahrt, nach
dem Ton: die Rundenzeit auf die Zehntel, den Abstand zum Sollplan an dieser Linie (voraus oder
zur&amp;uuml;ck) und die Runden, die nach den genommenen Runden noch zu laufen sind, etwa &amp;bdquo;23,4 &amp;ndash;
zwei Komma eins voraus &amp;ndash; noch f&amp;uuml;nf Runden&amp;ldquo;; beginnt die letzte Runde, &amp;bdquo;letzte
Runde&amp;ldquo;; bei STOP die Endzeit. Eine Ansage, die mehr als eine Sekunde zu sp&amp;auml;t k&amp;auml;me,
entf&amp;auml;llt; die Uhr wartet nie auf sie.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Call-outs&lt;/h3&gt;
&lt;p&gt;With &lt;b&gt;Call-outs&lt;/b&gt; on &amp;ldquo;Configuration&amp;rdquo; the program speaks after each passing, after the
tone: the lap time to the tenth, the gap to the schedule at this line (ahead or behind) and the laps
still to go after the laps taken; when the last lap begins, the last lap; at STOP the final time. The
call-outs are spoken in German, such as &amp;ldquo;23,4 &amp;ndash; zwei Komma eins voraus &amp;ndash; noch
f&amp;uuml;nf Runden&amp;rdquo; and &amp;ldquo;letzte Runde&amp;rdquo;. A call-out that would come more than a second
late is left out; the clock never waits for it.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Die Rennanzeige auf dem ganzen Bildschirm&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;F11&lt;/b&gt; zeigt die Rennanzeige allein und gro&amp;szlig;: Laufzeit, Runden zu laufen, voraus/zur&amp;uuml;ck,
Sollrunde und Kontakt. &lt;b&gt;F11&lt;/b&gt; oder &lt;b&gt;Esc&lt;/b&gt; f&amp;uuml;hren zur&amp;uuml;ck. Alle Befehlstasten
(Strg+S, Strg+L, Strg+P, Strg+0, Strg+Z, Leertaste, Alt mit dem Buchstaben) wirken dort wie im Fenster.&lt;/p&gt;
&lt;p&gt;Mit mehr als einem Bildschirm kommt sie auf einen anderen als das Fenster, von sich aus auf den
gr&amp;ouml;&amp;szlig;ten; &lt;b&gt;Anzeige&lt;/b&gt; auf &amp;bdquo;Configuration&amp;ldquo; w&amp;auml;hlt ihn. Das Fenster bleibt daneben
bedienbar. Wird ihr Bildschirm abgezogen, kommt sie auf den Bildschirm des Fensters.&lt;/p&gt;
&lt;p&gt;Mit &lt;b&gt;Letzte Runde gro&amp;szlig;&lt;/b&gt; steht nach jeder Durchfahrt zehn Sekunden lang die eben
gelaufene Runde neben der Sollrunde, gr&amp;uuml;n oder rot wie in der Tabelle.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;The race display on the whole screen&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;F11&lt;/b&gt; shows the race display alone and large: race time, laps to go, ahead/behind, target lap
and contact. &lt;b&gt;F11&lt;/b&gt; or &lt;b&gt;Esc&lt;/b&gt; lead back. All command keys (Ctrl+S, Ctrl+L, Ctrl+P, Ctrl+0,
Ctrl+Z, Space, Alt with the letter) work there as in the window.&lt;/p&gt;
&lt;p&gt;With more than one screen it goes to a screen other than the window&apos;s, by itself to the largest;
&lt;b&gt;Display&lt;/b&gt; on &amp;ldquo;Configuration&amp;rdquo; chooses it. The window stays usable beside it. If its
screen is unplugged, it moves to the window&apos;s screen.&lt;/p&gt;
&lt;p&gt;With &lt;b&gt;Last lap large&lt;/b&gt; the lap just skated stands beside the target lap for ten seconds after
each passing, green or red as in the table.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Die Kontaktschleife&lt;/h3&gt;
&lt;p&gt;Ein Schalter (Taster, Reedkontakt, Schaltmatte, Relaisausgang einer Lichtschranke) zwischen
&lt;b&gt;DTR&lt;/b&gt; und &lt;b&gt;DSR&lt;/b&gt; der seriellen Schnittstelle: beim 9-poligen Stecker Pin&amp;nbsp;4 und
Pin&amp;nbsp;6, beim 25-poligen Pin&amp;nbsp;20 und Pin&amp;nbsp;6. Masse (Pin&amp;nbsp;5 bzw. 7) geh&amp;ouml;rt nicht
zum Kreis. Das Programm sendet nichts, es schaltet nur DTR ein und beobachtet DSR.&lt;/p&gt;
&lt;p&gt;Auf &amp;bdquo;Configuration&amp;ldquo; w&amp;auml;hlt &amp;bdquo;Hardware:&amp;ldquo; die Schnittstelle und
&amp;bdquo;Algorithm:&amp;ldquo; die Polarit&amp;auml;t: &lt;b&gt;On/Off&lt;/b&gt; z&amp;auml;hlt das Schlie&amp;szlig;en des Kontakts,
&lt;b&gt;Off/On&lt;/b&gt; das &amp;Ouml;ffnen (Ruhekontakt, Lichtschranke, die beim Unterbrechen &amp;ouml;ffnet). Jeder
gez&amp;auml;hlte Wechsel gibt START, LAP oder STOP, je nachdem, was an der Reihe ist; danach ist die
Leitung eine Sekunde gesperrt, ein prellender Kontakt z&amp;auml;hlt also einmal. Zur&amp;uuml;ckgesetzt und
zur&amp;uuml;ckgenommen wird nur von Hand.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;The contact loop&lt;/h3&gt;
&lt;p&gt;A switch (push button, reed contact, switch mat, relay output of a light barrier) between
&lt;b&gt;DTR&lt;/b&gt; and &lt;b&gt;DSR&lt;/b&gt; of the serial port: on the 9-pin connector pin&amp;nbsp;4 and pin&amp;nbsp;6, on
the 25-pin one pin&amp;nbsp;20 and pin&amp;nbsp;6. Ground (pin&amp;nbsp;5 or 7) is not part of the circuit. The
program sends nothing; it only switches DTR on and watches DSR.&lt;/p&gt;
&lt;p&gt;On &amp;ldquo;Configuration&amp;rdquo; &amp;ldquo;Hardware:&amp;rdquo; chooses the port and &amp;ldquo;Algorithm:&amp;rdquo;
the polarity: &lt;b&gt;On/Off&lt;/b&gt; counts the closing of the contact, &lt;b&gt;Off/On&lt;/b&gt; its opening (normally
closed contact, a light barrier that opens when interrupted). Each counted change gives START, LAP or
STOP, whichever is next; after it the line is locked for a second, so a bouncing contact counts once.
Resetting and undoing are done by hand only.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Zust&amp;auml;nde des Kontakts&lt;/h3&gt;
&lt;p&gt;So stehen sie unter der Sollrunde und auf &amp;bdquo;Configuration&amp;ldquo;:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Kontakt: kein Port&lt;/b&gt;: &amp;bdquo;None&amp;ldquo; ist gew&amp;auml;hlt, Runden nur &amp;uuml;ber Tastatur und Kn&amp;ouml;pfe.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Kontakt bereit&lt;/b&gt;: die Schnittstelle ist offen, jeder Wechsel in der gew&amp;auml;hlten Richtung z&amp;auml;hlt.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;GETRENNT&lt;/b&gt; (rot, mit der Uhrzeit seit wann): der Adapter wurde abgezogen oder antwortet nicht mehr.
Die Uhr l&amp;auml;uft weiter, Runden gehen weiter &amp;uuml;ber Tastatur und Kn&amp;ouml;pfe; ist der Adapter wieder
eingesteckt, &amp;ouml;ffnet das Programm die Schnittstelle selbst wieder.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Kontakt-Fehler&lt;/b&gt;: ein Wechsel wurde gez&amp;auml;hlt, aber der Befehl schlug fehl; die Meldung steht dabei.&lt;/li&gt;
&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;States of the contact&lt;/h3&gt;
&lt;p&gt;This is how they stand below the target lap and on &amp;ldquo;Configuration&amp;rdquo;:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Contact: no port&lt;/b&gt;: &amp;ldquo;None&amp;rdquo; is chosen, laps only by keyboard and buttons.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Contact ready&lt;/b&gt;: the port is open, every change in the chosen direction counts.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;UNPLUGGED&lt;/b&gt; (red, with the time of day since when): the adapter was unplugged or no longer
answers. The clock runs on, laps go on by keyboard and buttons; once the adapter is plugged in again,
the program opens the port again by itself.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Contact error&lt;/b&gt;: a change was counted, but the command failed; the message stands with it.&lt;/li&gt;
&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Rundaro – Hilfe</source>
        <translation>Rundaro – Help</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Gespeicherte Rennen&lt;/h3&gt;
&lt;p&gt;Jedes Rennen steht ab der ersten Runde auf der Festplatte und wird nach jeder Runde, nach STOP und
nach jedem Zur&amp;uuml;cknehmen neu geschrieben, im Ordner&lt;/p&gt;
&lt;p&gt;&lt;code&gt;%1&lt;/code&gt;&lt;/p&gt;
&lt;p&gt;als CSV-Datei mit der Startzeit als Namen (&lt;code&gt;JJJJ-MM-TT_hh-mm-ss.csv&lt;/code&gt;): oben die Einstellungen
des Rennens, darunter die Rundentabelle so, wie &amp;bdquo;Control&amp;ldquo; sie zeigt. &amp;bdquo;Exportieren&amp;hellip;&amp;ldquo;
auf &amp;bdquo;Control&amp;ldquo; (oder im Kontextmen&amp;uuml; der Tabelle) speichert das Rennen an einem Ort nach Wahl.
Der &lt;code&gt;Status&lt;/code&gt; der Datei ist &lt;code&gt;l&amp;auml;uft&lt;/code&gt;, &lt;code&gt;beendet&lt;/code&gt;, &lt;code&gt;abgebrochen&lt;/code&gt; (vor dem Ende der Strecke mit STOP angehalten) oder &lt;code&gt;unterbrochen&lt;/code&gt;:
ein Rennen, das nicht mit STOP endete, beh&amp;auml;lt seine Zeiten; nach einem Absturz oder Stromausfall
nennt der n&amp;auml;chste Start es einmal.&lt;/p&gt;

&lt;p&gt;&lt;a href=&quot;about:rundaro&quot;&gt;&amp;Uuml;ber Rundaro&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Saved races&lt;/h3&gt;
&lt;p&gt;Every race is on disk from the first lap on and is written anew after every lap, after STOP and
after every undo, in the folder&lt;/p&gt;
&lt;p&gt;&lt;code&gt;%1&lt;/code&gt;&lt;/p&gt;
&lt;p&gt;as a CSV file named after the start time (&lt;code&gt;YYYY-MM-DD_hh-mm-ss.csv&lt;/code&gt;): at the top the
race&apos;s settings, below them the lap table as &amp;ldquo;Control&amp;rdquo; shows it. The file&apos;s headings stay
German in every language. &amp;ldquo;Export&amp;hellip;&amp;rdquo; on &amp;ldquo;Control&amp;rdquo; (or in the table&apos;s
context menu) saves the race in a place of your choice. The file&apos;s &lt;code&gt;Status&lt;/code&gt; is
&lt;code&gt;l&amp;auml;uft&lt;/code&gt; (running), &lt;code&gt;beendet&lt;/code&gt; (finished), &lt;code&gt;abgebrochen&lt;/code&gt; (stopped before the end of its distance) or &lt;code&gt;unterbrochen&lt;/code&gt;
(interrupted): a race that did not end with STOP keeps its times; after a crash or a power cut the
next start names it once.&lt;/p&gt;

&lt;p&gt;&lt;a href=&quot;about:rundaro&quot;&gt;About Rundaro&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Befehle&lt;/h3&gt;
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Strg+S&lt;/b&gt;&lt;/td&gt;&lt;td&gt;START: die Uhr l&amp;auml;uft.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Strg+L&lt;/b&gt;&lt;/td&gt;&lt;td&gt;LAP: der L&amp;auml;ufer &amp;uuml;berquert die Linie, eine Runde ist genommen.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Strg+P&lt;/b&gt;&lt;/td&gt;&lt;td&gt;STOP: Ziel, die Uhr steht.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Strg+0&lt;/b&gt;&lt;/td&gt;&lt;td&gt;zur&amp;uuml;ck auf 0:00, ein neues Rennen kann eingestellt werden.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Strg+Z&lt;/b&gt;&lt;/td&gt;&lt;td&gt;die letzte Runde (auch STOP) zur&amp;uuml;cknehmen, als w&amp;auml;re sie nie
genommen worden; mehrmals bis zur Startlinie. Auch im Kontextmen&amp;uuml; der Rundentabelle.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;F11&lt;/b&gt;&lt;/td&gt;&lt;td&gt;die Rennanzeige allein auf einem ganzen Bildschirm (siehe unten).&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Alt+D&lt;/b&gt;&lt;/td&gt;&lt;td&gt;die Rundentabelle drucken (oder als PDF speichern).&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Strg+O&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Rennen&amp;hellip;: die gespeicherten Rennen, nach L&amp;auml;ufer und Strecke gefiltert;
&amp;bdquo;&amp;Ouml;ffnen&amp;ldquo; zeigt eins anstelle der Rundentabelle, das laufende Rennen geht weiter.
Auf &amp;bdquo;Vergleich&amp;ldquo; steht das Rennen Runde f&amp;uuml;r Runde gegen ein anderes derselben Strecke,
zuerst die Bestzeit des L&amp;auml;ufers.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;F1&lt;/b&gt;, &lt;b&gt;Alt+I&lt;/b&gt;&lt;/td&gt;&lt;td&gt;diese Hilfe.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Umschalt+F1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&amp;Uuml;ber Rundaro: Version, Lizenz, verwendete Bibliotheken.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Alt+B&lt;/b&gt;&lt;/td&gt;&lt;td&gt;beenden, wie mit dem Schlie&amp;szlig;en-Knopf des Fensters; l&amp;auml;uft die Uhr, fragt erst eine Leiste im Fenster.&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Die Kn&amp;ouml;pfe antworten auch auf Alt mit ihrem unterstrichenen Buchstaben, der Knopf mit dem
Fokus auf Leertaste und Eingabe. Nach jedem Befehl steht der Fokus auf dem n&amp;auml;chsten.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Commands&lt;/h3&gt;
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+S&lt;/b&gt;&lt;/td&gt;&lt;td&gt;START: the clock runs.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+L&lt;/b&gt;&lt;/td&gt;&lt;td&gt;LAP: the skater crosses the line, a lap is taken.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+P&lt;/b&gt;&lt;/td&gt;&lt;td&gt;STOP: finish, the clock stops.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+0&lt;/b&gt;&lt;/td&gt;&lt;td&gt;back to 0:00, a new race can be set up.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Z&lt;/b&gt;&lt;/td&gt;&lt;td&gt;undo the last lap (STOP too), as if it had never been taken;
repeatedly back to the start line. Also in the lap table&apos;s context menu.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;F11&lt;/b&gt;&lt;/td&gt;&lt;td&gt;the race display alone on a whole screen (see below).&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Alt+D&lt;/b&gt;&lt;/td&gt;&lt;td&gt;print the lap table (or save it as a PDF).&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+O&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Races&amp;hellip;: the saved races, filtered by skater and distance;
&amp;ldquo;Open&amp;rdquo; shows one in place of the lap table, the running race goes on.
On &amp;ldquo;Comparison&amp;rdquo; the race stands lap by lap against another of the same distance,
at first the skater&amp;rsquo;s best time.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;F1&lt;/b&gt;, &lt;b&gt;Alt+I&lt;/b&gt;&lt;/td&gt;&lt;td&gt;this help.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Shift+F1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;About Rundaro: version, licence, libraries used.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Alt+B&lt;/b&gt;&lt;/td&gt;&lt;td&gt;quit, as with the window&apos;s close button; while the clock runs, a bar in the window asks first.&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;The buttons also answer to Alt with their underlined letter, the button with the focus to Space
and Enter. After each command the focus is on the next one.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tafel an der Linie&lt;/h3&gt;
&lt;p&gt;Mit &lt;b&gt;Tafel an der Linie&lt;/b&gt; auf &amp;bdquo;Configuration&amp;ldquo; zeigen das Fenster und die Anzeige auf
dem ganzen Bildschirm ab der ersten Durchfahrt statt des laufenden Countdowns, wie viele Sekunden der
L&amp;auml;ufer an der zuletzt &amp;uuml;berquerten Linie voraus (+) oder zur&amp;uuml;ck (-) war, bis zur
n&amp;auml;chsten Durchfahrt; und zehn Sekunden lang nach jeder Durchfahrt statt der Sollrunde die eben
gelaufene Runde, gr&amp;uuml;n oder rot wie in der Tabelle.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Board at the line&lt;/h3&gt;
&lt;p&gt;With &lt;b&gt;Board at the line&lt;/b&gt; on &amp;ldquo;Configuration&amp;rdquo; the window and the full-screen display show,
from the first passing on, how many seconds the skater was ahead (+) or behind (-) at the last line
crossed, held until the next passing, in place of the running countdown; and for ten seconds after each
passing the lap just skated in place of the target lap, green or red as in the table.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Ein Paar: zwei L&amp;auml;ufer auf einer Uhr&lt;/h3&gt;
&lt;p&gt;Mit &lt;b&gt;Paar&lt;/b&gt; auf &amp;bdquo;Configuration&amp;ldquo; nimmt das Programm beide L&amp;auml;ufer eines Paares:
&amp;bdquo;L&amp;auml;ufer&amp;ldquo; &amp;uuml;ber den Registern nennt L&amp;auml;ufer A (Start innen), das Feld daneben
L&amp;auml;ufer B (Start au&amp;szlig;en). START startet beide; &lt;b&gt;Strg+L&lt;/b&gt; (LAP, der Knopf &amp;bdquo;A&amp;ldquo;)
nimmt die Durchfahrt von A, &lt;b&gt;Strg+K&lt;/b&gt; (der Knopf &amp;bdquo;B&amp;ldquo;) die von B. Wer seine letzte Linie
&amp;uuml;berquert, ist im Ziel; die Uhr steht mit dem letzten. Jede Zeile der Anzeige
geh&amp;ouml;rt einem L&amp;auml;ufer: die Runden, die er nach seiner letzten Linie noch zu laufen hat, und
wie viele Sekunden er an ihr dem Sollplan voraus (+) oder zur&amp;uuml;ck (-) war; vor der ersten Linie
der laufende Countdown, f&amp;uuml;r beide gleich. &lt;b&gt;Strg+P&lt;/b&gt; (STOP) h&amp;auml;lt an, wer noch
l&amp;auml;uft. &lt;b&gt;Strg+Z&lt;/b&gt; nimmt die letzte Durchfahrt von A zur&amp;uuml;ck, &lt;b&gt;Strg+Umschalt+Z&lt;/b&gt; die von B.
Jeder L&amp;auml;ufer bekommt seine eigene Renndatei. &amp;bdquo;Grafik&amp;ldquo; zeigt die Runden von A
und den Vorsprung beider L&amp;auml;ufer an jeder Linie.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Kontakt je L&amp;auml;ufer&lt;/b&gt;: A zwischen DTR und DSR (Pin&amp;nbsp;4 und 6), B zwischen RTS und CTS
(Pin&amp;nbsp;7 und 8), je ein Handtaster; jeder Kontakt ist nach seinem Ausl&amp;ouml;sen eine Sekunde
gesperrt, der andere nicht. &lt;b&gt;Kontakt je Bahn&lt;/b&gt;: ein Sensor je Bahn an der Linie, innen an DSR,
au&amp;szlig;en an CTS; jede Durchfahrt geh&amp;ouml;rt dem L&amp;auml;ufer, der dann auf dieser Bahn ist. Die
L&amp;auml;ufer wechseln auf der Wechselgeraden jede Runde die Bahn. &lt;b&gt;je Bahn, Kreuzung vor der Linie&lt;/b&gt;
w&amp;auml;hlen, wenn die Wechselgerade zwischen dem Start und der ersten Durchfahrt liegt (der Start liegt
dann vor der Wechselgeraden): an der ersten Linie ist A dann schon au&amp;szlig;en und B innen.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;A pair: two skaters on one clock&lt;/h3&gt;
&lt;p&gt;With &lt;b&gt;Paar&lt;/b&gt; on &amp;ldquo;Configuration&amp;rdquo; the program times both skaters of a pair:
&amp;ldquo;Skater&amp;rdquo; above the tabs names skater A (starting in the inner lane), the field beside it
skater B (outer lane). START starts both; &lt;b&gt;Ctrl+L&lt;/b&gt; (LAP, the &amp;ldquo;A&amp;rdquo; button) takes A&apos;s
passing, &lt;b&gt;Ctrl+K&lt;/b&gt; (the &amp;ldquo;B&amp;rdquo; button) B&apos;s. A skater who passes the last line has finished;
the clock stops with the last one. Each row of the display belongs to one skater: the laps still
to run after the skater&apos;s last line, and how many seconds the skater was ahead of (+) or behind (-)
the schedule there; before the first line the running countdown, the same for both. &lt;b&gt;Ctrl+P&lt;/b&gt; (STOP) stops whoever still runs. &lt;b&gt;Ctrl+Z&lt;/b&gt; takes
A&apos;s latest passing back, &lt;b&gt;Ctrl+Shift+Z&lt;/b&gt; B&apos;s. Each skater gets a race file of their own. &amp;ldquo;Grafik&amp;rdquo; shows A&apos;s laps and both
skaters&apos; lead at each line.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Contact per skater&lt;/b&gt;: A between DTR and DSR (pins&amp;nbsp;4 and 6), B between RTS and CTS
(pins&amp;nbsp;7 and 8), a hand button each; each contact is locked for a second after it triggers, the
other one is not. &lt;b&gt;Contact per lane&lt;/b&gt;: a sensor per lane at the line, inner on DSR, outer on CTS;
each passing belongs to the skater in that lane then. The skaters change lanes on the crossing
straight every lap. Choose &lt;b&gt;per lane, crossing before the line&lt;/b&gt; when the crossing straight lies
between the start and the first passing (the start lies before the crossing straight): at the first
line A is then already outer and B inner.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>InterruptedRaces</name>
    <message>
        <source>Ein Rennen wurde nicht zu Ende gebracht (Absturz, Stromausfall oder Programm abgebrochen); seine Zeiten sind erhalten, es ist jetzt als „unterbrochen“ gespeichert:</source>
        <translation>A race was not brought to an end (crash, power cut or program aborted); its times are kept, it is now saved as &quot;unterbrochen&quot; (interrupted):</translation>
    </message>
    <message>
        <source>%1 Rennen wurden nicht zu Ende gebracht (Absturz, Stromausfall oder Programm abgebrochen); ihre Zeiten sind erhalten, sie sind jetzt als „unterbrochen“ gespeichert:</source>
        <translation>%1 races were not brought to an end (crash, power cut or program aborted); their times are kept, they are now saved as &quot;unterbrochen&quot; (interrupted):</translation>
    </message>
    <message>
        <source>Rennen vom %1, Start %2 – Durchgänge: %3</source>
        <translation>Race of %1, start %2 – passings: %3</translation>
    </message>
    <message>
        <source>… und %1 weitere</source>
        <translation>… and %1 more</translation>
    </message>
</context>
<context>
    <name>LapChart</name>
    <message>
        <source>in der Sollzeit</source>
        <translation>within the target time</translation>
    </message>
    <message>
        <source>über der Sollzeit</source>
        <translation>over the target time</translation>
    </message>
    <message>
        <source>Rundenzeit</source>
        <translation>Lap time</translation>
    </message>
    <message>
        <source>Sollrundenzeit</source>
        <translation>Target lap time</translation>
    </message>
    <message>
        <source>Vorsprung/Rückstand</source>
        <translation>Ahead/behind</translation>
    </message>
    <message>
        <source>Runde</source>
        <translation>Lap</translation>
    </message>
    <message>
        <source>Rundenzeit in s</source>
        <translation>Lap time in s</translation>
    </message>
    <message>
        <source>Vorsprung (+) / Rückstand (−) in s</source>
        <translation>Ahead (+) / behind (−) in s</translation>
    </message>
    <message>
        <source>Zusatz</source>
        <translation>Extra</translation>
    </message>
    <message>
        <source>Vergleich</source>
        <translation>Reference</translation>
    </message>
</context>
<context>
    <name>LapChartPage</name>
    <message>
        <source>Die Grafik ist nicht installiert.</source>
        <translation>The chart is not installed.</translation>
    </message>
</context>
<context>
    <name>LapColumns</name>
    <message>
        <source>Runden</source>
        <translation>Laps</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Sollzeit</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>in Min:Sek</source>
        <translation>in min:s</translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>RealZeit</source>
        <translation>RealTime</translation>
    </message>
    <message>
        <source>RealSollzeit</source>
        <translation>RealTotal</translation>
    </message>
</context>
<context>
    <name>PairBoard</name>
    <message>
        <source>Runde von Läufer A (Strg+L)</source>
        <translation>Lap of skater A (Ctrl+L)</translation>
    </message>
    <message>
        <source>Runde von Läufer B (Strg+K)</source>
        <translation>Lap of skater B (Ctrl+K)</translation>
    </message>
    <message>
        <source>Läufer A</source>
        <translation>Skater A</translation>
    </message>
    <message>
        <source>Läufer B</source>
        <translation>Skater B</translation>
    </message>
</context>
<context>
    <name>PairTables</name>
    <message>
        <source>Läufer A</source>
        <translation>Skater A</translation>
    </message>
    <message>
        <source>Läufer B</source>
        <translation>Skater B</translation>
    </message>
</context>
<context>
    <name>PortFailure</name>
    <message>
        <source>Kein Zugriff auf %1 (Fehler %2): Sie sind nicht in der Gruppe „dialout“.</source>
        <translation>No access to %1 (error %2): you are not in the group “dialout”.</translation>
    </message>
    <message>
        <source>Im Terminal eingeben: sudo adduser &quot;$USER&quot; dialout – dann ab- und wieder anmelden.</source>
        <translation>Type in a terminal: sudo adduser &quot;$USER&quot; dialout – then log out and in again.</translation>
    </message>
    <message>
        <source>Das System verweigert %1 (Fehler %2).</source>
        <translation>The system refuses %1 (error %2).</translation>
    </message>
    <message>
        <source>Die Rechte des Geräts prüfen: ls -l %1</source>
        <translation>Check the device&apos;s permissions: ls -l %1</translation>
    </message>
    <message>
        <source>%1 ist nicht da (Fehler %2).</source>
        <translation>%1 is not there (error %2).</translation>
    </message>
    <message>
        <source>Den Adapter einstecken; unter welchem Namen er kam, zeigt dmesg – diesen unter „Hardware:“ wählen.</source>
        <translation>Plug the adapter in; dmesg shows the name it got – choose that under “Hardware:”.</translation>
    </message>
    <message>
        <source>Das Gerät an %1 ist weg (Fehler %2).</source>
        <translation>The device at %1 is gone (error %2).</translation>
    </message>
    <message>
        <source>Den Adapter wieder einstecken; kam er unter einem anderen Namen (dmesg), diesen unter „Hardware:“ wählen.</source>
        <translation>Plug the adapter in again; if it came back under another name (dmesg), choose that under “Hardware:”.</translation>
    </message>
    <message>
        <source>DTR bleibt an %1 aus (Fehler %2): das Gerät kann den Kontakt nicht versorgen.</source>
        <translation>DTR stays off on %1 (error %2): the device cannot power the contact.</translation>
    </message>
    <message>
        <source>Einen Adapter mit allen Modemleitungen (voller DB9-Stecker) verwenden.</source>
        <translation>Use an adapter with all modem lines (a full DB9 plug).</translation>
    </message>
    <message>
        <source>%1 wird von einem anderen Programm benutzt (Fehler %2).</source>
        <translation>%1 is in use by another program (error %2).</translation>
    </message>
    <message>
        <source>Das andere Programm beenden (welches, zeigt: fuser -v %1), dann den Port unter „Hardware:“ neu wählen.</source>
        <translation>Close the other program (fuser -v %1 shows which), then choose the port again under “Hardware:”.</translation>
    </message>
    <message>
        <source>%1 ist kein serieller Port (Fehler %2).</source>
        <translation>%1 is not a serial port (error %2).</translation>
    </message>
    <message>
        <source>Einen anderen Port unter „Hardware:“ wählen.</source>
        <translation>Choose another port under “Hardware:”.</translation>
    </message>
    <message>
        <source>Der Treiber von %1 kann nicht auf die Modemleitungen warten (Fehler %2).</source>
        <translation>The driver of %1 cannot wait for the modem lines (error %2).</translation>
    </message>
    <message>
        <source>Einen anderen Adapter verwenden.</source>
        <translation>Use another adapter.</translation>
    </message>
    <message>
        <source>%1 nimmt die Einstellungen nicht an (Fehler %2).</source>
        <translation>%1 does not accept the line settings (error %2).</translation>
    </message>
    <message>
        <source>Dem System fehlen Mittel, um %1 zu öffnen (Fehler %2).</source>
        <translation>The system lacks the resources to open %1 (error %2).</translation>
    </message>
    <message>
        <source>Nicht benötigte Programme beenden und den Port unter „Hardware:“ neu wählen.</source>
        <translation>Close programs you do not need and choose the port again under “Hardware:”.</translation>
    </message>
    <message>
        <source>Den Adapter einstecken; welche Nummer er hat, zeigt der Geräte-Manager unter „Anschlüsse (COM &amp; LPT)“ – diese unter „Hardware:“ wählen.</source>
        <translation>Plug the adapter in; the Device Manager shows its number under “Ports (COM &amp; LPT)” – choose that under “Hardware:”.</translation>
    </message>
    <message>
        <source>Das andere Programm beenden (ein Terminalprogramm, die Software des Adapters), dann den Port unter „Hardware:“ neu wählen.</source>
        <translation>Close the other program (a terminal program, the adapter&apos;s own software), then choose the port again under “Hardware:”.</translation>
    </message>
    <message>
        <source>Das Gerät an %1 ist weg oder antwortet nicht (Fehler %2).</source>
        <translation>The device at %1 is gone or does not answer (error %2).</translation>
    </message>
    <message>
        <source>Den Adapter wieder einstecken; bekam er eine andere Nummer (Geräte-Manager), diese unter „Hardware:“ wählen.</source>
        <translation>Plug the adapter in again; if it got another number (Device Manager), choose that under “Hardware:”.</translation>
    </message>
    <message>
        <source>Der Treiber von %1 kann die Modemleitungen nicht so bedienen (Fehler %2).</source>
        <translation>The driver of %1 cannot serve the modem lines this way (error %2).</translation>
    </message>
    <message>
        <source>%1 ist die Konsole des Systems und wird nicht benutzt. Einen anderen Port unter „Hardware:“ wählen.</source>
        <translation>%1 is the system&apos;s console and is not used. Choose another port under “Hardware:”.</translation>
    </message>
    <message>
        <source>%1 wird von einem anderen Programm benutzt: %2 (Prozess %3). Dieses Programm beenden oder dort den Port schließen, dann den Port unter „Hardware:“ neu wählen.</source>
        <translation>%1 is in use by another program: %2 (process %3). Close that program or the port in it, then choose the port again under “Hardware:”.</translation>
    </message>
    <message>
        <source>%1 wird von einem anderen Programm benutzt (Fehler %2). Das andere Programm beenden (welches, zeigt: fuser -v %1), dann den Port unter „Hardware:“ neu wählen.</source>
        <translation>%1 is in use by another program (error %2). Close the other program (fuser -v %1 shows which), then choose the port again under “Hardware:”.</translation>
    </message>
    <message>
        <source>%1 ist von einem anderen Programm gesperrt (Sperrdatei %2, Prozess %3). Dieses Programm beenden, dann den Port unter „Hardware:“ neu wählen.</source>
        <translation>%1 is locked by another program (lock file %2, process %3). Close that program, then choose the port again under “Hardware:”.</translation>
    </message>
    <message>
        <source>Eine veraltete Sperrdatei von Benutzer %1 blockiert %2: %3 (Prozess %4 läuft nicht mehr; Fehler %5). Entfernen mit: sudo rm %3</source>
        <translation>A stale lock file of user %1 blocks %2: %3 (process %4 is no longer running; error %5). Remove it with: sudo rm %3</translation>
    </message>
    <message>
        <source>%1 ist gesperrt: %2 ist keine lesbare Sperrdatei. Die Datei prüfen und entfernen: sudo rm %2</source>
        <translation>%1 is locked: %2 is not a lock file that can be read. Check the file and remove it: sudo rm %2</translation>
    </message>
    <message>
        <source>Die Sperrdatei %1 für %2 kann nicht angelegt werden (Fehler %3). Platz und Rechte des Ordners prüfen.</source>
        <translation>The lock file %1 for %2 cannot be made (error %3). Check the folder&apos;s free space and permissions.</translation>
    </message>
    <message>
        <source>%1 kann nicht benutzt werden (Fehler %2).</source>
        <translation>%1 cannot be used (error %2).</translation>
    </message>
    <message>
        <source>Den Port unter „Hardware:“ neu wählen; hilft das nicht, einen anderen Adapter verwenden.</source>
        <translation>Choose the port again under “Hardware:”; if that does not help, use another adapter.</translation>
    </message>
</context>
<context>
    <name>QuitQuestion</name>
    <message>
        <source>Das Rennen läuft noch. Jetzt beenden? Die Zeiten bis hierher bleiben gespeichert, das Rennen gilt dann als „unterbrochen“.</source>
        <translation>The race is still running. Quit now? The times so far stay saved; the race then counts as &quot;unterbrochen&quot; (interrupted).</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Weiterlaufen</source>
        <translation>Keep running</translation>
    </message>
</context>
<context>
    <name>RaceExport</name>
    <message>
        <source>Exportieren</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Es gibt noch kein Rennen: exportiert wird das Rennen ab START.</source>
        <translation>There is no race yet: the race from START on is exported.</translation>
    </message>
    <message>
        <source>Rennen exportieren</source>
        <translation>Export race</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht geschrieben werden.

%1
%2</source>
        <translation>The file could not be written.

%1
%2</translation>
    </message>
</context>
<context>
    <name>RaceFile</name>
    <message>
        <source>Erneut speichern</source>
        <translation>Save again</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Rennen nicht gespeichert: %1 – %2
Die Zeiten stehen weiter im Fenster; beim nächsten Durchgang wird erneut gespeichert, „Exportieren…“ auf „Control“ speichert sie an einem anderen Ort.</source>
        <translation>Race not saved: %1 – %2
The times are still in the window; the next passing saves again, &quot;Export…&quot; on &quot;Control&quot; saves them elsewhere.</translation>
    </message>
</context>
<context>
    <name>RaceFileWriter</name>
    <message>
        <source>Der Ordner lässt sich nicht anlegen.</source>
        <translation>The folder cannot be created.</translation>
    </message>
    <message>
        <source>Alle Namen dieser Startzeit sind vergeben.</source>
        <translation>All names for this start time are taken.</translation>
    </message>
</context>
<context>
    <name>RaceHistory</name>
    <message>
        <source>keine Renndatei</source>
        <translation>not a race file</translation>
    </message>
    <message>
        <source>unvollständig</source>
        <translation>incomplete</translation>
    </message>
    <message>
        <source>Angabe „%1“ fehlt</source>
        <translation>“%1” is missing</translation>
    </message>
    <message>
        <source>„%1“ nicht lesbar</source>
        <translation>“%1” cannot be read</translation>
    </message>
    <message>
        <source>Zeit in Zeile %1 ist keine Zahl</source>
        <translation>time in row %1 is not a number</translation>
    </message>
    <message>
        <source>Zeit in Zeile %1 ist negativ</source>
        <translation>time in row %1 is negative</translation>
    </message>
    <message>
        <source>Zeit in Zeile %1 ist zu groß</source>
        <translation>time in row %1 is too large</translation>
    </message>
    <message>
        <source>Zeit in Zeile %1 liegt vor der Zeit darüber</source>
        <translation>time in row %1 is before the one above it</translation>
    </message>
    <message>
        <source>Rundenzeit in Zeile %1 passt nicht zu den Zeiten</source>
        <translation>lap time in row %1 does not match the times</translation>
    </message>
</context>
<context>
    <name>RaceHistoryDialog</name>
    <message>
        <source>Rennen</source>
        <translation>Races</translation>
    </message>
    <message>
        <source>Läufer:</source>
        <translation>Skater:</translation>
    </message>
    <message>
        <source>Strecke:</source>
        <translation>Distance:</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Als Vergleich</source>
        <translation>As reference</translation>
    </message>
    <message>
        <source>Alle</source>
        <translation>All</translation>
    </message>
    <message numerus="yes">
        <source>%n Rennen</source>
        <translation>
            <numerusform>%n race</numerusform>
            <numerusform>%n races</numerusform>
        </translation>
    </message>
    <message>
        <source>Ergebnisse…</source>
        <translation>Results…</translation>
    </message>
    <message>
        <source>Exportieren…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>Drucken…</source>
        <translation>Print…</translation>
    </message>
</context>
<context>
    <name>RaceHistoryModel</name>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Läufer</source>
        <translation>Skater</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Runden</source>
        <translation>Laps</translation>
    </message>
    <message>
        <source>Endzeit</source>
        <translation>Final time</translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>läuft</source>
        <translation>running</translation>
    </message>
    <message>
        <source>beendet</source>
        <translation>finished</translation>
    </message>
    <message>
        <source>abgebrochen</source>
        <translation>stopped early</translation>
    </message>
    <message>
        <source>unterbrochen</source>
        <translation>interrupted</translation>
    </message>
</context>
<context>
    <name>RacePrinter</name>
    <message>
        <source>Streckenlänge</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Rundenlänge</source>
        <translation>Lap length</translation>
    </message>
    <message>
        <source>Runden</source>
        <translation>Laps</translation>
    </message>
    <message>
        <source>Zusätzliche Meter</source>
        <translation>Extra metres</translation>
    </message>
    <message>
        <source>Gesamtsekunden</source>
        <translation>Total seconds</translation>
    </message>
    <message>
        <source>Startzugabe</source>
        <translation>Start allowance</translation>
    </message>
    <message>
        <source>Rundenzeit</source>
        <translation>Lap time</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>beendet</source>
        <translation>finished</translation>
    </message>
    <message>
        <source>läuft</source>
        <translation>running</translation>
    </message>
    <message>
        <source>Rundaro – Rennen vom %1, Start %2</source>
        <translation>Rundaro – race of %1, start %2</translation>
    </message>
    <message>
        <source>Rundaro – Rundenplan vom %1</source>
        <translation>Rundaro – lap schedule of %1</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Das Drucken steht nicht zur Verfügung: das Druckmodul fehlt.</source>
        <translation>Printing is not available: the print module is missing.</translation>
    </message>
    <message>
        <source>Rundentabelle drucken</source>
        <translation>Print lap table</translation>
    </message>
    <message>
        <source>Der Drucker oder die Datei lässt sich nicht beschreiben.</source>
        <translation>The printer or the file cannot be written to.</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>abgebrochen</source>
        <translation>stopped early</translation>
    </message>
    <message>
        <source>Läufer %1</source>
        <translation>Skater %1</translation>
    </message>
</context>
<context>
    <name>RaceResults</name>
    <message>
        <source>Der Ordner %1 lässt sich nicht anlegen.</source>
        <translation>The folder %1 cannot be created.</translation>
    </message>
    <message>
        <source>Die Datei gibt es nicht mehr.</source>
        <translation>The file no longer exists.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Renndatei.</source>
        <translation>The file is not a race file.</translation>
    </message>
    <message>
        <source>läuft</source>
        <translation>running</translation>
    </message>
    <message>
        <source>beendet</source>
        <translation>finished</translation>
    </message>
    <message>
        <source>abgebrochen</source>
        <translation>stopped</translation>
    </message>
    <message>
        <source>unterbrochen</source>
        <translation>interrupted</translation>
    </message>
    <message>
        <source>Rundaro – Ergebnisse vom %1</source>
        <translation>Rundaro – results of %1</translation>
    </message>
</context>
<context>
    <name>RaceResultsDialog</name>
    <message>
        <source>Ergebnisse</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Tag:</source>
        <translation>Day:</translation>
    </message>
    <message>
        <source>Namen ändern…</source>
        <translation>Change name…</translation>
    </message>
    <message>
        <source>Entfernen</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Wiederherstellen</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Drucken…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Exportieren…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>Die Rennen werden gelesen …</source>
        <translation>Reading the races …</translation>
    </message>
    <message numerus="yes">
        <source>%n Rennen</source>
        <translation>
            <numerusform>%n race</numerusform>
            <numerusform>%n races</numerusform>
        </translation>
    </message>
    <message>
        <source>Kein Rennen gewählt.</source>
        <translation>No race chosen.</translation>
    </message>
    <message>
        <source>Das Rennen läuft noch.</source>
        <translation>The race is still running.</translation>
    </message>
    <message>
        <source>Ein entferntes Rennen wird erst wiederhergestellt.</source>
        <translation>Restore a removed race first.</translation>
    </message>
    <message>
        <source>Kein entferntes Rennen gewählt.</source>
        <translation>No removed race chosen.</translation>
    </message>
    <message>
        <source>Namen ändern</source>
        <translation>Change name</translation>
    </message>
    <message>
        <source>Läufer:</source>
        <translation>Skater:</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Das Drucken steht nicht zur Verfügung: das Druckmodul fehlt.</source>
        <translation>Printing is not available: the print module is missing.</translation>
    </message>
    <message>
        <source>Ergebnisse drucken</source>
        <translation>Print results</translation>
    </message>
    <message>
        <source>Der Drucker oder die Datei lässt sich nicht beschreiben.</source>
        <translation>The printer or the file cannot be written to.</translation>
    </message>
    <message>
        <source>Ergebnisse exportieren</source>
        <translation>Export results</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht geschrieben werden.

%1
%2</source>
        <translation>The file could not be written.

%1
%2</translation>
    </message>
</context>
<context>
    <name>RaceResultsModel</name>
    <message>
        <source>entfernt</source>
        <translation>removed</translation>
    </message>
    <message>
        <source>neu</source>
        <translation>new</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Läufer</source>
        <translation>Skater</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Endzeit</source>
        <translation>Final time</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Tagesbeste</source>
        <translation>Day&apos;s best</translation>
    </message>
    <message>
        <source>Bestzeit</source>
        <translation>Personal best</translation>
    </message>
</context>
<context>
    <name>RaceSummary</name>
    <message>
        <source>Läufer: %1</source>
        <translation>Skater: %1</translation>
    </message>
    <message>
        <source>Endzeit: %1</source>
        <translation>Final time: %1</translation>
    </message>
    <message>
        <source>Zeit: %1</source>
        <translation>Time: %1</translation>
    </message>
    <message>
        <source>Durchschnitt: %1 km/h</source>
        <translation>Average: %1 km/h</translation>
    </message>
    <message>
        <source>Beste Runde: %1 s</source>
        <translation>Best lap: %1 s</translation>
    </message>
</context>
<context>
    <name>ScreenChoice</name>
    <message>
        <source>automatisch</source>
        <translation>automatic</translation>
    </message>
    <message>
        <source>Bildschirm %1</source>
        <translation>Screen %1</translation>
    </message>
    <message>
        <source> (nicht angeschlossen)</source>
        <translation> (not connected)</translation>
    </message>
</context>
<context>
    <name>SkaterField</name>
    <message>
        <source>Läufer</source>
        <translation>Skater</translation>
    </message>
</context>
<context>
    <name>SpinButtons</name>
    <message>
        <source>Mehr</source>
        <translation>More</translation>
    </message>
    <message>
        <source>Weniger</source>
        <translation>Less</translation>
    </message>
</context>
<context>
    <name>StoredRaceView</name>
    <message>
        <source>Zurück zum aktuellen Rennen</source>
        <translation>Back to the current race</translation>
    </message>
    <message>
        <source>Gespeichertes Rennen vom %1, Start %2</source>
        <translation>Saved race of %1, start %2</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Startet die Rennuhr (Strg+S)</source>
        <translation>Starts the race clock (Ctrl+S)</translation>
    </message>
    <message>
        <source>Runde</source>
        <translation>Lap</translation>
    </message>
    <message>
        <source>Nimmt eine Runde (Strg+L)</source>
        <translation>Takes a lap (Ctrl+L)</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Hält die Rennuhr im Ziel an (Strg+P)</source>
        <translation>Stops the race clock at the finish (Ctrl+P)</translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Setzt die Uhr auf null (Strg+0)</source>
        <translation>Sets the clock to zero (Ctrl+0)</translation>
    </message>
    <message>
        <source>Noch zu laufende Runden</source>
        <translation>Laps still to go</translation>
    </message>
    <message>
        <source>Sekunden vor (plus) oder hinter (minus) dem Plan</source>
        <translation>Seconds ahead of (plus) or behind (minus) the schedule</translation>
    </message>
    <message>
        <source>Laufzeit 0 Min. 0 Sek.</source>
        <translation>Race time 0 min 0 s</translation>
    </message>
    <message>
        <source>Laufende Rennzeit</source>
        <translation>Running race time</translation>
    </message>
    <message>
        <source>Sollzeit einer Runde in Sekunden</source>
        <translation>Target time of one lap in seconds</translation>
    </message>
    <message>
        <source>Geplante Durchschnittsgeschwindigkeit</source>
        <translation>Planned average speed</translation>
    </message>
    <message>
        <source>Streckenlänge in Metern</source>
        <translation>Distance in metres</translation>
    </message>
    <message>
        <source>Rundenlänge in Metern</source>
        <translation>Lap length in metres</translation>
    </message>
    <message>
        <source>Anzahl Runden</source>
        <translation>Number of laps</translation>
    </message>
    <message>
        <source>Zusätzliche Meter vor der ersten Runde</source>
        <translation>Extra metres before the first lap</translation>
    </message>
    <message>
        <source>Sollzeit Minuten</source>
        <translation>Target time minutes</translation>
    </message>
    <message>
        <source>Sollzeit Sekunden</source>
        <translation>Target time seconds</translation>
    </message>
    <message>
        <source>Sollzeit in Gesamtsekunden</source>
        <translation>Target time in total seconds</translation>
    </message>
    <message>
        <source>Startzugabe in Sekunden</source>
        <translation>Start allowance in seconds</translation>
    </message>
    <message>
        <source>Sollgeschwindigkeit einer Runde in km/h</source>
        <translation>Target speed of one lap in km/h</translation>
    </message>
    <message>
        <source>Durchschnittsgeschwindigkeit seit dem Start in km/h</source>
        <translation>Average speed since the start in km/h</translation>
    </message>
    <message>
        <source>Rundentabelle</source>
        <translation>Lap table</translation>
    </message>
    <message>
        <source>Sollzeiten links, gemessene Runden rechts</source>
        <translation>Target times on the left, measured laps on the right</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unknown error</translation>
    </message>
    <message>
        <source>Rundaro ver 1.0</source>
        <translation>Rundaro ver 1.0</translation>
    </message>
    <message>
        <source>Inline</source>
        <translation>Inline</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>&amp;START</source>
        <translation>&amp;START</translation>
    </message>
    <message>
        <source>&amp;LAP</source>
        <translation>&amp;LAP</translation>
    </message>
    <message>
        <source>STOP&amp;P</source>
        <translation>STO&amp;P</translation>
    </message>
    <message>
        <source>&amp;0:00</source>
        <translation>&amp;0:00</translation>
    </message>
    <message>
        <source>Startzugabe:</source>
        <translation>Allowance:</translation>
    </message>
    <message>
        <source>Rundenzeit:</source>
        <translation>Lap time:</translation>
    </message>
    <message>
        <source>sek</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Runden:</source>
        <translation>Lap:</translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>Exportieren…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>Durchschnitt  Geschwindigkeit:</source>
        <translation>Average  speed:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>On/Off</translation>
    </message>
    <message>
        <source>Off/On</source>
        <translation>Off/On</translation>
    </message>
    <message>
        <source>Hardware:</source>
        <translation>Hardware:</translation>
    </message>
    <message>
        <source>Algorithm:</source>
        <translation>Algorithm:</translation>
    </message>
    <message>
        <source>Ton</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Anzeige:</source>
        <translation>Display:</translation>
    </message>
    <message>
        <source>Letzte Runde groß</source>
        <translation>Last lap large</translation>
    </message>
    <message>
        <source>Ansage</source>
        <translation>Call-outs</translation>
    </message>
    <message>
        <source>Sprache:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Lap</source>
        <translation>&amp;Lap</translation>
    </message>
    <message>
        <source>Sto&amp;pp</source>
        <translation>Sto&amp;p</translation>
    </message>
    <message>
        <source>H&amp;ilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Drucker</source>
        <translation>&amp;Printer</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>+LAP</source>
        <translation>+LAP</translation>
    </message>
    <message>
        <source>&amp;Vollbild</source>
        <translation>&amp;Full screen</translation>
    </message>
    <message>
        <source>Runde &amp;zurücknehmen</source>
        <translation>&amp;Undo lap</translation>
    </message>
    <message>
        <source>Über Rundaro</source>
        <translation>About Rundaro</translation>
    </message>
    <message>
        <source>Streckenlänge:</source>
        <translation>Distance:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Rundenlänge:</source>
        <translation>Lap length:</translation>
    </message>
    <message>
        <source>Ergibt Runden:</source>
        <translation>Laps:</translation>
    </message>
    <message>
        <source>Zusatzliche: </source>
        <translation>Extra: </translation>
    </message>
    <message>
        <source>Minuten:</source>
        <translation>Minutes:</translation>
    </message>
    <message>
        <source>Sekunden:</source>
        <translation>Seconds:</translation>
    </message>
    <message>
        <source>Gesamtsekunden:</source>
        <translation>Total seconds:</translation>
    </message>
    <message>
        <source>Laufzeit %1 Min. %2 Sek.</source>
        <translation>Race time %1 min %2 s</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Sek.</source>
        <translation>Sec.</translation>
    </message>
    <message>
        <source>Grafik</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>gilt ab dem nächsten Programmstart</source>
        <translation>applies from the next program start</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Rennen…</source>
        <translation>&amp;Races…</translation>
    </message>
    <message>
        <source>Vergleich</source>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>&amp;Ergebnisse…</source>
        <translation>R&amp;esults…</translation>
    </message>
    <message>
        <source>Tafel an der Linie</source>
        <translation>Board at the line</translation>
    </message>
    <message>
        <source>Paar</source>
        <translation>Pair</translation>
    </message>
    <message>
        <source>Zwei Läufer auf einer Uhr: A mit Strg+L und dem Kontakt an DSR, B mit Strg+K und dem Kontakt an CTS</source>
        <translation>Two skaters on one clock: A with Ctrl+L and the contact on DSR, B with Ctrl+K and the contact on CTS</translation>
    </message>
    <message>
        <source>Runde Läufer B</source>
        <translation>Lap of skater B</translation>
    </message>
    <message>
        <source>Runde Läufer B zurücknehmen</source>
        <translation>Undo lap of skater B</translation>
    </message>
    <message>
        <source>Läufer B</source>
        <translation>Skater B</translation>
    </message>
    <message>
        <source>Kontakt je Läufer</source>
        <translation>Contact per skater</translation>
    </message>
    <message>
        <source>Kontakt je Bahn</source>
        <translation>Contact per lane</translation>
    </message>
    <message>
        <source>je Bahn, Kreuzung vor der Linie</source>
        <translation>per lane, crossing before the line</translation>
    </message>
</context>
<context>
    <name>TriggerStatus</name>
    <message>
        <source>Kontakt:
kein Port</source>
        <translation>Contact:
no port</translation>
    </message>
    <message>
        <source>Kein Port gewählt: Runden über Tastatur und Knöpfe</source>
        <translation>No port chosen: laps by keyboard and buttons</translation>
    </message>
    <message>
        <source>Kontakt bereit
%1</source>
        <translation>Contact ready
%1</translation>
    </message>
    <message>
        <source>Bereit: %1</source>
        <translation>Ready: %1</translation>
    </message>
    <message>
        <source>GETRENNT
%1
seit %2</source>
        <translation>UNPLUGGED
%1
since %2</translation>
    </message>
    <message>
        <source>Getrennt seit %1: %2</source>
        <translation>Unplugged since %1: %2</translation>
    </message>
    <message>
        <source> – wird wieder geöffnet, sobald das Gerät wieder da ist</source>
        <translation> – opened again as soon as the device is back</translation>
    </message>
    <message>
        <source>GETRENNT
%1
anderes Gerät</source>
        <translation>UNPLUGGED
%1
other device</translation>
    </message>
    <message>
        <source>Getrennt seit %1: %2 – anderes Gerät</source>
        <translation>Unplugged since %1: %2 – other device</translation>
    </message>
    <message>
        <source>: ein anderes Gerät steckt an diesem Port; es wird erst benutzt, wenn der Port in der Liste gewählt wird</source>
        <translation>: another device is plugged into this port; it is used only once the port is chosen in the list</translation>
    </message>
    <message>
        <source>Kontakt-Fehler
%1</source>
        <translation>Contact error
%1</translation>
    </message>
    <message>
        <source> – Fehler beim Auslösen: %1</source>
        <translation> – error when triggering: %1</translation>
    </message>
    <message>
        <source> – %1</source>
        <translation> – %1</translation>
    </message>
    <message>
        <source> – Abfrage alle %1 ms</source>
        <translation> – polled every %1 ms</translation>
    </message>
    <message>
        <source> – Kurze Unterbrechungen – Polarität prüfen</source>
        <translation> – Short breaks – check the polarity</translation>
    </message>
</context>
<context>
    <name>WholeFileWrite</name>
    <message>
        <source>Datenträger voll</source>
        <translation>disk full</translation>
    </message>
    <message>
        <source>Datenträger schreibgeschützt</source>
        <translation>disk write-protected</translation>
    </message>
    <message>
        <source>keine Schreibberechtigung</source>
        <translation>no permission to write</translation>
    </message>
    <message>
        <source>Ordner nicht vorhanden</source>
        <translation>folder does not exist</translation>
    </message>
    <message>
        <source>Schreibfehler auf dem Datenträger</source>
        <translation>write error on the disk</translation>
    </message>
</context>
</TS>
