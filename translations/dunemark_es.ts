<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Goods</name>
    <message>
        <source>Gold</source>
        <translation>Oro</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Uvas</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Wheat</source>
        <translation>Trigo</translation>
    </message>
    <message>
        <source>Papyrus</source>
        <translation>Papiro</translation>
    </message>
    <message>
        <source>Granite Statue</source>
        <translation>Estatua de granito</translation>
    </message>
    <message>
        <source>Sphinx</source>
        <translation>Esfinge</translation>
    </message>
    <message>
        <source>Marble</source>
        <translation>Mármol</translation>
    </message>
    <message>
        <source>Granite</source>
        <translation>Granito</translation>
    </message>
    <message>
        <source>Gold Statue</source>
        <translation>Estatua de oro</translation>
    </message>
    <message>
        <source>Silver Statue</source>
        <translation>Estatua de plata</translation>
    </message>
    <message>
        <source>Gems</source>
        <translation>Gemas</translation>
    </message>
    <message>
        <source>Scrolls</source>
        <translation>Pergaminos</translation>
    </message>
    <message>
        <source>Food &amp; water</source>
        <translation>Comida y agua</translation>
    </message>
</context>
<context>
    <name>LedgerLoader</name>
    <message>
        <source>The ledger could not be opened: the file that holds it is missing.

It was looked for as:
%1</source>
        <translation>No se ha podido abrir el libro de cuentas: falta el archivo que lo contiene.

Se ha buscado en:
%1</translation>
    </message>
    <message>
        <source>The ledger could not be opened: the file that holds it, %1, could not be loaded.

%2</source>
        <translation>No se ha podido abrir el libro de cuentas: el archivo que lo contiene, %1, no se ha podido cargar.

%2</translation>
    </message>
    <message>
        <source>The ledger could not be opened: the file that holds it, %1, belongs to another version of the game.</source>
        <translation>No se ha podido abrir el libro de cuentas: el archivo que lo contiene, %1, es de otra versión del juego.</translation>
    </message>
</context>
<context>
    <name>Phrase</name>
    <message>
        <source>%1 prices are low</source>
        <translation>%1: los precios están bajos</translation>
    </message>
    <message>
        <source>The market has been flooded with cheap %1 and so prices are very low</source>
        <translation>%1: el mercado está inundado y los precios están muy bajos</translation>
    </message>
    <message>
        <source>The Pharoah needs %1 for his personal use, and so<byte value="xd"/>
the price has gone up</source>
        <translation>El Faraón necesita «%1» para su uso personal, así que<byte value="xd"/>
el precio ha subido</translation>
    </message>
    <message>
        <source>%1 prices are high</source>
        <translation>%1: los precios están altos</translation>
    </message>
    <message>
        <source>The Pharoah is pleased with you progress<byte value="xd"/>
You received a cash bonus of %1</source>
        <translation>El Faraón está contento con tus progresos<byte value="xd"/>
Recibes una prima de %1</translation>
    </message>
    <message>
        <source>Dunemark - Day %1</source>
        <translation>Dunemark - Día %1</translation>
    </message>
    <message>
        <source>You have been mugged</source>
        <translation>Te han atracado</translation>
    </message>
    <message>
        <source>Your pyramid bank was robbed, half your fortune has gone</source>
        <translation>Han robado tu banco pirámide, has perdido la mitad de tu fortuna</translation>
    </message>
    <message>
        <source>This is you last day, better sell your stock</source>
        <translation>Es tu último día, más te vale vender tu mercancía</translation>
    </message>
    <message>
        <source>You managed to get a total of <byte value="xd"/>
%1</source>
        <translation>Has conseguido un total de <byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>You aint got the dosh mate</source>
        <translation>No tienes pasta, colega</translation>
    </message>
    <message>
        <source>Ya not got enuff slaves</source>
        <translation>Te faltan esclavos, tío</translation>
    </message>
    <message>
        <source>Nothing there to sell</source>
        <translation>No hay nada que vender</translation>
    </message>
    <message>
        <source>You haven&apos;t got the money, to buy that gift</source>
        <translation>No tienes dinero para comprar ese regalo</translation>
    </message>
    <message>
        <source>You seem to be lacking the money</source>
        <translation>Parece que te falta dinero</translation>
    </message>
    <message>
        <source>There are no more slaves for you to buy</source>
        <translation>No quedan más esclavos que comprar</translation>
    </message>
    <message>
        <source>You not got the money</source>
        <translation>No te llega la pasta</translation>
    </message>
    <message>
        <source>You now claim residence next to the Gods</source>
        <translation>Ahora descansas junto a los dioses</translation>
    </message>
    <message>
        <source>You now claim residency next to the great Pharoahs</source>
        <translation>Ahora descansas junto a los grandes faraones</translation>
    </message>
    <message>
        <source>You have a burial fit for a nobleman</source>
        <translation>Tienes un entierro digno de un noble</translation>
    </message>
    <message>
        <source>You are buried with people of your own class</source>
        <translation>Te entierran con la gente de tu clase</translation>
    </message>
    <message>
        <source>You are buried in a hole, in the desert</source>
        <translation>Te entierran en un agujero, en el desierto</translation>
    </message>
    <message>
        <source>You were just tossed into the desert</source>
        <translation>Te tiraron al desierto sin más</translation>
    </message>
    <message>
        <source>next to the Gods</source>
        <translation>junto a los dioses</translation>
    </message>
    <message>
        <source>next to the great Pharoahs</source>
        <translation>junto a los grandes faraones</translation>
    </message>
    <message>
        <source>a burial fit for a nobleman</source>
        <translation>entierro de noble</translation>
    </message>
    <message>
        <source>with people of your own class</source>
        <translation>con los de tu clase</translation>
    </message>
    <message>
        <source>in a hole, in the desert</source>
        <translation>en un agujero del desierto</translation>
    </message>
    <message>
        <source>tossed into the desert</source>
        <translation>tirado en el desierto</translation>
    </message>
    <message>
        <source>You were left in the middle of the desert, without any food and water. As you try to walk, the sun makes you thirsty, and time makes you hungry. The wind joins forces with the sand, to make it impossible for you to do anything. You collapse to the floor, and take your last breath of air.</source>
        <translation>Te abandonaron en medio del desierto, sin comida ni agua. Intentas caminar, pero el sol te da sed y el tiempo te da hambre. El viento se alía con la arena para que no puedas hacer nada. Te desplomas en el suelo y exhalas tu último aliento.</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>dunemark::FortuneChart</name>
    <message>
        <source>Money (cash + bank - loan)</source>
        <translation>Dinero (efectivo + banco - deuda)</translation>
    </message>
    <message>
        <source>Worth (money + goods)</source>
        <translation>Patrimonio (dinero + mercancías)</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Dinero</translation>
    </message>
    <message>
        <source>money</source>
        <translation>dinero</translation>
    </message>
    <message>
        <source>worth</source>
        <translation>patrimonio</translation>
    </message>
    <message>
        <source>Day %1, %2: %3</source>
        <translation>Día %1, %2: %3</translation>
    </message>
