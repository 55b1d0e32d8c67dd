// The board against what an attacker sends: requests framed to be read two ways, floods of
// connections, requests and bytes, passwords tried at once, and names that look like others.
// Everything goes to 127.0.0.1, in bounded counts, and every wait has an end.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <atomic>
#include <thread>

#include "board_client.h"

namespace quillmere::board::test {
namespace {

// A socket to the board, or -1.
int Connect(quint16 port, bool nonBlocking = false) {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) return -1;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    close(fd);
    return -1;
  }
  if (nonBlocking) fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
  return fd;
}

// Writes what the socket takes within the time; returns how much.
qsizetype SendSome(int fd, const QByteArray& data, int ms) {
  QElapsedTimer timer;
  timer.start();
  qsizetype sent = 0;
  while (sent < data.size() && timer.elapsed() < ms) {
    const ssize_t n = send(fd, data.constData() + sent, std::size_t(data.size() - sent),
                           MSG_NOSIGNAL | MSG_DONTWAIT);
    if (n > 0) {
      sent += n;
      continue;
    }
    if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) break;
    pollfd p{fd, POLLOUT, 0};
    poll(&p, 1, 50);
  }
  return sent;
}

// Everything the board sends back until it closes or `ms` pass (or `enough` bytes came).
QByteArray ReadAll(int fd, int ms, qsizetype enough = -1) {
  QByteArray data;
  QElapsedTimer timer;
  timer.start();
  char buffer[65536];
  while (timer.elapsed() < ms && (enough < 0 || data.size() < enough)) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, 50) <= 0) continue;
    const ssize_t n = recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
    if (n <= 0) break;
    data.append(buffer, n);
  }
  return data;
}

// Whether the board has closed this connection.
bool ClosedByBoard(int fd) {
  pollfd p{fd, POLLIN, 0};
  if (poll(&p, 1, 0) <= 0) return false;
  char c;
  return recv(fd, &c, 1, MSG_DONTWAIT | MSG_PEEK) <= 0;
}

void RaiseDescriptorLimit() {
  rlimit limit{};
  getrlimit(RLIMIT_NOFILE, &limit);
  limit.rlim_cur = std::min<rlim_t>(limit.rlim_max, 8192);
  setrlimit(RLIMIT_NOFILE, &limit);
}

// Requests that a proxy in front and the board could frame differently: each is refused, and
// what its body holds is never answered as a request of its own.
TEST(BoardAttacks, AmbiguousFramingIsRefused) {
  Database database(false);
  BoardProcess board(database.url());
  const QByteArray smuggled = "GET /quillmere/style.css HTTP/1.1\r\nHost: x\r\n\r\n";
  const QByteArray post = "POST /quillmere/login HTTP/1.1\r\nHost: x\r\n";
  const struct {
    const char* what;
    QByteArray request;
  } cases[] = {
      {"two lengths", post + "Content-Length: 0\r\nContent-Length: " +
                          QByteArray::number(smuggled.size()) + "\r\n\r\n" + smuggled},
      {"an empty length, then a real one",
       post + "Content-Length:\r\nContent-Length: " + QByteArray::number(smuggled.size()) +
           "\r\n\r\n" + smuggled},
      {"a signed length",
       post + "Content-Length: +" + QByteArray::number(smuggled.size()) + "\r\n\r\n" + smuggled},
      {"an empty transfer coding", post + "Transfer-Encoding:\r\nContent-Length: " +
                                       QByteArray::number(smuggled.size()) + "\r\n\r\n" + smuggled},
      {"a transfer coding and a length", post +
                                             "Transfer-Encoding: chunked\r\nContent-Length: 5\r\n"
                                             "\r\n0\r\n\r\n" +
                                             smuggled},
      {"a bare CR inside a value", "GET /quillmere/ HTTP/1.1\r\nHost: x\r\nX-A: a\rb\r\n\r\n"},
  };
  for (const auto& c : cases) {
    const int fd = Connect(board.port());
    ASSERT_GE(fd, 0);
    SendSome(fd, c.request, 2000);
    const QByteArray answer = ReadAll(fd, 3000);
    close(fd);
    EXPECT_TRUE(answer.startsWith("HTTP/1.1 400")) << c.what << ": " << answer.left(40).data();
    EXPECT_FALSE(answer.contains("200 OK")) << c.what << ": the body was taken for a request";
  }

  // A POST after a GET on one connection keeps its method, path and headers: the login
  // answers that the form has no token, not with the board's page.
  const int fd = Connect(board.port());
  SendSome(fd,
           "GET /quillmere/style.css HTTP/1.1\r\nHost: x\r\n\r\n" + post +
               "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: 3\r\n"
               "Connection: close\r\n\r\na=b",
           2000);
  const QByteArray both = ReadAll(fd, 5000);
  close(fd);
  EXPECT_TRUE(both.startsWith("HTTP/1.1 200")) << both.left(40).data();
  EXPECT_TRUE(both.contains("HTTP/1.1 403 Forbidden")) << both.right(200).data();

  // A client that asks before sending its body is told to go on.
  const int asks = Connect(board.port());
  SendSome(asks, post + "Expect: 100-continue\r\nContent-Length: 3\r\n\r\n", 2000);
  EXPECT_TRUE(ReadAll(asks, 3000, 25).startsWith("HTTP/1.1 100 Continue"));
  close(asks);
}

