<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Build</name>
    <message>
        <source>the circuit built does not compute what was asked; this is a fault of Tessara</source>
        <translation>el circuito construido no calcula lo pedido; es un fallo de Tessara</translation>
    </message>
    <message>
        <source>a table of more than %1 inputs cannot be built</source>
        <translation>no se puede construir una tabla de más de %1 entradas</translation>
    </message>
    <message>
        <source>O%1 does not settle in every row, so no circuit computes it</source>
        <translation>O%1 no se estabiliza en todas las filas, así que ningún circuito la calcula</translation>
    </message>
    <message>
        <source>the end of the line</source>
        <translation>el final de la línea</translation>
    </message>
    <message>
        <source>expected =, found %1</source>
        <translation>se esperaba =, hay %1</translation>
    </message>
    <message>
        <source>expected an operator, found %1</source>
        <translation>se esperaba un operador, hay %1</translation>
    </message>
    <message>
        <source>a circuit holds no %1</source>
        <translation>un circuito no tiene %1</translation>
    </message>
    <message>
        <source>%1 does not chain: put parentheses around one side</source>
        <translation>%1 no se encadena: pon paréntesis en uno de los lados</translation>
    </message>
    <message>
        <source>expected ), found %1</source>
        <translation>se esperaba ), hay %1</translation>
    </message>
    <message>
        <source>expected an input name or (, found %1</source>
        <translation>se esperaba un nombre de entrada o (, hay %1</translation>
    </message>
    <message>
        <source>%1 is a gate&apos;s name; only inputs can be built from</source>
        <translation>%1 es el nombre de una puerta; solo se construye a partir de entradas</translation>
    </message>
    <message>
        <source>O%1 is given twice</source>
        <translation>O%1 aparece dos veces</translation>
    </message>
    <message>
        <source>column %1: %2</source>
        <translation>columna %1: %2</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>línea %1, columna %2: %3</translation>
    </message>
    <message>
        <source>no expression to build</source>
        <translation>no hay ninguna expresión que construir</translation>
    </message>
    <message>
        <source>O%1 has no expression</source>
        <translation>O%1 no tiene expresión</translation>
    </message>
    <message>
        <source>this circuit needs %1 columns of gates; the canvas holds %2</source>
        <translation>este circuito necesita %1 columnas de puertas; en el lienzo caben %2</translation>
    </message>
    <message>
        <source>this circuit needs %1 places in one column; the canvas holds %2</source>
        <translation>este circuito necesita %1 posiciones en una columna; en el lienzo caben %2</translation>
    </message>
    <message>
        <source>this circuit&apos;s links find no way between its gates</source>
        <translation>las conexiones de este circuito no encuentran camino entre sus puertas</translation>
    </message>
    <message>
        <source>this circuit needs %1 links; a circuit holds %2</source>
        <translation>este circuito necesita %1 conexiones; en un circuito caben %2</translation>
    </message>
    <message>
        <source>this circuit needs %1 places; a circuit holds %2</source>
        <translation>este circuito necesita %1 posiciones; en un circuito caben %2</translation>
    </message>
    <message>
        <source>more than %1 parentheses and negations in one line</source>
        <translation>más de %1 paréntesis y negaciones en una línea</translation>
    </message>
</context>
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
    <message numerus="yes">
        <source>%n of %1 rows differ</source>
        <translation>
            <numerusform>%n de %1 filas es distinta</numerusform>
            <numerusform>%n de %1 filas son distintas</numerusform>
        </translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparar con</translation>
    </message>
    <message>
        <source>Checked in the Timeline: this answer is a sequence</source>
        <translation>Se comprueba en la línea de tiempo: esta respuesta es una secuencia</translation>
    </message>
    <message>
        <source>Row %1 (step %2): expected %3, got %4</source>
        <translation>Fila %1 (paso %2): se esperaba %3, se obtuvo %4</translation>
    </message>
    <message>
        <source>Row %1 (step %2): matches</source>
        <translation>Fila %1 (paso %2): coincide</translation>
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
    <message>
        <source>PNG picture, twice the size</source>
        <translation>Imagen PNG, tamaño doble</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Documento PDF</translation>
    </message>
    <message numerus="yes">
        <source>Discard the recovered circuit for good? It holds %n gate(s).</source>
        <translation>
            <numerusform>¿Descartar para siempre el circuito recuperado? Contiene %n puerta.</numerusform>
            <numerusform>¿Descartar para siempre el circuito recuperado? Contiene %n puertas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Discard Circuit</source>
        <translation>Descartar circuito</translation>
    </message>
</context>
<context>
    <name>ElementPools</name>
    <message>
        <source>cross</source>
        <translation>cruz</translation>
    </message>
    <message>
        <source>link</source>
        <translation>conexión</translation>
    </message>
    <message>
        <source>AND</source>
        <translation>AND</translation>
    </message>
    <message>
        <source>NAND</source>
        <translation>NAND</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>OR</translation>
    </message>
    <message>
        <source>NOR</source>
        <translation>NOR</translation>
    </message>
    <message>
        <source>NOT</source>
        <translation>NOT</translation>
    </message>
    <message>
        <source>XOR</source>
        <translation>XOR</translation>
    </message>
    <message>
        <source>input</source>
        <translation>entrada</translation>
    </message>
    <message>
        <source>output</source>
        <translation>salida</translation>
    </message>
    <message>
        <source>Select and move</source>
        <translation>Seleccionar y mover</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>AND gate</source>
        <translation>Puerta AND</translation>
    </message>
    <message>
        <source>NAND gate</source>
        <translation>Puerta NAND</translation>
    </message>
    <message>
        <source>OR gate</source>
        <translation>Puerta OR</translation>
    </message>
    <message>
        <source>NOR gate</source>
        <translation>Puerta NOR</translation>
    </message>
    <message>
        <source>NOT gate</source>
        <translation>Puerta NOT</translation>
    </message>
    <message>
        <source>XOR gate</source>
        <translation>Puerta XOR</translation>
    </message>
    <message>
        <source>Circuit input</source>
        <translation>Entrada del circuito</translation>
    </message>
    <message>
        <source>Circuit output</source>
        <translation>Salida del circuito</translation>
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
    <message>
        <source>%1 = %2 from %3 at step %4</source>
        <translation>%1 = %2 desde %3 en el paso %4</translation>
    </message>
    <message>
        <source>%1 = %2, not linked</source>
        <translation>%1 = %2, sin conectar</translation>
    </message>
    <message>
        <source>%1 = %2 from a bend with no gate before it</source>
        <translation>%1 = %2 desde un codo sin puerta delante</translation>
    </message>
</context>
<context>
    <name>Expressions</name>
    <message>
        <source>%1 = formula too long to write (over %2 characters)</source>
        <translation>%1 = fórmula demasiado larga para escribirla (más de %2 caracteres)</translation>
    </message>
    <message>
        <source>%1  (feedback through %2)</source>
        <translation>%1  (realimentación a través de %2)</translation>
    </message>
    <message>
        <source>%1 minimal = minimal form not computed above %2 inputs</source>
        <translation>%1 mínima = la forma mínima no se calcula con más de %2 entradas</translation>
    </message>
    <message>
        <source>%1 minimal = not a function: %1 oscillates</source>
        <translation>%1 mínima = no es una función: %1 oscila</translation>
    </message>
    <message>
        <source>%1 minimal = not a function: %1 oscillates in rows %2</source>
        <translation>%1 mínima = no es una función: %1 oscila en las filas %2</translation>
    </message>
    <message>
        <source>%1 minimal = %2</source>
        <translation>%1 mínima = %2</translation>
    </message>
    <message>
        <source>%1  (smallest found, not proved minimal)</source>
        <translation>%1  (la menor encontrada, no demostrada mínima)</translation>
    </message>
    <message>
        <source>%1  (%2 feeds back)</source>
        <translation>%1  (%2 se realimenta)</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>cannot write the file</source>
        <translation>no se puede escribir el archivo</translation>
    </message>
    <message>
        <source>not a Tessara circuit file</source>
        <translation>no es un archivo de circuito de Tessara</translation>
    </message>
    <message>
        <source>cannot read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>no se puede abrir: %1</translation>
    </message>
    <message>
        <source>cannot open: not a regular file</source>
        <translation>no se puede abrir: no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 (nor a table: a table starts with a header like &apos;I1 I2 | O1&apos;)</source>
        <translation>%1 (tampoco es una tabla: una tabla empieza con un encabezado como &apos;I1 I2 | O1&apos;)</translation>
    </message>
    <message>
        <source>cannot replace: %1</source>
        <translation>no se puede reemplazar: %1</translation>
    </message>
    <message>
        <source>cannot replace: not a regular file</source>
        <translation>no se puede reemplazar: no es un archivo normal</translation>
    </message>
    <message>
        <source>cannot create: %1</source>
        <translation>no se puede crear: %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>no se puede escribir: %1</translation>
    </message>
    <message>
        <source>no table: the text holds no header line</source>
        <translation>no hay tabla: el texto no tiene línea de encabezado</translation>
    </message>
    <message>
        <source>expected a header like &apos;I1 I2 | O1&apos;</source>
        <translation>se esperaba un encabezado como &apos;I1 I2 | O1&apos;</translation>
    </message>
    <message>
        <source>more than %1 inputs</source>
        <translation>más de %1 entradas</translation>
    </message>
    <message>
        <source>a row needs a &apos;|&apos; between inputs and outputs</source>
        <translation>una fila necesita un &apos;|&apos; entre entradas y salidas</translation>
    </message>
    <message>
        <source>expected %1 input values (0 or 1) and %2 output values (0, 1, ~ or X)</source>
        <translation>se esperaban %1 valores de entrada (0 o 1) y %2 valores de salida (0, 1, ~ o X)</translation>
    </message>
    <message>
        <source>a second row for inputs %1 (the first is on line %2)</source>
        <translation>una segunda fila para las entradas %1 (la primera está en la línea %2)</translation>
    </message>
    <message>
        <source>no row for inputs %1; rows may be left out only under the line &quot;%2&quot;</source>
        <translation>no hay fila para las entradas %1; solo pueden faltar filas debajo de la línea &quot;%2&quot;</translation>
    </message>
    <message>
        <source>the file ends early</source>
        <translation>el archivo termina antes de tiempo</translation>
    </message>
    <message>
        <source>a quoted field has no closing quote</source>
        <translation>a un campo entre comillas le falta la comilla de cierre</translation>
    </message>
    <message>
        <source>unexpected text after the quoted field %1</source>
        <translation>texto inesperado después del campo entre comillas %1</translation>
    </message>
    <message>
        <source>expected #TRUE# or #FALSE#, found %1</source>
        <translation>se esperaba #TRUE# o #FALSE#, se encontró %1</translation>
    </message>
    <message>
        <source>expected a number, found %1</source>
        <translation>se esperaba un número, se encontró %1</translation>
    </message>
    <message>
        <source>the number %1 is out of range</source>
        <translation>el número %1 está fuera de rango</translation>
    </message>
    <message>
        <source>expected a whole number, found %1</source>
        <translation>se esperaba un número entero, se encontró %1</translation>
    </message>
    <message>
        <source>the number %1 does not fit an Integer (%2 to %3)</source>
        <translation>el número %1 no cabe en un Integer (de %2 a %3)</translation>
    </message>
    <message>
        <source>the number %1 does not fit a Long (%2 to %3)</source>
        <translation>el número %1 no cabe en un Long (de %2 a %3)</translation>
    </message>
    <message>
        <source>the number %1 does not fit a Single</source>
        <translation>el número %1 no cabe en un Single</translation>
    </message>
    <message>
        <source>%1 %2 is outside 0 to %3</source>
        <translation>%1 %2 no está entre 0 y %3</translation>
    </message>
    <message>
        <source>%1 inputs; a truth table takes at most %2</source>
        <translation>%1 entradas; una tabla de verdad admite como máximo %2</translation>
    </message>
    <message>
        <source>expected %1 input cell, found %2</source>
        <translation>se esperaba %1 celda de entrada, se encontraron %2</translation>
    </message>
    <message>
        <source>expected %1 input cells, found %2</source>
        <translation>se esperaban %1 celdas de entrada, se encontraron %2</translation>
    </message>
    <message>
        <source>expected %1 output cell, found %2</source>
        <translation>se esperaba %1 celda de salida, se encontraron %2</translation>
    </message>
    <message>
        <source>expected %1 output cells, found %2</source>
        <translation>se esperaban %1 celdas de salida, se encontraron %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no input cell (0, 1 or C)</source>
        <translation>«%1» no es una celda de entrada (0, 1 o C)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no output cell (0, 1, ~ or X)</source>
        <translation>«%1» no es una celda de salida (0, 1, ~ o X)</translation>
    </message>
    <message>
        <source>a sequence starts with the word &apos;sequence&apos;</source>
        <translation>una secuencia empieza con la palabra «sequence»</translation>
    </message>
    <message>
        <source>no rows: a sequence needs a row after its header</source>
        <translation>sin filas: una secuencia necesita una fila tras su encabezado</translation>
    </message>
    <message>
        <source>the name ends in no picture suffix (.png, .svg or .pdf)</source>
        <translation>el nombre no termina en una extensión de imagen (.png, .svg o .pdf)</translation>
    </message>
</context>
<context>
    <name>GettingStarted</name>
    <message>
        <source>&lt;b&gt;Place.&lt;/b&gt; Choose a gate on the left (its name and key show when the pointer rests on it), then click the canvas. Circuit inputs go to the column on the left, outputs to the right.</source>
        <translation>&lt;b&gt;Colocar.&lt;/b&gt; Elija una puerta a la izquierda (su nombre y su tecla aparecen al dejar el puntero encima) y haga clic en el lienzo. Las entradas del circuito van a la columna de la izquierda; las salidas, a la de la derecha.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Link.&lt;/b&gt; Choose the link tool, press a gate&apos;s output half, then another gate&apos;s input half. Press the canvas on the way to bend the link.</source>
        <translation>&lt;b&gt;Conectar.&lt;/b&gt; Elija la herramienta de conexión, pulse la mitad de salida de una puerta y luego la mitad de entrada de otra. Pulse el lienzo por el camino para doblar la conexión.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Power.&lt;/b&gt; Press Power up: every gate shows its value, 0 or 1, beside it. The values stay through Power down and up.</source>
        <translation>&lt;b&gt;Encender.&lt;/b&gt; Pulse «encender»: cada puerta muestra su valor, 0 o 1, a su lado. Los valores se conservan al apagar y volver a encender.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Toggle.&lt;/b&gt; Click a circuit input to switch it between 0 and 1.</source>
        <translation>&lt;b&gt;Conmutar.&lt;/b&gt; Haga clic en una entrada del circuito para cambiarla entre 0 y 1.</translation>
    </message>
    <message>
        <source>&lt;b&gt;prop.&lt;/b&gt; Press prop (or P) to move every signal one step on; each gate adds one step.</source>
        <translation>&lt;b&gt;prop.&lt;/b&gt; Pulse prop (o P) para avanzar cada señal un paso; cada puerta añade un paso.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ask why.&lt;/b&gt; While powered, click the 0 or 1 beside a gate: the Why window says why it shows that value.</source>
        <translation>&lt;b&gt;Preguntar por qué.&lt;/b&gt; Con el circuito encendido, haga clic en el 0 o el 1 junto a una puerta: la ventana Por qué explica por qué muestra ese valor.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Check.&lt;/b&gt; Options &gt; Truth Table lists every combination of inputs; Compare With... checks each row against an answer from your teacher. File &gt; Open Example... opens circuits to try.</source>
        <translation>&lt;b&gt;Comprobar.&lt;/b&gt; Opciones &gt; Tabla de verdad lista cada combinación de entradas; Comparar con... comprueba cada fila con una respuesta de su profesor. Archivo &gt; Abrir ejemplo... abre circuitos para probar.</translation>
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
    <name>Keyboard</name>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Mayús+Tab</translation>
    </message>
    <message>
        <source>Move between the palette, the canvas, the trash can, Power and prop</source>
        <translation>Pasar entre la paleta, el lienzo, la papelera, el botón de encendido y prop</translation>
    </message>
    <message>
        <source>Arrows on the palette</source>
        <translation>Flechas en la paleta</translation>
    </message>
    <message>
        <source>Choose the tool in that direction</source>
        <translation>Elegir la herramienta en esa dirección</translation>
    </message>
    <message>
        <source>Arrows</source>
        <translation>Flechas</translation>
    </message>
    <message>
        <source>Shift+Arrows</source>
        <translation>Mayús+Flechas</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Arrows</source>
        <translation>Ctrl+Mayús+Flechas</translation>
    </message>
    <message>
        <source>1 to 0</source>
        <translation>1 a 0</translation>
    </message>
    <message>
        <source>Choose the tools in the palette&apos;s order: cross, link, AND, NAND, OR, NOR, NOT, XOR, input, output</source>
        <translation>Elegir las herramientas en el orden de la paleta: cruz, conexión, AND, NAND, OR, NOR, NOT, XOR, entrada, salida</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Place the chosen tool&apos;s gate at the cross-hair; while a link is drawn, end it at the focused gate&apos;s first free input; while moving, put the gate down</source>
        <translation>Colocar la puerta de la herramienta elegida en la cruz de selección; al dibujar una conexión, terminarla en la primera entrada libre de la puerta con el foco; al mover, soltar la puerta</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Toggle the focused input while powered</source>
        <translation>Conmutar la entrada con el foco con el circuito encendido</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Turn the focused gate a quarter</source>
        <translation>Girar un cuarto de vuelta la puerta con el foco</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supr</translation>
    </message>
    <message>
        <source>Delete the focused gate with its links, or the link through the focused bend</source>
        <translation>Borrar la puerta con el foco y sus conexiones, o la conexión que pasa por el codo con el foco</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Move the focused gate or bend: arrows carry it, Enter puts it down</source>
        <translation>Mover la puerta o el codo con el foco: las flechas lo llevan, Intro lo suelta</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>Start a link at the focused gate&apos;s output, with the link tool</source>
        <translation>Empezar una conexión en la salida de la puerta con el foco, con la herramienta de conexión</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Bend the link being drawn at the cross-hair</source>
        <translation>Hacer un codo en la conexión que se dibuja, en la cruz de selección</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>prop: advance every signal one step</source>
        <translation>prop: avanzar cada señal un paso</translation>
    </message>
    <message>
        <source>Enter, Space or Delete on the trash can</source>
        <translation>Intro, Espacio o Supr sobre la papelera</translation>
    </message>
    <message>
        <source>Delete the gate or bend focused on the canvas</source>
        <translation>Borrar la puerta o el codo que tiene el foco en el lienzo</translation>
    </message>
    <message>
        <source>Focus the nearest gate or bend in that direction; while a link is drawn, the nearest gate it can end at; while moving, carry the gate 5 pixels</source>
        <translation>Dar el foco a la puerta o al codo más cercano en esa dirección; al dibujar una conexión, a la puerta más cercana donde puede terminar; al mover, llevar la puerta 5 píxeles</translation>
    </message>
    <message>
        <source>Move the cross-hair (and a gate being moved) 5 pixels</source>
        <translation>Mover la cruz de selección (y la puerta que se está moviendo) 5 píxeles</translation>
    </message>
    <message>
        <source>Move the cross-hair (and a gate being moved) 1 pixel</source>
        <translation>Mover la cruz de selección (y la puerta que se está moviendo) 1 píxel</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
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
        <source>Save</source>
        <translation>Guardar</translation>
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
    <message>
        <source>Cancel the link being drawn or the gate being moved</source>
        <translation>Cancelar la conexión o el movimiento en curso</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Abrir...</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Open Example...</source>
        <translation>Abrir ejemplo...</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>Primeros pasos</translation>
    </message>
    <message>
        <source>Export Picture...</source>
        <translation>Exportar imagen...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copiar imagen</translation>
    </message>
    <message>
        <source>New From Expression...</source>
        <translation>Nuevo desde expresión...</translation>
    </message>
</context>
<context>
    <name>PictureActions</name>
    <message>
        <source>Copy as Picture</source>
        <translation>Copiar como imagen</translation>
    </message>
    <message>
        <source>Save Picture...</source>
        <translation>Guardar imagen...</translation>
    </message>
</context>
<context>
    <name>Repeats</name>
    <message>
        <source>repeats every %1 steps from step %2</source>
        <translation>se repite cada %1 pasos desde el paso %2</translation>
    </message>
    <message>
        <source>settled at step %1</source>
        <translation>estable desde el paso %1</translation>
    </message>
    <message numerus="yes">
        <source>no repeat within %n step(s)</source>
        <translation>
            <numerusform>no se repite en %n paso</numerusform>
            <numerusform>no se repite en %n pasos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>settles after %n step(s)</source>
        <translation>
            <numerusform>se estabiliza tras %n paso</numerusform>
            <numerusform>se estabiliza tras %n pasos</numerusform>
        </translation>
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
    <name>Spoken</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>output %1</source>
        <translation>salida %1</translation>
    </message>
    <message>
        <source>inputs from %1</source>
        <translation>entradas desde %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>input from %1</source>
        <translation>entrada desde %1</translation>
    </message>
    <message>
        <source>drives %1</source>
        <translation>alimenta %1</translation>
    </message>
    <message>
        <source>%1 gate %2</source>
        <translation>puerta %1 %2</translation>
    </message>
    <message>
        <source>input %1</source>
        <translation>entrada %1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>bend in the link from %1 to %2</source>
        <translation>codo en la conexión de %1 a %2</translation>
    </message>
    <message>
        <source>1 gate</source>
        <translation>1 puerta</translation>
    </message>
    <message>
        <source>%1 gates</source>
        <translation>%1 puertas</translation>
    </message>
    <message>
        <source>1 input</source>
        <translation>1 entrada</translation>
    </message>
    <message>
        <source>%1 inputs</source>
        <translation>%1 entradas</translation>
    </message>
    <message>
        <source>1 output</source>
        <translation>1 salida</translation>
    </message>
    <message>
        <source>%1 outputs</source>
        <translation>%1 salidas</translation>
    </message>
    <message>
        <source>circuit: %1, %2, %3, not powered</source>
        <translation>circuito: %1, %2, %3, apagado</translation>
    </message>
    <message>
        <source>circuit: %1, %2, %3, powered, step %4</source>
        <translation>circuito: %1, %2, %3, encendido, paso %4</translation>
    </message>
</context>
<context>
    <name>TimelineWindow</name>
    <message numerus="yes">
        <source>%n step(s)/s</source>
        <translation>
            <numerusform>%n paso/s</numerusform>
            <numerusform>%n pasos/s</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
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
    <message>
        <source>%1: its %2 is not linked</source>
        <translation>%1: su %2 no está conectada</translation>
    </message>
    <message>
        <source>%1: its %2 is linked more than once</source>
        <translation>%1: su %2 está conectada más de una vez</translation>
    </message>
    <message>
        <source>%1: its output drives nothing</source>
        <translation>%1: su salida no alimenta nada</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>input</source>
        <translation>entrada</translation>
    </message>
    <message>
        <source>left input</source>
        <translation>entrada izquierda</translation>
    </message>
    <message>
        <source>upper input</source>
        <translation>entrada superior</translation>
    </message>
    <message>
        <source>right input</source>
        <translation>entrada derecha</translation>
    </message>
    <message>
        <source>lower input</source>
        <translation>entrada inferior</translation>
    </message>
</context>
<context>
    <name>tessara::app::AboutWindow</name>
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
<context>
    <name>tessara::app::BuildDialog</name>
    <message>
        <source>New From Expression</source>
        <translation>Nuevo desde expresión</translation>
    </message>
    <message>
        <source>Build Circuit</source>
        <translation>Construir circuito</translation>
    </message>
    <message>
        <source>A circuit of each output&apos;s minimal sum of products, opened as a new circuit.</source>
        <translation>Un circuito con la suma de productos mínima de cada salida, abierto como circuito nuevo.</translation>
    </message>
    <message>
        <source>Any gates</source>
        <translation>Cualquier puerta</translation>
    </message>
    <message>
        <source>NAND only</source>
        <translation>Solo NAND</translation>
    </message>
    <message>
        <source>NOR only</source>
        <translation>Solo NOR</translation>
    </message>
    <message>
        <source>Gates:</source>
        <translation>Puertas:</translation>
    </message>
    <message>
        <source>Building...</source>
        <translation>Construyendo...</translation>
    </message>
</context>
<context>
    <name>tessara::app::CanvasPanel</name>
    <message>
        <source>Inputs</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Untitled circuit</source>
        <translation>Circuito sin nombre</translation>
    </message>
    <message>
        <source>Choose a gate on the left, then click here</source>
        <translation>Elija una puerta a la izquierda y haga clic aquí</translation>
    </message>
</context>
<context>
    <name>tessara::app::ElementPools</name>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>trash can</source>
        <translation>papelera</translation>
    </message>
    <message>
        <source>Deletes the gate or bend focused on the canvas</source>
        <translation>Borra la puerta o el codo que tiene el foco en el lienzo</translation>
    </message>
    <message>
        <source>Trash can: drop a gate here to delete it</source>
        <translation>Papelera: suelte aquí una puerta para borrarla</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supr</translation>
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
    <name>tessara::app::GettingStarted</name>
    <message>
        <source>Tessara - Getting Started</source>
        <translation>Tessara - Primeros pasos</translation>
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
    <name>tessara::app::KeyboardHelp</name>
    <message>
        <source>Tessara - Keyboard</source>
        <translation>Tessara - Teclado</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>Qué hacen</translation>
    </message>
</context>
<context>
    <name>tessara::app::MainWindow</name>
    <message>
        <source>prop</source>
        <translation>prop</translation>
    </message>
    <message>
        <source>Power: switch the circuit on or off (Tab to it, then Space)</source>
        <translation>Encendido: enciende o apaga el circuito (llegue con Tab y pulse Espacio)</translation>
    </message>
    <message>
        <source>prop: advance every signal one step</source>
        <translation>prop: avanzar cada señal un paso</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
</context>
<context>
    <name>tessara::app::TimelineView</name>
    <message>
        <source>timeline</source>
        <translation>línea de tiempo</translation>
    </message>
    <message>
        <source>step %1: %2</source>
        <translation>paso %1: %2</translation>
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
    <message>
        <source>Rows of the sequence</source>
        <translation>Filas de la secuencia</translation>
    </message>
    <message>
        <source>Play Sequence</source>
        <translation>Reproducir secuencia</translation>
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
    <message>
        <source>Build Circuit...</source>
        <translation>Construir circuito...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stopped. An edit, or the window opened again, computes the table anew.</source>
        <translation>Detenido. Una edición, o volver a abrir la ventana, calcula la tabla de nuevo.</translation>
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
</TS>
