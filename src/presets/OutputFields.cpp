#include "presets/OutputFields.h"
#include "common/MessageText.h"

#include "presets/FieldReaders.h"
#include "presets/OutputFormat.h"

#include <QRegularExpression>

namespace veltrane {
namespace {

using Frames = QStringList;

// A list stored as one of `words`, the first of them written as nothing so
// that lines of jobs that leave it alone stay as older copies wrote them. An
// empty text is the first word; a word the list lacks leaves it as it was.
void readWord(qint16 &field, const QString &text, const QStringList &words) {
  const qsizetype index = text.isEmpty() ? 0 : words.indexOf(text.trimmed().toLower());
  if (index >= 0)
    field = qint16(index);
}

QString writeWord(qint16 field, const QStringList &words) {
  return field > 0 && field < words.size() ? words[field] : QString();
}

Result<> formatOption(JobSettings &job, const QString &value) {
  const qsizetype index = formatWords().indexOf(value.trimmed().toLower());
  if (index < 0)
    return failure(
        MessageText::tr("--format wants %1, not \"%2\"").arg(formatWords().join(QStringLiteral(", ")), value));
  job.outputFormat = qint16(index);
  return {};
}

// --fit, --fill and --stretch WxH: both limits and the way of meeting them.
Result<> boxOption(JobSettings &job, BoxMode mode, const QString &value) {
  static const QRegularExpression box(QStringLiteral("^(\\d+)[xX](\\d+)$"));
  const QString option = QStringLiteral("--") + boxModeWords()[int(mode)];
  const auto match = box.match(value.trimmed());
  int width = 0;
  int height = 0;
  if (!match.hasMatch() || !readWholeNumber(match.captured(1), 1, 65000, &width) ||
      !readWholeNumber(match.captured(2), 1, 65000, &height))
    return failure(MessageText::tr("%1 wants WIDTHxHEIGHT in pixels, each 1 to 65000, such as 1024x768, not "
                                  "\"%2\"")
                       .arg(option, value));
  job.maxWidth = QString::number(width);
  job.maxHeight = QString::number(height);
  job.widthOn = 1;
  job.heightOn = 1;
  job.boxMode = qint16(mode);
  return {};
}

FieldOption boxModeOption(BoxMode mode, QString help) {
  return {
      QStringLiteral("--") + boxModeWords()[int(mode)], 0, QStringLiteral("WxH"), std::move(help),
      [mode](JobSettings &job, const QString &value, const Frames &) { return boxOption(job, mode, value); }};
}

// A field kept in a preset line's own words at a place past the first
// twelve, which older copies do not read.
JobField wordField(QString name, qint16 JobSettings::*member, const QStringList &words, QString values,
                   int presetPosition, FieldOptions options) {
  return {
      .name = std::move(name),
      .values = std::move(values),
      .firstRun = QString(),
      .members = {member},
      .presetLine = FieldPlace::at(presetPosition),
      .programLine = FieldPlace::nowhere(),
      .ownLine = FieldPlace::nowhere(),
      .write = [member, &words](const JobSettings &job,
                                const Frames &) { return writeWord(job.*member, words); },
      .read = [member, &words](JobSettings &job, const QString &text,
                               const Frames &) { readWord(job.*member, text, words); },
      .readProgramLine = {},
      .section = HelpSection::Job,
      .options = std::move(options),
  };
}

} // namespace

std::vector<JobField> outputFormatFields() {
  std::vector<JobField> fields;
  fields.push_back(wordField(
      QStringLiteral("format"), &JobSettings::outputFormat, formatWords(),
      QStringLiteral("png, webp, avif, jxl or same; empty for JPEG"), 13,
      {{{QStringLiteral("--format"), 0, QStringLiteral("FORMAT"),
         QStringLiteral("jpeg, png, webp, avif, jxl, or \"same\" for each source's own (PNG for GIF, BMP and "
                        "TIFF, JPEG for HEIC)"),
         [](JobSettings &job, const QString &value, const Frames &) { return formatOption(job, value); },
         OptionValue::Format}}}));
  fields.push_back(wordField(
      QStringLiteral("box"), &JobSettings::boxMode, boxModeWords(),
      QStringLiteral("fit or fill; empty to stretch to both limits"), 14,
      {{boxModeOption(BoxMode::Fit,
                      QStringLiteral("both limits at once, pictures inside them, proportions kept")),
        boxModeOption(BoxMode::Fill, QStringLiteral("both limits at once, pictures fill them exactly, the "
                                                    "overflow cropped from the centre")),
        boxModeOption(BoxMode::Stretch, QStringLiteral("both limits at once, pictures stretched to exactly "
                                                       "that size"))}}));
  // Written as nothing when off, as the other fields past the twelfth.
  fields.push_back({
      .name = QStringLiteral("never enlarge"),
      .values = QStringLiteral("1, or empty to allow enlarging"),
      .firstRun = QString(),
      .members = {&JobSettings::neverEnlarge},
      .presetLine = FieldPlace::at(15),
      .programLine = FieldPlace::nowhere(),
      .ownLine = FieldPlace::nowhere(),
      .write = [](const JobSettings &job,
                  const Frames &) { return job.neverEnlarge ? QStringLiteral("1") : QString(); },
      .read =
          [](JobSettings &job, const QString &text, const Frames &) {
            job.neverEnlarge = 0;
            readCheckBox(job.neverEnlarge, text);
          },
      .readProgramLine = {},
      .section = HelpSection::Job,
      .options = {{{QStringLiteral("--never-enlarge"), 0, QString(),
                    QStringLiteral("pictures already inside the box keep their size"),
                    [](JobSettings &job, const QString &, const Frames &) -> Result<> {
                      job.neverEnlarge = 1;
                      return {};
                    }}}},
  });
  return fields;
}

} // namespace veltrane
