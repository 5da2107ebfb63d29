#include "presets/ProgramFolder.h"

#include "presets/SettingsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace veltrane {
namespace {

const QString kAppFolder = QStringLiteral("veltrane");

QString join(const QString &folder, const QString &name) { return QDir(folder).filePath(name); }

} // namespace

ProgramFolder::Locations ProgramFolder::userLocations(const QString &executableFolder) {
  Locations locations;
  locations.configFolder =
      join(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), kAppFolder);
  locations.userDataFolder =
      join(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation), kAppFolder);
  if (!executableFolder.isEmpty())
    locations.installedFrames =
        QDir::cleanPath(executableFolder + QStringLiteral("/../share/veltrane/frames"));
  return locations;
}

ProgramFolder ProgramFolder::resolve(const QString &homeOption, const QString &executableFolder) {
  const Locations locations = userLocations(executableFolder);
  if (!homeOption.isEmpty())
    return portable(homeOption, locations);
  const QString environment = qEnvironmentVariable("VELTRANE_HOME");
  if (!environment.isEmpty())
    return portable(environment, locations);
  if (!executableFolder.isEmpty() && (QFileInfo::exists(join(executableFolder, kSettingsFileName)) ||
                                      QFileInfo(join(executableFolder, QStringLiteral("frames"))).isDir()))
    return portable(executableFolder, locations);
  return installed(locations);
}

ProgramFolder ProgramFolder::portable(const QString &folder, const Locations &locations) {
  ProgramFolder result;
  result.m_home = QDir::cleanPath(QDir(folder).absolutePath());
  result.m_locations = locations;
  return result;
}

ProgramFolder ProgramFolder::installed(const Locations &locations) {
  ProgramFolder result;
  result.m_locations = locations;
  return result;
}

QString ProgramFolder::helpTextPath() const {
  return join(isPortable() ? m_home : m_locations.userDataFolder, kHelpFileName);
}

QString ProgramFolder::skinPicturePath() const {
  return join(isPortable() ? m_home : m_locations.userDataFolder, QStringLiteral("skin.bmp"));
}

QString ProgramFolder::skinOutlinePath() const {
  return join(isPortable() ? m_home : m_locations.userDataFolder, QStringLiteral("skin.ini"));
}

QStringList ProgramFolder::frameFolders() const {
  if (isPortable())
    return {join(m_home, QStringLiteral("frames"))};
  QStringList folders{join(m_locations.userDataFolder, QStringLiteral("frames"))};
  if (!m_locations.installedFrames.isEmpty())
    folders.append(m_locations.installedFrames);
  return folders;
}

QString ProgramFolder::primarySettingsPath() const {
  return join(isPortable() ? m_home : m_locations.configFolder, kSettingsFileName);
}

QString ProgramFolder::fallbackSettingsPath() const {
  return join(m_locations.configFolder, kSettingsFileName);
}

QString ProgramFolder::settingsReadPath() const {
  const QString primary = primarySettingsPath();
  const QString fallback = fallbackSettingsPath();
  if (primary == fallback)
    return primary;
  const QFileInfo primaryInfo(primary);
  const QFileInfo fallbackInfo(fallback);
  if (fallbackInfo.isFile() &&
      (!primaryInfo.isFile() || fallbackInfo.lastModified() > primaryInfo.lastModified()))
    return fallback;
  return primary;
}

ProgramFolder::SaveResult ProgramFolder::saveSettings(const QByteArray &bytes) const {
  SaveResult result;
  const QString primary = primarySettingsPath();
  QDir().mkpath(QFileInfo(primary).absolutePath());
  if (writeFileAtomically(primary, bytes, &result.error)) {
    result.saved = true;
    result.path = primary;
    // A copy left in the config folder by an earlier run is now stale.
    const QString fallback = fallbackSettingsPath();
    if (fallback != primary)
      QFile::remove(fallback);
    return result;
  }
  const QString fallback = fallbackSettingsPath();
  if (fallback == primary)
    return result;
  const bool firstTime = !QFileInfo::exists(fallback);
  QDir().mkpath(QFileInfo(fallback).absolutePath());
  QString fallbackError;
  if (!writeFileAtomically(fallback, bytes, &fallbackError)) {
    result.error += QStringLiteral("; ") + fallbackError;
    return result;
  }
  result.saved = true;
  result.path = fallback;
  result.error.clear();
  if (firstTime)
    result.notice = QStringLiteral("The settings could not be saved in the program folder \"%1\".\r\n\r\n"
                                   "They are saved in \"%2\" instead.")
                        .arg(QDir::toNativeSeparators(m_home), QDir::toNativeSeparators(fallback));
  return result;
}

bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    if (error)
      *error = QStringLiteral("%1: %2").arg(path, file.errorString());
    return false;
  }
  if (file.write(bytes) != bytes.size() || !file.commit()) {
    if (error)
      *error = QStringLiteral("%1: %2").arg(path, file.errorString());
    file.cancelWriting();
    return false;
  }
  return true;
}

QByteArray readWholeFile(const QString &path) {
  const QFileInfo info(path);
  if (!info.isFile())
    return {};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return {};
  return file.readAll();
}

} // namespace veltrane
