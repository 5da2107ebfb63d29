#pragma once

#include "common/Result.h"
#include "presets/PhotoOptions.h"

#include <QByteArrayList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

namespace veltrane {

// One job as the command line spells it: a preset, a job line, then single
// fields in the order given. Kept apart from the rest so that one run could
// hold several.
struct JobRequest {
  QString preset;
  std::optional<QString> jobLine;
  QList<std::pair<QString, QString>> fields; // --width, --quality, --output... with their values
};

// What the job starts from before the request is applied.
enum class SettingsUse {
  Window,   // the settings file's job: the window's last one
  Defaults, // the first-run job; the settings file still gives presets, frames' colours, photo options
  None,     // no settings file at all
};

// Where the source files come from: names are bytes, as Linux keeps them.
struct SourceRequest {
  QByteArrayList files;                // file and folder arguments
  std::optional<QByteArray> filesFrom; // a list file, "-" for the standard input
  bool nullSeparated = false;          // the list's names end with NUL, not a line end
  bool recursive = false;              // walk folders, mirroring them under the output folder
};

// What the command line asked for, before anything is read from disk.
struct BatchOptions {
  QString home;
  JobRequest job;
  QList<JobRequest> extraJobs; // more jobs in the same pass, each a preset or a job line over the job
  SettingsUse settings = SettingsUse::Window;
  std::optional<QSize> screen;
  std::optional<MetadataPolicy> metadata;
  std::optional<bool> keepColourProfile;
  SourceRequest sources;
  std::optional<QByteArray> report; // JSON lines; "-" for the standard output
  int jobs = 0;
  int memoryMB = 0; // what the pictures may hold at once; 0: sized to the free memory
  bool dryRun = false;
  bool yes = false;
  bool quiet = false;
  bool skipExisting = false;
  bool timings = false; // where the workers' time went, on stderr at the end
  bool help = false;
  bool version = false;
  bool listPresets = false;
  bool listFrames = false;
  QString completion; // the shell whose completion script to print
};

// Reads the arguments (without the program name); fails with one line saying
// what does not make sense.
Result<BatchOptions> parseBatchOptions(const QByteArrayList &arguments);

// The text of --help, with the job fields' options from their table.
QString batchUsage();

struct JobSettings;

// Applies one of the job fields' options (--width, --quality, ...) to a job;
// fails for a value the option cannot take.
Result<> applyFieldOption(JobSettings &job, const QString &option, const QString &value,
                          const QStringList &frameEntries);

// A stored or built-in preset line by its name: exactly, then ignoring case
// and surrounding spaces. Nothing when there is none.
std::optional<QString> findPreset(const QStringList &stored, const QString &name);

} // namespace veltrane
