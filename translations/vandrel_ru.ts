<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AppStream</name>
    <message>
        <source>Vandrel</source>
        <extracomment>The program&apos;s name in the software centre.</extracomment>
        <translatorcomment>Словарь (English = русский)
draw (verb) = вытянуть карту
draw (noun) = опыт (one card drawn); number of draws (also the graph&apos;s &quot;number of experiments&quot;) = число опытов
experiment (the whole series, restarted by Init) = серия опытов; automatic run = автоматическая серия опытов
ratio / relative frequency = относительная частота; of multiples of 3: относительная частота выпадения карты, кратной 3
number of times a multiple of 3 came up = выпадений карты, кратной 3 (count occurrences, never &quot;312 карт&quot; from a deck with 16 such cards)
dash = — (em dash, with spaces)
probability = вероятность; theoretical probability = теоретическая вероятность
with replacement = с возвращением
multiple of 3 = кратное 3 (карта, кратная 3)
spades = пики (in a card&apos;s name: пик)
clubs / clovers = трефы (треф)
hearts = червы (червей)
diamonds = бубны (бубен)
Ace = туз
Jack = валет
Queen = дама
King = король (card names in lower case, as mid-sentence: &quot;дама червей&quot;)
Draw (button) = Вытянуть
Shuffle = Перемешать
Exit = Выход
AutoStart = Автостарт
AutoStop = Автостоп
Init = Сброс
Graph display = График
Help (the main window&apos;s button) = Помощь; the help window (its caption, &quot;Help text&quot;) = Справка
Close = Закрыть
graph = график
dashed line = пунктирная линия
Plural forms: one (1, 21, 31, ...), few (2-4, 22-24, ...), many (0, 5-20, 25-30, ...).
≒ = ≈</translatorcomment>
        <translation>Vandrel</translation>
    </message>
    <message>
        <source>Watch the share of multiples of 3 settle towards 16/52</source>
        <extracomment>One-line summary, no full stop at the end.</extracomment>
        <translation>Наблюдать, как относительная частота выпадения карты, кратной 3, стабилизируется около 16/52</translation>
    </message>
    <message>
        <source>Vandrel teaches probability with a deck of 52 playing cards. Students draw cards by hand or in a fast automatic run of 1000 draws and watch the share of cards whose rank is a multiple of 3 settle towards the theoretical 16/52, shown beside it and plotted against the number of draws.</source>
        <extracomment>The description, one paragraph on one line.</extracomment>
        <translation>Vandrel знакомит с вероятностью на примере колоды из 52 игральных карт. Ученики вытягивают карты вручную или в быстрой автоматической серии из 1000 опытов и наблюдают, как относительная частота выпадения карты, достоинство которой кратно 3, стабилизируется около теоретической вероятности 16/52. Относительная частота показана рядом с 16/52 и изображена на графике в зависимости от числа опытов.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Vandrel</source>
        <extracomment>Menu entry&apos;s name: the program&apos;s name, optionally followed by a few words saying what it is, as in Japanese &quot;Vandrel トランプで確率&quot;.</extracomment>
        <translation>Vandrel — вероятность на игральных картах</translation>
    </message>
    <message>
        <source>Draw playing cards and watch the share of multiples of 3 settle towards 16/52</source>
        <extracomment>Menu entry&apos;s tooltip.</extracomment>
        <translation>Вытягивать карты и наблюдать, как относительная частота выпадения карты, кратной 3, стабилизируется около 16/52</translation>
    </message>
    <message>
        <source>probability;cards;statistics;</source>
        <extracomment>Search words for the menu, each ended by a semicolon; keep the semicolons, no spaces around them.</extracomment>
        <translation>вероятность;карты;статистика;относительная частота;</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Draw</source>
        <extracomment>Button: counts the card on view as one draw.</extracomment>
        <translation>Вытянуть</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <extracomment>Button: starts flipping random cards on view.</extracomment>
        <translation>Перемешать</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>AutoStart</source>
        <extracomment>Button: starts an automatic run of 1000 draws.</extracomment>
        <translation>Автостарт</translation>
    </message>
    <message>
        <source>AutoStop</source>
        <extracomment>Button: stops the automatic run.</extracomment>
        <translation>Автостоп</translation>
    </message>
    <message>
        <source>Init</source>
        <extracomment>Button: starts the experiment afresh, counts at 0.</extracomment>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Graph display</source>
        <translation>График</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Помощь</translation>
    </message>
    <message>
        <source>Number of cards in multiples of 3 drawn</source>
        <translation>Выпадений карты, кратной 3</translation>
    </message>
    <message>
        <source>Total number of cards drawn</source>
        <translation>Всего опытов</translation>
    </message>
    <message>
        <source>Total number of playing cards</source>
        <translation>Всего карт в колоде</translation>
    </message>
    <message>
        <source>Total number of cards in multiples of 3</source>
        <translation>Карт, кратных 3, в колоде</translation>
    </message>
    <message>
        <source>Playing card</source>
        <translation>Игральные карты</translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation>Программа будет закрыта.</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>пик</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>треф</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>червей</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>бубен</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>туз</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>валет</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>дама</translation>
    </message>
    <message>
        <source>King</source>
        <translation>король</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name for screen readers: %1 its rank, %2 its suit (&quot;Queen of hearts&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Drew the %1.</source>
        <extracomment>Said after a manual draw: %1 is a card&apos;s name.</extracomment>
        <translation>Вытянута карта: %1.</translation>
    </message>
    <message>
        <source>The automatic run has ended.</source>
        <translation>Автоматическая серия опытов завершена.</translation>
    </message>
    <message>
        <source>≒</source>
        <extracomment>The sign between the fraction 16/52 or the counts and their decimal value. Keep ≒ or write the sign a school textbook in your language uses (for example ≈).</extracomment>
        <translation>≈</translation>
    </message>
    <message>
        <source>The cards are being shuffled. Press Draw to draw one.</source>
        <translation>Карты перемешиваются. Нажмите [Вытянуть], чтобы вытянуть карту.</translation>
    </message>
    <message>
        <source>An automatic run of 1000 draws has started.</source>
        <translation>Началась автоматическая серия из 1000 опытов.</translation>
    </message>
    <message>
        <source>The automatic run was stopped.</source>
        <translation>Автоматическая серия опытов остановлена.</translation>
    </message>
    <message>
        <source>The counts are reset to 0. Press Shuffle or AutoStart to begin.</source>
        <translation>Счётчики обнулены. Нажмите [Перемешать] или [Автостарт], чтобы начать.</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <extracomment>The number of cards drawn (&quot;12 cards&quot;), which the tally &quot;%n of %1 are multiples of 3; ratio %2.&quot; puts in as its %1.</extracomment>
        <translation>
            <numerusform>%n опыте</numerusform>
            <numerusform>%n опытах</numerusform>
            <numerusform>%n опытах</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 are multiples of 3; ratio %2.</source>
        <extracomment>Said after a draw or a run: %n of the cards drawn are multiples of 3; %1 is the number drawn as &quot;%n card(s)&quot; gives it (&quot;12 cards&quot;); %2 the ratio as shown (0.4166667). &quot;5 of 12 cards are multiples of 3; ratio 0.4166667.&quot;</extracomment>
        <translation>
            <numerusform>В %1 карта, кратная 3, выпала %n раз; относительная частота: %2.</numerusform>
            <numerusform>В %1 карта, кратная 3, выпала %n раза; относительная частота: %2.</numerusform>
            <numerusform>В %1 карта, кратная 3, выпала %n раз; относительная частота: %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>(Vertical axis : Percentage of playing cards that are multiples of 3)</source>
        <translation>(Ось ординат: относительная частота выпадения карты, кратной 3)</translation>
    </message>
    <message>
        <source>(Horizontal axis : Number of experiments)</source>
        <translation>(Ось абсцисс: число опытов)</translation>
    </message>
    <message>
        <source>Graph </source>
        <extracomment>The window&apos;s caption; the maker&apos;s notice follows the space.</extracomment>
        <translation>График </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>График</translation>
    </message>
    <message>
        <source>The ratio of cards that are multiples of 3, from 0.00 at the bottom to 1.00 at the top, against the number of draws, from 0 at the left to 1000 at the right. A dashed line marks the ratio 0.30.</source>
        <translation>Относительная частота выпадения карты, кратной 3, от 0,00 внизу до 1,00 вверху, в зависимости от числа опытов, от 0 слева до 1000 справа. Пунктирная линия отмечает относительную частоту 0,30.</translation>
    </message>
    <message>
        <source>No draws are plotted yet.</source>
        <translation>На графике пока нет ни одного опыта.</translation>
    </message>
    <message>
        <source>Draws plotted: %1. The latest ratio is %2.</source>
        <extracomment>%1 a number of draws, %2 a ratio such as 0.3076923.</extracomment>
        <translation>Опытов на графике: %1. Относительная частота после последнего опыта: %2.</translation>
    </message>
    <message>
        <source>Draws plotted: the first 1000 of %1. The ratio at draw 1000 is %2.</source>
        <extracomment>%1 a number of draws above 1000, %2 a ratio such as 0.3076923.</extracomment>
        <translation>На графике первые 1000 опытов из %1. Относительная частота после 1000 опытов: %2.</translation>
    </message>
    <message>
        <source>The line of the earlier run is still shown; no draws of the new run are plotted yet.</source>
        <translation>Линия прошлой серии опытов ещё показана; опытов новой серии на графике пока нет.</translation>
    </message>
    <message>
        <source>The table gives the ratio at chosen draws. Press Space or Enter to hear the ratio as sound: a soft tone for 0.30 first, then a pitch that rises and falls with the ratio, low for 0 and high for 1, over the draws; press again or Escape to stop.</source>
        <translation>В таблице дана относительная частота при нескольких выбранных значениях числа опытов. Нажмите Пробел или Enter, чтобы услышать относительную частоту в виде звука: сначала тихий тон для 0,30, затем тон, высота которого повышается и понижается вместе с относительной частотой по ходу опытов, низкий для 0 и высокий для 1; нажмите ещё раз или Esc, чтобы остановить.</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Число опытов</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Относительная частота</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source> Playing Cards＿Help（Questions and Operation method） </source>
        <extracomment>The window&apos;s caption, with its leading space; the maker&apos;s notice follows the last space.</extracomment>
        <translation> Игральные карты — Справка (задача и порядок работы) </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>【Problem】</source>
        <extracomment>A line of the help text. Sentences run on over several lines; keep each line short enough for the window, which cuts rather than wraps.</extracomment>
        <translation>【Задача】</translation>
    </message>
    <message>
        <source>There is a set of playing cards.</source>
        <translation>Имеется колода игральных карт.</translation>
    </message>
    <message>
        <source>Use 52 cards excluding 2 jokers.</source>
        <translation>Используются 52 карты, без 2 джокеров.</translation>
    </message>
    <message>
        <source>There are 4 multiples of 3 for each of spades , clovers , diamonds , and</source>
        <translation>В каждой масти (пики, трефы, бубны и червы) есть</translation>
    </message>
    <message>
        <source>hearts , so there are 16 (4×4=16)．</source>
        <translation>4 карты, кратные 3 (3, 6, 9 и дама = 12), всего 16 (4 · 4 = 16).</translation>
    </message>
    <message>
        <source>Consider the probability that when one is drawn from these 52 cards , </source>
        <translation>Из этих 52 карт наугад вытягивают одну карту.</translation>
    </message>
    <message>
        <source>that card is a multiple of 3.</source>
        <translation>Какова вероятность того, что она окажется кратной 3?</translation>
    </message>
    <message>
        <source>Of the 52 cards , 16 are multiples of 3 , so mathematically it is 16/52.</source>
        <translation>Из 52 карт 16 кратны 3, поэтому вероятность равна 16/52.</translation>
    </message>
    <message>
        <source>However , in reality , when one card is drawn one by one and returned 52 </source>
        <translation>Но на практике, вытянув карту 52 раза с возвращением,</translation>
    </message>
    <message>
        <source>terms , a card that is a multiple of 3 doesn&apos;t oppear exactly 16 times.</source>
        <translation>мы не обязательно получим карту, кратную 3, ровно 16 раз.</translation>
    </message>
    <message>
        <source>Then , what is the relationship with theoretical probability 16/52 </source>
        <translation>Какова же связь между результатами опытов</translation>
    </message>
    <message>
        <source>obtained mathematically ?</source>
        <translation>и теоретической вероятностью 16/52, найденной расчётом?</translation>
    </message>
    <message>
        <source>【Operation method】</source>
        <translation>【Порядок работы】</translation>
    </message>
    <message>
        <source>To do it manually , click the [Shuffle] button and then , the [Draw] button.</source>
        <translation>Вручную: нажмите [Перемешать], а затем [Вытянуть].</translation>
    </message>
    <message>
        <source>To do it automatically , click the [AutoStart] button and then , the [AutoStop]</source>
        <translation>Автоматически: нажмите [Автостарт], чтобы начать,</translation>
    </message>
    <message>
        <source>button.</source>
        <extracomment>Help text: the end of the previous line&apos;s sentence.</extracomment>
        <translation>и [Автостоп], чтобы остановить.</translation>
    </message>
    <message>
        <source>When you click the [Graph disply] button , the relationship between the</source>
        <translation>Нажмите [График], чтобы увидеть, как меняется</translation>
    </message>
    <message>
        <source>number of experiments and the ratio of cards drawn in multiples of 3 is  </source>
        <translation>относительная частота выпадения карты, кратной 3,</translation>
    </message>
    <message>
        <source>displayed in a graph.</source>
        <translation>в зависимости от числа опытов.</translation>
    </message>
    <message>
        <source>Click the [Init] button to restart the experiment from the beginning.</source>
        <translation>Нажмите [Сброс], чтобы начать серию опытов сначала.</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Текст справки</translation>
    </message>
</context>
<context>
    <name>Vandrel</name>
    <message>
        <source>© 2026 The Vandrel developers</source>
        <translation>© 2026 Разработчики Vandrel</translation>
    </message>
</context>
</TS>
