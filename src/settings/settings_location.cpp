#include "settings/settings_location.h"

#include <utility>

std::string pathInFolder(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    const char last = folder.back();
    if (last == '/' || last == '\\') return folder + name;
    return folder + (folder.find('\\') != std::string::npos ? '\\' : '/') + name;
}

std::pair<std::string, std::string> folderAndName(const std::string& path) {
    const auto separator = path.find_last_of("/\\");
    if (separator == std::string::npos) return {std::string(), path};
    return {path.substr(0, separator == 0 ? 1 : separator), path.substr(separator + 1)};
}

std::string settingsFolder(FileStore& files, const SettingsFolders& folders, const std::string& name) {
    const bool there = files.read(pathInFolder(folders.program, name)).status != FileRead::Status::Missing;
    return there || files.takesNewFiles(folders.program) ? folders.program : folders.user;
}

SettingsLocation::SettingsLocation(FileStore& files, const SettingsFolders& folders, const std::string& name)
    : SettingsLocation(files, pathInFolder(settingsFolder(files, folders, name), name)) {}

SettingsLocation::SettingsLocation(FileStore& files, std::string path) : files_(files), path_(std::move(path)) {}

std::optional<std::vector<uint8_t>> SettingsLocation::read() {
    FileRead file = files_.read(path_);
    if (file.status == FileRead::Status::Missing) return std::nullopt;
    if (file.status == FileRead::Status::Unreadable) {
        found_ = Found::Unreadable;
        return std::nullopt;
    }
    found_ = Found::File;
    return std::move(file.bytes);
}

SettingsLocation::Saved SettingsLocation::write(const std::vector<uint8_t>& bytes) {
    if (found_ == Found::Unreadable) return Saved::Refused;
    const bool written =
        (found_ == Found::File || files_.createFolders(folderAndName(path_).first)) && files_.replaceAll(path_, bytes);
    // Later saves of this run find the file there.
    if (written) found_ = Found::File;
    return written ? Saved::Yes : Saved::Failed;
}
