<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AccessibleTexts</name>
    <message>
        <source>Middle C, %1</source>
        <translation>Dó central, %1</translation>
    </message>
    <message>
        <source>Right answers: %1</source>
        <translation>Respostas certas: %1</translation>
    </message>
    <message>
        <source>Wrong answers: %1</source>
        <translation>Respostas erradas: %1</translation>
    </message>
    <message>
        <source>Score: %1 percent</source>
        <translation>Pontuação: %1 por cento</translation>
    </message>
    <message>
        <source>Time: %1 seconds</source>
        <translation>Tempo: %1 segundos</translation>
    </message>
    <message>
        <source>Lowest note</source>
        <translation>Nota mais grave</translation>
    </message>
    <message>
        <source>Highest note</source>
        <translation>Nota mais aguda</translation>
    </message>
    <message>
        <source>Lowest note: %1</source>
        <translation>Nota mais grave: %1</translation>
    </message>
    <message>
        <source>Highest note: %1</source>
        <translation>Nota mais aguda: %1</translation>
    </message>
    <message>
        <source>Treble staff</source>
        <translation>Pauta da clave de sol</translation>
    </message>
    <message>
        <source>Bass staff</source>
        <translation>Pauta da clave de fá</translation>
    </message>
    <message>
        <source>%1, a note to name</source>
        <translation>%1, qual é esta nota?</translation>
    </message>
    <message>
        <source>%1, the note %2</source>
        <translation>%1, a nota %2</translation>
    </message>
    <message>
        <source>No question yet</source>
        <translation>Nenhuma pergunta ainda</translation>
    </message>
    <message>
        <source>Question %1 of %2</source>
        <translation>Pergunta %1 de %2</translation>
    </message>
    <message>
        <source>No lesson running</source>
        <translation>Nenhuma lição em andamento</translation>
    </message>
</context>
<context>
    <name>AnswerKeySheet</name>
    <message>
        <source>Answer key for %1</source>
        <translation>Gabarito de %1</translation>
    </message>
</context>
<context>
    <name>AudioEngine</name>
    <message>
        <source>No audio output could be opened.
%1</source>
        <translation>Não foi possível abrir nenhuma saída de áudio.
%1</translation>
    </message>
    <message>
        <source>The sound output has gone away; Staverly tries again.</source>
        <translation>A saída de som sumiu; o Staverly está tentando de novo.</translation>
    </message>
</context>
<context>
    <name>BuiltinSynth</name>
    <message>
        <source>The built-in synthesizer found no SoundFont to play with (looked for %1). Install a General MIDI SoundFont, such as the package timgm6mb-soundfont.</source>
        <translation>O sintetizador embutido não encontrou nenhuma SoundFont para tocar (procurou em: %1). Instale uma SoundFont General MIDI, como o pacote timgm6mb-soundfont.</translation>
    </message>
    <message>
        <source>The built-in synthesizer has no audio output.
%1</source>
        <translation>O sintetizador embutido não tem saída de áudio.
%1</translation>
    </message>
    <message>
        <source>The built-in synthesizer could not load the SoundFont %1.</source>
        <translation>O sintetizador embutido não conseguiu carregar a SoundFont %1.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Staverly teaches pupils to read notes on the staff and to find them on a piano keyboard.

Pictures and help:          %1
Player list and grade log:  %2
Settings:                   %3</source>
        <translation>O Staverly ensina os alunos a ler as notas na pauta e a encontrá-las no teclado do piano.

Figuras e ajuda:               %1
Lista de jogadores e boletim:  %2
Configurações:                 %3</translation>
    </message>
    <message>
        <source>Displays this help and exits.</source>
        <translation>Mostra esta ajuda e sai.</translation>
    </message>
</context>
<context>
    <name>ControlHost</name>
    <message>
        <source>The control class %1 has no property &quot;%2&quot;.</source>
        <translation>A classe de controle %1 não tem a propriedade &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>%1: not a control library (%2)</source>
        <translation>%1: não é uma biblioteca de controles (%2)</translation>
    </message>
    <message>
        <source>%1: a plugin of another kind (%2)</source>
        <translation>%1: um plugin de outro tipo (%2)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is already made by %3</source>
        <translation>%1: &quot;%2&quot; já é criado por %3</translation>
    </message>
    <message>
        <source>Cannot create the control &quot;%1&quot;: the control folder &quot;%2&quot; does not exist.</source>
        <translation>Não é possível criar o controle &quot;%1&quot;: a pasta de controles &quot;%2&quot; não existe.</translation>
    </message>
    <message>
        <source>Cannot create the control &quot;%1&quot;: no control library in &quot;%2&quot; makes it.</source>
        <translation>Não é possível criar o controle &quot;%1&quot;: nenhuma biblioteca de controles em &quot;%2&quot; o cria.</translation>
    </message>
    <message>
        <source> Files that could not be used: %1.</source>
        <translation> Arquivos que não puderam ser usados: %1.</translation>
    </message>
    <message>
        <source>Cannot create the control &quot;%1&quot;: the control library &quot;%2&quot; did not create it%3.</source>
        <translation>Não é possível criar o controle &quot;%1&quot;: a biblioteca de controles &quot;%2&quot; não o criou%3.</translation>
    </message>
    <message>
        <source>No control to set &quot;%1&quot; on.</source>
        <translation>Não há controle em que definir &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The property &quot;%1&quot; of %2 is read-only.</source>
        <translation>A propriedade &quot;%1&quot; de %2 é somente leitura.</translation>
    </message>
    <message>
        <source>The property &quot;%1&quot; of %2 cannot take the value %3.</source>
        <translation>A propriedade &quot;%1&quot; de %2 não aceita o valor %3.</translation>
    </message>
    <message>
        <source>Setting &quot;%1&quot; failed: %2</source>
        <translation>Falha ao definir &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>No control to read &quot;%1&quot; from.</source>
        <translation>Não há controle de onde ler &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Reading &quot;%1&quot; failed: %2</source>
        <translation>Falha ao ler &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>No control or handler for the event &quot;%1&quot;.</source>
        <translation>Não há controle nem tratador para o evento &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The control class %1 has no event &quot;%2&quot;.</source>
        <translation>A classe de controle %1 não tem o evento &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>%1 has no handler &quot;%2&quot;.</source>
        <translation>%1 não tem o tratador &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The handler %1 does not match the event %2.</source>
        <translation>O tratador %1 não corresponde ao evento %2.</translation>
    </message>
    <message>
        <source>Cannot connect the event &quot;%1&quot; to %2.</source>
        <translation>Não é possível conectar o evento &quot;%1&quot; a %2.</translation>
    </message>
</context>
<context>
    <name>Effects</name>
    <message>
        <source>Staverly - Sound Error</source>
        <translation>Staverly - Erro de som</translation>
    </message>
    <message>
        <source>Staverly- Browser Error</source>
        <translation>Staverly - Erro do navegador</translation>
    </message>
    <message>
        <source>Resource not found: sound %1.</source>
        <translation>Recurso não encontrado: som %1.</translation>
    </message>
    <message>
        <source>

