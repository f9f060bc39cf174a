<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CGameFrame</name>
    <message>
        <source>Attention! You can watch a replay only when no game is in progress</source>
        <translation>Achtung! Eine Wiederholung können Sie nur ansehen, wenn kein Spiel läuft</translation>
    </message>
    <message>
        <source>The replay stopped early: %1.</source>
        <translation>Die Wiederholung endete vorzeitig: %1.</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <source>Replay %1x</source>
        <translation>Wiederholung %1x</translation>
    </message>
    <message>
        <source>Replay (paused)</source>
        <translation>Wiederholung (angehalten)</translation>
    </message>
    <message>
        <source>Replay %1x (paused)</source>
        <translation>Wiederholung %1x (angehalten)</translation>
    </message>
</context>
<context>
    <name>FigureAccessible</name>
    <message>
        <source>Lines left</source>
        <translation>Fehlende Reihen</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Bestleistung</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Rising counter</source>
        <translation>Zähler</translation>
    </message>
</context>
<context>
    <name>FramePainter</name>
    <message>
        <source>Replay %1x (paused) · Esc: stop watching · Pause · 1, 2, 4: speed</source>
        <translation>Wiederholung %1x (angehalten) · Esc: Zuschauen beenden · Pause · 1, 2, 4: Tempo</translation>
    </message>
    <message>
        <source>Replay %1x · Esc: stop watching · Pause · 1, 2, 4: speed</source>
        <translation>Wiederholung %1x · Esc: Zuschauen beenden · Pause · 1, 2, 4: Tempo</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Window size</source>
        <translation>&amp;Fenstergröße</translation>
    </message>
    <message>
        <source>&amp;Champions</source>
        <translation>&amp;Meister</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Best Scores</source>
        <translation>&amp;Bestenlisten</translation>
    </message>
    <message>
        <source>Start/Stop &amp;Game	F2</source>
        <translation>Spiel &amp;starten/beenden	F2</translation>
    </message>
    <message>
        <source>&amp;Pause	Pause</source>
        <translation>&amp;Pause	Pause</translation>
    </message>
    <message>
        <source>&amp;Options...	F3</source>
        <translation>&amp;Optionen...	F3</translation>
    </message>
    <message>
        <source>&amp;Normal	Ctrl+1</source>
        <translation>&amp;Normal	Strg+1</translation>
    </message>
    <message>
        <source>&amp;Big	Ctrl+2</source>
        <translation>&amp;Groß	Strg+2</translation>
    </message>
    <message>
        <source>&amp;Automatic	Ctrl+3</source>
        <translation>&amp;Automatisch	Strg+3</translation>
    </message>
    <message>
        <source>&amp;Save As..	Ctrl+S</source>
        <translation>Speichern &amp;unter...	Strg+S</translation>
    </message>
    <message>
        <source>&amp;Load...	Ctrl+L</source>
        <translation>&amp;Laden...	Strg+L</translation>
    </message>
    <message>
        <source>E&amp;xit	Ctrl+X</source>
        <translation>&amp;Beenden	Strg+X</translation>
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
        <translation>Brinox-2000-&amp;Homepage...</translation>
    </message>
    <message>
        <source>About &amp;Cathedral (on the picture) ...</source>
        <translation>Über die &amp;Kathedrale (im Bild)...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber Brinox 2000...</translation>
    </message>
    <message>
        <source>&amp;Local Best Scores...	F4</source>
        <translation>&amp;Lokale Bestenlisten...	F4</translation>
    </message>
    <message>
        <source>&amp;World Championship Top 10 ...	F5</source>
        <translation>&amp;Weltmeisterschaft Top 10...	F5</translation>
    </message>
    <message>
        <source>World Championship &amp;Homepage...</source>
        <translation>Weltmeisterschafts-&amp;Homepage...</translation>
    </message>
    <message>
        <source>Stop Game	F2</source>
        <translation>Spiel beenden	F2</translation>
    </message>
    <message>
        <source>Start Game	F2</source>
        <translation>Spiel starten	F2</translation>
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
        <translation>Pfeil links</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Pfeil rechts</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Pfeil oben</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Pfeil unten</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfg</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>BackSpace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Pos1</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>PageUp</source>
        <translation>Bild auf</translation>
    </message>
    <message>
        <source>PageDown</source>
        <translation>Bild ab</translation>
    </message>
    <message>
        <source>NumLock</source>
        <translation>Num</translation>
    </message>
    <message>
        <source>CapsLock</source>
        <translation>Feststelltaste</translation>
    </message>
    <message>
        <source>Left Shift</source>
        <translation>Umschalt links</translation>
    </message>
    <message>
        <source>Right Shift</source>
        <translation>Umschalt rechts</translation>
    </message>
    <message>
        <source>Left Control</source>
        <translation>Strg links</translation>
    </message>
    <message>
        <source>Right Control</source>
        <translation>Strg rechts</translation>
    </message>
    <message>
        <source>NumPad %1</source>
        <translation>Ziffernblock %1</translation>
    </message>
    <message>
        <source>Key #%1</source>
        <translation>Taste #%1</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>ERROR! It is impossible to create file. Hard disk is full or damaged</source>
        <translation>FEHLER! Die Datei kann nicht angelegt werden. Die Festplatte ist voll oder beschädigt</translation>
    </message>
    <message>
        <source>ERROR! It is impossible to save file &quot;brinox.dat&quot;</source>
        <translation>FEHLER! Die Datei „brinox.dat“ kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>ERROR! It is impossible to create file &quot;brinox.dat&quot;</source>
        <translation>FEHLER! Die Datei „brinox.dat“ kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>ERROR! Saved file is incorrect</source>
        <translation>FEHLER! Der gespeicherte Spielstand ist fehlerhaft</translation>
    </message>
    <message>
        <source>ERROR! It is impossible to create tables</source>
        <translation>FEHLER! Die Bestenlisten können nicht angelegt werden</translation>
    </message>
    <message>
        <source>ERROR! It is impossible to load tables</source>
        <translation>FEHLER! Die Bestenlisten können nicht geladen werden</translation>
    </message>
    <message>
        <source>ERROR! It is impossible to update tables</source>
        <translation>FEHLER! Die Bestenlisten können nicht aktualisiert werden</translation>
    </message>
    <message>
        <source>ERROR! It is impossible to load downloaded file</source>
        <translation>FEHLER! Die heruntergeladene Datei kann nicht geladen werden</translation>
    </message>
    <message>
        <source>ERROR! Downloaded file is incorrect</source>
        <translation>FEHLER! Die heruntergeladene Datei ist fehlerhaft</translation>
    </message>
    <message>
        <source>ERROR! It is impossible to create file for transfer</source>
        <translation>FEHLER! Die Datei für die Übertragung kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Attention! This files were not found:</source>
        <translation>Achtung! Diese Dateien wurden nicht gefunden:</translation>
    </message>
    <message>
        <source>Program may work incorrectly</source>
        <translation>Das Programm arbeitet möglicherweise nicht richtig</translation>
    </message>
    <message>
        <source>ERROR! It is impossible to save file &quot;%1&quot;</source>
        <translation>FEHLER! Die Datei „%1“ kann nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>SoundEvent</name>
    <message>
        <source>Button press</source>
        <translation>Knopfdruck</translation>
    </message>
    <message>
        <source>Block drop</source>
        <translation>Stein fällt</translation>
    </message>
    <message>
        <source>Block removed</source>
        <translation>Reihe entfernt</translation>
    </message>
    <message>
        <source>Bomb Explosion</source>
        <translation>Bombenexplosion</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>You win!</source>
        <translation>Gewonnen!</translation>
    </message>
    <message>
        <source>Level is finished</source>
        <translation>Level geschafft</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Zeitgeber</translation>
    </message>
    <message>
        <source>Row of blocks is added</source>
        <translation>Neue Reihe kommt hinzu</translation>
    </message>
    <message>
        <source>Start of game</source>
        <translation>Spielbeginn</translation>
    </message>
    <message>
        <source>Bomb disappears</source>
        <translation>Bombe verschwindet</translation>
    </message>
    <message>
        <source>Best score is reached</source>
        <translation>Bestleistung erreicht</translation>
    </message>
