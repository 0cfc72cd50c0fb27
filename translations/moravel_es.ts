<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AdaptiveDrill</name>
    <message>
        <source>First a few tasks for every finger, to see where each one stands.</source>
        <translation>Primero unas pocas tareas para cada dedo, para ver cómo está cada uno.</translation>
    </message>
    <message>
        <source>A quarter of an hour of practice: time for a short break.</source>
        <translation>Un cuarto de hora de práctica: es hora de un breve descanso.</translation>
    </message>
    <message>
        <source>pace %1 s</source>
        <translation>ritmo %1 s</translation>
    </message>
    <message>
        <source>the left %1</source>
        <translation>el %1 izquierdo</translation>
    </message>
    <message>
        <source>the right %1</source>
        <translation>el %1 derecho</translation>
    </message>
    <message>
        <source>Weakest now: %1.</source>
        <translation>Ahora el más débil: %1.</translation>
    </message>
    <message>
        <source>Most improved: %1, %2 ms faster on right strikes and fewer wrong strikes.</source>
        <translation>Lo que más mejoró: %1, %2 ms más rápido en las pulsaciones correctas y menos pulsaciones equivocadas.</translation>
    </message>
    <message>
        <source>Most improved: %1, %2 ms faster on right strikes.</source>
        <translation>Lo que más mejoró: %1, %2 ms más rápido en las pulsaciones correctas.</translation>
    </message>
    <message>
        <source>Most improved: %1, fewer wrong strikes.</source>
        <translation>Lo que más mejoró: %1, menos pulsaciones equivocadas.</translation>
    </message>
</context>
<context>
    <name>CalibrationDialog</name>
    <message>
        <source>Calibrate the metronome</source>
        <translation>Calibrar el metrónomo</translation>
    </message>
    <message>
        <source>Headphones and loudspeakers can sound later than the program sends the clicks. Press Start: %1 clicks count you in, then tap any finger key along with the next %2 clicks, just as you hear them. The median of how late your taps come is the offset; the clicks are then sent that much earlier.</source>
        <translation>Los auriculares y los altavoces pueden sonar más tarde de lo que el programa envía los clics. Pulsa Iniciar: %1 clics te dan la entrada; luego toca cualquier tecla de dedo junto con los %2 clics siguientes, justo cuando los oyes. La mediana de lo tarde que llegan tus toques es el desfase; los clics se envían entonces ese tanto antes.</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>&amp;Reset to 0 ms</source>
        <translation>&amp;Restablecer a 0 ms</translation>
    </message>
    <message>
        <source>Press Start when you are ready.</source>
        <translation>Pulsa Iniciar cuando estés listo.</translation>
    </message>
    <message>
        <source>&amp;Start again</source>
        <translation>&amp;Empezar de nuevo</translation>
    </message>
    <message>
        <source>OK sets the offset back to 0 ms.</source>
        <translation>Aceptar devuelve el desfase a 0 ms.</translation>
    </message>
    <message>
        <source>Listen...</source>
        <translation>Escucha...</translation>
    </message>
    <message>
        <source>Listen: %1 of %2</source>
        <translation>Escucha: %1 de %2</translation>
    </message>
    <message>
        <source>Tap along: %1 of %2 (taps so far: %3)</source>
        <translation>Toca a la vez: %1 de %2 (toques hasta ahora: %3)</translation>
    </message>
    <message>
        <source>Only %1 taps came near a click; %2 are needed. The offset stays at %3 ms. Press Start to try again.</source>
        <translation>Solo %1 toques llegaron cerca de un clic; hacen falta %2. El desfase se queda en %3 ms. Pulsa Iniciar para intentarlo de nuevo.</translation>
    </message>
    <message>
        <source>Offset found: %1 ms, from %2 taps (%3 too far from a click). OK keeps it.</source>
        <translation>Desfase encontrado: %1 ms, de %2 toques (%3 demasiado lejos de un clic). Aceptar lo guarda.</translation>
    </message>
    <message>
        <source>There is no sound output, so there are no clicks to tap along with.</source>
        <translation>No hay salida de sonido, así que no hay clics con los que tocar.</translation>
    </message>
    <message>
        <source>Offset in use: %1 ms</source>
        <translation>Desfase en uso: %1 ms</translation>
    </message>
</context>
<context>
    <name>ChosenClickTrack</name>
    <message>
        <source>The metronome&apos;s MIDI port %1 cannot be opened: the clicks come from the sound card.</source>
        <translation>No se puede abrir el puerto MIDI %1 del metrónomo: los clics suenan por la tarjeta de sonido.</translation>
    </message>
</context>
<context>
    <name>DataLink</name>
    <message>
        <source>%1 is not an exercise database</source>
        <translation>%1 no es una base de datos de ejercicios</translation>
    </message>
    <message>
        <source>the exercise database %1 is damaged</source>
        <translation>la base de datos de ejercicios %1 está dañada</translation>
    </message>
    <message>
        <source>the exercise database %1 cannot be read</source>
        <translation>la base de datos de ejercicios %1 no se puede leer</translation>
    </message>
    <message>
        <source>the exercise database %1 is missing</source>
        <translation>falta la base de datos de ejercicios %1</translation>
    </message>
    <message>
        <source>the exercise database %1 is empty</source>
        <translation>la base de datos de ejercicios %1 está vacía</translation>
    </message>
    <message>
        <source>the exercise database %1 cannot be opened</source>
        <translation>la base de datos de ejercicios %1 no se puede abrir</translation>
    </message>
    <message>
        <source>the exercise database %1 has no table %2</source>
        <translation>la base de datos de ejercicios %1 no tiene la tabla %2</translation>
    </message>
</context>
<context>
    <name>ExerciseWindow</name>
    <message>
        <source>Result: %1 points, saved in %2</source>
        <translation>Resultado: %1 puntos, guardado en %2</translation>
    </message>
    <message>
        <source>Press Del or Test &gt; Start, then play the finger shown for each hand</source>
        <translation>Pulsa Supr o Ejercicio &gt; Iniciar y luego toca con cada mano el dedo que aparece</translation>
    </message>
</context>
<context>
    <name>FingerRangeDialog</name>
    <message>
        <source>Left hand finger combinations</source>
        <translation>Combinaciones de dedos de la mano izquierda</translation>
    </message>
    <message>
        <source>Right hand finger combinations</source>
        <translation>Combinaciones de dedos de la mano derecha</translation>
    </message>
