// Colour profiles as a JPEG, PNG or HEIC file embeds them: any bytes, read by
// Little CMS and, when it accepts them, used on a small picture of every
// kind of pixel. The promise: a refusal with a reason, or opaque RGB32
// pixels; never a crash or a read outside the profile.

#include "FuzzSupport.h"
#include "imaging/ColourProfile.h"

#include <QImage>
#include <array>

using namespace veltrane;
using veltrane::fuzz::expect;

namespace {

// Black, white, the primaries and greys: the corners of every table.
QImage testPicture() {
  QImage picture(4, 4, QImage::Format_RGB32);
  for (int i = 0; i < 16; ++i) {
    const int level = i * 17;
    picture.setPixel(i % 4, i / 4, qRgb(i & 1 ? 255 : level, i & 2 ? 255 : 0, i & 4 ? level : 255 - level));
  }
  return picture;
}

void checkOpaque(const quint32 *pixels, int count, const char *what) {
  for (int i = 0; i < count; ++i)
    expect(qAlpha(pixels[i]) == 255, "a converted pixel that is not opaque", QString::fromLatin1(what));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const QByteArray profile = fuzz::inputBytes(data, size);
  // A new cache for every input: each is parsed, none is served from before.
  ColourProfiles profiles;

  QImage picture = testPicture();
  const Result<void> converted = profiles.convertToSrgb(picture, profile);
  if (!converted.ok()) {
    expect(!converted.reason().isEmpty(), "a refused profile without a reason");
    expect(picture == testPicture(), "a refused profile changed the pixels");
  } else {
    expect(picture.format() == QImage::Format_RGB32 && picture.size() == QSize(4, 4),
           "the conversion changed the picture's shape");
    for (int y = 0; y < 4; ++y)
      checkOpaque(reinterpret_cast<const quint32 *>(picture.constScanLine(y)), 4, "RGB");
  }

  for (const StoredColours stored : {StoredColours::Cmyk, StoredColours::InvertedCmyk}) {
    const Result<ColourProfiles::Conversion> conversion = profiles.conversionToSrgb(profile, stored);
    if (!conversion.ok()) {
      expect(!conversion.reason().isEmpty(), "a refused CMYK profile without a reason");
      continue;
    }
    std::array<uchar, 16 * 4> cmyk{};
    for (size_t i = 0; i < cmyk.size(); ++i)
      cmyk[i] = uchar(i * 37);
    std::array<quint32, 16> rgb{};
    (*conversion)->convertRow(cmyk.data(), reinterpret_cast<uchar *>(rgb.data()), 16);
    checkOpaque(rgb.data(), 16, "CMYK");
  }
  return 0;
}
