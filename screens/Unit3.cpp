// The pursuit screen: the player pays off, runs from or fights the cops, the border patrol or Tony.
#include "screens/Unit3.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "screens/App.h"
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

}  // namespace

TfrmBusted::TfrmBusted(App& app, QWidget* parent)
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

  imgBusted = new QLabel(this);
  imgBusted->setObjectName(QStringLiteral("imgBusted"));
  imgBusted->setGeometry(kPictureLeft, kMargin, 63, kBoxHeight);
  imgBusted->setAccessibleName(tr("Your pursuer"));

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setGeometry(kLogLeft, kMargin, kLogWidth, kBoxHeight);
  Memo1->setReadOnly(true);
  Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  Memo1->setFocusPolicy(Qt::StrongFocus);
  Memo1->setTabChangesFocus(true);
  Memo1->setAccessibleName(tr("What happens"));
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  // Left to right, each at its own place: a hidden button leaves its gap.
  struct Button {
    QPushButton* TfrmBusted::*control;
    const char* name;
    const char* caption;
    void (TfrmBusted::*click)();
  };
  static constexpr Button kButtons[] = {
      {&TfrmBusted::btnClose, "btnClose", QT_TRANSLATE_NOOP("quillmere::TfrmBusted", "Close"),
       &TfrmBusted::btnCloseClick},
      {&TfrmBusted::btnQuit, "btnQuit", QT_TRANSLATE_NOOP("quillmere::TfrmBusted", "Close Game"),
       &TfrmBusted::btnQuitClick},
      {&TfrmBusted::btn1, "btn1", QT_TRANSLATE_NOOP("quillmere::TfrmBusted", "Pay"),
       &TfrmBusted::btn1Click},
      {&TfrmBusted::btn2, "btn2", QT_TRANSLATE_NOOP("quillmere::TfrmBusted", "Run"),
       &TfrmBusted::btn2Click},
      {&TfrmBusted::btn3, "btn3", QT_TRANSLATE_NOOP("quillmere::TfrmBusted", "Fight"),
       &TfrmBusted::btn3Click},
  };
  constexpr int rowWidth = 5 * kButtonWidth + 4 * kButtonGap;
  int left = kLogLeft + kLogWidth - rowWidth;
  for (const Button& b : kButtons) {
    auto* button = new QPushButton(tr(b.caption), this);
    button->setObjectName(QString::fromLatin1(b.name));
    button->setGeometry(left, kButtonTop, kButtonWidth, kButtonHeight);
    // Enter presses the focused button only: no button of the encounter is a default.
    button->setAutoDefault(false);
    OnClick(button, this, b.click);
    this->*b.control = button;
    left += kButtonWidth + kButtonGap;
  }
  btnClose->hide();
  btnQuit->hide();

  setTabOrder(btn3, Memo1);
  setTabOrder(Memo1, btn2);
  setTabOrder(btn2, btn1);
  setTabOrder(btn1, btnClose);
  setTabOrder(btnClose, btnQuit);
}

Pursuit& TfrmBusted::busted() { return m_app.game().busted(); }

void TfrmBusted::refresh() {
  const Pursuit& p = busted();
  switch (p.picture()) {
    case PursuitPicture::Cop:
      imgBusted->setPixmap(m_cop);
      imgBusted->setAccessibleDescription(tr("A police officer"));
      break;
    case PursuitPicture::Tony:
      imgBusted->setPixmap(m_tony);
      imgBusted->setAccessibleDescription(tr("Tony the loan shark"));
      break;
    case PursuitPicture::None:
      imgBusted->clear();
      break;
  }

  QStringList lines;
  for (const std::string& line : p.log()) lines << Translated("Pursuit", line);
  const QString text = lines.join(QLatin1Char('\n'));
  if (Memo1->toPlainText() != text) Memo1->setPlainText(text);
  // The newest line is the one the player has to read.
  Memo1->moveCursor(QTextCursor::End);
  Memo1->ensureCursorVisible();

  btn1->setVisible(p.payVisible());
  btn1->setEnabled(p.payEnabled());
  btn2->setEnabled(p.runEnabled());
  btn3->setEnabled(p.fightEnabled());
  btnClose->setVisible(p.closeVisible());
  btnQuit->setVisible(p.quitVisible());
  // Once the choice is made, the way out takes the keyboard, so Enter or Space leaves.
  if (!btn3->isEnabled()) {
    if (btnClose->isVisible()) btnClose->setFocus();
    if (btnQuit->isVisible()) btnQuit->setFocus();
  }
}

void TfrmBusted::btn1Click() {
  busted().btn1Click();
  refresh();
}

void TfrmBusted::btn2Click() {
  busted().btn2Click();
  refresh();
}

void TfrmBusted::btn3Click() {
  busted().btn3Click();
  refresh();
}

void TfrmBusted::btnCloseClick() {
  const bool leave = busted().btnCloseClick();
  refresh();
  if (leave) close();
}

void TfrmBusted::btnQuitClick() {
  busted().btnQuitClick();
  // The program is ending: the screen goes without asking the close-request rule.
  if (m_app.game().finished()) {
    done(QDialog::Rejected);
  } else {
    refresh();
  }
}

void TfrmBusted::closeEvent(QCloseEvent* event) {
  // Every close, Close's own and the window system's, asks the rule; it never refuses.
  // Once the program is ending there is nobody left to punish.
  if (!m_app.game().finished()) busted().FormCloseQuery();
  event->accept();
  done(QDialog::Rejected);
}

void TfrmBusted::keyPressEvent(QKeyEvent* event) {
  // The encounter has no cancel button: Escape must not slip out past the close rule.
  if (event->matches(QKeySequence::Cancel)) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TfrmBusted::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(*this);
  if (btn3->isEnabled()) btn3->setFocus();
}

}  // namespace quillmere
