// The bid board as a player and an operator meet it, run on a real SQLite file and on a real
// PostgreSQL server (QUILLMERE_TEST_POSTGRES names it; without it those runs are skipped).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>
#include <atomic>
#include <functional>
#include <set>
#include <thread>

#include "board_client.h"

namespace quillmere::board::test {
namespace {

const QString kAgain = " Copy it again on the game's end screen and paste it whole.";

class Board : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    if (GetParam() && qEnvironmentVariableIsEmpty("QUILLMERE_TEST_POSTGRES"))
      GTEST_SKIP() << "QUILLMERE_TEST_POSTGRES is not set; tools/test starts a server and sets it";
    database = std::make_unique<Database>(GetParam());
    board = std::make_unique<BoardProcess>(database->url());
  }
  void TearDown() override {
    board.reset();
    database.reset();
  }
  // The scores on an account's own page, newest first.
  static QStringList OwnScores(Client& client) {
    QStringList scores;
    const QString body = QString::fromUtf8(client.get("account").body);
    static const QRegularExpression row(
        "<td class=\"num\">(?:<span[^>]*>[^<]*</span> )?(-?\\d+)(?: <span "
        "class=\"verified\">verified</span>)?</td></tr>");
    for (auto it = row.globalMatch(body); it.hasNext();) scores << it.next().captured(1);
    return scores;
  }
  static int Rows(const HttpResponse& page) { return int(page.body.count("<th scope=\"row\">")); }

  std::unique_ptr<Database> database;
  std::unique_ptr<BoardProcess> board;
};

TEST_P(Board, AccountsBidsStandingsAndRounds) {
  Client ray(board->port()), lou(board->port());
  EXPECT_EQ(ray.signup("Ray", "a quiet street").notice(),
            "Welcome, Ray. Your account is ready: paste your bid code below.");
  EXPECT_EQ(ray.bid(MakeCode(48210, 1)).notice(), "Your bid of 48210 stands 1st of 1.");
  ASSERT_EQ(lou.signup("Lou", "another street").status, 200);
  EXPECT_EQ(lou.bid(MakeCode(-5000, 2)).notice(), "Your bid of -5000 stands 2nd of 2.");
  EXPECT_EQ(lou.bid(MakeCode(91000, 3)).notice(), "Your bid of 91000 stands 1st of 2.");
  EXPECT_EQ(lou.bid(MakeCode(7, 4)).notice(),
            "Your bid of 7 is stored; your best bid of 91000 stands 1st of 2.");
  const QString standings = QString::fromUtf8(ray.get("").body);
  EXPECT_TRUE(standings.contains("Leading: <strong>Lou</strong> with a bid of 91,000."));
  EXPECT_TRUE(standings.contains(
      "<tr class=\"leader\"><td class=\"num\">1</td><th scope=\"row\">Lou</th>"));
  EXPECT_TRUE(
      standings.contains("<tr class=\"mine\" id=\"you\"><td class=\"num\">2</td>"
                         "<th scope=\"row\">Ray <span class=\"you\">(you)</span>"));
  EXPECT_EQ(OwnScores(lou), (QStringList{"7", "91000", "-5000"}));

  // Passwords: a wrong current one changes nothing; the new one logs in, the old one not.
  EXPECT_EQ(ray.post("password", {{"old", "wrong one"}, {"new", "a new street"}}).error(),
            "Your current password is not right.");
  EXPECT_EQ(ray.post("password", {{"old", "a quiet street"}, {"new", "a new street"}}).status, 200);
  Client again(board->port());
  EXPECT_EQ(again.login("ray", "a quiet street").error(),
            "That name and password do not match an account.");
  EXPECT_EQ(again.login("RAY", "a new street").notice(), "Welcome back, Ray.");
  EXPECT_EQ(again.post("logout", {}).notice(), "You are logged out.");
  EXPECT_EQ(again.get("account").status, 403);

  // The operator closes the round: Lou wins it, and the next round starts empty.
  auto [status, output] = BoardProcess::Command({"close-round"}, database->url());
  EXPECT_EQ(status, 0);
  EXPECT_EQ(output, "Round 1 closed: Lou wins with a bid of 91000 (2 bidders). Round 2 is open.");
  // Another process's writes reach the standings once their short-lived cache expires.
  QString page;
  for (int tries = 0; tries < 100 && !page.contains("No bids yet in round 2."); ++tries) {
    if (tries) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    page = QString::fromUtf8(ray.get("").body);
  }
  EXPECT_TRUE(page.contains("No bids yet in round 2."));
  EXPECT_TRUE(page.contains("<th scope=\"row\">Lou</th><td class=\"num\">91,000</td>"));
  EXPECT_EQ(ray.bid(MakeCode(48210, 1)).error(), "This code was already posted.");
  EXPECT_EQ(ray.bid(MakeCode(100, 5)).notice(), "Your bid of 100 stands 1st of 1.");

  // The operator removes a bid by the number its bidder's page shows; then Lou leaves.
  std::tie(status, output) = BoardProcess::Command({"remove-bid", "1"}, database->url());
  EXPECT_EQ(output, "Bid 1 removed.");
  EXPECT_EQ(OwnScores(ray), QStringList{"100"});
  EXPECT_EQ(BoardProcess::Command({"remove-bid", "1"}, database->url()).first, 2);
  EXPECT_EQ(lou.post("delete", {{"password", "wrong"}}).error(),
            "That password is not right; nothing was deleted.");
  EXPECT_EQ(lou.post("delete", {{"password", "another street"}}).notice(),
            "Your account and all its bids are deleted.");
  EXPECT_EQ(lou.login("Lou", "another street").status, 403);
}

