<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Goods</name>
    <message>
        <source>Gold</source>
        <translation>Ouro</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Prata</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Uvas</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Água</translation>
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
        <translation>Estátua</translation>
    </message>
    <message>
        <source>Sphinx</source>
        <translation>Esfinge</translation>
    </message>
    <message>
        <source>Marble</source>
        <translation>Mármore</translation>
    </message>
    <message>
        <source>Granite</source>
        <translation>Granito</translation>
    </message>
    <message>
        <source>Gold Statue</source>
        <translation>Estátua de ouro</translation>
    </message>
    <message>
        <source>Silver Statue</source>
        <translation>Estátua de prata</translation>
    </message>
    <message>
        <source>Gems</source>
        <translation>Joias</translation>
    </message>
    <message>
        <source>Scrolls</source>
        <translation>Pergaminhos</translation>
    </message>
    <message>
        <source>Food &amp; water</source>
        <translation>Comida e água</translation>
    </message>
</context>
<context>
    <name>Phrase</name>
    <message>
        <source>%1 prices are low</source>
        <translation>%1: preços baixos</translation>
    </message>
    <message>
        <source>The market has been flooded with cheap %1 and so prices are very low</source>
        <translation>O mercado está abarrotado de %1 e os preços despencaram</translation>
    </message>
    <message>
        <source>The Pharoah needs %1 for his personal use, and so<byte value="xd"/>
the price has gone up</source>
        <translation>O Faraó precisa de %1 para uso próprio, e por isso<byte value="xd"/>
o preço subiu</translation>
    </message>
    <message>
        <source>%1 prices are high</source>
        <translation>%1: preços altos</translation>
    </message>
    <message>
        <source>The Pharoah is pleased with you progress<byte value="xd"/>
You received a cash bonus of %1</source>
        <translation>O Faraó está satisfeito com o seu progresso<byte value="xd"/>
Você ganhou um bônus de %1</translation>
    </message>
    <message>
        <source>Dunemark - Day %1</source>
        <translation>Dunemark - Dia %1</translation>
    </message>
    <message>
        <source>You have been mugged</source>
        <translation>Você foi assaltado</translation>
    </message>
    <message>
        <source>Your pyramid bank was robbed, half your fortune has gone</source>
        <translation>Seu banco-pirâmide foi roubado, metade da sua fortuna sumiu</translation>
    </message>
    <message>
        <source>This is you last day, better sell your stock</source>
        <translation>Este é o seu último dia, é melhor vender a mercadoria</translation>
    </message>
    <message>
        <source>You managed to get a total of <byte value="xd"/>
