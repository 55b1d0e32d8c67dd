// The pursuit screen: its layout, and two encounters that trips bring, played by clicking the
// real buttons: what the second inherits from the first, the close rule and paying Tony.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWindow>
#include <QtTest>
#include <functional>

#include "gui_helpers.h"
#include "screens/MainScreen.h"
#include "screens/PursuitScreen.h"

using namespace quillmere;
using namespace quillmere::testing;

namespace {

constexpr const char* kButtonsLeftToRight[] = {"btnClose", "btnQuit", "btn1", "btn2", "btn3"};

// What the player sees at one moment: the log's lines and each button's state.
struct Seen {
  QStringList log;
  QString buttons;
  QImage picture;
  QString focus;
};

Seen look(PursuitScreen* busted) {
  Seen seen;
  seen.log = child<QPlainTextEdit>(busted, "Memo1")->toPlainText().split(QLatin1Char('\n'));
  QStringList states;
  for (const char* name : kButtonsLeftToRight) {
    auto* b = child<QPushButton>(busted, name);
    states << QStringLiteral("%1:%2").arg(QLatin1String(name),
                                          b->isHidden()    ? QStringLiteral("hidden")
                                          : b->isEnabled() ? QStringLiteral("enabled")
                                                           : QStringLiteral("disabled"));
  }
  seen.buttons = states.join(QLatin1Char(' '));
  seen.picture = child<QLabel>(busted, "imgBusted")->pixmap().toImage();
  if (QWidget* f = busted->focusWidget()) seen.focus = f->objectName();
  return seen;
}

void click(PursuitScreen* busted, const char* name) {
  QTest::mouseClick(child<QPushButton>(busted, name), Qt::LeftButton);
}

QImage picture(const char* file) {
  return QPixmap(QStringLiteral(":/pictures/") + QLatin1String(file)).toImage();
}

}  // namespace

class TestBusted : public QObject {
  Q_OBJECT

 private:
  // Runs `script` on the screen that a trip on the millisecond ms brings up; true when the
  // screen came up and the script left it.
  static bool encounter(GuiGame& g, std::uint32_t ms, const std::function<void()>& script) {
    g.clock.set(ms);
    g.act(Travel{Place::Downtown});
    PursuitScreen* busted = g.app.pursuitScreen();
    if (!busted->isVisible()) return false;
    script();
    Settle();
    return !busted->isVisible();
  }
  // The roll draws 19 (the cops, for a player whose cash is not the starting cash), and the
  // roll brings nothing but Tony's draw of six is 3 (Tony, from day 5 while anything is owed).
  static constexpr std::uint32_t kCops = 45000005;
  static constexpr std::uint32_t kTony = 17;

 private slots:
  void layoutKeepsEveryButtonInItsOwnPlace() {
    GuiGame g;
    g.createScreens();
    PursuitScreen* busted = g.app.pursuitScreen();
    QCOMPARE(busted->windowTitle(), QStringLiteral("Choose Your Destiny"));
    QCOMPARE(busted->size(), QSize(447, 122));
    const QRect client = busted->rect();
    const QRect img = child<QLabel>(busted, "imgBusted")->geometry();
    const QRect log = child<QPlainTextEdit>(busted, "Memo1")->geometry();
    QCOMPARE(img.size(), QSize(63, 85));
    QCOMPARE(log.size(), QSize(369, 85));
    QVERIFY(img.right() < log.left());
    QVERIFY(client.contains(img) && client.contains(log));
    int lastRight = -1;
    for (const char* name : kButtonsLeftToRight) {
      const QRect b = child<QPushButton>(busted, name)->geometry();
      QCOMPARE(b.size(), QSize(75, 25));
      QVERIFY2(b.left() > lastRight && b.top() > log.bottom() && client.contains(b), name);
      lastRight = b.right();
    }
    const QStringList named{"btn3", "Memo1", "btn2", "btn1", "btnClose", "btnQuit"};
    QStringList focusOrder;
    QWidget* const start = child<QPushButton>(busted, "btn3");
    QWidget* w = start;
    do {
      if (named.contains(w->objectName())) focusOrder << w->objectName();
      w = w->nextInFocusChain();
    } while (w != start && focusOrder.size() < 10);
    QCOMPARE(focusOrder, named);
  }

