<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AdaptiveDrill</name>
    <message>
        <source>First a few tasks for every finger, to see where each one stands.</source>
        <translation>Zuerst ein paar Aufgaben für jeden Finger, um zu sehen, wo jeder steht.</translation>
    </message>
    <message>
        <source>A quarter of an hour of practice: time for a short break.</source>
        <translation>Eine Viertelstunde geübt: Zeit für eine kurze Pause.</translation>
    </message>
    <message>
        <source>pace %1 s</source>
        <translation>Tempo %1 s</translation>
    </message>
    <message>
        <source>the left %1</source>
        <translation>der linke %1</translation>
    </message>
    <message>
        <source>the right %1</source>
        <translation>der rechte %1</translation>
    </message>
    <message>
        <source>Weakest now: %1.</source>
        <translation>Jetzt am schwächsten: %1.</translation>
    </message>
    <message>
        <source>Most improved: %1, %2 ms faster on right strikes and fewer wrong strikes.</source>
        <translation>Am meisten verbessert: %1, %2 ms schneller bei richtigen Anschlägen und weniger falsche Anschläge.</translation>
    </message>
    <message>
        <source>Most improved: %1, %2 ms faster on right strikes.</source>
        <translation>Am meisten verbessert: %1, %2 ms schneller bei richtigen Anschlägen.</translation>
    </message>
    <message>
        <source>Most improved: %1, fewer wrong strikes.</source>
        <translation>Am meisten verbessert: %1, weniger falsche Anschläge.</translation>
    </message>
</context>
<context>
    <name>CalibrationDialog</name>
    <message>
        <source>Calibrate the metronome</source>
        <translation>Metronom einmessen</translation>
    </message>
    <message>
        <source>Headphones and loudspeakers can sound later than the program sends the clicks. Press Start: %1 clicks count you in, then tap any finger key along with the next %2 clicks, just as you hear them. The median of how late your taps come is the offset; the clicks are then sent that much earlier.</source>
        <translation>Kopfhörer und Lautsprecher können später klingen, als das Programm die Klicks abschickt. Drücke Start: %1 Klicks zählen dich ein, dann tippe mit einer beliebigen Fingertaste zu den nächsten %2 Klicks, genau wenn du sie hörst. Der Median davon, wie spät deine Tipper kommen, ist der Versatz; die Klicks werden dann um so viel früher abgeschickt.</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Reset to 0 ms</source>
        <translation>Auf 0 ms zu&amp;rücksetzen</translation>
    </message>
    <message>
        <source>Press Start when you are ready.</source>
        <translation>Drücke Start, wenn du bereit bist.</translation>
    </message>
    <message>
        <source>&amp;Start again</source>
        <translation>&amp;Neu beginnen</translation>
    </message>
    <message>
        <source>OK sets the offset back to 0 ms.</source>
        <translation>OK setzt den Versatz auf 0 ms zurück.</translation>
    </message>
    <message>
        <source>Listen...</source>
        <translation>Hör zu...</translation>
    </message>
    <message>
        <source>Listen: %1 of %2</source>
        <translation>Hör zu: %1 von %2</translation>
    </message>
    <message>
        <source>Tap along: %1 of %2 (taps so far: %3)</source>
        <translation>Tippe mit: %1 von %2 (Tipper bisher: %3)</translation>
    </message>
    <message>
        <source>Only %1 taps came near a click; %2 are needed. The offset stays at %3 ms. Press Start to try again.</source>
        <translation>Nur %1 Tipper kamen in die Nähe eines Klicks; %2 sind nötig. Der Versatz bleibt bei %3 ms. Drücke Start, um es noch einmal zu versuchen.</translation>
    </message>
    <message>
        <source>Offset found: %1 ms, from %2 taps (%3 too far from a click). OK keeps it.</source>
        <translation>Gefundener Versatz: %1 ms, aus %2 Tippern (%3 zu weit von einem Klick). OK behält ihn.</translation>
    </message>
    <message>
        <source>There is no sound output, so there are no clicks to tap along with.</source>
        <translation>Es gibt keine Tonausgabe, also keine Klicks zum Mittippen.</translation>
    </message>
    <message>
        <source>Offset in use: %1 ms</source>
        <translation>Versatz in Gebrauch: %1 ms</translation>
    </message>
</context>
<context>
    <name>ChosenClickTrack</name>
    <message>
        <source>The metronome&apos;s MIDI port %1 cannot be opened: the clicks come from the sound card.</source>
        <translation>Der MIDI-Anschluss %1 des Metronoms lässt sich nicht öffnen: Die Klicks kommen von der Soundkarte.</translation>
    </message>
</context>
<context>
    <name>DataLink</name>
    <message>
        <source>%1 is not an exercise database</source>
        <translation>%1 ist keine Übungsdatenbank</translation>
    </message>
    <message>
        <source>the exercise database %1 is damaged</source>
        <translation>die Übungsdatenbank %1 ist beschädigt</translation>
    </message>
    <message>
        <source>the exercise database %1 cannot be read</source>
        <translation>die Übungsdatenbank %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the exercise database %1 is missing</source>
        <translation>die Übungsdatenbank %1 fehlt</translation>
    </message>
    <message>
        <source>the exercise database %1 is empty</source>
        <translation>die Übungsdatenbank %1 ist leer</translation>
    </message>
    <message>
        <source>the exercise database %1 cannot be opened</source>
        <translation>die Übungsdatenbank %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the exercise database %1 has no table %2</source>
        <translation>in der Übungsdatenbank %1 fehlt die Tabelle %2</translation>
    </message>
</context>
<context>
    <name>ExerciseWindow</name>
    <message>
        <source>Result: %1 points, saved in %2</source>
        <translation>Ergebnis: %1 Punkte, gespeichert in %2</translation>
    </message>
    <message>
        <source>Press Del or Test &gt; Start, then play the finger shown for each hand</source>
        <translation>Drücke Entf oder Training &gt; Start und spiele dann mit jeder Hand den angezeigten Finger</translation>
    </message>
</context>
<context>
    <name>FingerRangeDialog</name>
    <message>
        <source>Left hand finger combinations</source>
        <translation>Fingerkombinationen der linken Hand</translation>
    </message>
    <message>
        <source>Right hand finger combinations</source>
        <translation>Fingerkombinationen der rechten Hand</translation>
    </message>
