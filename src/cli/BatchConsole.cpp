#include "cli/BatchConsole.h"
#include "cli/CommandLineText.h"

#include "cli/Diagnostics.h"

#include <cstdio>

namespace veltrane {

BatchConsole::BatchConsole(int pictures, bool quiet, bool terminal)
    : m_err(stderr), m_pictures(pictures), m_quiet(quiet), m_terminal(terminal) {
  m_clock.start();
}

void BatchConsole::progressed(const BatchProgress &progress) {
  m_last = progress;
  if (m_quiet)
    return;
  if (m_terminal)
    draw();
  else
    m_err << progress.infoText << ' ' << oneLine(progress.processing) << '\n' << Qt::flush;
}

void BatchConsole::pictureWritten(const QString &) {
  ++m_done;
  if (m_terminal && !m_quiet)
    draw();
}

void BatchConsole::pictureFailed(const QString &, const QString &) {
  ++m_done;
  if (m_terminal && !m_quiet)
    draw();
}

void BatchConsole::draw() {
  const double seconds = double(m_clock.elapsed()) / 1000.0;
  QString speed;
  if (m_done > 0 && seconds > 0.2) {
    const double rate = m_done / seconds;
    const int left = int((m_pictures - m_done) / rate + 0.5);
    speed = CommandLineText::tr("  %1 pictures/s  %2:%3 left")
                .arg(rate, 0, 'f', 1)
                .arg(left / 60)
                .arg(left % 60, 2, 10, QLatin1Char('0'));
  }
  QString line = QStringLiteral("%1  %2%3").arg(m_last.infoText, 6).arg(oneLine(m_last.processing), speed);
  constexpr int kWidth = 79;
  if (line.size() > kWidth)
    line = line.left(kWidth - 1) + QChar(0x2026);
  m_err << '\r' << line.leftJustified(kWidth) << Qt::flush;
  m_lineOpen = true;
}

void BatchConsole::close() {
  if (m_lineOpen)
    m_err << '\n' << Qt::flush;
  m_lineOpen = false;
}

} // namespace veltrane
