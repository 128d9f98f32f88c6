<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Build</name>
    <message>
        <source>the circuit built does not compute what was asked; this is a fault of Tessara</source>
        <translation>构建出的电路算出的结果与要求不符；这是 Tessara 的错误</translation>
    </message>
    <message>
        <source>a table of more than %1 inputs cannot be built</source>
        <translation>无法根据超过 %1 个输入的真值表构建电路</translation>
    </message>
    <message>
        <source>O%1 does not settle in every row, so no circuit computes it</source>
        <translation>O%1 并非在每一行都稳定，因此没有电路能算出它</translation>
    </message>
    <message>
        <source>the end of the line</source>
        <translation>行尾</translation>
    </message>
    <message>
        <source>expected =, found %1</source>
        <translation>应为 =，却是 %1</translation>
    </message>
    <message>
        <source>expected an operator, found %1</source>
        <translation>应为运算符，却是 %1</translation>
    </message>
    <message>
        <source>a circuit holds no %1</source>
        <translation>电路中没有 %1</translation>
    </message>
    <message>
        <source>%1 does not chain: put parentheses around one side</source>
        <translation>%1 不能连写：请给其中一边加上括号</translation>
    </message>
    <message>
        <source>expected ), found %1</source>
        <translation>应为 )，却是 %1</translation>
    </message>
    <message>
        <source>expected an input name or (, found %1</source>
        <translation>应为输入名或 (，却是 %1</translation>
    </message>
    <message>
        <source>%1 is a gate&apos;s name; only inputs can be built from</source>
        <translation>%1 是门的名称；只能由输入构建</translation>
    </message>
    <message>
        <source>O%1 is given twice</source>
        <translation>O%1 给出了两次</translation>
    </message>
    <message>
        <source>column %1: %2</source>
        <translation>第 %1 列：%2</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>第 %1 行第 %2 列：%3</translation>
    </message>
    <message>
        <source>no expression to build</source>
        <translation>没有可构建的表达式</translation>
    </message>
    <message>
        <source>O%1 has no expression</source>
        <translation>O%1 没有表达式</translation>
    </message>
    <message>
        <source>this circuit needs %1 columns of gates; the canvas holds %2</source>
        <translation>此电路需要 %1 列门；画布只能容纳 %2 列</translation>
    </message>
    <message>
        <source>this circuit needs %1 places in one column; the canvas holds %2</source>
        <translation>此电路的一列需要 %1 个位置；画布一列只能容纳 %2 个</translation>
    </message>
    <message>
        <source>this circuit&apos;s links find no way between its gates</source>
        <translation>此电路的连线在门之间找不到通路</translation>
    </message>
    <message>
        <source>this circuit needs %1 links; a circuit holds %2</source>
        <translation>此电路需要 %1 条连线；一个电路最多容纳 %2 条</translation>
    </message>
    <message>
        <source>this circuit needs %1 places; a circuit holds %2</source>
        <translation>此电路需要 %1 个位置；一个电路最多容纳 %2 个</translation>
    </message>
    <message>
        <source>more than %1 parentheses and negations in one line</source>
        <translation>一行中的括号和取反超过 %1 个</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>Checked against %1</source>
        <translation>已与 %1 对照</translation>
    </message>
    <message>
        <source>✓</source>
        <translation>✓</translation>
    </message>
    <message>
        <source>expected %1</source>
        <translation>应为 %1</translation>
    </message>
    <message>
        <source>All %1 rows match</source>
        <translation>全部 %1 行一致</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 rows differ</source>
        <translation>
            <numerusform>%1 行中有 %n 行不同</numerusform>
        </translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>对照</translation>
    </message>
    <message>
        <source>Checked in the Timeline: this answer is a sequence</source>
        <translation>在时间线中检查：此答案是一个序列</translation>
    </message>
    <message>
        <source>Row %1 (step %2): expected %3, got %4</source>
        <translation>第 %1 行（第 %2 步）：应为 %3，得到 %4</translation>
    </message>
    <message>
        <source>Row %1 (step %2): matches</source>
        <translation>第 %1 行（第 %2 步）：一致</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>power up</source>
        <translation>通电</translation>
    </message>
    <message>
        <source>Save changes to the circuit?</source>
        <translation>保存对电路的更改吗？</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Error: You must start with an output<byte value="xd"/>
</source>
        <translation>错误：必须从输出端开始<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Error: You must finish with an input<byte value="xd"/>
</source>
        <translation>错误：必须在输入端结束<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Error: Click on the gates</source>
        <translation>错误：请点击门电路</translation>
    </message>
    <message>
        <source>Error: The circuit has no room for another gate</source>
        <translation>错误：电路中已没有空间再放一个门</translation>
    </message>
    <message>
        <source>Error: The circuit has no room for another link</source>
        <translation>错误：电路中已没有空间再连一条线</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;:
%2</source>
        <translation>无法打开“%1”：
%2</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;:
%2</source>
        <translation>无法保存“%1”：
%2</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>通电</translation>
    </message>
    <message>
        <source>Power Down</source>
        <translation>断电</translation>
    </message>
    <message>
        <source>Expected answers</source>
        <translation>预期答案</translation>
    </message>
    <message>
        <source>Circuits</source>
        <translation>电路</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>PNG 图片</translation>
    </message>
    <message>
        <source>SVG picture</source>
        <translation>SVG 图片</translation>
    </message>
    <message>
        <source>Comma-separated values</source>
        <translation>逗号分隔值</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>所有文件</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 已存在。要替换它吗？</translation>
    </message>
    <message>
        <source>Replace File</source>
        <translation>替换文件</translation>
    </message>
    <message>
        <source>Tessara closed without saving. Recover the circuit from %1?</source>
        <translation>Tessara 未保存就关闭了。要恢复 %1 时的电路吗？</translation>
    </message>
    <message>
        <source>Recover Circuit</source>
        <translation>恢复电路</translation>
    </message>
    <message>
        <source>PNG picture, twice the size</source>
        <translation>PNG 图片（两倍大小）</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF 文档</translation>
    </message>
    <message numerus="yes">
        <source>Discard the recovered circuit for good? It holds %n gate(s).</source>
        <translation>
            <numerusform>永久丢弃恢复的电路吗？它包含 %n 个门。</numerusform>
        </translation>
    </message>
    <message>
        <source>Discard Circuit</source>
        <translation>丢弃电路</translation>
    </message>
</context>
<context>
    <name>ElementPools</name>
    <message>
        <source>cross</source>
        <translation>十字</translation>
    </message>
    <message>
        <source>link</source>
        <translation>连线</translation>
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
        <translation>输入</translation>
    </message>
    <message>
        <source>output</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Select and move</source>
        <translation>选择和移动</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>连线</translation>
    </message>
    <message>
        <source>AND gate</source>
        <translation>AND 门</translation>
    </message>
    <message>
        <source>NAND gate</source>
        <translation>NAND 门</translation>
    </message>
    <message>
        <source>OR gate</source>
        <translation>OR 门</translation>
    </message>
    <message>
        <source>NOR gate</source>
        <translation>NOR 门</translation>
    </message>
    <message>
        <source>NOT gate</source>
        <translation>NOT 门</translation>
    </message>
    <message>
        <source>XOR gate</source>
        <translation>XOR 门</translation>
    </message>
    <message>
        <source>Circuit input</source>
        <translation>电路输入</translation>
    </message>
    <message>
        <source>Circuit output</source>
        <translation>电路输出</translation>
    </message>
</context>
<context>
    <name>Explanation</name>
    <message>
        <source>%1 = %2 at step %3</source>
        <translation>第 %3 步时 %1 = %2</translation>
    </message>
    <message>
        <source>step %1: %2 = %3 at power-up</source>
        <translation>第 %1 步：通电时 %2 = %3</translation>
    </message>
    <message>
        <source>step %1: %2 = %3 at the first kept step</source>
        <translation>第 %1 步：在保留的第一步时 %2 = %3</translation>
    </message>
    <message>
        <source>step %1: %2 became %3: toggled</source>
        <translation>第 %1 步：%2 变为 %3：被切换</translation>
    </message>
    <message>
        <source>step %1: %2 became %3: %4</source>
        <translation>第 %1 步：%2 变为 %3：%4</translation>
    </message>
    <message>
        <source>input %1 = %2 from %3 at step %4</source>
        <translation>输入 %1 = %2，来自第 %4 步的 %3</translation>
    </message>
    <message>
        <source>input %1 = %2, not linked</source>
        <translation>输入 %1 = %2，未连接</translation>
    </message>
    <message>
        <source>input %1 = %2 from a bend with no gate before it</source>
        <translation>输入 %1 = %2，来自前面没有门的折点</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1；%2</translation>
    </message>
    <message>
        <source>... %1 more</source>
        <translation>……还有 %1 条</translation>
    </message>
    <message>
        <source>%1 = %2 from %3 at step %4</source>
        <translation>%1 = %2，来自第 %4 步的 %3</translation>
    </message>
    <message>
        <source>%1 = %2, not linked</source>
        <translation>%1 = %2，未连接</translation>
    </message>
    <message>
        <source>%1 = %2 from a bend with no gate before it</source>
        <translation>%1 = %2，来自前面没有门的折点</translation>
    </message>
</context>
<context>
    <name>Expressions</name>
    <message>
        <source>%1 = formula too long to write (over %2 characters)</source>
        <translation>%1 = 公式太长，无法写出（超过 %2 个字符）</translation>
    </message>
    <message>
        <source>%1  (feedback through %2)</source>
        <translation>%1  （经由 %2 反馈）</translation>
    </message>
    <message>
        <source>%1 minimal = minimal form not computed above %2 inputs</source>
        <translation>%1 最简 = 超过 %2 个输入时不计算最简式</translation>
    </message>
    <message>
        <source>%1 minimal = not a function: %1 oscillates</source>
        <translation>%1 最简 = 不是函数：%1 振荡</translation>
    </message>
    <message>
        <source>%1 minimal = not a function: %1 oscillates in rows %2</source>
        <translation>%1 最简 = 不是函数：%1 在第 %2 行振荡</translation>
    </message>
    <message>
        <source>%1 minimal = %2</source>
        <translation>%1 最简 = %2</translation>
    </message>
    <message>
        <source>%1  (smallest found, not proved minimal)</source>
        <translation>%1  （找到的最小式，未证明最简）</translation>
    </message>
    <message>
        <source>%1  (%2 feeds back)</source>
        <translation>%1  （%2 形成反馈）</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>cannot write the file</source>
        <translation>无法写入文件</translation>
    </message>
    <message>
        <source>not a Tessara circuit file</source>
        <translation>不是 Tessara 电路文件</translation>
    </message>
    <message>
        <source>cannot read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>无法打开：%1</translation>
    </message>
    <message>
        <source>cannot open: not a regular file</source>
        <translation>无法打开：不是普通文件</translation>
    </message>
    <message>
        <source>%1 (nor a table: a table starts with a header like &apos;I1 I2 | O1&apos;)</source>
        <translation>%1（也不是真值表：真值表以 &apos;I1 I2 | O1&apos; 这样的表头开始）</translation>
    </message>
    <message>
        <source>cannot replace: %1</source>
        <translation>无法替换：%1</translation>
    </message>
    <message>
        <source>cannot replace: not a regular file</source>
        <translation>无法替换：不是普通文件</translation>
    </message>
    <message>
        <source>cannot create: %1</source>
        <translation>无法创建：%1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>无法写入：%1</translation>
    </message>
    <message>
        <source>no table: the text holds no header line</source>
        <translation>没有真值表：文本中没有表头行</translation>
    </message>
    <message>
        <source>expected a header like &apos;I1 I2 | O1&apos;</source>
        <translation>应为 &apos;I1 I2 | O1&apos; 这样的表头</translation>
    </message>
    <message>
        <source>more than %1 inputs</source>
        <translation>输入多于 %1 个</translation>
    </message>
    <message>
        <source>a row needs a &apos;|&apos; between inputs and outputs</source>
        <translation>每一行在输入和输出之间需要一个 &apos;|&apos;</translation>
    </message>
    <message>
        <source>expected %1 input values (0 or 1) and %2 output values (0, 1, ~ or X)</source>
        <translation>应有 %1 个输入值（0 或 1）和 %2 个输出值（0、1、~ 或 X）</translation>
    </message>
    <message>
        <source>a second row for inputs %1 (the first is on line %2)</source>
        <translation>输入 %1 出现了第二行（第一行在第 %2 行）</translation>
    </message>
    <message>
        <source>no row for inputs %1; rows may be left out only under the line &quot;%2&quot;</source>
        <translation>没有输入 %1 的行；只有在 &quot;%2&quot; 这一行之下才可以省略行</translation>
    </message>
    <message>
        <source>the file ends early</source>
        <translation>文件提前结束</translation>
    </message>
    <message>
        <source>a quoted field has no closing quote</source>
        <translation>带引号的字段缺少右引号</translation>
    </message>
    <message>
        <source>unexpected text after the quoted field %1</source>
        <translation>带引号的字段 %1 之后有多余的文本</translation>
    </message>
    <message>
        <source>expected #TRUE# or #FALSE#, found %1</source>
        <translation>应为 #TRUE# 或 #FALSE#，实际为 %1</translation>
    </message>
    <message>
        <source>expected a number, found %1</source>
        <translation>应为数字，实际为 %1</translation>
    </message>
    <message>
        <source>the number %1 is out of range</source>
        <translation>数字 %1 超出范围</translation>
    </message>
    <message>
        <source>expected a whole number, found %1</source>
        <translation>应为整数，实际为 %1</translation>
    </message>
    <message>
        <source>the number %1 does not fit an Integer (%2 to %3)</source>
        <translation>数字 %1 超出 Integer 的范围（%2 到 %3）</translation>
    </message>
    <message>
        <source>the number %1 does not fit a Long (%2 to %3)</source>
        <translation>数字 %1 超出 Long 的范围（%2 到 %3）</translation>
    </message>
    <message>
        <source>the number %1 does not fit a Single</source>
        <translation>数字 %1 超出 Single 的范围</translation>
    </message>
    <message>
        <source>%1 %2 is outside 0 to %3</source>
        <translation>%1 %2 不在 0 到 %3 之间</translation>
    </message>
    <message>
        <source>%1 inputs; a truth table takes at most %2</source>
        <translation>%1 个输入；真值表最多只能有 %2 个</translation>
    </message>
    <message>
        <source>expected %1 input cell, found %2</source>
        <translation>应有 %1 个输入单元，找到 %2 个</translation>
    </message>
    <message>
        <source>expected %1 input cells, found %2</source>
        <translation>应有 %1 个输入单元，找到 %2 个</translation>
    </message>
    <message>
        <source>expected %1 output cell, found %2</source>
        <translation>应有 %1 个输出单元，找到 %2 个</translation>
    </message>
    <message>
        <source>expected %1 output cells, found %2</source>
        <translation>应有 %1 个输出单元，找到 %2 个</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no input cell (0, 1 or C)</source>
        <translation>“%1”不是输入单元（0、1 或 C）</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no output cell (0, 1, ~ or X)</source>
        <translation>“%1”不是输出单元（0、1、~ 或 X）</translation>
    </message>
    <message>
        <source>a sequence starts with the word &apos;sequence&apos;</source>
        <translation>序列以单词“sequence”开头</translation>
    </message>
    <message>
        <source>no rows: a sequence needs a row after its header</source>
        <translation>没有行：序列在表头之后至少需要一行</translation>
    </message>
    <message>
        <source>the name ends in no picture suffix (.png, .svg or .pdf)</source>
        <translation>文件名没有图片扩展名（.png、.svg 或 .pdf）</translation>
    </message>
</context>
<context>
    <name>GettingStarted</name>
    <message>
        <source>&lt;b&gt;Place.&lt;/b&gt; Choose a gate on the left (its name and key show when the pointer rests on it), then click the canvas. Circuit inputs go to the column on the left, outputs to the right.</source>
        <translation>&lt;b&gt;放置。&lt;/b&gt;在左边选择一个门（指针停在上面时会显示它的名称和按键），然后点击画布。电路输入放在左边一列，输出放在右边一列。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Link.&lt;/b&gt; Choose the link tool, press a gate&apos;s output half, then another gate&apos;s input half. Press the canvas on the way to bend the link.</source>
        <translation>&lt;b&gt;连线。&lt;/b&gt;选择连线工具，按下一个门的输出半边，再按另一个门的输入半边。途中按画布可以让连线转弯。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Power.&lt;/b&gt; Press Power up: every gate shows its value, 0 or 1, beside it. The values stay through Power down and up.</source>
        <translation>&lt;b&gt;通电。&lt;/b&gt;按“通电”：每个门旁边显示它的值，0 或 1。断电再通电后，这些值保持不变。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Toggle.&lt;/b&gt; Click a circuit input to switch it between 0 and 1.</source>
        <translation>&lt;b&gt;切换。&lt;/b&gt;点击一个电路输入，让它在 0 和 1 之间切换。</translation>
    </message>
    <message>
        <source>&lt;b&gt;prop.&lt;/b&gt; Press prop (or P) to move every signal one step on; each gate adds one step.</source>
        <translation>&lt;b&gt;prop。&lt;/b&gt;按 prop（或 P）让每个信号前进一步；每个门增加一步。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ask why.&lt;/b&gt; While powered, click the 0 or 1 beside a gate: the Why window says why it shows that value.</source>
        <translation>&lt;b&gt;问为什么。&lt;/b&gt;通电时，点击门旁边的 0 或 1：“为什么”窗口会说明它为什么显示这个值。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Check.&lt;/b&gt; Options &gt; Truth Table lists every combination of inputs; Compare With... checks each row against an answer from your teacher. File &gt; Open Example... opens circuits to try.</source>
        <translation>&lt;b&gt;检查。&lt;/b&gt;选项 &gt; 真值表列出输入的每一种组合；“对照...”把每一行与老师给的答案对照。文件 &gt; 打开示例... 打开可以试用的电路。</translation>
    </message>
</context>
<context>
    <name>Grading</name>
    <message>
        <source>expected %1 inputs and %2 outputs, found %3 inputs and %4 outputs</source>
        <translation>应有 %1 个输入和 %2 个输出，实际有 %3 个输入和 %4 个输出</translation>
    </message>
</context>
<context>
    <name>Keyboard</name>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab、Shift+Tab</translation>
    </message>
    <message>
        <source>Move between the palette, the canvas, the trash can, Power and prop</source>
        <translation>在工具栏、画布、垃圾桶、电源按钮和 prop 之间切换</translation>
    </message>
    <message>
        <source>Arrows on the palette</source>
        <translation>在工具栏上按方向键</translation>
    </message>
    <message>
        <source>Choose the tool in that direction</source>
        <translation>选择该方向上的工具</translation>
    </message>
    <message>
        <source>Arrows</source>
        <translation>方向键</translation>
    </message>
    <message>
        <source>Shift+Arrows</source>
        <translation>Shift+方向键</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Arrows</source>
        <translation>Ctrl+Shift+方向键</translation>
    </message>
    <message>
        <source>1 to 0</source>
        <translation>1 到 0</translation>
    </message>
    <message>
        <source>Choose the tools in the palette&apos;s order: cross, link, AND, NAND, OR, NOR, NOT, XOR, input, output</source>
        <translation>按工具栏的顺序选择工具：十字、连线、AND、NAND、OR、NOR、NOT、XOR、输入、输出</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Place the chosen tool&apos;s gate at the cross-hair; while a link is drawn, end it at the focused gate&apos;s first free input; while moving, put the gate down</source>
        <translation>在十字光标处放置所选工具的门；画连线时，把它连到获得焦点的门的第一个空闲输入；移动时，放下门</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>空格</translation>
    </message>
    <message>
        <source>Toggle the focused input while powered</source>
        <translation>通电时切换获得焦点的输入</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Turn the focused gate a quarter</source>
        <translation>把获得焦点的门旋转四分之一圈</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Delete the focused gate with its links, or the link through the focused bend</source>
        <translation>删除获得焦点的门及其连线，或经过获得焦点的折点的连线</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Move the focused gate or bend: arrows carry it, Enter puts it down</source>
        <translation>移动获得焦点的门或折点：方向键移动它，Enter 放下它</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>Start a link at the focused gate&apos;s output, with the link tool</source>
        <translation>用连线工具从获得焦点的门的输出端开始连线</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Bend the link being drawn at the cross-hair</source>
        <translation>在十字光标处给正在画的连线加一个折点</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>prop: advance every signal one step</source>
        <translation>prop：每个信号前进一步</translation>
    </message>
    <message>
        <source>Enter, Space or Delete on the trash can</source>
        <translation>在垃圾桶上按 Enter、空格或 Delete</translation>
    </message>
    <message>
        <source>Delete the gate or bend focused on the canvas</source>
        <translation>删除画布上获得焦点的门或折点</translation>
    </message>
    <message>
        <source>Focus the nearest gate or bend in that direction; while a link is drawn, the nearest gate it can end at; while moving, carry the gate 5 pixels</source>
        <translation>聚焦该方向上最近的门或折点；画连线时，聚焦它可以连接到的最近的门；移动时，把门移动 5 像素</translation>
    </message>
    <message>
        <source>Move the cross-hair (and a gate being moved) 5 pixels</source>
        <translation>把十字光标（以及正在移动的门）移动 5 像素</translation>
    </message>
    <message>
        <source>Move the cross-hair (and a gate being moved) 1 pixel</source>
        <translation>把十字光标（以及正在移动的门）移动 1 像素</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1和%2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Step Back</source>
        <translation>后退一步</translation>
    </message>
    <message>
        <source>Step Forward</source>
        <translation>前进一步</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>运行</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>时序图</translation>
    </message>
    <message>
        <source>Truth Table</source>
        <translation>真值表</translation>
    </message>
    <message>
        <source>Colour Wires</source>
        <translation>彩色导线</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Show Problems</source>
        <translation>显示问题</translation>
    </message>
    <message>
        <source>Cancel the link being drawn or the gate being moved</source>
        <translation>取消正在画的连线或正在移动的门</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>键盘</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>打开...</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>另存为...</translation>
    </message>
    <message>
        <source>Open Example...</source>
        <translation>打开示例...</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>入门</translation>
    </message>
    <message>
        <source>Export Picture...</source>
        <translation>导出图片...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>打印...</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>复制图片</translation>
    </message>
    <message>
        <source>New From Expression...</source>
        <translation>从表达式新建...</translation>
    </message>
</context>
<context>
    <name>PictureActions</name>
    <message>
        <source>Copy as Picture</source>
        <translation>复制为图片</translation>
    </message>
    <message>
        <source>Save Picture...</source>
        <translation>保存图片...</translation>
    </message>
</context>
<context>
    <name>Repeats</name>
    <message>
        <source>repeats every %1 steps from step %2</source>
        <translation>从第 %2 步起每 %1 步重复一次</translation>
    </message>
    <message>
        <source>settled at step %1</source>
        <translation>从第 %1 步起稳定</translation>
    </message>
    <message numerus="yes">
        <source>no repeat within %n step(s)</source>
        <translation>
            <numerusform>%n 步内没有重复</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>settles after %n step(s)</source>
        <translation>
            <numerusform>%n 步后稳定</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Riddles</name>
    <message>
        <source>Riddle</source>
        <translation>谜语</translation>
    </message>
    <message>
        <source>What goes around and around all day long, but always straight ahead</source>
        <translation>什么东西整天转个不停，却总是一直向前？</translation>
    </message>
    <message>
        <source>Joke</source>
        <translation>笑话</translation>
    </message>
    <message>
        <source>How do you tell when a lawyer is lieing?  His lips are moving.</source>
        <translation>怎么知道律师在撒谎？  他的嘴唇在动。</translation>
    </message>
    <message>
        <source>Why was the AND gate never invited to parties?  It only said yes when everyone else did.</source>
        <translation>为什么 AND 门从来没人请它参加聚会？  因为只有大家都说“是”，它才说“是”。</translation>
    </message>
    <message>
        <source>More of me is hidden then is seen. I am light than what I am made of</source>
        <translation>我藏起来的比露出来的多。我比构成我的东西还轻。</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>output %1</source>
        <translation>输出 %1</translation>
    </message>
    <message>
        <source>inputs from %1</source>
        <translation>输入来自 %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1和%2</translation>
    </message>
    <message>
        <source>input from %1</source>
        <translation>输入来自 %1</translation>
    </message>
    <message>
        <source>drives %1</source>
        <translation>驱动 %1</translation>
    </message>
    <message>
        <source>%1 gate %2</source>
        <translation>%1 门 %2</translation>
    </message>
    <message>
        <source>input %1</source>
        <translation>输入 %1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>无</translation>
    </message>
    <message>
        <source>bend in the link from %1 to %2</source>
        <translation>从 %1 到 %2 的连线上的折点</translation>
    </message>
    <message>
        <source>1 gate</source>
        <translation>1 个门</translation>
    </message>
    <message>
        <source>%1 gates</source>
        <translation>%1 个门</translation>
    </message>
    <message>
        <source>1 input</source>
        <translation>1 个输入</translation>
    </message>
    <message>
        <source>%1 inputs</source>
        <translation>%1 个输入</translation>
    </message>
    <message>
        <source>1 output</source>
        <translation>1 个输出</translation>
    </message>
    <message>
        <source>%1 outputs</source>
        <translation>%1 个输出</translation>
    </message>
    <message>
        <source>circuit: %1, %2, %3, not powered</source>
        <translation>电路：%1，%2，%3，未通电</translation>
    </message>
    <message>
        <source>circuit: %1, %2, %3, powered, step %4</source>
        <translation>电路：%1，%2，%3，已通电，第 %4 步</translation>
    </message>
</context>
<context>
    <name>TimelineWindow</name>
    <message numerus="yes">
        <source>%n step(s)/s</source>
        <translation>
            <numerusform>%n 步/秒</numerusform>
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
        <translation>%1 的输入 %2 未连接</translation>
    </message>
    <message>
        <source>%1 input %2 is linked more than once</source>
        <translation>%1 的输入 %2 被连接了不止一次</translation>
    </message>
    <message>
        <source>%1 drives nothing</source>
        <translation>%1 没有驱动任何东西</translation>
    </message>
    <message>
        <source>%1 has orientation %2, outside 0..3</source>
        <translation>%1 的方向为 %2，超出 0..3</translation>
    </message>
    <message>
        <source>link %1 starts at empty slot %2</source>
        <translation>连线 %1 从空位 %2 开始</translation>
    </message>
    <message>
        <source>link %1 ends at empty slot %2</source>
        <translation>连线 %1 在空位 %2 结束</translation>
    </message>
    <message>
        <source>link %1 is marked as starting at a node, but slot %2 holds %3</source>
        <translation>连线 %1 标记为从节点开始，但位置 %2 是 %3</translation>
    </message>
    <message>
        <source>link %1 is marked as ending at a node, but slot %2 holds %3</source>
        <translation>连线 %1 标记为在节点结束，但位置 %2 是 %3</translation>
    </message>
    <message>
        <source>%1: its %2 is not linked</source>
        <translation>%1 的%2未连接</translation>
    </message>
    <message>
        <source>%1: its %2 is linked more than once</source>
        <translation>%1 的%2被连接了不止一次</translation>
    </message>
    <message>
        <source>%1: its output drives nothing</source>
        <translation>%1 的输出没有驱动任何东西</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>input</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>left input</source>
        <translation>左输入</translation>
    </message>
    <message>
        <source>upper input</source>
        <translation>上输入</translation>
    </message>
    <message>
        <source>right input</source>
        <translation>右输入</translation>
    </message>
    <message>
        <source>lower input</source>
        <translation>下输入</translation>
    </message>
</context>
<context>
    <name>tessara::app::AboutWindow</name>
    <message>
        <source>About MyApp</source>
        <translation>关于 MyApp</translation>
    </message>
    <message>
        <source>Version: 1.0</source>
        <translation>版本：1.0</translation>
    </message>
    <message>
        <source>This program is meant for learning about logic.   </source>
        <translation>本程序用于学习逻辑。</translation>
    </message>
    <message>
        <source>Gate pictures drawn by Tessara</source>
        <translation>门电路图由 Tessara 绘制</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>tessara::app::BuildDialog</name>
    <message>
        <source>New From Expression</source>
        <translation>从表达式新建</translation>
    </message>
    <message>
        <source>Build Circuit</source>
        <translation>构建电路</translation>
    </message>
    <message>
        <source>A circuit of each output&apos;s minimal sum of products, opened as a new circuit.</source>
        <translation>由每个输出的最简积之和构成的电路，作为新电路打开。</translation>
    </message>
    <message>
        <source>Any gates</source>
        <translation>任意门</translation>
    </message>
    <message>
        <source>NAND only</source>
        <translation>仅 NAND</translation>
    </message>
    <message>
        <source>NOR only</source>
        <translation>仅 NOR</translation>
    </message>
    <message>
        <source>Gates:</source>
        <translation>门：</translation>
    </message>
    <message>
        <source>Building...</source>
        <translation>正在构建...</translation>
    </message>
</context>
<context>
    <name>tessara::app::CanvasPanel</name>
    <message>
        <source>Inputs</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Untitled circuit</source>
        <translation>未命名电路</translation>
    </message>
    <message>
        <source>Choose a gate on the left, then click here</source>
        <translation>先在左边选择一个门，再点击这里</translation>
    </message>
</context>
<context>
    <name>tessara::app::ElementPools</name>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>trash can</source>
        <translation>垃圾桶</translation>
    </message>
    <message>
        <source>Deletes the gate or bend focused on the canvas</source>
        <translation>删除画布上获得焦点的门或折点</translation>
    </message>
    <message>
        <source>Trash can: drop a gate here to delete it</source>
        <translation>垃圾桶：把门拖到这里即可删除</translation>
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
        <translation>正在计算表达式...</translation>
    </message>
</context>
<context>
    <name>tessara::app::GettingStarted</name>
    <message>
        <source>Tessara - Getting Started</source>
        <translation>Tessara - 入门</translation>
    </message>
</context>
<context>
    <name>tessara::app::KarnaughPanel</name>
    <message>
        <source>A Karnaugh map needs 2 to 4 inputs and an output; the circuit has %1 inputs and %2 outputs.</source>
        <translation>卡诺图需要 2 到 4 个输入和一个输出；电路有 %1 个输入和 %2 个输出。</translation>
    </message>
</context>
<context>
    <name>tessara::app::KeyboardHelp</name>
    <message>
        <source>Tessara - Keyboard</source>
        <translation>Tessara - 键盘</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>作用</translation>
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
        <translation>电源：接通或断开电路（用 Tab 移到这里，再按空格）</translation>
    </message>
    <message>
        <source>prop: advance every signal one step</source>
        <translation>prop：每个信号前进一步</translation>
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
        <translation>时序图</translation>
    </message>
    <message>
        <source>step %1: %2</source>
        <translation>第 %1 步：%2</translation>
    </message>
</context>
<context>
    <name>tessara::app::TimelineWindow</name>
    <message>
        <source>Tessara - Timeline</source>
        <translation>Tessara - 时序图</translation>
    </message>
    <message>
        <source>Step Back</source>
        <translation>后退一步</translation>
    </message>
    <message>
        <source>Step Forward</source>
        <translation>前进一步</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>运行</translation>
    </message>
    <message>
        <source>Save Picture...</source>
        <translation>保存图片...</translation>
    </message>
    <message>
        <source>Save Values...</source>
        <translation>保存数值...</translation>
    </message>
    <message>
        <source>No run</source>
        <translation>没有运行记录</translation>
    </message>
    <message>
        <source>Power up to record a run.</source>
        <translation>通电后即可记录运行过程。</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>第 %1 步，共 %2 步</translation>
    </message>
    <message>
        <source>steps 0 to %1 dropped: the timeline keeps the last %2 steps</source>
        <translation>已丢弃第 0 至 %1 步：时序图只保留最后 %2 步</translation>
    </message>
    <message>
        <source>; </source>
        <translation>；</translation>
    </message>
    <message>
        <source>Rows of the sequence</source>
        <translation>序列的各行</translation>
    </message>
    <message>
        <source>Play Sequence</source>
        <translation>播放序列</translation>
    </message>
</context>
<context>
    <name>tessara::app::TruthTableWindow</name>
    <message>
        <source>Run</source>
        <translation>运行情况</translation>
    </message>
    <message>
        <source>Tessara - Truth Table</source>
        <translation>Tessara - 真值表</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>The circuit has %1 inputs; a truth table takes at most %2.</source>
        <translation>电路有 %1 个输入；真值表最多支持 %2 个。</translation>
    </message>
    <message>
        <source>The circuit has no inputs and no outputs.</source>
        <translation>电路没有输入，也没有输出。</translation>
    </message>
    <message>
        <source>The circuit has no inputs.</source>
        <translation>电路没有输入。</translation>
    </message>
    <message>
        <source>The circuit has no outputs.</source>
        <translation>电路没有输出。</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>应为</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>表格</translation>
    </message>
    <message>
        <source>Karnaugh Map</source>
        <translation>卡诺图</translation>
    </message>
    <message>
        <source>Compare With...</source>
        <translation>对照...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>row %1 of %2</source>
        <translation>第 %1 行，共 %2 行</translation>
    </message>
    <message>
        <source>Build Circuit...</source>
        <translation>构建电路...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stopped. An edit, or the window opened again, computes the table anew.</source>
        <translation>已停止。编辑电路或重新打开此窗口会重新计算真值表。</translation>
    </message>
</context>
<context>
    <name>tessara::app::WhyWindow</name>
    <message>
        <source>Tessara - Why</source>
        <translation>Tessara - 为什么</translation>
    </message>
    <message>
        <source>While powered, click a gate&apos;s value (0 or 1) to ask why it holds it.</source>
        <translation>通电时，点击门的值（0 或 1），就能询问它为什么是这个值。</translation>
    </message>
</context>
</TS>
