// Prints the bid code that the game's end screen makes for an asset sum, so the browser tests
// post codes the real engine made; or plays random games to the n-th that reaches its end
// screen, writes its record where it is told and prints its code.
// Usage: bid_code SUM [MILLISECOND]   (the clock's millisecond of the day; default: now)
//        bid_code --game N RECORD-FILE
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "game/random.h"
#include "game/result.h"
#include "random_player.h"

int main(int argc, char* argv[]) {
  if (argc == 4 && std::string(argv[1]) == "--game") {
    long n = std::strtol(argv[2], nullptr, 10);
    for (std::uint64_t seed = 1;; ++seed) {
      const auto played = quillmere::testing::PlayRandomGame(seed);
      if (!played.reachedEndScreen || n-- > 1) continue;
      std::ofstream(argv[3]) << quillmere::RecordText(played.record);
      std::puts(played.result.bidCode.c_str());
      return 0;
    }
  }
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: bid_code SUM [MILLISECOND]\n");
    return 2;
  }
  const long sum = std::strtol(argv[1], nullptr, 10);
  quillmere::SystemClock now;
  quillmere::FixedClock fixed(
      argc > 2 ? static_cast<std::uint32_t>(std::strtoul(argv[2], nullptr, 10)) : 0);
  quillmere::Random random(argc > 2 ? static_cast<quillmere::Clock&>(fixed) : now);
  std::puts(quillmere::EncryptString(std::to_string(sum), random).c_str());
}
