#include "imaging/PhotoMetadataEdits.h"

#include <algorithm>
#include <initializer_list>
#include <string>

namespace veltrane {

namespace {

bool startsWithAny(const std::string &key, std::initializer_list<const char *> prefixes) {
  return std::any_of(prefixes.begin(), prefixes.end(),
                     [&](const char *prefix) { return key.rfind(prefix, 0) == 0; });
}

bool containsAny(const std::string &text, std::initializer_list<const char *> parts) {
  return std::any_of(parts.begin(), parts.end(),
                     [&](const char *part) { return text.find(part) != std::string::npos; });
}

// IFD0 tags that describe how the old file stored its pixels (a TIFF's
// strips, a thumbnail's offsets) or hold blocks written elsewhere in a JPEG.
const std::initializer_list<const char *> kOldEncodingTags{
    "Exif.Image.NewSubfileType",
    "Exif.Image.SubfileType",
    "Exif.Image.ImageWidth",
    "Exif.Image.ImageLength",
    "Exif.Image.BitsPerSample",
    "Exif.Image.Compression",
    "Exif.Image.PhotometricInterpretation",
    "Exif.Image.FillOrder",
    "Exif.Image.StripOffsets",
    "Exif.Image.SamplesPerPixel",
    "Exif.Image.RowsPerStrip",
    "Exif.Image.StripByteCounts",
    "Exif.Image.PlanarConfiguration",
    "Exif.Image.Predictor",
    "Exif.Image.ColorMap",
    "Exif.Image.TileWidth",
    "Exif.Image.TileLength",
    "Exif.Image.TileOffsets",
    "Exif.Image.TileByteCounts",
    "Exif.Image.SubIFDs",
    "Exif.Image.ExtraSamples",
    "Exif.Image.SampleFormat",
    "Exif.Image.JPEGInterchangeFormat",
    "Exif.Image.JPEGInterchangeFormatLength",
    "Exif.Image.YCbCrSubSampling",
    "Exif.Image.XMLPacket",
    "Exif.Image.IPTCNAA",
    "Exif.Image.ImageResources",
    "Exif.Image.InterColorProfile",
};

void setIfPresent(Exiv2::XmpData &xmp, const char *key, const std::string &value) {
  const auto found = xmp.findKey(Exiv2::XmpKey(key));
  if (found != xmp.end())
    found->setValue(value);
}

void describeExif(Exiv2::ExifData &exif, QSize size) {
  // Only the main picture's IFDs, its GPS and interoperability IFDs and the
  // maker note go into a JPEG: thumbnails (IFD1), a TIFF's sub-images and
  // MPF entries describe pictures the new file does not hold.
  eraseIf(exif, [](const Exiv2::Exifdatum &datum) {
    const std::string group = datum.groupName();
    return group != "Image" && group != "Photo" && group != "GPSInfo" && group != "Iop" &&
           !isMakerNote(datum);
  });
  eraseIf(exif, [](const Exiv2::Exifdatum &datum) { return startsWithAny(datum.key(), kOldEncodingTags); });
  if (exif.empty())
    return;
  const auto orientation = exif.findKey(Exiv2::ExifKey("Exif.Image.Orientation"));
  if (orientation != exif.end())
    *orientation = uint16_t(1);
  exif["Exif.Photo.PixelXDimension"] = uint32_t(size.width());
  exif["Exif.Photo.PixelYDimension"] = uint32_t(size.height());
}

void describeXmp(Exiv2::XmpData &xmp, QSize size) {
  eraseIf(xmp, [](const Exiv2::Xmpdatum &datum) {
    return startsWithAny(datum.key(),
                         {"Xmp.xmpNote.HasExtendedXMP", "Xmp.xmp.Thumbnails", "Xmp.tiff.Compression",
                          "Xmp.tiff.BitsPerSample", "Xmp.tiff.PhotometricInterpretation",
                          "Xmp.tiff.SamplesPerPixel", "Xmp.tiff.PlanarConfiguration"});
  });
  setIfPresent(xmp, "Xmp.tiff.Orientation", "1");
  const std::string width = std::to_string(size.width()), height = std::to_string(size.height());
  setIfPresent(xmp, "Xmp.tiff.ImageWidth", width);
  setIfPresent(xmp, "Xmp.tiff.ImageLength", height);
  setIfPresent(xmp, "Xmp.exif.PixelXDimension", width);
  setIfPresent(xmp, "Xmp.exif.PixelYDimension", height);
}

} // namespace

bool isMakerNote(const Exiv2::Exifdatum &datum) {
  const std::string group = datum.groupName();
  return group == "MakerNote" || Exiv2::ExifTags::isMakerGroup(group) ||
         datum.key() == "Exif.Photo.MakerNote";
}

bool removeLocation(MetadataBlocks &blocks) {
  bool removed = eraseIf(blocks.exif, [](const Exiv2::Exifdatum &datum) {
    if (datum.groupName() == "GPSInfo" || datum.key() == "Exif.Image.GPSTag")
      return true;
    // Some makers keep their own copy of the position or a place name.
    return isMakerNote(datum) && containsAny(datum.tagName(), {"GPS", "Latitude", "Longitude", "Location"});
  });
  removed |= eraseIf(blocks.xmp, [](const Exiv2::Xmpdatum &datum) {
    return startsWithAny(datum.key(),
                         {"Xmp.exif.GPS", "Xmp.iptc.Location", "Xmp.iptc.CountryCode", "Xmp.photoshop.City",
                          "Xmp.photoshop.State", "Xmp.photoshop.Country", "Xmp.iptcExt.LocationCreated",
                          "Xmp.iptcExt.LocationShown", "Xmp.xmpDM.shotLocation"});
  });
  removed |= eraseIf(blocks.iptc, [](const Exiv2::Iptcdatum &datum) {
    if (datum.record() != Exiv2::IptcDataSets::application2)
      return false;
    switch (datum.tag()) {
    case Exiv2::IptcDataSets::LocationCode:
    case Exiv2::IptcDataSets::LocationName:
    case Exiv2::IptcDataSets::City:
    case Exiv2::IptcDataSets::SubLocation:
    case Exiv2::IptcDataSets::ProvinceState:
    case Exiv2::IptcDataSets::CountryCode:
    case Exiv2::IptcDataSets::CountryName: return true;
    default: return false;
    }
  });
  return removed;
}

void describeNewFile(MetadataBlocks &blocks, QSize size) {
  describeExif(blocks.exif, size);
  describeXmp(blocks.xmp, size);
}

} // namespace veltrane
