<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AppStream</name>
    <message>
        <source>Vandrel</source>
        <extracomment>The program&apos;s name in the software centre.</extracomment>
        <translatorcomment>Glosario (inglés = español):
draw (verb) = sacar (una carta)
draw (noun) = extracción
trial (one draw, one repetition of the experiment) = extracción; the number of draws (&quot;number of experiments&quot; on the graph, &quot;cards drawn&quot; in the window and the screen reader) = número de extracciones, everywhere
the count of draws that gave a multiple of 3 = veces que ha salido un múltiplo de 3
experiment (the whole series, restarted by Init) = experimento
automatic run = serie automática
ratio / relative frequency = frecuencia relativa
probability = probabilidad (theoretical probability = probabilidad teórica)
multiple of 3 = múltiplo de 3
spades = picas
clubs / clovers = tréboles
hearts = corazones
diamonds = diamantes
Ace = as
Jack = jota
Queen = reina
King = rey (card names in lower case, as mid-sentence)
joker = comodín
deck of playing cards = baraja (francesa)
Draw (button) = Sacar carta
Shuffle (button) = Barajar
Exit (button) = Salir
AutoStart (button) = Iniciar auto
AutoStop (button) = Detener auto
Init (button) = Reiniciar
Graph display (button) = Ver gráfica
Help (button) = Ayuda
Close (button) = Cerrar
graph = gráfica
with replacement = con reemplazamiento
operators with spaces: 4 × 4 = 16
≒ = ≈</translatorcomment>
        <translation>Vandrel</translation>
    </message>
    <message>
        <source>Watch the share of multiples of 3 settle towards 16/52</source>
        <extracomment>One-line summary, no full stop at the end.</extracomment>
        <translation>Observar cómo la frecuencia relativa de los múltiplos de 3 se estabiliza en torno a 16/52</translation>
    </message>
    <message>
        <source>Vandrel teaches probability with a deck of 52 playing cards. Students draw cards by hand or in a fast automatic run of 1000 draws and watch the share of cards whose rank is a multiple of 3 settle towards the theoretical 16/52, shown beside it and plotted against the number of draws.</source>
        <extracomment>The description, one paragraph on one line.</extracomment>
        <translation>Vandrel enseña probabilidad con una baraja de 52 cartas. Los alumnos sacan cartas a mano o en una rápida serie automática de 1000 extracciones y observan cómo la frecuencia relativa de las cartas cuyo valor es múltiplo de 3 se estabiliza en torno a la probabilidad teórica 16/52: ambas se muestran una junto a la otra, y la frecuencia relativa se representa en una gráfica en función del número de extracciones.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Vandrel</source>
        <extracomment>Menu entry&apos;s name: the program&apos;s name, optionally followed by a few words saying what it is, as in Japanese &quot;Vandrel トランプで確率&quot;.</extracomment>
        <translation>Vandrel: probabilidad con cartas</translation>
    </message>
    <message>
        <source>Draw playing cards and watch the share of multiples of 3 settle towards 16/52</source>
        <extracomment>Menu entry&apos;s tooltip.</extracomment>
        <translation>Sacar cartas y observar cómo la frecuencia relativa de los múltiplos de 3 se estabiliza en torno a 16/52</translation>
    </message>
    <message>
        <source>probability;cards;statistics;</source>
        <extracomment>Search words for the menu, each ended by a semicolon; keep the semicolons, no spaces around them.</extracomment>
        <translation>probabilidad;cartas;estadística;baraja;frecuencia relativa;</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Draw</source>
        <extracomment>Button: counts the card on view as one draw.</extracomment>
        <translation>Sacar carta</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <extracomment>Button: starts flipping random cards on view.</extracomment>
        <translation>Barajar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>AutoStart</source>
        <extracomment>Button: starts an automatic run of 1000 draws.</extracomment>
        <translation>Iniciar auto</translation>
    </message>
    <message>
        <source>AutoStop</source>
        <extracomment>Button: stops the automatic run.</extracomment>
        <translation>Detener auto</translation>
    </message>
    <message>
        <source>Init</source>
        <extracomment>Button: starts the experiment afresh, counts at 0.</extracomment>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Graph display</source>
        <translation>Ver gráfica</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Number of cards in multiples of 3 drawn</source>
        <translation>Veces que ha salido un múltiplo de 3</translation>
    </message>
    <message>
        <source>Total number of cards drawn</source>
        <translation>Número total de extracciones</translation>
    </message>
    <message>
        <source>Total number of playing cards</source>
        <translation>Total de cartas de la baraja</translation>
    </message>
    <message>
        <source>Total number of cards in multiples of 3</source>
        <translation>Múltiplos de 3 en la baraja</translation>
    </message>
    <message>
        <source>Playing card</source>
        <translation>Cartas</translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation>El programa se cerrará.</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>picas</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>tréboles</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>corazones</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>diamantes</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>as</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>jota</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>reina</translation>
    </message>
    <message>
        <source>King</source>
        <translation>rey</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name for screen readers: %1 its rank, %2 its suit (&quot;Queen of hearts&quot;).</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Drew the %1.</source>
        <extracomment>Said after a manual draw: %1 is a card&apos;s name.</extracomment>
        <translation>Carta sacada: %1.</translation>
    </message>
    <message>
        <source>The automatic run has ended.</source>
        <translation>Fin de la serie automática.</translation>
    </message>
    <message>
        <source>≒</source>
        <extracomment>The sign between the fraction 16/52 or the counts and their decimal value. Keep ≒ or write the sign a school textbook in your language uses (for example ≈).</extracomment>
        <translation>≈</translation>
    </message>
    <message>
        <source>The cards are being shuffled. Press Draw to draw one.</source>
        <translation>Se están barajando las cartas. Pulsa [Sacar carta] para sacar una.</translation>
    </message>
    <message>
        <source>An automatic run of 1000 draws has started.</source>
        <translation>Ha comenzado una serie automática de 1000 extracciones.</translation>
    </message>
    <message>
        <source>The automatic run was stopped.</source>
        <translation>Se ha detenido la serie automática.</translation>
    </message>
    <message>
        <source>The counts are reset to 0. Press Shuffle or AutoStart to begin.</source>
        <translation>Los contadores se han puesto a 0. Pulsa [Barajar] o [Iniciar auto] para empezar.</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <extracomment>The number of cards drawn (&quot;12 cards&quot;), which the tally &quot;%n of %1 are multiples of 3; ratio %2.&quot; puts in as its %1.</extracomment>
        <translation>
            <numerusform>%n extracción</numerusform>
            <numerusform>%n extracciones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 are multiples of 3; ratio %2.</source>
        <extracomment>Said after a draw or a run: %n of the cards drawn are multiples of 3; %1 is the number drawn as &quot;%n card(s)&quot; gives it (&quot;12 cards&quot;); %2 the ratio as shown (0.4166667). &quot;5 of 12 cards are multiples of 3; ratio 0.4166667.&quot;</extracomment>
        <translation>
            <numerusform>En %1, ha salido %n vez un múltiplo de 3; frecuencia relativa: %2.</numerusform>
            <numerusform>En %1, ha salido %n veces un múltiplo de 3; frecuencia relativa: %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>(Vertical axis : Percentage of playing cards that are multiples of 3)</source>
        <translation>(Eje vertical: frecuencia relativa de las cartas que son múltiplos de 3)</translation>
    </message>
    <message>
        <source>(Horizontal axis : Number of experiments)</source>
        <translation>(Eje horizontal: número de extracciones)</translation>
    </message>
    <message>
        <source>Graph </source>
        <extracomment>The window&apos;s caption; the maker&apos;s notice follows the space.</extracomment>
        <translation>Gráfica </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Gráfica</translation>
    </message>
    <message>
        <source>The ratio of cards that are multiples of 3, from 0.00 at the bottom to 1.00 at the top, against the number of draws, from 0 at the left to 1000 at the right. A dashed line marks the ratio 0.30.</source>
        <translation>La gráfica muestra la frecuencia relativa de las cartas que son múltiplos de 3, de 0,00 (abajo) a 1,00 (arriba), en función del número de extracciones, de 0 (a la izquierda) a 1000 (a la derecha). Una línea discontinua marca la frecuencia relativa 0,30.</translation>
    </message>
    <message>
        <source>No draws are plotted yet.</source>
        <translation>Todavía no hay extracciones representadas.</translation>
    </message>
    <message>
        <source>Draws plotted: %1. The latest ratio is %2.</source>
        <extracomment>%1 a number of draws, %2 a ratio such as 0.3076923.</extracomment>
        <translation>Extracciones representadas: %1. La última frecuencia relativa es %2.</translation>
    </message>
    <message>
        <source>Draws plotted: the first 1000 of %1. The ratio at draw 1000 is %2.</source>
        <extracomment>%1 a number of draws above 1000, %2 a ratio such as 0.3076923.</extracomment>
        <translation>Extracciones representadas: las 1000 primeras de %1. La frecuencia relativa tras 1000 extracciones es %2.</translation>
    </message>
    <message>
        <source>The line of the earlier run is still shown; no draws of the new run are plotted yet.</source>
        <translation>Se sigue mostrando la línea del experimento anterior; aún no se ha representado ninguna extracción del nuevo experimento.</translation>
    </message>
    <message>
        <source>The table gives the ratio at chosen draws. Press Space or Enter to hear the ratio as sound: a soft tone for 0.30 first, then a pitch that rises and falls with the ratio, low for 0 and high for 1, over the draws; press again or Escape to stop.</source>
        <translation>La tabla muestra la frecuencia relativa para varios números de extracciones. Pulsa Espacio o Intro para escuchar la frecuencia relativa en forma de sonido: primero un tono suave para 0,30 y después un tono que sube y baja con la frecuencia relativa a lo largo de las extracciones, grave para 0 y agudo para 1; pulsa de nuevo o Esc para detenerlo.</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Extracciones</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Frecuencia relativa</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source> Playing Cards＿Help（Questions and Operation method） </source>
        <extracomment>The window&apos;s caption, with its leading space; the maker&apos;s notice follows the last space.</extracomment>
        <translation> Cartas – Ayuda (problema e instrucciones de uso) </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>【Problem】</source>
        <extracomment>A line of the help text. Sentences run on over several lines; keep each line short enough for the window, which cuts rather than wraps.</extracomment>
        <translation>【Problema】</translation>
    </message>
    <message>
        <source>There is a set of playing cards.</source>
        <translation>Tenemos una baraja francesa.</translation>
    </message>
    <message>
        <source>Use 52 cards excluding 2 jokers.</source>
        <translation>Usamos sus 52 cartas, sin los 2 comodines.</translation>
    </message>
    <message>
        <source>There are 4 multiples of 3 for each of spades , clovers , diamonds , and</source>
        <translation>Cada palo (picas, tréboles, diamantes y corazones) tiene</translation>
    </message>
    <message>
        <source>hearts , so there are 16 (4×4=16)．</source>
        <translation>4 múltiplos de 3 (3, 6, 9 y la reina, que vale 12): en total, 4 × 4 = 16.</translation>
    </message>
    <message>
        <source>Consider the probability that when one is drawn from these 52 cards , </source>
        <translation>Estudiemos la probabilidad de que, al sacar una carta de estas 52,</translation>
    </message>
    <message>
        <source>that card is a multiple of 3.</source>
        <translation>la carta sacada sea un múltiplo de 3.</translation>
    </message>
    <message>
        <source>Of the 52 cards , 16 are multiples of 3 , so mathematically it is 16/52.</source>
        <translation>Como hay 16 múltiplos de 3 en 52 cartas, la probabilidad es 16/52.</translation>
    </message>
    <message>
        <source>However , in reality , when one card is drawn one by one and returned 52 </source>
        <translation>En la práctica, si sacamos una carta 52 veces con reemplazamiento,</translation>
    </message>
    <message>
        <source>terms , a card that is a multiple of 3 doesn&apos;t oppear exactly 16 times.</source>
        <translation>no siempre sale un múltiplo de 3 exactamente 16 veces.</translation>
    </message>
    <message>
        <source>Then , what is the relationship with theoretical probability 16/52 </source>
        <translation>Entonces, ¿qué relación hay entre lo que ocurre en la práctica y</translation>
    </message>
    <message>
        <source>obtained mathematically ?</source>
        <translation>la probabilidad teórica 16/52, obtenida mediante el cálculo?</translation>
    </message>
    <message>
        <source>【Operation method】</source>
        <translation>【Instrucciones de uso】</translation>
    </message>
    <message>
        <source>To do it manually , click the [Shuffle] button and then , the [Draw] button.</source>
        <translation>Para hacerlo a mano, haz clic en [Barajar] y luego en [Sacar carta].</translation>
    </message>
    <message>
        <source>To do it automatically , click the [AutoStart] button and then , the [AutoStop]</source>
        <translation>Para hacerlo de forma automática, haz clic en [Iniciar auto] y, para</translation>
    </message>
    <message>
        <source>button.</source>
        <extracomment>Help text: the end of the previous line&apos;s sentence.</extracomment>
        <translation>detenerlo, en [Detener auto].</translation>
    </message>
    <message>
        <source>When you click the [Graph disply] button , the relationship between the</source>
        <translation>Al hacer clic en [Ver gráfica], aparece una gráfica con la relación</translation>
    </message>
    <message>
        <source>number of experiments and the ratio of cards drawn in multiples of 3 is  </source>
        <translation>entre el número de extracciones y la frecuencia relativa</translation>
    </message>
    <message>
        <source>displayed in a graph.</source>
        <translation>de los múltiplos de 3 obtenidos.</translation>
    </message>
    <message>
        <source>Click the [Init] button to restart the experiment from the beginning.</source>
        <translation>Haz clic en [Reiniciar] para empezar el experimento desde cero.</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
    </message>
</context>
<context>
    <name>Vandrel</name>
    <message>
        <source>© 2026 The Vandrel developers</source>
        <translation>© 2026 Los desarrolladores de Vandrel</translation>
    </message>
</context>
</TS>
