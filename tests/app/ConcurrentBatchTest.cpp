#include "TempFolder.h"
#include "TestPictures.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

// Two batches over the same pictures into the same folder at once: every
// picture is there twice, under its own name and a " (2)" one, nothing was
// overwritten and every file is a whole picture.
TEST(ConcurrentBatches, NeitherOverwritesTheOther) {
  veltrane::test::TempFolder temp;
  QStringList sources;
  for (int i = 0; i < 8; ++i)
    sources.append(veltrane::test::writePicture(temp.file(QStringLiteral("src/p%1.jpg").arg(i)), {640, 480},
                                                QColor::fromHsv(i * 40, 200, 200)));
  const QStringList arguments =
      QStringList{
          "--home", temp.file("home"), "--screen", "800x600",   "--output", temp.file("out"), "--width",
          "off",    "--height",        "200",      "--quality", "80",       "--no-suffix",    "--jobs",
          "2"} +
      sources;
  std::vector<std::unique_ptr<QProcess>> batches;
  for (int i = 0; i < 2; ++i) {
    batches.push_back(std::make_unique<QProcess>());
    batches.back()->start(QStringLiteral(VELTRANE_BATCH_PROGRAM), arguments);
  }
  for (const auto &batch : batches) {
    ASSERT_TRUE(batch->waitForFinished(60000));
    EXPECT_EQ(batch->exitCode(), 0) << batch->readAllStandardError().toStdString();
  }

  QStringList expected{"desktop.ini"};
  for (int i = 0; i < 8; ++i)
    expected << QStringLiteral("p%1.jpg").arg(i) << QStringLiteral("p%1 (2).jpg").arg(i);
  expected.sort();
  const QDir out(temp.file("out"));
  EXPECT_EQ(out.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name),
            expected);
  for (const QString &name : out.entryList({"*.jpg"}, QDir::Files)) {
    QImage picture;
    EXPECT_TRUE(picture.load(out.filePath(name), "JPEG")) << name.toStdString();
    EXPECT_EQ(picture.height(), 200) << name.toStdString();
  }
}

} // namespace
