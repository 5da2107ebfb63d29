#include "app/BatchOptions.h"

#include "batch/OutputNaming.h"
#include "presets/BuiltInPresets.h"
#include "presets/FrameList.h"
#include "presets/JobSettings.h"
#include "presets/PresetLine.h"

#include <QRegularExpression>

namespace veltrane {

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
