#pragma once

#include "presets/JobSettings.h"

namespace veltrane {

// Copies into `target` the fields that differ between `before` and `after`,
// and only those: a running batch's own changes to the other fields survive
// a change the user makes at the same time.
void mergeChangedFields(JobSettings &target, const JobSettings &before, const JobSettings &after);

} // namespace veltrane
