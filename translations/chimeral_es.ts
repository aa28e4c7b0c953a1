<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AddTimeDialog</name>
    <message>
        <source>Add Time</source>
        <translation>Añadir tiempo</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Proyecto</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>A time of day such as 14:00, 14:00:00 or 2:00 PM</source>
        <translation>Una hora como 14:00, 14:00:00 o 2:00 PM</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>&amp;Project:</source>
        <translation>&amp;Proyecto:</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Fecha:</translation>
    </message>
    <message>
        <source>&amp;Start time:</source>
        <translation>&amp;Hora de inicio:</translation>
    </message>
    <message>
        <source>&amp;Minutes:</source>
        <translation>&amp;Minutos:</translation>
    </message>
    <message>
        <source>Edit Time</source>
        <translation>Editar tiempo</translation>
    </message>
    <message>
        <source>The minutes must be a whole number from %1 to %2.</source>
        <translation>Los minutos deben ser un número entero de %1 a %2.</translation>
    </message>
    <message>
        <source>Oops</source>
        <translation>Ups</translation>
    </message>
    <message>
        <source>The start time must be a time of day, such as 14:00, 14:00:00 or 2:00 PM.</source>
        <translation>La hora de inicio debe ser una hora del día, como 14:00, 14:00:00 o 2:00 PM.</translation>
    </message>
    <message>
        <source>A recording cannot end in the future: this one would end at %1. Choose an earlier start or fewer minutes.</source>
        <translation>Un registro no puede terminar en el futuro: este terminaría a las %1. Elija un inicio anterior o menos minutos.</translation>
    </message>
</context>
<context>
    <name>AlarmClock</name>
    <message>
        <source>Alarm time</source>
        <translation>Hora de la alarma</translation>
    </message>
    <message>
        <source>Time of day, such as 7:00 AM or 19:30; Enter sets the alarm</source>
        <translation>Hora del día, como 7:00 AM o 19:30; Intro pone la alarma</translation>
    </message>
    <message>
        <source>Alarm status</source>
        <translation>Estado de la alarma</translation>
    </message>
    <message>
        <source>Whether an alarm is set</source>
        <translation>Si hay una alarma puesta</translation>
    </message>
    <message>
        <source>Alarm ring time</source>
        <translation>Hora de sonido de la alarma</translation>
    </message>
    <message>
        <source>When the alarm rings, or when it rang</source>
        <translation>Cuándo sonará la alarma, o cuándo sonó</translation>
    </message>
    <message>
        <source>Invalid time entered</source>
        <translation>Hora introducida no válida</translation>
    </message>
    <message>
        <source>Invalid entry.</source>
        <translation>Entrada no válida.</translation>
    </message>
    <message>
        <source>Activated...</source>
        <translation>Activada...</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Posponer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
</context>
<context>
    <name>AlarmPage</name>
    <message>
        <source>Set Alarm</source>
        <translation>Poner alarma</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Posponer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
</context>
<context>
    <name>AlarmRules</name>
    <message>
        <source>Rings today at %1</source>
        <translation>Suena hoy a las %1</translation>
    </message>
    <message>
        <source>Rings tomorrow at %1</source>
        <translation>Suena mañana a las %1</translation>
    </message>
    <message numerus="yes">
        <source>Rings in %n days at %1</source>
        <translation>
            <numerusform>Suena en %n día a las %1</numerusform>
            <numerusform>Suena en %n días a las %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Rang at %1</source>
        <translation>Sonó a las %1</translation>
    </message>
    <message>
        <source>Snoozed until %1</source>
        <translation>Pospuesta hasta las %1</translation>
    </message>
</context>
<context>
    <name>AwayWatch</name>
    <message>
        <source>You were away from %1 to %2 (1 minute) while recording %3.</source>
        <translation>Estuvo ausente de %1 a %2 (1 minuto) mientras se registraba %3.</translation>
    </message>
    <message numerus="yes">
        <source>You were away from %1 to %2 (%n minutes) while recording %3.</source>
        <translation>
            <numerusform>Estuvo ausente de %1 a %2 (%n minuto) mientras se registraba %3.</numerusform>
            <numerusform>Estuvo ausente de %1 a %2 (%n minutos) mientras se registraba %3.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClockFace</name>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
