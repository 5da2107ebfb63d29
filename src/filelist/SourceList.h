#pragma once

#include <QString>
#include <array>
#include <vector>

namespace veltrane {

// The table of source files the grid shows and the batch walks. Row 0 holds
// the column specifications ("title|width"); rows 1..fileCount() the files,
// each with a mark (column 1), a name with its extension (column 2) and the
// folder that holds it (column 3).
class SourceList {
public:
  static constexpr int kCapacity = 1000;
  static constexpr int kColumns = 4;

  // Marks: a new row, a marked row, a row marked and unmarked again.
  static constexpr QChar kNewMark{0x00A0};
  static constexpr QChar kMarked{u'*'};
  static constexpr QChar kUnmarked{u' '};

  SourceList();

  int fileCount() const { return m_fileCount; }
  int markedCount() const { return m_markedCount; }
  bool isFull() const { return m_fileCount >= kCapacity; }

  const QString &cell(int row, int column) const { return m_rows.at(row).at(column); }
  void setCell(int row, int column, const QString &text);

  // Appends a row; false (and nothing changed) when the table is full.
  bool addFile(const QString &folder, const QString &name);
  // The folder, "/" and the name, with doubled separators made single.
  QString fullPath(int row) const;

  bool isMarked(int row) const { return cell(row, 1) == kMarked; }
  void toggleMark(int row);
  void removeRows(std::vector<int> rows);
  void removeMarked();
  void clear();

private:
  std::vector<std::array<QString, kColumns>> m_rows;
  int m_fileCount = 0;
  int m_markedCount = 0;
};

} // namespace veltrane
