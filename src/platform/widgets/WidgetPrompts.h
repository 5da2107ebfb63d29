#pragma once

#include "platform/Prompts.h"

#include <functional>

class QWidget;

namespace veltrane {

// Message boxes with QMessageBox, modal to the window `parent` gives when
// each is shown (none when it is empty or gives none).
class WidgetPrompts : public Prompts {
public:
  explicit WidgetPrompts(std::function<QWidget *()> parent = {}) : m_parent(std::move(parent)) {}
  PromptAnswer ask(const Prompt &prompt) override;

private:
  std::function<QWidget *()> m_parent;
};

} // namespace veltrane
