// The builder of the screens' control tables.
#include "screens/ControlTable.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>

#include "screens/Grid.h"
#include "screens/IntegerBox.h"
#include "screens/Pictures.h"
#include "screens/ScreenKit.h"

namespace quillmere {
namespace {

constexpr int kRowHeight = 18;

void PaintGrey(QWidget& box) {
  QPalette grey = box.palette();
  grey.setColor(QPalette::Base, QColor(128, 128, 128));
  grey.setColor(QPalette::Text, Qt::white);
  box.setPalette(grey);
}

QWidget* MakeControl(const Control& c, const QString& caption, QWidget* parent) {
  switch (c.kind) {
    case Kind::Panel: {
      auto* panel = new QFrame(parent);
      panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
      QPalette colours = panel->palette();
      colours.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
      colours.setColor(QPalette::Light, QColor(0xc0, 0xc0, 0xc0));
      colours.setColor(QPalette::Dark, QColor(0x40, 0x40, 0x40));
      panel->setPalette(colours);
      panel->setAutoFillBackground(true);
      return panel;
    }
    case Kind::BlackPanel: {
      auto* panel = new QFrame(parent);
      PaintBlack(*panel);
      return panel;
    }
    case Kind::Bar: {
      auto* bar = new QWidget(parent);
      bar->setAutoFillBackground(true);
      return bar;
    }
    case Kind::Label: {
      auto* label = new QLabel(caption, parent);
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(((c.flags & kRight) ? Qt::AlignRight : Qt::AlignLeft) |
                          ((c.flags & kMiddle) ? Qt::AlignVCenter : Qt::AlignTop));
      label->setWordWrap(c.flags & kWrap);
      if (!(c.flags & kWindowText)) {
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(colours);
      }
      return label;
    }
    case Kind::Picture: {
      auto* picture = new QLabel(parent);
      picture->setAlignment(Qt::AlignCenter);
      ShowPicture(picture, c.caption);
      return picture;
    }
    case Kind::Button:
    case Kind::SmallButton: {
      auto* button = new QPushButton(caption, parent);
      button->setAutoDefault(c.flags & kAutoDefault);
      button->setDefault(c.flags & kDefault);
      if (c.kind == Kind::SmallButton) {
        QFont small;
        small.setPointSize(6);
        button->setFont(small);
      }
      return button;
    }
    case Kind::ToolButton: {
      auto* button = new QToolButton(parent);
      button->setText(caption);
      button->setFocusPolicy(Qt::NoFocus);
      return button;
    }
    case Kind::NumberBox:
      return new IntegerBox(parent);
    case Kind::Field: {
      auto* field = new QLineEdit(parent);
      field->setReadOnly(c.flags & kReadOnly);
      if (c.flags & kGrey) PaintGrey(*field);
      return field;
    }
    case Kind::Memo: {
      auto* memo = new QPlainTextEdit(parent);
      memo->setTabChangesFocus(true);
      if (!caption.isEmpty()) memo->setPlainText(caption);
      if (c.flags & kReadOnly) {
        memo->setReadOnly(true);
        memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        memo->setFocusPolicy(Qt::StrongFocus);
      }
      if (c.flags & kGrey) PaintGrey(*memo);
      return memo;
    }
    case Kind::Group:
      return new QGroupBox(caption, parent);
    case Kind::Bevel: {
      auto* bevel = new QFrame(parent);
      bevel->setFrameStyle(QFrame::HLine | QFrame::Sunken);
      return bevel;
    }
    case Kind::Gauge: {
      auto* gauge = new QProgressBar(parent);
      gauge->setRange(0, 100);
      gauge->setFormat(QStringLiteral("%p%"));
      gauge->setTextVisible(true);
      gauge->setStyleSheet(
          QStringLiteral("QProgressBar { background: red; border: 1px solid #404040; color: black;"
                         " text-align: center; }"
                         "QProgressBar::chunk { background: #00c000; }"));
      return gauge;
    }
    case Kind::Progress: {
      auto* progress = new QProgressBar(parent);
      progress->setRange(0, 100);
      progress->setValue(0);
      progress->setTextVisible(true);
      return progress;
    }
    case Kind::MarketGrid:
      return new Grid(2, 91, kRowHeight, Qt::ScrollBarAlwaysOff, parent);
    case Kind::PossessionGrid:
      return new Grid(3, 75, kRowHeight, Qt::ScrollBarAsNeeded, parent);
  }
  return nullptr;
}

}  // namespace

void BuildControls(QWidget& window, const char* context, std::span<const Control> controls) {
  for (const Control& c : controls) {
    QWidget* parent = *c.parent ? FindControl(window, c.parent) : &window;
    const QString caption = c.kind == Kind::Picture || !*c.caption
                                ? QString()
                                : QCoreApplication::translate(context, c.caption);
    QWidget* widget = MakeControl(c, caption, parent);
    widget->setObjectName(QString::fromUtf8(c.name));
    if (auto* box = qobject_cast<QAbstractScrollArea*>(widget)) PlainScrollBars(*box);
    if (c.flags & kFit) {
      widget->move(c.left, c.top);
      widget->adjustSize();
    } else {
      widget->setGeometry(c.left, c.top, c.width, c.height);
    }
    if (*c.accessible)
      widget->setAccessibleName(QCoreApplication::translate(context, c.accessible));
  }
}

}  // namespace quillmere
