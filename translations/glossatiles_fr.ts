<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>Column %1, row %2</source>
        <translation>Colonne %1, rangée %2</translation>
    </message>
    <message>
        <source>, level %1</source>
        <translation>, niveau %1</translation>
    </message>
    <message>
        <source>, selected</source>
        <translation>, choisie</translation>
    </message>
    <message>
        <source>Correct %1</source>
        <translation>Réussites %1</translation>
    </message>
    <message>
        <source>Wrong %1</source>
        <translation>Erreurs %1</translation>
    </message>
    <message>
        <source>Hints %1</source>
        <translation>Indices %1</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>picture: %1</source>
        <translation>image : %1</translation>
    </message>
</context>
<context>
    <name>BoardPainter</name>
    <message>
        <source>Correct</source>
        <translation>Réussites</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Erreurs</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Indices</translation>
    </message>
    <message>
        <source>Removed Tiles</source>
        <translation>Tuiles retirées</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Open a word list with File &gt; Open: a line describing the list, then each word and its partner on two lines of their own.</source>
        <translation>Ouvrez une liste de mots avec Fichier &gt; Ouvrir : une ligne qui décrit la liste, puis chaque mot et son partenaire, chacun sur sa propre ligne.</translation>
    </message>
    <message>
        <source>Click two tiles that belong together to remove them. Only the top tile of a stack can be picked; the right mouse button peeks at a tile&apos;s partner word and counts as a hint.</source>
        <translation>Cliquez sur deux tuiles qui vont ensemble pour les retirer. Seule la tuile du dessus d&apos;une pile peut être choisie ; le bouton droit de la souris montre le mot partenaire d&apos;une tuile et compte comme un indice.</translation>
    </message>
    <message>
        <source>About Glossatiles</source>
        <translation>À propos de Glossatiles</translation>
    </message>
    <message>
        <source>Glossatiles Version %1</source>
        <translation>Glossatiles version %1</translation>
    </message>
    <message>
        <source>Written by the Glossatiles developers, 2026</source>
        <translation>Écrit par les développeurs de Glossatiles, 2026</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Edit &gt; Undo puts the last pair removed back on the board, and Redo removes it again. Help &gt; Keys lists every key.</source>
        <translation>Édition &gt; Annuler remet sur le plateau la dernière paire retirée, et Rétablir la retire de nouveau. Aide &gt; Touches liste toutes les touches.</translation>
    </message>
</context>
<context>
    <name>CChoiceDlg</name>
    <message>
        <source>Choose the Word</source>
        <translation>Choisir le mot</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Choose its translation:</source>
        <translation>Choisissez sa traduction :</translation>
    </message>
    <message>
        <source>Choose its word:</source>
        <translation>Choisissez son mot :</translation>
    </message>
    <message numerus="yes">
        <source>The round is over: %n question(s).</source>
        <translation>
            <numerusform>La manche est finie : %n question.</numerusform>
            <numerusform>La manche est finie : %n questions.</numerusform>
        </translation>
    </message>
    <message>
        <source>

Right at the first try: %1
Right after a retry: %2
Wrong: %3
Time: %4</source>
        <translation>

Juste du premier coup : %1
Juste après un nouvel essai : %2
Faux : %3
Temps : %4</translation>
    </message>
</context>
<context>
    <name>CDrawLevelDlg</name>
    <message>
        <source>Draw Level</source>
        <translation>Afficher un niveau</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Enter 0 for normal display or the level number for a single level.  E.G. 1, 2, 3,...</source>
        <translation>Entrez 0 pour l&apos;affichage normal ou le numéro d&apos;un niveau pour n&apos;afficher que celui-ci.  Par ex. 1, 2, 3,...</translation>
    </message>
</context>
<context>
    <name>CFlashcardDlg</name>
    <message>
        <source>Flashcards</source>
        <translation>Cartes mémoire</translation>
    </message>
    <message>
        <source>&amp;Turn the Card</source>
        <translation>&amp;Retourner la carte</translation>
    </message>
    <message>
        <source>Type the &amp;Again Cards</source>
        <translation>Taper les cartes &amp;à revoir</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Réponse : %1</translation>
    </message>
    <message numerus="yes">
        <source>The round is over: %n card(s).</source>
        <translation>
            <numerusform>La manche est finie : %n carte.</numerusform>
            <numerusform>La manche est finie : %n cartes.</numerusform>
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

À revoir : %1
Difficile : %2
Correct : %3
Facile : %4
Temps : %5</translation>
    </message>
</context>
<context>
    <name>CGameFinishedDlg</name>
    <message>
        <source>Game finished</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>Time: %1    Correct: %2    Wrong: %3    Hints: %4    Undos: %5</source>
        <translation>Temps : %1    Justes : %2    Fausses : %3    Indices : %4    Annulations : %5</translation>
    </message>
    <message>
        <source>Pairs to practise, hardest first:</source>
        <translation>Paires à travailler, les plus difficiles d&apos;abord :</translation>
    </message>
    <message>
        <source>Well done: no pair missed</source>
        <translation>Bravo : aucune paire manquée</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Partenaire</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Manquée</translation>
    </message>
    <message>
        <source>Hinted</source>
        <translation>Indiquée</translation>
    </message>
    <message>
        <source>Peeked</source>
        <translation>Regardée</translation>
    </message>
    <message>
        <source>Confused with</source>
        <translation>Confondue avec</translation>
    </message>
    <message>
        <source>Play Missed Pairs</source>
        <translation>Jouer les paires manquées</translation>
    </message>
    <message>
        <source>Save Missed Pairs…</source>
        <translation>Enregistrer les paires manquées…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Type the Missed Pairs</source>
        <translation>Taper les paires manquées</translation>
    </message>
    <message>
        <source>Type the Review Pairs</source>
        <translation>Taper les paires de la révision</translation>
    </message>
    <message numerus="yes">
        <source>missed %n time(s)</source>
        <translation>
            <numerusform>manquée une fois</numerusform>
            <numerusform>manquée %n fois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hinted %n time(s)</source>
        <translation>
            <numerusform>indiquée une fois</numerusform>
            <numerusform>indiquée %n fois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>peeked %n time(s)</source>
        <translation>
            <numerusform>regardée une fois</numerusform>
            <numerusform>regardée %n fois</numerusform>
        </translation>
    </message>
    <message>
        <source>confused with %1</source>
        <translation>confondue avec %1</translation>
    </message>
    <message>
        <source>Pairs to practise</source>
        <translation>Paires à travailler</translation>
    </message>
    <message>
        <source>Flashcards</source>
        <translation>Cartes mémoire</translation>
    </message>
    <message>
        <source>Choose the Word</source>
        <translation>Choisir le mot</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
</context>
<context>
    <name>CGlossatilesView</name>
    <message>
        <source>ID for the first mouse right click menu</source>
        <translation>ID du premier menu du clic droit</translation>
    </message>
</context>
<context>
    <name>CHowToPlayDlg</name>
    <message>
        <source>How to Play</source>
        <translation>Règles du jeu</translation>
    </message>
    <message>
        <source>word</source>
        <translation>mot</translation>
    </message>
    <message>
        <source>partner</source>
        <translation>partenaire</translation>
    </message>
    <message>
        <source>Each tile shows a word. Pick it, then the tile with its partner word: the pair leaves the board and counts as Correct.</source>
        <translation>Chaque tuile porte un mot. Choisissez-la, puis la tuile de son mot partenaire : la paire quitte le plateau et compte comme Correct.</translation>
    </message>
    <message>
        <source>Tiles lie in stacks, on several levels; the colour of a tile shows its level. Only a free tile, the top tile of its stack, can be picked.</source>
        <translation>Les tuiles forment des piles sur plusieurs niveaux ; la couleur d&apos;une tuile montre son niveau. Seule une tuile libre, celle du dessus de sa pile, peut être choisie.</translation>
    </message>
    <message>
        <source>A tile that is not the partner is marked with a red X and counts as Wrong. The tile you picked first stays selected.</source>
        <translation>Une tuile qui n&apos;est pas la partenaire est marquée d&apos;un X rouge et compte comme Faux. La tuile choisie en premier reste choisie.</translation>
    </message>
    <message>
        <source>Peek: hold the right mouse button on a tile to see its partner word. Hint (Ctrl+H) frames a free pair. Both count as hints.</source>
        <translation>Coup d&apos;œil : maintenez le bouton droit de la souris sur une tuile pour voir son mot partenaire. Indice (Ctrl+H) encadre une paire libre. Les deux comptent comme indices.</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z) puts the last pair back on the board; Redo (Ctrl+Y) takes it away again.</source>
        <translation>Annuler (Ctrl+Z) remet la dernière paire sur le plateau ; Rétablir (Ctrl+Y) la retire de nouveau.</translation>
    </message>
    <message>
        <source>New Game deals the tiles at random, so a board may end with no free pair. New Game3 deals tiles that can always be cleared.</source>
        <translation>Nouvelle partie distribue les tuiles au hasard : le plateau peut finir sans paire libre. Nouvelle partie3 distribue des tuiles qui peuvent toujours être retirées.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>A tile may show a picture in place of its word, or above it. A small speaker marks a word with a recording: with View &gt; Play Sounds on, picking the tile plays it.</source>
        <translation>Une tuile peut montrer une image à la place de son mot, ou au-dessus. Un petit haut-parleur signale un mot enregistré : avec Affichage &gt; Lire les enregistrements activé, choisir la tuile le fait entendre.</translation>
    </message>
</context>
<context>
    <name>CKeysDlg</name>
    <message>
        <source>Right, Left</source>
        <translation>Droite, Gauche</translation>
    </message>
    <message>
        <source>Next or previous stack with a tile, row by row</source>
        <translation>Pile suivante ou précédente avec une tuile, ligne par ligne</translation>
    </message>
    <message>
        <source>Up, Down</source>
        <translation>Haut, Bas</translation>
    </message>
    <message>
        <source>Nearest stack with a tile above or below</source>
        <translation>Pile la plus proche avec une tuile au-dessus ou au-dessous</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Début, Fin</translation>
    </message>
    <message>
        <source>First or last stack with a tile</source>
        <translation>Première ou dernière pile avec une tuile</translation>
    </message>
    <message>
        <source>Enter, Return, Space</source>
        <translation>Entrée, Espace</translation>
    </message>
    <message>
        <source>Pick the tile under the cursor, or drop the selection</source>
        <translation>Choisir la tuile sous le curseur, ou annuler la sélection</translation>
    </message>
    <message>
        <source>Shift+Enter (hold)</source>
        <translation>Maj+Entrée (maintenue)</translation>
    </message>
    <message>
        <source>Peek at the tile&apos;s partner word (counts as a hint)</source>
        <translation>Voir le mot partenaire de la tuile (compte comme un indice)</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Drop the selection</source>
        <translation>Annuler la sélection</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>Effet</translation>
    </message>
    <message>
        <source>Open the %1 menu</source>
        <translation>Ouvrir le menu %1</translation>
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
        <translation>Prêt</translation>
    </message>
</context>
<context>
    <name>CPracticeDlg</name>
    <message>
        <source>Word → translation</source>
        <translation>Mot → traduction</translation>
    </message>
    <message>
        <source>Translation → word</source>
        <translation>Traduction → mot</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mélangé</translation>
    </message>
    <message>
        <source>&amp;Direction:</source>
        <translation>&amp;Sens :</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>End Round</source>
        <translation>Terminer la manche</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Listen and type</source>
        <translation>Écouter et taper</translation>
    </message>
