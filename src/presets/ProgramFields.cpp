#include "presets/ProgramFields.h"

#include "common/Numbers.h"
#include "presets/FieldReaders.h"

#include <cmath>

namespace veltrane {
namespace {

// A place too far for a float would be written as "inf" and read back as 0.
void readPosition(float &field, const QString &text) {
  const auto value = float(leadingNumber(text));
  if (std::isfinite(value))
    field = value;
}

template <typename Int, typename Convert> void readStrict(Int &field, const QString &text, Convert convert) {
  if (const auto value = convert(text))
    field = *value;
}

ProgramField whole(QString name, int position, qint32 ProgramSettings::*member) {
  return {std::move(name), FieldPlace::at(position),
          [member](const ProgramSettings &p) { return QString::number(p.*member); },
          [member](ProgramSettings &p, const QString &text) { readStrict(p.*member, text, strictInt32); }};
}

ProgramField colour(QString name, int position, qint32 ProgramSettings::*member) {
  return {std::move(name), FieldPlace::at(position),
          [member](const ProgramSettings &p) { return QString::number(p.*member); },
          [member](ProgramSettings &p, const QString &text) { p.*member = roundedInt32(text); }};
}

ProgramField checkBox(QString name, int position, qint16 ProgramSettings::*member) {
  return {std::move(name), FieldPlace::at(position),
          [member](const ProgramSettings &p) { return QString::number(p.*member); },
          [member](ProgramSettings &p, const QString &text) { readCheckBox(p.*member, text); }};
}

ProgramField place(QString name, int position, float ProgramSettings::*member) {
  return {std::move(name), FieldPlace::at(position),
          [member](const ProgramSettings &p) { return formatNumber(p.*member); },
          [member](ProgramSettings &p, const QString &text) { readPosition(p.*member, text); }};
}

// Kept as 0 or 1; only 1 turns it on.
QString flagText(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }
bool flagOf(const QString &text) { return leadingNumber(text) == 1; }

std::vector<ProgramField> makeProgramFields() {
  return {
      whole(QStringLiteral("folder window after a batch"), 1, &ProgramSettings::folderWindowMode),
      whole(QStringLiteral("exit when done"), 2, &ProgramSettings::exitWhenDone),
      colour(QStringLiteral("index sheet background"), 3, &ProgramSettings::indexBackground),
      colour(QStringLiteral("caption colour"), 4, &ProgramSettings::captionColour),
      checkBox(QStringLiteral("bold captions"), 5, &ProgramSettings::captionBold),
      checkBox(QStringLiteral("italic captions"), 6, &ProgramSettings::captionItalic),
      {QStringLiteral("caption font size"), FieldPlace::at(7),
       [](const ProgramSettings &p) { return p.fontSize; },
       [](ProgramSettings &p, const QString &text) { p.fontSize = text; }},
      {QStringLiteral("selected preset"), FieldPlace::at(8),
       [](const ProgramSettings &p) { return QString::number(p.presetIndex); },
       [](ProgramSettings &p, const QString &text) { readStrict(p.presetIndex, text, strictInt16); }},
      checkBox(QStringLiteral("manual adjustment"), 9, &ProgramSettings::manualSize),
      checkBox(QStringLiteral("preview"), 10, &ProgramSettings::showPreview),
      // 11: the job's "same folder".
      place(QStringLiteral("main window left"), 12, &ProgramSettings::mainLeft),
      place(QStringLiteral("main window top"), 13, &ProgramSettings::mainTop),
      place(QStringLiteral("preview left"), 14, &ProgramSettings::previewLeft),
      place(QStringLiteral("preview top"), 15, &ProgramSettings::previewTop),
      // 16 to 21: the job's index-sheet fields, again.
      {QStringLiteral("plain window"), FieldPlace::at(22),
       [](const ProgramSettings &p) { return flagText(p.plainMode); },
       [](ProgramSettings &p, const QString &text) { p.plainMode = flagOf(text); }},
      // Fields older copies do not write, and ignore.
      {QStringLiteral("metadata"), FieldPlace::at(23),
       [](const ProgramSettings &p) { return QString::number(int(p.photo.metadata)); },
       [](ProgramSettings &p, const QString &text) {
         const qint32 policy = roundedInt32(text);
         if (policy >= 0 && policy <= 2)
           p.photo.metadata = MetadataPolicy(policy);
       }},
      {QStringLiteral("keep colour profiles"), FieldPlace::at(24),
       [](const ProgramSettings &p) { return flagText(p.photo.keepColourProfile); },
       [](ProgramSettings &p, const QString &text) { p.photo.keepColourProfile = flagOf(text); }},
      // On unless turned off: the page has always opened at exit.
      {QStringLiteral("guide page at exit"), FieldPlace::at(25),
       [](const ProgramSettings &p) { return flagText(p.guideAtExit); },
       [](ProgramSettings &p, const QString &text) { p.guideAtExit = text.trimmed() != QLatin1String("0"); }},
  };
}

} // namespace

const std::vector<ProgramField> &programFields() {
  static const std::vector<ProgramField> fields = makeProgramFields();
  return fields;
}

int programLineFields() {
  int last = 0;
  for (const ProgramField &field : programFields())
    last = std::max(last, field.programLine.position());
  for (const JobField &field : jobFields())
    last = std::max(last, field.programLine.position());
  return last;
}

} // namespace veltrane
