// The car dealer: ten cars to choose from, the owned car to sell.
#pragma once

#include "screens/DealerScreen.h"

class QLabel;
class QPushButton;

namespace quillmere {

class CarDealer;

class CarDealerScreen : public DealerScreen {
  Q_OBJECT

 public:
  explicit CarDealerScreen(App& app, QWidget* parent = nullptr);
  // Redraws the screen from the engine's dealer. The main screen runs FormShow before it
  // shows this screen, so the screen never resets anything itself.
  void refresh() override;

 protected:
  void selectClick(int carKind) override;
  bool closeClick() override;

 private:
  void btnBuyClick();
  void btnSellClick();
  CarDealer& cars();

  QLabel* m_lblNewPrice = nullptr;
  QLabel* m_lblNewSeats = nullptr;
  QLabel* m_lblNewTrunk = nullptr;
  QLabel* m_lblOldPrice = nullptr;
  QLabel* m_lblOldSeats = nullptr;
  QLabel* m_lblOldTrunk = nullptr;
  QLabel* m_lblCash = nullptr;
  QPushButton* m_btnBuy = nullptr;
  QPushButton* m_btnSell = nullptr;
  QPushButton* m_btnClose = nullptr;
};

}  // namespace quillmere
