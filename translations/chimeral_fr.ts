<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AlarmClock</name>
    <message>
        <source>Alarm time</source>
        <translation>Heure de l&apos;alarme</translation>
    </message>
    <message>
        <source>Time of day, such as 7:00 AM or 19:30; Enter sets the alarm</source>
        <translation>Heure du jour, par exemple 7:00 AM ou 19:30 ; Entrée règle l&apos;alarme</translation>
    </message>
    <message>
        <source>Alarm status</source>
        <translation>État de l&apos;alarme</translation>
    </message>
    <message>
        <source>Whether an alarm is set</source>
        <translation>Si une alarme est réglée</translation>
    </message>
    <message>
        <source>Alarm ring time</source>
        <translation>Heure de sonnerie de l&apos;alarme</translation>
    </message>
    <message>
        <source>When the alarm rings, or when it rang</source>
        <translation>Quand l&apos;alarme sonnera, ou quand elle a sonné</translation>
    </message>
    <message>
        <source>Invalid time entered</source>
        <translation>Heure saisie non valide</translation>
    </message>
    <message>
        <source>Invalid entry.</source>
        <translation>Saisie non valide.</translation>
    </message>
    <message>
        <source>Activated...</source>
        <translation>Activée...</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>AlarmPage</name>
    <message>
        <source>Set Alarm</source>
        <translation>Régler l&apos;alarme</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>AlarmRules</name>
    <message>
        <source>Rings today at %1</source>
        <translation>Sonne aujourd&apos;hui à %1</translation>
    </message>
    <message>
        <source>Rings tomorrow at %1</source>
        <translation>Sonne demain à %1</translation>
    </message>
    <message numerus="yes">
        <source>Rings in %n days at %1</source>
        <translation>
            <numerusform>Sonne dans %n jour à %1</numerusform>
            <numerusform>Sonne dans %n jours à %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Rang at %1</source>
        <translation>A sonné à %1</translation>
    </message>
    <message>
        <source>Snoozed until %1</source>
        <translation>Répétition jusqu&apos;à %1</translation>
    </message>
</context>
<context>
    <name>ClockFace</name>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
</context>
<context>
    <name>ClockPage</name>
    <message>
        <source>Not yet started</source>
        <translation>Pas encore démarrée</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;chimeral --help&apos;.</source>
        <translation>Essayez « chimeral --help ».</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
    <message>
        <source>No tab &apos;%1&apos;; the tabs are timer, alarm, stopwatch, record and clock.</source>
        <translation>Pas d&apos;onglet « %1 » ; les onglets sont timer, alarm, stopwatch, record et clock.</translation>
    </message>
    <message>
        <source>give only one of --pause, --resume and --cancel</source>
        <translation>ne donnez qu&apos;une seule des options --pause, --resume et --cancel</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a countdown duration (such as 3:00, 0:30 or 10)</source>
        <translation>« %1 » n&apos;est pas une durée de compte à rebours (comme 3:00, 0:30 ou 10)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an alarm time (such as 7:00 AM or 19:30)</source>
        <translation>« %1 » n&apos;est pas une heure d&apos;alarme (comme 7:00 AM ou 19:30)</translation>
    </message>
    <message>
        <source>Countdown timer, alarm clock, stopwatch, work-time recorder and clock.
A start in a folder where the program already runs hands its options to that window.</source>
        <translation>Compte à rebours, réveil, chronomètre, relevé du temps de travail et horloge.
