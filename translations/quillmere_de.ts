<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Caption</name>
    <message>
        <source>Morning</source>
        <translation>Morgens</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tagsüber</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nachts</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
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
        <translation>KEINS</translation>
    </message>
</context>
<context>
    <name>Goods</name>
    <message>
        <source>Acid</source>
        <translation>Acid</translation>
    </message>
    <message>
        <source>Oh look, pink elephants!</source>
        <translation>Oh, schau mal, rosa Elefanten!</translation>
    </message>
    <message>
        <source>Cocaine</source>
        <translation>Koks</translation>
    </message>
    <message>
        <source>This sure isn&apos;t Coca-Cola Classic.</source>
        <translation>Das ist garantiert keine Coca-Cola Classic.</translation>
    </message>
    <message>
        <source>Crack</source>
        <translation>Crack</translation>
    </message>
    <message>
        <source>No, I didn&apos;t say Crack Whore... this is the finest powder you can buy.</source>
        <translation>Nee, ich hab nicht „Crack-Nutte“ gesagt … das feinste Pulver, das du kriegst.</translation>
    </message>
    <message>
        <source>Ecstasy</source>
        <translation>Ecstasy</translation>
    </message>
    <message>
        <source>Often shipped from Europe, comes in pill form.</source>
        <translation>Kommt meist aus Europa, in Pillenform.</translation>
    </message>
    <message>
        <source>Hashish</source>
        <translation>Hasch</translation>
    </message>
    <message>
        <source>Straight from the Middle East. Best shit available.</source>
        <translation>Direkt aus dem Nahen Osten. Der beste Scheiß, den es gibt.</translation>
    </message>
    <message>
        <source>Heroin</source>
        <translation>Heroin</translation>
    </message>
    <message>
        <source>Addicts will always pay your price for this low-class street shit.</source>
        <translation>Für diesen billigen Straßendreck zahlen Junkies immer deinen Preis.</translation>
    </message>
    <message>
        <source>Opium</source>
        <translation>Opium</translation>
    </message>
    <message>
        <source>So this is the shit Pokemon has been smokin...</source>
        <translation>Das ist also der Scheiß, den die Pokémon-Macher geraucht haben …</translation>
    </message>
    <message>
        <source>PCP</source>
        <translation>PCP</translation>
    </message>
    <message>
        <source>This is the finest shit on the market.</source>
        <translation>Das ist der feinste Scheiß auf dem Markt.</translation>
    </message>
    <message>
        <source>Peyote</source>
        <translation>Peyote</translation>
    </message>
    <message>
        <source>Smoke it or make some tea, either way it will be a wild ride.</source>
        <translation>Rauch es oder mach Tee draus – so oder so wird’s ein wilder Trip.</translation>
    </message>
    <message>
        <source>Shrooms</source>
        <translation>Pilze</translation>
    </message>
    <message>
        <source>These arent the same ones your momma put in that soup.... well... maybe.</source>
        <translation>Nicht die, die deine Mama in die Suppe tut … na ja … vielleicht.</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Snort some of this shit and this game gets even wilder!</source>
        <translation>Zieh dir was von dem Zeug rein, und das Spiel wird noch wilder!</translation>
    </message>
    <message>
        <source>Weed</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>The greatest dope, straight from Cali.</source>
        <translation>Das beste Gras, direkt aus Kalifornien.</translation>
    </message>
    <message>
        <source>Whore</source>
        <translation>Nutte</translation>
    </message>
    <message>
        <source>The highest class whore available in the area.</source>
        <translation>Die edelste Nutte, die hier zu haben ist.</translation>
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
        <translation>Kleine Pistole</translation>
    </message>
    <message>
        <source>Pistol</source>
        <translation>Pistole</translation>
    </message>
    <message>
        <source>Revolver</source>
        <translation>Revolver</translation>
    </message>
    <message>
        <source>Rifle</source>
        <translation>Gewehr</translation>
    </message>
    <message>
        <source>Shotgun</source>
        <translation>Schrotflinte</translation>
    </message>
    <message>
        <source>Big Shotgun</source>
        <translation>Große Flinte</translation>
    </message>
    <message>
        <source>Machinegun</source>
        <translation>MG</translation>
    </message>
    <message>
        <source>Assault Rifle</source>
        <translation>Sturmgewehr</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>KEINE</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Please enter a login.</source>
        <translation>Bitte gib einen Namen ein.</translation>
    </message>
    <message>
        <source>Do I look like an ATM machine to you? Bring me CASH!</source>
        <translation>Seh ich aus wie ein Geldautomat? Bring mir BARGELD!</translation>
    </message>
    <message>
        <source>What do we look like, a free clinic? Get some cash and come back.</source>
        <translation>Sehen wir aus wie ’ne Gratisklinik? Besorg dir Kohle und komm wieder.</translation>
    </message>
    <message>
        <source>Get medical help for $3000?</source>
        <translation>Für 3000 Dollar verarzten lassen?</translation>
    </message>
    <message>
        <source>Why in the world would you want to pay Tony more than you owe him?!</source>
        <translation>Warum um alles in der Welt willst du Tony mehr zahlen, als du ihm schuldest?!</translation>
    </message>
    <message>
        <source>Insufficient Funds.</source>
        <translation>Nicht genug Geld.</translation>
    </message>
    <message>
        <source>You must sell your existing car first.</source>
        <translation>Du musst erst dein jetziges Auto verkaufen.</translation>
    </message>
    <message>
        <source>You must first empty your trunk and seats.</source>
        <translation>Du musst erst Kofferraum und Sitzplätze leer räumen.</translation>
    </message>
    <message>
        <source>You were mugged at a stoplight.</source>
        <translation>Du wurdest an einer Ampel ausgeraubt.</translation>
    </message>
    <message>
        <source>You were mugged- nothing was taken.</source>
        <translation>Du wurdest überfallen, aber sie haben nichts mitgenommen.</translation>
    </message>
    <message>
        <source>Some drugs were stolen from you in the streets.</source>
        <translation>Auf der Straße hat man dir Drogen geklaut.</translation>
    </message>
    <message>
        <source>Two ladies who appreciate a hard-working drug dealer decide to come hang out with you for a while.</source>
        <translation>Zwei Damen, die einen fleißigen Dealer zu schätzen wissen, beschließen, eine Weile mit dir abzuhängen.</translation>
    </message>
    <message>
        <source>A family of 4 offers you 100,000 Pesos (10,000 dolars) to take them over the border!! Will you accept?</source>
        <translation>Eine vierköpfige Familie bietet dir 100.000 Pesos (10.000 Dollar), wenn du sie über die Grenze bringst!! Machst du’s?</translation>
    </message>
    <message>
        <source>The family you were transporting bails on you.</source>
        <translation>Die Familie, die du mitgenommen hast, haut dir ab.</translation>
    </message>
    <message>
        <source>The family thanks you with prompt payment.</source>
        <translation>Die Familie bedankt sich und zahlt sofort.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value.</source>
        <translation>„%1“ ist keine gültige ganze Zahl.</translation>
    </message>
    <message>
        <source>Cheaters never prosper.</source>
        <translation>Schummeln lohnt sich nicht.</translation>
    </message>
    <message>
        <source>Insufficient Seat Space</source>
        <translation>Nicht genug Sitzplätze</translation>
    </message>
    <message>
        <source>Insufficient Trunk Space</source>
        <translation>Nicht genug Platz im Kofferraum</translation>
    </message>
    <message>
        <source>Invalid Purchase Amount Entered</source>
        <translation>Ungültige Kaufmenge</translation>
    </message>
    <message>
        <source>Insufficient Funds</source>
        <translation>Nicht genug Geld</translation>
    </message>
    <message>
        <source>You do not have that much inventory!</source>
        <translation>So viel Ware hast du nicht!</translation>
    </message>
    <message>
        <source>You need a new car!</source>
        <translation>Du brauchst ein neues Auto!</translation>
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
        <translation>Tony der Kredithai ist hinter dir her.</translation>
    </message>
    <message>
        <source>The Border Patrol is after you!</source>
        <translation>Die Grenzpatrouille ist hinter dir her!</translation>
    </message>
    <message>
        <source>The Cops are after you.</source>
        <translation>Die Bullen sind hinter dir her.</translation>
    </message>
    <message>
        <source>Tony thanks you for your prompt payment. Have a nice day.</source>
        <translation>Tony dankt dir für die prompte Zahlung. Schönen Tag noch.</translation>
    </message>
    <message>
        <source>You attempt to run.</source>
        <translation>Du versuchst abzuhauen.</translation>
    </message>
    <message>
        <source>You successfully escape from Tony. But he&apos;ll be back!.</source>
        <translation>Du entkommst Tony. Aber er kommt wieder!</translation>
    </message>
    <message>
        <source>This is your lucky day junior. You got away.</source>
        <translation>Heute ist dein Glückstag, Kleiner. Du bist entkommen.</translation>
    </message>
    <message>
        <source>As you run like a little bitch, a loud bang followed by a pain in your shoulder lets you know that Tony means business.</source>
        <translation>Während du wie ein Weichei wegrennst, sagen dir ein lauter Knall und ein Schmerz in der Schulter, dass Tony es ernst meint.</translation>
    </message>
    <message>
        <source>You got shot in the ass.</source>
        <translation>Du kriegst eine Kugel in den Arsch.</translation>
    </message>
    <message>
        <source>Your blood slowly leaves you and you are left to die.</source>
        <translation>Du verblutest langsam, und man lässt dich sterben.</translation>
    </message>
    <message>
        <source>GAME OVER.</source>
        <translation>GAME OVER.</translation>
    </message>
    <message>
        <source>You chose to fight.</source>
        <translation>Du entscheidest dich zu kämpfen.</translation>
    </message>
    <message>
        <source>You have no gun.</source>
        <translation>Du hast keine Waffe.</translation>
    </message>
    <message>
        <source>You got shot in the head.</source>
        <translation>Du kriegst eine Kugel in den Kopf.</translation>
    </message>
    <message>
        <source>Wow! Nice shot!</source>
        <translation>Wow! Guter Schuss!</translation>
    </message>
    <message>
        <source>Looks like is bacon for breakfast.</source>
        <translation>Sieht aus, als gäb’s heute Bullensteak zum Frühstück.</translation>
    </message>
    <message>
        <source>The cops outnumbered you.</source>
        <translation>Die Bullen waren in der Überzahl.</translation>
    </message>
    <message>
        <source>Your hand is quicker than Tony&apos;s, as you pull out your gun and stop him dead in his tracks.</source>
        <translation>Deine Hand ist schneller als Tonys: Du ziehst deine Waffe und streckst ihn auf der Stelle nieder.</translation>
    </message>
    <message>
        <source>As you move for your gun, all you see is the glistening sunlight off Tony&apos;s chrome .45 followed by a loud bang.</source>
        <translation>Als du nach deiner Waffe greifst, siehst du nur noch die Sonne auf Tonys verchromter .45 glitzern – dann knallt’s.</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>New area labs are producing cheap acid.</source>
        <translation>Neue Labore in der Gegend produzieren billiges Acid.</translation>
    </message>
    <message>
        <source>Acid prices are insane!</source>
        <translation>Die Acid-Preise sind irre!</translation>
    </message>
    <message>
        <source>Cocaine prices are soaring!</source>
        <translation>Die Kokspreise explodieren!</translation>
    </message>
    <message>
        <source>Heroin prices are shooting up!</source>
        <translation>Die Heroinpreise schießen in die Höhe!</translation>
    </message>
    <message>
        <source>Not much speed available on the market...</source>
        <translation>Kaum Speed auf dem Markt …</translation>
    </message>
    <message>
        <source>DEA seizes $40 million in hashish from LA drug kingpin. Prices rise.</source>
        <translation>DEA beschlagnahmt Hasch für 40 Millionen Dollar bei einem Drogenboss in LA. Die Preise steigen.</translation>
    </message>
    <message>
        <source>LA smog and no sun lead to a weed shortage.</source>
        <translation>Smog und kein Sonnenschein in LA: Das Gras wird knapp.</translation>
    </message>
    <message>
        <source>A few trucks made it over the Mexican border.</source>
        <translation>Ein paar Trucks haben es über die mexikanische Grenze geschafft.</translation>
    </message>
    <message>
        <source>You need more seats man!</source>
        <translation>Du brauchst mehr Sitzplätze, Alter!</translation>
    </message>
