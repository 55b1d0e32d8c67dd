// The soak: from fixed seeds, a random hand plays whole games on the real screens, clicking
// and typing on whatever is in front, and after every action checks that the game still
// holds together; across the seeds every way a game can end comes up.
#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>
#include <QWindow>
#include <QtTest>
#include <map>
#include <random>
#include <span>

#include "game/result.h"
#include "gui_helpers.h"
#include "random_player.h"
#include "screens/CarDealerScreen.h"
#include "screens/EndScreen.h"
#include "screens/GunDealerScreen.h"
#include "screens/LoanScreen.h"
#include "screens/MainScreen.h"
#include "screens/PursuitScreen.h"
#include "screens/StartScreen.h"

using namespace quillmere;
using namespace quillmere::testing;

namespace {

// How a game left the message loop; the hand names it just before the click that should end it.
enum class Ending { None, StartScreenX, MenuExit, MainScreenClosed, CloseGameAfterDeath, Retired };

const char* EndingName(Ending ending) {
  switch (ending) {
    case Ending::None:
      return "none";
    case Ending::StartScreenX:
      return "X on the start screen";
    case Ending::MenuExit:
      return "Exit from the menu";
    case Ending::MainScreenClosed:
      return "main screen closed";
    case Ending::CloseGameAfterDeath:
      return "Close Game after GAME OVER";
    case Ending::Retired:
      return "Retire from the end screen";
  }
  return "?";
}

const char* const kNames[] = {"Ray", " ", "", "Tony Montana", "x"};

void Click(QWidget* w) {
  // The player can only reach what is on the screen.
  if (w->isVisible()) QTest::mouseClick(w, Qt::LeftButton);
}

// The window system's close, as the title bar's X or Alt+F4 would ask it.
void WindowClose(QWidget* w) { w->windowHandle()->close(); }

// One hand on the mouse and keyboard. Every step first arranges the next one and then acts
// once on the screen in front; no screen and no box runs a loop of its own, so every step
// runs from the program's one message loop, as the player's next click would.
class Hand : public QObject {
 public:
  Hand(GuiGame& g, BoxAnswerer& boxes, std::uint64_t seed, int budget)
      : m_g(g), m_boxes(boxes), m_dice(seed), m_budget(budget) {}

  void start() { next(); }

  Ending ending = Ending::None;
  QString failure;
  int actions = 0;
  std::map<QString, int> fronts;  // how often each screen was acted on

 private:
  struct Move {
    int weight;
    void (*run)(Hand& hand, QWidget* screen);
  };

  void next() { QTimer::singleShot(0, this, &Hand::step); }

  int below(int n) { return n <= 0 ? 0 : static_cast<int>(m_dice() % std::uint64_t(n)); }
  bool chance(int percent) { return below(100) < percent; }
  bool windingDown() const { return actions > m_budget; }

  void pick(QWidget* screen, std::span<const Move> moves) {
    int total = 0;
    for (const Move& m : moves) total += m.weight;
    int roll = below(total);
    for (const Move& m : moves) {
      if (roll < m.weight) return m.run(*this, screen);
      roll -= m.weight;
    }
  }

  void step() {
    if (m_g.app.terminated() || !failure.isEmpty()) return;
    next();
    QWidget* modal = QApplication::activeModalWidget();
    // A message box is the box answerer's.
    if (qobject_cast<QMessageBox*>(modal) || m_running > 0) return;
    ++m_running;
    try {
      if (!modal) checkMainScreen();
      ++actions;
      m_g.clock.set(static_cast<std::uint32_t>(below(86400000)));
      while (m_boxes.answers.size() < 2)
        m_boxes.answers.push_back(chance(50) ? QStringLiteral("&Yes") : QStringLiteral("&No"));
      act(modal);
      if (ending != Ending::None && !m_g.app.terminated())
        throw InvariantBroken(std::string(EndingName(ending)) + " did not end the program");
      if (!m_g.app.terminated() && m_g.app.mainScreen()) CheckInvariants(m_g.game);
    } catch (const std::exception& e) {
      failure = QString::fromStdString(e.what());
      QCoreApplication::exit(1);
    }
    --m_running;
  }

