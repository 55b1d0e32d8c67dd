// What every screen is built with.
#include "screens/ScreenKit.h"

#include <QApplication>
#include <QScreen>
#include <QScrollBar>

namespace quillmere {

void CentreOnScreen(QWidget& window) {
  const QScreen* screen = window.screen();
  if (!screen) return;
  QRect frame = window.frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window.move(frame.topLeft());
}

void PaintBlack(QWidget& widget) {
  QPalette colours = widget.palette();
  colours.setColor(QPalette::Window, Qt::black);
  widget.setPalette(colours);
  widget.setAutoFillBackground(true);
}

void PlainScrollBars(QAbstractScrollArea& box) {
  for (QScrollBar* bar : {box.verticalScrollBar(), box.horizontalScrollBar()}) {
    QPalette plain = QApplication::palette(bar);
    // Every colour is the bar's own, so none is taken from the box.
    plain.setResolveMask(~QPalette::ResolveMask{});
    bar->setPalette(plain);
  }
}

}  // namespace quillmere