</context>
<context>
    <name>quillmere::App</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
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
        <translation>Autohändler</translation>
    </message>
</context>
<context>
    <name>quillmere::DealerScreen</name>
    <message>
        <source>Price:</source>
        <translation>Preis:</translation>
    </message>
    <message>
        <source>Accuracy:</source>
        <translation>Genauigkeit:</translation>
    </message>
    <message>
        <source> New Gun Specs </source>
        <translation> Neue Waffe </translation>
    </message>
    <message>
        <source>Buy Gun</source>
        <translation>Kaufen</translation>
    </message>
    <message>
        <source> Old Gun Specs </source>
        <translation> Deine Waffe </translation>
    </message>
    <message>
        <source>Sell Gun</source>
        <translation>Verkaufen</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Seats:</source>
        <translation>Sitzplätze:</translation>
    </message>
    <message>
        <source>Trunk Space:</source>
        <translation>Kofferraum:</translation>
    </message>
    <message>
        <source> New Car Specs </source>
        <translation> Neues Auto </translation>
    </message>
    <message>
        <source>Buy Car</source>
        <translation>Kaufen</translation>
    </message>
    <message>
        <source> Old Car Specs </source>
        <translation> Dein Auto </translation>
    </message>
    <message>
        <source>Sell Car</source>
        <translation>Verkaufen</translation>
    </message>
    <message>
        <source> Cash </source>
        <translation> Geld </translation>
    </message>
