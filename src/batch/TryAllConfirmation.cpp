#include "batch/TryAllConfirmation.h"
#include "common/MessageText.h"

#include "presets/FrameList.h"
#include "presets/ResizeJob.h"

#include <cmath>

namespace veltrane {

std::optional<Prompt> tryAllConfirmation(const JobSettings &job, int frameCount, int fileCount) {
  if (job.frame != kTryAllEntry)
    return std::nullopt;
  // A grid size that is not chosen counts as 1 rather than dividing by zero.
  const SheetGrid grid = sheetGridOf(job);
  const double x = grid.columns;
  const double y = grid.rows;
  const qint64 pictures = qint64(frameCount) * fileCount;
  const qint64 sheets = qint64(std::floor(double(pictures) / x / y)) + 1;
  const bool only = job.sheetMode == 2;
  if (!(sheets > 100 || (!only && pictures > 100)))
    return std::nullopt;
  const QString text =
      only ? MessageText::tr("%1 picture-indexes will be generated, trying all %2 frames.").arg(sheets).arg(frameCount)
           : MessageText::tr("%1 pictures and %2 picture-indexes will be generated, trying all %3 frames.")
                 .arg(pictures)
                 .arg(sheets)
                 .arg(frameCount);
  return Prompt{MessageText::tr("Are you sure to proceed?"), text, PromptIcon::Exclamation,
                PromptButtons::OkCancel, PromptAnswer::Cancel};
}

} // namespace veltrane
