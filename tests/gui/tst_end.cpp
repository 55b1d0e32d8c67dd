// The end screen: the score and the bid code on show, the texts, the copy and the website.
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include "game/web.h"
#include "gui_helpers.h"
#include "screens/EndScreen.h"

using namespace quillmere;
using namespace quillmere::testing;

namespace {

// Ends a game worth 5000 + 1000 + 7000 + 0 - 2000 = 11000 and returns its end screen.
EndScreen* endGame(GuiGame& g) {
  g.start();
  std::tie(g.s.cash, g.s.bank, g.s.carValue, g.s.gunValue, g.s.debt) =
      std::tuple(5000, 1000, 7000, 0, 2000);
  g.s.day = 31;  // the first trip on the last day ends the game
  g.clock.set(12345);
  g.app.act(Travel{Place::Downtown});
  EndScreen* end = g.app.endScreen();
  if (!end) qFatal("no end screen");
  return end;
}

}  // namespace

class TestEnd : public QObject {
  Q_OBJECT

 private slots:
  void showsTheScoreTheCodeAndTheTexts() {
    GuiGame g;
    EndScreen* end = endGame(g);
    QVERIFY(end->isVisible() && end->isWindow() && !end->isModal());
    QCOMPARE(end->windowTitle(), QStringLiteral("Your time has come."));
    QCOMPARE(end->size(), QSize(385, 347));

    auto* score = child<QLineEdit>(end, "edtScore");
    auto* code = child<QLineEdit>(end, "edtEncrypted");
    QCOMPARE(score->text(), QStringLiteral("11000"));
    QCOMPARE(code->text(), QString::fromStdString(g.game.result().bidCode));
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
    QCOMPARE(lines[1], g.app.webAddress(kWebsitePage));
    QCOMPARE(child<QGroupBox>(end, "GroupBox1")->title(), QStringLiteral(" Instructions "));
    // The arrows of the scroll bar on white text on grey stand out from the bar.
    const QPalette bar = child<QPlainTextEdit>(end, "Memo1")->verticalScrollBar()->palette();
    const int contrast = bar.windowText().color().lightness() - bar.button().color().lightness();
    QVERIFY(qAbs(contrast) > 96);
  }

  void tabGoesThroughTheScreenInItsOrder() {
    GuiGame g;
    EndScreen* end = endGame(g);
    QVERIFY(QTest::qWaitForWindowActive(end));
    QStringList order;
    for (int i = 0; i < 8; ++i) {
      order << QApplication::focusWidget()->objectName();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order, (QStringList{"Memo1", "Button1", "edtScore", "Button2", "Button4",
                                 "edtEncrypted", "Memo2", "Memo1"}));
  }

  void copyPutsTheWholeCodeOnTheClipboardThenTheWebsiteOpens() {
    GuiGame g;
    EndScreen* end = endGame(g);
    QVERIFY(QTest::qWaitForWindowActive(end));
    auto* code = child<QLineEdit>(end, "edtEncrypted");
    // Whatever part the player had marked, the whole code goes.
    code->setSelection(10, 5);
    QGuiApplication::clipboard()->setText(QStringLiteral("stale"));
    QTest::mouseClick(child<QPushButton>(end, "Button1"), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text().size(), 224);
    QCOMPARE(QGuiApplication::clipboard()->text(), code->text());
    QCOMPARE(QApplication::focusWidget(), child<QPushButton>(end, "Button2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    // The button opens the page whose address the instructions give, and it exists.
    QCOMPARE(g.openedUrls, g.addresses({kWebsitePage}));
    QCOMPARE(g.openedUrls[0],
             child<QPlainTextEdit>(end, "Memo2")->toPlainText().split(QLatin1Char('\n'))[1]);
    QVERIFY2(pageExists(g.openedUrls[0]), qPrintable(g.openedUrls[0]));
    QVERIFY(end->isVisible());
  }
};

QTEST_MAIN(TestEnd)
#include "tst_end.moc"