</context>
<context>
    <name>StatusLines</name>
    <message>
        <source>Fill whole rows with blocks to clear them. F2: start or stop a game, F1: help.</source>
        <translation>Füllen Sie ganze Reihen, um sie abzuräumen. F2: Spiel starten/beenden, F1: Hilfe.</translation>
    </message>
    <message>
        <source>Start a new game, or stop the game in progress (F2).</source>
        <translation>Neues Spiel starten oder das laufende Spiel beenden (F2).</translation>
    </message>
    <message>
        <source>Pause the game, or carry on with a paused game (Pause key).</source>
        <translation>Spiel anhalten oder ein angehaltenes Spiel fortsetzen (Pause-Taste).</translation>
    </message>
    <message>
        <source>Options: game, look, keys and sounds (F3).</source>
        <translation>Optionen: Spiel, Aussehen, Tasten und Klänge (F3).</translation>
    </message>
    <message>
        <source>Save the game in progress (Ctrl+S); not in World Championship.</source>
        <translation>Laufendes Spiel speichern (Strg+S); nicht in der Weltmeisterschaft.</translation>
    </message>
    <message>
        <source>Load a saved game (Ctrl+L); it replaces the game in progress.</source>
        <translation>Gespeichertes Spiel laden (Strg+L); es ersetzt das laufende Spiel.</translation>
    </message>
    <message>
        <source>Local best scores: the ten best of each game type and mode (F4).</source>
        <translation>Lokale Bestenlisten: die zehn Besten je Spieltyp und Modus (F4).</translation>
    </message>
    <message>
        <source>World Championship Top 10 (F5); its UPDATE button downloads it.</source>
        <translation>Weltmeisterschaft Top 10 (F5); AKTUALISIEREN lädt sie herunter.</translation>
    </message>
    <message>
        <source>Help (F1). A right click on the window explains the window.</source>
        <translation>Hilfe (F1). Ein Rechtsklick ins Fenster erklärt das Fenster.</translation>
    </message>
    <message>
        <source>Quit Brinox 2000 (Ctrl+X). Your options are kept for next time.</source>
        <translation>Brinox 2000 beenden (Strg+X). Ihre Optionen bleiben erhalten.</translation>
    </message>
    <message>
        <source>Game type: Quadel (4-block pieces) or Quinel (3 to 5 blocks).</source>
        <translation>Spieltyp: Quadel (Teile aus 4 Steinen) oder Quinel (3 bis 5 Steine).</translation>
    </message>
    <message>
        <source>Game mode: Classic, Timer, Rising or World Championship.</source>
        <translation>Spielmodus: Klassisch, Zeit, Steigend oder Weltmeisterschaft.</translation>
    </message>
    <message>
        <source>Bombs on or off: clear 2, 3 or 4 rows at once to get a bomb.</source>
        <translation>Bomben ein/aus: 2, 3 oder 4 Reihen auf einmal bringen eine Bombe.</translation>
    </message>
    <message>
        <source>Visit the Brinox 2000 home page in your web browser.</source>
        <translation>Die Brinox-2000-Homepage im Webbrowser besuchen.</translation>
    </message>
    <message>
        <source>Show or hide the tool bar.</source>
        <translation>Werkzeugleiste zeigen oder ausblenden.</translation>
    </message>
    <message>
        <source>Show or hide the next-piece bar.</source>
        <translation>Vorschauleiste zeigen oder ausblenden.</translation>
    </message>
    <message>
        <source>Show or hide the status bar.</source>
        <translation>Statusleiste zeigen oder ausblenden.</translation>
    </message>
    <message>
        <source>The next piece: it falls when the current one has landed.</source>
        <translation>Das nächste Teil: Es fällt, sobald das aktuelle gelandet ist.</translation>
    </message>
    <message>
        <source>Status bar: a hint on whatever the pointer is over, and a clock.</source>
        <translation>Statusleiste: ein Hinweis zu allem unter dem Mauszeiger und eine Uhr.</translation>
    </message>
    <message>
        <source>Level: 20 levels, and the pieces fall faster on each new one.</source>
        <translation>Level: 20 Level, und mit jedem neuen fallen die Teile schneller.</translation>
    </message>
    <message>
        <source>Rows still to clear before this level is finished.</source>
        <translation>Reihen, die bis zum Ende dieses Levels noch fehlen.</translation>
    </message>
    <message>
        <source>Score: 200, 500, 1000, 2000 for 1 to 4 rows; 7 per row dropped.</source>
        <translation>Punkte: 200, 500, 1000, 2000 für 1 bis 4 Reihen; 7 je Fallreihe.</translation>
    </message>
    <message>
        <source>Rows cleared so far in this game.</source>
        <translation>Bisher abgeräumte Reihen in diesem Spiel.</translation>
    </message>
    <message>
        <source>Countdown: clearing rows adds seconds; at 00:00 the game is over.</source>
        <translation>Countdown: Abgeräumte Reihen bringen Sekunden; bei 00:00 ist Schluss.</translation>
    </message>
    <message>
        <source>Rising counter: at 0 a row of blocks rises from below.</source>
        <translation>Zähler: Bei 0 steigt von unten eine Reihe Steine auf.</translation>
    </message>
    <message>
        <source>Best score of this game type and mode. Can you beat it?</source>
        <translation>Bestleistung dieses Spieltyps und Modus. Schaffen Sie mehr?</translation>
    </message>
