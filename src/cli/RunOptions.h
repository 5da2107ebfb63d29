#pragma once

#include "presets/JobFields.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace veltrane {

// Where --help lists a run option, around the job fields' own.
enum class RunSection {
  BeforeJobFields, // "Job:", first
  AfterJobFields,  // "Job:", after the fields
  Files,
  AfterOutputFields, // "Output:", after the fields
  Running,
  Hidden, // for the tools the build runs: neither in --help nor completed
};

// An option of the run itself rather than of a job field: the parser, --help
// and the shells' completions all read it from here.
struct RunOption {
  QString name;      // "--jobs"
  char letter = 0;   // 'j' for -j, 0 for none
  QString valueName; // "N"; empty for an option without a value
  QString help;      // wrapped by --help; a line end starts a new line there
  RunSection section;
  OptionValue value = OptionValue::Text;
  QStringList words = {}; // the values it takes, when it takes a few words
};

const std::vector<RunOption> &runOptions();

// The run option of that name or short form ("-j"); null when none has it.
const RunOption *findRunOption(const QString &name);

} // namespace veltrane
