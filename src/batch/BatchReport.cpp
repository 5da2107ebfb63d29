#include "batch/BatchReport.h"
#include "common/MessageText.h"

namespace veltrane {

namespace {

QString pictures(int count) {
  return count == 1 ? MessageText::tr("1 picture") : MessageText::tr("%1 pictures").arg(count);
}

} // namespace

QStringList batchNotes(const BatchReport &report) {
  QStringList notes;
  if (report.iptcLeftOut > 0)
    notes.append(
        MessageText::tr("IPTC left out of %1: only JPEG files carry it").arg(pictures(report.iptcLeftOut)));
  if (report.firstFramesOnly > 0)
    notes.append(
        report.firstFramesOnly == 1
            ? MessageText::tr("only the first frame kept of 1 animated picture")
            : MessageText::tr("only the first frame kept of %1 animated pictures").arg(report.firstFramesOnly));
  return notes;
}

QList<Prompt> batchReportPrompts(const BatchReport &report) {
  QList<Prompt> prompts;
  if (!report.started()) {
    prompts.append({MessageText::tr("Nothing was resized"), report.startError, PromptIcon::Critical,
                    PromptButtons::Ok, PromptAnswer::Ok});
    return prompts;
  }
  if (!report.unreadable.isEmpty())
    prompts.append({MessageText::tr("Couldn't read the following files.."), report.unreadable.text(),
                    PromptIcon::Information, PromptButtons::Ok, PromptAnswer::Ok});
  if (!report.refused.isEmpty())
    prompts.append({MessageText::tr("Couldn't resize the following files.."), report.refused.details(),
                    PromptIcon::Information, PromptButtons::Ok, PromptAnswer::Ok});
  if (!report.madeToFit.isEmpty())
    prompts.append({MessageText::tr("Made smaller to fit the size limit.."), report.madeToFit.details(),
                    PromptIcon::Information, PromptButtons::Ok, PromptAnswer::Ok});
  if (!report.photoNotes.isEmpty())
    prompts.append({MessageText::tr("Written without some of their colours or metadata.."),
                    report.photoNotes.details(), PromptIcon::Information, PromptButtons::Ok,
                    PromptAnswer::Ok});
  if (const QStringList notes = batchNotes(report); !notes.isEmpty())
    prompts.append({MessageText::tr("Good to know.."), notes.join(u'\n'), PromptIcon::Information,
                    PromptButtons::Ok, PromptAnswer::Ok});
  if (!report.unwritten.isEmpty())
    prompts.append({MessageText::tr("Couldn't write the following files.."), report.unwritten.details(),
                    PromptIcon::Critical, PromptButtons::Ok, PromptAnswer::Ok});
  return prompts;
}

} // namespace veltrane