%1</source>
        <translation>Você conseguiu juntar um total de <byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>You aint got the dosh mate</source>
        <translation>Cê tá sem grana, parceiro</translation>
    </message>
    <message>
        <source>Ya not got enuff slaves</source>
        <translation>Cê num tem escravo que chegue</translation>
    </message>
    <message>
        <source>Nothing there to sell</source>
        <translation>Não tem nada aí pra vender</translation>
    </message>
    <message>
        <source>You haven&apos;t got the money, to buy that gift</source>
        <translation>Você não tem dinheiro para comprar esse presente</translation>
    </message>
    <message>
        <source>You seem to be lacking the money</source>
        <translation>Parece que está faltando dinheiro</translation>
    </message>
    <message>
        <source>There are no more slaves for you to buy</source>
        <translation>Não há mais escravos para você comprar</translation>
    </message>
    <message>
        <source>You not got the money</source>
        <translation>Cê num tem o dinheiro</translation>
    </message>
    <message>
        <source>You now claim residence next to the Gods</source>
        <translation>Agora você repousa ao lado dos deuses</translation>
    </message>
    <message>
        <source>You now claim residency next to the great Pharoahs</source>
        <translation>Agora você repousa ao lado dos grandes faraós</translation>
    </message>
    <message>
        <source>You have a burial fit for a nobleman</source>
        <translation>Você tem um enterro digno de um nobre</translation>
    </message>
    <message>
        <source>You are buried with people of your own class</source>
        <translation>Você é enterrado com gente da sua classe</translation>
    </message>
    <message>
        <source>You are buried in a hole, in the desert</source>
        <translation>Você é enterrado num buraco no deserto</translation>
    </message>
    <message>
        <source>You were just tossed into the desert</source>
        <translation>Você foi simplesmente jogado no deserto</translation>
    </message>
    <message>
        <source>next to the Gods</source>
        <translation>ao lado dos deuses</translation>
    </message>
    <message>
        <source>next to the great Pharoahs</source>
        <translation>ao lado dos grandes faraós</translation>
    </message>
    <message>
        <source>a burial fit for a nobleman</source>
        <translation>como um nobre</translation>
    </message>
    <message>
        <source>with people of your own class</source>
        <translation>com os seus iguais</translation>
    </message>
    <message>
        <source>in a hole, in the desert</source>
        <translation>num buraco no deserto</translation>
    </message>
    <message>
        <source>tossed into the desert</source>
        <translation>jogado no deserto</translation>
    </message>
    <message>
        <source>You were left in the middle of the desert, without any food and water. As you try to walk, the sun makes you thirsty, and time makes you hungry. The wind joins forces with the sand, to make it impossible for you to do anything. You collapse to the floor, and take your last breath of air.</source>
        <translation>Você foi largado no meio do deserto, sem comida nem água. Enquanto tenta caminhar, o sol te dá sede e o tempo te dá fome. O vento se junta à areia e você não consegue fazer mais nada. Você desaba no chão e dá o seu último suspiro.</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>dunemark::FortuneChart</name>
    <message>
        <source>Fortune</source>
        <translation>Fortuna</translation>
    </message>
    <message>
        <source>Day %1: %2</source>
        <translation>Dia %1: %2</translation>
    </message>
</context>
<context>
    <name>dunemark::LedgerChart</name>
    <message>
        <source>Day</source>
        <translation>Dia</translation>
    </message>
</context>
<context>
    <name>dunemark::PriceChart</name>
    <message>
        <source>Price</source>
        <translation>Preço</translation>
    </message>
    <message>
        <source>%1, day %2: %3</source>
        <translation>%1, dia %2: %3</translation>
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
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>dunemark::TownLabel</name>
    <message>
        <source>Travel to %1 (%2)</source>
        <translation>Viajar para %1 (%2)</translation>
    </message>
</context>
<context>
    <name>dunemark::frmAbout</name>
    <message>
        <source>A trading game. Make as much money as you can before all your days go.</source>
        <translation>Um jogo de comércio. Ganhe o máximo de dinheiro que puder antes que seus dias acabem.</translation>
    </message>
    <message>
        <source>Use this product at your own risk. Do not blame me if anything goes wrong. If you don&apos;t agree with this, then stop using this product.</source>
        <translation>Use por sua conta e risco. Se algo der errado, a culpa não é minha. Não concorda? Então não use.</translation>
    </message>
    <message>
        <source>(C) 2026 the Dunemark authors</source>
        <translation>(C) 2026 os autores do Dunemark</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Opens the web page</source>
        <translation>Abre a página na web</translation>
    </message>
    <message>
        <source>Writes an e-mail to the author</source>
        <translation>Escreve um e-mail para o autor</translation>
    </message>
</context>
<context>
    <name>dunemark::frmBuy</name>
    <message>
        <source>How many do you wish to buy:</source>
        <translation>Quantos você quer comprar:</translation>
    </message>
    <message numerus="yes">
        <source>You can afford %1 and have space for %n more items</source>
        <translation>
            <numerusform>Você pode pagar %L1 e tem espaço para mais %Ln item</numerusform>
            <numerusform>Você pode pagar %L1 e tem espaço para mais %Ln itens</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmFinances</name>
    <message>
        <source>Cash:</source>
        <translation>Caixa:</translation>
    </message>
    <message>
        <source>Bank:</source>
        <translation>Banco:</translation>
    </message>
    <message>
        <source>Debt:</source>
        <translation>Dívida:</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depositar</translation>
    </message>
    <message>
        <source>Withdraw</source>
        <translation>Sacar</translation>
    </message>
    <message>
        <source>Pay Loan</source>
        <translation>Pagar dívida</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Finances</source>
        <translation>Finanças</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Financial situation</source>
        <translation>Situação financeira</translation>
    </message>
