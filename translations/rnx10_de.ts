<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Accessibility</name>
    <message>
        <source>vertical scroll bar</source>
        <translation>vertikale Bildlaufleiste</translation>
    </message>
    <message>
        <source>horizontal scroll bar</source>
        <translation>horizontale Bildlaufleiste</translation>
    </message>
    <message>
        <source>vertical scroll bar area</source>
        <translation>Bereich der vertikalen Bildlaufleiste</translation>
    </message>
    <message>
        <source>horizontal scroll bar area</source>
        <translation>Bereich der horizontalen Bildlaufleiste</translation>
    </message>
    <message>
        <source>column headers</source>
        <translation>Spaltenköpfe</translation>
    </message>
    <message>
        <source>row headers</source>
        <translation>Zeilenköpfe</translation>
    </message>
    <message>
        <source>view area</source>
        <translation>Anzeigebereich</translation>
    </message>
    <message>
        <source>progress bar</source>
        <translation>Fortschrittsanzeige</translation>
    </message>
    <message>
        <source>menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>pop-up</source>
        <translation>Popup</translation>
    </message>
    <message>
        <source>list</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>entry field</source>
        <translation>Eingabefeld</translation>
    </message>
    <message>
        <source>button</source>
        <translation>Schaltfläche</translation>
    </message>
    <message>
        <source>part</source>
        <translation>Teil</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>AutomationError</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>Datei existiert bereits</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Objektvariable oder With-Blockvariable nicht festgelegt</translation>
    </message>
    <message>
        <source>Component can&apos;t create object</source>
        <translation>Komponente kann kein Objekt erstellen</translation>
    </message>
    <message>
        <source>No display is available</source>
        <translation>Keine Anzeige verfügbar</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>LICENSES</source>
        <translation>LIZENZEN</translation>
    </message>
</context>
<context>
    <name>Placeholder</name>
    <message>
        <source>The KEV tool is not part of this installation; this is its placeholder.</source>
        <translation>Das KEV-Tool ist nicht Teil dieser Installation; dies ist sein Platzhalter.</translation>
    </message>
    <message>
        <source>The QRS tool is not part of this installation; this is its placeholder.</source>
        <translation>Das QRS-Tool ist nicht Teil dieser Installation; dies ist sein Platzhalter.</translation>
    </message>
</context>
<context>
    <name>ProgressRunner</name>
    <message>
        <source>%L1 entries, %L2 MB</source>
        <translation>%L1 Einträge, %L2 MB</translation>
    </message>
    <message>
        <source> - stopping...</source>
        <translation> - wird angehalten...</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QuickBackup</name>
    <message>
        <source>Do you want to start backup operations click yes this screen will automatically close., it may take long time depends upon your speed of computer.</source>
        <translation>Möchten Sie die Sicherung starten? Klicken Sie auf „Ja“; dieses Fenster wird dann automatisch geschlossen. Der Vorgang kann je nach Geschwindigkeit Ihres Computers lange dauern.</translation>
    </message>
    <message>
        <source>Proceed...</source>
        <translation>Fortfahren...</translation>
    </message>
    <message>
        <source>Taking registry Backup</source>
        <translation>Registry-Sicherung wird erstellt</translation>
    </message>
    <message>
        <source>Taking shell Backup</source>
        <translation>Shell-Sicherung wird erstellt</translation>
    </message>
</context>
<context>
    <name>RecoverJobs</name>
    <message>
        <source>Files were compared by size and modification time, not by their contents.</source>
        <translation>Dateien wurden nach Größe und Änderungszeit verglichen, nicht nach ihrem Inhalt.</translation>
    </message>
    <message>
        <source>Comparing...</source>
        <translation>Vergleichen...</translation>
    </message>
    <message>
        <source>Comparing %1
with %2</source>
        <translation>Vergleich von %1
mit %2</translation>
    </message>
    <message>
        <source>not known: the comparison was stopped</source>
        <translation>unbekannt: Der Vergleich wurde abgebrochen</translation>
    </message>
    <message>
        <source>not known: %1</source>
        <translation>unbekannt: %1</translation>
    </message>
    <message>
        <source>Restore To...</source>
        <translation>Wiederherstellen nach...</translation>
    </message>
    <message>
        <source>Restoring...</source>
        <translation>Wiederherstellen...</translation>
    </message>
    <message>
        <source>Copying %1
into %2</source>
        <translation>Kopieren von %1
nach %2</translation>
    </message>
    <message>
        <source>Restored as %1</source>
        <translation>Wiederhergestellt als %1</translation>
    </message>
    <message>
        <source>%1 only in the current folder (a restore removes them)
%2 only in the archive (a restore brings them back)
%3 in both but different (a restore puts the archive&apos;s back)</source>
        <translation>%1 nur im aktuellen Ordner (eine Wiederherstellung entfernt sie)
%2 nur im Archiv (eine Wiederherstellung bringt sie zurück)
%3 in beiden, aber verschieden (eine Wiederherstellung setzt die des Archivs wieder ein)</translation>
    </message>
    <message>
        <source>What the restore changes in %1:
%2

%3</source>
        <translation>Was die Wiederherstellung in %1 ändert:
%2

%3</translation>
    </message>
    <message>
        <source>The current folder is moved to the desktop trash, from where it can be put back.</source>
        <translation>Der aktuelle Ordner wird in den Papierkorb verschoben, aus dem er zurückgeholt werden kann.</translation>
    </message>
    <message>
        <source>No trash on the current folder&apos;s file system can take it: the current folder is deleted for good.</source>
        <translation>Kein Papierkorb auf dem Dateisystem des aktuellen Ordners kann ihn aufnehmen: Der aktuelle Ordner wird endgültig gelöscht.</translation>
    </message>
    <message>
        <source>There is no current folder: the restore creates it.</source>
        <translation>Es gibt keinen aktuellen Ordner: Die Wiederherstellung legt ihn an.</translation>
    </message>
    <message>
        <source>The replaced folder is in the desktop trash as %1.</source>
        <translation>Der ersetzte Ordner liegt im Papierkorb als %1.</translation>
    </message>
    <message>
        <source>No trash on its file system could take the replaced folder: it was deleted.</source>
        <translation>Kein Papierkorb auf seinem Dateisystem konnte den ersetzten Ordner aufnehmen: Er wurde gelöscht.</translation>
    </message>
    <message>
        <source>Not restored (sockets and devices are never copied):
%1</source>
        <translation>Nicht wiederhergestellt (Sockets und Geräte werden nie kopiert):
