#include "DecoderTestFiles.h"

#include <QBuffer>
#include <QtEndian>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <vector>

#include <jpeglib.h>

namespace veltrane::test {

namespace {

void appendLe16(QByteArray &out, quint32 value) {
  out.append(char(value & 0xFF));
  out.append(char((value >> 8) & 0xFF));
}

void appendLe32(QByteArray &out, quint32 value) {
  appendLe16(out, value & 0xFFFF);
  appendLe16(out, value >> 16);
}

void appendBe16(QByteArray &out, quint32 value) {
  out.append(char((value >> 8) & 0xFF));
  out.append(char(value & 0xFF));
}

// A test file that cannot be made is a broken test: stop loudly.
[[noreturn]] void compressorFailed(j_common_ptr cinfo) {
  char message[JMSG_LENGTH_MAX];
  (*cinfo->err->format_message)(cinfo, message);
  std::fprintf(stderr, "test JPEG compression failed: %s\n", message);
  std::abort();
}

// CMYK of an RGB colour with the grey part taken out into K.
void toCmyk(QRgb rgb, uchar *out) {
  const int c = 255 - qRed(rgb), m = 255 - qGreen(rgb), y = 255 - qBlue(rgb);
  const int k = std::min({c, m, y});
  const auto part = [k](int v) { return k == 255 ? 0 : (v - k) * 255 / (255 - k); };
  out[0] = uchar(part(c));
  out[1] = uchar(part(m));
  out[2] = uchar(part(y));
  out[3] = uchar(k);
}

} // namespace

QImage quadrantPicture(QSize size) {
  QImage picture(size, QImage::Format_RGB32);
  const int halfW = size.width() / 2, halfH = size.height() / 2;
  for (int y = 0; y < size.height(); ++y) {
    auto *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
    for (int x = 0; x < size.width(); ++x) {
      if (y < halfH)
        row[x] = x < halfW ? qRgb(255, 0, 0) : qRgb(0, 255, 0);
      else
        row[x] = x < halfW ? qRgb(0, 0, 255) : qRgb(255, 255, 255);
    }
  }
  return picture;
}

QImage photoLikePicture(QSize size, unsigned seed) {
  QImage picture(size, QImage::Format_RGB32);
  unsigned state = seed * 2654435761u + 1;
  const double w = size.width(), h = size.height();
  for (int y = 0; y < size.height(); ++y) {
    auto *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
    for (int x = 0; x < size.width(); ++x) {
      state = state * 1664525u + 1013904223u;
      const int noise = int((state >> 24) & 15) - 8;
      const double wave = 40 * std::sin(x / 37.0) * std::cos(y / 53.0);
      const auto clamp = [](double v) { return std::clamp(int(v), 0, 255); };
      row[x] = qRgb(clamp(255 * x / w + wave + noise), clamp(255 * y / h - wave + noise),
                    clamp(128 + 100 * std::sin((x + y) / 211.0) + noise));
    }
  }
  return picture;
}

QByteArray exifBlock(int orientation, bool bigEndian) {
  QByteArray tiff;
  const auto put16 = [&](quint32 v) { bigEndian ? appendBe16(tiff, v) : appendLe16(tiff, v); };
  const auto put32 = [&](quint32 v) {
    if (bigEndian) {
      appendBe16(tiff, v >> 16);
      appendBe16(tiff, v & 0xFFFF);
    } else {
      appendLe32(tiff, v);
    }
  };
  tiff.append(bigEndian ? "MM" : "II");
  put16(42);
  put32(8);      // IFD0 right after the header
  put16(2);      // entries
  put16(0x010F); // Make, ASCII, 4 bytes inline: an entry to skip before the orientation
  put16(2);
  put32(4);
  tiff.append("Cam", 4);
  put16(0x0112);
  put16(3); // SHORT
  put32(1);
  put16(quint32(orientation));
  put16(0);
  put32(0); // no next IFD
  return QByteArray("Exif\0\0", 6) + tiff;
}

QByteArray jpegFile(const QImage &picture, const JpegOptions &options) {
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
  jpeg_compress_struct cinfo;
  jpeg_error_mgr errors;
  cinfo.err = jpeg_std_error(&errors);
  errors.error_exit = [](j_common_ptr c) { compressorFailed(c); };
  jpeg_create_compress(&cinfo);
  unsigned char *buffer = nullptr;
  unsigned long bufferSize = 0;
  jpeg_mem_dest(&cinfo, &buffer, &bufferSize);
  cinfo.image_width = JDIMENSION(rgb.width());
  cinfo.image_height = JDIMENSION(rgb.height());
  const bool cmyk =
      options.colours == JpegOptions::Colours::Cmyk || options.colours == JpegOptions::Colours::Ycck;
  cinfo.input_components = 4;
  cinfo.in_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
  jpeg_set_defaults(&cinfo);
  switch (options.colours) {
  case JpegOptions::Colours::Rgb: break;
  case JpegOptions::Colours::Grey: jpeg_set_colorspace(&cinfo, JCS_GRAYSCALE); break;
  case JpegOptions::Colours::Cmyk: jpeg_set_colorspace(&cinfo, JCS_CMYK); break;
  case JpegOptions::Colours::Ycck: jpeg_set_colorspace(&cinfo, JCS_YCCK); break;
  }
  if (cmyk)
    cinfo.write_Adobe_marker = options.adobeInvertedCmyk ? TRUE : FALSE;
  jpeg_set_quality(&cinfo, options.quality, TRUE);
  if (options.progressive)
    jpeg_simple_progression(&cinfo);
  cinfo.restart_in_rows = options.restartRows;
  cinfo.arith_code = options.arithmetic ? TRUE : FALSE;
  jpeg_start_compress(&cinfo, TRUE);
  if (options.exifOrientation > 0) {
    const QByteArray exif = exifBlock(options.exifOrientation, options.exifBigEndian);
    jpeg_write_marker(&cinfo, JPEG_APP0 + 1, reinterpret_cast<const JOCTET *>(exif.constData()),
                      unsigned(exif.size()));
  }
  const QByteArray padding(60000, 'p');
  for (int i = 0; i < options.paddingMarkers; ++i)
    jpeg_write_marker(&cinfo, JPEG_APP0 + 15, reinterpret_cast<const JOCTET *>(padding.constData()),
                      unsigned(padding.size()));
  std::vector<uchar> cmykRow(size_t(rgb.width()) * 4);
  while (cinfo.next_scanline < cinfo.image_height) {
    const int y = int(cinfo.next_scanline);
    JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(y));
    if (cmyk) {
      const auto *pixels = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
      for (int x = 0; x < rgb.width(); ++x) {
        uchar *out = &cmykRow[size_t(x) * 4];
        toCmyk(pixels[x], out);
        if (options.adobeInvertedCmyk)
          for (int i = 0; i < 4; ++i)
            out[i] = uchar(255 - out[i]);
      }
      row = cmykRow.data();
    }
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  QByteArray file(reinterpret_cast<const char *>(buffer), qsizetype(bufferSize));
  std::free(buffer);
  jpeg_destroy_compress(&cinfo);
  return file;
}

qsizetype scanDataStart(const QByteArray &jpeg) {
  qsizetype at = 2;
  while (at + 4 <= jpeg.size()) {
    if (uchar(jpeg[at]) != 0xFF)
      break;
    const uchar marker = uchar(jpeg[at + 1]);
    const int length = (uchar(jpeg[at + 2]) << 8) | uchar(jpeg[at + 3]);
    if (marker == 0xDA)
      return at + 2 + length;
    at += 2 + length;
  }
  throw std::runtime_error("no scan in the test JPEG");
}

qsizetype endMarkerAt(const QByteArray &jpeg) {
  const qsizetype at = jpeg.lastIndexOf(QByteArray("\xFF\xD9", 2));
  if (at < 0)
    throw std::runtime_error("no end marker in the test JPEG");
  return at;
}

QByteArray withFrameSize(QByteArray jpeg, int width, int height) {
  qsizetype at = 2;
  while (at + 9 <= jpeg.size()) {
    const uchar marker = uchar(jpeg[at + 1]);
    const int length = (uchar(jpeg[at + 2]) << 8) | uchar(jpeg[at + 3]);
    if (marker == 0xC0 || marker == 0xC1 || marker == 0xC2) {
      jpeg[at + 5] = char(height >> 8);
      jpeg[at + 6] = char(height & 0xFF);
      jpeg[at + 7] = char(width >> 8);
      jpeg[at + 8] = char(width & 0xFF);
      return jpeg;
    }
    at += 2 + length;
  }
  throw std::runtime_error("no frame header in the test JPEG");
}

QByteArray withBytesBeforeEnd(const QByteArray &jpeg, const QByteArray &bytes) {
  QByteArray copy = jpeg;
  return copy.insert(endMarkerAt(jpeg), bytes);
}

QByteArray withScanBytes(QByteArray jpeg, double at, const QByteArray &bytes) {
  const qsizetype start = scanDataStart(jpeg), end = endMarkerAt(jpeg);
  const qsizetype where = start + qsizetype(double(end - start) * at);
  jpeg.replace(where, bytes.size(), bytes);
  return jpeg;
}

QByteArray bmpFile(const BmpSpec &spec) {
  const bool bitfields = spec.compression == 3;
  const quint32 offBits = quint32(14 + 40 + (bitfields ? 12 : 0) + spec.palette.size() * 4);
  QByteArray file("BM");
  appendLe32(file, offBits + quint32(spec.pixels.size()));
  appendLe32(file, 0);
  appendLe32(file, offBits);
  appendLe32(file, 40);
  appendLe32(file, quint32(spec.width));
  appendLe32(file, quint32(spec.height));
  appendLe16(file, 1);
  appendLe16(file, quint32(spec.bitCount));
  appendLe32(file, spec.compression);
  appendLe32(file, quint32(spec.pixels.size()));
  appendLe32(file, 2835); // 72 dpi
  appendLe32(file, 2835);
  appendLe32(file, quint32(spec.palette.size()));
  appendLe32(file, 0);
  if (bitfields)
    for (int i = 0; i < 3; ++i)
      appendLe32(file, i < spec.masks.size() ? spec.masks[i] : 0);
  for (QRgb colour : spec.palette) {
    file.append(char(qBlue(colour)));
    file.append(char(qGreen(colour)));
    file.append(char(qRed(colour)));
    file.append('\0');
  }
  return file + spec.pixels;
}

QByteArray bmpRows(const QImage &picture, int bitCount) {
  const int width = picture.width();
  const qsizetype stride = ((qsizetype(width) * bitCount + 31) / 32) * 4;
  QByteArray rows(stride * picture.height(), '\0');
  const QImage rgb = bitCount > 8 ? picture.convertToFormat(QImage::Format_RGB32) : picture;
  for (int y = 0; y < picture.height(); ++y) {
    auto *out = reinterpret_cast<uchar *>(rows.data()) + stride * (picture.height() - 1 - y);
    for (int x = 0; x < width; ++x) {
      if (bitCount <= 8) {
        const int index = picture.pixelIndex(x, y);
        const int perByte = 8 / bitCount;
        const int shift = 8 - bitCount * (x % perByte + 1);
        out[x / perByte] |= uchar(index << shift);
        continue;
      }
      const QRgb colour = reinterpret_cast<const QRgb *>(rgb.constScanLine(y))[x];
      if (bitCount == 16) {
        const quint16 value =
            quint16(((qRed(colour) >> 3) << 11) | ((qGreen(colour) >> 2) << 5) | (qBlue(colour) >> 3));
        out[x * 2] = uchar(value & 0xFF);
        out[x * 2 + 1] = uchar(value >> 8);
      } else {
        const int bytes = bitCount / 8;
        out[x * bytes] = uchar(qBlue(colour));
        out[x * bytes + 1] = uchar(qGreen(colour));
        out[x * bytes + 2] = uchar(qRed(colour));
      }
    }
  }
  return rows;
}

namespace {

// Runs of equal indexes per row, bottom-up, as RLE8 or RLE4 encoded runs.
QByteArray bmpRle(const QImage &indexed, bool fourBits) {
  QByteArray out;
  for (int y = indexed.height() - 1; y >= 0; --y) {
    const uchar *row = indexed.constScanLine(y);
    int x = 0;
    while (x < indexed.width()) {
      int run = 1;
      while (x + run < indexed.width() && run < 255 && row[x + run] == row[x])
        ++run;
      out.append(char(run));
      out.append(char(fourBits ? (row[x] << 4) | row[x] : row[x]));
      x += run;
    }
    out.append(y == 0 ? QByteArray("\0\1", 2) : QByteArray("\0\0", 2));
  }
  return out;
}

} // namespace

QByteArray bmpRle8(const QImage &indexed) { return bmpRle(indexed, false); }
QByteArray bmpRle4(const QImage &indexed) { return bmpRle(indexed, true); }

QByteArray qtBmpFile(const QImage &picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!picture.save(&buffer, "BMP"))
    throw std::runtime_error("Qt cannot write the test BMP");
  return bytes;
}

