#pragma once

#include <QByteArray>
#include <QString>

namespace veltrane {

// How a finished temporary file is put under a name without replacing
// anything there: a hard link where the file system has them, else an
// exclusive rename, else an exclusive create and a second write.
enum class NewFileMethod { HardLink, RenameNoReplace, ExclusiveCreate };

// A hidden file written beside its destination before it is put in place.
// Its name, ".veltrane-HOST-PID-RANDOM.tmp", says which process on which
// machine writes it, so that a later run can remove the ones that killed
// processes left (removeAbandonedTemporaryFiles) even in a folder that
// several machines share. It is created exclusively, never through a link,
// and removed again unless it was moved into place.
//
// Every operation returns 0 or the errno of the failure.
class TemporaryFile {
public:
  // Creates the file in the folder; error() says whether that worked.
  explicit TemporaryFile(const QByteArray &folder);
  TemporaryFile(const TemporaryFile &) = delete;
  TemporaryFile &operator=(const TemporaryFile &) = delete;
  ~TemporaryFile();

  int error() const { return m_error; }
  int fd() const { return m_fd; }
  const QByteArray &path() const { return m_path; }

  int write(const QByteArray &bytes);
  // Closes the file, first making its contents durable when asked (a file
  // that replaces another must be whole on disk before the rename).
  int close(bool durable);
  // Moves the closed file to the target, replacing what is there; a link
  // there is replaced, not followed.
  int replace(const QByteArray &target);
  // Puts the closed file at the target unless the name is taken (EEXIST),
  // also by a link. `method` is the one to try first; it moves on to the
  // next when the file system lacks it, and says so for the next call.
  // `bytes` are the contents, for the exclusive create.
  int publishNew(const QByteArray &target, const QByteArray &bytes, NewFileMethod &method);

private:
  int m_fd = -1;
  int m_error = 0;
  QByteArray m_path;
};

// Removes the temporary files in the folder that processes on this machine
// left behind when they were killed. Files of running processes and of other
// machines are left alone. Returns how many were removed.
int removeAbandonedTemporaryFiles(const QString &folder);

// Makes a rename or a new file in the folder durable; best effort.
void syncFolder(const QByteArray &folder);

// The folder part of an encoded path: "." for a bare name.
QByteArray folderOfPath(const QByteArray &path);

} // namespace veltrane
