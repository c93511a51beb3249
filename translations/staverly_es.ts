<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AccessibleTexts</name>
    <message>
        <source>Middle C, %1</source>
        <translation>Do central, %1</translation>
    </message>
    <message>
        <source>Right answers: %1</source>
        <translation>Aciertos: %1</translation>
    </message>
    <message>
        <source>Wrong answers: %1</source>
        <translation>Fallos: %1</translation>
    </message>
    <message>
        <source>Score: %1 percent</source>
        <translation>Puntuación: %1 por ciento</translation>
    </message>
    <message>
        <source>Time: %1 seconds</source>
        <translation>Tiempo: %1 segundos</translation>
    </message>
    <message>
        <source>Lowest note</source>
        <translation>Nota más grave</translation>
    </message>
    <message>
        <source>Highest note</source>
        <translation>Nota más aguda</translation>
    </message>
    <message>
        <source>Lowest note: %1</source>
        <translation>Nota más grave: %1</translation>
    </message>
    <message>
        <source>Highest note: %1</source>
        <translation>Nota más aguda: %1</translation>
    </message>
    <message>
        <source>Treble staff</source>
        <translation>Pentagrama en clave de sol</translation>
    </message>
    <message>
        <source>Bass staff</source>
        <translation>Pentagrama en clave de fa</translation>
    </message>
    <message>
        <source>%1, a note to name</source>
        <translation>%1, ¿qué nota es?</translation>
    </message>
    <message>
        <source>%1, the note %2</source>
        <translation>%1, la nota %2</translation>
    </message>
    <message>
        <source>No question yet</source>
        <translation>Todavía no hay ninguna pregunta</translation>
    </message>
    <message>
        <source>Question %1 of %2</source>
        <translation>Pregunta %1 de %2</translation>
    </message>
    <message>
        <source>No lesson running</source>
        <translation>No hay ninguna lección en curso</translation>
    </message>
</context>
<context>
    <name>AnswerKeySheet</name>
    <message>
        <source>Answer key for %1</source>
        <translation>Hoja de soluciones de %1</translation>
    </message>
</context>
<context>
    <name>AudioEngine</name>
    <message>
        <source>No audio output could be opened.
%1</source>
        <translation>No se ha podido abrir ninguna salida de audio.
%1</translation>
    </message>
    <message>
        <source>The sound output has gone away; Staverly tries again.</source>
        <translation>La salida de sonido ha desaparecido; Staverly lo vuelve a intentar.</translation>
    </message>
</context>
<context>
    <name>BuiltinSynth</name>
    <message>
        <source>The built-in synthesizer found no SoundFont to play with (looked for %1). Install a General MIDI SoundFont, such as the package timgm6mb-soundfont.</source>
        <translation>El sintetizador integrado no ha encontrado ninguna SoundFont con la que tocar (lugares buscados: %1). Instala una SoundFont General MIDI, como la del paquete timgm6mb-soundfont.</translation>
    </message>
    <message>
        <source>The built-in synthesizer has no audio output.
%1</source>
        <translation>El sintetizador integrado no tiene salida de audio.
%1</translation>
    </message>
    <message>
        <source>The built-in synthesizer could not load the SoundFont %1.</source>
        <translation>El sintetizador integrado no ha podido cargar la SoundFont %1.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Staverly teaches pupils to read notes on the staff and to find them on a piano keyboard.

Pictures and help:          %1
Player list and grade log:  %2
Settings:                   %3</source>
        <translation>Staverly enseña a los alumnos a leer las notas en el pentagrama y a encontrarlas en el teclado del piano.

Imágenes y ayuda:                             %1
Lista de jugadores y registro de resultados:  %2
Ajustes:                                      %3</translation>
    </message>
    <message>
        <source>Displays this help and exits.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
</context>
<context>
    <name>ControlHost</name>
    <message>
        <source>The control class %1 has no property &quot;%2&quot;.</source>
        <translation>La clase de control %1 no tiene la propiedad «%2».</translation>
    </message>
    <message>
        <source>%1: not a control library (%2)</source>
        <translation>%1: no es una biblioteca de controles (%2)</translation>
    </message>
    <message>
        <source>%1: a plugin of another kind (%2)</source>
        <translation>%1: es un complemento de otro tipo (%2)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is already made by %3</source>
        <translation>%1: «%2» ya lo crea %3</translation>
    </message>
    <message>
        <source>Cannot create the control &quot;%1&quot;: the control folder &quot;%2&quot; does not exist.</source>
        <translation>No se puede crear el control «%1»: la carpeta de controles «%2» no existe.</translation>
    </message>
    <message>
        <source>Cannot create the control &quot;%1&quot;: no control library in &quot;%2&quot; makes it.</source>
        <translation>No se puede crear el control «%1»: ninguna biblioteca de controles de «%2» lo crea.</translation>
    </message>
    <message>
        <source> Files that could not be used: %1.</source>
        <translation> Archivos que no se han podido usar: %1.</translation>
    </message>
    <message>
        <source>Cannot create the control &quot;%1&quot;: the control library &quot;%2&quot; did not create it%3.</source>
        <translation>No se puede crear el control «%1»: la biblioteca de controles «%2» no lo ha creado%3.</translation>
    </message>
    <message>
        <source>No control to set &quot;%1&quot; on.</source>
        <translation>No hay ningún control en el que poner «%1».</translation>
    </message>
    <message>
        <source>The property &quot;%1&quot; of %2 is read-only.</source>
        <translation>La propiedad «%1» de %2 es de solo lectura.</translation>
    </message>
    <message>
        <source>The property &quot;%1&quot; of %2 cannot take the value %3.</source>
        <translation>La propiedad «%1» de %2 no admite el valor %3.</translation>
    </message>
    <message>
        <source>Setting &quot;%1&quot; failed: %2</source>
        <translation>No se ha podido poner «%1»: %2</translation>
    </message>
    <message>
        <source>No control to read &quot;%1&quot; from.</source>
        <translation>No hay ningún control del que leer «%1».</translation>
    </message>
    <message>
        <source>Reading &quot;%1&quot; failed: %2</source>
        <translation>No se ha podido leer «%1»: %2</translation>
    </message>
    <message>
        <source>No control or handler for the event &quot;%1&quot;.</source>
        <translation>No hay ningún control ni manejador para el evento «%1».</translation>
    </message>
    <message>
        <source>The control class %1 has no event &quot;%2&quot;.</source>
        <translation>La clase de control %1 no tiene el evento «%2».</translation>
    </message>
    <message>
        <source>%1 has no handler &quot;%2&quot;.</source>
        <translation>%1 no tiene el manejador «%2».</translation>
    </message>
    <message>
        <source>The handler %1 does not match the event %2.</source>
        <translation>El manejador %1 no corresponde al evento %2.</translation>
    </message>
    <message>
        <source>Cannot connect the event &quot;%1&quot; to %2.</source>
        <translation>No se puede conectar el evento «%1» con %2.</translation>
    </message>
