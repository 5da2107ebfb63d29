#include "platform/Screen.h"
#include "platform/handoff/WindowHandOff.h"

#include "TempFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <future>
#include <gtest/gtest.h>

using namespace veltrane;

namespace {

// Hands the files over from a thread of its own, as another process would,
// while this thread's event loop lets the window answer.
bool handOverMeanwhile(const QString &socket, const QStringList &files) {
  auto answer = std::async(std::launch::async, [&] { return WindowHandOff::handOver(socket, files); });
  while (answer.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
    QCoreApplication::processEvents();
  return answer.get();
}

} // namespace

TEST(WindowHandOff, ASecondStartHandsItsFilesToTheOpenWindow) {
  test::TempFolder temp;
  const QString socket = WindowHandOff::socketFor(temp.path());
  EXPECT_EQ(socket, WindowHandOff::socketFor(temp.path()));
  EXPECT_NE(socket, WindowHandOff::socketFor(temp.file("other")));
  EXPECT_FALSE(WindowHandOff::handOver(socket, {"/p/a.jpg"})) << "no window yet: this start opens one";

  QList<QStringList> received;
  bool ending = false;
  WindowHandOff window(socket, [&](const QStringList &files) {
    if (ending)
      return false;
    received.append(files);
    return true;
  });
  ASSERT_TRUE(window.isListening());
  EXPECT_TRUE(handOverMeanwhile(socket, {"/p/a.jpg", "/p/with space/b (2).gif", "/p/ünïcode.bmp"}));
  EXPECT_TRUE(handOverMeanwhile(socket, {})); // started with nothing: the window comes to the front
  EXPECT_EQ(received, (QList<QStringList>{{"/p/a.jpg", "/p/with space/b (2).gif", "/p/ünïcode.bmp"}, {}}));

  // A window that is ending takes nothing: that start opens a window of its own.
  ending = true;
  EXPECT_FALSE(handOverMeanwhile(socket, {"/p/late.jpg"}));
  EXPECT_EQ(received.size(), 2);
}

TEST(WindowHandOff, ASocketLeftByAWindowThatDiedIsTakenOver) {
  test::TempFolder temp;
  const QString socket = WindowHandOff::socketFor(temp.path() + "/died");
  {
    // A file left at the socket's place with nobody behind it, as a killed window leaves.
    QFile leftOver(socket);
    ASSERT_TRUE(leftOver.open(QIODevice::WriteOnly));
  }
  QStringList got;
  WindowHandOff window(socket, [&](const QStringList &files) {
    got = files;
    return true;
  });
  ASSERT_TRUE(window.isListening());
  EXPECT_TRUE(handOverMeanwhile(socket, {"/p/a.jpg"}));
  EXPECT_EQ(got, QStringList{"/p/a.jpg"});
}

// The headless platform's scripted prompts, dialogs and fixed screen are exercised by every window test.
TEST(Screen, PicturesAreMadeInDevicePixels) {
  // A display scaled to 200% or 150% shows twice or one and a half times the pixels.
  EXPECT_EQ(FixedScreen({1920, 1080}, 2).pixelSize(), QSize(3840, 2160));
  EXPECT_EQ(FixedScreen({1707, 960}, 1.5).pixelSize(), QSize(2561, 1440));
  EXPECT_EQ(FixedScreen({1920, 1080}, 2).size(), QSize(1920, 1080));
  EXPECT_EQ(FixedScreen({1024, 768}).pixelSize(), QSize(1024, 768));
  EXPECT_FALSE(DesktopScreen().size().isEmpty()) << "no real screen: the fallback size";
}
