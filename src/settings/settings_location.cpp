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

SettingsLocation::SettingsLocation(FileStore& files, SettingsFolders folders, std::string name)
    : files_(files), folders_(std::move(folders)), name_(std::move(name)), path_(pathInFolder(folders_.program, name_)) {}

std::optional<std::vector<uint8_t>> SettingsLocation::read() {
    for (const std::string* folder : {&folders_.program, &folders_.user}) {
        const std::string path = pathInFolder(*folder, name_);
        FileRead file = files_.read(path);
        if (file.status == FileRead::Status::Missing) continue;
        path_ = path;
        if (file.status == FileRead::Status::Unreadable) {
            found_ = Found::Unreadable;
            return std::nullopt;
        }
        found_ = Found::File;
        return std::move(file.bytes);
    }
    return std::nullopt;
}

SettingsLocation::Saved SettingsLocation::write(const std::vector<uint8_t>& bytes) {
    if (found_ == Found::Unreadable) return Saved::Refused;
    if (found_ == Found::File) return files_.replaceAll(path_, bytes) ? Saved::Yes : Saved::Failed;
    path_ = pathInFolder(folders_.program, name_);
    bool written = files_.replaceAll(path_, bytes);
    if (!written) {
        path_ = pathInFolder(folders_.user, name_);
        written = files_.createFolders(folders_.user) && files_.replaceAll(path_, bytes);
    }
    // Later saves of this run go to the same file.
    if (written) found_ = Found::File;
    return written ? Saved::Yes : Saved::Failed;
}
