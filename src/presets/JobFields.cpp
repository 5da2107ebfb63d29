#include "presets/JobFields.h"
#include "common/MessageText.h"

#include "common/Numbers.h"
#include "presets/FieldReaders.h"
#include "presets/FileNameCharacters.h"
#include "presets/FrameList.h"
#include "presets/OutputFields.h"

#include <QDir>
#include <QRegularExpression>

namespace veltrane {
namespace {

using Frames = QStringList;

// A size box holds a whole number of pixels, "screen", or nothing (no
// limit). Anything else in a damaged line keeps the box as it was: read as a
// number it would give every picture no size at all.
void readSizeBox(QString &box, qint16 &on, const QString &text) {
  if (!text.isEmpty() && text != QLatin1String("screen") && !(leadingNumber(text) >= 1))
    return;
  box = text;
  on = text.isEmpty() ? 0 : 1;
}

// The command line's size: pixels, "screen", or "off" for no limit.
Result<> sizeOption(QString &box, qint16 &on, const QString &option, const QString &value) {
  if (value == QLatin1String("off")) {
    on = 0;
    return {};
  }
  int pixels = 0;
  if (value != QLatin1String("screen") && !readWholeNumber(value, 1, 65000, &pixels))
    return failure(MessageText::tr("%1 wants pixels from 1 to 65000, \"screen\" or \"off\", not \"%2\"")
                       .arg(option, value));
  box = value.trimmed();
  on = 1;
  return {};
}

// The first line keeps a check box as any number that rounds to 0 or 1.
void readRoundedCheckBox(qint16 &field, const QString &text) {
  const qint32 value = roundedInt32(text);
  if (value == 0 || value == 1)
    field = qint16(value);
}

QString writeFrame(const JobSettings &job, const Frames &entries) {
  return job.frame > 0 && job.frame < entries.size() ? entries[job.frame] : QString();
}

void readFrame(JobSettings &job, const QString &text, const Frames &entries) {
  const QString frame = text.toUpper();
  job.frame = kNoFrameEntry;
  if (frame == QLatin1String("ALL")) {
    job.frame = kTryAllEntry;
    return;
  }
  if (frame.isEmpty())
    return;
  for (qsizetype i = 0; i < entries.size(); ++i)
    if (entries[i].toUpper() == frame) {
      job.frame = qint16(i);
      return;
    }
}

Result<> frameOption(JobSettings &job, const QString &value, const Frames &entries) {
  if (value.compare(QLatin1String("none"), Qt::CaseInsensitive) == 0) {
    job.frame = kNoFrameEntry;
    return {};
  }
  if (value.compare(QLatin1String("all"), Qt::CaseInsensitive) == 0) {
    job.frame = kTryAllEntry;
    return {};
  }
  for (qsizetype i = kFirstFrameEntry; i < entries.size(); ++i)
    if (entries[i].compare(value, Qt::CaseInsensitive) == 0) {
      job.frame = qint16(i);
      return {};
    }
  const QStringList installed = entries.mid(kFirstFrameEntry);
  return failure(installed.isEmpty()
                     ? MessageText::tr("no frame called \"%1\": no frames are installed").arg(value)
                     : MessageText::tr("no frame called \"%1\"; installed: %2")
                           .arg(value, installed.join(QStringLiteral(", "))));
}

void readQuality(JobSettings &job, const QString &text) {
  if (text.endsWith(u'%')) {
    job.fixedQuality = formatNumber(leadingNumber(text));
    job.sizeLimitOn = false;
  } else if (text.endsWith(u'k')) {
    job.sizeLimitKb = formatNumber(leadingNumber(text));
    job.sizeLimitOn = true;
  }
}

Result<> qualityOption(JobSettings &job, const QString &value) {
  int number = 0;
  if (!readWholeNumber(value, 1, 100, &number))
    return failure(MessageText::tr("--quality wants a number from 1 to 100, not \"%1\"").arg(value));
  job.fixedQuality = QString::number(number);
  job.sizeLimitOn = false;
  return {};
}

Result<> sizeLimitOption(JobSettings &job, const QString &value) {
  bool ok = false;
  const double kilobytes = value.trimmed().toDouble(&ok);
  if (!ok || !(kilobytes > 0) || kilobytes > 1e9)
    return failure(MessageText::tr("--max-kb wants a size in kB above 0, not \"%1\"").arg(value));
  job.sizeLimitKb = value.trimmed();
  job.sizeLimitOn = true;
  return {};
}

Result<> suffixOption(JobSettings &job, const QString &value) {
  for (const QChar c : value)
    if (refusedInFileNames(c))
      return failure(MessageText::tr("--suffix cannot hold \"%1\": file names cannot contain %2")
                         .arg(c)
                         .arg(kRefusedCharactersText));
  job.suffixTemplate = value;
  job.addSuffix = value.isEmpty() ? 0 : 1;
  return {};
}

Result<> sheetModeOption(JobSettings &job, const QString &value) {
  const QStringList modes{QStringLiteral("none"), QStringLiteral("also"), QStringLiteral("only")};
  const qsizetype mode = value == QLatin1String("don't") ? 0 : modes.indexOf(value.toLower());
  if (mode < 0)
    return failure(MessageText::tr("--index wants \"none\", \"also\" or \"only\", not \"%1\"").arg(value));
  job.sheetMode = qint16(mode);
  return {};
}

Result<> gridOption(JobSettings &job, const QString &value) {
  static const QRegularExpression grid(QStringLiteral("^([1-8])[xX]([1-8])$"));
  const auto match = grid.match(value.trimmed());
  if (!match.hasMatch())
    return failure(
        MessageText::tr("--grid wants ACROSSxDOWN, each 1 to 8, such as 4x3, not \"%1\"").arg(value));
  job.sheetColumns = qint16(match.captured(1).toInt() - 1);
  job.sheetRows = qint16(match.captured(2).toInt() - 1);
  return {};
}

Result<> outputOption(JobSettings &job, const QString &value) {
  // An empty folder would quietly mean the current one.
  if (value.trimmed().isEmpty())
    return failure(MessageText::tr("--output wants a folder, not an empty text"));
  job.outputFolder = QDir(value).absolutePath();
  return {};
}

// A size box and its switch, and their row.
JobField sizeField(QString name, QString JobSettings::*box, qint16 JobSettings::*on, const char *firstRun,
                   int presetPosition, QString option, QString help) {
  return {
      .name = std::move(name),
      .values = QStringLiteral("pixels, \"screen\", or empty for no limit"),
      .firstRun = QString::fromLatin1(firstRun),
      .members = {box, on},
      .presetLine = FieldPlace::at(presetPosition),
      .programLine = FieldPlace::nowhere(),
      .ownLine = FieldPlace::nowhere(),
      .write = [box](const JobSettings &job, const Frames &) { return job.*box; },
      .read = [box, on](JobSettings &job, const QString &text,
                        const Frames &) { readSizeBox(job.*box, job.*on, text); },
      .readProgramLine = {},
      .section = HelpSection::Job,
      .options = {{{option,
                    0,
                    QStringLiteral("N"),
                    std::move(help),
                    [box, on, option](JobSettings &job, const QString &value, const Frames &) {
                      return sizeOption(job.*box, job.*on, option, value);
                    },
                    OptionValue::Number,
                    {QStringLiteral("screen"), QStringLiteral("off")}}}},
  };
}

// A check box kept as 0 or 1 in both lines, and its row.
JobField checkBoxField(QString name, qint16 JobSettings::*member, const char *firstRun, int presetPosition,
                       int programPosition, bool roundedInFirstLine) {
  return {
      .name = std::move(name),
      .values = QStringLiteral("0 or 1"),
      .firstRun = QString::fromLatin1(firstRun),
      .members = {member},
      .presetLine = presetPosition ? FieldPlace::at(presetPosition) : FieldPlace::nowhere(),
      .programLine = programPosition ? FieldPlace::at(programPosition) : FieldPlace::nowhere(),
      .ownLine = FieldPlace::nowhere(),
      .write = [member](const JobSettings &job, const Frames &) { return QString::number(job.*member); },
      .read = [member](JobSettings &job, const QString &text,
                       const Frames &) { readCheckBox(job.*member, text); },
      .readProgramLine =
          programPosition == 0 ? std::function<void(JobSettings &, const QString &)>()
          : roundedInFirstLine
              ? std::function<void(JobSettings &, const QString &)>(
                    [member](JobSettings &job, const QString &text) {
                      readRoundedCheckBox(job.*member, text);
                    })
              : [member](JobSettings &job, const QString &text) { readCheckBox(job.*member, text); },
      .section = HelpSection::Job,
      .options = FieldOptions::none(),
  };
}

// An "1" to "8" list of the index sheet's grid, and its row.
JobField gridField(QString name, qint16 JobSettings::*member, const char *firstRun, int presetPosition,
                   int programPosition, FieldOptions options) {
  const auto read = [member](JobSettings &job, const QString &text) {
    job.*member = gridIndexFromNumber(text);
  };
  return {
      .name = std::move(name),
      .values = QStringLiteral("1 to 8, empty for none"),
      .firstRun = QString::fromLatin1(firstRun),
      .members = {member},
      .presetLine = FieldPlace::at(presetPosition),
      .programLine = FieldPlace::at(programPosition),
      .ownLine = FieldPlace::nowhere(),
      .write = [member](const JobSettings &job, const Frames &) { return gridNumberText(job.*member); },
      .read = [read](JobSettings &job, const QString &text, const Frames &) { read(job, text); },
      .readProgramLine = read,
      .section = HelpSection::Job,
      .options = std::move(options),
  };
}

std::vector<JobField> makeJobFields() {
  using Read = std::function<void(JobSettings &, const QString &)>;
  std::vector<JobField> fields;
  fields.push_back(sizeField(QStringLiteral("maximum width"), &JobSettings::maxWidth, &JobSettings::widthOn,
                             "", 1, QStringLiteral("--width"),
                             QStringLiteral("largest width in pixels, or \"screen\"; \"off\" for no limit")));
  fields.push_back(
      sizeField(QStringLiteral("maximum height"), &JobSettings::maxHeight, &JobSettings::heightOn, "600", 2,
                QStringLiteral("--height"),
                QStringLiteral("largest height in pixels, or \"screen\"; \"off\" for no limit. With "
                               "one limit on, pictures keep their proportions; with both on, they are "
                               "stretched to exactly that size (see --fit and --fill)")));
  fields.push_back(checkBoxField(QStringLiteral("also apply to vertical pictures"),
                                 &JobSettings::swapForUpright, "1", 3, 0, false));
  fields.push_back({
      .name = QStringLiteral("quality"),
      .values = QStringLiteral("a fixed quality \"N%\" (1 to 100), or a size limit \"Nk\" in kB"),
      .firstRun = QStringLiteral("100k"),
      .members = {&JobSettings::sizeLimitOn, &JobSettings::fixedQuality, &JobSettings::sizeLimitKb},
      .presetLine = FieldPlace::at(4),
      .programLine = FieldPlace::nowhere(),
      .ownLine = FieldPlace::nowhere(),
      .write =
          [](const JobSettings &job, const Frames &) {
            return job.sizeLimitOn ? job.sizeLimitKb + u'k' : job.fixedQuality + u'%';
          },
      .read = [](JobSettings &job, const QString &text, const Frames &) { readQuality(job, text); },
      .readProgramLine = {},
      .section = HelpSection::Job,
      .options = {{
          {QStringLiteral("--quality"), 0, QStringLiteral("N"),
           QStringLiteral("quality 1 to 100; 100 is lossless in WebP and JPEG XL, PNG always is"),
           [](JobSettings &job, const QString &value, const Frames &) { return qualityOption(job, value); },
           OptionValue::Number},
          {QStringLiteral("--max-kb"), 0, QStringLiteral("N"),
           QStringLiteral("best quality that keeps each file below N kB (KiB: 1024 bytes)"),
           [](JobSettings &job, const QString &value, const Frames &) { return sizeLimitOption(job, value); },
           OptionValue::Number},
      }},
  });
  fields.push_back({
      .name = QStringLiteral("name suffix"),
      .values = QStringLiteral("a template with [W] [H] [Q] [F]; empty for none"),
      .firstRun = QString(),
      .members = {&JobSettings::suffixTemplate, &JobSettings::addSuffix},
      .presetLine = FieldPlace::at(5),
      .programLine = FieldPlace::nowhere(),
      .ownLine = FieldPlace::nowhere(),
      .write = [](const JobSettings &job, const Frames &) { return job.suffixTemplate; },
      .read =
          [](JobSettings &job, const QString &text, const Frames &) {
            job.suffixTemplate = text;
            job.addSuffix = text.isEmpty() ? 0 : 1;
          },
      .readProgramLine = {},
      .section = HelpSection::Job,
      .options = {{
          {QStringLiteral("--suffix"), 0, QStringLiteral("TEXT"),
           QStringLiteral("added to the output names; may hold [W] [H] [Q] [F]"),
           [](JobSettings &job, const QString &value, const Frames &) { return suffixOption(job, value); }},
          {QStringLiteral("--no-suffix"), 0, QString(), QStringLiteral("output names are the source names"),
           [](JobSettings &job, const QString &, const Frames &) -> Result<> {
             job.addSuffix = 0;
             return {};
           }},
      }},
  });
  fields.push_back({
      .name = QStringLiteral("frame"),
      .values = QStringLiteral("a frame's name, \"ALL\" to try every frame, or empty for none"),
      .firstRun = QString(),
      .members = {&JobSettings::frame},
      .presetLine = FieldPlace::at(6),
      .programLine = FieldPlace::nowhere(),
      .ownLine = FieldPlace::nowhere(),
      .write = writeFrame,
      .read = readFrame,
      .readProgramLine = {},
      .section = HelpSection::Job,
      .options = {{{QStringLiteral("--frame"),
                    0,
                    QStringLiteral("NAME"),
                    QStringLiteral("a frame by name, \"all\" to try every frame, \"none\""),
                    frameOption,
                    OptionValue::Frame,
                    {QStringLiteral("all"), QStringLiteral("none")}}}},
  });
  fields.push_back({
      .name = QStringLiteral("index sheets"),
      .values = QStringLiteral("0 don't, 1 also, 2 only"),
      .firstRun = QStringLiteral("0"),
      .members = {&JobSettings::sheetMode},
      .presetLine = FieldPlace::at(7),
      .programLine = FieldPlace::at(16),
      .ownLine = FieldPlace::nowhere(),
      .write = [](const JobSettings &job, const Frames &) { return QString::number(job.sheetMode); },
      .read = [](JobSettings &job, const QString &text,
                 const Frames &) { readListIndex(job.sheetMode, text, 3); },
      .readProgramLine = Read([](JobSettings &job, const QString &text) {
        const qint32 mode = roundedInt32(text);
        if (mode >= -1 && mode <= 2)
          job.sheetMode = qint16(mode);
      }),
      .section = HelpSection::Job,
      .options = {{{QStringLiteral("--index"),
                    0,
                    QStringLiteral("MODE"),
                    QStringLiteral("index sheets: \"none\", \"also\" or \"only\""),
                    [](JobSettings &job, const QString &value, const Frames &) {
                      return sheetModeOption(job, value);
                    },
                    OptionValue::Text,
                    {QStringLiteral("none"), QStringLiteral("also"), QStringLiteral("only")}}}},
  });
  fields.push_back(gridField(
      QStringLiteral("pictures across"), &JobSettings::sheetColumns, "4", 8, 17,
      {{{QStringLiteral("--grid"), 0, QStringLiteral("CxR"),
         QStringLiteral("pictures across and down an index sheet, 1 to 8 each"),
         [](JobSettings &job, const QString &value, const Frames &) { return gridOption(job, value); }}}}));
  // Set with the pictures across by --grid.
  fields.push_back(
      gridField(QStringLiteral("pictures down"), &JobSettings::sheetRows, "3", 9, 18, FieldOptions::none()));
  fields.push_back(
      checkBoxField(QStringLiteral("captions: names"), &JobSettings::captionNames, "0", 10, 19, true));
  fields.push_back(
      checkBoxField(QStringLiteral("captions: image size"), &JobSettings::captionSizes, "0", 11, 20, true));
  fields.push_back(checkBoxField(QStringLiteral("captions: file size"), &JobSettings::captionFileSizes, "0",
                                 12, 21, true));

  for (JobField &field : outputFormatFields())
    fields.push_back(std::move(field));

  fields.push_back({
      .name = QStringLiteral("output folder"),
      .values = QStringLiteral("a folder; on a first run \"Resized pictures\" on the desktop"),
      .firstRun = QStringLiteral("Resized pictures"), // with no desktop folder
      .members = {&JobSettings::outputFolder},
      .presetLine = FieldPlace::nowhere(),
      .programLine = FieldPlace::nowhere(),
      .ownLine = FieldPlace::at(3),
      .write = [](const JobSettings &job, const Frames &) { return job.outputFolder; },
      .read = [](JobSettings &job, const QString &text, const Frames &) { job.outputFolder = text; },
      .readProgramLine = {},
      .section = HelpSection::Output,
      .options = {{{QStringLiteral("--output"), 'o', QStringLiteral("DIR"),
                    QStringLiteral("folder for the output files (made when missing)"),
                    [](JobSettings &job, const QString &value, const Frames &) {
                      return outputOption(job, value);
                    },
                    OptionValue::Folder}}},
  });
  JobField sameFolder =
      checkBoxField(QStringLiteral("same folder"), &JobSettings::sameFolder, "0", 0, 11, false);
  sameFolder.section = HelpSection::Output;
  sameFolder.options = {
      {{QStringLiteral("--same-folder"), 0, QString(), QStringLiteral("put every output beside its source"),
        [](JobSettings &job, const QString &, const Frames &) -> Result<> {
          job.sameFolder = 1;
          return {};
        }}}};
  fields.push_back(std::move(sameFolder));
  return fields;
}

} // namespace

const std::vector<JobField> &jobFields() {
  static const std::vector<JobField> fields = makeJobFields();
  return fields;
}

const FieldOption *findFieldOption(const QString &name) {
  for (const JobField &field : jobFields())
    for (const FieldOption &option : field.options.list())
      if (option.name == name || (option.letter && name == QStringLiteral("-") + QLatin1Char(option.letter)))
        return &option;
  return nullptr;
}

int presetLineFields() {
  int last = 0;
  for (const JobField &field : jobFields())
    last = std::max(last, field.presetLine.position());
  return last;
}

} // namespace veltrane
