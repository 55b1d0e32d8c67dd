// The game's text grids: white on black, rows picked by the mouse or the keyboard.
#pragma once

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTableWidget>
#include <functional>
#include <vector>

namespace quillmere {

// A text grid whose first row may be a fixed header. A released mouse button, or Enter or
// Space on the current row, picks the row; the engine decides what a pick means.
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

  // Shows the rows; a fixed first row is drawn like a header and cannot be selected.
  void showRows(const std::vector<QStringList>& rows, bool headerFixed) {
    setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < rowCount(); ++row) {
      const bool fixed = headerFixed && row == 0;
      for (int column = 0; column < columnCount(); ++column)
        showCell(row, column, rows[static_cast<std::size_t>(row)].value(column), fixed);
    }
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
      default:
        QTableWidget::keyPressEvent(event);
    }
  }

 private:
  void pick(int row) {
    if (onPick) onPick(row);
  }

  void showCell(int row, int column, const QString& text, bool fixed) {
    QTableWidgetItem* cell = item(row, column);
    if (!cell) {
      cell = new QTableWidgetItem;
      setItem(row, column, cell);
    }
    cell->setText(text);
    cell->setFlags(fixed ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    cell->setBackground(fixed ? palette().button() : QBrush());
    cell->setForeground(fixed ? palette().buttonText() : QBrush());
  }
};

}  // namespace quillmere
