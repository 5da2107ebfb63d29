#include "batch/BatchReport.h"

namespace veltrane {

QList<Prompt> batchReportPrompts(const BatchReport &report) {
  QList<Prompt> prompts;
  if (!report.started()) {
    prompts.append({QStringLiteral("Nothing was resized"), report.startError, PromptIcon::Critical,
                    PromptButtons::Ok, PromptAnswer::Ok});
    return prompts;
  }
  if (!report.unreadable.isEmpty())
    prompts.append({QStringLiteral("Couldn't read the following files.."), report.unreadable.text(),
                    PromptIcon::Information, PromptButtons::Ok, PromptAnswer::Ok});
  if (!report.refused.isEmpty())
    prompts.append({QStringLiteral("Couldn't resize the following files.."), report.refused.details(),
                    PromptIcon::Information, PromptButtons::Ok, PromptAnswer::Ok});
  if (!report.madeToFit.isEmpty())
    prompts.append({QStringLiteral("Made smaller to fit the size limit.."), report.madeToFit.details(),
                    PromptIcon::Information, PromptButtons::Ok, PromptAnswer::Ok});
  if (!report.photoNotes.isEmpty())
    prompts.append({QStringLiteral("Written without some of their colours or metadata.."),
                    report.photoNotes.details(), PromptIcon::Information, PromptButtons::Ok,
                    PromptAnswer::Ok});
  if (!report.unwritten.isEmpty())
    prompts.append({QStringLiteral("Couldn't write the following files.."), report.unwritten.details(),
                    PromptIcon::Critical, PromptButtons::Ok, PromptAnswer::Ok});
  return prompts;
}

} // namespace veltrane
