// The car dealer's screen: its controls, refusals, a sale and a purchase clicked through with
// the real controls, opened the way the main screen opens it.
#include <QButtonGroup>
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
#include "screens/Unit1.h"
#include "screens/Unit4.h"
#include "screens/Unit5.h"

using namespace quillmere;
using namespace quillmere::testing;

namespace {

template <typename T = QWidget>
T* child(QWidget* w, const char* name) {
  T* c = w->findChild<T*>(QString::fromLatin1(name));
  if (!c) qFatal("no control %s", name);
  return c;
}

QString text(QWidget* w, const char* label) { return child<QLabel>(w, label)->text(); }

void click(QWidget* w, const char* name) {
  QTest::mouseClick(child<QAbstractButton>(w, name), Qt::LeftButton);
}

// The rows of the shelf, left to right, and each car's caption and picture.
struct Item {
  const char* selector;
  const char* caption;
  const char* picture;
};
const std::vector<std::vector<Item>> kRows = {
    {{"chkCivic", "Honda Civic", "imgCivic"},
     {"chkMustang", "Ford Mustang", "imgMustang"},
     {"chkCorvette", "Chevy Corvette", "imgCorvette"}},
    {{"chkTowncar", "Lincoln Towncar", "imgTowncar"},
     {"chkBoxter", "Porsche Boxter", "imgBoxter"},
     {"chkMclaren", "McLaren F1", "imgMcLaren"}},
    {{"chkAstro", "Chevy Astro", "imgAstro"},
     {"chkF150", "Ford F150", "imgF150"},
     {"chkNavigator", "Lincoln Navigator", "imgNavigator"},
     {"chkHummer", "AMG Hummer", "imgHummer"}},
};

// A game with the dealers and the main screen behind them, as "Continue" leaves it.
struct DealerGame : GuiGame {
  DealerGame() {
    app.createGuns();
    app.createCars();
    app.createMain();
    game.startgame();
    cars = app.frmCars();
  }
  // What the main screen shows in one of its labels, when it has that label.
  std::optional<QString> mainText(const char* label) {
    if (!app.frmMain()) return std::nullopt;
    auto* l = app.frmMain()->findChild<QLabel*>(QString::fromLatin1(label));
    if (!l) return std::nullopt;
    return l->text();
  }
  // Opens the dealer as the main screen's "Car Dealer" does, runs `script` on it and returns
  // how it closed; a screen the script leaves open is shut, failing the test, not hanging it.
  std::optional<int> visit(const std::function<void()>& script) {
    QTimer play, watchdog;
    play.setSingleShot(true);
    watchdog.setSingleShot(true);
    bool leftOpen = false;
    QObject::connect(&play, &QTimer::timeout, cars, script);
    QObject::connect(&watchdog, &QTimer::timeout, cars, [&] {
      leftOpen = cars->isVisible();
      if (leftOpen) cars->done(-1);
    });
    play.start(0);
    watchdog.start(3000);
    game.cars().FormShow();
    cars->refresh();
    const int result = cars->exec();
    if (leftOpen) return std::nullopt;
    return result;
  }
  TfrmCars* cars = nullptr;
};

}  // namespace