</context>
<context>
    <name>FormAdaptive</name>
    <message>
        <source>Choose number of tasks</source>
        <translation>Anzahl der Aufgaben wählen</translation>
    </message>
    <message>
        <source>Choose number of tasks for each hand from list :</source>
        <translation>Anzahl der Aufgaben für jede Hand aus der Liste wählen:</translation>
    </message>
    <message>
        <source>Choose number of minutes</source>
        <translation>Anzahl der Minuten wählen</translation>
    </message>
    <message>
        <source>Choose how many minutes the exercise lasts :</source>
        <translation>Wähle, wie viele Minuten die Übung dauert:</translation>
    </message>
    <message>
        <source>Select the level to begin at</source>
        <translation>Stufe für den Anfang wählen</translation>
    </message>
</context>
<context>
    <name>FormMemory</name>
    <message>
        <source>Select level for the test</source>
        <translation>Stufe für den Test wählen</translation>
    </message>
    <message>
        <source>The memory test cannot be used: %1.

The other exercises still work.</source>
        <translation>Der Gedächtnistest kann nicht verwendet werden: %1.

Die anderen Übungen funktionieren weiterhin.</translation>
    </message>
</context>
<context>
    <name>FormRhythm</name>
    <message>
        <source>count in: %1</source>
        <translation>Einzählen: %1</translation>
    </message>
    <message>
        <source>%1 ms early on average</source>
        <translation>im Mittel %1 ms zu früh</translation>
    </message>
    <message>
        <source>%1 ms late on average</source>
        <translation>im Mittel %1 ms zu spät</translation>
    </message>
    <message>
        <source>on the beat on average</source>
        <translation>im Mittel genau auf dem Schlag</translation>
    </message>
    <message>
        <source>spread %1 ms</source>
        <translation>Streuung %1 ms</translation>
    </message>
    <message>
        <source>%1 % of the notes right</source>
        <translation>%1 % der Noten richtig</translation>
    </message>
    <message>
        <source>%1 bpm</source>
        <translation>%1 bpm</translation>
    </message>
    <message>
        <source>best clean: %1</source>
        <translation>bestes sauberes: %1</translation>
    </message>
    <message>
        <source>without the click %1 ms early</source>
        <translation>ohne Klick %1 ms zu früh</translation>
    </message>
    <message>
        <source>without the click %1 ms late</source>
        <translation>ohne Klick %1 ms zu spät</translation>
    </message>
    <message>
        <source>without the click on the beat</source>
        <translation>ohne Klick auf dem Schlag</translation>
    </message>
    <message>
        <source>touch varies %1 %</source>
        <translation>Anschlag schwankt %1 %</translation>
    </message>
    <message>
        <source>pulled to the other hand %1 of 100</source>
        <translation>zur anderen Hand gezogen: %1 von 100</translation>
    </message>
    <message>
        <source>The metronome is calibrated between exercises: let this one end first.</source>
        <translation>Das Metronom wird zwischen den Übungen eingemessen: Lass diese erst zu Ende gehen.</translation>
    </message>
</context>
<context>
    <name>HandNames</name>
    <message>
        <source>%1 %2</source>
        <comment>the hand (%1), then the finger (%2)</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>L</source>
        <comment>the left hand, in a chart label</comment>
        <translation>L</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>of a finger</comment>
        <translation>Linker</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>the hand on its own</comment>
        <translation>Links</translation>
    </message>
    <message>
        <source>Left hand</source>
        <translation>Linke Hand</translation>
    </message>
    <message>
        <source>R</source>
        <comment>the right hand, in a chart label</comment>
        <translation>R</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>of a finger</comment>
        <translation>Rechter</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>the hand on its own</comment>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Right hand</source>
        <translation>Rechte Hand</translation>
    </message>
    <message>
        <source>index</source>
        <comment>short, in a heading</comment>
        <translation>Zeige</translation>
    </message>
    <message>
        <source>index finger</source>
        <translation>Zeigefinger</translation>
    </message>
    <message>
        <source>left</source>
        <comment>of a finger, in a sentence</comment>
        <translation>linker</translation>
    </message>
    <message>
        <source>left</source>
        <comment>the hand, in a sentence</comment>
        <translation>linke</translation>
    </message>
    <message>
        <source>little</source>
        <comment>short, in a heading</comment>
        <translation>klein</translation>
    </message>
    <message>
        <source>little finger</source>
        <translation>kleiner Finger</translation>
    </message>
    <message>
        <source>middle</source>
        <comment>short, in a heading</comment>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>middle finger</source>
        <translation>Mittelfinger</translation>
    </message>
    <message>
        <source>right</source>
        <comment>of a finger, in a sentence</comment>
        <translation>rechter</translation>
    </message>
    <message>
        <source>right</source>
        <comment>the hand, in a sentence</comment>
        <translation>rechte</translation>
    </message>
    <message>
        <source>ring</source>
        <comment>short, in a heading</comment>
        <translation>Ring</translation>
    </message>
    <message>
        <source>ring finger</source>
        <translation>Ringfinger</translation>
    </message>
    <message>
        <source>thumb</source>
        <translation>Daumen</translation>
    </message>
    <message>
        <source>thumb</source>
        <comment>short, in a heading</comment>
        <translation>Daumen</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Moravel Help</source>
        <translation>Moravel-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vor</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>The practice history %1 cannot be read, and it could not be set aside; practice is not recorded.</source>
        <translation>Der Übungsverlauf %1 kann nicht gelesen und auch nicht beiseitegelegt werden; das Üben wird nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>The practice history could not be read. It was set aside as %1, and a new history was started.</source>
        <translation>Der Übungsverlauf konnte nicht gelesen werden. Er wurde als %1 beiseitegelegt, und ein neuer Verlauf wurde begonnen.</translation>
    </message>
    <message>
        <source>The practice history %1 was written by a newer version of Moravel. It is shown, but nothing is added to it.</source>
        <translation>Der Übungsverlauf %1 stammt von einer neueren Version von Moravel. Er wird angezeigt, aber nichts wird hinzugefügt.</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>its folder is read-only</source>
        <translation>ihr Ordner ist schreibgeschützt</translation>
    </message>
    <message>
        <source>The practice history %1 can only be read (%2). It is shown, but practice is not being recorded.</source>
        <translation>Der Übungsverlauf %1 kann nur gelesen werden (%2). Er wird angezeigt, aber dein Üben wird nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>The practice history %1 is in use by another program. Practice is not being recorded; close the other program and start Moravel again.</source>
        <translation>Der Übungsverlauf %1 wird gerade von einem anderen Programm benutzt. Dein Üben wird nicht aufgezeichnet; schließe das andere Programm und starte Moravel neu.</translation>
    </message>
    <message>
        <source>The practice history %1 cannot be opened (%2). Practice is not being recorded.</source>
        <translation>Der Übungsverlauf %1 kann nicht geöffnet werden (%2). Dein Üben wird nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>The practice history is in use by another program. Your practice is kept and will be written when it is free.</source>
        <translation>Der Übungsverlauf wird gerade von einem anderen Programm benutzt. Dein Üben bleibt erhalten und wird eingetragen, sobald er frei ist.</translation>
    </message>
    <message>
        <source>The disk of the practice history is full. Your practice is kept and will be written when there is room.</source>
        <translation>Der Datenträger des Übungsverlaufs ist voll. Dein Üben bleibt erhalten und wird eingetragen, sobald wieder Platz ist.</translation>
    </message>
    <message>
        <source>The practice history has become read-only. Your practice is kept and will be written when it can be.</source>
        <translation>Der Übungsverlauf kann nur noch gelesen werden. Dein Üben bleibt erhalten und wird eingetragen, sobald es wieder geht.</translation>
    </message>
    <message>
        <source>The practice history is damaged. Your practice is kept and goes into a new history at the next start.</source>
        <translation>Der Übungsverlauf ist beschädigt. Dein Üben bleibt erhalten und kommt beim nächsten Start in einen neuen Übungsverlauf.</translation>
    </message>
    <message>
        <source>The practice history cannot be written just now. Your practice is kept and will be written when it can be.</source>
        <translation>In den Übungsverlauf kann gerade nicht geschrieben werden. Dein Üben bleibt erhalten und wird eingetragen, sobald es wieder geht.</translation>
    </message>
