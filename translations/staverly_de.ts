<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AccessibleTexts</name>
    <message>
        <source>Middle C, %1</source>
        <translation>Mittel-C, %1</translation>
    </message>
    <message>
        <source>Right answers: %1</source>
        <translation>Richtige Antworten: %1</translation>
    </message>
    <message>
        <source>Wrong answers: %1</source>
        <translation>Falsche Antworten: %1</translation>
    </message>
    <message>
        <source>Score: %1 percent</source>
        <translation>Trefferquote: %1 Prozent</translation>
    </message>
    <message>
        <source>Time: %1 seconds</source>
        <translation>Zeit: %1 Sekunden</translation>
    </message>
    <message>
        <source>Lowest note</source>
        <translation>Tiefste Note</translation>
    </message>
    <message>
        <source>Highest note</source>
        <translation>Höchste Note</translation>
    </message>
    <message>
        <source>Lowest note: %1</source>
        <translation>Tiefste Note: %1</translation>
    </message>
    <message>
        <source>Highest note: %1</source>
        <translation>Höchste Note: %1</translation>
    </message>
    <message>
        <source>Treble staff</source>
        <translation>Notensystem im Violinschlüssel</translation>
    </message>
    <message>
        <source>Bass staff</source>
        <translation>Notensystem im Bassschlüssel</translation>
    </message>
    <message>
        <source>%1, a note to name</source>
        <translation>%1, eine Note zum Benennen</translation>
    </message>
    <message>
        <source>%1, the note %2</source>
        <translation>%1, die Note %2</translation>
    </message>
    <message>
        <source>No question yet</source>
        <translation>Noch keine Frage</translation>
    </message>
    <message>
        <source>Question %1 of %2</source>
        <translation>Frage %1 von %2</translation>
    </message>
    <message>
        <source>No lesson running</source>
        <translation>Keine Lektion läuft</translation>
    </message>
</context>
<context>
    <name>AnswerKeySheet</name>
    <message>
        <source>Answer key for %1</source>
        <translation>Lösungsblatt für %1</translation>
    </message>
</context>
<context>
    <name>AudioEngine</name>
    <message>
        <source>No audio output could be opened.
%1</source>
        <translation>Es ließ sich kein Audioausgang öffnen.
%1</translation>
    </message>
    <message>
        <source>The sound output has gone away; Staverly tries again.</source>
        <translation>Die Tonausgabe ist verschwunden; Staverly versucht es noch einmal.</translation>
    </message>
</context>
<context>
    <name>BuiltinSynth</name>
    <message>
        <source>The built-in synthesizer found no SoundFont to play with (looked for %1). Install a General MIDI SoundFont, such as the package timgm6mb-soundfont.</source>
        <translation>Der eingebaute Synthesizer hat keinen SoundFont zum Spielen gefunden (gesucht wurde: %1). Installiere einen General-MIDI-SoundFont, zum Beispiel das Paket timgm6mb-soundfont.</translation>
    </message>
    <message>
        <source>The built-in synthesizer has no audio output.
%1</source>
        <translation>Der eingebaute Synthesizer hat keinen Audioausgang.
%1</translation>
    </message>
    <message>
        <source>The built-in synthesizer could not load the SoundFont %1.</source>
        <translation>Der eingebaute Synthesizer konnte den SoundFont %1 nicht laden.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Staverly teaches pupils to read notes on the staff and to find them on a piano keyboard.

Pictures and help:          %1
Player list and grade log:  %2
Settings:                   %3</source>
        <translation>Staverly bringt Schülerinnen und Schülern bei, Noten im Notensystem zu lesen und sie auf der Klaviatur zu finden.

Bilder und Hilfe:                %1
Spielerliste und Ergebnisliste:  %2
Einstellungen:                   %3</translation>
    </message>
    <message>
        <source>Displays this help and exits.</source>
        <translation>Zeigt diese Hilfe an und beendet das Programm.</translation>
    </message>
</context>
<context>
    <name>ControlHost</name>
    <message>
        <source>The control class %1 has no property &quot;%2&quot;.</source>
        <translation>Die Steuerelementklasse %1 hat keine Eigenschaft „%2“.</translation>
    </message>
    <message>
        <source>%1: not a control library (%2)</source>
        <translation>%1: keine Steuerelement-Bibliothek (%2)</translation>
    </message>
    <message>
        <source>%1: a plugin of another kind (%2)</source>
        <translation>%1: ein Plugin einer anderen Art (%2)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is already made by %3</source>
        <translation>%1: „%2“ wird schon von %3 erzeugt</translation>
    </message>
    <message>
        <source>Cannot create the control &quot;%1&quot;: the control folder &quot;%2&quot; does not exist.</source>
        <translation>Das Steuerelement „%1“ kann nicht erzeugt werden: Der Steuerelement-Ordner „%2“ existiert nicht.</translation>
    </message>
    <message>
        <source>Cannot create the control &quot;%1&quot;: no control library in &quot;%2&quot; makes it.</source>
        <translation>Das Steuerelement „%1“ kann nicht erzeugt werden: Keine Steuerelement-Bibliothek in „%2“ erzeugt es.</translation>
    </message>
    <message>
        <source> Files that could not be used: %1.</source>
        <translation> Dateien, die nicht verwendet werden konnten: %1.</translation>
    </message>
    <message>
        <source>Cannot create the control &quot;%1&quot;: the control library &quot;%2&quot; did not create it%3.</source>
        <translation>Das Steuerelement „%1“ kann nicht erzeugt werden: Die Steuerelement-Bibliothek „%2“ hat es nicht erzeugt%3.</translation>
    </message>
    <message>
        <source>No control to set &quot;%1&quot; on.</source>
        <translation>Kein Steuerelement, an dem „%1“ gesetzt werden kann.</translation>
    </message>
    <message>
        <source>The property &quot;%1&quot; of %2 is read-only.</source>
        <translation>Die Eigenschaft „%1“ von %2 ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The property &quot;%1&quot; of %2 cannot take the value %3.</source>
        <translation>Die Eigenschaft „%1“ von %2 kann den Wert %3 nicht annehmen.</translation>
    </message>
    <message>
        <source>Setting &quot;%1&quot; failed: %2</source>
        <translation>Setzen von „%1“ fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>No control to read &quot;%1&quot; from.</source>
        <translation>Kein Steuerelement, aus dem „%1“ gelesen werden kann.</translation>
    </message>
    <message>
        <source>Reading &quot;%1&quot; failed: %2</source>
        <translation>Lesen von „%1“ fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>No control or handler for the event &quot;%1&quot;.</source>
        <translation>Kein Steuerelement und kein Handler für das Ereignis „%1“.</translation>
    </message>
    <message>
        <source>The control class %1 has no event &quot;%2&quot;.</source>
        <translation>Die Steuerelementklasse %1 hat kein Ereignis „%2“.</translation>
    </message>
    <message>
        <source>%1 has no handler &quot;%2&quot;.</source>
        <translation>%1 hat keinen Handler „%2“.</translation>
    </message>
    <message>
        <source>The handler %1 does not match the event %2.</source>
        <translation>Der Handler %1 passt nicht zum Ereignis %2.</translation>
    </message>
    <message>
        <source>Cannot connect the event &quot;%1&quot; to %2.</source>
        <translation>Das Ereignis „%1“ kann nicht mit %2 verbunden werden.</translation>
    </message>
