// The gun dealer and the car dealer: choosing, buying and selling a gun or a car.
#include "game/dealers.h"

#include "game/context.h"
#include "game/texts.h"

namespace quillmere {

namespace {

// Every visit to a dealer starts by taking the bank balance out as cash.
Money EmptyBankIntoCash(GameState& s) {
  WithdrawAll(s);
  return s.cash;
}

}  // namespace

void Dealer::select(int kind) {
  if (kind == m_selected || kind < 1 || kind > m_kinds) return;
  m_selected = kind;
  // Judged on the dealer's own copy of the cash, not counting a trade-in.
  m_buyEnabled = m_cash >= newPrice();
}

// ---- Gun dealer ----

GunDealer::GunDealer(GameContext& game)
    : Dealer(game, kGunCount, [](int kind) { return GunOfKind(kind).price; }) {}

std::string GunDealer::newAccuracy() const { return std::string(GunOfKind(m_selected).accuracy); }

std::string GunDealer::oldAccuracy() const { return ToText(m_oldKind) + "/10"; }

void GunDealer::Open() {
  GameState& s = m_game.state();
  // A held gun can always be sold; FormShow never takes that away.
  if (s.gunKind != 0) m_sellEnabled = true;
  m_oldPrice = s.gunValue;
  m_oldKind = s.gunKind;
  // While another gun is still selected from the last visit, this compares with the cash
  // that visit ended with.
  select(1);
  m_cash = EmptyBankIntoCash(s);
  if (m_cash > 1000) m_buyEnabled = true;
  // Never offer a gun that cannot be paid for. Exactly 1000 on a first visit keeps Buy
  // disabled, as before: the button is only ever switched off here.
  if (m_cash < newPrice()) m_buyEnabled = false;
}

void GunDealer::sell() {
  GameState& s = m_game.state();
  if (s.gunKind != 0) {
    // The gun goes at what it is worth now, which is what the screen shows as its price.
    s.cash = AddMoney(s.cash, s.gunValue);
    s.gunName = QUILLMERE_TEXT("Guns", "NONE");
    s.gunKind = 0;
    s.gunValue = 0;
    m_cash = s.cash;
    m_oldPrice = 0;
    m_oldKind = 0;
  }
  m_sellEnabled = false;
}

void GunDealer::Sell() {
  if (!m_sellEnabled) return;
  // Buy is left as it was: a sale only adds cash, so an enabled Buy stays affordable.
  sell();
}

bool GunDealer::Buy() {
  if (!m_buyEnabled) return false;
  GameState& s = m_game.state();
  // Whatever the screen shows, the cash and the trade-in must cover the price.
  if (std::int64_t{s.cash} + (s.gunKind != 0 ? s.gunValue : 0) < newPrice()) return false;
  // The held gun is traded in at its value before the new one is paid for.
  sell();
  s.cash = SubMoney(s.cash, newPrice());
  m_cash = s.cash;
  const GunInfo& gun = GunOfKind(m_selected);
  s.gunKind = m_selected;
  s.gunName = std::string(gun.name);
  s.gunValue = gun.valueAfterPurchase;
  return true;
}

// ---- Car dealer ----

CarDealer::CarDealer(GameContext& game)
    : Dealer(game, kCarCount, [](int kind) { return CarOfKind(kind).price; }) {}

int CarDealer::newSeats() const { return CarOfKind(m_selected).seats; }
int CarDealer::newTrunk() const { return CarOfKind(m_selected).trunk; }

void CarDealer::Open() {
  GameState& s = m_game.state();
  // Buy is not re-judged after the bank is emptied: Buy tests the funds itself.
  select(1);
  m_cash = EmptyBankIntoCash(s);
  m_oldSeats = s.seatsTotal;
  m_oldTrunk = s.trunkTotal;
  m_oldPrice = s.carValue;
  m_sellEnabled = s.carKind != 0;
}

Task<bool> CarDealer::Buy() {
  if (!m_buyEnabled) co_return false;
  GameState& s = m_game.state();
  // Funds are tested before ownership, so an owner short of money hears only about money.
  // The cash is the game's own, whatever the screen's copy says.
  if (newPrice() > s.cash) {
    co_await m_game.Tell(QUILLMERE_TEXT("Message", "Insufficient Funds."), DialogKind::Error);
    co_return false;
  }
  if (s.carKind != 0) {
    co_await m_game.Tell(QUILLMERE_TEXT("Message", "You must sell your existing car first."));
    co_return false;
  }
  const CarInfo& car = CarOfKind(m_selected);
  s.carValue = CarValueAfterPurchase(car.price);
  // A car is only sold empty, so the new one starts with all its space free.
  s.seatsTotal = s.seatsFree = car.seats;
  s.trunkTotal = s.trunkFree = car.trunk;
  s.cash = SubMoney(s.cash, car.price);
  m_cash = s.cash;
  s.carKind = m_selected;
  s.carName = std::string(car.name);
  co_return true;
}

Task<> CarDealer::Sell() {
  if (!m_sellEnabled) co_return;
  GameState& s = m_game.state();
  if (s.seatsTotal != s.seatsFree || s.trunkTotal != s.trunkFree) {
    co_await m_game.Tell(QUILLMERE_TEXT("Message", "You must first empty your trunk and seats."));
    co_return;
  }
  s.cash = AddMoney(s.cash, m_oldPrice);
  s.carKind = 0;
  m_cash = s.cash;
  m_oldSeats = m_oldTrunk = m_oldPrice = 0;
  s.carName = QUILLMERE_TEXT("Cars", "NONE");
  s.carValue = 0;
  s.seatsTotal = s.seatsFree = 0;
  s.trunkTotal = s.trunkFree = 0;
  m_sellEnabled = false;
}

}  // namespace quillmere