</context>
<context>
    <name>dunemark::LastSeenTable</name>
    <message>
        <source>Goods</source>
        <translation>Mercancías</translation>
    </message>
    <message>
        <source>Last price seen of each good in each town</source>
        <translation>Último precio visto de cada mercancía en cada ciudad</translation>
    </message>
    <message>
        <source>%1 (day %2)</source>
        <translation>%1 (día %2)</translation>
    </message>
    <message>
        <source>%1, the lowest</source>
        <translation>%1, el más bajo</translation>
    </message>
    <message>
        <source>%1, the highest</source>
        <translation>%1, el más alto</translation>
    </message>
</context>
<context>
    <name>dunemark::LedgerChart</name>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
</context>
<context>
    <name>dunemark::PriceChart</name>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>%1, day %2: %3</source>
        <translation>%1, día %2: %3</translation>
    </message>
</context>
<context>
    <name>dunemark::QuantityDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 each</source>
        <translation>%1 cada uno</translation>
    </message>
</context>
<context>
    <name>dunemark::SpokenNews</name>
    <message>
        <source>Cash %1, debt %2.</source>
        <translation>Dinero: %1, deuda: %2.</translation>
    </message>
    <message>
        <source>Bank %1.</source>
        <translation>Banco: %1.</translation>
    </message>
</context>
<context>
    <name>dunemark::TownLabel</name>
    <message>
        <source>Travel to %1 (%2)</source>
        <translation>Viajar a %1 (%2)</translation>
    </message>
</context>
<context>
    <name>dunemark::frmAbout</name>
    <message>
        <source>A trading game. Make as much money as you can before all your days go.</source>
        <translation>Un juego de comercio. Gana todo el dinero que puedas antes de que se acaben tus días.</translation>
    </message>
    <message>
        <source>Use this product at your own risk. Do not blame me if anything goes wrong. If you don&apos;t agree with this, then stop using this product.</source>
        <translation>Úsalo bajo tu propia responsabilidad. Si algo sale mal, no me culpes. Si no estás de acuerdo, no lo uses.</translation>
    </message>
    <message>
        <source>(C) 2026 the Dunemark authors</source>
        <translation>(C) 2026 los autores de Dunemark</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Opens the web page</source>
        <translation>Abre la página web</translation>
    </message>
    <message>
        <source>Writes an e-mail to the author</source>
        <translation>Escribe un correo al autor</translation>
    </message>
</context>
<context>
    <name>dunemark::frmBuy</name>
    <message>
        <source>How many do you wish to buy:</source>
        <translation>¿Cuántos quieres comprar?</translation>
    </message>
    <message numerus="yes">
        <source>You can afford %1 and have space for %n more items</source>
        <translation>
            <numerusform>Te alcanza para %L1 y te cabe %Ln artículo más</numerusform>
            <numerusform>Te alcanza para %L1 y te caben %Ln artículos más</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmFinances</name>
    <message>
        <source>Cash:</source>
        <translation>Dinero:</translation>
    </message>
    <message>
        <source>Bank:</source>
        <translation>Banco:</translation>
    </message>
    <message>
        <source>Debt:</source>
        <translation>Deuda:</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Ingresar</translation>
    </message>
    <message>
        <source>Withdraw</source>
        <translation>Retirar</translation>
    </message>
    <message>
        <source>Pay Loan</source>
        <translation>Pagar deuda</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Finances</source>
        <translation>Finanzas</translation>
    </message>
    <message>
        <source>Deposited %1.</source>
        <translation>Has ingresado %1.</translation>
    </message>
    <message>
        <source>Withdrew %1.</source>
        <translation>Has retirado %1.</translation>
    </message>
    <message>
        <source>Paid %1 of the loan.</source>
        <translation>Has pagado %1 de la deuda.</translation>
    </message>
    <message>
        <source>How much do you deposit? At most %1.</source>
        <translation>¿Cuánto ingresas? Como máximo %1.</translation>
    </message>
    <message>
        <source>How much do you withdraw? At most %1.</source>
        <translation>¿Cuánto retiras? Como máximo %1.</translation>
    </message>
    <message>
        <source>How much of the loan do you pay back? At most %1.</source>
        <translation>¿Cuánto de la deuda pagas? Como máximo %1.</translation>
    </message>
