<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>Goods</name>
    <message>
        <source>Gold</source>
        <translation>Altın</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Gümüş</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Üzüm</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Wheat</source>
        <translation>Buğday</translation>
    </message>
    <message>
        <source>Papyrus</source>
        <translation>Papirüs</translation>
    </message>
    <message>
        <source>Granite Statue</source>
        <translation>Granit heykel</translation>
    </message>
    <message>
        <source>Sphinx</source>
        <translation>Sfenks</translation>
    </message>
    <message>
        <source>Marble</source>
        <translation>Mermer</translation>
    </message>
    <message>
        <source>Granite</source>
        <translation>Granit</translation>
    </message>
    <message>
        <source>Gold Statue</source>
        <translation>Altın heykel</translation>
    </message>
    <message>
        <source>Silver Statue</source>
        <translation>Gümüş heykel</translation>
    </message>
    <message>
        <source>Gems</source>
        <translation>Mücevher</translation>
    </message>
    <message>
        <source>Scrolls</source>
        <translation>Parşömen</translation>
    </message>
    <message>
        <source>Food &amp; water</source>
        <translation>Yiyecek ve su</translation>
    </message>
</context>
<context>
    <name>LedgerLoader</name>
    <message>
        <source>The ledger could not be opened: the file that holds it is missing.

It was looked for as:
%1</source>
        <translation>Hesap defteri açılamadı: onu tutan dosya yok.

Aranan yerler:
%1</translation>
    </message>
    <message>
        <source>The ledger could not be opened: the file that holds it, %1, could not be loaded.

%2</source>
        <translation>Hesap defteri açılamadı: onu tutan dosya (%1) yüklenemedi.

%2</translation>
    </message>
    <message>
        <source>The ledger could not be opened: the file that holds it, %1, belongs to another version of the game.</source>
        <translation>Hesap defteri açılamadı: onu tutan dosya (%1) oyunun başka bir sürümüne ait.</translation>
    </message>
</context>
<context>
    <name>Phrase</name>
    <message>
        <source>%1 prices are low</source>
        <translation>%1 fiyatları düşük</translation>
    </message>
    <message>
        <source>The market has been flooded with cheap %1 and so prices are very low</source>
        <translation>Pazar ucuz %1 ile dolup taştı, bu yüzden fiyatlar çok düşük</translation>
    </message>
    <message>
        <source>The Pharoah needs %1 for his personal use, and so<byte value="xd"/>
the price has gone up</source>
        <translation>Firavun kendi kullanımı için %1 istiyor, bu yüzden<byte value="xd"/>
fiyat yükseldi</translation>
    </message>
    <message>
        <source>%1 prices are high</source>
        <translation>%1 fiyatları yüksek</translation>
    </message>
    <message>
        <source>The Pharoah is pleased with you progress<byte value="xd"/>
You received a cash bonus of %1</source>
        <translation>Firavun gidişatından memnun<byte value="xd"/>
%1 nakit ikramiye kazandın</translation>
    </message>
    <message>
        <source>Dunemark - Day %1</source>
        <translation>Dunemark - %1. Gün</translation>
    </message>
    <message>
        <source>You have been mugged</source>
        <translation>Soyuldun</translation>
    </message>
    <message>
        <source>Your pyramid bank was robbed, half your fortune has gone</source>
        <translation>Piramit bankan soyuldu, servetinin yarısı uçtu gitti</translation>
    </message>
    <message>
        <source>This is you last day, better sell your stock</source>
        <translation>Bugün son günün, malını satsan iyi olur</translation>
    </message>
    <message>
        <source>You managed to get a total of <byte value="xd"/>
%1</source>
        <translation>Sonunda elinde kalan toplam: <byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>You aint got the dosh mate</source>
        <translation>Mangırın yetmiyor kanka</translation>
    </message>
    <message>
        <source>Ya not got enuff slaves</source>
        <translation>Kölen yetmiyor be</translation>
    </message>
    <message>
        <source>Nothing there to sell</source>
        <translation>Satacak bir şey yok</translation>
    </message>
    <message>
        <source>You haven&apos;t got the money, to buy that gift</source>
        <translation>Bu hediyeye paran yetmiyor</translation>
    </message>
    <message>
        <source>You seem to be lacking the money</source>
        <translation>Galiba paran eksik</translation>
    </message>
    <message>
        <source>There are no more slaves for you to buy</source>
        <translation>Satın alabileceğin köle kalmadı</translation>
    </message>
    <message>
        <source>You not got the money</source>
        <translation>Paran yok ki</translation>
    </message>
    <message>
        <source>You now claim residence next to the Gods</source>
        <translation>Artık tanrıların yanında yatıyorsun</translation>
    </message>
    <message>
        <source>You now claim residency next to the great Pharoahs</source>
        <translation>Artık büyük firavunların yanında yatıyorsun</translation>
    </message>
    <message>
        <source>You have a burial fit for a nobleman</source>
        <translation>Bir soyluya yakışır şekilde gömüldün</translation>
    </message>
    <message>
        <source>You are buried with people of your own class</source>
        <translation>Kendi sınıfından insanların yanına gömüldün</translation>
    </message>
    <message>
        <source>You are buried in a hole, in the desert</source>
        <translation>Çölde bir çukura gömüldün</translation>
    </message>
    <message>
        <source>You were just tossed into the desert</source>
        <translation>Öylece çöle atıldın</translation>
    </message>
    <message>
        <source>next to the Gods</source>
        <translation>tanrıların yanında</translation>
    </message>
    <message>
        <source>next to the great Pharoahs</source>
        <translation>büyük firavunların yanında</translation>
    </message>
    <message>
        <source>a burial fit for a nobleman</source>
        <translation>bir soylu gibi</translation>
    </message>
    <message>
        <source>with people of your own class</source>
        <translation>kendi sınıfının yanında</translation>
    </message>
    <message>
        <source>in a hole, in the desert</source>
        <translation>çölde bir çukurda</translation>
    </message>
    <message>
        <source>tossed into the desert</source>
        <translation>çöle atılmış</translation>
    </message>
    <message>
        <source>You were left in the middle of the desert, without any food and water. As you try to walk, the sun makes you thirsty, and time makes you hungry. The wind joins forces with the sand, to make it impossible for you to do anything. You collapse to the floor, and take your last breath of air.</source>
        <translation>Seni çölün ortasında, yiyeceksiz ve susuz bıraktılar. Yürümeye çalıştıkça güneş seni susatıyor, zaman da acıktırıyor. Rüzgâr kumla güçlerini birleştiriyor ve hiçbir şey yapamaz hâle geliyorsun. Yere yığılıyor ve son nefesini veriyorsun.</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Geri al</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Yinele</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Ke&amp;s</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopyala</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Ya&amp;pıştır</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tümünü Seç</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Evet</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Hayır</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>dunemark::FortuneChart</name>
    <message>
        <source>Money (cash + bank - loan)</source>
        <translation>Para (nakit + banka - borç)</translation>
    </message>
    <message>
        <source>Worth (money + goods)</source>
        <translation>Değer (para + mallar)</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Para</translation>
    </message>
    <message>
        <source>money</source>
        <translation>para</translation>
    </message>
    <message>
        <source>worth</source>
        <translation>değer</translation>
    </message>
    <message>
        <source>Day %1, %2: %3</source>
        <translation>%1. gün, %2: %3</translation>
    </message>
