// Buying and selling on the main screen.
#include <algorithm>
#include <cstdint>
#include <limits>

#include "game/game.h"
#include "game/texts.h"

namespace quillmere {

Task<> Game::pickGood(int row) {
  if (row < 1 || row > kGoodCount) co_return;
  const int good = row - 1;
  const MarketRow& offer = m_state.market[static_cast<std::size_t>(good)];
  if (offer.offered) getinfo(good, offer.price);
}

Task<> Game::buy() {
  const int good = m_view.infoGood;
  const Money price = m_view.infoPrice;
  const std::int32_t amount = ReadAmount(m_view.buyText);
  const bool inSeats = GoodAt(good).inSeats;
  std::int32_t& space = FreeSpaceFor(m_state, good);

  // Space is checked before the amount, so an amount of 0 or below passes it unless the
  // space is below it too. The cost is compared in full: past 32 bits it is never affordable.
  const char* refusal = nullptr;
  const std::int64_t cost = std::int64_t{price} * amount;
  if (space < amount)
    refusal = inSeats ? QUILLMERE_TEXT("Message", "Insufficient Seat Space")
                      : QUILLMERE_TEXT("Message", "Insufficient Trunk Space");
  else if (amount <= 0)
    refusal = QUILLMERE_TEXT("Message", "Invalid Purchase Amount Entered");
  else if (cost > m_state.cash)
    refusal = QUILLMERE_TEXT("Message", "Insufficient Funds");
  if (refusal) {
    co_await Tell(refusal, DialogKind::Error);
    co_return;
  }

  m_state.cash = Saturate(m_state.cash - cost);
  const std::size_t rowsBefore = m_state.possession.size();
  m_state.possession[std::size_t(freeLotRow())] = Lot{good, price, amount};
  space -= amount;
  // The info panel already shows this good: getinfo only renews the proposal.
  getinfo(good, price);
  if (m_state.possession.size() != rowsBefore) m_view.sellText = ToText(0);
}

Task<> Game::pickLot(int row) {
  if (row < 1 || std::size_t(row) > m_state.possession.size()) co_return;
  const Lot& lot = m_state.possession[std::size_t(row - 1)];
  if (lot.empty()) co_return;
  m_view.sellSelection = SellSelection{lot.good, lot.price, lot.count, row - 1};
  m_view.sellText = ToText(lot.count);
  m_view.sellEnabled = true;
}

Task<> Game::sell() {
  if (!m_view.sellEnabled || !m_view.sellSelection) co_return;
  const SellSelection picked = *m_view.sellSelection;
  const MarketRow& offer = m_state.market[static_cast<std::size_t>(picked.good)];
  if (offer.offered) {
    const std::optional<std::int32_t> amount = ParseInt32(m_view.sellText);
    if (!amount) {
      co_await ConversionError(m_view.sellText);
      co_return;
    }
    // An encounter may have taken goods since the click: the lot as it is now bounds
    // the sale as well as the count the player was shown.
    Lot* lot = std::size_t(picked.row) < m_state.possession.size()
                   ? &m_state.possession[std::size_t(picked.row)]
                   : nullptr;
    const bool sameGood = lot && lot->good == picked.good;
    const std::int32_t held = std::min(picked.count, sameGood ? lot->count : 0);
    if (*amount > held) {
      co_await Tell(QUILLMERE_TEXT("Message", "You do not have that much inventory!"),
                    DialogKind::Error);
    } else if (*amount > 0) {
      // Only the units whose proceeds the cash can still hold are sold; the rest stay in
      // the lot. amount <= held implies the lot is still there with that good.
      const std::int64_t room = std::int64_t{std::numeric_limits<Money>::max()} - m_state.cash;
      const auto sold = static_cast<std::int32_t>(
          offer.price > 0 ? std::min<std::int64_t>(*amount, room / offer.price) : *amount);
      if (sold > 0) {
        m_state.cash = AddMoney(m_state.cash, MulMoney(offer.price, sold));
        std::int32_t& space = FreeSpaceFor(m_state, picked.good);
        space = AddMoney(space, sold);
        m_view.sellText = ToText(lot->count);
        lot->count -= sold;
        if (lot->count == 0) *lot = Lot{};
      }
    }
  }
  m_view.sellEnabled = false;
}

}  // namespace quillmere
