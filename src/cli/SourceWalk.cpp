#include "cli/SourceWalk.h"
#include "cli/CommandLineText.h"

#include "filelist/SourceFiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace veltrane {
namespace {

const QString kNotAPictureName = QStringLiteral("not a picture file name this program reads");

bool isUtf8(const QByteArray &bytes) {
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString text = decoder.decode(bytes); // decoding happens on conversion
  return !decoder.hasError();
}

// A folder part as an output folder may be named: no control characters.
QString safeFolderPart(QString part) {
  for (QChar &c : part)
    if (c.unicode() < 0x20 || c.unicode() == 0x7f)
      c = u'_';
  return part;
}

QByteArray absolutePath(const QByteArray &path) {
  if (path.startsWith('/'))
    return path;
  return QFile::encodeName(QDir::currentPath()) + '/' + path;
}

// A closed-on-scope folder listing.
struct FolderListing {
  explicit FolderListing(const QByteArray &folder) : dir(::opendir(folder.constData())) {}
  ~FolderListing() {
    if (dir)
      ::closedir(dir);
  }
  FolderListing(const FolderListing &) = delete;
  FolderListing &operator=(const FolderListing &) = delete;
  DIR *dir;
};

} // namespace

QString nameText(const QByteArray &bytes) { return QString::fromUtf8(bytes); }

QString mirroredFolder(const QByteArray &givenPath) {
  QStringList parts = QDir::cleanPath(nameText(givenPath)).split(u'/', Qt::SkipEmptyParts);
  if (!parts.isEmpty())
    parts.removeLast(); // the file's own name
  while (!parts.isEmpty() && (parts.first() == QLatin1String("..") || parts.first() == QLatin1String(".")))
    parts.removeFirst();
  for (QString &part : parts)
    part = safeFolderPart(part);
  return parts.join(u'/');
}

QString LinkFolder::linkTo(const QByteArray &path, const QString &name) {
  if (!m_folder) {
    m_folder =
        std::make_unique<QTemporaryDir>(QDir::temp().filePath(QStringLiteral("veltrane-batch-XXXXXX")));
    if (!m_folder->isValid())
      return {};
  }
  const qsizetype dot = name.lastIndexOf(u'.');
  const QString link = m_folder->filePath(
      QString::fromLatin1(QCryptographicHash::hash(path, QCryptographicHash::Sha1).toHex().left(24)) +
      (dot >= 0 ? name.mid(dot).left(16) : QString()));
  if (::symlink(path.constData(), QFile::encodeName(link).constData()) != 0 && errno != EEXIST)
    return {};
  return link;
}

SourceWalk::SourceWalk(const SourceRequest &request, NameList *list, bool sameFolder, LinkFolder &links,
                       FailedFiles *refused)
    : m_files(request.files), m_list(list), m_recursive(request.recursive), m_sameFolder(sameFolder),
      m_links(links), m_refused(refused) {}

std::optional<SourceEntry> SourceWalk::next() {
  while (m_ready.empty()) {
    if (!m_folders.empty()) {
      auto [folder, subfolder] = std::move(m_folders.back());
      m_folders.pop_back();
      walkFolder(folder, subfolder);
    } else if (m_nextFile < m_files.size()) {
      add(m_files[m_nextFile++]);
    } else if (const std::optional<QByteArray> name = m_list ? m_list->next() : std::nullopt) {
      add(*name);
    } else {
      return std::nullopt;
    }
  }
  SourceEntry entry = std::move(m_ready.front());
  m_ready.pop_front();
  return entry;
}

void SourceWalk::refuse(const QString &name, const QString &reason) {
  if (m_refused)
    m_refused->add(name, reason);
}

void SourceWalk::add(const QByteArray &path) {
  if (path.isEmpty())
    return;
  const QString given = nameText(path);
  struct stat info {};
  if (::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode)) {
    if (m_recursive) {
      const QByteArray folder = absolutePath(path);
      m_folders.emplace_back(folder.endsWith('/') ? folder : folder + '/', QString());
    } else {
      refuse(given, QStringLiteral("a folder (add --recursive to take the pictures in it)"));
    }
    return;
  }
  // A file that is not there is the engine's to report, like any it cannot read.
  const QByteArray absolute = absolutePath(path);
  const qsizetype slash = absolute.lastIndexOf('/');
  addFile(absolute.left(slash + 1), absolute.mid(slash + 1), m_recursive ? mirroredFolder(path) : QString(),
          given);
}

