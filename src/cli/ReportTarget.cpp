#include "cli/ReportTarget.h"
#include "cli/CommandLineText.h"

#include "cli/JsonReport.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace veltrane {
namespace {

// An earlier report's first line is one JSON object; a photo's or a list's
// first bytes are not. Longer than any line a report writes is not one.
constexpr qint64 kLongestReportLine = 1 << 20;

bool startsAsReport(const QByteArray &path) {
  QFile file(QFile::decodeName(path));
  if (!file.open(QIODevice::ReadOnly))
    return false;
  const QByteArray first = file.readLine(kLongestReportLine);
  return JsonReport::isReportLine(first);
}

std::optional<FileIdentity> identityOfDescriptor(int descriptor) {
  struct stat info {};
  if (::fstat(descriptor, &info) != 0)
    return std::nullopt;
  return FileIdentity{info.st_dev, info.st_ino};
}

} // namespace

std::optional<FileIdentity> identityOf(const QByteArray &path) {
  struct stat info {};
  if (::stat(path.constData(), &info) != 0)
    return std::nullopt;
  return FileIdentity{info.st_dev, info.st_ino};
}

Result<std::optional<FileIdentity>> checkReportTarget(const QByteArray &report,
                                                      const SourceRequest &sources) {
  if (report == "-")
    return std::optional<FileIdentity>();
  struct stat info {};
  // Missing, or not to be read: opening it says why, if anything is wrong.
  if (::stat(report.constData(), &info) != 0 || !S_ISREG(info.st_mode))
    return std::optional<FileIdentity>();
  const FileIdentity identity{info.st_dev, info.st_ino};
  const QString name = QFile::decodeName(report);
  if (sources.filesFrom) {
    const std::optional<FileIdentity> list =
        *sources.filesFrom == "-" ? identityOfDescriptor(STDIN_FILENO) : identityOf(*sources.filesFrom);
    if (list == identity)
      return failure(CommandLineText::tr("the report %1 is the list of names (--files-from); "
                                    "give the report another name")
                         .arg(name));
  }
  if (info.st_size > 0 && !startsAsReport(report))
    return failure(CommandLineText::tr("%1 exists and is not a report of veltrane-batch, so it is left alone; "
                                  "give --report a new name or remove the file")
                       .arg(name));
  return std::optional<FileIdentity>(identity);
}

} // namespace veltrane