namespace {

// Variable-length LZW codes, least significant bit first, in sub-blocks of
// at most 255 bytes.
class GifCodeWriter {
public:
  explicit GifCodeWriter(QByteArray &out) : m_out(out) {}
  void write(unsigned code, int bits) {
    m_bits |= quint64(code) << m_count;
    m_count += bits;
    while (m_count >= 8) {
      putByte(uchar(m_bits & 0xFF));
      m_bits >>= 8;
      m_count -= 8;
    }
  }
  void finish() {
    if (m_count > 0)
      putByte(uchar(m_bits & 0xFF));
    flushBlock();
    m_out.append('\0');
  }

private:
  void putByte(uchar byte) {
    m_block.append(char(byte));
    if (m_block.size() == 255)
      flushBlock();
  }
  void flushBlock() {
    if (m_block.isEmpty())
      return;
    m_out.append(char(m_block.size()));
    m_out.append(m_block);
    m_block.clear();
  }
  QByteArray &m_out;
  QByteArray m_block;
  quint64 m_bits = 0;
  int m_count = 0;
};

void appendLzw(QByteArray &out, const QImage &indexed, int minCodeSize) {
  out.append(char(minCodeSize));
  GifCodeWriter writer(out);
  const unsigned clearCode = 1u << minCodeSize;
  // next[code * 256 + index]: the code of that string followed by the index, 0 when none.
  std::vector<quint16> next(4096 * 256, 0);
  int codeSize = minCodeSize + 1;
  unsigned lastCode = clearCode + 1;
  writer.write(clearCode, codeSize);
  int current = -1;
  for (int y = 0; y < indexed.height(); ++y) {
    const uchar *row = indexed.constScanLine(y);
    for (int x = 0; x < indexed.width(); ++x) {
      const uchar index = row[x];
      if (current < 0) {
        current = index;
        continue;
      }
      quint16 &known = next[size_t(current) * 256 + index];
      if (known) {
        current = known;
        continue;
      }
      writer.write(unsigned(current), codeSize);
      known = quint16(++lastCode);
      if (lastCode >= (1u << codeSize))
        ++codeSize;
      if (lastCode == 4095) {
        writer.write(clearCode, codeSize);
        std::fill(next.begin(), next.end(), 0);
        codeSize = minCodeSize + 1;
        lastCode = clearCode + 1;
      }
      current = index;
    }
  }
  if (current >= 0)
    writer.write(unsigned(current), codeSize);
  writer.write(clearCode + 1, codeSize);
  writer.finish();
}

} // namespace

