<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Goods</name>
    <message>
        <source>Gold</source>
        <translation>Or</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Raisin</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Wheat</source>
        <translation>Blé</translation>
    </message>
    <message>
        <source>Papyrus</source>
        <translation>Papyrus</translation>
    </message>
    <message>
        <source>Granite Statue</source>
        <translation>Statue en granit</translation>
    </message>
    <message>
        <source>Sphinx</source>
        <translation>Sphinx</translation>
    </message>
    <message>
        <source>Marble</source>
        <translation>Marbre</translation>
    </message>
    <message>
        <source>Granite</source>
        <translation>Granit</translation>
    </message>
    <message>
        <source>Gold Statue</source>
        <translation>Statue en or</translation>
    </message>
    <message>
        <source>Silver Statue</source>
        <translation>Statue en argent</translation>
    </message>
    <message>
        <source>Gems</source>
        <translation>Gemmes</translation>
    </message>
    <message>
        <source>Scrolls</source>
        <translation>Parchemins</translation>
    </message>
    <message>
        <source>Food &amp; water</source>
        <translation>Vivres &amp; eau</translation>
    </message>
</context>
<context>
    <name>LedgerLoader</name>
    <message>
        <source>The ledger could not be opened: the file that holds it is missing.

It was looked for as:
%1</source>
        <translation>Impossible d&apos;ouvrir le livre de comptes&#xa0;: le fichier qui le contient est introuvable.

Il a été cherché ici&#xa0;:
%1</translation>
    </message>
    <message>
        <source>The ledger could not be opened: the file that holds it, %1, could not be loaded.

%2</source>
        <translation>Impossible d&apos;ouvrir le livre de comptes&#xa0;: le fichier qui le contient, %1, n&apos;a pas pu être chargé.

%2</translation>
    </message>
    <message>
        <source>The ledger could not be opened: the file that holds it, %1, belongs to another version of the game.</source>
        <translation>Impossible d&apos;ouvrir le livre de comptes&#xa0;: le fichier qui le contient, %1, appartient à une autre version du jeu.</translation>
    </message>
</context>
<context>
    <name>Phrase</name>
    <message>
        <source>%1 prices are low</source>
        <translation>%1&#xa0;: les prix sont bas</translation>
    </message>
    <message>
        <source>The market has been flooded with cheap %1 and so prices are very low</source>
        <translation>%1&#xa0;: le marché en est inondé, les prix sont au plus bas</translation>
    </message>
    <message>
        <source>The Pharoah needs %1 for his personal use, and so<byte value="xd"/>
the price has gone up</source>
        <translation>%1&#xa0;: le Pharaon en a besoin pour son usage personnel,<byte value="xd"/>
alors le prix a grimpé</translation>
    </message>
    <message>
        <source>%1 prices are high</source>
        <translation>%1&#xa0;: les prix sont élevés</translation>
    </message>
    <message>
        <source>The Pharoah is pleased with you progress<byte value="xd"/>
You received a cash bonus of %1</source>
        <translation>Le Pharaon est content de tes progrès<byte value="xd"/>
Tu reçois une prime de %1</translation>
    </message>
    <message>
        <source>Dunemark - Day %1</source>
        <translation>Dunemark - Jour %1</translation>
    </message>
    <message>
        <source>You have been mugged</source>
        <translation>Tu t&apos;es fait dépouiller</translation>
    </message>
    <message>
        <source>Your pyramid bank was robbed, half your fortune has gone</source>
        <translation>Ta banque pyramide a été braquée, la moitié de ta fortune a disparu</translation>
    </message>
    <message>
        <source>This is you last day, better sell your stock</source>
        <translation>C&apos;est ton dernier jour, tu ferais bien de vendre ton stock</translation>
    </message>
    <message>
        <source>You managed to get a total of <byte value="xd"/>
