// The pursuit screen: the player pays off, runs from or fights the cops, the border patrol or Tony.
#pragma once

#include <QDialog>
#include <QPixmap>

#include "game/action.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace quillmere {

class Game;

class PursuitScreen : public QDialog {
  Q_OBJECT

 public:
  explicit PursuitScreen(const Game& game, QWidget* parent = nullptr);
  // Redraws the screen from the engine's encounter. The engine has already begun it by the
  // time the screen is shown, so the screen never resets anything itself.
  void refresh();

 signals:
  void acted(const quillmere::Action& action);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  const Game& m_game;
  QPixmap m_cop;
  QPixmap m_tony;
  QLabel* m_imgBusted;
  QPlainTextEdit* m_Memo1;
  QPushButton* m_btnClose = nullptr;
  QPushButton* m_btnQuit = nullptr;
  QPushButton* m_btn1 = nullptr;
  QPushButton* m_btn2 = nullptr;
  QPushButton* m_btn3 = nullptr;
};

}  // namespace quillmere