</context>
<context>
    <name>Effects</name>
    <message>
        <source>Staverly - Sound Error</source>
        <translation>Staverly - Fehler bei der Tonausgabe</translation>
    </message>
    <message>
        <source>Staverly- Browser Error</source>
        <translation>Staverly - Fehler beim Öffnen</translation>
    </message>
    <message>
        <source>Resource not found: sound %1.</source>
        <translation>Ressource nicht gefunden: Klang %1.</translation>
    </message>
    <message>
        <source>

The lessons go on without sound effects.</source>
        <translation>

Die Lektionen gehen ohne Soundeffekte weiter.</translation>
    </message>
    <message>
        <source>Nothing to open.</source>
        <translation>Es gibt nichts zu öffnen.</translation>
    </message>
</context>
<context>
    <name>FeedbackWords</name>
    <message>
        <source>Wonderful</source>
        <translation>Wunderbar</translation>
    </message>
    <message>
        <source>Terrific</source>
        <translation>Toll</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Ausgezeichnet</translation>
    </message>
    <message>
        <source>Spectacular</source>
        <translation>Spektakulär</translation>
    </message>
    <message>
        <source>Fantastic</source>
        <translation>Fantastisch</translation>
    </message>
    <message>
        <source>Stupendous</source>
        <translation>Sagenhaft</translation>
    </message>
    <message>
        <source>Brilliant</source>
        <translation>Brillant</translation>
    </message>
    <message>
        <source>Great</source>
        <translation>Großartig</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Gut</translation>
    </message>
    <message>
        <source>Alright</source>
        <translation>In Ordnung</translation>
    </message>
    <message>
        <source>The best!</source>
        <translation>Spitze!</translation>
    </message>
    <message>
        <source>Your Cool!</source>
        <translation>Du bist cool!</translation>
    </message>
    <message>
        <source>Wow!</source>
        <translation>Wow!</translation>
    </message>
    <message>
        <source>Smart Kid!</source>
        <translation>Schlaues Köpfchen!</translation>
    </message>
    <message>
        <source>Amazing!</source>
        <translation>Unglaublich!</translation>
    </message>
    <message>
        <source>Genious!</source>
        <translation>Genial!</translation>
    </message>
    <message>
        <source>Your a Virtuolo!</source>
        <translation>Einfach virtuos!</translation>
    </message>
    <message>
        <source>Your Hot!</source>
        <translation>Du bist in Topform!</translation>
    </message>
    <message>
        <source>Perfect!</source>
        <translation>Perfekt!</translation>
    </message>
    <message>
        <source>Great!</source>
        <translation>Super!</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Daneben</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativ</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Nicht richtig</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Verkehrt</translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>-1</source>
        <translation>-1</translation>
    </message>
    <message>
        <source>Wake up!</source>
        <translation>Aufwachen!</translation>
    </message>
    <message>
        <source>Come on!</source>
        <translation>Na komm!</translation>
    </message>
    <message>
        <source>Try Harder!</source>
        <translation>Streng dich an!</translation>
    </message>
    <message>
        <source>Think!</source>
        <translation>Denk nach!</translation>
    </message>
    <message>
        <source>Next Time!</source>
        <translation>Nächstes Mal!</translation>
    </message>
    <message>
        <source>No Good!</source>
        <translation>Nicht gut!</translation>
    </message>
    <message>
        <source>Almost!</source>
        <translation>Beinahe!</translation>
    </message>
    <message>
        <source>Keep Trying!</source>
        <translation>Nicht aufgeben!</translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation>Ich warte...</translation>
    </message>
    <message>
        <source>Boo!</source>
        <translation>Buh!</translation>
    </message>
    <message>
        <source>!!!!!</source>
        <translation>!!!!!</translation>
    </message>
</context>
<context>
    <name>GradeLog</name>
    <message>
        <source>Treble Clef</source>
        <translation>Violinschlüssel</translation>
    </message>
    <message>
        <source>Base Clef</source>
        <translation>Bassschlüssel</translation>
    </message>
</context>
<context>
    <name>GradeReport</name>
    <message>
        <source>Staverly Grade Report</source>
        <translation>Staverly-Ergebnisbericht</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Lesson</source>
        <translation>Lektion</translation>
    </message>
    <message>
        <source>Yes </source>
        <translation>Ja </translation>
    </message>
    <message>
        <source>No </source>
        <translation>Nein </translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Trefferquote</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
</context>
<context>
    <name>JackInput</name>
    <message>
        <source>No JACK server is running, so Staverly cannot hear a microphone; start JACK or answer on the keyboard.</source>
        <translation>Es läuft kein JACK-Server, darum kann Staverly kein Mikrofon hören; starte JACK oder antworte auf der Klaviatur.</translation>
    </message>
    <message>
        <source>The JACK server has stopped; Staverly listens again as soon as it is back.</source>
        <translation>Der JACK-Server wurde beendet; Staverly hört wieder zu, sobald er wieder da ist.</translation>
    </message>
    <message>
        <source>JACK offers no microphone input; plug one in and Staverly listens at once.</source>
        <translation>JACK bietet keinen Mikrofoneingang an; steck ein Mikrofon ein, und Staverly hört sofort zu.</translation>
    </message>
    <message>
        <source>The input “%1” is unplugged or switched off; Staverly listens again as soon as it is back.</source>
        <translation>Der Eingang „%1“ ist ausgesteckt oder ausgeschaltet; Staverly hört wieder zu, sobald er wieder da ist.</translation>
    </message>
</context>
<context>
    <name>JackOutput</name>
    <message>
        <source>no JACK server is running</source>
        <translation>es läuft kein JACK-Server</translation>
    </message>
    <message>
        <source>the JACK server refused the program&apos;s ports</source>
        <translation>der JACK-Server hat die Anschlüsse des Programms abgelehnt</translation>
    </message>
</context>
<context>
    <name>LessonFace</name>
    <message>
        <source>The lesson&apos;s grade could not be added to &quot;%1&quot;: %2. Lessons go on, but are not kept until this is put right.</source>
        <translation>Das Ergebnis der Lektion konnte nicht in „%1“ eingetragen werden: %2. Die Lektionen gehen weiter, werden aber nicht gespeichert, bis das behoben ist.</translation>
    </message>
    <message>
        <source>Staverly - Grades Error</source>
        <translation>Staverly - Fehler bei den Ergebnissen</translation>
    </message>
    <message>
        <source>The grade log &quot;%1&quot; was not written as UTF-8 throughout. It has been written anew as UTF-8, with every lesson kept.</source>
        <translation>Die Ergebnisliste „%1“ war nicht durchgehend in UTF-8 geschrieben. Sie wurde neu als UTF-8 geschrieben; jede Lektion ist erhalten geblieben.</translation>
    </message>
    <message>
        <source>Staverly - Grades</source>
        <translation>Staverly - Ergebnisse</translation>
    </message>
</context>
<context>
    <name>MainLabels</name>
    <message>
        <source>Player *.*</source>
        <translation>Spieler *.*</translation>
    </message>
    <message>
        <source>Click here to change current player.</source>
        <translation>Klicke hier, um den aktuellen Spieler zu wechseln.</translation>
    </message>
    <message>
        <source>Click on the New button...</source>
        <translation>Klicke auf den Knopf „Neu“...</translation>
    </message>
