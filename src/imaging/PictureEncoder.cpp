#include "imaging/PictureEncoder.h"

#include "imaging/AvifEncoder.h"
#include "imaging/JpegXlEncoder.h"
#include "imaging/PngEncoder.h"
#include "imaging/WebpEncoder.h"

namespace veltrane {
namespace {

const QByteArray kExifSignature("Exif\0\0", 6);
const QByteArray kXmpSignature("http://ns.adobe.com/xap/1.0/\0", 29);

} // namespace

Result<std::optional<QByteArray>> PictureEncoder::encodeWithin(const QImage &picture, int quality,
                                                               qsizetype maxBytes, const JpegExtras &extras) {
  Result<QByteArray> bytes = encode(picture, quality, extras);
  if (!bytes)
    return failure(bytes.reason());
  if (bytes->size() > maxBytes)
    return std::optional<QByteArray>();
  return std::optional<QByteArray>(std::move(*bytes));
}

Result<QualityChoice> PictureEncoder::searchQuality(const QImage &picture, double limitK,
                                                    const JpegExtras &extras) {
  const SizeCurve &curve = sizeCurve();
  const QualityScale scale{lowestQuality(), [this](int quality) { return settingOf(quality); }, curve};
  const double detail = pictureDetail(picture);
  const int predicted = m_memory->firstGuess(detail, maxBytesWithin(limitK), curve, scale.lowest);
  Result<QualityChoice> choice = searchQualityFrom(
      predicted, limitK, scale, [&](int quality) { return encode(picture, quality, extras); });
  if (choice && !choice->bytes.isEmpty())
    m_memory->learn(detail, choice->quality, choice->bytes.size(), curve);
  return choice;
}

const SizeCurve &PictureEncoder::sizeCurve() const {
  // A straight line: a file an eighth larger for every five steps.
  static const SizeCurve kSteady = [] {
    SizeCurve curve{};
    for (size_t quality = 0; quality < curve.size(); ++quality)
      curve[quality] = 0.025 * double(quality);
    return curve;
  }();
  return kSteady;
}

Result<QualityChoice> JpegPictureEncoder::searchQuality(const QImage &picture, double limitK,
                                                        const JpegExtras &extras) {
  // The bisection runs on the standard tables, whose encodings stop as soon
  // as they pass the limit; then tables made for the picture, a few percent
  // smaller, let the qualities just above the answer fit as well.
  m_encoder.setOptimizedCoding(false);
  Result<QualityChoice> choice = getQualityForK(picture, limitK, m_encoder, extras);
  if (!choice)
    return choice;
  const qsizetype maxBytes = maxBytesWithin(limitK);
  const bool fitted = !choice->bytes.isEmpty() && choice->bytes.size() <= maxBytes;
  m_encoder.setOptimizedCoding(true);
  for (int quality = fitted ? choice->quality + 1 : 0; quality <= 100; ++quality) {
    Result<std::optional<QByteArray>> encoded = m_encoder.encodeWithin(picture, quality, maxBytes, extras);
    if (!encoded)
      return failure(encoded.reason());
    choice->tried.append(quality);
    if (!*encoded)
      break;
    choice->quality = quality;
    choice->bytes = std::move(**encoded);
  }
  return choice;
}

QString PictureEncoder::leftOut(const JpegExtras &extras) const {
  return hasIptc(extras) ? QStringLiteral("IPTC") : QString();
}

std::unique_ptr<PictureEncoder> makeEncoder(OutputFormat format, int threads) {
  switch (format) {
  case OutputFormat::Png: return std::make_unique<PngEncoder>();
  case OutputFormat::Webp: return std::make_unique<WebpEncoder>();
  case OutputFormat::Avif: return std::make_unique<AvifEncoder>(threads);
  case OutputFormat::Jxl: return std::make_unique<JpegXlEncoder>(threads);
  case OutputFormat::Jpeg: break;
  }
  return std::make_unique<JpegPictureEncoder>();
}

PictureEncoder &EncoderSet::of(OutputFormat format) {
  std::unique_ptr<PictureEncoder> &encoder = m_encoders[int(format)];
  if (!encoder) {
    encoder = makeEncoder(format, m_threads);
    encoder->learnInto(m_shared.of[int(format)]);
  }
  return *encoder;
}

QByteArray exifOf(const JpegExtras &extras) {
  for (const JpegMarker &marker : extras.markers)
    if (marker.code == 0xE1 && marker.payload.startsWith(kExifSignature))
      return marker.payload.mid(kExifSignature.size());
  return {};
}

QByteArray xmpOf(const JpegExtras &extras) {
  for (const JpegMarker &marker : extras.markers)
    if (marker.code == 0xE1 && marker.payload.startsWith(kXmpSignature))
      return marker.payload.mid(kXmpSignature.size());
  return {};
}

bool hasIptc(const JpegExtras &extras) {
  for (const JpegMarker &marker : extras.markers)
    if (marker.code == 0xED)
      return true;
  return false;
}

bool hasTransparency(const QImage &picture) {
  if (!picture.hasAlphaChannel())
    return false;
  const QImage argb =
      picture.format() == QImage::Format_ARGB32_Premultiplied || picture.format() == QImage::Format_ARGB32
          ? picture
          : picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < argb.height(); ++y) {
    const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
    for (int x = 0; x < argb.width(); ++x)
      if (qAlpha(line[x]) != 255)
        return true;
  }
  return false;
}

QImage encoderRows(const QImage &picture, bool alpha) {
  return picture.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
}

} // namespace veltrane
