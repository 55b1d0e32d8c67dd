// The car dealer: ten cars to choose from, the owned car to sell.
#pragma once

#include "screens/DealerForm.h"

class QLabel;
class QPushButton;

namespace quillmere {

class CarDealer;

class TfrmCars : public DealerForm {
  Q_OBJECT

 public:
  explicit TfrmCars(App& app, QWidget* parent = nullptr);
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

  QLabel* lblNewPrice = nullptr;
  QLabel* lblNewSeats = nullptr;
  QLabel* lblNewTrunk = nullptr;
  QLabel* lblOldPrice = nullptr;
  QLabel* lblOldSeats = nullptr;
  QLabel* lblOldTrunk = nullptr;
  QLabel* lblCash = nullptr;
  QPushButton* btnBuy = nullptr;
  QPushButton* btnSell = nullptr;
  QPushButton* btnClose = nullptr;
};

}  // namespace quillmere