</context>
<context>
    <name>CProgressDlg</name>
    <message>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Partenaire</translation>
    </message>
    <message>
        <source>Misses</source>
        <translation>Erreurs</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Last missed</source>
        <translation>Dernière erreur</translation>
    </message>
    <message>
        <source>Play Hardest Pairs</source>
        <translation>Jouer les paires les plus difficiles</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Review forecast of every list</source>
        <translation>Prévision des révisions de toutes les listes</translation>
    </message>
    <message>
        <source>&amp;Games</source>
        <translation>&amp;Parties</translation>
    </message>
    <message>
        <source>&amp;Memory</source>
        <translation>&amp;Mémoire</translation>
    </message>
</context>
<context>
    <name>CReviewSettingsDlg</name>
    <message>
        <source>Review Settings</source>
        <translation>Réglages des révisions</translation>
    </message>
    <message>
        <source>The share of pairs you want to recall when they come due: the higher, the sooner each pair comes back.</source>
        <translation>La part des paires dont vous voulez vous souvenir quand elles reviennent : plus elle est haute, plus tôt chaque paire revient.</translation>
    </message>
    <message>
        <source>&amp;Desired retention:</source>
        <translation>&amp;Rétention souhaitée :</translation>
    </message>
    <message>
        <source>Most pairs in one Today&apos;s &amp;Review:</source>
        <translation>Paires au plus dans une &amp;révision du jour :</translation>
    </message>
    <message>
        <source> pairs</source>
        <translation> paires</translation>
    </message>
    <message>
        <source>Daily &amp;goal:</source>
        <translation>&amp;Objectif quotidien :</translation>
    </message>
    <message>
        <source>Reviews a day over the next %1 days, by desired retention</source>
        <translation>Révisions par jour sur les %1 prochains jours, selon la rétention souhaitée</translation>
    </message>
    <message>
        <source>Desired retention</source>
        <translation>Rétention souhaitée</translation>
    </message>
    <message>
        <source>Reviews a day</source>
        <translation>Révisions par jour</translation>
    </message>
    <message>
        <source>Reviews a day by desired retention</source>
        <translation>Révisions par jour selon la rétention souhaitée</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The schedule cannot be read: %1</source>
        <translation>Le calendrier des révisions ne peut pas être lu : %1</translation>
    </message>
    <message numerus="yes">
        <source>At %1 you can expect about %n review(s) a day over the next %2 days.</source>
        <translation>
            <numerusform>À %1, comptez environ %n révision par jour sur les %2 prochains jours.</numerusform>
            <numerusform>À %1, comptez environ %n révisions par jour sur les %2 prochains jours.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>That is %n more a day than at the %1 in use now.</source>
        <translation>
            <numerusform>C’est %n de plus par jour qu’aux %1 actuels.</numerusform>
            <numerusform>C’est %n de plus par jour qu’aux %1 actuels.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>That is %n fewer a day than at the %1 in use now.</source>
        <translation>
            <numerusform>C’est %n de moins par jour qu’aux %1 actuels.</numerusform>
            <numerusform>C’est %n de moins par jour qu’aux %1 actuels.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CTypingRoundDlg</name>
    <message>
        <source>Right</source>
        <translation>Juste</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Faux</translation>
    </message>
    <message>
        <source>Type the Words</source>
        <translation>Taper les mots</translation>
    </message>
    <message>
        <source>&amp;Direction:</source>
        <translation>&amp;Sens :</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Votre réponse</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>End Round</source>
        <translation>Terminer la manche</translation>
    </message>
    <message>
        <source>Type the translation of:</source>
        <translation>Tapez la traduction de :</translation>
    </message>
    <message>
        <source>Type the word for:</source>
        <translation>Tapez le mot pour :</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>The answer: %1</source>
        <translation>La réponse : %1</translation>
    </message>
    <message>
        <source>You typed: %1</source>
        <translation>Vous avez tapé : %1</translation>
    </message>
    <message>
        <source>The round is over.

Right at the first try: %1
Right after a retry: %2
Wrong: %3
Time: %4</source>
        <translation>La manche est terminée.

Juste du premier coup : %1
Juste après une reprise : %2
Faux : %3
Temps : %4</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Mind the accents</source>
        <translation>Attention aux accents</translation>
    </message>
    <message>
        <source>Almost</source>
        <translation>Presque</translation>
    </message>
    <message>
        <source>&amp;I was right</source>
        <translation>&amp;J’avais raison</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Counted as right</source>
        <translation>Compté comme juste</translation>
    </message>
    <message>
        <source>&amp;Listen again</source>
        <translation>Réé&amp;couter</translation>
    </message>
    <message>
        <source>Type what you hear:</source>
        <translation>Tapez ce que vous entendez :</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
</context>
<context>
    <name>CWordListDlg</name>
    <message>
        <source>Word List</source>
        <translation>Liste de mots</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>ClassResultsDlg</name>
    <message numerus="yes">
        <source>The class&apos;s results for %1: %n learner(s)</source>
        <translation>
            <numerusform>Résultats de la classe pour %1 : %n élève</numerusform>
            <numerusform>Résultats de la classe pour %1 : %n élèves</numerusform>
        </translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Partenaire</translation>
    </message>
    <message>
        <source>Learners</source>
        <translation>Élèves</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Manquée</translation>
    </message>
    <message>
        <source>Mean recall today</source>
        <translation>Rappel moyen aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Hardest for</source>
        <translation>Plus difficile pour</translation>
    </message>
    <message>
        <source>Learner</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>Pairs seen</source>
        <translation>Paires vues</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>À réviser</translation>
    </message>
    <message>
        <source>Mature</source>
        <translation>Acquises</translation>
    </message>
    <message>
        <source>Last practice</source>
        <translation>Dernier entraînement</translation>
    </message>
    <message>
        <source>Class Results</source>
        <translation>Résultats de la classe</translation>
    </message>
    <message>
        <source>Pairs, hardest first</source>
        <translation>Paires, les plus difficiles d&apos;abord</translation>
    </message>
    <message>
        <source>Deal the Class&apos;s Hardest Pairs</source>
        <translation>Distribuer les paires les plus difficiles de la classe</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Exporter en CSV...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Edit as New List</source>
        <translation>Modifier comme nouvelle liste</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nouveau	Ctrl+N</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Crée un nouveau document
Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Ouvrir...	Ctrl+O</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Ouvre un document existant
Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Enregistrer	Ctrl+S</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Enregistre le document actif
Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Enregistre le document actif sous un nouveau nom
Enregistrer sous</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimer...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Imprime le document actif
Imprimer</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Aperçu a&amp;vant impression</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Affiche des pages entières
Aperçu avant impression</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Configuration de l&apos;i&amp;mpression...</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Change l&apos;imprimante et les options d&apos;impression
Configuration de l&apos;impression</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Fichier récent</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Ouvre ce document</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Quitte l&apos;application ; propose d&apos;enregistrer les documents
Quitter</translation>
    </message>
    <message>
        <source>Load Saved Game</source>
        <translation>Charger une partie enregistrée</translation>
    </message>
    <message>
        <source>Loads an in progress game .</source>
        <translation>Charge une partie en cours.</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Annuler	Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Annule la dernière action
Annuler</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>Co&amp;uper	Ctrl+X</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Coupe la sélection et la place dans le Presse-papiers
Couper</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Copier	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Copie la sélection et la place dans le Presse-papiers
Copier</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>Co&amp;ller	Ctrl+V</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Insère le contenu du Presse-papiers
Coller</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Affiche ou masque la barre d&apos;outils
Afficher ou masquer la barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Affiche ou masque la barre d&apos;état
Afficher ou masquer la barre d&apos;état</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Starts a new game using the current word list. Tiles may be blocked.</source>
        <translation>Commence une nouvelle partie avec la liste de mots actuelle. Des tuiles peuvent être bloquées.</translation>
    </message>
    <message>
        <source>New Game3</source>
        <translation>Nouvelle partie3</translation>
    </message>
    <message>
        <source>Arranges tiles checking that they are not blocked above. </source>
        <translation>Dispose les tuiles en vérifiant qu&apos;aucune n&apos;est bloquée par-dessus.</translation>
    </message>
    <message>
        <source>&amp;Word List</source>
        <translation>&amp;Liste de mots</translation>
    </message>
    <message>
        <source>Displays the currently loaded word list </source>
        <translation>Affiche la liste de mots chargée</translation>
    </message>
    <message>
        <source>Random number test</source>
        <translation>Test des nombres aléatoires</translation>
    </message>
    <message>
        <source>Draw Level</source>
        <translation>Afficher un niveau</translation>
    </message>
    <message>
        <source>Display all or one level of tiles.</source>
        <translation>Affiche tous les niveaux de tuiles ou un seul.</translation>
    </message>
    <message>
        <source>&amp;About Glossatiles...</source>
        <translation>À &amp;propos de Glossatiles...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Affiche les informations sur le programme, le numéro de version et le copyright
À propos</translation>
    </message>
    <message>
        <source>Displays the next level of tiles down.</source>
        <translation>Affiche le niveau de tuiles inférieur.</translation>
    </message>
    <message>
        <source>Displays the next level of tiles up.</source>
        <translation>Affiche le niveau de tuiles supérieur.</translation>
    </message>
    <message>
        <source>Show all tile levels.</source>
        <translation>Affiche tous les niveaux de tuiles.</translation>
    </message>
    <message>
        <source>Hint - highlights a matching pair of tiles.</source>
        <translation>Indice : met en évidence une paire de tuiles qui vont ensemble.</translation>
    </message>
    <message>
        <source>Auto removes a pair of tiles.</source>
        <translation>Retire automatiquement une paire de tuiles.</translation>
    </message>
    <message>
        <source>Fast auto finishes the game. Good for testing that no tiles are blocked (save game first).</source>
        <translation>Termine la partie automatiquement et rapidement. Utile pour vérifier qu&apos;aucune tuile n&apos;est bloquée (enregistrez d&apos;abord la partie).</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation>&amp;Progrès...</translation>
    </message>
    <message>
        <source>Shows your finished games of this list and its hardest pairs
Progress</source>
        <translation>Affiche vos parties terminées de cette liste et ses paires les plus difficiles
Progrès</translation>
    </message>
    <message>
        <source>&amp;Export Word List...</source>
        <translation>E&amp;xporter la liste de mots...</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Rétablir	Ctrl+Y</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>Rétablit la dernière action annulée
Rétablir</translation>
    </message>
    <message>
        <source>Speak &amp;Words</source>
        <translation>&amp;Prononcer les mots</translation>
    </message>
    <message>
        <source>Speaks the word of each picked tile.
Speak Words</source>
        <translation>Prononce le mot de chaque tuile choisie.
Prononcer les mots</translation>
    </message>
    <message>
        <source>&amp;Languages...</source>
        <translation>La&amp;ngues...</translation>
    </message>
    <message>
        <source>Chooses the language each side of the list is spoken in.
Languages</source>
        <translation>Choisit la langue dans laquelle chaque côté de la liste est prononcé.
