#include "cli/BatchOptions.h"
#include "cli/CommandLineText.h"

#include "presets/BuiltInPresets.h"
#include "presets/JobFields.h"
#include "presets/PresetLine.h"

namespace veltrane {

Result<> applyFieldOption(JobSettings &job, const QString &option, const QString &value,
                          const QStringList &frameEntries) {
  const FieldOption *field = findFieldOption(option);
  if (!field)
    return failure(CommandLineText::tr("unknown option: %1").arg(option));
  return field->apply(job, value, frameEntries);
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
