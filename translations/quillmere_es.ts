<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Caption</name>
    <message>
        <source>Morning</source>
        <translation>Mañana</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tarde</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Noche</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
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
        <translation>NINGUNO</translation>
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
        <translation>¡Uy, mira, elefantes rosas!</translation>
    </message>
    <message>
        <source>Cocaine</source>
        <translation>Coca</translation>
    </message>
    <message>
        <source>This sure isn&apos;t Coca-Cola Classic.</source>
        <translation>Esto de seguro no es Coca-Cola Clásica.</translation>
    </message>
    <message>
        <source>Crack</source>
        <translation>Crack</translation>
    </message>
    <message>
        <source>No, I didn&apos;t say Crack Whore... this is the finest powder you can buy.</source>
        <translation>No, no dije «puta del crack»... es el polvo más fino que puedes comprar.</translation>
    </message>
    <message>
        <source>Ecstasy</source>
        <translation>Éxtasis</translation>
    </message>
    <message>
        <source>Often shipped from Europe, comes in pill form.</source>
        <translation>Casi siempre llega de Europa y viene en pastillas.</translation>
    </message>
    <message>
        <source>Hashish</source>
        <translation>Hachís</translation>
    </message>
    <message>
        <source>Straight from the Middle East. Best shit available.</source>
        <translation>Directo de Medio Oriente. La mejor mierda que hay.</translation>
    </message>
    <message>
        <source>Heroin</source>
        <translation>Heroína</translation>
    </message>
    <message>
        <source>Addicts will always pay your price for this low-class street shit.</source>
        <translation>Los adictos siempre pagan lo que pidas por esta mierda de quinta.</translation>
    </message>
    <message>
        <source>Opium</source>
        <translation>Opio</translation>
    </message>
    <message>
        <source>So this is the shit Pokemon has been smokin...</source>
        <translation>Así que esto es lo que se fumaban los de Pokémon...</translation>
    </message>
    <message>
        <source>PCP</source>
        <translation>PCP</translation>
    </message>
    <message>
        <source>This is the finest shit on the market.</source>
        <translation>Es la mejor mierda del mercado.</translation>
    </message>
    <message>
        <source>Peyote</source>
        <translation>Peyote</translation>
    </message>
    <message>
        <source>Smoke it or make some tea, either way it will be a wild ride.</source>
        <translation>Fúmalo o hazte un té: de cualquier forma te vas a dar un viajazo.</translation>
    </message>
    <message>
        <source>Shrooms</source>
        <translation>Hongos</translation>
    </message>
    <message>
        <source>These arent the same ones your momma put in that soup.... well... maybe.</source>
        <translation>No son los que tu mamá le echa a la sopa... bueno... a lo mejor.</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Snort some of this shit and this game gets even wilder!</source>
        <translation>¡Métete un pase de esta madre y el juego se pone todavía más loco!</translation>
    </message>
    <message>
        <source>Weed</source>
        <translation>Mota</translation>
    </message>
    <message>
        <source>The greatest dope, straight from Cali.</source>
        <translation>La mejor mota, directo de California.</translation>
    </message>
    <message>
        <source>Whore</source>
        <translation>Puta</translation>
    </message>
    <message>
        <source>The highest class whore available in the area.</source>
        <translation>La puta más fina de toda la zona.</translation>
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
        <translation>Pistolita</translation>
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
        <translation>Escopetota</translation>
    </message>
    <message>
        <source>Machinegun</source>
        <translation>Metralleta</translation>
    </message>
    <message>
        <source>Assault Rifle</source>
        <translation>Fusil de asalto</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>NINGUNA</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Please enter a login.</source>
        <translation>Escribe tu alias.</translation>
    </message>
    <message>
        <source>Do I look like an ATM machine to you? Bring me CASH!</source>
        <translation>¿Qué, tengo cara de cajero automático? ¡Tráeme LANA!</translation>
    </message>
    <message>
        <source>What do we look like, a free clinic? Get some cash and come back.</source>
        <translation>¿Qué parecemos, clínica gratis? Consigue lana y regresa.</translation>
    </message>
    <message>
        <source>Get medical help for $3000?</source>
        <translation>¿Pagas 3000 dólares para que te curen?</translation>
    </message>
    <message>
        <source>Why in the world would you want to pay Tony more than you owe him?!</source>
        <translation>¡¿Por qué diablos querrías pagarle a Tony más de lo que le debes?!</translation>
    </message>
    <message>
        <source>Insufficient Funds.</source>
        <translation>No te alcanza la lana.</translation>
    </message>
    <message>
        <source>You must sell your existing car first.</source>
        <translation>Primero tienes que vender tu auto.</translation>
    </message>
    <message>
        <source>You must first empty your trunk and seats.</source>
        <translation>Primero tienes que vaciar la cajuela y los asientos.</translation>
    </message>
    <message>
        <source>You were mugged at a stoplight.</source>
        <translation>Te asaltaron en un semáforo.</translation>
    </message>
    <message>
        <source>You were mugged- nothing was taken.</source>
        <translation>Te asaltaron, pero no se llevaron nada.</translation>
    </message>
    <message>
        <source>Some drugs were stolen from you in the streets.</source>
        <translation>Te robaron droga en la calle.</translation>
    </message>
    <message>
        <source>Two ladies who appreciate a hard-working drug dealer decide to come hang out with you for a while.</source>
        <translation>Dos damas que saben apreciar a un dealer tan chambeador deciden pasar un rato contigo.</translation>
    </message>
    <message>
        <source>A family of 4 offers you 100,000 Pesos (10,000 dolars) to take them over the border!! Will you accept?</source>
        <translation>¡¡Una familia de 4 te ofrece 100,000 pesos (10,000 dólares) por pasarlos al otro lado!! ¿Le entras?</translation>
    </message>
    <message>
        <source>The family you were transporting bails on you.</source>
        <translation>La familia que llevabas se te pela.</translation>
    </message>
    <message>
        <source>The family thanks you with prompt payment.</source>
        <translation>La familia te da las gracias y te paga luego luego.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value.</source>
        <translation>«%1» no es un número entero válido.</translation>
    </message>
    <message>
        <source>Cheaters never prosper.</source>
        <translation>Los tramposos nunca ganan.</translation>
    </message>
    <message>
        <source>Insufficient Seat Space</source>
        <translation>No te alcanzan los asientos</translation>
    </message>
    <message>
        <source>Insufficient Trunk Space</source>
        <translation>No cabe en la cajuela</translation>
    </message>
    <message>
        <source>Invalid Purchase Amount Entered</source>
        <translation>Cantidad de compra no válida</translation>
    </message>
    <message>
        <source>Insufficient Funds</source>
        <translation>No te alcanza la lana</translation>
    </message>
    <message>
        <source>You do not have that much inventory!</source>
        <translation>¡No tienes tanta mercancía!</translation>
    </message>
    <message>
        <source>You need a new car!</source>
        <translation>¡Necesitas un auto nuevo!</translation>
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
        <translation>Tony el Usurero va tras de ti.</translation>
    </message>
    <message>
        <source>The Border Patrol is after you!</source>
        <translation>¡La migra va tras de ti!</translation>
    </message>
    <message>
        <source>The Cops are after you.</source>
        <translation>La chota va tras de ti.</translation>
    </message>
    <message>
        <source>Tony thanks you for your prompt payment. Have a nice day.</source>
        <translation>Tony te agradece el pronto pago. Que tengas un buen día.</translation>
    </message>
    <message>
        <source>You attempt to run.</source>
        <translation>Intentas huir.</translation>
    </message>
    <message>
        <source>You successfully escape from Tony. But he&apos;ll be back!.</source>
        <translation>Logras escapar de Tony. ¡Pero va a regresar!</translation>
    </message>
    <message>
        <source>This is your lucky day junior. You got away.</source>
        <translation>Es tu día de suerte, chamaco. Te escapaste.</translation>
    </message>
    <message>
        <source>As you run like a little bitch, a loud bang followed by a pain in your shoulder lets you know that Tony means business.</source>
        <translation>Mientras corres como niñita, se oye un ¡BANG! y sientes un dolor en el hombro: Tony no anda jugando.</translation>
    </message>
    <message>
        <source>You got shot in the ass.</source>
        <translation>Te dieron un balazo en las nalgas.</translation>
    </message>
    <message>
        <source>Your blood slowly leaves you and you are left to die.</source>
        <translation>Te desangras poco a poco y te dejan ahí para que te mueras.</translation>
    </message>
    <message>
        <source>GAME OVER.</source>
        <translation>FIN DEL JUEGO.</translation>
    </message>
    <message>
        <source>You chose to fight.</source>
        <translation>Decides pelear.</translation>
    </message>
    <message>
        <source>You have no gun.</source>
        <translation>No tienes arma.</translation>
    </message>
    <message>
        <source>You got shot in the head.</source>
        <translation>Te dieron un balazo en la cabeza.</translation>
    </message>
    <message>
        <source>Wow! Nice shot!</source>
        <translation>¡Órale! ¡Buen tiro!</translation>
    </message>
    <message>
        <source>Looks like is bacon for breakfast.</source>
        <translation>Parece que hoy hay chicharrón de puerco para desayunar.</translation>
    </message>
    <message>
        <source>The cops outnumbered you.</source>
        <translation>La chota te superaba en número.</translation>
    </message>
    <message>
        <source>Your hand is quicker than Tony&apos;s, as you pull out your gun and stop him dead in his tracks.</source>
        <translation>Tu mano es más rápida que la de Tony: sacas el arma y lo dejas tieso ahí mismo.</translation>
    </message>
    <message>
        <source>As you move for your gun, all you see is the glistening sunlight off Tony&apos;s chrome .45 followed by a loud bang.</source>
        <translation>Cuando vas por tu arma, solo alcanzas a ver el sol brillando en la .45 cromada de Tony... y luego, ¡BANG!</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>New area labs are producing cheap acid.</source>
        <translation>Nuevos laboratorios de la zona están sacando ácido barato.</translation>
    </message>
    <message>
        <source>Acid prices are insane!</source>
        <translation>¡El ácido está a precios de locura!</translation>
    </message>
    <message>
        <source>Cocaine prices are soaring!</source>
        <translation>¡El precio de la coca se dispara!</translation>
    </message>
    <message>
        <source>Heroin prices are shooting up!</source>
        <translation>¡El precio de la heroína sube como la espuma!</translation>
    </message>
    <message>
        <source>Not much speed available on the market...</source>
        <translation>Hay poco speed en el mercado...</translation>
    </message>
    <message>
        <source>DEA seizes $40 million in hashish from LA drug kingpin. Prices rise.</source>
        <translation>La DEA incauta 40 millones de dólares en hachís a un capo de LA. Suben los precios.</translation>
    </message>
    <message>
        <source>LA smog and no sun lead to a weed shortage.</source>
        <translation>Con el smog de LA y sin sol, escasea la mota.</translation>
    </message>
    <message>
        <source>A few trucks made it over the Mexican border.</source>
        <translation>Unos cuantos camiones lograron cruzar la frontera con México.</translation>
    </message>
    <message>
        <source>You need more seats man!</source>
        <translation>¡Te faltan asientos, carnal!</translation>
    </message>
