<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AddTimeDialog</name>
    <message>
        <source>Add Time</source>
        <translation>Zeit hinzufügen</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>A time of day such as 14:00, 14:00:00 or 2:00 PM</source>
        <translation>Eine Uhrzeit wie 14:00, 14:00:00 oder 2:00 PM</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>&amp;Project:</source>
        <translation>&amp;Projekt:</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>&amp;Start time:</source>
        <translation>&amp;Beginn:</translation>
    </message>
    <message>
        <source>&amp;Minutes:</source>
        <translation>&amp;Minuten:</translation>
    </message>
    <message>
        <source>Edit Time</source>
        <translation>Zeit bearbeiten</translation>
    </message>
    <message>
        <source>The minutes must be a whole number from %1 to %2.</source>
        <translation>Die Minuten müssen eine ganze Zahl von %1 bis %2 sein.</translation>
    </message>
    <message>
        <source>Oops</source>
        <translation>Hoppla</translation>
    </message>
    <message>
        <source>The start time must be a time of day, such as 14:00, 14:00:00 or 2:00 PM.</source>
        <translation>Der Beginn muss eine Uhrzeit sein, etwa 14:00, 14:00:00 oder 2:00 PM.</translation>
    </message>
    <message>
        <source>A recording cannot end in the future: this one would end at %1. Choose an earlier start or fewer minutes.</source>
        <translation>Eine Aufzeichnung kann nicht in der Zukunft enden: Diese würde um %1 enden. Wählen Sie einen früheren Beginn oder weniger Minuten.</translation>
    </message>
</context>
<context>
    <name>AlarmClock</name>
    <message>
        <source>Alarm time</source>
        <translation>Weckzeit</translation>
    </message>
    <message>
        <source>Time of day, such as 7:00 AM or 19:30; Enter sets the alarm</source>
        <translation>Uhrzeit, etwa 7:00 AM oder 19:30; die Eingabetaste stellt den Wecker</translation>
    </message>
    <message>
        <source>Alarm status</source>
        <translation>Weckerstatus</translation>
    </message>
    <message>
        <source>Whether an alarm is set</source>
        <translation>Ob ein Wecker gestellt ist</translation>
    </message>
    <message>
        <source>Alarm ring time</source>
        <translation>Klingelzeit des Weckers</translation>
    </message>
    <message>
        <source>When the alarm rings, or when it rang</source>
        <translation>Wann der Wecker klingelt oder geklingelt hat</translation>
    </message>
    <message>
        <source>Invalid time entered</source>
        <translation>Ungültige Zeit eingegeben</translation>
    </message>
    <message>
        <source>Invalid entry.</source>
        <translation>Ungültige Eingabe.</translation>
    </message>
    <message>
        <source>Activated...</source>
        <translation>Aktiviert...</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Schlummern</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
<context>
    <name>AlarmPage</name>
    <message>
        <source>Set Alarm</source>
        <translation>Wecker stellen</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Schlummern</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
<context>
    <name>AlarmRules</name>
    <message>
        <source>Rings today at %1</source>
        <translation>Klingelt heute um %1</translation>
    </message>
    <message>
        <source>Rings tomorrow at %1</source>
        <translation>Klingelt morgen um %1</translation>
    </message>
    <message numerus="yes">
        <source>Rings in %n days at %1</source>
        <translation>
            <numerusform>Klingelt in %n Tag um %1</numerusform>
            <numerusform>Klingelt in %n Tagen um %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Rang at %1</source>
        <translation>Klingelte um %1</translation>
    </message>
    <message>
        <source>Snoozed until %1</source>
        <translation>Schlummern bis %1</translation>
    </message>
</context>
<context>
    <name>AwayWatch</name>
    <message>
        <source>You were away from %1 to %2 (1 minute) while recording %3.</source>
        <translation>Sie waren von %1 bis %2 abwesend (1 Minute), während %3 aufgezeichnet wurde.</translation>
    </message>
    <message numerus="yes">
        <source>You were away from %1 to %2 (%n minutes) while recording %3.</source>
        <translation>
            <numerusform>Sie waren von %1 bis %2 abwesend (%n Minute), während %3 aufgezeichnet wurde.</numerusform>
            <numerusform>Sie waren von %1 bis %2 abwesend (%n Minuten), während %3 aufgezeichnet wurde.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClockFace</name>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