</context>
<context>
    <name>MidiError</name>
    <message>
        <source>1 MIDI input</source>
        <translation>1 MIDI-Eingang</translation>
    </message>
    <message>
        <source>%1 MIDI inputs</source>
        <translation>%1 MIDI-Eingänge</translation>
    </message>
    <message>
        <source>1 MIDI output</source>
        <translation>1 MIDI-Ausgang</translation>
    </message>
    <message>
        <source>%1 MIDI outputs</source>
        <translation>%1 MIDI-Ausgänge</translation>
    </message>
    <message>
        <source>The MIDI input chosen before (entry %1 of the list) is not connected; this computer lists %2.</source>
        <translation>Der zuvor gewählte MIDI-Eingang (Eintrag %1 der Liste) ist nicht verbunden; auf diesem Computer gibt es %2.</translation>
    </message>
    <message>
        <source>The MIDI output chosen before (entry %1 of the list) is not connected; this computer lists %2.</source>
        <translation>Der zuvor gewählte MIDI-Ausgang (Eintrag %1 der Liste) ist nicht verbunden; auf diesem Computer gibt es %2.</translation>
    </message>
</context>
<context>
    <name>NoteModel</name>
    <message>
        <source>Middle %1</source>
        <translation>Mittel-%1</translation>
    </message>
</context>
<context>
    <name>NoteNames</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>%1 sharp %2</source>
        <translation>%1 mit Kreuz %2</translation>
    </message>
    <message>
        <source>the letters a to g</source>
        <translation>die Buchstaben a bis g</translation>
    </message>
    <message>
        <source>the letters a, c to h (h for H)</source>
        <translation>die Buchstaben a, c bis h (h für H)</translation>
    </message>
    <message>
        <source>the digits 1 to 7 (1 for Do) or the letters a to g</source>
        <translation>die Ziffern 1 bis 7 (1 für Do) oder die Buchstaben a bis g</translation>
    </message>
</context>
<context>
    <name>NoteRange</name>
    <message>
        <source>The low note range must be 1 less then the high note!</source>
        <translation>Der tiefste Ton muss mindestens eine Taste unter dem höchsten liegen!</translation>
    </message>
    <message>
        <source>The high note range must be 1 greater then the low note!</source>
        <translation>Der höchste Ton muss mindestens eine Taste über dem tiefsten liegen!</translation>
    </message>
</context>
<context>
    <name>NoteTestSheet</name>
    <message>
        <source>What is this note? _______</source>
        <translation>Welche Note ist das? _______</translation>
    </message>
    <message>
        <source>Color in this note on the piano.</source>
        <translation>Male die Taste für diese Note auf der Klaviatur aus.</translation>
    </message>
    <message>
        <source>Brought to you by Pellworth %1...</source>
        <translation>Präsentiert von Pellworth %1...</translation>
    </message>
</context>
<context>
    <name>NullInput</name>
    <message>
        <source>Staverly finds no sound server to hear a microphone through; start PulseAudio or JACK, or answer on the keyboard.</source>
        <translation>Staverly findet keinen Soundserver, über den es ein Mikrofon hören kann; starte PulseAudio oder JACK, oder antworte auf der Klaviatur.</translation>
    </message>
</context>
<context>
    <name>NullMidiBackend</name>
    <message>
        <source>The MIDI input &quot;%1&quot; is not available: this system has no MIDI.</source>
        <translation>Der MIDI-Eingang „%1“ ist nicht verfügbar: Dieses System hat kein MIDI.</translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; is not available: this system has no MIDI.</source>
        <translation>Der MIDI-Ausgang „%1“ ist nicht verfügbar: Dieses System hat kein MIDI.</translation>
    </message>
</context>
<context>
    <name>OldPupilFiles</name>
    <message>
        <source>Moved from the build folder %2 to %3: %1. The program keeps the pupils&apos; files there from now on; a rebuild or a clean of the build folder no longer takes them.</source>
        <translation>Aus dem Build-Ordner %2 nach %3 verschoben: %1. Dort bewahrt das Programm die Dateien der Schülerinnen und Schüler von jetzt an auf; ein neuer Build oder ein Aufräumen des Build-Ordners nimmt sie nicht mehr mit.</translation>
    </message>
    <message>
        <source>Left in %2: %1. %3 already holds a file of that name, or it could not be written; nothing was replaced.</source>
        <translation>In %2 geblieben: %1. In %3 gibt es schon eine Datei mit diesem Namen, oder dort konnte nicht geschrieben werden; es wurde nichts ersetzt.</translation>
    </message>
    <message>
        <source>Staverly - Pupils&apos; Files</source>
        <translation>Staverly - Dateien der Schüler</translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <translation>%1 als %2</translation>
    </message>
    <message>
        <source>Moved from the build folder %2 to %3 under another name, since %3 already holds one of the same name that stays in use: %1. Nothing was replaced.</source>
        <translation>Unter anderem Namen aus dem Build-Ordner %2 nach %3 verschoben, weil es in %3 schon eine Datei mit demselben Namen gibt, die weiter benutzt wird: %1. Es wurde nichts ersetzt.</translation>
    </message>
</context>
<context>
    <name>PulseInput</name>
    <message>
        <source>No sound server answers, so Staverly cannot hear a microphone; answer on the keyboard instead.</source>
        <translation>Kein Soundserver antwortet, darum kann Staverly kein Mikrofon hören; antworte stattdessen auf der Klaviatur.</translation>
    </message>
    <message>
        <source>The sound server has stopped; Staverly listens again as soon as it is back.</source>
        <translation>Der Soundserver wurde beendet; Staverly hört wieder zu, sobald er wieder da ist.</translation>
    </message>
    <message>
        <source>Staverly finds no microphone; plug one in and Staverly listens at once.</source>
        <translation>Staverly findet kein Mikrofon; steck eines ein, und Staverly hört sofort zu.</translation>
    </message>
    <message>
        <source>The microphone “%1” is unplugged or switched off; Staverly listens again as soon as it is back.</source>
        <translation>Das Mikrofon „%1“ ist ausgesteckt oder ausgeschaltet; Staverly hört wieder zu, sobald es wieder da ist.</translation>
    </message>
</context>
<context>
    <name>PulseOutput</name>
    <message>
        <source>no PulseAudio server answers</source>
        <translation>kein PulseAudio-Server antwortet</translation>
    </message>
    <message>
        <source>the PulseAudio server refused the stream</source>
        <translation>der PulseAudio-Server hat den Datenstrom abgelehnt</translation>
    </message>
</context>
<context>
    <name>QtDesktop</name>
    <message>
        <source>Print Setup</source>
        <translation>Drucker einrichten</translation>
    </message>
    <message>
        <source>No printer is set up on this computer.</source>
        <translation>Auf diesem Computer ist kein Drucker eingerichtet.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be started.</source>
        <translation>Der Drucker „%1“ konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The sound is not an uncompressed PCM wave.</source>
        <translation>Der Klang ist keine unkomprimierte PCM-Wave-Datei.</translation>
    </message>
</context>
<context>
    <name>RtMidiBackend</name>
    <message>
        <source>The MIDI input &quot;%1&quot; is not connected.</source>
        <translation>Der MIDI-Eingang „%1“ ist nicht verbunden.</translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; is not connected.</source>
        <translation>Der MIDI-Ausgang „%1“ ist nicht verbunden.</translation>
    </message>
</context>
<context>
    <name>RtMidiSink</name>
    <message>
        <source>The MIDI output &quot;%1&quot; could not be opened: %2</source>
        <translation>Der MIDI-Ausgang „%1“ konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>A message to the MIDI output &quot;%1&quot; failed: %2</source>
        <translation>Eine Nachricht an den MIDI-Ausgang „%1“ ist fehlgeschlagen: %2</translation>
    </message>
