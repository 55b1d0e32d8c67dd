// The bid board: its routes, and what each form does. Sessions and throttles live in
// sessions.h, the pages in pages.h, the files in static_files.h, the bid writer in
// bid_writer.h.
#pragma once

#include <QMutex>
#include <QString>
#include <QThreadPool>
#include <atomic>
#include <memory>

#include "board/bid_writer.h"
#include "board/http.h"
#include "board/pages.h"
#include "board/sessions.h"
#include "board/static_files.h"
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

class Board {
 public:
  explicit Board(const Options& options);
  ~Board();

  void handle(Request&& request, const Reply& reply);
  // The port the board listens on, once it does (it may have been left to the system).
  void setListeningPort(quint16 port) { m_port = port; }
  // Closes the open round when its closing time has come. Called every second on one thread.
  void tick();
  Response errorPage(int status, const QString& message);

 private:
  Store& store() { return m_stores.local(); }
  Response data(const QByteArray& route, const Request& request);
  Response getPage(const QByteArray& route, const Request& request, const Visitor& visitor);
  // `seen`: the standings shown must include the board's writes up to this count.
  Response boardPage(int status, const Visitor& visitor, const Refusal& error,
                     const QString& notice, quint64 seen = 0, qint64 sharedBid = 0,
                     const Request* request = nullptr);
  Response accountPage(int status, const Visitor& visitor, const Refusal& error,
                       const QString& notice);
  std::shared_ptr<const StandingsView> standings(quint64 seen);

  void signup(const Request& request, Visitor&& visitor, const Reply& reply);
  void login(const Request& request, Visitor&& visitor, const Reply& reply);
  void logout(Visitor&& visitor, const Reply& reply);
  void bid(const Request& request, Visitor&& visitor, const Reply& reply);
  // A game's record, sent by the game when its end screen comes up: kept by the bid code it
  // plays to, for the bid that will claim it.
  void record(const Request& request, const Reply& reply);
  QString bidNotice(qint64 account, const Request& request);
  void changePassword(const Request& request, Visitor&& visitor, const Reply& reply);
  void deleteAccount(const Request& request, Visitor&& visitor, const Reply& reply);
  // Runs a password hash on the hashing threads, then `then` on the same thread. Log-ins and
  // other checks of a password go before sign-ups waiting, so a flood of sign-ups does not
  // hold them up.
  enum class Priority { SignUp = 0, Password = 1 };
  template <typename Work, typename Then>
  void offLoop(const Reply& reply, Priority priority, Work work, Then then);

  Options m_options;
  StorePool m_stores;
  std::unique_ptr<Sessions> m_sessions;
  StaticFiles m_files;
  QByteArray m_dummyHash;
  QThreadPool m_hashing;
  QMutex m_cacheLock;
  struct Cached {
    std::shared_ptr<const StandingsView> view;
    qint64 builtAt = 0;
    quint64 writes = 0;
  } m_cache;
  std::atomic<quint64> m_writes{0};
  std::atomic<quint16> m_port{0};
  std::unique_ptr<BidWriter> m_writer;
  std::atomic<int> m_signupsWaiting{0};
};

}  // namespace quillmere::board