</context>
<context>
    <name>dunemark::LastSeenTable</name>
    <message>
        <source>Goods</source>
        <translation>Mallar</translation>
    </message>
    <message>
        <source>Last price seen of each good in each town</source>
        <translation>Her malın her şehirde son görülen fiyatı</translation>
    </message>
    <message>
        <source>%1 (day %2)</source>
        <translation>%1 (%2. gün)</translation>
    </message>
    <message>
        <source>%1, the lowest</source>
        <translation>%1, en düşük</translation>
    </message>
    <message>
        <source>%1, the highest</source>
        <translation>%1, en yüksek</translation>
    </message>
</context>
<context>
    <name>dunemark::LedgerChart</name>
    <message>
        <source>Day</source>
        <translation>Gün</translation>
    </message>
</context>
<context>
    <name>dunemark::PriceChart</name>
    <message>
        <source>Price</source>
        <translation>Fiyat</translation>
    </message>
    <message>
        <source>%1, day %2: %3</source>
        <translation>%1, %2. gün: %3</translation>
    </message>
</context>
<context>
    <name>dunemark::QuantityDialog</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>%1 each</source>
        <translation>tanesi %1</translation>
    </message>
</context>
<context>
    <name>dunemark::SpokenNews</name>
    <message>
        <source>Cash %1, debt %2.</source>
        <translation>Nakit: %1, borç: %2.</translation>
    </message>
    <message>
        <source>Bank %1.</source>
        <translation>Banka: %1.</translation>
    </message>
</context>
<context>
    <name>dunemark::TownLabel</name>
    <message>
        <source>Travel to %1 (%2)</source>
        <translation>%1 şehrine git (%2)</translation>
    </message>
</context>
<context>
    <name>dunemark::frmAbout</name>
    <message>
        <source>A trading game. Make as much money as you can before all your days go.</source>
        <translation>Bir ticaret oyunu. Günlerin bitmeden olabildiğince çok para kazan.</translation>
    </message>
    <message>
        <source>Use this product at your own risk. Do not blame me if anything goes wrong. If you don&apos;t agree with this, then stop using this product.</source>
        <translation>Kullanım riski sana ait. Bir şey ters giderse suç bende değil. Kabul etmiyorsan kullanma.</translation>
    </message>
    <message>
        <source>(C) 2026 the Dunemark authors</source>
        <translation>(C) 2026 Dunemark yazarları</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Opens the web page</source>
        <translation>Web sayfasını açar</translation>
    </message>
    <message>
        <source>Writes an e-mail to the author</source>
        <translation>Yazara e-posta yazar</translation>
    </message>
</context>
<context>
    <name>dunemark::frmBuy</name>
    <message>
        <source>How many do you wish to buy:</source>
        <translation>Kaç tane almak istiyorsun:</translation>
    </message>
    <message numerus="yes">
        <source>You can afford %1 and have space for %n more items</source>
        <translation>
            <numerusform>%L1 tanesine paran yetiyor, %Ln tane daha yerin var</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmFinances</name>
    <message>
        <source>Cash:</source>
        <translation>Nakit:</translation>
    </message>
    <message>
        <source>Bank:</source>
        <translation>Banka:</translation>
    </message>
    <message>
        <source>Debt:</source>
        <translation>Borç:</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Yatır</translation>
    </message>
    <message>
        <source>Withdraw</source>
        <translation>Çek</translation>
    </message>
    <message>
        <source>Pay Loan</source>
        <translation>Borç öde</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Finances</source>
        <translation>Finans</translation>
    </message>
    <message>
        <source>Deposited %1.</source>
        <translation>%1 yatırıldı.</translation>
    </message>
    <message>
        <source>Withdrew %1.</source>
        <translation>%1 çekildi.</translation>
    </message>
    <message>
        <source>Paid %1 of the loan.</source>
        <translation>Borcun %1 kadarı ödendi.</translation>
    </message>
    <message>
        <source>How much do you deposit? At most %1.</source>
        <translation>Ne kadar yatırıyorsun? En çok %1.</translation>
    </message>
    <message>
        <source>How much do you withdraw? At most %1.</source>
        <translation>Ne kadar çekiyorsun? En çok %1.</translation>
    </message>
    <message>
        <source>How much of the loan do you pay back? At most %1.</source>
        <translation>Borcun ne kadarını ödüyorsun? En çok %1.</translation>
    </message>
