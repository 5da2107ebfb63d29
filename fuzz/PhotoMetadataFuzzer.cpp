// The photo metadata reader: any file's bytes through Exiv2 and our own
// segment walk, under each policy that reads. What it gives must fit JPEG
// segments and must read back as it was written.

#include "FuzzSupport.h"
#include "imaging/JpegEncoder.h"
#include "imaging/PhotoMetadata.h"

#include <QImage>

using namespace veltrane;
using veltrane::fuzz::expect;

namespace {

struct Harness {
  JpegEncoder encoder;
  QImage picture{8, 8, QImage::Format_RGB32};

  Harness() {
    fuzz::silenceQtMessages();
    picture.fill(Qt::gray);
  }
};

void checkResult(Harness &harness, const Result<OutputMetadata> &result) {
  if (!result) {
    expect(!result.reason().isEmpty(), "a failure without a reason");
    return;
  }
  for (const JpegMarker &marker : result->markers) {
    expect(marker.code == 0xE1 || marker.code == 0xED, "a marker that is not APP1 or APP13");
    expect(marker.payload.size() <= 65533, "a marker longer than one segment");
  }
  if (result->markers.isEmpty())
    return;
  // What was written is read back whole: nothing this module writes is damaged.
  const Result<QByteArray> written =
      harness.encoder.encode(harness.picture, 50, JpegExtras{{}, result->markers});
  expect(written.ok(), "the markers could not be written", written.reason());
  const Result<OutputMetadata> again = outputMetadataOfBytes(*written, MetadataPolicy::KeepAll, QSize(8, 8));
  expect(again.ok(), "written metadata that does not read back", again.reason());
  expect(again->note.isEmpty(), "written metadata read back with a loss", again->note);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  static Harness harness;
  const QByteArray bytes = fuzz::inputBytes(data, size);
  for (const MetadataPolicy policy : {MetadataPolicy::NoLocation, MetadataPolicy::KeepAll})
    checkResult(harness, outputMetadataOfBytes(bytes, policy, QSize(40, 30)));
  return 0;
}