</context>
<context>
    <name>FormAdaptive</name>
    <message>
        <source>Choose number of tasks</source>
        <translation>Elige el número de tareas</translation>
    </message>
    <message>
        <source>Choose number of tasks for each hand from list :</source>
        <translation>Elige de la lista el número de tareas para cada mano:</translation>
    </message>
    <message>
        <source>Choose number of minutes</source>
        <translation>Elige el número de minutos</translation>
    </message>
    <message>
        <source>Choose how many minutes the exercise lasts :</source>
        <translation>Elige cuántos minutos dura el ejercicio:</translation>
    </message>
    <message>
        <source>Select the level to begin at</source>
        <translation>Elige el nivel con el que empezar</translation>
    </message>
</context>
<context>
    <name>FormMemory</name>
    <message>
        <source>Select level for the test</source>
        <translation>Elige el nivel de la prueba</translation>
    </message>
    <message>
        <source>The memory test cannot be used: %1.

The other exercises still work.</source>
        <translation>La prueba de memoria no se puede usar: %1.

Los demás ejercicios siguen funcionando.</translation>
    </message>
</context>
<context>
    <name>FormRhythm</name>
    <message>
        <source>count in: %1</source>
        <translation>cuenta previa: %1</translation>
    </message>
    <message>
        <source>%1 ms early on average</source>
        <translation>de media %1 ms antes de tiempo</translation>
    </message>
    <message>
        <source>%1 ms late on average</source>
        <translation>de media %1 ms tarde</translation>
    </message>
    <message>
        <source>on the beat on average</source>
        <translation>de media justo a tiempo</translation>
    </message>
    <message>
        <source>spread %1 ms</source>
        <translation>dispersión %1 ms</translation>
    </message>
    <message>
        <source>%1 % of the notes right</source>
        <translation>%1 % de las notas correctas</translation>
    </message>
    <message>
        <source>%1 bpm</source>
        <translation>%1 ppm</translation>
    </message>
    <message>
        <source>best clean: %1</source>
        <translation>mejor limpio: %1</translation>
    </message>
    <message>
        <source>without the click %1 ms early</source>
        <translation>sin el clic %1 ms antes</translation>
    </message>
    <message>
        <source>without the click %1 ms late</source>
        <translation>sin el clic %1 ms tarde</translation>
    </message>
    <message>
        <source>without the click on the beat</source>
        <translation>sin el clic a tiempo</translation>
    </message>
    <message>
        <source>touch varies %1 %</source>
        <translation>el toque varía un %1 %</translation>
    </message>
    <message>
        <source>pulled to the other hand %1 of 100</source>
        <translation>atraída por la otra mano: %1 de 100</translation>
    </message>
    <message>
        <source>The metronome is calibrated between exercises: let this one end first.</source>
        <translation>El metrónomo se calibra entre ejercicios: deja que este termine primero.</translation>
    </message>
</context>
<context>
    <name>HandNames</name>
    <message>
        <source>%1 %2</source>
        <comment>the hand (%1), then the finger (%2)</comment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>L</source>
        <comment>the left hand, in a chart label</comment>
        <translation>I</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>of a finger</comment>
        <translation>izquierdo</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>the hand on its own</comment>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Left hand</source>
        <translation>Mano izquierda</translation>
    </message>
    <message>
        <source>R</source>
        <comment>the right hand, in a chart label</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>of a finger</comment>
        <translation>derecho</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>the hand on its own</comment>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Right hand</source>
        <translation>Mano derecha</translation>
    </message>
    <message>
        <source>index</source>
        <comment>short, in a heading</comment>
        <translation>índice</translation>
    </message>
    <message>
        <source>index finger</source>
        <translation>índice</translation>
    </message>
    <message>
        <source>left</source>
        <comment>of a finger, in a sentence</comment>
        <translation>izquierdo</translation>
    </message>
    <message>
        <source>left</source>
        <comment>the hand, in a sentence</comment>
        <translation>izquierda</translation>
    </message>
    <message>
        <source>little</source>
        <comment>short, in a heading</comment>
        <translation>meñique</translation>
    </message>
    <message>
        <source>little finger</source>
        <translation>meñique</translation>
    </message>
    <message>
        <source>middle</source>
        <comment>short, in a heading</comment>
        <translation>corazón</translation>
    </message>
    <message>
        <source>middle finger</source>
        <translation>corazón</translation>
    </message>
    <message>
        <source>right</source>
        <comment>of a finger, in a sentence</comment>
        <translation>derecho</translation>
    </message>
    <message>
        <source>right</source>
        <comment>the hand, in a sentence</comment>
        <translation>derecha</translation>
    </message>
    <message>
        <source>ring</source>
        <comment>short, in a heading</comment>
        <translation>anular</translation>
    </message>
    <message>
        <source>ring finger</source>
        <translation>anular</translation>
    </message>
    <message>
        <source>thumb</source>
        <translation>pulgar</translation>
    </message>
    <message>
        <source>thumb</source>
        <comment>short, in a heading</comment>
        <translation>pulgar</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Moravel Help</source>
        <translation>Ayuda de Moravel</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>The practice history %1 cannot be read, and it could not be set aside; practice is not recorded.</source>
        <translation>El historial de práctica %1 no se puede leer ni apartar; la práctica no se registra.</translation>
    </message>
    <message>
        <source>The practice history could not be read. It was set aside as %1, and a new history was started.</source>
        <translation>No se pudo leer el historial de práctica. Se apartó como %1 y se empezó un historial nuevo.</translation>
    </message>
    <message>
        <source>The practice history %1 was written by a newer version of Moravel. It is shown, but nothing is added to it.</source>
        <translation>El historial de práctica %1 lo escribió una versión más reciente de Moravel. Se muestra, pero no se le añade nada.</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>its folder is read-only</source>
        <translation>su carpeta es de solo lectura</translation>
    </message>
    <message>
        <source>The practice history %1 can only be read (%2). It is shown, but practice is not being recorded.</source>
        <translation>El historial de práctica %1 solo se puede leer (%2). Se muestra, pero tu práctica no se está registrando.</translation>
    </message>
    <message>
        <source>The practice history %1 is in use by another program. Practice is not being recorded; close the other program and start Moravel again.</source>
        <translation>Otro programa está usando el historial de práctica %1. Tu práctica no se está registrando; cierra el otro programa y vuelve a abrir Moravel.</translation>
    </message>
    <message>
        <source>The practice history %1 cannot be opened (%2). Practice is not being recorded.</source>
        <translation>El historial de práctica %1 no se puede abrir (%2). Tu práctica no se está registrando.</translation>
    </message>
    <message>
        <source>The practice history is in use by another program. Your practice is kept and will be written when it is free.</source>
        <translation>Otro programa está usando el historial de práctica. Tu práctica se conserva y se escribirá cuando quede libre.</translation>
    </message>
    <message>
        <source>The disk of the practice history is full. Your practice is kept and will be written when there is room.</source>
        <translation>El disco del historial de práctica está lleno. Tu práctica se conserva y se escribirá cuando haya espacio.</translation>
    </message>
    <message>
        <source>The practice history has become read-only. Your practice is kept and will be written when it can be.</source>
        <translation>El historial de práctica se ha vuelto de solo lectura. Tu práctica se conserva y se escribirá cuando sea posible.</translation>
    </message>
    <message>
        <source>The practice history is damaged. Your practice is kept and goes into a new history at the next start.</source>
        <translation>El historial de práctica está dañado. Tu práctica se conserva y pasará a un historial nuevo en el próximo inicio.</translation>
    </message>
    <message>
        <source>The practice history cannot be written just now. Your practice is kept and will be written when it can be.</source>
        <translation>Ahora mismo no se puede escribir en el historial de práctica. Tu práctica se conserva y se escribirá cuando sea posible.</translation>
    </message>
