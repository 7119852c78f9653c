<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Goods</name>
    <message>
        <source>Gold</source>
        <translation>Złoto</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Srebro</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Winogrona</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Woda</translation>
    </message>
    <message>
        <source>Wheat</source>
        <translation>Pszenica</translation>
    </message>
    <message>
        <source>Papyrus</source>
        <translation>Papirus</translation>
    </message>
    <message>
        <source>Granite Statue</source>
        <translation>Posąg</translation>
    </message>
    <message>
        <source>Sphinx</source>
        <translation>Sfinks</translation>
    </message>
    <message>
        <source>Marble</source>
        <translation>Marmur</translation>
    </message>
    <message>
        <source>Granite</source>
        <translation>Granit</translation>
    </message>
    <message>
        <source>Gold Statue</source>
        <translation>Złoty posąg</translation>
    </message>
    <message>
        <source>Silver Statue</source>
        <translation>Srebrny posąg</translation>
    </message>
    <message>
        <source>Gems</source>
        <translation>Klejnoty</translation>
    </message>
    <message>
        <source>Scrolls</source>
        <translation>Zwoje</translation>
    </message>
    <message>
        <source>Food &amp; water</source>
        <translation>Jedzenie i woda</translation>
    </message>
</context>
<context>
    <name>Phrase</name>
    <message>
        <source>%1 prices are low</source>
        <translation>Ceny towaru „%1” są niskie</translation>
    </message>
    <message>
        <source>The market has been flooded with cheap %1 and so prices are very low</source>
        <translation>Rynek zalał tani towar „%1”, więc ceny są bardzo niskie</translation>
    </message>
    <message>
        <source>The Pharoah needs %1 for his personal use, and so<byte value="xd"/>
the price has gone up</source>
        <translation>Faraon potrzebuje towaru „%1” na własny użytek, więc<byte value="xd"/>
cena poszła w górę</translation>
    </message>
    <message>
        <source>%1 prices are high</source>
        <translation>Ceny towaru „%1” są wysokie</translation>
    </message>
    <message>
        <source>The Pharoah is pleased with you progress<byte value="xd"/>
You received a cash bonus of %1</source>
        <translation>Faraon jest zadowolony z twoich postępów<byte value="xd"/>
Dostajesz premię w wysokości %1</translation>
    </message>
    <message>
        <source>Dunemark - Day %1</source>
        <translation>Dunemark - Dzień %1</translation>
    </message>
    <message>
        <source>You have been mugged</source>
        <translation>Napadli cię rabusie</translation>
    </message>
    <message>
        <source>Your pyramid bank was robbed, half your fortune has gone</source>
        <translation>Twój bank w piramidzie obrabowano, połowa majątku przepadła</translation>
    </message>
    <message>
        <source>This is you last day, better sell your stock</source>
        <translation>To twój ostatni dzień, lepiej sprzedaj towar</translation>
    </message>
    <message>
        <source>You managed to get a total of <byte value="xd"/>
