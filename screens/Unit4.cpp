// The gun dealer: nine guns to choose from, the held gun to sell or trade in.
#include "screens/Unit4.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "screens/App.h"
#include "screens/ScreenKit.h"

namespace quillmere {

namespace {

// The shelf: which row each gun stands in, and its picture control.
struct GunPlace {
  int gunKind;
  int row;
  const char* picture;
};
constexpr GunPlace kShelf[] = {
    {1, 0, "imgPaintball"}, {2, 0, "imgSmallP"},     {3, 1, "imgPistol"},
    {4, 1, "imgRevolver"},  {5, 2, "imgRifle"},      {6, 2, "imgShotgun"},
    {7, 2, "imgBigShot"},   {8, 2, "imgMachinegun"}, {9, 2, "imgAssault"},
};
// The first two rows leave the right-hand side to the Specs groups; the last spans the screen.
constexpr int kRowRight[] = {190, 190, 409};

constexpr QRect kNewGroup{194, 4, 104, 94};
constexpr QRect kOldGroup{302, 4, 103, 94};
constexpr QRect kGroupButton{8, 62, 88, 25};
constexpr QRect kCashCaption{198, 106, 30, 18};
// Wide enough for any 32-bit sum, "-2147483648" included.
constexpr QRect kCash{228, 106, 70, 18};
constexpr QRect kLeave{302, 103, 103, 25};

}  // namespace

TfrmGuns::TfrmGuns(App& app, QWidget* parent)
    : DealerForm(app, tr("Gun Dealer"), QSize(409, 197), parent) {
  std::vector<ShelfItem> items;
  for (const GunPlace& place : kShelf) {
    const GunInfo& gun = GunOfKind(place.gunKind);
    items.push_back(
        {place.gunKind, place.row, "Guns", gun.name, gun.selector, gun.picture, place.picture});
  }
  stockShelf(items, kRowRight);

  const SpecLine newLines[] = {
      {QT_TRANSLATE_NOOP("quillmere::DealerForm", "Price:"), &m_lblNewPrice, "lblNewPrice"},
      {QT_TRANSLATE_NOOP("quillmere::DealerForm", "Accuracy:"), &m_lblNewAccuracy,
       "lblNewAccuracy"}};
  m_btnBuy = addButton(
      addGroup(QT_TRANSLATE_NOOP("quillmere::DealerForm", " New Gun Specs "), kNewGroup, newLines),
      "btnBuy", QT_TRANSLATE_NOOP("quillmere::DealerForm", "Buy Gun"), kGroupButton);
  const SpecLine oldLines[] = {
      {QT_TRANSLATE_NOOP("quillmere::DealerForm", "Price:"), &m_lblOldPrice, "lblOldPrice"},
      {QT_TRANSLATE_NOOP("quillmere::DealerForm", "Accuracy:"), &m_lblOldAccuracy,
       "lblOldAccuracy"}};
  m_btnSell = addButton(
      addGroup(QT_TRANSLATE_NOOP("quillmere::DealerForm", " Old Gun Specs "), kOldGroup, oldLines),
      "btnSell", QT_TRANSLATE_NOOP("quillmere::DealerForm", "Sell Gun"), kGroupButton);
  (new QLabel(tr("Cash:"), this))->setGeometry(kCashCaption);
  m_lblCash = addValue(this, "lblCash", kCash);
  m_btnClose =
      addButton(this, "btnClose", QT_TRANSLATE_NOOP("quillmere::DealerForm", "Leave"), kLeave);

  OnClick(m_btnBuy, this, &TfrmGuns::btnBuyClick);
  OnClick(m_btnSell, this, &TfrmGuns::btnSellClick);
  OnClick(m_btnClose, this, &TfrmGuns::reject);
  refresh();
}

GunDealer& TfrmGuns::guns() { return m_app.game().guns(); }

void TfrmGuns::refresh() {
  const GunDealer& g = guns();
  if (QAbstractButton* selected = m_selectors->button(g.selected())) {
    const QSignalBlocker quiet(m_selectors);
    selected->setChecked(true);
  }
  m_lblNewPrice->setText(QString::number(g.lblNewPrice()));
  m_lblNewAccuracy->setText(QString::fromStdString(g.lblNewAccuracy()));
  m_lblOldPrice->setText(QString::number(g.lblOldPrice()));
  m_lblOldAccuracy->setText(QString::fromStdString(g.lblOldAccuracy()));
  m_lblCash->setText(QString::number(g.lblCash()));
  m_btnBuy->setEnabled(g.buyEnabled());
  m_btnSell->setEnabled(g.sellEnabled());
}

void TfrmGuns::selectClick(int gunKind) { guns().select(gunKind); }

bool TfrmGuns::closeClick() { return guns().btnCloseClick(); }

void TfrmGuns::btnBuyClick() {
  if (guns().btnBuyClick()) accept();
  redraw();
}

void TfrmGuns::btnSellClick() {
  guns().btnSellClick();
  redraw();
}

}  // namespace quillmere
