#include "../imaging/TestData.h"
#include "BatchTestKit.h"
#include "imaging/PhotoMetadata.h"
#include "presets/FrameList.h"

#include <QImageReader>
#include <gtest/gtest.h>
#include <map>

using namespace veltrane;
using test::BatchKit;

namespace {

// "p01.jpg", "p02.jpg"... as the pattern says.
QStringList numbered(const char *pattern, int count) {
  QStringList names;
  for (int i = 1; i <= count; ++i)
    names << QString::asprintf(pattern, i);
  return names;
}

// How often each record's source was told of, and the records skipped.
std::map<QString, int> recordsPerSource(const QList<PictureRecord> &records) {
  std::map<QString, int> count;
  for (const PictureRecord &record : records)
    if (!record.source.isEmpty())
      ++count[QFileInfo(record.source).fileName()];
  return count;
}

// Gives a list's sources one at a time, promising any number, and keeps
// how far ahead of the written pictures it was read.
struct PromisingFeed : SourceFeed {
  QList<SourceEntry> sources;
  qsizetype promised = 0;
  qsizetype given = 0;
  const QStringList *written = nullptr;
  qsizetype mostAhead = 0;
  qsizetype expected() const override { return promised; }
  std::optional<SourceEntry> next() override {
    mostAhead = std::max(mostAhead, given - written->size());
    if (given == sources.size())
      return std::nullopt;
    return sources[given++];
  }
};

// Frames of these names, one picture each, as the kit's frame library.
void useFrames(BatchKit &kit, std::initializer_list<const char *> names) {
  QList<FrameLibrary::Frame> frames;
  for (const char *name : names) {
    const QString file = QStringLiteral("%1_10-10-90-65.bmp").arg(QLatin1String(name));
    test::writePicture(kit.temp.file("frames/" + file), {100, 75}, Qt::yellow);
    frames.append({QString::fromLatin1(name), file, kit.temp.file("frames/" + file)});
  }
  kit.frames = FrameLibrary::fromFrames(frames);
  kit.job.frame = kTryAllEntry;
}

} // namespace

TEST(Batch, NamesFollowTheTemplate) {
  BatchKit kit;
  kit.addPictures({"Family.jpg", "holiday.photo.bmp"}, {1600, 1200});
  kit.width(800);
  kit.suffix("_[W]x[h]@[Q]+[F]");
  BatchReport report = kit.run();
  EXPECT_EQ(kit.outputs(), (QStringList{"Family_800x600@85%+(no frame).jpg", "desktop.ini",
                                        "holiday.photo_800x600@85%+(no frame).jpg"}));

  // A size limit names the files after the limit, and the quality found is shown after.
  kit.sizeLimit("20");
  kit.job.fixedQuality = QStringLiteral("85");
  kit.job.suffixTemplate = QStringLiteral("@[Q]");
  kit.job.widthOn = 0;
  kit.sources.clear();
  kit.addNoise("noise.bmp", {300, 300});
  report = kit.run();
  ASSERT_TRUE(report.allWritten());
  const QString written = kit.temp.file("out/noise@20k.jpg");
  EXPECT_EQ(kit.observer.written, QStringList{written});
  EXPECT_LE(QFileInfo(written).size(), 20 * 1024);
  EXPECT_GT(QFileInfo(written).size(), 10 * 1024);
  EXPECT_EQ(QImageReader(written).size(), QSize(300, 300)) << "it fits: not made smaller";
  EXPECT_NE(kit.finalJob.fixedQuality, QStringLiteral("85"));
  EXPECT_LT(kit.finalJob.fixedQuality.toInt(), 100);

  // A limit even quality 0 misses makes the picture smaller: the name says
  // the size written, the report says what changed; nothing is over the limit.
  kit.job.sizeLimitKb = QStringLiteral("1");
  kit.job.suffixTemplate = QStringLiteral("_[W]x[H]");
  report = kit.run();
  ASSERT_TRUE(report.allWritten());
  ASSERT_EQ(report.written, 1);
  const QString shrunk = QFileInfo(kit.observer.written[0]).fileName();
  EXPECT_TRUE(shrunk.startsWith("noise_") && !shrunk.startsWith("noise_300x300")) << shrunk.toStdString();
  EXPECT_LE(QFileInfo(kit.observer.written[0]).size(), 1 * 1024);
  ASSERT_EQ(report.madeToFit.size(), 1);
  const QString size = shrunk.mid(6).chopped(4).replace(u'x', QStringLiteral(" x "));
  EXPECT_EQ(report.madeToFit.entries()[0].reason,
            QStringLiteral("made %1 pixels instead of 300 x 300 to fit 1 kB").arg(size));

  // Not even 16 x 16 pixels fit in nothing: a failure with the reason, no file.
  kit.job.sizeLimitKb = QStringLiteral("0");
  report = kit.run();
  EXPECT_EQ(report.unwritten.size(), 1);
  EXPECT_EQ(report.unwritten.entries().value(0).reason,
            "even at 16 x 16 pixels the file would be larger than 0 kB");
}

