// The board's routes and what each form does.
#include "board/board.h"
#include "board/proof.h"
#include "game/settings.h"

#include <algorithm>
#include <cctype>

#include "board/api.h"
#include "board/form.h"
#include "board/names.h"
#include "game/bidcode.h"

namespace quillmere::board {

namespace {

constexpr int kStandingsShown = 100;
constexpr int kRoundShown = 100000;  // a closed round's page shows its whole table
constexpr int kSignupsWaiting = 16;  // sign-ups queued for a hash at once, from anywhere
constexpr int kPasswordMin = 8;
constexpr int kPasswordMax = 256;
constexpr qint64 kCacheMs = 200;  // how long another process's writes may go unseen

const char* kUnavailable =
    "The board cannot store anything right now. Nothing was changed; try again in a minute.";

QString PasswordRefusal(const QByteArray& password) {
  const std::optional<QString> text = Utf8(password);
  if (!text) return QStringLiteral("A password must be text; it holds a character that is not.");
  if (text->size() < kPasswordMin)
    return QStringLiteral("A password needs at least %1 characters.").arg(kPasswordMin);
  if (text->size() > kPasswordMax)
    return QStringLiteral("A password can have at most %1 characters.").arg(kPasswordMax);
  return {};
}

// The answer to a form that did what it asked: the page to see next, which the browser can
// reload without sending the form again.
Response SeeOther(const QByteArray& location, const Visitor& visitor) {
  Response response;
  response.status = 303;
  response.headers << "Location: " + location << "Cache-Control: no-store" << visitor.cookies;
  return response;
}

}  // namespace

Board::Board(const Options& options)
    : m_options(options), m_stores(options.database), m_files(options.site) {
  Store& store = m_stores.local();
  store.migrate();
  m_sessions = std::make_unique<Sessions>(store.secret(), m_options.publicUrl.startsWith("https:"),
                                          m_options.trustProxy, m_options.bidsPerMinute);
  // One hash at a time: each takes 19 MiB while it runs, and log-ins go before sign-ups. The
  // thread stays, so its connection to the database is the same for the board's life.
  m_hashing.setMaxThreadCount(1);
  m_hashing.setExpiryTimeout(-1);
  m_dummyHash = HashPassword(NewToken());
  m_writer = std::make_unique<BidWriter>(m_options.database, m_writes);
}

Board::~Board() { m_hashing.waitForDone(); }

// The JSON API and the feed: read-only, the same for every visitor, so no cookie is set.
Response Board::data(const QByteArray& route, const Request& request) {
  const QByteArray json = "application/json";
  auto missing = [&](const char* what) {
    Response response = DataResponse(request, "{\"error\":\"" + QByteArray(what) + "\"}", json, 10);
    response.status = 404;
    return response;
  };
  bool number = false;
  const qint64 id = request.argument("id").toLongLong(&number);
  if (route == "api/round") {
    const Standings open = store().standings(0);
    RoundData round;
    if (!number || id == open.round) {
      round.round = open.round;
      round.openedAt = open.openedAt;
      round.closesAt = open.closesAt;
      round.bidders = open.bidders;
    } else if (const auto closed = store().closedRound(id)) {
      round.round = id;
      round.closed = closed;
      round.bidders = closed->bidders;
    } else {
      return missing("no such round");
    }
    round.pages = std::max<qint64>(1, (round.bidders + kStandingsShown - 1) / kStandingsShown);
    round.page = std::clamp<qint64>(request.argument("page").toLongLong(), 1, round.pages);
    round.rows =
        store().standingRows(round.round, (round.page - 1) * kStandingsShown, kStandingsShown);
    return DataResponse(request, RoundJson(round), json, round.closed ? 3600 : 10);
  }
  if (route == "api/bid") {
    const std::optional<BidRecord> bid = number ? store().bid(id) : std::nullopt;
    if (!bid) return missing("no such bid");
    return DataResponse(request, BidJson(*bid, store().placement(bid->account, bid->round)), json,
                        10);
  }
  if (route == "api/bidder") {
    const QString name = Utf8(request.argument("name")).value_or(QString());
    const auto found = store().findAccount(NameKeys(name).key, name);
    if (!found) return missing("no such bidder");
    return DataResponse(request, BidderJson(found->first.name, store().placements(found->first.id)),
                        json, 10);
  }
  if (route == "feed.atom") {
    QByteArray base = m_options.publicUrl.toUtf8();
    if (base.isEmpty()) {
      QByteArray host = request.header("host");
      const bool plain = std::all_of(host.begin(), host.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == ':' || c == '-' ||
               c == '[' || c == ']';
      });
      base = "http://" + (plain && !host.isEmpty() ? host : QByteArray("127.0.0.1"));
    }
    while (base.endsWith('/')) base.chop(1);
    return DataResponse(request, ResultsFeed(store().closedRounds(), base + "/quillmere/"),
                        "application/atom+xml; charset=utf-8", 60);
  }
  return missing("no such data");
}

