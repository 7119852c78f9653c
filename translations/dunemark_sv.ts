<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>Goods</name>
    <message>
        <source>Gold</source>
        <translation>Guld</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silver</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Vindruvor</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Vatten</translation>
    </message>
    <message>
        <source>Wheat</source>
        <translation>Vete</translation>
    </message>
    <message>
        <source>Papyrus</source>
        <translation>Papyrus</translation>
    </message>
    <message>
        <source>Granite Statue</source>
        <translation>Granitstaty</translation>
    </message>
    <message>
        <source>Sphinx</source>
        <translation>Sfinx</translation>
    </message>
    <message>
        <source>Marble</source>
        <translation>Marmor</translation>
    </message>
    <message>
        <source>Granite</source>
        <translation>Granit</translation>
    </message>
    <message>
        <source>Gold Statue</source>
        <translation>Guldstaty</translation>
    </message>
    <message>
        <source>Silver Statue</source>
        <translation>Silverstaty</translation>
    </message>
    <message>
        <source>Gems</source>
        <translation>Ädelstenar</translation>
    </message>
    <message>
        <source>Scrolls</source>
        <translation>Skriftrullar</translation>
    </message>
    <message>
        <source>Food &amp; water</source>
        <translation>Mat och vatten</translation>
    </message>
</context>
<context>
    <name>LedgerLoader</name>
    <message>
        <source>The ledger could not be opened: the file that holds it is missing.

It was looked for as:
%1</source>
        <translation>Kassaboken gick inte att öppna: filen den ligger i saknas.

Den söktes som:
%1</translation>
    </message>
    <message>
        <source>The ledger could not be opened: the file that holds it, %1, could not be loaded.

%2</source>
        <translation>Kassaboken gick inte att öppna: filen den ligger i, %1, kunde inte läsas in.

%2</translation>
    </message>
    <message>
        <source>The ledger could not be opened: the file that holds it, %1, belongs to another version of the game.</source>
        <translation>Kassaboken gick inte att öppna: filen den ligger i, %1, hör till en annan version av spelet.</translation>
    </message>
</context>
<context>
    <name>Phrase</name>
    <message>
        <source>%1 prices are low</source>
        <translation>%1: låga priser</translation>
    </message>
    <message>
        <source>The market has been flooded with cheap %1 and so prices are very low</source>
        <translation>%1: marknaden har översvämmats, så priserna är väldigt låga</translation>
    </message>
    <message>
        <source>The Pharoah needs %1 for his personal use, and so<byte value="xd"/>
the price has gone up</source>
        <translation>%1: faraonen behöver det för eget bruk, så<byte value="xd"/>
priset har gått upp</translation>
    </message>
    <message>
        <source>%1 prices are high</source>
        <translation>%1: höga priser</translation>
    </message>
    <message>
        <source>The Pharoah is pleased with you progress<byte value="xd"/>
You received a cash bonus of %1</source>
        <translation>Faraonen är nöjd med dina framsteg<byte value="xd"/>
Du fick en bonus på %1</translation>
    </message>
    <message>
        <source>Dunemark - Day %1</source>
        <translation>Dunemark - Dag %1</translation>
    </message>
    <message>
        <source>You have been mugged</source>
        <translation>Du har blivit rånad</translation>
    </message>
    <message>
        <source>Your pyramid bank was robbed, half your fortune has gone</source>
        <translation>Din pyramidbank har rånats, halva din förmögenhet är borta</translation>
    </message>
    <message>
        <source>This is you last day, better sell your stock</source>
        <translation>Det här är din sista dag, bäst att du säljer dina varor</translation>
    </message>
    <message>
        <source>You managed to get a total of <byte value="xd"/>