The lessons go on without sound effects.</source>
        <translation>

As lições continuam sem efeitos sonoros.</translation>
    </message>
    <message>
        <source>Nothing to open.</source>
        <translation>Nada para abrir.</translation>
    </message>
</context>
<context>
    <name>FeedbackWords</name>
    <message>
        <source>Wonderful</source>
        <translation>Maravilhoso</translation>
    </message>
    <message>
        <source>Terrific</source>
        <translation>Sensacional</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Excelente</translation>
    </message>
    <message>
        <source>Spectacular</source>
        <translation>Espetacular</translation>
    </message>
    <message>
        <source>Fantastic</source>
        <translation>Fantástico</translation>
    </message>
    <message>
        <source>Stupendous</source>
        <translation>Estupendo</translation>
    </message>
    <message>
        <source>Brilliant</source>
        <translation>Brilhante</translation>
    </message>
    <message>
        <source>Great</source>
        <translation>Ótimo</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Boa</translation>
    </message>
    <message>
        <source>Alright</source>
        <translation>Legal</translation>
    </message>
    <message>
        <source>The best!</source>
        <translation>O máximo!</translation>
    </message>
    <message>
        <source>Your Cool!</source>
        <translation>Você é fera!</translation>
    </message>
    <message>
        <source>Wow!</source>
        <translation>Uau!</translation>
    </message>
    <message>
        <source>Smart Kid!</source>
        <translation>Você é craque!</translation>
    </message>
    <message>
        <source>Amazing!</source>
        <translation>Incrível!</translation>
    </message>
    <message>
        <source>Genious!</source>
        <translation>Gênio!</translation>
    </message>
    <message>
        <source>Your a Virtuolo!</source>
        <translation>Que virtuose!</translation>
    </message>
    <message>
        <source>Your Hot!</source>
        <translation>Você está com tudo!</translation>
    </message>
    <message>
        <source>Perfect!</source>
        <translation>Perfeito!</translation>
    </message>
    <message>
        <source>Great!</source>
        <translation>Muito bem!</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Ruim</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativo</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Incorreto</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Errado</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falso</translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation>Engano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>-1</source>
        <translation>-1</translation>
    </message>
    <message>
        <source>Wake up!</source>
        <translation>Acorda!</translation>
    </message>
    <message>
        <source>Come on!</source>
        <translation>Vamos lá!</translation>
    </message>
    <message>
        <source>Try Harder!</source>
        <translation>Capriche mais!</translation>
    </message>
    <message>
        <source>Think!</source>
        <translation>Pense!</translation>
    </message>
    <message>
        <source>Next Time!</source>
        <translation>Na próxima!</translation>
    </message>
    <message>
        <source>No Good!</source>
        <translation>Não deu!</translation>
    </message>
    <message>
        <source>Almost!</source>
        <translation>Quase!</translation>
    </message>
    <message>
        <source>Keep Trying!</source>
        <translation>Continue tentando!</translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation>Esperando...</translation>
    </message>
    <message>
        <source>Boo!</source>
        <translation>Ops!</translation>
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
        <translation>Clave de fá</translation>
    </message>
</context>
<context>
    <name>GradeReport</name>
    <message>
        <source>Staverly Grade Report</source>
        <translation>Relatório do boletim do Staverly</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Lesson</source>
        <translation>Lição</translation>
    </message>
    <message>
        <source>Yes </source>
        <translation>Sim </translation>
    </message>
    <message>
        <source>No </source>
        <translation>Não </translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontuação</translation>
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
        <translation>Nenhum servidor JACK está rodando, então o Staverly não consegue ouvir um microfone; inicie o JACK ou responda pelo teclado.</translation>
    </message>
    <message>
        <source>The JACK server has stopped; Staverly listens again as soon as it is back.</source>
        <translation>O servidor JACK parou; o Staverly volta a escutar assim que ele voltar.</translation>
    </message>
    <message>
        <source>JACK offers no microphone input; plug one in and Staverly listens at once.</source>
        <translation>O JACK não oferece nenhuma entrada de microfone; conecte um e o Staverly começa a escutar na hora.</translation>
    </message>
    <message>
        <source>The input “%1” is unplugged or switched off; Staverly listens again as soon as it is back.</source>
        <translation>A entrada &quot;%1&quot; está desconectada ou desligada; o Staverly volta a escutar assim que ela voltar.</translation>
    </message>
</context>
<context>
    <name>JackOutput</name>
    <message>
        <source>no JACK server is running</source>
        <translation>nenhum servidor JACK está rodando</translation>
    </message>
    <message>
        <source>the JACK server refused the program&apos;s ports</source>
        <translation>o servidor JACK recusou as portas do programa</translation>
    </message>
</context>
<context>
    <name>LessonFace</name>
    <message>
        <source>The lesson&apos;s grade could not be added to &quot;%1&quot;: %2. Lessons go on, but are not kept until this is put right.</source>
        <translation>Não foi possível registrar a lição no boletim &quot;%1&quot;: %2. As lições continuam, mas não ficam guardadas até que isso seja resolvido.</translation>
    </message>
    <message>
        <source>Staverly - Grades Error</source>
        <translation>Staverly - Erro no boletim</translation>
    </message>
    <message>
        <source>The grade log &quot;%1&quot; was not written as UTF-8 throughout. It has been written anew as UTF-8, with every lesson kept.</source>
        <translation>O boletim &quot;%1&quot; não estava todo em UTF-8. Ele foi regravado em UTF-8, com todas as lições mantidas.</translation>
    </message>
    <message>
        <source>Staverly - Grades</source>
        <translation>Staverly - Boletim</translation>
    </message>
</context>
<context>
    <name>MainLabels</name>
    <message>
        <source>Player *.*</source>
        <translation>Jogador *.*</translation>
    </message>
    <message>
        <source>Click here to change current player.</source>
        <translation>Clique aqui para trocar o jogador atual.</translation>
    </message>
    <message>
        <source>Click on the New button...</source>
        <translation>Clique no botão Nova lição...</translation>
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
        <translation>1 saída MIDI</translation>
    </message>
    <message>
        <source>%1 MIDI outputs</source>
        <translation>%1 saídas MIDI</translation>
    </message>
    <message>
        <source>The MIDI input chosen before (entry %1 of the list) is not connected; this computer lists %2.</source>
        <translation>A entrada MIDI escolhida antes (item %1 da lista) não está conectada; este computador tem %2.</translation>
    </message>
    <message>
        <source>The MIDI output chosen before (entry %1 of the list) is not connected; this computer lists %2.</source>
        <translation>A saída MIDI escolhida antes (item %1 da lista) não está conectada; este computador tem %2.</translation>
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
        <translation>%1 sustenido %2</translation>
    </message>
    <message>
        <source>the letters a to g</source>
        <translation>as letras de a até g</translation>
    </message>
    <message>
        <source>the letters a, c to h (h for H)</source>
        <translation>as letras a e de c até h (h para H)</translation>
    </message>
    <message>
        <source>the digits 1 to 7 (1 for Do) or the letters a to g</source>
        <translation>os números de 1 a 7 (1 para Dó) ou as letras de a até g</translation>
    </message>
