// The asset sum and the bid code.
#include "game/endscreen.h"

#include "game/state.h"

namespace quillmere {

Money AssetSum(const GameState&) { return 0; }
std::string EncryptString(const std::string&, Random&) { return {}; }
char Mirror(char c) { return static_cast<char>(105 - c); }

}  // namespace quillmere
