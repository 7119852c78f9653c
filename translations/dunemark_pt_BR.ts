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
        <translation>Estátua de granito</translation>
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
    <name>LedgerLoader</name>
    <message>
        <source>The ledger could not be opened: the file that holds it is missing.

It was looked for as:
%1</source>
        <translation>Não foi possível abrir o livro-caixa: o arquivo que o contém não existe.

Ele foi procurado em:
%1</translation>
    </message>
    <message>
        <source>The ledger could not be opened: the file that holds it, %1, could not be loaded.

%2</source>
        <translation>Não foi possível abrir o livro-caixa: o arquivo que o contém, %1, não pôde ser carregado.

%2</translation>
    </message>
    <message>
        <source>The ledger could not be opened: the file that holds it, %1, belongs to another version of the game.</source>
        <translation>Não foi possível abrir o livro-caixa: o arquivo que o contém, %1, é de outra versão do jogo.</translation>
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
        <translation>%1: o mercado está abarrotado e os preços despencaram</translation>
    </message>
    <message>
        <source>The Pharoah needs %1 for his personal use, and so<byte value="xd"/>
the price has gone up</source>
        <translation>%1: o Faraó precisa disso para uso próprio, e por isso<byte value="xd"/>
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
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;olar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
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
        <source>Money (cash + bank - loan)</source>
        <translation>Dinheiro (caixa + banco - dívida)</translation>
    </message>
    <message>
        <source>Worth (money + goods)</source>
        <translation>Patrimônio (dinheiro + mercadorias)</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Dinheiro</translation>
    </message>
    <message>
        <source>money</source>
        <translation>dinheiro</translation>
    </message>
    <message>
        <source>worth</source>
        <translation>patrimônio</translation>
    </message>
    <message>
        <source>Day %1, %2: %3</source>
        <translation>Dia %1, %2: %3</translation>
    </message>
</context>
<context>
    <name>dunemark::LastSeenTable</name>
    <message>
        <source>Goods</source>
        <translation>Mercadorias</translation>
    </message>
    <message>
        <source>Last price seen of each good in each town</source>
        <translation>Último preço visto de cada mercadoria em cada cidade</translation>
    </message>
    <message>
        <source>%1 (day %2)</source>
        <translation>%1 (dia %2)</translation>
    </message>
    <message>
        <source>%1, the lowest</source>
        <translation>%1, o mais baixo</translation>
    </message>
    <message>
        <source>%1, the highest</source>
        <translation>%1, o mais alto</translation>
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
    <message>
        <source>%1 each</source>
        <translation>%1 cada</translation>
    </message>
