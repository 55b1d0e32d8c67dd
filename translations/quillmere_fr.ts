<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Caption</name>
    <message>
        <source>Morning</source>
        <translation>Matin</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Après-midi</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nuit</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
</context>
<context>
    <name>Cars</name>
    <message>
        <source>Honda Civic</source>
        <translation>Honda Civic</translation>
    </message>
    <message>
        <source>Ford Mustang</source>
        <translation>Ford Mustang</translation>
    </message>
    <message>
        <source>Chevy Corvette</source>
        <translation>Chevy Corvette</translation>
    </message>
    <message>
        <source>Lincoln Navigator</source>
        <translation>Lincoln Navigator</translation>
    </message>
    <message>
        <source>AMG Hummer</source>
        <translation>AMG Hummer</translation>
    </message>
    <message>
        <source>Lincoln Towncar</source>
        <translation>Lincoln Towncar</translation>
    </message>
    <message>
        <source>Porsche Boxter</source>
        <translation>Porsche Boxter</translation>
    </message>
    <message>
        <source>McLaren F1</source>
        <translation>McLaren F1</translation>
    </message>
    <message>
        <source>Chevy Astro</source>
        <translation>Chevy Astro</translation>
    </message>
    <message>
        <source>Ford F150</source>
        <translation>Ford F150</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>AUCUNE</translation>
    </message>
</context>
<context>
    <name>Goods</name>
    <message>
        <source>Acid</source>
        <translation>Acide</translation>
    </message>
    <message>
        <source>Oh look, pink elephants!</source>
        <translation>Oh, regarde, des éléphants roses&#xa0;!</translation>
    </message>
    <message>
        <source>Cocaine</source>
        <translation>Coke</translation>
    </message>
    <message>
        <source>This sure isn&apos;t Coca-Cola Classic.</source>
        <translation>Ça, c’est sûrement pas du Coca-Cola Classic.</translation>
    </message>
    <message>
        <source>Crack</source>
        <translation>Crack</translation>
    </message>
    <message>
        <source>No, I didn&apos;t say Crack Whore... this is the finest powder you can buy.</source>
        <translation>Non, j’ai pas dit «&#xa0;pute à crack&#xa0;»… c’est la poudre la plus fine du marché.</translation>
    </message>
    <message>
        <source>Ecstasy</source>
        <translation>Ecstasy</translation>
    </message>
    <message>
        <source>Often shipped from Europe, comes in pill form.</source>
        <translation>Ça vient souvent d’Europe, en cachets.</translation>
    </message>
    <message>
        <source>Hashish</source>
        <translation>Hasch</translation>
    </message>
    <message>
        <source>Straight from the Middle East. Best shit available.</source>
        <translation>Direct du Moyen-Orient. Le meilleur shit que tu trouveras.</translation>
    </message>
    <message>
        <source>Heroin</source>
        <translation>Héroïne</translation>
    </message>
    <message>
        <source>Addicts will always pay your price for this low-class street shit.</source>
        <translation>Les toxicos paieront toujours ton prix pour cette came de rue minable.</translation>
    </message>
    <message>
        <source>Opium</source>
        <translation>Opium</translation>
    </message>
    <message>
        <source>So this is the shit Pokemon has been smokin...</source>
        <translation>Alors c’est ça que fumaient les créateurs de Pokémon…</translation>
    </message>
    <message>
        <source>PCP</source>
        <translation>PCP</translation>
    </message>
    <message>
        <source>This is the finest shit on the market.</source>
        <translation>C’est la meilleure came du marché.</translation>
    </message>
    <message>
        <source>Peyote</source>
        <translation>Peyotl</translation>
    </message>
    <message>
        <source>Smoke it or make some tea, either way it will be a wild ride.</source>
        <translation>Fume-le ou fais-en une tisane&#xa0;: de toute façon, ça va être un sacré trip.</translation>
    </message>
    <message>
        <source>Shrooms</source>
        <translation>Champis</translation>
    </message>
    <message>
        <source>These arent the same ones your momma put in that soup.... well... maybe.</source>
        <translation>C’est pas ceux que ta mère met dans la soupe… enfin… peut-être.</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Snort some of this shit and this game gets even wilder!</source>
        <translation>Sniffe un peu de cette merde et le jeu devient encore plus dingue&#xa0;!</translation>
    </message>
    <message>
        <source>Weed</source>
        <translation>Herbe</translation>
    </message>
    <message>
        <source>The greatest dope, straight from Cali.</source>
        <translation>La meilleure herbe, direct de Californie.</translation>
    </message>
    <message>
        <source>Whore</source>
        <translation>Pute</translation>
    </message>
    <message>
        <source>The highest class whore available in the area.</source>
        <translation>La pute la plus classe du coin.</translation>
    </message>
