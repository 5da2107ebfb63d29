#pragma once

#include "presets/PresetStore.h"

#include <QObject>
#include <functional>

class QAbstractButton;
class QComboBox;

namespace veltrane {

class Prompts;

// The preset box with its "+" and "-" buttons over the preset store: the
// list shows the stored names in order, picking one applies it, "+" keeps
// the current job under the typed name and "-" removes the selected preset.
class PresetControls : public QObject {
  Q_OBJECT
public:
  // `currentBody` gives the current job as a preset body.
  PresetControls(QComboBox *box, QAbstractButton *add, QAbstractButton *remove, Prompts &prompts,
                 std::function<QString()> currentBody, QObject *parent = nullptr);

  const PresetStore &store() const { return m_store; }
  // Fills the list from a store, nothing selected.
  void setStore(PresetStore store);
  // Selects an entry and applies it, even when it is selected already; -1
  // selects nothing.
  void select(int entry);
  int selected() const;

public slots:
  void saveAsPreset();
  void RemovePreset_click();

signals:
  // An entry was picked, by the user or the program: apply this line.
  void applyPreset(const QString &line);

private:
  void picked(int entry);

  QComboBox *m_box;
  Prompts &m_prompts;
  std::function<QString()> m_currentBody;
  PresetStore m_store;
  bool m_filling = false;
};

} // namespace veltrane
