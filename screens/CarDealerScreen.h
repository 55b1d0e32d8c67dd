// The car dealer: ten cars to choose from, the owned car to sell.
#pragma once

#include "screens/DealerScreen.h"

class QLabel;
class QPushButton;

namespace quillmere {

class CarDealerScreen : public DealerScreen {
  Q_OBJECT

 public:
  explicit CarDealerScreen(const Game& game, QWidget* parent = nullptr);
  void refresh() override;

 private:
  QLabel* m_lblNewSeats = nullptr;
  QLabel* m_lblNewTrunk = nullptr;
  QLabel* m_lblOldSeats = nullptr;
  QLabel* m_lblOldTrunk = nullptr;
};

}  // namespace quillmere
