// The main screen: its layout, trading by clicking the grids and buttons, the refusals the
// player sees, Tony's buttons, a trip, the menu and the ways the program ends.
#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QtTest>

#include "game/web.h"
#include "gui_helpers.h"
#include "screens/IntegerBox.h"
#include "screens/Unit1.h"
#include "screens/Unit5.h"

using namespace quillmere;
using namespace quillmere::testing;

namespace {

// A new game on the millisecond 0: its market offers Acid at 1300.
struct MainGame : GuiGame {
  MainGame() {
    createScreens();
    game.startgame();
    main = app.frmMain();
    main->show();
  }
  QString text(const char* label) { return child<QLabel>(main, label)->text(); }
  QTableWidget* grid(const char* name) { return child<QTableWidget>(main, name); }
  QString cell(const char* name, int row, int column) {
    QTableWidgetItem* item = grid(name)->item(row, column);
    return item ? item->text() : QStringLiteral("<none>");
  }
  void clickRow(const char* name, int row, Qt::MouseButton button = Qt::LeftButton) {
    QTableWidget* g = grid(name);
    QTest::mouseClick(g->viewport(), button, {}, g->visualItemRect(g->item(row, 0)).center());
  }
  void click(const char* button) {
    QTest::mouseClick(child<QPushButton>(main, button), Qt::LeftButton);
  }
  void type(const char* box, const QString& text) {
    auto* b = child<IntegerBox>(main, box);
    b->setFocus();
    b->selectAll();
    QTest::keyClick(b, Qt::Key_Backspace);
    QTest::keyClicks(b, text);
  }
  bool enabled(const char* name) { return child(main, name)->isEnabled(); }

  TfrmMain* main = nullptr;
  BoxAnswerer boxes;
};

}  // namespace

