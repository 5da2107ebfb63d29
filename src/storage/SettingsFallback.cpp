#include "storage/SettingsFallback.h"

#include "storage/AtomicFile.h"
#include "storage/ProgramFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace veltrane {
namespace {

// Small files of our own: read whole, or empty.
QByteArray readSmallFile(const QString &path) {
  QFile file(path);
  if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
    return {};
  return file.read(1 << 20);
}

// "NAME-HASH": the program folder's own name, for whoever looks, and a hash
// of its whole path, which tells apart folders of the same name.
QString folderNameFor(const QString &programFolder) {
  QString name = QFileInfo(programFolder).fileName();
  for (QChar &c : name)
    if (!(c.isLetterOrNumber() || c == u'.' || c == u'-' || c == u'_'))
      c = u'_';
  const QByteArray hash = QCryptographicHash::hash(programFolder.toUtf8(), QCryptographicHash::Sha256);
  const QString hex = QString::fromLatin1(hash.toHex().left(16));
  return name.isEmpty() || name.startsWith(u'.') ? hex : name.left(40) + u'-' + hex;
}

} // namespace

SettingsFallback::SettingsFallback(const QString &configFolder, const QString &programFolder)
    : m_folder(
          QDir(configFolder).filePath(QStringLiteral("program-folders/") + folderNameFor(programFolder))),
      m_programFolder(programFolder) {}

QString SettingsFallback::settingsPath() const { return QDir(m_folder).filePath(kSettingsFileName); }
QString SettingsFallback::recordPath() const {
  return QDir(m_folder).filePath(QStringLiteral("program-folder"));
}
QString SettingsFallback::noticePath() const { return QDir(m_folder).filePath(QStringLiteral("notice")); }

bool SettingsFallback::belongsHere() const {
  return readSmallFile(recordPath()) == m_programFolder.toUtf8() + '\n';
}

QString SettingsFallback::existingSettings() const {
  return QFileInfo(settingsPath()).isFile() && belongsHere() ? settingsPath() : QString();
}

Result<bool> SettingsFallback::save(const QByteArray &bytes) const {
  const bool firstTime = existingSettings().isEmpty();
  if (!QFileInfo::exists(recordPath())) {
    QDir().mkpath(m_folder);
    if (const Result<> claimed = writeFileAtomically(recordPath(), m_programFolder.toUtf8() + '\n'); !claimed)
      return failure(claimed.reason());
  } else if (!belongsHere()) {
    return failure(QStringLiteral("%1: kept for another program folder").arg(m_folder));
  }
  if (const Result<> saved = writeFileAtomically(settingsPath(), bytes); !saved)
    return failure(saved.reason());
  return firstTime;
}

void SettingsFallback::remove() const {
  if (!belongsHere())
    return;
  QFile::remove(settingsPath());
  QFile::remove(noticePath());
  QFile::remove(recordPath());
  QDir().rmdir(m_folder);
}

void SettingsFallback::leaveNotice(const QString &text) const {
  if (belongsHere())
    (void)writeFileAtomically(noticePath(), text.toUtf8()); // a notice is a courtesy
}

QString SettingsFallback::takeNotice() const {
  if (!belongsHere())
    return {};
  const QString text = QString::fromUtf8(readSmallFile(noticePath()));
  QFile::remove(noticePath());
  return text;
}

} // namespace veltrane