%1</source>
        <translation>Du lyckades skrapa ihop totalt <byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>You aint got the dosh mate</source>
        <translation>Du har inte degen, polarn</translation>
    </message>
    <message>
        <source>Ya not got enuff slaves</source>
        <translation>Du har inte nog me slavar</translation>
    </message>
    <message>
        <source>Nothing there to sell</source>
        <translation>Där finns inget att sälja</translation>
    </message>
    <message>
        <source>You haven&apos;t got the money, to buy that gift</source>
        <translation>Du har inte råd med den gåvan</translation>
    </message>
    <message>
        <source>You seem to be lacking the money</source>
        <translation>Du verkar sakna pengar</translation>
    </message>
    <message>
        <source>There are no more slaves for you to buy</source>
        <translation>Det finns inga fler slavar att köpa</translation>
    </message>
    <message>
        <source>You not got the money</source>
        <translation>Du har inte stålarna</translation>
    </message>
    <message>
        <source>You now claim residence next to the Gods</source>
        <translation>Du vilar nu bredvid gudarna</translation>
    </message>
    <message>
        <source>You now claim residency next to the great Pharoahs</source>
        <translation>Du vilar nu bredvid de stora faraonerna</translation>
    </message>
    <message>
        <source>You have a burial fit for a nobleman</source>
        <translation>Du får en begravning värdig en adelsman</translation>
    </message>
    <message>
        <source>You are buried with people of your own class</source>
        <translation>Du begravs bland folk av ditt eget stånd</translation>
    </message>
    <message>
        <source>You are buried in a hole, in the desert</source>
        <translation>Du begravs i en grop i öknen</translation>
    </message>
    <message>
        <source>You were just tossed into the desert</source>
        <translation>Du blev bara slängd ut i öknen</translation>
    </message>
    <message>
        <source>next to the Gods</source>
        <translation>bredvid gudarna</translation>
    </message>
    <message>
        <source>next to the great Pharoahs</source>
        <translation>bredvid de stora faraonerna</translation>
    </message>
    <message>
        <source>a burial fit for a nobleman</source>
        <translation>som en adelsman</translation>
    </message>
    <message>
        <source>with people of your own class</source>
        <translation>bland dina likar</translation>
    </message>
    <message>
        <source>in a hole, in the desert</source>
        <translation>i en grop i öknen</translation>
    </message>
    <message>
        <source>tossed into the desert</source>
        <translation>slängd i öknen</translation>
    </message>
    <message>
        <source>You were left in the middle of the desert, without any food and water. As you try to walk, the sun makes you thirsty, and time makes you hungry. The wind joins forces with the sand, to make it impossible for you to do anything. You collapse to the floor, and take your last breath of air.</source>
        <translation>Du lämnades mitt i öknen, utan mat och vatten. När du försöker gå gör solen dig törstig och tiden dig hungrig. Vinden går ihop med sanden tills du inte kan göra någonting. Du faller ihop på marken och drar ditt sista andetag.</translation>
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
        <translation>&amp;Ångra</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Gör om</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Klipp &amp;ut</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiera</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Klistra &amp;in</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Markera allt</translation>
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
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nej</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
</context>
<context>
    <name>dunemark::FortuneChart</name>
    <message>
        <source>Money (cash + bank - loan)</source>
        <translation>Pengar (kassa + bank - lån)</translation>
    </message>
    <message>
        <source>Worth (money + goods)</source>
        <translation>Värde (pengar + varor)</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Pengar</translation>
    </message>
    <message>
        <source>money</source>
        <translation>pengar</translation>
    </message>
    <message>
        <source>worth</source>
        <translation>värde</translation>
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
        <translation>Varor</translation>
    </message>
    <message>
        <source>Last price seen of each good in each town</source>
        <translation>Senast sedda pris på varje vara i varje stad</translation>
    </message>
    <message>
        <source>%1 (day %2)</source>
        <translation>%1 (dag %2)</translation>
    </message>
    <message>
        <source>%1, the lowest</source>
        <translation>%1, lägst</translation>
    </message>
    <message>
        <source>%1, the highest</source>
        <translation>%1, högst</translation>
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
        <translation>Pris</translation>
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
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>%1 each</source>
        <translation>%1 styck</translation>
    </message>
</context>
<context>
    <name>dunemark::SpokenNews</name>
    <message>
        <source>Cash %1, debt %2.</source>
        <translation>Kassa: %1, skuld: %2.</translation>
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
        <translation>Res till %1 (%2)</translation>
    </message>
</context>
<context>
    <name>dunemark::frmAbout</name>
    <message>
        <source>A trading game. Make as much money as you can before all your days go.</source>
        <translation>Ett handelsspel. Tjäna så mycket pengar du kan innan dina dagar är slut.</translation>
    </message>
    <message>
        <source>Use this product at your own risk. Do not blame me if anything goes wrong. If you don&apos;t agree with this, then stop using this product.</source>
        <translation>Används på egen risk. Går något snett är det inte mitt fel. Håller du inte med, använd det inte.</translation>
    </message>
    <message>
        <source>(C) 2026 the Dunemark authors</source>
        <translation>(C) 2026 Dunemarks upphovsmän</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Opens the web page</source>
        <translation>Öppnar webbsidan</translation>
    </message>
    <message>
        <source>Writes an e-mail to the author</source>
        <translation>Skriver ett mejl till upphovsmannen</translation>
    </message>
</context>
<context>
    <name>dunemark::frmBuy</name>
    <message>
        <source>How many do you wish to buy:</source>
        <translation>Hur många vill du köpa:</translation>
    </message>
    <message numerus="yes">
        <source>You can afford %1 and have space for %n more items</source>
        <translation>
            <numerusform>Du har råd med %L1 och plats för %Ln vara till</numerusform>
            <numerusform>Du har råd med %L1 och plats för %Ln varor till</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmFinances</name>
    <message>
        <source>Cash:</source>
        <translation>Kassa:</translation>
    </message>
    <message>
        <source>Bank:</source>
        <translation>Bank:</translation>
    </message>
    <message>
        <source>Debt:</source>
        <translation>Skuld:</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Sätt in</translation>
    </message>
    <message>
        <source>Withdraw</source>
        <translation>Ta ut</translation>
    </message>
    <message>
        <source>Pay Loan</source>
        <translation>Betala lån</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Finances</source>
        <translation>Ekonomi</translation>
    </message>
    <message>
        <source>Deposited %1.</source>
        <translation>Satte in %1.</translation>
    </message>
    <message>
        <source>Withdrew %1.</source>
        <translation>Tog ut %1.</translation>
    </message>
    <message>
        <source>Paid %1 of the loan.</source>
        <translation>Betalade %1 av lånet.</translation>
    </message>
    <message>
        <source>How much do you deposit? At most %1.</source>
        <translation>Hur mycket sätter du in? Högst %1.</translation>
    </message>
    <message>
        <source>How much do you withdraw? At most %1.</source>
        <translation>Hur mycket tar du ut? Högst %1.</translation>
    </message>
    <message>
        <source>How much of the loan do you pay back? At most %1.</source>
        <translation>Hur mycket av lånet betalar du tillbaka? Högst %1.</translation>
    </message>
