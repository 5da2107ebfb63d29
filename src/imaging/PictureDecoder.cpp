#include "imaging/PictureDecoder.h"

#include "imaging/BmpHeader.h"
#include "imaging/BmpRleDecoder.h"
#include "imaging/DecoderFileReader.h"
#include "imaging/GifDecoder.h"
#include "imaging/GifStructure.h"
#include "imaging/HeifDecoder.h"
#include "imaging/JpegSourceDecoder.h"
#include "imaging/QtFormatDecoder.h"
#include "imaging/SourceFormat.h"

#include <QBuffer>
#include <QImageReader>
#include <climits>
#include <cstring>

namespace veltrane {

namespace {

// By content: a JPEG named .gif is still a JPEG.
SourceFormat formatOf(const unsigned char *data, size_t size) {
  if (size >= 8 && std::memcmp(data, "\x89PNG\r\n\x1A\n", 8) == 0)
    return SourceFormat::Png;
  if (size >= 12 && std::memcmp(data, "RIFF", 4) == 0 && std::memcmp(data + 8, "WEBP", 4) == 0)
    return SourceFormat::WebP;
  // Classic TIFF (42) and BigTIFF (43), in either byte order.
  if (size >= 4 && ((data[0] == 'I' && data[1] == 'I' && (data[2] == 42 || data[2] == 43) && data[3] == 0) ||
                    (data[0] == 'M' && data[1] == 'M' && data[2] == 0 && (data[3] == 42 || data[3] == 43))))
    return SourceFormat::Tiff;
  if (isHeifFile(data, size))
    return isAvifFile(data, size) ? SourceFormat::Avif : SourceFormat::Heic;
  if (size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF)
    return SourceFormat::Jpeg;
  if (size >= 6 && (std::memcmp(data, "GIF87a", 6) == 0 || std::memcmp(data, "GIF89a", 6) == 0))
    return SourceFormat::Gif;
  if (size >= 2 && data[0] == 'B' && data[1] == 'M')
    return SourceFormat::Bmp;
  return SourceFormat::Unknown;
}

// A probe reads this much first, and the rest only when the header goes on.
constexpr qint64 kProbeBytes = 256 * 1024;
// Memory a decoder keeps for the next file; more is given back after a big
// one, so idle workers do not each sit on a large file's worth.
constexpr qsizetype kKeptBufferBytes = qsizetype(16) << 20;

// No picture within the pixel limit comes in a file much larger than its
// 32-bit pixels; reading one would only fill the memory.
qint64 fileSizeLimit(qint64 maxPixels) {
  return std::max(maxPixels * 4, qint64(1) << 30) + (qint64(64) << 20);
}

qint64 pixelCount(QSize size) { return qint64(size.width()) * size.height(); }

// BMP goes through Qt once the traps it falls into are checked. Qt's default
// allocation limit (128 MB) would refuse a 50-megapixel BMP, so the limit
// follows the pixel limit instead.
QImage readWithQt(const unsigned char *data, size_t size, const char *format, qint64 maxPixels) {
  QBuffer buffer;
  buffer.setData(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
  if (!buffer.open(QIODevice::ReadOnly))
    return {};
  QImageReader reader(&buffer, format);
  reader.setAutoDetectImageFormat(false);
  reader.setAllocationLimit(int(std::min<qint64>(INT_MAX, (maxPixels * 4 >> 20) + 1)));
  return reader.read();
}

// An index beyond the colour table reads as black in every depth (Qt's own
// conversion gives black for 8 bits but white for 1 bit).
void padColourTable(QImage &image) {
  const int full = 1 << image.depth();
  QList<QRgb> table = image.colorTable();
  if (table.size() >= full)
    return;
  table.resize(full, qRgb(0, 0, 0));
  image.setColorTable(table);
}

DecodeResult fromQt(QImage image) {
  if (image.isNull())
    return DecodeResult::failure(QStringLiteral("damaged BMP data"));
  if (image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB ||
      image.format() == QImage::Format_Indexed8)
    padColourTable(image);
  // Alpha is dropped, as Windows draws a BMP.
  image = image.convertToFormat(QImage::Format_RGB32);
  if (image.isNull())
    return DecodeResult::failure(QStringLiteral("out of memory"));
  const QSize size = image.size();
  return DecodeResult::success(std::move(image), size);
}

DecodeResult holding(DecodeResult result, MemoryBudget::Reservation memory) {
  if (result.ok())
    result.picture->memory = std::move(memory);
  return result;
}

DecodeResult decodeBmp(const unsigned char *data, size_t size, const DecodeRequest &request) {
  const BmpInspection found = inspectBmp(data, size, qint64(size), request.maxPixels);
  if (!found.error.isEmpty())
    return DecodeResult::failure(found.error);
  const BmpHeader &header = found.header;
  const QSize fullSize(int(header.width), int(header.height));
  const qint64 pixels = pixelCount(fullSize);
  const bool runLengths = header.compression == kBmpRle8 || header.compression == kBmpRle4;
  // RLE decodes straight into RGB32; Qt makes its own picture, then the RGB32 copy.
  MemoryBudget::Reservation memory =
      request.reserveMemory(pixels * (runLengths ? 4 : 8) + qint64(size), fullSize);
  if (!memory.refusal().isEmpty())
    return DecodeResult::failure(memory.refusal());
  if (runLengths)
    return holding(decodeBmpRle(data, size, header), std::move(memory));
  DecodeResult result = fromQt(readWithQt(data, size, "bmp", request.maxPixels));
  if (result.ok() && result.picture->fullSize != fullSize)
    return DecodeResult::failure(QStringLiteral("damaged BMP data"));
  return holding(std::move(result), std::move(memory));
}

QtSourceFormat qtFormat(SourceFormat format) {
  return format == SourceFormat::Png    ? QtSourceFormat::Png
         : format == SourceFormat::WebP ? QtSourceFormat::WebP
                                        : QtSourceFormat::Tiff;
}

} // namespace

struct PictureDecoder::Impl {
  JpegSourceDecoder jpeg;
  HeifDecoder heif;
  QByteArray buffer; // the file being decoded; its memory serves the next file too

