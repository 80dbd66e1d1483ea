<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>Column %1, row %2</source>
        <translation>Spalte %1, Reihe %2</translation>
    </message>
    <message>
        <source>, level %1</source>
        <translation>, Ebene %1</translation>
    </message>
    <message>
        <source>, selected</source>
        <translation>, ausgewählt</translation>
    </message>
    <message>
        <source>Correct %1</source>
        <translation>Richtig %1</translation>
    </message>
    <message>
        <source>Wrong %1</source>
        <translation>Falsch %1</translation>
    </message>
    <message>
        <source>Hints %1</source>
        <translation>Tipps %1</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielbrett</translation>
    </message>
    <message>
        <source>picture: %1</source>
        <translation>Bild: %1</translation>
    </message>
</context>
<context>
    <name>BoardPainter</name>
    <message>
        <source>Correct</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>Removed Tiles</source>
        <translation>Entfernte Steine</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Open a word list with File &gt; Open: a line describing the list, then each word and its partner on two lines of their own.</source>
        <translation>Öffnen Sie eine Wortliste mit Datei &gt; Öffnen: eine Zeile, die die Liste beschreibt, dann jedes Wort und sein Partnerwort auf je einer eigenen Zeile.</translation>
    </message>
    <message>
        <source>Click two tiles that belong together to remove them. Only the top tile of a stack can be picked; the right mouse button peeks at a tile&apos;s partner word and counts as a hint.</source>
        <translation>Klicken Sie zwei zusammengehörende Steine an, um sie zu entfernen. Nur der oberste Stein eines Stapels lässt sich wählen; die rechte Maustaste zeigt kurz das Partnerwort eines Steins und zählt als Tipp.</translation>
    </message>
    <message>
        <source>About Glossatiles</source>
        <translation>Über Glossatiles</translation>
    </message>
    <message>
        <source>Glossatiles Version %1</source>
        <translation>Glossatiles Version %1</translation>
    </message>
    <message>
        <source>Written by the Glossatiles developers, 2026</source>
        <translation>Geschrieben von den Glossatiles-Entwicklern, 2026</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Edit &gt; Undo puts the last pair removed back on the board, and Redo removes it again. Help &gt; Keys lists every key.</source>
        <translation>Bearbeiten &gt; Rückgängig legt das zuletzt entfernte Paar wieder auf das Brett, Wiederherstellen entfernt es erneut. Hilfe &gt; Tasten zeigt alle Tasten.</translation>
    </message>
</context>
<context>
    <name>CChoiceDlg</name>
    <message>
        <source>Choose the Word</source>
        <translation>Wort wählen</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Choose its translation:</source>
        <translation>Wählen Sie die Übersetzung:</translation>
    </message>
    <message>
        <source>Choose its word:</source>
        <translation>Wählen Sie das Wort:</translation>
    </message>
    <message numerus="yes">
        <source>The round is over: %n question(s).</source>
        <translation>
            <numerusform>Die Runde ist vorbei: %n Frage.</numerusform>
            <numerusform>Die Runde ist vorbei: %n Fragen.</numerusform>
        </translation>
    </message>
    <message>
        <source>

Right at the first try: %1
Right after a retry: %2
Wrong: %3
Time: %4</source>
        <translation>

Beim ersten Versuch richtig: %1
Nach einer Wiederholung richtig: %2
Falsch: %3
Zeit: %4</translation>
    </message>
</context>
<context>
    <name>CDrawLevelDlg</name>
    <message>
        <source>Draw Level</source>
        <translation>Ebene anzeigen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Enter 0 for normal display or the level number for a single level.  E.G. 1, 2, 3,...</source>
        <translation>Geben Sie 0 für die normale Anzeige oder die Nummer einer einzelnen Ebene ein.  Z. B. 1, 2, 3,...</translation>
    </message>
</context>
<context>
    <name>CFlashcardDlg</name>
    <message>
        <source>Flashcards</source>
        <translation>Karteikarten</translation>
    </message>
    <message>
        <source>&amp;Turn the Card</source>
        <translation>Karte &amp;umdrehen</translation>
    </message>
    <message>
        <source>Type the &amp;Again Cards</source>
        <translation>&amp;Nochmal-Karten eintippen</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Antwort: %1</translation>
    </message>
    <message numerus="yes">
        <source>The round is over: %n card(s).</source>
        <translation>
            <numerusform>Die Runde ist vorbei: %n Karte.</numerusform>
            <numerusform>Die Runde ist vorbei: %n Karten.</numerusform>
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

Nochmal: %1
Schwer: %2
Gut: %3
Leicht: %4
Zeit: %5</translation>
    </message>
</context>
<context>
    <name>CGameFinishedDlg</name>
    <message>
        <source>Game finished</source>
        <translation>Spiel beendet</translation>
    </message>
    <message>
        <source>Time: %1    Correct: %2    Wrong: %3    Hints: %4    Undos: %5</source>
        <translation>Zeit: %1    Richtig: %2    Falsch: %3    Tipps: %4    Rückgängig: %5</translation>
    </message>
    <message>
        <source>Pairs to practise, hardest first:</source>
        <translation>Zu übende Paare, die schwersten zuerst:</translation>
    </message>
    <message>
        <source>Well done: no pair missed</source>
        <translation>Gut gemacht: kein Paar verfehlt</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Partner</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Verfehlt</translation>
    </message>
    <message>
        <source>Hinted</source>
        <translation>Mit Tipp</translation>
    </message>
    <message>
        <source>Peeked</source>
        <translation>Aufgedeckt</translation>
    </message>
    <message>
        <source>Confused with</source>
        <translation>Verwechselt mit</translation>
    </message>
    <message>
        <source>Play Missed Pairs</source>
        <translation>Verfehlte Paare spielen</translation>
    </message>
    <message>
        <source>Save Missed Pairs…</source>
        <translation>Verfehlte Paare speichern…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Type the Missed Pairs</source>
        <translation>Verfehlte Paare eintippen</translation>
    </message>
    <message>
        <source>Type the Review Pairs</source>
        <translation>Wiederholungspaare eintippen</translation>
    </message>
    <message numerus="yes">
        <source>missed %n time(s)</source>
        <translation>
            <numerusform>einmal verfehlt</numerusform>
            <numerusform>%n-mal verfehlt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hinted %n time(s)</source>
        <translation>
            <numerusform>einmal mit Tipp</numerusform>
            <numerusform>%n-mal mit Tipp</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>peeked %n time(s)</source>
        <translation>
            <numerusform>einmal aufgedeckt</numerusform>
            <numerusform>%n-mal aufgedeckt</numerusform>
        </translation>
    </message>
    <message>
        <source>confused with %1</source>
        <translation>verwechselt mit %1</translation>
    </message>
    <message>
        <source>Pairs to practise</source>
        <translation>Zu übende Paare</translation>
    </message>
    <message>
        <source>Flashcards</source>
        <translation>Karteikarten</translation>
    </message>
    <message>
        <source>Choose the Word</source>
        <translation>Wort wählen</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
</context>
<context>
    <name>CGlossatilesView</name>
    <message>
        <source>ID for the first mouse right click menu</source>
        <translation>ID für das erste Rechtsklick-Menü</translation>
    </message>
</context>
<context>
    <name>CHowToPlayDlg</name>
    <message>
        <source>How to Play</source>
        <translation>Spielregeln</translation>
    </message>
    <message>
        <source>word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>partner</source>
        <translation>Partner</translation>
    </message>
    <message>
        <source>Each tile shows a word. Pick it, then the tile with its partner word: the pair leaves the board and counts as Correct.</source>
        <translation>Jeder Stein zeigt ein Wort. Wählen Sie ihn, dann den Stein mit seinem Partnerwort: Das Paar verlässt das Spielbrett und zählt als Richtig.</translation>
    </message>
    <message>
        <source>Tiles lie in stacks, on several levels; the colour of a tile shows its level. Only a free tile, the top tile of its stack, can be picked.</source>
        <translation>Die Steine liegen in Stapeln auf mehreren Ebenen; die Farbe eines Steins zeigt seine Ebene. Nur ein freier Stein, der oberste seines Stapels, lässt sich wählen.</translation>
    </message>
    <message>
        <source>A tile that is not the partner is marked with a red X and counts as Wrong. The tile you picked first stays selected.</source>
        <translation>Ein Stein, der nicht der Partner ist, wird mit einem roten X markiert und zählt als Falsch. Der zuerst gewählte Stein bleibt gewählt.</translation>
    </message>
    <message>
        <source>Peek: hold the right mouse button on a tile to see its partner word. Hint (Ctrl+H) frames a free pair. Both count as hints.</source>
        <translation>Aufdecken: Halten Sie die rechte Maustaste auf einem Stein, um sein Partnerwort zu sehen. Tipp (Strg+H) rahmt ein freies Paar ein. Beides zählt als Tipp.</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z) puts the last pair back on the board; Redo (Ctrl+Y) takes it away again.</source>
        <translation>Rückgängig (Strg+Z) legt das letzte Paar zurück auf das Spielbrett; Wiederherstellen (Strg+Y) nimmt es wieder weg.</translation>
    </message>
    <message>
        <source>New Game deals the tiles at random, so a board may end with no free pair. New Game3 deals tiles that can always be cleared.</source>
        <translation>Neues Spiel legt die Steine zufällig; es kann also passieren, dass am Ende kein freies Paar bleibt. Neues Spiel3 legt Steine, die sich immer abräumen lassen.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>A tile may show a picture in place of its word, or above it. A small speaker marks a word with a recording: with View &gt; Play Sounds on, picking the tile plays it.</source>
        <translation>Ein Stein kann statt seines Wortes ein Bild zeigen, oder eines darüber. Ein kleiner Lautsprecher kennzeichnet ein Wort mit Aufnahme: Ist Ansicht &gt; Aufnahmen abspielen an, spielt das Wählen des Steins sie ab.</translation>
    </message>
</context>
<context>
    <name>CKeysDlg</name>
    <message>
        <source>Right, Left</source>
        <translation>Rechts, Links</translation>
    </message>
    <message>
        <source>Next or previous stack with a tile, row by row</source>
        <translation>Nächster oder vorheriger Stapel mit Stein, Zeile für Zeile</translation>
    </message>
    <message>
        <source>Up, Down</source>
        <translation>Hoch, Runter</translation>
    </message>
    <message>
        <source>Nearest stack with a tile above or below</source>
        <translation>Nächster Stapel mit Stein darüber oder darunter</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Pos1, Ende</translation>
    </message>
    <message>
        <source>First or last stack with a tile</source>
        <translation>Erster oder letzter Stapel mit Stein</translation>
    </message>
    <message>
        <source>Enter, Return, Space</source>
        <translation>Eingabe, Leertaste</translation>
    </message>
    <message>
        <source>Pick the tile under the cursor, or drop the selection</source>
        <translation>Den Stein unter dem Cursor wählen oder die Auswahl aufheben</translation>
    </message>
    <message>
        <source>Shift+Enter (hold)</source>
        <translation>Umschalt+Eingabe (halten)</translation>
    </message>
    <message>
        <source>Peek at the tile&apos;s partner word (counts as a hint)</source>
        <translation>Das Partnerwort des Steins ansehen (zählt als Tipp)</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Drop the selection</source>
        <translation>Auswahl aufheben</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>Was sie tun</translation>
    </message>
    <message>
        <source>Open the %1 menu</source>
        <translation>Das Menü %1 öffnen</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
</context>
<context>
    <name>CPracticeDlg</name>
    <message>
        <source>Word → translation</source>
        <translation>Wort → Übersetzung</translation>
    </message>
    <message>
        <source>Translation → word</source>
        <translation>Übersetzung → Wort</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Gemischt</translation>
    </message>
    <message>
        <source>&amp;Direction:</source>
        <translation>&amp;Richtung:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>End Round</source>
        <translation>Runde beenden</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Listen and type</source>
        <translation>Hören und tippen</translation>
    </message>
