// The start screen: the name check, the start sequence and its gauge, the links, "X".
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "game/web.h"
#include "gui_helpers.h"
#include "screens/MainScreen.h"
#include "screens/StartScreen.h"

using namespace quillmere;
using namespace quillmere::testing;

class TestSplash : public QObject {
  Q_OBJECT

 private:
 private slots:
  void emptyNameIsRefusedAndCreatesNothing() {
    GuiGame g;
    BoxAnswerer boxes;
    StartScreen* splash = g.app.createSplash();
    splash->show();
    QTest::mouseClick(child<QPushButton>(splash, "btnContinue"), Qt::LeftButton);
    // The screen's own box, window-modal over it.
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(box && box->parentWidget() == splash && box->windowModality() == Qt::WindowModal);
    Settle();
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.seen[0].title, QStringLiteral("Error"));
    QCOMPARE(boxes.seen[0].text, QStringLiteral("Please enter a login."));
    QCOMPARE(boxes.seen[0].buttons, QStringList{QStringLiteral("OK")});
    QVERIFY(!g.app.mainScreen());
    QVERIFY(!g.app.pursuitScreen());
    QCOMPARE(child<QProgressBar>(splash, "loading")->value(), 0);
    QVERIFY(splash->isVisible());
  }

  void oneSpaceStartsTheGameWithTheGaugeInOrder() {
    GuiGame g;
    g.clock.set(17);  // the first roll brings nothing
    BoxAnswerer boxes;
    StartScreen* splash = g.app.createSplash();
    splash->show();
    QList<int> gauge;
    QStringList created;
    connect(child<QProgressBar>(splash, "loading"), &QProgressBar::valueChanged, this,
            [&](int value) {
              gauge << value;
              created << QStringLiteral("%1%2%3%4%5")
                             .arg(g.app.mainScreen() ? 1 : 0)
                             .arg(g.app.pursuitScreen() ? 1 : 0)
                             .arg(g.app.gunDealerScreen() ? 1 : 0)
                             .arg(g.app.carDealerScreen() ? 1 : 0)
                             .arg(g.app.loanScreen() ? 1 : 0);
            });
    QTest::keyClicks(child<QLineEdit>(splash, "edtLogin"), QStringLiteral(" "));
    QTest::keyClick(child<QLineEdit>(splash, "edtLogin"), Qt::Key_Return);
    Settle();
    QCOMPARE(gauge, (QList<int>{16, 32, 48, 64, 80, 96, 100}));
    QCOMPARE(created, (QStringList{"10000", "11000", "11100", "11110", "11111", "11111", "11111"}));
    QVERIFY(boxes.seen.isEmpty());
    QVERIFY(!splash->isVisible());
    QVERIFY(g.app.mainScreen()->isVisible());
    QCOMPARE(g.s.day, 1);
    QCOMPARE(g.s.timeOfDay, TimeOfDay::Morning);
    QCOMPARE(g.s.carKind, 1);
    QCOMPARE(g.s.carName, std::string("Honda Civic"));
    QCOMPARE(g.s.gunKind, 0);
    QCOMPARE(g.s.cash, 2000);
  }

  void anEventMessageComesBeforeTheMainScreen() {
    GuiGame g;
    g.clock.set(12);  // the first roll is a mugging
    BoxAnswerer boxes;
    StartScreen* splash = g.app.createSplash();
    splash->show();
    bool splashInFront = false;
    bool mainHidden = false;
    boxes.onShow = [&] {
      splashInFront = splash->isVisible();
      mainHidden = !g.app.mainScreen() || !g.app.mainScreen()->isVisible();
    };
    child<QLineEdit>(splash, "edtLogin")->setText(QStringLiteral("Ray"));
    QTest::mouseClick(child<QPushButton>(splash, "btnContinue"), Qt::LeftButton);
    Settle();
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("You were mugged at a stoplight.")});
    QCOMPARE(boxes.seen[0].title, QStringLiteral("Information"));
    QCOMPARE(g.s.cash, 1600);
    QVERIFY(g.app.mainScreen()->isVisible());
    QVERIFY(!splash->isVisible());
    QVERIFY(splashInFront);
    QVERIFY(mainHidden);
  }

  void linksOpenTheirPagesAndChangeNothing() {
    GuiGame g;
    StartScreen* splash = g.app.createSplash();
    splash->show();
    for (const char* name : {"Button2", "Button1", "Button3"})
      QTest::mouseClick(child<QPushButton>(splash, name), Qt::LeftButton);
    QCOMPARE(g.openedUrls, g.addresses({kIntroductionPage, kTutorialPage, kWebsitePage}));
    for (const QString& url : g.openedUrls) QVERIFY2(pageExists(url), qPrintable(url));
    QVERIFY(splash->isVisible());
    QVERIFY(!g.app.mainScreen());
  }

  // The board page is a hosted website's, else this computer's own board's; the other pages
  // stay the ones installed with the game, and with no board the home page says why.
  void theBoardPageIsWhereTheBoardIs() {
    GuiGame g;
    const QString local = g.app.webAddress(kIntroductionPage);
    QVERIFY(local.startsWith("file://"));
    g.app.localBoard = [] { return QStringLiteral("http://127.0.0.1:4242"); };
    QCOMPARE(g.addresses({kWebsitePage, kIntroductionPage}),
             (QStringList{"http://127.0.0.1:4242/quillmere/", local}));
    g.app.localBoard = [] { return QString(); };
    QVERIFY(g.app.webAddress(kWebsitePage).endsWith("/quillmere/index.html#no-board"));
    g.app.setWebsite("https://board.example");
    QCOMPARE(g.addresses({kWebsitePage, kIntroductionPage}),
             (QStringList{"https://board.example/quillmere/",
                          "https://board.example/quillmere/intro.htm"}));
  }

  void xEndsTheProgramWithoutAGame() {
    GuiGame g;
    StartScreen* splash = g.app.createSplash();
    splash->show();
    auto* x = child<QToolButton>(splash, "SpeedButton2");
    QCOMPARE(x->focusPolicy(), Qt::NoFocus);
    QTest::mouseClick(x, Qt::LeftButton);
    QVERIFY(g.app.terminated());
    QVERIFY(!g.app.mainScreen());
  }

  void theLayoutHasItsSizes() {
    GuiGame g;
    StartScreen* splash = g.app.createSplash();
    QCOMPARE(splash->size(), QSize(402, 362));
    QCOMPARE(child<QWidget>(splash, "Image1")->geometry(), QRect(0, 0, 402, 300));
    QCOMPARE(child<QWidget>(splash, "SpeedButton2")->geometry(), QRect(387, 1, 15, 17));
    QCOMPARE(child<QWidget>(splash, "Button3")->geometry(), QRect(272, 5, 129, 25));
    QCOMPARE(child<QWidget>(splash, "loading")->size(), QSize(120, 17));
    QVERIFY(child<QPushButton>(splash, "btnContinue")->isDefault());
  }
};

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"
