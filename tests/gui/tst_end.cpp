// The end screen: the score and the bid code on show, the copy, the website, the way out.
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWindow>
#include <QtTest>

#include "game/web.h"
#include "gui_helpers.h"
#include "screens/Unit7.h"

using namespace quillmere;
using namespace quillmere::testing;

namespace {

// Ends a game worth 5000 + 1000 + 7000 + 0 - 2000 = 11000 and returns its end screen.
TfrmEnd* endGame(GuiGame& g) {
  g.s.cash = 5000;
  g.s.bank = 1000;
  g.s.carValue = 7000;
  g.s.gunValue = 0;
  g.s.debt = 2000;
  g.clock.set(12345);
  g.game.EndGame();
  TfrmEnd* end = g.app.frmEnd();
  if (!end) qFatal("no end screen");
  return end;
}

}  // namespace

class TestEnd : public QObject {
  Q_OBJECT

 private slots:
  void showsTheScoreTheCodeAndTheTexts() {
    GuiGame g;
    TfrmEnd* end = endGame(g);
    QVERIFY(end->isVisible());
    QVERIFY(end->isWindow());
    QVERIFY(!end->isModal());
    QCOMPARE(end->windowTitle(), QStringLiteral("Your time has come."));
    QCOMPARE(end->size(), QSize(385, 347));

    auto* score = child<QLineEdit>(end, "edtScore");
    auto* code = child<QLineEdit>(end, "edtEncrypted");
    QCOMPARE(score->text(), QStringLiteral("11000"));
    QCOMPARE(code->text().size(), 224);
    QCOMPARE(code->text(), QString::fromStdString(g.game.end().edtEncrypted));
    QVERIFY(score->isReadOnly() && code->isReadOnly());

    const QStringList memo1 =
        child<QPlainTextEdit>(end, "Memo1")->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(memo1.size(), 8);
    QCOMPARE(memo1[3],
             QStringLiteral("Do you have enough money to put a price on the life of the man who "));
    QCOMPARE(memo1[7], QStringLiteral("Post your bid and watch the outcome."));
    auto* memo2 = child<QPlainTextEdit>(end, "Memo2");
    QVERIFY(!memo2->isReadOnly());
    QCOMPARE(memo2->parentWidget(), child<QGroupBox>(end, "GroupBox1"));
    const QStringList lines = memo2->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 7);
    QCOMPARE(lines[1], QString::fromStdString(WebAddress(kWebsitePage)));
    QCOMPARE(child<QGroupBox>(end, "GroupBox1")->title(), QStringLiteral(" Instructions "));
  }

  void tabGoesThroughTheScreenInItsOrder() {
    GuiGame g;
    TfrmEnd* end = endGame(g);
    QVERIFY(QTest::qWaitForWindowActive(end));
    QStringList order;
    for (int i = 0; i < 8; ++i) {
      order << QApplication::focusWidget()->objectName();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order, (QStringList{"Memo1", "Button1", "edtScore", "Button2", "Button4",
                                 "edtEncrypted", "Memo2", "Memo1"}));
  }

  void copyPutsTheWholeCodeOnTheClipboard() {
    GuiGame g;
    TfrmEnd* end = endGame(g);
    QVERIFY(QTest::qWaitForWindowActive(end));
    auto* code = child<QLineEdit>(end, "edtEncrypted");
    // Whatever part the player had marked, the whole code goes.
    code->setSelection(10, 5);
    QGuiApplication::clipboard()->setText(QStringLiteral("stale"));
    QTest::mouseClick(child<QPushButton>(end, "Button1"), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), code->text());
    QCOMPARE(QGuiApplication::clipboard()->text().size(), 224);
    QCOMPARE(QApplication::focusWidget(), child<QPushButton>(end, "Button2"));
  }

  void websiteButtonOpensTheGamesPage() {
    GuiGame g;
    TfrmEnd* end = endGame(g);
    QTest::mouseClick(child<QPushButton>(end, "Button2"), Qt::LeftButton);
    QCOMPARE(g.openedUrls, QStringList{QString::fromStdString(WebAddress(kWebsitePage))});
    QVERIFY(!g.app.terminated());
    QVERIFY(end->isVisible());
  }

  // The way out comes last: ending the program stops event loops for the rest of the process.
  void retireAndTheWindowsCloseBothEndTheProgram() {
    {
      GuiGame g;
      TfrmEnd* end = endGame(g);
      QTest::mouseClick(child<QPushButton>(end, "Button4"), Qt::LeftButton);
      QVERIFY(g.app.terminated());
      QVERIFY(!end->isVisible());
    }
    GuiGame g;
    TfrmEnd* end = endGame(g);
    end->windowHandle()->close();
    QVERIFY(g.app.terminated());
    QVERIFY(!end->isVisible());
  }
};

QTEST_MAIN(TestEnd)
#include "tst_end.moc"
