// The loan payment dialog: how much of the debt to pay Tony from the cash at hand.
#pragma once

#include <QDialog>

namespace quillmere {

class App;
class IntegerBox;

class LoanScreen : public QDialog {
  Q_OBJECT

 public:
  explicit LoanScreen(App& app, QWidget* parent = nullptr);
  // Redraws the screen from the game's state.
  void refresh();

  // Cancel, Escape and the window system's close.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Button1Click();

  App& m_app;
  IntegerBox* m_edtPay = nullptr;
};

}  // namespace quillmere
