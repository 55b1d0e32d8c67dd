// The game's message boxes.
#include "screens/MessageBox.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include "screens/Translation.h"

namespace quillmere {

namespace {

QMessageBox::Icon IconOf(DialogKind kind) {
  switch (kind) {
    case DialogKind::Information:
      return QMessageBox::Information;
    case DialogKind::Error:
      return QMessageBox::Critical;
    case DialogKind::Confirmation:
      return QMessageBox::Question;
    case DialogKind::Warning:
      return QMessageBox::Warning;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

QMessageBox* OpenMessageBox(QWidget* parent, const QString& caption, const QString& text,
                            DialogKind kind, DialogButtons buttons,
                            std::function<void(bool yes)> answered) {
  auto* box = new QMessageBox(parent);
  box->setWindowTitle(caption);
  box->setIcon(IconOf(kind));
  // The player's own text is shown as typed, never read as markup.
  box->setTextFormat(Qt::PlainText);
  box->setText(text);
  QPushButton* yes = nullptr;
  if (buttons == DialogButtons::YesNo) {
    yes =
        box->addButton(QCoreApplication::translate("quillmere::App", "&Yes"), QMessageBox::YesRole);
    QPushButton* no =
        box->addButton(QCoreApplication::translate("quillmere::App", "&No"), QMessageBox::NoRole);
    box->setDefaultButton(yes);
    box->setEscapeButton(no);
  } else {
    yes = box->addButton(QCoreApplication::translate("quillmere::App", "OK"),
                         QMessageBox::AcceptRole);
    box->setDefaultButton(yes);
    box->setEscapeButton(yes);
  }
  QObject::connect(box, &QDialog::finished, box, [box, yes, answered = std::move(answered)] {
    const bool yesClicked = box->clickedButton() == yes;
    box->deleteLater();
    if (answered) answered(yesClicked);
  });
  box->open();
  return box;
}

QMessageBox* OpenQuestion(QWidget* parent, const Question& question,
                          std::function<void(bool yes)> answered) {
  if (question.conversionError)
    return OpenMessageBox(
        parent, QStringLiteral("quillmere"),
        Translated("Message", kConversionError).arg(QString::fromStdString(question.text)),
        DialogKind::Error, DialogButtons::Ok, std::move(answered));
  return OpenMessageBox(parent, Translated("Caption", DialogCaption(question.kind)),
                        Translated("Message", question.text), question.kind, question.buttons,
                        std::move(answered));
}

}  // namespace quillmere
