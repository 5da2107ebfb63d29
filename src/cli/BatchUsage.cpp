#include "cli/BatchOptions.h"

#include "cli/RunOptions.h"
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
)usage";

// Between the "Files:" options and the output fields.
const char kFilesNote[] =
    R"usage(  File names are read by their bytes: a name that is not UTF-8 is read as
  it is, and its output's name has U+FFFD for each byte that is not.

Output:
)usage";

const char kAfterRunning[] =
    R"usage(      --                every argument after it is a file

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
// help's width under its own column; a line end in the help starts a new
// line there.
QString optionHelp(char letter, const QString &name, const QString &valueName, const QString &help) {
  QString line = letter ? QStringLiteral("  -%1, ").arg(QLatin1Char(letter)) : QStringLiteral("      ");
  line += valueName.isEmpty() ? name : name + u' ' + valueName;
  line = line.size() < kHelpColumn ? line.leftJustified(kHelpColumn) : line + QStringLiteral("  ");
  QStringList lines;
  for (const QString &paragraph : help.split(u'\n')) {
    bool lineHasWords = false;
    for (const QString &word : paragraph.split(u' ', Qt::SkipEmptyParts)) {
      if (lineHasWords && line.size() + 1 + word.size() > kHelpWidth) {
        lines.append(line);
        line = QString(kHelpColumn, u' ');
        lineHasWords = false;
      }
      line += lineHasWords ? u' ' + word : word;
      lineHasWords = true;
    }
    lines.append(line);
    line = QString(kHelpColumn, u' ');
  }
  return lines.join(u'\n') + u'\n';
}

QString fieldOptionsHelp(HelpSection section) {
  QString text;
  for (const JobField &field : jobFields())
    if (field.section == section)
      for (const FieldOption &option : field.options.list())
        text += optionHelp(option.letter, option.name, option.valueName, option.help);
  return text;
}

QString runOptionsHelp(RunSection section) {
  QString text;
  for (const RunOption &option : runOptions())
    if (option.section == section)
      text += optionHelp(option.letter, option.name, option.valueName, option.help);
  return text;
}

} // namespace

// Also the man page: help2man reads it.
QString batchUsage() {
  return QString::fromUtf8(kBeforeJobFields) + runOptionsHelp(RunSection::BeforeJobFields) +
         fieldOptionsHelp(HelpSection::Job) + runOptionsHelp(RunSection::AfterJobFields) +
         QStringLiteral("\nFiles:\n") + runOptionsHelp(RunSection::Files) + QString::fromUtf8(kFilesNote) +
         fieldOptionsHelp(HelpSection::Output) + runOptionsHelp(RunSection::AfterOutputFields) +
         QStringLiteral("\nRunning:\n") + runOptionsHelp(RunSection::Running) +
         QString::fromUtf8(kAfterRunning);
}

} // namespace veltrane
