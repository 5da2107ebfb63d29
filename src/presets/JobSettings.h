#pragma once

#include <QString>
#include <QtGlobal>

namespace veltrane {

// The parameters of one batch, one field per job control, each holding what
// its control holds: texts for the boxes, 0/1 for check boxes, list indexes
// with -1 for none.
struct JobSettings {
  QString maxWidth = QStringLiteral("800");
  QString maxHeight = QStringLiteral("600");
  qint16 swapForUpright = 1;
  // Which quality option is selected: "file size below" (the best quality
  // under sizeLimitKb) or, when off, "fixed quality".
  bool sizeLimitOn = false;
  QString fixedQuality = QStringLiteral("85");
  QString sizeLimitKb = QStringLiteral("100");
  QString suffixTemplate;
  qint16 frame = 0;        // index in the frame list
  qint16 sheetMode = 0;    // 0 don't, 1 also, 2 only
  qint16 sheetColumns = 3; // list index; the displayed number is one more
  qint16 sheetRows = 2;
  qint16 captionNames = 1;
  qint16 captionSizes = 1;
  qint16 captionFileSizes = 0;
  qint16 widthOn = 1;
  qint16 heightOn = 1;
  qint16 addSuffix = 1;
  qint16 sameFolder = 0;
  QString outputFolder;
  qint16 outputFormat = 0; // index in the format list: JPEG, PNG, WebP, AVIF, JPEG XL, same as source
  qint16 boxMode = 0;      // 0 stretch (with both limits), 1 fit inside, 2 fill
  qint16 neverEnlarge = 0;

  // Swapping limits for upright pictures only means something with both limits.
  bool swapEnabled() const { return widthOn != 0 && heightOn != 0; }
  // Index sheets need one output folder to collect them.
  bool sheetsEnabled() const { return sameFolder == 0; }

  bool operator==(const JobSettings &) const = default;
};

} // namespace veltrane
