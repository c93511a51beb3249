<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AccessibleTexts</name>
    <message>
        <source>Middle C, %1</source>
        <translation>Do centrale, %1</translation>
    </message>
    <message>
        <source>Right answers: %1</source>
        <translation>Risposte giuste: %1</translation>
    </message>
    <message>
        <source>Wrong answers: %1</source>
        <translation>Risposte sbagliate: %1</translation>
    </message>
    <message>
        <source>Score: %1 percent</source>
        <translation>Punteggio: %1 per cento</translation>
    </message>
    <message>
        <source>Time: %1 seconds</source>
        <translation>Tempo: %1 secondi</translation>
    </message>
    <message>
        <source>Lowest note</source>
        <translation>Nota più bassa</translation>
    </message>
    <message>
        <source>Highest note</source>
        <translation>Nota più alta</translation>
    </message>
    <message>
        <source>Lowest note: %1</source>
        <translation>Nota più bassa: %1</translation>
    </message>
    <message>
        <source>Highest note: %1</source>
        <translation>Nota più alta: %1</translation>
    </message>
    <message>
        <source>Treble staff</source>
        <translation>Pentagramma in chiave di violino</translation>
    </message>
    <message>
        <source>Bass staff</source>
        <translation>Pentagramma in chiave di basso</translation>
    </message>
    <message>
        <source>%1, a note to name</source>
        <translation>%1, una nota da riconoscere</translation>
    </message>
    <message>
        <source>%1, the note %2</source>
        <translation>%1, la nota %2</translation>
    </message>
    <message>
        <source>No question yet</source>
        <translation>Ancora nessuna domanda</translation>
    </message>
    <message>
        <source>Question %1 of %2</source>
        <translation>Domanda %1 di %2</translation>
    </message>
    <message>
        <source>No lesson running</source>
        <translation>Nessuna lezione in corso</translation>
    </message>
</context>
<context>
    <name>AnswerKeySheet</name>
    <message>
        <source>Answer key for %1</source>
        <translation>Soluzioni per %1</translation>
    </message>
</context>
<context>
    <name>AudioEngine</name>
    <message>
        <source>No audio output could be opened.
%1</source>
        <translation>Non è stato possibile aprire nessuna uscita audio.
%1</translation>
    </message>
    <message>
        <source>The sound output has gone away; Staverly tries again.</source>
        <translation>L’uscita audio non è più disponibile; Staverly riprova.</translation>
    </message>
</context>
<context>
    <name>BuiltinSynth</name>
    <message>
        <source>The built-in synthesizer found no SoundFont to play with (looked for %1). Install a General MIDI SoundFont, such as the package timgm6mb-soundfont.</source>
        <translation>Il sintetizzatore interno non ha trovato nessun SoundFont con cui suonare (posti cercati: %1). Installa un SoundFont General MIDI, per esempio il pacchetto timgm6mb-soundfont.</translation>
    </message>
    <message>
        <source>The built-in synthesizer has no audio output.
%1</source>
        <translation>Il sintetizzatore interno non ha nessuna uscita audio.
%1</translation>
    </message>
    <message>
        <source>The built-in synthesizer could not load the SoundFont %1.</source>
        <translation>Il sintetizzatore interno non è riuscito a caricare il SoundFont %1.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Staverly teaches pupils to read notes on the staff and to find them on a piano keyboard.

Pictures and help:          %1
Player list and grade log:  %2
Settings:                   %3</source>
        <translation>Staverly insegna agli allievi a leggere le note sul pentagramma e a trovarle sulla tastiera del pianoforte.

Immagini e guida:               %1
Giocatori e registro dei voti:  %2
Impostazioni:                   %3</translation>
    </message>
    <message>
        <source>Displays this help and exits.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
</context>
<context>
    <name>ControlHost</name>
    <message>
        <source>The control class %1 has no property &quot;%2&quot;.</source>
        <translation>La classe di controllo %1 non ha la proprietà «%2».</translation>
    </message>
    <message>
        <source>%1: not a control library (%2)</source>
        <translation>%1: non è una libreria di controlli (%2)</translation>
    </message>
    <message>
        <source>%1: a plugin of another kind (%2)</source>
        <translation>%1: un plugin di un altro tipo (%2)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is already made by %3</source>
        <translation>%1: «%2» viene già creato da %3</translation>
    </message>
    <message>
        <source>Cannot create the control &quot;%1&quot;: the control folder &quot;%2&quot; does not exist.</source>
        <translation>Impossibile creare il controllo «%1»: la cartella dei controlli «%2» non esiste.</translation>
    </message>
    <message>
        <source>Cannot create the control &quot;%1&quot;: no control library in &quot;%2&quot; makes it.</source>
        <translation>Impossibile creare il controllo «%1»: nessuna libreria di controlli in «%2» lo crea.</translation>
    </message>
    <message>
        <source> Files that could not be used: %1.</source>
        <translation> File che non è stato possibile usare: %1.</translation>
    </message>
    <message>
        <source>Cannot create the control &quot;%1&quot;: the control library &quot;%2&quot; did not create it%3.</source>
        <translation>Impossibile creare il controllo «%1»: la libreria di controlli «%2» non l’ha creato%3.</translation>
    </message>
    <message>
        <source>No control to set &quot;%1&quot; on.</source>
        <translation>Nessun controllo su cui impostare «%1».</translation>
    </message>
    <message>
        <source>The property &quot;%1&quot; of %2 is read-only.</source>
        <translation>La proprietà «%1» di %2 è di sola lettura.</translation>
    </message>
    <message>
        <source>The property &quot;%1&quot; of %2 cannot take the value %3.</source>
        <translation>La proprietà «%1» di %2 non può assumere il valore %3.</translation>
    </message>
    <message>
        <source>Setting &quot;%1&quot; failed: %2</source>
        <translation>Impostazione di «%1» non riuscita: %2</translation>
    </message>
    <message>
        <source>No control to read &quot;%1&quot; from.</source>
        <translation>Nessun controllo da cui leggere «%1».</translation>
    </message>
    <message>
        <source>Reading &quot;%1&quot; failed: %2</source>
        <translation>Lettura di «%1» non riuscita: %2</translation>
    </message>
    <message>
        <source>No control or handler for the event &quot;%1&quot;.</source>
        <translation>Nessun controllo o gestore per l’evento «%1».</translation>
    </message>
    <message>
        <source>The control class %1 has no event &quot;%2&quot;.</source>
        <translation>La classe di controllo %1 non ha l’evento «%2».</translation>
    </message>
    <message>
        <source>%1 has no handler &quot;%2&quot;.</source>
        <translation>%1 non ha il gestore «%2».</translation>
    </message>
    <message>
        <source>The handler %1 does not match the event %2.</source>
        <translation>Il gestore %1 non corrisponde all’evento %2.</translation>
    </message>
    <message>
        <source>Cannot connect the event &quot;%1&quot; to %2.</source>
        <translation>Impossibile collegare l’evento «%1» a %2.</translation>
    </message>
