// Texts shared by every implementation of Player.
#include "game/player.h"

namespace quillmere {

std::string_view DialogCaption(DialogKind kind) {
  switch (kind) {
    case DialogKind::Information:
      return "Information";
    case DialogKind::Error:
      return "Error";
    case DialogKind::Confirmation:
      return "Confirm";
    case DialogKind::Warning:
      return "Warning";
  }
  return "Information";
}

std::string ConversionErrorText(const std::string& text) {
  return "'" + text + "' is not a valid integer value.";
}

}  // namespace quillmere
