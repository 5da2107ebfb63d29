#pragma once

#include "TempFolder.h"
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
  std::function<void()> onWritten;
  std::function<void()> onProgress;
  void progressed(const BatchProgress &p) override {
    progress.append(p);
    if (onProgress)
      onProgress();
  }
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

  BatchKit() {
    job.outputFolder = temp.file(QStringLiteral("out"));
    job.widthOn = job.heightOn = 0;
    job.addSuffix = 0;
    job.suffixTemplate.clear();
  }
  void addSource(const QString &name) { sources.append({temp.file(QStringLiteral("src")), name}); }
  QStringList outputs(const QString &folder = QStringLiteral("out")) const {
    return QDir(temp.file(folder)).entryList(QDir::Files | QDir::Hidden, QDir::Name);
  }
  BatchReport run(SharedJob *shared = nullptr, BatchEngine **engineOut = nullptr) {
    const PicturePreparer preparer(frames, screen);
    SharedJob local(job);
    SharedJob &used = shared ? *shared : local;
    BatchEngine engine(preparer, used, observer);
    if (engineOut)
      *engineOut = &engine;
    BatchInput input;
    input.sources = sources;
    input.frameEntries = frames.entries();
    input.threads = threads;
    BatchReport report = engine.run(input);
    finalJob = used.job();
    return report;
  }
  JobSettings finalJob;
};

} // namespace veltrane::test