</context>
<context>
    <name>KeyCheck</name>
    <message>
        <source>All ten</source>
        <translation>Las diez</translation>
    </message>
    <message>
        <source>%1, finger %2 (%3)</source>
        <translation>%1, dedo %2 (%3)</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Paso %1 de %2</translation>
    </message>
    <message>
        <source>Hold the five keys of your left hand (%1) down together, then let go and press Next step.</source>
        <translation>Mantén pulsadas a la vez las cinco teclas de tu mano izquierda (%1), suéltalas y pulsa «Siguiente paso».</translation>
    </message>
    <message>
        <source>Hold the five keys of your right hand (%1) down together, then let go and press Next step.</source>
        <translation>Mantén pulsadas a la vez las cinco teclas de tu mano derecha (%1), suéltalas y pulsa «Siguiente paso».</translation>
    </message>
    <message>
        <source>Hold all ten keys down together, then let go and press Next step.</source>
        <translation>Mantén pulsadas a la vez las diez teclas, suéltalas y pulsa «Siguiente paso».</translation>
    </message>
    <message>
        <source>The check is done. Press Start again to check once more.</source>
        <translation>La comprobación ha terminado. Pulsa «Empezar de nuevo» para comprobar otra vez.</translation>
    </message>
    <message>
        <source>Held together now: %1 of %2. Most at once: %3 of %2.</source>
        <translation>Pulsadas a la vez ahora: %1 de %2. Máximo a la vez: %3 de %2.</translation>
    </message>
    <message>
        <source>%1: no keys were held, so nothing was checked.</source>
        <translation>%1: no se mantuvo pulsada ninguna tecla, así que no se comprobó nada.</translation>
    </message>
    <message>
        <source>%1: all %2 keys came through together.</source>
        <translation>%1: las %2 teclas llegaron juntas.</translation>
    </message>
    <message>
        <source>%1: the keyboard reported at most %2 of %3 keys at once; lost: %4. Keys pressed together may not count in a drill on this keyboard.</source>
        <translation>%1: el teclado informó de como mucho %2 de %3 teclas a la vez; perdidas: %4. Las teclas pulsadas a la vez pueden no contar en un ejercicio con este teclado.</translation>
    </message>
    <message>
        <source>A step without keys held tells nothing: press Start again to try it.</source>
        <translation>Un paso sin teclas pulsadas no dice nada: pulsa «Empezar de nuevo» para intentarlo.</translation>
    </message>
    <message>
        <source>This keyboard reports all ten finger keys at once: a drill counts every key you strike.</source>
        <translation>Este teclado informa de las diez teclas de los dedos a la vez: un ejercicio cuenta cada tecla que pulses.</translation>
    </message>
    <message>
        <source>The other key layout (Options &gt; Keyboard) or another keyboard may report more keys at once; a MIDI keyboard has no such limit.</source>
        <translation>La otra disposición de teclas (Opciones &gt; Teclado) u otro teclado pueden informar de más teclas a la vez; un teclado MIDI no tiene ese límite.</translation>
    </message>
</context>
<context>
    <name>KeyCheckDialog</name>
    <message>
        <source>Check keys</source>
        <translation>Comprobar teclas</translation>
    </message>
    <message>
        <source>Press the finger keys (%1): each key lights while the keyboard reports it held. A note from a MIDI keyboard lights its finger too.</source>
        <translation>Pulsa las teclas de los dedos (%1): cada tecla se ilumina mientras el teclado la da por pulsada. Una nota de un teclado MIDI también ilumina su dedo.</translation>
    </message>
    <message>
        <source>no numeric keypad</source>
        <translation>sin teclado numérico</translation>
    </message>
    <message>
        <source>numeric keypad</source>
        <translation>teclado numérico</translation>
    </message>
    <message>
        <source>Keys held together</source>
        <translation>Teclas pulsadas a la vez</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Start again</source>
        <translation>&amp;Empezar de nuevo</translation>
    </message>
    <message>
        <source>&amp;Next step</source>
        <translation>&amp;Siguiente paso</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;color:#777&quot;&gt;The result of each step shows here.&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;color:#777&quot;&gt;Aquí aparece el resultado de cada paso.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Num Lock: unknown</source>
        <translation>Bloq Num: desconocido</translation>
    </message>
    <message>
        <source>Num Lock: press any key to see</source>
        <translation>Bloq Num: pulsa cualquier tecla para verlo</translation>
    </message>
    <message>
        <source>Num Lock: on</source>
        <translation>Bloq Num: activado</translation>
    </message>
    <message>
        <source>Num Lock: off</source>
        <translation>Bloq Num: desactivado</translation>
    </message>
    <message>
        <source>Strikes a drill would count: %1</source>
        <translation>Pulsaciones que contaría un ejercicio: %1</translation>
    </message>
    <message>
        <source>; the last: %1</source>
        <translation>; la última: %1</translation>
    </message>
