#include "imaging/QtFormatDecoder.h"

#include "imaging/ExifOrientation.h"
#include "imaging/QtFormatHeaders.h"
#include "imaging/TiffDirectory.h"
#include "imaging/TiffMessages.h"
#include "imaging/Transparency.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageReader>
#include <climits>

namespace veltrane {

namespace {

const char *qtFormatName(QtSourceFormat format) {
  switch (format) {
  case QtSourceFormat::Png: return "png";
  case QtSourceFormat::WebP: return "webp";
  case QtSourceFormat::Tiff: return "tiff";
  }
  return "";
}

QString userFormatName(QtSourceFormat format) {
  switch (format) {
  case QtSourceFormat::Png: return QStringLiteral("PNG");
  case QtSourceFormat::WebP: return QStringLiteral("WebP");
  case QtSourceFormat::Tiff: return QStringLiteral("TIFF");
  }
  return {};
}

QString damaged(QtSourceFormat format) {
  return QStringLiteral("damaged %1 data").arg(userFormatName(format));
}
QString truncated(QtSourceFormat format) {
  return QStringLiteral("truncated %1 data").arg(userFormatName(format));
}

qint64 pixelCount(QSize size) { return qint64(size.width()) * size.height(); }

// What our own reading of a PNG or WebP finds; TIFF's size and orientation are Qt's.
struct OwnHeader {
  QSize size;          // invalid for TIFF
  int orientation = 1; // EXIF's, which Qt does not read in these formats
  QByteArray icc;      // the raw profile, for one Qt cannot read
  QString error;
};

// `whole`: the data is the whole file, which must then hold every chunk.
OwnHeader readOwnHeader(const unsigned char *data, size_t size, QtSourceFormat format, bool whole) {
  if (format == QtSourceFormat::Tiff)
    return {};
  const ChunkLayout layout =
      format == QtSourceFormat::Png ? pngLayout(data, size, !whole) : webpLayout(data, size);
  if (!layout.error.isEmpty())
    return {{}, 1, {}, layout.error};
  // The probe of a WebP whose VP8X announces EXIF after the image needs the rest of the file.
  const bool exifExpected = format == QtSourceFormat::WebP && size > 20 &&
                            std::memcmp(data + 12, "VP8X", 4) == 0 && (data[20] & 0x08) != 0;
  if (!layout.ended && (whole || (exifExpected && layout.exif.isEmpty())))
    return {{}, 1, {}, truncated(format)};
  const int orientation =
      layout.exif.isEmpty()
          ? 1
          : exifOrientation(reinterpret_cast<const unsigned char *>(layout.exif.constData()),
                            size_t(layout.exif.size()));
  return {layout.size, orientation, layout.icc, {}};
}

// Qt's reader over bytes in memory, told the format: never guessed from the content again.
struct QtReader {
  QBuffer buffer;
  QImageReader reader;

