#pragma once

#include "TempFolder.h"

#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>

// Readable points in failure messages.
inline void PrintTo(const QPoint &point, std::ostream *os) { *os << point.x() << ',' << point.y(); }

namespace veltrane::test {

// A virtual X server of its own (on a free display) with a real window
// manager (openbox), and the window program started on it in a temporary
// program folder and home; xdotool drives it, xwininfo and xprop look at its
// windows. Everything it started ends with it.
class XSession {
public:
  static constexpr QSize kScreen{1280, 1024};

  // Why the session cannot be had here (a missing tool), or empty.
  static QString missingTools();

  XSession();
  ~XSession();
  XSession(const XSession &) = delete;
  XSession &operator=(const XSession &) = delete;

  // Empty when the server, the window manager and the program are up and
  // the main window is shown; otherwise what failed.
  const QString &failure() const { return m_failure; }

  // The program's visible top-level window whose title matches, once there.
  std::optional<QString> findWindow(const QString &titlePattern, int timeoutMs = 10000) const;
  QString mainWindow() const { return m_mainWindow; }

  // The client area in screen coordinates, and the frame the window manager
  // put around it.
  QRect clientArea(const QString &window) const;
  QRect frame(const QString &window) const;
  QString title(const QString &window) const;
  // The opacity the window asks the compositor for, out of 255.
  int alpha(const QString &window) const;

  // Runs xdotool with these arguments; false when it failed.
  bool xdotool(const QStringList &arguments) const;
  // Presses `button` at `from` on the screen, moves the pointer until the
  // window follows it, then on to `to`, and waits there until it has
  // caught up. Returns false when the window never followed.
  bool dragWindow(const QString &window, QPoint from, QPoint to, int button) const;
  // Waits until the window's client area stays put; returns it.
  QRect settledArea(const QString &window) const;

private:
  QString run(const QString &program, const QStringList &arguments) const;
  QProcessEnvironment environment() const;

  TempFolder m_scratch;
  QString m_display;
  std::unique_ptr<QProcess> m_server;
  std::unique_ptr<QProcess> m_windowManager;
  std::unique_ptr<QProcess> m_program;
  QString m_mainWindow;
  QString m_failure;
};

// Polls `done` every 50 ms until it holds or `timeoutMs` has passed.
bool pollFor(const std::function<bool()> &done, int timeoutMs = 10000);

} // namespace veltrane::test
