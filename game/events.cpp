// The street-event roll after every trip: market news and encounters.
#include "game/game.h"
#include "game/priceoverride.h"
#include "game/texts.h"

namespace quillmere {

namespace {

struct News {
  PriceOverride price;
  const char* text;
};

constexpr News kCheapAcid{{Acid, 0, 200, true},
                          QUILLMERE_TEXT("Status", "New area labs are producing cheap acid.")};
constexpr News kAcidInsane{{Acid, 10000, 15000, false},
                           QUILLMERE_TEXT("Status", "Acid prices are insane!")};
constexpr News kCocaine{{Cocaine, 80000, 30000, false},
                        QUILLMERE_TEXT("Status", "Cocaine prices are soaring!")};
constexpr News kHeroin{{Heroin, 50000, 20000, false},
                       QUILLMERE_TEXT("Status", "Heroin prices are shooting up!")};
constexpr News kSpeed{{Speed, 300, 800, false},
                      QUILLMERE_TEXT("Status", "Not much speed available on the market...")};
constexpr News kHashish{
    {Hashish, 800, 1000, false},
    QUILLMERE_TEXT("Status",
                   "DEA seizes $40 million in hashish from LA drug kingpin. Prices rise.")};
constexpr News kWeedShortage{
    {Weed, 800, 2000, false},
    QUILLMERE_TEXT("Status", "LA smog and no sun lead to a weed shortage.")};
constexpr News kWeedTrucks{
    {Weed, 0, 200, false},
    QUILLMERE_TEXT("Status", "A few trucks made it over the Mexican border.")};

}  // namespace

// What a roll of kind "misc" brings: each entry covers the rolls up to and including
// `last`; an entry with neither news nor an encounter brings nothing.
struct Game::Outcome {
  std::uint32_t last;
  const News* news;
  Task<> (Game::*encounter)();
};

Task<> Game::streetevents(EventKind kind) {
  static constexpr Outcome kOutcomes[] = {
      {0, &kCheapAcid, nullptr},    {1, &kAcidInsane, nullptr},    {3, &kCocaine, nullptr},
      {4, nullptr, nullptr},        {6, &kHeroin, nullptr},        {7, &kSpeed, nullptr},
      {9, &kHashish, nullptr},      {10, nullptr, nullptr},        {12, &kWeedShortage, nullptr},
      {15, &kWeedTrucks, nullptr},  {18, nullptr, &Game::mugging}, {21, nullptr, &Game::copchase},
      {22, nullptr, &Game::ladies}, {44, nullptr, nullptr},
  };
  m_random.ReseedFromClock();
  const std::uint32_t r = m_random.RandomBelow(45);
  m_view.statusText.clear();
  if (kind == EventKind::Misc) {
    // Coming back from Tijuana, the border is the only thing that can happen.
    if (m_state.wasInTijuana) {
      co_await borderreturn();
      co_return;
    }
    for (const Outcome& outcome : kOutcomes) {
      if (r > outcome.last) continue;
      if (outcome.news) {
        ApplyPriceOverride(m_state, m_view, m_random, outcome.news->price);
        m_view.statusText = outcome.news->text;
      }
      if (outcome.encounter) co_await (this->*outcome.encounter)();
      co_return;
    }
  } else {
    const std::uint32_t t = m_random.RandomBelow(6);
    m_state.wasInTijuana = true;
    if (t == 0) co_await familyoffer();
  }
}

Task<> Game::mugging() {
  if (m_state.gunKind != 0) co_return;
  m_random.ReseedFromClock();
  if (m_state.cash >= 3) {
    m_state.cash = ScaleTruncate(m_state.cash, Factor::Mugging);
    co_await Tell(QUILLMERE_TEXT("Message", "You were mugged at a stoplight."));
    co_return;
  }
  // With next to no cash the thief goes for the first lot, and never for what rides in the
  // seats (the ladies).
  auto& lots = m_state.possession;
  if (lots.empty() || lots.front().empty() || GoodAt(lots.front().good).inSeats) {
    co_await Tell(QUILLMERE_TEXT("Message", "You were mugged- nothing was taken."));
    co_return;
  }
  Lot& lot = lots.front();
  const std::int32_t held = lot.count;
  auto keep = static_cast<std::int32_t>(m_random.RandomBelow(static_cast<std::uint32_t>(held)));
  std::int32_t& space = FreeSpaceFor(m_state, lot.good);
  space += held - keep;
  if (keep == 0) {
    // The thief always leaves one unit behind.
    keep = 1;
    space -= 1;
  }
  lot.count = keep;
  co_await Tell(QUILLMERE_TEXT("Message", "Some drugs were stolen from you in the streets."));
}

Task<> Game::copchase() {
  // The cops leave alone a player who still holds exactly the starting cash.
  if (m_state.cash != kStartingCash) co_await pursue(Pursuer::Cops);
}

Task<> Game::ladies() {
  if (m_state.seatsFree < 2) {
    m_view.statusText = QUILLMERE_TEXT("Status", "You need more seats man!");
    co_return;
  }
  const int row = freeLotRow();
  m_state.possession[static_cast<std::size_t>(row)] = Lot{Whore, 0, 2};
  m_state.seatsFree -= 2;
  co_await Tell(
      QUILLMERE_TEXT("Message",
                     "Two ladies who appreciate a hard-working drug dealer decide to come hang "
                     "out with you for a while."));
}

Task<> Game::familyoffer() {
  // The family of four needs the whole back seat.
  if (m_state.seatsFree != 4) co_return;
  const bool yes = co_await Ask(
      QUILLMERE_TEXT("Message",
                     "A family of 4 offers you 100,000 Pesos (10,000 dolars) to take them over "
                     "the border!! Will you accept?"),
      DialogKind::Information, DialogButtons::YesNo);
  if (!yes) co_return;
  m_state.familyAboard = true;
  m_state.seatsFree -= 4;
}

Task<> Game::borderreturn() {
  if (!m_state.familyAboard) {
    const std::uint32_t b = m_random.RandomBelow(5);
    m_state.wasInTijuana = false;
    if (b == 3) co_await pursue(Pursuer::BorderPatrol);
    co_return;
  }
  if (m_random.RandomBelow(2) == 1) {
    m_state.wasInTijuana = false;
    co_await Tell(QUILLMERE_TEXT("Message", "The family you were transporting bails on you."));
    m_state.familyAboard = false;
    m_state.seatsFree += 4;
    co_await pursue(Pursuer::BorderPatrol);
    co_return;
  }
  co_await Tell(QUILLMERE_TEXT("Message", "The family thanks you with prompt payment."));
  m_state.familyAboard = false;
  m_state.wasInTijuana = false;
  // What the cash cannot hold of the payment goes to the bank.
  Money payment = 10000;
  MoveMoney(payment, m_state.cash);
  m_state.bank = AddMoney(m_state.bank, payment);
  // The family gives back the four seats it took, whatever was sold from the others meanwhile.
  m_state.seatsFree += 4;
}

Task<> Game::tonychase() {
  if (m_state.day < 5 || m_state.debt <= 0) co_return;
  m_random.ReseedFromClock();
  if (m_random.RandomBelow(6) == 3) co_await pursue(Pursuer::Tony);
}

}  // namespace quillmere
