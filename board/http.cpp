// The board on libmicrohttpd. The library reads and frames requests and writes replies; this
// file turns one request into a Request, hands it to the board, and queues what comes back,
// suspending the connection when the answer is not ready yet.
#include "board/http.h"

#include <atomic>

#include <microhttpd.h>
#include <netinet/in.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>

namespace quillmere::board {

QByteArray Request::header(const QByteArray& lowerName) const {
  for (const auto& [name, value] : headers)
    if (name == lowerName) return value;
  return {};
}

QByteArray Request::argument(const QByteArray& name) const {
  for (const QByteArray& pair : query.split('&')) {
    const qsizetype eq = pair.indexOf('=');
    if (eq >= 0 && pair.left(eq) == name)
      return QByteArray::fromPercentEncoding(pair.mid(eq + 1).replace('+', ' '));
  }
  return {};
}

// One request on its way: its body as it arrives, and its answer once the board has one. The
// answer may come from another thread, so it is handed over under a lock; a connection whose
// answer is late is suspended and resumed by whoever brings it.
struct HttpServer::Exchange {
  HttpServer* server = nullptr;
  MHD_Connection* connection = nullptr;
  Request request;
  bool handled = false;
  std::mutex lock;
  std::optional<Response> response;
  bool suspended = false;
  qsizetype bodyCap = kMaxBodyBytes;
  // What this exchange holds of the bodies larger than a form, which all connections share a
  // budget for, so many large sends at once cannot take the board's memory.
  qsizetype largeHeld = 0;
  ~Exchange();
};

namespace {
constexpr qsizetype kLargeBodiesBudget = qsizetype{64} * 1024 * 1024;
std::atomic<qsizetype> g_largeBodies{0};
}  // namespace

HttpServer::Exchange::~Exchange() { g_largeBodies -= largeHeld; }

namespace {

using Holder = std::shared_ptr<HttpServer::Exchange>;

// The URL reaches the board as sent; the board decodes it once, so no part of it is decoded
// twice and a "%00" is a byte like any other rather than the end of the path.
size_t KeepEncoded(void*, MHD_Connection*, char* text) { return std::strlen(text); }

MHD_Result Queue(MHD_Connection* connection, Response response) {
  MHD_Response* out = MHD_create_response_from_buffer(std::size_t(response.body.size()),
                                                      response.body.data(), MHD_RESPMEM_MUST_COPY);
  if (!out) return MHD_NO;
  MHD_add_response_header(out, MHD_HTTP_HEADER_CONTENT_TYPE, response.contentType.constData());
  for (const QByteArray& line : response.headers) {
    const qsizetype colon = line.indexOf(':');
    if (colon <= 0) continue;
    // The library refuses a name or value with a line break in it, so none reaches the wire.
    MHD_add_response_header(out, line.left(colon).constData(),
                            line.mid(colon + 1).trimmed().constData());
  }
  if (response.close) MHD_add_response_header(out, MHD_HTTP_HEADER_CONNECTION, "close");
  const MHD_Result queued = MHD_queue_response(connection, unsigned(response.status), out);
  MHD_destroy_response(out);
  return queued;
}

MHD_Result AddHeader(void* cls, MHD_ValueKind, const char* name, const char* value) {
  static_cast<Request*>(cls)->headers.append(
      {QByteArray(name).toLower(), QByteArray(value ? value : "")});
  return MHD_YES;
}

MHD_Result AddArgument(void* cls, MHD_ValueKind, const char* name, const char* value) {
  QByteArray& query = static_cast<Request*>(cls)->query;
  if (!query.isEmpty()) query += '&';
  query += name;
  if (value) query += '=' + QByteArray(value);
  return MHD_YES;
}

QHostAddress Peer(MHD_Connection* connection) {
  const MHD_ConnectionInfo* info =
      MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CLIENT_ADDRESS);
  return info && info->client_addr ? QHostAddress(info->client_addr) : QHostAddress();
}

// What the library lets through but a proxy in front might read another way: two lengths, a
// length that is not plain digits, a transfer coding other than chunked (or with a length),
// a line break or NUL inside a value. Refused, so no body can be taken for a request.
struct Framing {
  int lengths = 0;
  bool badLength = false, badCoding = false, badValue = false;
  qsizetype headBytes = 0;
};

MHD_Result CheckHeader(void* cls, MHD_ValueKind, const char* name, const char* value) {
  auto& framing = *static_cast<Framing*>(cls);
  const QByteArray field(name), text(value ? value : "");
  framing.headBytes += field.size() + text.size() + 4;
  if (text.contains('\r') || text.contains('\n')) framing.badValue = true;
  if (field.compare("content-length", Qt::CaseInsensitive) == 0) {
    ++framing.lengths;
    if (text.isEmpty() || text.size() > 18 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
      framing.badLength = true;
  }
  if (field.compare("transfer-encoding", Qt::CaseInsensitive) == 0 &&
      text.compare("chunked", Qt::CaseInsensitive) != 0)
    framing.badCoding = true;
  return MHD_YES;
}

MHD_Result Access(void* cls, MHD_Connection* connection, const char* url, const char* method,
                  const char*, const char* upload, size_t* uploadSize, void** context) {
  auto* server = static_cast<HttpServer*>(cls);
  if (!*context) {
    // The head is in: refuse a body too large before it is sent (and before any
    // "100 Continue"), else wait for it.
    Framing framing;
    MHD_get_connection_values(connection, MHD_HEADER_KIND, CheckHeader, &framing);
    const bool chunked =
        MHD_lookup_connection_value(connection, MHD_HEADER_KIND, MHD_HTTP_HEADER_TRANSFER_ENCODING);
    framing.headBytes += qsizetype(std::strlen(url) + std::strlen(method)) + 16;
    if (framing.headBytes > kMaxHeadBytes) {
      Response refusal = server->errorPage()(
          431, QStringLiteral("The request's headers are larger than this board accepts (8 KB)."));
      refusal.close = true;
      return Queue(connection, std::move(refusal));
    }
    if (framing.lengths > 1 || framing.badLength || framing.badCoding || framing.badValue ||
        (chunked && framing.lengths)) {
      Response refusal = server->errorPage()(
          400, QStringLiteral("This request is not one this board understands."));
      refusal.close = true;
      return Queue(connection, std::move(refusal));
    }
    const char* length =
        MHD_lookup_connection_value(connection, MHD_HEADER_KIND, MHD_HTTP_HEADER_CONTENT_LENGTH);
    const QByteArray target = QByteArray::fromPercentEncoding(url);
    const qsizetype cap =
        target == kRecordsPath || target == kBidPath ? kMaxRecordBodyBytes : kMaxBodyBytes;
    if (length && std::strtoull(length, nullptr, 10) > std::uint64_t(cap)) {
      Response refusal = server->errorPage()(
          413, QStringLiteral("What you sent is larger than this board accepts (%1 KB).")
                   .arg(cap / 1024));
      refusal.close = true;
      return Queue(connection, std::move(refusal));
    }
    auto exchange = std::make_shared<HttpServer::Exchange>();
    exchange->bodyCap = cap;
    exchange->server = server;
    exchange->connection = connection;
    *context = new Holder(std::move(exchange));
    return MHD_YES;
  }
  HttpServer::Exchange& exchange = **static_cast<Holder*>(*context);
  if (*uploadSize) {
    // A body sent in chunks has no length to refuse up front: past the cap, the connection
    // is closed.
    if (exchange.request.body.size() + qsizetype(*uploadSize) > exchange.bodyCap) return MHD_NO;
    if (exchange.bodyCap > kMaxBodyBytes) {
      const auto bytes = qsizetype(*uploadSize);
      if (g_largeBodies.fetch_add(bytes) + bytes > kLargeBodiesBudget) {
        g_largeBodies -= bytes;
        return MHD_NO;
      }
      exchange.largeHeld += bytes;
    }
    exchange.request.body.append(upload, qsizetype(*uploadSize));
    *uploadSize = 0;
    return MHD_YES;
  }
  if (!exchange.handled) {
    exchange.handled = true;
    Request request = std::move(exchange.request);
    request.method = method;
    request.path = QByteArray::fromPercentEncoding(url);
    request.peer = Peer(connection);
    MHD_get_connection_values(connection, MHD_HEADER_KIND, AddHeader, &request);
    MHD_get_connection_values(connection, MHD_GET_ARGUMENT_KIND, AddArgument, &request);
    Holder keep = *static_cast<Holder*>(*context);
    server->handler()(std::move(request), [keep](Response response) {
      std::lock_guard lock(keep->lock);
      keep->response = std::move(response);
      if (keep->suspended) {
        keep->suspended = false;
        MHD_resume_connection(keep->connection);
      }
    });
  }
  std::lock_guard lock(exchange.lock);
  if (exchange.response) {
    Response response = std::move(*exchange.response);
    exchange.response.reset();
    return Queue(connection, std::move(response));
  }
  // Nothing to read or write on this connection until the answer comes.
  exchange.suspended = true;
  MHD_suspend_connection(connection);
  return MHD_YES;
}

void Completed(void*, MHD_Connection*, void** context, MHD_RequestTerminationCode) {
  delete static_cast<Holder*>(*context);
  *context = nullptr;
}

// As many descriptors as the system lets this process have, and the connections that leaves
// room for besides the database's, the site's files and the listening socket.
int ConnectionCap(int wanted) {
  rlimit limit{};
  if (getrlimit(RLIMIT_NOFILE, &limit) != 0) return std::min(wanted, 960);
  if (limit.rlim_cur < limit.rlim_max) {
    limit.rlim_cur = std::min<rlim_t>(limit.rlim_max, 65536);
    setrlimit(RLIMIT_NOFILE, &limit);
    getrlimit(RLIMIT_NOFILE, &limit);
  }
  return int(
      std::clamp<rlim_t>(limit.rlim_cur > 128 ? limit.rlim_cur - 128 : 16, 16, rlim_t(wanted)));
}

}  // namespace

HttpServer::HttpServer(Handler handler, ErrorPage errorPage, Limits limits)
    : m_handler(std::move(handler)), m_errorPage(std::move(errorPage)), m_limits(limits) {}

HttpServer::~HttpServer() {
  if (m_daemon) MHD_stop_daemon(m_daemon);
}

bool HttpServer::listen(const QHostAddress& host, quint16 port) {
  m_limits.connections = ConnectionCap(m_limits.connections);
  sockaddr_in v4{};
  sockaddr_in6 v6{};
  const sockaddr* address = nullptr;
  unsigned flags =
      MHD_USE_INTERNAL_POLLING_THREAD | MHD_USE_EPOLL | MHD_ALLOW_SUSPEND_RESUME | MHD_USE_TURBO;
  if (host.protocol() == QAbstractSocket::IPv6Protocol) {
    v6.sin6_family = AF_INET6;
    v6.sin6_port = htons(port);
    const Q_IPV6ADDR bytes = host.toIPv6Address();
    std::memcpy(&v6.sin6_addr, &bytes, sizeof bytes);
    address = reinterpret_cast<const sockaddr*>(&v6);
    flags |= MHD_USE_IPv6;
  } else {
    v4.sin_family = AF_INET;
    v4.sin_port = htons(port);
    v4.sin_addr.s_addr = htonl(host.toIPv4Address());
    address = reinterpret_cast<const sockaddr*>(&v4);
  }
  m_daemon = MHD_start_daemon(
      flags, port, nullptr, nullptr, &Access, this, MHD_OPTION_SOCK_ADDR, address,
      MHD_OPTION_THREAD_POOL_SIZE, unsigned(std::max(1, m_limits.threads)),
      MHD_OPTION_CONNECTION_LIMIT, unsigned(m_limits.connections),
      MHD_OPTION_PER_IP_CONNECTION_LIMIT, unsigned(m_limits.connectionsPerAddress),
      MHD_OPTION_CONNECTION_MEMORY_LIMIT, std::size_t(m_limits.memoryPerConnection),
      MHD_OPTION_CONNECTION_TIMEOUT, unsigned(m_limits.idleSeconds), MHD_OPTION_NOTIFY_COMPLETED,
      &Completed, nullptr, MHD_OPTION_UNESCAPE_CALLBACK, &KeepEncoded, nullptr,
      MHD_OPTION_LISTEN_BACKLOG_SIZE, 1024u, MHD_OPTION_END);
  if (!m_daemon) {
    m_error = QString::fromLocal8Bit(std::strerror(errno));
    return false;
  }
  const MHD_DaemonInfo* info = MHD_get_daemon_info(m_daemon, MHD_DAEMON_INFO_BIND_PORT);
  m_port = info ? info->port : port;
  return true;
}

}  // namespace quillmere::board
