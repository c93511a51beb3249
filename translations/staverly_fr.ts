<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AccessibleTexts</name>
    <message>
        <source>Middle C, %1</source>
        <translation>Do central, %1</translation>
    </message>
    <message>
        <source>Right answers: %1</source>
        <translation>Bonnes réponses : %1</translation>
    </message>
    <message>
        <source>Wrong answers: %1</source>
        <translation>Mauvaises réponses : %1</translation>
    </message>
    <message>
        <source>Score: %1 percent</source>
        <translation>Réussite : %1 pour cent</translation>
    </message>
    <message>
        <source>Time: %1 seconds</source>
        <translation>Temps : %1 secondes</translation>
    </message>
    <message>
        <source>Lowest note</source>
        <translation>Note la plus grave</translation>
    </message>
    <message>
        <source>Highest note</source>
        <translation>Note la plus aiguë</translation>
    </message>
    <message>
        <source>Lowest note: %1</source>
        <translation>Note la plus grave : %1</translation>
    </message>
    <message>
        <source>Highest note: %1</source>
        <translation>Note la plus aiguë : %1</translation>
    </message>
    <message>
        <source>Treble staff</source>
        <translation>Portée en clé de sol</translation>
    </message>
    <message>
        <source>Bass staff</source>
        <translation>Portée en clé de fa</translation>
    </message>
    <message>
        <source>%1, a note to name</source>
        <translation>%1, une note à nommer</translation>
    </message>
    <message>
        <source>%1, the note %2</source>
        <translation>%1, la note %2</translation>
    </message>
    <message>
        <source>No question yet</source>
        <translation>Pas encore de question</translation>
    </message>
    <message>
        <source>Question %1 of %2</source>
        <translation>Question %1 sur %2</translation>
    </message>
    <message>
        <source>No lesson running</source>
        <translation>Aucune leçon en cours</translation>
    </message>
</context>
<context>
    <name>AnswerKeySheet</name>
    <message>
        <source>Answer key for %1</source>
        <translation>Corrigé : %1</translation>
    </message>
</context>
<context>
    <name>AudioEngine</name>
    <message>
        <source>No audio output could be opened.
%1</source>
        <translation>Aucune sortie audio n’a pu être ouverte.
%1</translation>
    </message>
    <message>
        <source>The sound output has gone away; Staverly tries again.</source>
        <translation>La sortie audio a disparu ; Staverly essaie de nouveau.</translation>
    </message>
</context>
<context>
    <name>BuiltinSynth</name>
    <message>
        <source>The built-in synthesizer found no SoundFont to play with (looked for %1). Install a General MIDI SoundFont, such as the package timgm6mb-soundfont.</source>
        <translation>Le synthétiseur intégré n’a trouvé aucune SoundFont pour jouer (cherchée dans : %1). Installe une SoundFont General MIDI, par exemple le paquet timgm6mb-soundfont.</translation>
    </message>
    <message>
        <source>The built-in synthesizer has no audio output.
%1</source>
        <translation>Le synthétiseur intégré n’a pas de sortie audio.
%1</translation>
    </message>
    <message>
        <source>The built-in synthesizer could not load the SoundFont %1.</source>
        <translation>Le synthétiseur intégré n’a pas pu charger la SoundFont %1.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Staverly teaches pupils to read notes on the staff and to find them on a piano keyboard.

Pictures and help:          %1
Player list and grade log:  %2
Settings:                   %3</source>
        <translation>Staverly apprend aux élèves à lire les notes sur la portée et à les trouver sur le clavier d’un piano.

Images et aide :                   %1
Joueurs et journal des résultats : %2
Réglages :                         %3</translation>
    </message>
    <message>
        <source>Displays this help and exits.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
</context>
<context>
    <name>ControlHost</name>
    <message>
        <source>The control class %1 has no property &quot;%2&quot;.</source>
        <translation>La classe de contrôle %1 n’a pas de propriété « %2 ».</translation>
    </message>
    <message>
        <source>%1: not a control library (%2)</source>
        <translation>%1 : pas une bibliothèque de contrôles (%2)</translation>
    </message>
    <message>
        <source>%1: a plugin of another kind (%2)</source>
        <translation>%1 : un greffon d’un autre type (%2)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is already made by %3</source>
        <translation>%1 : « %2 » est déjà fourni par %3</translation>
    </message>
    <message>
        <source>Cannot create the control &quot;%1&quot;: the control folder &quot;%2&quot; does not exist.</source>
        <translation>Impossible de créer le contrôle « %1 » : le dossier des contrôles « %2 » n’existe pas.</translation>
    </message>
    <message>
        <source>Cannot create the control &quot;%1&quot;: no control library in &quot;%2&quot; makes it.</source>
        <translation>Impossible de créer le contrôle « %1 » : aucune bibliothèque de contrôles de « %2 » ne le fournit.</translation>
    </message>
    <message>
        <source> Files that could not be used: %1.</source>
        <translation> Fichiers inutilisables : %1.</translation>
    </message>
    <message>
        <source>Cannot create the control &quot;%1&quot;: the control library &quot;%2&quot; did not create it%3.</source>
        <translation>Impossible de créer le contrôle « %1 » : la bibliothèque de contrôles « %2 » ne l’a pas créé%3.</translation>
    </message>
    <message>
        <source>No control to set &quot;%1&quot; on.</source>
        <translation>Aucun contrôle sur lequel régler « %1 ».</translation>
    </message>
    <message>
        <source>The property &quot;%1&quot; of %2 is read-only.</source>
        <translation>La propriété « %1 » de %2 est en lecture seule.</translation>
    </message>
    <message>
        <source>The property &quot;%1&quot; of %2 cannot take the value %3.</source>
        <translation>La propriété « %1 » de %2 ne peut pas prendre la valeur %3.</translation>
    </message>
    <message>
        <source>Setting &quot;%1&quot; failed: %2</source>
        <translation>Le réglage de « %1 » a échoué : %2</translation>
    </message>
    <message>
        <source>No control to read &quot;%1&quot; from.</source>
        <translation>Aucun contrôle où lire « %1 ».</translation>
    </message>
    <message>
        <source>Reading &quot;%1&quot; failed: %2</source>
        <translation>La lecture de « %1 » a échoué : %2</translation>
    </message>
    <message>
        <source>No control or handler for the event &quot;%1&quot;.</source>
        <translation>Aucun contrôle ni gestionnaire pour l’événement « %1 ».</translation>
    </message>
    <message>
        <source>The control class %1 has no event &quot;%2&quot;.</source>
        <translation>La classe de contrôle %1 n’a pas d’événement « %2 ».</translation>
    </message>
    <message>
        <source>%1 has no handler &quot;%2&quot;.</source>
        <translation>%1 n’a pas de gestionnaire « %2 ».</translation>
    </message>
    <message>
        <source>The handler %1 does not match the event %2.</source>
        <translation>Le gestionnaire %1 ne correspond pas à l’événement %2.</translation>
    </message>
    <message>
        <source>Cannot connect the event &quot;%1&quot; to %2.</source>
        <translation>Impossible de relier l’événement « %1 » à %2.</translation>
    </message>
