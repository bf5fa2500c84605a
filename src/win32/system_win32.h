// Small platform services over USER32, GDI32 and KERNEL32: system values,
// text measurement, the local clock, the shell, the alarm sound.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/local_clock.h"
#include "platform/shell.h"
#include "platform/sound_player.h"
#include "platform/system_values.h"
#include "platform/text_measurer.h"
#include "win32/owner_window.h"

// The frame of a window with its style at its own DPI, which on a desk of
// mixed DPIs need not be the DPI the user signed in with.
Size windowFrame(HWND window);

// The frame and the drag threshold are those of the timer window's monitor.
class Win32SystemValues final : public SystemValues {
public:
    explicit Win32SystemValues(const OwnerWindows& owners) : owners_(owners) {}
    Rect primaryWorkArea() const override;
    Size sizingFrame() const override;
    Size dragThreshold() const override;
    uint32_t doubleClickTimeMs() const override;
    std::vector<Rect> monitorRects() const override;
    std::vector<Rect> workAreas() const override;

private:
    const OwnerWindows& owners_;
};

// Measures on the screen's device context, which the timer window shares.
class Win32TextMeasurer final : public TextMeasurer {
public:
    Size measure(const LogFont& font, const std::string& utf8) const override;
};

class Win32LocalClock final : public LocalClock {
public:
    TimeOfDay now() const override;
};

class Win32Shell final : public Shell {
public:
    void open(const std::string& path) override;
};

// PlaySoundW from winmm, which is loaded from the system folder only, so a
// winmm.dll planted beside the executable is never run. The sound plays from
// memory: PlaySound takes file names of at most 256 characters.
class Win32SoundPlayer final : public SoundPlayer {
public:
    Win32SoundPlayer();
    ~Win32SoundPlayer() override;
    Win32SoundPlayer(const Win32SoundPlayer&) = delete;
    Win32SoundPlayer& operator=(const Win32SoundPlayer&) = delete;

    void playLoop(const std::string& fileName) override;
    void stop() override;

private:
    using PlaySoundFn = int(__stdcall*)(const wchar_t*, void*, unsigned long);
    void* module_ = nullptr;
    PlaySoundFn playSound_ = nullptr;
    std::vector<char> wave_;  // kept while it plays
};

// A single-threaded apartment for the thread that creates it, as the shell
// needs for ShellExecuteW; left again on destruction if it was entered.
class ComApartment {
public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool entered_ = false;
};
