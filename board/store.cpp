// The board's data in SQL that SQLite and PostgreSQL both speak, every value a bound parameter.
#include "board/store.h"

#include "board/names.h"

#include <sodium.h>

#include <QAtomicInteger>
#include <QDir>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QUrl>
#include <QUrlQuery>
#include <tuple>

namespace quillmere::board {

namespace {

// Each migration is a list of statements; "{ID}" is the dialect's self-numbering key.
const std::vector<std::vector<const char*>> kMigrations = {
    {
        "CREATE TABLE settings (name TEXT PRIMARY KEY, value TEXT NOT NULL)",
        "CREATE TABLE accounts (id {ID}, name TEXT NOT NULL, name_key TEXT NOT NULL UNIQUE, "
        "password_hash TEXT NOT NULL, created_at BIGINT NOT NULL)",
        "CREATE TABLE rounds (id {ID}, opened_at BIGINT NOT NULL, closed_at BIGINT, "
        "winner_name TEXT, winner_score BIGINT, bidders BIGINT)",
        "CREATE TABLE bids (id {ID}, round_id BIGINT NOT NULL REFERENCES rounds(id), "
        "account_id BIGINT NOT NULL REFERENCES accounts(id) ON DELETE CASCADE, "
        "code TEXT NOT NULL UNIQUE, score BIGINT NOT NULL, posted_at BIGINT NOT NULL)",
        "CREATE INDEX bids_account ON bids(account_id)",
        "CREATE TABLE best (round_id BIGINT NOT NULL REFERENCES rounds(id), "
        "account_id BIGINT NOT NULL REFERENCES accounts(id) ON DELETE CASCADE, "
        "score BIGINT NOT NULL, bid_id BIGINT NOT NULL, PRIMARY KEY (round_id, account_id))",
        "CREATE INDEX best_rank ON best(round_id, score DESC, bid_id)",
        "CREATE TABLE sessions (token_hash TEXT PRIMARY KEY, "
        "account_id BIGINT NOT NULL REFERENCES accounts(id) ON DELETE CASCADE, "
        "expires_at BIGINT NOT NULL)",
        "CREATE TABLE throttle (key TEXT PRIMARY KEY, failures INTEGER NOT NULL, "
        "window_start BIGINT NOT NULL)",
    },
    // The open round keeps its count of bidders, so a post does not count them.
    {
        "UPDATE rounds SET bidders = (SELECT COUNT(*) FROM best WHERE best.round_id = rounds.id)",
    },
    // Names are taken by what they look like (the skeleton is filled in by FillSkeletons); tries
    // are counted before they are checked, and a try waits rather than being locked out.
    {
        "ALTER TABLE accounts ADD COLUMN name_skeleton TEXT",
        "CREATE TABLE attempts (key TEXT PRIMARY KEY, tries INTEGER NOT NULL, "
        "not_before BIGINT NOT NULL, last_at BIGINT NOT NULL)",
        "DROP TABLE throttle",
        "CREATE INDEX accounts_name ON accounts(name)",
    },
    // The operator may set when the open round closes; the board then closes it itself.
    {
        "ALTER TABLE rounds ADD COLUMN closes_at BIGINT",
    },
    // Bids the board can prove: the games' records by their bid code, whether a bid was
    // proven, and each round's rule for the bids it cannot prove (with a seeded round's seed,
    // as text, since it may pass a signed 64-bit number).
    {
        "CREATE TABLE records (code TEXT PRIMARY KEY, record TEXT NOT NULL, sent_at BIGINT)",
        "CREATE INDEX records_age ON records(sent_at)",
        "ALTER TABLE bids ADD COLUMN verified BOOLEAN NOT NULL DEFAULT FALSE",
        "ALTER TABLE rounds ADD COLUMN rule TEXT NOT NULL DEFAULT 'open'",
        "ALTER TABLE rounds ADD COLUMN seed TEXT",
    },
};

constexpr qint64 kRecordKeptMs = 30LL * 24 * 3600 * 1000;

// The open round's count of bidders, after bids left it.
const char* kRecount =
    "UPDATE rounds SET bidders = (SELECT COUNT(*) FROM best WHERE best.round_id = rounds.id) "
    "WHERE closed_at IS NULL";

QByteArray RandomHex(std::size_t bytes) {
  QByteArray raw(qsizetype(bytes), '\0');
  randombytes_buf(raw.data(), bytes);
  return raw.toHex();
}

}  // namespace

// One write, all or nothing. SQLite takes the write lock at once, so two writers never
// deadlock upgrading a read lock.
class Store::Transaction {
 public:
  explicit Transaction(Store& store) : m_store(store) {
    m_store.exec(m_store.m_postgres ? "BEGIN" : "BEGIN IMMEDIATE");
  }
  ~Transaction() {
    if (!m_done) QSqlQuery(QSqlDatabase::database(m_store.m_connection, false)).exec("ROLLBACK");
  }
  void commit() {
    m_store.exec("COMMIT");
    m_done = true;
  }

