#pragma once

#include "common/Result.h"

#include <QByteArray>
#include <QString>

namespace veltrane {

// Where the settings of one program folder go while that folder cannot be
// written: a folder of their own under the user's config folder,
// "program-folders/NAME-HASH", named after the program folder's path and
// holding that path in "program-folder", so that the copy is only ever found
// for the program folder it belongs to and nothing touches another's.
class SettingsFallback {
public:
  SettingsFallback(const QString &configFolder, const QString &programFolder);

  QString folder() const { return m_folder; }
  QString settingsPath() const;
  // The copy, when there is one and it belongs to this program folder.
  QString existingSettings() const;
  // Writes the copy, claiming the folder for this program folder first;
  // refuses a folder that another program folder holds. Gives true when
  // there was no copy before.
  Result<bool> save(const QByteArray &bytes) const;
  // Removes the copy once the program folder could be written again.
  void remove() const;

  // A notice that waits for the user in the copy's folder until it is taken.
  void leaveNotice(const QString &text) const;
  QString takeNotice() const;

private:
  bool belongsHere() const;
  QString recordPath() const;
  QString noticePath() const;

  QString m_folder;
  QString m_programFolder;
};

} // namespace veltrane