</context>
<context>
    <name>CProgressDlg</name>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Partner</translation>
    </message>
    <message>
        <source>Misses</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Last missed</source>
        <translation>Zuletzt verfehlt</translation>
    </message>
    <message>
        <source>Play Hardest Pairs</source>
        <translation>Schwerste Paare spielen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Review forecast of every list</source>
        <translation>Prognose der Wiederholungen aller Listen</translation>
    </message>
    <message>
        <source>&amp;Games</source>
        <translation>&amp;Spiele</translation>
    </message>
    <message>
        <source>&amp;Memory</source>
        <translation>&amp;Gedächtnis</translation>
    </message>
</context>
<context>
    <name>CReviewSettingsDlg</name>
    <message>
        <source>Review Settings</source>
        <translation>Wiederholungseinstellungen</translation>
    </message>
    <message>
        <source>The share of pairs you want to recall when they come due: the higher, the sooner each pair comes back.</source>
        <translation>Der Anteil der Paare, an die Sie sich erinnern wollen, wenn sie fällig werden: je höher, desto früher kommt jedes Paar wieder.</translation>
    </message>
    <message>
        <source>&amp;Desired retention:</source>
        <translation>Gewünschte &amp;Behaltensquote:</translation>
    </message>
    <message>
        <source>Most pairs in one Today&apos;s &amp;Review:</source>
        <translation>Höchstens so viele Paare in einer &amp;heutigen Wiederholung:</translation>
    </message>
    <message>
        <source> pairs</source>
        <translation> Paare</translation>
    </message>
    <message>
        <source>Daily &amp;goal:</source>
        <translation>&amp;Tagesziel:</translation>
    </message>
    <message>
        <source>Reviews a day over the next %1 days, by desired retention</source>
        <translation>Wiederholungen pro Tag in den nächsten %1 Tagen, nach gewünschter Behaltensquote</translation>
    </message>
    <message>
        <source>Desired retention</source>
        <translation>Gewünschte Behaltensquote</translation>
    </message>
    <message>
        <source>Reviews a day</source>
        <translation>Wiederholungen pro Tag</translation>
    </message>
    <message>
        <source>Reviews a day by desired retention</source>
        <translation>Wiederholungen pro Tag nach gewünschter Behaltensquote</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The schedule cannot be read: %1</source>
        <translation>Der Wiederholungsplan kann nicht gelesen werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>At %1 you can expect about %n review(s) a day over the next %2 days.</source>
        <translation>
            <numerusform>Bei %1 können Sie in den nächsten %2 Tagen mit etwa %n Wiederholung pro Tag rechnen.</numerusform>
            <numerusform>Bei %1 können Sie in den nächsten %2 Tagen mit etwa %n Wiederholungen pro Tag rechnen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>That is %n more a day than at the %1 in use now.</source>
        <translation>
            <numerusform>Das ist %n mehr pro Tag als bei den jetzt geltenden %1.</numerusform>
            <numerusform>Das sind %n mehr pro Tag als bei den jetzt geltenden %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>That is %n fewer a day than at the %1 in use now.</source>
        <translation>
            <numerusform>Das ist %n weniger pro Tag als bei den jetzt geltenden %1.</numerusform>
            <numerusform>Das sind %n weniger pro Tag als bei den jetzt geltenden %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CTypingRoundDlg</name>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Type the Words</source>
        <translation>Wörter eintippen</translation>
    </message>
    <message>
        <source>&amp;Direction:</source>
        <translation>&amp;Richtung:</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Ihre Antwort</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>End Round</source>
        <translation>Runde beenden</translation>
    </message>
    <message>
        <source>Type the translation of:</source>
        <translation>Tippen Sie die Übersetzung von:</translation>
    </message>
    <message>
        <source>Type the word for:</source>
        <translation>Tippen Sie das Wort für:</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>The answer: %1</source>
        <translation>Die Antwort: %1</translation>
    </message>
    <message>
        <source>You typed: %1</source>
        <translation>Sie haben getippt: %1</translation>
    </message>
    <message>
        <source>The round is over.

Right at the first try: %1
Right after a retry: %2
Wrong: %3
Time: %4</source>
        <translation>Die Runde ist zu Ende.

Beim ersten Versuch richtig: %1
Richtig nach einer Wiederholung: %2
Falsch: %3
Zeit: %4</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Mind the accents</source>
        <translation>Achte auf die Akzente</translation>
    </message>
    <message>
        <source>Almost</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>&amp;I was right</source>
        <translation>&amp;Ich hatte recht</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Counted as right</source>
        <translation>Als richtig gezählt</translation>
    </message>
    <message>
        <source>&amp;Listen again</source>
        <translation>Noch einmal &amp;hören</translation>
    </message>
    <message>
        <source>Type what you hear:</source>
        <translation>Tippen Sie, was Sie hören:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
</context>
<context>
    <name>CWordListDlg</name>
    <message>
        <source>Word List</source>
        <translation>Wortliste</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
</context>
<context>
    <name>ClassResultsDlg</name>
    <message numerus="yes">
        <source>The class&apos;s results for %1: %n learner(s)</source>
        <translation>
            <numerusform>Ergebnisse der Klasse für %1: %n lernende Person</numerusform>
            <numerusform>Ergebnisse der Klasse für %1: %n Lernende</numerusform>
        </translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Partner</translation>
    </message>
    <message>
        <source>Learners</source>
        <translation>Lernende</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Verfehlt</translation>
    </message>
    <message>
        <source>Mean recall today</source>
        <translation>Mittlere Erinnerung heute</translation>
    </message>
    <message>
        <source>Hardest for</source>
        <translation>Am schwersten für</translation>
    </message>
    <message>
        <source>Learner</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Pairs seen</source>
        <translation>Gesehene Paare</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Fällig</translation>
    </message>
    <message>
        <source>Mature</source>
        <translation>Gefestigt</translation>
    </message>
    <message>
        <source>Last practice</source>
        <translation>Zuletzt geübt</translation>
    </message>
    <message>
        <source>Class Results</source>
        <translation>Ergebnisse der Klasse</translation>
    </message>
    <message>
        <source>Pairs, hardest first</source>
        <translation>Paare, schwerste zuerst</translation>
    </message>
    <message>
        <source>Deal the Class&apos;s Hardest Pairs</source>
        <translation>Schwerste Paare der Klasse geben</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV exportieren...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Edit as New List</source>
        <translation>Als neue Liste bearbeiten</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Neu	Strg+N</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Erstellt ein neues Dokument
Neu</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>Ö&amp;ffnen...	Strg+O</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Öffnet ein vorhandenes Dokument
Öffnen</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Speichern	Strg+S</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Speichert das aktive Dokument
Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Speichert das aktive Dokument unter einem neuen Namen
Speichern unter</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken...	Strg+P</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Druckt das aktive Dokument
Drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Seiten&amp;ansicht</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Zeigt ganze Seiten an
Seitenansicht</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Druck&amp;einrichtung...</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Ändert den Drucker und die Druckoptionen
Druckeinrichtung</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Öffnet dieses Dokument</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Beendet das Programm; fragt, ob Dokumente gespeichert werden sollen
Beenden</translation>
    </message>
    <message>
        <source>Load Saved Game</source>
        <translation>Gespeichertes Spiel laden</translation>
    </message>
    <message>
        <source>Loads an in progress game .</source>
        <translation>Lädt ein begonnenes Spiel.</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Rückgängig	Strg+Z</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Macht die letzte Aktion rückgängig
Rückgängig</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>&amp;Ausschneiden	Strg+X</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Schneidet die Auswahl aus und legt sie in die Zwischenablage
Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Kopieren	Strg+C</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Kopiert die Auswahl in die Zwischenablage
Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>E&amp;infügen	Strg+V</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Fügt den Inhalt der Zwischenablage ein
Einfügen</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Blendet die Symbolleiste ein oder aus
Symbolleiste ein/aus</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>S&amp;tatusleiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Blendet die Statusleiste ein oder aus
Statusleiste ein/aus</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Starts a new game using the current word list. Tiles may be blocked.</source>
        <translation>Beginnt ein neues Spiel mit der aktuellen Wortliste. Steine können blockiert sein.</translation>
    </message>
    <message>
        <source>New Game3</source>
        <translation>Neues Spiel3</translation>
    </message>
    <message>
        <source>Arranges tiles checking that they are not blocked above. </source>
        <translation>Legt die Steine so, dass keiner von oben blockiert ist.</translation>
    </message>
    <message>
        <source>&amp;Word List</source>
        <translation>&amp;Wortliste</translation>
    </message>
    <message>
        <source>Displays the currently loaded word list </source>
        <translation>Zeigt die geladene Wortliste an</translation>
    </message>
    <message>
        <source>Random number test</source>
        <translation>Zufallszahlentest</translation>
    </message>
    <message>
        <source>Draw Level</source>
        <translation>Ebene anzeigen</translation>
    </message>
    <message>
        <source>Display all or one level of tiles.</source>
        <translation>Zeigt alle Ebenen der Steine oder nur eine an.</translation>
    </message>
    <message>
        <source>&amp;About Glossatiles...</source>
        <translation>Ü&amp;ber Glossatiles...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Zeigt Programminformationen, Versionsnummer und Copyright an
Über</translation>
    </message>
    <message>
        <source>Displays the next level of tiles down.</source>
        <translation>Zeigt die nächste Ebene darunter an.</translation>
    </message>
    <message>
        <source>Displays the next level of tiles up.</source>
        <translation>Zeigt die nächste Ebene darüber an.</translation>
    </message>
    <message>
        <source>Show all tile levels.</source>
        <translation>Zeigt alle Ebenen an.</translation>
    </message>
    <message>
        <source>Hint - highlights a matching pair of tiles.</source>
        <translation>Tipp – hebt ein zusammengehörendes Steinpaar hervor.</translation>
    </message>
    <message>
        <source>Auto removes a pair of tiles.</source>
        <translation>Entfernt automatisch ein Steinpaar.</translation>
    </message>
    <message>
        <source>Fast auto finishes the game. Good for testing that no tiles are blocked (save game first).</source>
        <translation>Spielt das Spiel schnell automatisch zu Ende. Gut, um zu prüfen, dass kein Stein blockiert ist (vorher speichern).</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation>&amp;Fortschritt...</translation>
    </message>
    <message>
        <source>Shows your finished games of this list and its hardest pairs
Progress</source>
        <translation>Zeigt Ihre beendeten Spiele dieser Liste und ihre schwersten Paare
Fortschritt</translation>
    </message>
    <message>
        <source>&amp;Export Word List...</source>
        <translation>Wortliste e&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Wiederherstellen	Strg+Y</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>Stellt die zuletzt rückgängig gemachte Aktion wieder her
Wiederherstellen</translation>
    </message>
    <message>
        <source>Speak &amp;Words</source>
        <translation>Wörter &amp;vorlesen</translation>
    </message>
    <message>
        <source>Speaks the word of each picked tile.
Speak Words</source>
        <translation>Liest das Wort jedes gewählten Steins vor.
Wörter vorlesen</translation>
    </message>
    <message>
        <source>&amp;Languages...</source>
        <translation>&amp;Sprachen...</translation>
    </message>
    <message>
        <source>Chooses the language each side of the list is spoken in.
Languages</source>
        <translation>Wählt die Sprache, in der jede Seite der Liste gesprochen wird.