</context>
<context>
    <name>Effects</name>
    <message>
        <source>Staverly - Sound Error</source>
        <translation>Staverly - Errore audio</translation>
    </message>
    <message>
        <source>Staverly- Browser Error</source>
        <translation>Staverly - Errore del browser</translation>
    </message>
    <message>
        <source>Resource not found: sound %1.</source>
        <translation>Risorsa non trovata: suono %1.</translation>
    </message>
    <message>
        <source>

The lessons go on without sound effects.</source>
        <translation>

Le lezioni continuano senza effetti sonori.</translation>
    </message>
    <message>
        <source>Nothing to open.</source>
        <translation>Niente da aprire.</translation>
    </message>
</context>
<context>
    <name>FeedbackWords</name>
    <message>
        <source>Wonderful</source>
        <translation>Meraviglioso</translation>
    </message>
    <message>
        <source>Terrific</source>
        <translation>Formidabile</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Eccellente</translation>
    </message>
    <message>
        <source>Spectacular</source>
        <translation>Spettacolare</translation>
    </message>
    <message>
        <source>Fantastic</source>
        <translation>Fantastico</translation>
    </message>
    <message>
        <source>Stupendous</source>
        <translation>Stupendo</translation>
    </message>
    <message>
        <source>Brilliant</source>
        <translation>Splendido</translation>
    </message>
    <message>
        <source>Great</source>
        <translation>Ottimo</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Bene</translation>
    </message>
    <message>
        <source>Alright</source>
        <translation>Va bene</translation>
    </message>
    <message>
        <source>The best!</source>
        <translation>Il massimo!</translation>
    </message>
    <message>
        <source>Your Cool!</source>
        <translation>Sei forte!</translation>
    </message>
    <message>
        <source>Wow!</source>
        <translation>Wow!</translation>
    </message>
    <message>
        <source>Smart Kid!</source>
        <translation>Sei un genio!</translation>
    </message>
    <message>
        <source>Amazing!</source>
        <translation>Incredibile!</translation>
    </message>
    <message>
        <source>Genious!</source>
        <translation>Geniale!</translation>
    </message>
    <message>
        <source>Your a Virtuolo!</source>
        <translation>Sei un virtuoso!</translation>
    </message>
    <message>
        <source>Your Hot!</source>
        <translation>Sei un fenomeno!</translation>
    </message>
    <message>
        <source>Perfect!</source>
        <translation>Perfetto!</translation>
    </message>
    <message>
        <source>Great!</source>
        <translation>Grande!</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Male</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativo</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Errato</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Sbagliato</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falso</translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>-1</source>
        <translation>-1</translation>
    </message>
    <message>
        <source>Wake up!</source>
        <translation>Sveglia!</translation>
    </message>
    <message>
        <source>Come on!</source>
        <translation>Forza!</translation>
    </message>
    <message>
        <source>Try Harder!</source>
        <translation>Impegnati di più!</translation>
    </message>
    <message>
        <source>Think!</source>
        <translation>Pensaci!</translation>
    </message>
    <message>
        <source>Next Time!</source>
        <translation>Alla prossima!</translation>
    </message>
    <message>
        <source>No Good!</source>
        <translation>Non va!</translation>
    </message>
    <message>
        <source>Almost!</source>
        <translation>Quasi!</translation>
    </message>
    <message>
        <source>Keep Trying!</source>
        <translation>Non mollare!</translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation>Aspetto...</translation>
    </message>
    <message>
        <source>Boo!</source>
        <translation>Buuu!</translation>
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
        <translation>Chiave di violino</translation>
    </message>
    <message>
        <source>Base Clef</source>
        <translation>Chiave di basso</translation>
    </message>
</context>
<context>
    <name>GradeReport</name>
    <message>
        <source>Staverly Grade Report</source>
        <translation>Resoconto dei voti di Staverly</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Lesson</source>
        <translation>Lezione</translation>
    </message>
    <message>
        <source>Yes </source>
        <translation>Sì </translation>
    </message>
    <message>
        <source>No </source>
        <translation>No </translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
</context>
<context>
    <name>JackInput</name>
    <message>
        <source>No JACK server is running, so Staverly cannot hear a microphone; start JACK or answer on the keyboard.</source>
        <translation>Non c’è nessun server JACK in esecuzione, quindi Staverly non può sentire il microfono: avvia JACK oppure rispondi con la tastiera.</translation>
    </message>
    <message>
        <source>The JACK server has stopped; Staverly listens again as soon as it is back.</source>
        <translation>Il server JACK si è fermato; Staverly riprende ad ascoltare appena riparte.</translation>
    </message>
    <message>
        <source>JACK offers no microphone input; plug one in and Staverly listens at once.</source>
        <translation>JACK non offre nessun ingresso per il microfono; collegane uno e Staverly si mette subito in ascolto.</translation>
    </message>
    <message>
        <source>The input “%1” is unplugged or switched off; Staverly listens again as soon as it is back.</source>
        <translation>L’ingresso «%1» è scollegato o spento; Staverly riprende ad ascoltare appena è di nuovo disponibile.</translation>
    </message>
</context>
<context>
    <name>JackOutput</name>
    <message>
        <source>no JACK server is running</source>
        <translation>nessun server JACK in esecuzione</translation>
    </message>
    <message>
        <source>the JACK server refused the program&apos;s ports</source>
        <translation>il server JACK ha rifiutato le porte del programma</translation>
    </message>
</context>
<context>
    <name>LessonFace</name>
    <message>
        <source>The lesson&apos;s grade could not be added to &quot;%1&quot;: %2. Lessons go on, but are not kept until this is put right.</source>
        <translation>Non è stato possibile aggiungere il voto della lezione a «%1»: %2. Le lezioni continuano, ma non vengono salvate finché il problema non è risolto.</translation>
    </message>
    <message>
        <source>Staverly - Grades Error</source>
        <translation>Staverly - Errore dei voti</translation>
    </message>
    <message>
        <source>The grade log &quot;%1&quot; was not written as UTF-8 throughout. It has been written anew as UTF-8, with every lesson kept.</source>
        <translation>Il registro dei voti «%1» non era tutto in UTF-8. È stato riscritto in UTF-8, conservando ogni lezione.</translation>
    </message>
    <message>
        <source>Staverly - Grades</source>
        <translation>Staverly - Voti</translation>
    </message>
</context>
<context>
    <name>MainLabels</name>
    <message>
        <source>Player *.*</source>
        <translation>Giocatore *.*</translation>
    </message>
    <message>
        <source>Click here to change current player.</source>
        <translation>Fai clic qui per cambiare giocatore.</translation>
    </message>
    <message>
        <source>Click on the New button...</source>
        <translation>Premi il pulsante Nuova...</translation>
    </message>
</context>
<context>
    <name>MidiError</name>
    <message>
        <source>1 MIDI input</source>
        <translation>1 ingresso MIDI</translation>
    </message>
    <message>
        <source>%1 MIDI inputs</source>
        <translation>%1 ingressi MIDI</translation>
    </message>
    <message>
        <source>1 MIDI output</source>
        <translation>1 uscita MIDI</translation>
    </message>
    <message>
        <source>%1 MIDI outputs</source>
        <translation>%1 uscite MIDI</translation>
    </message>
    <message>
        <source>The MIDI input chosen before (entry %1 of the list) is not connected; this computer lists %2.</source>
        <translation>L’ingresso MIDI scelto prima (voce %1 dell’elenco) non è collegato; questo computer ha %2.</translation>
    </message>
    <message>
        <source>The MIDI output chosen before (entry %1 of the list) is not connected; this computer lists %2.</source>
        <translation>L’uscita MIDI scelta prima (voce %1 dell’elenco) non è collegata; questo computer ha %2.</translation>
    </message>
