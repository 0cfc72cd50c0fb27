<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AdaptiveDrill</name>
    <message>
        <source>First a few tasks for every finger, to see where each one stands.</source>
        <translation>D&apos;abord quelques tâches pour chaque doigt, pour voir où en est chacun.</translation>
    </message>
    <message>
        <source>A quarter of an hour of practice: time for a short break.</source>
        <translation>Un quart d&apos;heure d&apos;entraînement : c&apos;est le moment d&apos;une petite pause.</translation>
    </message>
    <message>
        <source>pace %1 s</source>
        <translation>rythme %1 s</translation>
    </message>
    <message>
        <source>the left %1</source>
        <translation>%1 gauche</translation>
    </message>
    <message>
        <source>the right %1</source>
        <translation>%1 droit</translation>
    </message>
    <message>
        <source>Weakest now: %1.</source>
        <translation>Le plus faible maintenant : %1.</translation>
    </message>
    <message>
        <source>Most improved: %1, %2 ms faster on right strikes and fewer wrong strikes.</source>
        <translation>Le plus de progrès : %1, %2 ms plus rapide sur les bonnes frappes et moins de fausses frappes.</translation>
    </message>
    <message>
        <source>Most improved: %1, %2 ms faster on right strikes.</source>
        <translation>Le plus de progrès : %1, %2 ms plus rapide sur les bonnes frappes.</translation>
    </message>
    <message>
        <source>Most improved: %1, fewer wrong strikes.</source>
        <translation>Le plus de progrès : %1, moins de fausses frappes.</translation>
    </message>
</context>
<context>
    <name>CalibrationDialog</name>
    <message>
        <source>Calibrate the metronome</source>
        <translation>Étalonner le métronome</translation>
    </message>
    <message>
        <source>Headphones and loudspeakers can sound later than the program sends the clicks. Press Start: %1 clicks count you in, then tap any finger key along with the next %2 clicks, just as you hear them. The median of how late your taps come is the offset; the clicks are then sent that much earlier.</source>
        <translation>Les casques et les haut-parleurs peuvent sonner plus tard que le moment où le programme envoie les clics. Appuie sur Démarrer : %1 clics te donnent le départ, puis tape une touche de doigt avec les %2 clics suivants, juste quand tu les entends. La médiane du retard de tes frappes est le décalage ; les clics sont alors envoyés d&apos;autant plus tôt.</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>&amp;Reset to 0 ms</source>
        <translation>&amp;Remettre à 0 ms</translation>
    </message>
    <message>
        <source>Press Start when you are ready.</source>
        <translation>Appuie sur Démarrer quand tu es prêt.</translation>
    </message>
    <message>
        <source>&amp;Start again</source>
        <translation>&amp;Démarrer à nouveau</translation>
    </message>
    <message>
        <source>OK sets the offset back to 0 ms.</source>
        <translation>OK remet le décalage à 0 ms.</translation>
    </message>
    <message>
        <source>Listen...</source>
        <translation>Écoute...</translation>
    </message>
    <message>
        <source>Listen: %1 of %2</source>
        <translation>Écoute : %1 sur %2</translation>
    </message>
    <message>
        <source>Tap along: %1 of %2 (taps so far: %3)</source>
        <translation>Tape avec : %1 sur %2 (frappes jusqu&apos;ici : %3)</translation>
    </message>
    <message>
        <source>Only %1 taps came near a click; %2 are needed. The offset stays at %3 ms. Press Start to try again.</source>
        <translation>Seulement %1 frappes sont arrivées près d&apos;un clic ; il en faut %2. Le décalage reste à %3 ms. Appuie sur Démarrer pour réessayer.</translation>
    </message>
    <message>
        <source>Offset found: %1 ms, from %2 taps (%3 too far from a click). OK keeps it.</source>
        <translation>Décalage trouvé : %1 ms, sur %2 frappes (%3 trop loin d&apos;un clic). OK le garde.</translation>
    </message>
    <message>
        <source>There is no sound output, so there are no clicks to tap along with.</source>
        <translation>Il n&apos;y a pas de sortie son, donc pas de clics avec lesquels taper.</translation>
    </message>
    <message>
        <source>Offset in use: %1 ms</source>
        <translation>Décalage utilisé : %1 ms</translation>
    </message>
</context>
<context>
    <name>ChosenClickTrack</name>
    <message>
        <source>The metronome&apos;s MIDI port %1 cannot be opened: the clicks come from the sound card.</source>
        <translation>Impossible d&apos;ouvrir le port MIDI %1 du métronome : les clics viennent de la carte son.</translation>
    </message>
</context>
<context>
    <name>DataLink</name>
    <message>
        <source>%1 is not an exercise database</source>
        <translation>%1 n&apos;est pas une base d&apos;exercices</translation>
    </message>
    <message>
        <source>the exercise database %1 is damaged</source>
        <translation>la base d&apos;exercices %1 est endommagée</translation>
    </message>
    <message>
        <source>the exercise database %1 cannot be read</source>
        <translation>la base d&apos;exercices %1 ne peut pas être lue</translation>
    </message>
    <message>
        <source>the exercise database %1 is missing</source>
        <translation>la base d&apos;exercices %1 est introuvable</translation>
    </message>
    <message>
        <source>the exercise database %1 is empty</source>
        <translation>la base d&apos;exercices %1 est vide</translation>
    </message>
    <message>
        <source>the exercise database %1 cannot be opened</source>
        <translation>la base d&apos;exercices %1 ne peut pas être ouverte</translation>
    </message>
    <message>
        <source>the exercise database %1 has no table %2</source>
        <translation>la base d&apos;exercices %1 n&apos;a pas de table %2</translation>
    </message>
</context>
<context>
    <name>ExerciseWindow</name>
    <message>
        <source>Result: %1 points, saved in %2</source>
        <translation>Résultat : %1 points, enregistré dans %2</translation>
    </message>
    <message>
        <source>Press Del or Test &gt; Start, then play the finger shown for each hand</source>
        <translation>Appuie sur Suppr ou Exercice &gt; Démarrer, puis joue pour chaque main le doigt affiché</translation>
    </message>
</context>
<context>
    <name>FingerRangeDialog</name>
    <message>
        <source>Left hand finger combinations</source>
        <translation>Combinaisons de doigts de la main gauche</translation>
    </message>
    <message>
        <source>Right hand finger combinations</source>
        <translation>Combinaisons de doigts de la main droite</translation>
    </message>