  void closedByTheWindowAfterGameOverThenTonyOpensCleanAndIsPaid() {
    GuiGame g;
    BoxAnswerer boxes;
    g.start();
    PursuitScreen* busted = g.app.pursuitScreen();
    g.s.cash = 1000;
    Seen opening, dead;
    bool escapeKept = false;
    bool windowModal = false;
    QVERIFY(encounter(g, kCops, [&] {
      windowModal = busted->windowModality() == Qt::WindowModal &&
                    busted->parentWidget() == g.app.mainScreen();
      opening = look(busted);
      QTest::keyClick(busted, Qt::Key_Escape);
      escapeKept = busted->isVisible() && boxes.seen.isEmpty();
      click(busted, "btn3");  // no gun
      dead = look(busted);
      busted->windowHandle()->close();
    }));
    QVERIFY(windowModal);
    QCOMPARE(opening.log, QStringList{"The Cops are after you."});
    QCOMPARE(
        opening.buttons,
        QStringLiteral("btnClose:hidden btnQuit:hidden btn1:hidden btn2:enabled btn3:enabled"));
    QCOMPARE(opening.picture, picture("cop.jpg"));
    QCOMPARE(opening.focus, QStringLiteral("btn3"));
    QVERIFY(escapeKept);
    QCOMPARE(dead.log.size(), 5);
    QCOMPARE(dead.log.last(), QStringLiteral("GAME OVER."));
    QCOMPARE(dead.buttons,
             QStringLiteral("btnClose:hidden btnQuit:enabled btn1:hidden btn2:disabled "
                            "btn3:disabled"));
    QCOMPARE(boxes.texts(), QStringList{"Cheaters never prosper."});
    QCOMPARE(boxes.seen[0].title, QStringLiteral("Information"));
    QCOMPARE(g.s.cash, 0);
    QCOMPARE(g.s.health, 50);
    QVERIFY(!g.app.terminated());

    // Tony comes on day 5; the bank covers the debt, so Pay is there and works.
    g.s.day = 5;
    g.s.bank = 3000;
    Seen tony, paid;
    QVERIFY(encounter(g, kTony, [&] {
      tony = look(busted);
      click(busted, "btn1");
      paid = look(busted);
      click(busted, "btnClose");
    }));
    QCOMPARE(tony.log, QStringList{"Tony the Loan Shark is after you."});
    QCOMPARE(tony.buttons,
             QStringLiteral("btnClose:hidden btnQuit:hidden btn1:enabled btn2:enabled "
                            "btn3:enabled"));
    QCOMPARE(tony.picture, picture("tony.jpg"));
    QCOMPARE(tony.focus, QStringLiteral("btn3"));
    QCOMPARE(paid.log.last(),
             QStringLiteral("Tony thanks you for your prompt payment. Have a nice day."));
    QCOMPARE(paid.buttons,
             QStringLiteral("btnClose:enabled btnQuit:hidden btn1:disabled btn2:disabled "
                            "btn3:disabled"));
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(g.s.debt, 0);
    QVERIFY(!busted->isVisible());
  }

  // Enter on the log presses nothing (least of all Fight, which without a gun is death); on
  // a button it presses that button.
  void enterPressesTheFocusedButtonOnly() {
    GuiGame g;
    g.start();
    PursuitScreen* busted = g.app.pursuitScreen();
    g.s.cash = 1000;
    Seen onLog, onRun;
    QVERIFY(encounter(g, kCops, [&] {
      auto* log = child<QPlainTextEdit>(busted, "Memo1");
      log->setFocus();
      QTest::keyClick(log, Qt::Key_Return);
      QTest::keyClick(log, Qt::Key_Enter);
      onLog = look(busted);
      auto* run = child<QPushButton>(busted, "btn2");
      run->setFocus();
      QTest::keyClick(run, Qt::Key_Return);
      onRun = look(busted);
      click(busted,
            onRun.buttons.contains(QLatin1String("btnClose:enabled")) ? "btnClose" : "btnQuit");
    }));
    QCOMPARE(onLog.log, QStringList{"The Cops are after you."});
    QCOMPARE(onRun.log.value(1), QStringLiteral("You attempt to run."));
  }
};

QTEST_MAIN(TestBusted)
#include "tst_busted.moc"
