// The asset sum the end screen shows and hides in the bid code.
#include "game/endscreen.h"

#include "game/state.h"

namespace quillmere {

Money AssetSum(const GameState& state) {
  return Saturate(std::int64_t{state.cash} + state.bank + state.carValue + state.gunValue -
                  state.debt);
}

}  // namespace quillmere