</context>
<context>
    <name>FormAdaptive</name>
    <message>
        <source>Choose number of tasks</source>
        <translation>Choisis le nombre de tâches</translation>
    </message>
    <message>
        <source>Choose number of tasks for each hand from list :</source>
        <translation>Choisis dans la liste le nombre de tâches pour chaque main :</translation>
    </message>
    <message>
        <source>Choose number of minutes</source>
        <translation>Choisis le nombre de minutes</translation>
    </message>
    <message>
        <source>Choose how many minutes the exercise lasts :</source>
        <translation>Choisis combien de minutes dure l&apos;exercice :</translation>
    </message>
    <message>
        <source>Select the level to begin at</source>
        <translation>Choisis le niveau de départ</translation>
    </message>
</context>
<context>
    <name>FormMemory</name>
    <message>
        <source>Select level for the test</source>
        <translation>Choisis le niveau du test</translation>
    </message>
    <message>
        <source>The memory test cannot be used: %1.

The other exercises still work.</source>
        <translation>Le test de mémoire ne peut pas être utilisé : %1.

Les autres exercices fonctionnent toujours.</translation>
    </message>
</context>
<context>
    <name>FormRhythm</name>
    <message>
        <source>count in: %1</source>
        <translation>décompte : %1</translation>
    </message>
    <message>
        <source>%1 ms early on average</source>
        <translation>en moyenne %1 ms en avance</translation>
    </message>
    <message>
        <source>%1 ms late on average</source>
        <translation>en moyenne %1 ms en retard</translation>
    </message>
    <message>
        <source>on the beat on average</source>
        <translation>en moyenne juste sur le temps</translation>
    </message>
    <message>
        <source>spread %1 ms</source>
        <translation>dispersion %1 ms</translation>
    </message>
    <message>
        <source>%1 % of the notes right</source>
        <translation>%1 % des notes justes</translation>
    </message>
    <message>
        <source>%1 bpm</source>
        <translation>%1 bpm</translation>
    </message>
    <message>
        <source>best clean: %1</source>
        <translation>meilleur propre : %1</translation>
    </message>
    <message>
        <source>without the click %1 ms early</source>
        <translation>sans le clic %1 ms en avance</translation>
    </message>
    <message>
        <source>without the click %1 ms late</source>
        <translation>sans le clic %1 ms en retard</translation>
    </message>
    <message>
        <source>without the click on the beat</source>
        <translation>sans le clic sur le temps</translation>
    </message>
    <message>
        <source>touch varies %1 %</source>
        <translation>le toucher varie de %1 %</translation>
    </message>
    <message>
        <source>pulled to the other hand %1 of 100</source>
        <translation>attirée par l&apos;autre main : %1 sur 100</translation>
    </message>
    <message>
        <source>The metronome is calibrated between exercises: let this one end first.</source>
        <translation>Le métronome s&apos;étalonne entre les exercices : laisse d&apos;abord celui-ci se terminer.</translation>
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
        <translation>G</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>of a finger</comment>
        <translation>gauche</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>the hand on its own</comment>
        <translation>Main gauche</translation>
    </message>
    <message>
        <source>Left hand</source>
        <translation>Main gauche</translation>
    </message>
    <message>
        <source>R</source>
        <comment>the right hand, in a chart label</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>of a finger</comment>
        <translation>droit</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>the hand on its own</comment>
        <translation>Main droite</translation>
    </message>
    <message>
        <source>Right hand</source>
        <translation>Main droite</translation>
    </message>
    <message>
        <source>index</source>
        <comment>short, in a heading</comment>
        <translation>index</translation>
    </message>
    <message>
        <source>index finger</source>
        <translation>index</translation>
    </message>
    <message>
        <source>left</source>
        <comment>of a finger, in a sentence</comment>
        <translation>gauche</translation>
    </message>
    <message>
        <source>left</source>
        <comment>the hand, in a sentence</comment>
        <translation>gauche</translation>
    </message>
    <message>
        <source>little</source>
        <comment>short, in a heading</comment>
        <translation>auriculaire</translation>
    </message>
    <message>
        <source>little finger</source>
        <translation>auriculaire</translation>
    </message>
    <message>
        <source>middle</source>
        <comment>short, in a heading</comment>
        <translation>majeur</translation>
    </message>
    <message>
        <source>middle finger</source>
        <translation>majeur</translation>
    </message>
    <message>
        <source>right</source>
        <comment>of a finger, in a sentence</comment>
        <translation>droit</translation>
    </message>
    <message>
        <source>right</source>
        <comment>the hand, in a sentence</comment>
        <translation>droite</translation>
    </message>
    <message>
        <source>ring</source>
        <comment>short, in a heading</comment>
        <translation>annulaire</translation>
    </message>
    <message>
        <source>ring finger</source>
        <translation>annulaire</translation>
    </message>
    <message>
        <source>thumb</source>
        <translation>pouce</translation>
    </message>
    <message>
        <source>thumb</source>
        <comment>short, in a heading</comment>
        <translation>pouce</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Moravel Help</source>
        <translation>Aide de Moravel</translation>
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
        <translation>S&amp;uivant</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>The practice history %1 cannot be read, and it could not be set aside; practice is not recorded.</source>
        <translation>L&apos;historique d&apos;entraînement %1 ne peut pas être lu ni mis de côté ; l&apos;entraînement n&apos;est pas enregistré.</translation>
    </message>
    <message>
        <source>The practice history could not be read. It was set aside as %1, and a new history was started.</source>
        <translation>L&apos;historique d&apos;entraînement n&apos;a pas pu être lu. Il a été mis de côté sous le nom %1, et un nouvel historique a été commencé.</translation>
    </message>
    <message>
        <source>The practice history %1 was written by a newer version of Moravel. It is shown, but nothing is added to it.</source>
        <translation>L&apos;historique d&apos;entraînement %1 a été écrit par une version plus récente de Moravel. Il est affiché, mais rien n&apos;y est ajouté.</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>its folder is read-only</source>
        <translation>son dossier est en lecture seule</translation>
    </message>
    <message>
        <source>The practice history %1 can only be read (%2). It is shown, but practice is not being recorded.</source>
        <translation>L’historique d’entraînement %1 ne peut être que lu (%2). Il est affiché, mais l’entraînement n’est pas enregistré.</translation>
    </message>
    <message>
        <source>The practice history %1 is in use by another program. Practice is not being recorded; close the other program and start Moravel again.</source>
        <translation>L’historique d’entraînement %1 est utilisé par un autre programme. L’entraînement n’est pas enregistré ; ferme l’autre programme et relance Moravel.</translation>
    </message>
    <message>
        <source>The practice history %1 cannot be opened (%2). Practice is not being recorded.</source>
        <translation>L’historique d’entraînement %1 ne peut pas être ouvert (%2). L’entraînement n’est pas enregistré.</translation>
    </message>
    <message>
        <source>The practice history is in use by another program. Your practice is kept and will be written when it is free.</source>
        <translation>L’historique d’entraînement est utilisé par un autre programme. Ton entraînement est conservé et sera écrit dès qu’il sera libre.</translation>
    </message>
    <message>
        <source>The disk of the practice history is full. Your practice is kept and will be written when there is room.</source>
        <translation>Le disque de l’historique d’entraînement est plein. Ton entraînement est conservé et sera écrit dès qu’il y aura de la place.</translation>
    </message>
    <message>
        <source>The practice history has become read-only. Your practice is kept and will be written when it can be.</source>
        <translation>L’historique d’entraînement est passé en lecture seule. Ton entraînement est conservé et sera écrit dès que possible.</translation>
    </message>
    <message>
        <source>The practice history is damaged. Your practice is kept and goes into a new history at the next start.</source>
        <translation>L’historique d’entraînement est endommagé. Ton entraînement est conservé et ira dans un nouvel historique au prochain démarrage.</translation>
    </message>
    <message>
        <source>The practice history cannot be written just now. Your practice is kept and will be written when it can be.</source>
        <translation>L’historique d’entraînement ne peut pas être écrit pour le moment. Ton entraînement est conservé et sera écrit dès que possible.</translation>
    </message>
