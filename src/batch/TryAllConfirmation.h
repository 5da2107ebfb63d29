#pragma once

#include "platform/Prompts.h"
#include "presets/JobSettings.h"

#include <optional>

namespace veltrane {

// Trying every frame multiplies the work: when it would make more than 100
// pictures or sheets, the user is asked first. Nothing when there is no
// need to ask. `frameCount` is the number of installed frames.
std::optional<Prompt> tryAllConfirmation(const JobSettings &job, int frameCount, int fileCount);

} // namespace veltrane
