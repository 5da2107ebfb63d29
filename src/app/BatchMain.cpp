// veltrane-batch: runs one batch from the command line with the window's engine.
#include "app/BatchConsole.h"
#include "app/BatchOptions.h"
#include "app/MemoryTuning.h"
#include "batch/BatchEngine.h"
#include "batch/SharedJob.h"
#include "batch/TryAllConfirmation.h"
#include "common/FailedFiles.h"
#include "filelist/SourceFiles.h"
#include "filelist/SourceList.h"
#include "imaging/FrameLibrary.h"
#include "imaging/PictureDecoder.h"
#include "imaging/PicturePreparer.h"
#include "platform/Screen.h"
#include "presets/BuiltInPresets.h"
#include "presets/FrameList.h"
#include "common/Numbers.h"
#include "presets/PresetLine.h"
#include "presets/ProgramFolder.h"
#include "presets/SettingsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QTextStream>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>
#include <unistd.h>

using namespace veltrane;

namespace {

enum ExitStatus { kAllWritten = 0, kSomeFailed = 1, kCannotStart = 2 };

// The one thing a signal handler may touch: the running batch's stop.
std::atomic<BatchEngine *> g_runningBatch{nullptr};
std::atomic<int> g_interrupts{0};

extern "C" void onInterrupt(int) {
  if (g_interrupts.fetch_add(1) > 0)
    _exit(130);
  if (BatchEngine *engine = g_runningBatch.load())
    engine->requestStop();
}

// Qt's own warnings (a missing runtime folder, say) are not the user's concern.
void quietQtMessages(QtMsgType type, const QMessageLogContext &, const QString &message) {
  if (type == QtFatalMsg || qEnvironmentVariableIsSet("VELTRANE_DEBUG"))
    fprintf(stderr, "%s\n", qPrintable(message));
}

int usageError(const QString &message) {
  QTextStream err(stderr);
  err << "veltrane-batch: " << message << "\n\n" << kBatchUsage;
  return kCannotStart;
}

bool confirm(const Prompt &prompt, bool yes) {
  QTextStream err(stderr);
  if (yes)
    return true;
  if (!isatty(STDIN_FILENO)) {
    err << "veltrane-batch: " << prompt.text << "\nAdd --yes to go ahead.\n";
    return false;
  }
  err << prompt.text << " Go ahead? [y/N] " << Qt::flush;
  std::string answer;
  std::getline(std::cin, answer);
  return !answer.empty() && (answer[0] == 'y' || answer[0] == 'Y');
}

// The job as the window would start with it, then the preset, the job line
// and the single-field options in the order given. Fails with the usage
// error when an option cannot be applied.
struct JobChoice {
  JobSettings job;
  QString presetText;
  SettingsState settings;
};

Result<JobChoice> chooseJob(const BatchOptions &options, const ProgramFolder &folder,
                            const QStringList &entries, QSize screen) {
  const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
  const SettingsState firstRun = firstRunSettings({desktop, screen, {603, 406}}, entries);
  const QByteArray settingsBytes = readWholeFile(folder.settingsReadPath());
  JobChoice choice;
  choice.settings = settingsBytes.isEmpty() ? firstRun : readSettings(settingsBytes, firstRun, entries);
  SettingsState &state = choice.settings;
  applySelectedPreset(state, entries);
  choice.job = state.job;
  if (state.program.presetIndex >= 0)
    choice.presetText = presetName(state.presets.line(state.program.presetIndex));
  if (!options.preset.isEmpty()) {
    const auto line = findPreset(state.presets.lines(), options.preset);
    if (!line) {
      return failure(QStringLiteral("no preset called \"%1\"; the presets are:\n  %2")
                         .arg(options.preset, state.presets.names().join(QStringLiteral("\n  "))));
    }
    fromPreset(choice.job, *line, entries);
    choice.presetText = presetName(*line);
  }
  if (options.jobLine) {
    fromPreset(choice.job, *options.jobLine, entries);
    if (options.jobLine->contains(u'='))
      choice.presetText = presetName(*options.jobLine);
  }
  if (options.output)
    choice.job.outputFolder = QDir(*options.output).absolutePath();
  if (options.sameFolder)
    choice.job.sameFolder = 1;
  for (const auto &[option, value] : options.fields)
    if (const Result<> applied = applyFieldOption(choice.job, option, value, entries); !applied)
      return failure(applied.reason());
  return choice;
}

// The files named on the command line; the list is fixed here, so files
// written into a source folder are not picked up. Names it cannot take go
// to `refused` with their reasons.
QList<SourceEntry> listSources(const BatchOptions &options, FailedFiles &refused) {
  SourceList list;
  for (const QString &bad : options.badNames)
    refused.add(bad, QStringLiteral("the name is not valid UTF-8, so it cannot be opened"));
  for (const QString &file : options.files) {
    FailedFiles byExtension;
    QStringList leftOut;
    const AddResult result =
        addThis(list, QFileInfo(file).absoluteFilePath(), QString(), byExtension, leftOut);
    if (result == AddResult::Refused)
      refused.add(file, QStringLiteral("not a JPEG, GIF or BMP file name"));
    else if (result == AddResult::LeftOut)
      refused.add(file, QStringLiteral("the list holds %1 files at most").arg(SourceList::kCapacity));
  }
  QList<SourceEntry> sources;
  for (int row = 1; row <= list.fileCount(); ++row)
    sources.append({list.cell(row, 3), list.cell(row, 2)});
  return sources;
}

BatchReport runBatch(const JobChoice &choice, const FrameLibrary &frames, QSize screen,
                     const QList<SourceEntry> &sources, const BatchOptions &options) {
  const JobSettings &job = choice.job;
  const ProgramSettings &program = choice.settings.program;
  const PicturePreparer preparer(frames, screen);
  SharedJob shared(job, choosesFrames(choice.presetText));
  const int pictures =
      int(sources.size()) * (job.frame == kTryAllEntry ? std::max<int>(1, int(frames.frames().size())) : 1);
  BatchConsole console(pictures, options.quiet, isatty(STDERR_FILENO));
  BatchEngine engine(preparer, shared, console);
  g_runningBatch = &engine;
  std::signal(SIGINT, onInterrupt);
  std::signal(SIGTERM, onInterrupt);
  BatchInput input;
  input.sources = sources;
  input.frameEntries = frames.entries();
  input.threads = options.jobs;
  input.sheetStyle = {colourFromValue(program.indexBackground), colourFromValue(program.captionColour),
                      program.captionBold != 0, program.captionItalic != 0, leadingNumber(program.fontSize)};
  BatchReport report = engine.run(input);
  g_runningBatch = nullptr;
  console.close();
  return report;
}

// Failures on stderr, the summary on stdout; the exit status.
int printReport(const BatchReport &report, const FailedFiles &refused, bool quiet) {
  QTextStream out(stdout);
  QTextStream err(stderr);
  for (const FailedFiles::Entry &entry : report.unreadable.entries())
    err << "cannot read " << entry.name << ": " << entry.reason << "\n";
  for (const FailedFiles::Entry &entry : report.unwritten.entries())
    err << "cannot write " << entry.name << ": " << entry.reason << "\n";
  for (const FailedFiles::Entry &entry : refused.entries())
    err << "skipped " << entry.name << ": " << entry.reason << "\n";

  const qsizetype failed = report.unreadable.size() + report.unwritten.size();
  const qsizetype skipped = refused.size() + report.skipped;
  if (!quiet) {
    out << report.written.size() << (report.written.size() == 1 ? " picture" : " pictures");
    if (!report.sheets.isEmpty())
      out << " and " << report.sheets.size()
          << (report.sheets.size() == 1 ? " index sheet" : " index sheets");
    out << " written, " << failed << " failed, " << skipped << " skipped";
    if (report.stopped)
      out << " (stopped)";
    if (!report.outputFolder.isEmpty())
      out << "; output in " << QDir::toNativeSeparators(report.outputFolder);
    out << "\n";
  }
  out.flush();
  return failed == 0 && skipped == 0 ? kAllWritten : kSomeFailed;
}

} // namespace

