<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Goods</name>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Trauben</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Wheat</source>
        <translation>Weizen</translation>
    </message>
    <message>
        <source>Papyrus</source>
        <translation>Papyrus</translation>
    </message>
    <message>
        <source>Granite Statue</source>
        <translation>Granitstatue</translation>
    </message>
    <message>
        <source>Sphinx</source>
        <translation>Sphinx</translation>
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
        <translation>Goldstatue</translation>
    </message>
    <message>
        <source>Silver Statue</source>
        <translation>Silberstatue</translation>
    </message>
    <message>
        <source>Gems</source>
        <translation>Edelsteine</translation>
    </message>
    <message>
        <source>Scrolls</source>
        <translation>Schriftrollen</translation>
    </message>
    <message>
        <source>Food &amp; water</source>
        <translation>Essen &amp; Wasser</translation>
    </message>
</context>
<context>
    <name>LedgerLoader</name>
    <message>
        <source>The ledger could not be opened: the file that holds it is missing.

It was looked for as:
%1</source>
        <translation>Das Kassenbuch lässt sich nicht öffnen: Seine Datei fehlt.

Gesucht wurde unter:
%1</translation>
    </message>
    <message>
        <source>The ledger could not be opened: the file that holds it, %1, could not be loaded.

%2</source>
        <translation>Das Kassenbuch lässt sich nicht öffnen: Seine Datei, %1, konnte nicht geladen werden.

%2</translation>
    </message>
    <message>
        <source>The ledger could not be opened: the file that holds it, %1, belongs to another version of the game.</source>
        <translation>Das Kassenbuch lässt sich nicht öffnen: Seine Datei, %1, gehört zu einer anderen Version des Spiels.</translation>
    </message>
</context>
<context>
    <name>Phrase</name>
    <message>
        <source>%1 prices are low</source>
        <translation>Die Preise für „%1“ sind niedrig</translation>
    </message>
    <message>
        <source>The market has been flooded with cheap %1 and so prices are very low</source>
        <translation>Der Markt ist mit der Ware „%1“ überschwemmt, darum sind die Preise sehr niedrig</translation>
    </message>
    <message>
        <source>The Pharoah needs %1 for his personal use, and so<byte value="xd"/>
the price has gone up</source>
        <translation>Der Pharao braucht die Ware „%1“ für den eigenen Bedarf, darum<byte value="xd"/>
ist der Preis gestiegen</translation>
    </message>
    <message>
        <source>%1 prices are high</source>
        <translation>Die Preise für „%1“ sind hoch</translation>
    </message>
    <message>
        <source>The Pharoah is pleased with you progress<byte value="xd"/>
You received a cash bonus of %1</source>
        <translation>Der Pharao ist mit deinen Fortschritten zufrieden<byte value="xd"/>
Du bekommst eine Prämie von %1</translation>
    </message>
    <message>
        <source>Dunemark - Day %1</source>
        <translation>Dunemark - Tag %1</translation>
    </message>
    <message>
        <source>You have been mugged</source>
        <translation>Du wurdest überfallen</translation>
    </message>
    <message>
        <source>Your pyramid bank was robbed, half your fortune has gone</source>
        <translation>Deine Pyramidenbank wurde ausgeraubt, dein halbes Vermögen ist weg</translation>
    </message>
    <message>
        <source>This is you last day, better sell your stock</source>
        <translation>Das ist dein letzter Tag, verkauf besser deine Ware</translation>
    </message>
    <message>
        <source>You managed to get a total of <byte value="xd"/>
%1</source>
        <translation>Am Ende hast du insgesamt <byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>You aint got the dosh mate</source>
        <translation>Da fehlt dir die Kohle, Kumpel</translation>
    </message>
    <message>
        <source>Ya not got enuff slaves</source>
        <translation>Haste nich genug Sklaven</translation>
    </message>
    <message>
        <source>Nothing there to sell</source>
        <translation>Da gibt es nichts zu verkaufen</translation>
    </message>
    <message>
        <source>You haven&apos;t got the money, to buy that gift</source>
        <translation>Du hast nicht das Geld für dieses Geschenk</translation>
    </message>
    <message>
        <source>You seem to be lacking the money</source>
        <translation>Dir scheint das Geld zu fehlen</translation>
    </message>
    <message>
        <source>There are no more slaves for you to buy</source>
        <translation>Es gibt keine Sklaven mehr zu kaufen</translation>
    </message>
    <message>
        <source>You not got the money</source>
        <translation>Haste nich das Geld</translation>
    </message>
    <message>
        <source>You now claim residence next to the Gods</source>
        <translation>Du ruhst nun an der Seite der Götter</translation>
    </message>
    <message>
        <source>You now claim residency next to the great Pharoahs</source>
        <translation>Du ruhst nun neben den großen Pharaonen</translation>
    </message>
    <message>
        <source>You have a burial fit for a nobleman</source>
        <translation>Du bekommst ein Begräbnis wie ein Edelmann</translation>
    </message>
    <message>
        <source>You are buried with people of your own class</source>
        <translation>Du wirst bei Leuten deines Standes begraben</translation>
    </message>
    <message>
        <source>You are buried in a hole, in the desert</source>
        <translation>Du wirst in einem Loch in der Wüste verscharrt</translation>
    </message>
    <message>
        <source>You were just tossed into the desert</source>
        <translation>Man hat dich einfach in die Wüste geworfen</translation>
    </message>
    <message>
        <source>next to the Gods</source>
        <translation>neben den Göttern</translation>
    </message>
    <message>
        <source>next to the great Pharoahs</source>
        <translation>neben den großen Pharaonen</translation>
    </message>
    <message>
        <source>a burial fit for a nobleman</source>
        <translation>wie ein Edelmann</translation>
    </message>
    <message>
        <source>with people of your own class</source>
        <translation>bei deinesgleichen</translation>
    </message>
    <message>
        <source>in a hole, in the desert</source>
        <translation>in einem Wüstenloch</translation>
    </message>
    <message>
        <source>tossed into the desert</source>
        <translation>in die Wüste geworfen</translation>
    </message>
    <message>
        <source>You were left in the middle of the desert, without any food and water. As you try to walk, the sun makes you thirsty, and time makes you hungry. The wind joins forces with the sand, to make it impossible for you to do anything. You collapse to the floor, and take your last breath of air.</source>
        <translation>Man hat dich mitten in der Wüste ausgesetzt, ohne Essen und Wasser. Beim Gehen macht dich die Sonne durstig und die Zeit hungrig. Wind und Sand verbünden sich, bis du nichts mehr tun kannst. Du brichst zusammen und tust deinen letzten Atemzug.</translation>
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
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Wieder&amp;herstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Einf&amp;ügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>dunemark::FortuneChart</name>
    <message>
        <source>Money (cash + bank - loan)</source>
        <translation>Geld (Bargeld + Bank - Kredit)</translation>
    </message>
    <message>
        <source>Worth (money + goods)</source>
        <translation>Wert (Geld + Waren)</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>money</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>worth</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Day %1, %2: %3</source>
        <translation>Tag %1, %2: %3</translation>
    </message>
