// Writes the records of random games into a folder, as the fuzzer's first inputs.
// Usage: record_corpus FOLDER GAMES
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "random_player.h"

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: record_corpus FOLDER GAMES\n");
    return 2;
  }
  const std::uint64_t games = std::strtoull(argv[2], nullptr, 10);
  for (std::uint64_t seed = 1; seed <= games; ++seed) {
    // Short games keep the inputs small enough for the fuzzer to work on quickly.
    const auto played = quillmere::testing::PlayRandomGame(seed, 300);
    std::ofstream(std::string(argv[1]) + "/game-" + std::to_string(seed) + ".record")
        << quillmere::RecordText(played.record);
  }
  return 0;
}
