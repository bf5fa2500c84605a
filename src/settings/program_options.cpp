#include "settings/program_options.h"

#include <algorithm>

#include "resources/catalogue.h"

namespace {

const OptionKey* keyOf(std::string_view key) {
    const auto found = std::find_if(kOptionKeys.begin(), kOptionKeys.end(), [&](const OptionKey& k) { return k.key == key; });
    return found == kOptionKeys.end() ? nullptr : &*found;
}

}  // namespace

bool isLanguageOption(std::string_view value) { return value == "auto" || catalogueFor(value) != nullptr; }

bool isOnOff(std::string_view value) { return value == "on" || value == "off"; }

ProgramOptions::ProgramOptions(FileStore& files, SettingsFolders folders, std::string name)
    : location_(files, std::move(folders), std::move(name)) {}

void ProgramOptions::read() {
    reload();
    for (const OptionKey& key : kOptionKeys) {
        const std::optional<std::string> given = file_.value(key.key);
        if (given && !key.accepts(*given)) refused_.push_back({std::string(key.key), *given, key.defaultValue});
    }
}

std::string ProgramOptions::value(std::string_view key) const {
    const OptionKey* known = keyOf(key);
    if (!known) return {};
    const std::optional<std::string> given = file_.value(key);
    return std::string(given && known->accepts(*given) ? *given : known->defaultValue);
}

bool ProgramOptions::set(std::string_view key, std::string_view value) {
    const OptionKey* known = keyOf(key);
    if (!known || !known->accepts(value)) return false;
    reload();
    file_.set(key, value);
    // A file that cannot be read now is not written over.
    const std::string text = file_.text();
    return location_.write(std::vector<uint8_t>(text.begin(), text.end())) == SettingsLocation::Saved::Yes;
}

void ProgramOptions::reload() {
    const std::optional<std::vector<uint8_t>> bytes = location_.read();
    if (bytes)
        file_ = OptionsFile(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    else if (!location_.unreadable())
        file_ = OptionsFile();
}
