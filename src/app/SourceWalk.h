#pragma once

#include "batch/BatchEngine.h"
#include "common/FailedFiles.h"
#include "common/Result.h"

#include <QByteArray>
#include <QList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace veltrane {

// The command line's sources: files and folders by their bytes, as Linux
// names them, turned into the engine's entries. No limit on their number;
// entries of one folder share its text, so 100,000 names cost a few MB.
class SourceWalk {
public:
  // `recursive`: folders are walked and every source keeps its folders below
  // the output folder. `sameFolder`: outputs go beside their sources, so a
  // source's folder must be one the program can name.
  SourceWalk(bool recursive, bool sameFolder);
  ~SourceWalk();
  SourceWalk(const SourceWalk &) = delete;
  SourceWalk &operator=(const SourceWalk &) = delete;

  // A file or folder named on the command line or in a list.
  void add(const QByteArray &path);

  const QList<SourceEntry> &sources() const { return m_sources; }
  // Names left out, as given, with the reason.
  const FailedFiles &refused() const { return m_refused; }

private:
  void walkFolder(const QByteArray &folder);
  void addFile(const QByteArray &folder, const QByteArray &name, const QString &subfolder,
               const QString &given);
  QString linkTo(const QByteArray &path, const QString &name);
  QString folderText(const QByteArray &folder);

  bool m_recursive;
  bool m_sameFolder;
  QList<SourceEntry> m_sources;
  FailedFiles m_refused;
  // Links with UTF-8 names to files whose own names are not, made on first need.
  std::unique_ptr<QTemporaryDir> m_links;
  int m_linkCount = 0;
  // The last folder's bytes and text, so that its files share one text.
  QByteArray m_lastFolder;
  QString m_lastFolderText;
  bool m_lastFolderIsUtf8 = true;
};

// Reads the names of a --files-from list, one a line or each ending with NUL,
// from an open descriptor; empty names are passed over. Fails with why the
// list could not be read.
Result<> readNameList(int descriptor, bool nullSeparated,
                      const std::function<void(const QByteArray &)> &take);

// A name's text: UTF-8, with U+FFFD for each byte that is not.
QString nameText(const QByteArray &bytes);

// The folders a named file keeps below the output folder: its path as given,
// cleaned, without the name and without what climbs above its start (a
// leading "/" or ".."). "a/./b/../c.jpg" -> "a", "/x/../y/p.jpg" -> "y".
QString mirroredFolder(const QByteArray &givenPath);

} // namespace veltrane
