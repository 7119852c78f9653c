<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Goods</name>
    <message>
        <source>Gold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wheat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Papyrus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Granite Statue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sphinx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marble</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Granite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gold Statue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silver Statue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scrolls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Food &amp; water</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Phrase</name>
    <message>
        <source>%1 prices are low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The market has been flooded with cheap %1 and so prices are very low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Pharoah needs %1 for his personal use, and so<byte value="xd"/>
the price has gone up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 prices are high</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Pharoah is pleased with you progress<byte value="xd"/>
You received a cash bonus of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dunemark - Day %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have been mugged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your pyramid bank was robbed, half your fortune has gone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is you last day, better sell your stock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You managed to get a total of <byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You aint got the dosh mate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ya not got enuff slaves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing there to sell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You haven&apos;t got the money, to buy that gift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You seem to be lacking the money</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no more slaves for you to buy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You not got the money</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You now claim residence next to the Gods</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You now claim residency next to the great Pharoahs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have a burial fit for a nobleman</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are buried with people of your own class</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are buried in a hole, in the desert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You were just tossed into the desert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>next to the Gods</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>next to the great Pharoahs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a burial fit for a nobleman</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with people of your own class</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in a hole, in the desert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tossed into the desert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You were left in the middle of the desert, without any food and water. As you try to walk, the sun makes you thirsty, and time makes you hungry. The wind joins forces with the sand, to make it impossible for you to do anything. You collapse to the floor, and take your last breath of air.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dunemark::FortuneChart</name>
    <message>
        <source>Fortune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dunemark::LedgerChart</name>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dunemark::PriceChart</name>
    <message>
        <source>Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, day %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dunemark::QuantityDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dunemark::TownLabel</name>
    <message>
        <source>Travel to %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dunemark::frmAbout</name>
    <message>
        <source>A trading game. Make as much money as you can before all your days go.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use this product at your own risk. Do not blame me if anything goes wrong. If you don&apos;t agree with this, then stop using this product.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(C) 2026 the Dunemark authors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the web page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes an e-mail to the author</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dunemark::frmBuy</name>
    <message>
        <source>How many do you wish to buy:</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>You can afford %1 and have space for %n more items</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmFinances</name>
    <message>
        <source>Cash:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debt:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Withdraw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pay Loan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finances</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dunemark::frmGetNumber</name>
    <message>
        <source>How much:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Financial situation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dunemark::frmHighScores</name>
    <message>
        <source>Highscores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HIGHSCORES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whats your name?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;ve got a highscore</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dunemark::frmLedger</name>
    <message>
        <source>Ledger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Prices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fortune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the figures as a &amp;table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Goods:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goods</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fortune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fortune at the end of each day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fortune chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prices of %1 day by day</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dunemark::frmMain</name>
    <message>
        <source>Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slaves: %1/%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favour = %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buy - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sell - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you wish to start a new game?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debt:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special products</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Buy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finances</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Items available:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Items you can buy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter buys the selected item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Items you have bought</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter sells the selected item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Story</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ledger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dunemark::frmSell</name>
    <message>
        <source>How many do you wish to sell:</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>You have %n items to sell</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmShowEndTomb</name>
    <message>
        <source>What happened to you?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your burial place</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dunemark::frmSpecial</name>
    <message>
        <source>Special items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buy a Pyramid Bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buy more slaves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give gift to Pharoah</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buying a pyramid bank, will allow you to deposit your money into a safe place. You will then receive intrest on what you deposit. You can withdraw your money at any time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You currently have:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slaves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The more slaves you have, the more items you can buy. Each slave is responsible for one item.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favour will increase by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favour will increase by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your cash:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your cash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Giving the pharoah gifts will increase his favour towards you and cold be profitable in the future.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give Gift</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Buy %n more slaves for %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Favour = %1%</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dunemark::frmStory</name>
    <message>
        <source>Story</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have been sentenced to death. After you pleaded with the pharoah, that you have no tomb, and hence will be unable to enter the afterlife. He agrees to grant you some money, a loan (for your bail), and 2 months, to make as much money as you can, from trading items. The amount of money you make, will decide where you get buried<byte value="xd"/>
<byte value="xd"/>
Good Luck !</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
