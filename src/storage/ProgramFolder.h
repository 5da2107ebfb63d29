#pragma once

#include "storage/AtomicFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace veltrane {

// The files a program folder holds by name.
inline const QString kSettingsFileName = QStringLiteral("Veltrane.INI");
inline const QString kHelpFileName = QStringLiteral("Veltrane.TXT");

// Where the settings file, the help text, the skin and the frames live.
//
// A portable copy keeps everything in one folder: the one given by --home or
// VELTRANE_HOME, or the executable's own folder when it already holds
// "Veltrane.INI" or "frames". An installed copy keeps its settings in the
// user's config folder and reads frames from the user's data folder, then
// from the installed share/veltrane/frames.
class ProgramFolder {
public:
  struct Locations {
    QString configFolder;    // the user's, for settings
    QString userDataFolder;  // the user's, for frames
    QString installedFrames; // shipped with an installed copy
    QString installedData;   // share/veltrane of an installed copy: the guide page
    QString programFiles;    // the executable's folder: the guide page of a portable copy
    QString runtimeFolder;   // the user's, for the lock around a save; the config folder when empty
  };

  // `homeOption` is --home (empty when not given); VELTRANE_HOME comes next.
  static ProgramFolder resolve(const QString &homeOption, const QString &executableFolder);
  static ProgramFolder portable(const QString &folder, const Locations &locations);
  static ProgramFolder installed(const Locations &locations);
  // The user's config and data folders; the installed frames lie beside the
  // executable's folder, in ../share/veltrane/frames.
  static Locations userLocations(const QString &executableFolder);

  bool isPortable() const { return !m_home.isEmpty(); }
  // The arguments that start the program at this program folder again from
  // the executable in `executableFolder`: none when it finds the folder by
  // itself, else --home with it (VELTRANE_HOME does not reach a file manager).
  QStringList startArguments(const QString &executableFolder) const;
  QString home() const { return m_home; }
  QString helpTextPath() const;
  QString skinPicturePath() const;
  QString skinOutlinePath() const;
  QStringList frameFolders() const;
  // The guide page shipped with the program ("veltrane.html"): beside a
  // portable copy, else in the installed share/veltrane; empty when there
  // is none.
  QString guidePagePath() const;

  // The settings file to read: the program folder's, or this program
  // folder's own copy in the config folder (see SettingsFallback) when the
  // program folder could not be written and that copy is newer.
  QString settingsReadPath() const;

  struct SaveResult {
    bool saved = false;
    QString path;   // where it went
    QString notice; // set the first time the config folder stands in
    QString error;
  };
  // Writes the settings file whole and atomically: the old file stays until
  // the new one is complete. When the program folder cannot be written, the
  // settings go to this program folder's copy in the config folder; the
  // first time, the notice is also left for the next start (takeNotice).
  // Once the program folder can be written again, that copy goes.
  SaveResult saveSettings(const QByteArray &bytes) const;
  // The same, with the bytes composed from the file as it is on disk now
  // (empty when there is none), under a lock that other copies of the
  // program saving the same file wait for, so that none saves over what
  // another saved after it read the file.
  SaveResult saveSettings(const std::function<QByteArray(const QByteArray &saved)> &compose) const;

  // The notice about settings saved elsewhere that the user has not seen
  // yet; taking it clears it.
  QString takeNotice() const;

private:
  QString primarySettingsPath() const;
  QString saveLockPath() const;
  SaveResult write(const QByteArray &bytes) const;

  QString m_home;
  Locations m_locations;
};

// Reads a regular file whole; empty when it is missing or cannot be read.
QByteArray readWholeFile(const QString &path);

} // namespace veltrane
