// A player for engine tests: records every box the engine shows, answers Yes/No from a
// script, and plays the pursuit screen with whatever the test asks.
#pragma once

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

class ScriptedPlayer : public Player {
 public:
  bool MessageDialog(const std::string& text, DialogKind kind, DialogButtons buttons) override {
    boxes.push_back({text, kind, buttons});
    if (buttons == DialogButtons::Ok) return true;
    if (onQuestion) onQuestion(*game);
    if (answers.empty()) return defaultAnswer;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void ConversionError(const std::string& text) override { conversionErrors.push_back(text); }
  void ShowPursuit() override {
    ++pursuits;
    pursuers.push_back(game->state().pursuerKind);
    if (onPursuit) {
      onPursuit(*game);
    } else {
      // Nobody answered: the window is closed through the window system.
      game->busted().FormCloseQuery();
    }
  }
  void ShowEndScreen() override { ++endScreens; }
  void Terminate() override { ++terminations; }

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
  std::function<void(Game&)> onPursuit;
  // Runs while a Yes/No question is up, before it is answered.
  std::function<void(Game&)> onQuestion;
  std::vector<Pursuer> pursuers;
  int pursuits = 0;
  int endScreens = 0;
  int terminations = 0;
};

// A game on a clock that the test sets, played by a ScriptedPlayer.
struct GameFixture {
  GameFixture() { player.game = &game; }
  FixedClock clock{0};
  ScriptedPlayer player;
  Game game{clock, player};
  GameState& s = game.state();
};

}  // namespace quillmere::testing
