<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AppStream</name>
    <message>
        <source>Vandrel</source>
        <extracomment>The program&apos;s name in the software centre.</extracomment>
        <translatorcomment>Glossary (English = 简体中文):
draw (verb) = 抽、抽取（抽牌）
draw (noun) = 抽牌（一次）；number of draws = 抽牌次数 (also the graph's "number of experiments": one name for one count; draws are counted in 次, cards in 张)
trial / experiment = 试验 (the whole run)
ratio / relative frequency = 频率
probability = 概率；theoretical probability = 理论概率
multiple of 3 = 3的倍数
spades = 黑桃
clubs / clovers = 梅花
hearts = 红桃
diamonds = 方块
Ace = A
Jack = J
Queen = Q
King = K
Draw (button) = 抽牌
Shuffle (button) = 洗牌
Exit (button) = 退出
AutoStart (button) = 自动开始
AutoStop (button) = 自动停止
Init (button) = 重置
Graph display (button) = 显示图表
Help (button) = 帮助
Close (button) = 关闭
Button names in the help are quoted with “…”, as Chinese textbooks do; ≈ is used instead of ≒.</translatorcomment>
        <translation>Vandrel</translation>
    </message>
    <message>
        <source>Watch the share of multiples of 3 settle towards 16/52</source>
        <extracomment>One-line summary, no full stop at the end.</extracomment>
        <translation>观察抽到3的倍数的频率逐渐稳定在16/52附近</translation>
    </message>
    <message>
        <source>Vandrel teaches probability with a deck of 52 playing cards. Students draw cards by hand or in a fast automatic run of 1000 draws and watch the share of cards whose rank is a multiple of 3 settle towards the theoretical 16/52, shown beside it and plotted against the number of draws.</source>
        <extracomment>The description, one paragraph on one line.</extracomment>
        <translation>Vandrel 是一款用一副52张扑克牌学习概率的软件。学生可以手动抽牌，也可以快速自动抽牌1000次，观察点数是3的倍数的牌出现的频率逐渐稳定在理论概率16/52附近；理论概率显示在频率旁边，频率随抽牌次数变化的情况也会画成图表。</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Vandrel</source>
        <extracomment>Menu entry&apos;s name: the program&apos;s name, optionally followed by a few words saying what it is, as in Japanese &quot;Vandrel トランプで確率&quot;.</extracomment>
        <translation>Vandrel 用扑克牌学概率</translation>
    </message>
    <message>
        <source>Draw playing cards and watch the share of multiples of 3 settle towards 16/52</source>
        <extracomment>Menu entry&apos;s tooltip.</extracomment>
        <translation>抽取扑克牌，观察抽到3的倍数的频率逐渐稳定在16/52附近</translation>
    </message>
    <message>
        <source>probability;cards;statistics;</source>
        <extracomment>Search words for the menu, each ended by a semicolon; keep the semicolons, no spaces around them.</extracomment>
        <translation>概率;扑克牌;统计;</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Draw</source>
        <extracomment>Button: counts the card on view as one draw.</extracomment>
        <translation>抽牌</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <extracomment>Button: starts flipping random cards on view.</extracomment>
        <translation>洗牌</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>AutoStart</source>
        <extracomment>Button: starts an automatic run of 1000 draws.</extracomment>
        <translation>自动开始</translation>
    </message>
    <message>
        <source>AutoStop</source>
        <extracomment>Button: stops the automatic run.</extracomment>
        <translation>自动停止</translation>
    </message>
    <message>
        <source>Init</source>
        <extracomment>Button: starts the experiment afresh, counts at 0.</extracomment>
        <translation>重置</translation>
    </message>
    <message>
        <source>Graph display</source>
        <translation>显示图表</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Number of cards in multiples of 3 drawn</source>
        <translation>抽到3的倍数的次数</translation>
    </message>
    <message>
        <source>Total number of cards drawn</source>
        <translation>抽牌的总次数</translation>
    </message>
    <message>
        <source>Total number of playing cards</source>
        <translation>扑克牌的总张数</translation>
    </message>
    <message>
        <source>Total number of cards in multiples of 3</source>
        <translation>3的倍数的牌的总张数</translation>
    </message>
    <message>
        <source>Playing card</source>
        <translation>扑克牌</translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation>本软件即将退出。</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>黑桃</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>梅花</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>红桃</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>方块</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>J</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>King</source>
        <translation>K</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name for screen readers: %1 its rank, %2 its suit (&quot;Queen of hearts&quot;).</extracomment>
        <translation>%2%1</translation>
    </message>
    <message>
        <source>Drew the %1.</source>
        <extracomment>Said after a manual draw: %1 is a card&apos;s name.</extracomment>
        <translation>抽到了%1。</translation>
    </message>
    <message>
        <source>The automatic run has ended.</source>
        <translation>自动试验已结束。</translation>
    </message>
    <message>
        <source>≒</source>
        <extracomment>The sign between the fraction 16/52 or the counts and their decimal value. Keep ≒ or write the sign a school textbook in your language uses (for example ≈).</extracomment>
        <translation>≈</translation>
    </message>
    <message>
        <source>The cards are being shuffled. Press Draw to draw one.</source>
        <translation>正在洗牌。按“抽牌”按钮可以抽一张牌。</translation>
    </message>
    <message>
        <source>An automatic run of 1000 draws has started.</source>
        <translation>自动试验已开始，将连续抽牌1000次。</translation>
    </message>
    <message>
        <source>The automatic run was stopped.</source>
        <translation>自动试验已停止。</translation>
    </message>
    <message>
        <source>The counts are reset to 0. Press Shuffle or AutoStart to begin.</source>
        <translation>计数已清零。按“洗牌”或“自动开始”按钮即可开始。</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <extracomment>The number of cards drawn (&quot;12 cards&quot;), which the tally &quot;%n of %1 are multiples of 3; ratio %2.&quot; puts in as its %1.</extracomment>
        <translation>
            <numerusform>%n次</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 are multiples of 3; ratio %2.</source>
        <extracomment>Said after a draw or a run: %n of the cards drawn are multiples of 3; %1 is the number drawn as &quot;%n card(s)&quot; gives it (&quot;12 cards&quot;); %2 the ratio as shown (0.4166667). &quot;5 of 12 cards are multiples of 3; ratio 0.4166667.&quot;</extracomment>
        <translation>
            <numerusform>抽牌%1，其中%n次抽到3的倍数，频率为%2。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>(Vertical axis : Percentage of playing cards that are multiples of 3)</source>
        <translation>（纵轴：抽到3的倍数的频率）</translation>
    </message>
    <message>
        <source>(Horizontal axis : Number of experiments)</source>
        <translation>（横轴：抽牌次数）</translation>
    </message>
    <message>
        <source>Graph </source>
        <extracomment>The window&apos;s caption; the maker&apos;s notice follows the space.</extracomment>
        <translation>图表 </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>图表</translation>
    </message>
    <message>
        <source>The ratio of cards that are multiples of 3, from 0.00 at the bottom to 1.00 at the top, against the number of draws, from 0 at the left to 1000 at the right. A dashed line marks the ratio 0.30.</source>
        <translation>该图表示抽到3的倍数的频率（下端为0.00，上端为1.00）随抽牌次数（左端为0，右端为1000）的变化。虚线表示频率0.30。</translation>
    </message>
    <message>
        <source>No draws are plotted yet.</source>
        <translation>还没有画出任何抽牌结果。</translation>
    </message>
    <message>
        <source>Draws plotted: %1. The latest ratio is %2.</source>
        <extracomment>%1 a number of draws, %2 a ratio such as 0.3076923.</extracomment>
        <translation>已画出%1次抽牌的结果。最新的频率为%2。</translation>
    </message>
    <message>
        <source>Draws plotted: the first 1000 of %1. The ratio at draw 1000 is %2.</source>
        <extracomment>%1 a number of draws above 1000, %2 a ratio such as 0.3076923.</extracomment>
        <translation>已画出%1次抽牌中前1000次的结果。前1000次抽牌的频率为%2。</translation>
    </message>
    <message>
        <source>The line of the earlier run is still shown; no draws of the new run are plotted yet.</source>
        <translation>图中仍显示上一轮试验的折线；新一轮试验还没有画出任何抽牌结果。</translation>
    </message>
    <message>
        <source>The table gives the ratio at chosen draws. Press Space or Enter to hear the ratio as sound: a soft tone for 0.30 first, then a pitch that rises and falls with the ratio, low for 0 and high for 1, over the draws; press again or Escape to stop.</source>
        <translation>表格列出了几个选定的抽牌次数对应的频率。按空格键或回车键，可以用声音收听频率：先是一个表示0.30的轻柔提示音，然后随着抽牌次数的增加，音高随频率升降，频率为0时最低，为1时最高；再按一次或按Esc键即可停止。</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>抽牌次数</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>频率</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source> Playing Cards＿Help（Questions and Operation method） </source>
        <extracomment>The window&apos;s caption, with its leading space; the maker&apos;s notice follows the last space.</extracomment>
        <translation> 扑克牌——帮助（问题与操作方法） </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>【Problem】</source>
        <extracomment>A line of the help text. Sentences run on over several lines; keep each line short enough for the window, which cuts rather than wraps.</extracomment>
        <translation>【问题】</translation>
    </message>
    <message>
        <source>There is a set of playing cards.</source>
        <translation>有一副扑克牌。</translation>
    </message>
    <message>
        <source>Use 52 cards excluding 2 jokers.</source>
        <translation>去掉大王、小王这2张牌，使用剩下的52张牌。</translation>
    </message>
    <message>
        <source>There are 4 multiples of 3 for each of spades , clovers , diamonds , and</source>
        <translation>黑桃、梅花、方块、红桃中，点数是3的倍数的牌（3、6、9、Q）</translation>
    </message>
    <message>
        <source>hearts , so there are 16 (4×4=16)．</source>
        <translation>各有4张（Q看作12），所以共有16张（4×4=16）。</translation>
    </message>
    <message>
        <source>Consider the probability that when one is drawn from these 52 cards , </source>
        <translation>从这52张牌中随机抽取1张，</translation>
    </message>
    <message>
        <source>that card is a multiple of 3.</source>
        <translation>抽到的牌的点数是3的倍数的概率是多少？</translation>
    </message>
    <message>
        <source>Of the 52 cards , 16 are multiples of 3 , so mathematically it is 16/52.</source>
        <translation>52张牌中有16张的点数是3的倍数，所以计算得出的概率是16/52。</translation>
    </message>
    <message>
        <source>However , in reality , when one card is drawn one by one and returned 52 </source>
        <translation>但是实际上，每次抽1张牌后再放回，这样重复52次，</translation>
    </message>
    <message>
        <source>terms , a card that is a multiple of 3 doesn&apos;t oppear exactly 16 times.</source>
        <translation>点数是3的倍数的牌不一定恰好出现16次。</translation>
    </message>
    <message>
        <source>Then , what is the relationship with theoretical probability 16/52 </source>
        <translation>那么，实际试验的结果与计算得出的理论概率16/52</translation>
    </message>
    <message>
        <source>obtained mathematically ?</source>
        <translation>之间有什么关系呢？</translation>
    </message>
    <message>
        <source>【Operation method】</source>
        <translation>【操作方法】</translation>
    </message>
    <message>
        <source>To do it manually , click the [Shuffle] button and then , the [Draw] button.</source>
        <translation>手动抽牌时，先单击“洗牌”按钮，再单击“抽牌”按钮。</translation>
    </message>
    <message>
        <source>To do it automatically , click the [AutoStart] button and then , the [AutoStop]</source>
        <translation>自动抽牌时，单击“自动开始”按钮；要停止时，</translation>
    </message>
    <message>
        <source>button.</source>
        <extracomment>Help text: the end of the previous line&apos;s sentence.</extracomment>
        <translation>单击“自动停止”按钮。</translation>
    </message>
    <message>
        <source>When you click the [Graph disply] button , the relationship between the</source>
        <translation>单击“显示图表”按钮后，</translation>
    </message>
    <message>
        <source>number of experiments and the ratio of cards drawn in multiples of 3 is  </source>
        <translation>抽牌次数与抽到3的倍数的频率之间的关系</translation>
    </message>
    <message>
        <source>displayed in a graph.</source>
        <translation>就会用图表显示出来。</translation>
    </message>
    <message>
        <source>Click the [Init] button to restart the experiment from the beginning.</source>
        <translation>单击“重置”按钮，可以从头开始试验。</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>帮助文本</translation>
    </message>
</context>
<context>
    <name>Vandrel</name>
    <message>
        <source>© 2026 The Vandrel developers</source>
        <translation>© 2026 Vandrel 开发者</translation>
    </message>
</context>
</TS>
