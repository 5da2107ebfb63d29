#include "ui/SkinOutline.h"

#include "common/Numbers.h"

#include <algorithm>
#include <optional>

namespace veltrane {

const QString kBuiltInOutline = QStringLiteral(
    "91,3,116,5,143,5,153,3,164,5,173,3,203,5,208,3,220,3,235,5,241,8,242,10,251,10,257,13,480,14,556,17,"
    "576,20,590,29,594,36,596,45,598,64,602,191,602,225,600,242,601,286,599,290,599,298,602,307,602,318,599,"
    "323,599,346,594,370,591,376,583,384,568,392,556,395,529,395,515,401,506,401,495,398,476,400,468,397,243,"
    "400,113,399,50,397,39,395,30,391,24,385,20,377,16,361,10,353,8,347,9,329,6,308,6,296,7,293,13,288,13,"
    "282,"
    "8,277,6,266,7,256,4,221,5,216,7,214,5,207,5,188,7,178,3,138,4,123,8,118,4,111,4,93,8,84,7,40,11,28,15,"
    "22,"
    "27,15,70,11,72,7,77,4,83,5");

const QString kRectangleOutline = QStringLiteral("0,0,0,406,603,406,603,0,603,0");

namespace {

// Far beyond any screen, and safely inside an int.
int coordinate(double value) { return int(roundHalfEven(std::clamp(value, -1e6, 1e6))); }

} // namespace

QList<QPoint> readOutline(const QString &text, double offsetX, double offsetY) {
  QList<QPoint> points;
  std::optional<double> pendingX;
  qsizetype start = 0;
  while (points.size() < kMaxOutlinePoints) {
    const qsizetype comma = text.indexOf(u',', start);
    if (comma < 0)
      break;
    const double number = leadingNumber(text.mid(start, comma - start));
    if (!pendingX) {
      pendingX = number;
    } else {
      points.append(QPoint(coordinate(*pendingX + offsetX), coordinate(number + offsetY)));
      pendingX.reset();
    }
    start = comma + 1;
  }
  return points;
}

} // namespace veltrane