// One folder of a walk: its files in byte order of their names, then its
// folders, depth first, so that every run over the same tree makes the same
// names. Hidden names are passed over, and links to folders are not
// followed, so no walk goes round in circles.
void SourceWalk::walkFolder(const QByteArray &folder, const QString &subfolder) {
  const FolderListing listing(folder);
  if (!listing.dir) {
    refuse(nameText(folder), QStringLiteral("the folder cannot be read (%1)").arg(qt_error_string(errno)));
    return;
  }
  std::vector<QByteArray> files;
  std::vector<QByteArray> subfolders;
  while (const dirent *entry = ::readdir(listing.dir)) {
    const QByteArray name(entry->d_name);
    if (name.startsWith('.'))
      continue;
    struct stat info {};
    if (::fstatat(::dirfd(listing.dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
      continue;
    if (S_ISDIR(info.st_mode))
      subfolders.push_back(name);
    else
      files.push_back(name);
  }
  std::sort(files.begin(), files.end());
  std::sort(subfolders.begin(), subfolders.end(), std::greater<>());
  for (const QByteArray &name : files)
    if (isPictureName(nameText(name)))
      addFile(folder, name, subfolder, QString());
  for (const QByteArray &name : subfolders) {
    const QString part = safeFolderPart(nameText(name));
    m_folders.emplace_back(folder + name + '/', subfolder.isEmpty() ? part : subfolder + u'/' + part);
  }
}

void SourceWalk::addFile(const QByteArray &folder, const QByteArray &name, const QString &subfolder,
                         const QString &given) {
  const QString text = nameText(name);
  if (!isPictureName(text)) {
    refuse(given, kNotAPictureName);
    return;
  }
  SourceEntry entry{folderText(folder), text, subfolder, QString()};
  const bool folderIsUtf8 = m_lastFolderIsUtf8; // of `folder`, just looked at
  if (!folderIsUtf8 || !isUtf8(name)) {
    if (m_sameFolder && !folderIsUtf8) {
      refuse(given.isEmpty() ? nameText(folder + name) : given,
             QStringLiteral("its folder's name is not UTF-8, so nothing can be written beside it "
                            "(give --output instead)"));
      return;
    }
    entry.readPath = m_links.linkTo(folder + name, text);
    if (entry.readPath.isEmpty()) {
      refuse(nameText(folder + name),
             QStringLiteral("its name is not UTF-8, and no link to it could be made"));
      return;
    }
  }
  m_ready.push_back(std::move(entry));
}

QString SourceWalk::folderText(const QByteArray &folder) {
  if (folder != m_lastFolder) {
    m_lastFolder = folder;
    m_lastFolderText = QDir::cleanPath(nameText(folder));
    m_lastFolderIsUtf8 = isUtf8(folder);
  }
  return m_lastFolderText;
}

Result<std::unique_ptr<CommandLineSources>> CommandLineSources::open(const SourceRequest &request,
                                                                     bool sameFolder,
                                                                     std::optional<FileIdentity> notASource) {
  auto sources = std::make_unique<CommandLineSources>();
  const auto cannotRead = [&](const QString &why) {
    return failure(CommandLineText::tr("the list %1 cannot be read: %2").arg(nameText(*request.filesFrom), why));
  };
  if (request.filesFrom) {
    Result<std::unique_ptr<NameList>> list = NameList::open(*request.filesFrom, request.nullSeparated);
    if (!list)
      return cannotRead(list.reason());
    sources->m_list = std::move(*list);
  }
  SourceWalk counting(request, sources->m_list.get(), sameFolder, sources->m_links, &sources->m_refused);
  while (const std::optional<SourceEntry> entry = counting.next()) {
    ++sources->m_count;
    const QString path = entry->readPath.isEmpty() ? sourcePath(*entry) : entry->readPath;
    if (notASource && identityOf(QFile::encodeName(path)) == notASource)
      return failure(CommandLineText::tr("the report is one of the sources (%1); give the report another name")
                         .arg(sourcePath(*entry)));
  }
  if (sources->m_list) {
    if (!sources->m_list->error().isEmpty())
      return cannotRead(sources->m_list->error());
    if (const Result<> again = sources->m_list->again(); !again)
      return cannotRead(again.reason());
  }
  sources->m_walk =
      std::make_unique<SourceWalk>(request, sources->m_list.get(), sameFolder, sources->m_links, nullptr);
  sources->m_walk->expect(sources->m_count);
  return sources;
}

} // namespace veltrane