</context>
<context>
    <name>KeyCheckPicture</name>
    <message>
        <source>finger %1</source>
        <translation>dedo %1</translation>
    </message>
    <message>
        <source>held</source>
        <translation>pulsada</translation>
    </message>
</context>
<context>
    <name>KeyMap</name>
    <message>
        <source>No numeric keypad</source>
        <translation>Sin teclado numérico</translation>
    </message>
    <message>
        <source>Numeric keypad</source>
        <translation>Teclado numérico</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Av Pág</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Bloq Num</translation>
    </message>
    <message>
        <source>Alt Gr</source>
        <translation>Alt Gr</translation>
    </message>
</context>
<context>
    <name>KeyboardDialog</name>
    <message>
        <source>Left hand, little finger to thumb: %1
Right hand, thumb to little finger: %2</source>
        <translation>Mano izquierda, del meñique al pulgar: %1
Mano derecha, del pulgar al meñique: %2</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Which keys do your fingers play?</source>
        <translation>¿Qué teclas tocan tus dedos?</translation>
    </message>
    <message>
        <source>The keys are found by where they sit, so every keyboard layout (QWERTZ, AZERTY, Dvorak) plays the same.</source>
        <translation>Las teclas se reconocen por su posición, así que cualquier distribución de teclado (QWERTY, AZERTY, Dvorak) funciona igual.</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>left hand :</source>
        <translation>izquierda :</translation>
    </message>
    <message>
        <source>right hand :</source>
        <translation>derecha :</translation>
    </message>
    <message>
        <source>Left hand - score :</source>
        <translation>Mano izquierda - puntos :</translation>
    </message>
    <message>
        <source>Right hand - score :</source>
        <translation>Mano derecha - puntos :</translation>
    </message>
    <message>
        <source>Total score :</source>
        <translation>Total :</translation>
    </message>
    <message>
        <source>Random test</source>
        <translation>Prueba aleatoria</translation>
    </message>
    <message>
        <source>Sequential    exercise :</source>
        <translation>Ejercicio    secuencial :</translation>
    </message>
    <message>
        <source>Memory test</source>
        <translation>Prueba de memoria</translation>
    </message>
    <message>
        <source>End of exercise</source>
        <translation>Fin del ejercicio</translation>
    </message>
    <message>
        <source>MEMORIZE</source>
        <translation>MEMORIZA</translation>
    </message>
    <message>
        <source>REPEAT</source>
        <translation>REPITE</translation>
    </message>
    <message>
        <source>Adaptive drill</source>
        <translation>Ejercicio adaptativo</translation>
    </message>
    <message>
        <source>Rhythm</source>
        <translation>Ritmo</translation>
    </message>
</context>
<context>
    <name>LevelDialog</name>
    <message>
        <source>Absolute beginner</source>
        <translation>Principiante absoluto</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Principiante</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermedio</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Pro</source>
        <translation>Profesional</translation>
    </message>
</context>
<context>
    <name>MemoryDrill</name>
    <message>
        <source>the table %1 of the exercise database %2 has no rows</source>
        <translation>la tabla %1 de la base de datos de ejercicios %2 no tiene filas</translation>
    </message>
    <message>
        <source>the table %1 of the exercise database %2 has no task columns</source>
        <translation>la tabla %1 de la base de datos de ejercicios %2 no tiene columnas de tareas</translation>
    </message>
    <message>
        <source>The memory test cannot start: %1.</source>
        <translation>La prueba de memoria no puede empezar: %1.</translation>
    </message>
</context>
<context>
    <name>MenuLayout</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>Poner a &amp;cero</translation>
    </message>
    <message>
        <source>Ra&amp;ndom</source>
        <translation>&amp;Aleatorio</translation>
    </message>
    <message>
        <source>Se&amp;quential exercises</source>
        <translation>Ejercicios &amp;secuenciales</translation>
    </message>
    <message>
        <source>&amp;Memory exercises</source>
        <translation>Ejercicios de &amp;memoria</translation>
    </message>
    <message>
        <source>&amp;Preschool</source>
        <translation>&amp;Preescolar</translation>
    </message>
    <message>
        <source>Ra&amp;ndom exercises</source>
        <translation>Ejercicios &amp;aleatorios</translation>
    </message>
    <message>
        <source>&amp;Memory exercise</source>
        <translation>Ejercicio de &amp;memoria</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;View results</source>
        <translation>&amp;Ver resultados</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Estadísticas</translation>
    </message>
    <message>
        <source>&amp;Choose exercise</source>
        <translation>&amp;Elegir ejercicio</translation>
    </message>
    <message>
        <source>&amp;Number of tasks</source>
        <translation>&amp;Número de tareas</translation>
    </message>
    <message>
        <source>N&amp;umber of sequences</source>
        <translation>N&amp;úmero de secuencias</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>N&amp;ivel</translation>
    </message>
    <message>
        <source>&amp;Left hand combinations</source>
        <translation>Combinaciones de la mano i&amp;zquierda</translation>
    </message>
    <message>
        <source>&amp;Right Hand combinations</source>
        <translation>Combinaciones de la mano &amp;derecha</translation>
    </message>
    <message>
        <source>N&amp;umber of tasks</source>
        <translation>N&amp;úmero de tareas</translation>
    </message>
    <message>
        <source>&amp;Number of sequences</source>
        <translation>&amp;Número de secuencias</translation>
    </message>
    <message>
        <source>Notes per task</source>
        <translation>Notas por tarea</translation>
    </message>
    <message>
        <source>&amp;Number of memory tasks</source>
        <translation>&amp;Número de tareas de memoria</translation>
    </message>
    <message>
        <source>&amp;Keyboard...</source>
        <translation>&amp;Teclado...</translation>
    </message>
    <message>
        <source>&amp;Piano keyboard (MIDI)...</source>
        <translation>&amp;Piano (MIDI)...</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>Pantalla co&amp;mpleta</translation>
    </message>
    <message>
        <source>Sound &amp;volume...</source>
        <translation>&amp;Volumen del sonido...</translation>
    </message>
    <message>
        <source>&amp;Key dispositon</source>
        <translation>&amp;Disposición de las teclas</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de Moravel</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Ejercicio</translation>
    </message>
    <message>
        <source>&amp;User</source>
        <translation>&amp;Usuario</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents            F1</source>
        <translation>&amp;Contenido            F1</translation>
    </message>
    <message>
        <source>&amp;Contents        F1</source>
        <translation>&amp;Contenido        F1</translation>
    </message>
    <message>
        <source>&amp;Adaptive</source>
        <translation>A&amp;daptativo</translation>
    </message>
    <message>
        <source>Number of &amp;minutes</source>
        <translation>Duración en min&amp;utos</translation>
    </message>
    <message>
        <source>&amp;Hands</source>
        <translation>Man&amp;os</translation>
    </message>
    <message>
        <source>&amp;Both</source>
        <translation>&amp;Ambas</translation>
    </message>
    <message>
        <source>&amp;Left only</source>
        <translation>Solo la &amp;izquierda</translation>
    </message>
    <message>
        <source>&amp;Right only</source>
        <translation>Solo la &amp;derecha</translation>
    </message>
    <message>
        <source>Ch&amp;eck keys...</source>
        <translation>&amp;Comprobar teclas...</translation>
    </message>
    <message>
        <source>R&amp;hythm</source>
        <translation>&amp;Ritmo</translation>
    </message>
    <message>
        <source>&amp;Rhythm...</source>
        <translation>&amp;Ritmo...</translation>
    </message>
    <message>
        <source>Calibrate the &amp;metronome...</source>
        <translation>C&amp;alibrar el metrónomo...</translation>
    </message>
