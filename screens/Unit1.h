// The main screen: market, possession, trade panel, money, car and gun panels, travel.
#pragma once

#include <QMainWindow>

namespace quillmere {

class App;

class TfrmMain : public QMainWindow {
  Q_OBJECT

 public:
  explicit TfrmMain(App& app, QWidget* parent = nullptr);
  // Redraws the screen from the game's state.
  void refresh();

 private:
  App& m_app;
};

}  // namespace quillmere
