// The bid code's layout, and the two uses of it: making a code and reading one.
#include "game/bidcode.h"

#include <array>
#include <limits>

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

constexpr int Length(const Piece& piece) {
  switch (piece.kind) {
    case Piece::Block:
      return kBlockLengths[std::size_t(piece.number - 1)];
    case Piece::Score:
      return 1;
    case Piece::Check:
      break;
  }
  int length = 0;
  for (int i = 0; i < kDrawnFirst; ++i) length += kBlockLengths[std::size_t(i)];
  return length;
}

// Where the layout puts S[k], so the published positions cannot drift from the layout.
constexpr int ScorePosition(int k) {
  int position = 1;
  for (const Piece& piece : kLayout) {
    if (piece.kind == Piece::Score && piece.number == k) return position;
    position += Length(piece);
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

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The score a padded score text spells: zeros in front, then either digits or a minus sign
// with digits that do not start with a zero; within the 32-bit range the game's sum has.
bool ParsePaddedScore(std::string_view padded, std::int64_t& score) {
  std::size_t at = padded.find_first_not_of('0');
  if (at == std::string_view::npos) {
    score = 0;
    return true;
  }
  const bool negative = padded[at] == '-';
  if (negative && (++at == padded.size() || padded[at] == '0')) return false;
  std::int64_t value = 0;
  for (; at < padded.size(); ++at) {
    if (!IsDigit(padded[at])) return false;
    value = value * 10 + (padded[at] - '0');
  }
  score = negative ? -value : value;
  return score >= std::numeric_limits<std::int32_t>::min() &&
         score <= std::numeric_limits<std::int32_t>::max();
}

}  // namespace

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
        if (piece.number > kDrawnFirst) block = RandomDigits(random, Length(piece));
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

BidReading ReadBidCode(std::string_view code) {
  if (code.size() < std::size_t(kBidCodeLength)) return {BidReading::TooShort};
  if (code.size() > std::size_t(kBidCodeLength)) return {BidReading::TooLong};
  const char minusMirror = Mirror('-');
  for (char c : code)
    if (!IsDigit(c) && c != minusMirror) return {BidReading::BadCharacter, 0, c};

  std::array<std::string_view, kBlockLengths.size()> blocks;
  std::string padded(10, ' ');
  std::string_view check;
  std::size_t at = 0;
  for (const Piece& piece : kLayout) {
    const std::string_view part = code.substr(at, std::size_t(Length(piece)));
    at += part.size();
    if (piece.kind == Piece::Block) blocks[std::size_t(piece.number - 1)] = part;
    if (piece.kind == Piece::Score) padded[std::size_t(piece.number - 1)] = Mirror(part[0]);
    if (piece.kind == Piece::Check) check = part;
  }

  std::string expected;
  for (int i = 0; i < kDrawnFirst; ++i)
    for (char c : blocks[std::size_t(i)]) expected += Mirror(c);
  for (const std::string_view block : blocks)
    for (char c : block)
      if (!IsDigit(c)) return {BidReading::Typo};
  BidReading reading;
  if (check != expected || !ParsePaddedScore(padded, reading.score)) return {BidReading::Typo};
  return reading;
}

}  // namespace quillmere
