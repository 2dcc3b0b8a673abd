<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="de">
<context>
    <name>AboutBox</name>
    <message>
        <source>Über Rundaro</source>
        <translation>Over Rundaro</translation>
    </message>
    <message>
        <source>Rundenzeitmesser für Eisschnelllauf- und Inlinerennen auf der Ovalbahn.</source>
        <translation>Rondetijdmeter voor langebaanschaats- en inlineskatewedstrijden op de ovale baan.</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Rundaro %1&lt;/h3&gt;&lt;p&gt;%2&lt;/p&gt;&lt;p&gt;Lizenz: proprietär, alle Rechte vorbehalten.&lt;/p&gt;&lt;p&gt;Verwendete Bibliotheken:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Qt %3 (Core, Gui, Widgets, Print Support): LGPL-3 oder GPL-2&lt;/li&gt;&lt;li&gt;Qt Multimedia, für die Klänge (Paket rundaro-sound): LGPL-3 oder GPL-2&lt;/li&gt;&lt;li&gt;GNU C++-Bibliothek: GPL-3 mit GCC-Runtime-Ausnahme&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Schriften: Liberation (SIL Open Font License 1.1), DejaVu (Bitstream-Vera-Lizenz).&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Rundaro %1&lt;/h3&gt;&lt;p&gt;%2&lt;/p&gt;&lt;p&gt;Licentie: propriëtair, alle rechten voorbehouden.&lt;/p&gt;&lt;p&gt;Gebruikte bibliotheken:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Qt %3 (Core, Gui, Widgets, Print Support): LGPL-3 of GPL-2&lt;/li&gt;&lt;li&gt;Qt Multimedia, voor de geluiden (pakket rundaro-sound): LGPL-3 of GPL-2&lt;/li&gt;&lt;li&gt;GNU C++-bibliotheek: GPL-3 met GCC-runtime-uitzondering&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Lettertypen: Liberation (SIL Open Font License 1.1), DejaVu (Bitstream Vera-licentie).&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Unbekanntes Argument „%1“.</source>
        <translation>Onbekend argument &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>ComparePage</name>
    <message>
        <source>Im Vollbild statt Vorsprung/Rückstand</source>
        <translation>Op volledig scherm in plaats van voor/achter</translation>
    </message>
    <message>
        <source>Runden</source>
        <translation>Ronden</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Vergleich</source>
        <translation>Referentie</translation>
    </message>
    <message>
        <source>Differenz</source>
        <translation>Verschil</translation>
    </message>
    <message>
        <source>Vergleich mit:</source>
        <translation>Vergelijken met:</translation>
    </message>
    <message>
        <source>Bestzeit: %1</source>
        <translation>Beste tijd: %1</translation>
    </message>
    <message>
        <source>kein gespeichertes Rennen dieser Strecke</source>
        <translation>geen opgeslagen race op deze afstand</translation>
    </message>
    <message>
        <source>Der gewählte Vergleich (%1 m) hat eine andere Strecke als dieses Rennen (%2 m).</source>
        <translation>De gekozen vergelijking (%1 m) heeft een andere afstand dan deze rit (%2 m).</translation>
    </message>
</context>
<context>
    <name>FullScreenView</name>
    <message>
        <source>Läufer %1</source>
        <translation>Rijder %1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>&lt;h2&gt;Rundaro&lt;/h2&gt;
&lt;p&gt;Ein Rundenzeitmesser f&amp;uuml;r Rennen auf der Ovalbahn. Esc schlie&amp;szlig;t diese Hilfe.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Rundaro&lt;/h2&gt;
&lt;p&gt;Een rondetijdmeter voor wedstrijden op de ovale baan. Esc sluit deze help.&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;De weergave op &amp;bdquo;Inline&amp;rdquo;&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Het grijze veld linksboven&lt;/b&gt;: de ronden die nog te rijden zijn. Voor de start het aantal
ronden; tijdens de race volgens het schema geteld: een ronde geldt als gereden zodra haar schematijd
een halve schemaronde voorbij is. Zonder schema-rondetijd tellen de genomen ronden.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Het zwarte veld rechtsboven&lt;/b&gt;: hoeveel hele seconden de rijder voor ligt op schema
(&lt;b&gt;+&lt;/b&gt;, groen) of achter (&lt;b&gt;-&lt;/b&gt;, rood), gerekend tot de volgende doorkomst volgens schema. Voor
de start staat daar &amp;bdquo;+&amp;rdquo; met de afgeronde starttoeslag.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;De cijfers&lt;/b&gt;: de looptijd in minuten, seconden en honderdsten; voorloopnullen zijn
donkergrijs.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Het blauwe veld rechts&lt;/b&gt;: de schema-rondetijd in seconden, daaronder de geplande gemiddelde
snelheid; daaronder de toestand van het contact.&lt;/li&gt;
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
        <translation>&lt;h3&gt;De race instellen&lt;/h3&gt;
