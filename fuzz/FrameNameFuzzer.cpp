// The frame-name parser: a frame file's name gives its list name and the
// window the picture goes into, which is then fitted to outputs of several
// sizes as a framed batch does.

#include "FuzzSupport.h"
#include "imaging/FrameLibrary.h"
#include "imaging/FrameWindow.h"
#include "presets/FrameList.h"

#include <QSize>
#include <array>

using namespace veltrane;
using veltrane::fuzz::expect;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const QString fileName = QString::fromUtf8(fuzz::inputBytes(data, size));

  const std::optional<QString> name = frameNameFromFile(fileName);
  expect(name.has_value() == fileName.contains(u'_'), "a frame name without \"_\", or none with it");
  const std::optional<FrameWindow> window = frameWindowFromName(fileName);
  if (window) {
    // Frame pictures and outputs from tiny to very large, square and thin.
    constexpr std::array<QSize, 4> kFrames{QSize(1, 1), QSize(800, 600), QSize(4000, 3000), QSize(20000, 3)};
    constexpr std::array<QSize, 4> kOutputs{QSize(1, 1), QSize(640, 480), QSize(3, 30000),
                                            QSize(30000, 30000)};
    for (const QSize frame : kFrames)
      for (const QSize output : kOutputs)
        frameWindowRect(*window, frame, output);
  }

  // The frame list finds the file again under its name.
  if (name) {
    const FrameLibrary library =
        FrameLibrary::fromFrames({{*name, fileName, QStringLiteral("/frames/") + fileName}});
    const QStringList entries = library.entries();
    expect(library.frameForEntry(kFirstFrameEntry, entries) == &library.frames().first(),
           "a listed frame that its entry does not find");
  }
  return 0;
}
