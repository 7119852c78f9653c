<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Goods</name>
    <message>
        <source>Gold</source>
        <translation>Oro</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argento</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Uva</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Acqua</translation>
    </message>
    <message>
        <source>Wheat</source>
        <translation>Grano</translation>
    </message>
    <message>
        <source>Papyrus</source>
        <translation>Papiro</translation>
    </message>
    <message>
        <source>Granite Statue</source>
        <translation>Statua granitica</translation>
    </message>
    <message>
        <source>Sphinx</source>
        <translation>Sfinge</translation>
    </message>
    <message>
        <source>Marble</source>
        <translation>Marmo</translation>
    </message>
    <message>
        <source>Granite</source>
        <translation>Granito</translation>
    </message>
    <message>
        <source>Gold Statue</source>
        <translation>Statua d&apos;oro</translation>
    </message>
    <message>
        <source>Silver Statue</source>
        <translation>Statua d&apos;argento</translation>
    </message>
    <message>
        <source>Gems</source>
        <translation>Gemme</translation>
    </message>
    <message>
        <source>Scrolls</source>
        <translation>Pergamene</translation>
    </message>
    <message>
        <source>Food &amp; water</source>
        <translation>Cibo e acqua</translation>
    </message>
</context>
<context>
    <name>LedgerLoader</name>
    <message>
        <source>The ledger could not be opened: the file that holds it is missing.

It was looked for as:
%1</source>
        <translation>Impossibile aprire il registro: manca il file che lo contiene.

È stato cercato qui:
%1</translation>
    </message>
    <message>
        <source>The ledger could not be opened: the file that holds it, %1, could not be loaded.

%2</source>
        <translation>Impossibile aprire il registro: non è stato possibile caricare il file che lo contiene, %1.

%2</translation>
    </message>
    <message>
        <source>The ledger could not be opened: the file that holds it, %1, belongs to another version of the game.</source>
        <translation>Impossibile aprire il registro: il file che lo contiene, %1, appartiene a un&apos;altra versione del gioco.</translation>
    </message>
</context>
<context>
    <name>Phrase</name>
    <message>
        <source>%1 prices are low</source>
        <translation>%1: prezzi bassi</translation>
    </message>
    <message>
        <source>The market has been flooded with cheap %1 and so prices are very low</source>
        <translation>%1: il mercato ne è invaso, quindi i prezzi sono bassissimi</translation>
    </message>
    <message>
        <source>The Pharoah needs %1 for his personal use, and so<byte value="xd"/>
the price has gone up</source>
        <translation>%1: il Faraone ne ha bisogno per uso personale, quindi<byte value="xd"/>
il prezzo è salito</translation>
    </message>
    <message>
        <source>%1 prices are high</source>
        <translation>%1: prezzi alti</translation>
    </message>
    <message>
        <source>The Pharoah is pleased with you progress<byte value="xd"/>
You received a cash bonus of %1</source>
        <translation>Il Faraone è soddisfatto dei tuoi progressi<byte value="xd"/>
Ricevi un premio in denaro di %1</translation>
    </message>
    <message>
        <source>Dunemark - Day %1</source>
        <translation>Dunemark - Giorno %1</translation>
    </message>
    <message>
        <source>You have been mugged</source>
        <translation>Ti hanno rapinato</translation>
    </message>
    <message>
        <source>Your pyramid bank was robbed, half your fortune has gone</source>
        <translation>La tua banca piramide è stata svaligiata, metà del tuo patrimonio è sparito</translation>
    </message>
    <message>
        <source>This is you last day, better sell your stock</source>
        <translation>È il tuo ultimo giorno, meglio che vendi la merce</translation>
    </message>
    <message>
        <source>You managed to get a total of <byte value="xd"/>
