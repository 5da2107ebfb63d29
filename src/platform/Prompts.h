#pragma once

#include <QList>
#include <QString>

namespace veltrane {

enum class PromptIcon { None, Information, Exclamation, Critical, Question };
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No };

// One message box: what the user is shown and which answers are offered.
struct Prompt {
  QString title;
  QString text;
  PromptIcon icon = PromptIcon::None;
  PromptButtons buttons = PromptButtons::Ok;
  PromptAnswer defaultAnswer = PromptAnswer::Ok;

  bool operator==(const Prompt &) const = default;
};

// Shows message boxes and returns the user's answer.
class Prompts {
public:
  virtual ~Prompts() = default;
  virtual PromptAnswer ask(const Prompt &prompt) = 0;
};

// Answers from a script, in order, then with each prompt's default answer;
// remembers every prompt it was shown. Tests and the command line use it.
class ScriptedPrompts : public Prompts {
public:
  PromptAnswer ask(const Prompt &prompt) override;

  void queueAnswer(PromptAnswer answer) { m_answers.append(answer); }
  const QList<Prompt> &shown() const { return m_shown; }
  void clear() { m_shown.clear(); }

private:
  QList<PromptAnswer> m_answers;
  QList<Prompt> m_shown;
};

} // namespace veltrane
