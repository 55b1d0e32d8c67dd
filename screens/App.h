// The application object: it owns the game engine and every screen, reaches each screen
// through one reference, and is the engine's Player on the desktop (message boxes, the
// modal pursuit, the end screen, the end of the program).
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <chrono>
#include <functional>
#include <map>
#include <memory>

#include "game/game.h"

class QWidget;

namespace quillmere {

class StartScreen;
class MainScreen;
class PursuitScreen;
class GunDealerScreen;
class CarDealerScreen;
class LoanScreen;
class EndScreen;

class App final : public QObject, public Player {
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
  MainScreen* createMain();
  PursuitScreen* createBusted();
  GunDealerScreen* createGuns();
  CarDealerScreen* createCars();
  LoanScreen* createLoan();

  // Redraws every open screen from the game's state.
  void refresh();

  // The full address of a page of the game's website (the end screen writes it for the player to
  // read), and handing it to the desktop; tests may replace how, and the clock that tells a
  // burst. A burst of activations of one link opens it once: a link activated again within a
  // second of its last activation does nothing.
  QString webAddress(std::string_view path) const;
  void OpenInBrowser(std::string_view path);
  std::function<void(const QString& url)> openUrl;
  std::function<std::chrono::steady_clock::time_point()> linkClock = std::chrono::steady_clock::now;

  // Player.
  bool MessageDialog(const std::string& text, DialogKind kind, DialogButtons buttons) override;
  void ConversionError(const std::string& text) override;
  void ShowPursuit() override;
  void ShowEndScreen() override;
  void Terminate() override;

  // Whether the program has been asked to end.
  bool terminated() const { return m_terminated; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* dialogParent() const;

  Game m_game;
  // The folder of the site's pages on this computer, for a game built without a hosted one.
  std::string m_localSite;
  // When each address was last activated.
  std::map<QString, std::chrono::steady_clock::time_point> m_lastActivated;
  QPointer<StartScreen> m_splash;
  QPointer<MainScreen> m_main;
  QPointer<PursuitScreen> m_busted;
  QPointer<GunDealerScreen> m_guns;
  QPointer<CarDealerScreen> m_cars;
  QPointer<LoanScreen> m_loan;
  QPointer<EndScreen> m_end;
  bool m_terminated = false;
};

// The application-wide look: the game's font and its icon.
void ApplyGameLook();

}  // namespace quillmere
