#pragma once

#include "imaging/SourceFormat.h"
#include "presets/ResizeJob.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace veltrane {

class PicturePreparer;

// The picture the frame chooser shows and the size controls take their
// proportions from: the selected file as decoded, or with a frame chosen,
// prepared exactly as the batch would prepare it (with "TRY ALL" and
// "N FRAMES" printed on it for the try-all entry). Decoding happens on a
// thread of its own, so the window never waits for it; the newest request
// wins and an outdated result is dropped. The decoded file is kept while
// only the job changes.
class SourceBox : public QObject {
  Q_OBJECT
public:
  struct Request {
    QString path; // empty: nothing selected
    ResizeJob job;
    QStringList frameEntries;
  };

  // What the box shows once a request is done.
  struct Content {
    QImage picture;                              // fit for showing; may be smaller than `size`
    QSize size;                                  // the picture's own size: the file's, or the prepared one
    QString reason;                              // why there is no picture, when the file cannot be used
    SourceFormat format = SourceFormat::Unknown; // what the file is
  };

  // `displayLimit`: a decoded file is kept no larger than this (the screen).
  SourceBox(const PicturePreparer &preparer, QSize displayLimit, QObject *parent = nullptr);
  ~SourceBox() override;

  // Starts loading; replaces any request not yet begun.
  void request(Request request);
  const Content &content() const { return m_content; }
  // True while a request is being loaded or waits.
  bool busy() const { return m_requested != m_shown; }

signals:
  void changed();

private:
  void run();
  Content load(const Request &request);
  void show(quint64 generation, Content content);

  const PicturePreparer &m_preparer;
  const QSize m_displayLimit;
  Content m_content;
  quint64 m_requested = 0; // UI thread only
  quint64 m_shown = 0;

  std::mutex m_mutex;
  std::condition_variable m_wake;
  std::optional<std::pair<quint64, Request>> m_pending;
  bool m_closing = false;

  // The worker's own: the last file decoded, kept while only the job changes.
  QString m_cachedPath;
  qint64 m_cachedStamp = 0;
  Content m_cached;

  std::thread m_thread; // last: starts once everything else exists
};

} // namespace veltrane
