#pragma once

#include "batch/BatchEngine.h"
#include "cli/JsonReport.h"
#include "presets/JobSettings.h"

#include <QSize>
#include <QStringList>
#include <QTextStream>

namespace veltrane {

// What a dry run needs to know about the batch it stands in for.
struct PlannedBatch {
  JobSettings job;
  QSize screen;
  QStringList frameEntries;
  SourceFeed &sources;
  QList<JobSettings> extraJobs; // more jobs of the same pass
  bool skipExisting = false;    // outputs whose name is taken are skipped, not numbered
};

// Where a dry run tells what it found: a line per output on `out` (unless
// null), a line per unreadable source on `err`, and report lines.
struct DryRunOutput {
  QTextStream *out = nullptr;
  QTextStream &err;
  JsonReport *report = nullptr;
};

// Reads only the sources' headers and prints each output's name and size in
// pixels, numbered as the batch would number them against what is on disk
// now; writes nothing. Returns how many pictures the batch would fail: sources
// that cannot be read, and pictures the job asks a size no picture can have.
int dryRun(const PlannedBatch &batch, DryRunOutput output);

} // namespace veltrane
