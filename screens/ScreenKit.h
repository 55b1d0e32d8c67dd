// What every screen is built with: its buttons connected to the actions they send, centred
// on the screen, on a black ground.
#pragma once

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <type_traits>

#include "game/action.h"

namespace quillmere {

// Each click of the button has the screen emit acted(action). Whether the game takes it is
// the game's to say: a click that reaches a screen no longer in front does nothing there.
template <class Screen>
void SendOnClick(QAbstractButton* button, Screen* screen, const Action& action) {
  QObject::connect(button, &QAbstractButton::clicked, screen,
                   [screen, action] { emit screen->acted(action); });
}

// Moves a window so that it stands in the middle of its screen's free area.
void CentreOnScreen(QWidget& window);

// Fills a widget's background with black.
void PaintBlack(QWidget& widget);

// Gives a box's scroll bars the desktop's own colours, whatever the box and its window are
// painted in: under white text on grey or black they would draw white arrows on white.
void PlainScrollBars(QAbstractScrollArea& box);

}  // namespace quillmere