void Board::tick() {
  if (store().closeRoundIfDue(Now())) ++m_writes;
}

Response Board::errorPage(int status, const QString& message) { return SorryPage(status, message); }

std::shared_ptr<const StandingsView> Board::standings(quint64 seen) {
  const quint64 writes = m_writes.load();
  {
    QMutexLocker lock(&m_cacheLock);
    if (m_cache.view && m_cache.writes >= seen && Now() - m_cache.builtAt < kCacheMs)
      return m_cache.view;
  }
  const qint64 builtAt = Now();
  auto view = std::make_shared<StandingsView>();
  view->standings = store().standings(kStandingsShown);
  view->top = RenderRows(view->standings.top);
  view->closed = store().closedRounds();
  if (view->standings.seed) {
    const QString listening = m_options.listen.left(m_options.listen.lastIndexOf(':') + 1) +
                              QString::number(m_port.load());
    const QString board =
        m_options.publicUrl.isEmpty() ? QStringLiteral("http://") + listening : m_options.publicUrl;
    view->playLink = QString::fromStdString(PlayLinkText(
        {board.toStdString(), std::to_string(view->standings.round), *view->standings.seed}));
  }
  QMutexLocker lock(&m_cacheLock);
  if (!m_cache.view || m_cache.writes <= writes) m_cache = {view, builtAt, writes};
  return view;
}

Response Board::boardPage(int status, const Visitor& visitor, const Refusal& error,
                          const QString& notice, quint64 seen, qint64 sharedBid,
                          const Request* request) {
  const auto view = standings(seen);
  const Standings& s = view->standings;
  Listing listing;
  listing.now = Now();
  listing.pages = std::max<qint64>(1, (s.bidders + kStandingsShown - 1) / kStandingsShown);
  if (request) {
    listing.search = Utf8(request->argument("q")).value_or(QString()).simplified().left(32);
    listing.page = std::clamp<qint64>(request->argument("page").toLongLong(), 1, listing.pages);
  }
  if (!listing.search.isEmpty())
    listing.rows = store().searchRows(s.round, NameKeys(listing.search).key, kStandingsShown);
  else if (listing.page == 1)
    listing.first = true;
  else
    listing.rows =
        store().standingRows(s.round, (listing.page - 1) * kStandingsShown, kStandingsShown);
  if (visitor.account) {
    listing.around = store().rowsAround(s.round, visitor.account->id, 2);
    for (const StandingRow& row : listing.around)
      if (row.account == visitor.account->id) listing.mine = row;
  }
  return BoardPage(status, visitor, *view, listing, error, notice, sharedBid);
}

Response Board::accountPage(int status, const Visitor& visitor, const Refusal& error,
                            const QString& notice) {
  return AccountPage(status, visitor, store().ownBids(visitor.account->id),
                     store().placements(visitor.account->id), error, notice);
}

template <typename Work, typename Then>
void Board::offLoop(const Reply& reply, Priority priority, Work work, Then then) {
  m_hashing.start(
      [this, reply, work = std::move(work), then = std::move(then)]() mutable {
        try {
          reply(then(work()));
        } catch (const StoreError& e) {
          qWarning("quillmere-board: %s", e.what());
          reply(errorPage(503, QString::fromUtf8(kUnavailable)));
        }
      },
      int(priority));
}

