#include "WindowTestKit.h"

namespace {

constexpr int kTextStep = 48; // text and control edges

// The mean difference of two pictures of one size, in grey levels.
double averageDifference(const QImage &a, const QImage &b) {
  double total = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      total += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
  return total / (double(a.width()) * a.height());
}

// The window program's own pictures of its windows, taken at a desktop's
// scale (QT_SCALE_FACTOR); the main window's, or a null image.
QImage mainWindowAt(const QString &scale, const QString &picture) {
  const QString program = QCoreApplication::applicationDirPath() + "/../bin/veltrane";
  TempFolder home, programFolder, shots;
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  environment.insert("QT_SCALE_FACTOR", scale);
  environment.insert("HOME", home.path());
  environment.insert("PATH", home.path()); // no browser for the support page
  environment.remove("BROWSER");
  process.setProcessEnvironment(environment);
  process.start(program, {"--home", programFolder.path(), "--screenshot", shots.path(), picture});
  if (!process.waitForFinished(60000)) {
    process.kill();
    process.waitForFinished();
    return {};
  }
  return QImage(shots.file("main-window.png"));
}

// At 150% and 200% the window is laid out as at 100%, only with more pixels,
// and drawn at them: not a small picture scaled up.
TEST(ScaledScreenshots, TheWindowIsLaidOutAsAt100PercentAndDrawnSharplyAt150And200) {
  if (!QFileInfo(QCoreApplication::applicationDirPath() + "/../bin/veltrane").isExecutable())
    GTEST_SKIP() << "the veltrane program is not built";
  TempFolder pictures;
  const QString picture = writePicture(pictures.file("IMG_4107.JPG"), {640, 480}, Qt::darkGreen);
  const QImage normal = mainWindowAt("1", picture);
  const QImage larger = mainWindowAt("1.5", picture);
  const QImage twice = mainWindowAt("2", picture);
  ASSERT_EQ(normal.size(), QSize(603, 406));
  EXPECT_EQ(larger.size(), QSize(905, 609));
  ASSERT_EQ(twice.size(), QSize(1206, 812));
  const QImage scaledUp = normal.scaled(twice.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  EXPECT_GT(sharpSteps(twice, kTextStep), 3 * sharpSteps(scaledUp, kTextStep) / 2)
      << sharpSteps(twice, kTextStep) << " against " << sharpSteps(scaledUp, kTextStep);
  // Laid out alike: the 200% picture brought down to 100% is the 100% one, but for the edges of text.
  const QImage broughtDown = twice.scaled(normal.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  EXPECT_LT(averageDifference(broughtDown, normal), 6.0) << averageDifference(broughtDown, normal);
}

} // namespace