</context>
<context>
    <name>Effects</name>
    <message>
        <source>Staverly - Sound Error</source>
        <translation>Staverly - Erreur de son</translation>
    </message>
    <message>
        <source>Staverly- Browser Error</source>
        <translation>Staverly - Erreur de navigateur</translation>
    </message>
    <message>
        <source>Resource not found: sound %1.</source>
        <translation>Ressource introuvable : son %1.</translation>
    </message>
    <message>
        <source>

The lessons go on without sound effects.</source>
        <translation>

Les leçons continuent sans effets sonores.</translation>
    </message>
    <message>
        <source>Nothing to open.</source>
        <translation>Rien à ouvrir.</translation>
    </message>
</context>
<context>
    <name>FeedbackWords</name>
    <message>
        <source>Wonderful</source>
        <translation>Merveilleux</translation>
    </message>
    <message>
        <source>Terrific</source>
        <translation>Formidable</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Excellent</translation>
    </message>
    <message>
        <source>Spectacular</source>
        <translation>Spectaculaire</translation>
    </message>
    <message>
        <source>Fantastic</source>
        <translation>Fantastique</translation>
    </message>
    <message>
        <source>Stupendous</source>
        <translation>Prodigieux</translation>
    </message>
    <message>
        <source>Brilliant</source>
        <translation>Bravo</translation>
    </message>
    <message>
        <source>Great</source>
        <translation>Génial</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Bien</translation>
    </message>
    <message>
        <source>Alright</source>
        <translation>Bien joué</translation>
    </message>
    <message>
        <source>The best!</source>
        <translation>Au top !</translation>
    </message>
    <message>
        <source>Your Cool!</source>
        <translation>Tu assures !</translation>
    </message>
    <message>
        <source>Wow!</source>
        <translation>Waouh !</translation>
    </message>
    <message>
        <source>Smart Kid!</source>
        <translation>Petit génie !</translation>
    </message>
    <message>
        <source>Amazing!</source>
        <translation>Incroyable !</translation>
    </message>
    <message>
        <source>Genious!</source>
        <translation>Quel génie !</translation>
    </message>
    <message>
        <source>Your a Virtuolo!</source>
        <translation>Quel virtuose !</translation>
    </message>
    <message>
        <source>Your Hot!</source>
        <translation>Tu es en feu !</translation>
    </message>
    <message>
        <source>Perfect!</source>
        <translation>Parfait !</translation>
    </message>
    <message>
        <source>Great!</source>
        <translation>Super !</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Raté</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Perdu</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Incorrect</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Faux</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Inexact</translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>-1</source>
        <translation>-1</translation>
    </message>
    <message>
        <source>Wake up!</source>
        <translation>Réveille-toi !</translation>
    </message>
    <message>
        <source>Come on!</source>
        <translation>Allez !</translation>
    </message>
    <message>
        <source>Try Harder!</source>
        <translation>Concentre-toi !</translation>
    </message>
    <message>
        <source>Think!</source>
        <translation>Réfléchis !</translation>
    </message>
    <message>
        <source>Next Time!</source>
        <translation>La prochaine fois !</translation>
    </message>
    <message>
        <source>No Good!</source>
        <translation>Pas bon !</translation>
    </message>
    <message>
        <source>Almost!</source>
        <translation>Presque !</translation>
    </message>
    <message>
        <source>Keep Trying!</source>
        <translation>N’abandonne pas !</translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation>J’attends...</translation>
    </message>
    <message>
        <source>Boo!</source>
        <translation>Hou !</translation>
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
        <translation>Clé de sol</translation>
    </message>
    <message>
        <source>Base Clef</source>
        <translation>Clé de fa</translation>
    </message>
</context>
<context>
    <name>GradeReport</name>
    <message>
        <source>Staverly Grade Report</source>
        <translation>Relevé des résultats Staverly</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Lesson</source>
        <translation>Leçon</translation>
    </message>
    <message>
        <source>Yes </source>
        <translation>Oui </translation>
    </message>
    <message>
        <source>No </source>
        <translation>Non </translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Réussite</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>JackInput</name>
    <message>
        <source>No JACK server is running, so Staverly cannot hear a microphone; start JACK or answer on the keyboard.</source>
        <translation>Aucun serveur JACK ne tourne, Staverly ne peut donc pas entendre de micro ; lance JACK ou réponds sur le clavier.</translation>
    </message>
    <message>
        <source>The JACK server has stopped; Staverly listens again as soon as it is back.</source>
        <translation>Le serveur JACK s’est arrêté ; Staverly écoutera de nouveau dès son retour.</translation>
    </message>
    <message>
        <source>JACK offers no microphone input; plug one in and Staverly listens at once.</source>
        <translation>JACK ne propose aucune entrée micro ; branche un micro et Staverly écoutera aussitôt.</translation>
    </message>
    <message>
        <source>The input “%1” is unplugged or switched off; Staverly listens again as soon as it is back.</source>
        <translation>L’entrée « %1 » est débranchée ou éteinte ; Staverly écoutera de nouveau dès son retour.</translation>
    </message>
</context>
<context>
    <name>JackOutput</name>
    <message>
        <source>no JACK server is running</source>
        <translation>aucun serveur JACK ne tourne</translation>
    </message>
    <message>
        <source>the JACK server refused the program&apos;s ports</source>
        <translation>le serveur JACK a refusé les ports du programme</translation>
    </message>
</context>
<context>
    <name>LessonFace</name>
    <message>
        <source>The lesson&apos;s grade could not be added to &quot;%1&quot;: %2. Lessons go on, but are not kept until this is put right.</source>
        <translation>Le résultat de la leçon n’a pas pu être ajouté à « %1 » : %2. Les leçons continuent, mais ne sont pas enregistrées tant que ce problème n’est pas réglé.</translation>
    </message>
    <message>
        <source>Staverly - Grades Error</source>
        <translation>Staverly - Erreur des résultats</translation>
    </message>
    <message>
        <source>The grade log &quot;%1&quot; was not written as UTF-8 throughout. It has been written anew as UTF-8, with every lesson kept.</source>
        <translation>Le journal des résultats « %1 » n’était pas entièrement en UTF-8. Il a été réécrit en UTF-8, sans perdre aucune leçon.</translation>
    </message>
    <message>
        <source>Staverly - Grades</source>
        <translation>Staverly - Résultats</translation>
    </message>
</context>
<context>
    <name>MainLabels</name>
    <message>
        <source>Player *.*</source>
        <translation>Joueur *.*</translation>
    </message>
    <message>
        <source>Click here to change current player.</source>
        <translation>Clique ici pour changer de joueur.</translation>
    </message>
    <message>
        <source>Click on the New button...</source>
        <translation>Clique sur le bouton Nouvelle leçon...</translation>
    </message>
