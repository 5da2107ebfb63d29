#include "imaging/HeifDecoder.h"

#include "imaging/HeifColourProfile.h"
#include "imaging/HeifDecodePlan.h"
#include "imaging/Transparency.h"

#include <QtEndian>
#include <cstring>
#include <libheif/heif.h>
#include <memory>

namespace veltrane {

namespace {

struct ContextFree {
  void operator()(heif_context *context) const { heif_context_free(context); }
};
struct HandleRelease {
  void operator()(const heif_image_handle *handle) const { heif_image_handle_release(handle); }
};
struct ImageRelease {
  void operator()(const heif_image *image) const { heif_image_release(image); }
};
struct OptionsFree {
  void operator()(heif_decoding_options *options) const { heif_decoding_options_free(options); }
};

// The brands of the "ftyp" box: major, minor version skipped, then the compatible ones.
QList<QByteArray> brandsOf(const unsigned char *data, size_t size) {
  if (size < 16 || std::memcmp(data + 4, "ftyp", 4) != 0)
    return {};
  const size_t boxSize = std::min<size_t>(qFromBigEndian<quint32>(data), size);
  QList<QByteArray> brands{QByteArray(reinterpret_cast<const char *>(data + 8), 4)};
  for (size_t at = 16; at + 4 <= boxSize; at += 4)
    brands.append(QByteArray(reinterpret_cast<const char *>(data + at), 4));
  return brands;
}

bool hasBrand(const QList<QByteArray> &brands, std::initializer_list<const char *> wanted) {
  for (const char *brand : wanted)
    if (brands.contains(QByteArray(brand)))
      return true;
  return false;
}

const std::initializer_list<const char *> kAvifBrands = {"avif", "avis"};
const std::initializer_list<const char *> kHeicBrands = {"heic", "heix", "heim", "heis", "hevc", "hevx"};
const std::initializer_list<const char *> kHeifBrands = {"mif1", "msf1"};

// The name users know the file by.
QString kindOf(const unsigned char *data, size_t size) {
  const QList<QByteArray> brands = brandsOf(data, size);
  if (hasBrand(brands, kAvifBrands))
    return QStringLiteral("AVIF");
  if (hasBrand(brands, kHeicBrands))
    return QStringLiteral("HEIC");
  return QStringLiteral("HEIF");
}

QString errorText(const QString &kind, const heif_error &error) {
  const QString detail = QString::fromUtf8(error.message ? error.message : "").trimmed();
  if (error.subcode == heif_suberror_Security_limit_exceeded)
    return QStringLiteral("picture too large (%1)").arg(detail);
  if (error.code == heif_error_Memory_allocation_error)
    return QStringLiteral("out of memory");
  if (error.code == heif_error_Unsupported_feature || error.code == heif_error_Unsupported_filetype)
    return QStringLiteral("unsupported %1 (%2)").arg(kind, detail);
  if (error.subcode == heif_suberror_End_of_data)
    return QStringLiteral("truncated %1 data").arg(kind);
  return QStringLiteral("damaged %1 data (%2)").arg(kind, detail);
}

qint64 pixelCount(QSize size) { return qint64(size.width()) * size.height(); }

// libheif 1.15's default limit on either side of a picture.
constexpr qint64 kLibheifSideLimit = 32768;

// Whether every top-level box is there in full. libheif names what it then
// misses ("No 'meta' box"), not that the file ends early.
bool boxesEndInside(const unsigned char *data, size_t size) {
  size_t at = 0;
  while (size - at >= 8) {
    quint64 boxSize = qFromBigEndian<quint32>(data + at);
    if (boxSize == 0) // up to the end of the file
      return true;
    if (boxSize == 1) {
      if (size - at < 16)
        return false;
      boxSize = qFromBigEndian<quint64>(data + at + 8);
    }
    if (boxSize < 8)
      return true; // a nonsense size: libheif's to name
    if (boxSize > size - at)
      return false;
    at += size_t(boxSize);
  }
  return at == size;
}

// A file's primary picture, or why there is none.
struct OpenedHeif {
  std::unique_ptr<heif_context, ContextFree> context;
  std::unique_ptr<const heif_image_handle, HandleRelease> handle;
  QString error;

