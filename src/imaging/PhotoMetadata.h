#pragma once

#include "common/Result.h"
#include "imaging/JpegEncoder.h"
#include "presets/PhotoOptions.h"

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>

namespace veltrane {

// What a resized photo carries of its source's metadata.
struct OutputMetadata {
  QList<JpegMarker> markers;    // APP1 EXIF, APP1 XMP, APP13 IPTC, as far as there are any
  bool locationRemoved = false; // the source said where it was taken, and the policy left that out
  QString note;                 // what else was left out and why, for the report; empty when nothing
};

// What reading a source's metadata may hold at once, besides the picture,
// at most: the metadata parts of the file (at most kMaxMetadataBytes) and
// Exiv2's copies of them, or Exiv2 reading a TIFF or HEIF in place.
inline constexpr qint64 kPhotoMetadataMemory = 16 << 20;

// What reading the metadata of the file at `sourcePath` for its output will
// hold at once, for the caller to reserve from the memory budget before the
// picture: nothing under Strip or for a file without any, a small multiple of
// its metadata parts' size for a file read by excerpt, kPhotoMetadataMemory
// for a format read in place. Reads the file's segment sizes, not its pixels.
qint64 metadataReadingMemory(const QString &sourcePath, MetadataPolicy policy);

// The marker segments for a picture of `outputSize` written from the file at
// `sourcePath`, under `policy`. The kept EXIF and XMP are made true for the
// new file: upright, of the new size, without the old thumbnail. Only the
// file's metadata parts are read, never its pixels. Fails with a reason when
// the source's metadata cannot be read; the picture is then written without
// it. Safe to call from several threads at once.
Result<OutputMetadata> readOutputMetadata(const QString &sourcePath, MetadataPolicy policy, QSize outputSize);

// The same for a whole file's bytes in memory.
Result<OutputMetadata> outputMetadataOfBytes(const QByteArray &fileBytes, MetadataPolicy policy,
                                             QSize outputSize);

} // namespace veltrane