</context>
<context>
    <name>KeyCheck</name>
    <message>
        <source>All ten</source>
        <translation>Alle zehn</translation>
    </message>
    <message>
        <source>%1, finger %2 (%3)</source>
        <translation>%1, Finger %2 (%3)</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Schritt %1 von %2</translation>
    </message>
    <message>
        <source>Hold the five keys of your left hand (%1) down together, then let go and press Next step.</source>
        <translation>Halte die fünf Tasten deiner linken Hand (%1) gleichzeitig gedrückt, lass sie dann los und drücke „Nächster Schritt“.</translation>
    </message>
    <message>
        <source>Hold the five keys of your right hand (%1) down together, then let go and press Next step.</source>
        <translation>Halte die fünf Tasten deiner rechten Hand (%1) gleichzeitig gedrückt, lass sie dann los und drücke „Nächster Schritt“.</translation>
    </message>
    <message>
        <source>Hold all ten keys down together, then let go and press Next step.</source>
        <translation>Halte alle zehn Tasten gleichzeitig gedrückt, lass sie dann los und drücke „Nächster Schritt“.</translation>
    </message>
    <message>
        <source>The check is done. Press Start again to check once more.</source>
        <translation>Die Prüfung ist fertig. Drücke „Neu beginnen“, um noch einmal zu prüfen.</translation>
    </message>
    <message>
        <source>Held together now: %1 of %2. Most at once: %3 of %2.</source>
        <translation>Jetzt gleichzeitig gehalten: %1 von %2. Höchstens auf einmal: %3 von %2.</translation>
    </message>
    <message>
        <source>%1: no keys were held, so nothing was checked.</source>
        <translation>%1: Es wurden keine Tasten gehalten, daher wurde nichts geprüft.</translation>
    </message>
    <message>
        <source>%1: all %2 keys came through together.</source>
        <translation>%1: Alle %2 Tasten kamen gleichzeitig an.</translation>
    </message>
    <message>
        <source>%1: the keyboard reported at most %2 of %3 keys at once; lost: %4. Keys pressed together may not count in a drill on this keyboard.</source>
        <translation>%1: Die Tastatur meldete höchstens %2 von %3 Tasten auf einmal; verloren: %4. Gleichzeitig gedrückte Tasten zählen bei einer Übung auf dieser Tastatur vielleicht nicht.</translation>
    </message>
    <message>
        <source>A step without keys held tells nothing: press Start again to try it.</source>
        <translation>Ein Schritt ohne gehaltene Tasten sagt nichts: Drücke „Neu beginnen“, um es zu versuchen.</translation>
    </message>
    <message>
        <source>This keyboard reports all ten finger keys at once: a drill counts every key you strike.</source>
        <translation>Diese Tastatur meldet alle zehn Fingertasten auf einmal: Eine Übung zählt jede Taste, die du anschlägst.</translation>
    </message>
    <message>
        <source>The other key layout (Options &gt; Keyboard) or another keyboard may report more keys at once; a MIDI keyboard has no such limit.</source>
        <translation>Die andere Tastenbelegung (Optionen &gt; Tastatur) oder eine andere Tastatur meldet vielleicht mehr Tasten auf einmal; ein MIDI-Keyboard hat keine solche Grenze.</translation>
    </message>
</context>
<context>
    <name>KeyCheckDialog</name>
    <message>
        <source>Check keys</source>
        <translation>Tasten prüfen</translation>
    </message>
    <message>
        <source>Press the finger keys (%1): each key lights while the keyboard reports it held. A note from a MIDI keyboard lights its finger too.</source>
        <translation>Drücke die Fingertasten (%1): Jede Taste leuchtet, solange die Tastatur sie als gedrückt meldet. Auch eine Note von einem MIDI-Keyboard lässt ihren Finger leuchten.</translation>
    </message>
    <message>
        <source>no numeric keypad</source>
        <translation>ohne Ziffernblock</translation>
    </message>
    <message>
        <source>numeric keypad</source>
        <translation>Ziffernblock</translation>
    </message>
    <message>
        <source>Keys held together</source>
        <translation>Gleichzeitig gehaltene Tasten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Start again</source>
        <translation>&amp;Neu beginnen</translation>
    </message>
    <message>
        <source>&amp;Next step</source>
        <translation>&amp;Nächster Schritt</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;color:#777&quot;&gt;The result of each step shows here.&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;color:#777&quot;&gt;Hier erscheint das Ergebnis jedes Schritts.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Num Lock: unknown</source>
        <translation>Num-Taste: unbekannt</translation>
    </message>
    <message>
        <source>Num Lock: press any key to see</source>
        <translation>Num-Taste: zum Anzeigen eine beliebige Taste drücken</translation>
    </message>
    <message>
        <source>Num Lock: on</source>
        <translation>Num-Taste: an</translation>
    </message>
    <message>
        <source>Num Lock: off</source>
        <translation>Num-Taste: aus</translation>
    </message>
    <message>
        <source>Strikes a drill would count: %1</source>
        <translation>Anschläge, die eine Übung zählen würde: %1</translation>
    </message>
    <message>
        <source>; the last: %1</source>
        <translation>; der letzte: %1</translation>
    </message>
