// A price that a place or a piece of market news puts on one good of the day's market.
#pragma once

#include <cstdint>

#include "game/random.h"
#include "game/state.h"
#include "game/view.h"

namespace quillmere {

struct PriceOverride {
  int good;
  Money base;
  std::uint32_t range;  // the price is base + RandomBelow(range)
  // The new market starts with Acid in the info panel, so a rule that re-prices Acid for
  // buying must also change the price that Buy uses.
  bool alsoInfoPanel;
};

// Offers the good at a freshly drawn price, whether or not the day's market had it.
inline void ApplyPriceOverride(GameState& state, MainView& view, Random& random,
                               const PriceOverride& rule) {
  MarketRow& row = state.market[static_cast<std::size_t>(rule.good)];
  row.offered = true;
  row.price = rule.base + static_cast<Money>(random.RandomBelow(rule.range));
  if (rule.alsoInfoPanel) view.infoPrice = row.price;
}

}  // namespace quillmere
