#include "imaging/GifStructure.h"

namespace veltrane {

namespace {

constexpr size_t kHeaderSize = 13; // signature, logical screen descriptor
constexpr unsigned char kExtension = 0x21;
constexpr unsigned char kImage = 0x2C;
constexpr unsigned char kTrailer = 0x3B;

unsigned le16(const unsigned char *p) { return unsigned(p[0]) | unsigned(p[1]) << 8; }

size_t colourTableBytes(unsigned char flags) {
  return (flags & 0x80) ? 3 * (size_t(2) << (flags & 0x07)) : 0;
}

class Walker {
public:
  Walker(const unsigned char *data, size_t size) : m_data(data), m_size(size) {}
  bool has(size_t bytes) const { return bytes <= m_size - m_at; }
  size_t at() const { return m_at; }
  const unsigned char *take(size_t bytes) {
    const unsigned char *start = m_data + m_at;
    m_at += bytes;
    return start;
  }
  // Sub-blocks up to and including the empty one that ends them.
  bool skipSubBlocks() {
    for (;;) {
      if (!has(1))
        return false;
      const size_t length = *take(1);
      if (length == 0)
        return true;
      if (!has(length))
        return false;
      take(length);
    }
  }

private:
  const unsigned char *m_data;
  size_t m_size;
  size_t m_at = 0;
};

GifInspection failed(GifInspection found, const char *error) {
  found.error = QString::fromLatin1(error);
  return found;
}

} // namespace

GifInspection inspectGif(const unsigned char *data, size_t size, bool headerOnly) {
  GifInspection found;
  Walker walker(data, size);
  if (!walker.has(kHeaderSize))
    return failed(found, "truncated GIF data");
  const unsigned char *header = walker.take(kHeaderSize);
  found.screen = QSize(int(le16(header + 6)), int(le16(header + 8)));
  const size_t globalTable = colourTableBytes(header[10]);
  if (!walker.has(globalTable))
    return failed(found, "truncated GIF data");
  walker.take(globalTable);
  for (;;) {
    if (!walker.has(1))
      return failed(found, "truncated GIF data");
    const unsigned char block = *walker.take(1);
    if (block == kExtension) {
      if (!walker.has(1))
        return failed(found, "truncated GIF data");
      walker.take(1); // label
      if (!walker.skipSubBlocks())
        return failed(found, "truncated GIF data");
    } else if (block == kImage) {
      if (!walker.has(9))
        return failed(found, "truncated GIF data");
      found.firstFrameAt = walker.at();
      const unsigned char *descriptor = walker.take(9);
      found.firstFrame = QRect(int(le16(descriptor)), int(le16(descriptor + 2)), int(le16(descriptor + 4)),
                               int(le16(descriptor + 6)));
      if (headerOnly)
        return found;
      const size_t localTable = colourTableBytes(descriptor[8]);
      if (!walker.has(localTable + 1))
        return failed(found, "truncated GIF data");
      walker.take(localTable);
      found.imageDataAt = walker.at();
      const unsigned codeSize = *walker.take(1);
      if (codeSize < 1 || codeSize > 11)
        return failed(found, "damaged GIF data");
      if (!walker.skipSubBlocks())
        return failed(found, "truncated GIF data");
      return found;
    } else if (block == kTrailer) {
      return failed(found, "damaged GIF data"); // no frame at all
    } else {
      return failed(found, "damaged GIF data");
    }
  }
}

bool hasAnotherFrame(const unsigned char *data, size_t size, const GifInspection &found) {
  if (found.imageDataAt == 0 || found.imageDataAt >= size)
    return false;
  Walker walker(data, size);
  walker.take(found.imageDataAt + 1); // the minimum code size
  if (!walker.skipSubBlocks())
    return false;
  while (walker.has(1)) {
    const unsigned char introducer = *walker.take(1);
    if (introducer == kImage)
      return true;
    if (introducer != kExtension || !walker.has(1))
      return false;
    walker.take(1); // the extension's label
    if (!walker.skipSubBlocks())
      return false;
  }
  return false;
}

QSize gifCanvas(const GifInspection &found) {
  if (!found.screen.isEmpty())
    return found.screen;
  return QSize(found.firstFrame.x() + found.firstFrame.width(),
               found.firstFrame.y() + found.firstFrame.height());
}

} // namespace veltrane
