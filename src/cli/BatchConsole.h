#pragma once

#include "batch/BatchEngine.h"

#include <QElapsedTimer>
#include <QTextStream>

namespace veltrane {

// Shows a batch's progress: one live line on a terminal (percent, file,
// pictures per second, time left), plain lines otherwise, nothing when quiet.
class BatchConsole : public BatchObserver {
public:
  BatchConsole(int pictures, bool quiet, bool terminal);
  void progressed(const BatchProgress &progress) override;
  void pictureWritten(const QString &path) override;
  void pictureFailed(const QString &path, const QString &reason) override;
  // Ends the live line before other output follows.
  void close();

private:
  void draw();

  QTextStream m_err;
  QElapsedTimer m_clock;
  BatchProgress m_last;
  int m_pictures;
  int m_done = 0;
  bool m_quiet;
  bool m_terminal;
  bool m_lineOpen = false;
};

} // namespace veltrane
