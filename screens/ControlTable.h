// A screen as a table of its controls: each row names a control, says what kind it is, where
// it stands in which panel and what it says; one builder makes them all.
#pragma once

#include <QWidget>
#include <span>
#include <string_view>

namespace quillmere {

enum class Kind {
  Panel,       // grey, framed
  BlackPanel,  // holds a grid or a picture
  Bar,         // unframed, filled with the window's colour
  Label,       // white text, or the window's with kWindowText
  Picture,     // its caption is the picture's file
  Button,
  SmallButton,  // a button in a small font
  ToolButton,   // takes no focus
  NumberBox,
  Field,  // one line of text
  Memo,   // lines of text
  Group,  // a framed group with a title
  Bevel,
  Gauge,     // health: green on red
  Progress,  // the plain progress bar
  MarketGrid,
  PossessionGrid,
};

enum ControlFlags {
  kRight = 1,         // a label's text stands at its right edge
  kWrap = 2,          // a label's text wraps
  kMiddle = 4,        // a label's text stands in its middle line, as a plain label's does
  kFit = 8,           // a label takes the size of its text
  kDefault = 16,      // the button Enter presses in the screen's fields
  kAutoDefault = 32,  // a button that becomes the default while it has the focus
  kGrey = 64,         // a text box in white on grey
  kReadOnly = 128,    // a text box the player reads but cannot edit
  kWindowText = 256,  // a label in the window's own text colour rather than white
};

// One control of a screen. Positions are relative to the enclosing control (none: the
// window); a right-aligned label is placed by its right edge less its width. Captions and
// accessible names are marked with QT_TRANSLATE_NOOP in the screen's context and translated
// when the control is made.
struct Control {
  const char* name;
  Kind kind;
  const char* parent;
  int left, top, width, height;
  const char* caption = "";
  int flags = 0;
  const char* accessible = "";
};

// Makes a screen's controls, in the table's order, as children of window; context is the
// translation context of the table's captions. Each control is found again by its name; a
// parent named in the table that is not made before its children stops the program.
void BuildControls(QWidget& window, const char* context, std::span<const Control> controls);

// A control of a window by its object name. A name that is not there is a fault of the
// screen's own tables: the program stops there and then, naming it.
template <class T = QWidget>
T* FindControl(const QObject& window, const char* name) {
  T* control = window.findChild<T*>(QString::fromUtf8(name));
  if (!control) qFatal("quillmere: %s has no control %s", qPrintable(window.objectName()), name);
  return control;
}

}  // namespace quillmere
