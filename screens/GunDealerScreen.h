// The gun dealer: nine guns to choose from, the held gun to sell or trade in.
#pragma once

#include "screens/DealerScreen.h"

class QLabel;
class QPushButton;

namespace quillmere {

class GunDealerScreen : public DealerScreen {
  Q_OBJECT

 public:
  explicit GunDealerScreen(const Game& game, QWidget* parent = nullptr);
  void refresh() override;

 private:
  QLabel* m_lblNewAccuracy = nullptr;
  QLabel* m_lblOldAccuracy = nullptr;
};

}  // namespace quillmere
