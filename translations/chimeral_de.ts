<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
    <name>Program</name>
    <message>
        <source>Timer and Alarm Clock</source>
        <translation>Timer und Wecker</translation>
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
</TS>
