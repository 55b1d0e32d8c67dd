// The game's frame: construction, the start of a game, the end of the program.
#include "game/game.h"
#include "game/texts.h"

namespace quillmere {

std::string_view TimeOfDayText(TimeOfDay t) {
  switch (t) {
    case TimeOfDay::Morning:
      return QUILLMERE_TEXT("Caption", "Morning");
    case TimeOfDay::Day:
      return QUILLMERE_TEXT("Caption", "Day");
    case TimeOfDay::Night:
      return QUILLMERE_TEXT("Caption", "Night");
  }
  return QUILLMERE_TEXT("Caption", "Morning");
}

Game::Game(Clock& clock, Player& player) : GameContext(clock, player) {}

void Game::NewGame(const std::function<void(int percent)>& progress) {
  const auto report = [&progress](int percent) {
    if (progress) progress(percent);
  };
  m_state.day = kFirstDay;
  m_state.carKind = kStartingCar;
  m_state.gunKind = kStartingGun;
  report(80);
  startgame();
  report(96);
  streetevents(EventKind::Misc);
  report(100);
}

void Game::Exit1Click() { Terminate(); }

int Game::freeLotRow() {
  auto& lots = m_state.possession;
  for (std::size_t i = 0; i < lots.size(); ++i)
    if (lots[i].empty()) return static_cast<int>(i);
  lots.push_back(Lot{});
  m_state.possessionHeaderFixed = true;
  return static_cast<int>(lots.size() - 1);
}

void Game::pursue(Pursuer who) {
  m_state.pursuerKind = who;
  m_busted.FormShow();
  m_player.ShowPursuit();
}

}  // namespace quillmere
