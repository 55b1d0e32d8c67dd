// This computer's own bid board, for a game with no website set: the quillmere-board installed
// with the game, started on 127.0.0.1 on a free port with its data in the player's data folder,
// and found again while it runs. It ends itself after half an hour without a visit, so it may
// outlive the game and serve the player's browser after the game has closed.
#pragma once

#include <QString>

namespace quillmere {

class LocalBoard {
 public:
  // The board's address ("http://127.0.0.1:PORT"), starting it when none answers; "" when it
  // cannot start.
  QString address();

  static constexpr int kIdleSeconds = 30 * 60;

 private:
  QString m_failed;  // the board program that would not start, not tried again this run
};

}  // namespace quillmere
