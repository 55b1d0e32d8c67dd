// The one thread that stores posted bids.
#pragma once

#include <QString>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "board/store.h"

namespace quillmere::board {

// It takes every post waiting and commits them in one transaction, so a disk that syncs a few
// hundred times a second still stores thousands of posts a second. Each post's answer comes
// once its commit is done.
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

}  // namespace quillmere::board
