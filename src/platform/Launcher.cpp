#include "platform/Launcher.h"

#include <QDesktopServices>
#include <QUrl>

namespace veltrane {

bool RecordingLauncher::openFolder(const QString &path, WindowMode mode) {
  m_launches.append({Kind::Folder, path, mode});
  return true;
}

bool RecordingLauncher::openWebAddress(const QString &address) {
  m_launches.append({Kind::WebAddress, address, WindowMode::Normal});
  return true;
}

bool RecordingLauncher::openFile(const QString &path) {
  m_launches.append({Kind::File, path, WindowMode::Normal});
  return true;
}

// The desktop decides how big a file manager window is; a mode of None means
// the user asked for no window at all.
bool DesktopLauncher::openFolder(const QString &path, WindowMode mode) {
  if (mode == WindowMode::None)
    return true;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool DesktopLauncher::openWebAddress(const QString &address) {
  return QDesktopServices::openUrl(QUrl(address));
}

bool DesktopLauncher::openFile(const QString &path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace veltrane
