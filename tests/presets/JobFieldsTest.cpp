// The job-field table says every part of every field, once.
#include "presets/JobFields.h"
#include "presets/ProgramFields.h"
#include "presets/SettingsFile.h"

#include <gtest/gtest.h>
#include <set>

using namespace veltrane;

namespace {

// How many members an aggregate has: the most values it can be built from.
struct AnyValue {
  template <typename T> operator T() const;
};
template <typename T, typename... Values> constexpr std::size_t memberCount() {
  if constexpr (requires { T{Values{}..., AnyValue{}}; })
    return memberCount<T, Values..., AnyValue>();
  else
    return sizeof...(Values);
}

// Positions 1 to N, each once.
void expectEachOnce(std::multiset<int> positions, int last, const char *where) {
  std::multiset<int> wanted;
  for (int position = 1; position <= last; ++position)
    wanted.insert(position);
  EXPECT_EQ(positions, wanted) << where;
}

} // namespace

TEST(JobFields, EveryMemberHasOneRowAndEveryRowSaysWhereItIsKept) {
  std::vector<JobMember> members;
  std::multiset<int> preset, programLine, ownLines;
  std::set<QString> options;
  for (const JobField &field : jobFields()) {
    const std::string name = field.name.toStdString();
    EXPECT_FALSE(field.values.isEmpty()) << name;
    EXPECT_FALSE(field.members.empty()) << name;
    for (const JobMember &member : field.members) {
      EXPECT_EQ(std::count(members.begin(), members.end(), member), 0) << name << ": a member of two rows";
      members.push_back(member);
    }
    EXPECT_TRUE(field.presetLine || field.programLine || field.ownLine) << name << " is kept nowhere";
    EXPECT_TRUE(field.write && field.read) << name;
    EXPECT_EQ(bool(field.readProgramLine), bool(field.programLine)) << name;
    if (field.presetLine)
      preset.insert(field.presetLine.position());
    if (field.programLine)
      programLine.insert(field.programLine.position());
    if (field.ownLine)
      ownLines.insert(field.ownLine.position());
    for (const FieldOption &option : field.options.list()) {
      EXPECT_TRUE(option.name.startsWith(QStringLiteral("--"))) << name;
      EXPECT_FALSE(option.help.isEmpty()) << option.name.toStdString();
      EXPECT_TRUE(option.apply) << option.name.toStdString();
      EXPECT_TRUE(options.insert(option.name).second) << option.name.toStdString() << " twice";
    }
  }
  EXPECT_EQ(members.size(), memberCount<JobSettings>()) << "a member of JobSettings has no row";
  for (const ProgramField &field : programFields()) {
    EXPECT_TRUE(field.write && field.read) << field.name.toStdString();
    programLine.insert(field.programLine.position());
  }
  EXPECT_EQ(programFields().size(), memberCount<ProgramSettings>() + 1)
      << "a program setting has no row (the photo options are one member of two rows)";
  expectEachOnce(preset, presetLineFields(), "the preset line");
  expectEachOnce(programLine, programLineFields(), "the settings file's first line");
  // Lines 1 and 2 are the program line and the preset line.
  for (const int line : ownLines)
    EXPECT_GT(line, 2);
  EXPECT_EQ(std::set<int>(ownLines.begin(), ownLines.end()).size(), ownLines.size());
}

// The first-run value a row states is the one a first run writes.
TEST(JobFields, TheFirstRunValuesAreTheFirstRunsOwn) {
  const QStringList frames{QStringLiteral("(no frame)"), QStringLiteral("ALL")};
  const JobSettings job = firstRunSettings({{}, {1920, 1080}, {603, 406}}, frames).job;
  for (const JobField &field : jobFields())
    EXPECT_EQ(field.write(job, frames), field.firstRun) << field.name.toStdString();
}
