<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Goods</name>
    <message>
        <source>Gold</source>
        <translation>Золото</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Серебро</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Виноград</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Вода</translation>
    </message>
    <message>
        <source>Wheat</source>
        <translation>Пшеница</translation>
    </message>
    <message>
        <source>Papyrus</source>
        <translation>Папирус</translation>
    </message>
    <message>
        <source>Granite Statue</source>
        <translation>Статуя</translation>
    </message>
    <message>
        <source>Sphinx</source>
        <translation>Сфинкс</translation>
    </message>
    <message>
        <source>Marble</source>
        <translation>Мрамор</translation>
    </message>
    <message>
        <source>Granite</source>
        <translation>Гранит</translation>
    </message>
    <message>
        <source>Gold Statue</source>
        <translation>Золотая статуя</translation>
    </message>
    <message>
        <source>Silver Statue</source>
        <translation>Серебряная статуя</translation>
    </message>
    <message>
        <source>Gems</source>
        <translation>Самоцветы</translation>
    </message>
    <message>
        <source>Scrolls</source>
        <translation>Свитки</translation>
    </message>
    <message>
        <source>Food &amp; water</source>
        <translation>Еда и вода</translation>
    </message>
</context>
<context>
    <name>Phrase</name>
    <message>
        <source>%1 prices are low</source>
        <translation>Цены на товар «%1» низкие</translation>
    </message>
    <message>
        <source>The market has been flooded with cheap %1 and so prices are very low</source>
        <translation>Рынок завален дешёвым товаром «%1», поэтому цены очень низкие</translation>
    </message>
    <message>
        <source>The Pharoah needs %1 for his personal use, and so<byte value="xd"/>
the price has gone up</source>
        <translation>Фараону нужен товар «%1» для личных нужд, поэтому<byte value="xd"/>
цена выросла</translation>
    </message>
    <message>
        <source>%1 prices are high</source>
        <translation>Цены на товар «%1» высокие</translation>
    </message>
    <message>
        <source>The Pharoah is pleased with you progress<byte value="xd"/>
You received a cash bonus of %1</source>
        <translation>Фараон доволен твоими успехами<byte value="xd"/>
Ты получаешь денежную премию: %1</translation>
    </message>
    <message>
        <source>Dunemark - Day %1</source>
        <translation>Dunemark - День %1</translation>
    </message>
    <message>
        <source>You have been mugged</source>
        <translation>Тебя ограбили</translation>
    </message>
    <message>
        <source>Your pyramid bank was robbed, half your fortune has gone</source>
        <translation>Твой банк-пирамиду ограбили, половины состояния как не бывало</translation>
    </message>
    <message>
        <source>This is you last day, better sell your stock</source>
        <translation>Это твой последний день, лучше распродай товар</translation>
    </message>
    <message>
        <source>You managed to get a total of <byte value="xd"/>
