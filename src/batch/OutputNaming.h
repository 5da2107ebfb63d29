#pragma once

#include "presets/FileNameCharacters.h"
#include "presets/OutputFormat.h"

#include <QSize>
#include <QString>
#include <functional>
#include <optional>

namespace veltrane {

// What the placeholders of a suffix template stand for.
struct SuffixValues {
  QString quality; // "85%" or "100k", fixed when the batch starts
  int width = 0;
  int height = 0;
  QString frame; // the selected frame list entry's text
};

inline const QString kReadyMadeTemplate = QStringLiteral("_[W]x[H]@[Q]+[F]");

// The template with [Q], [H], [W] and [F] replaced in that order (letter case
// ignored), one left-to-right pass each: an inserted value is not expanded
// again by its own placeholder.
QString substituteSuffix(const QString &templ, const SuffixValues &values);

// The output file name: stem, suffix and the extension (".jpg"), kept within the 255 bytes a
// file name may have on Linux, with room for a " (n)" the renumbering adds.
// The stem is shortened first, on a character boundary. A "/" or a control
// character becomes "_".
QString outputFileName(const QString &stem, const QString &suffix,
                       const QString &extension = QStringLiteral(".jpg"));

// What one output's name is made of, besides the picture's size and format.
struct OutputName {
  QString folder;
  QString sourceName; // the source's file name
  std::optional<QString> suffixTemplate;
  SuffixValues values; // the quality and frame; the size is the picture's

  // The path wanted, before any " (2)".
  QString wanted(QSize size, OutputFormat format) const;
  // Whether the name is known before the picture is encoded: a size limit
  // may make the picture smaller, which changes [W] and [H].
  bool knownBeforeEncoding(bool sizeLimited) const;
};

// The file name up to its last "."; the whole name when it has none.
QString stem(const QString &fileName);

// True when a file or folder (or a link, even a dangling one) has that path.
bool fileExists(const QString &path);

// The path itself when free, otherwise "base (n).ext" with the first free n
// from 2 upward.
QString nextFreeName(const QString &path);
// The same with another idea of what is taken: a dry run counts the names it
// has given out as well.
QString nextUntakenName(const QString &path, const std::function<bool(const QString &)> &taken);

} // namespace veltrane
