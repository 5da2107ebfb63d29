#include "imaging/JpegXlEncoder.h"

#include <jxl/encode.h>
#include <jxl/thread_parallel_runner.h>
#include <memory>

namespace veltrane {
namespace {

struct EncoderDestroy {
  void operator()(JxlEncoder *encoder) const { JxlEncoderDestroy(encoder); }
};

constexpr int kEffort = 7;

QString jxlError(JxlEncoder *encoder) {
  const JxlEncoderError error = JxlEncoderGetError(encoder);
  if (error == JXL_ENC_ERR_OOM)
    return QStringLiteral("out of memory");
  return QStringLiteral("the JPEG XL encoder failed (error %1)").arg(int(error));
}

// Which of the steps failed does not matter to a user; that one did does.
bool setUp(JxlEncoder *encoder, void *runner, QSize size, bool alpha, bool lossless,
           const JpegExtras &extras) {
  if (runner && JxlEncoderSetParallelRunner(encoder, JxlThreadParallelRunner, runner) != JXL_ENC_SUCCESS)
    return false;
  JxlBasicInfo info;
  JxlEncoderInitBasicInfo(&info);
  info.xsize = uint32_t(size.width());
  info.ysize = uint32_t(size.height());
  info.bits_per_sample = 8;
  info.num_color_channels = 3;
  info.alpha_bits = alpha ? 8 : 0;
  info.num_extra_channels = alpha ? 1 : 0;
  info.uses_original_profile = lossless ? JXL_TRUE : JXL_FALSE;
  if (JxlEncoderSetBasicInfo(encoder, &info) != JXL_ENC_SUCCESS)
    return false;
  if (!extras.iccProfile.isEmpty()) {
    if (JxlEncoderSetICCProfile(encoder, reinterpret_cast<const uint8_t *>(extras.iccProfile.constData()),
                                size_t(extras.iccProfile.size())) != JXL_ENC_SUCCESS)
      return false;
  } else {
    JxlColorEncoding srgb;
    JxlColorEncodingSetToSRGB(&srgb, JXL_FALSE);
    if (JxlEncoderSetColorEncoding(encoder, &srgb) != JXL_ENC_SUCCESS)
      return false;
  }
  QByteArray exif = exifOf(extras);
  const QByteArray xmp = xmpOf(extras);
  if (exif.isEmpty() && xmp.isEmpty())
    return true;
  if (JxlEncoderUseBoxes(encoder) != JXL_ENC_SUCCESS)
    return false;
  // The Exif box starts with the offset of the TIFF header within it.
  if (!exif.isEmpty() &&
      JxlEncoderAddBox(encoder, "Exif",
                       reinterpret_cast<const uint8_t *>(exif.prepend(QByteArray(4, '\0')).constData()),
                       size_t(exif.size()), JXL_FALSE) != JXL_ENC_SUCCESS)
    return false;
  if (!xmp.isEmpty() && JxlEncoderAddBox(encoder, "xml ", reinterpret_cast<const uint8_t *>(xmp.constData()),
                                         size_t(xmp.size()), JXL_FALSE) != JXL_ENC_SUCCESS)
    return false;
  JxlEncoderCloseBoxes(encoder);
  return true;
}

} // namespace

void JpegXlEncoder::RunnerDestroy::operator()(void *runner) const { JxlThreadParallelRunnerDestroy(runner); }

double jxlDistance(int quality) {
  const double q = std::clamp(quality, 0, 100);
  if (q >= 100)
    return 0;
  if (q >= 30)
    return 0.1 + (100 - q) * 0.09;
  return 53.0 / 3000.0 * q * q - 23.0 / 20.0 * q + 25.0;
}

// From bench/size-curves on the 24 photographs fitted to 600 high.
const SizeCurve &JpegXlEncoder::sizeCurve() const {
  static constexpr SizeCurve kCurve{
      0.000, 0.001, 0.029, 0.057, 0.085, 0.086, 0.087, 0.088, 0.092, 0.128, 0.161, 0.197, 0.240, 0.295, 0.337,
      0.391, 0.445, 0.492, 0.535, 0.574, 0.630, 0.658, 0.689, 0.730, 0.762, 0.788, 0.817, 0.837, 0.859, 0.873,
      0.886, 0.893, 0.902, 0.910, 0.925, 0.933, 0.942, 0.952, 0.964, 0.973, 0.983, 1.001, 1.010, 1.021, 1.033,
      1.047, 1.058, 1.070, 1.080, 1.099, 1.111, 1.124, 1.189, 1.205, 1.216, 1.229, 1.242, 1.256, 1.270, 1.285,
      1.301, 1.317, 1.334, 1.352, 1.371, 1.389, 1.407, 1.424, 1.441, 1.461, 1.483, 1.507, 1.531, 1.556, 1.583,
      1.611, 1.640, 1.670, 1.700, 1.701, 1.735, 1.770, 1.807, 1.847, 1.888, 1.931, 1.975, 2.022, 2.071, 2.125,
      2.187, 2.251, 2.323, 2.406, 2.492, 2.601, 2.729, 2.884, 3.094, 3.361, 4.132};
  return kCurve;
}

Result<QByteArray> JpegXlEncoder::encode(const QImage &picture, int quality, const JpegExtras &extras) {
  if (picture.isNull())
    return failure(QStringLiteral("empty picture"));
  const std::unique_ptr<JxlEncoder, EncoderDestroy> encoder(JxlEncoderCreate(nullptr));
  // One thread encodes on the caller's: a pool of one only adds hand-offs.
  if (m_threads > 1 && !m_runner)
    m_runner.reset(JxlThreadParallelRunnerCreate(nullptr, size_t(m_threads)));
  if (!encoder || (m_threads > 1 && !m_runner))
    return failure(QStringLiteral("out of memory"));
  const bool alpha = hasTransparency(picture);
  const bool lossless = quality >= 100;
  if (!setUp(encoder.get(), m_runner.get(), picture.size(), alpha, lossless, extras))
    return failure(jxlError(encoder.get()));
  JxlEncoderFrameSettings *settings = JxlEncoderFrameSettingsCreate(encoder.get(), nullptr);
  if (!settings ||
      JxlEncoderFrameSettingsSetOption(settings, JXL_ENC_FRAME_SETTING_EFFORT, kEffort) != JXL_ENC_SUCCESS ||
      (lossless ? JxlEncoderSetFrameLossless(settings, JXL_TRUE)
                : JxlEncoderSetFrameDistance(settings, float(jxlDistance(quality)))) != JXL_ENC_SUCCESS)
    return failure(jxlError(encoder.get()));
  const QImage rows = encoderRows(picture, alpha);
  const JxlPixelFormat format{alpha ? 4u : 3u, JXL_TYPE_UINT8, JXL_NATIVE_ENDIAN,
                              size_t(rows.bytesPerLine())};
  if (JxlEncoderAddImageFrame(settings, &format, rows.constBits(), size_t(rows.sizeInBytes())) !=
      JXL_ENC_SUCCESS)
    return failure(jxlError(encoder.get()));
  JxlEncoderCloseInput(encoder.get());

  QByteArray file(qsizetype(64) * 1024, Qt::Uninitialized);
  qsizetype used = 0;
  for (;;) {
    auto *next = reinterpret_cast<uint8_t *>(file.data() + used);
    size_t available = size_t(file.size() - used);
    const JxlEncoderStatus status = JxlEncoderProcessOutput(encoder.get(), &next, &available);
    used = file.size() - qsizetype(available);
    if (status == JXL_ENC_SUCCESS)
      break;
    if (status != JXL_ENC_NEED_MORE_OUTPUT)
      return failure(jxlError(encoder.get()));
    file.resize(file.size() * 2);
  }
  file.resize(used);
  return file;
}

} // namespace veltrane
