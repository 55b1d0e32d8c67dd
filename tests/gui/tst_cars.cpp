// The car dealer's screen: its controls, and refusals, a sale and a purchase clicked through
// with the real controls over two visits, opened the way the main screen opens it.
#include "dealer_visit.h"

using namespace quillmere;
using namespace quillmere::testing;

class TestCars : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ApplyGameLook(); }

  void controlsAsCreated() {
    DealerGame<TfrmCars> g;
    TfrmCars* cars = g.dealer;
    QCOMPARE(cars->windowTitle(), QStringLiteral("Car Dealer"));
    QCOMPARE(cars->size(), QSize(546, 192));
    QCOMPARE(cars->minimumSize(), cars->maximumSize());
    QVERIFY(cars->isModal());
    QVERIFY(!(cars->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint)));
    CheckShelf(cars, {{{"chkCivic", "Honda Civic", "imgCivic"},
                       {"chkMustang", "Ford Mustang", "imgMustang"},
                       {"chkCorvette", "Chevy Corvette", "imgCorvette"}},
                      {{"chkTowncar", "Lincoln Towncar", "imgTowncar"},
                       {"chkBoxter", "Porsche Boxter", "imgBoxter"},
                       {"chkMclaren", "McLaren F1", "imgMcLaren"}},
                      {{"chkAstro", "Chevy Astro", "imgAstro"},
                       {"chkF150", "Ford F150", "imgF150"},
                       {"chkNavigator", "Lincoln Navigator", "imgNavigator"},
                       {"chkHummer", "AMG Hummer", "imgHummer"}}});
    QStringList seen;
    for (QGroupBox* box : cars->findChildren<QGroupBox*>()) seen << box->title();
    for (const char* name : {"btnBuy", "btnSell", "btnClose"})
      seen << child<QPushButton>(cars, name)->text();
    for (const char* name : {"lblNewPrice", "lblNewSeats", "lblNewTrunk", "lblOldPrice",
                             "lblOldSeats", "lblOldTrunk", "lblCash"})
      seen << text(cars, name);
    QCOMPARE(seen, (QStringList{" New Car Specs ", " Old Car Specs ", " Cash ", "Buy Car",
                                "Sell Car", "Leave", "13500", "4", "80", "0", "0", "0", "0"}));
    QVERIFY(checked(cars, "chkCivic"));
    QVERIFY(!enabled(cars, "btnBuy") && !enabled(cars, "btnSell"));
  }

  void refusalsKeepTheScreenOpenThenTheCivicMakesWayForTheF150() {
    DealerGame<TfrmCars> g;
    BoxAnswerer boxes;
    TfrmCars* cars = g.dealer;
    g.s.cash = 30000;
    g.s.bank = 5000;
    g.s.trunkFree = 79;  // one unit of goods in the trunk
    QStringList first;
    bool buyAtFirst = true, buyOnF150 = false, openAfterRefusals = false;
    auto result = g.visit([&] {
      // The Civic was chosen from the start, so Buy waits for a choice.
      buyAtFirst = enabled(cars, "btnBuy");
      click(cars, "chkF150");
      buyOnF150 = enabled(cars, "btnBuy");
      for (const char* label : {"lblCash", "lblOldPrice", "lblOldSeats", "lblOldTrunk",
                                "lblNewPrice", "lblNewSeats", "lblNewTrunk"})
        first << text(cars, label);
      click(cars, "btnBuy");
      click(cars, "btnSell");
      openAfterRefusals = cars->isVisible();
      click(cars, "btnClose");
    });
    QCOMPARE(result, std::optional<int>(QDialog::Rejected));
    QCOMPARE(first, (QStringList{"35000", "7000", "4", "80", "19465", "2", "150"}));
    QVERIFY(!buyAtFirst && buyOnF150 && openAfterRefusals);
    QCOMPARE(boxes.texts(), (QStringList{"You must sell your existing car first.",
                                         "You must first empty your trunk and seats."}));
    QCOMPARE(boxes.seen[0].title, QStringLiteral("Information"));
    QCOMPARE(g.s.cash, 35000);
    QCOMPARE(g.s.bank, 0);
    QCOMPARE(g.s.carKind, 1);

    // With the trunk emptied, the next visit sells the Civic and buys the F150.
    g.s.trunkFree = 80;
    QStringList sold;
    QString mainCar;
    result = g.visit([&] {
      sold << QString::number(checked(cars, "chkCivic"));
      click(cars, "btnSell");
      for (const char* label : {"lblCash", "lblOldPrice", "lblOldSeats", "lblOldTrunk"})
        sold << text(cars, label);
      sold << QString::number(enabled(cars, "btnSell"));
      if (auto shown = g.mainText("lblCar")) mainCar = *shown;
      QTest::keyClick(child(cars, "chkF150"), Qt::Key_Space);
      click(cars, "btnBuy");
    });
    QCOMPARE(result, std::optional<int>(QDialog::Accepted));
    QCOMPARE(sold, (QStringList{"1", "42000", "0", "0", "0", "0"}));
    if (g.mainText("lblCar")) QCOMPARE(mainCar, QStringLiteral("NONE"));
    QCOMPARE(boxes.seen.size(), 2);
    QCOMPARE(g.s.cash, 42000 - 19465);
    QCOMPARE(g.s.carKind, 10);
    QCOMPARE(g.s.carName, std::string("Ford F150"));
    QCOMPARE(g.s.carValue, 15572);
    const std::pair<const char*, const char*> shownOnMain[] = {
        {"lblCar", "Ford F150"}, {"lblCarValue", "15572"}, {"lblSeat", "2"},
        {"lblTotSeat", "2"},     {"lblTrunk", "150"},      {"lblTotTrunk", "150"},
    };
    for (const auto& [label, expected] : shownOnMain)
      if (auto shown = g.mainText(label)) QCOMPARE(*shown, QString::fromLatin1(expected));
  }
};

QTEST_MAIN(TestCars)
#include "tst_cars.moc"