</context>
<context>
    <name>RtMidiSource</name>
    <message>
        <source>The MIDI input &quot;%1&quot; could not be opened: %2</source>
        <translation>Der MIDI-Eingang „%1“ konnte nicht geöffnet werden: %2</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>SettingsReader</name>
    <message>
        <source>%1 was &quot;%2&quot;, now %3</source>
        <translation>%1 war „%2“, jetzt %3</translation>
    </message>
    <message>
        <source>Some settings could not be used and were set back to their defaults:
</source>
        <translation>Einige Einstellungen konnten nicht verwendet werden und wurden auf ihre Standardwerte zurückgesetzt:
</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Staverly cannot save its settings in &quot;%1&quot;: %2. Changes made now last only until Staverly is closed.</source>
        <translation>Staverly kann seine Einstellungen nicht in „%1“ speichern: %2. Änderungen, die du jetzt machst, gelten nur, bis Staverly beendet wird.</translation>
    </message>
    <message>
        <source>the disk may be full</source>
        <translation>die Festplatte ist vielleicht voll</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>ihr Ordner ist schreibgeschützt</translation>
    </message>
</context>
<context>
    <name>SoundFontSearch</name>
    <message>
        <source>nowhere</source>
        <translation>nirgends</translation>
    </message>
</context>
<context>
    <name>staverly::AnswerHistory</name>
    <message>
        <source>%1, so answers are kept only until Staverly closes.</source>
        <translation>%1, darum werden die Antworten nur aufbewahrt, bis Staverly beendet wird.</translation>
    </message>
    <message>
        <source>%1. Answers are kept meanwhile and written to it once it can be written again; until then they last only until Staverly closes.</source>
        <translation>%1. Die Antworten werden in der Zwischenzeit aufbewahrt und hineingeschrieben, sobald das wieder möglich ist; bis dahin gehen sie verloren, wenn Staverly beendet wird.</translation>
    </message>
    <message>
        <source>The folder of the answer history %1 cannot be made</source>
        <translation>Der Ordner für den Antwortverlauf %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>The answer history %1 is read-only</source>
        <translation>Der Antwortverlauf %1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>The answer history %1 is locked by another program</source>
        <translation>Der Antwortverlauf %1 ist von einem anderen Programm gesperrt</translation>
    </message>
    <message>
        <source>The answer history %1 is damaged and cannot be moved aside</source>
        <translation>Der Antwortverlauf %1 ist beschädigt und kann nicht beiseitegelegt werden</translation>
    </message>
    <message>
        <source>The answer history %1 was written by a newer Staverly</source>
        <translation>Der Antwortverlauf %1 wurde von einer neueren Version von Staverly geschrieben</translation>
    </message>
    <message>
        <source>The answer history %1 cannot be used (%2)</source>
        <translation>Der Antwortverlauf %1 kann nicht verwendet werden (%2)</translation>
    </message>
    <message>
        <source>The answer history %1 was damaged; it was moved to %2 and a new one started.</source>
        <translation>Der Antwortverlauf %1 war beschädigt; er wurde nach %2 verschoben, und ein neuer wurde begonnen.</translation>
    </message>
    <message>
        <source>History started anew</source>
        <translation>Antwortverlauf neu begonnen</translation>
    </message>
    <message>
        <source>Answers waiting</source>
        <translation>Antworten warten aufs Speichern</translation>
    </message>
    <message>
        <source>Answers not kept</source>
        <translation>Antworten nicht gespeichert</translation>
    </message>
</context>
<context>
    <name>staverly::LessonEngine</name>
    <message>
        <source>This lesson is complete! You have answered %1 questions!
If you would like to start a new lesson then click on the Yes button.
If you would like to continue with the current lesson then click No.
To pause lesson, click Cancel.</source>
        <translation>Diese Lektion ist geschafft! Du hast %1 Fragen beantwortet!
Wenn du eine neue Lektion beginnen möchtest, klicke auf den Knopf „Ja“.
Wenn du mit dieser Lektion weitermachen möchtest, klicke auf „Nein“.
Für eine Pause klicke auf „Abbrechen“.</translation>
    </message>
    <message>
        <source>Lesson Over Notification</source>
        <translation>Lektion beendet</translation>
    </message>
    <message>
        <source>Click New to start!</source>
        <translation>Klicke auf „Neu“, um zu beginnen!</translation>
    </message>
    <message>
        <source>Please adjust the sliders properly.  The top slider must be at least 1 hight then the bottem slider.</source>
        <translation>Bitte stell die Schieberegler richtig ein. Der obere Schieberegler muss mindestens eine Taste höher stehen als der untere.</translation>
    </message>
    <message>
        <source>Slider Error!</source>
        <translation>Fehler bei den Schiebereglern!</translation>
    </message>
    <message>
        <source>Too Low</source>
        <translation>Zu tief</translation>
    </message>
    <message>
        <source>Too High</source>
        <translation>Zu hoch</translation>
    </message>
    <message>
        <source>Over Time!</source>
        <translation>Zeit abgelaufen!</translation>
    </message>
    <message>
        <source>Click on the New button...</source>
        <translation>Klicke auf den Knopf „Neu“...</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Heard by a screen reader after a right answer: the note, the praise word.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Clue: %1</source>
        <extracomment>Heard by a screen reader when a clue shows the note.</extracomment>
        <translation>Tipp: %1</translation>
    </message>
    <message>
        <source>Not %1</source>
        <extracomment>Heard by a screen reader after a wrong letter: the note it names.</extracomment>
        <translation>Nicht %1</translation>
    </message>
</context>
<context>
    <name>staverly::MIDIInput</name>
    <message>
        <source>%1 MIDI messages were lost: the input queue was full.</source>
        <translation>%1 MIDI-Nachrichten gingen verloren: Die Eingangswarteschlange war voll.</translation>
    </message>
</context>
<context>
    <name>staverly::MIDIOutput</name>
    <message>
        <source>This system has no default MIDI output.</source>
        <translation>Dieses System hat keinen Standard-MIDI-Ausgang.</translation>
    </message>
    <message>
        <source>%1 does not start a short MIDI message.</source>
        <translation>%1 ist nicht der Anfang einer kurzen MIDI-Nachricht.</translation>
    </message>
</context>
<context>
    <name>staverly::MainBackground</name>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Score %</source>
        <translation>Treffer %</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
