#pragma once

#include <QList>
#include <QString>

namespace veltrane {

// The files an operation had to leave out, each with the reason when known.
// Reported at the end of the operation as names joined by ", ".
class FailedFiles {
public:
  struct Entry {
    QString name;
    QString reason;
    bool operator==(const Entry &) const = default;
  };

  void clear() { m_entries.clear(); }
  void add(const QString &name, const QString &reason = {}) { m_entries.append({name, reason}); }
  bool isEmpty() const { return m_entries.isEmpty(); }
  qsizetype size() const { return m_entries.size(); }
  const QList<Entry> &entries() const { return m_entries; }

  // "a.txt, b.doc"
  QString text() const;
  // One "name: reason" per line.
  QString details() const;

private:
  QList<Entry> m_entries;
};

} // namespace veltrane
