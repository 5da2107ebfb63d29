#include "BatchProgramKit.h"
#include "TestPictures.h"

#include <QTranslator>

using namespace veltrane;
using namespace veltrane::test;

namespace {

// A desktop in German, whatever the machine's own language.
const Environment kGerman{{"LANGUAGE", "de"}, {"LC_ALL", "de_DE.UTF-8"}, {"LANG", "de_DE.UTF-8"}};
const Environment kEnglish{{"LANGUAGE", ""}, {"LC_ALL", "C"}, {"LANG", "C"}};

QString german(const char *context, const char *text) {
  QTranslator catalogue;
  EXPECT_TRUE(catalogue.load(QStringLiteral("veltrane_de"), QStringLiteral(VELTRANE_CATALOGUES)));
  const QString translated = catalogue.translate(context, text);
  EXPECT_FALSE(translated.isEmpty()) << text;
  EXPECT_NE(translated, QString::fromUtf8(text));
  return translated;
}

// Messages are for people, in their language; what scripts read (standard
// output, the report, preset names) stays as it is stored.
TEST_F(BatchProgram, SpeaksTheDesktopsLanguageOnStandardErrorOnly) {
  const ProgramRun wrong = run({"--bogus"}, {}, kGerman);
  EXPECT_EQ(wrong.exitCode, 2);
  EXPECT_TRUE(wrong.err.contains(german("CommandLine", "unknown option: %1").arg("--bogus")))
      << wrong.err.toStdString();
  EXPECT_TRUE(wrong.err.contains(german("CommandLine", "Try 'veltrane-batch --help' for more information.")));

  temp.write("src/broken.jpg", "not a picture");
  writePicture(temp.file("src/Family.jpg"), {640, 480});
  const QStringList batch = shown() + QStringList{"--preset", "MAIL ATTACHMENT", "--report", temp.file("r.json"),
                                                  temp.file("src/broken.jpg"), temp.file("src/Family.jpg")};
  const ProgramRun inGerman = run(batch, {}, kGerman);
  EXPECT_TRUE(inGerman.err.contains(german("CommandLine", "cannot read %1: %2").section(u'%', 0, 0)))
      << inGerman.err.toStdString();
  const QByteArray germanReport = temp.read("r.json");
  QDir(temp.file("out")).removeRecursively();
  const ProgramRun inEnglish = run(batch, {}, kEnglish);
  EXPECT_TRUE(inEnglish.err.contains("cannot read ")) << inEnglish.err.toStdString();
  EXPECT_EQ(inGerman.out, inEnglish.out);
  EXPECT_EQ(germanReport, temp.read("r.json"));

  const QStringList list{"--home", temp.file("home"), "--list-presets"};
  EXPECT_EQ(run(list, {}, kGerman).out, run(list, {}, kEnglish).out);
  EXPECT_EQ(run({"--help"}, {}, kGerman).out, run({"--help"}, {}, kEnglish).out);
}

} // namespace
