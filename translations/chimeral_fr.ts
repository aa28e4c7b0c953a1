<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AddTimeDialog</name>
    <message>
        <source>Add Time</source>
        <translation>Ajouter du temps</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projet</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>A time of day such as 14:00, 14:00:00 or 2:00 PM</source>
        <translation>Une heure comme 14:00, 14:00:00 ou 2:00 PM</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>&amp;Project:</source>
        <translation>&amp;Projet :</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Date :</translation>
    </message>
    <message>
        <source>&amp;Start time:</source>
        <translation>&amp;Heure de début :</translation>
    </message>
    <message>
        <source>&amp;Minutes:</source>
        <translation>&amp;Minutes :</translation>
    </message>
    <message>
        <source>Edit Time</source>
        <translation>Modifier le temps</translation>
    </message>
    <message>
        <source>The minutes must be a whole number from %1 to %2.</source>
        <translation>Les minutes doivent être un nombre entier de %1 à %2.</translation>
    </message>
    <message>
        <source>Oops</source>
        <translation>Oups</translation>
    </message>
    <message>
        <source>The start time must be a time of day, such as 14:00, 14:00:00 or 2:00 PM.</source>
        <translation>L&apos;heure de début doit être une heure du jour, comme 14:00, 14:00:00 ou 2:00 PM.</translation>
    </message>
    <message>
        <source>A recording cannot end in the future: this one would end at %1. Choose an earlier start or fewer minutes.</source>
        <translation>Un enregistrement ne peut pas se terminer dans le futur : celui-ci se terminerait à %1. Choisissez un début plus tôt ou moins de minutes.</translation>
    </message>
</context>
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
    <name>AwayWatch</name>
    <message>
        <source>You were away from %1 to %2 (1 minute) while recording %3.</source>
        <translation>Vous étiez absent de %1 à %2 (1 minute) pendant l&apos;enregistrement de %3.</translation>
    </message>
    <message numerus="yes">
        <source>You were away from %1 to %2 (%n minutes) while recording %3.</source>
        <translation>
            <numerusform>Vous étiez absent de %1 à %2 (%n minute) pendant l&apos;enregistrement de %3.</numerusform>
            <numerusform>Vous étiez absent de %1 à %2 (%n minutes) pendant l&apos;enregistrement de %3.</numerusform>
        </translation>
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
    <name>FileChecks</name>
    <message>
        <source>is a folder, not a regular file</source>
        <translation>est un dossier, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>is a named pipe, not a regular file</source>
        <translation>est un tube nommé, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>is a socket, not a regular file</source>
        <translation>est une socket, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>is a device, not a regular file</source>
        <translation>est un périphérique, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>is a special file, not a regular file</source>
        <translation>est un fichier spécial, pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Project</source>
        <translation>Projet</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Cette semaine</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Ce mois-ci</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>All projects</source>
        <translation>Tous les projets</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>&amp;Project:</source>
        <translation>&amp;Projet :</translation>
    </message>
    <message>
        <source>P&amp;eriod:</source>
        <translation>P&amp;ériode :</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Enregistrements</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Modifier...</translation>
    </message>
    <message>
        <source>Edits the selected recording</source>
        <translation>Modifie l&apos;enregistrement sélectionné</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Deletes the selected recordings</source>
        <translation>Supprime les enregistrements sélectionnés</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The time records cannot be read: %1</source>
        <translation>Les temps enregistrés ne peuvent pas être lus : %1</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>Supprimer %1 ?</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Countdown finished</source>
        <translation>Compte à rebours terminé</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
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
        <translation>Alarme : %1</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
</context>
<context>
    <name>PanelRules</name>
    <message>
        <source>Countdown: %1 left</source>
        <translation>Compte à rebours : %1 restant</translation>
    </message>
    <message>
        <source>Countdown: paused at %1</source>
        <translation>Compte à rebours : en pause à %1</translation>
    </message>
    <message>
        <source>Alarm at %1</source>
        <translation>Alarme à %1</translation>
    </message>
    <message>
        <source>Stopwatch: %1</source>
        <translation>Chronomètre : %1</translation>
    </message>
    <message>
        <source>Recording %1: %2</source>
        <translation>Enregistrement %1 : %2</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Afficher la fenêtre</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Arrêter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Timer and Alarm Clock</source>
        <translation>Minuteur et réveil</translation>
    </message>
    <message>
        <source>the window already running in this folder does not answer</source>
        <translation>la fenêtre déjà ouverte dans ce dossier ne répond pas</translation>
    </message>
    <message>
        <source>no display to show the window on</source>
        <translation>aucun écran pour afficher la fenêtre</translation>
    </message>
