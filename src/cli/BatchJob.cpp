#include "cli/BatchJob.h"
#include "cli/CommandLineText.h"

#include "presets/FrameList.h"
#include "presets/PresetLine.h"
#include "presets/ResizeJob.h"
#include "storage/ProgramFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace veltrane {
namespace {

SettingsState startingSettings(SettingsUse use, const ProgramFolder &folder, const QStringList &entries) {
  const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
  // The screen only places the window's first-run position, which no batch uses.
  const SettingsState firstRun = firstRunSettings({desktop, {1920, 1080}, {603, 406}}, entries);
  if (use == SettingsUse::None)
    return firstRun;
  const QByteArray bytes = readWholeFile(folder.settingsReadPath());
  SettingsState state = bytes.isEmpty() ? firstRun : readSettings(bytes, firstRun, entries);
  if (use == SettingsUse::Defaults) {
    // The file's preset list may be in another order: no index into it.
    state.job = firstRun.job;
    state.program.presetIndex = -1;
    return state;
  }
  applySelectedPreset(state, entries);
  return state;
}

} // namespace

Result<JobChoice> chooseJob(const BatchOptions &options, const ProgramFolder &folder,
                            const QStringList &entries) {
  JobChoice choice;
  choice.settings = startingSettings(options.settings, folder, entries);
  const SettingsState &state = choice.settings;
  choice.job = state.job;
  if (state.program.presetIndex >= 0)
    choice.presetText = presetName(state.presets.line(state.program.presetIndex));
  const JobRequest &request = options.job;
  if (!request.preset.isEmpty()) {
    const auto line = findPreset(state.presets.lines(), request.preset);
    if (!line)
      return failure(
          CommandLineText::tr("no preset called \"%1\" (--list-presets names them)").arg(request.preset));
    fromPreset(choice.job, *line, entries);
    choice.presetText = presetName(*line);
  }
  if (request.jobLine) {
    fromPreset(choice.job, *request.jobLine, entries);
    if (request.jobLine->contains(u'='))
      choice.presetText = presetName(*request.jobLine);
  }
  for (const auto &[option, value] : request.fields)
    if (const Result<> applied = applyFieldOption(choice.job, option, value, entries); !applied)
      return failure(applied.reason());
  for (const JobRequest &extraRequest : options.extraJobs) {
    JobSettings extra = choice.job;
    const QString name = extraRequest.jobLine ? *extraRequest.jobLine : extraRequest.preset;
    if (extraRequest.jobLine) {
      fromPreset(extra, *extraRequest.jobLine, entries);
    } else {
      const auto line = findPreset(state.presets.lines(), extraRequest.preset);
      if (!line)
        return failure(CommandLineText::tr("no preset called \"%1\" (--list-presets names them)").arg(name));
      fromPreset(extra, *line, entries);
    }
    // One pass tries no frames and makes one set of sheets: the first job's.
    if (extra.frame == kTryAllEntry)
      return failure(CommandLineText::tr("\"%1\" would try every frame: only the first job can").arg(name));
    if (!resolveJob(extra, {1, 1}).writesPictures())
      return failure(CommandLineText::tr("\"%1\" writes index sheets only: only the first job can").arg(name));
    extra.sheetMode = 0;
    choice.extraJobs.append(extra);
  }
  // Program settings, not the job's: --defaults keeps the file's.
  choice.photo = state.program.photo;
  if (options.metadata)
    choice.photo.metadata = *options.metadata;
  if (options.keepColourProfile)
    choice.photo.keepColourProfile = *options.keepColourProfile;
  return choice;
}

bool usesTheScreen(const JobSettings &job) {
  const QString screen = QStringLiteral("screen");
  return (job.widthOn && job.maxWidth == screen) || (job.heightOn && job.maxHeight == screen) ||
         resolveJob(job, {1, 1}).makesSheets();
}

} // namespace veltrane