%1</source>
        <translation>W sumie udało ci się zebrać <byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>You aint got the dosh mate</source>
        <translation>Nie masz kasy, ziomek</translation>
    </message>
    <message>
        <source>Ya not got enuff slaves</source>
        <translation>Za mało masz niewolników, stary</translation>
    </message>
    <message>
        <source>Nothing there to sell</source>
        <translation>Nie ma tu nic do sprzedania</translation>
    </message>
    <message>
        <source>You haven&apos;t got the money, to buy that gift</source>
        <translation>Nie stać cię na ten prezent</translation>
    </message>
    <message>
        <source>You seem to be lacking the money</source>
        <translation>Chyba brakuje ci pieniędzy</translation>
    </message>
    <message>
        <source>There are no more slaves for you to buy</source>
        <translation>Nie ma już niewolników do kupienia</translation>
    </message>
    <message>
        <source>You not got the money</source>
        <translation>Nie masz hajsu</translation>
    </message>
    <message>
        <source>You now claim residence next to the Gods</source>
        <translation>Spoczywasz teraz u boku bogów</translation>
    </message>
    <message>
        <source>You now claim residency next to the great Pharoahs</source>
        <translation>Spoczywasz teraz obok wielkich faraonów</translation>
    </message>
    <message>
        <source>You have a burial fit for a nobleman</source>
        <translation>Masz pogrzeb godny możnowładcy</translation>
    </message>
    <message>
        <source>You are buried with people of your own class</source>
        <translation>Leżysz wśród ludzi twojego stanu</translation>
    </message>
    <message>
        <source>You are buried in a hole, in the desert</source>
        <translation>Zakopano cię w dziurze na pustyni</translation>
    </message>
    <message>
        <source>You were just tossed into the desert</source>
        <translation>Po prostu wyrzucono cię na pustynię</translation>
    </message>
    <message>
        <source>next to the Gods</source>
        <translation>u boku bogów</translation>
    </message>
    <message>
        <source>next to the great Pharoahs</source>
        <translation>obok wielkich faraonów</translation>
    </message>
    <message>
        <source>a burial fit for a nobleman</source>
        <translation>jak możnowładca</translation>
    </message>
    <message>
        <source>with people of your own class</source>
        <translation>wśród równych sobie</translation>
    </message>
    <message>
        <source>in a hole, in the desert</source>
        <translation>w dziurze na pustyni</translation>
    </message>
    <message>
        <source>tossed into the desert</source>
        <translation>wyrzucony na pustynię</translation>
    </message>
    <message>
        <source>You were left in the middle of the desert, without any food and water. As you try to walk, the sun makes you thirsty, and time makes you hungry. The wind joins forces with the sand, to make it impossible for you to do anything. You collapse to the floor, and take your last breath of air.</source>
        <translation>Zostawiono cię na środku pustyni, bez jedzenia i wody. Gdy próbujesz iść, słońce budzi w tobie pragnienie, a czas głód. Wiatr sprzymierza się z piaskiem, aż nie możesz już nic zrobić. Padasz na ziemię i bierzesz ostatni oddech.</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>dunemark::FortuneChart</name>
    <message>
        <source>Fortune</source>
        <translation>Majątek</translation>
    </message>
    <message>
        <source>Day %1: %2</source>
        <translation>Dzień %1: %2</translation>
    </message>
</context>
<context>
    <name>dunemark::LedgerChart</name>
    <message>
        <source>Day</source>
        <translation>Dzień</translation>
    </message>
</context>
<context>
    <name>dunemark::PriceChart</name>
    <message>
        <source>Price</source>
        <translation>Cena</translation>
    </message>
    <message>
        <source>%1, day %2: %3</source>
        <translation>%1, dzień %2: %3</translation>
    </message>
</context>
<context>
    <name>dunemark::QuantityDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>dunemark::TownLabel</name>
    <message>
        <source>Travel to %1 (%2)</source>
        <translation>Podróż do %1 (%2)</translation>
    </message>
</context>
<context>
    <name>dunemark::frmAbout</name>
    <message>
        <source>A trading game. Make as much money as you can before all your days go.</source>
        <translation>Gra handlowa. Zarób jak najwięcej, zanim skończą ci się dni.</translation>
    </message>
    <message>
        <source>Use this product at your own risk. Do not blame me if anything goes wrong. If you don&apos;t agree with this, then stop using this product.</source>
        <translation>Używasz na własne ryzyko. Jak coś pójdzie nie tak, to nie moja wina. Nie pasuje? To nie używaj.</translation>
    </message>
    <message>
        <source>(C) 2026 the Dunemark authors</source>
        <translation>(C) 2026 autorzy gry Dunemark</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O grze</translation>
    </message>
    <message>
        <source>Opens the web page</source>
        <translation>Otwiera stronę internetową</translation>
    </message>
    <message>
        <source>Writes an e-mail to the author</source>
        <translation>Pisze e-mail do autora</translation>
    </message>
</context>
<context>
    <name>dunemark::frmBuy</name>
    <message>
        <source>How many do you wish to buy:</source>
        <translation>Ile chcesz kupić:</translation>
    </message>
    <message numerus="yes">
        <source>You can afford %1 and have space for %n more items</source>
        <translation>
            <numerusform>Stać cię na %L1, a miejsca masz jeszcze na %Ln sztukę</numerusform>
            <numerusform>Stać cię na %L1, a miejsca masz jeszcze na %Ln sztuki</numerusform>
            <numerusform>Stać cię na %L1, a miejsca masz jeszcze na %Ln sztuk</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmFinances</name>
    <message>
        <source>Cash:</source>
        <translation>Kasa:</translation>
    </message>
    <message>
        <source>Bank:</source>
        <translation>Bank:</translation>
    </message>
    <message>
        <source>Debt:</source>
        <translation>Dług:</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Wpłać</translation>
    </message>
    <message>
        <source>Withdraw</source>
        <translation>Wypłać</translation>
    </message>
    <message>
        <source>Pay Loan</source>
        <translation>Spłać dług</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Finances</source>
        <translation>Finanse</translation>
    </message>
