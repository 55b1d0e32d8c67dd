// The end screen: the assets and the bid code.
#pragma once

#include <QWidget>

namespace quillmere {

class App;

class TfrmEnd : public QWidget {
  Q_OBJECT

 public:
  explicit TfrmEnd(App& app, QWidget* parent = nullptr);
  // Redraws the screen from the game's state.
  void refresh();

 private:
  App& m_app;
};

}  // namespace quillmere