</context>
<context>
    <name>dunemark::frmHighScores</name>
    <message>
        <source>Highscores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>HIGHSCORES</source>
        <translation>RECORDES</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Whats your name?</source>
        <translation>Qual é o seu nome?</translation>
    </message>
    <message>
        <source>You&apos;ve got a highscore</source>
        <translation>Você entrou nos recordes</translation>
    </message>
</context>
<context>
    <name>dunemark::frmLedger</name>
    <message>
        <source>Ledger</source>
        <translation>Livro-caixa</translation>
    </message>
    <message>
        <source>&amp;Prices</source>
        <translation>&amp;Preços</translation>
    </message>
    <message>
        <source>&amp;Fortune</source>
        <translation>&amp;Fortuna</translation>
    </message>
    <message>
        <source>Show the figures as a &amp;table</source>
        <translation>Mostrar os números em &amp;tabela</translation>
    </message>
    <message>
        <source>&amp;Goods:</source>
        <translation>&amp;Mercadorias:</translation>
    </message>
    <message>
        <source>Goods</source>
        <translation>Mercadorias</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dia</translation>
    </message>
    <message>
        <source>Fortune</source>
        <translation>Fortuna</translation>
    </message>
    <message>
        <source>Burial</source>
        <translation>Enterro</translation>
    </message>
    <message>
        <source>Fortune at the end of each day</source>
        <translation>Fortuna no fim de cada dia</translation>
    </message>
    <message>
        <source>Price chart</source>
        <translation>Gráfico de preços</translation>
    </message>
    <message>
        <source>Fortune chart</source>
        <translation>Gráfico da fortuna</translation>
    </message>
    <message>
        <source>Prices of %1 day by day</source>
        <translation>Preços de %1 dia a dia</translation>
    </message>
</context>
<context>
    <name>dunemark::frmMain</name>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preço</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Qtd.</translation>
    </message>
    <message>
        <source>Slaves: %1/%2</source>
        <translation>Escravos: %1/%2</translation>
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
        <translation>Fim de jogo</translation>
    </message>
    <message>
        <source>Are you sure you wish to start a new game?</source>
        <translation>Tem certeza de que quer começar um novo jogo?</translation>
    </message>
    <message>
        <source>Cash:</source>
        <translation>Caixa:</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Caixa</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banco</translation>
    </message>
    <message>
        <source>Debt:</source>
        <translation>Dívida:</translation>
    </message>
    <message>
        <source>Debt</source>
        <translation>Dívida</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Encerrar</translation>
    </message>
    <message>
        <source>Special products</source>
        <translation>Produtos especiais</translation>
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
        <translation>Finanças</translation>
    </message>
    <message>
        <source>Items available:</source>
        <translation>À venda:</translation>
    </message>
    <message>
        <source>Items you can buy</source>
        <translation>Itens que você pode comprar</translation>
    </message>
    <message>
        <source>Enter buys the selected item</source>
        <translation>Enter compra o item selecionado</translation>
    </message>
    <message>
        <source>Items you have bought</source>
        <translation>Itens que você comprou</translation>
    </message>
    <message>
        <source>Enter sells the selected item</source>
        <translation>Enter vende o item selecionado</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Recordes</translation>
    </message>
    <message>
        <source>&amp;Story</source>
        <translation>&amp;História</translation>
    </message>
    <message>
        <source>&amp;Ledger</source>
        <translation>&amp;Livro-caixa</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
