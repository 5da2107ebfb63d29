#include "ui/FileGridAccessible.h"

#include "filelist/GridGeometry.h"
#include "filelist/SourceList.h"
#include "ui/FileGrid.h"

#include <QAccessibleTableInterface>
#include <QAccessibleWidget>
#include <QPointer>
#include <mutex>

namespace veltrane {
namespace {

constexpr int kColumns = 3; // marks, name, folder

const FileGrid *gridOf(const QObject *surface) { return qobject_cast<const FileGrid *>(surface->parent()); }

class FileGridTable;

// One cell: row and column from 0, as assistive technology counts.
class FileGridCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
  FileGridCell(FileGridTable *table, int row, int column) : m_table(table), m_row(row), m_column(column) {}

  bool isValid() const override;
  QObject *object() const override { return nullptr; }
  QAccessibleInterface *parent() const override;
  QAccessibleInterface *child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface *) const override { return -1; }
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text, const QString &) override {}
  QRect rect() const override { return {}; }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override;
  QAccessibleInterface *childAt(int, int) const override { return nullptr; }
  void *interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface *>(this)
                                                   : nullptr;
  }

  bool isSelected() const override;
  QList<QAccessibleInterface *> columnHeaderCells() const override;
  QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return m_column; }
  int rowIndex() const override { return m_row; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface *table() const override;

private:
  FileGridTable *m_table;
  int m_row;
  int m_column;
};

// The surface the grid paints on, as a table.
class FileGridTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
  explicit FileGridTable(QWidget *surface) : QAccessibleWidget(surface, QAccessible::Table) {}
  ~FileGridTable() override {
    for (QAccessible::Id id : std::as_const(m_cells))
      QAccessible::deleteAccessibleInterface(id);
  }

  const FileGrid *grid() const { return gridOf(object()); }
  QString cellText(int row, int column) const {
    return grid() ? grid()->table().cell(row + 1, column + 1) : QString();
  }

  void *interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableInterface)
      return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  int childCount() const override { return rowCount() * columnCount(); }
  QAccessibleInterface *child(int index) const override {
    return columnCount() > 0 ? cellAt(index / columnCount(), index % columnCount()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface *child) const override {
    if (const auto *cell = const_cast<QAccessibleInterface *>(child)->tableCellInterface())
      return cell->rowIndex() * columnCount() + cell->columnIndex();
    return -1;
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name)
      return object()->property("accessibleName").toString();
    return QAccessibleWidget::text(t);
  }

  QAccessibleInterface *caption() const override { return nullptr; }
  QAccessibleInterface *summary() const override { return nullptr; }
  QAccessibleInterface *cellAt(int row, int column) const override {
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
      return nullptr;
    const int key = row * kColumns + column;
    if (const auto found = m_cells.constFind(key); found != m_cells.constEnd())
      return QAccessible::accessibleInterface(*found);
    auto *cell = new FileGridCell(const_cast<FileGridTable *>(this), row, column); // owned by QAccessible
    m_cells.insert(key, QAccessible::registerAccessibleInterface(cell));
    return cell;
  }
  QString columnDescription(int column) const override {
    return grid() ? parseColumnSpec(grid()->table().cell(0, column + 1)).title : QString();
  }
  QString rowDescription(int row) const override { return cellText(row, 1); }
  int columnCount() const override { return kColumns; }
  int rowCount() const override { return grid() ? grid()->table().fileCount() : 0; }
  int selectedCellCount() const override { return selectedRowCount() * columnCount(); }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return int(selectedRows().size()); }
  QList<QAccessibleInterface *> selectedCells() const override {
    QList<QAccessibleInterface *> cells;
    for (int row : selectedRows())
      for (int column = 0; column < columnCount(); ++column)
        cells.append(cellAt(row, column));
    return cells;
  }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override {
    const int current = grid() ? grid()->currentRow() : 0;
    return current >= 1 && current <= rowCount() ? QList<int>{current - 1} : QList<int>{};
  }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int row) const override { return selectedRows().contains(row); }
  bool selectRow(int row) override {
    auto *fileGrid = const_cast<FileGrid *>(grid());
    if (!fileGrid || row < 0 || row >= rowCount())
      return false;
    fileGrid->setCurrentRow(row + 1);
    return true;
  }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent *) override {}

private:
  mutable QHash<int, QAccessible::Id> m_cells;
};

bool FileGridCell::isValid() const { return m_table && m_row < m_table->rowCount(); }
QAccessibleInterface *FileGridCell::parent() const { return m_table; }
QAccessibleInterface *FileGridCell::table() const { return m_table; }
QString FileGridCell::text(QAccessible::Text t) const {
  return t == QAccessible::Name ? m_table->cellText(m_row, m_column) : QString();
}
QAccessible::State FileGridCell::state() const {
  QAccessible::State state;
  state.selectable = true;
  state.selected = isSelected();
  return state;
}
bool FileGridCell::isSelected() const { return m_table->isRowSelected(m_row); }
QList<QAccessibleInterface *> FileGridCell::columnHeaderCells() const { return {}; }

QAccessibleInterface *fileGridFactory(const QString &, QObject *object) {
  auto *surface = qobject_cast<QWidget *>(object);
  if (surface && surface->objectName() == QLatin1String("Grid") && gridOf(surface))
    return new FileGridTable(surface); // owned by QAccessible
  return nullptr;
}

} // namespace

void installFileGridAccessibility() {
  static std::once_flag installed;
  std::call_once(installed, [] { QAccessible::installFactory(fileGridFactory); });
}

} // namespace veltrane
