// The goods, places, guns and cars of the game.
#include "game/catalogue.h"

#include "game/texts.h"

namespace quillmere {

namespace {

constexpr std::array<GoodInfo, kGoodCount> kGoods{{
    {QUILLMERE_TEXT("Goods", "Acid"), QUILLMERE_TEXT("Goods", "Oh look, pink elephants!"),
     "acid.png", false},
    {QUILLMERE_TEXT("Goods", "Cocaine"),
     QUILLMERE_TEXT("Goods", "This sure isn't Coca-Cola Classic."), "cocaine.png", false},
    {QUILLMERE_TEXT("Goods", "Crack"),
     QUILLMERE_TEXT("Goods",
                    "No, I didn't say Crack Whore... this is the finest powder you can buy."),
     "crack.png", false},
    {QUILLMERE_TEXT("Goods", "Ecstasy"),
     QUILLMERE_TEXT("Goods", "Often shipped from Europe, comes in pill form."), "ecstasy.png",
     false},
    {QUILLMERE_TEXT("Goods", "Hashish"),
     QUILLMERE_TEXT("Goods", "Straight from the Middle East. Best shit available."), "hashish.png",
     false},
    {QUILLMERE_TEXT("Goods", "Heroin"),
     QUILLMERE_TEXT("Goods", "Addicts will always pay your price for this low-class street shit."),
     "heroin.png", false},
    {QUILLMERE_TEXT("Goods", "Opium"),
     QUILLMERE_TEXT("Goods", "So this is the shit Pokemon has been smokin..."), "opium.png", false},
    {QUILLMERE_TEXT("Goods", "PCP"),
     QUILLMERE_TEXT("Goods", "This is the finest shit on the market."), "pcp.png", false},
    {QUILLMERE_TEXT("Goods", "Peyote"),
     QUILLMERE_TEXT("Goods", "Smoke it or make some tea, either way it will be a wild ride."),
     "peyote.png", false},
    {QUILLMERE_TEXT("Goods", "Shrooms"),
     QUILLMERE_TEXT("Goods",
                    "These arent the same ones your momma put in that soup.... well... maybe."),
     "shrooms.png", false},
    {QUILLMERE_TEXT("Goods", "Speed"),
     QUILLMERE_TEXT("Goods", "Snort some of this shit and this game gets even wilder!"),
     "speed.png", false},
    {QUILLMERE_TEXT("Goods", "Weed"),
     QUILLMERE_TEXT("Goods", "The greatest dope, straight from Cali."), "weed.png", false},
    {QUILLMERE_TEXT("Goods", "Whore"),
     QUILLMERE_TEXT("Goods", "The highest class whore available in the area."), "whore.jpg", true},
}};

constexpr std::array<PlaceInfo, kPlaceCount> kPlaces{{
    {QUILLMERE_TEXT("Places", "Downtown"), true, 1},
    {QUILLMERE_TEXT("Places", "Hollywood"), true, 1},
    {QUILLMERE_TEXT("Places", "Pasadena"), true, 1},
    {QUILLMERE_TEXT("Places", "Beverly Hills"), true, 1},
    {QUILLMERE_TEXT("Places", "South Central"), true, 1},
    {QUILLMERE_TEXT("Places", "San Diego"), false, 1},
    {QUILLMERE_TEXT("Places", "Las Vegas"), false, 2},
    {QUILLMERE_TEXT("Places", "Tijuana"), false, 3},
}};

constexpr std::array<GunInfo, kGunCount> kGuns{{
    {QUILLMERE_TEXT("Guns", "Paintball Gun"), "paintball.png", 1000, "1/10", 800},
    {QUILLMERE_TEXT("Guns", "Small Pistol"), "smallpistol.png", 2000, "2/10", 1700},
    {QUILLMERE_TEXT("Guns", "Pistol"), "pistol.png", 3500, "3/10", 3000},
    {QUILLMERE_TEXT("Guns", "Revolver"), "revolver.png", 4900, "4/10", 3500},
    {QUILLMERE_TEXT("Guns", "Rifle"), "rifle.png", 10000, "5/10", 9050},
    {QUILLMERE_TEXT("Guns", "Shotgun"), "shotgun.png", 15000, "6/10", 13000},
    {QUILLMERE_TEXT("Guns", "Big Shotgun"), "bigshotgun.png", 18000, "7/10", 16500},
    {QUILLMERE_TEXT("Guns", "Machinegun"), "machinegun.png", 64000, "8/10", 60000},
    {QUILLMERE_TEXT("Guns", "Assault Rifle"), "assault.png", 99000, "9/10", 86000},
}};

constexpr std::array<CarInfo, kCarCount> kCars{{
    {QUILLMERE_TEXT("Cars", "Honda Civic"), "civic.png", 13500, 4, 80},
    {QUILLMERE_TEXT("Cars", "Ford Mustang"), "mustang.png", 21015, 3, 200},
    {QUILLMERE_TEXT("Cars", "Chevy Corvette"), "corvette.png", 39130, 1, 220},
    {QUILLMERE_TEXT("Cars", "Lincoln Navigator"), "navigator.png", 46210, 6, 320},
    {QUILLMERE_TEXT("Cars", "AMG Hummer"), "hummer.png", 85624, 7, 400},
    {QUILLMERE_TEXT("Cars", "Lincoln Towncar"), "towncar.png", 40610, 5, 250},
    {QUILLMERE_TEXT("Cars", "Porsche Boxter"), "boxter.png", 44881, 1, 300},
    {QUILLMERE_TEXT("Cars", "McLaren F1"), "mclaren.png", 1000000, 2, 800},
    {QUILLMERE_TEXT("Cars", "Chevy Astro"), "astro.png", 18720, 1, 120},
    {QUILLMERE_TEXT("Cars", "Ford F150"), "f150.png", 19465, 2, 150},
}};

}  // namespace

const GoodInfo& GoodAt(int good) { return kGoods.at(static_cast<std::size_t>(good)); }

const PlaceInfo& PlaceAt(Place place) { return kPlaces.at(static_cast<std::size_t>(place)); }

const GunInfo& GunOfKind(int gunKind) { return kGuns.at(static_cast<std::size_t>(gunKind - 1)); }

const CarInfo& CarOfKind(int carKind) { return kCars.at(static_cast<std::size_t>(carKind - 1)); }

Money CarValueAfterPurchase(Money price) { return static_cast<Money>(std::int64_t{price} * 4 / 5); }

}  // namespace quillmere