</context>
<context>
    <name>quillmere::App</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>quillmere::CarDealerScreen</name>
    <message>
        <source>Car Dealer</source>
        <translation>Lote de autos</translation>
    </message>
</context>
<context>
    <name>quillmere::DealerScreen</name>
    <message>
        <source>Price:</source>
        <translation>Precio:</translation>
    </message>
    <message>
        <source>Accuracy:</source>
        <translation>Precisión:</translation>
    </message>
    <message>
        <source> New Gun Specs </source>
        <translation> Arma nueva </translation>
    </message>
    <message>
        <source>Buy Gun</source>
        <translation>Comprar</translation>
    </message>
    <message>
        <source> Old Gun Specs </source>
        <translation> Tu arma </translation>
    </message>
    <message>
        <source>Sell Gun</source>
        <translation>Vender</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Regresar</translation>
    </message>
    <message>
        <source>Seats:</source>
        <translation>Asientos:</translation>
    </message>
    <message>
        <source>Trunk Space:</source>
        <translation>Cajuela:</translation>
    </message>
    <message>
        <source> New Car Specs </source>
        <translation> Auto nuevo </translation>
    </message>
    <message>
        <source>Buy Car</source>
        <translation>Comprar</translation>
    </message>
    <message>
        <source> Old Car Specs </source>
        <translation> Tu auto </translation>
    </message>
    <message>
        <source>Sell Car</source>
        <translation>Vender</translation>
    </message>
    <message>
        <source> Cash </source>
        <translation> Lana </translation>
    </message>
