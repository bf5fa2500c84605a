#include "resources/language_choice.h"

#include <cctype>

namespace {

// "ja-JP", "ja_JP.UTF-8" and "JA" all name the language "ja".
std::string primaryLanguage(std::string_view tag) {
    std::string code;
    for (const char c : tag) {
        if (!std::isalpha(static_cast<unsigned char>(c))) break;
        code += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return code;
}

}  // namespace

Texts chooseLanguage(std::optional<std::string_view> argument, std::optional<std::string_view> option,
                     std::span<const std::string> system) {
    for (const std::optional<std::string_view>& chosen : {argument, option})
        if (chosen)
            if (const Catalogue* catalogue = catalogueFor(*chosen)) return Texts(*catalogue);
    if (!system.empty())
        if (const Catalogue* catalogue = catalogueFor(primaryLanguage(system.front()))) return Texts(*catalogue);
    return Texts();
}