</context>
<context>
    <name>Effects</name>
    <message>
        <source>Staverly - Sound Error</source>
        <translation>Staverly - Error de sonido</translation>
    </message>
    <message>
        <source>Staverly- Browser Error</source>
        <translation>Staverly - Error del navegador</translation>
    </message>
    <message>
        <source>Resource not found: sound %1.</source>
        <translation>No se encuentra el recurso: sonido %1.</translation>
    </message>
    <message>
        <source>

The lessons go on without sound effects.</source>
        <translation>

Las lecciones siguen sin efectos de sonido.</translation>
    </message>
    <message>
        <source>Nothing to open.</source>
        <translation>No hay nada que abrir.</translation>
    </message>
</context>
<context>
    <name>FeedbackWords</name>
    <message>
        <source>Wonderful</source>
        <translation>¡Maravilloso!</translation>
    </message>
    <message>
        <source>Terrific</source>
        <translation>¡Estupendo!</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>¡Excelente!</translation>
    </message>
    <message>
        <source>Spectacular</source>
        <translation>¡Espectacular!</translation>
    </message>
    <message>
        <source>Fantastic</source>
        <translation>¡Fantástico!</translation>
    </message>
    <message>
        <source>Stupendous</source>
        <translation>¡Formidable!</translation>
    </message>
    <message>
        <source>Brilliant</source>
        <translation>¡Brillante!</translation>
    </message>
    <message>
        <source>Great</source>
        <translation>¡Fenomenal!</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>¡Bien!</translation>
    </message>
    <message>
        <source>Alright</source>
        <translation>¡Correcto!</translation>
    </message>
    <message>
        <source>The best!</source>
        <translation>¡Insuperable!</translation>
    </message>
    <message>
        <source>Your Cool!</source>
        <translation>¡Qué pasada!</translation>
    </message>
    <message>
        <source>Wow!</source>
        <translation>¡Guau!</translation>
    </message>
    <message>
        <source>Smart Kid!</source>
        <translation>¡Eres un genio!</translation>
    </message>
    <message>
        <source>Amazing!</source>
        <translation>¡Increíble!</translation>
    </message>
    <message>
        <source>Genious!</source>
        <translation>¡Qué talento!</translation>
    </message>
    <message>
        <source>Your a Virtuolo!</source>
        <translation>¡Qué virtuosismo!</translation>
    </message>
    <message>
        <source>Your Hot!</source>
        <translation>¡Estás que te sales!</translation>
    </message>
    <message>
        <source>Perfect!</source>
        <translation>¡Perfecto!</translation>
    </message>
    <message>
        <source>Great!</source>
        <translation>¡Genial!</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativo</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Incorrecto</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falso</translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation>Fallo</translation>
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
        <translation>¡Despierta!</translation>
    </message>
    <message>
        <source>Come on!</source>
        <translation>¡Vamos!</translation>
    </message>
    <message>
        <source>Try Harder!</source>
        <translation>¡Esfuérzate más!</translation>
    </message>
    <message>
        <source>Think!</source>
        <translation>¡Piensa!</translation>
    </message>
    <message>
        <source>Next Time!</source>
        <translation>¡La próxima vez!</translation>
    </message>
    <message>
        <source>No Good!</source>
        <translation>¡Así no!</translation>
    </message>
    <message>
        <source>Almost!</source>
        <translation>¡Casi!</translation>
    </message>
    <message>
        <source>Keep Trying!</source>
        <translation>¡Sigue intentándolo!</translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation>Esperando...</translation>
    </message>
    <message>
        <source>Boo!</source>
        <translation>¡Buuu!</translation>
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
        <translation>Clave de sol</translation>
    </message>
    <message>
        <source>Base Clef</source>
        <translation>Clave de fa</translation>
    </message>
</context>
<context>
    <name>GradeReport</name>
    <message>
        <source>Staverly Grade Report</source>
        <translation>Informe de resultados de Staverly</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Lesson</source>
        <translation>Lección</translation>
    </message>
    <message>
        <source>Yes </source>
        <translation>Sí </translation>
    </message>
    <message>
        <source>No </source>
        <translation>No </translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
</context>
<context>
    <name>JackInput</name>
    <message>
        <source>No JACK server is running, so Staverly cannot hear a microphone; start JACK or answer on the keyboard.</source>
        <translation>No hay ningún servidor JACK en marcha, así que Staverly no puede oír ningún micrófono; pon en marcha JACK o responde con el teclado.</translation>
    </message>
    <message>
        <source>The JACK server has stopped; Staverly listens again as soon as it is back.</source>
        <translation>El servidor JACK se ha detenido; Staverly volverá a escuchar en cuanto vuelva a funcionar.</translation>
    </message>
    <message>
        <source>JACK offers no microphone input; plug one in and Staverly listens at once.</source>
        <translation>JACK no ofrece ninguna entrada de micrófono; conecta uno y Staverly escuchará enseguida.</translation>
    </message>
    <message>
        <source>The input “%1” is unplugged or switched off; Staverly listens again as soon as it is back.</source>
        <translation>La entrada «%1» está desenchufada o apagada; Staverly volverá a escuchar en cuanto vuelva a estar disponible.</translation>
    </message>
</context>
<context>
    <name>JackOutput</name>
    <message>
        <source>no JACK server is running</source>
        <translation>no hay ningún servidor JACK en marcha</translation>
    </message>
    <message>
        <source>the JACK server refused the program&apos;s ports</source>
        <translation>el servidor JACK ha rechazado los puertos del programa</translation>
    </message>
</context>
<context>
    <name>LessonFace</name>
    <message>
        <source>The lesson&apos;s grade could not be added to &quot;%1&quot;: %2. Lessons go on, but are not kept until this is put right.</source>
        <translation>No se ha podido añadir el resultado de la lección a «%1»: %2. Las lecciones siguen, pero no se guardan hasta que se arregle.</translation>
    </message>
    <message>
        <source>Staverly - Grades Error</source>
        <translation>Staverly - Error en los resultados</translation>
    </message>
    <message>
        <source>The grade log &quot;%1&quot; was not written as UTF-8 throughout. It has been written anew as UTF-8, with every lesson kept.</source>
        <translation>El registro de resultados «%1» no estaba escrito entero en UTF-8. Se ha vuelto a escribir en UTF-8, conservando todas las lecciones.</translation>
    </message>
    <message>
        <source>Staverly - Grades</source>
        <translation>Staverly - Resultados</translation>
    </message>
</context>
<context>
    <name>MainLabels</name>
    <message>
        <source>Player *.*</source>
        <translation>Jugador *.*</translation>
    </message>
    <message>
        <source>Click here to change current player.</source>
        <translation>Haz clic aquí para cambiar de jugador.</translation>
    </message>
    <message>
        <source>Click on the New button...</source>
        <translation>Pulsa el botón Nueva...</translation>
    </message>
</context>
<context>
    <name>MidiError</name>
    <message>
        <source>1 MIDI input</source>
        <translation>1 entrada MIDI</translation>
    </message>
    <message>
        <source>%1 MIDI inputs</source>
        <translation>%1 entradas MIDI</translation>
    </message>
    <message>
        <source>1 MIDI output</source>
        <translation>1 salida MIDI</translation>
    </message>
    <message>
        <source>%1 MIDI outputs</source>
        <translation>%1 salidas MIDI</translation>
    </message>
    <message>
        <source>The MIDI input chosen before (entry %1 of the list) is not connected; this computer lists %2.</source>
        <translation>La entrada MIDI elegida antes (la n.º %1 de la lista) no está conectada; este ordenador tiene %2.</translation>
    </message>
    <message>
        <source>The MIDI output chosen before (entry %1 of the list) is not connected; this computer lists %2.</source>
        <translation>La salida MIDI elegida antes (la n.º %1 de la lista) no está conectada; este ordenador tiene %2.</translation>
    </message>
