// The board tests' client and process helpers.
#include "board_client.h"

#include <QAtomicInteger>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QUrl>
#include <QUuid>
#include <stdexcept>

#include <unistd.h>

#include "game/bidcode.h"
#include "game/random.h"

namespace quillmere::board::test {

namespace {

QString Unescape(QString text) {
  return text.replace("&lt;", "<")
      .replace("&gt;", ">")
      .replace("&quot;", "\"")
      .replace("&#39;", "'")
      .replace("&amp;", "&");
}

QString Message(const QByteArray& body, const char* cls) {
  static const QRegularExpression tag(
      "<p class=\"(error|notice)\" role=\"(alert|status)\"[^>]*>(.*?)</p>");
  for (auto it = tag.globalMatch(QString::fromUtf8(body)); it.hasNext();) {
    const auto match = it.next();
    if (match.captured(1) == cls) return Unescape(match.captured(3));
  }
  return {};
}

// A connection, under a name of its own, to the PostgreSQL database an address names.
QSqlDatabase Postgres(const QString& name, const QUrl& url) {
  QSqlDatabase db = QSqlDatabase::addDatabase("QPSQL", name);
  db.setHostName(url.host());
  db.setPort(url.port(5432));
  db.setUserName(url.userName());
  db.setPassword(url.password());
  db.setDatabaseName(url.path().mid(1));
  return db;
}

}  // namespace

QByteArray HttpResponse::header(const QByteArray& name) const {
  for (const QByteArray& line : head.split('\n')) {
    const qsizetype colon = line.indexOf(':');
    if (colon > 0 && line.left(colon).trimmed().toLower() == name)
      return line.mid(colon + 1).trimmed();
  }
  return {};
}

QString HttpResponse::error() const { return Message(body, "error"); }
QString HttpResponse::notice() const { return Message(body, "notice"); }

HttpResponse Exchange(quint16 port, const QByteArray& request, int timeoutMs) {
  QTcpSocket socket;
  socket.connectToHost("127.0.0.1", port);
  HttpResponse response;
  if (!socket.waitForConnected(timeoutMs)) return response;
  socket.write(request);
  QByteArray data;
  QElapsedTimer timer;
  timer.start();
  qsizetype headEnd = -1;
  qint64 length = -1;
  while (timer.elapsed() < timeoutMs) {
    if (headEnd < 0 && (headEnd = data.indexOf("\r\n\r\n")) >= 0) {
      response.head = data.left(headEnd);
      response.status = response.head.mid(9, 3).toInt();
      length = response.header("content-length").toLongLong();
    }
    if (headEnd >= 0 && data.size() >= headEnd + 4 + length) break;
    if (socket.state() != QAbstractSocket::ConnectedState && socket.bytesAvailable() == 0) break;
    if (!socket.waitForReadyRead(100) && socket.state() != QAbstractSocket::ConnectedState) {
      data += socket.readAll();
      continue;
    }
    data += socket.readAll();
  }
  if (headEnd >= 0) response.body = data.mid(headEnd + 4, length);
  return response;
}

HttpResponse Client::remember(HttpResponse response) {
  const QByteArray setCookie = response.header("set-cookie");
  if (setCookie.startsWith("qm=")) cookie = setCookie.mid(3, setCookie.indexOf(';') - 3);
  static const QRegularExpression token("name=\"csrf\" value=\"([0-9a-f]+)\"");
  const auto match = token.match(QString::fromLatin1(response.body));
  if (match.hasMatch()) csrf = match.captured(1).toLatin1();
  return response;
}

HttpResponse Client::get(const QByteArray& path) {
  QByteArray request = "GET /quillmere/" + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n";
  if (!cookie.isEmpty()) request += "Cookie: qm=" + cookie + "\r\n";
  if (!forwardedFor.isEmpty()) request += "X-Forwarded-For: " + forwardedFor + "\r\n";
  return remember(Exchange(m_port, request + "Connection: close\r\n\r\n"));
}

HttpResponse Client::post(const QByteArray& path, std::map<QByteArray, QByteArray> form) {
  if (csrf.isEmpty()) get("");
  form.emplace("csrf", csrf);
  QByteArray body;
  for (const auto& [name, value] : form)
    body +=
        (body.isEmpty() ? "" : "&") + name.toPercentEncoding() + '=' + value.toPercentEncoding();
  QByteArray request = "POST /quillmere/" + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" +
                       "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: " +
                       QByteArray::number(body.size()) + "\r\n";
  if (!cookie.isEmpty()) request += "Cookie: qm=" + cookie + "\r\n";
  if (!forwardedFor.isEmpty()) request += "X-Forwarded-For: " + forwardedFor + "\r\n";
  HttpResponse response = remember(Exchange(m_port, request + "Connection: close\r\n\r\n" + body));
  const QByteArray location = redirectedTo = response.header("location");
  if (response.status == 303 && location.startsWith("/quillmere/"))
    return get(location.mid(qsizetype(sizeof("/quillmere/") - 1)));
  return response;
}

HttpResponse Client::signup(const QByteArray& name, const QByteArray& password) {
  return post("signup", {{"name", name}, {"password", password}});
}

HttpResponse Client::login(const QByteArray& name, const QByteArray& password) {
  return post("login", {{"name", name}, {"password", password}});
}

Database::Database(bool postgres) : m_postgres(postgres) {
  if (!postgres) {
    m_folder =
        QDir::tempPath() + "/quillmere-board-test-" + QUuid::createUuid().toString(QUuid::Id128);
    QDir().mkpath(m_folder);
    m_url = m_folder + "/board.sqlite";
    return;
  }
  const QUrl admin(qEnvironmentVariable("QUILLMERE_TEST_POSTGRES"));
  m_name = "board_test_" + QUuid::createUuid().toString(QUuid::Id128);
  {
    QSqlDatabase db = Postgres(m_name, admin);
    if (!db.open()) throw std::runtime_error(db.lastError().text().toStdString());
    QSqlQuery(db).exec("CREATE DATABASE " + m_name);
  }
  QSqlDatabase::removeDatabase(m_name);
  QUrl url = admin;
  url.setPath("/" + m_name);
  m_url = url.toString();
}

Database::~Database() {
  if (!m_postgres) {
    QDir(m_folder).removeRecursively();
    return;
  }
  const QUrl admin(qEnvironmentVariable("QUILLMERE_TEST_POSTGRES"));
  {
    QSqlDatabase db = Postgres(m_name + "_drop", admin);
    if (db.open()) QSqlQuery(db).exec("DROP DATABASE IF EXISTS " + m_name + " WITH (FORCE)");
  }
  QSqlDatabase::removeDatabase(m_name + "_drop");
}

QSqlDatabase Database::open(const QString& name) const {
  QSqlDatabase db =
      m_postgres ? Postgres(name, QUrl(m_url)) : QSqlDatabase::addDatabase("QSQLITE", name);
  if (!m_postgres) db.setDatabaseName(m_url);
  db.open();
  return db;
}

BoardProcess::BoardProcess(const QString& databaseUrl, const QStringList& options)
    : m_process(std::make_unique<QProcess>()) {
  m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
  m_process->start(QUILLMERE_BOARD_PROGRAM,
                   QStringList{"serve", "--listen", "127.0.0.1:0", "--database", databaseUrl,
                               "--site", QUILLMERE_SITE} +
                       options);
  static const QRegularExpression serving("serving http://127.0.0.1:(\\d+)/");
  QByteArray output;
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < 15000 && m_process->state() != QProcess::NotRunning) {
    m_process->waitForReadyRead(100);
    output += m_process->readAllStandardOutput();
    const auto match = serving.match(QString::fromUtf8(output));
    if (match.hasMatch()) {
      m_port = quint16(match.captured(1).toUInt());
      return;
    }
  }
  throw std::runtime_error("the board did not start: " + output.toStdString());
}

