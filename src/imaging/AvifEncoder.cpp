#include "imaging/AvifEncoder.h"

#include <avif/avif.h>
#include <memory>

namespace veltrane {
namespace {

struct ImageDestroy {
  void operator()(avifImage *image) const { avifImageDestroy(image); }
};
struct EncoderDestroy {
  void operator()(avifEncoder *encoder) const { avifEncoderDestroy(encoder); }
};

// libaom's speed 6: libavif's own tool's pick for still pictures made in
// bulk, several times faster than its default for a few percent in size.
constexpr int kSpeed = 6;

QString avifError(avifResult result) {
  if (result == AVIF_RESULT_OUT_OF_MEMORY)
    return QStringLiteral("out of memory");
  return QStringLiteral("the AVIF encoder failed: %1").arg(QString::fromUtf8(avifResultToString(result)));
}

} // namespace

int AvifEncoder::settingOf(int quality) const {
  return ((100 - std::clamp(quality, 0, 100)) * AVIF_QUANTIZER_WORST_QUALITY + 50) / 100;
}

// From bench/size-curves on the 24 photographs fitted to 600 high.
const SizeCurve &AvifEncoder::sizeCurve() const {
  static constexpr SizeCurve kCurve{
      0.000, 0.001, 0.002, 0.127, 0.227, 0.228, 0.314, 0.315, 0.397, 0.474, 0.475, 0.548, 0.616, 0.617, 0.681,
      0.682, 0.745, 0.806, 0.807, 0.869, 0.930, 0.931, 0.991, 0.992, 1.051, 1.112, 1.113, 1.170, 1.233, 1.234,
      1.295, 1.356, 1.357, 1.416, 1.417, 1.475, 1.539, 1.540, 1.600, 1.662, 1.663, 1.724, 1.725, 1.780, 1.843,
      1.844, 1.906, 1.960, 1.961, 2.015, 2.016, 2.077, 2.142, 2.143, 2.189, 2.238, 2.239, 2.290, 2.344, 2.345,
      2.403, 2.404, 2.464, 2.505, 2.506, 2.538, 2.581, 2.582, 2.616, 2.617, 2.658, 2.697, 2.698, 2.739, 2.782,
      2.783, 2.833, 2.881, 2.882, 2.931, 2.932, 2.986, 3.050, 3.051, 3.113, 3.182, 3.183, 3.268, 3.269, 3.353,
      3.464, 3.465, 3.575, 3.722, 3.723, 3.884, 3.885, 4.117, 4.375, 4.376, 4.718};
  return kCurve;
}

Result<QByteArray> AvifEncoder::encode(const QImage &picture, int quality, const JpegExtras &extras) {
  if (picture.isNull())
    return failure(QStringLiteral("empty picture"));
  const std::unique_ptr<avifImage, ImageDestroy> image(
      avifImageCreate(uint32_t(picture.width()), uint32_t(picture.height()), 8, AVIF_PIXEL_FORMAT_YUV420));
  if (!image)
    return failure(QStringLiteral("out of memory"));
  image->yuvRange = AVIF_RANGE_FULL;
  image->colorPrimaries = AVIF_COLOR_PRIMARIES_BT709;
  image->transferCharacteristics = AVIF_TRANSFER_CHARACTERISTICS_SRGB;
  image->matrixCoefficients = AVIF_MATRIX_COEFFICIENTS_BT601;
  if (!extras.iccProfile.isEmpty()) {
    image->colorPrimaries = AVIF_COLOR_PRIMARIES_UNSPECIFIED;
    image->transferCharacteristics = AVIF_TRANSFER_CHARACTERISTICS_UNSPECIFIED;
    avifImageSetProfileICC(image.get(), reinterpret_cast<const uint8_t *>(extras.iccProfile.constData()),
                           size_t(extras.iccProfile.size()));
  }
  if (const QByteArray exif = exifOf(extras); !exif.isEmpty())
    avifImageSetMetadataExif(image.get(), reinterpret_cast<const uint8_t *>(exif.constData()),
                             size_t(exif.size()));
  if (const QByteArray xmp = xmpOf(extras); !xmp.isEmpty())
    avifImageSetMetadataXMP(image.get(), reinterpret_cast<const uint8_t *>(xmp.constData()),
                            size_t(xmp.size()));

  // QImage's 32-bit pixels are B, G, R, A in memory; libavif reads them so.
  const bool alpha = hasTransparency(picture);
  const QImage rows =
      picture.convertToFormat(alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  avifRGBImage rgb;
  avifRGBImageSetDefaults(&rgb, image.get());
  rgb.format = AVIF_RGB_FORMAT_BGRA;
  rgb.ignoreAlpha = alpha ? AVIF_FALSE : AVIF_TRUE;
  rgb.alphaPremultiplied = alpha ? AVIF_TRUE : AVIF_FALSE;
  rgb.pixels = const_cast<uint8_t *>(rows.constBits());
  rgb.rowBytes = uint32_t(rows.bytesPerLine());
  if (const avifResult converted = avifImageRGBToYUV(image.get(), &rgb); converted != AVIF_RESULT_OK)
    return failure(avifError(converted));

  const std::unique_ptr<avifEncoder, EncoderDestroy> encoder(avifEncoderCreate());
  if (!encoder)
    return failure(QStringLiteral("out of memory"));
  encoder->maxThreads = m_threads;
  encoder->speed = kSpeed;
  const int quantizer = settingOf(quality);
  encoder->minQuantizer = encoder->maxQuantizer = quantizer;
  encoder->minQuantizerAlpha = encoder->maxQuantizerAlpha = quantizer;
  avifRWData output = AVIF_DATA_EMPTY;
  if (const avifResult written = avifEncoderWrite(encoder.get(), image.get(), &output);
      written != AVIF_RESULT_OK) {
    avifRWDataFree(&output);
    return failure(avifError(written));
  }
  QByteArray file(reinterpret_cast<const char *>(output.data), qsizetype(output.size));
  avifRWDataFree(&output);
  return file;
}

} // namespace veltrane
