<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AppStream</name>
    <message>
        <source>Vandrel</source>
        <extracomment>The program&apos;s name in the software centre.</extracomment>
        <translatorcomment>Glossario (English = italiano)
draw (verb) = estrarre
draw (noun) = estrazione; number of draws (also the graph&apos;s &quot;number of experiments&quot;) = numero di estrazioni
experiment (the whole series, restarted by Init) = esperimento; automatic run = serie automatica
ratio / relative frequency = frequenza relativa
probability = probabilità; theoretical probability = probabilità teorica
with replacement = con reimmissione
multiple of 3 = multiplo di 3
spades = picche
clubs / clovers = fiori
hearts = cuori
diamonds = quadri
Ace = asso
Jack = fante
Queen = donna
King = re (card names in lower case, as mid-sentence)
joker = jolly
Draw (button) = Estrai
Shuffle = Mescola
Exit = Esci
AutoStart = Avvio auto
AutoStop = Stop auto
Init = Azzera
Graph display = Grafico
Help = Guida
Close = Chiudi
graph = grafico
dashed line = linea tratteggiata
apostrophe = ’ (typographic); the help lines, the help caption and the window labels use no apostrophe at all, because the window face (IPAPGothic) draws ’ as a wide glyph that shows as a gap (c ’è)
Number of cards in multiples of 3 drawn (label) = Numero di estrazioni di un multiplo di 3 (draws are counted, not cards: 312 of 1000 draws, never 312 of the 16 cards)
≒ = ≈</translatorcomment>
        <translation>Vandrel</translation>
    </message>
    <message>
        <source>Watch the share of multiples of 3 settle towards 16/52</source>
        <extracomment>One-line summary, no full stop at the end.</extracomment>
        <translation>Osservare la frequenza relativa dei multipli di 3 stabilizzarsi intorno a 16/52</translation>
    </message>
    <message>
        <source>Vandrel teaches probability with a deck of 52 playing cards. Students draw cards by hand or in a fast automatic run of 1000 draws and watch the share of cards whose rank is a multiple of 3 settle towards the theoretical 16/52, shown beside it and plotted against the number of draws.</source>
        <extracomment>The description, one paragraph on one line.</extracomment>
        <translation>Vandrel insegna la probabilità con un mazzo di 52 carte da gioco. Gli studenti estraggono carte a mano o in una rapida serie automatica di 1000 estrazioni e osservano la frequenza relativa delle carte il cui valore è un multiplo di 3 stabilizzarsi intorno alla probabilità teorica 16/52; la frequenza relativa è mostrata accanto a 16/52 e rappresentata in un grafico in funzione del numero di estrazioni.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Vandrel</source>
        <extracomment>Menu entry&apos;s name: the program&apos;s name, optionally followed by a few words saying what it is, as in Japanese &quot;Vandrel トランプで確率&quot;.</extracomment>
        <translation>Vandrel – probabilità con le carte</translation>
    </message>
    <message>
        <source>Draw playing cards and watch the share of multiples of 3 settle towards 16/52</source>
        <extracomment>Menu entry&apos;s tooltip.</extracomment>
        <translation>Estrarre carte e osservare la frequenza relativa dei multipli di 3 stabilizzarsi intorno a 16/52</translation>
    </message>
    <message>
        <source>probability;cards;statistics;</source>
        <extracomment>Search words for the menu, each ended by a semicolon; keep the semicolons, no spaces around them.</extracomment>
        <translation>probabilità;carte;statistica;frequenza relativa;</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Draw</source>
        <extracomment>Button: counts the card on view as one draw.</extracomment>
        <translation>Estrai</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <extracomment>Button: starts flipping random cards on view.</extracomment>
        <translation>Mescola</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>AutoStart</source>
        <extracomment>Button: starts an automatic run of 1000 draws.</extracomment>
        <translation>Avvio auto</translation>
    </message>
    <message>
        <source>AutoStop</source>
        <extracomment>Button: stops the automatic run.</extracomment>
        <translation>Stop auto</translation>
    </message>
    <message>
        <source>Init</source>
        <extracomment>Button: starts the experiment afresh, counts at 0.</extracomment>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Graph display</source>
        <translation>Grafico</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Number of cards in multiples of 3 drawn</source>
        <translation>Numero di estrazioni di un multiplo di 3</translation>
    </message>
    <message>
        <source>Total number of cards drawn</source>
        <translation>Numero totale di estrazioni</translation>
    </message>
    <message>
        <source>Total number of playing cards</source>
        <translation>Numero totale di carte</translation>
    </message>
    <message>
        <source>Total number of cards in multiples of 3</source>
        <translation>Numero totale di multipli di 3</translation>
    </message>
    <message>
        <source>Playing card</source>
        <translation>Carte da gioco</translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation>Il programma verrà chiuso.</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>picche</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>fiori</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>cuori</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>quadri</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>asso</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>fante</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>donna</translation>
    </message>
    <message>
        <source>King</source>
        <translation>re</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name for screen readers: %1 its rank, %2 its suit (&quot;Queen of hearts&quot;).</extracomment>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>Drew the %1.</source>
        <extracomment>Said after a manual draw: %1 is a card&apos;s name.</extracomment>
        <translation>Carta estratta: %1.</translation>
    </message>
    <message>
        <source>The automatic run has ended.</source>
        <translation>La serie automatica di estrazioni è terminata.</translation>
    </message>
    <message>
        <source>≒</source>
        <extracomment>The sign between the fraction 16/52 or the counts and their decimal value. Keep ≒ or write the sign a school textbook in your language uses (for example ≈).</extracomment>
        <translation>≈</translation>
    </message>
    <message>
        <source>The cards are being shuffled. Press Draw to draw one.</source>
        <translation>Le carte vengono mescolate. Premere [Estrai] per estrarne una.</translation>
    </message>
    <message>
        <source>An automatic run of 1000 draws has started.</source>
        <translation>È iniziata una serie automatica di 1000 estrazioni.</translation>
    </message>
    <message>
        <source>The automatic run was stopped.</source>
        <translation>La serie automatica di estrazioni è stata interrotta.</translation>
    </message>
    <message>
        <source>The counts are reset to 0. Press Shuffle or AutoStart to begin.</source>
        <translation>I conteggi sono stati azzerati. Premere [Mescola] o [Avvio auto] per iniziare.</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <extracomment>The number of cards drawn (&quot;12 cards&quot;), which the tally &quot;%n of %1 are multiples of 3; ratio %2.&quot; puts in as its %1.</extracomment>
        <translation>
            <numerusform>%n estrazione</numerusform>
            <numerusform>%n estrazioni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 are multiples of 3; ratio %2.</source>
        <extracomment>Said after a draw or a run: %n of the cards drawn are multiples of 3; %1 is the number drawn as &quot;%n card(s)&quot; gives it (&quot;12 cards&quot;); %2 the ratio as shown (0.4166667). &quot;5 of 12 cards are multiples of 3; ratio 0.4166667.&quot;</extracomment>
        <translation>
            <numerusform>Su %1, %n ha dato un multiplo di 3; frequenza relativa: %2.</numerusform>
            <numerusform>Su %1, %n hanno dato un multiplo di 3; frequenza relativa: %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>(Vertical axis : Percentage of playing cards that are multiples of 3)</source>
        <translation>(Asse verticale: frequenza relativa dei multipli di 3)</translation>
    </message>
    <message>
        <source>(Horizontal axis : Number of experiments)</source>
        <translation>(Asse orizzontale: numero di estrazioni)</translation>
    </message>
    <message>
        <source>Graph </source>
        <extracomment>The window&apos;s caption; the maker&apos;s notice follows the space.</extracomment>
        <translation>Grafico </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Grafico</translation>
    </message>
    <message>
        <source>The ratio of cards that are multiples of 3, from 0.00 at the bottom to 1.00 at the top, against the number of draws, from 0 at the left to 1000 at the right. A dashed line marks the ratio 0.30.</source>
        <translation>Frequenza relativa dei multipli di 3, da 0,00 in basso a 1,00 in alto, in funzione del numero di estrazioni, da 0 a sinistra a 1000 a destra. Una linea tratteggiata indica la frequenza relativa 0,30.</translation>
    </message>
    <message>
        <source>No draws are plotted yet.</source>
        <translation>Nessuna estrazione è ancora rappresentata.</translation>
    </message>
    <message>
        <source>Draws plotted: %1. The latest ratio is %2.</source>
        <extracomment>%1 a number of draws, %2 a ratio such as 0.3076923.</extracomment>
        <translation>Estrazioni rappresentate: %1. Ultima frequenza relativa: %2.</translation>
    </message>
    <message>
        <source>Draws plotted: the first 1000 of %1. The ratio at draw 1000 is %2.</source>
        <extracomment>%1 a number of draws above 1000, %2 a ratio such as 0.3076923.</extracomment>
        <translation>Estrazioni rappresentate: le prime 1000 su %1. Frequenza relativa dopo 1000 estrazioni: %2.</translation>
    </message>
    <message>
        <source>The line of the earlier run is still shown; no draws of the new run are plotted yet.</source>
        <translation>La linea dell’esperimento precedente è ancora visibile; nessuna estrazione del nuovo esperimento è ancora rappresentata.</translation>
    </message>
    <message>
        <source>The table gives the ratio at chosen draws. Press Space or Enter to hear the ratio as sound: a soft tone for 0.30 first, then a pitch that rises and falls with the ratio, low for 0 and high for 1, over the draws; press again or Escape to stop.</source>
        <translation>La tabella riporta la frequenza relativa per alcuni numeri di estrazioni. Premere Spazio o Invio per ascoltare la frequenza relativa come suono: prima un suono lieve per 0,30, poi un suono la cui altezza sale e scende con la frequenza relativa nel corso delle estrazioni, grave per 0 e acuto per 1; premere di nuovo o Esc per fermarlo.</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Estrazioni</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Frequenza relativa</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source> Playing Cards＿Help（Questions and Operation method） </source>
        <extracomment>The window&apos;s caption, with its leading space; the maker&apos;s notice follows the last space.</extracomment>
        <translation> Carte da gioco – Guida (problema e istruzioni) </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>【Problem】</source>
        <extracomment>A line of the help text. Sentences run on over several lines; keep each line short enough for the window, which cuts rather than wraps.</extracomment>
        <translation>【Problema】</translation>
    </message>
    <message>
        <source>There is a set of playing cards.</source>
        <translation>Si dispone di un mazzo di carte da gioco.</translation>
    </message>
    <message>
        <source>Use 52 cards excluding 2 jokers.</source>
        <translation>Si usano le 52 carte, senza i 2 jolly.</translation>
    </message>
    <message>
        <source>There are 4 multiples of 3 for each of spades , clovers , diamonds , and</source>
        <translation>In ogni seme (picche, fiori, quadri e cuori) ci sono 4 multipli di 3</translation>
    </message>
    <message>
        <source>hearts , so there are 16 (4×4=16)．</source>
        <translation>(3, 6, 9 e la donna, che vale 12), quindi 16 in tutto (4 × 4 = 16).</translation>
    </message>
    <message>
        <source>Consider the probability that when one is drawn from these 52 cards , </source>
        <translation>Si consideri la probabilità che una carta estratta a caso</translation>
    </message>
    <message>
        <source>that card is a multiple of 3.</source>
        <translation>da queste 52 carte sia un multiplo di 3.</translation>
    </message>
    <message>
        <source>Of the 52 cards , 16 are multiples of 3 , so mathematically it is 16/52.</source>
        <translation>Poiché 16 delle 52 carte sono multipli di 3, la probabilità è 16/52.</translation>
    </message>
    <message>
        <source>However , in reality , when one card is drawn one by one and returned 52 </source>
        <translation>In pratica, però, estraendo 52 volte una carta con reimmissione,</translation>
    </message>
    <message>
        <source>terms , a card that is a multiple of 3 doesn&apos;t oppear exactly 16 times.</source>
        <translation>non si ottiene per forza un multiplo di 3 esattamente 16 volte.</translation>
    </message>
    <message>
        <source>Then , what is the relationship with theoretical probability 16/52 </source>
        <translation>Che relazione esiste allora tra i risultati delle estrazioni</translation>
    </message>
    <message>
        <source>obtained mathematically ?</source>
        <translation>e la probabilità teorica 16/52, ricavata con il calcolo?</translation>
    </message>
    <message>
        <source>【Operation method】</source>
        <translation>【Istruzioni】</translation>
    </message>
    <message>
        <source>To do it manually , click the [Shuffle] button and then , the [Draw] button.</source>
        <translation>Estrazione a mano: fare clic su [Mescola], poi su [Estrai].</translation>
    </message>
    <message>
        <source>To do it automatically , click the [AutoStart] button and then , the [AutoStop]</source>
        <translation>Estrazione automatica: fare clic su [Avvio auto] per iniziare,</translation>
    </message>
    <message>
        <source>button.</source>
        <extracomment>Help text: the end of the previous line&apos;s sentence.</extracomment>
        <translation>poi su [Stop auto] per fermare la serie.</translation>
    </message>
    <message>
        <source>When you click the [Graph disply] button , the relationship between the</source>
        <translation>Fare clic su [Grafico] per vedere in un grafico</translation>
    </message>
    <message>
        <source>number of experiments and the ratio of cards drawn in multiples of 3 is  </source>
        <translation>la frequenza relativa dei multipli di 3</translation>
    </message>
    <message>
        <source>displayed in a graph.</source>
        <translation>in funzione del numero di estrazioni.</translation>
    </message>
    <message>
        <source>Click the [Init] button to restart the experiment from the beginning.</source>
        <translation>Fare clic su [Azzera] per iniziare un nuovo esperimento.</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Testo della guida</translation>
    </message>
</context>
<context>
    <name>Vandrel</name>
    <message>
        <source>© 2026 The Vandrel developers</source>
        <translation>© 2026 Gli sviluppatori di Vandrel</translation>
    </message>
</context>
</TS>