</context>
<context>
    <name>TableId</name>
    <message>
        <source>Quadel: Classic mode</source>
        <translation>Quadel: Klassisch</translation>
    </message>
    <message>
        <source>Quadel: Timer mode</source>
        <translation>Quadel: Auf Zeit</translation>
    </message>
    <message>
        <source>Quadel: Rising mode</source>
        <translation>Quadel: Steigend</translation>
    </message>
    <message>
        <source>Quadel: World Championship</source>
        <translation>Quadel: Weltmeisterschaft</translation>
    </message>
    <message>
        <source>Quinel: Classic mode</source>
        <translation>Quinel: Klassisch</translation>
    </message>
    <message>
        <source>Quinel: Timer mode</source>
        <translation>Quinel: Auf Zeit</translation>
    </message>
    <message>
        <source>Quinel: Rising mode</source>
        <translation>Quinel: Steigend</translation>
    </message>
    <message>
        <source>World Championship Top 10</source>
        <translation>Weltmeisterschaft Top 10</translation>
    </message>
    <message>
        <source>Best Scores - Quadel: Classic mode</source>
        <translation>Bestenliste – Quadel: Klassischer Modus</translation>
    </message>
    <message>
        <source>Best Scores - Quadel: Timer mode</source>
        <translation>Bestenliste – Quadel: Zeitmodus</translation>
    </message>
    <message>
        <source>Best Scores - Quadel: Rising mode</source>
        <translation>Bestenliste – Quadel: Steigender Modus</translation>
    </message>
    <message>
        <source>Best Scores - Quadel: World Championship</source>
        <translation>Bestenliste – Quadel: Weltmeisterschaft</translation>
    </message>
    <message>
        <source>Best Scores - Quinel: Classic mode</source>
        <translation>Bestenliste – Quinel: Klassischer Modus</translation>
    </message>
    <message>
        <source>Best Scores - Quinel: Timer mode</source>
        <translation>Bestenliste – Quinel: Zeitmodus</translation>
    </message>
    <message>
        <source>Best Scores - Quinel: Rising mode</source>
        <translation>Bestenliste – Quinel: Steigender Modus</translation>
    </message>
    <message>
        <source>Best Scores - World Championship Top 10</source>
        <translation>Bestenliste – Weltmeisterschaft Top 10</translation>
    </message>
