#pragma once

#include "presets/BuiltInPresets.h"
#include "presets/PhotoOptions.h"

#include <QColor>
#include <QString>
#include <QtGlobal>

namespace veltrane {

// The program-wide values the settings file keeps besides the job.
struct ProgramSettings {
  qint32 folderWindowMode = 3; // 0 none, 1 normal window, 3 maximised
  qint32 exitWhenDone = 1;
  // Colours as the file keeps them: 0x00BBGGRR.
  qint32 indexBackground = 0xFFFFFF;
  qint32 captionColour = 0x000000;
  qint16 captionBold = 0;
  qint16 captionItalic = 0;
  QString fontSize = QStringLiteral("9");
  qint16 presetIndex = kFirstRunPresetIndex; // -1 for none
  qint16 manualSize = 1;
  qint16 showPreview = 0;
  // Window places in twips (15 per pixel), as older copies wrote them.
  float mainLeft = 0;
  float mainTop = 0;
  float previewLeft = 0;
  float previewTop = 0;
  bool plainMode = false;
  PhotoOptions photo;
  bool guideAtExit = true; // the guide page opens in the browser when the user ends the program

  bool operator==(const ProgramSettings &) const = default;
};

inline constexpr int kTwipsPerPixel = 15;

QColor colourFromValue(qint32 value);
qint32 colourValue(const QColor &colour);

} // namespace veltrane
