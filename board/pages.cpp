// The pages of the board: its standings and forms, an account, and the page that says sorry.
#include "board/pages.h"

#include <QDateTime>
#include <algorithm>

namespace quillmere::board {

const QList<QByteArray>& SecurityHeaders() {
  static const QList<QByteArray> headers = {
      "Content-Security-Policy: default-src 'none'; style-src 'self'; img-src 'self'; "
      "form-action 'self'; frame-ancestors 'none'; base-uri 'none'",
      "X-Content-Type-Options: nosniff",
      "Referrer-Policy: same-origin",
      "X-Frame-Options: DENY",
  };
  return headers;
}

QString When(qint64 ms) {
  return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC).toString("yyyy-MM-dd HH:mm 'UTC'");
}

QString Ordinal(qint64 n) {
  const qint64 tens = n % 100, ones = n % 10;
  const char* suffix = (tens >= 11 && tens <= 13) ? "th"
                       : ones == 1                ? "st"
                       : ones == 2                ? "nd"
                       : ones == 3                ? "rd"
                                                  : "th";
  return QString::number(n) + suffix;
}

Response Page(int status, const Visitor& visitor, const QString& title, const QByteArray& current,
              const Html& main) {
  Html h;
  h.reserve(main.bytes().size() + 2048);
  h << "<!DOCTYPE html><html lang=\"en\"><head><meta charset=\"utf-8\">\n"
       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>"_html
    << title
    << " – quillmere</title><link rel=\"stylesheet\" href=\"style.css\">"
       "<link rel=\"alternate\" type=\"application/atom+xml\" title=\"Round results\" "
       "href=\"feed.atom\"></head>\n"
       "<body><header class=\"site\"><a class=\"brand\" href=\"index.html\"><img "
       "src=\"images/icon.png\" alt=\"\" width=\"32\" height=\"32\"> quillmere</a>\n"
       "<nav aria-label=\"Site\">"_html;
  auto link = [&](Markup href, Markup caption, const char* name) {
    h << "<a href=\""_html << href << "\""_html;
    if (current == name) h << " aria-current=\"page\""_html;
    h << ">"_html << caption << "</a> "_html;
  };
  link("index.html"_html, "Bid board"_html, "board");
  link("intro.htm"_html, "Introduction"_html, "intro");
  link("tutorial.htm"_html, "Tutorial"_html, "tutorial");
  if (visitor.account) {
    link("account"_html, "Your account"_html, "account");
    h << "<form method=\"post\" action=\"logout\"><input type=\"hidden\" name=\"csrf\" value=\""_html
      << visitor.csrf << "\"><button class=\"link\" type=\"submit\">Log out</button></form>"_html;
  }
  h << "</nav></header>\n<main>\n"_html << main
    << "</main>\n<footer><p>quillmere bid board. Post the code from the game's end screen; "
       "the highest bid when the round closes wins. The board sets one cookie, to keep you "
       "logged in, and runs no scripts. Its data is open: <a href=\"api/round\">the standings "
       "as JSON</a> and <a href=\"feed.atom\">a feed of the round results</a>.</p></footer>"
       "</body></html>\n"_html;
  Response response;
  response.status = status;
  response.body = h.take();
  response.headers << "Cache-Control: no-store";
  response.headers << SecurityHeaders();
  response.headers << visitor.cookies;
  return response;
}

Response SorryPage(int status, const QString& message) {
  Html main;
  main << "<h1>Sorry</h1>\n<p class=\"error\" role=\"alert\">"_html << message
       << "</p>\n<p><a href=\"index.html\">Back to the bid board</a></p>\n"_html;
  return Page(status, Visitor{}, QStringLiteral("Sorry"), {}, main);
}

QString Grouped(qint64 n) {
  QString digits = QString::number(n < 0 ? -n : n);
  for (qsizetype at = digits.size() - 3; at > 0; at -= 3) digits.insert(at, QLatin1Char(','));
  return n < 0 ? QStringLiteral("−") + digits : digits;
}

