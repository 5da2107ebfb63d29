#include "cli/CompletionScripts.h"

namespace veltrane {
namespace {

// "@SPECS@" and "@PICTURES@" are filled in from the tables.
const char kScript[] = R"zsh(#compdef veltrane-batch
# zsh completion for veltrane-batch, written by `veltrane-batch --completion zsh`
# from the program's own option tables.

# The names veltrane-batch lists with $1 (--list-presets, --list-frames),
# from the --home given earlier on the line, and the words after $2.
(( $+functions[_veltrane_batch_names] )) ||
_veltrane_batch_names() {
  local -a home names expl
  local i program=${(Q)words[1]}
  for (( i = 2; i < CURRENT; i++ )); do
    case $words[i] in
      (--home) home=(--home ${~${(Q)words[i+1]}}) ;;
      (--home=*) home=(--home ${~${(Q)words[i]#--home=}}) ;;
    esac
  done
  names=(${(f)"$(${~program} $home $1 2>/dev/null)"} ${@[3,-1]})
  _wanted $2 expl $2 compadd -M 'm:{[:lower:][:upper:]}={[:upper:][:lower:]}' -a names
}

_arguments -s -S \
@SPECS@  '*:picture:_files -g "*.(#i)(@PICTURES@)(-.)"'
)zsh";

// Inside '...[description]' of _arguments: no quote, bracket or colon
// may stand bare.
QString escaped(QString text) {
  text.replace(u'\\', QStringLiteral("\\\\"));
  text.replace(u'[', QStringLiteral("\\["));
  text.replace(u']', QStringLiteral("\\]"));
  text.replace(u':', QStringLiteral("\\:"));
  text.replace(u'\'', QStringLiteral("'\\''"));
  return text;
}

QString valueAction(const CompletedOption &option) {
  const QString words = option.words.join(u' ');
  switch (option.value) {
  case OptionValue::File: return QStringLiteral("_files");
  case OptionValue::Folder: return QStringLiteral("_files -/");
  // In braces: called as written, without the arguments _arguments adds.
  case OptionValue::Preset: return QStringLiteral("{_veltrane_batch_names --list-presets preset}");
  case OptionValue::Frame: return QStringLiteral("{_veltrane_batch_names --list-frames frame %1}").arg(words);
  case OptionValue::Text:
  case OptionValue::Number:
  case OptionValue::Format: break;
  }
  // A single space: the value's name is shown, nothing offered.
  return words.isEmpty() ? QStringLiteral(" ") : u'(' + words + u')';
}

// "'*'{-o+,--output=}'[folder ...]:DIR:_files -/'": every option may come
// again, as later ones apply over earlier ones.
QString spec(const CompletedOption &option) {
  const QString longForm = option.name + (option.takesValue ? QStringLiteral("=") : QString());
  QString forms = longForm;
  if (option.letter)
    forms = QStringLiteral("{-%1%2,%3}")
                .arg(QString(QLatin1Char(option.letter)), option.takesValue ? QStringLiteral("+") : QString(),
                     longForm);
  QString text = QStringLiteral("'*'%1'[%2]").arg(forms, escaped(option.summary));
  if (option.takesValue)
    text += u':' + escaped(option.name.mid(2)) + u':' + valueAction(option);
  return QStringLiteral("  ") + text + QStringLiteral("' \\\n");
}

} // namespace

QString zshCompletion(const QList<CompletedOption> &options) {
  QString specs;
  for (const CompletedOption &option : options)
    specs += spec(option);
  QString script = QString::fromUtf8(kScript);
  script.replace(QStringLiteral("@SPECS@"), specs);
  script.replace(QStringLiteral("@PICTURES@"), pictureExtensionPattern());
  return script;
}

} // namespace veltrane
