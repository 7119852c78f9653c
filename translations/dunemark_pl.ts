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
        <translation>Posąg granitowy</translation>
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
    <name>LedgerLoader</name>
    <message>
        <source>The ledger could not be opened: the file that holds it is missing.

It was looked for as:
%1</source>
        <translation>Nie da się otworzyć księgi rachunkowej: brakuje pliku, w którym jest zapisana.

Szukano go w:
%1</translation>
    </message>
    <message>
        <source>The ledger could not be opened: the file that holds it, %1, could not be loaded.

%2</source>
        <translation>Nie da się otworzyć księgi rachunkowej: nie udało się wczytać pliku %1, w którym jest zapisana.

%2</translation>
    </message>
    <message>
        <source>The ledger could not be opened: the file that holds it, %1, belongs to another version of the game.</source>
        <translation>Nie da się otworzyć księgi rachunkowej: plik %1, w którym jest zapisana, pochodzi z innej wersji gry.</translation>
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
        <translation>Leżysz wśród ludzi swojego stanu</translation>
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
        <translation>Zostawiono cię na środku pustyni, bez jedzenia i wody. Gdy próbujesz iść, słońce budzi w tobie pragnienie, a czas głód. Wiatr sprzymierza się z piaskiem, aż nie możesz już nic zrobić. Padasz na ziemię i wydajesz ostatnie tchnienie.</translation>
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
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Przywróć</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>W&amp;ytnij</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>S&amp;kopiuj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Wklej</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystko</translation>
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
        <source>Money (cash + bank - loan)</source>
        <translation>Pieniądze (kasa + bank - dług)</translation>
    </message>
    <message>
        <source>Worth (money + goods)</source>
        <translation>Wartość (pieniądze + towary)</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Pieniądze</translation>
    </message>
    <message>
        <source>money</source>
        <translation>pieniądze</translation>
    </message>
    <message>
        <source>worth</source>
        <translation>wartość</translation>
    </message>
    <message>
        <source>Day %1, %2: %3</source>
        <translation>Dzień %1, %2: %3</translation>
    </message>
</context>
<context>
    <name>dunemark::LastSeenTable</name>
    <message>
        <source>Goods</source>
        <translation>Towary</translation>
    </message>
    <message>
        <source>Last price seen of each good in each town</source>
        <translation>Ostatnio widziana cena każdego towaru w każdym mieście</translation>
    </message>
    <message>
        <source>%1 (day %2)</source>
        <translation>%1 (dzień %2)</translation>
    </message>
    <message>
        <source>%1, the lowest</source>
        <translation>%1, najniższa</translation>
    </message>
    <message>
        <source>%1, the highest</source>
        <translation>%1, najwyższa</translation>
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
    <message>
        <source>%1 each</source>
        <translation>%1 za sztukę</translation>
    </message>