// Beside the sources nothing is overwritten; "same folder" turned off during
// a batch makes and marks the output folder when the first picture needs it.
TEST(Batch, SameFolderNeverOverwritesTheSourceAndCanBeLeftDuringTheBatch) {
  BatchKit kit;
  kit.addPictures({"a.jpg", "b.jpg"});
  kit.job.sameFolder = 1;
  kit.job.sheetMode = 2; // index sheets are off beside the sources
  kit.threads = 1;
  kit.run();
  EXPECT_EQ(kit.outputs("src"), (QStringList{"a (2).jpg", "a.jpg", "b (2).jpg", "b.jpg"}));
  EXPECT_FALSE(QFileInfo::exists(kit.temp.file("out")));

  kit.job.sheetMode = 0;
  kit.observer.onProgress = [&] {
    if (kit.observer.progress.size() == 3)
      kit.shared->update([](JobSettings &job) { job.sameFolder = 0; });
  };
  const BatchReport report = kit.run();
  EXPECT_TRUE(report.allWritten());
  EXPECT_EQ(kit.outputs("src"), (QStringList{"a (2).jpg", "a (3).jpg", "a.jpg", "b (2).jpg", "b.jpg"}));
  EXPECT_EQ(kit.outputs(), (QStringList{"b.jpg", "desktop.ini"}));
  EXPECT_EQ(report.outputFolder, kit.temp.file("out"));
}

// Only sheets: the cells were sized for the grid the batch began with, so a
// grid changed meanwhile must neither draw off the canvas nor leave sheets
// half empty; a second batch into the folder never replaces its sheets.
TEST(Batch, IndexSheetsOnlyKeepTheGridTheBatchBeganWith) {
  BatchKit kit;
  kit.addPictures({"a.jpg", "b.jpg", "c.jpg"});
  kit.job.sheetMode = 2;
  kit.job.sheetColumns = 1; // 2 x 1
  kit.job.sheetRows = 0;
  kit.threads = 1;
  kit.observer.onProgress = [&] {
    if (kit.observer.progress.size() == 1)
      kit.shared->update([](JobSettings &job) { job.sheetColumns = job.sheetRows = 7; });
  };
  const BatchReport report = kit.run();
  EXPECT_EQ(report.sheets.size(), 2) << "two pictures on the first sheet, one on the second";
  EXPECT_TRUE(report.allWritten());
  // Progress per picture, to a tenth of a percent.
  ASSERT_EQ(kit.observer.progress.size(), 3);
  EXPECT_EQ(kit.observer.progress[0].infoText, QStringLiteral("33.3%"));
  EXPECT_EQ(kit.observer.progress[1].processing, QStringLiteral("b.jpg"));
  EXPECT_EQ(kit.outputs(), (QStringList{"_INDEX01.jpg", "_INDEX02.jpg", "desktop.ini"}));
  EXPECT_EQ(QImageReader(kit.temp.file("out/_INDEX01.jpg")).size(), QSize(1024, 768)) << "the screen's size";
  // Again, with just a full sheet: renumbered, nothing replaced, no empty sheet after it.
  kit.sources = kit.sources.mid(0, 2);
  const BatchReport again = kit.run();
  EXPECT_EQ(again.sheets.size(), 1);
  EXPECT_TRUE(again.allWritten());
  EXPECT_EQ(kit.outputs(), (QStringList{"_INDEX01 (2).jpg", "_INDEX01.jpg", "_INDEX02.jpg", "desktop.ini"}));
}

