// What converting colour profiles to sRGB costs: the conversion alone on an
// 800 x 600 picture for each kind of profile, and the preparation of a
// 12-megapixel JPEG to 800 x 600 with an Adobe RGB profile against the same
// file without one. Medians of thread CPU time (the machine is shared, so
// wall time drifts) over ROUNDS runs.
//   veltrane-colour-bench [ROUNDS]
#include "ColourReference.h"
#include "TestData.h"
#include "imaging/ColourProfile.h"
#include "imaging/PictureDecoder.h"
#include "imaging/PicturePreparer.h"
#include "presets/FrameList.h"

#include <QColorSpace>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <ctime>
#include <functional>

using namespace veltrane;

namespace {

double threadMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double medianMilliseconds(int rounds, const std::function<void()> &work) {
  QList<double> ms;
  for (int i = 0; i < rounds; ++i) {
    const double start = threadMilliseconds();
    work();
    ms << threadMilliseconds() - start;
  }
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
}

// Through Qt's writer, which embeds the picture's colour space as its profile.
bool writeJpeg(const QString &path, QImage picture, const QByteArray &profile) {
  if (!profile.isEmpty())
    picture.setColorSpace(QColorSpace::fromIccProfile(profile));
  QImageWriter writer(path, "jpeg");
  writer.setQuality(92);
  return writer.write(picture);
}

} // namespace

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QTextStream out(stdout);
  const int rounds = std::max(3, app.arguments().value(1, QStringLiteral("31")).toInt());

  const QImage picture = test::colourSweep({800, 600});
  ColourProfiles profiles;
  const std::pair<const char *, QByteArray> kinds[] = {
      {"sRGB (nothing to do)", test::testSource("srgb.icc")},
      {"Adobe RGB", test::testSource("adobe-rgb.icc")},
      {"Display P3", test::testSource("display-p3.icc")},
      {"grey gamma 2.2", test::testSource("grey-gamma-2.2.icc")},
  };
  out << "conversion of 800 x 600 pixels, median of " << rounds << " runs:\n";
  for (const auto &[name, profile] : kinds) {
    (void)profiles.conversionToSrgb(profile); // made once, as for the second picture of a batch
    const double ms = medianMilliseconds(rounds, [&, &profile = profile] {
      QImage copy = picture;
      copy.detach();
      (void)profiles.convertToSrgb(copy, profile);
    });
    out << QStringLiteral("  %1 %2 ms\n").arg(QLatin1String(name), -24).arg(ms, 0, 'f', 2);
  }
  {
    const auto press =
        *profiles.conversionToSrgb(test::testSource("cmyk-press.icc"), StoredColours::InvertedCmyk);
    std::vector<uchar> cmyk(size_t(800) * 600 * 4, 40);
    QImage rgb(800, 600, QImage::Format_RGB32);
    const double ms = medianMilliseconds(rounds, [&] {
      for (int y = 0; y < 600; ++y)
        press->convertRow(cmyk.data() + size_t(y) * 800 * 4, rgb.scanLine(y), 800);
    });
    out << QStringLiteral("  %1 %2 ms\n")
               .arg(QStringLiteral("CMYK (a press's table)"), -24)
               .arg(ms, 0, 'f', 2);
  }

  // In context: decode at a reduced scale, scale, convert.
  QTemporaryDir folder;
  const QImage photo = test::colourSweep({4000, 3000});
  const QString tagged = folder.filePath(QStringLiteral("adobe.jpg"));
  const QString untagged = folder.filePath(QStringLiteral("untagged.jpg"));
  if (!writeJpeg(tagged, photo, test::testSource("adobe-rgb.icc")) || !writeJpeg(untagged, photo, {})) {
    out << "cannot write the test photos in " << folder.path() << "\n";
    return 1;
  }
  const PicturePreparer preparer(FrameLibrary{}, {1920, 1080});
  PictureDecoder decoder;
  ResizeJob job;
  job.maxWidth = 800;
  job.maxHeight = 600;
  const QStringList entries = frameListEntries({});
  const auto prepare = [&](const QString &path, PhotoOptions photoOptions) {
    return medianMilliseconds(
        rounds, [&] { (void)preparer.preparePicture(decoder, path, job, entries, nullptr, photoOptions); });
  };
  const double plain = prepare(untagged, {}), converted = prepare(tagged, {}),
               kept = prepare(tagged, {.keepColourProfile = true});
  out << "prepare a 4000 x 3000 JPEG to 800 x 600, median of " << rounds << " runs:\n"
      << QStringLiteral("  no profile               %1 ms\n").arg(plain, 0, 'f', 2)
      << QStringLiteral("  Adobe RGB, converted     %1 ms (%2%3 ms)\n")
             .arg(converted, 0, 'f', 2)
             .arg(converted >= plain ? "+" : "")
             .arg(converted - plain, 0, 'f', 2)
      << QStringLiteral("  Adobe RGB, profile kept  %1 ms\n").arg(kept, 0, 'f', 2);
  return 0;
}
