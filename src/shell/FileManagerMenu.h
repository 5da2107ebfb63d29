#pragma once

#include "common/Result.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <iterator>

namespace veltrane {

// The two kinds of picture the menu entry is offered for, each switched on
// and off as a pair.
enum class PictureKinds { Jpeg, BmpAndGif };

// The file managers whose menus the entries go into.
enum class FileManager { Nautilus, Dolphin, Nemo, Thunar };
inline constexpr FileManager kEveryFileManager[] = {FileManager::Nautilus, FileManager::Dolphin,
                                                    FileManager::Nemo, FileManager::Thunar};

// The file managers installed: their programs ("nautilus", "dolphin",
// "nemo", "thunar") on the PATH.
QList<FileManager> installedFileManagers();

// "Resize/Resample" in the file managers' menus for JPEG, or BMP and GIF,
// files: per-user files that GNOME Files (a script), Dolphin (a service
// menu), Nemo (an action) and Thunar (a custom action in its uca.xml) read.
// Choosing it starts the program with the chosen files. Never a desktop
// entry with MIME types: that could make the program the default viewer.
class FileManagerMenu {
public:
  // `program`: the window program's path, started with `arguments` before
  // the files (--home DIR, so that an entry starts the program folder of the
  // window that wrote it); the folders: the user's XDG data and config homes;
  // `present`: the file managers to write entries for.
  FileManagerMenu(QString program, QString dataHome, QString configHome, QStringList arguments = {},
                  QList<FileManager> present = {std::begin(kEveryFileManager), std::end(kEveryFileManager)});
  // The user's folders, from QStandardPaths, for the file managers installed.
  static FileManagerMenu forUser(const QString &program, const QStringList &arguments = {});

  // Whether any file manager is there to take entries.
  bool anyFileManager() const { return !m_present.isEmpty(); }
  // Writes the present file managers' entries for the pair; the ones already
  // there are replaced. Fails with the files that could not be written.
  Result<> install(PictureKinds kinds) const;
  // Removes them from every file manager's folders, present or not (one
  // uninstalled since keeps none); entries of other programs are left alone.
  Result<> remove(PictureKinds kinds) const;
  // True when the present file managers' entries are there and start this program.
  bool isInstalled(PictureKinds kinds) const;

  // Where each entry lives (for tests and messages).
  QString nautilusScript(PictureKinds kinds) const;
  QString dolphinServiceMenu(PictureKinds kinds) const;
  QString nemoAction(PictureKinds kinds) const;
  QString thunarActions() const;

private:
  QStringList m_command; // the program, then its arguments
  QString m_dataHome;
  QString m_configHome;
  QList<FileManager> m_present;
};

// The program path quoted for a desktop entry's Exec key: in double quotes,
// with ", `, $ and \ escaped, backslashes escaped again for the string, and
// % doubled.
QString desktopExecQuoted(const QString &program);
// The program path quoted for a POSIX shell: in single quotes.
QString shellQuoted(const QString &text);

// Whether uca.xml holds our action for `kinds` starting `command` (any command when empty).
bool thunarHasAction(const QByteArray &existing, PictureKinds kinds, const QString &command);

// Thunar's uca.xml with our action for `kinds` put in (replacing an older
// one) or taken out, every other action kept as it was. Fails, leaving the
// file to the caller untouched, when the text is not well-formed.
Result<QByteArray> mergeThunarActions(const QByteArray &existing, PictureKinds kinds, const QString &command,
                                      bool ours);

} // namespace veltrane
