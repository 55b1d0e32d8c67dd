// The main screen: its layout, what it draws from the game, trading by clicking the grids and
// buttons, the boxes the player sees, the money buttons, a trip and the menu.
#include <QAccessible>
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
#include "screens/MainScreen.h"
#include "screens/PursuitScreen.h"

using namespace quillmere;
using namespace quillmere::testing;

namespace {

// The travel buttons, in the places' order.
const char* const kTravelButtons[] = {"btnDowntown",     "btnHollywood",    "btnPasadena",
                                      "btnBeverlyHills", "btnSouthCentral", "btnSanDiego",
                                      "btnLasVegas",     "btnTijuana"};

// A new game whose market offers Acid at 1300, on a clock at the millisecond 0.
struct MainGame : GuiGame {
  MainGame() {
    start();
    s.market[Acid] = MarketRow{true, 1300};
    v.infoPrice = 1300;
    app.refresh();
    main = app.mainScreen();
  }
  QString text(const char* name) {
    if (auto* box = main->findChild<IntegerBox*>(QLatin1String(name))) return box->text();
    return child<QLabel>(main, name)->text();
  }
  QTableWidget* grid(const char* name) { return child<QTableWidget>(main, name); }
  // A grid row's cells joined by "|".
  QString row(const char* name, int row) {
    QStringList cells;
    for (int column = 0; column < grid(name)->columnCount(); ++column)
      cells << grid(name)->item(row, column)->text();
    return cells.join(QLatin1Char('|'));
  }
  void clickRow(const char* name, int row, Qt::MouseButton button = Qt::LeftButton) {
    QTableWidget* g = grid(name);
    QTest::mouseClick(g->viewport(), button, {}, g->visualItemRect(g->item(row, 0)).center());
  }
  // Clicks a button and lets the boxes and pursuits it brings be answered and played.
  void click(const char* button) {
    QTest::mouseClick(child<QPushButton>(main, button), Qt::LeftButton);
    QElapsedTimer waited;
    waited.start();
    do {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    } while ((AnyBoxUp() || app.pursuitScreen()->isVisible()) && waited.elapsed() < 10000);
  }
  void type(const char* box, const QString& text) {
    auto* b = child<IntegerBox>(main, box);
    b->setFocus();
    b->selectAll();
    QTest::keyClick(b, Qt::Key_Backspace);
    QTest::keyClicks(b, text);
  }
  bool enabled(const char* name) { return child(main, name)->isEnabled(); }
  // The good the info panel names and the market row a screen reader hears as selected.
  QString panelAndHighlight() {
    auto* table = QAccessible::queryAccessibleInterface(grid("drug1"))->tableInterface();
    return text("lblname") + ' ' + QString::number(table->selectedRows().value(0, -1));
  }

  MainScreen* main = nullptr;
  BoxAnswerer boxes;
};

// Plays every pursuit that comes up: Run, then whatever `between` does, then the way out.
// Records each pursuit's opening line.
class PursuitPlayer : public QObject {
 public:
  explicit PursuitPlayer(GuiGame& g) : m_g(g) { qApp->installEventFilter(this); }
  ~PursuitPlayer() override { qApp->removeEventFilter(this); }

  QStringList openings;
  std::function<void()> between;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* busted = qobject_cast<PursuitScreen*>(watched);
    if (busted && event->type() == QEvent::Show) {
      QTimer::singleShot(0, busted, [this, busted] {
        const std::vector<std::string>& log = m_g.game.pursuit().log();
        openings << QString::fromStdString(log.empty() ? std::string() : log.front());
        child<QPushButton>(busted, "btn2")->click();
        if (between) between();
        auto* close = child<QPushButton>(busted, "btnClose");
        close->isVisible() ? close->click() : child<QPushButton>(busted, "btnQuit")->click();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  GuiGame& m_g;
};

}  // namespace

class TestMain : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ApplyGameLook(); }