</context>
<context>
    <name>NoteModel</name>
    <message>
        <source>Middle %1</source>
        <translation>%1 central</translation>
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
        <translation>%1 sostenido %2</translation>
    </message>
    <message>
        <source>the letters a to g</source>
        <translation>las letras de la a a la g</translation>
    </message>
    <message>
        <source>the letters a, c to h (h for H)</source>
        <translation>las letras a y de la c a la h (h para la H)</translation>
    </message>
    <message>
        <source>the digits 1 to 7 (1 for Do) or the letters a to g</source>
        <translation>las cifras del 1 al 7 (1 para Do) o las letras de la a a la g</translation>
    </message>
</context>
<context>
    <name>NoteRange</name>
    <message>
        <source>The low note range must be 1 less then the high note!</source>
        <translation>¡La nota más grave tiene que estar al menos una tecla por debajo de la más aguda!</translation>
    </message>
    <message>
        <source>The high note range must be 1 greater then the low note!</source>
        <translation>¡La nota más aguda tiene que estar al menos una tecla por encima de la más grave!</translation>
    </message>
</context>
<context>
    <name>NoteTestSheet</name>
    <message>
        <source>What is this note? _______</source>
        <translation>¿Qué nota es? _______</translation>
    </message>
    <message>
        <source>Color in this note on the piano.</source>
        <translation>Colorea esta nota en el piano.</translation>
    </message>
    <message>
        <source>Brought to you by Pellworth %1...</source>
        <translation>Por cortesía de Pellworth %1...</translation>
    </message>
</context>
<context>
    <name>NullInput</name>
    <message>
        <source>Staverly finds no sound server to hear a microphone through; start PulseAudio or JACK, or answer on the keyboard.</source>
        <translation>Staverly no encuentra ningún servidor de sonido con el que oír un micrófono; pon en marcha PulseAudio o JACK, o responde con el teclado.</translation>
    </message>
</context>
<context>
    <name>NullMidiBackend</name>
    <message>
        <source>The MIDI input &quot;%1&quot; is not available: this system has no MIDI.</source>
        <translation>La entrada MIDI «%1» no está disponible: este sistema no tiene MIDI.</translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; is not available: this system has no MIDI.</source>
        <translation>La salida MIDI «%1» no está disponible: este sistema no tiene MIDI.</translation>
    </message>
</context>
<context>
    <name>OldPupilFiles</name>
    <message>
        <source>Moved from the build folder %2 to %3: %1. The program keeps the pupils&apos; files there from now on; a rebuild or a clean of the build folder no longer takes them.</source>
        <translation>Archivos trasladados de la carpeta de compilación %2 a %3: %1. El programa guarda allí desde ahora los archivos de los alumnos; una nueva compilación o una limpieza de la carpeta de compilación ya no se los lleva.</translation>
    </message>
    <message>
        <source>Left in %2: %1. %3 already holds a file of that name, or it could not be written; nothing was replaced.</source>
        <translation>Archivos que siguen en %2: %1. %3 ya tiene un archivo con ese nombre, o no se puede escribir en ella; no se ha sustituido nada.</translation>
    </message>
    <message>
        <source>Staverly - Pupils&apos; Files</source>
        <translation>Staverly - Archivos de los alumnos</translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <translation>%1 como %2</translation>
    </message>
    <message>
        <source>Moved from the build folder %2 to %3 under another name, since %3 already holds one of the same name that stays in use: %1. Nothing was replaced.</source>
        <translation>Archivos trasladados con otro nombre de la carpeta de compilación %2 a %3, porque %3 ya tiene uno con el mismo nombre, que se sigue usando: %1. No se ha sustituido nada.</translation>
    </message>
</context>
<context>
    <name>PulseInput</name>
    <message>
        <source>No sound server answers, so Staverly cannot hear a microphone; answer on the keyboard instead.</source>
        <translation>No responde ningún servidor de sonido, así que Staverly no puede oír ningún micrófono; responde con el teclado.</translation>
    </message>
    <message>
        <source>The sound server has stopped; Staverly listens again as soon as it is back.</source>
        <translation>El servidor de sonido se ha detenido; Staverly volverá a escuchar en cuanto vuelva a funcionar.</translation>
    </message>
    <message>
        <source>Staverly finds no microphone; plug one in and Staverly listens at once.</source>
        <translation>Staverly no encuentra ningún micrófono; conecta uno y Staverly escuchará enseguida.</translation>
    </message>
    <message>
        <source>The microphone “%1” is unplugged or switched off; Staverly listens again as soon as it is back.</source>
        <translation>El micrófono «%1» está desenchufado o apagado; Staverly volverá a escuchar en cuanto vuelva a estar disponible.</translation>
    </message>
</context>
<context>
    <name>PulseOutput</name>
    <message>
        <source>no PulseAudio server answers</source>
        <translation>no responde ningún servidor PulseAudio</translation>
    </message>
    <message>
        <source>the PulseAudio server refused the stream</source>
        <translation>el servidor PulseAudio ha rechazado el flujo de audio</translation>
    </message>
</context>
<context>
    <name>QtDesktop</name>
    <message>
        <source>Print Setup</source>
        <translation>Configurar impresora</translation>
    </message>
    <message>
        <source>No printer is set up on this computer.</source>
        <translation>No hay ninguna impresora configurada en este ordenador.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be started.</source>
        <translation>No se ha podido poner en marcha la impresora «%1».</translation>
    </message>
    <message>
        <source>The sound is not an uncompressed PCM wave.</source>
        <translation>El sonido no es una onda PCM sin comprimir.</translation>
    </message>
</context>
<context>
    <name>RtMidiBackend</name>
    <message>
        <source>The MIDI input &quot;%1&quot; is not connected.</source>
        <translation>La entrada MIDI «%1» no está conectada.</translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; is not connected.</source>
        <translation>La salida MIDI «%1» no está conectada.</translation>
    </message>
</context>
<context>
    <name>RtMidiSink</name>
    <message>
        <source>The MIDI output &quot;%1&quot; could not be opened: %2</source>
        <translation>No se ha podido abrir la salida MIDI «%1»: %2</translation>
    </message>
    <message>
        <source>A message to the MIDI output &quot;%1&quot; failed: %2</source>
        <translation>Ha fallado un mensaje a la salida MIDI «%1»: %2</translation>
    </message>
</context>
<context>
    <name>RtMidiSource</name>
    <message>
        <source>The MIDI input &quot;%1&quot; could not be opened: %2</source>
        <translation>No se ha podido abrir la entrada MIDI «%1»: %2</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>SettingsReader</name>
    <message>
        <source>%1 was &quot;%2&quot;, now %3</source>
        <translation>%1 era «%2», ahora %3</translation>
    </message>
    <message>
        <source>Some settings could not be used and were set back to their defaults:
</source>
        <translation>Algunos ajustes no se han podido usar y han vuelto a su valor inicial:
</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Staverly cannot save its settings in &quot;%1&quot;: %2. Changes made now last only until Staverly is closed.</source>
        <translation>Staverly no puede guardar sus ajustes en «%1»: %2. Los cambios que hagas ahora solo duran hasta que cierres Staverly.</translation>
    </message>
    <message>
        <source>the disk may be full</source>
        <translation>puede que el disco esté lleno</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>no se puede escribir en su carpeta</translation>
    </message>
</context>
<context>
    <name>SoundFontSearch</name>
    <message>
        <source>nowhere</source>
        <translation>ninguno</translation>
    </message>
</context>
<context>
    <name>staverly::AnswerHistory</name>
    <message>
        <source>%1, so answers are kept only until Staverly closes.</source>
        <translation>%1, así que las respuestas solo se guardan hasta que se cierre Staverly.</translation>
    </message>
    <message>
        <source>%1. Answers are kept meanwhile and written to it once it can be written again; until then they last only until Staverly closes.</source>
        <translation>%1. Mientras tanto, las respuestas se guardan y se escribirán en él cuando se pueda volver a escribir; hasta entonces solo duran hasta que se cierre Staverly.</translation>
    </message>
    <message>
        <source>The folder of the answer history %1 cannot be made</source>
        <translation>No se puede crear la carpeta del historial de respuestas %1</translation>
    </message>
    <message>
        <source>The answer history %1 is read-only</source>
        <translation>El historial de respuestas %1 es de solo lectura</translation>
    </message>
    <message>
        <source>The answer history %1 is locked by another program</source>
        <translation>El historial de respuestas %1 está bloqueado por otro programa</translation>
    </message>
    <message>
        <source>The answer history %1 is damaged and cannot be moved aside</source>
        <translation>El historial de respuestas %1 está dañado y no se puede apartar</translation>
    </message>
    <message>
        <source>The answer history %1 was written by a newer Staverly</source>
        <translation>El historial de respuestas %1 lo escribió una versión más nueva de Staverly</translation>
    </message>
    <message>
        <source>The answer history %1 cannot be used (%2)</source>
        <translation>No se puede usar el historial de respuestas %1 (%2)</translation>
    </message>
    <message>
        <source>The answer history %1 was damaged; it was moved to %2 and a new one started.</source>
        <translation>El historial de respuestas %1 estaba dañado; se ha movido a %2 y se ha empezado uno nuevo.</translation>
    </message>
    <message>
        <source>History started anew</source>
        <translation>Historial reiniciado</translation>
    </message>
    <message>
        <source>Answers waiting</source>
        <translation>Respuestas en espera</translation>
    </message>
    <message>
        <source>Answers not kept</source>
        <translation>Respuestas sin guardar</translation>
    </message>
</context>
<context>
    <name>staverly::LessonEngine</name>
    <message>
        <source>This lesson is complete! You have answered %1 questions!
If you would like to start a new lesson then click on the Yes button.
If you would like to continue with the current lesson then click No.
To pause lesson, click Cancel.</source>
        <translation>¡Lección terminada! ¡Has respondido %1 preguntas!
Si quieres empezar una lección nueva, pulsa el botón Sí.
Si quieres seguir con esta lección, pulsa No.
Para hacer una pausa, pulsa Cancelar.</translation>
    </message>
    <message>
        <source>Lesson Over Notification</source>
        <translation>Fin de la lección</translation>
    </message>
    <message>
        <source>Click New to start!</source>
        <translation>¡Pulsa Nueva para empezar!</translation>
    </message>
    <message>
        <source>Please adjust the sliders properly.  The top slider must be at least 1 hight then the bottem slider.</source>
        <translation>Por favor, coloca bien los deslizadores. El deslizador de arriba tiene que estar al menos una tecla por encima del de abajo.</translation>
    </message>
    <message>
        <source>Slider Error!</source>
        <translation>¡Error en los deslizadores!</translation>
    </message>
    <message>
        <source>Too Low</source>
        <translation>Demasiado grave</translation>
    </message>
    <message>
        <source>Too High</source>
        <translation>Demasiado agudo</translation>
    </message>
    <message>
        <source>Over Time!</source>
        <translation>¡Se acabó el tiempo!</translation>
    </message>
    <message>
        <source>Click on the New button...</source>
        <translation>Pulsa el botón Nueva...</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Heard by a screen reader after a right answer: the note, the praise word.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Clue: %1</source>
        <extracomment>Heard by a screen reader when a clue shows the note.</extracomment>
        <translation>Pista: %1</translation>
    </message>
    <message>
        <source>Not %1</source>
        <extracomment>Heard by a screen reader after a wrong letter: the note it names.</extracomment>
        <translation>No es %1</translation>
    </message>
</context>
<context>
    <name>staverly::MIDIInput</name>
    <message>
        <source>%1 MIDI messages were lost: the input queue was full.</source>
        <translation>Se han perdido %1 mensajes MIDI: la cola de entrada estaba llena.</translation>
    </message>
</context>
<context>
    <name>staverly::MIDIOutput</name>
    <message>
        <source>This system has no default MIDI output.</source>
        <translation>Este sistema no tiene ninguna salida MIDI predeterminada.</translation>
    </message>
    <message>
        <source>%1 does not start a short MIDI message.</source>
        <translation>%1 no es el comienzo de un mensaje MIDI corto.</translation>
    </message>
</context>
<context>
    <name>staverly::MainBackground</name>
    <message>
        <source>Right</source>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Fallos</translation>
    </message>
    <message>
        <source>Score %</source>
        <translation>Puntuación %</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
