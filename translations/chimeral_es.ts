<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
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
    <name>Program</name>
    <message>
        <source>Timer and Alarm Clock</source>
        <translation>Temporizador y despertador</translation>
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
</TS>