%1</source>
        <translation>Sei riuscito a mettere insieme un totale di <byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>You aint got the dosh mate</source>
        <translation>Non hai la grana, amico</translation>
    </message>
    <message>
        <source>Ya not got enuff slaves</source>
        <translation>Non c&apos;hai abbastanza schiavi</translation>
    </message>
    <message>
        <source>Nothing there to sell</source>
        <translation>Qui non c&apos;è niente da vendere</translation>
    </message>
    <message>
        <source>You haven&apos;t got the money, to buy that gift</source>
        <translation>Non hai i soldi per comprare quel regalo</translation>
    </message>
    <message>
        <source>You seem to be lacking the money</source>
        <translation>Sembra che ti manchino i soldi</translation>
    </message>
    <message>
        <source>There are no more slaves for you to buy</source>
        <translation>Non ci sono più schiavi da comprare</translation>
    </message>
    <message>
        <source>You not got the money</source>
        <translation>Non c&apos;hai i soldi</translation>
    </message>
    <message>
        <source>You now claim residence next to the Gods</source>
        <translation>Ora riposi accanto agli dèi</translation>
    </message>
    <message>
        <source>You now claim residency next to the great Pharoahs</source>
        <translation>Ora riposi accanto ai grandi faraoni</translation>
    </message>
    <message>
        <source>You have a burial fit for a nobleman</source>
        <translation>Hai una sepoltura degna di un nobile</translation>
    </message>
    <message>
        <source>You are buried with people of your own class</source>
        <translation>Vieni sepolto tra quelli del tuo rango</translation>
    </message>
    <message>
        <source>You are buried in a hole, in the desert</source>
        <translation>Vieni sepolto in una buca, nel deserto</translation>
    </message>
    <message>
        <source>You were just tossed into the desert</source>
        <translation>Ti hanno buttato nel deserto e basta</translation>
    </message>
    <message>
        <source>next to the Gods</source>
        <translation>accanto agli dèi</translation>
    </message>
    <message>
        <source>next to the great Pharoahs</source>
        <translation>accanto ai grandi faraoni</translation>
    </message>
    <message>
        <source>a burial fit for a nobleman</source>
        <translation>sepoltura da nobile</translation>
    </message>
    <message>
        <source>with people of your own class</source>
        <translation>tra i tuoi pari</translation>
    </message>
    <message>
        <source>in a hole, in the desert</source>
        <translation>in una buca nel deserto</translation>
    </message>
    <message>
        <source>tossed into the desert</source>
        <translation>buttato nel deserto</translation>
    </message>
    <message>
        <source>You were left in the middle of the desert, without any food and water. As you try to walk, the sun makes you thirsty, and time makes you hungry. The wind joins forces with the sand, to make it impossible for you to do anything. You collapse to the floor, and take your last breath of air.</source>
        <translation>Ti hanno abbandonato in mezzo al deserto, senza cibo né acqua. Provi a camminare, ma il sole ti mette sete e il tempo ti mette fame. Il vento si allea con la sabbia e non puoi più fare nulla. Crolli a terra ed esali l&apos;ultimo respiro.</translation>
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
        <translation>Ann&amp;ulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rifai</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>dunemark::FortuneChart</name>
    <message>
        <source>Money (cash + bank - loan)</source>
        <translation>Saldo (soldi + banca - prestito)</translation>
    </message>
    <message>
        <source>Worth (money + goods)</source>
        <translation>Valore (saldo + merci)</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>money</source>
        <translation>saldo</translation>
    </message>
    <message>
        <source>worth</source>
        <translation>valore</translation>
    </message>
    <message>
        <source>Day %1, %2: %3</source>
        <translation>Giorno %1, %2: %3</translation>
    </message>
</context>
<context>
    <name>dunemark::LastSeenTable</name>
    <message>
        <source>Goods</source>
        <translation>Merci</translation>
    </message>
    <message>
        <source>Last price seen of each good in each town</source>
        <translation>Ultimo prezzo visto di ogni merce in ogni città</translation>
    </message>
    <message>
        <source>%1 (day %2)</source>
        <translation>%1 (giorno %2)</translation>
    </message>
    <message>
        <source>%1, the lowest</source>
        <translation>%1, il più basso</translation>
    </message>
    <message>
        <source>%1, the highest</source>
        <translation>%1, il più alto</translation>
    </message>
</context>
<context>
    <name>dunemark::LedgerChart</name>
    <message>
        <source>Day</source>
        <translation>Giorno</translation>
    </message>
</context>
<context>
    <name>dunemark::PriceChart</name>
    <message>
        <source>Price</source>
        <translation>Prezzo</translation>
    </message>
    <message>
        <source>%1, day %2: %3</source>
        <translation>%1, giorno %2: %3</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>%1 each</source>
        <translation>%1 l&apos;uno</translation>
    </message>
</context>
<context>
    <name>dunemark::SpokenNews</name>
    <message>
        <source>Cash %1, debt %2.</source>
        <translation>Soldi: %1, debito: %2.</translation>
    </message>
    <message>
        <source>Bank %1.</source>
        <translation>Banca: %1.</translation>
    </message>
</context>
<context>
    <name>dunemark::TownLabel</name>
    <message>
        <source>Travel to %1 (%2)</source>
        <translation>Vai a %1 (%2)</translation>
    </message>
</context>
<context>
    <name>dunemark::frmAbout</name>
    <message>
        <source>A trading game. Make as much money as you can before all your days go.</source>
        <translation>Un gioco di commercio. Fai più soldi che puoi prima che i tuoi giorni finiscano.</translation>
    </message>
    <message>
        <source>Use this product at your own risk. Do not blame me if anything goes wrong. If you don&apos;t agree with this, then stop using this product.</source>
        <translation>Usalo a tuo rischio. Se qualcosa va storto, non prendertela con me. Se non sei d&apos;accordo, non usarlo.</translation>
    </message>
    <message>
        <source>(C) 2026 the Dunemark authors</source>
        <translation>(C) 2026 gli autori di Dunemark</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Opens the web page</source>
        <translation>Apre la pagina web</translation>
    </message>
    <message>
        <source>Writes an e-mail to the author</source>
        <translation>Scrive un&apos;e-mail all&apos;autore</translation>
    </message>
</context>
<context>
    <name>dunemark::frmBuy</name>
    <message>
        <source>How many do you wish to buy:</source>
        <translation>Quanti ne vuoi comprare:</translation>
    </message>
    <message numerus="yes">
        <source>You can afford %1 and have space for %n more items</source>
        <translation>
            <numerusform>Puoi permettertene %L1 e hai spazio per %Ln altro pezzo</numerusform>
            <numerusform>Puoi permettertene %L1 e hai spazio per altri %Ln pezzi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmFinances</name>
    <message>
        <source>Cash:</source>
        <translation>Soldi:</translation>
    </message>
    <message>
        <source>Bank:</source>
        <translation>Banca:</translation>
    </message>
    <message>
        <source>Debt:</source>
        <translation>Debito:</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Deposita</translation>
    </message>
    <message>
        <source>Withdraw</source>
        <translation>Preleva</translation>
    </message>
    <message>
        <source>Pay Loan</source>
        <translation>Rimborsa</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Finances</source>
        <translation>Finanze</translation>
    </message>
    <message>
        <source>Deposited %1.</source>
        <translation>Hai depositato %1.</translation>
    </message>
    <message>
        <source>Withdrew %1.</source>
        <translation>Hai prelevato %1.</translation>
    </message>
    <message>
        <source>Paid %1 of the loan.</source>
        <translation>Hai restituito %1 del prestito.</translation>
    </message>
    <message>
        <source>How much do you deposit? At most %1.</source>
        <translation>Quanto depositi? Al massimo %1.</translation>
    </message>
    <message>
        <source>How much do you withdraw? At most %1.</source>
        <translation>Quanto prelevi? Al massimo %1.</translation>
    </message>
    <message>
        <source>How much of the loan do you pay back? At most %1.</source>
        <translation>Quanto del prestito restituisci? Al massimo %1.</translation>
    </message>