</context>
<context>
    <name>ProjectStore</name>
    <message>
        <source>Could not open database file. %1 %2.</source>
        <translation>Impossible d&apos;ouvrir le fichier de base de données. %1 %2.</translation>
    </message>
    <message>
        <source>Oops</source>
        <translation>Oups</translation>
    </message>
    <message>
        <source>Could not attach to SQLite DLL. %1</source>
        <translation>Impossible de charger la bibliothèque SQLite. %1</translation>
    </message>
    <message>
        <source>Could not open database file. %1</source>
        <translation>Impossible d&apos;ouvrir le fichier de base de données. %1</translation>
    </message>
    <message>
        <source>Could not create %1 table. </source>
        <translation>Impossible de créer la table %1. </translation>
    </message>
    <message>
        <source>Initialization error</source>
        <translation>Erreur d&apos;initialisation</translation>
    </message>
    <message>
        <source>No project database is open, so no time can be recorded or summed.</source>
        <translation>Aucune base de données de projets n&apos;est ouverte : aucun temps ne peut être enregistré ni totalisé.</translation>
    </message>
    <message>
        <source>Error in query. %1</source>
        <translation>Erreur dans la requête. %1</translation>
    </message>
    <message>
        <source>Error in SQL command: %1 %2</source>
        <translation>Erreur dans la commande SQL : %1 %2</translation>
    </message>
    <message>
        <source>SQL error</source>
        <translation>Erreur SQL</translation>
    </message>
    <message>
        <source>Unexpected result from query</source>
        <translation>Résultat inattendu de la requête</translation>
    </message>
    <message>
        <source>Houston we have a problem</source>
        <translation>Houston, on a un problème</translation>
    </message>
    <message>
        <source>Error in maximum ID query. %1</source>
        <translation>Erreur dans la requête de l&apos;ID maximal. %1</translation>
    </message>
    <message>
        <source>Invalid project number</source>
        <translation>Numéro de projet non valide</translation>
    </message>
    <message>
        <source>The time was not stored.</source>
        <translation>Le temps n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <source>Time Record</source>
        <translation>Pointage</translation>
    </message>
    <message>
        <source>Error in SQL command: %1 No second is free in the minute from the start.</source>
        <translation>Erreur dans la commande SQL : %1 Aucune seconde n&apos;est libre dans la minute du début.</translation>
    </message>
    <message>
        <source>Not worth recording less than a minute</source>
        <translation>Moins d&apos;une minute ne vaut pas la peine d&apos;être enregistré</translation>
    </message>
    <message>
        <source>Seriously?</source>
        <translation>Sérieusement ?</translation>
    </message>
    <message>
        <source>You must have a project selected!</source>
        <translation>Vous devez sélectionner un projet !</translation>
    </message>
    <message>
        <source>The recording was changed or deleted meanwhile.</source>
        <translation>L&apos;enregistrement a été modifié ou supprimé entre-temps.</translation>
    </message>
    <message>
        <source>There is no project named %1.</source>
        <translation>Il n&apos;y a aucun projet nommé %1.</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>%1 existe déjà.</translation>
    </message>
    <message>
        <source>1 recording</source>
        <translation>1 enregistrement</translation>
    </message>
    <message numerus="yes">
        <source>%n recordings</source>
        <translation>
            <numerusform>%n enregistrement</numerusform>
            <numerusform>%n enregistrements</numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordCommands</name>
    <message>
        <source>Write the time records to FILE as CSV (- for standard output), then end.</source>
        <translation>Écrire les temps enregistrés dans FICHIER au format CSV (- pour la sortie standard), puis terminer.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>Print the minutes worked per project, then end.</source>
        <translation>Afficher les minutes travaillées par projet, puis terminer.</translation>
    </message>
    <message>
        <source>Only the records from DAY on, given as YYYY-MM-DD.</source>
        <translation>Seulement les temps à partir de JOUR, donné sous la forme AAAA-MM-JJ.</translation>
    </message>
    <message>
        <source>DAY</source>
        <translation>JOUR</translation>
    </message>
    <message>
        <source>Only the records of project NAME.</source>
        <translation>Seulement les temps du projet NOM.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>Read the time records from FILE instead of chimeral.db in the current folder.</source>
        <translation>Lire les temps enregistrés depuis FICHIER au lieu de chimeral.db dans le dossier courant.</translation>
    </message>
    <message>
        <source>The options &apos;--since&apos;, &apos;--project&apos; and &apos;--database&apos; go with &apos;--export-csv&apos; or &apos;--report&apos;.</source>
        <translation>Les options &apos;--since&apos;, &apos;--project&apos; et &apos;--database&apos; vont avec &apos;--export-csv&apos; ou &apos;--report&apos;.</translation>
    </message>
    <message>
        <source>The options &apos;--export-csv&apos; and &apos;--report&apos; cannot be given together.</source>
        <translation>Les options &apos;--export-csv&apos; et &apos;--report&apos; ne peuvent pas être données ensemble.</translation>
    </message>
    <message>
        <source>The option &apos;--since&apos; needs a calendar day written YYYY-MM-DD.</source>
        <translation>L&apos;option &apos;--since&apos; demande un jour du calendrier écrit AAAA-MM-JJ.</translation>
    </message>
    <message>
        <source>The option &apos;--database&apos; needs a file name.</source>
        <translation>L&apos;option &apos;--database&apos; demande un nom de fichier.</translation>
    </message>
