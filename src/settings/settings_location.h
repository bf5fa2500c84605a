// Where a settings file is read and written. Beside the executable first, so
// that a portable copy (on a USB stick) keeps its settings with it; in the
// user's own folder when the executable's folder takes no new file (Program
// Files, a read-only share, /usr/bin). The file's name is a parameter: every
// settings file of the program follows the same rule.
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

class SettingsLocation {
public:
    enum class Saved { Yes, Refused, Failed };

    SettingsLocation(FileStore& files, SettingsFolders folders, std::string name);

    // The file beside the executable, or the user's one when that is missing;
    // nullopt means the defaults. A file found there but unreadable is
    // remembered, and never written over during this run.
    std::optional<std::vector<uint8_t>> read();
    // Where the file was read or first written; else beside the executable,
    // else in the user's folder, created when missing. Refused: the file is
    // there but could not be read, so it was left as it is.
    Saved write(const std::vector<uint8_t>& bytes);

    bool unreadable() const { return found_ == Found::Unreadable; }
    // The file read, refused or last tried: the one to name to the user.
    const std::string& path() const { return path_; }

private:
    enum class Found { Nothing, File, Unreadable };

    FileStore& files_;
    SettingsFolders folders_;
    std::string name_;
    std::string path_;
    Found found_ = Found::Nothing;
};