void Board::signup(const Request& request, Visitor&& visitor, const Reply& reply) {
  const auto form = ParseForm(request);
  const QString typed = QString::fromUtf8(Field(*form, "name"));
  const Name name = ReadName(Field(*form, "name"));
  const QByteArray password = Field(*form, "password");
  const auto refused = [&](QString message, const char* field = "") {
    return Refusal(std::move(message), "signup", field, typed);
  };
  if (!name.refusal.isEmpty())
    return reply(boardPage(400, visitor, refused(name.refusal, "signup-name"), {}));
  if (const QString refusal = PasswordRefusal(password); !refusal.isEmpty())
    return reply(boardPage(400, visitor, refused(refusal, "signup-password"), {}));
  if (store().nameTaken(name.key, name.skeleton))
    return reply(
        boardPage(400, visitor,
                  refused(QStringLiteral("The name %1 is taken. Choose another.").arg(name.text),
                          "signup-name"),
                  {}));
  const QString waiting = m_sessions->signupTry(store(), visitor);
  if (!waiting.isEmpty()) return reply(boardPage(429, visitor, refused(waiting), {}));
  if (++m_signupsWaiting > kSignupsWaiting) {
    --m_signupsWaiting;
    return reply(boardPage(503, visitor,
                           refused(QStringLiteral("Many people are making accounts right now. "
                                                  "Try again in a minute.")),
                           {}));
  }
  offLoop(
      reply, Priority::SignUp,
      [this, password] {
        --m_signupsWaiting;
        return HashPassword(password);
      },
      [this, visitor = std::move(visitor), name, typed](const QByteArray& hash) mutable {
        const std::optional<qint64> id =
            store().createAccount(name.text, name.key, name.skeleton, hash, Now());
        if (!id)
          return boardPage(
              400, visitor,
              Refusal(QStringLiteral("The name %1 is taken. Choose another.").arg(name.text),
                      "signup", "signup-name", typed),
              {});
        m_sessions->start(store(), visitor, Account{*id, name.text});
        return SeeOther("/quillmere/?welcome=new", visitor);
      });
}

void Board::login(const Request& request, Visitor&& visitor, const Reply& reply) {
  const auto form = ParseForm(request);
  const QString typed = QString::fromUtf8(Field(*form, "name"));
  const Name name = ReadName(Field(*form, "name"));
  const QByteArray password = Field(*form, "password");
  const QString blocked = m_sessions->passwordTry(store(), name.key, visitor);
  if (!blocked.isEmpty())
    return reply(boardPage(429, visitor, Refusal(blocked, "login", {}, typed), {}));
  const auto found =
      name.refusal.isEmpty() ? store().findAccount(name.key, name.text) : std::nullopt;
  // An unknown name costs a hash too, so the time taken does not tell which names exist.
  const QByteArray hash = found ? found->second : m_dummyHash;
  offLoop(
      reply, Priority::Password, [hash, password] { return VerifyPassword(hash, password); },
      [this, visitor = std::move(visitor), found, key = name.key, typed](bool ok) mutable {
        if (!ok || !found)
          return boardPage(403, visitor,
                           Refusal(QStringLiteral("That name and password do not match an "
                                                  "account."),
                                   "login", "login-password", typed),
                           {});
        m_sessions->passwordRight(store(), key, visitor);
        m_sessions->start(store(), visitor, found->first);
        return SeeOther("/quillmere/?welcome=back", visitor);
      });
}

void Board::logout(Visitor&& visitor, const Reply& reply) {
  m_sessions->end(store(), visitor);
  reply(SeeOther("/quillmere/?left=1", visitor));
}

