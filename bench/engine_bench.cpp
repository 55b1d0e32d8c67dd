// Engine benchmarks: a whole game of 90 trips with its events, and a whole random game.
#include <benchmark/benchmark.h>

#include "game/game.h"
#include "random_player.h"

namespace quillmere {
namespace {

// Travels, fights its way out of every pursuit and answers Yes to every question.
class BenchPlayer final : public Player {
 public:
  bool MessageDialog(const std::string&, DialogKind, DialogButtons) override { return true; }
  void ConversionError(const std::string&) override {}
  void ShowPursuit() override {
    Pursuit& p = game->busted();
    if (p.payVisible() && p.payEnabled()) {
      p.btn1Click();
    } else {
      p.btn2Click();
    }
    if (p.closeVisible()) p.btnCloseClick();
    p.FormCloseQuery();
  }
  void ShowEndScreen() override {}
  void Terminate() override {}
  Game* game = nullptr;
};

// One game from the start to the end screen: one-period trips round the five city places,
// three a day for thirty days, then the click that ends it.
void BM_WholeGame(benchmark::State& state) {
  std::uint32_t ms = 1;
  std::int64_t trips = 0;
  for (auto _ : state) {
    FixedClock clock(ms);
    BenchPlayer player;
    Game game(clock, player);
    player.game = &game;
    game.NewGame();
    for (std::uint32_t trip = 0; !game.finished() && trip < 200; ++trip) {
      clock.set(ms = (ms * 7919 + trip) % 86400000);
      // Wear takes the Civic's last dollar after 68 trips and a worthless car may not drive
      // in the city; kept on the road, it lasts all ninety one-period trips to the end.
      if (game.state().carValue == 0) game.state().carValue = 7000;
      game.Travel(static_cast<Place>(trip % 5));
      ++trips;
    }
    benchmark::DoNotOptimize(game.result().bidCode.data());
  }
  state.counters["trips/game"] =
      benchmark::Counter(static_cast<double>(trips) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_WholeGame);

// One game of the random player, every invariant checked after every action.
void BM_RandomGame(benchmark::State& state) {
  std::uint64_t seed = 1;
  for (auto _ : state) benchmark::DoNotOptimize(testing::PlayRandomGame(seed++).actions);
}
BENCHMARK(BM_RandomGame);

}  // namespace
}  // namespace quillmere

// The bid board reads every pasted code in full: the seed search over a day's milliseconds
// is most of it. The codes are made at milliseconds spread over the day.
void BM_ReadBidCode(benchmark::State& state) {
  std::vector<std::string> codes;
  for (std::uint32_t ms : {0u, 21600000u, 43200007u, 64800013u, 86399999u}) {
    quillmere::FixedClock clock(ms);
    quillmere::Random random(clock);
    codes.push_back(quillmere::EncryptString("12345678", random));
  }
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(quillmere::ReadBidCode(codes[i++ % codes.size()]));
  }
}
BENCHMARK(BM_ReadBidCode)->Unit(benchmark::kMillisecond);
