// A new game, the market of the day and the info panel.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "game/game.h"

namespace quillmere {

namespace {

// How a good comes onto the market: offered unless RandomBelow(presence) draws 0 (a
// presence of 0 means always offered, without a draw), at base + RandomBelow(spread).
struct PriceRule {
  std::uint32_t presence;
  Money base;
  std::uint32_t spread;
};

constexpr std::array<PriceRule, kGoodCount> kPriceRules{{
    {0, 1300, 2700},    // Acid
    {3, 17000, 10000},  // Cocaine
    {3, 15000, 10000},  // Crack
    {3, 20, 60},        // Ecstasy
    {3, 450, 500},      // Hashish
    {3, 9000, 8000},    // Heroin
    {2, 500, 700},      // Opium
    {2, 8000, 5000},    // PCP
    {4, 300, 400},      // Peyote
    {4, 600, 1000},     // Shrooms
    {3, 80, 100},       // Speed
    {4, 450, 600},      // Weed
    {5, 3000, 5000},    // Whore
}};

}  // namespace

void Game::startgame() {
  m_state.possession.clear();
  m_view.possessionHeaderFixed = false;
  m_state.cash = kStartingCash;
  m_state.bank = 0;
  m_state.debt = kStartingDebt;
  m_state.day = kFirstDay;
  m_state.timeOfDay = TimeOfDay::Morning;
  randomdrugs();
}

void Game::randomdrugs() {
  m_random.ReseedFromClock();
  for (std::size_t good = 0; good < kGoodCount; ++good) {
    const PriceRule& rule = kPriceRules[good];
    MarketRow& row = m_state.market[good];
    row.offered = rule.presence == 0 || m_random.RandomBelow(rule.presence) != 0;
    row.price = row.offered ? rule.base + Money(m_random.RandomBelow(rule.spread)) : 0;
  }
  // The new market starts with Acid selected; the buy box keeps what it held.
  m_view.infoGood = Acid;
  m_view.infoPrice = m_state.market[Acid].price;
  m_view.infoDescribed = true;
}

void Game::getinfo(int good, Money price) {
  m_view.infoGood = good;
  m_view.infoPrice = price;
  m_view.infoDescribed = true;
  const std::int32_t space = FreeSpaceFor(m_state, good);
  // At a price of 0 the cash sets no limit, only the space does.
  Money proposal = space;
  if (price != 0) {
    const double most = std::trunc(double(m_state.cash) / double(price));
    proposal = Saturate(std::int64_t(most));
  }
  m_view.buyText = ToText(std::min(proposal, space));
}

}  // namespace quillmere