  // libheif reads the boxes and, for some items, their data at once, so the
  // probe too needs every byte up to the picture data.
  OpenedHeif(const unsigned char *data, size_t size, qint64 maxPixels) : context(heif_context_alloc()) {
    if (!context) {
      error = QStringLiteral("out of memory");
      return;
    }
    // libheif's own limit bounds each side, not the pixels: a backstop behind
    // the plan below, tightened only for a pixel limit under its default.
    heif_context_set_maximum_image_size_limit(context.get(),
                                              int(std::min<qint64>(kLibheifSideLimit, maxPixels + 1)));
    // The batch decodes one picture per worker thread already: tiles in more threads would only contend.
    heif_context_set_max_decoding_threads(context.get(), 0);
    heif_error result = heif_context_read_from_memory_without_copy(context.get(), data, size, nullptr);
    heif_image_handle *primary = nullptr;
    if (result.code == heif_error_Ok)
      result = heif_context_get_primary_image_handle(context.get(), &primary);
    handle.reset(primary);
    if (result.code != heif_error_Ok)
      error = errorText(kindOf(data, size), result);
  }
  OpenedHeif(const OpenedHeif &) = delete;
  OpenedHeif &operator=(const OpenedHeif &) = delete;

  // The size the decoded picture has: with the rotation, mirroring and crop applied, or as stored.
  QSize size(bool applyOrientation) const {
    if (applyOrientation)
      return {heif_image_handle_get_width(handle.get()), heif_image_handle_get_height(handle.get())};
    return {heif_image_handle_get_ispe_width(handle.get()), heif_image_handle_get_ispe_height(handle.get())};
  }

