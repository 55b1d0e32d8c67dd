// The gun dealer's screen: its controls, a trade-in clicked through with the real controls,
// a sale, and the ways it closes, opened the way the main screen opens it.
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QWindow>
#include <QtTest>
#include <functional>
#include <optional>

#include "gui_helpers.h"
#include "screens/Unit1.h"
#include "screens/Unit4.h"
#include "screens/Unit5.h"

using namespace quillmere;
using namespace quillmere::testing;

namespace {

template <typename T = QWidget>
T* child(QWidget* w, const char* name) {
  T* c = w->findChild<T*>(QString::fromLatin1(name));
  if (!c) qFatal("no control %s", name);
  return c;
}

QString text(QWidget* w, const char* label) { return child<QLabel>(w, label)->text(); }

void click(QWidget* w, const char* name) {
  QTest::mouseClick(child<QAbstractButton>(w, name), Qt::LeftButton);
}

// The rows of the shelf, left to right, and each gun's caption.
const std::vector<std::vector<std::pair<const char*, const char*>>> kRows = {
    {{"chkPaintball", "Paintball Gun"}, {"chkSmallP", "Small Pistol"}},
    {{"chkPistol", "Pistol"}, {"chkRevolver", "Revolver"}},
    {{"chkRifle", "Rifle"},
     {"chkShotgun", "Shotgun"},
     {"chkBigShot", "Big Shotgun"},
     {"chkMachinegun", "Machinegun"},
     {"chkAssault", "Assault Rifle"}},
};

// A game with the dealers and the main screen behind them, as "Continue" leaves it.
struct DealerGame : GuiGame {
  DealerGame() {
    app.createGuns();
    app.createCars();
    app.createMain();
    game.startgame();
    guns = app.frmGuns();
  }
  // What the main screen shows in one of its labels, when it has that label.
  std::optional<QString> mainText(const char* label) {
    if (!app.frmMain()) return std::nullopt;
    auto* l = app.frmMain()->findChild<QLabel*>(QString::fromLatin1(label));
    if (!l) return std::nullopt;
    return l->text();
  }
  // Opens the dealer as the main screen's "Gun Dealer" does, runs `script` on it and returns
  // how it closed; a screen the script leaves open is shut, failing the test, not hanging it.
  std::optional<int> visit(const std::function<void()>& script) {
    QTimer play, watchdog;
    play.setSingleShot(true);
    watchdog.setSingleShot(true);
    bool leftOpen = false;
    QObject::connect(&play, &QTimer::timeout, guns, script);
    QObject::connect(&watchdog, &QTimer::timeout, guns, [&] {
      leftOpen = guns->isVisible();
      if (leftOpen) guns->done(-1);
    });
    play.start(0);
    watchdog.start(3000);
    game.guns().FormShow();
    guns->refresh();
    const int result = guns->exec();
    if (leftOpen) return std::nullopt;
    return result;
  }
  TfrmGuns* guns = nullptr;
};

}  // namespace

