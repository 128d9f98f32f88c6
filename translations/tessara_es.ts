<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Comparison</name>
    <message>
        <source>Checked against %1</source>
        <translation>Comparado con %1</translation>
    </message>
    <message>
        <source>✓</source>
        <translation>✓</translation>
    </message>
    <message>
        <source>expected %1</source>
        <translation>se esperaba %1</translation>
    </message>
    <message>
        <source>All %1 rows match</source>
        <translation>Las %1 filas coinciden</translation>
    </message>
    <message>
        <source>%1 of %2 rows differ</source>
        <translation>%1 de %2 filas son distintas</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>power up</source>
        <translation>encender</translation>
    </message>
    <message>
        <source>Save changes to the circuit?</source>
        <translation>¿Guardar los cambios del circuito?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Error: You must start with an output<byte value="xd"/>
</source>
        <translation>Error: Debes empezar en una salida<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Error: You must finish with an input<byte value="xd"/>
</source>
        <translation>Error: Debes terminar en una entrada<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Error: Click on the gates</source>
        <translation>Error: Haz clic en las puertas</translation>
    </message>
    <message>
        <source>Error: The circuit has no room for another gate</source>
        <translation>Error: El circuito no tiene espacio para otra puerta</translation>
    </message>
    <message>
        <source>Error: The circuit has no room for another link</source>
        <translation>Error: El circuito no tiene espacio para otra conexión</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;:
%2</source>
        <translation>No se puede abrir «%1»:
%2</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;:
%2</source>
        <translation>No se puede guardar «%1»:
%2</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Encender</translation>
    </message>
    <message>
        <source>Power Down</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Expected answers</source>
        <translation>Respuestas esperadas</translation>
    </message>
    <message>
        <source>Circuits</source>
        <translation>Circuitos</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>Imagen PNG</translation>
    </message>
    <message>
        <source>SVG picture</source>
        <translation>Imagen SVG</translation>
    </message>
    <message>
        <source>Comma-separated values</source>
        <translation>Valores separados por comas</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 ya existe. ¿Reemplazarlo?</translation>
    </message>
    <message>
        <source>Replace File</source>
        <translation>Reemplazar archivo</translation>
    </message>
    <message>
        <source>Tessara closed without saving. Recover the circuit from %1?</source>
        <translation>Tessara se cerró sin guardar. ¿Recuperar el circuito de %1?</translation>
    </message>
    <message>
        <source>Recover Circuit</source>
        <translation>Recuperar circuito</translation>
    </message>
</context>
<context>
    <name>Explanation</name>
    <message>
        <source>%1 = %2 at step %3</source>
        <translation>%1 = %2 en el paso %3</translation>
    </message>
    <message>
        <source>step %1: %2 = %3 at power-up</source>
        <translation>paso %1: %2 = %3 al encender</translation>
    </message>
    <message>
        <source>step %1: %2 = %3 at the first kept step</source>
        <translation>paso %1: %2 = %3 en el primer paso guardado</translation>
    </message>
    <message>
        <source>step %1: %2 became %3: toggled</source>
        <translation>paso %1: %2 pasó a %3: se conmutó</translation>
    </message>
    <message>
        <source>step %1: %2 became %3: %4</source>
        <translation>paso %1: %2 pasó a %3: %4</translation>
    </message>
    <message>
        <source>input %1 = %2 from %3 at step %4</source>
        <translation>entrada %1 = %2 desde %3 en el paso %4</translation>
    </message>
    <message>
        <source>input %1 = %2, not linked</source>
        <translation>entrada %1 = %2, sin conectar</translation>
    </message>
    <message>
        <source>input %1 = %2 from a bend with no gate before it</source>
        <translation>entrada %1 = %2 desde un codo sin puerta delante</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>... %1 more</source>
        <translation>... %1 más</translation>
    </message>