  void act(QWidget* modal) {
    App& app = m_g.app;
    if (auto* busted = qobject_cast<PursuitScreen*>(modal)) return on(busted, "pursuit");
    if (auto* guns = qobject_cast<GunDealerScreen*>(modal)) return onDealer(guns, "guns");
    if (auto* cars = qobject_cast<CarDealerScreen*>(modal)) return onDealer(cars, "cars");
    if (auto* loan = qobject_cast<LoanScreen*>(modal)) return on(loan, "loan");
    if (modal)
      throw InvariantBroken("an unknown modal window: " + modal->objectName().toStdString());
    if (app.endScreen() && app.endScreen()->isVisible()) return on(app.endScreen(), "end");
    if (app.mainScreen() && app.mainScreen()->isVisible()) return on(app.mainScreen(), "main");
    if (app.startScreen() && app.startScreen()->isVisible()) return on(app.startScreen(), "splash");
    throw InvariantBroken("no screen in front");
  }

  // What the main screen shows is what the game holds, once every handler has returned.
  void checkMainScreen() {
    MainScreen* main = m_g.app.mainScreen();
    if (!main || !main->isVisible()) return;
    const GameState& s = m_g.s;
    const std::pair<const char*, std::int64_t> shown[] = {
        {"lblcash", s.cash},         {"lblbank", s.bank},          {"lbltony", s.debt},
        {"lblTrunk", s.trunkFree},   {"lblSeat", s.seatsFree},     {"lblCarValue", s.carValue},
        {"lblGunValue", s.gunValue}, {"lblTotTrunk", s.trunkTotal}};
    for (const auto& [name, value] : shown)
      if (child<QLabel>(main, name)->text() != QString::number(value))
        throw InvariantBroken(std::string(name) + " shows " +
                              child<QLabel>(main, name)->text().toStdString() +
                              " but the game holds " + ToText(value));
  }

  // The hand plays to live, reading its health and its gun off the main screen as a player
  // would, so that whole games reach the end screen often enough.
  bool wounded() const {
    return m_g.app.mainScreen() &&
           child<QProgressBar>(m_g.app.mainScreen(), "health")->value() < 100;
  }
  bool armed() const {
    return m_g.app.mainScreen() && child<QLabel>(m_g.app.mainScreen(), "lblGun")->text() != "NONE";
  }

  void typeInto(QWidget* box, const QString& text) {
    if (chance(75)) {
      QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    } else if (chance(30)) {
      QTest::keyClick(box, Qt::Key_Backspace);
    }
    QTest::keyClicks(box, text);
  }

  QString amount() {
    return QString::fromStdString(RandomAmount([this](int n) { return below(n); }));
  }

  void stepKey(QWidget* box) {
    constexpr Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown};
    QTest::keyClick(box, keys[below(std::size(keys))]);
  }

  void clickGrid(QWidget* main, const char* name) {
    auto* grid = child<QTableWidget>(main, name);
    QWidget* port = grid->viewport();
    QPoint at(below(port->width() + 8) - 4, below(port->height() + 8) - 4);
    if (grid->rowCount() > 0 && chance(60))
      at = grid->visualItemRect(grid->item(below(grid->rowCount()), 0)).center();
    // Pressed on one cell and released on another, or outside every cell.
    QTest::mouseClick(port, Qt::LeftButton, {}, at);
  }

  void on(StartScreen* splash, const char* front) {
    ++fronts[QString::fromLatin1(front)];
    if (windingDown()) {
      ending = Ending::StartScreenX;
      return Click(child<QToolButton>(splash, "SpeedButton2"));
    }
    static constexpr Move moves[] = {
        {40,
         [](Hand& h, QWidget* s) {
           h.typeInto(child<QLineEdit>(s, "edtLogin"),
                      QString::fromUtf8(kNames[h.below(std::size(kNames))]));
         }},
        {30, [](Hand&, QWidget* s) { Click(child<QPushButton>(s, "btnContinue")); }},
        {15, [](Hand&,
                QWidget* s) { QTest::keyClick(child<QLineEdit>(s, "edtLogin"), Qt::Key_Return); }},
        {14,
         [](Hand& h, QWidget* s) {
           const char* links[] = {"Button1", "Button2", "Button3"};
           Click(child<QPushButton>(s, links[h.below(3)]));
         }},
        {1,
         [](Hand& h, QWidget* s) {
           h.ending = Ending::StartScreenX;
           Click(child<QToolButton>(s, "SpeedButton2"));
         }},
    };
    pick(splash, moves);
  }

