#include "DecoderTestFiles.h"

#include <QtEndian>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <utility>
#include <vector>

#include <jpeglib.h>

namespace veltrane::test {

namespace {

// Little-endian unless said otherwise: value, number of bytes.
using Fields = std::initializer_list<std::pair<quint32, int>>;
void append(QByteArray &out, Fields fields, bool bigEndian = false) {
  for (const auto &[value, bytes] : fields)
    for (int i = 0; i < bytes; ++i)
      out.append(char(value >> 8 * (bigEndian ? bytes - 1 - i : i)));
}

// A test file that cannot be made is a broken test: stop loudly.
[[noreturn]] void compressorFailed(j_common_ptr cinfo) {
  char message[JMSG_LENGTH_MAX];
  (*cinfo->err->format_message)(cinfo, message);
  std::fprintf(stderr, "test JPEG compression failed: %s\n", message);
  std::abort();
}

void writeMarker(j_compress_ptr cinfo, int marker, const QByteArray &bytes) {
  jpeg_write_marker(cinfo, marker, reinterpret_cast<const JOCTET *>(bytes.constData()),
                    unsigned(bytes.size()));
}

// LZW codes, least significant bit first, in sub-blocks of at most 255 bytes.
QByteArray lzw(const QImage &indexed, int minCodeSize) {
  QByteArray bits;
  quint64 pending = 0;
  int pendingBits = 0, codeSize = minCodeSize + 1;
  const auto put = [&](unsigned code) {
    pending |= quint64(code) << pendingBits;
    for (pendingBits += codeSize; pendingBits >= 8; pendingBits -= 8, pending >>= 8)
      bits.append(char(pending));
  };
  const unsigned clear = 1u << minCodeSize;
  unsigned last = clear + 1;
  // next[code * 256 + index]: the code of that string followed by the index, 0 when none.
  std::vector<quint16> next(4096 * 256, 0);
  put(clear);
  int current = -1;
  for (int y = 0; y < indexed.height(); ++y) {
    for (int x = 0; x < indexed.width(); ++x) {
      const uchar index = indexed.constScanLine(y)[x];
      if (current >= 0) {
        quint16 &known = next[size_t(current) * 256 + index];
        if (known) {
          current = known;
          continue;
        }
        put(unsigned(current));
        known = quint16(++last);
        if (last >= (1u << codeSize))
          ++codeSize;
        if (last == 4095) {
          put(clear);
          std::fill(next.begin(), next.end(), 0);
          codeSize = minCodeSize + 1;
          last = clear + 1;
        }
      }
      current = index;
    }
  }
  put(unsigned(current));
  put(clear + 1);
  if (pendingBits > 0)
    bits.append(char(pending));
  QByteArray out(1, char(minCodeSize));
  for (qsizetype at = 0; at < bits.size(); at += 255)
    out.append(char(bits.mid(at, 255).size())).append(bits.mid(at, 255));
  return out.append('\0');
}

} // namespace

QImage indexedQuadrants(QSize size) {
  QImage indexed(size, QImage::Format_Indexed8);
  indexed.setColorTable({qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)});
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x)
      indexed.scanLine(y)[x] = uchar((y < size.height() / 2 ? 0 : 2) + (x < size.width() / 2 ? 0 : 1));
  return indexed;
}

QByteArray exifBlock(int orientation, bool bigEndian) {
  QByteArray out("Exif\0\0", 6);
  out.append(bigEndian ? "MM" : "II");
  append(out, {{42, 2}, {8, 4}, {2, 2}}, bigEndian);     // IFD0 right after the header: 2 entries
  append(out, {{0x010F, 2}, {2, 2}, {4, 4}}, bigEndian); // Make, ASCII, inline: an entry to skip
  out.append("Cam", 4);
  // The orientation, one SHORT; no next IFD.
  append(out, {{0x0112, 2}, {3, 2}, {1, 4}, {quint32(orientation), 2}, {0, 2}, {0, 4}}, bigEndian);
  return out;
}