</context>
<context>
    <name>dunemark::SpokenNews</name>
    <message>
        <source>Cash %1, debt %2.</source>
        <translation>Caixa: %1, dívida: %2.</translation>
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
    <message>
        <source>Deposited %1.</source>
        <translation>Você depositou %1.</translation>
    </message>
    <message>
        <source>Withdrew %1.</source>
        <translation>Você sacou %1.</translation>
    </message>
    <message>
        <source>Paid %1 of the loan.</source>
        <translation>Você pagou %1 do empréstimo.</translation>
    </message>
    <message>
        <source>How much do you deposit? At most %1.</source>
        <translation>Quanto você deposita? No máximo %1.</translation>
    </message>
    <message>
        <source>How much do you withdraw? At most %1.</source>
        <translation>Quanto você saca? No máximo %1.</translation>
    </message>
    <message>
        <source>How much of the loan do you pay back? At most %1.</source>
        <translation>Quanto do empréstimo você paga? No máximo %1.</translation>
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
    <message>
        <source>The box holds %1: at most %2.</source>
        <extracomment>Spoken when the amount box has rewritten what was typed: %1 what it holds, %2 the most.</extracomment>
        <translation>A caixa tem %1: no máximo %2.</translation>
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
    <message>
        <source>Another Dunemark kept the highscores busy for too long.</source>
        <translation>Outro Dunemark aberto ocupou os recordes por tempo demais.</translation>
    </message>
    <message>
        <source>The highscores could not be written: the disk may be full or read-only.</source>
        <translation>Não foi possível gravar os recordes: o disco pode estar cheio ou ser somente leitura.</translation>
    </message>
    <message>
        <source>Your score was not saved. %1 The table is unchanged.</source>
        <translation>Sua pontuação não foi salva. %1 A tabela continua a mesma.</translation>
    </message>
    <message>
        <source>The highscores file, %1, is too large to update.</source>
        <translation>O arquivo de recordes, %1, é grande demais para ser atualizado.</translation>
    </message>
    <message>
        <source>The highscores file, %1, could not be read.</source>
        <translation>Não foi possível ler o arquivo de recordes, %1.</translation>
    </message>
    <message>
        <source>Something that is not a lock file stands at %1: remove it, and scores can be saved again.</source>
        <translation>Em %1 há algo que não é um arquivo de bloqueio: remova-o e os recordes poderão ser gravados de novo.</translation>
    </message>
    <message>
        <source>Nobody</source>
        <extracomment>The name in a high-score place that nobody has won yet.</extracomment>
        <translation>Ninguém</translation>
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
        <translation>O arquivo de recordes, %1, é grande demais para ser lido inteiro: podem faltar posições na tabela mostrada.</translation>
    </message>
    <message>
        <source>Your score is in the table, but the disk may not have it yet: the system could not confirm that %1 was written.</source>
        <translation>Sua pontuação está na tabela, mas o disco talvez ainda não a tenha: o sistema não conseguiu confirmar que %1 foi gravado.</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be opened: remove it, and scores can be saved again.</source>
        <translation>Não é possível abrir o arquivo de bloqueio %1: remova-o e os recordes poderão ser gravados de novo.</translation>
    </message>
    <message>
        <source>Something stands at %1, where the new highscores file is written before it replaces the old one: remove it, and scores can be saved again.</source>
        <translation>Em %1, onde o novo arquivo de recordes é gravado antes de substituir o antigo, há algo: remova-o e os recordes poderão ser gravados de novo.</translation>
    </message>
    <message>
        <source>The highscores file, %1, is read-only.</source>
        <translation>O arquivo de recordes, %1, é somente leitura.</translation>
    </message>