</context>
<context>
    <name>ClockPage</name>
    <message>
        <source>Not yet started</source>
        <translation>Aún no iniciado</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;chimeral --help&apos;.</source>
        <translation>Pruebe &apos;chimeral --help&apos;.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>No tab &apos;%1&apos;; the tabs are timer, alarm, stopwatch, record and clock.</source>
        <translation>No hay pestaña &apos;%1&apos;; las pestañas son timer, alarm, stopwatch, record y clock.</translation>
    </message>
    <message>
        <source>give only one of --pause, --resume and --cancel</source>
        <translation>indique solo una de --pause, --resume y --cancel</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a countdown duration (such as 3:00, 0:30 or 10)</source>
        <translation>&apos;%1&apos; no es una duración de cuenta atrás (como 3:00, 0:30 o 10)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an alarm time (such as 7:00 AM or 19:30)</source>
        <translation>&apos;%1&apos; no es una hora de alarma (como 7:00 AM o 19:30)</translation>
    </message>
    <message>
        <source>Countdown timer, alarm clock, stopwatch, work-time recorder and clock.
A start in a folder where the program already runs hands its options to that window.</source>
        <translation>Cuenta atrás, despertador, cronómetro, registro de horas de trabajo y reloj.
Un inicio en una carpeta donde el programa ya se ejecuta pasa sus opciones a esa ventana.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Muestra esta ayuda y sale.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Muestra la versión y sale.</translation>
    </message>
    <message>
        <source>Start a countdown of DURATION, minutes and seconds as in the countdown entry (3:00, 0:30, 10).</source>
        <translation>Inicia una cuenta atrás de DURACIÓN, minutos y segundos como en la entrada de la cuenta atrás (3:00, 0:30, 10).</translation>
    </message>
    <message>
        <source>DURATION</source>
        <translation>DURACIÓN</translation>
    </message>
    <message>
        <source>Set the alarm for TIME, as in the alarm entry (7:00 AM, 19:30).</source>
        <translation>Pone la alarma a la HORA, como en la entrada de la alarma (7:00 AM, 19:30).</translation>
    </message>
    <message>
        <source>TIME</source>
        <translation>HORA</translation>
    </message>
    <message>
        <source>Show the tab NAME first: timer, alarm, stopwatch, record or clock.</source>
        <translation>Muestra primero la pestaña NOMBRE: timer, alarm, stopwatch, record o clock.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>Pause the countdown of the window running in this folder.</source>
        <translation>Pausa la cuenta atrás de la ventana abierta en esta carpeta.</translation>
    </message>
    <message>
        <source>Resume the paused countdown of the window running in this folder.</source>
        <translation>Reanuda la cuenta atrás en pausa de la ventana abierta en esta carpeta.</translation>
    </message>
    <message>
        <source>Cancel the countdown of the window running in this folder, without its sound.</source>
        <translation>Cancela la cuenta atrás de la ventana abierta en esta carpeta, sin su sonido.</translation>
    </message>
</context>
<context>
    <name>Countdown</name>
    <message>
        <source>Countdown duration</source>
        <translation>Duración de la cuenta atrás</translation>
    </message>
    <message>
        <source>Minutes and seconds, such as 0:30; Enter starts the countdown</source>
        <translation>Minutos y segundos, como 0:30; Intro inicia la cuenta atrás</translation>
    </message>
    <message>
        <source>Countdown status</source>
        <translation>Estado de la cuenta atrás</translation>
    </message>
    <message>
        <source>Whether a countdown runs or is done</source>
        <translation>Si una cuenta atrás está en marcha o ha terminado</translation>
    </message>
    <message>
        <source>Countdown time left</source>
        <translation>Tiempo restante de la cuenta atrás</translation>
    </message>
    <message>
        <source>Time left on the countdown</source>
        <translation>Tiempo que queda en la cuenta atrás</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Invalid time entered</source>
        <translation>Hora introducida no válida</translation>
    </message>
    <message>
        <source>Invalid entry.</source>
        <translation>Entrada no válida.</translation>
    </message>
    <message>
        <source>Counting...</source>
        <translation>Contando...</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