</context>
<context>
    <name>quillmere::EndScreen</name>
    <message>
        <source>Your time has come.</source>
        <translation>Deine Zeit ist gekommen.</translation>
    </message>
    <message>
        <source>You&apos;re out of time. You must make a bid now.
You have worked very hard to even get here and now for the payoff.

Do you have enough money to put a price on the life of the man who 
killed your mother?

There is only one way to find out.
Post your bid and watch the outcome.</source>
        <translation>Deine Zeit ist um. Du musst jetzt dein Gebot abgeben.
Du hast hart gearbeitet, um überhaupt hierherzukommen, und jetzt wird abgerechnet.

Hast du genug Geld, um ein Kopfgeld auf den Mann auszusetzen, der deine Mutter getötet hat?

Es gibt nur einen Weg, das herauszufinden.
Gib dein Gebot ab und sieh, was passiert.</translation>
    </message>
    <message>
        <source>The end of the game</source>
        <translation>Das Ende des Spiels</translation>
    </message>
    <message>
        <source>Your Assets:</source>
        <translation>Vermögen:</translation>
    </message>
    <message>
        <source>Your Assets</source>
        <translation>Dein Vermögen</translation>
    </message>
    <message>
        <source>Encrypted:</source>
        <translation>Code:</translation>
    </message>
    <message>
        <source>Encrypted bid</source>
        <translation>Verschlüsseltes Gebot</translation>
    </message>
    <message>
        <source>Copy encrypted bid amount to clipboard</source>
        <translation>Verschlüsseltes Gebot in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Visit website and post your bid</source>
        <translation>Website besuchen und Gebot abgeben</translation>
    </message>
    <message>
        <source>Retire</source>
        <translation>Aussteigen</translation>
    </message>
    <message>
        <source> Instructions </source>
        <translation> Anleitung </translation>
    </message>
    <message>
        <source>Visit our website
