#pragma once

#include "platform/Dialogs.h"

#include <functional>

class QWidget;

namespace veltrane {

// QFileDialog and QColorDialog, modal to the window `parent` gives when each
// is shown (none when it is empty or gives none).
class WidgetDialogs : public Dialogs {
public:
  explicit WidgetDialogs(std::function<QWidget *()> parent = {}) : m_parent(std::move(parent)) {}

  QStringList openFiles(const QString &title, const QString &folder, const QString &filter) override;
  std::optional<QString> chooseFolder(const QString &title, const QString &start) override;
  std::optional<QColor> chooseColour(const QColor &initial) override;

private:
  QWidget *parent() const { return m_parent ? m_parent() : nullptr; }
  std::function<QWidget *()> m_parent;
};

} // namespace veltrane
