<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AppStream</name>
    <message>
        <source>Vandrel</source>
        <extracomment>The program&apos;s name in the software centre.</extracomment>
        <translatorcomment>用語集（English = 日本語）
draw (verb) = 引く; number of draws (the labels, the graph&apos;s &quot;number of experiments&quot;, the table&apos;s &quot;Draws&quot;, the help) = カードを引いた回数
multiples of 3 drawn = 3の倍数が出た回数
ratio / share / relative frequency = 相対度数 (the school term; never 確率, which is 16/52 and does not move)
probability = 確率; theoretical probability = 理論上の確率 (the help first says 計算で求めた確率)
with replacement = 引いてはもどす
experiment (the whole series, restarted by Init) = 実験; automatic run = 自動実験
card names: %2の%1 (ハートのクイーン); suits スペード, クローバー, ハート, ダイヤ
≒ as printed in Japanese textbooks; button names in ［ ］</translatorcomment>
        <translation>Vandrel</translation>
    </message>
    <message>
        <source>Watch the share of multiples of 3 settle towards 16/52</source>
        <extracomment>One-line summary, no full stop at the end.</extracomment>
        <translation>トランプを引いて、3の倍数のカードが出る相対度数が確率16/52に近づくようすを見よう</translation>
    </message>
    <message>
        <source>Vandrel teaches probability with a deck of 52 playing cards. Students draw cards by hand or in a fast automatic run of 1000 draws and watch the share of cards whose rank is a multiple of 3 settle towards the theoretical 16/52, shown beside it and plotted against the number of draws.</source>
        <extracomment>The description, one paragraph on one line.</extracomment>
        <translation>Vandrel は52枚のトランプで確率を学ぶソフトです。手で1枚ずつ、または自動で1000回カードを引き、3の倍数のカードが出る相対度数が理論上の確率16/52に近づくようすを、数値とグラフで確かめます。</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Vandrel</source>
        <extracomment>Menu entry&apos;s name: the program&apos;s name, optionally followed by a few words saying what it is, as in Japanese &quot;Vandrel トランプで確率&quot;.</extracomment>
        <translation>Vandrel トランプで確率</translation>
    </message>
    <message>
        <source>Draw playing cards and watch the share of multiples of 3 settle towards 16/52</source>
        <extracomment>Menu entry&apos;s tooltip.</extracomment>
        <translation>トランプを引いて、3の倍数のカードが出る相対度数が16/52に近づくようすを見よう</translation>
    </message>
    <message>
        <source>probability;cards;statistics;</source>
        <extracomment>Search words for the menu, each ended by a semicolon; keep the semicolons, no spaces around them.</extracomment>
        <translation>確率;トランプ;統計;相対度数;</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Draw</source>
        <extracomment>Button: counts the card on view as one draw.</extracomment>
        <translation>引く</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <extracomment>Button: starts flipping random cards on view.</extracomment>
        <translation>シャッフル</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>AutoStart</source>
        <extracomment>Button: starts an automatic run of 1000 draws.</extracomment>
        <translation>自動スタート</translation>
    </message>
    <message>
        <source>AutoStop</source>
        <extracomment>Button: stops the automatic run.</extracomment>
        <translation>自動ストップ</translation>
    </message>
    <message>
        <source>Init</source>
        <extracomment>Button: starts the experiment afresh, counts at 0.</extracomment>
        <translation>初期化</translation>
    </message>
    <message>
        <source>Graph display</source>
        <translation>グラフ表示</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Number of cards in multiples of 3 drawn</source>
        <translation>3の倍数が出た回数</translation>
    </message>
    <message>
        <source>Total number of cards drawn</source>
        <translation>カードを引いた回数</translation>
    </message>
    <message>
        <source>Total number of playing cards</source>
        <translation>トランプ全体の枚数</translation>
    </message>
    <message>
        <source>Total number of cards in multiples of 3</source>
        <translation>3の倍数のカードの合計枚数</translation>
    </message>
    <message>
        <source>Playing card</source>
        <translation>トランプ</translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation>このソフトを終了します。</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>スペード</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>クローバー</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>ハート</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>ダイヤ</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>エース</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>ジャック</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>クイーン</translation>
    </message>
    <message>
        <source>King</source>
        <translation>キング</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name for screen readers: %1 its rank, %2 its suit (&quot;Queen of hearts&quot;).</extracomment>
        <translation>%2の%1</translation>
    </message>
    <message>
        <source>Drew the %1.</source>
        <extracomment>Said after a manual draw: %1 is a card&apos;s name.</extracomment>
        <translation>%1を引きました。</translation>
    </message>
    <message>
        <source>The automatic run has ended.</source>
        <translation>自動実験が終わりました。</translation>
    </message>
    <message>
        <source>The cards are being shuffled. Press Draw to draw one.</source>
        <translation>カードをシャッフルしています。［引く］を押すと1枚引きます。</translation>
    </message>
    <message>
        <source>An automatic run of 1000 draws has started.</source>
        <translation>カードを自動で1000回引く実験を始めました。</translation>
    </message>
    <message>
        <source>The automatic run was stopped.</source>
        <translation>自動実験を止めました。</translation>
    </message>
    <message>
        <source>The counts are reset to 0. Press Shuffle or AutoStart to begin.</source>
        <translation>回数を0にもどしました。［シャッフル］か［自動スタート］を押すと始まります。</translation>
    </message>
    <message>
        <source>≒</source>
        <extracomment>The sign between the fraction 16/52 or the counts and their decimal value. Keep ≒ or write the sign a school textbook in your language uses (for example ≈).</extracomment>
        <translation>≒</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <extracomment>The number of cards drawn (&quot;12 cards&quot;), which the tally &quot;%n of %1 are multiples of 3; ratio %2.&quot; puts in as its %1.</extracomment>
        <translation>
            <numerusform>%n回</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 are multiples of 3; ratio %2.</source>
        <extracomment>Said after a draw or a run: %n of the cards drawn are multiples of 3; %1 is the number drawn as &quot;%n card(s)&quot; gives it (&quot;12 cards&quot;); %2 the ratio as shown (0.4166667). &quot;5 of 12 cards are multiples of 3; ratio 0.4166667.&quot;</extracomment>
        <translation>
            <numerusform>%1のうち%n回、3の倍数が出ました。相対度数は%2です。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>(Vertical axis : Percentage of playing cards that are multiples of 3)</source>
        <translation>（縦軸：3の倍数のカードが出た相対度数）</translation>
    </message>
    <message>
        <source>(Horizontal axis : Number of experiments)</source>
        <translation>（横軸：カードを引いた回数）</translation>
    </message>
    <message>
        <source>Graph </source>
        <extracomment>The window&apos;s caption; the maker&apos;s notice follows the space.</extracomment>
        <translation>グラフ </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>グラフ</translation>
    </message>
    <message>
        <source>The ratio of cards that are multiples of 3, from 0.00 at the bottom to 1.00 at the top, against the number of draws, from 0 at the left to 1000 at the right. A dashed line marks the ratio 0.30.</source>
        <translation>3の倍数のカードが出た相対度数（下が0.00、上が1.00）と、カードを引いた回数（左が0、右が1000）の関係を表すグラフです。破線は相対度数0.30を示します。</translation>
    </message>
    <message>
        <source>No draws are plotted yet.</source>
        <translation>まだ何も描かれていません。</translation>
    </message>
    <message>
        <source>Draws plotted: %1. The latest ratio is %2.</source>
        <extracomment>%1 a number of draws, %2 a ratio such as 0.3076923.</extracomment>
        <translation>%1回分が描かれています。%1回引いたときの相対度数は%2です。</translation>
    </message>
    <message>
        <source>Draws plotted: the first 1000 of %1. The ratio at draw 1000 is %2.</source>
        <extracomment>%1 a number of draws above 1000, %2 a ratio such as 0.3076923.</extracomment>
        <translation>%1回のうち、最初の1000回分が描かれています。1000回引いたときの相対度数は%2です。</translation>
    </message>
    <message>
        <source>The line of the earlier run is still shown; no draws of the new run are plotted yet.</source>
        <translation>前の実験の線が残っています。新しい実験の結果はまだ描かれていません。</translation>
    </message>
    <message>
        <source>The table gives the ratio at chosen draws. Press Space or Enter to hear the ratio as sound: a soft tone for 0.30 first, then a pitch that rises and falls with the ratio, low for 0 and high for 1, over the draws; press again or Escape to stop.</source>
        <translation>表は、いくつかの回数での相対度数を示します。スペースキーかEnterキーを押すと、相対度数を音で聞けます。はじめに相対度数0.30を表す小さな音が鳴り、続いて、引いた回数の順に、相対度数に合わせて高さが上下する音が鳴ります（0は低い音、1は高い音）。もう一度押すか、Escキーを押すと止まります。</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>カードを引いた回数</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>相対度数</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source> Playing Cards＿Help（Questions and Operation method） </source>
        <extracomment>The window&apos;s caption, with its leading space; the maker&apos;s notice follows the last space.</extracomment>
        <translation> トランプ&#x3000;ヘルプ（問題と操作方法） </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>【Problem】</source>
        <extracomment>A line of the help text. Sentences run on over several lines; keep each line short enough for the window, which cuts rather than wraps.</extracomment>
        <translation>【問題】</translation>
    </message>
    <message>
        <source>There is a set of playing cards.</source>
        <translation>トランプが1組あります。</translation>
    </message>
    <message>
        <source>Use 52 cards excluding 2 jokers.</source>
        <translation>ジョーカー2枚を除いた52枚を使います。</translation>
    </message>
    <message>
        <source>There are 4 multiples of 3 for each of spades , clovers , diamonds , and</source>
        <translation>スペード、クローバー、ダイヤ、ハートのどれにも、3の倍数</translation>
    </message>
    <message>
        <source>hearts , so there are 16 (4×4=16)．</source>
        <translation>（3、6、9、クイーン=12）が4枚ずつあり、全部で16枚（4×4=16）です。</translation>
    </message>
    <message>
        <source>Consider the probability that when one is drawn from these 52 cards , </source>
        <translation>この52枚から1枚を引くとき、</translation>
    </message>
    <message>
        <source>that card is a multiple of 3.</source>
        <translation>そのカードが3の倍数である確率を考えます。</translation>
    </message>
    <message>
        <source>Of the 52 cards , 16 are multiples of 3 , so mathematically it is 16/52.</source>
        <translation>52枚のうち16枚が3の倍数なので、計算で求めた確率は16/52です。</translation>
    </message>
    <message>
        <source>However , in reality , when one card is drawn one by one and returned 52 </source>
        <translation>しかし実際には、1枚引いてはもどすことを52回くり返しても、</translation>
    </message>
    <message>
        <source>terms , a card that is a multiple of 3 doesn&apos;t oppear exactly 16 times.</source>
        <translation>3の倍数のカードがちょうど16回出るとはかぎりません。</translation>
    </message>
    <message>
        <source>Then , what is the relationship with theoretical probability 16/52 </source>
        <translation>では、理論上の確率16/52と、実際の結果には</translation>
    </message>
    <message>
        <source>obtained mathematically ?</source>
        <translation>どのような関係があるでしょうか。</translation>
    </message>
    <message>
        <source>【Operation method】</source>
        <translation>【操作方法】</translation>
    </message>
    <message>
        <source>To do it manually , click the [Shuffle] button and then , the [Draw] button.</source>
        <translation>手動で行うときは、［シャッフル］を押してから［引く］を押します。</translation>
    </message>
    <message>
        <source>To do it automatically , click the [AutoStart] button and then , the [AutoStop]</source>
        <translation>自動で行うときは、［自動スタート］を押し、止めるときは</translation>
    </message>
    <message>
        <source>button.</source>
        <extracomment>Help text: the end of the previous line&apos;s sentence.</extracomment>
        <translation>［自動ストップ］を押します。</translation>
    </message>
    <message>
        <source>When you click the [Graph disply] button , the relationship between the</source>
        <translation>［グラフ表示］を押すと、カードを引いた回数と、</translation>
    </message>
    <message>
        <source>number of experiments and the ratio of cards drawn in multiples of 3 is  </source>
        <translation>3の倍数のカードが出た相対度数との関係が</translation>
    </message>
    <message>
        <source>displayed in a graph.</source>
        <translation>グラフで表示されます。</translation>
    </message>
    <message>
        <source>Click the [Init] button to restart the experiment from the beginning.</source>
        <translation>［初期化］を押すと、実験を最初からやり直せます。</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>ヘルプの本文</translation>
    </message>
</context>
<context>
    <name>Vandrel</name>
    <message>
        <source>© 2026 The Vandrel developers</source>
        <translation>© 2026 Vandrel 開発チーム</translation>
    </message>
</context>
</TS>
