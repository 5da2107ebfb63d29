#include "imaging/GifCodes.h"

namespace veltrane {

namespace {

constexpr unsigned kLargestCode = 4095; // 12 bits
constexpr unsigned kLargestWidth = 12;

// The codes of the data sub-blocks, least significant bit first.
class CodeReader {
public:
  CodeReader(const unsigned char *data, size_t size) : m_data(data), m_size(size) {}

  // False when the data ends first.
  bool next(unsigned width, unsigned *code) {
    while (m_bitCount < width) {
      if (m_blockLeft == 0) {
        if (m_at >= m_size || m_data[m_at] == 0)
          return false;
        m_blockLeft = m_data[m_at++];
      }
      if (m_at >= m_size)
        return false;
      m_bits |= unsigned(m_data[m_at++]) << m_bitCount;
      m_bitCount += 8;
      --m_blockLeft;
    }
    *code = m_bits & ((1u << width) - 1);
    m_bits >>= width;
    m_bitCount -= width;
    return true;
  }

private:
  const unsigned char *m_data;
  size_t m_size;
  size_t m_at = 0;
  size_t m_blockLeft = 0;
  unsigned m_bits = 0;
  unsigned m_bitCount = 0;
};

} // namespace

bool gifCodesFitTheirTable(const unsigned char *data, size_t size) {
  if (size == 0)
    return true;
  const unsigned minimumSize = data[0];
  if (minimumSize < 1 || minimumSize > 11)
    return false;
  const unsigned clear = 1u << minimumSize, end = clear + 1;
  CodeReader reader(data + 1, size - 1);
  // As giflib counts: `running` goes up with every code read, two ahead of
  // the entry that code makes, and the width grows once it passes 2^width.
  unsigned width = minimumSize + 1, running = clear + 2;
  bool afterClear = true;
  unsigned code = 0;
  while (reader.next(width, &code)) {
    if (running < kLargestCode + 2 && ++running > (1u << width) && width < kLargestWidth)
      ++width;
    if (code == end)
      return true;
    if (code == clear) {
      width = minimumSize + 1;
      running = clear + 2;
      afterClear = true;
      continue;
    }
    // Right after a clear only a literal has a string; later, the entries up
    // to the one this code makes.
    if (afterClear ? code >= clear : code > running - 2)
      return false;
    afterClear = false;
  }
  return true;
}

} // namespace veltrane
