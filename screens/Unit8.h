// The loan payment dialog.
#pragma once

#include <QDialog>

namespace quillmere {

class App;

class TfrmLoan : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmLoan(App& app, QWidget* parent = nullptr);
  // Redraws the screen from the game's state.
  void refresh();

 private:
  App& m_app;
};

}  // namespace quillmere
