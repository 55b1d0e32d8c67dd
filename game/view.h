// What the main screen shows beside the game's state, set by the rules and read back by them:
// the good on offer in the info panel, the amounts as the player typed them, the lot picked for
// selling, whether Tony can still be paid, and the day's news.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "game/catalogue.h"
#include "game/money.h"

namespace quillmere {

// The lot picked for selling, as it was when the player clicked it.
struct SellSelection {
  int good = -1;
  Money price = 0;
  std::int32_t count = 0;
  int row = 0;  // index into GameState::possession
};

struct MainView {
  // The good that Buy acts on and its price.
  int infoGood = Acid;
  Money infoPrice = 2500;
  bool infoDescribed = false;  // false until the first market: "Acid description."

  // The trade boxes keep whatever the player typed; selling is open once a lot is picked and
  // closes with the sale.
  std::string buyText = "0";
  std::string sellText = "0";
  bool sellEnabled = false;
  std::optional<SellSelection> sellSelection;

  // The possession list's header becomes a fixed row with the first lot placed.
  bool possessionHeaderFixed = false;

  // Paying Tony stays possible until a payment clears the debt.
  bool canPayTony = true;

  // The day's news, or what an encounter left to say; empty on a quiet day.
  std::string statusText;
};

}  // namespace quillmere
