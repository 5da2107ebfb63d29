#include "presets/PresetLine.h"

#include "presets/JobFields.h"

namespace veltrane {

QString nextField(const QString &line, qsizetype &pos) {
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

// The fields every copy of the program reads; those after them are written
// only when they hold something, so a job that leaves them alone is stored
// exactly as before they existed.
constexpr qsizetype kFirstFields = 12;

QString toPreset(const JobSettings &job, const QStringList &frameEntries) {
  QStringList fields(presetLineFields());
  for (const JobField &field : jobFields())
    if (field.presetLine)
      fields[field.presetLine.position() - 1] = field.write(job, frameEntries);
  while (fields.size() > kFirstFields && fields.back().isEmpty())
    fields.removeLast();
  return fields.join(u'|');
}

void fromPreset(JobSettings &job, const QString &line, const QStringList &frameEntries) {
  applyPresetBody(job, presetBody(line), frameEntries);
}

// Every field is read, those past the end of a short line as empty texts.
void applyPresetBody(JobSettings &job, const QString &line, const QStringList &frameEntries) {
  const int count = presetLineFields();
  QStringList texts;
  for (qsizetype pos = 1; texts.size() < count;)
    texts.append(nextField(line, pos));
  for (const JobField &field : jobFields())
    if (field.presetLine)
      field.read(job, texts[field.presetLine.position() - 1], frameEntries);
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
