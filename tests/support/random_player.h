// A player that clicks at random: from a seed it picks any action a player could take on
// whatever screen is in front, with amounts that include 0, negatives, huge numbers and
// text that is no number, and plays whole games to their end. After every action it checks
// what must always hold, and throws InvariantBroken with the seed and the action otherwise.
// Its choice of moves (RandomMoves) is also what the GUI soak carries out on the real screens.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

#include "game/game.h"
#include "game/record.h"

namespace quillmere::testing {

struct InvariantBroken : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// What a player might type into an amount box: numbers of every size and sign, and now and
// then text that is no number at all. below(n) draws a number in 0 .. n-1.
template <typename Below>
std::string RandomAmount(Below below) {
  static constexpr std::array<const char*, 12> odd = {
      "0",   "-1", "-5000", "2147483647", "-2147483648", "99999999999",
      "abc", "",   "-",     "1.5",        " 3",          "+2"};
  switch (below(4)) {
    case 0:
      return odd[static_cast<std::size_t>(below(static_cast<int>(odd.size())))];
    case 1:
      return ToText(below(5));
    case 2:
      return ToText(below(400));
    default:
      return ToText(below(100000) - 1000);
  }
}

// A small, fully specified generator, so a seed plays the same game everywhere.
class Dice {
 public:
  // The seed is stirred first: started from seed × the step, seed n + k would draw what seed n
  // draws from its k-th throw on, and neighbouring seeds would play the same game.
  explicit Dice(std::uint64_t seed) : m_state(seed) { m_state = next(); }
  std::uint64_t next() {
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  int below(int n) { return n <= 0 ? 0 : static_cast<int>(next() % std::uint64_t(n)); }
  bool chance(int percent) { return below(100) < percent; }

 private:
  std::uint64_t m_state;
};

// The random player's choices: from a seed, the clock's millisecond for each move and the move,
// any action a player could take on the screen in front or in the box that is up, and now and
// then one that is not for the screen in front, which the game must ignore. It only reads the
// game; whoever holds it carries the move out.
class RandomMoves {
 public:
  explicit RandomMoves(std::uint64_t seed) : m_dice(seed) {}

  // The millisecond of the day the next move is made on; drawn before the move.
  std::uint32_t millisecond() { return static_cast<std::uint32_t>(m_dice.below(86400000)); }
  Action next(const Game& game);

 private:
  Action forFront(const Game& game);
  Action mainMove(const GameState& s);
  Action pursuitMove(const Pursuit& p);
  Action dealerMove();
  Action loanMove();
  Action anyMove(const Game& game);
  std::string amount();

  Dice m_dice;
};

struct PlayedGame {
  // Every action the game took, with the clock readings it made, and how the game ended.
  Record record;
  GameResult result;
  int actions = 0;
  int trips = 0;
  int pursuits = 0;
  bool reachedEndScreen = false;
  bool terminated = false;
};

// Hears every text the engine puts in front of the player, with the context the engine marks
// it with for translation (game/texts.h).
using TextShown = std::function<void(const char* context, const std::string& text)>;

// Plays one whole game from its seed; the same seed plays the same game.
PlayedGame PlayRandomGame(std::uint64_t seed, int maxActions = 5000, const TextShown& shown = {});

// Checks the state against everything that must hold between two actions.
void CheckInvariants(const Game& game);

// Checks what an end screen shows: the score is the game's asset sum and the bid code
// hides that score.
void CheckEndScreen(const GameState& s, const std::string& score, const std::string& code);

// Writes the game's record out, reads it back and plays it again: the same score and bid code.
void CheckReplay(const PlayedGame& played);

}  // namespace quillmere::testing
