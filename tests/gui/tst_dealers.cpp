// The dealers' screens: their frames, captions and shelves, then a gun trade-in and a car
// sale and purchase clicked through with the real controls, each over two modal visits from
// the main screen's dealer buttons.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QWindow>
#include <QtTest>
#include <functional>
#include <optional>

#include "gui_helpers.h"
#include "screens/CarDealerScreen.h"
#include "screens/GunDealerScreen.h"
#include "screens/MainScreen.h"

using namespace quillmere;
using namespace quillmere::testing;

namespace {

bool enabled(QWidget* w, const char* name) { return child(w, name)->isEnabled(); }
bool checked(QWidget* w, const char* name) { return child<QAbstractButton>(w, name)->isChecked(); }
void click(QWidget* w, const char* name) {
  QTest::mouseClick(child<QAbstractButton>(w, name), Qt::LeftButton);
  Settle();
}
// The texts of a screen's labels, joined by spaces.
QString texts(QWidget* w, std::initializer_list<const char*> labels) {
  QStringList seen;
  for (const char* label : labels) seen << child<QLabel>(w, label)->text();
  return seen.join(QLatin1Char(' '));
}

// An item on a shelf: its option button, caption and picture.
struct ShelfSeen {
  const char* selector;
  const char* caption;
  const char* picture;
};
using Shelf = std::vector<std::vector<ShelfSeen>>;

// Each row stands level, below the last, left to right inside the screen; every caption fits
// beside its indicator; every picture sits above its own option button; nothing touches the
// specs groups or Leave.
void CheckShelf(QDialog* dealer, const Shelf& rows) {
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

// A game as "Continue" leaves it, with the main screen up and its dealers to visit.
struct DealerGame : GuiGame {
  DealerGame() { start(); }

  QString mainTexts(std::initializer_list<const char*> labels) {
    return texts(app.mainScreen(), labels);
  }

  // Clicks the main screen's button for the dealer, runs `script` on the dealer once it is up
  // as the window-modal screen over the main screen, and says whether the script left it.
  bool visit(QDialog* dealer, const std::function<void()>& script) {
    const bool guns = dealer == app.gunDealerScreen();
    click(app.mainScreen(), guns ? "SpeedButton8" : "SpeedButton7");
    if (QApplication::activeModalWidget() != dealer ||
        dealer->windowModality() != Qt::WindowModal ||
        dealer->parentWidget() != static_cast<QWidget*>(app.mainScreen()))
      return false;
    script();
    Settle();
    return !dealer->isVisible();
  }
};

}  // namespace

class TestDealers : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ApplyGameLook(); }

  void screensAndShelves() {
    DealerGame g;
    const auto check = [](QDialog* dealer, const char* title, QSize size, const char* captions,
                          const Shelf& shelf) {
      QCOMPARE(dealer->windowTitle(), QLatin1String(title));
      QCOMPARE(dealer->size(), size);
      QCOMPARE(dealer->minimumSize(), dealer->maximumSize());
      QVERIFY(!(dealer->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint)));
      QStringList seen;
      for (QGroupBox* box : dealer->findChildren<QGroupBox*>()) seen << box->title();
      for (const char* name : {"btnBuy", "btnSell", "btnClose"})
        seen << child<QPushButton>(dealer, name)->text();
      QCOMPARE(seen.join(QLatin1Char('|')), QLatin1String(captions));
      CheckShelf(dealer, shelf);
    };
    check(g.app.gunDealerScreen(), "Gun Dealer", {409, 197},
          " New Gun Specs | Old Gun Specs |Buy Gun|Sell Gun|Leave",
          {{{"chkPaintball", "Paintball Gun", "imgPaintball"},
            {"chkSmallP", "Small Pistol", "imgSmallP"}},
           {{"chkPistol", "Pistol", "imgPistol"}, {"chkRevolver", "Revolver", "imgRevolver"}},
           {{"chkRifle", "Rifle", "imgRifle"},
            {"chkShotgun", "Shotgun", "imgShotgun"},
            {"chkBigShot", "Big Shotgun", "imgBigShot"},
            {"chkMachinegun", "Machinegun", "imgMachinegun"},
            {"chkAssault", "Assault Rifle", "imgAssault"}}});
    check(g.app.carDealerScreen(), "Car Dealer", {546, 192},
          " New Car Specs | Old Car Specs | Cash |Buy Car|Sell Car|Leave",
          {{{"chkCivic", "Honda Civic", "imgCivic"},
            {"chkMustang", "Ford Mustang", "imgMustang"},
            {"chkCorvette", "Chevy Corvette", "imgCorvette"}},
           {{"chkTowncar", "Lincoln Towncar", "imgTowncar"},
            {"chkBoxter", "Porsche Boxter", "imgBoxter"},
            {"chkMclaren", "McLaren F1", "imgMcLaren"}},
           {{"chkAstro", "Chevy Astro", "imgAstro"},
            {"chkF150", "Ford F150", "imgF150"},
            {"chkNavigator", "Lincoln Navigator", "imgNavigator"},
            {"chkHummer", "AMG Hummer", "imgHummer"}}});
  }

  void theRifleIsTradedForTheShotgunOnTheSecondVisit() {
    DealerGame g;
    GunDealerScreen* guns = g.app.gunDealerScreen();
    g.s.gunKind = 5, g.s.gunName = "Rifle", g.s.gunValue = 9050, g.s.cash = 15000, g.s.bank = 5000;
    QString first;
    bool left = g.visit(guns, [&] {
      child(guns, "chkRevolver")->setFocus();
      QTest::keyClick(child(guns, "chkRevolver"), Qt::Key_Space);
      first = texts(guns, {"lblCash", "lblOldPrice", "lblOldAccuracy", "lblNewPrice"});
      QVERIFY(checked(guns, "chkRevolver"));
      guns->windowHandle()->close();  // the window system's close leaves
    });
    QVERIFY(left);
    QCOMPARE(first, QStringLiteral("20000 9050 5/10 4900"));
    QCOMPARE(std::tuple(g.s.cash, g.s.bank, g.s.gunKind), std::tuple(20000, 0, 5));

    bool paintballAgain = false, sellOn = false, buyOn = false;
    QString price;
    left = g.visit(guns, [&] {
      paintballAgain = checked(guns, "chkPaintball");
      sellOn = enabled(guns, "btnSell");
      click(guns, "chkShotgun");
      price = texts(guns, {"lblNewPrice", "lblNewAccuracy"});
      buyOn = enabled(guns, "btnBuy");
      click(guns, "btnBuy");
    });
    QVERIFY(left);
    QVERIFY(paintballAgain && sellOn && buyOn);
    QCOMPARE(price, QStringLiteral("15000 6/10"));
    QCOMPARE(std::tuple(g.s.cash, g.s.gunKind, g.s.gunValue), std::tuple(14050, 6, 13000));
    QCOMPARE(g.mainTexts({"lblGun", "lblGunValue", "lblcash"}),
             QStringLiteral("Shotgun 13000 14050"));
  }

  void refusalsKeepTheScreenOpenThenTheCivicMakesWayForTheF150() {
    DealerGame g;
    BoxAnswerer boxes;
    CarDealerScreen* cars = g.app.carDealerScreen();
    g.s.cash = 30000, g.s.bank = 5000;
    g.s.trunkFree = 79;  // one unit of goods in the trunk
    QString first;
    bool buyAtFirst = true, buyOnF150 = false, openAfterRefusals = false;
    bool left = g.visit(cars, [&] {
      // The Civic was chosen from the start, so Buy waits for a choice.
      buyAtFirst = enabled(cars, "btnBuy");
      click(cars, "chkF150");
      buyOnF150 = enabled(cars, "btnBuy");
      first = texts(cars, {"lblCash", "lblOldPrice", "lblOldSeats", "lblOldTrunk", "lblNewPrice",
                           "lblNewSeats", "lblNewTrunk"});
      click(cars, "btnBuy");
      click(cars, "btnSell");
      openAfterRefusals = cars->isVisible();
      click(cars, "btnClose");
    });
    QVERIFY(left);
    QCOMPARE(first, QStringLiteral("35000 7000 4 80 19465 2 150"));
    QVERIFY(!buyAtFirst && buyOnF150 && openAfterRefusals);
    QCOMPARE(boxes.texts(), (QStringList{"You must sell your existing car first.",
                                         "You must first empty your trunk and seats."}));
    QCOMPARE(boxes.seen[0].title, QStringLiteral("Information"));
    QCOMPARE(std::tuple(g.s.cash, g.s.bank, g.s.carKind), std::tuple(35000, 0, 1));

    // With the trunk emptied, the next visit sells the Civic and buys the F150.
    g.s.trunkFree = 80;
    QString sold, mainCar;
    bool sellAfter = true;
    left = g.visit(cars, [&] {
      QVERIFY(checked(cars, "chkCivic"));
      click(cars, "btnSell");
      sold = texts(cars, {"lblCash", "lblOldPrice", "lblOldSeats", "lblOldTrunk"});
      sellAfter = enabled(cars, "btnSell");
      mainCar = g.mainTexts({"lblCar"});
      QTest::keyClick(child(cars, "chkF150"), Qt::Key_Space);
      click(cars, "btnBuy");
    });
    QVERIFY(left);
    QCOMPARE(sold + " " + mainCar, QStringLiteral("42000 0 0 0 NONE"));
    QVERIFY(!sellAfter);
    QCOMPARE(boxes.seen.size(), 2);
    QCOMPARE(std::tuple(g.s.cash, g.s.carKind), std::tuple(42000 - 19465, 10));
    QCOMPARE(
        g.mainTexts({"lblCar", "lblCarValue", "lblSeat", "lblTotSeat", "lblTrunk", "lblTotTrunk"}),
        QStringLiteral("Ford F150 15572 2 2 150 150"));
  }
};

QTEST_MAIN(TestDealers)
#include "tst_dealers.moc"