%1

Log in as a bidder or create a new account.
Paste your encrypted bid into your account by pressing Ctrl+V.

Good Luck.</source>
        <translation>Besuche unsere Website
%1

Melde dich als Bieter an oder lege ein neues Konto an.
Füge dein Gebot mit Strg+V in dein Konto ein.

Viel Glück.</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
</context>
<context>
    <name>quillmere::GunDealerScreen</name>
    <message>
        <source>Gun Dealer</source>
        <translation>Waffenhändler</translation>
    </message>
    <message>
        <source>Cash:</source>
        <translation>Geld:</translation>
    </message>
</context>
<context>
    <name>quillmere::LoanScreen</name>
    <message>
        <source>Make a Loan Payment</source>
        <translation>Kredit abbezahlen</translation>
    </message>
    <message>
        <source>Tony</source>
        <translation>Tony</translation>
    </message>
    <message>
        <source>Pay how much?</source>
        <translation>Wie viel zahlst du?</translation>
    </message>
    <message>
        <source>Amount to pay</source>
        <translation>Zahlbetrag</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>quillmere::MainScreen</name>
    <message>
        <source>Currently On The Market:</source>
        <translation>Zurzeit auf dem Markt:</translation>
    </message>
    <message>
        <source>Buy</source>
        <translation>Kauf</translation>
    </message>
    <message>
        <source>Sell</source>
        <translation>Verkauf</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Price:</source>
        <translation>Preis:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>In Your Possession:</source>
        <translation>In deinem Besitz:</translation>
    </message>
    <message>
        <source>withdraw</source>
        <translation>abheben</translation>
    </message>
    <message>
        <source>deposit</source>
        <translation>einzahlen</translation>
    </message>
    <message>
        <source>some</source>
        <translation>etwas</translation>
    </message>
    <message>
        <source>all</source>
        <translation>alles</translation>
    </message>
    <message>
        <source>Car Dealer</source>
        <translation>Autohändler</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Trunk Space (avail)</source>
        <translation>Kofferraum (frei)</translation>
    </message>
    <message>
        <source>Seat Space (avail)</source>
        <translation>Sitzplätze (frei)</translation>
    </message>
    <message>
        <source>Visit a Hospital</source>
        <translation>Ins Krankenhaus</translation>
    </message>
    <message>
        <source>Gun Dealer</source>
        <translation>Waffenhändler</translation>
    </message>
    <message>
        <source>Gun</source>
        <translation>Waffe</translation>
    </message>
    <message>
        <source>Day %1 of 31</source>
        <translation>Tag %1 von 31</translation>
    </message>
    <message>
        <source>Acid description.</source>
        <translation>Beschreibung von Acid.</translation>
    </message>
    <message>
        <source>&amp;Visit Our Website</source>
        <translation>Unsere &amp;Website besuchen</translation>
    </message>
    <message>
        <source>&amp;Introduction</source>
        <translation>&amp;Einführung</translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation>&amp;Tutorial</translation>
    </message>
    <message>
        <source>Market</source>
        <translation>Markt</translation>
    </message>
    <message>
        <source>In your possession</source>
        <translation>In deinem Besitz</translation>
    </message>
    <message>
        <source>Amount to buy</source>
        <translation>Kaufmenge</translation>
    </message>
    <message>
        <source>Amount to sell</source>
        <translation>Verkaufsmenge</translation>
    </message>
    <message>
        <source>Picture of the good</source>
        <translation>Bild der Ware</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Debt to Tony</source>
        <translation>Schulden bei Tony</translation>
    </message>
    <message>
        <source>Picture of the car</source>
        <translation>Bild des Autos</translation>
    </message>
    <message>
        <source>Picture of the gun</source>
        <translation>Bild der Waffe</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Gesundheit</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Web</source>
        <translation>&amp;Web</translation>
    </message>
    <message>
        <source>Drugs</source>
        <translation>Drogen</translation>
    </message>
    <message>
        <source>Prices</source>
        <translation>Preise</translation>
    </message>
    <message>
        <source>Drug</source>
        <translation>Droge</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
</context>
<context>
    <name>quillmere::PursuitScreen</name>
    <message>
        <source>Choose Your Destiny</source>
        <translation>Wähle dein Schicksal</translation>
    </message>
    <message>
        <source>Your pursuer</source>
        <translation>Dein Verfolger</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Was passiert</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close Game</source>
        <translation>Spiel beenden</translation>
    </message>
    <message>
        <source>Pay</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Abhauen</translation>
    </message>
    <message>
        <source>Fight</source>
        <translation>Kämpfen</translation>
    </message>
    <message>
        <source>A police officer</source>
        <translation>Ein Polizist</translation>
    </message>
    <message>
        <source>Tony the loan shark</source>
        <translation>Tony der Kredithai</translation>
    </message>
</context>
<context>
    <name>quillmere::StartScreen</name>
    <message>
        <source>quillmere, a night street in the city</source>
        <translation>quillmere, eine nächtliche Straße in der Stadt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Tutorial</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen …</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Wird geladen</translation>
    </message>
</context>
</TS>