class TestMain : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ApplyGameLook(); }

  void layout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("Panel2") << "Panel2"
                            << "client" << QRect(202, 8, 210, 177);
    QTest::newRow("btnBuy") << "btnBuy"
                            << "Panel2" << QRect(156, 7, 49, 25);
    QTest::newRow("edtSell") << "edtSell"
                             << "Panel2" << QRect(100, 56, 52, 22);
    QTest::newRow("drug1") << "drug1"
                           << "Panel6" << QRect(0, 0, 185, 312);
    QTest::newRow("Panel6") << "Panel6"
                            << "client" << QRect(8, 23, 185, 312);
    QTest::newRow("lblcash") << "lblcash"
                             << "Panel1" << QRect(88, 40, 73, 13);
    QTest::newRow("btnTonyall") << "btnTonyall"
                                << "Panel1" << QRect(38, 124, 48, 17);
    QTest::newRow("health") << "health"
                            << "Panel3" << QRect(3, 116, 164, 16);
    QTest::newRow("Panel4") << "Panel4"
                            << "client" << QRect(416, 314, 169, 82);
    QTest::newRow("btnDowntown") << "btnDowntown"
                                 << "Panel5" << QRect(8, 3, 90, 25);
    QTest::newRow("btnTijuana") << "btnTijuana"
                                << "Panel5" << QRect(308, 31, 90, 25);
  }
  void layout() {
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    MainGame g;
    QWidget* w = child(g.main, name.toLatin1().constData());
    QCOMPARE(w->parentWidget()->objectName(), parent);
    QCOMPARE(w->geometry(), geometry);
  }

  void window() {
    MainGame g;
    QCOMPARE(g.main->windowTitle(), QStringLiteral("quillmere"));
    QCOMPARE(g.main->minimumSize(), g.main->maximumSize());
    QCOMPARE(g.main->centralWidget()->height() + g.main->statusBar()->height(), 418);
    QCOMPARE(g.main->centralWidget()->width(), 592);
    QVERIFY(!(g.main->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(g.main->focusWidget(), g.grid("drug1"));
  }

  void tabOrderAndAccessibleNames() {
    MainGame g;
    QStringList order;
    QWidget* w = g.grid("drug1");
    do {
      if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().startsWith(QLatin1String("qt_")))
        order << w->objectName();
      w = w->nextInFocusChain();
    } while (w != g.grid("drug1"));
    QCOMPARE(order,
             (QStringList{"drug1",           "edtBuy",          "btnBuy",       "edtSell",
                          "btnSell",         "drug2",           "SpeedButton1", "SpeedButton3",
                          "btntonysome",     "btnTonyall",      "SpeedButton7", "btnHospital",
                          "SpeedButton8",    "btnDowntown",     "btnHollywood", "btnPasadena",
                          "btnBeverlyHills", "btnSouthCentral", "btnSanDiego",  "btnLasVegas",
                          "btnTijuana"}));
    for (const char* name : {"drug1", "drug2", "edtBuy", "edtSell", "imgDrug", "imgCar", "imgGun",
                             "health", "barStatus"})
      QVERIFY2(!child(g.main, name)->accessibleName().isEmpty(), name);
  }

  void newGame() {
    MainGame g;
    QCOMPARE(g.text("lblcash"), QStringLiteral("2000"));
    QCOMPARE(g.text("lbltony"), QStringLiteral("2000"));
    QCOMPARE(g.text("lblDays"), QStringLiteral("Day 1 of 31"));
    QCOMPARE(g.text("lblTime"), QStringLiteral("Morning"));
    QCOMPARE(g.text("lblCar"), QStringLiteral("Honda Civic"));
    QCOMPARE(g.text("lblGun"), QStringLiteral("NONE"));
    QCOMPARE(g.text("lblname"), QStringLiteral("Acid"));
    QCOMPARE(g.text("lblprice"), QStringLiteral("1300"));
    QCOMPARE(g.text("description"), QStringLiteral("Oh look, pink elephants!"));
    QCOMPARE(child<QProgressBar>(g.main, "health")->text(), QStringLiteral("100%"));
    QCOMPARE(g.grid("drug1")->rowCount(), 14);
    QCOMPARE(g.cell("drug1", 0, 1), QStringLiteral("Prices"));
    QCOMPARE(g.cell("drug1", 1, 1), QStringLiteral("1300"));
    QCOMPARE(g.grid("drug2")->rowCount(), 1);
    QCOMPARE(g.cell("drug2", 0, 2), QStringLiteral("Count"));
    QVERIFY(!g.enabled("edtSell"));
    QVERIFY(!g.enabled("btnSell"));
    for (int i = 0; i < kPlaceCount; ++i)
      QVERIFY(g.enabled(PlaceAt(static_cast<Place>(i)).button.data()));
    QCOMPARE(g.main->statusBar()->currentMessage(), QString());
  }

  void buyThenSell() {
    MainGame g;
    g.clickRow("drug1", 1);
    QCOMPARE(child<IntegerBox>(g.main, "edtBuy")->text(), QStringLiteral("1"));
    g.click("btnBuy");
    QCOMPARE(g.text("lblcash"), QStringLiteral("700"));
    QCOMPARE(g.text("lblTrunk"), QStringLiteral("79"));
    QCOMPARE(g.grid("drug2")->rowCount(), 2);
    QCOMPARE(g.cell("drug2", 1, 0) + g.cell("drug2", 1, 1) + g.cell("drug2", 1, 2),
             QStringLiteral("Acid13001"));
    // Once a lot is held the header is fixed: it cannot be selected.
    QVERIFY(!(g.grid("drug2")->item(0, 0)->flags() & Qt::ItemIsSelectable));

    g.clickRow("drug2", 1, Qt::RightButton);  // any button picks
    QVERIFY(g.enabled("btnSell"));
    QCOMPARE(child<IntegerBox>(g.main, "edtSell")->text(), QStringLiteral("1"));
    g.click("btnSell");
    QCOMPARE(g.text("lblcash"), QStringLiteral("2000"));
    QCOMPARE(g.cell("drug2", 1, 0), QString());
    QVERIFY(!g.enabled("btnSell"));
    QVERIFY(g.boxes.seen.isEmpty());
  }

  void keyboardPicksTheCurrentRow() {
    MainGame g;
    QTableWidget* market = g.grid("drug1");
    market->setFocus();
    market->setCurrentCell(0, 0);
    QTest::keyClick(market, Qt::Key_Down);
    QTest::keyClick(market, Qt::Key_Return);
    QCOMPARE(child<IntegerBox>(g.main, "edtBuy")->text(), QStringLiteral("1"));
  }

  void pointsOutsideTheCellsPickNothing() {
    MainGame g;
    QTableWidget* market = g.grid("drug1");
    const int y = market->visualItemRect(market->item(1, 0)).center().y();
    // The two columns end 3 pixels short of the grid's right edge.
    QTest::mouseClick(market->viewport(), Qt::LeftButton, {},
                      QPoint(market->viewport()->width() - 1, y));
    QTest::mouseClick(market->viewport(), Qt::LeftButton, {}, QPoint(20, 14 * 18 + 10));
    QCOMPARE(child<IntegerBox>(g.main, "edtBuy")->text(), QStringLiteral("0"));
  }

  void refusals_data() {
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("message");
    QTest::newRow("more than the trunk") << "81"
                                         << "Insufficient Trunk Space";
    QTest::newRow("nothing") << "0"
                             << "Invalid Purchase Amount Entered";
    QTest::newRow("not a number") << "abc"
                                  << "Invalid Purchase Amount Entered";
    QTest::newRow("too dear") << "2"
                              << "Insufficient Funds";
  }
  void refusals() {
    QFETCH(QString, amount);
    QFETCH(QString, message);
    MainGame g;
    g.type("edtBuy", amount);
    QCOMPARE(child<IntegerBox>(g.main, "edtBuy")->text(), amount);
    g.click("btnBuy");
    QCOMPARE(g.boxes.seen.size(), 1);
    QCOMPARE(g.boxes.seen[0].title, QStringLiteral("Error"));
    QCOMPARE(g.boxes.seen[0].text, message);
    QCOMPARE(g.boxes.seen[0].buttons, QStringList{QStringLiteral("OK")});
    QCOMPARE(g.text("lblcash"), QStringLiteral("2000"));
    QCOMPARE(g.grid("drug2")->rowCount(), 1);
  }

  void sellingTextThatIsNoNumber() {
    MainGame g;
    g.clickRow("drug1", 1);
    g.click("btnBuy");
    g.clickRow("drug2", 1);
    g.type("edtSell", QStringLiteral("1x"));
    g.boxes.answers = {QStringLiteral("OK")};  // the conversion box names no default button
    g.click("btnSell");
    QCOMPARE(g.boxes.seen.size(), 1);
    QCOMPARE(g.boxes.seen[0].title, QStringLiteral("quillmere"));
    QCOMPARE(g.boxes.seen[0].text, QStringLiteral("'1x' is not a valid integer value."));
    QVERIFY(g.enabled("btnSell"));
    QCOMPARE(g.cell("drug2", 1, 2), QStringLiteral("1"));
  }

  void arrowsStepTheBoxes() {
    MainGame g;
    auto* buy = child<IntegerBox>(g.main, "edtBuy");
    buy->setFocus();
    QTest::keyClick(buy, Qt::Key_Down);
    QCOMPARE(buy->text(), QStringLiteral("-1"));
    QCOMPARE(g.s.buyText, std::string("-1"));
  }

  void payingTonyAllDisablesHisButtons() {
    MainGame g;
    g.click("btnTonyall");
    QCOMPARE(g.text("lbltony"), QStringLiteral("0"));
    QCOMPARE(g.text("lblcash"), QStringLiteral("0"));
    QVERIFY(!g.enabled("btnTonyall"));
    QVERIFY(!g.enabled("btntonysome"));
    g.click("btnTonyall");
    QVERIFY(g.boxes.seen.isEmpty());
  }

  void depositAndHospital() {
    MainGame g;
    g.click("SpeedButton3");
    QCOMPARE(g.text("lblbank"), QStringLiteral("2000"));
    QCOMPARE(g.text("lblcash"), QStringLiteral("0"));
    g.click("btnHospital");
    QCOMPARE(g.boxes.texts(),
             QStringList{"What do we look like, a free clinic? Get some cash and come back."});
  }

  void aTripDisablesItsButtonAndShowsTheNews() {
    MainGame g;
    g.click("btnHollywood");
    for (int i = 0; i < kPlaceCount; ++i) {
      const PlaceInfo& place = PlaceAt(static_cast<Place>(i));
      QCOMPARE(g.enabled(place.button.data()), place.button != "btnHollywood");
    }
    // The roll on the millisecond 0 is the cheap acid news.
    QCOMPARE(g.main->statusBar()->currentMessage(),
             QStringLiteral("New area labs are producing cheap acid."));
    QCOMPARE(g.text("lblTime"), QString::fromUtf8(TimeOfDayText(g.s.timeOfDay).data()));
  }

  void carDealerIsModalOverTheMainScreen() {
    MainGame g;
    bool wasModal = false;
    QTimer::singleShot(0, [&] {
      wasModal = QApplication::activeModalWidget() == g.app.frmCars();
      g.app.frmCars()->reject();
    });
    g.click("SpeedButton7");
    QVERIFY(wasModal);
  }

  void webMenu() {
    MainGame g;
    for (const char* item : {"VisitWebsite1", "Introduction1", "Tutorial1"})
      g.main->findChild<QAction*>(QString::fromLatin1(item))->trigger();
    QCOMPARE(g.openedUrls, (QStringList{QString::fromStdString(WebAddress(kWebsitePage)),
                                        QString::fromStdString(WebAddress(kIntroductionPage)),
                                        QString::fromStdString(WebAddress(kTutorialPage))}));
    QCOMPARE(g.text("lblcash"), QStringLiteral("2000"));
  }

  void exitEndsTheProgram() {
    MainGame g;
    g.main->findChild<QAction*>(QStringLiteral("Exit1"))->trigger();
    QVERIFY(g.app.terminated());
    QVERIFY(g.boxes.seen.isEmpty());
  }

  void closingEndsTheProgram() {
    MainGame g;
    QVERIFY(g.main->close());
    QVERIFY(g.app.terminated());
    QVERIFY(g.boxes.seen.isEmpty());
  }
};

QTEST_MAIN(TestMain)
#include "tst_main.moc"
