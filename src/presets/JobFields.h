#pragma once

#include "common/Result.h"
#include "presets/JobSettings.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <variant>
#include <vector>

namespace veltrane {

// Where one stored form keeps a field: its 1-based position in a line of
// "|"-separated fields, or nowhere. There is no default, so that every row
// of the table says where the field is, or that it is nowhere.
class FieldPlace {
public:
  static constexpr FieldPlace at(int position) { return FieldPlace(position); }
  static constexpr FieldPlace nowhere() { return FieldPlace(0); }
  constexpr int position() const { return m_position; }
  constexpr explicit operator bool() const { return m_position > 0; }

private:
  constexpr explicit FieldPlace(int position) : m_position(position) {}
  int m_position;
};

// What an option's value is, so that the shells' completions can offer it.
enum class OptionValue { Text, Number, File, Folder, Preset, Frame, Format };

// A veltrane-batch option that sets a field: its name and value for --help,
// the parser and the completions, and how it applies (strictly: a value it
// cannot take fails with why).
struct FieldOption {
  QString name;      // "--width"
  char letter = 0;   // its short form ('o' for -o), 0 for none
  QString valueName; // "N"; empty for an option without a value
  QString help;      // one paragraph, wrapped by --help
  std::function<Result<>(JobSettings &job, const QString &value, const QStringList &frameEntries)> apply;
  OptionValue value = OptionValue::Text;
  QStringList words = {}; // fixed values offered besides those of its kind
};

// A field's options; "none" must be said.
class FieldOptions {
public:
  static FieldOptions none() { return FieldOptions({}); }
  FieldOptions(std::vector<FieldOption> options) : m_options(std::move(options)) {}
  const std::vector<FieldOption> &list() const { return m_options; }

private:
  std::vector<FieldOption> m_options;
};

// Where --help lists a field's options.
enum class HelpSection { Job, Output };

// One member of JobSettings.
using JobMember = std::variant<QString JobSettings::*, qint16 JobSettings::*, bool JobSettings::*>;

// One field of a job, declared once: what it holds, where the preset line
// and the settings file keep it, how it is read and written there, and the
// command line's options for it. The preset line, the settings file, the
// command line and its help, and the window's merge of changed fields during
// a batch are all driven by this table; the window binds its controls by
// object name.
struct JobField {
  QString name;                   // as the README calls it
  QString values;                 // what it holds, as stored
  QString firstRun;               // its value on a first run, as stored
  std::vector<JobMember> members; // the JobSettings members it keeps
  FieldPlace presetLine;          // also the settings file's second line
  FieldPlace programLine;         // the settings file's first line, among the program settings
  FieldPlace ownLine;             // a line of the settings file of its own
  // The stored text, and reading it back: a text the field cannot hold
  // leaves it as it was (or as the row says), so a damaged line never stops
  // the rest.
  std::function<QString(const JobSettings &, const QStringList &frameEntries)> write;
  std::function<void(JobSettings &, const QString &, const QStringList &frameEntries)> read;
  // The first line reads some fields more leniently than the preset line;
  // set exactly when the field has a place there.
  std::function<void(JobSettings &, const QString &)> readProgramLine;
  HelpSection section;
  FieldOptions options;
};

// Every job field, in the preset line's order.
const std::vector<JobField> &jobFields();

// The option of that name (or short letter, as "-o"), with its field; null
// when no field has it.
const FieldOption *findFieldOption(const QString &name);

// The last position the rows give in the preset line, or in the first line.
int presetLineFields();

} // namespace veltrane