%1</translation>
    </message>
</context>
<context>
    <name>ScheduleHealth</name>
    <message>
        <source>The cron daemon is not running: scheduled backups do not start.</source>
        <translation>Der cron-Daemon läuft nicht: Geplante Sicherungen werden nicht gestartet.</translation>
    </message>
    <message>
        <source>atd is not running: the backups queued with at do not start.</source>
        <translation>atd läuft nicht: Die mit at eingereihten Sicherungen werden nicht gestartet.</translation>
    </message>
    <message>
        <source>crontab is not installed (not found on PATH): backups cannot repeat.</source>
        <translation>crontab ist nicht installiert (nicht im PATH gefunden): Sicherungen können sich nicht wiederholen.</translation>
    </message>
    <message>
        <source>at is not installed (not found on PATH): backups cannot be queued once.</source>
        <translation>at ist nicht installiert (nicht im PATH gefunden): Einmalige Sicherungen können nicht eingereiht werden.</translation>
    </message>
    <message>
        <source>There is no backup of this computer yet.</source>
        <translation>Es gibt noch keine Sicherung dieses Computers.</translation>
    </message>
    <message numerus="yes">
        <source>No backup for %n days.</source>
        <translation>
            <numerusform>Seit %n Tag keine Sicherung.</numerusform>
            <numerusform>Seit %n Tagen keine Sicherung.</numerusform>
        </translation>
    </message>
    <message>
        <source>The schedule cannot be read: %1</source>
        <translation>Der Zeitplan kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The queued job %1 was due at %2 and has not run.</source>
        <translation>Der eingereihte Auftrag %1 war um %2 fällig und ist nicht gelaufen.</translation>
    </message>
    <message>
        <source>A backup is dated in the future, %1: the clock was wrong when it was made.</source>
        <translation>Eine Sicherung ist in die Zukunft datiert, %1: die Uhr ging falsch, als sie erstellt wurde.</translation>
    </message>
    <message>
        <source>the last backup failed at %1: %2</source>
        <translation>die letzte Sicherung ist um %1 fehlgeschlagen: %2</translation>
    </message>
</context>
<context>
    <name>ScheduledTaskService</name>
    <message>
        <source>cron %1</source>
        <translation>cron %1</translation>
    </message>
    <message>
        <source>every %1 at %2</source>
        <translation>jeden %1 um %2</translation>
    </message>
</context>
<context>
    <name>SearchFeed</name>
    <message>
        <source>the search cannot start now: %1</source>
        <translation>die Suche kann jetzt nicht starten: %1</translation>
    </message>
</context>
<context>
    <name>StoreThinning</name>
    <message>
        <source>another thinning of %1 is running; try again when it has finished</source>
        <translation>eine andere Ausdünnung von %1 läuft; versuchen Sie es erneut, wenn sie beendet ist</translation>
    </message>
</context>
<context>
    <name>TellFailure</name>
    <message>
        <source>unexpected failure</source>
        <translation>unerwarteter Fehler</translation>
    </message>
</context>
<context>
    <name>ThinningRule</name>
    <message>
        <source>a thinning rule whose five numbers are all 0 would delete every run but the newest; nothing was deleted</source>
        <translation>Eine Ausdünnungsregel, deren fünf Zahlen alle 0 sind, würde jeden Lauf außer dem neuesten löschen; es wurde nichts gelöscht</translation>
    </message>
</context>
<context>
    <name>backuptool</name>
    <message>
        <source>the run is not logged: %1</source>
        <translation>der Lauf wird nicht protokolliert: %1</translation>
    </message>
    <message>
        <source>See %1</source>
        <translation>Siehe %1</translation>
    </message>
    <message>
        <source>Backup failed: %1</source>
        <translation>Sicherung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>usage: %1 [--at HH:MM]</source>
        <translation>Aufruf: %1 [--at HH:MM]</translation>
    </message>
    <message>
        <source>the log folder is not an absolute folder: &quot;%1&quot;</source>
        <translation>der Protokollordner ist kein absoluter Pfad: &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>rnx.exe</name>
    <message>
        <source>Zorvane Support Center</source>
        <translation>Zorvane Support Center</translation>
    </message>
    <message>
        <source>Render the window to &lt;file&gt; (PNG) and quit.</source>
        <extracomment>&quot;&lt;file&gt;&quot; is the option&apos;s value, &quot;file&quot; below: translate both alike.</extracomment>
        <translation>Das Fenster in &lt;Datei&gt; (PNG) zeichnen und beenden.</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>The value of --screenshot, as the help shows it: &lt;file&gt;.</extracomment>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Error %1: %2</source>
        <translation>Fehler %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>rnx10</name>
    <message>
        <source>start the QRS tool, ZVENVSYS32MASK/1.0/Sys/tvqs.exe (error 53 when missing)</source>
        <translation>das QRS-Tool ZVENVSYS32MASK/1.0/Sys/tvqs.exe starten (Fehler 53, wenn es fehlt)</translation>
    </message>
    <message>
        <source>open the downloads page, ZVENVSTRDNWEB, with xdg-open</source>
        <translation>die Download-Seite, ZVENVSTRDNWEB, mit xdg-open öffnen</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>open the shop page, ZVENVSTRBUY, with xdg-open</source>
        <translation>die Shop-Seite, ZVENVSTRBUY, mit xdg-open öffnen</translation>
    </message>
    <message>
        <source>the backup archive browser; the host serves it until it is closed</source>
        <translation>der Browser der Sicherungsarchive; der Host bedient ihn, bis er geschlossen wird</translation>
    </message>
    <message>
        <source>open the BRINDLEX site, ZVENVSTRBRINDLEX, with xdg-open</source>
        <translation>die BRINDLEX-Website, ZVENVSTRBRINDLEX, mit xdg-open öffnen</translation>
    </message>
    <message>
        <source>the updates notice</source>
        <translation>der Update-Hinweis</translation>
    </message>
    <message>
        <source>every environment key, its value and its source (on standard error without a display)</source>
        <translation>jeder Umgebungsschlüssel, sein Wert und seine Herkunft (ohne Anzeige auf der Standardfehlerausgabe)</translation>
    </message>
    <message>
        <source>the registry navigator</source>
        <translation>der Registry-Navigator</translation>
    </message>
    <message>
        <source>open the program folder, ZVENVSYS32MASK/1.0/Sys, with xdg-open</source>
        <translation>den Programmordner, ZVENVSYS32MASK/1.0/Sys, mit xdg-open öffnen</translation>
    </message>
    <message>
        <source>start the KEV tool, ZVENVSYS32MASK/1.0/Sys/kev.exe (nothing when missing)</source>
        <translation>das KEV-Tool ZVENVSYS32MASK/1.0/Sys/kev.exe starten (nichts, wenn es fehlt)</translation>
    </message>
    <message>
        <source>the maintenance dialog: log and temporary-file cleanup, quick backup</source>
        <translation>der Wartungsdialog: Protokolle und temporäre Dateien bereinigen, Schnellsicherung</translation>
    </message>
    <message>
        <source>the &quot;LICENSES&quot; message box</source>
        <translation>das Meldungsfenster &quot;LIZENZEN&quot;</translation>
    </message>
    <message>
        <source>usage: rnx10 RunSupportCenter
       rnx10 ExecuteSupportCenter KEY [A [B [C [D]]]]
       rnx10 RunBackupComputer
       rnx10 --help