</context>
<context>
    <name>ClockPage</name>
    <message>
        <source>Not yet started</source>
        <translation>Noch nicht gestartet</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;chimeral --help&apos;.</source>
        <translation>Siehe &apos;chimeral --help&apos;.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>No tab &apos;%1&apos;; the tabs are timer, alarm, stopwatch, record and clock.</source>
        <translation>Keine Registerkarte &apos;%1&apos;; die Registerkarten sind timer, alarm, stopwatch, record und clock.</translation>
    </message>
    <message>
        <source>give only one of --pause, --resume and --cancel</source>
        <translation>nur eine der Optionen --pause, --resume und --cancel angeben</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a countdown duration (such as 3:00, 0:30 or 10)</source>
        <translation>&apos;%1&apos; ist keine Countdown-Dauer (etwa 3:00, 0:30 oder 10)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an alarm time (such as 7:00 AM or 19:30)</source>
        <translation>&apos;%1&apos; ist keine Weckzeit (etwa 7:00 AM oder 19:30)</translation>
    </message>
    <message>
        <source>Countdown timer, alarm clock, stopwatch, work-time recorder and clock.
A start in a folder where the program already runs hands its options to that window.</source>
        <translation>Countdown, Wecker, Stoppuhr, Arbeitszeiterfassung und Uhr.
Ein Start in einem Ordner, in dem das Programm schon läuft, übergibt seine Optionen an dieses Fenster.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Start a countdown of DURATION, minutes and seconds as in the countdown entry (3:00, 0:30, 10).</source>
        <translation>Einen Countdown von DAUER starten, Minuten und Sekunden wie im Eingabefeld des Countdowns (3:00, 0:30, 10).</translation>
    </message>
    <message>
        <source>DURATION</source>
        <translation>DAUER</translation>
    </message>
    <message>
        <source>Set the alarm for TIME, as in the alarm entry (7:00 AM, 19:30).</source>
        <translation>Den Wecker auf ZEIT stellen, wie im Eingabefeld des Weckers (7:00 AM, 19:30).</translation>
    </message>
    <message>
        <source>TIME</source>
        <translation>ZEIT</translation>
    </message>
    <message>
        <source>Show the tab NAME first: timer, alarm, stopwatch, record or clock.</source>
        <translation>Zuerst die Registerkarte NAME zeigen: timer, alarm, stopwatch, record oder clock.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Pause the countdown of the window running in this folder.</source>
        <translation>Den Countdown des Fensters anhalten, das in diesem Ordner läuft.</translation>
    </message>
    <message>
        <source>Resume the paused countdown of the window running in this folder.</source>
        <translation>Den angehaltenen Countdown des Fensters fortsetzen, das in diesem Ordner läuft.</translation>
    </message>
    <message>
        <source>Cancel the countdown of the window running in this folder, without its sound.</source>
        <translation>Den Countdown des Fensters, das in diesem Ordner läuft, ohne seinen Klang abbrechen.</translation>
    </message>
</context>
<context>
    <name>Countdown</name>
    <message>
        <source>Countdown duration</source>
        <translation>Countdown-Dauer</translation>
    </message>
    <message>
        <source>Minutes and seconds, such as 0:30; Enter starts the countdown</source>
        <translation>Minuten und Sekunden, etwa 0:30; die Eingabetaste startet den Countdown</translation>
    </message>
    <message>
        <source>Countdown status</source>
        <translation>Countdown-Status</translation>
    </message>
    <message>
        <source>Whether a countdown runs or is done</source>
        <translation>Ob ein Countdown läuft oder abgelaufen ist</translation>
    </message>
    <message>
        <source>Countdown time left</source>
        <translation>Restzeit des Countdowns</translation>
    </message>
    <message>
        <source>Time left on the countdown</source>
        <translation>Verbleibende Zeit des Countdowns</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Invalid time entered</source>
        <translation>Ungültige Zeit eingegeben</translation>
    </message>
    <message>
        <source>Invalid entry.</source>
        <translation>Ungültige Eingabe.</translation>
    </message>
    <message>
        <source>Counting...</source>
        <translation>Läuft...</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
