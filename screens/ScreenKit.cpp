// What every screen is built with.
#include "screens/ScreenKit.h"

#include <QScreen>

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

}  // namespace quillmere
