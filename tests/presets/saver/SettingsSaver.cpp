// A copy of the program that only saves settings, for the tests of two
// copies saving one file: it reads the settings of the program folder given,
// adds a preset, says "ready", and saves once a line comes on its input.
#include "presets/PresetLine.h"
#include "storage/ProgramFolder.h"
#include "presets/SettingsFile.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>
#include <iostream>
#include <string>

using namespace veltrane;

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  const QStringList arguments = app.arguments();
  if (arguments.size() != 4) {
    std::cerr << "usage: settings-saver PROGRAM-FOLDER PRESET-NAME MAX-WIDTH\n";
    return 2;
  }
  const ProgramFolder folder = ProgramFolder::resolve(arguments[1], {});
  const QStringList frames;
  const SettingsState firstRun = firstRunSettings({}, frames);
  SettingsState state = readSettings(readWholeFile(folder.settingsReadPath()), firstRun, frames);
  const PresetStore loaded = state.presets;
  state.job.maxWidth = arguments[3];
  if (!state.presets.add(arguments[2], toPreset(state.job, frames)).added)
    return 3;
  std::cout << "ready" << std::endl;
  std::string line;
  std::getline(std::cin, line);
  const ProgramFolder::SaveResult result = folder.saveSettings([&](const QByteArray &saved) {
    // Time for another copy to read the same file, were there no lock.
    QThread::msleep(30);
    return writeSettingsOver(saved, state, loaded, frames);
  });
  return result.saved ? 0 : 1;
}