// Many requests in one write, replies never read, a head without end while a request waits,
// more connections than the board has descriptors: the board keeps answering others, its
// memory stays bounded, and it does not spin.
TEST(BoardAttacks, FloodsOfConnectionsAndRequests) {
  RaiseDescriptorLimit();
  Database database(false);
  constexpr qint64 kMemoryBoundKb = qint64{80} * 1024;
  BoardProcess board(database.url(), {"--connections-per-address", "0"});
  const quint16 port = board.port();
  auto serving = [&] { return Exchange(port, "GET / HTTP/1.1\r\n\r\n", 5000).status == 303; };

  {  // 6,000 requests in one write (about 110 KB): answered one after another.
    const int fd = Connect(port);
    QByteArray burst;
    for (int i = 0; i < 6000; ++i) burst += "GET / HTTP/1.1\r\n\r\n";
    SendSome(fd, burst, 5000);
    const QByteArray answers = ReadAll(fd, 5000);
    close(fd);
    EXPECT_GT(answers.count("HTTP/1.1 303"), 100);
    ASSERT_TRUE(board.running());
    EXPECT_TRUE(serving());
  }
  {  // Three connections ask 8,000 times for the largest image and never read a reply.
    QByteArray ask;
    for (int i = 0; i < 8000; ++i) ask += "GET /quillmere/images/start@2x.jpg HTTP/1.1\r\n\r\n";
    std::vector<int> fds;
    for (int i = 0; i < 3; ++i) {
      fds.push_back(Connect(port, true));
      SendSome(fds.back(), ask, 1500);
    }
    EXPECT_LT(board.residentKb(), kMemoryBoundKb);
    EXPECT_TRUE(serving());
    for (const int fd : fds) close(fd);
  }
  {  // A log-in waits for its hash while the same connection sends a head that never ends.
    Client client(port);
    client.get("");
    const QByteArray body = "name=x&password=yyyyyyyy&csrf=" + client.csrf;
    const int fd = Connect(port, true);
    SendSome(fd,
             "POST /quillmere/login HTTP/1.1\r\nHost: x\r\nCookie: qm=" + client.cookie +
                 "\r\nContent-Type: application/x-www-form-urlencoded\r\nContent-Length: " +
                 QByteArray::number(body.size()) + "\r\n\r\n" + body +
                 "GET /quillmere/ HTTP/1.1\r\nX-Flood: " + QByteArray(16 << 20, 'a'),
             2000);
    EXPECT_LT(board.residentKb(), kMemoryBoundKb);
    const QByteArray answer = ReadAll(fd, 5000);
    EXPECT_TRUE(answer.startsWith("HTTP/1.1 403")) << answer.left(40).data();
    close(fd);
    EXPECT_TRUE(serving());
  }
  {  // 1,100 idle connections: a new client is still answered at once, and the board rests.
    std::vector<int> idle;
    for (int i = 0; i < 1100; ++i)
      if (const int fd = Connect(port); fd >= 0) idle.push_back(fd);
    EXPECT_EQ(idle.size(), 1100u);
    const qint64 cpuBefore = board.cpuMs();
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(Exchange(port, "GET /quillmere/style.css HTTP/1.1\r\n\r\n", 1000).status, 200);
    EXPECT_LT(timer.elapsed(), 1000);
    std::this_thread::sleep_for(std::chrono::seconds(1));
    EXPECT_LT(board.cpuMs() - cpuBefore, 300) << "the board spins with idle connections";
    EXPECT_LT(board.residentKb(), kMemoryBoundKb);
    for (const int fd : idle) close(fd);
  }
  EXPECT_TRUE(serving());
}