</source>
        <translation>Aufruf: rnx10 RunSupportCenter
        rnx10 ExecuteSupportCenter SCHLÜSSEL [A [B [C [D]]]]
        rnx10 RunBackupComputer
        rnx10 --help
</translation>
    </message>
    <message>
        <source>Calls one method of the Zorvane support-centre component (librnx10).</source>
        <translation>Ruft eine Methode der Zorvane-Support-Center-Komponente (librnx10) auf.</translation>
    </message>
    <message>
        <source>start the support-centre program, ZVENVSYS32MASK/1.0/sys/rnx.exe</source>
        <translation>das Support-Center-Programm ZVENVSYS32MASK/1.0/sys/rnx.exe starten</translation>
    </message>
    <message>
        <source>record the time in ZVENVSLOGS/bar.ini and start regbak.exe and shellbak.exe</source>
        <translation>die Zeit in ZVENVSLOGS/bar.ini vermerken und regbak.exe und shellbak.exe starten</translation>
    </message>
    <message>
        <source>run the command named by KEY (exact, case-sensitive); A to D are accepted
and not used</source>
        <translation>den von SCHLÜSSEL benannten Befehl ausführen (exakt, Groß-/Kleinschreibung
beachtend); A bis D werden angenommen und nicht verwendet</translation>
    </message>
    <message>
        <source>Command keys:</source>
        <translation>Befehlsschlüssel:</translation>
    </message>
    <message>
        <source>Keys marked [window] need a display (DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM); without one
they fail with error 406. An unknown key does nothing and is no error.</source>
        <extracomment>&quot;[window]&quot; is the mark the list above puts before these keys: keep it as it is.</extracomment>
        <translation>Schlüssel mit [window] brauchen eine Anzeige (DISPLAY, WAYLAND_DISPLAY oder QT_QPA_PLATFORM); ohne
sie scheitern sie mit Fehler 406. Ein unbekannter Schlüssel bewirkt nichts und ist kein Fehler.</translation>
    </message>
    <message>
        <source>Exit status: 0 on success; 1 on an error, printed as &quot;rnx10: error N: DESCRIPTION&quot;; 2 on wrong usage.</source>
        <translation>Exit-Status: 0 bei Erfolg; 1 bei einem Fehler, ausgegeben als &quot;rnx10: error N: BESCHREIBUNG&quot;; 2 bei falschem Aufruf.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a command key, nothing was done (see rnx10 --help)</source>
        <translation>&quot;%1&quot; ist kein Befehlsschlüssel, es wurde nichts getan (siehe rnx10 --help)</translation>
    </message>