%1</source>
        <translation>Tu as réussi à amasser un total de <byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>You aint got the dosh mate</source>
        <translation>T&apos;as pas le fric, mon pote</translation>
    </message>
    <message>
        <source>Ya not got enuff slaves</source>
        <translation>T&apos;as pas assez d&apos;esclaves</translation>
    </message>
    <message>
        <source>Nothing there to sell</source>
        <translation>Rien à vendre ici</translation>
    </message>
    <message>
        <source>You haven&apos;t got the money, to buy that gift</source>
        <translation>Tu n&apos;as pas l&apos;argent pour ce cadeau</translation>
    </message>
    <message>
        <source>You seem to be lacking the money</source>
        <translation>On dirait que l&apos;argent te manque</translation>
    </message>
    <message>
        <source>There are no more slaves for you to buy</source>
        <translation>Il n&apos;y a plus d&apos;esclaves à acheter</translation>
    </message>
    <message>
        <source>You not got the money</source>
        <translation>T&apos;as pas les sous</translation>
    </message>
    <message>
        <source>You now claim residence next to the Gods</source>
        <translation>Tu reposes désormais auprès des dieux</translation>
    </message>
    <message>
        <source>You now claim residency next to the great Pharoahs</source>
        <translation>Tu reposes désormais auprès des grands pharaons</translation>
    </message>
    <message>
        <source>You have a burial fit for a nobleman</source>
        <translation>Tu as droit à des funérailles de noble</translation>
    </message>
    <message>
        <source>You are buried with people of your own class</source>
        <translation>Tu es enterré parmi les gens de ta condition</translation>
    </message>
    <message>
        <source>You are buried in a hole, in the desert</source>
        <translation>Tu es enterré dans un trou, en plein désert</translation>
    </message>
    <message>
        <source>You were just tossed into the desert</source>
        <translation>On t&apos;a tout bonnement jeté dans le désert</translation>
    </message>
    <message>
        <source>next to the Gods</source>
        <translation>auprès des dieux</translation>
    </message>
    <message>
        <source>next to the great Pharoahs</source>
        <translation>auprès des grands pharaons</translation>
    </message>
    <message>
        <source>a burial fit for a nobleman</source>
        <translation>funérailles de noble</translation>
    </message>
    <message>
        <source>with people of your own class</source>
        <translation>parmi tes pairs</translation>
    </message>
    <message>
        <source>in a hole, in the desert</source>
        <translation>dans un trou du désert</translation>
    </message>
    <message>
        <source>tossed into the desert</source>
        <translation>jeté dans le désert</translation>
    </message>
    <message>
        <source>You were left in the middle of the desert, without any food and water. As you try to walk, the sun makes you thirsty, and time makes you hungry. The wind joins forces with the sand, to make it impossible for you to do anything. You collapse to the floor, and take your last breath of air.</source>
        <translation>On t&apos;a abandonné en plein désert, sans eau ni nourriture. Tu essaies de marcher, mais le soleil te donne soif et le temps te donne faim. Le vent s&apos;allie au sable pour t&apos;empêcher de faire quoi que ce soit. Tu t&apos;effondres au sol et rends ton dernier souffle.</translation>
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
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Cop&amp;ier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>dunemark::FortuneChart</name>
    <message>
        <source>Money (cash + bank - loan)</source>
        <translation>Solde (espèces + banque - prêt)</translation>
    </message>
    <message>
        <source>Worth (money + goods)</source>
        <translation>Patrimoine (solde + marchandises)</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>money</source>
        <translation>solde</translation>
    </message>
    <message>
        <source>worth</source>
        <translation>patrimoine</translation>
    </message>
    <message>
        <source>Day %1, %2: %3</source>
        <translation>Jour %1, %2&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>dunemark::LastSeenTable</name>
    <message>
        <source>Goods</source>
        <translation>Marchandises</translation>
    </message>
    <message>
        <source>Last price seen of each good in each town</source>
        <translation>Dernier prix vu de chaque marchandise dans chaque ville</translation>
    </message>
    <message>
        <source>%1 (day %2)</source>
        <translation>%1 (jour %2)</translation>
    </message>
    <message>
        <source>%1, the lowest</source>
        <translation>%1, le plus bas</translation>
    </message>
    <message>
        <source>%1, the highest</source>
        <translation>%1, le plus haut</translation>
    </message>
</context>
<context>
    <name>dunemark::LedgerChart</name>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
</context>
<context>
    <name>dunemark::PriceChart</name>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>%1, day %2: %3</source>
        <translation>%1, jour %2&#xa0;: %3</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 each</source>
        <translation>%1 l&apos;unité</translation>
    </message>
</context>
<context>
    <name>dunemark::SpokenNews</name>
    <message>
        <source>Cash %1, debt %2.</source>
        <translation>Espèces&#xa0;: %1, dette&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Bank %1.</source>
        <translation>Banque&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>dunemark::TownLabel</name>
    <message>
        <source>Travel to %1 (%2)</source>
        <translation>Aller à %1 (%2)</translation>
    </message>
</context>
<context>
    <name>dunemark::frmAbout</name>
    <message>
        <source>A trading game. Make as much money as you can before all your days go.</source>
        <translation>Un jeu de commerce. Gagne le plus d&apos;argent possible avant la fin de tes jours.</translation>
    </message>
    <message>
        <source>Use this product at your own risk. Do not blame me if anything goes wrong. If you don&apos;t agree with this, then stop using this product.</source>
        <translation>À tes risques et périls. Si ça tourne mal, ce n&apos;est pas ma faute. Pas d&apos;accord&#xa0;? N&apos;y joue pas.</translation>
    </message>
    <message>
        <source>(C) 2026 the Dunemark authors</source>
        <translation>(C) 2026 les auteurs de Dunemark</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Opens the web page</source>
        <translation>Ouvrir la page web</translation>
    </message>
    <message>
        <source>Writes an e-mail to the author</source>
        <translation>Écrire un e-mail à l&apos;auteur</translation>
    </message>
</context>
<context>
    <name>dunemark::frmBuy</name>
    <message>
        <source>How many do you wish to buy:</source>
        <translation>Combien veux-tu en acheter&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>You can afford %1 and have space for %n more items</source>
        <translation>
            <numerusform>Tu peux t&apos;en payer %L1 et tu as encore de la place pour %Ln article</numerusform>
            <numerusform>Tu peux t&apos;en payer %L1 et tu as encore de la place pour %Ln articles</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmFinances</name>
    <message>
        <source>Cash:</source>
        <translation>Espèces&#xa0;:</translation>
    </message>
    <message>
        <source>Bank:</source>
        <translation>Banque&#xa0;:</translation>
    </message>
    <message>
        <source>Debt:</source>
        <translation>Dette&#xa0;:</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Déposer</translation>
    </message>
    <message>
        <source>Withdraw</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Pay Loan</source>
        <translation>Rembourser</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Finances</source>
        <translation>Finances</translation>
    </message>
    <message>
        <source>Deposited %1.</source>
        <translation>Tu as déposé %1.</translation>
    </message>
    <message>
        <source>Withdrew %1.</source>
        <translation>Tu as retiré %1.</translation>
    </message>
    <message>
        <source>Paid %1 of the loan.</source>
        <translation>Tu as remboursé %1 du prêt.</translation>
    </message>
    <message>
        <source>How much do you deposit? At most %1.</source>
        <translation>Combien déposes-tu ? Au plus %1.</translation>
    </message>
    <message>
        <source>How much do you withdraw? At most %1.</source>
        <translation>Combien retires-tu ? Au plus %1.</translation>
    </message>
    <message>
        <source>How much of the loan do you pay back? At most %1.</source>
        <translation>Combien du prêt rembourses-tu ? Au plus %1.</translation>
    </message>