Langues</translation>
    </message>
    <message>
        <source>Level &amp;Down	Page Down</source>
        <translation>Niveau &amp;inférieur	Page suivante</translation>
    </message>
    <message>
        <source>Level &amp;Up	Page Up</source>
        <translation>Niveau &amp;supérieur	Page précédente</translation>
    </message>
    <message>
        <source>&amp;All Levels	Ctrl+L</source>
        <translation>Tous les &amp;niveaux	Ctrl+L</translation>
    </message>
    <message>
        <source>&amp;Hint	Ctrl+H</source>
        <translation>&amp;Indice	Ctrl+H</translation>
    </message>
    <message>
        <source>&amp;Auto Remove Pair	Ctrl+R</source>
        <translation>&amp;Retirer une paire automatiquement	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Fast Auto Finish	Ctrl+F</source>
        <translation>&amp;Finir vite automatiquement	Ctrl+F</translation>
    </message>
    <message>
        <source>Zoom &amp;In	Ctrl++</source>
        <translation>Zoom &amp;avant	Ctrl++</translation>
    </message>
    <message>
        <source>Shows the board larger.</source>
        <translation>Affiche le plateau en plus grand.</translation>
    </message>
    <message>
        <source>Zoom &amp;Out	Ctrl+-</source>
        <translation>Zoom a&amp;rrière	Ctrl+-</translation>
    </message>
    <message>
        <source>Shows the board smaller.</source>
        <translation>Affiche le plateau en plus petit.</translation>
    </message>
    <message>
        <source>&amp;Fit to Window	Ctrl+0</source>
        <translation>A&amp;juster à la fenêtre	Ctrl+0</translation>
    </message>
    <message>
        <source>Shows the board as large as the window allows.</source>
        <translation>Affiche le plateau aussi grand que la fenêtre le permet.</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Touches</translation>
    </message>
    <message>
        <source>Lists the keys that play the game without a mouse.</source>
        <translation>Liste les touches pour jouer sans souris.</translation>
    </message>
    <message>
        <source>Deal Boards That Can Be Cleared</source>
        <translation>Distribuer des plateaux qui peuvent être vidés</translation>
    </message>
    <message>
        <source>Deals each list you open as New Game3 does, so that every tile can be cleared.
Deal Boards That Can Be Cleared</source>
        <translation>Distribue chaque liste ouverte comme le fait « New Game3 », pour que toutes les tuiles puissent être retirées.
Distribuer des plateaux qui peuvent être vidés</translation>
    </message>
    <message>
        <source>New &amp;Word List	Ctrl+Shift+N</source>
        <translation>Nouvelle &amp;liste de mots	Ctrl+Maj+N</translation>
    </message>
    <message>
        <source>Opens the word-list editor on an empty list
New Word List</source>
        <translation>Ouvre l&apos;éditeur de listes sur une liste vide
Nouvelle liste de mots</translation>
    </message>
    <message>
        <source>E&amp;dit Word List</source>
        <translation>Mo&amp;difier la liste de mots</translation>
    </message>
    <message>
        <source>Opens the list in play in the word-list editor
Edit Word List</source>
        <translation>Ouvre la liste en jeu dans l&apos;éditeur de listes
Modifier la liste de mots</translation>
    </message>
    <message>
        <source>Print Wor&amp;ksheet...</source>
        <translation>Imprimer une &amp;fiche...</translation>
    </message>
    <message>
        <source>Prints the list as a list, a test or cut-out cards
Print Worksheet</source>
        <translation>Imprime la liste en liste, en test ou en cartes à découper
Imprimer une fiche</translation>
    </message>
    <message>
        <source>How to &amp;Play</source>
        <translation>&amp;Règles du jeu</translation>
    </message>
    <message>
        <source>Shows the rules of the game with pictures.</source>
        <translation>Montre les règles du jeu en images.</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>Im&amp;porter...</translation>
    </message>
    <message>
        <source>Shows the import choices before a word list is read
Import</source>
        <translation>Affiche les choix d’importation avant de lire une liste de mots
Importer</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;Review	Ctrl+D</source>
        <translation>Ré&amp;vision du jour	Ctrl+D</translation>
    </message>
    <message>
        <source>Deals the pairs of every list that are due for review today
Today&apos;s Review</source>
        <translation>Distribue les paires de toutes les listes à réviser aujourd&apos;hui
Révision du jour</translation>
    </message>
    <message>
        <source>&amp;Type the Words	Ctrl+T</source>
        <translation>&amp;Taper les mots	Ctrl+T</translation>
    </message>
    <message>
        <source>Asks for the partner of each word of the list, one at a time.
Type the Words</source>
        <translation>Demande le partenaire de chaque mot de la liste, un à la fois.
Taper les mots</translation>
    </message>
    <message>
        <source>Flash&amp;cards	Ctrl+K</source>
        <translation>&amp;Cartes mémoire	Ctrl+K</translation>
    </message>
    <message>
        <source>Shows the pairs due first as cards that you turn and grade yourself.
Flashcards</source>
        <translation>Montre d’abord les paires à revoir, en cartes que vous retournez et notez vous-même.
Cartes mémoire</translation>
    </message>
    <message>
        <source>Choose the &amp;Word	Ctrl+M</source>
        <translation>Choisir le &amp;mot	Ctrl+M</translation>
    </message>
    <message>
        <source>Asks for the partner of each word among four answers.
Choose the Word</source>
        <translation>Demande le partenaire de chaque mot parmi quatre réponses.
Choisir le mot</translation>
    </message>
    <message>
        <source>Review &amp;Settings...</source>
        <translation>Réglages des &amp;révisions...</translation>
    </message>
    <message>
        <source>Chooses how much to remember, how many pairs to review and a daily goal
Review Settings</source>
        <translation>Choisit ce que vous voulez retenir, combien de paires réviser et un objectif quotidien
Réglages des révisions</translation>
    </message>
    <message>
        <source>Writes the word list as a native list, TSV, CSV, kvtml or an Anki package
Export Word List</source>
        <translation>Écrit la liste de mots en liste native, TSV, CSV, kvtml ou paquet Anki
Exporter la liste de mots</translation>
    </message>
    <message>
        <source>Export &amp;My Results...</source>
        <translation>Exporter mes &amp;résultats...</translation>
    </message>
    <message>
        <source>Writes how you fare with the list in play to a file for your teacher
Export My Results</source>
        <translation>Écrit vos résultats avec la liste en jeu dans un fichier pour votre enseignant
Exporter mes résultats</translation>
    </message>
    <message>
        <source>&amp;Class Results...</source>
        <translation>Résultats de la &amp;classe...</translation>
    </message>
    <message>
        <source>Gathers your learners&apos; results files and shows the class&apos;s hardest pairs
Class Results</source>
        <translation>Rassemble les fichiers de résultats de vos élèves et montre les paires les plus difficiles de la classe
Résultats de la classe</translation>
    </message>
    <message>
        <source>&amp;Home	Alt+Home</source>
        <translation>A&amp;ccueil	Alt+Début</translation>
    </message>
    <message>
        <source>Shows what is due today, your lists and your practice
Home</source>
        <translation>Montre ce qui est à réviser aujourd&apos;hui, vos listes et votre pratique
Accueil</translation>
    </message>
    <message>
        <source>&amp;Play Sounds</source>
        <translation>Lire les &amp;enregistrements</translation>
    </message>
    <message>
        <source>Plays the recording of each picked tile that has one.
Play Sounds</source>
        <translation>Lit l’enregistrement de chaque tuile choisie qui en a un.
Lire les enregistrements</translation>
    </message>
</context>
<context>
    <name>DueReminder</name>
    <message numerus="yes">
        <source>%n pairs are due today</source>
        <translation>
            <numerusform>%n paire est à réviser aujourd&apos;hui</numerusform>
            <numerusform>%n paires sont à réviser aujourd&apos;hui</numerusform>
        </translation>
    </message>
    <message>
        <source>Start review</source>
        <translation>Commencer la révision</translation>
    </message>
</context>
<context>
    <name>EmptyBoardNote</name>
    <message>
        <source>Open a word list with File &gt; Open (Ctrl+O)</source>
        <translation>Ouvrez une liste de mots avec Fichier &gt; Ouvrir (Ctrl+O)</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>Game saved to %1</source>
        <translation>Partie enregistrée dans %1</translation>
    </message>
    <message>
        <source>Word list exported to %1</source>
        <translation>Liste de mots exportée vers %1</translation>
    </message>
</context>
<context>
    <name>GameLearning</name>
    <message>
        <source>The missed pairs could not be saved to
%1</source>
        <translation>Les paires manquées n&apos;ont pas pu être enregistrées dans
%1</translation>
    </message>
    <message>
        <source>Missed pairs saved to %1</source>
        <translation>Paires manquées enregistrées dans %1</translation>
    </message>
    <message>
        <source>Your results carry your name: give one to export them.</source>
        <translation>Vos résultats portent votre nom : indiquez-en un pour les exporter.</translation>
    </message>
    <message>
        <source>This name cannot be used: %1</source>
        <translation>Ce nom ne peut pas être utilisé : %1</translation>
    </message>
    <message>
        <source>Results written to %1</source>
        <translation>Résultats écrits dans %1</translation>
    </message>
    <message>
        <source>No results file could be read.</source>
        <translation>Aucun fichier de résultats n&apos;a pu être lu.</translation>
    </message>
    <message>
        <source>The class&apos;s results could not be saved to
%1</source>
        <translation>Les résultats de la classe n&apos;ont pas pu être enregistrés dans
%1</translation>
    </message>
    <message>
        <source>Class results exported to %1</source>
        <translation>Résultats de la classe exportés dans %1</translation>
    </message>
    <message>
        <source>Class results: %1</source>
        <translation>Résultats de la classe : %1</translation>
    </message>
    <message numerus="yes">
        <source>missed by %1 of %n learner(s)</source>
        <translation>
            <numerusform>manquée par %1 sur %n élève</numerusform>
            <numerusform>manquée par %1 sur %n élèves</numerusform>
        </translation>
    </message>
    <message>
        <source>mean recall today %1</source>
        <translation>rappel moyen aujourd&apos;hui %1</translation>
    </message>
    <message>
        <source>hardest for %1</source>
        <translation>plus difficile pour %1</translation>
    </message>
</context>
<context>
    <name>HomeControl</name>
    <message>
        <source>Progress cannot be read: %1</source>
        <translation>La progression ne peut pas être lue : %1</translation>
    </message>
    <message>
        <source>The list&apos;s progress could not be moved: %1</source>
        <translation>La progression de la liste n&apos;a pas pu être déplacée : %1</translation>
    </message>
    <message>
        <source>The reminder at login could not be changed: %1</source>
        <translation>Le rappel à l&apos;ouverture de session n&apos;a pas pu être modifié : %1</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Start Review</source>
        <translation>Commencer la révision</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Réviser</translation>
    </message>
    <message>
        <source>T&amp;ype</source>
        <translation>&amp;Taper</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Locate…</source>
        <translation>&amp;Localiser…</translation>
    </message>
    <message>
        <source>Start here</source>
        <translation>Commencer ici</translation>
    </message>
    <message>
        <source>&amp;Back to the Game</source>
        <translation>Retour au &amp;jeu</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Your lists</source>
        <translation>Vos listes</translation>
    </message>
    <message>
        <source>Deals this list&apos;s pairs that are due today</source>
        <translation>Distribue les paires de cette liste à réviser aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Asks for the partner of each word of this list</source>
        <translation>Demande le partenaire de chaque mot de cette liste</translation>
    </message>
    <message>
        <source>Opens this list in the word-list editor</source>
        <translation>Ouvre cette liste dans l&apos;éditeur de listes de mots</translation>
    </message>
    <message>
        <source>Points to the list&apos;s file in its new place; its progress follows it</source>
        <translation>Indique le nouvel emplacement du fichier de la liste ; sa progression le suit</translation>
    </message>
    <message>
        <source>New Word List</source>
        <translation>Nouvelle liste de mots</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importer…</translation>
    </message>
    <message>
        <source>A year of practice</source>
        <translation>Une année de pratique</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs are due today</source>
        <translation>
            <numerusform>%n paire est à réviser aujourd&apos;hui</numerusform>
            <numerusform>%n paires sont à réviser aujourd&apos;hui</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Nothing is due today. Next: %n pairs on %1</source>
        <translation>
            <numerusform>Rien à réviser aujourd&apos;hui. Ensuite : %n paire le %1</numerusform>
            <numerusform>Rien à réviser aujourd&apos;hui. Ensuite : %n paires le %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing is due. Play a list to start your reviews.</source>
        <translation>Rien n&apos;est à réviser. Jouez une liste pour commencer vos révisions.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pairs practised today</source>
        <translation>
            <numerusform>%1 sur %n paire pratiquée aujourd&apos;hui</numerusform>
            <numerusform>%1 sur %n paires pratiquées aujourd&apos;hui</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Streak: %n days</source>
        <translation>
            <numerusform>Série : %n jour</numerusform>
            <numerusform>Série : %n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>longest: %n days</source>
        <translation>
            <numerusform>la plus longue : %n jour</numerusform>
            <numerusform>la plus longue : %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Example: %1</source>
        <translation>Exemple : %1</translation>
    </message>
    <message>
        <source>Remind me at &amp;login</source>
        <translation>Me le rappeler à l&apos;ou&amp;verture de session</translation>
    </message>
    <message>
        <source>When you log in, a desktop notification tells of the pairs due that day</source>
        <translation>À l&apos;ouverture de session, une notification du bureau indique les paires à réviser ce jour-là</translation>
    </message>
