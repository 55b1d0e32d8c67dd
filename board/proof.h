// What the board can prove of a bid: the game's record, played again by the same engine the
// game runs, must end with the very code that was pasted. Each round has a rule for bids it
// cannot prove.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>

namespace quillmere::board {

// open: any valid code, proven or not; verified: only proven bids; seeded: only proven bids
// of games played on the round's own luck.
enum class RoundRule { Open, Verified, Seeded };
std::optional<RoundRule> ParseRoundRule(const QString& name);

// A record as a game sent it: the bid code its replay ends with, or why it does not play.
struct RecordCheck {
  std::string bidCode;
  QString refusal;  // empty when it plays to its end screen
};
RecordCheck CheckRecord(const QByteArray& text);

// A bid's proof under its round's rule, from the record the board holds for its code, if any.
struct Proof {
  bool verified = false;
  QString refusal;  // not empty: the round does not take the bid, for this reason
  QString note;     // why an open round's bid is not verified
};
Proof ProveBid(RoundRule rule, std::optional<std::uint64_t> seed,
               const std::optional<QByteArray>& record, const std::string& code);

}  // namespace quillmere::board
