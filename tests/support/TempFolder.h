#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace veltrane::test {

// A fresh folder for one test, removed with it.
class TempFolder {
public:
  TempFolder();
  QString path() const { return m_dir.path(); }
  QString file(const QString &name) const { return m_dir.filePath(name); }
  // Creates a file (and its folders) with the given bytes; returns its path.
  QString write(const QString &name, const QByteArray &bytes = {}) const;
  QByteArray read(const QString &name) const;
  // Every entry of the folder or of a folder in it, hidden ones too, by name.
  QStringList entries(const QString &folder = {}) const;

private:
  QTemporaryDir m_dir;
};

} // namespace veltrane::test