void Board::bid(const Request& request, Visitor&& visitor, const Reply& reply) {
  if (!m_sessions->bidAllowed(visitor.address))
    return reply(boardPage(429, visitor,
                           QStringLiteral("Bids are coming from your address faster than games "
                                          "end. Wait a minute, then post again."),
                           {}));
  // A code pasted with line breaks or spaces in it is read without them.
  const QByteArray pasted = Field(*ParseForm(request), "code");
  QByteArray code = pasted;
  code.removeIf([](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); });
  const BidReading reading =
      ReadBidCode(std::string_view(code.constData(), std::size_t(code.size())));
  const QString again =
      QStringLiteral(" Copy it again on the game's end screen and paste it whole.");
  QString refusal;
  switch (reading.status) {
    case BidReading::TooShort:
      refusal = code.isEmpty() ? QStringLiteral("Paste your bid code into the box first.")
                               : QStringLiteral(
                                     "This code is too short: a bid code has 224 "
                                     "characters and this one has %1.")
                                         .arg(code.size()) +
                                     again;
      break;
    case BidReading::TooLong:
      refusal = QStringLiteral(
                    "This code is too long: a bid code has 224 characters and this one "
                    "has %1.")
                    .arg(code.size()) +
                again;
      break;
    case BidReading::BadCharacter: {
      const char c = reading.character;
      refusal = (c > ' ' && c < 127)
                    ? QStringLiteral("This code holds “%1”, a character that cannot be in a code.")
                          .arg(QChar(c))
                    : QStringLiteral("This code holds a character that cannot be in a code.");
      refusal += again;
      break;
    }
    case BidReading::Typo:
      refusal = QStringLiteral("This code has a typo.") + again;
      break;
    case BidReading::Valid:
      break;
  }
  const QString typed = QString::fromUtf8(pasted);
  if (!refusal.isEmpty())
    return reply(boardPage(400, visitor, Refusal(refusal, "bid", "code", typed), {}));
  // The round's rule decides what a bid the board cannot prove comes to. A record sent with
  // the post is checked like one the game sent, and kept if it proves the bid.
  const OpenRound round = store().openRoundRule();
  const QByteArray attached = Field(*ParseForm(request), "record");
  const std::optional<QByteArray> record =
      attached.isEmpty() ? store().recordFor(QString::fromLatin1(code)) : attached;
  const Proof proof = ProveBid(ParseRoundRule(round.rule).value_or(RoundRule::Open), round.seed,
                               record, code.toStdString());
  if (!proof.refusal.isEmpty())
    return reply(boardPage(400, visitor, Refusal(proof.refusal, "bid", "code", typed), {}));
  if (proof.verified && !attached.isEmpty())
    store().putRecord(QString::fromLatin1(code), attached, Now());
  NewBid fresh{visitor.account->id, QString::fromLatin1(code), reading.score, Now()};
  fresh.verified = proof.verified;
  fresh.round = round.id;
  // Answered as soon as the commit is done: stored, with a redirect to the board that says
  // where the bid stands; already there; or not stored.
  m_writer->post(std::move(fresh), [this, visitor = std::move(visitor), reply, typed](
                                       std::optional<NewBid> bid, qint64, quint64) {
    if (!bid) return reply(errorPage(503, QString::fromUtf8(kUnavailable)));
    if (bid->roundChanged)
      return reply(boardPage(409, visitor,
                             QStringLiteral("The round closed while your bid was on its way. "
                                            "Post it again for the new round."),
                             {}));
    if (!bid->stored)
      return reply(boardPage(
          400, visitor,
          Refusal(QStringLiteral("This code was already posted."), "bid", "code", typed), {}));
    Response response;
    response.status = 303;
    response.body = {};
    response.headers << "Location: /quillmere/?bid=" + QByteArray::number(bid->id)
                     << "Cache-Control: no-store";
    reply(std::move(response));
  });
}

// The notice on the board a bid's post redirects to: where the visitor's bid stands.
QString Board::bidNotice(qint64 account, const Request& request) {
  bool number = false;
  const qint64 id = request.argument("bid").toLongLong(&number);
  if (!number) return {};
  const auto bid = store().ownBid(account, id);
  if (!bid) return {};
  const auto [score, round] = *bid;
  const std::optional<Placement> placed = store().placement(account, round);
  if (!placed) return {};
  if (placed->best == score)
    return QStringLiteral("Your bid of %1 stands %2 of %3.")
        .arg(score)
        .arg(Ordinal(placed->rank))
        .arg(placed->bidders);
  return QStringLiteral("Your bid of %1 is stored; your best bid of %2 stands %3 of %4.")
      .arg(score)
      .arg(placed->best)
      .arg(Ordinal(placed->rank))
      .arg(placed->bidders);
}

