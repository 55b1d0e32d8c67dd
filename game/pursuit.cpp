// The pursuit encounter.
#include "game/pursuit.h"

#include "game/game.h"

namespace quillmere {

void Pursuit::FormShow() {}
void Pursuit::btn1Click() {}
void Pursuit::btn2Click() {}
void Pursuit::btn3Click() {}
bool Pursuit::btnCloseClick() { return true; }
void Pursuit::btnQuitClick() {}
void Pursuit::FormCloseQuery() {}
void Pursuit::CopWin() {}
void Pursuit::CopLose() {}
void Pursuit::TonyWin() {}
void Pursuit::TonyLose() {}

}  // namespace quillmere