</context>
<context>
    <name>KeyCheckPicture</name>
    <message>
        <source>finger %1</source>
        <translation>Finger %1</translation>
    </message>
    <message>
        <source>held</source>
        <translation>gedrückt</translation>
    </message>
</context>
<context>
    <name>KeyMap</name>
    <message>
        <source>No numeric keypad</source>
        <translation>Ohne Ziffernblock</translation>
    </message>
    <message>
        <source>Numeric keypad</source>
        <translation>Ziffernblock</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Bild ab</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Num</translation>
    </message>
    <message>
        <source>Alt Gr</source>
        <translation>Alt Gr</translation>
    </message>
</context>
<context>
    <name>KeyboardDialog</name>
    <message>
        <source>Left hand, little finger to thumb: %1
Right hand, thumb to little finger: %2</source>
        <translation>Linke Hand, kleiner Finger bis Daumen: %1
Rechte Hand, Daumen bis kleiner Finger: %2</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Which keys do your fingers play?</source>
        <translation>Welche Tasten spielen deine Finger?</translation>
    </message>
    <message>
        <source>The keys are found by where they sit, so every keyboard layout (QWERTZ, AZERTY, Dvorak) plays the same.</source>
        <translation>Die Tasten werden nach ihrer Lage erkannt, daher spielt jede Tastaturbelegung (QWERTZ, AZERTY, Dvorak) gleich.</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>left hand :</source>
        <translation>linke Hand :</translation>
    </message>
    <message>
        <source>right hand :</source>
        <translation>rechte Hand :</translation>
    </message>
    <message>
        <source>Left hand - score :</source>
        <translation>Linke Hand - Punkte :</translation>
    </message>
    <message>
        <source>Right hand - score :</source>
        <translation>Rechte Hand - Punkte :</translation>
    </message>
    <message>
        <source>Total score :</source>
        <translation>Gesamt :</translation>
    </message>
    <message>
        <source>Random test</source>
        <translation>Zufallstest</translation>
    </message>
    <message>
        <source>Sequential    exercise :</source>
        <translation>Sequenzübung :</translation>
    </message>
    <message>
        <source>Memory test</source>
        <translation>Gedächtnistest</translation>
    </message>
    <message>
        <source>End of exercise</source>
        <translation>Ende der Übung</translation>
    </message>
    <message>
        <source>MEMORIZE</source>
        <translation>EINPRÄGEN</translation>
    </message>
    <message>
        <source>REPEAT</source>
        <translation>WIEDERHOLEN</translation>
    </message>
    <message>
        <source>Adaptive drill</source>
        <translation>Anpassendes Training</translation>
    </message>
    <message>
        <source>Rhythm</source>
        <translation>Rhythmus</translation>
    </message>
</context>
<context>
    <name>LevelDialog</name>
    <message>
        <source>Absolute beginner</source>
        <translation>Blutiger Anfänger</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Fortgeschritten</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erfahren</translation>
    </message>
    <message>
        <source>Pro</source>
        <translation>Profi</translation>
    </message>
</context>
<context>
    <name>MemoryDrill</name>
    <message>
        <source>the table %1 of the exercise database %2 has no rows</source>
        <translation>die Tabelle %1 der Übungsdatenbank %2 hat keine Zeilen</translation>
    </message>
    <message>
        <source>the table %1 of the exercise database %2 has no task columns</source>
        <translation>die Tabelle %1 der Übungsdatenbank %2 hat keine Aufgabenspalten</translation>
    </message>
    <message>
        <source>The memory test cannot start: %1.</source>
        <translation>Der Gedächtnistest kann nicht beginnen: %1.</translation>
    </message>
</context>
<context>
    <name>MenuLayout</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Ra&amp;ndom</source>
        <translation>Zu&amp;fall</translation>
    </message>
    <message>
        <source>Se&amp;quential exercises</source>
        <translation>Se&amp;quenzübungen</translation>
    </message>
    <message>
        <source>&amp;Memory exercises</source>
        <translation>&amp;Gedächtnisübungen</translation>
    </message>
    <message>
        <source>&amp;Preschool</source>
        <translation>&amp;Vorschule</translation>
    </message>
    <message>
        <source>Ra&amp;ndom exercises</source>
        <translation>Zu&amp;fallsübungen</translation>
    </message>
    <message>
        <source>&amp;Memory exercise</source>
        <translation>&amp;Gedächtnisübung</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;View results</source>
        <translation>&amp;Ergebnisse ansehen</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Statistik</translation>
    </message>
    <message>
        <source>&amp;Choose exercise</source>
        <translation>Übung &amp;wählen</translation>
    </message>
    <message>
        <source>&amp;Number of tasks</source>
        <translation>&amp;Anzahl der Aufgaben</translation>
    </message>
    <message>
        <source>N&amp;umber of sequences</source>
        <translation>A&amp;nzahl der Folgen</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Stufe</translation>
    </message>
    <message>
        <source>&amp;Left hand combinations</source>
        <translation>Kombinationen &amp;linke Hand</translation>
    </message>
    <message>
        <source>&amp;Right Hand combinations</source>
        <translation>Kombinationen &amp;rechte Hand</translation>
    </message>
    <message>
        <source>N&amp;umber of tasks</source>
        <translation>A&amp;nzahl der Aufgaben</translation>
    </message>
    <message>
        <source>&amp;Number of sequences</source>
        <translation>&amp;Anzahl der Folgen</translation>
    </message>
    <message>
        <source>Notes per task</source>
        <translation>Noten pro Aufgabe</translation>
    </message>
    <message>
        <source>&amp;Number of memory tasks</source>
        <translation>&amp;Anzahl der Gedächtnisaufgaben</translation>
    </message>
    <message>
        <source>&amp;Keyboard...</source>
        <translation>&amp;Tastatur...</translation>
    </message>
    <message>
        <source>&amp;Piano keyboard (MIDI)...</source>
        <translation>&amp;Klavier (MIDI)...</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>Sound &amp;volume...</source>
        <translation>La&amp;utstärke...</translation>
    </message>
    <message>
        <source>&amp;Key dispositon</source>
        <translation>&amp;Tastenbelegung</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Moravel</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Training</translation>
    </message>
    <message>
        <source>&amp;User</source>
        <translation>&amp;Benutzer</translation>
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
        <source>&amp;Contents            F1</source>
        <translation>&amp;Inhalt            F1</translation>
    </message>
    <message>
        <source>&amp;Contents        F1</source>
        <translation>&amp;Inhalt        F1</translation>
    </message>
    <message>
        <source>&amp;Adaptive</source>
        <translation>&amp;Adaptiv</translation>
    </message>
    <message>
        <source>Number of &amp;minutes</source>
        <translation>Anzahl der &amp;Minuten</translation>
    </message>
    <message>
        <source>&amp;Hands</source>
        <translation>&amp;Hände</translation>
    </message>
    <message>
        <source>&amp;Both</source>
        <translation>&amp;Beide</translation>
    </message>
    <message>
        <source>&amp;Left only</source>
        <translation>Nur &amp;links</translation>
    </message>
    <message>
        <source>&amp;Right only</source>
        <translation>Nur &amp;rechts</translation>
    </message>
    <message>
        <source>Ch&amp;eck keys...</source>
        <translation>Tasten &amp;prüfen...</translation>
    </message>
    <message>
        <source>R&amp;hythm</source>
        <translation>R&amp;hythmus</translation>
    </message>
    <message>
        <source>&amp;Rhythm...</source>
        <translation>&amp;Rhythmus...</translation>
    </message>
    <message>
        <source>Calibrate the &amp;metronome...</source>
        <translation>&amp;Metronom einmessen...</translation>
    </message>
