#include "imaging/PngEncoder.h"

#include <csetjmp>
#include <png.h>
#include <vector>
#include <zlib.h>

namespace veltrane {
namespace {

// libpng's errors jump back here, to code that holds only plain values, so
// the jump skips no destructor; the message is kept for the reason.
struct PngSession {
  png_structp png = nullptr;
  png_infop info = nullptr;
  QByteArray *out = nullptr;
  char message[200] = {};
  ~PngSession() { png_destroy_write_struct(&png, &info); }
};

void onError(png_structp png, png_const_charp message) {
  auto *session = static_cast<PngSession *>(png_get_error_ptr(png));
  qstrncpy(session->message, message, sizeof session->message);
  png_longjmp(png, 1);
}

void onWarning(png_structp, png_const_charp) {}

void onWrite(png_structp png, png_bytep data, png_size_t length) {
  auto *session = static_cast<PngSession *>(png_get_io_ptr(png));
  session->out->append(reinterpret_cast<const char *>(data), qsizetype(length));
}

void onFlush(png_structp) {}

struct PngInput {
  const QImage &rows;
  bool alpha;
  const JpegExtras &extras;
  QByteArray exif;
  QByteArray xmp;
  std::vector<png_bytep> rowPointers;
};

// Everything libpng may jump out of; true when it finished.
bool writePng(PngSession &session, const PngInput &input, bool runsOnly) {
  const QImage &rows = input.rows;
  const bool alpha = input.alpha;
  const JpegExtras &extras = input.extras;
  const QByteArray &exif = input.exif;
  const QByteArray &xmp = input.xmp;
  if (setjmp(png_jmpbuf(session.png)))
    return false;
  png_set_write_fn(session.png, &session, onWrite, onFlush);
  // A profile libpng finds wrong is left out, not the picture.
  png_set_benign_errors(session.png, 1);
  // Level 6 with libpng's adaptive filters: zlib's balance of size and time.
  png_set_compression_level(session.png, 6);
  if (runsOnly)
    png_set_compression_strategy(session.png, Z_RLE);
  png_set_IHDR(session.png, session.info, png_uint_32(rows.width()), png_uint_32(rows.height()), 8,
               alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (!extras.iccProfile.isEmpty())
    png_set_iCCP(session.png, session.info, "ICC profile", PNG_COMPRESSION_TYPE_BASE,
                 reinterpret_cast<png_const_bytep>(extras.iccProfile.constData()),
                 png_uint_32(extras.iccProfile.size()));
  else
    png_set_sRGB(session.png, session.info, PNG_sRGB_INTENT_PERCEPTUAL);
  if (!exif.isEmpty())
    png_set_eXIf_1(session.png, session.info, png_uint_32(exif.size()),
                   reinterpret_cast<png_bytep>(const_cast<char *>(exif.constData())));
  png_text text{};
  if (!xmp.isEmpty()) {
    text.compression = PNG_ITXT_COMPRESSION_NONE;
    text.key = const_cast<char *>("XML:com.adobe.xmp");
    text.text = const_cast<char *>(xmp.constData());
    text.itxt_length = size_t(xmp.size());
    png_set_text(session.png, session.info, &text, 1);
  }
  png_set_rows(session.png, session.info, const_cast<png_bytepp>(input.rowPointers.data()));
  png_write_png(session.png, session.info, PNG_TRANSFORM_IDENTITY, nullptr);
  return true;
}

Result<QByteArray> writePng(const PngInput &input, bool runsOnly) {
  QByteArray out;
  PngSession session;
  session.out = &out;
  session.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &session, onError, onWarning);
  if (session.png)
    session.info = png_create_info_struct(session.png);
  if (!session.info)
    return failure(QStringLiteral("out of memory"));
  if (!writePng(session, input, runsOnly))
    return failure(QStringLiteral("the PNG encoder failed: %1").arg(QString::fromUtf8(session.message)));
  return out;
}

} // namespace

Result<QByteArray> PngEncoder::encode(const QImage &picture, int, const JpegExtras &extras) {
  if (picture.isNull())
    return failure(QStringLiteral("empty picture"));
  const bool alpha = hasTransparency(picture);
  const QImage rows = encoderRows(picture, alpha);
  PngInput input{rows,           alpha,         extras,
                 exifOf(extras), xmpOf(extras), std::vector<png_bytep>(size_t(rows.height()))};
  for (int y = 0; y < rows.height(); ++y)
    input.rowPointers[size_t(y)] = const_cast<png_bytep>(rows.constScanLine(y));
  // After the filters a photograph holds few repeats beyond runs, so zlib's
  // search for them costs four times the time for under 1% of the size:
  // runs only. A drawing or a screenshot, which that way still shrinks
  // below a third, repeats shapes the full search finds; it gets both, and
  // keeps the smaller.
  Result<QByteArray> runs = writePng(input, true);
  if (!runs || runs->size() >= qsizetype(rows.width()) * rows.height() * (alpha ? 4 : 3) / 3)
    return runs;
  Result<QByteArray> searched = writePng(input, false);
  if (!searched || searched->size() >= runs->size())
    return runs;
  return searched;
}

} // namespace veltrane
