#include "TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace veltrane::test {

TempFolder::TempFolder() {
  if (!m_dir.isValid())
    throw std::runtime_error("cannot create a temporary folder");
}

QString TempFolder::write(const QString &name, const QByteArray &bytes) const {
  const QString path = file(name);
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile out(path);
  if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
    throw std::runtime_error("cannot write a test file");
  return path;
}

QByteArray TempFolder::read(const QString &name) const {
  QFile in(file(name));
  if (!in.open(QIODevice::ReadOnly))
    return {};
  return in.readAll();
}

QStringList TempFolder::entries(const QString &folder) const {
  return QDir(folder.isEmpty() ? path() : file(folder))
      .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace veltrane::test
