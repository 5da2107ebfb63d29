#pragma once

#include "platform/Prompts.h"

class QWidget;

namespace veltrane {

// Message boxes with QMessageBox, modal to the given parent.
class WidgetPrompts : public Prompts {
public:
  explicit WidgetPrompts(QWidget *parent = nullptr) : m_parent(parent) {}
  void setParent(QWidget *parent) { m_parent = parent; }
  PromptAnswer ask(const Prompt &prompt) override;

private:
  QWidget *m_parent;
};

} // namespace veltrane