</context>
<context>
    <name>staverly::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Lesson</source>
        <translation>&amp;Neue Lektion</translation>
    </message>
    <message>
        <source>&amp;Treble Clef</source>
        <translation>&amp;Violinschlüssel</translation>
    </message>
    <message>
        <source>&amp;Base Clef</source>
        <translation>Ba&amp;ssschlüssel</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print Set&amp;up...</source>
        <translation>Drucker &amp;einrichten...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Lesson Setup...</source>
        <translation>&amp;Lektion einrichten...</translation>
    </message>
    <message>
        <source>&amp;Midi Setup...</source>
        <translation>&amp;MIDI einrichten...</translation>
    </message>
    <message>
        <source>Players...</source>
        <translation>Spieler...</translation>
    </message>
    <message>
        <source>&amp;Test Maker...</source>
        <translation>&amp;Testblätter...</translation>
    </message>
    <message>
        <source>&amp;Grades...</source>
        <translation>&amp;Ergebnisse...</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation>&amp;Fortschritt...</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>%1&apos;s Music on %2...</source>
        <translation>Musik von %1 auf %2...</translation>
    </message>
    <message>
        <source>Staverly Updates...</source>
        <translation>Staverly-Aktualisierungen...</translation>
    </message>
    <message>
        <source>Send Email To Me...</source>
        <translation>E-Mail an den Autor...</translation>
    </message>
    <message>
        <source>&amp;Help Using This Program...</source>
        <translation>&amp;Hilfe zu diesem Programm...</translation>
    </message>
    <message>
        <source>&amp;About The Staverly...</source>
        <translation>Ü&amp;ber Staverly...</translation>
    </message>
    <message>
        <source>Staverly stays at %1 %.</source>
        <translation>Staverly bleibt bei %1 %.</translation>
    </message>
    <message>
        <source>Staverly shows its window at %1 % from its next start.</source>
        <translation>Staverly zeigt sein Fenster ab dem nächsten Start mit %1 %.</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>Desktop&apos;s language</source>
        <translation>Sprache des Desktops</translation>
    </message>
    <message>
        <source>Staverly speaks the language chosen from its next start.</source>
        <translation>Staverly spricht die gewählte Sprache ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Staverly - Print Error</source>
        <translation>Staverly - Fehler beim Drucken</translation>
    </message>
    <message>
        <source>Note &amp;Names</source>
        <translation>&amp;Notennamen</translation>
    </message>
    <message>
        <source>As the language names them</source>
        <translation>Wie in der gewählten Sprache üblich</translation>
    </message>
    <message>
        <source>Letters: C D E F G A B</source>
        <translation>Englische Buchstaben: C D E F G A B</translation>
    </message>
    <message>
        <source>German letters: C D E F G A H</source>
        <translation>Deutsche Buchstaben: C D E F G A H</translation>
    </message>
    <message>
        <source>Solfège: Do Re Mi Fa Sol La Si</source>
        <translation>Solfège: Do Re Mi Fa Sol La Si</translation>
    </message>
    <message>
        <source>Staverly names the notes this way from its next start.</source>
        <translation>Staverly benennt die Noten ab dem nächsten Start so.</translation>
    </message>
    <message>
        <source>Note Names</source>
        <translation>Notennamen</translation>
    </message>
    <message>
        <source>&amp;Question and Score</source>
        <translation>&amp;Frage und Trefferquote</translation>
    </message>
</context>
<context>
    <name>staverly::MicAnswers</name>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
</context>
<context>
    <name>staverly::MicPanel</name>
    <message>
        <source>Listen to a Piano</source>
        <translation>Einem Klavier zuhören</translation>
    </message>
    <message>
        <source>Check here to answer by playing a real piano into the microphone</source>
        <translation>Kreuze hier an, um auf einem echten Klavier über das Mikrofon zu antworten</translation>
    </message>
    <message>
        <source>&amp;Listen to a piano</source>
        <translation>Einem &amp;Klavier zuhören</translation>
    </message>
    <message>
        <source>How loud the microphone hears the room</source>
        <translation>Wie laut das Mikrofon den Raum hört</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Mikrofonpegel</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Select the microphone that hears the piano</source>
        <translation>Wähle das Mikrofon, das das Klavier hört</translation>
    </message>
    <message>
        <source>Piano&apos;s A</source>
        <translation>A des Klaviers</translation>
    </message>
    <message>
        <source>The pitch of the A above middle C on your piano</source>
        <translation>Die Tonhöhe des A über dem Mittel-C auf deinem Klavier</translation>
    </message>
    <message>
        <source> Hz</source>
        <translation> Hz</translation>
    </message>
    <message>
        <source>Click here, then play one A on your piano</source>
        <translation>Klicke hier und spiel dann ein A auf deinem Klavier</translation>
    </message>
    <message>
        <source>T&amp;une to my piano</source>
        <translation>Auf mein Klavier &amp;stimmen</translation>
    </message>
    <message>
        <source>The desktop&apos;s default input</source>
        <translation>Standardeingang des Desktops</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (nicht verbunden)</translation>
    </message>
    <message>
        <source>Play one A on your piano now, and let it ring.</source>
        <translation>Spiel jetzt ein A auf deinem Klavier und lass es klingen.</translation>
    </message>
    <message>
        <source>No A was heard. Play one A, a little louder, and try again.</source>
        <translation>Kein A gehört. Spiel ein A etwas lauter und versuch es noch einmal.</translation>
    </message>
    <message>
        <source>Tuned: your piano&apos;s A is %1 Hz.</source>
        <translation>Gestimmt: Das A deines Klaviers hat %1 Hz.</translation>
    </message>
    <message>
        <source>Tuned:</source>
        <translation>Gestimmt:</translation>
    </message>
    <message>
        <source>No A was heard</source>
        <translation>Kein A gehört</translation>
    </message>
    <message>
        <source>This computer has no sound input to listen to.</source>
        <translation>Dieser Computer hat keinen Toneingang, dem Staverly zuhören kann.</translation>
    </message>
    <message>
        <source>Place the microphone near the piano and tick the box; the bar moves when it hears the piano.</source>
        <translation>Stell das Mikrofon in die Nähe des Klaviers und setz das Häkchen; der Balken bewegt sich, wenn es das Klavier hört.</translation>
    </message>
    <message>
        <source>The microphone is too loud: turn its level down in the desktop&apos;s sound settings.</source>
        <translation>Das Mikrofon ist zu laut: Dreh seinen Pegel in den Toneinstellungen des Desktops herunter.</translation>
    </message>
    <message>
        <source>The microphone hears nothing: check that it is plugged in, chosen above and not muted.</source>
        <translation>Das Mikrofon hört nichts: Prüfe, ob es eingesteckt, oben ausgewählt und nicht stummgeschaltet ist.</translation>
    </message>
    <message>
        <source>Listening: play the key of each note to answer.</source>
        <translation>Staverly hört zu: Spiel zu jeder Note die passende Taste.</translation>
    </message>