</context>
<context>
    <name>Grading</name>
    <message>
        <source>expected %1 inputs and %2 outputs, found %3 inputs and %4 outputs</source>
        <translation>se esperaban %1 entradas y %2 salidas, hay %3 entradas y %4 salidas</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
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
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Cancel Link</source>
        <translation>Cancelar conexión</translation>
    </message>
    <message>
        <source>Step Back</source>
        <translation>Paso atrás</translation>
    </message>
    <message>
        <source>Step Forward</source>
        <translation>Paso adelante</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Línea de tiempo</translation>
    </message>
    <message>
        <source>Truth Table</source>
        <translation>Tabla de verdad</translation>
    </message>
    <message>
        <source>Colour Wires</source>
        <translation>Colorear cables</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Show Problems</source>
        <translation>Mostrar problemas</translation>
    </message>
</context>
<context>
    <name>Repeats</name>
    <message>
        <source>repeats every %1 steps from step %2</source>
        <translation>se repite cada %1 pasos desde el paso %2</translation>
    </message>
    <message>
        <source>no repeat within %1 steps</source>
        <translation>no se repite en %1 pasos</translation>
    </message>
    <message>
        <source>settles after %1 steps</source>
        <translation>se estabiliza tras %1 pasos</translation>
    </message>
    <message>
        <source>settled at step %1</source>
        <translation>estable desde el paso %1</translation>
    </message>
</context>
<context>
    <name>Riddles</name>
    <message>
        <source>Riddle</source>
        <translation>Adivinanza</translation>
    </message>
    <message>
        <source>What goes around and around all day long, but always straight ahead</source>
        <translation>¿Qué da vueltas y vueltas todo el día, pero siempre va hacia adelante?</translation>
    </message>
    <message>
        <source>Joke</source>
        <translation>Chiste</translation>
    </message>
    <message>
        <source>How do you tell when a lawyer is lieing?  His lips are moving.</source>
        <translation>¿Cómo sabes cuándo miente un abogado?  Mueve los labios.</translation>
    </message>
    <message>
        <source>Why was the AND gate never invited to parties?  It only said yes when everyone else did.</source>
        <translation>¿Por qué nunca invitaban a la puerta AND a las fiestas?  Solo decía que sí cuando todos los demás también lo decían.</translation>
    </message>
    <message>
        <source>More of me is hidden then is seen. I am light than what I am made of</source>
        <translation>De mí se esconde más de lo que se ve. Soy más ligero que aquello de lo que estoy hecho.</translation>
    </message>
</context>
<context>
    <name>Warnings</name>
    <message>
        <source>%1 input %2 is not linked</source>
        <translation>%1: la entrada %2 no está conectada</translation>
    </message>
    <message>
        <source>%1 input %2 is linked more than once</source>
        <translation>%1: la entrada %2 está conectada más de una vez</translation>
    </message>
    <message>
        <source>%1 drives nothing</source>
        <translation>%1 no alimenta nada</translation>
    </message>
    <message>
        <source>%1 has orientation %2, outside 0..3</source>
        <translation>%1 tiene la orientación %2, fuera de 0..3</translation>
    </message>
    <message>
        <source>link %1 starts at empty slot %2</source>
        <translation>la conexión %1 empieza en la posición vacía %2</translation>
    </message>
    <message>
        <source>link %1 ends at empty slot %2</source>
        <translation>la conexión %1 termina en la posición vacía %2</translation>
    </message>
    <message>
        <source>link %1 is marked as starting at a node, but slot %2 holds %3</source>
        <translation>la conexión %1 está marcada como empezando en un nodo, pero la posición %2 contiene %3</translation>
    </message>
    <message>
        <source>link %1 is marked as ending at a node, but slot %2 holds %3</source>
        <translation>la conexión %1 está marcada como terminando en un nodo, pero la posición %2 contiene %3</translation>
    </message>
</context>
<context>
    <name>tessara::app::ElementPools</name>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
</context>
<context>
    <name>tessara::app::ExpressionsView</name>
    <message>
        <source>Working out the expressions...</source>
        <translation>Calculando las expresiones...</translation>
    </message>
