<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AppStream</name>
    <message>
        <source>Vandrel</source>
        <extracomment>The program&apos;s name in the software centre.</extracomment>
        <translatorcomment>Woordenlijst (English = Nederlands)
draw (verb) = trekken
draw (noun) = trekking; number of draws (also the graph&apos;s &quot;number of experiments&quot;) = aantal trekkingen
experiment (the whole series, restarted by Init) = experiment; automatic run = automatische reeks
ratio / relative frequency = relatieve frequentie
probability = kans; theoretical probability = theoretische kans
with replacement = met terugleggen
multiple of 3 = veelvoud van 3
spades = schoppen
clubs / clovers = klaveren
hearts = harten
diamonds = ruiten
Ace = aas
Jack = boer
Queen = vrouw
King = heer (card names in lower case, as mid-sentence: &quot;harten vrouw&quot;)
Draw (button) = Trekken
Shuffle = Schudden
Exit = Afsluiten
AutoStart = Auto-start
AutoStop = Auto-stop
Init = Wissen
Graph display = Grafiek
Help = Help
Close = Sluiten
graph = grafiek
dashed line = gestreepte lijn
Number of cards in multiples of 3 drawn (label) = Aantal trekkingen met een veelvoud van 3 (draws are counted, not cards: 312 of 1000 draws, never 312 of the 16 multiples of 3 in the deck)
≒ = ≈</translatorcomment>
        <translation>Vandrel</translation>
    </message>
    <message>
        <source>Watch the share of multiples of 3 settle towards 16/52</source>
        <extracomment>One-line summary, no full stop at the end.</extracomment>
        <translation>Zien hoe de relatieve frequentie van de veelvouden van 3 zich rond 16/52 stabiliseert</translation>
    </message>
    <message>
        <source>Vandrel teaches probability with a deck of 52 playing cards. Students draw cards by hand or in a fast automatic run of 1000 draws and watch the share of cards whose rank is a multiple of 3 settle towards the theoretical 16/52, shown beside it and plotted against the number of draws.</source>
        <extracomment>The description, one paragraph on one line.</extracomment>
        <translation>Met Vandrel leren leerlingen kansrekening met een spel van 52 speelkaarten. Ze trekken kaarten met de hand of in een snelle automatische reeks van 1000 trekkingen en zien hoe de relatieve frequentie van de kaarten met een waarde die een veelvoud van 3 is, zich stabiliseert rond de theoretische kans 16/52. De relatieve frequentie staat naast 16/52 en wordt in een grafiek uitgezet tegen het aantal trekkingen.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Vandrel</source>
        <extracomment>Menu entry&apos;s name: the program&apos;s name, optionally followed by a few words saying what it is, as in Japanese &quot;Vandrel トランプで確率&quot;.</extracomment>
        <translation>Vandrel – kansrekening met speelkaarten</translation>
    </message>
    <message>
        <source>Draw playing cards and watch the share of multiples of 3 settle towards 16/52</source>
        <extracomment>Menu entry&apos;s tooltip.</extracomment>
        <translation>Kaarten trekken en zien hoe de relatieve frequentie van de veelvouden van 3 zich rond 16/52 stabiliseert</translation>
    </message>
    <message>
        <source>probability;cards;statistics;</source>
        <extracomment>Search words for the menu, each ended by a semicolon; keep the semicolons, no spaces around them.</extracomment>
        <translation>kans;kansrekening;kaarten;statistiek;relatieve frequentie;</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Draw</source>
        <extracomment>Button: counts the card on view as one draw.</extracomment>
        <translation>Trekken</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <extracomment>Button: starts flipping random cards on view.</extracomment>
        <translation>Schudden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>AutoStart</source>
        <extracomment>Button: starts an automatic run of 1000 draws.</extracomment>
        <translation>Auto-start</translation>
    </message>
    <message>
        <source>AutoStop</source>
        <extracomment>Button: stops the automatic run.</extracomment>
        <translation>Auto-stop</translation>
    </message>
    <message>
        <source>Init</source>
        <extracomment>Button: starts the experiment afresh, counts at 0.</extracomment>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Graph display</source>
        <translation>Grafiek</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Number of cards in multiples of 3 drawn</source>
        <translation>Aantal trekkingen met een veelvoud van 3</translation>
    </message>
    <message>
        <source>Total number of cards drawn</source>
        <translation>Totaal aantal trekkingen</translation>
    </message>
    <message>
        <source>Total number of playing cards</source>
        <translation>Totaal aantal kaarten</translation>
    </message>
    <message>
        <source>Total number of cards in multiples of 3</source>
        <translation>Totaal aantal veelvouden van 3</translation>
    </message>
    <message>
        <source>Playing card</source>
        <translation>Speelkaarten</translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation>Het programma wordt afgesloten.</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>schoppen</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>klaveren</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>harten</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>ruiten</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>aas</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>boer</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>vrouw</translation>
    </message>
    <message>
        <source>King</source>
        <translation>heer</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name for screen readers: %1 its rank, %2 its suit (&quot;Queen of hearts&quot;).</extracomment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>Drew the %1.</source>
        <extracomment>Said after a manual draw: %1 is a card&apos;s name.</extracomment>
        <translation>Getrokken kaart: %1.</translation>
    </message>
    <message>
        <source>The automatic run has ended.</source>
        <translation>De automatische reeks is afgelopen.</translation>
    </message>
    <message>
        <source>≒</source>
        <extracomment>The sign between the fraction 16/52 or the counts and their decimal value. Keep ≒ or write the sign a school textbook in your language uses (for example ≈).</extracomment>
        <translation>≈</translation>
    </message>
    <message>
        <source>The cards are being shuffled. Press Draw to draw one.</source>
        <translation>De kaarten worden geschud. Druk op [Trekken] om er een te trekken.</translation>
    </message>
    <message>
        <source>An automatic run of 1000 draws has started.</source>
        <translation>Een automatische reeks van 1000 trekkingen is begonnen.</translation>
    </message>
    <message>
        <source>The automatic run was stopped.</source>
        <translation>De automatische reeks is gestopt.</translation>
    </message>
    <message>
        <source>The counts are reset to 0. Press Shuffle or AutoStart to begin.</source>
        <translation>De tellingen staan weer op 0. Druk op [Schudden] of [Auto-start] om te beginnen.</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <extracomment>The number of cards drawn (&quot;12 cards&quot;), which the tally &quot;%n of %1 are multiples of 3; ratio %2.&quot; puts in as its %1.</extracomment>
        <translation>
            <numerusform>%n trekking</numerusform>
            <numerusform>%n trekkingen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 are multiples of 3; ratio %2.</source>
        <extracomment>Said after a draw or a run: %n of the cards drawn are multiples of 3; %1 is the number drawn as &quot;%n card(s)&quot; gives it (&quot;12 cards&quot;); %2 the ratio as shown (0.4166667). &quot;5 of 12 cards are multiples of 3; ratio 0.4166667.&quot;</extracomment>
        <translation>
            <numerusform>In %1 werd %n keer een veelvoud van 3 getrokken; relatieve frequentie: %2.</numerusform>
            <numerusform>In %1 werd %n keer een veelvoud van 3 getrokken; relatieve frequentie: %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>(Vertical axis : Percentage of playing cards that are multiples of 3)</source>
        <translation>(Verticale as: relatieve frequentie van de veelvouden van 3)</translation>
    </message>
    <message>
        <source>(Horizontal axis : Number of experiments)</source>
        <translation>(Horizontale as: aantal trekkingen)</translation>
    </message>
    <message>
        <source>Graph </source>
        <extracomment>The window&apos;s caption; the maker&apos;s notice follows the space.</extracomment>
        <translation>Grafiek </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Grafiek</translation>
    </message>
    <message>
        <source>The ratio of cards that are multiples of 3, from 0.00 at the bottom to 1.00 at the top, against the number of draws, from 0 at the left to 1000 at the right. A dashed line marks the ratio 0.30.</source>
        <translation>De relatieve frequentie van de veelvouden van 3, van 0,00 onderaan tot 1,00 bovenaan, uitgezet tegen het aantal trekkingen, van 0 links tot 1000 rechts. Een gestreepte lijn geeft de relatieve frequentie 0,30 aan.</translation>
    </message>
    <message>
        <source>No draws are plotted yet.</source>
        <translation>Er zijn nog geen trekkingen uitgezet.</translation>
    </message>
    <message>
        <source>Draws plotted: %1. The latest ratio is %2.</source>
        <extracomment>%1 a number of draws, %2 a ratio such as 0.3076923.</extracomment>
        <translation>Aantal uitgezette trekkingen: %1. Laatste relatieve frequentie: %2.</translation>
    </message>
    <message>
        <source>Draws plotted: the first 1000 of %1. The ratio at draw 1000 is %2.</source>
        <extracomment>%1 a number of draws above 1000, %2 a ratio such as 0.3076923.</extracomment>
        <translation>Uitgezet zijn de eerste 1000 van %1 trekkingen. Relatieve frequentie na 1000 trekkingen: %2.</translation>
    </message>
    <message>
        <source>The line of the earlier run is still shown; no draws of the new run are plotted yet.</source>
        <translation>De lijn van het vorige experiment staat er nog; van het nieuwe experiment zijn nog geen trekkingen uitgezet.</translation>
    </message>
    <message>
        <source>The table gives the ratio at chosen draws. Press Space or Enter to hear the ratio as sound: a soft tone for 0.30 first, then a pitch that rises and falls with the ratio, low for 0 and high for 1, over the draws; press again or Escape to stop.</source>
        <translation>De tabel geeft de relatieve frequentie bij gekozen aantallen trekkingen. Druk op de spatiebalk of op Enter om de relatieve frequentie als geluid te horen: eerst een zachte toon voor 0,30, daarna een toon die in de loop van de trekkingen met de relatieve frequentie stijgt en daalt, laag bij 0 en hoog bij 1; druk nogmaals of druk op Esc om te stoppen.</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Trekkingen</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Relatieve frequentie</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source> Playing Cards＿Help（Questions and Operation method） </source>
        <extracomment>The window&apos;s caption, with its leading space; the maker&apos;s notice follows the last space.</extracomment>
        <translation> Speelkaarten – Help (opgave en bediening) </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>【Problem】</source>
        <extracomment>A line of the help text. Sentences run on over several lines; keep each line short enough for the window, which cuts rather than wraps.</extracomment>
        <translation>【Opgave】</translation>
    </message>
    <message>
        <source>There is a set of playing cards.</source>
        <translation>Er is een spel speelkaarten.</translation>
    </message>
    <message>
        <source>Use 52 cards excluding 2 jokers.</source>
        <translation>We gebruiken de 52 kaarten, zonder de 2 jokers.</translation>
    </message>
    <message>
        <source>There are 4 multiples of 3 for each of spades , clovers , diamonds , and</source>
        <translation>Elke kleur (schoppen, klaveren, ruiten en harten) heeft</translation>
    </message>
    <message>
        <source>hearts , so there are 16 (4×4=16)．</source>
        <translation>4 veelvouden van 3 (3, 6, 9 en de vrouw = 12), samen 16 (4 · 4 = 16).</translation>
    </message>
    <message>
        <source>Consider the probability that when one is drawn from these 52 cards , </source>
        <translation>We trekken één kaart uit deze 52 kaarten.</translation>
    </message>
    <message>
        <source>that card is a multiple of 3.</source>
        <translation>Hoe groot is de kans dat die kaart een veelvoud van 3 is?</translation>
    </message>
    <message>
        <source>Of the 52 cards , 16 are multiples of 3 , so mathematically it is 16/52.</source>
        <translation>16 van de 52 kaarten zijn een veelvoud van 3, dus de kans is 16/52.</translation>
    </message>
    <message>
        <source>However , in reality , when one card is drawn one by one and returned 52 </source>
        <translation>Maar trek je in werkelijkheid 52 keer een kaart met terugleggen,</translation>
    </message>
    <message>
        <source>terms , a card that is a multiple of 3 doesn&apos;t oppear exactly 16 times.</source>
        <translation>dan krijg je niet per se precies 16 keer een veelvoud van 3.</translation>
    </message>
    <message>
        <source>Then , what is the relationship with theoretical probability 16/52 </source>
        <translation>Welk verband is er dan tussen de resultaten</translation>
    </message>
    <message>
        <source>obtained mathematically ?</source>
        <translation>en de berekende theoretische kans 16/52?</translation>
    </message>
    <message>
        <source>【Operation method】</source>
        <translation>【Bediening】</translation>
    </message>
    <message>
        <source>To do it manually , click the [Shuffle] button and then , the [Draw] button.</source>
        <translation>Met de hand: klik op [Schudden] en daarna op [Trekken].</translation>
    </message>
    <message>
        <source>To do it automatically , click the [AutoStart] button and then , the [AutoStop]</source>
        <translation>Automatisch: klik op [Auto-start] om te beginnen</translation>
    </message>
    <message>
        <source>button.</source>
        <extracomment>Help text: the end of the previous line&apos;s sentence.</extracomment>
        <translation>en op [Auto-stop] om te stoppen.</translation>
    </message>
    <message>
        <source>When you click the [Graph disply] button , the relationship between the</source>
        <translation>Klik op [Grafiek] om in een grafiek te zien hoe</translation>
    </message>
    <message>
        <source>number of experiments and the ratio of cards drawn in multiples of 3 is  </source>
        <translation>de relatieve frequentie van de getrokken veelvouden van 3</translation>
    </message>
    <message>
        <source>displayed in a graph.</source>
        <translation>verandert met het aantal trekkingen.</translation>
    </message>
    <message>
        <source>Click the [Init] button to restart the experiment from the beginning.</source>
        <translation>Klik op [Wissen] om het experiment van voren af aan te beginnen.</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Helptekst</translation>
    </message>
</context>
<context>
    <name>Vandrel</name>
    <message>
        <source>© 2026 The Vandrel developers</source>
        <translation>© 2026 De ontwikkelaars van Vandrel</translation>
    </message>
</context>
</TS>
