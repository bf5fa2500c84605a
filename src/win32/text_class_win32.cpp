#include <windows.h>

#include <cstdint>
#include <initializer_list>

#include "platform/text_class.h"

namespace {

// GetStringTypeW classifies UTF-16 units, so it knows no letter beyond the
// Basic Multilingual Plane; the ICU that Windows 10 carries (icu.dll from
// 1903, icuuc.dll from 1703) knows them all.
using IcuIsAlnum = int8_t (*)(int32_t);
IcuIsAlnum icuIsAlnum() {
    static const IcuIsAlnum function = []() -> IcuIsAlnum {
        for (const wchar_t* name : {L"icu.dll", L"icuuc.dll"})
            if (const HMODULE icu = LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32))
                if (FARPROC found = GetProcAddress(icu, "u_isalnum"))
                    return reinterpret_cast<IcuIsAlnum>(reinterpret_cast<void*>(found));
        return nullptr;
    }();
    return function;
}

// Without ICU: the ideographic planes (CJK extensions B and later, such as
// 𠮷) hold ideographs only; the other planes' letters stay unknown.
bool supplementaryLetter(char32_t c) {
    if (const IcuIsAlnum isAlnum = icuIsAlnum()) return isAlnum(static_cast<int32_t>(c)) != 0;
    return c >= 0x20000 && c <= 0x3FFFD;
}

}  // namespace

bool isLetterOrDigit(char32_t c) {
    if (c > 0x10FFFF) return false;
    if (c >= 0x10000) return supplementaryLetter(c);
    const wchar_t unit = static_cast<wchar_t>(c);
    WORD type = 0;
    return GetStringTypeW(CT_CTYPE1, &unit, 1, &type) && (type & (C1_ALPHA | C1_DIGIT)) != 0;
}
