// The random player and the invariants it checks.
#include "random_player.h"

#include <array>
#include <sstream>

namespace quillmere::testing {

namespace {

// A small, fully specified generator, so a seed plays the same game everywhere.
class Dice {
 public:
  explicit Dice(std::uint64_t seed) : m_state(seed * 0x9E3779B97F4A7C15ULL + 1) {}
  std::uint64_t next() {
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  int below(int n) { return n <= 0 ? 0 : static_cast<int>(next() % std::uint64_t(n)); }
  bool chance(int percent) { return below(100) < percent; }

 private:
  std::uint64_t m_state;
};

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

class RandomPlayer final : public Player {
 public:
  RandomPlayer(std::uint64_t seed, const TextShown& shown)
      : m_dice(seed), m_game(m_clock, *this), m_shown(shown) {}

  PlayedGame play(int maxActions) {
    tick();
    m_game.NewGame();
    check("new game");
    while (!m_game.finished() && m_played.actions < maxActions) {
      ++m_played.actions;
      tick();
      act();
      showScreen();
    }
    return m_played;
  }

  bool MessageDialog(const std::string& text, DialogKind kind, DialogButtons buttons) override {
    if (text.empty()) Broken("an empty message box");
    show("Caption", std::string(DialogCaption(kind)));
    show("Message", text);
    return buttons == DialogButtons::YesNo ? m_dice.chance(50) : true;
  }
  void ConversionError(const std::string& text) override {
    if (ParseInt32(text)) Broken("conversion error for a number: " + text);
  }
  void ShowPursuit() override {
    ++m_played.pursuits;
    Pursuit& p = m_game.busted();
    if (p.closeVisible() || p.quitVisible()) Broken("a pursuit opened with a way out");
    for (int i = 0; i < 8; ++i) {
      tick();
      const int pick = m_dice.below(10);
      if (pick < 2 && p.payVisible() && p.payEnabled()) {
        p.btn1Click();
      } else if (pick < 5 && p.runEnabled()) {
        p.btn2Click();
      } else if (pick < 8 && p.fightEnabled()) {
        p.btn3Click();
      } else if (pick == 8 && p.quitVisible()) {
        p.btnQuitClick();
        return;
      } else if ((p.closeVisible() && p.btnCloseClick()) || (pick == 9 && m_dice.chance(20))) {
        p.FormCloseQuery();  // after Close, or the window system's close
        return;
      }
    }
    p.FormCloseQuery();
  }
  void ShowEndScreen() override {
    m_played.reachedEndScreen = true;
    const GameResult& end = m_game.result();
    if (!end.shown) Broken("the end screen was not filled");
    CheckEndScreen(m_game.state(), end.score, end.bidCode);
  }
  void Terminate() override { m_played.terminated = true; }

 private:
  auto below() {
    return [this](int n) { return m_dice.below(n); };
  }

  void show(const char* context, const std::string& text) {
    if (m_shown && !text.empty()) m_shown(context, text);
  }
  // The engine's texts on the main screen, and the last pursuit's log.
  void showScreen() {
    const GameState& s = m_game.state();
    for (const std::string& line : m_game.busted().log()) show("Pursuit", line);
    show("Status", s.statusText);
    show("Cars", s.carName);
    show("Guns", s.gunName);
    show("Caption", std::string(TimeOfDayText(s.timeOfDay)));
  }
  void tick() { m_clock.set(static_cast<std::uint32_t>(m_dice.below(86400000))); }