</context>
<context>
    <name>KeyCheck</name>
    <message>
        <source>All ten</source>
        <translation>Les dix</translation>
    </message>
    <message>
        <source>%1, finger %2 (%3)</source>
        <translation>%1, doigt %2 (%3)</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Étape %1 sur %2</translation>
    </message>
    <message>
        <source>Hold the five keys of your left hand (%1) down together, then let go and press Next step.</source>
        <translation>Maintiens enfoncées ensemble les cinq touches de ta main gauche (%1), puis relâche-les et appuie sur « Étape suivante ».</translation>
    </message>
    <message>
        <source>Hold the five keys of your right hand (%1) down together, then let go and press Next step.</source>
        <translation>Maintiens enfoncées ensemble les cinq touches de ta main droite (%1), puis relâche-les et appuie sur « Étape suivante ».</translation>
    </message>
    <message>
        <source>Hold all ten keys down together, then let go and press Next step.</source>
        <translation>Maintiens enfoncées ensemble les dix touches, puis relâche-les et appuie sur « Étape suivante ».</translation>
    </message>
    <message>
        <source>The check is done. Press Start again to check once more.</source>
        <translation>La vérification est terminée. Appuie sur « Recommencer » pour vérifier encore une fois.</translation>
    </message>
    <message>
        <source>Held together now: %1 of %2. Most at once: %3 of %2.</source>
        <translation>Enfoncées ensemble maintenant : %1 sur %2. Au plus en même temps : %3 sur %2.</translation>
    </message>
    <message>
        <source>%1: no keys were held, so nothing was checked.</source>
        <translation>%1 : aucune touche n&apos;a été maintenue, donc rien n&apos;a été vérifié.</translation>
    </message>
    <message>
        <source>%1: all %2 keys came through together.</source>
        <translation>%1 : les %2 touches sont passées ensemble.</translation>
    </message>
    <message>
        <source>%1: the keyboard reported at most %2 of %3 keys at once; lost: %4. Keys pressed together may not count in a drill on this keyboard.</source>
        <translation>%1 : le clavier a signalé au plus %2 touches sur %3 en même temps ; perdues : %4. Sur ce clavier, des touches enfoncées ensemble risquent de ne pas compter dans un exercice.</translation>
    </message>
    <message>
        <source>A step without keys held tells nothing: press Start again to try it.</source>
        <translation>Une étape sans touche maintenue ne dit rien : appuie sur « Recommencer » pour réessayer.</translation>
    </message>
    <message>
        <source>This keyboard reports all ten finger keys at once: a drill counts every key you strike.</source>
        <translation>Ce clavier signale les dix touches des doigts en même temps : un exercice compte chaque touche que tu frappes.</translation>
    </message>
    <message>
        <source>The other key layout (Options &gt; Keyboard) or another keyboard may report more keys at once; a MIDI keyboard has no such limit.</source>
        <translation>L&apos;autre disposition des touches (Options &gt; Clavier) ou un autre clavier peut signaler plus de touches à la fois ; un clavier MIDI n&apos;a pas cette limite.</translation>
    </message>
</context>
<context>
    <name>KeyCheckDialog</name>
    <message>
        <source>Check keys</source>
        <translation>Tester les touches</translation>
    </message>
    <message>
        <source>Press the finger keys (%1): each key lights while the keyboard reports it held. A note from a MIDI keyboard lights its finger too.</source>
        <translation>Appuie sur les touches des doigts (%1) : chaque touche s&apos;allume tant que le clavier la signale enfoncée. Une note d&apos;un clavier MIDI allume aussi son doigt.</translation>
    </message>
    <message>
        <source>no numeric keypad</source>
        <translation>sans pavé numérique</translation>
    </message>
    <message>
        <source>numeric keypad</source>
        <translation>pavé numérique</translation>
    </message>
    <message>
        <source>Keys held together</source>
        <translation>Touches enfoncées ensemble</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Start again</source>
        <translation>&amp;Recommencer</translation>
    </message>
    <message>
        <source>&amp;Next step</source>
        <translation>Étape &amp;suivante</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;color:#777&quot;&gt;The result of each step shows here.&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;color:#777&quot;&gt;Le résultat de chaque étape s&apos;affiche ici.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Num Lock: unknown</source>
        <translation>Verr Num : inconnu</translation>
    </message>
    <message>
        <source>Num Lock: press any key to see</source>
        <translation>Verr Num : appuie sur une touche pour le voir</translation>
    </message>
    <message>
        <source>Num Lock: on</source>
        <translation>Verr Num : activé</translation>
    </message>
    <message>
        <source>Num Lock: off</source>
        <translation>Verr Num : désactivé</translation>
    </message>
    <message>
        <source>Strikes a drill would count: %1</source>
        <translation>Frappes qu&apos;un exercice compterait : %1</translation>
    </message>
    <message>
        <source>; the last: %1</source>
        <translation> ; la dernière : %1</translation>
    </message>