&lt;p&gt;De velden onderaan hangen samen: &lt;b&gt;Afstand&lt;/b&gt; = &lt;b&gt;Ronden&lt;/b&gt; &amp;times; &lt;b&gt;Rondelengte&lt;/b&gt; +
&lt;b&gt;Extra&lt;/b&gt;; wie de afstand wijzigt, krijgt de hele ronden en de rest als extra meters.
&lt;b&gt;Totaal seconden&lt;/b&gt; = &lt;b&gt;Minuten&lt;/b&gt; &amp;times; 60 + &lt;b&gt;Seconden&lt;/b&gt;, in beide richtingen. De
schema-rondetijd is de totale tijd min de &lt;b&gt;Starttoeslag&lt;/b&gt;, verdeeld over de ronden inclusief het
aandeel van de extra meters.&lt;/p&gt;
&lt;p&gt;Een getypte waarde geldt zodra ze af is: met &lt;b&gt;Enter&lt;/b&gt;, met &lt;b&gt;Tab&lt;/b&gt; (of een klik in een ander
veld), met een stap van de &lt;b&gt;pijltoetsen&lt;/b&gt; of de pijlknoppen, of met &lt;b&gt;START&lt;/b&gt;, dat met de
getypte waarde loopt. &lt;b&gt;Esc&lt;/b&gt; haalt de vorige waarde terug zolang de getypte nog niet geldt. Tijdens
de race zijn de velden vergrendeld.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Extra&lt;/b&gt; meters: ligt de startlijn niet op de finishlijn (zoals bij 500&amp;nbsp;m op de
400&amp;nbsp;m-baan), dan rijdt de rijder eerst deze meters. De eerste doorkomst sluit ze af (in de tabel
de regel van de startlijn), daarna volgen de hele ronden. Hun schematijd is hun aandeel in de
schemaronde plus de starttoeslag.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tabelle und Grafik&lt;/h3&gt;
&lt;p&gt;&amp;bdquo;Control&amp;ldquo; zeigt den Sollplan und jede gelaufene Runde: Zeit, Rennzeit, Geschwindigkeit;
die Rundenzeit gr&amp;uuml;n in der Sollzeit oder schneller, rot langsamer. &amp;bdquo;Grafik&amp;ldquo; zeigt jede
Runde als Balken in denselben Farben, die Sollrundenzeit als Linie und auf der rechten Achse, wie viele
Sekunden der L&amp;auml;ufer bei jeder Durchfahrt voraus (+) oder zur&amp;uuml;ck (-) war.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tabel en grafiek&lt;/h3&gt;
&lt;p&gt;&amp;bdquo;Controle&amp;rdquo; toont het schema en elke gereden ronde: tijd, looptijd, snelheid; de
rondetijd groen binnen de schematijd of sneller, rood als hij langzamer is. &amp;bdquo;Grafiek&amp;rdquo; toont
elke ronde als staaf in dezelfde kleuren, de schema-rondetijd als lijn en op de rechteras hoeveel
seconden de rijder bij elke doorkomst voor (+) of achter (-) lag.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;T&amp;ouml;ne&lt;/h3&gt;
&lt;p&gt;Mit &lt;b&gt;Ton&lt;/b&gt; auf &amp;bdquo;Configuration&amp;ldquo;: ein kurzer Ton bei START und bei jedem LAP, ein
eigenes Signal, wenn die letzte Runde beginnt, und ein drittes bei STOP. Die T&amp;ouml;ne halten die Uhr
nie auf.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Geluiden&lt;/h3&gt;
&lt;p&gt;Met &lt;b&gt;Geluid&lt;/b&gt; op &amp;bdquo;Configuratie&amp;rdquo;: een korte toon bij START en bij elke LAP, een
eigen signaal als de laatste ronde begint en een derde bij STOP. De geluiden houden de klok nooit
op.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Ansage&lt;/h3&gt;
&lt;p&gt;Mit &lt;b&gt;Ansage&lt;/b&gt; auf &amp;bdquo;Configuration&amp;ldquo; spricht das Programm nach jeder Durchfahrt, nach
dem Ton: die Rundenzeit auf die Zehntel, den Abstand zum Sollplan an dieser Linie (voraus oder
zur&amp;uuml;ck) und die Runden, die nach den genommenen Runden noch zu laufen sind, etwa &amp;bdquo;23,4 &amp;ndash;
zwei Komma eins voraus &amp;ndash; noch f&amp;uuml;nf Runden&amp;ldquo;; beginnt die letzte Runde, &amp;bdquo;letzte
Runde&amp;ldquo;; bei STOP die Endzeit. Eine Ansage, die mehr als eine Sekunde zu sp&amp;auml;t k&amp;auml;me,
entf&amp;auml;llt; die Uhr wartet nie auf sie.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Spraak&lt;/h3&gt;
&lt;p&gt;Met &lt;b&gt;Spraak&lt;/b&gt; op &amp;bdquo;Configuratie&amp;rdquo; spreekt het programma na elke doorkomst, na de
toon: de rondetijd op een tiende, het verschil met het schema op deze lijn (voor of achter) en de
ronden die na de genomen ronden nog te rijden zijn; als de laatste ronde begint de laatste ronde; bij
STOP de eindtijd. Er wordt Duits gesproken, zoals &amp;bdquo;23,4 &amp;ndash; zwei Komma eins voraus &amp;ndash;
noch f&amp;uuml;nf Runden&amp;rdquo; en &amp;bdquo;letzte Runde&amp;rdquo;. Een omroep die meer dan een seconde te
laat zou komen, vervalt; de klok wacht er nooit op.&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;De wedstrijdweergave op het hele scherm&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;F11&lt;/b&gt; toont de wedstrijdweergave alleen en groot: looptijd, ronden te gaan, voor/achter,
schemaronde en contact. &lt;b&gt;F11&lt;/b&gt; of &lt;b&gt;Esc&lt;/b&gt; gaan terug. Alle opdrachttoetsen (Ctrl+S, Ctrl+L,
Ctrl+P, Ctrl+0, Ctrl+Z, spatiebalk, Alt met de letter) werken daar zoals in het venster.&lt;/p&gt;
&lt;p&gt;Met meer dan één scherm komt ze op een ander scherm dan het venster, uit zichzelf op het grootste;
&lt;b&gt;Scherm&lt;/b&gt; op &amp;bdquo;Configuratie&amp;rdquo; kiest het. Het venster blijft ernaast bruikbaar. Wordt haar
scherm losgekoppeld, dan komt ze op het scherm van het venster.&lt;/p&gt;
&lt;p&gt;Met &lt;b&gt;Laatste ronde groot&lt;/b&gt; staat na elke doorkomst tien seconden lang de zojuist gereden ronde
naast de schemaronde, groen of rood zoals in de tabel.&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;De contactlus&lt;/h3&gt;
&lt;p&gt;Een schakelaar (drukknop, reedcontact, schakelmat, relaisuitgang van een lichtsluis) tussen
&lt;b&gt;DTR&lt;/b&gt; en &lt;b&gt;DSR&lt;/b&gt; van de seriële poort: bij de 9-polige stekker pin&amp;nbsp;4 en pin&amp;nbsp;6, bij
de 25-polige pin&amp;nbsp;20 en pin&amp;nbsp;6. Massa (pin&amp;nbsp;5 resp. 7) hoort niet bij de kring. Het
programma zendt niets, het zet alleen DTR aan en bewaakt DSR.&lt;/p&gt;
&lt;p&gt;Op &amp;bdquo;Configuratie&amp;rdquo; kiest &amp;bdquo;Hardware:&amp;rdquo; de poort en &amp;bdquo;Algoritme:&amp;rdquo; de
polariteit: &lt;b&gt;Aan/Uit&lt;/b&gt; telt het sluiten van het contact, &lt;b&gt;Uit/Aan&lt;/b&gt; het openen (rustcontact,
lichtsluis die bij onderbreking opent). Elke getelde wisseling geeft START, LAP of STOP, wat er aan de
beurt is; daarna is de lijn een seconde geblokkeerd, zodat een denderend contact één keer telt.
Terugzetten en terugnemen gebeurt alleen met de hand.&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;Toestanden van het contact&lt;/h3&gt;
&lt;p&gt;Zo staan ze onder de schemaronde en op &amp;bdquo;Configuratie&amp;rdquo;:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Contact: geen poort&lt;/b&gt;: &amp;bdquo;Geen&amp;rdquo; is gekozen, ronden alleen via toetsenbord en knoppen.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Contact gereed&lt;/b&gt;: de poort is open, elke wisseling in de gekozen richting telt.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;ONTKOPPELD&lt;/b&gt; (rood, met de kloktijd vanaf wanneer): de adapter is losgekoppeld of antwoordt
niet meer. De klok loopt door, ronden gaan verder via toetsenbord en knoppen; zit de adapter er weer
in, dan opent het programma de poort zelf weer.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Contactfout&lt;/b&gt;: een wisseling werd geteld, maar de opdracht mislukte; de melding staat erbij.&lt;/li&gt;
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
        <translation>&lt;h3&gt;Opgeslagen races&lt;/h3&gt;
