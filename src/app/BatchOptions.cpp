#include "app/BatchOptions.h"

#include "batch/OutputNaming.h"
#include "presets/BuiltInPresets.h"
#include "presets/FrameList.h"
#include "presets/JobSettings.h"
#include "presets/PresetLine.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace veltrane {

const char kBatchUsage[] = R"usage(Usage: veltrane-batch [options] FILE...

Resizes JPEG, GIF and BMP pictures into JPEG files with Veltrane's batch
engine. No file is ever overwritten: a taken name gets " (2)", " (3)"...
The job starts as the settings file left it (the window's last job), then
--preset, then --job, then the other options in the order given.

Job:
  --preset NAME     use a stored or built-in preset, e.g. "MAIL ATTACHMENT"
  --job LINE        use a preset line, e.g. "|600|1|100k|||0|4|3|0|0|0"
                    (a leading "NAME=" is allowed)
  --width N         largest width in pixels, or "screen"; "off" for no limit
  --height N        largest height in pixels, or "screen"; "off" for no limit.
                    With one limit on, pictures keep their proportions; with
                    both on, they are stretched to exactly that size
  --quality N       JPEG quality 1 to 100
  --max-kb N        best quality that keeps each file below N kB
  --suffix TEXT     added to the output names; may hold [W] [H] [Q] [F]
  --no-suffix       output names are the source names
  --frame NAME      a frame by name, "all" to try every frame, "none"
  --index MODE      index sheets: "none", "also" or "only"
  --grid CxR        pictures across and down an index sheet, 1 to 8 each

Output:
  --output DIR      folder for the output files (made when missing)
  --same-folder     put every output beside its source
  --screen WxH      the screen size for "screen" and for index sheets
                    (default: the real screen when there is one, else 1920x1080)

Running:
  --home DIR        the program folder with Veltrane.INI and frames/
                    (default: VELTRANE_HOME, a portable copy's own folder,
                    else ~/.config/veltrane and ~/.local/share/veltrane)
  --jobs N          worker threads (default: one per core)
  --yes             go ahead when trying all frames makes over 100 files
  --quiet           print only errors
  --help            show this help and exit
  --version         show the version and exit
  --                every argument after it is a file

Folders given as FILE are not searched. The settings file is read, never
written.

Exit status: 0 when every picture was written; 1 when some could not be
read, written, or were refused or skipped; 2 for a usage error or a batch
that could not start (for example an output folder that cannot be made).

Examples:
  Mail attachments: 600 pixels high, each file under 100 kB:
    veltrane-batch --preset "MAIL ATTACHMENT" --output ~/mail *.jpg
  Thumbnails 150 pixels high with index sheets of 5 x 4:
    veltrane-batch --width off --height 150 --quality 60 --suffix _TH \
                   --index also --grid 5x4 --output thumbs photos/*.jpg
  Every frame on one picture, on one sheet captioned with the frame names:
    veltrane-batch --preset "SELECT THE BEST FRAME" --yes --output frames photo.jpg
)usage";

namespace {

const QStringList kValueOptions{"--home",   "--preset", "--job",    "--output",  "--screen",
                                "--jobs",   "--width",  "--height", "--quality", "--max-kb",
                                "--suffix", "--frame",  "--index",  "--grid"};
const QStringList kFieldOptions{"--width",  "--height", "--quality", "--max-kb",
                                "--suffix", "--frame",  "--index",   "--grid"};

std::optional<QString> utf8(const QByteArray &bytes) {
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = decoder.decode(bytes);
  if (decoder.hasError())
    return std::nullopt;
  return text;
}

} // namespace

namespace {

// An option's value: after "=", or the next argument for options that take one.
struct OptionWithValue {
  QString option;
  QString value;
};

Result<OptionWithValue> readOption(const QByteArrayList &arguments, qsizetype &i) {
  const QByteArray &argument = arguments[i];
  const std::optional<QString> decoded = utf8(argument);
  if (!decoded)
    return failure(QStringLiteral("unknown option: %1").arg(QString::fromUtf8(argument)));
  OptionWithValue read{*decoded, {}};
  bool hasValue = false;
  if (const qsizetype eq = read.option.indexOf(u'='); read.option.startsWith(QLatin1String("--")) && eq > 0) {
    read.value = read.option.mid(eq + 1);
    read.option = read.option.left(eq);
    hasValue = true;
  }
  const bool takesValue = kValueOptions.contains(read.option);
  if (takesValue && !hasValue) {
    if (i + 1 >= arguments.size())
      return failure(QStringLiteral("%1 needs a value").arg(read.option));
    const auto next = utf8(arguments[++i]);
    if (!next)
      return failure(QStringLiteral("the value of %1 is not valid UTF-8").arg(read.option));
    read.value = *next;
  } else if (!takesValue && hasValue) {
    return failure(QStringLiteral("%1 takes no value").arg(read.option));
  }
  return read;
}

Result<> applyProgramOption(BatchOptions &options, const QString &option, const QString &value) {
  if (option == QLatin1String("--help") || option == QLatin1String("-h"))
    options.help = true;
  else if (option == QLatin1String("--version"))
    options.version = true;
  else if (option == QLatin1String("--yes"))
    options.yes = true;
  else if (option == QLatin1String("--quiet"))
    options.quiet = true;
  else if (option == QLatin1String("--same-folder"))
    options.sameFolder = true;
  else if (option == QLatin1String("--no-suffix"))
    options.fields.append({option, {}});
  else if (option == QLatin1String("--home"))
    options.home = value;
  else if (option == QLatin1String("--preset"))
    options.preset = value;
  else if (option == QLatin1String("--job"))
    options.jobLine = value;
  else if (option == QLatin1String("--output")) {
    // An empty folder would quietly mean the current one.
    if (value.trimmed().isEmpty())
      return failure(QStringLiteral("--output wants a folder, not an empty text"));
    options.output = value;
  } else if (option == QLatin1String("--screen")) {
    static const QRegularExpression size(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$"));
    const auto match = size.match(value);
    if (!match.hasMatch() || match.captured(1).toInt() < 1 || match.captured(2).toInt() < 1)
      return failure(QStringLiteral("--screen wants WIDTHxHEIGHT, such as 1920x1080, not \"%1\"").arg(value));
    options.screen = QSize(match.captured(1).toInt(), match.captured(2).toInt());
  } else if (option == QLatin1String("--jobs")) {
    bool ok = false;
    options.jobs = value.toInt(&ok);
    if (!ok || options.jobs < 1 || options.jobs > 256)
      return failure(QStringLiteral("--jobs wants a number of threads from 1 to 256, not \"%1\"").arg(value));
  } else if (kFieldOptions.contains(option)) {
    options.fields.append({option, value});
  } else {
    return failure(QStringLiteral("unknown option: %1").arg(option));
  }
  return {};
}

} // namespace

Result<BatchOptions> parseBatchOptions(const QByteArrayList &arguments) {
  BatchOptions options;
  bool filesOnly = false;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QByteArray &argument = arguments[i];
    if (filesOnly || !argument.startsWith("-") || argument == "-") {
      if (const auto name = utf8(argument))
        options.files.append(*name);
      else
        options.badNames.append(QString::fromUtf8(argument));
      continue;
    }
    const Result<OptionWithValue> read = readOption(arguments, i);
    if (!read)
      return failure(read.reason());
    if (read->option == QLatin1String("--")) {
      filesOnly = true;
      continue;
    }
    if (const Result<> applied = applyProgramOption(options, read->option, read->value); !applied)
      return failure(applied.reason());
  }
  return options;
}

namespace {

bool wholeNumber(const QString &text, int low, int high, int *value) {
  bool ok = false;
  const int number = text.trimmed().toInt(&ok);
  if (!ok || number < low || number > high)
    return false;
  *value = number;
  return true;
}

bool sizeLimit(QString &box, qint16 &on, const QString &value) {
  if (value == QLatin1String("off")) {
    on = 0;
    return true;
  }
  int pixels = 0;
  if (value != QLatin1String("screen") && !wholeNumber(value, 1, 65000, &pixels))
    return false;
  box = value.trimmed();
  on = 1;
  return true;
}

} // namespace

Result<> applyFieldOption(JobSettings &job, const QString &option, const QString &value,
                          const QStringList &frameEntries) {
  int number = 0;
  if (option == QLatin1String("--width")) {
    if (!sizeLimit(job.maxWidth, job.widthOn, value))
      return failure(QStringLiteral("--width wants pixels from 1 to 65000, \"screen\" or \"off\", not \"%1\"")
                         .arg(value));
  } else if (option == QLatin1String("--height")) {
    if (!sizeLimit(job.maxHeight, job.heightOn, value))
      return failure(
          QStringLiteral("--height wants pixels from 1 to 65000, \"screen\" or \"off\", not \"%1\"")
              .arg(value));
  } else if (option == QLatin1String("--quality")) {
    if (!wholeNumber(value, 1, 100, &number))
      return failure(QStringLiteral("--quality wants a number from 1 to 100, not \"%1\"").arg(value));
    job.fixedQuality = QString::number(number);
    job.sizeLimitOn = false;
  } else if (option == QLatin1String("--max-kb")) {
    bool ok = false;
    const double kilobytes = value.trimmed().toDouble(&ok);
    if (!ok || !(kilobytes > 0) || kilobytes > 1e9)
      return failure(QStringLiteral("--max-kb wants a size in kB above 0, not \"%1\"").arg(value));
    job.sizeLimitKb = value.trimmed();
    job.sizeLimitOn = true;
  } else if (option == QLatin1String("--suffix")) {
    for (const QChar c : value)
      if (refusedInFileNames(c))
        return failure(QStringLiteral("--suffix cannot hold \"%1\": file names cannot contain %2")
                           .arg(c)
                           .arg(kRefusedCharactersText));
    job.suffixTemplate = value;
    job.addSuffix = value.isEmpty() ? 0 : 1;
  } else if (option == QLatin1String("--no-suffix")) {
    job.addSuffix = 0;
  } else if (option == QLatin1String("--frame")) {
    if (value.compare(QLatin1String("none"), Qt::CaseInsensitive) == 0) {
      job.frame = kNoFrameEntry;
    } else if (value.compare(QLatin1String("all"), Qt::CaseInsensitive) == 0) {
      job.frame = kTryAllEntry;
    } else {
      for (qsizetype i = kFirstFrameEntry; i < frameEntries.size(); ++i)
        if (frameEntries[i].compare(value, Qt::CaseInsensitive) == 0) {
          job.frame = qint16(i);
          return {};
        }
      const QStringList installed = frameEntries.mid(kFirstFrameEntry);
      return failure(installed.isEmpty()
                         ? QStringLiteral("no frame called \"%1\": no frames are installed").arg(value)
                         : QStringLiteral("no frame called \"%1\"; installed: %2")
                               .arg(value, installed.join(QStringLiteral(", "))));
    }
  } else if (option == QLatin1String("--index")) {
    const QStringList modes{"none", "also", "only"};
    const qsizetype mode = value == QLatin1String("don't") ? 0 : modes.indexOf(value.toLower());
    if (mode < 0)
      return failure(QStringLiteral("--index wants \"none\", \"also\" or \"only\", not \"%1\"").arg(value));
    job.sheetMode = qint16(mode);
  } else if (option == QLatin1String("--grid")) {
    static const QRegularExpression grid(QStringLiteral("^([1-8])[xX]([1-8])$"));
    const auto match = grid.match(value.trimmed());
    if (!match.hasMatch())
      return failure(
          QStringLiteral("--grid wants ACROSSxDOWN, each 1 to 8, such as 4x3, not \"%1\"").arg(value));
    job.sheetColumns = qint16(match.captured(1).toInt() - 1);
    job.sheetRows = qint16(match.captured(2).toInt() - 1);
  } else {
    return failure(QStringLiteral("unknown option: %1").arg(option));
  }
  return {};
}

std::optional<QString> findPreset(const QStringList &stored, const QString &name) {
  const QStringList lists[] = {stored, builtInPresetLines()};
  for (const QStringList &lines : lists)
    for (const QString &line : lines)
      if (presetName(line) == name)
        return line;
  for (const QStringList &lines : lists)
    for (const QString &line : lines)
      if (presetName(line).trimmed().compare(name.trimmed(), Qt::CaseInsensitive) == 0)
        return line;
  return std::nullopt;
}

} // namespace veltrane