</context>
<context>
    <name>CountdownPage</name>
    <message>
        <source>20 Seconds</source>
        <translation>20 Sekunden</translation>
    </message>
    <message>
        <source>3 Minutes</source>
        <translation>3 Minuten</translation>
    </message>
    <message>
        <source>10 Minutes</source>
        <translation>10 Minuten</translation>
    </message>
    <message>
        <source>90 Seconds</source>
        <translation>90 Sekunden</translation>
    </message>
    <message>
        <source>4 Minutes</source>
        <translation>4 Minuten</translation>
    </message>
    <message>
        <source>Specify</source>
        <translation>Eingeben</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CountdownRules</name>
    <message>
        <source> %1 min %2 sec </source>
        <translation> %1 Min. %2 Sek. </translation>
    </message>
    <message>
        <source> %1 sec </source>
        <translation> %1 Sek. </translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>FileChecks</name>
    <message>
        <source>is a folder, not a regular file</source>
        <translation>ist ein Ordner, keine reguläre Datei</translation>
    </message>
    <message>
        <source>is a named pipe, not a regular file</source>
        <translation>ist eine benannte Pipe, keine reguläre Datei</translation>
    </message>
    <message>
        <source>is a socket, not a regular file</source>
        <translation>ist ein Socket, keine reguläre Datei</translation>
    </message>
    <message>
        <source>is a device, not a regular file</source>
        <translation>ist ein Gerät, keine reguläre Datei</translation>
    </message>
    <message>
        <source>is a special file, not a regular file</source>
        <translation>ist eine Spezialdatei, keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Diese Woche</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Gesamter Zeitraum</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>All projects</source>
        <translation>Alle Projekte</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>&amp;Project:</source>
        <translation>&amp;Projekt:</translation>
    </message>
    <message>
        <source>P&amp;eriod:</source>
        <translation>&amp;Zeitraum:</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Aufzeichnungen</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Bearbeiten...</translation>
    </message>
    <message>
        <source>Edits the selected recording</source>
        <translation>Bearbeitet die ausgewählte Aufzeichnung</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Deletes the selected recordings</source>
        <translation>Löscht die ausgewählten Aufzeichnungen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The time records cannot be read: %1</source>
        <translation>Die Zeiterfassung kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>%1 löschen?</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Countdown finished</source>
        <translation>Countdown abgelaufen</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Wecker</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 min %2 sec</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>Alarm: %1</source>
        <translation>Wecker: %1</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
</context>
<context>
    <name>PanelRules</name>
    <message>
        <source>Countdown: %1 left</source>
        <translation>Countdown: noch %1</translation>
    </message>
    <message>
        <source>Countdown: paused at %1</source>
        <translation>Countdown: angehalten bei %1</translation>
    </message>
    <message>
        <source>Alarm at %1</source>
        <translation>Wecker um %1</translation>
    </message>
    <message>
        <source>Stopwatch: %1</source>
        <translation>Stoppuhr: %1</translation>
    </message>
    <message>
        <source>Recording %1: %2</source>
        <translation>Aufzeichnung %1: %2</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Fenster anzeigen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Schlummern</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Aufzeichnung beenden</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Timer and Alarm Clock</source>
        <translation>Timer und Wecker</translation>
    </message>
    <message>
        <source>the window already running in this folder does not answer</source>
        <translation>das Fenster, das in diesem Ordner bereits läuft, antwortet nicht</translation>
    </message>
    <message>
        <source>no display to show the window on</source>
        <translation>kein Bildschirm, auf dem das Fenster angezeigt werden kann</translation>
    </message>
