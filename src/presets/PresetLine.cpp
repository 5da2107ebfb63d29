#include "presets/PresetLine.h"

#include "presets/FrameList.h"
#include "presets/Numbers.h"

namespace veltrane {
namespace {

QString listNumber(qint16 index) { return index < 0 ? QString() : QString::number(index + 1); }

// A check-box field: only 0 and 1 are values a check box holds.
void setCheck(qint16 &field, const QString &text) {
  const auto value = strictInt16(text);
  if (value && (*value == 0 || *value == 1))
    field = *value;
}

void setListIndex(qint16 &field, const QString &text, int entries) {
  const auto value = strictInt16(text);
  if (value && *value >= -1 && *value < entries)
    field = *value;
}

// Fields 8 and 9: the displayed number of an eight-entry list; anything that
// is not one of them leaves the list without a selection.
qint16 indexFromNumber(const QString &text) {
  const double index = roundHalfEven(leadingNumber(text)) - 1;
  return (index >= 0 && index <= 7) ? static_cast<qint16>(index) : qint16(-1);
}

} // namespace

QString getPar(const QString &line, qsizetype &pos) {
  const QString padded = line + u'|';
  if (pos < 1)
    pos = 1;
  const qsizetype bar = padded.indexOf(u'|', pos - 1);
  if (bar < 0)
    return {};
  const QString field = padded.mid(pos - 1, bar - (pos - 1));
  pos = bar + 2;
  return field;
}

QString toPreset(const JobSettings &job, const QStringList &frameEntries) {
  QString frame;
  if (job.addFrame > 0 && job.addFrame < frameEntries.size())
    frame = frameEntries[job.addFrame];
  const QStringList fields{
      job.maxX,
      job.maxY,
      QString::number(job.YX),
      job.quality1 ? job.maxK + u'k' : job.fixed + u'%',
      job.extension,
      frame,
      QString::number(job.indice),
      listNumber(job.indexX),
      listNumber(job.indexY),
      QString::number(job.indexNames),
      QString::number(job.indexWH),
      QString::number(job.indexK),
  };
  return fields.join(u'|');
}

void fromPreset(JobSettings &job, const QString &line, const QStringList &frameEntries) {
  qsizetype pos = line.indexOf(u'=') + 2; // 1 when there is no "="

  job.maxX = getPar(line, pos);
  job.maxXon = job.maxX.isEmpty() ? 0 : 1;
  job.maxY = getPar(line, pos);
  job.maxYon = job.maxY.isEmpty() ? 0 : 1;
  setCheck(job.YX, getPar(line, pos));
  const QString quality = getPar(line, pos);
  job.extension = getPar(line, pos);
  job.AddExtension = job.extension.isEmpty() ? 0 : 1;

  QString frame = getPar(line, pos).toUpper();
  job.addFrame = kNoFrameEntry;
  if (frame == QLatin1String("ALL")) {
    job.addFrame = kTryAllEntry;
    frame.clear();
  }
  if (!frame.isEmpty()) {
    for (qsizetype i = 0; i < frameEntries.size(); ++i) {
      if (frameEntries[i].toUpper() == frame) {
        job.addFrame = static_cast<qint16>(i);
        break;
      }
    }
  }

  if (quality.endsWith(u'%')) {
    job.fixed = formatNumber(leadingNumber(quality));
    job.quality1 = false;
  } else if (quality.endsWith(u'k')) {
    job.maxK = formatNumber(leadingNumber(quality));
    job.quality1 = true;
  }

  setListIndex(job.indice, getPar(line, pos), 3);
  job.indexX = indexFromNumber(getPar(line, pos));
  job.indexY = indexFromNumber(getPar(line, pos));
  setCheck(job.indexNames, getPar(line, pos));
  setCheck(job.indexWH, getPar(line, pos));
  setCheck(job.indexK, getPar(line, pos));
}

QString presetName(const QString &line) {
  const qsizetype eq = line.indexOf(u'=');
  return eq < 0 ? line : line.left(eq);
}

QString presetBody(const QString &line) {
  // Without "=" the whole line is a body, as fromPreset reads it.
  return line.mid(line.indexOf(u'=') + 1);
}

} // namespace veltrane
