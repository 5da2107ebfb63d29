#include "TempFolder.h"
#include "imaging/JpegError.h"
#include "imaging/JpegFileWriter.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace veltrane;
using veltrane::test::TempFolder;

namespace {

cDIBSection surfaceOf(const QImage &picture) {
  cDIBSection surface;
  surface.CreateFromPicture(picture);
  return surface;
}

// Four flat quarters: red, green / blue, white. A flipped or mirrored file
// shows in the corners.
QImage quarters(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const bool right = x >= width / 2, bottom = y >= height / 2;
      image.setPixel(x, y,
                     bottom ? (right ? qRgb(255, 255, 255) : qRgb(0, 0, 255))
                            : (right ? qRgb(0, 255, 0) : qRgb(255, 0, 0)));
    }
  return image;
}

QImage noise(int width, int height) {
  QRandomGenerator random(42);
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.setPixel(x, y, qRgb(random.bounded(256), random.bounded(256), (x * 4 + y) & 255));
  return image;
}

QImage decode(const QByteArray &bytes) { return QImage::fromData(bytes, "JPEG"); }
QImage decodeFile(const QString &path) { return QImage(path, "JPEG"); }

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
// has it, else "name (n).ext" with the first free n from 2.
QString nextFree(const QString &path) {
  struct stat info {};
  const auto taken = [&](const QString &p) { return ::lstat(QFile::encodeName(p).constData(), &info) == 0; };
  if (!taken(path))
    return path;
  const qsizetype dot = path.lastIndexOf(u'.');
  for (int n = 2;; ++n) {
    const QString candidate = path.left(dot) + QStringLiteral(" (%1)").arg(n) + path.mid(dot);
    if (!taken(candidate))
      return candidate;
  }
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

class Umask {
public:
  explicit Umask(mode_t mask) : m_old(::umask(mask)) {}
  ~Umask() { ::umask(m_old); }

private:
  mode_t m_old;
};

} // namespace

TEST(JpegEncoder, EncodesTheSurfaceTopRowFirst) {
  JpegEncoder encoder;
  for (const QSize size : {QSize(64, 48), QSize(37, 23), QSize(18, 17)}) {
    const QImage picture = quarters(size.width(), size.height());
    const QImage decoded = decode(encoder.encode(surfaceOf(picture), 95));
    ASSERT_EQ(decoded.size(), size);
    const int w = size.width(), h = size.height();
    EXPECT_TRUE(near(decoded.pixel(0, 0), qRgb(255, 0, 0), 24)) << size.width();
    EXPECT_TRUE(near(decoded.pixel(w - 1, 0), qRgb(0, 255, 0), 24)) << size.width();
    EXPECT_TRUE(near(decoded.pixel(0, h - 1), qRgb(0, 0, 255), 24)) << size.width();
    EXPECT_TRUE(near(decoded.pixel(w - 1, h - 1), qRgb(255, 255, 255), 24)) << size.width();
  }
  // One pixel wide: one byte of padding per row.
  QImage column(1, 5, QImage::Format_RGB32);
  column.fill(qRgb(30, 140, 220));
  const QImage decoded = decode(encoder.encode(surfaceOf(column), 100));
  ASSERT_EQ(decoded.size(), QSize(1, 5));
  EXPECT_TRUE(near(decoded.pixel(0, 2), qRgb(30, 140, 220), 6));
}

TEST(JpegEncoder, HigherQualityGivesLargerFiles) {
  JpegEncoder encoder;
  const cDIBSection surface = surfaceOf(noise(160, 120));
  qsizetype previous = 0;
  for (const int quality : {0, 10, 30, 50, 70, 90, 100}) {
    const QByteArray bytes = encoder.encode(surface, quality);
    EXPECT_GT(bytes.size(), previous) << quality;
    previous = bytes.size();
  }
  // Reusing the encoder changes nothing; qualities outside 0..100 are clamped.
  EXPECT_TRUE(encoder.encode(surface, 100) == JpegEncoder().encode(surface, 100));
  EXPECT_TRUE(encoder.encode(surface, 250) == encoder.encode(surface, 100));
  EXPECT_TRUE(encoder.encode(surface, -3) == encoder.encode(surface, 0));
}

