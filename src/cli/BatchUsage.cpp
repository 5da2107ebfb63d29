#include "cli/BatchOptions.h"

#include "presets/JobFields.h"

#include <QStringList>

namespace veltrane {
namespace {

const char kBeforeJobFields[] = R"usage(Usage: veltrane-batch [options] FILE|FOLDER...

Resizes pictures into JPEG files with Veltrane's batch engine. No file is
ever overwritten: a taken name gets " (2)", " (3)"... It never needs a
display and never writes the settings file.

The job starts as the settings file left it (the window's last job), or
with --defaults as on a first run; then --preset, then --job, then the
other options in the order given. Scripts should say --defaults (or
--no-settings) and spell out the job, so that what the window did last
does not change their results.

Job:
      --preset NAME     use a stored or built-in preset, e.g. "MAIL ATTACHMENT"
      --also-preset NAME  also write each picture as this preset makes it, from
                        the same decode (repeatable; e.g. mail size, web size
                        and thumbnail in one pass). It applies over the job
                        above, writes into the same folder and makes no index
                        sheets
      --also-job LINE   the same with a preset line
      --job LINE        use a preset line, e.g. "|600|1|100k|||0|4|3|0|0|0"
                        (a leading "NAME=" is allowed)
)usage";

const char kBeforeOutputFields[] =
    R"usage(      --metadata WHAT   what outputs keep of their sources' metadata: "keep",
                        "no-location" (all but where it was taken) or "strip"
      --colour-profile WHAT  "convert" the colours to sRGB, or "keep" the
                        source's profile
                        (these two default to the settings file's choice,
                        else "no-location" and "convert")
      --defaults        start from the first-run job, not the window's last
                        one; presets and program settings still come from
                        the settings file
      --no-settings     read no settings file at all: the first-run job
                        and program settings, the built-in presets
      --list-presets    print the names of the presets and exit

Files:
      --files-from FILE read file names from FILE ("-": the standard input),
                        one a line, besides those given as arguments
  -0, --null            the names in --files-from end with a NUL byte, as
                        find -print0 writes them
  -r, --recursive       walk the folders given, skipping hidden names, and
                        mirror their trees under the output folder; files
                        given by name keep their folders there too (without
                        a leading "/" or ".."). With --same-folder each
                        output goes beside its source
  File names are read by their bytes: a name that is not UTF-8 is read as
  it is, and its output's name has U+FFFD for each byte that is not.

Output:
)usage";

const char kAfterOutputFields[] =
    R"usage(      --screen WxH      the screen size for "screen" sizes and index sheets.
                        Without it: the display's size in pixels when one
                        answers, else 1920x1080, with a note when the job
                        uses it
  -n, --dry-run         write nothing: print each output's name and size in
                        pixels (and the --report lines) only
      --report FILE     one JSON object per line for every picture, as the
                        batch goes ("-": the standard output): source,
                        output, width, height, bytes, quality, status
                        ("written", "failed", "skipped", or "planned" in a
                        dry run) and reason. An earlier report is
                        replaced; a file that is one of the sources, the
                        --files-from list or anything but a report is
                        refused before any work, and left as it is

Running:
      --home DIR        the program folder with Veltrane.INI and frames/
                        (default: VELTRANE_HOME, a portable copy's own
                        folder, else ~/.config/veltrane and
                        ~/.local/share/veltrane)
  -j, --jobs N          worker threads (default: one per core)
      --memory MB       what the pictures under way may hold at once, in MB
                        of 1024 x 1024 bytes; a picture that needs more is
                        refused (default: a quarter of the free memory, or of
                        the room under the control group's limit when that is
                        closer)
      --timings         at the end, where each worker's time went (decoding,
                        preparing, encoding, waiting for memory and for work)
                        and the writing's, in milliseconds, on the error output
      --yes             go ahead when trying all frames makes over 100 files
      --skip-existing   leave out a picture whose output name is taken,
                        instead of writing it as " (2)"; not a failure
  -q, --quiet           print only errors
  -h, --help            show this help and exit
  -V, --version         show the version and exit
      --                every argument after it is a file

Exit status: 0 when every picture was written; 1 when some could not be
read, written, or were refused or skipped, or when the report could not be
written to its end (a reader that closed it, a full disk): the batch still
finishes and prints its summary; 2 for a usage error or a batch
that could not start (for example an output folder that cannot be made);
130 after an interrupt (Ctrl-C) and 143 after SIGTERM: the pictures under
way are finished and the summary printed first; a second one ends at once.

Examples:
  Mail attachments: 600 pixels high, each file under 100 kB:
    veltrane-batch --defaults --preset "MAIL ATTACHMENT" -o ~/mail *.jpg
  Thumbnails 150 pixels high with index sheets of 5 x 4:
    veltrane-batch --defaults --width off --height 150 --quality 60 \
                   --suffix _TH --index also --grid 5x4 -o thumbs photos/*.jpg
  A whole tree, the names from find, a record of what was written:
    find photos -name '*.jpg' -print0 | veltrane-batch --defaults -r \
      --preset "MAIL ATTACHMENT" --files-from - -0 --report log.json -o mail
  Every frame on one picture, on one sheet captioned with the frame names:
    veltrane-batch --preset "SELECT THE BEST FRAME" --yes -o frames photo.jpg
)usage";

constexpr int kHelpColumn = 24;
constexpr int kHelpWidth = 80;

// "      --width N         largest width in pixels, ..." wrapped at the
// help's width under its own column.
QString optionHelp(const FieldOption &option) {
  QString line =
      option.letter ? QStringLiteral("  -%1, ").arg(QLatin1Char(option.letter)) : QStringLiteral("      ");
  line += option.valueName.isEmpty() ? option.name : option.name + u' ' + option.valueName;
  line = line.size() <= kHelpColumn - 2 ? line.leftJustified(kHelpColumn) : line + QStringLiteral("  ");
  QStringList lines;
  bool lineHasWords = false;
  for (const QString &word : option.help.split(u' ', Qt::SkipEmptyParts)) {
    if (lineHasWords && line.size() + 1 + word.size() > kHelpWidth) {
      lines.append(line);
      line = QString(kHelpColumn, u' ');
      lineHasWords = false;
    }
    line += lineHasWords ? u' ' + word : word;
    lineHasWords = true;
  }
  lines.append(line);
  return lines.join(u'\n') + u'\n';
}

QString fieldOptionsHelp(HelpSection section) {
  QString text;
  for (const JobField &field : jobFields())
    if (field.section == section)
      for (const FieldOption &option : field.options.list())
        text += optionHelp(option);
  return text;
}

} // namespace

// Also the man page: help2man reads it.
QString batchUsage() {
  return QString::fromUtf8(kBeforeJobFields) + fieldOptionsHelp(HelpSection::Job) +
         QString::fromUtf8(kBeforeOutputFields) + fieldOptionsHelp(HelpSection::Output) +
         QString::fromUtf8(kAfterOutputFields);
}

} // namespace veltrane