&lt;p&gt;Elke race staat vanaf de eerste ronde op de schijf en wordt na elke ronde, na STOP en na elk
terugnemen opnieuw geschreven, in de map&lt;/p&gt;
&lt;p&gt;&lt;code&gt;%1&lt;/code&gt;&lt;/p&gt;
&lt;p&gt;als CSV-bestand met de starttijd als naam (&lt;code&gt;JJJJ-MM-DD_hh-mm-ss.csv&lt;/code&gt;): bovenaan de
instellingen van de race, daaronder de rondetabel zoals &amp;bdquo;Controle&amp;rdquo; die toont. De kopjes in
het bestand blijven in elke taal Duits. &amp;bdquo;Exporteren&amp;hellip;&amp;rdquo; op &amp;bdquo;Controle&amp;rdquo; (of in
het contextmenu van de tabel) slaat de race op een plek naar keuze op. De &lt;code&gt;Status&lt;/code&gt; van het
bestand is &lt;code&gt;l&amp;auml;uft&lt;/code&gt; (loopt), &lt;code&gt;beendet&lt;/code&gt; (gefinisht), &lt;code&gt;abgebrochen&lt;/code&gt; (voor het einde van de afstand gestopt) of &lt;code&gt;unterbrochen&lt;/code&gt;
(onderbroken): een race die niet met STOP eindigde, houdt haar tijden; na een crash of stroomstoring
noemt de volgende start haar eenmaal.&lt;/p&gt;

&lt;p&gt;&lt;a href=&quot;about:rundaro&quot;&gt;Over Rundaro&lt;/a&gt;&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;Opdrachten&lt;/h3&gt;
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+S&lt;/b&gt;&lt;/td&gt;&lt;td&gt;START: de klok loopt.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+L&lt;/b&gt;&lt;/td&gt;&lt;td&gt;LAP: de rijder passeert de lijn, een ronde is genomen.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+P&lt;/b&gt;&lt;/td&gt;&lt;td&gt;STOP: finish, de klok staat stil.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+0&lt;/b&gt;&lt;/td&gt;&lt;td&gt;terug naar 0:00, een nieuwe race kan worden ingesteld.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Z&lt;/b&gt;&lt;/td&gt;&lt;td&gt;de laatste ronde (ook STOP) terugnemen, alsof ze nooit genomen
was; meermaals tot aan de startlijn. Ook in het contextmenu van de rondetabel.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;F11&lt;/b&gt;&lt;/td&gt;&lt;td&gt;de wedstrijdweergave alleen op een heel scherm (zie onder).&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Alt+D&lt;/b&gt;&lt;/td&gt;&lt;td&gt;de rondetabel afdrukken (of als pdf opslaan).&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+O&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Races&amp;hellip;: de opgeslagen races, gefilterd op rijder en afstand;
&amp;bdquo;Openen&amp;rdquo; toont er een in plaats van de rondetabel, de lopende race gaat door.
Op &amp;bdquo;Vergelijking&amp;rdquo; staat de race ronde voor ronde tegenover een andere op dezelfde afstand,
eerst de beste tijd van de rijder.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;F1&lt;/b&gt;, &lt;b&gt;Alt+I&lt;/b&gt;&lt;/td&gt;&lt;td&gt;deze help.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Shift+F1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Over Rundaro: versie, licentie, gebruikte bibliotheken.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Alt+B&lt;/b&gt;&lt;/td&gt;&lt;td&gt;afsluiten, zoals met de sluitknop van het venster; loopt de klok, dan vraagt eerst een balk in het venster.&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;De knoppen reageren ook op Alt met hun onderstreepte letter, de knop met de focus op de spatiebalk
en Enter. Na elke opdracht staat de focus op de volgende.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tafel an der Linie&lt;/h3&gt;
&lt;p&gt;Mit &lt;b&gt;Tafel an der Linie&lt;/b&gt; auf &amp;bdquo;Configuration&amp;ldquo; zeigen das Fenster und die Anzeige auf
dem ganzen Bildschirm ab der ersten Durchfahrt statt des laufenden Countdowns, wie viele Sekunden der
L&amp;auml;ufer an der zuletzt &amp;uuml;berquerten Linie voraus (+) oder zur&amp;uuml;ck (-) war, bis zur
n&amp;auml;chsten Durchfahrt; und zehn Sekunden lang nach jeder Durchfahrt statt der Sollrunde die eben
gelaufene Runde, gr&amp;uuml;n oder rot wie in der Tabelle.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Bord bij de lijn&lt;/h3&gt;
&lt;p&gt;Met &lt;b&gt;Bord bij de lijn&lt;/b&gt; op &amp;bdquo;Configuratie&amp;rdquo; tonen het venster en de weergave op het hele
scherm vanaf de eerste doorkomst, in plaats van het lopende aftellen, hoeveel seconden de rijder bij de
laatst gepasseerde lijn voor (+) of achter (-) lag, tot de volgende doorkomst; en tien seconden lang na
elke doorkomst in plaats van de schemaronde de zojuist gereden ronde, groen of rood zoals in de tabel.&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;Een paar: twee rijders op &amp;eacute;&amp;eacute;n klok&lt;/h3&gt;
&lt;p&gt;Met &lt;b&gt;Paar&lt;/b&gt; op &amp;bdquo;Configuration&amp;ldquo; neemt het programma beide rijders van een paar:
&amp;bdquo;Rijder&amp;ldquo; boven de tabbladen noemt rijder A (start binnen), het veld ernaast rijder B
(start buiten). START start beide; &lt;b&gt;Ctrl+L&lt;/b&gt; (LAP, de knop &amp;bdquo;A&amp;ldquo;) neemt de doorkomst van
A, &lt;b&gt;Ctrl+K&lt;/b&gt; (de knop &amp;bdquo;B&amp;ldquo;) die van B. Wie zijn laatste lijn passeert, is binnen; de
klok stopt met de laatste. Elke regel van de weergave hoort bij &amp;eacute;&amp;eacute;n rijder: de ronden
die hij na zijn laatste lijn nog moet rijden, en hoeveel seconden hij daar voor (+) of achter (-) lag
op het schema; voor de eerste lijn het lopende aftellen, voor beide gelijk. &lt;b&gt;Ctrl+P&lt;/b&gt; (STOP) stopt wie nog rijdt. &lt;b&gt;Ctrl+Z&lt;/b&gt; neemt de laatste
doorkomst van A terug, &lt;b&gt;Ctrl+Shift+Z&lt;/b&gt; die van B. Elke rijder krijgt een eigen wedstrijdbestand. &amp;bdquo;Grafik&amp;ldquo; toont de ronden van A en
de voorsprong van beide rijders op elke lijn.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Contact per rijder&lt;/b&gt;: A tussen DTR en DSR (pin&amp;nbsp;4 en 6), B tussen RTS en CTS
(pin&amp;nbsp;7 en 8), elk een handknop; elk contact is na het afgaan een seconde geblokkeerd, het andere
niet. &lt;b&gt;Contact per baan&lt;/b&gt;: een sensor per baan op de lijn, binnen op DSR, buiten op CTS; elke
doorkomst hoort bij de rijder die dan in die baan is. De rijders wisselen elke ronde van baan op het
kruisingsrechte eind. Kies &lt;b&gt;per baan, kruising voor de lijn&lt;/b&gt; als het kruisingsrechte eind tussen
de start en de eerste doorkomst ligt (de start ligt voor het kruisingsrechte eind): op de eerste lijn
is A dan al buiten en B binnen.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>InterruptedRaces</name>
    <message>
        <source>Ein Rennen wurde nicht zu Ende gebracht (Absturz, Stromausfall oder Programm abgebrochen); seine Zeiten sind erhalten, es ist jetzt als „unterbrochen“ gespeichert:</source>
        <translation>Een race is niet afgemaakt (crash, stroomstoring of programma afgebroken); de tijden zijn bewaard, de race is nu als &quot;unterbrochen&quot; (onderbroken) opgeslagen:</translation>
    </message>
    <message>
        <source>%1 Rennen wurden nicht zu Ende gebracht (Absturz, Stromausfall oder Programm abgebrochen); ihre Zeiten sind erhalten, sie sind jetzt als „unterbrochen“ gespeichert:</source>
        <translation>%1 races zijn niet afgemaakt (crash, stroomstoring of programma afgebroken); de tijden zijn bewaard, ze zijn nu als &quot;unterbrochen&quot; (onderbroken) opgeslagen:</translation>
    </message>
    <message>
        <source>Rennen vom %1, Start %2 – Durchgänge: %3</source>
        <translation>Race van %1, start %2 – doorkomsten: %3</translation>
    </message>
    <message>
        <source>… und %1 weitere</source>
        <translation>… en nog %1</translation>
    </message>
