<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>Column %1, row %2</source>
        <translation>Columna %1, fila %2</translation>
    </message>
    <message>
        <source>, level %1</source>
        <translation>, nivel %1</translation>
    </message>
    <message>
        <source>, selected</source>
        <translation>, elegida</translation>
    </message>
    <message>
        <source>Correct %1</source>
        <translation>Aciertos %1</translation>
    </message>
    <message>
        <source>Wrong %1</source>
        <translation>Errores %1</translation>
    </message>
    <message>
        <source>Hints %1</source>
        <translation>Pistas %1</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>picture: %1</source>
        <translation>imagen: %1</translation>
    </message>
</context>
<context>
    <name>BoardPainter</name>
    <message>
        <source>Correct</source>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Errores</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Pistas</translation>
    </message>
    <message>
        <source>Removed Tiles</source>
        <translation>Fichas retiradas</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Open a word list with File &gt; Open: a line describing the list, then each word and its partner on two lines of their own.</source>
        <translation>Abra una lista de palabras con Archivo &gt; Abrir: una línea que describe la lista y luego cada palabra y su pareja, cada una en su propia línea.</translation>
    </message>
    <message>
        <source>Click two tiles that belong together to remove them. Only the top tile of a stack can be picked; the right mouse button peeks at a tile&apos;s partner word and counts as a hint.</source>
        <translation>Haga clic en dos fichas que van juntas para quitarlas. Solo se puede elegir la ficha de arriba de cada pila; el botón derecho del ratón muestra la palabra pareja de una ficha y cuenta como pista.</translation>
    </message>
    <message>
        <source>About Glossatiles</source>
        <translation>Acerca de Glossatiles</translation>
    </message>
    <message>
        <source>Glossatiles Version %1</source>
        <translation>Glossatiles versión %1</translation>
    </message>
    <message>
        <source>Written by the Glossatiles developers, 2026</source>
        <translation>Escrito por los desarrolladores de Glossatiles, 2026</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Edit &gt; Undo puts the last pair removed back on the board, and Redo removes it again. Help &gt; Keys lists every key.</source>
        <translation>Edición &gt; Deshacer vuelve a poner en el tablero el último par retirado, y Rehacer lo retira de nuevo. Ayuda &gt; Teclas muestra todas las teclas.</translation>
    </message>
</context>
<context>
    <name>CChoiceDlg</name>
    <message>
        <source>Choose the Word</source>
        <translation>Elegir la palabra</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>Choose its translation:</source>
        <translation>Elija su traducción:</translation>
    </message>
    <message>
        <source>Choose its word:</source>
        <translation>Elija su palabra:</translation>
    </message>
    <message numerus="yes">
        <source>The round is over: %n question(s).</source>
        <translation>
            <numerusform>La ronda ha terminado: %n pregunta.</numerusform>
            <numerusform>La ronda ha terminado: %n preguntas.</numerusform>
        </translation>
    </message>
    <message>
        <source>

Right at the first try: %1
Right after a retry: %2
Wrong: %3
Time: %4</source>
        <translation>

Bien al primer intento: %1
Bien tras repetir: %2
Mal: %3
Tiempo: %4</translation>
    </message>
</context>
<context>
    <name>CDrawLevelDlg</name>
    <message>
        <source>Draw Level</source>
        <translation>Mostrar nivel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Enter 0 for normal display or the level number for a single level.  E.G. 1, 2, 3,...</source>
        <translation>Escriba 0 para la vista normal o el número de un nivel para ver solo ese nivel.  P. ej. 1, 2, 3,...</translation>
    </message>
</context>
<context>
    <name>CFlashcardDlg</name>
    <message>
        <source>Flashcards</source>
        <translation>Tarjetas de memoria</translation>
    </message>
    <message>
        <source>&amp;Turn the Card</source>
        <translation>&amp;Dar la vuelta</translation>
    </message>
    <message>
        <source>Type the &amp;Again Cards</source>
        <translation>Escribir las tarjetas &amp;otra vez</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Respuesta: %1</translation>
    </message>
    <message numerus="yes">
        <source>The round is over: %n card(s).</source>
        <translation>
            <numerusform>La ronda ha terminado: %n tarjeta.</numerusform>
            <numerusform>La ronda ha terminado: %n tarjetas.</numerusform>
        </translation>
    </message>
    <message>
        <source>

Again: %1
Hard: %2
Good: %3
Easy: %4
Time: %5</source>
        <translation>

Otra vez: %1
Difícil: %2
Bien: %3
Fácil: %4
Tiempo: %5</translation>
    </message>
</context>
<context>
    <name>CGameFinishedDlg</name>
    <message>
        <source>Game finished</source>
        <translation>Partida terminada</translation>
    </message>
    <message>
        <source>Time: %1    Correct: %2    Wrong: %3    Hints: %4    Undos: %5</source>
        <translation>Tiempo: %1    Correctas: %2    Incorrectas: %3    Pistas: %4    Deshacer: %5</translation>
    </message>
    <message>
        <source>Pairs to practise, hardest first:</source>
        <translation>Pares para practicar, los más difíciles primero:</translation>
    </message>
    <message>
        <source>Well done: no pair missed</source>
        <translation>Bien hecho: ningún par fallado</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Pareja</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Fallado</translation>
    </message>
    <message>
        <source>Hinted</source>
        <translation>Con pista</translation>
    </message>
    <message>
        <source>Peeked</source>
        <translation>Mirado</translation>
    </message>
    <message>
        <source>Confused with</source>
        <translation>Confundido con</translation>
    </message>
    <message>
        <source>Play Missed Pairs</source>
        <translation>Jugar los pares fallados</translation>
    </message>
    <message>
        <source>Save Missed Pairs…</source>
        <translation>Guardar los pares fallados…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Type the Missed Pairs</source>
        <translation>Escribir los pares fallados</translation>
    </message>
    <message>
        <source>Type the Review Pairs</source>
        <translation>Escribir los pares del repaso</translation>
    </message>
    <message numerus="yes">
        <source>missed %n time(s)</source>
        <translation>
            <numerusform>fallado una vez</numerusform>
            <numerusform>fallado %n veces</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hinted %n time(s)</source>
        <translation>
            <numerusform>con pista una vez</numerusform>
            <numerusform>con pista %n veces</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>peeked %n time(s)</source>
        <translation>
            <numerusform>mirado una vez</numerusform>
            <numerusform>mirado %n veces</numerusform>
        </translation>
    </message>
    <message>
        <source>confused with %1</source>
        <translation>confundido con %1</translation>
    </message>
    <message>
        <source>Pairs to practise</source>
        <translation>Pares para practicar</translation>
    </message>
    <message>
        <source>Flashcards</source>
        <translation>Tarjetas de memoria</translation>
    </message>
    <message>
        <source>Choose the Word</source>
        <translation>Elegir la palabra</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
</context>
<context>
    <name>CGlossatilesView</name>
    <message>
        <source>ID for the first mouse right click menu</source>
        <translation>ID del primer menú del clic derecho</translation>
    </message>
</context>
<context>
    <name>CHowToPlayDlg</name>
    <message>
        <source>How to Play</source>
        <translation>Reglas del juego</translation>
    </message>
    <message>
        <source>word</source>
        <translation>palabra</translation>
    </message>
    <message>
        <source>partner</source>
        <translation>pareja</translation>
    </message>
    <message>
        <source>Each tile shows a word. Pick it, then the tile with its partner word: the pair leaves the board and counts as Correct.</source>
        <translation>Cada ficha muestra una palabra. Elíjala y después la ficha con su palabra pareja: la pareja sale del tablero y cuenta como Correcto.</translation>
    </message>
    <message>
        <source>Tiles lie in stacks, on several levels; the colour of a tile shows its level. Only a free tile, the top tile of its stack, can be picked.</source>
        <translation>Las fichas forman pilas en varios niveles; el color de una ficha muestra su nivel. Solo se puede elegir una ficha libre, la de arriba de su pila.</translation>
    </message>
    <message>
        <source>A tile that is not the partner is marked with a red X and counts as Wrong. The tile you picked first stays selected.</source>
        <translation>Una ficha que no es la pareja se marca con una X roja y cuenta como Incorrecto. La ficha elegida primero sigue elegida.</translation>
    </message>
    <message>
        <source>Peek: hold the right mouse button on a tile to see its partner word. Hint (Ctrl+H) frames a free pair. Both count as hints.</source>
        <translation>Vistazo: mantenga pulsado el botón derecho del ratón sobre una ficha para ver su palabra pareja. Pista (Ctrl+H) enmarca una pareja libre. Ambos cuentan como pistas.</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z) puts the last pair back on the board; Redo (Ctrl+Y) takes it away again.</source>
        <translation>Deshacer (Ctrl+Z) devuelve la última pareja al tablero; Rehacer (Ctrl+Y) la vuelve a quitar.</translation>
    </message>
    <message>
        <source>New Game deals the tiles at random, so a board may end with no free pair. New Game3 deals tiles that can always be cleared.</source>
        <translation>Partida nueva reparte las fichas al azar, así que el tablero puede acabar sin pareja libre. Partida nueva3 reparte fichas que siempre se pueden retirar.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>A tile may show a picture in place of its word, or above it. A small speaker marks a word with a recording: with View &gt; Play Sounds on, picking the tile plays it.</source>
        <translation>Una ficha puede mostrar una imagen en lugar de su palabra, o encima de ella. Un pequeño altavoz señala una palabra con grabación: con Ver &gt; Reproducir grabaciones activado, al elegir la ficha se reproduce.</translation>
    </message>
</context>
<context>
    <name>CKeysDlg</name>
    <message>
        <source>Right, Left</source>
        <translation>Derecha, Izquierda</translation>
    </message>
    <message>
        <source>Next or previous stack with a tile, row by row</source>
        <translation>Pila siguiente o anterior con una ficha, fila por fila</translation>
    </message>
    <message>
        <source>Up, Down</source>
        <translation>Arriba, Abajo</translation>
    </message>
    <message>
        <source>Nearest stack with a tile above or below</source>
        <translation>Pila más cercana con una ficha arriba o abajo</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Inicio, Fin</translation>
    </message>
    <message>
        <source>First or last stack with a tile</source>
        <translation>Primera o última pila con una ficha</translation>
    </message>
    <message>
        <source>Enter, Return, Space</source>
        <translation>Intro, Espacio</translation>
    </message>
    <message>
        <source>Pick the tile under the cursor, or drop the selection</source>
        <translation>Elegir la ficha bajo el cursor, o quitar la selección</translation>
    </message>
    <message>
        <source>Shift+Enter (hold)</source>
        <translation>Mayús+Intro (mantener)</translation>
    </message>
    <message>
        <source>Peek at the tile&apos;s partner word (counts as a hint)</source>
        <translation>Ver la palabra pareja de la ficha (cuenta como pista)</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Drop the selection</source>
        <translation>Quitar la selección</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>Qué hacen</translation>
    </message>
    <message>
        <source>Open the %1 menu</source>
        <translation>Abrir el menú %1</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>CPracticeDlg</name>
    <message>
        <source>Word → translation</source>
        <translation>Palabra → traducción</translation>
    </message>
    <message>
        <source>Translation → word</source>
        <translation>Traducción → palabra</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mezclado</translation>
    </message>
    <message>
        <source>&amp;Direction:</source>
        <translation>D&amp;irección:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>End Round</source>
        <translation>Terminar la ronda</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Listen and type</source>
        <translation>Escuchar y escribir</translation>
    </message>
</context>
<context>
    <name>CProgressDlg</name>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Pareja</translation>
    </message>
    <message>
        <source>Misses</source>
        <translation>Fallos</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Last missed</source>
        <translation>Último fallo</translation>
    </message>
    <message>
        <source>Play Hardest Pairs</source>
        <translation>Jugar los pares más difíciles</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Review forecast of every list</source>
        <translation>Previsión de repasos de todas las listas</translation>
    </message>
    <message>
        <source>&amp;Games</source>
        <translation>&amp;Partidas</translation>
    </message>
    <message>
        <source>&amp;Memory</source>
        <translation>&amp;Memoria</translation>
    </message>
