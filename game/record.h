// A game written down so that it can be played again: the program that played it, then every
// action the game took, each with the clock readings the game made while taking it. The clock
// and the actions are all there is to a game, so playing the record again on a clock that
// returns the recorded readings gives the same game, down to its bid code.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "game/action.h"
#include "game/random.h"
#include "game/result.h"

namespace quillmere {

class Game;

inline constexpr std::string_view kRecordFirstLine = "quillmere record 1";
// No real game comes near these; a longer record is refused before it is played.
inline constexpr std::size_t kMaxRecordSteps = 200000;
inline constexpr std::size_t kMaxRecordBytes = std::size_t{8} << 20;

struct Step {
  Action action;
  std::vector<std::uint32_t> readings;
  bool operator==(const Step&) const = default;
};

struct Record {
  std::string program;
  std::vector<Step> steps;
};

// The record's first two lines, and each step's line, with their line ends.
std::string RecordHeader(std::string_view program);
std::string StepLine(const Step& step);
std::string RecordText(const Record& record);

// A record that cannot be read: the line (1-based) and why.
struct RecordError {
  std::size_t line;
  std::string why;
};
// Reads a record. A last line without its line end is one the program was still writing when
// it stopped: it is left out, so what a crash leaves is read as the game up to that step.
std::variant<Record, RecordError> ParseRecord(std::string_view text);

// The clock of a game being recorded: passes on another clock's readings and keeps them until
// they are taken for the step they belong to.
class RecordingClock final : public Clock {
 public:
  explicit RecordingClock(Clock& clock) : m_clock(clock) {}
  std::uint32_t MillisecondsOfDay() override;
  std::vector<std::uint32_t> take() { return std::exchange(m_readings, {}); }

 private:
  Clock& m_clock;
  std::vector<std::uint32_t> m_readings;
};

// Sends the action to a game that reads a RecordingClock; the step it took, or nothing if the
// game did not take the action.
std::optional<Step> ActAndRecord(Game& game, RecordingClock& clock, const Action& action);

// A step at which a replay stops: its number (1-based; one past the last where the record
// ends too soon) and why.
struct ReplayBroken {
  std::size_t step;
  std::string why;
};
// Whether every clock reading of the record is the seeded clock's, in order: a game played
// in a round with that seed.
bool PlayedOnSeed(const Record& record, std::uint64_t seed);

// Plays a record again from a new game and returns how it ended: the end screen's score and
// bid code. The record must end where the game ends, with the end screen.
std::variant<GameResult, ReplayBroken> Replay(const Record& record);

}  // namespace quillmere
