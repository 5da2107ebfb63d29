#include "cli/CompletionScripts.h"

namespace veltrane {
namespace {

// Plain bash: the script needs no bash-completion helpers, so that it also
// runs where that package is missing. "@OPTIONS@", "@VALUE_LETTERS@",
// "@PICTURES@" and "@VALUES@" are filled in from the tables.
const char kScript[] =
    R"bash(# bash completion for veltrane-batch, written by `veltrane-batch --completion bash`
# from the program's own option tables.

# A word as typed, without its quotes and backslashes, "~/" expanded.
_veltrane_batch_dequote() {
  local word=$1
  [[ $word == [\"\']* ]] && word=${word:1}
  [[ $word == *[\"\'] ]] && word=${word%?}
  word=${word//\\/}
  [[ $word == '~/'* ]] && word=$HOME/${word:2}
  printf '%s' "$word"
}

# The names veltrane-batch lists with $1 (--list-presets, --list-frames),
# from the --home given earlier on the line.
_veltrane_batch_names() {
  local program home=() i
  program=$(_veltrane_batch_dequote "${COMP_WORDS[0]}")
  for ((i = 1; i < COMP_CWORD; i++)); do
    case ${COMP_WORDS[i]} in
    --home)
      if [[ ${COMP_WORDS[i + 1]} == = ]]; then
        home=(--home "$(_veltrane_batch_dequote "${COMP_WORDS[i + 2]}")")
      else
        home=(--home "$(_veltrane_batch_dequote "${COMP_WORDS[i + 1]}")")
      fi
      ;;
    --home=*) home=(--home "$(_veltrane_batch_dequote "${COMP_WORDS[i]#--home=}")") ;;
    esac
  done
  "$program" "${home[@]}" "$1" 2>/dev/null
}

# Offers those of its arguments that begin with $cur, ignoring case, quoted
# as the word so far is (or with backslashes).
_veltrane_batch_offer() {
  local word=$cur quote= name
  [[ $word == [\"\']* ]] && quote=${word:0:1}
  word=$(_veltrane_batch_dequote "$word")
  for name; do
    # Presets are found without their leading spaces (a group's members have them).
    name=${name#"${name%%[! ]*}"}
    [[ -n $name && ${name,,} == "${word,,}"* ]] || continue
    if [[ -n $quote ]]; then
      COMPREPLY+=("$prefix$quote$name$quote")
    else
      printf -v name '%q' "$name"
      COMPREPLY+=("$prefix$name")
    fi
  done
}

# Offers the names that _veltrane_batch_names lists, and its other arguments.
_veltrane_batch_listed() {
  local names
  mapfile -t names < <(_veltrane_batch_names "$1")
  _veltrane_batch_offer "${names[@]}" "${@:2}"
}

# Files (or with -d folders) that begin with $cur; with a pattern, only
# those files whose lower-case name matches it, and every folder.
_veltrane_batch_files() {
  local kind=$1 pattern=$2 word name
  word=$(_veltrane_batch_dequote "$cur")
  compopt -o filenames 2>/dev/null
  while IFS= read -r name; do
    if [[ -z $pattern || -d $name ]] || [[ ${name,,} =~ $pattern ]]; then
      COMPREPLY+=("$prefix$name")
    fi
  done < <(compgen "$kind" -- "$word")
}

_veltrane_batch() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev= option= prefix= i
  local pictures='\.(@PICTURES@)$'
  COMPREPLY=()
  ((COMP_CWORD > 0)) && prev=${COMP_WORDS[COMP_CWORD - 1]}
  # After "--" every word is a file.
  for ((i = 1; i < COMP_CWORD; i++)); do
    if [[ ${COMP_WORDS[i]} == -- ]]; then
      _veltrane_batch_files -f "$pictures"
      return 0
    fi
  done
  # Bash splits "--format=webp" at the "=" into three words.
  if [[ $cur == = ]]; then
    option=$prev cur=
  elif [[ $prev == = ]] && ((COMP_CWORD > 1)); then
    option=${COMP_WORDS[COMP_CWORD - 2]}
  elif [[ $cur == --*=* ]]; then
    option=${cur%%=*} prefix=${cur%%=*}= cur=${cur#*=}
  elif [[ $prev == -[!-]?* && ${prev:1:${#prev}-2} != *[@VALUE_LETTERS@]* ]]; then
    # "-qo": the last letter takes this word, unless an earlier one took the rest.
    option=-${prev: -1}
  elif [[ $prev == -* ]]; then
    option=$prev
  fi
  case $option in
@VALUES@  esac
  if [[ $cur == -* ]]; then
    COMPREPLY=($(compgen -W "@OPTIONS@" -- "$cur"))
    return 0
  fi
  _veltrane_batch_files -f "$pictures"
}

complete -F _veltrane_batch veltrane-batch
)bash";

// What a value completes to, as one command.
QString valueAction(const CompletedOption &option) {
  const QString words = option.words.join(u' ');
  switch (option.value) {
  case OptionValue::File: return QStringLiteral("_veltrane_batch_files -f");
  case OptionValue::Folder: return QStringLiteral("_veltrane_batch_files -d");
  case OptionValue::Preset: return QStringLiteral("_veltrane_batch_listed --list-presets");
  case OptionValue::Frame: return QStringLiteral("_veltrane_batch_listed --list-frames ") + words;
  case OptionValue::Text:
  case OptionValue::Number:
  case OptionValue::Format: break;
  }
  return words.isEmpty() ? QStringLiteral(":") : QStringLiteral("_veltrane_batch_offer ") + words;
}

} // namespace

QString bashCompletion(const QList<CompletedOption> &options) {
  QStringList names;
  QString valueLetters;
  // The "case" branches: the options of each action, in the tables' order.
  QStringList actions;
  QList<QStringList> spellingsOf;
  for (const CompletedOption &option : options) {
    QStringList spellings{option.name};
    if (option.letter)
      spellings.prepend(QStringLiteral("-") + QLatin1Char(option.letter));
    names += spellings;
    if (!option.takesValue)
      continue;
    if (option.letter)
      valueLetters += QLatin1Char(option.letter);
    const QString action = valueAction(option);
    qsizetype k = actions.indexOf(action);
    if (k < 0) {
      actions.append(action);
      spellingsOf.append(QStringList());
      k = actions.size() - 1;
    }
    spellingsOf[k] += spellings;
  }
  // A value option's word is its value, whatever it holds: never a picture.
  QString values;
  for (qsizetype k = 0; k < actions.size(); ++k)
    values +=
        QStringLiteral("  %1)\n    %2\n    return 0\n    ;;\n").arg(spellingsOf[k].join(u'|'), actions[k]);
  QString script = QString::fromUtf8(kScript);
  script.replace(QStringLiteral("@OPTIONS@"), names.join(u' '));
  script.replace(QStringLiteral("@VALUE_LETTERS@"), valueLetters);
  script.replace(QStringLiteral("@PICTURES@"), pictureExtensionPattern());
  script.replace(QStringLiteral("@VALUES@"), values);
  return script;
}

} // namespace veltrane
