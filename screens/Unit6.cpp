// The start screen and the start sequence.
#include "screens/Unit6.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

#include "game/web.h"
#include "screens/App.h"
#include "screens/Pictures.h"
#include "screens/ScreenKit.h"
#include "screens/Unit1.h"

namespace quillmere {

namespace {

QWidget* Bar(QWidget* parent, const char* name, int top, int height) {
  auto* bar = new QWidget(parent);
  bar->setObjectName(QString::fromLatin1(name));
  bar->setGeometry(0, top, 402, height);
  bar->setAutoFillBackground(true);
  return bar;
}

QLabel* WhiteLabel(QWidget* parent, const char* name, const QString& text, int left, int top) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->move(left, top);
  label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
  label->adjustSize();
  return label;
}

}  // namespace

TfrmSplash::TfrmSplash(App& app, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_app(app) {
  setObjectName(QStringLiteral("frmSplash"));
  setWindowTitle(QStringLiteral("quillmere"));
  setFixedSize(402, 362);
  PaintBlack(*this);

  auto* image1 = new QLabel(this);
  image1->setObjectName(QStringLiteral("Image1"));
  image1->setGeometry(0, 0, 402, 300);
  image1->setAlignment(Qt::AlignCenter);
  image1->setPixmap(Picture("start.jpg"));
  image1->setAccessibleName(tr("quillmere, a night street in the city"));

  auto* speedButton2 = new QToolButton(this);
  speedButton2->setObjectName(QStringLiteral("SpeedButton2"));
  speedButton2->setText(QStringLiteral("X"));
  speedButton2->setGeometry(387, 1, 15, 17);
  speedButton2->setFocusPolicy(Qt::NoFocus);
  speedButton2->setAccessibleName(tr("Close"));
  OnClick(speedButton2, this, [this] { m_app.game().Terminate(); });

  // The links bar under the picture.
  QWidget* panel2 = Bar(this, "Panel2", 300, 30);
  struct Link {
    const char* name;
    const char* caption;
    int left;
    int width;
    std::string_view page;
  };
  const Link links[] = {
      {"Button2", QT_TRANSLATE_NOOP("quillmere::TfrmSplash", "Introduction"), 1, 136,
       kIntroductionPage},
      {"Button1", QT_TRANSLATE_NOOP("quillmere::TfrmSplash", "Tutorial"), 137, 136, kTutorialPage},
      {"Button3", QT_TRANSLATE_NOOP("quillmere::TfrmSplash", "Website"), 272, 129, kWebsitePage},
  };
  QList<QPushButton*> linkButtons;
  for (const Link& link : links) {
    auto* button = new QPushButton(tr(link.caption), panel2);
    button->setObjectName(QString::fromLatin1(link.name));
    button->setGeometry(link.left, 5, link.width, 25);
    button->setAutoDefault(true);
    const std::string_view page = link.page;
    OnClick(button, this, [this, page] { m_app.OpenInBrowser(page); });
    linkButtons << button;
  }

  // The name and loading bar at the bottom.
  QWidget* panel1 = Bar(this, "Panel1", 330, 32);
  WhiteLabel(panel1, "Label2", tr("Name:"), 6, 9);
  m_edtLogin = new QLineEdit(panel1);
  m_edtLogin->setObjectName(QStringLiteral("edtLogin"));
  m_edtLogin->setGeometry(40, 5, 121, 21);
  m_edtLogin->setAccessibleName(tr("Name"));
  m_btnContinue = new QPushButton(tr("Continue"), panel1);
  m_btnContinue->setObjectName(QStringLiteral("btnContinue"));
  m_btnContinue->setGeometry(168, 4, 105, 25);
  m_btnContinue->setDefault(true);
  OnClick(m_btnContinue, this, &TfrmSplash::btnContinueClick);
  WhiteLabel(panel1, "Label1", tr("Loading..."), 278, 0);
  m_loading = new QProgressBar(panel1);
  m_loading->setObjectName(QStringLiteral("loading"));
  m_loading->setGeometry(278, 14, 120, 17);
  m_loading->setRange(0, 100);
  m_loading->setValue(0);
  m_loading->setTextVisible(true);
  m_loading->setAccessibleName(tr("Loading"));

  QWidget::setTabOrder(m_edtLogin, m_btnContinue);
  QWidget::setTabOrder(m_btnContinue, linkButtons[0]);
  QWidget::setTabOrder(linkButtons[0], linkButtons[1]);
  QWidget::setTabOrder(linkButtons[1], linkButtons[2]);
  m_edtLogin->setFocus();

  CentreOnScreen(*this);
}

void TfrmSplash::setGauge(int percent) {
  m_loading->setValue(percent);
  m_loading->repaint();
}

void TfrmSplash::btnContinueClick() {
  if (m_app.frmMain()) return;  // one game a run
  if (m_edtLogin->text().isEmpty()) {
    m_app.MessageDialog(QT_TRANSLATE_NOOP("Message", "Please enter a login."), DialogKind::Error,
                        DialogButtons::Ok);
    return;
  }
  m_app.createMain();
  setGauge(16);
  m_app.createBusted();
  setGauge(32);
  m_app.createGuns();
  setGauge(48);
  m_app.createCars();
  setGauge(64);
  m_app.createLoan();
  m_app.game().NewGame([this](int percent) { setGauge(percent); });
  if (m_app.terminated()) return;
  hide();
  m_app.frmMain()->refresh();
  m_app.frmMain()->show();
}

void TfrmSplash::closeEvent(QCloseEvent* event) {
  event->accept();
  m_app.game().Terminate();
}

void TfrmSplash::keyPressEvent(QKeyEvent* event) {
  // Enter anywhere on the screen presses the default button.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    m_btnContinue->click();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace quillmere
