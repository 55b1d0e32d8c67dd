// The game in every language it ships: every text the engine shows has a translation, and what
// must not change with the language does not: numbers, the bid code and the clipboard.
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>
#include <set>

#include "gui_helpers.h"
#include "random_player.h"
#include "screens/EndScreen.h"
#include "screens/MainScreen.h"
#include "screens/Translation.h"

using namespace quillmere;
using namespace quillmere::testing;

class TestLanguages : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() {
    QLocale::setDefault(QLocale::system());
    InstallTranslations(QLocale(QLocale::English));
  }

  // Random games bring up the engine's messages, news, pursuits and names; each one the
  // player reads must be in the translation, in the context the screen looks it up in.
  void everyTextTheEngineShowsIsTranslated_data() { languages(); }
  void everyTextTheEngineShowsIsTranslated() {
    QFETCH(QString, language);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/quillmere_") + language));
    std::set<std::pair<std::string, std::string>> shown;
    for (std::uint64_t seed = 1; seed <= 3000; ++seed)
      PlayRandomGame(seed, 5000, [&shown](const char* context, const std::string& text) {
        shown.emplace(context, text);
      });
    QStringList missing;
    for (const auto& [context, text] : shown)
      if (translator.translate(context.c_str(), text.c_str()).isEmpty())
        missing << QStringLiteral("%1: %2").arg(QString::fromStdString(context),
                                                QString::fromStdString(text));
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
    // Enough of the game came up for this to mean something.
    qInfo("%zu texts seen", shown.size());
    QVERIFY(shown.size() > 50);
  }

  // The same game under each language, with the locale's own number format as well: the
  // figures, the score and the code are the engine's, character for character.
  void numbersAndTheBidCodeDoNotChange() {
    QStringList english;
    for (const char* language : {"en", "es", "de", "fr", "pt_BR"}) {
      QLocale::setDefault(QLocale(QString::fromLatin1(language)));
      InstallTranslations(QLocale(QString::fromLatin1(language)));
      GuiGame g;
      g.start();
      std::tie(g.s.cash, g.s.bank, g.s.debt, g.s.carValue) =
          std::tuple(-1234567, 1234567, 2000000, 7000);
      g.app.refresh();
      QStringList seen;
      for (const char* name : {"lblcash", "lblbank", "lbltony", "lblCarValue"})
        seen << child<QLabel>(g.app.mainScreen(), name)->text();
      QCOMPARE(seen.mid(0, 3), (QStringList{"-1234567", "1234567", "2000000"}));

      g.clock.set(12345);
      g.s.day = 31;  // the first trip on the last day ends the game
      g.app.act(Travel{Place::Downtown});
      EndScreen* end = g.app.endScreen();
      QVERIFY(end && QTest::qWaitForWindowExposed(end));
      QTest::mouseClick(child<QPushButton>(end, "Button1"), Qt::LeftButton);
      seen << child<QLineEdit>(end, "edtScore")->text() << QGuiApplication::clipboard()->text();
      QCOMPARE(seen.last().size(), 224);
      QCOMPARE(seen.last(), child<QLineEdit>(end, "edtEncrypted")->text());
      if (english.isEmpty()) english = seen;
      QCOMPARE(seen, english);
    }
  }

 private:
  static void languages() {
    QTest::addColumn<QString>("language");
    for (const char* language : {"es", "de", "fr", "pt_BR"})
      QTest::newRow(language) << QString::fromLatin1(language);
  }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