</context>
<context>
    <name>CReviewSettingsDlg</name>
    <message>
        <source>Review Settings</source>
        <translation>Ajustes de repaso</translation>
    </message>
    <message>
        <source>The share of pairs you want to recall when they come due: the higher, the sooner each pair comes back.</source>
        <translation>La parte de los pares que quiere recordar cuando tocan: cuanto más alta, antes vuelve cada par.</translation>
    </message>
    <message>
        <source>&amp;Desired retention:</source>
        <translation>&amp;Retención deseada:</translation>
    </message>
    <message>
        <source>Most pairs in one Today&apos;s &amp;Review:</source>
        <translation>Pares como máximo en un &amp;repaso de hoy:</translation>
    </message>
    <message>
        <source> pairs</source>
        <translation> pares</translation>
    </message>
    <message>
        <source>Daily &amp;goal:</source>
        <translation>&amp;Meta diaria:</translation>
    </message>
    <message>
        <source>Reviews a day over the next %1 days, by desired retention</source>
        <translation>Repasos al día en los próximos %1 días, según la retención deseada</translation>
    </message>
    <message>
        <source>Desired retention</source>
        <translation>Retención deseada</translation>
    </message>
    <message>
        <source>Reviews a day</source>
        <translation>Repasos al día</translation>
    </message>
    <message>
        <source>Reviews a day by desired retention</source>
        <translation>Repasos al día según la retención deseada</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The schedule cannot be read: %1</source>
        <translation>No se puede leer el calendario de repasos: %1</translation>
    </message>
    <message numerus="yes">
        <source>At %1 you can expect about %n review(s) a day over the next %2 days.</source>
        <translation>
            <numerusform>Con %1 puede contar con unos %n repaso al día en los próximos %2 días.</numerusform>
            <numerusform>Con %1 puede contar con unos %n repasos al día en los próximos %2 días.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>That is %n more a day than at the %1 in use now.</source>
        <translation>
            <numerusform>Es %n más al día que con el %1 actual.</numerusform>
            <numerusform>Son %n más al día que con el %1 actual.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>That is %n fewer a day than at the %1 in use now.</source>
        <translation>
            <numerusform>Es %n menos al día que con el %1 actual.</numerusform>
            <numerusform>Son %n menos al día que con el %1 actual.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CTypingRoundDlg</name>
    <message>
        <source>Right</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Incorrecto</translation>
    </message>
    <message>
        <source>Type the Words</source>
        <translation>Escribir las palabras</translation>
    </message>
    <message>
        <source>&amp;Direction:</source>
        <translation>&amp;Dirección:</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Su respuesta</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>End Round</source>
        <translation>Terminar la ronda</translation>
    </message>
    <message>
        <source>Type the translation of:</source>
        <translation>Escriba la traducción de:</translation>
    </message>
    <message>
        <source>Type the word for:</source>
        <translation>Escriba la palabra para:</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>The answer: %1</source>
        <translation>La respuesta: %1</translation>
    </message>
    <message>
        <source>You typed: %1</source>
        <translation>Ha escrito: %1</translation>
    </message>
    <message>
        <source>The round is over.

Right at the first try: %1
Right after a retry: %2
Wrong: %3
Time: %4</source>
        <translation>La ronda ha terminado.

Correcto al primer intento: %1
Correcto tras repetir: %2
Incorrecto: %3
Tiempo: %4</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Mind the accents</source>
        <translation>Cuidado con los acentos</translation>
    </message>
    <message>
        <source>Almost</source>
        <translation>Casi</translation>
    </message>
    <message>
        <source>&amp;I was right</source>
        <translation>&amp;Tenía razón</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Counted as right</source>
        <translation>Contado como correcto</translation>
    </message>
    <message>
        <source>&amp;Listen again</source>
        <translation>&amp;Escuchar de nuevo</translation>
    </message>
    <message>
        <source>Type what you hear:</source>
        <translation>Escriba lo que oye:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
</context>
<context>
    <name>CWordListDlg</name>
    <message>
        <source>Word List</source>
        <translation>Lista de palabras</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
</context>
<context>
    <name>ClassResultsDlg</name>
    <message numerus="yes">
        <source>The class&apos;s results for %1: %n learner(s)</source>
        <translation>
            <numerusform>Resultados de la clase para %1: %n alumno</numerusform>
            <numerusform>Resultados de la clase para %1: %n alumnos</numerusform>
        </translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Pareja</translation>
    </message>
    <message>
        <source>Learners</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Fallado</translation>
    </message>
    <message>
        <source>Mean recall today</source>
        <translation>Recuerdo medio hoy</translation>
    </message>
    <message>
        <source>Hardest for</source>
        <translation>Más difícil para</translation>
    </message>
    <message>
        <source>Learner</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Pairs seen</source>
        <translation>Parejas vistas</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Por repasar</translation>
    </message>
    <message>
        <source>Mature</source>
        <translation>Consolidadas</translation>
    </message>
    <message>
        <source>Last practice</source>
        <translation>Última práctica</translation>
    </message>
    <message>
        <source>Class Results</source>
        <translation>Resultados de la clase</translation>
    </message>
    <message>
        <source>Pairs, hardest first</source>
        <translation>Parejas, las más difíciles primero</translation>
    </message>
    <message>
        <source>Deal the Class&apos;s Hardest Pairs</source>
        <translation>Repartir las parejas más difíciles de la clase</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Exportar CSV...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Edit as New List</source>
        <translation>Editar como lista nueva</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nuevo	Ctrl+N</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Crea un documento nuevo
Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Abrir...	Ctrl+O</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Abre un documento existente
Abrir</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Guardar	Ctrl+S</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Guarda el documento activo
Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Guarda el documento activo con otro nombre
Guardar como</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimir...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Imprime el documento activo
Imprimir</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vista previa de impresión</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Muestra páginas completas
Vista previa de impresión</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Con&amp;figurar impresión...</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Cambia la impresora y las opciones de impresión
Configurar impresión</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Archivo reciente</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Abre este documento</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Sale de la aplicación; pregunta si se guardan los documentos
Salir</translation>
    </message>
    <message>
        <source>Load Saved Game</source>
        <translation>Cargar partida guardada</translation>
    </message>
    <message>
        <source>Loads an in progress game .</source>
        <translation>Carga una partida en curso.</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Deshacer	Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Deshace la última acción
Deshacer</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>Cor&amp;tar	Ctrl+X</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Corta la selección y la coloca en el Portapapeles
Cortar</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Copiar	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Copia la selección y la coloca en el Portapapeles
Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;Pegar	Ctrl+V</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Inserta el contenido del Portapapeles
Pegar</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de herramientas</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Muestra u oculta la barra de herramientas
Mostrar u ocultar la barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Muestra u oculta la barra de estado
Mostrar u ocultar la barra de estado</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Starts a new game using the current word list. Tiles may be blocked.</source>
        <translation>Empieza una partida nueva con la lista de palabras actual. Puede haber fichas bloqueadas.</translation>
    </message>
    <message>
        <source>New Game3</source>
        <translation>Nueva partida3</translation>
    </message>
    <message>
        <source>Arranges tiles checking that they are not blocked above. </source>
        <translation>Coloca las fichas comprobando que ninguna quede bloqueada por arriba.</translation>
    </message>
    <message>
        <source>&amp;Word List</source>
        <translation>&amp;Lista de palabras</translation>
    </message>
    <message>
        <source>Displays the currently loaded word list </source>
        <translation>Muestra la lista de palabras cargada</translation>
    </message>
    <message>
        <source>Random number test</source>
        <translation>Prueba de números aleatorios</translation>
    </message>
    <message>
        <source>Draw Level</source>
        <translation>Mostrar nivel</translation>
    </message>
    <message>
        <source>Display all or one level of tiles.</source>
        <translation>Muestra todos los niveles de fichas o uno solo.</translation>
    </message>
    <message>
        <source>&amp;About Glossatiles...</source>
        <translation>&amp;Acerca de Glossatiles...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Muestra información del programa, número de versión y copyright
Acerca de</translation>
    </message>
    <message>
        <source>Displays the next level of tiles down.</source>
        <translation>Muestra el siguiente nivel de fichas hacia abajo.</translation>
    </message>
    <message>
        <source>Displays the next level of tiles up.</source>
        <translation>Muestra el siguiente nivel de fichas hacia arriba.</translation>
    </message>
    <message>
        <source>Show all tile levels.</source>
        <translation>Muestra todos los niveles de fichas.</translation>
    </message>
    <message>
        <source>Hint - highlights a matching pair of tiles.</source>
        <translation>Pista: resalta una pareja de fichas que van juntas.</translation>
    </message>
    <message>
        <source>Auto removes a pair of tiles.</source>
        <translation>Quita automáticamente una pareja de fichas.</translation>
    </message>
    <message>
        <source>Fast auto finishes the game. Good for testing that no tiles are blocked (save game first).</source>
        <translation>Termina la partida rápida y automáticamente. Útil para comprobar que ninguna ficha está bloqueada (guarde antes la partida).</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation>&amp;Progreso...</translation>
    </message>
    <message>
        <source>Shows your finished games of this list and its hardest pairs
Progress</source>
        <translation>Muestra sus partidas terminadas de esta lista y sus pares más difíciles
Progreso</translation>
    </message>
    <message>
        <source>&amp;Export Word List...</source>
        <translation>E&amp;xportar lista de palabras...</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Rehacer	Ctrl+Y</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>Rehace la última acción deshecha
Rehacer</translation>
    </message>
    <message>
        <source>Speak &amp;Words</source>
        <translation>&amp;Pronunciar las palabras</translation>
    </message>
    <message>
        <source>Speaks the word of each picked tile.
Speak Words</source>
        <translation>Pronuncia la palabra de cada ficha elegida.
Pronunciar las palabras</translation>
    </message>
    <message>
        <source>&amp;Languages...</source>
        <translation>&amp;Idiomas...</translation>
    </message>
    <message>
        <source>Chooses the language each side of the list is spoken in.
Languages</source>
        <translation>Elige el idioma en que se pronuncia cada lado de la lista.
Idiomas</translation>
    </message>
    <message>
        <source>Level &amp;Down	Page Down</source>
        <translation>Nivel &amp;inferior	Av Pág</translation>
    </message>
    <message>
        <source>Level &amp;Up	Page Up</source>
        <translation>Nivel &amp;superior	Re Pág</translation>
    </message>
    <message>
        <source>&amp;All Levels	Ctrl+L</source>
        <translation>&amp;Todos los niveles	Ctrl+L</translation>
    </message>
    <message>
        <source>&amp;Hint	Ctrl+H</source>
        <translation>&amp;Pista	Ctrl+H</translation>
    </message>
    <message>
        <source>&amp;Auto Remove Pair	Ctrl+R</source>
        <translation>&amp;Quitar un par automáticamente	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Fast Auto Finish	Ctrl+F</source>
        <translation>&amp;Terminar rápido automáticamente	Ctrl+F</translation>
    </message>
    <message>
        <source>Zoom &amp;In	Ctrl++</source>
        <translation>&amp;Acercar	Ctrl++</translation>
    </message>
    <message>
        <source>Shows the board larger.</source>
        <translation>Muestra el tablero más grande.</translation>
    </message>
    <message>
        <source>Zoom &amp;Out	Ctrl+-</source>
        <translation>A&amp;lejar	Ctrl+-</translation>
    </message>
    <message>
        <source>Shows the board smaller.</source>
        <translation>Muestra el tablero más pequeño.</translation>
    </message>
    <message>
        <source>&amp;Fit to Window	Ctrl+0</source>
        <translation>Ajustar a la &amp;ventana	Ctrl+0</translation>
    </message>
    <message>
        <source>Shows the board as large as the window allows.</source>
        <translation>Muestra el tablero tan grande como la ventana permite.</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Teclas</translation>
    </message>
    <message>
        <source>Lists the keys that play the game without a mouse.</source>
        <translation>Enumera las teclas para jugar sin ratón.</translation>
    </message>
    <message>
        <source>Deal Boards That Can Be Cleared</source>
        <translation>Repartir tableros que se pueden vaciar</translation>
    </message>
    <message>
        <source>Deals each list you open as New Game3 does, so that every tile can be cleared.