</context>
<context>
    <name>dunemark::SpokenNews</name>
    <message>
        <source>Cash %1, debt %2.</source>
        <translation>Kasa: %1, dług: %2.</translation>
    </message>
    <message>
        <source>Bank %1.</source>
        <translation>Bank: %1.</translation>
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
    <message>
        <source>Deposited %1.</source>
        <translation>Wpłacono %1.</translation>
    </message>
    <message>
        <source>Withdrew %1.</source>
        <translation>Wypłacono %1.</translation>
    </message>
    <message>
        <source>Paid %1 of the loan.</source>
        <translation>Spłacono %1 długu.</translation>
    </message>
    <message>
        <source>How much do you deposit? At most %1.</source>
        <translation>Ile wpłacasz? Najwyżej %1.</translation>
    </message>
    <message>
        <source>How much do you withdraw? At most %1.</source>
        <translation>Ile wypłacasz? Najwyżej %1.</translation>
    </message>
    <message>
        <source>How much of the loan do you pay back? At most %1.</source>
        <translation>Ile długu spłacasz? Najwyżej %1.</translation>
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
    <message>
        <source>The box holds %1: at most %2.</source>
        <extracomment>Spoken when the amount box has rewritten what was typed: %1 what it holds, %2 the most.</extracomment>
        <translation>W polu jest %1: najwyżej %2.</translation>
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
        <translation>Jak masz na imię?</translation>
    </message>
    <message>
        <source>You&apos;ve got a highscore</source>
        <translation>Masz rekord!</translation>
    </message>
    <message>
        <source>Another Dunemark kept the highscores busy for too long.</source>
        <translation>Inna uruchomiona gra Dunemark zbyt długo blokowała tabelę rekordów.</translation>
    </message>
    <message>
        <source>The highscores could not be written: the disk may be full or read-only.</source>
        <translation>Nie udało się zapisać rekordów: dysk może być pełny albo tylko do odczytu.</translation>
    </message>
    <message>
        <source>Your score was not saved. %1 The table is unchanged.</source>
        <translation>Twój wynik nie został zapisany. %1 Tabela się nie zmieniła.</translation>
    </message>
    <message>
        <source>The highscores file, %1, is too large to update.</source>
        <translation>Plik rekordów, %1, jest zbyt duży, by go zaktualizować.</translation>
    </message>
    <message>
        <source>The highscores file, %1, could not be read.</source>
        <translation>Nie udało się odczytać pliku rekordów, %1.</translation>
    </message>
    <message>
        <source>Something that is not a lock file stands at %1: remove it, and scores can be saved again.</source>
        <translation>W miejscu %1 jest coś, co nie jest plikiem blokady: usuń to, a wyniki znów będzie można zapisywać.</translation>
    </message>
    <message>
        <source>Nobody</source>
        <extracomment>The name in a high-score place that nobody has won yet.</extracomment>
        <translation>Nikt</translation>
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
        <translation>Plik rekordów, %1, jest zbyt duży, by odczytać go w całości: w pokazanej tabeli może brakować miejsc.</translation>
    </message>
    <message>
        <source>Your score is in the table, but the disk may not have it yet: the system could not confirm that %1 was written.</source>
        <translation>Twój wynik jest w tabeli, ale dysk może go jeszcze nie mieć: system nie potwierdził, że %1 został zapisany.</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be opened: remove it, and scores can be saved again.</source>
        <translation>Nie można otworzyć pliku blokady %1: usuń go, a wyniki znów będzie można zapisywać.</translation>
    </message>
    <message>
        <source>Something stands at %1, where the new highscores file is written before it replaces the old one: remove it, and scores can be saved again.</source>
        <translation>W miejscu %1, gdzie zapisywany jest nowy plik rekordów, zanim zastąpi stary, jest coś innego: usuń to, a wyniki znów będzie można zapisywać.</translation>
    </message>
    <message>
        <source>The highscores file, %1, is read-only.</source>
        <translation>Plik rekordów, %1, jest tylko do odczytu.</translation>
    </message>
