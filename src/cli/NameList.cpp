#include "cli/NameList.h"

#include <QDir>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace veltrane {
namespace {

constexpr qsizetype kReadSize = 65536;

bool writeAll(int descriptor, const char *data, qsizetype size) {
  while (size > 0) {
    const ssize_t wrote = ::write(descriptor, data, size_t(size));
    if (wrote < 0 && errno == EINTR)
      continue;
    if (wrote <= 0)
      return false;
    data += wrote;
    size -= wrote;
  }
  return true;
}

} // namespace

NameList::NameList(int descriptor, bool nullSeparated)
    : m_descriptor(descriptor), m_separator(nullSeparated ? '\0' : '\n') {}

NameList::~NameList() {
  if (m_owned)
    ::close(m_descriptor);
}

Result<std::unique_ptr<NameList>> NameList::open(const QByteArray &path, bool nullSeparated) {
  const bool standardInput = path == "-";
  const int descriptor = standardInput ? STDIN_FILENO : ::open(path.constData(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0)
    return failure(qt_error_string(errno));
  auto list = std::make_unique<NameList>(descriptor, nullSeparated);
  list->m_owned = !standardInput;
  struct stat info {};
  if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
    list->m_copy =
        std::make_unique<QTemporaryFile>(QDir::temp().filePath(QStringLiteral("veltrane-list-XXXXXX")));
    if (!list->m_copy->open())
      return failure(QStringLiteral("no copy of it can be kept: %1").arg(list->m_copy->errorString()));
  }
  return list;
}

bool NameList::fill() {
  if (m_ended)
    return false;
  m_buffer.remove(0, m_at);
  m_at = 0;
  const qsizetype kept = m_buffer.size();
  m_buffer.resize(kept + kReadSize);
  ssize_t got;
  do
    got = ::read(m_descriptor, m_buffer.data() + kept, size_t(kReadSize));
  while (got < 0 && errno == EINTR);
  m_buffer.resize(kept + std::max<ssize_t>(got, 0));
  if (got < 0)
    m_error = qt_error_string(errno);
  else if (got > 0 && m_copy && !writeAll(int(m_copy->handle()), m_buffer.constData() + kept, got))
    m_error = QStringLiteral("no copy of it can be kept: %1").arg(qt_error_string(errno));
  m_ended = got <= 0 || !m_error.isEmpty();
  return !m_ended;
}

std::optional<QByteArray> NameList::next() {
  while (true) {
    const qsizetype end = m_buffer.indexOf(m_separator, m_at);
    if (end < 0 && fill())
      continue;
    if (!m_error.isEmpty())
      return std::nullopt;
    const qsizetype stop = end < 0 ? m_buffer.size() : end;
    QByteArray name = m_buffer.mid(m_at, stop - m_at);
    m_at = end < 0 ? m_buffer.size() : end + 1;
    if (!name.isEmpty())
      return name;
    if (end < 0)
      return std::nullopt;
  }
}

Result<> NameList::again() {
  if (m_copy) {
    const int copy = ::open(QFile::encodeName(m_copy->fileName()).constData(), O_RDONLY | O_CLOEXEC);
    if (copy < 0)
      return failure(qt_error_string(errno));
    // From now on the copy is the list; its name goes, the open descriptor keeps it.
    if (m_owned)
      ::close(m_descriptor);
    m_descriptor = copy;
    m_owned = true;
    m_copy.reset();
  } else if (::lseek(m_descriptor, 0, SEEK_SET) != 0) {
    return failure(qt_error_string(errno));
  }
  m_buffer.clear();
  m_at = 0;
  m_ended = false;
  m_error.clear();
  return {};
}

} // namespace veltrane
