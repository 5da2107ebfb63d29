#pragma once

#include <QImage>
#include <QtGlobal>
#include <memory>

namespace veltrane {

// The raw pixels handed to the JPEG encoder: 24-bit, blue-green-red, rows
// padded to a multiple of 4 bytes and stored bottom-up (the first row in
// memory is the picture's bottom row). The object owns its pixel memory.
class cDIBSection {
public:
  cDIBSection() = default;
  cDIBSection(const cDIBSection &) = delete;
  cDIBSection &operator=(const cDIBSection &) = delete;
  cDIBSection(cDIBSection &&) noexcept = default;
  cDIBSection &operator=(cDIBSection &&) noexcept = default;
  ~cDIBSection() = default;

  // Releases any current pixels and makes a black width x height surface.
  // Fails, leaving the surface empty, for sizes below 1 pixel, sizes whose
  // memory would not fit in 2 GB, or when the memory cannot be had. The size
  // is remembered either way.
  bool Create(int width, int height);

  // Makes the surface the size of the picture and copies its pixels; stays
  // empty when that size cannot be made. Transparency is dropped as Qt's
  // conversion to RGB32 drops it: a pixel keeps its colour.
  void CreateFromPicture(const QImage &picture);

  // Width x 3 rounded up to a multiple of 4; 0 for a size with no rows.
  int BytesPerScanLine() const;
  // The size last asked of Create, also after the surface was released.
  int Width() const { return m_width; }
  int Height() const { return m_height; }

  // Start of the pixel memory (the bottom row); nullptr when empty.
  uchar *DIBSectionBitsPtr() { return m_bits.get(); }
  const uchar *DIBSectionBitsPtr() const { return m_bits.get(); }

  // Copies the source's pixels from (left, top) to the surface's top-left
  // corner, unscaled; a negative width or height stands for the surface's
  // own. Parts outside the source or the surface are left as they were.
  void LoadPictureBlt(const QImage &source, int left, int top, int width, int height);

  // Releases the pixels; the size stays as it was.
  void ClearUp() { m_bits.reset(); }

  bool isValid() const { return m_bits != nullptr; }

  // The pixels as a picture (RGB32); a null picture when empty.
  QImage toImage() const;

private:
  bool allocate(int width, int height, bool zeroed);
  uchar *rowPointer(int y) { return m_bits.get() + qsizetype(m_height - 1 - y) * BytesPerScanLine(); }
  const uchar *rowPointer(int y) const {
    return m_bits.get() + qsizetype(m_height - 1 - y) * BytesPerScanLine();
  }

  int m_width = 0;
  int m_height = 0;
  std::unique_ptr<uchar[]> m_bits;
};

} // namespace veltrane
