// The main of every test program: headless, and with HOME and the XDG folders
// in a temporary folder so that nothing touches the real home.
#ifdef VELTRANE_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char **argv) {
  QTemporaryDir home;
  if (!home.isValid())
    return 2;
  const QByteArray path = home.path().toLocal8Bit();
  qputenv("HOME", path);
  qputenv("XDG_CONFIG_HOME", path + "/.config");
  qputenv("XDG_DATA_HOME", path + "/.local/share");
  qputenv("XDG_CACHE_HOME", path + "/.cache");
  qputenv("XDG_RUNTIME_DIR", path + "/runtime");
  qunsetenv("VELTRANE_HOME");
  qputenv("QT_QPA_PLATFORM", "offscreen");
  TestApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