  DecodeResult decode(const unsigned char *data, size_t size, const DecodeRequest &request) {
    DecodeResult result = decodeAs(data, size, request);
    if (result.ok())
      result.picture->format = formatOf(data, size);
    return result;
  }

  DecodeResult decodeAs(const unsigned char *data, size_t size, const DecodeRequest &request) {
    if (size == 0)
      return DecodeResult::failure(QStringLiteral("empty file"));
    const SourceFormat format = formatOf(data, size);
    switch (format) {
    case SourceFormat::Jpeg: return jpeg.decode(data, size, request);
    case SourceFormat::Bmp: return decodeBmp(data, size, request);
    case SourceFormat::Gif: return decodeGif(data, size, request);
    case SourceFormat::Png:
    case SourceFormat::WebP:
    case SourceFormat::Tiff: return decodeWithQt(data, size, qtFormat(format), request);
    case SourceFormat::Heic:
    case SourceFormat::Avif: return heif.decode(data, size, request);
    case SourceFormat::Unknown: break;
    }
    return DecodeResult::failure(QStringLiteral("not a picture"));
  }

  // `data` holds the first `available` bytes of a file of `fileSize` bytes.
  DecodeResult probe(const unsigned char *data, size_t available, qint64 fileSize, bool applyOrientation) {
    DecodeResult result = probeAs(data, available, fileSize, applyOrientation);
    if (result.ok())
      result.picture->format = formatOf(data, available);
    return result;
  }

  DecodeResult probeAs(const unsigned char *data, size_t available, qint64 fileSize, bool applyOrientation) {
    if (fileSize == 0)
      return DecodeResult::failure(QStringLiteral("empty file"));
    const SourceFormat format = formatOf(data, available);
    switch (format) {
    case SourceFormat::Png:
    case SourceFormat::WebP:
    case SourceFormat::Tiff: return probeWithQt(data, available, qtFormat(format), applyOrientation);
    case SourceFormat::Heic:
    case SourceFormat::Avif: return heif.probe(data, available, applyOrientation);
    case SourceFormat::Jpeg: return jpeg.probe(data, available, applyOrientation, kMaxDecodedPixels);
    case SourceFormat::Bmp: {
      const BmpInspection found = inspectBmp(data, available, fileSize, kMaxDecodedPixels);
      if (!found.error.isEmpty())
        return DecodeResult::failure(found.error);
      return DecodeResult::success(QImage(), QSize(int(found.header.width), int(found.header.height)));
    }
    case SourceFormat::Gif: {
      const GifInspection found = inspectGif(data, available, true);
      if (!found.error.isEmpty())
        return DecodeResult::failure(found.error);
      const QSize canvas = gifCanvas(found);
      if (pixelCount(canvas) > kMaxDecodedPixels || pixelCount(found.firstFrame.size()) > kMaxDecodedPixels)
        return DecodeResult::failure(pictureTooLargeText(canvas.width(), canvas.height()));
      return DecodeResult::success(QImage(), canvas);
    }
    case SourceFormat::Unknown: break;
    }
    return DecodeResult::failure(QStringLiteral("not a picture"));
  }

  const unsigned char *bytes() const { return reinterpret_cast<const unsigned char *>(buffer.constData()); }

  void releaseBigBuffer() {
    if (buffer.capacity() > kKeptBufferBytes)
      buffer = QByteArray();
  }
};

PictureDecoder::PictureDecoder() : m_impl(std::make_unique<Impl>()) {}

PictureDecoder::~PictureDecoder() = default;

DecodeResult PictureDecoder::decodeFile(const QString &path, const DecodeRequest &request) {
  const FileReadOutcome read = readRegularFile(path, m_impl->buffer, -1, fileSizeLimit(request.maxPixels));
  DecodeResult result = read.ok() ? m_impl->decode(m_impl->bytes(), size_t(m_impl->buffer.size()), request)
                                  : DecodeResult::failure(read.error);
  m_impl->releaseBigBuffer();
  return result;
}

DecodeResult PictureDecoder::decodeBytes(const QByteArray &bytes, const DecodeRequest &request) {
  return m_impl->decode(reinterpret_cast<const unsigned char *>(bytes.constData()), size_t(bytes.size()),
                        request);
}

DecodeResult PictureDecoder::probeFile(const QString &path, bool applyOrientation) {
  const qint64 limit = fileSizeLimit(kMaxDecodedPixels);
  FileReadOutcome read = readRegularFile(path, m_impl->buffer, kProbeBytes, limit);
  if (!read.ok())
    return DecodeResult::failure(read.error);
  DecodeResult result =
      m_impl->probe(m_impl->bytes(), size_t(m_impl->buffer.size()), read.fileSize, applyOrientation);
  if (!result.ok() && m_impl->buffer.size() < read.fileSize) {
    // The header may go on beyond the first bytes (a large EXIF block, many GIF extensions).
    read = readRegularFile(path, m_impl->buffer, -1, limit);
    result = read.ok() ? m_impl->probe(m_impl->bytes(), size_t(m_impl->buffer.size()), read.fileSize,
                                       applyOrientation)
                       : DecodeResult::failure(read.error);
  }
  m_impl->releaseBigBuffer();
  return result;
}

} // namespace veltrane