</context>
<context>
    <name>rnx10-store</name>
    <message>
        <source>ARCHIVE-FOLDER [--content]</source>
        <translation>ARCHIV-ORDNER [--content]</translation>
    </message>
    <message>
        <source>the run log cannot be written: %1</source>
        <translation>das Laufprotokoll kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Catching up a missed backup</source>
        <translation>Verpasste Sicherung wird nachgeholt</translation>
    </message>
    <message>
        <source>The scheduled job %1 did not run at %2 while the computer was off; it runs now.</source>
        <translation>Der geplante Auftrag %1 lief um %2 nicht, weil der Computer aus war; er läuft jetzt.</translation>
    </message>
    <message numerus="yes">
        <source>No backup for %n days</source>
        <translation>
            <numerusform>Seit %n Tag keine Sicherung</numerusform>
            <numerusform>Seit %n Tagen keine Sicherung</numerusform>
        </translation>
    </message>
    <message>
        <source>The newest backup of this computer was made on %1 and no backup is scheduled.</source>
        <translation>Die neueste Sicherung dieses Computers stammt vom %1, und es ist keine Sicherung geplant.</translation>
    </message>
    <message>
        <source>no arguments</source>
        <extracomment>After &quot;expected&quot;.</extracomment>
        <translation>keine Argumente</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>expected %1</source>
        <translation>erwartet: %1</translation>
    </message>
    <message>
        <source>ARCHIVE-FOLDER</source>
        <extracomment>The argument names as the usage shows them, after &quot;expected&quot;.</extracomment>
        <translation>ARCHIVORDNER</translation>
    </message>
    <message>
        <source>%1 takes a day as YYYY-MM-DD, not &quot;%2&quot;</source>
        <translation>%1 erwartet einen Tag als YYYY-MM-DD, nicht &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--from is after --to</source>
        <translation>--from liegt nach --to</translation>
    </message>
    <message>
        <source>PATTERN</source>
        <extracomment>The argument names as the usage shows them, after &quot;expected&quot;.</extracomment>
        <translation>MUSTER</translation>
    </message>
    <message>
        <source>PATTERN is empty</source>
        <translation>MUSTER ist leer</translation>
    </message>
    <message>
        <source>--now &quot;%1&quot; is not a time &apos;YYYY-MM-DD HH:MM&apos;</source>
        <translation>--now &quot;%1&quot; ist keine Zeit der Form &apos;YYYY-MM-DD HH:MM&apos;</translation>
    </message>
    <message>
        <source>PATH TARGET-FOLDER</source>
        <extracomment>The argument names as the usage shows them, after &quot;expected&quot;.</extracomment>
        <translation>PFAD ZIELORDNER</translation>
    </message>
    <message>
        <source>PATTERN [--from YYYY-MM-DD] [--to YYYY-MM-DD] [-0]</source>
        <translation>MUSTER [--from YYYY-MM-DD] [--to YYYY-MM-DD] [-0]</translation>
    </message>
    <message>
        <source>files and folders named like PATTERN in every archive&apos;s copy, newest first</source>
        <translation>Dateien und Ordner mit Namen wie MUSTER in der Kopie jedes Archivs, neueste zuerst</translation>
    </message>
    <message>
        <source>PATH</source>
        <extracomment>The argument names as the usage shows them, after &quot;expected&quot;.</extracomment>
        <translation>PFAD</translation>
    </message>
    <message>
        <source>every archive holding PATH, newest first, and whether it changed</source>
        <translation>jedes Archiv, das PFAD enthält, neuestes zuerst, und ob PFAD sich geändert hat</translation>
    </message>
    <message>
        <source>what restoring the archive would change in its source folder</source>
        <translation>was eine Wiederherstellung des Archivs in seinem Quellordner ändern würde</translation>
    </message>
    <message>
        <source>copy an archive, or a file or folder of its copy, into another folder</source>
        <translation>ein Archiv oder eine Datei bzw. einen Ordner seiner Kopie in einen anderen Ordner kopieren</translation>
    </message>
    <message>
        <source>--within D --daily N --weekly N --monthly N --yearly N [--dry-run] [--now &apos;YYYY-MM-DD HH:MM&apos;]</source>
        <translation>--within D --daily N --weekly N --monthly N --yearly N [--dry-run] [--now &apos;YYYY-MM-DD HH:MM&apos;]</translation>
    </message>
    <message>
        <source>delete the runs (hour folders) the rule does not keep; print each, oldest first</source>
        <translation>die Läufe (Stundenordner) löschen, die die Regel nicht behält; jeden ausgeben, älteste zuerst</translation>
    </message>
    <message>
        <source>[--now &apos;YYYY-MM-DD HH:MM&apos;]</source>
        <translation>[--now &apos;YYYY-MM-DD HH:MM&apos;]</translation>
    </message>
    <message>
        <source>the newest archive and its age, each scheduled job&apos;s next run, and warnings</source>
        <translation>das neueste Archiv und sein Alter, der nächste Lauf jedes geplanten Auftrags und Warnungen</translation>
    </message>
    <message>
        <source>run once a scheduled backup that was missed while the computer was off</source>
        <translation>eine geplante Sicherung, die verpasst wurde, während der Computer aus war, einmal ausführen</translation>
    </message>
    <message>
        <source>%1 is required</source>
        <translation>%1 ist erforderlich</translation>
    </message>
    <message>
        <source>%1 takes a whole number of 0 or more, not &quot;%2&quot;</source>
        <translation>%1 erwartet eine ganze Zahl ab 0, nicht &quot;%2&quot;</translation>
    </message>
    <message>
        <source>no archive holds %1</source>
        <translation>kein Archiv enthält %1</translation>
    </message>
    <message>
        <source>usage: rnx10-store [--json] COMMAND [ARGS]</source>
        <translation>Aufruf: rnx10-store [--json] BEFEHL [ARGUMENTE]</translation>
    </message>
    <message>
        <source>not restored (a socket or device): %1</source>
        <translation>nicht wiederhergestellt (ein Socket oder Gerät): %1</translation>
    </message>
    <message>
        <source>The backup store of this computer (ZVENVSBAK/&lt;computer name&gt;) on the command line.</source>
        <translation>Der Sicherungsspeicher dieses Computers (ZVENVSBAK/&lt;Computername&gt;) auf der Kommandozeile.</translation>
    </message>
    <message>
        <source>The store is found as the support centre finds it: the process environment, then
$XDG_CONFIG_HOME/zorvane/environment.ini, then the defaults.</source>
        <translation>Der Speicher wird so gefunden, wie das Support-Center ihn findet: die Prozessumgebung, dann
$XDG_CONFIG_HOME/zorvane/environment.ini, dann die Standardwerte.</translation>
    </message>
    <message>
        <source>Output: one item a line; raw bytes when standard output is not a terminal, control
characters escaped when it is. --json prints the same items as one JSON array of objects
(bytes that are not UTF-8 as U+DC80 + byte).</source>
        <translation>Ausgabe: ein Element pro Zeile; rohe Bytes, wenn die Standardausgabe kein Terminal ist,
sonst mit maskierten Steuerzeichen. --json gibt dieselben Elemente als ein JSON-Array von
Objekten aus (Bytes, die kein UTF-8 sind, als U+DC80 + Byte).</translation>
    </message>
    <message>
        <source>Exit status: 0 on success; 1 on an error, printed as &quot;rnx10-store: error N: DESCRIPTION&quot;;
2 on wrong usage.</source>
        <translation>Exit-Status: 0 bei Erfolg; 1 bei einem Fehler, ausgegeben als &quot;rnx10-store: error N: BESCHREIBUNG&quot;;
2 bei falschem Aufruf.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>unbekannter Befehl &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>rnx10::ActionPicture</name>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
</context>
<context>
    <name>rnx10::CompareWindow</name>
    <message>
        <source>! Not read</source>
        <translation>! Nicht gelesen</translation>
    </message>
    <message>
        <source>Compare the files&apos; contents too (&amp;reads every file)</source>
        <translation>Auch den Inhalt der Dateien vergleichen (&amp;liest jede Datei)</translation>
    </message>
    <message>
        <source>contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>- Only in the current folder</source>
        <translation>- Nur im aktuellen Ordner</translation>
    </message>
    <message>
        <source>+ Only in the archive</source>
        <translation>+ Nur im Archiv</translation>
    </message>
    <message>
        <source>~ Different</source>
        <translation>~ Verschieden</translation>
    </message>
    <message>
        <source>a restore removes it</source>
        <translation>eine Wiederherstellung entfernt es</translation>
    </message>
    <message>
        <source>a restore brings it back</source>
        <translation>eine Wiederherstellung bringt es zurück</translation>
    </message>
    <message>
        <source>link target</source>
        <translation>Linkziel</translation>
    </message>
    <message>
        <source>modification time</source>
        <translation>Änderungszeit</translation>
    </message>
    <message>
        <source>type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Compare with Current</source>
        <translation>Mit aktuellem Ordner vergleichen</translation>
    </message>
    <message>
        <source>Archive: %1
Current folder: %2</source>
        <translation>Archiv: %1
