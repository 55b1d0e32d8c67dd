// The pursuit screen: pay, run or fight.
#pragma once

#include <QDialog>

namespace quillmere {

class App;

class TfrmBusted : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmBusted(App& app, QWidget* parent = nullptr);
  // Redraws the screen from the game's state.
  void refresh();

 private:
  App& m_app;
};

}  // namespace quillmere