Deal Boards That Can Be Cleared</source>
        <translation>Reparte cada lista que abre como lo hace «New Game3», para que se puedan retirar todas las fichas.
Repartir tableros que se pueden vaciar</translation>
    </message>
    <message>
        <source>New &amp;Word List	Ctrl+Shift+N</source>
        <translation>Nueva &amp;lista de palabras	Ctrl+Mayús+N</translation>
    </message>
    <message>
        <source>Opens the word-list editor on an empty list
New Word List</source>
        <translation>Abre el editor de listas con una lista vacía
Nueva lista de palabras</translation>
    </message>
    <message>
        <source>E&amp;dit Word List</source>
        <translation>E&amp;ditar lista de palabras</translation>
    </message>
    <message>
        <source>Opens the list in play in the word-list editor
Edit Word List</source>
        <translation>Abre la lista en juego en el editor de listas
Editar lista de palabras</translation>
    </message>
    <message>
        <source>Print Wor&amp;ksheet...</source>
        <translation>Imprimir fic&amp;ha...</translation>
    </message>
    <message>
        <source>Prints the list as a list, a test or cut-out cards
Print Worksheet</source>
        <translation>Imprime la lista como lista, prueba o tarjetas para recortar
Imprimir ficha</translation>
    </message>
    <message>
        <source>How to &amp;Play</source>
        <translation>&amp;Reglas del juego</translation>
    </message>
    <message>
        <source>Shows the rules of the game with pictures.</source>
        <translation>Muestra las reglas del juego con imágenes.</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>Im&amp;portar...</translation>
    </message>
    <message>
        <source>Shows the import choices before a word list is read
Import</source>
        <translation>Muestra las opciones de importación antes de leer una lista de palabras
Importar</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;Review	Ctrl+D</source>
        <translation>&amp;Repaso de hoy	Ctrl+D</translation>
    </message>
    <message>
        <source>Deals the pairs of every list that are due for review today
Today&apos;s Review</source>
        <translation>Reparte los pares de todas las listas que toca repasar hoy
Repaso de hoy</translation>
    </message>
    <message>
        <source>&amp;Type the Words	Ctrl+T</source>
        <translation>&amp;Escribir las palabras	Ctrl+T</translation>
    </message>
    <message>
        <source>Asks for the partner of each word of the list, one at a time.
Type the Words</source>
        <translation>Pide la pareja de cada palabra de la lista, una a una.
Escribir las palabras</translation>
    </message>
    <message>
        <source>Flash&amp;cards	Ctrl+K</source>
        <translation>Tarjetas de &amp;memoria	Ctrl+K</translation>
    </message>
    <message>
        <source>Shows the pairs due first as cards that you turn and grade yourself.
Flashcards</source>
        <translation>Muestra primero los pares pendientes como tarjetas que usted da la vuelta y califica.
Tarjetas de memoria</translation>
    </message>
    <message>
        <source>Choose the &amp;Word	Ctrl+M</source>
        <translation>E&amp;legir la palabra	Ctrl+M</translation>
    </message>
    <message>
        <source>Asks for the partner of each word among four answers.
Choose the Word</source>
        <translation>Pide la pareja de cada palabra entre cuatro respuestas.
Elegir la palabra</translation>
    </message>
    <message>
        <source>Review &amp;Settings...</source>
        <translation>Ajustes de &amp;repaso...</translation>
    </message>
    <message>
        <source>Chooses how much to remember, how many pairs to review and a daily goal
Review Settings</source>
        <translation>Elige cuánto quiere recordar, cuántos pares repasar y una meta diaria
Ajustes de repaso</translation>
    </message>
    <message>
        <source>Writes the word list as a native list, TSV, CSV, kvtml or an Anki package
Export Word List</source>
        <translation>Escribe la lista de palabras como lista nativa, TSV, CSV, kvtml o paquete de Anki
Exportar lista de palabras</translation>
    </message>
    <message>
        <source>Export &amp;My Results...</source>
        <translation>Exportar &amp;mis resultados...</translation>
    </message>
    <message>
        <source>Writes how you fare with the list in play to a file for your teacher
Export My Results</source>
        <translation>Escribe tus resultados con la lista en juego en un archivo para tu profesor
Exportar mis resultados</translation>
    </message>
    <message>
        <source>&amp;Class Results...</source>
        <translation>Resultados de la &amp;clase...</translation>
    </message>
    <message>
        <source>Gathers your learners&apos; results files and shows the class&apos;s hardest pairs
Class Results</source>
        <translation>Reúne los archivos de resultados de tus alumnos y muestra las parejas más difíciles de la clase
Resultados de la clase</translation>
    </message>
    <message>
        <source>&amp;Home	Alt+Home</source>
        <translation>I&amp;nicio	Alt+Inicio</translation>
    </message>
    <message>
        <source>Shows what is due today, your lists and your practice
Home</source>
        <translation>Muestra lo que toca hoy, sus listas y su práctica
Inicio</translation>
    </message>
    <message>
        <source>&amp;Play Sounds</source>
        <translation>&amp;Reproducir grabaciones</translation>
    </message>
    <message>
        <source>Plays the recording of each picked tile that has one.
Play Sounds</source>
        <translation>Reproduce la grabación de cada ficha elegida que tenga una.
Reproducir grabaciones</translation>
    </message>
</context>
<context>
    <name>DueReminder</name>
    <message numerus="yes">
        <source>%n pairs are due today</source>
        <translation>
            <numerusform>Hoy toca %n pareja</numerusform>
            <numerusform>Hoy tocan %n parejas</numerusform>
        </translation>
    </message>
    <message>
        <source>Start review</source>
        <translation>Empezar el repaso</translation>
    </message>
</context>
<context>
    <name>EmptyBoardNote</name>
    <message>
        <source>Open a word list with File &gt; Open (Ctrl+O)</source>
        <translation>Abra una lista de palabras con Archivo &gt; Abrir (Ctrl+O)</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>Game saved to %1</source>
        <translation>Partida guardada en %1</translation>
    </message>
    <message>
        <source>Word list exported to %1</source>
        <translation>Lista de palabras exportada a %1</translation>
    </message>
</context>
<context>
    <name>GameLearning</name>
    <message>
        <source>The missed pairs could not be saved to
%1</source>
        <translation>No se pudieron guardar los pares fallados en
%1</translation>
    </message>
    <message>
        <source>Missed pairs saved to %1</source>
        <translation>Pares fallados guardados en %1</translation>
    </message>
    <message>
        <source>Your results carry your name: give one to export them.</source>
        <translation>Tus resultados llevan tu nombre: indica uno para exportarlos.</translation>
    </message>
    <message>
        <source>This name cannot be used: %1</source>
        <translation>Este nombre no se puede usar: %1</translation>
    </message>
    <message>
        <source>Results written to %1</source>
        <translation>Resultados escritos en %1</translation>
    </message>
    <message>
        <source>No results file could be read.</source>
        <translation>No se pudo leer ningún archivo de resultados.</translation>
    </message>
    <message>
        <source>The class&apos;s results could not be saved to
%1</source>
        <translation>Los resultados de la clase no se pudieron guardar en
%1</translation>
    </message>
    <message>
        <source>Class results exported to %1</source>
        <translation>Resultados de la clase exportados a %1</translation>
    </message>
    <message>
        <source>Class results: %1</source>
        <translation>Resultados de la clase: %1</translation>
    </message>
    <message numerus="yes">
        <source>missed by %1 of %n learner(s)</source>
        <translation>
            <numerusform>fallada por %1 de %n alumno</numerusform>
            <numerusform>fallada por %1 de %n alumnos</numerusform>
        </translation>
    </message>
    <message>
        <source>mean recall today %1</source>
        <translation>recuerdo medio hoy %1</translation>
    </message>
    <message>
        <source>hardest for %1</source>
        <translation>más difícil para %1</translation>
    </message>
</context>
<context>
    <name>HomeControl</name>
    <message>
        <source>Progress cannot be read: %1</source>
        <translation>No se puede leer el progreso: %1</translation>
    </message>
    <message>
        <source>The list&apos;s progress could not be moved: %1</source>
        <translation>No se pudo mover el progreso de la lista: %1</translation>
    </message>
    <message>
        <source>The reminder at login could not be changed: %1</source>
        <translation>No se pudo cambiar el recordatorio al iniciar sesión: %1</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Start Review</source>
        <translation>Empezar el repaso</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Repasar</translation>
    </message>
    <message>
        <source>T&amp;ype</source>
        <translation>&amp;Escribir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>E&amp;ditar</translation>
    </message>
    <message>
        <source>&amp;Locate…</source>
        <translation>&amp;Localizar…</translation>
    </message>
    <message>
        <source>Start here</source>
        <translation>Empiece aquí</translation>
    </message>
    <message>
        <source>&amp;Back to the Game</source>
        <translation>&amp;Volver al juego</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Your lists</source>
        <translation>Sus listas</translation>
    </message>
    <message>
        <source>Deals this list&apos;s pairs that are due today</source>
        <translation>Reparte las parejas de esta lista que tocan hoy</translation>
    </message>
    <message>
        <source>Asks for the partner of each word of this list</source>
        <translation>Pregunta por la pareja de cada palabra de esta lista</translation>
    </message>
    <message>
        <source>Opens this list in the word-list editor</source>
        <translation>Abre esta lista en el editor de listas de palabras</translation>
    </message>
    <message>
        <source>Points to the list&apos;s file in its new place; its progress follows it</source>
        <translation>Indica el nuevo lugar del archivo de la lista; su progreso lo sigue</translation>
    </message>
    <message>
        <source>New Word List</source>
        <translation>Nueva lista de palabras</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importar…</translation>
    </message>
    <message>
        <source>A year of practice</source>
        <translation>Un año de práctica</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs are due today</source>
        <translation>
            <numerusform>Hoy toca %n pareja</numerusform>
            <numerusform>Hoy tocan %n parejas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Nothing is due today. Next: %n pairs on %1</source>
        <translation>
            <numerusform>Hoy no toca nada. Lo siguiente: %n pareja el %1</numerusform>
            <numerusform>Hoy no toca nada. Lo siguiente: %n parejas el %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing is due. Play a list to start your reviews.</source>
        <translation>No toca nada. Juegue una lista para empezar sus repasos.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pairs practised today</source>
        <translation>
            <numerusform>%1 de %n pareja practicada hoy</numerusform>
            <numerusform>%1 de %n parejas practicadas hoy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Streak: %n days</source>
        <translation>
            <numerusform>Racha: %n día</numerusform>
            <numerusform>Racha: %n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>longest: %n days</source>
        <translation>
            <numerusform>la más larga: %n día</numerusform>
            <numerusform>la más larga: %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>Example: %1</source>
        <translation>Ejemplo: %1</translation>
    </message>
    <message>
        <source>Remind me at &amp;login</source>
        <translation>Recordármelo al &amp;iniciar sesión</translation>
    </message>
    <message>
        <source>When you log in, a desktop notification tells of the pairs due that day</source>
        <translation>Al iniciar sesión, una notificación del escritorio indica los pares que tocan ese día</translation>
    </message>
