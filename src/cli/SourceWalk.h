#pragma once

#include "batch/SourceFeed.h"
#include "cli/BatchOptions.h"
#include "cli/NameList.h"
#include "cli/ReportTarget.h"
#include "common/FailedFiles.h"
#include "common/Result.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <vector>

namespace veltrane {

// Links with UTF-8 names to files whose own names are not: the engine names
// files by text, and such a name has no text that opens it.
class LinkFolder {
public:
  // A link to `path` with the extension of `name`; the same path always gets
  // the same link. Empty when none can be made.
  QString linkTo(const QByteArray &path, const QString &name);

private:
  std::unique_ptr<QTemporaryDir> m_folder; // made on first need
};

// The command line's sources, files and folders by their bytes as Linux
// names them, given one at a time as the engine's entries.
class SourceWalk final : public SourceFeed {
public:
  // `recursive`: folders are walked and every source keeps its folders below
  // the output folder. `sameFolder`: outputs go beside their sources, so a
  // source's folder must be one the program can name. Names left out are
  // added to `refused` when given.
  SourceWalk(const SourceRequest &request, NameList *list, bool sameFolder, LinkFolder &links,
             FailedFiles *refused);

  std::optional<SourceEntry> next() override;
  qsizetype expected() const override { return m_expected; }
  void expect(qsizetype count) { m_expected = count; }

private:
  void add(const QByteArray &path);
  void walkFolder(const QByteArray &folder, const QString &subfolder);
  void addFile(const QByteArray &folder, const QByteArray &name, const QString &subfolder,
               const QString &given);
  void refuse(const QString &name, const QString &reason);
  QString folderText(const QByteArray &folder);

  const QByteArrayList m_files;
  qsizetype m_nextFile = 0;
  NameList *m_list;
  bool m_recursive;
  bool m_sameFolder;
  LinkFolder &m_links;
  FailedFiles *m_refused;
  qsizetype m_expected = 0;
  std::deque<SourceEntry> m_ready;                       // found, not yet given
  std::vector<std::pair<QByteArray, QString>> m_folders; // still to walk, the next one last
  // The last folder's bytes and text, so that its files share one text.
  QByteArray m_lastFolder;
  QString m_lastFolderText;
  bool m_lastFolderIsUtf8 = true;
};

// The command line's sources, walked twice: once to count them and find the
// names refused, then for the batch, one at a time, so that no list of them
// is ever held: 100,000 names cost what ten do.
class CommandLineSources {
public:
  // Fails with why the list file cannot be read, or when a source is the
  // file `notASource` names (the report's).
  static Result<std::unique_ptr<CommandLineSources>> open(const SourceRequest &request, bool sameFolder,
                                                          std::optional<FileIdentity> notASource = {});

  qsizetype count() const { return m_count; }
  // Names left out, as given, with the reason.
  const FailedFiles &refused() const { return m_refused; }
  // The sources for the batch; once only.
  SourceFeed &feed() { return *m_walk; }
  // Why the list could not be read again to its end; empty when it could.
  QString error() const { return m_list ? m_list->error() : QString(); }

private:
  std::unique_ptr<NameList> m_list;
  LinkFolder m_links;
  FailedFiles m_refused;
  qsizetype m_count = 0;
  std::unique_ptr<SourceWalk> m_walk;
};

// A name's text: UTF-8, with U+FFFD for each byte that is not.
QString nameText(const QByteArray &bytes);

// The folders a named file keeps below the output folder: its path as given,
// cleaned, without the name and without what climbs above its start (a
// leading "/" or ".."). "a/./b/../c.jpg" -> "a", "/x/../y/p.jpg" -> "y".
QString mirroredFolder(const QByteArray &givenPath);

} // namespace veltrane
