#pragma once

#include "TempFolder.h"
#include "TestPictures.h"
#include "batch/BatchEngine.h"
#include "batch/SharedJob.h"
#include "imaging/FrameLibrary.h"
#include "imaging/PicturePreparer.h"

#include <QDir>
#include <QStringList>

namespace veltrane::test {

// Records the progress a batch reports, and can act on it.
struct RecordingObserver : BatchObserver {
  QList<BatchProgress> progress;
  QStringList written;
  QList<PictureRecord> records;
  std::function<void()> onWritten;
  std::function<void()> onProgress;
  void progressed(const BatchProgress &p) override {
    progress.append(p);
    if (onProgress)
      onProgress();
  }
  void pictureDone(const PictureRecord &record) override { records.append(record); }
  void pictureWritten(const QString &path) override {
    written.append(path);
    if (onWritten)
      onWritten();
  }
};

// A batch over pictures in a temporary folder, with an output folder inside it.
struct BatchKit {
  TempFolder temp;
  QList<SourceEntry> sources;
  FrameLibrary frames;
  QSize screen{1024, 768};
  JobSettings job;
  RecordingObserver observer;
  int threads = 2;
  PhotoOptions photo;
  QList<JobSettings> extraJobs;
  SourceFeed *feed = nullptr; // read instead of `sources` when set

  BatchKit() {
    job.outputFolder = temp.file(QStringLiteral("out"));
    job.widthOn = job.heightOn = 0;
    job.addSuffix = 0;
    job.suffixTemplate.clear();
  }
  void addSource(const QString &name) { sources.append({temp.file(QStringLiteral("src")), name}); }
  // Pictures of one colour written into the source folder and listed.
  void addPictures(const QStringList &names, QSize size = {400, 300}) {
    for (const QString &name : names) {
      writePicture(temp.file(QStringLiteral("src/") + name), size, Qt::darkCyan);
      addSource(name);
    }
  }
  // Busy pictures, which compress badly, for the size limits.
  void addNoise(const QString &name, QSize size, quint32 seed = 1) {
    writeImage(temp.file(QStringLiteral("src/") + name), noisePicture(size, seed));
    addSource(name);
  }
  void width(int pixels) {
    job.maxWidth = QString::number(pixels);
    job.widthOn = 1;
  }
  void suffix(const QString &name) {
    job.addSuffix = 1;
    job.suffixTemplate = name;
  }
  void sizeLimit(const QString &kb) {
    job.sizeLimitOn = true;
    job.sizeLimitKb = kb;
  }
  QStringList outputs(const QString &folder = QStringLiteral("out")) const {
    return QDir(temp.file(folder)).entryList(QDir::Files | QDir::Hidden, QDir::Name);
  }
  // Runs a batch; the observer hears only this batch's pictures.
  BatchReport run() {
    observer.written.clear();
    observer.records.clear();
    const PicturePreparer preparer(frames, screen);
    SharedJob used(job);
    BatchEngine running(preparer, used, observer);
    shared = &used;
    engine = &running;
    BatchReport report = running.run({sources, frames.entries(), {}, threads, photo, extraJobs, feed});
    finalJob = used.job();
    shared = nullptr;
    engine = nullptr;
    return report;
  }
  // While run() runs, for the observer: the job the batch reads, and its engine.
  SharedJob *shared = nullptr;
  BatchEngine *engine = nullptr;
  JobSettings finalJob;
};

} // namespace veltrane::test