Aktueller Ordner: %2</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>What differs</source>
        <translation>Unterschied</translation>
    </message>
    <message>
        <source>%1 only in the current folder, %2 only in the archive, %3 different</source>
        <translation>%1 nur im aktuellen Ordner, %2 nur im Archiv, %3 verschieden</translation>
    </message>
    <message>
        <source>The current folder holds what the archive holds.</source>
        <translation>Der aktuelle Ordner enthält dasselbe wie das Archiv.</translation>
    </message>
</context>
<context>
    <name>rnx10::EnvironmentDialog</name>
    <message>
        <source>Zorvane Debugger - Environment (no display; configuration file: %1)</source>
        <translation>Zorvane Debugger - Umgebung (keine Anzeige; Konfigurationsdatei: %1)</translation>
    </message>
    <message>
        <source>environment</source>
        <translation>Umgebung</translation>
    </message>
    <message>
        <source>default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Zorvane Debugger - Environment</source>
        <translation>Zorvane Debugger - Umgebung</translation>
    </message>
    <message>
        <source>Environment keys as the suite resolves them now. Configuration file: %1</source>
        <translation>Umgebungsschlüssel, wie die Suite sie jetzt auflöst. Konfigurationsdatei: %1</translation>
    </message>
    <message>
        <source>Environment keys</source>
        <translation>Umgebungsschlüssel</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Herkunft</translation>
    </message>
</context>
<context>
    <name>rnx10::FindFilesWindow</name>
    <message>
        <source>Find Files</source>
        <translation>Dateien suchen</translation>
    </message>
    <message>
        <source>A name pattern: * any text, ? one character, [abc] one of them; case does not matter</source>
        <translation>Ein Namensmuster: * beliebiger Text, ? ein Zeichen, [abc] eines davon; Groß-/Kleinschreibung egal</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>F&amp;rom</source>
        <translation>&amp;Von</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;Bis</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open Fo&amp;lder</source>
        <translation>&amp;Ordner öffnen</translation>
    </message>
    <message>
        <source>&amp;Versions...</source>
        <translation>V&amp;ersionen...</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message numerus="yes">
        <source>Searching... %n found</source>
        <translation>
            <numerusform>Suche läuft... %n gefunden</numerusform>
            <numerusform>Suche läuft... %n gefunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n found</source>
        <translation>
            <numerusform>%n gefunden</numerusform>
            <numerusform>%n gefunden</numerusform>
        </translation>
    </message>
    <message>
        <source>; 1 folder could not be read</source>
        <translation>; 1 Ordner konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>; %1 folders could not be read</source>
        <translation>; %1 Ordner konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>%1 is how far the search came, %2 how it ended</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Date and Hour</source>
        <translation>Datum und Stunde</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archiv</translation>
    </message>
    <message>
        <source>SourceDir</source>
        <translation>Quellordner</translation>
    </message>
    <message>
        <source>Path in Copy</source>
        <translation>Pfad in der Kopie</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>R&amp;estore To...</source>
        <translation>&amp;Wiederherstellen nach...</translation>
    </message>
    <message>
        <source>report*.odt</source>
        <translation>bericht*.odt</translation>
    </message>
</context>
<context>
    <name>rnx10::LockerSize</name>
    <message>
        <source>the size cannot be measured now: %1</source>
        <translation>die Größe kann jetzt nicht gemessen werden: %1</translation>
    </message>
</context>
<context>
    <name>rnx10::ScheduledJobsPanel</name>
    <message>
        <source>1 day</source>
        <translation>1 Tag</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>Scheduled now</source>
        <translation>Derzeit geplant</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Scheduled backup jobs</source>
        <translation>Geplante Sicherungsaufträge</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Auftrag</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>Takes the selected jobs off the schedule</source>
        <translation>Nimmt die ausgewählten Aufträge aus dem Zeitplan</translation>
    </message>
    <message>
        <source>Last backup: ...</source>
        <translation>Letzte Sicherung: ...</translation>
    </message>
    <message>
        <source>Next backup: ...</source>
        <translation>Nächste Sicherung: ...</translation>
    </message>
    <message>
        <source>The schedule cannot be read: %1</source>
        <translation>Der Zeitplan kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Last backup: %1 (%2 ago)</source>
        <translation>Letzte Sicherung: %1 (vor %2)</translation>
    </message>
    <message>
        <source>Last backup: none yet</source>
        <translation>Letzte Sicherung: noch keine</translation>
    </message>
    <message>
        <source>Next backup: %1 (%2)</source>
        <translation>Nächste Sicherung: %1 (%2)</translation>
    </message>
    <message>
        <source>Next backup: none scheduled</source>
        <translation>Nächste Sicherung: keine geplant</translation>
    </message>
    <message>
        <source>next: %1</source>
        <translation>nächster: %1</translation>
    </message>
    <message>
        <source>Runs %1</source>
        <translation>Führt %1 aus</translation>
    </message>
    <message>
        <source>The backup tools are not scheduled.</source>
        <translation>Die Sicherungsprogramme sind nicht geplant.</translation>
    </message>
    <message>
        <source>1 job is scheduled.</source>
        <translation>1 Auftrag ist geplant.</translation>
    </message>
    <message numerus="yes">
        <source>%n jobs are scheduled.</source>
        <translation>
            <numerusform>%n Auftrag ist geplant.</numerusform>
            <numerusform>%n Aufträge sind geplant.</numerusform>
        </translation>
    </message>
    <message>
        <source>Take the selected jobs off the schedule?</source>
        <translation>Die ausgewählten Aufträge aus dem Zeitplan nehmen?</translation>
    </message>
    <message>
        <source>Remove...</source>
        <translation>Entfernen...</translation>
    </message>
