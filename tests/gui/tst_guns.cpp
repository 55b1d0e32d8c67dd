// The gun dealer's screen: its controls, and a trade-in clicked through with the real
// controls over two visits, opened the way the main screen opens it.
#include <QWindow>

#include "dealer_visit.h"

using namespace quillmere;
using namespace quillmere::testing;

class TestGuns : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ApplyGameLook(); }

  void controlsAsCreated() {
    DealerGame<TfrmGuns> g;
    TfrmGuns* guns = g.dealer;
    QCOMPARE(guns->windowTitle(), QStringLiteral("Gun Dealer"));
    QCOMPARE(guns->size(), QSize(409, 197));
    QCOMPARE(guns->minimumSize(), guns->maximumSize());
    QVERIFY(guns->isModal());
    QVERIFY(!(guns->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint)));
    CheckShelf(guns,
               {{{"chkPaintball", "Paintball Gun", "imgPaintball"},
                 {"chkSmallP", "Small Pistol", "imgSmallP"}},
                {{"chkPistol", "Pistol", "imgPistol"}, {"chkRevolver", "Revolver", "imgRevolver"}},
                {{"chkRifle", "Rifle", "imgRifle"},
                 {"chkShotgun", "Shotgun", "imgShotgun"},
                 {"chkBigShot", "Big Shotgun", "imgBigShot"},
                 {"chkMachinegun", "Machinegun", "imgMachinegun"},
                 {"chkAssault", "Assault Rifle", "imgAssault"}}});
    QStringList seen;
    for (QGroupBox* box : guns->findChildren<QGroupBox*>()) seen << box->title();
    for (const char* name : {"btnBuy", "btnSell", "btnClose"})
      seen << child<QPushButton>(guns, name)->text();
    for (const char* name :
         {"lblNewPrice", "lblNewAccuracy", "lblOldPrice", "lblOldAccuracy", "lblCash"})
      seen << text(guns, name);
    QCOMPARE(seen, (QStringList{" New Gun Specs ", " Old Gun Specs ", "Buy Gun", "Sell Gun",
                                "Leave", "1000", "1/10", "0", "0/10", "0"}));
    QVERIFY(checked(guns, "chkPaintball"));
    QVERIFY(!enabled(guns, "btnBuy") && !enabled(guns, "btnSell"));
  }

  void theRifleIsTradedForTheShotgunOnTheSecondVisit() {
    DealerGame<TfrmGuns> g;
    TfrmGuns* guns = g.dealer;
    g.s.gunKind = 5;
    g.s.gunName = "Rifle";
    g.s.gunValue = 9050;
    g.s.cash = 15000;
    g.s.bank = 5000;
    QStringList first;
    auto result = g.visit([&] {
      child(guns, "chkRevolver")->setFocus();
      QTest::keyClick(child(guns, "chkRevolver"), Qt::Key_Space);
      for (const char* label : {"lblCash", "lblOldPrice", "lblOldAccuracy", "lblNewPrice"})
        first << text(guns, label);
      first << QString::number(checked(guns, "chkRevolver"));
      guns->windowHandle()->close();  // the window system's close leaves
    });
    QCOMPARE(result, std::optional<int>(QDialog::Rejected));
    QCOMPARE(first, (QStringList{"20000", "9050", "5/10", "4900", "1"}));
    QCOMPARE(g.s.cash, 20000);
    QCOMPARE(g.s.bank, 0);
    QCOMPARE(g.s.gunKind, 5);

    bool paintballAgain = false, sellOn = false, buyOn = false;
    QString price;
    result = g.visit([&] {
      paintballAgain = checked(guns, "chkPaintball");
      sellOn = enabled(guns, "btnSell");
      click(guns, "chkShotgun");
      price = text(guns, "lblNewPrice") + " " + text(guns, "lblNewAccuracy");
      buyOn = enabled(guns, "btnBuy");
      click(guns, "btnBuy");
    });
    QCOMPARE(result, std::optional<int>(QDialog::Accepted));
    QVERIFY(paintballAgain && sellOn && buyOn);
    QCOMPARE(price, QStringLiteral("15000 6/10"));
    QCOMPARE(g.s.cash, 14050);
    QCOMPARE(g.s.gunKind, 6);
    QCOMPARE(g.s.gunName, std::string("Shotgun"));
    QCOMPARE(g.s.gunValue, 13000);
    const std::pair<const char*, const char*> shownOnMain[] = {
        {"lblGun", "Shotgun"}, {"lblGunValue", "13000"}, {"lblcash", "14050"}};
    for (const auto& [label, expected] : shownOnMain)
      if (auto shown = g.mainText(label)) QCOMPARE(*shown, QString::fromLatin1(expected));
  }
};

QTEST_MAIN(TestGuns)
#include "tst_guns.moc"
