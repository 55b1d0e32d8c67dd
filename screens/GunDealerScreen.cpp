// The gun dealer: nine guns to choose from, the held gun to sell or trade in.
#include "screens/GunDealerScreen.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>

#include "game/game.h"
#include "screens/ControlTable.h"
#include "screens/ScreenKit.h"

namespace quillmere {

namespace {

// The shelf: which row each gun stands in, and its controls.
constexpr ShelfItem kShelf[] = {
    {1, 0, "chkPaintball", "imgPaintball"}, {2, 0, "chkSmallP", "imgSmallP"},
    {3, 1, "chkPistol", "imgPistol"},       {4, 1, "chkRevolver", "imgRevolver"},
    {5, 2, "chkRifle", "imgRifle"},         {6, 2, "chkShotgun", "imgShotgun"},
    {7, 2, "chkBigShot", "imgBigShot"},     {8, 2, "chkMachinegun", "imgMachinegun"},
    {9, 2, "chkAssault", "imgAssault"},
};
// The first two rows leave the right-hand side to the Specs groups; the last spans the screen.
constexpr int kRowRight[] = {190, 190, 409};

constexpr Control kControls[] = {
    {"GroupBox1", Kind::Group, "", 194, 4, 104, 94,
     QT_TRANSLATE_NOOP("quillmere::DealerScreen", " New Gun Specs ")},
    {"", Kind::Label, "GroupBox1", 8, 18, 88, 18,
     QT_TRANSLATE_NOOP("quillmere::DealerScreen", "Price:"), kSpecsCaption},
    {"lblNewPrice", Kind::Label, "GroupBox1", 8, 18, 88, 18, "0", kSpecsValue},
    {"", Kind::Label, "GroupBox1", 8, 36, 88, 18,
     QT_TRANSLATE_NOOP("quillmere::DealerScreen", "Accuracy:"), kSpecsCaption},
    {"lblNewAccuracy", Kind::Label, "GroupBox1", 8, 36, 88, 18, "0", kSpecsValue},
    {"btnBuy", Kind::Button, "GroupBox1", 8, 62, 88, 25,
     QT_TRANSLATE_NOOP("quillmere::DealerScreen", "Buy Gun")},
    {"GroupBox2", Kind::Group, "", 302, 4, 103, 94,
     QT_TRANSLATE_NOOP("quillmere::DealerScreen", " Old Gun Specs ")},
    {"", Kind::Label, "GroupBox2", 8, 18, 87, 18,
     QT_TRANSLATE_NOOP("quillmere::DealerScreen", "Price:"), kSpecsCaption},
    {"lblOldPrice", Kind::Label, "GroupBox2", 8, 18, 87, 18, "0", kSpecsValue},
    {"", Kind::Label, "GroupBox2", 8, 36, 87, 18,
     QT_TRANSLATE_NOOP("quillmere::DealerScreen", "Accuracy:"), kSpecsCaption},
    {"lblOldAccuracy", Kind::Label, "GroupBox2", 8, 36, 87, 18, "0", kSpecsValue},
    {"btnSell", Kind::Button, "GroupBox2", 8, 62, 88, 25,
     QT_TRANSLATE_NOOP("quillmere::DealerScreen", "Sell Gun")},
    // Wide enough for any 32-bit sum, "-2147483648" included.
    {"lblCash", Kind::Label, "", 228, 106, 70, 18, "0", kSpecsValue},
    {"btnClose", Kind::Button, "", 302, 103, 103, 25,
     QT_TRANSLATE_NOOP("quillmere::DealerScreen", "Leave")},
};

// The gun dealer's own caption.
constexpr Control kCashCaption[] = {
    {"", Kind::Label, "", 198, 106, 30, 18,
     QT_TRANSLATE_NOOP("quillmere::GunDealerScreen", "Cash:"), kSpecsCaption},
};

}  // namespace

GunDealerScreen::GunDealerScreen(const Game& game, QWidget* parent)
    : DealerScreen(game, tr("Gun Dealer"), QSize(409, 197), parent) {
  stockShelf(
      kShelf, "Guns",
      [](int kind) {
        const GunInfo& gun = GunOfKind(kind);
        return ShelfLook{gun.name, gun.picture};
      },
      kRowRight);

  BuildControls(*this, "quillmere::DealerScreen", kControls);
  BuildControls(*this, "quillmere::GunDealerScreen", kCashCaption);
  m_lblNewAccuracy = FindControl<QLabel>(*this, "lblNewAccuracy");
  m_lblOldAccuracy = FindControl<QLabel>(*this, "lblOldAccuracy");

  connectButtons();
  refresh();
}

void GunDealerScreen::refresh() {
  const GunDealer& g = m_game.gunDealer();
  showCommon(g);
  m_lblNewAccuracy->setText(QString::fromStdString(g.newAccuracy()));
  m_lblOldAccuracy->setText(QString::fromStdString(g.oldAccuracy()));
}

}  // namespace quillmere