</context>
<context>
    <name>CountdownPage</name>
    <message>
        <source>20 Seconds</source>
        <translation>20 segundos</translation>
    </message>
    <message>
        <source>3 Minutes</source>
        <translation>3 minutos</translation>
    </message>
    <message>
        <source>10 Minutes</source>
        <translation>10 minutos</translation>
    </message>
    <message>
        <source>90 Seconds</source>
        <translation>90 segundos</translation>
    </message>
    <message>
        <source>4 Minutes</source>
        <translation>4 minutos</translation>
    </message>
    <message>
        <source>Specify</source>
        <translation>Indicar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>FileChecks</name>
    <message>
        <source>is a folder, not a regular file</source>
        <translation>es una carpeta, no un archivo normal</translation>
    </message>
    <message>
        <source>is a named pipe, not a regular file</source>
        <translation>es una tubería con nombre, no un archivo normal</translation>
    </message>
    <message>
        <source>is a socket, not a regular file</source>
        <translation>es un socket, no un archivo normal</translation>
    </message>
    <message>
        <source>is a device, not a regular file</source>
        <translation>es un dispositivo, no un archivo normal</translation>
    </message>
    <message>
        <source>is a special file, not a regular file</source>
        <translation>es un archivo especial, no un archivo normal</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Project</source>
        <translation>Proyecto</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Esta semana</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Este mes</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>All projects</source>
        <translation>Todos los proyectos</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>&amp;Project:</source>
        <translation>&amp;Proyecto:</translation>
    </message>
    <message>
        <source>P&amp;eriod:</source>
        <translation>P&amp;eriodo:</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Editar...</translation>
    </message>
    <message>
        <source>Edits the selected recording</source>
        <translation>Edita el registro seleccionado</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Deletes the selected recordings</source>
        <translation>Elimina los registros seleccionados</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The time records cannot be read: %1</source>
        <translation>No se pueden leer los registros de tiempo: %1</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>¿Eliminar %1?</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Countdown finished</source>
        <translation>Cuenta atrás terminada</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
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
        <translation>Alarma: %1</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
</context>
<context>
    <name>PanelRules</name>
    <message>
        <source>Countdown: %1 left</source>
        <translation>Cuenta atrás: quedan %1</translation>
    </message>
    <message>
        <source>Countdown: paused at %1</source>
        <translation>Cuenta atrás: en pausa en %1</translation>
    </message>
    <message>
        <source>Alarm at %1</source>
        <translation>Alarma a las %1</translation>
    </message>
    <message>
        <source>Stopwatch: %1</source>
        <translation>Cronómetro: %1</translation>
    </message>
    <message>
        <source>Recording %1: %2</source>
        <translation>Registrando %1: %2</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Mostrar ventana</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Posponer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Detener el registro</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Timer and Alarm Clock</source>
        <translation>Temporizador y despertador</translation>
    </message>
    <message>
        <source>the window already running in this folder does not answer</source>
        <translation>la ventana que ya se ejecuta en esta carpeta no responde</translation>
    </message>
    <message>
        <source>no display to show the window on</source>
        <translation>no hay pantalla en la que mostrar la ventana</translation>
    </message>