</context>
<context>
    <name>rnx10::SupportCenterWindow</name>
    <message>
        <source>QRS Tool</source>
        <translation>QRS-Tool</translation>
    </message>
    <message>
        <source>Starts the QRS tool</source>
        <translation>Startet das QRS-Tool</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Opens the downloads page in the web browser</source>
        <translation>Öffnet die Download-Seite im Webbrowser</translation>
    </message>
    <message>
        <source>Live Chat</source>
        <translation>Live-Chat</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Systeminformationen</translation>
    </message>
    <message>
        <source>Web Support</source>
        <translation>Web-Support</translation>
    </message>
    <message>
        <source>Send Mail</source>
        <translation>E-Mail senden</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Shop</translation>
    </message>
    <message>
        <source>Opens the shop page in the web browser</source>
        <translation>Öffnet die Shop-Seite im Webbrowser</translation>
    </message>
    <message>
        <source>Backup &amp;&amp; Restore</source>
        <translation>Sichern &amp;&amp; Wiederherstellen</translation>
    </message>
    <message>
        <source>Opens the backup browser: restore, open or delete the backed-up folders</source>
        <translation>Öffnet den Sicherungsbrowser: gesicherte Ordner wiederherstellen, öffnen oder löschen</translation>
    </message>
    <message>
        <source>Migrate System</source>
        <translation>System migrieren</translation>
    </message>
    <message>
        <source>Opens the BRINDLEX web site in the web browser</source>
        <translation>Öffnet die BRINDLEX-Website im Webbrowser</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Updates</translation>
    </message>
    <message>
        <source>Shows where new versions of the suite are announced</source>
        <translation>Zeigt, wo neue Versionen der Suite angekündigt werden</translation>
    </message>
    <message>
        <source>Debugger</source>
        <translation>Debugger</translation>
    </message>
    <message>
        <source>Lists the suite&apos;s settings, their values and where each value comes from</source>
        <translation>Listet die Einstellungen der Suite auf, ihre Werte und woher jeder Wert stammt</translation>
    </message>
    <message>
        <source>Registry</source>
        <translation>Registry</translation>
    </message>
    <message>
        <source>Opens the folder that holds the settings of Zorvane Lumora</source>
        <translation>Öffnet den Ordner mit den Einstellungen von Zorvane Lumora</translation>
    </message>
    <message>
        <source>Program Folder</source>
        <translation>Programmordner</translation>
    </message>
    <message>
        <source>Opens the folder of the suite&apos;s programs</source>
        <translation>Öffnet den Ordner mit den Programmen der Suite</translation>
    </message>
    <message>
        <source>KEV Tool</source>
        <translation>KEV-Tool</translation>
    </message>
    <message>
        <source>Starts the KEV tool</source>
        <translation>Startet das KEV-Tool</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Wartung</translation>
    </message>
    <message>
        <source>Deletes the log and temporary files, or starts a backup of this computer</source>
        <translation>Löscht die Protokolldateien und temporären Dateien oder startet eine Sicherung dieses Computers</translation>
    </message>
    <message>
        <source>Licenses</source>
        <translation>Lizenzen</translation>
    </message>
    <message>
        <source>Shows the licenses</source>
        <translation>Zeigt die Lizenzen an</translation>
    </message>
    <message>
        <source>Zorvane Support Center</source>
        <translation>Zorvane Support Center</translation>
    </message>
    <message>
        <source>Choose a command:</source>
        <translation>Wählen Sie einen Befehl:</translation>
    </message>
    <message>
        <source>Quick Backup of this Computer</source>
        <translation>Schnellsicherung dieses Computers</translation>
    </message>
    <message>
        <source>Backs up the suite&apos;s settings and your folders now</source>
        <translation>Sichert jetzt die Einstellungen der Suite und Ihre Ordner</translation>
    </message>
    <message>
        <source>%1 does nothing on this system</source>
        <translation>%1 bewirkt auf diesem System nichts</translation>
    </message>
    <message>
        <source>Error %1: %2</source>
        <translation>Fehler %1: %2</translation>
    </message>
</context>
<context>
    <name>rnx10::VersionsWindow</name>
    <message>
        <source>first</source>
        <translation>erste</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
    <message>
        <source>same</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>Date and Hour</source>
        <translation>Datum und Stunde</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Path in Store</source>
        <translation>Pfad im Speicher</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>Versionen</translation>
    </message>
    <message>
        <source>/home/user/Documents/report.odt</source>
        <translation>/home/user/Documents/report.odt</translation>
    </message>
    <message>
        <source>&amp;Path:</source>
        <translation>&amp;Pfad:</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <source>Looking for the versions of %1</source>
        <translation>Versionen von %1 werden gesucht</translation>
    </message>
    <message>
        <source>No archive holds this path.</source>
        <translation>Kein Archiv enthält diesen Pfad.</translation>
    </message>
    <message>
        <source>1 version</source>
        <translation>1 Version</translation>
    </message>
    <message>
        <source>%1 versions</source>
        <translation>%1 Versionen</translation>
    </message>
    <message>
        <source>R&amp;estore To...</source>
        <translation>&amp;Wiederherstellen nach...</translation>
    </message>
</context>
<context>
    <name>rnx10::frmBackUpRestoreA</name>
    <message>
        <source>Deleting...</source>
        <translation>Löschen...</translation>
    </message>
    <message>
        <source>Deleting %1</source>
        <translation>%1 wird gelöscht</translation>
    </message>
    <message>
        <source>Restoring...</source>
        <translation>Wiederherstellen...</translation>
    </message>
    <message>
        <source>Copying %1
to %2</source>
        <translation>Kopieren von %1