</context>
<context>
    <name>dunemark::frmSell</name>
    <message>
        <source>How many do you wish to sell:</source>
        <translation>Quantos você quer vender:</translation>
    </message>
    <message numerus="yes">
        <source>You have %n items to sell</source>
        <translation>
            <numerusform>Você tem %Ln item para vender</numerusform>
            <numerusform>Você tem %Ln itens para vender</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmShowEndTomb</name>
    <message>
        <source>What happened to you?</source>
        <translation>O que foi feito de você?</translation>
    </message>
    <message>
        <source>Your burial place</source>
        <translation>Sua sepultura</translation>
    </message>
</context>
<context>
    <name>dunemark::frmSpecial</name>
    <message>
        <source>Special items</source>
        <translation>Itens especiais</translation>
    </message>
    <message>
        <source>Buy a Pyramid Bank</source>
        <translation>Comprar banco-pirâmide</translation>
    </message>
    <message>
        <source>Buy more slaves</source>
        <translation>Comprar mais escravos</translation>
    </message>
    <message>
        <source>Give gift to Pharoah</source>
        <translation>Presentear o Faraó</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cost:</source>
        <translation>Custo:</translation>
    </message>
    <message>
        <source>Buy</source>
        <translation>Comprar</translation>
    </message>
    <message>
        <source>Buying a pyramid bank, will allow you to deposit your money into a safe place. You will then receive intrest on what you deposit. You can withdraw your money at any time.</source>
        <translation>Com um banco-pirâmide, você guarda seu dinheiro num lugar seguro e recebe juros sobre o que depositar. Dá para sacar a qualquer hora.</translation>
    </message>
    <message>
        <source>You currently have:</source>
        <translation>Você tem agora:</translation>
    </message>
    <message>
        <source>slaves</source>
        <translation>escravos</translation>
    </message>
    <message>
        <source>The more slaves you have, the more items you can buy. Each slave is responsible for one item.</source>
        <translation>Quanto mais escravos você tiver, mais itens pode comprar. Cada escravo carrega um item.</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Custo</translation>
    </message>
    <message>
        <source>Favour will increase by:</source>
        <translation>O favor aumenta:</translation>
    </message>
    <message>
        <source>Favour will increase by</source>
        <translation>O favor aumenta</translation>
    </message>
    <message>
        <source>Your cash:</source>
        <translation>Seu dinheiro:</translation>
    </message>
    <message>
        <source>Your cash</source>
        <translation>Seu dinheiro</translation>
    </message>
    <message>
        <source>Giving the pharoah gifts will increase his favour towards you and cold be profitable in the future.</source>
        <translation>Dar presentes ao Faraó aumenta o favor dele por você e pode render lucro no futuro.</translation>
    </message>
    <message>
        <source>Give Gift</source>
        <translation>Presentear</translation>
    </message>
    <message numerus="yes">
        <source>Buy %n more slaves for %1</source>
        <translation>
            <numerusform>Comprar mais %Ln escravo por %1</numerusform>
            <numerusform>Comprar mais %Ln escravos por %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Favour = %1%</source>
        <translation>Favor = %1%</translation>
    </message>
</context>
<context>
    <name>dunemark::frmStory</name>
    <message>
        <source>Story</source>
        <translation>História</translation>
    </message>
    <message>
        <source>You have been sentenced to death. After you pleaded with the pharoah, that you have no tomb, and hence will be unable to enter the afterlife. He agrees to grant you some money, a loan (for your bail), and 2 months, to make as much money as you can, from trading items. The amount of money you make, will decide where you get buried<byte value="xd"/>
<byte value="xd"/>
Good Luck !</source>
        <translation>Você foi condenado à morte. Implorou ao Faraó, pois não tem túmulo e por isso não poderá entrar na outra vida. Ele aceita lhe dar algum dinheiro, um empréstimo (para a sua fiança) e 2 meses para ganhar o máximo de dinheiro que puder negociando mercadorias. O dinheiro que você fizer vai decidir onde você será enterrado.<byte value="xd"/>
<byte value="xd"/>
Boa sorte!</translation>
    </message>
</context>
</TS>
