#include <gtest/gtest.h>

#include "settings/window_settings.h"

TEST(SettingsFilePath, LastExtensionOfTheFileNameBecomesDat) {
    struct Case { const char* executable; const char* settings; };
    const Case cases[] = {
        {"D:\\Apps\\Timer.exe", "D:\\Apps\\Timer.dat"},
        {"D:\\Apps\\Clock.exe", "D:\\Apps\\Clock.dat"},
        {"C:\\x\\a.b.exe", "C:\\x\\a.b.dat"},
        {"a.b.exe", "a.b.dat"},
        {"/opt/quillastor/QuillastorTimer", "/opt/quillastor/QuillastorTimer.dat"},
        {"/home/u/v1.2/timer", "/home/u/v1.2/timer.dat"},
        {"C:\\v1.2\\Timer", "C:\\v1.2\\Timer.dat"},
        {"/mixed\\dir.x/Clock.exe", "/mixed\\dir.x/Clock.dat"},
        {"C:\\dir.x/Clock", "C:\\dir.x/Clock.dat"},
        {"Timer", "Timer.dat"},
    };
    for (const auto& c : cases) EXPECT_EQ(settingsFilePath(c.executable), c.settings) << c.executable;
}