</context>
<context>
    <name>staverly::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Lesson</source>
        <translation>&amp;Nueva lección</translation>
    </message>
    <message>
        <source>&amp;Treble Clef</source>
        <translation>Clave de &amp;sol</translation>
    </message>
    <message>
        <source>&amp;Base Clef</source>
        <translation>Clave de &amp;fa</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print Set&amp;up...</source>
        <translation>&amp;Configurar impresora...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Lesson Setup...</source>
        <translation>Ajustes de la &amp;lección...</translation>
    </message>
    <message>
        <source>&amp;Midi Setup...</source>
        <translation>Ajustes &amp;MIDI...</translation>
    </message>
    <message>
        <source>Players...</source>
        <translation>&amp;Jugadores...</translation>
    </message>
    <message>
        <source>&amp;Test Maker...</source>
        <translation>Creador de &amp;fichas...</translation>
    </message>
    <message>
        <source>&amp;Grades...</source>
        <translation>&amp;Resultados...</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation>&amp;Progreso...</translation>
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
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>%1&apos;s Music on %2...</source>
        <translation>Música de %1 en %2...</translation>
    </message>
    <message>
        <source>Staverly Updates...</source>
        <translation>Actualizaciones de Staverly...</translation>
    </message>
    <message>
        <source>Send Email To Me...</source>
        <translation>Enviarme un correo...</translation>
    </message>
    <message>
        <source>&amp;Help Using This Program...</source>
        <translation>&amp;Cómo usar este programa...</translation>
    </message>
    <message>
        <source>&amp;About The Staverly...</source>
        <translation>&amp;Acerca de Staverly...</translation>
    </message>
    <message>
        <source>Staverly stays at %1 %.</source>
        <translation>Staverly se queda al %1 %.</translation>
    </message>
    <message>
        <source>Staverly shows its window at %1 % from its next start.</source>
        <translation>Staverly mostrará su ventana al %1 % la próxima vez que se abra.</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Desktop&apos;s language</source>
        <translation>Idioma del escritorio</translation>
    </message>
    <message>
        <source>Staverly speaks the language chosen from its next start.</source>
        <translation>Staverly hablará el idioma elegido la próxima vez que se abra.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Staverly - Print Error</source>
        <translation>Staverly - Error de impresión</translation>
    </message>
    <message>
        <source>Note &amp;Names</source>
        <translation>&amp;Nombres de las notas</translation>
    </message>
    <message>
        <source>As the language names them</source>
        <translation>Según el idioma</translation>
    </message>
    <message>
        <source>Letters: C D E F G A B</source>
        <translation>Letras: C D E F G A B</translation>
    </message>
    <message>
        <source>German letters: C D E F G A H</source>
        <translation>Letras alemanas: C D E F G A H</translation>
    </message>
    <message>
        <source>Solfège: Do Re Mi Fa Sol La Si</source>
        <translation>Solfeo: Do Re Mi Fa Sol La Si</translation>
    </message>
    <message>
        <source>Staverly names the notes this way from its next start.</source>
        <translation>Staverly llamará así a las notas la próxima vez que se abra.</translation>
    </message>
    <message>
        <source>Note Names</source>
        <translation>Nombres de las notas</translation>
    </message>
    <message>
        <source>&amp;Question and Score</source>
        <translation>&amp;Pregunta y puntuación</translation>
    </message>
</context>
<context>
    <name>staverly::MicAnswers</name>
    <message>
        <source>Microphone</source>
        <translation>Micrófono</translation>
    </message>
</context>
<context>
    <name>staverly::MicPanel</name>
    <message>
        <source>Listen to a Piano</source>
        <translation>Escuchar un piano</translation>
    </message>
    <message>
        <source>Check here to answer by playing a real piano into the microphone</source>
        <translation>Marca aquí para responder tocando un piano de verdad cerca del micrófono</translation>
    </message>
    <message>
        <source>&amp;Listen to a piano</source>
        <translation>E&amp;scuchar un piano</translation>
    </message>
    <message>
        <source>How loud the microphone hears the room</source>
        <translation>Nivel con el que el micrófono oye la sala</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Nivel del micrófono</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micrófono</translation>
    </message>
    <message>
        <source>Select the microphone that hears the piano</source>
        <translation>Elige el micrófono que oye el piano</translation>
    </message>
    <message>
        <source>Piano&apos;s A</source>
        <translation>La del piano</translation>
    </message>
    <message>
        <source>The pitch of the A above middle C on your piano</source>
        <translation>La altura del La que hay encima del Do central en tu piano</translation>
    </message>
    <message>
        <source> Hz</source>
        <translation> Hz</translation>
    </message>
    <message>
        <source>Click here, then play one A on your piano</source>
        <translation>Haz clic aquí y luego toca un La en tu piano</translation>
    </message>
    <message>
        <source>T&amp;une to my piano</source>
        <translation>A&amp;finar con mi piano</translation>
    </message>
    <message>
        <source>The desktop&apos;s default input</source>
        <translation>Entrada predeterminada del escritorio</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (no conectado)</translation>
    </message>
    <message>
        <source>Play one A on your piano now, and let it ring.</source>
        <translation>Toca ahora un La en tu piano y déjalo sonar.</translation>
    </message>
    <message>
        <source>No A was heard. Play one A, a little louder, and try again.</source>
        <translation>No se ha oído ningún La. Toca un La un poco más fuerte y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Tuned: your piano&apos;s A is %1 Hz.</source>
        <translation>Afinado: el La de tu piano está a %1 Hz.</translation>
    </message>
    <message>
        <source>Tuned:</source>
        <translation>Afinado:</translation>
    </message>
    <message>
        <source>No A was heard</source>
        <translation>No se ha oído ningún La</translation>
    </message>
    <message>
        <source>This computer has no sound input to listen to.</source>
        <translation>Este ordenador no tiene ninguna entrada de sonido que escuchar.</translation>
    </message>
    <message>
        <source>Place the microphone near the piano and tick the box; the bar moves when it hears the piano.</source>
        <translation>Pon el micrófono cerca del piano y marca la casilla; la barra se mueve cuando oye el piano.</translation>
    </message>
    <message>
        <source>The microphone is too loud: turn its level down in the desktop&apos;s sound settings.</source>
        <translation>El micrófono está demasiado fuerte: baja su nivel en los ajustes de sonido del escritorio.</translation>
    </message>
    <message>
        <source>The microphone hears nothing: check that it is plugged in, chosen above and not muted.</source>
        <translation>El micrófono no oye nada: comprueba que está enchufado, elegido arriba y sin silenciar.</translation>
    </message>
    <message>
        <source>Listening: play the key of each note to answer.</source>
        <translation>Escuchando: toca la tecla de cada nota para responder.</translation>
    </message>