</context>
<context>
    <name>Guns</name>
    <message>
        <source>Paintball Gun</source>
        <translation>Paintball</translation>
    </message>
    <message>
        <source>Small Pistol</source>
        <translation>Petit pistolet</translation>
    </message>
    <message>
        <source>Pistol</source>
        <translation>Pistolet</translation>
    </message>
    <message>
        <source>Revolver</source>
        <translation>Revolver</translation>
    </message>
    <message>
        <source>Rifle</source>
        <translation>Carabine</translation>
    </message>
    <message>
        <source>Shotgun</source>
        <translation>Fusil</translation>
    </message>
    <message>
        <source>Big Shotgun</source>
        <translation>Gros fusil</translation>
    </message>
    <message>
        <source>Machinegun</source>
        <translation>Mitrailleuse</translation>
    </message>
    <message>
        <source>Assault Rifle</source>
        <translation>Fusil d’assaut</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>AUCUNE</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Please enter a login.</source>
        <translation>Entre ton nom.</translation>
    </message>
    <message>
        <source>Do I look like an ATM machine to you? Bring me CASH!</source>
        <translation>J’ai une gueule de distributeur&#xa0;? Ramène du FRIC&#xa0;!</translation>
    </message>
    <message>
        <source>What do we look like, a free clinic? Get some cash and come back.</source>
        <translation>T’as cru qu’on soignait gratis&#xa0;? Trouve du fric et reviens.</translation>
    </message>
    <message>
        <source>Get medical help for $3000?</source>
        <translation>Te faire soigner pour 3&#xa0;000 dollars&#xa0;?</translation>
    </message>
    <message>
        <source>Why in the world would you want to pay Tony more than you owe him?!</source>
        <translation>Mais pourquoi tu voudrais filer à Tony plus que ce que tu lui dois&#xa0;?!</translation>
    </message>
    <message>
        <source>Insufficient Funds.</source>
        <translation>T’as pas assez de fric.</translation>
    </message>
    <message>
        <source>You must sell your existing car first.</source>
        <translation>Tu dois d’abord vendre ta voiture.</translation>
    </message>
    <message>
        <source>You must first empty your trunk and seats.</source>
        <translation>Tu dois d’abord vider ton coffre et libérer les places.</translation>
    </message>
    <message>
        <source>You were mugged at a stoplight.</source>
        <translation>Tu t’es fait braquer à un feu rouge.</translation>
    </message>
    <message>
        <source>You were mugged- nothing was taken.</source>
        <translation>Tu t’es fait braquer, mais on t’a rien pris.</translation>
    </message>
    <message>
        <source>Some drugs were stolen from you in the streets.</source>
        <translation>On t’a piqué de la came dans la rue.</translation>
    </message>
    <message>
        <source>Two ladies who appreciate a hard-working drug dealer decide to come hang out with you for a while.</source>
        <translation>Deux dames qui savent apprécier un dealer bosseur décident de traîner un moment avec toi.</translation>
    </message>
    <message>
        <source>A family of 4 offers you 100,000 Pesos (10,000 dolars) to take them over the border!! Will you accept?</source>
        <translation>Une famille de 4 t’offre 100&#xa0;000 pesos (10&#xa0;000 dollars) pour lui faire passer la frontière&#xa0;!! Tu marches&#xa0;?</translation>
    </message>
    <message>
        <source>The family you were transporting bails on you.</source>
        <translation>La famille que tu transportais te plante là.</translation>
    </message>
    <message>
        <source>The family thanks you with prompt payment.</source>
        <translation>La famille te remercie et paie rubis sur l’ongle.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nombre entier valide.</translation>
    </message>
    <message>
        <source>Cheaters never prosper.</source>
        <translation>Bien mal acquis ne profite jamais.</translation>
    </message>
    <message>
        <source>Insufficient Seat Space</source>
        <translation>Pas assez de places</translation>
    </message>
    <message>
        <source>Insufficient Trunk Space</source>
        <translation>Pas assez de place dans le coffre</translation>
    </message>
    <message>
        <source>Invalid Purchase Amount Entered</source>
        <translation>Quantité invalide</translation>
    </message>
    <message>
        <source>Insufficient Funds</source>
        <translation>Pas assez de fric</translation>
    </message>
    <message>
        <source>You do not have that much inventory!</source>
        <translation>T’as pas autant de marchandise&#xa0;!</translation>
    </message>
    <message>
        <source>You need a new car!</source>
        <translation>Il te faut une nouvelle voiture&#xa0;!</translation>
    </message>
