// A small, strict HTTP/1.1 server: one listening socket, a few threads that each own their
// connections, capped request heads and bodies, and idle connections closed.
#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QTcpServer>
#include <functional>
#include <memory>
#include <vector>

class QThread;

namespace quillmere::board {

inline constexpr int kMaxHeadBytes = 8 * 1024;
inline constexpr int kMaxBodyBytes = 64 * 1024;
inline constexpr int kIdleSeconds = 15;

struct Request {
  QByteArray method;
  QByteArray path;  // still percent-encoded, without the query
  QByteArray query;
  QList<std::pair<QByteArray, QByteArray>> headers;  // names in lower case
  QByteArray body;
  QHostAddress peer;

  QByteArray header(const QByteArray& lowerName) const;
};

struct Response {
  int status = 200;
  QByteArray contentType = "text/html; charset=utf-8";
  QList<QByteArray> headers;  // whole lines without the line end, e.g. "Location: /quillmere/"
  QByteArray body;
  bool close = false;
};

// Delivers the response of one request. It may be called from any thread, exactly once.
using Reply = std::function<void(Response)>;
// Called on the thread that owns the connection; may answer later through the Reply.
using Handler = std::function<void(Request&&, Reply)>;
// Turns a refusal of the server itself (status and message) into a page.
using ErrorPage = std::function<Response(int status, const QString& message)>;

class Worker;

class HttpServer : public QTcpServer {
 public:
  HttpServer(const Handler& handler, const ErrorPage& errorPage, int threads);
  ~HttpServer() override;

 protected:
  void incomingConnection(qintptr socket) override;

 private:
  std::vector<std::unique_ptr<QThread>> m_threads;
  std::vector<Worker*> m_workers;
  std::size_t m_next = 0;
};

// The object living in the calling worker thread (for continuations that must come back to it).
QObject* CurrentWorker();

}  // namespace quillmere::board
