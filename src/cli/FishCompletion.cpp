#include "cli/CompletionScripts.h"

namespace veltrane {
namespace {

// "@COMPLETES@" and "@PICTURES@" are filled in from the tables.
const char kScript[] =
    R"fish(# fish completion for veltrane-batch, written by `veltrane-batch --completion fish`
# from the program's own option tables.

# The names veltrane-batch lists with $argv[1] (--list-presets, --list-frames),
# from the --home given earlier on the line, and the words after it.
function __veltrane_batch_names
    set -l tokens (commandline -opc)
    set -l home
    for i in (seq 2 (count $tokens))
        switch $tokens[$i]
            case --home
                set -l next (math $i + 1)
                set -q tokens[$next]; and set home --home $tokens[$next]
            case '--home=*'
                set home --home (string replace -- --home= '' $tokens[$i])
        end
    end
    type -q -- $tokens[1]; and $tokens[1] $home $argv[1] 2>/dev/null
    printf '%s\n' $argv[2..-1]
end

# Folders, and the files of the formats veltrane-batch reads.
function __veltrane_batch_pictures
    __fish_complete_path (commandline -ct) | string match -ri -- '^.*(?:/|\.(?:@PICTURES@))\t.*$'
end

complete -c veltrane-batch -f -a '(__veltrane_batch_pictures)'
@COMPLETES@)fish";

// Inside '...' in fish.
QString quoted(QString text) {
  text.replace(u'\\', QStringLiteral("\\\\"));
  text.replace(u'\'', QStringLiteral("\\'"));
  return u'\'' + text + u'\'';
}

QString valueArguments(const CompletedOption &option) {
  const QString words = option.words.join(u' ');
  switch (option.value) {
  case OptionValue::File: return QStringLiteral(" -r -F");
  case OptionValue::Folder: return QStringLiteral(" -r -f -a '(__fish_complete_directories)'");
  case OptionValue::Preset: return QStringLiteral(" -r -f -a '(__veltrane_batch_names --list-presets)'");
  case OptionValue::Frame:
    return QStringLiteral(" -r -f -a '(__veltrane_batch_names --list-frames %1)'").arg(words);
  case OptionValue::Text:
  case OptionValue::Number:
  case OptionValue::Format: break;
  }
  return words.isEmpty() ? QStringLiteral(" -r -f") : QStringLiteral(" -r -f -a ") + quoted(words);
}

} // namespace

QString fishCompletion(const QList<CompletedOption> &options) {
  QString completes;
  for (const CompletedOption &option : options) {
    QString line = QStringLiteral("complete -c veltrane-batch");
    if (option.letter)
      line += QStringLiteral(" -s ") + QLatin1Char(option.letter);
    line += QStringLiteral(" -l ") + option.name.mid(2);
    if (option.takesValue)
      line += valueArguments(option);
    completes += line + QStringLiteral(" -d ") + quoted(option.summary) + u'\n';
  }
  QString script = QString::fromUtf8(kScript);
  script.replace(QStringLiteral("@COMPLETES@"), completes);
  script.replace(QStringLiteral("@PICTURES@"), pictureExtensionPattern());
  return script;
}

} // namespace veltrane
