#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace veltrane {

class PictureDecoder;

// The installed frames: picture files named "name_x1-y1-x2-y2.ext" in the
// frames folders.
class FrameLibrary {
public:
  struct Frame {
    QString name;     // what the frame list shows
    QString fileName; // without folder
    QString path;
    bool operator==(const Frame &) const = default;
  };

  // Lists every regular file that has a "_" in its name and decodes as a
  // picture, sorted by file name so the list is the same on every machine.
  // A file name found in two folders is taken from the earlier folder.
  static FrameLibrary scan(const QStringList &folders, PictureDecoder &decoder);
  static FrameLibrary fromFrames(QList<Frame> frames);

  const QList<Frame> &frames() const { return m_frames; }
  bool isEmpty() const { return m_frames.isEmpty(); }
  QStringList names() const;
  // "(no frame)", the try-all entry, then the names.
  QStringList entries() const;

  // The file used for a frame list entry: the first whose name begins with
  // the entry's text and "_". The try-all entry uses the first frame entry.
  // Nothing for entry 0, or when no file matches.
  const Frame *frameForEntry(int entry, const QStringList &entries) const;

private:
  QList<Frame> m_frames;
};

} // namespace veltrane