</context>
<context>
    <name>ImportDlg</name>
    <message>
        <source>Tab</source>
        <translation>Tabulation</translation>
    </message>
    <message>
        <source>Semicolon ( ; )</source>
        <translation>Point-virgule ( ; )</translation>
    </message>
    <message>
        <source>Comma ( , )</source>
        <translation>Virgule ( , )</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Vertical bar ( | )</source>
        <translation>Barre verticale ( | )</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>First row holds column names</source>
        <translation>La première ligne contient les noms des colonnes</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>Importer %1</translation>
    </message>
    <message>
        <source>The first records of the file</source>
        <translation>Les premiers enregistrements du fichier</translation>
    </message>
    <message>
        <source>&amp;Preview:</source>
        <translation>&amp;Aperçu :</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>&amp;Séparateur :</translation>
    </message>
    <message>
        <source>&amp;Word column:</source>
        <translation>Colonne des &amp;mots :</translation>
    </message>
    <message>
        <source>&amp;Translation column:</source>
        <translation>Colonne des &amp;traductions :</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Description :</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Séparateur</translation>
    </message>
    <message>
        <source>Word column</source>
        <translation>Colonne des mots</translation>
    </message>
    <message>
        <source>Translation column</source>
        <translation>Colonne des traductions</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Read as a word list, one word a line</source>
        <translation>Lire comme une liste de mots, un mot par ligne</translation>
    </message>
</context>
<context>
    <name>KeyLockIndicators</name>
    <message>
        <source>CAP</source>
        <translation>MAJ</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DEF</translation>
    </message>
</context>
<context>
    <name>LanguagesDlg</name>
    <message>
        <source>Automatic: %1</source>
        <translation>Automatique : %1</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Langues</translation>
    </message>
    <message>
        <source>&amp;Words:</source>
        <translation>&amp;Mots :</translation>
    </message>
    <message>
        <source>&amp;Translations:</source>
        <translation>&amp;Traductions :</translation>
    </message>
    <message>
        <source>Automatic: not known, not spoken</source>
        <translation>Automatique : inconnue, non prononcée</translation>
    </message>
</context>
<context>
    <name>LevelPane</name>
    <message>
        <source>All levels</source>
        <translation>Tous les niveaux</translation>
    </message>
    <message>
        <source>Level %1 of %2</source>
        <translation>Niveau %1 sur %2</translation>
    </message>
</context>
<context>
    <name>ListTableModel</name>
    <message>
        <source>%1 (the file is gone)</source>
        <translation>%1 (le fichier a disparu)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>list description, file</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1, missing</source>
        <comment>a list whose file is gone</comment>
        <translation>%1, introuvable</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Paires</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>À réviser aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Mature</source>
        <translation>Acquises</translation>
    </message>
    <message>
        <source>Last practice</source>
        <translation>Dernière pratique</translation>
    </message>
</context>
<context>
    <name>MemoryPage</name>
    <message>
        <source>Parameters in use</source>
        <translation>Paramètres utilisés</translation>
    </message>
    <message>
        <source>&amp;Fit Now</source>
        <translation>&amp;Ajuster maintenant</translation>
    </message>
    <message>
        <source>Fits the memory model to your own reviews.</source>
        <translation>Ajuste le modèle de mémoire à vos propres révisions.</translation>
    </message>
    <message>
        <source>Fit progress</source>
        <translation>Progression de l’ajustement</translation>
    </message>
    <message>
        <source>&amp;Cancel Fit</source>
        <translation>A&amp;nnuler l’ajustement</translation>
    </message>
    <message>
        <source>Progress cannot be read: %1</source>
        <translation>Impossible de lire les progrès : %1</translation>
    </message>
    <message>
        <source>Fitting…</source>
        <translation>Ajustement en cours…</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message numerus="yes">
        <source>Fast auto finish removed %n pairs.</source>
        <translation>
            <numerusform>Finir vite automatiquement a retiré %n paire.</numerusform>
            <numerusform>Finir vite automatiquement a retiré %n paires.</numerusform>
        </translation>
    </message>
    <message>
        <source>This glossatiles-cli was built without Qt and cannot write worksheets.</source>
        <translation>Ce glossatiles-cli a été compilé sans Qt et ne peut pas écrire de fiches.</translation>
    </message>
    <message numerus="yes">
        <source>%n rows of %1 were left out because a word or its translation is empty.
Lines %2</source>
        <translation>
            <numerusform>%n ligne de %1 a été omise car un mot ou sa traduction est vide.
Ligne %2</numerusform>
            <numerusform>%n lignes de %1 ont été omises car un mot ou sa traduction est vide.
Lignes %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A blank line ends the list in %1 after %n pairs:</source>
        <translation>
            <numerusform>Une ligne vide termine la liste dans %1 après %n paire :</numerusform>
            <numerusform>Une ligne vide termine la liste dans %1 après %n paires :</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines after it were not read.</source>
        <translation>
            <numerusform>%n ligne qui la suit n&apos;a pas été lue.</numerusform>
            <numerusform>%n lignes qui la suivent n&apos;ont pas été lues.</numerusform>
        </translation>
    </message>
    <message>
        <source>No word pairs found in %1</source>
        <translation>Aucune paire de mots trouvée dans %1</translation>
    </message>
    <message>
        <source>Can&apos;t write the file
%1</source>
        <translation>Impossible d&apos;écrire le fichier
%1</translation>
    </message>
    <message>
        <source>No free pair left: no two tiles on top belong together. Game &gt; New Game3 deals tiles that can always be cleared, and so does File &gt; Open while Game &gt; Deal Boards That Can Be Cleared is on.</source>
        <translation>Plus de paire libre : aucune des tuiles du dessus ne va avec une autre. Jeu &gt; Nouvelle partie3 distribue des tuiles qui peuvent toujours être retirées, tout comme Fichier &gt; Ouvrir quand Jeu &gt; « Distribuer des plateaux qui peuvent être vidés » est activé.</translation>
    </message>
    <message>
        <source>The path is longer than 299 characters:
%1

Please choose a file with a shorter path.</source>
        <translation>Le chemin dépasse 299 caractères :
%1

Veuillez choisir un fichier au chemin plus court.</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <translation>Choisie : %1</translation>
    </message>
    <message>
        <source>Deselected: %1</source>
        <translation>Choix annulé : %1</translation>
    </message>
    <message>
        <source>Correct: %1 = %2</source>
        <translation>Correct : %1 = %2</translation>
    </message>
    <message>
        <source>Wrong: %1 is not %2&apos;s pair</source>
        <translation>Faux : %1 ne va pas avec %2</translation>
    </message>
    <message>
        <source>Peek: %1 = %2</source>
        <translation>Coup d&apos;œil : %1 = %2</translation>
    </message>
    <message>
        <source>Hint: %1 = %2</source>
        <translation>Indice : %1 = %2</translation>
    </message>
    <message>
        <source>Removed: %1 = %2</source>
        <translation>Retirée : %1 = %2</translation>
    </message>
    <message>
        <source>Undone: %1 = %2</source>
        <translation>Annulé : %1 = %2</translation>
    </message>
    <message>
        <source>Redone: %1 = %2</source>
        <translation>Rétabli : %1 = %2</translation>
    </message>
    <message>
        <source>There is no word list loaded
Use File &gt; Open to open a list</source>
        <translation>Aucune liste de mots n&apos;est chargée
Ouvrez une liste avec Fichier &gt; Ouvrir</translation>
    </message>
    <message>
        <source>Progress is not kept: %1</source>
        <translation>La progression n&apos;est pas conservée : %1</translation>
    </message>
    <message>
        <source>Can&apos;t save when no game is in progress.

Nothing to save!</source>
        <translation>Impossible d&apos;enregistrer sans partie en cours.

Rien à enregistrer !</translation>
    </message>
    <message>
        <source>CellCount = 0
This is unexpected when you have a game loaded

Nothing to save ?</source>
        <translation>CellCount = 0
C&apos;est inattendu quand une partie est chargée

Rien à enregistrer ?</translation>
    </message>
    <message>
        <source>Save not allowed

You may only save to an existing saved game file
or to a new file.

This is to prevent accidental overwritting of your word lists.</source>
        <translation>Enregistrement refusé

Vous ne pouvez enregistrer que dans un fichier de partie existant
ou dans un nouveau fichier.

Cela évite d&apos;écraser vos listes de mots par mégarde.</translation>
    </message>
    <message>
        <source>Error can&apos;t create the record file
%1</source>
        <translation>Erreur : impossible de créer le fichier de partie
%1</translation>
    </message>
    <message>
        <source>Error writing to file</source>
        <translation>Erreur d&apos;écriture dans le fichier</translation>
    </message>
    <message>
        <source>%1
read from file.
Expected &apos;%2&apos;

Click Ok to continue.</source>
        <translation>%1
lu dans le fichier.
Attendu : &apos;%2&apos;

Cliquez sur OK pour continuer.</translation>
    </message>
    <message>
        <source>%1 more cell lines name word pairs that are not in the file.
Their cells are left empty.</source>
        <translation>%1 autres lignes de cases nomment des paires de mots absentes du fichier.
Leurs cases restent vides.</translation>
    </message>
    <message>
        <source>Loaded file OK

Oringinal game was started from file
%1</source>
        <translation>Fichier chargé

La partie d&apos;origine a été commencée à partir du fichier
%1</translation>
    </message>
    <message>
        <source>Expected a game source file name
but it is missing.

Click Ok to continue.</source>
        <translation>Le nom du fichier source de la partie était attendu
mais il manque.

Cliquez sur OK pour continuer.</translation>
    </message>
    <message>
        <source>Unable to find ArrayTop section in file.

This file does not appear to be a valid Glossatiles saved game.</source>
        <translation>Section ArrayTop introuvable dans le fichier.

Ce fichier ne semble pas être une partie Glossatiles enregistrée valide.</translation>
    </message>
    <message>
        <source>Unable to find ArrayIndex section in file.

This file does not appear to be a valid Glossatiles saved game.</source>
        <translation>Section ArrayIndex introuvable dans le fichier.

Ce fichier ne semble pas être une partie Glossatiles enregistrée valide.</translation>
    </message>
    <message>
        <source>The saved game ends early: %1 of its %2 cells are missing.
Their tiles are not on the board.</source>
        <translation>La partie enregistrée s&apos;arrête trop tôt : %1 de ses %2 cases manquent.
Leurs tuiles ne sont pas sur le plateau.</translation>
    </message>
    <message>
        <source>Warning there appears to be a missing word
in the word pairs.</source>
        <translation>Attention : il semble manquer un mot
dans les paires de mots.</translation>
    </message>
    <message>
        <source>Error can&apos;t open the file
%1</source>
        <translation>Erreur : impossible d&apos;ouvrir le fichier
%1</translation>
    </message>
    <message>
        <source>This is not a text file:
%1

Word lists and saved games are plain text.</source>
        <translation>Ce n&apos;est pas un fichier texte :
%1