</context>
<context>
    <name>dunemark::frmHowToPlay</name>
    <message>
        <source>How to Play</source>
        <translation>Jak grać</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Jak grać</translation>
    </message>
    <message>
        <source>You have %1 days to make as much money as you can by trading between %2, %3 and %4. You start in %2 with %5 in cash, a loan of %6 and %7 slaves.</source>
        <translation>Masz %1 dni, by zarobić jak najwięcej na handlu między %2, %3 i %4. Zaczynasz w %2, mając %5 w kasie, %6 długu i %7 niewolników.</translation>
    </message>
    <message>
        <source>On day %1, the last, you can no longer buy, but you can still sell and settle your finances. Then press Finish, which covers the map, to end the game.</source>
        <translation>W dniu %1, ostatnim, nie możesz już kupować, ale wciąż możesz sprzedawać i uporządkować finanse. Potem naciśnij przycisk „Rozliczenie”, który zasłania mapę, i zakończ grę.</translation>
    </message>
    <message>
        <source>Your total is your cash plus your bank balance minus your loan. Goods you still carry count for nothing, so sell them before you finish. The total decides where you are buried and whether you enter the high-score table.</source>
        <translation>Twój wynik to kasa plus stan konta w banku minus dług. Towary, które wciąż niesiesz, są nic niewarte, więc sprzedaj je przed końcem. Wynik decyduje o tym, gdzie cię pochowają i czy trafisz do tabeli rekordów.</translation>
    </message>
    <message>
        <source>Click a town on the map to travel there. Every journey takes one day: prices change, interest is added to your loan and your bank, and danger may strike.</source>
        <translation>Kliknij miasto na mapie, by tam pojechać. Każda podróż trwa jeden dzień: ceny się zmieniają, do długu i do banku dochodzą odsetki, a po drodze może cię spotkać coś złego.</translation>
    </message>
    <message>
        <source>Staying in a town takes no time: buy and sell there as much as you like. On day %1 Finish covers the map, and there are no more journeys.</source>
        <translation>Pobyt w mieście nie zajmuje czasu: kupuj i sprzedawaj, ile dusza zapragnie. W dniu %1 przycisk „Rozliczenie” zasłania mapę i podróży już nie ma.</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Towar</translation>
    </message>
    <message>
        <source>Cheapest</source>
        <translation>Najtaniej</translation>
    </message>
    <message>
        <source>Dearest</source>
        <translation>Najdrożej</translation>
    </message>
    <message>
        <source>Every town sells the same ten goods. Each day every town draws its prices afresh, and they stay fixed while you stay. On a usual day a good costs:</source>
        <translation>Każde miasto sprzedaje tych samych dziesięć towarów. Codziennie każde miasto ustala ceny od nowa i nie zmieniają się one, dopóki tam jesteś. W zwykły dzień towar kosztuje:</translation>
    </message>
    <message>
        <source>In the town you arrive in, each good may meet one of these events, and a message tells you of it:</source>
        <translation>W mieście, do którego przybywasz, każdy towar może spotkać jedno z tych zdarzeń, a komunikat ci o tym powie:</translation>
    </message>
    <message>
        <source>Low prices, a chance of one in %1: about %2% of the usual price.</source>
        <translation>Niskie ceny, szansa jedna na %1: około %2% zwykłej ceny.</translation>
    </message>
    <message>
        <source>A glut, a chance of one in %1: %2% of the usual price.</source>
        <translation>Zalew rynku, szansa jedna na %1: %2% zwykłej ceny.</translation>
    </message>
    <message>
        <source>The Pharaoh&apos;s demand, a chance of one in %1: %2% of the usual price.</source>
        <translation>Zamówienie faraona, szansa jedna na %1: %2% zwykłej ceny.</translation>
    </message>
    <message>
        <source>High prices, a chance of one in %1: %2% of the usual price.</source>
        <translation>Wysokie ceny, szansa jedna na %1: %2% zwykłej ceny.</translation>
    </message>
    <message>
        <source>Each slave carries one item, so you can carry as many items as you have slaves. The Slaves line above your goods shows how many slaves are free, then how many you have.</source>
        <translation>Każdy niewolnik niesie jedną sztukę, więc uniesiesz tyle sztuk, ilu masz niewolników. Wiersz „Niewolnicy” nad twoimi towarami pokazuje, ilu niewolników ma wolne ręce, a potem ilu masz wszystkich.</translation>
    </message>
    <message>
        <source>To buy, choose a good in the items available and press Buy. The Buy window proposes the most you can take: as many as your cash pays for, but no more than your free slaves can carry. Type a smaller number if you like.</source>
        <translation>Aby kupić, wybierz towar z listy „Dostępne towary” i naciśnij „Kup”. Okno kupna proponuje najwięcej, ile możesz wziąć: tyle, na ile starczy kasy, ale nie więcej, niż uniosą niewolnicy z wolnymi rękami. Jeśli chcesz, wpisz mniejszą liczbę.</translation>
    </message>
    <message>
        <source>To sell, choose a good among the items you have bought and press Sell; the Sell window proposes all you hold. Every town buys every good at its price of the day.</source>
        <translation>Aby sprzedać, wybierz towar z listy kupionych towarów i naciśnij „Sprzedaj”; okno sprzedaży proponuje wszystko, co masz. Każde miasto skupuje każdy towar po swojej cenie dnia.</translation>
    </message>
    <message>
        <source>Your loan grows by %1% every day, so pay it back early: in the Finances window, Pay Loan takes any part of it from your cash. You cannot borrow more.</source>
        <translation>Twój dług rośnie o %1% dziennie, więc spłać go szybko: w oknie „Finanse” przycisk „Spłać dług” pokrywa dowolną jego część z twojej kasy. Więcej pożyczyć nie możesz.</translation>
    </message>
    <message>
        <source>A pyramid bank, bought in Special products for %1, pays %2% interest every day on what you keep in it. Deposit and withdraw in the Finances window, in any town, at any time.</source>
        <translation>Bank w piramidzie kupisz w oknie „Towary specjalne” za %1; płaci %2% odsetek dziennie od tego, co w nim trzymasz. Wpłacaj i wypłacaj w oknie „Finanse”, w każdym mieście i w każdej chwili.</translation>
    </message>
    <message>
        <source>Gift</source>
        <translation>Prezent</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Cena</translation>
    </message>
    <message>
        <source>Favour</source>
        <translation>Łaska</translation>
    </message>
    <message>
        <source>+%1%</source>
        <translation>+%1%</translation>
    </message>
    <message>
        <source>The Pharaoh&apos;s favour, shown under the map, rises by %1% each time you sell a good for more than you paid at your latest purchase of it, and falls by %1% (never below 0) when you sell it for that or less.</source>
        <translation>Łaska faraona, widoczna pod mapą, rośnie o %1% za każdym razem, gdy sprzedasz towar drożej, niż zapłaciłeś przy jego ostatnim zakupie, i spada o %1% (nigdy poniżej 0), gdy sprzedasz go za tyle samo lub taniej.</translation>
    </message>
    <message>
        <source>Gifts raise it faster, one gift each time you open the Special products window:</source>
        <translation>Prezenty podnoszą ją szybciej, jeden prezent przy każdym otwarciu okna „Towary specjalne”:</translation>
    </message>
    <message>
        <source>Once your favour has reached %1%, the Pharaoh pays you a bonus on your next journey, a sum chosen by chance of up to %2, and your favour starts again from 0.</source>
        <translation>Gdy twoja łaska dojdzie do %1%, przy następnej podróży faraon wypłaci ci premię, losową sumę do %2, a łaska zacznie się znów od 0.</translation>
    </message>
    <message>
        <source>More slaves come in packs of %1 for %2 a pack, as long as you have fewer than %3.</source>
        <translation>Więcej niewolników kupisz w grupach po %1, po %2 za grupę, dopóki masz ich mniej niż %3.</translation>
    </message>
    <message>
        <source>The pyramid bank costs %1 and can be bought once a game.</source>
        <translation>Bank w piramidzie kosztuje %1 i można go kupić raz na grę.</translation>
    </message>
    <message>
        <source>On every journey there is a chance of one in %1 that you are mugged and lose %2% of your cash.</source>
        <translation>W każdej podróży jest szansa jedna na %1, że napadną cię rabusie i stracisz %2% kasy.</translation>
    </message>
    <message>
        <source>Once you own a pyramid bank, there is a chance of one in %1 each day that it is robbed and loses %2% of what is in it.</source>
        <translation>Gdy masz już bank w piramidzie, każdego dnia jest szansa jedna na %1, że zostanie obrabowany i straci %2% zawartości.</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Your burial</source>
        <translation>Twój pochówek</translation>
    </message>
    <message>
        <source>above %1</source>
        <translation>powyżej %1</translation>
    </message>
    <message>
        <source>%1 or less</source>
        <translation>%1 lub mniej</translation>
    </message>
    <message>
        <source>Your total at the end decides where you are buried; it must be above a rank&apos;s figure to earn it:</source>
        <translation>Twój wynik na koniec decyduje o tym, gdzie cię pochowają; aby zasłużyć na dany pochówek, musi przekroczyć jego próg:</translation>
    </message>
    <message>
        <source>The %1 best totals are kept, with names and dates, in the high-score table (View menu, Highscores). A total of 0 or more that beats one of them enters the table and you are asked your name; a total equal to one goes below it. At first every place holds %2.</source>
        <translation>Tabela rekordów (menu Widok, Rekordy) przechowuje %1 najlepszych wyników z imionami i datami. Wynik 0 lub wyższy, który pobije któryś z nich, trafia do tabeli, a gra pyta cię o imię; wynik równy któremuś ląduje pod nim. Na początku każde miejsce ma %2.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Klawisze</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>Działanie</translation>
    </message>
    <message>
        <source>Travel to %1, %2 or %3</source>
        <translation>Podróż do %1, %2 lub %3</translation>
    </message>
    <message>
        <source>Move between the map, the buttons and the two lists</source>
        <translation>Przejście między mapą, przyciskami i obiema listami</translation>
    </message>
    <message>
        <source>Choose a good in a list</source>
        <translation>Wybór towaru na liście</translation>
    </message>
    <message>
        <source>Buy the good chosen in the items available, or sell the one chosen among the items you have bought; in a window, OK</source>
        <translation>Kupno towaru wybranego z dostępnych albo sprzedaż wybranego z kupionych; w oknie: OK</translation>
    </message>
    <message>
        <source>Buy, Sell</source>
        <translation>Kup, Sprzedaj</translation>
    </message>
    <message>
        <source>Press the button that has the focus, such as Finances or Special products</source>
        <translation>Naciśnięcie aktywnego przycisku, np. „Finanse” lub „Towary specjalne”</translation>
    </message>
    <message>
        <source>In a window, Cancel or close</source>
        <translation>W oknie: „Anuluj” lub zamknięcie</translation>
    </message>
    <message>
        <source>In Special products, the next or the previous tab</source>
        <translation>W oknie „Towary specjalne”: następna lub poprzednia karta</translation>
    </message>
    <message>
        <source>The File, View and Help menus</source>
        <translation>Menu Plik, Widok i Pomoc</translation>
    </message>
    <message>
        <source>The ledger of the prices you have seen and of your fortune</source>
        <translation>Księga rachunkowa z widzianymi cenami i twoim majątkiem</translation>
    </message>
    <message>
        <source>Close the window of your burial</source>
        <translation>Zamknięcie okna z twoim pochówkiem</translation>
    </message>
    <message>
        <source>This window</source>
        <translation>To okno</translation>
    </message>
    <message>
        <source>A letter, Enter, Escape or a click</source>
        <translation>Litera, Enter, Esc lub kliknięcie</translation>
    </message>
    <message>
        <source>Close the story (View menu, Story) and play</source>
        <translation>Zamknięcie historii (menu Widok, Historia) i start gry</translation>
    </message>
    <message>
        <source>The game</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>Travel</source>
        <translation>Podróże</translation>
    </message>
    <message>
        <source>The market</source>
        <translation>Rynek</translation>
    </message>
    <message>
        <source>Buying and selling</source>
        <translation>Kupno i sprzedaż</translation>
    </message>
    <message>
        <source>The loan and the pyramid bank</source>
        <translation>Dług i bank w piramidzie</translation>
    </message>
    <message>
        <source>Favour and special products</source>
        <translation>Łaska i towary specjalne</translation>
    </message>
    <message>
        <source>Dangers</source>
        <translation>Niebezpieczeństwa</translation>
    </message>
    <message>
        <source>Where you are buried</source>
        <translation>Gdzie cię pochowają</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>In the ledger: the last prices seen, the prices, the fortune, the goods, the figures as a table</source>
        <translation>W księdze: ostatnie ceny, ceny, majątek, towary, dane w tabeli</translation>
    </message>
    <message>
        <source>File, Market of the Day (%1) starts a game whose markets are set by today&apos;s date: everyone who starts it on the same date plays the same market.</source>
        <translation>Polecenie Plik, Rynek dnia (%1) rozpoczyna grę, w której rynki wyznacza dzisiejsza data: każdy, kto ją zacznie tego samego dnia, gra na tym samym rynku.</translation>
    </message>
    <message>
        <source>Each such market has a number, the date&apos;s digits for the market of the day, shown in the window&apos;s caption beside the day. File, Play Market Number (%1) plays any market again by its number, or one that a friend shares.</source>
        <translation>Każdy taki rynek ma numer (dla rynku dnia są to cyfry daty), widoczny w tytule okna obok dnia. Polecenie Plik, Graj na rynku o numerze (%1) pozwala znów zagrać na dowolnym rynku według jego numeru, także na takim, który podał ci znajomy.</translation>
    </message>
    <message>
        <source>In a market game the prices of every town on every day, the market events, the muggings, the robberies of the pyramid bank and the Pharaoh&apos;s bonus are the same for every player, whatever route each takes and whatever each buys. What you make of them is yours.</source>
        <translation>Na danym rynku ceny w każdym mieście każdego dnia, zdarzenia na rynku, napady rabusiów w podróży, włamania do banku w piramidzie i premia od faraona są takie same dla wszystkich graczy, bez względu na to, jaką trasę kto wybierze i co kupi. To, co z tym zrobisz, zależy od ciebie.</translation>
    </message>
    <message>
        <source>When a market game ends, Copy Result (%1) in the window of your burial copies one line to paste to others: the market&apos;s number, your total and your burial. Nothing is kept or sent.</source>
        <translation>Gdy gra na rynku dobiegnie końca, przycisk „Kopiuj wynik” (%1) w oknie z twoim pochówkiem kopiuje jedną linijkę do wysłania innym: numer rynku, twój wynik i twój pochówek. Nic nie jest zapisywane ani wysyłane.</translation>
    </message>
    <message>
        <source>The market of the day, or a market by its number</source>
        <translation>Rynek dnia albo rynek o podanym numerze</translation>
    </message>
    <message>
        <source>The market of the day</source>
        <translation>Rynek dnia</translation>
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
        <source>Burial</source>
        <translation>Pochówek</translation>
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
    <message>
        <source>Each town you travel to writes its prices into this ledger.</source>
        <translation>Każde miasto, do którego zawitasz, wpisuje swoje ceny do tej księgi.</translation>
    </message>
    <message>
        <source>&amp;Last seen</source>
        <translation>&amp;Ostatnie ceny</translation>
    </message>
    <message>
        <source>%1 the lowest and %2 the highest of the prices last seen of a good</source>
        <translation>%1 najniższa i %2 najwyższa z ostatnio widzianych cen towaru</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Pieniądze</translation>
    </message>
    <message>
        <source>Worth</source>
        <translation>Wartość</translation>
    </message>
    <message>
        <source>Money and worth at the end of each day</source>
        <translation>Pieniądze i wartość na koniec każdego dnia</translation>
    </message>
    <message>
        <source>Worth counts the goods you carry, but the end of the game counts only money: sell your goods before you Finish.</source>
        <translation>Wartość obejmuje niesione towary, ale na koniec gry liczą się tylko pieniądze: sprzedaj towary, zanim naciśniesz „Rozliczenie”.</translation>
    </message>
    <message>
        <source>Prices of %1 seen day by day</source>
        <translation>Ceny towaru „%1” widziane dzień po dniu</translation>
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
    <message>
        <source>How to &amp;Play</source>
        <translation>Jak &amp;grać</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>the price paid for goods carried</comment>
        <translation>%L1</translation>
    </message>
    <message>
        <source>%1, day %2 of %3.</source>
        <translation>%1, dzień %2 z %3.</translation>
    </message>
    <message>
        <source>Cash %1.</source>
        <translation>Kasa: %1.</translation>
    </message>
    <message>
        <source>You are here.</source>
        <translation>Jesteś tutaj.</translation>
    </message>
    <message>
        <source>Nothing carried</source>
        <translation>Pusto</translation>
    </message>
    <message>
        <source>paid %1 each</source>
        <translation>zapłacono %1 za sztukę</translation>
    </message>
    <message>
        <source>%1 carried</source>
        <translation>niesiesz %1</translation>
    </message>
    <message>
        <source>Sell your goods, then press Finish to end the game.</source>
        <translation>Sprzedaj towary, potem naciśnij Rozliczenie, aby zakończyć grę.</translation>
    </message>
    <message>
        <source>%1 costs %2.</source>
        <translation>%1 kosztuje %2.</translation>
    </message>
    <message>
        <source>The game is over: File, New Game starts another.</source>
        <translation>Gra skończona: Plik, Nowa gra zaczyna nową.</translation>
    </message>
    <message>
        <source>Ends the game: your total, your burial and the high scores</source>
        <translation>Kończy grę: twój wynik, twój pochówek i najlepsze wyniki</translation>
    </message>
    <message>
        <source>No more journeys: this is the last day.</source>
        <translation>Koniec podróży: to ostatni dzień.</translation>
    </message>
    <message>
        <source>%1 - Market %2</source>
        <comment>the caption of a market game: the day&apos;s caption, the number</comment>
        <translation>%1 - Rynek %2</translation>
    </message>
    <message>
        <source>&amp;Market of the Day</source>
        <translation>&amp;Rynek dnia</translation>
    </message>
    <message>
        <source>&amp;Play Market Number…</source>
        <translation>&amp;Graj na rynku o numerze…</translation>
    </message>
    <message>
        <source>The number of the market to play (digits only, from %1 to %2):</source>
        <translation>Numer rynku, na którym chcesz grać (tylko cyfry, od %L1 do %L2):</translation>
    </message>
    <message>
        <source>A market number is written in digits only, from %1 to %2.</source>
        <translation>Numer rynku składa się wyłącznie z cyfr, od %L1 do %L2.</translation>
    </message>
    <message>
        <source>Slaves: %1 of %2 unladen</source>
        <extracomment>Spoken: how many of the slaves carry nothing yet (room for that many more goods), of all.</extracomment>
        <translation>Niewolnicy: %1 z %2 bez ładunku</translation>
    </message>
    <message numerus="yes">
        <source>Bought %n %1 for %2.</source>
        <extracomment>Spoken: how many of the good %1 were bought, and what they cost.</extracomment>
        <translation>
            <numerusform>Kupiono: %1, %Ln szt., za %2.</numerusform>
            <numerusform>Kupiono: %1, %Ln szt., za %2.</numerusform>
            <numerusform>Kupiono: %1, %Ln szt., za %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sold %n %1 for %2.</source>
        <extracomment>Spoken: how many of the good %1 were sold, and what they brought.</extracomment>
        <translation>
            <numerusform>Sprzedano: %1, %Ln szt., za %2.</numerusform>
            <numerusform>Sprzedano: %1, %Ln szt., za %2.</numerusform>
            <numerusform>Sprzedano: %1, %Ln szt., za %2.</numerusform>
        </translation>
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
    <message>
        <source>&amp;Copy Result</source>
        <translation>&amp;Kopiuj wynik</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Skopiowano</translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried next to the Gods</source>
        <translation>
            <numerusform>Dunemark, rynek %1: %2 w %Ln dzień, pochowany u boku bogów</numerusform>
            <numerusform>Dunemark, rynek %1: %2 w %Ln dni, pochowany u boku bogów</numerusform>
            <numerusform>Dunemark, rynek %1: %2 w %Ln dni, pochowany u boku bogów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried among the Pharaohs</source>
        <translation>
            <numerusform>Dunemark, rynek %1: %2 w %Ln dzień, pochowany wśród faraonów</numerusform>
            <numerusform>Dunemark, rynek %1: %2 w %Ln dni, pochowany wśród faraonów</numerusform>
            <numerusform>Dunemark, rynek %1: %2 w %Ln dni, pochowany wśród faraonów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, given a burial fit for a nobleman</source>
        <translation>
            <numerusform>Dunemark, rynek %1: %2 w %Ln dzień, pogrzeb godny możnowładcy</numerusform>
            <numerusform>Dunemark, rynek %1: %2 w %Ln dni, pogrzeb godny możnowładcy</numerusform>
            <numerusform>Dunemark, rynek %1: %2 w %Ln dni, pogrzeb godny możnowładcy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried with the common folk</source>
        <translation>
            <numerusform>Dunemark, rynek %1: %2 w %Ln dzień, pochowany wśród prostego ludu</numerusform>
            <numerusform>Dunemark, rynek %1: %2 w %Ln dni, pochowany wśród prostego ludu</numerusform>
            <numerusform>Dunemark, rynek %1: %2 w %Ln dni, pochowany wśród prostego ludu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried in a hole in the desert</source>
        <translation>
            <numerusform>Dunemark, rynek %1: %2 w %Ln dzień, zakopany w dziurze na pustyni</numerusform>
            <numerusform>Dunemark, rynek %1: %2 w %Ln dni, zakopany w dziurze na pustyni</numerusform>
            <numerusform>Dunemark, rynek %1: %2 w %Ln dni, zakopany w dziurze na pustyni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, tossed into the desert</source>
        <translation>
            <numerusform>Dunemark, rynek %1: %2 w %Ln dzień, wyrzucony na pustynię</numerusform>
            <numerusform>Dunemark, rynek %1: %2 w %Ln dni, wyrzucony na pustynię</numerusform>
            <numerusform>Dunemark, rynek %1: %2 w %Ln dni, wyrzucony na pustynię</numerusform>
        </translation>
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
        <translation>Bank w piramidzie to bezpieczne miejsce na twoje pieniądze. Od wpłat dostajesz odsetki. Pieniądze możesz wypłacić w każdej chwili.</translation>
    </message>
    <message>
        <source>You currently have:</source>
        <translation>Masz teraz:</translation>
    </message>
    <message>
        <source>slaves</source>
        <translation>niewolników</translation>
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
            <numerusform>Kup jeszcze %Ln niewolnika za %L1</numerusform>
            <numerusform>Kup jeszcze %Ln niewolników za %L1</numerusform>
            <numerusform>Kup jeszcze %Ln niewolników za %L1</numerusform>
        </translation>
    </message>
    <message>
        <source>Favour = %1%</source>
        <translation>Łaska = %1%</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage, written as in &quot;Favour = %1%&quot;.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Cost %1, favour up by %2%</source>
        <translation>Koszt %1, łaska rośnie o %2%</translation>
    </message>
    <message>
        <source>%1, page %2 of %3.</source>
        <translation>%1, strona %2 z %3.</translation>
    </message>
    <message>
        <source>Gift given: favour %1%, cash %2.</source>
        <translation>Prezent wręczony: łaska %1%, kasa %2.</translation>
    </message>
    <message>
        <source>You own a pyramid bank, cash %1.</source>
        <translation>Masz bank w piramidzie, kasa: %1.</translation>
    </message>
    <message numerus="yes">
        <source>You now have %n slaves, cash %1.</source>
        <translation>
            <numerusform>Masz teraz %Ln niewolnika, kasa: %1.</numerusform>
            <numerusform>Masz teraz %Ln niewolników, kasa: %1.</numerusform>
            <numerusform>Masz teraz %Ln niewolników, kasa: %1.</numerusform>
        </translation>
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
