// The loan payment dialog: the amount field and OK/Cancel, forwarded to the engine.
#include "screens/LoanScreen.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include "screens/App.h"
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

LoanScreen::LoanScreen(App& app, QWidget* parent) : QDialog(parent), m_app(app) {
  setWindowTitle(tr("Make a Loan Payment"));
  // A fixed frame with no close, minimise or maximise icons: OK or Cancel ends it.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(243, 101);
  PaintBlack(*this);

  BuildControls(*this, "quillmere::LoanScreen", kControls);
  m_edtPay = findChild<IntegerBox*>(QStringLiteral("edtPay"));
  m_edtPay->setAllowedCharacters(QStringLiteral("0123456789+-") + QLocale().decimalPoint());
  findChild<QLabel*>(QStringLiteral("Label1"))->setBuddy(m_edtPay);

  LoanDialog& loan = m_app.game().loan();
  connect(m_edtPay, &IntegerBox::edited, this,
          [&loan](const QString& text) { loan.setText(text.toStdString()); });
  connect(m_edtPay, &IntegerBox::stepped, this, [this, &loan](int steps) {
    loan.step(steps);
    refresh();
  });
  connect(m_edtPay, &IntegerBox::editingFinished, this, [this, &loan] {
    loan.edtPayExit();
    refresh();
  });
  OnClick(findChild<QPushButton*>(QStringLiteral("Button1")), this, &LoanScreen::Button1Click);
  OnClick(findChild<QPushButton*>(QStringLiteral("Button2")), this, &LoanScreen::reject);
}

void LoanScreen::refresh() {
  m_edtPay->setText(QString::fromStdString(m_app.game().loan().text()));
}

void LoanScreen::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  refresh();
  m_edtPay->setFocus();
  m_edtPay->selectAll();
}

void LoanScreen::Button1Click() {
  if (m_app.game().loan().Button1Click())
    accept();
  else
    refresh();
}

void LoanScreen::reject() {
  if (m_app.game().loan().Button2Click()) QDialog::reject();
}

}  // namespace quillmere
