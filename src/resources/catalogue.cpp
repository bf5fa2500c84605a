#include "resources/catalogue.h"

#include <algorithm>
#include <cctype>
#include <cstddef>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

const Catalogue* catalogueFor(std::string_view language) {
    const auto found = std::find_if(kCatalogues.begin(), kCatalogues.end(),
                                    [&](const Catalogue& c) { return c.language == language; });
    return found == kCatalogues.end() ? nullptr : &*found;
}

std::string languageList() {
    std::string list;
    for (const Catalogue& c : kCatalogues) list += (list.empty() ? "" : ", ") + std::string(c.language);
    return list;
}

Texts::Texts() : catalogue_(catalogueFor("en")) {}

Texts japaneseTexts() { return Texts(*catalogueFor("ja")); }

// The build checked every language's placeholders against the source text's,
// so a translation asks for no value the source does not.
std::string Texts::format(TextId id, std::initializer_list<std::string_view> values) const {
    const std::string_view text = (*this)[id];
    std::string out;
    std::size_t next = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%' || i + 1 >= text.size()) {
            out += text[i];
            continue;
        }
        if (text[++i] == '%') {
            out += '%';
            continue;
        }
        std::size_t index = next++;
        std::size_t numbered = 0, digits = i;
        for (; digits < text.size() && isDigit(text[digits]) && numbered < values.size() + 1; ++digits)
            numbered = numbered * 10 + static_cast<std::size_t>(text[digits] - '0');
        if (digits > i && digits < text.size() && text[digits] == '$') {
            index = numbered - 1;
            i = digits + 1;
        }
        while (i < text.size() && !std::isalpha(static_cast<unsigned char>(text[i]))) ++i;  // flags, width
        if (index < values.size()) out += values.begin()[index];
    }
    return out;
}