</context>
<context>
    <name>MidiDialog</name>
    <message>
        <source>MIDI ports</source>
        <translation>MIDI-Anschlüsse</translation>
    </message>
    <message>
        <source>%1 %2 (%3)</source>
        <translation>%1 %2 (%3)</translation>
    </message>
    <message>
        <source>All ten notes learnt. OK keeps them.</source>
        <translation>Alle zehn Noten gelernt. OK behält sie.</translation>
    </message>
    <message>
        <source>Piano keyboard (MIDI)</source>
        <translation>Klavier (MIDI)</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Finger</source>
        <translation>Finger</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>&amp;Learn</source>
        <translation>&amp;Lernen</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>MIDI is unavailable. %1
The computer keyboard plays as always.</source>
        <translation>MIDI ist nicht verfügbar. %1
Die Computertastatur spielt wie immer.</translation>
    </message>
    <message>
        <source>the program&apos;s own port, for other programs</source>
        <translation>der eigene Anschluss des Programms, für andere Programme</translation>
    </message>
    <message>
        <source>listening</source>
        <translation>wird abgehört</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>No MIDI keyboard found yet: plug one in, it is picked up within a second.</source>
        <translation>Noch kein MIDI-Keyboard gefunden: Schließe eines an, es wird innerhalb einer Sekunde erkannt.</translation>
    </message>
    <message>
        <source>Stop &amp;learning</source>
        <translation>&amp;Lernen beenden</translation>
    </message>
    <message>
        <source>Last note: %1, velocity %2</source>
        <translation>Letzte Note: %1, Anschlagstärke %2</translation>
    </message>
    <message>
        <source>%1 is already the %2&apos;s note. Play another note for the %3.</source>
        <translation>%1 gehört schon zum Finger „%2“. Spiele eine andere Note für den Finger „%3“.</translation>
    </message>
    <message>
        <source>Play the note for the %1 (%2 of 10).</source>
        <translation>Nächster Finger: %1. Spiele seine Note (%2 von 10).</translation>
    </message>
    <message>
        <source>Learn takes the ten notes as you play them: left hand little finger to thumb, then right hand thumb to little finger.</source>
        <translation>Lernen übernimmt die zehn Noten, wie du sie spielst: linke Hand vom kleinen Finger bis zum Daumen, dann rechte Hand vom Daumen bis zum kleinen Finger.</translation>
    </message>
    <message>
        <source>MIDI through JACK. Every input port is listened to; other programs can play into the port &quot;Moravel&quot;.</source>
        <translation>MIDI über JACK. Alle Eingänge werden abgehört; andere Programme können in den Anschluss „Moravel“ spielen.</translation>
    </message>
    <message>
        <source>MIDI through the ALSA sequencer. Every input port is listened to; other programs can play into the port &quot;Moravel&quot;.</source>
        <translation>MIDI über den ALSA-Sequencer. Alle Eingänge werden abgehört; andere Programme können in den Anschluss „Moravel“ spielen.</translation>
    </message>
    <message>
        <source>MIDI through %1. Every input port is listened to; other programs can play into the port &quot;Moravel&quot;.</source>
        <translation>MIDI über %1. Alle Eingänge werden abgehört; andere Programme können in den Anschluss „Moravel“ spielen.</translation>
    </message>
    <message>
        <source>Sound card</source>
        <translation>Soundkarte</translation>
    </message>
    <message>
        <source>Where the Rhythm window&apos;s metronome sounds: the sound card, or a digital piano on a MIDI output port.</source>
        <translation>Wo das Metronom des Fensters Rhythmus klingt: auf der Soundkarte oder auf einem Digitalpiano an einem MIDI-Ausgang.</translation>
    </message>
    <message>
        <source>&amp;Metronome:</source>
        <translation>&amp;Metronom:</translation>
    </message>
    <message>
        <source>%1 (not found)</source>
        <translation>%1 (nicht gefunden)</translation>
    </message>
</context>
<context>
    <name>OkCancelDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>PictureWindow</name>
    <message>
        <source>left hand</source>
        <translation>linke Hand</translation>
    </message>
    <message>
        <source>right hand</source>
        <translation>rechte Hand</translation>
    </message>
    <message>
        <source>Key disposition</source>
        <translation>Tastenbelegung</translation>
    </message>
    <message>
        <source>Key disposition :</source>
        <translation>Tastenbelegung :</translation>
    </message>
    <message>
        <source>Finger disposition</source>
        <translation>Fingerbelegung</translation>
    </message>
    <message>
        <source>finger disposition :</source>
        <translation>Fingerbelegung :</translation>
    </message>
</context>
<context>
    <name>RandomOptions</name>
    <message>
        <source>Select level for the test</source>
        <translation>Stufe für den Test wählen</translation>
    </message>
</context>
<context>
    <name>RhythmDrill</name>
    <message>
        <source>The exercise database cannot be read, so there is no figure to play.</source>
        <translation>Die Übungsdatenbank kann nicht gelesen werden, daher gibt es keine Figur zum Spielen.</translation>
    </message>