</context>
<context>
    <name>NoteModel</name>
    <message>
        <source>Middle %1</source>
        <translation>%1 centrale</translation>
    </message>
</context>
<context>
    <name>NoteNames</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>%1 sharp %2</source>
        <translation>%1 diesis %2</translation>
    </message>
    <message>
        <source>the letters a to g</source>
        <translation>le lettere da a a g</translation>
    </message>
    <message>
        <source>the letters a, c to h (h for H)</source>
        <translation>le lettere a e da c a h (h per H)</translation>
    </message>
    <message>
        <source>the digits 1 to 7 (1 for Do) or the letters a to g</source>
        <translation>le cifre da 1 a 7 (1 per Do) o le lettere da a a g</translation>
    </message>
</context>
<context>
    <name>NoteRange</name>
    <message>
        <source>The low note range must be 1 less then the high note!</source>
        <translation>La nota più bassa deve stare almeno un tasto sotto la più alta!</translation>
    </message>
    <message>
        <source>The high note range must be 1 greater then the low note!</source>
        <translation>La nota più alta deve stare almeno un tasto sopra la più bassa!</translation>
    </message>
</context>
<context>
    <name>NoteTestSheet</name>
    <message>
        <source>What is this note? _______</source>
        <translation>Che nota è? _______</translation>
    </message>
    <message>
        <source>Color in this note on the piano.</source>
        <translation>Colora questa nota sulla tastiera.</translation>
    </message>
    <message>
        <source>Brought to you by Pellworth %1...</source>
        <translation>Offerto da Pellworth %1...</translation>
    </message>
</context>
<context>
    <name>NullInput</name>
    <message>
        <source>Staverly finds no sound server to hear a microphone through; start PulseAudio or JACK, or answer on the keyboard.</source>
        <translation>Staverly non trova nessun server audio con cui sentire il microfono: avvia PulseAudio o JACK, oppure rispondi con la tastiera.</translation>
    </message>
</context>
<context>
    <name>NullMidiBackend</name>
    <message>
        <source>The MIDI input &quot;%1&quot; is not available: this system has no MIDI.</source>
        <translation>L’ingresso MIDI «%1» non è disponibile: questo sistema non ha il MIDI.</translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; is not available: this system has no MIDI.</source>
        <translation>L’uscita MIDI «%1» non è disponibile: questo sistema non ha il MIDI.</translation>
    </message>
</context>
<context>
    <name>OldPupilFiles</name>
    <message>
        <source>Moved from the build folder %2 to %3: %1. The program keeps the pupils&apos; files there from now on; a rebuild or a clean of the build folder no longer takes them.</source>
        <translation>File spostati dalla cartella di compilazione %2 a %3: %1. D’ora in poi il programma tiene lì i file degli allievi; una nuova compilazione o una pulizia della cartella di compilazione non li porta più via.</translation>
    </message>
    <message>
        <source>Left in %2: %1. %3 already holds a file of that name, or it could not be written; nothing was replaced.</source>
        <translation>File rimasti in %2: %1. %3 contiene già un file con quel nome, oppure non vi si può scrivere; non è stato sostituito niente.</translation>
    </message>
    <message>
        <source>Staverly - Pupils&apos; Files</source>
        <translation>Staverly - File degli allievi</translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <translation>%1 come %2</translation>
    </message>
    <message>
        <source>Moved from the build folder %2 to %3 under another name, since %3 already holds one of the same name that stays in use: %1. Nothing was replaced.</source>
        <translation>File spostati con un altro nome dalla cartella di compilazione %2 a %3, perché %3 ne contiene già uno con lo stesso nome, che resta in uso: %1. Non è stato sostituito niente.</translation>
    </message>
</context>
<context>
    <name>PulseInput</name>
    <message>
        <source>No sound server answers, so Staverly cannot hear a microphone; answer on the keyboard instead.</source>
        <translation>Nessun server audio risponde, quindi Staverly non può sentire il microfono: rispondi con la tastiera.</translation>
    </message>
    <message>
        <source>The sound server has stopped; Staverly listens again as soon as it is back.</source>
        <translation>Il server audio si è fermato; Staverly riprende ad ascoltare appena riparte.</translation>
    </message>
    <message>
        <source>Staverly finds no microphone; plug one in and Staverly listens at once.</source>
        <translation>Staverly non trova nessun microfono; collegane uno e Staverly si mette subito in ascolto.</translation>
    </message>
    <message>
        <source>The microphone “%1” is unplugged or switched off; Staverly listens again as soon as it is back.</source>
        <translation>Il microfono «%1» è scollegato o spento; Staverly riprende ad ascoltare appena è di nuovo disponibile.</translation>
    </message>
</context>
<context>
    <name>PulseOutput</name>
    <message>
        <source>no PulseAudio server answers</source>
        <translation>nessun server PulseAudio risponde</translation>
    </message>
    <message>
        <source>the PulseAudio server refused the stream</source>
        <translation>il server PulseAudio ha rifiutato il flusso</translation>
    </message>
</context>
<context>
    <name>QtDesktop</name>
    <message>
        <source>Print Setup</source>
        <translation>Impostazioni di stampa</translation>
    </message>
    <message>
        <source>No printer is set up on this computer.</source>
        <translation>Su questo computer non è configurata nessuna stampante.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be started.</source>
        <translation>Non è stato possibile avviare la stampante «%1».</translation>
    </message>
    <message>
        <source>The sound is not an uncompressed PCM wave.</source>
        <translation>Il suono non è in formato PCM non compresso.</translation>
    </message>
</context>
<context>
    <name>RtMidiBackend</name>
    <message>
        <source>The MIDI input &quot;%1&quot; is not connected.</source>
        <translation>L’ingresso MIDI «%1» non è collegato.</translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; is not connected.</source>
        <translation>L’uscita MIDI «%1» non è collegata.</translation>
    </message>
</context>
<context>
    <name>RtMidiSink</name>
    <message>
        <source>The MIDI output &quot;%1&quot; could not be opened: %2</source>
        <translation>Non è stato possibile aprire l’uscita MIDI «%1»: %2</translation>
    </message>
    <message>
        <source>A message to the MIDI output &quot;%1&quot; failed: %2</source>
        <translation>L’invio di un messaggio all’uscita MIDI «%1» non è riuscito: %2</translation>
    </message>
</context>
<context>
    <name>RtMidiSource</name>
    <message>
        <source>The MIDI input &quot;%1&quot; could not be opened: %2</source>
        <translation>Non è stato possibile aprire l’ingresso MIDI «%1»: %2</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
</context>
<context>
    <name>SettingsReader</name>
    <message>
        <source>%1 was &quot;%2&quot;, now %3</source>
        <translation>%1 era «%2», ora %3</translation>
    </message>
    <message>
        <source>Some settings could not be used and were set back to their defaults:
</source>
        <translation>Alcune impostazioni non si potevano usare e sono tornate ai valori predefiniti:
</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Staverly cannot save its settings in &quot;%1&quot;: %2. Changes made now last only until Staverly is closed.</source>
        <translation>Staverly non riesce a salvare le impostazioni in «%1»: %2. Le modifiche fatte ora valgono solo fino alla chiusura di Staverly.</translation>
    </message>
    <message>
        <source>the disk may be full</source>
        <translation>il disco potrebbe essere pieno</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>non si può scrivere nella sua cartella</translation>
    </message>
</context>
<context>
    <name>SoundFontSearch</name>
    <message>
        <source>nowhere</source>
        <translation>nessuno</translation>
    </message>
</context>
<context>
    <name>staverly::AnswerHistory</name>
    <message>
        <source>%1, so answers are kept only until Staverly closes.</source>
        <translation>%1, quindi le risposte vengono conservate solo fino alla chiusura di Staverly.</translation>
    </message>
    <message>
        <source>%1. Answers are kept meanwhile and written to it once it can be written again; until then they last only until Staverly closes.</source>
        <translation>%1. Nel frattempo le risposte vengono tenute da parte e scritte appena il file torna scrivibile; fino ad allora restano solo fino alla chiusura di Staverly.</translation>
    </message>
    <message>
        <source>The folder of the answer history %1 cannot be made</source>
        <translation>Non si può creare la cartella della cronologia delle risposte %1</translation>
    </message>
    <message>
        <source>The answer history %1 is read-only</source>
        <translation>La cronologia delle risposte %1 è in sola lettura</translation>
    </message>
    <message>
        <source>The answer history %1 is locked by another program</source>
        <translation>La cronologia delle risposte %1 è bloccata da un altro programma</translation>
    </message>
    <message>
        <source>The answer history %1 is damaged and cannot be moved aside</source>
        <translation>La cronologia delle risposte %1 è danneggiata e non si può mettere da parte</translation>
    </message>
    <message>
        <source>The answer history %1 was written by a newer Staverly</source>
        <translation>La cronologia delle risposte %1 è stata scritta da una versione più recente di Staverly</translation>
    </message>
    <message>
        <source>The answer history %1 cannot be used (%2)</source>
        <translation>La cronologia delle risposte %1 non si può usare (%2)</translation>
    </message>
    <message>
        <source>The answer history %1 was damaged; it was moved to %2 and a new one started.</source>
        <translation>La cronologia delle risposte %1 era danneggiata; è stata spostata in %2 e ne è stata iniziata una nuova.</translation>
    </message>
    <message>
        <source>History started anew</source>
        <translation>Cronologia ricominciata</translation>
    </message>
    <message>
        <source>Answers waiting</source>
        <translation>Risposte in attesa</translation>
    </message>
    <message>
        <source>Answers not kept</source>
        <translation>Risposte non conservate</translation>
    </message>
</context>
<context>
    <name>staverly::LessonEngine</name>
    <message>
        <source>This lesson is complete! You have answered %1 questions!
If you would like to start a new lesson then click on the Yes button.
If you would like to continue with the current lesson then click No.
To pause lesson, click Cancel.</source>
        <translation>Hai finito la lezione! Hai risposto a %1 domande!
Se vuoi cominciare una nuova lezione, premi il pulsante Sì.
Se vuoi continuare la lezione in corso, premi No.
Per mettere in pausa la lezione, premi Annulla.</translation>
    </message>
    <message>
        <source>Lesson Over Notification</source>
        <translation>Fine della lezione</translation>
    </message>
    <message>
        <source>Click New to start!</source>
        <translation>Premi Nuova per iniziare!</translation>
    </message>
    <message>
        <source>Please adjust the sliders properly.  The top slider must be at least 1 hight then the bottem slider.</source>
        <translation>Regola correttamente i cursori: quello in alto deve stare almeno un tasto sopra quello in basso.</translation>
    </message>
    <message>
        <source>Slider Error!</source>
        <translation>Errore dei cursori!</translation>
    </message>
    <message>
        <source>Too Low</source>
        <translation>Troppo basso</translation>
    </message>
    <message>
        <source>Too High</source>
        <translation>Troppo alto</translation>
    </message>
    <message>
        <source>Over Time!</source>
        <translation>Tempo scaduto!</translation>
    </message>
    <message>
        <source>Click on the New button...</source>
        <translation>Premi il pulsante Nuova...</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Heard by a screen reader after a right answer: the note, the praise word.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Clue: %1</source>
        <extracomment>Heard by a screen reader when a clue shows the note.</extracomment>
        <translation>Suggerimento: %1</translation>
    </message>
    <message>
        <source>Not %1</source>
        <extracomment>Heard by a screen reader after a wrong letter: the note it names.</extracomment>
        <translation>Non è %1</translation>
    </message>
</context>
<context>
    <name>staverly::MIDIInput</name>
    <message>
        <source>%1 MIDI messages were lost: the input queue was full.</source>
        <translation>%1 messaggi MIDI sono andati persi: la coda di ingresso era piena.</translation>
    </message>
</context>
<context>
    <name>staverly::MIDIOutput</name>
    <message>
        <source>This system has no default MIDI output.</source>
        <translation>Questo sistema non ha un’uscita MIDI predefinita.</translation>
    </message>
    <message>
        <source>%1 does not start a short MIDI message.</source>
        <translation>%1 non è l’inizio di un messaggio MIDI breve.</translation>
    </message>
</context>
<context>
    <name>staverly::MainBackground</name>
    <message>
        <source>Right</source>
        <translation>Giuste</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Sbagliate</translation>
    </message>
    <message>
        <source>Score %</source>
        <translation>Punteggio %</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
