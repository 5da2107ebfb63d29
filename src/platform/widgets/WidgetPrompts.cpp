#include "platform/widgets/WidgetPrompts.h"

#include <QMessageBox>

namespace veltrane {
namespace {

QMessageBox::Icon toIcon(PromptIcon icon) {
  switch (icon) {
  case PromptIcon::Information: return QMessageBox::Information;
  case PromptIcon::Exclamation: return QMessageBox::Warning;
  case PromptIcon::Critical: return QMessageBox::Critical;
  case PromptIcon::Question: return QMessageBox::Question;
  case PromptIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toButtons(PromptButtons buttons) {
  switch (buttons) {
  case PromptButtons::Ok: return QMessageBox::Ok;
  case PromptButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
  case PromptButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
  case PromptButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

QMessageBox::StandardButton toButton(PromptAnswer answer) {
  switch (answer) {
  case PromptAnswer::Ok: return QMessageBox::Ok;
  case PromptAnswer::Cancel: return QMessageBox::Cancel;
  case PromptAnswer::Yes: return QMessageBox::Yes;
  case PromptAnswer::No: return QMessageBox::No;
  }
  return QMessageBox::Ok;
}

} // namespace

PromptAnswer WidgetPrompts::ask(const Prompt &prompt) {
  QMessageBox box(toIcon(prompt.icon), prompt.title, prompt.text, toButtons(prompt.buttons),
                  m_parent ? m_parent() : nullptr);
  box.setDefaultButton(toButton(prompt.defaultAnswer));
  switch (box.exec()) {
  case QMessageBox::Yes: return PromptAnswer::Yes;
  case QMessageBox::No: return PromptAnswer::No;
  case QMessageBox::Cancel: return PromptAnswer::Cancel;
  case QMessageBox::Ok: return PromptAnswer::Ok;
  default: break;
  }
  // Closed with Escape or the window's close button.
  return prompt.buttons == PromptButtons::YesNo ? PromptAnswer::No : PromptAnswer::Cancel;
}

} // namespace veltrane