%1</source>
        <translation>Всего тебе удалось собрать <byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>You aint got the dosh mate</source>
        <translation>Бабла не хватает, братан</translation>
    </message>
    <message>
        <source>Ya not got enuff slaves</source>
        <translation>Рабов-то маловато будет</translation>
    </message>
    <message>
        <source>Nothing there to sell</source>
        <translation>Тут нечего продавать</translation>
    </message>
    <message>
        <source>You haven&apos;t got the money, to buy that gift</source>
        <translation>На этот подарок у тебя нет денег</translation>
    </message>
    <message>
        <source>You seem to be lacking the money</source>
        <translation>Похоже, тебе не хватает денег</translation>
    </message>
    <message>
        <source>There are no more slaves for you to buy</source>
        <translation>Рабов на продажу больше нет</translation>
    </message>
    <message>
        <source>You not got the money</source>
        <translation>Нету у тебя деньжат</translation>
    </message>
    <message>
        <source>You now claim residence next to the Gods</source>
        <translation>Ты покоишься рядом с богами</translation>
    </message>
    <message>
        <source>You now claim residency next to the great Pharoahs</source>
        <translation>Ты покоишься рядом с великими фараонами</translation>
    </message>
    <message>
        <source>You have a burial fit for a nobleman</source>
        <translation>Тебя хоронят как знатного вельможу</translation>
    </message>
    <message>
        <source>You are buried with people of your own class</source>
        <translation>Тебя хоронят среди людей твоего сословия</translation>
    </message>
    <message>
        <source>You are buried in a hole, in the desert</source>
        <translation>Тебя закопали в яме посреди пустыни</translation>
    </message>
    <message>
        <source>You were just tossed into the desert</source>
        <translation>Тебя просто выбросили в пустыню</translation>
    </message>
    <message>
        <source>next to the Gods</source>
        <translation>рядом с богами</translation>
    </message>
    <message>
        <source>next to the great Pharoahs</source>
        <translation>рядом с великими фараонами</translation>
    </message>
    <message>
        <source>a burial fit for a nobleman</source>
        <translation>как вельможа</translation>
    </message>
    <message>
        <source>with people of your own class</source>
        <translation>среди равных</translation>
    </message>
    <message>
        <source>in a hole, in the desert</source>
        <translation>в яме в пустыне</translation>
    </message>
    <message>
        <source>tossed into the desert</source>
        <translation>выброшен в пустыню</translation>
    </message>
    <message>
        <source>You were left in the middle of the desert, without any food and water. As you try to walk, the sun makes you thirsty, and time makes you hungry. The wind joins forces with the sand, to make it impossible for you to do anything. You collapse to the floor, and take your last breath of air.</source>
        <translation>Тебя бросили посреди пустыни без еды и воды. Ты пытаешься идти, но солнце мучает тебя жаждой, а время — голодом. Ветер заодно с песком, и ты уже ничего не можешь сделать. Ты падаешь на землю и делаешь последний вдох.</translation>
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
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>dunemark::FortuneChart</name>
    <message>
        <source>Fortune</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Day %1: %2</source>
        <translation>День %1: %2</translation>
    </message>
</context>
<context>
    <name>dunemark::LedgerChart</name>
    <message>
        <source>Day</source>
        <translation>День</translation>
    </message>
</context>
<context>
    <name>dunemark::PriceChart</name>
    <message>
        <source>Price</source>
        <translation>Цена</translation>
    </message>
    <message>
        <source>%1, day %2: %3</source>
        <translation>%1, день %2: %3</translation>
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
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>dunemark::TownLabel</name>
    <message>
        <source>Travel to %1 (%2)</source>
        <translation>Отправиться в %1 (%2)</translation>
    </message>
</context>
<context>
    <name>dunemark::frmAbout</name>
    <message>
        <source>A trading game. Make as much money as you can before all your days go.</source>
        <translation>Торговая игра. Заработай как можно больше, пока не вышли твои дни.</translation>
    </message>
    <message>
        <source>Use this product at your own risk. Do not blame me if anything goes wrong. If you don&apos;t agree with this, then stop using this product.</source>
        <translation>Пользуйся на свой страх и риск. Если что-то пойдёт не так, я не виноват. Не согласен — не пользуйся.</translation>
    </message>
    <message>
        <source>(C) 2026 the Dunemark authors</source>
        <translation>(C) 2026 авторы Dunemark</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Об игре</translation>
    </message>
    <message>
        <source>Opens the web page</source>
        <translation>Открывает веб-страницу</translation>
    </message>
    <message>
        <source>Writes an e-mail to the author</source>
        <translation>Пишет письмо автору</translation>
    </message>
</context>
<context>
    <name>dunemark::frmBuy</name>
    <message>
        <source>How many do you wish to buy:</source>
        <translation>Сколько хочешь купить:</translation>
    </message>
    <message numerus="yes">
        <source>You can afford %1 and have space for %n more items</source>
        <translation>
            <numerusform>Денег хватает на %L1, места ещё на %Ln штуку</numerusform>
            <numerusform>Денег хватает на %L1, места ещё на %Ln штуки</numerusform>
            <numerusform>Денег хватает на %L1, места ещё на %Ln штук</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmFinances</name>
    <message>
        <source>Cash:</source>
        <translation>Деньги:</translation>
    </message>
    <message>
        <source>Bank:</source>
        <translation>Банк:</translation>
    </message>
    <message>
        <source>Debt:</source>
        <translation>Долг:</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Вложить</translation>
    </message>
    <message>
        <source>Withdraw</source>
        <translation>Снять</translation>
    </message>
    <message>
        <source>Pay Loan</source>
        <translation>Погасить</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Finances</source>
        <translation>Финансы</translation>
    </message>
