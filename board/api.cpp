#include "board/api.h"

#include <sodium.h>

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "board/html.h"
#include "board/pages.h"

namespace quillmere::board {

namespace {

QJsonValue Time(qint64 ms) {
  if (ms == 0) return QJsonValue::Null;
  return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC).toString(Qt::ISODateWithMs);
}

QJsonValue Number(qint64 n) { return double(n); }  // exact up to 2^53, far beyond any score

QByteArray Compact(const QJsonObject& object) {
  return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

}  // namespace

QByteArray RoundJson(const RoundData& round) {
  QJsonArray rows;
  for (const StandingRow& row : round.rows)
    rows.append(QJsonObject{{"rank", Number(row.rank)},
                            {"bidder", row.name},
                            {"score", Number(row.score)},
                            {"bid", Number(row.bid)},
                            {"postedAt", Time(row.postedAt)}});
  QJsonObject object{{"round", Number(round.round)},
                     {"open", !round.closed},
                     {"openedAt", Time(round.openedAt)},
                     {"closesAt", Time(round.closed ? 0 : round.closesAt)},
                     {"closedAt", Time(round.closed ? round.closed->closedAt : 0)},
                     {"bidders", Number(round.bidders)},
                     {"page", Number(round.page)},
                     {"pages", Number(round.pages)},
                     {"standings", rows}};
  if (round.closed && !round.closed->winner.isEmpty())
    object["winner"] =
        QJsonObject{{"bidder", round.closed->winner}, {"score", Number(round.closed->score)}};
  else
    object["winner"] = QJsonValue::Null;
  return Compact(object);
}

QByteArray BidJson(const BidRecord& bid, const std::optional<Placement>& placed) {
  const bool counts = placed && placed->bid == bid.id;
  return Compact(QJsonObject{
      {"bid", Number(bid.id)},
      {"round", Number(bid.round)},
      {"roundOpen", bid.roundOpen},
      {"bidder", bid.bidder},
      {"score", Number(bid.score)},
      {"postedAt", Time(bid.postedAt)},
      {"counts", counts},
      {"place", counts ? QJsonValue(QJsonObject{{"rank", Number(placed->rank)},
                                                {"of", Number(placed->bidders)}})
                       : QJsonValue::Null},
  });
}

QByteArray BidderJson(const QString& name,
                      const std::vector<std::pair<qint64, Placement>>& places) {
  QJsonArray rounds;
  for (const auto& [round, placed] : places)
    rounds.append(QJsonObject{{"round", Number(round)},
                              {"rank", Number(placed.rank)},
                              {"of", Number(placed.bidders)},
                              {"best", Number(placed.best)},
                              {"bid", Number(placed.bid)}});
  return Compact(QJsonObject{{"bidder", name}, {"rounds", rounds}});
}

QByteArray ResultsFeed(const std::vector<ClosedRound>& rounds, const QByteArray& base) {
  auto stamp = [](qint64 ms) {
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC).toString(Qt::ISODate);
  };
  Html h;
  h << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
       "<feed xmlns=\"http://www.w3.org/2005/Atom\">\n<title>quillmere bid board: round "
       "results</title>\n<id>"_html
    << base << "feed.atom</id>\n<link rel=\"self\" href=\""_html << base
    << "feed.atom\"/>\n<link href=\""_html << base << "\"/>\n<updated>"_html
    << stamp(rounds.empty() ? 0 : rounds.front().closedAt)
    << "</updated>\n<author><name>quillmere bid board</name></author>\n"_html;
  for (const ClosedRound& round : rounds) {
    const QString title = round.winner.isEmpty()
                              ? QStringLiteral("Round %1 closed without bids").arg(round.round)
                              : QStringLiteral("Round %1: %2 wins with %3")
                                    .arg(round.round)
                                    .arg(round.winner, Grouped(round.score));
    h << "<entry>\n<title>"_html << title << "</title>\n<id>"_html << base << "round?id="_html
      << round.round << "</id>\n<link href=\""_html << base << "round?id="_html << round.round
      << "\"/>\n<updated>"_html << stamp(round.closedAt) << "</updated>\n<summary>"_html << title
      << QStringLiteral(", among %1 bidders.").arg(round.bidders) << "</summary>\n</entry>\n"_html;
  }
  h << "</feed>\n"_html;
  return h.take();
}

Response DataResponse(const Request& request, QByteArray body, const QByteArray& type, int maxAge) {
  unsigned char hash[16];
  crypto_generichash(hash, sizeof hash, reinterpret_cast<const unsigned char*>(body.constData()),
                     std::size_t(body.size()), nullptr, 0);
  const QByteArray etag =
      '"' + QByteArray(reinterpret_cast<const char*>(hash), sizeof hash).toHex() + '"';
  Response response;
  response.contentType = type;
  response.headers << "Cache-Control: public, max-age=" + QByteArray::number(maxAge)
                   << "ETag: " + etag << "Access-Control-Allow-Origin: *"
                   << "X-Content-Type-Options: nosniff";
  if (request.header("if-none-match") == etag)
    response.status = 304;
  else
    response.body = std::move(body);
  return response;
}

}  // namespace quillmere::board