</context>
<context>
    <name>MidiError</name>
    <message>
        <source>1 MIDI input</source>
        <translation>1 entrée MIDI</translation>
    </message>
    <message>
        <source>%1 MIDI inputs</source>
        <translation>%1 entrées MIDI</translation>
    </message>
    <message>
        <source>1 MIDI output</source>
        <translation>1 sortie MIDI</translation>
    </message>
    <message>
        <source>%1 MIDI outputs</source>
        <translation>%1 sorties MIDI</translation>
    </message>
    <message>
        <source>The MIDI input chosen before (entry %1 of the list) is not connected; this computer lists %2.</source>
        <translation>L’entrée MIDI choisie la dernière fois (position %1 dans la liste) n’est pas connectée ; cet ordinateur a %2.</translation>
    </message>
    <message>
        <source>The MIDI output chosen before (entry %1 of the list) is not connected; this computer lists %2.</source>
        <translation>La sortie MIDI choisie la dernière fois (position %1 dans la liste) n’est pas connectée ; cet ordinateur a %2.</translation>
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
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>%1 sharp %2</source>
        <translation>%1 dièse %2</translation>
    </message>
    <message>
        <source>the letters a to g</source>
        <translation>les lettres a à g</translation>
    </message>
    <message>
        <source>the letters a, c to h (h for H)</source>
        <translation>les lettres a, c à h (h pour H)</translation>
    </message>
    <message>
        <source>the digits 1 to 7 (1 for Do) or the letters a to g</source>
        <translation>les chiffres 1 à 7 (1 pour Do) ou les lettres a à g</translation>
    </message>
</context>
<context>
    <name>NoteRange</name>
    <message>
        <source>The low note range must be 1 less then the high note!</source>
        <translation>La note basse doit rester au moins une touche en dessous de la note haute !</translation>
    </message>
    <message>
        <source>The high note range must be 1 greater then the low note!</source>
        <translation>La note haute doit rester au moins une touche au-dessus de la note basse !</translation>
    </message>
</context>
<context>
    <name>NoteTestSheet</name>
    <message>
        <source>What is this note? _______</source>
        <translation>Quelle est cette note ? _______</translation>
    </message>
    <message>
        <source>Color in this note on the piano.</source>
        <translation>Colorie cette note sur le clavier.</translation>
    </message>
    <message>
        <source>Brought to you by Pellworth %1...</source>
        <translation>Proposé par Pellworth %1...</translation>
    </message>
</context>
<context>
    <name>NullInput</name>
    <message>
        <source>Staverly finds no sound server to hear a microphone through; start PulseAudio or JACK, or answer on the keyboard.</source>
        <translation>Staverly ne trouve aucun serveur de son par lequel entendre un micro ; lance PulseAudio ou JACK, ou réponds sur le clavier.</translation>
    </message>
</context>
<context>
    <name>NullMidiBackend</name>
    <message>
        <source>The MIDI input &quot;%1&quot; is not available: this system has no MIDI.</source>
        <translation>L’entrée MIDI « %1 » n’est pas disponible : ce système n’a pas de MIDI.</translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; is not available: this system has no MIDI.</source>
        <translation>La sortie MIDI « %1 » n’est pas disponible : ce système n’a pas de MIDI.</translation>
    </message>
</context>
<context>
    <name>OldPupilFiles</name>
    <message>
        <source>Moved from the build folder %2 to %3: %1. The program keeps the pupils&apos; files there from now on; a rebuild or a clean of the build folder no longer takes them.</source>
        <translation>Fichiers déplacés du dossier de compilation %2 vers %3 : %1. Le programme y garde désormais les fichiers des élèves ; une nouvelle compilation ou un nettoyage du dossier de compilation ne les emporte plus.</translation>
    </message>
    <message>
        <source>Left in %2: %1. %3 already holds a file of that name, or it could not be written; nothing was replaced.</source>
        <translation>Fichiers restés dans %2 : %1. %3 contient déjà un fichier de ce nom, ou on ne peut pas y écrire ; rien n’a été remplacé.</translation>
    </message>
    <message>
        <source>Staverly - Pupils&apos; Files</source>
        <translation>Staverly - Fichiers des élèves</translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <translation>%1 sous le nom %2</translation>
    </message>
    <message>
        <source>Moved from the build folder %2 to %3 under another name, since %3 already holds one of the same name that stays in use: %1. Nothing was replaced.</source>
        <translation>Fichiers déplacés sous un autre nom du dossier de compilation %2 vers %3, car %3 en contient déjà un du même nom, qui reste en usage : %1. Rien n’a été remplacé.</translation>
    </message>
</context>
<context>
    <name>PulseInput</name>
    <message>
        <source>No sound server answers, so Staverly cannot hear a microphone; answer on the keyboard instead.</source>
        <translation>Aucun serveur de son ne répond, Staverly ne peut donc pas entendre de micro ; réponds plutôt sur le clavier.</translation>
    </message>
    <message>
        <source>The sound server has stopped; Staverly listens again as soon as it is back.</source>
        <translation>Le serveur de son s’est arrêté ; Staverly écoutera de nouveau dès son retour.</translation>
    </message>
    <message>
        <source>Staverly finds no microphone; plug one in and Staverly listens at once.</source>
        <translation>Staverly ne trouve aucun micro ; branche un micro et Staverly écoutera aussitôt.</translation>
    </message>
    <message>
        <source>The microphone “%1” is unplugged or switched off; Staverly listens again as soon as it is back.</source>
        <translation>Le micro « %1 » est débranché ou éteint ; Staverly écoutera de nouveau dès son retour.</translation>
    </message>
</context>
<context>
    <name>PulseOutput</name>
    <message>
        <source>no PulseAudio server answers</source>
        <translation>aucun serveur PulseAudio ne répond</translation>
    </message>
    <message>
        <source>the PulseAudio server refused the stream</source>
        <translation>le serveur PulseAudio a refusé le flux</translation>
    </message>
</context>
<context>
    <name>QtDesktop</name>
    <message>
        <source>Print Setup</source>
        <translation>Configuration de l’impression</translation>
    </message>
    <message>
        <source>No printer is set up on this computer.</source>
        <translation>Aucune imprimante n’est configurée sur cet ordinateur.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be started.</source>
        <translation>L’imprimante « %1 » n’a pas pu démarrer.</translation>
    </message>
    <message>
        <source>The sound is not an uncompressed PCM wave.</source>
        <translation>Le son n’est pas un fichier WAV PCM non compressé.</translation>
    </message>
</context>
<context>
    <name>RtMidiBackend</name>
    <message>
        <source>The MIDI input &quot;%1&quot; is not connected.</source>
        <translation>L’entrée MIDI « %1 » n’est pas connectée.</translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; is not connected.</source>
        <translation>La sortie MIDI « %1 » n’est pas connectée.</translation>
    </message>
</context>
<context>
    <name>RtMidiSink</name>
    <message>
        <source>The MIDI output &quot;%1&quot; could not be opened: %2</source>
        <translation>La sortie MIDI « %1 » n’a pas pu être ouverte : %2</translation>
    </message>
    <message>
        <source>A message to the MIDI output &quot;%1&quot; failed: %2</source>
        <translation>Un message vers la sortie MIDI « %1 » a échoué : %2</translation>
    </message>
</context>
<context>
    <name>RtMidiSource</name>
    <message>
        <source>The MIDI input &quot;%1&quot; could not be opened: %2</source>
        <translation>L’entrée MIDI « %1 » n’a pas pu être ouverte : %2</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>SettingsReader</name>
    <message>
        <source>%1 was &quot;%2&quot;, now %3</source>
        <translation>%1 valait « %2 », remis à %3</translation>
    </message>
    <message>
        <source>Some settings could not be used and were set back to their defaults:
</source>
        <translation>Certains réglages étaient inutilisables et ont été remis à leur valeur de départ :
</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Staverly cannot save its settings in &quot;%1&quot;: %2. Changes made now last only until Staverly is closed.</source>
        <translation>Staverly ne peut pas enregistrer ses réglages dans « %1 » : %2. Les changements faits maintenant ne dureront que jusqu’à la fermeture de Staverly.</translation>
    </message>
    <message>
        <source>the disk may be full</source>
        <translation>le disque est peut-être plein</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>son dossier n’est pas accessible en écriture</translation>
    </message>
</context>
<context>
    <name>SoundFontSearch</name>
    <message>
        <source>nowhere</source>
        <translation>aucun emplacement</translation>
    </message>
</context>
<context>
    <name>staverly::AnswerHistory</name>
    <message>
        <source>%1, so answers are kept only until Staverly closes.</source>
        <translation>%1 ; les réponses ne sont donc gardées que jusqu’à la fermeture de Staverly.</translation>
    </message>
    <message>
        <source>%1. Answers are kept meanwhile and written to it once it can be written again; until then they last only until Staverly closes.</source>
        <translation>%1. Les réponses sont gardées en attendant et y seront écrites dès que ce sera de nouveau possible ; d’ici là, elles ne sont gardées que jusqu’à la fermeture de Staverly.</translation>
    </message>
    <message>
        <source>The folder of the answer history %1 cannot be made</source>
        <translation>Le dossier de l’historique des réponses %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>The answer history %1 is read-only</source>
        <translation>L’historique des réponses %1 est en lecture seule</translation>
    </message>
    <message>
        <source>The answer history %1 is locked by another program</source>
        <translation>L’historique des réponses %1 est bloqué par un autre programme</translation>
    </message>
    <message>
        <source>The answer history %1 is damaged and cannot be moved aside</source>
        <translation>L’historique des réponses %1 est endommagé et ne peut pas être mis de côté</translation>
    </message>
    <message>
        <source>The answer history %1 was written by a newer Staverly</source>
        <translation>L’historique des réponses %1 a été écrit par une version plus récente de Staverly</translation>
    </message>
    <message>
        <source>The answer history %1 cannot be used (%2)</source>
        <translation>L’historique des réponses %1 est inutilisable (%2)</translation>
    </message>
    <message>
        <source>The answer history %1 was damaged; it was moved to %2 and a new one started.</source>
        <translation>L’historique des réponses %1 était endommagé ; il a été déplacé vers %2 et un nouvel historique a été commencé.</translation>
    </message>
    <message>
        <source>History started anew</source>
        <translation>Historique recommencé</translation>
    </message>
    <message>
        <source>Answers waiting</source>
        <translation>Réponses en attente</translation>
    </message>
    <message>
        <source>Answers not kept</source>
        <translation>Réponses non gardées</translation>
    </message>
</context>
<context>
    <name>staverly::LessonEngine</name>
    <message>
        <source>This lesson is complete! You have answered %1 questions!
If you would like to start a new lesson then click on the Yes button.
If you would like to continue with the current lesson then click No.
To pause lesson, click Cancel.</source>
        <translation>La leçon est terminée ! Tu as répondu à %1 questions !
Pour commencer une nouvelle leçon, clique sur Oui.
Pour continuer la leçon en cours, clique sur Non.
Pour faire une pause, clique sur Annuler.</translation>
    </message>
    <message>
        <source>Lesson Over Notification</source>
        <translation>Fin de la leçon</translation>
    </message>
    <message>
        <source>Click New to start!</source>
        <translation>Clique sur Nouvelle leçon !</translation>
    </message>
    <message>
        <source>Please adjust the sliders properly.  The top slider must be at least 1 hight then the bottem slider.</source>
        <translation>Règle correctement les curseurs : le curseur du haut doit être au moins une touche plus à droite que celui du bas.</translation>
    </message>
    <message>
        <source>Slider Error!</source>
        <translation>Erreur de curseurs !</translation>
    </message>
    <message>
        <source>Too Low</source>
        <translation>Trop bas</translation>
    </message>
    <message>
        <source>Too High</source>
        <translation>Trop haut</translation>
    </message>
    <message>
        <source>Over Time!</source>
        <translation>Temps écoulé !</translation>
    </message>
    <message>
        <source>Click on the New button...</source>
        <translation>Clique sur le bouton Nouvelle leçon...</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Heard by a screen reader after a right answer: the note, the praise word.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Clue: %1</source>
        <extracomment>Heard by a screen reader when a clue shows the note.</extracomment>
        <translation>Indice : %1</translation>
    </message>
    <message>
        <source>Not %1</source>
        <extracomment>Heard by a screen reader after a wrong letter: the note it names.</extracomment>
        <translation>Ce n’est pas %1</translation>
    </message>
</context>
<context>
    <name>staverly::MIDIInput</name>
    <message>
        <source>%1 MIDI messages were lost: the input queue was full.</source>
        <translation>%1 messages MIDI ont été perdus : la file d’entrée était pleine.</translation>
    </message>
</context>
<context>
    <name>staverly::MIDIOutput</name>
    <message>
        <source>This system has no default MIDI output.</source>
        <translation>Ce système n’a pas de sortie MIDI par défaut.</translation>
    </message>
    <message>
        <source>%1 does not start a short MIDI message.</source>
        <translation>%1 ne commence pas un message MIDI court.</translation>
    </message>
</context>
<context>
    <name>staverly::MainBackground</name>
    <message>
        <source>Right</source>
        <translation>Justes</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Fausses</translation>
    </message>
    <message>
        <source>Score %</source>
        <translation>Réussite %</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
