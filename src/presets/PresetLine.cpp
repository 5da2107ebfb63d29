#include "presets/PresetLine.h"

#include "common/Numbers.h"
#include "presets/FieldReaders.h"
#include "presets/FrameList.h"

namespace veltrane {

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

QStringList sheetFields(const JobSettings &job) {
  return {QString::number(job.sheetMode),    gridNumberText(job.sheetColumns),
          gridNumberText(job.sheetRows),     QString::number(job.captionNames),
          QString::number(job.captionSizes), QString::number(job.captionFileSizes)};
}

QString toPreset(const JobSettings &job, const QStringList &frameEntries) {
  QString frame;
  if (job.frame > 0 && job.frame < frameEntries.size())
    frame = frameEntries[job.frame];
  const QStringList fields{
      job.maxWidth,
      job.maxHeight,
      QString::number(job.swapForUpright),
      job.sizeLimitOn ? job.sizeLimitKb + u'k' : job.fixedQuality + u'%',
      job.suffixTemplate,
      frame,
  };
  return (fields + sheetFields(job)).join(u'|');
}

namespace {

// A size box holds a whole number of pixels, "screen", or nothing (no
// limit). Anything else in a damaged line keeps the box as it was: read as a
// number it would give every picture no size at all.
void readSizeBox(QString &box, qint16 &on, const QString &text) {
  if (!text.isEmpty() && text != QLatin1String("screen") && !(leadingNumber(text) >= 1))
    return;
  box = text;
  on = text.isEmpty() ? 0 : 1;
}

} // namespace

void fromPreset(JobSettings &job, const QString &line, const QStringList &frameEntries) {
  applyPresetBody(job, presetBody(line), frameEntries);
}

void applyPresetBody(JobSettings &job, const QString &line, const QStringList &frameEntries) {
  qsizetype pos = 1;

  readSizeBox(job.maxWidth, job.widthOn, getPar(line, pos));
  readSizeBox(job.maxHeight, job.heightOn, getPar(line, pos));
  readCheckBox(job.swapForUpright, getPar(line, pos));
  const QString quality = getPar(line, pos);
  job.suffixTemplate = getPar(line, pos);
  job.addSuffix = job.suffixTemplate.isEmpty() ? 0 : 1;

  QString frame = getPar(line, pos).toUpper();
  job.frame = kNoFrameEntry;
  if (frame == QLatin1String("ALL")) {
    job.frame = kTryAllEntry;
    frame.clear();
  }
  if (!frame.isEmpty()) {
    for (qsizetype i = 0; i < frameEntries.size(); ++i) {
      if (frameEntries[i].toUpper() == frame) {
        job.frame = static_cast<qint16>(i);
        break;
      }
    }
  }

  if (quality.endsWith(u'%')) {
    job.fixedQuality = formatNumber(leadingNumber(quality));
    job.sizeLimitOn = false;
  } else if (quality.endsWith(u'k')) {
    job.sizeLimitKb = formatNumber(leadingNumber(quality));
    job.sizeLimitOn = true;
  }

  readListIndex(job.sheetMode, getPar(line, pos), 3);
  job.sheetColumns = gridIndexFromNumber(getPar(line, pos));
  job.sheetRows = gridIndexFromNumber(getPar(line, pos));
  readCheckBox(job.captionNames, getPar(line, pos));
  readCheckBox(job.captionSizes, getPar(line, pos));
  readCheckBox(job.captionFileSizes, getPar(line, pos));
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