</context>
<context>
    <name>NoteRange</name>
    <message>
        <source>The low note range must be 1 less then the high note!</source>
        <translation>A nota mais grave da faixa precisa ficar abaixo da mais aguda!</translation>
    </message>
    <message>
        <source>The high note range must be 1 greater then the low note!</source>
        <translation>A nota mais aguda da faixa precisa ficar acima da mais grave!</translation>
    </message>
</context>
<context>
    <name>NoteTestSheet</name>
    <message>
        <source>What is this note? _______</source>
        <translation>Que nota é esta? _______</translation>
    </message>
    <message>
        <source>Color in this note on the piano.</source>
        <translation>Pinte esta nota no piano.</translation>
    </message>
    <message>
        <source>Brought to you by Pellworth %1...</source>
        <translation>Oferecido por Pellworth %1...</translation>
    </message>
</context>
<context>
    <name>NullInput</name>
    <message>
        <source>Staverly finds no sound server to hear a microphone through; start PulseAudio or JACK, or answer on the keyboard.</source>
        <translation>O Staverly não encontrou nenhum servidor de som para ouvir um microfone; inicie o PulseAudio ou o JACK, ou responda pelo teclado.</translation>
    </message>
</context>
<context>
    <name>NullMidiBackend</name>
    <message>
        <source>The MIDI input &quot;%1&quot; is not available: this system has no MIDI.</source>
        <translation>A entrada MIDI &quot;%1&quot; não está disponível: este sistema não tem MIDI.</translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; is not available: this system has no MIDI.</source>
        <translation>A saída MIDI &quot;%1&quot; não está disponível: este sistema não tem MIDI.</translation>
    </message>
</context>
<context>
    <name>OldPupilFiles</name>
    <message>
        <source>Moved from the build folder %2 to %3: %1. The program keeps the pupils&apos; files there from now on; a rebuild or a clean of the build folder no longer takes them.</source>
        <translation>Arquivos transferidos da pasta de compilação %2 para %3: %1. O programa guarda ali os arquivos dos alunos daqui em diante; uma nova compilação ou uma limpeza da pasta de compilação não leva mais esses arquivos embora.</translation>
    </message>
    <message>
        <source>Left in %2: %1. %3 already holds a file of that name, or it could not be written; nothing was replaced.</source>
        <translation>Arquivos que ficaram em %2: %1. %3 já tem um arquivo com esse nome, ou não foi possível gravar lá; nada foi substituído.</translation>
    </message>
    <message>
        <source>Staverly - Pupils&apos; Files</source>
        <translation>Staverly - Arquivos dos alunos</translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <translation>%1 como %2</translation>
    </message>
    <message>
        <source>Moved from the build folder %2 to %3 under another name, since %3 already holds one of the same name that stays in use: %1. Nothing was replaced.</source>
        <translation>Arquivos transferidos com outro nome da pasta de compilação %2 para %3, porque %3 já tem um com o mesmo nome, que continua em uso: %1. Nada foi substituído.</translation>
    </message>
</context>
<context>
    <name>PulseInput</name>
    <message>
        <source>No sound server answers, so Staverly cannot hear a microphone; answer on the keyboard instead.</source>
        <translation>Nenhum servidor de som responde, então o Staverly não consegue ouvir um microfone; responda pelo teclado.</translation>
    </message>
    <message>
        <source>The sound server has stopped; Staverly listens again as soon as it is back.</source>
        <translation>O servidor de som parou; o Staverly volta a escutar assim que ele voltar.</translation>
    </message>
    <message>
        <source>Staverly finds no microphone; plug one in and Staverly listens at once.</source>
        <translation>O Staverly não encontrou nenhum microfone; conecte um e o Staverly começa a escutar na hora.</translation>
    </message>
    <message>
        <source>The microphone “%1” is unplugged or switched off; Staverly listens again as soon as it is back.</source>
        <translation>O microfone &quot;%1&quot; está desconectado ou desligado; o Staverly volta a escutar assim que ele voltar.</translation>
    </message>
</context>
<context>
    <name>PulseOutput</name>
    <message>
        <source>no PulseAudio server answers</source>
        <translation>nenhum servidor PulseAudio responde</translation>
    </message>
    <message>
        <source>the PulseAudio server refused the stream</source>
        <translation>o servidor PulseAudio recusou o fluxo de áudio</translation>
    </message>
</context>
<context>
    <name>QtDesktop</name>
    <message>
        <source>Print Setup</source>
        <translation>Configurar impressora</translation>
    </message>
    <message>
        <source>No printer is set up on this computer.</source>
        <translation>Nenhuma impressora está configurada neste computador.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be started.</source>
        <translation>Não foi possível iniciar a impressora &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The sound is not an uncompressed PCM wave.</source>
        <translation>O som não é um arquivo WAVE PCM sem compressão.</translation>
    </message>
</context>
<context>
    <name>RtMidiBackend</name>
    <message>
        <source>The MIDI input &quot;%1&quot; is not connected.</source>
        <translation>A entrada MIDI &quot;%1&quot; não está conectada.</translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; is not connected.</source>
        <translation>A saída MIDI &quot;%1&quot; não está conectada.</translation>
    </message>
</context>
<context>
    <name>RtMidiSink</name>
    <message>
        <source>The MIDI output &quot;%1&quot; could not be opened: %2</source>
        <translation>Não foi possível abrir a saída MIDI &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>A message to the MIDI output &quot;%1&quot; failed: %2</source>
        <translation>Falha ao enviar uma mensagem para a saída MIDI &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>RtMidiSource</name>
    <message>
        <source>The MIDI input &quot;%1&quot; could not be opened: %2</source>
        <translation>Não foi possível abrir a entrada MIDI &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
</context>
<context>
    <name>SettingsReader</name>
    <message>
        <source>%1 was &quot;%2&quot;, now %3</source>
        <translation>%1 era &quot;%2&quot;, agora é %3</translation>
    </message>
    <message>
        <source>Some settings could not be used and were set back to their defaults:
</source>
        <translation>Algumas configurações não puderam ser usadas e voltaram ao padrão:
</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Staverly cannot save its settings in &quot;%1&quot;: %2. Changes made now last only until Staverly is closed.</source>
        <translation>O Staverly não consegue salvar as configurações em &quot;%1&quot;: %2. As mudanças feitas agora só valem até o Staverly ser fechado.</translation>
    </message>
    <message>
        <source>the disk may be full</source>
        <translation>o disco pode estar cheio</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>não é possível gravar na pasta dele</translation>
    </message>
