// A number box with up and down arrows that keeps whatever the player types: the engine,
// not the widget, decides what the text means and what a step does.
#pragma once

#include <QAbstractSpinBox>
#include <QString>

namespace quillmere {

class IntegerBox : public QAbstractSpinBox {
  Q_OBJECT

 public:
  explicit IntegerBox(QWidget* parent = nullptr);

  // Shows a text without disturbing the caret when it is already there.
  void setText(const QString& text);
  // The characters the player may type; empty (the default) lets any text in.
  void setAllowedCharacters(const QString& characters) { m_allowed = characters; }

  void stepBy(int steps) override;
  QValidator::State validate(QString& input, int& pos) const override;

 signals:
  // The text changed, by whatever means.
  void edited(const QString& text);
  // The player pressed an arrow (or turned the wheel) by this many steps.
  void stepped(int steps);

 protected:
  StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }

 private:
  QString m_allowed;
};

}  // namespace quillmere