</context>
<context>
    <name>RhythmOptionsDialog</name>
    <message>
        <source>Rhythm</source>
        <translation>Rhythmus</translation>
    </message>
    <message>
        <source> bpm</source>
        <translation> bpm</translation>
    </message>
    <message>
        <source>&amp;Tempo:</source>
        <translation>&amp;Tempo:</translation>
    </message>
    <message>
        <source>&amp;Left hand, notes a beat:</source>
        <translation>&amp;Linke Hand, Noten pro Schlag:</translation>
    </message>
    <message>
        <source>&amp;Right hand, notes a beat:</source>
        <translation>&amp;Rechte Hand, Noten pro Schlag:</translation>
    </message>
    <message>
        <source>passes of the figure</source>
        <translation>Durchgänge der Figur</translation>
    </message>
    <message>
        <source>bars</source>
        <translation>Takte</translation>
    </message>
    <message>
        <source>Length counted in</source>
        <translation>Länge gezählt in</translation>
    </message>
    <message>
        <source>Len&amp;gth:</source>
        <translation>Län&amp;ge:</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>&amp;Count in one bar of clicks</source>
        <translation>&amp;Einen Takt Klicks einzählen</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>every </source>
        <translation>alle </translation>
    </message>
    <message>
        <source> bars</source>
        <translation> Takte</translation>
    </message>
    <message>
        <source>&amp;Silent bar:</source>
        <translation>&amp;Stiller Takt:</translation>
    </message>
    <message>
        <source>Tempo trai&amp;ner: faster after a clean exercise</source>
        <translation>Tempo-Trai&amp;ner: schneller nach einer sauberen Übung</translation>
    </message>
</context>
<context>
    <name>RtMidiPorts</name>
    <message>
        <source>No MIDI system was found: there is no ALSA sequencer (/dev/snd/seq) and no JACK server running.</source>
        <translation>Es wurde kein MIDI-System gefunden: Es gibt keinen ALSA-Sequencer (/dev/snd/seq) und keinen laufenden JACK-Server.</translation>
    </message>
