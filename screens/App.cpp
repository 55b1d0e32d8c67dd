// The application object: the screens' actions to the game, and the game's front and
// questions to the screens.
#include "screens/App.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include "game/web.h"
#include "screens/CarDealerScreen.h"
#include "screens/EndScreen.h"
#include "screens/GameFont.h"
#include "screens/GunDealerScreen.h"
#include "screens/LoanScreen.h"
#include "screens/MainScreen.h"
#include "screens/MessageBox.h"
#include "screens/Pictures.h"
#include "screens/PursuitScreen.h"
#include "screens/StartScreen.h"
#include "screens/Translation.h"

namespace quillmere {

namespace {

// The site's pages installed with the game, found from where the program is installed;
// for a build that is not installed, the copy in the source tree.
std::string LocalSiteFolder() {
  const QDir installed(QCoreApplication::applicationDirPath() +
                       QStringLiteral("/" QUILLMERE_SITE_FROM_PROGRAM));
  const QString folder =
      QFileInfo::exists(installed.filePath(QStringLiteral("quillmere/index.html")))
          ? installed.absolutePath()
          : QStringLiteral(QUILLMERE_SOURCE_SITE);
  return QDir::cleanPath(folder).toStdString();
}

}  // namespace

App::App(Clock& clock)
    : openUrl([](const QString& url) { QDesktopServices::openUrl(QUrl(url)); }),
      m_game(clock),
      m_localSite(LocalSiteFolder()),
      m_website(BuiltWebsite()) {
  qApp->installEventFilter(this);
}

App::~App() {
  // A screen going away tells nobody: its field losing the focus is no action of the player.
  QObject* const screens[] = {m_splash, m_main, m_busted, m_guns, m_cars, m_loan, m_end};
  for (QObject* screen : screens)
    if (screen) screen->blockSignals(true);
  delete m_box;
  // The end screen and the reused screens live until the program ends.
  delete m_end;
  delete m_loan;
  delete m_cars;
  delete m_guns;
  delete m_busted;
  delete m_main;
  delete m_splash;
}

StartScreen* App::startScreen() const { return m_splash; }
MainScreen* App::mainScreen() const { return m_main; }
PursuitScreen* App::pursuitScreen() const { return m_busted; }
GunDealerScreen* App::gunDealerScreen() const { return m_guns; }
CarDealerScreen* App::carDealerScreen() const { return m_cars; }
LoanScreen* App::loanScreen() const { return m_loan; }
EndScreen* App::endScreen() const { return m_end; }
QMessageBox* App::questionBox() const { return m_box; }

StartScreen* App::createSplash() {
  m_splash = new StartScreen();
  connect(m_splash, &StartScreen::acted, this, &App::act);
  connect(m_splash, &StartScreen::pageRequested, this, &App::OpenInBrowser);
  connect(m_splash, &StartScreen::continued, this, &App::startGame);
  return m_splash;
}

void App::createScreens(const std::function<void(int percent)>& progress) {
  const auto report = [&progress](int percent) {
    if (progress) progress(percent);
  };
  const Game& game = m_game;
  m_main = new MainScreen(game);
  connect(m_main, &MainScreen::acted, this, &App::act);
  connect(m_main, &MainScreen::pageRequested, this, &App::OpenInBrowser);
  report(16);
  // The modal screens stand over the main screen, which they block while they are up.
  m_busted = new PursuitScreen(game, m_main);
  connect(m_busted, &PursuitScreen::acted, this, &App::act);
  report(32);
  m_guns = new GunDealerScreen(game, m_main);
  connect(m_guns, &GunDealerScreen::acted, this, &App::act);
  report(48);
  m_cars = new CarDealerScreen(game, m_main);
  connect(m_cars, &CarDealerScreen::acted, this, &App::act);
  report(64);
  m_loan = new LoanScreen(game, m_main);
  connect(m_loan, &LoanScreen::acted, this, &App::act);
}

void App::startGame() {
  if (m_main) return;  // one game a run
  const auto gauge = [this](int percent) {
    if (m_splash) m_splash->setGauge(percent);
  };
  createScreens(gauge);
  gauge(80);
  act(StartGame{});
  gauge(96);
  gauge(100);
}

void App::act(const Action& action) {
  if (m_terminated) return;
  const bool taken = m_game.Accepts(action);
  m_game.Act(action);
  if (taken && onTaken) onTaken(action);
  refresh();
}

void App::refresh() {
  // A screen may hear of its own redrawing (a field losing the focus as its screen goes):
  // what that sends is drawn by one more round, never by a refresh inside a refresh.
  if (m_refreshing) {
    m_again = true;
    return;
  }
  m_refreshing = true;
  do {
    m_again = false;
    draw();
  } while (m_again);
  m_refreshing = false;
}

void App::draw() {
  if (m_game.front() == Front::Closed) {
    terminate();
    return;
  }
  // Once the game is over the main screen is on its way out and has nothing left to show.
  if (m_main && !m_game.finished()) m_main->refresh();
  if (m_busted) m_busted->refresh();
  if (m_guns) m_guns->refresh();
  if (m_cars) m_cars->refresh();
  if (m_loan) m_loan->refresh();
  showFront();
  // Whatever the rule changed before asking is on screen while the box is up.
  if (m_game.question() && !m_box) ask(*m_game.question());
}

void App::showFront() {
  const Front front = m_game.front();
  // The main screen comes once the game's first day has begun, boxes and all.
  if (front == Front::Main && m_main && !m_main->isVisible()) {
    if (m_splash) m_splash->hide();
    m_main->show();
  }
  const std::pair<QDialog*, Front> modal[] = {{m_busted, Front::Pursuit},
                                              {m_guns, Front::GunDealer},
                                              {m_cars, Front::CarDealer},
                                              {m_loan, Front::Loan}};
  // A pursuit that follows another on the same trip is a showing of its own.
  const int encounter = m_game.pursuit().encounters();
  const bool anotherPursuit = front == Front::Pursuit && encounter != m_shownEncounter;
  if (front == Front::Pursuit) m_shownEncounter = encounter;
  for (const auto& [screen, its] : modal) {
    if (!screen) continue;
    if ((front != its || (anotherPursuit && its == Front::Pursuit)) && screen->isVisible())
      screen->done(QDialog::Rejected);
  }
  for (const auto& [screen, its] : modal)
    if (screen && front == its && !screen->isVisible()) screen->open();
  if (front == Front::End && !m_end) {
    m_end = new EndScreen(m_game, webAddress(kWebsitePage));
    connect(m_end, &EndScreen::acted, this, &App::act);
    connect(m_end, &EndScreen::pageRequested, this, &App::OpenInBrowser);
    m_end->show();
    m_end->activateWindow();
    m_end->setFocus();
    // The main screen goes once the click that ended the game has returned.
    if (m_main) {
      m_main->hide();
      m_main->deleteLater();
    }
  }
}

void App::ask(const Question& question) {
  m_box = OpenQuestion(dialogParent(), question, [this](bool yes) {
    m_box = nullptr;
    act(Answer{yes});
  });
}

QString App::webAddress(std::string_view path) const {
  if (!m_website.empty() || path != kWebsitePage)
    return QString::fromStdString(WebAddress(m_website, m_localSite, path));
  // The board page with no hosted website: this computer's own board, else the home page
  // installed with the game, at the part that says the board could not start.
  const QString board = localBoard ? localBoard() : QString();
  if (!board.isEmpty())
    return board + QString::fromUtf8(kWebsitePage.data(), qsizetype(kWebsitePage.size()));
  return QString::fromStdString(WebAddress({}, m_localSite, path)) + QStringLiteral("#no-board");
}

void App::OpenInBrowser(std::string_view path) {
  const QString url = webAddress(path);
  const auto now = linkClock();
  const auto last = m_lastActivated.find(url);
  const bool inBurst =
      last != m_lastActivated.end() && now - last->second < std::chrono::seconds(1);
  m_lastActivated[url] = now;
  // Whether the desktop could open it is not reported.
  if (!inBurst && openUrl) openUrl(url);
}

QWidget* App::dialogParent() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  if (m_main && m_main->isVisible()) return m_main;
  if (m_splash && m_splash->isVisible()) return m_splash;
  return QApplication::activeWindow();
}

void App::terminate() {
  if (m_terminated) return;
  m_terminated = true;
  if (m_box) m_box->hide();
  QCoreApplication::exit(0);
}

bool App::eventFilter(QObject* watched, QEvent* event) {
  // On every screen Enter presses the focused button, as Space does, and nothing else: no
  // button presses itself unless it has the focus (no screen relies on a default button
  // except where Enter in a field is the way to confirm it).
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    auto* button = qobject_cast<QPushButton*>(watched);
    if (button && button->window()->focusWidget() == button &&
        (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
      if (!key->isAutoRepeat()) button->click();
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

void ApplyGameLook() {
  QApplication::setFont(GameFont());
  // Only the task bar shows the icon: it comes once the message loop runs, so the start
  // screen need not wait for a large picture to be decoded before it appears.
  QTimer::singleShot(0, qApp, [] { QApplication::setWindowIcon(QIcon(Picture("icon.png"))); });
}

}  // namespace quillmere