</context>
<context>
    <name>SoundFontSearch</name>
    <message>
        <source>nowhere</source>
        <translation>nenhum lugar</translation>
    </message>
</context>
<context>
    <name>staverly::AnswerHistory</name>
    <message>
        <source>%1, so answers are kept only until Staverly closes.</source>
        <translation>%1, então as respostas só ficam guardadas até o Staverly ser fechado.</translation>
    </message>
    <message>
        <source>%1. Answers are kept meanwhile and written to it once it can be written again; until then they last only until Staverly closes.</source>
        <translation>%1. Enquanto isso, as respostas ficam guardadas e serão gravadas nele assim que for possível gravar de novo; até lá, elas só duram até o Staverly ser fechado.</translation>
    </message>
    <message>
        <source>The folder of the answer history %1 cannot be made</source>
        <translation>Não é possível criar a pasta do histórico de respostas %1</translation>
    </message>
    <message>
        <source>The answer history %1 is read-only</source>
        <translation>O histórico de respostas %1 é somente leitura</translation>
    </message>
    <message>
        <source>The answer history %1 is locked by another program</source>
        <translation>O histórico de respostas %1 está bloqueado por outro programa</translation>
    </message>
    <message>
        <source>The answer history %1 is damaged and cannot be moved aside</source>
        <translation>O histórico de respostas %1 está danificado e não pode ser posto de lado</translation>
    </message>
    <message>
        <source>The answer history %1 was written by a newer Staverly</source>
        <translation>O histórico de respostas %1 foi gravado por um Staverly mais novo</translation>
    </message>
    <message>
        <source>The answer history %1 cannot be used (%2)</source>
        <translation>O histórico de respostas %1 não pode ser usado (%2)</translation>
    </message>
    <message>
        <source>The answer history %1 was damaged; it was moved to %2 and a new one started.</source>
        <translation>O histórico de respostas %1 estava danificado; ele foi movido para %2 e um novo foi iniciado.</translation>
    </message>
    <message>
        <source>History started anew</source>
        <translation>Histórico recomeçado</translation>
    </message>
    <message>
        <source>Answers waiting</source>
        <translation>Respostas aguardando</translation>
    </message>
    <message>
        <source>Answers not kept</source>
        <translation>Respostas não guardadas</translation>
    </message>
</context>
<context>
    <name>staverly::LessonEngine</name>
    <message>
        <source>This lesson is complete! You have answered %1 questions!
If you would like to start a new lesson then click on the Yes button.
If you would like to continue with the current lesson then click No.
To pause lesson, click Cancel.</source>
        <translation>Lição concluída! Você respondeu %1 perguntas!
Se quiser começar uma nova lição, clique no botão Sim.
Se quiser continuar a lição atual, clique em Não.
Para pausar a lição, clique em Cancelar.</translation>
    </message>
    <message>
        <source>Lesson Over Notification</source>
        <translation>Fim da lição</translation>
    </message>
    <message>
        <source>Click New to start!</source>
        <translation>Clique em Nova lição para começar!</translation>
    </message>
    <message>
        <source>Please adjust the sliders properly.  The top slider must be at least 1 hight then the bottem slider.</source>
        <translation>Por favor, ajuste os marcadores corretamente: o marcador de cima precisa ficar pelo menos uma tecla à direita do marcador de baixo.</translation>
    </message>
    <message>
        <source>Slider Error!</source>
        <translation>Erro nos marcadores!</translation>
    </message>
    <message>
        <source>Too Low</source>
        <translation>Grave demais</translation>
    </message>
    <message>
        <source>Too High</source>
        <translation>Aguda demais</translation>
    </message>
    <message>
        <source>Over Time!</source>
        <translation>Tempo esgotado!</translation>
    </message>
    <message>
        <source>Click on the New button...</source>
        <translation>Clique no botão Nova lição...</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Heard by a screen reader after a right answer: the note, the praise word.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Clue: %1</source>
        <extracomment>Heard by a screen reader when a clue shows the note.</extracomment>
        <translation>Dica: %1</translation>
    </message>
    <message>
        <source>Not %1</source>
        <extracomment>Heard by a screen reader after a wrong letter: the note it names.</extracomment>
        <translation>Não é %1</translation>
    </message>
</context>
<context>
    <name>staverly::MIDIInput</name>
    <message>
        <source>%1 MIDI messages were lost: the input queue was full.</source>
        <translation>%1 mensagens MIDI foram perdidas: a fila de entrada estava cheia.</translation>
    </message>
</context>
<context>
    <name>staverly::MIDIOutput</name>
    <message>
        <source>This system has no default MIDI output.</source>
        <translation>Este sistema não tem uma saída MIDI padrão.</translation>
    </message>
    <message>
        <source>%1 does not start a short MIDI message.</source>
        <translation>%1 não inicia uma mensagem MIDI curta.</translation>
    </message>
</context>
<context>
    <name>staverly::MainBackground</name>
    <message>
        <source>Right</source>
        <translation>Acertos</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Erros</translation>
    </message>
    <message>
        <source>Score %</source>
        <translation>Pontuação %</translation>
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
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;New Lesson</source>
        <translation>&amp;Nova lição</translation>
    </message>
    <message>
        <source>&amp;Treble Clef</source>
        <translation>Clave de &amp;sol</translation>
    </message>
    <message>
        <source>&amp;Base Clef</source>
        <translation>Clave de &amp;fá</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print Set&amp;up...</source>
        <translation>&amp;Configurar impressora...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Lesson Setup...</source>
        <translation>Configuração da &amp;lição...</translation>
    </message>
    <message>
        <source>&amp;Midi Setup...</source>
        <translation>Configuração &amp;MIDI...</translation>
    </message>
    <message>
        <source>Players...</source>
        <translation>Jogadores...</translation>
    </message>
    <message>
        <source>&amp;Test Maker...</source>
        <translation>&amp;Gerador de testes...</translation>
    </message>
    <message>
        <source>&amp;Grades...</source>
        <translation>&amp;Boletim...</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation>&amp;Progresso...</translation>
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
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>%1&apos;s Music on %2...</source>
        <translation>Música de %1 em %2...</translation>
    </message>
    <message>
        <source>Staverly Updates...</source>
        <translation>Atualizações do Staverly...</translation>
    </message>
    <message>
        <source>Send Email To Me...</source>
        <translation>Envie-me um e-mail...</translation>
    </message>
    <message>
        <source>&amp;Help Using This Program...</source>
        <translation>&amp;Como usar este programa...</translation>
    </message>
    <message>
        <source>&amp;About The Staverly...</source>
        <translation>&amp;Sobre o Staverly...</translation>
    </message>
    <message>
        <source>Staverly stays at %1 %.</source>
        <translation>O Staverly continua em %1 %.</translation>
    </message>
    <message>
        <source>Staverly shows its window at %1 % from its next start.</source>
        <translation>O Staverly mostra a janela em %1 % a partir da próxima vez que for aberto.</translation>
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
        <translation>Idioma do sistema</translation>
    </message>
    <message>
        <source>Staverly speaks the language chosen from its next start.</source>
        <translation>O Staverly fala o idioma escolhido a partir da próxima vez que for aberto.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Staverly - Print Error</source>
        <translation>Staverly - Erro de impressão</translation>
    </message>
    <message>
        <source>Note &amp;Names</source>
        <translation>&amp;Nomes das notas</translation>
    </message>
    <message>
        <source>As the language names them</source>
        <translation>Como o idioma as chama</translation>
    </message>
    <message>
        <source>Letters: C D E F G A B</source>
        <translation>Letras: C D E F G A B</translation>
    </message>
    <message>
        <source>German letters: C D E F G A H</source>
        <translation>Letras alemãs: C D E F G A H</translation>
    </message>
    <message>
        <source>Solfège: Do Re Mi Fa Sol La Si</source>
        <translation>Solfejo: Dó Ré Mi Fá Sol Lá Si</translation>
    </message>
    <message>
        <source>Staverly names the notes this way from its next start.</source>
        <translation>O Staverly chama as notas desse jeito a partir da próxima vez que for aberto.</translation>
    </message>
    <message>
        <source>Note Names</source>
        <translation>Nomes das notas</translation>
    </message>
    <message>
        <source>&amp;Question and Score</source>
        <translation>&amp;Pergunta e pontuação</translation>
    </message>
