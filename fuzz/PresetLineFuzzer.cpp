// The preset line reader: a stored line ("name=body") or a bare body applied
// to a job, its fields walked with nextField, and the job's own line read back.

#include "FuzzSupport.h"
#include "presets/FrameList.h"
#include "presets/PresetLine.h"

using namespace veltrane;
using veltrane::fuzz::expect;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  static const QStringList frames =
      frameListEntries({QStringLiteral("Golden wood"), QStringLiteral("Black_white")});
  const QString line = QString::fromUtf8(fuzz::inputBytes(data, size));

  JobSettings job;
  fromPreset(job, line, frames);
  expect(job.frame >= 0 && job.frame < frames.size(), "a frame beyond the list");
  expect(job.sheetMode >= -1 && job.sheetMode <= 2, "an index-sheet choice beyond the list");
  expect(job.sheetColumns >= -1 && job.sheetColumns <= 7 && job.sheetRows >= -1 && job.sheetRows <= 7,
         "a grid beyond the list");

  // Every field is found once, and the walk ends past the line.
  qsizetype pos = 1, fields = 0;
  while (pos <= line.size() + 1) {
    const qsizetype before = pos;
    nextField(line, pos);
    expect(pos > before, "nextField stood still");
    ++fields;
  }
  expect(fields == line.count(u'|') + 1, "nextField lost or invented a field");

  // A job saved as a preset reads back as the same preset.
  const QString body = toPreset(job, frames);
  JobSettings back;
  fromPreset(back, QStringLiteral("saved=") + body, frames);
  const QString again = toPreset(back, frames);
  expect(again == body, "a saved preset that reads back differently",
         body + QStringLiteral(" became ") + again);
  return 0;
}