</context>
<context>
    <name>quillmere::EndScreen</name>
    <message>
        <source>Your time has come.</source>
        <translation>Te llegó la hora.</translation>
    </message>
    <message>
        <source>You&apos;re out of time. You must make a bid now.
You have worked very hard to even get here and now for the payoff.

Do you have enough money to put a price on the life of the man who 
killed your mother?

There is only one way to find out.
Post your bid and watch the outcome.</source>
        <translation>Se te acabó el tiempo. Tienes que pujar ya.
Te costó mucho trabajo llegar hasta aquí, y ahora toca cobrar.

¿Tienes suficiente lana para ponerle precio a la cabeza del hombre que mató a tu madre?

Solo hay una forma de averiguarlo.
Haz tu puja y a ver qué pasa.</translation>
    </message>
    <message>
        <source>The end of the game</source>
        <translation>El final del juego</translation>
    </message>
    <message>
        <source>Your Assets:</source>
        <translation>Tu capital:</translation>
    </message>
    <message>
        <source>Your Assets</source>
        <translation>Tu capital</translation>
    </message>
    <message>
        <source>Encrypted:</source>
        <translation>Cifrado:</translation>
    </message>
    <message>
        <source>Encrypted bid</source>
        <translation>Puja cifrada</translation>
    </message>
    <message>
        <source>Copy encrypted bid amount to clipboard</source>
        <translation>Copiar la puja cifrada al portapapeles</translation>
    </message>
    <message>
        <source>Visit website and post your bid</source>
        <translation>Ir al sitio web y hacer tu puja</translation>
    </message>
    <message>
        <source>Retire</source>
        <translation>Retirarse</translation>
    </message>
    <message>
        <source> Instructions </source>
        <translation> Instrucciones </translation>
    </message>
    <message>
        <source>Visit our website