  void on(MainScreen* main, const char* front) {
    ++fronts[QString::fromLatin1(front)];
    if (windingDown()) {
      if (chance(50)) {
        ending = Ending::MenuExit;
        return child<QAction>(main, "Exit1")->trigger();
      }
      ending = Ending::MainScreenClosed;
      return WindowClose(main);
    }
    if (wounded() && chance(15)) return Click(child<QPushButton>(main, "btnHospital"));
    static constexpr Move moves[] = {
        {12, [](Hand& h, QWidget* m) { h.clickGrid(m, "drug1"); }},
        {10, [](Hand& h, QWidget* m) { h.clickGrid(m, "drug2"); }},
        {3,
         [](Hand& h, QWidget* m) {
           constexpr Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Return, Qt::Key_Space};
           QTest::keyClick(child<QTableWidget>(m, h.chance(50) ? "drug1" : "drug2"),
                           keys[h.below(std::size(keys))]);
         }},
        {7, [](Hand& h, QWidget* m) { h.typeInto(child<QWidget>(m, "edtBuy"), h.amount()); }},
        {7, [](Hand& h, QWidget* m) { h.typeInto(child<QWidget>(m, "edtSell"), h.amount()); }},
        {3, [](Hand& h,
               QWidget* m) { h.stepKey(child<QWidget>(m, h.chance(50) ? "edtBuy" : "edtSell")); }},
        {8, [](Hand&, QWidget* m) { Click(child<QPushButton>(m, "btnBuy")); }},
        {8, [](Hand&, QWidget* m) { Click(child<QPushButton>(m, "btnSell")); }},
        {5,
         [](Hand& h, QWidget* m) {
           Click(child<QPushButton>(m, h.chance(50) ? "SpeedButton1" : "SpeedButton3"));
         }},
        {4,
         [](Hand& h, QWidget* m) {
           Click(child<QPushButton>(m, h.chance(50) ? "btnTonyall" : "btntonysome"));
         }},
        {2, [](Hand&, QWidget* m) { Click(child<QPushButton>(m, "btnHospital")); }},
        {3, [](Hand&, QWidget* m) { Click(child<QPushButton>(m, "SpeedButton8")); }},
        {3, [](Hand&, QWidget* m) { Click(child<QPushButton>(m, "SpeedButton7")); }},
        {24,
         [](Hand& h, QWidget* m) {
           const char* places[] = {"btnDowntown",     "btnHollywood",    "btnPasadena",
                                   "btnBeverlyHills", "btnSouthCentral", "btnSanDiego",
                                   "btnLasVegas",     "btnTijuana"};
           Click(child<QPushButton>(m, places[h.below(kPlaceCount)]));
         }},
        {1,
         [](Hand& h, QWidget* m) {
           const char* items[] = {"VisitWebsite1", "Introduction1", "Tutorial1"};
           child<QAction>(m, items[h.below(3)])->trigger();
         }},
    };
    pick(main, moves);
  }

  void on(LoanScreen* loan, const char* front) {
    ++fronts[QString::fromLatin1(front)];
    if (windingDown()) return Click(child<QPushButton>(loan, "Button2"));
    static constexpr Move moves[] = {
        {35, [](Hand& h, QWidget* l) { h.typeInto(child<QWidget>(l, "edtPay"), h.amount()); }},
        {15, [](Hand& h, QWidget* l) { h.stepKey(child<QWidget>(l, "edtPay")); }},
        {10, [](Hand&, QWidget* l) { QTest::keyClick(child<QWidget>(l, "edtPay"), Qt::Key_Tab); }},
        {15, [](Hand&, QWidget* l) { Click(child<QPushButton>(l, "Button1")); }},
        {5,
         [](Hand&, QWidget* l) { QTest::keyClick(child<QWidget>(l, "edtPay"), Qt::Key_Return); }},
        {10, [](Hand&, QWidget* l) { Click(child<QPushButton>(l, "Button2")); }},
        {10, [](Hand&, QWidget* l) { QTest::keyClick(l, Qt::Key_Escape); }},
    };
    pick(loan, moves);
  }

  void onDealer(DealerScreen* dealer, const char* front) {
    ++fronts[QString::fromLatin1(front)];
    if (windingDown()) return Click(child<QPushButton>(dealer, "btnClose"));
    static constexpr Move moves[] = {
        {40,
         [](Hand& h, QWidget* d) {
           const QList<QRadioButton*> options = d->findChildren<QRadioButton*>();
           Click(options.at(h.below(static_cast<int>(options.size()))));
         }},
        {15, [](Hand&, QWidget* d) { Click(child<QPushButton>(d, "btnBuy")); }},
        {15, [](Hand&, QWidget* d) { Click(child<QPushButton>(d, "btnSell")); }},
        {10, [](Hand&, QWidget* d) { Click(child<QPushButton>(d, "btnClose")); }},
        {5, [](Hand&, QWidget* d) { WindowClose(d); }},
        {5, [](Hand&, QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); }},
        {5, [](Hand&, QWidget* d) { QTest::keyClick(d, Qt::Key_Return); }},
    };
    pick(dealer, moves);
  }

  void on(PursuitScreen* busted, const char* front) {
    ++fronts[QString::fromLatin1(front)];
    const QString log = child<QPlainTextEdit>(busted, "Memo1")->toPlainText();
    if (log.endsWith(QStringLiteral("GAME OVER."))) {
      // Dead: the game ends here, unless the player slips out through the window system.
      if (chance(70)) {
        ending = Ending::CloseGameAfterDeath;
        return Click(child<QPushButton>(busted, "btnQuit"));
      }
      return WindowClose(busted);
    }
    auto* close = child<QPushButton>(busted, "btnClose");
    const bool over = !child<QPushButton>(busted, "btn2")->isEnabled();
    if (over || windingDown()) return chance(85) ? Click(close) : WindowClose(busted);
    auto* pay = child<QPushButton>(busted, "btn1");
    const Move moves[] = {
        {pay->isVisible() && pay->isEnabled() ? 40 : 2,
         [](Hand&, QWidget* b) { Click(child<QPushButton>(b, "btn1")); }},
        {wounded() ? 10 : 50, [](Hand&, QWidget* b) { Click(child<QPushButton>(b, "btn2")); }},
        {armed() ? 30 : 3, [](Hand&, QWidget* b) { Click(child<QPushButton>(b, "btn3")); }},
        {5, [](Hand&, QWidget* b) { Click(child<QPushButton>(b, "btnClose")); }},
        {wounded() ? 30 : 3, [](Hand&, QWidget* b) { WindowClose(b); }},
        {3, [](Hand&, QWidget* b) { QTest::keyClick(b, Qt::Key_Escape); }},
    };
    pick(busted, moves);
  }

  void on(EndScreen* end, const char* front) {
    if (++fronts[QString::fromLatin1(front)] == 1) {
      CheckEndScreen(m_g.s, child<QLineEdit>(end, "edtScore")->text().toStdString(),
                     child<QLineEdit>(end, "edtEncrypted")->text().toStdString());
      // The program's record of the game plays again to the code on the screen.
      const auto replayed = Replay(m_g.record);
      if (!std::holds_alternative<GameResult>(replayed) ||
          std::get<GameResult>(replayed).bidCode !=
              child<QLineEdit>(end, "edtEncrypted")->text().toStdString())
        throw InvariantBroken("the program's record does not play again to its bid code");
    }
    if (!windingDown()) {
      const int roll = below(100);
      if (roll < 30) {
        Click(child<QPushButton>(end, "Button1"));
        if (QGuiApplication::clipboard()->text() != child<QLineEdit>(end, "edtEncrypted")->text())
          throw InvariantBroken("the clipboard does not hold the bid code");
        return;
      }
      if (roll < 50) return Click(child<QPushButton>(end, "Button2"));
    }
    ending = Ending::Retired;
    chance(80) ? Click(child<QPushButton>(end, "Button4")) : WindowClose(end);
  }

  GuiGame& m_g;
  BoxAnswerer& m_boxes;
  std::mt19937_64 m_dice;
  int m_budget;
  int m_running = 0;  // actions begun and not yet returned
};