Sprachen</translation>
    </message>
    <message>
        <source>Level &amp;Down	Page Down</source>
        <translation>Ebene &amp;darunter	Bild ab</translation>
    </message>
    <message>
        <source>Level &amp;Up	Page Up</source>
        <translation>Ebene d&amp;arüber	Bild auf</translation>
    </message>
    <message>
        <source>&amp;All Levels	Ctrl+L</source>
        <translation>A&amp;lle Ebenen	Strg+L</translation>
    </message>
    <message>
        <source>&amp;Hint	Ctrl+H</source>
        <translation>&amp;Tipp	Strg+H</translation>
    </message>
    <message>
        <source>&amp;Auto Remove Pair	Ctrl+R</source>
        <translation>Paar &amp;automatisch entfernen	Strg+R</translation>
    </message>
    <message>
        <source>&amp;Fast Auto Finish	Ctrl+F</source>
        <translation>&amp;Schnell automatisch beenden	Strg+F</translation>
    </message>
    <message>
        <source>Zoom &amp;In	Ctrl++</source>
        <translation>Ver&amp;größern	Strg++</translation>
    </message>
    <message>
        <source>Shows the board larger.</source>
        <translation>Zeigt das Spielbrett größer an.</translation>
    </message>
    <message>
        <source>Zoom &amp;Out	Ctrl+-</source>
        <translation>Ver&amp;kleinern	Strg+-</translation>
    </message>
    <message>
        <source>Shows the board smaller.</source>
        <translation>Zeigt das Spielbrett kleiner an.</translation>
    </message>
    <message>
        <source>&amp;Fit to Window	Ctrl+0</source>
        <translation>An &amp;Fenster anpassen	Strg+0</translation>
    </message>
    <message>
        <source>Shows the board as large as the window allows.</source>
        <translation>Zeigt das Spielbrett so groß, wie das Fenster es erlaubt.</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Tasten</translation>
    </message>
    <message>
        <source>Lists the keys that play the game without a mouse.</source>
        <translation>Listet die Tasten auf, mit denen man ohne Maus spielt.</translation>
    </message>
    <message>
        <source>Deal Boards That Can Be Cleared</source>
        <translation>Spielfelder austeilen, die sich abräumen lassen</translation>
    </message>
    <message>
        <source>Deals each list you open as New Game3 does, so that every tile can be cleared.
Deal Boards That Can Be Cleared</source>
        <translation>Teilt jede geöffnete Liste wie „New Game3“ aus, sodass sich alle Steine abräumen lassen.
Spielfelder austeilen, die sich abräumen lassen</translation>
    </message>
    <message>
        <source>New &amp;Word List	Ctrl+Shift+N</source>
        <translation>Neue &amp;Wortliste	Strg+Umschalt+N</translation>
    </message>
    <message>
        <source>Opens the word-list editor on an empty list
New Word List</source>
        <translation>Öffnet den Wortlisten-Editor mit einer leeren Liste
Neue Wortliste</translation>
    </message>
    <message>
        <source>E&amp;dit Word List</source>
        <translation>Wortliste bearbei&amp;ten</translation>
    </message>
    <message>
        <source>Opens the list in play in the word-list editor
Edit Word List</source>
        <translation>Öffnet die Liste im Spiel im Wortlisten-Editor
Wortliste bearbeiten</translation>
    </message>
    <message>
        <source>Print Wor&amp;ksheet...</source>
        <translation>Arbeitsb&amp;latt drucken...</translation>
    </message>
    <message>
        <source>Prints the list as a list, a test or cut-out cards
Print Worksheet</source>
        <translation>Druckt die Liste als Liste, Test oder Karten zum Ausschneiden
Arbeitsblatt drucken</translation>
    </message>
    <message>
        <source>How to &amp;Play</source>
        <translation>&amp;Spielregeln</translation>
    </message>
    <message>
        <source>Shows the rules of the game with pictures.</source>
        <translation>Zeigt die Spielregeln mit Bildern.</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>Shows the import choices before a word list is read
Import</source>
        <translation>Zeigt die Importeinstellungen, bevor eine Wortliste gelesen wird
Importieren</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;Review	Ctrl+D</source>
        <translation>&amp;Heutige Wiederholung	Strg+D</translation>
    </message>
    <message>
        <source>Deals the pairs of every list that are due for review today
Today&apos;s Review</source>
        <translation>Teilt die Paare aller Listen aus, die heute zur Wiederholung fällig sind
Heutige Wiederholung</translation>
    </message>
    <message>
        <source>&amp;Type the Words	Ctrl+T</source>
        <translation>Wörter &amp;eintippen	Strg+T</translation>
    </message>
    <message>
        <source>Asks for the partner of each word of the list, one at a time.
Type the Words</source>
        <translation>Fragt nach dem Partner jedes Wortes der Liste, eines nach dem anderen.
Wörter eintippen</translation>
    </message>
    <message>
        <source>Flash&amp;cards	Ctrl+K</source>
        <translation>&amp;Karteikarten	Strg+K</translation>
    </message>
    <message>
        <source>Shows the pairs due first as cards that you turn and grade yourself.
Flashcards</source>
        <translation>Zeigt die fälligen Paare zuerst als Karten, die Sie umdrehen und selbst bewerten.
Karteikarten</translation>
    </message>
    <message>
        <source>Choose the &amp;Word	Ctrl+M</source>
        <translation>&amp;Wort wählen	Strg+M</translation>
    </message>
    <message>
        <source>Asks for the partner of each word among four answers.
Choose the Word</source>
        <translation>Fragt nach dem Partner jedes Wortes unter vier Antworten.
Wort wählen</translation>
    </message>
    <message>
        <source>Review &amp;Settings...</source>
        <translation>Wiederholungs&amp;einstellungen...</translation>
    </message>
    <message>
        <source>Chooses how much to remember, how many pairs to review and a daily goal
Review Settings</source>
        <translation>Wählt, wie viel Sie behalten wollen, wie viele Paare wiederholt werden und ein Tagesziel
Wiederholungseinstellungen</translation>
    </message>
    <message>
        <source>Writes the word list as a native list, TSV, CSV, kvtml or an Anki package
Export Word List</source>
        <translation>Schreibt die Wortliste als eigene Liste, TSV, CSV, kvtml oder Anki-Paket
Wortliste exportieren</translation>
    </message>
    <message>
        <source>Export &amp;My Results...</source>
        <translation>&amp;Meine Ergebnisse exportieren...</translation>
    </message>
    <message>
        <source>Writes how you fare with the list in play to a file for your teacher
Export My Results</source>
        <translation>Schreibt Ihre Ergebnisse mit der Liste im Spiel in eine Datei für Ihre Lehrkraft
Meine Ergebnisse exportieren</translation>
    </message>
    <message>
        <source>&amp;Class Results...</source>
        <translation>Ergebnisse der &amp;Klasse...</translation>
    </message>
    <message>
        <source>Gathers your learners&apos; results files and shows the class&apos;s hardest pairs
Class Results</source>
        <translation>Sammelt die Ergebnisdateien Ihrer Lernenden und zeigt die schwersten Paare der Klasse
Ergebnisse der Klasse</translation>
    </message>
    <message>
        <source>&amp;Home	Alt+Home</source>
        <translation>Sta&amp;rtseite	Alt+Pos1</translation>
    </message>
    <message>
        <source>Shows what is due today, your lists and your practice
Home</source>
        <translation>Zeigt, was heute fällig ist, Ihre Listen und Ihre Übung
Startseite</translation>
    </message>
    <message>
        <source>&amp;Play Sounds</source>
        <translation>Aufnahmen a&amp;bspielen</translation>
    </message>
    <message>
        <source>Plays the recording of each picked tile that has one.
Play Sounds</source>
        <translation>Spielt die Aufnahme jedes gewählten Steins ab, der eine hat.
Aufnahmen abspielen</translation>
    </message>
</context>
<context>
    <name>DueReminder</name>
    <message numerus="yes">
        <source>%n pairs are due today</source>
        <translation>
            <numerusform>%n Paar ist heute fällig</numerusform>
            <numerusform>%n Paare sind heute fällig</numerusform>
        </translation>
    </message>
    <message>
        <source>Start review</source>
        <translation>Wiederholung starten</translation>
    </message>
</context>
<context>
    <name>EmptyBoardNote</name>
    <message>
        <source>Open a word list with File &gt; Open (Ctrl+O)</source>
        <translation>Öffnen Sie eine Wortliste mit Datei &gt; Öffnen (Strg+O)</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>Game saved to %1</source>
        <translation>Spiel gespeichert in %1</translation>
    </message>
    <message>
        <source>Word list exported to %1</source>
        <translation>Wortliste exportiert nach %1</translation>
    </message>
</context>
<context>
    <name>GameLearning</name>
    <message>
        <source>The missed pairs could not be saved to
%1</source>
        <translation>Die verfehlten Paare konnten nicht gespeichert werden in
%1</translation>
    </message>
    <message>
        <source>Missed pairs saved to %1</source>
        <translation>Verfehlte Paare gespeichert in %1</translation>
    </message>
    <message>
        <source>Your results carry your name: give one to export them.</source>
        <translation>Ihre Ergebnisse tragen Ihren Namen: Geben Sie einen an, um sie zu exportieren.</translation>
    </message>
    <message>
        <source>This name cannot be used: %1</source>
        <translation>Dieser Name kann nicht verwendet werden: %1</translation>
    </message>
    <message>
        <source>Results written to %1</source>
        <translation>Ergebnisse geschrieben nach %1</translation>
    </message>
    <message>
        <source>No results file could be read.</source>
        <translation>Keine Ergebnisdatei konnte gelesen werden.</translation>
    </message>
    <message>
        <source>The class&apos;s results could not be saved to
%1</source>
        <translation>Die Ergebnisse der Klasse konnten nicht gespeichert werden in
%1</translation>
    </message>
    <message>
        <source>Class results exported to %1</source>
        <translation>Ergebnisse der Klasse exportiert nach %1</translation>
    </message>
    <message>
        <source>Class results: %1</source>
        <translation>Ergebnisse der Klasse: %1</translation>
    </message>
    <message numerus="yes">
        <source>missed by %1 of %n learner(s)</source>
        <translation>
            <numerusform>verfehlt von %1 von %n lernenden Person</numerusform>
            <numerusform>verfehlt von %1 von %n Lernenden</numerusform>
        </translation>
    </message>
    <message>
        <source>mean recall today %1</source>
        <translation>mittlere Erinnerung heute %1</translation>
    </message>
    <message>
        <source>hardest for %1</source>
        <translation>am schwersten für %1</translation>
    </message>
</context>
<context>
    <name>HomeControl</name>
    <message>
        <source>Progress cannot be read: %1</source>
        <translation>Der Fortschritt kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The list&apos;s progress could not be moved: %1</source>
        <translation>Der Fortschritt der Liste konnte nicht verschoben werden: %1</translation>
    </message>
    <message>
        <source>The reminder at login could not be changed: %1</source>
        <translation>Die Erinnerung bei der Anmeldung konnte nicht geändert werden: %1</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Start Review</source>
        <translation>Wiederholung starten</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>T&amp;ype</source>
        <translation>&amp;Tippen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Locate…</source>
        <translation>&amp;Suchen…</translation>
    </message>
    <message>
        <source>Start here</source>
        <translation>Hier beginnen</translation>
    </message>
    <message>
        <source>&amp;Back to the Game</source>
        <translation>&amp;Zurück zum Spiel</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Your lists</source>
        <translation>Ihre Listen</translation>
    </message>
    <message>
        <source>Deals this list&apos;s pairs that are due today</source>
        <translation>Teilt die heute fälligen Paare dieser Liste aus</translation>
    </message>
    <message>
        <source>Asks for the partner of each word of this list</source>
        <translation>Fragt nach dem Partner jedes Worts dieser Liste</translation>
    </message>
    <message>
        <source>Opens this list in the word-list editor</source>
        <translation>Öffnet diese Liste im Wortlisten-Editor</translation>
    </message>
    <message>
        <source>Points to the list&apos;s file in its new place; its progress follows it</source>
        <translation>Zeigt auf den neuen Ort der Listendatei; ihr Fortschritt folgt ihr</translation>
    </message>
    <message>
        <source>New Word List</source>
        <translation>Neue Wortliste</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importieren…</translation>
    </message>
    <message>
        <source>A year of practice</source>
        <translation>Ein Jahr Übung</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs are due today</source>
        <translation>
            <numerusform>%n Paar ist heute fällig</numerusform>
            <numerusform>%n Paare sind heute fällig</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Nothing is due today. Next: %n pairs on %1</source>
        <translation>
            <numerusform>Heute ist nichts fällig. Als Nächstes: %n Paar am %1</numerusform>
            <numerusform>Heute ist nichts fällig. Als Nächstes: %n Paare am %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing is due. Play a list to start your reviews.</source>
        <translation>Nichts ist fällig. Spielen Sie eine Liste, um mit den Wiederholungen zu beginnen.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pairs practised today</source>
        <translation>
            <numerusform>%1 von %n Paar heute geübt</numerusform>
            <numerusform>%1 von %n Paaren heute geübt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Streak: %n days</source>
        <translation>
            <numerusform>Serie: %n Tag</numerusform>
            <numerusform>Serie: %n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>longest: %n days</source>
        <translation>
            <numerusform>längste: %n Tag</numerusform>
            <numerusform>längste: %n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>Example: %1</source>
        <translation>Beispiel: %1</translation>
    </message>
    <message>
        <source>Remind me at &amp;login</source>
        <translation>Beim &amp;Anmelden erinnern</translation>
    </message>
    <message>
        <source>When you log in, a desktop notification tells of the pairs due that day</source>
        <translation>Beim Anmelden nennt eine Desktop-Benachrichtigung die an diesem Tag fälligen Paare</translation>
    </message>
