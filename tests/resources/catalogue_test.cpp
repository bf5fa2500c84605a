// Placeholders as a translation may write them, filled by Texts::format.
#include <gtest/gtest.h>

#include <array>

#include "resources/catalogue.h"

namespace {

TEST(Catalogue, FillsPlaceholdersInAnyOrder) {
    const struct { const char* text; std::initializer_list<std::string_view> values; const char* filled; } table[] = {
        {"%2$s, %1$s and %2$s", {"a", "b"}, "b, a and b"},
        {"%d%% done", {"50"}, "50% done"},
        {"%s and %s", {"a"}, "a and "},  // a value the caller did not give is left out
        {"100%", {}, "100%"},
    };
    std::array<std::string_view, kTextCount> texts{};
    const Catalogue catalogue{"xx", texts};
    for (const auto& row : table) {
        texts[static_cast<std::size_t>(TextId::product_version_line)] = row.text;
        EXPECT_EQ(Texts(catalogue).format(TextId::product_version_line, row.values), row.filled) << row.text;
    }
}

}  // namespace
