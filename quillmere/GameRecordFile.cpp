// Writing the game's record as it is played.
#include "GameRecordFile.h"

#include <QDateTime>
#include <QDir>
#include <QRandomGenerator>
#include <QStandardPaths>

namespace quillmere {

QString GameRecordFile::Folder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         QStringLiteral("/quillmere/games");
}

QStringList GameRecordFile::Unsent() {
  QStringList finished;
  const QDir folder(Folder());
  for (const QString& name :
       folder.entryList({QStringLiteral("*.record")}, QDir::Files, QDir::Name)) {
    QFile file(folder.filePath(name));
    if (file.size() > qint64(kMaxRecordBytes) || !file.open(QIODevice::ReadOnly)) continue;
    const QByteArray text = file.readAll();
    const auto read = ParseRecord(std::string_view(text.constData(), std::size_t(text.size())));
    const auto* record = std::get_if<Record>(&read);
    if (record && std::holds_alternative<GameResult>(Replay(*record))) finished << file.fileName();
  }
  return finished;
}

bool GameRecordFile::open(const QString& program) {
  if (!QDir().mkpath(Folder())) return false;
  // The time the game began and a random tail, so two games never share a file.
  const QString name =
      QStringLiteral("%1/game-%2-%3.record")
          .arg(Folder(),
               QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss")))
          .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
  m_file.setFileName(name);
  if (!m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return false;
  const std::string header = RecordHeader(program.toStdString());
  m_file.write(header.data(), qint64(header.size()));
  return m_file.flush();
}

void GameRecordFile::append(const Step& step) {
  if (!m_file.isOpen()) return;
  const std::string line = StepLine(step);
  m_file.write(line.data(), qint64(line.size()));
  m_file.flush();
}

}  // namespace quillmere
