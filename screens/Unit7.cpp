// The end screen: the player's final assets, the bid code made from them, and the way out.
#include "screens/Unit7.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "game/web.h"
#include "screens/App.h"
#include "screens/ScreenKit.h"

namespace quillmere {

namespace {

constexpr int kRowTop = 104;
constexpr int kFieldHeight = 21;
constexpr int kLabelOffset = 4;

// The screen's text boxes: white on grey, on the black window.
void paintGrey(QWidget* box) {
  QPalette grey = box->palette();
  grey.setColor(QPalette::Base, QColor(128, 128, 128));
  grey.setColor(QPalette::Text, Qt::white);
  box->setPalette(grey);
}

QPlainTextEdit* makeMemo(QWidget* parent, const char* name, const QRect& place,
                         const QString& text) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setObjectName(QString::fromLatin1(name));
  memo->setGeometry(place);
  memo->setTabChangesFocus(true);
  memo->setPlainText(text);
  paintGrey(memo);
  return memo;
}

QLineEdit* makeField(QWidget* parent, const char* name, int left, int width) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setGeometry(left, kRowTop, width, kFieldHeight);
  field->setReadOnly(true);
  paintGrey(field);
  return field;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, int left, int width) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(left, kRowTop + kLabelOffset, width, 13);
  return label;
}

}  // namespace

TfrmEnd::TfrmEnd(App& app, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_app(app) {
  setWindowTitle(tr("Your time has come."));
  setFixedSize(385, 347);
  PaintBlack(*this);
  QPalette white = palette();
  white.setColor(QPalette::WindowText, Qt::white);
  setPalette(white);

  QPlainTextEdit* memo1 =
      makeMemo(this, "Memo1", QRect(8, 8, 369, 89),
               tr("You're out of time. You must make a bid now.\n"
                  "You have worked very hard to even get here and now for the payoff.\n"
                  "\n"
                  "Do you have enough money to put a price on the life of the man who \n"
                  "killed your mother?\n"
                  "\n"
                  "There is only one way to find out.\n"
                  "Post your bid and watch the outcome."));
  memo1->setReadOnly(true);
  memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  memo1->setFocusPolicy(Qt::StrongFocus);
  memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo1->setAccessibleName(tr("The end of the game"));

  makeLabel(this, "Label1", tr("Your Assets:"), 8, 64);
  m_edtScore = makeField(this, "edtScore", 72, 105);
  m_edtScore->setAccessibleName(tr("Your Assets"));
  makeLabel(this, "Label2", tr("Encrypted:"), 184, 56);
  m_edtEncrypted = makeField(this, "edtEncrypted", 240, 137);
  m_edtEncrypted->setAccessibleName(tr("Encrypted bid"));

  struct Button {
    const char* name;
    const char* caption;
    int top;
    void (TfrmEnd::*click)();
  };
  static constexpr Button kButtons[] = {
      {"Button1", QT_TRANSLATE_NOOP("quillmere::TfrmEnd", "Copy encrypted bid amount to clipboard"),
       136, &TfrmEnd::Button1Click},
      {"Button2", QT_TRANSLATE_NOOP("quillmere::TfrmEnd", "Visit website and post your bid"), 168,
       &TfrmEnd::Button2Click},
      {"Button4", QT_TRANSLATE_NOOP("quillmere::TfrmEnd", "Retire"), 200, &TfrmEnd::Button4Click},
  };
  QPushButton* buttons[std::size(kButtons)];
  for (std::size_t i = 0; i < std::size(kButtons); ++i) {
    const Button& b = kButtons[i];
    auto* button = new QPushButton(tr(b.caption), this);
    button->setObjectName(QString::fromLatin1(b.name));
    button->setGeometry(8, b.top, 369, 25);
    OnClick(button, this, b.click);
    buttons[i] = button;
  }
  m_Button2 = buttons[1];

  auto* groupBox1 = new QGroupBox(tr(" Instructions "), this);
  groupBox1->setObjectName(QStringLiteral("GroupBox1"));
  groupBox1->setGeometry(8, 232, 369, 105);
  QPlainTextEdit* memo2 =
      makeMemo(groupBox1, "Memo2", QRect(8, 16, 353, 81),
               tr("Visit our website\n"
                  "%1\n"
                  "\n"
                  "Log in as a bidder or create a new account.\n"
                  "Paste your encrypted bid into your account by pressing Ctrl+V.\n"
                  "\n"
                  "Good Luck.")
                   .arg(m_app.webAddress(kWebsitePage)));
  memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo2->setAccessibleName(tr("Instructions"));
  memo2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  setTabOrder(memo1, buttons[0]);
  setTabOrder(buttons[0], m_edtScore);
  setTabOrder(m_edtScore, m_Button2);
  setTabOrder(m_Button2, buttons[2]);
  setTabOrder(buttons[2], m_edtEncrypted);
  setTabOrder(m_edtEncrypted, memo2);
  // The screen is given the focus when it opens; the first control in the tab order takes it.
  setFocusProxy(memo1);

  refresh();
}

void TfrmEnd::refresh() {
  const EndScreen& end = m_app.game().end();
  m_edtScore->setText(QString::fromStdString(end.edtScore));
  m_edtEncrypted->setText(QString::fromStdString(end.edtEncrypted));
  // A long code is read from its start.
  m_edtScore->setCursorPosition(0);
  m_edtEncrypted->setCursorPosition(0);
}

void TfrmEnd::Button1Click() {
  m_edtEncrypted->selectAll();
  // Like any copy, an empty selection leaves the clipboard as it was.
  if (m_edtEncrypted->hasSelectedText())
    QGuiApplication::clipboard()->setText(m_edtEncrypted->selectedText());
  m_Button2->setFocus();
}

void TfrmEnd::Button2Click() { m_app.OpenInBrowser(kWebsitePage); }

void TfrmEnd::Button4Click() { close(); }

void TfrmEnd::closeEvent(QCloseEvent* event) {
  // Retire and the window system's close both end the program; no window stays behind.
  m_app.game().Terminate();
  event->accept();
}

void TfrmEnd::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  CentreOnScreen(*this);
}

}  // namespace quillmere