</context>
<context>
    <name>dunemark::frmGetNumber</name>
    <message>
        <source>How much:</source>
        <translation>Ile:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Financial situation</source>
        <translation>Sytuacja finansowa</translation>
    </message>
</context>
<context>
    <name>dunemark::frmHighScores</name>
    <message>
        <source>Highscores</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>HIGHSCORES</source>
        <translation>REKORDY</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Whats your name?</source>
        <translation>Jak się nazywasz?</translation>
    </message>
    <message>
        <source>You&apos;ve got a highscore</source>
        <translation>Masz rekord!</translation>
    </message>
</context>
<context>
    <name>dunemark::frmLedger</name>
    <message>
        <source>Ledger</source>
        <translation>Księga rachunkowa</translation>
    </message>
    <message>
        <source>&amp;Prices</source>
        <translation>&amp;Ceny</translation>
    </message>
    <message>
        <source>&amp;Fortune</source>
        <translation>&amp;Majątek</translation>
    </message>
    <message>
        <source>Show the figures as a &amp;table</source>
        <translation>Pokaż &amp;dane w tabeli</translation>
    </message>
    <message>
        <source>&amp;Goods:</source>
        <translation>&amp;Towar:</translation>
    </message>
    <message>
        <source>Goods</source>
        <translation>Towary</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dzień</translation>
    </message>
    <message>
        <source>Fortune</source>
        <translation>Majątek</translation>
    </message>
    <message>
        <source>Burial</source>
        <translation>Pochówek</translation>
    </message>
    <message>
        <source>Fortune at the end of each day</source>
        <translation>Majątek na koniec każdego dnia</translation>
    </message>
    <message>
        <source>Price chart</source>
        <translation>Wykres cen</translation>
    </message>
    <message>
        <source>Fortune chart</source>
        <translation>Wykres majątku</translation>
    </message>
    <message>
        <source>Prices of %1 day by day</source>
        <translation>Ceny towaru „%1” dzień po dniu</translation>
    </message>
</context>
<context>
    <name>dunemark::frmMain</name>
    <message>
        <source>Item</source>
        <translation>Towar</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Cena</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Ilość</translation>
    </message>
    <message>
        <source>Slaves: %1/%2</source>
        <translation>Niewolnicy: %1/%2</translation>
    </message>
    <message>
        <source>Favour = %1%</source>
        <translation>Łaska = %1%</translation>
    </message>
    <message>
        <source>Buy - %1</source>
        <translation>Kup - %1</translation>
    </message>
    <message>
        <source>Sell - %1</source>
        <translation>Sprzedaj - %1</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Koniec gry</translation>
    </message>
    <message>
        <source>Are you sure you wish to start a new game?</source>
        <translation>Na pewno chcesz zacząć nową grę?</translation>
    </message>
    <message>
        <source>Cash:</source>
        <translation>Kasa:</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Kasa</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Debt:</source>
        <translation>Dług:</translation>
    </message>
    <message>
        <source>Debt</source>
        <translation>Dług</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Rozliczenie</translation>
    </message>
    <message>
        <source>Special products</source>
        <translation>Towary specjalne</translation>
    </message>
    <message>
        <source>&amp;Buy</source>
        <translation>&amp;Kup</translation>
    </message>
    <message>
        <source>&amp;Sell</source>
        <translation>&amp;Sprzedaj</translation>
    </message>
    <message>
        <source>Finances</source>
        <translation>Finanse</translation>
    </message>
    <message>
        <source>Items available:</source>
        <translation>Dostępne towary:</translation>
    </message>
    <message>
        <source>Items you can buy</source>
        <translation>Towary do kupienia</translation>
    </message>
    <message>
        <source>Enter buys the selected item</source>
        <translation>Enter kupuje zaznaczony towar</translation>
    </message>
    <message>
        <source>Items you have bought</source>
        <translation>Kupione towary</translation>
    </message>
    <message>
        <source>Enter sells the selected item</source>
        <translation>Enter sprzedaje zaznaczony towar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Rekordy</translation>
    </message>
    <message>
        <source>&amp;Story</source>
        <translation>&amp;Historia</translation>
    </message>
    <message>
        <source>&amp;Ledger</source>
        <translation>&amp;Księga rachunkowa</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O grze</translation>
    </message>
