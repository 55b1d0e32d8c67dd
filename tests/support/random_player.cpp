// The random player and the invariants it checks.
#include "random_player.h"

#include <array>
#include <sstream>

namespace quillmere::testing {

namespace {

[[noreturn]] void Broken(const std::string& what) { throw InvariantBroken(what); }

// Checks a bid code against the score it was made from.
void CheckBidCode(const std::string& score, const std::string& code) {
  if (code.size() != static_cast<std::size_t>(kBidCodeLength))
    Broken("a bid code of " + ToText(static_cast<std::int64_t>(code.size())) + " characters");
  std::string padded = score;
  while (padded.size() < 10) padded.insert(padded.begin(), '0');
  for (int k = 0; k < 10; ++k) {
    const char hidden = code[static_cast<std::size_t>(kScorePositions[k] - 1)];
    if (Mirror(hidden) != padded[static_cast<std::size_t>(k)])
      Broken("score position " + ToText(k + 1) + " does not decode to the score " + score);
  }
  // The check block mirrors the first six random blocks in their order.
  const std::pair<int, int> blocks[] = {{1, 2}, {4, 33}, {35, 44}, {46, 65}, {77, 92}, {94, 99}};
  std::size_t at = 138;
  for (const auto& [from, to] : blocks)
    for (int i = from; i <= to; ++i, ++at)
      if (code[at] != Mirror(code[static_cast<std::size_t>(i - 1)]))
        Broken("the check block does not mirror position " + ToText(i));
  if (at != 222) Broken("the check block is not 84 characters");
}

class RandomPlayer {
 public:
  RandomPlayer(std::uint64_t seed, const TextShown& shown)
      : m_moves(seed), m_recording(m_clock), m_game(m_recording), m_shown(shown) {
    m_played.record.program = "random player";
  }

  PlayedGame play(int maxActions) {
    while (m_played.actions < maxActions) {
      const Front front = m_game.front();
      if (front == Front::End) {
        m_played.reachedEndScreen = true;
        const GameResult& end = m_game.result();
        if (!end.shown) Broken("the end screen was not filled");
        CheckEndScreen(m_game.state(), end.score, end.bidCode);
        m_played.result = end;
        break;
      }
      if (front == Front::Closed) {
        m_played.terminated = true;
        break;
      }
      ++m_played.actions;
      m_clock.set(m_moves.millisecond());
      if (const auto& question = m_game.question()) checkQuestion(*question);
      const Action action = m_moves.next(m_game);
      const GameState before = m_game.state();
      const bool taken = m_game.Accepts(action);
      if (std::optional<Step> step = ActAndRecord(m_game, m_recording, action))
        m_played.record.steps.push_back(std::move(*step));
      if (!taken && !(m_game.state().cash == before.cash && m_game.state().day == before.day))
        Broken("an action the game did not take changed it");
      after(front, action, before);
      // Before the game begins there is no market yet.
      if (m_game.front() != Front::Start) check(Describe(action));
    }
    return m_played;
  }

 private:
  void show(const char* context, const std::string& text) {
    if (m_shown && !text.empty()) m_shown(context, text);
  }

  // The box that is up says something, and a conversion error names a text that is no number.
  void checkQuestion(const Question& question) {
    if (question.conversionError) {
      if (ParseInt32(question.text)) Broken("conversion error for a number: " + question.text);
      return;
    }
    if (question.text.empty()) Broken("an empty message box");
    show("Caption", std::string(DialogCaption(question.kind)));
    show("Message", question.text);
  }

  // What must hold after the move, beyond the invariants.
  void after(Front front, const Action& action, const GameState& before) {
    const GameState& s = m_game.state();
    if (m_game.front() == Front::Pursuit && front != Front::Pursuit) {
      ++m_played.pursuits;
      const Pursuit& p = m_game.pursuit();
      if (p.closeVisible() || p.quitVisible()) Broken("a pursuit opened with a way out");
    }
    for (const std::string& line : m_game.pursuit().log()) show("Pursuit", line);
    show("Status", m_game.view().statusText);
    show("Cars", s.carName);
    show("Guns", s.gunName);
    show("Caption", std::string(TimeOfDayText(s.timeOfDay)));
    if (front == Front::GunDealer && std::holds_alternative<BuyFromDealer>(action) &&
        m_game.front() == Front::Main) {
      const Money paid = SubMoney(AddMoney(before.cash, before.gunValue), s.cash);
      if (paid != GunOfKind(s.gunKind).price) Broken("a gun cost the wrong sum");
    }
    if (const auto* trip = std::get_if<Travel>(&action); trip && front == Front::Main) {
      if (s.day < before.day) Broken("the day went back");
      if (s.day != before.day || s.timeOfDay != before.timeOfDay) ++m_played.trips;
      if (m_game.front() == Front::Main && !m_game.question() && s.day != before.day &&
          s.currentPlace != trip->place)
        Broken("after a trip the destination's button is not the disabled one");
    }
  }

