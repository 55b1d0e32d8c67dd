// The loan payment dialog, opened with "some" on the main screen: what it proposes, what a
// typed amount pays, the refusals that keep it open, its arrows and its ways out.
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <functional>

#include "gui_helpers.h"
#include "screens/IntegerBox.h"
#include "screens/LoanScreen.h"
#include "screens/MainScreen.h"

using namespace quillmere;
using namespace quillmere::testing;

namespace {

// A new game whose player holds 1000 in cash, 3000 in the bank and owes Tony 2000.
struct LoanGame : GuiGame {
  LoanGame() {
    createScreens();
    game.startgame();
    s.cash = 1000;
    s.bank = 3000;
    main = app.mainScreen();
    loan = app.loanScreen();
    main->show();
    main->refresh();
  }

  // Clicks "some" and runs script while the dialog is up. A dialog that the script leaves
  // open is cancelled, so a fault fails the test instead of hanging it.
  void some(const std::function<void()>& script) {
    QTimer::singleShot(0, loan, [this, script] {
      script();
      leftOpen = loan->isVisible();
      if (leftOpen) loan->done(QDialog::Rejected);
    });
    QTest::mouseClick(child<QPushButton>(main, "btntonysome"), Qt::LeftButton);
  }
  IntegerBox* edtPay() { return child<IntegerBox>(loan, "edtPay"); }
  void type(const QString& text) {
    edtPay()->selectAll();
    QTest::keyClick(edtPay(), Qt::Key_Backspace);
    QTest::keyClicks(edtPay(), text);
  }
  void click(const char* button) {
    QTest::mouseClick(child<QPushButton>(loan, button), Qt::LeftButton);
  }
  // Cash and debt as the main screen shows them.
  QString money() {
    return child<QLabel>(main, "lblcash")->text() + " " + child<QLabel>(main, "lbltony")->text();
  }

  MainScreen* main = nullptr;
  LoanScreen* loan = nullptr;
  BoxAnswerer boxes;
  bool leftOpen = false;
};

}  // namespace

class TestLoan : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ApplyGameLook(); }

  void opensWithTheBankInCashAndCancelPaysNothing() {
    LoanGame g;
    QString preset, focus, bank, money;
    g.some([&] {
      preset = g.edtPay()->text();
      if (QWidget* f = g.loan->focusWidget()) focus = f->objectName();
      bank = child<QLabel>(g.main, "lblbank")->text();
      money = g.money();
      g.click("Button2");
    });
    QVERIFY(!g.leftOpen);
    QCOMPARE(g.loan->windowTitle(), QStringLiteral("Make a Loan Payment"));
    QCOMPARE(preset + " " + focus + " " + bank, QStringLiteral("2000 edtPay 0"));
    QCOMPARE(money, QStringLiteral("4000 2000"));
    QCOMPARE(g.money(), QStringLiteral("4000 2000"));
  }

  void ok_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");        // pressed in the field; 0: OK is clicked
    QTest::addColumn<QString>("shows");  // the field after typing
    QTest::addColumn<QString>("box");    // caption: text of the box that comes up, if any
    QTest::addColumn<QString>("money");  // cash and debt afterwards
    const auto row = [](const char* name, const char* typed, int key, const char* shows,
                        const char* box, const char* money) {
      QTest::newRow(name) << typed << key << shows << box << money;
    };
    row("Enter pays a part", "500", Qt::Key_Return, "500", "", "3500 1500");
    row("all of it", "2000", 0, "2000", "", "2000 0");
    row("more than owed", "2500", 0, "2500",
        "Information: Why in the world would you want to pay Tony more than you owe him?!",
        "4000 2000");
    row("letters are not taken", "a7b", 0, "7", "", "3993 1993");
    row("a fraction", "1.5", 0, "1.5", "quillmere: '1.5' is not a valid integer value.",
        "4000 2000");
    row("Escape pays nothing", "100", Qt::Key_Escape, "100", "", "4000 2000");
  }
  void ok() {
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(QString, shows);
    QFETCH(QString, box);
    QFETCH(QString, money);
    LoanGame g;
    g.boxes.answers = {QStringLiteral("OK")};  // the conversion box names no default button
    QString seen;
    g.some([&] {
      g.type(typed);
      seen = g.edtPay()->text();
      key ? QTest::keyClick(g.edtPay(), Qt::Key(key)) : g.click("Button1");
    });
    QCOMPARE(seen, shows);
    QStringList boxes;
    for (const SeenBox& b : g.boxes.seen) boxes << b.title + ": " + b.text;
    QCOMPARE(boxes, box.isEmpty() ? QStringList{} : QStringList{box});
    // A refused amount keeps the dialog open for another try.
    QCOMPARE(g.leftOpen, !box.isEmpty());
    QCOMPARE(g.money(), money);
    const bool paidOff = money.endsWith(QLatin1String(" 0"));
    QCOMPARE(child(g.main, "btntonysome")->isEnabled(), !paidOff);
    QCOMPARE(child(g.main, "btnTonyall")->isEnabled(), !paidOff);
  }

  void arrowsAndLeavingTheFieldKeepToTheCash() {
    LoanGame g;
    QStringList seen;
    g.some([&] {
      QVERIFY(QTest::qWaitForWindowActive(g.loan));
      QTest::keyClick(g.edtPay(), Qt::Key_Up);
      seen << g.edtPay()->text();
      g.type(QStringLiteral("0"));
      QTest::keyClick(g.edtPay(), Qt::Key_Down);
      seen << g.edtPay()->text();
      g.type(QStringLiteral("9999"));
      child(g.loan, "Button2")->setFocus();
      seen << g.edtPay()->text();
      g.click("Button2");
    });
    QCOMPARE(seen, (QStringList{"2001", "0", "4000"}));
  }
};

QTEST_MAIN(TestLoan)
#include "tst_loan.moc"