</context>
<context>
    <name>ImportDlg</name>
    <message>
        <source>Tab</source>
        <translation>Tabulador</translation>
    </message>
    <message>
        <source>Semicolon ( ; )</source>
        <translation>Punto y coma ( ; )</translation>
    </message>
    <message>
        <source>Comma ( , )</source>
        <translation>Coma ( , )</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Vertical bar ( | )</source>
        <translation>Barra vertical ( | )</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>First row holds column names</source>
        <translation>La primera fila contiene los nombres de las columnas</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>Importar %1</translation>
    </message>
    <message>
        <source>The first records of the file</source>
        <translation>Los primeros registros del archivo</translation>
    </message>
    <message>
        <source>&amp;Preview:</source>
        <translation>&amp;Vista previa:</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>&amp;Separador:</translation>
    </message>
    <message>
        <source>&amp;Word column:</source>
        <translation>Columna de &amp;palabras:</translation>
    </message>
    <message>
        <source>&amp;Translation column:</source>
        <translation>Columna de &amp;traducciones:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Descripción:</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Separador</translation>
    </message>
    <message>
        <source>Word column</source>
        <translation>Columna de palabras</translation>
    </message>
    <message>
        <source>Translation column</source>
        <translation>Columna de traducciones</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Read as a word list, one word a line</source>
        <translation>Leer como lista de palabras, una palabra por línea</translation>
    </message>
</context>
<context>
    <name>KeyLockIndicators</name>
    <message>
        <source>CAP</source>
        <translation>MAY</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DES</translation>
    </message>
</context>
<context>
    <name>LanguagesDlg</name>
    <message>
        <source>Automatic: %1</source>
        <translation>Automático: %1</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Idiomas</translation>
    </message>
    <message>
        <source>&amp;Words:</source>
        <translation>&amp;Palabras:</translation>
    </message>
    <message>
        <source>&amp;Translations:</source>
        <translation>&amp;Traducciones:</translation>
    </message>
    <message>
        <source>Automatic: not known, not spoken</source>
        <translation>Automático: desconocido, no se pronuncia</translation>
    </message>
</context>
<context>
    <name>LevelPane</name>
    <message>
        <source>All levels</source>
        <translation>Todos los niveles</translation>
    </message>
    <message>
        <source>Level %1 of %2</source>
        <translation>Nivel %1 de %2</translation>
    </message>
</context>
<context>
    <name>ListTableModel</name>
    <message>
        <source>%1 (the file is gone)</source>
        <translation>%1 (el archivo ya no está)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>list description, file</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1, missing</source>
        <comment>a list whose file is gone</comment>
        <translation>%1, no encontrada</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Parejas</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>Para hoy</translation>
    </message>
    <message>
        <source>Mature</source>
        <translation>Consolidados</translation>
    </message>
    <message>
        <source>Last practice</source>
        <translation>Última práctica</translation>
    </message>
</context>
<context>
    <name>MemoryPage</name>
    <message>
        <source>Parameters in use</source>
        <translation>Parámetros en uso</translation>
    </message>
    <message>
        <source>&amp;Fit Now</source>
        <translation>&amp;Ajustar ahora</translation>
    </message>
    <message>
        <source>Fits the memory model to your own reviews.</source>
        <translation>Ajusta el modelo de memoria a sus propios repasos.</translation>
    </message>
    <message>
        <source>Fit progress</source>
        <translation>Progreso del ajuste</translation>
    </message>
    <message>
        <source>&amp;Cancel Fit</source>
        <translation>&amp;Cancelar el ajuste</translation>
    </message>
    <message>
        <source>Progress cannot be read: %1</source>
        <translation>No se puede leer el progreso: %1</translation>
    </message>
    <message>
        <source>Fitting…</source>
        <translation>Ajustando…</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message numerus="yes">
        <source>Fast auto finish removed %n pairs.</source>
        <translation>
            <numerusform>Terminar rápido automáticamente quitó %n pareja.</numerusform>
            <numerusform>Terminar rápido automáticamente quitó %n parejas.</numerusform>
        </translation>
    </message>
    <message>
        <source>This glossatiles-cli was built without Qt and cannot write worksheets.</source>
        <translation>Este glossatiles-cli se compiló sin Qt y no puede escribir hojas de ejercicios.</translation>
    </message>
    <message numerus="yes">
        <source>%n rows of %1 were left out because a word or its translation is empty.
Lines %2</source>
        <translation>
            <numerusform>Se omitió %n fila de %1 porque una palabra o su traducción está vacía.
Línea %2</numerusform>
            <numerusform>Se omitieron %n filas de %1 porque una palabra o su traducción está vacía.
Líneas %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A blank line ends the list in %1 after %n pairs:</source>
        <translation>
            <numerusform>Una línea en blanco termina la lista en %1 tras %n pareja:</numerusform>
            <numerusform>Una línea en blanco termina la lista en %1 tras %n parejas:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines after it were not read.</source>
        <translation>
            <numerusform>%n línea posterior no se leyó.</numerusform>
            <numerusform>%n líneas posteriores no se leyeron.</numerusform>
        </translation>
    </message>
    <message>
        <source>No word pairs found in %1</source>
        <translation>No se encontraron parejas de palabras en %1</translation>
    </message>
    <message>
        <source>Can&apos;t write the file
%1</source>
        <translation>No se puede escribir el archivo
%1</translation>
    </message>
    <message>
        <source>No free pair left: no two tiles on top belong together. Game &gt; New Game3 deals tiles that can always be cleared, and so does File &gt; Open while Game &gt; Deal Boards That Can Be Cleared is on.</source>
        <translation>No queda ninguna pareja libre: ninguna ficha de arriba va con otra. Juego &gt; Partida nueva3 reparte fichas que siempre se pueden retirar, igual que Archivo &gt; Abrir mientras Juego &gt; «Repartir tableros que se pueden vaciar» está activado.</translation>
    </message>
    <message>
        <source>The path is longer than 299 characters:
%1

Please choose a file with a shorter path.</source>
        <translation>La ruta tiene más de 299 caracteres:
%1

Elija un archivo con una ruta más corta.</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <translation>Elegida: %1</translation>
    </message>
    <message>
        <source>Deselected: %1</source>
        <translation>Elección anulada: %1</translation>
    </message>
    <message>
        <source>Correct: %1 = %2</source>
        <translation>Correcto: %1 = %2</translation>
    </message>
    <message>
        <source>Wrong: %1 is not %2&apos;s pair</source>
        <translation>Incorrecto: %1 no es la pareja de %2</translation>
    </message>
    <message>
        <source>Peek: %1 = %2</source>
        <translation>Vistazo: %1 = %2</translation>
    </message>
    <message>
        <source>Hint: %1 = %2</source>
        <translation>Pista: %1 = %2</translation>
    </message>
    <message>
        <source>Removed: %1 = %2</source>
        <translation>Retirada: %1 = %2</translation>
    </message>
    <message>
        <source>Undone: %1 = %2</source>
        <translation>Deshecho: %1 = %2</translation>
    </message>
    <message>
        <source>Redone: %1 = %2</source>
        <translation>Rehecho: %1 = %2</translation>
    </message>
    <message>
        <source>There is no word list loaded
Use File &gt; Open to open a list</source>
        <translation>No hay ninguna lista de palabras cargada
Abra una lista con Archivo &gt; Abrir</translation>
    </message>
    <message>
        <source>Progress is not kept: %1</source>
        <translation>El progreso no se guarda: %1</translation>
    </message>
    <message>
        <source>Can&apos;t save when no game is in progress.

Nothing to save!</source>
        <translation>No se puede guardar sin una partida en curso.

¡Nada que guardar!</translation>
    </message>
    <message>
        <source>CellCount = 0
This is unexpected when you have a game loaded

Nothing to save ?</source>
        <translation>CellCount = 0
Esto es inesperado con una partida cargada

¿Nada que guardar?</translation>
    </message>
    <message>
        <source>Save not allowed

You may only save to an existing saved game file
or to a new file.

This is to prevent accidental overwritting of your word lists.</source>
        <translation>Guardar no está permitido

Solo puede guardar en un archivo de partida existente
o en un archivo nuevo.

Así no se sobrescriben sus listas de palabras por accidente.</translation>
    </message>
    <message>
        <source>Error can&apos;t create the record file
%1</source>
        <translation>Error: no se puede crear el archivo de partida
%1</translation>
    </message>
    <message>
        <source>Error writing to file</source>
        <translation>Error al escribir el archivo</translation>
    </message>
    <message>
        <source>%1
read from file.
Expected &apos;%2&apos;

Click Ok to continue.</source>
        <translation>%1
leído del archivo.
Se esperaba &apos;%2&apos;

Haga clic en Aceptar para continuar.</translation>
    </message>
    <message>
        <source>%1 more cell lines name word pairs that are not in the file.
Their cells are left empty.</source>
        <translation>Otras %1 líneas de celdas nombran parejas de palabras que no están en el archivo.
Sus celdas quedan vacías.</translation>
    </message>
    <message>
        <source>Loaded file OK

Oringinal game was started from file
%1</source>
        <translation>Archivo cargado

La partida original se empezó desde el archivo
%1</translation>
    </message>
    <message>
        <source>Expected a game source file name
but it is missing.

Click Ok to continue.</source>
        <translation>Se esperaba el nombre del archivo de origen de la partida
pero falta.

Haga clic en Aceptar para continuar.</translation>
    </message>
    <message>
        <source>Unable to find ArrayTop section in file.

This file does not appear to be a valid Glossatiles saved game.</source>
        <translation>No se encuentra la sección ArrayTop en el archivo.

Este archivo no parece una partida guardada válida de Glossatiles.</translation>
    </message>
    <message>
        <source>Unable to find ArrayIndex section in file.

This file does not appear to be a valid Glossatiles saved game.</source>
        <translation>No se encuentra la sección ArrayIndex en el archivo.

Este archivo no parece una partida guardada válida de Glossatiles.</translation>
    </message>
    <message>
        <source>The saved game ends early: %1 of its %2 cells are missing.
Their tiles are not on the board.</source>
        <translation>La partida guardada termina antes de tiempo: faltan %1 de sus %2 celdas.
Sus fichas no están en el tablero.</translation>
    </message>
    <message>
        <source>Warning there appears to be a missing word
in the word pairs.</source>
        <translation>Aviso: parece que falta una palabra
en las parejas de palabras.</translation>
    </message>
    <message>
        <source>Error can&apos;t open the file
%1</source>
        <translation>Error: no se puede abrir el archivo
%1</translation>
    </message>
    <message>
        <source>This is not a text file:
%1

Word lists and saved games are plain text.</source>
        <translation>Esto no es un archivo de texto:
%1

