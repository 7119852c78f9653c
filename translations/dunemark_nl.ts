<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Goods</name>
    <message>
        <source>Gold</source>
        <translation>Goud</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Zilver</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Druiven</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>Wheat</source>
        <translation>Tarwe</translation>
    </message>
    <message>
        <source>Papyrus</source>
        <translation>Papyrus</translation>
    </message>
    <message>
        <source>Granite Statue</source>
        <translation>Granietbeeld</translation>
    </message>
    <message>
        <source>Sphinx</source>
        <translation>Sfinx</translation>
    </message>
    <message>
        <source>Marble</source>
        <translation>Marmer</translation>
    </message>
    <message>
        <source>Granite</source>
        <translation>Graniet</translation>
    </message>
    <message>
        <source>Gold Statue</source>
        <translation>Gouden beeld</translation>
    </message>
    <message>
        <source>Silver Statue</source>
        <translation>Zilveren beeld</translation>
    </message>
    <message>
        <source>Gems</source>
        <translation>Edelstenen</translation>
    </message>
    <message>
        <source>Scrolls</source>
        <translation>Boekrollen</translation>
    </message>
    <message>
        <source>Food &amp; water</source>
        <translation>Eten en water</translation>
    </message>
</context>
<context>
    <name>LedgerLoader</name>
    <message>
        <source>The ledger could not be opened: the file that holds it is missing.

It was looked for as:
%1</source>
        <translation>Het kasboek kan niet worden geopend: het bestand ervan ontbreekt.

Er is gezocht naar:
%1</translation>
    </message>
    <message>
        <source>The ledger could not be opened: the file that holds it, %1, could not be loaded.

%2</source>
        <translation>Het kasboek kan niet worden geopend: het bestand ervan, %1, kon niet worden geladen.

%2</translation>
    </message>
    <message>
        <source>The ledger could not be opened: the file that holds it, %1, belongs to another version of the game.</source>
        <translation>Het kasboek kan niet worden geopend: het bestand ervan, %1, hoort bij een andere versie van het spel.</translation>
    </message>
</context>
<context>
    <name>Phrase</name>
    <message>
        <source>%1 prices are low</source>
        <translation>%1: lage prijzen</translation>
    </message>
    <message>
        <source>The market has been flooded with cheap %1 and so prices are very low</source>
        <translation>%1: de markt wordt ermee overspoeld, dus de prijzen zijn heel laag</translation>
    </message>
    <message>
        <source>The Pharoah needs %1 for his personal use, and so<byte value="xd"/>
the price has gone up</source>
        <translation>%1: de farao heeft het nodig voor eigen gebruik, dus<byte value="xd"/>
de prijs is gestegen</translation>
    </message>
    <message>
        <source>%1 prices are high</source>
        <translation>%1: hoge prijzen</translation>
    </message>
    <message>
        <source>The Pharoah is pleased with you progress<byte value="xd"/>
You received a cash bonus of %1</source>
        <translation>De farao is tevreden over je vorderingen<byte value="xd"/>
Je krijgt een bonus van %1</translation>
    </message>
    <message>
        <source>Dunemark - Day %1</source>
        <translation>Dunemark - Dag %1</translation>
    </message>
    <message>
        <source>You have been mugged</source>
        <translation>Je bent beroofd</translation>
    </message>
    <message>
        <source>Your pyramid bank was robbed, half your fortune has gone</source>
        <translation>Je piramidebank is beroofd, de helft van je fortuin is weg</translation>
    </message>
    <message>
        <source>This is you last day, better sell your stock</source>
        <translation>Dit is je laatste dag, verkoop je voorraad maar</translation>
    </message>
    <message>
        <source>You managed to get a total of <byte value="xd"/>
