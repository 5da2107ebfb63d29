// Times the preview's source box: from a new selection to the picture ready
// for the preview window, per photo of a folder, as the window runs it (the
// decode on the source box's own thread), and the longest time the UI
// thread's event loop was kept from running meanwhile.
//   veltrane-preview-bench FOLDER
#include "imaging/FrameLibrary.h"
#include "imaging/PicturePreparer.h"
#include "ui/SourceBox.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QTextStream>
#include <QTimer>
#include <algorithm>

using namespace veltrane;

namespace {

bool isProgressive(const QString &path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return false;
  const QByteArray data = file.read(1 << 20);
  for (qsizetype i = 2; i + 4 < data.size();) {
    if (uchar(data[i]) != 0xFF)
      return false;
    const uchar marker = uchar(data[i + 1]);
    if (marker == 0xC2)
      return true;
    if (marker == 0xC0 || marker == 0xC1)
      return false;
    i += 2 + (uchar(data[i + 2]) << 8 | uchar(data[i + 3]));
  }
  return false;
}

double median(QList<double> values) {
  if (values.isEmpty())
    return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QTextStream out(stdout);
  if (argc < 2) {
    out << "usage: veltrane-preview-bench FOLDER\n";
    return 2;
  }
  const QSize screen(1920, 1080);
  const PicturePreparer preparer(FrameLibrary{}, screen);
  SourceBox box(preparer, screen);
  JobSettings settings;
  settings.maxWidth = "800";
  settings.maxHeight = "600";
  const ResizeJob job = resolveJob(settings, screen);

  // The event loop's longest pause, measured by a timer that wants to run every millisecond.
  QElapsedTimer sinceTick;
  qint64 longestStall = 0;
  QTimer ticker;
  ticker.setInterval(1);
  QObject::connect(&ticker, &QTimer::timeout,
                   [&] { longestStall = std::max(longestStall, sinceTick.restart()); });

  QList<double> baseline, progressive;
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  for (const QString &name : folder.entryList(QDir::Files, QDir::Name)) {
    const QString path = folder.filePath(name);
    QElapsedTimer clock;
    bool shown = false;
    const QMetaObject::Connection done = QObject::connect(&box, &SourceBox::changed, [&] {
      // What the preview window then paints: the picture at the job's size.
      QImage window(800, 600, QImage::Format_RGB32);
      QPainter painter(&window);
      painter.setRenderHint(QPainter::SmoothPixmapTransform);
      painter.drawImage(QRect(0, 0, 800, 600), box.content().picture);
      shown = true;
    });
    sinceTick.start();
    ticker.start();
    clock.start();
    box.request({path, job, {}});
    while (!shown)
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double ms = clock.nsecsElapsed() / 1e6;
    ticker.stop();
    QObject::disconnect(done);
    (isProgressive(path) ? progressive : baseline).append(ms);
    out << name << ": " << QString::number(ms, 'f', 1) << " ms\n";
  }
  out << "baseline JPEGs: median " << QString::number(median(baseline), 'f', 1) << " ms (" << baseline.size()
      << ")\nprogressive JPEGs: median " << QString::number(median(progressive), 'f', 1) << " ms ("
      << progressive.size() << ")\nlongest pause of the UI thread: " << longestStall << " ms\n";
  return 0;
}
