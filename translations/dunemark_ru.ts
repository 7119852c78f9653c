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
        <translation>Гранитная статуя</translation>
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
    <name>LedgerLoader</name>
    <message>
        <source>The ledger could not be opened: the file that holds it is missing.

It was looked for as:
%1</source>
        <translation>Не удалось открыть книгу учёта: нет файла, в котором она хранится.

Его искали здесь:
%1</translation>
    </message>
    <message>
        <source>The ledger could not be opened: the file that holds it, %1, could not be loaded.

%2</source>
        <translation>Не удалось открыть книгу учёта: файл %1, в котором она хранится, не загружается.

%2</translation>
    </message>
    <message>
        <source>The ledger could not be opened: the file that holds it, %1, belongs to another version of the game.</source>
        <translation>Не удалось открыть книгу учёта: файл %1, в котором она хранится, от другой версии игры.</translation>
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
        <translation>Тебя хоронят как вельможу</translation>
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
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить действие</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить действие</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Вырезать</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>В&amp;ставить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выделить всё</translation>
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
        <source>Money (cash + bank - loan)</source>
        <translation>Капитал (деньги + банк - долг)</translation>
    </message>
    <message>
        <source>Worth (money + goods)</source>
        <translation>Имущество (капитал + товары)</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Капитал</translation>
    </message>
    <message>
        <source>money</source>
        <translation>капитал</translation>
    </message>
    <message>
        <source>worth</source>
        <translation>имущество</translation>
    </message>
    <message>
        <source>Day %1, %2: %3</source>
        <translation>День %1, %2: %3</translation>
    </message>
</context>
<context>
    <name>dunemark::LastSeenTable</name>
    <message>
        <source>Goods</source>
        <translation>Товары</translation>
    </message>
    <message>
        <source>Last price seen of each good in each town</source>
        <translation>Последняя известная цена каждого товара в каждом городе</translation>
    </message>
    <message>
        <source>%1 (day %2)</source>
        <translation>%1 (день %2)</translation>
    </message>
    <message>
        <source>%1, the lowest</source>
        <translation>%1, самая низкая</translation>
    </message>
    <message>
        <source>%1, the highest</source>
        <translation>%1, самая высокая</translation>
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
    <message>
        <source>%1 each</source>
        <translation>%1 за штуку</translation>
    </message>
