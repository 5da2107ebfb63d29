#include "presets/SettingsFile.h"

#include "common/Numbers.h"
#include "presets/FieldReaders.h"
#include "presets/PresetLine.h"
#include "presets/SettingsText.h"

#include <cmath>
#include <optional>

namespace veltrane {
namespace {

constexpr int kLine1Fields = 24;

template <typename Int, typename Convert> void readStrict(Int &field, const QString &text, Convert convert) {
  if (const auto value = convert(text))
    field = *value;
}

// A place too far for a float would be written as "inf" and read back as 0.
void readPosition(float &field, const QString &text) {
  const auto value = float(leadingNumber(text));
  if (std::isfinite(value))
    field = value;
}

qint16 checkFromNumber(const QString &text, qint16 current) {
  const qint32 value = roundedInt32(text);
  return (value == 0 || value == 1) ? qint16(value) : current;
}

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

void applyLine1(const QString &line, SettingsState &state) {
  ProgramSettings &program = state.program;
  JobSettings &job = state.job;
  qsizetype pos = 1;
  QStringList fields;
  // Fields past the end of a short line keep their first-run values.
  for (int i = 0; i < kLine1Fields && pos <= line.size() + 1; ++i)
    fields.append(getPar(line, pos));
  const auto field = [&](int number) -> const QString * {
    return number <= fields.size() ? &fields[number - 1] : nullptr;
  };

  if (auto f = field(1))
    readStrict(program.folderWindowMode, *f, strictInt32);
  if (auto f = field(2))
    readStrict(program.exitWhenDone, *f, strictInt32);
  if (auto f = field(3))
    program.indexBackground = roundedInt32(*f);
  if (auto f = field(4))
    program.captionColour = roundedInt32(*f);
  if (auto f = field(5))
    readCheckBox(program.captionBold, *f);
  if (auto f = field(6))
    readCheckBox(program.captionItalic, *f);
  if (auto f = field(7))
    program.fontSize = *f;
  if (auto f = field(8))
    readStrict(program.presetIndex, *f, strictInt16);
  if (auto f = field(9))
    readCheckBox(program.manualSize, *f);
  if (auto f = field(10))
    readCheckBox(program.showPreview, *f);
  if (auto f = field(11))
    readCheckBox(job.sameFolder, *f);
  if (auto f = field(12))
    readPosition(program.mainLeft, *f);
  if (auto f = field(13))
    readPosition(program.mainTop, *f);
  if (auto f = field(14))
    readPosition(program.previewLeft, *f);
  if (auto f = field(15))
    readPosition(program.previewTop, *f);
  if (auto f = field(16)) {
    const qint32 mode = roundedInt32(*f);
    if (mode >= -1 && mode <= 2)
      job.sheetMode = qint16(mode);
  }
  if (auto f = field(17))
    job.sheetColumns = gridIndexFromNumber(*f);
  if (auto f = field(18))
    job.sheetRows = gridIndexFromNumber(*f);
  if (auto f = field(19))
    job.captionNames = checkFromNumber(*f, job.captionNames);
  if (auto f = field(20))
    job.captionSizes = checkFromNumber(*f, job.captionSizes);
  if (auto f = field(21))
    job.captionFileSizes = checkFromNumber(*f, job.captionFileSizes);
  if (auto f = field(22))
    program.plainMode = leadingNumber(*f) == 1;
  // Fields older copies do not write, and ignore.
  if (auto f = field(23)) {
    const qint32 policy = roundedInt32(*f);
    if (policy >= 0 && policy <= 2)
      program.photo.metadata = MetadataPolicy(policy);
  }
  if (auto f = field(24))
    program.photo.keepColourProfile = leadingNumber(*f) == 1;
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

  applyLine1(lines.value(0), state);
  if (lines.size() >= 2)
    applyPresetBody(state.job, lines[1], frameEntries); // written without a name
  if (lines.size() >= 3)
    state.job.outputFolder = lines[2];
  if (std::optional<PresetStore> presets = presetsOf(lines))
    state.presets = std::move(*presets);
  if (state.program.presetIndex < -1 || state.program.presetIndex >= state.presets.count())
    state.program.presetIndex = -1;
  return state;
}

QByteArray writeSettings(const SettingsState &state, const QStringList &frameEntries) {
  const ProgramSettings &p = state.program;
  const JobSettings &job = state.job;
  QStringList line1{
      QString::number(p.folderWindowMode),
      QString::number(p.exitWhenDone),
      QString::number(p.indexBackground),
      QString::number(p.captionColour),
      QString::number(p.captionBold),
      QString::number(p.captionItalic),
      p.fontSize,
      QString::number(p.presetIndex),
      QString::number(p.manualSize),
      QString::number(p.showPreview),
      QString::number(job.sameFolder),
      formatNumber(p.mainLeft),
      formatNumber(p.mainTop),
      formatNumber(p.previewLeft),
      formatNumber(p.previewTop),
  };
  line1 += sheetFields(job);
  line1 += p.plainMode ? QStringLiteral("1") : QStringLiteral("0");
  line1 += QString::number(int(p.photo.metadata));
  line1 += p.photo.keepColourProfile ? QStringLiteral("1") : QStringLiteral("0");
  QStringList lines{line1.join(u'|'), toPreset(job, frameEntries), job.outputFolder};
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
