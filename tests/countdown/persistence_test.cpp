// Saving: what goes into the record and when the file is written.
#include <gtest/gtest.h>

#include "countdown/countdown_setup.h"

namespace {

class Persistence : public ::testing::Test, public CountdownSetup {};

TEST_F(Persistence, SavesTheDurationNotTheRemainingTimeAndTheCurrentRectangle) {
    startIdle(90);
    doubleClick();
    advance(30000);
    host->moveTo(-50, 40);
    window->saveSettings();
    CountdownSettings saved;
    ASSERT_TRUE(saved.load(platform.files, platform.services().settingsPath));
    EXPECT_EQ(saved.countdownSeconds, 90);
    EXPECT_EQ(saved.windowRect, host->rect);
    EXPECT_EQ(saved.registeredTimes, (std::vector<uint32_t>{180, 600, 3600}));
    EXPECT_EQ(saved.autoStart, 0);
    // ... and the next run comes back as this one was left.
    CountdownSetup next;
    next.platform.files = platform.files;
    next.start();
    EXPECT_EQ(next.host->rect, host->rect);
    EXPECT_EQ(next.shown(), "0:01:30");
}

// Enter and Escape do nothing; a failed write still ends the session.
TEST_F(Persistence, QueryEndSessionAndExitSave) {
    start();
    window->onOk();
    window->onCancel();
    EXPECT_FALSE(window->onQueryEndSession(false));
    EXPECT_EQ(platform.files.writes, 0);
    EXPECT_FALSE(host->endResult);
    EXPECT_TRUE(window->onQueryEndSession(true));
    EXPECT_EQ(platform.files.writes, 1);
    platform.files.failWrites = true;
    EXPECT_TRUE(window->onQueryEndSession(true));
    window->onCommand(kCmdExit);
    EXPECT_EQ(platform.files.writes, 3);
    EXPECT_EQ(host->endResult, 1);
}

}  // namespace
