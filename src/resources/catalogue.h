// The program's texts: one catalogue a language, built from the PO files in
// po/ (text_ids.h and the tables are generated at build time). The language
// is chosen once at start (language_choice.h); everything the user reads
// comes through a Texts of that language.
#pragma once

#include <array>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "resources/text_ids.h"

struct Catalogue {
    std::string_view language;  // "ja": the PO file's name
    std::span<const std::string_view, kTextCount> texts;
};

// Every language built in, in the order of their codes.
extern const std::array<Catalogue, kLanguageCount> kCatalogues;

// The catalogue of a language code, or none.
const Catalogue* catalogueFor(std::string_view language);
// The codes built in, for messages: "en, ja".
std::string languageList();

class Texts {
public:
    // The source language, English.
    Texts();
    explicit Texts(const Catalogue& catalogue) : catalogue_(&catalogue) {}

    std::string_view language() const { return catalogue_->language; }
    std::string_view operator[](TextId id) const { return catalogue_->texts[static_cast<std::size_t>(id)]; }
    // The text with its placeholders (%s, %d, %2$s; %% is a percent sign)
    // replaced by `values`, the first placeholder by the first value.
    std::string format(TextId id, std::initializer_list<std::string_view> values) const;

private:
    const Catalogue* catalogue_;
};

Texts japaneseTexts();