</context>
<context>
    <name>staverly::MidiMod</name>
    <message>
        <source>Midi Output Error!</source>
        <translation>¡Error en la salida MIDI!</translation>
    </message>
    <message>
        <source>Choose a MIDI keyboard</source>
        <translation>Elige un teclado MIDI</translation>
    </message>
    <message>
        <source> Choose one in MIDI Setup.</source>
        <translation> Elige uno en Ajustes MIDI.</translation>
    </message>
    <message>
        <source>MIDI keyboard not connected</source>
        <translation>Teclado MIDI no conectado</translation>
    </message>
    <message>
        <source>The MIDI keyboard &quot;%1&quot; is not connected. Staverly uses it again as soon as it is back.</source>
        <translation>El teclado MIDI «%1» no está conectado. Staverly lo volverá a usar en cuanto vuelva a estar conectado.</translation>
    </message>
    <message>
        <source>Choose a MIDI output</source>
        <translation>Elige una salida MIDI</translation>
    </message>
    <message>
        <source>MIDI output not connected</source>
        <translation>Salida MIDI no conectada</translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; is not connected. Staverly uses it again as soon as it is back.</source>
        <translation>La salida MIDI «%1» no está conectada. Staverly la volverá a usar en cuanto vuelva a estar conectada.</translation>
    </message>
    <message>
        <source>Midi In Open Error!</source>
        <translation>¡Error al abrir la entrada MIDI!</translation>
    </message>
    <message>
        <source>Midi Out Error!</source>
        <translation>¡Error en la salida MIDI!</translation>
    </message>
    <message>
        <source>Midi In Open Device Error</source>
        <translation>Error al abrir el dispositivo de entrada MIDI</translation>
    </message>
    <message>
        <source>Midi Out Open Device Error</source>
        <translation>Error al abrir el dispositivo de salida MIDI</translation>
    </message>
    <message>
        <source>Sound: none, the sound server has gone</source>
        <translation>Sonido: ninguno, el servidor de sonido ha desaparecido</translation>
    </message>
    <message>
        <source>Sound: starting</source>
        <translation>Sonido: iniciando</translation>
    </message>
    <message>
        <source>Sound: %1, resting</source>
        <translation>Sonido: %1, en reposo</translation>
    </message>
    <message>
        <source>Sound: %1, %2 ms</source>
        <translation>Sonido: %1, %2 ms</translation>
    </message>
    <message>
        <source>No sound output</source>
        <translation>Sin salida de sonido</translation>
    </message>
    <message>
        <source>The connection from &quot;%1&quot; to Staverly was removed outside Staverly (in a patchbay, say). Press OK in MIDI Setup to connect it again.</source>
        <translation>La conexión de «%1» a Staverly se ha quitado fuera de Staverly (por ejemplo, en un panel de conexiones). Pulsa Aceptar en Ajustes MIDI para volver a conectarla.</translation>
    </message>
    <message>
        <source>The connection from Staverly to &quot;%1&quot; was removed outside Staverly (in a patchbay, say). Press OK in MIDI Setup to connect it again.</source>
        <translation>La conexión de Staverly a «%1» se ha quitado fuera de Staverly (por ejemplo, en un panel de conexiones). Pulsa Aceptar en Ajustes MIDI para volver a conectarla.</translation>
    </message>
    <message>
        <source>MIDI notes dropped</source>
        <translation>Notas MIDI descartadas</translation>
    </message>
    <message>
        <source>%1 MIDI notes came faster than they could be judged and were dropped.</source>
        <translation>%1 notas MIDI han llegado más deprisa de lo que se podían corregir y se han descartado.</translation>
    </message>
    <message>
        <source>Odd MIDI input ignored</source>
        <translation>Entrada MIDI extraña descartada</translation>
    </message>
    <message>
        <source>1 malformed MIDI message ignored.</source>
        <translation>Se ha descartado 1 mensaje MIDI defectuoso.</translation>
    </message>
    <message>
        <source>%1 malformed MIDI messages ignored.</source>
        <translation>Se han descartado %1 mensajes MIDI defectuosos.</translation>
    </message>
    <message>
        <source>MIDI disconnected elsewhere</source>
        <translation>MIDI desconectado por otro programa</translation>
    </message>
    <message>
        <source>MIDI output not answering</source>
        <translation>La salida MIDI no responde</translation>
    </message>
</context>
<context>
    <name>staverly::PianoEar</name>
    <message>
        <source>No microphone can be listened to on this computer.</source>
        <translation>En este ordenador no hay ningún micrófono que se pueda escuchar.</translation>
    </message>
    <message>
        <source>The microphone could not be opened.</source>
        <translation>No se ha podido abrir el micrófono.</translation>
    </message>
</context>
<context>
    <name>staverly::PictureBox</name>
    <message>
        <source>The staff picture is missing or cannot be read:
%1

Play on: the note still sounds, and its name shows as a clue.</source>
        <translation>Falta la imagen del pentagrama o no se puede leer:
%1

Puedes continuar: la nota sigue sonando y su nombre aparece como pista.</translation>
    </message>
</context>
<context>
    <name>staverly::RangeSliders</name>
    <message>
        <source>Low Note</source>
        <translation>Nota más grave</translation>
    </message>
    <message>
        <source>High Note</source>
        <translation>Nota más aguda</translation>
    </message>
    <message>
        <source>Note Range Error!</source>
        <translation>¡Error en el rango de notas!</translation>
    </message>
</context>
<context>
    <name>staverly::WeakNoteMap</name>
    <message>
        <source>Keys by wrong answers</source>
        <translation>Teclas según los fallos</translation>
    </message>
    <message>
        <source>Keys by answer time</source>
        <translation>Teclas según el tiempo de respuesta</translation>
    </message>
    <message>
        <source>No note asked yet.</source>
        <translation>Todavía no se ha preguntado ninguna nota.</translation>
    </message>
    <message>
        <source>Weakest first: </source>
        <translation>Las más flojas primero: </translation>
    </message>
    <message>
        <source>%1: not asked yet</source>
        <translation>%1: todavía no se ha preguntado</translation>
    </message>
    <message>
        <source>%1: %2 answers, %3 wrong (%4 %), median %5 s</source>
        <translation>%1: %2 respuestas, %3 fallos (%4 %), mediana %5 s</translation>
    </message>
</context>
<context>
    <name>staverly::aboutFrm</name>
    <message>
        <source>Last Updated 8/7/2000</source>
        <translation>Actualizado el 7/8/2000</translation>
    </message>
    <message>
        <source>Read the staff. Find the key. Play the note.</source>
        <translation>Lee el pentagrama. Encuentra la tecla. Toca la nota.</translation>
    </message>
</context>
<context>
    <name>staverly::frmMain</name>
    <message>
        <source>Pellworth&apos;s Staverly v1.0</source>
        <translation>Staverly v1.0 de Pellworth</translation>
    </message>
    <message>
        <source>Question progress bar.</source>
        <translation>Barra de progreso de las preguntas.</translation>
    </message>
    <message>
        <source>Click in this area to open  Lesson Setup...</source>
        <translation>Haz clic en esta zona para abrir Ajustes de la lección...</translation>
    </message>
    <message>
        <source>Click here to start a new game.</source>
        <translation>Haz clic aquí para empezar una lección nueva.</translation>
    </message>
    <message>
        <source>Click here to see clue or click on note. You can also press the space- bar</source>
        <translation>Haz clic aquí o en la nota para ver una pista. También puedes pulsar la barra espaciadora.</translation>
    </message>
    <message>
        <source>New lesson</source>
        <translation>Nueva lección</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Midi Indicator</source>
        <translation>Indicador MIDI</translation>
    </message>
    <message>
        <source>The player list &quot;%1&quot; could not be created: %2.</source>
        <translation>No se ha podido crear la lista de jugadores «%1»: %2.</translation>
    </message>
    <message>
        <source>Are you sure you want to Quit?</source>
        <translation>¿Seguro que quieres salir?</translation>
    </message>
    <message>
        <source>Exit Notification</source>
        <translation>Salir de Staverly</translation>
    </message>
</context>
<context>
    <name>staverly::gradesFrm</name>
    <message>
        <source>User Name                </source>
        <translation>Nombre                   </translation>
    </message>
    <message>
        <source>Lesson         </source>
        <translation>Lección        </translation>
    </message>
    <message>
        <source>Yes    </source>
        <translation>Sí     </translation>
    </message>
    <message>
        <source>No     </source>
        <translation>No     </translation>
    </message>
    <message>
        <source>Score   </source>
        <translation>Puntuación   </translation>
    </message>
    <message>
        <source>Date                              </source>
        <translation>Fecha                             </translation>
    </message>
    <message>
        <source>Grades</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>&amp;Print HTML Report...</source>
        <translation>&amp;Imprimir informe HTML...</translation>
    </message>
    <message>
        <source>Click here to make a printable HTML report.</source>
        <translation>Haz clic aquí para crear un informe HTML para imprimir.</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Click here to clear the current grade report.</source>
        <translation>Haz clic aquí para borrar el informe de resultados actual.</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation>&amp;Progreso...</translation>
    </message>
    <message>
        <source>Click here to see each pupil&apos;s progress and weak notes.</source>
        <translation>Haz clic aquí para ver el progreso y las notas difíciles de cada alumno.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Click here to close window.</source>
        <translation>Haz clic aquí para cerrar la ventana.</translation>
    </message>
    <message>
        <source>%1 line(s) of the grade log &quot;%2&quot; could not be read as lessons and are left out here. The file itself is left as it is.</source>
        <translation>%1 línea(s) del registro de resultados «%2» no se han podido leer como lecciones y no aparecen aquí. El archivo se queda como está.</translation>
    </message>
    <message>
        <source>Are you sure you want to clear this list?<byte value="xd"/>