</context>
<context>
    <name>LapChart</name>
    <message>
        <source>in der Sollzeit</source>
        <translation>binnen de schematijd</translation>
    </message>
    <message>
        <source>über der Sollzeit</source>
        <translation>boven de schematijd</translation>
    </message>
    <message>
        <source>Rundenzeit</source>
        <translation>Rondetijd</translation>
    </message>
    <message>
        <source>Sollrundenzeit</source>
        <translation>Schema-rondetijd</translation>
    </message>
    <message>
        <source>Vorsprung/Rückstand</source>
        <translation>Voorsprong/achterstand</translation>
    </message>
    <message>
        <source>Runde</source>
        <translation>Ronde</translation>
    </message>
    <message>
        <source>Rundenzeit in s</source>
        <translation>Rondetijd in s</translation>
    </message>
    <message>
        <source>Vorsprung (+) / Rückstand (−) in s</source>
        <translation>Voorsprong (+) / achterstand (−) in s</translation>
    </message>
    <message>
        <source>Zusatz</source>
        <translation>Extra</translation>
    </message>
    <message>
        <source>Vergleich</source>
        <translation>Referentie</translation>
    </message>
</context>
<context>
    <name>LapChartPage</name>
    <message>
        <source>Die Grafik ist nicht installiert.</source>
        <translation>De grafiek is niet geïnstalleerd.</translation>
    </message>
</context>
<context>
    <name>LapColumns</name>
    <message>
        <source>Runden</source>
        <translation>Ronden</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Sollzeit</source>
        <translation>Schema</translation>
    </message>
    <message>
        <source>in Min:Sek</source>
        <translation>in min:sec</translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>RealZeit</source>
        <translation>Gereden</translation>
    </message>
    <message>
        <source>RealSollzeit</source>
        <translation>Totaal</translation>
    </message>
</context>
<context>
    <name>PairBoard</name>
    <message>
        <source>Runde von Läufer A (Strg+L)</source>
        <translation>Ronde van rijder A (Ctrl+L)</translation>
    </message>
    <message>
        <source>Runde von Läufer B (Strg+K)</source>
        <translation>Ronde van rijder B (Ctrl+K)</translation>
    </message>
    <message>
        <source>Läufer A</source>
        <translation>Rijder A</translation>
    </message>
    <message>
        <source>Läufer B</source>
        <translation>Rijder B</translation>
    </message>
</context>
<context>
    <name>PairTables</name>
    <message>
        <source>Läufer A</source>
        <translation>Rijder A</translation>
    </message>
    <message>
        <source>Läufer B</source>
        <translation>Rijder B</translation>
    </message>
