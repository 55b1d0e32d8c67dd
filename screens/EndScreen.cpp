// The end screen: the player's final assets, the bid code made from them, and the way out.
#include "screens/EndScreen.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "game/game.h"
#include "game/web.h"
#include "screens/ControlTable.h"
#include "screens/ScreenKit.h"

namespace quillmere {

namespace {

constexpr int kRowTop = 104;
constexpr int kLabelTop = kRowTop + 4;

constexpr Control kControls[] = {
    {"Memo1", Kind::Memo, "", 8, 8, 369, 89,
     QT_TRANSLATE_NOOP("quillmere::EndScreen",
                       "You're out of time. You must make a bid now.\n"
                       "You have worked very hard to even get here and now for the payoff.\n"
                       "\n"
                       "Do you have enough money to put a price on the life of the man who \n"
                       "killed your mother?\n"
                       "\n"
                       "There is only one way to find out.\n"
                       "Post your bid and watch the outcome."),
     kGrey | kReadOnly, QT_TRANSLATE_NOOP("quillmere::EndScreen", "The end of the game")},
    {"Label1", Kind::Label, "", 8, kLabelTop, 64, 13,
     QT_TRANSLATE_NOOP("quillmere::EndScreen", "Your Assets:"), kMiddle},
    {"edtScore", Kind::Field, "", 72, kRowTop, 105, 21, "", kGrey | kReadOnly,
     QT_TRANSLATE_NOOP("quillmere::EndScreen", "Your Assets")},
    {"Label2", Kind::Label, "", 184, kLabelTop, 56, 13,
     QT_TRANSLATE_NOOP("quillmere::EndScreen", "Encrypted:"), kMiddle},
    {"edtEncrypted", Kind::Field, "", 240, kRowTop, 137, 21, "", kGrey | kReadOnly,
     QT_TRANSLATE_NOOP("quillmere::EndScreen", "Encrypted bid")},
    {"Button1", Kind::Button, "", 8, 136, 369, 25,
     QT_TRANSLATE_NOOP("quillmere::EndScreen", "Copy encrypted bid amount to clipboard")},
    {"Button2", Kind::Button, "", 8, 168, 369, 25,
     QT_TRANSLATE_NOOP("quillmere::EndScreen", "Visit website and post your bid")},
    {"Button4", Kind::Button, "", 8, 200, 369, 25,
     QT_TRANSLATE_NOOP("quillmere::EndScreen", "Retire")},
    {"GroupBox1", Kind::Group, "", 8, 232, 369, 105,
     QT_TRANSLATE_NOOP("quillmere::EndScreen", " Instructions ")},
    {"Memo2", Kind::Memo, "GroupBox1", 8, 16, 353, 81, "", kGrey,
     QT_TRANSLATE_NOOP("quillmere::EndScreen", "Instructions")},
};

}  // namespace

EndScreen::EndScreen(const Game& game, const QString& website, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_game(game) {
  setWindowTitle(tr("Your time has come."));
  setFixedSize(385, 347);
  PaintBlack(*this);
  QPalette white = palette();
  white.setColor(QPalette::WindowText, Qt::white);
  setPalette(white);

  BuildControls(*this, "quillmere::EndScreen", kControls);
  auto* memo1 = FindControl<QPlainTextEdit>(*this, "Memo1");
  memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  m_edtScore = FindControl<QLineEdit>(*this, "edtScore");
  m_edtEncrypted = FindControl<QLineEdit>(*this, "edtEncrypted");
  QPushButton* buttons[] = {FindControl<QPushButton>(*this, "Button1"),
                            FindControl<QPushButton>(*this, "Button2"),
                            FindControl<QPushButton>(*this, "Button4")};
  m_Button2 = buttons[1];
  connect(buttons[0], &QPushButton::clicked, this, &EndScreen::Button1Click);
  connect(buttons[1], &QPushButton::clicked, this, [this] { emit pageRequested(kWebsitePage); });
  connect(buttons[2], &QPushButton::clicked, this, &EndScreen::close);
  auto* memo2 = FindControl<QPlainTextEdit>(*this, "Memo2");
  memo2->setPlainText(tr("Visit our website\n"
                         "%1\n"
                         "\n"
                         "Log in as a bidder or create a new account.\n"
                         "Paste your encrypted bid into your account by pressing Ctrl+V.\n"
                         "\n"
                         "Good Luck.")
                          .arg(website));
  memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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

void EndScreen::refresh() {
  const GameResult& end = m_game.result();
  m_edtScore->setText(QString::fromStdString(end.score));
  m_edtEncrypted->setText(QString::fromStdString(end.bidCode));
  // A long code is read from its start.
  m_edtScore->setCursorPosition(0);
  m_edtEncrypted->setCursorPosition(0);
}

void EndScreen::Button1Click() {
  m_edtEncrypted->selectAll();
  // Like any copy, an empty selection leaves the clipboard as it was.
  if (m_edtEncrypted->hasSelectedText())
    QGuiApplication::clipboard()->setText(m_edtEncrypted->selectedText());
  m_Button2->setFocus();
}

void EndScreen::closeEvent(QCloseEvent* event) {
  // Retire and the window system's close both end the program; no window stays behind.
  emit acted(Quit{});
  event->accept();
}

void EndScreen::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  CentreOnScreen(*this);
}

}  // namespace quillmere