</context>
<context>
    <name>ProjectStore</name>
    <message>
        <source>Could not open database file. %1 %2.</source>
        <translation>No se pudo abrir el archivo de base de datos. %1 %2.</translation>
    </message>
    <message>
        <source>Oops</source>
        <translation>Ups</translation>
    </message>
    <message>
        <source>Could not attach to SQLite DLL. %1</source>
        <translation>No se pudo cargar la biblioteca SQLite. %1</translation>
    </message>
    <message>
        <source>Could not open database file. %1</source>
        <translation>No se pudo abrir el archivo de base de datos. %1</translation>
    </message>
    <message>
        <source>Could not create %1 table. </source>
        <translation>No se pudo crear la tabla %1. </translation>
    </message>
    <message>
        <source>Initialization error</source>
        <translation>Error de inicialización</translation>
    </message>
    <message>
        <source>No project database is open, so no time can be recorded or summed.</source>
        <translation>No hay ninguna base de datos de proyectos abierta, así que no se puede registrar ni sumar tiempo.</translation>
    </message>
    <message>
        <source>Error in query. %1</source>
        <translation>Error en la consulta. %1</translation>
    </message>
    <message>
        <source>Error in SQL command: %1 %2</source>
        <translation>Error en la orden SQL: %1 %2</translation>
    </message>
    <message>
        <source>SQL error</source>
        <translation>Error de SQL</translation>
    </message>
    <message>
        <source>Unexpected result from query</source>
        <translation>Resultado inesperado de la consulta</translation>
    </message>
    <message>
        <source>Houston we have a problem</source>
        <translation>Houston, tenemos un problema</translation>
    </message>
    <message>
        <source>Error in maximum ID query. %1</source>
        <translation>Error en la consulta del ID máximo. %1</translation>
    </message>
    <message>
        <source>Invalid project number</source>
        <translation>Número de proyecto no válido</translation>
    </message>
    <message>
        <source>The time was not stored.</source>
        <translation>El tiempo no se guardó.</translation>
    </message>
    <message>
        <source>Time Record</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Error in SQL command: %1 No second is free in the minute from the start.</source>
        <translation>Error en la orden SQL: %1 No queda ningún segundo libre en el minuto del inicio.</translation>
    </message>
    <message>
        <source>Not worth recording less than a minute</source>
        <translation>No vale la pena registrar menos de un minuto</translation>
    </message>
    <message>
        <source>Seriously?</source>
        <translation>¿En serio?</translation>
    </message>
    <message>
        <source>You must have a project selected!</source>
        <translation>¡Debe seleccionar un proyecto!</translation>
    </message>
    <message>
        <source>The recording was changed or deleted meanwhile.</source>
        <translation>El registro se modificó o eliminó mientras tanto.</translation>
    </message>
    <message>
        <source>There is no project named %1.</source>
        <translation>No hay ningún proyecto llamado %1.</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>%1 ya existe.</translation>
    </message>
    <message>
        <source>1 recording</source>
        <translation>1 registro</translation>
    </message>
    <message numerus="yes">
        <source>%n recordings</source>
        <translation>
            <numerusform>%n registro</numerusform>
            <numerusform>%n registros</numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordCommands</name>
    <message>
        <source>Write the time records to FILE as CSV (- for standard output), then end.</source>
        <translation>Escribir los registros de tiempo en ARCHIVO como CSV (- para la salida estándar) y terminar.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>Print the minutes worked per project, then end.</source>
        <translation>Mostrar los minutos trabajados por proyecto y terminar.</translation>
    </message>
    <message>
        <source>Only the records from DAY on, given as YYYY-MM-DD.</source>
        <translation>Solo los registros desde DÍA, dado como AAAA-MM-DD.</translation>
    </message>
    <message>
        <source>DAY</source>
        <translation>DÍA</translation>
    </message>
    <message>
        <source>Only the records of project NAME.</source>
        <translation>Solo los registros del proyecto NOMBRE.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>Read the time records from FILE instead of chimeral.db in the current folder.</source>
        <translation>Leer los registros de tiempo de ARCHIVO en lugar de chimeral.db en la carpeta actual.</translation>
    </message>
    <message>
        <source>The options &apos;--since&apos;, &apos;--project&apos; and &apos;--database&apos; go with &apos;--export-csv&apos; or &apos;--report&apos;.</source>
        <translation>Las opciones &apos;--since&apos;, &apos;--project&apos; y &apos;--database&apos; van con &apos;--export-csv&apos; o &apos;--report&apos;.</translation>
    </message>
    <message>
        <source>The options &apos;--export-csv&apos; and &apos;--report&apos; cannot be given together.</source>
        <translation>Las opciones &apos;--export-csv&apos; y &apos;--report&apos; no pueden darse juntas.</translation>
    </message>
    <message>
        <source>The option &apos;--since&apos; needs a calendar day written YYYY-MM-DD.</source>
        <translation>La opción &apos;--since&apos; necesita un día del calendario escrito AAAA-MM-DD.</translation>
    </message>
    <message>
        <source>The option &apos;--database&apos; needs a file name.</source>
        <translation>La opción &apos;--database&apos; necesita un nombre de archivo.</translation>
    </message>
