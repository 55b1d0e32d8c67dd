// Every number label on every screen shows in full with the game's font: every sum of money
// the longest 32-bit value, "-2147483648"; a figure the catalogue bounds (a dealer's prices,
// seats and trunk space, the space in the car) the longest value the catalogue gives it.
// CTest runs it at 100 % and at 200 % scaling. Number boxes scroll, so they are not measured.
#include <QLabel>
#include <QtTest>
#include <limits>

#include "gui_helpers.h"
#include "layout_check.h"
#include "screens/CarDealerScreen.h"
#include "screens/GunDealerScreen.h"
#include "screens/MainScreen.h"

using namespace quillmere;
using namespace quillmere::testing;

namespace {

constexpr Money kLongest = std::numeric_limits<Money>::min();
const QString kLongestText = QString::number(kLongest);

// The longest text of a figure of the catalogue, over every item.
template <class Figure>
QString Longest(int count, Figure figure) {
  QString longest;
  for (int kind = 1; kind <= count; ++kind) {
    const QString text = QString::number(figure(kind));
    if (text.size() > longest.size()) longest = text;
  }
  return longest;
}

// Shows a dealer with these labels holding these texts, and lists what is cut.
QStringList Check(QWidget* screen, std::initializer_list<std::pair<const char*, QString>> labels) {
  screen->show();
  for (const auto& [name, text] : labels) child<QLabel>(screen, name)->setText(text);
  QCoreApplication::processEvents();
  QStringList faults = ClippedTexts(screen);
  screen->hide();
  return faults;
}

}  // namespace

class TestNumbers : public QObject {
  Q_OBJECT

 private slots:
  void everyNumberShowsInFull() {
    GuiGame g;
    g.start();
    const QString seats = Longest(kCarCount, [](int k) { return CarOfKind(k).seats; });
    const QString trunk = Longest(kCarCount, [](int k) { return CarOfKind(k).trunk; });
    QStringList faults;

    // The main screen draws its numbers from the game.
    GameState& s = g.s;
    MainView& v = g.v;
    std::tie(s.cash, s.bank, s.debt, s.carValue, s.gunValue, v.infoPrice) =
        std::tuple(kLongest, kLongest, kLongest, kLongest, kLongest, kLongest);
    s.trunkFree = s.trunkTotal = trunk.toInt();
    s.seatsFree = s.seatsTotal = seats.toInt();
    for (MarketRow& row : s.market) row = {true, kLongest};
    s.possession.assign(3, Lot{Acid, kLongest, trunk.toInt()});
    MainScreen* main = g.app.mainScreen();
    main->show();
    main->refresh();
    QCoreApplication::processEvents();
    faults << ClippedTexts(main);

    const QString gunPrice = Longest(kGunCount, [](int k) { return GunOfKind(k).price; });
    faults << Check(
        g.app.gunDealerScreen(),
        {{"lblNewPrice", gunPrice}, {"lblOldPrice", gunPrice}, {"lblCash", kLongestText}});
    const QString carPrice = Longest(kCarCount, [](int k) { return CarOfKind(k).price; });
    faults << Check(g.app.carDealerScreen(), {{"lblNewPrice", carPrice},
                                              {"lblOldPrice", carPrice},
                                              {"lblCash", kLongestText},
                                              {"lblNewSeats", seats},
                                              {"lblNewTrunk", trunk},
                                              {"lblOldSeats", seats},
                                              {"lblOldTrunk", trunk}});
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
  }
};

QTEST_MAIN(TestNumbers)
#include "tst_numbers.moc"