TEST(JpegEncoder, RaisesErrorsWithTheEncodersCode) {
  JpegEncoder encoder;
  const JpegError empty = errorOf([&] { encoder.encode(cDIBSection(), 85); });
  EXPECT_EQ(empty.number(), 26001);
  EXPECT_EQ(empty.kind(), JpegError::Kind::Encoding);
  EXPECT_GT(empty.code(), 0);
  EXPECT_EQ(empty.description(), QStringLiteral("Failed to save to JPG %1").arg(empty.code()));

  cDIBSection tooWide;
  ASSERT_TRUE(tooWide.Create(70000, 1));
  const JpegError refused = errorOf([&] { encoder.encode(tooWide, 85); });
  EXPECT_EQ(refused.kind(), JpegError::Kind::Encoding);
  EXPECT_GT(refused.code(), 0);
  EXPECT_NE(refused.code(), empty.code());
  EXPECT_EQ(QString::fromUtf8(refused.what()), refused.description());

  // The encoder recovers from a refused picture.
  const QImage decoded = decode(encoder.encode(surfaceOf(quarters(16, 16)), 90));
  EXPECT_EQ(decoded.size(), QSize(16, 16));

  EXPECT_EQ(JpegError::initialisationFailed(7).description(),
            QStringLiteral("Failed to initialise the IJL library: 7"));
  EXPECT_TRUE(JpegError::source().endsWith(QStringLiteral(".mIntelJPEGLibrary")));
}

TEST(SaveJPG, WritesANewFileWithTheUsualPermissions) {
  TempFolder folder;
  const Umask mask(027);
  const QString path = folder.file(QStringLiteral("new é.jpg"));
  EXPECT_TRUE(SaveJPG(surfaceOf(quarters(40, 30)), path, 85));
  EXPECT_EQ(decodeFile(path).size(), QSize(40, 30));
  struct stat info {};
  ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  EXPECT_EQ(entries(folder.path()), QStringList{QStringLiteral("new é.jpg")});
}

TEST(SaveJPG, AReplacedFileKeepsItsTimesAndPermissions) {
  TempFolder folder;
  const QString path = folder.write(QStringLiteral("out.jpg"), "old picture");
  const QByteArray name = QFile::encodeName(path);
  ASSERT_EQ(::chmod(name.constData(), 0640), 0);
  const struct timespec times[2] = {{1009843200, 5000}, {992606400, 123456789}}; // 2002, 2001
  ASSERT_EQ(::utimensat(AT_FDCWD, name.constData(), times, 0), 0);

  EXPECT_TRUE(SaveJPG(surfaceOf(quarters(40, 30)), path, 85));

  // Looked at before reading the file, which may update its access time.
  struct stat info {};
  ASSERT_EQ(::stat(name.constData(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  EXPECT_EQ(info.st_atim.tv_sec, 1009843200);
  EXPECT_EQ(info.st_atim.tv_nsec, 5000);
  EXPECT_EQ(info.st_mtim.tv_sec, 992606400);
  EXPECT_EQ(info.st_mtim.tv_nsec, 123456789);
  EXPECT_EQ(decodeFile(path).size(), QSize(40, 30));
  EXPECT_EQ(entries(folder.path()), QStringList{QStringLiteral("out.jpg")});
}

TEST(SaveJPG, ReplacesALinkWithoutWritingThroughIt) {
  TempFolder folder;
  const QString victim = folder.write(QStringLiteral("victim.jpg"), "keep me");
  const QString path = folder.file(QStringLiteral("out.jpg"));
  ASSERT_EQ(::symlink("victim.jpg", QFile::encodeName(path).constData()), 0);
  EXPECT_TRUE(SaveJPG(surfaceOf(quarters(8, 8)), path, 85));
  EXPECT_FALSE(isLink(path));
  EXPECT_EQ(decodeFile(path).size(), QSize(8, 8));
  EXPECT_EQ(folder.read(QStringLiteral("victim.jpg")), QByteArray("keep me"));
}

TEST(SaveJPG, AFailedWriteKeepsTheOldFileAndLeavesNothingBehind) {
  TempFolder folder;
  const QString path = folder.write(QStringLiteral("out.jpg"), "old picture");
  const QString note = folder.write(QStringLiteral("note.txt"), "text");
  const cDIBSection surface = surfaceOf(noise(300, 200));
  const auto unchanged = [&] {
    EXPECT_EQ(folder.read(QStringLiteral("out.jpg")), QByteArray("old picture"));
    EXPECT_EQ(entries(folder.path()), QStringList({QStringLiteral("note.txt"), QStringLiteral("out.jpg")}));
  };

  EXPECT_EQ(errorOf([&] { SaveJPG(cDIBSection(), path, 85); }).kind(), JpegError::Kind::Encoding);
  unchanged();

  // A disk that fills up halfway through the file.
  {
    const QByteArray bytes = JpegEncoder().encode(surface, 100);
    ASSERT_GT(bytes.size(), 16384);
    struct rlimit old {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 8192;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const JpegError full = errorOf([&] { writeJpegFile(path, bytes); });
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(full.kind(), JpegError::Kind::File);
    EXPECT_EQ(full.code(), EFBIG);
    EXPECT_EQ(full.number(), 26001);
    EXPECT_TRUE(full.description().startsWith(QStringLiteral("Failed to save to JPG \"") + path + u'"'))
        << full.description().toStdString();
  }
  unchanged();

  // A file without write permission is the counterpart of a read-only one.
  ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
  EXPECT_EQ(errorOf([&] { SaveJPG(surface, path, 85); }).code(), EACCES);
  unchanged();

  EXPECT_EQ(errorOf([&] { SaveJPG(surface, note + QStringLiteral("/out.jpg"), 85); }).code(), ENOTDIR);
  EXPECT_EQ(errorOf([&] { SaveJPG(surface, folder.file(QStringLiteral("gone/out.jpg")), 85); }).code(),
            ENOENT);
  ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("sub")));
  EXPECT_EQ(errorOf([&] { SaveJPG(surface, folder.file(QStringLiteral("sub")), 85); }).code(), EISDIR);
  EXPECT_TRUE(entries(folder.file(QStringLiteral("sub"))).isEmpty());
}

class NewJpegFile : public ::testing::TestWithParam<NewFileMethod> {};

INSTANTIATE_TEST_SUITE_P(EveryMethod, NewJpegFile,
                         ::testing::Values(NewFileMethod::HardLink, NewFileMethod::RenameNoReplace,
                                           NewFileMethod::ExclusiveCreate));

TEST_P(NewJpegFile, NeverReplacesAnything) {
  TempFolder folder;
  const QString wanted = folder.file(QStringLiteral("a.jpg"));
  int asked = 0;
  const auto namer = [&](const QString &path) {
    ++asked;
    return nextFree(path);
  };

  EXPECT_EQ(writeNewJpegFile(wanted, "first", namer, GetParam()), wanted);
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(writeNewJpegFile(wanted, "second", namer, GetParam()), folder.file(QStringLiteral("a (2).jpg")));
  EXPECT_EQ(folder.read(QStringLiteral("a.jpg")), QByteArray("first"));
  EXPECT_EQ(folder.read(QStringLiteral("a (2).jpg")), QByteArray("second"));

  // A link planted at the free name is neither followed nor replaced.
  const QString planted = folder.file(QStringLiteral("b.jpg"));
  ASSERT_EQ(::symlink("target.jpg", QFile::encodeName(planted).constData()), 0);
  EXPECT_EQ(writeNewJpegFile(planted, "third", namer, GetParam()), folder.file(QStringLiteral("b (2).jpg")));
  EXPECT_TRUE(isLink(planted));
  EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("target.jpg"))));
  EXPECT_EQ(folder.read(QStringLiteral("b (2).jpg")), QByteArray("third"));

  EXPECT_EQ(entries(folder.path()), QStringList({QStringLiteral("a (2).jpg"), QStringLiteral("a.jpg"),
                                                 QStringLiteral("b (2).jpg"), QStringLiteral("b.jpg")}));
}

