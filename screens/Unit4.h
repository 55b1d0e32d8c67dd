// The gun dealer: nine guns to choose from, the held gun to sell or trade in.
#pragma once

#include "screens/DealerForm.h"

class QLabel;
class QPushButton;

namespace quillmere {

class GunDealer;

class TfrmGuns : public DealerForm {
  Q_OBJECT

 public:
  explicit TfrmGuns(App& app, QWidget* parent = nullptr);
  // Redraws the screen from the engine's dealer. The main screen runs FormShow before it
  // shows this screen, so the screen never resets anything itself.
  void refresh() override;

 protected:
  void selectClick(int gunKind) override;
  bool closeClick() override;

 private:
  void btnBuyClick();
  void btnSellClick();
  GunDealer& guns();

  QLabel* lblNewPrice = nullptr;
  QLabel* lblNewAccuracy = nullptr;
  QLabel* lblOldPrice = nullptr;
  QLabel* lblOldAccuracy = nullptr;
  QLabel* lblCash = nullptr;
  QPushButton* btnBuy = nullptr;
  QPushButton* btnSell = nullptr;
  QPushButton* btnClose = nullptr;
};

}  // namespace quillmere
