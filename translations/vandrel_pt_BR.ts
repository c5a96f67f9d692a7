<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AppStream</name>
    <message>
        <source>Vandrel</source>
        <extracomment>The program&apos;s name in the software centre.</extracomment>
        <translatorcomment>Glossário (inglês = português do Brasil):
draw (verb) = retirar (uma carta)
draw (noun) = retirada
trial (one draw, one repetition of the experiment) = retirada; the number of draws is &quot;número de retiradas&quot; everywhere: the label (&quot;Número total de retiradas&quot;), the graph&apos;s axis (its &quot;number of experiments&quot;), the table&apos;s column, the help and the reader&apos;s tally (&quot;312 de 1000 retiradas&quot;), never &quot;cartas retiradas&quot;, which would make 1000 cards of a deck of 52
experiment (the whole series, restarted by Init) = experimento
automatic run = série automática
ratio / relative frequency = frequência relativa
probability = probabilidade (theoretical probability = probabilidade teórica)
multiple of 3 = múltiplo de 3
spades = espadas
clubs / clovers = paus
hearts = copas
diamonds = ouros
Ace = ás
Jack = valete
Queen = dama
King = rei (card names in lower case, as mid-sentence)
joker = curinga
deck of playing cards = baralho
Draw (button) = Retirar carta
Shuffle (button) = Embaralhar
Exit (button) = Sair
AutoStart (button) = Iniciar auto
AutoStop (button) = Parar auto
Init (button) = Zerar
Graph display (button) = Ver gráfico
Help (button) = Ajuda
Close (button) = Fechar
graph = gráfico
with replacement = com reposição
≒ = ≈</translatorcomment>
        <translation>Vandrel</translation>
    </message>
    <message>
        <source>Watch the share of multiples of 3 settle towards 16/52</source>
        <extracomment>One-line summary, no full stop at the end.</extracomment>
        <translation>Veja a frequência relativa dos múltiplos de 3 se estabilizar em torno de 16/52</translation>
    </message>
    <message>
        <source>Vandrel teaches probability with a deck of 52 playing cards. Students draw cards by hand or in a fast automatic run of 1000 draws and watch the share of cards whose rank is a multiple of 3 settle towards the theoretical 16/52, shown beside it and plotted against the number of draws.</source>
        <extracomment>The description, one paragraph on one line.</extracomment>
        <translation>O Vandrel ensina probabilidade com um baralho de 52 cartas. Os alunos retiram cartas manualmente ou em uma rápida série automática de 1000 retiradas e observam a frequência relativa das cartas cujo valor é múltiplo de 3 se estabilizar em torno da probabilidade teórica 16/52: as duas aparecem lado a lado, e a frequência relativa é representada em um gráfico em função do número de retiradas.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Vandrel</source>
        <extracomment>Menu entry&apos;s name: the program&apos;s name, optionally followed by a few words saying what it is, as in Japanese &quot;Vandrel トランプで確率&quot;.</extracomment>
        <translation>Vandrel: probabilidade com cartas</translation>
    </message>
    <message>
        <source>Draw playing cards and watch the share of multiples of 3 settle towards 16/52</source>
        <extracomment>Menu entry&apos;s tooltip.</extracomment>
        <translation>Retire cartas e veja a frequência relativa dos múltiplos de 3 se estabilizar em torno de 16/52</translation>
    </message>
    <message>
        <source>probability;cards;statistics;</source>
        <extracomment>Search words for the menu, each ended by a semicolon; keep the semicolons, no spaces around them.</extracomment>
        <translation>probabilidade;cartas;estatística;baralho;frequência relativa;</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Draw</source>
        <extracomment>Button: counts the card on view as one draw.</extracomment>
        <translation>Retirar carta</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <extracomment>Button: starts flipping random cards on view.</extracomment>
        <translation>Embaralhar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>AutoStart</source>
        <extracomment>Button: starts an automatic run of 1000 draws.</extracomment>
        <translation>Iniciar auto</translation>
    </message>
    <message>
        <source>AutoStop</source>
        <extracomment>Button: stops the automatic run.</extracomment>
        <translation>Parar auto</translation>
    </message>
    <message>
        <source>Init</source>
        <extracomment>Button: starts the experiment afresh, counts at 0.</extracomment>
        <translation>Zerar</translation>
    </message>
    <message>
        <source>Graph display</source>
        <translation>Ver gráfico</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Number of cards in multiples of 3 drawn</source>
        <translation>Número de múltiplos de 3 obtidos</translation>
    </message>
    <message>
        <source>Total number of cards drawn</source>
        <translation>Número total de retiradas</translation>
    </message>
    <message>
        <source>Total number of playing cards</source>
        <translation>Total de cartas do baralho</translation>
    </message>
    <message>
        <source>Total number of cards in multiples of 3</source>
        <translation>Múltiplos de 3 no baralho</translation>
    </message>
    <message>
        <source>Playing card</source>
        <translation>Cartas</translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation>O programa será encerrado.</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>espadas</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>paus</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>copas</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>ouros</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>ás</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>valete</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>dama</translation>
    </message>
    <message>
        <source>King</source>
        <translation>rei</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name for screen readers: %1 its rank, %2 its suit (&quot;Queen of hearts&quot;).</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Drew the %1.</source>
        <extracomment>Said after a manual draw: %1 is a card&apos;s name.</extracomment>
        <translation>Carta retirada: %1.</translation>
    </message>
    <message>
        <source>The automatic run has ended.</source>
        <translation>Fim da série automática.</translation>
    </message>
    <message>
        <source>≒</source>
        <extracomment>The sign between the fraction 16/52 or the counts and their decimal value. Keep ≒ or write the sign a school textbook in your language uses (for example ≈).</extracomment>
        <translation>≈</translation>
    </message>
    <message>
        <source>The cards are being shuffled. Press Draw to draw one.</source>
        <translation>As cartas estão sendo embaralhadas. Pressione [Retirar carta] para retirar uma.</translation>
    </message>
    <message>
        <source>An automatic run of 1000 draws has started.</source>
        <translation>Foi iniciada uma série automática de 1000 retiradas.</translation>
    </message>
    <message>
        <source>The automatic run was stopped.</source>
        <translation>A série automática foi interrompida.</translation>
    </message>
    <message>
        <source>The counts are reset to 0. Press Shuffle or AutoStart to begin.</source>
        <translation>Os contadores foram zerados. Pressione [Embaralhar] ou [Iniciar auto] para começar.</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <extracomment>The number of cards drawn (&quot;12 cards&quot;), which the tally &quot;%n of %1 are multiples of 3; ratio %2.&quot; puts in as its %1.</extracomment>
        <translation>
            <numerusform>%n retirada</numerusform>
            <numerusform>%n retiradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 are multiples of 3; ratio %2.</source>
        <extracomment>Said after a draw or a run: %n of the cards drawn are multiples of 3; %1 is the number drawn as &quot;%n card(s)&quot; gives it (&quot;12 cards&quot;); %2 the ratio as shown (0.4166667). &quot;5 of 12 cards are multiples of 3; ratio 0.4166667.&quot;</extracomment>
        <translation>
            <numerusform>%n de %1 resultou em um múltiplo de 3; frequência relativa: %2.</numerusform>
            <numerusform>%n de %1 resultaram em múltiplos de 3; frequência relativa: %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>(Vertical axis : Percentage of playing cards that are multiples of 3)</source>
        <translation>(Eixo vertical: frequência relativa das cartas que são múltiplos de 3)</translation>
    </message>
    <message>
        <source>(Horizontal axis : Number of experiments)</source>
        <translation>(Eixo horizontal: número de retiradas)</translation>
    </message>
    <message>
        <source>Graph </source>
        <extracomment>The window&apos;s caption; the maker&apos;s notice follows the space.</extracomment>
        <translation>Gráfico </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>The ratio of cards that are multiples of 3, from 0.00 at the bottom to 1.00 at the top, against the number of draws, from 0 at the left to 1000 at the right. A dashed line marks the ratio 0.30.</source>
        <translation>O gráfico mostra a frequência relativa das cartas que são múltiplos de 3, de 0,00 (embaixo) a 1,00 (em cima), em função do número de retiradas, de 0 (à esquerda) a 1000 (à direita). Uma linha tracejada marca a frequência relativa 0,30.</translation>
    </message>
    <message>
        <source>No draws are plotted yet.</source>
        <translation>Ainda não há retiradas representadas.</translation>
    </message>
    <message>
        <source>Draws plotted: %1. The latest ratio is %2.</source>
        <extracomment>%1 a number of draws, %2 a ratio such as 0.3076923.</extracomment>
        <translation>Retiradas representadas: %1. A última frequência relativa é %2.</translation>
    </message>
    <message>
        <source>Draws plotted: the first 1000 of %1. The ratio at draw 1000 is %2.</source>
        <extracomment>%1 a number of draws above 1000, %2 a ratio such as 0.3076923.</extracomment>
        <translation>Retiradas representadas: as 1000 primeiras de %1. A frequência relativa na retirada número 1000 é %2.</translation>
    </message>
    <message>
        <source>The line of the earlier run is still shown; no draws of the new run are plotted yet.</source>
        <translation>A linha do experimento anterior continua sendo exibida; ainda não foi representada nenhuma retirada do novo experimento.</translation>
    </message>
    <message>
        <source>The table gives the ratio at chosen draws. Press Space or Enter to hear the ratio as sound: a soft tone for 0.30 first, then a pitch that rises and falls with the ratio, low for 0 and high for 1, over the draws; press again or Escape to stop.</source>
        <translation>A tabela mostra a frequência relativa em determinadas retiradas. Pressione Espaço ou Enter para ouvir a frequência relativa em forma de som: primeiro um tom suave para 0,30, depois um tom que sobe e desce com a frequência relativa ao longo das retiradas, grave para 0 e agudo para 1; pressione de novo ou Esc para parar.</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Número de retiradas</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Frequência relativa</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source> Playing Cards＿Help（Questions and Operation method） </source>
        <extracomment>The window&apos;s caption, with its leading space; the maker&apos;s notice follows the last space.</extracomment>
        <translation> Cartas – Ajuda (problema e como usar) </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>【Problem】</source>
        <extracomment>A line of the help text. Sentences run on over several lines; keep each line short enough for the window, which cuts rather than wraps.</extracomment>
        <translation>【Problema】</translation>
    </message>
    <message>
        <source>There is a set of playing cards.</source>
        <translation>Temos um baralho comum.</translation>
    </message>
    <message>
        <source>Use 52 cards excluding 2 jokers.</source>
        <translation>Usamos as 52 cartas, sem os 2 curingas.</translation>
    </message>
    <message>
        <source>There are 4 multiples of 3 for each of spades , clovers , diamonds , and</source>
        <translation>Cada naipe (espadas, paus, ouros e copas) tem 4 múltiplos de 3</translation>
    </message>
    <message>
        <source>hearts , so there are 16 (4×4=16)．</source>
        <translation>(3, 6, 9 e a dama, que vale 12); portanto, são 16 ao todo (4 × 4 = 16).</translation>
    </message>
    <message>
        <source>Consider the probability that when one is drawn from these 52 cards , </source>
        <translation>Considere a probabilidade de que, ao retirar uma carta destas 52,</translation>
    </message>
    <message>
        <source>that card is a multiple of 3.</source>
        <translation>a carta retirada seja um múltiplo de 3.</translation>
    </message>
    <message>
        <source>Of the 52 cards , 16 are multiples of 3 , so mathematically it is 16/52.</source>
        <translation>Como há 16 múltiplos de 3 nas 52 cartas, a probabilidade é 16/52.</translation>
    </message>
    <message>
        <source>However , in reality , when one card is drawn one by one and returned 52 </source>
        <translation>Mas, na prática, ao retirar uma carta 52 vezes com reposição,</translation>
    </message>
    <message>
        <source>terms , a card that is a multiple of 3 doesn&apos;t oppear exactly 16 times.</source>
        <translation>um múltiplo de 3 nem sempre aparece exatamente 16 vezes.</translation>
    </message>
    <message>
        <source>Then , what is the relationship with theoretical probability 16/52 </source>
        <translation>Então, qual é a relação entre o que acontece na prática e</translation>
    </message>
    <message>
        <source>obtained mathematically ?</source>
        <translation>a probabilidade teórica 16/52, obtida por meio de cálculos?</translation>
    </message>
    <message>
        <source>【Operation method】</source>
        <translation>【Como usar】</translation>
    </message>
    <message>
        <source>To do it manually , click the [Shuffle] button and then , the [Draw] button.</source>
        <translation>Modo manual: clique em [Embaralhar] e depois em [Retirar carta].</translation>
    </message>
    <message>
        <source>To do it automatically , click the [AutoStart] button and then , the [AutoStop]</source>
        <translation>Modo automático: clique em [Iniciar auto] e, para parar,</translation>
    </message>
    <message>
        <source>button.</source>
        <extracomment>Help text: the end of the previous line&apos;s sentence.</extracomment>
        <translation>clique em [Parar auto].</translation>
    </message>
    <message>
        <source>When you click the [Graph disply] button , the relationship between the</source>
        <translation>Ao clicar em [Ver gráfico], aparece um gráfico</translation>
    </message>
    <message>
        <source>number of experiments and the ratio of cards drawn in multiples of 3 is  </source>
        <translation>que mostra a relação entre o número de retiradas e</translation>
    </message>
    <message>
        <source>displayed in a graph.</source>
        <translation>a frequência relativa dos múltiplos de 3 obtidos.</translation>
    </message>
    <message>
        <source>Click the [Init] button to restart the experiment from the beginning.</source>
        <translation>Clique em [Zerar] para recomeçar o experimento do zero.</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de ajuda</translation>
    </message>
</context>
<context>
    <name>Vandrel</name>
    <message>
        <source>© 2026 The Vandrel developers</source>
        <translation>© 2026 Os desenvolvedores do Vandrel</translation>
    </message>
</context>
</TS>