</context>
<context>
    <name>dunemark::LastSeenTable</name>
    <message>
        <source>Goods</source>
        <translation>Waren</translation>
    </message>
    <message>
        <source>Last price seen of each good in each town</source>
        <translation>Zuletzt gesehener Preis jeder Ware in jeder Stadt</translation>
    </message>
    <message>
        <source>%1 (day %2)</source>
        <translation>%1 (Tag %2)</translation>
    </message>
    <message>
        <source>%1, the lowest</source>
        <translation>%1, der niedrigste</translation>
    </message>
    <message>
        <source>%1, the highest</source>
        <translation>%1, der höchste</translation>
    </message>
</context>
<context>
    <name>dunemark::LedgerChart</name>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
</context>
<context>
    <name>dunemark::PriceChart</name>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>%1, day %2: %3</source>
        <translation>%1, Tag %2: %3</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 each</source>
        <translation>%1 pro Stück</translation>
    </message>
</context>
<context>
    <name>dunemark::SpokenNews</name>
    <message>
        <source>Cash %1, debt %2.</source>
        <translation>Geld: %1, Kredit: %2.</translation>
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
        <translation>Reise nach %1 (%2)</translation>
    </message>
</context>
<context>
    <name>dunemark::frmAbout</name>
    <message>
        <source>A trading game. Make as much money as you can before all your days go.</source>
        <translation>Ein Handelsspiel. Mach so viel Geld wie möglich, bevor deine Tage um sind.</translation>
    </message>
    <message>
        <source>Use this product at your own risk. Do not blame me if anything goes wrong. If you don&apos;t agree with this, then stop using this product.</source>
        <translation>Benutzung auf eigene Gefahr. Geht etwas schief, bin ich nicht schuld. Wer nicht einverstanden ist, benutzt es nicht.</translation>
    </message>
    <message>
        <source>(C) 2026 the Dunemark authors</source>
        <translation>(C) 2026 die Dunemark-Autoren</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Dunemark</translation>
    </message>
    <message>
        <source>Opens the web page</source>
        <translation>Öffnet die Webseite</translation>
    </message>
    <message>
        <source>Writes an e-mail to the author</source>
        <translation>Schreibt dem Autor eine E-Mail</translation>
    </message>
</context>
<context>
    <name>dunemark::frmBuy</name>
    <message>
        <source>How many do you wish to buy:</source>
        <translation>Wie viele willst du kaufen:</translation>
    </message>
    <message numerus="yes">
        <source>You can afford %1 and have space for %n more items</source>
        <translation>
            <numerusform>Du kannst dir %L1 leisten und hast Platz für %Ln weiteres Stück</numerusform>
            <numerusform>Du kannst dir %L1 leisten und hast Platz für %Ln weitere Stück</numerusform>
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
        <translation>Kredit:</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlen</translation>
    </message>
    <message>
        <source>Withdraw</source>
        <translation>Abheben</translation>
    </message>
    <message>
        <source>Pay Loan</source>
        <translation>Tilgen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Finances</source>
        <translation>Finanzen</translation>
    </message>
    <message>
        <source>Deposited %1.</source>
        <translation>%1 eingezahlt.</translation>
    </message>
    <message>
        <source>Withdrew %1.</source>
        <translation>%1 abgehoben.</translation>
    </message>
    <message>
        <source>Paid %1 of the loan.</source>
        <translation>%1 vom Kredit zurückgezahlt.</translation>
    </message>
    <message>
        <source>How much do you deposit? At most %1.</source>
        <translation>Wie viel zahlst du ein? Höchstens %1.</translation>
    </message>
    <message>
        <source>How much do you withdraw? At most %1.</source>
        <translation>Wie viel hebst du ab? Höchstens %1.</translation>
    </message>
    <message>
        <source>How much of the loan do you pay back? At most %1.</source>
        <translation>Wie viel vom Kredit zahlst du zurück? Höchstens %1.</translation>
    </message>
