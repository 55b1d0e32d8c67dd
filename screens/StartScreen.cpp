// The start screen and the start sequence.
#include "screens/StartScreen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

#include "game/web.h"
#include "screens/ControlTable.h"
#include "screens/MessageBox.h"
#include "screens/ScreenKit.h"
#include "screens/Translation.h"

namespace quillmere {

namespace {

constexpr Control kControls[] = {
    {"Image1", Kind::Picture, "", 0, 0, 402, 300, "start.jpg", 0,
     QT_TRANSLATE_NOOP("quillmere::StartScreen", "quillmere, a night street in the city")},
    {"SpeedButton2", Kind::ToolButton, "", 387, 1, 15, 17, "X", 0,
     QT_TRANSLATE_NOOP("quillmere::StartScreen", "Close")},
    // The links bar under the picture.
    {"Panel2", Kind::Bar, "", 0, 300, 402, 30},
    {"Button2", Kind::Button, "Panel2", 1, 5, 136, 25,
     QT_TRANSLATE_NOOP("quillmere::StartScreen", "Introduction"), kAutoDefault},
    {"Button1", Kind::Button, "Panel2", 137, 5, 136, 25,
     QT_TRANSLATE_NOOP("quillmere::StartScreen", "Tutorial"), kAutoDefault},
    {"Button3", Kind::Button, "Panel2", 272, 5, 129, 25,
     QT_TRANSLATE_NOOP("quillmere::StartScreen", "Website"), kAutoDefault},
    // The name and loading bar at the bottom.
    {"Panel1", Kind::Bar, "", 0, 330, 402, 32},
    {"Label2", Kind::Label, "Panel1", 6, 9, 0, 0,
     QT_TRANSLATE_NOOP("quillmere::StartScreen", "Name:"), kMiddle | kFit},
    {"edtLogin", Kind::Field, "Panel1", 40, 5, 121, 21, "", 0,
     QT_TRANSLATE_NOOP("quillmere::StartScreen", "Name")},
    {"btnContinue", Kind::Button, "Panel1", 168, 4, 105, 25,
     QT_TRANSLATE_NOOP("quillmere::StartScreen", "Continue"), kDefault},
    {"Label1", Kind::Label, "Panel1", 278, 0, 0, 0,
     QT_TRANSLATE_NOOP("quillmere::StartScreen", "Loading..."), kMiddle | kFit},
    {"loading", Kind::Progress, "Panel1", 278, 14, 120, 17, "", 0,
     QT_TRANSLATE_NOOP("quillmere::StartScreen", "Loading")},
};

// The box of Continue without a name.
constexpr const char* kNoLogin = QT_TRANSLATE_NOOP("Message", "Please enter a login.");

// The links under the picture and the pages they open.
const std::pair<const char*, std::string_view> kLinks[] = {
    {"Button2", kIntroductionPage},
    {"Button1", kTutorialPage},
    {"Button3", kWebsitePage},
};

}  // namespace

StartScreen::StartScreen(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("frmSplash"));
  setWindowTitle(QStringLiteral("quillmere"));
  setFixedSize(402, 362);
  PaintBlack(*this);

  BuildControls(*this, "quillmere::StartScreen", kControls);
  SendOnClick(FindControl<QToolButton>(*this, "SpeedButton2"), this, Quit{});
  QList<QPushButton*> linkButtons;
  for (const auto& [name, page] : kLinks) {
    linkButtons << FindControl<QPushButton>(*this, name);
    connect(linkButtons.back(), &QPushButton::clicked, this,
            [this, page = page] { emit pageRequested(page); });
  }
  m_edtLogin = FindControl<QLineEdit>(*this, "edtLogin");
  m_btnContinue = FindControl<QPushButton>(*this, "btnContinue");
  connect(m_btnContinue, &QPushButton::clicked, this, &StartScreen::btnContinueClick);
  m_loading = FindControl<QProgressBar>(*this, "loading");

  QWidget::setTabOrder(m_edtLogin, m_btnContinue);
  QWidget::setTabOrder(m_btnContinue, linkButtons[0]);
  QWidget::setTabOrder(linkButtons[0], linkButtons[1]);
  QWidget::setTabOrder(linkButtons[1], linkButtons[2]);
  m_edtLogin->setFocus();

  CentreOnScreen(*this);
}

void StartScreen::setGauge(int percent) {
  m_loading->setValue(percent);
  m_loading->repaint();
}

void StartScreen::btnContinueClick() {
  if (m_edtLogin->text().isEmpty()) {
    // The screen's own box, not the game's: there is no game yet.
    if (!m_refusal)
      m_refusal =
          OpenMessageBox(this, Translated("Caption", DialogCaption(DialogKind::Error)),
                         Translated("Message", kNoLogin), DialogKind::Error, DialogButtons::Ok, {});
    return;
  }
  emit continued();
}

void StartScreen::closeEvent(QCloseEvent* event) {
  event->accept();
  emit acted(Quit{});
}

void StartScreen::keyPressEvent(QKeyEvent* event) {
  // Enter anywhere on the screen presses the default button.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    m_btnContinue->click();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace quillmere
