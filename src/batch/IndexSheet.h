#pragma once

#include "presets/ResizeJob.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>

namespace veltrane {

class JpegEncoder;

// How sheets look: the settings window's colours and caption font.
struct SheetStyle {
  QColor background = Qt::white;
  QColor caption = Qt::black;
  bool bold = false;
  bool italic = false;
  double fontSize = 9; // points
};

// What goes in one cell.
struct SheetPicture {
  QImage image;     // the prepared picture
  QString fileName; // the source's name, with extension
  qint64 sourceBytes = 0;
  QString frameText; // the frame list entry in use
};

// Contact sheets as large as the screen, filled cell by cell in list order;
// a full sheet is written at once and a partly filled one by finish().
class IndexSheet {
public:
  // Writes a finished sheet as `wantedPath` (or the next free name); gives
  // the path written, or nothing when it reported a failure itself.
  using SheetWriter = std::function<QString(const QImage &sheet, const QString &wantedPath)>;

  // The grid, and whether captions take room, are the batch's from its start.
  // `extension` is the sheets' format's (".jpg").
  IndexSheet(QSize canvas, const SheetStyle &style, SheetGrid grid, bool captions, QString outputFolder,
             QString extension, SheetWriter writer);

  // Places a picture with the captions the job asks for now. Returns the
  // sheet written when this picture filled one.
  QString place(const SheetPicture &picture, const SheetCaptions &captions);
  // Writes the partly filled sheet, if any cell is used.
  QString finish();

  // The layout, for tests and previews.
  double cellWidth() const { return m_cellW; }
  double cellHeight() const { return m_cellH; }
  double captionHeight() const { return m_captionH; }
  // Where a picture of `size` goes in cell (column, row), both from 1.
  QRectF pictureRect(QSize size, int column, int row) const;
  // "holiday (800x600) [245.3k]"
  static QString captionText(const SheetPicture &picture, const SheetCaptions &captions);

private:
  QString writeSheet(int number);
  void startCanvas();

  // Made for the first picture of each sheet: a batch without sheets, or
  // between them, holds none of the screen-sized canvas.
  QImage m_canvas;
  QSize m_canvasSize;
  SheetStyle m_style;
  QFont m_font;
  QString m_folder;
  QString m_extension;
  SheetWriter m_writer;
  double m_captionH = 0;
  double m_cellW = 0;
  double m_cellH = 0;
  SheetGrid m_grid;
  int m_column = 1;
  int m_row = 1;
  int m_written = 0;
};

// Sheets are named "_INDEX" and two digits: _INDEX01.jpg, ... _INDEX99.jpg, _INDEX00.jpg.
QString sheetFileName(int number, const QString &extension = QStringLiteral(".jpg"));

} // namespace veltrane
