<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AppStream</name>
    <message>
        <source>Vandrel</source>
        <extracomment>The program&apos;s name in the software centre.</extracomment>
        <translatorcomment>Słowniczek (English = polski)
draw (verb) = losować, wylosować
draw (noun) = losowanie; number of draws (labels, graph axis, table, the graph&apos;s spoken sentences, help) = liczba losowań
experiment (the whole series, restarted by Init) = doświadczenie; automatic run = automatyczna seria losowań
ratio / relative frequency = częstość względna
probability = prawdopodobieństwo; theoretical probability = prawdopodobieństwo teoretyczne
with replacement = ze zwracaniem
multiple of 3 = wielokrotność liczby 3 (also in the window&apos;s labels)
spades = pik
clubs / clovers = trefl
hearts = kier
diamonds = karo
Ace = as
Jack = walet
Queen = dama
King = król (card names in lower case, as mid-sentence: &quot;dama kier&quot;)
Draw (button) = Losuj
Shuffle = Tasuj
Exit = Zakończ
AutoStart = Uruchom serię
AutoStop = Zatrzymaj serię (not &quot;Auto-stop&quot;: autostop is hitchhiking)
Init = Zeruj
Graph display = Wykres
Help = Pomoc
Close = Zamknij
graph = wykres
dashed line = linia przerywana
Plural forms: one (1), few (2-4, 22-24, ...), many (0, 5-21, 25-31, ...).
≒ = ≈</translatorcomment>
        <translation>Vandrel</translation>
    </message>
    <message>
        <source>Watch the share of multiples of 3 settle towards 16/52</source>
        <extracomment>One-line summary, no full stop at the end.</extracomment>
        <translation>Obserwuj, jak częstość względna wielokrotności liczby 3 stabilizuje się wokół 16/52</translation>
    </message>
    <message>
        <source>Vandrel teaches probability with a deck of 52 playing cards. Students draw cards by hand or in a fast automatic run of 1000 draws and watch the share of cards whose rank is a multiple of 3 settle towards the theoretical 16/52, shown beside it and plotted against the number of draws.</source>
        <extracomment>The description, one paragraph on one line.</extracomment>
        <translation>Vandrel uczy rachunku prawdopodobieństwa za pomocą talii 52 kart. Uczniowie losują karty ręcznie lub w szybkiej automatycznej serii 1000 losowań i obserwują, jak częstość względna kart, których wartość jest wielokrotnością liczby 3, stabilizuje się wokół prawdopodobieństwa teoretycznego 16/52. Częstość względna jest pokazana obok 16/52 i przedstawiona na wykresie w zależności od liczby losowań.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Vandrel</source>
        <extracomment>Menu entry&apos;s name: the program&apos;s name, optionally followed by a few words saying what it is, as in Japanese &quot;Vandrel トランプで確率&quot;.</extracomment>
        <translation>Vandrel – prawdopodobieństwo na kartach</translation>
    </message>
    <message>
        <source>Draw playing cards and watch the share of multiples of 3 settle towards 16/52</source>
        <extracomment>Menu entry&apos;s tooltip.</extracomment>
        <translation>Losuj karty i obserwuj, jak częstość względna wielokrotności liczby 3 stabilizuje się wokół 16/52</translation>
    </message>
    <message>
        <source>probability;cards;statistics;</source>
        <extracomment>Search words for the menu, each ended by a semicolon; keep the semicolons, no spaces around them.</extracomment>
        <translation>prawdopodobieństwo;karty;statystyka;częstość względna;</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Draw</source>
        <extracomment>Button: counts the card on view as one draw.</extracomment>
        <translation>Losuj</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <extracomment>Button: starts flipping random cards on view.</extracomment>
        <translation>Tasuj</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>AutoStart</source>
        <extracomment>Button: starts an automatic run of 1000 draws.</extracomment>
        <translation>Uruchom serię</translation>
    </message>
    <message>
        <source>AutoStop</source>
        <extracomment>Button: stops the automatic run.</extracomment>
        <translation>Zatrzymaj serię</translation>
    </message>
    <message>
        <source>Init</source>
        <extracomment>Button: starts the experiment afresh, counts at 0.</extracomment>
        <translation>Zeruj</translation>
    </message>
    <message>
        <source>Graph display</source>
        <translation>Wykres</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Number of cards in multiples of 3 drawn</source>
        <translation>Liczba wylosowanych wielokrotności liczby 3</translation>
    </message>
    <message>
        <source>Total number of cards drawn</source>
        <translation>Liczba wszystkich losowań</translation>
    </message>
    <message>
        <source>Total number of playing cards</source>
        <translation>Liczba wszystkich kart</translation>
    </message>
    <message>
        <source>Total number of cards in multiples of 3</source>
        <translation>Liczba wielokrotności liczby 3 w talii</translation>
    </message>
    <message>
        <source>Playing card</source>
        <translation>Karty do gry</translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation>Program zostanie zamknięty.</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>pik</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>trefl</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>kier</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>karo</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>as</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>walet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>dama</translation>
    </message>
    <message>
        <source>King</source>
        <translation>król</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name for screen readers: %1 its rank, %2 its suit (&quot;Queen of hearts&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Drew the %1.</source>
        <extracomment>Said after a manual draw: %1 is a card&apos;s name.</extracomment>
        <translation>Wylosowano kartę: %1.</translation>
    </message>
    <message>
        <source>The automatic run has ended.</source>
        <translation>Automatyczna seria losowań zakończyła się.</translation>
    </message>
    <message>
        <source>≒</source>
        <extracomment>The sign between the fraction 16/52 or the counts and their decimal value. Keep ≒ or write the sign a school textbook in your language uses (for example ≈).</extracomment>
        <translation>≈</translation>
    </message>
    <message>
        <source>The cards are being shuffled. Press Draw to draw one.</source>
        <translation>Karty są tasowane. Naciśnij [Losuj], aby wylosować kartę.</translation>
    </message>
    <message>
        <source>An automatic run of 1000 draws has started.</source>
        <translation>Rozpoczęła się automatyczna seria 1000 losowań.</translation>
    </message>
    <message>
        <source>The automatic run was stopped.</source>
        <translation>Automatyczna seria losowań została zatrzymana.</translation>
    </message>
    <message>
        <source>The counts are reset to 0. Press Shuffle or AutoStart to begin.</source>
        <translation>Liczniki wyzerowano. Naciśnij [Tasuj] lub [Uruchom serię], aby zacząć.</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <extracomment>The number of cards drawn (&quot;12 cards&quot;), which the tally &quot;%n of %1 are multiples of 3; ratio %2.&quot; puts in as its %1.</extracomment>
        <translation>
            <numerusform>%n losowaniu</numerusform>
            <numerusform>%n losowaniach</numerusform>
            <numerusform>%n losowaniach</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 are multiples of 3; ratio %2.</source>
        <extracomment>Said after a draw or a run: %n of the cards drawn are multiples of 3; %1 is the number drawn as &quot;%n card(s)&quot; gives it (&quot;12 cards&quot;); %2 the ratio as shown (0.4166667). &quot;5 of 12 cards are multiples of 3; ratio 0.4166667.&quot;</extracomment>
        <translation>
            <numerusform>W %1 wielokrotność liczby 3 wylosowano %n raz; częstość względna: %2.</numerusform>
            <numerusform>W %1 wielokrotność liczby 3 wylosowano %n razy; częstość względna: %2.</numerusform>
            <numerusform>W %1 wielokrotność liczby 3 wylosowano %n razy; częstość względna: %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>(Vertical axis : Percentage of playing cards that are multiples of 3)</source>
        <translation>(Oś pionowa: częstość względna wielokrotności liczby 3)</translation>
    </message>
    <message>
        <source>(Horizontal axis : Number of experiments)</source>
        <translation>(Oś pozioma: liczba losowań)</translation>
    </message>
    <message>
        <source>Graph </source>
        <extracomment>The window&apos;s caption; the maker&apos;s notice follows the space.</extracomment>
        <translation>Wykres </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Wykres</translation>
    </message>
    <message>
        <source>The ratio of cards that are multiples of 3, from 0.00 at the bottom to 1.00 at the top, against the number of draws, from 0 at the left to 1000 at the right. A dashed line marks the ratio 0.30.</source>
        <translation>Częstość względna wielokrotności liczby 3, od 0,00 na dole do 1,00 na górze, w zależności od liczby losowań, od 0 z lewej do 1000 z prawej. Linia przerywana oznacza częstość względną 0,30.</translation>
    </message>
    <message>
        <source>No draws are plotted yet.</source>
        <translation>Nie przedstawiono jeszcze żadnych losowań.</translation>
    </message>
    <message>
        <source>Draws plotted: %1. The latest ratio is %2.</source>
        <extracomment>%1 a number of draws, %2 a ratio such as 0.3076923.</extracomment>
        <translation>Liczba losowań na wykresie: %1. Ostatnia częstość względna: %2.</translation>
    </message>
    <message>
        <source>Draws plotted: the first 1000 of %1. The ratio at draw 1000 is %2.</source>
        <extracomment>%1 a number of draws above 1000, %2 a ratio such as 0.3076923.</extracomment>
        <translation>Na wykresie przedstawiono pierwsze 1000 z %1 losowań. Częstość względna po 1000 losowaniach: %2.</translation>
    </message>
    <message>
        <source>The line of the earlier run is still shown; no draws of the new run are plotted yet.</source>
        <translation>Linia poprzedniego doświadczenia jest nadal widoczna; nie przedstawiono jeszcze żadnych losowań nowego doświadczenia.</translation>
    </message>
    <message>
        <source>The table gives the ratio at chosen draws. Press Space or Enter to hear the ratio as sound: a soft tone for 0.30 first, then a pitch that rises and falls with the ratio, low for 0 and high for 1, over the draws; press again or Escape to stop.</source>
        <translation>Tabela podaje częstość względną dla wybranych liczb losowań. Naciśnij Spację lub Enter, aby usłyszeć częstość względną jako dźwięk: najpierw cichy ton dla 0,30, potem ton, którego wysokość rośnie i maleje wraz z częstością względną w kolejnych losowaniach, niski dla 0 i wysoki dla 1; naciśnij ponownie lub Esc, aby zatrzymać.</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Liczba losowań</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Częstość względna</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source> Playing Cards＿Help（Questions and Operation method） </source>
        <extracomment>The window&apos;s caption, with its leading space; the maker&apos;s notice follows the last space.</extracomment>
        <translation> Karty do gry – Pomoc (zadanie i obsługa programu) </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>【Problem】</source>
        <extracomment>A line of the help text. Sentences run on over several lines; keep each line short enough for the window, which cuts rather than wraps.</extracomment>
        <translation>【Zadanie】</translation>
    </message>
    <message>
        <source>There is a set of playing cards.</source>
        <translation>Mamy talię kart do gry.</translation>
    </message>
    <message>
        <source>Use 52 cards excluding 2 jokers.</source>
        <translation>Używamy 52 kart, bez 2 jokerów.</translation>
    </message>
    <message>
        <source>There are 4 multiples of 3 for each of spades , clovers , diamonds , and</source>
        <translation>W każdym kolorze (pik, trefl, karo i kier) są</translation>
    </message>
    <message>
        <source>hearts , so there are 16 (4×4=16)．</source>
        <translation>4 wielokrotności liczby 3 (3, 6, 9 i dama = 12), razem 16 (4 · 4 = 16).</translation>
    </message>
    <message>
        <source>Consider the probability that when one is drawn from these 52 cards , </source>
        <translation>Z tych 52 kart losujemy jedną. Jakie jest prawdopodobieństwo,</translation>
    </message>
    <message>
        <source>that card is a multiple of 3.</source>
        <translation>że jest to wielokrotność liczby 3?</translation>
    </message>
    <message>
        <source>Of the 52 cards , 16 are multiples of 3 , so mathematically it is 16/52.</source>
        <translation>Takich kart jest 16 na 52, więc prawdopodobieństwo wynosi 16/52.</translation>
    </message>
    <message>
        <source>However , in reality , when one card is drawn one by one and returned 52 </source>
        <translation>Jednak w praktyce, losując 52 razy jedną kartę ze zwracaniem,</translation>
    </message>
    <message>
        <source>terms , a card that is a multiple of 3 doesn&apos;t oppear exactly 16 times.</source>
        <translation>nie zawsze otrzymamy wielokrotność liczby 3 dokładnie 16 razy.</translation>
    </message>
    <message>
        <source>Then , what is the relationship with theoretical probability 16/52 </source>
        <translation>Jaki jest więc związek między otrzymanymi wynikami</translation>
    </message>
    <message>
        <source>obtained mathematically ?</source>
        <translation>a obliczonym prawdopodobieństwem teoretycznym 16/52?</translation>
    </message>
    <message>
        <source>【Operation method】</source>
        <translation>【Obsługa programu】</translation>
    </message>
    <message>
        <source>To do it manually , click the [Shuffle] button and then , the [Draw] button.</source>
        <translation>Losowanie ręczne: kliknij [Tasuj], a potem [Losuj].</translation>
    </message>
    <message>
        <source>To do it automatically , click the [AutoStart] button and then , the [AutoStop]</source>
        <translation>Losowanie automatyczne: kliknij [Uruchom serię],</translation>
    </message>
    <message>
        <source>button.</source>
        <extracomment>Help text: the end of the previous line&apos;s sentence.</extracomment>
        <translation>a gdy zechcesz ją przerwać, kliknij [Zatrzymaj serię].</translation>
    </message>
    <message>
        <source>When you click the [Graph disply] button , the relationship between the</source>
        <translation>Po kliknięciu [Wykres] zobaczysz na wykresie, jak zmienia się</translation>
    </message>
    <message>
        <source>number of experiments and the ratio of cards drawn in multiples of 3 is  </source>
        <translation>częstość względna wylosowanych wielokrotności liczby 3</translation>
    </message>
    <message>
        <source>displayed in a graph.</source>
        <translation>w zależności od liczby losowań.</translation>
    </message>
    <message>
        <source>Click the [Init] button to restart the experiment from the beginning.</source>
        <translation>Kliknij [Zeruj], aby rozpocząć doświadczenie od początku.</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Tekst pomocy</translation>
    </message>
</context>
<context>
    <name>Vandrel</name>
    <message>
        <source>© 2026 The Vandrel developers</source>
        <translation>© 2026 Twórcy programu Vandrel</translation>
    </message>
</context>
</TS>