</context>
<context>
    <name>dunemark::frmGetNumber</name>
    <message>
        <source>How much:</source>
        <translation>Quanto:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Financial situation</source>
        <translation>Importo</translation>
    </message>
    <message>
        <source>The box holds %1: at most %2.</source>
        <extracomment>Spoken when the amount box has rewritten what was typed: %1 what it holds, %2 the most.</extracomment>
        <translation>La casella contiene %1: al massimo %2.</translation>
    </message>
</context>
<context>
    <name>dunemark::frmHighScores</name>
    <message>
        <source>Highscores</source>
        <translation>Classifica</translation>
    </message>
    <message>
        <source>HIGHSCORES</source>
        <translation>CLASSIFICA</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Whats your name?</source>
        <translation>Come ti chiami?</translation>
    </message>
    <message>
        <source>You&apos;ve got a highscore</source>
        <translation>Sei entrato in classifica!</translation>
    </message>
    <message>
        <source>Another Dunemark kept the highscores busy for too long.</source>
        <translation>Un altro Dunemark ha tenuto occupata la classifica troppo a lungo.</translation>
    </message>
    <message>
        <source>The highscores could not be written: the disk may be full or read-only.</source>
        <translation>Impossibile scrivere la classifica: forse il disco è pieno o di sola lettura.</translation>
    </message>
    <message>
        <source>Your score was not saved. %1 The table is unchanged.</source>
        <translation>Il tuo punteggio non è stato salvato. %1 La classifica non è cambiata.</translation>
    </message>
    <message>
        <source>The highscores file, %1, is too large to update.</source>
        <translation>Il file della classifica, %1, è troppo grande per essere aggiornato.</translation>
    </message>
    <message>
        <source>The highscores file, %1, could not be read.</source>
        <translation>Impossibile leggere il file della classifica, %1.</translation>
    </message>
    <message>
        <source>Something that is not a lock file stands at %1: remove it, and scores can be saved again.</source>
        <translation>In %1 c&apos;è qualcosa che non è un file di blocco: rimuovilo e i punteggi potranno di nuovo essere salvati.</translation>
    </message>
    <message>
        <source>Nobody</source>
        <extracomment>The name in a high-score place that nobody has won yet.</extracomment>
        <translation>Nessuno</translation>
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
        <translation>Il file della classifica, %1, è troppo grande per essere letto per intero: alla classifica mostrata potrebbero mancare dei posti.</translation>
    </message>
    <message>
        <source>Your score is in the table, but the disk may not have it yet: the system could not confirm that %1 was written.</source>
        <translation>Il tuo punteggio è in classifica, ma il disco potrebbe non averlo ancora: il sistema non ha potuto confermare che %1 sia stato scritto.</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be opened: remove it, and scores can be saved again.</source>
        <translation>Impossibile aprire il file di blocco %1: rimuovilo e i punteggi potranno di nuovo essere salvati.</translation>
    </message>
    <message>
        <source>Something stands at %1, where the new highscores file is written before it replaces the old one: remove it, and scores can be saved again.</source>
        <translation>In %1, dove il nuovo file della classifica viene scritto prima di sostituire il vecchio, c&apos;è qualcosa: rimuovilo e i punteggi potranno di nuovo essere salvati.</translation>
    </message>
    <message>
        <source>The highscores file, %1, is read-only.</source>
        <translation>Il file della classifica, %1, è di sola lettura.</translation>
    </message>