%1</source>
        <translation>Je bent uitgekomen op een totaal van <byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>You aint got the dosh mate</source>
        <translation>Je hebt de poen niet, maat</translation>
    </message>
    <message>
        <source>Ya not got enuff slaves</source>
        <translation>Je hep nie genoeg slaven</translation>
    </message>
    <message>
        <source>Nothing there to sell</source>
        <translation>Daar valt niks te verkopen</translation>
    </message>
    <message>
        <source>You haven&apos;t got the money, to buy that gift</source>
        <translation>Je hebt het geld niet voor dat cadeau</translation>
    </message>
    <message>
        <source>You seem to be lacking the money</source>
        <translation>Je lijkt geld tekort te komen</translation>
    </message>
    <message>
        <source>There are no more slaves for you to buy</source>
        <translation>Er zijn geen slaven meer te koop</translation>
    </message>
    <message>
        <source>You not got the money</source>
        <translation>Je hep het geld nie</translation>
    </message>
    <message>
        <source>You now claim residence next to the Gods</source>
        <translation>Je rust nu naast de goden</translation>
    </message>
    <message>
        <source>You now claim residency next to the great Pharoahs</source>
        <translation>Je rust nu naast de grote farao&apos;s</translation>
    </message>
    <message>
        <source>You have a burial fit for a nobleman</source>
        <translation>Je krijgt een begrafenis een edelman waardig</translation>
    </message>
    <message>
        <source>You are buried with people of your own class</source>
        <translation>Je wordt begraven bij mensen van je eigen stand</translation>
    </message>
    <message>
        <source>You are buried in a hole, in the desert</source>
        <translation>Je wordt begraven in een kuil in de woestijn</translation>
    </message>
    <message>
        <source>You were just tossed into the desert</source>
        <translation>Je bent gewoon de woestijn in gegooid</translation>
    </message>
    <message>
        <source>next to the Gods</source>
        <translation>naast de goden</translation>
    </message>
    <message>
        <source>next to the great Pharoahs</source>
        <translation>naast de grote farao&apos;s</translation>
    </message>
    <message>
        <source>a burial fit for a nobleman</source>
        <translation>als een edelman</translation>
    </message>
    <message>
        <source>with people of your own class</source>
        <translation>bij je eigen stand</translation>
    </message>
    <message>
        <source>in a hole, in the desert</source>
        <translation>in een woestijnkuil</translation>
    </message>
    <message>
        <source>tossed into the desert</source>
        <translation>de woestijn in gegooid</translation>
    </message>
    <message>
        <source>You were left in the middle of the desert, without any food and water. As you try to walk, the sun makes you thirsty, and time makes you hungry. The wind joins forces with the sand, to make it impossible for you to do anything. You collapse to the floor, and take your last breath of air.</source>
        <translation>Je bent midden in de woestijn achtergelaten, zonder eten en water. Terwijl je probeert te lopen, krijg je dorst van de zon en honger van de tijd. De wind spant samen met het zand, tot je niets meer kunt doen. Je zakt in elkaar en blaast je laatste adem uit.</translation>
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
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Opnie&amp;uw</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Kni&amp;ppen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>P&amp;lakken</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nee</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>dunemark::FortuneChart</name>
    <message>
        <source>Money (cash + bank - loan)</source>
        <translation>Geld (contant + bank - lening)</translation>
    </message>
    <message>
        <source>Worth (money + goods)</source>
        <translation>Waarde (geld + goederen)</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>money</source>
        <translation>geld</translation>
    </message>
    <message>
        <source>worth</source>
        <translation>waarde</translation>
    </message>
    <message>
        <source>Day %1, %2: %3</source>
        <translation>Dag %1, %2: %3</translation>
    </message>
</context>
<context>
    <name>dunemark::LastSeenTable</name>
    <message>
        <source>Goods</source>
        <translation>Goederen</translation>
    </message>
    <message>
        <source>Last price seen of each good in each town</source>
        <translation>Laatst geziene prijs van elk artikel in elke stad</translation>
    </message>
    <message>
        <source>%1 (day %2)</source>
        <translation>%1 (dag %2)</translation>
    </message>
    <message>
        <source>%1, the lowest</source>
        <translation>%1, de laagste</translation>
    </message>
    <message>
        <source>%1, the highest</source>
        <translation>%1, de hoogste</translation>
    </message>
</context>
<context>
    <name>dunemark::LedgerChart</name>
    <message>
        <source>Day</source>
        <translation>Dag</translation>
    </message>
</context>
<context>
    <name>dunemark::PriceChart</name>
    <message>
        <source>Price</source>
        <translation>Prijs</translation>
    </message>
    <message>
        <source>%1, day %2: %3</source>
        <translation>%1, dag %2: %3</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>%1 each</source>
        <translation>%1 per stuk</translation>
    </message>
</context>
<context>
    <name>dunemark::SpokenNews</name>
    <message>
        <source>Cash %1, debt %2.</source>
        <translation>Geld: %1, schuld: %2.</translation>
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
        <translation>Reis naar %1 (%2)</translation>
    </message>
</context>
<context>
    <name>dunemark::frmAbout</name>
    <message>
        <source>A trading game. Make as much money as you can before all your days go.</source>
        <translation>Een handelsspel. Verdien zoveel mogelijk geld voordat je dagen om zijn.</translation>
    </message>
    <message>
        <source>Use this product at your own risk. Do not blame me if anything goes wrong. If you don&apos;t agree with this, then stop using this product.</source>
        <translation>Gebruik op eigen risico. Gaat er iets mis, dan ligt dat niet aan mij. Niet akkoord? Gebruik het dan niet.</translation>
    </message>
    <message>
        <source>(C) 2026 the Dunemark authors</source>
        <translation>(C) 2026 de makers van Dunemark</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Opens the web page</source>
        <translation>Opent de webpagina</translation>
    </message>
    <message>
        <source>Writes an e-mail to the author</source>
        <translation>Stuurt de maker een e-mail</translation>
    </message>
</context>
<context>
    <name>dunemark::frmBuy</name>
    <message>
        <source>How many do you wish to buy:</source>
        <translation>Hoeveel wil je kopen:</translation>
    </message>
    <message numerus="yes">
        <source>You can afford %1 and have space for %n more items</source>
        <translation>
            <numerusform>Je kunt %L1 betalen en hebt ruimte voor nog %Ln stuk</numerusform>
            <numerusform>Je kunt %L1 betalen en hebt ruimte voor nog %Ln stuks</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmFinances</name>
    <message>
        <source>Cash:</source>
        <translation>Geld:</translation>
    </message>
    <message>
        <source>Bank:</source>
        <translation>Bank:</translation>
    </message>
    <message>
        <source>Debt:</source>
        <translation>Schuld:</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Storten</translation>
    </message>
    <message>
        <source>Withdraw</source>
        <translation>Opnemen</translation>
    </message>
    <message>
        <source>Pay Loan</source>
        <translation>Aflossen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Finances</source>
        <translation>Financiën</translation>
    </message>
    <message>
        <source>Deposited %1.</source>
        <translation>%1 gestort.</translation>
    </message>
    <message>
        <source>Withdrew %1.</source>
        <translation>%1 opgenomen.</translation>
    </message>
    <message>
        <source>Paid %1 of the loan.</source>
        <translation>%1 van de lening afgelost.</translation>
    </message>
    <message>
        <source>How much do you deposit? At most %1.</source>
        <translation>Hoeveel stort je? Hoogstens %1.</translation>
    </message>
    <message>
        <source>How much do you withdraw? At most %1.</source>
        <translation>Hoeveel neem je op? Hoogstens %1.</translation>
    </message>
    <message>
        <source>How much of the loan do you pay back? At most %1.</source>
        <translation>Hoeveel van de lening los je af? Hoogstens %1.</translation>
    </message>
