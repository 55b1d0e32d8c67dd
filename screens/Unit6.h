// The start screen: name, links and the start sequence.
#pragma once

#include <QWidget>

namespace quillmere {

class App;

class TfrmSplash : public QWidget {
  Q_OBJECT

 public:
  explicit TfrmSplash(App& app, QWidget* parent = nullptr);
  // Redraws the screen from the game's state.
  void refresh();

 private:
  App& m_app;
};

}  // namespace quillmere
