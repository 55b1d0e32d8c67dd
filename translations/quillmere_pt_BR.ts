<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Caption</name>
    <message>
        <source>Morning</source>
        <translation>Manhã</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tarde</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Noite</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmação</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
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
        <translation>NENHUM</translation>
    </message>
</context>
<context>
    <name>Goods</name>
    <message>
        <source>Acid</source>
        <translation>Ácido</translation>
    </message>
    <message>
        <source>Oh look, pink elephants!</source>
        <translation>Olha só, elefantes cor-de-rosa!</translation>
    </message>
    <message>
        <source>Cocaine</source>
        <translation>Cocaína</translation>
    </message>
    <message>
        <source>This sure isn&apos;t Coca-Cola Classic.</source>
        <translation>Isso aí com certeza não é Coca-Cola Classic.</translation>
    </message>
    <message>
        <source>Crack</source>
        <translation>Crack</translation>
    </message>
    <message>
        <source>No, I didn&apos;t say Crack Whore... this is the finest powder you can buy.</source>
        <translation>Não, eu não falei “puta do crack”... é o pó mais fino que você vai achar.</translation>
    </message>
    <message>
        <source>Ecstasy</source>
        <translation>Ecstasy</translation>
    </message>
    <message>
        <source>Often shipped from Europe, comes in pill form.</source>
        <translation>Geralmente vem da Europa, em comprimido.</translation>
    </message>
    <message>
        <source>Hashish</source>
        <translation>Haxixe</translation>
    </message>
    <message>
        <source>Straight from the Middle East. Best shit available.</source>
        <translation>Direto do Oriente Médio. O melhor bagulho que tem.</translation>
    </message>
    <message>
        <source>Heroin</source>
        <translation>Heroína</translation>
    </message>
    <message>
        <source>Addicts will always pay your price for this low-class street shit.</source>
        <translation>Viciado sempre paga o que você pedir por essa merda de quinta.</translation>
    </message>
    <message>
        <source>Opium</source>
        <translation>Ópio</translation>
    </message>
    <message>
        <source>So this is the shit Pokemon has been smokin...</source>
        <translation>Então é isso que os criadores de Pokémon andavam fumando...</translation>
    </message>
    <message>
        <source>PCP</source>
        <translation>PCP</translation>
    </message>
    <message>
        <source>This is the finest shit on the market.</source>
        <translation>É o bagulho mais fino do mercado.</translation>
    </message>
    <message>
        <source>Peyote</source>
        <translation>Peiote</translation>
    </message>
    <message>
        <source>Smoke it or make some tea, either way it will be a wild ride.</source>
        <translation>Fuma ou faz um chá: de um jeito ou de outro, a viagem vai ser sinistra.</translation>
    </message>
    <message>
        <source>Shrooms</source>
        <translation>Cogumelos</translation>
    </message>
    <message>
        <source>These arent the same ones your momma put in that soup.... well... maybe.</source>
        <translation>Não são os que a sua mãe põe na sopa... quer dizer... talvez.</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Snort some of this shit and this game gets even wilder!</source>
        <translation>Cheira um pouco desse bagulho e o jogo fica ainda mais louco!</translation>
    </message>
    <message>
        <source>Weed</source>
        <translation>Maconha</translation>
    </message>
    <message>
        <source>The greatest dope, straight from Cali.</source>
        <translation>A melhor maconha, direto da Califórnia.</translation>
    </message>
    <message>
        <source>Whore</source>
        <translation>Puta</translation>
    </message>
    <message>
        <source>The highest class whore available in the area.</source>
        <translation>A puta mais chique da região.</translation>
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
        <translation>Pistolinha</translation>
    </message>
    <message>
        <source>Pistol</source>
        <translation>Pistola</translation>
    </message>
    <message>
        <source>Revolver</source>
        <translation>Revólver</translation>
    </message>
    <message>
        <source>Rifle</source>
        <translation>Rifle</translation>
    </message>
    <message>
        <source>Shotgun</source>
        <translation>Escopeta</translation>
    </message>
    <message>
        <source>Big Shotgun</source>
        <translation>Escopetão</translation>
    </message>
    <message>
        <source>Machinegun</source>
        <translation>Metralhadora</translation>
    </message>
    <message>
        <source>Assault Rifle</source>
        <translation>Fuzil</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>NENHUMA</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Please enter a login.</source>
        <translation>Digite um nome.</translation>
    </message>
    <message>
        <source>Do I look like an ATM machine to you? Bring me CASH!</source>
        <translation>Tá me achando com cara de caixa eletrônico? Me traz GRANA!</translation>
    </message>
    <message>
        <source>What do we look like, a free clinic? Get some cash and come back.</source>
        <translation>Tá achando que isso aqui é posto de saúde? Arruma grana e volta.</translation>
    </message>
    <message>
        <source>Get medical help for $3000?</source>
        <translation>Pagar 3.000 dólares para ser atendido?</translation>
    </message>
    <message>
        <source>Why in the world would you want to pay Tony more than you owe him?!</source>
        <translation>Por que raios você ia querer pagar pro Tony mais do que deve a ele?!</translation>
    </message>
    <message>
        <source>Insufficient Funds.</source>
        <translation>Grana insuficiente.</translation>
    </message>
    <message>
        <source>You must sell your existing car first.</source>
        <translation>Primeiro você tem que vender o seu carro.</translation>
    </message>
    <message>
        <source>You must first empty your trunk and seats.</source>
        <translation>Primeiro você tem que esvaziar o porta-malas e liberar os lugares.</translation>
    </message>
    <message>
        <source>You were mugged at a stoplight.</source>
        <translation>Você foi assaltado no sinal.</translation>
    </message>
    <message>
        <source>You were mugged- nothing was taken.</source>
        <translation>Você foi assaltado, mas não levaram nada.</translation>
    </message>
    <message>
        <source>Some drugs were stolen from you in the streets.</source>
        <translation>Roubaram um pouco da sua droga na rua.</translation>
    </message>
    <message>
        <source>Two ladies who appreciate a hard-working drug dealer decide to come hang out with you for a while.</source>
        <translation>Duas moças que sabem valorizar um traficante esforçado resolvem passar um tempo com você.</translation>
    </message>
    <message>
        <source>A family of 4 offers you 100,000 Pesos (10,000 dolars) to take them over the border!! Will you accept?</source>
        <translation>Uma família de 4 te oferece 100.000 pesos (10.000 dólares) para cruzar a fronteira com eles!! Topa?</translation>
    </message>
    <message>
        <source>The family you were transporting bails on you.</source>
        <translation>A família que você levava te deu o cano.</translation>
    </message>
    <message>
        <source>The family thanks you with prompt payment.</source>
        <translation>A família agradece e paga na hora.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value.</source>
        <translation>“%1” não é um número inteiro válido.</translation>
    </message>
    <message>
        <source>Cheaters never prosper.</source>
        <translation>Quem trapaceia nunca se dá bem.</translation>
    </message>
    <message>
        <source>Insufficient Seat Space</source>
        <translation>Não há lugares suficientes</translation>
    </message>
    <message>
        <source>Insufficient Trunk Space</source>
        <translation>Não cabe no porta-malas</translation>
    </message>
    <message>
        <source>Invalid Purchase Amount Entered</source>
        <translation>Quantidade de compra inválida</translation>
    </message>
    <message>
        <source>Insufficient Funds</source>
        <translation>Grana insuficiente</translation>
    </message>
    <message>
        <source>You do not have that much inventory!</source>
        <translation>Você não tem tanta mercadoria!</translation>
    </message>
    <message>
        <source>You need a new car!</source>
        <translation>Você precisa de um carro novo!</translation>
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
        <translation>Tony, o Agiota, está na sua cola.</translation>
    </message>
    <message>
        <source>The Border Patrol is after you!</source>
        <translation>A imigração está na sua cola!</translation>
    </message>
    <message>
        <source>The Cops are after you.</source>
        <translation>Os tiras estão na sua cola.</translation>
    </message>
    <message>
        <source>Tony thanks you for your prompt payment. Have a nice day.</source>
        <translation>Tony agradece o pagamento em dia. Tenha um bom dia.</translation>
    </message>
    <message>
        <source>You attempt to run.</source>
        <translation>Você tenta fugir.</translation>
    </message>
    <message>
        <source>You successfully escape from Tony. But he&apos;ll be back!.</source>
        <translation>Você escapa do Tony. Mas ele vai voltar!</translation>
    </message>
    <message>
        <source>This is your lucky day junior. You got away.</source>
        <translation>Hoje é o seu dia de sorte, moleque. Você escapou.</translation>
    </message>
    <message>
        <source>As you run like a little bitch, a loud bang followed by a pain in your shoulder lets you know that Tony means business.</source>
        <translation>Enquanto você foge feito uma menininha, um BANG e uma dor no ombro deixam claro que o Tony não está de brincadeira.</translation>
    </message>
    <message>
        <source>You got shot in the ass.</source>
        <translation>Você levou um tiro na bunda.</translation>
    </message>
    <message>
        <source>Your blood slowly leaves you and you are left to die.</source>
        <translation>Você vai perdendo sangue devagar e é largado para morrer.</translation>
    </message>
    <message>
        <source>GAME OVER.</source>
        <translation>FIM DE JOGO.</translation>
    </message>
    <message>
        <source>You chose to fight.</source>
        <translation>Você resolve lutar.</translation>
    </message>
    <message>
        <source>You have no gun.</source>
        <translation>Você não tem arma.</translation>
    </message>
    <message>
        <source>You got shot in the head.</source>
        <translation>Você levou um tiro na cabeça.</translation>
    </message>
    <message>
        <source>Wow! Nice shot!</source>
        <translation>Uau! Belo tiro!</translation>
    </message>
    <message>
        <source>Looks like is bacon for breakfast.</source>
        <translation>Parece que hoje tem coxinha no café da manhã.</translation>
    </message>
    <message>
        <source>The cops outnumbered you.</source>
        <translation>Os tiras eram muitos para você.</translation>
    </message>
    <message>
        <source>Your hand is quicker than Tony&apos;s, as you pull out your gun and stop him dead in his tracks.</source>
        <translation>Sua mão é mais rápida que a do Tony: você saca a arma e o derruba ali mesmo.</translation>
    </message>
    <message>
        <source>As you move for your gun, all you see is the glistening sunlight off Tony&apos;s chrome .45 followed by a loud bang.</source>
        <translation>Quando você leva a mão à arma, só vê o sol brilhando na .45 cromada do Tony... e depois, BANG.</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>New area labs are producing cheap acid.</source>
        <translation>Novos laboratórios da área estão produzindo ácido barato.</translation>
    </message>
    <message>
        <source>Acid prices are insane!</source>
        <translation>Os preços do ácido estão uma loucura!</translation>
    </message>
    <message>
        <source>Cocaine prices are soaring!</source>
        <translation>O preço da cocaína está nas alturas!</translation>
    </message>
    <message>
        <source>Heroin prices are shooting up!</source>
        <translation>O preço da heroína está disparando!</translation>
    </message>
    <message>
        <source>Not much speed available on the market...</source>
        <translation>Tem pouco speed no mercado...</translation>
    </message>
    <message>
        <source>DEA seizes $40 million in hashish from LA drug kingpin. Prices rise.</source>
        <translation>A DEA apreende 40 milhões de dólares em haxixe de um chefão de LA. Os preços sobem.</translation>
    </message>
    <message>
        <source>LA smog and no sun lead to a weed shortage.</source>
        <translation>Smog e falta de sol em LA: a maconha está em falta.</translation>
    </message>
    <message>
        <source>A few trucks made it over the Mexican border.</source>
        <translation>Alguns caminhões conseguiram cruzar a fronteira mexicana.</translation>
    </message>
    <message>
        <source>You need more seats man!</source>
        <translation>Você precisa de mais lugares, mano!</translation>
    </message>
