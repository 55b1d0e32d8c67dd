// A test's view of a running quillmere-board: the program started on a free port of 127.0.0.1
// over a fresh database, and a plain HTTP client that keeps the board's cookie like a browser.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QSqlDatabase>
#include <QString>
#include <map>
#include <memory>

namespace quillmere::board::test {

struct HttpResponse {
  int status = 0;  // 0: the connection closed without an answer
  QByteArray head;
  QByteArray body;
  QByteArray header(const QByteArray& name) const;
  // The text of the page's refusal or notice, entities decoded.
  QString error() const;
  QString notice() const;
};

// Sends raw bytes and reads one response (or until the board closes the connection).
HttpResponse Exchange(quint16 port, const QByteArray& request, int timeoutMs = 10000);

class Client {
 public:
  explicit Client(quint16 port) : m_port(port) {}
  HttpResponse get(const QByteArray& path);
  // Posts a form with the csrf token of the last page this client saw (unless the form has one),
  // and follows a redirect as a browser does.
  HttpResponse post(const QByteArray& path, std::map<QByteArray, QByteArray> form);
  HttpResponse signup(const QByteArray& name, const QByteArray& password);
  HttpResponse login(const QByteArray& name, const QByteArray& password);
  HttpResponse bid(const QByteArray& code) { return post("bid", {{"code", code}}); }

  QByteArray cookie;
  QByteArray csrf;
  QByteArray redirectedTo;  // where the last post's 303 led, or empty
  QByteArray forwardedFor;  // sent as X-Forwarded-For, for a board behind a trusted proxy
  quint16 m_port;

 private:
  HttpResponse remember(HttpResponse response);
};

// A fresh database: a SQLite file in a temporary folder, or a new PostgreSQL database on the
// server named by QUILLMERE_TEST_POSTGRES (dropped at the end).
class Database {
 public:
  explicit Database(bool postgres);
  ~Database();
  const QString& url() const { return m_url; }
  // A connection of the test's own to it, under a name to remove when done; open unless it
  // failed.
  QSqlDatabase open(const QString& name) const;

 private:
  QString m_folder, m_url, m_name;
  bool m_postgres;
};

class BoardProcess {
 public:
  explicit BoardProcess(const QString& databaseUrl, const QStringList& options = {});
  ~BoardProcess();
  quint16 port() const { return m_port; }
  qint64 pid() const { return m_process->processId(); }
  bool running() const { return m_process->state() == QProcess::Running; }
  qint64 residentKb() const;  // VmRSS
  qint64 cpuMs() const;       // user and system time so far
  void kill();                // SIGKILL, as a crash would
  void terminate();           // SIGTERM, as a system ending its session sends
  bool waitForExit(int ms);   // whether it ended within that time
  // Runs `quillmere-board <arguments> --database <url>`; returns its output and exit code.
  static std::pair<int, QString> Command(const QStringList& arguments, const QString& databaseUrl);

 private:
  std::unique_ptr<QProcess> m_process;
  quint16 m_port = 0;
};

// A bid code the engine makes for a score, different for each millisecond.
QByteArray MakeCode(long long score, int millisecond);

}  // namespace quillmere::board::test