  void check(const std::string& what) {
    try {
      CheckInvariants(m_game);
    } catch (const InvariantBroken& broken) {
      std::ostringstream out;
      out << broken.what() << " (after " << what << ", action " << m_played.actions << ")";
      Broken(out.str());
    }
  }

  RandomMoves m_moves;
  FixedClock m_clock;
  RecordingClock m_recording;
  Game m_game;
  TextShown m_shown;
  PlayedGame m_played;
};

}  // namespace

Action RandomMoves::next(const Game& game) {
  // Now and then a move that is not for the screen in front: the game must ignore it.
  return m_dice.chance(3) ? anyMove(game) : forFront(game);
}

// What a player could do now, on the screen in front or in the box that is up.
Action RandomMoves::forFront(const Game& game) {
  if (const auto& question = game.question())
    return Answer{question->buttons == DialogButtons::Ok || m_dice.chance(50)};
  switch (game.front()) {
    case Front::Start:
      return StartGame{};
    case Front::Pursuit:
      return pursuitMove(game.pursuit());
    case Front::GunDealer:
    case Front::CarDealer:
      return dealerMove();
    case Front::Loan:
      return loanMove();
    default:
      return mainMove(game.state());
  }
}

std::string RandomMoves::amount() {
  return RandomAmount([this](int n) { return m_dice.below(n); });
}

Action RandomMoves::mainMove(const GameState& s) {
  const int rows = static_cast<int>(s.possession.size());
  switch (m_dice.below(17)) {
    case 0:
      return PickGood{m_dice.below(16) - 1};
    case 1:
      if (m_dice.chance(40)) return SetBuyAmount{amount()};
      return Buy{};
    case 2:
      return PickLot{m_dice.below(rows + 3) - 1};
    case 3:
      if (m_dice.chance(40)) return SetSellAmount{amount()};
      return Sell{};
    case 4:
      return m_dice.chance(50) ? Action{Withdraw{}} : Action{Deposit{}};
    case 5:
      return PayTonyAll{};
    case 6:
      return PayTonySome{};
    case 7:
      return SeeDoctor{};
    case 8:
      return VisitGunDealer{};
    case 9:
      return VisitCarDealer{};
    case 10:
      return m_dice.chance(50) ? Action{StepBuyAmount{m_dice.below(3) - 1}}
                               : Action{StepSellAmount{m_dice.below(3) - 1}};
    default:
      return Travel{static_cast<Place>(m_dice.below(kPlaceCount))};
  }
}

Action RandomMoves::pursuitMove(const Pursuit& p) {
  switch (m_dice.below(10)) {
    case 0:
    case 1:
      return PayOff{};
    case 2:
    case 3:
    case 4:
      return Run{};
    case 5:
    case 6:
    case 7:
      return Fight{};
    case 8:
      // A dead player mostly quits; the rest close the window and pay for cheating.
      if (p.quitVisible()) return m_dice.chance(50) ? Action{Quit{}} : Action{ClosePursuitWindow{}};
      return ClosePursuit{};
    default:
      if (p.quitVisible()) return ClosePursuitWindow{};
      return m_dice.chance(20) ? Action{ClosePursuitWindow{}} : Action{ClosePursuit{}};
  }
}

Action RandomMoves::dealerMove() {
  switch (m_dice.below(4)) {
    case 0:
      return Choose{m_dice.below(12) - 1};
    case 1:
      return SellToDealer{};
    case 2:
      return BuyFromDealer{};
    default:
      return LeaveDealer{};
  }
}

Action RandomMoves::loanMove() {
  switch (m_dice.below(5)) {
    case 0:
      return SetPayment{amount()};
    case 1:
      return StepPayment{m_dice.chance(50) ? 1 : -1};
    case 2:
      return LeavePaymentField{};
    case 3:
      return ConfirmPayment{};
    default:
      return CancelPayment{};
  }
}

// A move from anywhere, whatever is in front.
Action RandomMoves::anyMove(const Game& game) {
  switch (m_dice.below(4)) {
    case 0:
      return mainMove(game.state());
    case 1:
      return pursuitMove(game.pursuit());
    case 2:
      return dealerMove();
    default:
      return Answer{m_dice.chance(50)};
  }
}

void CheckInvariants(const Game& game) {
  const GameState& s = game.state();
  std::int64_t trunkUsed = 0;
  std::int64_t seatsUsed = s.familyAboard ? 4 : 0;
  for (const Lot& lot : s.possession) {
    if (lot.empty()) continue;
    if (lot.good >= kGoodCount) Broken("a lot of an unknown good");
    if (lot.count < 1) Broken("a lot with a count below 1: " + ToText(lot.count));
    if (lot.price < 0) Broken("a lot with a negative price");
    (GoodAt(lot.good).inSeats ? seatsUsed : trunkUsed) += lot.count;
  }
  if (s.trunkTotal - std::int64_t{s.trunkFree} != trunkUsed)
    Broken("trunk space in use " + ToText(s.trunkTotal - std::int64_t{s.trunkFree}) +
           " but the lots hold " + ToText(trunkUsed));
  if (s.seatsTotal - std::int64_t{s.seatsFree} != seatsUsed)
    Broken("seats in use " + ToText(s.seatsTotal - std::int64_t{s.seatsFree}) +
           " but the lots and passengers take " + ToText(seatsUsed));
  if (s.trunkFree < 0 || s.seatsFree < 0) Broken("negative free space");
  // Nothing in the game makes money negative; a negative value would be a wrapped one.
  if (s.cash < 0 || s.bank < 0 || s.debt < 0 || s.carValue < 0 || s.gunValue < 0)
    Broken("money below 0: cash " + ToText(s.cash) + ", bank " + ToText(s.bank) + ", debt " +
           ToText(s.debt));
  if (s.day < 1 || s.day > 31) Broken("day out of range: " + ToText(s.day));
  if (s.health != 50 && s.health != 100) Broken("health " + ToText(s.health));
  if (s.carKind < 0 || s.carKind > kCarCount || s.gunKind < 0 || s.gunKind > kGunCount)
    Broken("unknown car or gun");
  if ((s.carKind == 0) != (s.carName == "NONE")) Broken("car name and kind disagree");
  if ((s.gunKind == 0) != (s.gunName == "NONE")) Broken("gun name and kind disagree");
  if (s.gunKind != 0 && s.gunName != GunOfKind(s.gunKind).name)
    Broken("gun name is not its kind's");
  for (const MarketRow& row : s.market)
    if (row.offered && row.price < 0) Broken("a negative market price");
  if (!s.market[Acid].offered) Broken("Acid is not on the market");
}

void CheckEndScreen(const GameState& s, const std::string& score, const std::string& code) {
  if (score != ToText(AssetSum(s))) Broken("the end screen's score is not the assets");
  CheckBidCode(score, code);
}

void CheckReplay(const PlayedGame& played) {
  const auto read = ParseRecord(RecordText(played.record));
  if (const auto* error = std::get_if<RecordError>(&read))
    Broken("the record does not read back, line " + ToText(std::int64_t(error->line)) + ": " +
           error->why);
  if (std::get<Record>(read).steps != played.record.steps)
    Broken("the record reads back as another game");
  const auto replayed = Replay(std::get<Record>(read));
  if (const auto* broken = std::get_if<ReplayBroken>(&replayed))
    Broken("the replay stops at step " + ToText(std::int64_t(broken->step)) + ": " + broken->why);
  const GameResult& end = std::get<GameResult>(replayed);
  if (end.score != played.result.score || end.bidCode != played.result.bidCode)
    Broken("the replay ends with another bid code");
}

PlayedGame PlayRandomGame(std::uint64_t seed, int maxActions, const TextShown& shown) {
  try {
    return RandomPlayer(seed, shown).play(maxActions);
  } catch (const InvariantBroken& broken) {
    throw InvariantBroken("game " + std::to_string(seed) + ": " + broken.what());
  }
}

}  // namespace quillmere::testing
