<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CGameFrame</name>
    <message>
        <source>Attention! You can watch a replay only when no game is in progress</source>
        <translation>Attention ! On ne peut regarder une rediffusion que hors partie</translation>
    </message>
    <message>
        <source>The replay stopped early: %1.</source>
        <translation>La rediffusion s’est arrêtée avant la fin : %1.</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Rediffusion</translation>
    </message>
    <message>
        <source>Replay %1x</source>
        <translation>Rediffusion %1x</translation>
    </message>
    <message>
        <source>Replay (paused)</source>
        <translation>Rediffusion (en pause)</translation>
    </message>
    <message>
        <source>Replay %1x (paused)</source>
        <translation>Rediffusion %1x (en pause)</translation>
    </message>
</context>
<context>
    <name>FigureAccessible</name>
    <message>
        <source>Lines left</source>
        <translation>Lignes restantes</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Meilleur score</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Rising counter</source>
        <translation>Compteur</translation>
    </message>
</context>
<context>
    <name>FramePainter</name>
    <message>
        <source>Replay %1x (paused) · Esc: stop watching · Pause · 1, 2, 4: speed</source>
        <translation>Rediffusion %1x (en pause) · Échap : arrêter · Pause · 1, 2, 4 : vitesse</translation>
    </message>
    <message>
        <source>Replay %1x · Esc: stop watching · Pause · 1, 2, 4: speed</source>
        <translation>Rediffusion %1x · Échap : arrêter · Pause · 1, 2, 4 : vitesse</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;Window size</source>
        <translation>&amp;Taille de la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Champions</source>
        <translation>&amp;Champions</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Best Scores</source>
        <translation>&amp;Meilleurs scores</translation>
    </message>
    <message>
        <source>Start/Stop &amp;Game	F2</source>
        <translation>&amp;Démarrer/arrêter la partie	F2</translation>
    </message>
    <message>
        <source>&amp;Pause	Pause</source>
        <translation>&amp;Pause	Pause</translation>
    </message>
    <message>
        <source>&amp;Options...	F3</source>
        <translation>&amp;Options...	F3</translation>
    </message>
    <message>
        <source>&amp;Normal	Ctrl+1</source>
        <translation>&amp;Normale	Ctrl+1</translation>
    </message>
    <message>
        <source>&amp;Big	Ctrl+2</source>
        <translation>&amp;Grande	Ctrl+2</translation>
    </message>
    <message>
        <source>&amp;Automatic	Ctrl+3</source>
        <translation>&amp;Automatique	Ctrl+3</translation>
    </message>
    <message>
        <source>&amp;Save As..	Ctrl+S</source>
        <translation>&amp;Enregistrer sous...	Ctrl+S</translation>
    </message>
    <message>
        <source>&amp;Load...	Ctrl+L</source>
        <translation>&amp;Charger...	Ctrl+L</translation>
    </message>
    <message>
        <source>E&amp;xit	Ctrl+X</source>
        <translation>&amp;Quitter	Ctrl+X</translation>
    </message>
    <message>
        <source>200&amp;0	Alt+0</source>
        <translation>200&amp;0	Alt+0</translation>
    </message>
    <message>
        <source>200&amp;1	Alt+1</source>
        <translation>200&amp;1	Alt+1</translation>
    </message>
    <message>
        <source>&amp;Index	F1</source>
        <translation>&amp;Index	F1</translation>
    </message>
    <message>
        <source>Brinox 2000 &amp;Homepage...</source>
        <translation>Site &amp;web de Brinox 2000...</translation>
    </message>
    <message>
        <source>About &amp;Cathedral (on the picture) ...</source>
        <translation>À propos de la &amp;cathédrale (sur l’image)...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos de Brinox 2000...</translation>
    </message>
    <message>
        <source>&amp;Local Best Scores...	F4</source>
        <translation>Meilleurs scores &amp;locaux...	F4</translation>
    </message>
    <message>
        <source>&amp;World Championship Top 10 ...	F5</source>
        <translation>Top 10 du championnat du &amp;monde...	F5</translation>
    </message>
    <message>
        <source>World Championship &amp;Homepage...</source>
        <translation>Site &amp;web du championnat du monde...</translation>
    </message>
    <message>
        <source>Stop Game	F2</source>
        <translation>Arrêter la partie	F2</translation>
    </message>
    <message>
        <source>Start Game	F2</source>
        <translation>Démarrer une partie	F2</translation>
    </message>
    <message>
        <source>Pause	%1</source>
        <translation>Pause	%1</translation>
    </message>