QString Duration(qint64 ms) {
  const qint64 minutes = std::max<qint64>(0, ms) / 60000, hours = minutes / 60, days = hours / 24;
  auto count = [](qint64 n, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
  };
  if (days > 0) return count(days, "day", "days") + ' ' + count(hours % 24, "hour", "hours");
  if (hours > 0)
    return count(hours, "hour", "hours") + ' ' + count(minutes % 60, "minute", "minutes");
  if (minutes > 0) return count(minutes, "minute", "minutes");
  return QStringLiteral("less than a minute");
}

namespace {

void TopRefusal(Html& h, const Refusal& error) {
  if (!error.message.isEmpty() && error.field.isEmpty())
    h << "<p class=\"error\" role=\"alert\">"_html << error.message << "</p>\n"_html;
}

// The attributes of a field the refusal is about, and the refusal itself after the field.
void Invalid(Html& h, const Refusal& error, const char* id, const char* hint = nullptr) {
  if (error.field != id) {
    if (hint) h << " aria-describedby=\""_html << hint << "\""_html;
    return;
  }
  h << " autofocus aria-invalid=\"true\" aria-describedby=\""_html;
  if (hint) h << hint << " "_html;
  h << id << "-error\""_html;
}

void FieldRefusal(Html& h, const Refusal& error, const char* id) {
  if (error.field == id)
    h << "<p class=\"error\" role=\"alert\" id=\""_html << id << "-error\">"_html << error.message
      << "</p>\n"_html;
}

// Closes an input's tag, marked when the refusal is about it, and puts the refusal after it.
void EndInput(Html& h, const Refusal& error, const char* id, const char* hint = nullptr) {
  Invalid(h, error, id, hint);
  h << ">\n"_html;
  FieldRefusal(h, error, id);
}

}  // namespace

std::vector<RenderedRow> RenderRows(const std::vector<StandingRow>& rows) {
  std::vector<RenderedRow> rendered;
  rendered.reserve(rows.size());
  for (const StandingRow& row : rows) {
    RenderedRow out{row.account, row.rank, {}, {}};
    out.head << "><td class=\"num\">"_html << row.rank << "</td><th scope=\"row\">"_html
             << row.name;
    if (row.verified) out.tail << " <span class=\"verified\">verified</span>"_html;
    out.tail << "</th><td class=\"num\"><a href=\"bid?id="_html << row.bid << "\">"_html
             << Grouped(row.score) << "</a></td><td class=\"posted\">"_html << When(row.postedAt)
             << "</td></tr>\n"_html;
    rendered.push_back(std::move(out));
  }
  return rendered;
}

