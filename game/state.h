// The state of one game: the money, the calendar, the car and the gun, health, the day's market
// and the goods held. The engine owns it; the screens draw it and never change it themselves.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "game/catalogue.h"
#include "game/money.h"
#include "game/texts.h"

namespace quillmere {

// A new game: the first day, the cash it starts with (and the debt to Tony), the car (the
// Honda Civic) and no gun. The first trip on the last day ends the game.
inline constexpr std::int32_t kFirstDay = 1;
inline constexpr std::int32_t kLastDay = 31;
inline constexpr Money kStartingCash = 2000;
inline constexpr Money kStartingDebt = 2000;
inline constexpr int kStartingCar = 1;
inline constexpr int kStartingGun = 0;

enum class TimeOfDay { Morning, Day, Night };
std::string_view TimeOfDayText(TimeOfDay t);

// One row of the market: a good that is not on offer has both cells empty.
struct MarketRow {
  bool offered = false;
  Money price = 0;
  bool operator==(const MarketRow&) const = default;
};

// One row of the possession list. A sold-out lot stays as an empty row to be reused.
struct Lot {
  int good = -1;  // -1: an empty row
  Money price = 0;
  std::int32_t count = 0;
  bool empty() const { return good < 0; }
  bool operator==(const Lot&) const = default;
};

enum class Pursuer { None = 0, Cops = 1, Tony = 2, BorderPatrol = 3 };

struct GameState {
  // Money.
  Money cash = kStartingCash;
  Money bank = 0;
  Money debt = kStartingDebt;

  // Calendar.
  std::int32_t day = kFirstDay;
  TimeOfDay timeOfDay = TimeOfDay::Morning;

  // Car (carKind 0: none; its picture is the car of that kind, or none).
  std::string carName = QUILLMERE_TEXT("Cars", "Honda Civic");
  Money carValue = 7000;
  int carKind = kStartingCar;
  std::int32_t seatsFree = 4;
  std::int32_t seatsTotal = 4;
  std::int32_t trunkFree = 80;
  std::int32_t trunkTotal = 80;

  // Gun (gunKind 0: none, and no picture).
  std::string gunName = QUILLMERE_TEXT("Guns", "NONE");
  Money gunValue = 0;
  int gunKind = kStartingGun;

  int health = 100;

  // Today's market in catalogue order (grid rows 1..13) and the possession list (rows 1..).
  std::array<MarketRow, kGoodCount> market{};
  std::vector<Lot> possession;

  // The place the player is at (no trip goes there); none at the start.
  std::optional<Place> currentPlace;

  Pursuer pursuerKind = Pursuer::None;
  bool wasInTijuana = false;
  bool familyAboard = false;
};

// The free space a good takes: the seats for a good that rides in them, else the trunk.
inline std::int32_t& FreeSpaceFor(GameState& s, int good) {
  return GoodAt(good).inSeats ? s.seatsFree : s.trunkFree;
}

// Moves the bank into the cash, as far as the cash can hold it: the withdraw button, "some"
// for Tony, and the start of every dealer's visit.
inline void WithdrawAll(GameState& s) { MoveMoney(s.bank, s.cash); }

}  // namespace quillmere