</context>
<context>
    <name>KeyName</name>
    <message>
        <source>Left Arrow</source>
        <translation>Flèche gauche</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Flèche droite</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Flèche haut</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Flèche bas</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inser</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>BackSpace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>PageUp</source>
        <translation>Page préc.</translation>
    </message>
    <message>
        <source>PageDown</source>
        <translation>Page suiv.</translation>
    </message>
    <message>
        <source>NumLock</source>
        <translation>Verr. num.</translation>
    </message>
    <message>
        <source>CapsLock</source>
        <translation>Verr. maj.</translation>
    </message>
    <message>
        <source>Left Shift</source>
        <translation>Maj gauche</translation>
    </message>
    <message>
        <source>Right Shift</source>
        <translation>Maj droite</translation>
    </message>
    <message>
        <source>Left Control</source>
        <translation>Ctrl gauche</translation>
    </message>
    <message>
        <source>Right Control</source>
        <translation>Ctrl droite</translation>
    </message>
    <message>
        <source>NumPad %1</source>
        <translation>Pavé num. %1</translation>
    </message>
    <message>
        <source>Key #%1</source>
        <translation>Touche n° %1</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>ERROR! It is impossible to create file. Hard disk is full or damaged</source>
        <translation>ERREUR ! Impossible de créer le fichier. Le disque dur est plein ou endommagé</translation>
    </message>
    <message>
        <source>ERROR! It is impossible to save file &quot;brinox.dat&quot;</source>
        <translation>ERREUR ! Impossible d’enregistrer le fichier « brinox.dat »</translation>
    </message>
    <message>
        <source>ERROR! It is impossible to create file &quot;brinox.dat&quot;</source>
        <translation>ERREUR ! Impossible de créer le fichier « brinox.dat »</translation>
    </message>
    <message>
        <source>ERROR! Saved file is incorrect</source>
        <translation>ERREUR ! La partie enregistrée est incorrecte</translation>
    </message>
    <message>
        <source>ERROR! It is impossible to create tables</source>
        <translation>ERREUR ! Impossible de créer les tableaux</translation>
    </message>
    <message>
        <source>ERROR! It is impossible to load tables</source>
        <translation>ERREUR ! Impossible de charger les tableaux</translation>
    </message>
    <message>
        <source>ERROR! It is impossible to update tables</source>
        <translation>ERREUR ! Impossible de mettre à jour les tableaux</translation>
    </message>
    <message>
        <source>ERROR! It is impossible to load downloaded file</source>
        <translation>ERREUR ! Impossible de charger le fichier téléchargé</translation>
    </message>
    <message>
        <source>ERROR! Downloaded file is incorrect</source>
        <translation>ERREUR ! Le fichier téléchargé est incorrect</translation>
    </message>
    <message>
        <source>ERROR! It is impossible to create file for transfer</source>
        <translation>ERREUR ! Impossible de créer le fichier à transférer</translation>
    </message>
    <message>
        <source>Attention! This files were not found:</source>
        <translation>Attention ! Ces fichiers sont introuvables :</translation>
    </message>
    <message>
        <source>Program may work incorrectly</source>
        <translation>Le programme risque de mal fonctionner</translation>
    </message>
    <message>
        <source>ERROR! It is impossible to save file &quot;%1&quot;</source>
        <translation>ERREUR ! Impossible d’enregistrer le fichier « %1 »</translation>
    </message>
</context>
<context>
    <name>SoundEvent</name>
    <message>
        <source>Button press</source>
        <translation>Clic sur un bouton</translation>
    </message>
    <message>
        <source>Block drop</source>
        <translation>Chute d’une pièce</translation>
    </message>
    <message>
        <source>Block removed</source>
        <translation>Ligne supprimée</translation>
    </message>
    <message>
        <source>Bomb Explosion</source>
        <translation>Explosion d’une bombe</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>You win!</source>
        <translation>Victoire !</translation>
    </message>
    <message>
        <source>Level is finished</source>
        <translation>Niveau terminé</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Chrono</translation>
    </message>
    <message>
        <source>Row of blocks is added</source>
        <translation>Ajout d’une ligne de blocs</translation>
    </message>
    <message>
        <source>Start of game</source>
        <translation>Début de partie</translation>
    </message>
    <message>
        <source>Bomb disappears</source>
        <translation>Disparition d’une bombe</translation>
    </message>
    <message>
        <source>Best score is reached</source>
        <translation>Meilleur score atteint</translation>
    </message>
