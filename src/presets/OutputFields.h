#pragma once

#include "presets/JobFields.h"

#include <vector>

namespace veltrane {

// The rows of the format written and of the way a picture meets the box:
// places past the first twelve of the preset line, which older copies do not
// read.
std::vector<JobField> outputFormatFields();

} // namespace veltrane
