// The loan payment dialog's wiring: "some" on the main screen brings it up over the main
// screen, each of its controls sends its action, and the game's boxes come up over it. What
// an amount pays is the engine's (tests/engine/bank_test.cpp).
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "gui_helpers.h"
#include "screens/IntegerBox.h"
#include "screens/LoanScreen.h"
#include "screens/MainScreen.h"

using namespace quillmere;
using namespace quillmere::testing;

namespace {

// A new game whose player holds 1000 in cash, 3000 in the bank and owes Tony 2000, with the
// dialog up; every action the dialog sends is recorded.
struct LoanGame : GuiGame {
  LoanGame() {
    start();
    s.cash = 1000;
    s.bank = 3000;
    app.refresh();
    main = app.mainScreen();
    loan = app.loanScreen();
    QObject::connect(loan, &LoanScreen::acted, loan, [this](const Action& action) {
      sent << QString::fromStdString(Describe(action));
    });
    QTest::mouseClick(child<QPushButton>(main, "btntonysome"), Qt::LeftButton);
    Settle();
  }
  IntegerBox* edtPay() { return child<IntegerBox>(loan, "edtPay"); }
  void type(const QString& text) {
    edtPay()->selectAll();
    QTest::keyClick(edtPay(), Qt::Key_Backspace);
    QTest::keyClicks(edtPay(), text);
  }
  void click(const char* button) {
    QTest::mouseClick(child<QPushButton>(loan, button), Qt::LeftButton);
    Settle();
  }
  // Cash and debt as the main screen shows them.
  QString money() {
    return child<QLabel>(main, "lblcash")->text() + " " + child<QLabel>(main, "lbltony")->text();
  }

  MainScreen* main = nullptr;
  LoanScreen* loan = nullptr;
  BoxAnswerer boxes;
  QStringList sent;
};

}  // namespace

class TestLoan : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ApplyGameLook(); }

  void opensOverTheMainScreenAndCancelCloses() {
    LoanGame g;
    QVERIFY(g.loan->isVisible());
    QCOMPARE(g.loan->windowModality(), Qt::WindowModal);
    QCOMPARE(g.loan->parentWidget(), g.main);
    QCOMPARE(g.loan->windowTitle(), QStringLiteral("Make a Loan Payment"));
    QVERIFY(QTest::qWaitForWindowActive(g.loan));
    QCOMPARE(g.loan->focusWidget(), g.edtPay());
    // The field shows the game's proposal; the main screen behind shows the bank moved.
    QCOMPARE(g.edtPay()->text() + " " + child<QLabel>(g.main, "lblbank")->text(),
             QStringLiteral("2000 0"));
    QCOMPARE(g.money(), QStringLiteral("4000 2000"));
    g.click("Button2");
    QVERIFY(!g.loan->isVisible());
    QCOMPARE(g.sent.last(), QStringLiteral("CancelPayment"));
    QCOMPARE(g.money(), QStringLiteral("4000 2000"));
  }

  void everyControlSendsItsAction_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("action");
    QTest::newRow("typing") << "7"
                            << "SetPayment '20007";  // after the proposal
    QTest::newRow("the up arrow") << "Up"
                                  << "StepPayment 1";
    QTest::newRow("the down arrow") << "Down"
                                    << "StepPayment -1";
    QTest::newRow("leaving the field") << "leave"
                                       << "LeavePaymentField";
    QTest::newRow("OK") << "Button1"
                        << "ConfirmPayment";
    QTest::newRow("Enter in the field") << "Return"
                                        << "ConfirmPayment";
    QTest::newRow("Cancel") << "Button2"
                            << "CancelPayment";
    QTest::newRow("Escape") << "Escape"
                            << "CancelPayment";
  }
  void everyControlSendsItsAction() {
    QFETCH(QString, control);
    QFETCH(QString, action);
    LoanGame g;
    QVERIFY(QTest::qWaitForWindowActive(g.loan));
    g.sent.clear();
    const std::pair<const char*, Qt::Key> keys[] = {{"Up", Qt::Key_Up},
                                                    {"Down", Qt::Key_Down},
                                                    {"Return", Qt::Key_Return},
                                                    {"Escape", Qt::Key_Escape}};
    bool pressed = false;
    for (const auto& [name, key] : keys) {
      if (control != QLatin1String(name)) continue;
      QTest::keyClick(g.edtPay(), key);
      pressed = true;
    }
    if (control == QLatin1String("7")) {
      QTest::keyClick(g.edtPay(), Qt::Key_End);
      QTest::keyClick(g.edtPay(), Qt::Key_7);
    } else if (control == QLatin1String("leave")) {
      child(g.loan, "Button2")->setFocus();
    } else if (!pressed) {
      g.click(qPrintable(control));
    }
    Settle();
    QVERIFY2(g.sent.contains(action), qPrintable(g.sent.join(QLatin1Char(','))));
  }

  // The game's boxes come up over the dialog, which stays for another try; the conversion
  // box is the application's own.
  void aRefusalKeepsTheDialogUnderItsBox_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("box");
    QTest::newRow("more than owed")
        << "2500"
        << "Information: Why in the world would you want to pay Tony more than you owe him?!";
    QTest::newRow("a fraction") << "1.5"
                                << "quillmere: '1.5' is not a valid integer value.";
  }
  void aRefusalKeepsTheDialogUnderItsBox() {
    QFETCH(QString, typed);
    QFETCH(QString, box);
    LoanGame g;
    bool loanBehind = false;
    g.boxes.onShow = [&] {
      for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<QMessageBox*>(window) && window->isVisible())
          loanBehind = window->parentWidget() == g.loan && g.loan->isVisible();
    };
    g.type(typed);
    QCOMPARE(g.edtPay()->text(), typed);
    g.click("Button1");
    QStringList boxes;
    for (const SeenBox& b : g.boxes.seen) boxes << b.title + ": " + b.text;
    QCOMPARE(boxes, QStringList{box});
    QVERIFY(loanBehind);
    QVERIFY(g.loan->isVisible());
    QCOMPARE(g.money(), QStringLiteral("4000 2000"));
  }

  // A payment closes the dialog and the main screen shows it.
  void okPaysAndCloses() {
    LoanGame g;
    g.type(QStringLiteral("500"));
    g.click("Button1");
    QVERIFY(!g.loan->isVisible());
    QCOMPARE(g.money(), QStringLiteral("3500 1500"));
  }
};

QTEST_MAIN(TestLoan)
#include "tst_loan.moc"