Les listes de mots et les parties enregistrées sont du texte brut.</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Juste : %1</translation>
    </message>
    <message>
        <source>Mind the accents: %1</source>
        <translation>Attention aux accents : %1</translation>
    </message>
    <message>
        <source>Almost: %1</source>
        <translation>Presque : %1</translation>
    </message>
    <message>
        <source>Wrong: %1</source>
        <translation>Faux : %1</translation>
    </message>
    <message>
        <source>Its collection would unpack to more than %1 MB, far more than a deck holds; it is refused.</source>
        <translation>Sa collection dépasserait %1 Mo une fois décompressée, bien plus que ne contient un paquet ; elle est refusée.</translation>
    </message>
    <message>
        <source>The archive is damaged.</source>
        <translation>L&apos;archive est endommagée.</translation>
    </message>
    <message>
        <source>Its compressed collection is damaged.</source>
        <translation>Sa collection compressée est endommagée.</translation>
    </message>
    <message>
        <source>Its collection is not an SQLite database.</source>
        <translation>Sa collection n&apos;est pas une base de données SQLite.</translation>
    </message>
    <message>
        <source>Its collection cannot be opened.</source>
        <translation>Sa collection ne peut pas être ouverte.</translation>
    </message>
    <message>
        <source>Its collection is not an Anki collection, or it is damaged.</source>
        <translation>Sa collection n&apos;est pas une collection Anki, ou elle est endommagée.</translation>
    </message>
    <message>
        <source>It was made by a newer Anki (collection schema %1); this program reads schemas %2 to %3.</source>
        <translation>Il a été créé par un Anki plus récent (schéma de collection %1) ; ce programme lit les schémas %2 à %3.</translation>
    </message>
    <message>
        <source>Its collection schema %1 is older than any this program reads.</source>
        <translation>Son schéma de collection %1 est plus ancien que tous ceux que ce programme lit.</translation>
    </message>
    <message>
        <source>Its note types cannot be read.</source>
        <translation>Ses types de notes ne peuvent pas être lus.</translation>
    </message>
    <message>
        <source>Its collection is damaged: %1.</source>
        <translation>Sa collection est endommagée : %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n cloze notes were left out, since they are not word pairs.</source>
        <translation>
            <numerusform>%n note à trous a été omise, car ce n&apos;est pas une paire de mots.</numerusform>
            <numerusform>%n notes à trous ont été omises, car ce ne sont pas des paires de mots.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its notes name a note type that it does not hold.</source>
        <translation>Ses notes nomment un type de note qu&apos;il ne contient pas.</translation>
    </message>
    <message>
        <source>It holds only a note asking for a newer Anki; its real collection is missing.</source>
        <translation>Il ne contient qu&apos;une note demandant un Anki plus récent ; sa vraie collection manque.</translation>
    </message>
    <message>
        <source>It is not a zip archive, or the archive is damaged.</source>
        <translation>Ce n&apos;est pas une archive zip, ou l&apos;archive est endommagée.</translation>
    </message>
    <message>
        <source>It holds no Anki collection.</source>
        <translation>Il ne contient aucune collection Anki.</translation>
    </message>
    <message>
        <source>The quoted field that begins on line %1 is never closed.</source>
        <translation>Le champ entre guillemets qui commence à la ligne %1 n&apos;est jamais fermé.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>It cannot be read.</source>
        <translation>Il ne peut pas être lu.</translation>
    </message>
    <message>
        <source>It is too large to read into memory.</source>
        <translation>Il est trop grand pour être lu en mémoire.</translation>
    </message>
    <message>
        <source>It is larger than %1 MB, more than a word list may be.</source>
        <translation>Il dépasse %1 Mo, plus qu&apos;une liste de mots ne peut faire.</translation>
    </message>
    <message>
        <source>The XML is malformed on line %1: %2.</source>
        <translation>Le XML est mal formé à la ligne %1 : %2.</translation>
    </message>
    <message>
        <source>The XML holds no kvtml word list.</source>
        <translation>Le XML ne contient aucune liste de mots kvtml.</translation>
    </message>
    <message>
        <source>It is not UTF-8 text.</source>
        <translation>Ce n&apos;est pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>No reader claims it.</source>
        <translation>Aucun lecteur ne le reconnaît.</translation>
    </message>
    <message>
        <source>It holds no word pair.</source>
        <translation>Il ne contient aucune paire de mots.</translation>
    </message>
    <message>
        <source>The word and its translation must come from two different columns.</source>
        <translation>Le mot et sa traduction doivent venir de deux colonnes différentes.</translation>
    </message>
    <message>
        <source>It has no column %1; its last column is %2.</source>
        <translation>Il n&apos;a pas de colonne %1 ; sa dernière colonne est la %2.</translation>
    </message>
    <message>
        <source>Can&apos;t import the file
%1
%2</source>
        <translation>Impossible d&apos;importer le fichier
%1
%2</translation>
    </message>
    <message>
        <source>Could not allocate memory</source>
        <translation>Impossible d&apos;allouer la mémoire</translation>
    </message>
    <message>
        <source>Internal error occurred</source>
        <translation>Une erreur interne s&apos;est produite</translation>
    </message>
    <message>
        <source>Could not determine tag type</source>
        <translation>Type de balise indéterminable</translation>
    </message>
    <message>
        <source>Error parsing document declaration/processing instruction</source>
        <translation>Erreur dans la déclaration du document ou une instruction de traitement</translation>
    </message>
    <message>
        <source>Error parsing comment</source>
        <translation>Erreur dans un commentaire</translation>
    </message>
    <message>
        <source>Error parsing CDATA section</source>
        <translation>Erreur dans une section CDATA</translation>
    </message>
    <message>
        <source>Error parsing document type declaration</source>
        <translation>Erreur dans la déclaration de type de document</translation>
    </message>
    <message>
        <source>Error parsing PCDATA section</source>
        <translation>Erreur dans une section PCDATA</translation>
    </message>
    <message>
        <source>Error parsing start element tag</source>
        <translation>Erreur dans une balise ouvrante</translation>
    </message>
    <message>
        <source>Error parsing element attribute</source>
        <translation>Erreur dans un attribut d&apos;élément</translation>
    </message>
    <message>
        <source>Error parsing end element tag</source>
        <translation>Erreur dans une balise fermante</translation>
    </message>
    <message>
        <source>Start-end tags mismatch</source>
        <translation>Balises ouvrante et fermante discordantes</translation>
    </message>
    <message>
        <source>No document element found</source>
        <translation>Aucun élément de document trouvé</translation>
    </message>
    <message>
        <source>Out of memory allocating for AssignmentAB
in &apos;NewGame</source>
        <translation>Mémoire insuffisante pour allouer AssignmentAB
dans &apos;NewGame</translation>
    </message>
    <message>
        <source>Out of memory allocating for AssignmentArray
in &apos;NewGame</source>
        <translation>Mémoire insuffisante pour allouer AssignmentArray
dans &apos;NewGame</translation>
    </message>
    <message>
        <source>Timer overrun</source>
        <translation>Dépassement du minuteur</translation>
    </message>
    <message>
        <source>Program error, not enough cells to assign word pairs</source>
        <translation>Erreur du programme : pas assez de cases pour placer les paires de mots</translation>
    </message>
    <message>
        <source>Unable to place all tiles
because some tiles would have been blocked.
You may want to retry by starting another new game</source>
        <translation>Impossible de placer toutes les tuiles
car certaines tuiles auraient été bloquées.
Vous pouvez réessayer en commençant une nouvelle partie</translation>
    </message>
    <message>
        <source>Out of memory in CheckForBlockedTiles</source>
        <translation>Mémoire insuffisante dans CheckForBlockedTiles</translation>
    </message>
    <message>
        <source>Possible odd number of words in function Loadplayedgame %1
GetWordPairPointer returned NULL</source>
        <translation>Nombre de mots peut-être impair dans la fonction Loadplayedgame %1
GetWordPairPointer a renvoyé NULL</translation>
    </message>
    <message>
        <source>Error: Cant create AssignmentArrays</source>
        <translation>Erreur : impossible de créer les AssignmentArrays</translation>
    </message>
    <message>
        <source>Error: Something went wrong

WordsCount or CellCount is zero.</source>
        <translation>Erreur : un problème est survenu

WordsCount ou CellCount vaut zéro.</translation>
    </message>
    <message>
        <source>Program error: out of memory reading file
Can&apos;t allocate memory for ThisArrayMember
List will be incomplete</source>
        <translation>Erreur du programme : mémoire insuffisante en lisant le fichier
Impossible d&apos;allouer la mémoire pour ThisArrayMember
La liste sera incomplète</translation>
    </message>
    <message>
        <source>Program error: out of memory reading file
Can&apos;t allocate memory for ThisArrayMember-&gt;TextA
List will be incomplete</source>
        <translation>Erreur du programme : mémoire insuffisante en lisant le fichier
Impossible d&apos;allouer la mémoire pour ThisArrayMember-&gt;TextA
La liste sera incomplète</translation>
    </message>
    <message>
        <source>Program error: out of memory reading file
Can&apos;t allocate memory for ThisArrayMember-&gt;TextB
List will be incomplete</source>
        <translation>Erreur du programme : mémoire insuffisante en lisant le fichier
