// The application object: it owns the game engine and every screen, and wires them. Each
// screen emits the actions its controls stand for; App sends them to the game, then redraws
// every screen and brings to the front what the game waits on: the screen of front(), and
// the message box of question(), both window-modal, neither with an event loop of its own.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <string_view>

#include "game/game.h"

class QMessageBox;
class QWidget;

namespace quillmere {

class StartScreen;
class MainScreen;
class PursuitScreen;
class GunDealerScreen;
class CarDealerScreen;
class LoanScreen;
class EndScreen;

class App final : public QObject {
  Q_OBJECT

 public:
  explicit App(Clock& clock);
  ~App() override;

  Game& game() { return m_game; }

  // The screens. The start screen exists from program start; the others are created by
  // "Continue" in this order; the end screen by the end of the game.
  StartScreen* startScreen() const;
  MainScreen* mainScreen() const;
  PursuitScreen* pursuitScreen() const;
  GunDealerScreen* gunDealerScreen() const;
  CarDealerScreen* carDealerScreen() const;
  LoanScreen* loanScreen() const;
  EndScreen* endScreen() const;

  StartScreen* createSplash();
  // Every screen of a game, in their order; progress hears each one's share of the gauge.
  void createScreens(const std::function<void(int percent)>& progress = {});

  // Sends one action of the player to the game, then shows what came of it.
  void act(const Action& action);
  // Redraws every screen from the game and brings to the front what the game waits on.
  void refresh();
  // The message box the game waits on, while it is up.
  QMessageBox* questionBox() const;

  // The full address of a page of the game's website (the end screen writes it for the player to
  // read), and handing it to the desktop; tests may replace how, and the clock that tells a
  // burst. A burst of activations of one link opens it once: a link activated again within a
  // second of its last activation does nothing.
  QString webAddress(std::string_view path) const;
  void OpenInBrowser(std::string_view path);
  // The game's website: a hosted board's address, or "" (the default unless the build names
  // one) for this computer's own board, whose address localBoard gives when the board page is
  // wanted ("" when none could start; the home page installed with the game then says so).
  void setWebsite(std::string website) { m_website = std::move(website); }
  std::function<QString()> localBoard;
  // Hears each action the game took, right after it took it.
  std::function<void(const Action&)> onTaken;
  std::function<void(const QString& url)> openUrl;
  std::function<std::chrono::steady_clock::time_point()> linkClock = std::chrono::steady_clock::now;

  // Whether the program has been asked to end.
  bool terminated() const { return m_terminated; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // "Continue" on the start screen: the screens, then the game's first day.
  void startGame();
  void draw();
  // Shows the modal screen of the front and hides the others; the end screen replaces the
  // main screen.
  void showFront();
  void ask(const Question& question);
  void terminate();
  QWidget* dialogParent() const;

  Game m_game;
  // The folder of the site's pages on this computer, for a game built without a hosted one.
  std::string m_localSite;
  std::string m_website;
  // When each address was last activated.
  std::map<QString, std::chrono::steady_clock::time_point> m_lastActivated;
  QPointer<StartScreen> m_splash;
  QPointer<MainScreen> m_main;
  QPointer<PursuitScreen> m_busted;
  QPointer<GunDealerScreen> m_guns;
  QPointer<CarDealerScreen> m_cars;
  QPointer<LoanScreen> m_loan;
  QPointer<EndScreen> m_end;
  QPointer<QMessageBox> m_box;
  bool m_terminated = false;
  // The pursuit the pursuit screen shows.
  int m_shownEncounter = 0;
  bool m_refreshing = false;
  bool m_again = false;
};

// The application-wide look: the game's font and its icon.
void ApplyGameLook();

}  // namespace quillmere
