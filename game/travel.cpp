// Trips between the places and the passing of time.
#include <span>

#include "game/game.h"
#include "game/priceoverride.h"
#include "game/texts.h"

namespace quillmere {

namespace {

constexpr PriceOverride kSanDiego[] = {
    {Acid, 600, 3000, true},
    {Shrooms, 200, 500, false},
};
constexpr PriceOverride kLasVegas[] = {
    {Whore, 1000, 3000, false},
};
constexpr PriceOverride kTijuana[] = {
    {Weed, 100, 600, false},
    {Whore, 1000, 3000, false},
    {Acid, 600, 3000, true},
    {Shrooms, 200, 500, false},
};

// A place's own prices, in the order they are drawn; the city places have none.
std::span<const PriceOverride> OwnPrices(Place place) {
  switch (place) {
    case Place::SanDiego:
      return kSanDiego;
    case Place::LasVegas:
      return kLasVegas;
    case Place::Tijuana:
      return kTijuana;
    default:
      return {};
  }
}

}  // namespace

Task<> Game::travel(Place place) {
  if (static_cast<int>(place) < 0 || static_cast<int>(place) >= kPlaceCount) co_return;
  if (m_state.day >= kLastDay) {
    EndGame();
    co_return;
  }
  const PlaceInfo& info = PlaceAt(place);
  if (info.needsCar && (m_state.carKind == 0 || m_state.carValue == 0)) {
    co_await Tell(QUILLMERE_TEXT("Message", "You need a new car!"));
    co_return;
  }
  NewDay(info.periods);

  const std::span<const PriceOverride> own = OwnPrices(place);
  if (!own.empty()) m_random.ReseedFromClock();
  for (const PriceOverride& rule : own) ApplyPriceOverride(m_state, m_view, m_random, rule);

  co_await streetevents(place == Place::Tijuana ? EventKind::Tj : EventKind::Misc);
  // Close Game in a pursuit ends the program there and then.
  if (finished()) co_return;
  co_await tonychase();
  if (finished()) co_return;
  m_state.currentPlace = place;
}

void Game::NewDay(int periods) {
  // Morning, Day, Night follow each other; passing Night begins the next day.
  int period = static_cast<int>(m_state.timeOfDay) + periods;
  if (period >= 3) {
    period -= 3;
    ++m_state.day;
  }
  m_state.timeOfDay = static_cast<TimeOfDay>(period);
  dailygrind();
  randomdrugs();
}

void Game::dailygrind() {
  const auto apply = [](Money& value, Factor factor) {
    if (value != 0) value = ScaleTruncate(value, factor);
  };
  apply(m_state.bank, Factor::Interest);
  apply(m_state.debt, Factor::Debt);
  apply(m_state.carValue, Factor::Wear);
  apply(m_state.gunValue, Factor::Wear);
  // A car or a gun is never worth less than nothing.
  if (m_state.carValue < 0) m_state.carValue = 0;
  if (m_state.gunValue < 0) m_state.gunValue = 0;
}

}  // namespace quillmere
