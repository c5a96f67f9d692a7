<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AppStream</name>
    <message>
        <source>Vandrel</source>
        <extracomment>The program&apos;s name in the software centre.</extracomment>
        <translatorcomment>Glossar (English = Deutsch)
draw (verb) = ziehen
draw (noun) = Ziehung
trial (one draw) = Ziehung; number of experiments (the graph's axis) = Anzahl der Ziehungen
the number of draws is counted in Ziehungen everywhere, never in Karten (1000 Ziehungen, not 1000 Karten from a deck of 52): %n card(s) = %n Ziehung(en); Total number of cards drawn = Ziehungen insgesamt; Number of cards in multiples of 3 drawn = Ziehungen mit einem Vielfachen von 3
the experiment as a whole (Init) = Versuchsreihe
ratio/relative frequency = relative Häufigkeit
probability = Wahrscheinlichkeit
multiple of 3 = Vielfaches von 3 (Plural: Vielfache von 3)
spades = Pik
clubs/clovers = Kreuz
hearts = Herz
diamonds = Karo
Ace = Ass
Jack = Bube
Queen = Dame
King = König
Draw (button) = Ziehen
Shuffle = Mischen
Exit = Beenden
AutoStart = Auto-Start
AutoStop = Auto-Stopp
Init = Neu
Graph display = Diagramm
Help = Hilfe
Close = Zurück
graph = Diagramm
with replacement = mit Zurücklegen
≒ = ≈</translatorcomment>
        <translation>Vandrel</translation>
    </message>
    <message>
        <source>Watch the share of multiples of 3 settle towards 16/52</source>
        <extracomment>One-line summary, no full stop at the end.</extracomment>
        <translation>Beobachten, wie sich die relative Häufigkeit der Vielfachen von 3 bei 16/52 einpendelt</translation>
    </message>
    <message>
        <source>Vandrel teaches probability with a deck of 52 playing cards. Students draw cards by hand or in a fast automatic run of 1000 draws and watch the share of cards whose rank is a multiple of 3 settle towards the theoretical 16/52, shown beside it and plotted against the number of draws.</source>
        <extracomment>The description, one paragraph on one line.</extracomment>
        <translation>Vandrel veranschaulicht Wahrscheinlichkeiten mit einem Kartenspiel aus 52 Karten. Die Schülerinnen und Schüler ziehen Karten von Hand oder in einer schnellen automatischen Reihe von 1000 Ziehungen und beobachten, wie sich die relative Häufigkeit der Karten, deren Wert ein Vielfaches von 3 ist, bei der theoretischen Wahrscheinlichkeit 16/52 einpendelt. Die relative Häufigkeit wird neben 16/52 angezeigt und in Abhängigkeit von der Anzahl der Ziehungen in einem Diagramm dargestellt.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Vandrel</source>
        <extracomment>Menu entry&apos;s name: the program&apos;s name, optionally followed by a few words saying what it is, as in Japanese &quot;Vandrel トランプで確率&quot;.</extracomment>
        <translation>Vandrel – Wahrscheinlichkeit mit Spielkarten</translation>
    </message>
    <message>
        <source>Draw playing cards and watch the share of multiples of 3 settle towards 16/52</source>
        <extracomment>Menu entry&apos;s tooltip.</extracomment>
        <translation>Karten ziehen und beobachten, wie sich die relative Häufigkeit der Vielfachen von 3 bei 16/52 einpendelt</translation>
    </message>
    <message>
        <source>probability;cards;statistics;</source>
        <extracomment>Search words for the menu, each ended by a semicolon; keep the semicolons, no spaces around them.</extracomment>
        <translation>Wahrscheinlichkeit;Spielkarten;Statistik;Häufigkeit;Stochastik;</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Draw</source>
        <extracomment>Button: counts the card on view as one draw.</extracomment>
        <translation>Ziehen</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <extracomment>Button: starts flipping random cards on view.</extracomment>
        <translation>Mischen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>AutoStart</source>
        <extracomment>Button: starts an automatic run of 1000 draws.</extracomment>
        <translation>Auto-Start</translation>
    </message>
    <message>
        <source>AutoStop</source>
        <extracomment>Button: stops the automatic run.</extracomment>
        <translation>Auto-Stopp</translation>
    </message>
    <message>
        <source>Init</source>
        <extracomment>Button: starts the experiment afresh, counts at 0.</extracomment>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Graph display</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Number of cards in multiples of 3 drawn</source>
        <translation>Ziehungen mit einem Vielfachen von 3</translation>
    </message>
    <message>
        <source>Total number of cards drawn</source>
        <translation>Ziehungen insgesamt</translation>
    </message>
    <message>
        <source>Total number of playing cards</source>
        <translation>Karten insgesamt</translation>
    </message>
    <message>
        <source>Total number of cards in multiples of 3</source>
        <translation>Vielfache von 3 insgesamt</translation>
    </message>
    <message>
        <source>Playing card</source>
        <translation>Spielkarten</translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation>Das Programm wird beendet.</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name for screen readers: %1 its rank, %2 its suit (&quot;Queen of hearts&quot;).</extracomment>
        <translation>%2-%1</translation>
    </message>
    <message>
        <source>Drew the %1.</source>
        <extracomment>Said after a manual draw: %1 is a card&apos;s name.</extracomment>
        <translation>Gezogene Karte: %1.</translation>
    </message>
    <message>
        <source>The automatic run has ended.</source>
        <translation>Das automatische Ziehen ist beendet.</translation>
    </message>
    <message>
        <source>≒</source>
        <extracomment>The sign between the fraction 16/52 or the counts and their decimal value. Keep ≒ or write the sign a school textbook in your language uses (for example ≈).</extracomment>
        <translation>≈</translation>
    </message>
    <message>
        <source>The cards are being shuffled. Press Draw to draw one.</source>
        <translation>Die Karten werden gemischt. [Ziehen] drücken, um eine Karte zu ziehen.</translation>
    </message>
    <message>
        <source>An automatic run of 1000 draws has started.</source>
        <translation>Eine automatische Reihe von 1000 Ziehungen hat begonnen.</translation>
    </message>
    <message>
        <source>The automatic run was stopped.</source>
        <translation>Das automatische Ziehen wurde angehalten.</translation>
    </message>
    <message>
        <source>The counts are reset to 0. Press Shuffle or AutoStart to begin.</source>
        <translation>Alle Zähler stehen wieder auf 0. [Mischen] oder [Auto-Start] drücken, um zu beginnen.</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <extracomment>The number of cards drawn (&quot;12 cards&quot;), which the tally &quot;%n of %1 are multiples of 3; ratio %2.&quot; puts in as its %1.</extracomment>
        <translation>
            <numerusform>%n Ziehung</numerusform>
            <numerusform>%n Ziehungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 are multiples of 3; ratio %2.</source>
        <extracomment>Said after a draw or a run: %n of the cards drawn are multiples of 3; %1 is the number drawn as &quot;%n card(s)&quot; gives it (&quot;12 cards&quot;); %2 the ratio as shown (0.4166667). &quot;5 of 12 cards are multiples of 3; ratio 0.4166667.&quot;</extracomment>
        <translation>
            <numerusform>Bei %n von %1 wurde ein Vielfaches von 3 gezogen; relative Häufigkeit: %2.</numerusform>
            <numerusform>Bei %n von %1 wurde ein Vielfaches von 3 gezogen; relative Häufigkeit: %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>(Vertical axis : Percentage of playing cards that are multiples of 3)</source>
        <translation>(Hochachse: relative Häufigkeit der Vielfachen von 3)</translation>
    </message>
    <message>
        <source>(Horizontal axis : Number of experiments)</source>
        <translation>(Rechtsachse: Anzahl der Ziehungen)</translation>
    </message>
    <message>
        <source>Graph </source>
        <extracomment>The window&apos;s caption; the maker&apos;s notice follows the space.</extracomment>
        <translation>Diagramm </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>The ratio of cards that are multiples of 3, from 0.00 at the bottom to 1.00 at the top, against the number of draws, from 0 at the left to 1000 at the right. A dashed line marks the ratio 0.30.</source>
        <translation>Relative Häufigkeit der Vielfachen von 3, von 0,00 unten bis 1,00 oben, in Abhängigkeit von der Anzahl der Ziehungen, von 0 links bis 1000 rechts. Eine gestrichelte Linie markiert die relative Häufigkeit 0,30.</translation>
    </message>
    <message>
        <source>No draws are plotted yet.</source>
        <translation>Noch sind keine Ziehungen eingezeichnet.</translation>
    </message>
    <message>
        <source>Draws plotted: %1. The latest ratio is %2.</source>
        <extracomment>%1 a number of draws, %2 a ratio such as 0.3076923.</extracomment>
        <translation>Eingezeichnete Ziehungen: %1. Relative Häufigkeit nach der letzten Ziehung: %2.</translation>
    </message>
    <message>
        <source>Draws plotted: the first 1000 of %1. The ratio at draw 1000 is %2.</source>
        <extracomment>%1 a number of draws above 1000, %2 a ratio such as 0.3076923.</extracomment>
        <translation>Eingezeichnete Ziehungen: die ersten 1000 von %1. Relative Häufigkeit nach 1000 Ziehungen: %2.</translation>
    </message>
    <message>
        <source>The line of the earlier run is still shown; no draws of the new run are plotted yet.</source>
        <translation>Die Linie der vorigen Versuchsreihe wird noch angezeigt; von der neuen Versuchsreihe sind noch keine Ziehungen eingezeichnet.</translation>
    </message>
    <message>
        <source>The table gives the ratio at chosen draws. Press Space or Enter to hear the ratio as sound: a soft tone for 0.30 first, then a pitch that rises and falls with the ratio, low for 0 and high for 1, over the draws; press again or Escape to stop.</source>
        <translation>Die Tabelle zeigt die relative Häufigkeit für ausgewählte Anzahlen von Ziehungen. Leertaste oder Eingabetaste drücken, um die relative Häufigkeit als Tonfolge anzuhören: zuerst ein leiser Ton für 0,30, dann ein Ton, dessen Höhe im Verlauf der Ziehungen mit der relativen Häufigkeit steigt und fällt, tief bei 0 und hoch bei 1; zum Beenden die Taste erneut oder Esc drücken.</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Ziehungen</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Relative Häufigkeit</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source> Playing Cards＿Help（Questions and Operation method） </source>
        <extracomment>The window&apos;s caption, with its leading space; the maker&apos;s notice follows the last space.</extracomment>
        <translation> Spielkarten – Hilfe (Aufgabe und Bedienung) </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>【Problem】</source>
        <extracomment>A line of the help text. Sentences run on over several lines; keep each line short enough for the window, which cuts rather than wraps.</extracomment>
        <translation>【Aufgabe】</translation>
    </message>
    <message>
        <source>There is a set of playing cards.</source>
        <translation>Gegeben ist ein Kartenspiel.</translation>
    </message>
    <message>
        <source>Use 52 cards excluding 2 jokers.</source>
        <translation>Verwendet werden die 52 Karten ohne die 2 Joker.</translation>
    </message>
    <message>
        <source>There are 4 multiples of 3 for each of spades , clovers , diamonds , and</source>
        <translation>Jede Farbe (Pik, Kreuz, Karo, Herz) hat 4 Karten, deren Wert</translation>
    </message>
    <message>
        <source>hearts , so there are 16 (4×4=16)．</source>
        <translation>ein Vielfaches von 3 ist (3, 6, 9, Dame = 12), zusammen 16 (4 · 4 = 16).</translation>
    </message>
    <message>
        <source>Consider the probability that when one is drawn from these 52 cards , </source>
        <translation>Betrachtet wird die Wahrscheinlichkeit, beim einmaligen Ziehen</translation>
    </message>
    <message>
        <source>that card is a multiple of 3.</source>
        <translation>aus diesen 52 Karten ein Vielfaches von 3 zu erhalten.</translation>
    </message>
    <message>
        <source>Of the 52 cards , 16 are multiples of 3 , so mathematically it is 16/52.</source>
        <translation>Da 16 der 52 Karten Vielfache von 3 sind, ist sie rechnerisch 16/52.</translation>
    </message>
    <message>
        <source>However , in reality , when one card is drawn one by one and returned 52 </source>
        <translation>Zieht man aber 52-mal eine Karte mit Zurücklegen, so erhält man</translation>
    </message>
    <message>
        <source>terms , a card that is a multiple of 3 doesn&apos;t oppear exactly 16 times.</source>
        <translation>nicht unbedingt genau 16-mal ein Vielfaches von 3.</translation>
    </message>
    <message>
        <source>Then , what is the relationship with theoretical probability 16/52 </source>
        <translation>Welcher Zusammenhang besteht dann zwischen den Ergebnissen</translation>
    </message>
    <message>
        <source>obtained mathematically ?</source>
        <translation>und der theoretisch berechneten Wahrscheinlichkeit 16/52?</translation>
    </message>
    <message>
        <source>【Operation method】</source>
        <translation>【Bedienung】</translation>
    </message>
    <message>
        <source>To do it manually , click the [Shuffle] button and then , the [Draw] button.</source>
        <translation>Ziehen von Hand: erst [Mischen], dann [Ziehen] anklicken.</translation>
    </message>
    <message>
        <source>To do it automatically , click the [AutoStart] button and then , the [AutoStop]</source>
        <translation>Automatisches Ziehen: [Auto-Start] anklicken, zum Anhalten</translation>
    </message>
    <message>
        <source>button.</source>
        <extracomment>Help text: the end of the previous line&apos;s sentence.</extracomment>
        <translation>[Auto-Stopp] anklicken.</translation>
    </message>
    <message>
        <source>When you click the [Graph disply] button , the relationship between the</source>
        <translation>Ein Klick auf [Diagramm] zeigt grafisch, wie sich</translation>
    </message>
    <message>
        <source>number of experiments and the ratio of cards drawn in multiples of 3 is  </source>
        <translation>die relative Häufigkeit der Vielfachen von 3</translation>
    </message>
    <message>
        <source>displayed in a graph.</source>
        <translation>mit der Anzahl der Ziehungen ändert.</translation>
    </message>
    <message>
        <source>Click the [Init] button to restart the experiment from the beginning.</source>
        <translation>[Neu] anklicken, um die Versuchsreihe von vorn zu beginnen.</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
</context>
<context>
    <name>Vandrel</name>
    <message>
        <source>© 2026 The Vandrel developers</source>
        <translation>© 2026 Das Vandrel-Team</translation>
    </message>
</context>
</TS>