Las listas de palabras y las partidas guardadas son texto plano.</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Correcto: %1</translation>
    </message>
    <message>
        <source>Mind the accents: %1</source>
        <translation>Cuidado con los acentos: %1</translation>
    </message>
    <message>
        <source>Almost: %1</source>
        <translation>Casi: %1</translation>
    </message>
    <message>
        <source>Wrong: %1</source>
        <translation>Incorrecto: %1</translation>
    </message>
    <message>
        <source>Its collection would unpack to more than %1 MB, far more than a deck holds; it is refused.</source>
        <translation>Su colección ocuparía más de %1 MB al descomprimirse, mucho más de lo que contiene un mazo; se rechaza.</translation>
    </message>
    <message>
        <source>The archive is damaged.</source>
        <translation>El archivo comprimido está dañado.</translation>
    </message>
    <message>
        <source>Its compressed collection is damaged.</source>
        <translation>Su colección comprimida está dañada.</translation>
    </message>
    <message>
        <source>Its collection is not an SQLite database.</source>
        <translation>Su colección no es una base de datos SQLite.</translation>
    </message>
    <message>
        <source>Its collection cannot be opened.</source>
        <translation>Su colección no se puede abrir.</translation>
    </message>
    <message>
        <source>Its collection is not an Anki collection, or it is damaged.</source>
        <translation>Su colección no es una colección de Anki, o está dañada.</translation>
    </message>
    <message>
        <source>It was made by a newer Anki (collection schema %1); this program reads schemas %2 to %3.</source>
        <translation>Lo creó un Anki más reciente (esquema de colección %1); este programa lee los esquemas %2 a %3.</translation>
    </message>
    <message>
        <source>Its collection schema %1 is older than any this program reads.</source>
        <translation>Su esquema de colección %1 es más antiguo que cualquiera de los que lee este programa.</translation>
    </message>
    <message>
        <source>Its note types cannot be read.</source>
        <translation>Sus tipos de nota no se pueden leer.</translation>
    </message>
    <message>
        <source>Its collection is damaged: %1.</source>
        <translation>Su colección está dañada: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n cloze notes were left out, since they are not word pairs.</source>
        <translation>
            <numerusform>Se omitió %n nota de huecos, porque no es una pareja de palabras.</numerusform>
            <numerusform>Se omitieron %n notas de huecos, porque no son parejas de palabras.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its notes name a note type that it does not hold.</source>
        <translation>Sus notas nombran un tipo de nota que no contiene.</translation>
    </message>
    <message>
        <source>It holds only a note asking for a newer Anki; its real collection is missing.</source>
        <translation>Solo contiene una nota que pide un Anki más reciente; falta su colección real.</translation>
    </message>
    <message>
        <source>It is not a zip archive, or the archive is damaged.</source>
        <translation>No es un archivo zip, o el archivo está dañado.</translation>
    </message>
    <message>
        <source>It holds no Anki collection.</source>
        <translation>No contiene ninguna colección de Anki.</translation>
    </message>
    <message>
        <source>The quoted field that begins on line %1 is never closed.</source>
        <translation>El campo entre comillas que empieza en la línea %1 nunca se cierra.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>It cannot be read.</source>
        <translation>No se puede leer.</translation>
    </message>
    <message>
        <source>It is too large to read into memory.</source>
        <translation>Es demasiado grande para leerlo en memoria.</translation>
    </message>
    <message>
        <source>It is larger than %1 MB, more than a word list may be.</source>
        <translation>Ocupa más de %1 MB, más de lo que puede ocupar una lista de palabras.</translation>
    </message>
    <message>
        <source>The XML is malformed on line %1: %2.</source>
        <translation>El XML está mal formado en la línea %1: %2.</translation>
    </message>
    <message>
        <source>The XML holds no kvtml word list.</source>
        <translation>El XML no contiene ninguna lista de palabras kvtml.</translation>
    </message>
    <message>
        <source>It is not UTF-8 text.</source>
        <translation>No es texto UTF-8.</translation>
    </message>
    <message>
        <source>No reader claims it.</source>
        <translation>Ningún lector lo reconoce.</translation>
    </message>
    <message>
        <source>It holds no word pair.</source>
        <translation>No contiene ninguna pareja de palabras.</translation>
    </message>
    <message>
        <source>The word and its translation must come from two different columns.</source>
        <translation>La palabra y su traducción deben venir de dos columnas distintas.</translation>
    </message>
    <message>
        <source>It has no column %1; its last column is %2.</source>
        <translation>No tiene columna %1; su última columna es la %2.</translation>
    </message>
    <message>
        <source>Can&apos;t import the file
%1
%2</source>
        <translation>No se puede importar el archivo
%1
%2</translation>
    </message>
    <message>
        <source>Could not allocate memory</source>
        <translation>No se pudo reservar memoria</translation>
    </message>
    <message>
        <source>Internal error occurred</source>
        <translation>Se produjo un error interno</translation>
    </message>
    <message>
        <source>Could not determine tag type</source>
        <translation>No se pudo determinar el tipo de etiqueta</translation>
    </message>
    <message>
        <source>Error parsing document declaration/processing instruction</source>
        <translation>Error en la declaración del documento o una instrucción de proceso</translation>
    </message>
    <message>
        <source>Error parsing comment</source>
        <translation>Error en un comentario</translation>
    </message>
    <message>
        <source>Error parsing CDATA section</source>
        <translation>Error en una sección CDATA</translation>
    </message>
    <message>
        <source>Error parsing document type declaration</source>
        <translation>Error en la declaración del tipo de documento</translation>
    </message>
    <message>
        <source>Error parsing PCDATA section</source>
        <translation>Error en una sección PCDATA</translation>
    </message>
    <message>
        <source>Error parsing start element tag</source>
        <translation>Error en una etiqueta de apertura</translation>
    </message>
    <message>
        <source>Error parsing element attribute</source>
        <translation>Error en un atributo de elemento</translation>
    </message>
    <message>
        <source>Error parsing end element tag</source>
        <translation>Error en una etiqueta de cierre</translation>
    </message>
    <message>
        <source>Start-end tags mismatch</source>
        <translation>Las etiquetas de apertura y cierre no coinciden</translation>
    </message>
    <message>
        <source>No document element found</source>
        <translation>No se encontró ningún elemento de documento</translation>
    </message>
    <message>
        <source>Out of memory allocating for AssignmentAB
in &apos;NewGame</source>
        <translation>Sin memoria al reservar AssignmentAB
en &apos;NewGame</translation>
    </message>
    <message>
        <source>Out of memory allocating for AssignmentArray
in &apos;NewGame</source>
        <translation>Sin memoria al reservar AssignmentArray
en &apos;NewGame</translation>
    </message>
    <message>
        <source>Timer overrun</source>
        <translation>Desbordamiento del temporizador</translation>
    </message>
    <message>
        <source>Program error, not enough cells to assign word pairs</source>
        <translation>Error del programa: no hay suficientes celdas para asignar las parejas de palabras</translation>
    </message>
    <message>
        <source>Unable to place all tiles
because some tiles would have been blocked.
You may want to retry by starting another new game</source>
        <translation>No se pueden colocar todas las fichas
porque algunas fichas quedarían bloqueadas.
Quizá quiera reintentarlo empezando otra partida nueva</translation>
    </message>
    <message>
        <source>Out of memory in CheckForBlockedTiles</source>
        <translation>Sin memoria en CheckForBlockedTiles</translation>
    </message>
    <message>
        <source>Possible odd number of words in function Loadplayedgame %1
GetWordPairPointer returned NULL</source>
        <translation>Posible número impar de palabras en la función Loadplayedgame %1
GetWordPairPointer devolvió NULL</translation>
    </message>
    <message>
        <source>Error: Cant create AssignmentArrays</source>
        <translation>Error: no se pueden crear los AssignmentArrays</translation>
    </message>
    <message>
        <source>Error: Something went wrong

WordsCount or CellCount is zero.</source>
        <translation>Error: algo salió mal

WordsCount o CellCount es cero.</translation>
    </message>
    <message>
        <source>Program error: out of memory reading file
Can&apos;t allocate memory for ThisArrayMember
List will be incomplete</source>
        <translation>Error del programa: sin memoria al leer el archivo
No se puede reservar memoria para ThisArrayMember
La lista quedará incompleta</translation>
    </message>
    <message>
        <source>Program error: out of memory reading file
Can&apos;t allocate memory for ThisArrayMember-&gt;TextA
List will be incomplete</source>
        <translation>Error del programa: sin memoria al leer el archivo
No se puede reservar memoria para ThisArrayMember-&gt;TextA
La lista quedará incompleta</translation>
    </message>
    <message>
        <source>Program error: out of memory reading file
Can&apos;t allocate memory for ThisArrayMember-&gt;TextB
List will be incomplete</source>
        <translation>Error del programa: sin memoria al leer el archivo
No se puede reservar memoria para ThisArrayMember-&gt;TextB
La lista quedará incompleta</translation>
    </message>
    <message>
        <source>Possible odd number of words in function GetWordPairPointer</source>
        <translation>Posible número impar de palabras en la función GetWordPairPointer</translation>
    </message>
    <message>
        <source>there is no folder for it (neither XDG_DATA_HOME nor HOME is set)</source>
        <translation>no hay ninguna carpeta para él (no está definida ni XDG_DATA_HOME ni HOME)</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>no se puede abrir %1</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 es de solo lectura</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <source>%1 comes from a newer Glossatiles (schema version %2)</source>
        <translation>%1 viene de un Glossatiles más reciente (versión de esquema %2)</translation>
    </message>
    <message>
        <source>cannot update %1</source>
        <translation>no se puede actualizar %1</translation>
    </message>
    <message>
        <source>%1 has schema version %2, this program reads version %3</source>
        <translation>%1 tiene la versión de esquema %2, este programa lee la versión %3</translation>
    </message>
    <message>
        <source>Missed pairs</source>
        <translation>Parejas falladas</translation>
    </message>
    <message>
        <source>Hardest pairs</source>
        <translation>Parejas más difíciles</translation>
    </message>
    <message>
        <source>Glossatiles - %2 of %1</source>
        <translation>Glossatiles - %2 de %1</translation>
    </message>
    <message>
        <source>Glossatiles - %1</source>
        <translation>Glossatiles - %1</translation>
    </message>
    <message>
        <source>Today&apos;s Review</source>
        <translation>Repaso de hoy</translation>
    </message>
    <message>
        <source>Line %1 does not have the three columns pair, date and rating.</source>
        <translation>La línea %1 no tiene las tres columnas pareja, fecha y nota.</translation>
    </message>
    <message>
        <source>Line %1: the date &quot;%2&quot; is not written YYYY-MM-DD.</source>
        <translation>Línea %1: la fecha «%2» no está escrita como AAAA-MM-DD.</translation>
    </message>
    <message>
        <source>Line %1: the rating &quot;%2&quot; is not 1, 2, 3 or 4.</source>
        <translation>Línea %1: la nota «%2» no es 1, 2, 3 ni 4.</translation>
    </message>
    <message>
        <source>Line %1: %2 is dated %3, before its review on line %4.</source>
        <translation>Línea %1: %2 tiene fecha %3, anterior a su repaso de la línea %4.</translation>
    </message>
    <message>
        <source>The file has more than %1 lines, more than a review file may have.</source>
        <translation>El archivo tiene más de %1 líneas, más de las que puede tener un archivo de repasos.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, more than a review file may be.</source>
        <translation>El archivo ocupa más de %1 MB, más de lo que puede ocupar un archivo de repasos.</translation>
    </message>
    <message>
        <source>In its collection, %1 is not a plain table with Anki&apos;s columns; it is refused.</source>
        <translation>En su colección, %1 no es una tabla simple con las columnas de Anki; se rechaza.</translation>
    </message>
    <message>
        <source>It holds more than %1 notes, more than this program reads; it is refused.</source>
        <translation>Contiene más de %1 notas, más de las que lee este programa; se rechaza.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines of %1 are longer than 998 bytes; each was read as several words.</source>
        <translation>
            <numerusform>%n línea de %1 supera los 998 bytes; se leyó como varias palabras.</numerusform>
            <numerusform>%n líneas de %1 superan los 998 bytes; cada una se leyó como varias palabras.</numerusform>
        </translation>
    </message>
    <message>
        <source>It holds more than %1 entries, more than this program reads; it is refused.</source>
        <translation>Contiene más de %1 entradas, más de las que lee este programa; se rechaza.</translation>
    </message>
    <message>
        <source>Its XML holds far more elements than a word list of its size; it is refused.</source>
        <translation>Su XML contiene muchos más elementos que una lista de palabras de su tamaño; se rechaza.</translation>
    </message>
    <message>
        <source>The first row (%1) was taken for the names of the columns and left out.</source>
        <translation>La primera fila (%1) se tomó por los nombres de las columnas y se omitió.</translation>
    </message>
    <message>
        <source>Reading its collection takes far more work than a collection of its size needs; it is refused.</source>
        <translation>Leer su colección exige mucho más trabajo del que necesita una colección de su tamaño; se rechaza.</translation>
    </message>
    <message>
        <source>Its collection holds a text longer than %1 MB, far more than a note holds; it is refused.</source>
        <translation>Su colección contiene un texto de más de %1 MB, mucho más de lo que contiene una nota; se rechaza.</translation>
    </message>
    <message>
        <source>Wrong: %1 (the answer: %2)</source>
        <translation>Incorrecto: %1 (la respuesta: %2)</translation>
    </message>
    <message>
        <source>Again: %1</source>
        <translation>Otra vez: %1</translation>
    </message>
    <message>
        <source>Hard: %1</source>
        <translation>Difícil: %1</translation>
    </message>
    <message>
        <source>Easy: %1</source>
        <translation>Fácil: %1</translation>
    </message>
    <message>
        <source>Good: %1</source>
        <translation>Bien: %1</translation>
    </message>
    <message numerus="yes">
        <source>Again · %n days</source>
        <translation>
            <numerusform>Otra vez · %n día</numerusform>
            <numerusform>Otra vez · %n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hard · %n days</source>
        <translation>
            <numerusform>Difícil · %n día</numerusform>
            <numerusform>Difícil · %n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Easy · %n days</source>
        <translation>
            <numerusform>Fácil · %n día</numerusform>
            <numerusform>Fácil · %n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Good · %n days</source>
        <translation>
            <numerusform>Bien · %n día</numerusform>
            <numerusform>Bien · %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>--results needs the learner&apos;s name: --name NAME</source>
        <translation>--results necesita el nombre del alumno: --name NAME</translation>
    </message>
    <message>
        <source>The results file %1 is left out: %2</source>
        <translation>El archivo de resultados %1 se deja fuera: %2</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>it is larger than 10 MB</source>
        <translation>ocupa más de 10 MB</translation>
    </message>
    <message>
        <source>The folder %1 holds no results files (.json).</source>
        <translation>La carpeta %1 no contiene archivos de resultados (.json).</translation>
    </message>
    <message>
        <source>The class&apos;s hardest pairs</source>
        <translation>Las parejas más difíciles de la clase</translation>
    </message>
    <message>
        <source>Can&apos;t write the results to