Impossible d&apos;allouer la mémoire pour ThisArrayMember-&gt;TextB
La liste sera incomplète</translation>
    </message>
    <message>
        <source>Possible odd number of words in function GetWordPairPointer</source>
        <translation>Nombre de mots peut-être impair dans la fonction GetWordPairPointer</translation>
    </message>
    <message>
        <source>there is no folder for it (neither XDG_DATA_HOME nor HOME is set)</source>
        <translation>il n&apos;a pas de dossier (ni XDG_DATA_HOME ni HOME n&apos;est défini)</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>impossible d&apos;ouvrir %1</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 est en lecture seule</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>impossible de lire %1</translation>
    </message>
    <message>
        <source>%1 comes from a newer Glossatiles (schema version %2)</source>
        <translation>%1 vient d&apos;un Glossatiles plus récent (version de schéma %2)</translation>
    </message>
    <message>
        <source>cannot update %1</source>
        <translation>impossible de mettre à jour %1</translation>
    </message>
    <message>
        <source>%1 has schema version %2, this program reads version %3</source>
        <translation>%1 a la version de schéma %2, ce programme lit la version %3</translation>
    </message>
    <message>
        <source>Missed pairs</source>
        <translation>Paires manquées</translation>
    </message>
    <message>
        <source>Hardest pairs</source>
        <translation>Paires les plus difficiles</translation>
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
        <translation>Révision du jour</translation>
    </message>
    <message>
        <source>Line %1 does not have the three columns pair, date and rating.</source>
        <translation>La ligne %1 n&apos;a pas les trois colonnes paire, date et note.</translation>
    </message>
    <message>
        <source>Line %1: the date &quot;%2&quot; is not written YYYY-MM-DD.</source>
        <translation>Ligne %1 : la date « %2 » n&apos;est pas écrite AAAA-MM-JJ.</translation>
    </message>
    <message>
        <source>Line %1: the rating &quot;%2&quot; is not 1, 2, 3 or 4.</source>
        <translation>Ligne %1 : la note « %2 » n&apos;est pas 1, 2, 3 ou 4.</translation>
    </message>
    <message>
        <source>Line %1: %2 is dated %3, before its review on line %4.</source>
        <translation>Ligne %1 : %2 est daté du %3, avant sa révision de la ligne %4.</translation>
    </message>
    <message>
        <source>The file has more than %1 lines, more than a review file may have.</source>
        <translation>Le fichier a plus de %1 lignes, plus qu&apos;un fichier de révisions ne peut en avoir.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, more than a review file may be.</source>
        <translation>Le fichier dépasse %1 Mo, plus qu&apos;un fichier de révisions ne peut en faire.</translation>
    </message>
    <message>
        <source>In its collection, %1 is not a plain table with Anki&apos;s columns; it is refused.</source>
        <translation>Dans sa collection, %1 n&apos;est pas une simple table aux colonnes d&apos;Anki ; elle est refusée.</translation>
    </message>
    <message>
        <source>It holds more than %1 notes, more than this program reads; it is refused.</source>
        <translation>Il contient plus de %1 notes, plus que ce programme ne lit ; il est refusé.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines of %1 are longer than 998 bytes; each was read as several words.</source>
        <translation>
            <numerusform>%n ligne de %1 dépasse 998 octets ; elle a été lue comme plusieurs mots.</numerusform>
            <numerusform>%n lignes de %1 dépassent 998 octets ; chacune a été lue comme plusieurs mots.</numerusform>
        </translation>
    </message>
    <message>
        <source>It holds more than %1 entries, more than this program reads; it is refused.</source>
        <translation>Il contient plus de %1 entrées, plus que ce programme ne lit ; il est refusé.</translation>
    </message>
    <message>
        <source>Its XML holds far more elements than a word list of its size; it is refused.</source>
        <translation>Son XML contient bien plus d&apos;éléments qu&apos;une liste de mots de cette taille ; il est refusé.</translation>
    </message>
    <message>
        <source>The first row (%1) was taken for the names of the columns and left out.</source>
        <translation>La première ligne (%1) a été prise pour les noms des colonnes et omise.</translation>
    </message>
    <message>
        <source>Reading its collection takes far more work than a collection of its size needs; it is refused.</source>
        <translation>La lecture de sa collection demande bien plus de travail qu&apos;il n&apos;en faut pour une collection de cette taille ; elle est refusée.</translation>
    </message>
    <message>
        <source>Its collection holds a text longer than %1 MB, far more than a note holds; it is refused.</source>
        <translation>Sa collection contient un texte de plus de %1 Mo, bien plus que ne contient une note ; elle est refusée.</translation>
    </message>
    <message>
        <source>Wrong: %1 (the answer: %2)</source>
        <translation>Faux : %1 (la réponse : %2)</translation>
    </message>
    <message>
        <source>Again: %1</source>
        <translation>À revoir : %1</translation>
    </message>
    <message>
        <source>Hard: %1</source>
        <translation>Difficile : %1</translation>
    </message>
    <message>
        <source>Easy: %1</source>
        <translation>Facile : %1</translation>
    </message>
    <message>
        <source>Good: %1</source>
        <translation>Correct : %1</translation>
    </message>
    <message numerus="yes">
        <source>Again · %n days</source>
        <translation>
            <numerusform>À revoir · %n jour</numerusform>
            <numerusform>À revoir · %n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hard · %n days</source>
        <translation>
            <numerusform>Difficile · %n jour</numerusform>
            <numerusform>Difficile · %n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Easy · %n days</source>
        <translation>
            <numerusform>Facile · %n jour</numerusform>
            <numerusform>Facile · %n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Good · %n days</source>
        <translation>
            <numerusform>Correct · %n jour</numerusform>
            <numerusform>Correct · %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>--results needs the learner&apos;s name: --name NAME</source>
        <translation>--results demande le nom de l&apos;élève : --name NAME</translation>
    </message>
    <message>
        <source>The results file %1 is left out: %2</source>
        <translation>Le fichier de résultats %1 est laissé de côté : %2</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il ne peut pas être lu</translation>
    </message>
    <message>
        <source>it is larger than 10 MB</source>
        <translation>il dépasse 10 Mo</translation>
    </message>
    <message>
        <source>The folder %1 holds no results files (.json).</source>
        <translation>Le dossier %1 ne contient aucun fichier de résultats (.json).</translation>
    </message>
    <message>
        <source>The class&apos;s hardest pairs</source>
        <translation>Les paires les plus difficiles de la classe</translation>
    </message>
    <message>
        <source>Can&apos;t write the results to
%1
%2</source>
        <translation>Impossible d&apos;écrire les résultats dans
%1
%2</translation>
    </message>
    <message>
        <source>Results are written for a whole list: open the list first.</source>
        <translation>Les résultats s&apos;écrivent pour une liste entière : ouvrez d&apos;abord la liste.</translation>
    </message>
    <message>
        <source>Can&apos;t export the word list to
%1
The file name must end in .txt, .tsv, .csv, .kvtml or .apkg.</source>
        <translation>Impossible d&apos;exporter la liste de mots vers
%1
Le nom du fichier doit se terminer par .txt, .tsv, .csv, .kvtml ou .apkg.</translation>
    </message>
    <message>
        <source>%1 is set aside: it holds results for &quot;%2&quot;, not for the class&apos;s list &quot;%3&quot;.</source>
        <translation>%1 est mis de côté : il contient des résultats pour « %2 », pas pour la liste de la classe, « %3 ».</translation>
    </message>
    <message>
        <source>%1 is set aside: %2&apos;s newer results are in %3.</source>
        <translation>%1 est mis de côté : les résultats plus récents de %2 sont dans %3.</translation>
    </message>
    <message>
        <source>it is not a Glossatiles results file</source>
        <translation>ce n&apos;est pas un fichier de résultats de Glossatiles</translation>
    </message>
    <message>
        <source>%1 is missing or of the wrong kind</source>
        <translation>%1 manque ou n&apos;est pas du bon type</translation>
    </message>
    <message>
        <source>%1 is out of range</source>
        <translation>%1 est hors limites</translation>
    </message>
    <message>
        <source>it holds more than %1 pairs</source>
        <translation>il contient plus de %1 paires</translation>
    </message>
    <message>
        <source>it is not JSON</source>
        <translation>ce n&apos;est pas du JSON</translation>
    </message>
    <message>
        <source>it comes from a newer Glossatiles (version %1)</source>
        <translation>il vient d&apos;un Glossatiles plus récent (version %1)</translation>
    </message>
    <message>
        <source>the pair %1 = %2 is in it twice</source>
        <translation>la paire %1 = %2 y figure deux fois</translation>
    </message>
    <message>
        <source>the learner&apos;s name is longer than %1 bytes</source>
        <translation>le nom de l&apos;élève dépasse %1 octets</translation>
    </message>
    <message>
        <source>the learner&apos;s name is not UTF-8 text</source>
        <translation>le nom de l&apos;élève n&apos;est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>the learner&apos;s name holds control characters</source>
        <translation>le nom de l&apos;élève contient des caractères de contrôle</translation>
    </message>
    <message>
        <source>Its list of media files would unpack to more than %1 MB; it is refused.</source>
        <translation>Sa liste de fichiers média ferait plus de %1 Mo une fois décompressée ; elle est refusée.</translation>
    </message>
    <message numerus="yes">
        <source>%n media files of the package were refused (larger than %2 MB, of another size than it declares, damaged, or named outside its folder): %1</source>
        <translation>
            <numerusform>%n fichier média du paquet a été refusé (plus de %2 Mo, d&apos;une autre taille que celle déclarée, endommagé ou nommé hors de son dossier) : %1</numerusform>
            <numerusform>%n fichiers média du paquet ont été refusés (plus de %2 Mo, d&apos;une autre taille que celle déclarée, endommagés ou nommés hors de leur dossier) : %1</numerusform>
        </translation>
    </message>
    <message>
        <source>It holds more than %1 files, more than a deck holds; it is refused.</source>
        <translation>Il contient plus de %1 fichiers, plus que n&apos;en contient un paquet ; il est refusé.</translation>
    </message>
    <message>
        <source>It is larger than %1 MB, more than a deck may be; it is refused.</source>
        <translation>Il fait plus de %1 Mo, plus que ne peut faire un paquet ; il est refusé.</translation>
    </message>
    <message numerus="yes">
        <source>%n media files could not be used; they were looked for in %1.</source>
        <translation>
            <numerusform>%n fichier média n&apos;a pas pu être utilisé ; il a été cherché dans %1.</numerusform>
            <numerusform>%n fichiers média n&apos;ont pas pu être utilisés ; ils ont été cherchés dans %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Can&apos;t copy the pictures and sounds of the list to
%1</source>
        <translation>Impossible de copier les images et les sons de la liste vers
%1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Note : %1</translation>
    </message>
    <message>
        <source>Saving here would change the format of this file. Save as a new file?</source>
        <translation>Enregistrer ici changerait le format de ce fichier. Enregistrer dans un nouveau fichier ?</translation>
    </message>
    <message>
        <source>The list holds only part of this file: a blank line ended it, or a long line was read as several words. Save as a new file?</source>
        <translation>La liste ne contient qu’une partie de ce fichier : une ligne vide l’a terminée, ou une longue ligne a été lue comme plusieurs mots. Enregistrer dans un nouveau fichier ?</translation>
    </message>
    <message>
        <source>This file has %1 languages; the list uses 2. Save as a new file?</source>
        <translation>Ce fichier a %1 langues ; la liste en utilise 2. Enregistrer dans un nouveau fichier ?</translation>
    </message>
    <message>
        <source>This file has %1 columns; the list uses %2. Save as a new file?</source>
        <translation>Ce fichier a %1 colonnes ; la liste en utilise %2. Enregistrer dans un nouveau fichier ?</translation>
    </message>
    <message>
        <source>The list takes the columns of this file the other way round. Save as a new file?</source>
        <translation>La liste prend les colonnes de ce fichier dans l’ordre inverse. Enregistrer dans un nouveau fichier ?</translation>
    </message>
    <message>
        <source>The first row of this file names its columns, and the list leaves it out. Save as a new file?</source>
        <translation>La première ligne de ce fichier nomme ses colonnes, et la liste la laisse de côté. Enregistrer dans un nouveau fichier ?</translation>
    </message>
    <message>
        <source>Rows of this file with a word missing are not in the list. Save as a new file?</source>
        <translation>Les lignes de ce fichier auxquelles il manque un mot ne sont pas dans la liste. Enregistrer dans un nouveau fichier ?</translation>
    </message>
    <message>
        <source>This file sorts its words into lessons, which the list does not keep. Save as a new file?</source>
        <translation>Ce fichier range ses mots en leçons, que la liste ne conserve pas. Enregistrer dans un nouveau fichier ?</translation>
    </message>
    <message>
        <source>Can&apos;t save the word list as
%1
The file name must end in .txt, .tsv, .csv or .kvtml.</source>
        <translation>Impossible d&apos;enregistrer la liste de mots sous
%1
Le nom du fichier doit se terminer par .txt, .tsv, .csv ou .kvtml.</translation>
    </message>
    <message>
        <source>Can&apos;t write the file
%1 (%2)</source>
        <translation>Impossible d&apos;écrire le fichier
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
        <translation>Ouvre FICHIER (une liste de paires de mots ou une partie enregistrée) comme le jeu, sans