</context>
<context>
    <name>Places</name>
    <message>
        <source>Downtown</source>
        <translation>Downtown</translation>
    </message>
    <message>
        <source>Hollywood</source>
        <translation>Hollywood</translation>
    </message>
    <message>
        <source>Pasadena</source>
        <translation>Pasadena</translation>
    </message>
    <message>
        <source>Beverly Hills</source>
        <translation>Beverly Hills</translation>
    </message>
    <message>
        <source>South Central</source>
        <translation>South Central</translation>
    </message>
    <message>
        <source>San Diego</source>
        <translation>San Diego</translation>
    </message>
    <message>
        <source>Las Vegas</source>
        <translation>Las Vegas</translation>
    </message>
    <message>
        <source>Tijuana</source>
        <translation>Tijuana</translation>
    </message>
</context>
<context>
    <name>Pursuit</name>
    <message>
        <source>Tony the Loan Shark is after you.</source>
        <translation>Tony l’Usurier est à tes trousses.</translation>
    </message>
    <message>
        <source>The Border Patrol is after you!</source>
        <translation>La police des frontières te colle au train&#xa0;!</translation>
    </message>
    <message>
        <source>The Cops are after you.</source>
        <translation>Les flics sont à tes trousses.</translation>
    </message>
    <message>
        <source>Tony thanks you for your prompt payment. Have a nice day.</source>
        <translation>Tony te remercie pour ce paiement rapide. Bonne journée.</translation>
    </message>
    <message>
        <source>You attempt to run.</source>
        <translation>Tu essaies de fuir.</translation>
    </message>
    <message>
        <source>You successfully escape from Tony. But he&apos;ll be back!.</source>
        <translation>Tu as semé Tony. Mais il reviendra&#xa0;!</translation>
    </message>
    <message>
        <source>This is your lucky day junior. You got away.</source>
        <translation>C’est ton jour de chance, gamin. T’as réussi à filer.</translation>
    </message>
    <message>
        <source>As you run like a little bitch, a loud bang followed by a pain in your shoulder lets you know that Tony means business.</source>
        <translation>Pendant que tu détales comme une fillette, un gros BANG suivi d’une douleur à l’épaule te fait comprendre que Tony rigole pas.</translation>
    </message>
    <message>
        <source>You got shot in the ass.</source>
        <translation>Tu t’es pris une balle dans le cul.</translation>
    </message>
    <message>
        <source>Your blood slowly leaves you and you are left to die.</source>
        <translation>Ton sang s’écoule lentement et on te laisse crever.</translation>
    </message>
    <message>
        <source>GAME OVER.</source>
        <translation>GAME OVER.</translation>
    </message>
    <message>
        <source>You chose to fight.</source>
        <translation>Tu choisis de te battre.</translation>
    </message>
    <message>
        <source>You have no gun.</source>
        <translation>T’as pas d’arme.</translation>
    </message>
    <message>
        <source>You got shot in the head.</source>
        <translation>Tu t’es pris une balle dans la tête.</translation>
    </message>
    <message>
        <source>Wow! Nice shot!</source>
        <translation>Waouh&#xa0;! Joli tir&#xa0;!</translation>
    </message>
    <message>
        <source>Looks like is bacon for breakfast.</source>
        <translation>On dirait qu’il y a du poulet grillé au petit-déj.</translation>
    </message>
    <message>
        <source>The cops outnumbered you.</source>
        <translation>Les flics étaient trop nombreux.</translation>
    </message>
    <message>
        <source>Your hand is quicker than Tony&apos;s, as you pull out your gun and stop him dead in his tracks.</source>
        <translation>Ta main est plus rapide que celle de Tony&#xa0;: tu dégaines et tu l’étends raide sur place.</translation>
    </message>
    <message>
        <source>As you move for your gun, all you see is the glistening sunlight off Tony&apos;s chrome .45 followed by a loud bang.</source>
        <translation>Quand tu portes la main à ton arme, tout ce que tu vois, c’est le soleil qui brille sur le .45 chromé de Tony… puis BANG.</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>New area labs are producing cheap acid.</source>
        <translation>De nouveaux labos du coin fabriquent de l’acide pas cher.</translation>
    </message>
    <message>
        <source>Acid prices are insane!</source>
        <translation>Les prix de l’acide sont délirants&#xa0;!</translation>
    </message>
    <message>
        <source>Cocaine prices are soaring!</source>
        <translation>Les prix de la coke s’envolent&#xa0;!</translation>
    </message>
    <message>
        <source>Heroin prices are shooting up!</source>
        <translation>Le prix de l’héroïne grimpe en flèche&#xa0;!</translation>
    </message>
    <message>
        <source>Not much speed available on the market...</source>
        <translation>Pas beaucoup de speed sur le marché…</translation>
    </message>
    <message>
        <source>DEA seizes $40 million in hashish from LA drug kingpin. Prices rise.</source>
        <translation>La DEA saisit pour 40 millions de dollars de hasch chez un caïd de LA. Les prix montent.</translation>
    </message>
    <message>
        <source>LA smog and no sun lead to a weed shortage.</source>
        <translation>Smog à LA et pas de soleil&#xa0;: pénurie d’herbe.</translation>
    </message>
    <message>
        <source>A few trucks made it over the Mexican border.</source>
        <translation>Quelques camions ont passé la frontière mexicaine.</translation>
    </message>
    <message>
        <source>You need more seats man!</source>
        <translation>Il te faut plus de places, mec&#xa0;!</translation>
    </message>
