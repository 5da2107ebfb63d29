#pragma once

// The fixture of the decoder tests: one decoder, reused from case to case as
// a worker reuses it, and a folder for files.

#include "TempFolder.h"
#include "imaging/PictureDecoder.h"

#include <gtest/gtest.h>

namespace veltrane::test {

class DecoderFixture : public ::testing::Test {
protected:
  DecodeResult decode(const QByteArray &bytes, const DecodeRequest &request = {}) {
    return decoder.decodeBytes(bytes, request);
  }

  PictureDecoder decoder;
  TempFolder folder;
};

} // namespace veltrane::test
