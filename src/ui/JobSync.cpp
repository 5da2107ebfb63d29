#include "ui/JobSync.h"

namespace veltrane {

void mergeChangedFields(JobSettings &target, const JobSettings &before, const JobSettings &after) {
  const auto merge = [&](auto JobSettings::*field) {
    if (before.*field != after.*field)
      target.*field = after.*field;
  };
  merge(&JobSettings::maxWidth);
  merge(&JobSettings::maxHeight);
  merge(&JobSettings::swapForUpright);
  merge(&JobSettings::sizeLimitOn);
  merge(&JobSettings::fixedQuality);
  merge(&JobSettings::sizeLimitKb);
  merge(&JobSettings::suffixTemplate);
  merge(&JobSettings::frame);
  merge(&JobSettings::sheetMode);
  merge(&JobSettings::sheetColumns);
  merge(&JobSettings::sheetRows);
  merge(&JobSettings::captionNames);
  merge(&JobSettings::captionSizes);
  merge(&JobSettings::captionFileSizes);
  merge(&JobSettings::widthOn);
  merge(&JobSettings::heightOn);
  merge(&JobSettings::addSuffix);
  merge(&JobSettings::sameFolder);
  merge(&JobSettings::outputFolder);
}

} // namespace veltrane
