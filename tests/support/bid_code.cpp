// Prints the bid code that the game's end screen makes for an asset sum, so the browser tests
// post codes the real engine made.
// Usage: bid_code SUM [MILLISECOND]   (the clock's millisecond of the day; default: now)
#include <cstdio>
#include <cstdlib>
#include <string>

#include "game/random.h"
#include "game/result.h"

int main(int argc, char* argv[]) {
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