// Every refusal in the player's words, and nothing stored by any of them.
TEST_P(Board, RefusalsStoreNothing) {
  Client kim(board->port());
  ASSERT_EQ(kim.signup("Kim", "a long enough password").status, 200);
  const QByteArray good = MakeCode(777, 9);
  QByteArray typo = good;
  typo[150] = typo[150] == '9' ? '8' : '9';
  const std::pair<QByteArray, QString> codes[] = {
      {"", "Paste your bid code into the box first."},
      {good.left(200),
       "This code is too short: a bid code has 224 characters and this one has 200." + kAgain},
      {good + "12",
       "This code is too long: a bid code has 224 characters and this one has 226." + kAgain},
      {good.left(10) + "x" + good.mid(11),
       "This code holds “x”, a character that cannot be in a code." + kAgain},
      {good.left(10) + "'" + good.mid(11),
       "This code holds “'”, a character that cannot be in a code." + kAgain},
      {good.left(10) + "<" + good.mid(11), "This code has a typo." + kAgain},
      {good.left(10) + "\xff" + good.mid(11),
       "This code holds a character that cannot be in a code." + kAgain},
      {typo, "This code has a typo." + kAgain},
  };
  for (const auto& [code, message] : codes) {
    const HttpResponse response = kim.bid(code);
    EXPECT_EQ(response.status, 400) << code.toStdString();
    EXPECT_EQ(response.error(), message) << code.toStdString();
  }
  EXPECT_TRUE(OwnScores(kim).isEmpty());

  const std::pair<QByteArray, QString> signups[][1] = {
      {{"", "Choose a name for your account."}},
      {{QByteArray(33, 'a'), "A name can have at most 32 characters."}},
      {{"tab\there", "A name can hold letters, digits, spaces and punctuation only."}},
      {{"bad\xff\xfe", "A name can hold letters, digits, spaces and punctuation only."}},
      {{"kim", "The name kim is taken. Choose another."}},
  };
  for (const auto& row : signups) {
    Client someone(board->port());
    EXPECT_EQ(someone.signup(row[0].first, "long enough password").error(), row[0].second);
  }
  Client shortPassword(board->port());
  EXPECT_EQ(shortPassword.signup("Mo", "short").error(), "A password needs at least 8 characters.");
  EXPECT_EQ(shortPassword.signup("Mo", "\xff\xfe long but not text").error(),
            "A password must be text; it holds a character that is not.");
  EXPECT_EQ(shortPassword.login("Mo", "short").error(),
            "That name and password do not match an account.");

  // Names with SQL and HTML in them are names like any other, shown as text.
  for (const QByteArray name : {"Robert'); DROP TABLE accounts;--", "<script>alert(1)</script>",
                                "\" onmouseover=\"x", "%00 & \\ ; --"}) {
    Client odd(board->port());
    ASSERT_EQ(odd.signup(name, "' OR '1'='1' --").status, 200) << name.toStdString();
    ASSERT_EQ(odd.bid(MakeCode(name.size(), int(10 + name.size()))).status, 200);
    const QByteArray page = odd.get("").body;
    EXPECT_FALSE(page.contains(name)) << "unescaped: " << name.toStdString();
    EXPECT_FALSE(page.contains("<script>alert"));
    Client relog(board->port());
    EXPECT_EQ(relog.login(name, "' OR '1'='1' --").status, 200);
    EXPECT_EQ(relog.login(name, "' OR 1=1 --").status, 403);
  }
  EXPECT_EQ(Rows(kim.get("")), 4);

  // A form without its token, with a wrong one, or with another visitor's cookie is refused.
  const QString expired =
      "This form has expired or did not come from this board. Nothing was changed; please try "
      "again.";
  Client stranger(board->port());
  stranger.get("");
  const QByteArray kimCookie = kim.cookie, kimCsrf = kim.csrf;
  stranger.csrf = kimCsrf;  // Kim's token with the stranger's cookie
  EXPECT_EQ(stranger.bid(good).error(), expired);
  kim.csrf = "0";
  EXPECT_EQ(kim.bid(good).error(), expired);
  kim.csrf.clear();
  HttpResponse bare =
      Exchange(board->port(), "POST /quillmere/bid HTTP/1.1\r\nCookie: qm=" + kimCookie +
                                  "\r\nContent-Type: application/x-www-form-urlencoded\r\n"
                                  "Content-Length: 5\r\n\r\ncode=");
  EXPECT_EQ(bare.status, 403);
  EXPECT_EQ(bare.error(), expired);
  Client other(board->port());
  other.signup("Other", "yet another password");
  other.cookie = kimCookie;  // Kim's session with Other's token
  EXPECT_EQ(other.bid(good).error(), expired);
  EXPECT_EQ(Rows(kim.get("")), 4);
}