</context>
<context>
    <name>quillmere::App</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
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
        <translation>Revenda</translation>
    </message>
</context>
<context>
    <name>quillmere::DealerScreen</name>
    <message>
        <source>Price:</source>
        <translation>Preço:</translation>
    </message>
    <message>
        <source>Accuracy:</source>
        <translation>Precisão:</translation>
    </message>
    <message>
        <source> New Gun Specs </source>
        <translation> Arma nova </translation>
    </message>
    <message>
        <source>Buy Gun</source>
        <translation>Comprar</translation>
    </message>
    <message>
        <source> Old Gun Specs </source>
        <translation> Sua arma </translation>
    </message>
    <message>
        <source>Sell Gun</source>
        <translation>Vender</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Seats:</source>
        <translation>Lugares:</translation>
    </message>
    <message>
        <source>Trunk Space:</source>
        <translation>Porta-malas:</translation>
    </message>
    <message>
        <source> New Car Specs </source>
        <translation> Carro novo </translation>
    </message>
    <message>
        <source>Buy Car</source>
        <translation>Comprar</translation>
    </message>
    <message>
        <source> Old Car Specs </source>
        <translation> Seu carro </translation>
    </message>
    <message>
        <source>Sell Car</source>
        <translation>Vender</translation>
    </message>
    <message>
        <source> Cash </source>
        <translation> Grana </translation>
    </message>