</context>
<context>
    <name>MidiDialog</name>
    <message>
        <source>MIDI ports</source>
        <translation>Puertos MIDI</translation>
    </message>
    <message>
        <source>%1 %2 (%3)</source>
        <translation>%2 %1 (%3)</translation>
    </message>
    <message>
        <source>All ten notes learnt. OK keeps them.</source>
        <translation>Aprendidas las diez notas. Aceptar las guarda.</translation>
    </message>
    <message>
        <source>Piano keyboard (MIDI)</source>
        <translation>Piano (MIDI)</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Finger</source>
        <translation>Dedo</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>&amp;Learn</source>
        <translation>&amp;Aprender</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Predeterminado</translation>
    </message>
    <message>
        <source>MIDI is unavailable. %1
The computer keyboard plays as always.</source>
        <translation>MIDI no está disponible. %1
El teclado del ordenador funciona como siempre.</translation>
    </message>
    <message>
        <source>the program&apos;s own port, for other programs</source>
        <translation>el puerto propio del programa, para otros programas</translation>
    </message>
    <message>
        <source>listening</source>
        <translation>escuchando</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>no se puede abrir</translation>
    </message>
    <message>
        <source>No MIDI keyboard found yet: plug one in, it is picked up within a second.</source>
        <translation>Todavía no hay ningún teclado MIDI: conecta uno y se detectará en menos de un segundo.</translation>
    </message>
    <message>
        <source>Stop &amp;learning</source>
        <translation>&amp;Dejar de aprender</translation>
    </message>
    <message>
        <source>Last note: %1, velocity %2</source>
        <translation>Última nota: %1, velocidad %2</translation>
    </message>
    <message>
        <source>%1 is already the %2&apos;s note. Play another note for the %3.</source>
        <translation>%1 ya es la nota del %2. Toca otra nota para el %3.</translation>
    </message>
    <message>
        <source>Play the note for the %1 (%2 of 10).</source>
        <translation>Toca la nota para el %1 (%2 de 10).</translation>
    </message>
    <message>
        <source>Learn takes the ten notes as you play them: left hand little finger to thumb, then right hand thumb to little finger.</source>
        <translation>Aprender toma las diez notas tal como las tocas: mano izquierda del meñique al pulgar y después mano derecha del pulgar al meñique.</translation>
    </message>
    <message>
        <source>MIDI through JACK. Every input port is listened to; other programs can play into the port &quot;Moravel&quot;.</source>
        <translation>MIDI a través de JACK. Se escuchan todos los puertos de entrada; otros programas pueden tocar en el puerto «Moravel».</translation>
    </message>
    <message>
        <source>MIDI through the ALSA sequencer. Every input port is listened to; other programs can play into the port &quot;Moravel&quot;.</source>
        <translation>MIDI a través del secuenciador ALSA. Se escuchan todos los puertos de entrada; otros programas pueden tocar en el puerto «Moravel».</translation>
    </message>
    <message>
        <source>MIDI through %1. Every input port is listened to; other programs can play into the port &quot;Moravel&quot;.</source>
        <translation>MIDI a través de %1. Se escuchan todos los puertos de entrada; otros programas pueden tocar en el puerto «Moravel».</translation>
    </message>
    <message>
        <source>Sound card</source>
        <translation>Tarjeta de sonido</translation>
    </message>
    <message>
        <source>Where the Rhythm window&apos;s metronome sounds: the sound card, or a digital piano on a MIDI output port.</source>
        <translation>Dónde suena el metrónomo de la ventana Ritmo: en la tarjeta de sonido o en un piano digital conectado a un puerto de salida MIDI.</translation>
    </message>
    <message>
        <source>&amp;Metronome:</source>
        <translation>&amp;Metrónomo:</translation>
    </message>
    <message>
        <source>%1 (not found)</source>
        <translation>%1 (no encontrado)</translation>
    </message>
</context>
<context>
    <name>OkCancelDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>PictureWindow</name>
    <message>
        <source>left hand</source>
        <translation>mano izquierda</translation>
    </message>
    <message>
        <source>right hand</source>
        <translation>mano derecha</translation>
    </message>
    <message>
        <source>Key disposition</source>
        <translation>Disposición de las teclas</translation>
    </message>
    <message>
        <source>Key disposition :</source>
        <translation>Disposición de las teclas :</translation>
    </message>
    <message>
        <source>Finger disposition</source>
        <translation>Disposición de los dedos</translation>
    </message>
    <message>
        <source>finger disposition :</source>
        <translation>disposición de los dedos :</translation>
    </message>
</context>
<context>
    <name>RandomOptions</name>
    <message>
        <source>Select level for the test</source>
        <translation>Elige el nivel de la prueba</translation>
    </message>
</context>
<context>
    <name>RhythmDrill</name>
    <message>
        <source>The exercise database cannot be read, so there is no figure to play.</source>
        <translation>No se puede leer la base de datos de ejercicios, así que no hay ninguna figura que tocar.</translation>
    </message>