</context>
<context>
    <name>dunemark::frmGetNumber</name>
    <message>
        <source>How much:</source>
        <translation>Сколько:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Financial situation</source>
        <translation>Финансовое положение</translation>
    </message>
</context>
<context>
    <name>dunemark::frmHighScores</name>
    <message>
        <source>Highscores</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>HIGHSCORES</source>
        <translation>РЕКОРДЫ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Whats your name?</source>
        <translation>Как тебя зовут?</translation>
    </message>
    <message>
        <source>You&apos;ve got a highscore</source>
        <translation>У тебя рекорд!</translation>
    </message>
</context>
<context>
    <name>dunemark::frmLedger</name>
    <message>
        <source>Ledger</source>
        <translation>Книга учёта</translation>
    </message>
    <message>
        <source>&amp;Prices</source>
        <translation>&amp;Цены</translation>
    </message>
    <message>
        <source>&amp;Fortune</source>
        <translation>&amp;Состояние</translation>
    </message>
    <message>
        <source>Show the figures as a &amp;table</source>
        <translation>Показывать &amp;данные таблицей</translation>
    </message>
    <message>
        <source>&amp;Goods:</source>
        <translation>&amp;Товар:</translation>
    </message>
    <message>
        <source>Goods</source>
        <translation>Товары</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>День</translation>
    </message>
    <message>
        <source>Fortune</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Burial</source>
        <translation>Погребение</translation>
    </message>
    <message>
        <source>Fortune at the end of each day</source>
        <translation>Состояние на конец каждого дня</translation>
    </message>
    <message>
        <source>Price chart</source>
        <translation>График цен</translation>
    </message>
    <message>
        <source>Fortune chart</source>
        <translation>График состояния</translation>
    </message>
    <message>
        <source>Prices of %1 day by day</source>
        <translation>Цены на товар «%1» по дням</translation>
    </message>
</context>
<context>
    <name>dunemark::frmMain</name>
    <message>
        <source>Item</source>
        <translation>Товар</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Цена</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Кол-во</translation>
    </message>
    <message>
        <source>Slaves: %1/%2</source>
        <translation>Рабы: %1/%2</translation>
    </message>
    <message>
        <source>Favour = %1%</source>
        <translation>Милость = %1%</translation>
    </message>
    <message>
        <source>Buy - %1</source>
        <translation>Купить - %1</translation>
    </message>
    <message>
        <source>Sell - %1</source>
        <translation>Продать - %1</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Игра окончена</translation>
    </message>
    <message>
        <source>Are you sure you wish to start a new game?</source>
        <translation>Точно начать новую игру?</translation>
    </message>
    <message>
        <source>Cash:</source>
        <translation>Деньги:</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Деньги</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Банк</translation>
    </message>
    <message>
        <source>Debt:</source>
        <translation>Долг:</translation>
    </message>
    <message>
        <source>Debt</source>
        <translation>Долг</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Карта</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Завершить</translation>
    </message>
    <message>
        <source>Special products</source>
        <translation>Особые товары</translation>
    </message>
    <message>
        <source>&amp;Buy</source>
        <translation>&amp;Купить</translation>
    </message>
    <message>
        <source>&amp;Sell</source>
        <translation>&amp;Продать</translation>
    </message>
    <message>
        <source>Finances</source>
        <translation>Финансы</translation>
    </message>
    <message>
        <source>Items available:</source>
        <translation>В продаже:</translation>
    </message>
    <message>
        <source>Items you can buy</source>
        <translation>Товары на продажу</translation>
    </message>
    <message>
        <source>Enter buys the selected item</source>
        <translation>Enter покупает выбранный товар</translation>
    </message>
    <message>
        <source>Items you have bought</source>
        <translation>Купленные товары</translation>
    </message>
    <message>
        <source>Enter sells the selected item</source>
        <translation>Enter продаёт выбранный товар</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Рекорды</translation>
    </message>
    <message>
        <source>&amp;Story</source>
        <translation>&amp;История</translation>
    </message>
    <message>
        <source>&amp;Ledger</source>
        <translation>&amp;Книга учёта</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Об игре</translation>
    </message>
