// The HTTP server: parsing is strict and bounded; a request that breaks a limit gets its status
// with a page that says why, and the connection is closed.
#include "board/http.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QPointer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <unordered_set>

namespace quillmere::board {

namespace {
thread_local QObject* t_worker = nullptr;

QByteArray ReasonPhrase(int status) {
  switch (status) {
    case 200:
      return "OK";
    case 303:
      return "See Other";
    case 304:
      return "Not Modified";
    case 400:
      return "Bad Request";
    case 403:
      return "Forbidden";
    case 404:
      return "Not Found";
    case 405:
      return "Method Not Allowed";
    case 408:
      return "Request Timeout";
    case 411:
      return "Length Required";
    case 413:
      return "Content Too Large";
    case 429:
      return "Too Many Requests";
    case 431:
      return "Request Header Fields Too Large";
    case 500:
      return "Internal Server Error";
    case 501:
      return "Not Implemented";
    case 503:
      return "Service Unavailable";
  }
  return "Unknown";
}

bool IsToken(const QByteArray& s) {
  if (s.isEmpty()) return false;
  for (char c : s)
    if (c <= 32 || c >= 127 || QByteArray("()<>@,;:\\\"/[]?={}").contains(c)) return false;
  return true;
}
}  // namespace

QObject* CurrentWorker() { return t_worker; }

QByteArray Request::header(const QByteArray& lowerName) const {
  for (const auto& [name, value] : headers)
    if (name == lowerName) return value;
  return {};
}

class Connection;

class Worker : public QObject {
 public:
  Worker(const Handler& handler, const ErrorPage& errorPage)
      : m_handler(handler), m_errorPage(errorPage) {}
  void start() {
    t_worker = this;
    m_clock.start();
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &Worker::closeIdle);
    timer->start(1000);
  }
  void accept(qintptr descriptor);
  void forget(Connection* c) { m_connections.erase(c); }
  qint64 now() const { return m_clock.elapsed(); }
  const Handler& handler() const { return m_handler; }
  const ErrorPage& errorPage() const { return m_errorPage; }

 private:
  void closeIdle();
  Handler m_handler;
  ErrorPage m_errorPage;
  std::unordered_set<Connection*> m_connections;
  QElapsedTimer m_clock;
};

class Connection : public QObject {
 public:
  Connection(Worker* worker, QTcpSocket* socket)
      : QObject(worker), m_worker(worker), m_socket(socket) {
    socket->setParent(this);
    m_lastActivity = m_worker->now();
    connect(socket, &QTcpSocket::readyRead, this, &Connection::read);
    connect(socket, &QTcpSocket::disconnected, this, &Connection::drop);
    connect(socket, &QTcpSocket::errorOccurred, this, &Connection::drop);
  }

  // A connection with a request in hand stays until its reply has come back.
  void drop() {
    if (m_dropped) return;
    m_dropped = true;
    m_worker->forget(this);
    m_socket->abort();
    if (!m_busy) deleteLater();
  }

  bool idle(qint64 now) const {
    if (m_busy) return false;
    if (m_closing) return now - m_lastActivity > qint64{kIdleSeconds} * 1000;
    const qint64 since = m_buffer.isEmpty() ? m_lastActivity : m_requestStart;
    return now - since > qint64{kIdleSeconds} * 1000;
  }

 private:
  void read() {
    if (m_dropped || m_closing) return;
    const QByteArray data = m_socket->readAll();
    if (m_buffer.isEmpty() && !data.isEmpty()) m_requestStart = m_worker->now();
    m_buffer += data;
    m_lastActivity = m_worker->now();
    process();
  }

  void refuse(int status, const QString& message) {
    Response response = m_worker->errorPage()(status, message);
    response.close = true;
    send(response);
  }

  void process() {
    while (!m_busy && !m_dropped && !m_closing) {
      if (!m_haveHead) {
        const qsizetype end = m_buffer.indexOf("\r\n\r\n");
        if (end < 0 ? m_buffer.size() > kMaxHeadBytes : end + 4 > kMaxHeadBytes)
          return refuse(431, QStringLiteral("The request's headers are larger than this board "
                                            "accepts (8 KB)."));
        if (end < 0) return;
        if (!parseHead(m_buffer.left(end))) return;
        m_buffer.remove(0, end + 4);
      }
      if (m_buffer.size() < m_contentLength) return;
      m_request.body = m_buffer.left(m_contentLength);
      m_buffer.remove(0, m_contentLength);
      if (!m_buffer.isEmpty()) m_requestStart = m_worker->now();
      m_haveHead = false;
      m_busy = true;
      m_lastMethod = m_request.method;
      m_request.peer = m_socket->peerAddress();
      QPointer<Worker> worker = m_worker;
      Connection* self = this;
      m_worker->handler()(std::move(m_request), [worker, self](Response response) {
        QMetaObject::invokeMethod(
            worker, [self, response = std::move(response)] { self->finish(response); });
      });
      m_request = Request();
    }
  }