%1

Log in as a bidder or create a new account.
Paste your encrypted bid into your account by pressing Ctrl+V.

Good Luck.</source>
        <translation>Visita nuestro sitio web
%1

Entra como postor o crea una cuenta nueva.
Pega tu puja cifrada en tu cuenta con Ctrl+V.

Buena suerte.</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
</context>
<context>
    <name>quillmere::GunDealerScreen</name>
    <message>
        <source>Gun Dealer</source>
        <translation>Armería</translation>
    </message>
    <message>
        <source>Cash:</source>
        <translation>Lana:</translation>
    </message>
</context>
<context>
    <name>quillmere::LoanScreen</name>
    <message>
        <source>Make a Loan Payment</source>
        <translation>Pagar el préstamo</translation>
    </message>
    <message>
        <source>Tony</source>
        <translation>Tony</translation>
    </message>
    <message>
        <source>Pay how much?</source>
        <translation>¿Cuánto vas a pagar?</translation>
    </message>
    <message>
        <source>Amount to pay</source>
        <translation>Cantidad a pagar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Ahora en el mercado:</translation>
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
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Price:</source>
        <translation>Precio:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>In Your Possession:</source>
        <translation>En tu poder:</translation>
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
        <translation>todo</translation>
    </message>
    <message>
        <source>Car Dealer</source>
        <translation>Lote de autos</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Trunk Space (avail)</source>
        <translation>Cajuela (libre)</translation>
    </message>
    <message>
        <source>Seat Space (avail)</source>
        <translation>Asientos (libres)</translation>
    </message>
    <message>
        <source>Visit a Hospital</source>
        <translation>Ir al hospital</translation>
    </message>
    <message>
        <source>Gun Dealer</source>
        <translation>Armería</translation>
    </message>
    <message>
        <source>Gun</source>
        <translation>Arma</translation>
    </message>
    <message>
        <source>Day %1 of 31</source>
        <translation>Día %1 de 31</translation>
    </message>
    <message>
        <source>Acid description.</source>
        <translation>Descripción del ácido.</translation>
    </message>
    <message>
        <source>&amp;Visit Our Website</source>
        <translation>&amp;Visitar nuestro sitio web</translation>
    </message>
    <message>
        <source>&amp;Introduction</source>
        <translation>&amp;Introducción</translation>
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
        <translation>En tu poder</translation>
    </message>
    <message>
        <source>Amount to buy</source>
        <translation>Cantidad a comprar</translation>
    </message>
    <message>
        <source>Amount to sell</source>
        <translation>Cantidad a vender</translation>
    </message>
    <message>
        <source>Picture of the good</source>
        <translation>Imagen de la mercancía</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Lana</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banco</translation>
    </message>
    <message>
        <source>Debt to Tony</source>
        <translation>Deuda con Tony</translation>
    </message>
    <message>
        <source>Picture of the car</source>
        <translation>Imagen del auto</translation>
    </message>
    <message>
        <source>Picture of the gun</source>
        <translation>Imagen del arma</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Salud</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
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
        <translation>Precios</translation>
    </message>
    <message>
        <source>Drug</source>
        <translation>Droga</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Cantidad</translation>
    </message>
</context>
<context>
    <name>quillmere::PursuitScreen</name>
    <message>
        <source>Choose Your Destiny</source>
        <translation>Elige tu destino</translation>
    </message>
    <message>
        <source>Your pursuer</source>
        <translation>Tu perseguidor</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Lo que pasa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close Game</source>
        <translation>Cerrar juego</translation>
    </message>
    <message>
        <source>Pay</source>
        <translation>Pagar</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Huir</translation>
    </message>
    <message>
        <source>Fight</source>
        <translation>Pelear</translation>
    </message>
    <message>
        <source>A police officer</source>
        <translation>Un policía</translation>
    </message>
    <message>
        <source>Tony the loan shark</source>
        <translation>Tony el Usurero</translation>
    </message>
</context>
<context>
    <name>quillmere::StartScreen</name>
    <message>
        <source>quillmere, a night street in the city</source>
        <translation>quillmere, una calle de la ciudad de noche</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introducción</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Tutorial</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Alias:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Cargando...</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Cargando</translation>
    </message>
</context>
</TS>
