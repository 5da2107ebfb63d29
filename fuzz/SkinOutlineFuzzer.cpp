// The skin outline reader: any text from a skin.ini beside the program.

#include "FuzzSupport.h"
#include "ui/SkinOutline.h"

using namespace veltrane;
using veltrane::fuzz::expect;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const QString text = QString::fromUtf8(fuzz::inputBytes(data, size));
  const QList<QPoint> points = readOutline(text, 3, 21.5);
  expect(points.size() <= kMaxOutlinePoints, "more points than an outline holds");
  expect(points.size() <= text.count(u',') / 2, "a point without two commas");
  for (const QPoint point : points)
    expect(qAbs(point.x()) <= 1000000 + 3 && qAbs(point.y()) <= 1000000 + 22, "a point beyond the bounds");
  return 0;
}
