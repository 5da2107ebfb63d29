#include "DecoderTestFiles.h"

#include <QtEndian>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <utility>
#include <vector>

#include <gif_lib.h>
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
[[noreturn]] void stop(const char *what) {
  std::fprintf(stderr, "test file not made: %s failed\n", what);
  std::abort();
}

[[noreturn]] void compressorFailed(j_common_ptr cinfo) {
  char message[JMSG_LENGTH_MAX];
  (*cinfo->err->format_message)(cinfo, message);
  stop(message);
}

void writeMarker(j_compress_ptr cinfo, int marker, const QByteArray &bytes) {
  jpeg_write_marker(cinfo, marker, reinterpret_cast<const JOCTET *>(bytes.constData()),
                    unsigned(bytes.size()));
}

// giflib's output callback: the bytes go to the QByteArray given to EGifOpen.
int appendToFile(GifFileType *gif, const GifByteType *bytes, int length) {
  static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(bytes), length);
  return length;
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
  if (!options.iccProfile.isEmpty())
    jpeg_write_icc_profile(&cinfo, reinterpret_cast<const JOCTET *>(options.iccProfile.constData()),
                           unsigned(options.iccProfile.size()));
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
  std::vector<GifColorType> colours(size_t(1) << tableBits, GifColorType{0, 0, 0});
  for (int i = 0; i < indexed.colorCount(); ++i)
    colours[size_t(i)] = {GifByteType(qRed(indexed.color(i))), GifByteType(qGreen(indexed.color(i))),
                          GifByteType(qBlue(indexed.color(i)))};
  QByteArray file;
  int error = 0;
  GifFileType *gif = EGifOpen(&file, appendToFile, &error);
  EGifSetGifVersion(gif, true);
  ColorMapObject *table = GifMakeMapObject(1 << tableBits, colours.data());
  const QSize canvas = options.screen.isValid() ? options.screen : indexed.size();
  bool ok = EGifPutScreenDesc(gif, canvas.width(), canvas.height(), 8, options.backgroundIndex, table);
  GifFreeMapObject(table);
  const GifByteType control[] = {1, 0, 0, GifByteType(options.transparentIndex)};
  if (options.transparentIndex >= 0)
    ok = ok && EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, control);
  ok = ok && EGifPutImageDesc(gif, options.offset.x(), options.offset.y(), indexed.width(), indexed.height(),
                              options.interlaced, nullptr);
  // Interlaced rows go in the order they are stored: 0, 8, 16...; 4, 12...; 2, 6...; 1, 3...
  const auto passes = options.interlaced ? std::vector<std::pair<int, int>>{{0, 8}, {4, 8}, {2, 4}, {1, 2}}
                                         : std::vector<std::pair<int, int>>{{0, 1}};
  QImage rows = indexed; // giflib masks each line in place
  for (const auto &[start, step] : passes)
    for (int y = start; y < indexed.height(); y += step)
      ok = ok && EGifPutLine(gif, rows.scanLine(y), indexed.width());
  if (EGifCloseFile(gif, &error) != GIF_OK || !ok)
    stop("GIF compression");
  return file;
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