</context>
<context>
    <name>ImportDlg</name>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Semicolon ( ; )</source>
        <translation>Semikolon ( ; )</translation>
    </message>
    <message>
        <source>Comma ( , )</source>
        <translation>Komma ( , )</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>Vertical bar ( | )</source>
        <translation>Senkrechter Strich ( | )</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>First row holds column names</source>
        <translation>Erste Zeile enthält Spaltennamen</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>%1 importieren</translation>
    </message>
    <message>
        <source>The first records of the file</source>
        <translation>Die ersten Datensätze der Datei</translation>
    </message>
    <message>
        <source>&amp;Preview:</source>
        <translation>&amp;Vorschau:</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>&amp;Trennzeichen:</translation>
    </message>
    <message>
        <source>&amp;Word column:</source>
        <translation>&amp;Wortspalte:</translation>
    </message>
    <message>
        <source>&amp;Translation column:</source>
        <translation>Ü&amp;bersetzungsspalte:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Beschreibung:</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Trennzeichen</translation>
    </message>
    <message>
        <source>Word column</source>
        <translation>Wortspalte</translation>
    </message>
    <message>
        <source>Translation column</source>
        <translation>Übersetzungsspalte</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Read as a word list, one word a line</source>
        <translation>Als Wortliste lesen, ein Wort je Zeile</translation>
    </message>
</context>
<context>
    <name>KeyLockIndicators</name>
    <message>
        <source>CAP</source>
        <translation>UF</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>RF</translation>
    </message>
</context>
<context>
    <name>LanguagesDlg</name>
    <message>
        <source>Automatic: %1</source>
        <translation>Automatisch: %1</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Sprachen</translation>
    </message>
    <message>
        <source>&amp;Words:</source>
        <translation>&amp;Wörter:</translation>
    </message>
    <message>
        <source>&amp;Translations:</source>
        <translation>Ü&amp;bersetzungen:</translation>
    </message>
    <message>
        <source>Automatic: not known, not spoken</source>
        <translation>Automatisch: unbekannt, nicht gesprochen</translation>
    </message>
</context>
<context>
    <name>LevelPane</name>
    <message>
        <source>All levels</source>
        <translation>Alle Ebenen</translation>
    </message>
    <message>
        <source>Level %1 of %2</source>
        <translation>Ebene %1 von %2</translation>
    </message>
</context>
<context>
    <name>ListTableModel</name>
    <message>
        <source>%1 (the file is gone)</source>
        <translation>%1 (die Datei fehlt)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>list description, file</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1, missing</source>
        <comment>a list whose file is gone</comment>
        <translation>%1, fehlt</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Paare</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>Heute fällig</translation>
    </message>
    <message>
        <source>Mature</source>
        <translation>Gefestigt</translation>
    </message>
    <message>
        <source>Last practice</source>
        <translation>Zuletzt geübt</translation>
    </message>
</context>
<context>
    <name>MemoryPage</name>
    <message>
        <source>Parameters in use</source>
        <translation>Verwendete Parameter</translation>
    </message>
    <message>
        <source>&amp;Fit Now</source>
        <translation>Jetzt &amp;anpassen</translation>
    </message>
    <message>
        <source>Fits the memory model to your own reviews.</source>
        <translation>Passt das Gedächtnismodell an Ihre eigenen Wiederholungen an.</translation>
    </message>
    <message>
        <source>Fit progress</source>
        <translation>Fortschritt der Anpassung</translation>
    </message>
    <message>
        <source>&amp;Cancel Fit</source>
        <translation>Anpassung a&amp;bbrechen</translation>
    </message>
    <message>
        <source>Progress cannot be read: %1</source>
        <translation>Der Fortschritt kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Fitting…</source>
        <translation>Wird angepasst …</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message numerus="yes">
        <source>Fast auto finish removed %n pairs.</source>
        <translation>
            <numerusform>Schnell automatisch beenden hat %n Paar entfernt.</numerusform>
            <numerusform>Schnell automatisch beenden hat %n Paare entfernt.</numerusform>
        </translation>
    </message>
    <message>
        <source>This glossatiles-cli was built without Qt and cannot write worksheets.</source>
        <translation>Dieses glossatiles-cli wurde ohne Qt gebaut und kann keine Arbeitsblätter schreiben.</translation>
    </message>
    <message numerus="yes">
        <source>%n rows of %1 were left out because a word or its translation is empty.
Lines %2</source>
        <translation>
            <numerusform>%n Zeile von %1 wurde ausgelassen, weil ein Wort oder seine Übersetzung leer ist.
Zeile %2</numerusform>
            <numerusform>%n Zeilen von %1 wurden ausgelassen, weil ein Wort oder seine Übersetzung leer ist.
Zeilen %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A blank line ends the list in %1 after %n pairs:</source>
        <translation>
            <numerusform>Eine Leerzeile beendet die Liste in %1 nach %n Paar:</numerusform>
            <numerusform>Eine Leerzeile beendet die Liste in %1 nach %n Paaren:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines after it were not read.</source>
        <translation>
            <numerusform>%n Zeile danach wurde nicht gelesen.</numerusform>
            <numerusform>%n Zeilen danach wurden nicht gelesen.</numerusform>
        </translation>
    </message>
    <message>
        <source>No word pairs found in %1</source>
        <translation>Keine Wortpaare gefunden in %1</translation>
    </message>
    <message>
        <source>Can&apos;t write the file
%1</source>
        <translation>Die Datei kann nicht geschrieben werden
%1</translation>
    </message>
    <message>
        <source>No free pair left: no two tiles on top belong together. Game &gt; New Game3 deals tiles that can always be cleared, and so does File &gt; Open while Game &gt; Deal Boards That Can Be Cleared is on.</source>
        <translation>Kein freies Paar mehr: Keine zwei obersten Steine gehören zusammen. Spiel &gt; Neues Spiel3 legt Steine, die sich immer abräumen lassen, und ebenso Datei &gt; Öffnen, solange Spiel &gt; „Spielfelder austeilen, die sich abräumen lassen“ eingeschaltet ist.</translation>
    </message>
    <message>
        <source>The path is longer than 299 characters:
%1

Please choose a file with a shorter path.</source>
        <translation>Der Pfad ist länger als 299 Zeichen:
%1

Bitte wählen Sie eine Datei mit kürzerem Pfad.</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <translation>Ausgewählt: %1</translation>
    </message>
    <message>
        <source>Deselected: %1</source>
        <translation>Abgewählt: %1</translation>
    </message>
    <message>
        <source>Correct: %1 = %2</source>
        <translation>Richtig: %1 = %2</translation>
    </message>
    <message>
        <source>Wrong: %1 is not %2&apos;s pair</source>
        <translation>Falsch: %1 gehört nicht zu %2</translation>
    </message>
    <message>
        <source>Peek: %1 = %2</source>
        <translation>Aufgedeckt: %1 = %2</translation>
    </message>
    <message>
        <source>Hint: %1 = %2</source>
        <translation>Tipp: %1 = %2</translation>
    </message>
    <message>
        <source>Removed: %1 = %2</source>
        <translation>Entfernt: %1 = %2</translation>
    </message>
    <message>
        <source>Undone: %1 = %2</source>
        <translation>Rückgängig: %1 = %2</translation>
    </message>
    <message>
        <source>Redone: %1 = %2</source>
        <translation>Wiederhergestellt: %1 = %2</translation>
    </message>
    <message>
        <source>There is no word list loaded
Use File &gt; Open to open a list</source>
        <translation>Es ist keine Wortliste geladen
Öffnen Sie eine Liste mit Datei &gt; Öffnen</translation>
    </message>
    <message>
        <source>Progress is not kept: %1</source>
        <translation>Der Fortschritt wird nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Can&apos;t save when no game is in progress.

Nothing to save!</source>
        <translation>Ohne laufendes Spiel kann nichts gespeichert werden.

Nichts zu speichern!</translation>
    </message>
    <message>
        <source>CellCount = 0
This is unexpected when you have a game loaded

Nothing to save ?</source>
        <translation>CellCount = 0
Das ist bei einem geladenen Spiel unerwartet

Nichts zu speichern?</translation>
    </message>
    <message>
        <source>Save not allowed

You may only save to an existing saved game file
or to a new file.

This is to prevent accidental overwritting of your word lists.</source>
        <translation>Speichern nicht erlaubt

Sie können nur in eine vorhandene Spielstanddatei
oder in eine neue Datei speichern.

So werden Ihre Wortlisten nicht versehentlich überschrieben.</translation>
    </message>
    <message>
        <source>Error can&apos;t create the record file
%1</source>
        <translation>Fehler: Die Spielstanddatei kann nicht angelegt werden
%1</translation>
    </message>
    <message>
        <source>Error writing to file</source>
        <translation>Fehler beim Schreiben der Datei</translation>
    </message>
    <message>
        <source>%1
read from file.
Expected &apos;%2&apos;

Click Ok to continue.</source>
        <translation>%1
aus der Datei gelesen.
Erwartet: &apos;%2&apos;

Klicken Sie auf OK, um fortzufahren.</translation>
    </message>
    <message>
        <source>%1 more cell lines name word pairs that are not in the file.
Their cells are left empty.</source>
        <translation>%1 weitere Zellenzeilen nennen Wortpaare, die nicht in der Datei stehen.
Ihre Zellen bleiben leer.</translation>
    </message>
    <message>
        <source>Loaded file OK

Oringinal game was started from file
%1</source>
        <translation>Datei geladen

Das ursprüngliche Spiel wurde aus dieser Datei begonnen:
%1</translation>
    </message>
    <message>
        <source>Expected a game source file name
but it is missing.

Click Ok to continue.</source>
        <translation>Der Name der Quelldatei des Spiels wurde erwartet,
fehlt aber.

Klicken Sie auf OK, um fortzufahren.</translation>
    </message>
    <message>
        <source>Unable to find ArrayTop section in file.

This file does not appear to be a valid Glossatiles saved game.</source>
        <translation>Der Abschnitt ArrayTop wurde in der Datei nicht gefunden.

Diese Datei scheint kein gültiges gespeichertes Glossatiles-Spiel zu sein.</translation>
    </message>
    <message>
        <source>Unable to find ArrayIndex section in file.

This file does not appear to be a valid Glossatiles saved game.</source>
        <translation>Der Abschnitt ArrayIndex wurde in der Datei nicht gefunden.

Diese Datei scheint kein gültiges gespeichertes Glossatiles-Spiel zu sein.</translation>
    </message>
    <message>
        <source>The saved game ends early: %1 of its %2 cells are missing.
Their tiles are not on the board.</source>
        <translation>Das gespeicherte Spiel endet zu früh: %1 seiner %2 Zellen fehlen.
Ihre Steine liegen nicht auf dem Spielbrett.</translation>
    </message>
    <message>
        <source>Warning there appears to be a missing word
in the word pairs.</source>
        <translation>Warnung: In den Wortpaaren scheint
ein Wort zu fehlen.</translation>
    </message>
    <message>
        <source>Error can&apos;t open the file
%1</source>
        <translation>Fehler: Die Datei kann nicht geöffnet werden
%1</translation>
    </message>
    <message>
        <source>This is not a text file:
%1

Word lists and saved games are plain text.</source>
        <translation>Dies ist keine Textdatei:
%1