</context>
<context>
    <name>RecordExport</name>
    <message>
        <source>Could not read the time records in %1: it %2</source>
        <translation>No se pudieron leer los registros de tiempo: %1 %2</translation>
    </message>
    <message>
        <source>Could not read the time records in %1: %2</source>
        <translation>No se pudieron leer los registros de tiempo de %1: %2</translation>
    </message>
    <message>
        <source>Reading the time records in %1 failed: %2</source>
        <translation>Falló la lectura de los registros de tiempo de %1: %2</translation>
    </message>
    <message>
        <source>The option &apos;--export-csv&apos; needs a file name, or - for standard output</source>
        <translation>La opción &apos;--export-csv&apos; necesita un nombre de archivo, o - para la salida estándar</translation>
    </message>
    <message>
        <source>Will not write %1: it is the database the records are read from</source>
        <translation>No se escribirá %1: es la base de datos de la que se leen los registros</translation>
    </message>
    <message>
        <source>Could not write the records: %1</source>
        <translation>No se pudieron escribir los registros: %1</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>project</source>
        <translation>proyecto</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Could not write the report: %1</source>
        <translation>No se pudo escribir el informe: %1</translation>
    </message>
</context>
<context>
    <name>RecordingRecovery</name>
    <message>
        <source>Recovered 1 minute recorded for %1, started %2, and stored it.</source>
        <translation>Se recuperó 1 minuto registrado para %1, iniciado el %2, y se guardó.</translation>
    </message>
    <message>
        <source>Time Record</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>The recording journal %1 cannot be read, so nothing was stored from it. It is kept as %2.</source>
        <translation>El diario de registro %1 no se puede leer, así que no se guardó nada de él. Se conserva como %2.</translation>
    </message>
    <message numerus="yes">
        <source>Recovered %n minutes recorded for %1, started %2, and stored it.</source>
        <translation>
            <numerusform>Se recuperó %n minuto registrado para %1, iniciado el %2, y se guardó.</numerusform>
            <numerusform>Se recuperaron %n minutos registrados para %1, iniciados el %2, y se guardaron.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n recording journals beside %1 cannot be read, so nothing was stored from them. They are kept as .bad files beside it.</source>
        <translation>
            <numerusform>%n diario de registro junto a %1 no se puede leer, así que no se guardó nada de él. Se conserva como archivo .bad a su lado.</numerusform>
            <numerusform>%n diarios de registro junto a %1 no se pueden leer, así que no se guardó nada de ellos. Se conservan como archivos .bad a su lado.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SafeReplace</name>
    <message>
        <source>a link that belongs to another user</source>
        <translation>un enlace que pertenece a otro usuario</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>Stopwatch</name>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Stopwatch time</source>
        <translation>Tiempo del cronómetro</translation>
    </message>
    <message>
        <source>Time on the stopwatch</source>
        <translation>Tiempo en el cronómetro</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