</context>
<context>
    <name>staverly::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New Lesson</source>
        <translation>&amp;Nuova lezione</translation>
    </message>
    <message>
        <source>&amp;Treble Clef</source>
        <translation>Chiave di &amp;violino</translation>
    </message>
    <message>
        <source>&amp;Base Clef</source>
        <translation>Chiave di &amp;basso</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Stampa...</translation>
    </message>
    <message>
        <source>Print Set&amp;up...</source>
        <translation>&amp;Impostazioni di stampa...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Lesson Setup...</source>
        <translation>Impostazioni &amp;lezione...</translation>
    </message>
    <message>
        <source>&amp;Midi Setup...</source>
        <translation>Impostazioni &amp;MIDI...</translation>
    </message>
    <message>
        <source>Players...</source>
        <translation>Giocatori...</translation>
    </message>
    <message>
        <source>&amp;Test Maker...</source>
        <translation>&amp;Generatore di verifiche...</translation>
    </message>
    <message>
        <source>&amp;Grades...</source>
        <translation>&amp;Voti...</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation>&amp;Progressi...</translation>
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
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>%1&apos;s Music on %2...</source>
        <translation>La musica di %1 su %2...</translation>
    </message>
    <message>
        <source>Staverly Updates...</source>
        <translation>Aggiornamenti di Staverly...</translation>
    </message>
    <message>
        <source>Send Email To Me...</source>
        <translation>Scrivimi un’e-mail...</translation>
    </message>
    <message>
        <source>&amp;Help Using This Program...</source>
        <translation>&amp;Guida all’uso del programma...</translation>
    </message>
    <message>
        <source>&amp;About The Staverly...</source>
        <translation>&amp;Informazioni su Staverly...</translation>
    </message>
    <message>
        <source>Staverly stays at %1 %.</source>
        <translation>Staverly resta al %1 %.</translation>
    </message>
    <message>
        <source>Staverly shows its window at %1 % from its next start.</source>
        <translation>Staverly mostrerà la finestra al %1 % dal prossimo avvio.</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>L&amp;ingua</translation>
    </message>
    <message>
        <source>Desktop&apos;s language</source>
        <translation>Lingua del desktop</translation>
    </message>
    <message>
        <source>Staverly speaks the language chosen from its next start.</source>
        <translation>Staverly parlerà la lingua scelta dal prossimo avvio.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Staverly - Print Error</source>
        <translation>Staverly - Errore di stampa</translation>
    </message>
    <message>
        <source>Note &amp;Names</source>
        <translation>Nomi delle &amp;note</translation>
    </message>
    <message>
        <source>As the language names them</source>
        <translation>Secondo la lingua</translation>
    </message>
    <message>
        <source>Letters: C D E F G A B</source>
        <translation>Lettere: C D E F G A B</translation>
    </message>
    <message>
        <source>German letters: C D E F G A H</source>
        <translation>Lettere tedesche: C D E F G A H</translation>
    </message>
    <message>
        <source>Solfège: Do Re Mi Fa Sol La Si</source>
        <translation>Solfeggio: Do Re Mi Fa Sol La Si</translation>
    </message>
    <message>
        <source>Staverly names the notes this way from its next start.</source>
        <translation>Staverly chiamerà le note in questo modo dal prossimo avvio.</translation>
    </message>
    <message>
        <source>Note Names</source>
        <translation>Nomi delle note</translation>
    </message>
    <message>
        <source>&amp;Question and Score</source>
        <translation>&amp;Domanda e punteggio</translation>
    </message>
</context>
<context>
    <name>staverly::MicAnswers</name>
    <message>
        <source>Microphone</source>
        <translation>Microfono</translation>
    </message>
</context>
<context>
    <name>staverly::MicPanel</name>
    <message>
        <source>Listen to a Piano</source>
        <translation>Ascolta un pianoforte</translation>
    </message>
    <message>
        <source>Check here to answer by playing a real piano into the microphone</source>
        <translation>Spunta qui per rispondere suonando un vero pianoforte davanti al microfono</translation>
    </message>
    <message>
        <source>&amp;Listen to a piano</source>
        <translation>&amp;Ascolta un pianoforte</translation>
    </message>
    <message>
        <source>How loud the microphone hears the room</source>
        <translation>Quanto forte il microfono sente la stanza</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Livello del microfono</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfono</translation>
    </message>
    <message>
        <source>Select the microphone that hears the piano</source>
        <translation>Scegli il microfono che sente il pianoforte</translation>
    </message>
    <message>
        <source>Piano&apos;s A</source>
        <translation>La del pianoforte</translation>
    </message>
    <message>
        <source>The pitch of the A above middle C on your piano</source>
        <translation>L’altezza del La sopra il Do centrale del tuo pianoforte</translation>
    </message>
    <message>
        <source> Hz</source>
        <translation> Hz</translation>
    </message>
    <message>
        <source>Click here, then play one A on your piano</source>
        <translation>Fai clic qui, poi suona un La sul tuo pianoforte</translation>
    </message>
    <message>
        <source>T&amp;une to my piano</source>
        <translation>Accorda s&amp;ul mio pianoforte</translation>
    </message>
    <message>
        <source>The desktop&apos;s default input</source>
        <translation>Ingresso predefinito del desktop</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (non collegato)</translation>
    </message>
    <message>
        <source>Play one A on your piano now, and let it ring.</source>
        <translation>Ora suona un La sul tuo pianoforte e lascialo risuonare.</translation>
    </message>
    <message>
        <source>No A was heard. Play one A, a little louder, and try again.</source>
        <translation>Nessun La sentito. Suona un La, un po’ più forte, e riprova.</translation>
    </message>
    <message>
        <source>Tuned: your piano&apos;s A is %1 Hz.</source>
        <translation>Accordato: il La del tuo pianoforte è a %1 Hz.</translation>
    </message>
    <message>
        <source>Tuned:</source>
        <translation>Accordato:</translation>
    </message>
    <message>
        <source>No A was heard</source>
        <translation>Nessun La sentito</translation>
    </message>
    <message>
        <source>This computer has no sound input to listen to.</source>
        <translation>Questo computer non ha nessun ingresso audio da ascoltare.</translation>
    </message>
    <message>
        <source>Place the microphone near the piano and tick the box; the bar moves when it hears the piano.</source>
        <translation>Metti il microfono vicino al pianoforte e spunta la casella; la barra si muove quando il microfono sente il pianoforte.</translation>
    </message>
    <message>
        <source>The microphone is too loud: turn its level down in the desktop&apos;s sound settings.</source>
        <translation>Il microfono è troppo forte: abbassane il livello nelle impostazioni audio del desktop.</translation>
    </message>
    <message>
        <source>The microphone hears nothing: check that it is plugged in, chosen above and not muted.</source>
        <translation>Il microfono non sente niente: controlla che sia collegato, scelto qui sopra e non silenziato.</translation>
    </message>
    <message>
        <source>Listening: play the key of each note to answer.</source>
        <translation>In ascolto: suona il tasto di ogni nota per rispondere.</translation>
    </message>
