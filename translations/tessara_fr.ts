<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Build</name>
    <message>
        <source>the circuit built does not compute what was asked; this is a fault of Tessara</source>
        <translation>le circuit construit ne calcule pas ce qui était demandé&#xa0;; c&apos;est une erreur de Tessara</translation>
    </message>
    <message>
        <source>a table of more than %1 inputs cannot be built</source>
        <translation>impossible de construire une table de plus de %1 entrées</translation>
    </message>
    <message>
        <source>O%1 does not settle in every row, so no circuit computes it</source>
        <translation>O%1 ne se stabilise pas dans toutes les lignes, aucun circuit ne la calcule donc</translation>
    </message>
    <message>
        <source>the end of the line</source>
        <translation>la fin de la ligne</translation>
    </message>
    <message>
        <source>expected =, found %1</source>
        <translation>= attendu, trouvé %1</translation>
    </message>
    <message>
        <source>expected an operator, found %1</source>
        <translation>opérateur attendu, trouvé %1</translation>
    </message>
    <message>
        <source>a circuit holds no %1</source>
        <translation>un circuit n&apos;a pas de %1</translation>
    </message>
    <message>
        <source>%1 does not chain: put parentheses around one side</source>
        <translation>%1 ne s&apos;enchaîne pas&#xa0;: mettez un des côtés entre parenthèses</translation>
    </message>
    <message>
        <source>expected ), found %1</source>
        <translation>) attendue, trouvé %1</translation>
    </message>
    <message>
        <source>expected an input name or (, found %1</source>
        <translation>nom d&apos;entrée ou ( attendu, trouvé %1</translation>
    </message>
    <message>
        <source>%1 is a gate&apos;s name; only inputs can be built from</source>
        <translation>%1 est le nom d&apos;une porte&#xa0;; on ne construit qu&apos;à partir des entrées</translation>
    </message>
    <message>
        <source>O%1 is given twice</source>
        <translation>O%1 est donnée deux fois</translation>
    </message>
    <message>
        <source>column %1: %2</source>
        <translation>colonne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>ligne %1, colonne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>no expression to build</source>
        <translation>aucune expression à construire</translation>
    </message>
    <message>
        <source>O%1 has no expression</source>
        <translation>O%1 n&apos;a pas d&apos;expression</translation>
    </message>
    <message>
        <source>this circuit needs %1 columns of gates; the canvas holds %2</source>
        <translation>ce circuit demande %1 colonnes de portes&#xa0;; le plan de travail en contient %2</translation>
    </message>
    <message>
        <source>this circuit needs %1 places in one column; the canvas holds %2</source>
        <translation>ce circuit demande %1 cases dans une colonne&#xa0;; le plan de travail en contient %2</translation>
    </message>
    <message>
        <source>this circuit&apos;s links find no way between its gates</source>
        <translation>les connexions de ce circuit ne trouvent pas de chemin entre ses portes</translation>
    </message>
    <message>
        <source>this circuit needs %1 links; a circuit holds %2</source>
        <translation>ce circuit demande %1 connexions&#xa0;; un circuit en contient %2</translation>
    </message>
    <message>
        <source>this circuit needs %1 places; a circuit holds %2</source>
        <translation>ce circuit demande %1 cases&#xa0;; un circuit en contient %2</translation>
    </message>
    <message>
        <source>more than %1 parentheses and negations in one line</source>
        <translation>plus de %1 parenthèses et négations dans une ligne</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>Checked against %1</source>
        <translation>Comparé à %1</translation>
    </message>
    <message>
        <source>✓</source>
        <translation>✓</translation>
    </message>
    <message>
        <source>expected %1</source>
        <translation>attendu %1</translation>
    </message>
    <message>
        <source>All %1 rows match</source>
        <translation>Les %1 lignes correspondent</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 rows differ</source>
        <translation>
            <numerusform>%n ligne sur %1 diffère</numerusform>
            <numerusform>%n lignes sur %1 diffèrent</numerusform>
        </translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparer avec</translation>
    </message>
    <message>
        <source>Checked in the Timeline: this answer is a sequence</source>
        <translation>Vérifié dans la chronologie : cette réponse est une séquence</translation>
    </message>
    <message>
        <source>Row %1 (step %2): expected %3, got %4</source>
        <translation>Ligne %1 (étape %2) : attendu %3, obtenu %4</translation>
    </message>
    <message>
        <source>Row %1 (step %2): matches</source>
        <translation>Ligne %1 (étape %2) : correspond</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>power up</source>
        <translation>allumer</translation>
    </message>
    <message>
        <source>Save changes to the circuit?</source>
        <translation>Enregistrer les modifications du circuit&#xa0;?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Error: You must start with an output<byte value="xd"/>
</source>
        <translation>Erreur&#xa0;: vous devez commencer par une sortie<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Error: You must finish with an input<byte value="xd"/>
</source>
        <translation>Erreur&#xa0;: vous devez terminer par une entrée<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Error: Click on the gates</source>
        <translation>Erreur&#xa0;: cliquez sur les portes</translation>
    </message>
    <message>
        <source>Error: The circuit has no room for another gate</source>
        <translation>Erreur&#xa0;: le circuit n&apos;a plus de place pour une autre porte</translation>
    </message>
    <message>
        <source>Error: The circuit has no room for another link</source>
        <translation>Erreur&#xa0;: le circuit n&apos;a plus de place pour une autre connexion</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;:
%2</source>
        <translation>Impossible d&apos;ouvrir «&#xa0;%1&#xa0;»&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;:
%2</source>
        <translation>Impossible d&apos;enregistrer «&#xa0;%1&#xa0;»&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Allumer</translation>
    </message>
    <message>
        <source>Power Down</source>
        <translation>Éteindre</translation>
    </message>
    <message>
        <source>Expected answers</source>
        <translation>Réponses attendues</translation>
    </message>
    <message>
        <source>Circuits</source>
        <translation>Circuits</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>Image PNG</translation>
    </message>
    <message>
        <source>SVG picture</source>
        <translation>Image SVG</translation>
    </message>
    <message>
        <source>Comma-separated values</source>
        <translation>Valeurs séparées par des virgules</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 existe déjà. Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Replace File</source>
        <translation>Remplacer le fichier</translation>
    </message>
    <message>
        <source>Tessara closed without saving. Recover the circuit from %1?</source>
        <translation>Tessara s&apos;est fermé sans enregistrer. Récupérer le circuit de %1&#xa0;?</translation>
    </message>
    <message>
        <source>Recover Circuit</source>
        <translation>Récupérer le circuit</translation>
    </message>
    <message>
        <source>PNG picture, twice the size</source>
        <translation>Image PNG, taille double</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Document PDF</translation>
    </message>
    <message numerus="yes">
        <source>Discard the recovered circuit for good? It holds %n gate(s).</source>
        <translation>
            <numerusform>Abandonner définitivement le circuit récupéré ? Il contient %n porte.</numerusform>
            <numerusform>Abandonner définitivement le circuit récupéré ? Il contient %n portes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Discard Circuit</source>
        <translation>Abandonner le circuit</translation>
    </message>
</context>
<context>
    <name>ElementPools</name>
    <message>
        <source>cross</source>
        <translation>croix</translation>
    </message>
    <message>
        <source>link</source>
        <translation>connexion</translation>
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
        <translation>entrée</translation>
    </message>
    <message>
        <source>output</source>
        <translation>sortie</translation>
    </message>
    <message>
        <source>Select and move</source>
        <translation>Sélectionner et déplacer</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>AND gate</source>
        <translation>Porte AND</translation>
    </message>
    <message>
        <source>NAND gate</source>
        <translation>Porte NAND</translation>
    </message>
    <message>
        <source>OR gate</source>
        <translation>Porte OR</translation>
    </message>
    <message>
        <source>NOR gate</source>
        <translation>Porte NOR</translation>
    </message>
    <message>
        <source>NOT gate</source>
        <translation>Porte NOT</translation>
    </message>
    <message>
        <source>XOR gate</source>
        <translation>Porte XOR</translation>
    </message>
    <message>
        <source>Circuit input</source>
        <translation>Entrée du circuit</translation>
    </message>
    <message>
        <source>Circuit output</source>
        <translation>Sortie du circuit</translation>
    </message>
</context>
<context>
    <name>Explanation</name>
    <message>
        <source>%1 = %2 at step %3</source>
        <translation>%1 = %2 à l&apos;étape %3</translation>
    </message>
    <message>
        <source>step %1: %2 = %3 at power-up</source>
        <translation>étape %1&#xa0;: %2 = %3 à la mise sous tension</translation>
    </message>
    <message>
        <source>step %1: %2 = %3 at the first kept step</source>
        <translation>étape %1&#xa0;: %2 = %3 à la première étape conservée</translation>
    </message>
    <message>
        <source>step %1: %2 became %3: toggled</source>
        <translation>étape %1&#xa0;: %2 passe à %3&#xa0;: basculement</translation>
    </message>
    <message>
        <source>step %1: %2 became %3: %4</source>
        <translation>étape %1&#xa0;: %2 passe à %3&#xa0;: %4</translation>
    </message>
    <message>
        <source>input %1 = %2 from %3 at step %4</source>
        <translation>entrée %1 = %2 venant de %3 à l&apos;étape %4</translation>
    </message>
    <message>
        <source>input %1 = %2, not linked</source>
        <translation>entrée %1 = %2, non reliée</translation>
    </message>
    <message>
        <source>input %1 = %2 from a bend with no gate before it</source>
        <translation>entrée %1 = %2 venant d&apos;un coude sans porte avant lui</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>... %1 more</source>
        <translation>... %1 de plus</translation>
    </message>
    <message>
        <source>%1 = %2 from %3 at step %4</source>
        <translation>%1 = %2 venant de %3 à l&apos;étape %4</translation>
    </message>
    <message>
        <source>%1 = %2, not linked</source>
        <translation>%1 = %2, non reliée</translation>
    </message>
    <message>
        <source>%1 = %2 from a bend with no gate before it</source>
        <translation>%1 = %2 venant d&apos;un coude sans porte avant lui</translation>
    </message>
</context>
<context>
    <name>Expressions</name>
    <message>
        <source>%1 = formula too long to write (over %2 characters)</source>
        <translation>%1 = formule trop longue pour être écrite (plus de %2 caractères)</translation>
    </message>
    <message>
        <source>%1  (feedback through %2)</source>
        <translation>%1  (rétroaction par %2)</translation>
    </message>
    <message>
        <source>%1 minimal = minimal form not computed above %2 inputs</source>
        <translation>%1 minimale = forme minimale non calculée au-delà de %2 entrées</translation>
    </message>
    <message>
        <source>%1 minimal = not a function: %1 oscillates</source>
        <translation>%1 minimale = pas une fonction&#xa0;: %1 oscille</translation>
    </message>
    <message>
        <source>%1 minimal = not a function: %1 oscillates in rows %2</source>
        <translation>%1 minimale = pas une fonction&#xa0;: %1 oscille aux lignes %2</translation>
    </message>
    <message>
        <source>%1 minimal = %2</source>
        <translation>%1 minimale = %2</translation>
    </message>
    <message>
        <source>%1  (smallest found, not proved minimal)</source>
        <translation>%1  (la plus petite trouvée, minimalité non prouvée)</translation>
    </message>
    <message>
        <source>%1  (%2 feeds back)</source>
        <translation>%1  (%2 est rebouclée)</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>cannot write the file</source>
        <translation>impossible d&apos;écrire le fichier</translation>
    </message>
    <message>
        <source>not a Tessara circuit file</source>
        <translation>ce n&apos;est pas un fichier de circuit Tessara</translation>
    </message>
    <message>
        <source>cannot read: %1</source>
        <translation>lecture impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>ouverture impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot open: not a regular file</source>
        <translation>ouverture impossible&#xa0;: ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 (nor a table: a table starts with a header like &apos;I1 I2 | O1&apos;)</source>
        <translation>%1 (ni un tableau&#xa0;: un tableau commence par un en-tête comme &apos;I1 I2 | O1&apos;)</translation>
    </message>
    <message>
        <source>cannot replace: %1</source>
        <translation>remplacement impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot replace: not a regular file</source>
        <translation>remplacement impossible&#xa0;: ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>cannot create: %1</source>
        <translation>création impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>écriture impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>no table: the text holds no header line</source>
        <translation>pas de tableau&#xa0;: le texte n&apos;a pas de ligne d&apos;en-tête</translation>
    </message>
    <message>
        <source>expected a header like &apos;I1 I2 | O1&apos;</source>
        <translation>un en-tête comme &apos;I1 I2 | O1&apos; est attendu</translation>
    </message>
    <message>
        <source>more than %1 inputs</source>
        <translation>plus de %1 entrées</translation>
    </message>
    <message>
        <source>a row needs a &apos;|&apos; between inputs and outputs</source>
        <translation>une ligne doit avoir un &apos;|&apos; entre les entrées et les sorties</translation>
    </message>
    <message>
        <source>expected %1 input values (0 or 1) and %2 output values (0, 1, ~ or X)</source>
        <translation>%1 valeurs d&apos;entrée (0 ou 1) et %2 valeurs de sortie (0, 1, ~ ou X) sont attendues</translation>
    </message>
    <message>
        <source>a second row for inputs %1 (the first is on line %2)</source>
        <translation>une deuxième ligne pour les entrées %1 (la première est à la ligne %2)</translation>
    </message>
    <message>
        <source>no row for inputs %1; rows may be left out only under the line &quot;%2&quot;</source>
        <translation>aucune ligne pour les entrées %1&#xa0;; des lignes ne peuvent manquer que sous la ligne «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>the file ends early</source>
        <translation>le fichier se termine trop tôt</translation>
    </message>
    <message>
        <source>a quoted field has no closing quote</source>
        <translation>il manque le guillemet fermant d&apos;un champ entre guillemets</translation>
    </message>
    <message>
        <source>unexpected text after the quoted field %1</source>
        <translation>texte inattendu après le champ entre guillemets %1</translation>
    </message>
    <message>
        <source>expected #TRUE# or #FALSE#, found %1</source>
        <translation>#TRUE# ou #FALSE# attendu, %1 trouvé</translation>
    </message>
    <message>
        <source>expected a number, found %1</source>
        <translation>nombre attendu, %1 trouvé</translation>
    </message>
    <message>
        <source>the number %1 is out of range</source>
        <translation>le nombre %1 est hors limites</translation>
    </message>
    <message>
        <source>expected a whole number, found %1</source>
        <translation>nombre entier attendu, %1 trouvé</translation>
    </message>
    <message>
        <source>the number %1 does not fit an Integer (%2 to %3)</source>
        <translation>le nombre %1 ne tient pas dans un Integer (de %2 à %3)</translation>
    </message>
    <message>
        <source>the number %1 does not fit a Long (%2 to %3)</source>
        <translation>le nombre %1 ne tient pas dans un Long (de %2 à %3)</translation>
    </message>
    <message>
        <source>the number %1 does not fit a Single</source>
        <translation>le nombre %1 ne tient pas dans un Single</translation>
    </message>
    <message>
        <source>%1 %2 is outside 0 to %3</source>
        <translation>%1 %2 n&apos;est pas entre 0 et %3</translation>
    </message>
    <message>
        <source>%1 inputs; a truth table takes at most %2</source>
        <translation>%1 entrées&#xa0;; une table de vérité en prend au plus %2</translation>
    </message>
    <message>
        <source>expected %1 input cell, found %2</source>
        <translation>%1 cellule d’entrée attendue, %2 trouvées</translation>
    </message>
    <message>
        <source>expected %1 input cells, found %2</source>
        <translation>%1 cellules d’entrée attendues, %2 trouvées</translation>
    </message>
    <message>
        <source>expected %1 output cell, found %2</source>
        <translation>%1 cellule de sortie attendue, %2 trouvées</translation>
    </message>
    <message>
        <source>expected %1 output cells, found %2</source>
        <translation>%1 cellules de sortie attendues, %2 trouvées</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no input cell (0, 1 or C)</source>
        <translation>« %1 » n’est pas une cellule d’entrée (0, 1 ou C)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no output cell (0, 1, ~ or X)</source>
        <translation>« %1 » n’est pas une cellule de sortie (0, 1, ~ ou X)</translation>
    </message>
    <message>
        <source>a sequence starts with the word &apos;sequence&apos;</source>
        <translation>une séquence commence par le mot « sequence »</translation>
    </message>
    <message>
        <source>no rows: a sequence needs a row after its header</source>
        <translation>aucune ligne : une séquence a besoin d’une ligne après son en-tête</translation>
    </message>
    <message>
        <source>the name ends in no picture suffix (.png, .svg or .pdf)</source>
        <translation>le nom ne se termine pas par une extension d&apos;image (.png, .svg ou .pdf)</translation>
    </message>
</context>
<context>
    <name>GettingStarted</name>
    <message>
        <source>&lt;b&gt;Place.&lt;/b&gt; Choose a gate on the left (its name and key show when the pointer rests on it), then click the canvas. Circuit inputs go to the column on the left, outputs to the right.</source>
        <translation>&lt;b&gt;Placer.&lt;/b&gt; Choisissez une porte à gauche (son nom et sa touche s&apos;affichent quand le pointeur s&apos;y arrête), puis cliquez sur le canevas. Les entrées du circuit vont dans la colonne de gauche, les sorties dans celle de droite.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Link.&lt;/b&gt; Choose the link tool, press a gate&apos;s output half, then another gate&apos;s input half. Press the canvas on the way to bend the link.</source>
        <translation>&lt;b&gt;Relier.&lt;/b&gt; Choisissez l&apos;outil de connexion, appuyez sur la moitié sortie d&apos;une porte, puis sur la moitié entrée d&apos;une autre. Appuyez sur le canevas en chemin pour couder la connexion.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Power.&lt;/b&gt; Press Power up: every gate shows its value, 0 or 1, beside it. The values stay through Power down and up.</source>
        <translation>&lt;b&gt;Allumer.&lt;/b&gt; Appuyez sur « allumer » : chaque porte affiche sa valeur, 0 ou 1, à côté d&apos;elle. Les valeurs restent quand on éteint puis rallume.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Toggle.&lt;/b&gt; Click a circuit input to switch it between 0 and 1.</source>
        <translation>&lt;b&gt;Basculer.&lt;/b&gt; Cliquez sur une entrée du circuit pour la faire passer de 0 à 1 et inversement.</translation>
    </message>
    <message>
        <source>&lt;b&gt;prop.&lt;/b&gt; Press prop (or P) to move every signal one step on; each gate adds one step.</source>
        <translation>&lt;b&gt;prop.&lt;/b&gt; Appuyez sur prop (ou P) pour avancer chaque signal d&apos;une étape ; chaque porte ajoute une étape.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ask why.&lt;/b&gt; While powered, click the 0 or 1 beside a gate: the Why window says why it shows that value.</source>
        <translation>&lt;b&gt;Demander pourquoi.&lt;/b&gt; Circuit allumé, cliquez sur le 0 ou le 1 à côté d&apos;une porte : la fenêtre Pourquoi explique pourquoi elle affiche cette valeur.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Check.&lt;/b&gt; Options &gt; Truth Table lists every combination of inputs; Compare With... checks each row against an answer from your teacher. File &gt; Open Example... opens circuits to try.</source>
        <translation>&lt;b&gt;Vérifier.&lt;/b&gt; Options &gt; Table de vérité liste chaque combinaison d&apos;entrées ; Comparer avec... vérifie chaque ligne par rapport à une réponse de votre enseignant. Fichier &gt; Ouvrir un exemple... ouvre des circuits à essayer.</translation>
    </message>
</context>
<context>
    <name>Grading</name>
    <message>
        <source>expected %1 inputs and %2 outputs, found %3 inputs and %4 outputs</source>
        <translation>attendu %1 entrées et %2 sorties, trouvé %3 entrées et %4 sorties</translation>
    </message>
</context>
<context>
    <name>Keyboard</name>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Maj+Tab</translation>
    </message>
    <message>
        <source>Move between the palette, the canvas, the trash can, Power and prop</source>
        <translation>Passer de la palette au plan de travail, à la corbeille, au bouton d&apos;alimentation et à prop</translation>
    </message>
    <message>
        <source>Arrows on the palette</source>
        <translation>Flèches dans la palette</translation>
    </message>
    <message>
        <source>Choose the tool in that direction</source>
        <translation>Choisir l&apos;outil dans cette direction</translation>
    </message>
    <message>
        <source>Arrows</source>
        <translation>Flèches</translation>
    </message>
    <message>
        <source>Shift+Arrows</source>
        <translation>Maj+Flèches</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Arrows</source>
        <translation>Ctrl+Maj+Flèches</translation>
    </message>
    <message>
        <source>1 to 0</source>
        <translation>1 à 0</translation>
    </message>
    <message>
        <source>Choose the tools in the palette&apos;s order: cross, link, AND, NAND, OR, NOR, NOT, XOR, input, output</source>
        <translation>Choisir les outils dans l&apos;ordre de la palette&#xa0;: croix, connexion, AND, NAND, OR, NOR, NOT, XOR, entrée, sortie</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Place the chosen tool&apos;s gate at the cross-hair; while a link is drawn, end it at the focused gate&apos;s first free input; while moving, put the gate down</source>
        <translation>Placer la porte de l&apos;outil choisi au réticule&#xa0;; pendant le tracé d&apos;une connexion, la terminer à la première entrée libre de la porte qui a le focus&#xa0;; pendant un déplacement, poser la porte</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Toggle the focused input while powered</source>
        <translation>Basculer l&apos;entrée qui a le focus quand le circuit est allumé</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Turn the focused gate a quarter</source>
        <translation>Tourner d&apos;un quart de tour la porte qui a le focus</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>Delete the focused gate with its links, or the link through the focused bend</source>
        <translation>Supprimer la porte qui a le focus avec ses connexions, ou la connexion qui passe par le coude qui a le focus</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Move the focused gate or bend: arrows carry it, Enter puts it down</source>
        <translation>Déplacer la porte ou le coude qui a le focus&#xa0;: les flèches le portent, Entrée le pose</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>Start a link at the focused gate&apos;s output, with the link tool</source>
        <translation>Commencer une connexion à la sortie de la porte qui a le focus, avec l&apos;outil connexion</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Bend the link being drawn at the cross-hair</source>
        <translation>Faire un coude à la connexion en cours de tracé, au réticule</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>prop: advance every signal one step</source>
        <translation>prop&#xa0;: avancer chaque signal d&apos;une étape</translation>
    </message>
    <message>
        <source>Enter, Space or Delete on the trash can</source>
        <translation>Entrée, Espace ou Suppr sur la corbeille</translation>
    </message>
    <message>
        <source>Delete the gate or bend focused on the canvas</source>
        <translation>Supprimer la porte ou le coude qui a le focus sur le plan de travail</translation>
    </message>
    <message>
        <source>Focus the nearest gate or bend in that direction; while a link is drawn, the nearest gate it can end at; while moving, carry the gate 5 pixels</source>
        <translation>Donner le focus à la porte ou au coude le plus proche dans cette direction&#xa0;; pendant le tracé d&apos;une connexion, à la porte la plus proche où elle peut finir&#xa0;; pendant un déplacement, porter la porte de 5 pixels</translation>
    </message>
    <message>
        <source>Move the cross-hair (and a gate being moved) 5 pixels</source>
        <translation>Déplacer le réticule (et la porte en cours de déplacement) de 5 pixels</translation>
    </message>
    <message>
        <source>Move the cross-hair (and a gate being moved) 1 pixel</source>
        <translation>Déplacer le réticule (et la porte en cours de déplacement) d&apos;1 pixel</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
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
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
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
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Step Back</source>
        <translation>Étape précédente</translation>
    </message>
    <message>
        <source>Step Forward</source>
        <translation>Étape suivante</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Exécuter</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Chronogramme</translation>
    </message>
    <message>
        <source>Truth Table</source>
        <translation>Table de vérité</translation>
    </message>
    <message>
        <source>Colour Wires</source>
        <translation>Colorer les fils</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Show Problems</source>
        <translation>Afficher les problèmes</translation>
    </message>
    <message>
        <source>Cancel the link being drawn or the gate being moved</source>
        <translation>Annuler la connexion ou le déplacement en cours</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Ouvrir...</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>Open Example...</source>
        <translation>Ouvrir un exemple...</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>Premiers pas</translation>
    </message>
    <message>
        <source>Export Picture...</source>
        <translation>Exporter l&apos;image...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copier l&apos;image</translation>
    </message>
    <message>
        <source>New From Expression...</source>
        <translation>Nouveau depuis une expression...</translation>
    </message>
</context>
<context>
    <name>PictureActions</name>
    <message>
        <source>Copy as Picture</source>
        <translation>Copier comme image</translation>
    </message>
    <message>
        <source>Save Picture...</source>
        <translation>Enregistrer l&apos;image...</translation>
    </message>
</context>
<context>
    <name>Repeats</name>
    <message>
        <source>repeats every %1 steps from step %2</source>
        <translation>se répète toutes les %1 étapes à partir de l&apos;étape %2</translation>
    </message>
    <message>
        <source>settled at step %1</source>
        <translation>stable à partir de l&apos;étape %1</translation>
    </message>
    <message numerus="yes">
        <source>no repeat within %n step(s)</source>
        <translation>
            <numerusform>aucune répétition en %n étape</numerusform>
            <numerusform>aucune répétition en %n étapes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>settles after %n step(s)</source>
        <translation>
            <numerusform>se stabilise après %n étape</numerusform>
            <numerusform>se stabilise après %n étapes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Riddles</name>
    <message>
        <source>Riddle</source>
        <translation>Devinette</translation>
    </message>
    <message>
        <source>What goes around and around all day long, but always straight ahead</source>
        <translation>Qu&apos;est-ce qui tourne en rond toute la journée, mais va toujours tout droit&#xa0;?</translation>
    </message>
    <message>
        <source>Joke</source>
        <translation>Blague</translation>
    </message>
    <message>
        <source>How do you tell when a lawyer is lieing?  His lips are moving.</source>
        <translation>Comment savoir quand un avocat ment&#xa0;?  Ses lèvres bougent.</translation>
    </message>
    <message>
        <source>Why was the AND gate never invited to parties?  It only said yes when everyone else did.</source>
        <translation>Pourquoi la porte AND n&apos;était-elle jamais invitée aux fêtes&#xa0;?  Elle ne disait oui que si tous les autres disaient oui.</translation>
    </message>
    <message>
        <source>More of me is hidden then is seen. I am light than what I am made of</source>
        <translation>On cache plus de moi qu&apos;on n&apos;en voit. Je suis plus léger que ce dont je suis fait.</translation>
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
        <translation>sortie %1</translation>
    </message>
    <message>
        <source>inputs from %1</source>
        <translation>entrées venant de %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>input from %1</source>
        <translation>entrée venant de %1</translation>
    </message>
    <message>
        <source>drives %1</source>
        <translation>commande %1</translation>
    </message>
    <message>
        <source>%1 gate %2</source>
        <translation>porte %1 %2</translation>
    </message>
    <message>
        <source>input %1</source>
        <translation>entrée %1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>bend in the link from %1 to %2</source>
        <translation>coude dans la connexion de %1 à %2</translation>
    </message>
    <message>
        <source>1 gate</source>
        <translation>1 porte</translation>
    </message>
    <message>
        <source>%1 gates</source>
        <translation>%1 portes</translation>
    </message>
    <message>
        <source>1 input</source>
        <translation>1 entrée</translation>
    </message>
    <message>
        <source>%1 inputs</source>
        <translation>%1 entrées</translation>
    </message>
    <message>
        <source>1 output</source>
        <translation>1 sortie</translation>
    </message>
    <message>
        <source>%1 outputs</source>
        <translation>%1 sorties</translation>
    </message>
    <message>
        <source>circuit: %1, %2, %3, not powered</source>
        <translation>circuit&#xa0;: %1, %2, %3, éteint</translation>
    </message>
    <message>
        <source>circuit: %1, %2, %3, powered, step %4</source>
        <translation>circuit&#xa0;: %1, %2, %3, allumé, étape %4</translation>
    </message>
</context>
<context>
    <name>TimelineWindow</name>
    <message numerus="yes">
        <source>%n step(s)/s</source>
        <translation>
            <numerusform>%n étape/s</numerusform>
            <numerusform>%n étapes/s</numerusform>
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
        <translation>%1&#xa0;: l&apos;entrée %2 n&apos;est pas reliée</translation>
    </message>
    <message>
        <source>%1 input %2 is linked more than once</source>
        <translation>%1&#xa0;: l&apos;entrée %2 est reliée plus d&apos;une fois</translation>
    </message>
    <message>
        <source>%1 drives nothing</source>
        <translation>%1 ne commande rien</translation>
    </message>
    <message>
        <source>%1 has orientation %2, outside 0..3</source>
        <translation>%1 a l&apos;orientation %2, hors de 0..3</translation>
    </message>
    <message>
        <source>link %1 starts at empty slot %2</source>
        <translation>la connexion %1 part de la case vide %2</translation>
    </message>
    <message>
        <source>link %1 ends at empty slot %2</source>
        <translation>la connexion %1 arrive à la case vide %2</translation>
    </message>
    <message>
        <source>link %1 is marked as starting at a node, but slot %2 holds %3</source>
        <translation>la connexion %1 est marquée comme partant d&apos;un nœud, mais la case %2 contient %3</translation>
    </message>
    <message>
        <source>link %1 is marked as ending at a node, but slot %2 holds %3</source>
        <translation>la connexion %1 est marquée comme arrivant à un nœud, mais la case %2 contient %3</translation>
    </message>
    <message>
        <source>%1: its %2 is not linked</source>
        <translation>%1&#xa0;: son %2 n&apos;est pas reliée</translation>
    </message>
    <message>
        <source>%1: its %2 is linked more than once</source>
        <translation>%1&#xa0;: son %2 est reliée plus d&apos;une fois</translation>
    </message>
    <message>
        <source>%1: its output drives nothing</source>
        <translation>%1&#xa0;: sa sortie ne commande rien</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>input</source>
        <translation>entrée</translation>
    </message>
    <message>
        <source>left input</source>
        <translation>entrée de gauche</translation>
    </message>
    <message>
        <source>upper input</source>
        <translation>entrée du haut</translation>
    </message>
    <message>
        <source>right input</source>
        <translation>entrée de droite</translation>
    </message>
    <message>
        <source>lower input</source>
        <translation>entrée du bas</translation>
    </message>
</context>
<context>
    <name>tessara::app::AboutWindow</name>
    <message>
        <source>About MyApp</source>
        <translation>À propos de MyApp</translation>
    </message>
    <message>
        <source>Version: 1.0</source>
        <translation>Version&#xa0;: 1.0</translation>
    </message>
    <message>
        <source>This program is meant for learning about logic.   </source>
        <translation>Ce programme sert à apprendre la logique.</translation>
    </message>
    <message>
        <source>Gate pictures drawn by Tessara</source>
        <translation>Images des portes dessinées par Tessara</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tessara::app::BuildDialog</name>
    <message>
        <source>New From Expression</source>
        <translation>Nouveau depuis une expression</translation>
    </message>
    <message>
        <source>Build Circuit</source>
        <translation>Construire le circuit</translation>
    </message>
    <message>
        <source>A circuit of each output&apos;s minimal sum of products, opened as a new circuit.</source>
        <translation>Un circuit de la somme de produits minimale de chaque sortie, ouvert comme nouveau circuit.</translation>
    </message>
    <message>
        <source>Any gates</source>
        <translation>Toutes les portes</translation>
    </message>
    <message>
        <source>NAND only</source>
        <translation>NAND seulement</translation>
    </message>
    <message>
        <source>NOR only</source>
        <translation>NOR seulement</translation>
    </message>
    <message>
        <source>Gates:</source>
        <translation>Portes&#xa0;:</translation>
    </message>
    <message>
        <source>Building...</source>
        <translation>Construction...</translation>
    </message>
</context>
<context>
    <name>tessara::app::CanvasPanel</name>
    <message>
        <source>Inputs</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Untitled circuit</source>
        <translation>Circuit sans titre</translation>
    </message>
    <message>
        <source>Choose a gate on the left, then click here</source>
        <translation>Choisissez une porte à gauche, puis cliquez ici</translation>
    </message>
</context>
<context>
    <name>tessara::app::ElementPools</name>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>trash can</source>
        <translation>corbeille</translation>
    </message>
    <message>
        <source>Deletes the gate or bend focused on the canvas</source>
        <translation>Supprime la porte ou le coude qui a le focus sur le plan de travail</translation>
    </message>
    <message>
        <source>Trash can: drop a gate here to delete it</source>
        <translation>Corbeille : déposez ici une porte pour la supprimer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suppr</translation>
    </message>
</context>
<context>
    <name>tessara::app::ExpressionsView</name>
    <message>
        <source>Working out the expressions...</source>
        <translation>Calcul des expressions...</translation>
    </message>
</context>
<context>
    <name>tessara::app::GettingStarted</name>
    <message>
        <source>Tessara - Getting Started</source>
        <translation>Tessara - Premiers pas</translation>
    </message>
</context>
<context>
    <name>tessara::app::KarnaughPanel</name>
    <message>
        <source>A Karnaugh map needs 2 to 4 inputs and an output; the circuit has %1 inputs and %2 outputs.</source>
        <translation>Un tableau de Karnaugh demande 2 à 4 entrées et une sortie&#xa0;; le circuit a %1 entrées et %2 sorties.</translation>
    </message>
</context>
<context>
    <name>tessara::app::KeyboardHelp</name>
    <message>
        <source>Tessara - Keyboard</source>
        <translation>Tessara - Clavier</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>Ce qu&apos;elles font</translation>
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
        <translation>Alimentation : allume ou éteint le circuit (Tab jusqu&apos;ici, puis Espace)</translation>
    </message>
    <message>
        <source>prop: advance every signal one step</source>
        <translation>prop&#xa0;: avancer chaque signal d&apos;une étape</translation>
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
        <translation>chronogramme</translation>
    </message>
    <message>
        <source>step %1: %2</source>
        <translation>étape %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>tessara::app::TimelineWindow</name>
    <message>
        <source>Tessara - Timeline</source>
        <translation>Tessara - Chronogramme</translation>
    </message>
    <message>
        <source>Step Back</source>
        <translation>Étape précédente</translation>
    </message>
    <message>
        <source>Step Forward</source>
        <translation>Étape suivante</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Exécuter</translation>
    </message>
    <message>
        <source>Save Picture...</source>
        <translation>Enregistrer l&apos;image...</translation>
    </message>
    <message>
        <source>Save Values...</source>
        <translation>Enregistrer les valeurs...</translation>
    </message>
    <message>
        <source>No run</source>
        <translation>Aucune exécution</translation>
    </message>
    <message>
        <source>Power up to record a run.</source>
        <translation>Allumez le circuit pour enregistrer une exécution.</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Étape %1 sur %2</translation>
    </message>
    <message>
        <source>steps 0 to %1 dropped: the timeline keeps the last %2 steps</source>
        <translation>étapes 0 à %1 abandonnées&#xa0;: le chronogramme garde les %2 dernières étapes</translation>
    </message>
    <message>
        <source>; </source>
        <translation>&#xa0;; </translation>
    </message>
    <message>
        <source>Rows of the sequence</source>
        <translation>Lignes de la séquence</translation>
    </message>
    <message>
        <source>Play Sequence</source>
        <translation>Jouer la séquence</translation>
    </message>
</context>
<context>
    <name>tessara::app::TruthTableWindow</name>
    <message>
        <source>Run</source>
        <translation>Déroulement</translation>
    </message>
    <message>
        <source>Tessara - Truth Table</source>
        <translation>Tessara - Table de vérité</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>The circuit has %1 inputs; a truth table takes at most %2.</source>
        <translation>Le circuit a %1 entrées&#xa0;; une table de vérité en accepte au plus %2.</translation>
    </message>
    <message>
        <source>The circuit has no inputs and no outputs.</source>
        <translation>Le circuit n&apos;a ni entrées ni sorties.</translation>
    </message>
    <message>
        <source>The circuit has no inputs.</source>
        <translation>Le circuit n&apos;a pas d&apos;entrées.</translation>
    </message>
    <message>
        <source>The circuit has no outputs.</source>
        <translation>Le circuit n&apos;a pas de sorties.</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Attendu</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Karnaugh Map</source>
        <translation>Tableau de Karnaugh</translation>
    </message>
    <message>
        <source>Compare With...</source>
        <translation>Comparer avec...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>row %1 of %2</source>
        <translation>ligne %1 sur %2</translation>
    </message>
    <message>
        <source>Build Circuit...</source>
        <translation>Construire le circuit...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stopped. An edit, or the window opened again, computes the table anew.</source>
        <translation>Arrêté. Une modification, ou la fenêtre rouverte, recalcule la table.</translation>
    </message>
</context>
<context>
    <name>tessara::app::WhyWindow</name>
    <message>
        <source>Tessara - Why</source>
        <translation>Tessara - Pourquoi</translation>
    </message>
    <message>
        <source>While powered, click a gate&apos;s value (0 or 1) to ask why it holds it.</source>
        <translation>Circuit allumé, cliquez sur la valeur d&apos;une porte (0 ou 1) pour demander pourquoi elle la prend.</translation>
    </message>
</context>
</TS>