</context>
<context>
    <name>staverly::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Lesson</source>
        <translation>&amp;Nouvelle leçon</translation>
    </message>
    <message>
        <source>&amp;Treble Clef</source>
        <translation>Clé de &amp;sol</translation>
    </message>
    <message>
        <source>&amp;Base Clef</source>
        <translation>Clé de &amp;fa</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Print Set&amp;up...</source>
        <translation>&amp;Configuration de l’impression...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Lesson Setup...</source>
        <translation>Réglages de la &amp;leçon...</translation>
    </message>
    <message>
        <source>&amp;Midi Setup...</source>
        <translation>Réglages &amp;MIDI...</translation>
    </message>
    <message>
        <source>Players...</source>
        <translation>Joueurs...</translation>
    </message>
    <message>
        <source>&amp;Test Maker...</source>
        <translation>Générateur de &amp;tests...</translation>
    </message>
    <message>
        <source>&amp;Grades...</source>
        <translation>&amp;Résultats...</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation>&amp;Progrès...</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>%1&apos;s Music on %2...</source>
        <translation>La musique de %1 sur %2...</translation>
    </message>
    <message>
        <source>Staverly Updates...</source>
        <translation>Mises à jour de Staverly...</translation>
    </message>
    <message>
        <source>Send Email To Me...</source>
        <translation>Écrire à l’auteur...</translation>
    </message>
    <message>
        <source>&amp;Help Using This Program...</source>
        <translation>&amp;Mode d’emploi...</translation>
    </message>
    <message>
        <source>&amp;About The Staverly...</source>
        <translation>À &amp;propos de Staverly...</translation>
    </message>
    <message>
        <source>Staverly stays at %1 %.</source>
        <translation>Staverly reste à %1 %.</translation>
    </message>
    <message>
        <source>Staverly shows its window at %1 % from its next start.</source>
        <translation>Staverly affichera sa fenêtre à %1 % à partir de son prochain démarrage.</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>Lan&amp;gue</translation>
    </message>
    <message>
        <source>Desktop&apos;s language</source>
        <translation>Langue du bureau</translation>
    </message>
    <message>
        <source>Staverly speaks the language chosen from its next start.</source>
        <translation>Staverly parlera la langue choisie à partir de son prochain démarrage.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Staverly - Print Error</source>
        <translation>Staverly - Erreur d’impression</translation>
    </message>
    <message>
        <source>Note &amp;Names</source>
        <translation>&amp;Noms des notes</translation>
    </message>
    <message>
        <source>As the language names them</source>
        <translation>Selon la langue</translation>
    </message>
    <message>
        <source>Letters: C D E F G A B</source>
        <translation>Lettres : C D E F G A B</translation>
    </message>
    <message>
        <source>German letters: C D E F G A H</source>
        <translation>Lettres allemandes : C D E F G A H</translation>
    </message>
    <message>
        <source>Solfège: Do Re Mi Fa Sol La Si</source>
        <translation>Solfège : Do Ré Mi Fa Sol La Si</translation>
    </message>
    <message>
        <source>Staverly names the notes this way from its next start.</source>
        <translation>Staverly nommera les notes de cette façon à partir de son prochain démarrage.</translation>
    </message>
    <message>
        <source>Note Names</source>
        <translation>Noms des notes</translation>
    </message>
    <message>
        <source>&amp;Question and Score</source>
        <translation>&amp;Point sur la leçon</translation>
    </message>
</context>
<context>
    <name>staverly::MicAnswers</name>
    <message>
        <source>Microphone</source>
        <translation>Microphone</translation>
    </message>
</context>
<context>
    <name>staverly::MicPanel</name>
    <message>
        <source>Listen to a Piano</source>
        <translation>Écouter un piano</translation>
    </message>
    <message>
        <source>Check here to answer by playing a real piano into the microphone</source>
        <translation>Coche ici pour répondre en jouant sur un vrai piano, entendu par le micro</translation>
    </message>
    <message>
        <source>&amp;Listen to a piano</source>
        <translation>Écouter un &amp;piano</translation>
    </message>
    <message>
        <source>How loud the microphone hears the room</source>
        <translation>Le niveau sonore que le micro entend dans la pièce</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Niveau du micro</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>Select the microphone that hears the piano</source>
        <translation>Choisis le micro qui entend le piano</translation>
    </message>
    <message>
        <source>Piano&apos;s A</source>
        <translation>La du piano</translation>
    </message>
    <message>
        <source>The pitch of the A above middle C on your piano</source>
        <translation>La hauteur du la au-dessus du do central sur ton piano</translation>
    </message>
    <message>
        <source> Hz</source>
        <translation> Hz</translation>
    </message>
    <message>
        <source>Click here, then play one A on your piano</source>
        <translation>Clique ici, puis joue un la sur ton piano</translation>
    </message>
    <message>
        <source>T&amp;une to my piano</source>
        <translation>&amp;Accorder sur mon piano</translation>
    </message>
    <message>
        <source>The desktop&apos;s default input</source>
        <translation>Entrée par défaut du bureau</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (non connecté)</translation>
    </message>
    <message>
        <source>Play one A on your piano now, and let it ring.</source>
        <translation>Joue maintenant un la sur ton piano, et laisse-le sonner.</translation>
    </message>
    <message>
        <source>No A was heard. Play one A, a little louder, and try again.</source>
        <translation>Aucun la entendu. Joue un la, un peu plus fort, et réessaie.</translation>
    </message>
    <message>
        <source>Tuned: your piano&apos;s A is %1 Hz.</source>
        <translation>Accordé : le la de ton piano est à %1 Hz.</translation>
    </message>
    <message>
        <source>Tuned:</source>
        <translation>Accordé :</translation>
    </message>
    <message>
        <source>No A was heard</source>
        <translation>Aucun la entendu</translation>
    </message>
    <message>
        <source>This computer has no sound input to listen to.</source>
        <translation>Cet ordinateur n’a aucune entrée son à écouter.</translation>
    </message>
    <message>
        <source>Place the microphone near the piano and tick the box; the bar moves when it hears the piano.</source>
        <translation>Place le micro près du piano et coche la case ; la barre bouge quand il entend le piano.</translation>
    </message>
    <message>
        <source>The microphone is too loud: turn its level down in the desktop&apos;s sound settings.</source>
        <translation>Le micro est trop fort : baisse son niveau dans les réglages de son du bureau.</translation>
    </message>
    <message>
        <source>The microphone hears nothing: check that it is plugged in, chosen above and not muted.</source>
        <translation>Le micro n’entend rien : vérifie qu’il est branché, choisi ci-dessus et non coupé.</translation>
    </message>
    <message>
        <source>Listening: play the key of each note to answer.</source>
        <translation>À l’écoute : joue la touche de chaque note pour répondre.</translation>
    </message>
