#include "imaging/PhotoMetadataExcerpt.h"

#include <QIODevice>
#include <QtEndian>
#include <iterator>
#include <optional>

namespace veltrane {

namespace {

const QByteArray kExifSignature("Exif\0\0", 6);
const QByteArray kXmpSignature("http://ns.adobe.com/xap/1.0/\0", 29);
const QByteArray kPhotoshopSignature("Photoshop 3.0\0", 14);

Failure tooLarge() {
  return failure(QStringLiteral("its metadata is larger than %1 MB").arg(kMaxMetadataBytes >> 20));
}

// Exactly `count` bytes, or nothing when the file ends first.
std::optional<QByteArray> readExactly(QIODevice &file, qint64 count) {
  if (count < 0 || count > kMaxMetadataBytes)
    return std::nullopt;
  QByteArray bytes = file.read(count);
  if (bytes.size() != count)
    return std::nullopt;
  return bytes;
}

bool skip(QIODevice &file, qint64 count) { return count >= 0 && file.seek(file.pos() + count); }

void setRiffSize(QByteArray &webp) { qToLittleEndian<quint32>(quint32(webp.size() - 8), webp.data() + 4); }

// Collects the parts kept, within the size bound.
class ExcerptBuilder {
public:
  void add(const QByteArray &part, bool exif = false) {
    m_total += part.size();
    if (exif) {
      m_excerpt.exifAt = m_excerpt.bytes.size();
      m_excerpt.exifLength = part.size();
    }
    m_excerpt.bytes += part;
  }
  qint64 total() const { return m_total; }
  MetadataExcerpt &excerpt() { return m_excerpt; }

private:
  MetadataExcerpt m_excerpt{MetadataExcerpt::Kind::Excerpt, {}, false, false, false};
  qint64 m_total = 0;
};

// JPEG: the first EXIF and XMP APP1 segments and every Photoshop APP13 (IPTC
// may be split over several), up to the first scan. Extended XMP (depth maps
// and the like, megabytes) is not carried over, so it is not read.
Result<MetadataExcerpt> jpegExcerpt(QIODevice &file) {
  ExcerptBuilder builder;
  MetadataExcerpt &excerpt = builder.excerpt();
  builder.add(QByteArray("\xFF\xD8", 2));
  file.seek(2);
  for (;;) {
    char byte = 0;
    if (!file.getChar(&byte) || quint8(byte) != 0xFF)
      break;
    while (file.getChar(&byte) && quint8(byte) == 0xFF) {
    }
    const quint8 marker = quint8(byte);
    if (marker == 0xD9 || marker == 0xDA || marker == 0xFF)
      break;
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
      continue; // standalone markers carry no length
    const std::optional<QByteArray> lengthBytes = readExactly(file, 2);
    if (!lengthBytes)
      break;
    const int payloadLength = qFromBigEndian<quint16>(lengthBytes->constData()) - 2;
    if (payloadLength < 0)
      break;
    const bool app1 = marker == 0xE1, app13 = marker == 0xED;
    if (!app1 && !app13) {
      if (!skip(file, payloadLength))
        break;
      continue;
    }
    const QByteArray head = file.peek(qMin(payloadLength, int(kXmpSignature.size())));
    const bool exif = app1 && !excerpt.hasExif && head.startsWith(kExifSignature);
    const bool xmp = app1 && !excerpt.hasXmp && head.startsWith(kXmpSignature);
    const bool photoshop = app13 && head.startsWith(kPhotoshopSignature);
    if (!exif && !xmp && !photoshop) {
      if (!skip(file, payloadLength))
        break;
      continue;
    }
    if (builder.total() + payloadLength + 4 > kMaxMetadataBytes)
      return tooLarge();
    const std::optional<QByteArray> payload = readExactly(file, payloadLength);
    if (!payload)
      break;
    builder.add(QByteArray("\xFF", 1) + char(marker) + *lengthBytes + *payload, exif);
    excerpt.hasExif |= exif;
    excerpt.hasXmp |= xmp;
    // Photoshop's block often holds only resolution and the like: IPTC is its resource 0x0404.
    excerpt.hasIptc |= photoshop && payload->contains(QByteArray("8BIM\x04\x04", 6));
  }
  builder.add(QByteArray("\xFF\xD9", 2));
  return std::move(excerpt);
}

// PNG: the header and the text and eXIf chunks, up to the end chunk.
Result<MetadataExcerpt> pngExcerpt(QIODevice &file) {
  ExcerptBuilder builder;
  MetadataExcerpt &excerpt = builder.excerpt();
  builder.add(QByteArray("\x89PNG\r\n\x1A\n", 8));
  file.seek(8);
  for (;;) {
    const std::optional<QByteArray> header = readExactly(file, 8);
    if (!header)
      break;
    const qint64 length = qFromBigEndian<quint32>(header->constData());
    const QByteArray type = header->mid(4);
    if (type == "IEND")
      break;
    const bool text = type == "tEXt" || type == "zTXt" || type == "iTXt";
    if (type != "IHDR" && type != "eXIf" && !text) {
      if (!skip(file, length + 4))
        break;
      continue;
    }
    if (builder.total() + length + 12 > kMaxMetadataBytes)
      return tooLarge();
    const std::optional<QByteArray> data = readExactly(file, length + 4); // with its CRC
    if (!data)
      break;
    // ImageMagick and ExifTool keep the blocks of other formats in text chunks.
    const auto keyword = [&](const char *name) { return text && data->startsWith(name); };
    const bool exif = type == "eXIf" || keyword("Raw profile type exif") || keyword("Raw profile type APP1");
    builder.add(*header + *data, exif && !excerpt.hasExif);
    excerpt.hasExif |= exif;
    excerpt.hasXmp |= keyword("XML:com.adobe.xmp") || keyword("Raw profile type xmp");
    excerpt.hasIptc |= keyword("Raw profile type iptc");
  }
  builder.add(QByteArray("\0\0\0\0IEND\xAE\x42\x60\x82", 12));
  return std::move(excerpt);
}

// WebP: the extended header and the EXIF and XMP chunks, which follow the
// pixels. The RIFF size is made to match what was kept.
Result<MetadataExcerpt> webpExcerpt(QIODevice &file) {
  ExcerptBuilder builder;
  MetadataExcerpt &excerpt = builder.excerpt();
  file.seek(12);
  for (;;) {
    const std::optional<QByteArray> header = readExactly(file, 8);
    if (!header)
      break;
    const QByteArray type = header->left(4);
    const qint64 length = qFromLittleEndian<quint32>(header->constData() + 4);
    const qint64 padded = length + (length & 1);
    if (type != "VP8X" && type != "EXIF" && type != "XMP ") {
      if (!skip(file, padded))
        break;
      continue;
    }
    if (builder.total() + padded + 8 > kMaxMetadataBytes)
      return tooLarge();
    const std::optional<QByteArray> data = readExactly(file, padded);
    if (!data)
      break;
    builder.add(*header + *data, type == "EXIF" && !excerpt.hasExif);
    excerpt.hasExif |= type == "EXIF";
    excerpt.hasXmp |= type == "XMP ";
  }
  excerpt.bytes.prepend(QByteArray("RIFF\0\0\0\0WEBP", 12));
  excerpt.exifAt += excerpt.exifAt >= 0 ? 12 : 0;
  setRiffSize(excerpt.bytes);
  return std::move(excerpt);
}

// TIFF: read in place, but only after the values its first directory and
// EXIF directory declare (an XMP packet, IPTC, a maker note) are known to be
// within the bound: Exiv2 copies and parses those.
qint64 tiffDirectoryBytes(QIODevice &file, bool littleEndian, qint64 at, int depth) {
  const auto number = [&](const QByteArray &bytes, int offset, int size) -> quint32 {
    const char *data = bytes.constData() + offset;
    if (size == 2)
      return littleEndian ? qFromLittleEndian<quint16>(data) : qFromBigEndian<quint16>(data);
    return littleEndian ? qFromLittleEndian<quint32>(data) : qFromBigEndian<quint32>(data);
  };
  std::optional<QByteArray> count;
  if (!file.seek(at) || !(count = readExactly(file, 2)))
    return 0;
  const std::optional<QByteArray> entries = readExactly(file, qint64(number(*count, 0, 2)) * 12);
  if (!entries)
    return 0;
  static constexpr int kTypeSizes[] = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8, 4};
  qint64 total = 0;
  for (qsizetype entry = 0; entry < entries->size(); entry += 12) {
    const quint32 tag = number(*entries, int(entry), 2), type = number(*entries, int(entry) + 2, 2);
    const qint64 values = number(*entries, int(entry) + 4, 4);
    if (tag == 273 || tag == 279 || tag == 324 || tag == 325)
      continue; // strip and tile offsets and lengths: as many as the picture needs, not metadata
    total += values * (type < std::size(kTypeSizes) ? kTypeSizes[type] : 1);
    if (tag == 34665 && depth == 0) // the EXIF directory
      total += tiffDirectoryBytes(file, littleEndian, number(*entries, int(entry) + 8, 4), 1);
  }
  return total;
}

Result<MetadataExcerpt> tiffCheck(QIODevice &file, const QByteArray &start) {
  const bool littleEndian = start.startsWith("II");
  const QByteArray offset = start.mid(4, 4);
  const qint64 firstDirectory = littleEndian ? qFromLittleEndian<quint32>(offset.constData())
                                             : qFromBigEndian<quint32>(offset.constData());
  if (tiffDirectoryBytes(file, littleEndian, firstDirectory, 0) > kMaxMetadataBytes)
    return tooLarge();
  return MetadataExcerpt{MetadataExcerpt::Kind::WholeFile, {}, false, false, false};
}

} // namespace

