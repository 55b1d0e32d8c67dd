// A player that clicks at random: from a seed it picks any action a player could take on
// whatever screen is in front, with amounts that include 0, negatives, huge numbers and
// text that is no number, and plays whole games to their end. After every action it checks
// what must always hold, and throws InvariantBroken with the seed and the action otherwise.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

#include "game/game.h"

namespace quillmere::testing {

struct InvariantBroken : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct PlayedGame {
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

// Checks an end screen's bid code against the asset sum it was made from.
void CheckBidCode(const std::string& score, const std::string& code);

}  // namespace quillmere::testing
