// The settings file reader: any bytes over the first-run values, the selected
// preset applied as at start, and the file written from what was read.

#include "FuzzSupport.h"
#include "presets/FrameList.h"
#include "presets/SettingsFile.h"

#include <algorithm>

using namespace veltrane;
using veltrane::fuzz::expect;

namespace {

struct Harness {
  QStringList frames = frameListEntries({QStringLiteral("Golden wood"), QStringLiteral("Black_white")});
  SettingsState firstRun =
      firstRunSettings({QStringLiteral("/home/u/Desktop"), {1920, 1080}, {603, 406}}, frames);

  Harness() { fuzz::silenceQtMessages(); }
};

// Line ends and other control bytes spelled out, so that the report shows them.
QString visible(const QByteArray &bytes) {
  QString out;
  for (const QChar c : QString::fromUtf8(bytes))
    out +=
        c.unicode() < 0x20 ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0')) : QString(c);
  return out;
}

// Where the two first differ: the line, and the text around the place.
QString firstDifference(const QByteArray &written, const QByteArray &again) {
  qsizetype at = 0;
  while (at < written.size() && at < again.size() && written[at] == again[at])
    ++at;
  const qsizetype from = std::max<qsizetype>(0, at - 40);
  return QStringLiteral("line %1: \"%2\" became \"%3\"")
      .arg(written.left(at).count('\n') + 1)
      .arg(visible(written.mid(from, 80)), visible(again.mid(from, 80)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  static const Harness harness;
  SettingsState state = readSettings(fuzz::inputBytes(data, size), harness.firstRun, harness.frames);
  expect(state.presets.count() <= PresetStore::kCapacity, "more presets than the list holds");
  expect(state.program.presetIndex >= -1 && state.program.presetIndex < state.presets.count(),
         "a selected preset beyond the list");
  applySelectedPreset(state, harness.frames);
  expect(state.job.frame >= 0 && state.job.frame < harness.frames.size(), "a frame beyond the list");

  // What the program writes, it reads back the same. (Only the active
  // quality box is written, so the states may differ; the files may not.)
  const QByteArray written = writeSettings(state, harness.frames);
  const QByteArray again =
      writeSettings(readSettings(written, harness.firstRun, harness.frames), harness.frames);
  if (again != written)
    fuzz::promiseBroken("a written file that reads back differently", firstDifference(written, again));
  return 0;
}
