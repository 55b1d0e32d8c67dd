// The start screen: the start picture, the name field, the website links, and the start
// sequence that creates every screen and hands over to the main screen.
#pragma once

#include <QPointer>
#include <QWidget>
#include <string_view>

#include "game/action.h"

class QLineEdit;
class QMessageBox;
class QProgressBar;
class QPushButton;

namespace quillmere {

class StartScreen : public QWidget {
  Q_OBJECT

 public:
  explicit StartScreen(QWidget* parent = nullptr);

  // Continue: with a name given, the game starts; without one the screen says so.
  void btnContinueClick();
  // The loading gauge, as the start sequence goes.
  void setGauge(int percent);

 signals:
  void acted(const quillmere::Action& action);
  // The start sequence is to run.
  void continued();
  // A page of the game's website is to be opened.
  void pageRequested(std::string_view page);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QLineEdit* m_edtLogin;
  QPushButton* m_btnContinue;
  QProgressBar* m_loading;
  QPointer<QMessageBox> m_refusal;
};

}  // namespace quillmere
