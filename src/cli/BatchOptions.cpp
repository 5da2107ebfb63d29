#include "cli/BatchOptions.h"
#include "cli/CommandLineText.h"

#include "cli/RunOptions.h"
#include "presets/JobFields.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace veltrane {
namespace {

// Options take a value after "=", in the same short option ("-j4") or as
// the next argument.
bool takesValue(const QString &option) {
  if (const RunOption *run = findRunOption(option))
    return !run->valueName.isEmpty();
  const FieldOption *field = findFieldOption(option);
  return field && !field->valueName.isEmpty();
}

// Short options and the long ones they stand for.
QString longOption(char letter) {
  const QString shortForm = QStringLiteral("-") + QLatin1Char(letter);
  if (const RunOption *run = findRunOption(shortForm))
    return run->name;
  if (const FieldOption *field = findFieldOption(shortForm))
    return field->name;
  return {};
}

std::optional<QString> utf8(const QByteArray &bytes) {
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = decoder.decode(bytes);
  if (decoder.hasError())
    return std::nullopt;
  return text;
}

// One option with its value as bytes: file names need not be UTF-8.
struct OptionWithValue {
  QString option;
  QByteArray value;
};

Result<> takeValue(OptionWithValue &read, const QByteArrayList &arguments, qsizetype &i) {
  if (i + 1 >= arguments.size())
    return failure(CommandLineText::tr("%1 needs a value").arg(read.option));
  read.value = arguments[++i];
  return {};
}

// "--name", "--name=value" or "--name value".
Result<OptionWithValue> readLongOption(const QByteArrayList &arguments, qsizetype &i) {
  const QByteArray &argument = arguments[i];
  const qsizetype eq = argument.indexOf('=');
  const std::optional<QString> name = utf8(eq > 0 ? argument.left(eq) : argument);
  if (!name)
    return failure(CommandLineText::tr("unknown option: %1").arg(QString::fromUtf8(argument)));
  OptionWithValue read{*name, {}};
  const bool withValue = takesValue(read.option);
  if (eq > 0) {
    if (!withValue)
      return failure(CommandLineText::tr("%1 takes no value").arg(read.option));
    read.value = argument.mid(eq + 1);
  } else if (withValue) {
    if (const Result<> taken = takeValue(read, arguments, i); !taken)
      return failure(taken.reason());
  }
  return read;
}

// "-qn", "-j4", "-j 4", "-o DIR": letters until one that takes a value.
Result<QList<OptionWithValue>> readShortOptions(const QByteArrayList &arguments, qsizetype &i) {
  const QByteArray argument = arguments[i];
  QList<OptionWithValue> options;
  for (qsizetype k = 1; k < argument.size(); ++k) {
    OptionWithValue read{longOption(argument[k]), {}};
    if (read.option.isEmpty())
      return failure(CommandLineText::tr("unknown option: -%1").arg(QString::fromUtf8(argument.mid(k, 1))));
    if (takesValue(read.option)) {
      if (k + 1 < argument.size())
        read.value = argument.mid(k + 1);
      else if (const Result<> taken = takeValue(read, arguments, i); !taken)
        return failure(CommandLineText::tr("-%1 needs a value").arg(QLatin1Char(argument[k])));
      options.append(read);
      break;
    }
    options.append(read);
  }
  return options;
}

Result<QString> textValue(const OptionWithValue &read) {
  const std::optional<QString> text = utf8(read.value);
  if (!text)
    return failure(CommandLineText::tr("the value of %1 is not valid UTF-8").arg(read.option));
  return *text;
}

Result<QSize> screenSize(const QString &value) {
  static const QRegularExpression size(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$"));
  const auto match = size.match(value);
  if (!match.hasMatch() || match.captured(1).toInt() < 1 || match.captured(2).toInt() < 1)
    return failure(CommandLineText::tr("--screen wants WIDTHxHEIGHT, such as 1920x1080, not \"%1\"").arg(value));
  return QSize(match.captured(1).toInt(), match.captured(2).toInt());
}

Result<> applyFlag(BatchOptions &options, const QString &option) {
  bool *const flags[] = {&options.help,
                         &options.version,
                         &options.yes,
                         &options.quiet,
                         &options.dryRun,
                         &options.sources.nullSeparated,
                         &options.sources.recursive,
                         &options.listPresets,
                         &options.skipExisting,
                         &options.timings,
                         &options.listFrames};
  const char *const names[] = {"--help",          "--version", "--yes",        "--quiet",
                               "--dry-run",       "--null",    "--recursive",  "--list-presets",
                               "--skip-existing", "--timings", "--list-frames"};
  for (size_t k = 0; k < std::size(names); ++k)
    if (option == QLatin1String(names[k])) {
      *flags[k] = true;
      return {};
    }
  if (option == QLatin1String("--defaults") || option == QLatin1String("--no-settings")) {
    const SettingsUse use = option == QLatin1String("--defaults") ? SettingsUse::Defaults : SettingsUse::None;
    if (options.settings != SettingsUse::Window && options.settings != use)
      return failure(CommandLineText::tr("--defaults and --no-settings cannot go together"));
    options.settings = use;
  } else if (findFieldOption(option)) {
    options.job.fields.append({option, {}});
  } else {
    return failure(CommandLineText::tr("unknown option: %1").arg(option));
  }
  return {};
}

Result<> applyPhotoOption(BatchOptions &options, const QString &option, const QString &value) {
  if (option == QLatin1String("--metadata")) {
    const QStringList policies{QStringLiteral("no-location"), QStringLiteral("keep"),
                               QStringLiteral("strip")}; // in MetadataPolicy's order
    const qsizetype policy = policies.indexOf(value);
    if (policy < 0)
      return failure(
          QStringLiteral("--metadata wants \"keep\", \"no-location\" or \"strip\", not \"%1\"").arg(value));
    options.metadata = MetadataPolicy(policy);
  } else {
    if (value != QLatin1String("convert") && value != QLatin1String("keep"))
      return failure(QStringLiteral("--colour-profile wants \"convert\" or \"keep\", not \"%1\"").arg(value));
    options.keepColourProfile = value == QLatin1String("keep");
  }
  return {};
}

Result<> applyValueOption(BatchOptions &options, const OptionWithValue &read) {
  const QString &option = read.option;
  // Names of files are taken as bytes; every other value is text.
  if (option == QLatin1String("--files-from")) {
    options.sources.filesFrom = read.value;
    return {};
  }
  if (option == QLatin1String("--report")) {
    if (read.value.isEmpty())
      return failure(CommandLineText::tr("--report wants a file name, or \"-\" for the standard output"));
    options.report = read.value;
    return {};
  }
  const Result<QString> value = textValue(read);
  if (!value)
    return failure(value.reason());
  if (option == QLatin1String("--home")) {
    options.home = *value;
  } else if (option == QLatin1String("--preset")) {
    options.job.preset = *value;
  } else if (option == QLatin1String("--also-preset")) {
    options.extraJobs.append({*value, std::nullopt, {}});
  } else if (option == QLatin1String("--also-job")) {
    options.extraJobs.append({{}, *value, {}});
  } else if (option == QLatin1String("--job")) {
    options.job.jobLine = *value;
  } else if (option == QLatin1String("--screen")) {
    const Result<QSize> size = screenSize(*value);
    if (!size)
      return failure(size.reason());
    options.screen = *size;
  } else if (option == QLatin1String("--jobs")) {
    bool ok = false;
    options.jobs = value->toInt(&ok);
    if (!ok || options.jobs < 1 || options.jobs > 256)
      return failure(
          CommandLineText::tr("--jobs wants a number of threads from 1 to 256, not \"%1\"").arg(*value));
  } else if (option == QLatin1String("--memory")) {
    bool ok = false;
    options.memoryMB = value->toInt(&ok);
    if (!ok || options.memoryMB < 16 || options.memoryMB > 1024 * 1024)
      return failure(
          CommandLineText::tr("--memory wants a number of MB from 16 to 1048576, not \"%1\"").arg(*value));
  } else if (option == QLatin1String("--metadata") || option == QLatin1String("--colour-profile")) {
    return applyPhotoOption(options, option, *value);
  } else if (option == QLatin1String("--completion")) {
    if (!findRunOption(option)->words.contains(*value))
      return failure(
          CommandLineText::tr("--completion wants \"bash\", \"zsh\" or \"fish\", not \"%1\"").arg(*value));
    options.completion = *value;
  } else if (findFieldOption(option)) {
    options.job.fields.append({option, *value});
  } else {
    return failure(CommandLineText::tr("unknown option: %1").arg(option));
  }
  return {};
}

Result<> applyOption(BatchOptions &options, const OptionWithValue &read) {
  return takesValue(read.option) ? applyValueOption(options, read) : applyFlag(options, read.option);
}

} // namespace

Result<BatchOptions> parseBatchOptions(const QByteArrayList &arguments) {
  BatchOptions options;
  bool filesOnly = false;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QByteArray &argument = arguments[i];
    if (filesOnly || !argument.startsWith('-') || argument == "-") {
      options.sources.files.append(argument);
      continue;
    }
    if (argument == "--") {
      filesOnly = true;
      continue;
    }
    QList<OptionWithValue> read;
    if (argument.startsWith("--")) {
      Result<OptionWithValue> one = readLongOption(arguments, i);
      if (!one)
        return failure(one.reason());
      read.append(*one);
    } else {
      Result<QList<OptionWithValue>> several = readShortOptions(arguments, i);
      if (!several)
        return failure(several.reason());
      read = *several;
    }
    for (const OptionWithValue &option : read)
      if (const Result<> applied = applyOption(options, option); !applied)
        return failure(applied.reason());
  }
  return options;
}

} // namespace veltrane
