#pragma once

#include <QString>
#include <QStringList>

namespace veltrane {

// The program's arguments: options, then the pictures to list. A file
// manager passes every selected file, so each argument that is not an option
// is a picture, in the order given.
struct WindowCommandLine {
  QString home;       // --home DIR: the program folder
  QStringList files;  // as absolute paths
  QString screenshot; // --screenshot FOLDER: pictures of the windows, then exit
  QString selfTest;   // --self-test FOLDER: the window shown, a batch run into FOLDER, then exit
  bool help = false;
  bool version = false;
  QString error; // a usage error; nothing else is valid then
};

// `arguments` excludes the program's own name. Relative paths are taken from
// `workingFolder`; "file:" addresses become paths. "--" ends the options.
WindowCommandLine parseWindowCommandLine(const QStringList &arguments, const QString &workingFolder);

inline const QString kWindowUsage =
    QStringLiteral("Usage: veltrane [--home DIR] [--] [PICTURE...]\n"
                   "Opens the Veltrane window with the pictures listed.\n\n"
                   "  --home DIR   keep the settings, help text and frames in DIR\n"
                   "  --remove-menu-entries\n"
                   "               remove Veltrane's entries from your file managers' menus\n"
                   "               (each user's own; do this before removing the package)\n"
                   "               and exit\n"
                   "  --help       show this text\n"
                   "  --version    show the version\n");

} // namespace veltrane
