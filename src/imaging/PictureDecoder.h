#pragma once

#include "imaging/DecodeLimits.h"
#include "imaging/MemoryBudget.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace veltrane {

struct DecodeRequest {
  // Given the picture's full size (upright when orientation is applied), the
  // smallest size the caller will scale to; an empty/invalid QSize (or no
  // function) asks for the full size. Lets a JPEG decode at a reduced DCT scale.
  std::function<QSize(QSize fullSize)> neededSize;
  bool applyOrientation = true; // EXIF orientation applied (a later program setting switches it)
  qint64 maxPixels = kMaxDecodedPixels;
  // Shared by decodes that run at the same time; none when null.
  MemoryBudget *memoryBudget = nullptr;
};

struct DecodedPicture {
  QImage image;   // QImage::Format_RGB32, possibly reduced by the DCT scale; upright when orientation applied
  QSize fullSize; // the source's full size (upright when orientation applied): every size the program
                  // computes uses this
};

struct DecodeResult {
  std::optional<DecodedPicture> picture;
  QString error; // why there is no picture, in words for a user
  bool ok() const { return picture.has_value(); }

  static DecodeResult failure(const QString &why) { return {std::nullopt, why}; }
  static DecodeResult success(QImage image, QSize fullSize) {
    return {DecodedPicture{std::move(image), fullSize}, {}};
  }
};

// Decodes JPEG, GIF and BMP sources (recognised by their content, not their
// name) into Format_RGB32 pixels. A source that cannot be decoded completely
// gives an error and never a partial picture.
//
// Reused across pictures: keeps one libjpeg decompressor and its buffers. Not
// thread-safe: the batch has one per worker thread.
class PictureDecoder {
public:
  PictureDecoder();
  ~PictureDecoder();
  PictureDecoder(const PictureDecoder &) = delete;
  PictureDecoder &operator=(const PictureDecoder &) = delete;

  DecodeResult decodeFile(const QString &path, const DecodeRequest &request = {});
  DecodeResult decodeBytes(const QByteArray &bytes, const DecodeRequest &request = {});
  // Reads only the header: the full (upright) size, or the error. Cheap.
  // picture->image stays null.
  DecodeResult probeFile(const QString &path, bool applyOrientation = true);

private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};

// Loads a source path as the program does: doubled "/" collapsed first.
DecodeResult carica(PictureDecoder &decoder, const QString &path, const DecodeRequest &request = {});

} // namespace veltrane