void Board::record(const Request& request, const Reply& reply) {
  const auto text = [](int status, const QString& message) {
    Response response;
    response.status = status;
    response.contentType = "text/plain; charset=utf-8";
    response.body = message.toUtf8() + '\n';
    return response;
  };
  const Visitor visitor = m_sessions->visit(store(), request);
  if (!m_sessions->bidAllowed(QStringLiteral("record ") + visitor.address))
    return reply(text(429, QStringLiteral("Records are coming from your address faster than "
                                          "games end. Wait a minute, then send again.")));
  const RecordCheck check = CheckRecord(request.body);
  if (!check.refusal.isEmpty()) return reply(text(422, check.refusal));
  store().putRecord(QString::fromStdString(check.bidCode), request.body, Now());
  reply(text(201, QStringLiteral("The board keeps this game's record for its bid.")));
}

void Board::changePassword(const Request& request, Visitor&& visitor, const Reply& reply) {
  const auto form = ParseForm(request);
  const QByteArray old = Field(*form, "old"), fresh = Field(*form, "new");
  const QString key = NameKeys(visitor.account->name).key;
  QString refusal = PasswordRefusal(fresh);
  if (!refusal.isEmpty())
    return reply(accountPage(400, visitor, Refusal(refusal, "password", "new"), {}));
  refusal = m_sessions->passwordTry(store(), key, visitor);
  if (!refusal.isEmpty()) return reply(accountPage(429, visitor, refusal, {}));
  const QByteArray current = store().passwordHash(visitor.account->id);
  offLoop(
      reply, Priority::Password,
      [current, old, fresh] {
        return VerifyPassword(current, old) ? HashPassword(fresh) : QByteArray();
      },
      [this, visitor = std::move(visitor), key](const QByteArray& hash) mutable {
        if (hash.isEmpty())
          return accountPage(
              403, visitor,
              Refusal(QStringLiteral("Your current password is not right."), "password", "old"),
              {});
        m_sessions->passwordRight(store(), key, visitor);
        store().setPassword(visitor.account->id, hash, m_sessions->tokenHash(visitor));
        return SeeOther("/quillmere/account?changed=1", visitor);
      });
}

void Board::deleteAccount(const Request& request, Visitor&& visitor, const Reply& reply) {
  const QByteArray password = Field(*ParseForm(request), "password");
  const QString key = NameKeys(visitor.account->name).key;
  const QString blocked = m_sessions->passwordTry(store(), key, visitor);
  if (!blocked.isEmpty()) return reply(accountPage(429, visitor, blocked, {}));
  const QByteArray hash = store().passwordHash(visitor.account->id);
  offLoop(
      reply, Priority::Password, [hash, password] { return VerifyPassword(hash, password); },
      [this, visitor = std::move(visitor), key](bool ok) mutable {
        if (!ok)
          return accountPage(
              403, visitor,
              Refusal(QStringLiteral("That password is not right; nothing was deleted."), "delete",
                      "delete-password"),
              {});
        m_sessions->passwordRight(store(), key, visitor);
        store().deleteAccount(visitor.account->id);
        ++m_writes;
        m_sessions->end(store(), visitor);
        return SeeOther("/quillmere/?deleted=1", visitor);
      });
}

