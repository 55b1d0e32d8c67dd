// The car dealer: ten cars to choose from, the owned car to sell.
#include "screens/Unit5.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "screens/App.h"
#include "screens/ScreenKit.h"

namespace quillmere {

namespace {

// The shelf: which row each car stands in, and its picture control.
struct CarPlace {
  int carKind;
  int row;
  const char* picture;
};
constexpr CarPlace kShelf[] = {
    {1, 0, "imgCivic"},     {2, 0, "imgMustang"}, {3, 0, "imgCorvette"}, {6, 1, "imgTowncar"},
    {7, 1, "imgBoxter"},    {8, 1, "imgMcLaren"}, {9, 2, "imgAstro"},    {10, 2, "imgF150"},
    {4, 2, "imgNavigator"}, {5, 2, "imgHummer"},
};
// The first two rows leave the right-hand side to the Specs groups, the last to the cash and Leave.
constexpr int kRowRight[] = {324, 324, 433};

constexpr QRect kNewGroup{328, 4, 105, 108};
constexpr QRect kOldGroup{437, 4, 105, 108};
constexpr QRect kGroupButton{8, 76, 89, 25};
constexpr QRect kCashGroup{437, 118, 105, 40};
constexpr QRect kCash{8, 16, 89, 18};
constexpr QRect kLeave{437, 163, 105, 25};

}  // namespace

TfrmCars::TfrmCars(App& app, QWidget* parent)
    : DealerForm(app, tr("Car Dealer"), QSize(546, 192), parent) {
  std::vector<ShelfItem> items;
  for (const CarPlace& place : kShelf) {
    const CarInfo& car = CarOfKind(place.carKind);
    items.push_back(
        {place.carKind, place.row, "Cars", car.name, car.selector, car.picture, place.picture});
  }
  stockShelf(items, kRowRight);

  const SpecLine newLines[] = {
      {QT_TRANSLATE_NOOP("quillmere::DealerForm", "Price:"), &m_lblNewPrice, "lblNewPrice"},
      {QT_TRANSLATE_NOOP("quillmere::DealerForm", "Seats:"), &m_lblNewSeats, "lblNewSeats"},
      {QT_TRANSLATE_NOOP("quillmere::DealerForm", "Trunk Space:"), &m_lblNewTrunk, "lblNewTrunk"}};
  m_btnBuy = addButton(
      addGroup(QT_TRANSLATE_NOOP("quillmere::DealerForm", " New Car Specs "), kNewGroup, newLines),
      "btnBuy", QT_TRANSLATE_NOOP("quillmere::DealerForm", "Buy Car"), kGroupButton);
  const SpecLine oldLines[] = {
      {QT_TRANSLATE_NOOP("quillmere::DealerForm", "Price:"), &m_lblOldPrice, "lblOldPrice"},
      {QT_TRANSLATE_NOOP("quillmere::DealerForm", "Seats:"), &m_lblOldSeats, "lblOldSeats"},
      {QT_TRANSLATE_NOOP("quillmere::DealerForm", "Trunk Space:"), &m_lblOldTrunk, "lblOldTrunk"}};
  m_btnSell = addButton(
      addGroup(QT_TRANSLATE_NOOP("quillmere::DealerForm", " Old Car Specs "), kOldGroup, oldLines),
      "btnSell", QT_TRANSLATE_NOOP("quillmere::DealerForm", "Sell Car"), kGroupButton);
  m_lblCash =
      addValue(addGroup(QT_TRANSLATE_NOOP("quillmere::DealerForm", " Cash "), kCashGroup, {}),
               "lblCash", kCash);
  m_btnClose =
      addButton(this, "btnClose", QT_TRANSLATE_NOOP("quillmere::DealerForm", "Leave"), kLeave);

  OnClick(m_btnBuy, this, &TfrmCars::btnBuyClick);
  OnClick(m_btnSell, this, &TfrmCars::btnSellClick);
  OnClick(m_btnClose, this, &TfrmCars::reject);
  refresh();
}

CarDealer& TfrmCars::cars() { return m_app.game().cars(); }

void TfrmCars::refresh() {
  const CarDealer& c = cars();
  if (QAbstractButton* selected = m_selectors->button(c.selected())) {
    const QSignalBlocker quiet(m_selectors);
    selected->setChecked(true);
  }
  m_lblNewPrice->setText(QString::number(c.lblNewPrice()));
  m_lblNewSeats->setText(QString::number(c.lblNewSeats()));
  m_lblNewTrunk->setText(QString::number(c.lblNewTrunk()));
  m_lblOldPrice->setText(QString::number(c.lblOldPrice()));
  m_lblOldSeats->setText(QString::number(c.lblOldSeats()));
  m_lblOldTrunk->setText(QString::number(c.lblOldTrunk()));
  m_lblCash->setText(QString::number(c.lblCash()));
  m_btnBuy->setEnabled(c.buyEnabled());
  m_btnSell->setEnabled(c.sellEnabled());
}

void TfrmCars::selectClick(int carKind) { cars().select(carKind); }

bool TfrmCars::closeClick() { return cars().btnCloseClick(); }

void TfrmCars::btnBuyClick() {
  // A refusal's message box has come and gone by the time this returns; the screen stays.
  if (cars().btnBuyClick()) accept();
  redraw();
}

void TfrmCars::btnSellClick() {
  cars().btnSellClick();
  redraw();
}

}  // namespace quillmere
