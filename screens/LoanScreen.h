// The loan payment dialog: how much of the debt to pay Tony from the cash at hand.
#pragma once

#include <QDialog>

#include "game/action.h"

namespace quillmere {

class Game;
class IntegerBox;

class LoanScreen : public QDialog {
  Q_OBJECT

 public:
  explicit LoanScreen(const Game& game, QWidget* parent = nullptr);
  ~LoanScreen() override;
  // Redraws the screen from the game's state.
  void refresh();

  // Cancel, Escape and the window system's close.
  void reject() override;

 signals:
  void acted(const quillmere::Action& action);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  const Game& m_game;
  IntegerBox* m_edtPay = nullptr;
};

}  // namespace quillmere