  void act() {
    GameState& s = m_game.state();
    const int rows = static_cast<int>(s.possession.size());
    std::string what;
    switch (m_dice.below(16)) {
      case 0:
        what = "market row";
        m_game.drug1MouseUp(m_dice.below(16) - 1);
        break;
      case 1:
        what = "buy";
        if (m_dice.chance(40)) s.buyText = RandomAmount(below());
        m_game.btnBuyClick();
        break;
      case 2:
        what = "possession row";
        m_game.drug2MouseUp(m_dice.below(rows + 3) - 1);
        break;
      case 3:
        what = "sell";
        if (!s.sellEnabled) return;
        if (m_dice.chance(40)) s.sellText = RandomAmount(below());
        m_game.btnSellClick();
        break;
      case 4:
        what = m_dice.chance(50) ? "withdraw" : "deposit";
        if (what == "withdraw") {
          m_game.SpeedButton1Click();
        } else {
          m_game.SpeedButton3Click();
        }
        break;
      case 5:
        what = "pay all";
        if (!s.tonyButtonsEnabled) return;
        m_game.btnTonyallClick();
        break;
      case 6:
        what = "pay some";
        if (!s.tonyButtonsEnabled) return;
        paySome();
        break;
      case 7:
        what = "hospital";
        m_game.btnHospitalClick();
        break;
      case 8:
        what = "gun dealer";
        visitGuns();
        break;
      case 9:
        what = "car dealer";
        visitCars();
        break;
      default: {
        const Place place = static_cast<Place>(m_dice.below(kPlaceCount));
        if (s.currentPlace == place) return;
        what = "travel to " + std::string(PlaceAt(place).name);
        const int dayBefore = s.day;
        const bool willMove =
            s.day < 31 && !(PlaceAt(place).needsCar && (s.carKind == 0 || s.carValue == 0));
        m_game.Travel(place);
        if (willMove) {
          ++m_played.trips;
          if (!m_game.finished() && s.currentPlace != place)
            Broken("after a trip the destination's button is not the disabled one");
          if (s.day < dayBefore) Broken("the day went back");
        }
        break;
      }
    }
    check(what);
  }

  void paySome() {
    m_game.btntonysomeClick();
    LoanDialog& loan = m_game.loan();
    for (int i = 0; i < 6; ++i) {
      switch (m_dice.below(5)) {
        case 0:
          loan.setText(RandomAmount(below()));
          break;
        case 1:
          loan.step(m_dice.chance(50) ? 1 : -1);
          break;
        case 2:
          loan.edtPayExit();
          break;
        case 3:
          if (loan.Button1Click()) return;
          break;
        default:
          if (loan.Button2Click()) return;
      }
    }
    loan.Button2Click();
  }

  void visitGuns() {
    GunDealer& guns = m_game.guns();
    guns.FormShow();
    for (int i = 0; i < 5; ++i) {
      const int pick = m_dice.below(4);
      if (pick == 0) guns.select(1 + m_dice.below(kGunCount));
      if (pick == 1 && guns.sellEnabled()) guns.btnSellClick();
      if (pick == 2 && guns.buyEnabled()) {
        const Money price = guns.lblNewPrice();
        const Money before = AddMoney(m_game.state().cash, m_game.state().gunValue);
        if (guns.btnBuyClick()) {
          if (m_game.state().cash != SubMoney(before, price)) Broken("a gun cost the wrong sum");
          return;
        }
      }
      if (pick == 3 && guns.btnCloseClick()) return;
    }
    guns.btnCloseClick();
  }

  void visitCars() {
    CarDealer& cars = m_game.cars();
    cars.FormShow();
    for (int i = 0; i < 5; ++i) {
      const int pick = m_dice.below(4);
      if (pick == 0) cars.select(1 + m_dice.below(kCarCount));
      if (pick == 1 && cars.sellEnabled()) cars.btnSellClick();
      if (pick == 2 && cars.buyEnabled() && cars.btnBuyClick()) return;
      if (pick == 3 && cars.btnCloseClick()) return;
    }
    cars.btnCloseClick();
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

  Dice m_dice;
  FixedClock m_clock;
  Game m_game;
  TextShown m_shown;
  PlayedGame m_played;
};

}  // namespace

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

PlayedGame PlayRandomGame(std::uint64_t seed, int maxActions, const TextShown& shown) {
  try {
    return RandomPlayer(seed, shown).play(maxActions);
  } catch (const InvariantBroken& broken) {
    throw InvariantBroken("game " + std::to_string(seed) + ": " + broken.what());
  }
}

}  // namespace quillmere::testing