namespace {

// A table of standings rows: the visitor's own row says so in words, not colour alone, and
// carries the anchor the pinned line links to.
void StandingsTable(Html& h, const Visitor& visitor, const std::vector<RenderedRow>& rows,
                    const QString& caption, bool anchor) {
  h << "<div class=\"table-wrap\"><table class=\"standings\"><caption>"_html << caption
    << "</caption>\n<thead><tr><th scope=\"col\" class=\"num\">Rank</th>"
       "<th scope=\"col\">Bidder</th><th scope=\"col\" class=\"num\">Best bid</th>"
       "<th scope=\"col\" class=\"posted\">Posted</th></tr></thead>\n<tbody>\n"_html;
  for (const RenderedRow& row : rows) {
    const bool mine = visitor.account && visitor.account->id == row.account;
    h << (row.rank == 1 ? (mine ? "<tr class=\"leader mine\""_html : "<tr class=\"leader\""_html)
                        : (mine ? "<tr class=\"mine\""_html : "<tr"_html));
    if (mine && anchor) h << " id=\"you\""_html;
    h << row.head;
    if (mine) h << " <span class=\"you\">(you)</span>"_html;
    h << row.tail;
  }
  h << "</tbody></table></div>\n"_html;
}

void StandingsTable(Html& h, const Visitor& visitor, const std::vector<StandingRow>& rows,
                    const QString& caption, bool anchor) {
  StandingsTable(h, visitor, RenderRows(rows), caption, anchor);
}

void ClosedTable(Html& h, const std::vector<ClosedRound>& closed) {
  if (closed.empty()) return;
  h << "<div class=\"table-wrap\"><table><caption>Closed rounds</caption>\n<thead><tr>"
       "<th scope=\"col\" class=\"num\">Round</th><th scope=\"col\">Closed</th>"
       "<th scope=\"col\">Winner</th><th scope=\"col\" class=\"num\">Winning bid</th>"
       "<th scope=\"col\" class=\"num\">Bidders</th></tr></thead>\n<tbody>\n"_html;
  for (const ClosedRound& round : closed) {
    h << "<tr><td class=\"num\"><a href=\"round?id="_html << round.round << "\">"_html
      << round.round << "</a></td><td class=\"date\">"_html << When(round.closedAt) << "</td>"_html;
    if (round.winner.isEmpty())
      h << "<td>No bids</td><td class=\"num\"></td>"_html;
    else
      h << "<th scope=\"row\">"_html << round.winner << "</th><td class=\"num\">"_html
        << Grouped(round.score) << "</td>"_html;
    h << "<td class=\"num\">"_html << round.bidders << "</td></tr>\n"_html;
  }
  h << "</tbody></table></div>\n"_html;
}

void Standing(Html& h, const Visitor& visitor, const StandingsView& view, const Listing& listing) {
  const Standings& s = view.standings;
  h << "<section class=\"standings\" aria-labelledby=\"standings-heading\">\n"
       "<h2 id=\"standings-heading\">Standings</h2>\n"
       "<form class=\"search\" method=\"get\" action=\"index.html\" role=\"search\">"
       "<label for=\"q\">Find a bidder</label><input id=\"q\" name=\"q\" type=\"search\" "
       "maxlength=\"32\" value=\""_html
    << listing.search << "\"><button type=\"submit\">Find</button></form>\n"_html;
  if (s.bidders == 0) {
    h << "<p>No bids yet in round "_html << s.round << ". Be the first.</p>\n"_html;
  } else if (!listing.first && listing.rows.empty()) {
    h << "<p>No bidder in round "_html << s.round << " has a name with “"_html << listing.search
      << "” in it. <a href=\"index.html\">All the standings</a></p>\n"_html;
  } else {
    h << "<p class=\"rule\">Each bidder's best bid counts. Equal bids share a place; of equal "
         "bids, the one posted first wins the round.</p>\n"_html;
    const std::vector<RenderedRow> rendered =
        listing.first ? std::vector<RenderedRow>() : RenderRows(listing.rows);
    const std::vector<RenderedRow>& rows = listing.first ? view.top : rendered;
    StandingsTable(h, visitor, rows,
                   listing.search.isEmpty()
                       ? QStringLiteral("Standings of round %1, page %2 of %3")
                             .arg(s.round)
                             .arg(listing.page)
                             .arg(listing.pages)
                       : QStringLiteral("Standings of round %1: names with “%2”")
                             .arg(s.round)
                             .arg(listing.search),
                   true);
    if (listing.search.isEmpty() && listing.pages > 1) {
      h << "<nav class=\"pages\" aria-label=\"Pages of the standings\">"_html;
      if (listing.page > 1)
        h << "<a href=\"index.html?page="_html << listing.page - 1 << "\">Previous page</a> "_html;
      h << "<span>Page "_html << listing.page << " of "_html << listing.pages << "</span>"_html;
      if (listing.page < listing.pages)
        h << " <a href=\"index.html?page="_html << listing.page + 1 << "\">Next page</a>"_html;
      h << "</nav>\n"_html;
    } else if (!listing.search.isEmpty()) {
      h << "<p><a href=\"index.html\">All the standings</a></p>\n"_html;
    }
    const bool shown = std::any_of(rows.begin(), rows.end(), [&](const auto& r) {
      return visitor.account && r.account == visitor.account->id;
    });
    if (!listing.around.empty() && !shown)
      StandingsTable(h, visitor, listing.around, QStringLiteral("Around you"), true);
  }
  h << "</section>\n"_html;
}

}  // namespace

