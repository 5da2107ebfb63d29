// The picture decoder front: JPEG, GIF, BMP, PNG, WebP, TIFF, HEIC and AVIF
// bytes (our reading of HEIF's item boxes, libheif's parsers and codecs
// included) through decodeBytes, at
// full size and (for JPEG) at a reduced DCT scale, and through the size probe.
// The pixel limit is kept small so that the fuzzer tests the decoders' logic,
// not the allocator; a header over it must be refused before any pixels.

#include "FuzzSupport.h"
#include "imaging/PictureDecoder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace veltrane;
using veltrane::fuzz::expect;

namespace {

constexpr qint64 kFuzzMaxPixels = 2'000'000;

// Where the probe reads its input from: TMPDIR when set (run-fuzzers points
// it at a folder it removes afterwards), else memory rather than a disk.
QString scratchFolder() {
  if (qEnvironmentVariableIsSet("TMPDIR") || !QDir(QStringLiteral("/dev/shm")).exists())
    return QDir::tempPath();
  return QStringLiteral("/dev/shm");
}

struct Harness {
  PictureDecoder decoder; // reused across inputs, as a batch worker reuses its own
  QTemporaryDir folder{scratchFolder() + QStringLiteral("/veltrane-fuzz-XXXXXX")};

  Harness() {
    fuzz::silenceQtMessages();
    expect(folder.isValid(), "cannot make a scratch folder", folder.errorString());
  }
};

// The decoder's promises: a whole RGB32 picture within the limit and no
// larger than the source, or an error and no picture.
void checkResult(const DecodeResult &result, const char *what) {
  if (!result.ok()) {
    expect(!result.error.isEmpty(), "a failure without a reason");
    return;
  }
  const DecodedPicture &picture = *result.picture;
  expect(!picture.image.isNull(), "a success without pixels", QString::fromLatin1(what));
  expect(picture.image.format() == QImage::Format_RGB32, "a picture not in RGB32", QString::fromLatin1(what));
  expect(picture.fullSize.isValid() && !picture.fullSize.isEmpty(), "an empty full size");
  expect(picture.image.width() <= picture.fullSize.width() &&
             picture.image.height() <= picture.fullSize.height(),
         "pixels larger than the source", QString::fromLatin1(what));
  expect(qint64(picture.image.width()) * picture.image.height() <= kFuzzMaxPixels, "pixels over the limit",
         QString::fromLatin1(what));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  static Harness harness;
  const QByteArray bytes = fuzz::inputBytes(data, size);

  DecodeRequest whole;
  whole.maxPixels = kFuzzMaxPixels;
  const DecodeResult decoded = harness.decoder.decodeBytes(bytes, whole);
  checkResult(decoded, "full size");

  // Only a JPEG decodes differently when less is needed: at 1/2..1/8 of its size.
  if (size > 0 && data[0] == 0xFF) {
    DecodeRequest reduced = whole;
    reduced.applyOrientation = false;
    reduced.neededSize = [](QSize full) { return full / 7; };
    checkResult(harness.decoder.decodeBytes(bytes, reduced), "reduced");
  }

  const QString path = harness.folder.filePath(QStringLiteral("input"));
  QFile file(path);
  expect(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
         "cannot write the probe's input", file.errorString());
  file.close();
  const DecodeResult probed = harness.decoder.probeFile(path);
  if (probed.ok())
    expect(probed.picture->image.isNull(), "a probe that decoded pixels");
  else
    expect(!probed.error.isEmpty(), "a probe failure without a reason");
  // What decodes whole has a header the probe reads the same way.
  if (decoded.ok()) {
    expect(probed.ok(), "a decodable picture the probe refuses", probed.error);
    const QSize probedSize = probed.picture->fullSize, decodedSize = decoded.picture->fullSize;
    expect(probedSize == decodedSize, "the probe and the decoder disagree on the size",
           QStringLiteral("%1 x %2 probed, %3 x %4 decoded")
               .arg(probedSize.width())
               .arg(probedSize.height())
               .arg(decodedSize.width())
               .arg(decodedSize.height()));
  }
  return 0;
}