</context>
<context>
    <name>KeyCheckPicture</name>
    <message>
        <source>finger %1</source>
        <translation>doigt %1</translation>
    </message>
    <message>
        <source>held</source>
        <translation>enfoncée</translation>
    </message>
</context>
<context>
    <name>KeyMap</name>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Pg Suiv</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Verr Num</translation>
    </message>
    <message>
        <source>Alt Gr</source>
        <translation>Alt Gr</translation>
    </message>
    <message>
        <source>No numeric keypad</source>
        <translation>Sans pavé numérique</translation>
    </message>
    <message>
        <source>Numeric keypad</source>
        <translation>Pavé numérique</translation>
    </message>
</context>
<context>
    <name>KeyboardDialog</name>
    <message>
        <source>Left hand, little finger to thumb: %1
Right hand, thumb to little finger: %2</source>
        <translation>Main gauche, de l&apos;auriculaire au pouce : %1
Main droite, du pouce à l&apos;auriculaire : %2</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Which keys do your fingers play?</source>
        <translation>Quelles touches tes doigts jouent-ils ?</translation>
    </message>
    <message>
        <source>The keys are found by where they sit, so every keyboard layout (QWERTZ, AZERTY, Dvorak) plays the same.</source>
        <translation>Les touches sont reconnues à leur place, donc toutes les dispositions de clavier (AZERTY, QWERTZ, Dvorak) jouent de la même façon.</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>left hand :</source>
        <translation>main gauche :</translation>
    </message>
    <message>
        <source>right hand :</source>
        <translation>main droite :</translation>
    </message>
    <message>
        <source>Left hand - score :</source>
        <translation>Main gauche - score :</translation>
    </message>
    <message>
        <source>Right hand - score :</source>
        <translation>Main droite - score :</translation>
    </message>
    <message>
        <source>Total score :</source>
        <translation>Score total :</translation>
    </message>
    <message>
        <source>Random test</source>
        <translation>Test aléatoire</translation>
    </message>
    <message>
        <source>Sequential    exercise :</source>
        <translation>Exercice    séquentiel :</translation>
    </message>
    <message>
        <source>Memory test</source>
        <translation>Test de mémoire</translation>
    </message>
    <message>
        <source>Adaptive drill</source>
        <translation>Exercice adaptatif</translation>
    </message>
    <message>
        <source>End of exercise</source>
        <translation>Fin de l&apos;exercice</translation>
    </message>
    <message>
        <source>MEMORIZE</source>
        <translation>MÉMORISE</translation>
    </message>
    <message>
        <source>REPEAT</source>
        <translation>RÉPÈTE</translation>
    </message>
    <message>
        <source>Rhythm</source>
        <translation>Rythme</translation>
    </message>
</context>
<context>
    <name>LevelDialog</name>
    <message>
        <source>Absolute beginner</source>
        <translation>Grand débutant</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Débutant</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermédiaire</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Pro</source>
        <translation>Pro</translation>
    </message>
</context>
<context>
    <name>MemoryDrill</name>
    <message>
        <source>the table %1 of the exercise database %2 has no rows</source>
        <translation>la table %1 de la base d&apos;exercices %2 n&apos;a pas de lignes</translation>
    </message>
    <message>
        <source>the table %1 of the exercise database %2 has no task columns</source>
        <translation>la table %1 de la base d&apos;exercices %2 n&apos;a pas de colonnes de tâches</translation>
    </message>
    <message>
        <source>The memory test cannot start: %1.</source>
        <translation>Le test de mémoire ne peut pas démarrer : %1.</translation>
    </message>
</context>
<context>
    <name>MenuLayout</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Remettre à zéro</translation>
    </message>
    <message>
        <source>Ra&amp;ndom</source>
        <translation>&amp;Aléatoire</translation>
    </message>
    <message>
        <source>Se&amp;quential exercises</source>
        <translation>Exercices &amp;séquentiels</translation>
    </message>
    <message>
        <source>&amp;Memory exercises</source>
        <translation>Exercices de &amp;mémoire</translation>
    </message>
    <message>
        <source>&amp;Preschool</source>
        <translation>&amp;Préscolaire</translation>
    </message>
    <message>
        <source>&amp;Adaptive</source>
        <translation>Adap&amp;tatif</translation>
    </message>
    <message>
        <source>Number of &amp;minutes</source>
        <translation>D&amp;urée en minutes</translation>
    </message>
    <message>
        <source>&amp;Hands</source>
        <translation>&amp;Mains</translation>
    </message>
    <message>
        <source>&amp;Both</source>
        <translation>Les &amp;deux</translation>
    </message>
    <message>
        <source>&amp;Left only</source>
        <translation>&amp;Gauche seulement</translation>
    </message>
    <message>
        <source>&amp;Right only</source>
        <translation>D&amp;roite seulement</translation>
    </message>
    <message>
        <source>Ra&amp;ndom exercises</source>
        <translation>Exercices &amp;aléatoires</translation>
    </message>
    <message>
        <source>&amp;Memory exercise</source>
        <translation>Exercice de &amp;mémoire</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;View results</source>
        <translation>&amp;Voir les résultats</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Statistiques</translation>
    </message>
    <message>
        <source>&amp;Choose exercise</source>
        <translation>&amp;Choisir l&apos;exercice</translation>
    </message>
    <message>
        <source>&amp;Number of tasks</source>
        <translation>&amp;Nombre de tâches</translation>
    </message>
    <message>
        <source>N&amp;umber of sequences</source>
        <translation>Nom&amp;bre de séquences</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>N&amp;iveau</translation>
    </message>
    <message>
        <source>&amp;Left hand combinations</source>
        <translation>Combinaisons main &amp;gauche</translation>
    </message>
    <message>
        <source>&amp;Right Hand combinations</source>
        <translation>Combinaisons main &amp;droite</translation>
    </message>
    <message>
        <source>N&amp;umber of tasks</source>
        <translation>Nom&amp;bre de tâches</translation>
    </message>
    <message>
        <source>&amp;Number of sequences</source>
        <translation>&amp;Nombre de séquences</translation>
    </message>
    <message>
        <source>Notes per task</source>
        <translation>Notes par tâche</translation>
    </message>
    <message>
        <source>&amp;Number of memory tasks</source>
        <translation>&amp;Nombre de tâches de mémoire</translation>
    </message>
    <message>
        <source>&amp;Keyboard...</source>
        <translation>C&amp;lavier...</translation>
    </message>
    <message>
        <source>&amp;Piano keyboard (MIDI)...</source>
        <translation>&amp;Piano (MIDI)...</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>Plein &amp;écran</translation>
    </message>
    <message>
        <source>Sound &amp;volume...</source>
        <translation>&amp;Volume du son...</translation>
    </message>
    <message>
        <source>&amp;Key dispositon</source>
        <translation>&amp;Disposition des touches</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos de Moravel</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Exercice</translation>
    </message>
    <message>
        <source>&amp;User</source>
        <translation>&amp;Utilisateur</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents            F1</source>
        <translation>&amp;Sommaire            F1</translation>
    </message>
    <message>
        <source>&amp;Contents        F1</source>
        <translation>&amp;Sommaire        F1</translation>
    </message>
    <message>
        <source>Ch&amp;eck keys...</source>
        <translation>&amp;Tester les touches...</translation>
    </message>
    <message>
        <source>R&amp;hythm</source>
        <translation>R&amp;ythme</translation>
    </message>
    <message>
        <source>&amp;Rhythm...</source>
        <translation>&amp;Rythme...</translation>
    </message>
    <message>
        <source>Calibrate the &amp;metronome...</source>
        <translation>Étalonner le métro&amp;nome...</translation>
    </message>