</context>
<context>
    <name>staverly::MicAnswers</name>
    <message>
        <source>Microphone</source>
        <translation>Microfone</translation>
    </message>
</context>
<context>
    <name>staverly::MicPanel</name>
    <message>
        <source>Listen to a Piano</source>
        <translation>Ouvir um piano</translation>
    </message>
    <message>
        <source>Check here to answer by playing a real piano into the microphone</source>
        <translation>Marque aqui para responder tocando um piano de verdade perto do microfone</translation>
    </message>
    <message>
        <source>&amp;Listen to a piano</source>
        <translation>O&amp;uvir um piano</translation>
    </message>
    <message>
        <source>How loud the microphone hears the room</source>
        <translation>Quanto som do ambiente o microfone está ouvindo</translation>
    </message>
    <message>
        <source>Microphone level</source>
        <translation>Nível do microfone</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfone</translation>
    </message>
    <message>
        <source>Select the microphone that hears the piano</source>
        <translation>Escolha o microfone que ouve o piano</translation>
    </message>
    <message>
        <source>Piano&apos;s A</source>
        <translation>Lá do piano</translation>
    </message>
    <message>
        <source>The pitch of the A above middle C on your piano</source>
        <translation>A afinação do Lá acima do Dó central no seu piano</translation>
    </message>
    <message>
        <source> Hz</source>
        <translation> Hz</translation>
    </message>
    <message>
        <source>Click here, then play one A on your piano</source>
        <translation>Clique aqui e toque um Lá no seu piano</translation>
    </message>
    <message>
        <source>T&amp;une to my piano</source>
        <translation>&amp;Afinar pelo meu piano</translation>
    </message>
    <message>
        <source>The desktop&apos;s default input</source>
        <translation>Entrada padrão do sistema</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (não conectado)</translation>
    </message>
    <message>
        <source>Play one A on your piano now, and let it ring.</source>
        <translation>Toque um Lá no seu piano agora e deixe soar.</translation>
    </message>
    <message>
        <source>No A was heard. Play one A, a little louder, and try again.</source>
        <translation>Nenhum Lá foi ouvido. Toque um Lá, um pouco mais forte, e tente de novo.</translation>
    </message>
    <message>
        <source>Tuned: your piano&apos;s A is %1 Hz.</source>
        <translation>Afinado: o Lá do seu piano está em %1 Hz.</translation>
    </message>
    <message>
        <source>Tuned:</source>
        <translation>Afinado:</translation>
    </message>
    <message>
        <source>No A was heard</source>
        <translation>Nenhum Lá foi ouvido</translation>
    </message>
    <message>
        <source>This computer has no sound input to listen to.</source>
        <translation>Este computador não tem nenhuma entrada de som para escutar.</translation>
    </message>
    <message>
        <source>Place the microphone near the piano and tick the box; the bar moves when it hears the piano.</source>
        <translation>Ponha o microfone perto do piano e marque a caixa; a barra se mexe quando ele ouve o piano.</translation>
    </message>
    <message>
        <source>The microphone is too loud: turn its level down in the desktop&apos;s sound settings.</source>
        <translation>O microfone está alto demais: baixe o nível dele nas configurações de som do sistema.</translation>
    </message>
    <message>
        <source>The microphone hears nothing: check that it is plugged in, chosen above and not muted.</source>
        <translation>O microfone não ouve nada: confira se ele está conectado, escolhido acima e não está no mudo.</translation>
    </message>
    <message>
        <source>Listening: play the key of each note to answer.</source>
        <translation>Escutando: toque a tecla de cada nota para responder.</translation>
    </message>
