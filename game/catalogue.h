// The fixed data of the game: the thirteen goods, the eight places, the nine guns and the
// ten cars, in their fixed orders.
#pragma once

#include <array>
#include <string_view>

#include "game/money.h"

namespace quillmere {

// A good's index is its market row minus one.
enum Good : int {
  Acid,
  Cocaine,
  Crack,
  Ecstasy,
  Hashish,
  Heroin,
  Opium,
  PCP,
  Peyote,
  Shrooms,
  Speed,
  Weed,
  Whore
};
inline constexpr int kGoodCount = 13;

struct GoodInfo {
  std::string_view name;
  std::string_view description;
  std::string_view picture;  // resource file name under :/pictures/
  bool inSeats;              // carried in the seats rather than the trunk
};
const GoodInfo& GoodAt(int good);

enum class Place : int {
  Downtown,
  Hollywood,
  Pasadena,
  BeverlyHills,
  SouthCentral,
  SanDiego,
  LasVegas,
  Tijuana
};
inline constexpr int kPlaceCount = 8;

struct PlaceInfo {
  std::string_view name;
  bool needsCar;
  int periods;  // how many periods of the day the trip takes
};
const PlaceInfo& PlaceAt(Place place);

// Guns: gunKind 1..9 is the index + 1 and also the gun's strength in a fight.
struct GunInfo {
  std::string_view name;
  std::string_view picture;
  Money price;
  std::string_view accuracy;
  Money valueAfterPurchase;
};
inline constexpr int kGunCount = 9;
const GunInfo& GunOfKind(int gunKind);  // 1..9

// Cars: carKind 1..10 is the index + 1.
struct CarInfo {
  std::string_view name;
  std::string_view picture;
  Money price;
  int seats;
  int trunk;
};
inline constexpr int kCarCount = 10;
const CarInfo& CarOfKind(int carKind);  // 1..10
// A car is worth 80 % of its price once bought, the fraction dropped.
Money CarValueAfterPurchase(Money price);

}  // namespace quillmere