</context>
<context>
    <name>StopwatchPage</name>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Lap</source>
        <translation>Vuelta</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>Vueltas</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
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
        <translation>Error en la orden SQL: %1 No se pudo escribir el diario del registro.</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Alarm Clock and Timer</source>
        <translation>Despertador y temporizador</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Temporizador</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <source>StopWatch</source>
        <translation>Crono</translation>
    </message>
    <message>
        <source>Time Record</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>Tst</source>
        <translation>Tst</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Clock</source>
        <translation>&amp;Reloj</translation>
    </message>
    <message>
        <source>&amp;Records</source>
        <translation>&amp;Registros</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>test &amp;Timer sound</source>
        <translation>probar el sonido del &amp;temporizador</translation>
    </message>
    <message>
        <source>test &amp;Alarm sound</source>
        <translation>probar el sonido de la &amp;alarma</translation>
    </message>
    <message>
        <source>e&amp;Xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Text 24 hour</source>
        <translation>Texto 24 horas</translation>
    </message>
    <message>
        <source>Text 12 hour</source>
        <translation>Texto 12 horas</translation>
    </message>
    <message>
        <source>Roman Numerals 24 hour</source>
        <translation>Números romanos 24 horas</translation>
    </message>
    <message>
        <source>Roman Numerals 12 hour</source>
        <translation>Números romanos 12 horas</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>Binario</translation>
    </message>
    <message>
        <source>Digits 24 hour</source>
        <translation>Dígitos 24 horas</translation>
    </message>
    <message>
        <source>Digits 12 hour</source>
        <translation>Dígitos 12 horas</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>Ring Until Stopped</source>
        <translation>Sonar hasta detener</translation>
    </message>
    <message>
        <source>&amp;Warranty</source>
        <translation>&amp;Garantía</translation>
    </message>
    <message>
        <source>&amp;Log an error or comment</source>
        <translation>Re&amp;gistrar un error o comentario</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>A&amp;cerca de</translation>
    </message>
    <message>
        <source>&amp;Totals...</source>
        <translation>&amp;Totales...</translation>
    </message>
    <message>
        <source>&amp;Add Time...</source>
        <translation>&amp;Añadir tiempo...</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportar CSV...</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historial...</translation>
    </message>
    <message>
        <source>Media Player does not seem to be functioning</source>
        <translation>El reproductor multimedia no parece funcionar</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Alarm sound file name</source>
        <translation>Archivo de sonido de la alarma</translation>
    </message>
    <message>
        <source>Timer sound file name</source>
        <translation>Archivo de sonido del temporizador</translation>
    </message>
    <message>
        <source>No file set for the alarm sound. Please set with the Options menu</source>
        <translation>No hay ningún archivo para el sonido de la alarma. Elíjalo en el menú Opciones</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>No file set for the timer sound. Please set with the Options menu</source>
        <translation>No hay ningún archivo para el sonido del temporizador. Elíjalo en el menú Opciones</translation>
    </message>
    <message>
        <source>Could not save the options to %1.</source>
        <translation>No se pudieron guardar las opciones en %1.</translation>
    </message>
    <message>
        <source>Sound files</source>
        <translation>Archivos de sonido</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>This program functions as a timer, stop, alarm clock and project work timer. It was designed for Quen&apos;s personal use and if you can utilize it all the better.</source>
        <translation>Este programa funciona como temporizador, cronómetro, despertador y registro del tiempo de trabajo por proyecto. Se diseñó para el uso personal de Quen y, si a usted le sirve, mucho mejor.</translation>
    </message>
    <message>
        <source>The program is unconditionally unwarranted. In particular, since you paid nothing, if this thing wrecks your computer, your car, your stock portfolio or your relationships you have absolutely no legal rights for compensation. Is that clear enough?</source>
        <translation>El programa no tiene ninguna garantía. En particular, como no ha pagado nada, si esta cosa destroza su ordenador, su coche, su cartera de acciones o sus relaciones, no tiene absolutamente ningún derecho a compensación. ¿Está suficientemente claro?</translation>
    </message>
    <message>
        <source>You got to be kidding!</source>
        <translation>¡Tiene que ser una broma!</translation>
    </message>
    <message>
        <source>Please enter your comments and be as specific as possible.</source>
        <translation>Escriba sus comentarios, de la forma más precisa posible.</translation>
    </message>
    <message>
        <source>There is no file name given for the timer. Use Options to choose the wave, midi or other file to play for the timer.</source>
        <translation>No se ha indicado ningún archivo para el temporizador. Elija en Opciones el archivo WAV, MIDI u otro que reproducirá el temporizador.</translation>
    </message>
    <message>
        <source>No timer sound file!</source>
        <translation>¡No hay archivo de sonido para el temporizador!</translation>
    </message>
    <message>
        <source>There is no file name given for the alarm. Use Options to choose the wav/mid file to play for the alarm.</source>
        <translation>No se ha indicado ningún archivo para la alarma. Elija en Opciones el archivo WAV/MID que reproducirá la alarma.</translation>
    </message>
    <message>
        <source>No alarm sound file!</source>
        <translation>¡No hay archivo de sonido para la alarma!</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Archivos CSV</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Could not export to %1.</source>
        <translation>No se pudo exportar a %1.</translation>
    </message>