Un lancement dans un dossier où le programme tourne déjà transmet ses options à cette fenêtre.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message>
        <source>Start a countdown of DURATION, minutes and seconds as in the countdown entry (3:00, 0:30, 10).</source>
        <translation>Lance un compte à rebours de DURÉE, minutes et secondes comme dans la saisie du compte à rebours (3:00, 0:30, 10).</translation>
    </message>
    <message>
        <source>DURATION</source>
        <translation>DURÉE</translation>
    </message>
    <message>
        <source>Set the alarm for TIME, as in the alarm entry (7:00 AM, 19:30).</source>
        <translation>Règle l&apos;alarme sur HEURE, comme dans la saisie de l&apos;alarme (7:00 AM, 19:30).</translation>
    </message>
    <message>
        <source>TIME</source>
        <translation>HEURE</translation>
    </message>
    <message>
        <source>Show the tab NAME first: timer, alarm, stopwatch, record or clock.</source>
        <translation>Affiche d&apos;abord l&apos;onglet NOM : timer, alarm, stopwatch, record ou clock.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>Pause the countdown of the window running in this folder.</source>
        <translation>Met en pause le compte à rebours de la fenêtre ouverte dans ce dossier.</translation>
    </message>
    <message>
        <source>Resume the paused countdown of the window running in this folder.</source>
        <translation>Reprend le compte à rebours en pause de la fenêtre ouverte dans ce dossier.</translation>
    </message>
    <message>
        <source>Cancel the countdown of the window running in this folder, without its sound.</source>
        <translation>Annule le compte à rebours de la fenêtre ouverte dans ce dossier, sans son son.</translation>
    </message>
</context>
<context>
    <name>Countdown</name>
    <message>
        <source>Countdown duration</source>
        <translation>Durée du compte à rebours</translation>
    </message>
    <message>
        <source>Minutes and seconds, such as 0:30; Enter starts the countdown</source>
        <translation>Minutes et secondes, par exemple 0:30 ; Entrée lance le compte à rebours</translation>
    </message>
    <message>
        <source>Countdown status</source>
        <translation>État du compte à rebours</translation>
    </message>
    <message>
        <source>Whether a countdown runs or is done</source>
        <translation>Si un compte à rebours tourne ou est terminé</translation>
    </message>
    <message>
        <source>Countdown time left</source>
        <translation>Temps restant du compte à rebours</translation>
    </message>
    <message>
        <source>Time left on the countdown</source>
        <translation>Temps restant sur le compte à rebours</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Invalid time entered</source>
        <translation>Heure saisie non valide</translation>
    </message>
    <message>
        <source>Invalid entry.</source>
        <translation>Saisie non valide.</translation>
    </message>
    <message>
        <source>Counting...</source>
        <translation>Décompte...</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
</context>
<context>
    <name>CountdownPage</name>
    <message>
        <source>20 Seconds</source>
        <translation>20 secondes</translation>
    </message>
    <message>
        <source>3 Minutes</source>
        <translation>3 minutes</translation>
    </message>
    <message>
        <source>10 Minutes</source>
        <translation>10 minutes</translation>
    </message>
    <message>
        <source>90 Seconds</source>
        <translation>90 secondes</translation>
    </message>
    <message>
        <source>4 Minutes</source>
        <translation>4 minutes</translation>
    </message>
    <message>
        <source>Specify</source>
        <translation>Saisir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CountdownRules</name>
    <message>
        <source> %1 min %2 sec </source>
        <translation> %1 min %2 s </translation>
    </message>
    <message>
        <source> %1 sec </source>
        <translation> %1 s </translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Timer and Alarm Clock</source>
        <translation>Minuteur et réveil</translation>
    </message>
</context>
<context>
    <name>Stopwatch</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Stopwatch time</source>
        <translation>Temps du chronomètre</translation>
    </message>
    <message>
        <source>Time on the stopwatch</source>
        <translation>Temps affiché par le chronomètre</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
