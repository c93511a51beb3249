<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AccessibleTexts</name>
    <message>
        <source>Middle C, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right answers: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong answers: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score: %1 percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time: %1 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowest note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowest note: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest note: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Treble staff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bass staff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, a note to name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, the note %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnswerKeySheet</name>
    <message>
        <source>Answer key for %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AudioEngine</name>
    <message>
        <source>No audio output could be opened.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound output has gone away; Staverly tries again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BuiltinSynth</name>
    <message>
        <source>The built-in synthesizer found no SoundFont to play with (looked for %1). Install a General MIDI SoundFont, such as the package timgm6mb-soundfont.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The built-in synthesizer has no audio output.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The built-in synthesizer could not load the SoundFont %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Staverly teaches pupils to read notes on the staff and to find them on a piano keyboard.

Pictures and help:          %1
Player list and grade log:  %2
Settings:                   %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays this help and exits.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ControlHost</name>
    <message>
        <source>The control class %1 has no property &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not a control library (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: a plugin of another kind (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is already made by %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the control &quot;%1&quot;: the control folder &quot;%2&quot; does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the control &quot;%1&quot;: no control library in &quot;%2&quot; makes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Files that could not be used: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the control &quot;%1&quot;: the control library &quot;%2&quot; did not create it%3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No control to set &quot;%1&quot; on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The property &quot;%1&quot; of %2 is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The property &quot;%1&quot; of %2 cannot take the value %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting &quot;%1&quot; failed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No control to read &quot;%1&quot; from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading &quot;%1&quot; failed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No control or handler for the event &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The control class %1 has no event &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no handler &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The handler %1 does not match the event %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot connect the event &quot;%1&quot; to %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Effects</name>
    <message>
        <source>Staverly - Sound Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Staverly- Browser Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resource not found: sound %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

The lessons go on without sound effects.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to open.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FeedbackWords</name>
    <message>
        <source>Wonderful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terrific</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spectacular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fantastic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stupendous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brilliant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Great</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The best!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Cool!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wow!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smart Kid!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amazing!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genious!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your a Virtuolo!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Hot!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perfect!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Great!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>False</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wake up!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Come on!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try Harder!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Think!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Time!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Good!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Almost!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Trying!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boo!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>!!!!!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GradeLog</name>
    <message>
        <source>Treble Clef</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base Clef</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GradeReport</name>
    <message>
        <source>Staverly Grade Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lesson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JackInput</name>
    <message>
        <source>No JACK server is running, so Staverly cannot hear a microphone; start JACK or answer on the keyboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The JACK server has stopped; Staverly listens again as soon as it is back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JACK offers no microphone input; plug one in and Staverly listens at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The input “%1” is unplugged or switched off; Staverly listens again as soon as it is back.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JackOutput</name>
    <message>
        <source>no JACK server is running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the JACK server refused the program&apos;s ports</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LessonFace</name>
    <message>
        <source>The lesson&apos;s grade could not be added to &quot;%1&quot;: %2. Lessons go on, but are not kept until this is put right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Staverly - Grades Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The grade log &quot;%1&quot; was not written as UTF-8 throughout. It has been written anew as UTF-8, with every lesson kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Staverly - Grades</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainLabels</name>
    <message>
        <source>Player *.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to change current player.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on the New button...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MidiError</name>
    <message>
        <source>1 MIDI input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MIDI inputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 MIDI output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MIDI outputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MIDI input chosen before (entry %1 of the list) is not connected; this computer lists %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MIDI output chosen before (entry %1 of the list) is not connected; this computer lists %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteModel</name>
    <message>
        <source>Middle %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteNames</name>
    <message>
        <source>%1 or %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sharp %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the letters a to g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the letters a, c to h (h for H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the digits 1 to 7 (1 for Do) or the letters a to g</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteRange</name>
    <message>
        <source>The low note range must be 1 less then the high note!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The high note range must be 1 greater then the low note!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteTestSheet</name>
    <message>
        <source>What is this note? _______</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color in this note on the piano.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brought to you by Pellworth %1...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NullInput</name>
    <message>
        <source>Staverly finds no sound server to hear a microphone through; start PulseAudio or JACK, or answer on the keyboard.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NullMidiBackend</name>
    <message>
        <source>The MIDI input &quot;%1&quot; is not available: this system has no MIDI.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; is not available: this system has no MIDI.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PulseInput</name>
    <message>
        <source>No sound server answers, so Staverly cannot hear a microphone; answer on the keyboard instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound server has stopped; Staverly listens again as soon as it is back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Staverly finds no microphone; plug one in and Staverly listens at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The microphone “%1” is unplugged or switched off; Staverly listens again as soon as it is back.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PulseOutput</name>
    <message>
        <source>no PulseAudio server answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the PulseAudio server refused the stream</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtDesktop</name>
    <message>
        <source>Print Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer is set up on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound is not an uncompressed PCM wave.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RtMidiBackend</name>
    <message>
        <source>The MIDI input &quot;%1&quot; is not connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; is not connected.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RtMidiSink</name>
    <message>
        <source>The MIDI output &quot;%1&quot; could not be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A message to the MIDI output &quot;%1&quot; failed: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RtMidiSource</name>
    <message>
        <source>The MIDI input &quot;%1&quot; could not be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsReader</name>
    <message>
        <source>%1 was &quot;%2&quot;, now %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some settings could not be used and were set back to their defaults:
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Staverly cannot save its settings in &quot;%1&quot;: %2. Changes made now last only until Staverly is closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk may be full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundFontSearch</name>
    <message>
        <source>nowhere</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>staverly::AnswerHistory</name>
    <message>
        <source>%1, so answers are kept only until Staverly closes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Answers are kept meanwhile and written to it once it can be written again; until then they last only until Staverly closes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder of the answer history %1 cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer history %1 is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer history %1 is locked by another program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer history %1 is damaged and cannot be moved aside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer history %1 was written by a newer Staverly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer history %1 cannot be used (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer history %1 was damaged; it was moved to %2 and a new one started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History started anew</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answers waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answers not kept</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>staverly::LessonEngine</name>
    <message>
        <source>This lesson is complete! You have answered %1 questions!
If you would like to start a new lesson then click on the Yes button.
If you would like to continue with the current lesson then click No.
To pause lesson, click Cancel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lesson Over Notification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click New to start!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please adjust the sliders properly.  The top slider must be at least 1 hight then the bottem slider.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slider Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over Time!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on the New button...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>staverly::MIDIInput</name>
    <message>
        <source>%1 MIDI messages were lost: the input queue was full.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>staverly::MIDIOutput</name>
    <message>
        <source>This system has no default MIDI output.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not start a short MIDI message.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>staverly::MainBackground</name>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>staverly::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Lesson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Treble Clef</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Base Clef</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Set&amp;up...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lesson Setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Midi Setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Test Maker...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Grades...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s Music on %2...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Staverly Updates...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Email To Me...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help Using This Program...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About The Staverly...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Staverly stays at %1 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Staverly shows its window at %1 % from its next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop&apos;s language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Staverly speaks the language chosen from its next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Staverly - Print Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note &amp;Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As the language names them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters: C D E F G A B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>German letters: C D E F G A H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solfège: Do Re Mi Fa Sol La Si</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Staverly names the notes this way from its next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Names</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>staverly::MicAnswers</name>
    <message>
        <source>Microphone</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>staverly::MicPanel</name>
    <message>
        <source>Listen to a Piano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check here to answer by playing a real piano into the microphone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Listen to a piano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How loud the microphone hears the room</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the microphone that hears the piano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piano&apos;s A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pitch of the A above middle C on your piano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here, then play one A on your piano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;une to my piano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The desktop&apos;s default input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play one A on your piano now, and let it ring.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No A was heard. Play one A, a little louder, and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuned: your piano&apos;s A is %1 Hz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuned:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No A was heard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer has no sound input to listen to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place the microphone near the piano and tick the box; the bar moves when it hears the piano.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The microphone is too loud: turn its level down in the desktop&apos;s sound settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The microphone hears nothing: check that it is plugged in, chosen above and not muted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listening: play the key of each note to answer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>staverly::MidiMod</name>
    <message>
        <source>Midi Output Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a MIDI keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Choose one in MIDI Setup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDI keyboard not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MIDI keyboard &quot;%1&quot; is not connected. Staverly uses it again as soon as it is back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a MIDI output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDI output not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; is not connected. Staverly uses it again as soon as it is back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midi In Open Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midi Out Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midi In Open Device Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midi Out Open Device Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound: none, the sound server has gone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound: starting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound: %1, resting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound: %1, %2 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sound output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection from &quot;%1&quot; to Staverly was removed outside Staverly (in a patchbay, say). Press OK in MIDI Setup to connect it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection from Staverly to &quot;%1&quot; was removed outside Staverly (in a patchbay, say). Press OK in MIDI Setup to connect it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDI notes dropped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MIDI notes came faster than they could be judged and were dropped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odd MIDI input ignored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 malformed MIDI message ignored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 malformed MIDI messages ignored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDI disconnected elsewhere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDI output not answering</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>staverly::PianoEar</name>
    <message>
        <source>No microphone can be listened to on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The microphone could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>staverly::PictureBox</name>
    <message>
        <source>The staff picture is missing or cannot be read:
%1

Play on: the note still sounds, and its name shows as a clue.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>staverly::RangeSliders</name>
    <message>
        <source>Low Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Range Error!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>staverly::WeakNoteMap</name>
    <message>
        <source>Keys by wrong answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys by answer time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No note asked yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weakest first: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not asked yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 answers, %3 wrong (%4 %), median %5 s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>staverly::aboutFrm</name>
    <message>
        <source>Last Updated 8/7/2000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the staff. Find the key. Play the note.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>staverly::frmMain</name>
    <message>
        <source>Pellworth&apos;s Staverly v1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question progress bar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click in this area to open  Lesson Setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to start a new game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to see clue or click on note. You can also press the space- bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New lesson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midi Indicator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The player list &quot;%1&quot; could not be created: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to Quit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Notification</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>staverly::gradesFrm</name>
    <message>
        <source>User Name                </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lesson         </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No     </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date                              </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print HTML Report...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to make a printable HTML report.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to clear the current grade report.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to see each pupil&apos;s progress and weak notes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to close window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 line(s) of the grade log &quot;%2&quot; could not be read as lessons and are left out here. The file itself is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to clear this list?<byte value="xd"/>
Change can not be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Grades Notification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The grade log &quot;%1&quot; could not be deleted: %2. Every lesson in it is kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Grade Report As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The grade report could not be saved as &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>staverly::midiFrm</name>
    <message>
        <source>Midi Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midi In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check here if using and external keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midi &amp;In Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check here to enable Midi Through</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midi &amp;Through</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midi In Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the Midi Input device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midi Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midi Out Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select here to choose a midi output device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select here to choose an instrument</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midi Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a Midi In channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midi Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slide here to adjust midi out volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to hear instrument on synthesizer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to close window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The delay from a note to the loudspeakers, as the sound server measures it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>staverly::playerFrm</name>
    <message>
        <source>Player Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Player:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a player from the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to remove the selected player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to add a new player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to close window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter name!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Staverly Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have not selected a current player!<byte value="xd"/>
You must select one before closing this window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player Setup Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The player list &quot;%1&quot; could not be saved: %2. It is left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The player list &quot;%1&quot; was not written as UTF-8 throughout. It has been written anew as UTF-8, with every name kept.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>staverly::progressFrm</name>
    <message>
        <source>Treble</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose whose progress to see</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lessons:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes on the keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Treble Clef</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bass Clef</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Wrong answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer t&amp;ime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most &amp;confused notes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save every answer of this player for a spreadsheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the letter %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2) answered as %3: %4 time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2) answered as %3: %4 times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No note answered wrong yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: score and median answer time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Median time (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Treble score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bass score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Treble time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bass time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no answers kept yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Answers As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answers could not be saved as &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>staverly::setupFrm</name>
    <message>
        <source>Lesson Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Player&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to change player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;Grades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check here to enable auto grade saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select here for Treble Clef.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Treble Clef</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select here for Bass Clef</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bass Clef</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use &amp;Chromatics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check here to include chromatic notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional Use Letter Keys Too!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the number of questions for a lesson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use &amp;Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check here to enable Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time To:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slide here to adjust lesson timer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds to answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Clues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check here to enable clues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Sound Effects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check here to enable sound effects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practise &amp;weak notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check here to be asked the notes you miss more often</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show On Startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> &amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>staverly::testFrm</name>
    <message>
        <source>Test Maker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This featur will help you to make a printable HTML note test based on the current range and clef selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Answer key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check here to save an answer key with the test.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the number of test questions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Make Test...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to make and save note test.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Note Test As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The note test could not be saved as &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The note test was saved, but its answer key could not be saved as &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
