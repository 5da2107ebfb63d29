#include "cli/RunOptions.h"

using namespace Qt::StringLiterals;

namespace veltrane {
namespace {

// In --help's order. A help text's line ends keep the help as it has always
// been wrapped.
std::vector<RunOption> makeRunOptions() {
  using enum RunSection;
  return {
      {u"--preset"_s, 0, u"NAME"_s, u"use a stored or built-in preset, e.g. \"MAIL ATTACHMENT\""_s,
       BeforeJobFields, OptionValue::Preset},
      {u"--also-preset"_s, 0, u"NAME"_s,
       u"also write each picture as this preset makes it, from the same decode (repeatable; e.g. mail "
       "size, web size and thumbnail in one pass). It applies over the job above, writes into the same "
       "folder and makes no index sheets"_s,
       BeforeJobFields, OptionValue::Preset},
      {u"--also-job"_s, 0, u"LINE"_s, u"the same with a preset line"_s, BeforeJobFields},
      {u"--job"_s, 0, u"LINE"_s,
       u"use a preset line, e.g. \"|600|1|100k|||0|4|3|0|0|0\"\n(a leading \"NAME=\" is allowed)"_s,
       BeforeJobFields},

      {u"--metadata"_s,
       0,
       u"WHAT"_s,
       u"what outputs keep of their sources' metadata: \"keep\", \"no-location\" (all but where it was "
       "taken) or \"strip\""_s,
       AfterJobFields,
       OptionValue::Text,
       {u"keep"_s, u"no-location"_s, u"strip"_s}},
      {u"--colour-profile"_s,
       0,
       u"WHAT"_s,
       u"\"convert\" the colours to sRGB, or \"keep\" the source's profile\n(these two default to the "
       "settings file's choice,\nelse \"no-location\" and \"convert\")"_s,
       AfterJobFields,
       OptionValue::Text,
       {u"convert"_s, u"keep"_s}},
      {u"--defaults"_s,
       0,
       {},
       u"start from the first-run job, not the window's last\none; presets and program settings still "
       "come from\nthe settings file"_s,
       AfterJobFields},
      {u"--no-settings"_s,
       0,
       {},
       u"read no settings file at all: the first-run job\nand program settings, the built-in presets"_s,
       AfterJobFields},
      {u"--list-presets"_s, 0, {}, u"print the names of the presets and exit"_s, AfterJobFields},
      {u"--list-frames"_s, 0, {}, u"print the names of the installed frames and exit"_s, AfterJobFields},

      {u"--files-from"_s, 0, u"FILE"_s,
       u"read file names from FILE (\"-\": the standard input),\none a line, besides those given as "
       "arguments"_s,
       Files, OptionValue::File},
      {u"--null"_s,
       '0',
       {},
       u"the names in --files-from end with a NUL byte, as\nfind -print0 writes them"_s,
       Files},
      {u"--recursive"_s,
       'r',
       {},
       u"walk the folders given, skipping hidden names, and mirror their trees under the output folder; "
       "files\ngiven by name keep their folders there too (without\na leading \"/\" or \"..\"). With "
       "--same-folder each\noutput goes beside its source"_s,
       Files},

      {u"--screen"_s, 0, u"WxH"_s,
       u"the screen size for \"screen\" sizes and index sheets. Without it: the display's size in pixels "
       "when one answers, else 1920x1080, with a note when the job\nuses it"_s,
       AfterOutputFields},
      {u"--dry-run"_s,
       'n',
       {},
       u"write nothing: print each output's name and size in pixels (and the --report lines) only"_s,
       AfterOutputFields},
      {u"--report"_s, 0, u"FILE"_s,
       u"one JSON object per line for every picture, as the\nbatch goes (\"-\": the standard output): "
       "source,\noutput, width, height, bytes, quality, status\n(\"written\", \"failed\", \"skipped\", or "
       "\"planned\" in a\ndry run) and reason. An earlier report is\nreplaced; a file that is one of the "
       "sources, the\n--files-from list or anything but a report is\nrefused before any work, and left as "
       "it is"_s,
       AfterOutputFields, OptionValue::File},

      {u"--home"_s, 0, u"DIR"_s,
       u"the program folder with Veltrane.INI and frames/ (default: VELTRANE_HOME, a portable copy's own\n"
       "folder, else ~/.config/veltrane and\n~/.local/share/veltrane)"_s,
       Running, OptionValue::Folder},
      {u"--jobs"_s, 'j', u"N"_s, u"worker threads (default: one per core)"_s, Running, OptionValue::Number},
      {u"--memory"_s, 0, u"MB"_s,
       u"what the pictures under way may hold at once, in MB\nof 1024 x 1024 bytes; a picture that needs "
       "more is refused (default: a quarter of the free memory, or of the room under the control group's "
       "limit when that is closer)"_s,
       Running, OptionValue::Number},
      {u"--timings"_s,
       0,
       {},
       u"at the end, where each worker's time went (decoding, preparing, encoding, waiting for memory and "
       "for work) and the writing's, in milliseconds, on the error output"_s,
       Running},
      {u"--yes"_s, 0, {}, u"go ahead when trying all frames makes over 100 files"_s, Running},
      {u"--skip-existing"_s,
       0,
       {},
       u"leave out a picture whose output name is taken,\ninstead of writing it as \" (2)\"; not a failure"_s,
       Running},
      {u"--quiet"_s, 'q', {}, u"print only errors"_s, Running},
      {u"--help"_s, 'h', {}, u"show this help and exit"_s, Running},
      {u"--version"_s, 'V', {}, u"show the version and exit"_s, Running},

      // The build writes the completion scripts with it.
      {u"--completion"_s,
       0,
       u"SHELL"_s,
       u"print the completion script for bash, zsh or fish"_s,
       Hidden,
       OptionValue::Text,
       {u"bash"_s, u"zsh"_s, u"fish"_s}},
  };
}

} // namespace

const std::vector<RunOption> &runOptions() {
  static const std::vector<RunOption> options = makeRunOptions();
  return options;
}

const RunOption *findRunOption(const QString &name) {
  for (const RunOption &option : runOptions())
    if (option.name == name || (option.letter && name == QStringLiteral("-") + QLatin1Char(option.letter)))
      return &option;
  return nullptr;
}

} // namespace veltrane
