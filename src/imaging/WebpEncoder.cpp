#include "imaging/WebpEncoder.h"

#include <memory>
#include <webp/encode.h>
#include <webp/mux.h>

namespace veltrane {
namespace {

struct PictureFree {
  void operator()(WebPPicture *picture) const { WebPPictureFree(picture); }
};
struct MemoryWriterFree {
  void operator()(WebPMemoryWriter *writer) const { WebPMemoryWriterClear(writer); }
};
struct MuxDelete {
  void operator()(WebPMux *mux) const { WebPMuxDelete(mux); }
};

QString encoderError(WebPEncodingError error) {
  switch (error) {
  case VP8_ENC_ERROR_OUT_OF_MEMORY:
  case VP8_ENC_ERROR_BITSTREAM_OUT_OF_MEMORY: return QStringLiteral("out of memory");
  case VP8_ENC_ERROR_BAD_DIMENSION: return QStringLiteral("WebP holds at most 16383 x 16383 pixels");
  case VP8_ENC_ERROR_FILE_TOO_BIG: return QStringLiteral("the WebP file would be larger than 4 GB");
  default: return QStringLiteral("the WebP encoder failed (error %1)").arg(int(error));
  }
}

// The chunks libwebp's encoder leaves out, added around its bitstream.
Result<QByteArray> withChunks(const QByteArray &bitstream, const JpegExtras &extras) {
  const QByteArray exif = exifOf(extras);
  const QByteArray xmp = xmpOf(extras);
  if (extras.iccProfile.isEmpty() && exif.isEmpty() && xmp.isEmpty())
    return bitstream;
  const WebPData image{reinterpret_cast<const uint8_t *>(bitstream.constData()), size_t(bitstream.size())};
  const std::unique_ptr<WebPMux, MuxDelete> mux(WebPMuxCreate(&image, 0));
  if (!mux)
    return failure(QStringLiteral("out of memory"));
  const auto set = [&](const char *chunk, const QByteArray &data) {
    const WebPData payload{reinterpret_cast<const uint8_t *>(data.constData()), size_t(data.size())};
    return data.isEmpty() || WebPMuxSetChunk(mux.get(), chunk, &payload, 1) == WEBP_MUX_OK;
  };
  if (!set("ICCP", extras.iccProfile) || !set("EXIF", exif) || !set("XMP ", xmp))
    return failure(QStringLiteral("the WebP metadata could not be added"));
  WebPData assembled{};
  if (WebPMuxAssemble(mux.get(), &assembled) != WEBP_MUX_OK)
    return failure(QStringLiteral("the WebP metadata could not be added"));
  QByteArray file(reinterpret_cast<const char *>(assembled.bytes), qsizetype(assembled.size));
  WebPDataClear(&assembled);
  return file;
}

} // namespace

// From bench/size-curves on the 24 photographs fitted to 600 high.
const SizeCurve &WebpEncoder::sizeCurve() const {
  static constexpr SizeCurve kCurve{
      0.000, 0.001, 0.086, 0.150, 0.204, 0.248, 0.284, 0.321, 0.352, 0.383, 0.413, 0.439, 0.463, 0.493, 0.515,
      0.542, 0.566, 0.586, 0.608, 0.631, 0.654, 0.671, 0.692, 0.711, 0.731, 0.749, 0.767, 0.785, 0.804, 0.821,
      0.839, 0.857, 0.875, 0.893, 0.908, 0.920, 0.936, 0.949, 0.968, 0.983, 0.996, 1.010, 1.024, 1.040, 1.053,
      1.071, 1.083, 1.096, 1.108, 1.123, 1.135, 1.145, 1.159, 1.168, 1.180, 1.193, 1.203, 1.217, 1.230, 1.244,
      1.254, 1.268, 1.275, 1.289, 1.302, 1.313, 1.327, 1.339, 1.351, 1.364, 1.374, 1.389, 1.399, 1.412, 1.426,
      1.436, 1.477, 1.518, 1.554, 1.596, 1.636, 1.675, 1.720, 1.768, 1.810, 1.861, 1.916, 1.969, 2.032, 2.090,
      2.164, 2.238, 2.313, 2.407, 2.496, 2.607, 2.706, 2.773, 2.899, 2.953, 4.099};
  return kCurve;
}

Result<QByteArray> WebpEncoder::encode(const QImage &picture, int quality, const JpegExtras &extras) {
  if (picture.isNull())
    return failure(QStringLiteral("empty picture"));
  if (picture.width() > WEBP_MAX_DIMENSION || picture.height() > WEBP_MAX_DIMENSION)
    return failure(encoderError(VP8_ENC_ERROR_BAD_DIMENSION));
  WebPConfig config;
  if (!WebPConfigInit(&config))
    return failure(QStringLiteral("the WebP encoder is not the version this program was built with"));
  const bool lossless = quality >= 100;
  config.lossless = lossless ? 1 : 0;
  config.quality = lossless ? 75.0f : float(std::clamp(quality, 0, 100));
  config.method = 4;
  config.thread_level = 1;

  WebPPicture input;
  if (!WebPPictureInit(&input))
    return failure(QStringLiteral("out of memory"));
  const std::unique_ptr<WebPPicture, PictureFree> owned(&input);
  input.use_argb = lossless ? 1 : 0;
  input.width = picture.width();
  input.height = picture.height();
  // QImage's 32-bit pixels are B, G, R, A in memory on this byte order.
  const bool alpha = hasTransparency(picture);
  const QImage rows = picture.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  const int imported = alpha ? WebPPictureImportBGRA(&input, rows.constBits(), int(rows.bytesPerLine()))
                             : WebPPictureImportBGRX(&input, rows.constBits(), int(rows.bytesPerLine()));
  if (!imported)
    return failure(QStringLiteral("out of memory"));

  WebPMemoryWriter writer;
  WebPMemoryWriterInit(&writer);
  const std::unique_ptr<WebPMemoryWriter, MemoryWriterFree> ownedWriter(&writer);
  input.writer = WebPMemoryWrite;
  input.custom_ptr = &writer;
  if (!WebPEncode(&config, &input))
    return failure(encoderError(input.error_code));
  return withChunks(QByteArray(reinterpret_cast<const char *>(writer.mem), qsizetype(writer.size)), extras);
}

} // namespace veltrane
