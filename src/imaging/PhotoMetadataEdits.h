#pragma once

// Inside the imaging library only: Exiv2's types do not leave it.

#include "imaging/PhotoMetadataExiv.h"

#include <QSize>
#include <QStringList>

namespace veltrane {

// A photo's metadata as Exiv2 holds it.
struct MetadataBlocks {
  Exiv2::ExifData exif;
  Exiv2::XmpData xmp;
  Exiv2::IptcData iptc;
  Exiv2::ByteOrder byteOrder = Exiv2::littleEndian;
};

// Erases the entries `drop` picks; returns whether there were any.
template <typename Data, typename Predicate> bool eraseIf(Data &data, Predicate drop) {
  bool erased = false;
  for (auto it = data.begin(); it != data.end();) {
    if (drop(*it)) {
      it = data.erase(it);
      erased = true;
    } else {
      ++it;
    }
  }
  return erased;
}

// Whether an EXIF entry belongs to the camera maker's own block.
bool isMakerNote(const Exiv2::Exifdatum &datum);

// Removes where the photo was taken: the GPS data of EXIF and XMP, and the
// place names of IPTC and XMP, which photo tools often fill in from the GPS
// position and which can be as exact (a sub-location is often a street
// address). Returns whether there was any.
bool removeLocation(MetadataBlocks &blocks);

// Makes the metadata describe the new file: upright (its pixels were turned),
// of `size`, with no thumbnail or tags of the old encoding, no pointer to
// extended XMP that is not carried over.
void describeNewFile(MetadataBlocks &blocks, QSize size);

} // namespace veltrane