Change can not be undone.</source>
        <translation>¿Seguro que quieres borrar esta lista?<byte value="xd"/>
No se podrá deshacer.</translation>
    </message>
    <message>
        <source>Remove Grades Notification</source>
        <translation>Borrar resultados</translation>
    </message>
    <message>
        <source>The grade log &quot;%1&quot; could not be deleted: %2. Every lesson in it is kept.</source>
        <translation>No se ha podido borrar el registro de resultados «%1»: %2. Se conservan todas sus lecciones.</translation>
    </message>
    <message>
        <source>Save Grade Report As...</source>
        <translation>Guardar informe de resultados como...</translation>
    </message>
    <message>
        <source>The grade report could not be saved as &quot;%1&quot;: %2</source>
        <translation>No se ha podido guardar el informe de resultados como «%1»: %2</translation>
    </message>
</context>
<context>
    <name>staverly::midiFrm</name>
    <message>
        <source>Midi Setup</source>
        <translation>Ajustes MIDI</translation>
    </message>
    <message>
        <source>Midi In</source>
        <translation>Entrada MIDI</translation>
    </message>
    <message>
        <source>Check here if using and external keyboard</source>
        <translation>Marca aquí si usas un teclado externo</translation>
    </message>
    <message>
        <source>Midi &amp;In Enabled</source>
        <translation>&amp;Entrada MIDI activada</translation>
    </message>
    <message>
        <source>Check here to enable Midi Through</source>
        <translation>Marca aquí para activar el reenvío MIDI</translation>
    </message>
    <message>
        <source>Midi &amp;Through</source>
        <translation>&amp;Reenvío MIDI</translation>
    </message>
    <message>
        <source>Midi In Device</source>
        <translation>Dispositivo de entrada MIDI</translation>
    </message>
    <message>
        <source>Select the Midi Input device</source>
        <translation>Elige el dispositivo de entrada MIDI</translation>
    </message>
    <message>
        <source>Midi Out</source>
        <translation>Salida MIDI</translation>
    </message>
    <message>
        <source>Midi Out Device</source>
        <translation>Dispositivo de salida MIDI</translation>
    </message>
    <message>
        <source>Select here to choose a midi output device</source>
        <translation>Elige aquí un dispositivo de salida MIDI</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrumento</translation>
    </message>
    <message>
        <source>Select here to choose an instrument</source>
        <translation>Elige aquí un instrumento</translation>
    </message>
    <message>
        <source>Midi Channel</source>
        <translation>Canal MIDI</translation>
    </message>
    <message>
        <source>Choose a Midi In channel</source>
        <translation>Elige un canal MIDI</translation>
    </message>
    <message>
        <source>Midi Volume</source>
        <translation>Volumen MIDI</translation>
    </message>
    <message>
        <source>Slide here to adjust midi out volume</source>
        <translation>Desliza aquí para ajustar el volumen de la salida MIDI</translation>
    </message>
    <message>
        <source>Click here to hear instrument on synthesizer</source>
        <translation>Haz clic aquí para oír el instrumento en el sintetizador</translation>
    </message>
    <message>
        <source>Test Note</source>
        <translation>Nota de prueba</translation>
    </message>
    <message>
        <source>Click here to close window</source>
        <translation>Haz clic aquí para cerrar la ventana</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>The delay from a note to the loudspeakers, as the sound server measures it</source>
        <translation>El retardo entre una nota y los altavoces, según lo mide el servidor de sonido</translation>
    </message>
</context>
<context>
    <name>staverly::playerFrm</name>
    <message>
        <source>Player Setup</source>
        <translation>Ajustes de jugadores</translation>
    </message>
    <message>
        <source>Current Player:</source>
        <translation>Jugador actual:</translation>
    </message>
    <message>
        <source>Select a player from the list</source>
        <translation>Elige un jugador de la lista</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Click here to remove the selected player</source>
        <translation>Haz clic aquí para quitar el jugador elegido</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>Aña&amp;dir...</translation>
    </message>
    <message>
        <source>Click here to add a new player</source>
        <translation>Haz clic aquí para añadir un jugador nuevo</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Click here to close window</source>
        <translation>Haz clic aquí para cerrar la ventana</translation>
    </message>
    <message>
        <source>Please enter name!</source>
        <translation>¡Escribe el nombre!</translation>
    </message>
    <message>
        <source>Staverly Players</source>
        <translation>Jugadores de Staverly</translation>
    </message>
    <message>
        <source>You have not selected a current player!<byte value="xd"/>
You must select one before closing this window.</source>
        <translation>¡No has elegido ningún jugador!<byte value="xd"/>
Elige uno antes de cerrar esta ventana.</translation>
    </message>
    <message>
        <source>Player Setup Error</source>
        <translation>Error en los jugadores</translation>
    </message>
    <message>
        <source>The player list &quot;%1&quot; could not be saved: %2. It is left as it was.</source>
        <translation>No se ha podido guardar la lista de jugadores «%1»: %2. Se queda como estaba.</translation>
    </message>
    <message>
        <source>The player list &quot;%1&quot; was not written as UTF-8 throughout. It has been written anew as UTF-8, with every name kept.</source>
        <translation>La lista de jugadores «%1» no estaba escrita entera en UTF-8. Se ha vuelto a escribir en UTF-8, conservando todos los nombres.</translation>
    </message>
