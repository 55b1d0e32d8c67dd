// The message boxes' texts that do not depend on the rule asking.
#include "game/question.h"
#include "game/texts.h"

namespace quillmere {

std::string_view DialogCaption(DialogKind kind) {
  switch (kind) {
    case DialogKind::Information:
      return QUILLMERE_TEXT("Caption", "Information");
    case DialogKind::Error:
      return QUILLMERE_TEXT("Caption", "Error");
    case DialogKind::Confirmation:
      return QUILLMERE_TEXT("Caption", "Confirm");
    case DialogKind::Warning:
      return QUILLMERE_TEXT("Caption", "Warning");
  }
  return QUILLMERE_TEXT("Caption", "Information");
}

std::string ConversionErrorText(const std::string& text) {
  std::string filled = kConversionError;
  return filled.replace(filled.find("%1"), 2, text);
}

}  // namespace quillmere