%1
%2</source>
        <translation>No se pueden escribir los resultados en
%1
%2</translation>
    </message>
    <message>
        <source>Results are written for a whole list: open the list first.</source>
        <translation>Los resultados se escriben para una lista entera: abra primero la lista.</translation>
    </message>
    <message>
        <source>Can&apos;t export the word list to
%1
The file name must end in .txt, .tsv, .csv, .kvtml or .apkg.</source>
        <translation>No se puede exportar la lista de palabras a
%1
El nombre del archivo debe terminar en .txt, .tsv, .csv, .kvtml o .apkg.</translation>
    </message>
    <message>
        <source>%1 is set aside: it holds results for &quot;%2&quot;, not for the class&apos;s list &quot;%3&quot;.</source>
        <translation>%1 se aparta: contiene resultados de «%2», no de la lista de la clase, «%3».</translation>
    </message>
    <message>
        <source>%1 is set aside: %2&apos;s newer results are in %3.</source>
        <translation>%1 se aparta: los resultados más recientes de %2 están en %3.</translation>
    </message>
    <message>
        <source>it is not a Glossatiles results file</source>
        <translation>no es un archivo de resultados de Glossatiles</translation>
    </message>
    <message>
        <source>%1 is missing or of the wrong kind</source>
        <translation>%1 falta o es de un tipo equivocado</translation>
    </message>
    <message>
        <source>%1 is out of range</source>
        <translation>%1 está fuera de rango</translation>
    </message>
    <message>
        <source>it holds more than %1 pairs</source>
        <translation>contiene más de %1 parejas</translation>
    </message>
    <message>
        <source>it is not JSON</source>
        <translation>no es JSON</translation>
    </message>
    <message>
        <source>it comes from a newer Glossatiles (version %1)</source>
        <translation>viene de un Glossatiles más reciente (versión %1)</translation>
    </message>
    <message>
        <source>the pair %1 = %2 is in it twice</source>
        <translation>la pareja %1 = %2 aparece dos veces</translation>
    </message>
    <message>
        <source>the learner&apos;s name is longer than %1 bytes</source>
        <translation>el nombre del alumno tiene más de %1 bytes</translation>
    </message>
    <message>
        <source>the learner&apos;s name is not UTF-8 text</source>
        <translation>el nombre del alumno no es texto UTF-8</translation>
    </message>
    <message>
        <source>the learner&apos;s name holds control characters</source>
        <translation>el nombre del alumno contiene caracteres de control</translation>
    </message>
    <message>
        <source>Its list of media files would unpack to more than %1 MB; it is refused.</source>
        <translation>Su lista de archivos multimedia ocuparía más de %1 MB al descomprimirse; se rechaza.</translation>
    </message>
    <message numerus="yes">
        <source>%n media files of the package were refused (larger than %2 MB, of another size than it declares, damaged, or named outside its folder): %1</source>
        <translation>
            <numerusform>Se rechazó %n archivo multimedia del paquete (de más de %2 MB, de otro tamaño que el declarado, dañado o nombrado fuera de su carpeta): %1</numerusform>
            <numerusform>Se rechazaron %n archivos multimedia del paquete (de más de %2 MB, de otro tamaño que el declarado, dañados o nombrados fuera de su carpeta): %1</numerusform>
        </translation>
    </message>
    <message>
        <source>It holds more than %1 files, more than a deck holds; it is refused.</source>
        <translation>Contiene más de %1 archivos, más de los que tiene un mazo; se rechaza.</translation>
    </message>
    <message>
        <source>It is larger than %1 MB, more than a deck may be; it is refused.</source>
        <translation>Ocupa más de %1 MB, más de lo que puede ocupar un mazo; se rechaza.</translation>
    </message>
    <message numerus="yes">
        <source>%n media files could not be used; they were looked for in %1.</source>
        <translation>
            <numerusform>No se pudo usar %n archivo multimedia; se buscó en %1.</numerusform>
            <numerusform>No se pudieron usar %n archivos multimedia; se buscaron en %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Can&apos;t copy the pictures and sounds of the list to
%1</source>
        <translation>No se pueden copiar las imágenes y los sonidos de la lista a
%1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Nota: %1</translation>
    </message>
    <message>
        <source>Saving here would change the format of this file. Save as a new file?</source>
        <translation>Guardar aquí cambiaría el formato de este archivo. ¿Guardar como un archivo nuevo?</translation>
    </message>
    <message>
        <source>The list holds only part of this file: a blank line ended it, or a long line was read as several words. Save as a new file?</source>
        <translation>La lista contiene solo una parte de este archivo: una línea en blanco la terminó, o una línea larga se leyó como varias palabras. ¿Guardar como un archivo nuevo?</translation>
    </message>
    <message>
        <source>This file has %1 languages; the list uses 2. Save as a new file?</source>
        <translation>Este archivo tiene %1 idiomas; la lista usa 2. ¿Guardar como un archivo nuevo?</translation>
    </message>
    <message>
        <source>This file has %1 columns; the list uses %2. Save as a new file?</source>
        <translation>Este archivo tiene %1 columnas; la lista usa %2. ¿Guardar como un archivo nuevo?</translation>
    </message>
    <message>
        <source>The list takes the columns of this file the other way round. Save as a new file?</source>
        <translation>La lista toma las columnas de este archivo en el orden inverso. ¿Guardar como un archivo nuevo?</translation>
    </message>
    <message>
        <source>The first row of this file names its columns, and the list leaves it out. Save as a new file?</source>
        <translation>La primera fila de este archivo nombra sus columnas, y la lista la omite. ¿Guardar como un archivo nuevo?</translation>
    </message>
    <message>
        <source>Rows of this file with a word missing are not in the list. Save as a new file?</source>
        <translation>Las filas de este archivo a las que les falta una palabra no están en la lista. ¿Guardar como un archivo nuevo?</translation>
    </message>
    <message>
        <source>This file sorts its words into lessons, which the list does not keep. Save as a new file?</source>
        <translation>Este archivo ordena sus palabras en lecciones, que la lista no conserva. ¿Guardar como un archivo nuevo?</translation>
    </message>
    <message>
        <source>Can&apos;t save the word list as
%1
The file name must end in .txt, .tsv, .csv or .kvtml.</source>
        <translation>No se puede guardar la lista de palabras como
%1
El nombre del archivo debe terminar en .txt, .tsv, .csv o .kvtml.</translation>
    </message>
    <message>
        <source>Can&apos;t write the file
%1 (%2)</source>
        <translation>No se puede escribir el archivo
%1 (%2)</translation>
    </message>
    <message>
        <source>Opens FILE (a word-pair list or a saved game) as the game does, without a window, and
prints a summary of the game. Messages go to standard error.

  --seed N       deal with the random seed N instead of the clock
  --unblocked    deal so that no tile is blocked (New Game3)
  --auto-finish  remove pairs until none can be found
  --save OUT     save the game to OUT; never over a word list
  --export OUT   write the word list to OUT: a native list (.txt), TSV (.tsv), CSV (.csv),
                 kvtml 2.0 (.kvtml) or an Anki package for flashcard programs (.apkg)
  --worksheet OUT --layout LAYOUT
                 write a printable worksheet of the list to OUT as PDF: LAYOUT list
                 (both columns), test (one column blank per row, shuffled by --seed,
                 answer key after it) or cards (to cut out; fronts on odd pages, backs
                 on even pages for printing on both sides)
  --columns W,T[,N]
                 read FILE as a table, whatever its shape, taking the words from
                 column W, their translations from column T and, when given, each
                 pair&apos;s note from column N (counted from 1)
  --header-row   the first row of an imported table names its columns; without this
                 option and --columns, both are guessed as in the game
  --progress     print FILE&apos;s finished games and hardest pairs from the progress
                 database instead (1 when it cannot be read)
  --type         ask for the pairs of FILE one at a time, reading one answer a line
                 from standard input; prints each verdict and a summary
  --flashcards   show the pairs of FILE as flashcards, those due for review first, then
                 new ones (review_pairs at most, see --set): a line turns a card,
                 the next grades it: 1 or again, 2 or hard, 3 or good, 4 or easy
  --choose       ask for the pairs of FILE in the same order, each with up to four
                 answers; a line chooses one by its number or its text
  --direction D  with --type, --flashcards or --choose: forward (ask for the
                 translation, the default), backward (ask for the word), mixed or listen
                 (ask for the word of the sound played, its recording or else its speech)
  --due          list the pairs due for review today or earlier, one a line:
                 due date, word, translation and list description, tab-separated
                 (1 when the progress database cannot be read)
  --on DATE      with --due: the pairs due on or before DATE (YYYY-MM-DD)
  --all          with --due: every scheduled pair
  --stats        print the pairs practised today, the daily goal, the current and the
                 longest streak of days with practice, the pairs due today and the
                 number of lists played (1 when the progress database cannot be read)
  --fit          fit the memory model to your reviews in the progress database; prints
                 the 21 parameters and the log loss and RMSE(bins) of the default and
                 the fitted parameters on those reviews; when the fitted ones predict
                 better they schedule from now on (1 when the database cannot be read)
  --reviews FILE.csv
                 with --fit: fit to the reviews in FILE.csv instead, one a line:
                 pair,date,rating (YYYY-MM-DD, 1 Again to 4 Easy); nothing is stored
                 (1 when the file cannot be read or a line is wrong)
  --dry-run      with --fit: store nothing
  --results OUT.json
                 write your results with FILE&apos;s list to OUT.json for your teacher:
                 each pair&apos;s games, misses, hints, typing rounds and memory
  --name NAME    with --results: the learner&apos;s name the results carry
  --class DIR|FILE...
                 gather learners&apos; results files (a folder: the .json files in it) and
                 print the class&apos;s pairs, hardest first, one a line: word, translation,
                 learners, learners who missed it and mean recall today, tab-separated;
                 files of another list are set aside (1 when no file could be read)
  --list FILE    with --class: the class&apos;s list is FILE&apos;s, not the one most files name
  --settings     print the settings kept in the progress database
  --set KEY=VALUE
                 keep a setting, then print them all: retention (the share of pairs
                 you want to remember when they come back, 0.7 to 0.97, 0.9 at first)
                 review_pairs (the most pairs in Today&apos;s Review, 1 to 10000) or
                 daily_goal (the pairs to practise each day, 1 to 1000, 20 at first)
  --help         show this help
  --version      show the version

