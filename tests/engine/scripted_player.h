// A player for engine tests: sends the test's actions, records every box the game puts up,
// answers Yes/No from a script, and plays each pursuit with whatever the test asks.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "game/game.h"

namespace quillmere {

// How GoogleTest prints a lot; found by argument lookup.
inline void PrintTo(const Lot& lot, std::ostream* out) {
  *out << "{" << lot.good << ", " << lot.price << ", " << lot.count << "}";
}

}  // namespace quillmere

namespace quillmere::testing {

struct Box {
  std::string text;
  DialogKind kind;
  DialogButtons buttons;
};

class ScriptedPlayer {
 public:
  // Sends one action, then answers every box it brings and plays every pursuit it opens.
  void act(const Action& action) {
    ++m_actions;
    game->Act(action);
    settle();
  }

  std::vector<std::string> texts() const {
    std::vector<std::string> result;
    for (const Box& box : boxes) result.push_back(box.text);
    return result;
  }

  Game* game = nullptr;
  std::vector<Box> boxes;
  std::vector<std::string> conversionErrors;
  std::deque<bool> answers;
  bool defaultAnswer = false;
  // Plays a pursuit that has come to the front, with act(). Without it, a pursuit stays in
  // front for the test to play.
  std::function<void(ScriptedPlayer&)> onPursuit;
  // Runs while a Yes/No question is up, before it is answered.
  std::function<void(ScriptedPlayer&)> onQuestion;
  std::vector<Pursuer> pursuers;
  int pursuits = 0;
  int endScreens = 0;
  int terminations = 0;

 private:
  // A pursuit that has only just begun: its opening line and every choice still open.
  bool freshPursuit() const {
    return game->front() == Front::Pursuit && game->pursuit().log().size() == 1 &&
           game->pursuit().runEnabled();
  }

  void settle() {
    for (;;) {
      if (const auto& question = game->question()) {
        if (question->conversionError) {
          conversionErrors.push_back(question->text);
          game->Act(Answer{true});
          continue;
        }
        boxes.push_back({question->text, question->kind, question->buttons});
        bool yes = true;
        if (question->buttons == DialogButtons::YesNo) {
          if (onQuestion) onQuestion(*this);
          yes = defaultAnswer;
          if (!answers.empty()) {
            yes = answers.front();
            answers.pop_front();
          }
        }
        game->Act(Answer{yes});
        continue;
      }
      if (!m_playing && freshPursuit()) {
        pursuers.push_back(game->state().pursuerKind);
        ++pursuits;
        if (!onPursuit) break;
        const int before = m_actions;
        m_playing = true;
        onPursuit(*this);
        m_playing = false;
        // A pursuit the test did not touch stays in front.
        if (m_actions == before) break;
        continue;
      }
      break;
    }
    if (game->front() == Front::End && !m_ended) {
      m_ended = true;
      ++endScreens;
    }
    if (game->front() == Front::Closed && !m_closed) {
      m_closed = true;
      ++terminations;
    }
  }

  bool m_playing = false;
  int m_actions = 0;
  bool m_ended = false;
  bool m_closed = false;
};

// The draws of the game's generator after it is seeded with a millisecond, worked out here
// apart from the engine: the seed steps to seed × 134775813 + 1, a draw below n is the high
// half of n × seed.
class Draws {
 public:
  explicit Draws(std::uint32_t ms) : m_seed(ms) {}
  std::uint32_t below(std::uint32_t n) {
    m_seed = m_seed * 134775813u + 1u;
    return static_cast<std::uint32_t>((std::uint64_t{n} * m_seed) >> 32);
  }

 private:
  std::uint32_t m_seed;
};

// The first millisecond from `from` on whose draws `wanted` accepts.
template <class Wanted>
std::uint32_t MillisecondWhere(std::uint32_t from, Wanted wanted) {
  for (std::uint32_t ms = from;; ++ms) {
    Draws draws(ms);
    if (wanted(draws)) return ms;
  }
}

// A millisecond whose street-event roll (the first draw below 45) brings nothing.
inline constexpr std::uint32_t kQuietMs = 45000023;

// A game on its main screen, its state as a new game's before the first market, on a clock
// that the test sets, played by a ScriptedPlayer.
struct GameFixture {
  GameFixture() {
    player.game = &game;
    clock.set(kQuietMs);
    game.Act(StartGame{});
    game.state() = GameState{};
    game.view() = MainView{};
    clock.set(0);
  }
  // Sends an action through the player.
  void act(const Action& action) { player.act(action); }

  FixedClock clock{0};
  Game game{clock};
  ScriptedPlayer player;
  GameState& s = game.state();
  MainView& v = game.view();
};

}  // namespace quillmere::testing