</context>
<context>
    <name>staverly::MidiMod</name>
    <message>
        <source>Midi Output Error!</source>
        <translation>Fehler beim MIDI-Ausgang!</translation>
    </message>
    <message>
        <source>Choose a MIDI keyboard</source>
        <translation>Wähle ein MIDI-Keyboard</translation>
    </message>
    <message>
        <source> Choose one in MIDI Setup.</source>
        <translation> Wähle eines unter „MIDI einrichten“.</translation>
    </message>
    <message>
        <source>MIDI keyboard not connected</source>
        <translation>MIDI-Keyboard nicht verbunden</translation>
    </message>
    <message>
        <source>The MIDI keyboard &quot;%1&quot; is not connected. Staverly uses it again as soon as it is back.</source>
        <translation>Das MIDI-Keyboard „%1“ ist nicht verbunden. Staverly verwendet es wieder, sobald es wieder da ist.</translation>
    </message>
    <message>
        <source>Choose a MIDI output</source>
        <translation>Wähle einen MIDI-Ausgang</translation>
    </message>
    <message>
        <source>MIDI output not connected</source>
        <translation>MIDI-Ausgang nicht verbunden</translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; is not connected. Staverly uses it again as soon as it is back.</source>
        <translation>Der MIDI-Ausgang „%1“ ist nicht verbunden. Staverly verwendet ihn wieder, sobald er wieder da ist.</translation>
    </message>
    <message>
        <source>Midi In Open Error!</source>
        <translation>Fehler beim Öffnen des MIDI-Eingangs!</translation>
    </message>
    <message>
        <source>Midi Out Error!</source>
        <translation>Fehler beim MIDI-Ausgang!</translation>
    </message>
    <message>
        <source>Midi In Open Device Error</source>
        <translation>Fehler beim Öffnen des MIDI-Eingangs</translation>
    </message>
    <message>
        <source>Midi Out Open Device Error</source>
        <translation>Fehler beim Öffnen des MIDI-Ausgangs</translation>
    </message>
    <message>
        <source>Sound: none, the sound server has gone</source>
        <translation>Ton: keiner, der Soundserver ist nicht mehr da</translation>
    </message>
    <message>
        <source>Sound: starting</source>
        <translation>Ton: wird gestartet</translation>
    </message>
    <message>
        <source>Sound: %1, resting</source>
        <translation>Ton: %1, im Ruhezustand</translation>
    </message>
    <message>
        <source>Sound: %1, %2 ms</source>
        <translation>Ton: %1, %2 ms</translation>
    </message>
    <message>
        <source>No sound output</source>
        <translation>Keine Tonausgabe</translation>
    </message>
    <message>
        <source>The connection from &quot;%1&quot; to Staverly was removed outside Staverly (in a patchbay, say). Press OK in MIDI Setup to connect it again.</source>
        <translation>Die Verbindung von „%1“ zu Staverly wurde außerhalb von Staverly getrennt (zum Beispiel in einer Patchbay). Drücke OK im Fenster „MIDI einrichten“, um sie wiederherzustellen.</translation>
    </message>
    <message>
        <source>The connection from Staverly to &quot;%1&quot; was removed outside Staverly (in a patchbay, say). Press OK in MIDI Setup to connect it again.</source>
        <translation>Die Verbindung von Staverly zu „%1“ wurde außerhalb von Staverly getrennt (zum Beispiel in einer Patchbay). Drücke OK im Fenster „MIDI einrichten“, um sie wiederherzustellen.</translation>
    </message>
    <message>
        <source>MIDI notes dropped</source>
        <translation>MIDI-Noten verworfen</translation>
    </message>
    <message>
        <source>%1 MIDI notes came faster than they could be judged and were dropped.</source>
        <translation>%1 MIDI-Noten kamen schneller an, als sie bewertet werden konnten, und wurden verworfen.</translation>
    </message>
    <message>
        <source>Odd MIDI input ignored</source>
        <translation>Ungewöhnliche MIDI-Daten ignoriert</translation>
    </message>
    <message>
        <source>1 malformed MIDI message ignored.</source>
        <translation>1 fehlerhafte MIDI-Nachricht ignoriert.</translation>
    </message>
    <message>
        <source>%1 malformed MIDI messages ignored.</source>
        <translation>%1 fehlerhafte MIDI-Nachrichten ignoriert.</translation>
    </message>
    <message>
        <source>MIDI disconnected elsewhere</source>
        <translation>MIDI-Verbindung von außen getrennt</translation>
    </message>
    <message>
        <source>MIDI output not answering</source>
        <translation>MIDI-Ausgang antwortet nicht</translation>
    </message>
</context>
<context>
    <name>staverly::PianoEar</name>
    <message>
        <source>No microphone can be listened to on this computer.</source>
        <translation>Auf diesem Computer gibt es kein Mikrofon, dem Staverly zuhören kann.</translation>
    </message>
    <message>
        <source>The microphone could not be opened.</source>
        <translation>Das Mikrofon konnte nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>staverly::PictureBox</name>
    <message>
        <source>The staff picture is missing or cannot be read:
%1

Play on: the note still sounds, and its name shows as a clue.</source>
        <translation>Das Bild des Notensystems fehlt oder lässt sich nicht lesen:
%1

Spiel weiter: Die Note klingt trotzdem, und ihr Name erscheint als Tipp.</translation>
    </message>
</context>
<context>
    <name>staverly::RangeSliders</name>
    <message>
        <source>Low Note</source>
        <translation>Tiefste Note</translation>
    </message>
    <message>
        <source>High Note</source>
        <translation>Höchste Note</translation>
    </message>
    <message>
        <source>Note Range Error!</source>
        <translation>Fehler im Tonbereich!</translation>
    </message>
</context>
<context>
    <name>staverly::WeakNoteMap</name>
    <message>
        <source>Keys by wrong answers</source>
        <translation>Tasten nach falschen Antworten</translation>
    </message>
    <message>
        <source>Keys by answer time</source>
        <translation>Tasten nach Antwortzeit</translation>
    </message>
    <message>
        <source>No note asked yet.</source>
        <translation>Noch keine Note abgefragt.</translation>
    </message>
    <message>
        <source>Weakest first: </source>
        <translation>Unsicherste zuerst: </translation>
    </message>
    <message>
        <source>%1: not asked yet</source>
        <translation>%1: noch nicht abgefragt</translation>
    </message>
    <message>
        <source>%1: %2 answers, %3 wrong (%4 %), median %5 s</source>
        <translation>%1: %2 Antworten, %3 falsch (%4 %), Median %5 s</translation>
    </message>
</context>
<context>
    <name>staverly::aboutFrm</name>
    <message>
        <source>Last Updated 8/7/2000</source>
        <translation>Zuletzt aktualisiert am 7.8.2000</translation>
    </message>
    <message>
        <source>Read the staff. Find the key. Play the note.</source>
        <translation>Lies die Noten. Finde die Taste. Spiel den Ton.</translation>
    </message>
</context>
<context>
    <name>staverly::frmMain</name>
    <message>
        <source>Pellworth&apos;s Staverly v1.0</source>
        <translation>Pellworth&apos;s Staverly v1.0</translation>
    </message>
    <message>
        <source>Question progress bar.</source>
        <translation>Fortschrittsbalken der Fragen.</translation>
    </message>
    <message>
        <source>Click in this area to open  Lesson Setup...</source>
        <translation>Klicke in diesen Bereich, um „Lektion einrichten“ zu öffnen.</translation>
    </message>
    <message>
        <source>Click here to start a new game.</source>
        <translation>Klicke hier, um eine neue Lektion zu starten.</translation>
    </message>
    <message>
        <source>Click here to see clue or click on note. You can also press the space- bar</source>
        <translation>Klicke hier oder auf die Note, um einen Tipp zu sehen. Du kannst auch die Leertaste drücken.</translation>
    </message>
    <message>
        <source>New lesson</source>
        <translation>Neue Lektion</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Midi Indicator</source>
        <translation>MIDI-Anzeige</translation>
    </message>
    <message>
        <source>The player list &quot;%1&quot; could not be created: %2.</source>
        <translation>Die Spielerliste „%1“ konnte nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>Are you sure you want to Quit?</source>
        <translation>Möchtest du Staverly wirklich beenden?</translation>
    </message>
    <message>
        <source>Exit Notification</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>staverly::gradesFrm</name>
    <message>
        <source>User Name                </source>
        <translation>Name                </translation>
    </message>
    <message>
        <source>Lesson         </source>
        <translation>Lektion         </translation>
    </message>
    <message>
        <source>Yes    </source>
        <translation>Ja    </translation>
    </message>
    <message>
        <source>No     </source>
        <translation>Nein     </translation>
    </message>
    <message>
        <source>Score   </source>
        <translation>Trefferquote   </translation>
    </message>
    <message>
        <source>Date                              </source>
        <translation>Datum                              </translation>
    </message>
    <message>
        <source>Grades</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>&amp;Print HTML Report...</source>
        <translation>HTML-Bericht &amp;drucken...</translation>
    </message>
    <message>
        <source>Click here to make a printable HTML report.</source>
        <translation>Klicke hier, um einen HTML-Bericht zum Ausdrucken zu erstellen.</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Click here to clear the current grade report.</source>
        <translation>Klicke hier, um die Ergebnisliste zu leeren.</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation>&amp;Fortschritt...</translation>
    </message>
    <message>
        <source>Click here to see each pupil&apos;s progress and weak notes.</source>
        <translation>Klicke hier, um den Fortschritt und die unsicheren Noten jedes Spielers zu sehen.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Click here to close window.</source>
        <translation>Klicke hier, um das Fenster zu schließen.</translation>
    </message>
    <message>
        <source>%1 line(s) of the grade log &quot;%2&quot; could not be read as lessons and are left out here. The file itself is left as it is.</source>
        <translation>%1 Zeile(n) der Ergebnisliste „%2“ ließen sich nicht als Lektionen lesen und fehlen hier. Die Datei selbst bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>Are you sure you want to clear this list?<byte value="xd"/>