</context>
<context>
    <name>RhythmOptionsDialog</name>
    <message>
        <source>Rhythm</source>
        <translation>Ritmo</translation>
    </message>
    <message>
        <source> bpm</source>
        <translation> ppm</translation>
    </message>
    <message>
        <source>&amp;Tempo:</source>
        <translation>&amp;Tempo:</translation>
    </message>
    <message>
        <source>&amp;Left hand, notes a beat:</source>
        <translation>&amp;Mano izquierda, notas por pulso:</translation>
    </message>
    <message>
        <source>&amp;Right hand, notes a beat:</source>
        <translation>Mano &amp;derecha, notas por pulso:</translation>
    </message>
    <message>
        <source>passes of the figure</source>
        <translation>pasadas de la figura</translation>
    </message>
    <message>
        <source>bars</source>
        <translation>compases</translation>
    </message>
    <message>
        <source>Length counted in</source>
        <translation>Longitud contada en</translation>
    </message>
    <message>
        <source>Len&amp;gth:</source>
        <translation>&amp;Longitud:</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>&amp;Count in one bar of clicks</source>
        <translation>&amp;Contar un compás de clics antes</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>every </source>
        <translation>cada </translation>
    </message>
    <message>
        <source> bars</source>
        <translation> compases</translation>
    </message>
    <message>
        <source>&amp;Silent bar:</source>
        <translation>Compás &amp;silencioso:</translation>
    </message>
    <message>
        <source>Tempo trai&amp;ner: faster after a clean exercise</source>
        <translation>Entre&amp;nador de tempo: más rápido tras un ejercicio limpio</translation>
    </message>
</context>
<context>
    <name>RtMidiPorts</name>
    <message>
        <source>No MIDI system was found: there is no ALSA sequencer (/dev/snd/seq) and no JACK server running.</source>
        <translation>No se encontró ningún sistema MIDI: no hay secuenciador ALSA (/dev/snd/seq) ni ningún servidor JACK en marcha.</translation>
    </message>
