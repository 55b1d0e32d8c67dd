// The main screen: market, possession, trade panel, money, car and gun panels, travel.
#pragma once

#include <QMainWindow>
#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include "game/action.h"
#include "game/catalogue.h"
#include "game/state.h"
#include "game/view.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace quillmere {

class Game;
class Grid;
class IntegerBox;

// Losing the focus to another window, even one of the game's own, leaves the screen as it
// is: minimising there would hide the very dialog the player has to answer.
class MainScreen : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainScreen(const Game& game, QWidget* parent = nullptr);
  // Redraws the screen from the game's state.
  void refresh();

 signals:
  // A control's action for the game.
  void acted(const quillmere::Action& action);
  // A page of the game's website is to be opened.
  void pageRequested(std::string_view page);

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  using LabelText = QString (*)(const GameState&, const MainView&);

  void buildControls();
  void buildMenu();
  void connectControls();
  void setAccessibility();
  void FormShow();

  const Game& m_game;
  std::vector<std::pair<QLabel*, LabelText>> m_labels;
  Grid* m_drug1 = nullptr;
  Grid* m_drug2 = nullptr;
  IntegerBox* m_edtBuy = nullptr;
  IntegerBox* m_edtSell = nullptr;
  QPushButton* m_btnSell = nullptr;
  QPushButton* m_btntonysome = nullptr;
  QPushButton* m_btnTonyall = nullptr;
  QLabel* m_description = nullptr;
  QLabel* m_imgDrug = nullptr;
  QLabel* m_imgCar = nullptr;
  QLabel* m_imgGun = nullptr;
  QProgressBar* m_health = nullptr;
  std::array<QPushButton*, kPlaceCount> m_travel{};
};

}  // namespace quillmere
