// The bid code: the one layout by which the game hides a score in 224 characters and the bid
// board reads it back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game/random.h"

namespace quillmere {

inline constexpr int kBidCodeLength = 224;
// Positions (1-based) of S[1] .. S[10] in the bid code.
inline constexpr int kScorePositions[10] = {34, 93, 138, 45, 3, 101, 100, 66, 223, 76};

// The bid code of a score text: reseeds from the clock, then draws its 130 random digits.
std::string EncryptString(const std::string& score, Random& random);

// A character's mirror: the character whose code is 105 minus its code.
char Mirror(char c);

// What reading a pasted code found, in the order the checks are made.
struct BidReading {
  enum Status {
    Valid,
    TooShort,
    TooLong,
    BadCharacter,  // a character that no code can hold (only digits and the mirrored minus)
    Typo,          // the check block, the hidden score or the random digits do not fit
  } status = Valid;
  std::int64_t score = 0;  // the hidden score, when Valid
  char character = 0;      // the first bad character, when BadCharacter
  std::uint32_t seed = 0;  // the millisecond of the day the code was made at, when Valid
};

// Reads a code: its length, its characters, the check block against F1 .. F6, the ten
// mirrored score characters, which must spell a score the game can make (a 32-bit sum, the
// zeros in front of a minus sign), and all 130 random digits, which one reseed must have
// drawn. Only the first ten characters of a score text are hidden, so a sum of
// -1,000,000,000 or less reads as its first ten characters.
BidReading ReadBidCode(std::string_view code);

// The millisecond of the day whose reseed draws these digits in this order, if one does.
// Only the first 130 digits are looked at.
std::optional<std::uint32_t> FindSeed(std::string_view digits);

}  // namespace quillmere