</context>
<context>
    <name>dunemark::frmGetNumber</name>
    <message>
        <source>How much:</source>
        <translation>Combien&#xa0;?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Financial situation</source>
        <translation>Situation financière</translation>
    </message>
    <message>
        <source>The box holds %1: at most %2.</source>
        <extracomment>Spoken when the amount box has rewritten what was typed: %1 what it holds, %2 the most.</extracomment>
        <translation>La case contient %1 : au plus %2.</translation>
    </message>
</context>
<context>
    <name>dunemark::frmHighScores</name>
    <message>
        <source>Highscores</source>
        <translation>Palmarès</translation>
    </message>
    <message>
        <source>HIGHSCORES</source>
        <translation>PALMARÈS</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Whats your name?</source>
        <translation>Comment tu t&apos;appelles&#xa0;?</translation>
    </message>
    <message>
        <source>You&apos;ve got a highscore</source>
        <translation>Nouveau record&#xa0;!</translation>
    </message>
    <message>
        <source>Another Dunemark kept the highscores busy for too long.</source>
        <translation>Une autre partie de Dunemark a bloqué le palmarès trop longtemps.</translation>
    </message>
    <message>
        <source>The highscores could not be written: the disk may be full or read-only.</source>
        <translation>Impossible d&apos;écrire le palmarès&#xa0;: le disque est peut-être plein ou en lecture seule.</translation>
    </message>
    <message>
        <source>Your score was not saved. %1 The table is unchanged.</source>
        <translation>Ton score n&apos;a pas été enregistré. %1 Le palmarès reste inchangé.</translation>
    </message>
    <message>
        <source>The highscores file, %1, is too large to update.</source>
        <translation>Le fichier du palmarès, %1, est trop volumineux pour être mis à jour.</translation>
    </message>
    <message>
        <source>The highscores file, %1, could not be read.</source>
        <translation>Impossible de lire le fichier du palmarès, %1.</translation>
    </message>
    <message>
        <source>Something that is not a lock file stands at %1: remove it, and scores can be saved again.</source>
        <translation>Quelque chose qui n&apos;est pas un fichier de verrouillage se trouve à l&apos;emplacement %1&#xa0;: supprime-le, et les scores pourront de nouveau être enregistrés.</translation>
    </message>
    <message>
        <source>Nobody</source>
        <extracomment>The name in a high-score place that nobody has won yet.</extracomment>
        <translation>Personne</translation>
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
        <translation>Le fichier du palmarès, %1, est trop volumineux pour être lu en entier&#xa0;: il manque peut-être des places au palmarès affiché.</translation>
    </message>
    <message>
        <source>Your score is in the table, but the disk may not have it yet: the system could not confirm that %1 was written.</source>
        <translation>Ton score figure au palmarès, mais le disque ne l&apos;a peut-être pas encore&#xa0;: le système n&apos;a pas pu confirmer que %1 a été écrit.</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be opened: remove it, and scores can be saved again.</source>
        <translation>Impossible d&apos;ouvrir le fichier de verrouillage %1&#xa0;: supprime-le, et les scores pourront de nouveau être enregistrés.</translation>
    </message>
    <message>
        <source>Something stands at %1, where the new highscores file is written before it replaces the old one: remove it, and scores can be saved again.</source>
        <translation>Quelque chose se trouve à l&apos;emplacement %1, où le nouveau fichier du palmarès est écrit avant de remplacer l&apos;ancien&#xa0;: supprime-le, et les scores pourront de nouveau être enregistrés.</translation>
    </message>
    <message>
        <source>The highscores file, %1, is read-only.</source>
        <translation>Le fichier du palmarès, %1, est en lecture seule.</translation>
    </message>