</context>
<context>
    <name>quillmere::App</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>quillmere::CarDealerScreen</name>
    <message>
        <source>Car Dealer</source>
        <translation>Garage</translation>
    </message>
</context>
<context>
    <name>quillmere::DealerScreen</name>
    <message>
        <source>Price:</source>
        <translation>Prix&#xa0;:</translation>
    </message>
    <message>
        <source>Accuracy:</source>
        <translation>Précision&#xa0;:</translation>
    </message>
    <message>
        <source> New Gun Specs </source>
        <translation> Nouvelle arme </translation>
    </message>
    <message>
        <source>Buy Gun</source>
        <translation>Acheter</translation>
    </message>
    <message>
        <source> Old Gun Specs </source>
        <translation> Ton arme </translation>
    </message>
    <message>
        <source>Sell Gun</source>
        <translation>Vendre</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Seats:</source>
        <translation>Places&#xa0;:</translation>
    </message>
    <message>
        <source>Trunk Space:</source>
        <translation>Coffre&#xa0;:</translation>
    </message>
    <message>
        <source> New Car Specs </source>
        <translation> Nouvelle voiture </translation>
    </message>
    <message>
        <source>Buy Car</source>
        <translation>Acheter</translation>
    </message>
    <message>
        <source> Old Car Specs </source>
        <translation> Ta voiture </translation>
    </message>
    <message>
        <source>Sell Car</source>
        <translation>Vendre</translation>
    </message>
    <message>
        <source> Cash </source>
        <translation> Fric </translation>
    </message>