Exit status: 0 on success, 1 when opening, loading or saving failed, 2 for a usage error.
</source>
        <translation>Abre ARCHIVO (una lista de parejas de palabras o una partida guardada) como el juego, sin
ventana, e imprime un resumen de la partida. Los mensajes van a la salida de error estándar.

  --seed N       repartir con la semilla aleatoria N en lugar del reloj
  --unblocked    repartir sin que ninguna ficha quede bloqueada (Partida nueva3)
  --auto-finish  quitar parejas hasta que no se encuentre ninguna
  --save OUT     guardar la partida en OUT; nunca sobre una lista de palabras
  --export OUT   escribir la lista de palabras en OUT: lista propia (.txt), TSV (.tsv),
                 CSV (.csv), kvtml 2.0 (.kvtml) o un paquete de Anki para programas de
                 tarjetas (.apkg)
  --worksheet OUT --layout LAYOUT
                 escribir una hoja imprimible de la lista en OUT como PDF: LAYOUT list
                 (las dos columnas), test (una columna en blanco por fila, barajada según
                 --seed, con las soluciones después) o cards (para recortar; anversos en
                 las páginas impares, reversos en las pares, para imprimir a doble cara)
  --columns W,T[,N]
                 leer ARCHIVO como una tabla, sea cual sea su forma, tomando las palabras
                 de la columna W, sus traducciones de la columna T y, si se indica, la
                 nota de cada pareja de la columna N (contando desde 1)
  --header-row   la primera fila de una tabla importada nombra sus columnas; sin esta
                 opción ni --columns, ambas cosas se adivinan como en el juego
  --progress     imprimir en su lugar las partidas terminadas y las parejas más difíciles
                 de ARCHIVO desde la base de progreso (1 si no se puede leer)
  --type         preguntar las parejas de ARCHIVO una a una, leyendo una respuesta por
                 línea de la entrada estándar; imprime cada veredicto y un resumen
  --flashcards   mostrar las parejas de ARCHIVO como tarjetas, primero las que toca
                 repasar y luego las nuevas (review_pairs como mucho, ver --set): una
                 línea da la vuelta a una tarjeta y la siguiente la califica: 1 o again,
                 2 o hard, 3 o good, 4 o easy
  --choose       preguntar las parejas de ARCHIVO en el mismo orden, cada una con hasta
                 cuatro respuestas; una línea elige una por su número o por su texto
  --direction D  con --type, --flashcards o --choose: forward (pedir la traducción, por
                 omisión), backward (pedir la palabra), mixed o listen (pedir la palabra
                 del sonido reproducido, su grabación o si no su voz sintetizada)
  --due          listar las parejas que toca repasar hoy o antes, una por línea: fecha,
                 palabra, traducción y descripción de la lista, separadas por tabuladores
                 (1 si no se puede leer la base de progreso)
  --on DATE      con --due: las parejas que tocan el DATE (AAAA-MM-DD) o antes
  --all          con --due: todas las parejas programadas
  --stats        imprimir las parejas practicadas hoy, la meta diaria, la racha actual
                 y la más larga de días con práctica, las parejas que tocan hoy y el
                 número de listas jugadas (1 si no se puede leer la base de datos de
                 progreso)
  --fit          ajustar el modelo de memoria a sus repasos de la base de datos de
                 progreso; imprime los 21 parámetros y la pérdida logarítmica y el
                 RMSE(bins) de los parámetros por omisión y de los ajustados sobre esos
                 repasos; si los ajustados predicen mejor, programan desde ahora (1 si no
                 se puede leer la base de datos)
  --reviews ARCHIVO.csv
                 con --fit: ajustar en su lugar a los repasos de ARCHIVO.csv, uno por
                 línea: pair,date,rating (pareja, fecha AAAA-MM-DD, nota de 1 Again a
                 4 Easy); no se guarda nada (1 si no se puede leer el archivo o una línea
                 es errónea)
  --dry-run      con --fit: no guardar nada
  --results OUT.json
                 escribir tus resultados con la lista de ARCHIVO en OUT.json para tu
                 profesor: de cada pareja, partidas, fallos, pistas, rondas de escritura
                 y memoria
  --name NOMBRE  con --results: el nombre del alumno que llevan los resultados
  --class CARPETA|ARCHIVO...
                 reunir los archivos de resultados de los alumnos (una carpeta: sus
                 archivos .json) e imprimir las parejas de la clase, las más difíciles
                 primero, una por línea: palabra, traducción, alumnos, alumnos que la
                 fallaron y recuerdo medio hoy, separados por tabuladores; los archivos
                 de otra lista se apartan (1 cuando no se pudo leer ningún archivo)
  --list ARCHIVO con --class: la lista de la clase es la de ARCHIVO, no la que nombran
                 la mayoría de los archivos
  --settings     imprimir los ajustes guardados en la base de datos de progreso
  --set KEY=VALUE
                 guardar un ajuste y luego imprimirlos todos: retention (la parte de las
                 parejas que quiere recordar cuando vuelven, de 0.7 a 0.97, 0.9 al
                 principio), review_pairs (el máximo de parejas de un Repaso de hoy,
                 de 1 a 10000) o daily_goal (las parejas que practicar cada día, de 1
                 a 1000, 20 al principio)
  --help         mostrar esta ayuda
  --version      mostrar la versión

Estado de salida: 0 si todo fue bien, 1 si falló abrir, cargar o guardar, 2 si el uso es
incorrecto.
</translation>
    </message>
</context>
<context>
    <name>NoteBar</name>
    <message>
        <source>Notes</source>
        <translation>Avisos</translation>
    </message>
</context>
<context>
    <name>NoteRow</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>OpeningWithProgress</name>
    <message>
        <source>Opening %1…</source>
        <translation>Abriendo %1…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Opening</source>
        <translation>Abriendo</translation>
    </message>
</context>
<context>
    <name>PlayAnnouncer</name>
    <message>
        <source>%1, selected</source>
        <translation>%1, elegida</translation>
    </message>
