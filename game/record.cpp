// Writing a game down, reading it back, and playing it again.
#include "game/record.h"

#include <span>

#include "game/game.h"

namespace quillmere {

namespace {

constexpr std::string_view kProgram = "program ";
constexpr std::string_view kReadings = " @";
constexpr std::uint32_t kMillisecondsPerDay = 86400000;

std::optional<std::uint32_t> Reading(std::string_view text) {
  const std::optional<std::int32_t> n = ParseInt32(text);
  if (!n || *n < 0 || std::uint32_t(*n) >= kMillisecondsPerDay || ToText(*n) != text)
    return std::nullopt;
  return std::uint32_t(*n);
}

std::optional<Step> ParseStep(std::string_view line) {
  Step step;
  const std::size_t at = line.find(kReadings);
  if (at != std::string_view::npos) {
    std::string_view rest = line.substr(at + kReadings.size());
    if (rest.empty()) return std::nullopt;
    while (!rest.empty()) {
      if (rest.front() != ' ') return std::nullopt;
      rest.remove_prefix(1);
      const std::string_view number = rest.substr(0, rest.find(' '));
      const std::optional<std::uint32_t> reading = Reading(number);
      if (!reading) return std::nullopt;
      step.readings.push_back(*reading);
      rest.remove_prefix(number.size());
    }
  }
  std::optional<Action> action = ParseAction(line.substr(0, at));
  if (!action) return std::nullopt;
  step.action = std::move(*action);
  return step;
}

// Returns the recorded readings of one step, one at a time, and notes a reading too many.
class ReplayClock final : public Clock {
 public:
  void load(std::span<const std::uint32_t> readings) {
    m_readings = readings;
    m_next = 0;
    m_tooMany = false;
  }
  std::uint32_t MillisecondsOfDay() override {
    if (m_next < m_readings.size()) return m_readings[m_next++];
    m_tooMany = true;
    return 0;
  }
  bool tooMany() const { return m_tooMany; }
  bool allRead() const { return m_next == m_readings.size(); }

 private:
  std::span<const std::uint32_t> m_readings;
  std::size_t m_next = 0;
  bool m_tooMany = false;
};

}  // namespace

std::string RecordHeader(std::string_view program) {
  return std::string(kRecordFirstLine) + "\n" + std::string(kProgram) + std::string(program) + "\n";
}

std::string StepLine(const Step& step) {
  std::string line = Describe(step.action);
  if (!step.readings.empty()) {
    line += kReadings;
    for (const std::uint32_t reading : step.readings) line += " " + ToText(reading);
  }
  return line + "\n";
}

std::string RecordText(const Record& record) {
  std::string text = RecordHeader(record.program);
  for (const Step& step : record.steps) text += StepLine(step);
  return text;
}

std::variant<Record, RecordError> ParseRecord(std::string_view text) {
  if (text.size() > kMaxRecordBytes) return RecordError{0, "the record is too long"};
  Record record;
  std::size_t number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos) break;  // the step being written when the game stopped
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end + 1);
    ++number;
    if (number == 1) {
      if (line != kRecordFirstLine) return RecordError{1, "this is not a quillmere record"};
    } else if (number == 2) {
      if (!line.starts_with(kProgram) || line.size() == kProgram.size())
        return RecordError{2, "the record does not name the program that played it"};
      record.program = std::string(line.substr(kProgram.size()));
    } else {
      if (record.steps.size() == kMaxRecordSteps)
        return RecordError{number, "the record is longer than any game can be"};
      std::optional<Step> step = ParseStep(line);
      if (!step) return RecordError{number, "this line is not a step of a game"};
      record.steps.push_back(std::move(*step));
    }
  }
  if (number < 2) return RecordError{number + 1, "the record stops before its first step"};
  return record;
}

std::uint32_t RecordingClock::MillisecondsOfDay() {
  m_readings.push_back(m_clock.MillisecondsOfDay());
  return m_readings.back();
}

std::optional<Step> ActAndRecord(Game& game, RecordingClock& clock, const Action& action) {
  if (!game.Accepts(action)) return std::nullopt;
  clock.take();
  game.Act(action);
  return Step{action, clock.take()};
}

bool PlayedOnSeed(const Record& record, std::uint64_t seed) {
  std::uint64_t i = 0;
  for (const Step& step : record.steps)
    for (const std::uint32_t reading : step.readings)
      if (reading != SeededClock::Reading(seed, i++)) return false;
  return true;
}

std::variant<GameResult, ReplayBroken> Replay(const Record& record) {
  if (record.steps.size() > kMaxRecordSteps)
    return ReplayBroken{0, "the record is longer than any game can be"};
  ReplayClock clock;
  Game game(clock);
  for (std::size_t i = 0; i < record.steps.size(); ++i) {
    const Step& step = record.steps[i];
    const auto broken = [&](const std::string& why) {
      return ReplayBroken{i + 1, Describe(step.action) + ": " + why};
    };
    if (game.front() == Front::End || game.front() == Front::Closed)
      return broken("the game was over before this step");
    if (!game.Accepts(step.action)) return broken("the game does not take this step here");
    clock.load(step.readings);
    game.Act(step.action);
    if (clock.tooMany()) return broken("the game read the clock more often than recorded");
    if (!clock.allRead()) return broken("the game read the clock less often than recorded");
  }
  if (game.front() != Front::End)
    return ReplayBroken{record.steps.size() + 1, "the record stops before the game ends"};
  return game.result();
}

}  // namespace quillmere