class TestGuns : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ApplyGameLook(); }

  void controlsStandWhereThePlayerCanReadThem() {
    DealerGame g;
    TfrmGuns* guns = g.guns;
    QCOMPARE(guns->windowTitle(), QStringLiteral("Gun Dealer"));
    QCOMPARE(guns->size(), QSize(409, 197));
    QCOMPARE(guns->minimumSize(), guns->maximumSize());
    QVERIFY(guns->isModal());
    QVERIFY(!(guns->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint)));

    // Each row stands level, left to right, inside the screen and apart from its neighbours;
    // every picture sits just above its own gun's option button, clear of the specs.
    const QRect client = guns->rect();
    QList<QRect> specs;
    for (QGroupBox* box : guns->findChildren<QGroupBox*>()) specs << box->geometry();
    specs << child(guns, "btnClose")->geometry() << child(guns, "lblCash")->geometry();
    int lastTop = -1;
    for (const auto& row : kRows) {
      int lastRight = -1;
      const int top = child<QRadioButton>(guns, row.front().first)->y();
      QVERIFY(top > lastTop);
      lastTop = top;
      for (const auto& [name, caption] : row) {
        auto* selector = child<QRadioButton>(guns, name);
        QCOMPARE(selector->text(), QString::fromLatin1(caption));
        QCOMPARE(selector->y(), top);
        QVERIFY2(selector->x() > lastRight && client.contains(selector->geometry()), name);
        lastRight = selector->geometry().right();
        const QString img = QStringLiteral("img") + QString::fromLatin1(name).mid(3);
        auto* picture = child<QLabel>(guns, img.toLatin1().constData());
        QCOMPARE(picture->size(), QSize(74, 35));
        QCOMPARE(picture->accessibleName(), QString::fromLatin1(caption));
        QVERIFY2(client.contains(picture->geometry()), name);
        QVERIFY(picture->geometry().bottom() < top);
        QVERIFY(qAbs(picture->geometry().center().x() - selector->geometry().center().x()) < 8);
        for (const QRect& spec : specs) {
          QVERIFY2(!spec.intersects(selector->geometry()), name);
          QVERIFY2(!spec.intersects(picture->geometry()), name);
        }
      }
    }
    // Every caption fits beside its indicator: nothing is cut off.
    const int indicator = guns->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth);
    for (QRadioButton* selector : guns->findChildren<QRadioButton*>())
      QVERIFY2(selector->width() >=
                   indicator + selector->fontMetrics().horizontalAdvance(selector->text()),
               qPrintable(selector->text()));

    QStringList groups;
    for (QGroupBox* box : guns->findChildren<QGroupBox*>()) groups << box->title();
    QCOMPARE(groups, (QStringList{" New Gun Specs ", " Old Gun Specs "}));
    QCOMPARE(child<QPushButton>(guns, "btnBuy")->text(), QStringLiteral("Buy Gun"));
    QCOMPARE(child<QPushButton>(guns, "btnSell")->text(), QStringLiteral("Sell Gun"));
    QCOMPARE(child<QPushButton>(guns, "btnClose")->text(), QStringLiteral("Leave"));

    // As created: the Paintball Gun chosen, nothing held, no cash shown, nothing to press.
    QVERIFY(child<QRadioButton>(guns, "chkPaintball")->isChecked());
    QCOMPARE(text(guns, "lblNewPrice"), QStringLiteral("1000"));
    QCOMPARE(text(guns, "lblNewAccuracy"), QStringLiteral("1/10"));
    QCOMPARE(text(guns, "lblOldPrice"), QStringLiteral("0"));
    QCOMPARE(text(guns, "lblOldAccuracy"), QStringLiteral("0/10"));
    QCOMPARE(text(guns, "lblCash"), QStringLiteral("0"));
    QVERIFY(child<QLabel>(guns, "lblCash")->alignment() & Qt::AlignRight);
    QVERIFY(!child<QPushButton>(guns, "btnBuy")->isEnabled());
    QVERIFY(!child<QPushButton>(guns, "btnSell")->isEnabled());
  }

  void theRifleIsTradedForTheShotgun() {
    DealerGame g;
    TfrmGuns* guns = g.guns;
    g.s.gunKind = 5;
    g.s.gunName = "Rifle";
    g.s.gunValue = 9050;
    g.s.cash = 15000;
    g.s.bank = 5000;
    QString cash, oldPrice, oldAccuracy, bigShotPrice, newPrice, newAccuracy;
    bool sellOn = false, buyOn = false, spaceChecked = false;
    const auto result = g.visit([&] {
      cash = text(guns, "lblCash");
      oldPrice = text(guns, "lblOldPrice");
      oldAccuracy = text(guns, "lblOldAccuracy");
      sellOn = child<QPushButton>(guns, "btnSell")->isEnabled();
      auto* bigShot = child<QRadioButton>(guns, "chkBigShot");
      bigShot->setFocus();
      QTest::keyClick(bigShot, Qt::Key_Space);
      spaceChecked = bigShot->isChecked();
      bigShotPrice = text(guns, "lblNewPrice");
      click(guns, "chkShotgun");
      newPrice = text(guns, "lblNewPrice");
      newAccuracy = text(guns, "lblNewAccuracy");
      buyOn = child<QPushButton>(guns, "btnBuy")->isEnabled();
      click(guns, "btnBuy");
    });
    QCOMPARE(result, std::optional<int>(QDialog::Accepted));
    QCOMPARE(cash, QStringLiteral("20000"));
    QCOMPARE(oldPrice, QStringLiteral("9050"));
    QCOMPARE(oldAccuracy, QStringLiteral("5/10"));
    QVERIFY(sellOn);
    QVERIFY(spaceChecked);
    QCOMPARE(bigShotPrice, QStringLiteral("18000"));
    QCOMPARE(newPrice, QStringLiteral("15000"));
    QCOMPARE(newAccuracy, QStringLiteral("6/10"));
    QVERIFY(buyOn);
    QCOMPARE(g.s.cash, 14050);
    QCOMPARE(g.s.bank, 0);
    QCOMPARE(g.s.gunKind, 6);
    QCOMPARE(g.s.gunName, std::string("Shotgun"));
    QCOMPARE(g.s.gunValue, 13000);
    if (auto shown = g.mainText("lblGun")) QCOMPARE(*shown, QStringLiteral("Shotgun"));
    if (auto shown = g.mainText("lblGunValue")) QCOMPARE(*shown, QStringLiteral("13000"));
    if (auto shown = g.mainText("lblcash")) QCOMPARE(*shown, QStringLiteral("14050"));
  }

  void aSaleThenTheWindowSystemsCloseLeaves() {
    DealerGame g;
    TfrmGuns* guns = g.guns;
    g.s.gunKind = 3;
    g.s.gunName = "Pistol";
    g.s.gunValue = 2700;
    g.s.cash = 300;
    QString cash, oldPrice, oldAccuracy, mainGun;
    bool sellOn = true, buyOn = true;
    auto result = g.visit([&] {
      click(guns, "chkRevolver");
      click(guns, "btnSell");
      cash = text(guns, "lblCash");
      oldPrice = text(guns, "lblOldPrice");
      oldAccuracy = text(guns, "lblOldAccuracy");
      sellOn = child<QPushButton>(guns, "btnSell")->isEnabled();
      // The sale does not re-judge Buy: the Revolver stays out of reach until reselected.
      buyOn = child<QPushButton>(guns, "btnBuy")->isEnabled();
      if (auto shown = g.mainText("lblGun")) mainGun = *shown;
      guns->windowHandle()->close();
    });
    QCOMPARE(result, std::optional<int>(QDialog::Rejected));
    QCOMPARE(cash, QStringLiteral("3000"));
    QCOMPARE(oldPrice, QStringLiteral("0"));
    QCOMPARE(oldAccuracy, QStringLiteral("0/10"));
    QVERIFY(!sellOn);
    QVERIFY(!buyOn);
    if (g.mainText("lblGun")) QCOMPARE(mainGun, QStringLiteral("NONE"));
    QCOMPARE(g.s.gunKind, 0);
    QCOMPARE(g.s.gunName, std::string("NONE"));
    QCOMPARE(g.s.gunValue, 0);
    QCOMPARE(g.s.cash, 3000);
    if (g.app.frmMain()) {
      if (auto* img = g.app.frmMain()->findChild<QLabel*>(QStringLiteral("imgGun")))
        QVERIFY(img->pixmap().isNull());
    }

    // The next visit puts the Paintball Gun back, judged against the 3000 shown last time,
    // and Escape leaves like Leave.
    g.s.cash = 2500;
    bool paintball = false;
    result = g.visit([&] {
      paintball = child<QRadioButton>(guns, "chkPaintball")->isChecked();
      buyOn = child<QPushButton>(guns, "btnBuy")->isEnabled();
      cash = text(guns, "lblCash");
      QTest::keyClick(guns, Qt::Key_Escape);
    });
    QCOMPARE(result, std::optional<int>(QDialog::Rejected));
    QVERIFY(paintball);
    QVERIFY(buyOn);
    QCOMPARE(cash, QStringLiteral("2500"));
    QCOMPARE(g.s.cash, 2500);
    QCOMPARE(g.s.gunKind, 0);
  }
};

QTEST_MAIN(TestGuns)
#include "tst_guns.moc"