</context>
<context>
    <name>dunemark::frmGetNumber</name>
    <message>
        <source>How much:</source>
        <translation>¿Cuánto?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Financial situation</source>
        <translation>Situación financiera</translation>
    </message>
    <message>
        <source>The box holds %1: at most %2.</source>
        <extracomment>Spoken when the amount box has rewritten what was typed: %1 what it holds, %2 the most.</extracomment>
        <translation>La casilla tiene %1: como máximo %2.</translation>
    </message>
</context>
<context>
    <name>dunemark::frmHighScores</name>
    <message>
        <source>Highscores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>HIGHSCORES</source>
        <translation>RÉCORDS</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Whats your name?</source>
        <translation>¿Cómo te llamas?</translation>
    </message>
    <message>
        <source>You&apos;ve got a highscore</source>
        <translation>¡Has hecho un récord!</translation>
    </message>
    <message>
        <source>Another Dunemark kept the highscores busy for too long.</source>
        <translation>Otra partida de Dunemark abierta ha bloqueado los récords demasiado tiempo.</translation>
    </message>
    <message>
        <source>The highscores could not be written: the disk may be full or read-only.</source>
        <translation>No se han podido guardar los récords: puede que el disco esté lleno o sea de solo lectura.</translation>
    </message>
    <message>
        <source>Your score was not saved. %1 The table is unchanged.</source>
        <translation>Tu puntuación no se ha guardado. %1 La tabla sigue igual.</translation>
    </message>
    <message>
        <source>The highscores file, %1, is too large to update.</source>
        <translation>El archivo de récords, %1, es demasiado grande para actualizarlo.</translation>
    </message>
    <message>
        <source>The highscores file, %1, could not be read.</source>
        <translation>No se ha podido leer el archivo de récords, %1.</translation>
    </message>
    <message>
        <source>Something that is not a lock file stands at %1: remove it, and scores can be saved again.</source>
        <translation>En %1 hay algo que no es un archivo de bloqueo: elimínalo y se podrán volver a guardar puntuaciones.</translation>
    </message>
    <message>
        <source>Nobody</source>
        <extracomment>The name in a high-score place that nobody has won yet.</extracomment>
        <translation>Nadie</translation>
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
        <translation>El archivo de récords, %1, es demasiado grande para leerlo entero: puede que a la tabla mostrada le falten puestos.</translation>
    </message>
    <message>
        <source>Your score is in the table, but the disk may not have it yet: the system could not confirm that %1 was written.</source>
        <translation>Tu puntuación está en la tabla, pero puede que aún no esté en el disco: el sistema no ha podido confirmar que %1 se haya escrito.</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be opened: remove it, and scores can be saved again.</source>
        <translation>No se puede abrir el archivo de bloqueo %1: elimínalo y se podrán volver a guardar puntuaciones.</translation>
    </message>
    <message>
        <source>Something stands at %1, where the new highscores file is written before it replaces the old one: remove it, and scores can be saved again.</source>
        <translation>En %1, donde se escribe el nuevo archivo de récords antes de sustituir al anterior, hay algo: elimínalo y se podrán volver a guardar puntuaciones.</translation>
    </message>
    <message>
        <source>The highscores file, %1, is read-only.</source>
        <translation>El archivo de récords, %1, es de solo lectura.</translation>
    </message>