</context>
<context>
    <name>staverly::MidiMod</name>
    <message>
        <source>Midi Output Error!</source>
        <translation>Erro na saída MIDI!</translation>
    </message>
    <message>
        <source>Choose a MIDI keyboard</source>
        <translation>Escolha um teclado MIDI</translation>
    </message>
    <message>
        <source> Choose one in MIDI Setup.</source>
        <translation> Escolha um na Configuração MIDI.</translation>
    </message>
    <message>
        <source>MIDI keyboard not connected</source>
        <translation>Teclado MIDI não conectado</translation>
    </message>
    <message>
        <source>The MIDI keyboard &quot;%1&quot; is not connected. Staverly uses it again as soon as it is back.</source>
        <translation>O teclado MIDI &quot;%1&quot; não está conectado. O Staverly volta a usá-lo assim que ele voltar.</translation>
    </message>
    <message>
        <source>Choose a MIDI output</source>
        <translation>Escolha uma saída MIDI</translation>
    </message>
    <message>
        <source>MIDI output not connected</source>
        <translation>Saída MIDI não conectada</translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; is not connected. Staverly uses it again as soon as it is back.</source>
        <translation>A saída MIDI &quot;%1&quot; não está conectada. O Staverly volta a usá-la assim que ela voltar.</translation>
    </message>
    <message>
        <source>Midi In Open Error!</source>
        <translation>Erro ao abrir a entrada MIDI!</translation>
    </message>
    <message>
        <source>Midi Out Error!</source>
        <translation>Erro na saída MIDI!</translation>
    </message>
    <message>
        <source>Midi In Open Device Error</source>
        <translation>Erro ao abrir o dispositivo de entrada MIDI</translation>
    </message>
    <message>
        <source>Midi Out Open Device Error</source>
        <translation>Erro ao abrir o dispositivo de saída MIDI</translation>
    </message>
    <message>
        <source>Sound: none, the sound server has gone</source>
        <translation>Som: nenhum, o servidor de som sumiu</translation>
    </message>
    <message>
        <source>Sound: starting</source>
        <translation>Som: iniciando</translation>
    </message>
    <message>
        <source>Sound: %1, resting</source>
        <translation>Som: %1, em repouso</translation>
    </message>
    <message>
        <source>Sound: %1, %2 ms</source>
        <translation>Som: %1, %2 ms</translation>
    </message>
    <message>
        <source>No sound output</source>
        <translation>Nenhuma saída de som</translation>
    </message>
    <message>
        <source>The connection from &quot;%1&quot; to Staverly was removed outside Staverly (in a patchbay, say). Press OK in MIDI Setup to connect it again.</source>
        <translation>A conexão de &quot;%1&quot; com o Staverly foi desfeita fora do Staverly (num patchbay, por exemplo). Aperte OK na Configuração MIDI para conectar de novo.</translation>
    </message>
    <message>
        <source>The connection from Staverly to &quot;%1&quot; was removed outside Staverly (in a patchbay, say). Press OK in MIDI Setup to connect it again.</source>
        <translation>A conexão do Staverly com &quot;%1&quot; foi desfeita fora do Staverly (num patchbay, por exemplo). Aperte OK na Configuração MIDI para conectar de novo.</translation>
    </message>
    <message>
        <source>MIDI notes dropped</source>
        <translation>Notas MIDI descartadas</translation>
    </message>
    <message>
        <source>%1 MIDI notes came faster than they could be judged and were dropped.</source>
        <translation>%1 notas MIDI chegaram mais depressa do que podiam ser avaliadas e foram descartadas.</translation>
    </message>
    <message>
        <source>Odd MIDI input ignored</source>
        <translation>Entrada MIDI estranha ignorada</translation>
    </message>
    <message>
        <source>1 malformed MIDI message ignored.</source>
        <translation>1 mensagem MIDI malformada ignorada.</translation>
    </message>
    <message>
        <source>%1 malformed MIDI messages ignored.</source>
        <translation>%1 mensagens MIDI malformadas ignoradas.</translation>
    </message>
    <message>
        <source>MIDI disconnected elsewhere</source>
        <translation>MIDI desconectado por outro programa</translation>
    </message>
    <message>
        <source>MIDI output not answering</source>
        <translation>A saída MIDI não responde</translation>
    </message>
</context>
<context>
    <name>staverly::PianoEar</name>
    <message>
        <source>No microphone can be listened to on this computer.</source>
        <translation>Nenhum microfone pode ser escutado neste computador.</translation>
    </message>
    <message>
        <source>The microphone could not be opened.</source>
        <translation>Não foi possível abrir o microfone.</translation>
    </message>
</context>
<context>
    <name>staverly::PictureBox</name>
    <message>
        <source>The staff picture is missing or cannot be read:
%1

Play on: the note still sounds, and its name shows as a clue.</source>
        <translation>A figura da pauta está faltando ou não pode ser lida:
%1

Pode continuar: a nota ainda soa, e o nome dela aparece como dica.</translation>
    </message>
</context>
<context>
    <name>staverly::RangeSliders</name>
    <message>
        <source>Low Note</source>
        <translation>Nota mais grave</translation>
    </message>
    <message>
        <source>High Note</source>
        <translation>Nota mais aguda</translation>
    </message>
    <message>
        <source>Note Range Error!</source>
        <translation>Erro na faixa de notas!</translation>
    </message>
</context>
<context>
    <name>staverly::WeakNoteMap</name>
    <message>
        <source>Keys by wrong answers</source>
        <translation>Teclas por respostas erradas</translation>
    </message>
    <message>
        <source>Keys by answer time</source>
        <translation>Teclas por tempo de resposta</translation>
    </message>
    <message>
        <source>No note asked yet.</source>
        <translation>Nenhuma nota perguntada ainda.</translation>
    </message>
    <message>
        <source>Weakest first: </source>
        <translation>Mais difíceis primeiro: </translation>
    </message>
    <message>
        <source>%1: not asked yet</source>
        <translation>%1: ainda não perguntada</translation>
    </message>
    <message>
        <source>%1: %2 answers, %3 wrong (%4 %), median %5 s</source>
        <translation>%1: %2 respostas, %3 erradas (%4 %), mediana %5 s</translation>
    </message>
</context>
<context>
    <name>staverly::aboutFrm</name>
    <message>
        <source>Last Updated 8/7/2000</source>
        <translation>Última atualização: 7/8/2000</translation>
    </message>
    <message>
        <source>Read the staff. Find the key. Play the note.</source>
        <translation>Leia a pauta. Encontre a tecla. Toque a nota.</translation>
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
        <translation>Barra de progresso das perguntas.</translation>
    </message>
    <message>
        <source>Click in this area to open  Lesson Setup...</source>
        <translation>Clique nesta área para abrir a Configuração da lição...</translation>
    </message>
    <message>
        <source>Click here to start a new game.</source>
        <translation>Clique aqui para começar uma nova lição.</translation>
    </message>
    <message>
        <source>Click here to see clue or click on note. You can also press the space- bar</source>
        <translation>Clique aqui para ver uma dica, ou clique na nota. Você também pode apertar a barra de espaço.</translation>
    </message>
    <message>
        <source>New lesson</source>
        <translation>Nova lição</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Midi Indicator</source>
        <translation>Medidor MIDI</translation>
    </message>
    <message>
        <source>The player list &quot;%1&quot; could not be created: %2.</source>
        <translation>Não foi possível criar a lista de jogadores &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Are you sure you want to Quit?</source>
        <translation>Tem certeza de que deseja sair?</translation>
    </message>
    <message>
        <source>Exit Notification</source>
        <translation>Sair do Staverly</translation>
    </message>
</context>
<context>
    <name>staverly::gradesFrm</name>
    <message>
        <source>User Name                </source>
        <translation>Nome do jogador          </translation>
    </message>
    <message>
        <source>Lesson         </source>
        <translation>Lição          </translation>
    </message>
    <message>
        <source>Yes    </source>
        <translation>Sim    </translation>
    </message>
    <message>
        <source>No     </source>
        <translation>Não    </translation>
    </message>
    <message>
        <source>Score   </source>
        <translation>Pontuação  </translation>
    </message>
    <message>
        <source>Date                              </source>
        <translation>Data                              </translation>
    </message>
    <message>
        <source>Grades</source>
        <translation>Boletim</translation>
    </message>
    <message>
        <source>&amp;Print HTML Report...</source>
        <translation>&amp;Imprimir relatório HTML...</translation>
    </message>
    <message>
        <source>Click here to make a printable HTML report.</source>
        <translation>Clique aqui para gerar um relatório HTML para imprimir.</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Click here to clear the current grade report.</source>
        <translation>Clique aqui para limpar o boletim atual.</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation>&amp;Progresso...</translation>
    </message>
    <message>
        <source>Click here to see each pupil&apos;s progress and weak notes.</source>
        <translation>Clique aqui para ver o progresso e as notas difíceis de cada aluno.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Click here to close window.</source>
        <translation>Clique aqui para fechar a janela.</translation>
    </message>
    <message>
        <source>%1 line(s) of the grade log &quot;%2&quot; could not be read as lessons and are left out here. The file itself is left as it is.</source>
        <translation>%1 linha(s) do boletim &quot;%2&quot; não puderam ser lidas como lições e ficaram de fora aqui. O arquivo em si continua como está.</translation>
    </message>
    <message>
        <source>Are you sure you want to clear this list?<byte value="xd"/>
