// Saving: what goes into the record and when the file is written.
#include <gtest/gtest.h>

#include "countdown/countdown_setup.h"

namespace {

class Persistence : public ::testing::Test, public CountdownSetup {
protected:
    std::unique_ptr<CountdownSettings> readBack() {
        auto saved = std::make_unique<CountdownSettings>();
        EXPECT_TRUE(saved->load(platform.files, platform.services().settingsPath));
        return saved;
    }
};

TEST_F(Persistence, SavesTheDurationNotTheRemainingTimeAndTheCurrentRectangle) {
    startIdle(90);
    doubleClick();
    advance(30000);
    host->moveTo(-50, 40);
    window->saveSettings();
    const auto saved = readBack();
    EXPECT_EQ(saved->countdownSeconds, 90);
    EXPECT_EQ(saved->windowRect, host->rect);
    EXPECT_EQ(saved->registeredTimes, (std::vector<uint32_t>{180, 600, 3600}));
    EXPECT_EQ(saved->autoStart, 0);
}

TEST_F(Persistence, QueryEndSessionSavesOnlyWhenAllowed) {
    start();
    EXPECT_FALSE(window->onQueryEndSession(false));
    EXPECT_EQ(platform.files.writes, 0);
    EXPECT_TRUE(window->onQueryEndSession(true));
    EXPECT_EQ(platform.files.writes, 1);
}

TEST_F(Persistence, AFailedWriteStillEndsTheSession) {
    start();
    platform.files.failWrites = true;
    EXPECT_TRUE(window->onQueryEndSession(true));
    window->onCommand(kCmdExit);
    EXPECT_EQ(host->endResult, 1);
}

TEST_F(Persistence, ExitSavesThenEnds) {
    start();
    window->onCommand(kCmdExit);
    EXPECT_EQ(platform.files.writes, 1);
    EXPECT_EQ(host->endResult, 1);
    EXPECT_EQ(readBack()->countdownSeconds, 180);
}

TEST_F(Persistence, EnterAndEscapeDoNothing) {
    start();
    window->onOk();
    window->onCancel();
    EXPECT_FALSE(host->endResult);
    EXPECT_EQ(platform.files.writes, 0);
}

TEST_F(Persistence, ASavedRunComesBackAsItWasLeft) {
    startIdle(45);
    host->moveTo(12, 34);
    window->saveSettings();
    CountdownSetup next;
    next.platform.files = platform.files;
    next.start();
    EXPECT_EQ(next.host->rect, host->rect);
    EXPECT_EQ(next.shown(), "0:00:45");
}

}  // namespace
