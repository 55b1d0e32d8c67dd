// What the gun dealer's and the car dealer's screens share.
#include "screens/DealerScreen.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>

#include "game/dealers.h"
#include "screens/Pictures.h"
#include "screens/ScreenKit.h"
#include "screens/Translation.h"

namespace quillmere {

namespace {

constexpr QSize kPicture{74, 35};
constexpr int kSelectorGap = 1;  // between a picture and its option button

// The width an option button draws in: its indicator, the spacing and the whole caption. Its
// size hint adds a margin that the narrow last row of the gun dealer cannot spare.
int SelectorWidth(const QRadioButton& selector) {
  const QStyle& style = *selector.style();
  return style.pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, &selector) +
         style.pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, &selector) +
         selector.fontMetrics().horizontalAdvance(selector.text()) + 2;
}

}  // namespace

DealerScreen::DealerScreen(const Game& game, const QString& caption, QSize client, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_game(game),
      m_selectors(new QButtonGroup(this)) {
  setWindowTitle(caption);
  setFixedSize(client);
  setModal(true);
  QPalette face = palette();
  face.setColor(QPalette::Window, face.color(QPalette::Button));
  setPalette(face);
  connect(m_selectors, &QButtonGroup::idToggled, this, &DealerScreen::selectorToggled);
}

void DealerScreen::selectorToggled(int kind, bool checked) {
  // The button losing its check is not a selection; the one gaining it is.
  if (checked) emit acted(Choose{kind});
}

void DealerScreen::connectButtons() {
  m_lblNewPrice = FindControl<QLabel>(*this, "lblNewPrice");
  m_lblOldPrice = FindControl<QLabel>(*this, "lblOldPrice");
  m_lblCash = FindControl<QLabel>(*this, "lblCash");
  m_btnBuy = FindControl<QPushButton>(*this, "btnBuy");
  m_btnSell = FindControl<QPushButton>(*this, "btnSell");
  SendOnClick(m_btnBuy, this, BuyFromDealer{});
  SendOnClick(m_btnSell, this, SellToDealer{});
  SendOnClick(FindControl<QPushButton>(*this, "btnClose"), this, LeaveDealer{});
}

void DealerScreen::showCommon(const Dealer& dealer) {
  if (QAbstractButton* selected = m_selectors->button(dealer.selected())) {
    const QSignalBlocker quiet(m_selectors);
    selected->setChecked(true);
  }
  m_lblNewPrice->setText(QString::number(dealer.newPrice()));
  m_lblOldPrice->setText(QString::number(dealer.oldPrice()));
  m_lblCash->setText(QString::number(dealer.cash()));
  m_btnBuy->setEnabled(dealer.buyEnabled());
  m_btnSell->setEnabled(dealer.sellEnabled());
}

void DealerScreen::stockShelf(std::span<const ShelfItem> items, const char* context,
                              ShelfLook (*look)(int kind), std::span<const int> rowRight) {
  const int rows = static_cast<int>(rowRight.size());
  const int selectorHeight = QRadioButton(QStringLiteral("X")).sizeHint().height();
  const int rowHeight = kPicture.height() + kSelectorGap + selectorHeight;
  const int rowGap = std::max(0, (height() - rows * rowHeight) / (rows + 1));

  for (int row = 0; row < rows; ++row) {
    std::vector<QRadioButton*> selectors;
    std::vector<const ShelfItem*> rowItems;
    int used = 0;
    for (const ShelfItem& item : items) {
      if (item.row != row) continue;
      auto* selector = new QRadioButton(Translated(context, look(item.kind).name), this);
      selector->setObjectName(QString::fromUtf8(item.selector));
      m_selectors->addButton(selector, item.kind);
      selectors.push_back(selector);
      rowItems.push_back(&item);
      used += std::max(kPicture.width(), SelectorWidth(*selector));
    }
    const int count = static_cast<int>(selectors.size());
    const int gap = std::max(0, (rowRight[static_cast<std::size_t>(row)] - used) / (count + 1));
    const int top = rowGap + row * (rowHeight + rowGap);
    int left = gap;
    for (int i = 0; i < count; ++i) {
      QRadioButton* selector = selectors[static_cast<std::size_t>(i)];
      const ShelfItem& item = *rowItems[static_cast<std::size_t>(i)];
      const int selectorWidth = SelectorWidth(*selector);
      const int cell = std::max(kPicture.width(), selectorWidth);

      auto* picture = new QLabel(this);
      picture->setObjectName(QString::fromUtf8(item.picture));
      picture->setAccessibleName(selector->text());
      picture->setAlignment(Qt::AlignCenter);
      // A picture that is not drawn yet leaves an empty space of the same size.
      picture->setPixmap(Picture(look(item.kind).file));
      picture->setGeometry(left + (cell - kPicture.width()) / 2, top, kPicture.width(),
                           kPicture.height());
      selector->setGeometry(left + (cell - selectorWidth) / 2,
                            top + kPicture.height() + kSelectorGap, selectorWidth, selectorHeight);
      left += cell + gap;
    }
  }
}

void DealerScreen::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(*this);
  // The engine's FormShow has run by now; the screen only draws what it left.
  refresh();
  if (QAbstractButton* selected = m_selectors->checkedButton()) selected->setFocus();
}

void DealerScreen::reject() { emit acted(LeaveDealer{}); }

}  // namespace quillmere