TEST_P(Board, LoginThrottling) {
  Client victim(board->port()), attacker(board->port());
  ASSERT_EQ(victim.signup("Victim", "the right password").status, 200);
  // Five tries go at once and a sixth is counted; then each try waits longer than the last.
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(attacker.login("Victim", "guess " + QByteArray::number(i)).status, 403);
  const HttpResponse blocked = attacker.login("victim", "the right password");
  EXPECT_EQ(blocked.status, 429);
  EXPECT_EQ(blocked.error(),
            "Too many failed log-ins for this account from your address. Try again in 5 seconds.");
  // From one address, other accounts wait too after 30 tries.
  for (int i = 0; i < 25; ++i) attacker.login("Nobody" + QByteArray::number(i), "password");
  EXPECT_EQ(attacker.login("Nobody", "password").error(),
            "Too many failed log-ins from your address. Try again in 5 seconds.");
}

// While another client holds the database's write lock, a post answers 503 and stores nothing;
// the pages keep being served from what can be read.
TEST_P(Board, UnwritableDatabaseRefusesWritesAndKeepsServingReads) {
  Client ray(board->port());
  ASSERT_EQ(ray.signup("Ray", "a quiet street").status, 200);
  ASSERT_EQ(ray.bid(MakeCode(100, 1)).status, 200);
  {
    QSqlDatabase db = database->open("lock");
    ASSERT_TRUE(db.isOpen());
    QSqlQuery lock(db);
    ASSERT_TRUE(lock.exec(GetParam() ? "BEGIN" : "BEGIN IMMEDIATE"));
    if (GetParam()) {
      ASSERT_TRUE(lock.exec("LOCK TABLE bids, best IN EXCLUSIVE MODE"));
    }
    const HttpResponse refused = ray.bid(MakeCode(200, 2));
    EXPECT_EQ(refused.status, 503);
    EXPECT_EQ(refused.error(),
              "The board cannot store anything right now. Nothing was changed; try again in a "
              "minute.");
    const HttpResponse page = ray.get("");
    EXPECT_EQ(page.status, 200);
    EXPECT_EQ(Rows(page), 1);
    EXPECT_EQ(ray.get("account").status, 200);
    lock.exec("ROLLBACK");
  }
  QSqlDatabase::removeDatabase("lock");
  EXPECT_EQ(ray.bid(MakeCode(200, 2)).notice(), "Your bid of 200 stands 1st of 1.");
  EXPECT_EQ(OwnScores(ray), (QStringList{"200", "100"}));
}

