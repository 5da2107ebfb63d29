#pragma once

#include "platform/Dialogs.h"

class QWidget;

namespace veltrane {

// QFileDialog and QColorDialog, modal to the given parent.
class WidgetDialogs : public Dialogs {
public:
  explicit WidgetDialogs(QWidget *parent = nullptr) : m_parent(parent) {}
  void setParent(QWidget *parent) { m_parent = parent; }

  QStringList openFiles(const QString &title, const QString &folder, const QString &filter) override;
  std::optional<QString> chooseFolder(const QString &title, const QString &start) override;
  std::optional<QColor> chooseColour(const QColor &initial) override;

private:
  QWidget *m_parent;
};

} // namespace veltrane