</context>
<context>
    <name>StatusLines</name>
    <message>
        <source>Fill whole rows with blocks to clear them. F2: start or stop a game, F1: help.</source>
        <translation>Remplissez des lignes entières pour les effacer. F2 : jouer/arrêter, F1 : aide.</translation>
    </message>
    <message>
        <source>Start a new game, or stop the game in progress (F2).</source>
        <translation>Démarrer une partie ou arrêter la partie en cours (F2).</translation>
    </message>
    <message>
        <source>Pause the game, or carry on with a paused game (Pause key).</source>
        <translation>Mettre la partie en pause ou la reprendre (touche Pause).</translation>
    </message>
    <message>
        <source>Options: game, look, keys and sounds (F3).</source>
        <translation>Options : jeu, apparence, touches et sons (F3).</translation>
    </message>
    <message>
        <source>Save the game in progress (Ctrl+S); not in World Championship.</source>
        <translation>Enregistrer la partie (Ctrl+S) ; pas en championnat du monde.</translation>
    </message>
    <message>
        <source>Load a saved game (Ctrl+L); it replaces the game in progress.</source>
        <translation>Charger une partie (Ctrl+L) ; elle remplace la partie en cours.</translation>
    </message>
    <message>
        <source>Local best scores: the ten best of each game type and mode (F4).</source>
        <translation>Meilleurs scores locaux : les dix meilleurs par type et mode (F4).</translation>
    </message>
    <message>
        <source>World Championship Top 10 (F5); its UPDATE button downloads it.</source>
        <translation>Top 10 du championnat (F5) ; ACTUALISER le télécharge.</translation>
    </message>
    <message>
        <source>Help (F1). A right click on the window explains the window.</source>
        <translation>Aide (F1). Un clic droit sur la fenêtre l’explique.</translation>
    </message>
    <message>
        <source>Quit Brinox 2000 (Ctrl+X). Your options are kept for next time.</source>
        <translation>Quitter Brinox 2000 (Ctrl+X). Vos options sont conservées.</translation>
    </message>
    <message>
        <source>Game type: Quadel (4-block pieces) or Quinel (3 to 5 blocks).</source>
        <translation>Type de jeu : Quadel (pièces de 4 blocs) ou Quinel (3 à 5 blocs).</translation>
    </message>
    <message>
        <source>Game mode: Classic, Timer, Rising or World Championship.</source>
        <translation>Mode : classique, chrono, montée ou championnat du monde.</translation>
    </message>
    <message>
        <source>Bombs on or off: clear 2, 3 or 4 rows at once to get a bomb.</source>
        <translation>Bombes oui/non : 2, 3 ou 4 lignes d’un coup donnent une bombe.</translation>
    </message>
    <message>
        <source>Visit the Brinox 2000 home page in your web browser.</source>
        <translation>Ouvrir le site de Brinox 2000 dans votre navigateur.</translation>
    </message>
    <message>
        <source>Show or hide the tool bar.</source>
        <translation>Afficher ou masquer la barre d’outils.</translation>
    </message>
    <message>
        <source>Show or hide the next-piece bar.</source>
        <translation>Afficher ou masquer la barre de la pièce suivante.</translation>
    </message>
    <message>
        <source>Show or hide the status bar.</source>
        <translation>Afficher ou masquer la barre d’état.</translation>
    </message>
    <message>
        <source>The next piece: it falls when the current one has landed.</source>
        <translation>La pièce suivante : elle tombe quand l’actuelle s’est posée.</translation>
    </message>
    <message>
        <source>Status bar: a hint on whatever the pointer is over, and a clock.</source>
        <translation>Barre d’état : une aide sur l’élément pointé, et une horloge.</translation>
    </message>
    <message>
        <source>Level: 20 levels, and the pieces fall faster on each new one.</source>
        <translation>Niveau : 20 niveaux, les pièces tombent plus vite à chacun.</translation>
    </message>
    <message>
        <source>Rows still to clear before this level is finished.</source>
        <translation>Lignes à effacer encore pour finir ce niveau.</translation>
    </message>
    <message>
        <source>Score: 200, 500, 1000, 2000 for 1 to 4 rows; 7 per row dropped.</source>
        <translation>Score : 200, 500, 1000, 2000 pour 1 à 4 lignes ; 7 par ligne de chute.</translation>
    </message>
    <message>
        <source>Rows cleared so far in this game.</source>
        <translation>Lignes effacées jusqu’ici dans cette partie.</translation>
    </message>
    <message>
        <source>Countdown: clearing rows adds seconds; at 00:00 the game is over.</source>
        <translation>Compte à rebours : chaque ligne ajoute du temps ; fin à 00:00.</translation>
    </message>
    <message>
        <source>Rising counter: at 0 a row of blocks rises from below.</source>
        <translation>Compteur : à 0, une ligne de blocs monte par le bas.</translation>
    </message>
    <message>
        <source>Best score of this game type and mode. Can you beat it?</source>
        <translation>Meilleur score de ce type et de ce mode. Ferez-vous mieux ?</translation>
    </message>
