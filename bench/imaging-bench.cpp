// Times decode + prepare + encode of every picture in a folder on one thread,
// the work a batch does for each picture, and prints the median time per
// picture and pictures per second, for a fixed quality and for a size limit.
//   veltrane-imaging-bench FOLDER [WIDTHxHEIGHT] [QUALITY] [LIMIT_KB]
#include "imaging/JpegEncoder.h"
#include "imaging/PictureDecoder.h"
#include "imaging/PicturePreparer.h"
#include "imaging/PreparedSize.h"
#include "imaging/QualitySearch.h"
#include "imaging/Scaling.h"
#include "presets/FrameList.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>
#include <algorithm>

using namespace veltrane;

namespace {

struct Timing {
  QList<double> ms;
  qint64 bytes = 0;
  double median() const {
    QList<double> sorted = ms;
    std::sort(sorted.begin(), sorted.end());
    return sorted.isEmpty() ? 0 : sorted[sorted.size() / 2];
  }
  double total() const {
    double sum = 0;
    for (double m : ms)
      sum += m;
    return sum;
  }
};

} // namespace

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QTextStream out(stdout);
  const QStringList args = app.arguments().mid(1);
  if (args.isEmpty()) {
    out << "usage: veltrane-imaging-bench FOLDER [WIDTHxHEIGHT] [QUALITY] [LIMIT_KB]\n";
    return 2;
  }
  const QStringList box = args.value(1, QStringLiteral("800x600")).split(u'x');
  const int quality = args.value(2, QStringLiteral("85")).toInt();
  const QString limit = args.value(3, QStringLiteral("100"));

  JobSettings job;
  job.maxWidth = box.value(0);
  job.maxHeight = box.value(1);
  job.widthOn = job.heightOn = 1;
  job.swapForUpright = 1;
  const QStringList entries = frameListEntries({});
  const PicturePreparer preparer(FrameLibrary{}, {1920, 1080});
  PictureDecoder decoder;
  JpegEncoder encoder;

  QStringList files;
  const QDir folder(args[0]);
  for (const QString &name : folder.entryList(QDir::Files, QDir::Name))
    files << folder.filePath(name);

  const bool verbose = qEnvironmentVariableIsSet("VERBOSE");
  Timing decodeOnly, fixed, sizeBelow, fullDecode, scaledDecode, fullPrepare;
  for (const QString &path : files) {
    QElapsedTimer timer;
    // Shrink-on-load against a full decode of the same file.
    timer.start();
    const DecodeResult full = decoder.decodeFile(path);
    fullDecode.ms << timer.nsecsElapsed() / 1e6;
    if (!full.ok()) {
      out << "skipped " << path << ": " << full.error << "\n";
      continue;
    }
    // What a decoder without shrink-on-load costs: full decode, then scaling.
    timer.restart();
    {
      const DecodeResult whole = decoder.decodeFile(path);
      const QSize size = preparedSize(whole.picture->fullSize, resolveJob(job, {1920, 1080})).size;
      const QImage scaled = scaledPicture(whole.picture->image, size);
    }
    fullPrepare.ms << timer.nsecsElapsed() / 1e6;

    timer.restart();
    DecodeRequest request;
    request.neededSize = [&](QSize full) { return preparedSize(full, resolveJob(job, {1920, 1080})).size; };
    const DecodeResult reduced = decoder.decodeFile(path, request);
    scaledDecode.ms << timer.nsecsElapsed() / 1e6;

    timer.restart();
    const PrepareResult prepared =
        preparer.preparePicture(decoder, path, resolveJob(job, {1920, 1080}), entries);
    decodeOnly.ms << timer.nsecsElapsed() / 1e6;
    if (verbose)
      out << QFileInfo(path).fileName() << ": full " << fullDecode.ms.last() << " ms, full+scale "
          << fullPrepare.ms.last() << " ms, reduced decode " << scaledDecode.ms.last() << " ms ("
          << reduced.picture->image.width() << "x" << reduced.picture->image.height() << "), prepare "
          << decodeOnly.ms.last() << " ms\n";

    timer.restart();
    PrepareResult again = preparer.preparePicture(decoder, path, resolveJob(job, {1920, 1080}), entries);
    fixed.bytes += encoder.encode(again.picture->image, quality)->size();
    fixed.ms << timer.nsecsElapsed() / 1e6;

    timer.restart();
    PrepareResult third = preparer.preparePicture(decoder, path, resolveJob(job, {1920, 1080}), entries);
    const QualityChoice choice = getQualityForK(third.picture->image, limit.toDouble(), encoder).value();
    sizeBelow.bytes += choice.bytes.size();
    sizeBelow.ms << timer.nsecsElapsed() / 1e6;
  }
  const auto line = [&](const char *what, const Timing &t) {
    out << QStringLiteral("%1  median %2 ms/picture  %3 pictures/s  (%4 pictures)\n")
               .arg(QLatin1String(what), -40)
               .arg(t.median(), 0, 'f', 1)
               .arg(t.ms.isEmpty() ? 0 : t.ms.size() * 1000.0 / t.total(), 0, 'f', 2)
               .arg(t.ms.size());
  };
  out << "box " << job.maxWidth << "x" << job.maxHeight << ", quality " << quality << ", size below " << limit
      << " kB\n";
  line("full decode", fullDecode);
  line("full decode + scale (no shrink-on-load)", fullPrepare);
  line("shrink-on-load decode", scaledDecode);
  line("shrink-on-load decode + prepare", decodeOnly);
  line("decode + prepare + encode (fixed)", fixed);
  line("decode + prepare + size below", sizeBelow);
  return 0;
}
