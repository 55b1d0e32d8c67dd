// The gun dealer and the car dealer.
#include "game/dealers.h"

#include "game/game.h"

namespace quillmere {

void GunDealer::FormShow() {}
void GunDealer::select(int) {}
bool GunDealer::btnBuyClick() { return true; }
void GunDealer::btnSellClick() {}
bool GunDealer::btnCloseClick() { return true; }
Money GunDealer::lblNewPrice() const { return GunOfKind(m_selected).price; }
std::string GunDealer::lblNewAccuracy() const { return std::string(GunOfKind(m_selected).accuracy); }
std::string GunDealer::lblOldAccuracy() const { return ToText(m_oldKind) + "/10"; }
void GunDealer::sell() {}

void CarDealer::FormShow() {}
void CarDealer::select(int) {}
bool CarDealer::btnBuyClick() { return true; }
void CarDealer::btnSellClick() {}
bool CarDealer::btnCloseClick() { return true; }
Money CarDealer::lblNewPrice() const { return CarOfKind(m_selected).price; }
int CarDealer::lblNewSeats() const { return CarOfKind(m_selected).seats; }
int CarDealer::lblNewTrunk() const { return CarOfKind(m_selected).trunk; }

}  // namespace quillmere
