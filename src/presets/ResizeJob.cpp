#include "presets/ResizeJob.h"

#include "common/Numbers.h"

#include <algorithm>

namespace veltrane {

double sizeLimitPixels(const QString &text, int screenSide) {
  if (text == QLatin1String("screen"))
    return screenSide;
  return leadingNumber(text);
}

SheetGrid sheetGridOf(const JobSettings &job) {
  const auto count = [](qint16 index) { return index >= 0 ? index + 1 : 1; };
  return {count(job.sheetColumns), count(job.sheetRows)};
}

ResizeJob resolveJob(const JobSettings &job, QSize screen) {
  ResizeJob resolved;
  if (job.widthOn)
    resolved.maxWidth = sizeLimitPixels(job.maxWidth, screen.width());
  if (job.heightOn)
    resolved.maxHeight = sizeLimitPixels(job.maxHeight, screen.height());
  resolved.swapForUpright = job.swapForUpright == 1 && job.swapEnabled();
  resolved.frame = job.frame;
  if (job.sizeLimitOn)
    resolved.sizeLimitKb = leadingNumber(job.sizeLimitKb);
  resolved.fixedQuality = int(std::clamp(roundHalfEven(leadingNumber(job.fixedQuality)), 0.0, 100.0));
  resolved.qualityText = job.sizeLimitOn ? job.sizeLimitKb + u'k' : job.fixedQuality + u'%';
  if (job.addSuffix)
    resolved.suffixTemplate = job.suffixTemplate;
  if (job.sheetsEnabled() && (job.sheetMode == 1 || job.sheetMode == 2))
    resolved.sheets = job.sheetMode == 1 ? SheetMode::Also : SheetMode::Only;
  resolved.grid = sheetGridOf(job);
  resolved.captions = {job.captionNames != 0, job.captionSizes != 0, job.captionFileSizes != 0};
  resolved.sameFolder = job.sameFolder != 0;
  resolved.format = formatOfIndex(job.outputFormat);
  if (job.outputFormat < 0 || job.outputFormat > kSameFormatIndex)
    resolved.format = OutputFormat::Jpeg;
  resolved.boxMode = job.boxMode == 1 ? BoxMode::Fit : job.boxMode == 2 ? BoxMode::Fill : BoxMode::Stretch;
  resolved.neverEnlarge = job.neverEnlarge != 0;
  return resolved;
}

} // namespace veltrane
