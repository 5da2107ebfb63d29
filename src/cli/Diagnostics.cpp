#include "cli/Diagnostics.h"

namespace veltrane {

QString oneLine(const QString &text) {
  QString line;
  line.reserve(text.size());
  for (const QChar c : text) {
    const char16_t code = c.unicode();
    if (code == u'\n')
      line += QLatin1String("\\n");
    else if (code == u'\r')
      line += QLatin1String("\\r");
    else if (code == u'\t')
      line += QLatin1String("\\t");
    else if (code < 0x20 || code == 0x7f || code == 0x2028 || code == 0x2029 || code == 0x85)
      line += QStringLiteral("\\x%1").arg(int(code), 2, 16, QLatin1Char('0'));
    else
      line += c;
  }
  return line;
}

void diagnose(QTextStream &err, const QString &text) { err << "veltrane-batch: " << oneLine(text) << '\n'; }

} // namespace veltrane
