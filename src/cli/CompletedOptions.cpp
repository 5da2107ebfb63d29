#include "cli/CompletionScripts.h"

#include "cli/RunOptions.h"
#include "filelist/SourceFiles.h"
#include "presets/OutputFormat.h"

namespace veltrane {
namespace {

// The help up to its first break outside quotes (". ", "; ", ": " or " ("):
// enough to tell the options apart in a shell's list.
QString summary(QString help) {
  help.replace(u'\n', u' ');
  bool quoted = false;
  for (qsizetype i = 0; i + 1 < help.size(); ++i) {
    if (help[i] == u'"')
      quoted = !quoted;
    else if (!quoted && ((help[i] == u' ' && help[i + 1] == u'(') ||
                         (QStringView(u".;:").contains(help[i]) && help[i + 1] == u' ' &&
                          !(help[i] == u'.' && i >= 2 && help[i - 2] == u'.')))) // not "e.g."
      return help.left(i);
  }
  return help;
}

CompletedOption completed(const QString &name, char letter, const QString &valueName, const QString &help,
                          OptionValue value, const QStringList &words) {
  CompletedOption option{name, letter, !valueName.isEmpty(), summary(help), value, words};
  if (value == OptionValue::Format)
    option.words += formatWords();
  return option;
}

QList<CompletedOption> runOptionsOf(RunSection section) {
  QList<CompletedOption> options;
  for (const RunOption &option : runOptions())
    if (option.section == section)
      options.append(
          completed(option.name, option.letter, option.valueName, option.help, option.value, option.words));
  return options;
}

QList<CompletedOption> fieldOptionsOf(HelpSection section) {
  QList<CompletedOption> options;
  for (const JobField &field : jobFields())
    if (field.section == section)
      for (const FieldOption &option : field.options.list())
        options.append(
            completed(option.name, option.letter, option.valueName, option.help, option.value, option.words));
  return options;
}

} // namespace

QList<CompletedOption> completedOptions() {
  return runOptionsOf(RunSection::BeforeJobFields) + fieldOptionsOf(HelpSection::Job) +
         runOptionsOf(RunSection::AfterJobFields) + runOptionsOf(RunSection::Files) +
         fieldOptionsOf(HelpSection::Output) + runOptionsOf(RunSection::AfterOutputFields) +
         runOptionsOf(RunSection::Running);
}

QString pictureExtensionPattern() { return pictureExtensions().join(u'|').toLower(); }

std::optional<QString> completionScript(const QString &shell) {
  const QList<CompletedOption> options = completedOptions();
  if (shell == QLatin1String("bash"))
    return bashCompletion(options);
  if (shell == QLatin1String("zsh"))
    return zshCompletion(options);
  if (shell == QLatin1String("fish"))
    return fishCompletion(options);
  return std::nullopt;
}

} // namespace veltrane
