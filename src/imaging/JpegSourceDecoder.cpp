#include "imaging/JpegSourceDecoder.h"

#include "imaging/ColourProfile.h"
#include "imaging/ExifOrientation.h"
#include "imaging/JpegErrorManager.h"

#include <QScopeGuard>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace veltrane {

namespace {

// Where the decode is: warnings about the headers are not about the pixels.
enum class Phase { Header, Pixels, Finish };

// The shared error record plus what the decoder needs to tell damaged
// pixels from a clean end. `errors` comes first: libjpeg's pointer to it is a
// pointer to the whole state.
struct ErrorState {
  JpegErrorManager errors;
  Phase phase = Phase::Header;
  bool reachedEnd = false; // libjpeg read past the end of the data
  int damage = 0;          // the warning that spoiled the pixels; 0 for none

  void begin(Phase next) {
    phase = next;
    errors.clearFailure();
    reachedEnd = false;
    damage = 0;
  }
};

ErrorState &stateOf(j_common_ptr cinfo) { return *reinterpret_cast<ErrorState *>(cinfo->err); }

// Warnings about metadata leave every pixel intact.
bool harmless(int code) {
  return code == JWRN_ADOBE_XFORM || code == JWRN_JFIF_MAJOR || code == JWRN_BOGUS_ICC;
}

// libjpeg only warns about corrupt data and then fills in grey or repeats
// rows. A picture with such rows is not written, so the decode stops at the
// first of them: that also keeps a lying header from costing seconds.
//
// "Extraneous bytes before marker" is one of them, even before the end
// marker and after the last row: it means the entropy-coded data did not end
// where the picture's last block did, which is how a stream that lost its
// sync shows itself (mutated photos with only that warning differ from the
// clean picture by tens of levels on average). A clean encoder leaves no such
// bytes; bytes after the end marker are never read.
//
// Reaching the end of the data is not one of them by itself: the Huffman
// decoder reads a few bytes ahead, so a file that merely lacks its end marker
// reaches it while the last rows are decoded. Bits that are really missing
// then raise JWRN_HIT_MARKER; what that cannot show is checked after the
// last row (see completeDespiteTheEnd).
void onMessage(j_common_ptr cinfo, int level) {
  if (level >= 0)
    return; // trace messages
  ErrorState &state = stateOf(cinfo);
  ++cinfo->err->num_warnings;
  const int code = cinfo->err->msg_code;
  if (code == JWRN_JPEG_EOF) {
    state.reachedEnd = true;
    return;
  }
  if (state.phase == Phase::Header || harmless(code))
    return;
  state.damage = code;
  std::longjmp(state.errors.jump, 1);
}

} // namespace

struct JpegSourceDecoder::Session {
  jpeg_decompress_struct cinfo;
  ErrorState state;
  bool created = false;
  ColourProfiles colourProfiles; // for CMYK pictures that carry a profile
};

