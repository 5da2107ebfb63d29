#include "imaging/GifDecoder.h"

#include "imaging/GifCodes.h"
#include "imaging/GifStructure.h"
#include "imaging/Transparency.h"

#include <QRgb>
#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <vector>

#include <gif_lib.h>

namespace veltrane {

namespace {

// The file as giflib reads it, with the first frame one row (or column)
// larger than it says: see decodeGif.
struct MemoryInput {
  const unsigned char *data;
  size_t size;
  size_t sideAt;         // where the side made larger is stored
  unsigned char side[2]; // what giflib reads there instead
  size_t at = 0;
};

int readFromMemory(GifFileType *gif, GifByteType *to, int length) {
  auto *input = static_cast<MemoryInput *>(gif->UserData);
  const size_t count = std::min(size_t(std::max(length, 0)), input->size - input->at);
  std::memcpy(to, input->data + input->at, count);
  for (size_t i = 0; i < 2; ++i)
    if (input->sideAt + i >= input->at && input->sideAt + i < input->at + count)
      to[input->sideAt + i - input->at] = input->side[i];
  input->at += count;
  return int(count);
}

struct GifCloser {
  void operator()(GifFileType *gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};
using GifFile = std::unique_ptr<GifFileType, GifCloser>;

DecodeResult failureFor(int giflibError) {
  if (giflibError == D_GIF_ERR_NOT_ENOUGH_MEM)
    return DecodeResult::failure(QStringLiteral("out of memory"));
  // The blocks were all there (inspectGif): whatever giflib trips on is in the data.
  return DecodeResult::failure(QStringLiteral("damaged GIF data"));
}

constexpr QRgb kWhite = qRgb(255, 255, 255), kBlack = qRgb(0, 0, 0);

// Up to the first frame's descriptor; the transparent index of its graphic
// control extension, -1 for none.
bool readToFirstFrame(GifFileType *gif, int *transparent) {
  for (;;) {
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif, &record) == GIF_ERROR)
      return false;
    if (record == IMAGE_DESC_RECORD_TYPE)
      return DGifGetImageDesc(gif) != GIF_ERROR;
    if (record != EXTENSION_RECORD_TYPE) {
      gif->Error = D_GIF_ERR_WRONG_RECORD;
      return false;
    }
    int code = 0;
    GifByteType *block = nullptr;
    if (DGifGetExtension(gif, &code, &block) == GIF_ERROR)
      return false;
    // The last one before the frame counts, as each replaces the one before.
    if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] >= 4)
      *transparent = (block[1] & 0x01) ? block[4] : -1;
    while (block)
      if (DGifGetExtensionNext(gif, &block) == GIF_ERROR)
        return false;
  }
}

// Rows in the order an interlaced frame stores them: every 8th from 0, every
// 8th from 4, every 4th from 2, every 2nd from 1.
std::vector<int> storedRowOrder(int height, bool interlaced) {
  std::vector<int> order;
  order.reserve(size_t(height));
  if (!interlaced) {
    for (int y = 0; y < height; ++y)
      order.push_back(y);
    return order;
  }
  constexpr int kStart[] = {0, 4, 2, 1}, kStep[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass)
    for (int y = kStart[pass]; y < height; y += kStep[pass])
      order.push_back(y);
  return order;
}

} // namespace