</context>
<context>
    <name>dunemark::SpokenNews</name>
    <message>
        <source>Cash %1, debt %2.</source>
        <translation>Деньги: %1, долг: %2.</translation>
    </message>
    <message>
        <source>Bank %1.</source>
        <translation>Банк: %1.</translation>
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
        <translation>Торговая игра. Заработай как можно больше, пока не истекли твои дни.</translation>
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
        <translation>Открыть веб-страницу</translation>
    </message>
    <message>
        <source>Writes an e-mail to the author</source>
        <translation>Написать письмо автору</translation>
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
        <translation>Внести</translation>
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
    <message>
        <source>Deposited %1.</source>
        <translation>Внесено %1.</translation>
    </message>
    <message>
        <source>Withdrew %1.</source>
        <translation>Снято %1.</translation>
    </message>
    <message>
        <source>Paid %1 of the loan.</source>
        <translation>Выплачено %1 долга.</translation>
    </message>
    <message>
        <source>How much do you deposit? At most %1.</source>
        <translation>Сколько внести? Не больше %1.</translation>
    </message>
    <message>
        <source>How much do you withdraw? At most %1.</source>
        <translation>Сколько снять? Не больше %1.</translation>
    </message>
    <message>
        <source>How much of the loan do you pay back? At most %1.</source>
        <translation>Сколько долга выплатить? Не больше %1.</translation>
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
        <translation>Сумма</translation>
    </message>
    <message>
        <source>The box holds %1: at most %2.</source>
        <extracomment>Spoken when the amount box has rewritten what was typed: %1 what it holds, %2 the most.</extracomment>
        <translation>В поле %1: не больше %2.</translation>
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
    <message>
        <source>Another Dunemark kept the highscores busy for too long.</source>
        <translation>Другая запущенная игра Dunemark слишком долго не отпускала таблицу рекордов.</translation>
    </message>
    <message>
        <source>The highscores could not be written: the disk may be full or read-only.</source>
        <translation>Не удалось записать рекорды: возможно, диск переполнен или доступен только для чтения.</translation>
    </message>
    <message>
        <source>Your score was not saved. %1 The table is unchanged.</source>
        <translation>Твой результат не сохранён. %1 Таблица не изменилась.</translation>
    </message>
    <message>
        <source>The highscores file, %1, is too large to update.</source>
        <translation>Файл рекордов, %1, слишком велик, чтобы его обновить.</translation>
    </message>
    <message>
        <source>The highscores file, %1, could not be read.</source>
        <translation>Не удалось прочитать файл рекордов, %1.</translation>
    </message>
    <message>
        <source>Something that is not a lock file stands at %1: remove it, and scores can be saved again.</source>
        <translation>В %1 лежит что-то, что не является файлом блокировки: удали это, и рекорды снова можно будет сохранять.</translation>
    </message>
    <message>
        <source>Nobody</source>
        <extracomment>The name in a high-score place that nobody has won yet.</extracomment>
        <translation>Никто</translation>
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
        <translation>Файл рекордов, %1, слишком велик, чтобы прочитать его целиком: в показанной таблице могут отсутствовать места.</translation>
    </message>
    <message>
        <source>Your score is in the table, but the disk may not have it yet: the system could not confirm that %1 was written.</source>
        <translation>Твой результат в таблице, но на диске его, возможно, ещё нет: система не подтвердила, что %1 записан.</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be opened: remove it, and scores can be saved again.</source>
        <translation>Не удаётся открыть файл блокировки %1: удали его, и рекорды снова можно будет сохранять.</translation>
    </message>
    <message>
        <source>Something stands at %1, where the new highscores file is written before it replaces the old one: remove it, and scores can be saved again.</source>
        <translation>В %1, где новый файл рекордов записывается, прежде чем заменить старый, что-то лежит: удали это, и рекорды снова можно будет сохранять.</translation>
    </message>
    <message>
        <source>The highscores file, %1, is read-only.</source>
        <translation>Файл рекордов, %1, доступен только для чтения.</translation>
    </message>
