#include "WindowTestKit.h"

namespace {

TEST(WindowCommandLineTest, EveryArgumentThatIsNotAnOptionIsAPicture) {
  WindowCommandLine line = parseWindowCommandLine(
      {"--home", "/opt/v", "a.jpg", "/p/b c.gif", "file:///p/d%20e.bmp", "\"/p/q.jpg\"", "--", "--home"},
      "/work");
  EXPECT_TRUE(line.error.isEmpty());
  EXPECT_EQ(line.home, "/opt/v");
  EXPECT_EQ(line.files, (QStringList{"/work/a.jpg", "/p/b c.gif", "/p/d e.bmp", "/p/q.jpg", "/work/--home"}));
  EXPECT_EQ(parseWindowCommandLine({"--home=/h"}, "/").home, "/h");
  EXPECT_EQ(parseWindowCommandLine({"--self-test", "/t", "a.jpg"}, "/w").selfTest, "/t");
  EXPECT_FALSE(parseWindowCommandLine({"--self-test"}, {}).error.isEmpty());
  EXPECT_FALSE(parseWindowCommandLine({"--home"}, {}).error.isEmpty());
  EXPECT_FALSE(parseWindowCommandLine({"--colour"}, {}).error.isEmpty());
}

// Whether a process has a handler of its own for a signal.
bool catches(qint64 pid, int signal) {
  const QByteArray status = readWholeFile(QString("/proc/%1/status").arg(pid));
  const qsizetype at = status.indexOf("SigCgt:");
  return at >= 0 && (status.mid(at + 7, 17).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
}

// The real window program, ended with SIGTERM as the system ends it.
class WindowProcessTest : public ::testing::Test {
protected:
  void SetUp() override {
    if (!QFileInfo(program).isExecutable())
      GTEST_SKIP() << "the veltrane program is not built";
  }

  // Starts the window on the program folder, sends SIGTERM once it is ready
  // and returns what it wrote on the standard error; empty with a test
  // failure when it did not end in time or not cleanly.
  QString terminate(
      const QString &programFolder, const std::function<bool()> &ready = [] { return true; }) {
    TempFolder noPrograms;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    // The support page must not reach a real browser.
    environment.insert("PATH", noPrograms.path());
    environment.remove("BROWSER");
    process.setProcessEnvironment(environment);
    process.start(program, {"--home", programFolder});
    EXPECT_TRUE(process.waitForStarted());
    EXPECT_TRUE(waitFor([&] { return catches(process.processId(), SIGTERM) && ready(); }));
    ::kill(pid_t(process.processId()), SIGTERM);
    if (!process.waitForFinished(20000)) {
      ADD_FAILURE() << "the shut-down hangs";
      process.kill();
      process.waitForFinished();
      return {};
    }
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
    return QString::fromLocal8Bit(process.readAllStandardError());
  }

  const QString program = QCoreApplication::applicationDirPath() + "/../bin/veltrane";
};

TEST_F(WindowProcessTest, TerminatingTheProgramRunsTheShutDown) {
  TempFolder home;
  terminate(home.path());
  EXPECT_TRUE(home.read("Veltrane.INI").startsWith("3|1|"));
}

// No message box holds up a shut-down the system asked for: the settings go
// to the config folder and the standard error says so.
TEST_F(WindowProcessTest, TerminatingWithAProgramFolderThatCannotBeWrittenEndsAtOnce) {
  const QString configFolder =
      QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/veltrane";
  const QByteArray old = "old settings\r\n";
  for (const auto kind : {Unwritable::ReadOnly, Unwritable::FullDisk}) {
    SCOPED_TRACE(kind == Unwritable::FullDisk ? "full disk" : "read-only");
    TempFolder home;
    const UnwritableFolder unwritable(home.path(), kind, "Veltrane.INI", old);
    if (!unwritable.skipReason().isEmpty()) {
      std::cout << "[  SKIPPED ] " << unwritable.skipReason().toStdString() << "\n";
      continue;
    }
    const QString errors = terminate(home.path());
    EXPECT_TRUE(errors.contains("Settings saved elsewhere")) << errors.toStdString();
    EXPECT_EQ(home.read("Veltrane.INI"), old);
    const SettingsFallback fallback(configFolder, home.path());
    EXPECT_TRUE(readWholeFile(fallback.settingsPath()).startsWith("3|1|"));
    EXPECT_TRUE(errors.contains(fallback.settingsPath())) << errors.toStdString();

    // The next start shows the notice; the system ends it while the box is up.
    const QString notice = fallback.folder() + "/notice";
    ASSERT_TRUE(QFileInfo::exists(notice));
    terminate(home.path(), [&] { return !QFileInfo::exists(notice); });
  }
}

} // namespace

// What a user runs before removing the package: every entry goes, with no
// display needed, whichever program folder wrote them.
TEST_F(WindowProcessTest, RemoveMenuEntriesTakesThemAllOutWithoutADisplay) {
  TempFolder xdg;
  const FileManagerMenu written("/usr/bin/veltrane", xdg.file("data"), xdg.file("config"), {"--home", "/x"});
  ASSERT_TRUE(written.install(PictureKinds::Jpeg));
  ASSERT_TRUE(written.install(PictureKinds::BmpAndGif));
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove("DISPLAY");
  environment.remove("WAYLAND_DISPLAY");
  environment.remove("QT_QPA_PLATFORM");
  environment.insert("XDG_DATA_HOME", xdg.file("data"));
  environment.insert("XDG_CONFIG_HOME", xdg.file("config"));
  process.setProcessEnvironment(environment);
  process.start(program, {"--remove-menu-entries"});
  ASSERT_TRUE(process.waitForFinished(20000));
  EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
  for (const PictureKinds kinds : {PictureKinds::Jpeg, PictureKinds::BmpAndGif}) {
    EXPECT_FALSE(QFileInfo::exists(written.nautilusScript(kinds)));
    EXPECT_FALSE(QFileInfo::exists(written.dolphinServiceMenu(kinds)));
    EXPECT_FALSE(QFileInfo::exists(written.nemoAction(kinds)));
  }
  EXPECT_FALSE(xdg.read("config/Thunar/uca.xml").contains("veltrane"));
}