TEST(Batch, TriesEveryFrameAndPutsTheJobBack) {
  BatchKit kit;
  kit.addPictures({"a.jpg", "b.jpg"});
  useFrames(kit, {"Gold", "Oak", "Paper", "Steel"});
  kit.suffix("_mine");
  kit.width(200);
  const BatchReport report = kit.run();
  EXPECT_TRUE(report.allWritten());
  EXPECT_EQ(kit.outputs(),
            (QStringList{"a (Gold).jpg", "a (Oak).jpg", "a (Paper).jpg", "a (Steel).jpg", "b (Gold).jpg",
                         "b (Oak).jpg", "b (Paper).jpg", "b (Steel).jpg", "desktop.ini"}));
  ASSERT_EQ(kit.observer.progress.size(), 8);
  EXPECT_EQ(kit.observer.progress[0].processing, QStringLiteral("40% of a.jpg"));
  EXPECT_EQ(kit.observer.progress[3].processing, QStringLiteral("100% of a.jpg"));
  EXPECT_EQ(kit.finalJob.suffixTemplate, QStringLiteral("_mine"));
  EXPECT_EQ(kit.finalJob.frame, kTryAllEntry);
  EXPECT_EQ(QImageReader(kit.temp.file("out/a (Oak).jpg")).size(), QSize(200, 150));
}

TEST(Batch, AnOutputFolderThatCannotBeMadeStopsBeforeTheFirstPicture) {
  BatchKit kit;
  kit.addPictures({"a.jpg"});
  kit.temp.write(QStringLiteral("file"), "a file, not a folder");
  kit.job.outputFolder = kit.temp.file("file/out");
  BatchReport report = kit.run();
  EXPECT_FALSE(report.started());
  EXPECT_EQ(report.written, 0);
  EXPECT_TRUE(report.startError.contains(kit.temp.file("file/out")));
  EXPECT_EQ(batchReportPrompts(report).size(), 1);

  kit.job.outputFolder.clear();
  report = kit.run();
  EXPECT_FALSE(report.started());
  // Missing parents are made.
  kit.job.outputFolder = kit.temp.file("deep/er/out");
  EXPECT_TRUE(kit.run().allWritten());
  EXPECT_TRUE(QFileInfo::exists(kit.temp.file("deep/er/out/a.jpg")));
}

TEST(Batch, StopFinishesWhatIsUnderWayAndSkipsTheRest) {
  BatchKit kit;
  kit.addPictures(numbered("p%d.jpg", 10));
  kit.job.sheetMode = 1;
  kit.threads = 1;
  kit.observer.onWritten = [&] {
    if (kit.observer.written.size() == 2)
      kit.engine->requestStop();
  };
  const BatchReport report = kit.run();
  EXPECT_TRUE(report.stopped);
  // What the worker had begun or finished is written; the rest, at least the
  // pictures beyond the few begun ahead, is not begun.
  EXPECT_GE(report.written, 2);
  EXPECT_LE(report.written, 6);
  EXPECT_EQ(report.skipped, 10 - report.written);
  EXPECT_FALSE(report.allWritten());
  EXPECT_EQ(report.sheets.size(), 1); // the partly filled sheet
  // Every source is told of once, written or skipped: a report misses none.
  const std::map<QString, int> told = recordsPerSource(kit.observer.records);
  EXPECT_EQ(told.size(), 10u);
  EXPECT_TRUE(std::all_of(told.begin(), told.end(), [](const auto &source) { return source.second == 1; }));
  EXPECT_EQ(std::count_if(kit.observer.records.begin(), kit.observer.records.end(),
                          [](const PictureRecord &r) { return r.status == PictureRecord::Status::Skipped; }),
            report.skipped);
}