</context>
<context>
    <name>tessara::app::KarnaughPanel</name>
    <message>
        <source>A Karnaugh map needs 2 to 4 inputs and an output; the circuit has %1 inputs and %2 outputs.</source>
        <translation>Un mapa de Karnaugh necesita de 2 a 4 entradas y una salida; el circuito tiene %1 entradas y %2 salidas.</translation>
    </message>
</context>
<context>
    <name>tessara::app::Tessara_Form</name>
    <message>
        <source>prop</source>
        <translation>prop</translation>
    </message>
</context>
<context>
    <name>tessara::app::Tessara_Frame</name>
    <message>
        <source>Inputs</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Salida</translation>
    </message>
</context>
<context>
    <name>tessara::app::TimelineWindow</name>
    <message>
        <source>Tessara - Timeline</source>
        <translation>Tessara - Línea de tiempo</translation>
    </message>
    <message>
        <source>Step Back</source>
        <translation>Paso atrás</translation>
    </message>
    <message>
        <source>Step Forward</source>
        <translation>Paso adelante</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <source>%1 steps/s</source>
        <translation>%1 pasos/s</translation>
    </message>
    <message>
        <source>Save Picture...</source>
        <translation>Guardar imagen...</translation>
    </message>
    <message>
        <source>Save Values...</source>
        <translation>Guardar valores...</translation>
    </message>
    <message>
        <source>No run</source>
        <translation>Sin ejecución</translation>
    </message>
    <message>
        <source>Power up to record a run.</source>
        <translation>Enciende el circuito para grabar una ejecución.</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Paso %1 de %2</translation>
    </message>
    <message>
        <source>steps 0 to %1 dropped: the timeline keeps the last %2 steps</source>
        <translation>pasos 0 a %1 descartados: la línea de tiempo guarda los últimos %2 pasos</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>tessara::app::TruthTableWindow</name>
    <message>
        <source>Run</source>
        <translation>Ejecución</translation>
    </message>
    <message>
        <source>Tessara - Truth Table</source>
        <translation>Tessara - Tabla de verdad</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>The circuit has %1 inputs; a truth table takes at most %2.</source>
        <translation>El circuito tiene %1 entradas; una tabla de verdad admite como máximo %2.</translation>
    </message>
    <message>
        <source>The circuit has no inputs and no outputs.</source>
        <translation>El circuito no tiene entradas ni salidas.</translation>
    </message>
    <message>
        <source>The circuit has no inputs.</source>
        <translation>El circuito no tiene entradas.</translation>
    </message>
    <message>
        <source>The circuit has no outputs.</source>
        <translation>El circuito no tiene salidas.</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Esperado</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Karnaugh Map</source>
        <translation>Mapa de Karnaugh</translation>
    </message>
    <message>
        <source>Compare With...</source>
        <translation>Comparar con...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>row %1 of %2</source>
        <translation>fila %1 de %2</translation>
    </message>
</context>
<context>
    <name>tessara::app::WhyWindow</name>
    <message>
        <source>Tessara - Why</source>
        <translation>Tessara - Por qué</translation>
    </message>
    <message>
        <source>While powered, click a gate&apos;s value (0 or 1) to ask why it holds it.</source>
        <translation>Con el circuito encendido, haz clic en el valor de una puerta (0 o 1) para preguntar por qué lo tiene.</translation>
    </message>
</context>
<context>
    <name>tessara::app::frmAbout</name>
    <message>
        <source>About MyApp</source>
        <translation>Acerca de MyApp</translation>
    </message>
    <message>
        <source>Version: 1.0</source>
        <translation>Versión: 1.0</translation>
    </message>
    <message>
        <source>This program is meant for learning about logic.   </source>
        <translation>Este programa sirve para aprender lógica.</translation>
    </message>
    <message>
        <source>Gate pictures drawn by Tessara</source>
        <translation>Puertas dibujadas por Tessara</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
