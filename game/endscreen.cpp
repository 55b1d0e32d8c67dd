// The asset sum and the bid code that hides it among random digits.
#include "game/endscreen.h"

#include <array>

#include "game/state.h"

namespace quillmere {

namespace {

// The random blocks F1 .. F9 by length. F1 .. F6 are drawn before the code is built (the
// check block repeats them); F7 .. F9 are drawn as the building reaches them.
constexpr std::array<int, 9> kBlockLengths = {2, 30, 10, 20, 16, 6, 9, 36, 1};
constexpr int kDrawnFirst = 6;

// One piece of the code, left to right: a random block, a score character or the check block.
struct Piece {
  enum Kind { Block, Score, Check } kind;
  int number;  // the block F<number> or the score character S[number]
};

constexpr Piece kLayout[] = {
    {Piece::Block, 1}, {Piece::Score, 5}, {Piece::Block, 2}, {Piece::Score, 1}, {Piece::Block, 3},
    {Piece::Score, 4}, {Piece::Block, 4}, {Piece::Score, 8}, {Piece::Block, 7}, {Piece::Score, 10},
    {Piece::Block, 5}, {Piece::Score, 2}, {Piece::Block, 6}, {Piece::Score, 7}, {Piece::Score, 6},
    {Piece::Block, 8}, {Piece::Score, 3}, {Piece::Check, 0}, {Piece::Score, 9}, {Piece::Block, 9},
};

// Where the layout puts S[k], so the published positions cannot drift from the layout.
constexpr int ScorePosition(int k) {
  int position = 1;
  for (const Piece& piece : kLayout) {
    if (piece.kind == Piece::Score && piece.number == k) return position;
    if (piece.kind == Piece::Score) position += 1;
    if (piece.kind == Piece::Block) position += kBlockLengths[std::size_t(piece.number - 1)];
    if (piece.kind == Piece::Check) {
      for (int i = 0; i < kDrawnFirst; ++i) position += kBlockLengths[std::size_t(i)];
    }
  }
  return position;
}

constexpr bool PositionsMatchLayout() {
  for (int k = 1; k <= 10; ++k)
    if (ScorePosition(k) != kScorePositions[k - 1]) return false;
  return ScorePosition(11) == kBidCodeLength + 1;
}
static_assert(PositionsMatchLayout());

std::string RandomDigits(Random& random, int length) {
  std::string digits;
  for (int i = 0; i < length; ++i) digits += static_cast<char>('0' + random.RandomBelow(10));
  return digits;
}

}  // namespace

Money AssetSum(const GameState& state) {
  return Saturate(std::int64_t{state.cash} + state.bank + state.carValue + state.gunValue -
                  state.debt);
}

std::string EncryptString(const std::string& score, Random& random) {
  random.ReseedFromClock();
  std::string padded = score;
  if (padded.size() < 10) padded.insert(0, 10 - padded.size(), '0');

  std::array<std::string, kBlockLengths.size()> blocks;
  std::string check;
  for (int i = 0; i < kDrawnFirst; ++i) {
    blocks[std::size_t(i)] = RandomDigits(random, kBlockLengths[std::size_t(i)]);
    for (char c : blocks[std::size_t(i)]) check += Mirror(c);
  }

  std::string code;
  for (const Piece& piece : kLayout) {
    switch (piece.kind) {
      case Piece::Block: {
        std::string& block = blocks[std::size_t(piece.number - 1)];
        if (piece.number > kDrawnFirst)
          block = RandomDigits(random, kBlockLengths[std::size_t(piece.number - 1)]);
        code += block;
        break;
      }
      case Piece::Score:
        code += Mirror(padded[std::size_t(piece.number - 1)]);
        break;
      case Piece::Check:
        code += check;
        break;
    }
  }
  return code;
}

char Mirror(char c) { return static_cast<char>(105 - c); }

}  // namespace quillmere
