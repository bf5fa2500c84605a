// The program's options that the settings file cannot hold, in the options
// file beside it (QuillastorTimer.ini), found by the same rule, one file for
// every timer. Read once at start; written only when the user changes an
// option from the program, at once and atomically. A value the program does
// not take is kept in the file as written, and its default is used.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/hot_key_text.h"
#include "settings/options_file.h"
#include "settings/settings_location.h"

struct OptionKey {
    std::string_view key;
    std::string_view defaultValue;
    bool (*accepts)(std::string_view value);
};

bool isLanguageOption(std::string_view value);  // auto, or a language built in
bool isOnOff(std::string_view value);

// Every option the program reads, with its default; both Readmes name each.
inline constexpr std::array<OptionKey, 4> kOptionKeys{{
    {"language", "auto", isLanguageOption},
    {"hotkey_start_stop", "Ctrl+Alt+Shift+Space", isHotKeyOption},
    {"hotkey_show", "Ctrl+Alt+Shift+T", isHotKeyOption},
    {"notify", "on", isOnOff},
}};

// "dir/QuillastorTimer.exe" gives "dir/QuillastorTimer.ini".
std::string optionsFilePath(const std::string& executablePath);

class ProgramOptions {
public:
    struct Refused {
        std::string key, value;
        std::string_view defaultValue;
    };

    ProgramOptions(FileStore& files, SettingsFolders folders, std::string name);

    void read();
    // The file's value when the program takes it, else the default.
    std::string value(std::string_view key) const;
    // A change from the program's own interface: the file is read again and
    // written at once, its other lines as they are then (another timer's
    // change, the user's edit). False when it was not saved.
    bool set(std::string_view key, std::string_view value);

    // What read() found: the file there but unreadable, and each value refused.
    bool unreadable() const { return location_.unreadable(); }
    const std::vector<Refused>& refused() const { return refused_; }
    const std::string& path() const { return location_.path(); }

private:
    // The file as it is now; one that cannot be read leaves what was read before.
    void reload();

    SettingsLocation location_;
    OptionsFile file_;
    std::vector<Refused> refused_;
};