</context>
<context>
    <name>PortFailure</name>
    <message>
        <source>Kein Zugriff auf %1 (Fehler %2): Sie sind nicht in der Gruppe „dialout“.</source>
        <translation>Geen toegang tot %1 (fout %2): u zit niet in de groep „dialout”.</translation>
    </message>
    <message>
        <source>Im Terminal eingeben: sudo adduser &quot;$USER&quot; dialout – dann ab- und wieder anmelden.</source>
        <translation>Typ in een terminal: sudo adduser &quot;$USER&quot; dialout – en meld u daarna af en weer aan.</translation>
    </message>
    <message>
        <source>Das System verweigert %1 (Fehler %2).</source>
        <translation>Het systeem weigert %1 (fout %2).</translation>
    </message>
    <message>
        <source>Die Rechte des Geräts prüfen: ls -l %1</source>
        <translation>Controleer de rechten van het apparaat: ls -l %1</translation>
    </message>
    <message>
        <source>%1 ist nicht da (Fehler %2).</source>
        <translation>%1 is er niet (fout %2).</translation>
    </message>
    <message>
        <source>Den Adapter einstecken; unter welchem Namen er kam, zeigt dmesg – diesen unter „Hardware:“ wählen.</source>
        <translation>Steek de adapter in; dmesg toont de naam die hij kreeg – kies die bij „Hardware:”.</translation>
    </message>
    <message>
        <source>Das Gerät an %1 ist weg (Fehler %2).</source>
        <translation>Het apparaat op %1 is weg (fout %2).</translation>
    </message>
    <message>
        <source>Den Adapter wieder einstecken; kam er unter einem anderen Namen (dmesg), diesen unter „Hardware:“ wählen.</source>
        <translation>Steek de adapter opnieuw in; kwam hij terug onder een andere naam (dmesg), kies die dan bij „Hardware:”.</translation>
    </message>
    <message>
        <source>DTR bleibt an %1 aus (Fehler %2): das Gerät kann den Kontakt nicht versorgen.</source>
        <translation>DTR blijft uit op %1 (fout %2): het apparaat kan het contact niet voeden.</translation>
    </message>
    <message>
        <source>Einen Adapter mit allen Modemleitungen (voller DB9-Stecker) verwenden.</source>
        <translation>Gebruik een adapter met alle modemlijnen (een volledige DB9-stekker).</translation>
    </message>
    <message>
        <source>%1 wird von einem anderen Programm benutzt (Fehler %2).</source>
        <translation>%1 wordt door een ander programma gebruikt (fout %2).</translation>
    </message>
    <message>
        <source>Das andere Programm beenden (welches, zeigt: fuser -v %1), dann den Port unter „Hardware:“ neu wählen.</source>
        <translation>Sluit het andere programma (welk, toont: fuser -v %1) en kies de poort daarna opnieuw bij „Hardware:”.</translation>
    </message>
    <message>
        <source>%1 ist kein serieller Port (Fehler %2).</source>
        <translation>%1 is geen seriële poort (fout %2).</translation>
    </message>
    <message>
        <source>Einen anderen Port unter „Hardware:“ wählen.</source>
        <translation>Kies een andere poort bij „Hardware:”.</translation>
    </message>
    <message>
        <source>Der Treiber von %1 kann nicht auf die Modemleitungen warten (Fehler %2).</source>
        <translation>Het stuurprogramma van %1 kan niet op de modemlijnen wachten (fout %2).</translation>
    </message>
    <message>
        <source>Einen anderen Adapter verwenden.</source>
        <translation>Gebruik een andere adapter.</translation>
    </message>
    <message>
        <source>%1 nimmt die Einstellungen nicht an (Fehler %2).</source>
        <translation>%1 aanvaardt de instellingen niet (fout %2).</translation>
    </message>
    <message>
        <source>Dem System fehlen Mittel, um %1 zu öffnen (Fehler %2).</source>
        <translation>Het systeem heeft niet genoeg middelen om %1 te openen (fout %2).</translation>
    </message>
    <message>
        <source>Nicht benötigte Programme beenden und den Port unter „Hardware:“ neu wählen.</source>
        <translation>Sluit programma&apos;s die u niet nodig hebt en kies de poort opnieuw bij „Hardware:”.</translation>
    </message>
    <message>
        <source>Den Adapter einstecken; welche Nummer er hat, zeigt der Geräte-Manager unter „Anschlüsse (COM &amp; LPT)“ – diese unter „Hardware:“ wählen.</source>
        <translation>Steek de adapter in; Apparaatbeheer toont zijn nummer onder „Poorten (COM &amp; LPT)” – kies dat bij „Hardware:”.</translation>
    </message>
    <message>
        <source>Das andere Programm beenden (ein Terminalprogramm, die Software des Adapters), dann den Port unter „Hardware:“ neu wählen.</source>
        <translation>Sluit het andere programma (een terminalprogramma, de software van de adapter) en kies de poort daarna opnieuw bij „Hardware:”.</translation>
    </message>
    <message>
        <source>Das Gerät an %1 ist weg oder antwortet nicht (Fehler %2).</source>
        <translation>Het apparaat op %1 is weg of antwoordt niet (fout %2).</translation>
    </message>
    <message>
        <source>Den Adapter wieder einstecken; bekam er eine andere Nummer (Geräte-Manager), diese unter „Hardware:“ wählen.</source>
        <translation>Steek de adapter opnieuw in; kreeg hij een ander nummer (Apparaatbeheer), kies dat dan bij „Hardware:”.</translation>
    </message>
    <message>
        <source>Der Treiber von %1 kann die Modemleitungen nicht so bedienen (Fehler %2).</source>
        <translation>Het stuurprogramma van %1 kan de modemlijnen niet zo bedienen (fout %2).</translation>
    </message>
    <message>
        <source>%1 ist die Konsole des Systems und wird nicht benutzt. Einen anderen Port unter „Hardware:“ wählen.</source>
        <translation>%1 is de console van het systeem en wordt niet gebruikt. Kies een andere poort bij „Hardware:”.</translation>
    </message>
    <message>
        <source>%1 wird von einem anderen Programm benutzt: %2 (Prozess %3). Dieses Programm beenden oder dort den Port schließen, dann den Port unter „Hardware:“ neu wählen.</source>
        <translation>%1 wordt door een ander programma gebruikt: %2 (proces %3). Sluit dat programma of de poort daarin en kies de poort daarna opnieuw bij „Hardware:”.</translation>
    </message>
    <message>
        <source>%1 wird von einem anderen Programm benutzt (Fehler %2). Das andere Programm beenden (welches, zeigt: fuser -v %1), dann den Port unter „Hardware:“ neu wählen.</source>
        <translation>%1 wordt door een ander programma gebruikt (fout %2). Sluit het andere programma (welk, toont: fuser -v %1) en kies de poort daarna opnieuw bij „Hardware:”.</translation>
    </message>
    <message>
        <source>%1 ist von einem anderen Programm gesperrt (Sperrdatei %2, Prozess %3). Dieses Programm beenden, dann den Port unter „Hardware:“ neu wählen.</source>
        <translation>%1 is door een ander programma vergrendeld (vergrendelbestand %2, proces %3). Sluit dat programma en kies de poort daarna opnieuw bij „Hardware:”.</translation>
    </message>
    <message>
        <source>Eine veraltete Sperrdatei von Benutzer %1 blockiert %2: %3 (Prozess %4 läuft nicht mehr; Fehler %5). Entfernen mit: sudo rm %3</source>
        <translation>Een verouderd vergrendelbestand van gebruiker %1 blokkeert %2: %3 (proces %4 draait niet meer; fout %5). Verwijderen met: sudo rm %3</translation>
    </message>
    <message>
        <source>%1 ist gesperrt: %2 ist keine lesbare Sperrdatei. Die Datei prüfen und entfernen: sudo rm %2</source>
        <translation>%1 is vergrendeld: %2 is geen leesbaar vergrendelbestand. Controleer het bestand en verwijder het: sudo rm %2</translation>
    </message>
    <message>
        <source>Die Sperrdatei %1 für %2 kann nicht angelegt werden (Fehler %3). Platz und Rechte des Ordners prüfen.</source>
        <translation>Het vergrendelbestand %1 voor %2 kan niet worden aangemaakt (fout %3). Controleer vrije ruimte en rechten van de map.</translation>
    </message>
    <message>
        <source>%1 kann nicht benutzt werden (Fehler %2).</source>
        <translation>%1 kan niet worden gebruikt (fout %2).</translation>
    </message>
    <message>
        <source>Den Port unter „Hardware:“ neu wählen; hilft das nicht, einen anderen Adapter verwenden.</source>
        <translation>Kies de poort opnieuw bij „Hardware:”; helpt dat niet, gebruik dan een andere adapter.</translation>
    </message>
</context>
<context>
    <name>QuitQuestion</name>
    <message>
        <source>Das Rennen läuft noch. Jetzt beenden? Die Zeiten bis hierher bleiben gespeichert, das Rennen gilt dann als „unterbrochen“.</source>
        <translation>De race loopt nog. Nu afsluiten? De tijden tot hier blijven opgeslagen; de race geldt dan als &quot;unterbrochen&quot; (onderbroken).</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Weiterlaufen</source>
        <translation>Doorgaan</translation>
    </message>
</context>
<context>
    <name>RaceExport</name>
    <message>
        <source>Exportieren</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>Es gibt noch kein Rennen: exportiert wird das Rennen ab START.</source>
        <translation>Er is nog geen race: geëxporteerd wordt de race vanaf START.</translation>
    </message>
    <message>
        <source>Rennen exportieren</source>
        <translation>Race exporteren</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>CSV-bestanden (*.csv)</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht geschrieben werden.

%1
%2</source>
        <translation>Het bestand kon niet worden geschreven.

%1
%2</translation>
    </message>
</context>
<context>
    <name>RaceFile</name>
    <message>
        <source>Erneut speichern</source>
        <translation>Opnieuw opslaan</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Rennen nicht gespeichert: %1 – %2
