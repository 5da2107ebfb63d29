#pragma once

#include "cli/BatchOptions.h"
#include "common/Result.h"
#include "presets/SettingsFile.h"

#include <QSize>

namespace veltrane {

class ProgramFolder;

// The job a command line asks for, with the settings it was read against.
struct JobChoice {
  JobSettings job;
  QString presetText; // the preset's name, when one chose the job
  SettingsState settings;
  PhotoOptions photo;
  QList<JobSettings> extraJobs; // --also-preset: the job with each preset applied
};

// The settings as `use` says (the file's, its presets over the first-run job,
// or none), then the preset, the job line and the single-field options in
// the order given. Fails with the usage error when an option cannot be
// applied.
Result<JobChoice> chooseJob(const BatchOptions &options, const ProgramFolder &folder,
                            const QStringList &frameEntries);

// Whether the job's results depend on the screen's size: a "screen" size
// limit, or index sheets, which are as large as the screen.
bool usesTheScreen(const JobSettings &job);

} // namespace veltrane