</context>
<context>
    <name>TableId</name>
    <message>
        <source>Quadel: Classic mode</source>
        <translation>Quadel : classique</translation>
    </message>
    <message>
        <source>Quadel: Timer mode</source>
        <translation>Quadel : chrono</translation>
    </message>
    <message>
        <source>Quadel: Rising mode</source>
        <translation>Quadel : montée</translation>
    </message>
    <message>
        <source>Quadel: World Championship</source>
        <translation>Quadel : Mondial</translation>
    </message>
    <message>
        <source>Quinel: Classic mode</source>
        <translation>Quinel : classique</translation>
    </message>
    <message>
        <source>Quinel: Timer mode</source>
        <translation>Quinel : chrono</translation>
    </message>
    <message>
        <source>Quinel: Rising mode</source>
        <translation>Quinel : montée</translation>
    </message>
    <message>
        <source>World Championship Top 10</source>
        <translation>Top 10 du Mondial</translation>
    </message>
    <message>
        <source>Best Scores - Quadel: Classic mode</source>
        <translation>Meilleurs scores – Quadel : mode classique</translation>
    </message>
    <message>
        <source>Best Scores - Quadel: Timer mode</source>
        <translation>Meilleurs scores – Quadel : mode chrono</translation>
    </message>
    <message>
        <source>Best Scores - Quadel: Rising mode</source>
        <translation>Meilleurs scores – Quadel : mode montée</translation>
    </message>
    <message>
        <source>Best Scores - Quadel: World Championship</source>
        <translation>Meilleurs scores – Quadel : championnat du monde</translation>
    </message>
    <message>
        <source>Best Scores - Quinel: Classic mode</source>
        <translation>Meilleurs scores – Quinel : mode classique</translation>
    </message>
    <message>
        <source>Best Scores - Quinel: Timer mode</source>
        <translation>Meilleurs scores – Quinel : mode chrono</translation>
    </message>
    <message>
        <source>Best Scores - Quinel: Rising mode</source>
        <translation>Meilleurs scores – Quinel : mode montée</translation>
    </message>
    <message>
        <source>Best Scores - World Championship Top 10</source>
        <translation>Meilleurs scores – Top 10 du championnat du monde</translation>
    </message>
</context>
<context>
    <name>brinox::CAboutDlg</name>
    <message>
        <source>Go</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>About Brinox 2000</source>
        <translation>À propos de Brinox 2000</translation>
    </message>
    <message>
        <source>for Windows 95/98/ME/NT/2000/XP</source>
        <translation>pour Windows 95/98/ME/NT/2000/XP</translation>
    </message>
    <message>
        <source>Game, pictures and sounds by the Brinox 2000 team</source>
        <translation>Jeu, images et sons par l’équipe de Brinox 2000</translation>
    </message>
    <message>
        <source>This edition runs on Linux with Qt 6. Have fun!</source>
        <translation>Cette édition fonctionne sous Linux avec Qt 6. Bon jeu !</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistance</translation>
    </message>
    <message>
        <source>Brinox homepage:</source>
        <translation>Site de Brinox :</translation>
    </message>
    <message>
        <source>e-mail:</source>
        <translation>Courriel :</translation>
    </message>
</context>
<context>
    <name>brinox::CBestScoresDlg</name>
    <message>
        <source>Maximum drop time of Quadel piece (seconds): </source>
        <translation>Temps de chute maximal d’une pièce Quadel (secondes) : </translation>
    </message>
    <message>
        <source>BEST SCORES</source>
        <translation>MEILLEURS SCORES</translation>
    </message>
    <message>
        <source>TABLES</source>
        <translation>TABLEAUX</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Infos</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Revoir</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>EFFACER</translation>
    </message>
    <message>
        <source>SEND</source>
        <translation>ENVOYER</translation>
    </message>
    <message>
        <source>UPDATE</source>
        <translation>ACTUALISER</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Last update: </source>
        <translation>Dernière mise à jour : </translation>
    </message>
    <message>
        <source>Game Info: </source>
        <translation>Infos sur la partie : </translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Nom : </translation>
    </message>
    <message>
        <source>Country: </source>
        <translation>Pays : </translation>
    </message>
    <message>
        <source>Time of Game: </source>
        <translation>Durée de la partie : </translation>
    </message>
    <message>
        <source>Started: </source>
        <translation>Début : </translation>
    </message>
    <message>
        <source>Scores: </source>
        <translation>Score : </translation>
    </message>
    <message>
        <source>Level: </source>
        <translation>Niveau : </translation>
    </message>
    <message>
        <source>Lines: </source>
        <translation>Lignes : </translation>
    </message>
    <message>
        <source>Amount of Quadel pieces: </source>
        <translation>Nombre de pièces Quadel : </translation>
    </message>
    <message>
        <source>Bombs in the game: </source>
        <translation>Bombes dans la partie : </translation>
    </message>
    <message>
        <source>YES</source>
        <translation>OUI</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NON</translation>
    </message>
    <message>
        <source>Amount of Bombs: </source>
        <translation>Nombre de bombes : </translation>
    </message>
    <message>
        <source>Mimimum drop time of Quadel piece (seconds): </source>
        <translation>Temps de chute minimal d’une pièce Quadel (secondes) : </translation>
    </message>
    <message>
        <source>Average drop time of Quadel piece (seconds): </source>
        <translation>Temps de chute moyen d’une pièce Quadel (secondes) : </translation>
    </message>
    <message>
        <source>Finished: </source>
        <translation>Fin : </translation>
    </message>
    <message>
        <source>Unfortunately your result do not get in the table.
