// The street-event roll after every trip: market news and encounters.
#include "game/game.h"

namespace quillmere {

void Game::streetevents(std::string_view) {}
void Game::mugging() {}
void Game::copchase() {}
void Game::ladies() {}
void Game::familyoffer() {}
void Game::borderreturn() {}
void Game::tonychase() {}

}  // namespace quillmere