</context>
<context>
    <name>ProjectStore</name>
    <message>
        <source>Could not open database file. %1 %2.</source>
        <translation>Die Datenbankdatei konnte nicht geöffnet werden. %1 %2.</translation>
    </message>
    <message>
        <source>Oops</source>
        <translation>Hoppla</translation>
    </message>
    <message>
        <source>Could not attach to SQLite DLL. %1</source>
        <translation>Die SQLite-Bibliothek konnte nicht geladen werden. %1</translation>
    </message>
    <message>
        <source>Could not open database file. %1</source>
        <translation>Die Datenbankdatei konnte nicht geöffnet werden. %1</translation>
    </message>
    <message>
        <source>Could not create %1 table. </source>
        <translation>Die Tabelle %1 konnte nicht angelegt werden. </translation>
    </message>
    <message>
        <source>Initialization error</source>
        <translation>Fehler bei der Initialisierung</translation>
    </message>
    <message>
        <source>No project database is open, so no time can be recorded or summed.</source>
        <translation>Keine Projektdatenbank ist geöffnet, daher kann keine Zeit erfasst oder summiert werden.</translation>
    </message>
    <message>
        <source>Error in query. %1</source>
        <translation>Fehler in der Abfrage. %1</translation>
    </message>
    <message>
        <source>Error in SQL command: %1 %2</source>
        <translation>Fehler im SQL-Befehl: %1 %2</translation>
    </message>
    <message>
        <source>SQL error</source>
        <translation>SQL-Fehler</translation>
    </message>
    <message>
        <source>Unexpected result from query</source>
        <translation>Unerwartetes Ergebnis der Abfrage</translation>
    </message>
    <message>
        <source>Houston we have a problem</source>
        <translation>Houston, wir haben ein Problem</translation>
    </message>
    <message>
        <source>Error in maximum ID query. %1</source>
        <translation>Fehler in der Abfrage der höchsten ID. %1</translation>
    </message>
    <message>
        <source>Invalid project number</source>
        <translation>Ungültige Projektnummer</translation>
    </message>
    <message>
        <source>The time was not stored.</source>
        <translation>Die Zeit wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Time Record</source>
        <translation>Zeiterfassung</translation>
    </message>
    <message>
        <source>Error in SQL command: %1 No second is free in the minute from the start.</source>
        <translation>Fehler im SQL-Befehl: %1 In der Minute ab dem Beginn ist keine Sekunde frei.</translation>
    </message>
    <message>
        <source>Not worth recording less than a minute</source>
        <translation>Weniger als eine Minute lohnt sich nicht</translation>
    </message>
    <message>
        <source>Seriously?</source>
        <translation>Im Ernst?</translation>
    </message>
    <message>
        <source>You must have a project selected!</source>
        <translation>Sie müssen ein Projekt auswählen!</translation>
    </message>
    <message>
        <source>The recording was changed or deleted meanwhile.</source>
        <translation>Die Aufzeichnung wurde inzwischen geändert oder gelöscht.</translation>
    </message>
    <message>
        <source>There is no project named %1.</source>
        <translation>Es gibt kein Projekt namens %1.</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>%1 gibt es bereits.</translation>
    </message>
    <message>
        <source>1 recording</source>
        <translation>1 Aufzeichnung</translation>
    </message>
    <message numerus="yes">
        <source>%n recordings</source>
        <translation>
            <numerusform>%n Aufzeichnung</numerusform>
            <numerusform>%n Aufzeichnungen</numerusform>
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
</context>
<context>
    <name>RecordCommands</name>
    <message>
        <source>Write the time records to FILE as CSV (- for standard output), then end.</source>
        <translation>Die Zeiterfassung als CSV in DATEI schreiben (- für die Standardausgabe), dann beenden.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Print the minutes worked per project, then end.</source>
        <translation>Die gearbeiteten Minuten je Projekt ausgeben, dann beenden.</translation>
    </message>
    <message>
        <source>Only the records from DAY on, given as YYYY-MM-DD.</source>
        <translation>Nur die Einträge ab TAG, angegeben als JJJJ-MM-TT.</translation>
    </message>
    <message>
        <source>DAY</source>
        <translation>TAG</translation>
    </message>
    <message>
        <source>Only the records of project NAME.</source>
        <translation>Nur die Einträge des Projekts NAME.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Read the time records from FILE instead of chimeral.db in the current folder.</source>
        <translation>Die Zeiterfassung aus DATEI statt aus chimeral.db im aktuellen Ordner lesen.</translation>
    </message>
    <message>
        <source>The options &apos;--since&apos;, &apos;--project&apos; and &apos;--database&apos; go with &apos;--export-csv&apos; or &apos;--report&apos;.</source>
        <translation>Die Optionen &apos;--since&apos;, &apos;--project&apos; und &apos;--database&apos; gehören zu &apos;--export-csv&apos; oder &apos;--report&apos;.</translation>
    </message>
    <message>
        <source>The options &apos;--export-csv&apos; and &apos;--report&apos; cannot be given together.</source>
        <translation>Die Optionen &apos;--export-csv&apos; und &apos;--report&apos; können nicht zusammen angegeben werden.</translation>
    </message>
    <message>
        <source>The option &apos;--since&apos; needs a calendar day written YYYY-MM-DD.</source>
        <translation>Die Option &apos;--since&apos; braucht einen Kalendertag in der Form JJJJ-MM-TT.</translation>
    </message>
    <message>
        <source>The option &apos;--database&apos; needs a file name.</source>
        <translation>Die Option &apos;--database&apos; braucht einen Dateinamen.</translation>
    </message>
