#include "filelist/SourceList.h"

#include "common/ReplaceAll.h"

#include <algorithm>

namespace veltrane {

SourceList::SourceList() : m_rows(kCapacity + 1) {
  m_rows[0][1] = QStringLiteral("*|15");
  m_rows[0][2] = QStringLiteral("Image|330");
  m_rows[0][3] = QStringLiteral("Source path|350");
}

void SourceList::setCell(int row, int column, const QString &text) {
  if (column == 1 && row >= 1 && row <= m_fileCount) {
    m_markedCount += int(text == kMarked) - int(isMarked(row));
  }
  m_rows.at(row).at(column) = text;
}

bool SourceList::addFile(const QString &folder, const QString &name) {
  if (isFull())
    return false;
  auto &row = m_rows[++m_fileCount];
  row = {QString(), QString(kNewMark), name, folder};
  return true;
}

QString SourceList::fullPath(int row) const {
  return replaceAll(cell(row, 3) + u'/' + cell(row, 2), QStringLiteral("//"), QStringLiteral("/"));
}

void SourceList::toggleMark(int row) {
  if (row < 1 || row > m_fileCount)
    return;
  setCell(row, 1, isMarked(row) ? QString(kUnmarked) : QString(kMarked));
}

void SourceList::removeRows(std::vector<int> rows) {
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  int write = 1;
  auto next = rows.begin();
  for (int read = 1; read <= m_fileCount; ++read) {
    if (next != rows.end() && *next == read) {
      if (isMarked(read))
        --m_markedCount;
      ++next;
      continue;
    }
    if (write != read)
      m_rows[write] = m_rows[read];
    ++write;
  }
  m_fileCount = write - 1;
}

void SourceList::removeMarked() {
  std::vector<int> rows;
  for (int r = 1; r <= m_fileCount; ++r)
    if (isMarked(r))
      rows.push_back(r);
  removeRows(std::move(rows));
  m_markedCount = 0;
}

void SourceList::clear() {
  m_fileCount = 0;
  m_markedCount = 0;
}

} // namespace veltrane