</context>
<context>
    <name>staverly::progressFrm</name>
    <message>
        <source>Treble</source>
        <translation>clave de sol</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>clave de fa</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Choose whose progress to see</source>
        <translation>Elige de quién quieres ver el progreso</translation>
    </message>
    <message>
        <source>By day</source>
        <translation>Por días</translation>
    </message>
    <message>
        <source>By week</source>
        <translation>Por semanas</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Jugador:</translation>
    </message>
    <message>
        <source>&amp;Lessons:</source>
        <translation>&amp;Lecciones:</translation>
    </message>
    <message>
        <source>Notes on the keyboard</source>
        <translation>Notas en el teclado</translation>
    </message>
    <message>
        <source>&amp;Treble Clef</source>
        <translation>Clave de &amp;sol</translation>
    </message>
    <message>
        <source>&amp;Bass Clef</source>
        <translation>Clave de &amp;fa</translation>
    </message>
    <message>
        <source>&amp;Wrong answers</source>
        <translation>F&amp;allos</translation>
    </message>
    <message>
        <source>Answer t&amp;ime</source>
        <translation>&amp;Tiempo de respuesta</translation>
    </message>
    <message>
        <source>Most &amp;confused notes:</source>
        <translation>&amp;Notas más confundidas:</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportar CSV...</translation>
    </message>
    <message>
        <source>Save every answer of this player for a spreadsheet</source>
        <translation>Guarda todas las respuestas de este jugador para una hoja de cálculo</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>the letter %1</source>
        <translation>la letra %1</translation>
    </message>
    <message>
        <source>%1 (%2) answered as %3: %4 time</source>
        <translation>%1 (%2) respondida como %3: %4 vez</translation>
    </message>
    <message>
        <source>%1 (%2) answered as %3: %4 times</source>
        <translation>%1 (%2) respondida como %3: %4 veces</translation>
    </message>
    <message>
        <source>No note answered wrong yet.</source>
        <translation>Todavía no hay ninguna nota fallada.</translation>
    </message>
    <message>
        <source>%1: score and median answer time</source>
        <translation>%1: puntuación y mediana del tiempo de respuesta</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Score %</source>
        <translation>Puntuación %</translation>
    </message>
    <message>
        <source>Median time (s)</source>
        <translation>Mediana del tiempo (s)</translation>
    </message>
    <message>
        <source>Treble score</source>
        <translation>Puntuación en clave de sol</translation>
    </message>
    <message>
        <source>Bass score</source>
        <translation>Puntuación en clave de fa</translation>
    </message>
    <message>
        <source>Treble time</source>
        <translation>Tiempo en clave de sol</translation>
    </message>
    <message>
        <source>Bass time</source>
        <translation>Tiempo en clave de fa</translation>
    </message>
    <message>
        <source>%1: no answers kept yet</source>
        <translation>%1: todavía no hay respuestas guardadas</translation>
    </message>
    <message>
        <source>Export Answers As...</source>
        <translation>Exportar respuestas como...</translation>
    </message>
    <message>
        <source>The answers could not be saved as &quot;%1&quot;: %2</source>
        <translation>No se han podido guardar las respuestas como «%1»: %2</translation>
    </message>
</context>
<context>
    <name>staverly::setupFrm</name>
    <message>
        <source>Lesson Setup</source>
        <translation>Ajustes de la lección</translation>
    </message>
    <message>
        <source>Player&apos;s Name</source>
        <translation>Nombre del jugador</translation>
    </message>
    <message>
        <source>Current Player&apos;s Name</source>
        <translation>Nombre del jugador actual</translation>
    </message>
    <message>
        <source>Click here to change player</source>
        <translation>Haz clic aquí para cambiar de jugador</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>Save &amp;Grades</source>
        <translation>Guardar &amp;resultados</translation>
    </message>
    <message>
        <source>Check here to enable auto grade saving</source>
        <translation>Marca aquí para guardar los resultados automáticamente</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Select here for Treble Clef.</source>
        <translation>Elige aquí la clave de sol.</translation>
    </message>
    <message>
        <source>&amp;Treble Clef</source>
        <translation>Clave de &amp;sol</translation>
    </message>
    <message>
        <source>Select here for Bass Clef</source>
        <translation>Elige aquí la clave de fa</translation>
    </message>
    <message>
        <source>&amp;Bass Clef</source>
        <translation>Clave de &amp;fa</translation>
    </message>
    <message>
        <source>Use &amp;Chromatics</source>
        <translation>Usar notas &amp;cromáticas</translation>
    </message>
    <message>
        <source>Check here to include chromatic notes</source>
        <translation>Marca aquí para incluir las notas cromáticas</translation>
    </message>
    <message>
        <source>Optional Use Letter Keys Too!</source>
        <translation>¡También puedes responder con el teclado del ordenador!</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Preguntas</translation>
    </message>
    <message>
        <source>Select the number of questions for a lesson</source>
        <translation>Elige el número de preguntas de cada lección</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Temporizador</translation>
    </message>
    <message>
        <source>Use &amp;Timer</source>
        <translation>Usar &amp;temporizador</translation>
    </message>
    <message>
        <source>Check here to enable Timer</source>
        <translation>Marca aquí para activar el temporizador</translation>
    </message>
    <message>
        <source>Time To:</source>
        <translation>Tiempo límite:</translation>
    </message>
    <message>
        <source>Slide here to adjust lesson timer.</source>
        <translation>Desliza aquí para ajustar el temporizador de la lección.</translation>
    </message>
    <message>
        <source>Seconds to answer</source>
        <translation>Segundos para responder</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>Enable Clues</source>
        <translation>Activar pistas</translation>
    </message>
    <message>
        <source>Check here to enable clues</source>
        <translation>Marca aquí para activar las pistas</translation>
    </message>
    <message>
        <source>Use Sound Effects</source>
        <translation>Usar efectos de sonido</translation>
    </message>
    <message>
        <source>Check here to enable sound effects</source>
        <translation>Marca aquí para activar los efectos de sonido</translation>
    </message>
    <message>
        <source>Practise &amp;weak notes</source>
        <translation>Repasar notas &amp;difíciles</translation>
    </message>
    <message>
        <source>Check here to be asked the notes you miss more often</source>
        <translation>Marca aquí para que te pregunten más a menudo las notas que fallas</translation>
    </message>
    <message>
        <source>&amp;Show On Startup</source>
        <translation>&amp;Mostrar al iniciar</translation>
    </message>
    <message>
        <source> &amp;OK</source>
        <translation> &amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>staverly::testFrm</name>
    <message>
        <source>Test Maker</source>
        <translation>Creador de fichas</translation>
    </message>
    <message>
        <source>This featur will help you to make a printable HTML note test based on the current range and clef selected.</source>
        <translation>Esta herramienta te ayuda a crear una ficha de notas en HTML para imprimir, con la clave y el rango elegidos ahora.</translation>
    </message>
    <message>
        <source>Test Setup</source>
        <translation>Ajustes de la ficha</translation>
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
        <translation>&amp;Hoja de soluciones</translation>
    </message>
    <message>
        <source>Check here to save an answer key with the test.</source>
        <translation>Marca aquí para guardar una hoja de soluciones con la ficha.</translation>
    </message>
    <message>
        <source>Questions:</source>
        <translation>Preguntas:</translation>
    </message>
    <message>
        <source>Enter the number of test questions.</source>
        <translation>Escribe el número de preguntas de la ficha.</translation>
    </message>
    <message>
        <source>&amp;Make Test...</source>
        <translation>C&amp;rear ficha...</translation>
    </message>
    <message>
        <source>Click here to make and save note test.</source>
        <translation>Haz clic aquí para crear y guardar la ficha de notas.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Save Note Test As...</source>
        <translation>Guardar ficha de notas como...</translation>
    </message>
    <message>
        <source>The note test could not be saved as &quot;%1&quot;: %2</source>
        <translation>No se ha podido guardar la ficha de notas como «%1»: %2</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Quieres sustituirlo?</translation>
    </message>
    <message>
        <source>The note test was saved, but its answer key could not be saved as &quot;%1&quot;: %2</source>
        <translation>La ficha de notas se ha guardado, pero su hoja de soluciones no se ha podido guardar como «%1»: %2</translation>
    </message>
</context>
</TS>