nach %2</translation>
    </message>
    <message>
        <source>Putting the copy in place of %1</source>
        <translation>Die Kopie wird an die Stelle von %1 gesetzt</translation>
    </message>
    <message>
        <source>Report...</source>
        <translation>Bericht...</translation>
    </message>
    <message>
        <source>Listing the folders of %1</source>
        <translation>Die Ordner von %1 werden aufgelistet</translation>
    </message>
    <message>
        <source>Measuring...</source>
        <translation>Messen...</translation>
    </message>
    <message>
        <source>Measuring %1</source>
        <translation>%1 wird gemessen</translation>
    </message>
    <message>
        <source>No year is selected.</source>
        <translation>Kein Jahr ausgewählt.</translation>
    </message>
    <message>
        <source>No month is selected.</source>
        <translation>Kein Monat ausgewählt.</translation>
    </message>
    <message>
        <source>No day is selected.</source>
        <translation>Kein Tag ausgewählt.</translation>
    </message>
    <message>
        <source>No hour is selected.</source>
        <translation>Keine Stunde ausgewählt.</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>Size : %1 MB</source>
        <translation>Größe: %1 MB</translation>
    </message>
    <message>
        <source>No archives found.</source>
        <translation>Keine Archive gefunden.</translation>
    </message>
    <message numerus="yes">
        <source>%n archives found.</source>
        <translation>
            <numerusform>%n Archiv gefunden.</numerusform>
            <numerusform>%n Archive gefunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Backup Drive: %1</source>
        <translation>Sicherungslaufwerk: %1</translation>
    </message>
    <message>
        <source>%1, Size : %2 MB</source>
        <translation>%1, Größe: %2 MB</translation>
    </message>
    <message>
        <source>%1 Backup &amp; Restore</source>
        <extracomment>%1 is the product&apos;s name, shown as it is in every language.</extracomment>
        <translation>%1 Sichern &amp; Wiederherstellen</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>Open the locker folder</source>
        <translation>Schließfachordner öffnen</translation>
    </message>
    <message>
        <source>Backup date</source>
        <translation>Sicherungsdatum</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Month and year</source>
        <translation>Monat und Jahr</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Archives picture</source>
        <translation>Archivbild</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Trennlinie</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>Status panel %1</source>
        <translation>Statusfeld %1</translation>
    </message>
    <message>
        <source>Start &amp;Backup</source>
        <translation>&amp;Sicherung starten</translation>
    </message>
    <message>
        <source>Registry Backup</source>
        <translation>Registry-Sicherung</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Bericht</translation>
    </message>
    <message>
        <source>Click here to view all the backup data log file.</source>
        <translation>Klicken Sie hier, um die Protokolldatei aller Sicherungsdaten anzuzeigen.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Hour: </source>
        <translation>Stunde: </translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>Double click to open destination file or folder press F7 key for details.</source>
        <translation>Doppelklicken Sie, um die Zieldatei oder den Zielordner zu öffnen; drücken Sie F7 für Details.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>SourceDir</source>
        <translation>Quellordner</translation>
    </message>
    <message>
        <source>DestinationDir</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Zeitpunkt</translation>
    </message>
    <message>
        <source>&amp;Popup Menu</source>
        <translation>&amp;Kontextmenü</translation>
    </message>
    <message>
        <source>&amp;Backup</source>
        <translation>&amp;Sichern</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Delete Ye&amp;ar</source>
        <translation>&amp;Jahr löschen</translation>
    </message>
    <message>
        <source>Delete M&amp;onth</source>
        <translation>&amp;Monat löschen</translation>
    </message>
    <message>
        <source>Delete Da&amp;y</source>
        <translation>&amp;Tag löschen</translation>
    </message>
    <message>
        <source>Delete &amp;Hour</source>
        <translation>St&amp;unde löschen</translation>
    </message>
    <message>
        <source>Delete Arch&amp;ive</source>
        <translation>&amp;Archiv löschen</translation>
    </message>
    <message>
        <source>&amp;Schedule Backups</source>
        <translation>Sicherungen &amp;planen</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Restore &amp;To...</source>
        <translation>Wiederherstellen &amp;nach...</translation>
    </message>
    <message>
        <source>&amp;Compare with Current...</source>
        <translation>Mit aktuellem Ordner &amp;vergleichen...</translation>
    </message>
    <message>
        <source>&amp;Find Files...</source>
        <translation>&amp;Dateien suchen...</translation>
    </message>
    <message>
        <source>Thin O&amp;ld Archives...</source>
        <translation>A&amp;lte Archive ausdünnen...</translation>
    </message>
    <message>
        <source>Succesfully deleted...</source>
        <translation>Erfolgreich gelöscht...</translation>
    </message>
    <message>
        <source>Delete Hour...</source>
        <translation>Stunde löschen...</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1 . This will delete old data.</source>
        <translation>Möchten Sie %1 wirklich löschen? Dabei werden alte Daten gelöscht.</translation>
    </message>
    <message>
        <source>Delete Day...</source>
        <translation>Tag löschen...</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1 . This will delete selected day data.</source>
        <translation>Möchten Sie %1 wirklich löschen? Dabei werden die Daten des ausgewählten Tages gelöscht.</translation>
    </message>
    <message>
        <source>Delete Month...</source>
        <translation>Monat löschen...</translation>
    </message>
    <message>
        <source>Delete Year...</source>
        <translation>Jahr löschen...</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1 . This will delete selected archive.</source>
        <translation>Möchten Sie %1 wirklich löschen? Dabei wird das ausgewählte Archiv gelöscht.</translation>
    </message>
    <message>
        <source>Delete Archive...</source>
        <translation>Archiv löschen...</translation>
    </message>
    <message>
        <source>Are you sure you want to copy %1 to %2 . This will delete old data.</source>
        <translation>Möchten Sie %1 wirklich nach %2 kopieren? Dabei werden alte Daten gelöscht.</translation>
    </message>
    <message>
        <source>Sure...</source>
        <translation>Sicher...</translation>
    </message>
    <message>
        <source>Done...</source>
        <translation>Fertig...</translation>
    </message>
    <message>
        <source>Select an archive first.</source>
        <translation>Wählen Sie zuerst ein Archiv aus.</translation>
    </message>
    <message>
        <source>Status...</source>
        <translation>Status...</translation>
    </message>
</context>
<context>
    <name>rnx10::frmBackUpScheduleA</name>
    <message>
        <source>Add Backup Schedule Task</source>
        <translation>Geplante Sicherung hinzufügen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Format : 22:00 (hh:mm)</source>
        <translation>Format: 22:00 (hh:mm)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>next</source>
        <translation>nächsten</translation>
    </message>
    <message>
        <source>every</source>
        <translation>jeden</translation>
    </message>
    <message>
        <source>Format : M,T,W,TH,F,S,SU</source>
        <translation>Format: M,T,W,TH,F,S,SU</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Backup schedule</source>
        <translation>Sicherungszeitplan</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Run once, at the next of the days</source>
        <translation>Einmal ausführen, am nächsten der Tage</translation>
    </message>
    <message>
        <source>Run on every one of the days</source>
        <translation>An jedem der Tage ausführen</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
    <message>
        <source>sure...</source>
        <translation>Sicher...</translation>
    </message>
    <message>
        <source>Zorvane backup tools has been successfully scheduled in windows schedules, you can modify schedules from windows schedule tasks under control panel</source>
        <translation>Die Zorvane-Sicherungsprogramme wurden erfolgreich in die Windows-Zeitpläne eingetragen. Sie können die Zeitpläne in der Systemsteuerung unter den geplanten Windows-Aufgaben ändern.</translation>
    </message>
    <message>
        <source>Scheduled...</source>
        <translation>Geplant...</translation>
    </message>
