// Sends the records of finished games to the board, with no account and nothing for the
// player to do: the game that just ended, and whatever an earlier run could not send. A
// record the board took is renamed *.sent; one it refused for good (a 4xx answer) *.refused;
// any other failure leaves it to be sent again at the next start.
#pragma once

#include <QObject>
#include <QString>

class QNetworkAccessManager;

namespace quillmere {

class RecordUpload : public QObject {
  Q_OBJECT

 public:
  RecordUpload(QString website, QObject* parent = nullptr);

  // Sends these records' files.
  void send(const QStringList& paths);

 signals:
  // All the sends of the last sendFinished have been answered or have failed.
  void done();

 private:
  void answered();

  QString m_website;
  QNetworkAccessManager* m_network;
  int m_pending = 0;
};

}  // namespace quillmere
