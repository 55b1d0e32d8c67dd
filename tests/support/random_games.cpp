// Plays many whole random games and reports any broken invariant, and plays each game that
// reached its end screen again from its record, which must give the same bid code.
// Usage: random_games [first-seed] [games]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "random_player.h"

int main(int argc, char* argv[]) {
  const std::uint64_t first = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1;
  const std::uint64_t games = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1000;
  std::uint64_t failed = 0, ended = 0, trips = 0, pursuits = 0;
  for (std::uint64_t seed = first; seed < first + games; ++seed) {
    try {
      const auto played = quillmere::testing::PlayRandomGame(seed);
      if (played.reachedEndScreen) quillmere::testing::CheckReplay(played);
      ended += played.reachedEndScreen ? 1 : 0;
      trips += static_cast<std::uint64_t>(played.trips);
      pursuits += static_cast<std::uint64_t>(played.pursuits);
    } catch (const std::exception& e) {
      if (++failed <= 20) std::fprintf(stderr, "%s\n", e.what());
    }
  }
  std::printf(
      "random games from seed %llu: %llu reached the end screen, %llu trips, %llu pursuits\n",
      static_cast<unsigned long long>(first), static_cast<unsigned long long>(ended),
      static_cast<unsigned long long>(trips), static_cast<unsigned long long>(pursuits));
  std::printf("%llu passed, %llu failed\n", static_cast<unsigned long long>(games - failed),
              static_cast<unsigned long long>(failed));
  return failed == 0 ? 0 : 1;
}
