// Proving bids by playing their games again.
#include "board/proof.h"

#include "game/record.h"

namespace quillmere::board {

namespace {

struct Played {
  std::optional<Record> record;
  RecordCheck check;
};

Played Play(const QByteArray& text) {
  Played played;
  const auto read = ParseRecord(std::string_view(text.constData(), std::size_t(text.size())));
  if (const auto* error = std::get_if<RecordError>(&read)) {
    played.check.refusal = QStringLiteral("The game's record cannot be read (line %1: %2).")
                               .arg(qulonglong(error->line))
                               .arg(QString::fromStdString(error->why));
    return played;
  }
  played.record = std::get<Record>(read);
  const auto replayed = Replay(*played.record);
  if (const auto* broken = std::get_if<ReplayBroken>(&replayed)) {
    played.check.refusal = QStringLiteral("The game's record does not play: at step %1, %2.")
                               .arg(qulonglong(broken->step))
                               .arg(QString::fromStdString(broken->why));
    return played;
  }
  played.check.bidCode = std::get<GameResult>(replayed).bidCode;
  return played;
}

}  // namespace

std::optional<RoundRule> ParseRoundRule(const QString& name) {
  if (name == QLatin1String("open")) return RoundRule::Open;
  if (name == QLatin1String("verified")) return RoundRule::Verified;
  if (name == QLatin1String("seeded")) return RoundRule::Seeded;
  return std::nullopt;
}

RecordCheck CheckRecord(const QByteArray& text) { return Play(text).check; }

Proof ProveBid(RoundRule rule, std::optional<std::uint64_t> seed,
               const std::optional<QByteArray>& record, const std::string& code) {
  QString why;
  if (!record) {
    why = QStringLiteral(
        "The board has no record of the game that made this code. The game sends it when its "
        "end screen comes up, unless sending records is turned off; you can also attach the "
        "game's record file.");
  } else {
    const Played played = Play(*record);
    if (!played.check.refusal.isEmpty()) {
      why = played.check.refusal;
    } else if (played.check.bidCode != code) {
      why = QStringLiteral("The game's record ends with another bid code.");
    } else if (rule == RoundRule::Seeded && !(seed && PlayedOnSeed(*played.record, *seed))) {
      return {false,
              QStringLiteral("This round is played on its own luck: start the game from the "
                             "round's link and post the code that game gives you."),
              {}};
    } else {
      return {true, {}, {}};
    }
  }
  if (rule == RoundRule::Open) return {false, {}, why};
  return {false, QStringLiteral("This round takes only bids the board can check. ") + why, {}};
}

}  // namespace quillmere::board