</context>
<context>
    <name>staverly::MidiMod</name>
    <message>
        <source>Midi Output Error!</source>
        <translation>Errore di uscita MIDI!</translation>
    </message>
    <message>
        <source>Choose a MIDI keyboard</source>
        <translation>Scegli una tastiera MIDI</translation>
    </message>
    <message>
        <source> Choose one in MIDI Setup.</source>
        <translation> Scegline una in Impostazioni MIDI.</translation>
    </message>
    <message>
        <source>MIDI keyboard not connected</source>
        <translation>Tastiera MIDI non collegata</translation>
    </message>
    <message>
        <source>The MIDI keyboard &quot;%1&quot; is not connected. Staverly uses it again as soon as it is back.</source>
        <translation>La tastiera MIDI «%1» non è collegata. Staverly tornerà a usarla appena è di nuovo disponibile.</translation>
    </message>
    <message>
        <source>Choose a MIDI output</source>
        <translation>Scegli un’uscita MIDI</translation>
    </message>
    <message>
        <source>MIDI output not connected</source>
        <translation>Uscita MIDI non collegata</translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; is not connected. Staverly uses it again as soon as it is back.</source>
        <translation>L’uscita MIDI «%1» non è collegata. Staverly tornerà a usarla appena è di nuovo disponibile.</translation>
    </message>
    <message>
        <source>Midi In Open Error!</source>
        <translation>Errore di apertura dell’ingresso MIDI!</translation>
    </message>
    <message>
        <source>Midi Out Error!</source>
        <translation>Errore dell’uscita MIDI!</translation>
    </message>
    <message>
        <source>Midi In Open Device Error</source>
        <translation>Errore di apertura del dispositivo di ingresso MIDI</translation>
    </message>
    <message>
        <source>Midi Out Open Device Error</source>
        <translation>Errore di apertura del dispositivo di uscita MIDI</translation>
    </message>
    <message>
        <source>Sound: none, the sound server has gone</source>
        <translation>Audio: nessuno, il server audio non c’è più</translation>
    </message>
    <message>
        <source>Sound: starting</source>
        <translation>Audio: avvio in corso</translation>
    </message>
    <message>
        <source>Sound: %1, resting</source>
        <translation>Audio: %1, a riposo</translation>
    </message>
    <message>
        <source>Sound: %1, %2 ms</source>
        <translation>Audio: %1, %2 ms</translation>
    </message>
    <message>
        <source>No sound output</source>
        <translation>Nessuna uscita audio</translation>
    </message>
    <message>
        <source>The connection from &quot;%1&quot; to Staverly was removed outside Staverly (in a patchbay, say). Press OK in MIDI Setup to connect it again.</source>
        <translation>Il collegamento da «%1» a Staverly è stato tolto fuori da Staverly (per esempio in un patchbay). Premi OK in Impostazioni MIDI per ricollegarlo.</translation>
    </message>
    <message>
        <source>The connection from Staverly to &quot;%1&quot; was removed outside Staverly (in a patchbay, say). Press OK in MIDI Setup to connect it again.</source>
        <translation>Il collegamento da Staverly a «%1» è stato tolto fuori da Staverly (per esempio in un patchbay). Premi OK in Impostazioni MIDI per ricollegarlo.</translation>
    </message>
    <message>
        <source>MIDI notes dropped</source>
        <translation>Note MIDI scartate</translation>
    </message>
    <message>
        <source>%1 MIDI notes came faster than they could be judged and were dropped.</source>
        <translation>%1 note MIDI sono arrivate più in fretta di quanto si potessero giudicare e sono state scartate.</translation>
    </message>
    <message>
        <source>Odd MIDI input ignored</source>
        <translation>Ingresso MIDI anomalo ignorato</translation>
    </message>
    <message>
        <source>1 malformed MIDI message ignored.</source>
        <translation>1 messaggio MIDI non valido ignorato.</translation>
    </message>
    <message>
        <source>%1 malformed MIDI messages ignored.</source>
        <translation>%1 messaggi MIDI non validi ignorati.</translation>
    </message>
    <message>
        <source>MIDI disconnected elsewhere</source>
        <translation>MIDI scollegato dall’esterno</translation>
    </message>
    <message>
        <source>MIDI output not answering</source>
        <translation>L’uscita MIDI non risponde</translation>
    </message>
</context>
<context>
    <name>staverly::PianoEar</name>
    <message>
        <source>No microphone can be listened to on this computer.</source>
        <translation>Su questo computer non c’è nessun microfono da ascoltare.</translation>
    </message>
    <message>
        <source>The microphone could not be opened.</source>
        <translation>Non è stato possibile aprire il microfono.</translation>
    </message>
</context>
<context>
    <name>staverly::PictureBox</name>
    <message>
        <source>The staff picture is missing or cannot be read:
%1

Play on: the note still sounds, and its name shows as a clue.</source>
        <translation>L’immagine del pentagramma manca o non si può leggere:
%1

Continua pure: la nota suona comunque, e il suo nome compare come suggerimento.</translation>
    </message>
</context>
<context>
    <name>staverly::RangeSliders</name>
    <message>
        <source>Low Note</source>
        <translation>Nota bassa</translation>
    </message>
    <message>
        <source>High Note</source>
        <translation>Nota alta</translation>
    </message>
    <message>
        <source>Note Range Error!</source>
        <translation>Estensione non valida!</translation>
    </message>
</context>
<context>
    <name>staverly::WeakNoteMap</name>
    <message>
        <source>Keys by wrong answers</source>
        <translation>Tasti per risposte sbagliate</translation>
    </message>
    <message>
        <source>Keys by answer time</source>
        <translation>Tasti per tempo di risposta</translation>
    </message>
    <message>
        <source>No note asked yet.</source>
        <translation>Nessuna nota ancora chiesta.</translation>
    </message>
    <message>
        <source>Weakest first: </source>
        <translation>Prima le più difficili: </translation>
    </message>
    <message>
        <source>%1: not asked yet</source>
        <translation>%1: non ancora chiesta</translation>
    </message>
    <message>
        <source>%1: %2 answers, %3 wrong (%4 %), median %5 s</source>
        <translation>%1: %2 risposte, %3 sbagliate (%4 %), mediana %5 s</translation>
    </message>
</context>
<context>
    <name>staverly::aboutFrm</name>
    <message>
        <source>Last Updated 8/7/2000</source>
        <translation>Aggiornato il 7/8/2000</translation>
    </message>
    <message>
        <source>Read the staff. Find the key. Play the note.</source>
        <translation>Leggi il pentagramma. Trova il tasto. Suona la nota.</translation>
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
        <translation>Barra di avanzamento delle domande.</translation>
    </message>
    <message>
        <source>Click in this area to open  Lesson Setup...</source>
        <translation>Fai clic in quest’area per aprire Impostazioni lezione...</translation>
    </message>
    <message>
        <source>Click here to start a new game.</source>
        <translation>Fai clic qui per iniziare una nuova lezione.</translation>
    </message>
    <message>
        <source>Click here to see clue or click on note. You can also press the space- bar</source>
        <translation>Fai clic qui o sulla nota per avere un suggerimento. Puoi anche premere la barra spaziatrice.</translation>
    </message>
    <message>
        <source>New lesson</source>
        <translation>Nuova lezione</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>Midi Indicator</source>
        <translation>Indicatore MIDI</translation>
    </message>
    <message>
        <source>The player list &quot;%1&quot; could not be created: %2.</source>
        <translation>Non è stato possibile creare l’elenco dei giocatori «%1»: %2.</translation>
    </message>
    <message>
        <source>Are you sure you want to Quit?</source>
        <translation>Vuoi davvero uscire?</translation>
    </message>
    <message>
        <source>Exit Notification</source>
        <translation>Uscita</translation>
    </message>
</context>
<context>
    <name>staverly::gradesFrm</name>
    <message>
        <source>User Name                </source>
        <translation>Nome                     </translation>
    </message>
    <message>
        <source>Lesson         </source>
        <translation>Lezione            </translation>
    </message>
    <message>
        <source>Yes    </source>
        <translation>Sì     </translation>
    </message>
    <message>
        <source>No     </source>
        <translation>No     </translation>
    </message>
    <message>
        <source>Score   </source>
        <translation>Punteggio  </translation>
    </message>
    <message>
        <source>Date                              </source>
        <translation>Data                          </translation>
    </message>
    <message>
        <source>Grades</source>
        <translation>Voti</translation>
    </message>
    <message>
        <source>&amp;Print HTML Report...</source>
        <translation>&amp;Stampa resoconto HTML...</translation>
    </message>
    <message>
        <source>Click here to make a printable HTML report.</source>
        <translation>Fai clic qui per creare un resoconto HTML da stampare.</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Click here to clear the current grade report.</source>
        <translation>Fai clic qui per svuotare l’elenco dei voti.</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation>&amp;Progressi...</translation>
    </message>
    <message>
        <source>Click here to see each pupil&apos;s progress and weak notes.</source>
        <translation>Fai clic qui per vedere i progressi e le note difficili di ogni allievo.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Click here to close window.</source>
        <translation>Fai clic qui per chiudere la finestra.</translation>
    </message>
    <message>
        <source>%1 line(s) of the grade log &quot;%2&quot; could not be read as lessons and are left out here. The file itself is left as it is.</source>
        <translation>Righe del registro dei voti «%2» che non si possono leggere come lezioni: %1. Qui vengono tralasciate; il file resta com’è.</translation>
    </message>
    <message>
        <source>Are you sure you want to clear this list?<byte value="xd"/>
