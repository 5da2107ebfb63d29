#include "imaging/FrameLibrary.h"

#include "imaging/FrameWindow.h"
#include "imaging/PictureDecoder.h"
#include "presets/FrameList.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

namespace veltrane {

FrameLibrary FrameLibrary::scan(const QStringList &folders, PictureDecoder &decoder) {
  QList<Frame> frames;
  QSet<QString> seen;
  for (const QString &folder : folders) {
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &file : files) {
      const auto name = frameNameFromFile(file.fileName());
      if (!name || !file.isFile() || seen.contains(file.fileName()))
        continue;
      if (!decoder.probeFile(file.filePath()).ok())
        continue;
      seen.insert(file.fileName());
      frames.append({*name, file.fileName(), file.filePath()});
    }
  }
  return fromFrames(std::move(frames));
}

FrameLibrary FrameLibrary::fromFrames(QList<Frame> frames) {
  std::stable_sort(frames.begin(), frames.end(),
                   [](const Frame &a, const Frame &b) { return a.fileName < b.fileName; });
  FrameLibrary library;
  library.m_frames = std::move(frames);
  return library;
}

QStringList FrameLibrary::names() const {
  QStringList names;
  for (const Frame &frame : m_frames)
    names.append(frame.name);
  return names;
}

QStringList FrameLibrary::entries() const { return frameListEntries(names()); }

const FrameLibrary::Frame *FrameLibrary::frameForEntry(int entry, const QStringList &entries) const {
  if (entry == kTryAllEntry)
    entry = kFirstFrameEntry;
  if (entry < kFirstFrameEntry || entry >= entries.size())
    return nullptr;
  const QString prefix = entries[entry] + u'_';
  for (const Frame &frame : m_frames)
    if (frame.fileName.startsWith(prefix))
      return &frame;
  return nullptr;
}

} // namespace veltrane
