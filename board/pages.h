// The board's pages, made from data alone: no database, no clock, no server. Every page is
// built with Html, which escapes whatever it is given unless the code wrote it as markup.
#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "board/html.h"
#include "board/http.h"
#include "board/sessions.h"
#include "board/store.h"

namespace quillmere::board {

// The headers every page and file of the board is sent with.
const QList<QByteArray>& SecurityHeaders();

QString When(qint64 ms);
QString Ordinal(qint64 n);

QString Grouped(qint64 n);  // 12768109 as 12,768,109

// A standings row made into HTML once: the cells before and after the words that mark the
// visitor's own row.
struct RenderedRow {
  qint64 account = 0;
  qint64 rank = 0;
  Html head, tail;
};
std::vector<RenderedRow> RenderRows(const std::vector<StandingRow>& rows);

// The open round (with its first rows, made into HTML) and the closed rounds, shared by every
// page for a while.
struct StandingsView {
  Standings standings;
  std::vector<RenderedRow> top;
  std::vector<ClosedRound> closed;
  QString playLink;  // a seeded round's link that starts the game on its luck
};

// The rows of the standings one page shows, and the visitor's own place.
struct Listing {
  std::vector<StandingRow> rows;  // unless `first`
  bool first = false;             // the rows are the view's first page
  qint64 page = 1, pages = 1;
  QString search;                   // the name searched for, as typed; empty: none
  std::optional<StandingRow> mine;  // the visitor's row, when they have a bid in the round
  std::vector<StandingRow> around;  // the rows around it
  qint64 now = 0;                   // the time the page is made, for the round's countdown
};

// Why a form was refused, and where: a refusal about a field stands beside it with the focus
// on the field; one about no field stands at the top of the page. What was typed into the
// form's text field (a name, a code; never a password) is shown again.
struct Refusal {
  Refusal() = default;
  Refusal(QString text) : message(std::move(text)) {}  // about no field in particular
  Refusal(QString text, QByteArray inForm, QByteArray aboutField, QString kept = {})
      : message(std::move(text)),
        form(std::move(inForm)),
        field(std::move(aboutField)),
        typed(std::move(kept)) {}
  QString message;
  QByteArray form;   // the action of the form refused
  QByteArray field;  // the id of the field the refusal is about; empty: none
  QString typed;
};

// A page of the site around `main`; `current` names the link of the page shown.
Response Page(int status, const Visitor& visitor, const QString& title, const QByteArray& current,
              const Html& main);
Response SorryPage(int status, const QString& message);
// `sharedBid`: a bid the notice speaks of, linked to its own page.
Response BoardPage(int status, const Visitor& visitor, const StandingsView& view,
                   const Listing& listing, const Refusal& error, const QString& notice,
                   qint64 sharedBid = 0);
// A bid's own page, fit to share: who bid what in which round, when, and where it stands.
// `placed` is where the bidder's best bid in that round stands, when they have one there.
// `verified` is none on a board that does not check bids.
Response BidPage(int status, const Visitor& visitor, const BidRecord& bid,
                 const std::optional<Placement>& placed, std::optional<bool> verified);
// A closed round's whole table, at an address of its own.
Response RoundPage(int status, const Visitor& visitor, const ClosedRound& round,
                   const std::vector<StandingRow>& rows);
// `places`: where the bidder's best bid stands in each round they bid in.
Response AccountPage(int status, const Visitor& visitor, const std::vector<OwnBid>& bids,
                     const std::vector<std::pair<qint64, Placement>>& places, const Refusal& error,
                     const QString& notice);
QString Duration(qint64 ms);  // such as 3 hours 12 minutes

}  // namespace quillmere::board
