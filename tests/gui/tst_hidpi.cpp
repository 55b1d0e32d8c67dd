// At 200 % scaling the screens keep their logical layout and show the double-size pictures.
#include <QLabel>
#include <QtTest>

#include "gui_helpers.h"
#include "screens/MainScreen.h"
#include "screens/Pictures.h"

using namespace quillmere;
using namespace quillmere::testing;

class TestHighDensity : public QObject {
  Q_OBJECT

 private slots:
  void picturesComeAtTwiceThePixels() {
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    const QPixmap civic = Picture("civic.png");
    QCOMPARE(civic.devicePixelRatio(), 2.0);
    QCOMPARE(civic.size(), QSize(148, 70));
    QCOMPARE(civic.deviceIndependentSize(), QSizeF(74, 35));
    QVERIFY(Picture("no-such-picture.png").isNull());
  }

  void theMainScreenKeepsItsLayout() {
    GuiGame g;
    g.start();
    g.app.mainScreen()->refresh();
    g.app.mainScreen()->show();
    QCOMPARE(g.app.mainScreen()->centralWidget()->width(), 592);
    QCOMPARE(g.app.mainScreen()->findChild<QWidget*>(QStringLiteral("btnBuy"))->geometry(),
             QRect(156, 7, 49, 25));
    const auto* car = g.app.mainScreen()->findChild<QLabel*>(QStringLiteral("imgCar"));
    QVERIFY(car);
    QCOMPARE(car->pixmap().devicePixelRatio(), 2.0);
  }
};

int main(int argc, char* argv[]) {
  qputenv("QT_SCALE_FACTOR", "2");
  QApplication app(argc, argv);
  TestHighDensity test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_hidpi.moc"
