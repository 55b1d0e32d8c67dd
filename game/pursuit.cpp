// The pursuit encounter: every rule of the screen on which a chase is paid, run or fought.
#include "game/pursuit.h"

#include "game/context.h"
#include "game/texts.h"

namespace quillmere {

namespace {

bool ChasedByTony(const GameContext& game) { return game.state().pursuerKind == Pursuer::Tony; }

}  // namespace

void Pursuit::Begin() {
  const GameState& s = m_game.state();
  ++m_encounters;
  m_runEnabled = m_fightEnabled = true;
  // Every encounter opens with a real choice: a Close or Close Game left over from the
  // last one would let the player walk away or quit before anything happened.
  m_closeVisible = m_quitVisible = false;
  m_log.clear();
  if (ChasedByTony(m_game)) {
    m_picture = PursuitPicture::Tony;
    m_payVisible = true;
    m_payEnabled = std::int64_t{s.cash} + s.bank >= s.debt;
    m_log.emplace_back(QUILLMERE_TEXT("Pursuit", "Tony the Loan Shark is after you."));
  } else {
    m_picture = PursuitPicture::Cop;
    m_payVisible = false;
    m_log.emplace_back(s.pursuerKind == Pursuer::BorderPatrol
                           ? QUILLMERE_TEXT("Pursuit", "The Border Patrol is after you!")
                           : QUILLMERE_TEXT("Pursuit", "The Cops are after you."));
  }
}

void Pursuit::Pay() {
  if (!m_payVisible || !m_payEnabled) return;
  GameState& s = m_game.state();
  // One sum, so that cash and bank together past the limit still leave the right change;
  // what the cash cannot hold stays in the bank.
  const std::int64_t left = std::int64_t{s.cash} + s.bank - s.debt;
  s.cash = Saturate(left);
  s.bank = Saturate(left - s.cash);
  s.debt = 0;
  m_log.emplace_back(
      QUILLMERE_TEXT("Pursuit", "Tony thanks you for your prompt payment. Have a nice day."));
  Survive();
}

void Pursuit::Run() {
  if (!m_runEnabled) return;
  GameState& s = m_game.state();
  Random& random = m_game.random();
  random.ReseedFromClock();
  m_log.emplace_back(QUILLMERE_TEXT("Pursuit", "You attempt to run."));
  const bool tony = ChasedByTony(m_game);
  if (random.RandomBelow(2) == 1) {
    m_log.emplace_back(
        tony ? QUILLMERE_TEXT("Pursuit", "You successfully escape from Tony. But he'll be back!.")
             : QUILLMERE_TEXT("Pursuit", "This is your lucky day junior. You got away."));
    Survive();
    return;
  }
  m_log.emplace_back(tony ? QUILLMERE_TEXT("Pursuit",
                                           "As you run like a little bitch, a loud bang followed "
                                           "by a pain in your shoulder lets you know that Tony "
                                           "means business.")
                          : QUILLMERE_TEXT("Pursuit", "You got shot in the ass."));
  // A second wound is one too many.
  if (s.health == 50) {
    if (tony)
      m_log.emplace_back(
          QUILLMERE_TEXT("Pursuit", "Your blood slowly leaves you and you are left to die."));
    m_log.emplace_back(QUILLMERE_TEXT("Pursuit", "GAME OVER."));
    Die();
    return;
  }
  s.health = 50;
  Survive();
}

void Pursuit::Fight() {
  if (!m_fightEnabled) return;
  const GameState& s = m_game.state();
  Random& random = m_game.random();
  random.ReseedFromClock();
  m_log.emplace_back(QUILLMERE_TEXT("Pursuit", "You chose to fight."));
  if (s.gunKind == 0) {
    m_log.insert(m_log.end(), {QUILLMERE_TEXT("Pursuit", "You have no gun."),
                               QUILLMERE_TEXT("Pursuit", "You got shot in the head."),
                               QUILLMERE_TEXT("Pursuit", "GAME OVER.")});
    Die();
    return;
  }
  // The gun's number is its strength: it wins on draws below it, out of nine.
  const bool won = random.RandomBelow(9) < static_cast<std::uint32_t>(s.gunKind);
  if (ChasedByTony(m_game))
    won ? TonyWin() : TonyLose();
  else
    won ? CopWin() : CopLose();
}

Task<> Pursuit::CloseWindow() {
  co_await m_game.Tell(QUILLMERE_TEXT("Message", "Cheaters never prosper."));
  GameState& s = m_game.state();
  s.cash = 0;
  s.health = 50;
}

void Pursuit::CopWin() {
  m_log.insert(m_log.end(), {QUILLMERE_TEXT("Pursuit", "Wow! Nice shot!"),
                             QUILLMERE_TEXT("Pursuit", "Looks like is bacon for breakfast.")});
  Survive();
}

void Pursuit::CopLose() {
  m_log.insert(m_log.end(), {QUILLMERE_TEXT("Pursuit", "The cops outnumbered you."),
                             QUILLMERE_TEXT("Pursuit", "You got shot in the head."),
                             QUILLMERE_TEXT("Pursuit", "GAME OVER.")});
  Die();
}

void Pursuit::TonyWin() {
  m_log.emplace_back(
      QUILLMERE_TEXT("Pursuit",
                     "Your hand is quicker than Tony's, as you pull out your gun and stop him dead "
                     "in his tracks."));
  m_game.state().debt = 0;
  Survive();
}

void Pursuit::TonyLose() {
  m_log.insert(m_log.end(), {QUILLMERE_TEXT("Pursuit",
                                            "As you move for your gun, all you see is the "
                                            "glistening sunlight off Tony's chrome .45 followed "
                                            "by a loud bang."),
                             QUILLMERE_TEXT("Pursuit", "GAME OVER.")});
  Die();
}

void Pursuit::Survive() {
  m_payEnabled = m_runEnabled = m_fightEnabled = false;
  m_closeVisible = true;
}

void Pursuit::Die() {
  m_payEnabled = m_runEnabled = m_fightEnabled = false;
  m_quitVisible = true;
}

}  // namespace quillmere