// Posts from several clients at once; the board is killed with SIGKILL in the middle. After a
// restart every post that was answered as stored is there exactly once.
TEST_P(Board, KilledInABurstKeepsEveryAnsweredPost) {
  constexpr int kClients = 4, kPosts = 150;
  board = std::make_unique<BoardProcess>(database->url(), QStringList{"--bids-per-minute", "0"});
  std::vector<std::unique_ptr<Client>> clients;
  for (int c = 0; c < kClients; ++c) {
    clients.push_back(std::make_unique<Client>(board->port()));
    ASSERT_EQ(clients.back()->signup("Bidder " + QByteArray::number(c), "burst password").status,
              200);
  }
  std::atomic<int> answered{0};
  std::vector<std::set<QString>> stored(kClients);
  std::vector<std::thread> threads;
  threads.reserve(kClients);
  for (int c = 0; c < kClients; ++c)
    threads.emplace_back([&, c] {
      for (int i = 0; i < kPosts; ++i) {
        const int score = c * 1000 + i;
        const HttpResponse response = clients[std::size_t(c)]->bid(MakeCode(score, score));
        if (response.status != 200) break;  // the board is gone
        stored[std::size_t(c)].insert(QString::number(score));
        ++answered;
      }
    });
  QElapsedTimer waited;
  waited.start();
  while (answered < kClients * kPosts / 3 && waited.elapsed() < 60000)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  board->kill();
  for (std::thread& t : threads) t.join();
  ASSERT_LT(answered.load(), kClients * kPosts);

  board = std::make_unique<BoardProcess>(database->url(), QStringList{"--bids-per-minute", "0"});
  for (int c = 0; c < kClients; ++c) {
    Client& client = *clients[std::size_t(c)];
    client.m_port = board->port();
    const QStringList scores = OwnScores(client);
    const std::set<QString> unique(scores.begin(), scores.end());
    EXPECT_EQ(unique.size(), std::size_t(scores.size())) << "a post stored twice";
    for (const QString& score : stored[std::size_t(c)])
      EXPECT_TRUE(unique.count(score)) << "answered but lost: " << score.toStdString();
    // At most the one post in flight when the board died is there without an answer.
    EXPECT_LE(unique.size(), stored[std::size_t(c)].size() + 1);
  }
}

