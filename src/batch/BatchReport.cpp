#include "batch/BatchReport.h"

namespace veltrane {

namespace {

QString pictures(int count) {
  return count == 1 ? QStringLiteral("1 picture") : QStringLiteral("%1 pictures").arg(count);
}

} // namespace

QStringList batchNotes(const BatchReport &report) {
  QStringList notes;
  if (report.iptcLeftOut > 0)
    notes.append(
        QStringLiteral("IPTC left out of %1: only JPEG files carry it").arg(pictures(report.iptcLeftOut)));
  if (report.firstFramesOnly > 0)
    notes.append(
        QStringLiteral("only the first frame kept of %1 animated %2")
            .arg(report.firstFramesOnly)
            .arg(report.firstFramesOnly == 1 ? QStringLiteral("picture") : QStringLiteral("pictures")));
  return notes;
}

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
  if (const QStringList notes = batchNotes(report); !notes.isEmpty())
    prompts.append({QStringLiteral("Good to know.."), notes.join(u'\n'), PromptIcon::Information,
                    PromptButtons::Ok, PromptAnswer::Ok});
  if (!report.unwritten.isEmpty())
    prompts.append({QStringLiteral("Couldn't write the following files.."), report.unwritten.details(),
                    PromptIcon::Critical, PromptButtons::Ok, PromptAnswer::Ok});
  return prompts;
}

} // namespace veltrane
