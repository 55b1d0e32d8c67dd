// What the gun dealer's and the car dealer's screens share: a grey fixed dialog centred on
// the screen, rows of pictures with their option buttons under them, and specs groups.
#pragma once

#include <QDialog>
#include <span>
#include <string_view>
#include <vector>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;

namespace quillmere {

class App;

// One item on a dealer's shelf and the names its controls carry.
struct ShelfItem {
  int kind;  // gunKind or carKind: also the option button's id in the group
  int row;
  const char* context;        // the name's translation context: "Guns" or "Cars"
  std::string_view name;      // the option button's caption and the picture's accessible name
  std::string_view selector;  // the option button's object name
  std::string_view file;      // the picture under :/pictures/
  std::string_view picture;   // the picture control's object name
};

// A line of a specs group: a caption and the value label beside it.
struct SpecLine {
  const char* caption;
  QLabel** value;
  const char* name;
};

class DealerForm : public QDialog {
  Q_OBJECT

 public:
  DealerForm(App& app, const QString& caption, QSize client, QWidget* parent);

  // Whatever closes the screen without a purchase (Leave, Escape, the window system) leaves.
  void reject() override;

 protected:
  // Lays the rows out from the top, each across [0, rowRight[row]): an item takes the width
  // of its picture or of its option button, whichever is wider, and the room left over is
  // shared out evenly before, between and after the items.
  void stockShelf(const std::vector<ShelfItem>& items, std::span<const int> rowRight);
  // Both dealers' captions, marked with QT_TRANSLATE_NOOP("quillmere::DealerForm", ...), in
  // the player's language.
  static QString Tr(const char* text);
  QGroupBox* addGroup(const char* title, const QRect& at, std::span<const SpecLine> lines);
  QPushButton* addButton(QWidget* parent, const char* name, const char* caption, const QRect& at);
  // A value label: right-aligned, so the digits of money line up.
  QLabel* addValue(QWidget* parent, const char* name, const QRect& at);

  void showEvent(QShowEvent* event) override;

  // The engine's side of each event; the form redraws after each one.
  virtual void selectClick(int kind) = 0;
  virtual bool closeClick() = 0;
  virtual void refresh() = 0;
  // Redraws every screen: a dealer changes what the main screen shows too.
  void redraw();
  void selectorToggled(int kind, bool checked);

  App& m_app;
  QButtonGroup* m_selectors;
};

}  // namespace quillmere