</context>
<context>
    <name>dunemark::frmGetNumber</name>
    <message>
        <source>How much:</source>
        <translation>Wie viel:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Financial situation</source>
        <translation>Finanzlage</translation>
    </message>
    <message>
        <source>The box holds %1: at most %2.</source>
        <extracomment>Spoken when the amount box has rewritten what was typed: %1 what it holds, %2 the most.</extracomment>
        <translation>Im Feld steht %1: höchstens %2.</translation>
    </message>
</context>
<context>
    <name>dunemark::frmHighScores</name>
    <message>
        <source>Highscores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>HIGHSCORES</source>
        <translation>BESTENLISTE</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Whats your name?</source>
        <translation>Wie heißt du?</translation>
    </message>
    <message>
        <source>You&apos;ve got a highscore</source>
        <translation>Du kommst in die Bestenliste</translation>
    </message>
    <message>
        <source>Another Dunemark kept the highscores busy for too long.</source>
        <translation>Ein anderes laufendes Dunemark hat die Bestenliste zu lange blockiert.</translation>
    </message>
    <message>
        <source>The highscores could not be written: the disk may be full or read-only.</source>
        <translation>Die Bestenliste konnte nicht geschrieben werden: Der Datenträger ist vielleicht voll oder schreibgeschützt.</translation>
    </message>
    <message>
        <source>Your score was not saved. %1 The table is unchanged.</source>
        <translation>Dein Ergebnis wurde nicht gespeichert. %1 Die Liste bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>The highscores file, %1, is too large to update.</source>
        <translation>Die Datei der Bestenliste, %1, ist zu groß, um sie zu aktualisieren.</translation>
    </message>
    <message>
        <source>The highscores file, %1, could not be read.</source>
        <translation>Die Datei der Bestenliste, %1, konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Something that is not a lock file stands at %1: remove it, and scores can be saved again.</source>
        <translation>Unter %1 liegt etwas, das keine Sperrdatei ist: Entferne es, dann lassen sich wieder Ergebnisse speichern.</translation>
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
        <translation>Die Datei der Bestenliste, %1, ist zu groß, um sie ganz zu lesen: Der angezeigten Liste fehlen vielleicht Plätze.</translation>
    </message>
    <message>
        <source>Your score is in the table, but the disk may not have it yet: the system could not confirm that %1 was written.</source>
        <translation>Dein Ergebnis steht in der Liste, aber vielleicht noch nicht auf dem Datenträger: Das System konnte nicht bestätigen, dass %1 geschrieben wurde.</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be opened: remove it, and scores can be saved again.</source>
        <translation>Die Sperrdatei %1 lässt sich nicht öffnen: Entferne sie, dann lassen sich wieder Ergebnisse speichern.</translation>
    </message>
    <message>
        <source>Something stands at %1, where the new highscores file is written before it replaces the old one: remove it, and scores can be saved again.</source>
        <translation>Unter %1, wo die neue Datei der Bestenliste geschrieben wird, bevor sie die alte ersetzt, liegt etwas: Entferne es, dann lassen sich wieder Ergebnisse speichern.</translation>
    </message>
    <message>
        <source>The highscores file, %1, is read-only.</source>
        <translation>Die Datei der Bestenliste, %1, ist schreibgeschützt.</translation>
    </message>
