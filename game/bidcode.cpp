// The bid code's layout, and the two uses of it: making a code and reading one.
#include "game/bidcode.h"

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

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

// ---- Finding the seed of a code's digits ----
//
// A seed s below 2^27 is split as s = h * 2^16 + l. The generator's first three states are
// then x_k = T_k(h) + v_k(l) (mod 2^32), with v_k the states that l alone leads to and T_k
// what h adds. A digit is 10 * x / 2^32, so each of the first three digits asks its state to
// lie on a tenth of the circle: for each h, v1, v2 and v3 on three arcs. The table of all l is
// kept in cells by the top bits of v2 and v3, each cell sorted by v1, so a look-up visits only
// the cells the v2 and v3 arcs touch and, in each, the v1 arc's stretch. The few seeds left
// are drawn out in full.

constexpr std::uint32_t kLowBits = 16;
constexpr std::uint32_t kGroupBits = 4;  // a cell is a group of v2 by a group of v3
constexpr std::uint32_t kGroups = 1u << kGroupBits;
constexpr std::uint32_t kSeeds = 86400000;  // the milliseconds of a day
constexpr std::uint64_t kCircle = std::uint64_t{1} << 32;

struct LowStates {
  std::uint32_t v1;
  std::uint32_t v2;
  std::uint32_t v3;
  std::uint32_t l;
};

std::uint32_t Group(std::uint32_t v) { return v >> (32 - kGroupBits); }
std::uint32_t Cell(const LowStates& s) { return Group(s.v2) << kGroupBits | Group(s.v3); }

struct LowTable {
  std::vector<LowStates> states;                            // by cell, then by v1
  std::array<std::size_t, kGroups * kGroups + 1> starts{};  // where each cell begins
};

const LowTable& Table() {
  static const LowTable table = [] {
    LowTable t;
    t.states.resize(std::size_t{1} << kLowBits);
    for (std::uint32_t l = 0; l < t.states.size(); ++l) {
      const std::uint32_t v1 = l * kRandomMultiplier + 1;
      const std::uint32_t v2 = v1 * kRandomMultiplier + 1;
      t.states[l] = {v1, v2, v2 * kRandomMultiplier + 1, l};
    }
    std::sort(t.states.begin(), t.states.end(), [](const LowStates& a, const LowStates& b) {
      return std::pair(Cell(a), a.v1) < std::pair(Cell(b), b.v1);
    });
    std::size_t at = 0;
    for (std::uint32_t cell = 0; cell <= kGroups * kGroups; ++cell) {
      while (at < t.states.size() && Cell(t.states[at]) < cell) ++at;
      t.starts[cell] = at;
    }
    return t;
  }();
  return table;
}

// The states whose draw from RandomBelow(10) is digit d: [start, start + width) on the circle.
struct Arc {
  std::uint32_t start;
  std::uint32_t width;
  bool holds(std::uint32_t x) const { return x - start < width; }
  Arc shifted(std::uint32_t by) const { return {start - by, width}; }
  std::uint32_t firstGroup() const { return Group(start); }
  std::uint32_t lastGroup() const { return Group(start + width - 1); }
};
Arc DigitArc(char digit) {
  // The least x with 10 x >= d 2^32.
  const auto first = [](std::uint64_t d) { return ((d << 32) + 9) / 10; };
  const auto d = std::uint64_t(digit - '0');
  const std::uint64_t start = first(d);
  const std::uint64_t end = d == 9 ? kCircle : first(d + 1);
  return {static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(end - start)};
}

bool DrawsDigits(std::uint32_t seed, std::string_view digits) {
  FixedClock clock(seed);
  Random random(clock);
  random.ReseedFromClock();
  for (char c : digits)
    if (random.RandomBelow(10) != std::uint32_t(c - '0')) return false;
  return true;
}

}  // namespace

std::optional<std::uint32_t> FindSeed(std::string_view digits) {
  if (digits.size() < 3) return std::nullopt;
  for (char c : digits)
    if (!IsDigit(c)) return std::nullopt;
  const LowTable& table = Table();
  const Arc arcs[] = {DigitArc(digits[0]), DigitArc(digits[1]), DigitArc(digits[2])};
  for (std::uint32_t h = 0; h <= (kSeeds - 1) >> kLowBits; ++h) {
    const std::uint32_t t1 = (h << kLowBits) * kRandomMultiplier;
    const std::uint32_t t2 = t1 * kRandomMultiplier;
    const Arc on1 = arcs[0].shifted(t1);
    const Arc on2 = arcs[1].shifted(t2);
    const Arc on3 = arcs[2].shifted(t2 * kRandomMultiplier);
    // Scans the states of a cell whose v1 lies in [low, high).
    const auto scan = [&](std::uint32_t cell, std::uint64_t low,
                          std::uint64_t high) -> std::optional<std::uint32_t> {
      const auto begin = table.states.begin() + std::ptrdiff_t(table.starts[cell]);
      const auto end = table.states.begin() + std::ptrdiff_t(table.starts[cell + 1]);
      auto it = std::lower_bound(begin, end, low,
                                 [](const LowStates& a, std::uint64_t v) { return a.v1 < v; });
      for (; it != end && it->v1 < high; ++it) {
        if (!on2.holds(it->v2) || !on3.holds(it->v3)) continue;
        const std::uint32_t seed = (h << kLowBits) | it->l;
        if (seed < kSeeds && DrawsDigits(seed, digits)) return seed;
      }
      return std::nullopt;
    };
    // An arc is one stretch of the circle, or two where it passes 2^32.
    const std::uint64_t end1 = std::uint64_t{on1.start} + on1.width;
    for (std::uint32_t g2 = on2.firstGroup();; g2 = (g2 + 1) % kGroups) {
      for (std::uint32_t g3 = on3.firstGroup();; g3 = (g3 + 1) % kGroups) {
        const std::uint32_t cell = g2 << kGroupBits | g3;
        std::optional<std::uint32_t> seed = scan(cell, on1.start, std::min(end1, kCircle));
        if (!seed && end1 > kCircle) seed = scan(cell, 0, end1 - kCircle);
        if (seed) return seed;
        if (g3 == on3.lastGroup()) break;
      }
      if (g2 == on2.lastGroup()) break;
    }
  }
  return std::nullopt;
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
  // F7 .. F9 have no check block of their own: the reseed that drew all nine blocks does.
  std::string drawn;
  for (const std::string_view block : blocks) drawn += block;
  const std::optional<std::uint32_t> seed = FindSeed(drawn);
  if (!seed) return {BidReading::Typo};
  reading.seed = *seed;
  return reading;
}

}  // namespace quillmere
