#include "imaging/BmpRleDecoder.h"

#include <array>

namespace veltrane {

namespace {

// Writes one row at a time; pixels beyond the right edge or the last row are
// dropped, as a run may overshoot them.
class RowWriter {
public:
  RowWriter(QImage &image, bool topDown) : m_image(image), m_topDown(topDown) { selectRow(); }

  void put(QRgb colour) {
    if (m_line && m_x < m_image.width())
      m_line[m_x] = colour;
    ++m_x;
  }
  void endLine() {
    m_x = 0;
    ++m_row;
    selectRow();
  }
  void move(int dx, int dy) {
    m_x += dx;
    m_row += dy;
    selectRow();
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
      rows.move(data[at], data[at + 1]);
      at += 2;
    } else { // absolute: `code` indexes follow, padded to a 16-bit boundary
      const size_t bytes = fourBits ? size_t(code + 1) / 2 : size_t(code);
      if (at + bytes > size)
        return truncated();
      for (int i = 0; i < code; ++i)
        rows.put(palette[size_t(indexAt(data + at, i))]);
      at = std::min(size, at + bytes + (bytes & 1));
    }
  }
  return DecodeResult::success(std::move(image), QSize(int(header.width), int(header.height)));
}

} // namespace veltrane
