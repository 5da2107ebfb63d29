#include "app/SourceWalk.h"

#include "filelist/SourceFiles.h"

#include <QDir>
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

SourceWalk::SourceWalk(bool recursive, bool sameFolder) : m_recursive(recursive), m_sameFolder(sameFolder) {}

SourceWalk::~SourceWalk() = default;

void SourceWalk::add(const QByteArray &path) {
  if (path.isEmpty())
    return;
  const QString given = nameText(path);
  struct stat info {};
  if (::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode)) {
    if (m_recursive)
      walkFolder(absolutePath(path));
    else
      m_refused.add(given, QStringLiteral("a folder (add --recursive to take the pictures in it)"));
    return;
  }
  // A file that is not there is the engine's to report, like any it cannot read.
  const QByteArray absolute = absolutePath(path);
  const qsizetype slash = absolute.lastIndexOf('/');
  addFile(absolute.left(slash + 1), absolute.mid(slash + 1), m_recursive ? mirroredFolder(path) : QString(),
          given);
}

// Depth first in byte order of the names, each folder's files before its
// folders, so that every run over the same tree makes the same names.
// Hidden names are passed over, and links to folders are not followed, so
// no walk goes round in circles.
void SourceWalk::walkFolder(const QByteArray &top) {
  std::vector<std::pair<QByteArray, QString>> folders{{top.endsWith('/') ? top : top + '/', QString()}};
  while (!folders.empty()) {
    const auto [folder, subfolder] = std::move(folders.back());
    folders.pop_back();
    const FolderListing listing(folder);
    if (!listing.dir) {
      m_refused.add(nameText(folder),
                    QStringLiteral("the folder cannot be read (%1)").arg(qt_error_string(errno)));
      continue;
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
      folders.emplace_back(folder + name + '/', subfolder.isEmpty() ? part : subfolder + u'/' + part);
    }
  }
}

void SourceWalk::addFile(const QByteArray &folder, const QByteArray &name, const QString &subfolder,
                         const QString &given) {
  const QString text = nameText(name);
  if (!isPictureName(text)) {
    m_refused.add(given, kNotAPictureName);
    return;
  }
  SourceEntry entry{folderText(folder), text, subfolder, QString()};
  const bool folderIsUtf8 = m_lastFolderIsUtf8; // of `folder`, just looked at
  if (!folderIsUtf8 || !isUtf8(name)) {
    if (m_sameFolder && !folderIsUtf8) {
      m_refused.add(given.isEmpty() ? nameText(folder + name) : given,
                    QStringLiteral("its folder's name is not UTF-8, so nothing can be written beside it "
                                   "(give --output instead)"));
      return;
    }
    entry.readPath = linkTo(folder + name, text);
    if (entry.readPath.isEmpty()) {
      m_refused.add(nameText(folder + name),
                    QStringLiteral("its name is not UTF-8, and no link to it could be made"));
      return;
    }
  }
  m_sources.append(std::move(entry));
}

QString SourceWalk::folderText(const QByteArray &folder) {
  if (folder != m_lastFolder) {
    m_lastFolder = folder;
    m_lastFolderText = QDir::cleanPath(nameText(folder));
    m_lastFolderIsUtf8 = isUtf8(folder);
  }
  return m_lastFolderText;
}

// The engine names files by text; a name that is not UTF-8 has no text that
// opens it, so it is read through a link whose name has one.
QString SourceWalk::linkTo(const QByteArray &path, const QString &name) {
  if (!m_links) {
    m_links = std::make_unique<QTemporaryDir>(QDir::temp().filePath(QStringLiteral("veltrane-batch-XXXXXX")));
    if (!m_links->isValid())
      return {};
  }
  const qsizetype dot = name.lastIndexOf(u'.');
  const QString link =
      m_links->filePath(QString::number(++m_linkCount) + (dot >= 0 ? name.mid(dot).left(16) : QString()));
  if (::symlink(path.constData(), QFile::encodeName(link).constData()) != 0)
    return {};
  return link;
}

Result<> readNameList(int descriptor, bool nullSeparated,
                      const std::function<void(const QByteArray &)> &take) {
  const char separator = nullSeparated ? '\0' : '\n';
  QByteArray pending;
  char buffer[65536];
  while (true) {
    const ssize_t got = ::read(descriptor, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR)
      continue;
    if (got < 0)
      return failure(qt_error_string(errno));
    if (got == 0)
      break;
    qsizetype start = 0;
    for (qsizetype i = 0; i < got; ++i)
      if (buffer[i] == separator) {
        pending.append(buffer + start, i - start);
        if (!pending.isEmpty())
          take(pending);
        pending.clear();
        start = i + 1;
      }
    pending.append(buffer + start, got - start);
  }
  if (!pending.isEmpty())
    take(pending);
  return {};
}

} // namespace veltrane
