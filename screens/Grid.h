// The game's text grids: white on black, rows picked by the mouse or the keyboard.
#pragma once

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTableWidget>
#include <algorithm>
#include <functional>
#include <vector>

namespace quillmere {

// A text grid whose first row is its header, drawn like one once it is fixed. A released mouse
// button, or Enter or Space on the current row, picks the row; the engine decides what a pick
// means. Only a row with something in it can be selected: neither the header nor an empty row
// takes the highlight, by mouse or by key, and the arrow keys step over them.
class Grid final : public QTableWidget {
  Q_OBJECT

 public:
  Grid(int columns, int columnWidth, int rowHeight, Qt::ScrollBarPolicy vertical, QWidget* parent)
      : QTableWidget(0, columns, parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setDefaultSectionSize(columnWidth);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(vertical);
    setShowGrid(false);
    setWordWrap(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::black);
    colours.setColor(QPalette::Text, Qt::white);
    setPalette(colours);
  }

  std::function<void(int row)> onPick;
  // Whether an arrow key that moves the highlight picks the row it lands on.
  bool pickOnMove = false;

  // Shows the rows, the header first. A highlight left on a row that is now empty goes.
  void showRows(const std::vector<QStringList>& rows, bool headerFixed) {
    setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < rowCount(); ++row) {
      const QStringList& cells = rows[static_cast<std::size_t>(row)];
      const bool filled =
          row > 0 && std::any_of(cells.begin(), cells.end(), [](auto& c) { return !c.isEmpty(); });
      for (int column = 0; column < columnCount(); ++column)
        showCell(row, column, cells.value(column), headerFixed && row == 0, filled);
    }
    // The selection model still holds a row that has lost its flag, though it no longer shows it.
    const QItemSelection held = selectionModel()->selection();
    if (!held.isEmpty() && !selectable(held.front().top())) clearSelection();
  }

  // Highlights a row and makes it the current one; a row that cannot be selected clears it.
  void showSelected(int row) {
    if (selectable(row))
      setCurrentIndex(model()->index(row, 0));
    else
      clearSelection();
  }

  // The grid only scrolls up and down: a partly hidden last column must not shift it.
  void scrollTo(const QModelIndex& index, ScrollHint hint) override {
    QTableWidget::scrollTo(model()->index(index.row(), 0), hint);
  }

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    QTableWidget::mouseReleaseEvent(event);
    const QPoint at = event->position().toPoint();
    pick(columnAt(at.x()) < 0 ? -1 : rowAt(at.y()));
  }

  void keyPressEvent(QKeyEvent* event) override {
    switch (event->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
      case Qt::Key_Space:
        pick(currentRow());
        return;
      default: {
        const int before = currentRow();
        QTableWidget::keyPressEvent(event);
        if (pickOnMove && currentRow() != before) pick(currentRow());
      }
    }
  }

  // A press or a drag over a row that cannot be selected moves neither the highlight nor the
  // current row (whose frame would stand on the header).
  void mousePressEvent(QMouseEvent* event) override {
    if (!overEmptyRow(event)) QTableWidget::mousePressEvent(event);
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    if (!overEmptyRow(event)) QTableWidget::mouseMoveEvent(event);
  }

  // Nor does anything else that would select such a row, a typed letter for one.
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override {
    if (index.isValid() && !selectable(index.row())) return QItemSelectionModel::NoUpdate;
    return QTableWidget::selectionCommand(index, event);
  }

  // The keys move to the nearest row that can be selected, the way they go; past the last
  // one, back the other way (Ctrl+Home lands on the first row under the header); none: stay.
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override {
    const QModelIndex target = QTableWidget::moveCursor(action, modifiers);
    if (!target.isValid() || selectable(target.row())) return target;
    const int step = target.row() < currentRow() ? -1 : 1;
    for (int way : {step, -step})
      for (int row = target.row() + way; row >= 0 && row < rowCount(); row += way)
        if (selectable(row)) return model()->index(row, target.column());
    return currentIndex();
  }

 private:
  void pick(int row) {
    if (onPick) onPick(row);
  }

  bool overEmptyRow(const QMouseEvent* event) const {
    const QModelIndex at = indexAt(event->position().toPoint());
    return at.isValid() && !selectable(at.row());
  }

  bool selectable(int row) const {
    const QTableWidgetItem* cell = item(row, 0);
    return cell && (cell->flags() & Qt::ItemIsSelectable);
  }

  void showCell(int row, int column, const QString& text, bool fixed, bool filled) {
    QTableWidgetItem* cell = item(row, column);
    if (!cell) {
      cell = new QTableWidgetItem;
      setItem(row, column, cell);
    }
    cell->setText(text);
    cell->setFlags(filled ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsEnabled);
    cell->setBackground(fixed ? palette().button() : QBrush());
    cell->setForeground(fixed ? palette().buttonText() : QBrush());
  }
};

}  // namespace quillmere
