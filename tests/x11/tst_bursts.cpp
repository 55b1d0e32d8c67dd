// Bursts of clicks sent through a real X server: an impatient player clicks Buy Gun or the
// loan dialog's OK many times at once. The clicks all wait in the X server's queue before the
// game reads the first of them, so the rest arrive after the screen has closed; the game takes
// none of them, for its screen in front is no longer theirs. A burst on a web link opens one
// browser tab. (The offscreen platform delivers clicks one at a time and never shows this.)
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include "game/web.h"
#include "gui/gui_helpers.h"
#include "screens/GunDealerScreen.h"
#include "screens/LoanScreen.h"
#include "screens/MainScreen.h"
#include "screens/StartScreen.h"

using namespace quillmere;
using namespace quillmere::testing;

namespace {

// Clicks the middle of a control count times with no delay between the clicks. xdotool holds
// this thread until the X server has every click, as a busy moment of the game would.
void Burst(QWidget* control, int count) {
  const QPoint at = control->mapToGlobal(control->rect().center());
  const int status =
      QProcess::execute(QStringLiteral("xdotool"),
                        {QStringLiteral("mousemove"), QStringLiteral("--sync"),
                         QString::number(at.x()), QString::number(at.y()), QStringLiteral("click"),
                         QStringLiteral("--repeat"), QString::number(count),
                         QStringLiteral("--delay"), QStringLiteral("0"), QStringLiteral("1")});
  QCOMPARE(status, 0);
}

// A new game with the main screen up on the X server.
struct BurstGame : GuiGame {
  BurstGame() {
    start();
    main = app.mainScreen();
    if (!QTest::qWaitForWindowExposed(main)) qFatal("the main screen never showed");
  }

  // Opens a modal screen with a main-screen button; once it is up, sends the burst to one of
  // its buttons. Returns once the game has read every click; counts what the screen sent.
  template <class Screen>
  void burstOn(Screen* screen, const char* opener, const char* button, int count) {
    QObject::connect(screen, &Screen::acted, screen, [this] { ++sent; });
    child<QPushButton>(main, opener)->click();
    if (!QTest::qWaitForWindowExposed(screen)) qFatal("the screen never showed");
    Burst(child(screen, button), count);
    QTest::qWait(500);
    qInfo("%d clicks sent %d actions", count, sent);
  }
  // Cash, bank and debt in the game itself: a screen that has closed may not show them.
  std::tuple<Money, Money, Money> money() const { return {s.cash, s.bank, s.debt}; }

  MainScreen* main = nullptr;
  BoxAnswerer boxes;
  int sent = 0;
};

}  // namespace

class TestBursts : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb")); }

  void buyGunBuysOnce_data() {
    QTest::addColumn<int>("clicks");
    for (int clicks : {3, 12}) QTest::addRow("%d clicks", clicks) << clicks;
  }
  void buyGunBuysOnce() {
    QFETCH(int, clicks);
    BurstGame g;
    g.burstOn(g.app.gunDealerScreen(), "SpeedButton8", "btnBuy", clicks);
    QVERIFY(!g.app.gunDealerScreen()->isVisible());
    // The Paintball Gun, bought once for 1000 of the 2000.
    QCOMPARE(g.money(), std::tuple(1000, 0, 2000));
    QCOMPARE(std::pair(g.s.gunKind, g.s.gunValue), std::pair(1, 800));
    QCOMPARE(g.boxes.texts(), QStringList());
  }

  void loanOkPaysOnce() {
    BurstGame g;
    g.s.cash = 1000, g.s.debt = 3000;
    // "some" proposes the whole cash; OK pays it once.
    g.burstOn(g.app.loanScreen(), "btntonysome", "Button1", 20);
    QVERIFY(!g.app.loanScreen()->isVisible());
    QCOMPARE(g.money(), std::tuple(0, 0, 2000));
    QCOMPARE(g.boxes.texts(), QStringList());
  }

  // Twenty quick clicks on a link open one browser tab.
  void aLinkOpensOnce() {
    GuiGame g;
    StartScreen* start = g.app.createSplash();
    start->show();
    QVERIFY(QTest::qWaitForWindowExposed(start));
    Burst(child(start, "Button1"), 20);
    QTest::qWait(500);
    QCOMPARE(g.openedUrls, g.addresses({kTutorialPage}));
  }
};

QTEST_MAIN(TestBursts)
#include "tst_bursts.moc"