</context>
<context>
    <name>dunemark::frmGetNumber</name>
    <message>
        <source>How much:</source>
        <translation>Hur mycket:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Financial situation</source>
        <translation>Ekonomiskt läge</translation>
    </message>
    <message>
        <source>The box holds %1: at most %2.</source>
        <extracomment>Spoken when the amount box has rewritten what was typed: %1 what it holds, %2 the most.</extracomment>
        <translation>Rutan har %1: högst %2.</translation>
    </message>
</context>
<context>
    <name>dunemark::frmHighScores</name>
    <message>
        <source>Highscores</source>
        <translation>Topplista</translation>
    </message>
    <message>
        <source>HIGHSCORES</source>
        <translation>TOPPLISTA</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Whats your name?</source>
        <translation>Vad heter du?</translation>
    </message>
    <message>
        <source>You&apos;ve got a highscore</source>
        <translation>Du kom in på topplistan</translation>
    </message>
    <message>
        <source>Another Dunemark kept the highscores busy for too long.</source>
        <translation>Ett annat Dunemark höll topplistan upptagen för länge.</translation>
    </message>
    <message>
        <source>The highscores could not be written: the disk may be full or read-only.</source>
        <translation>Topplistan kunde inte sparas: disken kan vara full eller skrivskyddad.</translation>
    </message>
    <message>
        <source>Your score was not saved. %1 The table is unchanged.</source>
        <translation>Ditt resultat sparades inte. %1 Listan är oförändrad.</translation>
    </message>
    <message>
        <source>The highscores file, %1, is too large to update.</source>
        <translation>Topplistans fil, %1, är för stor för att uppdateras.</translation>
    </message>
    <message>
        <source>The highscores file, %1, could not be read.</source>
        <translation>Topplistans fil, %1, kunde inte läsas.</translation>
    </message>
    <message>
        <source>Something that is not a lock file stands at %1: remove it, and scores can be saved again.</source>
        <translation>På %1 finns något som inte är en låsfil: ta bort det, så kan resultat sparas igen.</translation>
    </message>
    <message>
        <source>Nobody</source>
        <extracomment>The name in a high-score place that nobody has won yet.</extracomment>
        <translation>Ingen</translation>
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
        <translation>Topplistans fil, %1, är för stor för att läsas helt: listan som visas kan sakna placeringar.</translation>
    </message>
    <message>
        <source>Your score is in the table, but the disk may not have it yet: the system could not confirm that %1 was written.</source>
        <translation>Ditt resultat finns i listan, men disken kanske inte har det än: systemet kunde inte bekräfta att %1 skrevs.</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be opened: remove it, and scores can be saved again.</source>
        <translation>Låsfilen %1 kan inte öppnas: ta bort den, så kan resultat sparas igen.</translation>
    </message>
    <message>
        <source>Something stands at %1, where the new highscores file is written before it replaces the old one: remove it, and scores can be saved again.</source>
        <translation>På %1, där den nya topplistefilen skrivs innan den ersätter den gamla, finns något: ta bort det, så kan resultat sparas igen.</translation>
    </message>
    <message>
        <source>The highscores file, %1, is read-only.</source>
        <translation>Topplistans fil, %1, är skrivskyddad.</translation>
    </message>
