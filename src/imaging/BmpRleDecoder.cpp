#include "imaging/BmpRleDecoder.h"

#include <array>

namespace veltrane {

namespace {

// Writes one row at a time. A run, absolute data or a move that would leave
// the picture is refused: such a file is damaged, and drawing what fits would
// give a picture with pixels missing or out of place.
class RowWriter {
public:
  RowWriter(QImage &image, bool topDown) : m_image(image), m_topDown(topDown) { selectRow(); }

  // Room for `count` more pixels on the current row.
  bool fits(int count) const { return m_x + count <= m_image.width(); }
  void put(QRgb colour) { m_line[m_x++] = colour; }
  void endLine() {
    m_x = 0;
    ++m_row;
    selectRow();
  }
  bool move(int dx, int dy) {
    if (!fits(dx) || m_row + dy >= m_image.height())
      return false;
    m_x += dx;
    m_row += dy;
    selectRow();
    return true;
  }
  bool pastLastRow() const { return m_row >= m_image.height(); }
  bool onLastRowEnd() const { return m_row == m_image.height() - 1 && m_x >= m_image.width(); }

private:
  void selectRow() {
    if (pastLastRow()) {
      m_line = nullptr;
      return;
    }
    const int y = m_topDown ? int(m_row) : m_image.height() - 1 - int(m_row);
    m_line = reinterpret_cast<QRgb *>(m_image.scanLine(y));
  }

  QImage &m_image;
  bool m_topDown;
  QRgb *m_line = nullptr;
  qint64 m_x = 0;
  qint64 m_row = 0; // counted in stored order
};

DecodeResult truncated() { return DecodeResult::failure(QStringLiteral("truncated BMP data")); }
DecodeResult damaged() { return DecodeResult::failure(QStringLiteral("damaged BMP data")); }

} // namespace

DecodeResult decodeBmpRle(const unsigned char *data, size_t size, const BmpHeader &header) {
  std::array<QRgb, 256> palette;
  palette.fill(qRgb(0, 0, 0));
  for (qsizetype i = 0; i < header.palette.size() && i < 256; ++i)
    palette[size_t(i)] = header.palette[i];
  QImage image(int(header.width), int(header.height), QImage::Format_RGB32);
  if (image.isNull())
    return DecodeResult::failure(QStringLiteral("out of memory"));
  image.fill(palette[0]);

  const bool fourBits = header.compression == kBmpRle4;
  // The index of pixel `i` of a run or of absolute data starting at `bytes`.
  const auto indexAt = [fourBits](const unsigned char *bytes, int i) {
    return fourBits ? (i % 2 == 0 ? bytes[i / 2] >> 4 : bytes[i / 2] & 0x0F) : bytes[i];
  };
  RowWriter rows(image, header.topDown);
  size_t at = header.dataOffset;
  for (;;) {
    if (rows.pastLastRow())
      break;
    if (at + 2 > size) {
      if (rows.onLastRowEnd())
        break; // every pixel is in; only the closing escape is missing
      return truncated();
    }
    const int count = data[at], code = data[at + 1];
    at += 2;
    if (count > 0) { // a run of one index (RLE4: of two alternating ones)
      if (!rows.fits(count))
        return damaged();
      const unsigned char pair[1] = {static_cast<unsigned char>(code)};
      for (int i = 0; i < count; ++i)
        rows.put(palette[size_t(fourBits ? indexAt(pair, i % 2) : code)]);
      continue;
    }
    if (code == 0) {
      rows.endLine();
    } else if (code == 1) {
      break; // end of bitmap: whatever was not drawn keeps colour 0
    } else if (code == 2) {
      if (at + 2 > size)
        return truncated();
      if (!rows.move(data[at], data[at + 1]))
        return damaged();
      at += 2;
    } else { // absolute: `code` indexes follow, padded to a 16-bit boundary
      const size_t bytes = fourBits ? size_t(code + 1) / 2 : size_t(code);
      if (at + bytes > size)
        return truncated();
      if (!rows.fits(code))
        return damaged();
      for (int i = 0; i < code; ++i)
        rows.put(palette[size_t(indexAt(data + at, i))]);
      at = std::min(size, at + bytes + (bytes & 1));
    }
  }
  return DecodeResult::success(std::move(image), QSize(int(header.width), int(header.height)));
}

} // namespace veltrane
