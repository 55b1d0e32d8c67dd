// The yardstick for the program's start-up time and memory: a Qt application set up as the
// game sets up its own, showing one plain window of the start screen's size and nothing else.
#include <QApplication>
#include <QWidget>

#include "screens/GameFont.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("quillmere"));
  QApplication::setFont(quillmere::GameFont());

  QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
  window.setWindowTitle(QStringLiteral("quillmere"));
  window.setFixedSize(402, 362);
  window.show();
  return QApplication::exec();
}
