#include "imaging/JpegFileWriter.h"
#include "TempFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <gtest/gtest.h>

#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace veltrane;
using veltrane::test::TempFolder;

namespace {

// Like the batch's namer: the path when nothing (not even a dangling link)
// has it, else "name (n).jpg" with the first free n from 2.
QString nextFree(const QString &path) {
  struct stat info {};
  QString candidate = path;
  for (int n = 2; ::lstat(QFile::encodeName(candidate).constData(), &info) == 0; ++n)
    candidate = path.chopped(4) + QStringLiteral(" (%1).jpg").arg(n);
  return candidate;
}

// The reason a write that must fail gives.
QString failureOf(const QString &path, const std::function<QString(const QString &)> &namer,
                  NewFileMethod method) {
  const Result<QString> written = writeNewJpegFile(path, "x", namer, method);
  EXPECT_FALSE(written) << "written: " << path.toStdString();
  return written.reason();
}

QString writeFailure(const QString &path, int errnoValue) {
  return QStringLiteral("Failed to save to JPG \"%1\": %2").arg(path, qt_error_string(errnoValue));
}

class NewJpegFile : public ::testing::TestWithParam<NewFileMethod> {};

INSTANTIATE_TEST_SUITE_P(EveryMethod, NewJpegFile,
                         ::testing::Values(NewFileMethod::HardLink, NewFileMethod::RenameNoReplace,
                                           NewFileMethod::ExclusiveCreate));

} // namespace

TEST_P(NewJpegFile, NeverReplacesAnythingAndLeavesNothingOnFailure) {
  TempFolder folder;
  const QString wanted = folder.file("a.jpg");
  int asked = 0;
  const auto namer = [&](const QString &path) {
    ++asked;
    return nextFree(path);
  };
  EXPECT_EQ(writeNewJpegFile(wanted, "first", namer, GetParam()).value(), wanted);
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(writeNewJpegFile(wanted, "second", namer, GetParam()).value(), folder.file("a (2).jpg"));
  // A link planted at the free name is neither followed nor replaced.
  const QString planted = folder.file("b.jpg");
  ASSERT_EQ(::symlink("target.jpg", QFile::encodeName(planted).constData()), 0);
  EXPECT_EQ(writeNewJpegFile(planted, "third", namer, GetParam()).value(), folder.file("b (2).jpg"));
  EXPECT_TRUE(QFileInfo(planted).isSymLink());

  EXPECT_EQ(failureOf(folder.file("gone/a.jpg"), nextFree, GetParam()),
            writeFailure(folder.file("gone/a.jpg"), ENOENT));
  // A namer that only offers taken names cannot keep the writer busy for ever.
  EXPECT_EQ(failureOf(
                wanted, [&](const QString &) { return wanted; }, GetParam()),
            writeFailure(wanted, EEXIST));

  EXPECT_EQ(folder.read("a.jpg"), "first");
  EXPECT_EQ(folder.read("a (2).jpg"), "second");
  EXPECT_EQ(folder.read("b (2).jpg"), "third");
  EXPECT_EQ(folder.entries(), QStringList({"a (2).jpg", "a.jpg", "b (2).jpg", "b.jpg"}));
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
        const QString path = writeNewJpegFile(folder.file("race.jpg"), bytes, nextFree).value();
        const std::lock_guard guard(lock);
        written.insert(path, bytes);
      }
    });
  for (std::thread &thread : threads)
    thread.join();
  EXPECT_EQ(written.size(), 30);
  EXPECT_EQ(folder.entries().size(), 30);
  for (auto file = written.cbegin(); file != written.cend(); ++file)
    EXPECT_TRUE(folder.read(QFileInfo(file.key()).fileName()) == file.value()) << file.key().toStdString();
}
