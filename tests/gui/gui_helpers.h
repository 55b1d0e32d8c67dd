// Shared by the GUI tests: a game on a fixed clock with the real screens, and a hand that
// answers every message box that comes up, recording what it said.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <deque>
#include <functional>
#include <initializer_list>
#include <string_view>

#include "game/random.h"
#include "game/record.h"
#include "screens/App.h"

namespace quillmere::testing {

// A control of a screen by its name; the test stops at once when there is none.
template <typename T = QWidget>
T* child(QObject* parent, const char* name) {
  T* control = parent ? parent->findChild<T*>(QString::fromLatin1(name)) : nullptr;
  if (!control) qFatal("no control %s", name);
  return control;
}

struct SeenBox {
  QString title;
  QString text;
  QStringList buttons;
  Qt::TextFormat format;
};

// Whether a message box is up anywhere.
inline bool AnyBoxUp() {
  for (QWidget* window : QApplication::topLevelWidgets())
    if (qobject_cast<QMessageBox*>(window) && window->isVisible()) return true;
  return false;
}

// Lets the event loop run until no message box is up: a BoxAnswerer answers each box as it
// shows, and what the answer starts may bring the next. Boxes wait without a loop of their
// own, so a click returns while its box is still up.
inline void Settle() {
  QElapsedTimer clock;
  clock.start();
  do {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  } while (AnyBoxUp() && clock.elapsed() < 10000);
  QCoreApplication::processEvents();
}

// Presses a button on every message box as soon as it is shown: the next scripted answer
// (a button's text, such as "&Yes" or "&No"; kCloseBox closes it through the window system),
// or else the box's default button.
class BoxAnswerer : public QObject {
 public:
  static constexpr QLatin1StringView kCloseBox{"(close)"};

  BoxAnswerer() { qApp->installEventFilter(this); }
  ~BoxAnswerer() override { qApp->removeEventFilter(this); }

  std::deque<QString> answers;
  QList<SeenBox> seen;
  // Runs as each box is shown, before it is answered: to look at what else is on the screen.
  std::function<void()> onShow;

  QStringList texts() const {
    QStringList result;
    for (const SeenBox& box : seen) result << box.text;
    return result;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* box = qobject_cast<QMessageBox*>(watched);
    if (box && event->type() == QEvent::Show) {
      SeenBox s{box->windowTitle(), box->text(), {}, box->textFormat()};
      for (QAbstractButton* b : box->buttons()) s.buttons << b->text();
      seen << s;
      if (onShow) onShow();
      QString answer;
      if (!answers.empty()) {
        answer = answers.front();
        answers.pop_front();
      }
      QTimer::singleShot(0, box, [box, answer] {
        if (answer == kCloseBox) {
          box->close();
          return;
        }
        for (QAbstractButton* b : box->buttons()) {
          if (b->text() == answer) {
            b->click();
            return;
          }
        }
        if (box->defaultButton()) box->defaultButton()->click();
      });
    }
    return QObject::eventFilter(watched, event);
  }
};

// The application object on a clock the test sets. Opened pages are recorded, not opened; the
// game is written down as the program writes it, step by step as the game takes each action.
struct GuiGame {
  GuiGame() {
    ApplyGameLook();  // the game's own font, so layouts are checked as players see them
    app.openUrl = [this](const QString& url) { openedUrls << url; };
    app.onTaken = [this](const Action& action) {
      record.steps.push_back({action, recording.take()});
    };
  }
  // Every screen that "Continue" creates, in its order.
  void createScreens() { app.createScreens(); }
  // A new game on its main screen, started on a millisecond whose first roll brings nothing.
  void start() {
    createScreens();
    clock.set(kQuietMs);
    app.act(StartGame{});
    clock.set(0);
  }
  // Sends an action as a control would, and answers the boxes it brings.
  void act(const Action& action) {
    app.act(action);
    Settle();
  }
  static constexpr std::uint32_t kQuietMs = 17;

  // The addresses of the pages given, in their order.
  QStringList addresses(std::initializer_list<std::string_view> pages) const {
    QStringList urls;
    for (std::string_view page : pages) urls << app.webAddress(page);
    return urls;
  }

  FixedClock clock{0};
  RecordingClock recording{clock};
  App app{recording};
  Record record{"test", {}};
  QStringList openedUrls;
  Game& game = app.game();
  GameState& s = app.game().state();
  MainView& v = app.game().view();
};

// Whether a page the game opened exists: a local page must be a file on this computer (a
// hosted board is checked by the browser tests).
inline bool pageExists(const QString& url) {
  const QUrl page(url);
  return !page.isLocalFile() || QFileInfo(page.toLocalFile()).isFile();
}

}  // namespace quillmere::testing