Wortlisten und gespeicherte Spiele sind reiner Text.</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Richtig: %1</translation>
    </message>
    <message>
        <source>Mind the accents: %1</source>
        <translation>Achten Sie auf die Akzente: %1</translation>
    </message>
    <message>
        <source>Almost: %1</source>
        <translation>Fast: %1</translation>
    </message>
    <message>
        <source>Wrong: %1</source>
        <translation>Falsch: %1</translation>
    </message>
    <message>
        <source>Its collection would unpack to more than %1 MB, far more than a deck holds; it is refused.</source>
        <translation>Die Sammlung darin würde entpackt mehr als %1 MB belegen, weit mehr, als ein Deck enthält; sie wird abgelehnt.</translation>
    </message>
    <message>
        <source>The archive is damaged.</source>
        <translation>Das Archiv ist beschädigt.</translation>
    </message>
    <message>
        <source>Its compressed collection is damaged.</source>
        <translation>Die komprimierte Sammlung darin ist beschädigt.</translation>
    </message>
    <message>
        <source>Its collection is not an SQLite database.</source>
        <translation>Die Sammlung darin ist keine SQLite-Datenbank.</translation>
    </message>
    <message>
        <source>Its collection cannot be opened.</source>
        <translation>Die Sammlung darin kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Its collection is not an Anki collection, or it is damaged.</source>
        <translation>Die Sammlung darin ist keine Anki-Sammlung, oder sie ist beschädigt.</translation>
    </message>
    <message>
        <source>It was made by a newer Anki (collection schema %1); this program reads schemas %2 to %3.</source>
        <translation>Die Datei stammt von einem neueren Anki (Sammlungsschema %1); dieses Programm liest die Schemas %2 bis %3.</translation>
    </message>
    <message>
        <source>Its collection schema %1 is older than any this program reads.</source>
        <translation>Das Sammlungsschema %1 darin ist älter als alle, die dieses Programm liest.</translation>
    </message>
    <message>
        <source>Its note types cannot be read.</source>
        <translation>Die Notiztypen darin können nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Its collection is damaged: %1.</source>
        <translation>Die Sammlung darin ist beschädigt: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n cloze notes were left out, since they are not word pairs.</source>
        <translation>
            <numerusform>%n Lückentext-Notiz wurde ausgelassen, da sie kein Wortpaar ist.</numerusform>
            <numerusform>%n Lückentext-Notizen wurden ausgelassen, da sie keine Wortpaare sind.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its notes name a note type that it does not hold.</source>
        <translation>Die Notizen darin nennen einen Notiztyp, den die Datei nicht enthält.</translation>
    </message>
    <message>
        <source>It holds only a note asking for a newer Anki; its real collection is missing.</source>
        <translation>Die Datei enthält nur eine Notiz, die ein neueres Anki verlangt; die eigentliche Sammlung fehlt.</translation>
    </message>
    <message>
        <source>It is not a zip archive, or the archive is damaged.</source>
        <translation>Die Datei ist kein ZIP-Archiv, oder das Archiv ist beschädigt.</translation>
    </message>
    <message>
        <source>It holds no Anki collection.</source>
        <translation>Die Datei enthält keine Anki-Sammlung.</translation>
    </message>
    <message>
        <source>The quoted field that begins on line %1 is never closed.</source>
        <translation>Das Feld in Anführungszeichen, das in Zeile %1 beginnt, wird nie geschlossen.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>It cannot be read.</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>It is too large to read into memory.</source>
        <translation>Die Datei ist zu groß, um sie in den Speicher zu lesen.</translation>
    </message>
    <message>
        <source>It is larger than %1 MB, more than a word list may be.</source>
        <translation>Die Datei ist größer als %1 MB, größer, als eine Wortliste sein darf.</translation>
    </message>
    <message>
        <source>The XML is malformed on line %1: %2.</source>
        <translation>Das XML ist in Zeile %1 fehlerhaft: %2.</translation>
    </message>
    <message>
        <source>The XML holds no kvtml word list.</source>
        <translation>Das XML enthält keine kvtml-Wortliste.</translation>
    </message>
    <message>
        <source>It is not UTF-8 text.</source>
        <translation>Die Datei ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>No reader claims it.</source>
        <translation>Kein Importfilter erkennt die Datei.</translation>
    </message>
    <message>
        <source>It holds no word pair.</source>
        <translation>Die Datei enthält kein Wortpaar.</translation>
    </message>
    <message>
        <source>The word and its translation must come from two different columns.</source>
        <translation>Das Wort und seine Übersetzung müssen aus zwei verschiedenen Spalten kommen.</translation>
    </message>
    <message>
        <source>It has no column %1; its last column is %2.</source>
        <translation>Die Datei hat keine Spalte %1; ihre letzte Spalte ist %2.</translation>
    </message>
    <message>
        <source>Can&apos;t import the file
%1
%2</source>
        <translation>Die Datei kann nicht importiert werden
%1
%2</translation>
    </message>
    <message>
        <source>Could not allocate memory</source>
        <translation>Speicher konnte nicht reserviert werden</translation>
    </message>
    <message>
        <source>Internal error occurred</source>
        <translation>Ein interner Fehler ist aufgetreten</translation>
    </message>
    <message>
        <source>Could not determine tag type</source>
        <translation>Der Typ eines Tags ist nicht bestimmbar</translation>
    </message>
    <message>
        <source>Error parsing document declaration/processing instruction</source>
        <translation>Fehler in der Dokumentdeklaration oder einer Verarbeitungsanweisung</translation>
    </message>
    <message>
        <source>Error parsing comment</source>
        <translation>Fehler in einem Kommentar</translation>
    </message>
    <message>
        <source>Error parsing CDATA section</source>
        <translation>Fehler in einem CDATA-Abschnitt</translation>
    </message>
    <message>
        <source>Error parsing document type declaration</source>
        <translation>Fehler in der Dokumenttypdeklaration</translation>
    </message>
    <message>
        <source>Error parsing PCDATA section</source>
        <translation>Fehler in einem PCDATA-Abschnitt</translation>
    </message>
    <message>
        <source>Error parsing start element tag</source>
        <translation>Fehler in einem Start-Tag</translation>
    </message>
    <message>
        <source>Error parsing element attribute</source>
        <translation>Fehler in einem Attribut</translation>
    </message>
    <message>
        <source>Error parsing end element tag</source>
        <translation>Fehler in einem End-Tag</translation>
    </message>
    <message>
        <source>Start-end tags mismatch</source>
        <translation>Start- und End-Tag passen nicht zusammen</translation>
    </message>
    <message>
        <source>No document element found</source>
        <translation>Kein Dokumentelement gefunden</translation>
    </message>
    <message>
        <source>Out of memory allocating for AssignmentAB
in &apos;NewGame</source>
        <translation>Kein Speicher mehr beim Anlegen von AssignmentAB
in &apos;NewGame</translation>
    </message>
    <message>
        <source>Out of memory allocating for AssignmentArray
in &apos;NewGame</source>
        <translation>Kein Speicher mehr beim Anlegen von AssignmentArray
in &apos;NewGame</translation>
    </message>
    <message>
        <source>Timer overrun</source>
        <translation>Timer-Überlauf</translation>
    </message>
    <message>
        <source>Program error, not enough cells to assign word pairs</source>
        <translation>Programmfehler: nicht genug Zellen, um die Wortpaare zuzuweisen</translation>
    </message>
    <message>
        <source>Unable to place all tiles
because some tiles would have been blocked.
You may want to retry by starting another new game</source>
        <translation>Nicht alle Steine können gelegt werden,
weil einige Steine blockiert wären.
Versuchen Sie es vielleicht mit einem weiteren neuen Spiel</translation>
    </message>
    <message>
        <source>Out of memory in CheckForBlockedTiles</source>
        <translation>Kein Speicher mehr in CheckForBlockedTiles</translation>
    </message>
    <message>
        <source>Possible odd number of words in function Loadplayedgame %1
GetWordPairPointer returned NULL</source>
        <translation>Möglicherweise ungerade Anzahl von Wörtern in der Funktion Loadplayedgame %1
GetWordPairPointer gab NULL zurück</translation>
    </message>
    <message>
        <source>Error: Cant create AssignmentArrays</source>
        <translation>Fehler: AssignmentArrays können nicht angelegt werden</translation>
    </message>
    <message>
        <source>Error: Something went wrong

WordsCount or CellCount is zero.</source>
        <translation>Fehler: Etwas ist schiefgegangen

WordsCount oder CellCount ist null.</translation>
    </message>
    <message>
        <source>Program error: out of memory reading file
Can&apos;t allocate memory for ThisArrayMember
List will be incomplete</source>
        <translation>Programmfehler: kein Speicher mehr beim Lesen der Datei
Für ThisArrayMember kann kein Speicher reserviert werden
Die Liste wird unvollständig sein</translation>
    </message>
    <message>
        <source>Program error: out of memory reading file
Can&apos;t allocate memory for ThisArrayMember-&gt;TextA
List will be incomplete</source>
        <translation>Programmfehler: kein Speicher mehr beim Lesen der Datei
Für ThisArrayMember-&gt;TextA kann kein Speicher reserviert werden
Die Liste wird unvollständig sein</translation>
    </message>
    <message>
        <source>Program error: out of memory reading file
Can&apos;t allocate memory for ThisArrayMember-&gt;TextB
List will be incomplete</source>
        <translation>Programmfehler: kein Speicher mehr beim Lesen der Datei
