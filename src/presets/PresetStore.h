#pragma once

#include "platform/Prompts.h"

#include <QStringList>
#include <optional>

namespace veltrane {

// The stored preset lines ("name=body"), in list order: list entry k holds
// line k. The list shows each line's name.
class PresetStore {
public:
  static constexpr int kCapacity = 1000;

  static PresetStore builtIns();

  int count() const { return int(m_lines.size()); }
  bool isFull() const { return count() >= kCapacity; }
  const QString &line(int entry) const { return m_lines.at(entry); }
  const QStringList &lines() const { return m_lines; }
  QStringList names() const;

  // Stores a line as read from the settings file; false when the store is full.
  bool append(const QString &line);

  struct AddOutcome {
    bool added = false;
    std::optional<Prompt> message; // what the window shows instead of adding
    int select = -1;               // entry to select and apply, or -1
  };
  // "+": saves `body` under `name` unless the name is empty, contains "=",
  // is the end of a stored name, the body is stored already, or the store is full.
  AddOutcome add(const QString &name, const QString &body);

  // "-": the question to ask before removing an entry (nothing for no entry).
  std::optional<Prompt> removeQuestion(int entry) const;
  // Removes an entry; returns the entry to select and apply next, or -1.
  int remove(int entry);

  // The list to save when another copy of the program may have saved its own
  // since `loaded` was read: `saved` keeps what the other copy added and
  // removed, and this copy's own additions and removals are applied to it.
  // When nothing else changed the file, that is this copy's list as it is.
  static PresetStore merged(const PresetStore &loaded, const PresetStore &mine, const PresetStore &saved);

  bool operator==(const PresetStore &) const = default;

private:
  QStringList m_lines;
};

} // namespace veltrane
