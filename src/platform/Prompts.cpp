#include "platform/Prompts.h"

namespace veltrane {

PromptAnswer ScriptedPrompts::ask(const Prompt &prompt) {
  m_shown.append(prompt);
  if (!m_answers.isEmpty())
    return m_answers.takeFirst();
  return prompt.defaultAnswer;
}

} // namespace veltrane