</context>
<context>
    <name>dunemark::frmGetNumber</name>
    <message>
        <source>How much:</source>
        <translation>Ne kadar:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Financial situation</source>
        <translation>Mali durum</translation>
    </message>
    <message>
        <source>The box holds %1: at most %2.</source>
        <extracomment>Spoken when the amount box has rewritten what was typed: %1 what it holds, %2 the most.</extracomment>
        <translation>Kutuda %1 var: en çok %2.</translation>
    </message>
</context>
<context>
    <name>dunemark::frmHighScores</name>
    <message>
        <source>Highscores</source>
        <translation>Rekorlar</translation>
    </message>
    <message>
        <source>HIGHSCORES</source>
        <translation>REKORLAR</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Whats your name?</source>
        <translation>Adın ne?</translation>
    </message>
    <message>
        <source>You&apos;ve got a highscore</source>
        <translation>Rekor kırdın</translation>
    </message>
    <message>
        <source>Another Dunemark kept the highscores busy for too long.</source>
        <translation>Başka bir Dunemark rekor tablosunu çok uzun süre meşgul etti.</translation>
    </message>
    <message>
        <source>The highscores could not be written: the disk may be full or read-only.</source>
        <translation>Rekorlar yazılamadı: disk dolu ya da salt okunur olabilir.</translation>
    </message>
    <message>
        <source>Your score was not saved. %1 The table is unchanged.</source>
        <translation>Skorun kaydedilmedi. %1 Tablo değişmedi.</translation>
    </message>
    <message>
        <source>The highscores file, %1, is too large to update.</source>
        <translation>Rekor dosyası (%1) güncellenemeyecek kadar büyük.</translation>
    </message>
    <message>
        <source>The highscores file, %1, could not be read.</source>
        <translation>Rekor dosyası (%1) okunamadı.</translation>
    </message>
    <message>
        <source>Something that is not a lock file stands at %1: remove it, and scores can be saved again.</source>
        <translation>%1 konumunda kilit dosyası olmayan bir şey var: onu kaldırırsan rekorlar yeniden kaydedilebilir.</translation>
    </message>
    <message>
        <source>Nobody</source>
        <extracomment>The name in a high-score place that nobody has won yet.</extracomment>
        <translation>Kimse</translation>
    </message>
    <message>
        <source>00/00/00</source>
        <extracomment>The date of a high-score place that nobody has won yet: a dash in every language.</extracomment>
        <translation>–</translation>
    </message>
    <message>
        <source>%1. %2, %3, %4</source>
        <translation>%1. %2, %3, %4</translation>
    </message>
    <message>
        <source>The highscores file, %1, is too large to read whole: the table shown may be missing places.</source>
        <translation>Rekor dosyası (%1) tamamı okunamayacak kadar büyük: gösterilen tabloda eksik sıralar olabilir.</translation>
    </message>
    <message>
        <source>Your score is in the table, but the disk may not have it yet: the system could not confirm that %1 was written.</source>
        <translation>Skorun tabloda, ama disk henüz onu kaydetmemiş olabilir: sistem %1 dosyasının yazıldığını doğrulayamadı.</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be opened: remove it, and scores can be saved again.</source>
        <translation>%1 kilit dosyası açılamıyor: onu kaldırırsan rekorlar yeniden kaydedilebilir.</translation>
    </message>
    <message>
        <source>Something stands at %1, where the new highscores file is written before it replaces the old one: remove it, and scores can be saved again.</source>
        <translation>%1 konumunda, yeni rekor dosyasının eskisinin yerini almadan önce yazıldığı yerde bir şey var: onu kaldırırsan rekorlar yeniden kaydedilebilir.</translation>
    </message>
    <message>
        <source>The highscores file, %1, is read-only.</source>
        <translation>Rekor dosyası (%1) salt okunur.</translation>
    </message>
