// Shared by the two dealers' GUI tests: a game with the dealers and the main screen behind
// them, a visit opened the way the main screen opens it, and a check of the shelf's layout.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QtTest>
#include <functional>
#include <optional>

#include "gui_helpers.h"
#include "screens/Unit1.h"
#include "screens/Unit4.h"
#include "screens/Unit5.h"

namespace quillmere::testing {

inline QString text(QWidget* w, const char* label) { return child<QLabel>(w, label)->text(); }
inline bool enabled(QWidget* w, const char* name) { return child(w, name)->isEnabled(); }
inline bool checked(QWidget* w, const char* name) {
  return child<QAbstractButton>(w, name)->isChecked();
}
inline void click(QWidget* w, const char* name) {
  QTest::mouseClick(child<QAbstractButton>(w, name), Qt::LeftButton);
}

// An item on a shelf: its option button, caption and picture.
struct ShelfSeen {
  const char* selector;
  const char* caption;
  const char* picture;
};

// Each row stands level, below the last, left to right inside the screen; every caption fits
// beside its indicator; every picture sits above its own option button; nothing touches the
// specs groups or Leave.
inline void CheckShelf(QDialog* dealer, const std::vector<std::vector<ShelfSeen>>& rows) {
  QWidget* cash = child(dealer, "lblCash");
  QList<QRect> specs{child(dealer, "btnClose")->geometry(),
                     QRect(cash->mapTo(dealer, QPoint()), cash->size())};
  for (QGroupBox* box : dealer->findChildren<QGroupBox*>()) specs << box->geometry();
  const int indicator = dealer->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth);
  int lastTop = -1;
  for (const auto& row : rows) {
    const int top = child(dealer, row.front().selector)->y();
    QVERIFY(top > lastTop);
    lastTop = top;
    int lastRight = -1;
    for (const ShelfSeen& item : row) {
      auto* selector = child<QRadioButton>(dealer, item.selector);
      const QRect s = selector->geometry();
      const QRect p = child(dealer, item.picture)->geometry();
      QCOMPARE(selector->text(), QString::fromLatin1(item.caption));
      QCOMPARE(child(dealer, item.picture)->accessibleName(), QString::fromLatin1(item.caption));
      QCOMPARE(p.size(), QSize(74, 35));
      QVERIFY2(s.top() == top && s.left() > lastRight && dealer->rect().contains(s), item.selector);
      QVERIFY2(s.width() >= indicator + selector->fontMetrics().horizontalAdvance(selector->text()),
               item.selector);
      QVERIFY2(p.bottom() < top && qAbs(p.center().x() - s.center().x()) < 8, item.picture);
      for (const QRect& spec : specs)
        QVERIFY2(!spec.intersects(s) && !spec.intersects(p), item.selector);
      lastRight = s.right();
    }
  }
}

// A game as "Continue" leaves it, with the dealer D (TfrmGuns or TfrmCars) to visit.
template <typename D>
struct DealerGame : GuiGame {
  DealerGame() {
    app.createGuns();
    app.createCars();
    app.createMain();
    game.startgame();
    if constexpr (std::is_same_v<D, TfrmGuns>) {
      dealer = app.frmGuns();
    } else {
      dealer = app.frmCars();
    }
  }

  // What the main screen shows in one of its labels, when it has that label.
  std::optional<QString> mainText(const char* label) {
    QLabel* l = app.frmMain() ? app.frmMain()->findChild<QLabel*>(label) : nullptr;
    return l ? std::optional<QString>(l->text()) : std::nullopt;
  }

  // Runs the dealer's FormShow and shows it modally, as the main screen's dealer button does,
  // runs `script` on it and returns how it closed; a screen the script leaves open is shut,
  // failing the test rather than hanging it.
  std::optional<int> visit(const std::function<void()>& script) {
    QTimer play, watchdog;
    play.setSingleShot(true);
    watchdog.setSingleShot(true);
    bool leftOpen = false;
    QObject::connect(&play, &QTimer::timeout, dealer, script);
    QObject::connect(&watchdog, &QTimer::timeout, dealer, [&] {
      leftOpen = dealer->isVisible();
      if (leftOpen) dealer->done(-1);
    });
    play.start(0);
    watchdog.start(3000);
    if constexpr (std::is_same_v<D, TfrmGuns>) {
      game.guns().FormShow();
    } else {
      game.cars().FormShow();
    }
    dealer->refresh();
    const int result = dealer->exec();
    return leftOpen ? std::nullopt : std::optional<int>(result);
  }

  D* dealer = nullptr;
};

}  // namespace quillmere::testing
