<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi">
<context>
    <name>AppStream</name>
    <message>
        <source>Vandrel</source>
        <extracomment>The program&apos;s name in the software centre.</extracomment>
        <translatorcomment>Bảng thuật ngữ (English = tiếng Việt)
draw (verb) = rút (bài)
draw (noun) = lần rút; number of draws (also the graph&apos;s &quot;number of experiments&quot; and the table&apos;s &quot;Draws&quot;) = số lần rút
experiment (the whole series, restarted by Init) = thí nghiệm; automatic run = rút tự động
ratio / relative frequency = tần số tương đối
probability = xác suất; theoretical probability = xác suất lí thuyết
with replacement = có hoàn lại
multiple of 3 = bội của 3; the cards that are multiples of 3 (whose share is counted) = các lá là bội của 3
spades = bích
clubs / clovers = chuồn
hearts = cơ
diamonds = rô
Ace = át
Jack = bồi
Queen = đầm
King = già (card names in lower case, as mid-sentence: &quot;đầm cơ&quot;)
Draw (button) = Rút bài
Shuffle = Xáo bài
Exit = Thoát
AutoStart = Chạy tự động
AutoStop = Dừng tự động
Init = Đặt lại
Graph display = Biểu đồ
Help (button) and the help window = Trợ giúp
Close = Đóng
graph = biểu đồ
dashed line = đường nét đứt
≒ = ≈</translatorcomment>
        <translation>Vandrel</translation>
    </message>
    <message>
        <source>Watch the share of multiples of 3 settle towards 16/52</source>
        <extracomment>One-line summary, no full stop at the end.</extracomment>
        <translation>Quan sát tần số tương đối của các lá là bội của 3 ổn định dần quanh 16/52</translation>
    </message>
    <message>
        <source>Vandrel teaches probability with a deck of 52 playing cards. Students draw cards by hand or in a fast automatic run of 1000 draws and watch the share of cards whose rank is a multiple of 3 settle towards the theoretical 16/52, shown beside it and plotted against the number of draws.</source>
        <extracomment>The description, one paragraph on one line.</extracomment>
        <translation>Vandrel giúp học sinh học xác suất với một bộ bài 52 lá. Học sinh rút bài bằng tay hoặc cho máy rút tự động nhanh 1000 lần, rồi quan sát tần số tương đối của các lá là bội của 3 ổn định dần quanh xác suất lí thuyết 16/52. Tần số tương đối được hiển thị bên cạnh 16/52 và được vẽ trên biểu đồ theo số lần rút.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Vandrel</source>
        <extracomment>Menu entry&apos;s name: the program&apos;s name, optionally followed by a few words saying what it is, as in Japanese &quot;Vandrel トランプで確率&quot;.</extracomment>
        <translation>Vandrel – học xác suất với bộ bài</translation>
    </message>
    <message>
        <source>Draw playing cards and watch the share of multiples of 3 settle towards 16/52</source>
        <extracomment>Menu entry&apos;s tooltip.</extracomment>
        <translation>Rút bài và quan sát tần số tương đối của các lá là bội của 3 ổn định dần quanh 16/52</translation>
    </message>
    <message>
        <source>probability;cards;statistics;</source>
        <extracomment>Search words for the menu, each ended by a semicolon; keep the semicolons, no spaces around them.</extracomment>
        <translation>xác suất;bài;thống kê;tần số tương đối;</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Draw</source>
        <extracomment>Button: counts the card on view as one draw.</extracomment>
        <translation>Rút bài</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <extracomment>Button: starts flipping random cards on view.</extracomment>
        <translation>Xáo bài</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Thoát</translation>
    </message>
    <message>
        <source>AutoStart</source>
        <extracomment>Button: starts an automatic run of 1000 draws.</extracomment>
        <translation>Chạy tự động</translation>
    </message>
    <message>
        <source>AutoStop</source>
        <extracomment>Button: stops the automatic run.</extracomment>
        <translation>Dừng tự động</translation>
    </message>
    <message>
        <source>Init</source>
        <extracomment>Button: starts the experiment afresh, counts at 0.</extracomment>
        <translation>Đặt lại</translation>
    </message>
    <message>
        <source>Graph display</source>
        <translation>Biểu đồ</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Trợ giúp</translation>
    </message>
    <message>
        <source>Number of cards in multiples of 3 drawn</source>
        <translation>Số lần rút được bội của 3</translation>
    </message>
    <message>
        <source>Total number of cards drawn</source>
        <translation>Tổng số lần rút</translation>
    </message>
    <message>
        <source>Total number of playing cards</source>
        <translation>Tổng số lá bài</translation>
    </message>
    <message>
        <source>Total number of cards in multiples of 3</source>
        <translation>Số lá là bội của 3</translation>
    </message>
    <message>
        <source>Playing card</source>
        <translation>Bộ bài</translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation>Chương trình sẽ thoát.</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>bích</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>chuồn</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>cơ</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>rô</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>át</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>bồi</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>đầm</translation>
    </message>
    <message>
        <source>King</source>
        <translation>già</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name for screen readers: %1 its rank, %2 its suit (&quot;Queen of hearts&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Drew the %1.</source>
        <extracomment>Said after a manual draw: %1 is a card&apos;s name.</extracomment>
        <translation>Đã rút lá %1.</translation>
    </message>
    <message>
        <source>The automatic run has ended.</source>
        <translation>Đã rút tự động xong.</translation>
    </message>
    <message>
        <source>≒</source>
        <extracomment>The sign between the fraction 16/52 or the counts and their decimal value. Keep ≒ or write the sign a school textbook in your language uses (for example ≈).</extracomment>
        <translation>≈</translation>
    </message>
    <message>
        <source>The cards are being shuffled. Press Draw to draw one.</source>
        <translation>Đang xáo bài. Nhấn [Rút bài] để rút một lá.</translation>
    </message>
    <message>
        <source>An automatic run of 1000 draws has started.</source>
        <translation>Đã bắt đầu rút tự động 1000 lần.</translation>
    </message>
    <message>
        <source>The automatic run was stopped.</source>
        <translation>Đã dừng rút tự động.</translation>
    </message>
    <message>
        <source>The counts are reset to 0. Press Shuffle or AutoStart to begin.</source>
        <translation>Các số đếm đã được đặt lại về 0. Nhấn [Xáo bài] hoặc [Chạy tự động] để bắt đầu.</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <extracomment>The number of cards drawn (&quot;12 cards&quot;), which the tally &quot;%n of %1 are multiples of 3; ratio %2.&quot; puts in as its %1.</extracomment>
        <translation>
            <numerusform>%n lần rút</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 are multiples of 3; ratio %2.</source>
        <extracomment>Said after a draw or a run: %n of the cards drawn are multiples of 3; %1 is the number drawn as &quot;%n card(s)&quot; gives it (&quot;12 cards&quot;); %2 the ratio as shown (0.4166667). &quot;5 of 12 cards are multiples of 3; ratio 0.4166667.&quot;</extracomment>
        <translation>
            <numerusform>Trong %1, có %n lần rút được bội của 3; tần số tương đối là %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>(Vertical axis : Percentage of playing cards that are multiples of 3)</source>
        <translation>(Trục tung: tần số tương đối của các lá là bội của 3)</translation>
    </message>
    <message>
        <source>(Horizontal axis : Number of experiments)</source>
        <translation>(Trục hoành: số lần rút)</translation>
    </message>
    <message>
        <source>Graph </source>
        <extracomment>The window&apos;s caption; the maker&apos;s notice follows the space.</extracomment>
        <translation>Biểu đồ </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Biểu đồ</translation>
    </message>
    <message>
        <source>The ratio of cards that are multiples of 3, from 0.00 at the bottom to 1.00 at the top, against the number of draws, from 0 at the left to 1000 at the right. A dashed line marks the ratio 0.30.</source>
        <translation>Biểu đồ biểu diễn tần số tương đối của các lá là bội của 3 (từ 0,00 ở dưới đến 1,00 ở trên) theo số lần rút (từ 0 ở bên trái đến 1000 ở bên phải). Đường nét đứt đánh dấu tần số tương đối 0,30.</translation>
    </message>
    <message>
        <source>No draws are plotted yet.</source>
        <translation>Chưa có lần rút nào được vẽ.</translation>
    </message>
    <message>
        <source>Draws plotted: %1. The latest ratio is %2.</source>
        <extracomment>%1 a number of draws, %2 a ratio such as 0.3076923.</extracomment>
        <translation>Số lần rút đã vẽ: %1. Tần số tương đối sau %1 lần rút: %2.</translation>
    </message>
    <message>
        <source>Draws plotted: the first 1000 of %1. The ratio at draw 1000 is %2.</source>
        <extracomment>%1 a number of draws above 1000, %2 a ratio such as 0.3076923.</extracomment>
        <translation>Số lần rút đã vẽ: 1000 lần đầu trong %1 lần. Tần số tương đối sau 1000 lần rút: %2.</translation>
    </message>
    <message>
        <source>The line of the earlier run is still shown; no draws of the new run are plotted yet.</source>
        <translation>Đường biểu diễn của thí nghiệm trước vẫn còn hiển thị; chưa có lần rút nào của thí nghiệm mới được vẽ.</translation>
    </message>
    <message>
        <source>The table gives the ratio at chosen draws. Press Space or Enter to hear the ratio as sound: a soft tone for 0.30 first, then a pitch that rises and falls with the ratio, low for 0 and high for 1, over the draws; press again or Escape to stop.</source>
        <translation>Bảng cho biết tần số tương đối ứng với một số giá trị được chọn của số lần rút. Nhấn phím cách hoặc Enter để nghe tần số tương đối bằng âm thanh: trước hết là một âm nhẹ cho 0,30, sau đó là một âm có cao độ lên xuống theo tần số tương đối qua các lần rút, trầm ứng với 0 và cao ứng với 1; nhấn lần nữa hoặc nhấn Esc để dừng.</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Số lần rút</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Tần số tương đối</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source> Playing Cards＿Help（Questions and Operation method） </source>
        <extracomment>The window&apos;s caption, with its leading space; the maker&apos;s notice follows the last space.</extracomment>
        <translation> Bộ bài – Trợ giúp (bài toán và cách sử dụng) </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>【Problem】</source>
        <extracomment>A line of the help text. Sentences run on over several lines; keep each line short enough for the window, which cuts rather than wraps.</extracomment>
        <translation>【Bài toán】</translation>
    </message>
    <message>
        <source>There is a set of playing cards.</source>
        <translation>Có một bộ bài tú lơ khơ.</translation>
    </message>
    <message>
        <source>Use 52 cards excluding 2 jokers.</source>
        <translation>Bỏ 2 lá joker ra, dùng 52 lá còn lại.</translation>
    </message>
    <message>
        <source>There are 4 multiples of 3 for each of spades , clovers , diamonds , and</source>
        <translation>Mỗi chất (bích, chuồn, rô và cơ) có 4 lá là bội của 3</translation>
    </message>
    <message>
        <source>hearts , so there are 16 (4×4=16)．</source>
        <translation>(3, 6, 9 và đầm = 12), nên tổng cộng có 16 lá (4 · 4 = 16).</translation>
    </message>
    <message>
        <source>Consider the probability that when one is drawn from these 52 cards , </source>
        <translation>Rút ngẫu nhiên một lá từ 52 lá bài này.</translation>
    </message>
    <message>
        <source>that card is a multiple of 3.</source>
        <translation>Hãy xét xác suất để lá rút được là bội của 3.</translation>
    </message>
    <message>
        <source>Of the 52 cards , 16 are multiples of 3 , so mathematically it is 16/52.</source>
        <translation>Trong 52 lá có 16 lá là bội của 3, nên xác suất đó là 16/52.</translation>
    </message>
    <message>
        <source>However , in reality , when one card is drawn one by one and returned 52 </source>
        <translation>Nhưng trên thực tế, khi rút có hoàn lại 52 lần, mỗi lần một lá,</translation>
    </message>
    <message>
        <source>terms , a card that is a multiple of 3 doesn&apos;t oppear exactly 16 times.</source>
        <translation>không phải lúc nào cũng rút được bội của 3 đúng 16 lần.</translation>
    </message>
    <message>
        <source>Then , what is the relationship with theoretical probability 16/52 </source>
        <translation>Vậy kết quả thực tế có quan hệ thế nào</translation>
    </message>
    <message>
        <source>obtained mathematically ?</source>
        <translation>với xác suất lí thuyết 16/52 đã tính ở trên?</translation>
    </message>
    <message>
        <source>【Operation method】</source>
        <translation>【Cách sử dụng】</translation>
    </message>
    <message>
        <source>To do it manually , click the [Shuffle] button and then , the [Draw] button.</source>
        <translation>Rút bằng tay: nhấn [Xáo bài], rồi nhấn [Rút bài].</translation>
    </message>
    <message>
        <source>To do it automatically , click the [AutoStart] button and then , the [AutoStop]</source>
        <translation>Rút tự động: nhấn [Chạy tự động] để bắt đầu,</translation>
    </message>
    <message>
        <source>button.</source>
        <extracomment>Help text: the end of the previous line&apos;s sentence.</extracomment>
        <translation>rồi nhấn [Dừng tự động] để dừng lại.</translation>
    </message>
    <message>
        <source>When you click the [Graph disply] button , the relationship between the</source>
        <translation>Nhấn [Biểu đồ] để xem trên biểu đồ</translation>
    </message>
    <message>
        <source>number of experiments and the ratio of cards drawn in multiples of 3 is  </source>
        <translation>tần số tương đối của các lá là bội của 3</translation>
    </message>
    <message>
        <source>displayed in a graph.</source>
        <translation>thay đổi thế nào theo số lần rút.</translation>
    </message>
    <message>
        <source>Click the [Init] button to restart the experiment from the beginning.</source>
        <translation>Nhấn [Đặt lại] để làm lại thí nghiệm từ đầu.</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Nội dung trợ giúp</translation>
    </message>
</context>
<context>
    <name>Vandrel</name>
    <message>
        <source>© 2026 The Vandrel developers</source>
        <translation>© 2026 Nhóm phát triển Vandrel</translation>
    </message>
</context>
</TS>