Do you wish to stay here?</source>
        <translation>Hélas, votre résultat n’entre pas dans le tableau.
Voulez-vous rester ici ?</translation>
    </message>
    <message>
        <source>Do you want to send your results to the World Championship?</source>
        <translation>Voulez-vous envoyer vos résultats au championnat du monde ?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the table?</source>
        <translation>Voulez-vous vraiment effacer ce tableau ?</translation>
    </message>
    <message>
        <source>To send your results to the World Championship press SEND button</source>
        <translation>Pour envoyer vos résultats au championnat du monde, cliquez sur ENVOYER</translation>
    </message>
    <message>
        <source>To update World Championship Top 10 press UPDATE button</source>
        <translation>Pour actualiser le Top 10 du championnat du monde, cliquez sur ACTUALISER</translation>
    </message>
</context>
<context>
    <name>brinox::CCathedralDlg</name>
    <message>
        <source>     The Cathedral of the Intercession on the Moat stands on Red Square in Moscow. </source>
        <translation>     La cathédrale de l’Intercession-de-la-Vierge-sur-le-Fossé se dresse sur la place Rouge, à Moscou. </translation>
    </message>
    <message>
        <source>It was built in 1555-1561 by order of Tsar Ivan the Terrible. </source>
        <translation>Elle fut bâtie de 1555 à 1561 sur l’ordre du tsar Ivan le Terrible. </translation>
    </message>
    <message>
        <source>The chronicles name two Russian architects, Barma and Postnik. </source>
        <translation>Les chroniques citent deux architectes russes, Barma et Postnik. </translation>
    </message>
    <message>
        <source>The cathedral is a monument to the conquest of Kazan in 1552: </source>
        <translation>La cathédrale célèbre la prise de Kazan en 1552 : </translation>
    </message>
    <message>
        <source>its chapels are dedicated to the feasts on which the battles of that campaign were won. </source>
        <translation>ses chapelles sont dédiées aux fêtes des jours où furent gagnées les batailles de cette campagne. </translation>
    </message>
    <message>
        <source>Eight churches, each with its own dome, stand around a ninth, central church with a tall tent roof. </source>
        <translation>Huit églises, chacune sous son propre dôme, entourent une neuvième église centrale coiffée d’une haute flèche pyramidale. </translation>
    </message>
    <message>
        <source>In 1588 a chapel was added over the grave of Basil the Blessed, a holy fool loved by the people, </source>
        <translation>En 1588, une chapelle fut ajoutée sur la tombe de Basile le Bienheureux, un fol en Christ aimé du peuple, </translation>
    </message>
    <message>
        <source>and since then the cathedral has also been called St. Basil&apos;s. </source>
        <translation>et depuis, on l’appelle aussi cathédrale Saint-Basile. </translation>
    </message>
    <message>
        <source>In Russian architecture of the second half of the 16th century it has no equal: </source>
        <translation>Dans l’architecture russe de la seconde moitié du XVIe siècle, elle n’a pas d’égale : </translation>
    </message>
    <message>
        <source>it joins the stone tent roof and the forms of wooden churches in one festive whole. </source>
        <translation>elle unit la flèche de pierre et les formes des églises en bois en un ensemble de fête. </translation>
    </message>
    <message>
        <source>The strong basement served as a treasury, where the tsar and rich families kept their valuables. </source>
        <translation>Son solide soubassement servait de trésor, où le tsar et les familles riches gardaient leurs biens précieux. </translation>
    </message>
    <message>
        <source>In 1595 thieves plotted to rob it, but the plot was uncovered. </source>
        <translation>En 1595, des voleurs projetèrent de le piller, mais le complot fut découvert. </translation>
    </message>
    <message>
        <source>In the 17th century solemn processions came here from the Kremlin, above all on Palm Sunday. </source>
        <translation>Au XVIIe siècle, de solennelles processions y venaient du Kremlin, surtout le dimanche des Rameaux. </translation>
    </message>
    <message>
        <source>In 1612 the cathedral was plundered by the Polish troops who held Moscow. </source>
        <translation>En 1612, la cathédrale fut pillée par les troupes polonaises qui occupaient Moscou. </translation>
    </message>
    <message>
        <source>In 1812 the soldiers of Napoleon robbed it again. </source>
        <translation>En 1812, les soldats de Napoléon la dévalisèrent de nouveau. </translation>
    </message>
    <message>
        <source>Today it is a museum.</source>
        <translation>C’est aujourd’hui un musée.</translation>
    </message>
    <message>
        <source>About Cathedral (on the picture)</source>
        <translation>À propos de la cathédrale (sur l’image)</translation>
    </message>
    <message>
        <source>Cathedral of the Intercession (St. Basil&apos;s Cathedral)</source>
        <translation>Cathédrale de l’Intercession (cathédrale Saint-Basile)</translation>
    </message>
    <message>
        <source>1555-1561. Moscow</source>
        <translation>1555-1561. Moscou</translation>
    </message>