Change can not be undone.</source>
        <translation>Vuoi davvero svuotare questo elenco?<byte value="xd"/>
L’operazione non può essere annullata.</translation>
    </message>
    <message>
        <source>Remove Grades Notification</source>
        <translation>Cancellazione dei voti</translation>
    </message>
    <message>
        <source>The grade log &quot;%1&quot; could not be deleted: %2. Every lesson in it is kept.</source>
        <translation>Non è stato possibile cancellare il registro dei voti «%1»: %2. Tutte le sue lezioni restano.</translation>
    </message>
    <message>
        <source>Save Grade Report As...</source>
        <translation>Salva resoconto dei voti come...</translation>
    </message>
    <message>
        <source>The grade report could not be saved as &quot;%1&quot;: %2</source>
        <translation>Non è stato possibile salvare il resoconto dei voti come «%1»: %2</translation>
    </message>
</context>
<context>
    <name>staverly::midiFrm</name>
    <message>
        <source>Midi Setup</source>
        <translation>Impostazioni MIDI</translation>
    </message>
    <message>
        <source>Midi In</source>
        <translation>Ingresso MIDI</translation>
    </message>
    <message>
        <source>Check here if using and external keyboard</source>
        <translation>Spunta qui se usi una tastiera esterna</translation>
    </message>
    <message>
        <source>Midi &amp;In Enabled</source>
        <translation>&amp;Ingresso MIDI attivo</translation>
    </message>
    <message>
        <source>Check here to enable Midi Through</source>
        <translation>Spunta qui per attivare MIDI Thru</translation>
    </message>
    <message>
        <source>Midi &amp;Through</source>
        <translation>MIDI &amp;Thru</translation>
    </message>
    <message>
        <source>Midi In Device</source>
        <translation>Dispositivo di ingresso MIDI</translation>
    </message>
    <message>
        <source>Select the Midi Input device</source>
        <translation>Scegli il dispositivo di ingresso MIDI</translation>
    </message>
    <message>
        <source>Midi Out</source>
        <translation>Uscita MIDI</translation>
    </message>
    <message>
        <source>Midi Out Device</source>
        <translation>Dispositivo di uscita MIDI</translation>
    </message>
    <message>
        <source>Select here to choose a midi output device</source>
        <translation>Scegli qui un dispositivo di uscita MIDI</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Strumento</translation>
    </message>
    <message>
        <source>Select here to choose an instrument</source>
        <translation>Scegli qui uno strumento</translation>
    </message>
    <message>
        <source>Midi Channel</source>
        <translation>Canale MIDI</translation>
    </message>
    <message>
        <source>Choose a Midi In channel</source>
        <translation>Scegli un canale MIDI</translation>
    </message>
    <message>
        <source>Midi Volume</source>
        <translation>Volume MIDI</translation>
    </message>
    <message>
        <source>Slide here to adjust midi out volume</source>
        <translation>Trascina qui per regolare il volume dell’uscita MIDI</translation>
    </message>
    <message>
        <source>Click here to hear instrument on synthesizer</source>
        <translation>Fai clic qui per sentire lo strumento sul sintetizzatore</translation>
    </message>
    <message>
        <source>Test Note</source>
        <translation>Nota di prova</translation>
    </message>
    <message>
        <source>Click here to close window</source>
        <translation>Fai clic qui per chiudere la finestra</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>The delay from a note to the loudspeakers, as the sound server measures it</source>
        <translation>Il ritardo fra una nota e gli altoparlanti, misurato dal server audio</translation>
    </message>
</context>
<context>
    <name>staverly::playerFrm</name>
    <message>
        <source>Player Setup</source>
        <translation>Gestione giocatori</translation>
    </message>
    <message>
        <source>Current Player:</source>
        <translation>Giocatore attuale:</translation>
    </message>
    <message>
        <source>Select a player from the list</source>
        <translation>Scegli un giocatore dall’elenco</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>Click here to remove the selected player</source>
        <translation>Fai clic qui per togliere il giocatore selezionato</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Aggiungi...</translation>
    </message>
    <message>
        <source>Click here to add a new player</source>
        <translation>Fai clic qui per aggiungere un nuovo giocatore</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click here to close window</source>
        <translation>Fai clic qui per chiudere la finestra</translation>
    </message>
    <message>
        <source>Please enter name!</source>
        <translation>Inserisci il nome!</translation>
    </message>
    <message>
        <source>Staverly Players</source>
        <translation>Giocatori di Staverly</translation>
    </message>
    <message>
        <source>You have not selected a current player!<byte value="xd"/>
You must select one before closing this window.</source>
        <translation>Non hai scelto il giocatore attuale!<byte value="xd"/>
Devi sceglierne uno prima di chiudere questa finestra.</translation>
    </message>
    <message>
        <source>Player Setup Error</source>
        <translation>Errore in Gestione giocatori</translation>
    </message>
    <message>
        <source>The player list &quot;%1&quot; could not be saved: %2. It is left as it was.</source>
        <translation>Non è stato possibile salvare l’elenco dei giocatori «%1»: %2. È rimasto com’era.</translation>
    </message>
    <message>
        <source>The player list &quot;%1&quot; was not written as UTF-8 throughout. It has been written anew as UTF-8, with every name kept.</source>
        <translation>L’elenco dei giocatori «%1» non era tutto in UTF-8. È stato riscritto in UTF-8, conservando ogni nome.</translation>
    </message>
