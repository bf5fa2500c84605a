// Where a settings file is read and written. Beside the executable, so that
// a portable copy (on a USB stick) keeps its settings with it; in the user's
// own folder only when the file is not beside the executable and that folder
// takes no new file (Program Files, a read-only share, /usr/bin). The folder
// is chosen once, before anything is read: the file read is the file written,
// and a fresh copy in a writable folder starts afresh whatever another copy
// keeps in the user's folder. The file's name is a parameter: every settings
// file of the program follows the same rule.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/file_store.h"

struct SettingsFolders {
    std::string program;  // the executable's folder
    std::string user;     // the user's own folder for the program
};

// `name` in `folder`, joined with the separator the folder already uses.
std::string pathInFolder(const std::string& folder, const std::string& name);
// A path split at its last separator: {folder, name}.
std::pair<std::string, std::string> folderAndName(const std::string& path);

// The executable's folder when `name` is there (readable or not) or the
// folder takes a new file; else the user's folder.
std::string settingsFolder(FileStore& files, const SettingsFolders& folders, const std::string& name);

class SettingsLocation {
public:
    enum class Saved { Yes, Refused, Failed };

    // `name` in the folder that settingsFolder() chooses.
    SettingsLocation(FileStore& files, const SettingsFolders& folders, const std::string& name);
    // A file whose folder was chosen already.
    SettingsLocation(FileStore& files, std::string path);

    // The file's bytes; nullopt means the defaults. A file that is there but
    // unreadable is remembered, and never written over during this run.
    std::optional<std::vector<uint8_t>> read();
    // Writes the file, creating its folder when missing (the user's folder
    // on a first save). Refused: the file is there but could not be read, so
    // it was left as it is.
    Saved write(const std::vector<uint8_t>& bytes);

    bool unreadable() const { return found_ == Found::Unreadable; }
    // The file, to name to the user.
    const std::string& path() const { return path_; }

private:
    enum class Found { Nothing, File, Unreadable };

    FileStore& files_;
    std::string path_;
    Found found_ = Found::Nothing;
};