</context>
<context>
    <name>quillmere::EndScreen</name>
    <message>
        <source>Your time has come.</source>
        <translation>Ton heure est venue.</translation>
    </message>
    <message>
        <source>You&apos;re out of time. You must make a bid now.
You have worked very hard to even get here and now for the payoff.

Do you have enough money to put a price on the life of the man who 
killed your mother?

There is only one way to find out.
Post your bid and watch the outcome.</source>
        <translation>Le temps est écoulé. Tu dois faire ton enchère maintenant.
T’as bossé dur pour en arriver là, et maintenant, c’est l’heure de toucher le gros lot.

T’as assez de fric pour mettre à prix la tête de l’homme qui a tué ta mère&#xa0;?

Il n’y a qu’une façon de le savoir.
Poste ton enchère et regarde ce qui se passe.</translation>
    </message>
    <message>
        <source>The end of the game</source>
        <translation>La fin de la partie</translation>
    </message>
    <message>
        <source>Your Assets:</source>
        <translation>Ton magot&#xa0;:</translation>
    </message>
    <message>
        <source>Your Assets</source>
        <translation>Ton magot</translation>
    </message>
    <message>
        <source>Encrypted:</source>
        <translation>Code&#xa0;:</translation>
    </message>
    <message>
        <source>Encrypted bid</source>
        <translation>Enchère chiffrée</translation>
    </message>
    <message>
        <source>Copy encrypted bid amount to clipboard</source>
        <translation>Copier l’enchère chiffrée dans le presse-papiers</translation>
    </message>
    <message>
        <source>Visit website and post your bid</source>
        <translation>Aller sur le site et poster ton enchère</translation>
    </message>
    <message>
        <source>Retire</source>
        <translation>Raccrocher</translation>
    </message>
    <message>
        <source> Instructions </source>
        <translation> Instructions </translation>
    </message>
    <message>
        <source>Visit our website
%1

Log in as a bidder or create a new account.
Paste your encrypted bid into your account by pressing Ctrl+V.

Good Luck.</source>
        <translation>Va sur notre site
%1

Connecte-toi comme enchérisseur ou crée un compte.
Colle ton enchère chiffrée dans ton compte avec Ctrl+V.

Bonne chance.</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instructions</translation>
    </message>
</context>
<context>
    <name>quillmere::GunDealerScreen</name>
    <message>
        <source>Gun Dealer</source>
        <translation>Armurier</translation>
    </message>
    <message>
        <source>Cash:</source>
        <translation>Fric&#xa0;:</translation>
    </message>
