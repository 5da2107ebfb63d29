#include "common/Numbers.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace veltrane {
namespace {

bool isSpace(QChar c) { return c == u' ' || c == u'\t'; }

// Reads sign, digits and one decimal point from `pos`; returns the number of
// digits read and the value in `value`.
int readDecimal(const QString &text, qsizetype &pos, double &value) {
  QByteArray ascii;
  bool negative = false;
  if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
    negative = text[pos] == u'-';
    ++pos;
  }
  int digits = 0;
  bool point = false;
  for (; pos < text.size(); ++pos) {
    const QChar c = text[pos];
    if (c >= u'0' && c <= u'9') {
      ascii += char(c.unicode());
      ++digits;
    } else if (c == u'.' && !point) {
      ascii += '.';
      point = true;
    } else {
      break;
    }
  }
  value = 0.0;
  // from_chars, unlike strtod, ignores the locale the application set.
  if (digits)
    std::from_chars(ascii.constData(), ascii.constData() + ascii.size(), value);
  if (negative)
    value = -value;
  return digits;
}

template <typename Int> std::optional<Int> strictInt(const QString &text) {
  qsizetype pos = 0;
  while (pos < text.size() && isSpace(text[pos]))
    ++pos;
  double value = 0;
  if (readDecimal(text, pos, value) == 0)
    return std::nullopt;
  while (pos < text.size() && isSpace(text[pos]))
    ++pos;
  if (pos != text.size())
    return std::nullopt;
  const double rounded = roundHalfEven(value);
  if (rounded < std::numeric_limits<Int>::min() || rounded > std::numeric_limits<Int>::max())
    return std::nullopt;
  return static_cast<Int>(rounded);
}

} // namespace

double leadingNumber(const QString &text) {
  qsizetype pos = 0;
  while (pos < text.size() && isSpace(text[pos]))
    ++pos;
  double value = 0;
  readDecimal(text, pos, value);
  return value;
}

double roundHalfEven(double value) {
  if (!std::isfinite(value))
    return value;
  const double floor = std::floor(value);
  const double diff = value - floor;
  if (diff < 0.5)
    return floor;
  if (diff > 0.5)
    return floor + 1;
  return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

std::optional<qint16> strictInt16(const QString &text) { return strictInt<qint16>(text); }
std::optional<qint32> strictInt32(const QString &text) { return strictInt<qint32>(text); }

qint32 roundedInt32(const QString &text) {
  const double rounded = roundHalfEven(leadingNumber(text));
  if (!(rounded >= std::numeric_limits<qint32>::min()))
    return std::numeric_limits<qint32>::min();
  if (rounded > std::numeric_limits<qint32>::max())
    return std::numeric_limits<qint32>::max();
  return static_cast<qint32>(rounded);
}

// Never in exponent form: "1e+05" would read back as 1.
template <typename Float> static QString shortest(Float value) {
  char buffer[512]; // the longest fixed form of a double is 330 characters or so
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  return QString::fromLatin1(buffer, result.ptr - buffer);
}

QString formatNumber(double value) { return shortest(value); }
QString formatNumber(float value) { return shortest(value); }

} // namespace veltrane
