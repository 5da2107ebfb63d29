#pragma once

// The fixture of the decoder tests: one decoder, reused from case to case as
// a worker reuses it, and a folder for files.

#include "FilePatches.h"
#include "TempFolder.h"
#include "imaging/PictureDecoder.h"

#include "imaging/MemoryBudget.h"

#include <gtest/gtest.h>
#include <vector>

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

  // A file, and what its decode reserves besides the file and the caller's bytes.
  struct ReservationCase {
    const char *name;
    QByteArray file;
    qint64 atLeast;
  };
  // Each decode reserves that, the file and the caller's copies (a byte a
  // pixel here) before decoding; the picture holds the reservation and gives
  // it all back.
  void expectReservations(const std::vector<ReservationCase> &cases) {
    MemoryBudget budget(qint64(1) << 30);
    DecodeRequest request;
    request.memoryBudget = &budget;
    request.callerBytes = [](QSize full) { return qint64(full.width()) * full.height(); };
    for (const ReservationCase &c : cases) {
      {
        const DecodeResult result = decode(c.file, request);
        ASSERT_TRUE(result.ok()) << c.name << ": " << result.error.toStdString();
        const QSize full = result.picture->fullSize;
        EXPECT_GE(result.picture->memory.bytes(), c.atLeast + c.file.size() + full.width() * full.height())
            << c.name;
        EXPECT_EQ(budget.held(), result.picture->memory.bytes()) << c.name;
      }
      EXPECT_EQ(budget.held(), 0) << c.name;
    }
  }

  PictureDecoder decoder;
  TempFolder folder;
};

} // namespace veltrane::test