</context>
<context>
    <name>brinox::CChampionsDlg</name>
    <message>
        <source>Russia</source>
        <translation>Russie</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Suède</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Pologne</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japon</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italie</translation>
    </message>
    <message>
        <source>Brinox World Championship %1 Champions</source>
        <translation>Les champions du championnat du monde Brinox %1</translation>
    </message>
    <message>
        <source>Press this button to see Brinox World Championship %1 Top 50</source>
        <translation>Voir le Top 50 du championnat du monde Brinox %1</translation>
    </message>
    <message>
        <source>If you want to win Brinox World Championship %1</source>
        <translation>Pour gagner le championnat du monde Brinox %1,</translation>
    </message>
    <message>
        <source>Send your results to the Internet !</source>
        <translation>envoyez vos résultats sur Internet !</translation>
    </message>
</context>
<context>
    <name>brinox::CConOpt</name>
    <message>
        <source>Reset to defaults</source>
        <translation>Valeurs par défaut</translation>
    </message>
    <message>
        <source>Redefine keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Redefine sensitivity of keys</source>
        <translation>Sensibilité des touches</translation>
    </message>
    <message>
        <source>Gamepad</source>
        <translation>Manette</translation>
    </message>
    <message>
        <source>No gamepad connected</source>
        <translation>Aucune manette branchée</translation>
    </message>
    <message>
        <source>D-pad or left stick: Move Left, Move Right, Move Down
A: Rotate · B or right shoulder: Drop Bottom</source>
        <translation>Croix ou stick gauche : gauche, droite, bas
A : tourner · B ou gâchette droite : lâcher</translation>
    </message>
    <message>
        <source>Start: Pause game, or start a game
Back: stop the game, as F2 does</source>
        <translation>Start : pause, ou démarrer une partie
Back : arrêter la partie, comme F2</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Tourner</translation>
    </message>
    <message>
        <source>Drop Bottom</source>
        <translation>Lâcher</translation>
    </message>
    <message>
        <source>Pause game</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Move Left:</source>
        <translation>Gauche :</translation>
    </message>
    <message>
        <source>Move Right:</source>
        <translation>Droite :</translation>
    </message>
    <message>
        <source>Move Down:</source>
        <translation>Bas :</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>Tourner :</translation>
    </message>
    <message>
        <source>Drop Bottom:</source>
        <translation>Lâcher :</translation>
    </message>
</context>
<context>
    <name>brinox::CDownloadDlg</name>
    <message>
        <source>Downloading...</source>
        <translation>Téléchargement...</translation>
    </message>
    <message>
        <source>Downloading completed</source>
        <translation>Téléchargement terminé</translation>
    </message>
    <message>
        <source>Data Transfer completed successfully</source>
        <translation>Le transfert de données a réussi</translation>
    </message>
    <message>
        <source>Downloading Failed</source>
        <translation>Échec du téléchargement</translation>
    </message>
</context>
<context>
    <name>brinox::CGameApp</name>
    <message>
        <source>ERROR! It is impossible to read %1</source>
        <translation>ERREUR ! Impossible de lire %1</translation>
    </message>
    <message>
        <source>%1 holds no replay to watch</source>
        <translation>%1 ne contient aucune rediffusion à regarder</translation>
    </message>