// One address may hold 64 connections at once; the rest are closed as they come.
TEST(BoardAttacks, ConnectionsPerAddressAreCapped) {
  Database database(false);
  BoardProcess board(database.url());
  std::vector<int> fds;
  fds.reserve(100);
  for (int i = 0; i < 100; ++i) fds.push_back(Connect(board.port()));
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  int closed = 0;
  for (const int fd : fds) closed += ClosedByBoard(fd) ? 1 : 0;
  EXPECT_GE(closed, 30);
  EXPECT_LE(closed, 40);
  for (const int fd : fds) close(fd);
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_EQ(Exchange(board.port(), "GET / HTTP/1.1\r\n\r\n", 5000).status, 303);
}

// Behind a trusted proxy, on SQLite and on PostgreSQL: the throttles count every try before it
// is checked, per account and address, and floods from one address do not reach others.
class Throttles : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    if (GetParam() && qEnvironmentVariableIsEmpty("QUILLMERE_TEST_POSTGRES"))
      GTEST_SKIP() << "QUILLMERE_TEST_POSTGRES is not set; tools/test starts a server and sets it";
    database = std::make_unique<Database>(GetParam());
    board = std::make_unique<BoardProcess>(database->url(), QStringList{"--trust-proxy"});
  }
  void TearDown() override {
    board.reset();
    database.reset();
  }
  Client From(const QByteArray& address) {
    Client client(board->port());
    client.forwardedFor = address;
    return client;
  }
  // The statuses of one form posted `count` times at once from one client's cookie.
  std::map<int, int> AtOnce(Client& client, const QByteArray& path, int count,
                            const std::function<QByteArray(int)>& body) {
    client.get("");
    std::vector<std::thread> threads;
    threads.reserve(std::size_t(count));
    std::vector<int> statuses(std::size_t(count), 0);
    for (int i = 0; i < count; ++i)
      threads.emplace_back([&, i] {
        const QByteArray form = body(i) + "&csrf=" + client.csrf;
        statuses[std::size_t(i)] =
            Exchange(client.m_port,
                     "POST /quillmere/" + path + " HTTP/1.1\r\nHost: x\r\nCookie: qm=" +
                         client.cookie + "\r\nX-Forwarded-For: " + client.forwardedFor +
                         "\r\nContent-Type: application/x-www-form-urlencoded\r\n"
                         "Content-Length: " +
                         QByteArray::number(form.size()) + "\r\nConnection: close\r\n\r\n" + form,
                     30000)
                .status;
      });
    for (std::thread& t : threads) t.join();
    std::map<int, int> counts;
    for (const int status : statuses) ++counts[status];
    return counts;
  }
  std::unique_ptr<Database> database;
  std::unique_ptr<BoardProcess> board;
};

TEST_P(Throttles, PasswordTries) {
  Client owner = From("192.0.2.1");
  ASSERT_EQ(owner.signup("Victim", "the right password").status, 200);

  // 100 wrong tries sent at once: six are checked, the rest wait, none gets in.
  Client rival = From("198.51.100.7");
  std::map<int, int> statuses = AtOnce(rival, "login", 100, [](int i) {
    return "name=victim&password=guess" + QByteArray::number(i);
  });
  EXPECT_LE(statuses[403], 6);
  EXPECT_EQ(statuses[303], 0);
  EXPECT_EQ(statuses[403] + statuses[429], 100) << statuses[503] << " unavailable";
  // The right password from the rival's address waits as well ...
  EXPECT_EQ(rival.login("Victim", "the right password").status, 429);
  // ... but the owner, elsewhere, logs in at once.
  Client home = From("203.0.113.5");
  EXPECT_EQ(home.login("Victim", "the right password").notice(), "Welcome back, Victim.");

  // The address the proxy saw is the last one; what the client put before it is its own word.
  Client forger = From("198.51.100.9");
  int checked = 0;
  for (int i = 0; i < 20; ++i) {
    forger.forwardedFor = "10.9.8." + QByteArray::number(i) + ", 198.51.100.9";
    checked += forger.login("Victim", "forged " + QByteArray::number(i)).status == 403 ? 1 : 0;
  }
  EXPECT_EQ(checked, 6);  // five, and the sixth that starts the wait
}

