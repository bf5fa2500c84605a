// The generic timer window: a borderless, resizable tool window that shows a
// time text. It keeps the mechanics (gestures, painting, fitting, start-up);
// a concrete timer fills in the thirteen virtual operations.
//
// The backend creates the native window, calls attach() before any message,
// then calls the on...() handlers. It passes mouse and timer messages on to
// its default processing itself, after the handler returns.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/canvas.h"
#include "platform/geometry.h"
#include "platform/key_event.h"
#include "platform/services.h"
#include "platform/window_host.h"
#include "settings/settings_location.h"
#include "settings/window_settings.h"
#include "window/display_state.h"

class TimerWindow {
public:
    static constexpr uint32_t kClickTimerId = 16;

    TimerWindow(int templateId, Services& services);
    virtual ~TimerWindow();
    TimerWindow(const TimerWindow&) = delete;
    TimerWindow& operator=(const TimerWindow&) = delete;

    int templateId() const { return templateId_; }
    void createStateObjects();
    void attach(WindowHost& host) { host_ = &host; }
    // A named timer shows its name in its title and its tooltip.
    void setTimerName(std::optional<std::string> name) { timerName_ = std::move(name); }

    // Message handlers.
    bool onInitDialog();
    void onPaint(Canvas& canvas);  // composes the whole client area
    bool onEraseBackground() { return true; }
    void onSize(int32_t clientWidth, int32_t clientHeight);
    virtual void onLButtonDown(Point client) = 0;
    void onLButtonUp(Point client);
    void onMouseMove(Point client);
    void onCaptureLost();
    virtual void onRButtonDown(Point client) = 0;
    void onRButtonUp(Point client);
    virtual void onTimer(uint32_t id) = 0;
    virtual void onCommand(uint32_t id) = 0;
    bool onQueryEndSession(bool defaultAnswer);
    // Keys while the window has the keyboard (window_keys.h); the backend
    // reports when it gains and loses it.
    void onKeyboardFocus(bool has);
    virtual void onKeyDown(const KeyEvent& key) = 0;
    void onOk() {}              // Enter does nothing
    virtual void onCancel() {}  // Escape (and Alt+F4) do nothing

    // The thirteen operations, in their declared order.
    virtual void saveSettings() = 0;
    virtual void fitFontToWindow(int32_t width, int32_t height);
    virtual int32_t timeFormatMode() const = 0;
    virtual void showContextMenu(int32_t x, int32_t y) = 0;
    virtual void reset() = 0;
    virtual void toggleStartStop() = 0;
    virtual void applyDefaultSettings() = 0;
    virtual void applyLoadedSettings() = 0;
    virtual void updateDisplay(bool redraw) = 0;
    virtual std::string productName() const = 0;
    virtual std::string versionString() const = 0;
    virtual std::unique_ptr<DisplayState> createDisplayState() = 0;
    virtual std::unique_ptr<WindowSettings> createSettings() = 0;

    // The product, or a named timer's name before it: the title a named timer
    // shows, and the name a screen reader reads for every timer.
    std::string windowTitle() const;
    // What a screen reader reads as the value: the time in words, as of now.
    virtual std::string accessibleValue() const = 0;
    virtual int32_t accessibleSeconds() const = 0;  // the shown time, for value interfaces

    WindowSettings& settings() { return *settings_; }
    const DisplayState& displayState() const { return *displayState_; }
    bool sizingGuard() const { return sizingGuard_; }
    bool inverted() const { return inverted_; }
    int32_t clickCount() const { return clickCount_; }

protected:
    WindowHost& host() { return *host_; }
    // The platform's services are not part of the window's state.
    Services& services() const { return services_; }

    // Gestures: the press half lives in the concrete window (it knows the alarm).
    void beginPress(Point client);      // count, click timer, capture, origin
    void endClickSequence();            // click timer expiry: reset after exactly three
    // Fitting and the display-option commands.
    Size measureText(const LogFont& font) const;
    void fitWindowToText();
    void chooseFont();
    void chooseBackgroundColor();
    void toggleUnderline();
    void toggleAutoFit();
    void setupTooltip(const std::string& name, const std::string& version);
    // How long the window has had the keyboard; 0 when it has not.
    uint32_t keyboardHeldMs() const;
    // A key's move of the window, kept on the monitors as a drag keeps it.
    void moveByKey(Point step);
    LogFont boldDialogFont();
    void drawContent(Canvas& canvas, Rect rect);
    // A timer with no place of its own opens where it hides no other timer.
    void placeBesideOtherTimers();
    // The settings file (settings_file.cpp): read and written where the start
    // chose; an unreadable file or a failed save is told. A further timer
    // without a file of its own reads the main one instead.
    bool readSettings();
    void writeSettings();
    void tellIfSettingsUnreadable();
    void tellAboutSettings(TextId message);

    std::unique_ptr<WindowSettings> settings_;
    std::unique_ptr<DisplayState> displayState_;
    Point dragOrigin_{};
    bool mouseCaptured_ = false;
    bool dragged_ = false;
    int32_t clickCount_ = -1;
    bool inverted_ = false;
    bool sizingGuard_ = true;
    std::optional<uint32_t> keyboardSince_;  // tick at which the window took the keyboard

private:
    Services& services_;
    int templateId_;
    std::optional<std::string> timerName_;
    WindowHost* host_ = nullptr;
    SettingsLocation settingsFile_;
    bool ownSettings_ = false;  // this timer's own file was read
    bool endingSession_ = false;
};

// Placement helpers, also used by the alarm.
void moveWindowTo(WindowHost& window, int32_t x, int32_t y);
void setTopmost(WindowHost& window, bool on);
void centerWindow(WindowHost& window, const SystemValues& system);
ColorRef invertColor(ColorRef color);
// The smallest window a user's drag of the border may leave: the frame on
// both sides and a client area that can still be grabbed and right-clicked.
// Sizes the program sets itself, and loaded ones, are not bound by it.
Size minimumTrackSize(Size frame);
// A window side the platforms accept: window coordinates are 16-bit on X11
// and in parts of GDI, so a hand-edited rectangle or a giant font is brought
// inside 0..32767.
int32_t windowSide(int64_t pixels);
int32_t underlineThickness(int32_t height);