</context>
<context>
    <name>rnx10::frmMaintainceA</name>
    <message>
        <source>Double click to browse log folder now</source>
        <translation>Doppelklicken, um den Protokollordner jetzt zu öffnen</translation>
    </message>
    <message>
        <source>Browse log folder</source>
        <translation>Protokollordner öffnen</translation>
    </message>
    <message>
        <source>Deleted, except these folders, which were skipped because they are, hold or lie inside the backup store, the locker or the program folder:</source>
        <translation>Gelöscht, außer diesen Ordnern, die übersprungen wurden, weil sie der Sicherungsspeicher, das Schließfach oder der Programmordner sind, diese enthalten oder darin liegen:</translation>
    </message>
    <message>
        <source>Not everything could be deleted; these stayed:</source>
        <translation>Nicht alles konnte gelöscht werden; diese sind geblieben:</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... und %n weiterer.</numerusform>
            <numerusform>... und %n weitere.</numerusform>
        </translation>
    </message>
    <message>
        <source>Zorvane Maintaince</source>
        <translation>Zorvane-Wartung</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Wartung</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Delete Log files...</source>
        <translation>Protokolldateien löschen...</translation>
    </message>
    <message>
        <source>The log files contains all the log information about zorvane technologies, automation and products including system infromation and catcup files.</source>
        <translation>Die Protokolldateien enthalten alle Protokollinformationen über Zorvane-Technologien, -Automatisierung und -Produkte, einschließlich Systeminformationen und Catch-up-Dateien.</translation>
    </message>
    <message>
        <source>Backup Now...</source>
        <translation>Jetzt sichern...</translation>
    </message>
    <message>
        <source>You should regularly take backup of your important data.</source>
        <translation>Sie sollten Ihre wichtigen Daten regelmäßig sichern.</translation>
    </message>
    <message>
        <source>Do you want to clear all log files?</source>
        <translation>Möchten Sie alle Protokolldateien löschen?</translation>
    </message>
    <message>
        <source>Confirm...</source>
        <translation>Bestätigen...</translation>
    </message>
    <message>
        <source>Succesfully deleted.</source>
        <translation>Erfolgreich gelöscht.</translation>
    </message>
    <message>
        <source>Deleted...</source>
        <translation>Gelöscht...</translation>
    </message>
    <message>
        <source>Deleting...</source>
        <translation>Löschen...</translation>
    </message>
    <message>
        <source>Deleting the log files and the temporary files</source>
        <translation>Die Protokolldateien und die temporären Dateien werden gelöscht</translation>
    </message>
</context>
<context>
    <name>rnx10::frmRegistryA</name>
    <message>
        <source>Navigate To ZV Env</source>
        <translation>Zu ZV Env navigieren</translation>
    </message>
    <message>
        <source>Zorvane Support Center - Registry</source>
        <translation>Zorvane Support Center - Registry</translation>
    </message>
    <message>
        <source>Product settings</source>
        <translation>Produkteinstellungen</translation>
    </message>
    <message>
        <source>Opens the folder that holds the chosen product&apos;s settings</source>
        <translation>Öffnet den Ordner mit den Einstellungen des gewählten Produkts</translation>
    </message>
</context>
<context>
    <name>rnx10::frmThinArchives</name>
    <message>
        <source>Thin Old Archives</source>
        <translation>Alte Archive ausdünnen</translation>
    </message>
    <message>
        <source>Keep every run of the last (days):</source>
        <translation>Jeden Lauf der letzten (Tage) behalten:</translation>
    </message>
    <message>
        <source>Then the newest run of each of the last (days):</source>
        <translation>Dann den neuesten Lauf jedes der letzten (Tage):</translation>
    </message>
    <message>
        <source>... of each of the last (ISO weeks):</source>
        <translation>... jeder der letzten (ISO-Wochen):</translation>
    </message>
    <message>
        <source>... of each of the last (months):</source>
        <translation>... jedes der letzten (Monate):</translation>
    </message>
    <message>
        <source>... of each of the last (years):</source>
        <translation>... jedes der letzten (Jahre):</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Thin after every scheduled backup</source>
        <translation>Nach jeder geplanten Sicherung ausdünnen</translation>
    </message>
    <message>
        <source>Run to delete</source>
        <translation>Zu löschender Lauf</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>&amp;Thin</source>
        <translation>&amp;Ausdünnen</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n runs to delete</source>
        <translation>
            <numerusform>Zu löschen: %1 von %n Lauf</numerusform>
            <numerusform>Zu löschen: %1 von %n Läufen</numerusform>
        </translation>
    </message>
    <message>
        <source>, total %1%2</source>
        <translation>, insgesamt %1%2</translation>
    </message>
    <message>
        <source> so far</source>
        <translation> bisher</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete the %n runs listed? This will delete old data.</source>
        <translation>
            <numerusform>Möchten Sie den aufgeführten Lauf wirklich löschen? Dabei werden alte Daten gelöscht.</numerusform>
            <numerusform>Möchten Sie die %n aufgeführten Läufe wirklich löschen? Dabei werden alte Daten gelöscht.</numerusform>
        </translation>
    </message>
    <message>
        <source>Thinning...</source>
        <translation>Ausdünnen...</translation>
    </message>
    <message numerus="yes">
        <source>Deleting %n runs of %1</source>
        <translation>
            <numerusform>%n Lauf von %1 wird gelöscht</numerusform>
            <numerusform>%n Läufe von %1 werden gelöscht</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>A rule whose five numbers are all 0 would delete every run but the newest. Give at least one number above 0; this rule is not saved.</source>
        <translation>Eine Regel, deren fünf Zahlen alle 0 sind, würde jeden Lauf außer dem neuesten löschen. Geben Sie mindestens eine Zahl über 0 an; diese Regel wird nicht gespeichert.</translation>
    </message>
    <message numerus="yes">
        <source>%n runs deleted, %1 freed.</source>
        <translation>
            <numerusform>%n Lauf gelöscht, %1 freigegeben.</numerusform>
            <numerusform>%n Läufe gelöscht, %1 freigegeben.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rnx10::frmupdatesA</name>
    <message>
        <source>Zorvane Updates</source>
        <translation>Zorvane-Updates</translation>
    </message>
    <message>
        <source>New versions of the Zorvane suite are announced on the downloads page.</source>
        <translation>Neue Versionen der Zorvane-Suite werden auf der Download-Seite angekündigt.</translation>
    </message>
    <message>
        <source>New versions of the Zorvane suite are announced on the downloads page. Escape closes this window.</source>
        <translation>Neue Versionen der Zorvane-Suite werden auf der Download-Seite angekündigt. Escape schließt dieses Fenster.</translation>
    </message>
</context>
<context>
    <name>shellbak</name>
    <message>
        <source>no folder to back up (none listed in [ShellBackup], no ~/Documents)</source>
        <translation>kein Ordner zu sichern (keiner in [ShellBackup] angegeben, kein ~/Documents)</translation>
    </message>
</context>
</TS>