</context>
<context>
    <name>brinox::CAboutDlg</name>
    <message>
        <source>Go</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>About Brinox 2000</source>
        <translation>Über Brinox 2000</translation>
    </message>
    <message>
        <source>for Windows 95/98/ME/NT/2000/XP</source>
        <translation>für Windows 95/98/ME/NT/2000/XP</translation>
    </message>
    <message>
        <source>Game, pictures and sounds by the Brinox 2000 team</source>
        <translation>Spiel, Bilder und Klänge vom Brinox-2000-Team</translation>
    </message>
    <message>
        <source>This edition runs on Linux with Qt 6. Have fun!</source>
        <translation>Diese Ausgabe läuft unter Linux mit Qt 6. Viel Spaß!</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Brinox homepage:</source>
        <translation>Brinox-Homepage:</translation>
    </message>
    <message>
        <source>e-mail:</source>
        <translation>E-Mail:</translation>
    </message>
</context>
<context>
    <name>brinox::CBestScoresDlg</name>
    <message>
        <source>Maximum drop time of Quadel piece (seconds): </source>
        <translation>Längste Fallzeit eines Quadel-Teils (Sekunden): </translation>
    </message>
    <message>
        <source>BEST SCORES</source>
        <translation>BESTENLISTE</translation>
    </message>
    <message>
        <source>TABLES</source>
        <translation>LISTEN</translation>
    </message>
    <message>
        <source>N</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Reihen</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Ansehen</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>LÖSCHEN</translation>
    </message>
    <message>
        <source>SEND</source>
        <translation>SENDEN</translation>
    </message>
    <message>
        <source>UPDATE</source>
        <translation>AKTUALISIEREN</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Last update: </source>
        <translation>Letzte Aktualisierung: </translation>
    </message>
    <message>
        <source>Game Info: </source>
        <translation>Spielinfo: </translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Name: </translation>
    </message>
    <message>
        <source>Country: </source>
        <translation>Land: </translation>
    </message>
    <message>
        <source>Time of Game: </source>
        <translation>Spieldauer: </translation>
    </message>
    <message>
        <source>Started: </source>
        <translation>Begonnen: </translation>
    </message>
    <message>
        <source>Scores: </source>
        <translation>Punkte: </translation>
    </message>
    <message>
        <source>Level: </source>
        <translation>Level: </translation>
    </message>
    <message>
        <source>Lines: </source>
        <translation>Reihen: </translation>
    </message>
    <message>
        <source>Amount of Quadel pieces: </source>
        <translation>Anzahl der Quadel-Teile: </translation>
    </message>
    <message>
        <source>Bombs in the game: </source>
        <translation>Bomben im Spiel: </translation>
    </message>
    <message>
        <source>YES</source>
        <translation>JA</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NEIN</translation>
    </message>
    <message>
        <source>Amount of Bombs: </source>
        <translation>Anzahl der Bomben: </translation>
    </message>
    <message>
        <source>Mimimum drop time of Quadel piece (seconds): </source>
        <translation>Kürzeste Fallzeit eines Quadel-Teils (Sekunden): </translation>
    </message>
    <message>
        <source>Average drop time of Quadel piece (seconds): </source>
        <translation>Mittlere Fallzeit eines Quadel-Teils (Sekunden): </translation>
    </message>
    <message>
        <source>Finished: </source>
        <translation>Beendet: </translation>
    </message>
    <message>
        <source>Unfortunately your result do not get in the table.
