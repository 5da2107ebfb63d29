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

} // namespace

int dryRun(const PlannedBatch &batch, DryRunOutput output) {
  PictureDecoder decoder;
  const QList<int> frames = framesTried(batch.job, batch.frameEntries);
  // Hashes of the names given out: a hundred thousand names cost under 2 MB, and
  // a collision could only number one name needlessly.
  QSet<size_t> planned;
  const auto hashOf = [](const QString &path) { return std::hash<QStringView>{}(path); };
  const auto taken = [&](const QString &path) { return planned.contains(hashOf(path)) || fileExists(path); };
  int failed = 0;
  int pictures = 0;
  while (const std::optional<SourceEntry> next = batch.sources.next()) {
    const SourceEntry &entry = *next;
    const DecodeResult probe =
        decoder.probeFile(entry.readPath.isEmpty() ? sourcePath(entry) : entry.readPath);
    if (!probe.ok()) {
      diagnose(output.err,
               QStringLiteral("cannot read ") + sourcePath(entry) + QStringLiteral(": ") + probe.error);
      if (output.report)
        output.report->write(
            {sourcePath(entry), {}, {}, -1, -1, JsonReport::Status::Failed, probe.error, {}});
      ++failed;
      continue;
    }
    // The job with every frame it tries, then the other jobs of the pass.
    QList<std::pair<JobSettings, bool>> jobs;
    for (const int frame : frames) {
      JobSettings settings = batch.job;
      settings.frame = qint16(frame);
      if (frames.size() > 1)
        settings.suffixTemplate = QStringLiteral(" ([F])");
      jobs.append({settings, true});
    }
    for (const JobSettings &extra : batch.extraJobs)
      jobs.append({extra, false});
    for (const auto &[settings, counted] : jobs) {
      const int frame = settings.frame;
      const ResizeJob job = resolveJob(settings, batch.screen);
      pictures += counted ? 1 : 0;
      if (!job.writesPictures())
        continue;
      const QSize size = preparedSize(probe.picture->fullSize, job).size;
      const OutputFormat format = formatWritten(job.format, probe.picture->format);
      // What the batch would refuse, it refuses here too.
      if (const QString refusal = outputSizeRefusal(size, format); !refusal.isEmpty()) {
        diagnose(output.err,
                 QStringLiteral("cannot resize ") + sourcePath(entry) + QStringLiteral(": ") + refusal);
        if (output.report)
          output.report->write({sourcePath(entry), {}, {}, -1, -1, JsonReport::Status::Failed, refusal, {}});
        ++failed;
        continue;
      }
      const QString suffix =
          job.suffixTemplate
              ? substituteSuffix(*job.suffixTemplate, {job.qualityText, size.width(), size.height(),
                                                       batch.frameEntries.value(frame)})
              : QString();
      const QString wanted =
          QDir::cleanPath(outputFolderOf(job, settings, entry) + u'/' +
                          outputFileName(stem(entry.name), suffix, formatExtension(format)));
      if (batch.skipExisting && taken(wanted)) {
        if (output.out)
          *output.out << oneLine(sourcePath(entry)) << " -> skipped: output exists (" << oneLine(wanted)
                      << ")\n";
        if (output.report)
          output.report->write({sourcePath(entry),
                                wanted,
                                {},
                                -1,
                                -1,
                                JsonReport::Status::Skipped,
                                QStringLiteral("output exists"),
                                formatWord(format)});
        continue;
      }
      const QString name = nextUntakenName(wanted, taken);
      planned.insert(hashOf(name));
      const QString searched =
          job.sizeLimitKb
              ? QStringLiteral("quality searched at run time to stay below %1 kB; the size may shrink")
                    .arg(QLocale().toString(*job.sizeLimitKb))
              : QString();
      if (output.out)
        *output.out << oneLine(sourcePath(entry)) << " -> " << oneLine(name) << "  " << size.width() << " x "
                    << size.height()
                    << (searched.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(searched)) << "\n";
      if (output.report)
        output.report->write({sourcePath(entry), name, size, -1, job.sizeLimitKb ? -1 : job.fixedQuality,
                              JsonReport::Status::Planned, searched, formatWord(format)});
    }
  }
  const ResizeJob start = resolveJob(batch.job, batch.screen);
  const int perSheet = start.grid.columns * start.grid.rows;
  if (start.makesSheets() && pictures > 0 && output.out)
    *output.out << "and " << (pictures + perSheet - 1) / perSheet << " index sheet(s) of "
                << batch.screen.width() << " x " << batch.screen.height() << " in "
                << oneLine(batch.job.outputFolder) << "\n";
  return failed;
}

} // namespace veltrane
