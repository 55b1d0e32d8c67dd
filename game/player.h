// What the engine needs from whoever sits in front of the game: message boxes, Yes/No
// questions, the modal pursuit, the end screen and the end of the program. The desktop
// implements it with real windows; tests script it.
#pragma once

#include <string>

#include "game/texts.h"

namespace quillmere {

enum class DialogKind { Information, Error, Confirmation, Warning };
enum class DialogButtons { Ok, YesNo };

// The caption of a message box of each kind.
std::string_view DialogCaption(DialogKind kind);

class Player {
 public:
  virtual ~Player() = default;

  // A modal message box. Returns true for Yes (or OK); closing it without Yes is No.
  virtual bool MessageDialog(const std::string& text, DialogKind kind, DialogButtons buttons) = 0;

  // The application's error box for text that is not a whole number: caption "quillmere",
  // the text ConversionErrorText(text), one OK button.
  virtual void ConversionError(const std::string& text) = 0;

  // Shows the pursuit screen modally; returns once it has closed. The engine's Pursuit
  // holds the encounter, already reset for the current pursuer.
  virtual void ShowPursuit() = 0;

  // The game is over: show the end screen (its contents are in the engine) and close the
  // main screen.
  virtual void ShowEndScreen() = 0;

  // End the program.
  virtual void Terminate() = 0;
};

// The conversion error's text: the template with the text that is not a number in place of
// "%1", which a translation may move.
inline constexpr const char* kConversionError =
    QUILLMERE_TEXT("Message", "'%1' is not a valid integer value.");
std::string ConversionErrorText(const std::string& text);

}  // namespace quillmere
