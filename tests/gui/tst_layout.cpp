// Every screen in every language the game ships a translation for: no text is cut off by its
// control or runs into another, measured with the game's font. CTest runs it at 100 % and at
// 200 % scaling.
#include <QFile>
#include <QXmlStreamReader>
#include <QtTest>

#include "gui_helpers.h"
#include "layout_check.h"
#include "screens/CarDealerScreen.h"
#include "screens/EndScreen.h"
#include "screens/GunDealerScreen.h"
#include "screens/LoanScreen.h"
#include "screens/MainScreen.h"
#include "screens/PursuitScreen.h"
#include "screens/StartScreen.h"
#include "screens/Translation.h"

using namespace quillmere;
using namespace quillmere::testing;

namespace {

// The English texts of one context, as the translation file lists them.
QStringList SourceTexts(const char* context) {
  QFile file(QStringLiteral(QUILLMERE_TRANSLATIONS "/quillmere_de.ts"));
  if (!file.open(QIODevice::ReadOnly)) qFatal("no translation file");
  QXmlStreamReader xml(&file);
  QStringList texts;
  bool inContext = false;
  while (xml.readNextStartElement() || !xml.atEnd()) {
    if (!xml.isStartElement()) continue;
    if (xml.name() == QLatin1String("name"))
      inContext = xml.readElementText() == QLatin1String(context);
    else if (xml.name() == QLatin1String("source") && inContext)
      texts << xml.readElementText();
  }
  return texts;
}

// The controls that reach past the edge of their screen, where they are cut off: a shelf of
// option buttons whose captions are too long for its row runs out of the window.
QStringList OutsideTheScreen(QWidget* screen) {
  QStringList faults;
  for (QWidget* w : screen->findChildren<QWidget*>()) {
    if (w->isWindow() || !w->isVisibleTo(screen)) continue;
    const QRect placed(w->mapTo(screen, QPoint(0, 0)), w->size());
    if (!screen->rect().contains(placed))
      faults << QStringLiteral("%1 reaches past the screen's edge").arg(w->objectName());
  }
  return faults;
}

// Shows a screen, lets it lay itself out, and lists what does not fit.
QStringList Check(QWidget* screen) {
  screen->show();
  QCoreApplication::processEvents();
  QStringList faults = ClippedTexts(screen) + OutsideTheScreen(screen);
  screen->hide();
  return faults;
}

}  // namespace

class TestLayout : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QFETCH(QString, language);
    InstallTranslations(QLocale(language));
    QCOMPARE(TranslationLanguage(), language);
  }
  void cleanupTestCase() { InstallTranslations(QLocale(QLocale::English)); }

  void screens_data() { languages(); }
  void screens() {
    GuiGame g;
    g.start();
    QStringList faults;
    faults << Check(g.app.createSplash());
    faults << Check(g.app.gunDealerScreen()) << Check(g.app.carDealerScreen())
           << Check(g.app.loanScreen());

    // The pursuit with every button shown and the longest of its lines.
    PursuitScreen* busted = g.app.pursuitScreen();
    g.app.refresh();
    for (QWidget* button : busted->findChildren<QPushButton*>()) button->setVisible(true);
    faults << ClippedTexts(busted) << OutsideTheScreen(busted);

    g.s.day = 31;  // the first trip on the last day ends the game
    g.app.act(Travel{Place::Downtown});
    faults << Check(g.app.endScreen());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
  }

  // The main screen with every good, gun, car, time of day and status line it can show.
  void mainScreen_data() { languages(); }
  void mainScreen() {
    GuiGame g;
    g.start();
    MainScreen* main = g.app.mainScreen();
    main->show();
    QStringList faults;
    const QStringList news = SourceTexts("Status");
    QVERIFY(news.size() > 5);
    for (int i = 0; i < std::max({kGoodCount, kGunCount + 1, kCarCount + 1, int(news.size())});
         ++i) {
      const int good = i % kGoodCount;
      g.v.infoGood = good;
      g.v.infoDescribed = true;
      g.s.possession.assign(3, Lot{good, 99999, 999});
      for (MarketRow& row : g.s.market) row = {true, 99999};
      const int gun = i % (kGunCount + 1);
      g.s.gunName = gun == 0 ? "NONE" : std::string(GunOfKind(gun).name);
      const int car = i % (kCarCount + 1);
      g.s.carName = car == 0 ? "NONE" : std::string(CarOfKind(car).name);
      g.s.timeOfDay = static_cast<TimeOfDay>(i % 3);
      g.v.statusText = news.value(i % news.size()).toStdString();
      main->refresh();
      QCoreApplication::processEvents();
      faults << ClippedTexts(main) << OutsideTheScreen(main);
    }
    faults.removeDuplicates();
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
  }

 private:
  static void languages() {
    QTest::addColumn<QString>("language");
    for (const char* language : {"en", "es", "de", "fr", "pt_BR"})
      QTest::newRow(language) << QString::fromLatin1(language);
  }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
