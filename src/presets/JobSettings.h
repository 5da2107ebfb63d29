#pragma once

#include <QString>
#include <QtGlobal>

namespace veltrane {

// The parameters of one batch, one field per job control, each holding what
// its control holds: texts for the boxes, 0/1 for check boxes, list indexes
// with -1 for none.
struct JobSettings {
  QString maxX = QStringLiteral("800");
  QString maxY = QStringLiteral("600");
  qint16 YX = 1;
  // Which quality option is selected: quality1 is "file size below",
  // otherwise quality2, "fixed quality", is.
  bool quality1 = false;
  QString fixed = QStringLiteral("85");
  QString maxK = QStringLiteral("100");
  QString extension;
  qint16 addFrame = 0; // index in the frame list
  qint16 indice = 0;   // 0 don't, 1 also, 2 only
  qint16 indexX = 3;   // list index; the displayed number is one more
  qint16 indexY = 2;
  qint16 indexNames = 1;
  qint16 indexWH = 1;
  qint16 indexK = 0;
  qint16 maxXon = 1;
  qint16 maxYon = 1;
  qint16 AddExtension = 1;
  qint16 SameFolder = 0;
  QString OutputPath;

  bool quality2() const { return !quality1; }
  // Swapping limits for upright pictures only means something with both limits.
  bool yxEnabled() const { return maxXon != 0 && maxYon != 0; }
  // Index sheets need one output folder to collect them.
  bool indiceEnabled() const { return SameFolder == 0; }

  bool operator==(const JobSettings &) const = default;
};

} // namespace veltrane
