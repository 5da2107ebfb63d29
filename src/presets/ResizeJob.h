#pragma once

#include "presets/FrameList.h"
#include "presets/JobSettings.h"
#include "presets/OutputFormat.h"

#include <QSize>
#include <QString>
#include <optional>

namespace veltrane {

enum class SheetMode { None, Also, Only };

// Pictures across and down an index sheet.
struct SheetGrid {
  int columns = 1;
  int rows = 1;
  bool operator==(const SheetGrid &) const = default;
};

// What an index sheet prints under each picture.
struct SheetCaptions {
  bool names = false;
  bool sizes = false;
  bool fileSizes = false;
  bool namesAreFrames = false; // the names caption names the frame tried, for choosing a frame
  bool any() const { return names || sizes || fileSizes; }
};

// The job as the batch and the preparer use it: every text of the controls
// read, every list index turned into what it means. Made by resolveJob, the
// one place that reads a JobSettings below the window, the preset lines and
// the command line.
struct ResizeJob {
  // Largest output sides in pixels ("screen" already the screen's side);
  // none: no limit on that side. A preset may hold fractions.
  std::optional<double> maxWidth;
  std::optional<double> maxHeight;
  bool swapForUpright = false;           // an upright picture swaps the limits (both limits on)
  int frame = kNoFrameEntry;             // the frame list entry in use
  std::optional<double> sizeLimitKb;     // the best quality under it; none: fixedQuality
  int fixedQuality = 85;                 // 0 to 100
  QString qualityText;                   // "85%" or "100k" as the boxes show it, for [Q]
  std::optional<QString> suffixTemplate; // none: outputs keep their sources' names
  SheetMode sheets = SheetMode::None;    // None also while sheets are unavailable
  SheetGrid grid;
  SheetCaptions captions;
  bool sameFolder = false; // outputs beside their sources
  // none: each source's own format, as formatForSource chooses it.
  std::optional<OutputFormat> format = OutputFormat::Jpeg;
  BoxMode boxMode = BoxMode::Stretch;
  bool neverEnlarge = false; // a picture already inside the box keeps its size

  bool writesPictures() const { return sheets != SheetMode::Only; }
  bool makesSheets() const { return sheets != SheetMode::None; }
};

// A size box's text in pixels: its leading number, or the screen's side for
// the exact word "screen".
double sizeLimitPixels(const QString &text, int screenSide);

// The grid the sheet lists show: one more than each list index, 1 when
// nothing is chosen.
SheetGrid sheetGridOf(const JobSettings &job);

ResizeJob resolveJob(const JobSettings &job, QSize screen);

} // namespace veltrane
