// The bid board: its routes, accounts and sessions, posting bids, the pages it makes and the
// static files of the site it serves.
#pragma once

#include <QMutex>
#include <QString>
#include <QThreadPool>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_map>

#include "board/html.h"
#include "board/http.h"
#include "board/store.h"

namespace quillmere::board {

struct Options {
  QString listen = QStringLiteral("127.0.0.1:8080");
  QString database;                // empty: the SQLite file in the user's data folder
  QString publicUrl;               // https makes the cookies Secure
  QString site;                    // the folder that holds quillmere/style.css and the static pages
  bool trustProxy = false;         // take the client's address from X-Forwarded-For
  int threads = 0;                 // 0: one per core
  int connections = 4000;          // open at once, in all
  int connectionsPerAddress = -1;  // -1: 64, or no cap behind a trusted proxy
  int bidsPerMinute = 30;          // from one address, after a first burst of as many; 0: any
};

struct Visitor;
struct CachedStandings;

// The one thread that stores posted bids: it takes every post waiting and commits them in one
// transaction, so a disk that syncs a few hundred times a second still stores thousands of
// posts a second. Each post's answer comes once its commit is done.
class BidWriter {
 public:
  // The bid as stored (or, when the database failed, none), the round, and the board's write
  // count after the commit.
  using Done = std::function<void(std::optional<NewBid>, qint64 round, quint64 writes)>;
  BidWriter(const QString& database, std::atomic<quint64>& writes);
  ~BidWriter();
  void post(NewBid bid, Done done);

 private:
  void run();
  QString m_database;
  std::atomic<quint64>& m_writes;
  std::mutex m_lock;
  std::condition_variable m_wake;
  std::vector<std::pair<NewBid, Done>> m_queue;
  bool m_stop = false;
  std::thread m_thread;
};

class Board {
 public:
  explicit Board(const Options& options);
  ~Board();

  void handle(Request&& request, const Reply& reply);
  Response errorPage(int status, const QString& message);

 private:
  Store& store();
  Visitor visit(const Request& request);
  QByteArray csrfFor(const QByteArray& token) const;
  Response page(int status, const Visitor& visitor, const QString& title, const QByteArray& current,
                const Html& main);
  // `seen`: the standings shown must include the board's writes up to this count.
  Response boardPage(int status, const Visitor& visitor, const QString& error,
                     const QString& notice, quint64 seen = 0);
  Response accountPage(int status, const Visitor& visitor, const QString& error,
                       const QString& notice);
  Response staticFile(const Request& request);
  std::shared_ptr<const CachedStandings> standings(quint64 seen);

  void signup(const Request& request, Visitor&& visitor, const Reply& reply);
  void login(const Request& request, Visitor&& visitor, const Reply& reply);
  void logout(Visitor&& visitor, const Reply& reply);
  void bid(const Request& request, Visitor&& visitor, const Reply& reply);
  QString bidNotice(qint64 account, const Request& request);
  void changePassword(const Request& request, Visitor&& visitor, const Reply& reply);
  void deleteAccount(const Request& request, Visitor&& visitor, const Reply& reply);
  // Starts a session for an account on this visitor, with a fresh token.
  void startSession(Visitor& visitor, const Account& account);
  void endSession(Visitor& visitor);
  // Counts a password try for an account (by its name's key) from the visitor's address, before
  // the password is checked; the refusal to show when the try must wait.
  QString passwordTry(const QString& nameKey, const Visitor& visitor);
  // A right password: its try is not held against the account or the address.
  void passwordRight(const QString& nameKey, const Visitor& visitor);
  // Whether the visitor's address may post another bid now.
  bool bidAllowed(const QString& address);
  // Runs a password hash on the hashing threads, then `then` on the same thread. Log-ins and
  // other checks of a password go before sign-ups waiting, so a flood of sign-ups does not
  // hold them up.
  enum class Priority { SignUp = 0, Password = 1 };
  template <typename Work, typename Then>
  void offLoop(const Reply& reply, Priority priority, Work work, Then then);

  Options m_options;
  QByteArray m_secret;
  QByteArray m_dummyHash;
  QString m_siteRoot;
  QThreadPool m_hashing;
  QMutex m_cacheLock;
  std::shared_ptr<const CachedStandings> m_cache;
  std::atomic<quint64> m_writes{0};
  std::unique_ptr<BidWriter> m_writer;
  std::atomic<int> m_signupsWaiting{0};
  struct Bucket {
    double tokens = 0;
    qint64 at = 0;
  };
  std::mutex m_bucketsLock;
  std::unordered_map<QString, Bucket> m_buckets;  // bids per address
};

// The hash of a password in the PHC form libsodium writes (Argon2id, 19 MiB, 2 passes).
QByteArray HashPassword(const QByteArray& password);
bool VerifyPassword(const QByteArray& hash, const QByteArray& password);

}  // namespace quillmere::board
