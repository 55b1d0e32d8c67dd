// The start screen: the start picture, the name field, the website links, and the start
// sequence that creates every screen and hands over to the main screen.
#pragma once

#include <QWidget>

class QLineEdit;
class QProgressBar;
class QPushButton;

namespace quillmere {

class App;

class StartScreen : public QWidget {
  Q_OBJECT

 public:
  explicit StartScreen(App& app, QWidget* parent = nullptr);

  void btnContinueClick();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void setGauge(int percent);

  App& m_app;
  QLineEdit* m_edtLogin;
  QPushButton* m_btnContinue;
  QProgressBar* m_loading;
};

}  // namespace quillmere