</context>
<context>
    <name>staverly::MidiMod</name>
    <message>
        <source>Midi Output Error!</source>
        <translation>Erreur de sortie MIDI !</translation>
    </message>
    <message>
        <source>Choose a MIDI keyboard</source>
        <translation>Choisis un clavier MIDI</translation>
    </message>
    <message>
        <source> Choose one in MIDI Setup.</source>
        <translation> Fais ton choix dans les Réglages MIDI.</translation>
    </message>
    <message>
        <source>MIDI keyboard not connected</source>
        <translation>Clavier MIDI non connecté</translation>
    </message>
    <message>
        <source>The MIDI keyboard &quot;%1&quot; is not connected. Staverly uses it again as soon as it is back.</source>
        <translation>Le clavier MIDI « %1 » n’est pas connecté. Staverly l’utilisera de nouveau dès son retour.</translation>
    </message>
    <message>
        <source>Choose a MIDI output</source>
        <translation>Choisis une sortie MIDI</translation>
    </message>
    <message>
        <source>MIDI output not connected</source>
        <translation>Sortie MIDI non connectée</translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; is not connected. Staverly uses it again as soon as it is back.</source>
        <translation>La sortie MIDI « %1 » n’est pas connectée. Staverly l’utilisera de nouveau dès son retour.</translation>
    </message>
    <message>
        <source>Midi In Open Error!</source>
        <translation>Impossible d’ouvrir l’entrée MIDI !</translation>
    </message>
    <message>
        <source>Midi Out Error!</source>
        <translation>Erreur de sortie MIDI !</translation>
    </message>
    <message>
        <source>Midi In Open Device Error</source>
        <translation>Erreur d’ouverture de l’entrée MIDI</translation>
    </message>
    <message>
        <source>Midi Out Open Device Error</source>
        <translation>Erreur d’ouverture de la sortie MIDI</translation>
    </message>
    <message>
        <source>Sound: none, the sound server has gone</source>
        <translation>Son : aucun, le serveur de son a disparu</translation>
    </message>
    <message>
        <source>Sound: starting</source>
        <translation>Son : démarrage</translation>
    </message>
    <message>
        <source>Sound: %1, resting</source>
        <translation>Son : %1, au repos</translation>
    </message>
    <message>
        <source>Sound: %1, %2 ms</source>
        <translation>Son : %1, %2 ms</translation>
    </message>
    <message>
        <source>No sound output</source>
        <translation>Aucune sortie son</translation>
    </message>
    <message>
        <source>The connection from &quot;%1&quot; to Staverly was removed outside Staverly (in a patchbay, say). Press OK in MIDI Setup to connect it again.</source>
        <translation>La connexion de « %1 » vers Staverly a été supprimée en dehors de Staverly (dans une baie de connexions, par exemple). Appuie sur OK dans les Réglages MIDI pour la rétablir.</translation>
    </message>
    <message>
        <source>The connection from Staverly to &quot;%1&quot; was removed outside Staverly (in a patchbay, say). Press OK in MIDI Setup to connect it again.</source>
        <translation>La connexion de Staverly vers « %1 » a été supprimée en dehors de Staverly (dans une baie de connexions, par exemple). Appuie sur OK dans les Réglages MIDI pour la rétablir.</translation>
    </message>
    <message>
        <source>MIDI notes dropped</source>
        <translation>Notes MIDI perdues</translation>
    </message>
    <message>
        <source>%1 MIDI notes came faster than they could be judged and were dropped.</source>
        <translation>%1 notes MIDI sont arrivées plus vite que Staverly ne pouvait les juger et ont été perdues.</translation>
    </message>
    <message>
        <source>Odd MIDI input ignored</source>
        <translation>Message MIDI étrange ignoré</translation>
    </message>
    <message>
        <source>1 malformed MIDI message ignored.</source>
        <translation>1 message MIDI mal formé ignoré.</translation>
    </message>
    <message>
        <source>%1 malformed MIDI messages ignored.</source>
        <translation>%1 messages MIDI mal formés ignorés.</translation>
    </message>
    <message>
        <source>MIDI disconnected elsewhere</source>
        <translation>Connexion MIDI coupée par un autre programme</translation>
    </message>
    <message>
        <source>MIDI output not answering</source>
        <translation>La sortie MIDI ne répond pas</translation>
    </message>
</context>
<context>
    <name>staverly::PianoEar</name>
    <message>
        <source>No microphone can be listened to on this computer.</source>
        <translation>Aucun micro ne peut être écouté sur cet ordinateur.</translation>
    </message>
    <message>
        <source>The microphone could not be opened.</source>
        <translation>Le micro n’a pas pu être ouvert.</translation>
    </message>
</context>
<context>
    <name>staverly::PictureBox</name>
    <message>
        <source>The staff picture is missing or cannot be read:
%1

Play on: the note still sounds, and its name shows as a clue.</source>
        <translation>L’image de la portée manque ou est illisible :
%1

Continue à jouer : la note sonne toujours, et son nom s’affiche comme indice.</translation>
    </message>
</context>
<context>
    <name>staverly::RangeSliders</name>
    <message>
        <source>Low Note</source>
        <translation>Note basse</translation>
    </message>
    <message>
        <source>High Note</source>
        <translation>Note haute</translation>
    </message>
    <message>
        <source>Note Range Error!</source>
        <translation>Erreur d’étendue !</translation>
    </message>
</context>
<context>
    <name>staverly::WeakNoteMap</name>
    <message>
        <source>Keys by wrong answers</source>
        <translation>Touches selon les mauvaises réponses</translation>
    </message>
    <message>
        <source>Keys by answer time</source>
        <translation>Touches selon le temps de réponse</translation>
    </message>
    <message>
        <source>No note asked yet.</source>
        <translation>Aucune note demandée pour l’instant.</translation>
    </message>
    <message>
        <source>Weakest first: </source>
        <translation>Les plus fragiles d’abord : </translation>
    </message>
    <message>
        <source>%1: not asked yet</source>
        <translation>%1 : pas encore demandée</translation>
    </message>
    <message>
        <source>%1: %2 answers, %3 wrong (%4 %), median %5 s</source>
        <translation>%1 : %2 réponses, %3 fausses (%4 %), médiane %5 s</translation>
    </message>
</context>
<context>
    <name>staverly::aboutFrm</name>
    <message>
        <source>Last Updated 8/7/2000</source>
        <translation>Dernière mise à jour : 8/7/2000</translation>
    </message>
    <message>
        <source>Read the staff. Find the key. Play the note.</source>
        <translation>Lis la portée. Trouve la touche. Joue la note.</translation>
    </message>
</context>
<context>
    <name>staverly::frmMain</name>
    <message>
        <source>Pellworth&apos;s Staverly v1.0</source>
        <translation>Staverly de Pellworth v1.0</translation>
    </message>
    <message>
        <source>Question progress bar.</source>
        <translation>Barre de progression des questions.</translation>
    </message>
    <message>
        <source>Click in this area to open  Lesson Setup...</source>
        <translation>Clique dans cette zone pour ouvrir les Réglages de la leçon...</translation>
    </message>
    <message>
        <source>Click here to start a new game.</source>
        <translation>Clique ici pour commencer une nouvelle leçon.</translation>
    </message>
    <message>
        <source>Click here to see clue or click on note. You can also press the space- bar</source>
        <translation>Clique ici pour voir un indice, ou clique sur la note. Tu peux aussi appuyer sur la barre d’espace.</translation>
    </message>
    <message>
        <source>New lesson</source>
        <translation>Nouvelle leçon</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Midi Indicator</source>
        <translation>Indicateur MIDI</translation>
    </message>
    <message>
        <source>The player list &quot;%1&quot; could not be created: %2.</source>
        <translation>La liste des joueurs « %1 » n’a pas pu être créée : %2.</translation>
    </message>
    <message>
        <source>Are you sure you want to Quit?</source>
        <translation>Veux-tu vraiment quitter ?</translation>
    </message>
    <message>
        <source>Exit Notification</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>staverly::gradesFrm</name>
    <message>
        <source>User Name                </source>
        <translation>Nom du joueur            </translation>
    </message>
    <message>
        <source>Lesson         </source>
        <translation>Leçon          </translation>
    </message>
    <message>
        <source>Yes    </source>
        <translation>Oui    </translation>
    </message>
    <message>
        <source>No     </source>
        <translation>Non    </translation>
    </message>
    <message>
        <source>Score   </source>
        <translation>Réussite </translation>
    </message>
    <message>
        <source>Date                              </source>
        <translation>Date                              </translation>
    </message>
    <message>
        <source>Grades</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>&amp;Print HTML Report...</source>
        <translation>&amp;Imprimer le relevé HTML...</translation>
    </message>
    <message>
        <source>Click here to make a printable HTML report.</source>
        <translation>Clique ici pour créer un relevé HTML à imprimer.</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Click here to clear the current grade report.</source>
        <translation>Clique ici pour effacer la liste des résultats.</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation>&amp;Progrès...</translation>
    </message>
    <message>
        <source>Click here to see each pupil&apos;s progress and weak notes.</source>
        <translation>Clique ici pour voir les progrès de chaque élève et ses notes difficiles.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Click here to close window.</source>
        <translation>Clique ici pour fermer la fenêtre.</translation>
    </message>
    <message>
        <source>%1 line(s) of the grade log &quot;%2&quot; could not be read as lessons and are left out here. The file itself is left as it is.</source>
        <translation>%1 ligne(s) du journal des résultats « %2 » n’ont pas pu être lues comme des leçons et sont laissées de côté ici. Le fichier lui-même n’est pas modifié.</translation>
    </message>
    <message>
        <source>Are you sure you want to clear this list?<byte value="xd"/>
