// Shared by the GUI tests: the texts a screen cannot show whole. Each text is measured with its
// control's own font and style: a label's text must lie inside the label and clear of the
// controls beside it, a button's caption inside the button's contents, a group's title inside
// the group, a grid's cell text inside the visible part of its column, the status line inside
// the status bar, and a line of a text box without a scroll bar must not wrap.
#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextLayout>

namespace quillmere::testing {

namespace layout {

// Where a control draws its text, in its parent's coordinates; empty when it draws none.
inline QRect DrawnText(const QWidget* w) {
  if (const auto* label = qobject_cast<const QLabel*>(w)) {
    if (label->text().isEmpty() || !label->pixmap().isNull()) return {};
    const int margin = label->margin();
    const QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    return label->fontMetrics().boundingRect(room, flags, label->text()).translated(label->pos());
  }
  if (qobject_cast<const QPushButton*>(w) || qobject_cast<const QRadioButton*>(w)) {
    const auto* button = static_cast<const QAbstractButton*>(w);
    if (button->text().isEmpty()) return {};
    const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
    const Qt::Alignment place =
        qobject_cast<const QRadioButton*>(w) ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignCenter;
    return QStyle::alignedRect(button->layoutDirection(), place, text, button->geometry());
  }
  return {};
}

// The room a button has for its caption, and the width the caption takes.
inline std::pair<int, int> ButtonRoom(const QAbstractButton* button) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  const QFontMetrics metrics = button->fontMetrics();
  const int needed = metrics.size(Qt::TextShowMnemonic, button->text()).width();
  QStyle::SubElement contents = QStyle::SE_PushButtonContents;
  if (qobject_cast<const QRadioButton*>(button)) contents = QStyle::SE_RadioButtonContents;
  return {button->style()->subElementRect(contents, &option, button).width(), needed};
}

inline int VisualLines(const QPlainTextEdit* box) {
  int lines = 0;
  for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next())
    lines += block.layout() && block.layout()->lineCount() > 0 ? block.layout()->lineCount() : 1;
  return lines;
}

}  // namespace layout

// One line per text that does not fit: the control's name, the text and what is wrong. The
// screen must have been shown (or at least laid out) once.
inline QStringList ClippedTexts(QWidget* screen) {
  QStringList faults;
  auto fault = [&faults](const QWidget* w, const QString& text, const char* what) {
    faults << QStringLiteral("%1 \"%2\": %3").arg(w->objectName(), text, QLatin1String(what));
  };
  QList<QWidget*> controls = screen->findChildren<QWidget*>();
  controls.prepend(screen);
  for (QWidget* w : controls) {
    if (w->isWindow() && w != screen) continue;  // a menu, or another screen's window
    if (const auto* label = qobject_cast<QLabel*>(w)) {
      const QRect drawn = layout::DrawnText(label);
      if (!drawn.isEmpty() && !label->geometry().contains(drawn))
        fault(label, label->text(), "does not fit its label");
    } else if (const auto* button = qobject_cast<QPushButton*>(w);
               button || qobject_cast<QRadioButton*>(w)) {
      const auto [room, needed] = layout::ButtonRoom(static_cast<QAbstractButton*>(w));
      if (needed > room)
        fault(w, static_cast<QAbstractButton*>(w)->text(), "wider than its button");
    } else if (const auto* group = qobject_cast<QGroupBox*>(w)) {
      QStyleOptionGroupBox option;
      option.initFrom(group);
      option.text = group->title();
      option.textAlignment = group->alignment();
      option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
      const QRect title = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                         QStyle::SC_GroupBoxLabel, group);
      if (title.right() >= group->width())
        fault(group, group->title(), "title wider than its group");
    } else if (const auto* grid = qobject_cast<QTableWidget*>(w)) {
      const int pad =
          2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1);
      for (int row = 0; row < grid->rowCount(); ++row) {
        for (int column = 0; column < grid->columnCount(); ++column) {
          const QTableWidgetItem* cell = grid->item(row, column);
          if (!cell || cell->text().isEmpty()) continue;
          const int shown =
              std::min(grid->columnWidth(column),
                       grid->viewport()->width() - grid->columnViewportPosition(column));
          if (grid->fontMetrics().horizontalAdvance(cell->text()) + pad > shown)
            fault(grid, cell->text(), "wider than its column");
        }
      }
    } else if (const auto* bar = qobject_cast<QStatusBar*>(w)) {
      // The status bar draws its message inset by its frame and a small margin.
      const int room =
          bar->contentsRect().width() - 2 * bar->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
      if (bar->fontMetrics().horizontalAdvance(bar->currentMessage()) > room)
        fault(bar, bar->currentMessage(), "longer than the status bar");
    } else if (const auto* box = qobject_cast<QPlainTextEdit*>(w)) {
      // Without a scroll bar a text box has room for its lines as written, not for more.
      if (box->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff &&
          layout::VisualLines(box) > box->document()->blockCount())
        fault(box, box->toPlainText(), "a line wraps where nothing scrolls");
    }
  }
  // A text must not run into the controls beside it.
  for (QWidget* w : controls) {
    const QRect drawn = layout::DrawnText(w);
    if (drawn.isEmpty() || w->isHidden()) continue;
    for (QObject* object : w->parentWidget() ? w->parentWidget()->children() : QObjectList{}) {
      auto* other = qobject_cast<QWidget*>(object);
      if (!other || other == w || other->isWindow() || other->isHidden()) continue;
      QRect theirs = other->geometry();
      if (const auto* label = qobject_cast<QLabel*>(other); label && label->pixmap().isNull())
        theirs = layout::DrawnText(label);
      if (drawn.intersects(theirs))
        faults << QStringLiteral("%1 runs into %2").arg(w->objectName(), other->objectName());
    }
  }
  return faults;
}

}  // namespace quillmere::testing
