#include "batch/IndexSheet.h"

#include "batch/OutputNaming.h"
#include "imaging/Scaling.h"

#include <QDir>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <cmath>

namespace veltrane {
namespace {

constexpr double kGap = 40;
constexpr double kShadowOffset = 4;
constexpr double kCaptionGap = 6;

} // namespace

QString sheetFileName(int number, const QString &extension) {
  return QStringLiteral("_INDEX") + QStringLiteral("000%1").arg(number).right(2) + extension;
}

IndexSheet::IndexSheet(QSize canvas, const SheetStyle &style, SheetGrid grid, bool captions,
                       QString outputFolder, QString extension, SheetWriter writer)
    : m_canvasSize(canvas), m_style(style), m_folder(std::move(outputFolder)),
      m_extension(std::move(extension)), m_writer(std::move(writer)), m_grid(grid) {
  QImage resolution(1, 1, QImage::Format_RGB32); // what the captions are measured on
  setScreenResolution(resolution);
  m_font.setFamily(QStringLiteral("DejaVu Sans"));
  m_font.setPointSizeF(style.fontSize > 0 ? style.fontSize : 9);
  m_font.setBold(style.bold);
  m_font.setItalic(style.italic);
  if (captions)
    m_captionH = QFontMetricsF(m_font, &resolution).boundingRect(QStringLiteral("9")).height() + kCaptionGap;
  m_cellW = std::floor((canvas.width() - (grid.columns - 1) * kGap) / double(grid.columns));
  m_cellH = std::floor((canvas.height() - (grid.rows - 1) * kGap - m_captionH) / double(grid.rows));
}

void IndexSheet::startCanvas() {
  m_canvas = QImage(m_canvasSize, QImage::Format_RGB32);
  setScreenResolution(m_canvas);
  m_canvas.fill(m_style.background);
}

QRectF IndexSheet::pictureRect(QSize size, int column, int row) const {
  const double cx = (column - 1) * (m_cellW + kGap);
  const double cy = (row - 1) * (m_cellH + kGap);
  const double ws = size.width();
  const double hs = size.height();
  double tw, th;
  if (ws < hs) {
    tw = ws * m_cellH / hs;
    th = m_cellH;
    if (tw > m_cellW) {
      tw = m_cellW;
      th = hs * m_cellW / ws;
    }
  } else {
    th = hs * m_cellW / ws;
    tw = m_cellW;
    if (th > m_cellH) {
      th = m_cellH;
      tw = ws * m_cellH / hs;
    }
  }
  return QRectF(cx + (m_cellW - tw) / 2, cy + m_cellH - th, tw, th);
}

QString IndexSheet::captionText(const SheetPicture &picture, const SheetCaptions &captions) {
  QString caption;
  if (captions.names) {
    caption = captions.namesAreFrames ? picture.frameText : stem(picture.fileName);
  }
  if (captions.sizes) {
    const QString size = QStringLiteral("%1x%2").arg(picture.image.width()).arg(picture.image.height());
    caption = caption.isEmpty() ? size : caption + QStringLiteral(" (") + size + u')';
  }
  if (captions.fileSizes) {
    const double tenths = std::floor(double(picture.sourceBytes) * 10 / 1024) / 10;
    const QString kilobytes = QLocale().toString(tenths, 'f', std::fmod(tenths, 1.0) == 0 ? 0 : 1) + u'k';
    caption = caption.isEmpty() ? kilobytes : caption + QStringLiteral(" [") + kilobytes + u']';
  }
  return caption;
}

QString IndexSheet::place(const SheetPicture &picture, const SheetCaptions &captions) {
  if (picture.image.isNull())
    return {};
  const QRectF target = pictureRect(picture.image.size(), m_column, m_row);
  if (m_canvas.isNull())
    startCanvas();
  {
    QPainter painter(&m_canvas);
    painter.fillRect(target.translated(kShadowOffset, kShadowOffset), QColor(128, 128, 128));
    const QRect pixels = target.toRect();
    painter.drawImage(pixels.topLeft(), scaledPicture(picture.image, pixels.size().expandedTo({1, 1})));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(target.x(), target.y(), target.width(), target.height()));

    const QString caption = captionText(picture, captions);
    if (!caption.isEmpty()) {
      painter.setFont(m_font);
      painter.setPen(m_style.caption);
      const QFontMetricsF metrics(m_font, &m_canvas);
      // Every caption is centred on its cell; a wide one overhangs both sides.
      const double cx = (m_column - 1) * (m_cellW + kGap);
      const double left = cx + (m_cellW - metrics.horizontalAdvance(caption)) / 2;
      const double top = target.bottom() + kCaptionGap;
      painter.drawText(QPointF(left, top + metrics.ascent()), caption);
    }
  }

  // The grid the cells were sized for: a change during the batch waits for the next one.
  if (++m_column > m_grid.columns) {
    m_column = 1;
    if (++m_row > m_grid.rows)
      return writeSheet(++m_written);
  }
  return {};
}

QString IndexSheet::finish() {
  if (m_column == 1 && m_row == 1)
    return {};
  return writeSheet(m_written + 1);
}

QString IndexSheet::writeSheet(int number) {
  // The next sheet starts clean even when writing this one fails.
  const QImage sheet = std::move(m_canvas);
  m_canvas = QImage();
  m_column = 1;
  m_row = 1;
  return m_writer(sheet, QDir(m_folder).filePath(sheetFileName(number, m_extension)));
}

} // namespace veltrane