  bool parseHead(const QByteArray& head) {
    const QList<QByteArray> lines = head.split('\n');
    const QList<QByteArray> start = lines[0].trimmed().split(' ');
    if (start.size() != 3 || !IsToken(start[0]) || !start[1].startsWith('/') ||
        !start[2].startsWith("HTTP/1.")) {
      refuse(400, QStringLiteral("This request is not one this board understands."));
      return false;
    }
    m_request.method = start[0];
    const qsizetype question = start[1].indexOf('?');
    m_request.path = question < 0 ? start[1] : start[1].left(question);
    if (question >= 0) m_request.query = start[1].mid(question + 1);
    m_keepAlive = start[2] == "HTTP/1.1";
    for (qsizetype i = 1; i < lines.size(); ++i) {
      const QByteArray line = lines[i].endsWith('\r') ? lines[i].chopped(1) : lines[i];
      const qsizetype colon = line.indexOf(':');
      if (colon <= 0 || !IsToken(line.left(colon))) {
        refuse(400, QStringLiteral("This request has a header this board cannot read."));
        return false;
      }
      m_request.headers.append({line.left(colon).toLower(), line.mid(colon + 1).trimmed()});
    }
    const QByteArray connection = m_request.header("connection").toLower();
    if (connection == "close") m_keepAlive = false;
    if (connection == "keep-alive") m_keepAlive = true;
    if (!m_request.header("transfer-encoding").isEmpty()) {
      refuse(411, QStringLiteral("Send the request's length (Content-Length)."));
      return false;
    }
    const QByteArray length = m_request.header("content-length");
    bool ok = true;
    m_contentLength = length.isEmpty() ? 0 : length.toLongLong(&ok);
    if (!ok || m_contentLength < 0) {
      refuse(400, QStringLiteral("The request's length cannot be read."));
      return false;
    }
    if (m_contentLength > kMaxBodyBytes) {
      refuse(413, QStringLiteral("What you sent is larger than this board accepts (64 KB)."));
      return false;
    }
    m_haveHead = true;
    return true;
  }

  void send(const Response& response) {
    QByteArray out;
    out.reserve(response.body.size() + 512);
    out += "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + ReasonPhrase(response.status) +
           "\r\nContent-Type: " + response.contentType +
           "\r\nContent-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    for (const QByteArray& header : response.headers) out += header + "\r\n";
    const bool close = response.close || !m_keepAlive;
    if (close) out += "Connection: close\r\n";
    out += "\r\n";
    if (m_lastMethod != "HEAD") out += response.body;
    m_socket->write(out);
    // The socket flushes what is written before it closes; `disconnected` then drops it.
    if (close) {
      m_closing = true;
      m_socket->disconnectFromHost();
    }
  }

  void finish(const Response& response) {
    m_busy = false;
    if (m_dropped) return deleteLater();
    send(response);
    m_lastActivity = m_worker->now();
    if (!m_dropped)
      process();
    else
      deleteLater();
  }

  Worker* m_worker;
  QTcpSocket* m_socket;
  QByteArray m_buffer;
  Request m_request;
  QByteArray m_lastMethod;
  qint64 m_contentLength = 0;
  qint64 m_lastActivity = 0;
  qint64 m_requestStart = 0;
  bool m_haveHead = false;
  bool m_keepAlive = true;
  bool m_busy = false;
  bool m_dropped = false;
  bool m_closing = false;
};

void Worker::accept(qintptr descriptor) {
  auto* socket = new QTcpSocket;
  if (!socket->setSocketDescriptor(descriptor)) {
    delete socket;
    return;
  }
  m_connections.insert(new Connection(this, socket));
}

void Worker::closeIdle() {
  std::vector<Connection*> idle;
  for (Connection* c : m_connections)
    if (c->idle(now())) idle.push_back(c);
  for (Connection* c : idle) c->drop();
}

HttpServer::HttpServer(const Handler& handler, const ErrorPage& errorPage, int threads) {
  for (int i = 0; i < threads; ++i) {
    auto thread = std::make_unique<QThread>();
    auto* worker = new Worker(handler, errorPage);
    worker->moveToThread(thread.get());
    QObject::connect(thread.get(), &QThread::finished, worker, &QObject::deleteLater);
    thread->start();
    QMetaObject::invokeMethod(worker, [worker] { worker->start(); });
    m_workers.push_back(worker);
    m_threads.push_back(std::move(thread));
  }
}

HttpServer::~HttpServer() {
  for (auto& thread : m_threads) {
    thread->quit();
    thread->wait();
  }
}

void HttpServer::incomingConnection(qintptr socket) {
  Worker* worker = m_workers[m_next++ % m_workers.size()];
  QMetaObject::invokeMethod(worker, [worker, socket] { worker->accept(socket); });
}

}  // namespace quillmere::board