</context>
<context>
    <name>brinox::CGameFrame</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Voulez-vous vraiment quitter ?</translation>
    </message>
    <message>
        <source>Do you want to cancel current game?</source>
        <translation>Voulez-vous abandonner la partie en cours ?</translation>
    </message>
    <message>
        <source>You are Winner !</source>
        <translation>Vous avez gagné !</translation>
    </message>
    <message>
        <source>CONGRATULATIONS !!!</source>
        <translation>FÉLICITATIONS !!!</translation>
    </message>
    <message>
        <source>Brinox 2000 Save Files (*.tsv);;All Files (*)</source>
        <translation>Parties Brinox 2000 (*.tsv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save Brinox 2000 Game</source>
        <translation>Enregistrer une partie de Brinox 2000</translation>
    </message>
    <message>
        <source>Load Brinox 2000 Game</source>
        <translation>Charger une partie de Brinox 2000</translation>
    </message>
    <message>
        <source>Attention! Do you want to cancel current game?</source>
        <translation>Attention ! Voulez-vous abandonner la partie en cours ?</translation>
    </message>
    <message>
        <source>ERROR! It is impossible to open file &quot;%1&quot;</source>
        <translation>ERREUR ! Impossible d’ouvrir le fichier « %1 »</translation>
    </message>
</context>
<context>
    <name>brinox::CGameOpt</name>
    <message>
        <source>Level %1</source>
        <translation>Niveau %1</translation>
    </message>
    <message>
        <source>0 row</source>
        <translation>0 ligne</translation>
    </message>
    <message>
        <source>1 row</source>
        <translation>1 ligne</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 lignes</translation>
    </message>
    <message>
        <source>Start Level</source>
        <translation>Niveau de départ</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Hauteur :</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Type de jeu</translation>
    </message>
    <message>
        <source>Quadel</source>
        <translation>Quadel</translation>
    </message>
    <message>
        <source>Quinel</source>
        <translation>Quinel</translation>
    </message>
    <message>
        <source>Game Mode</source>
        <translation>Mode de jeu</translation>
    </message>
    <message>
        <source>Classic mode</source>
        <translation>Mode classique</translation>
    </message>
    <message>
        <source>Timer mode</source>
        <translation>Mode chrono</translation>
    </message>
    <message>
        <source>Rising mode</source>
        <translation>Mode montée</translation>
    </message>
    <message>
        <source>World Championship</source>
        <translation>Championnat du monde</translation>
    </message>
    <message>
        <source>Bombs</source>
        <translation>Bombes</translation>
    </message>
    <message>
        <source>Bombs in the game</source>
        <translation>Bombes dans la partie</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Demolition of blocks</source>
        <translation>Destruction des blocs</translation>
    </message>
    <message>
        <source>&quot;Next Level&quot; and &quot;Game over&quot; Animation</source>
        <translation>Animations « Niveau suivant » et « Partie terminée »</translation>
    </message>
</context>
<context>
    <name>brinox::CIntOpt</name>
    <message>
        <source>Block Set</source>
        <translation>Blocs</translation>
    </message>
    <message>
        <source>Digits Set</source>
        <translation>Chiffres</translation>
    </message>
    <message>
        <source>Background of Playing Area</source>
        <translation>Fond de l’aire de jeu</translation>
    </message>
    <message>
        <source>Define color...</source>
        <translation>Choisir la couleur...</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Show Next Bar</source>
        <translation>Barre de la pièce suivante</translation>
    </message>
    <message>
        <source>Show Tool Bar</source>
        <translation>Barre d’outils</translation>
    </message>
    <message>
        <source>Animate text of the window’s title bar </source>
        <translation>Animer le titre de la fenêtre</translation>
    </message>
    <message>
        <source>Show Status Bar</source>
        <translation>Barre d’état</translation>
    </message>
    <message>
        <source>Grey field</source>
        <translation>Fond gris</translation>
    </message>
    <message>
        <source>Color field</source>
        <translation>Fond coloré</translation>
    </message>
    <message>
        <source>3D field</source>
        <translation>Fond 3D</translation>
    </message>
    <message>
        <source>Fantasy field</source>
        <translation>Fond fantaisie</translation>
    </message>
    <message>
        <source>User-defined color</source>
        <translation>Couleur personnalisée</translation>
    </message>
    <message>
        <source>&amp;Mark pieces with shapes</source>
        <translation>&amp;Marquer les pièces par des formes</translation>
    </message>
</context>
<context>
    <name>brinox::CNameDlg</name>
    <message>
        <source>Please enter your name</source>
        <translation>Veuillez saisir votre nom</translation>
    </message>
</context>
<context>
    <name>brinox::CSendResultDlg</name>
    <message>
        <source>Send Result</source>
        <translation>Envoyer le résultat</translation>
    </message>
    <message>
        <source>Please enter some information about you:</source>
        <translation>Veuillez donner quelques informations sur vous :</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>e-mail:</source>
        <translation>Courriel :</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Pays :</translation>
    </message>
    <message>
        <source>Notes, suggestions (optional):</source>
        <translation>Remarques, suggestions (facultatif) :</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>Veuillez saisir votre nom</translation>
    </message>
    <message>
        <source>Please enter your e-mail</source>
        <translation>Veuillez saisir votre adresse électronique</translation>
    </message>
    <message>
        <source>Please enter country</source>
        <translation>Veuillez saisir votre pays</translation>
    </message>
</context>
<context>
    <name>brinox::CSndOpt</name>
    <message>
        <source>turns Sound on/off</source>
        <translation>Son activé</translation>
    </message>
    <message>
        <source>Reset All Sounds to Defaults</source>
        <translation>Rétablir tous les sons</translation>
    </message>
    <message>
        <source>Setup of each sound individually</source>
        <translation>Réglage de chaque son</translation>
    </message>
    <message>
        <source>turns this sound on/off</source>
        <translation>Ce son est activé</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Changer</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Choose sound:</source>
        <translation>Son :</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Fichier :</translation>
    </message>
    <message>
        <source>Load Sound File</source>
        <translation>Charger un fichier son</translation>
    </message>
    <message>
        <source>Sound Files (*.wav);;All Files (*)</source>
        <translation>Fichiers son (*.wav);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>untitled</source>
        <translation>sans titre</translation>
    </message>
</context>
<context>
    <name>brinox::CTransferDlg</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connexion...</translation>
    </message>
    <message>
        <source>Connect to the FTP Server...</source>
        <translation>Connexion au serveur FTP...</translation>
    </message>
    <message>
        <source>Connection Failed</source>
        <translation>Échec de la connexion</translation>
    </message>
    <message>
        <source>Connection to the FTP Server Failed</source>
        <translation>Échec de la connexion au serveur FTP</translation>
    </message>
    <message>
        <source>Connection to the FTP Server Failed
The server offers no encrypted connection, which resultserver.ini requires (tls=required)</source>
        <translation>Échec de la connexion au serveur FTP
Le serveur n’offre pas de connexion chiffrée, qu’exige resultserver.ini (tls=required)</translation>
    </message>
    <message>
        <source>Connection to the FTP Server Failed
The server&apos;s certificate could not be verified</source>
        <translation>Échec de la connexion au serveur FTP
Le certificat du serveur n’a pas pu être vérifié</translation>
    </message>
</context>
<context>
    <name>brinox::CUploadDlg</name>
    <message>
        <source>Uploading...</source>
        <translation>Envoi...</translation>
    </message>
    <message>
        <source>Uploading completed</source>
        <translation>Envoi terminé</translation>
    </message>
    <message>
        <source>Your results was uploaded successfully
Thank you and Good Luck!</source>
        <translation>Vos résultats ont bien été envoyés
Merci et bonne chance !</translation>
    </message>
    <message>
        <source>Uploading Failed</source>
        <translation>Échec de l’envoi</translation>
    </message>
    <message>
        <source>Uploading cancelled
Your results were not sent</source>
        <translation>Envoi annulé
Vos résultats n’ont pas été envoyés</translation>
    </message>
</context>
<context>
    <name>brinox::CWatchRowDlg</name>
    <message>
        <source>Row %1</source>
        <translation>Rang %1</translation>
    </message>
    <message>
        <source>Watch a replay</source>
        <translation>Regarder une rediffusion</translation>
    </message>
    <message>
        <source>Which row&apos;s game do you want to watch?</source>
        <translation>Quelle partie du tableau voulez-vous regarder ?</translation>
    </message>
</context>
<context>
    <name>brinox::HelpViewer</name>
    <message>
        <source>&lt;h2&gt;Topic not found&lt;/h2&gt;&lt;p&gt;The help file has no topic number %1.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Rubrique introuvable&lt;/h2&gt;&lt;p&gt;Le fichier d’aide n’a pas de rubrique numéro %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help is not available&lt;/h2&gt;&lt;p&gt;The help file brinox.hlp is missing or damaged. Reinstall the game to restore it.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Aide indisponible&lt;/h2&gt;&lt;p&gt;Le fichier d’aide brinox.hlp est absent ou endommagé. Réinstallez le jeu pour le rétablir.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Brinox 2000 Help</source>
        <translation>Aide de Brinox 2000</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>Sui&amp;vant</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Brinox 2000 Help - %1</source>
        <translation>Aide de Brinox 2000 – %1</translation>
    </message>
</context>
<context>
    <name>brinox::KeyCaptureDialog</name>
    <message>
        <source>Press a key to define new key or ESCAPE to cancel</source>
        <translation>Appuyez sur la nouvelle touche, ou sur Échap pour annuler</translation>
    </message>
    <message>
        <source>This key cannot be used in the game</source>
        <translation>Cette touche ne peut pas servir dans le jeu</translation>
    </message>
</context>
<context>
    <name>brinox::OptionsSheet</name>
    <message>
        <source>Game</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
</context>
<context>
    <name>brinox::SpinNumberBox</name>
    <message>
        <source>From 0 (fastest) to 1000 (slowest)</source>
        <translation>De 0 (le plus rapide) à 1000 (le plus lent)</translation>
    </message>
</context>
</TS>