</context>
<context>
    <name>RecordExport</name>
    <message>
        <source>Could not read the time records in %1: it %2</source>
        <translation>Die Zeiterfassung konnte nicht gelesen werden: %1 %2</translation>
    </message>
    <message>
        <source>Could not read the time records in %1: %2</source>
        <translation>Die Zeiterfassung in %1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Reading the time records in %1 failed: %2</source>
        <translation>Das Lesen der Zeiterfassung in %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>The option &apos;--export-csv&apos; needs a file name, or - for standard output</source>
        <translation>Die Option &apos;--export-csv&apos; braucht einen Dateinamen oder - für die Standardausgabe</translation>
    </message>
    <message>
        <source>Will not write %1: it is the database the records are read from</source>
        <translation>%1 wird nicht geschrieben: Es ist die Datenbank, aus der die Einträge gelesen werden</translation>
    </message>
    <message>
        <source>Could not write the records: %1</source>
        <translation>Die Einträge konnten nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Could not write the report: %1</source>
        <translation>Der Bericht konnte nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>RecordingRecovery</name>
    <message>
        <source>Recovered 1 minute recorded for %1, started %2, and stored it.</source>
        <translation>1 aufgezeichnete Minute für %1, begonnen %2, wiederhergestellt und gespeichert.</translation>
    </message>
    <message>
        <source>Time Record</source>
        <translation>Zeiterfassung</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The recording journal %1 cannot be read, so nothing was stored from it. It is kept as %2.</source>
        <translation>Das Aufzeichnungsjournal %1 kann nicht gelesen werden, daher wurde nichts daraus gespeichert. Es wird als %2 aufbewahrt.</translation>
    </message>
    <message numerus="yes">
        <source>Recovered %n minutes recorded for %1, started %2, and stored it.</source>
        <translation>
            <numerusform>%n aufgezeichnete Minute für %1, begonnen %2, wiederhergestellt und gespeichert.</numerusform>
            <numerusform>%n aufgezeichnete Minuten für %1, begonnen %2, wiederhergestellt und gespeichert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n recording journals beside %1 cannot be read, so nothing was stored from them. They are kept as .bad files beside it.</source>
        <translation>
            <numerusform>%n Aufzeichnungsjournal neben %1 kann nicht gelesen werden, daher wurde nichts daraus gespeichert. Es wird als .bad-Datei daneben aufbewahrt.</numerusform>
            <numerusform>%n Aufzeichnungsjournale neben %1 können nicht gelesen werden, daher wurde nichts daraus gespeichert. Sie werden als .bad-Dateien daneben aufbewahrt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SafeReplace</name>
    <message>
        <source>a link that belongs to another user</source>
        <translation>ein Link, der einem anderen Benutzer gehört</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>Stopwatch</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Stopwatch time</source>
        <translation>Stoppuhrzeit</translation>
    </message>
    <message>
        <source>Time on the stopwatch</source>
        <translation>Zeit auf der Stoppuhr</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
</context>
<context>
    <name>StopwatchPage</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Lap</source>
        <translation>Runde</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>Runden</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
