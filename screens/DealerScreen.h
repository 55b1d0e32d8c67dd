// What the gun dealer's and the car dealer's screens share: a grey fixed dialog centred on
// the screen and rows of pictures with their option buttons under them. Each dealer builds
// its specs groups, buttons and cash from its own table of controls.
#pragma once

#include <QDialog>
#include <span>
#include <string_view>
#include <vector>

#include "game/action.h"
#include "screens/ControlTable.h"

class QButtonGroup;
class QLabel;
class QPushButton;

namespace quillmere {

class Dealer;
class Game;

// One item on a dealer's shelf: the row it stands in and the names its controls carry.
struct ShelfItem {
  int kind;  // gunKind or carKind: also the option button's id in the group
  int row;
  const char* selector;  // the option button's object name
  const char* picture;   // the picture control's object name
};

// What the catalogue says of an item on the shelf: its name, the option button's caption and
// the picture's accessible name, and its picture under :/pictures/.
struct ShelfLook {
  std::string_view name;
  std::string_view file;
};

// The flags of a line of a Specs group in a dealer's table: its caption, and the value beside it,
// right-aligned so the digits of money line up. No dealer's button is a default: Enter must
// never buy or sell by surprise.
inline constexpr int kSpecsCaption = kMiddle | kWindowText;
inline constexpr int kSpecsValue = kRight | kMiddle | kWindowText;

class DealerScreen : public QDialog {
  Q_OBJECT

 public:
  DealerScreen(const Game& game, const QString& caption, QSize client, QWidget* parent);

  // Whatever closes the screen without a purchase (Leave, Escape, the window system) leaves;
  // the screen goes when the game says so.
  void reject() override;
  // Redraws the screen from the engine's dealer. The game opens the dealer before it shows
  // this screen, so the screen never resets anything itself.
  virtual void refresh() = 0;

 signals:
  void acted(const quillmere::Action& action);

 protected:
  // Lays the rows out from the top, each across [0, rowRight[row]): an item takes the width
  // of its picture or of its option button, whichever is wider, and the room left over is
  // shared out evenly before, between and after the items.
  void stockShelf(std::span<const ShelfItem> items, const char* context,
                  ShelfLook (*look)(int kind), std::span<const int> rowRight);

  void showEvent(QShowEvent* event) override;

  // Finds what both dealers show (the prices, the cash, Buy and Sell) once the screen's table
  // is built, and connects Buy, Sell and Leave to the actions they send.
  void connectButtons();
  // Draws what both dealers show from the dealer's state.
  void showCommon(const Dealer& dealer);
  void selectorToggled(int kind, bool checked);

  const Game& m_game;
  QButtonGroup* m_selectors;
  QLabel* m_lblNewPrice = nullptr;
  QLabel* m_lblOldPrice = nullptr;
  QLabel* m_lblCash = nullptr;
  QPushButton* m_btnBuy = nullptr;
  QPushButton* m_btnSell = nullptr;
};

}  // namespace quillmere
