#include "imaging/JpegEncoder.h"

#include "imaging/JpegError.h"
#include "imaging/JpegErrorManager.h"
#include "imaging/Transparency.h"

#include <algorithm>
#include <limits>
#include <new>
#include <vector>

// jerror.h after jpeglib.h (in the error manager): it needs its types.
#include <jerror.h>

namespace veltrane {
namespace {

constexpr std::size_t kFirstBufferSize = 64 * 1024;
constexpr JDIMENSION kRowsPerCall = 16;
constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max() - 1;
// An ICC profile goes in APP2 chunks of at most this many bytes, each with a
// 14-byte header and a 4-byte marker head.
constexpr qsizetype kIccChunk = 65519;

} // namespace

qsizetype JpegExtras::bytes() const {
  qsizetype total = 0;
  if (!iccProfile.isEmpty())
    total += iccProfile.size() + (iccProfile.size() + kIccChunk - 1) / kIccChunk * (14 + 4);
  for (const JpegMarker &marker : markers)
    total += marker.payload.size() + 4;
  return total;
}

struct JpegEncoder::Compressor {
  jpeg_compress_struct info{};
  JpegErrorManager errors{};
  jpeg_destination_mgr destination{};
  std::vector<JOCTET> buffer; // kept from picture to picture
  std::size_t limit = kNoLimit;
  std::size_t offeredEnd = 0; // the end of the space last offered to the library
  std::size_t written = 0;
  bool overLimit = false;
  bool created = false;
  // The library makes its standard Huffman tables only where it has none,
  // and an optimised encoding leaves its own in their place: the standard
  // ones are kept here and put back before a plain encoding.
  JHUFF_TBL standardTables[4]{};
  bool haveStandardTables = false;
  bool tablesReplaced = false;

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

  // The library may fill the buffer up to one byte past the limit: that byte
  // tells a file over the limit from one that just fits.
  void offerFrom(std::size_t used) {
    offeredEnd = std::min(buffer.size(), limit + 1);
    destination.next_output_byte = buffer.data() + used;
    destination.free_in_buffer = offeredEnd - used;
  }

  static void initDestination(j_compress_ptr info) {
    Compressor &self = of(info);
    if (self.buffer.size() < kFirstBufferSize && !self.resizeBuffer(kFirstBufferSize))
      ERREXIT1(info, JERR_OUT_OF_MEMORY, 1);
    self.offerFrom(0);
  }
  // Called when all the space offered is full (the library's pointer into it
  // may be stale then): past the limit the encoding stops; otherwise the
  // buffer doubles and the encoding goes on.
  static boolean emptyOutputBuffer(j_compress_ptr info) {
    Compressor &self = of(info);
    const std::size_t used = self.offeredEnd;
    if (used > self.limit) {
      self.overLimit = true;
      ERREXIT(info, JERR_BUFFER_SIZE);
    }
    if (used >= self.buffer.size() &&
        (used > self.buffer.max_size() / 2 || !self.resizeBuffer(self.buffer.size() * 2)))
      ERREXIT1(info, JERR_OUT_OF_MEMORY, 2);
    self.offerFrom(used);
    return TRUE;
  }
  static void termDestination(j_compress_ptr info) {
    Compressor &self = of(info);
    self.written = std::size_t(self.destination.next_output_byte - self.buffer.data());
    self.overLimit = self.written > self.limit;
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

  JHUFF_TBL *&tableSlot(int i) { return i < 2 ? info.dc_huff_tbl_ptrs[i] : info.ac_huff_tbl_ptrs[i - 2]; }
  void keepStandardTables(bool optimized) {
    for (int i = 0; i < 4; ++i) {
      JHUFF_TBL *table = tableSlot(i);
      if (!haveStandardTables)
        standardTables[i] = *table;
      else if (tablesReplaced)
        *table = standardTables[i];
    }
    haveStandardTables = true;
    tablesReplaced = optimized;
  }

  // Rows are read straight from the picture's memory: no copy.
  bool compress(const QImage &picture, int quality, const JpegExtras &extras, bool optimized) {
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
    keepStandardTables(optimized);
    jpeg_set_quality(&info, quality, TRUE);
    info.optimize_coding = optimized ? TRUE : FALSE;
    info.dct_method = JDCT_ISLOW;
    jpeg_start_compress(&info, TRUE);
    if (!extras.iccProfile.isEmpty())
      jpeg_write_icc_profile(&info, reinterpret_cast<const JOCTET *>(extras.iccProfile.constData()),
                             unsigned(extras.iccProfile.size()));
    for (const JpegMarker &marker : extras.markers)
      jpeg_write_marker(&info, marker.code, reinterpret_cast<const JOCTET *>(marker.payload.constData()),
                        unsigned(std::min<qsizetype>(marker.payload.size(), 65533)));
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

Result<QByteArray> JpegEncoder::encode(const QImage &picture, int quality, const JpegExtras &extras) {
  Result<std::optional<QByteArray>> encoded =
      encodeWithin(picture, quality, std::numeric_limits<qsizetype>::max(), extras);
  if (!encoded)
    return failure(encoded.reason());
  return std::move(**encoded);
}

Result<std::optional<QByteArray>> JpegEncoder::encodeWithin(const QImage &picture, int quality,
                                                            qsizetype maxBytes, const JpegExtras &extras) {
  if (picture.isNull())
    return encodingFailure(JERR_EMPTY_IMAGE);
  // A JPEG is opaque: transparent pixels lie on white, as on a page.
  const bool direct = picture.format() == QImage::Format_RGB32;
  const QImage converted = direct ? QImage() : onWhite(picture);
  if (!direct && converted.isNull())
    return encodingFailure(JERR_OUT_OF_MEMORY);
  if (!m_compressor) {
    std::unique_ptr<Compressor> compressor;
    try {
      compressor = std::make_unique<Compressor>();
    } catch (const std::bad_alloc &) {
      return encoderSetupFailure(JERR_OUT_OF_MEMORY);
    }
    if (!compressor->create())
      return encoderSetupFailure(compressor->failureCode());
    m_compressor = std::move(compressor);
  }
  Compressor &compressor = *m_compressor;
  compressor.limit = std::min<std::size_t>(std::size_t(std::max<qsizetype>(maxBytes, 0)), kNoLimit);
  compressor.overLimit = false;
  const bool done = compressor.compress(direct ? picture : converted, std::clamp(quality, 0, 100), extras,
                                        m_optimizedCoding);
  if (compressor.overLimit)
    return std::optional<QByteArray>();
  if (!done)
    return encodingFailure(compressor.failureCode());
  try {
    return std::optional<QByteArray>(
        QByteArray(reinterpret_cast<const char *>(compressor.buffer.data()), qsizetype(compressor.written)));
  } catch (const std::bad_alloc &) {
    return encodingFailure(JERR_OUT_OF_MEMORY);
  }
}

} // namespace veltrane