</context>
<context>
    <name>dunemark::frmHowToPlay</name>
    <message>
        <source>How to Play</source>
        <translation>Nasıl oynanır</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Nasıl oynanır</translation>
    </message>
    <message>
        <source>You have %1 days to make as much money as you can by trading between %2, %3 and %4. You start in %2 with %5 in cash, a loan of %6 and %7 slaves.</source>
        <translation>%2, %3 ve %4 arasında ticaret yapıp olabildiğince çok para kazanmak için %1 günün var. Başladığın şehir %2; elinde %5 nakit, %6 borç ve %7 köle var.</translation>
    </message>
    <message>
        <source>On day %1, the last, you can no longer buy, but you can still sell and settle your finances. Then press Finish, which covers the map, to end the game.</source>
        <translation>Son gün olan %1. günde artık mal alamazsın, ama hâlâ satabilir ve hesaplarını kapatabilirsin. Sonra oyunu bitirmek için haritanın üstünü kaplayan Bitir düğmesine bas.</translation>
    </message>
    <message>
        <source>Your total is your cash plus your bank balance minus your loan. Goods you still carry count for nothing, so sell them before you finish. The total decides where you are buried and whether you enter the high-score table.</source>
        <translation>Toplamın: nakdin artı banka bakiyen eksi borcun. Üstünde kalan mallar hiç sayılmaz, o yüzden bitirmeden önce onları sat. Toplam, nereye gömüleceğini ve rekor tablosuna girip girmeyeceğini belirler.</translation>
    </message>
    <message>
        <source>Click a town on the map to travel there. Every journey takes one day: prices change, interest is added to your loan and your bank, and danger may strike.</source>
        <translation>Bir şehre gitmek için haritada ona tıkla. Her yolculuk bir gün sürer: fiyatlar değişir, borcuna ve bankana faiz eklenir, başına bir tehlike de gelebilir.</translation>
    </message>
    <message>
        <source>Staying in a town takes no time: buy and sell there as much as you like. On day %1 Finish covers the map, and there are no more journeys.</source>
        <translation>Bir şehirde kalmak zaman almaz: orada istediğin kadar al sat. %1. gün Bitir düğmesi haritanın üstünü kaplar ve artık yolculuk yoktur.</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Cheapest</source>
        <translation>En ucuz</translation>
    </message>
    <message>
        <source>Dearest</source>
        <translation>En pahalı</translation>
    </message>
    <message>
        <source>Every town sells the same ten goods. Each day every town draws its prices afresh, and they stay fixed while you stay. On a usual day a good costs:</source>
        <translation>Her şehir aynı on malı satar. Her gün her şehir fiyatlarını yeniden belirler; sen orada kaldıkça fiyatlar değişmez. Sıradan bir günde bir malın fiyatı:</translation>
    </message>
    <message>
        <source>In the town you arrive in, each good may meet one of these events, and a message tells you of it:</source>
        <translation>Vardığın şehirde her malın başına şu olaylardan biri gelebilir; bir mesaj bunu sana haber verir:</translation>
    </message>
    <message>
        <source>Low prices, a chance of one in %1: about %2% of the usual price.</source>
        <translation>Düşük fiyatlar, 1/%1 ihtimalle: fiyat normalin yaklaşık %%2 kadarı.</translation>
    </message>
    <message>
        <source>A glut, a chance of one in %1: %2% of the usual price.</source>
        <translation>Mal bolluğu, 1/%1 ihtimalle: fiyat normalin %%2 kadarı.</translation>
    </message>
    <message>
        <source>The Pharaoh&apos;s demand, a chance of one in %1: %2% of the usual price.</source>
        <translation>Firavun&apos;un talebi, 1/%1 ihtimalle: fiyat normalin %%2 kadarı.</translation>
    </message>
    <message>
        <source>High prices, a chance of one in %1: %2% of the usual price.</source>
        <translation>Yüksek fiyatlar, 1/%1 ihtimalle: fiyat normalin %%2 kadarı.</translation>
    </message>
    <message>
        <source>Each slave carries one item, so you can carry as many items as you have slaves. The Slaves line above your goods shows how many slaves are free, then how many you have.</source>
        <translation>Her köle bir mal taşır, yani kaç kölen varsa o kadar mal taşıyabilirsin. Mallarının üstündeki Köleler satırı önce kaç kölenin boşta olduğunu, sonra kaç kölen olduğunu gösterir.</translation>
    </message>
    <message>
        <source>To buy, choose a good in the items available and press Buy. The Buy window proposes the most you can take: as many as your cash pays for, but no more than your free slaves can carry. Type a smaller number if you like.</source>
        <translation>Satın almak için satılık mallardan birini seç ve Al düğmesine bas. Al penceresi alabileceğin en yüksek sayıyı önerir: paranın yettiği kadar, ama boştaki kölelerinin taşıyabileceğinden fazla değil. İstersen daha küçük bir sayı yaz.</translation>
    </message>
    <message>
        <source>To sell, choose a good among the items you have bought and press Sell; the Sell window proposes all you hold. Every town buys every good at its price of the day.</source>
        <translation>Satmak için satın aldığın mallardan birini seç ve Sat düğmesine bas; Sat penceresi elindekilerin hepsini önerir. Her şehir her malı o günkü fiyatından alır.</translation>
    </message>
    <message>
        <source>Your loan grows by %1% every day, so pay it back early: in the Finances window, Pay Loan takes any part of it from your cash. You cannot borrow more.</source>
        <translation>Borcun her gün %%1 büyür, o yüzden erken öde: Finans penceresinde Borç öde ile borcun istediğin kadarını nakdinden ödersin. Daha fazla borç alamazsın.</translation>
    </message>
    <message>
        <source>A pyramid bank, bought in Special products for %1, pays %2% interest every day on what you keep in it. Deposit and withdraw in the Finances window, in any town, at any time.</source>
        <translation>Özel ürünler penceresinden %1 karşılığında alınan piramit banka, içinde tuttuğun paraya her gün %%2 faiz öder. Para yatırma ve çekme işini Finans penceresinden, her şehirde, her zaman yapabilirsin.</translation>
    </message>
    <message>
        <source>Gift</source>
        <translation>Hediye</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Fiyat</translation>
    </message>
    <message>
        <source>Favour</source>
        <translation>İtibar</translation>
    </message>
    <message>
        <source>+%1%</source>
        <translation>+%%1</translation>
    </message>
    <message>
        <source>The Pharaoh&apos;s favour, shown under the map, rises by %1% each time you sell a good for more than you paid at your latest purchase of it, and falls by %1% (never below 0) when you sell it for that or less.</source>
        <translation>Firavun&apos;un gözündeki itibarın haritanın altında görünür. Bir malı en son aldığın fiyattan pahalıya her sattığında %%1 artar, aynı fiyata ya da daha ucuza sattığında %%1 düşer (asla 0&apos;ın altına inmez).</translation>
    </message>
    <message>
        <source>Gifts raise it faster, one gift each time you open the Special products window:</source>
        <translation>Hediyeler itibarını daha hızlı artırır; Özel ürünler penceresini her açışında bir hediye verebilirsin:</translation>
    </message>
    <message>
        <source>Once your favour has reached %1%, the Pharaoh pays you a bonus on your next journey, a sum chosen by chance of up to %2, and your favour starts again from 0.</source>
        <translation>İtibarın %%1 olunca Firavun bir sonraki yolculuğunda sana en çok %2 tutarında, rastgele belirlenen bir ikramiye öder ve itibarın yeniden 0&apos;dan başlar.</translation>
    </message>
    <message>
        <source>More slaves come in packs of %1 for %2 a pack, as long as you have fewer than %3.</source>
        <translation>Ek köleler %1 kişilik gruplar hâlinde, grup başına %2 fiyatla satılır; yeter ki %3 köleden azın olsun.</translation>
    </message>
    <message>
        <source>The pyramid bank costs %1 and can be bought once a game.</source>
        <translation>Piramit banka %1 tutar ve her oyunda bir kez alınabilir.</translation>
    </message>
    <message>
        <source>On every journey there is a chance of one in %1 that you are mugged and lose %2% of your cash.</source>
        <translation>Her yolculukta 1/%1 ihtimalle soyulur ve nakdinin %%2 kadarını kaybedersin.</translation>
    </message>
    <message>
        <source>Once you own a pyramid bank, there is a chance of one in %1 each day that it is robbed and loses %2% of what is in it.</source>
        <translation>Piramit bankan olduğunda, her gün 1/%1 ihtimalle banka soyulur ve içindekinin %%2 kadarı gider.</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Toplam</translation>
    </message>
    <message>
        <source>Your burial</source>
        <translation>Gömülüşün</translation>
    </message>
    <message>
        <source>above %1</source>
        <translation>%1 üstü</translation>
    </message>
    <message>
        <source>%1 or less</source>
        <translation>%1 ya da altı</translation>
    </message>
    <message>
        <source>Your total at the end decides where you are buried; it must be above a rank&apos;s figure to earn it:</source>
        <translation>Oyunun sonundaki toplamın nereye gömüleceğini belirler; bir mertebeyi kazanmak için toplamın onun rakamının üstünde olmalı:</translation>
    </message>
    <message>
        <source>The %1 best totals are kept, with names and dates, in the high-score table (View menu, Highscores). A total of 0 or more that beats one of them enters the table and you are asked your name; a total equal to one goes below it. At first every place holds %2.</source>
        <translation>En iyi %1 toplam, isim ve tarihleriyle rekor tablosunda saklanır (Görünüm menüsü, Rekorlar). 0 ya da daha fazla olup bunlardan birini geçen bir toplam tabloya girer ve adın sorulur; birine eşit olan toplam onun altına yerleşir. Başta her sırada %2 yazar.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tuşlar</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>Ne işe yarar</translation>
    </message>
    <message>
        <source>Travel to %1, %2 or %3</source>
        <translation>%1, %2 ya da %3 şehrine git</translation>
    </message>
    <message>
        <source>Move between the map, the buttons and the two lists</source>
        <translation>Harita, düğmeler ve iki liste arasında geçiş yap</translation>
    </message>
    <message>
        <source>Choose a good in a list</source>
        <translation>Listede bir mal seç</translation>
    </message>
    <message>
        <source>Buy the good chosen in the items available, or sell the one chosen among the items you have bought; in a window, OK</source>
        <translation>Satılık mallarda seçili malı al ya da satın aldığın mallarda seçili olanı sat; bir pencerede Tamam</translation>
    </message>
    <message>
        <source>Buy, Sell</source>
        <translation>Al, Sat</translation>
    </message>
    <message>
        <source>Press the button that has the focus, such as Finances or Special products</source>
        <translation>Odaktaki düğmeye bas, örneğin Finans ya da Özel ürünler</translation>
    </message>
    <message>
        <source>In a window, Cancel or close</source>
        <translation>Bir pencerede İptal ya da kapat</translation>
    </message>
    <message>
        <source>In Special products, the next or the previous tab</source>
        <translation>Özel ürünlerde sonraki ya da önceki sekme</translation>
    </message>
    <message>
        <source>The File, View and Help menus</source>
        <translation>Dosya, Görünüm ve Yardım menüleri</translation>
    </message>
    <message>
        <source>The ledger of the prices you have seen and of your fortune</source>
        <translation>Gördüğün fiyatların ve servetinin hesap defteri</translation>
    </message>
    <message>
        <source>Close the window of your burial</source>
        <translation>Mezar penceresini kapat</translation>
    </message>
    <message>
        <source>This window</source>
        <translation>Bu pencere</translation>
    </message>
    <message>
        <source>A letter, Enter, Escape or a click</source>
        <translation>Bir harf, Giriş, Çıkış ya da tıklama</translation>
    </message>
    <message>
        <source>Close the story (View menu, Story) and play</source>
        <translation>Hikâyeyi kapat (Görünüm menüsü, Hikâye) ve oyna</translation>
    </message>
    <message>
        <source>The game</source>
        <translation>Oyun</translation>
    </message>
    <message>
        <source>Travel</source>
        <translation>Yolculuk</translation>
    </message>
    <message>
        <source>The market</source>
        <translation>Pazar</translation>
    </message>
    <message>
        <source>Buying and selling</source>
        <translation>Alım satım</translation>
    </message>
    <message>
        <source>The loan and the pyramid bank</source>
        <translation>Borç ve piramit banka</translation>
    </message>
    <message>
        <source>Favour and special products</source>
        <translation>İtibar ve özel ürünler</translation>
    </message>
    <message>
        <source>Dangers</source>
        <translation>Tehlikeler</translation>
    </message>
    <message>
        <source>Where you are buried</source>
        <translation>Nereye gömülürsün</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Rekorlar</translation>
    </message>
    <message>
        <source>In the ledger: the last prices seen, the prices, the fortune, the goods, the figures as a table</source>
        <translation>Hesap defterinde: son görülen fiyatlar, fiyatlar, servet, mallar, tablo olarak rakamlar</translation>
    </message>
    <message>
        <source>File, Market of the Day (%1) starts a game whose markets are set by today&apos;s date: everyone who starts it on the same date plays the same market.</source>
        <translation>Dosya, Günün pazarı (%1), pazarları bugünün tarihine göre belirlenen bir oyun başlatır: aynı gün başlatan herkes aynı pazarda oynar.</translation>
    </message>
    <message>
        <source>Each such market has a number, the date&apos;s digits for the market of the day, shown in the window&apos;s caption beside the day. File, Play Market Number (%1) plays any market again by its number, or one that a friend shares.</source>
        <translation>Böyle her pazarın bir numarası vardır (günün pazarında bu, tarihin rakamlarıdır) ve pencere başlığında günün yanında görünür. Dosya, Pazar numarasıyla oyna (%1) herhangi bir pazarı, bir arkadaşının paylaştığı pazar da dahil, numarasıyla yeniden oynatır.</translation>
    </message>
    <message>
        <source>In a market game the prices of every town on every day, the market events, the muggings, the robberies of the pyramid bank and the Pharaoh&apos;s bonus are the same for every player, whatever route each takes and whatever each buys. What you make of them is yours.</source>
        <translation>Bir pazarda her şehrin her günkü fiyatları, pazar olayları, yol soygunları, piramit bankanın soyulması ve Firavun&apos;un ikramiyesi, kim hangi yolu seçerse seçsin ve ne alırsa alsın, her oyuncu için aynıdır. Bunlardan ne çıkaracağın sana kalmış.</translation>
    </message>
    <message>
        <source>When a market game ends, Copy Result (%1) in the window of your burial copies one line to paste to others: the market&apos;s number, your total and your burial. Nothing is kept or sent.</source>
        <translation>Bir pazar oyunu bittiğinde mezar penceresindeki Sonucu kopyala (%1) düğmesi, başkalarına göndermen için tek bir satırı panoya kopyalar: pazarın numarası, toplamın ve mezarın. Hiçbir şey saklanmaz, hiçbir yere gönderilmez.</translation>
    </message>
    <message>
        <source>The market of the day, or a market by its number</source>
        <translation>Günün pazarı ya da numarasıyla bir pazar</translation>
    </message>
    <message>
        <source>The market of the day</source>
        <translation>Günün pazarı</translation>
    </message>
