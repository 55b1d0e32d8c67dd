// The program's entry: the application, its title, the start screen and the message loop.
#include <QApplication>

#include "game/random.h"
#include "screens/App.h"
#include "screens/StartScreen.h"
#include "screens/Translation.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("quillmere"));
  quillmere::InstallTranslations();
  quillmere::ApplyGameLook();

  quillmere::SystemClock clock;
  quillmere::App app(clock);
  app.createSplash()->show();
  return QApplication::exec();
}