</context>
<context>
    <name>SequentialDrill</name>
    <message>
        <source>the table %1 of the exercise database %2 has no rows</source>
        <translation>die Tabelle %1 der Übungsdatenbank %2 hat keine Zeilen</translation>
    </message>
    <message>
        <source>the table %1 of the exercise database %2 has no column &quot;%3&quot;</source>
        <translation>die Tabelle %1 der Übungsdatenbank %2 hat keine Spalte „%3“</translation>
    </message>
    <message>
        <source>The exercise cannot start: %1.</source>
        <translation>Die Übung kann nicht beginnen: %1.</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>; %1 % faster than the week before</source>
        <translation>; %1 % schneller als in der Woche davor</translation>
    </message>
    <message>
        <source>; %1 % faster than the month before</source>
        <translation>; %1 % schneller als im Monat davor</translation>
    </message>
    <message>
        <source>; %1 % slower than the week before</source>
        <translation>; %1 % langsamer als in der Woche davor</translation>
    </message>
    <message>
        <source>; %1 % slower than the month before</source>
        <translation>; %1 % langsamer als im Monat davor</translation>
    </message>
    <message>
        <source>%1: slowest (%2 ms), %3 % wrong</source>
        <translation>%1: am langsamsten (%2 ms), %3 % falsch</translation>
    </message>
    <message>
        <source>%1: %2 % wrong</source>
        <translation>%1: %2 % falsch</translation>
    </message>
    <message>
        <source>, most often taken for the %1</source>
        <translation>, am häufigsten verwechselt mit: %1</translation>
    </message>
    <message>
        <source>The hands work independently (coupling %1 of 100)</source>
        <translation>Die Hände arbeiten unabhängig (Kopplung %1 von 100)</translation>
    </message>
    <message>
        <source>The hands sometimes strike together (coupling %1 of 100)</source>
        <translation>Die Hände schlagen manchmal zusammen an (Kopplung %1 von 100)</translation>
    </message>
    <message>
        <source>The hands often strike together (coupling %1 of 100)</source>
        <translation>Die Hände schlagen oft zusammen an (Kopplung %1 von 100)</translation>
    </message>
    <message>
        <source>%1: %2 % slower while the other hand is busy</source>
        <translation>%1: %2 % langsamer, während die andere Hand beschäftigt ist</translation>
    </message>
    <message>
        <source>%1: %2 % faster while the other hand is busy</source>
        <translation>%1: %2 % schneller, während die andere Hand beschäftigt ist</translation>
    </message>
    <message>
        <source>%1: %2 ms faster per week</source>
        <translation>%1: %2 ms schneller pro Woche</translation>
    </message>
    <message>
        <source>%1: %2 ms slower per week</source>
        <translation>%1: %2 ms langsamer pro Woche</translation>
    </message>
    <message>
        <source>%1: least even touch (velocity %2 to %3 in the middle half of its strikes)</source>
        <translation>%1: am wenigsten gleichmäßiger Anschlag (Anschlagstärke %2 bis %3 in der mittleren Hälfte seiner Anschläge)</translation>
    </message>
    <message>
        <source>%1: %2 % slower with both hands than alone</source>
        <translation>%1: mit beiden Händen %2 % langsamer als allein</translation>
    </message>
    <message>
        <source>%1: %2 % faster with both hands than alone</source>
        <translation>%1: mit beiden Händen %2 % schneller als allein</translation>
    </message>
    <message>
        <source>%1 ms early on average</source>
        <translation>im Mittel %1 ms zu früh</translation>
    </message>
    <message>
        <source>%1 ms late on average</source>
        <translation>im Mittel %1 ms zu spät</translation>
    </message>
    <message>
        <source>; steadiest at %1 bpm</source>
        <translation>; am gleichmäßigsten bei %1 bpm</translation>
    </message>
    <message>
        <source>Without the click you drift %1 ms early</source>
        <translation>Ohne Klick eilst du %1 ms voraus</translation>
    </message>
    <message>
        <source>Without the click you drift %1 ms late</source>
        <translation>Ohne Klick schleppst du %1 ms nach</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Reading the practice history</source>
        <translation>Der Übungsverlauf wird gelesen</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Spieler:</translation>
    </message>
    <message>
        <source>All players</source>
        <translation>Alle Spieler</translation>
    </message>
    <message>
        <source>P&amp;eriod:</source>
        <translation>&amp;Zeitraum:</translation>
    </message>
    <message>
        <source>Last exercise</source>
        <translation>Letzte Übung</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Letzte 7 Tage</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Letzte 30 Tage</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alles</translation>
    </message>
    <message>
        <source>E&amp;xercise:</source>
        <translation>&amp;Übung:</translation>
    </message>
    <message>
        <source>All exercises</source>
        <translation>Alle Übungen</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufall</translation>
    </message>
    <message>
        <source>Sequential</source>
        <translation>Sequenzen</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Gedächtnis</translation>
    </message>
    <message>
        <source>Preschool</source>
        <translation>Vorschule</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Nothing practised yet&lt;/h2&gt;&lt;p&gt;Once you have played an exercise, this window shows which finger of each hand is slow or often wrong, which finger is taken for which, how your speed and accuracy change from one exercise to the next, and how independently your two hands work.&lt;/p&gt;&lt;p&gt;Choose &lt;b&gt;Test &amp;gt; Start&lt;/b&gt; in an exercise window to begin; every strike is kept.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Noch nichts geübt&lt;/h2&gt;&lt;p&gt;Sobald du eine Übung gespielt hast, zeigt dieses Fenster, welcher Finger jeder Hand langsam ist oder oft danebengeht, welcher Finger mit welchem verwechselt wird, wie sich Tempo und Genauigkeit von Übung zu Übung entwickeln und wie unabhängig deine beiden Hände arbeiten.&lt;/p&gt;&lt;p&gt;Wähle in einem Übungsfenster &lt;b&gt;Training &amp;gt; Start&lt;/b&gt;, um zu beginnen; jeder Anschlag wird aufgehoben.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Reaction time of each finger: median and middle half</source>
        <translation>Reaktionszeit jedes Fingers: Median und mittlere Hälfte</translation>
    </message>
    <message>
        <source>Left median</source>
        <translation>Links Median</translation>
    </message>
    <message>
        <source>Left wrong</source>
        <translation>Links falsch</translation>
    </message>
    <message>
        <source>Right median</source>
        <translation>Rechts Median</translation>
    </message>
    <message>
        <source>Right wrong</source>
        <translation>Rechts falsch</translation>
    </message>
    <message>
        <source>&amp;Fingers</source>
        <translation>&amp;Finger</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1 hand&lt;/b&gt;: the finger asked for (rows) and the finger that struck (columns)</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;: der verlangte Finger (Zeilen) und der Finger, der angeschlagen hat (Spalten)</translation>
    </message>
    <message>
        <source>&amp;Mistakes</source>
        <translation>F&amp;ehler</translation>
    </message>
    <message>
        <source>Sequential and memory exercises show how long each step from one finger to the next takes.</source>
        <translation>Sequenz- und Gedächtnisübungen zeigen, wie lange jeder Schritt von einem Finger zum nächsten dauert.</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>From -&gt; to</source>
        <translation>Von -&gt; nach</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>&amp;Transitions</source>
        <translation>&amp;Übergänge</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>P&amp;rogress</source>
        <translation>Fo&amp;rtschritt</translation>
    </message>
    <message>
        <source>&lt;b&gt;Coupling&lt;/b&gt;</source>
        <translation>&lt;b&gt;Kopplung&lt;/b&gt;</translation>
    </message>
    <message>
        <source>How often the two hands strike within 50 ms of each other, against chance. 100 means the hands strike together no more often than chance; 0 means they always strike together.</source>
        <translation>Wie oft beide Hände innerhalb von 50 ms anschlagen, verglichen mit dem Zufall. 100 heißt, die Hände schlagen nicht öfter zusammen an als zufällig; 0 heißt, sie schlagen immer zusammen an.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Two-hand cost, %1 hand&lt;/b&gt;</source>
        <translation>&lt;b&gt;Zweihandkosten, %1 Hand&lt;/b&gt;</translation>
    </message>
    <message>
        <source>A hand&apos;s median reaction on tasks that come while the other hand is busy too, against tasks that come while it is idle. 100 % means no cost; 120 % means a fifth slower. It needs at least ten tasks of each kind, which the preschool game&apos;s pauses give.</source>
        <translation>Die mittlere Reaktion einer Hand auf Aufgaben, die kommen, während auch die andere Hand beschäftigt ist, verglichen mit Aufgaben, während sie ruht. 100 % heißt keine Kosten; 120 % heißt ein Fünftel langsamer. Nötig sind mindestens zehn Aufgaben jeder Art, wie sie die Pausen des Vorschulspiels ergeben.</translation>
    </message>
    <message>
        <source>&amp;Hands together</source>
        <translation>&amp;Hände zusammen</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1 %2, %3 strikes&lt;/b&gt;&lt;ul style=&quot;margin-top:4px&quot;&gt;</source>
        <translation>&lt;b&gt;%1 %2, %3 Anschläge&lt;/b&gt;&lt;ul style=&quot;margin-top:4px&quot;&gt;</translation>
    </message>
    <message>
        <source>exercise</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>exercises</source>
        <translation>Übungen</translation>
    </message>
    <message>
        <source>Reaction time (ms)</source>
        <translation>Reaktionszeit (ms)</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Accuracy (%)</source>
        <translation>Genauigkeit (%)</translation>
    </message>
    <message>
        <source>%1 hand, median</source>
        <translation>%1, Median</translation>
    </message>
    <message>
        <source>%1 hand, accuracy</source>
        <translation>%1, Genauigkeit</translation>
    </message>
    <message>
        <source>%1 hand, trend</source>
        <translation>%1, Trend</translation>
    </message>
    <message>
        <source>Adaptive</source>
        <translation>Anpassend</translation>
    </message>
    <message>
        <source>Left touch</source>
        <translation>Anschlag links</translation>
    </message>
    <message>
        <source>Right touch</source>
        <translation>Anschlag rechts</translation>
    </message>
    <message>
        <source>MIDI velocity of the finger&apos;s strikes: median (middle half); the narrower the middle half, the more even the touch</source>
        <translation>MIDI-Anschlagstärke der Anschläge dieses Fingers: Median (mittlere Hälfte); je schmaler die mittlere Hälfte, desto gleichmäßiger der Anschlag</translation>
    </message>
    <message>
        <source>Against this hand&apos;s one-hand exercises</source>
        <translation>Verglichen mit den Übungen dieser Hand allein</translation>
    </message>
    <message>
        <source>Against tasks while the other hand was idle</source>
        <translation>Verglichen mit Aufgaben, während die andere Hand ruhte</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Nothing to show for this choice&lt;/h2&gt;&lt;p&gt;The player, period and exercise chosen above leave no strikes. Choose another player, a longer period or all exercises.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Für diese Auswahl gibt es nichts zu zeigen&lt;/h2&gt;&lt;p&gt;Spieler, Zeitraum und Übung, die du oben gewählt hast, enthalten keine Anschläge. Wähle einen anderen Spieler, einen längeren Zeitraum oder alle Übungen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Rhythm</source>
        <translation>Rhythmus</translation>
    </message>
    <message>
        <source>Variation (%)</source>
        <translation>Schwankung der Abstände (%)</translation>
    </message>
    <message>
        <source>%1 bpm</source>
        <translation>%1 bpm</translation>
    </message>
    <message>
        <source>Rhythm exercises show here how far from the beat each finger plays, how even the notes are, and the fastest tempo of each figure played clean.</source>
        <translation>Rhythmus-Übungen zeigen hier, wie weit vom Schlag jeder Finger spielt, wie gleichmäßig die Noten kommen und das schnellste Tempo, in dem jede Figur sauber gespielt wurde.</translation>
    </message>
    <message>
        <source>%1 offset</source>
        <translation>%1 Abweichung</translation>
    </message>
    <message>
        <source>%1 spread</source>
        <translation>%1 Streuung</translation>
    </message>
    <message>
        <source>%1 in time</source>
        <translation>%1 richtig</translation>
    </message>
    <message>
        <source>%1 silent bars</source>
        <translation>%1 stumme Takte</translation>
    </message>
    <message>
        <source>How far from the beat the finger&apos;s notes came on average, with the click: negative early, positive late</source>
        <translation>Wie weit vom Schlag die Noten des Fingers im Mittel kamen, mit Klick: negativ zu früh, positiv zu spät</translation>
    </message>
    <message>
        <source>The standard deviation of the finger&apos;s timing: the smaller, the steadier</source>
        <translation>Die Standardabweichung des Timings des Fingers: je kleiner, desto gleichmäßiger</translation>
    </message>
    <message>
        <source>How far from the beat the notes came on average in bars without the click</source>
        <translation>Wie weit vom Schlag die Noten in Takten ohne Klick im Mittel kamen</translation>
    </message>
    <message>
        <source>Evenness: how much the intervals between notes vary</source>
        <translation>Gleichmäßigkeit: wie stark die Abstände zwischen den Noten schwanken</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Figur</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Übungen</translation>
    </message>
    <message>
        <source>Best clean tempo</source>
        <translation>Bestes sauberes Tempo</translation>
    </message>
    <message>
        <source>T&amp;iming</source>
        <translation>&amp;Timing</translation>
    </message>
    <message>
        <source>%1 touch varies</source>
        <translation>%1 Anschlag schwankt</translation>
    </message>
    <message>
        <source>How much the MIDI velocities of the finger&apos;s notes vary: the smaller, the more even the touch</source>
        <translation>Wie stark die MIDI-Anschlagstärken der Noten des Fingers schwanken: je kleiner, desto gleichmäßiger der Anschlag</translation>
    </message>