</context>
<context>
    <name>StopwatchPage</name>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Lap</source>
        <translation>Tour</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>Tours</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Alarm Clock and Timer</source>
        <translation>Réveil et minuteur</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Minuteur</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>StopWatch</source>
        <translation>Chrono</translation>
    </message>
    <message>
        <source>Time Record</source>
        <translation>Pointage</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>Tst</source>
        <translation>Tst</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Clock</source>
        <translation>&amp;Horloge</translation>
    </message>
    <message>
        <source>&amp;Records</source>
        <translation>&amp;Relevés</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>test &amp;Timer sound</source>
        <translation>tester le son du &amp;minuteur</translation>
    </message>
    <message>
        <source>test &amp;Alarm sound</source>
        <translation>tester le son de l&apos;&amp;alarme</translation>
    </message>
    <message>
        <source>e&amp;Xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Text 24 hour</source>
        <translation>Texte 24 heures</translation>
    </message>
    <message>
        <source>Text 12 hour</source>
        <translation>Texte 12 heures</translation>
    </message>
    <message>
        <source>Roman Numerals 24 hour</source>
        <translation>Chiffres romains 24 heures</translation>
    </message>
    <message>
        <source>Roman Numerals 12 hour</source>
        <translation>Chiffres romains 12 heures</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>Binaire</translation>
    </message>
    <message>
        <source>Digits 24 hour</source>
        <translation>Chiffres 24 heures</translation>
    </message>
    <message>
        <source>Digits 12 hour</source>
        <translation>Chiffres 12 heures</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Ring Until Stopped</source>
        <translation>Sonner jusqu&apos;à l&apos;arrêt</translation>
    </message>
    <message>
        <source>&amp;Warranty</source>
        <translation>&amp;Garantie</translation>
    </message>
    <message>
        <source>&amp;Log an error or comment</source>
        <translation>&amp;Consigner une erreur ou un commentaire</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Totals...</source>
        <translation>&amp;Totaux...</translation>
    </message>
    <message>
        <source>&amp;Add Time...</source>
        <translation>&amp;Ajouter du temps...</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exporter en CSV...</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historique...</translation>
    </message>
</context>
<context>
    <name>TOptionsForm</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
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
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Débogage</translation>
    </message>
    <message>
        <source>The field did not contain an integer</source>
        <translation>Le champ ne contenait pas un nombre entier</translation>
    </message>
    <message>
        <source>The field did not contain yes or no</source>
        <translation>Le champ ne contenait ni Yes ni No</translation>
    </message>
    <message>
        <source>This value is just a string - edit it.</source>
        <translation>Cette valeur est un simple texte - modifiez-la.</translation>
    </message>
    <message>
        <source>Change is not needed</source>
        <translation>Modifier est inutile</translation>
    </message>
    <message>
        <source>The value needs to be Yes or No and is not. I cannot change it, edit it yourself.</source>
        <translation>La valeur doit être Yes ou No et ne l&apos;est pas. Je ne peux pas la modifier, modifiez-la vous-même.</translation>
    </message>
    <message>
        <source>Error changing boolean.</source>
        <translation>Erreur en modifiant la valeur oui/non.</translation>
    </message>
    <message>
        <source>The type seems to be wrong, contact programming support.</source>
        <translation>Le type semble incorrect, contactez l&apos;assistance du programme.</translation>
    </message>
    <message>
        <source>Program Error.</source>
        <translation>Erreur du programme.</translation>
    </message>
</context>
<context>
    <name>TQuenAbout</name>
    <message>
        <source>About this program ...</source>
        <translation>À propos de ce programme ...</translation>
    </message>
    <message>
        <source>This program does something.</source>
        <translation>Ce programme fait quelque chose.</translation>
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
        <translation>Version : %1</translation>
    </message>
</context>
<context>
    <name>TUserLogWindow</name>
    <message>
        <source>Log  Errors and User Comments</source>
        <translation>Consigner erreurs et commentaires</translation>
    </message>
    <message>
        <source>Time and Date is automatically saved.</source>
        <translation>L&apos;heure et la date sont enregistrées automatiquement.</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Noter</translation>
    </message>
    <message>
        <source>Log and Close</source>
        <translation>Noter et fermer</translation>
    </message>
    <message>
        <source>Close without a Log</source>
        <translation>Fermer sans noter</translation>
    </message>
    <message>
        <source>Could not write to the log file.</source>
        <translation>Impossible d&apos;écrire dans le fichier journal.</translation>
    </message>
    <message>
        <source>Could not write to the log file %1.</source>
        <translation>Impossible d&apos;écrire dans le fichier journal %1.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
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
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Get Minutes Since</source>
        <translation>Minutes depuis</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
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
        <translation>Voir le schéma</translation>
    </message>
    <message>
        <source>SQL Client</source>
        <translation>Client SQL</translation>
    </message>
</context>
</TS>