// A board made before names were compared by their looks: its accounts get skeletons (the
// older of two look-alike names keeps its look), new look-alikes of them are refused, and
// every old account still logs in.
TEST_P(Board, OldNamesGetTheirSkeletons) {
  // A password hash as the board makes them, to give the old accounts.
  Client maker(board->port());
  ASSERT_EQ(maker.signup("Maker", "old password").status, 200);
  QString hash;
  {
    QSqlDatabase db = database->open("hash");
    ASSERT_TRUE(db.isOpen());
    QSqlQuery q(db);
    ASSERT_TRUE(q.exec("SELECT password_hash FROM accounts") && q.next());
    hash = q.value(0).toString();
  }
  QSqlDatabase::removeDatabase("hash");
  board.reset();
  database = std::make_unique<Database>(GetParam());
  const QString id =
      GetParam() ? "BIGINT GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY" : "INTEGER PRIMARY KEY";
  {
    QSqlDatabase db = database->open("old");
    ASSERT_TRUE(db.isOpen());
    QSqlQuery q(db);
    // The schema and rows of version 2, as that board left them (a key was the folded name).
    for (const QString& statement : QStringList{
             "CREATE TABLE settings (name TEXT PRIMARY KEY, value TEXT NOT NULL)",
             "CREATE TABLE accounts (id " + id +
                 ", name TEXT NOT NULL, name_key TEXT NOT NULL UNIQUE, password_hash TEXT NOT "
                 "NULL, created_at BIGINT NOT NULL)",
             "CREATE TABLE rounds (id " + id +
                 ", opened_at BIGINT NOT NULL, closed_at BIGINT, winner_name TEXT, winner_score "
                 "BIGINT, bidders BIGINT)",
             "CREATE TABLE bids (id " + id +
                 ", round_id BIGINT NOT NULL, account_id BIGINT NOT NULL, code TEXT NOT NULL "
                 "UNIQUE, score BIGINT NOT NULL, posted_at BIGINT NOT NULL)",
             QString("CREATE TABLE best (round_id BIGINT NOT NULL, account_id BIGINT NOT NULL, "
                     "score BIGINT NOT NULL, bid_id BIGINT NOT NULL, "
                     "PRIMARY KEY (round_id, account_id))"),
             QString("CREATE TABLE sessions (token_hash TEXT PRIMARY KEY, account_id BIGINT NOT "
                     "NULL, expires_at BIGINT NOT NULL)"),
             QString("CREATE TABLE throttle (key TEXT PRIMARY KEY, failures INTEGER NOT NULL, "
                     "window_start BIGINT NOT NULL)"),
             QString("CREATE TABLE schema_version (version INTEGER NOT NULL)"),
             QString("INSERT INTO schema_version (version) VALUES (1), (2)"),
             QString("INSERT INTO settings (name, value) VALUES ('secret', '00ff00ff00ff')"),
             QString("INSERT INTO rounds (opened_at, bidders) VALUES (0, 0)"),
         })
      ASSERT_TRUE(q.exec(statement)) << statement.toStdString();
    const std::pair<QString, QString> names[] = {
        {"Lou", "lou"}, {"\uff2c\uff2f\uff35", "\uff4c\uff4f\uff55"}, {"Ray", "ray"}};
    for (const auto& [name, key] : names) {
      q.prepare(
          "INSERT INTO accounts (name, name_key, password_hash, created_at) VALUES (?, ?, ?, 0)");
      q.addBindValue(name);
      q.addBindValue(key);
      q.addBindValue(hash);
      ASSERT_TRUE(q.exec());
    }
  }
  QSqlDatabase::removeDatabase("old");
  ASSERT_EQ(BoardProcess::Command({"close-round"}, database->url()).first, 0);
  board = std::make_unique<BoardProcess>(database->url());
  // Lou keeps the look of the name: a new look-alike is refused, another name is not.
  Client someone(board->port());
  EXPECT_EQ(someone.signup("L\u043eu", "a new password").error(),
            "The name L\u043eu is taken. Choose another.");
  EXPECT_EQ(someone.signup("Ray", "a new password").error(),
            "The name Ray is taken. Choose another.");
  EXPECT_EQ(someone.signup("Kim", "a new password").status, 200);
  // Each old account logs in by its own spelling, the newer look-alike too.
  for (const char* name : {"Lou", "lou", "\uff2c\uff2f\uff35", "Ray"}) {
    Client owner(board->port());
    EXPECT_EQ(owner.login(name, "old password").status, 200) << name;
  }
  Client wide(board->port());
  EXPECT_EQ(wide.login("\uff2c\uff2f\uff35", "old password").notice(),
            "Welcome back, \uff2c\uff2f\uff35.");
}

