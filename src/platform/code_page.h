// Conversion between UTF-8 (the core's texts) and code page 932 (the face
// name bytes of the settings file). Windows uses its own code-page functions,
// elsewhere iconv "CP932". nullopt when the input has no form in the target.
#pragma once

#include <optional>
#include <string>
#include <string_view>

std::optional<std::string> cp932ToUtf8(std::string_view cp932);
std::optional<std::string> utf8ToCp932(std::string_view utf8);