  // The embedded ICC profile, else one made from the colour description when that is not sRGB's.
  QByteArray colourProfile() const {
    const heif_color_profile_type type = heif_image_handle_get_color_profile_type(handle.get());
    if (type == heif_color_profile_type_prof || type == heif_color_profile_type_rICC) {
      QByteArray icc(qsizetype(heif_image_handle_get_raw_color_profile_size(handle.get())), '\0');
      if (heif_image_handle_get_raw_color_profile(handle.get(), icc.data()).code == heif_error_Ok)
        return icc;
      return {};
    }
    heif_color_profile_nclx *described = nullptr;
    const heif_error read = heif_image_handle_get_nclx_color_profile(handle.get(), &described);
    // libheif can hand a description over and still report an error (values
    // it does not know): ours to free either way.
    const std::unique_ptr<heif_color_profile_nclx, decltype(&heif_nclx_color_profile_free)> description(
        described, heif_nclx_color_profile_free);
    if (read.code != heif_error_Ok || !description)
      return {};
    return profileForColourDescription(*description);
  }
};

// What decoding will really build, or why it must not start.
QString planProblem(const HeifDecodePlan &plan, const QString &kind) {
  switch (plan.problem) {
  case HeifDecodePlan::Problem::None: break;
  case HeifDecodePlan::Problem::TooLarge: return plan.detail;
  case HeifDecodePlan::Problem::Truncated: return QStringLiteral("truncated %1 data").arg(kind);
  case HeifDecodePlan::Problem::Damaged: return QStringLiteral("damaged %1 data (%2)").arg(kind, plan.detail);
  }
  return {};
}

// Whether libheif gave the 8-bit rows asked for, of the size the header gives.
bool isAsAsked(const heif_image *decoded, QSize size) {
  return heif_image_get_width(decoded, heif_channel_interleaved) == size.width() &&
         heif_image_get_height(decoded, heif_channel_interleaved) == size.height() &&
         heif_image_get_bits_per_pixel_range(decoded, heif_channel_interleaved) == 8;
}

// libheif's interleaved 8-bit RGB(A) rows into RGB32, alpha on white as on
// a page; or into premultiplied ARGB32 when the transparency is kept.
QImage toQImage(const heif_image *decoded, QSize size, bool alpha, bool keepAlpha) {
  int stride = 0;
  const uint8_t *plane = heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
  if (!plane)
    return {};
  const bool premultiplied = heif_image_is_premultiplied_alpha(const_cast<heif_image *>(decoded));
  const bool kept = alpha && keepAlpha;
  QImage image(size, kept ? kTransparentFormat : QImage::Format_RGB32);
  for (int y = 0; y < size.height() && !image.isNull(); ++y) {
    const uint8_t *in = plane + ptrdiff_t(y) * stride;
    QRgb *out = reinterpret_cast<QRgb *>(image.scanLine(y));
    for (int x = 0; x < size.width(); ++x, in += alpha ? 4 : 3) {
      if (!alpha) {
        out[x] = qRgb(in[0], in[1], in[2]);
        continue;
      }
      const int opacity = in[3], white = 255 - opacity;
      if (kept) {
        const auto scaled = [&](int colour) {
          return premultiplied ? std::min(opacity, colour) : (colour * opacity + 127) / 255;
        };
        out[x] = qRgba(scaled(in[0]), scaled(in[1]), scaled(in[2]), opacity);
        continue;
      }
      const auto onWhite = [&](int colour) {
        return premultiplied ? std::min(255, colour + white) : (colour * opacity + 255 * white + 127) / 255;
      };
      out[x] = qRgb(onWhite(in[0]), onWhite(in[1]), onWhite(in[2]));
    }
  }
  return image;
}

} // namespace

bool isHeifFile(const unsigned char *data, size_t size) {
  const QList<QByteArray> brands = brandsOf(data, size);
  return hasBrand(brands, kAvifBrands) || hasBrand(brands, kHeicBrands) || hasBrand(brands, kHeifBrands);
}

bool isAvifFile(const unsigned char *data, size_t size) {
  return kindOf(data, size) == QLatin1String("AVIF");
}

HeifDecoder::HeifDecoder() { heif_init(nullptr); }

HeifDecoder::~HeifDecoder() { heif_deinit(); }

DecodeResult HeifDecoder::decode(const unsigned char *data, size_t size, const DecodeRequest &request) const {
  const QString kind = kindOf(data, size);
  if (!boxesEndInside(data, size))
    return DecodeResult::failure(QStringLiteral("truncated %1 data").arg(kind));
  const OpenedHeif heif(data, size, request.maxPixels);
  if (!heif.error.isEmpty())
    return DecodeResult::failure(heif.error);
  QSize fullSize = heif.size(request.applyOrientation);
  if (fullSize.isEmpty())
    return DecodeResult::failure(QStringLiteral("damaged %1 data (no picture size)").arg(kind));
  if (pixelCount(fullSize) > request.maxPixels)
    return DecodeResult::failure(pictureTooLargeText(fullSize.width(), fullSize.height()));
  const HeifDecodePlan plan = planHeifDecode(data, size, request.maxPixels);
  if (!plan.ok())
    return DecodeResult::failure(planProblem(plan, kind));
  const bool alpha = heif_image_handle_has_alpha_channel(heif.handle.get());
  // The codec's planes (up to 16 bits a sample), libheif's RGB(A) and its turned copy, our RGB32,
  // for every picture held at once (a grid's canvas and the tile going into it).
  const qint64 pixels = std::max(plan.peakPixels, pixelCount(fullSize));
  MemoryBudget::Reservation memory = request.reserveMemory(pixels * 18 + qint64(size), fullSize);
  if (!memory.refusal().isEmpty())
    return DecodeResult::failure(memory.refusal());

  std::unique_ptr<heif_decoding_options, OptionsFree> options(heif_decoding_options_alloc());
  options->ignore_transformations = !request.applyOrientation;
  if (options->version >= 2)
    options->convert_hdr_to_8bit = 1;
  if (options->version >= 3)
    options->strict_decoding = 1; // data that ends early fails rather than leaving grey
  heif_image *made = nullptr;
  const heif_error result =
      heif_decode_image(heif.handle.get(), &made, heif_colorspace_RGB,
                        alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, options.get());
  const std::unique_ptr<const heif_image, ImageRelease> decoded(made);
  if (result.code != heif_error_Ok)
    return DecodeResult::failure(errorText(kind, result));
  // Some writers (libheif 1.15's own among them) give a turned picture the turned size as stored.
  if (!request.applyOrientation && isAsAsked(decoded.get(), fullSize.transposed()))
    fullSize = fullSize.transposed();
  if (!isAsAsked(decoded.get(), fullSize))
    return DecodeResult::failure(
        QStringLiteral("damaged %1 data (the picture is not the size its header gives)").arg(kind));
  QImage image = toQImage(decoded.get(), fullSize, alpha, request.keepTransparency);
  if (image.isNull())
    return DecodeResult::failure(QStringLiteral("out of memory"));
  return DecodeResult::success(std::move(image), fullSize, std::move(memory), heif.colourProfile());
}

DecodeResult HeifDecoder::probe(const unsigned char *data, size_t available, bool applyOrientation) const {
  const OpenedHeif heif(data, available, kMaxDecodedPixels);
  if (!heif.error.isEmpty())
    return DecodeResult::failure(heif.error);
  const QSize fullSize = heif.size(applyOrientation);
  const QString kind = kindOf(data, available);
  if (fullSize.isEmpty())
    return DecodeResult::failure(QStringLiteral("damaged %1 data (no picture size)").arg(kind));
  if (pixelCount(fullSize) > kMaxDecodedPixels)
    return DecodeResult::failure(pictureTooLargeText(fullSize.width(), fullSize.height()));
  if (const HeifDecodePlan plan = planHeifDecode(data, available, kMaxDecodedPixels); !plan.ok())
    return DecodeResult::failure(planProblem(plan, kind));
  return DecodeResult::success(QImage(), fullSize);
}

} // namespace veltrane
