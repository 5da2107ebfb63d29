#pragma once

#include "common/Result.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryFile>
#include <memory>
#include <optional>

namespace veltrane {

// The names of a --files-from list, one at a time, one a line or each ending
// with NUL; empty names are passed over. A list that is not a plain file (the
// standard input, a pipe) is copied aside as it is read, so that it can be
// read a second time.
class NameList {
public:
  // Reads an open descriptor it does not own, once.
  NameList(int descriptor, bool nullSeparated);
  ~NameList();
  NameList(const NameList &) = delete;
  NameList &operator=(const NameList &) = delete;

  // "-" is the standard input. Fails with why the list cannot be read.
  static Result<std::unique_ptr<NameList>> open(const QByteArray &path, bool nullSeparated);

  // The next name; nothing at the end, or when reading failed (see error()).
  std::optional<QByteArray> next();
  // Why the list could not be read to its end; empty when it could.
  const QString &error() const { return m_error; }
  // Starts again at the first name.
  Result<> again();

private:
  bool fill();

  int m_descriptor;
  bool m_owned = false;
  char m_separator;
  QByteArray m_buffer;
  qsizetype m_at = 0;
  bool m_ended = false;
  QString m_error;
  std::unique_ptr<QTemporaryFile> m_copy; // of a list that cannot be read again
};

} // namespace veltrane