</context>
<context>
    <name>dunemark::frmHowToPlay</name>
    <message>
        <source>How to Play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>You have %1 days to make as much money as you can by trading between %2, %3 and %4. You start in %2 with %5 in cash, a loan of %6 and %7 slaves.</source>
        <translation>Tu as %1 jours pour gagner le plus d&apos;argent possible en faisant du commerce entre %2, %3 et %4. Tu commences à %2 avec %5 en poche, un prêt de %6 et %7 esclaves.</translation>
    </message>
    <message>
        <source>On day %1, the last, you can no longer buy, but you can still sell and settle your finances. Then press Finish, which covers the map, to end the game.</source>
        <translation>Le jour %1, le dernier, tu ne peux plus acheter, mais tu peux encore vendre et régler tes finances. Appuie ensuite sur Bilan, qui recouvre la carte, pour terminer la partie.</translation>
    </message>
    <message>
        <source>Your total is your cash plus your bank balance minus your loan. Goods you still carry count for nothing, so sell them before you finish. The total decides where you are buried and whether you enter the high-score table.</source>
        <translation>Ton total, c&apos;est ton argent plus ce que tu as en banque, moins ton prêt. Les marchandises que tu portes encore ne comptent pour rien&#xa0;: vends-les avant la fin. Le total décide de ta sépulture et de ton entrée au palmarès.</translation>
    </message>
    <message>
        <source>Click a town on the map to travel there. Every journey takes one day: prices change, interest is added to your loan and your bank, and danger may strike.</source>
        <translation>Clique sur une ville de la carte pour t&apos;y rendre. Chaque voyage prend un jour&#xa0;: les prix changent, les intérêts s&apos;ajoutent à ton prêt et à ta banque, et le danger peut frapper.</translation>
    </message>
    <message>
        <source>Staying in a town takes no time: buy and sell there as much as you like. On day %1 Finish covers the map, and there are no more journeys.</source>
        <translation>Rester dans une ville ne prend pas de temps&#xa0;: achètes-y et vends-y autant que tu veux. Le jour %1, Bilan recouvre la carte et les voyages sont finis.</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Marchandise</translation>
    </message>
    <message>
        <source>Cheapest</source>
        <translation>Le moins cher</translation>
    </message>
    <message>
        <source>Dearest</source>
        <translation>Le plus cher</translation>
    </message>
    <message>
        <source>Every town sells the same ten goods. Each day every town draws its prices afresh, and they stay fixed while you stay. On a usual day a good costs:</source>
        <translation>Toutes les villes vendent les dix mêmes marchandises. Chaque jour, chaque ville tire de nouveaux prix, qui restent fixes tant que tu y restes. Un jour ordinaire, une marchandise coûte&#xa0;:</translation>
    </message>
    <message>
        <source>In the town you arrive in, each good may meet one of these events, and a message tells you of it:</source>
        <translation>Dans la ville où tu arrives, chaque marchandise peut connaître l&apos;un de ces événements, et un message te prévient&#xa0;:</translation>
    </message>
    <message>
        <source>Low prices, a chance of one in %1: about %2% of the usual price.</source>
        <translation>Prix bas, une chance sur %1&#xa0;: environ %2&#xa0;% du prix habituel.</translation>
    </message>
    <message>
        <source>A glut, a chance of one in %1: %2% of the usual price.</source>
        <translation>Marché inondé, une chance sur %1&#xa0;: %2&#xa0;% du prix habituel.</translation>
    </message>
    <message>
        <source>The Pharaoh&apos;s demand, a chance of one in %1: %2% of the usual price.</source>
        <translation>Demande du Pharaon, une chance sur %1&#xa0;: %2&#xa0;% du prix habituel.</translation>
    </message>
    <message>
        <source>High prices, a chance of one in %1: %2% of the usual price.</source>
        <translation>Prix élevés, une chance sur %1&#xa0;: %2&#xa0;% du prix habituel.</translation>
    </message>
    <message>
        <source>Each slave carries one item, so you can carry as many items as you have slaves. The Slaves line above your goods shows how many slaves are free, then how many you have.</source>
        <translation>Chaque esclave porte un article&#xa0;: tu peux donc porter autant d&apos;articles que tu as d&apos;esclaves. La ligne Esclaves, au-dessus de tes marchandises, indique combien d&apos;esclaves sont sans charge, puis combien tu en as.</translation>
    </message>
    <message>
        <source>To buy, choose a good in the items available and press Buy. The Buy window proposes the most you can take: as many as your cash pays for, but no more than your free slaves can carry. Type a smaller number if you like.</source>
        <translation>Pour acheter, choisis une marchandise dans la liste En vente et appuie sur Acheter. La fenêtre Acheter propose le maximum possible&#xa0;: autant que ton argent peut en payer, mais pas plus que tes esclaves sans charge ne peuvent en porter. Tape un nombre plus petit si tu veux.</translation>
    </message>
    <message>
        <source>To sell, choose a good among the items you have bought and press Sell; the Sell window proposes all you hold. Every town buys every good at its price of the day.</source>
        <translation>Pour vendre, choisis une marchandise parmi tes articles achetés et appuie sur Vendre&#xa0;; la fenêtre Vendre propose tout ce que tu as. Chaque ville achète toutes les marchandises à son prix du jour.</translation>
    </message>
    <message>
        <source>Your loan grows by %1% every day, so pay it back early: in the Finances window, Pay Loan takes any part of it from your cash. You cannot borrow more.</source>
        <translation>Ton prêt augmente de %1&#xa0;% chaque jour, alors rembourse-le vite&#xa0;: dans la fenêtre Finances, Rembourser en prélève la part que tu veux sur ton argent. Tu ne peux pas emprunter plus.</translation>
    </message>
    <message>
        <source>A pyramid bank, bought in Special products for %1, pays %2% interest every day on what you keep in it. Deposit and withdraw in the Finances window, in any town, at any time.</source>
        <translation>Une banque pyramide, achetée %1 dans Produits spéciaux, rapporte %2&#xa0;% d&apos;intérêts par jour sur ce que tu y gardes. Dépose et retire dans la fenêtre Finances, dans n&apos;importe quelle ville, à tout moment.</translation>
    </message>
    <message>
        <source>Gift</source>
        <translation>Cadeau</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Favour</source>
        <translation>Faveur</translation>
    </message>
    <message>
        <source>+%1%</source>
        <translation>+%1&#xa0;%</translation>
    </message>
    <message>
        <source>The Pharaoh&apos;s favour, shown under the map, rises by %1% each time you sell a good for more than you paid at your latest purchase of it, and falls by %1% (never below 0) when you sell it for that or less.</source>
        <translation>La faveur du Pharaon, affichée sous la carte, monte de %1&#xa0;% chaque fois que tu vends une marchandise plus cher que tu ne l&apos;as payée lors de ton dernier achat, et baisse de %1&#xa0;% (jamais sous 0) quand tu la vends à ce prix ou moins.</translation>
    </message>
    <message>
        <source>Gifts raise it faster, one gift each time you open the Special products window:</source>
        <translation>Les cadeaux la font monter plus vite, un cadeau chaque fois que tu ouvres la fenêtre Produits spéciaux&#xa0;:</translation>
    </message>
    <message>
        <source>Once your favour has reached %1%, the Pharaoh pays you a bonus on your next journey, a sum chosen by chance of up to %2, and your favour starts again from 0.</source>
        <translation>Dès que ta faveur atteint %1&#xa0;%, le Pharaon te verse une prime à ton prochain voyage, une somme tirée au hasard jusqu&apos;à %2, et ta faveur repart de 0.</translation>
    </message>
    <message>
        <source>More slaves come in packs of %1 for %2 a pack, as long as you have fewer than %3.</source>
        <translation>Les esclaves en plus s&apos;achètent par lots de %1 à %2 le lot, tant que tu en as moins de %3.</translation>
    </message>
    <message>
        <source>The pyramid bank costs %1 and can be bought once a game.</source>
        <translation>La banque pyramide coûte %1 et ne s&apos;achète qu&apos;une fois par partie.</translation>
    </message>
    <message>
        <source>On every journey there is a chance of one in %1 that you are mugged and lose %2% of your cash.</source>
        <translation>À chaque voyage, il y a une chance sur %1 que tu te fasses dépouiller et perdes %2&#xa0;% de ton argent.</translation>
    </message>
    <message>
        <source>Once you own a pyramid bank, there is a chance of one in %1 each day that it is robbed and loses %2% of what is in it.</source>
        <translation>Une fois que tu as une banque pyramide, il y a chaque jour une chance sur %1 qu&apos;elle soit braquée et perde %2&#xa0;% de ce qu&apos;elle contient.</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Your burial</source>
        <translation>Ta sépulture</translation>
    </message>
    <message>
        <source>above %1</source>
        <translation>plus de %1</translation>
    </message>
    <message>
        <source>%1 or less</source>
        <translation>%1 ou moins</translation>
    </message>
    <message>
        <source>Your total at the end decides where you are buried; it must be above a rank&apos;s figure to earn it:</source>
        <translation>Ton total final décide de ta sépulture&#xa0;; il doit dépasser le seuil d&apos;un rang pour l&apos;obtenir&#xa0;:</translation>
    </message>
    <message>
        <source>The %1 best totals are kept, with names and dates, in the high-score table (View menu, Highscores). A total of 0 or more that beats one of them enters the table and you are asked your name; a total equal to one goes below it. At first every place holds %2.</source>
        <translation>Les %1 meilleurs totaux sont gardés, avec noms et dates, au palmarès (menu Affichage, Palmarès). Un total de 0 ou plus qui en bat un entre au palmarès et on te demande ton nom&#xa0;; un total égal à l&apos;un d&apos;eux se place en dessous. Au départ, chaque place vaut %2.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>Ce qu&apos;elles font</translation>
    </message>
    <message>
        <source>Travel to %1, %2 or %3</source>
        <translation>Aller à %1, %2 ou %3</translation>
    </message>
    <message>
        <source>Move between the map, the buttons and the two lists</source>
        <translation>Passer de la carte aux boutons et aux deux listes</translation>
    </message>
    <message>
        <source>Choose a good in a list</source>
        <translation>Choisir une marchandise dans une liste</translation>
    </message>
    <message>
        <source>Buy the good chosen in the items available, or sell the one chosen among the items you have bought; in a window, OK</source>
        <translation>Acheter la marchandise choisie dans En vente, ou vendre celle choisie parmi les articles achetés&#xa0;; dans une fenêtre, OK</translation>
    </message>
    <message>
        <source>Buy, Sell</source>
        <translation>Acheter, Vendre</translation>
    </message>
    <message>
        <source>Press the button that has the focus, such as Finances or Special products</source>
        <translation>Appuyer sur le bouton qui a le focus, comme Finances ou Produits spéciaux</translation>
    </message>
    <message>
        <source>In a window, Cancel or close</source>
        <translation>Dans une fenêtre, Annuler ou fermer</translation>
    </message>
    <message>
        <source>In Special products, the next or the previous tab</source>
        <translation>Dans Produits spéciaux, l&apos;onglet suivant ou précédent</translation>
    </message>
    <message>
        <source>The File, View and Help menus</source>
        <translation>Les menus Fichier, Affichage et Aide</translation>
    </message>
    <message>
        <source>The ledger of the prices you have seen and of your fortune</source>
        <translation>Le livre de comptes des prix vus et de ta fortune</translation>
    </message>
    <message>
        <source>Close the window of your burial</source>
        <translation>Fermer la fenêtre de ta sépulture</translation>
    </message>
    <message>
        <source>This window</source>
        <translation>Cette fenêtre</translation>
    </message>
    <message>
        <source>A letter, Enter, Escape or a click</source>
        <translation>Une lettre, Entrée, Échap ou un clic</translation>
    </message>
    <message>
        <source>Close the story (View menu, Story) and play</source>
        <translation>Fermer l&apos;histoire (menu Affichage, Histoire) et jouer</translation>
    </message>
    <message>
        <source>The game</source>
        <translation>Le jeu</translation>
    </message>
    <message>
        <source>Travel</source>
        <translation>Les voyages</translation>
    </message>
    <message>
        <source>The market</source>
        <translation>Le marché</translation>
    </message>
    <message>
        <source>Buying and selling</source>
        <translation>Acheter et vendre</translation>
    </message>
    <message>
        <source>The loan and the pyramid bank</source>
        <translation>Le prêt et la banque pyramide</translation>
    </message>
    <message>
        <source>Favour and special products</source>
        <translation>Faveur et produits spéciaux</translation>
    </message>
    <message>
        <source>Dangers</source>
        <translation>Les dangers</translation>
    </message>
    <message>
        <source>Where you are buried</source>
        <translation>Où tu seras enterré</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Le palmarès</translation>
    </message>
    <message>
        <source>In the ledger: the last prices seen, the prices, the fortune, the goods, the figures as a table</source>
        <translation>Dans le livre de comptes&#xa0;: derniers prix, prix, fortune, marchandises, chiffres en tableau</translation>
    </message>
    <message>
        <source>File, Market of the Day (%1) starts a game whose markets are set by today&apos;s date: everyone who starts it on the same date plays the same market.</source>
        <translation>Fichier, Marché du jour (%1) lance une partie dont les marchés sont fixés par la date du jour&#xa0;: tous ceux qui la lancent le même jour jouent sur le même marché.</translation>
    </message>
    <message>
        <source>Each such market has a number, the date&apos;s digits for the market of the day, shown in the window&apos;s caption beside the day. File, Play Market Number (%1) plays any market again by its number, or one that a friend shares.</source>
        <translation>Chacun de ces marchés a un numéro (pour le marché du jour, les chiffres de la date), affiché dans le titre de la fenêtre à côté du jour. Fichier, Jouer un marché par numéro (%1) permet de rejouer n&apos;importe quel marché grâce à son numéro, y compris celui qu&apos;un ami t&apos;envoie.</translation>
    </message>
    <message>
        <source>In a market game the prices of every town on every day, the market events, the muggings, the robberies of the pyramid bank and the Pharaoh&apos;s bonus are the same for every player, whatever route each takes and whatever each buys. What you make of them is yours.</source>
        <translation>Sur un même marché, les prix de chaque ville chaque jour, les événements du marché, les agressions en route, les braquages de la banque pyramide et la prime du Pharaon sont les mêmes pour tous les joueurs, quel que soit l&apos;itinéraire de chacun et quoi qu&apos;il achète. Ce que tu en fais ne dépend que de toi.</translation>
    </message>
    <message>
        <source>When a market game ends, Copy Result (%1) in the window of your burial copies one line to paste to others: the market&apos;s number, your total and your burial. Nothing is kept or sent.</source>
        <translation>À la fin d&apos;une partie sur un marché, le bouton Copier le résultat (%1), dans la fenêtre de ta sépulture, copie une ligne à partager avec les autres&#xa0;: le numéro du marché, ton total et ta sépulture. Rien n&apos;est conservé ni envoyé.</translation>
    </message>
    <message>
        <source>The market of the day, or a market by its number</source>
        <translation>Le marché du jour, ou un marché par son numéro</translation>
    </message>
    <message>
        <source>The market of the day</source>
        <translation>Le marché du jour</translation>
    </message>