Response BoardPage(int status, const Visitor& visitor, const StandingsView& view,
                   const Listing& listing, const Refusal& error, const QString& notice,
                   qint64 sharedBid) {
  const Standings& s = view.standings;
  Html h;
  h.reserve(16384);
  h << "<h1>Bid board</h1>\n"_html;
  TopRefusal(h, error);
  if (!notice.isEmpty())
    h << "<p class=\"notice\" role=\"status\">"_html << notice << "</p>\n"_html;
  if (sharedBid)
    h << "<p><a href=\"bid?id="_html << sharedBid
      << "\">This bid's own page</a>, with an address to share.</p>\n"_html;
  if (listing.mine)
    h << "<p class=\"pinned\"><a href=\"#you\">You stand <strong>"_html
      << Ordinal(listing.mine->rank) << "</strong> of "_html << s.bidders << "</a> with "_html
      << Grouped(listing.mine->score) << ".</p>\n"_html;
  h << "<p class=\"lead\">Round "_html << s.round << " is open since "_html << When(s.openedAt)
    << ". Each bidder's best bid counts; the highest bid when the round closes wins.</p>\n"_html;
  if (s.rule == QLatin1String("verified")) {
    h << "<p class=\"proof\">This round takes only verified bids: the board plays your game "
         "again from the record the game sends when it ends, and the game must give your "
         "code.</p>\n"_html;
  } else if (s.rule == QLatin1String("seeded")) {
    h << "<p class=\"proof\">This round is played on its own luck: everyone who makes the same "
         "moves meets the same markets, muggers and cops. Start your game from the round's "
         "link, "_html;
    if (!view.playLink.isEmpty())
      h << "<a href=\""_html << view.playLink << "\">play round "_html << s.round << "</a>"_html;
    h << ", and post the code that game gives you.</p>\n"_html;
  } else {
    h << "<p class=\"proof\">Every valid code counts. A bid whose game the board played again "
         "is marked verified.</p>\n"_html;
  }
  if (s.closesAt)
    h << "<p class=\"closing\">Round "_html << s.round << " closes at <strong>"_html
      << When(s.closesAt) << "</strong>, "_html
      << (s.closesAt > listing.now ? "in " + Duration(s.closesAt - listing.now)
                                   : QStringLiteral("any moment now"))
      << ".</p>\n"_html;
  if (!s.top.empty())
    h << "<p>Leading: <strong>"_html << s.top.front().name << "</strong> with a bid of "_html
      << Grouped(s.top.front().score) << ".</p>\n"_html;

  h << "<div class=\"board\">\n"_html;
  if (visitor.account) {
    h << "<form class=\"panel\" method=\"post\" action=\"bid\">\n<h2>Post a bid</h2>\n"
         "<label for=\"code\">Your bid code</label>\n"
         "<textarea id=\"code\" name=\"code\" rows=\"4\" autocomplete=\"off\" "
         "spellcheck=\"false\""_html;
    Invalid(h, error, "code", "code-hint");
    h << ">"_html << (error.form == "bid" ? error.typed : QString()) << "</textarea>\n"_html;
    FieldRefusal(h, error, "code");
    h << "<p class=\"hint\" id=\"code-hint\">Paste the 224-character code that the game's end "
         "screen copied (Ctrl+V). Spaces and line breaks in it do not matter.</p>\n"
         "<details><summary>Add your game's record</summary>\n"
         "<label for=\"record\">Your game's record</label>\n"
         "<textarea id=\"record\" name=\"record\" rows=\"3\" autocomplete=\"off\" "
         "spellcheck=\"false\" aria-describedby=\"record-hint\"></textarea>\n"
         "<p class=\"hint\" id=\"record-hint\">The game sends its record to the board by "
         "itself when the end screen comes up. If it could not, paste the record file from "
         "the folder quillmere/games in your data folder (~/.local/share).</p>\n</details>\n"
         "<input type=\"hidden\" name=\"csrf\" value=\""_html
      << visitor.csrf << "\">\n<button type=\"submit\">Post your bid</button>\n</form>\n"_html;
    Standing(h, visitor, view, listing);
  } else {
    // The standings first: on a phone they come before the forms.
    Standing(h, visitor, view, listing);
    auto form = [&](const char* action, Markup heading, Markup autocomplete, Markup button) {
      const QByteArray name = QByteArray(action) + "-name",
                       password = QByteArray(action) + "-password";
      h << "<form method=\"post\" action=\""_html << action << "\">\n<h2>"_html << heading
        << "</h2>\n<label for=\""_html << name << "\">Name</label>\n<input id=\""_html << name
        << "\" name=\"name\" type=\"text\" required maxlength=\"32\" autocomplete=\"username\" "
           "value=\""_html
        << (error.form == action ? error.typed : QString()) << "\""_html;
      EndInput(h, error, name.constData());
      h << "<label for=\""_html << password << "\">Password</label>\n<input id=\""_html << password
        << "\" name=\"password\" type=\"password\" required autocomplete=\""_html << autocomplete
        << "\""_html;
      EndInput(h, error, password.constData());
      h << "<input type=\"hidden\" name=\"csrf\" value=\""_html << visitor.csrf
        << "\">\n<button type=\"submit\">"_html << button << "</button>\n</form>\n"_html;
    };
    h << "<div class=\"forms\">\n"_html;
    form("login", "Log in as a bidder"_html, "current-password"_html, "Log in"_html);
    form("signup", "Create a new account"_html, "new-password"_html, "Create account"_html);
    h << "</div>\n"_html;
  }
  h << "</div>\n"_html;
  ClosedTable(h, view.closed);
  return Page(status, visitor, QStringLiteral("Bid board"), "board", h);
}