Change can not be undone.</source>
        <translation>Veux-tu vraiment effacer cette liste ?<byte value="xd"/>
Ce sera définitif.</translation>
    </message>
    <message>
        <source>Remove Grades Notification</source>
        <translation>Effacer les résultats</translation>
    </message>
    <message>
        <source>The grade log &quot;%1&quot; could not be deleted: %2. Every lesson in it is kept.</source>
        <translation>Le journal des résultats « %1 » n’a pas pu être supprimé : %2. Toutes ses leçons sont gardées.</translation>
    </message>
    <message>
        <source>Save Grade Report As...</source>
        <translation>Enregistrer le relevé sous...</translation>
    </message>
    <message>
        <source>The grade report could not be saved as &quot;%1&quot;: %2</source>
        <translation>Le relevé n’a pas pu être enregistré sous « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>staverly::midiFrm</name>
    <message>
        <source>Midi Setup</source>
        <translation>Réglages MIDI</translation>
    </message>
    <message>
        <source>Midi In</source>
        <translation>Entrée MIDI</translation>
    </message>
    <message>
        <source>Check here if using and external keyboard</source>
        <translation>Coche ici si tu utilises un clavier externe</translation>
    </message>
    <message>
        <source>Midi &amp;In Enabled</source>
        <translation>&amp;Entrée MIDI activée</translation>
    </message>
    <message>
        <source>Check here to enable Midi Through</source>
        <translation>Coche ici pour activer le renvoi MIDI</translation>
    </message>
    <message>
        <source>Midi &amp;Through</source>
        <translation>&amp;Renvoi MIDI</translation>
    </message>
    <message>
        <source>Midi In Device</source>
        <translation>Périphérique d’entrée MIDI</translation>
    </message>
    <message>
        <source>Select the Midi Input device</source>
        <translation>Choisis le périphérique d’entrée MIDI</translation>
    </message>
    <message>
        <source>Midi Out</source>
        <translation>Sortie MIDI</translation>
    </message>
    <message>
        <source>Midi Out Device</source>
        <translation>Périphérique de sortie MIDI</translation>
    </message>
    <message>
        <source>Select here to choose a midi output device</source>
        <translation>Choisis ici un périphérique de sortie MIDI</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Select here to choose an instrument</source>
        <translation>Choisis ici un instrument</translation>
    </message>
    <message>
        <source>Midi Channel</source>
        <translation>Canal MIDI</translation>
    </message>
    <message>
        <source>Choose a Midi In channel</source>
        <translation>Choisis un canal MIDI</translation>
    </message>
    <message>
        <source>Midi Volume</source>
        <translation>Volume MIDI</translation>
    </message>
    <message>
        <source>Slide here to adjust midi out volume</source>
        <translation>Fais glisser ici pour régler le volume de sortie MIDI</translation>
    </message>
    <message>
        <source>Click here to hear instrument on synthesizer</source>
        <translation>Clique ici pour entendre l’instrument sur le synthétiseur</translation>
    </message>
    <message>
        <source>Test Note</source>
        <translation>Note d’essai</translation>
    </message>
    <message>
        <source>Click here to close window</source>
        <translation>Clique ici pour fermer la fenêtre</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>The delay from a note to the loudspeakers, as the sound server measures it</source>
        <translation>Le délai entre une note et les haut-parleurs, mesuré par le serveur de son</translation>
    </message>
</context>
<context>
    <name>staverly::playerFrm</name>
    <message>
        <source>Player Setup</source>
        <translation>Gestion des joueurs</translation>
    </message>
    <message>
        <source>Current Player:</source>
        <translation>Joueur actuel :</translation>
    </message>
    <message>
        <source>Select a player from the list</source>
        <translation>Choisis un joueur dans la liste</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Click here to remove the selected player</source>
        <translation>Clique ici pour supprimer le joueur choisi</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Ajouter...</translation>
    </message>
    <message>
        <source>Click here to add a new player</source>
        <translation>Clique ici pour ajouter un nouveau joueur</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click here to close window</source>
        <translation>Clique ici pour fermer la fenêtre</translation>
    </message>
    <message>
        <source>Please enter name!</source>
        <translation>Écris le nom du joueur !</translation>
    </message>
    <message>
        <source>Staverly Players</source>
        <translation>Joueurs de Staverly</translation>
    </message>
    <message>
        <source>You have not selected a current player!<byte value="xd"/>
You must select one before closing this window.</source>
        <translation>Tu n’as choisi aucun joueur !<byte value="xd"/>
Choisis-en un avant de fermer cette fenêtre.</translation>
    </message>
    <message>
        <source>Player Setup Error</source>
        <translation>Erreur de gestion des joueurs</translation>
    </message>
    <message>
        <source>The player list &quot;%1&quot; could not be saved: %2. It is left as it was.</source>
        <translation>La liste des joueurs « %1 » n’a pas pu être enregistrée : %2. Elle reste telle qu’elle était.</translation>
    </message>
    <message>
        <source>The player list &quot;%1&quot; was not written as UTF-8 throughout. It has been written anew as UTF-8, with every name kept.</source>
        <translation>La liste des joueurs « %1 » n’était pas entièrement en UTF-8. Elle a été réécrite en UTF-8, sans perdre aucun nom.</translation>
    </message>
