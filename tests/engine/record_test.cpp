// A game's record: written and read back, played again to the same bid code, and refused, at
// the step that breaks, when it has been tampered with.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "game/game.h"
#include "game/record.h"
#include "random_player.h"

namespace quillmere {
namespace {

// A random game that reached its end screen, with its record.
const testing::PlayedGame& FinishedGame() {
  static const testing::PlayedGame game = [] {
    for (std::uint64_t seed = 1;; ++seed) {
      testing::PlayedGame played = testing::PlayRandomGame(seed);
      if (played.reachedEndScreen && played.record.steps.size() > 50) return played;
    }
  }();
  return game;
}

std::variant<GameResult, ReplayBroken> ReplayText(const std::string& text) {
  const auto read = ParseRecord(text);
  if (const auto* error = std::get_if<RecordError>(&read))
    return ReplayBroken{0, "unreadable: " + error->why};
  return Replay(std::get<Record>(read));
}

TEST(Record, TamperingIsRefusedAtItsStepOrChangesTheCode) {
  const testing::PlayedGame& game = FinishedGame();
  const std::vector<Step>& steps = game.record.steps;
  const std::size_t last = steps.size() - 1;
  std::size_t travel = 0;  // the first trip that read the clock
  while (!(std::holds_alternative<Travel>(steps[travel].action) && !steps[travel].readings.empty()))
    ++travel;

  const auto with = [&](const std::function<void(std::vector<Step>&)>& change) {
    Record record = game.record;
    change(record.steps);
    return RecordText(record);
  };
  struct Case {
    const char* what;
    std::string text;
  };
  const Case cases[] = {
      {"another place", with([&](auto& s) {
         auto& trip = std::get<Travel>(s[travel].action);
         trip.place = trip.place == Place::Tijuana ? Place::Downtown : Place::Tijuana;
       })},
      {"a step removed", with([&](auto& s) { s.erase(s.begin() + std::ptrdiff_t(travel)); })},
      {"a step moved", with([&](auto& s) { std::swap(s[travel], s[last]); })},
      {"the last clock reading changed",
       with([&](auto& s) { s[last].readings.back() = (s[last].readings.back() + 1) % 86400000; })},
      {"a clock reading added", with([&](auto& s) { s[travel].readings.push_back(7); })},
      {"the end cut off", with([&](auto& s) { s.pop_back(); })},
      {"a step after the end", with([&](auto& s) { s.push_back(s[last]); })},
  };
  for (const Case& c : cases) {
    const auto replayed = ReplayText(c.text);
    if (const auto* end = std::get_if<GameResult>(&replayed)) {
      EXPECT_NE(end->bidCode, game.result.bidCode) << c.what;
    } else {
      const ReplayBroken& broken = std::get<ReplayBroken>(replayed);
      EXPECT_GT(broken.step, 0u) << c.what;
      EXPECT_FALSE(broken.why.empty()) << c.what;
    }
  }
  // The untouched record plays to the very code.
  const auto replayed = ReplayText(RecordText(game.record));
  ASSERT_TRUE(std::holds_alternative<GameResult>(replayed));
  EXPECT_EQ(std::get<GameResult>(replayed).bidCode, game.result.bidCode);
}

// A game the real program played under Xvfb (the tutorial's game, driven with xdotool), its
// record as the program wrote it and the end screen it showed.
TEST(Record, TheProgramsOwnRecordPlaysToItsEndScreen) {
  std::ifstream file(QUILLMERE_FIXTURES "/tutorial-game.record");
  std::stringstream text;
  text << file.rdbuf();
  const auto read = ParseRecord(text.str());
  ASSERT_TRUE(std::holds_alternative<Record>(read));
  const auto replayed = Replay(std::get<Record>(read));
  ASSERT_TRUE(std::holds_alternative<GameResult>(replayed));
  EXPECT_EQ(std::get<GameResult>(replayed).score, "69907");
  EXPECT_EQ(std::get<GameResult>(replayed).bidCode,
            "6095828927180001047227602285247349020836376499801358596803903827108038991872036106"
            "2298331955990690103102032342902672320880954329345397174939417107281999895277239771"
            "475265979163623501986414031960961728963893770166804409309890");
}

TEST(Record, NamesTheStepThatBreaks) {
  // A first market that brings no box.
  Record record{"test", {}};
  for (std::uint32_t ms = 1000; record.steps.empty(); ++ms) {
    FixedClock clock(ms);
    RecordingClock recording(clock);
    Game game(recording);
    const Step start = *ActAndRecord(game, recording, StartGame{});
    if (!game.question() && game.front() == Front::Main) record.steps.push_back(start);
  }
  record.steps.push_back({Buy{}, {}});
  // Whatever the first market brought, a Run on the main screen is no move.
  record.steps.push_back({quillmere::Run{}, {}});
  const auto replayed = Replay(record);
  ASSERT_TRUE(std::holds_alternative<ReplayBroken>(replayed));
  const ReplayBroken& broken = std::get<ReplayBroken>(replayed);
  EXPECT_EQ(broken.step, 3u);
  EXPECT_EQ(broken.why, "Run: the game does not take this step here");
}

TEST(Record, ReadsOnlyWhatItWrites) {
  const std::string head = "quillmere record 1\nprogram 1.0.0\n";
  struct Case {
    std::string text;
    std::size_t line;  // 0: read
  };
  const Case cases[] = {
      {head + "StartGame @ 1 86399999\nSetBuyAmount '1%202\nAnswer yes\n", 0},
      {head + "SetBuyAmount '\nTravel 7\nPickGood -1\n", 0},
      {head + "Travel 5\nTravel", 0},  // a last line without its end is left out
      {"quillmere record 2\nprogram 1.0.0\n", 1},
      {"quillmere record 1\nversion 1.0.0\n", 2},
      {head, 0},
      {"quillmere record 1\n", 2},
      {head + "Travel 8\n", 3},
      {head + "Travel 05\n", 3},
      {head + "Answer maybe\n", 3},
      {head + "Buy 1\n", 3},
      {head + "Buy \n", 3},
      {head + "SetBuyAmount 12\n", 3},
      {head + "SetBuyAmount '%41\n", 3},  // A is written as itself
      {head + "SetBuyAmount '%4\n", 3},
      {head + "SetBuyAmount '1 2\n", 3},
      {head + "Withdraw @ 86400000\n", 3},
      {head + "Withdraw @\n", 3},
      {head + "Withdraw @  5\n", 3},
      {head + "Withdraw @ -5\n", 3},
      {head + "Fly 1\n", 3},
  };
  for (const Case& c : cases) {
    const auto read = ParseRecord(c.text);
    if (c.line == 0) {
      ASSERT_TRUE(std::holds_alternative<Record>(read)) << c.text;
      EXPECT_EQ(RecordText(std::get<Record>(read)), c.text.substr(0, c.text.rfind('\n') + 1));
    } else {
      ASSERT_TRUE(std::holds_alternative<RecordError>(read)) << c.text;
      EXPECT_EQ(std::get<RecordError>(read).line, c.line) << c.text;
    }
  }
  // Text of every byte goes through.
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  const Record record{"x", {{SetPayment{bytes}, {}}}};
  const auto read = ParseRecord(RecordText(record));
  ASSERT_TRUE(std::holds_alternative<Record>(read));
  EXPECT_EQ(std::get<SetPayment>(std::get<Record>(read).steps[0].action).text, bytes);
}

TEST(Record, ALongerRecordThanAnyGameIsRefusedUnread) {
  std::string text = "quillmere record 1\nprogram 1.0.0\n";
  for (std::size_t i = 0; i <= kMaxRecordSteps; ++i) text += "Withdraw\n";
  const auto read = ParseRecord(text);
  ASSERT_TRUE(std::holds_alternative<RecordError>(read));
  EXPECT_EQ(std::get<RecordError>(read).line, kMaxRecordSteps + 3);
  EXPECT_TRUE(
      std::holds_alternative<RecordError>(ParseRecord(std::string(kMaxRecordBytes + 1, 'x'))));
}

}  // namespace
}  // namespace quillmere

