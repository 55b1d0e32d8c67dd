// The bank, paying Tony, the loan payment dialog and the hospital.
#include "game/game.h"

namespace quillmere {

void Game::SpeedButton1Click() {}
void Game::SpeedButton3Click() {}
void Game::btnTonyallClick() {}
void Game::btntonysomeClick() {}
void Game::btnHospitalClick() {}

void LoanDialog::open(Money, Money) {}
void LoanDialog::step(int) {}
void LoanDialog::edtPayExit() {}
bool LoanDialog::Button1Click() { return true; }

}  // namespace quillmere
