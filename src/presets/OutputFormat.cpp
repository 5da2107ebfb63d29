#include "presets/OutputFormat.h"

namespace veltrane {

const QStringList &formatWords() {
  static const QStringList words{QStringLiteral("jpeg"), QStringLiteral("png"), QStringLiteral("webp"),
                                 QStringLiteral("avif"), QStringLiteral("jxl"), QStringLiteral("same")};
  return words;
}

const QStringList &formatCaptions() {
  static const QStringList captions{QStringLiteral("JPEG"),    QStringLiteral("PNG"),
                                    QStringLiteral("WebP"),    QStringLiteral("AVIF"),
                                    QStringLiteral("JPEG XL"), QStringLiteral("same as source")};
  return captions;
}

QString formatExtension(OutputFormat format) {
  return format == OutputFormat::Jpeg ? QStringLiteral(".jpg") : u'.' + formatWord(format);
}

QString formatWord(OutputFormat format) { return formatWords()[int(format)]; }

std::optional<OutputFormat> formatOfIndex(int index) {
  if (index < 0 || index >= kSameFormatIndex)
    return std::nullopt;
  return OutputFormat(index);
}

const QStringList &boxModeWords() {
  static const QStringList words{QStringLiteral("stretch"), QStringLiteral("fit"), QStringLiteral("fill")};
  return words;
}

} // namespace veltrane