Response BidPage(int status, const Visitor& visitor, const BidRecord& bid,
                 const std::optional<Placement>& placed, std::optional<bool> verified) {
  Html h;
  h << "<h1>Bid "_html << bid.id << "</h1>\n<dl class=\"facts\">\n<dt>Bidder</dt><dd>"_html
    << bid.bidder << "</dd>\n<dt>Bid</dt><dd class=\"num\">"_html << Grouped(bid.score)
    << "</dd>\n<dt>Round</dt><dd>"_html << bid.round << (bid.roundOpen ? " (open)" : " (closed)")
    << "</dd>\n<dt>Posted</dt><dd>"_html << When(bid.postedAt) << "</dd>\n<dt>Place</dt><dd>"_html;
  if (placed && placed->bid == bid.id)
    h << Ordinal(placed->rank) << " of "_html << placed->bidders
      << (bid.roundOpen ? " so far" : "");
  else if (placed)
    h << "Not counted: "_html << bid.bidder << "'s best bid in round "_html << bid.round
      << ", "_html << Grouped(placed->best) << ", stands "_html << Ordinal(placed->rank)
      << " of "_html << placed->bidders << "."_html;
  else
    h << "None"_html;
  h << "</dd>\n"_html;
  // Where a board that checks bids says whether this one was checked.
  if (verified)
    h << "<dt>Verified</dt><dd>"_html
      << (*verified ? "Yes: the board checked this bid's game." : "No") << "</dd>\n"_html;
  h << "</dl>\n<p><a href=\"index.html\">The standings</a></p>\n"_html;
  return Page(status, visitor, QStringLiteral("Bid %1").arg(bid.id), {}, h);
}

Response RoundPage(int status, const Visitor& visitor, const ClosedRound& round,
                   const std::vector<StandingRow>& rows) {
  Html h;
  h << "<h1>Round "_html << round.round << "</h1>\n<p class=\"lead\">Closed at "_html
    << When(round.closedAt) << " with "_html << round.bidders
    << (round.bidders == 1 ? " bidder. " : " bidders. ");
  if (!round.winner.isEmpty())
    h << "<strong>"_html << round.winner << "</strong> won it with a bid of "_html
      << Grouped(round.score) << ".</p>\n"_html;
  else
    h << "Nobody bid in it.</p>\n"_html;
  if (!rows.empty()) {
    h << "<p class=\"rule\">Each bidder's best bid counted. Equal bids share a place; of equal "
         "bids, the one posted first won the round.</p>\n"_html;
    StandingsTable(h, visitor, rows, QStringLiteral("Final standings of round %1").arg(round.round),
                   true);
  }
  h << "<p><a href=\"index.html\">The open round's standings</a></p>\n"_html;
  return Page(status, visitor, QStringLiteral("Round %1").arg(round.round), {}, h);
}

