// The gun dealer: nine guns to choose from, the held gun to sell or trade in.
#pragma once

#include "screens/DealerScreen.h"

class QLabel;
class QPushButton;

namespace quillmere {

class GunDealer;

class GunDealerScreen : public DealerScreen {
  Q_OBJECT

 public:
  explicit GunDealerScreen(App& app, QWidget* parent = nullptr);
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

  QLabel* m_lblNewPrice = nullptr;
  QLabel* m_lblNewAccuracy = nullptr;
  QLabel* m_lblOldPrice = nullptr;
  QLabel* m_lblOldAccuracy = nullptr;
  QLabel* m_lblCash = nullptr;
  QPushButton* m_btnBuy = nullptr;
  QPushButton* m_btnSell = nullptr;
  QPushButton* m_btnClose = nullptr;
};

}  // namespace quillmere