</context>
<context>
    <name>dunemark::frmHowToPlay</name>
    <message>
        <source>How to Play</source>
        <translation>Cómo jugar</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Cómo jugar</translation>
    </message>
    <message>
        <source>You have %1 days to make as much money as you can by trading between %2, %3 and %4. You start in %2 with %5 in cash, a loan of %6 and %7 slaves.</source>
        <translation>Tienes %1 días para ganar todo el dinero que puedas comerciando entre %2, %3 y %4. Empiezas en %2 con %5 en efectivo, un préstamo de %6 y %7 esclavos.</translation>
    </message>
    <message>
        <source>On day %1, the last, you can no longer buy, but you can still sell and settle your finances. Then press Finish, which covers the map, to end the game.</source>
        <translation>El día %1, el último, ya no puedes comprar, pero sí vender y arreglar tus finanzas. Después pulsa Balance final, que tapa el mapa, para acabar la partida.</translation>
    </message>
    <message>
        <source>Your total is your cash plus your bank balance minus your loan. Goods you still carry count for nothing, so sell them before you finish. The total decides where you are buried and whether you enter the high-score table.</source>
        <translation>Tu total es tu dinero más lo que tienes en el banco menos tu deuda. Las mercancías que aún llevas no cuentan para nada, así que véndelas antes de terminar. El total decide dónde te entierran y si entras en la tabla de récords.</translation>
    </message>
    <message>
        <source>Click a town on the map to travel there. Every journey takes one day: prices change, interest is added to your loan and your bank, and danger may strike.</source>
        <translation>Haz clic en una ciudad del mapa para viajar allí. Cada viaje dura un día: los precios cambian, se suman intereses a tu deuda y a tu banco, y te pueden pasar cosas malas.</translation>
    </message>
    <message>
        <source>Staying in a town takes no time: buy and sell there as much as you like. On day %1 Finish covers the map, and there are no more journeys.</source>
        <translation>Quedarte en una ciudad no gasta tiempo: compra y vende allí todo lo que quieras. El día %1, Balance final tapa el mapa y ya no hay más viajes.</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Mercancía</translation>
    </message>
    <message>
        <source>Cheapest</source>
        <translation>Más barata</translation>
    </message>
    <message>
        <source>Dearest</source>
        <translation>Más cara</translation>
    </message>
    <message>
        <source>Every town sells the same ten goods. Each day every town draws its prices afresh, and they stay fixed while you stay. On a usual day a good costs:</source>
        <translation>Todas las ciudades venden las mismas diez mercancías. Cada día, cada ciudad saca sus precios de nuevo, y no cambian mientras te quedes. Un día normal, una mercancía cuesta:</translation>
    </message>
    <message>
        <source>In the town you arrive in, each good may meet one of these events, and a message tells you of it:</source>
        <translation>En la ciudad a la que llegas, a cada mercancía le puede pasar una de estas cosas, y un mensaje te lo avisa:</translation>
    </message>
    <message>
        <source>Low prices, a chance of one in %1: about %2% of the usual price.</source>
        <translation>Precios bajos, una probabilidad entre %1: cerca del %2% del precio normal.</translation>
    </message>
    <message>
        <source>A glut, a chance of one in %1: %2% of the usual price.</source>
        <translation>Mercado inundado, una probabilidad entre %1: el %2% del precio normal.</translation>
    </message>
    <message>
        <source>The Pharaoh&apos;s demand, a chance of one in %1: %2% of the usual price.</source>
        <translation>El Faraón la necesita, una probabilidad entre %1: el %2% del precio normal.</translation>
    </message>
    <message>
        <source>High prices, a chance of one in %1: %2% of the usual price.</source>
        <translation>Precios altos, una probabilidad entre %1: el %2% del precio normal.</translation>
    </message>
    <message>
        <source>Each slave carries one item, so you can carry as many items as you have slaves. The Slaves line above your goods shows how many slaves are free, then how many you have.</source>
        <translation>Cada esclavo carga con un artículo, así que puedes llevar tantos artículos como esclavos tengas. La línea Esclavos, encima de tus mercancías, muestra cuántos esclavos van sin carga y luego cuántos tienes.</translation>
    </message>
    <message>
        <source>To buy, choose a good in the items available and press Buy. The Buy window proposes the most you can take: as many as your cash pays for, but no more than your free slaves can carry. Type a smaller number if you like.</source>
        <translation>Para comprar, elige una mercancía de la lista En venta y pulsa Comprar. La ventana de compra te propone el máximo que puedes llevarte: todo lo que puedas pagar, pero no más de lo que puedan llevar tus esclavos aún sin carga. Si quieres, escribe un número menor.</translation>
    </message>
    <message>
        <source>To sell, choose a good among the items you have bought and press Sell; the Sell window proposes all you hold. Every town buys every good at its price of the day.</source>
        <translation>Para vender, elige una mercancía entre los artículos que has comprado y pulsa Vender; la ventana de venta te propone todo lo que tienes. Todas las ciudades compran todas las mercancías a su precio del día.</translation>
    </message>
    <message>
        <source>Your loan grows by %1% every day, so pay it back early: in the Finances window, Pay Loan takes any part of it from your cash. You cannot borrow more.</source>
        <translation>Tu préstamo crece un %1% cada día, así que devuélvelo pronto: en la ventana Finanzas, Pagar deuda salda la parte que quieras con tu dinero. No puedes pedir más prestado.</translation>
    </message>
    <message>
        <source>A pyramid bank, bought in Special products for %1, pays %2% interest every day on what you keep in it. Deposit and withdraw in the Finances window, in any town, at any time.</source>
        <translation>Un banco pirámide, que se compra en Productos especiales por %1, paga un %2% de interés al día por lo que guardes en él. Ingresa y retira dinero en la ventana Finanzas, en cualquier ciudad y en cualquier momento.</translation>
    </message>
    <message>
        <source>Gift</source>
        <translation>Regalo</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Favour</source>
        <translation>Favor</translation>
    </message>
    <message>
        <source>+%1%</source>
        <translation>+%1%</translation>
    </message>
    <message>
        <source>The Pharaoh&apos;s favour, shown under the map, rises by %1% each time you sell a good for more than you paid at your latest purchase of it, and falls by %1% (never below 0) when you sell it for that or less.</source>
        <translation>El favor del Faraón, que se ve bajo el mapa, sube un %1% cada vez que vendes una mercancía por más de lo que pagaste en tu última compra de ella, y baja un %1% (nunca por debajo de 0) cuando la vendes por eso o por menos.</translation>
    </message>
    <message>
        <source>Gifts raise it faster, one gift each time you open the Special products window:</source>
        <translation>Los regalos lo suben más deprisa, un regalo cada vez que abres la ventana Productos especiales:</translation>
    </message>
    <message>
        <source>Once your favour has reached %1%, the Pharaoh pays you a bonus on your next journey, a sum chosen by chance of up to %2, and your favour starts again from 0.</source>
        <translation>Cuando tu favor llega al %1%, el Faraón te paga una prima en tu siguiente viaje, una suma al azar de hasta %2, y tu favor vuelve a empezar desde 0.</translation>
    </message>
    <message>
        <source>More slaves come in packs of %1 for %2 a pack, as long as you have fewer than %3.</source>
        <translation>Los esclavos extra vienen en lotes de %1 a %2 el lote, mientras tengas menos de %3.</translation>
    </message>
    <message>
        <source>The pyramid bank costs %1 and can be bought once a game.</source>
        <translation>El banco pirámide cuesta %1 y solo se puede comprar una vez por partida.</translation>
    </message>
    <message>
        <source>On every journey there is a chance of one in %1 that you are mugged and lose %2% of your cash.</source>
        <translation>En cada viaje hay una probabilidad entre %1 de que te atraquen y pierdas el %2% de tu dinero.</translation>
    </message>
    <message>
        <source>Once you own a pyramid bank, there is a chance of one in %1 each day that it is robbed and loses %2% of what is in it.</source>
        <translation>Si tienes un banco pirámide, cada día hay una probabilidad entre %1 de que lo roben y pierda el %2% de lo que guarda.</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Your burial</source>
        <translation>Tu entierro</translation>
    </message>
    <message>
        <source>above %1</source>
        <translation>más de %1</translation>
    </message>
    <message>
        <source>%1 or less</source>
        <translation>%1 o menos</translation>
    </message>
    <message>
        <source>Your total at the end decides where you are buried; it must be above a rank&apos;s figure to earn it:</source>
        <translation>Tu total al final decide dónde te entierran; para ganarte cada rango tienes que superar su cifra:</translation>
    </message>
    <message>
        <source>The %1 best totals are kept, with names and dates, in the high-score table (View menu, Highscores). A total of 0 or more that beats one of them enters the table and you are asked your name; a total equal to one goes below it. At first every place holds %2.</source>
        <translation>Los %1 mejores totales se guardan, con nombre y fecha, en la tabla de récords (menú Ver, Récords). Un total de 0 o más que supere a uno de ellos entra en la tabla y se te pide el nombre; un total igual a otro queda por debajo de él. Al principio, cada puesto tiene %2.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>Qué hacen</translation>
    </message>
    <message>
        <source>Travel to %1, %2 or %3</source>
        <translation>Viajar a %1, %2 o %3</translation>
    </message>
    <message>
        <source>Move between the map, the buttons and the two lists</source>
        <translation>Moverse entre el mapa, los botones y las dos listas</translation>
    </message>
    <message>
        <source>Choose a good in a list</source>
        <translation>Elegir una mercancía de una lista</translation>
    </message>
    <message>
        <source>Buy the good chosen in the items available, or sell the one chosen among the items you have bought; in a window, OK</source>
        <translation>Comprar la mercancía elegida en En venta, o vender la elegida entre los artículos comprados; en una ventana, Aceptar</translation>
    </message>
    <message>
        <source>Buy, Sell</source>
        <translation>Comprar, Vender</translation>
    </message>
    <message>
        <source>Press the button that has the focus, such as Finances or Special products</source>
        <translation>Pulsar el botón que tiene el foco, como Finanzas o Productos especiales</translation>
    </message>
    <message>
        <source>In a window, Cancel or close</source>
        <translation>En una ventana, Cancelar o cerrar</translation>
    </message>
    <message>
        <source>In Special products, the next or the previous tab</source>
        <translation>En Productos especiales, la pestaña siguiente o la anterior</translation>
    </message>
    <message>
        <source>The File, View and Help menus</source>
        <translation>Los menús Archivo, Ver y Ayuda</translation>
    </message>
    <message>
        <source>The ledger of the prices you have seen and of your fortune</source>
        <translation>El libro de cuentas, con los precios que has visto y tu fortuna</translation>
    </message>
    <message>
        <source>Close the window of your burial</source>
        <translation>Cerrar la ventana de tu entierro</translation>
    </message>
    <message>
        <source>This window</source>
        <translation>Esta ventana</translation>
    </message>
    <message>
        <source>A letter, Enter, Escape or a click</source>
        <translation>Una letra, Intro, Escape o un clic</translation>
    </message>
    <message>
        <source>Close the story (View menu, Story) and play</source>
        <translation>Cerrar la historia (menú Ver, Historia) y jugar</translation>
    </message>
    <message>
        <source>The game</source>
        <translation>La partida</translation>
    </message>
    <message>
        <source>Travel</source>
        <translation>Los viajes</translation>
    </message>
    <message>
        <source>The market</source>
        <translation>El mercado</translation>
    </message>
    <message>
        <source>Buying and selling</source>
        <translation>Comprar y vender</translation>
    </message>
    <message>
        <source>The loan and the pyramid bank</source>
        <translation>El préstamo y el banco pirámide</translation>
    </message>
    <message>
        <source>Favour and special products</source>
        <translation>El favor y los productos especiales</translation>
    </message>
    <message>
        <source>Dangers</source>
        <translation>Peligros</translation>
    </message>
    <message>
        <source>Where you are buried</source>
        <translation>Dónde te entierran</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>In the ledger: the last prices seen, the prices, the fortune, the goods, the figures as a table</source>
        <translation>En el libro de cuentas: últimos precios, precios, fortuna, las mercancías, las cifras en tabla</translation>
    </message>
    <message>
        <source>File, Market of the Day (%1) starts a game whose markets are set by today&apos;s date: everyone who starts it on the same date plays the same market.</source>
        <translation>Archivo, Mercado del día (%1) empieza una partida cuyos mercados dependen de la fecha de hoy: todos los que la empiecen el mismo día juegan en el mismo mercado.</translation>
    </message>
    <message>
        <source>Each such market has a number, the date&apos;s digits for the market of the day, shown in the window&apos;s caption beside the day. File, Play Market Number (%1) plays any market again by its number, or one that a friend shares.</source>
        <translation>Cada uno de estos mercados tiene un número (en el mercado del día, las cifras de la fecha), que aparece en el título de la ventana junto al día. Archivo, Jugar un mercado por número (%1) vuelve a jugar cualquier mercado por su número, también uno que te pase un amigo.</translation>
    </message>
    <message>
        <source>In a market game the prices of every town on every day, the market events, the muggings, the robberies of the pyramid bank and the Pharaoh&apos;s bonus are the same for every player, whatever route each takes and whatever each buys. What you make of them is yours.</source>
        <translation>En un mismo mercado, los precios de cada ciudad cada día, los sucesos del mercado, los atracos en el camino, los robos al banco pirámide y la prima del Faraón son iguales para todos los jugadores, sea cual sea la ruta de cada uno y compre lo que compre. Lo que hagas con ello es cosa tuya.</translation>
    </message>
    <message>
        <source>When a market game ends, Copy Result (%1) in the window of your burial copies one line to paste to others: the market&apos;s number, your total and your burial. Nothing is kept or sent.</source>
        <translation>Al acabar una partida de mercado, el botón Copiar resultado (%1), en la ventana de tu entierro, copia una línea para pasársela a otros: el número del mercado, tu total y tu entierro. No se guarda ni se envía nada.</translation>
    </message>
    <message>
        <source>The market of the day, or a market by its number</source>
        <translation>El mercado del día, o un mercado por su número</translation>
    </message>
    <message>
        <source>The market of the day</source>
        <translation>El mercado del día</translation>
    </message>