</context>
<context>
    <name>TOptionsForm</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
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
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Depurar</translation>
    </message>
    <message>
        <source>The field did not contain an integer</source>
        <translation>El campo no contenía un número entero</translation>
    </message>
    <message>
        <source>The field did not contain yes or no</source>
        <translation>El campo no contenía Yes ni No</translation>
    </message>
    <message>
        <source>This value is just a string - edit it.</source>
        <translation>Este valor es solo texto; edítelo.</translation>
    </message>
    <message>
        <source>Change is not needed</source>
        <translation>Cambiar no es necesario</translation>
    </message>
    <message>
        <source>The value needs to be Yes or No and is not. I cannot change it, edit it yourself.</source>
        <translation>El valor debe ser Yes o No y no lo es. No puedo cambiarlo, edítelo usted mismo.</translation>
    </message>
    <message>
        <source>Error changing boolean.</source>
        <translation>Error al cambiar el valor sí/no.</translation>
    </message>
    <message>
        <source>The type seems to be wrong, contact programming support.</source>
        <translation>El tipo parece incorrecto, contacte con el soporte del programa.</translation>
    </message>
    <message>
        <source>Program Error.</source>
        <translation>Error del programa.</translation>
    </message>
</context>
<context>
    <name>TQuenAbout</name>
    <message>
        <source>About this program ...</source>
        <translation>Acerca de este programa ...</translation>
    </message>
    <message>
        <source>This program does something.</source>
        <translation>Este programa hace algo.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Copyright (c) %1-%2 %3</source>
        <translation>Copyright (c) %1-%2 %3</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Versión: %1</translation>
    </message>
</context>
<context>
    <name>TUserLogWindow</name>
    <message>
        <source>Log  Errors and User Comments</source>
        <translation>Registrar errores y comentarios</translation>
    </message>
    <message>
        <source>Time and Date is automatically saved.</source>
        <translation>La hora y la fecha se guardan automáticamente.</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Anotar</translation>
    </message>
    <message>
        <source>Log and Close</source>
        <translation>Anotar y cerrar</translation>
    </message>
    <message>
        <source>Close without a Log</source>
        <translation>Cerrar sin anotar</translation>
    </message>
    <message>
        <source>Could not write to the log file.</source>
        <translation>No se pudo escribir en el archivo de registro.</translation>
    </message>
    <message>
        <source>Could not write to the log file %1.</source>
        <translation>No se pudo escribir en el archivo de registro %1.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
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
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Get Minutes Since</source>
        <translation>Minutos desde</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
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
        <translation>Ver esquema</translation>
    </message>
    <message>
        <source>SQL Client</source>
        <translation>Cliente SQL</translation>
    </message>
