#pragma once

#include "imaging/DecodeResult.h"

#include <QByteArray>
#include <QString>
#include <memory>

namespace veltrane {

// Decodes JPEG, GIF, BMP, PNG, WebP, TIFF, HEIC and AVIF sources (recognised
// by their content, not their name) into Format_RGB32 pixels. A source that
// cannot be decoded completely gives an error and never a partial picture.
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

} // namespace veltrane