</context>
<context>
    <name>quillmere::EndScreen</name>
    <message>
        <source>Your time has come.</source>
        <translation>Chegou a sua hora.</translation>
    </message>
    <message>
        <source>You&apos;re out of time. You must make a bid now.
You have worked very hard to even get here and now for the payoff.

Do you have enough money to put a price on the life of the man who 
killed your mother?

There is only one way to find out.
Post your bid and watch the outcome.</source>
        <translation>Seu tempo acabou. Você tem que dar o seu lance agora.
Você ralou muito para chegar até aqui, e agora é hora de receber.

Será que você tem grana para pôr preço na cabeça do homem que matou a sua mãe?

Só tem um jeito de descobrir.
Dê o seu lance e veja o que acontece.</translation>
    </message>
    <message>
        <source>The end of the game</source>
        <translation>O fim do jogo</translation>
    </message>
    <message>
        <source>Your Assets:</source>
        <translation>Patrimônio:</translation>
    </message>
    <message>
        <source>Your Assets</source>
        <translation>Seu patrimônio</translation>
    </message>
    <message>
        <source>Encrypted:</source>
        <translation>Código:</translation>
    </message>
    <message>
        <source>Encrypted bid</source>
        <translation>Lance criptografado</translation>
    </message>
    <message>
        <source>Copy encrypted bid amount to clipboard</source>
        <translation>Copiar o lance criptografado para a área de transferência</translation>
    </message>
    <message>
        <source>Visit website and post your bid</source>
        <translation>Visitar o site e dar o seu lance</translation>
    </message>
    <message>
        <source>Retire</source>
        <translation>Pendurar as chuteiras</translation>
    </message>
    <message>
        <source> Instructions </source>
        <translation> Instruções </translation>
    </message>
    <message>
        <source>Visit our website
