#include "presets/PresetLine.h"

#include "presets/FieldReaders.h"
#include "presets/FrameList.h"
#include "presets/Numbers.h"

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
      gridNumberText(job.indexX),
      gridNumberText(job.indexY),
      QString::number(job.indexNames),
      QString::number(job.indexWH),
      QString::number(job.indexK),
  };
  return fields.join(u'|');
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

  readSizeBox(job.maxX, job.maxXon, getPar(line, pos));
  readSizeBox(job.maxY, job.maxYon, getPar(line, pos));
  readCheckBox(job.YX, getPar(line, pos));
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

  readListIndex(job.indice, getPar(line, pos), 3);
  job.indexX = gridIndexFromNumber(getPar(line, pos));
  job.indexY = gridIndexFromNumber(getPar(line, pos));
  readCheckBox(job.indexNames, getPar(line, pos));
  readCheckBox(job.indexWH, getPar(line, pos));
  readCheckBox(job.indexK, getPar(line, pos));
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