</context>
<context>
    <name>StoreBoxes</name>
    <message>
        <source>Error in SQL command: %1 The recording&apos;s journal could not be written.</source>
        <translation>Fehler im SQL-Befehl: %1 Das Journal der Aufzeichnung konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Alarm Clock and Timer</source>
        <translation>Wecker und Timer</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Wecker</translation>
    </message>
    <message>
        <source>StopWatch</source>
        <translation>Stoppuhr</translation>
    </message>
    <message>
        <source>Time Record</source>
        <translation>Zeiterfassung</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Tst</source>
        <translation>Tst</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Clock</source>
        <translation>&amp;Uhr</translation>
    </message>
    <message>
        <source>&amp;Records</source>
        <translation>&amp;Aufzeichnungen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>test &amp;Timer sound</source>
        <translation>&amp;Timer-Klang testen</translation>
    </message>
    <message>
        <source>test &amp;Alarm sound</source>
        <translation>&amp;Weckerklang testen</translation>
    </message>
    <message>
        <source>e&amp;Xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Text 24 hour</source>
        <translation>Text 24 Stunden</translation>
    </message>
    <message>
        <source>Text 12 hour</source>
        <translation>Text 12 Stunden</translation>
    </message>
    <message>
        <source>Roman Numerals 24 hour</source>
        <translation>Römische Zahlen 24 Stunden</translation>
    </message>
    <message>
        <source>Roman Numerals 12 hour</source>
        <translation>Römische Zahlen 12 Stunden</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>Binär</translation>
    </message>
    <message>
        <source>Digits 24 hour</source>
        <translation>Ziffern 24 Stunden</translation>
    </message>
    <message>
        <source>Digits 12 hour</source>
        <translation>Ziffern 12 Stunden</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>Ring Until Stopped</source>
        <translation>Klingeln bis gestoppt</translation>
    </message>
    <message>
        <source>&amp;Warranty</source>
        <translation>&amp;Gewährleistung</translation>
    </message>
    <message>
        <source>&amp;Log an error or comment</source>
        <translation>&amp;Fehler oder Kommentar protokollieren</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Totals...</source>
        <translation>&amp;Summen...</translation>
    </message>
    <message>
        <source>&amp;Add Time...</source>
        <translation>Zeit &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV &amp;exportieren...</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Verlauf...</translation>
    </message>
    <message>
        <source>Media Player does not seem to be functioning</source>
        <translation>Die Medienwiedergabe scheint nicht zu funktionieren</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Alarm sound file name</source>
        <translation>Klangdatei des Weckers</translation>
    </message>
    <message>
        <source>Timer sound file name</source>
        <translation>Klangdatei des Countdowns</translation>
    </message>
    <message>
        <source>No file set for the alarm sound. Please set with the Options menu</source>
        <translation>Keine Datei für den Weckerklang festgelegt. Bitte im Menü Optionen festlegen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>No file set for the timer sound. Please set with the Options menu</source>
        <translation>Keine Datei für den Countdown-Klang festgelegt. Bitte im Menü Optionen festlegen</translation>
    </message>
    <message>
        <source>Could not save the options to %1.</source>
        <translation>Die Optionen konnten nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Sound files</source>
        <translation>Klangdateien</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>This program functions as a timer, stop, alarm clock and project work timer. It was designed for Quen&apos;s personal use and if you can utilize it all the better.</source>
        <translation>Dieses Programm dient als Countdown, Stoppuhr, Wecker und Zeiterfassung für Projekte. Es wurde für Quens eigenen Gebrauch entworfen, und wenn Sie es nutzen können, umso besser.</translation>
    </message>
    <message>
        <source>The program is unconditionally unwarranted. In particular, since you paid nothing, if this thing wrecks your computer, your car, your stock portfolio or your relationships you have absolutely no legal rights for compensation. Is that clear enough?</source>
        <translation>Für das Programm gibt es keinerlei Gewährleistung. Insbesondere haben Sie, da Sie nichts bezahlt haben, absolut keinen Anspruch auf Schadenersatz, falls dieses Ding Ihren Computer, Ihr Auto, Ihr Aktiendepot oder Ihre Beziehungen ruiniert. Ist das klar genug?</translation>
    </message>
    <message>
        <source>You got to be kidding!</source>
        <translation>Das ist doch ein Scherz!</translation>
    </message>
    <message>
        <source>Please enter your comments and be as specific as possible.</source>
        <translation>Bitte geben Sie Ihre Anmerkungen ein, so genau wie möglich.</translation>
    </message>
    <message>
        <source>There is no file name given for the timer. Use Options to choose the wave, midi or other file to play for the timer.</source>
        <translation>Für den Countdown ist kein Dateiname angegeben. Wählen Sie unter Optionen die WAV-, MIDI- oder andere Datei, die der Countdown abspielt.</translation>
    </message>
    <message>
        <source>No timer sound file!</source>
        <translation>Keine Klangdatei für den Countdown!</translation>
    </message>
    <message>
        <source>There is no file name given for the alarm. Use Options to choose the wav/mid file to play for the alarm.</source>
        <translation>Für den Wecker ist kein Dateiname angegeben. Wählen Sie unter Optionen die WAV/MID-Datei, die der Wecker abspielt.</translation>
    </message>
    <message>
        <source>No alarm sound file!</source>
        <translation>Keine Klangdatei für den Wecker!</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>CSV-Dateien</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Could not export to %1.</source>
        <translation>Export nach %1 nicht möglich.</translation>
    </message>
