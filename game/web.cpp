// Addresses of the game's website.
#include "game/web.h"

namespace quillmere {

std::string WebAddress(std::string_view path) {
  return std::string(QUILLMERE_WEBSITE) + std::string(path);
}

}  // namespace quillmere