</context>
<context>
    <name>dunemark::frmLedger</name>
    <message>
        <source>Ledger</source>
        <translation>Livre de comptes</translation>
    </message>
    <message>
        <source>&amp;Prices</source>
        <translation>&amp;Prix</translation>
    </message>
    <message>
        <source>&amp;Fortune</source>
        <translation>&amp;Fortune</translation>
    </message>
    <message>
        <source>Show the figures as a &amp;table</source>
        <translation>Afficher les chiffres en &amp;tableau</translation>
    </message>
    <message>
        <source>&amp;Goods:</source>
        <translation>&amp;Marchandises&#xa0;:</translation>
    </message>
    <message>
        <source>Goods</source>
        <translation>Marchandises</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Burial</source>
        <translation>Sépulture</translation>
    </message>
    <message>
        <source>Price chart</source>
        <translation>Graphique des prix</translation>
    </message>
    <message>
        <source>Fortune chart</source>
        <translation>Graphique de la fortune</translation>
    </message>
    <message>
        <source>Prices of %1 day by day</source>
        <translation>%1&#xa0;: les prix jour après jour</translation>
    </message>
    <message>
        <source>Each town you travel to writes its prices into this ledger.</source>
        <translation>Chaque ville où tu passes inscrit ses prix dans ce livre de comptes.</translation>
    </message>
    <message>
        <source>&amp;Last seen</source>
        <translation>&amp;Derniers prix</translation>
    </message>
    <message>
        <source>%1 the lowest and %2 the highest of the prices last seen of a good</source>
        <translation>%1 le plus bas et %2 le plus haut des derniers prix vus d&apos;une marchandise</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Worth</source>
        <translation>Patrimoine</translation>
    </message>
    <message>
        <source>Money and worth at the end of each day</source>
        <translation>Solde et patrimoine à la fin de chaque jour</translation>
    </message>
    <message>
        <source>Worth counts the goods you carry, but the end of the game counts only money: sell your goods before you Finish.</source>
        <translation>Le patrimoine compte les marchandises que tu portes, mais la fin de partie ne compte que le solde&#xa0;: vends-les avant le Bilan.</translation>
    </message>
    <message>
        <source>Prices of %1 seen day by day</source>
        <translation>%1&#xa0;: les prix vus jour après jour</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>Spoken in a ledger table: a column&apos;s name (a town, &quot;Day&quot;, &quot;Money&quot;), then its figure.</extracomment>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>dunemark::frmMain</name>
    <message>
        <source>Item</source>
        <translation>Article</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Qté</translation>
    </message>
    <message>
        <source>Slaves: %1/%2</source>
        <translation>Esclaves&#xa0;: %1/%2</translation>
    </message>
    <message>
        <source>Favour = %1%</source>
        <translation>Faveur = %1&#xa0;%</translation>
    </message>
    <message>
        <source>Buy - %1</source>
        <translation>Acheter - %1</translation>
    </message>
    <message>
        <source>Sell - %1</source>
        <translation>Vendre - %1</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>Are you sure you wish to start a new game?</source>
        <translation>Veux-tu vraiment commencer une nouvelle partie&#xa0;?</translation>
    </message>
    <message>
        <source>Cash:</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banque</translation>
    </message>
    <message>
        <source>Debt:</source>
        <translation>Dette</translation>
    </message>
    <message>
        <source>Debt</source>
        <translation>Dette</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Bilan</translation>
    </message>
    <message>
        <source>Special products</source>
        <translation>Produits spéciaux</translation>
    </message>
    <message>
        <source>&amp;Buy</source>
        <translation>A&amp;cheter</translation>
    </message>
    <message>
        <source>&amp;Sell</source>
        <translation>&amp;Vendre</translation>
    </message>
    <message>
        <source>Finances</source>
        <translation>Finances</translation>
    </message>
    <message>
        <source>Items available:</source>
        <translation>En vente&#xa0;:</translation>
    </message>
    <message>
        <source>Items you can buy</source>
        <translation>Articles à acheter</translation>
    </message>
    <message>
        <source>Enter buys the selected item</source>
        <translation>Entrée achète l&apos;article choisi</translation>
    </message>
    <message>
        <source>Items you have bought</source>
        <translation>Articles achetés</translation>
    </message>
    <message>
        <source>Enter sells the selected item</source>
        <translation>Entrée vend l&apos;article choisi</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Palmarès</translation>
    </message>
    <message>
        <source>&amp;Story</source>
        <translation>&amp;Histoire</translation>
    </message>
    <message>
        <source>&amp;Ledger</source>
        <translation>&amp;Livre de comptes</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>How to &amp;Play</source>
        <translation>Comment &amp;jouer</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>the price paid for goods carried</comment>
        <translation>%L1</translation>
    </message>
    <message>
        <source>%1, day %2 of %3.</source>
        <translation>%1, jour %2 sur %3.</translation>
    </message>
    <message>
        <source>Cash %1.</source>
        <translation>Espèces&#xa0;: %1.</translation>
    </message>
    <message>
        <source>You are here.</source>
        <translation>Tu es ici.</translation>
    </message>
    <message>
        <source>Nothing carried</source>
        <translation>Vide</translation>
    </message>
    <message>
        <source>paid %1 each</source>
        <translation>payé %1 l&apos;unité</translation>
    </message>
    <message>
        <source>%1 carried</source>
        <translation>%1 portés</translation>
    </message>
    <message>
        <source>Sell your goods, then press Finish to end the game.</source>
        <translation>Vends tes marchandises, puis appuie sur Bilan pour finir la partie.</translation>
    </message>
    <message>
        <source>%1 costs %2.</source>
        <translation>%1 coûte %2.</translation>
    </message>
    <message>
        <source>The game is over: File, New Game starts another.</source>
        <translation>La partie est finie&#xa0;: Fichier, Nouvelle partie en commence une autre.</translation>
    </message>
    <message>
        <source>Ends the game: your total, your burial and the high scores</source>
        <translation>Termine la partie&#xa0;: ton total, ta sépulture et les meilleurs scores</translation>
    </message>
    <message>
        <source>No more journeys: this is the last day.</source>
        <translation>Plus de voyages&#xa0;: c&apos;est le dernier jour.</translation>
    </message>
    <message>
        <source>%1 - Market %2</source>
        <comment>the caption of a market game: the day&apos;s caption, the number</comment>
        <translation>%1 - Marché %2</translation>
    </message>
    <message>
        <source>&amp;Market of the Day</source>
        <translation>&amp;Marché du jour</translation>
    </message>
    <message>
        <source>&amp;Play Market Number…</source>
        <translation>&amp;Jouer un marché par numéro…</translation>
    </message>
    <message>
        <source>The number of the market to play (digits only, from %1 to %2):</source>
        <translation>Numéro du marché à jouer (chiffres uniquement, de %L1 à %L2)&#xa0;:</translation>
    </message>
    <message>
        <source>A market number is written in digits only, from %1 to %2.</source>
        <translation>Un numéro de marché ne s&apos;écrit qu&apos;avec des chiffres, de %L1 à %L2.</translation>
    </message>
    <message>
        <source>Slaves: %1 of %2 unladen</source>
        <extracomment>Spoken: how many of the slaves carry nothing yet (room for that many more goods), of all.</extracomment>
        <translation>Esclaves&#xa0;: %1 sur %2 sans charge</translation>
    </message>
    <message numerus="yes">
        <source>Bought %n %1 for %2.</source>
        <extracomment>Spoken: how many of the good %1 were bought, and what they cost.</extracomment>
        <translation>
            <numerusform>Achat&#xa0;: %1, %Ln unité, pour %2.</numerusform>
            <numerusform>Achat&#xa0;: %1, %Ln unités, pour %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sold %n %1 for %2.</source>
        <extracomment>Spoken: how many of the good %1 were sold, and what they brought.</extracomment>
        <translation>
            <numerusform>Vente&#xa0;: %1, %Ln unité, pour %2.</numerusform>
            <numerusform>Vente&#xa0;: %1, %Ln unités, pour %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmSell</name>
    <message>
        <source>How many do you wish to sell:</source>
        <translation>Combien veux-tu en vendre&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>You have %n items to sell</source>
        <translation>
            <numerusform>Tu as %Ln article à vendre</numerusform>
            <numerusform>Tu as %Ln articles à vendre</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmShowEndTomb</name>
    <message>
        <source>What happened to you?</source>
        <translation>Qu&apos;es-tu devenu&#xa0;?</translation>
    </message>
    <message>
        <source>Your burial place</source>
        <translation>Ta sépulture</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>&amp;Copier le résultat</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copié</translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried next to the Gods</source>
        <translation>
            <numerusform>Dunemark, marché %1&#xa0;: %2 en %Ln jour, enterré auprès des dieux</numerusform>
            <numerusform>Dunemark, marché %1&#xa0;: %2 en %Ln jours, enterré auprès des dieux</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried among the Pharaohs</source>
        <translation>
            <numerusform>Dunemark, marché %1&#xa0;: %2 en %Ln jour, enterré parmi les pharaons</numerusform>
            <numerusform>Dunemark, marché %1&#xa0;: %2 en %Ln jours, enterré parmi les pharaons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, given a burial fit for a nobleman</source>
        <translation>
            <numerusform>Dunemark, marché %1&#xa0;: %2 en %Ln jour, des funérailles dignes d&apos;un noble</numerusform>
            <numerusform>Dunemark, marché %1&#xa0;: %2 en %Ln jours, des funérailles dignes d&apos;un noble</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried with the common folk</source>
        <translation>
            <numerusform>Dunemark, marché %1&#xa0;: %2 en %Ln jour, enterré avec le petit peuple</numerusform>
            <numerusform>Dunemark, marché %1&#xa0;: %2 en %Ln jours, enterré avec le petit peuple</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, buried in a hole in the desert</source>
        <translation>
            <numerusform>Dunemark, marché %1&#xa0;: %2 en %Ln jour, enterré dans un trou en plein désert</numerusform>
            <numerusform>Dunemark, marché %1&#xa0;: %2 en %Ln jours, enterré dans un trou en plein désert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dunemark, market %1: %2 in %n days, tossed into the desert</source>
        <translation>
            <numerusform>Dunemark, marché %1&#xa0;: %2 en %Ln jour, jeté dans le désert</numerusform>
            <numerusform>Dunemark, marché %1&#xa0;: %2 en %Ln jours, jeté dans le désert</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmSpecial</name>
    <message>
        <source>Special items</source>
        <translation>Produits spéciaux</translation>
    </message>
    <message>
        <source>Buy a Pyramid Bank</source>
        <translation>Banque pyramide</translation>
    </message>
    <message>
        <source>Buy more slaves</source>
        <translation>Plus d&apos;esclaves</translation>
    </message>
    <message>
        <source>Give gift to Pharoah</source>
        <translation>Cadeau au Pharaon</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cost:</source>
        <translation>Prix&#xa0;:</translation>
    </message>
    <message>
        <source>Buy</source>
        <translation>Acheter</translation>
    </message>
    <message>
        <source>Buying a pyramid bank, will allow you to deposit your money into a safe place. You will then receive intrest on what you deposit. You can withdraw your money at any time.</source>
        <translation>Avec une banque pyramide, ton argent est à l&apos;abri. Tes dépôts te rapportent des intérêts et tu peux retirer ton argent à tout moment.</translation>
    </message>
    <message>
        <source>You currently have:</source>
        <translation>Tu possèdes&#xa0;:</translation>
    </message>
    <message>
        <source>slaves</source>
        <translation>esclaves</translation>
    </message>
    <message>
        <source>The more slaves you have, the more items you can buy. Each slave is responsible for one item.</source>
        <translation>Plus tu as d&apos;esclaves, plus tu peux acheter d&apos;articles. Chaque esclave porte un article.</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Favour will increase by:</source>
        <translation>Gain de faveur&#xa0;:</translation>
    </message>
    <message>
        <source>Favour will increase by</source>
        <translation>Gain de faveur</translation>
    </message>
    <message>
        <source>Your cash:</source>
        <translation>Tes espèces&#xa0;:</translation>
    </message>
    <message>
        <source>Your cash</source>
        <translation>Tes espèces</translation>
    </message>
    <message>
        <source>Giving the pharoah gifts will increase his favour towards you and cold be profitable in the future.</source>
        <translation>Offrir des cadeaux au Pharaon augmente sa faveur envers toi, et ça pourrait rapporter gros plus tard.</translation>
    </message>
    <message>
        <source>Give Gift</source>
        <translation>Offrir</translation>
    </message>
    <message numerus="yes">
        <source>Buy %n more slaves for %1</source>
        <translation>
            <numerusform>Acheter %Ln esclave de plus pour %L1</numerusform>
            <numerusform>Acheter %Ln esclaves de plus pour %L1</numerusform>
        </translation>
    </message>
    <message>
        <source>Favour = %1%</source>
        <translation>Faveur = %1&#xa0;%</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage, written as in &quot;Favour = %1%&quot;.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Cost %1, favour up by %2%</source>
        <translation>Coût %1, faveur en hausse de %2&#xa0;%</translation>
    </message>
    <message>
        <source>%1, page %2 of %3.</source>
        <translation>%1, page %2 sur %3.</translation>
    </message>
    <message>
        <source>Gift given: favour %1%, cash %2.</source>
        <translation>Cadeau offert&#xa0;: faveur %1&#xa0;%, espèces %2.</translation>
    </message>
    <message>
        <source>You own a pyramid bank, cash %1.</source>
        <translation>Tu possèdes une banque pyramide, espèces %1.</translation>
    </message>
    <message numerus="yes">
        <source>You now have %n slaves, cash %1.</source>
        <translation>
            <numerusform>Tu as maintenant %Ln esclave, espèces %1.</numerusform>
            <numerusform>Tu as maintenant %Ln esclaves, espèces %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunemark::frmStory</name>
    <message>
        <source>Story</source>
        <translation>Histoire</translation>
    </message>
    <message>
        <source>You have been sentenced to death. After you pleaded with the pharoah, that you have no tomb, and hence will be unable to enter the afterlife. He agrees to grant you some money, a loan (for your bail), and 2 months, to make as much money as you can, from trading items. The amount of money you make, will decide where you get buried<byte value="xd"/>
<byte value="xd"/>
Good Luck !</source>
        <translation>Tu as été condamné à mort. Tu as supplié le Pharaon&#xa0;: tu n&apos;as pas de tombeau et ne pourras donc pas entrer dans l&apos;au-delà. Il accepte de t&apos;accorder un peu d&apos;argent, un prêt (pour ta caution) et 2 mois pour gagner le plus d&apos;argent possible en faisant du commerce. L&apos;argent que tu gagneras décidera du lieu de ta sépulture.<byte value="xd"/>
<byte value="xd"/>
Bonne chance&#xa0;!</translation>
    </message>
</context>
</TS>