namespace quillmere {
namespace {

// A few trips on a clock, answering Yes, running from every pursuit.
Record PlayTrips(Clock& clock) {
  RecordingClock recording(clock);
  Game game(recording);
  Record record{"test", {}};
  const auto act = [&](const Action& action) {
    if (auto step = ActAndRecord(game, recording, action)) record.steps.push_back(*step);
  };
  act(StartGame{});
  for (int i = 0; i < 40 && game.front() != Front::End && game.front() != Front::Closed; ++i) {
    if (game.question()) {
      act(Answer{true});
    } else if (game.front() == Front::Pursuit) {
      act(quillmere::Run{});
      act(game.pursuit().closeVisible() ? Action{ClosePursuit{}} : Action{ClosePursuitWindow{}});
    } else {
      act(Travel{static_cast<Place>(5 + i % 3)});
    }
  }
  return record;
}

TEST(SeededRound, SameMovesMeetTheSameLuckAndOnlyItsRecordsAreOnItsSeed) {
  SeededClock first(424242), second(424242);
  const Record a = PlayTrips(first);
  const Record b = PlayTrips(second);
  EXPECT_EQ(a.steps, b.steps);
  EXPECT_TRUE(PlayedOnSeed(a, 424242));
  EXPECT_FALSE(PlayedOnSeed(a, 424243));
  FixedClock freePlay(SeededClock::Reading(424242, 0));
  EXPECT_FALSE(PlayedOnSeed(PlayTrips(freePlay), 424242));
}

}  // namespace
}  // namespace quillmere
