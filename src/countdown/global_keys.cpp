#include "countdown/global_keys.h"

#include <optional>

std::vector<HotKeyChoice> chosenHotKeys(const ProgramOptions& options) {
    std::vector<HotKeyChoice> choices;
    for (const auto& [action, name] : {std::pair{HotKeyAction::StartStop, "hotkey_start_stop"},
                                       std::pair{HotKeyAction::Show, "hotkey_show"}}) {
        const std::string text = options.value(name);
        if (const std::optional<HotKey> key = parseHotKey(text)) choices.push_back({action, *key, text});
    }
    return choices;
}

std::vector<std::string> registerHotKeys(HotKeys& keys, const std::vector<HotKeyChoice>& choices, const Texts& texts) {
    std::vector<std::string> warnings;
    for (const HotKeyChoice& choice : choices)
        if (!keys.add(choice.key, choice.action)) warnings.push_back(texts.format(TextId::hotkeys_unavailable, {choice.text}));
    return warnings;
}