%1

Log in as a bidder or create a new account.
Paste your encrypted bid into your account by pressing Ctrl+V.

Good Luck.</source>
        <translation>Visite o nosso site
%1

Entre como licitante ou crie uma conta nova.
Cole o seu lance criptografado na sua conta com Ctrl+V.

Boa sorte.</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instruções</translation>
    </message>
</context>
<context>
    <name>quillmere::GunDealerScreen</name>
    <message>
        <source>Gun Dealer</source>
        <translation>Armeiro</translation>
    </message>
    <message>
        <source>Cash:</source>
        <translation>US$</translation>
    </message>
</context>
<context>
    <name>quillmere::LoanScreen</name>
    <message>
        <source>Make a Loan Payment</source>
        <translation>Pagar o empréstimo</translation>
    </message>
    <message>
        <source>Tony</source>
        <translation>Tony</translation>
    </message>
    <message>
        <source>Pay how much?</source>
        <translation>Vai pagar quanto?</translation>
    </message>
    <message>
        <source>Amount to pay</source>
        <translation>Valor a pagar</translation>
    </message>
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
    <name>quillmere::MainScreen</name>
    <message>
        <source>Currently On The Market:</source>
        <translation>No mercado agora:</translation>
    </message>
    <message>
        <source>Buy</source>
        <translation>Comprar</translation>
    </message>
    <message>
        <source>Sell</source>
        <translation>Vender</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Price:</source>
        <translation>Preço:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descrição:</translation>
    </message>
    <message>
        <source>In Your Possession:</source>
        <translation>Com você:</translation>
    </message>
    <message>
        <source>withdraw</source>
        <translation>sacar</translation>
    </message>
    <message>
        <source>deposit</source>
        <translation>depositar</translation>
    </message>
    <message>
        <source>some</source>
        <translation>parte</translation>
    </message>
    <message>
        <source>all</source>
        <translation>tudo</translation>
    </message>
    <message>
        <source>Car Dealer</source>
        <translation>Revenda</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Carro</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Trunk Space (avail)</source>
        <translation>Porta-malas (livre)</translation>
    </message>
    <message>
        <source>Seat Space (avail)</source>
        <translation>Lugares (livres)</translation>
    </message>
    <message>
        <source>Visit a Hospital</source>
        <translation>Ir ao hospital</translation>
    </message>
    <message>
        <source>Gun Dealer</source>
        <translation>Armeiro</translation>
    </message>
    <message>
        <source>Gun</source>
        <translation>Arma</translation>
    </message>
    <message>
        <source>Day %1 of 31</source>
        <translation>Dia %1 de 31</translation>
    </message>
    <message>
        <source>Acid description.</source>
        <translation>Descrição do ácido.</translation>
    </message>
    <message>
        <source>&amp;Visit Our Website</source>
        <translation>&amp;Visitar o nosso site</translation>
    </message>
    <message>
        <source>&amp;Introduction</source>
        <translation>&amp;Introdução</translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation>&amp;Tutorial</translation>
    </message>
    <message>
        <source>Market</source>
        <translation>Mercado</translation>
    </message>
    <message>
        <source>In your possession</source>
        <translation>Com você</translation>
    </message>
    <message>
        <source>Amount to buy</source>
        <translation>Quantidade a comprar</translation>
    </message>
    <message>
        <source>Amount to sell</source>
        <translation>Quantidade a vender</translation>
    </message>
    <message>
        <source>Picture of the good</source>
        <translation>Imagem da mercadoria</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Grana</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banco</translation>
    </message>
    <message>
        <source>Debt to Tony</source>
        <translation>Dívida com o Tony</translation>
    </message>
    <message>
        <source>Picture of the car</source>
        <translation>Imagem do carro</translation>
    </message>
    <message>
        <source>Picture of the gun</source>
        <translation>Imagem da arma</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Saúde</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Web</source>
        <translation>&amp;Web</translation>
    </message>
    <message>
        <source>Drugs</source>
        <translation>Drogas</translation>
    </message>
    <message>
        <source>Prices</source>
        <translation>Preços</translation>
    </message>
    <message>
        <source>Drug</source>
        <translation>Droga</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preço</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Qtde.</translation>
    </message>
</context>
<context>
    <name>quillmere::PursuitScreen</name>
    <message>
        <source>Choose Your Destiny</source>
        <translation>Escolha o seu destino</translation>
    </message>
    <message>
        <source>Your pursuer</source>
        <translation>Seu perseguidor</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>O que acontece</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Close Game</source>
        <translation>Sair do jogo</translation>
    </message>
    <message>
        <source>Pay</source>
        <translation>Pagar</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Fugir</translation>
    </message>
    <message>
        <source>Fight</source>
        <translation>Lutar</translation>
    </message>
    <message>
        <source>A police officer</source>
        <translation>Um policial</translation>
    </message>
    <message>
        <source>Tony the loan shark</source>
        <translation>Tony, o Agiota</translation>
    </message>
</context>
<context>
    <name>quillmere::StartScreen</name>
    <message>
        <source>quillmere, a night street in the city</source>
        <translation>quillmere, uma rua da cidade à noite</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introdução</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Tutorial</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Carregando...</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Carregando</translation>
    </message>
</context>
</TS>