 private:
  Store& m_store;
  bool m_done = false;
};

QString Store::DefaultUrl() {
  QString data = qEnvironmentVariable("XDG_DATA_HOME");
  if (data.isEmpty()) data = QDir::homePath() + "/.local/share";
  return data + "/quillmere/board.sqlite";
}

Store::Store(const QString& url) {
  static QAtomicInteger<int> counter;
  m_connection = QStringLiteral("board-%1").arg(counter.fetchAndAddRelaxed(1));
  const QString target = url.isEmpty() ? DefaultUrl() : url;
  m_postgres = target.startsWith("postgres://") || target.startsWith("postgresql://");
  QSqlDatabase db = QSqlDatabase::addDatabase(m_postgres ? "QPSQL" : "QSQLITE", m_connection);
  if (m_postgres) {
    const QUrl u(target);
    db.setHostName(QUrlQuery(u).queryItemValue("host").isEmpty()
                       ? u.host()
                       : QUrlQuery(u).queryItemValue("host"));
    if (u.port() > 0) db.setPort(u.port());
    db.setUserName(u.userName(QUrl::FullyDecoded));
    db.setPassword(u.password(QUrl::FullyDecoded));
    db.setDatabaseName(u.path(QUrl::FullyDecoded).mid(1));
    db.setConnectOptions("connect_timeout=5");
  } else {
    const QString file = target.startsWith("sqlite://") ? QUrl(target).path() : target;
    QDir().mkpath(QFileInfo(file).absolutePath());
    db.setDatabaseName(file);
    db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=2000");
  }
  if (!db.open())
    throw StoreError("cannot open the database " + target.toStdString() + ": " +
                     db.lastError().text().toStdString());
  if (m_postgres) {
    exec("SET client_min_messages = warning");
    exec("SET lock_timeout = '2s'");
    exec("SET statement_timeout = '10s'");
  } else {
    // WAL lets reads go on while a write waits; FULL makes every answered commit durable.
    // The answer is the mode the file is in: a file system that cannot share memory between
    // processes keeps the old journal, which works but makes reads wait for every write.
    QSqlQuery wal(db);
    const QString mode = wal.exec("PRAGMA journal_mode = WAL") && wal.next()
                             ? wal.value(0).toString().toLower()
                             : wal.lastError().text();
    wal.finish();
    if (mode != "wal")
      qWarning("quillmere-board: %s is not in WAL mode (%s): reads wait for every write",
               qPrintable(target), qPrintable(mode));
    exec("PRAGMA synchronous = FULL");
    exec("PRAGMA foreign_keys = ON");
  }
}

Store::~Store() {
  qDeleteAll(m_queries);
  m_queries.clear();
  // The driver closes its connection as it goes, from whichever thread ends the store.
  QSqlDatabase::removeDatabase(m_connection);
}

StorePool::StorePool(QString url) : m_url(std::move(url)) {}

StorePool::~StorePool() = default;

Store& StorePool::local() {
  const std::thread::id thread = std::this_thread::get_id();
  std::lock_guard lock(m_lock);
  std::unique_ptr<Store>& store = m_stores[thread];
  if (!store) store = std::make_unique<Store>(m_url);
  return *store;
}

void Store::exec(const QString& sql) {
  QSqlQuery query(QSqlDatabase::database(m_connection, false));
  if (!query.exec(sql)) throw StoreError(query.lastError().text().toStdString());
}

Rows Store::run(const char* sql, const QVariantList& values) {
  QSqlQuery*& query = m_queries[sql];
  if (!query) {
    query = new QSqlQuery(QSqlDatabase::database(m_connection, false));
    if (!query->prepare(QString::fromUtf8(sql))) {
      const std::string error = query->lastError().text().toStdString();
      delete query;
      m_queries.remove(sql);
      throw StoreError(error);
    }
  }
  query->finish();
  for (qsizetype i = 0; i < values.size(); ++i) query->bindValue(int(i), values[i]);
  if (!query->exec()) throw StoreError(query->lastError().text().toStdString());
  // The rows are taken at once and the statement reset, so no read stays open on the
  // connection (an open read in SQLite would pin an old snapshot and block a commit).
  Rows rows;
  const int columns = query->record().count();
  while (query->next()) {
    QVariantList row;
    for (int i = 0; i < columns; ++i) row.append(query->value(i));
    rows.m_rows.push_back(std::move(row));
  }
  query->finish();
  return rows;
}

void Store::migrate() {
  if (m_postgres) exec("SELECT pg_advisory_lock(7283541)");
  try {
    Transaction transaction(*this);
    exec("CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)");
    Rows q = run("SELECT MAX(version) FROM schema_version");
    const int have = q.next() ? q.value(0).toInt() : 0;
    const QString id =
        m_postgres ? "BIGINT GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY" : "INTEGER PRIMARY KEY";
    for (int version = have + 1; version <= int(kMigrations.size()); ++version) {
      for (const char* statement : kMigrations[std::size_t(version - 1)])
        exec(QString::fromUtf8(statement).replace("{ID}", id));
      if (version == 3) fillSkeletons();
      if (version == 1) {
        run("INSERT INTO settings (name, value) VALUES ('secret', ?)", {RandomHex(32)});
        run("INSERT INTO rounds (opened_at) VALUES (?)", {QDateTime::currentMSecsSinceEpoch()});
      }
      run("INSERT INTO schema_version (version) VALUES (?)", {version});
    }
    transaction.commit();
  } catch (...) {
    if (m_postgres) exec("SELECT pg_advisory_unlock(7283541)");
    throw;
  }
  if (m_postgres) exec("SELECT pg_advisory_unlock(7283541)");
  qDeleteAll(m_queries);
  m_queries.clear();
}

QByteArray Store::secret() {
  Rows q = run("SELECT value FROM settings WHERE name = 'secret'");
  if (!q.next()) throw StoreError("the board's secret is missing");
  return QByteArray::fromHex(q.value(0).toByteArray());
}

// Names stored before skeletons were kept get theirs, and their key is made the way new ones
// are. Where two old names now look alike, the older account keeps the name and the newer one
// keeps a skeleton of its own, so nobody is locked out of an account they have.
void Store::fillSkeletons() {
  Rows q = run("SELECT id, name, name_key FROM accounts ORDER BY id");
  QSet<QString> skeletons, keys;
  std::vector<std::tuple<qint64, QString, QString>> rows;
  while (q.next()) {
    const qint64 id = q.value(0).toLongLong();
    const Name name = NameKeys(q.value(1).toString());
    const QString skeleton = skeletons.contains(name.skeleton)
                                 ? name.skeleton + '#' + QString::number(id)
                                 : name.skeleton;
    const QString key = keys.contains(name.key) ? q.value(2).toString() : name.key;
    skeletons.insert(skeleton);
    keys.insert(key);
    rows.emplace_back(id, key, skeleton);
  }
  // Keys move in two steps, so no key is briefly held by two accounts.
  run("UPDATE accounts SET name_key = '#' || CAST(id AS TEXT)");
  for (const auto& [id, key, skeleton] : rows)
    run("UPDATE accounts SET name_key = ?, name_skeleton = ? WHERE id = ?", {key, skeleton, id});
  exec("CREATE UNIQUE INDEX accounts_skeleton ON accounts(name_skeleton)");
}

std::optional<std::pair<Account, QByteArray>> Store::findAccount(const QString& nameKey,
                                                                 const QString& name) {
  // The name exactly as typed first: of two old names that now look alike, the newer one
  // is found by its own spelling.
  Rows q = run("SELECT id, name, password_hash FROM accounts WHERE name = ?", {name});
  if (!q.next()) {
    q = run("SELECT id, name, password_hash FROM accounts WHERE name_key = ?", {nameKey});
    if (!q.next()) return std::nullopt;
  }
  return std::pair{Account{q.value(0).toLongLong(), q.value(1).toString()},
                   q.value(2).toByteArray()};
}

bool Store::nameTaken(const QString& nameKey, const QString& skeleton) {
  return run("SELECT 1 FROM accounts WHERE name_key = ? OR name_skeleton = ?", {nameKey, skeleton})
      .next();
}

std::optional<qint64> Store::createAccount(const QString& name, const QString& nameKey,
                                           const QString& skeleton, const QByteArray& hash,
                                           qint64 now) {
  try {
    Rows q =
        run("INSERT INTO accounts (name, name_key, name_skeleton, password_hash, created_at) "
            "VALUES (?, ?, ?, ?, ?) RETURNING id",
            {name, nameKey, skeleton, QString::fromLatin1(hash), now});
    if (q.next()) return q.value(0).toLongLong();
  } catch (const StoreError&) {
    if (nameTaken(nameKey, skeleton)) return std::nullopt;
    throw;
  }
  throw StoreError("the new account has no number");
}

QByteArray Store::passwordHash(qint64 account) {
  Rows q = run("SELECT password_hash FROM accounts WHERE id = ?", {account});
  return q.next() ? q.value(0).toByteArray() : QByteArray();
}

void Store::setPassword(qint64 account, const QByteArray& hash, const QByteArray& keepSession) {
  Transaction transaction(*this);
  run("UPDATE accounts SET password_hash = ? WHERE id = ?", {QString::fromLatin1(hash), account});
  run("DELETE FROM sessions WHERE account_id = ? AND token_hash <> ?",
      {account, QString::fromLatin1(keepSession)});
  transaction.commit();
}

void Store::deleteAccount(qint64 account) {
  Transaction transaction(*this);
  run("DELETE FROM best WHERE account_id = ?", {account});
  run("DELETE FROM bids WHERE account_id = ?", {account});
  run("DELETE FROM sessions WHERE account_id = ?", {account});
  run("DELETE FROM accounts WHERE id = ?", {account});
  run(kRecount);
  transaction.commit();
}

void Store::createSession(const QByteArray& tokenHash, qint64 account, qint64 expires, qint64 now) {
  Transaction transaction(*this);
  run("DELETE FROM sessions WHERE expires_at < ?", {now});
  run("INSERT INTO sessions (token_hash, account_id, expires_at) VALUES (?, ?, ?)",
      {QString::fromLatin1(tokenHash), account, expires});
  transaction.commit();
}

std::optional<Account> Store::sessionAccount(const QByteArray& tokenHash, qint64 now) {
  Rows q =
      run("SELECT a.id, a.name FROM sessions s JOIN accounts a ON a.id = s.account_id "
          "WHERE s.token_hash = ? AND s.expires_at > ?",
          {QString::fromLatin1(tokenHash), now});
  if (!q.next()) return std::nullopt;
  return Account{q.value(0).toLongLong(), q.value(1).toString()};
}

void Store::deleteSession(const QByteArray& tokenHash) {
  run("DELETE FROM sessions WHERE token_hash = ?", {QString::fromLatin1(tokenHash)});
}

Store::Wait Store::attempt(const std::vector<Gate>& gates, qint64 now) {
  Transaction transaction(*this);
  std::vector<qint64> tries;
  for (const Gate& gate : gates) {
    // The row exists before it is read, so PostgreSQL can lock it; SQLite's transaction
    // already holds the write lock.
    run("INSERT INTO attempts (key, tries, not_before, last_at) VALUES (?, 0, 0, ?) "
        "ON CONFLICT (key) DO NOTHING",
        {gate.key, now});
    Rows q = run(m_postgres ? "SELECT tries, not_before, last_at FROM attempts WHERE key = ? "
                              "FOR UPDATE"
                            : "SELECT tries, not_before, last_at FROM attempts WHERE key = ?",
                 {gate.key});
    if (!q.next()) throw StoreError("an attempt was not counted");
    const bool forgotten = q.value(2).toLongLong() < now - gate.forgetMs;
    const qint64 notBefore = q.value(1).toLongLong();
    if (!forgotten && notBefore > now)  // nothing counted, nothing written
      return {notBefore, std::size_t(&gate - gates.data())};
    tries.push_back(forgotten ? 1 : q.value(0).toLongLong() + 1);
  }
  for (std::size_t i = 0; i < gates.size(); ++i) {
    const Gate& gate = gates[i];
    const qint64 over = tries[i] - gate.free;
    const qint64 wait =
        over <= 0 ? 0
                  : std::min(gate.maxWaitMs, gate.firstWaitMs << std::min<qint64>(over - 1, 20));
    run("UPDATE attempts SET tries = ?, not_before = ?, last_at = ? WHERE key = ?",
        {tries[i], wait ? now + wait : 0, now, gate.key});
  }
  transaction.commit();
  return {};
}

void Store::forgetAttempts(const QString& key) { run("DELETE FROM attempts WHERE key = ?", {key}); }

void Store::refundAttempt(const QString& key) {
  run("UPDATE attempts SET tries = tries - 1 WHERE key = ? AND tries > 0", {key});
}

qint64 Store::openRound(bool lock) {
  Rows q = run(!m_postgres ? "SELECT id FROM rounds WHERE closed_at IS NULL"
               : lock      ? "SELECT id FROM rounds WHERE closed_at IS NULL FOR UPDATE"
                           : "SELECT id FROM rounds WHERE closed_at IS NULL FOR SHARE");
  if (!q.next()) throw StoreError("no round is open");
  return q.value(0).toLongLong();
}

qint64 Store::postBids(std::vector<NewBid>& bids) {
  Transaction transaction(*this);
  // Locked for writing, so another process's posts cannot count the same new bidder.
  const qint64 round = openRound(true);
  for (NewBid& bid : bids) {
    // Judged by another round's rule: the board says so rather than store it under this one.
    if (bid.round != 0 && bid.round != round) {
      bid.roundChanged = true;
      continue;
    }
    exec("SAVEPOINT bid");
    try {
      Rows q =
          run("INSERT INTO bids (round_id, account_id, code, score, posted_at, verified) "
              "VALUES (?, ?, ?, ?, ?, ?) RETURNING id",
              {round, bid.account, bid.code, bid.score, bid.postedAt, bid.verified});
      if (!q.next()) throw StoreError("the new bid has no number");
      bid.id = q.value(0).toLongLong();
      Rows had =
          run("SELECT 1 FROM best WHERE round_id = ? AND account_id = ?", {round, bid.account});
      if (!had.next()) run("UPDATE rounds SET bidders = bidders + 1 WHERE id = ?", {round});
      run("INSERT INTO best (round_id, account_id, score, bid_id) VALUES (?, ?, ?, ?) "
          "ON CONFLICT (round_id, account_id) DO UPDATE SET score = excluded.score, "
          "bid_id = excluded.bid_id WHERE excluded.score > best.score",
          {round, bid.account, bid.score, q.value(0).toLongLong()});
      exec("RELEASE bid");
      bid.stored = true;
    } catch (const StoreError&) {
      exec("ROLLBACK TO bid");
      exec("RELEASE bid");
      Rows posted = run("SELECT 1 FROM bids WHERE code = ?", {bid.code});
      if (!posted.next()) throw;
      bid.stored = false;
    }
  }
  transaction.commit();
  return round;
}

std::optional<std::pair<qint64, qint64>> Store::ownBid(qint64 account, qint64 bid) {
  Rows q = run("SELECT score, round_id FROM bids WHERE id = ? AND account_id = ?", {bid, account});
  if (!q.next()) return std::nullopt;
  return std::pair{q.value(0).toLongLong(), q.value(1).toLongLong()};
}

std::optional<Placement> Store::placement(qint64 account, qint64 round) {
  Rows mine =
      run("SELECT score, bid_id FROM best WHERE round_id = ? AND account_id = ?", {round, account});
  if (!mine.next()) return std::nullopt;
  Placement p;
  p.best = mine.value(0).toLongLong();
  p.bid = mine.value(1).toLongLong();
  p.rank = rankOf(round, p.best);
  Rows all = run("SELECT bidders FROM rounds WHERE id = ?", {round});
  p.bidders = all.next() ? all.value(0).toLongLong() : 0;
  return p;
}

Standings Store::standings(int limit) {
  Standings s;
  Rows round = run(
      "SELECT id, opened_at, bidders, closes_at, rule, seed FROM rounds WHERE closed_at IS NULL "
      "ORDER BY id DESC LIMIT 1");
  if (!round.next()) throw StoreError("no round is open");
  s.round = round.value(0).toLongLong();
  s.openedAt = round.value(1).toLongLong();
  s.bidders = round.value(2).toLongLong();
  s.closesAt = round.value(3).toLongLong();
  s.rule = round.value(4).toString();
  bool number = false;
  const quint64 seed = round.value(5).toString().toULongLong(&number);
  if (number) s.seed = seed;
  s.top = standingRows(s.round, 0, limit);
  return s;
}

namespace {

StandingRow ReadRow(const Rows& q) {
  return {q.value(0).toLongLong(), q.value(1).toString(),   q.value(2).toLongLong(), 0,
          q.value(3).toLongLong(), q.value(4).toLongLong(), q.value(5).toBool()};
}

}  // namespace

qint64 Store::rankOf(qint64 round, qint64 score) {
  Rows higher = run("SELECT COUNT(*) FROM best WHERE round_id = ? AND score > ?", {round, score});
  return higher.next() ? higher.value(0).toLongLong() + 1 : 1;
}

std::vector<StandingRow> Store::standingRows(qint64 round, qint64 from, int limit) {
  std::vector<StandingRow> rows;
  Rows q =
      run("SELECT b.account_id, a.name, b.score, b.bid_id, d.posted_at, d.verified FROM best b "
          "JOIN accounts a ON a.id = b.account_id JOIN bids d ON d.id = b.bid_id "
          "WHERE b.round_id = ? ORDER BY b.score DESC, b.bid_id ASC LIMIT ? OFFSET ?",
          {round, limit, from});
  while (q.next()) rows.push_back(ReadRow(q));
  for (std::size_t i = 0; i < rows.size(); ++i)
    rows[i].rank = i == 0                               ? rankOf(round, rows[i].score)
                   : rows[i].score == rows[i - 1].score ? rows[i - 1].rank
                                                        : from + qint64(i) + 1;
  return rows;
}

std::vector<StandingRow> Store::rowsAround(qint64 round, qint64 account, int reach) {
  Rows mine =
      run("SELECT score, bid_id FROM best WHERE round_id = ? AND account_id = ?", {round, account});
  if (!mine.next()) return {};
  const qint64 score = mine.value(0).toLongLong(), bid = mine.value(1).toLongLong();
  Rows ahead = run(
      "SELECT COUNT(*) FROM best WHERE round_id = ? AND (score > ? OR (score = ? AND bid_id < ?))",
      {round, score, score, bid});
  const qint64 position = ahead.next() ? ahead.value(0).toLongLong() : 0;
  const qint64 from = std::max<qint64>(0, position - reach);
  return standingRows(round, from, int(position - from) + reach + 1);
}

std::vector<StandingRow> Store::searchRows(qint64 round, const QString& key, int limit) {
  QString pattern = key;
  pattern.replace('\\', "\\\\").replace('%', "\\%").replace('_', "\\_");
  std::vector<StandingRow> rows;
  Rows q =
      run("SELECT b.account_id, a.name, b.score, b.bid_id, d.posted_at, d.verified FROM best b "
          "JOIN accounts a ON a.id = b.account_id JOIN bids d ON d.id = b.bid_id "
          "WHERE b.round_id = ? AND a.name_key LIKE ? ESCAPE '\\' "
          "ORDER BY b.score DESC, b.bid_id ASC LIMIT ?",
          {round, "%" + pattern + "%", limit});
  while (q.next()) rows.push_back(ReadRow(q));
  for (StandingRow& row : rows) row.rank = rankOf(round, row.score);
  return rows;
}

std::vector<ClosedRound> Store::closedRounds() {
  std::vector<ClosedRound> rounds;
  Rows q =
      run("SELECT id, closed_at, bidders, winner_name, winner_score FROM rounds "
          "WHERE closed_at IS NOT NULL ORDER BY id DESC LIMIT 100");
  while (q.next())
    rounds.push_back({q.value(0).toLongLong(), q.value(1).toLongLong(), q.value(2).toLongLong(),
                      q.value(3).toString(), q.value(4).toLongLong()});
  return rounds;
}

std::vector<OwnBid> Store::ownBids(qint64 account) {
  std::vector<OwnBid> bids;
  Rows q =
      run("SELECT id, round_id, score, posted_at, verified FROM bids WHERE account_id = ? "
          "ORDER BY id DESC",
          {account});
  while (q.next())
    bids.push_back({q.value(0).toLongLong(), q.value(1).toLongLong(), q.value(2).toLongLong(),
                    q.value(3).toLongLong(), q.value(4).toBool()});
  return bids;
}

std::optional<BidRecord> Store::bid(qint64 id) {
  Rows q =
      run("SELECT b.round_id, r.closed_at IS NULL, b.account_id, a.name, b.score, b.posted_at, "
          "b.verified "
          "FROM bids b JOIN accounts a ON a.id = b.account_id JOIN rounds r ON r.id = b.round_id "
          "WHERE b.id = ?",
          {id});
  if (!q.next()) return std::nullopt;
  return BidRecord{id,
                   q.value(0).toLongLong(),
                   q.value(1).toBool(),
                   q.value(2).toLongLong(),
                   q.value(3).toString(),
                   q.value(4).toLongLong(),
                   q.value(5).toLongLong(),
                   q.value(6).toBool()};
}

ClosedRound Store::closeRound(qint64 now, const QString& nextRule,
                              std::optional<quint64> nextSeed) {
  Transaction transaction(*this);
  ClosedRound closed = close(openRound(true), now, nextRule, nextSeed);
  transaction.commit();
  return closed;
}

std::optional<ClosedRound> Store::closeRoundIfDue(qint64 now) {
  Rows due = run("SELECT closes_at FROM rounds WHERE closed_at IS NULL AND closes_at <= ?", {now});
  if (!due.next()) return std::nullopt;
  Transaction transaction(*this);
  const qint64 round = openRound(true);
  // Another process may have closed it since.
  Rows still = run("SELECT closes_at FROM rounds WHERE id = ? AND closes_at <= ?", {round, now});
  if (!still.next()) return std::nullopt;
  const ClosedRound closed = close(round, still.value(0).toLongLong());
  transaction.commit();
  return closed;
}

qint64 Store::setClosing(qint64 at) {
  Transaction transaction(*this);
  const qint64 round = openRound(true);
  run("UPDATE rounds SET closes_at = ? WHERE id = ?",
      {at ? QVariant(at) : QVariant(QMetaType(QMetaType::LongLong)), round});
  transaction.commit();
  return round;
}

ClosedRound Store::close(qint64 round, qint64 now, const QString& nextRule,
                         std::optional<quint64> nextSeed) {
  ClosedRound closed;
  closed.round = round;
  closed.closedAt = now;
  Rows top =
      run("SELECT a.name, b.score FROM best b JOIN accounts a ON a.id = b.account_id "
          "WHERE b.round_id = ? ORDER BY b.score DESC, b.bid_id ASC LIMIT 1",
          {closed.round});
  const bool any = top.next();
  if (any) closed.winner = top.value(0).toString(), closed.score = top.value(1).toLongLong();
  Rows count = run("SELECT COUNT(*) FROM best WHERE round_id = ?", {closed.round});
  closed.bidders = count.next() ? count.value(0).toLongLong() : 0;
  run("UPDATE rounds SET closed_at = ?, winner_name = ?, winner_score = ?, bidders = ? "
      "WHERE id = ?",
      {now, any ? QVariant(closed.winner) : QVariant(QMetaType(QMetaType::QString)),
       any ? QVariant(closed.score) : QVariant(QMetaType(QMetaType::LongLong)), closed.bidders,
       closed.round});
  run("INSERT INTO rounds (opened_at, bidders, rule, seed) VALUES (?, 0, ?, ?)",
      {now, nextRule,
       nextSeed ? QVariant(QString::number(*nextSeed)) : QVariant(QMetaType(QMetaType::QString))});
  return closed;
}

OpenRound Store::openRoundRule() {
  Rows q = run("SELECT id, rule, seed FROM rounds WHERE closed_at IS NULL");
  if (!q.next()) throw StoreError("no round is open");
  OpenRound round{q.value(0).toLongLong(), q.value(1).toString(), std::nullopt};
  bool number = false;
  const quint64 seed = q.value(2).toString().toULongLong(&number);
  if (number) round.seed = seed;
  return round;
}

bool Store::setRule(const QString& rule, std::optional<quint64> seed) {
  Transaction transaction(*this);
  const qint64 round = openRound(true);
  Rows bids = run("SELECT 1 FROM bids WHERE round_id = ? LIMIT 1", {round});
  if (bids.next()) return false;
  run("UPDATE rounds SET rule = ?, seed = ? WHERE id = ?",
      {rule, seed ? QVariant(QString::number(*seed)) : QVariant(QMetaType(QMetaType::QString)),
       round});
  transaction.commit();
  return true;
}

std::vector<ListedBid> Store::listBids(const QString& name, qint64 round) {
  std::vector<ListedBid> bids;
  static const char* const kList[] = {
      "SELECT b.id, b.round_id, a.name, b.score, b.posted_at, b.verified FROM bids b "
      "JOIN accounts a ON a.id = b.account_id ORDER BY b.id DESC",
      "SELECT b.id, b.round_id, a.name, b.score, b.posted_at, b.verified FROM bids b "
      "JOIN accounts a ON a.id = b.account_id WHERE a.name = ? ORDER BY b.id DESC",
      "SELECT b.id, b.round_id, a.name, b.score, b.posted_at, b.verified FROM bids b "
      "JOIN accounts a ON a.id = b.account_id WHERE b.round_id = ? ORDER BY b.id DESC",
      "SELECT b.id, b.round_id, a.name, b.score, b.posted_at, b.verified FROM bids b "
      "JOIN accounts a ON a.id = b.account_id WHERE a.name = ? AND b.round_id = ? "
      "ORDER BY b.id DESC"};
  QVariantList values;
  if (!name.isEmpty()) values << name;
  if (round != 0) values << round;
  Rows q = run(kList[(name.isEmpty() ? 0 : 1) + (round != 0 ? 2 : 0)], values);
  while (q.next())
    bids.push_back({q.value(0).toLongLong(), q.value(1).toLongLong(), q.value(2).toString(),
                    q.value(3).toLongLong(), q.value(4).toLongLong(), q.value(5).toBool()});
  return bids;
}

void Store::putRecord(const QString& code, const QByteArray& record, qint64 now) {
  Transaction transaction(*this);
  run("DELETE FROM records WHERE sent_at < ? AND code NOT IN (SELECT code FROM bids)",
      {now - kRecordKeptMs});
  run("INSERT INTO records (code, record, sent_at) VALUES (?, ?, ?) "
      "ON CONFLICT (code) DO NOTHING",
      {code, QString::fromLatin1(record), now});
  transaction.commit();
}

std::optional<QByteArray> Store::recordFor(const QString& code) {
  Rows q = run("SELECT record FROM records WHERE code = ?", {code});
  if (!q.next()) return std::nullopt;
  return q.value(0).toString().toLatin1();
}

std::optional<ClosedRound> Store::closedRound(qint64 round) {
  Rows q =
      run("SELECT id, closed_at, bidders, winner_name, winner_score FROM rounds "
          "WHERE id = ? AND closed_at IS NOT NULL",
          {round});
  if (!q.next()) return std::nullopt;
  return ClosedRound{q.value(0).toLongLong(), q.value(1).toLongLong(), q.value(2).toLongLong(),
                     q.value(3).toString(), q.value(4).toLongLong()};
}

std::vector<std::pair<qint64, Placement>> Store::placements(qint64 account) {
  std::vector<qint64> rounds;
  Rows q = run("SELECT round_id FROM best WHERE account_id = ? ORDER BY round_id DESC", {account});
  while (q.next()) rounds.push_back(q.value(0).toLongLong());
  std::vector<std::pair<qint64, Placement>> places;
  for (const qint64 round : rounds)
    if (const auto placed = placement(account, round)) places.emplace_back(round, *placed);
  return places;
}

void Store::refreshBest(qint64 round, qint64 account) {
  run("DELETE FROM best WHERE round_id = ? AND account_id = ?", {round, account});
  run("INSERT INTO best (round_id, account_id, score, bid_id) "
      "SELECT round_id, account_id, score, id FROM bids WHERE round_id = ? AND account_id = ? "
      "ORDER BY score DESC, id ASC LIMIT 1",
      {round, account});
}

bool Store::removeBid(qint64 bid) {
  Transaction transaction(*this);
  Rows q = run("SELECT round_id, account_id FROM bids WHERE id = ?", {bid});
  if (!q.next()) return false;
  const qint64 round = q.value(0).toLongLong(), account = q.value(1).toLongLong();
  run("DELETE FROM bids WHERE id = ?", {bid});
  refreshBest(round, account);
  run(kRecount);
  transaction.commit();
  return true;
}

}  // namespace quillmere::board