Die Zeiten stehen weiter im Fenster; beim nächsten Durchgang wird erneut gespeichert, „Exportieren…“ auf „Control“ speichert sie an einem anderen Ort.</source>
        <translation>Race niet opgeslagen: %1 – %2
De tijden staan nog in het venster; bij de volgende doorkomst wordt opnieuw opgeslagen, &quot;Exporteren…&quot; op &quot;Controle&quot; slaat ze op een andere plek op.</translation>
    </message>
</context>
<context>
    <name>RaceFileWriter</name>
    <message>
        <source>Der Ordner lässt sich nicht anlegen.</source>
        <translation>De map kan niet worden aangemaakt.</translation>
    </message>
    <message>
        <source>Alle Namen dieser Startzeit sind vergeben.</source>
        <translation>Alle namen voor deze starttijd zijn al in gebruik.</translation>
    </message>
</context>
<context>
    <name>RaceHistory</name>
    <message>
        <source>keine Renndatei</source>
        <translation>geen racebestand</translation>
    </message>
    <message>
        <source>unvollständig</source>
        <translation>onvolledig</translation>
    </message>
    <message>
        <source>Angabe „%1“ fehlt</source>
        <translation>„%1” ontbreekt</translation>
    </message>
    <message>
        <source>„%1“ nicht lesbar</source>
        <translation>„%1” is niet leesbaar</translation>
    </message>
    <message>
        <source>Zeit in Zeile %1 ist keine Zahl</source>
        <translation>tijd in rij %1 is geen getal</translation>
    </message>
    <message>
        <source>Zeit in Zeile %1 ist negativ</source>
        <translation>tijd in rij %1 is negatief</translation>
    </message>
    <message>
        <source>Zeit in Zeile %1 ist zu groß</source>
        <translation>tijd in rij %1 is te groot</translation>
    </message>
    <message>
        <source>Zeit in Zeile %1 liegt vor der Zeit darüber</source>
        <translation>tijd in rij %1 ligt vóór de tijd erboven</translation>
    </message>
    <message>
        <source>Rundenzeit in Zeile %1 passt nicht zu den Zeiten</source>
        <translation>rondetijd in rij %1 past niet bij de tijden</translation>
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
        <translation>Rijder:</translation>
    </message>
    <message>
        <source>Strecke:</source>
        <translation>Afstand:</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Als Vergleich</source>
        <translation>Als referentie</translation>
    </message>
    <message>
        <source>Alle</source>
        <translation>Alle</translation>
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
        <translation>Uitslagen…</translation>
    </message>
    <message>
        <source>Exportieren…</source>
        <translation>Exporteren…</translation>
    </message>
    <message>
        <source>Drucken…</source>
        <translation>Afdrukken…</translation>
    </message>
</context>
<context>
    <name>RaceHistoryModel</name>
    <message>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Läufer</source>
        <translation>Rijder</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Afstand</translation>
    </message>
    <message>
        <source>Runden</source>
        <translation>Ronden</translation>
    </message>
    <message>
        <source>Endzeit</source>
        <translation>Eindtijd</translation>
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
        <translation>loopt</translation>
    </message>
    <message>
        <source>beendet</source>
        <translation>gefinisht</translation>
    </message>
    <message>
        <source>abgebrochen</source>
        <translation>afgebroken</translation>
    </message>
    <message>
        <source>unterbrochen</source>
        <translation>onderbroken</translation>
    </message>
</context>
<context>
    <name>RacePrinter</name>
    <message>
        <source>Streckenlänge</source>
        <translation>Afstand</translation>
    </message>
    <message>
        <source>Rundenlänge</source>
        <translation>Rondelengte</translation>
    </message>
    <message>
        <source>Runden</source>
        <translation>Ronden</translation>
    </message>
    <message>
        <source>Zusätzliche Meter</source>
        <translation>Extra meters</translation>
    </message>
    <message>
        <source>Gesamtsekunden</source>
        <translation>Totaal seconden</translation>
    </message>
    <message>
        <source>Startzugabe</source>
        <translation>Starttoeslag</translation>
    </message>
    <message>
        <source>Rundenzeit</source>
        <translation>Rondetijd</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>beendet</source>
        <translation>gefinisht</translation>
    </message>
    <message>
        <source>läuft</source>
        <translation>loopt</translation>
    </message>
    <message>
        <source>Rundaro – Rennen vom %1, Start %2</source>
        <translation>Rundaro – race van %1, start %2</translation>
    </message>
    <message>
        <source>Rundaro – Rundenplan vom %1</source>
        <translation>Rundaro – rondeschema van %1</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Das Drucken steht nicht zur Verfügung: das Druckmodul fehlt.</source>
        <translation>Afdrukken is niet beschikbaar: de afdrukmodule ontbreekt.</translation>
    </message>
    <message>
        <source>Rundentabelle drucken</source>
        <translation>Rondetabel afdrukken</translation>
    </message>
    <message>
        <source>Der Drucker oder die Datei lässt sich nicht beschreiben.</source>
        <translation>Er kan niet naar de printer of het bestand worden geschreven.</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Pagina %1 van %2</translation>
    </message>
    <message>
        <source>abgebrochen</source>
        <translation>afgebroken</translation>
    </message>
    <message>
        <source>Läufer %1</source>
        <translation>Rijder %1</translation>
    </message>
</context>
<context>
    <name>RaceResults</name>
    <message>
        <source>Der Ordner %1 lässt sich nicht anlegen.</source>
        <translation>De map %1 kan niet worden aangemaakt.</translation>
    </message>
    <message>
        <source>Die Datei gibt es nicht mehr.</source>
        <translation>Het bestand bestaat niet meer.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Renndatei.</source>
        <translation>Het bestand is geen wedstrijdbestand.</translation>
    </message>
    <message>
        <source>läuft</source>
        <translation>loopt</translation>
    </message>
    <message>
        <source>beendet</source>
        <translation>gefinisht</translation>
    </message>
    <message>
        <source>abgebrochen</source>
        <translation>afgebroken</translation>
    </message>
    <message>
        <source>unterbrochen</source>
        <translation>onderbroken</translation>
    </message>
    <message>
        <source>Rundaro – Ergebnisse vom %1</source>
        <translation>Rundaro – uitslagen van %1</translation>
    </message>
