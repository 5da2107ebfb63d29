#pragma once

// The fixture of the decoder tests: one decoder, reused from case to case as
// a worker reuses it, and a folder for files.

#include "FilePatches.h"
#include "TempFolder.h"
#include "imaging/PictureDecoder.h"

#include <gtest/gtest.h>

namespace veltrane::test {

// Decoding for a caller that scales to `size` (a JPEG's reduced scales).
inline DecodeRequest needing(QSize size, bool applyOrientation = true, qint64 maxPixels = kMaxDecodedPixels) {
  return {[size](QSize) { return size; }, applyOrientation, maxPixels};
}

class DecoderFixture : public ::testing::Test {
protected:
  DecodeResult decode(const QByteArray &bytes, const DecodeRequest &request = {}) {
    return decoder.decodeBytes(bytes, request);
  }

  PictureDecoder decoder;
  TempFolder folder;
};

} // namespace veltrane::test
