#pragma once

#include "platform/Prompts.h"

#include <QString>
#include <QStringList>

namespace veltrane {

class FailedFiles;
class SourceList;

// How files enter and leave the source list, apart from any window.

// "/pics/a.JPG" -> folder "/pics/", name "a.JPG". A path without "/" is the
// name alone, in the folder given.
struct SourcePath {
  QString folder;
  QString name;
};
SourcePath splitSourcePath(const QString &path, const QString &folder);

// Whether the program reads a file of this name: by its extension only
// (JPG, JPEG, JFIF, PNG, WEBP, TIF, TIFF, HEIC, HEIF, AVIF, GIF, BMP in any
// case; a name without "." is its own extension).
bool isPictureName(const QString &name);
// Those extensions, upper case; the shells' completions offer them too.
const QStringList &pictureExtensions();

enum class AddResult {
  Added,
  Ignored, // an empty path
  Refused, // not a picture by its extension: named in `refused`
  LeftOut, // the list is full: the path is appended to `leftOut`
};
// Adds one file as a new row, unless its extension or a full list refuses it.
AddResult addThis(SourceList &list, const QString &path, const QString &folder, FailedFiles &refused,
                  QStringList &leftOut);

// The file named on the command line: the whole text, without the double
// quotes around it.
QString commandLineFile(const QString &commandLine);

enum class Removal { None, Marked, Selected };
// The Remove button: the marked rows when there are any, else the selected row.
Removal removeMarkedOrSelected(SourceList &list, int currentRow);

// The reports at the end of an adding operation.

Prompt dialogReport(const FailedFiles &refused);
Prompt dropReport(const FailedFiles &refused);
// Names the files a full list left out, the first few by name.
Prompt listFullReport(const QStringList &leftOut);

// The Add button's dialog filter, in the dialog's own notation.
QString addDialogFilter();

} // namespace veltrane
