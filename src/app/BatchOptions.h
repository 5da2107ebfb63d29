#pragma once

#include "common/Result.h"

#include <QByteArrayList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

namespace veltrane {

// What the command line asked for, before anything is read from disk.
struct BatchOptions {
  QString home;
  QString preset;
  std::optional<QString> jobLine;
  std::optional<QString> output;
  bool sameFolder = false;
  std::optional<QSize> screen;
  int jobs = 0;
  bool yes = false;
  bool quiet = false;
  bool help = false;
  bool version = false;
  // Single fields, applied after --preset and --job in the order given.
  QList<std::pair<QString, QString>> fields;
  QStringList files;
  QStringList badNames; // file arguments whose bytes are not UTF-8
};

// Reads the arguments (without the program name); fails when they do not
// make sense.
Result<BatchOptions> parseBatchOptions(const QByteArrayList &arguments);

extern const char kBatchUsage[];

struct JobSettings;

// Applies one of the single-field options (--width, --quality, ...) to a job;
// fails for a value the option cannot take.
Result<> applyFieldOption(JobSettings &job, const QString &option, const QString &value,
                          const QStringList &frameEntries);

// A stored or built-in preset line by its name: exactly, then ignoring case
// and surrounding spaces. Nothing when there is none.
std::optional<QString> findPreset(const QStringList &stored, const QString &name);

} // namespace veltrane
