#include "imaging/JpegEncoder.h"

#include "imaging/JpegError.h"
#include "imaging/JpegErrorManager.h"

#include <algorithm>
#include <new>
#include <vector>

// jerror.h after jpeglib.h (in the error manager): it needs its types.
#include <jerror.h>

namespace veltrane {
namespace {

constexpr std::size_t kFirstBufferSize = 64 * 1024;
constexpr JDIMENSION kRowsPerCall = 16;

} // namespace

struct JpegEncoder::Compressor {
  jpeg_compress_struct info{};
  JpegErrorManager errors{};
  jpeg_destination_mgr destination{};
  std::vector<JOCTET> buffer;
  std::size_t written = 0;
  bool created = false;

  Compressor() = default;
  Compressor(const Compressor &) = delete;
  Compressor &operator=(const Compressor &) = delete;
  ~Compressor() {
    if (created)
      jpeg_destroy_compress(&info);
  }

  // The program keeps no log; a failure is told by its code alone.
  int failureCode() const { return errors.errorCode; }

  static Compressor &of(j_compress_ptr info) { return *static_cast<Compressor *>(info->client_data); }

  bool resizeBuffer(std::size_t size) noexcept {
    try {
      buffer.resize(size);
      return true;
    } catch (const std::exception &) {
      return false;
    }
  }

  static void initDestination(j_compress_ptr info) {
    Compressor &self = of(info);
    if (self.buffer.size() < kFirstBufferSize && !self.resizeBuffer(kFirstBufferSize))
      ERREXIT1(info, JERR_OUT_OF_MEMORY, 1);
    self.destination.next_output_byte = self.buffer.data();
    self.destination.free_in_buffer = self.buffer.size();
  }
  // Called when the whole buffer is full: double it and go on.
  static boolean emptyOutputBuffer(j_compress_ptr info) {
    Compressor &self = of(info);
    const std::size_t full = self.buffer.size();
    if (full > self.buffer.max_size() / 2 || !self.resizeBuffer(full * 2))
      ERREXIT1(info, JERR_OUT_OF_MEMORY, 2);
    self.destination.next_output_byte = self.buffer.data() + full;
    self.destination.free_in_buffer = self.buffer.size() - full;
    return TRUE;
  }
  static void termDestination(j_compress_ptr info) {
    Compressor &self = of(info);
    self.written = self.buffer.size() - self.destination.free_in_buffer;
  }

  bool create() {
    errors.install(info);
    if (setjmp(errors.jump)) {
      jpeg_destroy_compress(&info);
      return false;
    }
    jpeg_create_compress(&info);
    info.client_data = this;
    destination.init_destination = initDestination;
    destination.empty_output_buffer = emptyOutputBuffer;
    destination.term_destination = termDestination;
    info.dest = &destination;
    created = true;
    return true;
  }

  // Rows are read straight from the picture's memory: no copy.
  bool compress(const QImage &picture, int quality) {
    if (setjmp(errors.jump)) {
      jpeg_abort_compress(&info);
      return false;
    }
    info.image_width = JDIMENSION(picture.width());
    info.image_height = JDIMENSION(picture.height());
    info.input_components = 4;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    info.in_color_space = JCS_EXT_BGRX; // RGB32's bytes in memory
#else
    info.in_color_space = JCS_EXT_XRGB;
#endif
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.optimize_coding = FALSE;
    info.dct_method = JDCT_ISLOW;
    jpeg_start_compress(&info, TRUE);
    JSAMPROW rows[kRowsPerCall];
    while (info.next_scanline < info.image_height) {
      const JDIMENSION first = info.next_scanline;
      const JDIMENSION count = std::min(kRowsPerCall, info.image_height - first);
      for (JDIMENSION i = 0; i < count; ++i)
        rows[i] = const_cast<JSAMPROW>(picture.constScanLine(int(first + i)));
      jpeg_write_scanlines(&info, rows, count);
    }
    jpeg_finish_compress(&info);
    return true;
  }
};

JpegEncoder::JpegEncoder() = default;
JpegEncoder::~JpegEncoder() = default;

QByteArray JpegEncoder::encode(const QImage &picture, int quality) {
  if (picture.isNull())
    throw JpegError::encodingFailed(JERR_EMPTY_IMAGE);
  const bool direct = picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32;
  const QImage converted = direct ? QImage() : picture.convertToFormat(QImage::Format_RGB32);
  if (!direct && converted.isNull())
    throw JpegError::encodingFailed(JERR_OUT_OF_MEMORY);
  if (!m_compressor) {
    std::unique_ptr<Compressor> compressor;
    try {
      compressor = std::make_unique<Compressor>();
    } catch (const std::bad_alloc &) {
      throw JpegError::initialisationFailed(JERR_OUT_OF_MEMORY);
    }
    if (!compressor->create())
      throw JpegError::initialisationFailed(compressor->failureCode());
    m_compressor = std::move(compressor);
  }
  Compressor &compressor = *m_compressor;
  if (!compressor.compress(direct ? picture : converted, std::clamp(quality, 0, 100)))
    throw JpegError::encodingFailed(compressor.failureCode());
  try {
    return QByteArray(reinterpret_cast<const char *>(compressor.buffer.data()),
                      qsizetype(compressor.written));
  } catch (const std::bad_alloc &) {
    throw JpegError::encodingFailed(JERR_OUT_OF_MEMORY);
  }
}

} // namespace veltrane
