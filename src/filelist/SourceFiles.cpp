#include "filelist/SourceFiles.h"
#include "common/MessageText.h"

#include "common/FailedFiles.h"
#include "filelist/SourceList.h"

using namespace Qt::StringLiterals;

namespace veltrane {
namespace {

// A full list names this many of the files it left out, then counts the rest.
constexpr int kNamedLeftOut = 10;

} // namespace

SourcePath splitSourcePath(const QString &path, const QString &folder) {
  const qsizetype slash = path.lastIndexOf(u'/');
  if (slash < 0)
    return {folder, path};
  return {path.left(slash + 1), path.mid(slash + 1)};
}

const QStringList &pictureExtensions() {
  static const QStringList extensions = {u"JPG"_s,  u"JPEG"_s, u"JFIF"_s, u"PNG"_s,  u"WEBP"_s, u"TIF"_s,
                                         u"TIFF"_s, u"HEIC"_s, u"HEIF"_s, u"AVIF"_s, u"GIF"_s,  u"BMP"_s};
  return extensions;
}

bool isPictureName(const QString &name) {
  return pictureExtensions().contains(name.mid(name.lastIndexOf(u'.') + 1).toUpper());
}

AddResult addThis(SourceList &list, const QString &path, const QString &folder, FailedFiles &refused,
                  QStringList &leftOut) {
  if (path.isEmpty())
    return AddResult::Ignored;
  const SourcePath source = splitSourcePath(path, folder);
  if (!isPictureName(source.name)) {
    // A dropped folder ends in "/": name it by its path rather than by nothing.
    refused.add(source.name.isEmpty() ? path : source.name);
    return AddResult::Refused;
  }
  if (!list.addFile(source.folder, source.name)) {
    leftOut.append(path);
    return AddResult::LeftOut;
  }
  return AddResult::Added;
}

QString commandLineFile(const QString &commandLine) {
  if (commandLine.startsWith(u'"'))
    return commandLine.mid(1, commandLine.size() - 2);
  return commandLine;
}

Removal removeMarkedOrSelected(SourceList &list, int currentRow) {
  if (list.markedCount() > 0) {
    list.removeMarked();
    return Removal::Marked;
  }
  if (currentRow >= 1 && currentRow <= list.fileCount()) {
    list.removeRows({currentRow});
    return Removal::Selected;
  }
  return Removal::None;
}

Prompt dialogReport(const FailedFiles &refused) {
  return {MessageText::tr("Couldn't process the following files.."), refused.text(), PromptIcon::Information};
}

Prompt dropReport(const FailedFiles &refused) {
  return {MessageText::tr("Can only read JPG, PNG, WebP, TIFF, HEIC, AVIF, GIF and BMP!"),
          MessageText::tr("The following files were skipped: ") + refused.text(), PromptIcon::Information};
}

Prompt listFullReport(const QStringList &leftOut) {
  QStringList names;
  for (const QString &path : leftOut.mid(0, kNamedLeftOut))
    names.append(splitSourcePath(path, {}).name);
  const QString named = names.join(QStringLiteral(", "));
  const qsizetype more = leftOut.size() - kNamedLeftOut;
  const QString text =
      leftOut.size() == 1 ? MessageText::tr("The list holds at most %1 files, so this file was left out: %2.")
                                .arg(SourceList::kCapacity)
                                .arg(named)
      : more <= 0 ? MessageText::tr("The list holds at most %1 files, so these files were left out: %2.")
                        .arg(SourceList::kCapacity)
                        .arg(named)
                  : MessageText::tr("The list holds at most %1 files, so these files were left out: %2 and %3 more.")
                        .arg(SourceList::kCapacity)
                        .arg(named)
                        .arg(more);
  return {MessageText::tr("The list is full"), text, PromptIcon::Exclamation};
}

QString addDialogFilter() {
  // "Description|*.a;*.b|..." in the dialog's notation "Description (*.a *.b);;...".
  const QStringList parts =
      (MessageText::tr("Images (JPG, PNG, WebP, TIFF, HEIC, AVIF, GIF, BMP)") + QStringLiteral("|"
          "*.jpg;*.jpeg;*.jfif;*.png;*.webp;*.tif;"
          "*.tiff;*.heic;*.heif;*.avif;*.gif;*.bmp"))
          .split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
    filters.append(parts[i] + QStringLiteral(" (") + QString(parts[i + 1]).replace(u';', u' ') + u')');
  return filters.join(QStringLiteral(";;"));
}

} // namespace veltrane