TEST_P(NewJpegFile, FailsWithoutLeavingAnything) {
  TempFolder folder;
  const JpegError missing = errorOf(
      [&] { writeNewJpegFile(folder.file(QStringLiteral("gone/a.jpg")), "x", nextFree, GetParam()); });
  EXPECT_EQ(missing.kind(), JpegError::Kind::File);
  EXPECT_EQ(missing.code(), ENOENT);

  // A namer that only offers taken names cannot keep the writer busy forever.
  const QString taken = folder.write(QStringLiteral("a.jpg"), "old");
  const JpegError exhausted = errorOf([&] {
    writeNewJpegFile(
        taken, "x", [&](const QString &) { return taken; }, GetParam());
  });
  EXPECT_EQ(exhausted.code(), EEXIST);
  EXPECT_EQ(folder.read(QStringLiteral("a.jpg")), QByteArray("old"));
  EXPECT_EQ(entries(folder.path()), QStringList{QStringLiteral("a.jpg")});
}

TEST(NewJpegFileRace, ConcurrentWritersEachGetTheirOwnFile) {
  TempFolder folder;
  const QString wanted = folder.file(QStringLiteral("race.jpg"));
  constexpr int kThreads = 6, kFilesEach = 5;
  std::mutex lock;
  QStringList written;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t)
    threads.emplace_back([&, t] {
      for (int i = 0; i < kFilesEach; ++i) {
        const QByteArray bytes = QByteArray::number(t * 100 + i).repeated(1000);
        const QString path = writeNewJpegFile(wanted, bytes, nextFree);
        QFile file(path);
        const bool readable = file.open(QIODevice::ReadOnly);
        const std::lock_guard guard(lock);
        written.append(path);
        EXPECT_TRUE(readable && file.readAll() == bytes) << path.toStdString();
      }
    });
  for (std::thread &thread : threads)
    thread.join();
  written.removeDuplicates();
  EXPECT_EQ(written.size(), kThreads * kFilesEach);
  EXPECT_EQ(entries(folder.path()).size(), kThreads * kFilesEach);
}
