// The car dealer.
#pragma once

#include <QDialog>

namespace quillmere {

class App;

class TfrmCars : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmCars(App& app, QWidget* parent = nullptr);
  // Redraws the screen from the game's state.
  void refresh();

 private:
  App& m_app;
};

}  // namespace quillmere