</context>
<context>
    <name>VolumeDialog</name>
    <message>
        <source>Sound volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Lautstärke:</translation>
    </message>
    <message>
        <source>&amp;Mute all sounds</source>
        <translation>Alle Töne &amp;stumm</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>WeaknessBars</name>
    <message>
        <source>%1: %2 ms</source>
        <translation>%1: %2 ms</translation>
    </message>
    <message>
        <source>%1: not measured yet</source>
        <translation>%1: noch nicht gemessen</translation>
    </message>
    <message>
        <source>How weak each finger is (what a strike costs on average)</source>
        <translation>Wie schwach jeder Finger ist (was ein Anschlag im Mittel kostet)</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>A trainer for the independence of the fingers at the piano. Both hands rest on the computer keyboard and answer finger numbers at the same time: random drills, Hanon-type sequences, a memory test and an animal game for the youngest players.</source>
        <translation>Ein Trainer für die Unabhängigkeit der Finger am Klavier. Beide Hände liegen auf der Computertastatur und beantworten gleichzeitig Fingernummern: Zufallsübungen, Folgen nach Art von Hanon, ein Gedächtnistest und ein Tierspiel für die Jüngsten.</translation>
    </message>
    <message>
        <source>Warning: Moravel is free software, distributed under the GNU General Public License version 3 or later, in the hope that it will be useful but WITHOUT ANY WARRANTY. Practise in short sessions and rest your hands when they tire.</source>
        <translation>Hinweis: Moravel ist freie Software unter der GNU General Public License, Version 3 oder später, verbreitet in der Hoffnung, dass sie nützlich ist, aber OHNE JEDE GEWÄHRLEISTUNG. Übe in kurzen Einheiten und gönne deinen Händen Ruhe, wenn sie müde werden.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminformationen...</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>frmChoosePractice</name>
    <message>
        <source>Choose your exercise</source>
        <translation>Wähle deine Übung</translation>
    </message>
</context>
<context>
    <name>frmLog</name>
    <message>
        <source>Enter your name to personify result log</source>
        <translation>Gib deinen Namen für das Ergebnisprotokoll ein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Your name heads your results in the results log.</source>
        <translation>Dein Name steht über deinen Ergebnissen im Ergebnisprotokoll.</translation>
    </message>
</context>
<context>
    <name>frmNumRand</name>
    <message>
        <source>Choose number of tasks</source>
        <translation>Anzahl der Aufgaben wählen</translation>
    </message>
    <message>
        <source>Choose number of tasks for each hand from list :</source>
        <translation>Anzahl der Aufgaben je Hand aus der Liste wählen :</translation>
    </message>
</context>
<context>
    <name>frmNumSeq</name>
    <message>
        <source>Choose number of sequences</source>
        <translation>Anzahl der Folgen wählen</translation>
    </message>
    <message>
        <source>Choose number of sequences :</source>
        <translation>Anzahl der Folgen wählen :</translation>
    </message>
</context>
<context>
    <name>frmNumSeqMem</name>
    <message>
        <source>Choose number of memory tasks</source>
        <translation>Anzahl der Gedächtnisaufgaben wählen</translation>
    </message>
    <message>
        <source>Choose number of memory tasks :</source>
        <translation>Anzahl der Gedächtnisaufgaben wählen :</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>MIDI keyboard connected: %1</source>
        <translation>MIDI-Keyboard angeschlossen: %1</translation>
    </message>
    <message>
        <source>MIDI keyboard gone: %1</source>
        <translation>MIDI-Keyboard getrennt: %1</translation>
    </message>
    <message>
        <source>Results are kept in %1</source>
        <translation>Die Ergebnisse werden in %1 gespeichert</translation>
    </message>
    <message>
        <source>This result could not be written to the results log, neither beside the program nor in your data folder. It is kept, and written as soon as one of them takes it:

%1</source>
        <translation>Dieses Ergebnis konnte nicht in das Ergebnisprotokoll geschrieben werden, weder neben dem Programm noch in deinem Datenordner. Es bleibt erhalten und wird geschrieben, sobald einer der beiden Orte es annimmt:

%1</translation>
    </message>
</context>
</TS>
