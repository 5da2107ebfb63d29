#pragma once

#include "presets/JobSettings.h"
#include "presets/PresetStore.h"
#include "presets/ProgramSettings.h"

#include <QByteArray>
#include <QSize>
#include <QStringList>

namespace veltrane {

// Everything the settings file keeps.
struct SettingsState {
  ProgramSettings program;
  JobSettings job;
  PresetStore presets;

  bool operator==(const SettingsState &) const = default;
};

// What a first start knows about its surroundings.
struct FirstRunContext {
  QString desktopFolder; // empty when the desktop cannot be named
  QSize screen{1920, 1080};
  QSize mainWindow{603, 406};
};

// The values of a first start: the 33 built-in presets with "MAIL ATTACHMENT"
// selected and applied, the output folder on the desktop, the windows at the
// screen's corners.
SettingsState firstRunSettings(const FirstRunContext &context, const QStringList &frameEntries);

// Reads a settings file's bytes over the first-run values: whatever cannot be
// read keeps its first-run value. The selected preset is checked against the
// list (-1 when beyond it) but not applied; see applySelectedPreset.
SettingsState readSettings(const QByteArray &bytes, const SettingsState &firstRun,
                           const QStringList &frameEntries);

// The whole file, UTF-8 with CR LF line ends.
QByteArray writeSettings(const SettingsState &state, const QStringList &frameEntries);

// The file to write over `saved`, the bytes on disk now, when this copy read
// its presets as `loaded`: another copy's preset changes since then are kept
// beside this copy's, and the selected preset follows its line.
QByteArray writeSettingsOver(const QByteArray &saved, const SettingsState &mine, const PresetStore &loaded,
                             const QStringList &frameEntries);

// Applies the selected preset to the job, as picking it at start does.
void applySelectedPreset(SettingsState &state, const QStringList &frameEntries);

} // namespace veltrane
