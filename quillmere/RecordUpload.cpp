// Sending finished games' records to the board.
#include "RecordUpload.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace quillmere {

RecordUpload::RecordUpload(QString website, QObject* parent)
    : QObject(parent), m_website(std::move(website)), m_network(new QNetworkAccessManager(this)) {
  m_network->setTransferTimeout(15000);
}

void RecordUpload::send(const QStringList& paths) {
  for (const QString& path : paths) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) continue;
    const QByteArray text = file.readAll();
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
