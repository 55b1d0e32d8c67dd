// Finding this computer's board, or starting it.
#include "LocalBoard.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpSocket>
#include <QThread>

namespace quillmere {

namespace {

// Where a running board says which port it took.
QString PortFile() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  return folder + QStringLiteral("/quillmere-board.port");
}

// The installed board next to the game, or in a build tree the one built beside it.
QString BoardProgram() {
  const QString here = QCoreApplication::applicationDirPath();
  for (const QString& candidate : {here + QStringLiteral("/quillmere-board"),
                                   here + QStringLiteral("/../board/quillmere-board")})
    if (QFileInfo(candidate).isExecutable()) return QDir::cleanPath(candidate);
  return {};
}

// Whether a quillmere board answers on the port: its root sends the visitor to /quillmere/.
bool Answers(quint16 port) {
  QTcpSocket socket;
  socket.connectToHost(QStringLiteral("127.0.0.1"), port);
  if (!socket.waitForConnected(500)) return false;
  socket.write("GET / HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n");
  QByteArray answer;
  while (socket.waitForReadyRead(500) && answer.size() < 4096) answer += socket.readAll();
  return answer.startsWith("HTTP/1.1 303") && answer.contains("Location: /quillmere/");
}

quint16 ReadPort() {
  QFile file(PortFile());
  if (!file.open(QIODevice::ReadOnly)) return 0;
  bool number = false;
  const uint port = file.readAll().trimmed().toUInt(&number);
  return number && port > 0 && port < 65536 ? quint16(port) : 0;
}

QString Address(quint16 port) { return QStringLiteral("http://127.0.0.1:%1").arg(port); }

}  // namespace

QString LocalBoard::address() {
  if (const quint16 port = ReadPort(); port && Answers(port)) return Address(port);
  const QString program = BoardProgram();
  if (program.isEmpty() || program == m_failed) return {};
  QFile::remove(PortFile());
  const QStringList arguments = {QStringLiteral("serve"),
                                 QStringLiteral("--listen"),
                                 QStringLiteral("127.0.0.1:0"),
                                 QStringLiteral("--port-file"),
                                 PortFile(),
                                 QStringLiteral("--idle-exit"),
                                 QString::number(kIdleSeconds)};
  if (QProcess::startDetached(program, arguments)) {
    // A board is up in well under a second; past five it is not coming.
    for (QDeadlineTimer deadline(5000); !deadline.hasExpired(); QThread::msleep(50))
      if (const quint16 port = ReadPort(); port && Answers(port)) return Address(port);
  }
  m_failed = program;
  return {};
}

}  // namespace quillmere
