#include "FuzzSupport.h"

#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace veltrane::fuzz {

QByteArray inputBytes(const uint8_t *data, size_t size) {
  return QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
}

void silenceQtMessages() {
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
    // qFatal still aborts after the handler returns; show why.
    if (type == QtFatalMsg)
      std::fprintf(stderr, "Qt fatal: %s\n", qPrintable(message));
  });
}

void promiseBroken(const char *what, const QString &detail) {
  std::fprintf(stderr, "fuzz target: %s%s%s\n", what, detail.isEmpty() ? "" : ": ", qPrintable(detail));
  std::fflush(stderr);
  std::abort();
}

} // namespace veltrane::fuzz