</context>
<context>
    <name>TimeRecorder</name>
    <message>
        <source>Project</source>
        <translation>Proyecto</translation>
    </message>
    <message>
        <source>The project to record; Enter starts or stops</source>
        <translation>El proyecto que se registra; Intro inicia o detiene</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Nombre del proyecto</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Year of the date the minutes are counted from</source>
        <translation>Año de la fecha desde la que se cuentan los minutos</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Month of the date the minutes are counted from</source>
        <translation>Mes de la fecha desde la que se cuentan los minutos</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Day of the date the minutes are counted from</source>
        <translation>Día de la fecha desde la que se cuentan los minutos</translation>
    </message>
    <message>
        <source>Recorded time</source>
        <translation>Tiempo registrado</translation>
    </message>
    <message>
        <source>Time counted by the current recording</source>
        <translation>Tiempo contado por el registro en curso</translation>
    </message>
    <message>
        <source>Minutes since the date</source>
        <translation>Minutos desde la fecha</translation>
    </message>
    <message>
        <source>Minutes recorded for the project since the date</source>
        <translation>Minutos registrados para el proyecto desde la fecha</translation>
    </message>
    <message>
        <source>Not recording</source>
        <translation>Sin registro</translation>
    </message>
    <message>
        <source>The project the running recording is stored under</source>
        <translation>El proyecto en el que se guarda el registro en curso</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Recording %1</source>
        <translation>Registrando %1</translation>
    </message>
    <message>
        <source>You must have a project selected!</source>
        <translation>¡Debe elegir un proyecto!</translation>
    </message>
    <message>
        <source>Oops</source>
        <translation>Ups</translation>
    </message>
    <message>
        <source>Attempt to write a readonly database</source>
        <translation>Intento de escribir en una base de datos de solo lectura</translation>
    </message>
    <message>
        <source>SQL error</source>
        <translation>Error de SQL</translation>
    </message>
    <message>
        <source>Time Record</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Conservar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Two tables: projects and times</source>
        <translation>Dos tablas: projects y times</translation>
    </message>
    <message>
        <source>Not much help</source>
        <translation>No es de mucha ayuda</translation>
    </message>
    <message>
        <source>Could not start the SQL client. %1 %2.</source>
        <translation>No se pudo iniciar el cliente SQL. %1 %2.</translation>
    </message>
    <message>
        <source>No project database is open, so no time can be recorded or summed. Set the alarm sound under Options &gt; Sounds and start the program again.</source>
        <translation>No hay ninguna base de datos de proyectos abierta, así que no se puede registrar ni sumar tiempo. Elija el sonido de la alarma en Opciones &gt; Sonidos y vuelva a iniciar el programa.</translation>
    </message>
    <message>
        <source>No project database is open, so no time can be recorded or summed.</source>
        <translation>No hay ninguna base de datos de proyectos abierta, así que no se puede registrar ni sumar tiempo.</translation>
    </message>
    <message>
        <source>Not worth recording less than a minute</source>
        <translation>No vale la pena registrar menos de un minuto</translation>
    </message>
    <message>
        <source>Seriously?</source>
        <translation>¿En serio?</translation>
    </message>
    <message>
        <source>The time is kept and will be stored when the program next starts in this folder.</source>
        <translation>El tiempo se conserva y se guardará la próxima vez que el programa se inicie en esta carpeta.</translation>
    </message>
    <message>
        <source>The time is kept; press Stop again to store it.</source>
        <translation>El tiempo se conserva; pulse Detener otra vez para guardarlo.</translation>
    </message>
</context>
<context>
    <name>TotalsWindow</name>
    <message>
        <source>Project</source>
        <translation>Proyecto</translation>
    </message>
    <message>
        <source>Today (h:mm)</source>
        <translation>Hoy (h:mm)</translation>
    </message>
    <message>
        <source>This week (h:mm)</source>
        <translation>Semana (h:mm)</translation>
    </message>
    <message>
        <source>This month (h:mm)</source>
        <translation>Mes (h:mm)</translation>
    </message>
    <message>
        <source>All time (h:mm)</source>
        <translation>Total (h:mm)</translation>
    </message>
    <message>
        <source>All projects</source>
        <translation>Todos los proyectos</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totales</translation>
    </message>
    <message>
        <source>Totals per project</source>
        <translation>Totales por proyecto</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copies the table as tab-separated text</source>
        <translation>Copia la tabla como texto separado por tabuladores</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Renombrar...</translation>
    </message>
    <message>
        <source>Renames the selected project</source>
        <translation>Renombra el proyecto seleccionado</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Eliminar...</translation>
    </message>
    <message>
        <source>Deletes the selected project and its recordings</source>
        <translation>Elimina el proyecto seleccionado y sus registros</translation>
    </message>
    <message>
        <source>No project database is open</source>
        <translation>No hay ninguna base de datos de proyectos abierta</translation>
    </message>
    <message>
        <source>The time records cannot be read: %1</source>
        <translation>No se pueden leer los registros de tiempo: %1</translation>
    </message>
    <message>
        <source>Stop the recording of %1 first.</source>
        <translation>Detenga primero el registro de %1.</translation>
    </message>
    <message>
        <source>&amp;New name for %1:</source>
        <translation>&amp;Nuevo nombre para %1:</translation>
    </message>
    <message>
        <source>%1 already exists. Move its %2 to %1 and remove %3?</source>
        <translation>%1 ya existe. ¿Mover %2 de %3 a %1 y quitar %3?</translation>
    </message>
    <message>
        <source>Delete %1 and its %2?</source>
        <translation>¿Eliminar %1 con %2?</translation>
    </message>
</context>
</TS>