struct Played {
  Ending ending = Ending::None;
  int actions = 0;
  std::map<QString, int> fronts;
};

// Plays one game on the real program's screens, from program start to the program's end.
Played PlayGame(std::uint64_t seed) {
  GuiGame g;
  BoxAnswerer boxes;
  std::mt19937_64 budgetDice(seed);
  Hand hand(g, boxes, seed, 300 + static_cast<int>(budgetDice() % 1500));
  g.app.createSplash()->show();

  QTimer watchdog;
  bool stuck = false;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [&] {
    stuck = true;
    QCoreApplication::exit(2);
  });
  watchdog.start(20000);
  hand.start();
  const int status = QApplication::exec();

  const QString where = QStringLiteral("seed %1, after %2 actions").arg(seed).arg(hand.actions);
  [&] {
    QVERIFY2(!stuck, qPrintable(where + QStringLiteral(": the game stopped answering")));
    QVERIFY2(hand.failure.isEmpty(), qPrintable(where + QStringLiteral(": ") + hand.failure));
    QVERIFY2(hand.ending != Ending::None && g.app.terminated(),
             qPrintable(where + QStringLiteral(": the program left its loop by itself")));
    QCOMPARE(status, 0);
  }();
  return {hand.ending, hand.actions, hand.fronts};
}

}  // namespace

