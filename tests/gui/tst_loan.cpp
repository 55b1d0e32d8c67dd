// The loan payment dialog, opened with "some" on the main screen: what it proposes, what a
// typed amount pays, the refusals that keep it open, its arrows and its ways out.
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <functional>

#include "gui_helpers.h"
#include "screens/IntegerBox.h"
#include "screens/Unit1.h"
#include "screens/Unit8.h"

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
    main = app.frmMain();
    loan = app.frmLoan();
    main->show();
    main->refresh();
  }

  // Clicks "some" and runs script while the dialog is up. A dialog that the script leaves
  // open is cancelled, so a fault fails the test instead of hanging it.
  void some(const std::function<void()>& script) {
    QTimer::singleShot(0, loan, [this, script] {
      shown = loan->isVisible();
      script();
      leftOpen = loan->isVisible();
      if (leftOpen) loan->done(QDialog::Rejected);
    });
    QTest::mouseClick(child<QPushButton>(main, "btntonysome"), Qt::LeftButton);
  }
  IntegerBox* edtPay() { return child<IntegerBox>(loan, "edtPay"); }
  void type(const QString& text) {
    IntegerBox* box = edtPay();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
  }
  void click(const char* button) {
    QTest::mouseClick(child<QPushButton>(loan, button), Qt::LeftButton);
  }
  QString mainText(const char* label) { return child<QLabel>(main, label)->text(); }

  TfrmMain* main = nullptr;
  TfrmLoan* loan = nullptr;
  BoxAnswerer boxes;
  bool shown = false;
  bool leftOpen = false;
};

}  // namespace

class TestLoan : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ApplyGameLook(); }

  void opensWithTheBankInCash() {
    LoanGame g;
    QString preset, focus, cash, bank;
    g.some([&] {
      preset = g.edtPay()->text();
      if (QWidget* f = g.loan->focusWidget()) focus = f->objectName();
      cash = g.mainText("lblcash");
      bank = g.mainText("lblbank");
      g.click("Button2");
    });
    QVERIFY(g.shown);
    QVERIFY(!g.leftOpen);
    QCOMPARE(g.loan->windowTitle(), QStringLiteral("Make a Loan Payment"));
    QCOMPARE(preset, QStringLiteral("2000"));
    QCOMPARE(focus, QStringLiteral("edtPay"));
    QCOMPARE(cash, QStringLiteral("4000"));
    QCOMPARE(bank, QStringLiteral("0"));
    // Cancel pays nothing; the bank money stays in cash.
    QCOMPARE(g.mainText("lblcash"), QStringLiteral("4000"));
    QCOMPARE(g.mainText("lbltony"), QStringLiteral("2000"));
  }

  void ok_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shows");  // the field after typing
    QTest::addColumn<QString>("box");    // caption: text of the box OK brings up, if any
    QTest::addColumn<QString>("cash");
    QTest::addColumn<QString>("debt");
    const QString tooMuch = QStringLiteral(
        "Information: Why in the world would you want to pay Tony more than you owe him?!");
    QTest::newRow("part") << "500"
                          << "500"
                          << ""
                          << "3500"
                          << "1500";
    QTest::newRow("all of it") << "2000"
                               << "2000"
                               << ""
                               << "2000"
                               << "0";
    QTest::newRow("nothing") << "0"
                             << "0"
                             << ""
                             << "4000"
                             << "2000";
    QTest::newRow("more than owed") << "2500"
                                    << "2500" << tooMuch << "4000"
                                    << "2000";
    QTest::newRow("more than the cash") << "9999"
                                        << "9999" << tooMuch << "4000"
                                        << "2000";
    QTest::newRow("below zero pays nothing") << "-5"
                                             << "-5"
                                             << ""
                                             << "4000"
                                             << "2000";
    QTest::newRow("letters are not taken") << "a7b"
                                           << "7"
                                           << ""
                                           << "3993"
                                           << "1993";
    QTest::newRow("a fraction") << "1.5"
                                << "1.5"
                                << "quillmere: '1.5' is not a valid integer value."
                                << "4000"
                                << "2000";
    QTest::newRow("empty") << ""
                           << ""
                           << "quillmere: '' is not a valid integer value."
                           << "4000"
                           << "2000";
  }
  void ok() {
    QFETCH(QString, typed);
    QFETCH(QString, shows);
    QFETCH(QString, box);
    QFETCH(QString, cash);
    QFETCH(QString, debt);
    LoanGame g;
    g.boxes.answers = {QStringLiteral("OK")};  // the conversion box names no default button
    QString seen;
    g.some([&] {
      g.type(typed);
      seen = g.edtPay()->text();
      g.click("Button1");
    });
    QCOMPARE(seen, shows);
    QStringList boxes;
    for (const SeenBox& b : g.boxes.seen) boxes << b.title + ": " + b.text;
    QCOMPARE(boxes, box.isEmpty() ? QStringList{} : QStringList{box});
    // A refused amount keeps the dialog open for another try.
    QCOMPARE(g.leftOpen, !box.isEmpty());
    QCOMPARE(g.mainText("lblcash"), cash);
    QCOMPARE(g.mainText("lbltony"), debt);
    const bool paidOff = debt == QLatin1String("0");
    QCOMPARE(child(g.main, "btntonysome")->isEnabled(), !paidOff);
    QCOMPARE(child(g.main, "btnTonyall")->isEnabled(), !paidOff);
  }

  void arrowsStayWithinTheCash() {
    LoanGame g;
    QStringList seen;
    g.some([&] {
      QTest::keyClick(g.edtPay(), Qt::Key_Up);
      seen << g.edtPay()->text();
      g.type(QStringLiteral("1"));
      QTest::keyClick(g.edtPay(), Qt::Key_Down);
      seen << g.edtPay()->text();
      QTest::keyClick(g.edtPay(), Qt::Key_Down);
      seen << g.edtPay()->text();
      g.click("Button2");
    });
    QCOMPARE(seen, (QStringList{"2001", "0", "0"}));
  }

  void leavingTheFieldBringsTheAmountIntoRange() {
    LoanGame g;
    QString seen;
    g.some([&] {
      QVERIFY(QTest::qWaitForWindowActive(g.loan));
      g.type(QStringLiteral("9999"));
      child(g.loan, "Button2")->setFocus();
      seen = g.edtPay()->text();
      g.click("Button2");
    });
    QCOMPARE(seen, QStringLiteral("4000"));
  }

  void escapeIsCancel() {
    LoanGame g;
    g.some([&] {
      g.type(QStringLiteral("100"));
      QTest::keyClick(g.edtPay(), Qt::Key_Escape);
    });
    QVERIFY(!g.leftOpen);
    QCOMPARE(g.mainText("lbltony"), QStringLiteral("2000"));
  }

  void enterIsOk() {
    LoanGame g;
    g.some([&] {
      g.type(QStringLiteral("100"));
      QTest::keyClick(g.edtPay(), Qt::Key_Return);
    });
    QVERIFY(!g.leftOpen);
    QCOMPARE(g.mainText("lbltony"), QStringLiteral("1900"));
  }
};

QTEST_MAIN(TestLoan)
#include "tst_loan.moc"