DecodeResult decodeGif(const unsigned char *data, size_t size, const DecodeRequest &request) {
  // The blocks are walked first: a cut file is told as such, and the sizes
  // are checked before any pixel memory.
  const GifInspection found = inspectGif(data, size, false);
  if (!found.error.isEmpty())
    return DecodeResult::failure(found.error);
  if (!gifCodesFitTheirTable(data + found.imageDataAt, size - found.imageDataAt))
    return DecodeResult::failure(QStringLiteral("damaged GIF data"));
  const QSize canvasSize = gifCanvas(found);
  if (canvasSize.isEmpty())
    return DecodeResult::failure(QStringLiteral("damaged GIF data"));
  const qint64 canvasPixels = qint64(canvasSize.width()) * canvasSize.height();
  if (canvasPixels > request.maxPixels ||
      qint64(found.firstFrame.width()) * found.firstFrame.height() > request.maxPixels)
    return DecodeResult::failure(pictureTooLargeText(canvasSize.width(), canvasSize.height()));

  // LZW data that went wrong can decode to more pixels than the frame has,
  // and giflib, like every reader, stops at the frame's last pixel and skips
  // the rest: the rows come out shifted, without a word. So giflib is told
  // the frame has one row (or, 65535 rows high, one column) more, and the
  // pixel after the last must not be there: a sound stream ends with its end
  // code. (Both sides 65535 is past the pixel limit.)
  const int width = found.firstFrame.width(), height = found.firstFrame.height();
  const bool widen = height == 0xFFFF;
  const int largerSide = (widen ? width : height) + 1;
  MemoryInput input{
      data,
      size,
      found.firstFrameAt + (widen ? 4 : 6),
      {static_cast<unsigned char>(largerSide & 0xFF), static_cast<unsigned char>(largerSide >> 8)}};
  int error = 0;
  const GifFile gif(DGifOpen(&input, readFromMemory, &error));
  if (!gif)
    return failureFor(error);
  int transparent = -1;
  if (!readToFirstFrame(gif.get(), &transparent))
    return failureFor(gif->Error);
  const GifImageDesc &frame = gif->Image; // one side larger, but its place as stored

  std::array<QRgb, 256> palette;
  palette.fill(kBlack); // an index beyond the colour table
  const ColorMapObject *table = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
  for (int i = 0; table && i < table->ColorCount && i < 256; ++i)
    palette[size_t(i)] = qRgb(table->Colors[i].Red, table->Colors[i].Green, table->Colors[i].Blue);
  // Around the frame: transparent when the caller keeps it, else white as
  // on a page, when it has a transparent colour; else the global table's
  // background colour.
  const bool clear = transparent >= 0 && request.keepTransparency;
  QRgb background = kBlack;
  if (transparent >= 0) {
    background = clear ? QRgb(0) : kWhite;
    palette[size_t(transparent)] = background;
  } else if (const ColorMapObject *global = gif->SColorMap;
             global && gif->SBackGroundColor >= 0 && gif->SBackGroundColor < global->ColorCount) {
    const GifColorType &colour = global->Colors[gif->SBackGroundColor];
    background = qRgb(colour.Red, colour.Green, colour.Blue);
  }

  MemoryBudget::Reservation memory =
      request.reserveMemory(canvasPixels * 4 + width + qint64(size), canvasSize);
  if (!memory.refusal().isEmpty())
    return DecodeResult::failure(memory.refusal());
  QImage canvas(canvasSize, clear ? kTransparentFormat : QImage::Format_RGB32);
  if (canvas.isNull())
    return DecodeResult::failure(QStringLiteral("out of memory"));
  canvas.fill(background);

  std::vector<GifPixelType> line(size_t(std::max(width, 1)));
  // The part of the frame that lies on the canvas; the rest is decoded and dropped.
  const int visibleWidth = std::clamp(canvasSize.width() - frame.Left, 0, width);
  for (const int y : storedRowOrder(height, frame.Interlace)) {
    if (width > 0 && DGifGetLine(gif.get(), line.data(), width) == GIF_ERROR)
      return failureFor(gif->Error);
    const int canvasY = frame.Top + y;
    if (canvasY >= canvasSize.height() || visibleWidth == 0)
      continue;
    QRgb *row = reinterpret_cast<QRgb *>(canvas.scanLine(canvasY)) + frame.Left;
    for (int x = 0; x < visibleWidth; ++x)
      row[x] = palette[line[size_t(x)]];
  }
  if (width > 0 && height > 0 && DGifGetLine(gif.get(), line.data(), 1) != GIF_ERROR)
    return DecodeResult::failure(QStringLiteral("damaged GIF data"));
  const bool animated = hasAnotherFrame(data, size, found);
  DecodeResult result = DecodeResult::success(std::move(canvas), canvasSize, std::move(memory));
  result.picture->animated = animated;
  return result;
}

} // namespace veltrane
