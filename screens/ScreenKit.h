// What every screen is built with: its buttons connected so that a closed screen takes no
// click, centred on the screen, on a black ground.
#pragma once

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <type_traits>

namespace quillmere {

// Connects a button to a handler of its screen; a click reaches the handler only while the
// screen is showing. The window system may deliver clicks that were queued before a screen
// closed to the screen that has just hidden itself; such a click must do nothing.

// handler is a member function of screen taking no arguments, or any callable.
template <class Screen, class Handler>
void OnClick(QAbstractButton* button, Screen* screen, Handler handler) {
  QObject::connect(button, &QAbstractButton::clicked, screen, [screen, handler] {
    if (!screen->isVisible()) return;
    if constexpr (std::is_member_function_pointer_v<Handler>)
      (screen->*handler)();
    else
      handler();
  });
}

// Moves a window so that it stands in the middle of its screen's free area.
void CentreOnScreen(QWidget& window);

// Fills a widget's background with black.
void PaintBlack(QWidget& widget);

// Gives a box's scroll bars the desktop's own colours, whatever the box and its window are
// painted in: under white text on grey or black they would draw white arrows on white.
void PlainScrollBars(QAbstractScrollArea& box);

}  // namespace quillmere
