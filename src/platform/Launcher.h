#pragma once

#include <QList>
#include <QString>

namespace veltrane {

// How a folder window opens; the numbers are the ones the settings file keeps.
enum class WindowMode { None = 0, Normal = 1, Maximised = 3 };

// Opens folders, web addresses and files with the desktop's own programs.
class Launcher {
public:
  virtual ~Launcher() = default;
  virtual bool openFolder(const QString &path, WindowMode mode) = 0;
  virtual bool openWebAddress(const QString &address) = 0;
  virtual bool openFile(const QString &path) = 0;
};

// Opens nothing; remembers what it was asked to open.
class RecordingLauncher : public Launcher {
public:
  enum class Kind { Folder, WebAddress, File };
  struct Launch {
    Kind kind;
    QString target;
    WindowMode mode = WindowMode::Normal;
    bool operator==(const Launch &) const = default;
  };

  bool openFolder(const QString &path, WindowMode mode) override;
  bool openWebAddress(const QString &address) override;
  bool openFile(const QString &path) override;

  const QList<Launch> &launches() const { return m_launches; }

private:
  QList<Launch> m_launches;
};

// Opens through QDesktopServices, which hands the work to the desktop.
class DesktopLauncher : public Launcher {
public:
  bool openFolder(const QString &path, WindowMode mode) override;
  bool openWebAddress(const QString &address) override;
  bool openFile(const QString &path) override;
};

} // namespace veltrane
