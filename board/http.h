// The board's HTTP transport: libmicrohttpd reads and frames every request, caps connections in
// all and per address, bounds each connection's memory and closes idle ones. A request whose
// answer comes later (a password hash, a post waiting for its commit) has its connection
// suspended until then; a connection runs one request at a time.
#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QString>
#include <functional>

struct MHD_Daemon;

namespace quillmere::board {

inline constexpr int kMaxHeadBytes = 8 * 1024;
inline constexpr int kMaxBodyBytes = 64 * 1024;
// A game's record is sent whole to its own address, or pasted beside a bid, and may be larger
// than a form.
inline constexpr char kRecordsPath[] = "/quillmere/records";
inline constexpr char kBidPath[] = "/quillmere/bid";
inline constexpr int kMaxRecordBodyBytes = 1024 * 1024;

struct Request {
  QByteArray method;
  QByteArray path;   // percent-decoded, without the query; may hold any byte but NUL
  QByteArray query;  // as sent, e.g. "bid=12"
  QList<std::pair<QByteArray, QByteArray>> headers;  // names in lower case, in the order sent
  QByteArray body;
  QHostAddress peer;

  QByteArray header(const QByteArray& lowerName) const;  // the first of that name
  QByteArray argument(const QByteArray& name) const;     // a query field, decoded
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
// Called on one of the server's threads; may answer later through the Reply.
using Handler = std::function<void(Request&&, Reply)>;
// Turns a refusal of the server itself (status and message) into a page.
using ErrorPage = std::function<Response(int status, const QString& message)>;

struct Limits {
  int threads = 2;
  int connections = 4000;               // all at once; lowered to what the descriptor limit allows
  int connectionsPerAddress = 0;        // 0: no cap (behind a proxy every client has its address)
  int memoryPerConnection = 16 * 1024;  // the request head and the reply's head fit in it
  int idleSeconds = 15;
};

class HttpServer {
 public:
  HttpServer(Handler handler, ErrorPage errorPage, Limits limits);
  ~HttpServer();
  HttpServer(const HttpServer&) = delete;
  HttpServer& operator=(const HttpServer&) = delete;

  bool listen(const QHostAddress& host, quint16 port);
  quint16 serverPort() const { return m_port; }
  QString errorString() const { return m_error; }
  const Limits& limits() const { return m_limits; }

  // libmicrohttpd's entry points.
  struct Exchange;
  const Handler& handler() const { return m_handler; }
  const ErrorPage& errorPage() const { return m_errorPage; }

 private:
  Handler m_handler;
  ErrorPage m_errorPage;
  Limits m_limits;
  MHD_Daemon* m_daemon = nullptr;
  quint16 m_port = 0;
  QString m_error;
};

}  // namespace quillmere::board
