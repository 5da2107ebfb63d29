// veltrane-batch: runs one batch from the command line with the window's engine.
#include "app/MemoryTuning.h"
#include "batch/BatchEngine.h"
#include "batch/SharedJob.h"
#include "batch/TryAllConfirmation.h"
#include "cli/BatchConsole.h"
#include "cli/BatchJob.h"
#include "cli/BatchOptions.h"
#include "cli/CommandLineText.h"
#include "cli/CompletionScripts.h"
#include "cli/Diagnostics.h"
#include "cli/DryRun.h"
#include "cli/JsonReport.h"
#include "cli/ReportTarget.h"
#include "cli/ScreenProbe.h"
#include "cli/SourceWalk.h"
#include "common/Catalogues.h"
#include "common/FailedFiles.h"
#include "common/Numbers.h"
#include "imaging/FrameLibrary.h"
#include "imaging/PictureDecoder.h"
#include "imaging/PicturePreparer.h"
#include "presets/FrameList.h"
#include "presets/PresetLine.h"
#include "storage/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <iostream>
#include <string>
#include <unistd.h>

using namespace veltrane;

namespace {

enum ExitStatus { kAllWritten = 0, kSomeFailed = 1, kCannotStart = 2, kSignalled = 128 };

// The one thing a signal handler may touch: the running batch's stop.
std::atomic<BatchEngine *> g_runningBatch{nullptr};
std::atomic<int> g_stopSignal{0};

// The first signal stops the batch as the window's STOP button does (or ends
// at once when no batch runs yet); a second one ends at once.
extern "C" void onStopSignal(int signal) {
  int none = 0;
  BatchEngine *engine = g_runningBatch.load();
  if (!g_stopSignal.compare_exchange_strong(none, signal) || !engine)
    _exit(kSignalled + (none ? none : signal));
  engine->requestStop();
}

// Qt's own warnings (a missing runtime folder, say) are not the user's concern.
void quietQtMessages(QtMsgType type, const QMessageLogContext &, const QString &message) {
  if (type == QtFatalMsg || qEnvironmentVariableIsSet("VELTRANE_DEBUG"))
    fprintf(stderr, "veltrane-batch: %s\n", qPrintable(message));
}

int usageError(const QString &message) {
  QTextStream err(stderr);
  diagnose(err, message);
  err << CommandLineText::tr("Try 'veltrane-batch --help' for more information.") << '\n';
  return kCannotStart;
}

int cannotStart(const QString &message) {
  QTextStream err(stderr);
  diagnose(err, message);
  return kCannotStart;
}

bool confirm(const Prompt &prompt, bool yes) {
  QTextStream err(stderr);
  if (yes)
    return true;
  if (!isatty(STDIN_FILENO)) {
    err << "veltrane-batch: " << prompt.text << ' ' << CommandLineText::tr("Add --yes to go ahead.") << '\n';
    return false;
  }
  //: The answer read is y or Y in every language.
  err << "veltrane-batch: " << prompt.text << ' ' << CommandLineText::tr("Go ahead? [y/N]") << ' '
      << Qt::flush;
  std::string answer;
  std::getline(std::cin, answer);
  return !answer.empty() && (answer[0] == 'y' || answer[0] == 'Y');
}

// The screen for "screen" sizes and index sheets: --screen, else the
// display's when the job needs one and it answers, else 1920 x 1080.
QSize chooseScreen(const BatchOptions &options, const JobSettings &job, const QByteArray &userPlatform) {
  constexpr QSize kNoScreen{1920, 1080};
  if (options.screen)
    return *options.screen;
  if (!usesTheScreen(job))
    return kNoScreen;
  if (const auto size = askTheDisplay(QCoreApplication::applicationFilePath(), userPlatform))
    return *size;
  QTextStream(stderr) << "veltrane-batch: "
                      << CommandLineText::tr("no display answered, so the screen is taken as 1920x1080 "
                                             "(--screen WxH sets it)")
                      << '\n';
  return kNoScreen;
}

struct Run {
  const BatchOptions &options;
  const JobChoice &choice;
  const FrameLibrary &frames;
  QSize screen;
  CommandLineSources &sources;
  JsonReport *report;
};

BatchReport runBatch(const Run &run) {
  const JobSettings &job = run.choice.job;
  const ProgramSettings &program = run.choice.settings.program;
  const PicturePreparer preparer(run.frames, run.screen);
  SharedJob shared(job, choosesFrames(run.choice.presetText));
  const int pictures = int(run.sources.count()) *
                       (job.frame == kTryAllEntry ? std::max<int>(1, int(run.frames.frames().size())) : 1);
  BatchConsole console(pictures, run.options.quiet, isatty(STDERR_FILENO));
  std::optional<ReportingObserver> reporting;
  if (run.report)
    reporting.emplace(console, *run.report);
  BatchEngine engine(preparer, shared, reporting ? static_cast<BatchObserver &>(*reporting) : console);
  g_runningBatch = &engine;
  if (g_stopSignal != 0)
    engine.requestStop();
  BatchInput input;
  input.feed = &run.sources.feed();
  input.frameEntries = run.frames.entries();
  input.threads = run.options.jobs;
  input.memoryBytes = qint64(run.options.memoryMB) * 1024 * 1024;
  input.photo = run.choice.photo;
  input.extraJobs = run.choice.extraJobs;
  input.skipExisting = run.options.skipExisting;
  input.sheetStyle = {colourFromValue(program.indexBackground), colourFromValue(program.captionColour),
                      program.captionBold != 0, program.captionItalic != 0, leadingNumber(program.fontSize)};
  BatchReport report = engine.run(input);
  g_runningBatch = nullptr;
  console.close();
  return report;
}

// Both limits on and no --stretch: stretching may not be what was meant.
bool stretchAsked(const BatchOptions &options) {
  for (const auto &field : options.job.fields)
    if (field.first == QLatin1String("--stretch"))
      return true;
  return false;
}

// Failures on stderr, the summary on `out`; the exit status.
int printReport(const BatchReport &report, const FailedFiles &refused, const BatchOptions &options,
                QTextStream &out) {
  const bool quiet = options.quiet;
  QTextStream err(stderr);
  for (const FailedFiles::Entry &entry : report.unreadable.entries())
    diagnose(err, CommandLineText::tr("cannot read %1: %2").arg(entry.name, entry.reason));
  for (const FailedFiles::Entry &entry : report.refused.entries())
    diagnose(err, CommandLineText::tr("cannot resize %1: %2").arg(entry.name, entry.reason));
  for (const FailedFiles::Entry &entry : report.unwritten.entries())
    diagnose(err, CommandLineText::tr("cannot write %1: %2").arg(entry.name, entry.reason));
  for (const FailedFiles::Entry &entry : refused.entries())
    diagnose(err, CommandLineText::tr("skipped %1: %2").arg(entry.name, entry.reason));
  // Written, but not quite as asked: said unless quiet.
  if (!quiet) {
    for (const FailedFiles::Entry &entry : report.madeToFit.entries())
      diagnose(err, entry.name + QStringLiteral(": ") + entry.reason);
    for (const FailedFiles::Entry &entry : report.photoNotes.entries())
      diagnose(err, entry.name + QStringLiteral(": ") + entry.reason);
    for (const QString &note : batchNotes(report))
      diagnose(err, note);
    if (report.outOfProportion > 0 && !stretchAsked(options))
      diagnose(err,
               report.outOfProportion == 1
                   ? CommandLineText::tr("1 picture was stretched out of proportion to fill both limits; "
                                         "--fit WxH keeps proportions, --stretch WxH says the stretching "
                                         "is meant")
                   : CommandLineText::tr("%1 pictures were stretched out of proportion to fill both limits; "
                                         "--fit WxH keeps proportions, --stretch WxH says the stretching "
                                         "is meant")
                         .arg(report.outOfProportion));
  }

  if (options.timings)
    for (const QString &line : timeTableLines(report.times))
      err << line << '\n';
  err.flush();

  const qsizetype failed = report.unreadable.size() + report.unwritten.size() + report.refused.size();
  const qsizetype skipped = refused.size() + report.skipped;
  if (!quiet) {
    out << report.written << (report.written == 1 ? " picture" : " pictures");
    if (!report.sheets.isEmpty())
      out << " and " << report.sheets.size()
          << (report.sheets.size() == 1 ? " index sheet" : " index sheets");
    out << " written, " << failed << " failed, " << skipped << " skipped";
    if (report.alreadyThere > 0)
      out << ", " << report.alreadyThere << " already there";
    if (report.locationsRemoved > 0)
      out << ", the place taken left out of " << report.locationsRemoved;
    if (report.stopped)
      out << " (stopped)";
    if (!report.outputFolder.isEmpty())
      out << "; output in " << oneLine(report.outputFolder);
    out << "\n";
  }
  out.flush();
  return failed == 0 && skipped == 0 ? kAllWritten : kSomeFailed;
}

void reportRefused(const FailedFiles &refused, JsonReport *report) {
  if (report)
    for (const FailedFiles::Entry &entry : refused.entries())
      report->write({entry.name, {}, {}, -1, -1, JsonReport::Status::Skipped, entry.reason, {}});
}

// The list is read twice; the second reading can fail too, though it seldom does.
bool noListError(const CommandLineSources &sources) {
  if (sources.error().isEmpty())
    return true;
  QTextStream err(stderr);
  diagnose(err, CommandLineText::tr("the list could not be read to its end: %1").arg(sources.error()));
  return false;
}

int listPresets(const JobChoice &choice) {
  QTextStream out(stdout);
  for (const QString &name : choice.settings.presets.names())
    out << name << "\n";
  return kAllWritten;
}

// A dry run: every output planned, nothing written; the exit status.
int planOnly(const Run &run, QTextStream &out) {
  QTextStream err(stderr);
  const bool reportOnStdout = run.options.report && *run.options.report == "-";
  const int failed = dryRun({run.choice.job, run.screen, run.frames.entries(), run.sources.feed(),
                             run.choice.extraJobs, run.options.skipExisting},
                            {reportOnStdout ? nullptr : &out, err, run.report});
  for (const FailedFiles::Entry &entry : run.sources.refused().entries())
    diagnose(err, CommandLineText::tr("skipped %1: %2").arg(entry.name, entry.reason));
  return failed == 0 && run.sources.refused().isEmpty() ? kAllWritten : kSomeFailed;
}

// The batch itself, after the confirmation trying every frame asks for; the
// exit status (kCannotStart when it never began).
int resizeAll(const Run &run, QTextStream &out) {
  BatchReport done;
  if (run.sources.count() > 0) {
    if (const auto prompt =
            tryAllConfirmation(run.choice.job, int(run.frames.frames().size()), int(run.sources.count())))
      if (!confirm(*prompt, run.options.yes))
        return kCannotStart;
    done = runBatch(run);
    if (!done.started())
      return cannotStart(done.startError);
  }
  return printReport(done, run.sources.refused(), run.options, out);
}

// Everything after the options were read and Qt was started.
int runCommandLine(const BatchOptions &options, const QByteArray &userPlatform) {
  const ProgramFolder folder = ProgramFolder::resolve(options.home, QCoreApplication::applicationDirPath());
  PictureDecoder decoder;
  const FrameLibrary frames = FrameLibrary::scan(folder.frameFolders(), decoder);
  if (options.listFrames) {
    QTextStream out(stdout);
    for (const QString &name : frames.entries().mid(kFirstFrameEntry))
      out << name << "\n";
    return kAllWritten;
  }
  const Result<JobChoice> choice = chooseJob(options, folder, frames.entries());
  if (!choice)
    return usageError(choice.reason());
  if (options.listPresets)
    return listPresets(*choice);
  if (choice->job.sameFolder != 0 && (choice->job.sheetMode == 1 || choice->job.sheetMode == 2))
    QTextStream(stderr) << "veltrane-batch: outputs beside their sources (--same-folder) make no "
                           "index sheets, so the job's are left out\n";

  // The report is emptied only once it is known to be no file of the user's.
  std::optional<FileIdentity> reportFile;
  if (options.report) {
    Result<std::optional<FileIdentity>> target = checkReportTarget(*options.report, options.sources);
    if (!target)
      return cannotStart(target.reason());
    reportFile = *target;
  }
  Result<std::unique_ptr<CommandLineSources>> opened =
      CommandLineSources::open(options.sources, choice->job.sameFolder != 0, reportFile);
  if (!opened)
    return cannotStart(opened.reason());
  CommandLineSources &sources = **opened;
  if (sources.count() == 0 && sources.refused().isEmpty())
    return usageError(CommandLineText::tr("no files given"));
  std::unique_ptr<JsonReport> report;
  if (options.report) {
    Result<std::unique_ptr<JsonReport>> made = JsonReport::open(*options.report);
    if (!made)
      return cannotStart(made.reason());
    report = std::move(*made);
  }
  const QSize screen = chooseScreen(options, choice->job, userPlatform);
  // With the report on the standard output, the summary goes to the error output.
  QTextStream out(options.report && *options.report == "-" ? stderr : stdout);
  reportRefused(sources.refused(), report.get());

  const Run run{options, *choice, frames, screen, sources, report.get()};
  int status = options.dryRun ? planOnly(run, out) : resizeAll(run, out);
  if (status == kCannotStart)
    return status;
  if (!noListError(sources))
    status = std::max<int>(status, kSomeFailed);
  if (report && !report->error().isEmpty()) {
    QTextStream err(stderr);
    diagnose(err, report->error());
    status = std::max<int>(status, kSomeFailed);
  }
  return g_stopSignal != 0 ? kSignalled + g_stopSignal : status;
}

} // namespace

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsSet(kScreenProbeVariable))
    return printScreenSize(argc, argv);
  keepFreedMemoryForReuse();
  QByteArrayList arguments;
  for (int i = 1; i < argc; ++i)
    arguments.append(QByteArray(argv[i]));
  const Result<BatchOptions> parsed = parseBatchOptions(arguments);
  if (!parsed) {
    // The catalogues need an application; the message is made again in
    // the user's language once they are in.
    QCoreApplication texts(argc, argv);
    installCatalogues(texts, catalogueFolders(QCoreApplication::applicationDirPath()));
    return usageError(parseBatchOptions(arguments).reason());
  }
  const BatchOptions &options = *parsed;
  QTextStream out(stdout);
  if (options.help) {
    out << batchUsage();
    return kAllWritten;
  }
  if (options.version) {
    out << "veltrane-batch " << VELTRANE_VERSION << "\n";
    return kAllWritten;
  }
  if (!options.completion.isEmpty()) {
    out << *completionScript(options.completion);
    return kAllWritten;
  }
  if (options.sources.files.isEmpty() && !options.sources.filesFrom && !options.listPresets &&
      !options.listFrames) {
    QCoreApplication texts(argc, argv);
    installCatalogues(texts, catalogueFolders(QCoreApplication::applicationDirPath()));
    return usageError(CommandLineText::tr("no files given"));
  }

  std::signal(SIGINT, onStopSignal);
  std::signal(SIGTERM, onStopSignal);
  // A reader that closes the report and a file-size limit fail a write, which
  // is told and counted; neither may end the batch without its summary.
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);
  // Captions need fonts, so a GUI application, but never a display: the
  // offscreen platform has fonts and cannot fail. A child asks the display
  // for its size when the job needs it (see ScreenProbe.h).
  const QByteArray userPlatform = qgetenv("QT_QPA_PLATFORM");
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(quietQtMessages);
  QGuiApplication app(argc, argv);
  QGuiApplication::setApplicationName(QStringLiteral("veltrane-batch"));
  installCatalogues(app, catalogueFolders(QCoreApplication::applicationDirPath()));
  return runCommandLine(options, userPlatform);
}
