#include "presets/SettingsFile.h"

#include "common/Numbers.h"
#include "presets/JobFields.h"
#include "presets/PresetLine.h"
#include "presets/ProgramFields.h"
#include "presets/SettingsText.h"

#include <optional>

namespace veltrane {
namespace {

QStringList linesOf(const QByteArray &bytes) {
  QString text = decodeSettingsText(bytes);
  if (text.isEmpty())
    return {};
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QStringList lines = text.split(u'\n');
  if (text.endsWith(u'\n'))
    lines.removeLast();
  return lines;
}

// Nothing for a file cut short before its preset lines: it keeps the built-in list.
std::optional<PresetStore> presetsOf(const QStringList &lines) {
  if (lines.size() < 3)
    return std::nullopt;
  PresetStore presets;
  for (qsizetype i = 3; i < lines.size() && presets.append(lines[i]); ++i) {
  }
  return presets;
}

// The first line: program settings and some of the job's fields. Fields
// past the end of a short line keep their first-run values.
void readProgramLine(const QString &line, SettingsState &state) {
  const int count = programLineFields();
  qsizetype pos = 1;
  QStringList texts;
  while (texts.size() < count && pos <= line.size() + 1)
    texts.append(nextField(line, pos));
  const auto text = [&](FieldPlace place) -> const QString * {
    return place && place.position() <= texts.size() ? &texts[place.position() - 1] : nullptr;
  };
  for (const ProgramField &field : programFields())
    if (const QString *t = text(field.programLine))
      field.read(state.program, *t);
  for (const JobField &field : jobFields())
    if (const QString *t = text(field.programLine))
      field.readProgramLine(state.job, *t);
}

QString programLine(const SettingsState &state, const QStringList &frameEntries) {
  QStringList texts(programLineFields());
  for (const ProgramField &field : programFields())
    texts[field.programLine.position() - 1] = field.write(state.program);
  for (const JobField &field : jobFields())
    if (field.programLine)
      texts[field.programLine.position() - 1] = field.write(state.job, frameEntries);
  return texts.join(u'|');
}

} // namespace

SettingsState firstRunSettings(const FirstRunContext &context, const QStringList &frameEntries) {
  SettingsState state;
  state.presets = PresetStore::builtIns();
  state.program.presetIndex = kFirstRunPresetIndex;
  applySelectedPreset(state, frameEntries);
  state.job.sheetMode = 0;
  state.job.outputFolder = context.desktopFolder.isEmpty()
                               ? QStringLiteral("Resized pictures")
                               : context.desktopFolder + QStringLiteral("/Resized pictures");
  state.program.folderWindowMode = 3;
  state.program.exitWhenDone = 1;
  // Main window at the bottom-left corner, preview just past the right edge.
  state.program.mainLeft = 0;
  state.program.mainTop = float((context.screen.height() - context.mainWindow.height()) * kTwipsPerPixel);
  state.program.previewLeft = float(context.screen.width() * kTwipsPerPixel);
  state.program.previewTop = 0;
  return state;
}

SettingsState readSettings(const QByteArray &bytes, const SettingsState &firstRun,
                           const QStringList &frameEntries) {
  SettingsState state = firstRun;
  const QStringList lines = linesOf(bytes);
  if (lines.isEmpty())
    return state;

  readProgramLine(lines.value(0), state);
  if (lines.size() >= 2)
    applyPresetBody(state.job, lines[1], frameEntries); // written without a name
  for (const JobField &field : jobFields())
    if (field.ownLine && field.ownLine.position() <= lines.size())
      field.read(state.job, lines[field.ownLine.position() - 1], frameEntries);
  if (std::optional<PresetStore> presets = presetsOf(lines))
    state.presets = std::move(*presets);
  if (state.program.presetIndex < -1 || state.program.presetIndex >= state.presets.count())
    state.program.presetIndex = -1;
  return state;
}

QByteArray writeSettings(const SettingsState &state, const QStringList &frameEntries) {
  QStringList lines{programLine(state, frameEntries), toPreset(state.job, frameEntries)};
  for (const JobField &field : jobFields())
    if (field.ownLine) {
      while (lines.size() < field.ownLine.position())
        lines.append(QString());
      lines[field.ownLine.position() - 1] = field.write(state.job, frameEntries);
    }
  lines += state.presets.lines();
  QString text = lines.join(QStringLiteral("\r\n"));
  text += QStringLiteral("\r\n");
  return text.toUtf8();
}

QByteArray writeSettingsOver(const QByteArray &saved, const SettingsState &mine, const PresetStore &loaded,
                             const QStringList &frameEntries) {
  const std::optional<PresetStore> savedPresets = presetsOf(linesOf(saved));
  if (!savedPresets)
    return writeSettings(mine, frameEntries);
  SettingsState merged = mine;
  merged.presets = PresetStore::merged(loaded, mine.presets, *savedPresets);
  const int selected = mine.program.presetIndex;
  if (selected >= 0 && selected < mine.presets.count())
    merged.program.presetIndex = qint16(merged.presets.lines().indexOf(mine.presets.line(selected)));
  return writeSettings(merged, frameEntries);
}

void applySelectedPreset(SettingsState &state, const QStringList &frameEntries) {
  const int index = state.program.presetIndex;
  if (index >= 0 && index < state.presets.count())
    fromPreset(state.job, state.presets.line(index), frameEntries);
}

} // namespace veltrane
