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
#include "screens/Unit1.h"
#include "screens/Unit3.h"
#include "screens/Unit4.h"
#include "screens/Unit5.h"
#include "screens/Unit6.h"
#include "screens/Unit7.h"
#include "screens/Unit8.h"

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
    g.createScreens();
    g.game.NewGame();
    g.app.refresh();
    g.s.day = 31;
    g.game.Travel(Place::SanDiego);  // opens the end screen
    const QList<QWidget*> screens = {g.app.frmSplash(), g.app.frmMain(), g.app.frmBusted(),
                                     g.app.frmGuns(),   g.app.frmCars(), g.app.frmLoan(),
                                     g.app.frmEnd()};
    for (QWidget* screen : screens) {
      QVERIFY(screen);
      QCOMPARE(Unnamed(screen), QStringList());
    }
  }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