// A page by its route. The address a form is posted to shows the page that form is on.
Response Board::getPage(const QByteArray& route, const Request& request, const Visitor& visitor) {
  const auto flag = [&](const char* name) { return !request.argument(name).isEmpty(); };
  if (route == "bid" && flag("id")) {
    bool number = false;
    const qint64 id = request.argument("id").toLongLong(&number);
    const std::optional<BidRecord> bid = number ? store().bid(id) : std::nullopt;
    if (!bid) return errorPage(404, QStringLiteral("There is no bid %1.").arg(id));
    return BidPage(200, visitor, *bid, store().placement(bid->account, bid->round), bid->verified);
  }
  if (route == "round") {
    bool number = false;
    const qint64 id = request.argument("id").toLongLong(&number);
    const std::optional<ClosedRound> round = number ? store().closedRound(id) : std::nullopt;
    if (!round) return SeeOther("/quillmere/", visitor);  // the open round, or none
    return RoundPage(200, visitor, *round, store().standingRows(id, 0, kRoundShown));
  }
  if (route == "password" || route == "delete") return SeeOther("/quillmere/account", visitor);
  if (route == "account") {
    if (!visitor.account)
      return boardPage(403, visitor, QStringLiteral("Log in to see your account."), {});
    return accountPage(200, visitor, {},
                       flag("changed") ? QStringLiteral("Your password is changed. Wherever else "
                                                        "you were logged in, you are logged out.")
                                       : QString());
  }
  if (route != "" && route != "index.html") return SeeOther("/quillmere/", visitor);
  QString notice;
  quint64 seen = 0;
  if (visitor.account) {
    const QString welcome = request.argument("welcome");
    if (welcome == "new")
      notice = QStringLiteral("Welcome, %1. Your account is ready: paste your bid code below.")
                   .arg(visitor.account->name);
    else if (welcome == "back")
      notice = QStringLiteral("Welcome back, %1.").arg(visitor.account->name);
    else
      notice = bidNotice(visitor.account->id, request);
    if (!notice.isEmpty()) seen = m_writes.load();
  } else if (flag("deleted")) {
    notice = QStringLiteral("Your account and all its bids are deleted.");
    seen = m_writes.load();
  } else if (flag("left")) {
    notice = QStringLiteral("You are logged out.");
  }
  const qint64 shared = request.argument("bid").toLongLong();
  return boardPage(200, visitor, {}, notice, seen, notice.isEmpty() ? 0 : shared, &request);
}

void Board::handle(Request&& request, const Reply& reply) {
  try {
    const QByteArray& path = request.path;
    const bool get = request.method == "GET" || request.method == "HEAD";
    if (path == "/") {
      Response response;
      response.status = 303;
      response.headers << "Location: /quillmere/";
      return reply(std::move(response));
    }
    if (path == kRecordsPath)
      return request.method == "POST"
                 ? record(request, reply)
                 : reply(errorPage(405, QStringLiteral("A game sends its record here.")));
    if (!path.startsWith("/quillmere/"))
      return reply(errorPage(404, QStringLiteral("There is no page at this address.")));
    if (!get && request.method != "POST")
      return reply(
          errorPage(405, QStringLiteral("This board does not answer that kind of request.")));
    const QByteArray route = path.mid(qsizetype(sizeof("/quillmere/") - 1));
    if (get && (route.startsWith("api/") || route == "feed.atom"))
      return reply(data(route, request));
    static const QByteArray kPosts[] = {"signup", "login", "logout", "bid", "password", "delete"};
    const bool post = std::find(std::begin(kPosts), std::end(kPosts), route) != std::end(kPosts);
    if (get && route != "" && route != "index.html" && route != "account" && route != "round" &&
        !post) {
      std::optional<Response> file = m_files.get(route);
      return reply(file ? std::move(*file)
                        : errorPage(404, QStringLiteral("There is no page at this address.")));
    }
    Visitor visitor = m_sessions->visit(store(), request);
    if (get) return reply(getPage(route, request, visitor));
    if (!post) return reply(errorPage(404, QStringLiteral("There is no page at this address.")));
    const auto form = ParseForm(request);
    if (!form || visitor.fresh || !SameSecret(Field(*form, "csrf"), visitor.csrf))
      return reply(boardPage(403, visitor,
                             QStringLiteral("This form has expired or did not come from this "
                                            "board. Nothing was changed; please try again."),
                             {}));
    if (route == "signup") return signup(request, std::move(visitor), reply);
    if (route == "login") return login(request, std::move(visitor), reply);
    if (!visitor.account)
      return reply(boardPage(403, visitor, QStringLiteral("Log in first."), {}));
    if (route == "logout") return logout(std::move(visitor), reply);
    if (route == "bid") return bid(request, std::move(visitor), reply);
    if (route == "password") return changePassword(request, std::move(visitor), reply);
    return deleteAccount(request, std::move(visitor), reply);
  } catch (const StoreError& e) {
    qWarning("quillmere-board: %s", e.what());
    reply(errorPage(503, QString::fromUtf8(kUnavailable)));
  }
}

}  // namespace quillmere::board
