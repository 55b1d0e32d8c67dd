// The loan payment dialog: the amount field and OK/Cancel, forwarded to the engine.
#include "screens/Unit8.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include "screens/App.h"
#include "screens/IntegerBox.h"
#include "screens/Pictures.h"
#include "screens/ScreenKit.h"

namespace quillmere {

TfrmLoan::TfrmLoan(App& app, QWidget* parent) : QDialog(parent), m_app(app) {
  setWindowTitle(tr("Make a Loan Payment"));
  // A fixed frame with no close, minimise or maximise icons: OK or Cancel ends it.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(243, 101);
  PaintBlack(*this);

  auto* imgTony = new QLabel(this);
  imgTony->setObjectName(QStringLiteral("imgTony"));
  imgTony->setAccessibleName(tr("Tony"));
  imgTony->setGeometry(8, 8, 63, 85);
  imgTony->setAlignment(Qt::AlignCenter);
  imgTony->setPixmap(Picture("tony.jpg"));

  auto* label = new QLabel(tr("Pay how much?"), this);
  label->setObjectName(QStringLiteral("Label1"));
  label->setGeometry(80, 10, 155, 13);
  QPalette white = label->palette();
  white.setColor(QPalette::WindowText, Qt::white);
  label->setPalette(white);

  m_edtPay = new IntegerBox(this);
  m_edtPay->setObjectName(QStringLiteral("edtPay"));
  m_edtPay->setAccessibleName(tr("Amount to pay"));
  m_edtPay->setGeometry(80, 28, 155, 22);
  m_edtPay->setAllowedCharacters(QStringLiteral("0123456789+-") + QLocale().decimalPoint());
  label->setBuddy(m_edtPay);

  auto* ok = new QPushButton(tr("OK"), this);
  ok->setObjectName(QStringLiteral("Button1"));
  ok->setGeometry(80, 68, 75, 25);
  ok->setDefault(true);
  auto* cancel = new QPushButton(tr("Cancel"), this);
  cancel->setObjectName(QStringLiteral("Button2"));
  cancel->setGeometry(160, 68, 75, 25);

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
  OnClick(ok, this, &TfrmLoan::Button1Click);
  OnClick(cancel, this, &TfrmLoan::reject);
}

void TfrmLoan::refresh() { m_edtPay->setText(QString::fromStdString(m_app.game().loan().text())); }

void TfrmLoan::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  refresh();
  m_edtPay->setFocus();
  m_edtPay->selectAll();
}

void TfrmLoan::Button1Click() {
  if (m_app.game().loan().Button1Click())
    accept();
  else
    refresh();
}

void TfrmLoan::reject() {
  if (m_app.game().loan().Button2Click()) QDialog::reject();
}

}  // namespace quillmere
