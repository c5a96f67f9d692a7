<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>AppStream</name>
    <message>
        <source>Vandrel</source>
        <extracomment>The program&apos;s name in the software centre.</extracomment>
        <translatorcomment>Словник (English = українська)
draw (verb) = витягти карту
draw (noun) = випробування (one card drawn); number of draws (also the graph&apos;s &quot;number of experiments&quot;) = кількість випробувань
experiment (the whole series, restarted by Init) = серія випробувань; automatic run = автоматична серія випробувань
ratio / relative frequency = відносна частота
probability = ймовірність; theoretical probability = теоретична ймовірність
with replacement = з поверненням
multiple of 3 = кратне 3 (карта, кратна 3)
spades = піки (in a card&apos;s name: пік)
clubs / clovers = трефи (треф)
hearts = чирви (чирв)
diamonds = бубни (бубон)
Ace = туз
Jack = валет
Queen = дама
King = король (card names in lower case, as mid-sentence: &quot;дама чирв&quot;)
Draw (button) = Витягти
Shuffle = Перемішати
Exit = Вихід
AutoStart = Автостарт
AutoStop = Автостоп
Init = Заново (afresh, from the start; not Знову, &quot;again&quot;)
Graph display = Графік
Help = Довідка
Close = Закрити
graph = графік
dashed line = штрихова лінія
the count of draws that gave a multiple of 3 = випадань карти, кратної 3 (textbook: кількість випадань); relative frequency of it = відносна частота випадання карти, кратної 3
number of draws in the table column = кількість випробувань
reset to 0 = обнулити
euphony: у/в, і/й alternate (у швидкій, з імовірністю)
apostrophe = ’
Plural forms: one (1, 21, 31, ...), few (2-4, 22-24, ...), many (0, 5-20, 25-30, ...).
≒ = ≈</translatorcomment>
        <translation>Vandrel</translation>
    </message>
    <message>
        <source>Watch the share of multiples of 3 settle towards 16/52</source>
        <extracomment>One-line summary, no full stop at the end.</extracomment>
        <translation>Спостерігати, як відносна частота випадання карти, кратної 3, стабілізується біля 16/52</translation>
    </message>
    <message>
        <source>Vandrel teaches probability with a deck of 52 playing cards. Students draw cards by hand or in a fast automatic run of 1000 draws and watch the share of cards whose rank is a multiple of 3 settle towards the theoretical 16/52, shown beside it and plotted against the number of draws.</source>
        <extracomment>The description, one paragraph on one line.</extracomment>
        <translation>Vandrel знайомить з імовірністю на прикладі колоди з 52 гральних карт. Учні витягають карти вручну або у швидкій автоматичній серії з 1000 випробувань і спостерігають, як відносна частота випадання карти, значення якої кратне 3, стабілізується біля теоретичної ймовірності 16/52. Відносну частоту показано поруч із 16/52 і зображено на графіку залежно від кількості випробувань.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Vandrel</source>
        <extracomment>Menu entry&apos;s name: the program&apos;s name, optionally followed by a few words saying what it is, as in Japanese &quot;Vandrel トランプで確率&quot;.</extracomment>
        <translation>Vandrel – імовірність на гральних картах</translation>
    </message>
    <message>
        <source>Draw playing cards and watch the share of multiples of 3 settle towards 16/52</source>
        <extracomment>Menu entry&apos;s tooltip.</extracomment>
        <translation>Витягати карти й спостерігати, як відносна частота випадання карти, кратної 3, стабілізується біля 16/52</translation>
    </message>
    <message>
        <source>probability;cards;statistics;</source>
        <extracomment>Search words for the menu, each ended by a semicolon; keep the semicolons, no spaces around them.</extracomment>
        <translation>ймовірність;імовірність;карти;статистика;відносна частота;</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Draw</source>
        <extracomment>Button: counts the card on view as one draw.</extracomment>
        <translation>Витягти</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <extracomment>Button: starts flipping random cards on view.</extracomment>
        <translation>Перемішати</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вихід</translation>
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
        <translation>Заново</translation>
    </message>
    <message>
        <source>Graph display</source>
        <translation>Графік</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Number of cards in multiples of 3 drawn</source>
        <translation>Випадань карти, кратної 3</translation>
    </message>
    <message>
        <source>Total number of cards drawn</source>
        <translation>Усього випробувань</translation>
    </message>
    <message>
        <source>Total number of playing cards</source>
        <translation>Усього карт у колоді</translation>
    </message>
    <message>
        <source>Total number of cards in multiples of 3</source>
        <translation>Карт, кратних 3, у колоді</translation>
    </message>
    <message>
        <source>Playing card</source>
        <translation>Гральні карти</translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation>Програму буде закрито.</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>пік</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>треф</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>чирв</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>бубон</translation>
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
        <translation>Витягнуто карту: %1.</translation>
    </message>
    <message>
        <source>The automatic run has ended.</source>
        <translation>Автоматичну серію випробувань завершено.</translation>
    </message>
    <message>
        <source>≒</source>
        <extracomment>The sign between the fraction 16/52 or the counts and their decimal value. Keep ≒ or write the sign a school textbook in your language uses (for example ≈).</extracomment>
        <translation>≈</translation>
    </message>
    <message>
        <source>The cards are being shuffled. Press Draw to draw one.</source>
        <translation>Карти перемішуються. Натисніть [Витягти], щоб витягти карту.</translation>
    </message>
    <message>
        <source>An automatic run of 1000 draws has started.</source>
        <translation>Розпочато автоматичну серію з 1000 випробувань.</translation>
    </message>
    <message>
        <source>The automatic run was stopped.</source>
        <translation>Автоматичну серію випробувань зупинено.</translation>
    </message>
    <message>
        <source>The counts are reset to 0. Press Shuffle or AutoStart to begin.</source>
        <translation>Лічильники обнулено. Натисніть [Перемішати] або [Автостарт], щоб почати.</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <extracomment>The number of cards drawn (&quot;12 cards&quot;), which the tally &quot;%n of %1 are multiples of 3; ratio %2.&quot; puts in as its %1.</extracomment>
        <translation>
            <numerusform>%n випробуванні</numerusform>
            <numerusform>%n випробуваннях</numerusform>
            <numerusform>%n випробуваннях</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 are multiples of 3; ratio %2.</source>
        <extracomment>Said after a draw or a run: %n of the cards drawn are multiples of 3; %1 is the number drawn as &quot;%n card(s)&quot; gives it (&quot;12 cards&quot;); %2 the ratio as shown (0.4166667). &quot;5 of 12 cards are multiples of 3; ratio 0.4166667.&quot;</extracomment>
        <translation>
            <numerusform>У %1 карта, кратна 3, випала %n раз; відносна частота: %2.</numerusform>
            <numerusform>У %1 карта, кратна 3, випала %n рази; відносна частота: %2.</numerusform>
            <numerusform>У %1 карта, кратна 3, випала %n разів; відносна частота: %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>(Vertical axis : Percentage of playing cards that are multiples of 3)</source>
        <translation>(Вісь y: відносна частота випадання карти, кратної 3)</translation>
    </message>
    <message>
        <source>(Horizontal axis : Number of experiments)</source>
        <translation>(Вісь x: кількість випробувань)</translation>
    </message>
    <message>
        <source>Graph </source>
        <extracomment>The window&apos;s caption; the maker&apos;s notice follows the space.</extracomment>
        <translation>Графік </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Графік</translation>
    </message>
    <message>
        <source>The ratio of cards that are multiples of 3, from 0.00 at the bottom to 1.00 at the top, against the number of draws, from 0 at the left to 1000 at the right. A dashed line marks the ratio 0.30.</source>
        <translation>Графік показує відносну частоту випадання карти, кратної 3 (від 0,00 унизу до 1,00 угорі), залежно від кількості випробувань (від 0 ліворуч до 1000 праворуч). Штрихова лінія позначає відносну частоту 0,30.</translation>
    </message>
    <message>
        <source>No draws are plotted yet.</source>
        <translation>На графіку ще немає жодного випробування.</translation>
    </message>
    <message>
        <source>Draws plotted: %1. The latest ratio is %2.</source>
        <extracomment>%1 a number of draws, %2 a ratio such as 0.3076923.</extracomment>
        <translation>Випробувань на графіку: %1. Остання відносна частота: %2.</translation>
    </message>
    <message>
        <source>Draws plotted: the first 1000 of %1. The ratio at draw 1000 is %2.</source>
        <extracomment>%1 a number of draws above 1000, %2 a ratio such as 0.3076923.</extracomment>
        <translation>На графіку перші 1000 випробувань із %1. Відносна частота після 1000 випробувань: %2.</translation>
    </message>
    <message>
        <source>The line of the earlier run is still shown; no draws of the new run are plotted yet.</source>
        <translation>Лінію попередньої серії випробувань ще показано; випробувань нової серії на графіку ще немає.</translation>
    </message>
    <message>
        <source>The table gives the ratio at chosen draws. Press Space or Enter to hear the ratio as sound: a soft tone for 0.30 first, then a pitch that rises and falls with the ratio, low for 0 and high for 1, over the draws; press again or Escape to stop.</source>
        <translation>У таблиці подано відносну частоту для кількох вибраних значень кількості випробувань. Натисніть Пробіл або Enter, щоб почути відносну частоту у вигляді звуку: спершу тихий тон для 0,30, потім тон, висота якого підвищується й знижується разом із відносною частотою в міру проведення випробувань, низький для 0 і високий для 1; натисніть ще раз або Esc, щоб зупинити.</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Кількість випробувань</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Відносна частота</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source> Playing Cards＿Help（Questions and Operation method） </source>
        <extracomment>The window&apos;s caption, with its leading space; the maker&apos;s notice follows the last space.</extracomment>
        <translation> Гральні карти – Довідка (задача і порядок роботи) </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>【Problem】</source>
        <extracomment>A line of the help text. Sentences run on over several lines; keep each line short enough for the window, which cuts rather than wraps.</extracomment>
        <translation>【Задача】</translation>
    </message>
    <message>
        <source>There is a set of playing cards.</source>
        <translation>Є колода гральних карт.</translation>
    </message>
    <message>
        <source>Use 52 cards excluding 2 jokers.</source>
        <translation>Використовуємо 52 карти, без 2 джокерів.</translation>
    </message>
    <message>
        <source>There are 4 multiples of 3 for each of spades , clovers , diamonds , and</source>
        <translation>У кожній масті (піки, трефи, бубни і чирви) є</translation>
    </message>
    <message>
        <source>hearts , so there are 16 (4×4=16)．</source>
        <translation>4 карти, кратні 3 (3, 6, 9 і дама, тобто 12), усього 4 · 4 = 16.</translation>
    </message>
    <message>
        <source>Consider the probability that when one is drawn from these 52 cards , </source>
        <translation>Яка ймовірність того, що карта, навмання витягнута</translation>
    </message>
    <message>
        <source>that card is a multiple of 3.</source>
        <translation>з цих 52 карт, буде кратною 3?</translation>
    </message>
    <message>
        <source>Of the 52 cards , 16 are multiples of 3 , so mathematically it is 16/52.</source>
        <translation>Із 52 карт 16 кратні 3, тому ймовірність дорівнює 16/52.</translation>
    </message>
    <message>
        <source>However , in reality , when one card is drawn one by one and returned 52 </source>
        <translation>Та на практиці, витягнувши карту 52 рази з поверненням,</translation>
    </message>
    <message>
        <source>terms , a card that is a multiple of 3 doesn&apos;t oppear exactly 16 times.</source>
        <translation>ми не обов’язково отримаємо карту, кратну 3, рівно 16 разів.</translation>
    </message>
    <message>
        <source>Then , what is the relationship with theoretical probability 16/52 </source>
        <translation>Який же зв’язок між результатами випробувань</translation>
    </message>
    <message>
        <source>obtained mathematically ?</source>
        <translation>і теоретичною ймовірністю 16/52, знайденою обчисленням?</translation>
    </message>
    <message>
        <source>【Operation method】</source>
        <translation>【Порядок роботи】</translation>
    </message>
    <message>
        <source>To do it manually , click the [Shuffle] button and then , the [Draw] button.</source>
        <translation>Вручну: натисніть [Перемішати], а потім [Витягти].</translation>
    </message>
    <message>
        <source>To do it automatically , click the [AutoStart] button and then , the [AutoStop]</source>
        <translation>Автоматично: натисніть [Автостарт], щоб почати,</translation>
    </message>
    <message>
        <source>button.</source>
        <extracomment>Help text: the end of the previous line&apos;s sentence.</extracomment>
        <translation>і [Автостоп], щоб зупинити.</translation>
    </message>
    <message>
        <source>When you click the [Graph disply] button , the relationship between the</source>
        <translation>Натисніть [Графік], щоб побачити, як змінюється</translation>
    </message>
    <message>
        <source>number of experiments and the ratio of cards drawn in multiples of 3 is  </source>
        <translation>відносна частота випадання карти, кратної 3,</translation>
    </message>
    <message>
        <source>displayed in a graph.</source>
        <translation>залежно від кількості випробувань.</translation>
    </message>
    <message>
        <source>Click the [Init] button to restart the experiment from the beginning.</source>
        <translation>Натисніть [Заново], щоб почати нову серію випробувань.</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Текст довідки</translation>
    </message>
</context>
<context>
    <name>Vandrel</name>
    <message>
        <source>© 2026 The Vandrel developers</source>
        <translation>© 2026 Розробники Vandrel</translation>
    </message>
</context>
</TS>