</context>
<context>
    <name>dunemark::frmHowToPlay</name>
    <message>
        <source>How to Play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>You have %1 days to make as much money as you can by trading between %2, %3 and %4. You start in %2 with %5 in cash, a loan of %6 and %7 slaves.</source>
        <translation>Du hast %1 Tage, um mit Handel zwischen %2, %3 und %4 so viel Geld wie möglich zu machen. Du startest in %2 mit %5 Bargeld, einem Kredit von %6 und %7 Sklaven.</translation>
    </message>
    <message>
        <source>On day %1, the last, you can no longer buy, but you can still sell and settle your finances. Then press Finish, which covers the map, to end the game.</source>
        <translation>An Tag %1, dem letzten, kannst du nichts mehr kaufen, aber noch verkaufen und deine Finanzen regeln. Dann drück den Knopf Abrechnung, der jetzt über der Karte liegt, und das Spiel ist aus.</translation>
    </message>
    <message>
        <source>Your total is your cash plus your bank balance minus your loan. Goods you still carry count for nothing, so sell them before you finish. The total decides where you are buried and whether you enter the high-score table.</source>
        <translation>Dein Ergebnis ist dein Bargeld plus dein Bankguthaben minus dein Kredit. Waren, die du noch dabeihast, zählen nichts, also verkauf sie vor der Abrechnung. Das Ergebnis entscheidet, wo du begraben wirst und ob du in die Bestenliste kommst.</translation>
    </message>
    <message>
        <source>Click a town on the map to travel there. Every journey takes one day: prices change, interest is added to your loan and your bank, and danger may strike.</source>
        <translation>Klick auf eine Stadt auf der Karte, um dorthin zu reisen. Jede Reise dauert einen Tag: Die Preise ändern sich, auf Kredit und Bank kommen Zinsen, und es kann dir etwas zustoßen.</translation>
    </message>
    <message>
        <source>Staying in a town takes no time: buy and sell there as much as you like. On day %1 Finish covers the map, and there are no more journeys.</source>
        <translation>In einer Stadt zu bleiben kostet keine Zeit: Kauf und verkauf dort, so viel du willst. An Tag %1 liegt Abrechnung über der Karte, und es gibt keine Reisen mehr.</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Ware</translation>
    </message>
    <message>
        <source>Cheapest</source>
        <translation>Am billigsten</translation>
    </message>
    <message>
        <source>Dearest</source>
        <translation>Am teuersten</translation>
    </message>
    <message>
        <source>Every town sells the same ten goods. Each day every town draws its prices afresh, and they stay fixed while you stay. On a usual day a good costs:</source>
        <translation>Jede Stadt verkauft dieselben zehn Waren. Jeden Tag würfelt jede Stadt ihre Preise neu aus, und sie bleiben gleich, solange du bleibst. An einem normalen Tag kostet eine Ware:</translation>
    </message>
    <message>
        <source>In the town you arrive in, each good may meet one of these events, and a message tells you of it:</source>
        <translation>In der Stadt, in der du ankommst, kann jede Ware von einem dieser Ereignisse getroffen werden, und eine Meldung sagt es dir:</translation>
    </message>
    <message>
        <source>Low prices, a chance of one in %1: about %2% of the usual price.</source>
        <translation>Niedrige Preise, in einem von %1 Fällen: etwa %2% des üblichen Preises.</translation>
    </message>
    <message>
        <source>A glut, a chance of one in %1: %2% of the usual price.</source>
        <translation>Der Markt ist überschwemmt, in einem von %1 Fällen: %2% des üblichen Preises.</translation>
    </message>
    <message>
        <source>The Pharaoh&apos;s demand, a chance of one in %1: %2% of the usual price.</source>
        <translation>Der Pharao braucht die Ware, in einem von %1 Fällen: %2% des üblichen Preises.</translation>
    </message>
    <message>
        <source>High prices, a chance of one in %1: %2% of the usual price.</source>
        <translation>Hohe Preise, in einem von %1 Fällen: %2% des üblichen Preises.</translation>
    </message>
    <message>
        <source>Each slave carries one item, so you can carry as many items as you have slaves. The Slaves line above your goods shows how many slaves are free, then how many you have.</source>
        <translation>Jeder Sklave trägt eine Ware, du kannst also so viele Waren tragen, wie du Sklaven hast. Die Zeile Sklaven über deinen Waren zeigt, wie viele Sklaven noch nichts tragen und wie viele du insgesamt hast.</translation>
    </message>
    <message>
        <source>To buy, choose a good in the items available and press Buy. The Buy window proposes the most you can take: as many as your cash pays for, but no more than your free slaves can carry. Type a smaller number if you like.</source>
        <translation>Zum Kaufen wähl eine Ware im Angebot und drück Kaufen. Das Kauffenster schlägt die größte Menge vor, die geht: so viel, wie dein Bargeld bezahlt, aber nicht mehr, als deine Sklaven ohne Last tragen können. Du kannst auch eine kleinere Zahl eintippen.</translation>
    </message>
    <message>
        <source>To sell, choose a good among the items you have bought and press Sell; the Sell window proposes all you hold. Every town buys every good at its price of the day.</source>
        <translation>Zum Verkaufen wähl eine Ware unter deinen gekauften Waren und drück Verkaufen; das Verkaufsfenster schlägt alles vor, was du davon hast. Jede Stadt kauft jede Ware zu ihrem Tagespreis.</translation>
    </message>
    <message>
        <source>Your loan grows by %1% every day, so pay it back early: in the Finances window, Pay Loan takes any part of it from your cash. You cannot borrow more.</source>
        <translation>Dein Kredit wächst jeden Tag um %1%, also zahl ihn früh zurück: Im Fenster Finanzen zahlst du mit Tilgen einen beliebigen Teil davon aus deinem Bargeld ab. Mehr leihen kannst du dir nicht.</translation>
    </message>
    <message>
        <source>A pyramid bank, bought in Special products for %1, pays %2% interest every day on what you keep in it. Deposit and withdraw in the Finances window, in any town, at any time.</source>
        <translation>Eine Pyramidenbank, für %1 unter Besondere Waren zu haben, zahlt dir jeden Tag %2% Zinsen auf alles, was du darin hast. Einzahlen und abheben kannst du im Fenster Finanzen, in jeder Stadt und jederzeit.</translation>
    </message>
    <message>
        <source>Gift</source>
        <translation>Geschenk</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
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
        <translation>Die Gunst des Pharaos, angezeigt unter der Karte, steigt um %1%, wenn du eine Ware teurer verkaufst, als du bei deinem letzten Kauf davon bezahlt hast, und sinkt um %1% (nie unter 0), wenn du sie zu diesem Preis oder billiger verkaufst.</translation>
    </message>
    <message>
        <source>Gifts raise it faster, one gift each time you open the Special products window:</source>
        <translation>Geschenke steigern sie schneller, ein Geschenk jedes Mal, wenn du das Fenster Besondere Waren öffnest:</translation>
    </message>
    <message>
        <source>Once your favour has reached %1%, the Pharaoh pays you a bonus on your next journey, a sum chosen by chance of up to %2, and your favour starts again from 0.</source>
        <translation>Hat deine Gunst %1% erreicht, zahlt dir der Pharao auf deiner nächsten Reise eine Prämie, eine zufällige Summe bis zu %2, und deine Gunst fängt wieder bei 0 an.</translation>
    </message>
    <message>
        <source>More slaves come in packs of %1 for %2 a pack, as long as you have fewer than %3.</source>
        <translation>Mehr Sklaven gibt es im Trupp zu %1 für %2 pro Trupp, solange du weniger als %3 hast.</translation>
    </message>
    <message>
        <source>The pyramid bank costs %1 and can be bought once a game.</source>
        <translation>Die Pyramidenbank kostet %1 und lässt sich einmal pro Spiel kaufen.</translation>
    </message>
    <message>
        <source>On every journey there is a chance of one in %1 that you are mugged and lose %2% of your cash.</source>
        <translation>Auf jeder Reise wirst du in einem von %1 Fällen überfallen und verlierst %2% deines Bargelds.</translation>
    </message>
    <message>
        <source>Once you own a pyramid bank, there is a chance of one in %1 each day that it is robbed and loses %2% of what is in it.</source>
        <translation>Sobald du eine Pyramidenbank hast, wird sie jeden Tag in einem von %1 Fällen ausgeraubt und verliert %2% ihres Inhalts.</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Your burial</source>
        <translation>Dein Begräbnis</translation>
    </message>
    <message>
        <source>above %1</source>
        <translation>über %1</translation>
    </message>
    <message>
        <source>%1 or less</source>
        <translation>%1 oder weniger</translation>
    </message>
    <message>
        <source>Your total at the end decides where you are buried; it must be above a rank&apos;s figure to earn it:</source>
        <translation>Dein Ergebnis am Ende entscheidet, wo du begraben wirst; für einen Rang muss es über dessen Betrag liegen:</translation>
    </message>
    <message>
        <source>The %1 best totals are kept, with names and dates, in the high-score table (View menu, Highscores). A total of 0 or more that beats one of them enters the table and you are asked your name; a total equal to one goes below it. At first every place holds %2.</source>
        <translation>Die %1 besten Ergebnisse stehen mit Namen und Datum in der Bestenliste (Menü Ansicht, Bestenliste). Ein Ergebnis von 0 oder mehr, das eines davon schlägt, kommt in die Liste, und du wirst nach deinem Namen gefragt; ein gleich hohes landet darunter. Anfangs steht auf jedem Platz %2.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>Was sie tun</translation>
    </message>
    <message>
        <source>Travel to %1, %2 or %3</source>
        <translation>Reise nach %1, %2 oder %3</translation>
    </message>
    <message>
        <source>Move between the map, the buttons and the two lists</source>
        <translation>Zwischen Karte, Knöpfen und den beiden Listen wechseln</translation>
    </message>
    <message>
        <source>Choose a good in a list</source>
        <translation>Eine Ware in einer Liste wählen</translation>
    </message>
    <message>
        <source>Buy the good chosen in the items available, or sell the one chosen among the items you have bought; in a window, OK</source>
        <translation>Die im Angebot gewählte Ware kaufen oder die unter den gekauften Waren gewählte verkaufen; in einem Fenster OK</translation>
    </message>
    <message>
        <source>Buy, Sell</source>
        <translation>Kaufen, Verkaufen</translation>
    </message>
    <message>
        <source>Press the button that has the focus, such as Finances or Special products</source>
        <translation>Den Knopf drücken, der den Fokus hat, etwa Finanzen oder Besondere Waren</translation>
    </message>
    <message>
        <source>In a window, Cancel or close</source>
        <translation>In einem Fenster Abbrechen oder Schließen</translation>
    </message>
    <message>
        <source>In Special products, the next or the previous tab</source>
        <translation>Im Fenster Besondere Waren: nächster oder vorheriger Reiter</translation>
    </message>
    <message>
        <source>The File, View and Help menus</source>
        <translation>Die Menüs Datei, Ansicht und Hilfe</translation>
    </message>
    <message>
        <source>The ledger of the prices you have seen and of your fortune</source>
        <translation>Das Kassenbuch mit den gesehenen Preisen und deinem Vermögen</translation>
    </message>
    <message>
        <source>Close the window of your burial</source>
        <translation>Das Fenster deines Begräbnisses schließen</translation>
    </message>
    <message>
        <source>This window</source>
        <translation>Dieses Fenster</translation>
    </message>
    <message>
        <source>A letter, Enter, Escape or a click</source>
        <translation>Ein Buchstabe, Enter, Esc oder ein Klick</translation>
    </message>
    <message>
        <source>Close the story (View menu, Story) and play</source>
        <translation>Die Geschichte schließen (Menü Ansicht, Geschichte) und losspielen</translation>
    </message>
    <message>
        <source>The game</source>
        <translation>Das Spiel</translation>
    </message>
    <message>
        <source>Travel</source>
        <translation>Reisen</translation>
    </message>
    <message>
        <source>The market</source>
        <translation>Der Markt</translation>
    </message>
    <message>
        <source>Buying and selling</source>
        <translation>Kaufen und Verkaufen</translation>
    </message>
    <message>
        <source>The loan and the pyramid bank</source>
        <translation>Kredit und Pyramidenbank</translation>
    </message>
    <message>
        <source>Favour and special products</source>
        <translation>Gunst und besondere Waren</translation>
    </message>
    <message>
        <source>Dangers</source>
        <translation>Gefahren</translation>
    </message>
    <message>
        <source>Where you are buried</source>
        <translation>Wo du begraben wirst</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>In the ledger: the last prices seen, the prices, the fortune, the goods, the figures as a table</source>
        <translation>Im Kassenbuch: zuletzt gesehene Preise, Preise, Vermögen, die Waren, die Zahlen als Tabelle</translation>
    </message>
    <message>
        <source>File, Market of the Day (%1) starts a game whose markets are set by today&apos;s date: everyone who starts it on the same date plays the same market.</source>
        <translation>Datei, Markt des Tages (%1) startet ein Spiel, in dem das heutige Datum die Märkte bestimmt: Alle, die es am selben Tag starten, spielen denselben Markt.</translation>
    </message>
    <message>
        <source>Each such market has a number, the date&apos;s digits for the market of the day, shown in the window&apos;s caption beside the day. File, Play Market Number (%1) plays any market again by its number, or one that a friend shares.</source>
        <translation>Jeder dieser Märkte hat eine Nummer, beim Markt des Tages die Ziffern des Datums; sie steht im Fenstertitel neben dem Tag. Datei, Markt nach Nummer spielen (%1) startet jeden Markt über seine Nummer noch einmal, auch einen, den dir ein Freund schickt.</translation>
    </message>
    <message>
        <source>In a market game the prices of every town on every day, the market events, the muggings, the robberies of the pyramid bank and the Pharaoh&apos;s bonus are the same for every player, whatever route each takes and whatever each buys. What you make of them is yours.</source>
        <translation>In einem solchen Markt sind die Preise jeder Stadt an jedem Tag, die Marktereignisse, die Überfälle unterwegs, die Raubzüge auf eine Pyramidenbank und die Prämie des Pharaos für alle Spieler gleich, egal welchen Weg jeder nimmt und was er kauft. Was du daraus machst, liegt bei dir.</translation>
    </message>
    <message>
        <source>When a market game ends, Copy Result (%1) in the window of your burial copies one line to paste to others: the market&apos;s number, your total and your burial. Nothing is kept or sent.</source>
        <translation>Wenn ein Marktspiel endet, legt der Knopf Ergebnis kopieren (%1) im Fenster deines Begräbnisses eine Zeile in die Zwischenablage, die du anderen schicken kannst: die Nummer des Markts, dein Ergebnis und dein Begräbnis. Nichts wird gespeichert oder verschickt.</translation>
    </message>
    <message>
        <source>The market of the day, or a market by its number</source>
        <translation>Der Markt des Tages oder ein Markt nach Nummer</translation>
    </message>
    <message>
        <source>The market of the day</source>
        <translation>Der Markt des Tages</translation>
    </message>