</context>
<context>
    <name>dunemark::frmLedger</name>
    <message>
        <source>Ledger</source>
        <translation>Hesap defteri</translation>
    </message>
    <message>
        <source>&amp;Prices</source>
        <translation>&amp;Fiyatlar</translation>
    </message>
    <message>
        <source>&amp;Fortune</source>
        <translation>&amp;Servet</translation>
    </message>
    <message>
        <source>Show the figures as a &amp;table</source>
        <translation>Rakamları &amp;tablo olarak göster</translation>
    </message>
    <message>
        <source>&amp;Goods:</source>
        <translation>&amp;Mallar:</translation>
    </message>
    <message>
        <source>Goods</source>
        <translation>Mallar</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Gün</translation>
    </message>
    <message>
        <source>Burial</source>
        <translation>Gömülme</translation>
    </message>
    <message>
        <source>Price chart</source>
        <translation>Fiyat grafiği</translation>
    </message>
    <message>
        <source>Fortune chart</source>
        <translation>Servet grafiği</translation>
    </message>
    <message>
        <source>Prices of %1 day by day</source>
        <translation>Gün gün %1 fiyatları</translation>
    </message>
    <message>
        <source>Each town you travel to writes its prices into this ledger.</source>
        <translation>Gittiğin her şehir fiyatlarını bu deftere yazar.</translation>
    </message>
    <message>
        <source>&amp;Last seen</source>
        <translation>Son &amp;görülen</translation>
    </message>
    <message>
        <source>%1 the lowest and %2 the highest of the prices last seen of a good</source>
        <translation>%1 bir malın son görülen fiyatlarının en düşüğü, %2 en yükseği</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Para</translation>
    </message>
    <message>
        <source>Worth</source>
        <translation>Değer</translation>
    </message>
    <message>
        <source>Money and worth at the end of each day</source>
        <translation>Her günün sonunda para ve değer</translation>
    </message>
    <message>
        <source>Worth counts the goods you carry, but the end of the game counts only money: sell your goods before you Finish.</source>
        <translation>Değer taşıdığın malları da sayar, ama oyunun sonunda yalnızca para sayılır: Bitir&apos;e basmadan önce mallarını sat.</translation>
    </message>
    <message>
        <source>Prices of %1 seen day by day</source>
        <translation>Gün gün görülen %1 fiyatları</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>Spoken in a ledger table: a column&apos;s name (a town, &quot;Day&quot;, &quot;Money&quot;), then its figure.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>dunemark::frmMain</name>
    <message>
        <source>Item</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Fiyat</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Adet</translation>
    </message>
    <message>
        <source>Slaves: %1/%2</source>
        <translation>Köleler: %1/%2</translation>
    </message>
    <message>
        <source>Favour = %1%</source>
        <translation>İtibar = %%1</translation>
    </message>
    <message>
        <source>Buy - %1</source>
        <translation>Al - %1</translation>
    </message>
    <message>
        <source>Sell - %1</source>
        <translation>Sat - %1</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Oyun bitti</translation>
    </message>
    <message>
        <source>Are you sure you wish to start a new game?</source>
        <translation>Yeni bir oyuna başlamak istediğine emin misin?</translation>
    </message>
    <message>
        <source>Cash:</source>
        <translation>Nakit:</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Nakit</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banka</translation>
    </message>
    <message>
        <source>Debt:</source>
        <translation>Borç:</translation>
    </message>
    <message>
        <source>Debt</source>
        <translation>Borç</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Harita</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Bitir</translation>
    </message>
    <message>
        <source>Special products</source>
        <translation>Özel ürünler</translation>
    </message>
    <message>
        <source>&amp;Buy</source>
        <translation>&amp;Al</translation>
    </message>
    <message>
        <source>&amp;Sell</source>
        <translation>&amp;Sat</translation>
    </message>
    <message>
        <source>Finances</source>
        <translation>Finans</translation>
    </message>
    <message>
        <source>Items available:</source>
        <translation>Satılık mallar:</translation>
    </message>
    <message>
        <source>Items you can buy</source>
        <translation>Alabileceğin mallar</translation>
    </message>
    <message>
        <source>Enter buys the selected item</source>
        <translation>Enter seçili malı satın alır</translation>
    </message>
    <message>
        <source>Items you have bought</source>
        <translation>Satın aldığın mallar</translation>
    </message>
    <message>
        <source>Enter sells the selected item</source>
        <translation>Enter seçili malı satar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Yeni oyun</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Çıkış</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Görünüm</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Rekorlar</translation>
    </message>
    <message>
        <source>&amp;Story</source>
        <translation>&amp;Hikâye</translation>
    </message>
    <message>
        <source>&amp;Ledger</source>
        <translation>Hesap &amp;defteri</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Hakkında</translation>
    </message>
    <message>
        <source>How to &amp;Play</source>
        <translation>&amp;Nasıl oynanır</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>the price paid for goods carried</comment>
        <translation>%L1</translation>
    </message>
    <message>
        <source>%1, day %2 of %3.</source>
        <translation>%1, %3 günün %2. günü.</translation>
    </message>
    <message>
        <source>Cash %1.</source>
        <translation>Nakit: %1.</translation>
    </message>
    <message>
        <source>You are here.</source>
        <translation>Buradasın.</translation>
    </message>
    <message>
        <source>Nothing carried</source>
        <translation>Boş</translation>
    </message>
    <message>
        <source>paid %1 each</source>
        <translation>tanesi %1 ödendi</translation>
    </message>
    <message>
        <source>%1 carried</source>
        <translation>%1 taşınıyor</translation>
    </message>
    <message>
        <source>Sell your goods, then press Finish to end the game.</source>
        <translation>Mallarını sat, sonra oyunu bitirmek için Bitir&apos;e bas.</translation>
    </message>
    <message>
        <source>%1 costs %2.</source>
        <translation>%1 %2 tutuyor.</translation>
    </message>
    <message>
        <source>The game is over: File, New Game starts another.</source>
        <translation>Oyun bitti: Dosya, Yeni oyun yeni bir oyun başlatır.</translation>
    </message>
    <message>
        <source>Ends the game: your total, your burial and the high scores</source>
        <translation>Oyunu bitirir: toplamın, mezarın ve en yüksek puanlar</translation>
    </message>
    <message>
        <source>No more journeys: this is the last day.</source>
        <translation>Artık yolculuk yok: bu son gün.</translation>
    </message>
    <message>
        <source>%1 - Market %2</source>
        <comment>the caption of a market game: the day&apos;s caption, the number</comment>
        <translation>%1 - Pazar No. %2</translation>
    </message>
    <message>
        <source>&amp;Market of the Day</source>
        <translation>&amp;Günün pazarı</translation>
    </message>
    <message>
        <source>&amp;Play Market Number…</source>
        <translation>&amp;Pazar numarasıyla oyna…</translation>
    </message>
    <message>
        <source>The number of the market to play (digits only, from %1 to %2):</source>
        <translation>Oynanacak pazarın numarası (yalnızca rakam, %L1 ile %L2 arası):</translation>
    </message>
    <message>
        <source>A market number is written in digits only, from %1 to %2.</source>
        <translation>Pazar numarası yalnızca rakamlardan oluşur ve %L1 ile %L2 arasında olmalıdır.</translation>
    </message>
    <message>
        <source>Slaves: %1 of %2 unladen</source>
        <extracomment>Spoken: how many of the slaves carry nothing yet (room for that many more goods), of all.</extracomment>
        <translation>Köleler: %2 köleden %1 tanesi yüksüz</translation>
    </message>
    <message numerus="yes">
        <source>Bought %n %1 for %2.</source>
        <extracomment>Spoken: how many of the good %1 were bought, and what they cost.</extracomment>
        <translation>
            <numerusform>%Ln adet %1, %2 karşılığında satın alındı.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sold %n %1 for %2.</source>
        <extracomment>Spoken: how many of the good %1 were sold, and what they brought.</extracomment>
        <translation>
            <numerusform>%Ln adet %1, %2 karşılığında satıldı.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmSell</name>
    <message>
        <source>How many do you wish to sell:</source>
        <translation>Kaç tane satmak istiyorsun:</translation>
    </message>
    <message numerus="yes">
        <source>You have %n items to sell</source>
        <translation>
            <numerusform>Satacak %Ln tane malın var</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmShowEndTomb</name>
    <message>
        <source>What happened to you?</source>
        <translation>Sana ne oldu?</translation>
    </message>
    <message>
        <source>Your burial place</source>
        <translation>Mezar yerin</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>&amp;Sonucu kopyala</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopyalandı</translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried next to the Gods</source>
        <translation>
            <numerusform>Dunemark, %1 numaralı pazar: %Ln günde %2, tanrıların yanına gömüldü</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried among the Pharaohs</source>
        <translation>
            <numerusform>Dunemark, %1 numaralı pazar: %Ln günde %2, firavunların arasına gömüldü</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, given a burial fit for a nobleman</source>
        <translation>
            <numerusform>Dunemark, %1 numaralı pazar: %Ln günde %2, bir soyluya yakışır şekilde gömüldü</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried with the common folk</source>
        <translation>
            <numerusform>Dunemark, %1 numaralı pazar: %Ln günde %2, sıradan halkın arasına gömüldü</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried in a hole in the desert</source>
        <translation>
            <numerusform>Dunemark, %1 numaralı pazar: %Ln günde %2, çölde bir çukura gömüldü</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, tossed into the desert</source>
        <translation>
            <numerusform>Dunemark, %1 numaralı pazar: %Ln günde %2, öylece çöle atıldı</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmSpecial</name>
    <message>
        <source>Special items</source>
        <translation>Özel ürünler</translation>
    </message>
    <message>
        <source>Buy a Pyramid Bank</source>
        <translation>Piramit banka al</translation>
    </message>
    <message>
        <source>Buy more slaves</source>
        <translation>Daha çok köle al</translation>
    </message>
    <message>
        <source>Give gift to Pharoah</source>
        <translation>Firavun&apos;a hediye ver</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cost:</source>
        <translation>Fiyat:</translation>
    </message>
    <message>
        <source>Buy</source>
        <translation>Satın al</translation>
    </message>
    <message>
        <source>Buying a pyramid bank, will allow you to deposit your money into a safe place. You will then receive intrest on what you deposit. You can withdraw your money at any time.</source>
        <translation>Piramit banka, paranı güvenle yatırabileceğin bir yer. Yatırdığın paraya faiz alırsın. Paranı istediğin zaman çekebilirsin.</translation>
    </message>
    <message>
        <source>You currently have:</source>
        <translation>Şu an elinde:</translation>
    </message>
    <message>
        <source>slaves</source>
        <translation>köle</translation>
    </message>
    <message>
        <source>The more slaves you have, the more items you can buy. Each slave is responsible for one item.</source>
        <translation>Ne kadar çok kölen olursa o kadar çok mal alabilirsin. Her köle bir mal taşır.</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Fiyat</translation>
    </message>
    <message>
        <source>Favour will increase by:</source>
        <translation>İtibar artışı:</translation>
    </message>
    <message>
        <source>Favour will increase by</source>
        <translation>İtibar artışı</translation>
    </message>
    <message>
        <source>Your cash:</source>
        <translation>Paran:</translation>
    </message>
    <message>
        <source>Your cash</source>
        <translation>Paran</translation>
    </message>
    <message>
        <source>Giving the pharoah gifts will increase his favour towards you and cold be profitable in the future.</source>
        <translation>Firavun&apos;a hediye vermek itibarını artırır ve ileride kârlı çıkabilir.</translation>
    </message>
    <message>
        <source>Give Gift</source>
        <translation>Hediye et</translation>
    </message>
    <message numerus="yes">
        <source>Buy %n more slaves for %1</source>
        <translation>
            <numerusform>%L1 karşılığında %Ln köle daha al</numerusform>
        </translation>
    </message>
    <message>
        <source>Favour = %1%</source>
        <translation>İtibar = %%1</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage, written as in &quot;Favour = %1%&quot;.</extracomment>
        <translation>%%1</translation>
    </message>
    <message>
        <source>Cost %1, favour up by %2%</source>
        <translation>Fiyat %1, itibar %%2 artar</translation>
    </message>
    <message>
        <source>%1, page %2 of %3.</source>
        <translation>%1, sayfa %2/%3.</translation>
    </message>
    <message>
        <source>Gift given: favour %1%, cash %2.</source>
        <translation>Hediye verildi: itibar %%1, nakit %2.</translation>
    </message>
    <message>
        <source>You own a pyramid bank, cash %1.</source>
        <translation>Bir piramit bankan var, nakit %1.</translation>
    </message>
    <message numerus="yes">
        <source>You now have %n slaves, cash %1.</source>
        <translation>
            <numerusform>Artık %Ln kölen var, nakit %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmStory</name>
    <message>
        <source>Story</source>
        <translation>Hikâye</translation>
    </message>
    <message>
        <source>You have been sentenced to death. After you pleaded with the pharoah, that you have no tomb, and hence will be unable to enter the afterlife. He agrees to grant you some money, a loan (for your bail), and 2 months, to make as much money as you can, from trading items. The amount of money you make, will decide where you get buried<byte value="xd"/>
<byte value="xd"/>
Good Luck !</source>
        <translation>Ölüme mahkûm edildin. Mezarın olmadığı, bu yüzden öbür dünyaya geçemeyeceğin için Firavun&apos;a yalvardın. Firavun sana biraz para, bir borç (kefaletin için) ve ticaretle olabildiğince çok para kazanman için 2 ay vermeyi kabul etti. Kazandığın para, nereye gömüleceğine karar verecek.<byte value="xd"/>
<byte value="xd"/>
Bol şans!</translation>
    </message>
</context>
</TS>