class TestSoak : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // The offscreen platform says on every dialog that it cannot size windows to their hints.
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
          if (!message.contains(QLatin1String("propagateSizeHints")))
            previous(type, context, message);
        });
    QApplication::setApplicationName(QStringLiteral("quillmere"));
    ApplyGameLook();
  }

  void randomHandsPlayWholeGames() {
    std::map<Ending, int> endings;
    std::map<QString, int> fronts;
    int actions = 0;
    // QUILLMERE_SOAK_SEEDS="first count" plays other seeds, or many more.
    std::uint64_t first = 1, count = 16;
    if (const QByteArray seeds = qgetenv("QUILLMERE_SOAK_SEEDS"); !seeds.isEmpty()) {
      const QList<QByteArray> parts = seeds.split(' ');
      first = parts.value(0).toULongLong();
      count = parts.value(1, "1").toULongLong();
    }
    for (std::uint64_t seed = first; seed < first + count; ++seed) {
      const Played played = PlayGame(seed);
      if (QTest::currentTestFailed()) return;
      QVERIFY(QApplication::topLevelWidgets().isEmpty());
      ++endings[played.ending];
      for (const auto& [front, times] : played.fronts) fronts[front] += times;
      actions += played.actions;
      qInfo("seed %llu: %d actions, %s", static_cast<unsigned long long>(seed), played.actions,
            EndingName(played.ending));
    }
    QStringList seen;
    for (const auto& [front, times] : fronts) seen << QStringLiteral("%1 %2").arg(front).arg(times);
    qInfo("%d actions in all: %s", actions, qPrintable(seen.join(QStringLiteral(", "))));
    for (const char* front : {"splash", "main", "loan", "guns", "cars", "pursuit", "end"})
      QVERIFY2(fronts[QString::fromLatin1(front)] > 0, front);
    for (const Ending ending : {Ending::StartScreenX, Ending::MenuExit, Ending::MainScreenClosed,
                                Ending::CloseGameAfterDeath, Ending::Retired})
      QVERIFY2(endings[ending] > 0, EndingName(ending));
  }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
