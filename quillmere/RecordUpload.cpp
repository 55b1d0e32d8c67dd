// Sending finished games' records to the board.
#include "RecordUpload.h"

#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include "game/record.h"

namespace quillmere {

namespace {

// Whether the record on disk is of a game that reached its end screen.
bool Finished(const QByteArray& text) {
  const auto read = ParseRecord(std::string_view(text.constData(), std::size_t(text.size())));
  const auto* record = std::get_if<Record>(&read);
  return record && std::holds_alternative<GameResult>(Replay(*record));
}

}  // namespace

RecordUpload::RecordUpload(QString website, QString folder, QObject* parent)
    : QObject(parent),
      m_website(std::move(website)),
      m_folder(std::move(folder)),
      m_network(new QNetworkAccessManager(this)) {
  m_network->setTransferTimeout(15000);
}

void RecordUpload::sendFinished() {
  const QStringList names =
      QDir(m_folder).entryList({QStringLiteral("*.record")}, QDir::Files, QDir::Name);
  for (const QString& name : names) {
    const QString path = m_folder + QLatin1Char('/') + name;
    QFile file(path);
    if (file.size() > qint64(kMaxRecordBytes) || !file.open(QIODevice::ReadOnly)) continue;
    const QByteArray text = file.readAll();
    if (!Finished(text)) continue;
    QNetworkRequest request(QUrl(m_website + QStringLiteral("/quillmere/records")));
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QStringLiteral("text/plain; charset=utf-8"));
    QNetworkReply* reply = m_network->post(request, text);
    ++m_pending;
    connect(reply, &QNetworkReply::finished, this, [this, reply, path] {
      reply->deleteLater();
      const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
      if (reply->error() == QNetworkReply::NoError && status >= 200 && status < 300)
        QFile::rename(path, path + QStringLiteral(".sent"));
      else if (status >= 400 && status < 500 && status != 429)
        QFile::rename(path, path + QStringLiteral(".refused"));
      answered();
    });
  }
  if (m_pending == 0) emit done();
}

void RecordUpload::answered() {
  if (--m_pending == 0) emit done();
}

}  // namespace quillmere
