#include "DecoderTestFiles.h"
#include "TempFolder.h"
#include "TestPictures.h"
#include "imaging/JpegEncoder.h"
#include "imaging/JpegError.h"
#include "imaging/JpegFileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <gtest/gtest.h>

#include <functional>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace veltrane;
using veltrane::test::TempFolder;

namespace {

// Red, green / blue, white quarters: a flipped or mirrored file shows in the corners.
const QRgb kQuarters[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};
QImage quarters(QSize size) { return test::indexedQuadrants(size).convertToFormat(QImage::Format_RGB32); }

QImage decode(const QByteArray &bytes) { return QImage::fromData(bytes, "JPEG"); }

bool near(QRgb actual, QRgb expected, int tolerance) {
  return std::abs(qRed(actual) - qRed(expected)) <= tolerance &&
         std::abs(qGreen(actual) - qGreen(expected)) <= tolerance &&
         std::abs(qBlue(actual) - qBlue(expected)) <= tolerance;
}

QStringList entries(const QString &folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                QDir::Name);
}

bool isLink(const QString &path) {
  struct stat info {};
  return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISLNK(info.st_mode);
}

// Like the batch's namer: the path when nothing (not even a dangling link)
// has it, else "name (n).jpg" with the first free n from 2.
QString nextFree(const QString &path) {
  struct stat info {};
  QString candidate = path;
  for (int n = 2; ::lstat(QFile::encodeName(candidate).constData(), &info) == 0; ++n)
    candidate = path.chopped(4) + QStringLiteral(" (%1).jpg").arg(n);
  return candidate;
}

template <typename Action> JpegError errorOf(Action action) {
  try {
    action();
  } catch (const JpegError &error) {
    return error;
  }
  ADD_FAILURE() << "no JpegError";
  return JpegError::encodingFailed(0);
}

} // namespace

TEST(JpegEncoder, EncodesThePictureTopRowFirstAndRecoversFromARefusal) {
  JpegEncoder encoder;
  for (const QSize size : {QSize(64, 48), QSize(37, 23)}) {
    // Read as they are (RGB32) and converted first (indexed): the same picture.
    const QImage decoded = decode(encoder.encode(quarters(size), 95));
    EXPECT_TRUE(encoder.encode(test::indexedQuadrants(size), 95) == encoder.encode(quarters(size), 95));
    ASSERT_EQ(decoded.size(), size);
    const int right = size.width() - 1, bottom = size.height() - 1;
    const QPoint corners[] = {{0, 0}, {right, 0}, {0, bottom}, {right, bottom}};
    for (int i = 0; i < 4; ++i)
      EXPECT_TRUE(near(decoded.pixel(corners[i]), kQuarters[i], 24)) << size.width() << ", corner " << i;
  }
  QImage tooWide(70000, 1, QImage::Format_RGB32);
  tooWide.fill(Qt::white);
  const JpegError refused = errorOf([&] { encoder.encode(tooWide, 85); });
  EXPECT_EQ(refused.kind(), JpegError::Kind::Encoding);
  EXPECT_GT(refused.code(), 0);
  EXPECT_EQ(refused.description(), QStringLiteral("Failed to save to JPG %1").arg(refused.code()));
  // After it, a reused encoder gives the same bytes as a fresh one.
  const QImage busy = test::noisePicture({160, 120});
  EXPECT_TRUE(encoder.encode(busy, 90) == JpegEncoder().encode(busy, 90));
}

class NewJpegFile : public ::testing::TestWithParam<NewFileMethod> {};

INSTANTIATE_TEST_SUITE_P(EveryMethod, NewJpegFile,
                         ::testing::Values(NewFileMethod::HardLink, NewFileMethod::RenameNoReplace,
                                           NewFileMethod::ExclusiveCreate));

TEST_P(NewJpegFile, NeverReplacesAnythingAndLeavesNothingOnFailure) {
  TempFolder folder;
  const QString wanted = folder.file("a.jpg");
  int asked = 0;
  const auto namer = [&](const QString &path) {
    ++asked;
    return nextFree(path);
  };
  EXPECT_EQ(writeNewJpegFile(wanted, "first", namer, GetParam()), wanted);
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(writeNewJpegFile(wanted, "second", namer, GetParam()), folder.file("a (2).jpg"));
  // A link planted at the free name is neither followed nor replaced.
  const QString planted = folder.file("b.jpg");
  ASSERT_EQ(::symlink("target.jpg", QFile::encodeName(planted).constData()), 0);
  EXPECT_EQ(writeNewJpegFile(planted, "third", namer, GetParam()), folder.file("b (2).jpg"));
  EXPECT_TRUE(isLink(planted));

  const JpegError missing =
      errorOf([&] { writeNewJpegFile(folder.file("gone/a.jpg"), "x", nextFree, GetParam()); });
  EXPECT_EQ(missing.kind(), JpegError::Kind::File);
  EXPECT_EQ(missing.code(), ENOENT);
  // A namer that only offers taken names cannot keep the writer busy for ever.
  const auto onlyTaken = [&](const QString &) { return wanted; };
  EXPECT_EQ(errorOf([&] { writeNewJpegFile(wanted, "x", onlyTaken, GetParam()); }).code(), EEXIST);

  EXPECT_EQ(folder.read("a.jpg"), "first");
  EXPECT_EQ(folder.read("a (2).jpg"), "second");
  EXPECT_EQ(folder.read("b (2).jpg"), "third");
  EXPECT_EQ(entries(folder.path()), QStringList({"a (2).jpg", "a.jpg", "b (2).jpg", "b.jpg"}));
}

TEST(NewJpegFileRace, ConcurrentWritersEachGetTheirOwnFile) {
  TempFolder folder;
  std::mutex lock;
  QMap<QString, QByteArray> written;
  std::vector<std::thread> threads;
  for (int t = 0; t < 6; ++t)
    threads.emplace_back([&, t] {
      for (int i = 0; i < 5; ++i) {
        const QByteArray bytes = QByteArray::number(t * 100 + i).repeated(1000);
        const QString path = writeNewJpegFile(folder.file("race.jpg"), bytes, nextFree);
        const std::lock_guard guard(lock);
        written.insert(path, bytes);
      }
    });
  for (std::thread &thread : threads)
    thread.join();
  EXPECT_EQ(written.size(), 30);
  EXPECT_EQ(entries(folder.path()).size(), 30);
  for (auto file = written.cbegin(); file != written.cend(); ++file)
    EXPECT_TRUE(folder.read(QFileInfo(file.key()).fileName()) == file.value()) << file.key().toStdString();
}
