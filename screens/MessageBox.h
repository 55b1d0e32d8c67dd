// The game's message boxes, opened window-modally over their parent without an event loop of
// their own: the caption of their kind, plain text, OK or Yes/No. Closing a box is No (or
// OK, for a box that has only OK).
#pragma once

#include <QString>
#include <functional>

#include "game/question.h"

class QMessageBox;
class QWidget;

namespace quillmere {

// Opens a box; answered hears true for Yes or OK once it is closed, and the box deletes
// itself after that.
QMessageBox* OpenMessageBox(QWidget* parent, const QString& caption, const QString& text,
                            DialogKind kind, DialogButtons buttons,
                            std::function<void(bool yes)> answered);

// Opens the box of a question of the game, in the player's language. The conversion error is
// the application's own box: caption "quillmere", the text that is no number as typed.
QMessageBox* OpenQuestion(QWidget* parent, const Question& question,
                          std::function<void(bool yes)> answered);

}  // namespace quillmere