// Sources come from a feed one at a time, taken only a few ahead of the
// pictures written, so a list of any length costs nothing; the feed's end
// counts, whatever it promised for progress.
TEST(Batch, TakesItsSourcesFromAFeedOnlyAFewAhead) {
  for (const qsizetype promised : {0, 3, 40}) {
    BatchKit kit;
    kit.addPictures(numbered("p%02d.jpg", 40), {64, 48});
    PromisingFeed feed;
    feed.sources = kit.sources;
    feed.sources.insert(20, {kit.temp.file("src"), QStringLiteral("missing.jpg")});
    feed.promised = promised;
    feed.written = &kit.observer.written;
    kit.sources.clear();
    kit.feed = &feed;
    const BatchReport report = kit.run();
    EXPECT_EQ(report.written, 40);
    EXPECT_EQ(report.unreadable.size(), 1);
    EXPECT_EQ(kit.outputs().size(), 41u); // with desktop.ini
    EXPECT_LE(feed.mostAhead, 2 * 4 + 1) << "two threads, four pictures each begun ahead";
    ASSERT_EQ(kit.observer.progress.size(), 41);
    for (const BatchProgress &progress : kit.observer.progress)
      EXPECT_LE(progress.percent, 100.0);
    EXPECT_EQ(kit.observer.progress.last().infoText, QStringLiteral("100%"));
  }
}

// A stop among one source's frames tells that its frames were not all tried.
TEST(Batch, AStopAmongFramesSaysWhichSourcesWereLeftHalfTried) {
  BatchKit kit;
  kit.addPictures({"a.jpg", "b.jpg", "c.jpg"});
  useFrames(kit, {"Gold", "Oak", "Paper", "Steel", "Wood", "Zinc"});
  kit.threads = 1;
  kit.observer.onWritten = [&] { kit.engine->requestStop(); };
  const BatchReport report = kit.run();
  EXPECT_EQ(report.written + report.skipped, 18);
  QStringList skipped;
  for (const PictureRecord &record : kit.observer.records)
    if (record.status == PictureRecord::Status::Skipped)
      skipped << QFileInfo(record.source).fileName() + u' ' + record.reason;
  EXPECT_EQ(skipped,
            (QStringList{"a.jpg the batch was stopped before all its frames were tried",
                         "b.jpg the batch was stopped before it", "c.jpg the batch was stopped before it"}));
}

TEST(Batch, TheSameFilesWithOneAndTwoThreadsAndWhereTheTimeWent) {
  QList<QByteArray> runs;
  for (int threads : {1, 2}) {
    BatchKit kit;
    for (int i = 0; i < 6; ++i) {
      kit.addNoise(QStringLiteral("n%1.bmp").arg(i), {200 + i * 10, 150}, quint32(i));
    }
    kit.addSource(QStringLiteral("n0.bmp")); // twice: renumbered the same way
    kit.sizeLimit("30");
    kit.job.sheetMode = 1;
    kit.job.sheetColumns = 1;
    kit.job.sheetRows = 1;
    kit.threads = threads;
    const BatchReport report = kit.run();
    // Each worker's time is told, and every picture was made by one of them.
    ASSERT_EQ(report.times.workers.size(), size_t(threads));
    int made = 0;
    for (const WorkerTimes &worker : report.times.workers)
      made += worker.pictures;
    EXPECT_EQ(made, 7);
    EXPECT_GT(report.times.workers[0].decoding.count(), 0);
    EXPECT_GE(report.times.whole, report.times.writing + report.times.waitingForPicture);
    QByteArray all;
    for (const QString &name : kit.outputs()) {
      all += name.toUtf8() + '\n';
      all += kit.temp.read(QStringLiteral("out/") + name);
    }
    runs.append(all);
  }
  EXPECT_EQ(runs[0], runs[1]);
}