Do you wish to stay here?</source>
        <translation>Ihr Ergebnis reicht leider nicht für die Bestenliste.
Möchten Sie hier bleiben?</translation>
    </message>
    <message>
        <source>Do you want to send your results to the World Championship?</source>
        <translation>Möchten Sie Ihre Ergebnisse an die Weltmeisterschaft senden?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the table?</source>
        <translation>Möchten Sie die Bestenliste wirklich löschen?</translation>
    </message>
    <message>
        <source>To send your results to the World Championship press SEND button</source>
        <translation>Mit SENDEN schicken Sie Ihre Ergebnisse an die Weltmeisterschaft</translation>
    </message>
    <message>
        <source>To update World Championship Top 10 press UPDATE button</source>
        <translation>Mit AKTUALISIEREN holen Sie die aktuelle Top 10 der Weltmeisterschaft</translation>
    </message>
</context>
<context>
    <name>brinox::CCathedralDlg</name>
    <message>
        <source>     The Cathedral of the Intercession on the Moat stands on Red Square in Moscow. </source>
        <translation>     Die Basilius-Kathedrale, die Kathedrale Mariä Schutz und Fürbitte am Graben, steht auf dem Roten Platz in Moskau. </translation>
    </message>
    <message>
        <source>It was built in 1555-1561 by order of Tsar Ivan the Terrible. </source>
        <translation>Sie wurde 1555–1561 im Auftrag von Zar Iwan dem Schrecklichen erbaut. </translation>
    </message>
    <message>
        <source>The chronicles name two Russian architects, Barma and Postnik. </source>
        <translation>Die Chroniken nennen zwei russische Baumeister, Barma und Postnik. </translation>
    </message>
    <message>
        <source>The cathedral is a monument to the conquest of Kazan in 1552: </source>
        <translation>Die Kathedrale ist ein Denkmal für die Eroberung Kasans im Jahr 1552: </translation>
    </message>
    <message>
        <source>its chapels are dedicated to the feasts on which the battles of that campaign were won. </source>
        <translation>Ihre Kapellen sind den Festtagen geweiht, an denen die Schlachten dieses Feldzugs gewonnen wurden. </translation>
    </message>
    <message>
        <source>Eight churches, each with its own dome, stand around a ninth, central church with a tall tent roof. </source>
        <translation>Acht Kirchen, jede mit eigener Kuppel, umgeben eine neunte, zentrale Kirche mit einem hohen Zeltdach. </translation>
    </message>
    <message>
        <source>In 1588 a chapel was added over the grave of Basil the Blessed, a holy fool loved by the people, </source>
        <translation>1588 kam eine Kapelle über dem Grab Basilius’ des Seligen hinzu, eines vom Volk geliebten heiligen Narren, </translation>
    </message>
    <message>
        <source>and since then the cathedral has also been called St. Basil&apos;s. </source>
        <translation>und seitdem heißt die Kathedrale auch Basilius-Kathedrale. </translation>
    </message>
    <message>
        <source>In Russian architecture of the second half of the 16th century it has no equal: </source>
        <translation>In der russischen Baukunst der zweiten Hälfte des 16. Jahrhunderts ist sie ohnegleichen: </translation>
    </message>
    <message>
        <source>it joins the stone tent roof and the forms of wooden churches in one festive whole. </source>
        <translation>Sie vereint das steinerne Zeltdach und die Formen der Holzkirchen zu einem festlichen Ganzen. </translation>
    </message>
    <message>
        <source>The strong basement served as a treasury, where the tsar and rich families kept their valuables. </source>
        <translation>Das feste Untergeschoss diente als Schatzkammer, in der der Zar und reiche Familien ihre Wertsachen verwahrten. </translation>
    </message>
    <message>
        <source>In 1595 thieves plotted to rob it, but the plot was uncovered. </source>
        <translation>1595 planten Diebe, sie auszurauben, doch der Plan wurde aufgedeckt. </translation>
    </message>
    <message>
        <source>In the 17th century solemn processions came here from the Kremlin, above all on Palm Sunday. </source>
        <translation>Im 17. Jahrhundert zogen feierliche Prozessionen vom Kreml hierher, vor allem am Palmsonntag. </translation>
    </message>
    <message>
        <source>In 1612 the cathedral was plundered by the Polish troops who held Moscow. </source>
        <translation>1612 plünderten die polnischen Truppen, die Moskau besetzt hielten, die Kathedrale. </translation>
    </message>
    <message>
        <source>In 1812 the soldiers of Napoleon robbed it again. </source>
        <translation>1812 raubten die Soldaten Napoleons sie erneut aus. </translation>
    </message>
    <message>
        <source>Today it is a museum.</source>
        <translation>Heute ist sie ein Museum.</translation>
    </message>
    <message>
        <source>About Cathedral (on the picture)</source>
        <translation>Über die Kathedrale (im Bild)</translation>
    </message>
    <message>
        <source>Cathedral of the Intercession (St. Basil&apos;s Cathedral)</source>
        <translation>Kathedrale Mariä Schutz und Fürbitte (Basilius-Kathedrale)</translation>
    </message>
    <message>
        <source>1555-1561. Moscow</source>
        <translation>1555–1561. Moskau</translation>
    </message>