QByteArray MetadataExcerpt::bytesWithoutExif() const {
  if (exifAt < 0)
    return bytes;
  QByteArray rest = QByteArray(bytes).remove(exifAt, exifLength);
  if (rest.startsWith("RIFF"))
    setRiffSize(rest);
  return rest;
}

namespace {

Result<MetadataExcerpt> excerptOfKnownFormat(QIODevice &file, const QByteArray &start) {
  if (start.startsWith("\xFF\xD8\xFF"))
    return jpegExcerpt(file);
  if (start.startsWith("\x89PNG\r\n\x1A\n"))
    return pngExcerpt(file);
  return webpExcerpt(file);
}

} // namespace

Result<MetadataExcerpt> readMetadataExcerpt(QIODevice &file) {
  file.seek(0);
  const QByteArray start = file.peek(12);
  if (start.startsWith("\xFF\xD8\xFF") || start.startsWith("\x89PNG\r\n\x1A\n") ||
      (start.startsWith("RIFF") && start.mid(8, 4) == "WEBP")) {
    Result<MetadataExcerpt> excerpt = excerptOfKnownFormat(file, start);
    if (excerpt && !excerpt->hasExif && !excerpt->hasXmp && !excerpt->hasIptc)
      return MetadataExcerpt{}; // nothing for the reader to parse
    return excerpt;
  }
  if (start.size() >= 8 &&
      (start.startsWith(QByteArray("II*\0", 4)) || start.startsWith(QByteArray("MM\0*", 4))))
    return tiffCheck(file, start);
  if (start.startsWith("GIF8") || start.startsWith("BM") || start.isEmpty())
    return MetadataExcerpt{};
  return MetadataExcerpt{MetadataExcerpt::Kind::WholeFile, {}, false, false, false};
}

} // namespace veltrane