namespace {

using Session = JpegSourceDecoder::Session;

// The functions that call setjmp hold only plain values: a longjmp skips no
// destructor, and nothing they change after setjmp is read after the jump.

bool createDecompressor(Session *session) {
  ErrorState *state = &session->state;
  std::memset(&session->cinfo, 0, sizeof session->cinfo);
  state->errors.install(session->cinfo);
  state->errors.library.emit_message = onMessage;
  if (setjmp(state->errors.jump))
    return false;
  jpeg_create_decompress(&session->cinfo);
  jpeg_save_markers(&session->cinfo, JPEG_APP0 + 1, 0xFFFF); // EXIF
  return true;
}

// The colour profile's markers are kept only when they will be read: the
// probe stays cheap.
bool readHeader(Session *session, const unsigned char *data, size_t size, bool keepProfile) {
  ErrorState *state = &session->state;
  state->begin(Phase::Header);
  if (setjmp(state->errors.jump))
    return false;
  jpeg_save_markers(&session->cinfo, JPEG_APP0 + 2, keepProfile ? 0xFFFF : 0);
  jpeg_mem_src(&session->cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(&session->cinfo, TRUE);
  return true;
}

bool isProfileMarker(const jpeg_saved_marker_ptr marker) {
  return marker->marker == JPEG_APP0 + 2 && marker->data_length >= 14 &&
         std::memcmp(marker->data, "ICC_PROFILE\0", 12) == 0;
}

// What the profile's chunks hold: the profile, once put together, is no larger.
qint64 profileBytes(const jpeg_decompress_struct &cinfo) {
  qint64 total = 0;
  for (jpeg_saved_marker_ptr marker = cinfo.marker_list; marker; marker = marker->next)
    if (isProfileMarker(marker))
      total += marker->data_length;
  return total;
}

// The profile put together from its chunks; none when it is missing or its
// chunks do not add up (libjpeg warns and the pixels are read as sRGB).
bool readProfile(Session *session, JOCTET **profile, unsigned int *length) {
  if (setjmp(session->state.errors.jump))
    return false;
  return jpeg_read_icc_profile(&session->cinfo, profile, length) != FALSE;
}

QByteArray profileOf(Session &session) {
  JOCTET *profile = nullptr;
  unsigned int length = 0;
  if (profileBytes(session.cinfo) == 0)
    return {};
  if (!readProfile(&session, &profile, &length)) {
    session.state.errors.clearFailure(); // no memory for it: the pixels are read as sRGB
    return {};
  }
  // libjpeg hands over memory from malloc.
  const std::unique_ptr<JOCTET, decltype(&std::free)> owned(profile, &std::free);
  return QByteArray(reinterpret_cast<const char *>(profile), qsizetype(length));
}

bool calcOutputSize(Session *session, int eighths) {
  ErrorState *state = &session->state;
  if (setjmp(state->errors.jump))
    return false;
  session->cinfo.scale_num = static_cast<unsigned>(eighths);
  session->cinfo.scale_denom = 8;
  jpeg_calc_output_dimensions(&session->cinfo);
  return true;
}

constexpr JDIMENSION kRowsAtOnce = 4;

struct PixelTarget {
  unsigned char *bits;
  size_t bytesPerLine;
  bool cmyk;
  bool invertedCmyk;
  // CMYK through the picture's profile: rows land in `cmykRows` first.
  const ColourConversion *cmykConversion;
  unsigned char *cmykRows;
};

inline unsigned scaled255(unsigned a, unsigned b) {
  const unsigned t = a * b + 128;
  return (t + (t >> 8)) >> 8;
}

// libjpeg gives CMYK as it is stored; Adobe's files store it inverted
// (255 is no ink).
void cmykRowToRgb32(unsigned char *row, JDIMENSION width, bool inverted) {
  for (JDIMENSION x = 0; x < width; ++x) {
    unsigned char *pixel = row + size_t(x) * 4;
    unsigned c = pixel[0], m = pixel[1], y = pixel[2], k = pixel[3];
    if (!inverted) {
      c = 255 - c;
      m = 255 - m;
      y = 255 - y;
      k = 255 - k;
    }
    const quint32 rgb = 0xFF000000u | (scaled255(c, k) << 16) | (scaled255(m, k) << 8) | scaled255(y, k);
    std::memcpy(pixel, &rgb, sizeof rgb);
  }
}

// After the data ended early and still every row came out: whether all of
// the picture was in the data. One Huffman-coded scan would have raised
// JWRN_HIT_MARKER for any missing bit; a progressive picture cut between two
// scans has coefficients that never got their last refinement. Arithmetic
// coding fills in zeros silently, and sequential scans of one component
// each leave no trace of a missing one: such pictures count as cut.
bool completeDespiteTheEnd(j_decompress_ptr cinfo) {
  if (cinfo->arith_code)
    return false;
  if (cinfo->progressive_mode) {
    for (int component = 0; component < cinfo->num_components; ++component)
      for (int k = 0; k < DCTSIZE2; ++k)
        if (cinfo->coef_bits[component][k] != 0)
          return false;
    return true;
  }
  return !jpeg_has_multiple_scans(cinfo);
}

bool decodePixels(Session *session, const PixelTarget *target) {
  ErrorState *state = &session->state;
  j_decompress_ptr cinfo = &session->cinfo;
  state->phase = Phase::Pixels;
  if (setjmp(state->errors.jump))
    return false;
  jpeg_start_decompress(cinfo);
  JSAMPROW rows[kRowsAtOnce];
  while (cinfo->output_scanline < cinfo->output_height) {
    const JDIMENSION first = cinfo->output_scanline;
    const JDIMENSION count = std::min(kRowsAtOnce, cinfo->output_height - first);
    for (JDIMENSION i = 0; i < count; ++i)
      rows[i] = target->cmykConversion ? target->cmykRows + size_t(i) * cinfo->output_width * 4
                                       : target->bits + size_t(first + i) * target->bytesPerLine;
    const JDIMENSION got = jpeg_read_scanlines(cinfo, rows, count);
    if (got == 0) {
      state->reachedEnd = true; // a memory source never suspends; do not spin if it did
      return false;
    }
    if (target->cmykConversion)
      for (JDIMENSION i = 0; i < got; ++i)
        target->cmykConversion->convertRow(rows[i], target->bits + size_t(first + i) * target->bytesPerLine,
                                           int(cinfo->output_width));
    else if (target->cmyk)
      for (JDIMENSION i = 0; i < got; ++i)
        cmykRowToRgb32(rows[i], cinfo->output_width, target->invertedCmyk);
  }
  if (state->reachedEnd && !completeDespiteTheEnd(cinfo))
    return false;
  state->phase = Phase::Finish;
  if (setjmp(state->errors.jump))
    return state->damage == 0; // an error past the last row leaves the picture whole; corrupt data does not
  jpeg_finish_decompress(cinfo);
  return true;
}

enum class Output { Rgb32, Cmyk, Unsupported };

Output chooseOutput(jpeg_decompress_struct &cinfo) {
  switch (cinfo.jpeg_color_space) {
  case JCS_GRAYSCALE:
  case JCS_YCbCr:
  case JCS_RGB:
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    cinfo.out_color_space = JCS_EXT_BGRX; // Format_RGB32's byte order: no conversion afterwards
#else
    cinfo.out_color_space = JCS_EXT_XRGB;
#endif
    return Output::Rgb32;
  case JCS_CMYK:
  case JCS_YCCK: cinfo.out_color_space = JCS_CMYK; return Output::Cmyk;
  default: return Output::Unsupported;
  }
}

int orientationOf(const jpeg_decompress_struct &cinfo) {
  for (jpeg_saved_marker_ptr marker = cinfo.marker_list; marker; marker = marker->next)
    if (marker->marker == JPEG_APP0 + 1 && marker->data_length >= 6 &&
        std::memcmp(marker->data, "Exif\0\0", 6) == 0)
      return exifOrientation(marker->data, marker->data_length);
  return 1;
}

// A progressive or multi-scan picture keeps all its coefficients in memory
// at full size, whatever the output scale.
qint64 coefficientBytes(const jpeg_decompress_struct &cinfo) {
  const bool multipleScans = cinfo.progressive_mode || cinfo.comps_in_scan < cinfo.num_components;
  if (!multipleScans)
    return 0;
  qint64 total = 0;
  for (int i = 0; i < cinfo.num_components; ++i) {
    const jpeg_component_info &component = cinfo.comp_info[i];
    const auto roundUp = [](qint64 value, qint64 step) {
      return step > 0 ? (value + step - 1) / step * step : value;
    };
    total += roundUp(component.width_in_blocks, component.h_samp_factor) *
             roundUp(component.height_in_blocks, component.v_samp_factor) * DCTSIZE2 * qint64(sizeof(JCOEF));
  }
  return total;
}

// As much coefficient memory as the largest picture allowed needs in full colour.
qint64 coefficientBudget(qint64 maxPixels) { return maxPixels * 3 * qint64(sizeof(JCOEF)); }

QString reasonFor(const Session &session) {
  const ErrorState &state = session.state;
  if (state.errors.failed && state.errors.errorCode == JERR_IMAGE_TOO_BIG)
    return pictureTooLargeText(session.cinfo.image_width, session.cinfo.image_height);
  if (state.reachedEnd)
    return QStringLiteral("truncated JPEG data");
  if (!state.errors.failed)
    return QStringLiteral("damaged JPEG data");
  const QString message = QString::fromLocal8Bit(state.errors.message);
  switch (state.errors.errorCode) {
  case JERR_OUT_OF_MEMORY: return QStringLiteral("out of memory");
  case JERR_SOF_UNSUPPORTED: // lossless, hierarchical
  case JERR_BAD_PRECISION:   // 12 bits
  case JERR_ARITH_NOTIMPL:
  case JERR_NOT_COMPILED:
  case JERR_CONVERSION_NOTIMPL: return QStringLiteral("unsupported JPEG (%1)").arg(message);
  default: return QStringLiteral("damaged JPEG data (%1)").arg(message);
  }
}

} // namespace

JpegSourceDecoder::JpegSourceDecoder() : m_session(std::make_unique<Session>()) {
  m_session->created = createDecompressor(m_session.get());
}

JpegSourceDecoder::~JpegSourceDecoder() {
  if (m_session->cinfo.mem)
    jpeg_destroy_decompress(&m_session->cinfo);
}

DecodeResult JpegSourceDecoder::decode(const unsigned char *data, size_t size, const DecodeRequest &request) {
  Session &session = *m_session;
  if (!session.created)
    return DecodeResult::failure(QStringLiteral("out of memory"));
  jpeg_decompress_struct &cinfo = session.cinfo;
  // Ends only after the decoder has let go of its coefficients below; handed
  // on with the picture.
  MemoryBudget::Reservation reservation;
  // Back to the idle state whatever happens, ready for the next picture.
  const auto idle = qScopeGuard([&cinfo] { jpeg_abort_decompress(&cinfo); });
  if (!readHeader(&session, data, size, true))
    return DecodeResult::failure(reasonFor(session));
  const Output output = chooseOutput(cinfo);
  if (output == Output::Unsupported)
    return DecodeResult::failure(QStringLiteral("unsupported JPEG colours"));
  // Quality first: the accurate integer IDCT costs next to nothing more than
  // the fast one with SIMD, and smooth chroma upsampling avoids blocky colour
  // edges. Reduced scales use their own IDCTs anyway.
  cinfo.dct_method = JDCT_ISLOW;
  cinfo.do_fancy_upsampling = TRUE;

  const int orientation = request.applyOrientation ? orientationOf(cinfo) : 1;
  const QSize fullSize = orientedSize(QSize(int(cinfo.image_width), int(cinfo.image_height)), orientation);
  const QSize needed = request.neededSize ? request.neededSize(fullSize) : QSize();
  // The smallest M/8 whose output still covers the needed size.
  int eighths = 8;
  if (needed.isValid() && !needed.isEmpty()) {
    for (int m = 1; m < 8; ++m) {
      if (!calcOutputSize(&session, m))
        return DecodeResult::failure(reasonFor(session));
      const QSize out = orientedSize(QSize(int(cinfo.output_width), int(cinfo.output_height)), orientation);
      if (out.width() >= needed.width() && out.height() >= needed.height()) {
        eighths = m;
        break;
      }
    }
  }
  if (!calcOutputSize(&session, eighths))
    return DecodeResult::failure(reasonFor(session));
  if (qint64(cinfo.output_width) * cinfo.output_height > request.maxPixels ||
      coefficientBytes(cinfo) > coefficientBudget(request.maxPixels))
    return DecodeResult::failure(pictureTooLargeText(fullSize.width(), fullSize.height()));

  // The coefficients, the pixels and their upright copy, the data, the
  // colour profile twice while it is put together, the CMYK rows.
  const qint64 pixelBytes = qint64(cinfo.output_width) * cinfo.output_height * 4;
  const qint64 cmykRowBytes = output == Output::Cmyk ? qint64(kRowsAtOnce) * cinfo.output_width * 4 : 0;
  reservation = request.reserveMemory(coefficientBytes(cinfo) + pixelBytes * (orientation == 1 ? 1 : 2) +
                                          qint64(size) + 2 * profileBytes(cinfo) + cmykRowBytes,
                                      fullSize);
  if (!reservation.refusal().isEmpty())
    return DecodeResult::failure(reservation.refusal());
  QByteArray profile = profileOf(session);
  const bool inverted = cinfo.saw_Adobe_marker != FALSE;
  // CMYK is made sRGB here, through its profile when it has one: a CMYK
  // profile means nothing to the RGB picture that leaves the decoder.
  ColourProfiles::Conversion cmykConversion;
  if (output == Output::Cmyk) {
    if (!profile.isEmpty()) {
      Result<ColourProfiles::Conversion> conversion = session.colourProfiles.conversionToSrgb(
          profile, inverted ? StoredColours::InvertedCmyk : StoredColours::Cmyk);
      if (conversion)
        cmykConversion = *conversion; // else the plain conversion below, as for a CMYK picture without one
    }
    profile.clear();
  }
  std::vector<unsigned char> cmykRows(cmykConversion ? size_t(cmykRowBytes) : 0);
  QImage image(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB32);
  if (image.isNull())
    return DecodeResult::failure(QStringLiteral("out of memory"));
  const PixelTarget target{image.bits(), size_t(image.bytesPerLine()), output == Output::Cmyk,
                           inverted,     cmykConversion.get(),         cmykRows.data()};
  if (!decodePixels(&session, &target))
    return DecodeResult::failure(reasonFor(session));
  if (orientation != 1) {
    image = orientedPicture(std::move(image), orientation);
    if (image.isNull())
      return DecodeResult::failure(QStringLiteral("out of memory"));
  }
  return DecodeResult::success(std::move(image), fullSize, std::move(reservation), std::move(profile));
}

DecodeResult JpegSourceDecoder::probe(const unsigned char *data, size_t size, bool applyOrientation,
                                      qint64 maxPixels) {
  Session &session = *m_session;
  if (!session.created)
    return DecodeResult::failure(QStringLiteral("out of memory"));
  jpeg_decompress_struct &cinfo = session.cinfo;
  const auto idle = qScopeGuard([&cinfo] { jpeg_abort_decompress(&cinfo); });
  if (!readHeader(&session, data, size, false))
    return DecodeResult::failure(reasonFor(session));
  if (chooseOutput(cinfo) == Output::Unsupported)
    return DecodeResult::failure(QStringLiteral("unsupported JPEG colours"));
  const int orientation = applyOrientation ? orientationOf(cinfo) : 1;
  const QSize fullSize = orientedSize(QSize(int(cinfo.image_width), int(cinfo.image_height)), orientation);
  // Refused only when no request could decode it: even at the smallest scale.
  if (!calcOutputSize(&session, 1))
    return DecodeResult::failure(reasonFor(session));
  if (qint64(cinfo.output_width) * cinfo.output_height > maxPixels ||
      coefficientBytes(cinfo) > coefficientBudget(maxPixels))
    return DecodeResult::failure(pictureTooLargeText(fullSize.width(), fullSize.height()));
  return DecodeResult::success(QImage(), fullSize);
}

} // namespace veltrane