</context>
<context>
    <name>dunemark::frmHowToPlay</name>
    <message>
        <source>How to Play</source>
        <translation>Как играть</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Как играть</translation>
    </message>
    <message>
        <source>You have %1 days to make as much money as you can by trading between %2, %3 and %4. You start in %2 with %5 in cash, a loan of %6 and %7 slaves.</source>
        <translation>У тебя %1 дней, чтобы заработать как можно больше на торговле между %2, %3 и %4. Ты начинаешь в %2, и у тебя %5 денег, %6 долга и %7 рабов.</translation>
    </message>
    <message>
        <source>On day %1, the last, you can no longer buy, but you can still sell and settle your finances. Then press Finish, which covers the map, to end the game.</source>
        <translation>В день %1, последний, покупать уже нельзя, но можно продавать и разобраться с финансами. Потом нажми кнопку «Завершить», которая закрывает карту, и игра окончена.</translation>
    </message>
    <message>
        <source>Your total is your cash plus your bank balance minus your loan. Goods you still carry count for nothing, so sell them before you finish. The total decides where you are buried and whether you enter the high-score table.</source>
        <translation>Твой итог — это деньги плюс счёт в банке минус долг. Товары, что остались при тебе, ничего не стоят, так что продай их до конца. От итога зависит, где тебя похоронят и попадёшь ли ты в таблицу рекордов.</translation>
    </message>
    <message>
        <source>Click a town on the map to travel there. Every journey takes one day: prices change, interest is added to your loan and your bank, and danger may strike.</source>
        <translation>Щёлкни по городу на карте, чтобы отправиться туда. Каждая поездка занимает один день: цены меняются, на долг и на банк капают проценты, а в пути может случиться беда.</translation>
    </message>
    <message>
        <source>Staying in a town takes no time: buy and sell there as much as you like. On day %1 Finish covers the map, and there are no more journeys.</source>
        <translation>Пока ты в городе, время стоит: покупай и продавай сколько душе угодно. В день %1 карту закрывает кнопка «Завершить», и поездок больше нет.</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Товар</translation>
    </message>
    <message>
        <source>Cheapest</source>
        <translation>Дешевле всего</translation>
    </message>
    <message>
        <source>Dearest</source>
        <translation>Дороже всего</translation>
    </message>
    <message>
        <source>Every town sells the same ten goods. Each day every town draws its prices afresh, and they stay fixed while you stay. On a usual day a good costs:</source>
        <translation>Во всех городах продаются одни и те же десять товаров. Каждый день каждый город назначает цены заново, и пока ты там, они не меняются. В обычный день товар стоит:</translation>
    </message>
    <message>
        <source>In the town you arrive in, each good may meet one of these events, and a message tells you of it:</source>
        <translation>В городе, куда ты приезжаешь, с каждым товаром может случиться одно из этих событий, и об этом тебе сообщат:</translation>
    </message>
    <message>
        <source>Low prices, a chance of one in %1: about %2% of the usual price.</source>
        <translation>Низкие цены, шанс один из %1: около %2% от обычной цены.</translation>
    </message>
    <message>
        <source>A glut, a chance of one in %1: %2% of the usual price.</source>
        <translation>Рынок завален, шанс один из %1: %2% от обычной цены.</translation>
    </message>
    <message>
        <source>The Pharaoh&apos;s demand, a chance of one in %1: %2% of the usual price.</source>
        <translation>Спрос фараона, шанс один из %1: %2% от обычной цены.</translation>
    </message>
    <message>
        <source>High prices, a chance of one in %1: %2% of the usual price.</source>
        <translation>Высокие цены, шанс один из %1: %2% от обычной цены.</translation>
    </message>
    <message>
        <source>Each slave carries one item, so you can carry as many items as you have slaves. The Slaves line above your goods shows how many slaves are free, then how many you have.</source>
        <translation>Каждый раб несёт одну штуку товара, так что унести можно столько штук, сколько у тебя рабов. Строка «Рабы» над твоими товарами показывает, сколько рабов без груза, а затем сколько их всего.</translation>
    </message>
    <message>
        <source>To buy, choose a good in the items available and press Buy. The Buy window proposes the most you can take: as many as your cash pays for, but no more than your free slaves can carry. Type a smaller number if you like.</source>
        <translation>Чтобы купить, выбери товар в списке «В продаже» и нажми «Купить». Окно покупки предложит максимум: на сколько хватит денег, но не больше, чем унесут рабы без груза. Если хочешь, впиши число поменьше.</translation>
    </message>
    <message>
        <source>To sell, choose a good among the items you have bought and press Sell; the Sell window proposes all you hold. Every town buys every good at its price of the day.</source>
        <translation>Чтобы продать, выбери товар среди купленных и нажми «Продать»; окно продажи предложит всё, что у тебя есть. Каждый город покупает любой товар по сегодняшней цене.</translation>
    </message>
    <message>
        <source>Your loan grows by %1% every day, so pay it back early: in the Finances window, Pay Loan takes any part of it from your cash. You cannot borrow more.</source>
        <translation>Твой долг растёт на %1% каждый день, так что гаси его пораньше: в окне «Финансы» кнопка «Погасить» покрывает любую его часть из твоих денег. Занять больше нельзя.</translation>
    </message>
    <message>
        <source>A pyramid bank, bought in Special products for %1, pays %2% interest every day on what you keep in it. Deposit and withdraw in the Finances window, in any town, at any time.</source>
        <translation>Банк-пирамиду можно купить в окне «Особые товары» за %1; он платит %2% в день с того, что ты в нём держишь. Вкладывать и снимать деньги можно в окне «Финансы», в любом городе и в любое время.</translation>
    </message>
    <message>
        <source>Gift</source>
        <translation>Подарок</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Цена</translation>
    </message>
    <message>
        <source>Favour</source>
        <translation>Милость</translation>
    </message>
    <message>
        <source>+%1%</source>
        <translation>+%1%</translation>
    </message>
    <message>
        <source>The Pharaoh&apos;s favour, shown under the map, rises by %1% each time you sell a good for more than you paid at your latest purchase of it, and falls by %1% (never below 0) when you sell it for that or less.</source>
        <translation>Милость фараона, видная под картой, растёт на %1% всякий раз, когда ты продаёшь товар дороже, чем заплатил при последней его покупке, и падает на %1% (но не ниже 0), когда продаёшь за столько же или дешевле.</translation>
    </message>
    <message>
        <source>Gifts raise it faster, one gift each time you open the Special products window:</source>
        <translation>Подарки поднимают её быстрее, по одному подарку за каждое открытие окна «Особые товары»:</translation>
    </message>
    <message>
        <source>Once your favour has reached %1%, the Pharaoh pays you a bonus on your next journey, a sum chosen by chance of up to %2, and your favour starts again from 0.</source>
        <translation>Когда твоя милость дойдёт до %1%, при следующей поездке фараон выплатит тебе премию — случайную сумму до %2, — а милость начнётся снова с 0.</translation>
    </message>
    <message>
        <source>More slaves come in packs of %1 for %2 a pack, as long as you have fewer than %3.</source>
        <translation>Рабов можно докупать партиями по %1, по %2 за партию, пока у тебя их меньше %3.</translation>
    </message>
    <message>
        <source>The pyramid bank costs %1 and can be bought once a game.</source>
        <translation>Банк-пирамида стоит %1, и купить его можно только раз за игру.</translation>
    </message>
    <message>
        <source>On every journey there is a chance of one in %1 that you are mugged and lose %2% of your cash.</source>
        <translation>В каждой поездке есть шанс один из %1, что тебя ограбят и ты потеряешь %2% денег.</translation>
    </message>
    <message>
        <source>Once you own a pyramid bank, there is a chance of one in %1 each day that it is robbed and loses %2% of what is in it.</source>
        <translation>Когда у тебя есть банк-пирамида, каждый день есть шанс один из %1, что его ограбят и он лишится %2% вкладов.</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Итог</translation>
    </message>
    <message>
        <source>Your burial</source>
        <translation>Твоё погребение</translation>
    </message>
    <message>
        <source>above %1</source>
        <translation>больше %1</translation>
    </message>
    <message>
        <source>%1 or less</source>
        <translation>%1 или меньше</translation>
    </message>
    <message>
        <source>Your total at the end decides where you are buried; it must be above a rank&apos;s figure to earn it:</source>
        <translation>Где тебя похоронят, решает итог в конце игры; чтобы заслужить погребение, итог должен быть больше его порога:</translation>
    </message>
    <message>
        <source>The %1 best totals are kept, with names and dates, in the high-score table (View menu, Highscores). A total of 0 or more that beats one of them enters the table and you are asked your name; a total equal to one goes below it. At first every place holds %2.</source>
        <translation>%1 лучших итогов хранятся с именами и датами в таблице рекордов (меню «Вид», «Рекорды»). Итог от 0 и выше, который побьёт один из них, попадает в таблицу, и тебя спросят, как тебя зовут; равный итог встаёт ниже. Поначалу на каждом месте стоит %2.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Клавиши</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>Что делают</translation>
    </message>
    <message>
        <source>Travel to %1, %2 or %3</source>
        <translation>Отправиться в %1, %2 или %3</translation>
    </message>
    <message>
        <source>Move between the map, the buttons and the two lists</source>
        <translation>Переходить между картой, кнопками и двумя списками</translation>
    </message>
    <message>
        <source>Choose a good in a list</source>
        <translation>Выбрать товар в списке</translation>
    </message>
    <message>
        <source>Buy the good chosen in the items available, or sell the one chosen among the items you have bought; in a window, OK</source>
        <translation>Купить товар, выбранный в списке «В продаже», или продать выбранный среди купленных; в окне — OK</translation>
    </message>
    <message>
        <source>Buy, Sell</source>
        <translation>Купить, Продать</translation>
    </message>
    <message>
        <source>Press the button that has the focus, such as Finances or Special products</source>
        <translation>Нажать кнопку в фокусе, например «Финансы» или «Особые товары»</translation>
    </message>
    <message>
        <source>In a window, Cancel or close</source>
        <translation>В окне — «Отмена» или закрыть</translation>
    </message>
    <message>
        <source>In Special products, the next or the previous tab</source>
        <translation>В «Особых товарах» — следующая или предыдущая вкладка</translation>
    </message>
    <message>
        <source>The File, View and Help menus</source>
        <translation>Меню «Файл», «Вид» и «Справка»</translation>
    </message>
    <message>
        <source>The ledger of the prices you have seen and of your fortune</source>
        <translation>Книга учёта увиденных цен и твоего состояния</translation>
    </message>
    <message>
        <source>Close the window of your burial</source>
        <translation>Закрыть окно с твоим погребением</translation>
    </message>
    <message>
        <source>This window</source>
        <translation>Это окно</translation>
    </message>
    <message>
        <source>A letter, Enter, Escape or a click</source>
        <translation>Любая буква, Enter, Esc или щелчок</translation>
    </message>
    <message>
        <source>Close the story (View menu, Story) and play</source>
        <translation>Закрыть историю (меню «Вид», «История») и играть</translation>
    </message>
    <message>
        <source>The game</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>Travel</source>
        <translation>Поездки</translation>
    </message>
    <message>
        <source>The market</source>
        <translation>Рынок</translation>
    </message>
    <message>
        <source>Buying and selling</source>
        <translation>Купля и продажа</translation>
    </message>
    <message>
        <source>The loan and the pyramid bank</source>
        <translation>Долг и банк-пирамида</translation>
    </message>
    <message>
        <source>Favour and special products</source>
        <translation>Милость и особые товары</translation>
    </message>
    <message>
        <source>Dangers</source>
        <translation>Опасности</translation>
    </message>
    <message>
        <source>Where you are buried</source>
        <translation>Где тебя похоронят</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>In the ledger: the last prices seen, the prices, the fortune, the goods, the figures as a table</source>
        <translation>В книге учёта: последние цены, цены, состояние, товары, данные таблицей</translation>
    </message>
    <message>
        <source>File, Market of the Day (%1) starts a game whose markets are set by today&apos;s date: everyone who starts it on the same date plays the same market.</source>
        <translation>Меню «Файл», «Рынок дня» (%1) начинает игру, в которой рынки задаёт сегодняшняя дата: все, кто начнёт её в тот же день, играют на одном и том же рынке.</translation>
    </message>
    <message>
        <source>Each such market has a number, the date&apos;s digits for the market of the day, shown in the window&apos;s caption beside the day. File, Play Market Number (%1) plays any market again by its number, or one that a friend shares.</source>
        <translation>У каждого такого рынка есть номер (у рынка дня это цифры даты), он виден в заголовке окна рядом с днём. Меню «Файл», «Рынок по номеру» (%1) позволяет снова сыграть на любом рынке по его номеру, в том числе на том, которым поделился друг.</translation>
    </message>
    <message>
        <source>In a market game the prices of every town on every day, the market events, the muggings, the robberies of the pyramid bank and the Pharaoh&apos;s bonus are the same for every player, whatever route each takes and whatever each buys. What you make of them is yours.</source>
        <translation>На одном рынке цены в каждом городе в каждый день, рыночные события, ограбления в пути, налёты на банк-пирамиду и премия фараона одинаковы для всех игроков, какой бы путь кто ни выбрал и что бы ни покупал. А что ты из этого извлечёшь — твоё дело.</translation>
    </message>
    <message>
        <source>When a market game ends, Copy Result (%1) in the window of your burial copies one line to paste to others: the market&apos;s number, your total and your burial. Nothing is kept or sent.</source>
        <translation>Когда игра на рынке закончится, кнопка «Копировать итог» (%1) в окне с твоим погребением скопирует одну строку, чтобы поделиться с другими: номер рынка, твой итог и твоё погребение. Ничего не сохраняется и никуда не отправляется.</translation>
    </message>
    <message>
        <source>The market of the day, or a market by its number</source>
        <translation>Рынок дня или рынок по номеру</translation>
    </message>
    <message>
        <source>The market of the day</source>
        <translation>Рынок дня</translation>
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
        <source>Burial</source>
        <translation>Погребение</translation>
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
    <message>
        <source>Each town you travel to writes its prices into this ledger.</source>
        <translation>Каждый город, где ты побываешь, записывает свои цены в эту книгу.</translation>
    </message>
    <message>
        <source>&amp;Last seen</source>
        <translation>&amp;Последние цены</translation>
    </message>
    <message>
        <source>%1 the lowest and %2 the highest of the prices last seen of a good</source>
        <translation>%1 самая низкая и %2 самая высокая из последних известных цен товара</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Капитал</translation>
    </message>
    <message>
        <source>Worth</source>
        <translation>Имущество</translation>
    </message>
    <message>
        <source>Money and worth at the end of each day</source>
        <translation>Капитал и имущество на конец каждого дня</translation>
    </message>
    <message>
        <source>Worth counts the goods you carry, but the end of the game counts only money: sell your goods before you Finish.</source>
        <translation>Имущество учитывает товары при тебе, но в конце игры считается только капитал: продай товары, прежде чем нажать «Завершить».</translation>
    </message>
    <message>
        <source>Prices of %1 seen day by day</source>
        <translation>Известные цены на товар «%1» по дням</translation>
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
        <translation>&amp;Выход</translation>
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
    <message>
        <source>How to &amp;Play</source>
        <translation>Как &amp;играть</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>the price paid for goods carried</comment>
        <translation>%L1</translation>
    </message>
    <message>
        <source>%1, day %2 of %3.</source>
        <translation>%1, день %2 из %3.</translation>
    </message>
    <message>
        <source>Cash %1.</source>
        <translation>Деньги: %1.</translation>
    </message>
    <message>
        <source>You are here.</source>
        <translation>Ты здесь.</translation>
    </message>
    <message>
        <source>Nothing carried</source>
        <translation>Пусто</translation>
    </message>
    <message>
        <source>paid %1 each</source>
        <translation>куплено по %1 за штуку</translation>
    </message>
    <message>
        <source>%1 carried</source>
        <translation>с собой %1</translation>
    </message>
    <message>
        <source>Sell your goods, then press Finish to end the game.</source>
        <translation>Продай товары, затем нажми «Завершить», чтобы закончить игру.</translation>
    </message>
    <message>
        <source>%1 costs %2.</source>
        <translation>%1 стоит %2.</translation>
    </message>
    <message>
        <source>The game is over: File, New Game starts another.</source>
        <translation>Игра окончена: пункт «Новая игра» в меню «Файл» начинает новую.</translation>
    </message>
    <message>
        <source>Ends the game: your total, your burial and the high scores</source>
        <translation>Завершает игру: твой итог, твоё погребение и таблица рекордов</translation>
    </message>
    <message>
        <source>No more journeys: this is the last day.</source>
        <translation>Больше никаких путешествий: это последний день.</translation>
    </message>
    <message>
        <source>%1 - Market %2</source>
        <comment>the caption of a market game: the day&apos;s caption, the number</comment>
        <translation>%1 - Рынок %2</translation>
    </message>
    <message>
        <source>&amp;Market of the Day</source>
        <translation>&amp;Рынок дня</translation>
    </message>
    <message>
        <source>&amp;Play Market Number…</source>
        <translation>Рынок &amp;по номеру…</translation>
    </message>
    <message>
        <source>The number of the market to play (digits only, from %1 to %2):</source>
        <translation>Номер рынка для игры (только цифры, от %L1 до %L2):</translation>
    </message>
    <message>
        <source>A market number is written in digits only, from %1 to %2.</source>
        <translation>Номер рынка пишется только цифрами, от %L1 до %L2.</translation>
    </message>
    <message>
        <source>Slaves: %1 of %2 unladen</source>
        <extracomment>Spoken: how many of the slaves carry nothing yet (room for that many more goods), of all.</extracomment>
        <translation>Рабы: без груза %1 из %2</translation>
    </message>
    <message numerus="yes">
        <source>Bought %n %1 for %2.</source>
        <extracomment>Spoken: how many of the good %1 were bought, and what they cost.</extracomment>
        <translation>
            <numerusform>Куплено: %1, %Ln шт., за %2.</numerusform>
            <numerusform>Куплено: %1, %Ln шт., за %2.</numerusform>
            <numerusform>Куплено: %1, %Ln шт., за %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sold %n %1 for %2.</source>
        <extracomment>Spoken: how many of the good %1 were sold, and what they brought.</extracomment>
        <translation>
            <numerusform>Продано: %1, %Ln шт., за %2.</numerusform>
            <numerusform>Продано: %1, %Ln шт., за %2.</numerusform>
            <numerusform>Продано: %1, %Ln шт., за %2.</numerusform>
        </translation>
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
    <message>
        <source>&amp;Copy Result</source>
        <translation>&amp;Копировать итог</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Скопировано</translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried next to the Gods</source>
        <translation>
            <numerusform>Dunemark, рынок %1: %2 за %Ln день, похоронен рядом с богами</numerusform>
            <numerusform>Dunemark, рынок %1: %2 за %Ln дня, похоронен рядом с богами</numerusform>
            <numerusform>Dunemark, рынок %1: %2 за %Ln дней, похоронен рядом с богами</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried among the Pharaohs</source>
        <translation>
            <numerusform>Dunemark, рынок %1: %2 за %Ln день, похоронен среди фараонов</numerusform>
            <numerusform>Dunemark, рынок %1: %2 за %Ln дня, похоронен среди фараонов</numerusform>
            <numerusform>Dunemark, рынок %1: %2 за %Ln дней, похоронен среди фараонов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, given a burial fit for a nobleman</source>
        <translation>
            <numerusform>Dunemark, рынок %1: %2 за %Ln день, похоронен как вельможа</numerusform>
            <numerusform>Dunemark, рынок %1: %2 за %Ln дня, похоронен как вельможа</numerusform>
            <numerusform>Dunemark, рынок %1: %2 за %Ln дней, похоронен как вельможа</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried with the common folk</source>
        <translation>
            <numerusform>Dunemark, рынок %1: %2 за %Ln день, похоронен среди простого люда</numerusform>
            <numerusform>Dunemark, рынок %1: %2 за %Ln дня, похоронен среди простого люда</numerusform>
            <numerusform>Dunemark, рынок %1: %2 за %Ln дней, похоронен среди простого люда</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried in a hole in the desert</source>
        <translation>
            <numerusform>Dunemark, рынок %1: %2 за %Ln день, закопан в яме посреди пустыни</numerusform>
            <numerusform>Dunemark, рынок %1: %2 за %Ln дня, закопан в яме посреди пустыни</numerusform>
            <numerusform>Dunemark, рынок %1: %2 за %Ln дней, закопан в яме посреди пустыни</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, tossed into the desert</source>
        <translation>
            <numerusform>Dunemark, рынок %1: %2 за %Ln день, выброшен в пустыню</numerusform>
            <numerusform>Dunemark, рынок %1: %2 за %Ln дня, выброшен в пустыню</numerusform>
            <numerusform>Dunemark, рынок %1: %2 за %Ln дней, выброшен в пустыню</numerusform>
        </translation>
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
        <translation>Чем больше у тебя рабов, тем больше товара ты можешь купить. Каждый раб несёт одну штуку товара.</translation>
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
            <numerusform>Купить ещё %Ln раба за %L1</numerusform>
            <numerusform>Купить ещё %Ln раба за %L1</numerusform>
            <numerusform>Купить ещё %Ln рабов за %L1</numerusform>
        </translation>
    </message>
    <message>
        <source>Favour = %1%</source>
        <translation>Милость = %1%</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage, written as in &quot;Favour = %1%&quot;.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Cost %1, favour up by %2%</source>
        <translation>Стоимость %1, милость растёт на %2%</translation>
    </message>
    <message>
        <source>%1, page %2 of %3.</source>
        <translation>%1, страница %2 из %3.</translation>
    </message>
    <message>
        <source>Gift given: favour %1%, cash %2.</source>
        <translation>Подарок вручён: милость %1%, деньги %2.</translation>
    </message>
    <message>
        <source>You own a pyramid bank, cash %1.</source>
        <translation>У тебя есть банк-пирамида, деньги %1.</translation>
    </message>
    <message numerus="yes">
        <source>You now have %n slaves, cash %1.</source>
        <translation>
            <numerusform>Теперь у тебя %Ln раб, деньги: %1.</numerusform>
            <numerusform>Теперь у тебя %Ln раба, деньги: %1.</numerusform>
            <numerusform>Теперь у тебя %Ln рабов, деньги: %1.</numerusform>
        </translation>
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
