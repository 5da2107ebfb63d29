#pragma once

#include "batch/BatchReport.h"
#include "platform/Notifier.h"

#include <optional>

namespace veltrane {

// What the window does around a batch's end that decides whether to notify.
struct BatchEndContext {
  bool windowActive = false; // the user is looking at the window
  bool opensFolder = false;  // the batch opens its output folder itself
  bool exits = false;        // the program ends with the batch: nobody is left to open a folder
};

// The desktop notice for a batch that ended while the user was elsewhere:
// how many pictures were written and failed, with the output folder to open.
// None when the user sees the end anyway, or the batch could not begin.
std::optional<Notice> batchNotice(const BatchReport &report, const BatchEndContext &context);

} // namespace veltrane
