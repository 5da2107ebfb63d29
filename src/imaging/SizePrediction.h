#pragma once

#include "imaging/QualitySearch.h"

#include <QImage>
#include <mutex>

namespace veltrane {

// How much detail a picture holds, as the natural logarithm of its pixels
// times the mean difference between neighbouring pixels' brightness. A
// file's size grows with it in every format, which lets one picture's size
// predict another's.
double pictureDetail(const QImage &picture);

// What a batch has learnt of one format's files: how far their sizes lie
// from the format's curve once their detail is taken out. Shared by the
// encoders of every thread, so a picture's first guess draws on every
// picture finished before it, in whatever order they finished.
class SizeMemory {
public:
  // The quality to try first for a picture of `detail` within `maxBytes`:
  // the highest from `lowest` that the pictures so far say fits; 80 before
  // there are any.
  int firstGuess(double detail, qsizetype maxBytes, const SizeCurve &curve, int lowest) const;
  // A picture of `detail` took `bytes` at `quality`.
  void learn(double detail, int quality, qsizetype bytes, const SizeCurve &curve);

private:
  mutable std::mutex m_mutex;
  double m_offsetSum = 0;
  int m_count = 0;
};

// One memory per output format.
struct SizeMemories {
  SizeMemory of[5];
};

} // namespace veltrane