</context>
<context>
    <name>MidiDialog</name>
    <message>
        <source>MIDI ports</source>
        <translation>Ports MIDI</translation>
    </message>
    <message>
        <source>%1 %2 (%3)</source>
        <translation>%2 %1 (%3)</translation>
    </message>
    <message>
        <source>All ten notes learnt. OK keeps them.</source>
        <translation>Les dix notes sont apprises. OK les garde.</translation>
    </message>
    <message>
        <source>Piano keyboard (MIDI)</source>
        <translation>Piano (MIDI)</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Finger</source>
        <translation>Doigt</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>&amp;Learn</source>
        <translation>&amp;Apprendre</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>Par &amp;défaut</translation>
    </message>
    <message>
        <source>MIDI is unavailable. %1
The computer keyboard plays as always.</source>
        <translation>Le MIDI n&apos;est pas disponible. %1
Le clavier de l&apos;ordinateur joue comme toujours.</translation>
    </message>
    <message>
        <source>MIDI through JACK. Every input port is listened to; other programs can play into the port &quot;Moravel&quot;.</source>
        <translation>MIDI par JACK. Tous les ports d&apos;entrée sont écoutés ; d&apos;autres programmes peuvent jouer dans le port « Moravel ».</translation>
    </message>
    <message>
        <source>MIDI through the ALSA sequencer. Every input port is listened to; other programs can play into the port &quot;Moravel&quot;.</source>
        <translation>MIDI par le séquenceur ALSA. Tous les ports d&apos;entrée sont écoutés ; d&apos;autres programmes peuvent jouer dans le port « Moravel ».</translation>
    </message>
    <message>
        <source>MIDI through %1. Every input port is listened to; other programs can play into the port &quot;Moravel&quot;.</source>
        <translation>MIDI par %1. Tous les ports d&apos;entrée sont écoutés ; d&apos;autres programmes peuvent jouer dans le port « Moravel ».</translation>
    </message>
    <message>
        <source>the program&apos;s own port, for other programs</source>
        <translation>le port propre du programme, pour d&apos;autres programmes</translation>
    </message>
    <message>
        <source>listening</source>
        <translation>à l&apos;écoute</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>No MIDI keyboard found yet: plug one in, it is picked up within a second.</source>
        <translation>Aucun clavier MIDI trouvé pour l&apos;instant : branches-en un, il est détecté en moins d&apos;une seconde.</translation>
    </message>
    <message>
        <source>Stop &amp;learning</source>
        <translation>Arrêter l&apos;&amp;apprentissage</translation>
    </message>
    <message>
        <source>Last note: %1, velocity %2</source>
        <translation>Dernière note : %1, vélocité %2</translation>
    </message>
    <message>
        <source>%1 is already the %2&apos;s note. Play another note for the %3.</source>
        <translation>%1 est déjà la note de ce doigt : %2. Joue une autre note pour ce doigt : %3.</translation>
    </message>
    <message>
        <source>Play the note for the %1 (%2 of 10).</source>
        <translation>Joue la note de ce doigt : %1 (%2 sur 10).</translation>
    </message>
    <message>
        <source>Learn takes the ten notes as you play them: left hand little finger to thumb, then right hand thumb to little finger.</source>
        <translation>Apprendre prend les dix notes comme tu les joues : main gauche de l&apos;auriculaire au pouce, puis main droite du pouce à l&apos;auriculaire.</translation>
    </message>
    <message>
        <source>Sound card</source>
        <translation>Carte son</translation>
    </message>
    <message>
        <source>Where the Rhythm window&apos;s metronome sounds: the sound card, or a digital piano on a MIDI output port.</source>
        <translation>Où sonne le métronome de la fenêtre Rythme : sur la carte son, ou sur un piano numérique relié à un port de sortie MIDI.</translation>
    </message>
    <message>
        <source>&amp;Metronome:</source>
        <translation>&amp;Métronome :</translation>
    </message>
    <message>
        <source>%1 (not found)</source>
        <translation>%1 (introuvable)</translation>
    </message>
</context>
<context>
    <name>OkCancelDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>PictureWindow</name>
    <message>
        <source>left hand</source>
        <translation>main gauche</translation>
    </message>
    <message>
        <source>right hand</source>
        <translation>main droite</translation>
    </message>
    <message>
        <source>Key disposition</source>
        <translation>Disposition des touches</translation>
    </message>
    <message>
        <source>Key disposition :</source>
        <translation>Disposition des touches :</translation>
    </message>
    <message>
        <source>Finger disposition</source>
        <translation>Disposition des doigts</translation>
    </message>
    <message>
        <source>finger disposition :</source>
        <translation>disposition des doigts :</translation>
    </message>
</context>
<context>
    <name>RandomOptions</name>
    <message>
        <source>Select level for the test</source>
        <translation>Choisis le niveau du test</translation>
    </message>
</context>
<context>
    <name>RhythmDrill</name>
    <message>
        <source>The exercise database cannot be read, so there is no figure to play.</source>
        <translation>La base d’exercices ne peut pas être lue : il n’y a pas de figure à jouer.</translation>
    </message>
