// The end screen: the player's final assets, the bid code made from them, and the way out.
#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace quillmere {

class App;

class EndScreen : public QWidget {
  Q_OBJECT

 public:
  explicit EndScreen(App& app, QWidget* parent = nullptr);
  // Shows the score and the bid code the engine made when the game ended.
  void refresh();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void Button1Click();
  void Button2Click();
  void Button4Click();

  App& m_app;
  QLineEdit* m_edtScore;
  QLineEdit* m_edtEncrypted;
  QPushButton* m_Button2 = nullptr;
};

}  // namespace quillmere
