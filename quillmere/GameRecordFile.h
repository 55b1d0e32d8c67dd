// The record of the game being played, on disk while it is played: the header when the game
// starts, then one line for each step the game takes, flushed as it is written, so a crash or
// a kill leaves the game up to its last step. The records live in the player's data folder,
// $XDG_DATA_HOME/quillmere/games.
#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

#include "game/record.h"

namespace quillmere {

class GameRecordFile {
 public:
  static QString Folder();
  // The records in the folder of games that reached their end screen and are not sent yet.
  static QStringList Unsent();

  // Starts the record of a new game; false if the folder cannot be written (the game is then
  // played without a record).
  bool open(const QString& program);
  void append(const Step& step);
  // The game is over: its record is complete, and nothing more is written to it.
  void close() { m_file.close(); }
  QString path() const { return m_file.fileName(); }

 private:
  QFile m_file;
};

}  // namespace quillmere