QByteArray gifFile(const GifSpec &spec) {
  const QImage &picture = spec.indexed;
  const QSize screen = spec.screen.isEmpty() ? picture.size() : spec.screen;
  int tableBits = 1;
  while ((1 << tableBits) < picture.colorCount())
    ++tableBits;
  QByteArray file("GIF89a");
  appendLe16(file, quint32(screen.width()));
  appendLe16(file, quint32(screen.height()));
  file.append(char(0x80 | 0x70 | (tableBits - 1)));
  file.append('\0'); // background index
  file.append('\0'); // aspect
  for (int i = 0; i < (1 << tableBits); ++i) {
    const QRgb colour = i < picture.colorCount() ? picture.color(i) : qRgb(0, 0, 0);
    file.append(char(qRed(colour)));
    file.append(char(qGreen(colour)));
    file.append(char(qBlue(colour)));
  }
  if (spec.transparentIndex >= 0) {
    file.append("\x21\xF9\x04\x01\x00\x00", 6);
    file.append(char(spec.transparentIndex));
    file.append('\0');
  }
  file.append('\x2C');
  appendLe16(file, 0);
  appendLe16(file, 0);
  appendLe16(file, quint32(picture.width()));
  appendLe16(file, quint32(picture.height()));
  file.append('\0');
  appendLzw(file, picture, std::max(2, tableBits));
  file.append('\x3B');
  return file;
}

QByteArray gifHeaderOnly(QSize size) {
  QByteArray file("GIF89a");
  appendLe16(file, quint32(size.width()));
  appendLe16(file, quint32(size.height()));
  file.append("\x80\0\0", 3);
  file.append("\0\0\0\xFF\xFF\xFF", 6);
  file.append('\x2C');
  appendLe16(file, 0);
  appendLe16(file, 0);
  appendLe16(file, quint32(size.width()));
  appendLe16(file, quint32(size.height()));
  file.append('\0');
  file.append("\x02\x02\x4C\x01\x00\x3B", 6);
  return file;
}

QImage indexedQuadrants(QSize size) {
  QImage indexed(size, QImage::Format_Indexed8);
  indexed.setColorTable({qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)});
  const int halfW = size.width() / 2, halfH = size.height() / 2;
  for (int y = 0; y < size.height(); ++y) {
    uchar *row = indexed.scanLine(y);
    for (int x = 0; x < size.width(); ++x)
      row[x] = uchar((y < halfH ? 0 : 2) + (x < halfW ? 0 : 1));
  }
  return indexed;
}

} // namespace veltrane::test