</context>
<context>
    <name>RhythmOptionsDialog</name>
    <message>
        <source>Rhythm</source>
        <translation>Rythme</translation>
    </message>
    <message>
        <source> bpm</source>
        <translation> bpm</translation>
    </message>
    <message>
        <source>&amp;Tempo:</source>
        <translation>&amp;Tempo :</translation>
    </message>
    <message>
        <source>&amp;Left hand, notes a beat:</source>
        <translation>Main &amp;gauche, notes par temps :</translation>
    </message>
    <message>
        <source>&amp;Right hand, notes a beat:</source>
        <translation>Main &amp;droite, notes par temps :</translation>
    </message>
    <message>
        <source>passes of the figure</source>
        <translation>passages de la figure</translation>
    </message>
    <message>
        <source>bars</source>
        <translation>mesures</translation>
    </message>
    <message>
        <source>Length counted in</source>
        <translation>Longueur comptée en</translation>
    </message>
    <message>
        <source>Len&amp;gth:</source>
        <translation>&amp;Longueur :</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>&amp;Count in one bar of clicks</source>
        <translation>&amp;Compter une mesure de clics avant</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>every </source>
        <translation>toutes les </translation>
    </message>
    <message>
        <source> bars</source>
        <translation> mesures</translation>
    </message>
    <message>
        <source>&amp;Silent bar:</source>
        <translation>Mesure &amp;silencieuse :</translation>
    </message>
    <message>
        <source>Tempo trai&amp;ner: faster after a clean exercise</source>
        <translation>E&amp;ntraîneur de tempo : plus rapide après un exercice propre</translation>
    </message>
</context>
<context>
    <name>RtMidiPorts</name>
    <message>
        <source>No MIDI system was found: there is no ALSA sequencer (/dev/snd/seq) and no JACK server running.</source>
        <translation>Aucun système MIDI n&apos;a été trouvé : il n&apos;y a ni séquenceur ALSA (/dev/snd/seq) ni serveur JACK en marche.</translation>
    </message>