</context>
<context>
    <name>dunemark::frmSell</name>
    <message>
        <source>How many do you wish to sell:</source>
        <translation>Ile chcesz sprzedać:</translation>
    </message>
    <message numerus="yes">
        <source>You have %n items to sell</source>
        <translation>
            <numerusform>Masz %Ln sztukę do sprzedania</numerusform>
            <numerusform>Masz %Ln sztuki do sprzedania</numerusform>
            <numerusform>Masz %Ln sztuk do sprzedania</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmShowEndTomb</name>
    <message>
        <source>What happened to you?</source>
        <translation>Co się z tobą stało?</translation>
    </message>
    <message>
        <source>Your burial place</source>
        <translation>Twoje miejsce pochówku</translation>
    </message>
</context>
<context>
    <name>dunemark::frmSpecial</name>
    <message>
        <source>Special items</source>
        <translation>Towary specjalne</translation>
    </message>
    <message>
        <source>Buy a Pyramid Bank</source>
        <translation>Kup bank w piramidzie</translation>
    </message>
    <message>
        <source>Buy more slaves</source>
        <translation>Kup niewolników</translation>
    </message>
    <message>
        <source>Give gift to Pharoah</source>
        <translation>Prezent dla faraona</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cost:</source>
        <translation>Cena:</translation>
    </message>
    <message>
        <source>Buy</source>
        <translation>Kup</translation>
    </message>
    <message>
        <source>Buying a pyramid bank, will allow you to deposit your money into a safe place. You will then receive intrest on what you deposit. You can withdraw your money at any time.</source>
        <translation>Bank w piramidzie to bezpieczne miejsce na twoje pieniądze. Od wpłat dostajesz odsetki. Wypłacić możesz je w każdej chwili.</translation>
    </message>
    <message>
        <source>You currently have:</source>
        <translation>Masz teraz:</translation>
    </message>
    <message>
        <source>slaves</source>
        <translation>ludzi</translation>
    </message>
    <message>
        <source>The more slaves you have, the more items you can buy. Each slave is responsible for one item.</source>
        <translation>Im więcej masz niewolników, tym więcej towaru kupisz. Każdy niewolnik niesie jedną sztukę.</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Cena</translation>
    </message>
    <message>
        <source>Favour will increase by:</source>
        <translation>Łaska wzrośnie o:</translation>
    </message>
    <message>
        <source>Favour will increase by</source>
        <translation>Łaska wzrośnie o</translation>
    </message>
    <message>
        <source>Your cash:</source>
        <translation>Twoja kasa:</translation>
    </message>
    <message>
        <source>Your cash</source>
        <translation>Twoja kasa</translation>
    </message>
    <message>
        <source>Giving the pharoah gifts will increase his favour towards you and cold be profitable in the future.</source>
        <translation>Prezenty dla faraona zwiększają jego łaskę i mogą się później opłacić.</translation>
    </message>
    <message>
        <source>Give Gift</source>
        <translation>Podaruj</translation>
    </message>
    <message numerus="yes">
        <source>Buy %n more slaves for %1</source>
        <translation>
            <numerusform>Kup jeszcze %Ln niewolnika za %1</numerusform>
            <numerusform>Kup jeszcze %Ln niewolników za %1</numerusform>
            <numerusform>Kup jeszcze %Ln niewolników za %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Favour = %1%</source>
        <translation>Łaska = %1%</translation>
    </message>
</context>
<context>
    <name>dunemark::frmStory</name>
    <message>
        <source>Story</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>You have been sentenced to death. After you pleaded with the pharoah, that you have no tomb, and hence will be unable to enter the afterlife. He agrees to grant you some money, a loan (for your bail), and 2 months, to make as much money as you can, from trading items. The amount of money you make, will decide where you get buried<byte value="xd"/>
<byte value="xd"/>
Good Luck !</source>
        <translation>Skazano cię na śmierć. Błagałeś faraona, bo nie masz grobowca, a bez niego nie trafisz w zaświaty. Zgodził się dać ci trochę pieniędzy, pożyczkę (na kaucję) i 2 miesiące, żebyś zarobił na handlu jak najwięcej. Od tego, ile zarobisz, zależy, gdzie cię pochowają.<byte value="xd"/>
<byte value="xd"/>
Powodzenia!</translation>
    </message>
</context>
</TS>
