// The end of the game: the asset sum, and the score and bid code the end screen shows.
#pragma once

#include <string>

#include "game/bidcode.h"
#include "game/money.h"

namespace quillmere {

struct GameState;

// cash + bank + carValue + gunValue - debt, held within the signed 32-bit range.
Money AssetSum(const GameState& state);

// What the game ended with: the asset sum as text and the bid code made from it.
struct GameResult {
  bool shown = false;
  std::string score;
  std::string bidCode;
};

}  // namespace quillmere
