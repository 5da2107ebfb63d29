#include "imaging/PhotoMetadataSegments.h"

#include <optional>
#include <set>
#include <string>

namespace veltrane {

namespace {

constexpr int kApp1 = 0xE1;
constexpr int kApp13 = 0xED;
const QByteArray kExifSignature("Exif\0\0", 6);
const QByteArray kXmpSignature("http://ns.adobe.com/xap/1.0/\0", 29);
const QByteArray kPhotoshopSignature("Photoshop 3.0\0", 14);

// Exiv2 leaves out tags over 4 kB on its own when a block would not fit; a
// block that lost any is treated as one that does not fit, so that the
// choice of what goes is ours and is said.
constexpr long kLargeTag = 4096;

struct EncodedExif {
  QByteArray tiff;
  bool lostTags = false;
};

EncodedExif encodeExif(const Exiv2::ExifData &exif, Exiv2::ByteOrder byteOrder) {
  Exiv2::Blob blob;
  Exiv2::ExifParser::encode(blob, byteOrder, exif);
  EncodedExif encoded{QByteArray(reinterpret_cast<const char *>(blob.data()), qsizetype(blob.size())), false};
  std::set<std::string> largeKeys;
  for (const Exiv2::Exifdatum &datum : exif)
    if (datum.size() > kLargeTag)
      largeKeys.insert(datum.key());
  if (largeKeys.empty() || blob.empty())
    return encoded; // nothing Exiv2 would leave out; reading back costs as much as writing
  Exiv2::ExifData written;
  Exiv2::ExifParser::decode(written, blob.data(), uint32_t(blob.size()));
  for (const Exiv2::Exifdatum &datum : written)
    largeKeys.erase(datum.key());
  encoded.lostTags = !largeKeys.empty();
  return encoded;
}

bool fits(const QByteArray &signature, const QByteArray &block) {
  return signature.size() + block.size() <= kMaxSegmentPayload;
}

std::optional<JpegMarker> exifSegment(Exiv2::ExifData &exif, Exiv2::ByteOrder byteOrder, QStringList &notes) {
  if (exif.empty())
    return std::nullopt;
  EncodedExif encoded = encodeExif(exif, byteOrder);
  if (!fits(kExifSignature, encoded.tiff) || encoded.lostTags) {
    if (eraseIf(exif, isMakerNote)) {
      notes << QStringLiteral(
          "the camera's maker note was left out: with it the EXIF data would not fit in the file");
      encoded = encodeExif(exif, byteOrder);
    }
  }
  if (!fits(kExifSignature, encoded.tiff) || encoded.tiff.isEmpty()) {
    notes << QStringLiteral("the EXIF data was left out: it would not fit in the file");
    return std::nullopt;
  }
  if (encoded.lostTags)
    notes << QStringLiteral(
        "large EXIF fields were left out: with them the EXIF data would not fit in the file");
  return JpegMarker{kApp1, kExifSignature + encoded.tiff};
}

std::optional<QByteArray> encodeXmp(const Exiv2::XmpData &xmp) {
  std::string packet;
  if (Exiv2::XmpParser::encode(packet, xmp, Exiv2::XmpParser::useCompactFormat) != 0)
    return std::nullopt;
  return QByteArray::fromStdString(packet);
}

std::optional<JpegMarker> xmpSegment(Exiv2::XmpData &xmp, QStringList &notes) {
  if (xmp.empty())
    return std::nullopt;
  std::optional<QByteArray> packet = encodeXmp(xmp);
  if (packet && !fits(kXmpSignature, *packet)) {
    // Edit histories and raw-development settings grow with every edit and
    // say nothing about the picture the recipient sees.
    const bool erased = eraseIf(xmp, [](const Exiv2::Xmpdatum &datum) {
      const std::string key = datum.key();
      for (const char *bulky : {"Xmp.xmpMM.History", "Xmp.xmpMM.Ingredients", "Xmp.xmpMM.Pantry",
                                "Xmp.xmpMM.Manifest", "Xmp.photoshop.DocumentAncestors", "Xmp.crs."})
        if (key.rfind(bulky, 0) == 0)
          return true;
      return false;
    });
    if (erased) {
      notes << QStringLiteral(
          "the XMP edit history was left out: with it the XMP data would not fit in the file");
      packet = encodeXmp(xmp);
    }
  }
  if (!packet) {
    notes << QStringLiteral("the XMP data was left out: it could not be written");
    return std::nullopt;
  }
  if (!fits(kXmpSignature, *packet)) {
    notes << QStringLiteral("the XMP data was left out: it would not fit in the file");
    return std::nullopt;
  }
  return JpegMarker{kApp1, kXmpSignature + *packet};
}

std::optional<JpegMarker> iptcSegment(const Exiv2::IptcData &iptc, QStringList &notes) {
  // An empty dataset says nothing, and Exiv2 drops one that ends the block
  // when reading: written alone, it would read back as damaged IPTC.
  Exiv2::IptcData filled;
  for (const Exiv2::Iptcdatum &datum : iptc)
    if (datum.size() > 0)
      filled.add(datum);
  if (filled.empty())
    return std::nullopt;
  const Exiv2::DataBuf resources = Exiv2::Photoshop::setIptcIrb(nullptr, 0, filled);
  const QByteArray block(reinterpret_cast<const char *>(resources.pData_), qsizetype(resources.size_));
  if (block.isEmpty())
    return std::nullopt;
  if (!fits(kPhotoshopSignature, block)) {
    notes << QStringLiteral("the IPTC data was left out: it would not fit in the file");
    return std::nullopt;
  }
  return JpegMarker{kApp13, kPhotoshopSignature + block};
}

} // namespace

QList<JpegMarker> metadataSegments(MetadataBlocks &blocks, QStringList &notes) {
  QList<JpegMarker> markers;
  for (std::optional<JpegMarker> marker : {exifSegment(blocks.exif, blocks.byteOrder, notes),
                                           xmpSegment(blocks.xmp, notes), iptcSegment(blocks.iptc, notes)})
    if (marker)
      markers.append(std::move(*marker));
  return markers;
}

} // namespace veltrane