</context>
<context>
    <name>brinox::CChampionsDlg</name>
    <message>
        <source>Russia</source>
        <translation>Russland</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Schweden</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polen</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japan</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Brinox World Championship %1 Champions</source>
        <translation>Brinox-Weltmeisterschaft %1: die Sieger</translation>
    </message>
    <message>
        <source>Press this button to see Brinox World Championship %1 Top 50</source>
        <translation>Hier geht es zur Top 50 der Brinox-Weltmeisterschaft %1</translation>
    </message>
    <message>
        <source>If you want to win Brinox World Championship %1</source>
        <translation>Wenn Sie die Brinox-Weltmeisterschaft %1 gewinnen wollen:</translation>
    </message>
    <message>
        <source>Send your results to the Internet !</source>
        <translation>Senden Sie Ihre Ergebnisse ins Internet!</translation>
    </message>
</context>
<context>
    <name>brinox::CConOpt</name>
    <message>
        <source>Reset to defaults</source>
        <translation>Standard wiederherstellen</translation>
    </message>
    <message>
        <source>Redefine keys</source>
        <translation>Tasten belegen</translation>
    </message>
    <message>
        <source>Redefine sensitivity of keys</source>
        <translation>Empfindlichkeit der Tasten</translation>
    </message>
    <message>
        <source>Gamepad</source>
        <translation>Gamepad</translation>
    </message>
    <message>
        <source>No gamepad connected</source>
        <translation>Kein Gamepad angeschlossen</translation>
    </message>
    <message>
        <source>D-pad or left stick: Move Left, Move Right, Move Down
A: Rotate · B or right shoulder: Drop Bottom</source>
        <translation>Steuerkreuz oder linker Stick: Links, Rechts, Runter
A: Drehen · B oder rechte Schultertaste: Fallen lassen</translation>
    </message>
    <message>
        <source>Start: Pause game, or start a game
Back: stop the game, as F2 does</source>
        <translation>Start: Spiel anhalten oder starten
Back: Spiel beenden wie F2</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Runter</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Drop Bottom</source>
        <translation>Fallen lassen</translation>
    </message>
    <message>
        <source>Pause game</source>
        <translation>Spiel anhalten</translation>
    </message>
    <message>
        <source>Move Left:</source>
        <translation>Links:</translation>
    </message>
    <message>
        <source>Move Right:</source>
        <translation>Rechts:</translation>
    </message>
    <message>
        <source>Move Down:</source>
        <translation>Runter:</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>Drehen:</translation>
    </message>
    <message>
        <source>Drop Bottom:</source>
        <translation>Fallen lassen:</translation>
    </message>
</context>
<context>
    <name>brinox::CDownloadDlg</name>
    <message>
        <source>Downloading...</source>
        <translation>Herunterladen...</translation>
    </message>
    <message>
        <source>Downloading completed</source>
        <translation>Herunterladen abgeschlossen</translation>
    </message>
    <message>
        <source>Data Transfer completed successfully</source>
        <translation>Die Datenübertragung war erfolgreich</translation>
    </message>
    <message>
        <source>Downloading Failed</source>
        <translation>Herunterladen fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>brinox::CGameApp</name>
    <message>
        <source>ERROR! It is impossible to read %1</source>
        <translation>FEHLER! %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 holds no replay to watch</source>
        <translation>%1 enthält keine Wiederholung zum Ansehen</translation>
    </message>