// Two board processes on one PostgreSQL database, as behind a load balancer: a session begun on
// one is valid on the other, and posts sent to both at once are all stored, each once.
TEST_P(Board, TwoProcessesServeOneBoard) {
  if (!GetParam()) GTEST_SKIP() << "one SQLite file is served by one process";
  board = std::make_unique<BoardProcess>(database->url(), QStringList{"--bids-per-minute", "0"});
  BoardProcess second(database->url(), {"--bids-per-minute", "0"});
  Client ray(board->port());
  ASSERT_EQ(ray.signup("Ray", "a quiet street").status, 200);
  Client onSecond = ray;
  onSecond.m_port = second.port();
  const HttpResponse account = onSecond.get("account");
  EXPECT_EQ(account.status, 200);
  EXPECT_TRUE(account.body.contains("You are logged in as <strong>Ray</strong>."));

  constexpr int kPerProcess = 40;
  std::vector<std::thread> threads;
  std::atomic<int> stored{0};
  for (const quint16 port : {board->port(), second.port()})
    threads.emplace_back([&, port] {
      Client client = ray;
      client.m_port = port;
      for (int i = 0; i < kPerProcess; ++i) {
        const int score = port * 100 + i;
        if (client.bid(MakeCode(score, score)).status == 200) ++stored;
      }
    });
  for (std::thread& t : threads) t.join();
  EXPECT_EQ(stored.load(), 2 * kPerProcess);
  const QStringList scores = OwnScores(onSecond);
  EXPECT_EQ(scores.size(), 2 * kPerProcess);
  EXPECT_EQ(std::set<QString>(scores.begin(), scores.end()).size(), std::size_t(2 * kPerProcess));
  EXPECT_EQ(ray.post("logout", {}).status, 200);
  EXPECT_EQ(onSecond.get("account").status, 403);
}

// Every form that did what it asked answers 303 with a page that can be reloaded; the address
// a form posts to shows a page too; every bid has a page of its own.
TEST_P(Board, FormsRedirectAndBidsHavePages) {
  Client ray(board->port());
  const std::pair<std::function<HttpResponse()>, QByteArray> forms[] = {
      {[&] { return ray.signup("Ray", "a quiet street"); }, "/quillmere/?welcome=new"},
      {[&] { return ray.post("logout", {}); }, "/quillmere/?left=1"},
      {[&] { return ray.login("Ray", "a quiet street"); }, "/quillmere/?welcome=back"},
      {[&] {
         return ray.post("password", {{"old", "a quiet street"}, {"new", "a loud one"}});
       },
       "/quillmere/account?changed=1"},
  };
  for (const auto& [send, location] : forms) {
    const HttpResponse page = send();
    EXPECT_EQ(ray.redirectedTo, location);
    EXPECT_EQ(page.status, 200) << location.constData();
    EXPECT_FALSE(page.notice().isEmpty()) << location.constData();
  }
  const QByteArray code = MakeCode(12768109, 1);  // pasted with a line break and a space
  EXPECT_EQ(ray.bid(code.left(100) + "\r\n " + code.mid(100)).notice(),
            "Your bid of 12768109 stands 1st of 1.");
  const QByteArray location = ray.redirectedTo;
  ASSERT_TRUE(location.startsWith("/quillmere/?bid=")) << location.constData();
  for (const char* path : {"bid", "login", "signup", "logout", "password"})
    EXPECT_EQ(ray.get(path).status, 303) << path;

  Client stranger(board->port());
  const HttpResponse bid = stranger.get("bid?id=" + location.mid(location.indexOf('=') + 1));
  EXPECT_EQ(bid.status, 200);
  for (const char* fact : {"<dd>Ray</dd>", ">12,768,109<", "<dd>1st of 1 so far</dd>", "(open)"})
    EXPECT_TRUE(bid.body.contains(fact)) << fact;
  EXPECT_EQ(stranger.get("bid?id=999999").status, 404);
  EXPECT_EQ(ray.post("delete", {{"password", "a loud one"}}).notice(),
            "Your account and all its bids are deleted.");
}