fenêtre, et affiche un résumé de la partie. Les messages vont sur la sortie d&apos;erreur standard.

  --seed N       distribuer avec la graine aléatoire N au lieu de l&apos;horloge
  --unblocked    distribuer sans qu&apos;aucune tuile ne soit bloquée (Nouvelle partie3)
  --auto-finish  retirer des paires jusqu&apos;à ne plus en trouver
  --save OUT     enregistrer la partie dans OUT ; jamais par-dessus une liste de mots
  --export OUT   écrire la liste de mots dans OUT : liste native (.txt), TSV (.tsv), CSV (.csv),
                 kvtml 2.0 (.kvtml) ou un paquet Anki pour les programmes de cartes (.apkg)
  --worksheet OUT --layout LAYOUT
                 écrire une fiche imprimable de la liste dans OUT en PDF : LAYOUT list
                 (les deux colonnes), test (une colonne vide par ligne, mélangée selon
                 --seed, corrigé ensuite) ou cards (à découper ; recto sur les pages
                 impaires, verso sur les paires, pour imprimer en recto verso)
  --columns W,T[,N]
                 lire FICHIER comme un tableau, quelle que soit sa forme, en prenant les
                 mots dans la colonne W, leurs traductions dans la colonne T et, si elle
                 est donnée, la note de chaque paire dans la colonne N (comptées à
                 partir de 1)
  --header-row   la première ligne d&apos;un tableau importé nomme ses colonnes ; sans cette
                 option ni --columns, les deux sont devinées comme dans le jeu
  --progress     afficher plutôt les parties terminées et les paires les plus difficiles de
                 FICHIER depuis la base de progression (1 si elle est illisible)
  --type         demander les paires de FICHIER une à une, en lisant une réponse par ligne
                 sur l&apos;entrée standard ; affiche chaque verdict et un résumé
  --flashcards   montrer les paires de FICHIER en cartes, d&apos;abord celles à réviser, puis
                 les nouvelles (review_pairs au plus, voir --set) : une ligne retourne une
                 carte, la suivante la note : 1 ou again, 2 ou hard, 3 ou good, 4 ou easy
  --choose       demander les paires de FICHIER dans le même ordre, chacune avec jusqu&apos;à
                 quatre réponses ; une ligne en choisit une par son numéro ou son texte
  --direction D  avec --type, --flashcards ou --choose : forward (demander la traduction,
                 par défaut), backward (demander le mot), mixed ou listen (demander le mot
                 du son joué, son enregistrement ou sinon sa synthèse vocale)
  --due          lister les paires à réviser aujourd&apos;hui ou avant, une par ligne :
                 date d&apos;échéance, mot, traduction et description de la liste, séparés par
                 des tabulations (1 si la base de progression est illisible)
  --on DATE      avec --due : les paires dues le DATE (AAAA-MM-JJ) ou avant
  --all          avec --due : toutes les paires planifiées
  --stats        afficher les paires pratiquées aujourd&apos;hui, l&apos;objectif du jour, la
                 série de jours de pratique en cours et la plus longue, les paires à
                 réviser aujourd&apos;hui et le nombre de listes jouées (1 si la base de
                 progression ne peut pas être lue)
  --fit          ajuster le modèle de mémoire à vos révisions de la base de progression ;
                 affiche les 21 paramètres, ainsi que la perte logarithmique et le
                 RMSE(bins) des paramètres par défaut et des paramètres ajustés sur ces
                 révisions ; si les paramètres ajustés prédisent mieux, ils planifient
                 désormais (1 si la base est illisible)
  --reviews FICHIER.csv
                 avec --fit : ajuster plutôt aux révisions de FICHIER.csv, une par
                 ligne : pair,date,rating (paire, date AAAA-MM-JJ, note de 1 Again à
                 4 Easy) ; rien n&apos;est enregistré (1 si le fichier est illisible ou
                 une ligne erronée)
  --dry-run      avec --fit : ne rien enregistrer
  --results OUT.json
                 écrire vos résultats avec la liste de FICHIER dans OUT.json pour votre
                 enseignant : pour chaque paire, parties, erreurs, indices, séries de
                 saisie et mémoire
  --name NOM     avec --results : le nom de l&apos;élève que portent les résultats
  --class DOSSIER|FICHIER...
                 rassembler les fichiers de résultats des élèves (un dossier : ses
                 fichiers .json) et afficher les paires de la classe, les plus
                 difficiles d&apos;abord, une par ligne : mot, traduction, élèves, élèves qui
                 l&apos;ont manquée et rappel moyen aujourd&apos;hui, séparés par des tabulations ;
                 les fichiers d&apos;une autre liste sont mis de côté (1 quand aucun fichier
                 n&apos;a pu être lu)
  --list FICHIER avec --class : la liste de la classe est celle de FICHIER, non celle que
                 nomment la plupart des fichiers
  --settings     afficher les réglages conservés dans la base de progression
  --set KEY=VALUE
                 conserver un réglage, puis les afficher tous : retention (la part des
                 paires que vous voulez retenir quand elles reviennent, de 0.7 à 0.97,
                 0.9 au départ), review_pairs (le plus de paires d&apos;une Révision du
                 jour, de 1 à 10000) ou daily_goal (les paires à pratiquer chaque jour,
                 de 1 à 1000, 20 au départ)
  --help         afficher cette aide
  --version      afficher la version

Code de sortie : 0 en cas de succès, 1 si l&apos;ouverture, le chargement ou l&apos;enregistrement a
échoué, 2 pour une erreur d&apos;utilisation.
</translation>
    </message>
</context>
<context>
    <name>NoteBar</name>
    <message>
        <source>Notes</source>
        <translation>Remarques</translation>
    </message>
</context>
<context>
    <name>NoteRow</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>OpeningWithProgress</name>
    <message>
        <source>Opening %1…</source>
        <translation>Ouverture de %1…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Opening</source>
        <translation>Ouverture</translation>
    </message>
</context>
<context>
    <name>PlayAnnouncer</name>
    <message>
        <source>%1, selected</source>
        <translation>%1, choisie</translation>
    </message>
</context>
<context>
    <name>PracticeControl</name>
    <message>
        <source>There are no pairs to practise: open a word list first.</source>
        <translation>Il n’y a aucune paire à travailler : ouvrez d’abord une liste de mots.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Save Missed Pairs</source>
        <translation>Enregistrer les paires manquées</translation>
    </message>
    <message>
        <source>Word lists (*.txt)</source>
        <translation>Listes de mots (*.txt)</translation>
    </message>
    <message>
        <source>Accuracy (%)</source>
        <translation>Précision (%)</translation>
    </message>
    <message>
        <source>Seconds per game</source>
        <translation>Secondes par partie</translation>
    </message>
    <message>
        <source>Progress cannot be read: %1</source>
        <translation>Impossible de lire les progrès : %1</translation>
    </message>
    <message>
        <source>No game of this list has been finished yet.</source>
        <translation>Aucune partie de cette liste n&apos;a encore été terminée.</translation>
    </message>
    <message>
        <source>Finished games of %1: %2</source>
        <translation>Parties terminées de %1 : %2</translation>
    </message>
    <message>
        <source>Pairs due</source>
        <translation>Paires à réviser</translation>
    </message>
    <message>
        <source>Days from today (%1)</source>
        <translation>Jours à partir d&apos;aujourd&apos;hui (%1)</translation>
    </message>
    <message>
        <source>New: %1   Learning: %2   Due: %3   Mature: %4</source>
        <translation>Nouvelles : %1   En apprentissage : %2   À réviser : %3   Acquises : %4</translation>
    </message>
    <message>
        <source>Pairs of every list due for review in the next %1 days</source>
        <translation>Paires de toutes les listes à réviser dans les %1 prochains jours</translation>
    </message>
    <message>
        <source>In use: the default parameters, the average of many learners.</source>
        <translation>Utilisés : les paramètres par défaut, la moyenne de nombreux apprenants.</translation>
    </message>
    <message numerus="yes">
        <source>In use: parameters fitted on %1 to %n review(s).</source>
        <translation>
            <numerusform>Utilisés : paramètres ajustés le %1 sur %n révision.</numerusform>
            <numerusform>Utilisés : paramètres ajustés le %1 sur %n révisions.</numerusform>
        </translation>
    </message>
    <message>
        <source>No fit has been made yet.</source>
        <translation>Aucun ajustement n’a encore été fait.</translation>
    </message>
    <message numerus="yes">
        <source>The last fit, on %1, was judged on %n review(s):</source>
        <translation>
            <numerusform>Le dernier ajustement, le %1, a été jugé sur %n révision :</numerusform>
            <numerusform>Le dernier ajustement, le %1, a été jugé sur %n révisions :</numerusform>
        </translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Fitted</source>
        <translation>Ajustés</translation>
    </message>
    <message>
        <source>Log loss</source>
        <translation>Perte logarithmique</translation>
    </message>
    <message>
        <source>RMSE (bins)</source>
        <translation>RMSE (classes)</translation>
    </message>
    <message>
        <source>It predicted no better than the parameters in use, which stayed.</source>
        <translation>Il ne prédisait pas mieux que les paramètres utilisés, qui sont restés.</translation>
    </message>
    <message>
        <source>The fit failed: %1</source>
        <translation>L’ajustement a échoué : %1</translation>
    </message>
    <message>
        <source>The fit was stopped; the parameters in use stay.</source>
        <translation>L’ajustement a été arrêté ; les paramètres utilisés restent.</translation>
    </message>
    <message>
        <source>There is nothing to fit to yet: a pair needs a review a day or more after the one before.</source>
        <translation>Il n’y a encore rien à ajuster : une paire doit être révisée au moins un jour après la fois précédente.</translation>
    </message>
    <message numerus="yes">
        <source>The fitted parameters predict your %n review(s) better (log loss %1 instead of %2) and are now in use: every schedule follows them.</source>
        <translation>
            <numerusform>Les paramètres ajustés prédisent mieux votre %n révision (perte %1 au lieu de %2) et sont désormais utilisés : tout le calendrier les suit.</numerusform>
            <numerusform>Les paramètres ajustés prédisent mieux vos %n révisions (perte %1 au lieu de %2) et sont désormais utilisés : tout le calendrier les suit.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The fitted parameters predict your %n review(s) no better than those in use (log loss %1 against %2), so those stay.</source>
        <translation>
            <numerusform>Les paramètres ajustés ne prédisent pas mieux votre %n révision que ceux utilisés (perte %1 contre %2), qui restent donc.</numerusform>
            <numerusform>Les paramètres ajustés ne prédisent pas mieux vos %n révisions que ceux utilisés (perte %1 contre %2), qui restent donc.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Export My Results</source>
        <translation>Exporter mes résultats</translation>
    </message>
    <message>
        <source>Your name, as your teacher will see it on your results:</source>
        <translation>Votre nom, tel que votre enseignant le verra dans vos résultats :</translation>
    </message>
    <message>
        <source>Results files (*.json)</source>
        <translation>Fichiers de résultats (*.json)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valeurs séparées par des virgules (*.csv)</translation>
    </message>
    <message>
        <source>Class Results</source>
        <translation>Résultats de la classe</translation>
    </message>
    <message>
        <source>Results files (*.json);;All files (*)</source>
        <translation>Fichiers de résultats (*.json);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>QtPrompter</name>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Glossatiles record file (*.txt)</source>
        <translation>Partie Glossatiles enregistrée (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save the game in progress?</source>
        <translation>Enregistrer la partie en cours ?</translation>
    </message>
    <message>
        <source>Glossatiles word list (*.txt)</source>
        <translation>Liste de mots Glossatiles (*.txt)</translation>
    </message>
    <message>
        <source>Tab-separated values (*.tsv)</source>
        <translation>Valeurs séparées par des tabulations (*.tsv)</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valeurs séparées par des virgules (*.csv)</translation>
    </message>
    <message>
        <source>Export Word List</source>
        <translation>Exporter la liste de mots</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>KDE vocabulary document (*.kvtml)</source>
        <translation>Document de vocabulaire KDE (*.kvtml)</translation>
    </message>
    <message>
        <source>Word lists (*.txt *.csv *.tsv *.kvtml *.apkg)</source>
        <translation>Listes de mots (*.txt *.csv *.tsv *.kvtml *.apkg)</translation>
    </message>
    <message>
        <source>Saved games (*.txt)</source>
        <translation>Parties enregistrées (*.txt)</translation>
    </message>
    <message>
        <source>Anki package (*.apkg)</source>
        <translation>Paquet Anki (*.apkg)</translation>
    </message>
</context>
<context>
    <name>ReviewMemory</name>
    <message>
        <source>The review settings are not kept: %1</source>
        <translation>Les réglages des révisions ne sont pas enregistrés : %1</translation>
    </message>
    <message numerus="yes">
        <source>The memory model was fitted to your %n review(s) and now schedules your pairs.</source>
        <translation>
            <numerusform>Le modèle de mémoire a été ajusté à votre %n révision et planifie désormais vos paires.</numerusform>
            <numerusform>Le modèle de mémoire a été ajusté à vos %n révisions et planifie désormais vos paires.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SpeechControl</name>
    <message>
        <source>Speech is off: %1</source>
        <translation>Parole désactivée : %1</translation>
    </message>
    <message>
        <source>Speech turned off: %1</source>
        <translation>Parole coupée : %1</translation>
    </message>
    <message>
        <source>the words (%1?)</source>
        <translation>des mots (%1 ?)</translation>
    </message>
    <message>
        <source>the translations (%1?)</source>
        <translation>des traductions (%1 ?)</translation>
    </message>
    <message>
        <source>Speech cannot tell the language of %1 and does not speak them until you choose it in Tools &gt; Languages…</source>
        <translation>La synthèse vocale ne reconnaît pas la langue %1 et ne les prononce pas tant que vous ne l’avez pas choisie dans Outils &gt; Langues…</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
</context>
<context>
    <name>SpeechEngine</name>
    <message>
        <source>no speech engine is installed (Qt&apos;s speechd plugin)</source>
        <translation>aucun moteur de parole n’est installé (greffon speechd de Qt)</translation>
    </message>
    <message>
        <source>the speech engine has no voices</source>
        <translation>le moteur de parole n’a aucune voix</translation>
    </message>
</context>
<context>
    <name>TodaysReview</name>
    <message>
        <source>1 pair</source>
        <translation>1 paire</translation>
    </message>
    <message>
        <source>%1 pairs</source>
        <translation>%1 paires</translation>
    </message>
    <message>
        <source>Pairs due for review today</source>
        <translation>Paires à réviser aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Due today: %1</source>
        <translation>À réviser aujourd&apos;hui : %1</translation>
    </message>
    <message>
        <source>1 pair is due for review today</source>
        <translation>1 paire est à réviser aujourd&apos;hui</translation>
    </message>
    <message>
        <source>%1 pairs are due for review today</source>
        <translation>%1 paires sont à réviser aujourd&apos;hui</translation>
    </message>
    <message>
        <source>%1: Game &gt; Today&apos;s Review (Ctrl+D)</source>
        <translation>%1 : Partie &gt; Révision du jour (Ctrl+D)</translation>
    </message>
    <message>
        <source>Today&apos;s Review cannot be dealt.
Progress cannot be read: %1</source>
        <translation>La révision du jour ne peut pas être distribuée.
La progression ne peut pas être lue : %1</translation>
    </message>
    <message>
        <source>No pairs are due for review today.
The next are due on %1: %2.</source>
        <translation>Aucune paire n&apos;est à réviser aujourd&apos;hui.
Les prochaines le seront le %1 : %2.</translation>
    </message>
    <message>
        <source>No pairs are due for review.
The pairs of each game you finish are scheduled for review.</source>
        <translation>Aucune paire n&apos;est à réviser.
Les paires de chaque partie terminée sont programmées pour une révision.</translation>
    </message>
    <message>
        <source>No pairs are due for review today</source>
        <translation>Aucune paire n&apos;est à réviser aujourd&apos;hui</translation>
    </message>
</context>
<context>
    <name>TypingControl</name>
    <message>
        <source>There are no pairs to type: open a word list first.</source>
        <translation>Il n’y a aucune paire à taper : ouvrez d’abord une liste de mots.</translation>
    </message>
</context>
<context>
    <name>WordListEditor</name>
    <message>
        <source>Save Word List</source>
        <translation>Enregistrer la liste de mots</translation>
    </message>
    <message>
        <source>Save the changes to the word list?</source>
        <translation>Enregistrer les modifications de la liste de mots ?</translation>
    </message>
    <message>
        <source>Edit Description</source>
        <translation>Modifier la description</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Description :</translation>
    </message>
    <message>
        <source>Word pairs</source>
        <translation>Paires de mots</translation>
    </message>
    <message>
        <source>Type a word, Tab for its translation, Enter for the next row.</source>
        <translation>Tapez un mot, Tab pour sa traduction, Entrée pour la ligne suivante.</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Find a word (Enter for the next one, Esc to close)</source>
        <translation>Rechercher un mot (Entrée pour le suivant, Échap pour fermer)</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Vérifications</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the list.</source>
        <translation>« %1 » n&apos;est pas dans la liste.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save and &amp;Deal</source>
        <translation>Enregistrer et &amp;distribuer</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Copy Rows</source>
        <translation>&amp;Copier les lignes</translation>
    </message>
    <message>
        <source>&amp;Paste Rows</source>
        <translation>Co&amp;ller des lignes</translation>
    </message>
    <message>
        <source>&amp;Insert Row</source>
        <translation>&amp;Insérer une ligne</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>&amp;Delete Rows</source>
        <translation>&amp;Supprimer les lignes</translation>
    </message>
    <message>
        <source>Ctrl+Del</source>
        <translation>Ctrl+Del</translation>
    </message>
    <message>
        <source>Mo&amp;ve Row Up</source>
        <translation>M&amp;onter la ligne</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Move Row Do&amp;wn</source>
        <translation>Descendre la li&amp;gne</translation>
    </message>
    <message>
        <source>Alt+Down</source>
        <translation>Alt+Down</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>Rec&amp;hercher...</translation>
    </message>
    <message>
        <source>S&amp;ort by Word</source>
        <translation>Trier par &amp;mot</translation>
    </message>
    <message>
        <source>Sort by &amp;Translation</source>
        <translation>Trier par &amp;traduction</translation>
    </message>
    <message>
        <source>New word list</source>
        <translation>Nouvelle liste de mots</translation>
    </message>
    <message>
        <source>%1[*] - Word List Editor</source>
        <translation>%1[*] - Éditeur de listes de mots</translation>
    </message>
    <message numerus="yes">
        <source>%n pair(s).</source>
        <translation>
            <numerusform>%n paire.</numerusform>
            <numerusform>%n paires.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) must be corrected before the list can be saved.</source>
        <translation>
            <numerusform>%n ligne doit être corrigée avant que la liste puisse être enregistrée.</numerusform>
            <numerusform>%n lignes doivent être corrigées avant que la liste puisse être enregistrée.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) have notes.</source>
        <translation>
            <numerusform>%n ligne a des remarques.</numerusform>
            <numerusform>%n lignes ont des remarques.</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1: %2
