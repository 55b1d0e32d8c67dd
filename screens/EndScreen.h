// The end screen: the player's final assets, the bid code made from them, and the way out.
#pragma once

#include <QWidget>
#include <string_view>

#include "game/action.h"

class QLineEdit;
class QPushButton;

namespace quillmere {

class Game;

class EndScreen : public QWidget {
  Q_OBJECT

 public:
  // website: the address of the site's page, which the instructions name.
  EndScreen(const Game& game, const QString& website, QWidget* parent = nullptr);
  // Shows the score and the bid code the engine made when the game ended.
  void refresh();

 signals:
  // Retire and closing the screen end the program.
  void acted(const quillmere::Action& action);
  // A page of the game's website is to be opened.
  void pageRequested(std::string_view page);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void Button1Click();

  const Game& m_game;
  QLineEdit* m_edtScore;
  QLineEdit* m_edtEncrypted;
  QPushButton* m_Button2 = nullptr;
};

}  // namespace quillmere