  void layoutAndTabOrder() {
    MainGame g;
    QCOMPARE(g.main->windowTitle(), QStringLiteral("quillmere"));
    QCOMPARE(g.main->minimumSize(), g.main->maximumSize());
    QCOMPARE(g.main->centralWidget()->size(), QSize(592, 418 - g.main->statusBar()->height()));
    QVERIFY(!(g.main->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(g.main->focusWidget(), g.grid("drug1"));
    for (const char* place : kTravelButtons)
      QCOMPARE(child(g.main, place)->parentWidget()->objectName(), QStringLiteral("Panel5"));
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
  }

  void everyLabelShowsItsOwnField() {
    MainGame g;
    QCOMPARE(g.grid("drug1")->rowCount(), 14);
    QCOMPARE(g.row("drug1", 0) + " " + g.row("drug1", 1), QStringLiteral("Drugs|Prices Acid|1300"));
    QCOMPARE(g.row("drug2", 0), QStringLiteral("Drug|Price|Count"));
    QVERIFY(!g.enabled("edtSell") && !g.enabled("btnSell"));
    // Each number field its own value, 11 upwards in the order of the labels below.
    std::tie(g.s.cash, g.s.bank, g.s.debt, g.s.carValue, g.s.trunkFree, g.s.trunkTotal) =
        std::tuple(11, 12, 13, 14, 15, 16);
    std::tie(g.s.seatsFree, g.s.seatsTotal, g.s.gunValue, g.v.infoPrice) =
        std::tuple(17, 18, 19, 20);
    g.v.buyText = "21", g.v.sellText = "22", g.s.day = 23, g.s.health = 50;
    g.s.gunName = "Rifle", g.s.carName = "Ford F150";
    g.s.timeOfDay = TimeOfDay::Night, g.v.infoGood = Cocaine;
    g.main->refresh();
    const char* const numbers[] = {"lblcash",     "lblbank",     "lbltony", "lblCarValue",
                                   "lblTrunk",    "lblTotTrunk", "lblSeat", "lblTotSeat",
                                   "lblGunValue", "lblprice",    "edtBuy",  "edtSell"};
    for (int i = 0; i < 12; ++i) QCOMPARE(g.text(numbers[i]), QString::number(11 + i));
    QCOMPARE((QStringList{g.text("lblDays"), g.text("lblGun"), g.text("lblCar"), g.text("lblTime"),
                          g.text("lblname")}),
             (QStringList{"Day 23 of 31", "Rifle", "Ford F150", "Night", "Cocaine"}));
    QCOMPARE(g.text("description"), QString::fromUtf8(GoodAt(Cocaine).description.data()));
    QCOMPARE(child<QProgressBar>(g.main, "health")->text(), QStringLiteral("50%"));
  }

  void buyThenSell() {
    MainGame g;
    g.clickRow("drug1", 1);
    QCOMPARE(g.text("edtBuy"), QStringLiteral("1"));
    g.click("btnBuy");
    QCOMPARE(g.text("lblcash") + " " + g.text("lblTrunk"), QStringLiteral("700 79"));
    QCOMPARE(g.grid("drug2")->rowCount(), 2);
    QCOMPARE(g.row("drug2", 1), QStringLiteral("Acid|1300|1"));
    // Once a lot is held the header is fixed: it cannot be selected.
    QVERIFY(!(g.grid("drug2")->item(0, 0)->flags() & Qt::ItemIsSelectable));

    g.clickRow("drug2", 1, Qt::RightButton);  // any button picks
    QVERIFY(g.enabled("btnSell"));
    QCOMPARE(g.text("edtSell"), QStringLiteral("1"));
    // What the player typed is shown as typed, never as markup.
    g.type("edtSell", QStringLiteral("<b>1</b>"));
    g.boxes.answers = {QStringLiteral("OK")};  // the conversion box names no default button
    g.click("btnSell");
    QCOMPARE(g.boxes.seen.size(), 1);
    QCOMPARE(g.boxes.seen[0].title, QStringLiteral("quillmere"));
    QCOMPARE(g.boxes.seen[0].text, QStringLiteral("'<b>1</b>' is not a valid integer value."));
    QCOMPARE(g.boxes.seen[0].format, Qt::PlainText);
    QVERIFY(g.enabled("btnSell"));

    g.type("edtSell", QStringLiteral("1"));
    g.click("btnSell");
    QCOMPARE(g.text("lblcash"), QStringLiteral("2000"));
    QCOMPARE(g.row("drug2", 1), QStringLiteral("||"));
    QVERIFY(!g.enabled("btnSell"));
    QCOMPARE(g.boxes.seen.size(), 1);
  }

  void keysPickTheCurrentRowAndPointsOutsideTheCellsNothing() {
    MainGame g;
    QTableWidget* market = g.grid("drug1");
    const int y = market->visualItemRect(market->item(1, 0)).center().y();
    // The two columns end 3 pixels short of the grid's right edge.
    QTest::mouseClick(market->viewport(), Qt::LeftButton, {},
                      QPoint(market->viewport()->width() - 1, y));
    QTest::mouseClick(market->viewport(), Qt::LeftButton, {}, QPoint(20, 14 * 18 + 10));
    QCOMPARE(g.text("edtBuy"), QStringLiteral("0"));
    market->setFocus();
    market->setCurrentCell(0, 0);
    QTest::keyClick(market, Qt::Key_Down);
    QTest::keyClick(market, Qt::Key_Return);
    QCOMPARE(g.text("edtBuy"), QStringLiteral("1"));
  }

  void aRefusalIsAnErrorBoxAndTheBoxesKeepWhatIsTyped() {
    MainGame g;
    g.type("edtBuy", QStringLiteral("abc"));
    QCOMPARE(g.text("edtBuy"), QStringLiteral("abc"));
    g.click("btnBuy");
    QCOMPARE(g.boxes.seen.size(), 1);
    QCOMPARE(g.boxes.seen[0].title, QStringLiteral("Error"));
    QCOMPARE(g.boxes.seen[0].text, QStringLiteral("Invalid Purchase Amount Entered"));
    QCOMPARE(g.boxes.seen[0].buttons, QStringList{QStringLiteral("OK")});
    QCOMPARE(g.text("lblcash"), QStringLiteral("2000"));
    // An arrow steps what the box reads, "abc" being 0.
    QTest::keyClick(child(g.main, "edtBuy"), Qt::Key_Down);
    QCOMPARE(g.text("edtBuy"), QStringLiteral("-1"));
    QCOMPARE(g.v.buyText, std::string("-1"));
  }

  // Enter presses the focused button, as Space does.
  void enterPressesTheFocusedButton() {
    MainGame g;
    auto* deposit = child<QPushButton>(g.main, "SpeedButton3");
    deposit->setFocus();
    QTest::keyClick(deposit, Qt::Key_Return);
    QCOMPARE(g.text("lblbank") + " " + g.text("lblcash"), QStringLiteral("2000 0"));
  }

  // A screen reader or a dictation tool that sets the box's text through the accessibility
  // interface is heard like typing: Buy buys what the box shows.
  void textSetThroughAccessibilityIsWhatBuyReads() {
    MainGame g;
    QAccessibleInterface* box =
        QAccessible::queryAccessibleInterface(child<IntegerBox>(g.main, "edtBuy"));
    QVERIFY(box && box->editableTextInterface());
    box->editableTextInterface()->replaceText(0, box->textInterface()->characterCount(),
                                              QStringLiteral("1"));
    QCOMPARE(g.text("edtBuy"), QStringLiteral("1"));
    g.click("btnBuy");
    QCOMPARE(g.boxes.texts(), QStringList());
    QCOMPARE(g.text("lblcash"), QStringLiteral("700"));
  }

  void moneyButtons() {
    MainGame g;
    g.click("SpeedButton3");
    QCOMPARE(g.text("lblbank") + " " + g.text("lblcash"), QStringLiteral("2000 0"));
    g.click("btnHospital");
    QCOMPARE(g.boxes.texts(),
             QStringList{"What do we look like, a free clinic? Get some cash and come back."});
    QCOMPARE(g.boxes.seen[0].title, QStringLiteral("Information"));
    g.click("SpeedButton1");
    g.click("btnTonyall");
    QCOMPARE(g.text("lbltony") + " " + g.text("lblcash"), QStringLiteral("0 0"));
    QVERIFY(!g.enabled("btnTonyall") && !g.enabled("btntonysome"));
  }

  void aTripDisablesItsButtonAndShowsTheNews() {
    MainGame g;
    g.click("btnHollywood");
    for (const char* place : kTravelButtons)
      QCOMPARE(g.enabled(place), std::string_view(place) != "btnHollywood");
    // The roll on the millisecond 0 is the cheap acid news.
    QCOMPARE(g.main->statusBar()->currentMessage(),
             QStringLiteral("New area labs are producing cheap acid."));
    QCOMPARE(g.text("lblTime"), QStringLiteral("Day"));
  }

  // "Continue" leaves the whole starting position on the screen.
  void aNewGameShowsTheStartingPosition() {
    GuiGame g;
    g.start();
    MainScreen* main = g.app.mainScreen();
    const auto text = [main](const char* name) {
      if (auto* box = main->findChild<IntegerBox*>(QLatin1String(name))) return box->text();
      return child<QLabel>(main, name)->text();
    };
    const char* const labels[] = {
        "lblcash",  "lblbank",     "lbltony", "lblDays",    "lblTime", "lblCar",      "lblCarValue",
        "lblTrunk", "lblTotTrunk", "lblSeat", "lblTotSeat", "lblGun",  "lblGunValue", "lblname"};
    QStringList shown;
    for (const char* label : labels) shown << text(label);
    QCOMPARE(shown, (QStringList{"2000", "0", "2000", "Day 1 of 31", "Morning", "Honda Civic",
                                 "7000", "80", "80", "4", "4", "NONE", "0", "Acid"}));
    QCOMPARE(child<QProgressBar>(main, "health")->text(), QStringLiteral("100%"));
    QCOMPARE(text("lblprice"), QString::number(g.s.market[Acid].price));
    QCOMPARE(text("description"), QString::fromUtf8(GoodAt(Acid).description.data()));
    QVERIFY(!child<QLabel>(main, "imgCar")->pixmap().isNull());
    QVERIFY(child<QLabel>(main, "imgGun")->pixmap().isNull());
    QCOMPARE(main->statusBar()->currentMessage(), QString());
  }

  // A click on either grid's header row picks nothing.
  void theHeaderRowsPickNothing() {
    MainGame g;
    g.clickRow("drug1", 1);
    g.click("btnBuy");  // one lot, so the possession grid's header is fixed
    const QString before = g.text("edtBuy") + g.text("lblname") + g.text("edtSell");
    g.clickRow("drug1", 0);
    g.clickRow("drug2", 0);
    QCOMPARE(g.text("edtBuy") + g.text("lblname") + g.text("edtSell"), before);
    QVERIFY(!g.enabled("btnSell"));
    QCOMPARE(g.boxes.texts(), QStringList());
  }

  // A new market highlights the info panel's good, Acid, whatever was picked before.
  void aTripHighlightsTheGoodThePanelShows() {
    MainGame g;
    g.clickRow("drug1", 10);
    g.click("btnHollywood");
    QCOMPARE(g.panelAndHighlight(), QStringLiteral("Acid 1"));
  }

  // A press on an empty row or the header leaves the highlight and the panel as they were; an
  // arrow steps over the empty rows, and the panel follows it.
  void emptyRowsAndHeadersTakeNoHighlight() {
    MainGame g;
    g.s.market[Cocaine].offered = g.s.market[Crack].offered = false;
    g.s.market[Ecstasy].offered = true;
    g.main->refresh();
    QTableWidget* market = g.grid("drug1");
    for (int row : {2, 0}) {
      QTest::mousePress(market->viewport(), Qt::LeftButton, {},
                        market->visualItemRect(market->item(row, 0)).center());
      QCOMPARE(g.panelAndHighlight(), QStringLiteral("Acid 1"));
    }
    QTest::keyClick(market, Qt::Key_Down);
    QCOMPARE(g.panelAndHighlight(), QStringLiteral("Ecstasy 4"));
  }

  // The cheap acid news at a price of 0 shows 0 in the market and in the trade panel.
  void cheapAcidAtNothing() {
    MainGame g;
    g.clock.set(45001713);  // the roll is the news, and the new price 0
    g.click("btnHollywood");
    QCOMPARE(g.row("drug1", 1), QStringLiteral("Acid|0"));
    QCOMPARE(g.text("lblprice"), QStringLiteral("0"));
  }

  // Back from Tijuana the border patrol comes, and Tony on the same trip.
  void theBorderPatrolThenTony() {
    MainGame g;
    PursuitPlayer pursuits(g);
    g.s.wasInTijuana = true, g.s.day = 5;
    g.clock.set(20000011);                               // the border's draw of five is 3
    pursuits.between = [&g] { g.clock.set(30000011); };  // Tony's draw of six is 3
    g.click("btnHollywood");
    QCOMPARE(pursuits.openings,
             (QStringList{"The Border Patrol is after you!", "Tony the Loan Shark is after you."}));
    QVERIFY(!g.enabled("btnHollywood"));
  }

  // The family's offer declined with No, or by closing the box: nobody boards.
  void declineTheFamily() {
    for (const QLatin1StringView answer : {QLatin1StringView("&No"), BoxAnswerer::kCloseBox}) {
      MainGame g;
      g.boxes.answers = {QString(answer)};
      g.clock.set(20000009);  // in Tijuana the draw of six is 0: the offer
      g.click("btnTijuana");
      QCOMPARE(g.boxes.seen.size(), 1);
      QVERIFY(g.boxes.seen[0].text.startsWith(QLatin1String("A family of 4")));
      QVERIFY(!g.s.familyAboard);
      QCOMPARE(g.text("lblSeat"), QStringLiteral("4"));
    }
  }

  void webMenu() {
    MainGame g;
    for (const char* item : {"VisitWebsite1", "Introduction1", "Tutorial1"})
      child<QAction>(g.main, item)->trigger();
    QCOMPARE(g.openedUrls, g.addresses({kWebsitePage, kIntroductionPage, kTutorialPage}));
    for (const QString& url : g.openedUrls) QVERIFY2(pageExists(url), qPrintable(url));
  }

  // A burst opens a link once, however long it lasts; a second after its last click, again.
  void aBurstOpensALinkOnce() {
    using namespace std::chrono_literals;
    MainGame g;
    std::chrono::steady_clock::time_point now{};
    g.app.linkClock = [&now] { return now; };
    for (int i = 0; i < 20; ++i) now += 100ms, child<QAction>(g.main, "Tutorial1")->trigger();
    now += 1s, child<QAction>(g.main, "Tutorial1")->trigger();
    QCOMPARE(g.openedUrls, g.addresses({kTutorialPage, kTutorialPage}));
  }
};

QTEST_MAIN(TestMain)
#include "tst_main.moc"
