// The shells' completion scripts of veltrane-batch as the build writes them:
// bash's run on command lines, zsh's and fish's read by their shells.
#include "TempFolder.h"
#include "TestPictures.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace veltrane;

namespace {

const QString kCompletions = QStringLiteral(VELTRANE_COMPLETIONS);

struct ShellRun {
  int exitCode = -1;
  QString out;
  QString err;
};

ShellRun runIn(const QString &folder, const QString &program, const QStringList &arguments) {
  QProcess process;
  process.setWorkingDirectory(folder);
  process.start(program, arguments);
  if (!process.waitForFinished(60000))
    return {};
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

class Completion : public ::testing::Test {
protected:
  test::TempFolder temp;

  // COMPREPLY of bash's completion function for the words, the last one
  // being completed; one reply a line.
  QSet<QString> complete(const QStringList &words) const {
    QString line = QStringLiteral("COMP_WORDS=(%1)").arg(QStringLiteral(VELTRANE_BATCH_PROGRAM));
    for (const QString &word : words)
      line += QStringLiteral("\nCOMP_WORDS+=(%1)").arg(quoted(word));
    const QString script = QStringLiteral("source %1\n%2\nCOMP_CWORD=$((${#COMP_WORDS[@]} - 1))\n"
                                          "_veltrane_batch\nprintf '%s\\n' \"${COMPREPLY[@]}\"\n")
                               .arg(quoted(kCompletions + QStringLiteral("/bash/veltrane-batch")), line);
    const ShellRun run = runIn(temp.path(), QStringLiteral("bash"), {"--norc", "--noprofile", "-c", script});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, QString()) << words.join(u' ').toStdString();
    QSet<QString> replies;
    for (const QString &reply : run.out.split(u'\n', Qt::SkipEmptyParts))
      replies.insert(reply);
    return replies;
  }

  static QString quoted(QString text) { return u'\'' + text.replace(u'\'', QStringLiteral("'\\''")) + u'\''; }
};

QString describe(const QSet<QString> &replies) {
  QStringList sorted(replies.begin(), replies.end());
  sorted.sort();
  return sorted.join(QStringLiteral(" | "));
}

} // namespace

TEST_F(Completion, BashCompletesOptionsPresetsFramesFormatsAndFiles) {
  const QString home = temp.file("home");
  temp.write("home/Veltrane.INI",
             "0|0|255|0|0|0|9|-1|1|0|0|0|0|0|0|0|4|3|0|1|0|0\r\n||1|90%|||0|4|3|0|0|0\r\n"
             "out\r\nMine own=||1|85%|_mine||0|4|3|0|0|0\r\n");
  test::writePicture(temp.file("home/frames/Old oak_10-10-90-90.jpg"), {100, 100});
  for (const char *name : {"pics/a.jpg", "pics/B.JPEG", "pics/notes.txt", "pics/d e.webp", "pics/sub/x.png",
                           "list.txt", "-dash.heic"})
    temp.write(QString::fromUtf8(name));

  const struct {
    QStringList words;
    QSet<QString> replies;
  } cases[] = {
      {{"--skip-e"}, {"--skip-existing"}},
      {{"--list-"}, {"--list-presets", "--list-frames"}},
      // Presets and frames of the --home given before, ignoring case, quoted as typed.
      {{"--home", temp.file("bare"), "--preset", "mail"},
       {"MAIL\\ ATTACHMENT", "MAIL\\ ATTACHMENT\\ \\(framed\\)"}},
      {{"--preset", "low"}, {"Low-res"}},
      {{"--home", "=", home, "--also-preset", "\"mi"}, {"\"Mine own\""}},
      {{"--preset", "Mi"}, {}},
      {{"--home=" + home, "--frame", ""}, {"Old\\ oak", "all", "none"}},
      // Formats and other fixed words, with and without "=".
      {{"--format", "w"}, {"webp"}},
      {{"--format", "=", "j"}, {"jpeg", "jxl"}},
      {{"--format=a"}, {"--format=avif"}},
      {{"--metadata", "no"}, {"no-location"}},
      // Files: any for a list, folders for a folder, pictures and folders for a source.
      {{"--files-from", "l"}, {"list.txt"}},
      {{"-qo", "p"}, {"pics"}},
      {{"pics/"}, {"pics/a.jpg", "pics/B.JPEG", "pics/d e.webp", "pics/sub"}},
      {{"--", "-"}, {"-dash.heic"}},
      // A number offers nothing, and no file either.
      {{"-qj", ""}, {}},
      {{"--quality", ""}, {}},
      {{"-j4", "l"}, {}},
  };
  for (const auto &[words, replies] : cases)
    EXPECT_EQ(describe(complete(words)), describe(replies)) << words.join(u' ').toStdString();
}

// Every option --help lists is completed, and nothing else.
TEST_F(Completion, BashOffersExactlyTheOptionsOfTheHelp) {
  const ShellRun help = runIn(temp.path(), QStringLiteral(VELTRANE_BATCH_PROGRAM), {"--help"});
  ASSERT_EQ(help.exitCode, 0);
  static const QRegularExpression option(QStringLiteral("^  (?:(-\\w), |    )(--[a-z-]*)"),
                                         QRegularExpression::MultilineOption);
  QSet<QString> listed;
  for (const QRegularExpressionMatch &match : option.globalMatch(help.out)) {
    listed.insert(match.captured(2));
    if (match.hasCaptured(1))
      listed.insert(match.captured(1));
  }
  listed.remove(QStringLiteral("--")); // not an option: the end of them
  ASSERT_GT(listed.size(), 40);
  EXPECT_EQ(describe(complete({"-"})), describe(listed));
}

// The installed scripts are what the program writes today; zsh's and fish's
// are read by their shells where installed.
TEST_F(Completion, TheScriptsAreTheProgramsOwnAndTheirShellsReadThem) {
  const struct {
    const char *shell;
    const char *script;
    QStringList check;
  } shells[] = {{"bash", "/bash/veltrane-batch", {"--norc", "-n"}},
                {"zsh", "/zsh/_veltrane-batch", {"-n"}},
                {"fish", "/fish/veltrane-batch.fish", {"--no-execute"}}};
  QStringList missing;
  for (const auto &[shell, script, check] : shells) {
    const QString path = kCompletions + QString::fromUtf8(script);
    QFile built(path);
    ASSERT_TRUE(built.open(QIODevice::ReadOnly)) << path.toStdString();
    const ShellRun written = runIn(temp.path(), QStringLiteral(VELTRANE_BATCH_PROGRAM),
                                   {"--completion", QString::fromUtf8(shell)});
    EXPECT_EQ(written.exitCode, 0);
    EXPECT_EQ(written.out, QString::fromUtf8(built.readAll())) << shell;

    const QString program = QStandardPaths::findExecutable(QString::fromUtf8(shell));
    if (program.isEmpty()) {
      missing.append(QString::fromUtf8(shell));
      continue;
    }
    const ShellRun run = runIn(temp.path(), program, check + QStringList{path});
    EXPECT_EQ(run.exitCode, 0) << shell << ": " << run.err.toStdString();
    EXPECT_EQ(run.err, QString()) << shell;
  }
  if (!missing.isEmpty())
    GTEST_SKIP() << "not installed, so not read: " << missing.join(QStringLiteral(", ")).toStdString();
}
