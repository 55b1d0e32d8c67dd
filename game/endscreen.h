// The end of the game: the asset sum and the 224-character bid code made from it.
#pragma once

#include <string>

#include "game/money.h"
#include "game/random.h"

namespace quillmere {

struct GameState;

inline constexpr int kBidCodeLength = 224;
// Positions (1-based) of S[1] .. S[10] in the bid code.
inline constexpr int kScorePositions[10] = {34, 93, 138, 45, 3, 101, 100, 66, 223, 76};

// cash + bank + carValue + gunValue - debt, held within the signed 32-bit range.
Money AssetSum(const GameState& state);

// The bid code of a score text: reseeds from the clock, then draws its 130 random digits.
std::string EncryptString(const std::string& score, Random& random);

// A character's mirror: the character whose code is 105 minus its code.
char Mirror(char c);

struct EndScreen {
  bool shown = false;
  std::string edtScore;
  std::string edtEncrypted;
};

}  // namespace quillmere