</context>
<context>
    <name>TOptionsForm</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
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
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>The field did not contain an integer</source>
        <translation>Das Feld enthielt keine ganze Zahl</translation>
    </message>
    <message>
        <source>The field did not contain yes or no</source>
        <translation>Das Feld enthielt weder Yes noch No</translation>
    </message>
    <message>
        <source>This value is just a string - edit it.</source>
        <translation>Dieser Wert ist nur Text - bearbeiten Sie ihn.</translation>
    </message>
    <message>
        <source>Change is not needed</source>
        <translation>Ändern ist nicht nötig</translation>
    </message>
    <message>
        <source>The value needs to be Yes or No and is not. I cannot change it, edit it yourself.</source>
        <translation>Der Wert muss Yes oder No sein und ist es nicht. Ich kann ihn nicht ändern, bearbeiten Sie ihn selbst.</translation>
    </message>
    <message>
        <source>Error changing boolean.</source>
        <translation>Fehler beim Ändern des Ja/Nein-Werts.</translation>
    </message>
    <message>
        <source>The type seems to be wrong, contact programming support.</source>
        <translation>Der Typ scheint falsch zu sein, wenden Sie sich an den Programmsupport.</translation>
    </message>
    <message>
        <source>Program Error.</source>
        <translation>Programmfehler.</translation>
    </message>
</context>
<context>
    <name>TQuenAbout</name>
    <message>
        <source>About this program ...</source>
        <translation>Über dieses Programm ...</translation>
    </message>
    <message>
        <source>This program does something.</source>
        <translation>Dieses Programm tut etwas.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Copyright (c) %1-%2 %3</source>
        <translation>Copyright (c) %1-%2 %3</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
</context>
<context>
    <name>TUserLogWindow</name>
    <message>
        <source>Log  Errors and User Comments</source>
        <translation>Fehler und Kommentare protokollieren</translation>
    </message>
    <message>
        <source>Time and Date is automatically saved.</source>
        <translation>Uhrzeit und Datum werden automatisch gespeichert.</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Eintragen</translation>
    </message>
    <message>
        <source>Log and Close</source>
        <translation>Eintragen, fertig</translation>
    </message>
    <message>
        <source>Close without a Log</source>
        <translation>Nur schließen</translation>
    </message>
    <message>
        <source>Could not write to the log file.</source>
        <translation>Die Protokolldatei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Could not write to the log file %1.</source>
        <translation>Die Protokolldatei %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>TimeRecordPage</name>
    <message>
        <source>00:00</source>
        <translation>00:00</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Get Minutes Since</source>
        <translation>Minuten seit</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>2017</source>
        <translation>2017</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>Show Schema</source>
        <translation>Schema zeigen</translation>
    </message>
    <message>
        <source>SQL Client</source>
        <translation>SQL-Client</translation>
    </message>