</context>
<context>
    <name>dunemark::frmLedger</name>
    <message>
        <source>Ledger</source>
        <translation>Kassenbuch</translation>
    </message>
    <message>
        <source>&amp;Prices</source>
        <translation>&amp;Preise</translation>
    </message>
    <message>
        <source>&amp;Fortune</source>
        <translation>&amp;Vermögen</translation>
    </message>
    <message>
        <source>Show the figures as a &amp;table</source>
        <translation>Zahlen als &amp;Tabelle zeigen</translation>
    </message>
    <message>
        <source>&amp;Goods:</source>
        <translation>&amp;Waren:</translation>
    </message>
    <message>
        <source>Goods</source>
        <translation>Waren</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Burial</source>
        <translation>Begräbnis</translation>
    </message>
    <message>
        <source>Price chart</source>
        <translation>Preisdiagramm</translation>
    </message>
    <message>
        <source>Fortune chart</source>
        <translation>Vermögensdiagramm</translation>
    </message>
    <message>
        <source>Prices of %1 day by day</source>
        <translation>Preise für %1 Tag für Tag</translation>
    </message>
    <message>
        <source>Each town you travel to writes its prices into this ledger.</source>
        <translation>Jede Stadt, in die du reist, trägt ihre Preise in dieses Kassenbuch ein.</translation>
    </message>
    <message>
        <source>&amp;Last seen</source>
        <translation>&amp;Zuletzt gesehen</translation>
    </message>
    <message>
        <source>%1 the lowest and %2 the highest of the prices last seen of a good</source>
        <translation>%1 der niedrigste und %2 der höchste der zuletzt gesehenen Preise einer Ware</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>Worth</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Money and worth at the end of each day</source>
        <translation>Geld und Wert am Ende jedes Tages</translation>
    </message>
    <message>
        <source>Worth counts the goods you carry, but the end of the game counts only money: sell your goods before you Finish.</source>
        <translation>Der Wert zählt die Waren mit, die du dabeihast, am Spielende zählt aber nur Geld: Verkauf deine Waren vor der Abrechnung.</translation>
    </message>
    <message>
        <source>Prices of %1 seen day by day</source>
        <translation>Gesehene Preise für %1, Tag für Tag</translation>
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
        <translation>Ware</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Slaves: %1/%2</source>
        <translation>Sklaven: %1/%2</translation>
    </message>
    <message>
        <source>Favour = %1%</source>
        <translation>Gunst = %1%</translation>
    </message>
    <message>
        <source>Buy - %1</source>
        <translation>Kaufen - %1</translation>
    </message>
    <message>
        <source>Sell - %1</source>
        <translation>Verkaufen - %1</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spielende</translation>
    </message>
    <message>
        <source>Are you sure you wish to start a new game?</source>
        <translation>Willst du wirklich ein neues Spiel beginnen?</translation>
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
        <translation>Kredit:</translation>
    </message>
    <message>
        <source>Debt</source>
        <translation>Kredit</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Abrechnung</translation>
    </message>
    <message>
        <source>Special products</source>
        <translation>Besondere Waren</translation>
    </message>
    <message>
        <source>&amp;Buy</source>
        <translation>&amp;Kaufen</translation>
    </message>
    <message>
        <source>&amp;Sell</source>
        <translation>&amp;Verkaufen</translation>
    </message>
    <message>
        <source>Finances</source>
        <translation>Finanzen</translation>
    </message>
    <message>
        <source>Items available:</source>
        <translation>Im Angebot:</translation>
    </message>
    <message>
        <source>Items you can buy</source>
        <translation>Waren zum Kaufen</translation>
    </message>
    <message>
        <source>Enter buys the selected item</source>
        <translation>Eingabe kauft die gewählte Ware</translation>
    </message>
    <message>
        <source>Items you have bought</source>
        <translation>Gekaufte Waren</translation>
    </message>
    <message>
        <source>Enter sells the selected item</source>
        <translation>Eingabe verkauft die gewählte Ware</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Bestenliste</translation>
    </message>
    <message>
        <source>&amp;Story</source>
        <translation>&amp;Geschichte</translation>
    </message>
    <message>
        <source>&amp;Ledger</source>
        <translation>&amp;Kassenbuch</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>How to &amp;Play</source>
        <translation>&amp;Spielanleitung</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>the price paid for goods carried</comment>
        <translation>%L1</translation>
    </message>
    <message>
        <source>%1, day %2 of %3.</source>
        <translation>%1, Tag %2 von %3.</translation>
    </message>
    <message>
        <source>Cash %1.</source>
        <translation>Geld: %1.</translation>
    </message>
    <message>
        <source>You are here.</source>
        <translation>Du bist hier.</translation>
    </message>
    <message>
        <source>Nothing carried</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>paid %1 each</source>
        <translation>bezahlt %1 pro Stück</translation>
    </message>
    <message>
        <source>%1 carried</source>
        <translation>%1 dabei</translation>
    </message>
    <message>
        <source>Sell your goods, then press Finish to end the game.</source>
        <translation>Verkaufe deine Waren und drücke dann Abrechnung, um das Spiel zu beenden.</translation>
    </message>
    <message>
        <source>%1 costs %2.</source>
        <translation>%1 kostet %2.</translation>
    </message>
    <message>
        <source>The game is over: File, New Game starts another.</source>
        <translation>Das Spiel ist aus: Datei, Neues Spiel beginnt ein neues.</translation>
    </message>
    <message>
        <source>Ends the game: your total, your burial and the high scores</source>
        <translation>Beendet das Spiel: deine Summe, dein Begräbnis und die Bestenliste</translation>
    </message>
    <message>
        <source>No more journeys: this is the last day.</source>
        <translation>Keine Reisen mehr: Heute ist der letzte Tag.</translation>
    </message>
    <message>
        <source>%1 - Market %2</source>
        <comment>the caption of a market game: the day&apos;s caption, the number</comment>
        <translation>%1 - Markt %2</translation>
    </message>
    <message>
        <source>&amp;Market of the Day</source>
        <translation>&amp;Markt des Tages</translation>
    </message>
    <message>
        <source>&amp;Play Market Number…</source>
        <translation>Markt nach Nummer &amp;spielen…</translation>
    </message>
    <message>
        <source>The number of the market to play (digits only, from %1 to %2):</source>
        <translation>Nummer des Markts, den du spielen willst (nur Ziffern, von %L1 bis %L2):</translation>
    </message>
    <message>
        <source>A market number is written in digits only, from %1 to %2.</source>
        <translation>Eine Marktnummer besteht nur aus Ziffern, von %L1 bis %L2.</translation>
    </message>
    <message>
        <source>Slaves: %1 of %2 unladen</source>
        <extracomment>Spoken: how many of the slaves carry nothing yet (room for that many more goods), of all.</extracomment>
        <translation>Sklaven: %1 von %2 ohne Last</translation>
    </message>
    <message numerus="yes">
        <source>Bought %n %1 for %2.</source>
        <extracomment>Spoken: how many of the good %1 were bought, and what they cost.</extracomment>
        <translation>
            <numerusform>Gekauft: %1, %Ln Stück, für %2.</numerusform>
            <numerusform>Gekauft: %1, %Ln Stück, für %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sold %n %1 for %2.</source>
        <extracomment>Spoken: how many of the good %1 were sold, and what they brought.</extracomment>
        <translation>
            <numerusform>Verkauft: %1, %Ln Stück, für %2.</numerusform>
            <numerusform>Verkauft: %1, %Ln Stück, für %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmSell</name>
    <message>
        <source>How many do you wish to sell:</source>
        <translation>Wie viele willst du verkaufen:</translation>
    </message>
    <message numerus="yes">
        <source>You have %n items to sell</source>
        <translation>
            <numerusform>Du hast %Ln Stück zum Verkaufen</numerusform>
            <numerusform>Du hast %Ln Stück zum Verkaufen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmShowEndTomb</name>
    <message>
        <source>What happened to you?</source>
        <translation>Was ist aus dir geworden?</translation>
    </message>
    <message>
        <source>Your burial place</source>
        <translation>Deine Grabstätte</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>Ergebnis &amp;kopieren</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried next to the Gods</source>
        <translation>
            <numerusform>Dunemark, Markt %1: %2 in %Ln Tag, begraben neben den Göttern</numerusform>
            <numerusform>Dunemark, Markt %1: %2 in %Ln Tagen, begraben neben den Göttern</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried among the Pharaohs</source>
        <translation>
            <numerusform>Dunemark, Markt %1: %2 in %Ln Tag, begraben unter den Pharaonen</numerusform>
            <numerusform>Dunemark, Markt %1: %2 in %Ln Tagen, begraben unter den Pharaonen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, given a burial fit for a nobleman</source>
        <translation>
            <numerusform>Dunemark, Markt %1: %2 in %Ln Tag, begraben wie ein Edelmann</numerusform>
            <numerusform>Dunemark, Markt %1: %2 in %Ln Tagen, begraben wie ein Edelmann</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried with the common folk</source>
        <translation>
            <numerusform>Dunemark, Markt %1: %2 in %Ln Tag, begraben beim einfachen Volk</numerusform>
            <numerusform>Dunemark, Markt %1: %2 in %Ln Tagen, begraben beim einfachen Volk</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried in a hole in the desert</source>
        <translation>
            <numerusform>Dunemark, Markt %1: %2 in %Ln Tag, verscharrt in einem Loch in der Wüste</numerusform>
            <numerusform>Dunemark, Markt %1: %2 in %Ln Tagen, verscharrt in einem Loch in der Wüste</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, tossed into the desert</source>
        <translation>
            <numerusform>Dunemark, Markt %1: %2 in %Ln Tag, einfach in die Wüste geworfen</numerusform>
            <numerusform>Dunemark, Markt %1: %2 in %Ln Tagen, einfach in die Wüste geworfen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmSpecial</name>
    <message>
        <source>Special items</source>
        <translation>Besondere Waren</translation>
    </message>
    <message>
        <source>Buy a Pyramid Bank</source>
        <translation>Pyramidenbank kaufen</translation>
    </message>
    <message>
        <source>Buy more slaves</source>
        <translation>Mehr Sklaven kaufen</translation>
    </message>
    <message>
        <source>Give gift to Pharoah</source>
        <translation>Geschenk an den Pharao</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cost:</source>
        <translation>Preis:</translation>
    </message>
    <message>
        <source>Buy</source>
        <translation>Kaufen</translation>
    </message>
    <message>
        <source>Buying a pyramid bank, will allow you to deposit your money into a safe place. You will then receive intrest on what you deposit. You can withdraw your money at any time.</source>
        <translation>Mit einer Pyramidenbank legst du dein Geld sicher an. Auf deine Einlagen bekommst du Zinsen. Abheben kannst du jederzeit.</translation>
    </message>
    <message>
        <source>You currently have:</source>
        <translation>Du hast derzeit:</translation>
    </message>
    <message>
        <source>slaves</source>
        <translation>Sklaven</translation>
    </message>
    <message>
        <source>The more slaves you have, the more items you can buy. Each slave is responsible for one item.</source>
        <translation>Je mehr Sklaven du hast, desto mehr Waren kannst du kaufen. Jeder Sklave trägt eine Ware.</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Favour will increase by:</source>
        <translation>Gunst steigt um:</translation>
    </message>
    <message>
        <source>Favour will increase by</source>
        <translation>Gunst steigt um</translation>
    </message>
    <message>
        <source>Your cash:</source>
        <translation>Dein Geld:</translation>
    </message>
    <message>
        <source>Your cash</source>
        <translation>Dein Geld</translation>
    </message>
    <message>
        <source>Giving the pharoah gifts will increase his favour towards you and cold be profitable in the future.</source>
        <translation>Geschenke an den Pharao steigern seine Gunst und können sich später auszahlen.</translation>
    </message>
    <message>
        <source>Give Gift</source>
        <translation>Schenken</translation>
    </message>
    <message numerus="yes">
        <source>Buy %n more slaves for %1</source>
        <translation>
            <numerusform>%Ln weiteren Sklaven für %L1 kaufen</numerusform>
            <numerusform>%Ln weitere Sklaven für %L1 kaufen</numerusform>
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
        <translation>Kosten %1, Gunst steigt um %2%</translation>
    </message>
    <message>
        <source>%1, page %2 of %3.</source>
        <translation>%1, Seite %2 von %3.</translation>
    </message>
    <message>
        <source>Gift given: favour %1%, cash %2.</source>
        <translation>Geschenk übergeben: Gunst %1%, Geld %2.</translation>
    </message>
    <message>
        <source>You own a pyramid bank, cash %1.</source>
        <translation>Du besitzt jetzt eine Pyramidenbank, Geld %1.</translation>
    </message>
    <message numerus="yes">
        <source>You now have %n slaves, cash %1.</source>
        <translation>
            <numerusform>Du hast jetzt %Ln Sklaven, Geld %1.</numerusform>
            <numerusform>Du hast jetzt %Ln Sklaven, Geld %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmStory</name>
    <message>
        <source>Story</source>
        <translation>Geschichte</translation>
    </message>
    <message>
        <source>You have been sentenced to death. After you pleaded with the pharoah, that you have no tomb, and hence will be unable to enter the afterlife. He agrees to grant you some money, a loan (for your bail), and 2 months, to make as much money as you can, from trading items. The amount of money you make, will decide where you get buried<byte value="xd"/>
<byte value="xd"/>
Good Luck !</source>
        <translation>Du wurdest zum Tode verurteilt. Du hast den Pharao angefleht, denn du hast kein Grab und kämst so nie ins Jenseits. Er gewährt dir etwas Geld, einen Kredit (für deine Kaution) und 2 Monate, um mit Handel so viel Geld wie möglich zu machen. Wie viel Geld du machst, entscheidet, wo du begraben wirst.<byte value="xd"/>
<byte value="xd"/>
Viel Glück!</translation>
    </message>
</context>
</TS>
