// Trips between the places, the passing of time and the end of the game.
#include "game/game.h"

namespace quillmere {

void Game::Travel(Place) {}
void Game::NewDay(int) {}
void Game::dailygrind() {}
void Game::EndGame() {}

}  // namespace quillmere