// A round with a closing time closes itself; its whole table stays at its own address, and
// each bidder's page keeps their place in it.
TEST_P(Board, ARoundClosesItselfAndKeepsItsTable) {
  Client ray(board->port()), lou(board->port());
  ray.signup("Ray", "a quiet street");
  lou.signup("Lou", "another street");
  ray.bid(MakeCode(500, 1));
  ray.bid(MakeCode(48210, 2));
  lou.bid(MakeCode(91000, 3));
  const QString at = QDateTime::currentDateTimeUtc().addSecs(2).toString(Qt::ISODate);
  EXPECT_EQ(BoardProcess::Command({"close-round", "--at", at}, database->url()).first, 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));  // another process's write
  EXPECT_TRUE(ray.get("").body.contains("Round 1 closes at"));
  QByteArray page;
  for (int tries = 0; tries < 100 && !page.contains("No bids yet in round 2."); ++tries) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    page = ray.get("").body;
  }
  EXPECT_TRUE(page.contains("<a href=\"round?id=1\">1</a>"));
  const QByteArray round = Client(board->port()).get("round?id=1").body;
  EXPECT_TRUE(round.contains("<strong>Lou</strong> won it with a bid of 91,000."));
  EXPECT_EQ(round.count("<th scope=\"row\">"), 2);
  const QByteArray account = ray.get("account").body;
  EXPECT_TRUE(account.contains("<td>2nd of 2</td>"));
  EXPECT_EQ(account.count("(best in round 1)"), 1);
}

// The JSON API matches the schema in docs/, the feed reads as Atom in a real feed parser, and
// a cache that holds an answer is told it is still good.
TEST_P(Board, JsonAndFeedForOtherPrograms) {
  Client ray(board->port()), lou(board->port());
  ray.signup("Ray", "a quiet street");
  lou.signup("Lou <&>", "another street");
  ray.bid(MakeCode(48210, 1));
  lou.bid(MakeCode(48210, 2));
  BoardProcess::Command({"close-round"}, database->url());
  ray.bid(MakeCode(7, 3));
  QTemporaryDir folder;
  QStringList checks;
  const std::pair<const char*, QByteArray> answers[] = {
      {"round", "api/round"},     {"round", "api/round?id=1"},
      {"bid", "api/bid?id=1"},    {"bidder", "api/bidder?name=lou%20%3C%26%3E"},
      {"error", "api/bid?id=99"},
  };
  for (const auto& [definition, path] : answers) {
    const HttpResponse answer = Client(board->port()).get(path);
    EXPECT_EQ(answer.status, QByteArray(definition) == "error" ? 404 : 200) << path.constData();
    EXPECT_TRUE(answer.header("cache-control").startsWith("public, max-age=")) << path.constData();
    const QString file = folder.filePath(QString::number(checks.size()) + ".json");
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(answer.body);
    checks << QString::fromLatin1(definition) + '=' + file;
  }
  const HttpResponse feed = Client(board->port()).get("feed.atom");
  QFile feedFile(folder.filePath("feed.atom"));
  ASSERT_TRUE(feedFile.open(QIODevice::WriteOnly));
  feedFile.write(feed.body);
  feedFile.close();
  QProcess check;
  check.setProcessChannelMode(QProcess::MergedChannels);
  check.start("/usr/bin/python3", QStringList{QUILLMERE_SITE "/../tests/board/check_data.py",
                                              QUILLMERE_SITE "/../docs/board-api.schema.json",
                                              feedFile.fileName(), "1"} +
                                      checks);
  ASSERT_TRUE(check.waitForFinished(30000));
  EXPECT_EQ(check.exitCode(), 0) << check.readAll().constData();

  const HttpResponse round = Client(board->port()).get("api/round?id=1");
  EXPECT_TRUE(round.body.contains("{\"bid\":1,\"bidder\":\"Ray\",\"postedAt\""));
  EXPECT_TRUE(round.body.contains("\"rank\":1,\"score\":48210},{\"bid\":2"));
  const QByteArray request =
      "GET /quillmere/api/round?id=1 HTTP/1.1\r\nHost: 127.0.0.1\r\n"
      "If-None-Match: " +
      round.header("etag") + "\r\nConnection: close\r\n\r\n";
  EXPECT_EQ(Exchange(board->port(), request).status, 304);
}

INSTANTIATE_TEST_SUITE_P(Databases, Board, ::testing::Values(false, true),
                         [](const auto& param) { return param.param ? "PostgreSQL" : "SQLite"; });