Für ThisArrayMember-&gt;TextB kann kein Speicher reserviert werden
Die Liste wird unvollständig sein</translation>
    </message>
    <message>
        <source>Possible odd number of words in function GetWordPairPointer</source>
        <translation>Möglicherweise ungerade Anzahl von Wörtern in der Funktion GetWordPairPointer</translation>
    </message>
    <message>
        <source>there is no folder for it (neither XDG_DATA_HOME nor HOME is set)</source>
        <translation>es gibt keinen Ordner dafür (weder XDG_DATA_HOME noch HOME ist gesetzt)</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>%1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 comes from a newer Glossatiles (schema version %2)</source>
        <translation>%1 stammt von einem neueren Glossatiles (Schemaversion %2)</translation>
    </message>
    <message>
        <source>cannot update %1</source>
        <translation>%1 kann nicht aktualisiert werden</translation>
    </message>
    <message>
        <source>%1 has schema version %2, this program reads version %3</source>
        <translation>%1 hat die Schemaversion %2, dieses Programm liest Version %3</translation>
    </message>
    <message>
        <source>Missed pairs</source>
        <translation>Verfehlte Paare</translation>
    </message>
    <message>
        <source>Hardest pairs</source>
        <translation>Schwerste Paare</translation>
    </message>
    <message>
        <source>Glossatiles - %2 of %1</source>
        <translation>Glossatiles - %2 aus %1</translation>
    </message>
    <message>
        <source>Glossatiles - %1</source>
        <translation>Glossatiles - %1</translation>
    </message>
    <message>
        <source>Today&apos;s Review</source>
        <translation>Heutige Wiederholung</translation>
    </message>
    <message>
        <source>Line %1 does not have the three columns pair, date and rating.</source>
        <translation>Zeile %1 hat nicht die drei Spalten Paar, Datum und Bewertung.</translation>
    </message>
    <message>
        <source>Line %1: the date &quot;%2&quot; is not written YYYY-MM-DD.</source>
        <translation>Zeile %1: Das Datum „%2“ ist nicht als JJJJ-MM-TT geschrieben.</translation>
    </message>
    <message>
        <source>Line %1: the rating &quot;%2&quot; is not 1, 2, 3 or 4.</source>
        <translation>Zeile %1: Die Bewertung „%2“ ist nicht 1, 2, 3 oder 4.</translation>
    </message>
    <message>
        <source>Line %1: %2 is dated %3, before its review on line %4.</source>
        <translation>Zeile %1: %2 ist auf den %3 datiert, vor seiner Wiederholung in Zeile %4.</translation>
    </message>
    <message>
        <source>The file has more than %1 lines, more than a review file may have.</source>
        <translation>Die Datei hat mehr als %1 Zeilen, mehr als eine Wiederholungsdatei haben darf.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, more than a review file may be.</source>
        <translation>Die Datei ist größer als %1 MB, größer als eine Wiederholungsdatei sein darf.</translation>
    </message>
    <message>
        <source>In its collection, %1 is not a plain table with Anki&apos;s columns; it is refused.</source>
        <translation>In der Sammlung darin ist %1 keine einfache Tabelle mit den Spalten von Anki; sie wird abgelehnt.</translation>
    </message>
    <message>
        <source>It holds more than %1 notes, more than this program reads; it is refused.</source>
        <translation>Die Datei enthält mehr als %1 Notizen, mehr, als dieses Programm liest; sie wird abgelehnt.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines of %1 are longer than 998 bytes; each was read as several words.</source>
        <translation>
            <numerusform>%n Zeile von %1 ist länger als 998 Byte; sie wurde als mehrere Wörter gelesen.</numerusform>
            <numerusform>%n Zeilen von %1 sind länger als 998 Byte; jede wurde als mehrere Wörter gelesen.</numerusform>
        </translation>
    </message>
    <message>
        <source>It holds more than %1 entries, more than this program reads; it is refused.</source>
        <translation>Die Datei enthält mehr als %1 Einträge, mehr, als dieses Programm liest; sie wird abgelehnt.</translation>
    </message>
    <message>
        <source>Its XML holds far more elements than a word list of its size; it is refused.</source>
        <translation>Ihr XML enthält weit mehr Elemente als eine Wortliste dieser Größe; die Datei wird abgelehnt.</translation>
    </message>
    <message>
        <source>The first row (%1) was taken for the names of the columns and left out.</source>
        <translation>Die erste Zeile (%1) wurde für die Namen der Spalten gehalten und ausgelassen.</translation>
    </message>
    <message>
        <source>Reading its collection takes far more work than a collection of its size needs; it is refused.</source>
        <translation>Das Lesen der Sammlung darin kostet weit mehr Arbeit, als eine Sammlung dieser Größe braucht; sie wird abgelehnt.</translation>
    </message>
    <message>
        <source>Its collection holds a text longer than %1 MB, far more than a note holds; it is refused.</source>
        <translation>Die Sammlung darin enthält einen Text von mehr als %1 MB, weit mehr, als eine Notiz enthält; sie wird abgelehnt.</translation>
    </message>
    <message>
        <source>Wrong: %1 (the answer: %2)</source>
        <translation>Falsch: %1 (die Antwort: %2)</translation>
    </message>
    <message>
        <source>Again: %1</source>
        <translation>Nochmal: %1</translation>
    </message>
    <message>
        <source>Hard: %1</source>
        <translation>Schwer: %1</translation>
    </message>
    <message>
        <source>Easy: %1</source>
        <translation>Einfach: %1</translation>
    </message>
    <message>
        <source>Good: %1</source>
        <translation>Gut: %1</translation>
    </message>
    <message numerus="yes">
        <source>Again · %n days</source>
        <translation>
            <numerusform>Nochmal · %n Tag</numerusform>
            <numerusform>Nochmal · %n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hard · %n days</source>
        <translation>
            <numerusform>Schwer · %n Tag</numerusform>
            <numerusform>Schwer · %n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Easy · %n days</source>
        <translation>
            <numerusform>Einfach · %n Tag</numerusform>
            <numerusform>Einfach · %n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Good · %n days</source>
        <translation>
            <numerusform>Gut · %n Tag</numerusform>
            <numerusform>Gut · %n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>--results needs the learner&apos;s name: --name NAME</source>
        <translation>--results braucht den Namen des Lernenden: --name NAME</translation>
    </message>
    <message>
        <source>The results file %1 is left out: %2</source>
        <translation>Die Ergebnisdatei %1 wird ausgelassen: %2</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>sie kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>it is larger than 10 MB</source>
        <translation>sie ist größer als 10 MB</translation>
    </message>
    <message>
        <source>The folder %1 holds no results files (.json).</source>
        <translation>Der Ordner %1 enthält keine Ergebnisdateien (.json).</translation>
    </message>
    <message>
        <source>The class&apos;s hardest pairs</source>
        <translation>Die schwersten Paare der Klasse</translation>
    </message>
    <message>
        <source>Can&apos;t write the results to
%1
%2</source>
        <translation>Die Ergebnisse können nicht geschrieben werden nach
%1
%2</translation>
    </message>
    <message>
        <source>Results are written for a whole list: open the list first.</source>
        <translation>Ergebnisse werden für eine ganze Liste geschrieben: Öffnen Sie zuerst die Liste.</translation>
    </message>
    <message>
        <source>Can&apos;t export the word list to
%1
The file name must end in .txt, .tsv, .csv, .kvtml or .apkg.</source>
        <translation>Die Wortliste kann nicht exportiert werden nach
%1
Der Dateiname muss auf .txt, .tsv, .csv, .kvtml oder .apkg enden.</translation>
    </message>
    <message>
        <source>%1 is set aside: it holds results for &quot;%2&quot;, not for the class&apos;s list &quot;%3&quot;.</source>
        <translation>%1 wird beiseitegelegt: Die Datei enthält Ergebnisse für „%2“, nicht für die Liste der Klasse, „%3“.</translation>
    </message>
    <message>
        <source>%1 is set aside: %2&apos;s newer results are in %3.</source>
        <translation>%1 wird beiseitegelegt: Die neueren Ergebnisse von %2 stehen in %3.</translation>
    </message>
    <message>
        <source>it is not a Glossatiles results file</source>
        <translation>sie ist keine Ergebnisdatei von Glossatiles</translation>
    </message>
    <message>
        <source>%1 is missing or of the wrong kind</source>
        <translation>%1 fehlt oder hat den falschen Typ</translation>
    </message>
    <message>
        <source>%1 is out of range</source>
        <translation>%1 liegt außerhalb des erlaubten Bereichs</translation>
    </message>
    <message>
        <source>it holds more than %1 pairs</source>
        <translation>sie enthält mehr als %1 Paare</translation>
    </message>
    <message>
        <source>it is not JSON</source>
        <translation>sie ist kein JSON</translation>
    </message>
    <message>
        <source>it comes from a newer Glossatiles (version %1)</source>
        <translation>sie stammt von einem neueren Glossatiles (Version %1)</translation>
    </message>
    <message>
        <source>the pair %1 = %2 is in it twice</source>
        <translation>das Paar %1 = %2 steht zweimal darin</translation>
    </message>
    <message>
        <source>the learner&apos;s name is longer than %1 bytes</source>
        <translation>der Name des Lernenden ist länger als %1 Byte</translation>
    </message>
    <message>
        <source>the learner&apos;s name is not UTF-8 text</source>
        <translation>der Name des Lernenden ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>the learner&apos;s name holds control characters</source>
        <translation>der Name des Lernenden enthält Steuerzeichen</translation>
    </message>
    <message>
        <source>Its list of media files would unpack to more than %1 MB; it is refused.</source>
        <translation>Seine Liste der Mediendateien würde auf mehr als %1 MB entpackt; sie wird abgelehnt.</translation>
    </message>
    <message numerus="yes">
        <source>%n media files of the package were refused (larger than %2 MB, of another size than it declares, damaged, or named outside its folder): %1</source>
        <translation>
            <numerusform>%n Mediendatei des Pakets wurde abgelehnt (größer als %2 MB, von anderer Größe als angegeben, beschädigt oder außerhalb ihres Ordners benannt): %1</numerusform>
            <numerusform>%n Mediendateien des Pakets wurden abgelehnt (größer als %2 MB, von anderer Größe als angegeben, beschädigt oder außerhalb ihres Ordners benannt): %1</numerusform>
        </translation>
    </message>
    <message>
        <source>It holds more than %1 files, more than a deck holds; it is refused.</source>
        <translation>Es enthält mehr als %1 Dateien, mehr als ein Stapel enthält; es wird abgelehnt.</translation>
    </message>
    <message>
        <source>It is larger than %1 MB, more than a deck may be; it is refused.</source>
        <translation>Es ist größer als %1 MB, mehr als ein Stapel sein darf; es wird abgelehnt.</translation>
    </message>
    <message numerus="yes">
        <source>%n media files could not be used; they were looked for in %1.</source>
        <translation>
            <numerusform>%n Mediendatei konnte nicht verwendet werden; sie wurde in %1 gesucht.</numerusform>
            <numerusform>%n Mediendateien konnten nicht verwendet werden; sie wurden in %1 gesucht.</numerusform>
        </translation>
    </message>
    <message>
        <source>Can&apos;t copy the pictures and sounds of the list to
%1</source>
        <translation>Die Bilder und Töne der Liste können nicht kopiert werden nach
%1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Notiz: %1</translation>
    </message>
    <message>
        <source>Saving here would change the format of this file. Save as a new file?</source>
        <translation>Hier zu speichern würde das Format dieser Datei ändern. Als neue Datei speichern?</translation>
    </message>
    <message>
        <source>The list holds only part of this file: a blank line ended it, or a long line was read as several words. Save as a new file?</source>
        <translation>Die Liste enthält nur einen Teil dieser Datei: Eine Leerzeile hat sie beendet, oder eine lange Zeile wurde als mehrere Wörter gelesen. Als neue Datei speichern?</translation>
    </message>
    <message>
        <source>This file has %1 languages; the list uses 2. Save as a new file?</source>
        <translation>Diese Datei hat %1 Sprachen; die Liste verwendet 2. Als neue Datei speichern?</translation>
    </message>
    <message>
        <source>This file has %1 columns; the list uses %2. Save as a new file?</source>
        <translation>Diese Datei hat %1 Spalten; die Liste verwendet %2. Als neue Datei speichern?</translation>
    </message>
    <message>
        <source>The list takes the columns of this file the other way round. Save as a new file?</source>
        <translation>Die Liste nimmt die Spalten dieser Datei in umgekehrter Reihenfolge. Als neue Datei speichern?</translation>
    </message>
    <message>
        <source>The first row of this file names its columns, and the list leaves it out. Save as a new file?</source>
        <translation>Die erste Zeile dieser Datei benennt ihre Spalten, und die Liste lässt sie aus. Als neue Datei speichern?</translation>
    </message>
    <message>
        <source>Rows of this file with a word missing are not in the list. Save as a new file?</source>
        <translation>Zeilen dieser Datei, denen ein Wort fehlt, sind nicht in der Liste. Als neue Datei speichern?</translation>
    </message>
    <message>
        <source>This file sorts its words into lessons, which the list does not keep. Save as a new file?</source>
        <translation>Diese Datei ordnet ihre Wörter in Lektionen, die die Liste nicht behält. Als neue Datei speichern?</translation>
    </message>
    <message>
        <source>Can&apos;t save the word list as
%1
The file name must end in .txt, .tsv, .csv or .kvtml.</source>
        <translation>Die Wortliste kann nicht gespeichert werden als
%1
Der Dateiname muss auf .txt, .tsv, .csv oder .kvtml enden.</translation>
    </message>
    <message>
        <source>Can&apos;t write the file
%1 (%2)</source>
        <translation>Die Datei kann nicht geschrieben werden
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
        <translation>Öffnet DATEI (eine Wortpaarliste oder ein gespeichertes Spiel) wie das Spiel, ohne Fenster,
