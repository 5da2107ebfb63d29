#include "batch/BatchRun.h"

#include "batch/OutputFolder.h"
#include "batch/OutputNaming.h"
#include "batch/SharedJob.h"
#include "batch/WorkerPool.h"
#include "imaging/DecoderFileReader.h"
#include "imaging/JpegFileWriter.h"
#include "imaging/PictureEncoder.h"
#include "imaging/PicturePreparer.h"
#include "imaging/SaveOutput.h"
#include "presets/FrameList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <set>

namespace veltrane {

namespace {

constexpr int kSheetQuality = 85;
const QString kNoOutputFolder = QStringLiteral("the output folder cannot be made or written");

} // namespace

bool BatchRun::outputFolderReady() {
  if (!m_outputFolderPrepared) {
    m_outputFolderPrepared = prepareOutputFolder(m_outputFolder);
    if (m_outputFolderPrepared->ok())
      m_report.outputFolder = m_outputFolder;
  }
  return m_outputFolderPrepared->ok();
}

Result<> BatchRun::subfolderReady(const QString &subfolder) {
  auto prepared = m_subfoldersPrepared.find(subfolder);
  if (prepared == m_subfoldersPrepared.end())
    prepared =
        m_subfoldersPrepared.emplace(subfolder, prepareOutputSubfolder(m_outputFolder, subfolder)).first;
  return prepared->second;
}

void BatchRun::failed(FailedFiles BatchReport::*list, const QString &path, const QString &reason,
                      const QString &source) {
  (m_report.*list).add(path, reason);
  m_observer.pictureFailed(path, reason);
  PictureRecord record;
  record.source = source;
  if (list != &BatchReport::unreadable && list != &BatchReport::refused)
    record.output = path;
  record.status = PictureRecord::Status::Failed;
  record.reason = reason;
  m_observer.pictureDone(record);
}

QString BatchRun::writeSheet(const QImage &canvas, const QString &wanted) {
  if (!outputFolderReady()) {
    failed(&BatchReport::unwritten, wanted, kNoOutputFolder);
    return {};
  }
  QImage sheetPicture = canvas;
  const Result<QString> path =
      saveOutput(sheetPicture, wanted, kSheetQuality, true, *m_sheetEncoder, nextFreeName);
  if (!path) {
    failed(&BatchReport::unwritten, wanted, path.reason());
    return {};
  }
  m_report.sheets.append(*path);
  m_foldersWritten.insert(m_outputFolder);
  m_observer.pictureWritten(*path);
  m_observer.pictureDone({{},
                          *path,
                          canvas.size(),
                          QFileInfo(*path).size(),
                          kSheetQuality,
                          PictureRecord::Status::Written,
                          {},
                          formatWord(m_sheetEncoder->format()),
                          1});
  return *path;
}

OutputName BatchRun::outputNameOf(const SourceEntry &entry, const ResizeJob &job,
                                  const QString &qualityText) const {
  const bool mirrored = !job.sameFolder && !entry.outputSubfolder.isEmpty();
  const QString folder = job.sameFolder ? entry.folder
                         : mirrored     ? m_outputFolder + u'/' + entry.outputSubfolder
                                        : m_outputFolder;
  return {folder, entry.name, job.suffixTemplate, {qualityText, 0, 0, m_input.frameEntries.value(job.frame)}};
}

void BatchRun::writeOutput(const Begun &begun, const ResizeJob &job, const QString &qualityText,
                           const Outcome &outcome) {
  const SourceEntry &entry = begun.entry;
  const QString source = sourcePath(entry);
  const bool mirrored = !job.sameFolder && !entry.outputSubfolder.isEmpty();
  const OutputName naming = outputNameOf(entry, job, qualityText);
  const QString &folder = naming.folder;
  const QString wanted = naming.wanted(outcome.size, outcome.format);
  if (!job.sameFolder && !outputFolderReady())
    return failed(&BatchReport::unwritten, wanted, kNoOutputFolder, source);
  if (mirrored)
    if (const Result<> ready = subfolderReady(entry.outputSubfolder); !ready)
      return failed(&BatchReport::unwritten, wanted, ready.reason(), source);
  if (!outcome.encodeError.isEmpty())
    return failed(&BatchReport::unwritten, wanted, outcome.encodeError, source);
  if (outcome.alreadyThere || (m_input.skipExisting && fileExists(wanted))) {
    ++m_report.alreadyThere;
    return skipped(source, QStringLiteral("output exists"));
  }
  const Result<QString> path = writeNewJpegFile(wanted, outcome.bytes, nextFreeName);
  if (!path)
    return failed(&BatchReport::unwritten, wanted, path.reason(), source);
  ++m_report.written;
  m_foldersWritten.insert(folder);
  m_observer.pictureWritten(*path);
  m_observer.pictureDone({source,
                          *path,
                          outcome.size,
                          qint64(outcome.bytes.size()),
                          outcome.quality,
                          PictureRecord::Status::Written,
                          {},
                          formatWord(outcome.format),
                          outcome.encodes});
  noteWhatTheLimitTook(*path, job, outcome);
  m_report.locationsRemoved += outcome.locationRemoved ? 1 : 0;
  m_report.iptcLeftOut += outcome.leftOut.isEmpty() ? 0 : 1;
  m_report.firstFramesOnly += outcome.firstFrameOnly ? 1 : 0;
  m_report.outOfProportion += outcome.outOfProportion ? 1 : 0;
  if (!outcome.photoNote.isEmpty())
    m_report.photoNotes.add(*path, outcome.photoNote);
}

void BatchRun::noteWhatTheLimitTook(const QString &path, const ResizeJob &job, const Outcome &outcome) {
  QStringList changes;
  if (outcome.shrunkFrom.isValid())
    changes.append(QStringLiteral("made %1 x %2 pixels instead of %3 x %4")
                       .arg(outcome.size.width())
                       .arg(outcome.size.height())
                       .arg(outcome.shrunkFrom.width())
                       .arg(outcome.shrunkFrom.height()));
  if (outcome.extrasDropped)
    changes.append(QStringLiteral("written without its colour profile and metadata"));
  if (!changes.isEmpty())
    m_report.madeToFit.add(path,
                           changes.join(QStringLiteral(", ")) +
                               QStringLiteral(" to fit %1 kB").arg(QLocale().toString(*job.sizeLimitKb)));
}

// The names of the files written, and of the folders a mirrored tree made
// for them, durable before the summary counts them.
void BatchRun::syncFoldersWritten() {
  std::set<QString> synced;
  for (QString folder : m_foldersWritten) {
    while (synced.insert(folder).second) {
      syncFolder(QFile::encodeName(folder));
      if (folder.size() <= m_outputFolder.size() || !folder.startsWith(m_outputFolder))
        break;
      folder = QFileInfo(folder).path();
    }
  }
}

} // namespace veltrane