BoardProcess::~BoardProcess() {
  if (m_process->state() == QProcess::NotRunning) return;
  m_process->terminate();
  if (!m_process->waitForFinished(5000)) kill();
}

qint64 BoardProcess::residentKb() const {
  QFile status(QStringLiteral("/proc/%1/status").arg(pid()));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLongLong();
  return -1;
}

qint64 BoardProcess::cpuMs() const {
  QFile stat(QStringLiteral("/proc/%1/stat").arg(pid()));
  if (!stat.open(QIODevice::ReadOnly)) return -1;
  const QByteArray text = stat.readAll();
  // The fields after the program's name (which is in parentheses): utime is the 14th field.
  const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
  const qint64 ticks = fields.value(11).toLongLong() + fields.value(12).toLongLong();
  return ticks * 1000 / sysconf(_SC_CLK_TCK);
}

void BoardProcess::kill() {
  m_process->kill();
  m_process->waitForFinished(5000);
}

void BoardProcess::terminate() { m_process->terminate(); }

bool BoardProcess::waitForExit(int ms) {
  return m_process->state() == QProcess::NotRunning || m_process->waitForFinished(ms);
}

std::pair<int, QString> BoardProcess::Command(const QStringList& arguments,
                                              const QString& databaseUrl) {
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(QUILLMERE_BOARD_PROGRAM, arguments + QStringList{"--database", databaseUrl});
  process.waitForFinished(15000);
  return {process.exitCode(), QString::fromUtf8(process.readAll()).trimmed()};
}

QByteArray MakeCode(long long score, int millisecond) {
  FixedClock clock{static_cast<std::uint32_t>(millisecond)};
  Random random(clock);
  return QByteArray::fromStdString(EncryptString(std::to_string(score), random));
}

}  // namespace quillmere::board::test