</context>
<context>
    <name>RecordExport</name>
    <message>
        <source>Could not read the time records in %1: it %2</source>
        <translation>Impossible de lire les temps enregistrés : %1 %2</translation>
    </message>
    <message>
        <source>Could not read the time records in %1: %2</source>
        <translation>Impossible de lire les temps enregistrés dans %1 : %2</translation>
    </message>
    <message>
        <source>Reading the time records in %1 failed: %2</source>
        <translation>La lecture des temps enregistrés dans %1 a échoué : %2</translation>
    </message>
    <message>
        <source>The option &apos;--export-csv&apos; needs a file name, or - for standard output</source>
        <translation>L&apos;option &apos;--export-csv&apos; demande un nom de fichier, ou - pour la sortie standard</translation>
    </message>
    <message>
        <source>Will not write %1: it is the database the records are read from</source>
        <translation>%1 ne sera pas écrit : c&apos;est la base de données d&apos;où les temps sont lus</translation>
    </message>
    <message>
        <source>Could not write the records: %1</source>
        <translation>Impossible d&apos;écrire les temps : %1</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>project</source>
        <translation>projet</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Could not write the report: %1</source>
        <translation>Impossible d&apos;écrire le rapport : %1</translation>
    </message>
</context>
<context>
    <name>RecordingRecovery</name>
    <message>
        <source>Recovered 1 minute recorded for %1, started %2, and stored it.</source>
        <translation>1 minute enregistrée pour %1, commencée le %2, récupérée et enregistrée.</translation>
    </message>
    <message>
        <source>Time Record</source>
        <translation>Pointage</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>The recording journal %1 cannot be read, so nothing was stored from it. It is kept as %2.</source>
        <translation>Le journal d&apos;enregistrement %1 ne peut pas être lu : rien n&apos;en a été enregistré. Il est conservé sous %2.</translation>
    </message>
    <message numerus="yes">
        <source>Recovered %n minutes recorded for %1, started %2, and stored it.</source>
        <translation>
            <numerusform>%n minute enregistrée pour %1, commencée le %2, récupérée et enregistrée.</numerusform>
            <numerusform>%n minutes enregistrées pour %1, commencées le %2, récupérées et enregistrées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n recording journals beside %1 cannot be read, so nothing was stored from them. They are kept as .bad files beside it.</source>
        <translation>
            <numerusform>%n journal d&apos;enregistrement à côté de %1 ne peut pas être lu : rien n&apos;en a été enregistré. Il est conservé comme fichier .bad à côté.</numerusform>
            <numerusform>%n journaux d&apos;enregistrement à côté de %1 ne peuvent pas être lus : rien n&apos;en a été enregistré. Ils sont conservés comme fichiers .bad à côté.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SafeReplace</name>
    <message>
        <source>a link that belongs to another user</source>
        <translation>un lien qui appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
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
    <name>StoreBoxes</name>
    <message>
        <source>Error in SQL command: %1 The recording&apos;s journal could not be written.</source>
        <translation>Erreur dans la commande SQL : %1 Le journal de l&apos;enregistrement n&apos;a pas pu être écrit.</translation>
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
    <message>
        <source>Media Player does not seem to be functioning</source>
        <translation>Le lecteur multimédia ne semble pas fonctionner</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Alarm sound file name</source>
        <translation>Fichier son de l&apos;alarme</translation>
    </message>
    <message>
        <source>Timer sound file name</source>
        <translation>Fichier son du minuteur</translation>
    </message>
    <message>
        <source>No file set for the alarm sound. Please set with the Options menu</source>
        <translation>Aucun fichier défini pour le son de l&apos;alarme. Définissez-le dans le menu Options</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>No file set for the timer sound. Please set with the Options menu</source>
        <translation>Aucun fichier défini pour le son du minuteur. Définissez-le dans le menu Options</translation>
    </message>
    <message>
        <source>Could not save the options to %1.</source>
        <translation>Impossible d&apos;enregistrer les options dans %1.</translation>
    </message>
    <message>
        <source>Sound files</source>
        <translation>Fichiers son</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>This program functions as a timer, stop, alarm clock and project work timer. It was designed for Quen&apos;s personal use and if you can utilize it all the better.</source>
        <translation>Ce programme sert de minuteur, de chronomètre, de réveil et de pointage du temps de travail par projet. Il a été conçu pour l&apos;usage personnel de Quen, et s&apos;il vous est utile, tant mieux.</translation>
    </message>
    <message>
        <source>The program is unconditionally unwarranted. In particular, since you paid nothing, if this thing wrecks your computer, your car, your stock portfolio or your relationships you have absolutely no legal rights for compensation. Is that clear enough?</source>
        <translation>Ce programme est fourni sans aucune garantie. En particulier, comme vous n&apos;avez rien payé, si ce truc détruit votre ordinateur, votre voiture, votre portefeuille d&apos;actions ou vos relations, vous n&apos;avez absolument aucun droit à un dédommagement. Est-ce assez clair ?</translation>
    </message>
    <message>
        <source>You got to be kidding!</source>
        <translation>Vous plaisantez !</translation>
    </message>
    <message>
        <source>Please enter your comments and be as specific as possible.</source>
        <translation>Saisissez vos commentaires, de la façon la plus précise possible.</translation>
    </message>
    <message>
        <source>There is no file name given for the timer. Use Options to choose the wave, midi or other file to play for the timer.</source>
        <translation>Aucun nom de fichier n&apos;est donné pour le minuteur. Choisissez dans Options le fichier WAV, MIDI ou autre que le minuteur doit jouer.</translation>
    </message>
    <message>
        <source>No timer sound file!</source>
        <translation>Aucun fichier son pour le minuteur !</translation>
    </message>
    <message>
        <source>There is no file name given for the alarm. Use Options to choose the wav/mid file to play for the alarm.</source>
        <translation>Aucun nom de fichier n&apos;est donné pour l&apos;alarme. Choisissez dans Options le fichier WAV/MID que l&apos;alarme doit jouer.</translation>
    </message>
    <message>
        <source>No alarm sound file!</source>
        <translation>Aucun fichier son pour l&apos;alarme !</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Fichiers CSV</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Could not export to %1.</source>
        <translation>Impossible d&apos;exporter vers %1.</translation>
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
<context>
    <name>TimeRecorder</name>
    <message>
        <source>Project</source>
        <translation>Projet</translation>
    </message>
    <message>
        <source>The project to record; Enter starts or stops</source>
        <translation>Le projet à enregistrer ; Entrée démarre ou arrête</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Nom du projet</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Year of the date the minutes are counted from</source>
        <translation>Année de la date à partir de laquelle les minutes sont comptées</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Month of the date the minutes are counted from</source>
        <translation>Mois de la date à partir de laquelle les minutes sont comptées</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Day of the date the minutes are counted from</source>
        <translation>Jour de la date à partir de laquelle les minutes sont comptées</translation>
    </message>
    <message>
        <source>Recorded time</source>
        <translation>Temps enregistré</translation>
    </message>
    <message>
        <source>Time counted by the current recording</source>
        <translation>Temps compté par l&apos;enregistrement en cours</translation>
    </message>
    <message>
        <source>Minutes since the date</source>
        <translation>Minutes depuis la date</translation>
    </message>
    <message>
        <source>Minutes recorded for the project since the date</source>
        <translation>Minutes enregistrées pour le projet depuis la date</translation>
    </message>
    <message>
        <source>Not recording</source>
        <translation>Aucun enregistrement</translation>
    </message>
    <message>
        <source>The project the running recording is stored under</source>
        <translation>Le projet sous lequel l&apos;enregistrement en cours est stocké</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
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
        <source>Recording %1</source>
        <translation>Enregistrement : %1</translation>
    </message>
    <message>
        <source>You must have a project selected!</source>
        <translation>Vous devez choisir un projet !</translation>
    </message>
    <message>
        <source>Oops</source>
        <translation>Oups</translation>
    </message>
    <message>
        <source>Attempt to write a readonly database</source>
        <translation>Tentative d&apos;écriture dans une base de données en lecture seule</translation>
    </message>
    <message>
        <source>SQL error</source>
        <translation>Erreur SQL</translation>
    </message>
    <message>
        <source>Time Record</source>
        <translation>Pointage</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Conserver</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Two tables: projects and times</source>
        <translation>Deux tables : projects et times</translation>
    </message>
    <message>
        <source>Not much help</source>
        <translation>Pas d&apos;une grande aide</translation>
    </message>
    <message>
        <source>Could not start the SQL client. %1 %2.</source>
        <translation>Impossible de démarrer le client SQL. %1 %2.</translation>
    </message>
    <message>
        <source>No project database is open, so no time can be recorded or summed. Set the alarm sound under Options &gt; Sounds and start the program again.</source>
        <translation>Aucune base de données de projets n&apos;est ouverte : aucun temps ne peut être enregistré ni totalisé. Définissez le son de l&apos;alarme dans Options &gt; Sons et relancez le programme.</translation>
    </message>
    <message>
        <source>No project database is open, so no time can be recorded or summed.</source>
        <translation>Aucune base de données de projets n&apos;est ouverte : aucun temps ne peut être enregistré ni totalisé.</translation>
    </message>
    <message>
        <source>Not worth recording less than a minute</source>
        <translation>Moins d&apos;une minute ne vaut pas la peine d&apos;être enregistré</translation>
    </message>
    <message>
        <source>Seriously?</source>
        <translation>Sérieusement ?</translation>
    </message>
    <message>
        <source>The time is kept and will be stored when the program next starts in this folder.</source>
        <translation>Le temps est conservé et sera enregistré au prochain démarrage du programme dans ce dossier.</translation>
    </message>
    <message>
        <source>The time is kept; press Stop again to store it.</source>
        <translation>Le temps est conservé ; cliquez de nouveau sur Arrêter pour l&apos;enregistrer.</translation>
    </message>