</context>
<context>
    <name>staverly::progressFrm</name>
    <message>
        <source>Treble</source>
        <translation>Violino</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>Basso</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progressi</translation>
    </message>
    <message>
        <source>Choose whose progress to see</source>
        <translation>Scegli di chi vedere i progressi</translation>
    </message>
    <message>
        <source>By day</source>
        <translation>Per giorno</translation>
    </message>
    <message>
        <source>By week</source>
        <translation>Per settimana</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Giocatore:</translation>
    </message>
    <message>
        <source>&amp;Lessons:</source>
        <translation>&amp;Lezioni:</translation>
    </message>
    <message>
        <source>Notes on the keyboard</source>
        <translation>Note sulla tastiera</translation>
    </message>
    <message>
        <source>&amp;Treble Clef</source>
        <translation>Chiave di &amp;violino</translation>
    </message>
    <message>
        <source>&amp;Bass Clef</source>
        <translation>Chiave di &amp;basso</translation>
    </message>
    <message>
        <source>&amp;Wrong answers</source>
        <translation>Risposte &amp;sbagliate</translation>
    </message>
    <message>
        <source>Answer t&amp;ime</source>
        <translation>&amp;Tempo di risposta</translation>
    </message>
    <message>
        <source>Most &amp;confused notes:</source>
        <translation>&amp;Note confuse più spesso:</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Esporta CSV...</translation>
    </message>
    <message>
        <source>Save every answer of this player for a spreadsheet</source>
        <translation>Salva tutte le risposte di questo giocatore per un foglio di calcolo</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>the letter %1</source>
        <translation>la lettera %1</translation>
    </message>
    <message>
        <source>%1 (%2) answered as %3: %4 time</source>
        <translation>%1 (%2) scambiato per %3: %4 volta</translation>
    </message>
    <message>
        <source>%1 (%2) answered as %3: %4 times</source>
        <translation>%1 (%2) scambiato per %3: %4 volte</translation>
    </message>
    <message>
        <source>No note answered wrong yet.</source>
        <translation>Ancora nessuna nota sbagliata.</translation>
    </message>
    <message>
        <source>%1: score and median answer time</source>
        <translation>%1: punteggio e tempo di risposta mediano</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Settimana</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Score %</source>
        <translation>Punteggio %</translation>
    </message>
    <message>
        <source>Median time (s)</source>
        <translation>Tempo mediano (s)</translation>
    </message>
    <message>
        <source>Treble score</source>
        <translation>Punteggio violino</translation>
    </message>
    <message>
        <source>Bass score</source>
        <translation>Punteggio basso</translation>
    </message>
    <message>
        <source>Treble time</source>
        <translation>Tempo violino</translation>
    </message>
    <message>
        <source>Bass time</source>
        <translation>Tempo basso</translation>
    </message>
    <message>
        <source>%1: no answers kept yet</source>
        <translation>%1: ancora nessuna risposta salvata</translation>
    </message>
    <message>
        <source>Export Answers As...</source>
        <translation>Esporta risposte come...</translation>
    </message>
    <message>
        <source>The answers could not be saved as &quot;%1&quot;: %2</source>
        <translation>Non è stato possibile salvare le risposte come «%1»: %2</translation>
    </message>
</context>
<context>
    <name>staverly::setupFrm</name>
    <message>
        <source>Lesson Setup</source>
        <translation>Impostazioni lezione</translation>
    </message>
    <message>
        <source>Player&apos;s Name</source>
        <translation>Nome del giocatore</translation>
    </message>
    <message>
        <source>Current Player&apos;s Name</source>
        <translation>Nome del giocatore attuale</translation>
    </message>
    <message>
        <source>Click here to change player</source>
        <translation>Fai clic qui per cambiare giocatore</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifica...</translation>
    </message>
    <message>
        <source>Save &amp;Grades</source>
        <translation>&amp;Salva voti</translation>
    </message>
    <message>
        <source>Check here to enable auto grade saving</source>
        <translation>Spunta qui per salvare i voti automaticamente</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Select here for Treble Clef.</source>
        <translation>Scegli qui la chiave di violino.</translation>
    </message>
    <message>
        <source>&amp;Treble Clef</source>
        <translation>Chiave di &amp;violino</translation>
    </message>
    <message>
        <source>Select here for Bass Clef</source>
        <translation>Scegli qui la chiave di basso</translation>
    </message>
    <message>
        <source>&amp;Bass Clef</source>
        <translation>Chiave di &amp;basso</translation>
    </message>
    <message>
        <source>Use &amp;Chromatics</source>
        <translation>Usa note &amp;cromatiche</translation>
    </message>
    <message>
        <source>Check here to include chromatic notes</source>
        <translation>Spunta qui per includere le note cromatiche</translation>
    </message>
    <message>
        <source>Optional Use Letter Keys Too!</source>
        <translation>Puoi rispondere anche dalla tastiera del computer!</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Domande</translation>
    </message>
    <message>
        <source>Select the number of questions for a lesson</source>
        <translation>Scegli il numero di domande per lezione</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Use &amp;Timer</source>
        <translation>Usa il &amp;timer</translation>
    </message>
    <message>
        <source>Check here to enable Timer</source>
        <translation>Spunta qui per attivare il timer</translation>
    </message>
    <message>
        <source>Time To:</source>
        <translation>Tempo massimo:</translation>
    </message>
    <message>
        <source>Slide here to adjust lesson timer.</source>
        <translation>Trascina qui per regolare il timer della lezione.</translation>
    </message>
    <message>
        <source>Seconds to answer</source>
        <translation>Secondi per rispondere</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>Enable Clues</source>
        <translation>Attiva suggerimenti</translation>
    </message>
    <message>
        <source>Check here to enable clues</source>
        <translation>Spunta qui per attivare i suggerimenti</translation>
    </message>
    <message>
        <source>Use Sound Effects</source>
        <translation>Usa effetti sonori</translation>
    </message>
    <message>
        <source>Check here to enable sound effects</source>
        <translation>Spunta qui per attivare gli effetti sonori</translation>
    </message>
    <message>
        <source>Practise &amp;weak notes</source>
        <translation>Ripassa le note &amp;difficili</translation>
    </message>
    <message>
        <source>Check here to be asked the notes you miss more often</source>
        <translation>Spunta qui per avere più spesso le note che sbagli di più</translation>
    </message>
    <message>
        <source>&amp;Show On Startup</source>
        <translation>Mostra all’&amp;avvio</translation>
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
        <translation>Generatore di verifiche</translation>
    </message>
    <message>
        <source>This featur will help you to make a printable HTML note test based on the current range and clef selected.</source>
        <translation>Questa funzione ti aiuta a creare una verifica di note in HTML da stampare, con l’estensione e la chiave scelte ora.</translation>
    </message>
    <message>
        <source>Test Setup</source>
        <translation>Impostazioni verifica</translation>
    </message>
    <message>
        <source>Type 1</source>
        <translation>Tipo 1</translation>
    </message>
    <message>
        <source>Type 2</source>
        <translation>Tipo 2</translation>
    </message>
    <message>
        <source>&amp;Answer key</source>
        <translation>&amp;Soluzioni</translation>
    </message>
    <message>
        <source>Check here to save an answer key with the test.</source>
        <translation>Spunta qui per salvare le soluzioni insieme alla verifica.</translation>
    </message>
    <message>
        <source>Questions:</source>
        <translation>Domande:</translation>
    </message>
    <message>
        <source>Enter the number of test questions.</source>
        <translation>Scrivi il numero di domande della verifica.</translation>
    </message>
    <message>
        <source>&amp;Make Test...</source>
        <translation>Crea &amp;verifica...</translation>
    </message>
    <message>
        <source>Click here to make and save note test.</source>
        <translation>Fai clic qui per creare e salvare la verifica.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Save Note Test As...</source>
        <translation>Salva verifica come...</translation>
    </message>
    <message>
        <source>The note test could not be saved as &quot;%1&quot;: %2</source>
        <translation>Non è stato possibile salvare la verifica come «%1»: %2</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Vuoi sostituirlo?</translation>
    </message>
    <message>
        <source>The note test was saved, but its answer key could not be saved as &quot;%1&quot;: %2</source>
        <translation>La verifica è stata salvata, ma non è stato possibile salvare le soluzioni come «%1»: %2</translation>
    </message>
</context>
</TS>