</context>
<context>
    <name>dunemark::frmLedger</name>
    <message>
        <source>Ledger</source>
        <translation>Libro de cuentas</translation>
    </message>
    <message>
        <source>&amp;Prices</source>
        <translation>&amp;Precios</translation>
    </message>
    <message>
        <source>&amp;Fortune</source>
        <translation>&amp;Fortuna</translation>
    </message>
    <message>
        <source>Show the figures as a &amp;table</source>
        <translation>Mostrar las cifras en una &amp;tabla</translation>
    </message>
    <message>
        <source>&amp;Goods:</source>
        <translation>&amp;Mercancías:</translation>
    </message>
    <message>
        <source>Goods</source>
        <translation>Mercancías</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Burial</source>
        <translation>Entierro</translation>
    </message>
    <message>
        <source>Price chart</source>
        <translation>Gráfico de precios</translation>
    </message>
    <message>
        <source>Fortune chart</source>
        <translation>Gráfico de fortuna</translation>
    </message>
    <message>
        <source>Prices of %1 day by day</source>
        <translation>%1: precios día a día</translation>
    </message>
    <message>
        <source>Each town you travel to writes its prices into this ledger.</source>
        <translation>Cada ciudad a la que viajas apunta sus precios en este libro de cuentas.</translation>
    </message>
    <message>
        <source>&amp;Last seen</source>
        <translation>Ú&amp;ltimos precios</translation>
    </message>
    <message>
        <source>%1 the lowest and %2 the highest of the prices last seen of a good</source>
        <translation>%1 el más bajo y %2 el más alto de los últimos precios vistos de una mercancía</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Dinero</translation>
    </message>
    <message>
        <source>Worth</source>
        <translation>Patrimonio</translation>
    </message>
    <message>
        <source>Money and worth at the end of each day</source>
        <translation>Dinero y patrimonio al final de cada día</translation>
    </message>
    <message>
        <source>Worth counts the goods you carry, but the end of the game counts only money: sell your goods before you Finish.</source>
        <translation>El patrimonio cuenta las mercancías que llevas, pero al final de la partida solo cuenta el dinero: véndelas antes de pulsar Balance final.</translation>
    </message>
    <message>
        <source>Prices of %1 seen day by day</source>
        <translation>%1: precios vistos día a día</translation>
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
        <translation>Artículo</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Cant.</translation>
    </message>
    <message>
        <source>Slaves: %1/%2</source>
        <translation>Esclavos: %1/%2</translation>
    </message>
    <message>
        <source>Favour = %1%</source>
        <translation>Favor = %1%</translation>
    </message>
    <message>
        <source>Buy - %1</source>
        <translation>Comprar - %1</translation>
    </message>
    <message>
        <source>Sell - %1</source>
        <translation>Vender - %1</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>Are you sure you wish to start a new game?</source>
        <translation>¿Seguro que quieres empezar una partida nueva?</translation>
    </message>
    <message>
        <source>Cash:</source>
        <translation>Dinero:</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Dinero</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banco</translation>
    </message>
    <message>
        <source>Debt:</source>
        <translation>Deuda:</translation>
    </message>
    <message>
        <source>Debt</source>
        <translation>Deuda</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Balance final</translation>
    </message>
    <message>
        <source>Special products</source>
        <translation>Productos especiales</translation>
    </message>
    <message>
        <source>&amp;Buy</source>
        <translation>&amp;Comprar</translation>
    </message>
    <message>
        <source>&amp;Sell</source>
        <translation>&amp;Vender</translation>
    </message>
    <message>
        <source>Finances</source>
        <translation>Finanzas</translation>
    </message>
    <message>
        <source>Items available:</source>
        <translation>En venta:</translation>
    </message>
    <message>
        <source>Items you can buy</source>
        <translation>Artículos que puedes comprar</translation>
    </message>
    <message>
        <source>Enter buys the selected item</source>
        <translation>Intro compra el artículo elegido</translation>
    </message>
    <message>
        <source>Items you have bought</source>
        <translation>Artículos comprados</translation>
    </message>
    <message>
        <source>Enter sells the selected item</source>
        <translation>Intro vende el artículo elegido</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>V&amp;er</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Récords</translation>
    </message>
    <message>
        <source>&amp;Story</source>
        <translation>&amp;Historia</translation>
    </message>
    <message>
        <source>&amp;Ledger</source>
        <translation>&amp;Libro de cuentas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>How to &amp;Play</source>
        <translation>Cómo &amp;jugar</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>the price paid for goods carried</comment>
        <translation>%L1</translation>
    </message>
    <message>
        <source>%1, day %2 of %3.</source>
        <translation>%1, día %2 de %3.</translation>
    </message>
    <message>
        <source>Cash %1.</source>
        <translation>Dinero: %1.</translation>
    </message>
    <message>
        <source>You are here.</source>
        <translation>Estás aquí.</translation>
    </message>
    <message>
        <source>Nothing carried</source>
        <translation>Vacío</translation>
    </message>
    <message>
        <source>paid %1 each</source>
        <translation>pagado a %1 cada uno</translation>
    </message>
    <message>
        <source>%1 carried</source>
        <translation>%1 cargados</translation>
    </message>
    <message>
        <source>Sell your goods, then press Finish to end the game.</source>
        <translation>Vende tus mercancías y luego pulsa Balance final para terminar la partida.</translation>
    </message>
    <message>
        <source>%1 costs %2.</source>
        <translation>%1 cuesta %2.</translation>
    </message>
    <message>
        <source>The game is over: File, New Game starts another.</source>
        <translation>La partida ha terminado: Archivo, Nueva partida empieza otra.</translation>
    </message>
    <message>
        <source>Ends the game: your total, your burial and the high scores</source>
        <translation>Termina la partida: tu total, tu entierro y las mejores puntuaciones</translation>
    </message>
    <message>
        <source>No more journeys: this is the last day.</source>
        <translation>No hay más viajes: es el último día.</translation>
    </message>
    <message>
        <source>%1 - Market %2</source>
        <comment>the caption of a market game: the day&apos;s caption, the number</comment>
        <translation>%1 - Mercado %2</translation>
    </message>
    <message>
        <source>&amp;Market of the Day</source>
        <translation>&amp;Mercado del día</translation>
    </message>
    <message>
        <source>&amp;Play Market Number…</source>
        <translation>&amp;Jugar un mercado por número…</translation>
    </message>
    <message>
        <source>The number of the market to play (digits only, from %1 to %2):</source>
        <translation>Número del mercado que quieres jugar (solo cifras, de %L1 a %L2):</translation>
    </message>
    <message>
        <source>A market number is written in digits only, from %1 to %2.</source>
        <translation>Un número de mercado se escribe solo con cifras, de %L1 a %L2.</translation>
    </message>
    <message>
        <source>Slaves: %1 of %2 unladen</source>
        <extracomment>Spoken: how many of the slaves carry nothing yet (room for that many more goods), of all.</extracomment>
        <translation>Esclavos: %1 de %2 sin carga</translation>
    </message>
    <message numerus="yes">
        <source>Bought %n %1 for %2.</source>
        <extracomment>Spoken: how many of the good %1 were bought, and what they cost.</extracomment>
        <translation>
            <numerusform>Has comprado: %1, %Ln unidad, por %2.</numerusform>
            <numerusform>Has comprado: %1, %Ln unidades, por %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sold %n %1 for %2.</source>
        <extracomment>Spoken: how many of the good %1 were sold, and what they brought.</extracomment>
        <translation>
            <numerusform>Has vendido: %1, %Ln unidad, por %2.</numerusform>
            <numerusform>Has vendido: %1, %Ln unidades, por %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmSell</name>
    <message>
        <source>How many do you wish to sell:</source>
        <translation>¿Cuántos quieres vender?</translation>
    </message>
    <message numerus="yes">
        <source>You have %n items to sell</source>
        <translation>
            <numerusform>Tienes %Ln artículo para vender</numerusform>
            <numerusform>Tienes %Ln artículos para vender</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmShowEndTomb</name>
    <message>
        <source>What happened to you?</source>
        <translation>¿Qué ha sido de ti?</translation>
    </message>
    <message>
        <source>Your burial place</source>
        <translation>Tu sepultura</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>&amp;Copiar resultado</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried next to the Gods</source>
        <translation>
            <numerusform>Dunemark, mercado %1: %2 en %Ln día, enterrado junto a los dioses</numerusform>
            <numerusform>Dunemark, mercado %1: %2 en %Ln días, enterrado junto a los dioses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried among the Pharaohs</source>
        <translation>
            <numerusform>Dunemark, mercado %1: %2 en %Ln día, enterrado entre los faraones</numerusform>
            <numerusform>Dunemark, mercado %1: %2 en %Ln días, enterrado entre los faraones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, given a burial fit for a nobleman</source>
        <translation>
            <numerusform>Dunemark, mercado %1: %2 en %Ln día, con un entierro digno de un noble</numerusform>
            <numerusform>Dunemark, mercado %1: %2 en %Ln días, con un entierro digno de un noble</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried with the common folk</source>
        <translation>
            <numerusform>Dunemark, mercado %1: %2 en %Ln día, enterrado con el pueblo llano</numerusform>
            <numerusform>Dunemark, mercado %1: %2 en %Ln días, enterrado con el pueblo llano</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried in a hole in the desert</source>
        <translation>
            <numerusform>Dunemark, mercado %1: %2 en %Ln día, enterrado en un agujero del desierto</numerusform>
            <numerusform>Dunemark, mercado %1: %2 en %Ln días, enterrado en un agujero del desierto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, tossed into the desert</source>
        <translation>
            <numerusform>Dunemark, mercado %1: %2 en %Ln día, tirado en el desierto</numerusform>
            <numerusform>Dunemark, mercado %1: %2 en %Ln días, tirado en el desierto</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmSpecial</name>
    <message>
        <source>Special items</source>
        <translation>Productos especiales</translation>
    </message>
    <message>
        <source>Buy a Pyramid Bank</source>
        <translation>Banco pirámide</translation>
    </message>
    <message>
        <source>Buy more slaves</source>
        <translation>Más esclavos</translation>
    </message>
    <message>
        <source>Give gift to Pharoah</source>
        <translation>Regalo al Faraón</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cost:</source>
        <translation>Coste:</translation>
    </message>
    <message>
        <source>Buy</source>
        <translation>Comprar</translation>
    </message>
    <message>
        <source>Buying a pyramid bank, will allow you to deposit your money into a safe place. You will then receive intrest on what you deposit. You can withdraw your money at any time.</source>
        <translation>Con un banco pirámide guardas tu dinero en un lugar seguro. Tus depósitos te darán intereses y podrás retirar tu dinero cuando quieras.</translation>
    </message>
    <message>
        <source>You currently have:</source>
        <translation>Ahora tienes:</translation>
    </message>
    <message>
        <source>slaves</source>
        <translation>esclavos</translation>
    </message>
    <message>
        <source>The more slaves you have, the more items you can buy. Each slave is responsible for one item.</source>
        <translation>Cuantos más esclavos tengas, más artículos podrás comprar. Cada esclavo carga con un artículo.</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coste</translation>
    </message>
    <message>
        <source>Favour will increase by:</source>
        <translation>Aumento de favor:</translation>
    </message>
    <message>
        <source>Favour will increase by</source>
        <translation>Aumento de favor</translation>
    </message>
    <message>
        <source>Your cash:</source>
        <translation>Tu dinero:</translation>
    </message>
    <message>
        <source>Your cash</source>
        <translation>Tu dinero</translation>
    </message>
    <message>
        <source>Giving the pharoah gifts will increase his favour towards you and cold be profitable in the future.</source>
        <translation>Hacer regalos al Faraón aumenta su favor hacia ti y podría salirte rentable en el futuro.</translation>
    </message>
    <message>
        <source>Give Gift</source>
        <translation>Regalar</translation>
    </message>
    <message numerus="yes">
        <source>Buy %n more slaves for %1</source>
        <translation>
            <numerusform>Comprar %Ln esclavo más por %L1</numerusform>
            <numerusform>Comprar %Ln esclavos más por %L1</numerusform>
        </translation>
    </message>
    <message>
        <source>Favour = %1%</source>
        <translation>Favor = %1%</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage, written as in &quot;Favour = %1%&quot;.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Cost %1, favour up by %2%</source>
        <translation>Cuesta %1, el favor sube un %2%</translation>
    </message>
    <message>
        <source>%1, page %2 of %3.</source>
        <translation>%1, página %2 de %3.</translation>
    </message>
    <message>
        <source>Gift given: favour %1%, cash %2.</source>
        <translation>Regalo entregado: favor %1%, dinero %2.</translation>
    </message>
    <message>
        <source>You own a pyramid bank, cash %1.</source>
        <translation>Ahora tienes un banco pirámide, dinero %1.</translation>
    </message>
    <message numerus="yes">
        <source>You now have %n slaves, cash %1.</source>
        <translation>
            <numerusform>Ahora tienes %Ln esclavo, dinero %1.</numerusform>
            <numerusform>Ahora tienes %Ln esclavos, dinero %1.</numerusform>
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
        <translation>Te han condenado a muerte. Le suplicaste al Faraón, porque no tienes tumba y así no podrás entrar en el más allá. Él accede a darte algo de dinero, un préstamo (para tu fianza) y 2 meses para ganar todo el dinero que puedas comerciando. El dinero que ganes decidirá dónde te entierran.<byte value="xd"/>
<byte value="xd"/>
¡Buena suerte!</translation>
    </message>
</context>
</TS>
