#include "WindowTestKit.h"

namespace {

// A headless weston of its own on a private runtime folder, ended with the
// test however it went.
class Weston {
public:
  static constexpr const char *kSocket = "veltrane-test";

  Weston() {
    QFile::setPermissions(m_runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", m_runtime.path());
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start("weston", {"--backend=headless-backend.so", QString("--socket=") + kSocket,
                               "--idle-time=0", "--width=1280", "--height=1024"});
    m_process.waitForStarted();
    waitFor([&] { return QFileInfo::exists(m_runtime.file(kSocket)) || !running(); });
  }
  ~Weston() {
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
      m_process.kill();
      m_process.waitForFinished();
    }
  }
  Weston(const Weston &) = delete;
  Weston &operator=(const Weston &) = delete;

  bool ready() const { return running() && QFileInfo::exists(m_runtime.file(kSocket)); }
  std::string log() { return m_process.readAll().toStdString(); }

  // A Qt program's environment on this compositor, with no X display to fall back on.
  QProcessEnvironment clientEnvironment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", m_runtime.path());
    environment.insert("WAYLAND_DISPLAY", kSocket);
    environment.insert("QT_QPA_PLATFORM", "wayland");
    environment.remove("DISPLAY");
    return environment;
  }

private:
  bool running() const { return m_process.state() != QProcess::NotRunning; }

  TempFolder m_runtime;
  QProcess m_process;
};

// The settings file's window places: line 1, fields 12 to 15.
QStringList windowPlaces(const QByteArray &settings) {
  return QString::fromUtf8(settings.left(settings.indexOf('\r'))).split('|').mid(11, 4);
}

class WaylandStartTest : public ::testing::Test {
protected:
  void SetUp() override {
    if (QStandardPaths::findExecutable("weston").isEmpty())
      GTEST_SKIP() << "weston is not installed (scripts/bootstrap installs it)";
    ASSERT_TRUE(QFileInfo(program).isExecutable()) << "the veltrane program is not built";
  }

  // Runs the window program's self-test on the compositor: true when it
  // ended by itself, cleanly.
  bool runSelfTest(const Weston &weston, const QString &output, const QStringList &pictures) {
    QProcessEnvironment environment = weston.clientEnvironment();
    for (const auto &[name, folder] : {std::pair{"HOME", ""},
                                       {"XDG_CONFIG_HOME", "/.config"},
                                       {"XDG_DATA_HOME", "/.local/share"},
                                       {"XDG_CACHE_HOME", "/.cache"}})
      environment.insert(name, home.path() + folder);
    environment.insert("PATH", noPrograms.path()); // nothing to launch
    environment.remove("VELTRANE_HOME");
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, QStringList{"--home", programFolder.path(), "--self-test", output} + pictures);
    if (!process.waitForFinished(60000)) {
      process.kill();
      process.waitForFinished();
      ADD_FAILURE() << "the program did not end";
      return false;
    }
    errors = QString::fromLocal8Bit(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
  }

  const QString program = QCoreApplication::applicationDirPath() + "/../bin/veltrane";
  TempFolder home, programFolder, noPrograms, work;
  QString errors;
};

TEST_F(WaylandStartTest, TheWindowShowsRunsABatchAndKeepsThePlacesItRead) {
  Weston weston;
  ASSERT_TRUE(weston.ready()) << weston.log();
  const QStringList pictures{writePicture(work.file("in/harbour.jpg"), {800, 600}, Qt::darkCyan),
                             writePicture(work.file("in/scan.png"), {640, 480}, Qt::darkRed)};
  ASSERT_TRUE(runSelfTest(weston, work.file("first"), pictures)) << errors.toStdString() << weston.log();
  EXPECT_EQ(QDir(work.file("first/resized")).entryList({"*.jpg"}), QStringList({"harbour.jpg", "scan.jpg"}));

  // The shape by translucency: the skin's corner shows through, its middle does not.
  const QImage shaped(work.file("first/shaped-window.png"));
  ASSERT_EQ(shaped.size(), QSize(603, 406));
  EXPECT_EQ(qAlpha(shaped.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(shaped.pixel(300, 200)), 255);
  EXPECT_EQ(qAlpha(QImage(work.file("first/plain-window.png")).pixel(0, 0)), 255);

  // Places no Wayland window could have: they are saved as they were read.
  QByteArray settings = programFolder.read("Veltrane.INI");
  const QStringList firstRun = windowPlaces(settings);
  ASSERT_EQ(firstRun.size(), 4) << settings.toStdString();
  settings.replace(firstRun.join('|').toUtf8(), "4515|3015|9000|1500");
  programFolder.write("Veltrane.INI", settings);
  ASSERT_TRUE(runSelfTest(weston, work.file("again"), pictures)) << errors.toStdString();
  EXPECT_EQ(windowPlaces(programFolder.read("Veltrane.INI")), QStringList({"4515", "3015", "9000", "1500"}));
}

} // namespace