</context>
<context>
    <name>SequentialDrill</name>
    <message>
        <source>the table %1 of the exercise database %2 has no rows</source>
        <translation>la tabla %1 de la base de datos de ejercicios %2 no tiene filas</translation>
    </message>
    <message>
        <source>the table %1 of the exercise database %2 has no column &quot;%3&quot;</source>
        <translation>la tabla %1 de la base de datos de ejercicios %2 no tiene la columna «%3»</translation>
    </message>
    <message>
        <source>The exercise cannot start: %1.</source>
        <translation>El ejercicio no puede empezar: %1.</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>; %1 % faster than the week before</source>
        <translation>; un %1 % más rápido que la semana anterior</translation>
    </message>
    <message>
        <source>; %1 % faster than the month before</source>
        <translation>; un %1 % más rápido que el mes anterior</translation>
    </message>
    <message>
        <source>; %1 % slower than the week before</source>
        <translation>; un %1 % más lento que la semana anterior</translation>
    </message>
    <message>
        <source>; %1 % slower than the month before</source>
        <translation>; un %1 % más lento que el mes anterior</translation>
    </message>
    <message>
        <source>%1: slowest (%2 ms), %3 % wrong</source>
        <translation>%1: el más lento (%2 ms), %3 % de fallos</translation>
    </message>
    <message>
        <source>%1: %2 % wrong</source>
        <translation>%1: %2 % de fallos</translation>
    </message>
    <message>
        <source>, most often taken for the %1</source>
        <translation>, confundido sobre todo con el %1</translation>
    </message>
    <message>
        <source>The hands work independently (coupling %1 of 100)</source>
        <translation>Las manos trabajan con independencia (acoplamiento %1 de 100)</translation>
    </message>
    <message>
        <source>The hands sometimes strike together (coupling %1 of 100)</source>
        <translation>Las manos pulsan juntas a veces (acoplamiento %1 de 100)</translation>
    </message>
    <message>
        <source>The hands often strike together (coupling %1 of 100)</source>
        <translation>Las manos pulsan juntas a menudo (acoplamiento %1 de 100)</translation>
    </message>
    <message>
        <source>%1: %2 % slower while the other hand is busy</source>
        <translation>%1: un %2 % más lenta mientras la otra mano está ocupada</translation>
    </message>
    <message>
        <source>%1: %2 % faster while the other hand is busy</source>
        <translation>%1: un %2 % más rápida mientras la otra mano está ocupada</translation>
    </message>
    <message>
        <source>%1: %2 ms faster per week</source>
        <translation>%1: %2 ms más rápida por semana</translation>
    </message>
    <message>
        <source>%1: %2 ms slower per week</source>
        <translation>%1: %2 ms más lenta por semana</translation>
    </message>
    <message>
        <source>%1: least even touch (velocity %2 to %3 in the middle half of its strikes)</source>
        <translation>%1: la pulsación menos pareja (velocidad de %2 a %3 en la mitad central de sus pulsaciones)</translation>
    </message>
    <message>
        <source>%1: %2 % slower with both hands than alone</source>
        <translation>%1: un %2 % más lenta con las dos manos que sola</translation>
    </message>
    <message>
        <source>%1: %2 % faster with both hands than alone</source>
        <translation>%1: un %2 % más rápida con las dos manos que sola</translation>
    </message>
    <message>
        <source>%1 ms early on average</source>
        <translation>de media %1 ms antes</translation>
    </message>
    <message>
        <source>%1 ms late on average</source>
        <translation>de media %1 ms tarde</translation>
    </message>
    <message>
        <source>; steadiest at %1 bpm</source>
        <translation>; más estable a %1 ppm</translation>
    </message>
    <message>
        <source>Without the click you drift %1 ms early</source>
        <translation>Sin el clic te adelantas %1 ms</translation>
    </message>
    <message>
        <source>Without the click you drift %1 ms late</source>
        <translation>Sin el clic te retrasas %1 ms</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Reading the practice history</source>
        <translation>Leyendo el historial de práctica</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Jugador:</translation>
    </message>
    <message>
        <source>All players</source>
        <translation>Todos los jugadores</translation>
    </message>
    <message>
        <source>P&amp;eriod:</source>
        <translation>&amp;Periodo:</translation>
    </message>
    <message>
        <source>Last exercise</source>
        <translation>Último ejercicio</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Últimos 7 días</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Últimos 30 días</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>E&amp;xercise:</source>
        <translation>E&amp;jercicio:</translation>
    </message>
    <message>
        <source>All exercises</source>
        <translation>Todos los ejercicios</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aleatorio</translation>
    </message>
    <message>
        <source>Sequential</source>
        <translation>Secuencial</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>Preschool</source>
        <translation>Preescolar</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Nothing practised yet&lt;/h2&gt;&lt;p&gt;Once you have played an exercise, this window shows which finger of each hand is slow or often wrong, which finger is taken for which, how your speed and accuracy change from one exercise to the next, and how independently your two hands work.&lt;/p&gt;&lt;p&gt;Choose &lt;b&gt;Test &amp;gt; Start&lt;/b&gt; in an exercise window to begin; every strike is kept.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Todavía no has practicado&lt;/h2&gt;&lt;p&gt;En cuanto hayas tocado un ejercicio, esta ventana muestra qué dedo de cada mano es lento o falla a menudo, qué dedo se confunde con cuál, cómo cambian tu velocidad y tu precisión de un ejercicio a otro y con qué independencia trabajan tus dos manos.&lt;/p&gt;&lt;p&gt;Elige &lt;b&gt;Ejercicio &amp;gt; Iniciar&lt;/b&gt; en una ventana de ejercicio para empezar; se guarda cada pulsación.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Reaction time of each finger: median and middle half</source>
        <translation>Tiempo de reacción de cada dedo: mediana y mitad central</translation>
    </message>
    <message>
        <source>Left median</source>
        <translation>Mediana izq.</translation>
    </message>
    <message>
        <source>Left wrong</source>
        <translation>Fallos izq.</translation>
    </message>
    <message>
        <source>Right median</source>
        <translation>Mediana der.</translation>
    </message>
    <message>
        <source>Right wrong</source>
        <translation>Fallos der.</translation>
    </message>
    <message>
        <source>&amp;Fingers</source>
        <translation>&amp;Dedos</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1 hand&lt;/b&gt;: the finger asked for (rows) and the finger that struck (columns)</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;: el dedo pedido (filas) y el dedo que pulsó (columnas)</translation>
    </message>
    <message>
        <source>&amp;Mistakes</source>
        <translation>&amp;Errores</translation>
    </message>
    <message>
        <source>Sequential and memory exercises show how long each step from one finger to the next takes.</source>
        <translation>Los ejercicios secuenciales y de memoria muestran cuánto tarda cada paso de un dedo al siguiente.</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Mano</translation>
    </message>
    <message>
        <source>From -&gt; to</source>
        <translation>De -&gt; a</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Mediana</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Pasos</translation>
    </message>
    <message>
        <source>&amp;Transitions</source>
        <translation>&amp;Transiciones</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>P&amp;rogress</source>
        <translation>P&amp;rogreso</translation>
    </message>
    <message>
        <source>&lt;b&gt;Coupling&lt;/b&gt;</source>
        <translation>&lt;b&gt;Acoplamiento&lt;/b&gt;</translation>
    </message>
    <message>
        <source>How often the two hands strike within 50 ms of each other, against chance. 100 means the hands strike together no more often than chance; 0 means they always strike together.</source>
        <translation>Con qué frecuencia las dos manos pulsan a menos de 50 ms una de otra, frente al azar. 100 significa que las manos no pulsan juntas más a menudo que por azar; 0 significa que siempre pulsan juntas.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Two-hand cost, %1 hand&lt;/b&gt;</source>
        <translation>&lt;b&gt;Coste de las dos manos, mano %1&lt;/b&gt;</translation>
    </message>
    <message>
        <source>A hand&apos;s median reaction on tasks that come while the other hand is busy too, against tasks that come while it is idle. 100 % means no cost; 120 % means a fifth slower. It needs at least ten tasks of each kind, which the preschool game&apos;s pauses give.</source>
        <translation>La reacción mediana de una mano en tareas que llegan mientras la otra mano también está ocupada, frente a tareas que llegan mientras está libre. 100 % significa sin coste; 120 % significa una quinta parte más lenta. Hacen falta al menos diez tareas de cada tipo, que dan las pausas del juego preescolar.</translation>
    </message>
    <message>
        <source>&amp;Hands together</source>
        <translation>&amp;Manos juntas</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1 %2, %3 strikes&lt;/b&gt;&lt;ul style=&quot;margin-top:4px&quot;&gt;</source>
        <translation>&lt;b&gt;%1 %2, %3 pulsaciones&lt;/b&gt;&lt;ul style=&quot;margin-top:4px&quot;&gt;</translation>
    </message>
    <message>
        <source>exercise</source>
        <translation>ejercicio</translation>
    </message>
    <message>
        <source>exercises</source>
        <translation>ejercicios</translation>
    </message>
    <message>
        <source>Reaction time (ms)</source>
        <translation>Tiempo de reacción (ms)</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Ejercicio</translation>
    </message>
    <message>
        <source>Accuracy (%)</source>
        <translation>Precisión (%)</translation>
    </message>
    <message>
        <source>%1 hand, median</source>
        <translation>%1, mediana</translation>
    </message>
    <message>
        <source>%1 hand, accuracy</source>
        <translation>%1, precisión</translation>
    </message>
    <message>
        <source>%1 hand, trend</source>
        <translation>%1, tendencia</translation>
    </message>
    <message>
        <source>Adaptive</source>
        <translation>Adaptativo</translation>
    </message>
    <message>
        <source>Left touch</source>
        <translation>Pulsación izquierda</translation>
    </message>
    <message>
        <source>Right touch</source>
        <translation>Pulsación derecha</translation>
    </message>
    <message>
        <source>MIDI velocity of the finger&apos;s strikes: median (middle half); the narrower the middle half, the more even the touch</source>
        <translation>Velocidad MIDI de las pulsaciones del dedo: mediana (mitad central); cuanto más estrecha la mitad central, más pareja la pulsación</translation>
    </message>
    <message>
        <source>Against this hand&apos;s one-hand exercises</source>
        <translation>Comparado con los ejercicios de esta mano sola</translation>
    </message>
    <message>
        <source>Against tasks while the other hand was idle</source>
        <translation>Comparado con las tareas mientras la otra mano descansaba</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Nothing to show for this choice&lt;/h2&gt;&lt;p&gt;The player, period and exercise chosen above leave no strikes. Choose another player, a longer period or all exercises.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;No hay nada que mostrar para esta selección&lt;/h2&gt;&lt;p&gt;El jugador, el periodo y el ejercicio que elegiste arriba no contienen pulsaciones. Elige otro jugador, un periodo más largo o todos los ejercicios.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Rhythm</source>
        <translation>Ritmo</translation>
    </message>
    <message>
        <source>Variation (%)</source>
        <translation>Variación de los intervalos (%)</translation>
    </message>
    <message>
        <source>%1 bpm</source>
        <translation>%1 ppm</translation>
    </message>
    <message>
        <source>Rhythm exercises show here how far from the beat each finger plays, how even the notes are, and the fastest tempo of each figure played clean.</source>
        <translation>Los ejercicios de ritmo muestran aquí a qué distancia del pulso toca cada dedo, lo regulares que son las notas y el tempo más rápido en que cada figura se tocó limpia.</translation>
    </message>
    <message>
        <source>%1 offset</source>
        <translation>%1: desvío</translation>
    </message>
    <message>
        <source>%1 spread</source>
        <translation>%1: dispersión</translation>
    </message>
    <message>
        <source>%1 in time</source>
        <translation>%1: aciertos</translation>
    </message>
    <message>
        <source>%1 silent bars</source>
        <translation>%1: compases mudos</translation>
    </message>
    <message>
        <source>How far from the beat the finger&apos;s notes came on average, with the click: negative early, positive late</source>
        <translation>A qué distancia del pulso llegaron de media las notas del dedo, con el clic: negativo antes, positivo tarde</translation>
    </message>
    <message>
        <source>The standard deviation of the finger&apos;s timing: the smaller, the steadier</source>
        <translation>La desviación típica del tiempo del dedo: cuanto menor, más estable</translation>
    </message>
    <message>
        <source>How far from the beat the notes came on average in bars without the click</source>
        <translation>A qué distancia del pulso llegaron de media las notas en compases sin clic</translation>
    </message>
    <message>
        <source>Evenness: how much the intervals between notes vary</source>
        <translation>Regularidad: cuánto varían los intervalos entre notas</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Figura</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Ejercicios</translation>
    </message>
    <message>
        <source>Best clean tempo</source>
        <translation>Mejor tempo limpio</translation>
    </message>
    <message>
        <source>T&amp;iming</source>
        <translation>T&amp;iempo</translation>
    </message>
    <message>
        <source>%1 touch varies</source>
        <translation>%1: variación del toque</translation>
    </message>
    <message>
        <source>How much the MIDI velocities of the finger&apos;s notes vary: the smaller, the more even the touch</source>
        <translation>Cuánto varían las velocidades MIDI de las notas del dedo: cuanto menor, más regular el toque</translation>
    </message>
