// The pursuit screen: the player pays off, runs from or fights the cops, the border patrol or Tony.
#include "screens/PursuitScreen.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "screens/App.h"
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

PursuitScreen::PursuitScreen(App& app, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_app(app),
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
  m_imgBusted = findChild<QLabel*>(QStringLiteral("imgBusted"));
  m_Memo1 = findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
  m_Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  struct Button {
    QPushButton* PursuitScreen::*control;
    const char* name;
    void (PursuitScreen::*click)();
  };
  static constexpr Button kButtons[] = {
      {&PursuitScreen::m_btnClose, "btnClose", &PursuitScreen::btnCloseClick},
      {&PursuitScreen::m_btnQuit, "btnQuit", &PursuitScreen::btnQuitClick},
      {&PursuitScreen::m_btn1, "btn1", &PursuitScreen::btn1Click},
      {&PursuitScreen::m_btn2, "btn2", &PursuitScreen::btn2Click},
      {&PursuitScreen::m_btn3, "btn3", &PursuitScreen::btn3Click},
  };
  for (const Button& b : kButtons) {
    this->*b.control = findChild<QPushButton*>(QString::fromLatin1(b.name));
    OnClick(this->*b.control, this, b.click);
  }
  m_btnClose->hide();
  m_btnQuit->hide();

  setTabOrder(m_btn3, m_Memo1);
  setTabOrder(m_Memo1, m_btn2);
  setTabOrder(m_btn2, m_btn1);
  setTabOrder(m_btn1, m_btnClose);
  setTabOrder(m_btnClose, m_btnQuit);
}

Pursuit& PursuitScreen::busted() { return m_app.game().busted(); }

void PursuitScreen::refresh() {
  const Pursuit& p = busted();
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

void PursuitScreen::btn1Click() {
  busted().btn1Click();
  refresh();
}

void PursuitScreen::btn2Click() {
  busted().btn2Click();
  refresh();
}

void PursuitScreen::btn3Click() {
  busted().btn3Click();
  refresh();
}

void PursuitScreen::btnCloseClick() {
  const bool leave = busted().btnCloseClick();
  refresh();
  if (leave) close();
}

void PursuitScreen::btnQuitClick() {
  busted().btnQuitClick();
  // The program is ending: the screen goes without asking the close-request rule.
  if (m_app.game().finished()) {
    done(QDialog::Rejected);
  } else {
    refresh();
  }
}

void PursuitScreen::closeEvent(QCloseEvent* event) {
  // Every close, Close's own and the window system's, asks the rule; it never refuses.
  // Once the program is ending there is nobody left to punish.
  if (!m_app.game().finished()) busted().FormCloseQuery();
  event->accept();
  done(QDialog::Rejected);
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