Change can not be undone.</source>
        <translation>Tem certeza de que deseja limpar esta lista?<byte value="xd"/>
Esta alteração não pode ser desfeita.</translation>
    </message>
    <message>
        <source>Remove Grades Notification</source>
        <translation>Limpar o boletim</translation>
    </message>
    <message>
        <source>The grade log &quot;%1&quot; could not be deleted: %2. Every lesson in it is kept.</source>
        <translation>Não foi possível apagar o boletim &quot;%1&quot;: %2. Todas as lições dele continuam guardadas.</translation>
    </message>
    <message>
        <source>Save Grade Report As...</source>
        <translation>Salvar relatório do boletim como...</translation>
    </message>
    <message>
        <source>The grade report could not be saved as &quot;%1&quot;: %2</source>
        <translation>Não foi possível salvar o relatório do boletim como &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>staverly::midiFrm</name>
    <message>
        <source>Midi Setup</source>
        <translation>Configuração MIDI</translation>
    </message>
    <message>
        <source>Midi In</source>
        <translation>Entrada MIDI</translation>
    </message>
    <message>
        <source>Check here if using and external keyboard</source>
        <translation>Marque aqui se estiver usando um teclado externo</translation>
    </message>
    <message>
        <source>Midi &amp;In Enabled</source>
        <translation>&amp;Entrada MIDI ativada</translation>
    </message>
    <message>
        <source>Check here to enable Midi Through</source>
        <translation>Marque aqui para ativar o MIDI Thru</translation>
    </message>
    <message>
        <source>Midi &amp;Through</source>
        <translation>MIDI &amp;Thru</translation>
    </message>
    <message>
        <source>Midi In Device</source>
        <translation>Dispositivo de entrada MIDI</translation>
    </message>
    <message>
        <source>Select the Midi Input device</source>
        <translation>Escolha o dispositivo de entrada MIDI</translation>
    </message>
    <message>
        <source>Midi Out</source>
        <translation>Saída MIDI</translation>
    </message>
    <message>
        <source>Midi Out Device</source>
        <translation>Dispositivo de saída MIDI</translation>
    </message>
    <message>
        <source>Select here to choose a midi output device</source>
        <translation>Escolha aqui um dispositivo de saída MIDI</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrumento</translation>
    </message>
    <message>
        <source>Select here to choose an instrument</source>
        <translation>Escolha aqui um instrumento</translation>
    </message>
    <message>
        <source>Midi Channel</source>
        <translation>Canal MIDI</translation>
    </message>
    <message>
        <source>Choose a Midi In channel</source>
        <translation>Escolha um canal MIDI</translation>
    </message>
    <message>
        <source>Midi Volume</source>
        <translation>Volume MIDI</translation>
    </message>
    <message>
        <source>Slide here to adjust midi out volume</source>
        <translation>Deslize aqui para ajustar o volume da saída MIDI</translation>
    </message>
    <message>
        <source>Click here to hear instrument on synthesizer</source>
        <translation>Clique aqui para ouvir o instrumento no sintetizador</translation>
    </message>
    <message>
        <source>Test Note</source>
        <translation>Testar nota</translation>
    </message>
    <message>
        <source>Click here to close window</source>
        <translation>Clique aqui para fechar a janela</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>The delay from a note to the loudspeakers, as the sound server measures it</source>
        <translation>O atraso de uma nota até os alto-falantes, medido pelo servidor de som</translation>
    </message>
</context>
<context>
    <name>staverly::playerFrm</name>
    <message>
        <source>Player Setup</source>
        <translation>Configuração de jogadores</translation>
    </message>
    <message>
        <source>Current Player:</source>
        <translation>Jogador atual:</translation>
    </message>
    <message>
        <source>Select a player from the list</source>
        <translation>Escolha um jogador da lista</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>Click here to remove the selected player</source>
        <translation>Clique aqui para remover o jogador selecionado</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Adicionar...</translation>
    </message>
    <message>
        <source>Click here to add a new player</source>
        <translation>Clique aqui para adicionar um novo jogador</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click here to close window</source>
        <translation>Clique aqui para fechar a janela</translation>
    </message>
    <message>
        <source>Please enter name!</source>
        <translation>Por favor, digite o nome!</translation>
    </message>
    <message>
        <source>Staverly Players</source>
        <translation>Jogadores do Staverly</translation>
    </message>
    <message>
        <source>You have not selected a current player!<byte value="xd"/>
You must select one before closing this window.</source>
        <translation>Você não selecionou o jogador atual!<byte value="xd"/>
