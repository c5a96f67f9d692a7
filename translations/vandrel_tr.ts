<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>AppStream</name>
    <message>
        <source>Vandrel</source>
        <extracomment>The program&apos;s name in the software centre.</extracomment>
        <translatorcomment>Sözlük (English = Türkçe)
draw (verb) = (kart) çekmek
draw (noun) = çekiliş; number of draws (also the graph&apos;s &quot;number of experiments&quot; and the table&apos;s &quot;Draws&quot;) = çekiliş sayısı
experiment (the whole series, restarted by Init) = deney; automatic run = otomatik seri
ratio / relative frequency = göreli sıklık
probability = olasılık; theoretical probability = teorik olasılık
settle towards 16/52 = 16/52’ye yaklaşmak (the relative frequency approaches the probability, as Turkish textbooks say it)
with replacement = geri koyarak
multiple of 3 = 3’ün katı
spades = maça
clubs / clovers = sinek
hearts = kupa
diamonds = karo
Ace = as
Jack = vale
Queen = kız
King = papaz (card names in lower case, as mid-sentence: &quot;kupa kız&quot;)
Draw (button) = Çek
Shuffle = Karıştır
Exit = Çıkış
AutoStart = Otomatik başlat
AutoStop = Otomatik durdur (not &quot;Oto&quot;, which alone means a car; the 143 px buttons narrow these two to 94-97 %)
Init = Sıfırla
Graph display = Grafik
Help = Yardım
Close = Kapat
graph = grafik
dashed line = kesikli çizgi
No suffix is written after a placeholder, whose number is not known: &quot;%1 %n kez&quot;, not &quot;%n’i&quot;.
≒ = ≈</translatorcomment>
        <translation>Vandrel</translation>
    </message>
    <message>
        <source>Watch the share of multiples of 3 settle towards 16/52</source>
        <extracomment>One-line summary, no full stop at the end.</extracomment>
        <translation>3’ün katlarının göreli sıklığının 16/52’ye yaklaştığını gözlemleyin</translation>
    </message>
    <message>
        <source>Vandrel teaches probability with a deck of 52 playing cards. Students draw cards by hand or in a fast automatic run of 1000 draws and watch the share of cards whose rank is a multiple of 3 settle towards the theoretical 16/52, shown beside it and plotted against the number of draws.</source>
        <extracomment>The description, one paragraph on one line.</extracomment>
        <translation>Vandrel, 52 kartlık bir iskambil destesiyle olasılık öğretir. Öğrenciler kartları elle ya da 1000 çekilişlik hızlı bir otomatik seriyle çeker ve değeri 3’ün katı olan kartların göreli sıklığının teorik olasılık olan 16/52’ye yaklaştığını gözlemler. Göreli sıklık 16/52’nin yanında gösterilir ve çekiliş sayısına göre bir grafikte çizilir.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Vandrel</source>
        <extracomment>Menu entry&apos;s name: the program&apos;s name, optionally followed by a few words saying what it is, as in Japanese &quot;Vandrel トランプで確率&quot;.</extracomment>
        <translation>Vandrel – iskambil kartlarıyla olasılık</translation>
    </message>
    <message>
        <source>Draw playing cards and watch the share of multiples of 3 settle towards 16/52</source>
        <extracomment>Menu entry&apos;s tooltip.</extracomment>
        <translation>Kart çekin ve 3’ün katlarının göreli sıklığının 16/52’ye yaklaştığını gözlemleyin</translation>
    </message>
    <message>
        <source>probability;cards;statistics;</source>
        <extracomment>Search words for the menu, each ended by a semicolon; keep the semicolons, no spaces around them.</extracomment>
        <translation>olasılık;iskambil;kart;istatistik;göreli sıklık;</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Draw</source>
        <extracomment>Button: counts the card on view as one draw.</extracomment>
        <translation>Çek</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <extracomment>Button: starts flipping random cards on view.</extracomment>
        <translation>Karıştır</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>AutoStart</source>
        <extracomment>Button: starts an automatic run of 1000 draws.</extracomment>
        <translation>Otomatik başlat</translation>
    </message>
    <message>
        <source>AutoStop</source>
        <extracomment>Button: stops the automatic run.</extracomment>
        <translation>Otomatik durdur</translation>
    </message>
    <message>
        <source>Init</source>
        <extracomment>Button: starts the experiment afresh, counts at 0.</extracomment>
        <translation>Sıfırla</translation>
    </message>
    <message>
        <source>Graph display</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Number of cards in multiples of 3 drawn</source>
        <translation>3’ün katı gelen çekiliş sayısı</translation>
    </message>
    <message>
        <source>Total number of cards drawn</source>
        <translation>Toplam çekiliş sayısı</translation>
    </message>
    <message>
        <source>Total number of playing cards</source>
        <translation>Destedeki toplam kart sayısı</translation>
    </message>
    <message>
        <source>Total number of cards in multiples of 3</source>
        <translation>Destede 3’ün katı olan kart sayısı</translation>
    </message>
    <message>
        <source>Playing card</source>
        <translation>İskambil kartları</translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation>Program kapanacak.</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>maça</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>sinek</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>kupa</translation>
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
        <translation>vale</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>kız</translation>
    </message>
    <message>
        <source>King</source>
        <translation>papaz</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name for screen readers: %1 its rank, %2 its suit (&quot;Queen of hearts&quot;).</extracomment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>Drew the %1.</source>
        <extracomment>Said after a manual draw: %1 is a card&apos;s name.</extracomment>
        <translation>Çekilen kart: %1.</translation>
    </message>
    <message>
        <source>The automatic run has ended.</source>
        <translation>Otomatik seri sona erdi.</translation>
    </message>
    <message>
        <source>≒</source>
        <extracomment>The sign between the fraction 16/52 or the counts and their decimal value. Keep ≒ or write the sign a school textbook in your language uses (for example ≈).</extracomment>
        <translation>≈</translation>
    </message>
    <message>
        <source>The cards are being shuffled. Press Draw to draw one.</source>
        <translation>Kartlar karıştırılıyor. Bir kart çekmek için [Çek] düğmesine basın.</translation>
    </message>
    <message>
        <source>An automatic run of 1000 draws has started.</source>
        <translation>1000 çekilişlik otomatik seri başladı.</translation>
    </message>
    <message>
        <source>The automatic run was stopped.</source>
        <translation>Otomatik seri durduruldu.</translation>
    </message>
    <message>
        <source>The counts are reset to 0. Press Shuffle or AutoStart to begin.</source>
        <translation>Sayaçlar sıfırlandı. Başlamak için [Karıştır] ya da [Otomatik başlat] düğmesine basın.</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <extracomment>The number of cards drawn (&quot;12 cards&quot;), which the tally &quot;%n of %1 are multiples of 3; ratio %2.&quot; puts in as its %1.</extracomment>
        <translation>
            <numerusform>%n çekilişte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 are multiples of 3; ratio %2.</source>
        <extracomment>Said after a draw or a run: %n of the cards drawn are multiples of 3; %1 is the number drawn as &quot;%n card(s)&quot; gives it (&quot;12 cards&quot;); %2 the ratio as shown (0.4166667). &quot;5 of 12 cards are multiples of 3; ratio 0.4166667.&quot;</extracomment>
        <translation>
            <numerusform>%1 %n kez 3’ün katı geldi; göreli sıklık: %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>(Vertical axis : Percentage of playing cards that are multiples of 3)</source>
        <translation>(Dikey eksen: 3’ün katı olan kartların göreli sıklığı)</translation>
    </message>
    <message>
        <source>(Horizontal axis : Number of experiments)</source>
        <translation>(Yatay eksen: çekiliş sayısı)</translation>
    </message>
    <message>
        <source>Graph </source>
        <extracomment>The window&apos;s caption; the maker&apos;s notice follows the space.</extracomment>
        <translation>Grafik </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>The ratio of cards that are multiples of 3, from 0.00 at the bottom to 1.00 at the top, against the number of draws, from 0 at the left to 1000 at the right. A dashed line marks the ratio 0.30.</source>
        <translation>Dikey eksende 3’ün katı olan kartların göreli sıklığı (altta 0,00, üstte 1,00), yatay eksende çekiliş sayısı (solda 0, sağda 1000) vardır. Kesikli çizgi, göreli sıklığın 0,30 değerini gösterir.</translation>
    </message>
    <message>
        <source>No draws are plotted yet.</source>
        <translation>Grafikte henüz çekiliş yok.</translation>
    </message>
    <message>
        <source>Draws plotted: %1. The latest ratio is %2.</source>
        <extracomment>%1 a number of draws, %2 a ratio such as 0.3076923.</extracomment>
        <translation>Grafikteki çekiliş sayısı: %1. Son göreli sıklık: %2.</translation>
    </message>
    <message>
        <source>Draws plotted: the first 1000 of %1. The ratio at draw 1000 is %2.</source>
        <extracomment>%1 a number of draws above 1000, %2 a ratio such as 0.3076923.</extracomment>
        <translation>Grafikte toplam %1 çekilişin ilk 1000 tanesi var. 1000 çekilişten sonraki göreli sıklık: %2.</translation>
    </message>
    <message>
        <source>The line of the earlier run is still shown; no draws of the new run are plotted yet.</source>
        <translation>Önceki serinin çizgisi hâlâ görünüyor; yeni serinin çekilişleri henüz grafikte yok.</translation>
    </message>
    <message>
        <source>The table gives the ratio at chosen draws. Press Space or Enter to hear the ratio as sound: a soft tone for 0.30 first, then a pitch that rises and falls with the ratio, low for 0 and high for 1, over the draws; press again or Escape to stop.</source>
        <translation>Tabloda seçilen çekiliş sayılarındaki göreli sıklık verilir. Göreli sıklığı ses olarak dinlemek için Boşluk ya da Enter tuşuna basın: önce 0,30 için yumuşak bir ses, ardından çekilişler boyunca göreli sıklıkla birlikte yükselip alçalan bir ses (0 için pes, 1 için tiz) duyulur. Durdurmak için aynı tuşa yeniden ya da Esc tuşuna basın.</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Çekiliş sayısı</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Göreli sıklık</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source> Playing Cards＿Help（Questions and Operation method） </source>
        <extracomment>The window&apos;s caption, with its leading space; the maker&apos;s notice follows the last space.</extracomment>
        <translation> İskambil kartları – Yardım (problem ve kullanım) </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>【Problem】</source>
        <extracomment>A line of the help text. Sentences run on over several lines; keep each line short enough for the window, which cuts rather than wraps.</extracomment>
        <translation>【Problem】</translation>
    </message>
    <message>
        <source>There is a set of playing cards.</source>
        <translation>Bir iskambil destesi var.</translation>
    </message>
    <message>
        <source>Use 52 cards excluding 2 jokers.</source>
        <translation>2 joker dışındaki 52 kart kullanılıyor.</translation>
    </message>
    <message>
        <source>There are 4 multiples of 3 for each of spades , clovers , diamonds , and</source>
        <translation>Her renkte (maça, sinek, karo ve kupa) 3’ün katı olan 4 kart</translation>
    </message>
    <message>
        <source>hearts , so there are 16 (4×4=16)．</source>
        <translation>(3, 6, 9 ve kız = 12), yani toplam 16 kart (4 · 4 = 16) vardır.</translation>
    </message>
    <message>
        <source>Consider the probability that when one is drawn from these 52 cards , </source>
        <translation>Bu 52 karttan rastgele bir kart çekildiğinde</translation>
    </message>
    <message>
        <source>that card is a multiple of 3.</source>
        <translation>bu kartın 3’ün katı olma olasılığını düşünelim.</translation>
    </message>
    <message>
        <source>Of the 52 cards , 16 are multiples of 3 , so mathematically it is 16/52.</source>
        <translation>52 kartın 16’sı 3’ün katı olduğundan olasılık 16/52’dir.</translation>
    </message>
    <message>
        <source>However , in reality , when one card is drawn one by one and returned 52 </source>
        <translation>Ama gerçekte, geri koyarak 52 kez kart çektiğimizde</translation>
    </message>
    <message>
        <source>terms , a card that is a multiple of 3 doesn&apos;t oppear exactly 16 times.</source>
        <translation>3’ün katı her zaman tam 16 kez gelmez.</translation>
    </message>
    <message>
        <source>Then , what is the relationship with theoretical probability 16/52 </source>
        <translation>O hâlde hesapla bulunan teorik olasılık 16/52 ile</translation>
    </message>
    <message>
        <source>obtained mathematically ?</source>
        <translation>çekilişlerde elde edilen sonuçlar arasında nasıl bir ilişki vardır?</translation>
    </message>
    <message>
        <source>【Operation method】</source>
        <translation>【Kullanım】</translation>
    </message>
    <message>
        <source>To do it manually , click the [Shuffle] button and then , the [Draw] button.</source>
        <translation>Elle çekmek için [Karıştır], sonra [Çek] düğmesine tıklayın.</translation>
    </message>
    <message>
        <source>To do it automatically , click the [AutoStart] button and then , the [AutoStop]</source>
        <translation>Otomatik çekmek için [Otomatik başlat] düğmesine tıklayın;</translation>
    </message>
    <message>
        <source>button.</source>
        <extracomment>Help text: the end of the previous line&apos;s sentence.</extracomment>
        <translation>durdurmak için [Otomatik durdur] düğmesine tıklayın.</translation>
    </message>
    <message>
        <source>When you click the [Graph disply] button , the relationship between the</source>
        <translation>[Grafik] düğmesine tıklanınca bir grafik,</translation>
    </message>
    <message>
        <source>number of experiments and the ratio of cards drawn in multiples of 3 is  </source>
        <translation>çekilen 3’ün katlarının göreli sıklığının</translation>
    </message>
    <message>
        <source>displayed in a graph.</source>
        <translation>çekiliş sayısıyla nasıl değiştiğini gösterir.</translation>
    </message>
    <message>
        <source>Click the [Init] button to restart the experiment from the beginning.</source>
        <translation>Deneyi baştan başlatmak için [Sıfırla] düğmesine tıklayın.</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Yardım metni</translation>
    </message>
</context>
<context>
    <name>Vandrel</name>
    <message>
        <source>© 2026 The Vandrel developers</source>
        <translation>© 2026 Vandrel geliştiricileri</translation>
    </message>
</context>
</TS>
