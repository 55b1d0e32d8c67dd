// A number box with arrows that accepts any text and leaves stepping to its owner.
#include "screens/IntegerBox.h"

#include <QLineEdit>

namespace quillmere {

IntegerBox::IntegerBox(QWidget* parent) : QAbstractSpinBox(parent) {
  lineEdit()->setText(QStringLiteral("0"));
  // Whoever changes the text (typing, pasting, a screen reader or a dictation tool through
  // the accessibility interface), the owner hears of it, so what the box shows is what the
  // engine reads. A text the owner sets itself comes back unchanged and costs nothing.
  connect(lineEdit(), &QLineEdit::textChanged, this, &IntegerBox::edited);
}

void IntegerBox::setText(const QString& text) {
  if (lineEdit()->text() != text) lineEdit()->setText(text);
}

void IntegerBox::stepBy(int steps) { emit stepped(steps); }

QValidator::State IntegerBox::validate(QString& input, int&) const {
  if (m_allowed.isEmpty()) return QValidator::Acceptable;
  for (const QChar c : input)
    if (!m_allowed.contains(c)) return QValidator::Invalid;
  return QValidator::Acceptable;
}

}  // namespace quillmere