Response AccountPage(int status, const Visitor& visitor, const std::vector<OwnBid>& bids,
                     const std::vector<std::pair<qint64, Placement>>& places, const Refusal& error,
                     const QString& notice) {
  Html h;
  h << "<h1>Your account</h1>\n"_html;
  TopRefusal(h, error);
  if (!notice.isEmpty())
    h << "<p class=\"notice\" role=\"status\">"_html << notice << "</p>\n"_html;
  h << "<p class=\"lead\">You are logged in as <strong>"_html << visitor.account->name
    << "</strong>.</p>\n"_html;
  if (bids.empty()) {
    h << "<p>You have not posted a bid yet. <a href=\"index.html\">Post one on the bid "
         "board</a>.</p>\n"_html;
  } else {
    h << "<div class=\"table-wrap\"><table><caption>Your place in each round</caption>\n"
         "<thead><tr><th scope=\"col\" class=\"num\">Round</th><th scope=\"col\">Place</th>"
         "<th scope=\"col\" class=\"num\">Best bid</th></tr></thead>\n<tbody>\n"_html;
    for (const auto& [round, placed] : places)
      h << "<tr><td class=\"num\">"_html << round << "</td><td>"_html << Ordinal(placed.rank)
        << " of "_html << placed.bidders << "</td><td class=\"num\"><a href=\"bid?id="_html
        << placed.bid << "\">"_html << Grouped(placed.best) << "</a></td></tr>\n"_html;
    h << "</tbody></table></div>\n"_html;
    h << "<div class=\"table-wrap\"><table><caption>Your bids</caption>\n<thead><tr>"
         "<th scope=\"col\" class=\"num\">Bid number</th><th scope=\"col\" class=\"num\">Round"
         "</th><th scope=\"col\">Posted</th><th scope=\"col\" class=\"num\">Bid</th></tr>"
         "</thead>\n<tbody>\n"_html;
    for (const OwnBid& bid : bids) {
      const bool best = std::any_of(places.begin(), places.end(),
                                    [&](const auto& place) { return place.second.bid == bid.id; });
      h << (best ? "<tr class=\"best\">"_html : "<tr>"_html) << "<td class=\"num\">"_html << bid.id
        << "</td><td class=\"num\">"_html << bid.round << "</td><td>"_html << When(bid.postedAt)
        << "</td><td class=\"num\">"_html;
      if (best) h << "<span class=\"you\">(best in round "_html << bid.round << ")</span> "_html;
      h << bid.score;
      if (bid.verified) h << " <span class=\"verified\">verified</span>"_html;
      h << "</td></tr>\n"_html;
    }
    h << "</tbody></table></div>\n"_html;
  }
  h << "<div class=\"forms\">\n<form method=\"post\" action=\"password\">\n"
       "<h2>Change your password</h2>\n"
       "<label for=\"old\">Current password</label>\n<input id=\"old\" name=\"old\" "
       "type=\"password\" required autocomplete=\"current-password\""_html;
  EndInput(h, error, "old");
  h << "<label for=\"new\">New password</label>\n<input id=\"new\" name=\"new\" type=\"password\" "
       "required minlength=\"8\" autocomplete=\"new-password\""_html;
  EndInput(h, error, "new", "new-hint");
  h << "<p class=\"hint\" id=\"new-hint\">At least 8 characters.</p>\n"
       "<input type=\"hidden\" name=\"csrf\" value=\""_html
    << visitor.csrf
    << "\">\n<button type=\"submit\">Change password</button>\n</form>\n"
       "<form class=\"danger\" method=\"post\" action=\"delete\">\n<h2>Delete your account</h2>\n"
       "<p>This deletes your account and all your bids. It cannot be undone.</p>\n"
       "<label for=\"delete-password\">Password</label>\n<input id=\"delete-password\" "
       "name=\"password\" type=\"password\" required autocomplete=\"current-password\""_html;
  EndInput(h, error, "delete-password");
  h << "<input type=\"hidden\" name=\"csrf\" value=\""_html << visitor.csrf
    << "\">\n<button type=\"submit\">Delete account and bids</button>\n</form>\n"
       "<form method=\"post\" action=\"logout\">\n<h2>Log out</h2>\n"
       "<input type=\"hidden\" name=\"csrf\" value=\""_html
    << visitor.csrf << "\">\n<button type=\"submit\">Log out</button>\n</form>\n</div>\n"_html;
  return Page(status, visitor, QStringLiteral("Your account"), "account", h);
}

}  // namespace quillmere::board