</context>
<context>
    <name>VolumeDialog</name>
    <message>
        <source>Sound volume</source>
        <translation>Volumen del sonido</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volumen:</translation>
    </message>
    <message>
        <source>&amp;Mute all sounds</source>
        <translation>&amp;Silenciar todos los sonidos</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>WeaknessBars</name>
    <message>
        <source>%1: %2 ms</source>
        <translation>%1: %2 ms</translation>
    </message>
    <message>
        <source>%1: not measured yet</source>
        <translation>%1: aún sin medir</translation>
    </message>
    <message>
        <source>How weak each finger is (what a strike costs on average)</source>
        <translation>Lo débil que es cada dedo (lo que cuesta de media una pulsación)</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>A trainer for the independence of the fingers at the piano. Both hands rest on the computer keyboard and answer finger numbers at the same time: random drills, Hanon-type sequences, a memory test and an animal game for the youngest players.</source>
        <translation>Un entrenador de la independencia de los dedos al piano. Las dos manos descansan sobre el teclado del ordenador y responden a la vez a números de dedo: ejercicios aleatorios, secuencias al estilo de Hanon, una prueba de memoria y un juego de animales para los más pequeños.</translation>
    </message>
    <message>
        <source>Warning: Moravel is free software, distributed under the GNU General Public License version 3 or later, in the hope that it will be useful but WITHOUT ANY WARRANTY. Practise in short sessions and rest your hands when they tire.</source>
        <translation>Aviso: Moravel es software libre, distribuido bajo la Licencia Pública General de GNU, versión 3 o posterior, con la esperanza de que sea útil pero SIN NINGUNA GARANTÍA. Practica en sesiones cortas y descansa las manos cuando se cansen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Información del sistema...</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
</context>
<context>
    <name>frmChoosePractice</name>
    <message>
        <source>Choose your exercise</source>
        <translation>Elige tu ejercicio</translation>
    </message>
</context>
<context>
    <name>frmLog</name>
    <message>
        <source>Enter your name to personify result log</source>
        <translation>Escribe tu nombre para el registro de resultados</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Your name heads your results in the results log.</source>
        <translation>Tu nombre encabeza tus resultados en el registro de resultados.</translation>
    </message>
</context>
<context>
    <name>frmNumRand</name>
    <message>
        <source>Choose number of tasks</source>
        <translation>Elige el número de tareas</translation>
    </message>
    <message>
        <source>Choose number of tasks for each hand from list :</source>
        <translation>Elige de la lista el número de tareas de cada mano :</translation>
    </message>
</context>
<context>
    <name>frmNumSeq</name>
    <message>
        <source>Choose number of sequences</source>
        <translation>Elige el número de secuencias</translation>
    </message>
    <message>
        <source>Choose number of sequences :</source>
        <translation>Elige el número de secuencias :</translation>
    </message>
</context>
<context>
    <name>frmNumSeqMem</name>
    <message>
        <source>Choose number of memory tasks</source>
        <translation>Elige el número de tareas de memoria</translation>
    </message>
    <message>
        <source>Choose number of memory tasks :</source>
        <translation>Elige el número de tareas de memoria :</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>MIDI keyboard connected: %1</source>
        <translation>Teclado MIDI conectado: %1</translation>
    </message>
    <message>
        <source>MIDI keyboard gone: %1</source>
        <translation>Teclado MIDI desconectado: %1</translation>
    </message>
    <message>
        <source>Results are kept in %1</source>
        <translation>Los resultados se guardan en %1</translation>
    </message>
    <message>
        <source>This result could not be written to the results log, neither beside the program nor in your data folder. It is kept, and written as soon as one of them takes it:

%1</source>
        <translation>Este resultado no se pudo escribir en el registro de resultados, ni junto al programa ni en tu carpeta de datos. Se conserva y se escribirá en cuanto uno de los dos lo acepte:

%1</translation>
    </message>
</context>
</TS>
