<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>AppStream</name>
    <message>
        <source>Vandrel</source>
        <extracomment>The program&apos;s name in the software centre.</extracomment>
        <translatorcomment>Glossary (English = 한국어):
draw (verb) = 뽑다
draw (noun) = 뽑기; number of draws = 뽑은 횟수
trial / experiment = 실험 (the whole run only); number of experiments (the graph's axis) = 뽑은 횟수, the one name of the number of draws; draws are counted in 번/회, cards in 장
ratio / relative frequency = 상대도수; the share of multiples of 3 = 3의 배수 카드가 나온 상대도수 (an event's relative frequency, as in 앞면이 나온 상대도수), beside the label 3의 배수가 나온 횟수
probability = 확률; theoretical probability (16/52, found by counting) = 수학적 확률; the ratio shown is 상대도수, never 통계적 확률
multiple of 3 = 3의 배수
spades = 스페이드
clubs / clovers = 클로버
hearts = 하트
diamonds = 다이아몬드
Ace = 에이스
Jack = 잭
Queen = 퀸
King = 킹
Draw (button) = 카드 뽑기
Shuffle (button) = 카드 섞기
Exit (button) = 종료
AutoStart (button) = 자동 시작
AutoStop (button) = 자동 정지
Init (button) = 초기화
Graph display (button) = 그래프 보기
Help (button) = 도움말
Close (button) = 닫기
Button names in the help are in [ ] brackets; the sign ≒ is kept, as Korean textbooks use it.</translatorcomment>
        <translation>Vandrel</translation>
    </message>
    <message>
        <source>Watch the share of multiples of 3 settle towards 16/52</source>
        <extracomment>One-line summary, no full stop at the end.</extracomment>
        <translation>3의 배수 카드가 나온 상대도수가 16/52에 가까워지는 것을 관찰합니다</translation>
    </message>
    <message>
        <source>Vandrel teaches probability with a deck of 52 playing cards. Students draw cards by hand or in a fast automatic run of 1000 draws and watch the share of cards whose rank is a multiple of 3 settle towards the theoretical 16/52, shown beside it and plotted against the number of draws.</source>
        <extracomment>The description, one paragraph on one line.</extracomment>
        <translation>Vandrel은 52장의 트럼프 카드 한 벌로 확률을 배우는 프로그램입니다. 학생들은 카드를 직접 뽑거나 자동으로 1000번 빠르게 뽑으면서, 숫자가 3의 배수인 카드가 나온 상대도수가 수학적 확률 16/52에 가까워지는 것을 관찰합니다. 수학적 확률은 상대도수 옆에 표시되고, 뽑은 횟수에 따른 상대도수의 변화는 그래프로 그려집니다.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Vandrel</source>
        <extracomment>Menu entry&apos;s name: the program&apos;s name, optionally followed by a few words saying what it is, as in Japanese &quot;Vandrel トランプで確率&quot;.</extracomment>
        <translation>Vandrel 트럼프 카드로 배우는 확률</translation>
    </message>
    <message>
        <source>Draw playing cards and watch the share of multiples of 3 settle towards 16/52</source>
        <extracomment>Menu entry&apos;s tooltip.</extracomment>
        <translation>트럼프 카드를 뽑으며 3의 배수 카드가 나온 상대도수가 16/52에 가까워지는 것을 관찰합니다</translation>
    </message>
    <message>
        <source>probability;cards;statistics;</source>
        <extracomment>Search words for the menu, each ended by a semicolon; keep the semicolons, no spaces around them.</extracomment>
        <translation>확률;카드;통계;</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Draw</source>
        <extracomment>Button: counts the card on view as one draw.</extracomment>
        <translation>카드 뽑기</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <extracomment>Button: starts flipping random cards on view.</extracomment>
        <translation>카드 섞기</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>AutoStart</source>
        <extracomment>Button: starts an automatic run of 1000 draws.</extracomment>
        <translation>자동 시작</translation>
    </message>
    <message>
        <source>AutoStop</source>
        <extracomment>Button: stops the automatic run.</extracomment>
        <translation>자동 정지</translation>
    </message>
    <message>
        <source>Init</source>
        <extracomment>Button: starts the experiment afresh, counts at 0.</extracomment>
        <translation>초기화</translation>
    </message>
    <message>
        <source>Graph display</source>
        <translation>그래프 보기</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Number of cards in multiples of 3 drawn</source>
        <translation>3의 배수가 나온 횟수</translation>
    </message>
    <message>
        <source>Total number of cards drawn</source>
        <translation>카드를 뽑은 횟수</translation>
    </message>
    <message>
        <source>Total number of playing cards</source>
        <translation>트럼프 카드의 전체 수</translation>
    </message>
    <message>
        <source>Total number of cards in multiples of 3</source>
        <translation>3의 배수 카드의 전체 수</translation>
    </message>
    <message>
        <source>Playing card</source>
        <translation>트럼프 카드</translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation>이 프로그램을 종료합니다.</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>스페이드</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>클로버</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>하트</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>다이아몬드</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>에이스</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>잭</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>퀸</translation>
    </message>
    <message>
        <source>King</source>
        <translation>킹</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name for screen readers: %1 its rank, %2 its suit (&quot;Queen of hearts&quot;).</extracomment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>Drew the %1.</source>
        <extracomment>Said after a manual draw: %1 is a card&apos;s name.</extracomment>
        <translation>%1 카드를 뽑았습니다.</translation>
    </message>
    <message>
        <source>The automatic run has ended.</source>
        <translation>자동 실험이 끝났습니다.</translation>
    </message>
    <message>
        <source>≒</source>
        <extracomment>The sign between the fraction 16/52 or the counts and their decimal value. Keep ≒ or write the sign a school textbook in your language uses (for example ≈).</extracomment>
        <translation>≒</translation>
    </message>
    <message>
        <source>The cards are being shuffled. Press Draw to draw one.</source>
        <translation>카드를 섞고 있습니다. [카드 뽑기] 버튼을 누르면 카드를 한 장 뽑습니다.</translation>
    </message>
    <message>
        <source>An automatic run of 1000 draws has started.</source>
        <translation>카드를 1000회 뽑는 자동 실험이 시작되었습니다.</translation>
    </message>
    <message>
        <source>The automatic run was stopped.</source>
        <translation>자동 실험이 정지되었습니다.</translation>
    </message>
    <message>
        <source>The counts are reset to 0. Press Shuffle or AutoStart to begin.</source>
        <translation>모든 횟수를 0으로 초기화했습니다. 시작하려면 [카드 섞기] 또는 [자동 시작] 버튼을 누릅니다.</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <extracomment>The number of cards drawn (&quot;12 cards&quot;), which the tally &quot;%n of %1 are multiples of 3; ratio %2.&quot; puts in as its %1.</extracomment>
        <translation>
            <numerusform>%n번</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 are multiples of 3; ratio %2.</source>
        <extracomment>Said after a draw or a run: %n of the cards drawn are multiples of 3; %1 is the number drawn as &quot;%n card(s)&quot; gives it (&quot;12 cards&quot;); %2 the ratio as shown (0.4166667). &quot;5 of 12 cards are multiples of 3; ratio 0.4166667.&quot;</extracomment>
        <translation>
            <numerusform>%1 중 %n번 3의 배수가 나왔습니다. 상대도수는 %2입니다.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>(Vertical axis : Percentage of playing cards that are multiples of 3)</source>
        <translation>(세로축: 3의 배수 카드가 나온 상대도수)</translation>
    </message>
    <message>
        <source>(Horizontal axis : Number of experiments)</source>
        <translation>(가로축: 뽑은 횟수)</translation>
    </message>
    <message>
        <source>Graph </source>
        <extracomment>The window&apos;s caption; the maker&apos;s notice follows the space.</extracomment>
        <translation>그래프 </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>그래프</translation>
    </message>
    <message>
        <source>The ratio of cards that are multiples of 3, from 0.00 at the bottom to 1.00 at the top, against the number of draws, from 0 at the left to 1000 at the right. A dashed line marks the ratio 0.30.</source>
        <translation>3의 배수 카드가 나온 상대도수(아래쪽 0.00부터 위쪽 1.00까지)를 뽑은 횟수(왼쪽 0부터 오른쪽 1000까지)에 따라 나타낸 그래프입니다. 점선은 상대도수 0.30을 나타냅니다.</translation>
    </message>
    <message>
        <source>No draws are plotted yet.</source>
        <translation>아직 그래프에 그려진 결과가 없습니다.</translation>
    </message>
    <message>
        <source>Draws plotted: %1. The latest ratio is %2.</source>
        <extracomment>%1 a number of draws, %2 a ratio such as 0.3076923.</extracomment>
        <translation>그래프에는 뽑은 횟수 %1회까지의 상대도수가 그려져 있습니다. 마지막 상대도수는 %2입니다.</translation>
    </message>
    <message>
        <source>Draws plotted: the first 1000 of %1. The ratio at draw 1000 is %2.</source>
        <extracomment>%1 a number of draws above 1000, %2 a ratio such as 0.3076923.</extracomment>
        <translation>그래프에는 뽑은 횟수 %1회 중 처음 1000회까지의 상대도수가 그려져 있습니다. 뽑은 횟수가 1000회일 때의 상대도수는 %2입니다.</translation>
    </message>
    <message>
        <source>The line of the earlier run is still shown; no draws of the new run are plotted yet.</source>
        <translation>이전 실험의 꺾은선이 아직 표시되어 있습니다. 새 실험의 뽑기 결과는 아직 그래프에 그려지지 않았습니다.</translation>
    </message>
    <message>
        <source>The table gives the ratio at chosen draws. Press Space or Enter to hear the ratio as sound: a soft tone for 0.30 first, then a pitch that rises and falls with the ratio, low for 0 and high for 1, over the draws; press again or Escape to stop.</source>
        <translation>표에는 정해 둔 몇몇 횟수에서의 상대도수가 나와 있습니다. 스페이스 바나 Enter 키를 누르면 상대도수를 소리로 들을 수 있습니다. 먼저 0.30을 나타내는 부드러운 소리가 나고, 이어서 뽑은 횟수가 늘어남에 따라 상대도수에 맞추어 음높이가 오르내립니다. 상대도수가 0이면 낮은 음, 1이면 높은 음입니다. 다시 누르거나 Esc 키를 누르면 멈춥니다.</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>뽑은 횟수</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>상대도수</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source> Playing Cards＿Help（Questions and Operation method） </source>
        <extracomment>The window&apos;s caption, with its leading space; the maker&apos;s notice follows the last space.</extracomment>
        <translation> 트럼프 카드 - 도움말(문제와 사용 방법) </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>【Problem】</source>
        <extracomment>A line of the help text. Sentences run on over several lines; keep each line short enough for the window, which cuts rather than wraps.</extracomment>
        <translation>【문제】</translation>
    </message>
    <message>
        <source>There is a set of playing cards.</source>
        <translation>트럼프 카드 한 벌이 있습니다.</translation>
    </message>
    <message>
        <source>Use 52 cards excluding 2 jokers.</source>
        <translation>조커 2장을 뺀 52장을 사용합니다.</translation>
    </message>
    <message>
        <source>There are 4 multiples of 3 for each of spades , clovers , diamonds , and</source>
        <translation>스페이드, 클로버, 다이아몬드, 하트에는 숫자가 3의 배수인 카드가</translation>
    </message>
    <message>
        <source>hearts , so there are 16 (4×4=16)．</source>
        <translation>4장씩(3, 6, 9, 퀸=12) 있으므로 모두 16장(4×4=16)입니다.</translation>
    </message>
    <message>
        <source>Consider the probability that when one is drawn from these 52 cards , </source>
        <translation>이 52장 중에서 한 장을 뽑을 때,</translation>
    </message>
    <message>
        <source>that card is a multiple of 3.</source>
        <translation>그 카드의 숫자가 3의 배수일 확률을 생각해 봅시다.</translation>
    </message>
    <message>
        <source>Of the 52 cards , 16 are multiples of 3 , so mathematically it is 16/52.</source>
        <translation>52장 중 16장이 3의 배수이므로, 수학적 확률은 16/52입니다.</translation>
    </message>
    <message>
        <source>However , in reality , when one card is drawn one by one and returned 52 </source>
        <translation>그러나 실제로 한 장을 뽑고 다시 넣는 것을 52번 반복해도,</translation>
    </message>
    <message>
        <source>terms , a card that is a multiple of 3 doesn&apos;t oppear exactly 16 times.</source>
        <translation>3의 배수 카드가 꼭 16번 나오지는 않습니다.</translation>
    </message>
    <message>
        <source>Then , what is the relationship with theoretical probability 16/52 </source>
        <translation>그렇다면 실제 실험 결과와 수학적 확률 16/52</translation>
    </message>
    <message>
        <source>obtained mathematically ?</source>
        <translation>사이에는 어떤 관계가 있을까요?</translation>
    </message>
    <message>
        <source>【Operation method】</source>
        <translation>【사용 방법】</translation>
    </message>
    <message>
        <source>To do it manually , click the [Shuffle] button and then , the [Draw] button.</source>
        <translation>직접 하려면 [카드 섞기] 버튼을 누른 다음 [카드 뽑기] 버튼을 누릅니다.</translation>
    </message>
    <message>
        <source>To do it automatically , click the [AutoStart] button and then , the [AutoStop]</source>
        <translation>자동으로 하려면 [자동 시작] 버튼을 누르고, 멈추려면</translation>
    </message>
    <message>
        <source>button.</source>
        <extracomment>Help text: the end of the previous line&apos;s sentence.</extracomment>
        <translation>[자동 정지] 버튼을 누릅니다.</translation>
    </message>
    <message>
        <source>When you click the [Graph disply] button , the relationship between the</source>
        <translation>[그래프 보기] 버튼을 누르면</translation>
    </message>
    <message>
        <source>number of experiments and the ratio of cards drawn in multiples of 3 is  </source>
        <translation>뽑은 횟수와 3의 배수 카드가 나온 상대도수 사이의 관계가</translation>
    </message>
    <message>
        <source>displayed in a graph.</source>
        <translation>그래프로 나타납니다.</translation>
    </message>
    <message>
        <source>Click the [Init] button to restart the experiment from the beginning.</source>
        <translation>[초기화] 버튼을 누르면 실험을 처음부터 다시 시작할 수 있습니다.</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>도움말 내용</translation>
    </message>
</context>
<context>
    <name>Vandrel</name>
    <message>
        <source>© 2026 The Vandrel developers</source>
        <translation>© 2026 Vandrel 개발팀</translation>
    </message>
</context>
</TS>
