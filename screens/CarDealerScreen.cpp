// The car dealer: ten cars to choose from, the owned car to sell.
#include "screens/CarDealerScreen.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>

#include "game/game.h"
#include "screens/ControlTable.h"
#include "screens/ScreenKit.h"

namespace quillmere {

namespace {

// The shelf: which row each car stands in, and its controls.
constexpr ShelfItem kShelf[] = {
    {1, 0, "chkCivic", "imgCivic"},         {2, 0, "chkMustang", "imgMustang"},
    {3, 0, "chkCorvette", "imgCorvette"},   {6, 1, "chkTowncar", "imgTowncar"},
    {7, 1, "chkBoxter", "imgBoxter"},       {8, 1, "chkMclaren", "imgMcLaren"},
    {9, 2, "chkAstro", "imgAstro"},         {10, 2, "chkF150", "imgF150"},
    {4, 2, "chkNavigator", "imgNavigator"}, {5, 2, "chkHummer", "imgHummer"},
};
// The first two rows leave the right-hand side to the Specs groups, the last to the cash and Leave.
constexpr int kRowRight[] = {324, 324, 433};

constexpr Control kControls[] = {
    {"GroupBox1", Kind::Group, "", 328, 4, 105, 108,
     QT_TRANSLATE_NOOP("quillmere::DealerScreen", " New Car Specs ")},
    {"", Kind::Label, "GroupBox1", 8, 18, 89, 18,
     QT_TRANSLATE_NOOP("quillmere::DealerScreen", "Price:"), kSpecsCaption},
    {"lblNewPrice", Kind::Label, "GroupBox1", 8, 18, 89, 18, "0", kSpecsValue},
    {"", Kind::Label, "GroupBox1", 8, 36, 89, 18,
     QT_TRANSLATE_NOOP("quillmere::DealerScreen", "Seats:"), kSpecsCaption},
    {"lblNewSeats", Kind::Label, "GroupBox1", 8, 36, 89, 18, "0", kSpecsValue},
    {"", Kind::Label, "GroupBox1", 8, 54, 89, 18,
     QT_TRANSLATE_NOOP("quillmere::DealerScreen", "Trunk Space:"), kSpecsCaption},
    {"lblNewTrunk", Kind::Label, "GroupBox1", 8, 54, 89, 18, "0", kSpecsValue},
    {"btnBuy", Kind::Button, "GroupBox1", 8, 76, 89, 25,
     QT_TRANSLATE_NOOP("quillmere::DealerScreen", "Buy Car")},
    {"GroupBox2", Kind::Group, "", 437, 4, 105, 108,
     QT_TRANSLATE_NOOP("quillmere::DealerScreen", " Old Car Specs ")},
    {"", Kind::Label, "GroupBox2", 8, 18, 89, 18,
     QT_TRANSLATE_NOOP("quillmere::DealerScreen", "Price:"), kSpecsCaption},
    {"lblOldPrice", Kind::Label, "GroupBox2", 8, 18, 89, 18, "0", kSpecsValue},
    {"", Kind::Label, "GroupBox2", 8, 36, 89, 18,
     QT_TRANSLATE_NOOP("quillmere::DealerScreen", "Seats:"), kSpecsCaption},
    {"lblOldSeats", Kind::Label, "GroupBox2", 8, 36, 89, 18, "0", kSpecsValue},
    {"", Kind::Label, "GroupBox2", 8, 54, 89, 18,
     QT_TRANSLATE_NOOP("quillmere::DealerScreen", "Trunk Space:"), kSpecsCaption},
    {"lblOldTrunk", Kind::Label, "GroupBox2", 8, 54, 89, 18, "0", kSpecsValue},
    {"btnSell", Kind::Button, "GroupBox2", 8, 76, 89, 25,
     QT_TRANSLATE_NOOP("quillmere::DealerScreen", "Sell Car")},
    {"GroupBox3", Kind::Group, "", 437, 118, 105, 40,
     QT_TRANSLATE_NOOP("quillmere::DealerScreen", " Cash ")},
    {"lblCash", Kind::Label, "GroupBox3", 8, 16, 89, 18, "0", kSpecsValue},
    {"btnClose", Kind::Button, "", 437, 163, 105, 25,
     QT_TRANSLATE_NOOP("quillmere::DealerScreen", "Leave")},
};

}  // namespace

CarDealerScreen::CarDealerScreen(const Game& game, QWidget* parent)
    : DealerScreen(game, tr("Car Dealer"), QSize(546, 192), parent) {
  stockShelf(
      kShelf, "Cars",
      [](int kind) {
        const CarInfo& car = CarOfKind(kind);
        return ShelfLook{car.name, car.picture};
      },
      kRowRight);

  BuildControls(*this, "quillmere::DealerScreen", kControls);
  m_lblNewSeats = FindControl<QLabel>(*this, "lblNewSeats");
  m_lblNewTrunk = FindControl<QLabel>(*this, "lblNewTrunk");
  m_lblOldSeats = FindControl<QLabel>(*this, "lblOldSeats");
  m_lblOldTrunk = FindControl<QLabel>(*this, "lblOldTrunk");

  connectButtons();
  refresh();
}

void CarDealerScreen::refresh() {
  const CarDealer& c = m_game.carDealer();
  showCommon(c);
  m_lblNewSeats->setText(QString::number(c.newSeats()));
  m_lblNewTrunk->setText(QString::number(c.newTrunk()));
  m_lblOldSeats->setText(QString::number(c.oldSeats()));
  m_lblOldTrunk->setText(QString::number(c.oldTrunk()));
}

}  // namespace quillmere