</context>
<context>
    <name>dunemark::frmHowToPlay</name>
    <message>
        <source>How to Play</source>
        <translation>Come giocare</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Come giocare</translation>
    </message>
    <message>
        <source>You have %1 days to make as much money as you can by trading between %2, %3 and %4. You start in %2 with %5 in cash, a loan of %6 and %7 slaves.</source>
        <translation>Hai %1 giorni per fare più soldi che puoi commerciando tra %2, %3 e %4. Parti da %2 con %5 in contanti, un prestito di %6 e %7 schiavi.</translation>
    </message>
    <message>
        <source>On day %1, the last, you can no longer buy, but you can still sell and settle your finances. Then press Finish, which covers the map, to end the game.</source>
        <translation>Il giorno %1, l&apos;ultimo, non puoi più comprare, ma puoi ancora vendere e sistemare le finanze. Poi premi Bilancio, che copre la mappa, per chiudere la partita.</translation>
    </message>
    <message>
        <source>Your total is your cash plus your bank balance minus your loan. Goods you still carry count for nothing, so sell them before you finish. The total decides where you are buried and whether you enter the high-score table.</source>
        <translation>Il tuo totale sono i tuoi soldi più quello che hai in banca, meno il prestito. Le merci che porti ancora non contano niente, quindi vendile prima di finire. Il totale decide dove verrai sepolto e se entri in classifica.</translation>
    </message>
    <message>
        <source>Click a town on the map to travel there. Every journey takes one day: prices change, interest is added to your loan and your bank, and danger may strike.</source>
        <translation>Clicca su una città della mappa per andarci. Ogni viaggio dura un giorno: i prezzi cambiano, gli interessi si aggiungono al prestito e alla banca, e il pericolo è sempre in agguato.</translation>
    </message>
    <message>
        <source>Staying in a town takes no time: buy and sell there as much as you like. On day %1 Finish covers the map, and there are no more journeys.</source>
        <translation>Restare in una città non richiede tempo: compra e vendi quanto vuoi. Il giorno %1 Bilancio copre la mappa e non si viaggia più.</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Merce</translation>
    </message>
    <message>
        <source>Cheapest</source>
        <translation>Minimo</translation>
    </message>
    <message>
        <source>Dearest</source>
        <translation>Massimo</translation>
    </message>
    <message>
        <source>Every town sells the same ten goods. Each day every town draws its prices afresh, and they stay fixed while you stay. On a usual day a good costs:</source>
        <translation>Tutte le città vendono le stesse dieci merci. Ogni giorno ogni città rifà i suoi prezzi, che restano fissi finché resti lì. In un giorno normale una merce costa:</translation>
    </message>
    <message>
        <source>In the town you arrive in, each good may meet one of these events, and a message tells you of it:</source>
        <translation>Nella città in cui arrivi, per ogni merce può capitare uno di questi eventi, e un messaggio te lo dice:</translation>
    </message>
    <message>
        <source>Low prices, a chance of one in %1: about %2% of the usual price.</source>
        <translation>Prezzi bassi, una probabilità su %1: circa il %2% del prezzo normale.</translation>
    </message>
    <message>
        <source>A glut, a chance of one in %1: %2% of the usual price.</source>
        <translation>Mercato invaso, una probabilità su %1: il %2% del prezzo normale.</translation>
    </message>
    <message>
        <source>The Pharaoh&apos;s demand, a chance of one in %1: %2% of the usual price.</source>
        <translation>Richiesta del Faraone, una probabilità su %1: il %2% del prezzo normale.</translation>
    </message>
    <message>
        <source>High prices, a chance of one in %1: %2% of the usual price.</source>
        <translation>Prezzi alti, una probabilità su %1: il %2% del prezzo normale.</translation>
    </message>
    <message>
        <source>Each slave carries one item, so you can carry as many items as you have slaves. The Slaves line above your goods shows how many slaves are free, then how many you have.</source>
        <translation>Ogni schiavo porta un pezzo, quindi puoi portare tanti pezzi quanti schiavi hai. La riga Schiavi sopra le tue merci mostra quanti schiavi sono senza carico, poi quanti ne hai.</translation>
    </message>
    <message>
        <source>To buy, choose a good in the items available and press Buy. The Buy window proposes the most you can take: as many as your cash pays for, but no more than your free slaves can carry. Type a smaller number if you like.</source>
        <translation>Per comprare, scegli una merce tra quelle in vendita e premi Compra. La finestra Compra propone il massimo che puoi prendere: quanti pezzi puoi pagare con i tuoi soldi, ma non più di quanti ne portano i tuoi schiavi senza carico. Se vuoi, scrivi un numero più piccolo.</translation>
    </message>
    <message>
        <source>To sell, choose a good among the items you have bought and press Sell; the Sell window proposes all you hold. Every town buys every good at its price of the day.</source>
        <translation>Per vendere, scegli una merce tra le merci acquistate e premi Vendi; la finestra Vendi propone tutto quello che hai. Ogni città compra ogni merce al suo prezzo del giorno.</translation>
    </message>
    <message>
        <source>Your loan grows by %1% every day, so pay it back early: in the Finances window, Pay Loan takes any part of it from your cash. You cannot borrow more.</source>
        <translation>Il prestito cresce del %1% ogni giorno, quindi rimborsalo presto: nella finestra Finanze, Rimborsa ne paga la parte che vuoi con i tuoi soldi. Non puoi chiedere altri prestiti.</translation>
    </message>
    <message>
        <source>A pyramid bank, bought in Special products for %1, pays %2% interest every day on what you keep in it. Deposit and withdraw in the Finances window, in any town, at any time.</source>
        <translation>Una banca piramide, comprata in Prodotti speciali per %1, rende il %2% di interessi al giorno su quello che ci tieni. Deposita e preleva nella finestra Finanze, in qualunque città e in qualsiasi momento.</translation>
    </message>
    <message>
        <source>Gift</source>
        <translation>Dono</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prezzo</translation>
    </message>
    <message>
        <source>Favour</source>
        <translation>Favore</translation>
    </message>
    <message>
        <source>+%1%</source>
        <translation>+%1%</translation>
    </message>
    <message>
        <source>The Pharaoh&apos;s favour, shown under the map, rises by %1% each time you sell a good for more than you paid at your latest purchase of it, and falls by %1% (never below 0) when you sell it for that or less.</source>
        <translation>Il favore del Faraone, mostrato sotto la mappa, sale del %1% ogni volta che vendi una merce a più di quanto l&apos;hai pagata al tuo ultimo acquisto, e scende del %1% (mai sotto 0) quando la vendi a quel prezzo o meno.</translation>
    </message>
    <message>
        <source>Gifts raise it faster, one gift each time you open the Special products window:</source>
        <translation>I doni lo fanno salire più in fretta, un dono ogni volta che apri la finestra Prodotti speciali:</translation>
    </message>
    <message>
        <source>Once your favour has reached %1%, the Pharaoh pays you a bonus on your next journey, a sum chosen by chance of up to %2, and your favour starts again from 0.</source>
        <translation>Quando il tuo favore arriva al %1%, al prossimo viaggio il Faraone ti paga un premio, una somma a caso fino a %2, e il tuo favore riparte da 0.</translation>
    </message>
    <message>
        <source>More slaves come in packs of %1 for %2 a pack, as long as you have fewer than %3.</source>
        <translation>Altri schiavi si comprano in gruppi di %1 a %2 al gruppo, finché ne hai meno di %3.</translation>
    </message>
    <message>
        <source>The pyramid bank costs %1 and can be bought once a game.</source>
        <translation>La banca piramide costa %1 e si può comprare una volta per partita.</translation>
    </message>
    <message>
        <source>On every journey there is a chance of one in %1 that you are mugged and lose %2% of your cash.</source>
        <translation>A ogni viaggio c&apos;è una probabilità su %1 che ti rapinino e tu perda il %2% dei tuoi soldi.</translation>
    </message>
    <message>
        <source>Once you own a pyramid bank, there is a chance of one in %1 each day that it is robbed and loses %2% of what is in it.</source>
        <translation>Se hai una banca piramide, ogni giorno c&apos;è una probabilità su %1 che venga svaligiata e perda il %2% di quello che contiene.</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Your burial</source>
        <translation>La tua sepoltura</translation>
    </message>
    <message>
        <source>above %1</source>
        <translation>oltre %1</translation>
    </message>
    <message>
        <source>%1 or less</source>
        <translation>%1 o meno</translation>
    </message>
    <message>
        <source>Your total at the end decides where you are buried; it must be above a rank&apos;s figure to earn it:</source>
        <translation>Il tuo totale finale decide dove verrai sepolto; per ottenere un rango deve superarne la cifra:</translation>
    </message>
    <message>
        <source>The %1 best totals are kept, with names and dates, in the high-score table (View menu, Highscores). A total of 0 or more that beats one of them enters the table and you are asked your name; a total equal to one goes below it. At first every place holds %2.</source>
        <translation>I %1 totali migliori restano, con nomi e date, nella classifica (menu Visualizza, Classifica). Un totale di 0 o più che ne batte uno entra in classifica e ti viene chiesto il nome; un totale pari a uno finisce sotto di esso. All&apos;inizio ogni posto vale %2.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>A cosa servono</translation>
    </message>
    <message>
        <source>Travel to %1, %2 or %3</source>
        <translation>Vai a %1, %2 o %3</translation>
    </message>
    <message>
        <source>Move between the map, the buttons and the two lists</source>
        <translation>Passa tra la mappa, i pulsanti e le due liste</translation>
    </message>
    <message>
        <source>Choose a good in a list</source>
        <translation>Scegli una merce in una lista</translation>
    </message>
    <message>
        <source>Buy the good chosen in the items available, or sell the one chosen among the items you have bought; in a window, OK</source>
        <translation>Compra la merce scelta tra quelle in vendita, o vendi quella scelta tra le merci acquistate; in una finestra, OK</translation>
    </message>
    <message>
        <source>Buy, Sell</source>
        <translation>Compra, Vendi</translation>
    </message>
    <message>
        <source>Press the button that has the focus, such as Finances or Special products</source>
        <translation>Premi il pulsante che ha il focus, come Finanze o Prodotti speciali</translation>
    </message>
    <message>
        <source>In a window, Cancel or close</source>
        <translation>In una finestra, Annulla o chiudi</translation>
    </message>
    <message>
        <source>In Special products, the next or the previous tab</source>
        <translation>In Prodotti speciali, la scheda successiva o precedente</translation>
    </message>
    <message>
        <source>The File, View and Help menus</source>
        <translation>I menu File, Visualizza e Aiuto</translation>
    </message>
    <message>
        <source>The ledger of the prices you have seen and of your fortune</source>
        <translation>Il registro dei prezzi che hai visto e del tuo patrimonio</translation>
    </message>
    <message>
        <source>Close the window of your burial</source>
        <translation>Chiudi la finestra della tua sepoltura</translation>
    </message>
    <message>
        <source>This window</source>
        <translation>Questa finestra</translation>
    </message>
    <message>
        <source>A letter, Enter, Escape or a click</source>
        <translation>Una lettera, Invio, Esc o un clic</translation>
    </message>
    <message>
        <source>Close the story (View menu, Story) and play</source>
        <translation>Chiudi la storia (menu Visualizza, Storia) e gioca</translation>
    </message>
    <message>
        <source>The game</source>
        <translation>Il gioco</translation>
    </message>
    <message>
        <source>Travel</source>
        <translation>Viaggiare</translation>
    </message>
    <message>
        <source>The market</source>
        <translation>Il mercato</translation>
    </message>
    <message>
        <source>Buying and selling</source>
        <translation>Comprare e vendere</translation>
    </message>
    <message>
        <source>The loan and the pyramid bank</source>
        <translation>Il prestito e la banca piramide</translation>
    </message>
    <message>
        <source>Favour and special products</source>
        <translation>Favore e prodotti speciali</translation>
    </message>
    <message>
        <source>Dangers</source>
        <translation>Pericoli</translation>
    </message>
    <message>
        <source>Where you are buried</source>
        <translation>Dove verrai sepolto</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Classifica</translation>
    </message>
    <message>
        <source>In the ledger: the last prices seen, the prices, the fortune, the goods, the figures as a table</source>
        <translation>Nel registro: ultimi prezzi, prezzi, patrimonio, le merci, i dati in tabella</translation>
    </message>
    <message>
        <source>File, Market of the Day (%1) starts a game whose markets are set by today&apos;s date: everyone who starts it on the same date plays the same market.</source>
        <translation>File, Mercato del giorno (%1) avvia una partita i cui mercati dipendono dalla data di oggi: chi la avvia nello stesso giorno gioca sullo stesso mercato.</translation>
    </message>
    <message>
        <source>Each such market has a number, the date&apos;s digits for the market of the day, shown in the window&apos;s caption beside the day. File, Play Market Number (%1) plays any market again by its number, or one that a friend shares.</source>
        <translation>Ogni mercato di questo tipo ha un numero (per il mercato del giorno, le cifre della data), che compare nel titolo della finestra accanto al giorno. File, Gioca il mercato numero (%1) ti fa giocare di nuovo su qualsiasi mercato dal suo numero, anche su uno che ti passa un amico.</translation>
    </message>
    <message>
        <source>In a market game the prices of every town on every day, the market events, the muggings, the robberies of the pyramid bank and the Pharaoh&apos;s bonus are the same for every player, whatever route each takes and whatever each buys. What you make of them is yours.</source>
        <translation>In uno stesso mercato, i prezzi di ogni città in ogni giorno, gli eventi del mercato, le rapine in viaggio, i colpi alla banca piramide e il premio del Faraone sono uguali per tutti i giocatori, qualunque strada prenda ciascuno e qualunque cosa compri. Quello che ne fai dipende da te.</translation>
    </message>
    <message>
        <source>When a market game ends, Copy Result (%1) in the window of your burial copies one line to paste to others: the market&apos;s number, your total and your burial. Nothing is kept or sent.</source>
        <translation>Alla fine di una partita di mercato, il pulsante Copia risultato (%1) nella finestra della tua sepoltura mette negli appunti una riga da mandare agli altri: il numero del mercato, il tuo totale e la tua sepoltura. Non viene salvato né inviato nulla.</translation>
    </message>
    <message>
        <source>The market of the day, or a market by its number</source>
        <translation>Il mercato del giorno, o un mercato per numero</translation>
    </message>
    <message>
        <source>The market of the day</source>
        <translation>Il mercato del giorno</translation>
    </message>
