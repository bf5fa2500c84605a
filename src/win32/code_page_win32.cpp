#include <windows.h>

#include <string>

#include "platform/code_page.h"

namespace {

constexpr UINT kJapanese = 932;

std::optional<std::wstring> toWide(UINT codePage, std::string_view text) {
    const int size = static_cast<int>(text.size());
    const int n = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
    if (n <= 0) return std::nullopt;
    std::wstring wide(static_cast<size_t>(n), L'\0');
    if (MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), n) != n)
        return std::nullopt;
    return wide;
}

// `lossCheck`: ask the system whether a default character had to stand in
// (code page 932 allows it; UTF-8 refuses the flag and reports bad input instead).
std::optional<std::string> fromWide(UINT codePage, const std::wstring& wide, bool lossCheck) {
    const int size = static_cast<int>(wide.size());
    const DWORD flags = lossCheck ? WC_NO_BEST_FIT_CHARS : WC_ERR_INVALID_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultOut = lossCheck ? &usedDefault : nullptr;
    const int n = WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, usedDefaultOut);
    if (n <= 0 || usedDefault) return std::nullopt;
    std::string narrow(static_cast<size_t>(n), '\0');
    if (WideCharToMultiByte(codePage, flags, wide.data(), size, narrow.data(), n, nullptr, usedDefaultOut) != n ||
        usedDefault)
        return std::nullopt;
    return narrow;
}

std::optional<std::string> convert(UINT from, UINT to, std::string_view text) {
    if (text.empty()) return std::string();
    const auto wide = toWide(from, text);
    if (!wide) return std::nullopt;
    return fromWide(to, *wide, to == kJapanese);
}

}  // namespace

std::optional<std::string> cp932ToUtf8(std::string_view cp932) { return convert(kJapanese, CP_UTF8, cp932); }

std::optional<std::string> utf8ToCp932(std::string_view utf8) { return convert(CP_UTF8, kJapanese, utf8); }