  QtReader(const unsigned char *data, size_t size, QtSourceFormat format, bool autoTransform,
           qint64 maxPixels) {
    buffer.setData(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    buffer.open(QIODevice::ReadOnly);
    reader.setDevice(&buffer);
    reader.setFormat(qtFormatName(format));
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(autoTransform);
    // Qt's default limit (128 MB) would refuse large photos; ours is the pixel limit, at 16 bits a sample.
    reader.setAllocationLimit(int(std::min<qint64>(INT_MAX, (maxPixels * 8 >> 20) + 1)));
  }

  // The stored size, or why there is none.
  QString storedSize(QtSourceFormat format, QSize *size) {
    *size = reader.size();
    if (size->isValid() && !size->isEmpty())
      return {};
    if (reader.error() == QImageReader::UnsupportedFormatError)
      return QStringLiteral("cannot read %1 pictures (Qt's image format plugin for them is missing)")
          .arg(userFormatName(format));
    return damaged(format);
  }

  // TIFF's own orientation, which Qt applies: whether it turns a quarter.
  bool turnsAQuarter() const { return reader.transformation() & QImageIOHandler::TransformationRotate90; }

  // Qt reads these kinds itself; every other one through libtiff's RGBA reader.
  bool readsTiffItself() {
    const QImage::Format format = reader.imageFormat();
    return format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
           format != QImage::Format_ARGB32_Premultiplied;
  }
};

// libtiff's own words on a damaged TIFF go into its one-line reason.
QString withTiffDetail(const QString &error, const TiffMessageCatcher &messages) {
  const QString detail = messages.firstError();
  if (error != damaged(QtSourceFormat::Tiff) || detail.isEmpty())
    return error;
  return QStringLiteral("%1 (%2)").arg(error, detail);
}

// What our own look at a TIFF's directory refuses; empty when Qt may go on.
QString tiffRefusal(const unsigned char *data, size_t size, QtReader &qt, QByteArray *icc) {
  const TiffDirectory directory = readTiffDirectory(data, size, !qt.readsTiffItself());
  if (icc)
    *icc = directory.iccProfile;
  if (!directory.unsupported.isEmpty())
    return QStringLiteral("unsupported TIFF (%1)").arg(directory.unsupported);
  return {};
}

// The profile the pixels are in; none for sRGB. A raw one that Qt cannot
// read may still be one the colour conversion reads.
QByteArray profileOf(const QImage &image, const QByteArray &raw) {
  const QColorSpace space = image.colorSpace();
  if (!space.isValid())
    return raw;
  return space == QColorSpace(QColorSpace::SRgb) ? QByteArray() : space.iccProfile();
}

DecodeResult decodeWithQtReader(const unsigned char *data, size_t size, QtSourceFormat format,
                                const DecodeRequest &request) {
  OwnHeader own = readOwnHeader(data, size, format, true);
  if (!own.error.isEmpty())
    return DecodeResult::failure(own.error);
  const bool tiff = format == QtSourceFormat::Tiff;
  QtReader qt(data, size, format, tiff && request.applyOrientation, request.maxPixels);
  QSize stored;
  if (const QString error = qt.storedSize(format, &stored); !error.isEmpty())
    return DecodeResult::failure(error);
  if (tiff) {
    if (const QString refused = tiffRefusal(data, size, qt, &own.icc); !refused.isEmpty())
      return DecodeResult::failure(refused);
  }
  if (!tiff && stored != own.size)
    return DecodeResult::failure(damaged(format));
  if (pixelCount(stored) > request.maxPixels)
    return DecodeResult::failure(pictureTooLargeText(stored.width(), stored.height()));
  const bool qtTurns =
      tiff && request.applyOrientation && qt.reader.transformation() != QImageIOHandler::TransformationNone;
  const bool weTurn = !tiff && request.applyOrientation && own.orientation != 1;
  const QSize read = qtTurns && qt.turnsAQuarter() ? stored.transposed() : stored;
  const QSize upright = weTurn ? orientedSize(stored, own.orientation) : read;

  // Qt's picture (16-bit samples take 8 bytes a pixel), a turned copy, the RGB32 one; WebP's reader
  // keeps a copy of the file.
  const qint64 readBytes = std::max(4, QImage::toPixelFormat(qt.reader.imageFormat()).bitsPerPixel() / 8);
  const qint64 copies = readBytes + 4 + (qtTurns ? readBytes : 0) + (weTurn ? 4 : 0);
  MemoryBudget::Reservation memory = request.reserveMemory(
      pixelCount(stored) * copies + qint64(size) * (format == QtSourceFormat::WebP ? 2 : 1), upright);
  if (!memory.refusal().isEmpty())
    return DecodeResult::failure(memory.refusal());

  QImage image = qt.reader.read();
  // Qt takes some files that end early for whole ones: what it read must be what the header promised.
  if (image.isNull() || image.size() != read)
    return DecodeResult::failure(damaged(format));
  QByteArray icc = profileOf(image, own.icc);
  // Transparent pixels lie on white, as on a page, unless the caller keeps them.
  image = request.keepTransparency && image.hasAlphaChannel()
              ? std::move(image).convertToFormat(kTransparentFormat)
              : onWhite(std::move(image));
  if (weTurn)
    image = orientedPicture(std::move(image), own.orientation);
  if (image.isNull())
    return DecodeResult::failure(QStringLiteral("out of memory"));
  const bool animated = format == QtSourceFormat::WebP && qt.reader.imageCount() > 1;
  DecodeResult result = DecodeResult::success(std::move(image), upright, std::move(memory), std::move(icc));
  result.picture->animated = animated;
  return result;
}

DecodeResult probeWithQtReader(const unsigned char *data, size_t available, QtSourceFormat format,
                               bool applyOrientation) {
  QSize upright;
  if (format == QtSourceFormat::Tiff) {
    QtReader qt(data, available, format, applyOrientation, kMaxDecodedPixels);
    QSize stored;
    if (const QString error = qt.storedSize(format, &stored); !error.isEmpty())
      return DecodeResult::failure(error);
    if (const QString refused = tiffRefusal(data, available, qt, nullptr); !refused.isEmpty())
      return DecodeResult::failure(refused);
    upright = applyOrientation && qt.turnsAQuarter() ? stored.transposed() : stored;
  } else {
    const OwnHeader own = readOwnHeader(data, available, format, false);
    if (!own.error.isEmpty())
      return DecodeResult::failure(own.error);
    if (own.size.isEmpty())
      return DecodeResult::failure(damaged(format));
    upright = applyOrientation ? orientedSize(own.size, own.orientation) : own.size;
  }
  if (pixelCount(upright) > kMaxDecodedPixels)
    return DecodeResult::failure(pictureTooLargeText(upright.width(), upright.height()));
  return DecodeResult::success(QImage(), upright);
}

} // namespace

DecodeResult decodeWithQt(const unsigned char *data, size_t size, QtSourceFormat format,
                          const DecodeRequest &request) {
  const TiffMessageCatcher tiffMessages;
  DecodeResult result = decodeWithQtReader(data, size, format, request);
  if (!result.ok())
    result.error = withTiffDetail(result.error, tiffMessages);
  return result;
}

DecodeResult probeWithQt(const unsigned char *data, size_t available, QtSourceFormat format,
                         bool applyOrientation) {
  const TiffMessageCatcher tiffMessages;
  DecodeResult result = probeWithQtReader(data, available, format, applyOrientation);
  if (!result.ok())
    result.error = withTiffDetail(result.error, tiffMessages);
  return result;
}

} // namespace veltrane