Change can not be undone.</source>
        <translation>Möchtest du diese Liste wirklich leeren?<byte value="xd"/>
Das kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Remove Grades Notification</source>
        <translation>Ergebnisse löschen</translation>
    </message>
    <message>
        <source>The grade log &quot;%1&quot; could not be deleted: %2. Every lesson in it is kept.</source>
        <translation>Die Ergebnisliste „%1“ konnte nicht gelöscht werden: %2. Alle Lektionen darin bleiben erhalten.</translation>
    </message>
    <message>
        <source>Save Grade Report As...</source>
        <translation>Ergebnisbericht speichern unter...</translation>
    </message>
    <message>
        <source>The grade report could not be saved as &quot;%1&quot;: %2</source>
        <translation>Der Ergebnisbericht konnte nicht als „%1“ gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>staverly::midiFrm</name>
    <message>
        <source>Midi Setup</source>
        <translation>MIDI einrichten</translation>
    </message>
    <message>
        <source>Midi In</source>
        <translation>MIDI-Eingang</translation>
    </message>
    <message>
        <source>Check here if using and external keyboard</source>
        <translation>Kreuze hier an, wenn du ein externes Keyboard verwendest</translation>
    </message>
    <message>
        <source>Midi &amp;In Enabled</source>
        <translation>MIDI-&amp;Eingang aktiv</translation>
    </message>
    <message>
        <source>Check here to enable Midi Through</source>
        <translation>Kreuze hier an, um MIDI durchzuleiten</translation>
    </message>
    <message>
        <source>Midi &amp;Through</source>
        <translation>MIDI &amp;durchleiten</translation>
    </message>
    <message>
        <source>Midi In Device</source>
        <translation>MIDI-Eingabegerät</translation>
    </message>
    <message>
        <source>Select the Midi Input device</source>
        <translation>Wähle das MIDI-Eingabegerät</translation>
    </message>
    <message>
        <source>Midi Out</source>
        <translation>MIDI-Ausgang</translation>
    </message>
    <message>
        <source>Midi Out Device</source>
        <translation>MIDI-Ausgabegerät</translation>
    </message>
    <message>
        <source>Select here to choose a midi output device</source>
        <translation>Wähle hier ein MIDI-Ausgabegerät</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Select here to choose an instrument</source>
        <translation>Wähle hier ein Instrument</translation>
    </message>
    <message>
        <source>Midi Channel</source>
        <translation>MIDI-Kanal</translation>
    </message>
    <message>
        <source>Choose a Midi In channel</source>
        <translation>Wähle einen MIDI-Kanal</translation>
    </message>
    <message>
        <source>Midi Volume</source>
        <translation>MIDI-Lautstärke</translation>
    </message>
    <message>
        <source>Slide here to adjust midi out volume</source>
        <translation>Schieb hier, um die MIDI-Lautstärke einzustellen</translation>
    </message>
    <message>
        <source>Click here to hear instrument on synthesizer</source>
        <translation>Klicke hier, um das Instrument auf dem Synthesizer zu hören</translation>
    </message>
    <message>
        <source>Test Note</source>
        <translation>Testton</translation>
    </message>
    <message>
        <source>Click here to close window</source>
        <translation>Klicke hier, um das Fenster zu schließen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>The delay from a note to the loudspeakers, as the sound server measures it</source>
        <translation>Die Verzögerung von einer Note bis zu den Lautsprechern, wie der Soundserver sie misst</translation>
    </message>
</context>
<context>
    <name>staverly::playerFrm</name>
    <message>
        <source>Player Setup</source>
        <translation>Spieler verwalten</translation>
    </message>
    <message>
        <source>Current Player:</source>
        <translation>Aktueller Spieler:</translation>
    </message>
    <message>
        <source>Select a player from the list</source>
        <translation>Wähle einen Spieler aus der Liste</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Click here to remove the selected player</source>
        <translation>Klicke hier, um den ausgewählten Spieler zu entfernen</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <source>Click here to add a new player</source>
        <translation>Klicke hier, um einen neuen Spieler hinzuzufügen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click here to close window</source>
        <translation>Klicke hier, um das Fenster zu schließen</translation>
    </message>
    <message>
        <source>Please enter name!</source>
        <translation>Bitte gib einen Namen ein!</translation>
    </message>
    <message>
        <source>Staverly Players</source>
        <translation>Staverly-Spieler</translation>
    </message>
    <message>
        <source>You have not selected a current player!<byte value="xd"/>
You must select one before closing this window.</source>
        <translation>Du hast keinen aktuellen Spieler ausgewählt!<byte value="xd"/>
Wähle einen aus, bevor du dieses Fenster schließt.</translation>
    </message>
    <message>
        <source>Player Setup Error</source>
        <translation>Fehler beim Verwalten der Spieler</translation>
    </message>
    <message>
        <source>The player list &quot;%1&quot; could not be saved: %2. It is left as it was.</source>
        <translation>Die Spielerliste „%1“ konnte nicht gespeichert werden: %2. Sie bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>The player list &quot;%1&quot; was not written as UTF-8 throughout. It has been written anew as UTF-8, with every name kept.</source>
        <translation>Die Spielerliste „%1“ war nicht durchgehend in UTF-8 geschrieben. Sie wurde neu als UTF-8 geschrieben; jeder Name ist erhalten geblieben.</translation>
    </message>