</context>
<context>
    <name>PracticeControl</name>
    <message>
        <source>There are no pairs to practise: open a word list first.</source>
        <translation>No hay pares para practicar: abra primero una lista de palabras.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Save Missed Pairs</source>
        <translation>Guardar los pares fallados</translation>
    </message>
    <message>
        <source>Word lists (*.txt)</source>
        <translation>Listas de palabras (*.txt)</translation>
    </message>
    <message>
        <source>Accuracy (%)</source>
        <translation>Precisión (%)</translation>
    </message>
    <message>
        <source>Seconds per game</source>
        <translation>Segundos por partida</translation>
    </message>
    <message>
        <source>Progress cannot be read: %1</source>
        <translation>No se puede leer el progreso: %1</translation>
    </message>
    <message>
        <source>No game of this list has been finished yet.</source>
        <translation>Todavía no se ha terminado ninguna partida de esta lista.</translation>
    </message>
    <message>
        <source>Finished games of %1: %2</source>
        <translation>Partidas terminadas de %1: %2</translation>
    </message>
    <message>
        <source>Pairs due</source>
        <translation>Pares pendientes</translation>
    </message>
    <message>
        <source>Days from today (%1)</source>
        <translation>Días a partir de hoy (%1)</translation>
    </message>
    <message>
        <source>New: %1   Learning: %2   Due: %3   Mature: %4</source>
        <translation>Nuevos: %1   Aprendiendo: %2   Pendientes: %3   Consolidados: %4</translation>
    </message>
    <message>
        <source>Pairs of every list due for review in the next %1 days</source>
        <translation>Pares de todas las listas para repasar en los próximos %1 días</translation>
    </message>
    <message>
        <source>In use: the default parameters, the average of many learners.</source>
        <translation>En uso: los parámetros por defecto, la media de muchos alumnos.</translation>
    </message>
    <message numerus="yes">
        <source>In use: parameters fitted on %1 to %n review(s).</source>
        <translation>
            <numerusform>En uso: parámetros ajustados el %1 a %n repaso.</numerusform>
            <numerusform>En uso: parámetros ajustados el %1 a %n repasos.</numerusform>
        </translation>
    </message>
    <message>
        <source>No fit has been made yet.</source>
        <translation>Todavía no se ha hecho ningún ajuste.</translation>
    </message>
    <message numerus="yes">
        <source>The last fit, on %1, was judged on %n review(s):</source>
        <translation>
            <numerusform>El último ajuste, el %1, se juzgó sobre %n repaso:</numerusform>
            <numerusform>El último ajuste, el %1, se juzgó sobre %n repasos:</numerusform>
        </translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Por defecto</translation>
    </message>
    <message>
        <source>Fitted</source>
        <translation>Ajustados</translation>
    </message>
    <message>
        <source>Log loss</source>
        <translation>Pérdida logarítmica</translation>
    </message>
    <message>
        <source>RMSE (bins)</source>
        <translation>RMSE (intervalos)</translation>
    </message>
    <message>
        <source>It predicted no better than the parameters in use, which stayed.</source>
        <translation>No predecía mejor que los parámetros en uso, que se quedaron.</translation>
    </message>
    <message>
        <source>The fit failed: %1</source>
        <translation>El ajuste ha fallado: %1</translation>
    </message>
    <message>
        <source>The fit was stopped; the parameters in use stay.</source>
        <translation>Se detuvo el ajuste; los parámetros en uso se quedan.</translation>
    </message>
    <message>
        <source>There is nothing to fit to yet: a pair needs a review a day or more after the one before.</source>
        <translation>Todavía no hay nada que ajustar: un par necesita un repaso al menos un día después del anterior.</translation>
    </message>
    <message numerus="yes">
        <source>The fitted parameters predict your %n review(s) better (log loss %1 instead of %2) and are now in use: every schedule follows them.</source>
        <translation>
            <numerusform>Los parámetros ajustados predicen mejor su %n repaso (pérdida %1 en lugar de %2) y ahora están en uso: todo el calendario los sigue.</numerusform>
            <numerusform>Los parámetros ajustados predicen mejor sus %n repasos (pérdida %1 en lugar de %2) y ahora están en uso: todo el calendario los sigue.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The fitted parameters predict your %n review(s) no better than those in use (log loss %1 against %2), so those stay.</source>
        <translation>
            <numerusform>Los parámetros ajustados no predicen su %n repaso mejor que los que están en uso (pérdida %1 frente a %2), así que estos se quedan.</numerusform>
            <numerusform>Los parámetros ajustados no predicen sus %n repasos mejor que los que están en uso (pérdida %1 frente a %2), así que estos se quedan.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Export My Results</source>
        <translation>Exportar mis resultados</translation>
    </message>
    <message>
        <source>Your name, as your teacher will see it on your results:</source>
        <translation>Tu nombre, tal como lo verá tu profesor en tus resultados:</translation>
    </message>
    <message>
        <source>Results files (*.json)</source>
        <translation>Archivos de resultados (*.json)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valores separados por comas (*.csv)</translation>
    </message>
    <message>
        <source>Class Results</source>
        <translation>Resultados de la clase</translation>
    </message>
    <message>
        <source>Results files (*.json);;All files (*)</source>
        <translation>Archivos de resultados (*.json);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>QtPrompter</name>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Glossatiles record file (*.txt)</source>
        <translation>Partida guardada de Glossatiles (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save the game in progress?</source>
        <translation>¿Guardar la partida en curso?</translation>
    </message>
    <message>
        <source>Glossatiles word list (*.txt)</source>
        <translation>Lista de palabras de Glossatiles (*.txt)</translation>
    </message>
    <message>
        <source>Tab-separated values (*.tsv)</source>
        <translation>Valores separados por tabulaciones (*.tsv)</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valores separados por comas (*.csv)</translation>
    </message>
    <message>
        <source>Export Word List</source>
        <translation>Exportar lista de palabras</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>KDE vocabulary document (*.kvtml)</source>
        <translation>Documento de vocabulario de KDE (*.kvtml)</translation>
    </message>
    <message>
        <source>Word lists (*.txt *.csv *.tsv *.kvtml *.apkg)</source>
        <translation>Listas de palabras (*.txt *.csv *.tsv *.kvtml *.apkg)</translation>
    </message>
    <message>
        <source>Saved games (*.txt)</source>
        <translation>Partidas guardadas (*.txt)</translation>
    </message>
    <message>
        <source>Anki package (*.apkg)</source>
        <translation>Paquete de Anki (*.apkg)</translation>
    </message>
</context>
<context>
    <name>ReviewMemory</name>
    <message>
        <source>The review settings are not kept: %1</source>
        <translation>Los ajustes de repaso no se guardan: %1</translation>
    </message>
    <message numerus="yes">
        <source>The memory model was fitted to your %n review(s) and now schedules your pairs.</source>
        <translation>
            <numerusform>El modelo de memoria se ajustó a su %n repaso y ahora programa sus pares.</numerusform>
            <numerusform>El modelo de memoria se ajustó a sus %n repasos y ahora programa sus pares.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SpeechControl</name>
    <message>
        <source>Speech is off: %1</source>
        <translation>Voz desactivada: %1</translation>
    </message>
    <message>
        <source>Speech turned off: %1</source>
        <translation>Voz apagada: %1</translation>
    </message>
    <message>
        <source>the words (%1?)</source>
        <translation>de las palabras (¿%1?)</translation>
    </message>
    <message>
        <source>the translations (%1?)</source>
        <translation>de las traducciones (¿%1?)</translation>
    </message>
    <message>
        <source>Speech cannot tell the language of %1 and does not speak them until you choose it in Tools &gt; Languages…</source>
        <translation>La voz no reconoce el idioma %1 y no las pronuncia hasta que lo elija en Herramientas &gt; Idiomas…</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
</context>
<context>
    <name>SpeechEngine</name>
    <message>
        <source>no speech engine is installed (Qt&apos;s speechd plugin)</source>
        <translation>no hay ningún motor de voz instalado (complemento speechd de Qt)</translation>
    </message>
    <message>
        <source>the speech engine has no voices</source>
        <translation>el motor de voz no tiene voces</translation>
    </message>
</context>
<context>
    <name>TodaysReview</name>
    <message>
        <source>1 pair</source>
        <translation>1 par</translation>
    </message>
    <message>
        <source>%1 pairs</source>
        <translation>%1 pares</translation>
    </message>
    <message>
        <source>Pairs due for review today</source>
        <translation>Pares para repasar hoy</translation>
    </message>
    <message>
        <source>Due today: %1</source>
        <translation>Para hoy: %1</translation>
    </message>
    <message>
        <source>1 pair is due for review today</source>
        <translation>Hoy toca repasar 1 par</translation>
    </message>
    <message>
        <source>%1 pairs are due for review today</source>
        <translation>Hoy toca repasar %1 pares</translation>
    </message>
    <message>
        <source>%1: Game &gt; Today&apos;s Review (Ctrl+D)</source>
        <translation>%1: Juego &gt; Repaso de hoy (Ctrl+D)</translation>
    </message>
    <message>
        <source>Today&apos;s Review cannot be dealt.
Progress cannot be read: %1</source>
        <translation>No se puede repartir el repaso de hoy.
No se puede leer el progreso: %1</translation>
    </message>
    <message>
        <source>No pairs are due for review today.
The next are due on %1: %2.</source>
        <translation>Hoy no toca repasar ningún par.
Los próximos tocan el %1: %2.</translation>
    </message>
    <message>
        <source>No pairs are due for review.
The pairs of each game you finish are scheduled for review.</source>
        <translation>No toca repasar ningún par.
Los pares de cada partida que termines se programan para repasar.</translation>
    </message>
    <message>
        <source>No pairs are due for review today</source>
        <translation>Hoy no toca repasar ningún par</translation>
    </message>
</context>
<context>
    <name>TypingControl</name>
    <message>
        <source>There are no pairs to type: open a word list first.</source>
        <translation>No hay pares que escribir: abre primero una lista de palabras.</translation>
    </message>
</context>
<context>
    <name>WordListEditor</name>
    <message>
        <source>Save Word List</source>
        <translation>Guardar lista de palabras</translation>
    </message>
    <message>
        <source>Save the changes to the word list?</source>
        <translation>¿Guardar los cambios de la lista de palabras?</translation>
    </message>
    <message>
        <source>Edit Description</source>
        <translation>Editar descripción</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Descripción:</translation>
    </message>
    <message>
        <source>Word pairs</source>
        <translation>Pares de palabras</translation>
    </message>
    <message>
        <source>Type a word, Tab for its translation, Enter for the next row.</source>
        <translation>Escriba una palabra, Tab para su traducción, Intro para la fila siguiente.</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Find a word (Enter for the next one, Esc to close)</source>
        <translation>Buscar una palabra (Intro para la siguiente, Esc para cerrar)</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Comprobaciones</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the list.</source>
        <translation>«%1» no está en la lista.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Save and &amp;Deal</source>
        <translation>Guardar y &amp;repartir</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Cerr&amp;ar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Copy Rows</source>
        <translation>&amp;Copiar filas</translation>
    </message>
    <message>
        <source>&amp;Paste Rows</source>
        <translation>&amp;Pegar filas</translation>
    </message>
    <message>
        <source>&amp;Insert Row</source>
        <translation>&amp;Insertar fila</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>&amp;Delete Rows</source>
        <translation>&amp;Eliminar filas</translation>
    </message>
    <message>
        <source>Ctrl+Del</source>
        <translation>Ctrl+Del</translation>
    </message>
    <message>
        <source>Mo&amp;ve Row Up</source>
        <translation>Subir &amp;fila</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Move Row Do&amp;wn</source>
        <translation>Bajar fi&amp;la</translation>
    </message>
    <message>
        <source>Alt+Down</source>
        <translation>Alt+Down</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>S&amp;ort by Word</source>
        <translation>&amp;Ordenar por palabra</translation>
    </message>
    <message>
        <source>Sort by &amp;Translation</source>
        <translation>Ordenar por &amp;traducción</translation>
    </message>
    <message>
        <source>New word list</source>
        <translation>Nueva lista de palabras</translation>
    </message>
    <message>
        <source>%1[*] - Word List Editor</source>
        <translation>%1[*] - Editor de listas de palabras</translation>
    </message>
    <message numerus="yes">
        <source>%n pair(s).</source>
        <translation>
            <numerusform>%n par.</numerusform>
            <numerusform>%n pares.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) must be corrected before the list can be saved.</source>
        <translation>
            <numerusform>%n fila debe corregirse antes de poder guardar la lista.</numerusform>
            <numerusform>%n filas deben corregirse antes de poder guardar la lista.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) have notes.</source>
        <translation>
            <numerusform>%n fila tiene notas.</numerusform>
            <numerusform>%n filas tienen notas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1: %2
The list is not saved until this is corrected.</source>
        <translation>Fila %1: %2
La lista no se guarda hasta que esto se corrija.</translation>
    </message>
    <message>
        <source>Insert Picture</source>
        <translation>Insertar imagen</translation>
    </message>
    <message>
        <source>Insert Sound</source>
        <translation>Insertar sonido</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.gif *.webp)</source>
        <translation>Imágenes (*.png *.jpg *.jpeg *.gif *.webp)</translation>
    </message>
    <message>
        <source>Sounds (*.ogg *.oga *.mp3 *.wav *.flac)</source>
        <translation>Sonidos (*.ogg *.oga *.mp3 *.wav *.flac)</translation>
    </message>
    <message>
        <source>Insert Pictur&amp;e...</source>
        <translation>Insertar ima&amp;gen...</translation>
    </message>
    <message>
        <source>Insert &amp;Sound...</source>
        <translation>Insertar &amp;sonido...</translation>
    </message>
    <message>
        <source>Pictures and sounds are kept in a folder beside the list&apos;s file, so a new list is saved first.</source>
        <translation>Las imágenes y los sonidos se guardan en una carpeta junto al archivo de la lista, así que una lista nueva se guarda primero.</translation>
    </message>
    <message>
        <source>%1 is neither a picture nor a recording that the game can use.</source>
        <translation>%1 no es ni una imagen ni una grabación que el juego pueda usar.</translation>
    </message>
    <message>
        <source>%1 is not a picture the game can show: a PNG, JPEG, GIF or WebP file of at most 20 MB.</source>
        <translation>%1 no es una imagen que el juego pueda mostrar: un archivo PNG, JPEG, GIF o WebP de 20 MB como máximo.</translation>
    </message>
    <message>
        <source>%1 is not a recording the game can play: an Ogg, MP3, WAV or FLAC file of at most 20 MB.</source>
        <translation>%1 no es una grabación que el juego pueda reproducir: un archivo Ogg, MP3, WAV o FLAC de 20 MB como máximo.</translation>
    </message>
    <message>
        <source>%1 could not be copied into %2.</source>
        <translation>%1 no se pudo copiar en %2.</translation>
    </message>
    <message>
        <source>The pasted picture could not be saved in %1.</source>
        <translation>La imagen pegada no se pudo guardar en %1.</translation>
    </message>
</context>
<context>
    <name>WordListModel</name>
    <message>
        <source>A word is missing.</source>
        <translation>Falta una palabra.</translation>
    </message>
    <message>
        <source>Longer than 998 bytes: shorten it.</source>
        <translation>Más de 998 bytes: acórtela.</translation>
    </message>
    <message>
        <source>Beyond the 32,767 pairs a game can hold.</source>
        <translation>Más allá de los 32.767 pares que caben en una partida.</translation>
    </message>
    <message>
        <source>This pair is in the list already.</source>
        <translation>Este par ya está en la lista.</translation>
    </message>
    <message>
        <source>A saved game writes &apos;:&apos; as &apos;-&apos;.</source>
        <translation>Una partida guardada escribe &apos;:&apos; como &apos;-&apos;.</translation>
    </message>
    <message>
        <source>The line break is saved as a blank.</source>
        <translation>El salto de línea se guarda como un espacio.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Traducción</translation>
    </message>
    <message>
        <source>Add Pair</source>
        <translation>Añadir par</translation>
    </message>
    <message>
        <source>Edit Word</source>
        <translation>Editar palabra</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Comprobaciones</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>Insert Rows</source>
        <translation>Insertar filas</translation>
    </message>
    <message>
        <source>Delete Rows</source>
        <translation>Eliminar filas</translation>
    </message>
    <message>
        <source>Move Row</source>
        <translation>Mover fila</translation>
    </message>
    <message>
        <source>Paste Rows</source>
        <translation>Pegar filas</translation>
    </message>
    <message>
        <source>Edit Note</source>
        <translation>Editar nota</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Answer key: %1</source>
        <translation>Soluciones: %1</translation>
    </message>
</context>
<context>
    <name>WorksheetDlg</name>
    <message>
        <source>&amp;List: both columns, ruled</source>
        <translation>&amp;Lista: ambas columnas, rayada</translation>
    </message>
    <message>
        <source>&amp;Test: one column blank, with an answer key</source>
        <translation>&amp;Prueba: una columna en blanco, con soluciones</translation>
    </message>
    <message>
        <source>&amp;Cards to cut out, for printing on both sides</source>
        <translation>&amp;Tarjetas para recortar, para imprimir a doble cara</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Imprimir ficha</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Diseño</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mezclada</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Traducciones</translation>
    </message>
    <message>
        <source>Blank column</source>
        <translation>Columna en blanco</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Semilla</translation>
    </message>
    <message>
        <source>&amp;Blank column:</source>
        <translation>&amp;Columna en blanco:</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>&amp;Semilla:</translation>
    </message>
</context>
<context>
    <name>YearCalendar</name>
    <message>
        <source>A year of practice</source>
        <translation>Un año de práctica</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n pairs</source>
        <comment>a day of the calendar</comment>
        <translation>
            <numerusform>%1: %n pareja</numerusform>
            <numerusform>%1: %n parejas</numerusform>
        </translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>day and month of a calendar cell</comment>
        <translation>d &apos;de&apos; MMMM</translation>
    </message>
</context>
</TS>
