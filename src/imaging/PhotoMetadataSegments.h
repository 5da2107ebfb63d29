#pragma once

#include "imaging/JpegEncoder.h"
#include "imaging/PhotoMetadataEdits.h"

#include <QList>
#include <QStringList>

namespace veltrane {

// The longest payload of one JPEG marker segment.
inline constexpr qsizetype kMaxSegmentPayload = 65533;

// The blocks as JPEG marker segments, in this order: APP1 EXIF, APP1 XMP,
// APP13 IPTC; none for an empty block. Each must fit one segment: what does
// not is left out, the least valued part first (a maker note before the
// rest of EXIF, XMP's edit history before the rest of XMP), and said in `notes`.
QList<JpegMarker> metadataSegments(MetadataBlocks &blocks, QStringList &notes);

} // namespace veltrane
