#include "ui/SourceBox.h"
#include "ui/WindowText.h"

#include "imaging/Captions.h"
#include "imaging/PictureDecoder.h"
#include "imaging/PicturePreparer.h"
#include "presets/FrameList.h"

#include <QFileInfo>
#include <QMetaObject>

namespace veltrane {
namespace {

// Changes when the file is replaced or rewritten, so an edited file is read again.
qint64 stampOf(const QString &path) {
  const QFileInfo info(path);
  return info.lastModified().toMSecsSinceEpoch() ^ (info.size() << 20);
}

void printTryAllCaptions(QImage &picture, int frameCount) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  printCaption(picture, font, PreviewWindowText::tr("TRY ALL"), kCentred, 0, true, Qt::white);
  printCaption(picture, font, QString::number(frameCount) + PreviewWindowText::tr(" FRAMES"), kCentred, kBottom,
               true, Qt::white);
}

} // namespace

SourceBox::SourceBox(const PicturePreparer &preparer, QSize displayLimit, QObject *parent)
    : QObject(parent), m_preparer(preparer), m_displayLimit(displayLimit), m_thread([this] { run(); }) {}

SourceBox::~SourceBox() {
  {
    const std::lock_guard lock(m_mutex);
    m_closing = true;
  }
  m_wake.notify_all();
  m_thread.join();
}

void SourceBox::request(Request request) {
  {
    const std::lock_guard lock(m_mutex);
    m_pending.emplace(++m_requested, std::move(request));
  }
  m_wake.notify_all();
}

void SourceBox::run() {
  for (;;) {
    std::pair<quint64, Request> next;
    {
      std::unique_lock lock(m_mutex);
      m_wake.wait(lock, [&] { return m_closing || m_pending; });
      if (m_closing)
        return;
      next = std::move(*m_pending);
      m_pending.reset();
    }
    Content content = load(next.second);
    QMetaObject::invokeMethod(
        this,
        [this, generation = next.first, content = std::move(content)]() mutable {
          show(generation, std::move(content));
        },
        Qt::QueuedConnection);
  }
}

SourceBox::Content SourceBox::load(const Request &request) {
  if (request.path.isEmpty())
    return {};
  if (request.job.frame <= kNoFrameEntry) {
    const qint64 stamp = stampOf(request.path);
    if (request.path != m_cachedPath || stamp != m_cachedStamp) {
      PictureDecoder decoder;
      DecodeRequest decode;
      decode.keepTransparency = true; // the preview shows it when the format written keeps it
      decode.neededSize = [limit = m_displayLimit](QSize full) {
        return full.scaled(limit, Qt::KeepAspectRatio);
      };
      DecodeResult decoded = decoder.decodeFile(request.path, decode);
      m_cached = decoded.ok() ? Content{std::move(decoded.picture->image), decoded.picture->fullSize, {}}
                              : Content{{}, {}, decoded.error};
      if (decoded.ok())
        m_cached.format = decoded.picture->format;
      m_cachedPath = request.path;
      m_cachedStamp = stamp;
    }
    return m_cached;
  }
  PictureDecoder decoder;
  PrepareResult prepared =
      m_preparer.preparePicture(decoder, request.path, request.job, request.frameEntries);
  if (!prepared.ok())
    return {{}, {}, prepared.error};
  Content content{std::move(prepared.picture->image), {}, {}};
  content.size = content.picture.size();
  content.format = prepared.picture->sourceFormat;
  if (request.job.frame == kTryAllEntry)
    printTryAllCaptions(content.picture, int(request.frameEntries.size()) - kFirstFrameEntry);
  return content;
}

void SourceBox::show(quint64 generation, Content content) {
  if (generation != m_requested)
    return; // a newer request is on its way
  m_shown = generation;
  m_content = std::move(content);
  emit changed();
}

} // namespace veltrane