und gibt eine Zusammenfassung des Spiels aus. Meldungen gehen auf die Standardfehlerausgabe.

  --seed N       mit dem Zufallsstartwert N statt der Uhr legen
  --unblocked    so legen, dass kein Stein blockiert ist (Neues Spiel3)
  --auto-finish  Paare entfernen, bis keines mehr zu finden ist
  --save OUT     das Spiel in OUT speichern; nie über eine Wortliste
  --export OUT   die Wortliste in OUT schreiben: eigene Liste (.txt), TSV (.tsv), CSV (.csv),
                 kvtml 2.0 (.kvtml) oder ein Anki-Paket für Karteikarten-Programme (.apkg)
  --worksheet OUT --layout LAYOUT
                 ein druckbares Arbeitsblatt der Liste als PDF in OUT schreiben: LAYOUT list
                 (beide Spalten), test (je Zeile eine Spalte leer, gemischt nach --seed,
                 Lösungen danach) oder cards (zum Ausschneiden; Vorderseiten auf ungeraden,
                 Rückseiten auf geraden Seiten für beidseitigen Druck)
  --columns W,T[,N]
                 DATEI in jedem Fall als Tabelle lesen und die Wörter aus Spalte W,
                 ihre Übersetzungen aus Spalte T und, wenn angegeben, die Notiz jedes
                 Paares aus Spalte N nehmen (ab 1 gezählt)
  --header-row   die erste Zeile einer importierten Tabelle benennt ihre Spalten; ohne
                 diese Option und --columns wird beides wie im Spiel erraten
  --progress     stattdessen die beendeten Spiele und schwersten Paare von DATEI aus der
                 Fortschrittsdatenbank ausgeben (1, wenn sie nicht lesbar ist)
  --type         die Paare von DATEI einzeln abfragen, eine Antwort je Zeile von der
                 Standardeingabe; gibt jedes Urteil und eine Zusammenfassung aus
  --flashcards   die Paare von DATEI als Karteikarten zeigen, erst die zur Wiederholung
                 fälligen, dann neue (höchstens review_pairs, siehe --set): eine Zeile
                 dreht eine Karte um, die nächste bewertet sie: 1 oder again, 2 oder hard,
                 3 oder good, 4 oder easy
  --choose       die Paare von DATEI in derselben Reihenfolge abfragen, jedes mit bis zu
                 vier Antworten; eine Zeile wählt eine nach ihrer Nummer oder ihrem Text
  --direction D  mit --type, --flashcards oder --choose: forward (nach der Übersetzung
                 fragen, die Vorgabe), backward (nach dem Wort fragen), mixed oder listen
                 (nach dem Wort des gespielten Tons fragen, seiner Aufnahme oder sonst
                 seiner Sprachausgabe)
  --due          die heute oder früher zur Wiederholung fälligen Paare auflisten, eines je
                 Zeile: Fälligkeitsdatum, Wort, Übersetzung und Listenbeschreibung, durch
                 Tabulatoren getrennt (1, wenn die Fortschrittsdatenbank nicht lesbar ist)
  --on DATE      mit --due: die am oder vor DATE (JJJJ-MM-TT) fälligen Paare
  --all          mit --due: jedes eingeplante Paar
  --stats        die heute geübten Paare, das Tagesziel, die aktuelle und die längste
                 Serie von Tagen mit Übung, die heute fälligen Paare und die Zahl der
                 gespielten Listen ausgeben (1, wenn die Fortschrittsdatenbank nicht
                 gelesen werden kann)
  --fit          das Gedächtnismodell an Ihre Wiederholungen in der Fortschrittsdatenbank
                 anpassen; gibt die 21 Parameter sowie Log-Loss und RMSE(Bins) der
                 Standard- und der angepassten Parameter auf diesen Wiederholungen aus;
                 sagen die angepassten besser voraus, planen sie von nun an (1, wenn die
                 Datenbank nicht lesbar ist)
  --reviews DATEI.csv
                 mit --fit: stattdessen an die Wiederholungen in DATEI.csv anpassen, eine
                 je Zeile: pair,date,rating (Paar, Datum JJJJ-MM-TT, Bewertung 1 Again
                 bis 4 Easy); nichts wird gespeichert (1, wenn die Datei nicht lesbar oder
                 eine Zeile falsch ist)
  --dry-run      mit --fit: nichts speichern
  --results OUT.json
                 Ihre Ergebnisse mit der Liste von DATEI für Ihre Lehrkraft in
                 OUT.json schreiben: je Paar Spiele, Fehler, Tipps, Eingaberunden und
                 Gedächtnis
  --name NAME    mit --results: der Name des Lernenden in den Ergebnissen
  --class ORDNER|DATEI...
                 Ergebnisdateien von Lernenden sammeln (ein Ordner: die .json-Dateien
                 darin) und die Paare der Klasse ausgeben, schwerste zuerst, eines je
                 Zeile: Wort, Übersetzung, Lernende, Lernende mit Fehlern und mittlere
                 Erinnerung heute, durch Tabulatoren getrennt; Dateien einer anderen
                 Liste werden beiseitegelegt (1, wenn keine Datei gelesen werden konnte)
  --list DATEI   mit --class: die Liste der Klasse ist die von DATEI, nicht die, die die
                 meisten Dateien nennen
  --settings     die in der Fortschrittsdatenbank gespeicherten Einstellungen ausgeben
  --set KEY=VALUE
                 eine Einstellung speichern, dann alle ausgeben: retention (der Anteil der
                 Paare, den Sie noch wissen wollen, wenn sie wiederkommen, 0.7 bis 0.97,
                 anfangs 0.9), review_pairs (die meisten Paare einer Heutigen
                 Wiederholung, 1 bis 10000) oder daily_goal (die Paare, die Sie
                 täglich üben wollen, 1 bis 1000, anfangs 20)
  --help         diese Hilfe zeigen
  --version      die Version zeigen

Rückgabewert: 0 bei Erfolg, 1, wenn Öffnen, Laden oder Speichern fehlschlug, 2 bei falschem
Aufruf.
</translation>
    </message>
</context>
<context>
    <name>NoteBar</name>
    <message>
        <source>Notes</source>
        <translation>Meldungen</translation>
    </message>
</context>
<context>
    <name>NoteRow</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>OpeningWithProgress</name>
    <message>
        <source>Opening %1…</source>
        <translation>%1 wird geöffnet …</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Opening</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>PlayAnnouncer</name>
    <message>
        <source>%1, selected</source>
        <translation>%1, ausgewählt</translation>
    </message>
</context>
<context>
    <name>PracticeControl</name>
    <message>
        <source>There are no pairs to practise: open a word list first.</source>
        <translation>Es gibt keine Paare zum Üben: Öffnen Sie zuerst eine Wortliste.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Save Missed Pairs</source>
        <translation>Verfehlte Paare speichern</translation>
    </message>
    <message>
        <source>Word lists (*.txt)</source>
        <translation>Wortlisten (*.txt)</translation>
    </message>
    <message>
        <source>Accuracy (%)</source>
        <translation>Trefferquote (%)</translation>
    </message>
    <message>
        <source>Seconds per game</source>
        <translation>Sekunden pro Spiel</translation>
    </message>
    <message>
        <source>Progress cannot be read: %1</source>
        <translation>Der Fortschritt kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>No game of this list has been finished yet.</source>
        <translation>Noch kein Spiel dieser Liste wurde beendet.</translation>
    </message>
    <message>
        <source>Finished games of %1: %2</source>
        <translation>Beendete Spiele von %1: %2</translation>
    </message>
    <message>
        <source>Pairs due</source>
        <translation>Fällige Paare</translation>
    </message>
    <message>
        <source>Days from today (%1)</source>
        <translation>Tage ab heute (%1)</translation>
    </message>
    <message>
        <source>New: %1   Learning: %2   Due: %3   Mature: %4</source>
        <translation>Neu: %1   Lernend: %2   Fällig: %3   Gefestigt: %4</translation>
    </message>
    <message>
        <source>Pairs of every list due for review in the next %1 days</source>
        <translation>Fällige Paare aller Listen in den nächsten %1 Tagen</translation>
    </message>
    <message>
        <source>In use: the default parameters, the average of many learners.</source>
        <translation>In Gebrauch: die Standardparameter, der Durchschnitt vieler Lernender.</translation>
    </message>
    <message numerus="yes">
        <source>In use: parameters fitted on %1 to %n review(s).</source>
        <translation>
            <numerusform>In Gebrauch: am %1 an %n Wiederholung angepasste Parameter.</numerusform>
            <numerusform>In Gebrauch: am %1 an %n Wiederholungen angepasste Parameter.</numerusform>
        </translation>
    </message>
    <message>
        <source>No fit has been made yet.</source>
        <translation>Es wurde noch keine Anpassung vorgenommen.</translation>
    </message>
    <message numerus="yes">
        <source>The last fit, on %1, was judged on %n review(s):</source>
        <translation>
            <numerusform>Die letzte Anpassung am %1 wurde an %n Wiederholung gemessen:</numerusform>
            <numerusform>Die letzte Anpassung am %1 wurde an %n Wiederholungen gemessen:</numerusform>
        </translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Fitted</source>
        <translation>Angepasst</translation>
    </message>
    <message>
        <source>Log loss</source>
        <translation>Log-Loss</translation>
    </message>
    <message>
        <source>RMSE (bins)</source>
        <translation>RMSE (Klassen)</translation>
    </message>
    <message>
        <source>It predicted no better than the parameters in use, which stayed.</source>
        <translation>Sie sagte nicht besser voraus als die verwendeten Parameter, die blieben.</translation>
    </message>
    <message>
        <source>The fit failed: %1</source>
        <translation>Die Anpassung ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>The fit was stopped; the parameters in use stay.</source>
        <translation>Die Anpassung wurde abgebrochen; die verwendeten Parameter bleiben.</translation>
    </message>
    <message>
        <source>There is nothing to fit to yet: a pair needs a review a day or more after the one before.</source>
        <translation>Noch gibt es nichts anzupassen: Ein Paar braucht eine Wiederholung mindestens einen Tag nach der vorigen.</translation>
    </message>
    <message numerus="yes">
        <source>The fitted parameters predict your %n review(s) better (log loss %1 instead of %2) and are now in use: every schedule follows them.</source>
        <translation>
            <numerusform>Die angepassten Parameter sagen Ihre %n Wiederholung besser voraus (Log-Loss %1 statt %2) und sind jetzt in Gebrauch: Jeder Plan folgt ihnen.</numerusform>
            <numerusform>Die angepassten Parameter sagen Ihre %n Wiederholungen besser voraus (Log-Loss %1 statt %2) und sind jetzt in Gebrauch: Jeder Plan folgt ihnen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The fitted parameters predict your %n review(s) no better than those in use (log loss %1 against %2), so those stay.</source>
        <translation>
            <numerusform>Die angepassten Parameter sagen Ihre %n Wiederholung nicht besser voraus als die verwendeten (Log-Loss %1 gegen %2), daher bleiben diese.</numerusform>
            <numerusform>Die angepassten Parameter sagen Ihre %n Wiederholungen nicht besser voraus als die verwendeten (Log-Loss %1 gegen %2), daher bleiben diese.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Export My Results</source>
        <translation>Meine Ergebnisse exportieren</translation>
    </message>
    <message>
        <source>Your name, as your teacher will see it on your results:</source>
        <translation>Ihr Name, wie Ihre Lehrkraft ihn in Ihren Ergebnissen sieht:</translation>
    </message>
    <message>
        <source>Results files (*.json)</source>
        <translation>Ergebnisdateien (*.json)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Kommagetrennte Werte (*.csv)</translation>
    </message>
    <message>
        <source>Class Results</source>
        <translation>Ergebnisse der Klasse</translation>
    </message>
    <message>
        <source>Results files (*.json);;All files (*)</source>
        <translation>Ergebnisdateien (*.json);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>QtPrompter</name>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Glossatiles record file (*.txt)</source>
        <translation>Glossatiles-Spielstand (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save the game in progress?</source>
        <translation>Das laufende Spiel speichern?</translation>
    </message>
    <message>
        <source>Glossatiles word list (*.txt)</source>
        <translation>Glossatiles-Wortliste (*.txt)</translation>
    </message>
    <message>
        <source>Tab-separated values (*.tsv)</source>
        <translation>Tabulatorgetrennte Werte (*.tsv)</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Kommagetrennte Werte (*.csv)</translation>
    </message>
    <message>
        <source>Export Word List</source>
        <translation>Wortliste exportieren</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>KDE vocabulary document (*.kvtml)</source>
        <translation>KDE-Vokabeldokument (*.kvtml)</translation>
    </message>
    <message>
        <source>Word lists (*.txt *.csv *.tsv *.kvtml *.apkg)</source>
        <translation>Wortlisten (*.txt *.csv *.tsv *.kvtml *.apkg)</translation>
    </message>
    <message>
        <source>Saved games (*.txt)</source>
        <translation>Gespeicherte Spiele (*.txt)</translation>
    </message>
    <message>
        <source>Anki package (*.apkg)</source>
        <translation>Anki-Paket (*.apkg)</translation>
    </message>
</context>
<context>
    <name>ReviewMemory</name>
    <message>
        <source>The review settings are not kept: %1</source>
        <translation>Die Wiederholungseinstellungen werden nicht gespeichert: %1</translation>
    </message>
    <message numerus="yes">
        <source>The memory model was fitted to your %n review(s) and now schedules your pairs.</source>
        <translation>
            <numerusform>Das Gedächtnismodell wurde an Ihre %n Wiederholung angepasst und plant jetzt Ihre Paare.</numerusform>
            <numerusform>Das Gedächtnismodell wurde an Ihre %n Wiederholungen angepasst und plant jetzt Ihre Paare.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SpeechControl</name>
    <message>
        <source>Speech is off: %1</source>
        <translation>Sprachausgabe aus: %1</translation>
    </message>
    <message>
        <source>Speech turned off: %1</source>
        <translation>Sprachausgabe abgeschaltet: %1</translation>
    </message>
    <message>
        <source>the words (%1?)</source>
        <translation>der Wörter (%1?)</translation>
    </message>
    <message>
        <source>the translations (%1?)</source>
        <translation>der Übersetzungen (%1?)</translation>
    </message>
    <message>
        <source>Speech cannot tell the language of %1 and does not speak them until you choose it in Tools &gt; Languages…</source>
        <translation>Die Sprachausgabe kann die Sprache %1 nicht erkennen und spricht sie nicht, bis Sie sie unter Extras &gt; Sprachen… wählen</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
</context>
<context>
    <name>SpeechEngine</name>
    <message>
        <source>no speech engine is installed (Qt&apos;s speechd plugin)</source>
        <translation>keine Sprachausgabe installiert (Qts speechd-Plugin)</translation>
    </message>
    <message>
        <source>the speech engine has no voices</source>
        <translation>die Sprachausgabe hat keine Stimmen</translation>
    </message>
</context>
<context>
    <name>TodaysReview</name>
    <message>
        <source>1 pair</source>
        <translation>1 Paar</translation>
    </message>
    <message>
        <source>%1 pairs</source>
        <translation>%1 Paare</translation>
    </message>
    <message>
        <source>Pairs due for review today</source>
        <translation>Heute zur Wiederholung fällige Paare</translation>
    </message>
    <message>
        <source>Due today: %1</source>
        <translation>Heute fällig: %1</translation>
    </message>
    <message>
        <source>1 pair is due for review today</source>
        <translation>1 Paar ist heute zur Wiederholung fällig</translation>
    </message>
    <message>
        <source>%1 pairs are due for review today</source>
        <translation>%1 Paare sind heute zur Wiederholung fällig</translation>
    </message>
    <message>
        <source>%1: Game &gt; Today&apos;s Review (Ctrl+D)</source>
        <translation>%1: Spiel &gt; Heutige Wiederholung (Strg+D)</translation>
    </message>
    <message>
        <source>Today&apos;s Review cannot be dealt.
Progress cannot be read: %1</source>
        <translation>Die heutige Wiederholung kann nicht ausgeteilt werden.
Der Fortschritt kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>No pairs are due for review today.
The next are due on %1: %2.</source>
        <translation>Heute sind keine Paare zur Wiederholung fällig.
Die nächsten sind am %1 fällig: %2.</translation>
    </message>
    <message>
        <source>No pairs are due for review.
The pairs of each game you finish are scheduled for review.</source>
        <translation>Keine Paare sind zur Wiederholung fällig.
Die Paare jedes beendeten Spiels werden zur Wiederholung eingeplant.</translation>
    </message>
    <message>
        <source>No pairs are due for review today</source>
        <translation>Heute sind keine Paare zur Wiederholung fällig</translation>
    </message>
</context>
<context>
    <name>TypingControl</name>
    <message>
        <source>There are no pairs to type: open a word list first.</source>
        <translation>Es gibt keine Paare zum Eintippen: Öffnen Sie zuerst eine Wortliste.</translation>
    </message>
</context>
<context>
    <name>WordListEditor</name>
    <message>
        <source>Save Word List</source>
        <translation>Wortliste speichern</translation>
    </message>
    <message>
        <source>Save the changes to the word list?</source>
        <translation>Die Änderungen an der Wortliste speichern?</translation>
    </message>
    <message>
        <source>Edit Description</source>
        <translation>Beschreibung ändern</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Beschreibung:</translation>
    </message>
    <message>
        <source>Word pairs</source>
        <translation>Wortpaare</translation>
    </message>
    <message>
        <source>Type a word, Tab for its translation, Enter for the next row.</source>
        <translation>Ein Wort eingeben, Tab für seine Übersetzung, Eingabe für die nächste Zeile.</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Find a word (Enter for the next one, Esc to close)</source>
        <translation>Ein Wort suchen (Eingabe für das nächste, Esc zum Schließen)</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Prüfungen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the list.</source>
        <translation>„%1“ steht nicht in der Liste.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save and &amp;Deal</source>
        <translation>Speichern und &amp;austeilen</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy Rows</source>
        <translation>Zeilen &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste Rows</source>
        <translation>Zeilen &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;Insert Row</source>
        <translation>Zeile e&amp;infügen</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>&amp;Delete Rows</source>
        <translation>Zeilen &amp;löschen</translation>
    </message>
    <message>
        <source>Ctrl+Del</source>
        <translation>Ctrl+Del</translation>
    </message>
    <message>
        <source>Mo&amp;ve Row Up</source>
        <translation>Zeile nach &amp;oben</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Move Row Do&amp;wn</source>
        <translation>Zeile nach &amp;unten</translation>
    </message>
    <message>
        <source>Alt+Down</source>
        <translation>Alt+Down</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>S&amp;ort by Word</source>
        <translation>&amp;Nach Wort sortieren</translation>
    </message>
    <message>
        <source>Sort by &amp;Translation</source>
        <translation>Nach Ü&amp;bersetzung sortieren</translation>
    </message>
    <message>
        <source>New word list</source>
        <translation>Neue Wortliste</translation>
    </message>
    <message>
        <source>%1[*] - Word List Editor</source>
        <translation>%1[*] - Wortlisten-Editor</translation>
    </message>
    <message numerus="yes">
        <source>%n pair(s).</source>
        <translation>
            <numerusform>%n Paar.</numerusform>
            <numerusform>%n Paare.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) must be corrected before the list can be saved.</source>
        <translation>
            <numerusform>%n Zeile muss korrigiert werden, bevor die Liste gespeichert werden kann.</numerusform>
            <numerusform>%n Zeilen müssen korrigiert werden, bevor die Liste gespeichert werden kann.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) have notes.</source>
        <translation>
            <numerusform>%n Zeile hat Anmerkungen.</numerusform>
            <numerusform>%n Zeilen haben Anmerkungen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1: %2
