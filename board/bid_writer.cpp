#include "board/bid_writer.h"

#include <memory>

namespace quillmere::board {

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

}  // namespace quillmere::board