</context>
<context>
    <name>staverly::progressFrm</name>
    <message>
        <source>Treble</source>
        <translation>Violinschlüssel</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>Bassschlüssel</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Choose whose progress to see</source>
        <translation>Wähle, wessen Fortschritt du sehen möchtest</translation>
    </message>
    <message>
        <source>By day</source>
        <translation>Nach Tagen</translation>
    </message>
    <message>
        <source>By week</source>
        <translation>Nach Wochen</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Spieler:</translation>
    </message>
    <message>
        <source>&amp;Lessons:</source>
        <translation>&amp;Lektionen:</translation>
    </message>
    <message>
        <source>Notes on the keyboard</source>
        <translation>Noten auf der Klaviatur</translation>
    </message>
    <message>
        <source>&amp;Treble Clef</source>
        <translation>&amp;Violinschlüssel</translation>
    </message>
    <message>
        <source>&amp;Bass Clef</source>
        <translation>&amp;Bassschlüssel</translation>
    </message>
    <message>
        <source>&amp;Wrong answers</source>
        <translation>&amp;Falsche Antworten</translation>
    </message>
    <message>
        <source>Answer t&amp;ime</source>
        <translation>Antwort&amp;zeit</translation>
    </message>
    <message>
        <source>Most &amp;confused notes:</source>
        <translation>Am &amp;häufigsten verwechselt:</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>Als CSV &amp;exportieren...</translation>
    </message>
    <message>
        <source>Save every answer of this player for a spreadsheet</source>
        <translation>Jede Antwort dieses Spielers für ein Tabellenprogramm speichern</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>the letter %1</source>
        <translation>Buchstabe %1</translation>
    </message>
    <message>
        <source>%1 (%2) answered as %3: %4 time</source>
        <translation>%1 (%2) als %3 beantwortet: %4-mal</translation>
    </message>
    <message>
        <source>%1 (%2) answered as %3: %4 times</source>
        <translation>%1 (%2) als %3 beantwortet: %4-mal</translation>
    </message>
    <message>
        <source>No note answered wrong yet.</source>
        <translation>Noch keine Note falsch beantwortet.</translation>
    </message>
    <message>
        <source>%1: score and median answer time</source>
        <translation>%1: Trefferquote und mittlere Antwortzeit</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Score %</source>
        <translation>Treffer %</translation>
    </message>
    <message>
        <source>Median time (s)</source>
        <translation>Mittlere Zeit (s)</translation>
    </message>
    <message>
        <source>Treble score</source>
        <translation>Trefferquote Violinschlüssel</translation>
    </message>
    <message>
        <source>Bass score</source>
        <translation>Trefferquote Bassschlüssel</translation>
    </message>
    <message>
        <source>Treble time</source>
        <translation>Zeit Violinschlüssel</translation>
    </message>
    <message>
        <source>Bass time</source>
        <translation>Zeit Bassschlüssel</translation>
    </message>
    <message>
        <source>%1: no answers kept yet</source>
        <translation>%1: noch keine Antworten gespeichert</translation>
    </message>
    <message>
        <source>Export Answers As...</source>
        <translation>Antworten exportieren als...</translation>
    </message>
    <message>
        <source>The answers could not be saved as &quot;%1&quot;: %2</source>
        <translation>Die Antworten konnten nicht als „%1“ gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>staverly::setupFrm</name>
    <message>
        <source>Lesson Setup</source>
        <translation>Lektion einrichten</translation>
    </message>
    <message>
        <source>Player&apos;s Name</source>
        <translation>Spielername</translation>
    </message>
    <message>
        <source>Current Player&apos;s Name</source>
        <translation>Name des aktuellen Spielers</translation>
    </message>
    <message>
        <source>Click here to change player</source>
        <translation>Klicke hier, um den Spieler zu wechseln</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>Bea&amp;rbeiten...</translation>
    </message>
    <message>
        <source>Save &amp;Grades</source>
        <translation>&amp;Ergebnisse speichern</translation>
    </message>
    <message>
        <source>Check here to enable auto grade saving</source>
        <translation>Kreuze hier an, um die Ergebnisse automatisch zu speichern</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Noten</translation>
    </message>
    <message>
        <source>Select here for Treble Clef.</source>
        <translation>Wähle hier den Violinschlüssel.</translation>
    </message>
    <message>
        <source>&amp;Treble Clef</source>
        <translation>&amp;Violinschlüssel</translation>
    </message>
    <message>
        <source>Select here for Bass Clef</source>
        <translation>Wähle hier den Bassschlüssel</translation>
    </message>
    <message>
        <source>&amp;Bass Clef</source>
        <translation>&amp;Bassschlüssel</translation>
    </message>
    <message>
        <source>Use &amp;Chromatics</source>
        <translation>&amp;Chromatisch üben</translation>
    </message>
    <message>
        <source>Check here to include chromatic notes</source>
        <translation>Kreuze hier an, um auch die schwarzen Tasten abzufragen</translation>
    </message>
    <message>
        <source>Optional Use Letter Keys Too!</source>
        <translation>Du kannst auch Buchstaben tippen!</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Anzahl Fragen</translation>
    </message>
    <message>
        <source>Select the number of questions for a lesson</source>
        <translation>Wähle die Anzahl der Fragen pro Lektion</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Zeitlimit</translation>
    </message>
    <message>
        <source>Use &amp;Timer</source>
        <translation>&amp;Zeitlimit verwenden</translation>
    </message>
    <message>
        <source>Check here to enable Timer</source>
        <translation>Kreuze hier an, um das Zeitlimit einzuschalten</translation>
    </message>
    <message>
        <source>Time To:</source>
        <translation>Zeit pro Versuch:</translation>
    </message>
    <message>
        <source>Slide here to adjust lesson timer.</source>
        <translation>Schieb hier, um das Zeitlimit einzustellen.</translation>
    </message>
    <message>
        <source>Seconds to answer</source>
        <translation>Sekunden zum Antworten</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Enable Clues</source>
        <translation>Tipps erlauben</translation>
    </message>
    <message>
        <source>Check here to enable clues</source>
        <translation>Kreuze hier an, um Tipps zu erlauben</translation>
    </message>
    <message>
        <source>Use Sound Effects</source>
        <translation>Soundeffekte verwenden</translation>
    </message>
    <message>
        <source>Check here to enable sound effects</source>
        <translation>Kreuze hier an, um Soundeffekte einzuschalten</translation>
    </message>
    <message>
        <source>Practise &amp;weak notes</source>
        <translation>&amp;Unsichere Noten üben</translation>
    </message>
    <message>
        <source>Check here to be asked the notes you miss more often</source>
        <translation>Kreuze hier an, damit die Noten, die du oft falsch hast, häufiger abgefragt werden</translation>
    </message>
    <message>
        <source>&amp;Show On Startup</source>
        <translation>Beim &amp;Start anzeigen</translation>
    </message>
    <message>
        <source> &amp;OK</source>
        <translation> &amp;OK</translation>
    </message>
</context>
<context>
    <name>staverly::testFrm</name>
    <message>
        <source>Test Maker</source>
        <translation>Testblätter</translation>
    </message>
    <message>
        <source>This featur will help you to make a printable HTML note test based on the current range and clef selected.</source>
        <translation>Hier erstellst du einen Notentest als HTML-Seite zum Ausdrucken, mit dem gewählten Tonbereich und Schlüssel.</translation>
    </message>
    <message>
        <source>Test Setup</source>
        <translation>Test einrichten</translation>
    </message>
    <message>
        <source>Type 1</source>
        <translation>Typ 1</translation>
    </message>
    <message>
        <source>Type 2</source>
        <translation>Typ 2</translation>
    </message>
    <message>
        <source>&amp;Answer key</source>
        <translation>&amp;Lösungsblatt</translation>
    </message>
    <message>
        <source>Check here to save an answer key with the test.</source>
        <translation>Kreuze hier an, um zum Test ein Lösungsblatt zu speichern.</translation>
    </message>
    <message>
        <source>Questions:</source>
        <translation>Fragen:</translation>
    </message>
    <message>
        <source>Enter the number of test questions.</source>
        <translation>Gib die Anzahl der Testfragen ein.</translation>
    </message>
    <message>
        <source>&amp;Make Test...</source>
        <translation>&amp;Test erstellen...</translation>
    </message>
    <message>
        <source>Click here to make and save note test.</source>
        <translation>Klicke hier, um den Notentest zu erstellen und zu speichern.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Save Note Test As...</source>
        <translation>Notentest speichern unter...</translation>
    </message>
    <message>
        <source>The note test could not be saved as &quot;%1&quot;: %2</source>
        <translation>Der Notentest konnte nicht als „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist schon vorhanden.
Möchtest du die Datei ersetzen?</translation>
    </message>
    <message>
        <source>The note test was saved, but its answer key could not be saved as &quot;%1&quot;: %2</source>
        <translation>Der Notentest wurde gespeichert, aber sein Lösungsblatt konnte nicht als „%1“ gespeichert werden: %2</translation>
    </message>
</context>
</TS>
