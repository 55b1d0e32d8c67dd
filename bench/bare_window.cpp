// The yardstick for the program's start-up time and memory: a Qt application set up as the
// game sets up its own, showing one plain window of the start screen's size and nothing else.
#include <QApplication>
#include <QFont>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("quillmere"));
  QFont font(QStringList{QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                         QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                         QStringLiteral("DejaVu Sans")});
  font.setPointSize(8);
  font.setStyleHint(QFont::SansSerif);
  QApplication::setFont(font);

  QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
  window.setWindowTitle(QStringLiteral("quillmere"));
  window.setFixedSize(402, 362);
  window.show();
  return QApplication::exec();
}