</context>
<context>
    <name>RaceResultsDialog</name>
    <message>
        <source>Ergebnisse</source>
        <translation>Uitslagen</translation>
    </message>
    <message>
        <source>Tag:</source>
        <translation>Dag:</translation>
    </message>
    <message>
        <source>Namen ändern…</source>
        <translation>Naam wijzigen…</translation>
    </message>
    <message>
        <source>Entfernen</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Wiederherstellen</source>
        <translation>Terugzetten</translation>
    </message>
    <message>
        <source>Drucken…</source>
        <translation>Afdrukken…</translation>
    </message>
    <message>
        <source>Exportieren…</source>
        <translation>Exporteren…</translation>
    </message>
    <message>
        <source>Die Rennen werden gelesen …</source>
        <translation>De races worden gelezen …</translation>
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
        <translation>Geen race gekozen.</translation>
    </message>
    <message>
        <source>Das Rennen läuft noch.</source>
        <translation>De race loopt nog.</translation>
    </message>
    <message>
        <source>Ein entferntes Rennen wird erst wiederhergestellt.</source>
        <translation>Zet een verwijderde race eerst terug.</translation>
    </message>
    <message>
        <source>Kein entferntes Rennen gewählt.</source>
        <translation>Geen verwijderde race gekozen.</translation>
    </message>
    <message>
        <source>Namen ändern</source>
        <translation>Naam wijzigen</translation>
    </message>
    <message>
        <source>Läufer:</source>
        <translation>Rijder:</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Das Drucken steht nicht zur Verfügung: das Druckmodul fehlt.</source>
        <translation>Afdrukken is niet beschikbaar: de afdrukmodule ontbreekt.</translation>
    </message>
    <message>
        <source>Ergebnisse drucken</source>
        <translation>Uitslagen afdrukken</translation>
    </message>
    <message>
        <source>Der Drucker oder die Datei lässt sich nicht beschreiben.</source>
        <translation>Er kan niet naar de printer of het bestand worden geschreven.</translation>
    </message>
    <message>
        <source>Ergebnisse exportieren</source>
        <translation>Uitslagen exporteren</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>CSV-bestanden (*.csv)</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht geschrieben werden.

%1
%2</source>
        <translation>Het bestand kon niet worden geschreven.

%1
%2</translation>
    </message>
</context>
<context>
    <name>RaceResultsModel</name>
    <message>
        <source>entfernt</source>
        <translation>verwijderd</translation>
    </message>
    <message>
        <source>neu</source>
        <translation>nieuw</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Läufer</source>
        <translation>Rijder</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Afstand</translation>
    </message>
    <message>
        <source>Endzeit</source>
        <translation>Eindtijd</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Tagesbeste</source>
        <translation>Dagbeste</translation>
    </message>
    <message>
        <source>Bestzeit</source>
        <translation>Persoonlijk record</translation>
    </message>
</context>
<context>
    <name>RaceSummary</name>
    <message>
        <source>Läufer: %1</source>
        <translation>Rijder: %1</translation>
    </message>
    <message>
        <source>Endzeit: %1</source>
        <translation>Eindtijd: %1</translation>
    </message>
    <message>
        <source>Zeit: %1</source>
        <translation>Tijd: %1</translation>
    </message>
    <message>
        <source>Durchschnitt: %1 km/h</source>
        <translation>Gemiddeld: %1 km/h</translation>
    </message>
    <message>
        <source>Beste Runde: %1 s</source>
        <translation>Beste ronde: %1 s</translation>
    </message>
</context>
<context>
    <name>ScreenChoice</name>
    <message>
        <source>automatisch</source>
        <translation>automatisch</translation>
    </message>
    <message>
        <source>Bildschirm %1</source>
        <translation>Scherm %1</translation>
    </message>
    <message>
        <source> (nicht angeschlossen)</source>
        <translation> (niet aangesloten)</translation>
    </message>
</context>
<context>
    <name>SkaterField</name>
    <message>
        <source>Läufer</source>
        <translation>Rijder</translation>
    </message>
</context>
<context>
    <name>SpinButtons</name>
    <message>
        <source>Mehr</source>
        <translation>Meer</translation>
    </message>
    <message>
        <source>Weniger</source>
        <translation>Minder</translation>
    </message>
