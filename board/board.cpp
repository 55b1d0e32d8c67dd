// The board's routes. Every form carries a token bound to the visitor's cookie; every page is
// built with Html, which escapes whatever it is given unless the code wrote it as markup.
#include "board/board.h"

#include <sodium.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <map>

#include "board/html.h"
#include "board/names.h"
#include "game/bidcode.h"

namespace quillmere::board {

namespace {

constexpr qint64 kSessionMs = 30LL * 24 * 3600 * 1000;
constexpr int kStandingsShown = 100;
constexpr int kSignupsWaiting = 16;  // sign-ups queued for a hash at once, from anywhere
constexpr int kPasswordMin = 8;
constexpr int kPasswordMax = 256;
constexpr qint64 kCacheMs = 200;  // how long another process's writes may go unseen
const QByteArray kCookie = "qm";

const QByteArray kSecurityHeaders[] = {
    "Content-Security-Policy: default-src 'none'; style-src 'self'; img-src 'self'; "
    "form-action 'self'; frame-ancestors 'none'; base-uri 'none'",
    "X-Content-Type-Options: nosniff",
    "Referrer-Policy: same-origin",
    "X-Frame-Options: DENY",
};

qint64 Now() { return QDateTime::currentMSecsSinceEpoch(); }

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

QByteArray Hex(const unsigned char* bytes, std::size_t size) {
  return QByteArray(reinterpret_cast<const char*>(bytes), qsizetype(size)).toHex();
}

QByteArray NewToken() {
  unsigned char token[32];  // 256 bits
  randombytes_buf(token, sizeof token);
  return Hex(token, sizeof token);
}

QByteArray TokenHash(const QByteArray& token) {
  unsigned char hash[crypto_hash_sha256_BYTES];
  crypto_hash_sha256(hash, reinterpret_cast<const unsigned char*>(token.constData()),
                     std::size_t(token.size()));
  return Hex(hash, sizeof hash);
}

bool SameSecret(const QByteArray& a, const QByteArray& b) {
  return a.size() == b.size() && !a.isEmpty() &&
         sodium_memcmp(a.constData(), b.constData(), std::size_t(a.size())) == 0;
}

std::optional<QString> Utf8(const QByteArray& bytes) {
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = decoder(bytes);
  if (decoder.hasError()) return std::nullopt;
  return text;
}

// The fields of a urlencoded form; none when the body is not one.
std::optional<std::map<QByteArray, QByteArray>> ParseForm(const Request& request) {
  const QByteArray type = request.header("content-type").toLower();
  if (!type.startsWith("application/x-www-form-urlencoded")) return std::nullopt;
  std::map<QByteArray, QByteArray> fields;
  for (const QByteArray& pair : request.body.split('&')) {
    if (pair.isEmpty()) continue;
    const qsizetype eq = pair.indexOf('=');
    auto decode = [](QByteArray part) {
      return QByteArray::fromPercentEncoding(part.replace('+', ' '));
    };
    fields[decode(eq < 0 ? pair : pair.left(eq))] =
        eq < 0 ? QByteArray() : decode(pair.mid(eq + 1));
  }
  return fields;
}

QByteArray Field(const std::map<QByteArray, QByteArray>& form, const char* name) {
  const auto it = form.find(name);
  return it == form.end() ? QByteArray() : it->second;
}

QByteArray ContentType(const QString& path) {
  static const std::map<QString, QByteArray> types = {
      {"html", "text/html; charset=utf-8"},
      {"htm", "text/html; charset=utf-8"},
      {"css", "text/css; charset=utf-8"},
      {"png", "image/png"},
      {"jpg", "image/jpeg"},
      {"jpeg", "image/jpeg"},
      {"svg", "image/svg+xml"},
      {"webp", "image/webp"},
      {"ico", "image/x-icon"},
      {"txt", "text/plain; charset=utf-8"},
      {"woff2", "font/woff2"},
  };
  const auto it = types.find(QFileInfo(path).suffix().toLower());
  return it == types.end() ? QByteArray("application/octet-stream") : it->second;
}

const char* kUnavailable =
    "The board cannot store anything right now. Nothing was changed; try again in a minute.";

}  // namespace

QByteArray HashPassword(const QByteArray& password) {
  char hash[crypto_pwhash_STRBYTES];
  if (crypto_pwhash_str(hash, password.constData(), std::size_t(password.size()), 2,
                        std::size_t{19} * 1024 * 1024) != 0)
    return {};
  return QByteArray(hash);
}

bool VerifyPassword(const QByteArray& hash, const QByteArray& password) {
  return !hash.isEmpty() && crypto_pwhash_str_verify(hash.constData(), password.constData(),
                                                     std::size_t(password.size())) == 0;
}

// Who is asking: their cookie's token (new when they had none), the form token bound to it,
// and their account when the token is a live session.
struct Visitor {
  QByteArray token;
  bool fresh = false;
  QByteArray csrf;
  QString address;
  std::optional<Account> account;
  QList<QByteArray> cookies;  // Set-Cookie lines to send
};

// The standings of the open round and the closed rounds, shared by every page for a second.
struct CachedStandings {
  Standings standings;
  std::vector<ClosedRound> closed;
  std::vector<std::pair<qint64, Html>> rows;  // each row's account and cells
  Html closedTable;
  qint64 builtAt = 0;
  quint64 writes = 0;
};

Board::Board(const Options& options) : m_options(options) {
  Store store(m_options.database);
  store.migrate();
  m_secret = store.secret();
  // One hash at a time: each takes 19 MiB while it runs, and log-ins go before sign-ups.
  m_hashing.setMaxThreadCount(1);
  m_dummyHash = HashPassword(NewToken());
  m_writer = std::make_unique<BidWriter>(m_options.database, m_writes);
  m_siteRoot = QFileInfo(m_options.site + "/quillmere").canonicalFilePath();
}

Board::~Board() { m_hashing.waitForDone(); }

BidWriter::BidWriter(const QString& database, std::atomic<quint64>& writes)
    : m_database(database), m_writes(writes), m_thread([this] { run(); }) {}

BidWriter::~BidWriter() {
  {
    std::lock_guard lock(m_lock);
    m_stop = true;
  }
  m_wake.notify_one();
  m_thread.join();
}

void BidWriter::post(NewBid bid, Done done) {
  {
    std::lock_guard lock(m_lock);
    m_queue.emplace_back(std::move(bid), std::move(done));
  }
  m_wake.notify_one();
}

void BidWriter::run() {
  std::unique_ptr<Store> store;
  for (;;) {
    std::vector<std::pair<NewBid, Done>> batch;
    {
      std::unique_lock lock(m_lock);
      m_wake.wait(lock, [this] { return m_stop || !m_queue.empty(); });
      if (m_queue.empty()) return;
      batch.swap(m_queue);
    }
    std::vector<NewBid> bids;
    bids.reserve(batch.size());
    for (auto& item : batch) bids.push_back(item.first);
    try {
      if (!store) store = std::make_unique<Store>(m_database);
      const qint64 round = store->postBids(bids);
      const quint64 writes = ++m_writes;
      for (std::size_t i = 0; i < batch.size(); ++i) batch[i].second(bids[i], round, writes);
    } catch (const StoreError& e) {
      qWarning("quillmere-board: %s", e.what());
      store.reset();  // a fresh connection for the next batch
      for (auto& item : batch) item.second(std::nullopt, 0, 0);
    }
  }
}

Store& Board::store() {
  thread_local std::unique_ptr<Store> store;
  if (!store) store = std::make_unique<Store>(m_options.database);
  return *store;
}

Visitor Board::visit(const Request& request) {
  Visitor v;
  for (const QByteArray& part : request.header("cookie").split(';')) {
    const QByteArray pair = part.trimmed();
    if (pair.startsWith(kCookie + '=')) v.token = pair.mid(kCookie.size() + 1);
  }
  if (v.token.size() != 64 || QByteArray::fromHex(v.token).toHex() != v.token.toLower()) {
    v.token = NewToken();
    v.fresh = true;
    const bool secure = m_options.publicUrl.startsWith("https:");
    v.cookies << "Set-Cookie: " + kCookie + '=' + v.token + "; Path=/quillmere; HttpOnly; " +
                     "SameSite=Lax" + (secure ? "; Secure" : "");
  } else {
    v.account = store().sessionAccount(TokenHash(v.token), Now());
  }
  v.csrf = csrfFor(v.token);
  v.address = request.peer.toString();
  if (m_options.trustProxy) {
    // The proxy adds the address it saw at the end; whatever comes before is the client's word.
    QByteArray last;
    for (const auto& [name, value] : request.headers)
      if (name == "x-forwarded-for") last = value.split(',').last().trimmed();
    const QHostAddress forwarded(QString::fromLatin1(last));
    if (!forwarded.isNull()) v.address = forwarded.toString();
  }
  return v;
}

// The form token of a cookie: its HMAC under the board's secret, so only the board can make
// one and it changes with the cookie.
QByteArray Board::csrfFor(const QByteArray& token) const {
  unsigned char mac[crypto_auth_hmacsha256_BYTES];
  crypto_auth_hmacsha256_state state;
  crypto_auth_hmacsha256_init(&state, reinterpret_cast<const unsigned char*>(m_secret.constData()),
                              std::size_t(m_secret.size()));
  crypto_auth_hmacsha256_update(&state, reinterpret_cast<const unsigned char*>(token.constData()),
                                std::size_t(token.size()));
  crypto_auth_hmacsha256_final(&state, mac);
  return Hex(mac, sizeof mac);
}

void Board::startSession(Visitor& visitor, const Account& account) {
  visitor.token = NewToken();
  store().createSession(TokenHash(visitor.token), account.id, Now() + kSessionMs, Now());
  visitor.account = account;
  visitor.cookies.clear();
  const bool secure = m_options.publicUrl.startsWith("https:");
  visitor.cookies << "Set-Cookie: " + kCookie + '=' + visitor.token +
                         "; Path=/quillmere; Max-Age=" + QByteArray::number(kSessionMs / 1000) +
                         "; HttpOnly; SameSite=Lax" + (secure ? "; Secure" : "");
  visitor.csrf = csrfFor(visitor.token);
}

void Board::endSession(Visitor& visitor) {
  store().deleteSession(TokenHash(visitor.token));
  Visitor fresh = visit(Request{});
  fresh.address = visitor.address;
  visitor = std::move(fresh);
}

Response Board::page(int status, const Visitor& visitor, const QString& title,
                     const QByteArray& current, const Html& main) {
  Html h;
  h.reserve(main.bytes().size() + 2048);
  h << "<!DOCTYPE html><html lang=\"en\"><head><meta charset=\"utf-8\">\n"
       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>"_html
    << title
    << " – quillmere</title><link rel=\"stylesheet\" href=\"style.css\"></head>\n"
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
       "the highest bid when the round closes wins.</p></footer></body></html>\n"_html;
  Response response;
  response.status = status;
  response.body = h.take();
  response.headers << "Cache-Control: no-store";
  for (const QByteArray& header : kSecurityHeaders) response.headers << header;
  response.headers << visitor.cookies;
  return response;
}

Response Board::errorPage(int status, const QString& message) {
  Html main;
  main << "<h1>Sorry</h1>\n<p class=\"error\" role=\"alert\">"_html << message
       << "</p>\n<p><a href=\"index.html\">Back to the bid board</a></p>\n"_html;
  return page(status, Visitor{}, QStringLiteral("Sorry"), {}, main);
}

std::shared_ptr<const CachedStandings> Board::standings(quint64 seen) {
  const quint64 writes = m_writes.load();
  {
    QMutexLocker lock(&m_cacheLock);
    if (m_cache && m_cache->writes >= seen && Now() - m_cache->builtAt < kCacheMs) return m_cache;
  }
  auto cache = std::make_shared<CachedStandings>();
  cache->writes = writes;
  cache->builtAt = Now();
  cache->standings = store().standings(kStandingsShown);
  cache->closed = store().closedRounds();
  qint64 rank = 0;
  for (const StandingRow& row : cache->standings.top) {
    Html cells;
    cells << "<td class=\"num\">"_html << ++rank << "</td><th scope=\"row\">"_html << row.name
          << "</th><td class=\"num\">"_html << row.score << "</td></tr>\n"_html;
    cache->rows.emplace_back(row.account, std::move(cells));
  }
  Html closed;
  if (!cache->closed.empty()) {
    closed << "<div class=\"table-wrap\"><table><caption>Closed rounds</caption>\n<thead><tr>"
              "<th scope=\"col\" class=\"num\">Round</th><th scope=\"col\">Closed</th>"
              "<th scope=\"col\">Winner</th><th scope=\"col\" class=\"num\">Winning bid</th>"
              "<th scope=\"col\" class=\"num\">Bidders</th></tr></thead>\n<tbody>\n"_html;
    for (const ClosedRound& round : cache->closed) {
      closed << "<tr><td class=\"num\">"_html << round.round << "</td><td>"_html
             << When(round.closedAt) << "</td>"_html;
      if (round.winner.isEmpty())
        closed << "<td>No bids</td><td class=\"num\"></td>"_html;
      else
        closed << "<th scope=\"row\">"_html << round.winner << "</th><td class=\"num\">"_html
               << round.score << "</td>"_html;
      closed << "<td class=\"num\">"_html << round.bidders << "</td></tr>\n"_html;
    }
    closed << "</tbody></table></div>\n"_html;
  }
  cache->closedTable = std::move(closed);
  QMutexLocker lock(&m_cacheLock);
  if (!m_cache || m_cache->writes <= cache->writes) m_cache = cache;
  return cache;
}

Response Board::boardPage(int status, const Visitor& visitor, const QString& error,
                          const QString& notice, quint64 seen) {
  const auto cache = standings(seen);
  const Standings& s = cache->standings;
  Html h;
  h.reserve(16384);
  h << "<h1>Bid board</h1>\n"_html;
  if (!error.isEmpty()) h << "<p class=\"error\" role=\"alert\">"_html << error << "</p>\n"_html;
  if (!notice.isEmpty())
    h << "<p class=\"notice\" role=\"status\">"_html << notice << "</p>\n"_html;
  h << "<p class=\"lead\">Round "_html << s.round << " is open since "_html << When(s.openedAt)
    << ". Each bidder's best bid counts; the highest bid when the round closes wins.</p>\n"_html;
  if (!s.top.empty())
    h << "<p>Leading: <strong>"_html << s.top.front().name << "</strong> with a bid of "_html
      << s.top.front().score << ".</p>\n"_html;

  if (visitor.account) {
    h << "<form class=\"panel\" method=\"post\" action=\"bid\">\n<h2>Post a bid</h2>\n"
         "<label for=\"code\">Your bid code</label>\n"
         "<textarea id=\"code\" name=\"code\" rows=\"4\" autocomplete=\"off\" "
         "spellcheck=\"false\" aria-describedby=\"code-hint\"></textarea>\n"
         "<p class=\"hint\" id=\"code-hint\">Paste the 224-character code that the game's end "
         "screen copied (Ctrl+V).</p>\n<input type=\"hidden\" name=\"csrf\" value=\""_html
      << visitor.csrf << "\">\n<button type=\"submit\">Post your bid</button>\n</form>\n"_html;
  } else {
    auto form = [&](Markup action, Markup heading, Markup prefix, Markup autocomplete,
                    Markup button) {
      h << "<form method=\"post\" action=\""_html << action << "\">\n<h2>"_html << heading
        << "</h2>\n<label for=\""_html << prefix << "-name\">Name</label>\n<input id=\""_html
        << prefix
        << "-name\" name=\"name\" type=\"text\" required maxlength=\"32\" "
           "autocomplete=\"username\">\n<label for=\""_html
        << prefix << "-password\">Password</label>\n<input id=\""_html << prefix
        << "-password\" name=\"password\" type=\"password\" required autocomplete=\""_html
        << autocomplete << "\">\n<input type=\"hidden\" name=\"csrf\" value=\""_html << visitor.csrf
        << "\">\n<button type=\"submit\">"_html << button << "</button>\n</form>\n"_html;
    };
    h << "<div class=\"forms\">\n"_html;
    form("login"_html, "Log in as a bidder"_html, "login"_html, "current-password"_html,
         "Log in"_html);
    form("signup"_html, "Create a new account"_html, "signup"_html, "new-password"_html,
         "Create account"_html);
    h << "</div>\n"_html;
  }

  if (s.top.empty()) {
    h << "<p>No bids yet in round "_html << s.round << ". Be the first.</p>\n"_html;
  } else {
    h << "<div class=\"table-wrap\"><table><caption>Standings of round "_html << s.round
      << "</caption>\n<thead><tr><th scope=\"col\" class=\"num\">Rank</th>"
         "<th scope=\"col\">Bidder</th><th scope=\"col\" class=\"num\">Best bid</th></tr>"
         "</thead>\n<tbody>\n"_html;
    bool first = true;
    for (const auto& [account, cells] : cache->rows) {
      const bool mine = visitor.account && visitor.account->id == account;
      h << (first ? (mine ? "<tr class=\"leader mine\">"_html : "<tr class=\"leader\">"_html)
                  : (mine ? "<tr class=\"mine\">"_html : "<tr>"_html));
      first = false;
      h << cells;
    }
    h << "</tbody></table></div>\n"_html;
    if (s.bidders > qint64(cache->rows.size()))
      h << "<p class=\"muted\">The top "_html << qint64(cache->rows.size()) << " of "_html
        << s.bidders << " bidders.</p>\n"_html;
  }
  h << cache->closedTable;
  return page(status, visitor, QStringLiteral("Bid board"), "board", h);
}

Response Board::accountPage(int status, const Visitor& visitor, const QString& error,
                            const QString& notice) {
  Html h;
  h << "<h1>Your account</h1>\n"_html;
  if (!error.isEmpty()) h << "<p class=\"error\" role=\"alert\">"_html << error << "</p>\n"_html;
  if (!notice.isEmpty())
    h << "<p class=\"notice\" role=\"status\">"_html << notice << "</p>\n"_html;
  h << "<p class=\"lead\">You are logged in as <strong>"_html << visitor.account->name
    << "</strong>.</p>\n"_html;
  const std::vector<OwnBid> bids = store().ownBids(visitor.account->id);
  if (bids.empty()) {
    h << "<p>You have not posted a bid yet. <a href=\"index.html\">Post one on the bid "
         "board</a>.</p>\n"_html;
  } else {
    h << "<div class=\"table-wrap\"><table><caption>Your bids</caption>\n<thead><tr>"
         "<th scope=\"col\" class=\"num\">Bid number</th><th scope=\"col\" class=\"num\">Round"
         "</th><th scope=\"col\">Posted</th><th scope=\"col\" class=\"num\">Bid</th></tr>"
         "</thead>\n<tbody>\n"_html;
    for (const OwnBid& bid : bids)
      h << "<tr><td class=\"num\">"_html << bid.id << "</td><td class=\"num\">"_html << bid.round
        << "</td><td>"_html << When(bid.postedAt) << "</td><td class=\"num\">"_html << bid.score
        << "</td></tr>\n"_html;
    h << "</tbody></table></div>\n"_html;
  }
  h << "<div class=\"forms\">\n<form method=\"post\" action=\"password\">\n"
       "<h2>Change your password</h2>\n"
       "<label for=\"old\">Current password</label>\n<input id=\"old\" name=\"old\" "
       "type=\"password\" required autocomplete=\"current-password\">\n"
       "<label for=\"new\">New password</label>\n<input id=\"new\" name=\"new\" type=\"password\" "
       "required minlength=\"8\" autocomplete=\"new-password\" aria-describedby=\"new-hint\">\n"
       "<p class=\"hint\" id=\"new-hint\">At least 8 characters.</p>\n"
       "<input type=\"hidden\" name=\"csrf\" value=\""_html
    << visitor.csrf
    << "\">\n<button type=\"submit\">Change password</button>\n</form>\n"
       "<form class=\"danger\" method=\"post\" action=\"delete\">\n<h2>Delete your account</h2>\n"
       "<p>This deletes your account and all your bids. It cannot be undone.</p>\n"
       "<label for=\"delete-password\">Password</label>\n<input id=\"delete-password\" "
       "name=\"password\" type=\"password\" required autocomplete=\"current-password\">\n"
       "<input type=\"hidden\" name=\"csrf\" value=\""_html
    << visitor.csrf
    << "\">\n<button type=\"submit\">Delete account and bids</button>\n</form>\n"
       "<form method=\"post\" action=\"logout\">\n<h2>Log out</h2>\n"
       "<input type=\"hidden\" name=\"csrf\" value=\""_html
    << visitor.csrf << "\">\n<button type=\"submit\">Log out</button>\n</form>\n</div>\n"_html;
  return page(status, visitor, QStringLiteral("Your account"), "account", h);
}

// A file of the site folder. The path, decoded once by the server, is taken apart: no "..", no
// hidden names, no backslashes, and what it names must still lie inside the folder.
Response Board::staticFile(const Request& request) {
  const QByteArray relative = request.path.mid(qsizetype(sizeof("/quillmere/") - 1));
  bool safe = !relative.isEmpty() && !relative.contains('\\') && !relative.contains('\0') &&
              Utf8(relative).has_value() && !m_siteRoot.isEmpty();
  for (const QByteArray& part : relative.split('/'))
    if (part.isEmpty() || part.startsWith('.')) safe = false;
  const QFileInfo info(m_siteRoot + '/' + QString::fromUtf8(relative));
  if (!safe || !info.isFile() || !info.canonicalFilePath().startsWith(m_siteRoot + '/'))
    return errorPage(404, QStringLiteral("There is no page at this address."));
  QFile file(info.canonicalFilePath());
  if (!file.open(QIODevice::ReadOnly) || file.size() > qint64{16} * 1024 * 1024)
    return errorPage(404, QStringLiteral("There is no page at this address."));
  Response response;
  response.contentType = ContentType(info.fileName());
  response.body = file.readAll();
  response.headers << "Cache-Control: public, max-age=300";
  for (const QByteArray& header : kSecurityHeaders) response.headers << header;
  return response;
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

namespace {

// How long until a time, in the words a page uses.
QString Later(qint64 until, qint64 now) {
  const qint64 seconds = std::max<qint64>(1, (until - now + 999) / 1000);
  if (seconds == 1) return QStringLiteral("a second");
  return seconds < 120 ? QStringLiteral("%1 seconds").arg(seconds)
                       : QStringLiteral("%1 minutes").arg((seconds + 59) / 60);
}

QString PairKey(const QString& nameKey, const QString& address) {
  return "login:" + address + '|' + nameKey;
}

}  // namespace

QString Board::passwordTry(const QString& nameKey, const Visitor& visitor) {
  // Per account and address: a rival elsewhere cannot slow the owner down. Per address over
  // every account: one address cannot try a password on each of many accounts.
  const std::vector<Store::Gate> gates = {
      {PairKey(nameKey, visitor.address), 5, 5000, 15LL * 60 * 1000, 24LL * 3600 * 1000},
      {"login-from:" + visitor.address, 30, 5000, 15LL * 60 * 1000, 24LL * 3600 * 1000},
  };
  const qint64 now = Now();
  const Store::Wait wait = store().attempt(gates, now);
  if (!wait.until) return {};
  return (wait.gate == 0
              ? QStringLiteral("Too many failed log-ins for this account from your address. Try "
                               "again in %1.")
              : QStringLiteral("Too many failed log-ins from your address. Try again in %1."))
      .arg(Later(wait.until, now));
}

void Board::passwordRight(const QString& nameKey, const Visitor& visitor) {
  store().forgetAttempts(PairKey(nameKey, visitor.address));
  store().refundAttempt("login-from:" + visitor.address);
}

// A bucket per address that holds a minute's bids and fills again at that rate.
bool Board::bidAllowed(const QString& address) {
  const int perMinute = m_options.bidsPerMinute;
  if (perMinute <= 0) return true;
  const qint64 now = Now();
  std::lock_guard lock(m_bucketsLock);
  if (m_buckets.size() > 100000)
    std::erase_if(m_buckets, [&](const auto& item) {
      return now - item.second.at > 60000;  // full again by now
    });
  auto [it, fresh] = m_buckets.try_emplace(address, Bucket{double(perMinute), now});
  Bucket& bucket = it->second;
  bucket.tokens =
      std::min(double(perMinute), bucket.tokens + double(now - bucket.at) * perMinute / 60000.0);
  bucket.at = now;
  if (bucket.tokens < 1) return false;
  bucket.tokens -= 1;
  return true;
}

namespace {

QString PasswordRefusal(const QByteArray& password) {
  const std::optional<QString> text = Utf8(password);
  if (!text) return QStringLiteral("A password must be text; it holds a character that is not.");
  if (text->size() < kPasswordMin)
    return QStringLiteral("A password needs at least %1 characters.").arg(kPasswordMin);
  if (text->size() > kPasswordMax)
    return QStringLiteral("A password can have at most %1 characters.").arg(kPasswordMax);
  return {};
}

}  // namespace

void Board::signup(const Request& request, Visitor&& visitor, const Reply& reply) {
  const auto form = ParseForm(request);
  const Name name = ReadName(Field(*form, "name"));
  const QByteArray password = Field(*form, "password");
  QString refusal = name.refusal.isEmpty() ? PasswordRefusal(password) : name.refusal;
  if (refusal.isEmpty() && store().nameTaken(name.key, name.skeleton))
    refusal = QStringLiteral("The name %1 is taken. Choose another.").arg(name.text);
  if (!refusal.isEmpty()) return reply(boardPage(400, visitor, refusal, {}));
  const qint64 now = Now();
  const Store::Wait wait = store().attempt(
      {{"signup:" + visitor.address, 10, 10000, 10LL * 60 * 1000, 3600LL * 1000}}, now);
  if (wait.until)
    return reply(boardPage(429, visitor,
                           QStringLiteral("Many accounts were made from your address. Try again "
                                          "in %1.")
                               .arg(Later(wait.until, now)),
                           {}));
  if (++m_signupsWaiting > kSignupsWaiting) {
    --m_signupsWaiting;
    return reply(boardPage(503, visitor,
                           QStringLiteral("Many people are making accounts right now. Try again "
                                          "in a minute."),
                           {}));
  }
  offLoop(
      reply, Priority::SignUp,
      [this, password] {
        --m_signupsWaiting;
        return HashPassword(password);
      },
      [this, visitor = std::move(visitor), name](const QByteArray& hash) mutable {
        const std::optional<qint64> id =
            store().createAccount(name.text, name.key, name.skeleton, hash, Now());
        if (!id)
          return boardPage(400, visitor,
                           QStringLiteral("The name %1 is taken. Choose another.").arg(name.text),
                           {});
        startSession(visitor, Account{*id, name.text});
        return boardPage(200, visitor, {},
                         QStringLiteral("Welcome, %1. Your account is ready: paste your bid code "
                                        "below.")
                             .arg(name.text));
      });
}

void Board::login(const Request& request, Visitor&& visitor, const Reply& reply) {
  const auto form = ParseForm(request);
  const Name name = ReadName(Field(*form, "name"));
  const QByteArray password = Field(*form, "password");
  const QString blocked = passwordTry(name.key, visitor);
  if (!blocked.isEmpty()) return reply(boardPage(429, visitor, blocked, {}));
  const auto found =
      name.refusal.isEmpty() ? store().findAccount(name.key, name.text) : std::nullopt;
  // An unknown name costs a hash too, so the time taken does not tell which names exist.
  const QByteArray hash = found ? found->second : m_dummyHash;
  offLoop(
      reply, Priority::Password, [hash, password] { return VerifyPassword(hash, password); },
      [this, visitor = std::move(visitor), found, key = name.key](bool ok) mutable {
        if (!ok || !found)
          return boardPage(403, visitor,
                           QStringLiteral("That name and password do not match an account."), {});
        passwordRight(key, visitor);
        startSession(visitor, found->first);
        return boardPage(200, visitor, {},
                         QStringLiteral("Welcome back, %1.").arg(found->first.name));
      });
}

void Board::logout(Visitor&& visitor, const Reply& reply) {
  endSession(visitor);
  reply(boardPage(200, visitor, {}, QStringLiteral("You are logged out.")));
}

void Board::bid(const Request& request, Visitor&& visitor, const Reply& reply) {
  if (!bidAllowed(visitor.address))
    return reply(boardPage(429, visitor,
                           QStringLiteral("Bids are coming from your address faster than games "
                                          "end. Wait a minute, then post again."),
                           {}));
  const QByteArray code = Field(*ParseForm(request), "code").trimmed();
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
  if (!refusal.isEmpty()) return reply(boardPage(400, visitor, refusal, {}));
  // Answered as soon as the commit is done: stored, with a redirect to the board that says
  // where the bid stands; already there; or not stored.
  // Read before the call: its arguments may be made in any order, and one moves the visitor.
  const qint64 account = visitor.account->id;
  m_writer->post(
      NewBid{account, QString::fromLatin1(code), reading.score, Now()},
      [this, visitor = std::move(visitor), reply](std::optional<NewBid> bid, qint64, quint64) {
        if (!bid) return reply(errorPage(503, QString::fromUtf8(kUnavailable)));
        if (!bid->stored)
          return reply(
              boardPage(400, visitor, QStringLiteral("This code was already posted."), {}));
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

void Board::changePassword(const Request& request, Visitor&& visitor, const Reply& reply) {
  const auto form = ParseForm(request);
  const QByteArray old = Field(*form, "old"), fresh = Field(*form, "new");
  const QString key = NameKeys(visitor.account->name).key;
  QString refusal = PasswordRefusal(fresh);
  if (!refusal.isEmpty()) return reply(accountPage(400, visitor, refusal, {}));
  refusal = passwordTry(key, visitor);
  if (!refusal.isEmpty()) return reply(accountPage(429, visitor, refusal, {}));
  const QByteArray current = store().passwordHash(visitor.account->id);
  offLoop(
      reply, Priority::Password,
      [current, old, fresh] {
        return VerifyPassword(current, old) ? HashPassword(fresh) : QByteArray();
      },
      [this, visitor = std::move(visitor), key](const QByteArray& hash) mutable {
        if (hash.isEmpty())
          return accountPage(403, visitor, QStringLiteral("Your current password is not right."),
                             {});
        passwordRight(key, visitor);
        store().setPassword(visitor.account->id, hash, TokenHash(visitor.token));
        return accountPage(200, visitor, {},
                           QStringLiteral("Your password is changed. Wherever else you were "
                                          "logged in, you are logged out."));
      });
}

void Board::deleteAccount(const Request& request, Visitor&& visitor, const Reply& reply) {
  const QByteArray password = Field(*ParseForm(request), "password");
  const QString key = NameKeys(visitor.account->name).key;
  const QString blocked = passwordTry(key, visitor);
  if (!blocked.isEmpty()) return reply(accountPage(429, visitor, blocked, {}));
  const QByteArray hash = store().passwordHash(visitor.account->id);
  offLoop(
      reply, Priority::Password, [hash, password] { return VerifyPassword(hash, password); },
      [this, visitor = std::move(visitor), key](bool ok) mutable {
        if (!ok)
          return accountPage(
              403, visitor, QStringLiteral("That password is not right; nothing was deleted."), {});
        passwordRight(key, visitor);
        store().deleteAccount(visitor.account->id);
        const quint64 writes = ++m_writes;
        endSession(visitor);
        return boardPage(200, visitor, {},
                         QStringLiteral("Your account and all its bids are deleted."), writes);
      });
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
    if (!path.startsWith("/quillmere/"))
      return reply(errorPage(404, QStringLiteral("There is no page at this address.")));
    if (!get && request.method != "POST")
      return reply(
          errorPage(405, QStringLiteral("This board does not answer that kind of request.")));
    const QByteArray route = path.mid(qsizetype(sizeof("/quillmere/") - 1));
    if (get && route != "" && route != "index.html" && route != "account")
      return reply(staticFile(request));
    Visitor visitor = visit(request);
    if (get && route == "account")
      return reply(visitor.account ? accountPage(200, visitor, {}, {})
                                   : boardPage(403, visitor,
                                               QStringLiteral("Log in to see your account."), {}));
    if (get) {
      const QString notice = visitor.account ? bidNotice(visitor.account->id, request) : QString();
      return reply(boardPage(200, visitor, {}, notice, notice.isEmpty() ? 0 : m_writes.load()));
    }

    static const QByteArray kPosts[] = {"signup", "login", "logout", "bid", "password", "delete"};
    if (std::find(std::begin(kPosts), std::end(kPosts), route) == std::end(kPosts))
      return reply(errorPage(404, QStringLiteral("There is no page at this address.")));
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
