#include "batch/OutputNaming.h"

#include <QDir>
#include <QFileInfo>

namespace veltrane {
namespace {

QString replaceOnePass(const QString &text, QStringView placeholder, const QString &value) {
  QString result;
  qsizetype from = 0;
  for (;;) {
    const qsizetype at = text.indexOf(placeholder, from, Qt::CaseInsensitive);
    if (at < 0)
      break;
    result += QStringView(text).mid(from, at - from);
    result += value;
    from = at + placeholder.size();
  }
  result += QStringView(text).mid(from);
  return result;
}

} // namespace

QString substituteSuffix(const QString &templ, const SuffixValues &values) {
  QString suffix = replaceOnePass(templ, u"[Q]", values.quality);
  suffix = replaceOnePass(suffix, u"[H]", QString::number(values.height));
  suffix = replaceOnePass(suffix, u"[W]", QString::number(values.width));
  return replaceOnePass(suffix, u"[F]", values.frame);
}

namespace {

// Cuts text to at most `bytes` bytes of UTF-8 without splitting a character.
QString cutToBytes(const QString &text, qsizetype bytes) {
  QString result;
  qsizetype used = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    const qsizetype size = text.mid(i, length).toUtf8().size();
    if (used + size > bytes)
      break;
    result += text.mid(i, length);
    used += size;
    i += length - 1;
  }
  return result;
}

// A "/" would put the file into another folder, and control characters
// (a newline from a pasted suffix or a frame's file name) break every script
// that lists the folder.
QString safeForFileName(QString text) {
  for (QChar &c : text)
    if (c == u'/' || c.category() == QChar::Other_Control)
      c = u'_';
  return text;
}

} // namespace

QString outputFileName(const QString &rawStem, const QString &rawSuffix, const QString &extension) {
  constexpr qsizetype kMaxNameBytes = 255;
  constexpr qsizetype kRenumberRoom = 8; // " (99999)"
  const QString stem = safeForFileName(rawStem);
  const QString suffix = safeForFileName(rawSuffix);
  const qsizetype room = kMaxNameBytes - kRenumberRoom - extension.size();
  const qsizetype suffixBytes = suffix.toUtf8().size();
  if (stem.toUtf8().size() + suffixBytes <= room)
    return stem + suffix + extension;
  if (suffixBytes >= room)
    return cutToBytes(suffix, room) + extension;
  return cutToBytes(stem, room - suffixBytes) + suffix + extension;
}

QString OutputName::wanted(QSize size, OutputFormat format) const {
  SuffixValues sized = values;
  sized.width = size.width();
  sized.height = size.height();
  const QString suffix = suffixTemplate ? substituteSuffix(*suffixTemplate, sized) : QString();
  return QDir::cleanPath(folder + u'/' + outputFileName(stem(sourceName), suffix, formatExtension(format)));
}

bool OutputName::knownBeforeEncoding(bool sizeLimited) const {
  return !sizeLimited || !suffixTemplate ||
         (!suffixTemplate->contains(u"[W]", Qt::CaseInsensitive) &&
          !suffixTemplate->contains(u"[H]", Qt::CaseInsensitive));
}

QString stem(const QString &fileName) {
  const qsizetype dot = fileName.lastIndexOf(u'.');
  return dot < 0 ? fileName : fileName.left(dot);
}

bool fileExists(const QString &path) {
  if (path.isEmpty())
    return false;
  const QFileInfo info(path);
  return info.exists() || info.isSymLink();
}

QString nextFreeName(const QString &path) { return nextUntakenName(path, fileExists); }

QString nextUntakenName(const QString &path, const std::function<bool(const QString &)> &taken) {
  if (!taken(path))
    return path;
  // Only a "." in the last path element starts an extension.
  const qsizetype slash = path.lastIndexOf(u'/');
  const qsizetype dot = path.lastIndexOf(u'.');
  const bool hasExtension = dot > slash;
  const QString base = hasExtension ? path.left(dot) : path;
  const QString tail = hasExtension ? path.mid(dot) : QString();
  for (qint64 n = 2;; ++n) {
    const QString candidate = base + QStringLiteral(" (") + QString::number(n) + u')' + tail;
    if (!taken(candidate))
      return candidate;
  }
}

} // namespace veltrane