</context>
<context>
    <name>dunemark::frmGetNumber</name>
    <message>
        <source>How much:</source>
        <translation>Hoeveel:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Financial situation</source>
        <translation>Financiële situatie</translation>
    </message>
    <message>
        <source>The box holds %1: at most %2.</source>
        <extracomment>Spoken when the amount box has rewritten what was typed: %1 what it holds, %2 the most.</extracomment>
        <translation>Het vak bevat %1: hoogstens %2.</translation>
    </message>
</context>
<context>
    <name>dunemark::frmHighScores</name>
    <message>
        <source>Highscores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>HIGHSCORES</source>
        <translation>TOPSCORES</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Whats your name?</source>
        <translation>Hoe heet je?</translation>
    </message>
    <message>
        <source>You&apos;ve got a highscore</source>
        <translation>Je hebt een topscore</translation>
    </message>
    <message>
        <source>Another Dunemark kept the highscores busy for too long.</source>
        <translation>Een andere Dunemark die ook draait, hield de topscores te lang bezet.</translation>
    </message>
    <message>
        <source>The highscores could not be written: the disk may be full or read-only.</source>
        <translation>De topscores konden niet worden opgeslagen: de schijf is misschien vol of alleen-lezen.</translation>
    </message>
    <message>
        <source>Your score was not saved. %1 The table is unchanged.</source>
        <translation>Je score is niet opgeslagen. %1 De lijst is niet veranderd.</translation>
    </message>
    <message>
        <source>The highscores file, %1, is too large to update.</source>
        <translation>Het bestand met de topscores, %1, is te groot om bij te werken.</translation>
    </message>
    <message>
        <source>The highscores file, %1, could not be read.</source>
        <translation>Het bestand met de topscores, %1, kon niet worden gelezen.</translation>
    </message>
    <message>
        <source>Something that is not a lock file stands at %1: remove it, and scores can be saved again.</source>
        <translation>Op %1 staat iets dat geen vergrendelingsbestand is: verwijder het, dan kunnen scores weer worden opgeslagen.</translation>
    </message>
    <message>
        <source>Nobody</source>
        <extracomment>The name in a high-score place that nobody has won yet.</extracomment>
        <translation>Niemand</translation>
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
        <translation>Het bestand met de topscores, %1, is te groot om helemaal te lezen: in de getoonde lijst kunnen plaatsen ontbreken.</translation>
    </message>
    <message>
        <source>Your score is in the table, but the disk may not have it yet: the system could not confirm that %1 was written.</source>
        <translation>Je score staat in de lijst, maar de schijf heeft hem misschien nog niet: het systeem kon niet bevestigen dat %1 is geschreven.</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be opened: remove it, and scores can be saved again.</source>
        <translation>Het vergrendelingsbestand %1 kan niet worden geopend: verwijder het, dan kunnen scores weer worden opgeslagen.</translation>
    </message>
    <message>
        <source>Something stands at %1, where the new highscores file is written before it replaces the old one: remove it, and scores can be saved again.</source>
        <translation>Op %1, waar het nieuwe bestand met de topscores wordt geschreven voordat het het oude vervangt, staat iets: verwijder het, dan kunnen scores weer worden opgeslagen.</translation>
    </message>
    <message>
        <source>The highscores file, %1, is read-only.</source>
        <translation>Het bestand met de topscores, %1, is alleen-lezen.</translation>
    </message>
