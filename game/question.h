// What the game waits for when a rule needs the player: a message box to be answered, or the
// screen that is in front (the pursuit, a dealer, the loan dialog, the end screen) to be
// played and closed. The game stops there; the answer reaches it as an action.
#pragma once

#include <coroutine>
#include <optional>
#include <string>

#include "game/texts.h"

namespace quillmere {

enum class DialogKind { Information, Error, Confirmation, Warning };
enum class DialogButtons { Ok, YesNo };

// The caption of a message box of each kind.
std::string_view DialogCaption(DialogKind kind);

// A message box the game waits on. Yes (or OK) is the answer true; closing it without Yes is
// No. The conversion error is the application's own box: caption "quillmere", the text
// ConversionErrorText(text), one OK button.
struct Question {
  std::string text;
  DialogKind kind = DialogKind::Information;
  DialogButtons buttons = DialogButtons::Ok;
  bool conversionError = false;
  bool operator==(const Question&) const = default;
};

// The screen the game's actions are for. Start until the game begins; Closed once the program
// is to end.
enum class Front { Start, Main, Pursuit, GunDealer, CarDealer, Loan, End, Closed };

// The conversion error's text: the template with the text that is not a number in place of
// "%1", which a translation may move.
inline constexpr const char* kConversionError =
    QUILLMERE_TEXT("Message", "'%1' is not a valid integer value.");
std::string ConversionErrorText(const std::string& text);

}  // namespace quillmere