</context>
<context>
    <name>brinox::CGameFrame</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Möchten Sie das Spiel wirklich beenden?</translation>
    </message>
    <message>
        <source>Do you want to cancel current game?</source>
        <translation>Möchten Sie das laufende Spiel abbrechen?</translation>
    </message>
    <message>
        <source>You are Winner !</source>
        <translation>Sie haben gewonnen!</translation>
    </message>
    <message>
        <source>CONGRATULATIONS !!!</source>
        <translation>HERZLICHEN GLÜCKWUNSCH!!!</translation>
    </message>
    <message>
        <source>Brinox 2000 Save Files (*.tsv);;All Files (*)</source>
        <translation>Brinox-2000-Spielstände (*.tsv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save Brinox 2000 Game</source>
        <translation>Brinox-2000-Spiel speichern</translation>
    </message>
    <message>
        <source>Load Brinox 2000 Game</source>
        <translation>Brinox-2000-Spiel laden</translation>
    </message>
    <message>
        <source>Attention! Do you want to cancel current game?</source>
        <translation>Achtung! Möchten Sie das laufende Spiel abbrechen?</translation>
    </message>
    <message>
        <source>ERROR! It is impossible to open file &quot;%1&quot;</source>
        <translation>FEHLER! Die Datei „%1“ kann nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>brinox::CGameOpt</name>
    <message>
        <source>Level %1</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>0 row</source>
        <translation>0 Reihen</translation>
    </message>
    <message>
        <source>1 row</source>
        <translation>1 Reihe</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 Reihen</translation>
    </message>
    <message>
        <source>Start Level</source>
        <translation>Startlevel</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Spieltyp</translation>
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
        <translation>Spielmodus</translation>
    </message>
    <message>
        <source>Classic mode</source>
        <translation>Klassischer Modus</translation>
    </message>
    <message>
        <source>Timer mode</source>
        <translation>Zeitmodus</translation>
    </message>
    <message>
        <source>Rising mode</source>
        <translation>Steigender Modus</translation>
    </message>
    <message>
        <source>World Championship</source>
        <translation>Weltmeisterschaft</translation>
    </message>
    <message>
        <source>Bombs</source>
        <translation>Bomben</translation>
    </message>
    <message>
        <source>Bombs in the game</source>
        <translation>Bomben im Spiel</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Demolition of blocks</source>
        <translation>Abräumen der Steine</translation>
    </message>
    <message>
        <source>&quot;Next Level&quot; and &quot;Game over&quot; Animation</source>
        <translation>Animation „Nächstes Level“ und „Spiel vorbei“</translation>
    </message>
</context>
<context>
    <name>brinox::CIntOpt</name>
    <message>
        <source>Block Set</source>
        <translation>Steine</translation>
    </message>
    <message>
        <source>Digits Set</source>
        <translation>Ziffern</translation>
    </message>
    <message>
        <source>Background of Playing Area</source>
        <translation>Hintergrund des Spielfelds</translation>
    </message>
    <message>
        <source>Define color...</source>
        <translation>Farbe wählen...</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Show Next Bar</source>
        <translation>Vorschauleiste zeigen</translation>
    </message>
    <message>
        <source>Show Tool Bar</source>
        <translation>Werkzeugleiste zeigen</translation>
    </message>
    <message>
        <source>Animate text of the window’s title bar </source>
        <translation>Titelleiste des Fensters animieren</translation>
    </message>
    <message>
        <source>Show Status Bar</source>
        <translation>Statusleiste zeigen</translation>
    </message>
    <message>
        <source>Grey field</source>
        <translation>Graues Feld</translation>
    </message>
    <message>
        <source>Color field</source>
        <translation>Farbiges Feld</translation>
    </message>
    <message>
        <source>3D field</source>
        <translation>3D-Feld</translation>
    </message>
    <message>
        <source>Fantasy field</source>
        <translation>Fantasiefeld</translation>
    </message>
    <message>
        <source>User-defined color</source>
        <translation>Eigene Farbe</translation>
    </message>
    <message>
        <source>&amp;Mark pieces with shapes</source>
        <translation>Teile mit Formen &amp;markieren</translation>
    </message>
</context>
<context>
    <name>brinox::CNameDlg</name>
    <message>
        <source>Please enter your name</source>
        <translation>Bitte geben Sie Ihren Namen ein</translation>
    </message>
</context>
<context>
    <name>brinox::CSendResultDlg</name>
    <message>
        <source>Send Result</source>
        <translation>Ergebnis senden</translation>
    </message>
    <message>
        <source>Please enter some information about you:</source>
        <translation>Bitte machen Sie einige Angaben zu Ihrer Person:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>e-mail:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Land:</translation>
    </message>
    <message>
        <source>Notes, suggestions (optional):</source>
        <translation>Bemerkungen, Vorschläge (freiwillig):</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>Bitte geben Sie Ihren Namen ein</translation>
    </message>
    <message>
        <source>Please enter your e-mail</source>
        <translation>Bitte geben Sie Ihre E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Please enter country</source>
        <translation>Bitte geben Sie Ihr Land ein</translation>
    </message>
</context>
<context>
    <name>brinox::CSndOpt</name>
    <message>
        <source>turns Sound on/off</source>
        <translation>Klang ein/aus</translation>
    </message>
    <message>
        <source>Reset All Sounds to Defaults</source>
        <translation>Alle Klänge zurücksetzen</translation>
    </message>
    <message>
        <source>Setup of each sound individually</source>
        <translation>Einstellungen für jeden Klang</translation>
    </message>
    <message>
        <source>turns this sound on/off</source>
        <translation>diesen Klang ein/aus</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Choose sound:</source>
        <translation>Klang wählen:</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Pfad:</translation>
    </message>
    <message>
        <source>Load Sound File</source>
        <translation>Klangdatei laden</translation>
    </message>
    <message>
        <source>Sound Files (*.wav);;All Files (*)</source>
        <translation>Klangdateien (*.wav);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>untitled</source>
        <translation>unbenannt</translation>
    </message>
</context>
<context>
    <name>brinox::CTransferDlg</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbindung wird aufgebaut...</translation>
    </message>
    <message>
        <source>Connect to the FTP Server...</source>
        <translation>Verbindung zum FTP-Server...</translation>
    </message>
    <message>
        <source>Connection Failed</source>
        <translation>Verbindung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Connection to the FTP Server Failed</source>
        <translation>Verbindung zum FTP-Server fehlgeschlagen</translation>
    </message>
    <message>
        <source>Connection to the FTP Server Failed
The server offers no encrypted connection, which resultserver.ini requires (tls=required)</source>
        <translation>Verbindung zum FTP-Server fehlgeschlagen
Der Server bietet keine verschlüsselte Verbindung, die resultserver.ini aber verlangt (tls=required)</translation>
    </message>
    <message>
        <source>Connection to the FTP Server Failed
The server&apos;s certificate could not be verified</source>
        <translation>Verbindung zum FTP-Server fehlgeschlagen
Das Zertifikat des Servers konnte nicht geprüft werden</translation>
    </message>
</context>
<context>
    <name>brinox::CUploadDlg</name>
    <message>
        <source>Uploading...</source>
        <translation>Hochladen...</translation>
    </message>
    <message>
        <source>Uploading completed</source>
        <translation>Hochladen abgeschlossen</translation>
    </message>
    <message>
        <source>Your results was uploaded successfully
Thank you and Good Luck!</source>
        <translation>Ihre Ergebnisse wurden erfolgreich hochgeladen
Danke und viel Glück!</translation>
    </message>
    <message>
        <source>Uploading Failed</source>
        <translation>Hochladen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Uploading cancelled
Your results were not sent</source>
        <translation>Hochladen abgebrochen
Ihre Ergebnisse wurden nicht gesendet</translation>
    </message>
</context>
<context>
    <name>brinox::CWatchRowDlg</name>
    <message>
        <source>Row %1</source>
        <translation>Platz %1</translation>
    </message>
    <message>
        <source>Watch a replay</source>
        <translation>Wiederholung ansehen</translation>
    </message>
    <message>
        <source>Which row&apos;s game do you want to watch?</source>
        <translation>Welches Spiel der Liste möchten Sie ansehen?</translation>
    </message>
</context>
<context>
    <name>brinox::HelpViewer</name>
    <message>
        <source>&lt;h2&gt;Topic not found&lt;/h2&gt;&lt;p&gt;The help file has no topic number %1.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Thema nicht gefunden&lt;/h2&gt;&lt;p&gt;Die Hilfedatei hat kein Thema mit der Nummer %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help is not available&lt;/h2&gt;&lt;p&gt;The help file brinox.hlp is missing or damaged. Reinstall the game to restore it.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Keine Hilfe verfügbar&lt;/h2&gt;&lt;p&gt;Die Hilfedatei brinox.hlp fehlt oder ist beschädigt. Installieren Sie das Spiel neu, um sie wiederherzustellen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Brinox 2000 Help</source>
        <translation>Brinox 2000 – Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vor</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Brinox 2000 Help - %1</source>
        <translation>Brinox 2000 – Hilfe – %1</translation>
    </message>
</context>
<context>
    <name>brinox::KeyCaptureDialog</name>
    <message>
        <source>Press a key to define new key or ESCAPE to cancel</source>
        <translation>Drücken Sie die neue Taste oder ESC zum Abbrechen</translation>
    </message>
    <message>
        <source>This key cannot be used in the game</source>
        <translation>Diese Taste kann im Spiel nicht verwendet werden</translation>
    </message>
</context>
<context>
    <name>brinox::OptionsSheet</name>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Oberfläche</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Klang</translation>
    </message>
</context>
<context>
    <name>brinox::SpinNumberBox</name>
    <message>
        <source>From 0 (fastest) to 1000 (slowest)</source>
        <translation>Von 0 (am schnellsten) bis 1000 (am langsamsten)</translation>
    </message>
</context>
</TS>