class TestCars : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ApplyGameLook(); }

  void controlsStandWhereThePlayerCanReadThem() {
    DealerGame g;
    TfrmCars* cars = g.cars;
    QCOMPARE(cars->windowTitle(), QStringLiteral("Car Dealer"));
    QCOMPARE(cars->size(), QSize(546, 192));
    QCOMPARE(cars->minimumSize(), cars->maximumSize());
    QVERIFY(cars->isModal());
    QVERIFY(!(cars->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint)));

    // Each row stands level, left to right, inside the screen and apart from its neighbours;
    // every picture sits just above its own car's option button, clear of the specs.
    const QRect client = cars->rect();
    QList<QRect> specs;
    for (QGroupBox* box : cars->findChildren<QGroupBox*>()) specs << box->geometry();
    specs << child(cars, "btnClose")->geometry();
    const int indicator = cars->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth);
    int lastTop = -1;
    for (const auto& row : kRows) {
      int lastRight = -1;
      const int top = child<QRadioButton>(cars, row.front().selector)->y();
      QVERIFY(top > lastTop);
      lastTop = top;
      for (const Item& item : row) {
        auto* selector = child<QRadioButton>(cars, item.selector);
        QCOMPARE(selector->text(), QString::fromLatin1(item.caption));
        QCOMPARE(selector->y(), top);
        QVERIFY2(selector->x() > lastRight && client.contains(selector->geometry()), item.selector);
        QVERIFY2(selector->width() >=
                     indicator + selector->fontMetrics().horizontalAdvance(selector->text()),
                 item.selector);
        lastRight = selector->geometry().right();
        auto* picture = child<QLabel>(cars, item.picture);
        QCOMPARE(picture->size(), QSize(74, 35));
        QCOMPARE(picture->accessibleName(), QString::fromLatin1(item.caption));
        QVERIFY(picture->geometry().bottom() < top);
        QVERIFY(qAbs(picture->geometry().center().x() - selector->geometry().center().x()) < 8);
        for (const QRect& spec : specs) {
          QVERIFY2(!spec.intersects(selector->geometry()), item.selector);
          QVERIFY2(!spec.intersects(picture->geometry()), item.picture);
        }
      }
    }

    QStringList groups;
    for (QGroupBox* box : cars->findChildren<QGroupBox*>()) groups << box->title();
    QCOMPARE(groups, (QStringList{" New Car Specs ", " Old Car Specs ", " Cash "}));
    QCOMPARE(child<QPushButton>(cars, "btnBuy")->text(), QStringLiteral("Buy Car"));
    QCOMPARE(child<QPushButton>(cars, "btnSell")->text(), QStringLiteral("Sell Car"));
    QCOMPARE(child<QPushButton>(cars, "btnClose")->text(), QStringLiteral("Leave"));

    // As created: the Honda Civic chosen, no old car shown, no cash, nothing to press.
    QVERIFY(child<QRadioButton>(cars, "chkCivic")->isChecked());
    QCOMPARE(text(cars, "lblNewPrice"), QStringLiteral("13500"));
    QCOMPARE(text(cars, "lblNewSeats"), QStringLiteral("4"));
    QCOMPARE(text(cars, "lblNewTrunk"), QStringLiteral("80"));
    for (const char* zero : {"lblOldPrice", "lblOldSeats", "lblOldTrunk", "lblCash"})
      QCOMPARE(text(cars, zero), QStringLiteral("0"));
    QVERIFY(!child<QPushButton>(cars, "btnBuy")->isEnabled());
    QVERIFY(!child<QPushButton>(cars, "btnSell")->isEnabled());
  }

  void refusalsKeepTheScreenOpenThenTheCivicMakesWayForTheF150() {
    DealerGame g;
    BoxAnswerer boxes;
    TfrmCars* cars = g.cars;
    g.s.cash = 30000;
    g.s.bank = 5000;
    g.s.trunkFree = 79;  // one unit of goods in the trunk
    QString cash, oldPrice, oldSeats, oldTrunk, newPrice, newSeats, newTrunk;
    bool buyAtFirst = true, buyOnF150 = false, openAfterRefusals = false;
    auto result = g.visit([&] {
      cash = text(cars, "lblCash");
      oldPrice = text(cars, "lblOldPrice");
      oldSeats = text(cars, "lblOldSeats");
      oldTrunk = text(cars, "lblOldTrunk");
      // The Civic was chosen from the start, so Buy waits for a choice.
      buyAtFirst = child<QPushButton>(cars, "btnBuy")->isEnabled();
      click(cars, "chkF150");
      newPrice = text(cars, "lblNewPrice");
      newSeats = text(cars, "lblNewSeats");
      newTrunk = text(cars, "lblNewTrunk");
      buyOnF150 = child<QPushButton>(cars, "btnBuy")->isEnabled();
      click(cars, "btnBuy");
      click(cars, "btnSell");
      openAfterRefusals = cars->isVisible();
      click(cars, "btnClose");
    });
    QCOMPARE(result, std::optional<int>(QDialog::Rejected));
    QCOMPARE(cash, QStringLiteral("35000"));
    QCOMPARE(oldPrice, QStringLiteral("7000"));
    QCOMPARE(oldSeats, QStringLiteral("4"));
    QCOMPARE(oldTrunk, QStringLiteral("80"));
    QVERIFY(!buyAtFirst);
    QCOMPARE(newPrice, QStringLiteral("19465"));
    QCOMPARE(newSeats, QStringLiteral("2"));
    QCOMPARE(newTrunk, QStringLiteral("150"));
    QVERIFY(buyOnF150);
    QVERIFY(openAfterRefusals);
    QCOMPARE(boxes.texts(), (QStringList{"You must sell your existing car first.",
                                         "You must first empty your trunk and seats."}));
    QCOMPARE(boxes.seen[0].title, QStringLiteral("Information"));
    QCOMPARE(boxes.seen[1].title, QStringLiteral("Information"));
    QCOMPARE(g.s.cash, 35000);
    QCOMPARE(g.s.bank, 0);
    QCOMPARE(g.s.carKind, 1);
    QCOMPARE(g.s.carValue, 7000);

    // With the trunk emptied, the next visit sells the Civic and buys the F150.
    g.s.trunkFree = 80;
    bool civicAgain = false, sellOff = false;
    QString mainCar;
    result = g.visit([&] {
      civicAgain = child<QRadioButton>(cars, "chkCivic")->isChecked();
      click(cars, "btnSell");
      cash = text(cars, "lblCash");
      oldPrice = text(cars, "lblOldPrice");
      oldSeats = text(cars, "lblOldSeats");
      oldTrunk = text(cars, "lblOldTrunk");
      sellOff = !child<QPushButton>(cars, "btnSell")->isEnabled();
      if (auto shown = g.mainText("lblCar")) mainCar = *shown;
      QTest::keyClick(child(cars, "chkF150"), Qt::Key_Space);
      click(cars, "btnBuy");
    });
    QCOMPARE(result, std::optional<int>(QDialog::Accepted));
    QVERIFY(civicAgain);
    QCOMPARE(cash, QStringLiteral("42000"));
    QCOMPARE(oldPrice, QStringLiteral("0"));
    QCOMPARE(oldSeats, QStringLiteral("0"));
    QCOMPARE(oldTrunk, QStringLiteral("0"));
    QVERIFY(sellOff);
    if (g.mainText("lblCar")) QCOMPARE(mainCar, QStringLiteral("NONE"));
    QCOMPARE(boxes.seen.size(), 2);
    QCOMPARE(g.s.cash, 42000 - 19465);
    QCOMPARE(g.s.carKind, 10);
    QCOMPARE(g.s.carName, std::string("Ford F150"));
    QCOMPARE(g.s.carValue, 15572);
    QCOMPARE(g.s.seatsTotal, 2);
    QCOMPARE(g.s.seatsFree, 2);
    QCOMPARE(g.s.trunkTotal, 150);
    QCOMPARE(g.s.trunkFree, 150);
    const std::pair<const char*, const char*> shownOnMain[] = {
        {"lblCar", "Ford F150"}, {"lblCarValue", "15572"}, {"lblSeat", "2"},
        {"lblTotSeat", "2"},     {"lblTrunk", "150"},      {"lblTotTrunk", "150"},
    };
    for (const auto& [label, expected] : shownOnMain)
      if (auto shown = g.mainText(label)) QCOMPARE(*shown, QString::fromLatin1(expected));
  }

  void tooLittleCashIsRefusedAndTheWindowSystemsCloseLeaves() {
    DealerGame g;
    BoxAnswerer boxes;
    TfrmCars* cars = g.cars;
    g.s.cash = 25000;
    // The first visit leaves the Navigator chosen and sells the Civic.
    auto result = g.visit([&] {
      click(cars, "chkNavigator");
      click(cars, "btnSell");
      click(cars, "btnClose");
    });
    QCOMPARE(result, std::optional<int>(QDialog::Rejected));
    QCOMPARE(g.s.cash, 32000);
    // Money spent elsewhere; the Civic comes back chosen, judged against the 32000 shown last
    // time, and Buy finds the money short.
    g.s.cash = 10000;
    bool buyOn = false;
    result = g.visit([&] {
      buyOn = child<QPushButton>(cars, "btnBuy")->isEnabled();
      click(cars, "btnBuy");
      cars->windowHandle()->close();
    });
    QCOMPARE(result, std::optional<int>(QDialog::Rejected));
    QVERIFY(buyOn);
    QCOMPARE(boxes.texts(), QStringList{"Insufficient Funds."});
    QCOMPARE(boxes.seen[0].title, QStringLiteral("Error"));
    QCOMPARE(g.s.cash, 10000);
    QCOMPARE(g.s.carKind, 0);
    QCOMPARE(g.s.carName, std::string("NONE"));
  }
};

QTEST_MAIN(TestCars)
#include "tst_cars.moc"
