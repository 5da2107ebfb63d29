#include "platform/PlatformServices.h"

#include <gtest/gtest.h>

using namespace veltrane;

TEST(ScriptedPrompts, AnswersInOrderThenWithDefaults) {
  ScriptedPrompts prompts;
  const Prompt question{QStringLiteral("t"), QStringLiteral("q"), PromptIcon::Question, PromptButtons::YesNo,
                        PromptAnswer::No};
  prompts.queueAnswer(PromptAnswer::Yes);
  EXPECT_EQ(prompts.ask(question), PromptAnswer::Yes);
  EXPECT_EQ(prompts.ask(question), PromptAnswer::No);
  EXPECT_EQ(prompts.shown().size(), 2);
  EXPECT_EQ(prompts.shown()[0], question);
}

TEST(HeadlessPlatform, RecordsLaunchesAndCancelsDialogs) {
  PlatformServices services = headlessPlatform({800, 600});
  EXPECT_EQ(services.screen->size(), QSize(800, 600));
  services.launcher->openFolder(QStringLiteral("/out"), WindowMode::Maximised);
  services.launcher->openWebAddress(QStringLiteral("https://example.org/"));
  const auto &launches = static_cast<RecordingLauncher &>(*services.launcher).launches();
  ASSERT_EQ(launches.size(), 2);
  EXPECT_EQ(launches[0],
            (RecordingLauncher::Launch{RecordingLauncher::Kind::Folder, "/out", WindowMode::Maximised}));
  EXPECT_TRUE(services.dialogs->openFiles({}, {}, {}).isEmpty());
  EXPECT_FALSE(services.dialogs->chooseFolder({}, {}));
  auto &dialogs = static_cast<ScriptedDialogs &>(*services.dialogs);
  dialogs.queueColour(QColor(Qt::red));
  EXPECT_EQ(services.dialogs->chooseColour(Qt::white), QColor(Qt::red));
  EXPECT_EQ(dialogs.requests().size(), 3);
}

TEST(DesktopScreen, FallsBackWithoutARealScreen) {
  const QSize size = DesktopScreen().size();
  EXPECT_GT(size.width(), 0);
  EXPECT_GT(size.height(), 0);
}