</context>
<context>
    <name>dunemark::frmLedger</name>
    <message>
        <source>Ledger</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>&amp;Prices</source>
        <translation>&amp;Prezzi</translation>
    </message>
    <message>
        <source>&amp;Fortune</source>
        <translation>P&amp;atrimonio</translation>
    </message>
    <message>
        <source>Show the figures as a &amp;table</source>
        <translation>Mostra i dati in &amp;tabella</translation>
    </message>
    <message>
        <source>&amp;Goods:</source>
        <translation>&amp;Merci:</translation>
    </message>
    <message>
        <source>Goods</source>
        <translation>Merci</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Burial</source>
        <translation>Sepoltura</translation>
    </message>
    <message>
        <source>Price chart</source>
        <translation>Grafico dei prezzi</translation>
    </message>
    <message>
        <source>Fortune chart</source>
        <translation>Grafico del patrimonio</translation>
    </message>
    <message>
        <source>Prices of %1 day by day</source>
        <translation>%1: prezzi giorno per giorno</translation>
    </message>
    <message>
        <source>Each town you travel to writes its prices into this ledger.</source>
        <translation>Ogni città in cui vai scrive i suoi prezzi in questo registro.</translation>
    </message>
    <message>
        <source>&amp;Last seen</source>
        <translation>&amp;Ultimi prezzi</translation>
    </message>
    <message>
        <source>%1 the lowest and %2 the highest of the prices last seen of a good</source>
        <translation>%1 il più basso e %2 il più alto degli ultimi prezzi visti di una merce</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Worth</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Money and worth at the end of each day</source>
        <translation>Saldo e valore alla fine di ogni giorno</translation>
    </message>
    <message>
        <source>Worth counts the goods you carry, but the end of the game counts only money: sell your goods before you Finish.</source>
        <translation>Il valore conta le merci che porti, ma a fine partita conta solo il saldo: vendile prima di premere Bilancio.</translation>
    </message>
    <message>
        <source>Prices of %1 seen day by day</source>
        <translation>%1: prezzi visti giorno per giorno</translation>
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
        <translation>Merce</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prezzo</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Qtà</translation>
    </message>
    <message>
        <source>Slaves: %1/%2</source>
        <translation>Schiavi: %1/%2</translation>
    </message>
    <message>
        <source>Favour = %1%</source>
        <translation>Favore = %1%</translation>
    </message>
    <message>
        <source>Buy - %1</source>
        <translation>Compra - %1</translation>
    </message>
    <message>
        <source>Sell - %1</source>
        <translation>Vendi - %1</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Partita finita</translation>
    </message>
    <message>
        <source>Are you sure you wish to start a new game?</source>
        <translation>Vuoi davvero iniziare una nuova partita?</translation>
    </message>
    <message>
        <source>Cash:</source>
        <translation>Soldi:</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Soldi</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banca</translation>
    </message>
    <message>
        <source>Debt:</source>
        <translation>Debito:</translation>
    </message>
    <message>
        <source>Debt</source>
        <translation>Debito</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mappa</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Bilancio</translation>
    </message>
    <message>
        <source>Special products</source>
        <translation>Prodotti speciali</translation>
    </message>
    <message>
        <source>&amp;Buy</source>
        <translation>&amp;Compra</translation>
    </message>
    <message>
        <source>&amp;Sell</source>
        <translation>&amp;Vendi</translation>
    </message>
    <message>
        <source>Finances</source>
        <translation>Finanze</translation>
    </message>
    <message>
        <source>Items available:</source>
        <translation>In vendita:</translation>
    </message>
    <message>
        <source>Items you can buy</source>
        <translation>Merci che puoi comprare</translation>
    </message>
    <message>
        <source>Enter buys the selected item</source>
        <translation>Invio compra la merce scelta</translation>
    </message>
    <message>
        <source>Items you have bought</source>
        <translation>Merci acquistate</translation>
    </message>
    <message>
        <source>Enter sells the selected item</source>
        <translation>Invio vende la merce scelta</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Vi&amp;sualizza</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Classifica</translation>
    </message>
    <message>
        <source>&amp;Story</source>
        <translation>&amp;Storia</translation>
    </message>
    <message>
        <source>&amp;Ledger</source>
        <translation>&amp;Registro</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>How to &amp;Play</source>
        <translation>Come &amp;giocare</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>the price paid for goods carried</comment>
        <translation>%L1</translation>
    </message>
    <message>
        <source>%1, day %2 of %3.</source>
        <translation>%1, giorno %2 di %3.</translation>
    </message>
    <message>
        <source>Cash %1.</source>
        <translation>Soldi: %1.</translation>
    </message>
    <message>
        <source>You are here.</source>
        <translation>Sei qui.</translation>
    </message>
    <message>
        <source>Nothing carried</source>
        <translation>Vuoto</translation>
    </message>
    <message>
        <source>paid %1 each</source>
        <translation>pagato %1 l&apos;uno</translation>
    </message>
    <message>
        <source>%1 carried</source>
        <translation>%1 trasportati</translation>
    </message>
    <message>
        <source>Sell your goods, then press Finish to end the game.</source>
        <translation>Vendi la merce, poi premi Bilancio per finire la partita.</translation>
    </message>
    <message>
        <source>%1 costs %2.</source>
        <translation>%1 costa %2.</translation>
    </message>
    <message>
        <source>The game is over: File, New Game starts another.</source>
        <translation>La partita è finita: File, Nuova partita ne inizia un&apos;altra.</translation>
    </message>
    <message>
        <source>Ends the game: your total, your burial and the high scores</source>
        <translation>Termina la partita: il tuo totale, la tua sepoltura e i punteggi migliori</translation>
    </message>
    <message>
        <source>No more journeys: this is the last day.</source>
        <translation>Niente più viaggi: è l&apos;ultimo giorno.</translation>
    </message>
    <message>
        <source>%1 - Market %2</source>
        <comment>the caption of a market game: the day&apos;s caption, the number</comment>
        <translation>%1 - Mercato %2</translation>
    </message>
    <message>
        <source>&amp;Market of the Day</source>
        <translation>&amp;Mercato del giorno</translation>
    </message>
    <message>
        <source>&amp;Play Market Number…</source>
        <translation>&amp;Gioca il mercato numero…</translation>
    </message>
    <message>
        <source>The number of the market to play (digits only, from %1 to %2):</source>
        <translation>Numero del mercato da giocare (solo cifre, da %L1 a %L2):</translation>
    </message>
    <message>
        <source>A market number is written in digits only, from %1 to %2.</source>
        <translation>Un numero di mercato si scrive solo con cifre, da %L1 a %L2.</translation>
    </message>
    <message>
        <source>Slaves: %1 of %2 unladen</source>
        <extracomment>Spoken: how many of the slaves carry nothing yet (room for that many more goods), of all.</extracomment>
        <translation>Schiavi: %1 su %2 senza carico</translation>
    </message>
    <message numerus="yes">
        <source>Bought %n %1 for %2.</source>
        <extracomment>Spoken: how many of the good %1 were bought, and what they cost.</extracomment>
        <translation>
            <numerusform>Acquisto: %1, %Ln pezzo, per %2.</numerusform>
            <numerusform>Acquisto: %1, %Ln pezzi, per %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sold %n %1 for %2.</source>
        <extracomment>Spoken: how many of the good %1 were sold, and what they brought.</extracomment>
        <translation>
            <numerusform>Vendita: %1, %Ln pezzo, per %2.</numerusform>
            <numerusform>Vendita: %1, %Ln pezzi, per %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmSell</name>
    <message>
        <source>How many do you wish to sell:</source>
        <translation>Quanti ne vuoi vendere:</translation>
    </message>
    <message numerus="yes">
        <source>You have %n items to sell</source>
        <translation>
            <numerusform>Hai %Ln pezzo da vendere</numerusform>
            <numerusform>Hai %Ln pezzi da vendere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmShowEndTomb</name>
    <message>
        <source>What happened to you?</source>
        <translation>Che fine hai fatto?</translation>
    </message>
    <message>
        <source>Your burial place</source>
        <translation>La tua sepoltura</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>&amp;Copia risultato</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiato</translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried next to the Gods</source>
        <translation>
            <numerusform>Dunemark, mercato %1: %2 in %Ln giorno, sepolto accanto agli dèi</numerusform>
            <numerusform>Dunemark, mercato %1: %2 in %Ln giorni, sepolto accanto agli dèi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried among the Pharaohs</source>
        <translation>
            <numerusform>Dunemark, mercato %1: %2 in %Ln giorno, sepolto tra i faraoni</numerusform>
            <numerusform>Dunemark, mercato %1: %2 in %Ln giorni, sepolto tra i faraoni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, given a burial fit for a nobleman</source>
        <translation>
            <numerusform>Dunemark, mercato %1: %2 in %Ln giorno, sepoltura degna di un nobile</numerusform>
            <numerusform>Dunemark, mercato %1: %2 in %Ln giorni, sepoltura degna di un nobile</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried with the common folk</source>
        <translation>
            <numerusform>Dunemark, mercato %1: %2 in %Ln giorno, sepolto tra la gente comune</numerusform>
            <numerusform>Dunemark, mercato %1: %2 in %Ln giorni, sepolto tra la gente comune</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried in a hole in the desert</source>
        <translation>
            <numerusform>Dunemark, mercato %1: %2 in %Ln giorno, sepolto in una buca nel deserto</numerusform>
            <numerusform>Dunemark, mercato %1: %2 in %Ln giorni, sepolto in una buca nel deserto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, tossed into the desert</source>
        <translation>
            <numerusform>Dunemark, mercato %1: %2 in %Ln giorno, buttato nel deserto</numerusform>
            <numerusform>Dunemark, mercato %1: %2 in %Ln giorni, buttato nel deserto</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmSpecial</name>
    <message>
        <source>Special items</source>
        <translation>Prodotti speciali</translation>
    </message>
    <message>
        <source>Buy a Pyramid Bank</source>
        <translation>Banca piramide</translation>
    </message>
    <message>
        <source>Buy more slaves</source>
        <translation>Altri schiavi</translation>
    </message>
    <message>
        <source>Give gift to Pharoah</source>
        <translation>Dono al Faraone</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cost:</source>
        <translation>Costo:</translation>
    </message>
    <message>
        <source>Buy</source>
        <translation>Compra</translation>
    </message>
    <message>
        <source>Buying a pyramid bank, will allow you to deposit your money into a safe place. You will then receive intrest on what you deposit. You can withdraw your money at any time.</source>
        <translation>Con una banca piramide metti i tuoi soldi al sicuro. Sui depositi ricevi gli interessi e puoi prelevare quando vuoi.</translation>
    </message>
    <message>
        <source>You currently have:</source>
        <translation>Ora hai:</translation>
    </message>
    <message>
        <source>slaves</source>
        <translation>schiavi</translation>
    </message>
    <message>
        <source>The more slaves you have, the more items you can buy. Each slave is responsible for one item.</source>
        <translation>Più schiavi hai, più merce puoi comprare. Ogni schiavo porta un pezzo.</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Costo</translation>
    </message>
    <message>
        <source>Favour will increase by:</source>
        <translation>Aumento del favore:</translation>
    </message>
    <message>
        <source>Favour will increase by</source>
        <translation>Aumento del favore</translation>
    </message>
    <message>
        <source>Your cash:</source>
        <translation>I tuoi soldi:</translation>
    </message>
    <message>
        <source>Your cash</source>
        <translation>I tuoi soldi</translation>
    </message>
    <message>
        <source>Giving the pharoah gifts will increase his favour towards you and cold be profitable in the future.</source>
        <translation>Fare doni al Faraone aumenta il suo favore verso di te e in futuro potrebbe fruttare.</translation>
    </message>
    <message>
        <source>Give Gift</source>
        <translation>Regala</translation>
    </message>
    <message numerus="yes">
        <source>Buy %n more slaves for %1</source>
        <translation>
            <numerusform>Compra %Ln altro schiavo per %L1</numerusform>
            <numerusform>Compra altri %Ln schiavi per %L1</numerusform>
        </translation>
    </message>
    <message>
        <source>Favour = %1%</source>
        <translation>Favore = %1%</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage, written as in &quot;Favour = %1%&quot;.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Cost %1, favour up by %2%</source>
        <translation>Costo %1, favore in aumento del %2%</translation>
    </message>
    <message>
        <source>%1, page %2 of %3.</source>
        <translation>%1, pagina %2 di %3.</translation>
    </message>
    <message>
        <source>Gift given: favour %1%, cash %2.</source>
        <translation>Dono consegnato: favore %1%, soldi %2.</translation>
    </message>
    <message>
        <source>You own a pyramid bank, cash %1.</source>
        <translation>Possiedi una banca piramide, soldi %1.</translation>
    </message>
    <message numerus="yes">
        <source>You now have %n slaves, cash %1.</source>
        <translation>
            <numerusform>Ora hai %Ln schiavo, soldi %1.</numerusform>
            <numerusform>Ora hai %Ln schiavi, soldi %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmStory</name>
    <message>
        <source>Story</source>
        <translation>Storia</translation>
    </message>
    <message>
        <source>You have been sentenced to death. After you pleaded with the pharoah, that you have no tomb, and hence will be unable to enter the afterlife. He agrees to grant you some money, a loan (for your bail), and 2 months, to make as much money as you can, from trading items. The amount of money you make, will decide where you get buried<byte value="xd"/>
<byte value="xd"/>
Good Luck !</source>
        <translation>Sei stato condannato a morte. Hai supplicato il Faraone: non hai una tomba e quindi non potresti entrare nell&apos;aldilà. Lui accetta di concederti un po&apos; di soldi, un prestito (per la cauzione) e 2 mesi per fare più soldi che puoi commerciando. I soldi che farai decideranno dove verrai sepolto.<byte value="xd"/>
<byte value="xd"/>
Buona fortuna!</translation>
    </message>
</context>
</TS>
