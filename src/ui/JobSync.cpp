#include "ui/JobSync.h"

namespace veltrane {

void mergeChangedFields(JobSettings &target, const JobSettings &before, const JobSettings &after) {
  const auto merge = [&](auto JobSettings::*field) {
    if (before.*field != after.*field)
      target.*field = after.*field;
  };
  merge(&JobSettings::maxX);
  merge(&JobSettings::maxY);
  merge(&JobSettings::YX);
  merge(&JobSettings::quality1);
  merge(&JobSettings::fixed);
  merge(&JobSettings::maxK);
  merge(&JobSettings::extension);
  merge(&JobSettings::addFrame);
  merge(&JobSettings::indice);
  merge(&JobSettings::indexX);
  merge(&JobSettings::indexY);
  merge(&JobSettings::indexNames);
  merge(&JobSettings::indexWH);
  merge(&JobSettings::indexK);
  merge(&JobSettings::maxXon);
  merge(&JobSettings::maxYon);
  merge(&JobSettings::AddExtension);
  merge(&JobSettings::SameFolder);
  merge(&JobSettings::OutputPath);
}

} // namespace veltrane