Escolha um antes de fechar esta janela.</translation>
    </message>
    <message>
        <source>Player Setup Error</source>
        <translation>Erro na configuração de jogadores</translation>
    </message>
    <message>
        <source>The player list &quot;%1&quot; could not be saved: %2. It is left as it was.</source>
        <translation>Não foi possível salvar a lista de jogadores &quot;%1&quot;: %2. Ela continua como estava.</translation>
    </message>
    <message>
        <source>The player list &quot;%1&quot; was not written as UTF-8 throughout. It has been written anew as UTF-8, with every name kept.</source>
        <translation>A lista de jogadores &quot;%1&quot; não estava toda em UTF-8. Ela foi regravada em UTF-8, com todos os nomes mantidos.</translation>
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
        <translation>clave de fá</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Choose whose progress to see</source>
        <translation>Escolha de quem você quer ver o progresso</translation>
    </message>
    <message>
        <source>By day</source>
        <translation>Por dia</translation>
    </message>
    <message>
        <source>By week</source>
        <translation>Por semana</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Jogador:</translation>
    </message>
    <message>
        <source>&amp;Lessons:</source>
        <translation>&amp;Lições:</translation>
    </message>
    <message>
        <source>Notes on the keyboard</source>
        <translation>Notas no teclado</translation>
    </message>
    <message>
        <source>&amp;Treble Clef</source>
        <translation>Clave de &amp;sol</translation>
    </message>
    <message>
        <source>&amp;Bass Clef</source>
        <translation>Clave de &amp;fá</translation>
    </message>
    <message>
        <source>&amp;Wrong answers</source>
        <translation>&amp;Respostas erradas</translation>
    </message>
    <message>
        <source>Answer t&amp;ime</source>
        <translation>&amp;Tempo de resposta</translation>
    </message>
    <message>
        <source>Most &amp;confused notes:</source>
        <translation>Notas mais &amp;confundidas:</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportar CSV...</translation>
    </message>
    <message>
        <source>Save every answer of this player for a spreadsheet</source>
        <translation>Salvar todas as respostas deste jogador num arquivo de planilha</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Fec&amp;har</translation>
    </message>
    <message>
        <source>the letter %1</source>
        <translation>a letra %1</translation>
    </message>
    <message>
        <source>%1 (%2) answered as %3: %4 time</source>
        <translation>%1 (%2) respondida como %3: %4 vez</translation>
    </message>
    <message>
        <source>%1 (%2) answered as %3: %4 times</source>
        <translation>%1 (%2) respondida como %3: %4 vezes</translation>
    </message>
    <message>
        <source>No note answered wrong yet.</source>
        <translation>Nenhuma resposta errada ainda.</translation>
    </message>
    <message>
        <source>%1: score and median answer time</source>
        <translation>%1: pontuação e tempo mediano de resposta</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dia</translation>
    </message>
    <message>
        <source>Score %</source>
        <translation>Pontuação %</translation>
    </message>
    <message>
        <source>Median time (s)</source>
        <translation>Tempo mediano (s)</translation>
    </message>
    <message>
        <source>Treble score</source>
        <translation>Pontuação na clave de sol</translation>
    </message>
    <message>
        <source>Bass score</source>
        <translation>Pontuação na clave de fá</translation>
    </message>
    <message>
        <source>Treble time</source>
        <translation>Tempo na clave de sol</translation>
    </message>
    <message>
        <source>Bass time</source>
        <translation>Tempo na clave de fá</translation>
    </message>
    <message>
        <source>%1: no answers kept yet</source>
        <translation>%1: nenhuma resposta guardada ainda</translation>
    </message>
    <message>
        <source>Export Answers As...</source>
        <translation>Exportar respostas como...</translation>
    </message>
    <message>
        <source>The answers could not be saved as &quot;%1&quot;: %2</source>
        <translation>Não foi possível salvar as respostas como &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>staverly::setupFrm</name>
    <message>
        <source>Lesson Setup</source>
        <translation>Configuração da lição</translation>
    </message>
    <message>
        <source>Player&apos;s Name</source>
        <translation>Nome do jogador</translation>
    </message>
    <message>
        <source>Current Player&apos;s Name</source>
        <translation>Nome do jogador atual</translation>
    </message>
    <message>
        <source>Click here to change player</source>
        <translation>Clique aqui para trocar de jogador</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>Save &amp;Grades</source>
        <translation>Salvar no &amp;boletim</translation>
    </message>
    <message>
        <source>Check here to enable auto grade saving</source>
        <translation>Marque aqui para registrar as lições no boletim automaticamente</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Select here for Treble Clef.</source>
        <translation>Escolha aqui a clave de sol.</translation>
    </message>
    <message>
        <source>&amp;Treble Clef</source>
        <translation>Clave de &amp;sol</translation>
    </message>
    <message>
        <source>Select here for Bass Clef</source>
        <translation>Escolha aqui a clave de fá</translation>
    </message>
    <message>
        <source>&amp;Bass Clef</source>
        <translation>Clave de &amp;fá</translation>
    </message>
    <message>
        <source>Use &amp;Chromatics</source>
        <translation>Usar notas &amp;cromáticas</translation>
    </message>
    <message>
        <source>Check here to include chromatic notes</source>
        <translation>Marque aqui para incluir as notas cromáticas</translation>
    </message>
    <message>
        <source>Optional Use Letter Keys Too!</source>
        <translation>Você também pode responder pelo teclado do computador!</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Perguntas</translation>
    </message>
    <message>
        <source>Select the number of questions for a lesson</source>
        <translation>Escolha o número de perguntas de uma lição</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Cronômetro</translation>
    </message>
    <message>
        <source>Use &amp;Timer</source>
        <translation>Usar c&amp;ronômetro</translation>
    </message>
    <message>
        <source>Check here to enable Timer</source>
        <translation>Marque aqui para ativar o cronômetro</translation>
    </message>
    <message>
        <source>Time To:</source>
        <translation>Tempo limite:</translation>
    </message>
    <message>
        <source>Slide here to adjust lesson timer.</source>
        <translation>Deslize aqui para ajustar o cronômetro da lição.</translation>
    </message>
    <message>
        <source>Seconds to answer</source>
        <translation>Segundos para responder</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Outros</translation>
    </message>
    <message>
        <source>Enable Clues</source>
        <translation>Ativar dicas</translation>
    </message>
    <message>
        <source>Check here to enable clues</source>
        <translation>Marque aqui para ativar as dicas</translation>
    </message>
    <message>
        <source>Use Sound Effects</source>
        <translation>Usar efeitos sonoros</translation>
    </message>
    <message>
        <source>Check here to enable sound effects</source>
        <translation>Marque aqui para ativar os efeitos sonoros</translation>
    </message>
    <message>
        <source>Practise &amp;weak notes</source>
        <translation>Reforçar notas &amp;difíceis</translation>
    </message>
    <message>
        <source>Check here to be asked the notes you miss more often</source>
        <translation>Marque aqui para que as notas que você mais erra sejam perguntadas com mais frequência</translation>
    </message>
    <message>
        <source>&amp;Show On Startup</source>
        <translation>&amp;Mostrar ao iniciar</translation>
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
        <translation>Gerador de testes</translation>
    </message>
    <message>
        <source>This featur will help you to make a printable HTML note test based on the current range and clef selected.</source>
        <translation>Este recurso ajuda você a gerar um teste de notas em HTML para imprimir, com a faixa e a clave escolhidas agora.</translation>
    </message>
    <message>
        <source>Test Setup</source>
        <translation>Configuração do teste</translation>
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
        <translation>&amp;Gabarito</translation>
    </message>
    <message>
        <source>Check here to save an answer key with the test.</source>
        <translation>Marque aqui para salvar um gabarito junto com o teste.</translation>
    </message>
    <message>
        <source>Questions:</source>
        <translation>Perguntas:</translation>
    </message>
    <message>
        <source>Enter the number of test questions.</source>
        <translation>Digite o número de perguntas do teste.</translation>
    </message>
    <message>
        <source>&amp;Make Test...</source>
        <translation>Gerar &amp;teste...</translation>
    </message>
    <message>
        <source>Click here to make and save note test.</source>
        <translation>Clique aqui para gerar e salvar o teste de notas.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Save Note Test As...</source>
        <translation>Salvar teste de notas como...</translation>
    </message>
    <message>
        <source>The note test could not be saved as &quot;%1&quot;: %2</source>
        <translation>Não foi possível salvar o teste de notas como &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 já existe.
Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>The note test was saved, but its answer key could not be saved as &quot;%1&quot;: %2</source>
        <translation>O teste de notas foi salvo, mas não foi possível salvar o gabarito como &quot;%1&quot;: %2</translation>
    </message>
</context>
</TS>