</context>
<context>
    <name>SequentialDrill</name>
    <message>
        <source>the table %1 of the exercise database %2 has no rows</source>
        <translation>la table %1 de la base d&apos;exercices %2 n&apos;a pas de lignes</translation>
    </message>
    <message>
        <source>the table %1 of the exercise database %2 has no column &quot;%3&quot;</source>
        <translation>la table %1 de la base d&apos;exercices %2 n&apos;a pas de colonne « %3 »</translation>
    </message>
    <message>
        <source>The exercise cannot start: %1.</source>
        <translation>L&apos;exercice ne peut pas démarrer : %1.</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>%1: slowest (%2 ms), %3 % wrong</source>
        <translation>%1 : le plus lent (%2 ms), %3 % d&apos;erreurs</translation>
    </message>
    <message>
        <source>; %1 % faster than the week before</source>
        <translation> ; %1 % plus rapide que la semaine précédente</translation>
    </message>
    <message>
        <source>; %1 % faster than the month before</source>
        <translation> ; %1 % plus rapide que le mois précédent</translation>
    </message>
    <message>
        <source>; %1 % slower than the week before</source>
        <translation> ; %1 % plus lent que la semaine précédente</translation>
    </message>
    <message>
        <source>; %1 % slower than the month before</source>
        <translation> ; %1 % plus lent que le mois précédent</translation>
    </message>
    <message>
        <source>%1: least even touch (velocity %2 to %3 in the middle half of its strikes)</source>
        <translation>%1 : le toucher le moins régulier (vélocité de %2 à %3 dans la moitié centrale de ses frappes)</translation>
    </message>
    <message>
        <source>%1: %2 % wrong</source>
        <translation>%1 : %2 % d&apos;erreurs</translation>
    </message>
    <message>
        <source>, most often taken for the %1</source>
        <translation>, confusion la plus fréquente : %1</translation>
    </message>
    <message>
        <source>The hands work independently (coupling %1 of 100)</source>
        <translation>Les mains travaillent indépendamment (couplage %1 sur 100)</translation>
    </message>
    <message>
        <source>The hands sometimes strike together (coupling %1 of 100)</source>
        <translation>Les mains frappent parfois ensemble (couplage %1 sur 100)</translation>
    </message>
    <message>
        <source>The hands often strike together (coupling %1 of 100)</source>
        <translation>Les mains frappent souvent ensemble (couplage %1 sur 100)</translation>
    </message>
    <message>
        <source>%1: %2 % slower with both hands than alone</source>
        <translation>%1 : %2 % plus lente avec les deux mains que seule</translation>
    </message>
    <message>
        <source>%1: %2 % slower while the other hand is busy</source>
        <translation>%1 : %2 % plus lente quand l&apos;autre main est occupée</translation>
    </message>
    <message>
        <source>%1: %2 % faster with both hands than alone</source>
        <translation>%1 : %2 % plus rapide avec les deux mains que seule</translation>
    </message>
    <message>
        <source>%1: %2 % faster while the other hand is busy</source>
        <translation>%1 : %2 % plus rapide quand l&apos;autre main est occupée</translation>
    </message>
    <message>
        <source>%1: %2 ms faster per week</source>
        <translation>%1 : %2 ms plus rapide par semaine</translation>
    </message>
    <message>
        <source>%1: %2 ms slower per week</source>
        <translation>%1 : %2 ms plus lente par semaine</translation>
    </message>
    <message>
        <source>%1 ms early on average</source>
        <translation>en moyenne %1 ms en avance</translation>
    </message>
    <message>
        <source>%1 ms late on average</source>
        <translation>en moyenne %1 ms en retard</translation>
    </message>
    <message>
        <source>; steadiest at %1 bpm</source>
        <translation>; le plus régulier à %1 bpm</translation>
    </message>
    <message>
        <source>Without the click you drift %1 ms early</source>
        <translation>Sans le clic, vous avancez de %1 ms</translation>
    </message>
    <message>
        <source>Without the click you drift %1 ms late</source>
        <translation>Sans le clic, vous retardez de %1 ms</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Reading the practice history</source>
        <translation>Lecture de l&apos;historique d&apos;entraînement</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Joueur :</translation>
    </message>
    <message>
        <source>All players</source>
        <translation>Tous les joueurs</translation>
    </message>
    <message>
        <source>P&amp;eriod:</source>
        <translation>P&amp;ériode :</translation>
    </message>
    <message>
        <source>Last exercise</source>
        <translation>Dernier exercice</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>7 derniers jours</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>30 derniers jours</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>E&amp;xercise:</source>
        <translation>E&amp;xercice :</translation>
    </message>
    <message>
        <source>All exercises</source>
        <translation>Tous les exercices</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aléatoire</translation>
    </message>
    <message>
        <source>Sequential</source>
        <translation>Séquentiel</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Mémoire</translation>
    </message>
    <message>
        <source>Preschool</source>
        <translation>Préscolaire</translation>
    </message>
    <message>
        <source>Adaptive</source>
        <translation>Adaptatif</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Nothing practised yet&lt;/h2&gt;&lt;p&gt;Once you have played an exercise, this window shows which finger of each hand is slow or often wrong, which finger is taken for which, how your speed and accuracy change from one exercise to the next, and how independently your two hands work.&lt;/p&gt;&lt;p&gt;Choose &lt;b&gt;Test &amp;gt; Start&lt;/b&gt; in an exercise window to begin; every strike is kept.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Pas encore d&apos;entraînement&lt;/h2&gt;&lt;p&gt;Dès que tu as joué un exercice, cette fenêtre montre quel doigt de chaque main est lent ou se trompe souvent, quel doigt est pris pour quel autre, comment ta vitesse et ta précision évoluent d&apos;un exercice à l&apos;autre, et avec quelle indépendance tes deux mains travaillent.&lt;/p&gt;&lt;p&gt;Choisis &lt;b&gt;Exercice &amp;gt; Démarrer&lt;/b&gt; dans une fenêtre d&apos;exercice pour commencer ; chaque frappe est gardée.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Reaction time of each finger: median and middle half</source>
        <translation>Temps de réaction de chaque doigt : médiane et moitié centrale</translation>
    </message>
    <message>
        <source>Left median</source>
        <translation>Médiane gauche</translation>
    </message>
    <message>
        <source>Left wrong</source>
        <translation>Erreurs gauche</translation>
    </message>
    <message>
        <source>Right median</source>
        <translation>Médiane droite</translation>
    </message>
    <message>
        <source>Right wrong</source>
        <translation>Erreurs droite</translation>
    </message>
    <message>
        <source>Left touch</source>
        <translation>Toucher gauche</translation>
    </message>
    <message>
        <source>Right touch</source>
        <translation>Toucher droit</translation>
    </message>
    <message>
        <source>MIDI velocity of the finger&apos;s strikes: median (middle half); the narrower the middle half, the more even the touch</source>
        <translation>Vélocité MIDI des frappes du doigt : médiane (moitié centrale) ; plus la moitié centrale est étroite, plus le toucher est régulier</translation>
    </message>
    <message>
        <source>&amp;Fingers</source>
        <translation>&amp;Doigts</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1 hand&lt;/b&gt;: the finger asked for (rows) and the finger that struck (columns)</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; : le doigt demandé (lignes) et le doigt qui a frappé (colonnes)</translation>
    </message>
    <message>
        <source>&amp;Mistakes</source>
        <translation>&amp;Erreurs</translation>
    </message>
    <message>
        <source>Sequential and memory exercises show how long each step from one finger to the next takes.</source>
        <translation>Les exercices séquentiels et de mémoire montrent combien de temps prend chaque passage d&apos;un doigt au suivant.</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>From -&gt; to</source>
        <translation>De -&gt; à</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Médiane</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Passages</translation>
    </message>
    <message>
        <source>&amp;Transitions</source>
        <translation>&amp;Transitions</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>P&amp;rogress</source>
        <translation>P&amp;rogrès</translation>
    </message>
    <message>
        <source>&lt;b&gt;Coupling&lt;/b&gt;</source>
        <translation>&lt;b&gt;Couplage&lt;/b&gt;</translation>
    </message>
    <message>
        <source>How often the two hands strike within 50 ms of each other, against chance. 100 means the hands strike together no more often than chance; 0 means they always strike together.</source>
        <translation>La fréquence à laquelle les deux mains frappent à moins de 50 ms l&apos;une de l&apos;autre, comparée au hasard. 100 signifie que les mains ne frappent pas ensemble plus souvent que le hasard ; 0 signifie qu&apos;elles frappent toujours ensemble.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Two-hand cost, %1 hand&lt;/b&gt;</source>
        <translation>&lt;b&gt;Coût des deux mains, main %1&lt;/b&gt;</translation>
    </message>
    <message>
        <source>A hand&apos;s median reaction on tasks that come while the other hand is busy too, against tasks that come while it is idle. 100 % means no cost; 120 % means a fifth slower. It needs at least ten tasks of each kind, which the preschool game&apos;s pauses give.</source>
        <translation>La réaction médiane d&apos;une main pour les tâches qui arrivent pendant que l&apos;autre main est occupée aussi, comparée aux tâches qui arrivent pendant qu&apos;elle est libre. 100 % signifie aucun coût ; 120 % signifie un cinquième plus lent. Il faut au moins dix tâches de chaque sorte, ce que donnent les pauses du jeu préscolaire.</translation>
    </message>
    <message>
        <source>&amp;Hands together</source>
        <translation>&amp;Mains ensemble</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1 %2, %3 strikes&lt;/b&gt;&lt;ul style=&quot;margin-top:4px&quot;&gt;</source>
        <translation>&lt;b&gt;%1 %2, %3 frappes&lt;/b&gt;&lt;ul style=&quot;margin-top:4px&quot;&gt;</translation>
    </message>
    <message>
        <source>exercise</source>
        <translation>exercice</translation>
    </message>
    <message>
        <source>exercises</source>
        <translation>exercices</translation>
    </message>
    <message>
        <source>Reaction time (ms)</source>
        <translation>Temps de réaction (ms)</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>Accuracy (%)</source>
        <translation>Précision (%)</translation>
    </message>
    <message>
        <source>%1 hand, median</source>
        <translation>%1, médiane</translation>
    </message>
    <message>
        <source>%1 hand, accuracy</source>
        <translation>%1, précision</translation>
    </message>
    <message>
        <source>%1 hand, trend</source>
        <translation>%1, tendance</translation>
    </message>
    <message>
        <source>Against this hand&apos;s one-hand exercises</source>
        <translation>Comparé aux exercices de cette main seule</translation>
    </message>
    <message>
        <source>Against tasks while the other hand was idle</source>
        <translation>Comparé aux tâches pendant que l&apos;autre main était libre</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Nothing to show for this choice&lt;/h2&gt;&lt;p&gt;The player, period and exercise chosen above leave no strikes. Choose another player, a longer period or all exercises.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Rien à montrer pour ce choix&lt;/h2&gt;&lt;p&gt;Le joueur, la période et l’exercice choisis ci-dessus ne contiennent aucune frappe. Choisis un autre joueur, une période plus longue ou tous les exercices.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Rhythm</source>
        <translation>Rythme</translation>
    </message>
    <message>
        <source>Variation (%)</source>
        <translation>Variation des intervalles (%)</translation>
    </message>
    <message>
        <source>%1 bpm</source>
        <translation>%1 bpm</translation>
    </message>
    <message>
        <source>Rhythm exercises show here how far from the beat each finger plays, how even the notes are, and the fastest tempo of each figure played clean.</source>
        <translation>Les exercices de rythme montrent ici à quelle distance du temps chaque doigt joue, la régularité des notes et le tempo le plus rapide auquel chaque figure a été jouée proprement.</translation>
    </message>
    <message>
        <source>%1 offset</source>
        <translation>%1 : écart</translation>
    </message>
    <message>
        <source>%1 spread</source>
        <translation>%1 : dispersion</translation>
    </message>
    <message>
        <source>%1 in time</source>
        <translation>%1 : justes</translation>
    </message>
    <message>
        <source>%1 silent bars</source>
        <translation>%1 : mesures muettes</translation>
    </message>
    <message>
        <source>How far from the beat the finger&apos;s notes came on average, with the click: negative early, positive late</source>
        <translation>À quelle distance du temps les notes du doigt sont venues en moyenne, avec le clic : négatif en avance, positif en retard</translation>
    </message>
    <message>
        <source>The standard deviation of the finger&apos;s timing: the smaller, the steadier</source>
        <translation>L&apos;écart type du placement du doigt : plus il est petit, plus il est régulier</translation>
    </message>
    <message>
        <source>How far from the beat the notes came on average in bars without the click</source>
        <translation>À quelle distance du temps les notes sont venues en moyenne dans les mesures sans clic</translation>
    </message>
    <message>
        <source>Evenness: how much the intervals between notes vary</source>
        <translation>Régularité : combien les intervalles entre les notes varient</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Figure</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Exercices</translation>
    </message>
    <message>
        <source>Best clean tempo</source>
        <translation>Meilleur tempo propre</translation>
    </message>
    <message>
        <source>T&amp;iming</source>
        <translation>P&amp;lacement</translation>
    </message>
    <message>
        <source>%1 touch varies</source>
        <translation>%1 : variation du toucher</translation>
    </message>
    <message>
        <source>How much the MIDI velocities of the finger&apos;s notes vary: the smaller, the more even the touch</source>
        <translation>Combien les vélocités MIDI des notes du doigt varient : plus c&apos;est petit, plus le toucher est régulier</translation>
    </message>
