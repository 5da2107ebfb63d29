#include "storage/ProgramFolder.h"
#include "common/MessageText.h"

#include "storage/SettingsFallback.h"
#include "storage/TemporaryFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace veltrane {
namespace {

const QString kAppFolder = QStringLiteral("veltrane");
constexpr int kLockWaitMs = 5000;
constexpr int kStaleLockMs = 30000;

QString join(const QString &folder, const QString &name) { return QDir(folder).filePath(name); }

} // namespace

ProgramFolder::Locations ProgramFolder::userLocations(const QString &executableFolder) {
  Locations locations;
  locations.configFolder =
      join(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), kAppFolder);
  locations.userDataFolder =
      join(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation), kAppFolder);
  locations.runtimeFolder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (!executableFolder.isEmpty()) {
    locations.installedData = QDir::cleanPath(executableFolder + QStringLiteral("/../share/veltrane"));
    locations.installedFrames = join(locations.installedData, QStringLiteral("frames"));
    locations.programFiles = QDir::cleanPath(executableFolder);
  }
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

QStringList ProgramFolder::startArguments(const QString &executableFolder) const {
  if (!isPortable() || m_home == QDir::cleanPath(QDir(executableFolder).absolutePath()))
    return {};
  return {QStringLiteral("--home"), m_home};
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

QString ProgramFolder::guidePagePath() const {
  const QString name = QStringLiteral("veltrane.html");
  for (const QString &folder :
       {isPortable() ? m_home : QString(), m_locations.programFiles, m_locations.installedData})
    if (!folder.isEmpty() && QFileInfo(join(folder, name)).isFile())
      return join(folder, name);
  return {};
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

QString ProgramFolder::settingsReadPath() const {
  const QString primary = primarySettingsPath();
  if (!isPortable())
    return primary;
  const QString fallback = SettingsFallback(m_locations.configFolder, m_home).existingSettings();
  if (fallback.isEmpty())
    return primary;
  // The copy only exists because the program folder could not be written
  // after its file was: on a tie it is the newer one.
  const QFileInfo primaryInfo(primary);
  if (!primaryInfo.isFile() || QFileInfo(fallback).lastModified() >= primaryInfo.lastModified())
    return fallback;
  return primary;
}

QString ProgramFolder::saveLockPath() const {
  const QString folder =
      m_locations.runtimeFolder.isEmpty() ? m_locations.configFolder : m_locations.runtimeFolder;
  const QByteArray hash =
      QCryptographicHash::hash(primarySettingsPath().toUtf8(), QCryptographicHash::Sha256).toHex();
  return join(folder, QStringLiteral("veltrane-settings-") + QString::fromLatin1(hash.left(16)) +
                          QStringLiteral(".lock"));
}

ProgramFolder::SaveResult ProgramFolder::saveSettings(const QByteArray &bytes) const {
  return saveSettings([&bytes](const QByteArray &) { return bytes; });
}

ProgramFolder::SaveResult
ProgramFolder::saveSettings(const std::function<QByteArray(const QByteArray &saved)> &compose) const {
  const QString lockPath = saveLockPath();
  QDir().mkpath(QFileInfo(lockPath).absolutePath());
  QLockFile lock(lockPath);
  // A copy that died holding it left a lock QLockFile sees through; one that
  // hangs costs a few seconds, after which saving unlocked beats not saving.
  lock.setStaleLockTime(kStaleLockMs);
  lock.tryLock(kLockWaitMs);
  return write(compose(readWholeFile(settingsReadPath())));
}

ProgramFolder::SaveResult ProgramFolder::write(const QByteArray &bytes) const {
  SaveResult result;
  const QString primary = primarySettingsPath();
  const QString folder = QFileInfo(primary).absolutePath();
  QDir().mkpath(folder);
  // What a save killed half-way left here.
  removeAbandonedTemporaryFiles(folder);
  if (const Result<> written = writeFileAtomically(primary, bytes); !written) {
    result.error = written.reason();
  } else {
    result.saved = true;
    result.path = primary;
    // This program folder's copy in the config folder is now stale.
    if (isPortable())
      SettingsFallback(m_locations.configFolder, m_home).remove();
    return result;
  }
  if (!isPortable())
    return result;
  const SettingsFallback fallback(m_locations.configFolder, m_home);
  removeAbandonedTemporaryFiles(fallback.folder());
  const Result<bool> firstTime = fallback.save(bytes);
  if (!firstTime) {
    result.error += QStringLiteral("; ") + firstTime.reason();
    return result;
  }
  result.saved = true;
  result.path = fallback.settingsPath();
  if (*firstTime) {
    result.notice = MessageText::tr("The settings could not be saved in the program folder:\r\n%1\r\n\r\n"
                                   "They are saved in \"%2\" instead, and read from there while "
                                   "that copy is the newer one.")
                        .arg(result.error, QDir::toNativeSeparators(result.path));
    fallback.leaveNotice(result.notice);
  }
  result.error.clear();
  return result;
}

QString ProgramFolder::takeNotice() const {
  return isPortable() ? SettingsFallback(m_locations.configFolder, m_home).takeNotice() : QString();
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