</context>
<context>
    <name>dunemark::frmHowToPlay</name>
    <message>
        <source>How to Play</source>
        <translation>Så spelar du</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Så spelar du</translation>
    </message>
    <message>
        <source>You have %1 days to make as much money as you can by trading between %2, %3 and %4. You start in %2 with %5 in cash, a loan of %6 and %7 slaves.</source>
        <translation>Du har %1 dagar på dig att tjäna så mycket pengar du kan genom att handla mellan %2, %3 och %4. Du börjar i %2 med %5 i kassan, ett lån på %6 och %7 slavar.</translation>
    </message>
    <message>
        <source>On day %1, the last, you can no longer buy, but you can still sell and settle your finances. Then press Finish, which covers the map, to end the game.</source>
        <translation>Dag %1, den sista, kan du inte längre köpa, men du kan fortfarande sälja och göra upp din ekonomi. Tryck sedan på Bokslut, som täcker kartan, för att avsluta spelet.</translation>
    </message>
    <message>
        <source>Your total is your cash plus your bank balance minus your loan. Goods you still carry count for nothing, so sell them before you finish. The total decides where you are buried and whether you enter the high-score table.</source>
        <translation>Din totalsumma är din kassa plus ditt banksaldo minus ditt lån. Varor du fortfarande bär på räknas inte alls, så sälj dem innan du gör bokslut. Totalsumman avgör var du begravs och om du kommer in på topplistan.</translation>
    </message>
    <message>
        <source>Click a town on the map to travel there. Every journey takes one day: prices change, interest is added to your loan and your bank, and danger may strike.</source>
        <translation>Klicka på en stad på kartan för att resa dit. Varje resa tar en dag: priserna ändras, ränta läggs på ditt lån och din bank, och faror kan slå till.</translation>
    </message>
    <message>
        <source>Staying in a town takes no time: buy and sell there as much as you like. On day %1 Finish covers the map, and there are no more journeys.</source>
        <translation>Att stanna i en stad tar ingen tid: köp och sälj där så mycket du vill. Dag %1 täcks kartan av Bokslut, och det blir inga fler resor.</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Vara</translation>
    </message>
    <message>
        <source>Cheapest</source>
        <translation>Billigast</translation>
    </message>
    <message>
        <source>Dearest</source>
        <translation>Dyrast</translation>
    </message>
    <message>
        <source>Every town sells the same ten goods. Each day every town draws its prices afresh, and they stay fixed while you stay. On a usual day a good costs:</source>
        <translation>Alla städer säljer samma tio varor. Varje dag drar varje stad nya priser, och de ligger fast så länge du stannar. En vanlig dag kostar en vara:</translation>
    </message>
    <message>
        <source>In the town you arrive in, each good may meet one of these events, and a message tells you of it:</source>
        <translation>I staden du kommer till kan varje vara råka ut för en av de här händelserna, och ett meddelande talar om det för dig:</translation>
    </message>
    <message>
        <source>Low prices, a chance of one in %1: about %2% of the usual price.</source>
        <translation>Låga priser, en chans på %1: ungefär %2% av det vanliga priset.</translation>
    </message>
    <message>
        <source>A glut, a chance of one in %1: %2% of the usual price.</source>
        <translation>Överskott, en chans på %1: %2% av det vanliga priset.</translation>
    </message>
    <message>
        <source>The Pharaoh&apos;s demand, a chance of one in %1: %2% of the usual price.</source>
        <translation>Faraonens efterfrågan, en chans på %1: %2% av det vanliga priset.</translation>
    </message>
    <message>
        <source>High prices, a chance of one in %1: %2% of the usual price.</source>
        <translation>Höga priser, en chans på %1: %2% av det vanliga priset.</translation>
    </message>
    <message>
        <source>Each slave carries one item, so you can carry as many items as you have slaves. The Slaves line above your goods shows how many slaves are free, then how many you have.</source>
        <translation>Varje slav bär en vara, så du kan bära lika många varor som du har slavar. Raden Slavar ovanför dina varor visar först hur många slavar som är lediga, sedan hur många du har.</translation>
    </message>
    <message>
        <source>To buy, choose a good in the items available and press Buy. The Buy window proposes the most you can take: as many as your cash pays for, but no more than your free slaves can carry. Type a smaller number if you like.</source>
        <translation>För att köpa väljer du en vara bland dem till salu och trycker på Köp. Köpfönstret föreslår det mesta du kan ta: så många som kassan räcker till, men inte fler än dina lediga slavar kan bära. Skriv ett mindre antal om du vill.</translation>
    </message>
    <message>
        <source>To sell, choose a good among the items you have bought and press Sell; the Sell window proposes all you hold. Every town buys every good at its price of the day.</source>
        <translation>För att sälja väljer du en vara bland dem du har köpt och trycker på Sälj; säljfönstret föreslår allt du har. Varje stad köper varje vara till dagens pris.</translation>
    </message>
    <message>
        <source>Your loan grows by %1% every day, so pay it back early: in the Finances window, Pay Loan takes any part of it from your cash. You cannot borrow more.</source>
        <translation>Ditt lån växer med %1% varje dag, så betala tillbaka det tidigt: i fönstret Ekonomi betalar du med Betala lån av så mycket du vill ur kassan. Du kan inte låna mer.</translation>
    </message>
    <message>
        <source>A pyramid bank, bought in Special products for %1, pays %2% interest every day on what you keep in it. Deposit and withdraw in the Finances window, in any town, at any time.</source>
        <translation>En pyramidbank, köpt under Specialvaror för %1, ger %2% ränta varje dag på det du har i den. Sätt in och ta ut i fönstret Ekonomi, i vilken stad som helst, när som helst.</translation>
    </message>
    <message>
        <source>Gift</source>
        <translation>Gåva</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Pris</translation>
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
        <translation>Faraonens gunst, som visas under kartan, stiger med %1% varje gång du säljer en vara för mer än du betalade när du senast köpte den, och sjunker med %1% (aldrig under 0) när du säljer den för lika mycket eller mindre.</translation>
    </message>
    <message>
        <source>Gifts raise it faster, one gift each time you open the Special products window:</source>
        <translation>Gåvor höjer den snabbare, en gåva varje gång du öppnar fönstret Specialvaror:</translation>
    </message>
    <message>
        <source>Once your favour has reached %1%, the Pharaoh pays you a bonus on your next journey, a sum chosen by chance of up to %2, and your favour starts again from 0.</source>
        <translation>När din gunst har nått %1% betalar faraonen dig en bonus på nästa resa, en slumpad summa på upp till %2, och din gunst börjar om från 0.</translation>
    </message>
    <message>
        <source>More slaves come in packs of %1 for %2 a pack, as long as you have fewer than %3.</source>
        <translation>Fler slavar säljs i grupper om %1 för %2 per grupp, så länge du har färre än %3.</translation>
    </message>
    <message>
        <source>The pyramid bank costs %1 and can be bought once a game.</source>
        <translation>Pyramidbanken kostar %1 och kan köpas en gång per spel.</translation>
    </message>
    <message>
        <source>On every journey there is a chance of one in %1 that you are mugged and lose %2% of your cash.</source>
        <translation>På varje resa finns det en chans på %1 att du blir rånad och förlorar %2% av din kassa.</translation>
    </message>
    <message>
        <source>Once you own a pyramid bank, there is a chance of one in %1 each day that it is robbed and loses %2% of what is in it.</source>
        <translation>När du äger en pyramidbank finns det varje dag en chans på %1 att den blir rånad och förlorar %2% av det som finns i den.</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totalt</translation>
    </message>
    <message>
        <source>Your burial</source>
        <translation>Din begravning</translation>
    </message>
    <message>
        <source>above %1</source>
        <translation>över %1</translation>
    </message>
    <message>
        <source>%1 or less</source>
        <translation>%1 eller mindre</translation>
    </message>
    <message>
        <source>Your total at the end decides where you are buried; it must be above a rank&apos;s figure to earn it:</source>
        <translation>Din totalsumma i slutet avgör var du begravs; den måste ligga över en nivås gräns för att du ska nå den:</translation>
    </message>
    <message>
        <source>The %1 best totals are kept, with names and dates, in the high-score table (View menu, Highscores). A total of 0 or more that beats one of them enters the table and you are asked your name; a total equal to one goes below it. At first every place holds %2.</source>
        <translation>De %1 bästa totalsummorna sparas med namn och datum på topplistan (menyn Visa, Topplista). En totalsumma på 0 eller mer som slår någon av dem kommer in på listan, och du får skriva ditt namn; en totalsumma som är lika med en annan hamnar under den. Från början står %2 på varje plats.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tangenter</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>Vad de gör</translation>
    </message>
    <message>
        <source>Travel to %1, %2 or %3</source>
        <translation>Res till %1, %2 eller %3</translation>
    </message>
    <message>
        <source>Move between the map, the buttons and the two lists</source>
        <translation>Flytta mellan kartan, knapparna och de två listorna</translation>
    </message>
    <message>
        <source>Choose a good in a list</source>
        <translation>Välj en vara i en lista</translation>
    </message>
    <message>
        <source>Buy the good chosen in the items available, or sell the one chosen among the items you have bought; in a window, OK</source>
        <translation>Köp den valda varan bland dem till salu, eller sälj den valda bland dem du har köpt; i ett fönster OK</translation>
    </message>
    <message>
        <source>Buy, Sell</source>
        <translation>Köp, Sälj</translation>
    </message>
    <message>
        <source>Press the button that has the focus, such as Finances or Special products</source>
        <translation>Tryck på knappen som har fokus, till exempel Ekonomi eller Specialvaror</translation>
    </message>
    <message>
        <source>In a window, Cancel or close</source>
        <translation>I ett fönster Avbryt eller stäng</translation>
    </message>
    <message>
        <source>In Special products, the next or the previous tab</source>
        <translation>I Specialvaror nästa eller föregående flik</translation>
    </message>
    <message>
        <source>The File, View and Help menus</source>
        <translation>Menyerna Arkiv, Visa och Hjälp</translation>
    </message>
    <message>
        <source>The ledger of the prices you have seen and of your fortune</source>
        <translation>Kassaboken med priserna du har sett och din förmögenhet</translation>
    </message>
    <message>
        <source>Close the window of your burial</source>
        <translation>Stäng fönstret med din begravning</translation>
    </message>
    <message>
        <source>This window</source>
        <translation>Det här fönstret</translation>
    </message>
    <message>
        <source>A letter, Enter, Escape or a click</source>
        <translation>En bokstav, Enter, Escape eller ett klick</translation>
    </message>
    <message>
        <source>Close the story (View menu, Story) and play</source>
        <translation>Stäng berättelsen (menyn Visa, Berättelse) och spela</translation>
    </message>
    <message>
        <source>The game</source>
        <translation>Spelet</translation>
    </message>
    <message>
        <source>Travel</source>
        <translation>Resor</translation>
    </message>
    <message>
        <source>The market</source>
        <translation>Marknaden</translation>
    </message>
    <message>
        <source>Buying and selling</source>
        <translation>Köpa och sälja</translation>
    </message>
    <message>
        <source>The loan and the pyramid bank</source>
        <translation>Lånet och pyramidbanken</translation>
    </message>
    <message>
        <source>Favour and special products</source>
        <translation>Gunst och specialvaror</translation>
    </message>
    <message>
        <source>Dangers</source>
        <translation>Faror</translation>
    </message>
    <message>
        <source>Where you are buried</source>
        <translation>Var du begravs</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Topplistan</translation>
    </message>
    <message>
        <source>In the ledger: the last prices seen, the prices, the fortune, the goods, the figures as a table</source>
        <translation>I kassaboken: senast sedda priser, priser, förmögenhet, varorna, siffrorna som tabell</translation>
    </message>
    <message>
        <source>File, Market of the Day (%1) starts a game whose markets are set by today&apos;s date: everyone who starts it on the same date plays the same market.</source>
        <translation>Arkiv, Dagens marknad (%1) startar ett spel där marknaderna bestäms av dagens datum: alla som startar det samma dag spelar samma marknad.</translation>
    </message>
    <message>
        <source>Each such market has a number, the date&apos;s digits for the market of the day, shown in the window&apos;s caption beside the day. File, Play Market Number (%1) plays any market again by its number, or one that a friend shares.</source>
        <translation>Varje sådan marknad har ett nummer (för dagens marknad datumets siffror), som visas i fönstrets titel bredvid dagen. Arkiv, Spela marknad med nummer (%1) spelar vilken marknad som helst igen utifrån dess nummer, även en som en vän har delat med dig.</translation>
    </message>
    <message>
        <source>In a market game the prices of every town on every day, the market events, the muggings, the robberies of the pyramid bank and the Pharaoh&apos;s bonus are the same for every player, whatever route each takes and whatever each buys. What you make of them is yours.</source>
        <translation>På en och samma marknad är priserna i varje stad varje dag, marknadshändelserna, överfallen på resorna, rånen mot en pyramidbank och faraonens bonus desamma för alla spelare, vilken väg var och en än tar och vad var och en än köper. Vad du gör av dem är upp till dig.</translation>
    </message>
    <message>
        <source>When a market game ends, Copy Result (%1) in the window of your burial copies one line to paste to others: the market&apos;s number, your total and your burial. Nothing is kept or sent.</source>
        <translation>När ett marknadsspel tar slut lägger knappen Kopiera resultat (%1) i fönstret med din begravning en rad i urklipp som du kan dela med andra: marknadens nummer, din totalsumma och din begravning. Inget sparas eller skickas.</translation>
    </message>
    <message>
        <source>The market of the day, or a market by its number</source>
        <translation>Dagens marknad, eller en marknad med ett visst nummer</translation>
    </message>
    <message>
        <source>The market of the day</source>
        <translation>Dagens marknad</translation>
    </message>
