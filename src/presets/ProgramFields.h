#pragma once

#include "presets/JobFields.h"
#include "presets/ProgramSettings.h"

#include <QString>
#include <functional>
#include <vector>

namespace veltrane {

// One program-wide value of the settings file's first line, declared once:
// its place there, and how it is written and read back. The job fields that
// the line also keeps are rows of the job-field table.
struct ProgramField {
  QString name;
  FieldPlace programLine;
  std::function<QString(const ProgramSettings &)> write;
  // A text it cannot hold leaves the value as it was.
  std::function<void(ProgramSettings &, const QString &)> read;
};

// Every program-wide value of the first line, in its order.
const std::vector<ProgramField> &programFields();

// How many fields the first line has: the last place either table gives.
int programLineFields();

} // namespace veltrane
