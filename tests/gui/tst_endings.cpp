// Every way of ending the program leaves the message loop with status 0, even from inside
// a modal screen, and leaves no window behind once the application object is gone.
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <functional>

#include "gui_helpers.h"
#include "screens/EndScreen.h"
#include "screens/MainScreen.h"
#include "screens/PursuitScreen.h"
#include "screens/StartScreen.h"

using namespace quillmere;
using namespace quillmere::testing;

namespace {

// Starts a game through the start screen.
void Start(GuiGame& g) {
  g.clock.set(17);  // the first roll brings nothing
  StartScreen* splash = g.app.createSplash();
  splash->show();
  child<QLineEdit>(splash, "edtLogin")->setText(QStringLiteral("Ray"));
  child<QPushButton>(splash, "btnContinue")->click();
}

// Runs the message loop, does `end` from inside it, and checks how the loop ended.
void RunAndEnd(GuiGame& g, const std::function<void()>& end) {
  QTimer watchdog;
  watchdog.setSingleShot(true);
  bool timedOut = false;
  QObject::connect(&watchdog, &QTimer::timeout, [&] {
    timedOut = true;
    QCoreApplication::exit(99);
  });
  watchdog.start(10000);
  QTimer::singleShot(0, end);
  const int status = QApplication::exec();
  QVERIFY(!timedOut);
  QCOMPARE(status, 0);
  QVERIFY(g.app.terminated());
}

// Clicks a button of whatever modal screen is up, once it is up.
void ClickInModal(const char* name) {
  QTimer::singleShot(0, [name] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return ClickInModal(name);
    child<QPushButton>(modal, name)->click();
  });
}

}  // namespace

class TestEndings : public QObject {
  Q_OBJECT

 private slots:
  void startScreenX() {
    {
      GuiGame g;
      StartScreen* splash = g.app.createSplash();
      splash->show();
      RunAndEnd(g, [splash] { child<QToolButton>(splash, "SpeedButton2")->click(); });
      QVERIFY(!g.app.mainScreen());
    }
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
  }

  void startScreenClosedByTheWindowSystem() {
    {
      GuiGame g;
      StartScreen* splash = g.app.createSplash();
      splash->show();
      RunAndEnd(g, [splash] { splash->close(); });
    }
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
  }

  void mainScreenClosed() {
    {
      GuiGame g;
      Start(g);
      RunAndEnd(g, [&g] { g.app.mainScreen()->close(); });
    }
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
  }

  void exitFromTheMenu() {
    {
      GuiGame g;
      Start(g);
      RunAndEnd(g, [&g] { child<QAction>(g.app.mainScreen(), "Exit1")->trigger(); });
    }
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
  }

  void closeGameAfterGameOver() {
    {
      GuiGame g;
      Start(g);
      g.s.cash = 500;  // the cops come for anyone without the starting 2000
      RunAndEnd(g, [&g] {
        ClickInModal("btn3");  // fight without a gun: "GAME OVER."
        // The way out has the keyboard: Space on it is Close Game.
        QTimer::singleShot(50, [] {
          QWidget* focus = QApplication::activeModalWidget()->focusWidget();
          QCOMPARE(focus->objectName(), QStringLiteral("btnQuit"));
          QTest::keyClick(focus, Qt::Key_Space);
        });
        g.clock.set(45000005);  // the roll draws 19: the cops
        child<QPushButton>(g.app.mainScreen(), "btnDowntown")->click();
      });
      QCOMPARE(g.game.pursuit().log().back(), std::string("GAME OVER."));
      QCOMPARE(g.s.cash, 500);  // no penalty on the way out
    }
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
  }

  void retireAndTheEndScreensClose() {
    for (const bool retire : {true, false}) {
      {
        GuiGame g;
        Start(g);
        g.s.day = 31;
        RunAndEnd(g, [&g, retire] {
          child<QPushButton>(g.app.mainScreen(), "btnSanDiego")->click();
          EndScreen* end = g.app.endScreen();
          QVERIFY(end && end->isVisible());
          if (retire) {
            child<QPushButton>(end, "Button4")->click();
          } else {
            end->close();
          }
        });
        QVERIFY(!g.app.mainScreen());  // destroyed when the game ended
      }
      QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }
  }
};

QTEST_MAIN(TestEndings)
#include "tst_endings.moc"