The list is not saved until this is corrected.</source>
        <translation>Zeile %1: %2
Die Liste wird erst gespeichert, wenn das korrigiert ist.</translation>
    </message>
    <message>
        <source>Insert Picture</source>
        <translation>Bild einfügen</translation>
    </message>
    <message>
        <source>Insert Sound</source>
        <translation>Aufnahme einfügen</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.gif *.webp)</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.gif *.webp)</translation>
    </message>
    <message>
        <source>Sounds (*.ogg *.oga *.mp3 *.wav *.flac)</source>
        <translation>Aufnahmen (*.ogg *.oga *.mp3 *.wav *.flac)</translation>
    </message>
    <message>
        <source>Insert Pictur&amp;e...</source>
        <translation>Bil&amp;d einfügen...</translation>
    </message>
    <message>
        <source>Insert &amp;Sound...</source>
        <translation>&amp;Aufnahme einfügen...</translation>
    </message>
    <message>
        <source>Pictures and sounds are kept in a folder beside the list&apos;s file, so a new list is saved first.</source>
        <translation>Bilder und Aufnahmen liegen in einem Ordner neben der Datei der Liste, daher wird eine neue Liste zuerst gespeichert.</translation>
    </message>
    <message>
        <source>%1 is neither a picture nor a recording that the game can use.</source>
        <translation>%1 ist weder ein Bild noch eine Aufnahme, die das Spiel verwenden kann.</translation>
    </message>
    <message>
        <source>%1 is not a picture the game can show: a PNG, JPEG, GIF or WebP file of at most 20 MB.</source>
        <translation>%1 ist kein Bild, das das Spiel zeigen kann: eine PNG-, JPEG-, GIF- oder WebP-Datei von höchstens 20 MB.</translation>
    </message>
    <message>
        <source>%1 is not a recording the game can play: an Ogg, MP3, WAV or FLAC file of at most 20 MB.</source>
        <translation>%1 ist keine Aufnahme, die das Spiel abspielen kann: eine Ogg-, MP3-, WAV- oder FLAC-Datei von höchstens 20 MB.</translation>
    </message>
    <message>
        <source>%1 could not be copied into %2.</source>
        <translation>%1 konnte nicht nach %2 kopiert werden.</translation>
    </message>
    <message>
        <source>The pasted picture could not be saved in %1.</source>
        <translation>Das eingefügte Bild konnte nicht in %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>WordListModel</name>
    <message>
        <source>A word is missing.</source>
        <translation>Ein Wort fehlt.</translation>
    </message>
    <message>
        <source>Longer than 998 bytes: shorten it.</source>
        <translation>Länger als 998 Bytes: bitte kürzen.</translation>
    </message>
    <message>
        <source>Beyond the 32,767 pairs a game can hold.</source>
        <translation>Jenseits der 32.767 Paare, die ein Spiel fassen kann.</translation>
    </message>
    <message>
        <source>This pair is in the list already.</source>
        <translation>Dieses Paar steht schon in der Liste.</translation>
    </message>
    <message>
        <source>A saved game writes &apos;:&apos; as &apos;-&apos;.</source>
        <translation>Ein gespeichertes Spiel schreibt &apos;:&apos; als &apos;-&apos;.</translation>
    </message>
    <message>
        <source>The line break is saved as a blank.</source>
        <translation>Der Zeilenumbruch wird als Leerzeichen gespeichert.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Übersetzung</translation>
    </message>
    <message>
        <source>Add Pair</source>
        <translation>Paar hinzufügen</translation>
    </message>
    <message>
        <source>Edit Word</source>
        <translation>Wort ändern</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Prüfungen</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>Insert Rows</source>
        <translation>Zeilen einfügen</translation>
    </message>
    <message>
        <source>Delete Rows</source>
        <translation>Zeilen löschen</translation>
    </message>
    <message>
        <source>Move Row</source>
        <translation>Zeile verschieben</translation>
    </message>
    <message>
        <source>Paste Rows</source>
        <translation>Zeilen einfügen</translation>
    </message>
    <message>
        <source>Edit Note</source>
        <translation>Notiz bearbeiten</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Answer key: %1</source>
        <translation>Lösungen: %1</translation>
    </message>
</context>
<context>
    <name>WorksheetDlg</name>
    <message>
        <source>&amp;List: both columns, ruled</source>
        <translation>&amp;Liste: beide Spalten, liniert</translation>
    </message>
    <message>
        <source>&amp;Test: one column blank, with an answer key</source>
        <translation>&amp;Test: eine Spalte leer, mit Lösungen</translation>
    </message>
    <message>
        <source>&amp;Cards to cut out, for printing on both sides</source>
        <translation>&amp;Karten zum Ausschneiden, beidseitig zu drucken</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Arbeitsblatt drucken</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Aufbau</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Gemischt</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Übersetzungen</translation>
    </message>
    <message>
        <source>Blank column</source>
        <translation>Leere Spalte</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Startwert</translation>
    </message>
    <message>
        <source>&amp;Blank column:</source>
        <translation>&amp;Leere Spalte:</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>&amp;Startwert:</translation>
    </message>
</context>
<context>
    <name>YearCalendar</name>
    <message>
        <source>A year of practice</source>
        <translation>Ein Jahr Übung</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n pairs</source>
        <comment>a day of the calendar</comment>
        <translation>
            <numerusform>%1: %n Paar</numerusform>
            <numerusform>%1: %n Paare</numerusform>
        </translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>day and month of a calendar cell</comment>
        <translation>d. MMMM</translation>
    </message>
</context>
</TS>