int main(int argc, char **argv) {
  keepFreedMemoryForReuse();
  QByteArrayList arguments;
  for (int i = 1; i < argc; ++i)
    arguments.append(QByteArray(argv[i]));
  const Result<BatchOptions> parsed = parseBatchOptions(arguments);
  if (!parsed)
    return usageError(parsed.reason());
  const BatchOptions &options = *parsed;
  QTextStream out(stdout);
  if (options.help) {
    out << kBatchUsage;
    return kAllWritten;
  }
  if (options.version) {
    out << "veltrane-batch " << VELTRANE_VERSION << "\n";
    return kAllWritten;
  }
  if (options.files.isEmpty() && options.badNames.isEmpty())
    return usageError(QStringLiteral("no files given"));

  // Captions need fonts, so a GUI application; no window is ever shown.
  if (options.screen ||
      (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(quietQtMessages);
  QGuiApplication app(argc, argv);
  QGuiApplication::setApplicationName(QStringLiteral("veltrane-batch"));

  const ProgramFolder folder = ProgramFolder::resolve(options.home, QCoreApplication::applicationDirPath());
  PictureDecoder decoder;
  const FrameLibrary frames = FrameLibrary::scan(folder.frameFolders(), decoder);
  const QSize screen = options.screen.value_or(DesktopScreen().pixelSize());
  const Result<JobChoice> choice = chooseJob(options, folder, frames.entries(), screen);
  if (!choice)
    return usageError(choice.reason());

  FailedFiles refused;
  const QList<SourceEntry> sources = listSources(options, refused);
  BatchReport report;
  if (!sources.isEmpty()) {
    if (const auto prompt = tryAllConfirmation(choice->job, int(frames.frames().size()), int(sources.size())))
      if (!confirm(*prompt, options.yes))
        return kCannotStart;
    report = runBatch(*choice, frames, screen, sources, options);
    if (!report.started()) {
      QTextStream(stderr) << "veltrane-batch: " << report.startError << "\n";
      return kCannotStart;
    }
  }
  return printReport(report, refused, options.quiet);
}
