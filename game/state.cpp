// The texts of the game's state.
#include "game/state.h"

namespace quillmere {

std::string_view TimeOfDayText(TimeOfDay t) {
  switch (t) {
    case TimeOfDay::Morning:
      return QUILLMERE_TEXT("Caption", "Morning");
    case TimeOfDay::Day:
      return QUILLMERE_TEXT("Caption", "Day");
    case TimeOfDay::Night:
      return QUILLMERE_TEXT("Caption", "Night");
  }
  return QUILLMERE_TEXT("Caption", "Morning");
}

}  // namespace quillmere
