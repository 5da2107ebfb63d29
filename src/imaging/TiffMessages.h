#pragma once

#include <QString>

namespace veltrane {

// libtiff reports through handlers that are process-wide and write to
// stderr by default, several lines a file, under the name Qt's reader gives
// every file ("foo"). While one of these lives, libtiff's errors on this
// thread are kept here instead, for the picture's own one-line reason;
// warnings (an unknown tag, say) are dropped. Outside one, libtiff says
// nothing at all.
class TiffMessageCatcher {
public:
  TiffMessageCatcher();
  ~TiffMessageCatcher();
  TiffMessageCatcher(const TiffMessageCatcher &) = delete;
  TiffMessageCatcher &operator=(const TiffMessageCatcher &) = delete;

  // The first error since this catcher began, without the file's name or a
  // closing full stop; empty for none.
  QString firstError() const { return m_firstError; }

  void caught(const char *message);

private:
  TiffMessageCatcher *m_outer; // the one this thread had before: catchers nest
  QString m_firstError;
};

} // namespace veltrane
