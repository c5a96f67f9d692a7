<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AppStream</name>
    <message>
        <source>Vandrel</source>
        <extracomment>The program&apos;s name in the software centre.</extracomment>
        <translatorcomment>Glossaire (English = français)
draw (verb) = tirer
draw (noun) = tirage
trial (one draw) = tirage
number of draws (labels, graph axis, table, help, screen reader) = nombre de tirages; &quot;%n card(s)&quot; in the reader's tally = %n tirage(s)
number of multiples of 3 drawn = nombre de multiples de 3 obtenus
experiment (the whole series, restarted by Init) = expérience
ratio/relative frequency = fréquence
probability = probabilité
multiple of 3 = multiple de 3
spades = pique
clubs/clovers = trèfle
hearts = cœur
diamonds = carreau
Ace = as
Jack = valet
Queen = dame
King = roi
Draw (button) = Tirer
Shuffle = Mélanger
Exit = Quitter
AutoStart = Départ auto
AutoStop = Arrêt auto
Init = Réinit.
Graph display = Graphique
Help = Aide
Close = Fermer
graph = graphique
with replacement = avec remise
dashed line = ligne en tirets
apostrophe = ’ (typographic) in every text, except the help window&apos;s lines (Form4 lines), whose face IPAPGothic draws ’ with a gap after it (&quot;qu’ une&quot;): there the straight &apos; is used
≒ = ≈</translatorcomment>
        <translation>Vandrel</translation>
    </message>
    <message>
        <source>Watch the share of multiples of 3 settle towards 16/52</source>
        <extracomment>One-line summary, no full stop at the end.</extracomment>
        <translation>Voir la fréquence des multiples de 3 se stabiliser autour de 16/52</translation>
    </message>
    <message>
        <source>Vandrel teaches probability with a deck of 52 playing cards. Students draw cards by hand or in a fast automatic run of 1000 draws and watch the share of cards whose rank is a multiple of 3 settle towards the theoretical 16/52, shown beside it and plotted against the number of draws.</source>
        <extracomment>The description, one paragraph on one line.</extracomment>
        <translation>Vandrel fait découvrir les probabilités à l’aide d’un jeu de 52 cartes. Les élèves tirent des cartes à la main ou lors d’une série automatique rapide de 1000 tirages et voient la fréquence des cartes dont la valeur est un multiple de 3 se stabiliser autour de la probabilité théorique 16/52&#xa0;; cette fréquence est affichée à côté de 16/52 et représentée graphiquement en fonction du nombre de tirages.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Vandrel</source>
        <extracomment>Menu entry&apos;s name: the program&apos;s name, optionally followed by a few words saying what it is, as in Japanese &quot;Vandrel トランプで確率&quot;.</extracomment>
        <translation>Vandrel – probabilités avec des cartes</translation>
    </message>
    <message>
        <source>Draw playing cards and watch the share of multiples of 3 settle towards 16/52</source>
        <extracomment>Menu entry&apos;s tooltip.</extracomment>
        <translation>Tirer des cartes et voir la fréquence des multiples de 3 se stabiliser autour de 16/52</translation>
    </message>
    <message>
        <source>probability;cards;statistics;</source>
        <extracomment>Search words for the menu, each ended by a semicolon; keep the semicolons, no spaces around them.</extracomment>
        <translation>probabilités;cartes;statistiques;fréquence;</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Draw</source>
        <extracomment>Button: counts the card on view as one draw.</extracomment>
        <translation>Tirer</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <extracomment>Button: starts flipping random cards on view.</extracomment>
        <translation>Mélanger</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>AutoStart</source>
        <extracomment>Button: starts an automatic run of 1000 draws.</extracomment>
        <translation>Départ auto</translation>
    </message>
    <message>
        <source>AutoStop</source>
        <extracomment>Button: stops the automatic run.</extracomment>
        <translation>Arrêt auto</translation>
    </message>
    <message>
        <source>Init</source>
        <extracomment>Button: starts the experiment afresh, counts at 0.</extracomment>
        <translation>Réinit.</translation>
    </message>
    <message>
        <source>Graph display</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Number of cards in multiples of 3 drawn</source>
        <translation>Nombre de multiples de 3 obtenus</translation>
    </message>
    <message>
        <source>Total number of cards drawn</source>
        <translation>Nombre total de tirages</translation>
    </message>
    <message>
        <source>Total number of playing cards</source>
        <translation>Nombre total de cartes</translation>
    </message>
    <message>
        <source>Total number of cards in multiples of 3</source>
        <translation>Nombre total de multiples de 3</translation>
    </message>
    <message>
        <source>Playing card</source>
        <translation>Jeu de cartes</translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation>Le logiciel va se fermer.</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>pique</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>as</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>valet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>roi</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name for screen readers: %1 its rank, %2 its suit (&quot;Queen of hearts&quot;).</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Drew the %1.</source>
        <extracomment>Said after a manual draw: %1 is a card&apos;s name.</extracomment>
        <translation>Carte tirée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The automatic run has ended.</source>
        <translation>La série de tirages automatiques est terminée.</translation>
    </message>
    <message>
        <source>≒</source>
        <extracomment>The sign between the fraction 16/52 or the counts and their decimal value. Keep ≒ or write the sign a school textbook in your language uses (for example ≈).</extracomment>
        <translation>≈</translation>
    </message>
    <message>
        <source>The cards are being shuffled. Press Draw to draw one.</source>
        <translation>Mélange des cartes en cours. Appuyer sur [Tirer] pour tirer une carte.</translation>
    </message>
    <message>
        <source>An automatic run of 1000 draws has started.</source>
        <translation>Une série de 1000 tirages automatiques a commencé.</translation>
    </message>
    <message>
        <source>The automatic run was stopped.</source>
        <translation>La série de tirages automatiques a été arrêtée.</translation>
    </message>
    <message>
        <source>The counts are reset to 0. Press Shuffle or AutoStart to begin.</source>
        <translation>Les compteurs sont remis à 0. Appuyer sur [Mélanger] ou sur [Départ auto] pour commencer.</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <extracomment>The number of cards drawn (&quot;12 cards&quot;), which the tally &quot;%n of %1 are multiples of 3; ratio %2.&quot; puts in as its %1.</extracomment>
        <translation>
            <numerusform>%n tirage</numerusform>
            <numerusform>%n tirages</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 are multiples of 3; ratio %2.</source>
        <extracomment>Said after a draw or a run: %n of the cards drawn are multiples of 3; %1 is the number drawn as &quot;%n card(s)&quot; gives it (&quot;12 cards&quot;); %2 the ratio as shown (0.4166667). &quot;5 of 12 cards are multiples of 3; ratio 0.4166667.&quot;</extracomment>
        <translation>
            <numerusform>Sur %1, %n a donné un multiple de 3&#xa0;; fréquence&#xa0;: %2.</numerusform>
            <numerusform>Sur %1, %n ont donné un multiple de 3&#xa0;; fréquence&#xa0;: %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>(Vertical axis : Percentage of playing cards that are multiples of 3)</source>
        <translation>(Axe vertical&#xa0;: fréquence des cartes multiples de 3)</translation>
    </message>
    <message>
        <source>(Horizontal axis : Number of experiments)</source>
        <translation>(Axe horizontal&#xa0;: nombre de tirages)</translation>
    </message>
    <message>
        <source>Graph </source>
        <extracomment>The window&apos;s caption; the maker&apos;s notice follows the space.</extracomment>
        <translation>Graphique </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>The ratio of cards that are multiples of 3, from 0.00 at the bottom to 1.00 at the top, against the number of draws, from 0 at the left to 1000 at the right. A dashed line marks the ratio 0.30.</source>
        <translation>Fréquence des cartes multiples de 3, de 0,00 en bas à 1,00 en haut, en fonction du nombre de tirages, de 0 à gauche à 1000 à droite. Une ligne en tirets indique la fréquence 0,30.</translation>
    </message>
    <message>
        <source>No draws are plotted yet.</source>
        <translation>Aucun tirage n’est encore représenté.</translation>
    </message>
    <message>
        <source>Draws plotted: %1. The latest ratio is %2.</source>
        <extracomment>%1 a number of draws, %2 a ratio such as 0.3076923.</extracomment>
        <translation>Tirages représentés&#xa0;: %1. Dernière fréquence&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Draws plotted: the first 1000 of %1. The ratio at draw 1000 is %2.</source>
        <extracomment>%1 a number of draws above 1000, %2 a ratio such as 0.3076923.</extracomment>
        <translation>Tirages représentés&#xa0;: les 1000 premiers sur %1. Fréquence après 1000 tirages&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The line of the earlier run is still shown; no draws of the new run are plotted yet.</source>
        <translation>La courbe de l’expérience précédente est encore affichée&#xa0;; aucun tirage de la nouvelle expérience n’est encore représenté.</translation>
    </message>
    <message>
        <source>The table gives the ratio at chosen draws. Press Space or Enter to hear the ratio as sound: a soft tone for 0.30 first, then a pitch that rises and falls with the ratio, low for 0 and high for 1, over the draws; press again or Escape to stop.</source>
        <translation>Le tableau donne la fréquence pour certains nombres de tirages. Appuyer sur Espace ou sur Entrée pour écouter la fréquence sous forme de son&#xa0;: d’abord un son doux pour 0,30, puis un son dont la hauteur monte et descend avec la fréquence au fil des tirages, grave pour 0 et aigu pour 1&#xa0;; appuyer de nouveau ou sur Échap pour arrêter.</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Nombre de tirages</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Fréquence</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source> Playing Cards＿Help（Questions and Operation method） </source>
        <extracomment>The window&apos;s caption, with its leading space; the maker&apos;s notice follows the last space.</extracomment>
        <translation> Cartes à jouer – Aide (problème et mode d’emploi) </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>【Problem】</source>
        <extracomment>A line of the help text. Sentences run on over several lines; keep each line short enough for the window, which cuts rather than wraps.</extracomment>
        <translation>【Problème】</translation>
    </message>
    <message>
        <source>There is a set of playing cards.</source>
        <translation>On dispose d&apos;un jeu de cartes.</translation>
    </message>
    <message>
        <source>Use 52 cards excluding 2 jokers.</source>
        <translation>On utilise les 52 cartes, sans les 2 jokers.</translation>
    </message>
    <message>
        <source>There are 4 multiples of 3 for each of spades , clovers , diamonds , and</source>
        <translation>Dans chaque couleur (pique, trèfle, carreau et cœur), il y a</translation>
    </message>
    <message>
        <source>hearts , so there are 16 (4×4=16)．</source>
        <translation>4 multiples de 3 (3, 6, 9 et la dame = 12), soit 16 en tout (4 × 4 = 16).</translation>
    </message>
    <message>
        <source>Consider the probability that when one is drawn from these 52 cards , </source>
        <translation>On s&apos;intéresse à la probabilité qu&apos;une carte tirée au hasard parmi</translation>
    </message>
    <message>
        <source>that card is a multiple of 3.</source>
        <translation>ces 52 cartes soit un multiple de 3.</translation>
    </message>
    <message>
        <source>Of the 52 cards , 16 are multiples of 3 , so mathematically it is 16/52.</source>
        <translation>16 cartes sur 52 sont des multiples de 3&#xa0;: la probabilité vaut 16/52.</translation>
    </message>
    <message>
        <source>However , in reality , when one card is drawn one by one and returned 52 </source>
        <translation>Pourtant, en pratique, si l&apos;on tire 52 fois une carte avec remise,</translation>
    </message>
    <message>
        <source>terms , a card that is a multiple of 3 doesn&apos;t oppear exactly 16 times.</source>
        <translation>on n&apos;obtient pas forcément exactement 16 fois un multiple de 3.</translation>
    </message>
    <message>
        <source>Then , what is the relationship with theoretical probability 16/52 </source>
        <translation>Quel est alors le lien entre la fréquence observée</translation>
    </message>
    <message>
        <source>obtained mathematically ?</source>
        <translation>et la probabilité théorique 16/52 obtenue par le calcul&#xa0;?</translation>
    </message>
    <message>
        <source>【Operation method】</source>
        <translation>【Mode d&apos;emploi】</translation>
    </message>
    <message>
        <source>To do it manually , click the [Shuffle] button and then , the [Draw] button.</source>
        <translation>Tirage à la main&#xa0;: cliquer sur [Mélanger], puis sur [Tirer].</translation>
    </message>
    <message>
        <source>To do it automatically , click the [AutoStart] button and then , the [AutoStop]</source>
        <translation>Tirage automatique&#xa0;: cliquer sur [Départ auto] pour lancer la série,</translation>
    </message>
    <message>
        <source>button.</source>
        <extracomment>Help text: the end of the previous line&apos;s sentence.</extracomment>
        <translation>puis sur [Arrêt auto] pour l&apos;arrêter.</translation>
    </message>
    <message>
        <source>When you click the [Graph disply] button , the relationship between the</source>
        <translation>En cliquant sur [Graphique], on obtient la représentation graphique</translation>
    </message>
    <message>
        <source>number of experiments and the ratio of cards drawn in multiples of 3 is  </source>
        <translation>de la fréquence des multiples de 3 parmi les cartes tirées</translation>
    </message>
    <message>
        <source>displayed in a graph.</source>
        <translation>en fonction du nombre de tirages.</translation>
    </message>
    <message>
        <source>Click the [Init] button to restart the experiment from the beginning.</source>
        <translation>Cliquer sur [Réinit.] pour recommencer l&apos;expérience à zéro.</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texte de l’aide</translation>
    </message>
</context>
<context>
    <name>Vandrel</name>
    <message>
        <source>© 2026 The Vandrel developers</source>
        <translation>© 2026 Les développeurs de Vandrel</translation>
    </message>
</context>
</TS>