</context>
<context>
    <name>dunemark::frmSell</name>
    <message>
        <source>How many do you wish to sell:</source>
        <translation>Сколько хочешь продать:</translation>
    </message>
    <message numerus="yes">
        <source>You have %n items to sell</source>
        <translation>
            <numerusform>У тебя на продажу %Ln штука</numerusform>
            <numerusform>У тебя на продажу %Ln штуки</numerusform>
            <numerusform>У тебя на продажу %Ln штук</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmShowEndTomb</name>
    <message>
        <source>What happened to you?</source>
        <translation>Что с тобой стало?</translation>
    </message>
    <message>
        <source>Your burial place</source>
        <translation>Место твоего погребения</translation>
    </message>
</context>
<context>
    <name>dunemark::frmSpecial</name>
    <message>
        <source>Special items</source>
        <translation>Особые товары</translation>
    </message>
    <message>
        <source>Buy a Pyramid Bank</source>
        <translation>Купить банк-пирамиду</translation>
    </message>
    <message>
        <source>Buy more slaves</source>
        <translation>Купить ещё рабов</translation>
    </message>
    <message>
        <source>Give gift to Pharoah</source>
        <translation>Подарок фараону</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cost:</source>
        <translation>Цена:</translation>
    </message>
    <message>
        <source>Buy</source>
        <translation>Купить</translation>
    </message>
    <message>
        <source>Buying a pyramid bank, will allow you to deposit your money into a safe place. You will then receive intrest on what you deposit. You can withdraw your money at any time.</source>
        <translation>Банк-пирамида — надёжное место для твоих денег. На вклады капают проценты. Снять деньги можно в любой момент.</translation>
    </message>
    <message>
        <source>You currently have:</source>
        <translation>Сейчас у тебя:</translation>
    </message>
    <message>
        <source>slaves</source>
        <translation>рабов</translation>
    </message>
    <message>
        <source>The more slaves you have, the more items you can buy. Each slave is responsible for one item.</source>
        <translation>Чем больше у тебя рабов, тем больше товара ты можешь купить. Каждый раб несёт одну вещь.</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Цена</translation>
    </message>
    <message>
        <source>Favour will increase by:</source>
        <translation>Милость вырастет на:</translation>
    </message>
    <message>
        <source>Favour will increase by</source>
        <translation>Милость вырастет на</translation>
    </message>
    <message>
        <source>Your cash:</source>
        <translation>Твои деньги:</translation>
    </message>
    <message>
        <source>Your cash</source>
        <translation>Твои деньги</translation>
    </message>
    <message>
        <source>Giving the pharoah gifts will increase his favour towards you and cold be profitable in the future.</source>
        <translation>Подарки фараону повышают его милость и в будущем могут окупиться.</translation>
    </message>
    <message>
        <source>Give Gift</source>
        <translation>Подарить</translation>
    </message>
    <message numerus="yes">
        <source>Buy %n more slaves for %1</source>
        <translation>
            <numerusform>Купить ещё %Ln раба за %1</numerusform>
            <numerusform>Купить ещё %Ln раба за %1</numerusform>
            <numerusform>Купить ещё %Ln рабов за %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Favour = %1%</source>
        <translation>Милость = %1%</translation>
    </message>
</context>
<context>
    <name>dunemark::frmStory</name>
    <message>
        <source>Story</source>
        <translation>История</translation>
    </message>
    <message>
        <source>You have been sentenced to death. After you pleaded with the pharoah, that you have no tomb, and hence will be unable to enter the afterlife. He agrees to grant you some money, a loan (for your bail), and 2 months, to make as much money as you can, from trading items. The amount of money you make, will decide where you get buried<byte value="xd"/>
<byte value="xd"/>
Good Luck !</source>
        <translation>Тебя приговорили к смерти. Ты умолял фараона: у тебя нет гробницы, а значит, тебе не попасть в загробный мир. Фараон согласился дать тебе немного денег, заём (на залог) и 2 месяца, чтобы ты заработал торговлей как можно больше. От того, сколько ты заработаешь, зависит, где тебя похоронят.<byte value="xd"/>
<byte value="xd"/>
Удачи!</translation>
    </message>
</context>
</TS>