</context>
<context>
    <name>dunemark::frmHowToPlay</name>
    <message>
        <source>How to Play</source>
        <translation>Speluitleg</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Speluitleg</translation>
    </message>
    <message>
        <source>You have %1 days to make as much money as you can by trading between %2, %3 and %4. You start in %2 with %5 in cash, a loan of %6 and %7 slaves.</source>
        <translation>Je hebt %1 dagen om met handel tussen %2, %3 en %4 zoveel mogelijk geld te verdienen. Je begint in %2 met %5 contant, een lening van %6 en %7 slaven.</translation>
    </message>
    <message>
        <source>On day %1, the last, you can no longer buy, but you can still sell and settle your finances. Then press Finish, which covers the map, to end the game.</source>
        <translation>Op dag %1, de laatste, kun je niets meer kopen, maar wel nog verkopen en je financiën regelen. Druk dan op de knop Afrekenen, die nu over de kaart ligt, en het spel is voorbij.</translation>
    </message>
    <message>
        <source>Your total is your cash plus your bank balance minus your loan. Goods you still carry count for nothing, so sell them before you finish. The total decides where you are buried and whether you enter the high-score table.</source>
        <translation>Je totaal is je contante geld plus je banksaldo min je lening. Goederen die je nog bij je hebt, tellen niet mee, dus verkoop ze voordat je afrekent. Het totaal bepaalt waar je begraven wordt en of je in de topscores komt.</translation>
    </message>
    <message>
        <source>Click a town on the map to travel there. Every journey takes one day: prices change, interest is added to your loan and your bank, and danger may strike.</source>
        <translation>Klik op een stad op de kaart om erheen te reizen. Elke reis duurt één dag: de prijzen veranderen, er komt rente bij op je lening en je bank, en er kan je iets overkomen.</translation>
    </message>
    <message>
        <source>Staying in a town takes no time: buy and sell there as much as you like. On day %1 Finish covers the map, and there are no more journeys.</source>
        <translation>In een stad blijven kost geen tijd: koop en verkoop er zoveel je wilt. Op dag %1 ligt Afrekenen over de kaart en kun je niet meer reizen.</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Cheapest</source>
        <translation>Goedkoopst</translation>
    </message>
    <message>
        <source>Dearest</source>
        <translation>Duurst</translation>
    </message>
    <message>
        <source>Every town sells the same ten goods. Each day every town draws its prices afresh, and they stay fixed while you stay. On a usual day a good costs:</source>
        <translation>Elke stad verkoopt dezelfde tien goederen. Elke dag bepaalt elke stad haar prijzen opnieuw, en die blijven gelijk zolang jij blijft. Op een gewone dag kost een artikel:</translation>
    </message>
    <message>
        <source>In the town you arrive in, each good may meet one of these events, and a message tells you of it:</source>
        <translation>In de stad waar je aankomt, kan elk artikel een van deze gebeurtenissen treffen, en een bericht meldt je dat:</translation>
    </message>
    <message>
        <source>Low prices, a chance of one in %1: about %2% of the usual price.</source>
        <translation>Lage prijzen, een kans van één op %1: ongeveer %2% van de gewone prijs.</translation>
    </message>
    <message>
        <source>A glut, a chance of one in %1: %2% of the usual price.</source>
        <translation>Een overvolle markt, een kans van één op %1: %2% van de gewone prijs.</translation>
    </message>
    <message>
        <source>The Pharaoh&apos;s demand, a chance of one in %1: %2% of the usual price.</source>
        <translation>De farao heeft het nodig, een kans van één op %1: %2% van de gewone prijs.</translation>
    </message>
    <message>
        <source>High prices, a chance of one in %1: %2% of the usual price.</source>
        <translation>Hoge prijzen, een kans van één op %1: %2% van de gewone prijs.</translation>
    </message>
    <message>
        <source>Each slave carries one item, so you can carry as many items as you have slaves. The Slaves line above your goods shows how many slaves are free, then how many you have.</source>
        <translation>Elke slaaf draagt één artikel, dus je kunt evenveel artikelen dragen als je slaven hebt. De regel Slaven boven je goederen toont hoeveel slaven nog niets dragen, en daarna hoeveel je er hebt.</translation>
    </message>
    <message>
        <source>To buy, choose a good in the items available and press Buy. The Buy window proposes the most you can take: as many as your cash pays for, but no more than your free slaves can carry. Type a smaller number if you like.</source>
        <translation>Om te kopen kies je een artikel bij Te koop en druk je op Kopen. Het koopvenster stelt het meeste voor dat je kunt nemen: zoveel als je geld kan betalen, maar niet meer dan je slaven zonder vracht kunnen dragen. Typ gerust een kleiner getal.</translation>
    </message>
    <message>
        <source>To sell, choose a good among the items you have bought and press Sell; the Sell window proposes all you hold. Every town buys every good at its price of the day.</source>
        <translation>Om te verkopen kies je een artikel bij je gekochte artikelen en druk je op Verkopen; het verkoopvenster stelt alles voor wat je ervan hebt. Elke stad koopt elk artikel tegen haar dagprijs.</translation>
    </message>
    <message>
        <source>Your loan grows by %1% every day, so pay it back early: in the Finances window, Pay Loan takes any part of it from your cash. You cannot borrow more.</source>
        <translation>Je lening groeit elke dag met %1%, dus betaal hem snel terug: in het venster Financiën los je met Aflossen elk deel ervan af met je contante geld. Meer lenen kan niet.</translation>
    </message>
    <message>
        <source>A pyramid bank, bought in Special products for %1, pays %2% interest every day on what you keep in it. Deposit and withdraw in the Finances window, in any town, at any time.</source>
        <translation>Een piramidebank, voor %1 te koop bij Speciale waren, geeft je elke dag %2% rente over wat je erin hebt. Storten en opnemen doe je in het venster Financiën, in elke stad en op elk moment.</translation>
    </message>
    <message>
        <source>Gift</source>
        <translation>Cadeau</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prijs</translation>
    </message>
    <message>
        <source>Favour</source>
        <translation>Gunst</translation>
    </message>
    <message>
        <source>+%1%</source>
        <translation>+%1%</translation>
    </message>
    <message>
        <source>The Pharaoh&apos;s favour, shown under the map, rises by %1% each time you sell a good for more than you paid at your latest purchase of it, and falls by %1% (never below 0) when you sell it for that or less.</source>
        <translation>De gunst van de farao, te zien onder de kaart, stijgt met %1% telkens als je een artikel verkoopt voor meer dan je er bij je laatste aankoop voor betaalde, en daalt met %1% (nooit onder 0) als je het voor dat bedrag of minder verkoopt.</translation>
    </message>
    <message>
        <source>Gifts raise it faster, one gift each time you open the Special products window:</source>
        <translation>Met cadeaus stijgt je gunst sneller, één cadeau per keer dat je het venster Speciale waren opent:</translation>
    </message>
    <message>
        <source>Once your favour has reached %1%, the Pharaoh pays you a bonus on your next journey, a sum chosen by chance of up to %2, and your favour starts again from 0.</source>
        <translation>Zodra je gunst %1% heeft bereikt, betaalt de farao je op je volgende reis een bonus, een willekeurig bedrag tot %2, en begint je gunst weer bij 0.</translation>
    </message>
    <message>
        <source>More slaves come in packs of %1 for %2 a pack, as long as you have fewer than %3.</source>
        <translation>Meer slaven koop je in groepjes van %1 voor %2 per groepje, zolang je er minder dan %3 hebt.</translation>
    </message>
    <message>
        <source>The pyramid bank costs %1 and can be bought once a game.</source>
        <translation>De piramidebank kost %1 en kun je één keer per spel kopen.</translation>
    </message>
    <message>
        <source>On every journey there is a chance of one in %1 that you are mugged and lose %2% of your cash.</source>
        <translation>Op elke reis is er een kans van één op %1 dat je beroofd wordt en %2% van je contante geld kwijtraakt.</translation>
    </message>
    <message>
        <source>Once you own a pyramid bank, there is a chance of one in %1 each day that it is robbed and loses %2% of what is in it.</source>
        <translation>Zodra je een piramidebank hebt, is er elke dag een kans van één op %1 dat die beroofd wordt en %2% van de inhoud verliest.</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totaal</translation>
    </message>
    <message>
        <source>Your burial</source>
        <translation>Je begrafenis</translation>
    </message>
    <message>
        <source>above %1</source>
        <translation>boven %1</translation>
    </message>
    <message>
        <source>%1 or less</source>
        <translation>%1 of minder</translation>
    </message>
    <message>
        <source>Your total at the end decides where you are buried; it must be above a rank&apos;s figure to earn it:</source>
        <translation>Je totaal aan het eind bepaalt waar je begraven wordt; voor een rang moet het boven het bedrag ervan liggen:</translation>
    </message>
    <message>
        <source>The %1 best totals are kept, with names and dates, in the high-score table (View menu, Highscores). A total of 0 or more that beats one of them enters the table and you are asked your name; a total equal to one goes below it. At first every place holds %2.</source>
        <translation>De %1 beste totalen worden met naam en datum bewaard in de topscores (menu Beeld, Topscores). Een totaal van 0 of meer dat er een verslaat, komt in de lijst en je wordt naar je naam gevraagd; een gelijk totaal komt eronder. In het begin staat op elke plaats %2.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Toetsen</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>Wat ze doen</translation>
    </message>
    <message>
        <source>Travel to %1, %2 or %3</source>
        <translation>Reis naar %1, %2 of %3</translation>
    </message>
    <message>
        <source>Move between the map, the buttons and the two lists</source>
        <translation>Wissel tussen de kaart, de knoppen en de twee lijsten</translation>
    </message>
    <message>
        <source>Choose a good in a list</source>
        <translation>Kies een artikel in een lijst</translation>
    </message>
    <message>
        <source>Buy the good chosen in the items available, or sell the one chosen among the items you have bought; in a window, OK</source>
        <translation>Koop het gekozen artikel bij Te koop, of verkoop het gekozen artikel bij je gekochte artikelen; in een venster OK</translation>
    </message>
    <message>
        <source>Buy, Sell</source>
        <translation>Kopen, Verkopen</translation>
    </message>
    <message>
        <source>Press the button that has the focus, such as Finances or Special products</source>
        <translation>Druk op de knop met de focus, zoals Financiën of Speciale waren</translation>
    </message>
    <message>
        <source>In a window, Cancel or close</source>
        <translation>In een venster Annuleren of sluiten</translation>
    </message>
    <message>
        <source>In Special products, the next or the previous tab</source>
        <translation>In Speciale waren het volgende of vorige tabblad</translation>
    </message>
    <message>
        <source>The File, View and Help menus</source>
        <translation>De menu&apos;s Bestand, Beeld en Help</translation>
    </message>
    <message>
        <source>The ledger of the prices you have seen and of your fortune</source>
        <translation>Het kasboek met de prijzen die je zag en je vermogen</translation>
    </message>
    <message>
        <source>Close the window of your burial</source>
        <translation>Sluit het venster van je begrafenis</translation>
    </message>
    <message>
        <source>This window</source>
        <translation>Dit venster</translation>
    </message>
    <message>
        <source>A letter, Enter, Escape or a click</source>
        <translation>Een letter, Enter, Esc of een klik</translation>
    </message>
    <message>
        <source>Close the story (View menu, Story) and play</source>
        <translation>Sluit het verhaal (menu Beeld, Verhaal) en speel</translation>
    </message>
    <message>
        <source>The game</source>
        <translation>Het spel</translation>
    </message>
    <message>
        <source>Travel</source>
        <translation>Reizen</translation>
    </message>
    <message>
        <source>The market</source>
        <translation>De markt</translation>
    </message>
    <message>
        <source>Buying and selling</source>
        <translation>Kopen en verkopen</translation>
    </message>
    <message>
        <source>The loan and the pyramid bank</source>
        <translation>De lening en de piramidebank</translation>
    </message>
    <message>
        <source>Favour and special products</source>
        <translation>Gunst en speciale waren</translation>
    </message>
    <message>
        <source>Dangers</source>
        <translation>Gevaren</translation>
    </message>
    <message>
        <source>Where you are buried</source>
        <translation>Waar je begraven wordt</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>In the ledger: the last prices seen, the prices, the fortune, the goods, the figures as a table</source>
        <translation>In het kasboek: laatst geziene prijzen, prijzen, vermogen, de goederen, de cijfers als tabel</translation>
    </message>
    <message>
        <source>File, Market of the Day (%1) starts a game whose markets are set by today&apos;s date: everyone who starts it on the same date plays the same market.</source>
        <translation>Bestand, Markt van de dag (%1) start een spel waarin de datum van vandaag de markten bepaalt: iedereen die het op dezelfde dag start, speelt dezelfde markt.</translation>
    </message>
    <message>
        <source>Each such market has a number, the date&apos;s digits for the market of the day, shown in the window&apos;s caption beside the day. File, Play Market Number (%1) plays any market again by its number, or one that a friend shares.</source>
        <translation>Elke markt van dit soort heeft een nummer (bij de markt van de dag de cijfers van de datum), dat in de titelbalk naast de dag staat. Bestand, Markt op nummer spelen (%1) speelt elke markt opnieuw aan de hand van zijn nummer, ook een markt die een vriend met je deelt.</translation>
    </message>
    <message>
        <source>In a market game the prices of every town on every day, the market events, the muggings, the robberies of the pyramid bank and the Pharaoh&apos;s bonus are the same for every player, whatever route each takes and whatever each buys. What you make of them is yours.</source>
        <translation>Binnen een markt zijn de prijzen van elke stad op elke dag, de marktgebeurtenissen, de overvallen onderweg, de berovingen van een piramidebank en de bonus van de farao voor elke speler gelijk, welke route iemand ook neemt en wat hij ook koopt. Wat je ermee doet, is aan jou.</translation>
    </message>
    <message>
        <source>When a market game ends, Copy Result (%1) in the window of your burial copies one line to paste to others: the market&apos;s number, your total and your burial. Nothing is kept or sent.</source>
        <translation>Als een marktspel afgelopen is, zet Resultaat kopiëren (%1) in het venster van je begrafenis één regel op het klembord om met anderen te delen: het nummer van de markt, je totaal en je begrafenis. Er wordt niets bewaard of verstuurd.</translation>
    </message>
    <message>
        <source>The market of the day, or a market by its number</source>
        <translation>De markt van de dag, of een markt op nummer</translation>
    </message>
    <message>
        <source>The market of the day</source>
        <translation>De markt van de dag</translation>
    </message>
