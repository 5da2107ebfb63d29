#include "ui/BatchNotice.h"

#include "ui/WindowText.h"

namespace veltrane {

std::optional<Notice> batchNotice(const BatchReport &report, const BatchEndContext &context) {
  if (!report.started() || context.windowActive || context.opensFolder)
    return std::nullopt;
  Notice notice;
  notice.title =
      report.stopped ? MainWindowText::tr("Resizing stopped") : MainWindowText::tr("Resizing done");
  notice.body = report.written == 1 ? MainWindowText::tr("1 picture written")
                                    : MainWindowText::tr("%1 pictures written").arg(report.written);
  const qsizetype failed = report.unreadable.size() + report.unwritten.size() + report.refused.size();
  if (failed > 0)
    notice.body +=
        u'\n' + (failed == 1 ? MainWindowText::tr("1 failed") : MainWindowText::tr("%1 failed").arg(failed));
  if (!context.exits)
    notice.folder = report.outputFolder;
  return notice;
}

} // namespace veltrane
