#pragma once

#include "imaging/DecodeLimits.h"
#include "imaging/MemoryBudget.h"
#include "imaging/SourceFormat.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

namespace veltrane {

// What a caller asks of a decoder, and what every decoder gives back.
struct DecodeRequest {
  // Given the picture's full size (upright when orientation is applied), the
  // smallest size the caller will scale to; an empty/invalid QSize (or no
  // function) asks for the full size. Lets a JPEG decode at a reduced DCT scale.
  std::function<QSize(QSize fullSize)> neededSize;
  bool applyOrientation = true; // EXIF orientation applied (a later program setting switches it)
  qint64 maxPixels = kMaxDecodedPixels;
  // Transparent sources give Format_ARGB32_Premultiplied pixels rather than
  // lying on white.
  bool keepTransparency = false;
  // Shared by pictures prepared at the same time; none when null.
  MemoryBudget *memoryBudget = nullptr;
  // Given the full size, the bytes the caller will allocate beside the
  // decoded picture (its scaled and framed copies):
  // reserved together with the decoder's own, so nothing waits while holding.
  std::function<qint64(QSize fullSize)> callerBytes = nullptr;

  // Waits for the memory a decode needs: the decoder's `decoderBytes` and
  // the caller's. A decoder calls it after reading the header, before
  // allocating any pixel memory.
  MemoryBudget::Reservation reserveMemory(qint64 decoderBytes, QSize fullSize) const {
    if (!memoryBudget)
      return {};
    return memoryBudget->reserve(decoderBytes + (callerBytes ? callerBytes(fullSize) : 0));
  }
};

struct DecodedPicture {
  QImage image;   // QImage::Format_RGB32 (or Format_ARGB32_Premultiplied when transparency is kept), possibly
                  // reduced by the DCT scale; upright when orientation applied
  QSize fullSize; // the source's full size (upright when orientation applied): every size the program
                  // computes uses this
  MemoryBudget::Reservation memory; // the budget this picture and its copies hold; pass it on to keep it
  // The colour profile embedded in the source (ICC), which `image`'s pixels
  // are in; empty for sRGB, as a source without one is taken to be.
  QByteArray iccProfile;
  SourceFormat format = SourceFormat::Unknown; // what the file was
  bool animated = false;                       // a GIF or WebP animation, of which this is the first frame
};

struct DecodeResult {
  std::optional<DecodedPicture> picture;
  QString error; // why there is no picture, in words for a user
  bool ok() const { return picture.has_value(); }

  static DecodeResult failure(const QString &why) { return {std::nullopt, why}; }
  static DecodeResult success(QImage image, QSize fullSize, MemoryBudget::Reservation memory = {},
                              QByteArray iccProfile = {}) {
    return {DecodedPicture{std::move(image), fullSize, std::move(memory), std::move(iccProfile)}, {}};
  }
};

} // namespace veltrane
