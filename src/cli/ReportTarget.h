#pragma once

#include "cli/BatchOptions.h"
#include "common/Result.h"

#include <QByteArray>
#include <optional>
#include <sys/types.h>

namespace veltrane {

// One file, however it is named: "./x.jpg", "x.jpg" and a link to it are the same.
struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  bool operator==(const FileIdentity &) const = default;
};

// The identity of what `path` names, links followed; nothing when it is missing.
std::optional<FileIdentity> identityOf(const QByteArray &path);

// Whether --report may name `report`: "-", a new file, a pipe or a device,
// and an earlier report (which is replaced) may; the list of names and a
// file of the user's that holds anything else may not, so that a mistyped
// name never empties a photo or the list. Gives the identity of an existing
// file, for the caller to refuse the sources that are it.
Result<std::optional<FileIdentity>> checkReportTarget(const QByteArray &report, const SourceRequest &sources);

} // namespace veltrane