The list is not saved until this is corrected.</source>
        <translation>Ligne %1 : %2
La liste n&apos;est pas enregistrée tant que ce n&apos;est pas corrigé.</translation>
    </message>
    <message>
        <source>Insert Picture</source>
        <translation>Insérer une image</translation>
    </message>
    <message>
        <source>Insert Sound</source>
        <translation>Insérer un son</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.gif *.webp)</source>
        <translation>Images (*.png *.jpg *.jpeg *.gif *.webp)</translation>
    </message>
    <message>
        <source>Sounds (*.ogg *.oga *.mp3 *.wav *.flac)</source>
        <translation>Sons (*.ogg *.oga *.mp3 *.wav *.flac)</translation>
    </message>
    <message>
        <source>Insert Pictur&amp;e...</source>
        <translation>Insérer une imag&amp;e...</translation>
    </message>
    <message>
        <source>Insert &amp;Sound...</source>
        <translation>Insérer un so&amp;n...</translation>
    </message>
    <message>
        <source>Pictures and sounds are kept in a folder beside the list&apos;s file, so a new list is saved first.</source>
        <translation>Les images et les sons sont rangés dans un dossier à côté du fichier de la liste : une nouvelle liste est donc d’abord enregistrée.</translation>
    </message>
    <message>
        <source>%1 is neither a picture nor a recording that the game can use.</source>
        <translation>%1 n’est ni une image ni un enregistrement que le jeu peut utiliser.</translation>
    </message>
    <message>
        <source>%1 is not a picture the game can show: a PNG, JPEG, GIF or WebP file of at most 20 MB.</source>
        <translation>%1 n’est pas une image que le jeu peut afficher : un fichier PNG, JPEG, GIF ou WebP de 20 Mo au plus.</translation>
    </message>
    <message>
        <source>%1 is not a recording the game can play: an Ogg, MP3, WAV or FLAC file of at most 20 MB.</source>
        <translation>%1 n’est pas un enregistrement que le jeu peut lire : un fichier Ogg, MP3, WAV ou FLAC de 20 Mo au plus.</translation>
    </message>
    <message>
        <source>%1 could not be copied into %2.</source>
        <translation>%1 n’a pas pu être copié dans %2.</translation>
    </message>
    <message>
        <source>The pasted picture could not be saved in %1.</source>
        <translation>L’image collée n’a pas pu être enregistrée dans %1.</translation>
    </message>
</context>
<context>
    <name>WordListModel</name>
    <message>
        <source>A word is missing.</source>
        <translation>Il manque un mot.</translation>
    </message>
    <message>
        <source>Longer than 998 bytes: shorten it.</source>
        <translation>Plus de 998 octets : raccourcissez-le.</translation>
    </message>
    <message>
        <source>Beyond the 32,767 pairs a game can hold.</source>
        <translation>Au-delà des 32 767 paires qu&apos;une partie peut contenir.</translation>
    </message>
    <message>
        <source>This pair is in the list already.</source>
        <translation>Cette paire est déjà dans la liste.</translation>
    </message>
    <message>
        <source>A saved game writes &apos;:&apos; as &apos;-&apos;.</source>
        <translation>Une partie enregistrée écrit &apos;:&apos; comme &apos;-&apos;.</translation>
    </message>
    <message>
        <source>The line break is saved as a blank.</source>
        <translation>Le saut de ligne est enregistré comme une espace.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Traduction</translation>
    </message>
    <message>
        <source>Add Pair</source>
        <translation>Ajouter une paire</translation>
    </message>
    <message>
        <source>Edit Word</source>
        <translation>Modifier le mot</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Vérifications</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Trier</translation>
    </message>
    <message>
        <source>Insert Rows</source>
        <translation>Insérer des lignes</translation>
    </message>
    <message>
        <source>Delete Rows</source>
        <translation>Supprimer des lignes</translation>
    </message>
    <message>
        <source>Move Row</source>
        <translation>Déplacer la ligne</translation>
    </message>
    <message>
        <source>Paste Rows</source>
        <translation>Coller des lignes</translation>
    </message>
    <message>
        <source>Edit Note</source>
        <translation>Modifier la note</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Answer key: %1</source>
        <translation>Corrigé : %1</translation>
    </message>
</context>
<context>
    <name>WorksheetDlg</name>
    <message>
        <source>&amp;List: both columns, ruled</source>
        <translation>&amp;Liste : les deux colonnes, lignées</translation>
    </message>
    <message>
        <source>&amp;Test: one column blank, with an answer key</source>
        <translation>&amp;Test : une colonne vide, avec le corrigé</translation>
    </message>
    <message>
        <source>&amp;Cards to cut out, for printing on both sides</source>
        <translation>&amp;Cartes à découper, à imprimer recto verso</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Imprimer une fiche</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Mise en page</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mélangée</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Traductions</translation>
    </message>
    <message>
        <source>Blank column</source>
        <translation>Colonne vide</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Graine</translation>
    </message>
    <message>
        <source>&amp;Blank column:</source>
        <translation>&amp;Colonne vide :</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>&amp;Graine :</translation>
    </message>
</context>
<context>
    <name>YearCalendar</name>
    <message>
        <source>A year of practice</source>
        <translation>Une année de pratique</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n pairs</source>
        <comment>a day of the calendar</comment>
        <translation>
            <numerusform>%1 : %n paire</numerusform>
            <numerusform>%1 : %n paires</numerusform>
        </translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>day and month of a calendar cell</comment>
        <translation>d MMMM</translation>
    </message>
</context>
</TS>
