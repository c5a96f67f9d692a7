<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>AppStream</name>
    <message>
        <source>Vandrel</source>
        <extracomment>The program&apos;s name in the software centre.</extracomment>
        <translatorcomment>Glosarium (English = Bahasa Indonesia)
draw (verb) = mengambil (kartu)
draw (noun) = pengambilan; number of draws (also the graph&apos;s &quot;number of experiments&quot; and the table&apos;s &quot;Draws&quot;) = banyak pengambilan
number of draws that gave a multiple of 3 = banyak kemunculan kartu kelipatan 3 (&quot;kartu kelipatan 3 muncul 312 kali&quot;), never counted as cards
experiment (the whole series, restarted by Init) = percobaan; automatic run = pengambilan otomatis
ratio / relative frequency = frekuensi relatif
probability = peluang; theoretical probability = peluang teoretis (KBBI spelling)
with replacement = dengan pengembalian
multiple of 3 = kelipatan 3; the share of multiples of 3 = frekuensi relatif kartu kelipatan 3 (always with kartu)
spades = sekop
clubs / clovers = keriting
hearts = hati
diamonds = wajik
Ace = As
Jack = Jack
Queen = Queen
King = King (capitalised, as Indonesian textbooks write &quot;kartu As&quot;, &quot;kartu King&quot;)
deck of playing cards = seperangkat kartu bridge
Draw (button) = Ambil
Shuffle = Kocok
Exit = Keluar
AutoStart = Mulai otomatis
AutoStop = Hentikan otomatis (&quot;stop&quot; is not standard Indonesian)
Init = Ulang
Graph display = Grafik
Help (button) and the help window = Bantuan
Close = Tutup
graph = grafik
dashed line = garis putus-putus
≒ = ≈</translatorcomment>
        <translation>Vandrel</translation>
    </message>
    <message>
        <source>Watch the share of multiples of 3 settle towards 16/52</source>
        <extracomment>One-line summary, no full stop at the end.</extracomment>
        <translation>Amati bagaimana frekuensi relatif kartu kelipatan 3 menjadi stabil di sekitar 16/52</translation>
    </message>
    <message>
        <source>Vandrel teaches probability with a deck of 52 playing cards. Students draw cards by hand or in a fast automatic run of 1000 draws and watch the share of cards whose rank is a multiple of 3 settle towards the theoretical 16/52, shown beside it and plotted against the number of draws.</source>
        <extracomment>The description, one paragraph on one line.</extracomment>
        <translation>Vandrel mengajarkan peluang dengan seperangkat kartu bridge berisi 52 kartu. Siswa mengambil kartu secara manual atau dalam 1000 pengambilan otomatis yang cepat, lalu mengamati bagaimana frekuensi relatif kartu yang nilainya kelipatan 3 menjadi stabil di sekitar peluang teoretis 16/52. Frekuensi relatif ditampilkan di samping 16/52 dan digambarkan pada grafik terhadap banyak pengambilan.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Vandrel</source>
        <extracomment>Menu entry&apos;s name: the program&apos;s name, optionally followed by a few words saying what it is, as in Japanese &quot;Vandrel トランプで確率&quot;.</extracomment>
        <translation>Vandrel – peluang dengan kartu bridge</translation>
    </message>
    <message>
        <source>Draw playing cards and watch the share of multiples of 3 settle towards 16/52</source>
        <extracomment>Menu entry&apos;s tooltip.</extracomment>
        <translation>Ambil kartu dan amati bagaimana frekuensi relatif kartu kelipatan 3 menjadi stabil di sekitar 16/52</translation>
    </message>
    <message>
        <source>probability;cards;statistics;</source>
        <extracomment>Search words for the menu, each ended by a semicolon; keep the semicolons, no spaces around them.</extracomment>
        <translation>peluang;kartu;statistika;frekuensi relatif;</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Draw</source>
        <extracomment>Button: counts the card on view as one draw.</extracomment>
        <translation>Ambil</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <extracomment>Button: starts flipping random cards on view.</extracomment>
        <translation>Kocok</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>AutoStart</source>
        <extracomment>Button: starts an automatic run of 1000 draws.</extracomment>
        <translation>Mulai otomatis</translation>
    </message>
    <message>
        <source>AutoStop</source>
        <extracomment>Button: stops the automatic run.</extracomment>
        <translation>Hentikan otomatis</translation>
    </message>
    <message>
        <source>Init</source>
        <extracomment>Button: starts the experiment afresh, counts at 0.</extracomment>
        <translation>Ulang</translation>
    </message>
    <message>
        <source>Graph display</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
    <message>
        <source>Number of cards in multiples of 3 drawn</source>
        <translation>Banyak kemunculan kartu kelipatan 3</translation>
    </message>
    <message>
        <source>Total number of cards drawn</source>
        <translation>Banyak pengambilan</translation>
    </message>
    <message>
        <source>Total number of playing cards</source>
        <translation>Banyak kartu seluruhnya</translation>
    </message>
    <message>
        <source>Total number of cards in multiples of 3</source>
        <translation>Banyak kartu kelipatan 3</translation>
    </message>
    <message>
        <source>Playing card</source>
        <translation>Kartu bridge</translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation>Program akan ditutup.</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>sekop</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>keriting</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>hati</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>wajik</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Jack</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Queen</translation>
    </message>
    <message>
        <source>King</source>
        <translation>King</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name for screen readers: %1 its rank, %2 its suit (&quot;Queen of hearts&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Drew the %1.</source>
        <extracomment>Said after a manual draw: %1 is a card&apos;s name.</extracomment>
        <translation>Kartu yang terambil: %1.</translation>
    </message>
    <message>
        <source>The automatic run has ended.</source>
        <translation>Pengambilan otomatis selesai.</translation>
    </message>
    <message>
        <source>≒</source>
        <extracomment>The sign between the fraction 16/52 or the counts and their decimal value. Keep ≒ or write the sign a school textbook in your language uses (for example ≈).</extracomment>
        <translation>≈</translation>
    </message>
    <message>
        <source>The cards are being shuffled. Press Draw to draw one.</source>
        <translation>Kartu sedang dikocok. Tekan [Ambil] untuk mengambil satu kartu.</translation>
    </message>
    <message>
        <source>An automatic run of 1000 draws has started.</source>
        <translation>Pengambilan otomatis sebanyak 1000 kali dimulai.</translation>
    </message>
    <message>
        <source>The automatic run was stopped.</source>
        <translation>Pengambilan otomatis dihentikan.</translation>
    </message>
    <message>
        <source>The counts are reset to 0. Press Shuffle or AutoStart to begin.</source>
        <translation>Semua hitungan kembali ke 0. Tekan [Kocok] atau [Mulai otomatis] untuk memulai.</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <extracomment>The number of cards drawn (&quot;12 cards&quot;), which the tally &quot;%n of %1 are multiples of 3; ratio %2.&quot; puts in as its %1.</extracomment>
        <translation>
            <numerusform>%n pengambilan</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 are multiples of 3; ratio %2.</source>
        <extracomment>Said after a draw or a run: %n of the cards drawn are multiples of 3; %1 is the number drawn as &quot;%n card(s)&quot; gives it (&quot;12 cards&quot;); %2 the ratio as shown (0.4166667). &quot;5 of 12 cards are multiples of 3; ratio 0.4166667.&quot;</extracomment>
        <translation>
            <numerusform>Dari %1, kartu kelipatan 3 muncul %n kali; frekuensi relatif: %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>(Vertical axis : Percentage of playing cards that are multiples of 3)</source>
        <translation>(Sumbu tegak: frekuensi relatif kartu kelipatan 3)</translation>
    </message>
    <message>
        <source>(Horizontal axis : Number of experiments)</source>
        <translation>(Sumbu mendatar: banyak pengambilan)</translation>
    </message>
    <message>
        <source>Graph </source>
        <extracomment>The window&apos;s caption; the maker&apos;s notice follows the space.</extracomment>
        <translation>Grafik </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>The ratio of cards that are multiples of 3, from 0.00 at the bottom to 1.00 at the top, against the number of draws, from 0 at the left to 1000 at the right. A dashed line marks the ratio 0.30.</source>
        <translation>Frekuensi relatif kartu kelipatan 3, dari 0,00 di bawah sampai 1,00 di atas, terhadap banyak pengambilan, dari 0 di kiri sampai 1000 di kanan. Garis putus-putus menandai frekuensi relatif 0,30.</translation>
    </message>
    <message>
        <source>No draws are plotted yet.</source>
        <translation>Belum ada pengambilan yang digambarkan.</translation>
    </message>
    <message>
        <source>Draws plotted: %1. The latest ratio is %2.</source>
        <extracomment>%1 a number of draws, %2 a ratio such as 0.3076923.</extracomment>
        <translation>Banyak pengambilan yang digambarkan: %1. Frekuensi relatif terakhir: %2.</translation>
    </message>
    <message>
        <source>Draws plotted: the first 1000 of %1. The ratio at draw 1000 is %2.</source>
        <extracomment>%1 a number of draws above 1000, %2 a ratio such as 0.3076923.</extracomment>
        <translation>Yang digambarkan: 1000 pengambilan pertama dari %1 pengambilan. Frekuensi relatif setelah 1000 pengambilan: %2.</translation>
    </message>
    <message>
        <source>The line of the earlier run is still shown; no draws of the new run are plotted yet.</source>
        <translation>Garis percobaan sebelumnya masih ditampilkan; belum ada pengambilan dari percobaan baru yang digambarkan.</translation>
    </message>
    <message>
        <source>The table gives the ratio at chosen draws. Press Space or Enter to hear the ratio as sound: a soft tone for 0.30 first, then a pitch that rises and falls with the ratio, low for 0 and high for 1, over the draws; press again or Escape to stop.</source>
        <translation>Tabel memuat frekuensi relatif untuk beberapa nilai banyak pengambilan. Tekan Spasi atau Enter untuk mendengar frekuensi relatif sebagai bunyi: mula-mula nada lembut untuk 0,30, lalu nada yang naik turun mengikuti frekuensi relatif (rendah untuk 0, tinggi untuk 1) dari pengambilan pertama sampai terakhir; tekan lagi atau Esc untuk berhenti.</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Banyak pengambilan</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Frekuensi relatif</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source> Playing Cards＿Help（Questions and Operation method） </source>
        <extracomment>The window&apos;s caption, with its leading space; the maker&apos;s notice follows the last space.</extracomment>
        <translation> Kartu bridge – Bantuan (soal dan cara penggunaan) </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>【Problem】</source>
        <extracomment>A line of the help text. Sentences run on over several lines; keep each line short enough for the window, which cuts rather than wraps.</extracomment>
        <translation>【Soal】</translation>
    </message>
    <message>
        <source>There is a set of playing cards.</source>
        <translation>Tersedia seperangkat kartu bridge.</translation>
    </message>
    <message>
        <source>Use 52 cards excluding 2 jokers.</source>
        <translation>Digunakan 52 kartu, tanpa 2 kartu joker.</translation>
    </message>
    <message>
        <source>There are 4 multiples of 3 for each of spades , clovers , diamonds , and</source>
        <translation>Setiap jenis (sekop, keriting, wajik, dan hati) memiliki</translation>
    </message>
    <message>
        <source>hearts , so there are 16 (4×4=16)．</source>
        <translation>4 kelipatan 3 (3, 6, 9, Queen = 12), jadi seluruhnya 16 (4 × 4 = 16).</translation>
    </message>
    <message>
        <source>Consider the probability that when one is drawn from these 52 cards , </source>
        <translation>Dari 52 kartu ini diambil satu kartu secara acak.</translation>
    </message>
    <message>
        <source>that card is a multiple of 3.</source>
        <translation>Perhatikan peluang terambilnya kartu kelipatan 3.</translation>
    </message>
    <message>
        <source>Of the 52 cards , 16 are multiples of 3 , so mathematically it is 16/52.</source>
        <translation>Dari 52 kartu, ada 16 kartu kelipatan 3, sehingga peluangnya 16/52.</translation>
    </message>
    <message>
        <source>However , in reality , when one card is drawn one by one and returned 52 </source>
        <translation>Namun, jika kartu diambil satu per satu dengan pengembalian</translation>
    </message>
    <message>
        <source>terms , a card that is a multiple of 3 doesn&apos;t oppear exactly 16 times.</source>
        <translation>sebanyak 52 kali, kartu kelipatan 3 belum tentu muncul tepat 16 kali.</translation>
    </message>
    <message>
        <source>Then , what is the relationship with theoretical probability 16/52 </source>
        <translation>Lalu, bagaimana hubungan antara hasil percobaan</translation>
    </message>
    <message>
        <source>obtained mathematically ?</source>
        <translation>dan peluang teoretis 16/52 yang diperoleh dari perhitungan?</translation>
    </message>
    <message>
        <source>【Operation method】</source>
        <translation>【Cara penggunaan】</translation>
    </message>
    <message>
        <source>To do it manually , click the [Shuffle] button and then , the [Draw] button.</source>
        <translation>Secara manual: klik [Kocok], lalu klik [Ambil].</translation>
    </message>
    <message>
        <source>To do it automatically , click the [AutoStart] button and then , the [AutoStop]</source>
        <translation>Secara otomatis: klik [Mulai otomatis] untuk memulai,</translation>
    </message>
    <message>
        <source>button.</source>
        <extracomment>Help text: the end of the previous line&apos;s sentence.</extracomment>
        <translation>lalu klik [Hentikan otomatis] untuk menghentikannya.</translation>
    </message>
    <message>
        <source>When you click the [Graph disply] button , the relationship between the</source>
        <translation>Klik [Grafik] untuk melihat pada grafik bagaimana</translation>
    </message>
    <message>
        <source>number of experiments and the ratio of cards drawn in multiples of 3 is  </source>
        <translation>frekuensi relatif kartu kelipatan 3 berubah</translation>
    </message>
    <message>
        <source>displayed in a graph.</source>
        <translation>terhadap banyak pengambilan.</translation>
    </message>
    <message>
        <source>Click the [Init] button to restart the experiment from the beginning.</source>
        <translation>Klik [Ulang] untuk mengulang percobaan dari awal.</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Teks bantuan</translation>
    </message>
</context>
<context>
    <name>Vandrel</name>
    <message>
        <source>© 2026 The Vandrel developers</source>
        <translation>© 2026 Para pengembang Vandrel</translation>
    </message>
</context>
</TS>
