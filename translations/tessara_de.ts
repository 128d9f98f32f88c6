<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Build</name>
    <message>
        <source>the circuit built does not compute what was asked; this is a fault of Tessara</source>
        <translation>die gebaute Schaltung berechnet nicht das Verlangte; das ist ein Fehler von Tessara</translation>
    </message>
    <message>
        <source>a table of more than %1 inputs cannot be built</source>
        <translation>aus einer Tabelle mit mehr als %1 Eingängen lässt sich nichts bauen</translation>
    </message>
    <message>
        <source>O%1 does not settle in every row, so no circuit computes it</source>
        <translation>O%1 kommt nicht in jeder Zeile zur Ruhe, also berechnet es keine Schaltung</translation>
    </message>
    <message>
        <source>the end of the line</source>
        <translation>das Zeilenende</translation>
    </message>
    <message>
        <source>expected =, found %1</source>
        <translation>= erwartet, %1 gefunden</translation>
    </message>
    <message>
        <source>expected an operator, found %1</source>
        <translation>Operator erwartet, %1 gefunden</translation>
    </message>
    <message>
        <source>a circuit holds no %1</source>
        <translation>eine Schaltung hat kein %1</translation>
    </message>
    <message>
        <source>%1 does not chain: put parentheses around one side</source>
        <translation>%1 lässt sich nicht verketten: setze eine Seite in Klammern</translation>
    </message>
    <message>
        <source>expected ), found %1</source>
        <translation>) erwartet, %1 gefunden</translation>
    </message>
    <message>
        <source>expected an input name or (, found %1</source>
        <translation>Eingangsname oder ( erwartet, %1 gefunden</translation>
    </message>
    <message>
        <source>%1 is a gate&apos;s name; only inputs can be built from</source>
        <translation>%1 ist der Name eines Gatters; gebaut wird nur aus Eingängen</translation>
    </message>
    <message>
        <source>O%1 is given twice</source>
        <translation>O%1 ist zweimal angegeben</translation>
    </message>
    <message>
        <source>column %1: %2</source>
        <translation>Spalte %1: %2</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>no expression to build</source>
        <translation>kein Ausdruck zum Bauen</translation>
    </message>
    <message>
        <source>O%1 has no expression</source>
        <translation>O%1 hat keinen Ausdruck</translation>
    </message>
    <message>
        <source>this circuit needs %1 columns of gates; the canvas holds %2</source>
        <translation>diese Schaltung braucht %1 Spalten mit Gattern; die Zeichenfläche fasst %2</translation>
    </message>
    <message>
        <source>this circuit needs %1 places in one column; the canvas holds %2</source>
        <translation>diese Schaltung braucht %1 Plätze in einer Spalte; die Zeichenfläche fasst %2</translation>
    </message>
    <message>
        <source>this circuit&apos;s links find no way between its gates</source>
        <translation>die Verbindungen dieser Schaltung finden keinen Weg zwischen ihren Gattern</translation>
    </message>
    <message>
        <source>this circuit needs %1 links; a circuit holds %2</source>
        <translation>diese Schaltung braucht %1 Verbindungen; eine Schaltung fasst %2</translation>
    </message>
    <message>
        <source>this circuit needs %1 places; a circuit holds %2</source>
        <translation>diese Schaltung braucht %1 Plätze; eine Schaltung fasst %2</translation>
    </message>
    <message>
        <source>more than %1 parentheses and negations in one line</source>
        <translation>mehr als %1 Klammern und Verneinungen in einer Zeile</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>Checked against %1</source>
        <translation>Verglichen mit %1</translation>
    </message>
    <message>
        <source>✓</source>
        <translation>✓</translation>
    </message>
    <message>
        <source>expected %1</source>
        <translation>erwartet %1</translation>
    </message>
    <message>
        <source>All %1 rows match</source>
        <translation>Alle %1 Zeilen stimmen</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 rows differ</source>
        <translation>
            <numerusform>%n von %1 Zeilen weicht ab</numerusform>
            <numerusform>%n von %1 Zeilen weichen ab</numerusform>
        </translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Vergleichen mit</translation>
    </message>
    <message>
        <source>Checked in the Timeline: this answer is a sequence</source>
        <translation>Wird in der Zeitleiste geprüft: diese Antwort ist eine Folge</translation>
    </message>
    <message>
        <source>Row %1 (step %2): expected %3, got %4</source>
        <translation>Zeile %1 (Schritt %2): erwartet %3, erhalten %4</translation>
    </message>
    <message>
        <source>Row %1 (step %2): matches</source>
        <translation>Zeile %1 (Schritt %2): stimmt</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>power up</source>
        <translation>einschalten</translation>
    </message>
    <message>
        <source>Save changes to the circuit?</source>
        <translation>Änderungen an der Schaltung speichern?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Error: You must start with an output<byte value="xd"/>
</source>
        <translation>Fehler: Du musst bei einem Ausgang beginnen<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Error: You must finish with an input<byte value="xd"/>
</source>
        <translation>Fehler: Du musst bei einem Eingang enden<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Error: Click on the gates</source>
        <translation>Fehler: Klicke auf die Gatter</translation>
    </message>
    <message>
        <source>Error: The circuit has no room for another gate</source>
        <translation>Fehler: In der Schaltung ist kein Platz für ein weiteres Gatter</translation>
    </message>
    <message>
        <source>Error: The circuit has no room for another link</source>
        <translation>Fehler: In der Schaltung ist kein Platz für eine weitere Verbindung</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;:
%2</source>
        <translation>„%1“ kann nicht geöffnet werden:
%2</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;:
%2</source>
        <translation>„%1“ kann nicht gespeichert werden:
%2</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Einschalten</translation>
    </message>
    <message>
        <source>Power Down</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <source>Expected answers</source>
        <translation>Erwartete Antworten</translation>
    </message>
    <message>
        <source>Circuits</source>
        <translation>Schaltungen</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>PNG-Bild</translation>
    </message>
    <message>
        <source>SVG picture</source>
        <translation>SVG-Bild</translation>
    </message>
    <message>
        <source>Comma-separated values</source>
        <translation>Kommagetrennte Werte</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 gibt es schon. Ersetzen?</translation>
    </message>
    <message>
        <source>Replace File</source>
        <translation>Datei ersetzen</translation>
    </message>
    <message>
        <source>Tessara closed without saving. Recover the circuit from %1?</source>
        <translation>Tessara wurde ohne Speichern beendet. Die Schaltung von %1 wiederherstellen?</translation>
    </message>
    <message>
        <source>Recover Circuit</source>
        <translation>Schaltung wiederherstellen</translation>
    </message>
    <message>
        <source>PNG picture, twice the size</source>
        <translation>PNG-Bild, doppelte Größe</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF-Dokument</translation>
    </message>
    <message numerus="yes">
        <source>Discard the recovered circuit for good? It holds %n gate(s).</source>
        <translation>
            <numerusform>Die wiederhergestellte Schaltung endgültig verwerfen? Sie enthält %n Gatter.</numerusform>
            <numerusform>Die wiederhergestellte Schaltung endgültig verwerfen? Sie enthält %n Gatter.</numerusform>
        </translation>
    </message>
    <message>
        <source>Discard Circuit</source>
        <translation>Schaltung verwerfen</translation>
    </message>
</context>
<context>
    <name>ElementPools</name>
    <message>
        <source>cross</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>link</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>AND</source>
        <translation>AND</translation>
    </message>
    <message>
        <source>NAND</source>
        <translation>NAND</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>OR</translation>
    </message>
    <message>
        <source>NOR</source>
        <translation>NOR</translation>
    </message>
    <message>
        <source>NOT</source>
        <translation>NOT</translation>
    </message>
    <message>
        <source>XOR</source>
        <translation>XOR</translation>
    </message>
    <message>
        <source>input</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <source>output</source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>Select and move</source>
        <translation>Auswählen und verschieben</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>AND gate</source>
        <translation>AND-Gatter</translation>
    </message>
    <message>
        <source>NAND gate</source>
        <translation>NAND-Gatter</translation>
    </message>
    <message>
        <source>OR gate</source>
        <translation>OR-Gatter</translation>
    </message>
    <message>
        <source>NOR gate</source>
        <translation>NOR-Gatter</translation>
    </message>
    <message>
        <source>NOT gate</source>
        <translation>NOT-Gatter</translation>
    </message>
    <message>
        <source>XOR gate</source>
        <translation>XOR-Gatter</translation>
    </message>
    <message>
        <source>Circuit input</source>
        <translation>Schaltungseingang</translation>
    </message>
    <message>
        <source>Circuit output</source>
        <translation>Schaltungsausgang</translation>
    </message>
</context>
<context>
    <name>Explanation</name>
    <message>
        <source>%1 = %2 at step %3</source>
        <translation>%1 = %2 bei Schritt %3</translation>
    </message>
    <message>
        <source>step %1: %2 = %3 at power-up</source>
        <translation>Schritt %1: %2 = %3 beim Einschalten</translation>
    </message>
    <message>
        <source>step %1: %2 = %3 at the first kept step</source>
        <translation>Schritt %1: %2 = %3 beim ersten aufbewahrten Schritt</translation>
    </message>
    <message>
        <source>step %1: %2 became %3: toggled</source>
        <translation>Schritt %1: %2 wurde %3: umgeschaltet</translation>
    </message>
    <message>
        <source>step %1: %2 became %3: %4</source>
        <translation>Schritt %1: %2 wurde %3: %4</translation>
    </message>
    <message>
        <source>input %1 = %2 from %3 at step %4</source>
        <translation>Eingang %1 = %2 von %3 bei Schritt %4</translation>
    </message>
    <message>
        <source>input %1 = %2, not linked</source>
        <translation>Eingang %1 = %2, nicht verbunden</translation>
    </message>
    <message>
        <source>input %1 = %2 from a bend with no gate before it</source>
        <translation>Eingang %1 = %2 von einem Knick ohne Gatter davor</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>... %1 more</source>
        <translation>... %1 weitere</translation>
    </message>
    <message>
        <source>%1 = %2 from %3 at step %4</source>
        <translation>%1 = %2 von %3 bei Schritt %4</translation>
    </message>
    <message>
        <source>%1 = %2, not linked</source>
        <translation>%1 = %2, nicht verbunden</translation>
    </message>
    <message>
        <source>%1 = %2 from a bend with no gate before it</source>
        <translation>%1 = %2 von einem Knick ohne Gatter davor</translation>
    </message>
</context>
<context>
    <name>Expressions</name>
    <message>
        <source>%1 = formula too long to write (over %2 characters)</source>
        <translation>%1 = Formel zu lang zum Schreiben (über %2 Zeichen)</translation>
    </message>
    <message>
        <source>%1  (feedback through %2)</source>
        <translation>%1  (Rückkopplung über %2)</translation>
    </message>
    <message>
        <source>%1 minimal = minimal form not computed above %2 inputs</source>
        <translation>%1 minimal = Minimalform wird über %2 Eingängen nicht berechnet</translation>
    </message>
    <message>
        <source>%1 minimal = not a function: %1 oscillates</source>
        <translation>%1 minimal = keine Funktion: %1 schwingt</translation>
    </message>
    <message>
        <source>%1 minimal = not a function: %1 oscillates in rows %2</source>
        <translation>%1 minimal = keine Funktion: %1 schwingt in den Zeilen %2</translation>
    </message>
    <message>
        <source>%1 minimal = %2</source>
        <translation>%1 minimal = %2</translation>
    </message>
    <message>
        <source>%1  (smallest found, not proved minimal)</source>
        <translation>%1  (kleinste gefundene, nicht als minimal bewiesen)</translation>
    </message>
    <message>
        <source>%1  (%2 feeds back)</source>
        <translation>%1  (%2 ist rückgekoppelt)</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>cannot write the file</source>
        <translation>die Datei lässt sich nicht schreiben</translation>
    </message>
    <message>
        <source>not a Tessara circuit file</source>
        <translation>keine Tessara-Schaltungsdatei</translation>
    </message>
    <message>
        <source>cannot read: %1</source>
        <translation>Lesen nicht möglich: %1</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>Öffnen nicht möglich: %1</translation>
    </message>
    <message>
        <source>cannot open: not a regular file</source>
        <translation>Öffnen nicht möglich: keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1 (nor a table: a table starts with a header like &apos;I1 I2 | O1&apos;)</source>
        <translation>%1 (auch keine Tabelle: Eine Tabelle beginnt mit einer Kopfzeile wie &apos;I1 I2 | O1&apos;)</translation>
    </message>
    <message>
        <source>cannot replace: %1</source>
        <translation>Ersetzen nicht möglich: %1</translation>
    </message>
    <message>
        <source>cannot replace: not a regular file</source>
        <translation>Ersetzen nicht möglich: keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>cannot create: %1</source>
        <translation>Anlegen nicht möglich: %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>Schreiben nicht möglich: %1</translation>
    </message>
    <message>
        <source>no table: the text holds no header line</source>
        <translation>keine Tabelle: Der Text enthält keine Kopfzeile</translation>
    </message>
    <message>
        <source>expected a header like &apos;I1 I2 | O1&apos;</source>
        <translation>erwartet wird eine Kopfzeile wie &apos;I1 I2 | O1&apos;</translation>
    </message>
    <message>
        <source>more than %1 inputs</source>
        <translation>mehr als %1 Eingänge</translation>
    </message>
    <message>
        <source>a row needs a &apos;|&apos; between inputs and outputs</source>
        <translation>eine Zeile braucht ein &apos;|&apos; zwischen Eingängen und Ausgängen</translation>
    </message>
    <message>
        <source>expected %1 input values (0 or 1) and %2 output values (0, 1, ~ or X)</source>
        <translation>erwartet werden %1 Eingangswerte (0 oder 1) und %2 Ausgangswerte (0, 1, ~ oder X)</translation>
    </message>
    <message>
        <source>a second row for inputs %1 (the first is on line %2)</source>
        <translation>eine zweite Zeile für die Eingänge %1 (die erste steht in Zeile %2)</translation>
    </message>
    <message>
        <source>no row for inputs %1; rows may be left out only under the line &quot;%2&quot;</source>
        <translation>keine Zeile für die Eingänge %1; Zeilen dürfen nur unter der Zeile &quot;%2&quot; fehlen</translation>
    </message>
    <message>
        <source>the file ends early</source>
        <translation>die Datei endet zu früh</translation>
    </message>
    <message>
        <source>a quoted field has no closing quote</source>
        <translation>einem Feld in Anführungszeichen fehlt das schließende Anführungszeichen</translation>
    </message>
    <message>
        <source>unexpected text after the quoted field %1</source>
        <translation>unerwarteter Text nach dem Feld in Anführungszeichen %1</translation>
    </message>
    <message>
        <source>expected #TRUE# or #FALSE#, found %1</source>
        <translation>erwartet wird #TRUE# oder #FALSE#, gefunden: %1</translation>
    </message>
    <message>
        <source>expected a number, found %1</source>
        <translation>erwartet wird eine Zahl, gefunden: %1</translation>
    </message>
    <message>
        <source>the number %1 is out of range</source>
        <translation>die Zahl %1 liegt außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>expected a whole number, found %1</source>
        <translation>erwartet wird eine ganze Zahl, gefunden: %1</translation>
    </message>
    <message>
        <source>the number %1 does not fit an Integer (%2 to %3)</source>
        <translation>die Zahl %1 passt nicht in einen Integer (%2 bis %3)</translation>
    </message>
    <message>
        <source>the number %1 does not fit a Long (%2 to %3)</source>
        <translation>die Zahl %1 passt nicht in einen Long (%2 bis %3)</translation>
    </message>
    <message>
        <source>the number %1 does not fit a Single</source>
        <translation>die Zahl %1 passt nicht in einen Single</translation>
    </message>
    <message>
        <source>%1 %2 is outside 0 to %3</source>
        <translation>%1 %2 liegt nicht zwischen 0 und %3</translation>
    </message>
    <message>
        <source>%1 inputs; a truth table takes at most %2</source>
        <translation>%1 Eingänge; eine Wahrheitstabelle hat höchstens %2</translation>
    </message>
    <message>
        <source>expected %1 input cell, found %2</source>
        <translation>%1 Eingangszelle erwartet, %2 gefunden</translation>
    </message>
    <message>
        <source>expected %1 input cells, found %2</source>
        <translation>%1 Eingangszellen erwartet, %2 gefunden</translation>
    </message>
    <message>
        <source>expected %1 output cell, found %2</source>
        <translation>%1 Ausgangszelle erwartet, %2 gefunden</translation>
    </message>
    <message>
        <source>expected %1 output cells, found %2</source>
        <translation>%1 Ausgangszellen erwartet, %2 gefunden</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no input cell (0, 1 or C)</source>
        <translation>„%1“ ist keine Eingangszelle (0, 1 oder C)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no output cell (0, 1, ~ or X)</source>
        <translation>„%1“ ist keine Ausgangszelle (0, 1, ~ oder X)</translation>
    </message>
    <message>
        <source>a sequence starts with the word &apos;sequence&apos;</source>
        <translation>eine Folge beginnt mit dem Wort „sequence“</translation>
    </message>
    <message>
        <source>no rows: a sequence needs a row after its header</source>
        <translation>keine Zeilen: eine Folge braucht nach ihrer Kopfzeile eine Zeile</translation>
    </message>
    <message>
        <source>the name ends in no picture suffix (.png, .svg or .pdf)</source>
        <translation>der Name endet nicht auf eine Bildendung (.png, .svg oder .pdf)</translation>
    </message>
</context>
<context>
    <name>GettingStarted</name>
    <message>
        <source>&lt;b&gt;Place.&lt;/b&gt; Choose a gate on the left (its name and key show when the pointer rests on it), then click the canvas. Circuit inputs go to the column on the left, outputs to the right.</source>
        <translation>&lt;b&gt;Platzieren.&lt;/b&gt; Links ein Gatter wählen (Name und Taste erscheinen, wenn der Zeiger darauf ruht), dann auf die Zeichenfläche klicken. Schaltungseingänge kommen in die linke Spalte, Ausgänge in die rechte.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Link.&lt;/b&gt; Choose the link tool, press a gate&apos;s output half, then another gate&apos;s input half. Press the canvas on the way to bend the link.</source>
        <translation>&lt;b&gt;Verbinden.&lt;/b&gt; Das Verbindungswerkzeug wählen, auf die Ausgangshälfte eines Gatters drücken, dann auf die Eingangshälfte eines anderen. Ein Druck auf die Zeichenfläche unterwegs knickt die Verbindung.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Power.&lt;/b&gt; Press Power up: every gate shows its value, 0 or 1, beside it. The values stay through Power down and up.</source>
        <translation>&lt;b&gt;Strom.&lt;/b&gt; Auf „einschalten“ drücken: Jedes Gatter zeigt seinen Wert, 0 oder 1, daneben. Die Werte bleiben beim Aus- und Wiedereinschalten erhalten.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Toggle.&lt;/b&gt; Click a circuit input to switch it between 0 and 1.</source>
        <translation>&lt;b&gt;Umschalten.&lt;/b&gt; Auf einen Schaltungseingang klicken, um ihn zwischen 0 und 1 umzuschalten.</translation>
    </message>
    <message>
        <source>&lt;b&gt;prop.&lt;/b&gt; Press prop (or P) to move every signal one step on; each gate adds one step.</source>
        <translation>&lt;b&gt;prop.&lt;/b&gt; Auf prop (oder P) drücken, um jedes Signal einen Schritt weiterzuschalten; jedes Gatter fügt einen Schritt hinzu.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ask why.&lt;/b&gt; While powered, click the 0 or 1 beside a gate: the Why window says why it shows that value.</source>
        <translation>&lt;b&gt;Nach dem Warum fragen.&lt;/b&gt; Bei eingeschaltetem Strom auf die 0 oder 1 neben einem Gatter klicken: Das Warum-Fenster erklärt, warum es diesen Wert zeigt.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Check.&lt;/b&gt; Options &gt; Truth Table lists every combination of inputs; Compare With... checks each row against an answer from your teacher. File &gt; Open Example... opens circuits to try.</source>
        <translation>&lt;b&gt;Prüfen.&lt;/b&gt; Optionen &gt; Wahrheitstabelle listet jede Kombination der Eingänge; Vergleichen mit... prüft jede Zeile gegen eine Lösung Ihrer Lehrkraft. Datei &gt; Beispiel öffnen... öffnet Schaltungen zum Ausprobieren.</translation>
    </message>
</context>
<context>
    <name>Grading</name>
    <message>
        <source>expected %1 inputs and %2 outputs, found %3 inputs and %4 outputs</source>
        <translation>erwartet %1 Eingänge und %2 Ausgänge, gefunden %3 Eingänge und %4 Ausgänge</translation>
    </message>
</context>
<context>
    <name>Keyboard</name>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Umschalt+Tab</translation>
    </message>
    <message>
        <source>Move between the palette, the canvas, the trash can, Power and prop</source>
        <translation>Zwischen Palette, Zeichenfläche, Papierkorb, Einschalter und prop wechseln</translation>
    </message>
    <message>
        <source>Arrows on the palette</source>
        <translation>Pfeiltasten in der Palette</translation>
    </message>
    <message>
        <source>Choose the tool in that direction</source>
        <translation>Das Werkzeug in dieser Richtung wählen</translation>
    </message>
    <message>
        <source>Arrows</source>
        <translation>Pfeiltasten</translation>
    </message>
    <message>
        <source>Shift+Arrows</source>
        <translation>Umschalt+Pfeiltasten</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Arrows</source>
        <translation>Strg+Umschalt+Pfeiltasten</translation>
    </message>
    <message>
        <source>1 to 0</source>
        <translation>1 bis 0</translation>
    </message>
    <message>
        <source>Choose the tools in the palette&apos;s order: cross, link, AND, NAND, OR, NOR, NOT, XOR, input, output</source>
        <translation>Die Werkzeuge in der Reihenfolge der Palette wählen: Kreuz, Verbindung, AND, NAND, OR, NOR, NOT, XOR, Eingang, Ausgang</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Place the chosen tool&apos;s gate at the cross-hair; while a link is drawn, end it at the focused gate&apos;s first free input; while moving, put the gate down</source>
        <translation>Das Gatter des gewählten Werkzeugs am Fadenkreuz platzieren; beim Zeichnen einer Verbindung diese am ersten freien Eingang des fokussierten Gatters beenden; beim Verschieben das Gatter absetzen</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Toggle the focused input while powered</source>
        <translation>Den fokussierten Eingang bei eingeschalteter Schaltung umschalten</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Turn the focused gate a quarter</source>
        <translation>Das fokussierte Gatter um eine Vierteldrehung drehen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>Delete the focused gate with its links, or the link through the focused bend</source>
        <translation>Das fokussierte Gatter mit seinen Verbindungen löschen oder die Verbindung durch den fokussierten Knick</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Move the focused gate or bend: arrows carry it, Enter puts it down</source>
        <translation>Das fokussierte Gatter oder den fokussierten Knick verschieben: Pfeiltasten tragen es, Eingabe setzt es ab</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>Start a link at the focused gate&apos;s output, with the link tool</source>
        <translation>Mit dem Verbindungswerkzeug eine Verbindung am Ausgang des fokussierten Gatters beginnen</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Bend the link being drawn at the cross-hair</source>
        <translation>Die gerade gezeichnete Verbindung am Fadenkreuz knicken</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>prop: advance every signal one step</source>
        <translation>prop: jedes Signal einen Schritt weiterschalten</translation>
    </message>
    <message>
        <source>Enter, Space or Delete on the trash can</source>
        <translation>Eingabe, Leertaste oder Entf auf dem Papierkorb</translation>
    </message>
    <message>
        <source>Delete the gate or bend focused on the canvas</source>
        <translation>Das Gatter oder den Knick löschen, der auf der Zeichenfläche im Fokus ist</translation>
    </message>
    <message>
        <source>Focus the nearest gate or bend in that direction; while a link is drawn, the nearest gate it can end at; while moving, carry the gate 5 pixels</source>
        <translation>Das nächste Gatter oder den nächsten Knick in dieser Richtung fokussieren; beim Zeichnen einer Verbindung das nächste Gatter, an dem sie enden kann; beim Verschieben das Gatter um 5 Pixel tragen</translation>
    </message>
    <message>
        <source>Move the cross-hair (and a gate being moved) 5 pixels</source>
        <translation>Das Fadenkreuz (und ein Gatter, das verschoben wird) um 5 Pixel bewegen</translation>
    </message>
    <message>
        <source>Move the cross-hair (and a gate being moved) 1 pixel</source>
        <translation>Das Fadenkreuz (und ein Gatter, das verschoben wird) um 1 Pixel bewegen</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Step Back</source>
        <translation>Schritt zurück</translation>
    </message>
    <message>
        <source>Step Forward</source>
        <translation>Schritt vor</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Laufen lassen</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Zeitleiste</translation>
    </message>
    <message>
        <source>Truth Table</source>
        <translation>Wahrheitstabelle</translation>
    </message>
    <message>
        <source>Colour Wires</source>
        <translation>Leitungen färben</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Show Problems</source>
        <translation>Probleme zeigen</translation>
    </message>
    <message>
        <source>Cancel the link being drawn or the gate being moved</source>
        <translation>Gezeichnete Verbindung oder Verschieben abbrechen</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Open Example...</source>
        <translation>Beispiel öffnen...</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>Erste Schritte</translation>
    </message>
    <message>
        <source>Export Picture...</source>
        <translation>Bild exportieren...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>New From Expression...</source>
        <translation>Neu aus Ausdruck...</translation>
    </message>
</context>
<context>
    <name>PictureActions</name>
    <message>
        <source>Copy as Picture</source>
        <translation>Als Bild kopieren</translation>
    </message>
    <message>
        <source>Save Picture...</source>
        <translation>Bild speichern...</translation>
    </message>
</context>
<context>
    <name>Repeats</name>
    <message>
        <source>repeats every %1 steps from step %2</source>
        <translation>wiederholt sich alle %1 Schritte ab Schritt %2</translation>
    </message>
    <message>
        <source>settled at step %1</source>
        <translation>stabil ab Schritt %1</translation>
    </message>
    <message numerus="yes">
        <source>no repeat within %n step(s)</source>
        <translation>
            <numerusform>keine Wiederholung innerhalb von %n Schritt</numerusform>
            <numerusform>keine Wiederholung innerhalb von %n Schritten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>settles after %n step(s)</source>
        <translation>
            <numerusform>stabil nach %n Schritt</numerusform>
            <numerusform>stabil nach %n Schritten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Riddles</name>
    <message>
        <source>Riddle</source>
        <translation>Rätsel</translation>
    </message>
    <message>
        <source>What goes around and around all day long, but always straight ahead</source>
        <translation>Was dreht sich den ganzen Tag im Kreis und fährt doch immer geradeaus?</translation>
    </message>
    <message>
        <source>Joke</source>
        <translation>Witz</translation>
    </message>
    <message>
        <source>How do you tell when a lawyer is lieing?  His lips are moving.</source>
        <translation>Woran erkennt man, dass ein Anwalt lügt?  Seine Lippen bewegen sich.</translation>
    </message>
    <message>
        <source>Why was the AND gate never invited to parties?  It only said yes when everyone else did.</source>
        <translation>Warum wurde das AND-Gatter nie zu Partys eingeladen?  Es sagte nur ja, wenn alle anderen auch ja sagten.</translation>
    </message>
    <message>
        <source>More of me is hidden then is seen. I am light than what I am made of</source>
        <translation>Von mir ist mehr verborgen als zu sehen. Ich bin leichter als das, woraus ich bestehe.</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>output %1</source>
        <translation>Ausgang %1</translation>
    </message>
    <message>
        <source>inputs from %1</source>
        <translation>Eingänge von %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>input from %1</source>
        <translation>Eingang von %1</translation>
    </message>
    <message>
        <source>drives %1</source>
        <translation>steuert %1</translation>
    </message>
    <message>
        <source>%1 gate %2</source>
        <translation>%1-Gatter %2</translation>
    </message>
    <message>
        <source>input %1</source>
        <translation>Eingang %1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>bend in the link from %1 to %2</source>
        <translation>Knick in der Verbindung von %1 nach %2</translation>
    </message>
    <message>
        <source>1 gate</source>
        <translation>1 Gatter</translation>
    </message>
    <message>
        <source>%1 gates</source>
        <translation>%1 Gatter</translation>
    </message>
    <message>
        <source>1 input</source>
        <translation>1 Eingang</translation>
    </message>
    <message>
        <source>%1 inputs</source>
        <translation>%1 Eingänge</translation>
    </message>
    <message>
        <source>1 output</source>
        <translation>1 Ausgang</translation>
    </message>
    <message>
        <source>%1 outputs</source>
        <translation>%1 Ausgänge</translation>
    </message>
    <message>
        <source>circuit: %1, %2, %3, not powered</source>
        <translation>Schaltung: %1, %2, %3, ausgeschaltet</translation>
    </message>
    <message>
        <source>circuit: %1, %2, %3, powered, step %4</source>
        <translation>Schaltung: %1, %2, %3, eingeschaltet, Schritt %4</translation>
    </message>
</context>
<context>
    <name>TimelineWindow</name>
    <message numerus="yes">
        <source>%n step(s)/s</source>
        <translation>
            <numerusform>%n Schritt/s</numerusform>
            <numerusform>%n Schritte/s</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
</context>
<context>
    <name>Warnings</name>
    <message>
        <source>%1 input %2 is not linked</source>
        <translation>%1: Eingang %2 ist nicht verbunden</translation>
    </message>
    <message>
        <source>%1 input %2 is linked more than once</source>
        <translation>%1: Eingang %2 ist mehrfach verbunden</translation>
    </message>
    <message>
        <source>%1 drives nothing</source>
        <translation>%1 steuert nichts</translation>
    </message>
    <message>
        <source>%1 has orientation %2, outside 0..3</source>
        <translation>%1 hat die Ausrichtung %2, außerhalb von 0..3</translation>
    </message>
    <message>
        <source>link %1 starts at empty slot %2</source>
        <translation>Verbindung %1 beginnt an leerem Platz %2</translation>
    </message>
    <message>
        <source>link %1 ends at empty slot %2</source>
        <translation>Verbindung %1 endet an leerem Platz %2</translation>
    </message>
    <message>
        <source>link %1 is marked as starting at a node, but slot %2 holds %3</source>
        <translation>Verbindung %1 soll an einem Knoten beginnen, aber Platz %2 enthält %3</translation>
    </message>
    <message>
        <source>link %1 is marked as ending at a node, but slot %2 holds %3</source>
        <translation>Verbindung %1 soll an einem Knoten enden, aber Platz %2 enthält %3</translation>
    </message>
    <message>
        <source>%1: its %2 is not linked</source>
        <translation>%1: sein %2 ist nicht verbunden</translation>
    </message>
    <message>
        <source>%1: its %2 is linked more than once</source>
        <translation>%1: sein %2 ist mehrfach verbunden</translation>
    </message>
    <message>
        <source>%1: its output drives nothing</source>
        <translation>%1: sein Ausgang steuert nichts</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>input</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <source>left input</source>
        <translation>linker Eingang</translation>
    </message>
    <message>
        <source>upper input</source>
        <translation>oberer Eingang</translation>
    </message>
    <message>
        <source>right input</source>
        <translation>rechter Eingang</translation>
    </message>
    <message>
        <source>lower input</source>
        <translation>unterer Eingang</translation>
    </message>
</context>
<context>
    <name>tessara::app::AboutWindow</name>
    <message>
        <source>About MyApp</source>
        <translation>Über MyApp</translation>
    </message>
    <message>
        <source>Version: 1.0</source>
        <translation>Version: 1.0</translation>
    </message>
    <message>
        <source>This program is meant for learning about logic.   </source>
        <translation>Dieses Programm ist zum Lernen von Logik gedacht.</translation>
    </message>
    <message>
        <source>Gate pictures drawn by Tessara</source>
        <translation>Gatterbilder gezeichnet von Tessara</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tessara::app::BuildDialog</name>
    <message>
        <source>New From Expression</source>
        <translation>Neu aus Ausdruck</translation>
    </message>
    <message>
        <source>Build Circuit</source>
        <translation>Schaltung bauen</translation>
    </message>
    <message>
        <source>A circuit of each output&apos;s minimal sum of products, opened as a new circuit.</source>
        <translation>Eine Schaltung aus der minimalen Summe von Produkten jedes Ausgangs, als neue Schaltung geöffnet.</translation>
    </message>
    <message>
        <source>Any gates</source>
        <translation>Beliebige Gatter</translation>
    </message>
    <message>
        <source>NAND only</source>
        <translation>Nur NAND</translation>
    </message>
    <message>
        <source>NOR only</source>
        <translation>Nur NOR</translation>
    </message>
    <message>
        <source>Gates:</source>
        <translation>Gatter:</translation>
    </message>
    <message>
        <source>Building...</source>
        <translation>Wird gebaut...</translation>
    </message>
</context>
<context>
    <name>tessara::app::CanvasPanel</name>
    <message>
        <source>Inputs</source>
        <translation>Eing.</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Ausg.</translation>
    </message>
    <message>
        <source>Untitled circuit</source>
        <translation>Unbenannte Schaltung</translation>
    </message>
    <message>
        <source>Choose a gate on the left, then click here</source>
        <translation>Links ein Gatter wählen, dann hier klicken</translation>
    </message>
</context>
<context>
    <name>tessara::app::ElementPools</name>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>trash can</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>Deletes the gate or bend focused on the canvas</source>
        <translation>Löscht das Gatter oder den Knick, der auf der Zeichenfläche im Fokus ist</translation>
    </message>
    <message>
        <source>Trash can: drop a gate here to delete it</source>
        <translation>Papierkorb: ein Gatter hierher ziehen, um es zu löschen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entf</translation>
    </message>
</context>
<context>
    <name>tessara::app::ExpressionsView</name>
    <message>
        <source>Working out the expressions...</source>
        <translation>Ausdrücke werden berechnet...</translation>
    </message>
</context>
<context>
    <name>tessara::app::GettingStarted</name>
    <message>
        <source>Tessara - Getting Started</source>
        <translation>Tessara - Erste Schritte</translation>
    </message>
</context>
<context>
    <name>tessara::app::KarnaughPanel</name>
    <message>
        <source>A Karnaugh map needs 2 to 4 inputs and an output; the circuit has %1 inputs and %2 outputs.</source>
        <translation>Ein KV-Diagramm braucht 2 bis 4 Eingänge und einen Ausgang; die Schaltung hat %1 Eingänge und %2 Ausgänge.</translation>
    </message>
</context>
<context>
    <name>tessara::app::KeyboardHelp</name>
    <message>
        <source>Tessara - Keyboard</source>
        <translation>Tessara - Tastatur</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>Was sie tun</translation>
    </message>
</context>
<context>
    <name>tessara::app::MainWindow</name>
    <message>
        <source>prop</source>
        <translation>prop</translation>
    </message>
    <message>
        <source>Power: switch the circuit on or off (Tab to it, then Space)</source>
        <translation>Strom: die Schaltung ein- oder ausschalten (mit Tab hierher, dann Leertaste)</translation>
    </message>
    <message>
        <source>prop: advance every signal one step</source>
        <translation>prop: jedes Signal einen Schritt weiterschalten</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
</context>
<context>
    <name>tessara::app::TimelineView</name>
    <message>
        <source>timeline</source>
        <translation>Zeitleiste</translation>
    </message>
    <message>
        <source>step %1: %2</source>
        <translation>Schritt %1: %2</translation>
    </message>
</context>
<context>
    <name>tessara::app::TimelineWindow</name>
    <message>
        <source>Tessara - Timeline</source>
        <translation>Tessara - Zeitleiste</translation>
    </message>
    <message>
        <source>Step Back</source>
        <translation>Schritt zurück</translation>
    </message>
    <message>
        <source>Step Forward</source>
        <translation>Schritt vor</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Laufen lassen</translation>
    </message>
    <message>
        <source>Save Picture...</source>
        <translation>Bild speichern...</translation>
    </message>
    <message>
        <source>Save Values...</source>
        <translation>Werte speichern...</translation>
    </message>
    <message>
        <source>No run</source>
        <translation>Kein Lauf</translation>
    </message>
    <message>
        <source>Power up to record a run.</source>
        <translation>Schalte ein, um einen Lauf aufzuzeichnen.</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Schritt %1 von %2</translation>
    </message>
    <message>
        <source>steps 0 to %1 dropped: the timeline keeps the last %2 steps</source>
        <translation>Schritte 0 bis %1 verworfen: Die Zeitleiste behält die letzten %2 Schritte</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>Rows of the sequence</source>
        <translation>Zeilen der Folge</translation>
    </message>
    <message>
        <source>Play Sequence</source>
        <translation>Folge abspielen</translation>
    </message>
</context>
<context>
    <name>tessara::app::TruthTableWindow</name>
    <message>
        <source>Run</source>
        <translation>Ablauf</translation>
    </message>
    <message>
        <source>Tessara - Truth Table</source>
        <translation>Tessara - Wahrheitstabelle</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>The circuit has %1 inputs; a truth table takes at most %2.</source>
        <translation>Die Schaltung hat %1 Eingänge; eine Wahrheitstabelle erlaubt höchstens %2.</translation>
    </message>
    <message>
        <source>The circuit has no inputs and no outputs.</source>
        <translation>Die Schaltung hat keine Eingänge und keine Ausgänge.</translation>
    </message>
    <message>
        <source>The circuit has no inputs.</source>
        <translation>Die Schaltung hat keine Eingänge.</translation>
    </message>
    <message>
        <source>The circuit has no outputs.</source>
        <translation>Die Schaltung hat keine Ausgänge.</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Erwartet</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Karnaugh Map</source>
        <translation>KV-Diagramm</translation>
    </message>
    <message>
        <source>Compare With...</source>
        <translation>Vergleichen mit...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>row %1 of %2</source>
        <translation>Zeile %1 von %2</translation>
    </message>
    <message>
        <source>Build Circuit...</source>
        <translation>Schaltung bauen...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Stopped. An edit, or the window opened again, computes the table anew.</source>
        <translation>Angehalten. Eine Änderung oder das erneute Öffnen des Fensters berechnet die Tabelle neu.</translation>
    </message>
</context>
<context>
    <name>tessara::app::WhyWindow</name>
    <message>
        <source>Tessara - Why</source>
        <translation>Tessara - Warum</translation>
    </message>
    <message>
        <source>While powered, click a gate&apos;s value (0 or 1) to ask why it holds it.</source>
        <translation>Klicke bei eingeschalteter Schaltung auf den Wert eines Gatters (0 oder 1), um zu fragen, warum es ihn hat.</translation>
    </message>
</context>
</TS>
