#include "presets/PresetStore.h"
#include "presets/FrameList.h"
#include "presets/PresetLine.h"

#include <gtest/gtest.h>

using namespace veltrane;

namespace {
const QString kAnyBody = "111|222|1|85%|||0|4|3|0|0|0";

Prompt exclamation(const QString &title, const QString &text) {
  return {title, text, PromptIcon::Exclamation, PromptButtons::Ok, PromptAnswer::Ok};
}
} // namespace

TEST(PresetStore, AddRefusesEmptyAndTakenNames) {
  PresetStore store = PresetStore::builtIns();
  EXPECT_EQ(store.add(QString(), kAnyBody).message,
            exclamation("Add preset", "Please enter a name to save this preset as."));
  // Same name in another case, and the end of a longer name, are both taken.
  for (const char *name : {"mail attachment", "res", "Low-res", "12MP"}) {
    const auto outcome = store.add(QString::fromUtf8(name), kAnyBody);
    EXPECT_FALSE(outcome.added);
    EXPECT_EQ(outcome.message,
              exclamation("Add preset", QStringLiteral("A preset called \"%1\" already exists.\r\n\r\n"
                                                       "Please enter another name to save this preset as.")
                                            .arg(QString::fromUtf8(name))));
  }
  // "MAIL" begins a name but ends none.
  EXPECT_TRUE(store.add("MAIL", kAnyBody).added);
  EXPECT_EQ(store.count(), 34);
}

TEST(PresetStore, AddFindsTheSameConfigurationFirstToLast) {
  PresetStore store = PresetStore::builtIns();
  auto outcome = store.add("Mine", "640|480|1|85%|||1|4|3|0|0|0");
  EXPECT_FALSE(outcome.added);
  EXPECT_EQ(outcome.message,
            exclamation("This preset already exists.", "The current configuration has already been saved as "
                                                       "preset \" VGA (640x480 \u00BB 0.3MP)\"."));
  EXPECT_EQ(outcome.select, 16);
  EXPECT_EQ(store.add("Mine", "5184|3456|1|100%|||1|4|3|0|0|0").select, 32);
  // Compared without regard to case.
  outcome = store.add("Mine", "SCREEN|Screen|0|85%| WALLPAPER ([w]x[h])||0|4|3|0|0|0");
  EXPECT_EQ(outcome.select, 2);
  EXPECT_EQ(store.count(), 33);
}

TEST(PresetStore, AddRefusesEqualsInNamesAndTheThousandAndFirst) {
  PresetStore store;
  auto outcome = store.add("a=b", kAnyBody);
  EXPECT_FALSE(outcome.added);
  ASSERT_TRUE(outcome.message);
  EXPECT_TRUE(outcome.message->text.contains(u'='));

  for (int i = 0; i < PresetStore::kCapacity; ++i)
    ASSERT_TRUE(store.add(QStringLiteral("p%1x").arg(i), QString::number(i)).added) << i;
  outcome = store.add("one more", "new body");
  EXPECT_FALSE(outcome.added);
  ASSERT_TRUE(outcome.message);
  EXPECT_TRUE(outcome.message->text.contains("1000"));
  EXPECT_EQ(store.count(), PresetStore::kCapacity);
  EXPECT_FALSE(store.append("x=y"));
}

TEST(PresetStore, RemoveAsksThenSelectsTheEntryBefore) {
  PresetStore store = PresetStore::builtIns();
  EXPECT_FALSE(store.removeQuestion(-1));
  EXPECT_EQ(store.removeQuestion(5),
            (Prompt{"Remove this preset?", "Are you sure to remove preset \"MAIL ATTACHMENT (framed)\"?",
                    PromptIcon::Exclamation, PromptButtons::YesNo, PromptAnswer::No}));
  EXPECT_EQ(store.remove(5), 4);
  EXPECT_EQ(store.count(), 32);
  EXPECT_EQ(presetName(store.line(5)), "RE-SAMPLING");
  EXPECT_EQ(store.remove(0), 0);
  EXPECT_EQ(presetName(store.line(0)), "SELECT THE BEST FRAME");

  PresetStore single;
  single.append("only=|||");
  EXPECT_EQ(single.remove(0), -1);
  EXPECT_EQ(single.count(), 0);
}

// What another copy of the program saved since this one read the file stays,
// and this copy's own additions and removals apply on top of it.
TEST(PresetStore, MergesAnotherCopysSaveWithThisCopysChanges) {
  // A list of lines written with spaces between them.
  const auto store = [](const QString &lines) {
    PresetStore result;
    for (const QString &line : lines.split(u' ', Qt::SkipEmptyParts))
      result.append(line);
    return result;
  };
  const PresetStore loaded = store("a=1 b=2 c=3");
  const struct {
    const char *what, *mine, *saved, *expected;
  } cases[] = {
      {"nothing saved since: this copy's list as it is", "b=2 c=3 d=4", "a=1 b=2 c=3", "b=2 c=3 d=4"},
      {"both added", "a=1 b=2 c=3 mine=5", "a=1 b=2 c=3 theirs=6", "a=1 b=2 c=3 theirs=6 mine=5"},
      {"they removed, I added", "a=1 b=2 c=3 mine=5", "a=1 c=3", "a=1 c=3 mine=5"},
      {"I removed, they added", "a=1 c=3", "a=1 b=2 c=3 theirs=6", "a=1 c=3 theirs=6"},
      {"both added the same line", "a=1 b=2 c=3 x=9", "a=1 b=2 c=3 x=9", "a=1 b=2 c=3 x=9"},
      {"both removed the same line", "a=1 c=3", "a=1 c=3 theirs=6", "a=1 c=3 theirs=6"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(PresetStore::merged(loaded, store(c.mine), store(c.saved)).lines().join(u' '), c.expected)
        << c.what;

  // The merged list still holds no more than the list can.
  QString full;
  for (int i = 0; i < PresetStore::kCapacity; ++i)
    full += QStringLiteral("p%1=%1 ").arg(i);
  EXPECT_EQ(PresetStore::merged(loaded, store("a=1 b=2 c=3 mine=5"), store(full)).count(),
            PresetStore::kCapacity);
}
