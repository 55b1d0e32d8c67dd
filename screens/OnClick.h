// How every screen connects its buttons: a click reaches the handler only while the screen
// is showing. The window system may deliver clicks that were queued before a screen closed
// to the screen that has just hidden itself; such a click must do nothing.
#pragma once

#include <QAbstractButton>
#include <type_traits>

namespace quillmere {

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

}  // namespace quillmere