</context>
<context>
    <name>dunemark::frmHowToPlay</name>
    <message>
        <source>How to Play</source>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>You have %1 days to make as much money as you can by trading between %2, %3 and %4. You start in %2 with %5 in cash, a loan of %6 and %7 slaves.</source>
        <translation>Você tem %1 dias para ganhar o máximo de dinheiro que puder negociando entre %2, %3 e %4. Você começa em %2 com %5 em caixa, um empréstimo de %6 e %7 escravos.</translation>
    </message>
    <message>
        <source>On day %1, the last, you can no longer buy, but you can still sell and settle your finances. Then press Finish, which covers the map, to end the game.</source>
        <translation>No dia %1, o último, você não pode mais comprar, mas ainda pode vender e acertar suas finanças. Depois clique em Encerrar, que cobre o mapa, para terminar o jogo.</translation>
    </message>
    <message>
        <source>Your total is your cash plus your bank balance minus your loan. Goods you still carry count for nothing, so sell them before you finish. The total decides where you are buried and whether you enter the high-score table.</source>
        <translation>Seu total é o seu caixa mais o saldo no banco menos a sua dívida. As mercadorias que você ainda carrega não valem nada, então venda tudo antes de encerrar. O total decide onde você será enterrado e se você entra na tabela de recordes.</translation>
    </message>
    <message>
        <source>Click a town on the map to travel there. Every journey takes one day: prices change, interest is added to your loan and your bank, and danger may strike.</source>
        <translation>Clique numa cidade no mapa para viajar até lá. Cada viagem leva um dia: os preços mudam, entram juros na sua dívida e no seu banco, e o perigo pode aparecer.</translation>
    </message>
    <message>
        <source>Staying in a town takes no time: buy and sell there as much as you like. On day %1 Finish covers the map, and there are no more journeys.</source>
        <translation>Ficar numa cidade não gasta tempo: compre e venda ali quanto quiser. No dia %1, Encerrar cobre o mapa e não há mais viagens.</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Mercadoria</translation>
    </message>
    <message>
        <source>Cheapest</source>
        <translation>Mais barata</translation>
    </message>
    <message>
        <source>Dearest</source>
        <translation>Mais cara</translation>
    </message>
    <message>
        <source>Every town sells the same ten goods. Each day every town draws its prices afresh, and they stay fixed while you stay. On a usual day a good costs:</source>
        <translation>Todas as cidades vendem as mesmas dez mercadorias. A cada dia, cada cidade sorteia preços novos, que não mudam enquanto você fica. Num dia normal, uma mercadoria custa:</translation>
    </message>
    <message>
        <source>In the town you arrive in, each good may meet one of these events, and a message tells you of it:</source>
        <translation>Na cidade onde você chega, cada mercadoria pode passar por um destes eventos, e uma mensagem avisa você:</translation>
    </message>
    <message>
        <source>Low prices, a chance of one in %1: about %2% of the usual price.</source>
        <translation>Preços baixos, uma chance em %1: cerca de %2% do preço normal.</translation>
    </message>
    <message>
        <source>A glut, a chance of one in %1: %2% of the usual price.</source>
        <translation>Mercado abarrotado, uma chance em %1: %2% do preço normal.</translation>
    </message>
    <message>
        <source>The Pharaoh&apos;s demand, a chance of one in %1: %2% of the usual price.</source>
        <translation>Encomenda do Faraó, uma chance em %1: %2% do preço normal.</translation>
    </message>
    <message>
        <source>High prices, a chance of one in %1: %2% of the usual price.</source>
        <translation>Preços altos, uma chance em %1: %2% do preço normal.</translation>
    </message>
    <message>
        <source>Each slave carries one item, so you can carry as many items as you have slaves. The Slaves line above your goods shows how many slaves are free, then how many you have.</source>
        <translation>Cada escravo carrega um item, então você pode levar tantos itens quanto escravos tiver. A linha Escravos, acima das suas mercadorias, mostra quantos escravos estão sem carga e depois quantos você tem.</translation>
    </message>
    <message>
        <source>To buy, choose a good in the items available and press Buy. The Buy window proposes the most you can take: as many as your cash pays for, but no more than your free slaves can carry. Type a smaller number if you like.</source>
        <translation>Para comprar, escolha uma mercadoria na lista À venda e clique em Comprar. A janela de compra sugere o máximo que você pode levar: tudo o que seu dinheiro paga, mas não mais do que seus escravos sem carga conseguem levar. Se quiser, digite um número menor.</translation>
    </message>
    <message>
        <source>To sell, choose a good among the items you have bought and press Sell; the Sell window proposes all you hold. Every town buys every good at its price of the day.</source>
        <translation>Para vender, escolha uma mercadoria entre os itens que você comprou e clique em Vender; a janela de venda sugere tudo o que você tem. Toda cidade compra qualquer mercadoria pelo preço do dia.</translation>
    </message>
    <message>
        <source>Your loan grows by %1% every day, so pay it back early: in the Finances window, Pay Loan takes any part of it from your cash. You cannot borrow more.</source>
        <translation>Seu empréstimo cresce %1% por dia, então pague logo: na janela Finanças, Pagar dívida quita a parte que você quiser com o seu caixa. Não dá para pegar mais emprestado.</translation>
    </message>
    <message>
        <source>A pyramid bank, bought in Special products for %1, pays %2% interest every day on what you keep in it. Deposit and withdraw in the Finances window, in any town, at any time.</source>
        <translation>Um banco-pirâmide, comprado em Produtos especiais por %1, rende %2% de juros por dia sobre o que você guarda nele. Deposite e saque na janela Finanças, em qualquer cidade, a qualquer hora.</translation>
    </message>
    <message>
        <source>Gift</source>
        <translation>Presente</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preço</translation>
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
        <translation>O favor do Faraó, mostrado abaixo do mapa, sobe %1% cada vez que você vende uma mercadoria por mais do que pagou na última compra dela, e cai %1% (nunca abaixo de 0) quando você a vende por esse valor ou menos.</translation>
    </message>
    <message>
        <source>Gifts raise it faster, one gift each time you open the Special products window:</source>
        <translation>Presentes aumentam o favor mais rápido, um presente cada vez que você abre a janela Produtos especiais:</translation>
    </message>
    <message>
        <source>Once your favour has reached %1%, the Pharaoh pays you a bonus on your next journey, a sum chosen by chance of up to %2, and your favour starts again from 0.</source>
        <translation>Quando seu favor chega a %1%, o Faraó paga um bônus na sua próxima viagem, uma quantia sorteada de até %2, e seu favor volta para 0.</translation>
    </message>
    <message>
        <source>More slaves come in packs of %1 for %2 a pack, as long as you have fewer than %3.</source>
        <translation>Mais escravos vêm em lotes de %1 por %2 cada lote, enquanto você tiver menos de %3.</translation>
    </message>
    <message>
        <source>The pyramid bank costs %1 and can be bought once a game.</source>
        <translation>O banco-pirâmide custa %1 e só pode ser comprado uma vez por jogo.</translation>
    </message>
    <message>
        <source>On every journey there is a chance of one in %1 that you are mugged and lose %2% of your cash.</source>
        <translation>Em cada viagem há uma chance em %1 de você ser assaltado e perder %2% do seu caixa.</translation>
    </message>
    <message>
        <source>Once you own a pyramid bank, there is a chance of one in %1 each day that it is robbed and loses %2% of what is in it.</source>
        <translation>Se você tem um banco-pirâmide, há uma chance em %1 por dia de ele ser roubado e perder %2% do que guarda.</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Your burial</source>
        <translation>Seu enterro</translation>
    </message>
    <message>
        <source>above %1</source>
        <translation>acima de %1</translation>
    </message>
    <message>
        <source>%1 or less</source>
        <translation>%1 ou menos</translation>
    </message>
    <message>
        <source>Your total at the end decides where you are buried; it must be above a rank&apos;s figure to earn it:</source>
        <translation>Seu total no fim decide onde você será enterrado; para conquistar cada posto, ele precisa passar do valor indicado:</translation>
    </message>
    <message>
        <source>The %1 best totals are kept, with names and dates, in the high-score table (View menu, Highscores). A total of 0 or more that beats one of them enters the table and you are asked your name; a total equal to one goes below it. At first every place holds %2.</source>
        <translation>Os %1 melhores totais ficam guardados, com nome e data, na tabela de recordes (menu Exibir, Recordes). Um total de 0 ou mais que supere um deles entra na tabela e o jogo pede o seu nome; um total igual a outro fica abaixo dele. No início, cada posição vale %2.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>O que fazem</translation>
    </message>
    <message>
        <source>Travel to %1, %2 or %3</source>
        <translation>Viajar para %1, %2 ou %3</translation>
    </message>
    <message>
        <source>Move between the map, the buttons and the two lists</source>
        <translation>Passar entre o mapa, os botões e as duas listas</translation>
    </message>
    <message>
        <source>Choose a good in a list</source>
        <translation>Escolher uma mercadoria numa lista</translation>
    </message>
    <message>
        <source>Buy the good chosen in the items available, or sell the one chosen among the items you have bought; in a window, OK</source>
        <translation>Comprar a mercadoria escolhida em À venda, ou vender a escolhida entre os itens comprados; numa janela, OK</translation>
    </message>
    <message>
        <source>Buy, Sell</source>
        <translation>Comprar, Vender</translation>
    </message>
    <message>
        <source>Press the button that has the focus, such as Finances or Special products</source>
        <translation>Apertar o botão que está em foco, como Finanças ou Produtos especiais</translation>
    </message>
    <message>
        <source>In a window, Cancel or close</source>
        <translation>Numa janela, Cancelar ou fechar</translation>
    </message>
    <message>
        <source>In Special products, the next or the previous tab</source>
        <translation>Em Produtos especiais, a próxima aba ou a anterior</translation>
    </message>
    <message>
        <source>The File, View and Help menus</source>
        <translation>Os menus Arquivo, Exibir e Ajuda</translation>
    </message>
    <message>
        <source>The ledger of the prices you have seen and of your fortune</source>
        <translation>O livro-caixa dos preços que você viu e da sua fortuna</translation>
    </message>
    <message>
        <source>Close the window of your burial</source>
        <translation>Fechar a janela do seu enterro</translation>
    </message>
    <message>
        <source>This window</source>
        <translation>Esta janela</translation>
    </message>
    <message>
        <source>A letter, Enter, Escape or a click</source>
        <translation>Uma letra, Enter, Esc ou um clique</translation>
    </message>
    <message>
        <source>Close the story (View menu, Story) and play</source>
        <translation>Fechar a história (menu Exibir, História) e jogar</translation>
    </message>
    <message>
        <source>The game</source>
        <translation>O jogo</translation>
    </message>
    <message>
        <source>Travel</source>
        <translation>Viagens</translation>
    </message>
    <message>
        <source>The market</source>
        <translation>O mercado</translation>
    </message>
    <message>
        <source>Buying and selling</source>
        <translation>Comprar e vender</translation>
    </message>
    <message>
        <source>The loan and the pyramid bank</source>
        <translation>O empréstimo e o banco-pirâmide</translation>
    </message>
    <message>
        <source>Favour and special products</source>
        <translation>Favor e produtos especiais</translation>
    </message>
    <message>
        <source>Dangers</source>
        <translation>Perigos</translation>
    </message>
    <message>
        <source>Where you are buried</source>
        <translation>Onde você será enterrado</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>In the ledger: the last prices seen, the prices, the fortune, the goods, the figures as a table</source>
        <translation>No livro-caixa: últimos preços, preços, fortuna, as mercadorias, os números em tabela</translation>
    </message>
    <message>
        <source>File, Market of the Day (%1) starts a game whose markets are set by today&apos;s date: everyone who starts it on the same date plays the same market.</source>
        <translation>Arquivo, Mercado do dia (%1) começa um jogo cujos mercados são definidos pela data de hoje: todo mundo que começar no mesmo dia joga o mesmo mercado.</translation>
    </message>
    <message>
        <source>Each such market has a number, the date&apos;s digits for the market of the day, shown in the window&apos;s caption beside the day. File, Play Market Number (%1) plays any market again by its number, or one that a friend shares.</source>
        <translation>Cada mercado desses tem um número (no mercado do dia, os dígitos da data), que aparece no título da janela ao lado do dia. Arquivo, Jogar um mercado pelo número (%1) joga de novo qualquer mercado pelo número, inclusive um que um amigo passar para você.</translation>
    </message>
    <message>
        <source>In a market game the prices of every town on every day, the market events, the muggings, the robberies of the pyramid bank and the Pharaoh&apos;s bonus are the same for every player, whatever route each takes and whatever each buys. What you make of them is yours.</source>
        <translation>Num mesmo mercado, os preços de cada cidade em cada dia, os eventos do mercado, os assaltos na estrada, os roubos ao banco-pirâmide e o bônus do Faraó são os mesmos para todos os jogadores, seja qual for a rota de cada um e o que cada um comprar. O que você faz com isso é com você.</translation>
    </message>
    <message>
        <source>When a market game ends, Copy Result (%1) in the window of your burial copies one line to paste to others: the market&apos;s number, your total and your burial. Nothing is kept or sent.</source>
        <translation>Quando um jogo de mercado termina, o botão Copiar resultado (%1), na janela do seu enterro, copia uma linha para você mandar aos outros: o número do mercado, o seu total e o seu enterro. Nada é guardado nem enviado.</translation>
    </message>
    <message>
        <source>The market of the day, or a market by its number</source>
        <translation>O mercado do dia, ou um mercado pelo número</translation>
    </message>
    <message>
        <source>The market of the day</source>
        <translation>O mercado do dia</translation>
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
        <source>Burial</source>
        <translation>Enterro</translation>
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
    <message>
        <source>Each town you travel to writes its prices into this ledger.</source>
        <translation>Cada cidade que você visita anota seus preços neste livro-caixa.</translation>
    </message>
    <message>
        <source>&amp;Last seen</source>
        <translation>Ú&amp;ltimos preços</translation>
    </message>
    <message>
        <source>%1 the lowest and %2 the highest of the prices last seen of a good</source>
        <translation>%1 o mais baixo e %2 o mais alto dos últimos preços vistos de uma mercadoria</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Dinheiro</translation>
    </message>
    <message>
        <source>Worth</source>
        <translation>Patrimônio</translation>
    </message>
    <message>
        <source>Money and worth at the end of each day</source>
        <translation>Dinheiro e patrimônio no fim de cada dia</translation>
    </message>
    <message>
        <source>Worth counts the goods you carry, but the end of the game counts only money: sell your goods before you Finish.</source>
        <translation>O patrimônio conta as mercadorias que você carrega, mas no fim do jogo só o dinheiro conta: venda suas mercadorias antes de clicar em Encerrar.</translation>
    </message>
    <message>
        <source>Prices of %1 seen day by day</source>
        <translation>Preços de %1 vistos dia a dia</translation>
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
    <message>
        <source>How to &amp;Play</source>
        <translation>Como &amp;jogar</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>the price paid for goods carried</comment>
        <translation>%L1</translation>
    </message>
    <message>
        <source>%1, day %2 of %3.</source>
        <translation>%1, dia %2 de %3.</translation>
    </message>
    <message>
        <source>Cash %1.</source>
        <translation>Caixa: %1.</translation>
    </message>
    <message>
        <source>You are here.</source>
        <translation>Você está aqui.</translation>
    </message>
    <message>
        <source>Nothing carried</source>
        <translation>Vazio</translation>
    </message>
    <message>
        <source>paid %1 each</source>
        <translation>pago %1 cada</translation>
    </message>
    <message>
        <source>%1 carried</source>
        <translation>%1 carregados</translation>
    </message>
    <message>
        <source>Sell your goods, then press Finish to end the game.</source>
        <translation>Venda suas mercadorias e depois pressione Encerrar para terminar o jogo.</translation>
    </message>
    <message>
        <source>%1 costs %2.</source>
        <translation>%1 custa %2.</translation>
    </message>
    <message>
        <source>The game is over: File, New Game starts another.</source>
        <translation>O jogo acabou: Arquivo, Novo jogo começa outro.</translation>
    </message>
    <message>
        <source>Ends the game: your total, your burial and the high scores</source>
        <translation>Encerra o jogo: seu total, seu enterro e os recordes</translation>
    </message>
    <message>
        <source>No more journeys: this is the last day.</source>
        <translation>Não há mais viagens: este é o último dia.</translation>
    </message>
    <message>
        <source>%1 - Market %2</source>
        <comment>the caption of a market game: the day&apos;s caption, the number</comment>
        <translation>%1 - Mercado %2</translation>
    </message>
    <message>
        <source>&amp;Market of the Day</source>
        <translation>&amp;Mercado do dia</translation>
    </message>
    <message>
        <source>&amp;Play Market Number…</source>
        <translation>&amp;Jogar um mercado pelo número…</translation>
    </message>
    <message>
        <source>The number of the market to play (digits only, from %1 to %2):</source>
        <translation>Número do mercado que você quer jogar (só dígitos, de %L1 a %L2):</translation>
    </message>
    <message>
        <source>A market number is written in digits only, from %1 to %2.</source>
        <translation>O número do mercado só pode ter dígitos, de %L1 a %L2.</translation>
    </message>
    <message>
        <source>Slaves: %1 of %2 unladen</source>
        <extracomment>Spoken: how many of the slaves carry nothing yet (room for that many more goods), of all.</extracomment>
        <translation>Escravos: %1 de %2 sem carga</translation>
    </message>
    <message numerus="yes">
        <source>Bought %n %1 for %2.</source>
        <extracomment>Spoken: how many of the good %1 were bought, and what they cost.</extracomment>
        <translation>
            <numerusform>Você comprou: %1, %Ln unidade, por %2.</numerusform>
            <numerusform>Você comprou: %1, %Ln unidades, por %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sold %n %1 for %2.</source>
        <extracomment>Spoken: how many of the good %1 were sold, and what they brought.</extracomment>
        <translation>
            <numerusform>Você vendeu: %1, %Ln unidade, por %2.</numerusform>
            <numerusform>Você vendeu: %1, %Ln unidades, por %2.</numerusform>
        </translation>
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
            <numerusform>Dunemark, mercado %1: %2 em %Ln dia, enterrado ao lado dos deuses</numerusform>
            <numerusform>Dunemark, mercado %1: %2 em %Ln dias, enterrado ao lado dos deuses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried among the Pharaohs</source>
        <translation>
            <numerusform>Dunemark, mercado %1: %2 em %Ln dia, enterrado entre os faraós</numerusform>
            <numerusform>Dunemark, mercado %1: %2 em %Ln dias, enterrado entre os faraós</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, given a burial fit for a nobleman</source>
        <translation>
            <numerusform>Dunemark, mercado %1: %2 em %Ln dia, enterro digno de um nobre</numerusform>
            <numerusform>Dunemark, mercado %1: %2 em %Ln dias, enterro digno de um nobre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried with the common folk</source>
        <translation>
            <numerusform>Dunemark, mercado %1: %2 em %Ln dia, enterrado entre o povo comum</numerusform>
            <numerusform>Dunemark, mercado %1: %2 em %Ln dias, enterrado entre o povo comum</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried in a hole in the desert</source>
        <translation>
            <numerusform>Dunemark, mercado %1: %2 em %Ln dia, enterrado num buraco no deserto</numerusform>
            <numerusform>Dunemark, mercado %1: %2 em %Ln dias, enterrado num buraco no deserto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, tossed into the desert</source>
        <translation>
            <numerusform>Dunemark, mercado %1: %2 em %Ln dia, jogado no deserto</numerusform>
            <numerusform>Dunemark, mercado %1: %2 em %Ln dias, jogado no deserto</numerusform>
        </translation>
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
            <numerusform>Comprar mais %Ln escravo por %L1</numerusform>
            <numerusform>Comprar mais %Ln escravos por %L1</numerusform>
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
        <translation>Custo %1, favor sobe %2%</translation>
    </message>
    <message>
        <source>%1, page %2 of %3.</source>
        <translation>%1, página %2 de %3.</translation>
    </message>
    <message>
        <source>Gift given: favour %1%, cash %2.</source>
        <translation>Presente dado: favor %1%, caixa %2.</translation>
    </message>
    <message>
        <source>You own a pyramid bank, cash %1.</source>
        <translation>Você tem um banco pirâmide, caixa %1.</translation>
    </message>
    <message numerus="yes">
        <source>You now have %n slaves, cash %1.</source>
        <translation>
            <numerusform>Agora você tem %Ln escravo, caixa %1.</numerusform>
            <numerusform>Agora você tem %Ln escravos, caixa %1.</numerusform>
        </translation>
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
