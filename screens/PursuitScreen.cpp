// The pursuit screen: the player pays off, runs from or fights the cops, the border patrol or Tony.
#include "screens/PursuitScreen.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "game/game.h"
#include "screens/ControlTable.h"
#include "screens/Pictures.h"
#include "screens/ScreenKit.h"
#include "screens/Translation.h"

namespace quillmere {

namespace {

constexpr int kMargin = 4;
constexpr int kPictureLeft = 5;
constexpr int kLogLeft = 73;
constexpr int kLogWidth = 369;
constexpr int kBoxHeight = 85;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 5;
constexpr int kButtonTop = kMargin + kBoxHeight + kMargin;
constexpr int kButtonStep = kButtonWidth + kButtonGap;
// The buttons stand in one row that ends under the log's right edge.
constexpr int kRowLeft = kLogLeft + kLogWidth - 5 * kButtonWidth - 4 * kButtonGap;

// Left to right, each at its own place: a hidden button leaves its gap. Enter presses the
// focused button only: no button of the encounter is a default.
constexpr Control kControls[] = {
    {"imgBusted", Kind::Picture, "", kPictureLeft, kMargin, 63, kBoxHeight, "", 0,
     QT_TRANSLATE_NOOP("quillmere::PursuitScreen", "Your pursuer")},
    {"Memo1", Kind::Memo, "", kLogLeft, kMargin, kLogWidth, kBoxHeight, "", kReadOnly,
     QT_TRANSLATE_NOOP("quillmere::PursuitScreen", "What happens")},
    {"btnClose", Kind::Button, "", kRowLeft, kButtonTop, kButtonWidth, kButtonHeight,
     QT_TRANSLATE_NOOP("quillmere::PursuitScreen", "Close")},
    {"btnQuit", Kind::Button, "", kRowLeft + kButtonStep, kButtonTop, kButtonWidth, kButtonHeight,
     QT_TRANSLATE_NOOP("quillmere::PursuitScreen", "Close Game")},
    {"btn1", Kind::Button, "", kRowLeft + 2 * kButtonStep, kButtonTop, kButtonWidth, kButtonHeight,
     QT_TRANSLATE_NOOP("quillmere::PursuitScreen", "Pay")},
    {"btn2", Kind::Button, "", kRowLeft + 3 * kButtonStep, kButtonTop, kButtonWidth, kButtonHeight,
     QT_TRANSLATE_NOOP("quillmere::PursuitScreen", "Run")},
    {"btn3", Kind::Button, "", kRowLeft + 4 * kButtonStep, kButtonTop, kButtonWidth, kButtonHeight,
     QT_TRANSLATE_NOOP("quillmere::PursuitScreen", "Fight")},
};

}  // namespace

PursuitScreen::PursuitScreen(const Game& game, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_game(game),
      m_cop(Picture("cop.jpg")),
      m_tony(Picture("tony.jpg")) {
  setWindowTitle(tr("Choose Your Destiny"));
  setFixedSize(447, 122);
  setSizeGripEnabled(false);
  QPalette face = palette();
  face.setColor(QPalette::Window, face.color(QPalette::Button));
  face.setColor(QPalette::Base, face.color(QPalette::Button));
  setPalette(face);

  BuildControls(*this, "quillmere::PursuitScreen", kControls);
  m_imgBusted = FindControl<QLabel>(*this, "imgBusted");
  m_Memo1 = FindControl<QPlainTextEdit>(*this, "Memo1");
  m_Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  struct Button {
    QPushButton* PursuitScreen::*control;
    const char* name;
    Action action;
  };
  const Button buttons[] = {
      {&PursuitScreen::m_btnClose, "btnClose", ClosePursuit{}},
      {&PursuitScreen::m_btnQuit, "btnQuit", Quit{}},
      {&PursuitScreen::m_btn1, "btn1", PayOff{}},
      {&PursuitScreen::m_btn2, "btn2", quillmere::Run{}},
      {&PursuitScreen::m_btn3, "btn3", Fight{}},
  };
  for (const Button& b : buttons) {
    this->*b.control = FindControl<QPushButton>(*this, b.name);
    SendOnClick(this->*b.control, this, b.action);
  }
  m_btnClose->hide();
  m_btnQuit->hide();

  setTabOrder(m_btn3, m_Memo1);
  setTabOrder(m_Memo1, m_btn2);
  setTabOrder(m_btn2, m_btn1);
  setTabOrder(m_btn1, m_btnClose);
  setTabOrder(m_btnClose, m_btnQuit);
}

void PursuitScreen::refresh() {
  const Pursuit& p = m_game.pursuit();
  switch (p.picture()) {
    case PursuitPicture::Cop:
      m_imgBusted->setPixmap(m_cop);
      m_imgBusted->setAccessibleDescription(tr("A police officer"));
      break;
    case PursuitPicture::Tony:
      m_imgBusted->setPixmap(m_tony);
      m_imgBusted->setAccessibleDescription(tr("Tony the loan shark"));
      break;
    case PursuitPicture::None:
      m_imgBusted->clear();
      break;
  }

  QStringList lines;
  for (const std::string& line : p.log()) lines << Translated("Pursuit", line);
  const QString text = lines.join(QLatin1Char('\n'));
  if (m_Memo1->toPlainText() != text) m_Memo1->setPlainText(text);
  // The newest line is the one the player has to read.
  m_Memo1->moveCursor(QTextCursor::End);
  m_Memo1->ensureCursorVisible();

  m_btn1->setVisible(p.payVisible());
  m_btn1->setEnabled(p.payEnabled());
  m_btn2->setEnabled(p.runEnabled());
  m_btn3->setEnabled(p.fightEnabled());
  m_btnClose->setVisible(p.closeVisible());
  m_btnQuit->setVisible(p.quitVisible());
  // Once the choice is made, the way out takes the keyboard, so Enter or Space leaves.
  if (!m_btn3->isEnabled()) {
    if (m_btnClose->isVisible()) m_btnClose->setFocus();
    if (m_btnQuit->isVisible()) m_btnQuit->setFocus();
  }
}

void PursuitScreen::closeEvent(QCloseEvent* event) {
  // A close through the window system is the game's to judge: it always lets the player go,
  // with the cheating penalty, and the screen goes when the game says so. Once the program
  // is ending there is nobody left to punish.
  event->ignore();
  if (!m_game.finished()) emit acted(ClosePursuitWindow{});
}

void PursuitScreen::keyPressEvent(QKeyEvent* event) {
  // The encounter has no cancel button: Escape must not slip out past the close rule.
  if (event->matches(QKeySequence::Cancel)) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void PursuitScreen::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(*this);
  if (m_btn3->isEnabled()) m_btn3->setFocus();
}

}  // namespace quillmere
