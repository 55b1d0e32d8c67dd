// The application object and the desktop side of the engine's Player.
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
      m_game(clock, *this) {
  qApp->installEventFilter(this);
  if (BuiltWebsite().empty()) m_localSite = LocalSiteFolder();
}

App::~App() {
  // The end screen and the reused screens live until the program ends.
  delete m_end;
  delete m_main;
  delete m_loan;
  delete m_cars;
  delete m_guns;
  delete m_busted;
  delete m_splash;
}

StartScreen* App::startScreen() const { return m_splash; }
MainScreen* App::mainScreen() const { return m_main; }
PursuitScreen* App::pursuitScreen() const { return m_busted; }
GunDealerScreen* App::gunDealerScreen() const { return m_guns; }
CarDealerScreen* App::carDealerScreen() const { return m_cars; }
LoanScreen* App::loanScreen() const { return m_loan; }
EndScreen* App::endScreen() const { return m_end; }

StartScreen* App::createSplash() { return m_splash = new StartScreen(*this); }
MainScreen* App::createMain() { return m_main = new MainScreen(*this); }
PursuitScreen* App::createBusted() { return m_busted = new PursuitScreen(*this); }
GunDealerScreen* App::createGuns() { return m_guns = new GunDealerScreen(*this); }
CarDealerScreen* App::createCars() { return m_cars = new CarDealerScreen(*this); }
LoanScreen* App::createLoan() { return m_loan = new LoanScreen(*this); }

void App::refresh() {
  if (m_main) m_main->refresh();
  if (m_busted && m_busted->isVisible()) m_busted->refresh();
  if (m_guns && m_guns->isVisible()) m_guns->refresh();
  if (m_cars && m_cars->isVisible()) m_cars->refresh();
  if (m_loan && m_loan->isVisible()) m_loan->refresh();
}

QString App::webAddress(std::string_view path) const {
  return QString::fromStdString(WebAddress(BuiltWebsite(), m_localSite, path));
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

bool App::MessageDialog(const std::string& text, DialogKind kind, DialogButtons buttons) {
  if (m_terminated) return false;
  // Whatever the rule changed before asking is on screen while the box is up.
  refresh();
  QMessageBox box(dialogParent());
  box.setWindowTitle(Translated("Caption", DialogCaption(kind)));
  box.setTextFormat(Qt::PlainText);
  box.setText(Translated("Message", text));
  switch (kind) {
    case DialogKind::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case DialogKind::Error:
      box.setIcon(QMessageBox::Critical);
      break;
    case DialogKind::Confirmation:
      box.setIcon(QMessageBox::Question);
      break;
    case DialogKind::Warning:
      box.setIcon(QMessageBox::Warning);
      break;
  }
  QPushButton* yes = nullptr;
  if (buttons == DialogButtons::YesNo) {
    yes = box.addButton(tr("&Yes"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(tr("&No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
  } else {
    yes = box.addButton(tr("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(yes);
  }
  box.exec();
  const bool answer = box.clickedButton() == yes;
  refresh();
  return answer;
}

void App::ConversionError(const std::string& text) {
  if (m_terminated) return;
  refresh();
  QMessageBox box(dialogParent());
  box.setWindowTitle(QStringLiteral("quillmere"));
  box.setIcon(QMessageBox::Critical);
  // The player's own text is shown as typed, never read as markup.
  box.setTextFormat(Qt::PlainText);
  box.setText(Translated("Message", kConversionError).arg(QString::fromStdString(text)));
  QPushButton* ok = box.addButton(tr("OK"), QMessageBox::AcceptRole);
  box.setDefaultButton(ok);
  box.setEscapeButton(ok);
  box.exec();
}

void App::ShowPursuit() {
  if (m_terminated || !m_busted) return;
  refresh();
  m_busted->refresh();
  m_busted->exec();
  refresh();
}

void App::ShowEndScreen() {
  if (m_terminated) return;
  m_end = new EndScreen(*this);
  m_end->show();
  m_end->activateWindow();
  m_end->setFocus();
  // The main screen goes once the click that ended the game has returned.
  if (m_main) {
    m_main->hide();
    m_main->deleteLater();
  }
}

void App::Terminate() {
  if (m_terminated) return;
  m_terminated = true;
  // Leaves every running event loop, the modal ones included.
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
