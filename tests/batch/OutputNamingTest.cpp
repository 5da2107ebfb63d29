#include "batch/OutputNaming.h"
#include "TempFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace veltrane;

TEST(Suffix, ReplacesEveryPlaceholderInOrder) {
  const SuffixValues fixed{QStringLiteral("85%"), 800, 600, QStringLiteral("(no frame)")};
  const struct {
    const char *templ;
    const char *frame;
    const char *expected;
  } cases[] = {
      {"_[W]x[H]@[Q]+[F]", "(no frame)", "_800x600@85%+(no frame)"},
      {"[w]x[h]", "(no frame)", "800x600"},
      {" wallpaper ([W]x[H])", "", " wallpaper (800x600)"},
      {"[F]", "[F] gold", "[F] gold"},
      {"[F][f]", "[f]", "[f][f]"},
      // A value brings in a later placeholder: later passes replace it.
      {"[Q]", "x", "85%"},
      {"[F]", "[W] gold", "[W] gold"},
      {"no placeholders", "", "no placeholders"},
  };
  for (const auto &c : cases) {
    SuffixValues values = fixed;
    values.frame = QString::fromUtf8(c.frame);
    EXPECT_EQ(substituteSuffix(QString::fromUtf8(c.templ), values), QString::fromUtf8(c.expected)) << c.templ;
  }
  const SuffixValues bringsLater{QStringLiteral("[H]k"), 1, 2, QString()};
  EXPECT_EQ(substituteSuffix(QStringLiteral("[Q]"), bringsLater), QStringLiteral("2k"));
}

TEST(Naming, OutputNamesStayInTheFolderAndHoldNoControlCharacters) {
  const struct {
    const char *stem;
    const char *suffix;
    const char *expected;
  } cases[] = {
      {"photo", "_[W]", "photo_[W].jpg"},
      {"photo", "/../../etc/x", "photo_.._.._etc_x.jpg"},
      {"photo", "_a\nb\tc\x7f", "photo_a_b_c_.jpg"},
      {"li\nne", "", "li_ne.jpg"},
      {"caf\xC3\xA9", " \xC2\xBB ok", "caf\xC3\xA9 \xC2\xBB ok.jpg"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(outputFileName(QString::fromUtf8(c.stem), QString::fromUtf8(c.suffix)),
              QString::fromUtf8(c.expected))
        << c.suffix;
}

TEST(Naming, NextFileNameNeverNamesAnExistingFile) {
  test::TempFolder temp;
  const QString family = temp.file(QStringLiteral("Family.jpg"));
  EXPECT_EQ(nextFreeName(family), family);
  temp.write(QStringLiteral("Family.jpg"));
  EXPECT_EQ(nextFreeName(family), temp.file(QStringLiteral("Family (2).jpg")));
  temp.write(QStringLiteral("Family (2).jpg"));
  temp.write(QStringLiteral("Family (3).jpg"));
  EXPECT_EQ(nextFreeName(family), temp.file(QStringLiteral("Family (4).jpg")));

  // A folder counts as taken; a name without an extension is numbered at its end.
  QDir().mkpath(temp.file(QStringLiteral("README")));
  EXPECT_EQ(nextFreeName(temp.file(QStringLiteral("README"))), temp.file(QStringLiteral("README (2)")));
  // A "." in a folder name does not start an extension.
  temp.write(QStringLiteral("a.b/README"));
  EXPECT_EQ(nextFreeName(temp.file(QStringLiteral("a.b/README"))),
            temp.file(QStringLiteral("a.b/README (2)")));
  // A dangling link still holds its name.
  QFile::link(temp.file(QStringLiteral("gone.jpg")), temp.file(QStringLiteral("link.jpg")));
  EXPECT_EQ(nextFreeName(temp.file(QStringLiteral("link.jpg"))), temp.file(QStringLiteral("link (2).jpg")));
  // A missing folder makes every name free.
  EXPECT_EQ(nextFreeName(temp.file(QStringLiteral("no/x.jpg"))), temp.file(QStringLiteral("no/x.jpg")));
}

TEST(Naming, SuffixBoxRefusesTheNineCharacters) {
  for (const QChar c : QStringLiteral("\\/:*?\"<>|"))
    EXPECT_TRUE(refusedInFileNames(c)) << c.toLatin1();
  for (const QChar c : QStringLiteral(" a_[]@+\t"))
    EXPECT_FALSE(refusedInFileNames(c));
  EXPECT_EQ(kReadyMadeTemplate, QStringLiteral("_[W]x[H]@[Q]+[F]"));
}