</context>
<context>
    <name>dunemark::frmLedger</name>
    <message>
        <source>Ledger</source>
        <translation>Kasboek</translation>
    </message>
    <message>
        <source>&amp;Prices</source>
        <translation>&amp;Prijzen</translation>
    </message>
    <message>
        <source>&amp;Fortune</source>
        <translation>&amp;Vermogen</translation>
    </message>
    <message>
        <source>Show the figures as a &amp;table</source>
        <translation>Cijfers als &amp;tabel tonen</translation>
    </message>
    <message>
        <source>&amp;Goods:</source>
        <translation>&amp;Goederen:</translation>
    </message>
    <message>
        <source>Goods</source>
        <translation>Goederen</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Burial</source>
        <translation>Begrafenis</translation>
    </message>
    <message>
        <source>Price chart</source>
        <translation>Prijsgrafiek</translation>
    </message>
    <message>
        <source>Fortune chart</source>
        <translation>Vermogensgrafiek</translation>
    </message>
    <message>
        <source>Prices of %1 day by day</source>
        <translation>Prijzen van %1 per dag</translation>
    </message>
    <message>
        <source>Each town you travel to writes its prices into this ledger.</source>
        <translation>Elke stad waar je heen reist, schrijft haar prijzen in dit kasboek.</translation>
    </message>
    <message>
        <source>&amp;Last seen</source>
        <translation>&amp;Laatst gezien</translation>
    </message>
    <message>
        <source>%1 the lowest and %2 the highest of the prices last seen of a good</source>
        <translation>%1 de laagste en %2 de hoogste van de laatst geziene prijzen van een artikel</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>Worth</source>
        <translation>Waarde</translation>
    </message>
    <message>
        <source>Money and worth at the end of each day</source>
        <translation>Geld en waarde aan het eind van elke dag</translation>
    </message>
    <message>
        <source>Worth counts the goods you carry, but the end of the game counts only money: sell your goods before you Finish.</source>
        <translation>Waarde telt de goederen mee die je bij je hebt, maar aan het eind van het spel telt alleen geld: verkoop je goederen voordat je afrekent.</translation>
    </message>
    <message>
        <source>Prices of %1 seen day by day</source>
        <translation>Geziene prijzen van %1, dag na dag</translation>
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
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prijs</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Aantal</translation>
    </message>
    <message>
        <source>Slaves: %1/%2</source>
        <translation>Slaven: %1/%2</translation>
    </message>
    <message>
        <source>Favour = %1%</source>
        <translation>Gunst = %1%</translation>
    </message>
    <message>
        <source>Buy - %1</source>
        <translation>Kopen - %1</translation>
    </message>
    <message>
        <source>Sell - %1</source>
        <translation>Verkopen - %1</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spel voorbij</translation>
    </message>
    <message>
        <source>Are you sure you wish to start a new game?</source>
        <translation>Weet je zeker dat je een nieuw spel wilt beginnen?</translation>
    </message>
    <message>
        <source>Cash:</source>
        <translation>Geld:</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Debt:</source>
        <translation>Schuld:</translation>
    </message>
    <message>
        <source>Debt</source>
        <translation>Schuld</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Kaart</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Afrekenen</translation>
    </message>
    <message>
        <source>Special products</source>
        <translation>Speciale waren</translation>
    </message>
    <message>
        <source>&amp;Buy</source>
        <translation>&amp;Kopen</translation>
    </message>
    <message>
        <source>&amp;Sell</source>
        <translation>&amp;Verkopen</translation>
    </message>
    <message>
        <source>Finances</source>
        <translation>Financiën</translation>
    </message>
    <message>
        <source>Items available:</source>
        <translation>Te koop:</translation>
    </message>
    <message>
        <source>Items you can buy</source>
        <translation>Artikelen die je kunt kopen</translation>
    </message>
    <message>
        <source>Enter buys the selected item</source>
        <translation>Enter koopt het gekozen artikel</translation>
    </message>
    <message>
        <source>Items you have bought</source>
        <translation>Artikelen die je hebt gekocht</translation>
    </message>
    <message>
        <source>Enter sells the selected item</source>
        <translation>Enter verkoopt het gekozen artikel</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Bee&amp;ld</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Topscores</translation>
    </message>
    <message>
        <source>&amp;Story</source>
        <translation>&amp;Verhaal</translation>
    </message>
    <message>
        <source>&amp;Ledger</source>
        <translation>&amp;Kasboek</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>How to &amp;Play</source>
        <translation>&amp;Speluitleg</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>the price paid for goods carried</comment>
        <translation>%L1</translation>
    </message>
    <message>
        <source>%1, day %2 of %3.</source>
        <translation>%1, dag %2 van %3.</translation>
    </message>
    <message>
        <source>Cash %1.</source>
        <translation>Geld: %1.</translation>
    </message>
    <message>
        <source>You are here.</source>
        <translation>Je bent hier.</translation>
    </message>
    <message>
        <source>Nothing carried</source>
        <translation>Leeg</translation>
    </message>
    <message>
        <source>paid %1 each</source>
        <translation>betaald %1 per stuk</translation>
    </message>
    <message>
        <source>%1 carried</source>
        <translation>%1 bij je</translation>
    </message>
    <message>
        <source>Sell your goods, then press Finish to end the game.</source>
        <translation>Verkoop je waren en druk dan op Afrekenen om het spel te beëindigen.</translation>
    </message>
    <message>
        <source>%1 costs %2.</source>
        <translation>%1 kost %2.</translation>
    </message>
    <message>
        <source>The game is over: File, New Game starts another.</source>
        <translation>Het spel is voorbij: Bestand, Nieuw spel begint een nieuw spel.</translation>
    </message>
    <message>
        <source>Ends the game: your total, your burial and the high scores</source>
        <translation>Beëindigt het spel: je totaal, je begrafenis en de topscores</translation>
    </message>
    <message>
        <source>No more journeys: this is the last day.</source>
        <translation>Geen reizen meer: dit is de laatste dag.</translation>
    </message>
    <message>
        <source>%1 - Market %2</source>
        <comment>the caption of a market game: the day&apos;s caption, the number</comment>
        <translation>%1 - Markt %2</translation>
    </message>
    <message>
        <source>&amp;Market of the Day</source>
        <translation>&amp;Markt van de dag</translation>
    </message>
    <message>
        <source>&amp;Play Market Number…</source>
        <translation>Markt op nummer &amp;spelen…</translation>
    </message>
    <message>
        <source>The number of the market to play (digits only, from %1 to %2):</source>
        <translation>Nummer van de markt die je wilt spelen (alleen cijfers, van %L1 tot %L2):</translation>
    </message>
    <message>
        <source>A market number is written in digits only, from %1 to %2.</source>
        <translation>Een marktnummer bestaat alleen uit cijfers, van %L1 tot %L2.</translation>
    </message>
    <message>
        <source>Slaves: %1 of %2 unladen</source>
        <extracomment>Spoken: how many of the slaves carry nothing yet (room for that many more goods), of all.</extracomment>
        <translation>Slaven: %1 van %2 zonder vracht</translation>
    </message>
    <message numerus="yes">
        <source>Bought %n %1 for %2.</source>
        <extracomment>Spoken: how many of the good %1 were bought, and what they cost.</extracomment>
        <translation>
            <numerusform>Gekocht: %1, %Ln stuk, voor %2.</numerusform>
            <numerusform>Gekocht: %1, %Ln stuks, voor %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sold %n %1 for %2.</source>
        <extracomment>Spoken: how many of the good %1 were sold, and what they brought.</extracomment>
        <translation>
            <numerusform>Verkocht: %1, %Ln stuk, voor %2.</numerusform>
            <numerusform>Verkocht: %1, %Ln stuks, voor %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmSell</name>
    <message>
        <source>How many do you wish to sell:</source>
        <translation>Hoeveel wil je verkopen:</translation>
    </message>
    <message numerus="yes">
        <source>You have %n items to sell</source>
        <translation>
            <numerusform>Je hebt %Ln stuk te verkopen</numerusform>
            <numerusform>Je hebt %Ln stuks te verkopen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmShowEndTomb</name>
    <message>
        <source>What happened to you?</source>
        <translation>Wat is er van je geworden?</translation>
    </message>
    <message>
        <source>Your burial place</source>
        <translation>Je laatste rustplaats</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>Resultaat &amp;kopiëren</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Gekopieerd</translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried next to the Gods</source>
        <translation>
            <numerusform>Dunemark, markt %1: %2 in %Ln dag, begraven naast de goden</numerusform>
            <numerusform>Dunemark, markt %1: %2 in %Ln dagen, begraven naast de goden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried among the Pharaohs</source>
        <translation>
            <numerusform>Dunemark, markt %1: %2 in %Ln dag, begraven tussen de farao&apos;s</numerusform>
            <numerusform>Dunemark, markt %1: %2 in %Ln dagen, begraven tussen de farao&apos;s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, given a burial fit for a nobleman</source>
        <translation>
            <numerusform>Dunemark, markt %1: %2 in %Ln dag, begraven als een edelman</numerusform>
            <numerusform>Dunemark, markt %1: %2 in %Ln dagen, begraven als een edelman</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried with the common folk</source>
        <translation>
            <numerusform>Dunemark, markt %1: %2 in %Ln dag, begraven bij het gewone volk</numerusform>
            <numerusform>Dunemark, markt %1: %2 in %Ln dagen, begraven bij het gewone volk</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried in a hole in the desert</source>
        <translation>
            <numerusform>Dunemark, markt %1: %2 in %Ln dag, begraven in een kuil in de woestijn</numerusform>
            <numerusform>Dunemark, markt %1: %2 in %Ln dagen, begraven in een kuil in de woestijn</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, tossed into the desert</source>
        <translation>
            <numerusform>Dunemark, markt %1: %2 in %Ln dag, de woestijn in gegooid</numerusform>
            <numerusform>Dunemark, markt %1: %2 in %Ln dagen, de woestijn in gegooid</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmSpecial</name>
    <message>
        <source>Special items</source>
        <translation>Speciale waren</translation>
    </message>
    <message>
        <source>Buy a Pyramid Bank</source>
        <translation>Piramidebank kopen</translation>
    </message>
    <message>
        <source>Buy more slaves</source>
        <translation>Meer slaven kopen</translation>
    </message>
    <message>
        <source>Give gift to Pharoah</source>
        <translation>Cadeau voor de farao</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cost:</source>
        <translation>Prijs:</translation>
    </message>
    <message>
        <source>Buy</source>
        <translation>Kopen</translation>
    </message>
    <message>
        <source>Buying a pyramid bank, will allow you to deposit your money into a safe place. You will then receive intrest on what you deposit. You can withdraw your money at any time.</source>
        <translation>Met een piramidebank zet je je geld op een veilige plek. Over wat je stort krijg je rente. Opnemen kan altijd.</translation>
    </message>
    <message>
        <source>You currently have:</source>
        <translation>Je hebt nu:</translation>
    </message>
    <message>
        <source>slaves</source>
        <translation>slaven</translation>
    </message>
    <message>
        <source>The more slaves you have, the more items you can buy. Each slave is responsible for one item.</source>
        <translation>Hoe meer slaven je hebt, hoe meer je kunt kopen. Elke slaaf draagt één artikel.</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Prijs</translation>
    </message>
    <message>
        <source>Favour will increase by:</source>
        <translation>Gunst stijgt met:</translation>
    </message>
    <message>
        <source>Favour will increase by</source>
        <translation>Gunst stijgt met</translation>
    </message>
    <message>
        <source>Your cash:</source>
        <translation>Jouw geld:</translation>
    </message>
    <message>
        <source>Your cash</source>
        <translation>Jouw geld</translation>
    </message>
    <message>
        <source>Giving the pharoah gifts will increase his favour towards you and cold be profitable in the future.</source>
        <translation>Cadeaus voor de farao vergroten zijn gunst en kunnen later lonend zijn.</translation>
    </message>
    <message>
        <source>Give Gift</source>
        <translation>Schenken</translation>
    </message>
    <message numerus="yes">
        <source>Buy %n more slaves for %1</source>
        <translation>
            <numerusform>%Ln slaaf erbij kopen voor %L1</numerusform>
            <numerusform>%Ln slaven erbij kopen voor %L1</numerusform>
        </translation>
    </message>
    <message>
        <source>Favour = %1%</source>
        <translation>Gunst = %1%</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage, written as in &quot;Favour = %1%&quot;.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Cost %1, favour up by %2%</source>
        <translation>Kost %1, gunst stijgt met %2%</translation>
    </message>
    <message>
        <source>%1, page %2 of %3.</source>
        <translation>%1, pagina %2 van %3.</translation>
    </message>
    <message>
        <source>Gift given: favour %1%, cash %2.</source>
        <translation>Cadeau gegeven: gunst %1%, geld %2.</translation>
    </message>
    <message>
        <source>You own a pyramid bank, cash %1.</source>
        <translation>Je bezit een piramidebank, geld %1.</translation>
    </message>
    <message numerus="yes">
        <source>You now have %n slaves, cash %1.</source>
        <translation>
            <numerusform>Je hebt nu %Ln slaaf, geld %1.</numerusform>
            <numerusform>Je hebt nu %Ln slaven, geld %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmStory</name>
    <message>
        <source>Story</source>
        <translation>Verhaal</translation>
    </message>
    <message>
        <source>You have been sentenced to death. After you pleaded with the pharoah, that you have no tomb, and hence will be unable to enter the afterlife. He agrees to grant you some money, a loan (for your bail), and 2 months, to make as much money as you can, from trading items. The amount of money you make, will decide where you get buried<byte value="xd"/>
<byte value="xd"/>
Good Luck !</source>
        <translation>Je bent ter dood veroordeeld. Je hebt de farao gesmeekt, want je hebt geen graf en komt zo nooit in het hiernamaals. Hij geeft je wat geld, een lening (voor je borgtocht) en 2 maanden om met handel zoveel mogelijk geld te verdienen. Hoeveel geld je verdient, bepaalt waar je begraven wordt.<byte value="xd"/>
<byte value="xd"/>
Succes!</translation>
    </message>
</context>
</TS>
