#include "cli/DryRun.h"

#include "cli/Diagnostics.h"

#include "batch/OutputNaming.h"
#include "imaging/OutputLimits.h"
#include "imaging/PictureDecoder.h"
#include "imaging/PreparedSize.h"
#include "presets/ResizeJob.h"

#include <QDir>
#include <QLocale>
#include <QSet>

namespace veltrane {
namespace {

// The frame entries a batch goes through: the chosen one, or all when trying them.
QList<int> framesTried(const JobSettings &job, const QStringList &entries) {
  if (job.frame != kTryAllEntry)
    return {job.frame};
  QList<int> frames;
  for (int frame = kFirstFrameEntry; frame < entries.size(); ++frame)
    frames.append(frame);
  return frames;
}

QString outputFolderOf(const ResizeJob &job, const JobSettings &settings, const SourceEntry &entry) {
  if (job.sameFolder)
    return entry.folder;
  return entry.outputSubfolder.isEmpty() ? settings.outputFolder
                                         : settings.outputFolder + u'/' + entry.outputSubfolder;
}

// One job a source goes through, its texts read once for the whole batch.
struct PassJob {
  JobSettings settings;
  ResizeJob job;
  bool counted; // a picture of the pass: the job with one of its frames
};

// The job with every frame it tries, then the other jobs of the pass.
QList<PassJob> jobsOfPass(const PlannedBatch &batch, const QList<int> &frames) {
  QList<PassJob> jobs;
  const auto add = [&](const JobSettings &settings, bool counted) {
    jobs.append({settings, resolveJob(settings, batch.screen), counted});
  };
  for (const int frame : frames) {
    JobSettings settings = batch.job;
    settings.frame = qint16(frame);
    if (frames.size() > 1)
      settings.suffixTemplate = QStringLiteral(" ([F])");
    add(settings, true);
  }
  for (const JobSettings &extra : batch.extraJobs)
    add(extra, false);
  return jobs;
}

// Plans a batch's outputs one source at a time, numbering names against
// what is on disk and what it has already planned.
class Planner {
public:
  Planner(const PlannedBatch &batch, DryRunOutput output) : m_batch(batch), m_output(output) {}

  void plan(const SourceEntry &entry, const QList<PassJob> &jobs) {
    const DecodeResult probe =
        m_decoder.probeFile(entry.readPath.isEmpty() ? sourcePath(entry) : entry.readPath);
    if (!probe.ok()) {
      fail(entry, QStringLiteral("cannot read "), probe.error);
      return;
    }
    for (const PassJob &pass : jobs) {
      m_pictures += pass.counted ? 1 : 0;
      planOutput(entry, pass, *probe.picture);
    }
  }

  void printSheets() const {
    const ResizeJob start = resolveJob(m_batch.job, m_batch.screen);
    const int perSheet = start.grid.columns * start.grid.rows;
    if (start.makesSheets() && m_pictures > 0 && m_output.out)
      *m_output.out << "and " << (m_pictures + perSheet - 1) / perSheet << " index sheet(s) of "
                    << m_batch.screen.width() << " x " << m_batch.screen.height() << " in "
                    << oneLine(m_batch.job.outputFolder) << "\n";
  }

  int failed() const { return m_failed; }

private:
  void fail(const SourceEntry &entry, const QString &what, const QString &reason) {
    diagnose(m_output.err, what + sourcePath(entry) + QStringLiteral(": ") + reason);
    if (m_output.report)
      m_output.report->write({sourcePath(entry), {}, {}, -1, -1, JsonReport::Status::Failed, reason, {}});
    ++m_failed;
  }

  void planOutput(const SourceEntry &entry, const PassJob &pass, const DecodedPicture &probe) {
    const JobSettings &settings = pass.settings;
    const ResizeJob &job = pass.job;
    if (!job.writesPictures())
      return;
    const QSize size = preparedSize(probe.fullSize, job).size;
    const OutputFormat format = formatWritten(job.format, probe.format);
    // What the batch would refuse, it refuses here too.
    if (const QString refusal = outputSizeRefusal(size, format); !refusal.isEmpty()) {
      fail(entry, QStringLiteral("cannot resize "), refusal);
      return;
    }
    const QString suffix =
        job.suffixTemplate
            ? substituteSuffix(*job.suffixTemplate, {job.qualityText, size.width(), size.height(),
                                                     m_batch.frameEntries.value(settings.frame)})
            : QString();
    const QString wanted = QDir::cleanPath(outputFolderOf(job, settings, entry) + u'/' +
                                           outputFileName(stem(entry.name), suffix, formatExtension(format)));
    if (m_batch.skipExisting && taken(wanted)) {
      skip(entry, wanted, format);
      return;
    }
    const QString name = nextUntakenName(wanted, [this](const QString &path) { return taken(path); });
    m_planned.insert(hashOf(name));
    const QString searched =
        job.sizeLimitKb
            ? QStringLiteral("quality searched at run time to stay below %1 kB; the size may shrink")
                  .arg(QLocale().toString(*job.sizeLimitKb))
            : QString();
    if (m_output.out)
      *m_output.out << oneLine(sourcePath(entry)) << " -> " << oneLine(name) << "  " << size.width() << " x "
                    << size.height()
                    << (searched.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(searched)) << "\n";
    if (m_output.report)
      m_output.report->write({sourcePath(entry), name, size, -1, job.sizeLimitKb ? -1 : job.fixedQuality,
                              JsonReport::Status::Planned, searched, formatWord(format)});
  }

  void skip(const SourceEntry &entry, const QString &wanted, OutputFormat format) {
    if (m_output.out)
      *m_output.out << oneLine(sourcePath(entry)) << " -> skipped: output exists (" << oneLine(wanted)
                    << ")\n";
    if (m_output.report)
      m_output.report->write({sourcePath(entry),
                              wanted,
                              {},
                              -1,
                              -1,
                              JsonReport::Status::Skipped,
                              QStringLiteral("output exists"),
                              formatWord(format)});
  }

  static size_t hashOf(const QString &path) { return std::hash<QStringView>{}(path); }
  bool taken(const QString &path) const { return m_planned.contains(hashOf(path)) || fileExists(path); }

  const PlannedBatch &m_batch;
  DryRunOutput m_output;
  PictureDecoder m_decoder;
  // Hashes of the names given out: a hundred thousand names cost under 2 MB, and
  // a collision could only number one name needlessly.
  QSet<size_t> m_planned;
  int m_failed = 0;
  int m_pictures = 0;
};

} // namespace

int dryRun(const PlannedBatch &batch, DryRunOutput output) {
  const QList<PassJob> jobs = jobsOfPass(batch, framesTried(batch.job, batch.frameEntries));
  Planner planner(batch, output);
  while (const std::optional<SourceEntry> next = batch.sources.next())
    planner.plan(*next, jobs);
  planner.printSheets();
  return planner.failed();
}

} // namespace veltrane