</context>
<context>
    <name>TimeRecorder</name>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>The project to record; Enter starts or stops</source>
        <translation>Das aufzuzeichnende Projekt; Eingabe startet oder stoppt</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Projektname</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Year of the date the minutes are counted from</source>
        <translation>Jahr des Datums, ab dem die Minuten gezählt werden</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Month of the date the minutes are counted from</source>
        <translation>Monat des Datums, ab dem die Minuten gezählt werden</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Day of the date the minutes are counted from</source>
        <translation>Tag des Datums, ab dem die Minuten gezählt werden</translation>
    </message>
    <message>
        <source>Recorded time</source>
        <translation>Aufgezeichnete Zeit</translation>
    </message>
    <message>
        <source>Time counted by the current recording</source>
        <translation>Von der laufenden Aufzeichnung gezählte Zeit</translation>
    </message>
    <message>
        <source>Minutes since the date</source>
        <translation>Minuten seit dem Datum</translation>
    </message>
    <message>
        <source>Minutes recorded for the project since the date</source>
        <translation>Seit dem Datum für das Projekt aufgezeichnete Minuten</translation>
    </message>
    <message>
        <source>Not recording</source>
        <translation>Keine Aufzeichnung</translation>
    </message>
    <message>
        <source>The project the running recording is stored under</source>
        <translation>Das Projekt, unter dem die laufende Aufzeichnung gespeichert wird</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Recording %1</source>
        <translation>Aufzeichnung: %1</translation>
    </message>
    <message>
        <source>You must have a project selected!</source>
        <translation>Sie müssen ein Projekt auswählen!</translation>
    </message>
    <message>
        <source>Oops</source>
        <translation>Hoppla</translation>
    </message>
    <message>
        <source>Attempt to write a readonly database</source>
        <translation>Versuch, in eine schreibgeschützte Datenbank zu schreiben</translation>
    </message>
    <message>
        <source>SQL error</source>
        <translation>SQL-Fehler</translation>
    </message>
    <message>
        <source>Time Record</source>
        <translation>Zeiterfassung</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Two tables: projects and times</source>
        <translation>Zwei Tabellen: projects und times</translation>
    </message>
    <message>
        <source>Not much help</source>
        <translation>Keine große Hilfe</translation>
    </message>
    <message>
        <source>Could not start the SQL client. %1 %2.</source>
        <translation>Der SQL-Client konnte nicht gestartet werden. %1 %2.</translation>
    </message>
    <message>
        <source>No project database is open, so no time can be recorded or summed. Set the alarm sound under Options &gt; Sounds and start the program again.</source>
        <translation>Keine Projektdatenbank ist geöffnet, daher kann keine Zeit aufgezeichnet oder summiert werden. Legen Sie den Weckerklang unter Optionen &gt; Klänge fest und starten Sie das Programm neu.</translation>
    </message>
    <message>
        <source>No project database is open, so no time can be recorded or summed.</source>
        <translation>Keine Projektdatenbank ist geöffnet, daher kann keine Zeit aufgezeichnet oder summiert werden.</translation>
    </message>
    <message>
        <source>Not worth recording less than a minute</source>
        <translation>Weniger als eine Minute lohnt sich nicht</translation>
    </message>
    <message>
        <source>Seriously?</source>
        <translation>Im Ernst?</translation>
    </message>
    <message>
        <source>The time is kept and will be stored when the program next starts in this folder.</source>
        <translation>Die Zeit bleibt erhalten und wird gespeichert, wenn das Programm das nächste Mal in diesem Ordner startet.</translation>
    </message>
    <message>
        <source>The time is kept; press Stop again to store it.</source>
        <translation>Die Zeit bleibt erhalten; klicken Sie erneut auf Stopp, um sie zu speichern.</translation>
    </message>
</context>
<context>
    <name>TotalsWindow</name>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Today (h:mm)</source>
        <translation>Heute (h:mm)</translation>
    </message>
    <message>
        <source>This week (h:mm)</source>
        <translation>Woche (h:mm)</translation>
    </message>
    <message>
        <source>This month (h:mm)</source>
        <translation>Monat (h:mm)</translation>
    </message>
    <message>
        <source>All time (h:mm)</source>
        <translation>Gesamt (h:mm)</translation>
    </message>
    <message>
        <source>All projects</source>
        <translation>Alle Projekte</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Summen</translation>
    </message>
    <message>
        <source>Totals per project</source>
        <translation>Summen je Projekt</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copies the table as tab-separated text</source>
        <translation>Kopiert die Tabelle als tabulatorgetrennten Text</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Umbenennen...</translation>
    </message>
    <message>
        <source>Renames the selected project</source>
        <translation>Benennt das ausgewählte Projekt um</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Löschen...</translation>
    </message>
    <message>
        <source>Deletes the selected project and its recordings</source>
        <translation>Löscht das ausgewählte Projekt und seine Aufzeichnungen</translation>
    </message>
    <message>
        <source>No project database is open</source>
        <translation>Keine Projektdatenbank ist geöffnet</translation>
    </message>
    <message>
        <source>The time records cannot be read: %1</source>
        <translation>Die Zeitaufzeichnungen können nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Stop the recording of %1 first.</source>
        <translation>Beenden Sie zuerst die Aufzeichnung von %1.</translation>
    </message>
    <message>
        <source>&amp;New name for %1:</source>
        <translation>&amp;Neuer Name für %1:</translation>
    </message>
    <message>
        <source>%1 already exists. Move its %2 to %1 and remove %3?</source>
        <translation>%1 gibt es schon. %2 von %3 nach %1 verschieben und %3 entfernen?</translation>
    </message>
    <message>
        <source>Delete %1 and its %2?</source>
        <translation>%1 mit %2 löschen?</translation>
    </message>
</context>
</TS>