TEST(Batch, LongNamesAreShortenedToFitTheFileSystem) {
  BatchKit kit;
  const QString name = QString(120, QChar(0x00E9)) + QStringLiteral(".jpg"); // 240 bytes of stem
  kit.addPictures({name});
  kit.suffix("_[W]x[H]");
  const BatchReport report = kit.run();
  ASSERT_TRUE(report.allWritten()) << report.unwritten.details().toStdString();
  const QString written = QFileInfo(kit.observer.written[0]).fileName();
  EXPECT_LE(written.toUtf8().size(), 255);
  EXPECT_TRUE(written.endsWith(QStringLiteral("_400x300.jpg")));
}

// What a written photo keeps of its source's metadata follows the policy;
// the report counts the places left out.
TEST(Batch, WrittenPhotosKeepTheMetadataThePolicyAllows) {
  BatchKit kit;
  kit.temp.write("src/camera.jpg", test::testSource("camera.jpg"));
  kit.addSource("camera.jpg");
  kit.sizeLimit("50");
  struct Case {
    MetadataPolicy policy;
    bool metadata, location;
  };
  for (const Case &c :
       {Case{MetadataPolicy::NoLocation, true, false}, Case{MetadataPolicy::KeepAll, true, true},
        Case{MetadataPolicy::Strip, false, false}}) {
    SCOPED_TRACE(int(c.policy));
    kit.photo.metadata = c.policy;
    const BatchReport report = kit.run();
    ASSERT_EQ(report.written, 1);
    EXPECT_EQ(report.locationsRemoved, c.policy == MetadataPolicy::NoLocation ? 1 : 0);
    // Read back as a default copy would: it finds a place only where one was kept.
    const Result<OutputMetadata> kept =
        readOutputMetadata(kit.observer.written[0], MetadataPolicy::NoLocation, {48, 64});
    ASSERT_TRUE(kept);
    EXPECT_EQ(!kept->markers.isEmpty(), c.metadata);
    EXPECT_EQ(kept->locationRemoved, c.location);
    QFile::remove(kit.observer.written[0]);
  }
}

// Several jobs in one pass write what each would write on its own, with
// their own names; the others make no sheets. Byte for byte here, where one
// decode serves all (a JPEG's may be decoded larger for the larger job, and
// its smaller pictures then differ from a separate run's by rounding).
TEST(Batch, MoreJobsInOnePassWriteWhatSeparateRunsWould) {
  BatchKit kit;
  kit.addNoise("a.bmp", {640, 480});
  kit.addPictures({"b.jpg"}, {300, 400});
  kit.width(320);
  kit.suffix("_[W]");
  JobSettings thumbnail = kit.job;
  thumbnail.maxWidth = QStringLiteral("100");
  thumbnail.sizeLimitOn = 1;
  thumbnail.sizeLimitKb = QStringLiteral("2");
  thumbnail.suffixTemplate = QStringLiteral("_th[Q]");
  thumbnail.sheetMode = 1;
  const JobSettings mail = kit.job;

  const auto contents = [](const QStringList &paths) {
    std::map<QString, QByteArray> files;
    for (const QString &path : paths) {
      QFile file(path);
      EXPECT_TRUE(file.open(QIODevice::ReadOnly));
      files[QFileInfo(path).fileName()] = file.readAll();
    }
    return files;
  };
  std::map<QString, QByteArray> separately;
  for (const JobSettings &job : {mail, thumbnail}) {
    kit.job = job;
    const BatchReport alone = kit.run();
    QStringList pictures = kit.observer.written; // the sheet is written and heard of too
    for (const QString &sheet : alone.sheets)
      pictures.removeAll(sheet);
    separately.merge(contents(pictures));
    QDir(kit.temp.file("out")).removeRecursively();
  }
  kit.job = mail;
  kit.extraJobs = {thumbnail};
  const BatchReport report = kit.run();
  EXPECT_TRUE(report.allWritten());
  EXPECT_TRUE(report.sheets.isEmpty());
  EXPECT_EQ(report.written, 4);
  EXPECT_EQ(contents(kit.observer.written), separately);
}
