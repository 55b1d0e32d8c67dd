// Every control a screen reader meets has a name it can announce: the pictures, grids,
// number boxes, gauges, text fields and logs of every screen.
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QtTest>

#include "gui_helpers.h"
#include "screens/CarDealerScreen.h"
#include "screens/EndScreen.h"
#include "screens/GunDealerScreen.h"
#include "screens/LoanScreen.h"
#include "screens/MainScreen.h"
#include "screens/PursuitScreen.h"
#include "screens/StartScreen.h"

using namespace quillmere;
using namespace quillmere::testing;

namespace {

// The controls of a screen that Qt cannot name from a caption of their own.
QStringList Unnamed(QWidget* screen) {
  QStringList unnamed;
  for (QWidget* w : screen->findChildren<QWidget*>()) {
    if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))) continue;
    const auto* label = qobject_cast<QLabel*>(w);
    const bool needsName = (label && !label->pixmap().isNull()) ||
                           qobject_cast<QAbstractItemView*>(w) ||
                           qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QProgressBar*>(w) ||
                           qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w);
    if (needsName && w->accessibleName().isEmpty()) unnamed << w->objectName();
  }
  return unnamed;
}

}  // namespace

class TestAccessibility : public QObject {
  Q_OBJECT

 private slots:
  void everyScreenNamesItsControls() {
    GuiGame g;
    g.app.createSplash();
    g.start();
    g.s.day = 31;
    // Opens the end screen; the main screen goes once the event loop runs again.
    g.app.act(Travel{Place::SanDiego});
    const QList<QWidget*> screens = {
        g.app.startScreen(),     g.app.mainScreen(), g.app.pursuitScreen(), g.app.gunDealerScreen(),
        g.app.carDealerScreen(), g.app.loanScreen(), g.app.endScreen()};
    for (QWidget* screen : screens) {
      QVERIFY(screen);
      QCOMPARE(Unnamed(screen), QStringList());
    }
  }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