</context>
<context>
    <name>quillmere::LoanScreen</name>
    <message>
        <source>Make a Loan Payment</source>
        <translation>Rembourser Tony</translation>
    </message>
    <message>
        <source>Tony</source>
        <translation>Tony</translation>
    </message>
    <message>
        <source>Pay how much?</source>
        <translation>Tu paies combien&#xa0;?</translation>
    </message>
    <message>
        <source>Amount to pay</source>
        <translation>Montant à payer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>quillmere::MainScreen</name>
    <message>
        <source>Currently On The Market:</source>
        <translation>En vente en ce moment&#xa0;:</translation>
    </message>
    <message>
        <source>Buy</source>
        <translation>Acheter</translation>
    </message>
    <message>
        <source>Sell</source>
        <translation>Vendre</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Price:</source>
        <translation>Prix&#xa0;:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description&#xa0;:</translation>
    </message>
    <message>
        <source>In Your Possession:</source>
        <translation>En ta possession&#xa0;:</translation>
    </message>
    <message>
        <source>withdraw</source>
        <translation>retirer</translation>
    </message>
    <message>
        <source>deposit</source>
        <translation>déposer</translation>
    </message>
    <message>
        <source>some</source>
        <translation>une partie</translation>
    </message>
    <message>
        <source>all</source>
        <translation>tout</translation>
    </message>
    <message>
        <source>Car Dealer</source>
        <translation>Garage</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Voiture</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Trunk Space (avail)</source>
        <translation>Coffre (libre)</translation>
    </message>
    <message>
        <source>Seat Space (avail)</source>
        <translation>Places (libres)</translation>
    </message>
    <message>
        <source>Visit a Hospital</source>
        <translation>Aller à l’hôpital</translation>
    </message>
    <message>
        <source>Gun Dealer</source>
        <translation>Armurier</translation>
    </message>
    <message>
        <source>Gun</source>
        <translation>Arme</translation>
    </message>
    <message>
        <source>Day %1 of 31</source>
        <translation>Jour %1 sur 31</translation>
    </message>
    <message>
        <source>Acid description.</source>
        <translation>Description de l’acide.</translation>
    </message>
    <message>
        <source>&amp;Visit Our Website</source>
        <translation>&amp;Visiter notre site</translation>
    </message>
    <message>
        <source>&amp;Introduction</source>
        <translation>&amp;Introduction</translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation>&amp;Tutoriel</translation>
    </message>
    <message>
        <source>Market</source>
        <translation>Marché</translation>
    </message>
    <message>
        <source>In your possession</source>
        <translation>En ta possession</translation>
    </message>
    <message>
        <source>Amount to buy</source>
        <translation>Quantité à acheter</translation>
    </message>
    <message>
        <source>Amount to sell</source>
        <translation>Quantité à vendre</translation>
    </message>
    <message>
        <source>Picture of the good</source>
        <translation>Image de la marchandise</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Fric</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banque</translation>
    </message>
    <message>
        <source>Debt to Tony</source>
        <translation>Dette envers Tony</translation>
    </message>
    <message>
        <source>Picture of the car</source>
        <translation>Image de la voiture</translation>
    </message>
    <message>
        <source>Picture of the gun</source>
        <translation>Image de l’arme</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Santé</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Web</source>
        <translation>&amp;Web</translation>
    </message>
    <message>
        <source>Drugs</source>
        <translation>Drogues</translation>
    </message>
    <message>
        <source>Prices</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Drug</source>
        <translation>Drogue</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Quantité</translation>
    </message>
</context>
<context>
    <name>quillmere::PursuitScreen</name>
    <message>
        <source>Choose Your Destiny</source>
        <translation>Choisis ton destin</translation>
    </message>
    <message>
        <source>Your pursuer</source>
        <translation>Ton poursuivant</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Ce qui se passe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close Game</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Pay</source>
        <translation>Payer</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Fuir</translation>
    </message>
    <message>
        <source>Fight</source>
        <translation>Se battre</translation>
    </message>
    <message>
        <source>A police officer</source>
        <translation>Un flic</translation>
    </message>
    <message>
        <source>Tony the loan shark</source>
        <translation>Tony l’Usurier</translation>
    </message>
</context>
<context>
    <name>quillmere::StartScreen</name>
    <message>
        <source>quillmere, a night street in the city</source>
        <translation>quillmere, une rue de la ville, la nuit</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Tutoriel</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Chargement…</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
</context>
</TS>
