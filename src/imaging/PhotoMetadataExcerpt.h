#pragma once

#include "common/Result.h"

#include <QByteArray>
#include <QtGlobal>

class QIODevice;

namespace veltrane {

// Metadata larger than this is not read: no photo tool writes that much, and
// a hostile file must not make every worker hold its size in memory.
inline constexpr qint64 kMaxMetadataBytes = 1 << 20;

// The parts of a picture file that hold its metadata, read without its pixels.
struct MetadataExcerpt {
  enum class Kind {
    None,      // a format without metadata worth keeping (GIF, BMP), or nothing found
    Excerpt,   // `bytes` is a small file of the source's format with only its metadata parts
    WholeFile, // a format read in place (TIFF, HEIF): the metadata reader maps the file itself
  };
  Kind kind = Kind::None;
  QByteArray bytes;
  // What the source holds, so that a block the reader then cannot decode is reported, not lost silently.
  bool hasExif = false;
  bool hasXmp = false;
  bool hasIptc = false;
  qsizetype exifAt = -1; // where the EXIF part lies in `bytes`, to read the rest without it
  qsizetype exifLength = 0;

  // The excerpt without its EXIF part: a damaged EXIF block makes Exiv2 give
  // up on the whole file, and the XMP and IPTC beside it may be sound.
  QByteArray bytesWithoutExif() const;
};

// Walks the file's segments or chunks from its start, reading only those that
// hold EXIF, XMP or IPTC and seeking over the rest (the pixels, the colour
// profile). A file cut short keeps what was read whole before the cut. Fails
// when those parts add up to more than kMaxMetadataBytes; so does a TIFF
// whose first directory and EXIF directory declare more than that outside
// its pixels' strips and tiles.
Result<MetadataExcerpt> readMetadataExcerpt(QIODevice &file);

} // namespace veltrane