TEST_P(Throttles, SignupAndBidFloods) {
  Client regular = From("192.0.2.20");
  ASSERT_EQ(regular.signup("Regular", "a regular password").status, 200);
  Client flood = From("198.51.100.20");
  std::atomic<bool> flooding{true};
  std::map<int, int> statuses;
  std::thread flooder([&] {
    statuses = AtOnce(flood, "signup", 150, [](int i) {
      return "name=Flood" + QByteArray::number(i) + "&password=flood+password";
    });
    flooding = false;
  });
  // Someone else logs in while the flood is on: not held up behind the sign-ups' hashes.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  Client other = From("192.0.2.20");
  QElapsedTimer timer;
  timer.start();
  EXPECT_EQ(other.login("Regular", "a regular password").status, 200);
  EXPECT_LT(timer.elapsed(), 2000);
  flooder.join();
  EXPECT_LE(statuses[303], 11);  // made, and on to the board
  EXPECT_EQ(statuses[303] + statuses[429] + statuses[503], 150);
  EXPECT_EQ(flood.signup("OneMore", "flood password").status, 429);

  // Bids: a minute's worth at once from one address, then they wait.
  int stored = 0, refused = 0;
  for (int i = 0; i < 45; ++i) {
    const HttpResponse r = regular.bid(MakeCode(1000 + i, 100 + i));
    stored += r.status == 200 ? 1 : 0;
    if (r.status == 429) {
      ++refused;
      EXPECT_EQ(r.error(),
                "Bids are coming from your address faster than games end. Wait a minute, then "
                "post again.");
    }
  }
  EXPECT_GE(stored, 30);
  EXPECT_LE(stored, 32);
  EXPECT_EQ(stored + refused, 45);
}

// Names that look alike are one name; names that show nothing are none.
TEST_P(Throttles, NamesAsPeopleSeeThem) {
  const auto taken = [](const char* name) {
    return "The name " + QString::fromUtf8(name) + " is taken. Choose another.";
  };
  const QString invisible = "A name needs a letter, digit or sign that can be seen.";
  int address = 0;
  auto signup = [&](const char* name) {
    Client client = From("192.0.2." + QByteArray::number(++address));
    return client.signup(name, "a password for names");
  };
  ASSERT_EQ(signup("Lou").status, 200);
  ASSERT_EQ(signup("Zo\u00e9").status, 200);  // é composed
  const struct {
    const char* name;
    QString error;
  } cases[] = {
      {"LOU", taken("LOU")},
      {"\uff2c\uff2f\uff35", taken("\uff2c\uff2f\uff35")},  // full width
      {"L\u043eu", taken("L\u043eu")},                      // a Cyrillic o
      {"Zoe\u0301", taken("Zoe\u0301")},                    // é as e and an accent
      {"Lou\u3164", taken("Lou\u3164")},                    // a Hangul filler after it
      {"Lou\ufe0f", taken("Lou\ufe0f")},                    // a variation selector after it
      {"\u3164", invisible},
      {"\u2800\u2800", invisible},
      {"\u0301", invisible},
      {"Lou\u200b", "A name can hold letters, digits, spaces and punctuation only."},
      {"a\u0301\u0302\u0303\u0304\u0305\u0306\u0307\u0308\u0309\u030a\u030b\u030c",
       "A letter in a name can carry at most 4 accents."},
  };
  for (const auto& c : cases) {
    const HttpResponse r = signup(c.name);
    EXPECT_EQ(r.status, 400) << c.name;
    EXPECT_EQ(r.error(), c.error) << c.name;
  }
  // A name is shown as it was typed, and logs in however it is cased or composed.
  Client wide = From("192.0.2.100");
  ASSERT_EQ(wide.signup("\uff2b\uff29\uff2d\uff12", "a password for names").notice(),
            "Welcome, \uff2b\uff29\uff2d\uff12. Your account is ready: paste your bid code below.");
  Client again = From("192.0.2.101");
  EXPECT_EQ(again.login("kim2", "a password for names").notice(),
            "Welcome back, \uff2b\uff29\uff2d\uff12.");
}

INSTANTIATE_TEST_SUITE_P(Databases, Throttles, ::testing::Values(false, true),
                         [](const auto& param) { return param.param ? "PostgreSQL" : "SQLite"; });

}  // namespace
}  // namespace quillmere::board::test
