#include "imaging/TiffMessages.h"

#include <cstdarg>
#include <cstdio>

#include <tiffio.h>

namespace veltrane {

namespace {

// The catcher of the picture this thread decodes.
thread_local TiffMessageCatcher *t_catcher = nullptr;

extern "C" void onTiffError(const char *, const char *format, va_list arguments) {
  TiffMessageCatcher *catcher = t_catcher;
  if (!catcher)
    return;
  char message[512];
  std::vsnprintf(message, sizeof message, format, arguments);
  catcher->caught(message);
}

extern "C" void onTiffWarning(const char *, const char *, va_list) {}

// libtiff 4.5 keeps one handler of each kind for the whole process: set
// once, before the first file, by whichever thread comes first.
void installHandlersOnce() {
  static const bool installed = [] {
    TIFFSetErrorHandler(onTiffError);
    TIFFSetWarningHandler(onTiffWarning);
    return true;
  }();
  (void)installed;
}

} // namespace

TiffMessageCatcher::TiffMessageCatcher() : m_outer(t_catcher) {
  installHandlersOnce();
  t_catcher = this;
}

TiffMessageCatcher::~TiffMessageCatcher() { t_catcher = m_outer; }

void TiffMessageCatcher::caught(const char *message) {
  if (!m_firstError.isEmpty())
    return;
  QString text = QString::fromUtf8(message).simplified();
  // Qt's reader opens every file as "foo"; the name says nothing to a user.
  for (const QLatin1String name : {QLatin1String("foo: "), QLatin1String("picture: ")})
    if (text.startsWith(name))
      text.remove(0, name.size());
  if (text.endsWith(u'.'))
    text.chop(1);
  m_firstError = text.left(200);
}

} // namespace veltrane
