// The loan payment dialog: the amount field and OK/Cancel, forwarded to the engine.
#include "screens/LoanScreen.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include "game/game.h"
#include "screens/ControlTable.h"
#include "screens/IntegerBox.h"
#include "screens/ScreenKit.h"

namespace quillmere {

namespace {

constexpr Control kControls[] = {
    {"imgTony", Kind::Picture, "", 8, 8, 63, 85, "tony.jpg", 0,
     QT_TRANSLATE_NOOP("quillmere::LoanScreen", "Tony")},
    {"Label1", Kind::Label, "", 80, 10, 155, 13,
     QT_TRANSLATE_NOOP("quillmere::LoanScreen", "Pay how much?"), kMiddle},
    {"edtPay", Kind::NumberBox, "", 80, 28, 155, 22, "", 0,
     QT_TRANSLATE_NOOP("quillmere::LoanScreen", "Amount to pay")},
    {"Button1", Kind::Button, "", 80, 68, 75, 25, QT_TRANSLATE_NOOP("quillmere::LoanScreen", "OK"),
     kDefault | kAutoDefault},
    {"Button2", Kind::Button, "", 160, 68, 75, 25,
     QT_TRANSLATE_NOOP("quillmere::LoanScreen", "Cancel"), kAutoDefault},
};

}  // namespace

LoanScreen::LoanScreen(const Game& game, QWidget* parent) : QDialog(parent), m_game(game) {
  setWindowTitle(tr("Make a Loan Payment"));
  // A fixed frame with no close, minimise or maximise icons: OK or Cancel ends it.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(243, 101);
  PaintBlack(*this);

  BuildControls(*this, "quillmere::LoanScreen", kControls);
  m_edtPay = FindControl<IntegerBox>(*this, "edtPay");
  m_edtPay->setAllowedCharacters(QStringLiteral("0123456789+-") + QLocale().decimalPoint());
  FindControl<QLabel>(*this, "Label1")->setBuddy(m_edtPay);

  connect(m_edtPay, &IntegerBox::edited, this,
          [this](const QString& text) { emit acted(SetPayment{text.toStdString()}); });
  connect(m_edtPay, &IntegerBox::stepped, this,
          [this](int steps) { emit acted(StepPayment{steps}); });
  connect(m_edtPay, &IntegerBox::editingFinished, this,
          [this] { emit acted(LeavePaymentField{}); });
  SendOnClick(FindControl<QPushButton>(*this, "Button1"), this, ConfirmPayment{});
  SendOnClick(FindControl<QPushButton>(*this, "Button2"), this, CancelPayment{});
}

LoanScreen::~LoanScreen() {
  // The field loses the focus as the dialog goes: that is no action of the player's.
  m_edtPay->disconnect(this);
}

void LoanScreen::refresh() {
  // The game's own text comes back to the field without being sent again.
  const QSignalBlocker quiet(m_edtPay);
  m_edtPay->setText(QString::fromStdString(m_game.loan().text()));
}

void LoanScreen::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  refresh();
  m_edtPay->setFocus();
  m_edtPay->selectAll();
}

void LoanScreen::reject() { emit acted(CancelPayment{}); }

}  // namespace quillmere