</context>
<context>
    <name>staverly::progressFrm</name>
    <message>
        <source>Treble</source>
        <translation>clé de sol</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>clé de fa</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>Choose whose progress to see</source>
        <translation>Choisis le joueur dont tu veux voir les progrès</translation>
    </message>
    <message>
        <source>By day</source>
        <translation>Par jour</translation>
    </message>
    <message>
        <source>By week</source>
        <translation>Par semaine</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Joueur :</translation>
    </message>
    <message>
        <source>&amp;Lessons:</source>
        <translation>&amp;Leçons :</translation>
    </message>
    <message>
        <source>Notes on the keyboard</source>
        <translation>Notes sur le clavier</translation>
    </message>
    <message>
        <source>&amp;Treble Clef</source>
        <translation>Clé de &amp;sol</translation>
    </message>
    <message>
        <source>&amp;Bass Clef</source>
        <translation>Clé de f&amp;a</translation>
    </message>
    <message>
        <source>&amp;Wrong answers</source>
        <translation>&amp;Mauvaises réponses</translation>
    </message>
    <message>
        <source>Answer t&amp;ime</source>
        <translation>&amp;Temps de réponse</translation>
    </message>
    <message>
        <source>Most &amp;confused notes:</source>
        <translation>Notes les plus &amp;confondues :</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exporter en CSV...</translation>
    </message>
    <message>
        <source>Save every answer of this player for a spreadsheet</source>
        <translation>Enregistre toutes les réponses de ce joueur pour un tableur</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>the letter %1</source>
        <translation>la lettre %1</translation>
    </message>
    <message>
        <source>%1 (%2) answered as %3: %4 time</source>
        <translation>%1 (%2) confondu avec %3 : %4 fois</translation>
    </message>
    <message>
        <source>%1 (%2) answered as %3: %4 times</source>
        <translation>%1 (%2) confondu avec %3 : %4 fois</translation>
    </message>
    <message>
        <source>No note answered wrong yet.</source>
        <translation>Aucune mauvaise réponse pour l’instant.</translation>
    </message>
    <message>
        <source>%1: score and median answer time</source>
        <translation>%1 : réussite et temps de réponse médian</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Score %</source>
        <translation>Réussite %</translation>
    </message>
    <message>
        <source>Median time (s)</source>
        <translation>Temps médian (s)</translation>
    </message>
    <message>
        <source>Treble score</source>
        <translation>Réussite clé de sol</translation>
    </message>
    <message>
        <source>Bass score</source>
        <translation>Réussite clé de fa</translation>
    </message>
    <message>
        <source>Treble time</source>
        <translation>Temps clé de sol</translation>
    </message>
    <message>
        <source>Bass time</source>
        <translation>Temps clé de fa</translation>
    </message>
    <message>
        <source>%1: no answers kept yet</source>
        <translation>%1 : aucune réponse gardée pour l’instant</translation>
    </message>
    <message>
        <source>Export Answers As...</source>
        <translation>Exporter les réponses sous...</translation>
    </message>
    <message>
        <source>The answers could not be saved as &quot;%1&quot;: %2</source>
        <translation>Les réponses n’ont pas pu être enregistrées sous « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>staverly::setupFrm</name>
    <message>
        <source>Lesson Setup</source>
        <translation>Réglages de la leçon</translation>
    </message>
    <message>
        <source>Player&apos;s Name</source>
        <translation>Nom du joueur</translation>
    </message>
    <message>
        <source>Current Player&apos;s Name</source>
        <translation>Nom du joueur actuel</translation>
    </message>
    <message>
        <source>Click here to change player</source>
        <translation>Clique ici pour changer de joueur</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>Save &amp;Grades</source>
        <translation>Enregistrer les &amp;résultats</translation>
    </message>
    <message>
        <source>Check here to enable auto grade saving</source>
        <translation>Coche ici pour enregistrer les résultats automatiquement</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Select here for Treble Clef.</source>
        <translation>Choisis ici la clé de sol.</translation>
    </message>
    <message>
        <source>&amp;Treble Clef</source>
        <translation>Clé de &amp;sol</translation>
    </message>
    <message>
        <source>Select here for Bass Clef</source>
        <translation>Choisis ici la clé de fa</translation>
    </message>
    <message>
        <source>&amp;Bass Clef</source>
        <translation>Clé de &amp;fa</translation>
    </message>
    <message>
        <source>Use &amp;Chromatics</source>
        <translation>Mode &amp;chromatique</translation>
    </message>
    <message>
        <source>Check here to include chromatic notes</source>
        <translation>Coche ici pour demander aussi les touches noires</translation>
    </message>
    <message>
        <source>Optional Use Letter Keys Too!</source>
        <translation>Tu peux aussi taper la réponse !</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Nombre de questions</translation>
    </message>
    <message>
        <source>Select the number of questions for a lesson</source>
        <translation>Choisis le nombre de questions d’une leçon</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Chronomètre</translation>
    </message>
    <message>
        <source>Use &amp;Timer</source>
        <translation>&amp;Utiliser le chronomètre</translation>
    </message>
    <message>
        <source>Check here to enable Timer</source>
        <translation>Coche ici pour activer le chronomètre</translation>
    </message>
    <message>
        <source>Time To:</source>
        <translation>Temps limite :</translation>
    </message>
    <message>
        <source>Slide here to adjust lesson timer.</source>
        <translation>Fais glisser ici pour régler le temps limite.</translation>
    </message>
    <message>
        <source>Seconds to answer</source>
        <translation>Secondes pour répondre</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>Enable Clues</source>
        <translation>Autoriser les indices</translation>
    </message>
    <message>
        <source>Check here to enable clues</source>
        <translation>Coche ici pour autoriser les indices</translation>
    </message>
    <message>
        <source>Use Sound Effects</source>
        <translation>Activer les effets sonores</translation>
    </message>
    <message>
        <source>Check here to enable sound effects</source>
        <translation>Coche ici pour activer les effets sonores</translation>
    </message>
    <message>
        <source>Practise &amp;weak notes</source>
        <translation>&amp;Travailler les notes difficiles</translation>
    </message>
    <message>
        <source>Check here to be asked the notes you miss more often</source>
        <translation>Coche ici pour que les notes que tu rates soient demandées plus souvent</translation>
    </message>
    <message>
        <source>&amp;Show On Startup</source>
        <translation>&amp;Afficher au démarrage</translation>
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
        <translation>Générateur de tests</translation>
    </message>
    <message>
        <source>This featur will help you to make a printable HTML note test based on the current range and clef selected.</source>
        <translation>Cet outil t’aide à créer un test de notes à imprimer (une page HTML), d’après l’étendue et la clé choisies.</translation>
    </message>
    <message>
        <source>Test Setup</source>
        <translation>Réglages du test</translation>
    </message>
    <message>
        <source>Type 1</source>
        <translation>Type 1</translation>
    </message>
    <message>
        <source>Type 2</source>
        <translation>Type 2</translation>
    </message>
    <message>
        <source>&amp;Answer key</source>
        <translation>&amp;Corrigé</translation>
    </message>
    <message>
        <source>Check here to save an answer key with the test.</source>
        <translation>Coche ici pour enregistrer un corrigé avec le test.</translation>
    </message>
    <message>
        <source>Questions:</source>
        <translation>Questions :</translation>
    </message>
    <message>
        <source>Enter the number of test questions.</source>
        <translation>Tape le nombre de questions du test.</translation>
    </message>
    <message>
        <source>&amp;Make Test...</source>
        <translation>Créer le &amp;test...</translation>
    </message>
    <message>
        <source>Click here to make and save note test.</source>
        <translation>Clique ici pour créer et enregistrer le test de notes.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Save Note Test As...</source>
        <translation>Enregistrer le test sous...</translation>
    </message>
    <message>
        <source>The note test could not be saved as &quot;%1&quot;: %2</source>
        <translation>Le test de notes n’a pas pu être enregistré sous « %1 » : %2</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Veux-tu le remplacer ?</translation>
    </message>
    <message>
        <source>The note test was saved, but its answer key could not be saved as &quot;%1&quot;: %2</source>
        <translation>Le test de notes a été enregistré, mais son corrigé n’a pas pu être enregistré sous « %1 » : %2</translation>
    </message>
</context>
</TS>
