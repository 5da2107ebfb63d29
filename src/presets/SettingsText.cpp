#include "presets/SettingsText.h"

#include <QStringDecoder>

namespace veltrane {

QString decodeWindows1252(const QByteArray &bytes) {
  // 0x80..0x9F differ from Latin-1; 0 marks the five bytes Windows leaves unassigned.
  static constexpr char16_t k80to9F[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                           0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                           0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                           0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
  QString text;
  text.reserve(bytes.size());
  for (const char byte : bytes) {
    const auto b = static_cast<unsigned char>(byte);
    char16_t c = b;
    if (b >= 0x80 && b <= 0x9F && k80to9F[b - 0x80] != 0)
      c = k80to9F[b - 0x80];
    text.append(QChar(c));
  }
  return text;
}

QString decodeSettingsText(const QByteArray &bytes) {
  QByteArrayView data(bytes);
  if (data.startsWith("\xEF\xBB\xBF"))
    data = data.sliced(3);
  // Line by line: one stray byte from an editor or an older copy garbles only
  // its own line, and a file mixing both encodings still reads.
  QString text;
  text.reserve(data.size());
  while (!data.isEmpty()) {
    const qsizetype newline = data.indexOf('\n');
    const QByteArrayView line = newline < 0 ? data : data.first(newline + 1);
    data = data.sliced(line.size());
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(line);
    text += utf8.hasError() ? decodeWindows1252(line.toByteArray()) : decoded;
  }
  return text;
}

} // namespace veltrane