</context>
<context>
    <name>StoredRaceView</name>
    <message>
        <source>Zurück zum aktuellen Rennen</source>
        <translation>Terug naar de huidige race</translation>
    </message>
    <message>
        <source>Gespeichertes Rennen vom %1, Start %2</source>
        <translation>Opgeslagen race van %1, start %2</translation>
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
        <translation>Start de wedstrijdklok (Ctrl+S)</translation>
    </message>
    <message>
        <source>Runde</source>
        <translation>Ronde</translation>
    </message>
    <message>
        <source>Nimmt eine Runde (Strg+L)</source>
        <translation>Neemt een ronde (Ctrl+L)</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Hält die Rennuhr im Ziel an (Strg+P)</source>
        <translation>Stopt de wedstrijdklok bij de finish (Ctrl+P)</translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation>Terugzetten</translation>
    </message>
    <message>
        <source>Setzt die Uhr auf null (Strg+0)</source>
        <translation>Zet de klok op nul (Ctrl+0)</translation>
    </message>
    <message>
        <source>Noch zu laufende Runden</source>
        <translation>Nog te rijden ronden</translation>
    </message>
    <message>
        <source>Sekunden vor (plus) oder hinter (minus) dem Plan</source>
        <translation>Seconden voor (plus) of achter (min) op schema</translation>
    </message>
    <message>
        <source>Laufzeit 0 Min. 0 Sek.</source>
        <translation>Looptijd 0 min. 0 sec.</translation>
    </message>
    <message>
        <source>Laufende Rennzeit</source>
        <translation>Lopende wedstrijdtijd</translation>
    </message>
    <message>
        <source>Sollzeit einer Runde in Sekunden</source>
        <translation>Schematijd van één ronde in seconden</translation>
    </message>
    <message>
        <source>Geplante Durchschnittsgeschwindigkeit</source>
        <translation>Geplande gemiddelde snelheid</translation>
    </message>
    <message>
        <source>Streckenlänge in Metern</source>
        <translation>Afstand in meters</translation>
    </message>
    <message>
        <source>Rundenlänge in Metern</source>
        <translation>Rondelengte in meters</translation>
    </message>
    <message>
        <source>Anzahl Runden</source>
        <translation>Aantal ronden</translation>
    </message>
    <message>
        <source>Zusätzliche Meter vor der ersten Runde</source>
        <translation>Extra meters voor de eerste ronde</translation>
    </message>
    <message>
        <source>Sollzeit Minuten</source>
        <translation>Schematijd minuten</translation>
    </message>
    <message>
        <source>Sollzeit Sekunden</source>
        <translation>Schematijd seconden</translation>
    </message>
    <message>
        <source>Sollzeit in Gesamtsekunden</source>
        <translation>Schematijd in totaal seconden</translation>
    </message>
    <message>
        <source>Startzugabe in Sekunden</source>
        <translation>Starttoeslag in seconden</translation>
    </message>
    <message>
        <source>Sollgeschwindigkeit einer Runde in km/h</source>
        <translation>Schemasnelheid van één ronde in km/h</translation>
    </message>
    <message>
        <source>Durchschnittsgeschwindigkeit seit dem Start in km/h</source>
        <translation>Gemiddelde snelheid sinds de start in km/h</translation>
    </message>
    <message>
        <source>Rundentabelle</source>
        <translation>Rondetabel</translation>
    </message>
    <message>
        <source>Sollzeiten links, gemessene Runden rechts</source>
        <translation>Schematijden links, gemeten ronden rechts</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
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
        <translation>Controle</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuratie</translation>
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
        <translation>Starttoeslag:</translation>
    </message>
    <message>
        <source>Rundenzeit:</source>
        <translation>Rondetijd:</translation>
    </message>
    <message>
        <source>sek</source>
        <translation>sec</translation>
    </message>
    <message>
        <source>Runden:</source>
        <translation>Ronde:</translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>Exportieren…</source>
        <translation>Exporteren…</translation>
    </message>
    <message>
        <source>Durchschnitt  Geschwindigkeit:</source>
        <translation>Gemiddelde  snelheid:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Aan/Uit</translation>
    </message>
    <message>
        <source>Off/On</source>
        <translation>Uit/Aan</translation>
    </message>
    <message>
        <source>Hardware:</source>
        <translation>Hardware:</translation>
    </message>
    <message>
        <source>Algorithm:</source>
        <translation>Algoritme:</translation>
    </message>
    <message>
        <source>Ton</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Anzeige:</source>
        <translation>Scherm:</translation>
    </message>
    <message>
        <source>Letzte Runde groß</source>
        <translation>Laatste ronde groot</translation>
    </message>
    <message>
        <source>Ansage</source>
        <translation>Spraak</translation>
    </message>
    <message>
        <source>Sprache:</source>
        <translation>Taal:</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Lap</source>
        <translation>&amp;Ronde</translation>
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
        <translation>&amp;Afsluiten</translation>
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
        <translation>&amp;Volledig scherm</translation>
    </message>
    <message>
        <source>Runde &amp;zurücknehmen</source>
        <translation>Ronde &amp;terugnemen</translation>
    </message>
    <message>
        <source>Über Rundaro</source>
        <translation>Over Rundaro</translation>
    </message>
    <message>
        <source>Streckenlänge:</source>
        <translation>Afstand:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Rundenlänge:</source>
        <translation>Rondelengte:</translation>
    </message>
    <message>
        <source>Ergibt Runden:</source>
        <translation>Ronden:</translation>
    </message>
    <message>
        <source>Zusatzliche: </source>
        <translation>Extra: </translation>
    </message>
    <message>
        <source>Minuten:</source>
        <translation>Minuten:</translation>
    </message>
    <message>
        <source>Sekunden:</source>
        <translation>Seconden:</translation>
    </message>
    <message>
        <source>Gesamtsekunden:</source>
        <translation>Totaal seconden:</translation>
    </message>
    <message>
        <source>Laufzeit %1 Min. %2 Sek.</source>
        <translation>Looptijd %1 min. %2 sec.</translation>
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
        <translation>Grafiek</translation>
    </message>
    <message>
        <source>gilt ab dem nächsten Programmstart</source>
        <translation>geldt vanaf de volgende programmastart</translation>
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
        <translation>Vergelijking</translation>
    </message>
    <message>
        <source>&amp;Ergebnisse…</source>
        <translation>&amp;Uitslagen…</translation>
    </message>
    <message>
        <source>Tafel an der Linie</source>
        <translation>Bord bij de lijn</translation>
    </message>
    <message>
        <source>Paar</source>
        <translation>Paar</translation>
    </message>
    <message>
        <source>Zwei Läufer auf einer Uhr: A mit Strg+L und dem Kontakt an DSR, B mit Strg+K und dem Kontakt an CTS</source>
        <translation>Twee rijders op één klok: A met Ctrl+L en het contact op DSR, B met Ctrl+K en het contact op CTS</translation>
    </message>
    <message>
        <source>Runde Läufer B</source>
        <translation>Ronde van rijder B</translation>
    </message>
    <message>
        <source>Runde Läufer B zurücknehmen</source>
        <translation>Ronde van rijder B terugnemen</translation>
    </message>
    <message>
        <source>Läufer B</source>
        <translation>Rijder B</translation>
    </message>
    <message>
        <source>Kontakt je Läufer</source>
        <translation>Contact per rijder</translation>
    </message>
    <message>
        <source>Kontakt je Bahn</source>
        <translation>Contact per baan</translation>
    </message>
    <message>
        <source>je Bahn, Kreuzung vor der Linie</source>
        <translation>per baan, kruising voor de lijn</translation>
    </message>
</context>
<context>
    <name>TriggerStatus</name>
    <message>
        <source>Kontakt:
kein Port</source>
        <translation>Contact:
geen poort</translation>
    </message>
    <message>
        <source>Kein Port gewählt: Runden über Tastatur und Knöpfe</source>
        <translation>Geen poort gekozen: ronden via toetsenbord en knoppen</translation>
    </message>
    <message>
        <source>Kontakt bereit
%1</source>
        <translation>Contact gereed
%1</translation>
    </message>
    <message>
        <source>Bereit: %1</source>
        <translation>Gereed: %1</translation>
    </message>
    <message>
        <source>GETRENNT
%1
seit %2</source>
        <translation>ONTKOPPELD
%1
sinds %2</translation>
    </message>
    <message>
        <source>Getrennt seit %1: %2</source>
        <translation>Ontkoppeld sinds %1: %2</translation>
    </message>
    <message>
        <source> – wird wieder geöffnet, sobald das Gerät wieder da ist</source>
        <translation> – wordt weer geopend zodra het apparaat terug is</translation>
    </message>
    <message>
        <source>GETRENNT
%1
anderes Gerät</source>
        <translation>ONTKOPPELD
%1
ander apparaat</translation>
    </message>
    <message>
        <source>Getrennt seit %1: %2 – anderes Gerät</source>
        <translation>Ontkoppeld sinds %1: %2 – ander apparaat</translation>
    </message>
    <message>
        <source>: ein anderes Gerät steckt an diesem Port; es wird erst benutzt, wenn der Port in der Liste gewählt wird</source>
        <translation>: er zit een ander apparaat op deze poort; het wordt pas gebruikt als de poort in de lijst wordt gekozen</translation>
    </message>
    <message>
        <source>Kontakt-Fehler
%1</source>
        <translation>Contactfout
%1</translation>
    </message>
    <message>
        <source> – Fehler beim Auslösen: %1</source>
        <translation> – fout bij het activeren: %1</translation>
    </message>
    <message>
        <source> – %1</source>
        <translation> – %1</translation>
    </message>
    <message>
        <source> – Abfrage alle %1 ms</source>
        <translation> – elke %1 ms opgevraagd</translation>
    </message>
    <message>
        <source> – Kurze Unterbrechungen – Polarität prüfen</source>
        <translation> – Korte onderbrekingen – controleer de polariteit</translation>
    </message>
</context>
<context>
    <name>WholeFileWrite</name>
    <message>
        <source>Datenträger voll</source>
        <translation>schijf vol</translation>
    </message>
    <message>
        <source>Datenträger schreibgeschützt</source>
        <translation>schijf tegen schrijven beveiligd</translation>
    </message>
    <message>
        <source>keine Schreibberechtigung</source>
        <translation>geen schrijfrechten</translation>
    </message>
    <message>
        <source>Ordner nicht vorhanden</source>
        <translation>map bestaat niet</translation>
    </message>
    <message>
        <source>Schreibfehler auf dem Datenträger</source>
        <translation>schrijffout op de schijf</translation>
    </message>
</context>
</TS>
