#pragma once

#include "presets/JobFields.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace veltrane {

// One option as the shells complete it, from the run options' table or a
// job field's.
struct CompletedOption {
  QString name;    // "--output"
  char letter = 0; // 'o', 0 for none
  bool takesValue = false;
  QString summary; // the first clause of its help, for the shells' lists
  OptionValue value = OptionValue::Text;
  QStringList words; // fixed values to offer (formats included)
};

// Every option --help lists, in its order.
QList<CompletedOption> completedOptions();

// The extensions of the pictures it reads, lower case, as one pattern's
// alternatives: "jpg|jpeg|...".
QString pictureExtensionPattern();

// The completion script of "bash", "zsh" or "fish"; nothing for another shell.
std::optional<QString> completionScript(const QString &shell);

QString bashCompletion(const QList<CompletedOption> &options);
QString zshCompletion(const QList<CompletedOption> &options);
QString fishCompletion(const QList<CompletedOption> &options);

} // namespace veltrane
