// Engine benchmarks: a whole game of 90 trips with its events, a whole random game, a replay
// of a game's record, and the reading of a bid code.
#include <benchmark/benchmark.h>

#include "game/game.h"
#include "game/record.h"
#include "random_player.h"

namespace quillmere {
namespace {

// Answers Yes to every question and pays or runs its way out of every pursuit, closing
// the window when it cannot leave otherwise.
void Settle(Game& game) {
  for (int step = 0; step < 20; ++step) {
    if (game.question()) {
      game.Act(Answer{true});
    } else if (game.front() == Front::Pursuit) {
      const Pursuit& p = game.pursuit();
      if (p.payVisible() && p.payEnabled())
        game.Act(PayOff{});
      else if (p.runEnabled())
        game.Act(Run{});
      else if (p.closeVisible())
        game.Act(ClosePursuit{});
      else
        game.Act(ClosePursuitWindow{});
    } else {
      return;
    }
  }
}

// One game from the start to the end screen: one-period trips round the five city places,
// three a day for thirty days, then the click that ends it.
void BM_WholeGame(benchmark::State& state) {
  std::uint32_t ms = 1;
  std::int64_t trips = 0;
  for (auto _ : state) {
    FixedClock clock(ms);
    Game game(clock);
    game.Act(StartGame{});
    Settle(game);
    for (std::uint32_t trip = 0; !game.finished() && trip < 200; ++trip) {
      clock.set(ms = (ms * 7919 + trip) % 86400000);
      // Wear takes the Civic's last dollar after 68 trips and a worthless car may not drive
      // in the city; kept on the road, it lasts all ninety one-period trips to the end.
      if (game.state().carValue == 0) game.state().carValue = 7000;
      game.Act(Travel{static_cast<Place>(trip % 5)});
      Settle(game);
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

// The board plays a posted game again from its record: reading the text and the replay.
// The records are of random games that reached their end screen.
void BM_Replay(benchmark::State& state) {
  std::vector<std::string> records;
  std::int64_t steps = 0;
  for (std::uint64_t seed = 1; records.size() < 20; ++seed) {
    const testing::PlayedGame played = testing::PlayRandomGame(seed);
    if (!played.reachedEndScreen) continue;
    records.push_back(RecordText(played.record));
    steps += static_cast<std::int64_t>(played.record.steps.size());
  }
  std::size_t i = 0;
  for (auto _ : state) {
    const auto read = ParseRecord(records[i++ % records.size()]);
    benchmark::DoNotOptimize(Replay(std::get<Record>(read)));
  }
  state.counters["steps/record"] = benchmark::Counter(static_cast<double>(steps) / 20.0);
}
BENCHMARK(BM_Replay)->Unit(benchmark::kMicrosecond);

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
