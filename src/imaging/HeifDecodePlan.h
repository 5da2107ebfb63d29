#pragma once

#include <QString>
#include <QtGlobal>
#include <cstddef>

namespace veltrane {

// What decoding a HEIF file's primary picture will build, worked out from
// its boxes before anything is decoded. libheif sizes a grid or overlay by
// its own descriptor and decodes every tile it names, whatever the "ispe"
// box says, and has no pixel limit of its own; this finds each of them.
struct HeifDecodePlan {
  enum class Problem { None, Damaged, Truncated, TooLarge };
  Problem problem = Problem::None;
  QString detail; // the damage, or the whole "picture too large" text

  // The most pixels held at once: a grid's canvas and a tile being decoded
  // into it, the alpha picture beside the colour one.
  qint64 peakPixels = 0;

  bool ok() const { return problem == Problem::None; }
};

// Every picture decoding will make (the primary, its grid or overlay canvas,
// each tile, each picture an identity item names, the alpha picture) is
// checked against `maxPixels`, and all of them together against a few times
// it. A grid whose tiles are not all of one size, leave part of its canvas
// uncovered or a whole tile outside it, or whose canvas is not the size its
// "ispe" box gives, is damaged; so are references in a loop.
HeifDecodePlan planHeifDecode(const unsigned char *data, size_t size, qint64 maxPixels);

} // namespace veltrane