// A board a game starts for itself: on a free port it names in a file, which goes when the
// board ends, whether it ends itself after a while without requests or is told to.
TEST(BoardOnDemand, PortFileAndIdleExit) {
  Database database(false);
  QTemporaryDir folder;
  const QString portFile = folder.filePath("board.port");
  auto readPort = [&] {
    QFile file(portFile);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
  };
  {
    BoardProcess board(database.url(), {"--port-file", portFile, "--idle-exit", "2"});
    EXPECT_EQ(readPort(), QByteArray::number(board.port()) + '\n');
    QElapsedTimer idle;
    for (int i = 0; i < 3; ++i) {  // requests keep it going
      EXPECT_EQ(Client(board.port()).get("").status, 200);
      idle.start();
      QThread::msleep(1000);
    }
    ASSERT_TRUE(board.waitForExit(10000));
    EXPECT_GE(idle.elapsed(), 1900);
    EXPECT_FALSE(QFile::exists(portFile));
  }
  BoardProcess board(database.url(), {"--port-file", portFile});
  EXPECT_EQ(readPort(), QByteArray::number(board.port()) + '\n');
  board.terminate();
  ASSERT_TRUE(board.waitForExit(5000));
  EXPECT_FALSE(QFile::exists(portFile));
}

// The limits of the HTTP server, the same whatever the database.
TEST(BoardHttp, LimitsAndPaths) {
  Database database(false);
  BoardProcess board(database.url());
  const quint16 port = board.port();
  HttpResponse big = Exchange(port,
                              "POST /quillmere/login HTTP/1.1\r\nContent-Length: 1048576\r\n"
                              "Content-Type: application/x-www-form-urlencoded\r\n\r\n" +
                                  QByteArray(1048576, 'a'));
  EXPECT_EQ(big.status, 413);
  EXPECT_EQ(big.error(), "What you sent is larger than this board accepts (64 KB).");
  HttpResponse headers = Exchange(port, "GET /quillmere/ HTTP/1.1\r\nX-Padding: " +
                                            QByteArray(qsizetype{10} * 1024, 'a') + "\r\n\r\n");
  EXPECT_EQ(headers.status, 431);
  EXPECT_EQ(headers.error(), "The request's headers are larger than this board accepts (8 KB).");
  // Not HTTP: refused, or the connection closed without an answer.
  EXPECT_NE(Exchange(port, "GARBAGE\r\n\r\n").status, 200);

  const std::pair<QByteArray, int> paths[] = {
      {"/", 303},
      {"/quillmere/style.css", 200},
      {"/quillmere/images/icon.png", 200},
      {"/quillmere/../CMakeLists.txt", 404},
      {"/quillmere/%2e%2e/CMakeLists.txt", 404},
      {"/quillmere/images/..%2f..%2f..%2fCMakeLists.txt", 404},
      {"/quillmere/images/%2e%2e/%2e%2e/board/board.cpp", 404},
      {"/quillmere/..%5c..%5cCMakeLists.txt", 404},
      {"/quillmere/%ff%fe", 404},
      {"/quillmere/.hidden", 404},
      {"/quillmere/style.css%00.png", 404},
      {"/quillmere/%252e%252e/CMakeLists.txt", 404},
      {"/etc/passwd", 404},
  };
  for (const auto& [path, status] : paths)
    EXPECT_EQ(Exchange(port, "GET " + path + " HTTP/1.1\r\n\r\n").status, status)
        << path.toStdString();
  // Routes are matched on the decoded path: an encoded dot still names the board.
  EXPECT_TRUE(Exchange(port, "GET /quillmere/index%2ehtml HTTP/1.1\r\n\r\n")
                  .body.contains("name=\"csrf\""));
  const HttpResponse page = Exchange(port, "GET /quillmere/ HTTP/1.1\r\n\r\n");
  EXPECT_EQ(page.header("content-security-policy"),
            "default-src 'none'; style-src 'self'; img-src 'self'; form-action 'self'; "
            "frame-ancestors 'none'; base-uri 'none'");
  EXPECT_TRUE(page.header("set-cookie").contains("; HttpOnly; SameSite=Lax"));

  // A connection that sends nothing is closed.
  QTcpSocket idle;
  idle.connectToHost("127.0.0.1", port);
  ASSERT_TRUE(idle.waitForConnected(5000));
  idle.write("GET /quillmere/ HT");
  EXPECT_TRUE(idle.waitForDisconnected(25000));
}

}  // namespace
}  // namespace quillmere::board::test

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