QByteArray jpegFile(const QImage &picture, const JpegOptions &options) {
  using Colours = JpegOptions::Colours;
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
  jpeg_compress_struct cinfo;
  jpeg_error_mgr errors;
  cinfo.err = jpeg_std_error(&errors);
  errors.error_exit = compressorFailed;
  jpeg_create_compress(&cinfo);
  unsigned char *buffer = nullptr;
  unsigned long bufferSize = 0;
  jpeg_mem_dest(&cinfo, &buffer, &bufferSize);
  cinfo.image_width = JDIMENSION(rgb.width());
  cinfo.image_height = JDIMENSION(rgb.height());
  const bool cmyk = options.colours == Colours::Cmyk || options.colours == Colours::Ycck;
  cinfo.input_components = 4;
  cinfo.in_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
  jpeg_set_defaults(&cinfo);
  const J_COLOR_SPACE stored[] = {JCS_YCbCr, JCS_GRAYSCALE, JCS_CMYK, JCS_YCCK};
  jpeg_set_colorspace(&cinfo, stored[int(options.colours)]);
  if (cmyk)
    cinfo.write_Adobe_marker = options.adobeInvertedCmyk;
  jpeg_set_quality(&cinfo, 92, TRUE);
  if (options.progressive)
    jpeg_simple_progression(&cinfo);
  cinfo.restart_in_rows = options.restartRows;
  cinfo.arith_code = options.arithmetic;
  jpeg_start_compress(&cinfo, TRUE);
  if (options.exifOrientation > 0)
    writeMarker(&cinfo, JPEG_APP0 + 1, exifBlock(options.exifOrientation, options.exifBigEndian));
  for (int i = 0; i < options.paddingMarkers; ++i)
    writeMarker(&cinfo, JPEG_APP0 + 15, QByteArray(60000, 'p'));
  std::vector<uchar> cmykRow(size_t(rgb.width()) * 4);
  while (cinfo.next_scanline < cinfo.image_height) {
    const uchar *line = rgb.constScanLine(int(cinfo.next_scanline));
    JSAMPROW row = const_cast<JSAMPROW>(line);
    if (cmyk) {
      // Ink is the missing light; K stays 0, enough for pure colours.
      const int flip = options.adobeInvertedCmyk ? 255 : 0;
      for (int x = 0; x < rgb.width(); ++x) {
        const QRgb colour = reinterpret_cast<const QRgb *>(line)[x];
        const int ink[] = {255 - qRed(colour), 255 - qGreen(colour), 255 - qBlue(colour), 0};
        for (int i = 0; i < 4; ++i)
          cmykRow[size_t(x) * 4 + i] = uchar(std::abs(flip - ink[i]));
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

QByteArray withFrameSize(QByteArray jpeg, int width, int height) {
  // Baseline or progressive: in scan data 0xFF is never followed by these.
  const qsizetype frame = std::max(jpeg.indexOf("\xFF\xC0"), jpeg.indexOf("\xFF\xC2"));
  const char size[] = {char(height >> 8), char(height), char(width >> 8), char(width)};
  return jpeg.replace(frame + 5, 4, size, 4);
}

QByteArray bmpFile(int width, int height, int bitCount, quint32 compression, const QList<QRgb> &palette,
                   const QByteArray &pixels) {
  const bool bitfields = compression == 3;
  const auto offset = quint32(54 + (bitfields ? 12 : 0) + palette.size() * 4);
  const auto size = quint32(pixels.size());
  QByteArray file("BM");
  append(file, {{offset + size, 4}, {0, 4}, {offset, 4}, {40, 4}, {quint32(width), 4}, {quint32(height), 4}});
  append(file, {{1, 2}, {quint32(bitCount), 2}, {compression, 4}, {size, 4}, {2835, 4}, {2835, 4}}); // 72 dpi
  append(file, {{quint32(palette.size()), 4}, {0, 4}});
  if (bitfields)
    append(file, {{0xF800, 4}, {0x07E0, 4}, {0x001F, 4}});
  for (const QRgb colour : palette)
    append(file, {{colour & 0xFFFFFF, 4}}); // blue, green, red, 0
  return file + pixels;
}

QByteArray bmpRows(const QImage &picture, int bitCount) {
  const qsizetype stride = (qsizetype(picture.width()) * bitCount + 31) / 32 * 4;
  QByteArray rows(stride * picture.height(), '\0');
  for (int y = 0; y < picture.height(); ++y) {
    auto *out = reinterpret_cast<uchar *>(rows.data()) + stride * (picture.height() - 1 - y);
    for (int x = 0; x < picture.width(); ++x) {
      if (bitCount <= 8) {
        out[x * bitCount / 8] |= uchar(picture.pixelIndex(x, y) << (8 - bitCount - x * bitCount % 8));
        continue;
      }
      const QRgb colour = picture.pixel(x, y);
      if (bitCount == 16) {
        qToLittleEndian(quint16((qRed(colour) >> 3) << 11 | (qGreen(colour) >> 2) << 5 | qBlue(colour) >> 3),
                        out + x * 2);
      } else {
        uchar *pixel = out + x * bitCount / 8;
        pixel[0] = uchar(qBlue(colour));
        pixel[1] = uchar(qGreen(colour));
        pixel[2] = uchar(qRed(colour));
      }
    }
  }
  return rows;
}

QByteArray bmpRle(const QImage &indexed, bool fourBits) {
  QByteArray out;
  for (int y = indexed.height() - 1; y >= 0; --y) {
    const uchar *row = indexed.constScanLine(y);
    for (int x = 0, run = 1; x < indexed.width(); x += run, run = 1) {
      while (x + run < indexed.width() && run < 255 && row[x + run] == row[x])
        ++run;
      out.append(char(run)).append(char(fourBits ? row[x] * 17 : row[x])); // RLE4: the index twice
    }
    out.append(y == 0 ? QByteArray("\0\1", 2) : QByteArray("\0\0", 2));
  }
  return out;
}

QByteArray gifFile(const QImage &indexed, const GifOptions &options) {
  int tableBits = 1;
  while ((1 << tableBits) < indexed.colorCount())
    ++tableBits;
  QByteArray file("GIF89a");
  const QSize canvas = options.screen.isValid() ? options.screen : indexed.size();
  append(file, {{quint32(canvas.width()), 2}, {quint32(canvas.height()), 2}});
  file.append(char(0xF0 | (tableBits - 1))).append(char(options.backgroundIndex)).append('\0'); // aspect
  for (int i = 0; i < (1 << tableBits); ++i)
    append(file, {{i < indexed.colorCount() ? indexed.color(i) & 0xFFFFFF : 0, 3}}, true);
  if (options.transparentIndex >= 0)
    file.append("\x21\xF9\x04\x01\0\0", 6).append(char(options.transparentIndex)).append('\0');
  file.append('\x2C');
  append(file, {{quint32(options.offset.x()), 2},
                {quint32(options.offset.y()), 2},
                {quint32(indexed.width()), 2},
                {quint32(indexed.height()), 2}});
  file.append(options.interlaced ? '\x40' : '\0');
  QImage stored = indexed;
  if (options.interlaced) { // rows 0, 8, 16...; 4, 12...; 2, 6...; 1, 3...
    int row = 0;
    for (const auto &[start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
      for (int y = start; y < indexed.height(); y += step)
        std::memcpy(stored.scanLine(row++), indexed.constScanLine(y), size_t(indexed.width()));
  }
  return file + lzw(stored, std::max(2, tableBits)) + ';';
}

QByteArray gifFile(const QImage &indexed, int transparentIndex, QSize screen) {
  return gifFile(indexed, GifOptions{.transparentIndex = transparentIndex, .screen = screen});
}

qsizetype gifFrameAt(const QByteArray &gif) {
  const auto byte = [&](qsizetype at) { return uchar(gif.at(at)); };
  qsizetype at = 13 + ((byte(10) & 0x80) ? 3 * (2 << (byte(10) & 7)) : 0);
  while (byte(at) == 0x21) { // extensions: label, then sub-blocks
    at += 2;
    while (byte(at) != 0)
      at += byte(at) + 1;
    ++at;
  }
  return at;
}

} // namespace veltrane::test
