// The end of the game: the asset sum, and the end screen's copy of the score and its bid code.
#pragma once

#include <string>

#include "game/bidcode.h"
#include "game/money.h"

namespace quillmere {

struct GameState;

// cash + bank + carValue + gunValue - debt, held within the signed 32-bit range.
Money AssetSum(const GameState& state);

struct GameResult {
  bool shown = false;
  std::string score;
  std::string bidCode;
};

}  // namespace quillmere