</context>
<context>
    <name>dunemark::frmLedger</name>
    <message>
        <source>Ledger</source>
        <translation>Kassabok</translation>
    </message>
    <message>
        <source>&amp;Prices</source>
        <translation>&amp;Priser</translation>
    </message>
    <message>
        <source>&amp;Fortune</source>
        <translation>&amp;Förmögenhet</translation>
    </message>
    <message>
        <source>Show the figures as a &amp;table</source>
        <translation>Visa siffrorna som &amp;tabell</translation>
    </message>
    <message>
        <source>&amp;Goods:</source>
        <translation>&amp;Varor:</translation>
    </message>
    <message>
        <source>Goods</source>
        <translation>Varor</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Burial</source>
        <translation>Begravning</translation>
    </message>
    <message>
        <source>Price chart</source>
        <translation>Prisdiagram</translation>
    </message>
    <message>
        <source>Fortune chart</source>
        <translation>Förmögenhetsdiagram</translation>
    </message>
    <message>
        <source>Prices of %1 day by day</source>
        <translation>Priser på %1 dag för dag</translation>
    </message>
    <message>
        <source>Each town you travel to writes its prices into this ledger.</source>
        <translation>Varje stad du reser till skriver in sina priser i den här kassaboken.</translation>
    </message>
    <message>
        <source>&amp;Last seen</source>
        <translation>&amp;Senast sett</translation>
    </message>
    <message>
        <source>%1 the lowest and %2 the highest of the prices last seen of a good</source>
        <translation>%1 lägst och %2 högst av de senast sedda priserna på en vara</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Pengar</translation>
    </message>
    <message>
        <source>Worth</source>
        <translation>Värde</translation>
    </message>
    <message>
        <source>Money and worth at the end of each day</source>
        <translation>Pengar och värde i slutet av varje dag</translation>
    </message>
    <message>
        <source>Worth counts the goods you carry, but the end of the game counts only money: sell your goods before you Finish.</source>
        <translation>Värdet räknar med varorna du bär, men i slutet av spelet räknas bara pengar: sälj dina varor före Bokslut.</translation>
    </message>
    <message>
        <source>Prices of %1 seen day by day</source>
        <translation>Priser på %1 sedda dag för dag</translation>
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
        <translation>Vara</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Pris</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Antal</translation>
    </message>
    <message>
        <source>Slaves: %1/%2</source>
        <translation>Slavar: %1/%2</translation>
    </message>
    <message>
        <source>Favour = %1%</source>
        <translation>Gunst = %1%</translation>
    </message>
    <message>
        <source>Buy - %1</source>
        <translation>Köp - %1</translation>
    </message>
    <message>
        <source>Sell - %1</source>
        <translation>Sälj - %1</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spelet är slut</translation>
    </message>
    <message>
        <source>Are you sure you wish to start a new game?</source>
        <translation>Vill du verkligen starta ett nytt spel?</translation>
    </message>
    <message>
        <source>Cash:</source>
        <translation>Kassa:</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Kassa</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Debt:</source>
        <translation>Skuld:</translation>
    </message>
    <message>
        <source>Debt</source>
        <translation>Skuld</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Karta</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Bokslut</translation>
    </message>
    <message>
        <source>Special products</source>
        <translation>Specialvaror</translation>
    </message>
    <message>
        <source>&amp;Buy</source>
        <translation>&amp;Köp</translation>
    </message>
    <message>
        <source>&amp;Sell</source>
        <translation>&amp;Sälj</translation>
    </message>
    <message>
        <source>Finances</source>
        <translation>Ekonomi</translation>
    </message>
    <message>
        <source>Items available:</source>
        <translation>Till salu:</translation>
    </message>
    <message>
        <source>Items you can buy</source>
        <translation>Varor du kan köpa</translation>
    </message>
    <message>
        <source>Enter buys the selected item</source>
        <translation>Enter köper den valda varan</translation>
    </message>
    <message>
        <source>Items you have bought</source>
        <translation>Varor du har köpt</translation>
    </message>
    <message>
        <source>Enter sells the selected item</source>
        <translation>Enter säljer den valda varan</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nytt spel</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visa</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Topplista</translation>
    </message>
    <message>
        <source>&amp;Story</source>
        <translation>&amp;Berättelse</translation>
    </message>
    <message>
        <source>&amp;Ledger</source>
        <translation>&amp;Kassabok</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Om</translation>
    </message>
    <message>
        <source>How to &amp;Play</source>
        <translation>&amp;Så spelar du</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>the price paid for goods carried</comment>
        <translation>%L1</translation>
    </message>
    <message>
        <source>%1, day %2 of %3.</source>
        <translation>%1, dag %2 av %3.</translation>
    </message>
    <message>
        <source>Cash %1.</source>
        <translation>Kassa: %1.</translation>
    </message>
    <message>
        <source>You are here.</source>
        <translation>Du är här.</translation>
    </message>
    <message>
        <source>Nothing carried</source>
        <translation>Tomt</translation>
    </message>
    <message>
        <source>paid %1 each</source>
        <translation>betalt %1 per styck</translation>
    </message>
    <message>
        <source>%1 carried</source>
        <translation>%1 med dig</translation>
    </message>
    <message>
        <source>Sell your goods, then press Finish to end the game.</source>
        <translation>Sälj dina varor och tryck sedan på Bokslut för att avsluta spelet.</translation>
    </message>
    <message>
        <source>%1 costs %2.</source>
        <translation>%1 kostar %2.</translation>
    </message>
    <message>
        <source>The game is over: File, New Game starts another.</source>
        <translation>Spelet är slut: Arkiv, Nytt spel börjar ett nytt.</translation>
    </message>
    <message>
        <source>Ends the game: your total, your burial and the high scores</source>
        <translation>Avslutar spelet: din summa, din begravning och topplistan</translation>
    </message>
    <message>
        <source>No more journeys: this is the last day.</source>
        <translation>Inga fler resor: det här är sista dagen.</translation>
    </message>
    <message>
        <source>%1 - Market %2</source>
        <comment>the caption of a market game: the day&apos;s caption, the number</comment>
        <translation>%1 - Marknad %2</translation>
    </message>
    <message>
        <source>&amp;Market of the Day</source>
        <translation>&amp;Dagens marknad</translation>
    </message>
    <message>
        <source>&amp;Play Market Number…</source>
        <translation>&amp;Spela marknad med nummer…</translation>
    </message>
    <message>
        <source>The number of the market to play (digits only, from %1 to %2):</source>
        <translation>Numret på marknaden du vill spela (bara siffror, från %L1 till %L2):</translation>
    </message>
    <message>
        <source>A market number is written in digits only, from %1 to %2.</source>
        <translation>Ett marknadsnummer skrivs bara med siffror, från %L1 till %L2.</translation>
    </message>
    <message>
        <source>Slaves: %1 of %2 unladen</source>
        <extracomment>Spoken: how many of the slaves carry nothing yet (room for that many more goods), of all.</extracomment>
        <translation>Slavar: %1 av %2 utan last</translation>
    </message>
    <message numerus="yes">
        <source>Bought %n %1 for %2.</source>
        <extracomment>Spoken: how many of the good %1 were bought, and what they cost.</extracomment>
        <translation>
            <numerusform>Köpte %1, %Ln st., för %2.</numerusform>
            <numerusform>Köpte %1, %Ln st., för %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sold %n %1 for %2.</source>
        <extracomment>Spoken: how many of the good %1 were sold, and what they brought.</extracomment>
        <translation>
            <numerusform>Sålde %1, %Ln st., för %2.</numerusform>
            <numerusform>Sålde %1, %Ln st., för %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmSell</name>
    <message>
        <source>How many do you wish to sell:</source>
        <translation>Hur många vill du sälja:</translation>
    </message>
    <message numerus="yes">
        <source>You have %n items to sell</source>
        <translation>
            <numerusform>Du har %Ln vara att sälja</numerusform>
            <numerusform>Du har %Ln varor att sälja</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmShowEndTomb</name>
    <message>
        <source>What happened to you?</source>
        <translation>Hur gick det för dig?</translation>
    </message>
    <message>
        <source>Your burial place</source>
        <translation>Din gravplats</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>&amp;Kopiera resultat</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopierat</translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried next to the Gods</source>
        <translation>
            <numerusform>Dunemark, marknad %1: %2 på %Ln dag, begravd bredvid gudarna</numerusform>
            <numerusform>Dunemark, marknad %1: %2 på %Ln dagar, begravd bredvid gudarna</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried among the Pharaohs</source>
        <translation>
            <numerusform>Dunemark, marknad %1: %2 på %Ln dag, begravd bland faraonerna</numerusform>
            <numerusform>Dunemark, marknad %1: %2 på %Ln dagar, begravd bland faraonerna</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, given a burial fit for a nobleman</source>
        <translation>
            <numerusform>Dunemark, marknad %1: %2 på %Ln dag, begravd som en adelsman</numerusform>
            <numerusform>Dunemark, marknad %1: %2 på %Ln dagar, begravd som en adelsman</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried with the common folk</source>
        <translation>
            <numerusform>Dunemark, marknad %1: %2 på %Ln dag, begravd bland vanligt folk</numerusform>
            <numerusform>Dunemark, marknad %1: %2 på %Ln dagar, begravd bland vanligt folk</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried in a hole in the desert</source>
        <translation>
            <numerusform>Dunemark, marknad %1: %2 på %Ln dag, begravd i en grop i öknen</numerusform>
            <numerusform>Dunemark, marknad %1: %2 på %Ln dagar, begravd i en grop i öknen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, tossed into the desert</source>
        <translation>
            <numerusform>Dunemark, marknad %1: %2 på %Ln dag, slängd i öknen</numerusform>
            <numerusform>Dunemark, marknad %1: %2 på %Ln dagar, slängd i öknen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmSpecial</name>
    <message>
        <source>Special items</source>
        <translation>Specialvaror</translation>
    </message>
    <message>
        <source>Buy a Pyramid Bank</source>
        <translation>Köp en pyramidbank</translation>
    </message>
    <message>
        <source>Buy more slaves</source>
        <translation>Köp fler slavar</translation>
    </message>
    <message>
        <source>Give gift to Pharoah</source>
        <translation>Ge faraonen en gåva</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cost:</source>
        <translation>Pris:</translation>
    </message>
    <message>
        <source>Buy</source>
        <translation>Köp</translation>
    </message>
    <message>
        <source>Buying a pyramid bank, will allow you to deposit your money into a safe place. You will then receive intrest on what you deposit. You can withdraw your money at any time.</source>
        <translation>Med en pyramidbank kan du sätta in dina pengar på ett säkert ställe. Du får ränta på det du sätter in och kan ta ut pengarna när du vill.</translation>
    </message>
    <message>
        <source>You currently have:</source>
        <translation>Du har nu:</translation>
    </message>
    <message>
        <source>slaves</source>
        <translation>slavar</translation>
    </message>
    <message>
        <source>The more slaves you have, the more items you can buy. Each slave is responsible for one item.</source>
        <translation>Ju fler slavar du har, desto mer kan du köpa. Varje slav bär en vara.</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Pris</translation>
    </message>
    <message>
        <source>Favour will increase by:</source>
        <translation>Gunsten ökar med:</translation>
    </message>
    <message>
        <source>Favour will increase by</source>
        <translation>Gunsten ökar med</translation>
    </message>
    <message>
        <source>Your cash:</source>
        <translation>Dina pengar:</translation>
    </message>
    <message>
        <source>Your cash</source>
        <translation>Dina pengar</translation>
    </message>
    <message>
        <source>Giving the pharoah gifts will increase his favour towards you and cold be profitable in the future.</source>
        <translation>Gåvor till faraonen ökar hans gunst och kan löna sig längre fram.</translation>
    </message>
    <message>
        <source>Give Gift</source>
        <translation>Ge gåva</translation>
    </message>
    <message numerus="yes">
        <source>Buy %n more slaves for %1</source>
        <translation>
            <numerusform>Köp %Ln slav till för %L1</numerusform>
            <numerusform>Köp %Ln slavar till för %L1</numerusform>
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
        <translation>Kostar %1, gunsten ökar med %2%</translation>
    </message>
    <message>
        <source>%1, page %2 of %3.</source>
        <translation>%1, sida %2 av %3.</translation>
    </message>
    <message>
        <source>Gift given: favour %1%, cash %2.</source>
        <translation>Gåva överlämnad: gunst %1%, kassa %2.</translation>
    </message>
    <message>
        <source>You own a pyramid bank, cash %1.</source>
        <translation>Du äger en pyramidbank, kassa %1.</translation>
    </message>
    <message numerus="yes">
        <source>You now have %n slaves, cash %1.</source>
        <translation>
            <numerusform>Du har nu %Ln slav, kassa %1.</numerusform>
            <numerusform>Du har nu %Ln slavar, kassa %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmStory</name>
    <message>
        <source>Story</source>
        <translation>Berättelse</translation>
    </message>
    <message>
        <source>You have been sentenced to death. After you pleaded with the pharoah, that you have no tomb, and hence will be unable to enter the afterlife. He agrees to grant you some money, a loan (for your bail), and 2 months, to make as much money as you can, from trading items. The amount of money you make, will decide where you get buried<byte value="xd"/>
<byte value="xd"/>
Good Luck !</source>
        <translation>Du har dömts till döden. Du bönföll faraonen, för du har ingen grav och kan därför inte komma in i livet efter detta. Han går med på att ge dig lite pengar, ett lån (till din borgen) och 2 månader att tjäna så mycket pengar du kan på att handla med varor. Hur mycket pengar du tjänar avgör var du blir begravd.<byte value="xd"/>
<byte value="xd"/>
Lycka till!</translation>
    </message>
</context>
</TS>