</context>
<context>
    <name>TotalsWindow</name>
    <message>
        <source>Project</source>
        <translation>Projet</translation>
    </message>
    <message>
        <source>Today (h:mm)</source>
        <translation>Jour (h:mm)</translation>
    </message>
    <message>
        <source>This week (h:mm)</source>
        <translation>Semaine (h:mm)</translation>
    </message>
    <message>
        <source>This month (h:mm)</source>
        <translation>Mois (h:mm)</translation>
    </message>
    <message>
        <source>All time (h:mm)</source>
        <translation>Total (h:mm)</translation>
    </message>
    <message>
        <source>All projects</source>
        <translation>Tous les projets</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totaux</translation>
    </message>
    <message>
        <source>Totals per project</source>
        <translation>Totaux par projet</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copies the table as tab-separated text</source>
        <translation>Copie le tableau en texte séparé par des tabulations</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Renommer...</translation>
    </message>
    <message>
        <source>Renames the selected project</source>
        <translation>Renomme le projet sélectionné</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Supprimer...</translation>
    </message>
    <message>
        <source>Deletes the selected project and its recordings</source>
        <translation>Supprime le projet sélectionné et ses enregistrements</translation>
    </message>
    <message>
        <source>No project database is open</source>
        <translation>Aucune base de données de projets n&apos;est ouverte</translation>
    </message>
    <message>
        <source>The time records cannot be read: %1</source>
        <translation>Les enregistrements de temps ne peuvent pas être lus : %1</translation>
    </message>
    <message>
        <source>Stop the recording of %1 first.</source>
        <translation>Arrêtez d&apos;abord l&apos;enregistrement de %1.</translation>
    </message>
    <message>
        <source>&amp;New name for %1:</source>
        <translation>&amp;Nouveau nom pour %1 :</translation>
    </message>
    <message>
        <source>%1 already exists. Move its %2 to %1 and remove %3?</source>
        <translation>%1 existe déjà. Déplacer %2 de %3 vers %1 et supprimer %3 ?</translation>
    </message>
    <message>
        <source>Delete %1 and its %2?</source>
        <translation>Supprimer %1 avec %2 ?</translation>
    </message>
</context>
</TS>
