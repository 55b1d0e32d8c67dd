// The board's data for other programs: read-only JSON of a round's standings, a bid and a
// bidder, and an Atom feed of the rounds' results. Made from data alone, like the pages; the
// shapes are written down in docs/board-api.schema.json.
#pragma once

#include <QByteArray>
#include <optional>
#include <vector>

#include "board/http.h"
#include "board/store.h"

namespace quillmere::board {

// A round as the API shows it: the open one (`closed` none) or a closed one.
struct RoundData {
  qint64 round = 0;
  qint64 openedAt = 0;
  qint64 closesAt = 0;
  std::optional<ClosedRound> closed;
  qint64 bidders = 0;
  qint64 page = 1, pages = 1;
  std::vector<StandingRow> rows;
};

QByteArray RoundJson(const RoundData& round);
QByteArray BidJson(const BidRecord& bid, const std::optional<Placement>& placed);
QByteArray BidderJson(const QString& name, const std::vector<std::pair<qint64, Placement>>& places);
// `base`: the board's address, such as https://bids.example.org/quillmere/.
QByteArray ResultsFeed(const std::vector<ClosedRound>& rounds, const QByteArray& base);

// A response of data that caches may keep for `maxAge` seconds, with an ETag of its bytes: a
// request that already holds them (If-None-Match) gets 304 and no body.
Response DataResponse(const Request& request, QByteArray body, const QByteArray& type, int maxAge);

}  // namespace quillmere::board
