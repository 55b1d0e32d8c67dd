// The goods, places, guns and cars of the game.
#include "game/catalogue.h"

namespace quillmere {

namespace {

constexpr std::array<GoodInfo, kGoodCount> kGoods{{
    {"Acid", "Oh look, pink elephants!", "acid.png", false},
    {"Cocaine", "This sure isn't Coca-Cola Classic.", "cocaine.png", false},
    {"Crack", "No, I didn't say Crack Whore... this is the finest powder you can buy.", "crack.png",
     false},
    {"Ecstasy", "Often shipped from Europe, comes in pill form.", "ecstasy.png", false},
    {"Hashish", "Straight from the Middle East. Best shit available.", "hashish.png", false},
    {"Heroin", "Addicts will always pay your price for this low-class street shit.", "heroin.png",
     false},
    {"Opium", "So this is the shit Pokemon has been smokin...", "opium.png", false},
    {"PCP", "This is the finest shit on the market.", "pcp.png", false},
    {"Peyote", "Smoke it or make some tea, either way it will be a wild ride.", "peyote.png",
     false},
    {"Shrooms", "These arent the same ones your momma put in that soup.... well... maybe.",
     "shrooms.png", false},
    {"Speed", "Snort some of this shit and this game gets even wilder!", "speed.png", false},
    {"Weed", "The greatest dope, straight from Cali.", "weed.png", false},
    {"Whore", "The highest class whore available in the area.", "whore.jpg", true},
}};

constexpr std::array<PlaceInfo, kPlaceCount> kPlaces{{
    {"Downtown", "btnDowntown", true, 1},
    {"Hollywood", "btnHollywood", true, 1},
    {"Pasadena", "btnPasadena", true, 1},
    {"Beverly Hills", "btnBeverlyHills", true, 1},
    {"South Central", "btnSouthCentral", true, 1},
    {"San Diego", "btnSanDiego", false, 1},
    {"Las Vegas", "btnLasVegas", false, 2},
    {"Tijuana", "btnTijuana", false, 3},
}};

constexpr std::array<GunInfo, kGunCount> kGuns{{
    {"Paintball Gun", "chkPaintball", "paintball.png", 1000, "1/10", 800},
    {"Small Pistol", "chkSmallP", "smallpistol.png", 2000, "2/10", 1700},
    {"Pistol", "chkPistol", "pistol.png", 3500, "3/10", 3000},
    {"Revolver", "chkRevolver", "revolver.png", 4900, "4/10", 3500},
    {"Rifle", "chkRifle", "rifle.png", 10000, "5/10", 9050},
    {"Shotgun", "chkShotgun", "shotgun.png", 15000, "6/10", 13000},
    {"Big Shotgun", "chkBigShot", "bigshotgun.png", 18000, "7/10", 16500},
    {"Machinegun", "chkMachinegun", "machinegun.png", 64000, "8/10", 60000},
    {"Assault Rifle", "chkAssault", "assault.png", 99000, "9/10", 86000},
}};

constexpr std::array<CarInfo, kCarCount> kCars{{
    {"Honda Civic", "chkCivic", "civic.png", 13500, 4, 80},
    {"Ford Mustang", "chkMustang", "mustang.png", 21015, 3, 200},
    {"Chevy Corvette", "chkCorvette", "corvette.png", 39130, 1, 220},
    {"Lincoln Navigator", "chkNavigator", "navigator.png", 46210, 6, 320},
    {"AMG Hummer", "chkHummer", "hummer.png", 85624, 7, 400},
    {"Lincoln Towncar", "chkTowncar", "towncar.png", 40610, 5, 250},
    {"Porsche Boxter", "chkBoxter", "boxter.png", 44881, 1, 300},
    {"McLaren F1", "chkMclaren", "mclaren.png", 1000000, 2, 800},
    {"Chevy Astro", "chkAstro", "astro.png", 18720, 1, 120},
    {"Ford F150", "chkF150", "f150.png", 19465, 2, 150},
}};

}  // namespace

const GoodInfo& GoodAt(int good) { return kGoods.at(static_cast<std::size_t>(good)); }

std::optional<int> FindGood(std::string_view name) {
  for (int i = 0; i < kGoodCount; ++i)
    if (kGoods[static_cast<std::size_t>(i)].name == name) return i;
  return std::nullopt;
}

const PlaceInfo& PlaceAt(Place place) { return kPlaces.at(static_cast<std::size_t>(place)); }

const GunInfo& GunOfKind(int gunKind) { return kGuns.at(static_cast<std::size_t>(gunKind - 1)); }

const CarInfo& CarOfKind(int carKind) { return kCars.at(static_cast<std::size_t>(carKind - 1)); }

Money CarValueAfterPurchase(Money price) { return static_cast<Money>(std::int64_t{price} * 4 / 5); }

}  // namespace quillmere