</context>
<context>
    <name>VolumeDialog</name>
    <message>
        <source>Sound volume</source>
        <translation>Volume du son</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volume :</translation>
    </message>
    <message>
        <source>&amp;Mute all sounds</source>
        <translation>&amp;Couper tous les sons</translation>
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
        <translation>%1 : %2 ms</translation>
    </message>
    <message>
        <source>%1: not measured yet</source>
        <translation>%1 : pas encore mesuré</translation>
    </message>
    <message>
        <source>How weak each finger is (what a strike costs on average)</source>
        <translation>La faiblesse de chaque doigt (ce que coûte une frappe en moyenne)</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>A trainer for the independence of the fingers at the piano. Both hands rest on the computer keyboard and answer finger numbers at the same time: random drills, Hanon-type sequences, a memory test and an animal game for the youngest players.</source>
        <translation>Un entraîneur pour l&apos;indépendance des doigts au piano. Les deux mains reposent sur le clavier de l&apos;ordinateur et répondent en même temps à des numéros de doigts : exercices aléatoires, séquences à la manière de Hanon, un test de mémoire et un jeu d&apos;animaux pour les plus jeunes.</translation>
    </message>
    <message>
        <source>Warning: Moravel is free software, distributed under the GNU General Public License version 3 or later, in the hope that it will be useful but WITHOUT ANY WARRANTY. Practise in short sessions and rest your hands when they tire.</source>
        <translation>Avertissement : Moravel est un logiciel libre, distribué sous la Licence publique générale GNU version 3 ou ultérieure, dans l&apos;espoir qu&apos;il sera utile mais SANS AUCUNE GARANTIE. Entraîne-toi par courtes séances et repose tes mains quand elles se fatiguent.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Informations &amp;système...</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
</context>
<context>
    <name>frmChoosePractice</name>
    <message>
        <source>Choose your exercise</source>
        <translation>Choisis ton exercice</translation>
    </message>
</context>
<context>
    <name>frmLog</name>
    <message>
        <source>Enter your name to personify result log</source>
        <translation>Écris ton nom pour personnaliser le journal des résultats</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Your name heads your results in the results log.</source>
        <translation>Ton nom figure en tête de tes résultats dans le journal des résultats.</translation>
    </message>
</context>
<context>
    <name>frmNumRand</name>
    <message>
        <source>Choose number of tasks</source>
        <translation>Choisis le nombre de tâches</translation>
    </message>
    <message>
        <source>Choose number of tasks for each hand from list :</source>
        <translation>Choisis dans la liste le nombre de tâches pour chaque main :</translation>
    </message>
</context>
<context>
    <name>frmNumSeq</name>
    <message>
        <source>Choose number of sequences</source>
        <translation>Choisis le nombre de séquences</translation>
    </message>
    <message>
        <source>Choose number of sequences :</source>
        <translation>Choisis le nombre de séquences :</translation>
    </message>
</context>
<context>
    <name>frmNumSeqMem</name>
    <message>
        <source>Choose number of memory tasks</source>
        <translation>Choisis le nombre de tâches de mémoire</translation>
    </message>
    <message>
        <source>Choose number of memory tasks :</source>
        <translation>Choisis le nombre de tâches de mémoire :</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Results are kept in %1</source>
        <translation>Les résultats sont gardés dans %1</translation>
    </message>
    <message>
        <source>MIDI keyboard connected: %1</source>
        <translation>Clavier MIDI connecté : %1</translation>
    </message>
    <message>
        <source>MIDI keyboard gone: %1</source>
        <translation>Clavier MIDI débranché : %1</translation>
    </message>
    <message>
        <source>This result could not be written to the results log, neither beside the program nor in your data folder. It is kept, and written as soon as one of them takes it:

%1</source>
        <translation>Ce résultat n’a pas pu être écrit dans le journal des résultats, ni à côté du programme ni dans ton dossier de données. Il est conservé et sera écrit dès que l’un des deux l’acceptera :

%1</translation>
    </message>
</context>
</TS>
