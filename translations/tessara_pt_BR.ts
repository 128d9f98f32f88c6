<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Build</name>
    <message>
        <source>the circuit built does not compute what was asked; this is a fault of Tessara</source>
        <translation>o circuito construído não calcula o que foi pedido; isto é uma falha do Tessara</translation>
    </message>
    <message>
        <source>a table of more than %1 inputs cannot be built</source>
        <translation>não é possível construir uma tabela com mais de %1 entradas</translation>
    </message>
    <message>
        <source>O%1 does not settle in every row, so no circuit computes it</source>
        <translation>O%1 não se estabiliza em todas as linhas, então nenhum circuito a calcula</translation>
    </message>
    <message>
        <source>the end of the line</source>
        <translation>o fim da linha</translation>
    </message>
    <message>
        <source>expected =, found %1</source>
        <translation>esperado =, encontrado %1</translation>
    </message>
    <message>
        <source>expected an operator, found %1</source>
        <translation>esperado um operador, encontrado %1</translation>
    </message>
    <message>
        <source>a circuit holds no %1</source>
        <translation>um circuito não tem %1</translation>
    </message>
    <message>
        <source>%1 does not chain: put parentheses around one side</source>
        <translation>%1 não se encadeia: coloque parênteses em um dos lados</translation>
    </message>
    <message>
        <source>expected ), found %1</source>
        <translation>esperado ), encontrado %1</translation>
    </message>
    <message>
        <source>expected an input name or (, found %1</source>
        <translation>esperado um nome de entrada ou (, encontrado %1</translation>
    </message>
    <message>
        <source>%1 is a gate&apos;s name; only inputs can be built from</source>
        <translation>%1 é o nome de uma porta; só se constrói a partir de entradas</translation>
    </message>
    <message>
        <source>O%1 is given twice</source>
        <translation>O%1 aparece duas vezes</translation>
    </message>
    <message>
        <source>column %1: %2</source>
        <translation>coluna %1: %2</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>linha %1, coluna %2: %3</translation>
    </message>
    <message>
        <source>no expression to build</source>
        <translation>nenhuma expressão para construir</translation>
    </message>
    <message>
        <source>O%1 has no expression</source>
        <translation>O%1 não tem expressão</translation>
    </message>
    <message>
        <source>this circuit needs %1 columns of gates; the canvas holds %2</source>
        <translation>este circuito precisa de %1 colunas de portas; a área de desenho comporta %2</translation>
    </message>
    <message>
        <source>this circuit needs %1 places in one column; the canvas holds %2</source>
        <translation>este circuito precisa de %1 posições em uma coluna; a área de desenho comporta %2</translation>
    </message>
    <message>
        <source>this circuit&apos;s links find no way between its gates</source>
        <translation>as conexões deste circuito não encontram caminho entre suas portas</translation>
    </message>
    <message>
        <source>this circuit needs %1 links; a circuit holds %2</source>
        <translation>este circuito precisa de %1 conexões; um circuito comporta %2</translation>
    </message>
    <message>
        <source>this circuit needs %1 places; a circuit holds %2</source>
        <translation>este circuito precisa de %1 posições; um circuito comporta %2</translation>
    </message>
    <message>
        <source>more than %1 parentheses and negations in one line</source>
        <translation>mais de %1 parênteses e negações em uma linha</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>Checked against %1</source>
        <translation>Comparado com %1</translation>
    </message>
    <message>
        <source>✓</source>
        <translation>✓</translation>
    </message>
    <message>
        <source>expected %1</source>
        <translation>esperado %1</translation>
    </message>
    <message>
        <source>All %1 rows match</source>
        <translation>As %1 linhas conferem</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 rows differ</source>
        <translation>
            <numerusform>%n de %1 linhas difere</numerusform>
            <numerusform>%n de %1 linhas diferem</numerusform>
        </translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparar com</translation>
    </message>
    <message>
        <source>Checked in the Timeline: this answer is a sequence</source>
        <translation>Verificado na linha do tempo: esta resposta é uma sequência</translation>
    </message>
    <message>
        <source>Row %1 (step %2): expected %3, got %4</source>
        <translation>Linha %1 (passo %2): esperado %3, obtido %4</translation>
    </message>
    <message>
        <source>Row %1 (step %2): matches</source>
        <translation>Linha %1 (passo %2): confere</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>power up</source>
        <translation>ligar</translation>
    </message>
    <message>
        <source>Save changes to the circuit?</source>
        <translation>Salvar as alterações no circuito?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Error: You must start with an output<byte value="xd"/>
</source>
        <translation>Erro: você deve começar em uma saída<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Error: You must finish with an input<byte value="xd"/>
</source>
        <translation>Erro: você deve terminar em uma entrada<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Error: Click on the gates</source>
        <translation>Erro: clique nas portas</translation>
    </message>
    <message>
        <source>Error: The circuit has no room for another gate</source>
        <translation>Erro: o circuito não tem espaço para outra porta</translation>
    </message>
    <message>
        <source>Error: The circuit has no room for another link</source>
        <translation>Erro: o circuito não tem espaço para outra conexão</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;:
%2</source>
        <translation>Não é possível abrir “%1”:
%2</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;:
%2</source>
        <translation>Não é possível salvar “%1”:
%2</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Ligar</translation>
    </message>
    <message>
        <source>Power Down</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>Expected answers</source>
        <translation>Respostas esperadas</translation>
    </message>
    <message>
        <source>Circuits</source>
        <translation>Circuitos</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>Imagem PNG</translation>
    </message>
    <message>
        <source>SVG picture</source>
        <translation>Imagem SVG</translation>
    </message>
    <message>
        <source>Comma-separated values</source>
        <translation>Valores separados por vírgula</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 já existe. Substituir?</translation>
    </message>
    <message>
        <source>Replace File</source>
        <translation>Substituir arquivo</translation>
    </message>
    <message>
        <source>Tessara closed without saving. Recover the circuit from %1?</source>
        <translation>O Tessara foi fechado sem salvar. Recuperar o circuito de %1?</translation>
    </message>
    <message>
        <source>Recover Circuit</source>
        <translation>Recuperar circuito</translation>
    </message>
    <message>
        <source>PNG picture, twice the size</source>
        <translation>Imagem PNG, tamanho duplo</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Documento PDF</translation>
    </message>
    <message numerus="yes">
        <source>Discard the recovered circuit for good? It holds %n gate(s).</source>
        <translation>
            <numerusform>Descartar de vez o circuito recuperado? Ele contém %n porta.</numerusform>
            <numerusform>Descartar de vez o circuito recuperado? Ele contém %n portas.</numerusform>
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
        <translation>conexão</translation>
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
        <translation>saída</translation>
    </message>
    <message>
        <source>Select and move</source>
        <translation>Selecionar e mover</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Conexão</translation>
    </message>
    <message>
        <source>AND gate</source>
        <translation>Porta AND</translation>
    </message>
    <message>
        <source>NAND gate</source>
        <translation>Porta NAND</translation>
    </message>
    <message>
        <source>OR gate</source>
        <translation>Porta OR</translation>
    </message>
    <message>
        <source>NOR gate</source>
        <translation>Porta NOR</translation>
    </message>
    <message>
        <source>NOT gate</source>
        <translation>Porta NOT</translation>
    </message>
    <message>
        <source>XOR gate</source>
        <translation>Porta XOR</translation>
    </message>
    <message>
        <source>Circuit input</source>
        <translation>Entrada do circuito</translation>
    </message>
    <message>
        <source>Circuit output</source>
        <translation>Saída do circuito</translation>
    </message>
</context>
<context>
    <name>Explanation</name>
    <message>
        <source>%1 = %2 at step %3</source>
        <translation>%1 = %2 no passo %3</translation>
    </message>
    <message>
        <source>step %1: %2 = %3 at power-up</source>
        <translation>passo %1: %2 = %3 ao ligar</translation>
    </message>
    <message>
        <source>step %1: %2 = %3 at the first kept step</source>
        <translation>passo %1: %2 = %3 no primeiro passo guardado</translation>
    </message>
    <message>
        <source>step %1: %2 became %3: toggled</source>
        <translation>passo %1: %2 passou a %3: foi alternado</translation>
    </message>
    <message>
        <source>step %1: %2 became %3: %4</source>
        <translation>passo %1: %2 passou a %3: %4</translation>
    </message>
    <message>
        <source>input %1 = %2 from %3 at step %4</source>
        <translation>entrada %1 = %2 vinda de %3 no passo %4</translation>
    </message>
    <message>
        <source>input %1 = %2, not linked</source>
        <translation>entrada %1 = %2, não conectada</translation>
    </message>
    <message>
        <source>input %1 = %2 from a bend with no gate before it</source>
        <translation>entrada %1 = %2 vinda de uma dobra sem porta antes dela</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>... %1 more</source>
        <translation>... mais %1</translation>
    </message>
    <message>
        <source>%1 = %2 from %3 at step %4</source>
        <translation>%1 = %2 vinda de %3 no passo %4</translation>
    </message>
    <message>
        <source>%1 = %2, not linked</source>
        <translation>%1 = %2, não conectada</translation>
    </message>
    <message>
        <source>%1 = %2 from a bend with no gate before it</source>
        <translation>%1 = %2 vinda de uma dobra sem porta antes dela</translation>
    </message>
</context>
<context>
    <name>Expressions</name>
    <message>
        <source>%1 = formula too long to write (over %2 characters)</source>
        <translation>%1 = fórmula longa demais para escrever (mais de %2 caracteres)</translation>
    </message>
    <message>
        <source>%1  (feedback through %2)</source>
        <translation>%1  (realimentação por %2)</translation>
    </message>
    <message>
        <source>%1 minimal = minimal form not computed above %2 inputs</source>
        <translation>%1 mínima = a forma mínima não é calculada acima de %2 entradas</translation>
    </message>
    <message>
        <source>%1 minimal = not a function: %1 oscillates</source>
        <translation>%1 mínima = não é uma função: %1 oscila</translation>
    </message>
    <message>
        <source>%1 minimal = not a function: %1 oscillates in rows %2</source>
        <translation>%1 mínima = não é uma função: %1 oscila nas linhas %2</translation>
    </message>
    <message>
        <source>%1 minimal = %2</source>
        <translation>%1 mínima = %2</translation>
    </message>
    <message>
        <source>%1  (smallest found, not proved minimal)</source>
        <translation>%1  (a menor encontrada, não provada mínima)</translation>
    </message>
    <message>
        <source>%1  (%2 feeds back)</source>
        <translation>%1  (%2 é realimentada)</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>cannot write the file</source>
        <translation>não é possível gravar o arquivo</translation>
    </message>
    <message>
        <source>not a Tessara circuit file</source>
        <translation>não é um arquivo de circuito do Tessara</translation>
    </message>
    <message>
        <source>cannot read: %1</source>
        <translation>não é possível ler: %1</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>não é possível abrir: %1</translation>
    </message>
    <message>
        <source>cannot open: not a regular file</source>
        <translation>não é possível abrir: não é um arquivo comum</translation>
    </message>
    <message>
        <source>%1 (nor a table: a table starts with a header like &apos;I1 I2 | O1&apos;)</source>
        <translation>%1 (nem uma tabela: uma tabela começa com um cabeçalho como &apos;I1 I2 | O1&apos;)</translation>
    </message>
    <message>
        <source>cannot replace: %1</source>
        <translation>não é possível substituir: %1</translation>
    </message>
    <message>
        <source>cannot replace: not a regular file</source>
        <translation>não é possível substituir: não é um arquivo comum</translation>
    </message>
    <message>
        <source>cannot create: %1</source>
        <translation>não é possível criar: %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>não é possível gravar: %1</translation>
    </message>
    <message>
        <source>no table: the text holds no header line</source>
        <translation>nenhuma tabela: o texto não tem linha de cabeçalho</translation>
    </message>
    <message>
        <source>expected a header like &apos;I1 I2 | O1&apos;</source>
        <translation>era esperado um cabeçalho como &apos;I1 I2 | O1&apos;</translation>
    </message>
    <message>
        <source>more than %1 inputs</source>
        <translation>mais de %1 entradas</translation>
    </message>
    <message>
        <source>a row needs a &apos;|&apos; between inputs and outputs</source>
        <translation>uma linha precisa de um &apos;|&apos; entre entradas e saídas</translation>
    </message>
    <message>
        <source>expected %1 input values (0 or 1) and %2 output values (0, 1, ~ or X)</source>
        <translation>eram esperados %1 valores de entrada (0 ou 1) e %2 valores de saída (0, 1, ~ ou X)</translation>
    </message>
    <message>
        <source>a second row for inputs %1 (the first is on line %2)</source>
        <translation>uma segunda linha para as entradas %1 (a primeira está na linha %2)</translation>
    </message>
    <message>
        <source>no row for inputs %1; rows may be left out only under the line &quot;%2&quot;</source>
        <translation>nenhuma linha para as entradas %1; só podem faltar linhas abaixo da linha &quot;%2&quot;</translation>
    </message>
    <message>
        <source>the file ends early</source>
        <translation>o arquivo termina antes do esperado</translation>
    </message>
    <message>
        <source>a quoted field has no closing quote</source>
        <translation>falta a aspa de fechamento de um campo entre aspas</translation>
    </message>
    <message>
        <source>unexpected text after the quoted field %1</source>
        <translation>texto inesperado depois do campo entre aspas %1</translation>
    </message>
    <message>
        <source>expected #TRUE# or #FALSE#, found %1</source>
        <translation>era esperado #TRUE# ou #FALSE#, encontrado %1</translation>
    </message>
    <message>
        <source>expected a number, found %1</source>
        <translation>era esperado um número, encontrado %1</translation>
    </message>
    <message>
        <source>the number %1 is out of range</source>
        <translation>o número %1 está fora do intervalo</translation>
    </message>
    <message>
        <source>expected a whole number, found %1</source>
        <translation>era esperado um número inteiro, encontrado %1</translation>
    </message>
    <message>
        <source>the number %1 does not fit an Integer (%2 to %3)</source>
        <translation>o número %1 não cabe em um Integer (de %2 a %3)</translation>
    </message>
    <message>
        <source>the number %1 does not fit a Long (%2 to %3)</source>
        <translation>o número %1 não cabe em um Long (de %2 a %3)</translation>
    </message>
    <message>
        <source>the number %1 does not fit a Single</source>
        <translation>o número %1 não cabe em um Single</translation>
    </message>
    <message>
        <source>%1 %2 is outside 0 to %3</source>
        <translation>%1 %2 não está entre 0 e %3</translation>
    </message>
    <message>
        <source>%1 inputs; a truth table takes at most %2</source>
        <translation>%1 entradas; uma tabela-verdade aceita no máximo %2</translation>
    </message>
    <message>
        <source>expected %1 input cell, found %2</source>
        <translation>esperada %1 célula de entrada, encontradas %2</translation>
    </message>
    <message>
        <source>expected %1 input cells, found %2</source>
        <translation>esperadas %1 células de entrada, encontradas %2</translation>
    </message>
    <message>
        <source>expected %1 output cell, found %2</source>
        <translation>esperada %1 célula de saída, encontradas %2</translation>
    </message>
    <message>
        <source>expected %1 output cells, found %2</source>
        <translation>esperadas %1 células de saída, encontradas %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no input cell (0, 1 or C)</source>
        <translation>“%1” não é uma célula de entrada (0, 1 ou C)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no output cell (0, 1, ~ or X)</source>
        <translation>“%1” não é uma célula de saída (0, 1, ~ ou X)</translation>
    </message>
    <message>
        <source>a sequence starts with the word &apos;sequence&apos;</source>
        <translation>uma sequência começa com a palavra “sequence”</translation>
    </message>
    <message>
        <source>no rows: a sequence needs a row after its header</source>
        <translation>sem linhas: uma sequência precisa de uma linha após o cabeçalho</translation>
    </message>
    <message>
        <source>the name ends in no picture suffix (.png, .svg or .pdf)</source>
        <translation>o nome não termina com uma extensão de imagem (.png, .svg ou .pdf)</translation>
    </message>
</context>
<context>
    <name>GettingStarted</name>
    <message>
        <source>&lt;b&gt;Place.&lt;/b&gt; Choose a gate on the left (its name and key show when the pointer rests on it), then click the canvas. Circuit inputs go to the column on the left, outputs to the right.</source>
        <translation>&lt;b&gt;Colocar.&lt;/b&gt; Escolha uma porta à esquerda (o nome e a tecla aparecem quando o ponteiro para sobre ela) e clique na tela. As entradas do circuito vão para a coluna da esquerda; as saídas, para a da direita.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Link.&lt;/b&gt; Choose the link tool, press a gate&apos;s output half, then another gate&apos;s input half. Press the canvas on the way to bend the link.</source>
        <translation>&lt;b&gt;Conectar.&lt;/b&gt; Escolha a ferramenta de conexão, pressione a metade de saída de uma porta e depois a metade de entrada de outra. Pressione a tela no caminho para dobrar a conexão.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Power.&lt;/b&gt; Press Power up: every gate shows its value, 0 or 1, beside it. The values stay through Power down and up.</source>
        <translation>&lt;b&gt;Ligar.&lt;/b&gt; Pressione “ligar”: cada porta mostra seu valor, 0 ou 1, ao lado. Os valores permanecem ao desligar e ligar de novo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Toggle.&lt;/b&gt; Click a circuit input to switch it between 0 and 1.</source>
        <translation>&lt;b&gt;Alternar.&lt;/b&gt; Clique em uma entrada do circuito para alterná-la entre 0 e 1.</translation>
    </message>
    <message>
        <source>&lt;b&gt;prop.&lt;/b&gt; Press prop (or P) to move every signal one step on; each gate adds one step.</source>
        <translation>&lt;b&gt;prop.&lt;/b&gt; Pressione prop (ou P) para avançar cada sinal um passo; cada porta acrescenta um passo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ask why.&lt;/b&gt; While powered, click the 0 or 1 beside a gate: the Why window says why it shows that value.</source>
        <translation>&lt;b&gt;Perguntar por quê.&lt;/b&gt; Com o circuito ligado, clique no 0 ou 1 ao lado de uma porta: a janela Por quê explica por que ela mostra esse valor.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Check.&lt;/b&gt; Options &gt; Truth Table lists every combination of inputs; Compare With... checks each row against an answer from your teacher. File &gt; Open Example... opens circuits to try.</source>
        <translation>&lt;b&gt;Conferir.&lt;/b&gt; Opções &gt; Tabela-verdade lista cada combinação de entradas; Comparar com... confere cada linha com uma resposta do seu professor. Arquivo &gt; Abrir exemplo... abre circuitos para experimentar.</translation>
    </message>
</context>
<context>
    <name>Grading</name>
    <message>
        <source>expected %1 inputs and %2 outputs, found %3 inputs and %4 outputs</source>
        <translation>esperadas %1 entradas e %2 saídas, encontradas %3 entradas e %4 saídas</translation>
    </message>
</context>
<context>
    <name>Keyboard</name>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Shift+Tab</translation>
    </message>
    <message>
        <source>Move between the palette, the canvas, the trash can, Power and prop</source>
        <translation>Alternar entre a paleta, a área de desenho, a lixeira, o botão de ligar e prop</translation>
    </message>
    <message>
        <source>Arrows on the palette</source>
        <translation>Setas na paleta</translation>
    </message>
    <message>
        <source>Choose the tool in that direction</source>
        <translation>Escolher a ferramenta nessa direção</translation>
    </message>
    <message>
        <source>Arrows</source>
        <translation>Setas</translation>
    </message>
    <message>
        <source>Shift+Arrows</source>
        <translation>Shift+Setas</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Arrows</source>
        <translation>Ctrl+Shift+Setas</translation>
    </message>
    <message>
        <source>1 to 0</source>
        <translation>1 a 0</translation>
    </message>
    <message>
        <source>Choose the tools in the palette&apos;s order: cross, link, AND, NAND, OR, NOR, NOT, XOR, input, output</source>
        <translation>Escolher as ferramentas na ordem da paleta: cruz, conexão, AND, NAND, OR, NOR, NOT, XOR, entrada, saída</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Place the chosen tool&apos;s gate at the cross-hair; while a link is drawn, end it at the focused gate&apos;s first free input; while moving, put the gate down</source>
        <translation>Colocar a porta da ferramenta escolhida na mira; ao desenhar uma conexão, terminá-la na primeira entrada livre da porta em foco; ao mover, soltar a porta</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espaço</translation>
    </message>
    <message>
        <source>Toggle the focused input while powered</source>
        <translation>Alternar a entrada em foco com o circuito ligado</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Turn the focused gate a quarter</source>
        <translation>Girar um quarto de volta a porta em foco</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Delete the focused gate with its links, or the link through the focused bend</source>
        <translation>Apagar a porta em foco com suas conexões, ou a conexão que passa pela dobra em foco</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Move the focused gate or bend: arrows carry it, Enter puts it down</source>
        <translation>Mover a porta ou a dobra em foco: as setas a levam, Enter a solta</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>Start a link at the focused gate&apos;s output, with the link tool</source>
        <translation>Começar uma conexão na saída da porta em foco, com a ferramenta de conexão</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Bend the link being drawn at the cross-hair</source>
        <translation>Fazer uma dobra na conexão sendo desenhada, na mira</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>prop: advance every signal one step</source>
        <translation>prop: avançar cada sinal um passo</translation>
    </message>
    <message>
        <source>Enter, Space or Delete on the trash can</source>
        <translation>Enter, Espaço ou Delete na lixeira</translation>
    </message>
    <message>
        <source>Delete the gate or bend focused on the canvas</source>
        <translation>Apagar a porta ou a dobra em foco na área de desenho</translation>
    </message>
    <message>
        <source>Focus the nearest gate or bend in that direction; while a link is drawn, the nearest gate it can end at; while moving, carry the gate 5 pixels</source>
        <translation>Focar a porta ou a dobra mais próxima nessa direção; ao desenhar uma conexão, a porta mais próxima onde ela pode terminar; ao mover, levar a porta 5 pixels</translation>
    </message>
    <message>
        <source>Move the cross-hair (and a gate being moved) 5 pixels</source>
        <translation>Mover a mira (e a porta sendo movida) 5 pixels</translation>
    </message>
    <message>
        <source>Move the cross-hair (and a gate being moved) 1 pixel</source>
        <translation>Mover a mira (e a porta sendo movida) 1 pixel</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
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
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Step Back</source>
        <translation>Voltar um passo</translation>
    </message>
    <message>
        <source>Step Forward</source>
        <translation>Avançar um passo</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Executar</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Linha do tempo</translation>
    </message>
    <message>
        <source>Truth Table</source>
        <translation>Tabela-verdade</translation>
    </message>
    <message>
        <source>Colour Wires</source>
        <translation>Colorir fios</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Show Problems</source>
        <translation>Mostrar problemas</translation>
    </message>
    <message>
        <source>Cancel the link being drawn or the gate being moved</source>
        <translation>Cancelar a conexão ou o movimento em curso</translation>
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
        <translation>Salvar como...</translation>
    </message>
    <message>
        <source>Open Example...</source>
        <translation>Abrir exemplo...</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>Primeiros passos</translation>
    </message>
    <message>
        <source>Export Picture...</source>
        <translation>Exportar imagem...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copiar imagem</translation>
    </message>
    <message>
        <source>New From Expression...</source>
        <translation>Novo a partir de expressão...</translation>
    </message>
</context>
<context>
    <name>PictureActions</name>
    <message>
        <source>Copy as Picture</source>
        <translation>Copiar como imagem</translation>
    </message>
    <message>
        <source>Save Picture...</source>
        <translation>Salvar imagem...</translation>
    </message>
</context>
<context>
    <name>Repeats</name>
    <message>
        <source>repeats every %1 steps from step %2</source>
        <translation>repete-se a cada %1 passos a partir do passo %2</translation>
    </message>
    <message>
        <source>settled at step %1</source>
        <translation>estável a partir do passo %1</translation>
    </message>
    <message numerus="yes">
        <source>no repeat within %n step(s)</source>
        <translation>
            <numerusform>nenhuma repetição em %n passo</numerusform>
            <numerusform>nenhuma repetição em %n passos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>settles after %n step(s)</source>
        <translation>
            <numerusform>estabiliza após %n passo</numerusform>
            <numerusform>estabiliza após %n passos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Riddles</name>
    <message>
        <source>Riddle</source>
        <translation>Charada</translation>
    </message>
    <message>
        <source>What goes around and around all day long, but always straight ahead</source>
        <translation>O que gira e gira o dia todo, mas sempre vai em frente?</translation>
    </message>
    <message>
        <source>Joke</source>
        <translation>Piada</translation>
    </message>
    <message>
        <source>How do you tell when a lawyer is lieing?  His lips are moving.</source>
        <translation>Como saber quando um advogado está mentindo?  Os lábios dele estão se mexendo.</translation>
    </message>
    <message>
        <source>Why was the AND gate never invited to parties?  It only said yes when everyone else did.</source>
        <translation>Por que a porta AND nunca era convidada para festas?  Ela só dizia sim quando todos os outros também diziam.</translation>
    </message>
    <message>
        <source>More of me is hidden then is seen. I am light than what I am made of</source>
        <translation>Há mais de mim escondido do que à vista. Sou mais leve do que aquilo de que sou feito.</translation>
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
        <translation>saída %1</translation>
    </message>
    <message>
        <source>inputs from %1</source>
        <translation>entradas vindas de %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>input from %1</source>
        <translation>entrada vinda de %1</translation>
    </message>
    <message>
        <source>drives %1</source>
        <translation>alimenta %1</translation>
    </message>
    <message>
        <source>%1 gate %2</source>
        <translation>porta %1 %2</translation>
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
        <translation>dobra na conexão de %1 para %2</translation>
    </message>
    <message>
        <source>1 gate</source>
        <translation>1 porta</translation>
    </message>
    <message>
        <source>%1 gates</source>
        <translation>%1 portas</translation>
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
        <translation>1 saída</translation>
    </message>
    <message>
        <source>%1 outputs</source>
        <translation>%1 saídas</translation>
    </message>
    <message>
        <source>circuit: %1, %2, %3, not powered</source>
        <translation>circuito: %1, %2, %3, desligado</translation>
    </message>
    <message>
        <source>circuit: %1, %2, %3, powered, step %4</source>
        <translation>circuito: %1, %2, %3, ligado, passo %4</translation>
    </message>
</context>
<context>
    <name>TimelineWindow</name>
    <message numerus="yes">
        <source>%n step(s)/s</source>
        <translation>
            <numerusform>%n passo/s</numerusform>
            <numerusform>%n passos/s</numerusform>
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
        <translation>%1: a entrada %2 não está conectada</translation>
    </message>
    <message>
        <source>%1 input %2 is linked more than once</source>
        <translation>%1: a entrada %2 está conectada mais de uma vez</translation>
    </message>
    <message>
        <source>%1 drives nothing</source>
        <translation>%1 não alimenta nada</translation>
    </message>
    <message>
        <source>%1 has orientation %2, outside 0..3</source>
        <translation>%1 tem a orientação %2, fora de 0..3</translation>
    </message>
    <message>
        <source>link %1 starts at empty slot %2</source>
        <translation>a conexão %1 começa na posição vazia %2</translation>
    </message>
    <message>
        <source>link %1 ends at empty slot %2</source>
        <translation>a conexão %1 termina na posição vazia %2</translation>
    </message>
    <message>
        <source>link %1 is marked as starting at a node, but slot %2 holds %3</source>
        <translation>a conexão %1 está marcada como começando em um nó, mas a posição %2 contém %3</translation>
    </message>
    <message>
        <source>link %1 is marked as ending at a node, but slot %2 holds %3</source>
        <translation>a conexão %1 está marcada como terminando em um nó, mas a posição %2 contém %3</translation>
    </message>
    <message>
        <source>%1: its %2 is not linked</source>
        <translation>%1: sua %2 não está conectada</translation>
    </message>
    <message>
        <source>%1: its %2 is linked more than once</source>
        <translation>%1: sua %2 está conectada mais de uma vez</translation>
    </message>
    <message>
        <source>%1: its output drives nothing</source>
        <translation>%1: sua saída não alimenta nada</translation>
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
        <translation>entrada esquerda</translation>
    </message>
    <message>
        <source>upper input</source>
        <translation>entrada de cima</translation>
    </message>
    <message>
        <source>right input</source>
        <translation>entrada direita</translation>
    </message>
    <message>
        <source>lower input</source>
        <translation>entrada de baixo</translation>
    </message>
</context>
<context>
    <name>tessara::app::AboutWindow</name>
    <message>
        <source>About MyApp</source>
        <translation>Sobre MyApp</translation>
    </message>
    <message>
        <source>Version: 1.0</source>
        <translation>Versão: 1.0</translation>
    </message>
    <message>
        <source>This program is meant for learning about logic.   </source>
        <translation>Este programa serve para aprender lógica.</translation>
    </message>
    <message>
        <source>Gate pictures drawn by Tessara</source>
        <translation>Portas desenhadas pelo Tessara</translation>
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
        <translation>Novo a partir de expressão</translation>
    </message>
    <message>
        <source>Build Circuit</source>
        <translation>Construir circuito</translation>
    </message>
    <message>
        <source>A circuit of each output&apos;s minimal sum of products, opened as a new circuit.</source>
        <translation>Um circuito com a soma de produtos mínima de cada saída, aberto como um novo circuito.</translation>
    </message>
    <message>
        <source>Any gates</source>
        <translation>Quaisquer portas</translation>
    </message>
    <message>
        <source>NAND only</source>
        <translation>Só NAND</translation>
    </message>
    <message>
        <source>NOR only</source>
        <translation>Só NOR</translation>
    </message>
    <message>
        <source>Gates:</source>
        <translation>Portas:</translation>
    </message>
    <message>
        <source>Building...</source>
        <translation>Construindo...</translation>
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
        <translation>Saída</translation>
    </message>
    <message>
        <source>Untitled circuit</source>
        <translation>Circuito sem nome</translation>
    </message>
    <message>
        <source>Choose a gate on the left, then click here</source>
        <translation>Escolha uma porta à esquerda e clique aqui</translation>
    </message>
</context>
<context>
    <name>tessara::app::ElementPools</name>
    <message>
        <source>Tools</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>trash can</source>
        <translation>lixeira</translation>
    </message>
    <message>
        <source>Deletes the gate or bend focused on the canvas</source>
        <translation>Apaga a porta ou a dobra em foco na área de desenho</translation>
    </message>
    <message>
        <source>Trash can: drop a gate here to delete it</source>
        <translation>Lixeira: solte uma porta aqui para apagá-la</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>tessara::app::ExpressionsView</name>
    <message>
        <source>Working out the expressions...</source>
        <translation>Calculando as expressões...</translation>
    </message>
</context>
<context>
    <name>tessara::app::GettingStarted</name>
    <message>
        <source>Tessara - Getting Started</source>
        <translation>Tessara - Primeiros passos</translation>
    </message>
</context>
<context>
    <name>tessara::app::KarnaughPanel</name>
    <message>
        <source>A Karnaugh map needs 2 to 4 inputs and an output; the circuit has %1 inputs and %2 outputs.</source>
        <translation>Um mapa de Karnaugh precisa de 2 a 4 entradas e uma saída; o circuito tem %1 entradas e %2 saídas.</translation>
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
        <translation>O que fazem</translation>
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
        <translation>Energia: liga ou desliga o circuito (Tab até aqui, depois Espaço)</translation>
    </message>
    <message>
        <source>prop: advance every signal one step</source>
        <translation>prop: avançar cada sinal um passo</translation>
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
        <translation>linha do tempo</translation>
    </message>
    <message>
        <source>step %1: %2</source>
        <translation>passo %1: %2</translation>
    </message>
</context>
<context>
    <name>tessara::app::TimelineWindow</name>
    <message>
        <source>Tessara - Timeline</source>
        <translation>Tessara - Linha do tempo</translation>
    </message>
    <message>
        <source>Step Back</source>
        <translation>Voltar um passo</translation>
    </message>
    <message>
        <source>Step Forward</source>
        <translation>Avançar um passo</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Executar</translation>
    </message>
    <message>
        <source>Save Picture...</source>
        <translation>Salvar imagem...</translation>
    </message>
    <message>
        <source>Save Values...</source>
        <translation>Salvar valores...</translation>
    </message>
    <message>
        <source>No run</source>
        <translation>Nenhuma execução</translation>
    </message>
    <message>
        <source>Power up to record a run.</source>
        <translation>Ligue o circuito para gravar uma execução.</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Passo %1 de %2</translation>
    </message>
    <message>
        <source>steps 0 to %1 dropped: the timeline keeps the last %2 steps</source>
        <translation>passos 0 a %1 descartados: a linha do tempo guarda os últimos %2 passos</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>Rows of the sequence</source>
        <translation>Linhas da sequência</translation>
    </message>
    <message>
        <source>Play Sequence</source>
        <translation>Reproduzir sequência</translation>
    </message>
</context>
<context>
    <name>tessara::app::TruthTableWindow</name>
    <message>
        <source>Run</source>
        <translation>Execução</translation>
    </message>
    <message>
        <source>Tessara - Truth Table</source>
        <translation>Tessara - Tabela-verdade</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>The circuit has %1 inputs; a truth table takes at most %2.</source>
        <translation>O circuito tem %1 entradas; uma tabela-verdade aceita no máximo %2.</translation>
    </message>
    <message>
        <source>The circuit has no inputs and no outputs.</source>
        <translation>O circuito não tem entradas nem saídas.</translation>
    </message>
    <message>
        <source>The circuit has no inputs.</source>
        <translation>O circuito não tem entradas.</translation>
    </message>
    <message>
        <source>The circuit has no outputs.</source>
        <translation>O circuito não tem saídas.</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Esperado</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabela</translation>
    </message>
    <message>
        <source>Karnaugh Map</source>
        <translation>Mapa de Karnaugh</translation>
    </message>
    <message>
        <source>Compare With...</source>
        <translation>Comparar com...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>row %1 of %2</source>
        <translation>linha %1 de %2</translation>
    </message>
    <message>
        <source>Build Circuit...</source>
        <translation>Construir circuito...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Stopped. An edit, or the window opened again, computes the table anew.</source>
        <translation>Parado. Uma edição, ou a janela aberta de novo, calcula a tabela outra vez.</translation>
    </message>
</context>
<context>
    <name>tessara::app::WhyWindow</name>
    <message>
        <source>Tessara - Why</source>
        <translation>Tessara - Por quê</translation>
    </message>
    <message>
        <source>While powered, click a gate&apos;s value (0 or 1) to ask why it holds it.</source>
        <translation>Com o circuito ligado, clique no valor de uma porta (0 ou 1) para perguntar por que ela o tem.</translation>
    </message>
</context>
</TS>
